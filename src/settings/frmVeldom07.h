#pragma once
// The printer settings window: the printer that receives every print job,
// the print layout of the deal diagrams, the vertical spacing between the
// printed pictures and how much narrower the print is made. Every choice
// is written to taal.ini [Printer] the moment it is made; the print chain
// reads it there at the next print.

#include "platform/Controls.h"
#include "platform/Form.h"

class frmVeldom07Form : public platform::Form {
public:
    frmVeldom07Form();

    // Printers.
    platform::Frame fraPrinters{this, "fraPrinters"};
    platform::ListBox lstPrinters{&fraPrinters, "lstPrinters"};
    platform::ControlArray<platform::Label> lblPDFPrinter{&fraPrinters, "lblPDFPrinter", 2};

    // Print layout.
    platform::Frame fraHoePDF{this, "fraHoePDF"};
    platform::ControlArray<platform::OptionButton> optRichting{&fraHoePDF, "optRichting", 4};

    // Spacing.
    platform::Label lblTussenRuimte{this, "lblTussenRuimte"};
    platform::VScrollBar vscrTussen{this, "vscrTussen"};
    platform::Label lblTussen{this, "lblTussen"};
    platform::ListBox lstTussen{this, "lstTussen"};

    // Narrowing.
    platform::Frame fraAanpassen{this, "fraAanpassen"};
    platform::ControlArray<platform::Label> lblVerklein{&fraAanpassen, "lblVerklein", 3};
    platform::VScrollBar vscrVerklein{&fraAanpassen, "vscrVerklein"};
    platform::ListBox lstverklein{this, "lstverklein"};

    // The folder PDF files go to.
    platform::ControlArray<platform::Label> lblOpslaan{this, "lblOpslaan", 2};

    platform::CommandButton cmdOpslaan{this, "cmdOpslaan"};
    platform::CommandButton cmdTerug{this, "cmdTerug"};
    platform::CommandButton cmdFocus{this, "cmdFocus"};

    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyUp(int& KeyCode, int Shift) override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void Form_Resize() override;

    void lstPrinters_Click();
    void optRichting_Click(int Index);
    void vscrTussen_Change();
    void vscrVerklein_Change();
    void cmdOpslaan_Click();
    void cmdTerug_Click();

private:
    void Ontwerp();
    void Centreer();
    // One spinner step: wraps the position, shows and stores the value and
    // returns it; when it cannot be stored the spinner shows the value in
    // force again and returns that.
    int SpinnerStap(platform::VScrollBar& vscr, platform::ListBox& lijst, platform::Label& label,
                    const QString& sleutel);
    // Marks `naam` in the printer list (none when it is not there) without
    // storing anything; true when it was found.
    bool MarkeerPrinter(const QString& naam);
    // The layout whose button is selected, else `standaard` kept in 0..3.
    int GekozenRichting(int standaard) const;
};

DECLARE_FORM(frmVeldom07, frmVeldom07Form)
