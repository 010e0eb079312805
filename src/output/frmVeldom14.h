#pragma once
// The layout window of print layout 2: two deal diagrams side by side, each
// with its board number, dealer and vulnerability. Shown by the print-job
// window, or straight from a click on the main window's board number.

#include "platform/Controls.h"
#include "platform/Form.h"

struct Afbeelding;
namespace afdruk {
struct BeeldPaar;
}

class frmVeldom14Form : public platform::Form {
public:
    frmVeldom14Form();

    platform::ControlArray<platform::Label> lblSpel{this, "lblSpel", 2};
    platform::ControlArray<platform::Label> lblGever{this, "lblGever", 2};
    platform::ControlArray<platform::Label> lblKwetsbaar{this, "lblKwetsbaar", 2};
    // Index 16 x panel + 4 x seat + suit.
    platform::ControlArray<platform::PictureBox> picSymBol{this, "picSymBol", 32};
    platform::ControlArray<platform::Label> lblKleur{this, "lblKleur", 32};
    // Index 4 x panel + seat.
    platform::ControlArray<platform::Label> lblWind{this, "lblWind", 8};
    platform::PictureBox picSpel{this, "picSpel"};
    platform::CommandButton cmdFocus{this, "cmdFocus"};

    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyUp(int& KeyCode, int Shift) override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void Form_Resize() override;

    // Client size of the design, twips.
    static constexpr int Breedte = 11820;
    static constexpr int Hoogte = 3015;
    // Offset of the right panel.
    static constexpr int PaneelAfstand = 5940;

private:
    void Vul(const afdruk::BeeldPaar& beeld);
    Afbeelding Vang();
    bool Bezig_ = false;
};

DECLARE_FORM(frmVeldom14, frmVeldom14Form)
