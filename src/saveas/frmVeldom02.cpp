#include "saveas/frmVeldom02.h"

#include "saveas/BewaarBestand.h"
#include "saveas/BewaarNaam.h"
#include "saveas/frmVeldom03.h"

#include "platform/Prompt.h"
#include "platform/Screen.h"
#include "shared/BasVeldom.h"

using namespace platform;

DEFINE_FORM(frmVeldom02, frmVeldom02Form)

namespace {
// Design layout, twips.
constexpr int Marge = 240;
constexpr int NaamTop = 285;
constexpr int NaamBreedte = 3600;
constexpr int NaamHoogte = 315;
constexpr int KnopBreedte = 1215;
constexpr int KnopHoogte = 375;

}  // namespace

frmVeldom02Form::frmVeldom02Form() : Form("frmVeldom02") {
    SetBorderStyle(vbFixedDouble);
    SetKeyPreview(true);
    cmdOK.OnClick([this] { cmdOK_Click(); });
    cmdTerug.OnClick([this] { cmdTerug_Click(); });
    cmdKalender.OnClick([this] { cmdKalender_Click(); });
    txtBestandsNaam.OnChange([this] { txtBestandsNaam_Change(); });
    txtBestandsNaam.OnKeyPress([this](int& KeyAscii) { txtBestandsNaam_KeyPress(KeyAscii); });
}

void frmVeldom02Form::Form_Load() {
    // Captions first: the layout follows the label's width.
    switch (AanroepScherm) {
    case 1: SetCaption(TaalTekst(38)); break;
    case 4: SetCaption(platform::StripAccessKeys(TaalTekst(25)) + " " + TaalTekst(48)); break;
    case 5: SetCaption(platform::StripAccessKeys(TaalTekst(25)) + " " + TaalTekst(60)); break;
    case 11: SetCaption(platform::StripAccessKeys(TaalTekst(25)) + " " + TaalTekst(127)); break;
    default: SetCaption(TaalTekst(39)); break;
    }

    lstUitslagen.SetVisible(false);
    lblBestandsNaam.SetAutoSize(true);
    lblBestandsNaam.SetCaption(TaalTekst(39) + ": ");
    cmdKalender.SetCaption("&" + TaalTekst(40));
    cmdOK.SetCaption("&" + TaalTekst(41));
    cmdTerug.SetCaption("&" + TaalTekst(42));

    // The label before the name box, the calendar button after it, OK
    // under the calendar button and Back under the label.
    lblBestandsNaam.Move(Marge, NaamTop + (NaamHoogte - lblBestandsNaam.Height()) / 2);
    txtBestandsNaam.Move(lblBestandsNaam.Left() + lblBestandsNaam.Width() + 15, NaamTop, NaamBreedte,
                         NaamHoogte);
    cmdKalender.Move(txtBestandsNaam.Left() + txtBestandsNaam.Width() + 15, txtBestandsNaam.Top() - 60,
                     KnopBreedte, KnopHoogte);
    cmdOK.Move(cmdKalender.Left(), cmdKalender.Top() + cmdKalender.Height() + 60, KnopBreedte, KnopHoogte);
    cmdTerug.Move(lblBestandsNaam.Left(), cmdOK.Top(), KnopBreedte, KnopHoogte);

    const int binnenBreedte = cmdKalender.Left() + cmdKalender.Width() + Marge;
    const int binnenHoogte = cmdOK.Top() + cmdOK.Height() + cmdKalender.Top();
    // The focus button takes the focus out of sight, beyond the right edge.
    cmdFocus.Move(binnenBreedte + 1000, 0, 100, 100);
    Move(0, 0, binnenBreedte + (Width() - ScaleWidth()), binnenHoogte + (Height() - ScaleHeight()));
    Move((Screen().Width() - Width()) / 2, (Screen().Height() - Height()) / 2);

    cmdOK.SetEnabled(false);
    const QString voorstel = NieuweNaam.trimmed();
    if (!voorstel.isEmpty())
        txtBestandsNaam.SetText(voorstel);
    BewaarPosities(*this);
}

void frmVeldom02Form::Form_Activate() {
    const bool datumGekozen = KalenderModus == 2 && !GekozenDatum.isEmpty();
    KalenderModus = 0;
    HerstelScherm(*this);
    // A proposed name comes selected, so that typing replaces it; a date
    // just chosen in the calendar keeps the caret after it, to be added to.
    ZetFocus(*this, txtBestandsNaam);
    if (datumGekozen) {
        txtBestandsNaam.SetSelStart(int(txtBestandsNaam.Text().size()));
        txtBestandsNaam.SetSelLength(0);
    }
    DoEvents();
}

void frmVeldom02Form::Form_Resize() {
    if (WindowState() == vbNormal)
        Move((Screen().Width() - Width()) / 2, (Screen().Height() - Height()) / 2);
    SchaalScherm(*this);
}

void frmVeldom02Form::Form_QueryUnload(int& Cancel, int UnloadMode) {
    (void)Cancel;
    (void)UnloadMode;
    GeefAanroeperTerug();
}

void frmVeldom02Form::Form_KeyUp(int& KeyCode, int Shift) {
    (void)Shift;
    if (KeyCode == vbKeyEscape) cmdTerug_Click();
}

void frmVeldom02Form::txtBestandsNaam_Change() {
    cmdOK.SetEnabled(!txtBestandsNaam.Text().trimmed().isEmpty());
}

void frmVeldom02Form::txtBestandsNaam_KeyPress(int& KeyAscii) {
    if (KeyAscii == vbKeyReturn) {
        KeyAscii = 0;
        if (!txtBestandsNaam.Text().trimmed().isEmpty())
            cmdOK_Click();
        return;
    }
    if (bewaarnaam::TikWeigeren(QChar(KeyAscii), TaalTekst(85))) {
        KeyAscii = 0;
        ToonWeigering();
    }
}

void frmVeldom02Form::ToonWeigering() {
    MsgBox(bewaarnaam::WeigerMelding(TaalTekst(85)), vbOKOnly | vbInformation, Caption());
}

bool frmVeldom02Form::NaamGoedgekeurd(const QString& naam) {
    if (bewaarnaam::NaamToegestaan(naam, TaalTekst(85)))
        return true;
    ToonWeigering();
    return false;
}

void frmVeldom02Form::cmdOK_Click() {
    txtBestandsNaam.SetText(txtBestandsNaam.Text().trimmed());
    cmdOK.SetEnabled(false);
    const QString naam = txtBestandsNaam.Text();
    if (naam.isEmpty())
        return;
    // Typed, pasted or from the calendar: the whole name is checked here.
    if (!NaamGoedgekeurd(naam)) {
        NaamOpnieuw();
        return;
    }
    if (bewaar_ && !bewaar_(*this, naam)) {
        NaamOpnieuw();
        return;
    }
    cmdTerug_Click();
}

// Nothing was saved under the name: the dialog stays open with the name
// selected, for another name or for Back.
void frmVeldom02Form::NaamOpnieuw() {
    cmdOK.SetEnabled(true);
    ZetFocus(*this, txtBestandsNaam);
    txtBestandsNaam.SetSelStart(0);
    txtBestandsNaam.SetSelLength(int(txtBestandsNaam.Text().size()));
}

bool frmVeldom02Form::BewaarInMap(const QString& map, const QString& naam, const QStringList& regels) {
    auto magOverschrijven = [this](const QString& bestandsnaam) {
        const QString vraag = MetRegels(TaalTekst(46)).replace(QChar('~'), bestandsnaam);
        return MsgBox(vraag, vbYesNo | vbQuestion | vbDefaultButton2, Caption()) == vbYes;
    };
    QString reden;
    switch (bewaarnaam::BewaarRegels(map, naam, regels, TaalTekst(85), magOverschrijven, &reden)) {
    case bewaarnaam::BewaarUitkomst::Geschreven:
        return true;
    case bewaarnaam::BewaarUitkomst::NietOverschreven:
        return false;  // No (also Enter) keeps the file, and the dialog open
    case bewaarnaam::BewaarUitkomst::OngeldigeNaam:
        ToonWeigering();
        return false;
    case bewaarnaam::BewaarUitkomst::Mislukt:
        MsgBox(bewaarnaam::SchrijfFoutMelding(naam + ".txt", reden, TaalNummer), vbOKOnly | vbExclamation,
               Caption());
        return false;
    }
    return false;
}

void frmVeldom02Form::cmdKalender_Click() {
    KalenderModus = 2;
    ShowOwned(frmVeldom03);
}

void frmVeldom02Form::cmdTerug_Click() {
    GeefAanroeperTerug();
    Unload(*this);
}

void frmVeldom02Form::GeefAanroeperTerug() {
    if (teruggegeven_)
        return;
    teruggegeven_ = true;
    BewaarSchermGrootte(*this);
    // The composer (5) and the results entry (11) keep NieuweNaam: the
    // next save offers it again.
    if (AanroepScherm == 1 || AanroepScherm == 4)
        NieuweNaam.clear();
}

void OpenBewaarDialoog(platform::Form& opener, Bewaarder bewaar) {
    opener.ShowOwned([&bewaar]() -> frmVeldom02Form& {
        frmVeldom02Form& dialoog = frmVeldom02();
        dialoog.bewaar_ = std::move(bewaar);
        return dialoog;
    });
}
