#include "saveas/frmVeldom03.h"

#include <QDate>
#include <algorithm>

#include "platform/Screen.h"
#include "saveas/frmVeldom02.h"
#include "shared/BasVeldom.h"

using namespace platform;

DEFINE_FORM(frmVeldom03, frmVeldom03Form)

namespace {
// Design layout, twips: seven columns, six rows of day cells.
constexpr int KolomLinks[7] = {150, 600, 1050, 1500, 1950, 2400, 2850};
constexpr int CelBreedte = 465;
constexpr int CelHoogte = 285;
constexpr int RijAfstand = 270;
constexpr int RijZesTop = 2250;
constexpr int KopTop = 630;
constexpr int LijstTop = 180;
constexpr int KnopTop = 2700;
constexpr int KnopBreedte = 1035;
constexpr int KnopHoogte = 375;
constexpr int BinnenBreedte = 3465;
constexpr int BinnenHoogte = 3240;

constexpr qint64 KleurGekozen = 0xC0FFC0;  // light green

int RijTop(int rij) { return RijZesTop - (6 - rij) * RijAfstand; }

}  // namespace

frmVeldom03Form::frmVeldom03Form() : Form("frmVeldom03") {
    SetBorderStyle(vbFixedDouble);
    SetKeyPreview(true);
    cmdOK.OnClick([this] { cmdOK_Click(); });
    cmdTerug.OnClick([this] { cmdTerug_Click(); });
    cmdFocus.OnKeyUp([this](int& KeyCode, int Shift) { cmdFocus_KeyUp(KeyCode, Shift); });
    comMaand.OnClick([this] { comMaand_Click(); });
    comJaar.OnClick([this] { comJaar_Click(); });
    comMaand.OnKeyPress([this](int& KeyAscii) { comMaand_KeyPress(KeyAscii); });
    comJaar.OnKeyPress([this](int& KeyAscii) { comJaar_KeyPress(KeyAscii); });
    lblDatum.OnClick([this](int Index) { lblDatum_Click(Index); });
    fraBackGround.OnKeyDown([this](int& KeyCode, int Shift) { fraBackGround_KeyDown(KeyCode, Shift); });
    fraBackGround.SetTabStop(true);
}

void frmVeldom03Form::Form_Load() {
    BezigMetVullen = true;
    SetCaption(TaalTekst(40));
    cmdTerug.SetCaption(QLatin1Char('&') + TaalTekst(42));
    cmdOK.SetCaption(QLatin1Char('&') + TaalTekst(41));

    // As wide as the title with a date needs; the month stays in the middle.
    const int binnen =
        std::max(BinnenBreedte, TwipsFromPixels(TitleBarWidth(StripAccessKeys(TaalTekst(40)) + " (00-00-0000)")));
    Move(0, 0, binnen + (Width() - ScaleWidth()), BinnenHoogte + (Height() - ScaleHeight()));
    cmdFocus.Move(Screen().Width() + 100, Screen().Height() + 100, 100, 100);

    comMaand.SetStyle(vbComboDropdownList);
    comJaar.SetStyle(vbComboDropdownList);
    comMaand.Move(KolomLinks[0], LijstTop);
    comMaand.SetWidth(1950);
    comJaar.Move(KolomLinks[4] + 150, LijstTop);
    comJaar.SetWidth(KolomLinks[6] + CelBreedte - KolomLinks[4] - 150);
    const int rasterRechts = KolomLinks[6] + CelBreedte;
    fraBackGround.SetCaption(QString());
    fraBackGround.SetBackColor(qint64(KleurWit));
    fraBackGround.Move(KolomLinks[0] - 75, KopTop - 90, rasterRechts - KolomLinks[0] + 150,
                       RijTop(6) + CelHoogte - KopTop + 165);

    // Weekday headers, Monday first, and the day cells, seven to a row.
    const QStringList dagen = kalender::SplitsNamen(TaalTekst(43));
    for (int k = 1; k <= 7; ++k) {
        Label& kop = lblDag[k];
        kop.Move(KolomLinks[k - 1], KopTop, CelBreedte, CelHoogte);
        kop.SetAlignment(vbCenter);
        kop.SetBackStyle(0);
        kop.SetFontBold(true);
        kop.SetCaption(k - 1 < dagen.size() ? dagen.at(k - 1).left(2) : QString());
    }
    for (int cel = 1; cel <= kalender::AantalCellen; ++cel) {
        Label& l = lblDatum[cel];
        const int rij = (cel - 1) / 7 + 1;
        const int kolom = (cel - 1) % 7;
        l.Move(KolomLinks[kolom], RijTop(rij), CelBreedte, CelHoogte - 15);
        l.SetAlignment(vbCenter);
        l.SetBackStyle(1);
    }
    cmdTerug.Move(KolomLinks[0], KnopTop, KnopBreedte, KnopHoogte);
    cmdOK.Move(rasterRechts - KnopBreedte, KnopTop, KnopBreedte, KnopHoogte);

    // Month names, January first; a text that lacks some names shows the
    // month's number for them, so every month can still be chosen.
    const int opschuif = (binnen - BinnenBreedte) / 2;
    for (Control* c : children())
        if (c != &cmdFocus) c->SetLeft(c->Left() + opschuif);

    const QStringList maanden = kalender::SplitsNamen(TaalTekst(44));
    for (int m = 1; m <= 12; ++m)
        comMaand.AddItem(m - 1 < maanden.size() ? maanden.at(m - 1) : QStringLiteral("%1").arg(m, 2, 10, QChar('0')));
    const QDate vandaag = QDate::currentDate();
    for (const QString& jaar : kalender::JarenLijst(vandaag.year()))
        comJaar.AddItem(jaar);

    GekozenDatum.clear();
    keuze_ = kalender::KalenderKeuze(vandaag.day(), vandaag.month(), vandaag.year());
    comMaand.SetListIndex(keuze_.Maand() - 1);
    comJaar.SetText(QString::number(keuze_.Jaar()));
    BezigMetVullen = false;
    ToonDatum();
    BewaarPosities(*this);
}

void frmVeldom03Form::ToonDatum() {
    if (BezigMetVullen)
        return;
    keuze_.KiesMaand(comMaand.ListIndex() + 1);
    bool getal = false;
    const int jaar = comJaar.Text().toInt(&getal);
    if (getal)
        keuze_.KiesJaar(jaar);
    const kalender::MaandRooster rooster = keuze_.Rooster();
    const int gekozenCel = rooster.CelVanDag(keuze_.Dag());
    for (int cel = 1; cel <= kalender::AantalCellen; ++cel) {
        Label& l = lblDatum[cel];
        const int dag = rooster.DagInCel(cel);
        l.SetCaption(dag > 0 ? QString::number(dag) : QString());
        l.SetVisible(cel < kalender::EersteCelRijZes || rooster.RijZesZichtbaar());
        const bool gekozen = cel == gekozenCel;
        l.SetBorderStyle(gekozen ? 1 : 0);
        l.SetBackColor(gekozen ? KleurGekozen : qint64(KleurWit));
        l.SetForeColor(qint64(KleurZwart));
        l.SetFontBold(gekozen);
        l.SetEnabled(true);
    }
}

QString frmVeldom03Form::DatumVanKeuze() const { return keuze_.Datum(TaalTekst(45)); }

void frmVeldom03Form::ToonKeuze() {
    GekozenDatum = DatumVanKeuze();
    SetCaption(platform::StripAccessKeys(TaalTekst(40)) + " (" + GekozenDatum + ")");
}

void frmVeldom03Form::comMaand_Click() {
    if (BezigMetVullen)
        return;
    ToonDatum();
    ToonKeuze();
}

void frmVeldom03Form::comJaar_Click() {
    if (BezigMetVullen)
        return;
    ToonDatum();
    ToonKeuze();
}

void frmVeldom03Form::lblDatum_Click(int Index) {
    // An empty cell holds no day: nothing changes.
    if (!keuze_.KlikCel(Index))
        return;
    ToonDatum();
    ToonKeuze();
}

void frmVeldom03Form::fraBackGround_KeyDown(int& KeyCode, int Shift) {
    if (Shift != 0)
        return;
    int stap = 0;
    switch (KeyCode) {
    case vbKeyLeft: stap = -1; break;
    case vbKeyRight: stap = 1; break;
    case vbKeyUp: stap = -7; break;
    case vbKeyDown: stap = 7; break;
    default: return;
    }
    KeyCode = 0;
    if (!keuze_.Stap(stap))
        return;
    ToonDatum();
    ToonKeuze();
}

void frmVeldom03Form::comMaand_KeyPress(int& KeyAscii) {
    // Month and year are chosen from the lists only.
    KeyAscii = 0;
    ZetFocus(*this, cmdFocus);
}

void frmVeldom03Form::comJaar_KeyPress(int& KeyAscii) {
    KeyAscii = 0;
    ZetFocus(*this, cmdFocus);
}

void frmVeldom03Form::cmdOK_Click() {
    GekozenDatum = DatumVanKeuze();
    // The date is written into the Save-as dialog that opened the calendar:
    // its name box is where the user wanted the date.
    if (KalenderModus == 2 && frmVeldom02_IsLoaded())
        frmVeldom02().txtBestandsNaam.SetText(GekozenDatum);
    cmdTerug.SetTag(GekozenDatum);
    ZetFocus(*this, cmdFocus);
    cmdTerug_Click();
}

void frmVeldom03Form::cmdTerug_Click() { Unload(*this); }

void frmVeldom03Form::Form_QueryUnload(int& Cancel, int UnloadMode) {
    (void)Cancel;
    (void)UnloadMode;
    if (afgesloten_)
        return;
    afgesloten_ = true;
    // Closed without OK: no date is handed over.
    if (cmdTerug.Tag().isEmpty())
        GekozenDatum.clear();
    BewaarSchermGrootte(*this);
}

void frmVeldom03Form::Form_Activate() {
    HerstelScherm(*this);
    SetCaption(platform::StripAccessKeys(TaalTekst(40)) + " (" +
               keuze_.Datum(QString::fromLatin1(kalender::OpeningsPatroon)) + ")");
}

void frmVeldom03Form::Form_Resize() {
    if (WindowState() == vbNormal)
        Move((Screen().Width() - Width()) / 2, (Screen().Height() - Height()) / 2);
    SchaalScherm(*this);
}

void frmVeldom03Form::Form_KeyUp(int& KeyCode, int Shift) {
    (void)Shift;
    if (KeyCode == vbKeyEscape) cmdTerug_Click();
}

void frmVeldom03Form::cmdFocus_KeyUp(int& KeyCode, int Shift) {
    if (KeyCode == vbKeyF1 + 3 && (Shift & vbCtrlMask))
        cmdTerug_Click();
}
