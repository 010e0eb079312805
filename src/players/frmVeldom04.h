#pragma once
// The names editor: the user keeps names files (players with their e-mail
// addresses) in a grid, loads a saved names file into it, imports the names
// of the sibling results program, adds and takes out players through the two
// edit boxes, and saves the grid through the Save-as dialog (mode 4).
//
// Nothing unsaved is lost without a question: loading, importing and
// deleting a names file ask first while the grid holds changes that were
// not saved.

#include <QList>
#include <QString>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Grid.h"
#include "shared/MapLijst.h"

class frmVeldom04Form : public platform::Form {
public:
    frmVeldom04Form();

    // --- names grid and edit boxes ---
    platform::Frame fraNamen{this, "fraNamen"};
    platform::Grid msfgResultaat{&fraNamen, "msfgResultaat"};
    platform::Label lblNaam{&fraNamen, "lblNaam"};
    platform::Label lblMail{&fraNamen, "lblMail"};
    platform::ControlArray<platform::TextBox> txtNaam{&fraNamen, "txtNaam", 2};
    // Says what the edit boxes refused or cannot store, without taking the
    // keyboard: typing goes on in the box it was meant for.
    platform::Label lblMelding{&fraNamen, "lblMelding"};
    platform::CommandButton cmdToevoegen{&fraNamen, "cmdToevoegen"};
    platform::CommandButton cmdPlaatsTerug{&fraNamen, "cmdPlaatsTerug"};
    platform::CommandButton cmdHerstel{&fraNamen, "cmdHerstel"};
    platform::CommandButton cmdOpslaan{&fraNamen, "cmdOpslaan"};
    platform::CommandButton cmdWisNaam{&fraNamen, "cmdWisNaam"};

    // --- saved names files ---
    platform::Frame fraNamenBestand{this, "fraNamenBestand"};
    platform::ListBox lstNamenBestand{&fraNamenBestand, "lstNamenBestand"};
    platform::CheckBox chkSorteer0{&fraNamenBestand, "chkSorteer", 0};
    platform::CommandButton cmdWisNamenBestand{&fraNamenBestand, "cmdWisNamenBestand"};

    // --- names files of the sibling results program ---
    platform::Frame fraNamenUitCVN{this, "fraNamenUitCVN"};
    platform::ListBox lstImporteerNamen{&fraNamenUitCVN, "lstImporteerNamen"};
    platform::CheckBox chkSorteer1{&fraNamenUitCVN, "chkSorteer", 1};
    platform::CommandButton cmdOKImporTeer{&fraNamenUitCVN, "cmdOKImporTeer"};

    platform::CommandButton cmdTerug{this, "cmdTerug"};
    platform::CommandButton cmdFocus{this, "cmdFocus"};

    // The sort boxes as one array: 0 the names files, 1 the import list.
    platform::CheckBox& chkSorteer(int Index) { return Index == 0 ? chkSorteer0 : chkSorteer1; }

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void Form_KeyUp(int& KeyCode, int Shift) override;

    void VulNamenBestanden();
    void VulImportLijst();
    void chkSorteer_Click(int Index);
    void lstNamenBestand_Click();
    void lstImporteerNamen_Click();
    void msfgResultaat_Click();
    void cmdToevoegen_Click();
    void cmdPlaatsTerug_Click();
    void cmdHerstel_Click();
    void cmdWisNaam_Click();
    void txtNaam_KeyPress(int Index, int& KeyAscii);
    void txtNaam_Change(int Index);
    void cmdOpslaan_Click();
    void cmdWisNamenBestand_Click();
    void cmdOKImporTeer_Click();
    void cmdTerug_Click();

    // The Save-as dialog calls this after it has written the grid.
    void GridOpgeslagen() { gewijzigd_ = false; }
    // True while the grid holds changes that were not saved.
    bool GridGewijzigd() const { return gewijzigd_; }

    // The name and address of the row taken out last.
    QString BewaardeNaam;
    QString BewaardeMail;

private:
    void ZetKopRegel();
    void MaakGridLeeg();
    void ToonAantal();
    void PasOpslaanAan();
    // The rows at the end without a name are dropped.
    void VerwijderLegeEindRijen();
    // Asks before unsaved changes (the grid's, or a player in the edit
    // boxes) are thrown away; true when they may go.
    bool MagGridVervangen(bool ookVakken);
    // The notice under the edit boxes; `vanToets` marks one about a dropped
    // key, which stays until the next action instead of the next change.
    void ToonMelding(const QString& tekst, bool vanToets);
    void CaretNaarEind(platform::TextBox& box);
    void Centreer();

    QList<MapItem> namenBestanden_;  // the file behind each item of lstNamenBestand
    QList<MapItem> importBestanden_; // the file behind each item of lstImporteerNamen
    bool gewijzigd_ = false;
    bool meldingVanToets_ = false;
};

DECLARE_FORM(frmVeldom04, frmVeldom04Form)
