#pragma once
// The main window: start-up of the program, the deal generator, the board
// display, the deal set list and the buttons that open every other window.
// It lives for the whole run, and hands the windows it opens what they
// need of its deal set and board.

#include <QString>

#include "deal/SpelGenerator.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "shared/Scherm.h"

class frmVeldom01Form : public platform::Form {
public:
    frmVeldom01Form();
    ~frmVeldom01Form() override;

    // --- window life cycle ---
    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyUp(int& KeyCode, int Shift) override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void Form_Unload(int& Cancel) override;
    void Form_Resize() override;

    // --- generator ---
    void cmdStart_Click();
    void cmdStart_MouseDown(int Button, int Shift, float X, float Y);
    void timSchudForm_Timer();

    // --- board display and generator settings ---
    void vscrDitSpel_Change();
    void chkTien_Click();
    void vscrMin_Change();
    void vscrMax_Change();
    void vscrSpellen_Change();
    void chkPuntenToepassen_Click();
    void chkSorteer_Click();
    void txtInvoer_Change(int Index);

    // --- deal set files ---
    void VulSpelBestanden();
    void lstSpellen_Click();
    void cmdWissen_Click();

    // --- hub ---
    void cmdAfsluiten_Click();
    void cmdAfdrukken_Click();
    void cmdOpslaan_Click();
    void cmdVideo_Click();
    void cmdKlembord_Click();
    void cmdInstellingen_Click();
    void cmdPrinterInstellingen_Click();
    void cmdMAILTXT_Click();
    void cmdLessen_Click();
    void cmdInvoeren_Click();
    // False, after a message, when the set holds boards without cards (the
    // free slots of an exported lesson): such a set is not printed.
    bool SetAfdrukbaar();
    void cmdNamen_Click();
    void cmdVerstuur_Click();
    void cmdGroepen_Click();
    void lblSpelnummer_Click();
    void cmdDownLoad_Click();

    // True for a button whose window exists in this build; every other
    // button stays disabled whatever the code around it asks.
    bool KnopWerkt(const platform::CommandButton& knop) const;
    // Enables a button when it works and `aan` says so.
    void Schakel(platform::CommandButton& knop, bool aan);

    // The name of the deal set file shown ("" when the set on screen was
    // dealt and not loaded).
    QString GeladenSet() const { return geladenSet_; }
    // Attempts dealt by the last run (for the benchmark and tests).
    long long PogingenLaatsteRun() const { return pogingen_; }
    int AantalRuns() const { return runs_; }
    // The help file found at start-up ("" when none).
    QString HelpBestand;

    // --- controls: focus, hub buttons ---
    platform::CommandButton cmdFocus{this, "cmdFocus"};
    platform::CommandButton cmdNamen{this, "cmdNamen"};
    platform::CommandButton cmdGroepen{this, "cmdGroepen"};
    platform::CommandButton cmdVerstuur{this, "cmdVerstuur"};
    platform::CommandButton cmdInvoeren{this, "cmdInvoeren"};
    platform::CommandButton cmdInstellingen{this, "cmdInstellingen"};
    platform::CommandButton cmdPrinterInstellingen{this, "cmdPrinterInstellingen"};
    platform::CommandButton cmdMAILTXT{this, "cmdMAILTXT"};
    platform::CommandButton cmdOpslaan{this, "cmdOpslaan"};
    platform::CommandButton cmdAfdrukken{this, "cmdAfdrukken"};
    platform::CommandButton cmdKlembord{this, "cmdKlembord"};
    platform::CommandButton cmdLessen{this, "cmdLessen"};
    platform::CommandButton cmdVideo{this, "cmdVideo"};
    platform::CommandButton cmdDownLoad{this, "cmdDownLoad"};
    platform::CommandButton cmdAfsluiten{this, "cmdAfsluiten"};

    // --- board display ---
    platform::Label lblSpelnummer{this, "lblSpelnummer"};
    platform::Label lblGever{this, "lblGever"};
    platform::Label lblKwetsbaar{this, "lblKwetsbaar"};
    platform::ControlArray<platform::Label> lblWind{this, "lblWind", 4};
    platform::ControlArray<platform::Label> lblPunten{this, "lblPunten", 4};
    platform::ControlArray<platform::Label> lblKleurTeken{this, "lblKleurTeken", 16};
    platform::ControlArray<platform::TextBox> txtInvoer{this, "txtInvoer", 16};
    platform::ControlArray<platform::Label> lblSpellenInfo{this, "lblSpellenInfo", 6};
    platform::ControlArray<platform::Label> lblLengtes{this, "lblLengtes", 6};

    // --- generator panel ---
    platform::PictureBox picBack{this, "picBack"};
    platform::Label lblAanTalSpellen{&picBack, "lblAanTalSpellen"};
    platform::Label lblSpellen{&picBack, "lblSpellen"};
    platform::VScrollBar vscrSpellen{&picBack, "vscrSpellen"};
    platform::Label lblToonSpel{&picBack, "lblToonSpel"};
    platform::Label lblDitspel{&picBack, "lblDitspel"};
    platform::VScrollBar vscrDitSpel{&picBack, "vscrDitSpel"};
    platform::CheckBox chkTien{&picBack, "chkTien"};
    platform::CommandButton cmdStart{&picBack, "cmdStart"};

    // --- point window ---
    platform::Frame fraOpening{this, "fraOpening"};
    platform::Label lblMinimaal{&fraOpening, "lblMinimaal"};
    platform::Label lblMin{&fraOpening, "lblMin"};
    platform::VScrollBar vscrMin{&fraOpening, "vscrMin"};
    platform::Label lblMaximaal{&fraOpening, "lblMaximaal"};
    platform::Label lblMax{&fraOpening, "lblMax"};
    platform::VScrollBar vscrMax{&fraOpening, "vscrMax"};
    platform::CheckBox chkPuntenToepassen{&fraOpening, "chkPuntenToepassen"};

    // --- deal set files ---
    platform::Frame fraSpellen{this, "fraSpellen"};
    platform::ListBox lstSpellen{&fraSpellen, "lstSpellen"};
    platform::CheckBox chkSorteer{&fraSpellen, "chkSorteer"};
    platform::CommandButton cmdWissen{&fraSpellen, "cmdWissen"};

    // --- hidden lists and boxes ---
    platform::FileListBox filSpellen{this, "filSpellen"};
    platform::ListBox lstSpelNummers{this, "lstSpelNummers"};
    platform::ListBox lstMinimaal{this, "lstMinimaal"};
    platform::ListBox lstMaximaal{this, "lstMaximaal"};
    platform::ListBox lstDitSpel{this, "lstDitSpel"};
    platform::ListBox lstSpellenSet{this, "lstSpellenSet"};
    platform::ListBox lstSpellenSet1{this, "lstSpellenSet1"};
    platform::TextBox txtNummer{this, "txtNummer"};

    platform::Timer timSchudForm{this, "timSchudForm"};

private:
    // Opens a window of the program owned by this one, with the focus out
    // of sight: this window is disabled until that window unloads.
    template <class Venster>
    void OpenVenster(Venster venster) {
        ZetFocus(*this, cmdFocus);
        ShowOwned(venster);
    }
    void Ontwerp();
    void KoppelHandlers();
    void ZetPuntenLabels();
    void MaakBordLeeg();
    void ToonSpelVanWaarde(int waarde);
    // One step of a point-window spinner onto index: stored with its partner.
    void StapPuntSpinner(platform::VScrollBar& vscr, int index);
    void MeldFout(const QString& tekst, int stijl);
    QString SpelBestandPad(const QString& naam) const;

    QString geladenSet_;
    long long pogingen_ = 0;
    bool bezigMetRun_ = false;
    int runs_ = 0;
    bool muisStart_ = false;  // a left press on Start started the run
    bool muisLos_ = false;    // that press's release is being handled
};

DECLARE_FORM(frmVeldom01, frmVeldom01Form)
