#pragma once
// The e-mail setup window: downloads a fresh provider file MAIL.TXT from
// the maker's server and loads it into the mail service, chooses which of
// the file's providers mail goes through, and sends a test mail to a typed
// address whenever a good MAIL.TXT is loaded.

#include "platform/Controls.h"
#include "platform/Form.h"

class frmVeldom18Form : public platform::Form {
public:
    frmVeldom18Form();

    platform::Label lblInfo{this, "lblInfo"};
    platform::CommandButton cmdDownLoad{this, "cmdDownLoad"};
    platform::Label lblProvider{this, "lblProvider"};
    platform::ControlArray<platform::OptionButton> optProvider{this, "optProvider", 2};

    platform::Frame fraMailadres{this, "fraMailadres"};
    platform::Label lblAdres{&fraMailadres, "lblAdres"};
    platform::TextBox txtEMailAdres{&fraMailadres, "txtEMailAdres"};
    platform::CommandButton cmdOK{&fraMailadres, "cmdOK"};

    platform::PictureBox picVoorVerstuurDeMail{this, "picVoorVerstuurDeMail"};
    platform::PictureBox picVerStuurDeMail{&picVoorVerstuurDeMail, "picVerStuurDeMail"};

    platform::CommandButton cmdTerug{this, "cmdTerug"};
    platform::CommandButton cmdFocus{this, "cmdFocus"};

    // A provider file was downloaded and loaded during this opening (one
    // download per opening). The test mail does not wait for it: any good
    // MAIL.TXT that is loaded will do.
    bool MailTxtGedownload = false;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyUp(int& KeyCode, int Shift) override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void Form_Resize() override;

    void cmdDownLoad_Click();
    void cmdOK_Click();
    void optProvider_Click(int Index);
    void txtEMailAdres_Change();
    void txtEMailAdres_KeyPress(int& KeyAscii);
    void cmdTerug_Click();

private:
    void Ontwerp();
    // Turns the surface around the picture's drawing white.
    void KleurKnop();
    // Enables the send button exactly when a test mail can go out now.
    void ZetVerstuurKnop();
    void Meld(const QString& tekst);
    int GekozenProvider() const;
    // [Standaard] provider as stored, and the provider it chooses (1 only
    // for 1, else 0).
    QString OpgeslagenProviderTekst() const;
    int OpgeslagenProvider() const;
    // Offers only the providers MAIL.TXT holds, and moves a choice outside
    // the file to the first provider.
    void ZetProviderKeuze();
};

DECLARE_FORM(frmVeldom18, frmVeldom18Form)
