#pragma once
// The e-mail-per-seat window: the user chooses the PDF folder and, for each
// of the four seats, the PDF that holds that seat's hands; loads a group
// file, which seats its players; and sends every player one mail with the
// PDF of their seat and, when the club has one in the program folder, the
// score card. Without an own e-mail address the window writes the seats'
// address lists to the desktop instead.
//
// Before the first mail it checks that mail can be sent and that every
// PDF is in place and small enough to mail; nothing goes out when anything
// is missing. The mails of a run share one connection. A failed or skipped
// recipient does not stop the others; a server that cannot be reached,
// stalls or refuses the session stops the run at once. The closing message
// names everyone who got nothing.

#include <QList>
#include <QString>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "players/WindMail.h"
#include "shared/MapLijst.h"

class frmVeldom10Form : public platform::Form {
public:
    frmVeldom10Form();

    // --- PDF folder and the four seat choices ---
    platform::Frame fraPdf{this, "fraPdf"};
    platform::DriveListBox drvPdf{&fraPdf, "drvPdf"};
    platform::Label lblPdfMap{&fraPdf, "lblPdfMap"};
    platform::CommandButton cmdMapOmhoog{&fraPdf, "cmdMapOmhoog"};
    platform::DirListBox dirPDF{&fraPdf, "dirPDF"};
    platform::FileListBox filPdf{&fraPdf, "filPdf"};
    platform::ControlArray<platform::Label> lblWind{&fraPdf, "lblWind", kWinden};
    platform::ControlArray<platform::ComboBox> comWind{&fraPdf, "comWind", kWinden};

    // --- group files ---
    platform::Frame fraGroepBestanden{this, "fraGroepBestanden"};
    platform::ListBox lstGroepBestanden{&fraGroepBestanden, "lstGroepBestanden"};
    platform::CheckBox chkSorteer{&fraGroepBestanden, "chkSorteer"};
    platform::CommandButton cmdWissen{&fraGroepBestanden, "cmdWissen"};
    platform::FileListBox filGroepen{&fraGroepBestanden, "filGroepen"};

    // --- the loaded group, subject and body ---
    platform::Frame fraGroep{this, "fraGroep"};
    platform::ListBox lstGroep{&fraGroep, "lstGroep"};
    platform::Label lblOnderwerp{&fraGroep, "lblOnderwerp"};
    platform::TextBox txtOnderwerp{&fraGroep, "txtOnderwerp"};
    platform::Label lblBody{&fraGroep, "lblBody"};
    platform::TextBox txtBody{&fraGroep, "txtBody"};

    // The players of each seat, one item "name|address" each (never shown).
    platform::ListBox lstNoord{this, "lstNoord"};
    platform::ListBox lstOost{this, "lstOost"};
    platform::ListBox lstZuid{this, "lstZuid"};
    platform::ListBox lstWest{this, "lstWest"};

    platform::CommandButton cmdVerstuur{this, "cmdVerstuur"};
    platform::CommandButton cmdTerug{this, "cmdTerug"};
    platform::CommandButton cmdFocus{this, "cmdFocus"};

    // --- the sending panel ---
    platform::PictureBox picVerStuurDeMail{this, "picVerStuurDeMail"};
    platform::Label lblWelkeHand{&picVerStuurDeMail, "lblWelkeHand"};
    platform::Label lblVerstuurDeMail{&picVerStuurDeMail, "lblVerstuurDeMail"};
    platform::Label lblPuntje{&picVerStuurDeMail, "lblPuntje"};
    platform::Timer timPuntje{this, "timPuntje"};

    // The seat list of seat w (0 North, 1 East, 2 South, 3 West).
    platform::ListBox& WindLijst(int w);

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void Form_KeyUp(int& KeyCode, int Shift) override;

    void cmdTerug_Click();
    void chkSorteer_Click();
    void cmdWissen_Click();
    void drvPdf_Change();
    void dirPDF_Change();
    void dirPDF_DblClick();
    void cmdMapOmhoog_Click();
    void filPdf_PathChange();
    void comWind_Click(int Index);
    void lstGroepBestanden_Click();
    void lstGroep_Click();
    void cmdVerstuur_Click();
    void timPuntje_Timer();

    // The file chosen for seat w: its full path, "" when the box holds no
    // item of the list (the placeholder or a typed text).
    QString GekozenPdf(int w) const;
    // The group file of the selected item ("" when none is selected).
    QString GekozenGroep() const;
    // Ticks of the progress blink.
    int PuntjeTeller = 0;
    // True while the mails go out.
    bool BezigMetVersturen() const { return versturen_; }

private:
    void ToonGroepBestanden();
    void VulPdfKeuzes();
    void Centreer();
    void Melding(const QString& tekst, int stijl);
    // What keeps the mails from going out, one line each; empty when all
    // is in place. `metMail` adds the checks of mail itself.
    QStringList Ontbreekt(bool metMail) const;
    void SchrijfAdreslijst();
    void VerstuurMails();

    QList<MapItem> pdfBestanden_;   // the file behind each item of the four boxes
    QList<MapItem> groepBestanden_; // the file behind each item of lstGroepBestanden
    QString geladenGroep_;          // shown name of the group in the seat lists
    bool versturen_ = false;
};

DECLARE_FORM(frmVeldom10, frmVeldom10Form)
