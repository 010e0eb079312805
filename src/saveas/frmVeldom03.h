#pragma once
// The calendar: a month grid from which the user picks a date. Opened by the
// Save-as dialog with KalenderModus = 2; on OK the date, in the pattern of
// the current language, goes into GekozenDatum and into the dialog's name box.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "saveas/Kalender.h"

class frmVeldom03Form : public platform::Form {
public:
    frmVeldom03Form();

    // Made first, so that it stands behind the grid. It is the grid's stop
    // in the Tab order: with the focus on it the arrow keys choose the day.
    platform::Frame fraBackGround{this, "fraBackGround"};
    platform::ComboBox comMaand{this, "comMaand"};
    platform::ComboBox comJaar{this, "comJaar"};
    platform::ControlArray<platform::Label> lblDag{this, "lblDag", 7, 1};
    platform::ControlArray<platform::Label> lblDatum{this, "lblDatum", kalender::AantalCellen, 1};
    platform::CommandButton cmdOK{this, "cmdOK"};
    platform::CommandButton cmdTerug{this, "cmdTerug"};
    platform::CommandButton cmdFocus{this, "cmdFocus"};

    // The shown month and the chosen day.
    int Dag() const { return keuze_.Dag(); }
    int Maand() const { return keuze_.Maand(); }
    int Jaar() const { return keuze_.Jaar(); }

    void ToonDatum();

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void Form_KeyUp(int& KeyCode, int Shift) override;

    void cmdOK_Click();
    void cmdTerug_Click();
    void cmdFocus_KeyUp(int& KeyCode, int Shift);
    void comMaand_Click();
    void comJaar_Click();
    void comMaand_KeyPress(int& KeyAscii);
    void comJaar_KeyPress(int& KeyAscii);
    void lblDatum_Click(int Index);
    void fraBackGround_KeyDown(int& KeyCode, int Shift);

private:
    // The chosen date in the pattern of the language, and the caption.
    void ToonKeuze();
    QString DatumVanKeuze() const;

    kalender::KalenderKeuze keuze_{1, 1, 2000};
    bool BezigMetVullen = false;
    bool afgesloten_ = false;
};

DECLARE_FORM(frmVeldom03, frmVeldom03Form)
