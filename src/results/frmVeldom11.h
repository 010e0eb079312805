#pragma once
// The results entry window. Choice stage: a group (saved as a new match
// through the Save-as dialog) or an existing match, its pairs and its board
// count. Entry stage (after Start): the board buttons, the score slip of the
// open board, the contract box with its legends, and the results grid of
// matchpoints (pairs by boards). Every typed contract is placed into the
// first free slip row, scored and saved; the entry that fills the last
// table matchpoints the board. The rules without a window live in
// InvoerRegels and in the results rules (notation, score, matchpoints,
// match files).

#include <QString>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Grid.h"
#include "results/InvoerRegels.h"

namespace uitslag {
struct SchrijfFout;
}

// One character per board of the open match: "1" when its result is
// complete, "0" otherwise.
extern QString KlaarVlaggen;

class frmVeldom11Form : public platform::Form {
public:
    frmVeldom11Form();

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void Form_KeyUp(int& KeyCode, int Shift) override;

    // --- choice stage ---
    void VulGroepenLijst();
    void VulUitslagenLijst();
    // Fills a list of the folder by its sort box's value.
    void VulSorteerLijst(platform::ListBox& lijst, const QString& map, const QString& extensie, int sorteer);
    void lstGroepen_Click();
    void lstUitslagen_Click();
    void chkSorteer_Click(int Index);
    void cmdOpslaanAls_Click();
    void vscrAantal_Change();
    void cmdStart_Click();

    // --- entry stage ---
    void cmdSpel_Click(int Index);
    void cmdWisSpel_Click();
    void WisScoreBriefje();
    void PlaatsContract(int& kant);
    void txtContract_KeyPress(int& KeyAscii);
    void txtContract_Change();
    void chkEnter_Click();
    void chkNieuwSpel_Click();
    void lblContractNZ_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void lblContractOW_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void msfgResultaat_RowColChange();
    void cmdArbitrale_Click();
    void cmdUitslag_Click();
    void cmdTerug_Click();
    void timAllesKlaar_Timer();

    // Scores the row HuidigeRij from ContractTekst, saves the board and
    // matchpoints it when every table has a result. With magVerder false
    // (a rescore of a row) the next board is never opened.
    void BerekenScore(bool magVerder = true);
    // Matchpoints the open board; false (after a message) when the slip
    // could not be matchpointed or a file could not be written; then the
    // board is not marked done.
    bool BerekenMatchpunten(bool magVerder = true);
    // Writes the open board's result file (and its export file when the
    // sibling program is known); false after a message when it failed.
    bool BewaarSpel();
    // Writes the results grid to the match's overview file; false after a
    // message when it failed.
    bool BewaarOverzicht();
    // The adjusted-score window calls this when it closes: the timer then
    // matchpoints the open board once every table has a result.
    void StartAllesKlaar();
    // The prompt, the board caption and the adjusted-score row follow the
    // first free visible row (or name the board alone when none is free).
    void ZetPrompt();

    // The single place where the results overview window is opened, owned
    // by this window: this window is disabled until the overview closes.
    void ToonOverzicht();

    // Form-level state.
    int HuidigeRij = 0;
    int LaatsteRij = 0;
    QString ContractTekst;
    bool SpelGeopend = false;
    int MetEnter = 0;
    int GescoordeRij = 0;
    bool InvoerGoed = false;
    bool InvoerCompleet = false;

    platform::CommandButton cmdFocus{this, "cmdFocus"};

    // --- choice stage ---
    platform::Frame fraParen{this, "fraParen"};
    platform::ListBox lstParen{&fraParen, "lstParen"};
    platform::Label lblAanTalSpellen{&fraParen, "lblAanTalSpellen"};
    platform::Label lblAantal{&fraParen, "lblAantal"};
    platform::VScrollBar vscrAantal{&fraParen, "vscrAantal"};
    platform::CommandButton cmdStart{&fraParen, "cmdStart"};
    platform::Frame fraGroepen{this, "fraGroepen"};
    platform::ListBox lstGroepen{&fraGroepen, "lstGroepen"};
    platform::Frame fraUitslagen{this, "fraUitslagen"};
    platform::ListBox lstUitslagen{&fraUitslagen, "lstUitslagen"};
    platform::CommandButton cmdOpslaanAls{&fraUitslagen, "cmdOpslaanAls"};
    // 0 in fraGroepen, 1 in fraUitslagen (placed at load).
    platform::CheckBox chkSorteer0{&fraGroepen, "chkSorteer", 0};
    platform::CheckBox chkSorteer1{&fraUitslagen, "chkSorteer", 1};
    platform::CheckBox& chkSorteer(int i) { return i == 0 ? chkSorteer0 : chkSorteer1; }

    // --- entry stage ---
    platform::Frame fraScoreBriefjes{this, "fraScoreBriefjes"};
    platform::Frame fraScoreBriefje{&fraScoreBriefjes, "fraScoreBriefje"};
    platform::ControlArray<platform::Label> lblKop{&fraScoreBriefje, "lblKop", 7};
    platform::ControlArray<platform::Label> lblPaar{&fraScoreBriefje, "lblPaar", 20};
    platform::ControlArray<platform::Label> lblContractNZ{&fraScoreBriefje, "lblContractNZ", 20};
    platform::ControlArray<platform::Label> lblContractOW{&fraScoreBriefje, "lblContractOW", 20};
    platform::ControlArray<platform::Label> lblScoreNZ{&fraScoreBriefje, "lblScoreNZ", 20};
    platform::ControlArray<platform::Label> lblScoreOW{&fraScoreBriefje, "lblScoreOW", 20};
    platform::ControlArray<platform::Label> lblMPNZ{&fraScoreBriefje, "lblMPNZ", 20};
    platform::ControlArray<platform::Label> lblMPOW{&fraScoreBriefje, "lblMPOW", 20};
    platform::ControlArray<platform::CommandButton> cmdSpel{&fraScoreBriefjes, "cmdSpel", 49};
    platform::Frame fraInvoer{&fraScoreBriefjes, "fraInvoer"};
    platform::Label lblSpelnummer{&fraInvoer, "lblSpelnummer"};
    platform::Label lblContract{&fraInvoer, "lblContract"};
    platform::TextBox txtContract{&fraInvoer, "txtContract"};
    platform::Label lblVoorbeeld{&fraInvoer, "lblVoorbeeld"};
    platform::Label lblBiedingen{&fraInvoer, "lblBiedingen"};
    platform::Label lblLeider{&fraInvoer, "lblLeider"};
    platform::Label lblNietGespeeld{&fraInvoer, "lblNietGespeeld"};
    platform::CheckBox chkEnter{&fraInvoer, "chkEnter"};
    platform::CheckBox chkNieuwSpel{&fraInvoer, "chkNieuwSpel"};
    platform::CommandButton cmdArbitrale{&fraScoreBriefjes, "cmdArbitrale"};
    platform::CommandButton cmdWisSpel{&fraScoreBriefjes, "cmdWisSpel"};
    platform::CommandButton cmdUitslag{&fraScoreBriefjes, "cmdUitslag"};

    platform::Grid msfgResultaat{this, "msfgResultaat"};
    platform::CommandButton cmdTerug{this, "cmdTerug"};
    platform::Timer timAllesKlaar{this, "timAllesKlaar"};

    // --- never shown ---
    platform::ListBox lstAantal{this, "lstAantal"};

private:
    void Ontwerp();
    void KoppelHandlers();
    void Meld(const QString& tekst, int stijl);
    // The slip rows as the rules read them.
    std::vector<invoer::SlipRij> Rijen() const;
    int EersteVrijeRij() const;
    // The row the next entry goes to: the one the prompt names.
    int InvoerRij() const;
    int GevuldeRijen() const;
    int Tafels() const;
    void PlaatsInvoerVak();
    // The contract box gets the focus with the caret after its text.
    void FocusOpInvoer();
    void ZetInvoerTekst(const QString& tekst);
    // Places and scores a whole entry as typed: the one road of every
    // contract into the slip.
    void VerwerkCompleet(int kant);
    void KopieerLaatsteRij();
    void HerstelPaarNummers();
    void KleurSpelKnoppen();
    bool SchrijfKlaarVlaggen();
    void MeldSchrijfFouten();
    // A queued write failed: a board whose result file did not reach the
    // disk is open again (HeropenMislukteBorden); the user is told once.
    void SchrijfMislukt(const uitslag::SchrijfFout& fout);
    // Every board shown done whose result file's last write failed is open
    // again: no flag, no matchpoints in the grid or on the slip, and the
    // overview and flags are written anew. True when one was reopened.
    bool HeropenMislukteBorden();
    // Waits for the queued match files, saying how many are left once it
    // takes a moment.
    void WachtOpSchrijfwerk();
    int OpenSpel() const;
    void ZetKlaar(int bord, bool klaar);
    void HerEdit(int Index);
    void WisselRij(int Index, bool noordZuid);
    void LaadParen(const QStringList& paren);

    bool teruggegeven_ = false;
    bool enterBezig_ = false;
    QString vorigeTekst_;     // the contract box as last accepted
    int timerBord_ = 0;       // the board timAllesKlaar was started for
    int opgeslagenAantal_ = 0;  // the board count stored with the chosen match
};

DECLARE_FORM(frmVeldom11, frmVeldom11Form)
