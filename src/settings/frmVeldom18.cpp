#include "settings/frmVeldom18.h"

#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QPainterPath>

#include "platform/Prompt.h"
#include "platform/Screen.h"
#include "settings/MailInstelRegels.h"
#include "shared/EmailAdres.h"
#include "shared/Globals.h"
#include "shared/Ini.h"
#include "shared/Mail.h"
#include "shared/Scherm.h"
#include "shared/Tekst.h"
#include "shared/Update.h"

DEFINE_FORM(frmVeldom18, frmVeldom18Form)

using namespace platform;

namespace {

// Client area of the window as designed, twips.
constexpr int KlientBreedte = 7440;
constexpr int KlientHoogte = 5340;

// The picture behind the send area: an envelope on a coloured surface.
QPixmap EnvelopTegel(int breedte, int hoogte) {
    QImage beeld(breedte, hoogte, QImage::Format_ARGB32);
    beeld.fill(QColor(176, 196, 222));
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect env(breedte / 6, hoogte / 4, breedte * 2 / 3, hoogte / 2);
    p.setPen(QPen(QColor(40, 60, 110), 2));
    p.setBrush(QColor(255, 250, 230));
    p.drawRect(env);
    p.drawLine(env.topLeft(), env.center());
    p.drawLine(env.topRight(), env.center());
    p.end();
    return QPixmap::fromImage(beeld);
}

}  // namespace

frmVeldom18Form::frmVeldom18Form() : Form(QStringLiteral("frmVeldom18")) {
    Ontwerp();
    cmdDownLoad.OnClick([this] { cmdDownLoad_Click(); });
    cmdOK.OnClick([this] { cmdOK_Click(); });
    optProvider.OnClick([this](int i) { optProvider_Click(i); });
    txtEMailAdres.OnChange([this] { txtEMailAdres_Change(); });
    txtEMailAdres.OnKeyPress([this](int& k) { txtEMailAdres_KeyPress(k); });
    cmdTerug.OnClick([this] { cmdTerug_Click(); });
}

// The window as designed: positions and sizes in twips, and the state
// before any code runs.
void frmVeldom18Form::Ontwerp() {
    SetWidth(KlientBreedte + Width() - ScaleWidth());
    SetHeight(KlientHoogte + Height() - ScaleHeight());
    SetKeyPreview(true);

    lblInfo.Move(240, 180, 6960, 1140);
    lblInfo.SetWordWrap(true);

    cmdDownLoad.Move(240, 1500, 1815, 465);
    lblProvider.Move(2280, 1620, 1800, 255);
    lblProvider.SetAlignment(vbRightJustify);
    optProvider[0].Move(4140, 1575, 1440, 315);
    optProvider[1].Move(5700, 1575, 1440, 315);

    fraMailadres.Move(240, 2220, 5400, 2190);
    lblAdres.Move(180, 390, 5040, 255);
    txtEMailAdres.Move(180, 690, 5040, 345);
    cmdOK.Move(180, 1380, 1815, 465);
    cmdOK.SetEnabled(false);

    picVoorVerstuurDeMail.Move(5880, 2310, 1320, 1320);
    picVoorVerstuurDeMail.SetBorderStyle(0);
    picVoorVerstuurDeMail.SetBitmap(EnvelopTegel(PixelsFromTwips(1320), PixelsFromTwips(1320)));
    // A send arrow at the foot of the envelope.
    picVerStuurDeMail.Move(840, 960, 390, 270);
    picVerStuurDeMail.SetBorderStyle(0);
    picVerStuurDeMail.SetBackColor(vbWhite);
    picVerStuurDeMail.OnPaint([](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 110, 40));
        QPainterPath pijl;
        pijl.moveTo(30, 90);
        pijl.lineTo(210, 90);
        pijl.lineTo(210, 15);
        pijl.lineTo(360, 135);
        pijl.lineTo(210, 255);
        pijl.lineTo(210, 180);
        pijl.lineTo(30, 180);
        pijl.closeSubpath();
        p.drawPath(pijl);
    });
    picVerStuurDeMail.SetVisible(false);
    // Pictures only: no stops of the Tab order.
    picVoorVerstuurDeMail.SetTabStop(false);
    picVerStuurDeMail.SetTabStop(false);

    cmdTerug.Move(5385, 4740, 1815, 465);
    cmdFocus.Move(0, 0, 15, 15);
    cmdFocus.SetTabIndex(9999);
}

void frmVeldom18Form::Form_Load() {
    // Centred on the screen.
    Move((Screen().Width() - Width()) / 2, (Screen().Height() - Height()) / 2);
    // Captions and the explanation; the focus button off screen.
    SetCaption(TaalTekst(215));
    cmdTerug.SetCaption(QStringLiteral("&") + TaalTekst(42));
    optProvider[0].SetCaption(TaalTekst(217) + QStringLiteral(" &1"));
    optProvider[1].SetCaption(TaalTekst(217) + QStringLiteral(" &2"));
    cmdDownLoad.SetCaption(QStringLiteral("&") + TaalTekst(218));
    cmdOK.SetCaption(QStringLiteral("&") + TaalTekst(161));
    lblAdres.SetCaption(TaalTekst(55) + QStringLiteral(":"));
    lblProvider.SetCaption(TaalTekst(220));
    fraMailadres.SetCaption(TaalTekst(219));
    cmdFocus.SetLeft(Screen().Width() + 10);
    lblInfo.SetCaption(MetRegels(TaalTekst(216)));
    // The send picture's background filled white, and the arrow on it shown.
    KleurKnop();
    picVerStuurDeMail.SetVisible(true);
    // Runs the address check, which enables the send button when mail is
    // usable with the MAIL.TXT already in place and the address is valid.
    LeesIni(QStringLiteral("standaard"), QStringLiteral("eigen e-mail adres"), IniBestand);
    if (!IniWaarde.isEmpty()) txtEMailAdres.SetText(IniWaarde);
    // A stored number other than 0 or 1 selects the first provider;
    // showing the stored choice writes nothing.
    BezigMetLaden = true;
    optProvider[OpgeslagenProvider()].SetValue(true);
    BezigMetLaden = false;
    ZetProviderKeuze();
    // The design geometry for scaling, after every move above.
    BewaarPosities(*this);
}

void frmVeldom18Form::KleurKnop() {
    QImage beeld = picVoorVerstuurDeMail.Bitmap().toImage();
    VulVlak(beeld, QPoint(2, 2), QColorFromVB(vbWhite));
    picVoorVerstuurDeMail.SetBitmap(QPixmap::fromImage(beeld));
}

void frmVeldom18Form::Form_Activate() {
    HerstelScherm(*this);
    ZetFocus(*this, cmdFocus);
}

void frmVeldom18Form::Meld(const QString& tekst) { MsgBox(tekst, vbInformation, Caption()); }

int frmVeldom18Form::GekozenProvider() const { return optProvider[1].Value() ? 1 : 0; }

QString frmVeldom18Form::OpgeslagenProviderTekst() const {
    LeesIni(QStringLiteral("Standaard"), QStringLiteral("provider"), IniBestand);
    return IniWaarde;
}

int frmVeldom18Form::OpgeslagenProvider() const { return ValInteger(OpgeslagenProviderTekst()) == 1 ? 1 : 0; }

void frmVeldom18Form::ZetProviderKeuze() {
    const int geladen = GeladenProviders();
    for (int i = 0; i < optProvider.Count(); ++i) optProvider[i].SetEnabled(ProviderAangeboden(i, geladen));
    if (ProviderAangeboden(GekozenProvider(), geladen)) return;
    // The chosen provider is not in MAIL.TXT: every mail would fail. The
    // first provider, which every good file holds, takes its place and is
    // stored at once, as a click would store it.
    BezigMetLaden = true;
    optProvider[0].SetValue(true);
    BezigMetLaden = false;
    SchrijfIni(QStringLiteral("Standaard"), QStringLiteral("provider"), QStringLiteral("0"), IniBestand);
}

void frmVeldom18Form::ZetVerstuurKnop() {
    cmdOK.SetEnabled(TestMailMogelijk(!MailOnbruikbaar, txtEMailAdres.Text()));
}

void frmVeldom18Form::cmdDownLoad_Click() {
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const MailTxtDownloadUitkomst uit = DownloadMailTxt(ServerUrl(QString::fromLatin1(kMailTxtPad)));
    QApplication::restoreOverrideCursor();

    if (!uit.ok()) {
        // MAIL.TXT is unchanged, and so is whether a test mail can go out
        // with it.
        ZetVerstuurKnop();
        // "Try again later" only where there is a server to try again.
        QStringList regels{uit.fout == MailTxtDownloadFout::GeenServer ? TaalTekst(295) : MetRegels(TaalTekst(226)),
                           QString()};
        switch (uit.fout) {
        case MailTxtDownloadFout::GeenServer:
            regels << TaalTekst(286);
            break;
        case MailTxtDownloadFout::Ongeldig:
            regels << TaalTekst(287);
            break;
        case MailTxtDownloadFout::Opslaan:
            regels << TaalTekst(288);
            break;
        default:
            regels << TaalTekst(289).replace(QLatin1Char('~'), QString::number(uit.code));
            break;
        }
        // No server hands out MAIL.TXT for this build: say how to make it.
        regels << TaalTekst(290) << TaalTekst(285);
        Meld(regels.join(QLatin1Char('\n')));
        ZetFocus(*this, cmdFocus);
        return;
    }

    // The new file is in place; it counts as downloaded only once the mail
    // service holds it (LeesMailTxt reports a file it cannot load itself,
    // titled as the window that opened this one).
    LeesMailTxt(Owner() ? *Owner() : *this);
    if (MailOnbruikbaar) {
        cmdOK.SetEnabled(false);
        ZetFocus(*this, cmdFocus);
        return;
    }
    cmdDownLoad.SetEnabled(false);
    MailTxtGedownload = true;
    Meld(TaalTekst(225));
    ZetProviderKeuze();
    ZetVerstuurKnop();
    ZetFocus(*this, cmdFocus);
}

void frmVeldom18Form::cmdOK_Click() {
    ZetFocus(*this, cmdFocus);
    const QString adres = txtEMailAdres.Text();
    // Checked again here: the box may hold anything pasted into it.
    if (!TestMailMogelijk(!MailOnbruikbaar, adres)) {
        cmdOK.SetEnabled(false);
        if (!EmailAdresGeldig(adres.trimmed()))
            Meld(MetRegels(TaalTekst(284)).replace(QLatin1Char('~'), adres.trimmed()));
        return;
    }
    // A send that does not report success counts as failed.
    MailFoutNummer = kMailGeenProvider;
    VerstuurMail(EigenEmailAdres, TaalTekst(221), adres, QString(), MetRegels(TaalTekst(222)));
    if (MailFoutNummer == 0) {
        Meld(TaalTekst(223));
        cmdOK.SetEnabled(false);
    } else if (MailFoutSoort == platform::SmtpFailure::RecipientRefused) {
        // The settings worked; the server refused this address.
        Meld(VulIn(MetRegels(TaalTekst(280)), adres.trimmed(), MailFoutTekst.simplified()));
        ZetVerstuurKnop();
    } else {
        // "Try the other provider" only where the file has another one.
        Meld(MetRegels(TaalTekst(GeladenProviders() >= 2 ? 224 : 348)));
        ZetVerstuurKnop();
    }
    ZetFocus(*this, cmdFocus);
}

void frmVeldom18Form::optProvider_Click(int Index) {
    if (BezigMetLaden) return;
    if (!SchrijfIni(QStringLiteral("Standaard"), QStringLiteral("provider"), QString::number(Index),
                    IniBestand)) {
        // Not stored: the provider mail goes through is shown again.
        BezigMetLaden = true;
        optProvider[OpgeslagenProvider()].SetValue(true);
        BezigMetLaden = false;
    }
    ZetFocus(*this, cmdFocus);
}

void frmVeldom18Form::txtEMailAdres_Change() {
    cmdOK.SetEnabled(false);
    const QString adres = txtEMailAdres.Text();
    switch (AdresFoutVan(adres)) {
    case AdresFout::TweeApenstaartjes:
        Meld(MetRegels(TaalTekst(282)));
        return;
    case AdresFout::TweePunten:
        Meld(MetRegels(TaalTekst(283)));
        return;
    case AdresFout::Geen:
        break;
    }
    ZetVerstuurKnop();
}

void frmVeldom18Form::txtEMailAdres_KeyPress(int& KeyAscii) {
    if (AdresTekenGeweigerd(KeyAscii)) KeyAscii = 0;
}

void frmVeldom18Form::cmdTerug_Click() { Unload(*this); }

void frmVeldom18Form::Form_KeyUp(int& KeyCode, int Shift) {
    if (KeyCode == vbKeyEscape || (KeyCode == 115 && Shift == vbCtrlMask)) cmdTerug_Click();
}

void frmVeldom18Form::Form_QueryUnload(int& Cancel, int UnloadMode) {
    (void)Cancel;
    (void)UnloadMode;
    BewaarSchermGrootte(*this);
    // The provider chosen last, also when it was never clicked. It is written
    // only when mail would otherwise go through another provider than the
    // one shown (the stored number as the sending reads it), so that a
    // settings file that cannot be written is reported once, at the click.
    if (ValInteger(OpgeslagenProviderTekst()) != GekozenProvider())
        SchrijfIni(QStringLiteral("Standaard"), QStringLiteral("provider"),
                   QString::number(GekozenProvider()), IniBestand);
}

void frmVeldom18Form::Form_Resize() { SchaalScherm(*this); }
