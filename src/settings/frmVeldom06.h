#pragma once
// The settings window: the deal generator's point window, maximum suit
// length and opening-type limits on six pages, and below them the sender of
// the program's e-mail. Every spinner step and box click is stored in
// taal.ini at once; the e-mail fields only by OK. The main window opens it
// disabled behind it and reloads every setting when it comes back.

#include <QString>
#include <vector>

#include "deal/SpinnerRegels.h"
#include "platform/Controls.h"
#include "platform/Form.h"

class frmVeldom06Form : public platform::Form {
public:
    frmVeldom06Form();

    // --- window life cycle ---
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_KeyUp(int& KeyCode, int Shift) override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void cmdTerug_Click();
    void optInstellingen_Click(int Index);

    // --- spinners ---
    void vscrMin_Change();
    void vscrMax_Change();
    void vscrMaximaleLengte_Change();
    void vscr6Kaart_Change();
    void vscrZwakke2_Change();
    void vscrZwakke2NKMin_Change();
    void vscrZwakke2NKMax_Change();
    void vscrZwakke2WKMin_Change();
    void vscrZwakke2WKMax_Change();
    void vscrMuiderBergNKMin_Change();
    void vscrMuiderBergNKMax_Change();
    void vscrMuiderBergWKMin_Change();
    void vscrMuiderBergWKMax_Change();
    void vscrMulty2Ruiten_Change();
    void vscrMulty2RuitenNKMin_Change();
    void vscrMulty2RuitenNKMax_Change();
    void vscrMulty2RuitenWKMin_Change();
    void vscrMulty2RuitenWKMax_Change();

    // --- check boxes ---
    void chkOpening_Click(int Index);
    void chkLaatsteZwakke2_Click();
    void chkMuiderBergLaatsteHand_Click();
    void chkMulty2Ruiten_Click();
    void chkPuntenToepassen_Click();

    // --- e-mail sender ---
    void txtEMailAdres_Change();
    void optProvider_Click(int Index);
    void cmdOK_Click();

    // The provider chosen in this window: 0 or 1.
    int Provider = 0;

    // --- page chooser and pages ---
    platform::Frame fraInstellingen{this, "fraInstellingen"};
    platform::ControlArray<platform::OptionButton> optInstellingen{&fraInstellingen, "optInstellingen", 6};
    platform::ControlArray<platform::Frame> fraStelIn{this, "fraStelIn", 6};

    // Page 0: the point window and the maximum suit length.
    platform::Label lblMinimaal{&fraStelIn[0], "lblMinimaal"};
    platform::Label lblMin{&fraStelIn[0], "lblMin"};
    platform::VScrollBar vscrMin{&fraStelIn[0], "vscrMin"};
    platform::Label lblMaximaal{&fraStelIn[0], "lblMaximaal"};
    platform::Label lblMax{&fraStelIn[0], "lblMax"};
    platform::VScrollBar vscrMax{&fraStelIn[0], "vscrMax"};
    platform::Label lblMaximaleLengte{&fraStelIn[0], "lblMaximaleLengte"};
    platform::Label lblMaximale{&fraStelIn[0], "lblMaximale"};
    platform::VScrollBar vscrMaximaleLengte{&fraStelIn[0], "vscrMaximaleLengte"};
    platform::CheckBox chkPuntenToepassen{&fraStelIn[0], "chkPuntenToepassen"};

    // The five apply boxes, one array over pages 1 to 5.
    platform::CheckBox chkOpening[5] = {{&fraStelIn[1], "chkOpening", 0},
                                        {&fraStelIn[2], "chkOpening", 1},
                                        {&fraStelIn[3], "chkOpening", 2},
                                        {&fraStelIn[4], "chkOpening", 3},
                                        {&fraStelIn[5], "chkOpening", 4}};

    // Page 2: six-card suit with eleven points.
    platform::ControlArray<platform::Label> lblAantalHonneurs6Kaart{&fraStelIn[2], "lblAantalHonneurs6Kaart", 2};
    platform::VScrollBar vscr6Kaart{&fraStelIn[2], "vscr6Kaart"};

    // Page 3: weak two.
    platform::ControlArray<platform::Label> lblZwakke2{&fraStelIn[3], "lblZwakke2", 4};
    platform::Label lblZwakke2NKMin{&fraStelIn[3], "lblZwakke2NKMin"};
    platform::Label lblZwakke2NKMax{&fraStelIn[3], "lblZwakke2NKMax"};
    platform::Label lblZwakke2WKMin{&fraStelIn[3], "lblZwakke2WKMin"};
    platform::Label lblZwakke2WKMax{&fraStelIn[3], "lblZwakke2WKMax"};
    platform::VScrollBar vscrZwakke2NKMin{&fraStelIn[3], "vscrZwakke2NKMin"};
    platform::VScrollBar vscrZwakke2NKMax{&fraStelIn[3], "vscrZwakke2NKMax"};
    platform::VScrollBar vscrZwakke2WKMin{&fraStelIn[3], "vscrZwakke2WKMin"};
    platform::VScrollBar vscrZwakke2WKMax{&fraStelIn[3], "vscrZwakke2WKMax"};
    platform::ControlArray<platform::Label> lblAantalHonneursZwakke2{&fraStelIn[3], "lblAantalHonneursZwakke2", 2};
    platform::VScrollBar vscrZwakke2{&fraStelIn[3], "vscrZwakke2"};
    platform::CheckBox chkLaatsteZwakke2{&fraStelIn[3], "chkLaatsteZwakke2"};

    // Page 4: Muiderberg two.
    platform::ControlArray<platform::Label> lblMuiderBerg{&fraStelIn[4], "lblMuiderBerg", 4};
    platform::Label lblMuiderBergNKMin{&fraStelIn[4], "lblMuiderBergNKMin"};
    platform::Label lblMuiderBergNKMax{&fraStelIn[4], "lblMuiderBergNKMax"};
    platform::Label lblMuiderBergWKMin{&fraStelIn[4], "lblMuiderBergWKMin"};
    platform::Label lblMuiderBergWKMax{&fraStelIn[4], "lblMuiderBergWKMax"};
    platform::VScrollBar vscrMuiderBergNKMin{&fraStelIn[4], "vscrMuiderBergNKMin"};
    platform::VScrollBar vscrMuiderBergNKMax{&fraStelIn[4], "vscrMuiderBergNKMax"};
    platform::VScrollBar vscrMuiderBergWKMin{&fraStelIn[4], "vscrMuiderBergWKMin"};
    platform::VScrollBar vscrMuiderBergWKMax{&fraStelIn[4], "vscrMuiderBergWKMax"};
    platform::CheckBox chkMuiderBergLaatsteHand{&fraStelIn[4], "chkMuiderBergLaatsteHand"};

    // Page 5: multi two diamonds.
    platform::ControlArray<platform::Label> lblMulty2Ruiten{&fraStelIn[5], "lblMulty2Ruiten", 4};
    platform::Label lblMulty2RuitenNKMin{&fraStelIn[5], "lblMulty2RuitenNKMin"};
    platform::Label lblMulty2RuitenNKMax{&fraStelIn[5], "lblMulty2RuitenNKMax"};
    platform::Label lblMulty2RuitenWKMin{&fraStelIn[5], "lblMulty2RuitenWKMin"};
    platform::Label lblMulty2RuitenWKMax{&fraStelIn[5], "lblMulty2RuitenWKMax"};
    platform::VScrollBar vscrMulty2RuitenNKMin{&fraStelIn[5], "vscrMulty2RuitenNKMin"};
    platform::VScrollBar vscrMulty2RuitenNKMax{&fraStelIn[5], "vscrMulty2RuitenNKMax"};
    platform::VScrollBar vscrMulty2RuitenWKMin{&fraStelIn[5], "vscrMulty2RuitenWKMin"};
    platform::VScrollBar vscrMulty2RuitenWKMax{&fraStelIn[5], "vscrMulty2RuitenWKMax"};
    platform::ControlArray<platform::Label> lblAantalHonneursMulty2Ruiten{&fraStelIn[5], "lblAantalHonneursMulty2Ruiten", 2};
    platform::VScrollBar vscrMulty2Ruiten{&fraStelIn[5], "vscrMulty2Ruiten"};
    platform::CheckBox chkMulty2Ruiten{&fraStelIn[5], "chkMulty2Ruiten"};

    // --- e-mail sender, with the window's two buttons ---
    platform::Frame fraEmail{this, "fraEmail"};
    platform::Label lblWaarvoor{&fraEmail, "lblWaarvoor"};
    platform::Label lblInfo{&fraEmail, "lblInfo"};
    platform::TextBox txtEMailAdres{&fraEmail, "txtEMailAdres"};
    platform::Label lblNaam{&fraEmail, "lblNaam"};
    platform::TextBox txtNaam{&fraEmail, "txtNaam"};
    platform::Label lblProvider{&fraEmail, "lblProvider"};
    platform::ControlArray<platform::OptionButton> optProvider{&fraEmail, "optProvider", 2};
    platform::CommandButton cmdOK{&fraEmail, "cmdOK"};
    platform::CommandButton cmdTerug{&fraEmail, "cmdTerug"};

    platform::CommandButton cmdFocus{this, "cmdFocus"};

    // --- hidden value lists, highest value first ---
    platform::ListBox lstMinimaal{this, "lstMinimaal"};
    platform::ListBox lstMaximaal{this, "lstMaximaal"};
    platform::ListBox lstMaximaleLengte{this, "lstMaximaleLengte"};
    platform::ListBox lst6Kaart{this, "lst6Kaart"};
    platform::ListBox lstZwakke2{this, "lstZwakke2"};
    platform::ListBox lstMulty2Ruiten{this, "lstMulty2Ruiten"};
    platform::ListBox lstZwakke2NKMin{this, "lstZwakke2NKMin"};
    platform::ListBox lstZwakke2NKMax{this, "lstZwakke2NKMax"};
    platform::ListBox lstZwakke2WKMin{this, "lstZwakke2WKMin"};
    platform::ListBox lstZwakke2WKMax{this, "lstZwakke2WKMax"};
    platform::ListBox lstMuiderbergNKMin{this, "lstMuiderbergNKMin"};
    platform::ListBox lstMuiderbergNKMax{this, "lstMuiderbergNKMax"};
    platform::ListBox lstMuiderbergWKMin{this, "lstMuiderbergWKMin"};
    platform::ListBox lstMuiderbergWKMax{this, "lstMuiderbergWKMax"};
    platform::ListBox lstMulty2RuitenNKMin{this, "lstMulty2RuitenNKMin"};
    platform::ListBox lstMulty2RuitenNKMax{this, "lstMulty2RuitenNKMax"};
    platform::ListBox lstMulty2RuitenWKMin{this, "lstMulty2RuitenWKMin"};
    platform::ListBox lstMulty2RuitenWKMax{this, "lstMulty2RuitenWKMax"};

private:
    // Which partner rule a spinner follows.
    enum class Regel { Geen, PuntMinimum, PuntMaximum, OpeningMinimum, OpeningMaximum };

    // One spinner: scroll bar, hidden list and value label, the key it
    // writes, the variable it sets and the partner label its rule reads.
    struct Spinner {
        platform::VScrollBar* vscr;
        platform::ListBox* lst;
        platform::Label* lbl;
        QString sectie;
        QString sleutel;
        int* variabele;
        Regel regel;
        platform::Label* partner;
        spel::SpinnerLijst lijst;
    };

    void Ontwerp();
    void KoppelHandlers();
    void VulLijstenEnZetSpinners();
    void ZetSpinner(Spinner& s, int waarde);
    void PlaatsPaginaInhoud();
    void ZetVinkjes();
    void HerstelEmailVelden();
    void PlaatsEmailVelden();
    void VerwerkSpinner(Spinner& s);
    Spinner& SpinnerVan(const platform::VScrollBar& vscr);
    void VerwerkLaatsteHand(platform::CheckBox& chk, const QString& sectie, const QString& sleutel);
    // Writes one key of taal.ini; a write that fails is reported and false.
    bool Bewaar(const QString& sectie, const QString& sleutel, const QString& waarde);
    void Centreer();

    std::vector<Spinner> spinners_;
};

DECLARE_FORM(frmVeldom06, frmVeldom06Form)
