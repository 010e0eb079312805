#include "results/frmVeldom13.h"

#include "platform/Events.h"
#include "platform/Prompt.h"
#include "platform/Screen.h"
#include "results/frmVeldom11.h"
#include "results/InvoerRegels.h"
#include "results/Matchpunten.h"
#include "shared/BasVeldom.h"

using namespace platform;

DEFINE_FORM(frmVeldom13, frmVeldom13Form)

namespace {
constexpr int BinnenBreedte = 4080;
constexpr int BinnenHoogte = 1740;
}  // namespace

frmVeldom13Form::frmVeldom13Form() : Form("frmVeldom13") {
    SetBorderStyle(vbFixedDouble);
    SetKeyPreview(true);
    Move(0, 0, BinnenBreedte + 240, BinnenHoogte + 600);
    lblNZ.SetAutoSize(true);
    lblNZ.Move(240, 270, 1500, 255);
    txtNZ.Move(1800, 240, 480, 315);
    lblOW.SetAutoSize(true);
    lblOW.Move(240, 690, 1500, 255);
    txtOW.Move(1800, 660, 480, 315);
    for (TextBox* t : {&txtNZ, &txtOW}) {
        t->SetMaxLength(2);
        t->SetAlignment(vbRightJustify);
    }
    for (int i = 0; i < 2; ++i) {
        lblProCent[i].SetAutoSize(true);
        lblProCent[i].SetCaption("%");
    }
    cmdTerug.Move(240, 1200, 1200, 375);
    cmdOK.Move(BinnenBreedte - 1440, 1200, 1200, 375);
    cmdFocus.Move(-2000, 0, 100, 100);
    cmdOK.OnClick([this] { cmdOK_Click(); });
    cmdTerug.OnClick([this] { cmdTerug_Click(); });
    txtNZ.OnKeyPress([this](int& KeyAscii) { txtNZ_KeyPress(KeyAscii); });
    txtOW.OnKeyPress([this](int& KeyAscii) { txtOW_KeyPress(KeyAscii); });
}

void frmVeldom13Form::Form_Load() {
    SetCaption(TaalTekst(140));
    cmdFocus.SetLeft(Screen().Width() + 10);
    cmdTerug.SetCaption(QLatin1Char('&') + TaalTekst(42));
    cmdOK.SetCaption(QLatin1Char('&') + TaalTekst(41));
    txtNZ.SetText("");
    txtOW.SetText("");
    lblNZ.SetCaption(TaalTekst(8) + QStringLiteral(": "));
    lblOW.SetCaption(TaalTekst(9) + QStringLiteral(": "));
    // The boxes line up after the wider of the two captions.
    txtNZ.SetLeft(qMax(lblNZ.Left() + lblNZ.Width(), lblOW.Left() + lblOW.Width()));
    txtOW.SetLeft(txtNZ.Left());
    lblProCent[0].Move(txtNZ.Left() + txtNZ.Width() + 15, lblNZ.Top());
    lblProCent[1].Move(lblProCent[0].Left(), lblOW.Top());
    const int breedte = qMax(BinnenBreedte, lblProCent[0].Left() + lblProCent[0].Width() + 240);
    cmdOK.SetLeft(breedte - 240 - cmdOK.Width());
    Move(0, 0, breedte + (Width() - ScaleWidth()), BinnenHoogte + (Height() - ScaleHeight()));
    Move((Screen().Width() - Width()) / 2, (Screen().Height() - Height()) / 2);
    BewaarPosities(*this);
}

void frmVeldom13Form::Form_Activate() { ZetFocus(*this, txtNZ); }

void frmVeldom13Form::Form_Resize() {
    if (WindowState() == vbNormal) Move((Screen().Width() - Width()) / 2, (Screen().Height() - Height()) / 2);
    SchaalScherm(*this);
}

void frmVeldom13Form::Form_KeyUp(int& KeyCode, int) {
    if (KeyCode == vbKeyEscape) cmdTerug_Click();
}

void frmVeldom13Form::Form_QueryUnload(int&, int) {
    if (teruggegeven_) return;
    teruggegeven_ = true;
    BewaarSchermGrootte(*this);
}

void frmVeldom13Form::cmdTerug_Click() { Unload(*this); }

void frmVeldom13Form::txtNZ_KeyPress(int& KeyAscii) { ToetsInVak(KeyAscii, txtNZ, txtOW); }
void frmVeldom13Form::txtOW_KeyPress(int& KeyAscii) { ToetsInVak(KeyAscii, txtOW, txtNZ); }

void frmVeldom13Form::ToetsInVak(int& KeyAscii, TextBox& dit, TextBox& ander) {
    const bool cijfer = KeyAscii >= '0' && KeyAscii <= '9';
    if (!cijfer && KeyAscii != vbKeyBack && KeyAscii != vbKeyReturn) {
        KeyAscii = 0;
        return;
    }
    if (KeyAscii != vbKeyReturn) return;
    KeyAscii = 0;
    if (ander.Text().isEmpty())
        ZetFocus(*this, ander);
    else if (!dit.Text().isEmpty())
        cmdOK_Click();
}

void frmVeldom13Form::cmdOK_Click() {
    ZetFocus(*this, cmdFocus);
    cmdOK.SetEnabled(false);
    // Both directions need a percentage; the window stays open for it.
    for (TextBox* t : {&txtNZ, &txtOW}) {
        if (!t->Text().trimmed().isEmpty()) continue;
        MsgBox(TaalTekst(305), vbOKOnly | vbInformation, Caption());
        cmdOK.SetEnabled(true);
        ZetFocus(*this, *t);
        return;
    }
    // The keys let only digits in, but a paste can bring anything: only a
    // whole percentage is stored.
    for (TextBox* t : {&txtNZ, &txtOW}) {
        if (invoer::IsProcent(t->Text().trimmed())) continue;
        MsgBox(TaalTekst(239), vbOKOnly | vbInformation, Caption());
        cmdOK.SetEnabled(true);
        ZetFocus(*this, *t);
        t->SetSelStart(0);
        t->SetSelLength(int(t->Text().size()));
        return;
    }
    if (!frmVeldom11_IsLoaded()) {
        cmdTerug_Click();
        return;
    }
    // The adjusted score goes straight onto the results entry's slip: this
    // window writes the entry's slip labels and tags, the one place where a
    // child of the results folder reaches back into the window that opened
    // it (the slip is what both windows share).
    frmVeldom11Form& e = frmVeldom11();
    const int top = uitslag::TopVanParen(e.lstParen.ListCount());
    if (e.cmdArbitrale.Tag().isEmpty()) {
        int vrij = -1;
        for (int i = 0; i < 20 && e.lblPaar[i].Visible(); ++i)
            if (e.lblContractNZ[i].Caption().isEmpty() && e.lblContractOW[i].Caption().isEmpty()) {
                vrij = i;
                break;
            }
        e.cmdArbitrale.SetTag(QString::number(vrij));
    }
    const int r = ValInteger(e.cmdArbitrale.Tag());
    if (r < 0 || r > 19 || !e.lblPaar[r].Visible() || ValInteger(e.cmdSpel[0].Tag()) < 1) {
        cmdTerug_Click();
        return;
    }
    // A row that holds a result is replaced only when the user says so.
    if (!e.lblContractNZ[r].Caption().isEmpty() || !e.lblContractOW[r].Caption().isEmpty()) {
        QString vraag = TaalTekst(306);
        vraag.replace(QLatin1Char('~'), e.lblPaar[r].Caption());
        if (MsgBox(MetRegels(vraag), vbYesNo | vbQuestion | vbDefaultButton2, Caption()) != vbYes) {
            cmdOK.SetEnabled(true);
            ZetFocus(*this, txtNZ);
            return;
        }
        e.lblScoreNZ[r].SetCaption("");
        e.lblScoreOW[r].SetCaption("");
    }
    e.SetEnabled(true);
    const QString nz = invoer::ArbitraleTekst(txtNZ.Text().trimmed());
    const QString ow = invoer::ArbitraleTekst(txtOW.Text().trimmed());
    e.lblContractNZ[r].SetCaption(nz);
    e.lblContractOW[r].SetCaption(ow);
    e.lblMPNZ[r].SetCaption(uitslag::ArbitraleMatchpunten(nz, top));
    e.lblMPOW[r].SetCaption(uitslag::ArbitraleMatchpunten(ow, top));
    e.BewaarSpel();
    e.ZetPrompt();
    cmdTerug_Click();
}
