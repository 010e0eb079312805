#pragma once
// The group and match composer: the user picks players of a names file two
// by two into pairs, saves the pairs as a group file or as a match folder
// (through the Save-as dialog, mode 5), opens, renames and deletes names
// files, groups and matches.
//
// Seats: pair 1, 3, 5, ... plays North-South, pair 2, 4, 6, ... East-West;
// the seat labels name the seats of the pair being composed, and a group
// can be saved only with an even, non-zero number of pairs (at most 40).

#include <QList>
#include <QString>
#include <QVector>

#include "platform/Controls.h"
#include "platform/ControlsList.h"
#include "platform/Form.h"
#include "platform/Grid.h"
#include "shared/GroepBestand.h"
#include "shared/MapLijst.h"

class frmVeldom05Form : public platform::Form {
public:
    frmVeldom05Form();

    // --- names files, groups, matches ---
    platform::Frame fraNamenBestand{this, "fraNamenBestand"};
    platform::ListBox lstNamenBestand{&fraNamenBestand, "lstNamenBestand"};
    platform::CheckBox chkSorteer0{&fraNamenBestand, "chkSorteer", 0};
    platform::CommandButton cmdWisNamen{&fraNamenBestand, "cmdWisNamen"};
    platform::Frame fraGroepBestand{this, "fraGroepBestand"};
    platform::ListBox lstGroepBestand{&fraGroepBestand, "lstGroepBestand"};
    platform::CheckBox chkSorteer1{&fraGroepBestand, "chkSorteer", 1};
    platform::CommandButton cmdWisGroep{&fraGroepBestand, "cmdWisGroep"};
    platform::Frame fraWedstrijd{this, "fraWedstrijd"};
    platform::ListBox lstWedstrijd{&fraWedstrijd, "lstWedstrijd"};
    platform::CheckBox chkSorteer2{&fraWedstrijd, "chkSorteer", 2};
    platform::CommandButton cmdWisWedstrijd{&fraWedstrijd, "cmdWisWedstrijd"};

    // --- names grid and the pair being composed ---
    platform::Grid msfgResultaat{this, "msfgResultaat"};
    platform::ControlArray<platform::Label> lblWind{this, "lblWind", 2};
    platform::ControlArray<platform::Label> lblNaam{this, "lblNaam", 2};
    platform::ControlArray<platform::Label> lblSchaduwNaam{this, "lblSchaduwNaam", 2};
    platform::CommandButton cmdToevoegen{this, "cmdToevoegen"};

    // --- the composed group ---
    platform::Frame fraMaakGroep{this, "fraMaakGroep"};
    platform::ListBox lstMaakGroep{&fraMaakGroep, "lstMaakGroep"};
    platform::ListBox lstSchaduwMaakGroep{&fraMaakGroep, "lstSchaduwMaakGroep"};
    platform::CommandButton cmdOpslaan{&fraMaakGroep, "cmdOpslaan"};

    // --- rename row ---
    platform::Label lblWijzig{this, "lblWijzig"};
    platform::TextBox txtWijzig{this, "txtWijzig"};
    platform::CommandButton cmdOK{this, "cmdOK"};

    platform::CommandButton cmdTerug{this, "cmdTerug"};
    platform::CommandButton cmdFocus{this, "cmdFocus"};

    platform::CheckBox& chkSorteer(int Index) {
        return Index == 0 ? chkSorteer0 : Index == 1 ? chkSorteer1 : chkSorteer2;
    }

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void Form_KeyUp(int& KeyCode, int Shift) override;

    void VulNamenBestanden();
    void VulGroepBestanden();
    void VulWedstrijden();
    void chkSorteer_Click(int Index);
    void lstNamenBestand_Click();
    // Says why a group or a match's pairs could not be read.
    void MeldParenLeesFout(const QString& bestand, const QString& fout, int slechteRegel);
    void lstGroepBestand_Click();
    void lstWedstrijd_Click();
    void msfgResultaat_Click();
    void cmdToevoegen_Click();
    void lstMaakGroep_Click();
    void cmdOpslaan_Click();
    void cmdOK_Click();
    void txtWijzig_KeyPress(int& KeyAscii);
    void cmdWisNamen_Click();
    void cmdWisGroep_Click();
    void cmdWisWedstrijd_Click();
    void cmdTerug_Click();

    // Called by the Save-as dialog (mode 5) with the name typed: writes the
    // group file, or the match folder when a match is open. False when the
    // dialog must stay open (the write failed and was reported).
    bool BewaarOnderNaam(const QString& naam);

    // The composed pairs, in order (from lstSchaduwMaakGroep).
    QVector<groep::Paar> Paren() const;

private:
    void Centreer();
    void MaakGridLeeg();
    void MaakParenLeeg();
    void ZetParen(const QVector<groep::Paar>& paren);
    void PasZitplaatsenAan();
    void ZetGroepKop();
    // Takes the row of player `naam` (exact, trimmed) out of the grid.
    void NeemUitGrid(const QString& naam);
    // Shows the pairs of the group or match just opened (item `index` of
    // `lijst`): every player back in the grid first (the names file opened
    // again), the pair being composed dropped, then the opened pairs'
    // players taken out, so that none of them can be paired twice. The grid
    // stays hidden for the caller to show.
    void ToonGeopendeParen(platform::ListBox& lijst, int index, const QVector<groep::Paar>& paren);
    // Opens the names file remembered by name again, when it still exists.
    void OpenNamenOpnieuw();
    // naam: what the rename box shows; bestand: the real file or folder name.
    void ZetWijzigDoel(int soort, const QString& naam, const QString& bestand);
    bool Vraag(int tekst, const QString& naam);
    // Deletes the file; false, after telling the user why, when it stays.
    bool WisBestand(const QString& pad, const QString& naam);
    void Meld(const QString& tekst, int stijl);

    QList<MapItem> namenBestanden_;
    QList<MapItem> groepBestanden_;
    QList<MapItem> wedstrijden_;
    QString namenBestand_;  // the names file opened last, by file name
    QString wijzigBestand_; // the real name of the file the rename box renames
    bool bewaard_ = false;  // the last Save-as wrote the group or match
};

DECLARE_FORM(frmVeldom05, frmVeldom05Form)
