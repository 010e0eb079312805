#pragma once
// The lessons window: lesson files of numbered board slots, the deal copied
// from the main window when the window loads (placed into a free slot with
// the same dealer, turned one seat clockwise, renumbered), and a preview of
// one filled slot. The rules without a window live in LesBestand.

#include <QStringList>

#include "platform/Controls.h"
#include "platform/Form.h"

class frmVeldom15Form : public platform::Form {
public:
    frmVeldom15Form();

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void Form_KeyUp(int& KeyCode, int Shift) override;

    // --- lesson files ---
    void VulLessen();
    // Recounts the header and rewrites the open lesson; false (after a
    // message, with the lesson read again from disk) when the write failed.
    bool BewaarLes();
    void chkSorteer_Click();
    void txtNieuweLes_Change();
    void txtNieuweLes_KeyPress(int& KeyAscii);
    void cmdOK_Click();
    void lstLessen_Click();
    void cmdWissen_Click();
    void cmdExporteer_Click();

    // --- window ---
    void cmdTerug_Click();
    void chkTien_Click();
    void vscrSpellen_Change();
    void lstSpellen_Click();

    // --- placing, rotating, renumbering ---
    void lstEenVan_Click();
    void cmdPlaatsSpel_Click();
    void cmdWisSpel_Click();
    void cmdDraai_Click();
    void vscrWijzigSpelNummer_Change();
    void optDraai_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void optDraai_MouseUp(int Index, int Button, int Shift, float X, float Y);

    // The board number of the deal copied at load.
    int BeginSpelNummer = 0;
    bool BezigMetHerkiezen = false;
    bool OptieStand[2] = {false, false};

    platform::CommandButton cmdFocus{this, "cmdFocus"};
    platform::CommandButton cmdTerug{this, "cmdTerug"};

    // --- lessons ---
    platform::Frame fraLessen{this, "fraLessen"};
    platform::ListBox lstLessen{&fraLessen, "lstLessen"};
    platform::CheckBox chkSorteer{&fraLessen, "chkSorteer"};
    platform::CommandButton cmdWissen{&fraLessen, "cmdWissen"};

    // --- new lesson ---
    platform::Frame fraNieuwLes{this, "fraNieuwLes"};
    platform::TextBox txtNieuweLes{&fraNieuwLes, "txtNieuweLes"};
    platform::Label lblAanTalSpellen{&fraNieuwLes, "lblAanTalSpellen"};
    platform::Label lblSpellen{&fraNieuwLes, "lblSpellen"};
    platform::VScrollBar vscrSpellen{&fraNieuwLes, "vscrSpellen"};
    platform::CommandButton cmdOK{&fraNieuwLes, "cmdOK"};

    // --- slots of the open lesson ---
    platform::Frame fraSpellen{this, "fraSpellen"};
    platform::ListBox lstSpellen{&fraSpellen, "lstSpellen"};
    platform::CommandButton cmdWisSpel{&fraSpellen, "cmdWisSpel"};
    platform::CommandButton cmdExporteer{&fraSpellen, "cmdExporteer"};

    // --- the deal to place ---
    // The board area is a plain background; the deal's controls lie on the
    // window over it (the seat names share one array with the preview's).
    platform::PictureBox picSpel{this, "picSpel"};
    platform::Label lblSpelnummer{this, "lblSpelnummer"};
    platform::Label lblGeverHoofd{this, "lblGeverHoofd"};
    platform::Label lblKwetsbaarHoofd{this, "lblKwetsbaarHoofd"};
    platform::ControlArray<platform::Label> lblPunten{this, "lblPunten", 4};
    platform::ControlArray<platform::Label> picSymbool{this, "picSymbool", 16};
    platform::ControlArray<platform::TextBox> txtInvoer{this, "txtInvoer", 16};

    // --- place ---
    platform::Frame fraBewaarSpel{this, "fraBewaarSpel"};
    platform::ListBox lstEenVan{&fraBewaarSpel, "lstEenVan"};
    platform::CommandButton cmdPlaatsSpel{&fraBewaarSpel, "cmdPlaatsSpel"};

    // --- rotate and renumber ---
    platform::Frame fraDraaien{this, "fraDraaien"};
    platform::ControlArray<platform::OptionButton> optDraai{&fraDraaien, "optDraai", 2};
    platform::CommandButton cmdDraai{&fraDraaien, "cmdDraai"};
    platform::Label lblWijzig{this, "lblWijzig"};
    platform::Label lblWijzigSpelNummer{this, "lblWijzigSpelNummer"};
    platform::VScrollBar vscrWijzigSpelNummer{this, "vscrWijzigSpelNummer"};
    platform::CheckBox chkTien{this, "chkTien"};

    // --- preview ---
    platform::Frame fraVoorBeeld{this, "fraVoorBeeld"};
    platform::Label lblSpel{&fraVoorBeeld, "lblSpel"};
    platform::Label lblGever{&fraVoorBeeld, "lblGever"};
    platform::Label lblKwetsbaar{&fraVoorBeeld, "lblKwetsbaar"};
    platform::ControlArray<platform::Label> picSymBol{&fraVoorBeeld, "picSymBol", 16};
    platform::ControlArray<platform::Label> lblKleur{&fraVoorBeeld, "lblKleur", 16};

    // Seat names: 0..3 of the preview (over fraVoorBeeld), 4..7 of the deal
    // to place (over picSpel).
    platform::ControlArray<platform::Label> lblWind{this, "lblWind", 8};

    // --- never shown ---
    platform::ListBox lstDeSpellen{this, "lstDeSpellen"};
    platform::FileListBox filFiles{this, "filFiles"};
    platform::ListBox lstSpelNummers{this, "lstSpelNummers"};
    platform::ListBox lstHandWest{this, "lstHandWest"};
    platform::Label lblPuntenWest{this, "lblPuntenWest"};
    platform::ListBox lstWijzigSpelNummer{this, "lstWijzigSpelNummer"};

private:
    void Ontwerp();
    void KoppelHandlers();
    // Re-selects the open lesson (its click handler runs twice).
    void HerkiesLes();
    // The free slots with the dealer of the board number shown.
    void BouwKandidaten();
    // Forgets the open lesson: lists emptied, its controls disabled.
    void SluitLes();
    void MaakVoorbeeldLeeg();
    QString Meld(const QString& tekst, int stijl);
    QString LesNaamVan(const QString& pad) const;

    bool teruggegeven_ = false;
};

DECLARE_FORM(frmVeldom15, frmVeldom15Form)

// The board the opener shows, as the lessons window copies it when it
// loads: the texts of its 16 holding boxes (hands North, East, South, West,
// each spades to clubs), its four seat and points captions, and its board
// number, dealer and vulnerability captions.
struct GetoondBord {
    QStringList holdings;
    QStringList winden;
    QStringList punten;
    QString spelnummer;
    QString gever;
    QString kwetsbaar;
};

// Opens the lessons window owned by `opener` (disabled until the window
// closes), copying `bord`.
void OpenLessen(platform::Form& opener, const GetoondBord& bord);
