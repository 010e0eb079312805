#include "results/WedstrijdBestanden.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QScopeGuard>

#include <algorithm>

#include <fcntl.h>
#include <stdio.h>

#include "platform/AtomicFile.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "results/ContractNotatie.h"
#include "results/SchrijfWachtrij.h"
#include "shared/Bestanden.h"
#include "shared/Tekst.h"

namespace uitslag {

namespace {

constexpr int kVast = 10;     // the language whose words name the files
constexpr int kAnder = 11;    // names of earlier English runs, still read
constexpr qint64 kKlein = 4 * 1024;
constexpr qint64 kMiddel = 64 * 1024;
constexpr qint64 kGroot = 256 * 1024;
constexpr int kUitslagVelden = 7;
constexpr int kExportRegels = 8;

QString Woord(int taal, int nummer) { return TaalTekst(taal * 1000 + nummer); }

bool BordGeldig(int bord) { return bord >= 1 && bord <= kMaxSpellen; }

qint64 Grens(WedstrijdBestand soort) {
    switch (soort) {
    case WedstrijdBestand::SpellenAantal:
    case WedstrijdBestand::Klaar: return kKlein;
    case WedstrijdBestand::Overzicht: return kGroot;
    default: return kMiddel;
    }
}

// Reads a match file whole into lines, with the reason of a failure.
LeesUitkomst LeesRegels(WedstrijdBestand soort, const QString& wedstrijd, int bord,
                        QStringList& regels) {
    LeesUitkomst u;
    regels.clear();
    const QString pad = LeesPad(soort, wedstrijd, bord);
    u.bestand = pad.isEmpty() ? wedstrijd : QFileInfo(pad).fileName();
    // LeesPad has looked for the file already: a file that is not there is
    // not looked for again by the reader.
    const QFileInfo info(pad);
    if (pad.isEmpty() || (!info.exists() && !info.isSymLink())) {
        u.fout = LeesFout::Ontbreekt;
        return u;
    }
    QByteArray inhoud;
    switch (platform::readFileBytes(pad, inhoud, Grens(soort), &u.reden)) {
    case platform::FileFault::None: break;
    case platform::FileFault::Missing: u.fout = LeesFout::Ontbreekt; return u;
    case platform::FileFault::TooLarge: u.fout = LeesFout::TeGroot; return u;
    default: u.fout = LeesFout::Onleesbaar; return u;
    }
    regels = platform::splitLines(platform::decodeText(inhoud));
    while (!regels.isEmpty() && regels.back().trimmed().isEmpty())
        regels.removeLast();
    if (regels.isEmpty())
        u.fout = LeesFout::Leeg;
    return u;
}

LeesUitkomst Vreemd(LeesUitkomst u, int regel) {
    u.fout = LeesFout::Vreemd;
    u.regel = regel;
    return u;
}

// A write refused before it reaches the writer: `reden` in `fout`; queued,
// it is also reported as a failed write of the file (MeldGeweigerd), so
// the caller adds no message of its own.
bool Weiger(WedstrijdBestand soort, const QString& wedstrijd, int bord, const QString& reden, QString* fout,
            Schrijfwijze wijze) {
    if (fout) *fout = reden;
    if (wijze == Schrijfwijze::Achtergrond) {
        const QString pad = SchrijfPad(soort, wedstrijd, bord);
        MeldGeweigerd(pad.isEmpty() ? WedstrijdBestandsnaam(soort, wedstrijd, bord) : pad, reden);
    }
    return false;
}

// The result file of a board (1 to 48) in language `taal`: "Spel 07 Drovik.txt".
QString SpelUitslagNaam(int taal, int bord) {
    return Woord(taal, 64) + QLatin1Char(' ') + QString::number(bord + 100).right(2) + QStringLiteral(" Drovik.txt");
}

// The result files of boards `borden` of match W, as WedstrijdBestandsnaam
// names each; the match name is checked once for all of them (the names
// differ only in their digits, which are plain).
QStringList SpelBestandsnamen(const QString& wedstrijd, const QList<int>& borden) {
    QStringList namen;
    if (borden.isEmpty()) return namen;
    if (WedstrijdBestandsnaam(WedstrijdBestand::SpelUitslag, wedstrijd, 1, kVast).isEmpty()) return namen;
    for (int b : borden)
        if (BordGeldig(b)) namen << SpelUitslagNaam(kVast, b);
    return namen;
}

// `borden`: the boards the content says are done; queued, it is written
// only behind their result files, and not while one of those failed.
bool Schrijf(WedstrijdBestand soort, const QString& wedstrijd, int bord, const QStringList& regels,
             QString* fout, Schrijfwijze wijze = Schrijfwijze::Meteen, const QList<int>& borden = {}) {
    const QString pad = SchrijfPad(soort, wedstrijd, bord);
    if (pad.isEmpty())
        return Weiger(soort, wedstrijd, bord, WedstrijdBestandsnaam(soort, wedstrijd, bord), fout, wijze);
    for (const QString& r : regels)
        if (r.contains(QLatin1Char('\n')) || r.contains(QLatin1Char('\r')))
            return Weiger(soort, wedstrijd, bord, QFileInfo(pad).fileName(), fout, wijze);
    // The match folder is made when it is missing (a match made elsewhere
    // may lack it); the file itself is replaced whole or not at all.
    const QString map = QFileInfo(pad).absolutePath();
    platform::makeFolders(map);
    if (wijze == Schrijfwijze::Achtergrond) {
        QByteArray data;
        // One reading of the match folder for all of them: a final key of a
        // long match names every board done so far.
        const QStringList nodig = platform::resolveNamesIn(map, SpelBestandsnamen(wedstrijd, borden));
        QString reden;
        if (!platform::encodeTextLines(pad, regels, data, &reden))
            return Weiger(soort, wedstrijd, bord, reden, fout, wijze);
        return SchrijfLater(pad, data, fout, nodig);
    }
    WachtOp(pad);  // an earlier queued write of the file must not land after this one
    return platform::writeTextLines(pad, regels, fout);
}

// Cells may not hold the separator or a line break: they would shift every
// field after them.
bool CelGoed(const QString& cel) {
    for (const QChar c : cel)
        if (c == QLatin1Char('~') || c == QLatin1Char('\n') || c == QLatin1Char('\r')) return false;
    return true;
}

// True when the cell holds more than white space.
bool CelGevuld(const QString& cel) {
    return std::any_of(cel.begin(), cel.end(), [](QChar c) { return !c.isSpace(); });
}

// The longest name a file system gives one file or folder, in bytes.
constexpr int kNaamMax = 255;

bool PaarNummer(const QString& tekst, int& nummer) {
    bool ok = false;
    nummer = tekst.trimmed().toInt(&ok);
    return ok && nummer >= 1 && nummer <= kMaxParen;
}

// The two pair numbers of a caption "5 - 6", split at the first "-".
bool PaarGetallen(const QString& paar, int& a, int& b) {
    const int streep = static_cast<int>(paar.indexOf(QLatin1Char('-')));
    return streep >= 0 && PaarNummer(paar.left(streep), a) && PaarNummer(paar.mid(streep + 1), b);
}

// A caption of two pair numbers, and its two numbers as written.
bool PaarGoed(const QString& paar, QString* eerste = nullptr, QString* tweede = nullptr) {
    int a = 0, b = 0;
    if (!PaarGetallen(paar, a, b)) return false;
    const int streep = static_cast<int>(paar.indexOf(QLatin1Char('-')));
    if (eerste) *eerste = paar.left(streep).trimmed();
    if (tweede) *tweede = paar.mid(streep + 1).trimmed();
    return true;
}

// A name in `map` that nothing has yet, hidden from every list of the
// program: `voorvoegsel` and six random letters.
QString VrijeNaam(const QString& map, const QString& voorvoegsel) {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int poging = 0; poging < 100; ++poging) {
        QString naam = voorvoegsel;
        for (int i = 0; i < 6; ++i)
            naam += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)]);
        const QString pad = map + QLatin1Char('/') + naam;
        if (!QFileInfo::exists(pad) && !QFileInfo(pad).isSymLink())
            return pad;
    }
    return QString();
}

}  // namespace

bool WedstrijdNaamPast(const QString& wedstrijd) {
    // The longest names made from W: its overview and done-flag files in
    // either language, its mail list, and the results file of the export.
    qsizetype langste = QByteArrayLiteral(" mail.txt").size();
    langste = std::max(langste, QByteArrayLiteral(".uitslag_1").size());
    for (int taal : {kVast, kAnder})
        for (int nummer : {145, 146})
            langste = std::max(langste,
                               (QLatin1Char(' ') + Woord(taal, nummer).toLower() + QStringLiteral(".txt"))
                                   .toUtf8()
                                   .size());
    return wedstrijd.toUtf8().size() + langste <= kNaamMax;
}

namespace {
// Whether W may name a match folder; asks nothing of the disk.
bool MapNaamGoed(const QString& wedstrijd) {
    return EigenNaamGeldig(wedstrijd) && WedstrijdNaamPast(wedstrijd);
}
}  // namespace

QString WedstrijdMapPad(const QString& wedstrijd) {
    if (!MapNaamGoed(wedstrijd))
        return QString();
    return platform::programPath(QStringLiteral("resultaten/") + wedstrijd);
}

bool WedstrijdNaamBotst(const QString& wedstrijd) {
    // The pairs file W.txt is the only one of a match's own files that can
    // take a board file's form: the others end in a word of their own.
    // Built once: every path of a match file asks, several times a key.
    static const auto bordNaam = [](int taal) {
        return QRegularExpression(QStringLiteral("^") + QRegularExpression::escape(Woord(taal, 64)) +
                                      QStringLiteral(" (\\d{2} Drovik|\\d{3})$"),
                                  QRegularExpression::CaseInsensitiveOption);
    };
    static const QRegularExpression vast = bordNaam(kVast), ander = bordNaam(kAnder);
    return vast.match(wedstrijd).hasMatch() || ander.match(wedstrijd).hasMatch();
}

QString WedstrijdBestandsnaam(WedstrijdBestand soort, const QString& wedstrijd, int bord,
                              int taalNummer) {
    if (soort != WedstrijdBestand::SpelUitslag && soort != WedstrijdBestand::SpelExport &&
        WedstrijdNaamBotst(wedstrijd))
        return QString();
    const int taal = taalNummer == kAnder ? kAnder : kVast;
    QString naam;
    switch (soort) {
    case WedstrijdBestand::Paren: naam = wedstrijd + QStringLiteral(".txt"); break;
    case WedstrijdBestand::SpellenAantal: naam = wedstrijd + QStringLiteral(".spellen"); break;
    case WedstrijdBestand::Klaar:
        naam = wedstrijd + QLatin1Char(' ') + Woord(taal, 146).toLower() + QStringLiteral(".txt");
        break;
    case WedstrijdBestand::Overzicht:
        naam = wedstrijd + QLatin1Char(' ') + Woord(taal, 145).toLower() + QStringLiteral(".txt");
        break;
    case WedstrijdBestand::MailLijst: naam = wedstrijd + QStringLiteral(" mail.txt"); break;
    case WedstrijdBestand::SpelUitslag:
        if (!BordGeldig(bord)) return QString();
        naam = SpelUitslagNaam(taal, bord);
        break;
    case WedstrijdBestand::SpelExport:
        if (!BordGeldig(bord)) return QString();
        naam = Woord(taal, 64) + QLatin1Char(' ') + QString::number(bord + 1000).right(3) +
               QStringLiteral(".txt");
        break;
    }
    if (!MapNaamGoed(wedstrijd) || !platform::isPlainFileName(naam))
        return QString();
    return naam;
}

QString SchrijfPad(WedstrijdBestand soort, const QString& wedstrijd, int bord) {
    const QString naam = WedstrijdBestandsnaam(soort, wedstrijd, bord, kVast);
    if (naam.isEmpty())
        return QString();
    return platform::programPath(QStringLiteral("resultaten/") + wedstrijd + QLatin1Char('/') + naam);
}

QString LeesPad(WedstrijdBestand soort, const QString& wedstrijd, int bord) {
    const QString vast = SchrijfPad(soort, wedstrijd, bord);
    if (!vast.isEmpty()) WachtOp(vast);  // the program's own queued writes come first
    if (vast.isEmpty() || QFileInfo::exists(vast))
        return vast;
    const QString naam = WedstrijdBestandsnaam(soort, wedstrijd, bord, kAnder);
    if (naam.isEmpty())
        return vast;
    const QString ander = platform::resolveNamesIn(QFileInfo(vast).absolutePath(), {naam}).front();
    return QFileInfo::exists(ander) ? ander : vast;
}

bool WisWedstrijdBestand(WedstrijdBestand soort, const QString& wedstrijd, int bord, QString* fout) {
    // A queued write would bring the file back after its removal.
    const QString vast = SchrijfPad(soort, wedstrijd, bord);
    if (!vast.isEmpty()) WachtOp(vast);
    bool goed = true;
    for (int taal : {kVast, kAnder}) {
        const QString naam = WedstrijdBestandsnaam(soort, wedstrijd, bord, taal);
        if (naam.isEmpty()) {
            goed = false;
            continue;
        }
        const QString pad =
            platform::programPath(QStringLiteral("resultaten/") + wedstrijd + QLatin1Char('/') + naam);
        const QFileInfo info(pad);
        if (!info.exists() && !info.isSymLink())
            continue;
        QFile bestand(pad);
        if (!bestand.remove()) {
            goed = false;
            if (fout) *fout = naam + QStringLiteral(": ") + bestand.errorString();
        }
    }
    return goed;
}

bool WisSpelBestanden(const QString& wedstrijd, int bord, QString* fout) {
    const QString map = WedstrijdMapPad(wedstrijd);
    if (map.isEmpty() || !BordGeldig(bord)) {
        if (fout) *fout = wedstrijd;
        return false;
    }
    QStringList paden;
    for (WedstrijdBestand soort : {WedstrijdBestand::SpelUitslag, WedstrijdBestand::SpelExport}) {
        // A queued write would bring the file back after it was cleared.
        WachtOp(SchrijfPad(soort, wedstrijd, bord));
        for (int taal : {kVast, kAnder}) {
            const QString naam = WedstrijdBestandsnaam(soort, wedstrijd, bord, taal);
            const QString pad = map + QLatin1Char('/') + naam;
            const QFileInfo info(pad);
            if (naam.isEmpty() || paden.contains(pad) || (!info.exists() && !info.isSymLink()))
                continue;
            if (!info.isSymLink() && !info.isFile()) {
                if (fout) *fout = naam;
                return false;
            }
            paden << pad;
        }
    }
    // Aside under the temporary names of the program, so that a crash in
    // between leaves nothing that is read as a board.
    QList<QPair<QString, QString>> opzij;
    for (const QString& pad : paden) {
        const QString naar = VrijeNaam(map, QStringLiteral(".drovik-tmp."));
        QFile bestand(pad);
        if (naar.isEmpty() || !bestand.rename(naar)) {
            if (fout) *fout = QFileInfo(pad).fileName() + QStringLiteral(": ") + bestand.errorString();
            for (const auto& [van, tijdelijk] : opzij) QFile::rename(tijdelijk, van);
            return false;
        }
        opzij << qMakePair(pad, naar);
    }
    for (const auto& [van, tijdelijk] : opzij) QFile::remove(tijdelijk);
    return true;
}

bool WedstrijdMapGevuld(const QString& wedstrijd) {
    const QString map = WedstrijdMapPad(wedstrijd);
    if (map.isEmpty())
        return false;
    const QFileInfo info(map);
    if (info.isSymLink() || (info.exists() && !info.isDir()))
        return true;
    return info.isDir() &&
           !QDir(map).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System).isEmpty();
}

bool WedstrijdBestaat(const QString& wedstrijd) {
    const QString map = WedstrijdMapPad(wedstrijd);
    return !map.isEmpty() && QFileInfo(map).isDir();
}

QList<int> SpellenMetUitslag(const QString& wedstrijd) {
    QList<int> spellen;
    if (!WedstrijdBestaat(wedstrijd)) return spellen;
    QVector<bool> gevuld(kMaxSpellen + 1, false);
    QString vlaggen;
    if (LeesKlaar(wedstrijd, kMaxSpellen, vlaggen).Gelukt())
        for (int i = 0; i < vlaggen.size() && i < kMaxSpellen; ++i)
            if (vlaggen.at(i) == QLatin1Char('1')) gevuld[i + 1] = true;
    std::vector<QStringList> rijen;
    if (LeesOverzicht(wedstrijd, rijen).Gelukt()) {
        for (size_t r = 1; r < rijen.size(); ++r)
            for (int c = 1; c < rijen[r].size() && c <= kMaxSpellen; ++c)
                if (!rijen[r].at(c).trimmed().isEmpty()) gevuld[c] = true;
    }
    for (int bord = 1; bord <= kMaxSpellen; ++bord) {
        for (WedstrijdBestand soort : {WedstrijdBestand::SpelUitslag, WedstrijdBestand::SpelExport})
            if (QFileInfo::exists(LeesPad(soort, wedstrijd, bord))) gevuld[bord] = true;
        if (gevuld[bord]) spellen << bord;
    }
    return spellen;
}

namespace {

// A match saved over an earlier one is made under ".nieuw-<six>-<W>"; the
// earlier one, where it cannot trade places with it in one step, is put
// aside as ".oud-<six>-<W>" (the same six) for the moment between the two
// renames. Both names are hidden from the match list.
const QRegularExpression& HalfPatroon() {
    static const QRegularExpression p(QStringLiteral("^\\.(nieuw|oud)-([A-Za-z0-9]{6})(?:-(.+))?$"));
    return p;
}

QString HalfNaam(const QString& soort, const QString& sleutel, const QString& wedstrijd) {
    return QLatin1Char('.') + soort + QLatin1Char('-') + sleutel + QLatin1Char('-') + wedstrijd;
}

bool HernoemMap(const QString& van, const QString& naar) {
    return ::rename(QFile::encodeName(van).constData(), QFile::encodeName(naar).constData()) == 0;
}

}  // namespace

int RuimHalveWedstrijdMappenOp() {
    const QString resultaten = platform::programPath(QStringLiteral("resultaten"));
    const QDir map(resultaten);
    const QStringList namen = map.entryList(QDir::Dirs | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    int weg = 0;
    const auto bestaat = [&](const QString& naam) {
        const QFileInfo info(map.filePath(naam));
        return info.exists() || info.isSymLink();
    };
    // First the new matches: one whose earlier match was already put aside
    // (the stop came between the two renames) is whole, and takes its
    // place; any other is a half-made one and goes.
    for (const QString& naam : namen) {
        const QRegularExpressionMatch m = HalfPatroon().match(naam);
        if (!m.hasMatch() || m.captured(1) != QLatin1String("nieuw")) continue;
        const QString wedstrijd = m.captured(3);
        if (!wedstrijd.isEmpty() && WedstrijdMapPad(wedstrijd).isEmpty()) continue;  // not one of ours
        if (!wedstrijd.isEmpty() && bestaat(HalfNaam(QStringLiteral("oud"), m.captured(2), wedstrijd)) &&
            !bestaat(wedstrijd) && HernoemMap(map.filePath(naam), map.filePath(wedstrijd))) {
            ++weg;
            continue;
        }
        if (QDir(map.filePath(naam)).removeRecursively()) ++weg;
    }
    // Then the earlier matches put aside: gone once the match stands under
    // its name, else back under it. A match is never left without either.
    for (const QString& naam : namen) {
        const QRegularExpressionMatch m = HalfPatroon().match(naam);
        if (!m.hasMatch() || m.captured(1) != QLatin1String("oud") || m.captured(3).isEmpty()) continue;
        const QString wedstrijd = m.captured(3);
        if (WedstrijdMapPad(wedstrijd).isEmpty() || !bestaat(naam)) continue;
        if (bestaat(wedstrijd) ? QDir(map.filePath(naam)).removeRecursively()
                               : HernoemMap(map.filePath(naam), map.filePath(wedstrijd)))
            ++weg;
    }
    return weg;
}

bool MaakWedstrijd(const QString& wedstrijd, const QStringList& paren, const QString& groepPad,
                   QString* fout, QString* bestand) {
    if (bestand) *bestand = WedstrijdBestandsnaam(WedstrijdBestand::Paren, wedstrijd);
    // Queued writes of an earlier match of this name land before it goes.
    WachtOp();
    const auto mailLijstMislukt = [&] {
        if (bestand) *bestand = WedstrijdBestandsnaam(WedstrijdBestand::MailLijst, wedstrijd);
        return false;
    };
    const QString map = WedstrijdMapPad(wedstrijd);
    if (map.isEmpty()) {
        if (fout) *fout = wedstrijd;
        return false;
    }
    for (const QString& r : paren) {
        if (r.contains(QLatin1Char('\n')) || r.contains(QLatin1Char('\r'))) {
            if (fout) *fout = r.simplified();
            return false;
        }
    }
    QByteArray mail;
    if (!groepPad.isEmpty() &&
        platform::readFileBytes(groepPad, mail, kMiddel, fout) != platform::FileFault::None)
        return mailLijstMislukt();
    const QString resultaten = platform::programPath(QStringLiteral("resultaten"));
    const QString doel = resultaten + QLatin1Char('/') + wedstrijd;
    QDir().mkpath(resultaten);
    const QFileInfo oud(doel);
    if (!oud.exists() && !oud.isSymLink()) {
        // A new match: its files go straight into its new folder, which
        // goes again when one of them cannot be written.
        if (!QDir().mkpath(doel)) {
            if (fout) *fout = wedstrijd;
            return false;
        }
        const bool parenGoed = platform::writeTextLines(SchrijfPad(WedstrijdBestand::Paren, wedstrijd), paren, fout);
        if (parenGoed && (groepPad.isEmpty() ||
                          platform::writeFileAtomic(SchrijfPad(WedstrijdBestand::MailLijst, wedstrijd), mail, fout)))
            return true;
        QDir(doel).removeRecursively();
        return parenGoed ? mailLijstMislukt() : false;
    }
    if (oud.isSymLink() || !oud.isDir()) {
        if (fout) *fout = wedstrijd;
        return false;
    }
    // An earlier match: the new one is made whole under a hidden name first.
    QString nieuw, opzij;
    for (int poging = 0; poging < 100 && nieuw.isEmpty(); ++poging) {
        const QString sleutel = QFileInfo(VrijeNaam(resultaten, QString())).fileName();
        if (sleutel.isEmpty()) break;
        const QString n = resultaten + QLatin1Char('/') + HalfNaam(QStringLiteral("nieuw"), sleutel, wedstrijd);
        const QString o = resultaten + QLatin1Char('/') + HalfNaam(QStringLiteral("oud"), sleutel, wedstrijd);
        if (!QFileInfo::exists(o) && QDir().mkdir(n)) {
            nieuw = n;
            opzij = o;
        }
    }
    if (nieuw.isEmpty()) {
        if (fout) *fout = wedstrijd;
        return false;
    }
    // Whatever is left under the hidden name at the end goes: the half-made
    // match, or the earlier one after the trade.
    const auto opruimen = qScopeGuard([&] {
        if (!nieuw.isEmpty()) QDir(nieuw).removeRecursively();
    });
    if (!platform::writeTextLines(nieuw + QLatin1Char('/') + WedstrijdBestandsnaam(WedstrijdBestand::Paren, wedstrijd),
                                  paren, fout))
        return false;
    if (!groepPad.isEmpty() &&
        !platform::writeFileAtomic(nieuw + QLatin1Char('/') + WedstrijdBestandsnaam(WedstrijdBestand::MailLijst, wedstrijd),
                                   mail, fout))
        return mailLijstMislukt();
    // Then in the place of the earlier match, which goes only once the new
    // one stands: both folders trade names in one step where the file system
    // can, so that there is never a moment without the match.
    if (::renameat2(AT_FDCWD, QFile::encodeName(nieuw).constData(), AT_FDCWD, QFile::encodeName(doel).constData(),
                    RENAME_EXCHANGE) == 0)
        return true;
    // Where it cannot, the earlier match is put aside under the new one's
    // key first; a stop between the two renames is finished at the next
    // start (RuimHalveWedstrijdMappenOp), so the match is never lost.
    if (!HernoemMap(doel, opzij)) {
        if (fout) *fout = wedstrijd;
        return false;
    }
    if (!HernoemMap(nieuw, doel)) {
        HernoemMap(opzij, doel);
        if (fout) *fout = wedstrijd;
        return false;
    }
    nieuw.clear();
    QDir(opzij).removeRecursively();
    return true;
}

namespace {

// Fills in the file name ("~") and the detail ("#"); without a detail its
// separating line breaks go too. The text's "|" become line breaks before
// anything is filled in, so a message box shows it as it is meant.
QString Invullen(QString tekst, const QString& bestand, const QString& detail) {
    if (detail.isEmpty())
        tekst.remove(QStringLiteral("||#"));
    return VulIn(MetRegels(tekst), bestand, detail);
}

}  // namespace

QString LeesMelding(const LeesUitkomst& u) {
    int nummer = 0;
    switch (u.fout) {
    case LeesFout::Geen: return QString();
    case LeesFout::Ontbreekt:
    case LeesFout::Onleesbaar: nummer = 335; break;
    case LeesFout::TeGroot: nummer = 336; break;
    case LeesFout::Leeg: nummer = 337; break;
    case LeesFout::Vreemd: nummer = 338; break;
    }
    return Invullen(TaalTekst(nummer), u.bestand,
                    u.fout == LeesFout::Vreemd ? QString::number(u.regel) : u.reden);
}

QString SchrijfMelding(const QString& bestand, const QString& fout) {
    return Invullen(TaalTekst(339), bestand, fout);
}

// --- Pairs file ------------------------------------------------------------

LeesUitkomst LeesParen(const QString& wedstrijd, QVector<groep::Paar>& paren) {
    paren.clear();
    QStringList regels;
    LeesUitkomst u = LeesRegels(WedstrijdBestand::Paren, wedstrijd, 0, regels);
    if (!u.Gelukt())
        return u;
    if (const int slecht = groep::LeesPaarRegels(regels, groep::Nummering::Vast, paren); slecht > 0)
        return Vreemd(u, slecht);
    return u;
}

LeesUitkomst LeesParen(const QString& wedstrijd, QStringList& paren) {
    paren.clear();
    QVector<groep::Paar> gelezen;
    const LeesUitkomst u = LeesParen(wedstrijd, gelezen);
    for (int i = 0; i < gelezen.size(); ++i) paren << groep::PaarTekst(i + 1, gelezen.at(i));
    return u;
}

bool SchrijfParen(const QString& wedstrijd, const QStringList& paren, QString* fout) {
    return Schrijf(WedstrijdBestand::Paren, wedstrijd, 0, paren, fout);
}

// --- Board count -----------------------------------------------------------

LeesUitkomst LeesSpellenAantal(const QString& wedstrijd, int& aantal) {
    QStringList regels;
    LeesUitkomst u = LeesRegels(WedstrijdBestand::SpellenAantal, wedstrijd, 0, regels);
    if (!u.Gelukt())
        return u;
    bool ok = false;
    const int n = regels.at(0).trimmed().toInt(&ok);
    if (!ok || n < 1 || n > kMaxSpellen || regels.size() > 1)
        return Vreemd(u, ok && n >= 1 && n <= kMaxSpellen ? 2 : 1);
    aantal = n;
    return u;
}

bool SchrijfSpellenAantal(const QString& wedstrijd, int aantal, QString* fout) {
    if (aantal < 1 || aantal > kMaxSpellen) {
        if (fout) *fout = QString::number(aantal);
        return false;
    }
    return Schrijf(WedstrijdBestand::SpellenAantal, wedstrijd, 0, {QString::number(aantal)}, fout);
}

// --- Done flags ------------------------------------------------------------

namespace {
bool VlaggenGoed(const QString& v) {
    for (QChar c : v)
        if (c != QLatin1Char('0') && c != QLatin1Char('1'))
            return false;
    return v.size() <= kMaxSpellen;
}
}  // namespace

LeesUitkomst LeesKlaar(const QString& wedstrijd, int spellen, QString& vlaggen) {
    QStringList regels;
    LeesUitkomst u = LeesRegels(WedstrijdBestand::Klaar, wedstrijd, 0, regels);
    if (!u.Gelukt())
        return u;
    const QString regel = regels.at(0).trimmed();
    if (regel.isEmpty() || !VlaggenGoed(regel) || regels.size() > 1)
        return Vreemd(u, regel.isEmpty() || !VlaggenGoed(regel) ? 1 : 2);
    const int n = qBound(0, spellen, kMaxSpellen);
    vlaggen = regel.left(n).leftJustified(n, QLatin1Char('0'));
    return u;
}

bool SchrijfKlaar(const QString& wedstrijd, const QString& vlaggen, QString* fout, Schrijfwijze wijze) {
    if (vlaggen.isEmpty() || !VlaggenGoed(vlaggen)) {
        if (fout) *fout = vlaggen;
        return false;
    }
    QList<int> klaar;
    for (int b = 1; b <= vlaggen.size(); ++b)
        if (vlaggen.at(b - 1) == QLatin1Char('1')) klaar << b;
    return Schrijf(WedstrijdBestand::Klaar, wedstrijd, 0, {vlaggen}, fout, wijze, klaar);
}

// --- Overview --------------------------------------------------------------

LeesUitkomst LeesOverzicht(const QString& wedstrijd, std::vector<QStringList>& rijen) {
    rijen.clear();
    QStringList regels;
    LeesUitkomst u = LeesRegels(WedstrijdBestand::Overzicht, wedstrijd, 0, regels);
    if (!u.Gelukt())
        return u;
    const QStringList kop = regels.at(0).split(QLatin1Char('~'));
    bool kopGoed = kop.size() >= 2 && kop.size() <= kMaxSpellen + 1 && kop.at(0).isEmpty();
    for (int b = 1; kopGoed && b < kop.size(); ++b)
        kopGoed = kop.at(b) == QString::number(b);
    if (!kopGoed)
        return Vreemd(u, 1);
    if (regels.size() > kMaxParen + 2)
        return Vreemd(u, kMaxParen + 3);
    std::vector<QStringList> gelezen{kop};
    for (int r = 1; r < regels.size(); ++r) {
        const QStringList cellen = regels.at(r).split(QLatin1Char('~'));
        if (cellen.size() > kop.size())
            return Vreemd(u, r + 1);
        gelezen.push_back(cellen);
    }
    rijen = std::move(gelezen);
    return u;
}

bool SchrijfOverzicht(const QString& wedstrijd, const std::vector<QStringList>& rijen, QString* fout,
                      Schrijfwijze wijze) {
    QStringList regels;
    regels.reserve(qsizetype(rijen.size()));
    bool metPunten[kMaxSpellen + 1] = {};  // boards whose column shows matchpoints
    for (size_t r = 0; r < rijen.size(); ++r) {
        const QStringList& rij = rijen[r];
        for (int c = 0; c < rij.size(); ++c) {
            if (!CelGoed(rij.at(c))) {
                if (fout) *fout = rij.at(c);
                return false;
            }
            if (r > 0 && c >= 1 && c <= kMaxSpellen && !metPunten[c] && CelGevuld(rij.at(c))) metPunten[c] = true;
        }
        regels << rij.join(QLatin1Char('~'));
    }
    QList<int> borden;
    for (int c = 1; c <= kMaxSpellen; ++c)
        if (metPunten[c]) borden << c;
    return Schrijf(WedstrijdBestand::Overzicht, wedstrijd, 0, regels, fout, wijze, borden);
}

// --- Mail list -------------------------------------------------------------

LeesUitkomst LeesMailLijst(const QString& wedstrijd, QStringList& adressen) {
    adressen.clear();
    QStringList regels;
    LeesUitkomst u = LeesRegels(WedstrijdBestand::MailLijst, wedstrijd, 0, regels);
    if (!u.Gelukt())
        return u;
    for (const QString& regel : regels) {
        const QStringList delen = regel.split(QStringLiteral(" - "));
        if (delen.size() >= 2 && !delen.at(1).trimmed().isEmpty())
            adressen << delen.at(1).trimmed();
        const int punt = static_cast<int>(delen.at(0).indexOf(QLatin1Char('.')));
        if (punt >= 0 && !delen.at(0).mid(punt + 1).trimmed().isEmpty())
            adressen << delen.at(0).mid(punt + 1).trimmed();
    }
    return u;
}

// --- Board files -----------------------------------------------------------

namespace {

QStringList Velden(const SpelRij& r) {
    return {r.paar, r.contractNZ, r.contractOW, r.scoreNZ, r.scoreOW, r.mpNZ, r.mpOW};
}

SpelRij UitVelden(const QStringList& v) {
    return {v.at(0), v.at(1), v.at(2), v.at(3), v.at(4), v.at(5), v.at(6)};
}

}  // namespace

bool BewaarSpel(const QString& wedstrijd, int bord, const std::vector<SpelRij>& rijen,
                const QString& alfabet, bool metExport, QString* fout, Schrijfwijze wijze) {
    const auto weiger = [&](const QString& reden) {
        return Weiger(WedstrijdBestand::SpelUitslag, wedstrijd, bord, reden, fout, wijze);
    };
    if (!BordGeldig(bord) || rijen.empty() || rijen.size() > kMaxTafels) return weiger(QString::number(bord));
    QStringList uitslag, export_;
    for (const SpelRij& rij : rijen) {
        QStringList v = Velden(rij);
        v[1] = OpslagVorm(v[1], alfabet);
        v[2] = OpslagVorm(v[2], alfabet);
        QString eerste, tweede;
        for (const QString& cel : v)
            if (!CelGoed(cel)) return weiger(cel);
        if (!PaarGoed(rij.paar, &eerste, &tweede)) return weiger(rij.paar);
        uitslag << v.join(QLatin1Char('~'));
        export_ << eerste << tweede << v.mid(1);
    }
    if (!Schrijf(WedstrijdBestand::SpelUitslag, wedstrijd, bord, uitslag, fout, wijze))
        return false;
    return !metExport || Schrijf(WedstrijdBestand::SpelExport, wedstrijd, bord, export_, fout, wijze);
}

LeesUitkomst LeesSpelUitslag(const QString& wedstrijd, int bord, const QString& alfabet,
                             std::vector<SpelRij>& rijen, int paren) {
    rijen.clear();
    QStringList regels;
    LeesUitkomst u = LeesRegels(WedstrijdBestand::SpelUitslag, wedstrijd, bord, regels);
    if (!u.Gelukt())
        return u;
    paren = std::clamp(paren, 0, kMaxParen);
    const int tafels = paren / 2;
    if (regels.size() > tafels)
        return Vreemd(u, tafels + 1);
    // Every pair of the match plays one table of a board: a pair named
    // twice, or one the match does not have, is not this match's board.
    QSet<int> gezien;
    std::vector<SpelRij> gelezen;
    for (int i = 0; i < regels.size(); ++i) {
        const QStringList v = regels.at(i).split(QLatin1Char('~'));
        int a = 0, b = 0;
        if (v.size() != kUitslagVelden || !PaarGetallen(v.at(0), a, b) || a > paren || b > paren || a == b ||
            gezien.contains(a) || gezien.contains(b))
            return Vreemd(u, i + 1);
        gezien << a << b;
        SpelRij rij = UitVelden(v);
        rij.contractNZ = SchermVorm(rij.contractNZ, alfabet);
        rij.contractOW = SchermVorm(rij.contractOW, alfabet);
        gelezen.push_back(rij);
    }
    rijen = std::move(gelezen);
    return u;
}

LeesUitkomst LeesSpelExport(const QString& wedstrijd, int bord, std::vector<SpelRij>& rijen) {
    rijen.clear();
    QStringList regels;
    LeesUitkomst u = LeesRegels(WedstrijdBestand::SpelExport, wedstrijd, bord, regels);
    if (!u.Gelukt())
        return u;
    // Trailing empty captions of the last row were dropped with the blank
    // lines at the end; a row is whole once its pair numbers are there.
    while (regels.size() % kExportRegels != 0)
        regels << QString();
    if (regels.size() > kMaxTafels * kExportRegels)
        return Vreemd(u, kMaxTafels * kExportRegels + 1);
    std::vector<SpelRij> gelezen;
    for (int i = 0; i < regels.size(); i += kExportRegels) {
        int a = 0, b = 0;
        if (!PaarNummer(regels.at(i), a))
            return Vreemd(u, i + 1);
        if (!PaarNummer(regels.at(i + 1), b))
            return Vreemd(u, i + 2);
        SpelRij rij = UitVelden(QStringList{regels.at(i) + QStringLiteral(" - ") + regels.at(i + 1)} +
                                regels.mid(i + 2, 6));
        gelezen.push_back(rij);
    }
    rijen = std::move(gelezen);
    return u;
}

}  // namespace uitslag
