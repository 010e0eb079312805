#pragma once
// The layout window of print layout 3: one full deal diagram, the four hands
// around a compass with their points, the board number, dealer and
// vulnerability. Each deal is captured and painted centred on the page.

#include "platform/Controls.h"
#include "platform/Form.h"

struct Afbeelding;
namespace afdruk {
struct Diagram;
}

class frmVeldom16Form : public platform::Form {
public:
    frmVeldom16Form();

    // Index 4 x hand + suit; each box sits on its background row picAchter.
    platform::ControlArray<platform::PictureBox> picAchter{this, "picAchter", 16};
    platform::ControlArray<platform::PictureBox> picSymbool{this, "picSymbool", 16};
    platform::ControlArray<platform::TextBox> txtInvoer{this, "txtInvoer", 16};
    platform::ControlArray<platform::Label> lblWind{this, "lblWind", 4};
    platform::ControlArray<platform::Label> lblPunten{this, "lblPunten", 4};
    platform::Label lblSpelnummer{this, "lblSpelnummer"};
    platform::Label lblGever{this, "lblGever"};
    platform::Label lblKwetsbaar{this, "lblKwetsbaar"};
    platform::PictureBox picSpel{this, "picSpel"};
    platform::CommandButton cmdFocus{this, "cmdFocus"};

    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;

    // Client size of the design, twips.
    static constexpr int Breedte = 9600;
    static constexpr int Hoogte = 5940;

private:
    void Vul(const afdruk::Diagram& diagram);
    Afbeelding Vang();
    bool Bezig_ = false;
};

DECLARE_FORM(frmVeldom16, frmVeldom16Form)
