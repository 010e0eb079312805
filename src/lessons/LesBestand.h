#pragma once
// Lesson files and the rules of the lessons window that need no window.
//
// A lesson file (bewaar/<name>.txt, code page 1252, CR LF) holds a
// distribution header and one line per numbered board slot (1 to 48). A
// free slot is its three-digit number followed by twenty "~"; a filled slot
// is a deal record whose first field is the slot number and whose holdings
// write the ten as "T". Because every slot line has 21 fields, a lesson file
// has the shape of a deal set file, and the deal set checks read it.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

#include "deal/SpelBestand.h"

namespace les {

constexpr int MaximaalSlots = 48;

// The header of a new lesson, the same in both languages.
QString AanmaakKop();
// "001" .. "048".
QString SlotNummer(int slot);
// Slot number followed by twenty "~".
QString VrijeSlotRegel(int slot);
// The file image of a new lesson of `aantal` free slots (header first).
QStringList NieuweLes(int aantal);
// True when the slot line counts as free: the text after its first three
// characters, trimmed, is twenty "~".
bool IsVrij(const QString& slotRegel);

// The path of lesson `naam` in the bewaar folder, or "" when naam is no
// name of the user's own (EigenNaamGeldig).
QString LesPad(const QString& naam);
// Lesson names of a folder listing (see spel::SpelSetNamen).
QStringList LesNamen(const QStringList& bestandsnamen, bool omgekeerd);

// Reads and checks a lesson file: the deal set checks (header of six fields,
// 1 to 48 lines of 21 fields, size limit, regular file).
spel::SpelSetUitkomst LeesLes(const QString& pad);
// The message for a lesson that could not be read, language taalNummer.
QString LesMelding(const spel::SpelSetUitkomst& uitkomst, const QString& naam, int taalNummer);

// The six counts of the header, recounted from the slot lines (header not
// included): voids, singletons, doubletons, 7-, 8-, 9-or-more-card suits.
struct KopTellers {
    int aantal[6] = {0, 0, 0, 0, 0, 0};
};
KopTellers TelSlots(const QStringList& slotRegels);
// The header from the six labels (texts 29 to 34) and the counts.
QString BouwKop(const QStringList& labels, const KopTellers& tellers);
// The image with its header rewritten from the slots.
QStringList MetNieuweKop(const QStringList& beeld, const QStringList& labels);
// Writes the image atomically.
bool SchrijfLes(const QString& pad, const QStringList& beeld, QString* fout = nullptr);

// The first same-dealer slot for board n: ((n - 1) mod 4) + 1 for n in
// 1..48, otherwise n itself.
int EersteKandidaat(int spelnummer);
// The free slots with the dealer of board n, from the slot lines.
QList<int> KandidaatSlots(int spelnummer, const QStringList& slotRegels);

// The record placed into a slot: the slot number, the sixteen holdings as
// shown (blanks removed, "10" written as "T"), the four seat fields.
QString BouwSlotRecord(int slot, const QStringList& houdingen, const QStringList& windVelden);

// The deal to place, as the window shows it.
struct TeDraaienSpel {
    QString houding[16];  // 4 x seat + suit
    QString punten[4];    // "(12)"
};
// One seat clockwise: North's holdings go to East, East's to South, South's
// to West, West's to North; the points move with the hands.
TeDraaienSpel DraaiRechtsom(const TeDraaienSpel& spel);

// The renumber spinner's list: slot numbers from `aantal` down to 1, and
// the position of slot n in it (-1 when n is no slot).
QStringList WijzigLijst(int aantal);
int PositieVanSlot(int slot, int aantal);
// The slot the renumber spinner is put on for a board number that is not a
// slot of the lesson: the first slot with the same dealer; 0 when the
// lesson has no such slot (the raise is then not possible).
int SlotVoorRaise(int spelnummer, int aantal);

// Dealer and vulnerability captions of the deal to place for board n
// (long names, texts 7 to 10), and of the preview (texts 7, 105-107).
QString GeverKop(int spelnummer);
QString KwetsbaarKop(int spelnummer);
QString KwetsbaarVoorbeeld(int spelnummer);

// Board numbers (1-based positions) of records that hold no cards: the free
// slots of an exported lesson.
QList<int> LegeSpellen(const QStringList& records);

enum class ExportUitkomst {
    Geschreven,
    NietOverschreven,  // the user kept the existing deal set
    Onleesbaar,        // the lesson could not be read (see lezing)
    Mislukt,           // the write failed: an older deal set is untouched
};
// Copies the lesson at bronPad into the deal set folder under `naam`:
// the lesson is read and checked first, an existing non-empty deal set of
// that name is replaced only when magOverschrijven says so, and the copy is
// written atomically.
ExportUitkomst ExporteerLes(const QString& bronPad, const QString& naam,
                            const std::function<bool(const QString&)>& magOverschrijven,
                            spel::SpelSetUitkomst* lezing = nullptr, QString* fout = nullptr);

}  // namespace les
