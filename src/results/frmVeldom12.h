#pragma once
// The results overview: the ranking of a match by percentage, as one list
// or as a North-South and an East-West list, printed, mailed to the
// players as an HTML table, or exported to the sibling results program.
//
// It works from the match folder on disk (pairs, board count, results grid,
// mail list), so it shows what the results entry window last saved.

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "platform/Controls.h"
#include "platform/ControlsList.h"
#include "platform/Form.h"
#include "platform/Grid.h"
#include "results/UitslagOverzicht.h"

class frmVeldom12Form : public platform::Form {
public:
    frmVeldom12Form();

    platform::Grid msfgResultaat{this, "msfgResultaat"};
    platform::CommandButton cmdAfdrukken{this, "cmdAfdrukken"};
    platform::CommandButton cmdVerstuur{this, "cmdVerstuur"};
    platform::CommandButton cmd2Lijnen{this, "cmd2Lijnen"};
    platform::CommandButton cmdExporteer{this, "cmdExporteer"};
    platform::CommandButton cmdTerug{this, "cmdTerug"};
    platform::CommandButton cmdFocus{this, "cmdFocus"};
    platform::ListBox lstTotaal{this, "lstTotaal"};
    platform::ListBox lstNoordZuid{this, "lstNoordZuid"};
    platform::ListBox lstOostWest{this, "lstOostWest"};
    platform::ListBox lstMail{this, "lstMail"};
    platform::PictureBox picVerStuurDeMail{this, "picVerStuurDeMail"};
    platform::Label lblVerstuurDeMail{&picVerStuurDeMail, "lblVerstuurDeMail"};

    // The header texts joined by "|".
    QString KopRegel;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void Form_KeyUp(int& KeyCode, int Shift) override;

    void cmdTerug_Click();
    void cmd2Lijnen_Click();
    void cmdAfdrukken_Click();
    void cmdVerstuur_Click();
    void cmdExporteer_Click();
    // Prints the grid on the current printer.
    void DrukResultaatAf();

    // The ranking shown, best first, and the match it belongs to.
    const std::vector<uitslag::RangRij>& Rangen() const { return rangen_; }

private:
    void ToonTabel(const std::vector<uitslag::TabelRij>& rijen, bool tweeLijsten);
    uitslag::HtmlTabel AlsHtmlTabel() const;
    void Centreer();

    std::vector<uitslag::RangRij> rangen_;
    std::vector<uitslag::TabelRij> tabel_;  // the table the grid shows
    QString wedstrijd_;
    bool versturen_ = false;  // the results mail is going out
};

DECLARE_FORM(frmVeldom12, frmVeldom12Form)

// Opens the overview of the match `wedstrijd` (its folder under
// resultaten\): reads the match's files, sets SessieNaam and shows the
// window. `bijSluiten` runs when the window closes (the caller enables
// itself again there). When a file cannot be read the user is told why and
// no window opens: false.
bool ToonUitslagOverzicht(const QString& wedstrijd, std::function<void()> bijSluiten = {});
// The same, the window owned by `opener`: the opener is disabled while the
// overview is up and enabled again when it closes.
bool OpenUitslagOverzicht(const QString& wedstrijd, platform::Form& opener);
