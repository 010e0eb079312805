#pragma once
// The layout window of print layouts 0 and 1: four blocks side by side,
// each a caption above four suit rows. It is filled, captured and painted
// on the printer from its activation.

#include "platform/Controls.h"
#include "platform/Form.h"

struct Afbeelding;
namespace afdruk {
struct BeeldRij;
}

class frmVeldom09Form : public platform::Form {
public:
    frmVeldom09Form();

    // Design-time pictures: a frame behind each block and the suit symbols.
    platform::ControlArray<platform::PictureBox> picAchter{this, "picAchter", 4};
    platform::ControlArray<platform::PictureBox> picSymbool{this, "picSymbool", 16};
    platform::ControlArray<platform::Label> lblSpel{this, "lblSpel", 4};
    // Index 4 x block + suit.
    platform::ControlArray<platform::TextBox> txtInvoer{this, "txtInvoer", 16};
    platform::PictureBox picSpel{this, "picSpel"};
    platform::CommandButton cmdFocus{this, "cmdFocus"};
    platform::Timer timPrinter{this, "timPrinter"};

    void Form_Load() override;
    void Form_Resize() override;
    void Form_Activate() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void cmdFocus_KeyDown(int& KeyCode, int Shift);

    void DrukHandenPerWindAf();
    void DrukHandenNaastElkaarAf();

    // Client size of the design, twips.
    static constexpr int Breedte = 12480;
    static constexpr int Hoogte = 2400;

private:
    // The steps before the first picture: caption fonts, printer and print
    // dialog, spacing, the holding boxes. False when the dialog was cancelled.
    bool BeginAfdruk();
    void Vul(const afdruk::BeeldRij& beeld);
    Afbeelding Vang();
    bool Bezig_ = false;
};

DECLARE_FORM(frmVeldom09, frmVeldom09Form)
