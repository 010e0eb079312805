#pragma once
// The rules of the results overview that need no window: the ranking of a
// match from its results grid, the places with ties, the one- and
// two-list tables, the HTML result table, the export to the sibling
// results program and the results mail with its desktop address list.

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace uitslag {

// One ranked pair as the overview shows it.
struct RangRij {
    QString plaats;     // "3" or "(3)" for a tie
    QString paar;       // "NN. NameA - NameB"
    QString mp;         // the matchpoint total
    QString procent;    // "45.31%", or "-" when it cannot be computed
    int paarNummer = 0;
    double totaal = 0;
    int gespeeld = 0;   // boards the pair played (a number in its cell)
};

// The plain text of a number as the overview shows it: GetalTekst, with a
// "0" before the point of a value between -1 and 1 (0.5, not .5).
QString OverzichtGetal(double waarde);

// The percentage text of total / (top x played) x 100, rounded half up to
// two decimals with "%" ("45.31%", "0.50%"); "-" when top or played is 0.
QString ProcentTekst(double totaal, int top, int gespeeld);

// The ranking of a match: `grid` is the results grid (row 0 the board
// numbers, one row per pair with the pair text in cell 0, a closing row).
// A pair's percentage divides by the boards it played; with fewer than
// three pairs (top 0) every percentage is "-". Best first: by percentage,
// then matchpoint total, then pair number; pairs without a percentage
// last (or, when no pair has one, by total). Places are filled in.
std::vector<RangRij> Rangschik(const std::vector<QStringList>& grid, int paren);

// Places for values in ranking order: a run of equal adjacent texts of more
// than one item shows the first place of the run in parentheses.
QStringList ZetPlaatsen(const QStringList& waarden);

// The item "<pair>|<MP>|<percentage>" of the hidden lists.
QString LijstItem(const RangRij& r);
bool IsNoordZuid(const QString& paarTekst);

// One row of the overview table.
struct TabelRij {
    enum Soort { Titel, Kop, Data, Leeg };
    Soort soort = Data;
    QStringList cellen;  // four cells
};

// The one-list table: the header row, then every item of `totaal`, with
// places. `kopRegel` is the four header texts joined by "|".
std::vector<TabelRij> EenLijst(const QString& kopRegel, const QStringList& totaal);
// The two-list table: North-South title, header, rows, an empty row, the
// East-West title, header and rows; places count from 1 in each block.
std::vector<TabelRij> TweeLijsten(const QString& kopRegel, const QStringList& noordZuid,
                                  const QStringList& oostWest, const QString& titelNZ,
                                  const QString& titelOW);

// The rows a printed page repeats at its top before row `rij` of a table
// goes on it: the title and header rows of the list that row belongs to
// (the header row of the one-list table). None for a title row or the empty
// row between the lists, which need no heading above them.
std::vector<int> PaginaKoppen(const std::vector<TabelRij>& tabel, int rij);

// --- HTML result table -------------------------------------------------------

struct HtmlCel {
    QString tekst;
    int uitlijning = 1;   // grid alignment code
    qint64 kleur = 0;     // text colour, 0xBBGGRR
};
struct HtmlTabel {
    std::vector<int> kolomBreedte;            // twips
    std::vector<std::vector<HtmlCel>> rijen;  // [row][col]
    QString letterNaam = QStringLiteral("Verdana");
    double letterGrootte = 8;
    int kopRijen = 1;                         // leading header rows
    qint64 kopKleur = 0xFFFFFF;
};

// The file name of the HTML result for a match: ":" becomes " -".
QString HtmlNaam(const QString& wedstrijd);
// The HTML document (UTF-8, every text escaped).
QString HtmlUitslagTekst(const HtmlTabel& tabel, const QString& titel);
// Writes html/<naam>.html under the program folder; its path in `pad`.
bool SchrijfHtmlUitslag(const HtmlTabel& tabel, const QString& titel, const QString& wedstrijd,
                        QString& pad, QString* fout = nullptr);

// --- Export to the sibling results program -----------------------------------

struct ExportInvoer {
    QString wedstrijd;
    QStringList paren;                  // the pair items, in list order
    int spellen = 0;                    // B
    std::vector<QStringList> grid;      // the results grid
    std::vector<RangRij> rangen;        // the one ranking
};

// The folder the export goes to, "" when the sibling folder is unknown or
// the match name is not one plain name.
QString ExportMap(const QString& cvnMap, const QString& wedstrijd);

// The export files, name and lines, in the order they are written. The
// board files are built from the board result files now in the match
// folder (a board without a result file has none).
struct ExportBestand {
    QString naam;
    QStringList regels;
};
std::vector<ExportBestand> ExportBestanden(const ExportInvoer& invoer);

// Writes every export file into the export folder (which is created; the
// sibling folder itself must exist). Each failure goes to `fouten` with its
// path; true only when everything was written.
bool Exporteer(const QString& cvnMap, const ExportInvoer& invoer, QStringList& fouten);

// --- Results mail ----------------------------------------------------------

// True for an address the results mail skips: empty, or holding
// "no_replay" or "no_reply" in any case.
bool OverslaanAdres(const QString& adres);

// The mail body for one player (text 157 filled, "|" as CR LF).
QString MailTekst(const QString& naam, const QString& wedstrijd, const QString& eigenaar);

struct MailUitkomst {
    int verstuurd = 0;
    int overgeslagen = 0;
    bool mislukt = false;
    // The players not mailed, each as "name <address>": the one that failed,
    // those after it that were not tried, and those skipped (with the
    // reason, texts 382 and 383), in list order.
    QString misluktWie;
    QStringList nietGeprobeerd;
    QStringList overgeslagenWie;
};

// Mails every entry "<name>|<address>" of `lijst` through `stuur`
// (recipient, body; returns true when the mail went out). Skipped addresses
// are counted; the first failure stops the mailing, and the entries after
// it are only sorted into not tried and skipped.
MailUitkomst VerstuurUitslag(const QStringList& lijst, const QString& wedstrijd,
                             const QString& eigenaar,
                             const std::function<bool(const QString&, const QString&)>& stuur);

// The desktop address list: the body, an empty line, 39 "=", the addresses
// each followed by "; ", an empty line, the HTML file's path.
QStringList UitslagAdreslijst(const QStringList& lijst, const QString& wedstrijd,
                              const QString& eigenaar, const QString& htmlPad, int& overgeslagen);

}  // namespace uitslag
