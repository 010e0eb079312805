#pragma once
// Rules of the print layouts that need no window: scales, steps and the page
// test, numbering, captions, dealer and vulnerability by position, the ten
// form and which deals share a picture. The layout windows call these and
// paint what they give.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace afdruk {

// Looks up a text of the text table by its number (TaalTekst in the program,
// a small table in tests).
using TekstBron = std::function<QString(int)>;

// Every job and every new page starts painting at this height (twips).
constexpr double BeginPositie = 400.0;
// Left edge of a picture for layouts 0, 1 and 2 (twips).
constexpr int LinkerRand = 200;
// Room kept free below a picture at the page test (twips).
constexpr int OnderMarge = 100;
// Each spacing step makes the layout window this much taller (twips).
constexpr int TussenruimteStap = 60;
// Narrowing settings run from 0 (widest) to this value.
constexpr int HoogsteVersmalling = 23;

// Scale of a picture of layouts 0, 1 and 2: 0.50 - 0.02 k for k = 0..23;
// nothing for any other k (the picture is then not painted).
std::optional<double> SchaalSmal(int k);
// Scale of layout 3: 0.60 - 0.02 k for k = 0..23, so that every step of the
// setting makes the diagram narrower, the last three included.
std::optional<double> SchaalDiagram(int k);

// Distance from one picture to the next: twice the scale times the height of
// the captured window in twips.
double Stap(double schaal, double vensterHoogte);
// True when the next picture would no longer fit on the page.
bool PaginaVol(double vensterHoogte, double y, double paginaHoogte);
// Left edge that centres a window of this width on the page.
int MiddenX(int paginaBreedte, int vensterBreedte);

// Where a picture is painted across the page, and at what scale.
struct Plek {
    double x;
    double schaal;
};
// A picture `breedte` twips wide at scale 1 goes at x with scale `schaal`
// when it lies on the page there. Otherwise it is centred on the page, made
// smaller first when it would not fit between margins of LinkerRand twips,
// so that no part of it falls beside the paper (a narrow paper size or
// a window wider than the page).
Plek OpPagina(double x, double schaal, double breedte, double paginaBreedte);

// Size of a captured picture in HIMETRIC units (0.01 mm) from its size in
// twips; painted sizes are this times the scale, taken as twips.
int Himetric(int twips);

// The items that are deals: every item that is not blank. Blank items are
// skipped everywhere and do not count in the numbering.
QStringList DealItems(const QStringList& items);
// Field i of a split record, "" when the record is shorter.
QString Veld(const QStringList& velden, int i);
// Holding of seat (0..3) and suit (0..3) from a split record.
QString Holding(const QStringList& velden, int zetel, int kleur);

// The ten in display form: with tien "10" becomes "T", without it "T" becomes
// "10" (case-sensitive, over the whole text).
QString TienVorm(const QString& tekst, bool tien);

// The points of a seat field "<seat>(<points>)": from the first "(" to the
// end, "()" when there is none.
QString PuntenTekst(const QString& zetelVeld);

// Digit at 1-based position n of a dealer or vulnerability string; -1 when
// the position is outside it or holds no digit.
int ReeksCijfer(const QString& reeks, int n);
// Dealer seat of the deal at place n (1-based) in the run: North, East,
// South, West, North, ...
int GeverOpPlaats(int n);

// How a layout writes the vulnerability of both sides.
enum class AllenVorm {
    Letter,       // first character of text 107 ("A")
    Heel,         // text 107 as it stands ("Allemaal" / "All")
    TweeLetters,  // first two characters ("Al"), the Dutch form of layout 2
};
// Short vulnerability: "-", text 105, text 106 or text 107 in the given form;
// "" for a code outside 0..3.
QString KwetsbaarKort(const TekstBron& tekst, int code, AllenVorm vorm);

// Caption of a block of layouts 0 and 1:
// text 64 " " n " - " seat name "   " dealer initial "/" vulnerability.
QString SpelKop(const TekstBron& tekst, int n, int zetel, int gever, const QString& kwetsbaar);
// "Gever: Oost" / "Dealer: East".
QString GeverRegel(const TekstBron& tekst, int gever);
// Text 6 ": " and the given vulnerability text.
QString KwetsbaarRegel(const TekstBron& tekst, const QString& kwetsbaar);
// Long vulnerability name, text 7 + code ("Niemand" ... "Allen"); "" outside 0..3.
QString KwetsbaarNaam(const TekstBron& tekst, int code);

// Places (1-based) of the deals on each picture when a picture holds up to
// `perAfbeelding` consecutive deals of a run of `aantal` deals.
QList<QList<int>> Afbeeldingen(int aantal, int perAfbeelding);

// Hearts and diamonds print dark red, spades and clubs black.
bool RodeKleur(int kleur);

}  // namespace afdruk
