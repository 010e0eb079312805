#pragma once
// The clipboard window: the user picks one of four text layouts of the
// current deal set, sees a preview panel of it, chooses whether points and
// suit letters go into the text, and puts the text on the clipboard.
// F7 starts the desktop's text editor to paste into.

#include "output/KlembordTekst.h"
#include "platform/Controls.h"
#include "platform/Form.h"

class frmVeldom17Form : public platform::Form {
public:
    frmVeldom17Form();

    // Layout chooser.
    platform::Frame fraKLembord{this, "fraKLembord"};
    platform::ControlArray<platform::OptionButton> optHoe{&fraKLembord, "optHoe", 4};
    platform::ControlArray<platform::Label> lblKeuze{&fraKLembord, "lblKeuze", 10};
    platform::VScrollBar vscrAantal{&fraKLembord, "vscrAantal"};
    platform::Label lblAantal{&fraKLembord, "lblAantal"};
    platform::ListBox lstAantal{&fraKLembord, "lstAantal"};

    // Preview panels: 0 layouts 0 and 1, 1 layout 2, 2 layout 3.
    platform::ControlArray<platform::PictureBox> picAchtergrond{this, "picAchtergrond", 3};

    platform::ControlArray<platform::Label> lblSpelnummer{&picAchtergrond[0], "lblSpelnummer", 4};
    platform::ControlArray<platform::Label> lblGever{&picAchtergrond[0], "lblGever", 4};
    platform::ControlArray<platform::Label> lblKwetsbaar{&picAchtergrond[0], "lblKwetsbaar", 4};
    platform::ControlArray<platform::Label> lblWind{&picAchtergrond[0], "lblWind", 4};
    platform::ControlArray<platform::Label> lblPunten{&picAchtergrond[0], "lblPunten", 4};
    platform::ControlArray<platform::Label> lblKleur{&picAchtergrond[0], "lblKleur", 16};
    platform::ControlArray<platform::Label> lblHand{&picAchtergrond[0], "lblHand", 16};
    platform::CheckBox chkMeeAfdrukken{&picAchtergrond[0], "chkMeeAfdrukken"};
    platform::CheckBox chkKleurAfdrukken{&picAchtergrond[0], "chkKleurAfdrukken"};

    platform::Label lblSpelNummer2{&picAchtergrond[1], "lblSpelNummer2"};
    platform::Label lblGever2{&picAchtergrond[1], "lblGever2"};
    platform::Label lblKwetsbaar2{&picAchtergrond[1], "lblKwetsbaar2"};
    platform::ControlArray<platform::Label> lblWind2{&picAchtergrond[1], "lblWind2", 4};
    platform::ControlArray<platform::Label> lblPunten2{&picAchtergrond[1], "lblPunten2", 4};
    platform::ControlArray<platform::Label> lblKleur2{&picAchtergrond[1], "lblKleur2", 16};
    platform::ControlArray<platform::Label> lblHand2{&picAchtergrond[1], "lblHand2", 16};
    platform::CheckBox chkMeeAfdrukken2{&picAchtergrond[1], "chkMeeAfdrukken2"};
    platform::CheckBox chkKleurAfdrukken2{&picAchtergrond[1], "chkKleurAfdrukken2"};

    platform::ControlArray<platform::Label> lblSpelNummer3{&picAchtergrond[2], "lblSpelNummer3", 4};
    platform::ControlArray<platform::Label> lblGever3{&picAchtergrond[2], "lblGever3", 4};
    platform::ControlArray<platform::Label> lblKwetsbaar3{&picAchtergrond[2], "lblKwetsbaar3", 4};
    platform::ControlArray<platform::Label> lblWind3{&picAchtergrond[2], "lblWind3", 16};
    platform::ControlArray<platform::Label> lblPunten3{&picAchtergrond[2], "lblPunten3", 16};
    platform::ControlArray<platform::Label> lblKleur3{&picAchtergrond[2], "lblKleur3", 64};
    platform::ControlArray<platform::Label> lblHand3{&picAchtergrond[2], "lblHand3", 64};
    platform::CheckBox chkMeeAfdrukken3{&picAchtergrond[2], "chkMeeAfdrukken3"};
    platform::CheckBox chkKleurAfdrukken3{&picAchtergrond[2], "chkKleurAfdrukken3"};

    platform::CommandButton cmdStart{this, "cmdStart"};
    platform::CommandButton cmdStart2{this, "cmdStart2"};
    platform::CommandButton cmdStart3{this, "cmdStart3"};
    platform::CommandButton cmdTerug{this, "cmdTerug"};
    platform::CommandButton cmdFocus{this, "cmdFocus"};

    // Column kind and tab run of the last layout 0 or 1 text.
    qint16 KolomSoort = 0;
    QString TabReeks;

    void Form_Load() override;
    void Form_KeyUp(int& KeyCode, int Shift) override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;

    void optHoe_Click(int Index);
    void vscrAantal_Change();
    void chkKleurAfdrukken_Click();
    void chkKleurAfdrukken2_Click();
    void chkKleurAfdrukken3_Click();
    void chkMeeAfdrukken_Click();
    void chkMeeAfdrukken2_Click();
    void chkMeeAfdrukken3_Click();
    void cmdStart_Click();
    void cmdStart2_Click();
    void cmdStart3_Click();
    void cmdTerug_Click();

private:
    void Ontwerp();
    void ZetFocusOpKnop();
    // Suit letters and points of one panel, shown or hidden by their box.
    void ToonLetters(platform::CheckBox& chk, platform::ControlArray<platform::Label>& kleur,
                     platform::ControlArray<platform::Label>& hand);
    void ToonPunten(platform::CheckBox& chk, platform::ControlArray<platform::Label>& punten,
                    platform::ControlArray<platform::Label>& wind);
    // The records of the main window's deal set.
    QList<klembord::Spel> Spellen() const;
    // Puts the text on the clipboard and confirms it; with nothing to copy it
    // says so and leaves the clipboard alone.
    void NaarKlembord(const QString& tekst);

    klembord::Paneel0 LeesPaneel0();
    void SchrijfPaneel0(const klembord::Paneel0& p);
    klembord::Paneel2 LeesPaneel2();
    void SchrijfPaneel2(const klembord::Paneel2& p);
    klembord::Paneel3 LeesPaneel3();
    void SchrijfPaneel3(const klembord::Paneel3& p);
};

DECLARE_FORM(frmVeldom17, frmVeldom17Form)
