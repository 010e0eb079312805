// The names editor as the user works in it: typing players, saving them
// through the Save-as dialog, loading, taking out and placing back,
// deleting names files, the sort boxes and the import from the sibling
// results program.

#include <QDir>
#include <QFile>
#include <QTimer>
#include <unistd.h>
#include <QtTest>
#include <functional>
#include <memory>

#include "main/frmVeldom01.h"
#include "platform/Events.h"
#include "platform/Profile.h"
#include "players/frmVeldom04.h"
#include "saveas/frmVeldom02.h"
#include "shared/BasVeldom.h"
#include "shared/Scherm.h"
#include "support/ChildMain.h"
#include "support/GewoneGebruiker.h"
#include "support/MailTxtFixture.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace platform;

namespace {

// The marked parts of a text box: (start, length) each.
using Delen = QList<std::pair<int, int>>;

QStringList Kolom(const Grid& g, int c) {
    QStringList out;
    for (int r = 1; r < g.Rows(); ++r) out << g.TextMatrix(r, c);
    return out;
}

void Typ(frmVeldom04Form& f, const QString& naam, const QString& adres) {
    f.txtNaam[0].userEdited(naam);
    f.txtNaam[1].userEdited(adres);
}

// Saves the grid through the Save-as dialog under `naam`.
void Bewaar(frmVeldom04Form& f, const QString& naam) {
    QVERIFY(f.cmdOpslaan.Enabled());
    f.cmdOpslaan.Click();
    DoEvents();
    QVERIFY(!f.Enabled());
    QCOMPARE(AanroepScherm, 4);
    frmVeldom02Form& d = frmVeldom02();
    QCOMPARE(d.Caption(), QString("Opslaan Namen"));
    d.txtBestandsNaam.userEdited(naam);
    d.cmdOK.Click();
    DoEvents();
    QVERIFY(!frmVeldom02_IsLoaded());
    QVERIFY(f.Enabled());
}

int ItemVan(const ListBox& lst, const QString& tekst) { return lst.Items().indexOf(tekst); }

// Types `tekst` as a fast typist does: one key every two milliseconds into
// whatever holds the keyboard focus at that moment (a message box that
// opened meanwhile takes them, as on a desktop), without waiting for the
// window to catch up. "\t" is Tab; a blank on a button presses it.
void TypSnel(Form& f, const QString& tekst) {
    auto rest = std::make_shared<QString>(tekst);
    auto volgende = std::make_shared<std::function<void()>>();
    *volgende = [&f, rest, volgende] {
        if (rest->isEmpty()) return;
        const QChar c = rest->at(0);
        rest->remove(0, 1);
        // The next key is due whether or not this one is done with.
        QTimer::singleShot(2, *volgende);
        QWidget* modal = QApplication::activeModalWidget();
        QWidget* doel = modal ? (modal->focusWidget() ? modal->focusWidget() : modal)
                              : (QApplication::focusWidget() ? QApplication::focusWidget() : f.widget()->focusWidget());
        if (c == QLatin1Char('\t'))
            QTest::keyClick(doel, Qt::Key_Tab);
        else if (c == QLatin1Char(' '))
            QTest::keyClick(doel, Qt::Key_Space, Qt::NoModifier);
        else if (c.unicode() > 0x7E)
            QTest::sendKeyEvent(QTest::Click, doel, Qt::Key_unknown, QString(c), Qt::NoModifier);
        else
            QTest::keyClick(doel, c.toLatin1());
    };
    QTimer::singleShot(0, *volgende);
    QTRY_VERIFY_WITH_TIMEOUT(rest->isEmpty(), 20000);
    QTest::qWait(50);
    *volgende = nullptr;
}

}  // namespace

class TestFrmVeldom04 : public QObject {
    Q_OBJECT

protected:
    testsupport::VensterThuis home;

    frmVeldom04Form& Open() {
        AanroepScherm = 1;
        frmVeldom04Form& f = frmVeldom04();
        f.Show();
        DoEvents();
        return f;
    }
    void Sluit() {
        if (frmVeldom02_IsLoaded()) Unload(frmVeldom02());
        if (frmVeldom04_IsLoaded()) {
            frmVeldom04().GridOpgeslagen();
            Unload(frmVeldom04());
        }
        if (frmVeldom01_IsLoaded()) Unload(frmVeldom01());
        DoEvents();
    }
    QString Namen(const QString& bestand) { return home->file("namen/" + bestand); }

private slots:
    void init() {
        home.Begin({.instellingen = true});
        CvnMap.clear();
        CvnSerie.clear();
    }
    void cleanup() {
        Sluit();
        home.Einde();
    }

    void typeThreeSaveReopenDeleteOneSaveAgain() {
        frmVeldom01().Show();
        DoEvents();
        QVERIFY(frmVeldom01().cmdNamen.Enabled());
        frmVeldom01().cmdNamen.Click();
        DoEvents();
        QVERIFY(frmVeldom04_IsLoaded());
        QVERIFY(!frmVeldom01().Enabled());
        frmVeldom04Form& f = frmVeldom04();
        QCOMPARE(f.Caption(), QString("Namen"));
        QCOMPARE(f.fraNamen.Caption(), QString("Namen"));
        QVERIFY(!f.cmdToevoegen.Enabled());
        QVERIFY(!f.cmdOpslaan.Enabled());

        Typ(f, "piet Bos", "piet@bos.nl");
        QVERIFY(f.cmdToevoegen.Enabled());
        f.cmdToevoegen.Click();
        // The empty start row does not remain.
        QCOMPARE(f.msfgResultaat.Rows(), 2);
        QCOMPARE(f.fraNamen.Caption(), QString("Namen (1)"));
        QVERIFY(f.cmdOpslaan.Enabled());
        Typ(f, "Anna de Wit", "  anna@wit.nl ");
        f.cmdToevoegen.Click();
        Typ(f, "Zoë Müller", "zoe@club.nl");
        f.cmdToevoegen.Click();
        QCOMPARE(Kolom(f.msfgResultaat, 1), QStringList({"Anna de Wit", "Zoë Müller", "piet Bos"}));
        QCOMPARE(Kolom(f.msfgResultaat, 0), QStringList({"1", "2", "3"}));
        QCOMPARE(Kolom(f.msfgResultaat, 2), QStringList({"anna@wit.nl", "zoe@club.nl", "piet@bos.nl"}));
        QCOMPARE(f.txtNaam[0].Text(), QString());
        QVERIFY(f.GridGewijzigd());

        Bewaar(f, "leden");
        QCOMPARE(testsupport::ReadTestFile(Namen("leden.txt")),
                 QByteArray("1|Anna de Wit|anna@wit.nl\r\n2|Zo\xEB M\xFCller|zoe@club.nl\r\n3|piet Bos|piet@bos.nl\r\n"));
        QVERIFY(!f.GridGewijzigd());
        // Activated again: the list shows the new file.
        QCOMPARE(f.lstNamenBestand.Items(), QStringList({"leden"}));
        QCOMPARE(f.fraNamenBestand.Caption(), QString("Namen bestanden (1)"));
        QCOMPARE(AanroepScherm, 1);

        // Reopen.
        f.cmdTerug.Click();
        DoEvents();
        QVERIFY(!frmVeldom04_IsLoaded());
        QVERIFY(frmVeldom01().Enabled());
        frmVeldom01().cmdNamen.Click();
        DoEvents();
        frmVeldom04Form& g = frmVeldom04();
        QVERIFY(!g.cmdWisNamenBestand.Enabled());
        g.lstNamenBestand.SetListIndex(ItemVan(g.lstNamenBestand, "leden"));
        QVERIFY(g.cmdWisNamenBestand.Enabled());
        QCOMPARE(Kolom(g.msfgResultaat, 1), QStringList({"Anna de Wit", "Zoë Müller", "piet Bos"}));
        QCOMPARE(g.fraNamen.Caption(), QString("Namen (3)"));

        // Take out the second player and drop it.
        g.msfgResultaat.userClickCell(2, 1);
        QCOMPARE(g.txtNaam[0].Text(), QString("Zoë Müller"));
        QCOMPARE(g.txtNaam[1].Text(), QString("zoe@club.nl"));
        QCOMPARE(Kolom(g.msfgResultaat, 0), QStringList({"1", "2"}));
        QCOMPARE(g.fraNamen.Caption(), QString("Namen (2)"));
        g.cmdWisNaam.Click();
        QCOMPARE(g.txtNaam[0].Text(), QString());
        QVERIFY(!g.cmdHerstel.Enabled());

        // Saving under the same name asks before it overwrites.
        testsupport::PromptScript prompts;
        prompts.answer(vbYes);
        Bewaar(g, "leden");
        QCOMPARE(prompts.count(), 1);
        QCOMPARE(prompts.last().text, QString("Het bestand leden.txt bestaat al.\n\nHet bestand leden.txt overschrijven?"));
        QCOMPARE(testsupport::ReadTestFile(Namen("leden.txt")),
                 QByteArray("1|Anna de Wit|anna@wit.nl\r\n2|piet Bos|piet@bos.nl\r\n"));
    }

    void takeOutPlaceBackAndRestore() {
        testsupport::WriteTestFile(Namen("club.txt"), "1|Anna|a@b.nl\r\n\r\n3|Kees|k@b.nl\r\n\r\n\r\n");
        frmVeldom04Form& f = Open();
        f.lstNamenBestand.SetListIndex(0);
        // A blank line in the middle is an empty row; those at the end are not shown.
        QCOMPARE(Kolom(f.msfgResultaat, 1), QStringList({"Anna", "", "Kees"}));
        // A click on the header row, or on the empty row, takes out nothing.
        f.msfgResultaat.userClickCell(0, 1);
        f.msfgResultaat.userClickCell(2, 1);
        QCOMPARE(f.msfgResultaat.Rows(), 4);
        QCOMPARE(f.txtNaam[0].Text(), QString());
        QVERIFY(!f.GridGewijzigd());

        f.msfgResultaat.userClickCell(3, 2);
        QCOMPARE(f.txtNaam[0].Text(), QString("Kees"));
        QCOMPARE(f.BewaardeNaam, QString("Kees"));
        QVERIFY(f.cmdPlaatsTerug.Enabled());
        // While the boxes hold text no other row is taken out.
        // (the empty row that ended up last went with it)
        f.msfgResultaat.userClickCell(1, 1);
        QCOMPARE(f.msfgResultaat.Rows(), 2);
        // Edited, then restored.
        f.txtNaam[0].userEdited("Kees Bakker");
        f.cmdHerstel.Click();
        QCOMPARE(f.txtNaam[0].Text(), QString("Kees"));
        // Placed back with a wrong address: message, the boxes keep their text.
        testsupport::PromptScript prompts;
        prompts.answer(vbOK);
        f.txtNaam[1].userEdited("k@b");
        f.cmdPlaatsTerug.Click();
        QCOMPARE(prompts.last().text, QString("Fout in het e-mailadres."));
        QCOMPARE(f.txtNaam[0].Text(), QString("Kees"));
        QCOMPARE(f.msfgResultaat.Rows(), 2);
        QVERIFY(!f.cmdPlaatsTerug.Enabled());
        f.txtNaam[1].userEdited("k@b.nl");
        f.cmdToevoegen.Click();
        // Sorted, renumbered; the empty row goes to the end and is dropped.
        QCOMPARE(Kolom(f.msfgResultaat, 1), QStringList({"Anna", "Kees"}));
        QCOMPARE(Kolom(f.msfgResultaat, 0), QStringList({"1", "2"}));

        // Taking out every row leaves the header alone; Add numbers from 1 again.
        f.msfgResultaat.userClickCell(1, 1);
        f.cmdWisNaam.Click();
        f.msfgResultaat.userClickCell(1, 1);
        f.cmdWisNaam.Click();
        QCOMPARE(f.msfgResultaat.Rows(), 1);
        QCOMPARE(f.fraNamen.Caption(), QString("Namen (0)"));
        Typ(f, "Els", "els@x.nl");
        f.cmdToevoegen.Click();
        QCOMPARE(Kolom(f.msfgResultaat, 0), QStringList({"1"}));
    }

    void pastedTextIsTidiedAndKeysAreRefusedBesideTheBox() {
        frmVeldom04Form& f = Open();
        f.txtNaam[0].userEdited("Jansen  de Wit\t");
        QCOMPARE(f.txtNaam[0].Text(), QString("Jansen de Wit"));
        f.txtNaam[1].userEdited("jan..sen@@x.nl");
        QCOMPARE(f.txtNaam[1].Text(), QString("jan.sen@x.nl"));
        // Typed at the end, a second "." goes again.
        f.txtNaam[1].userEdited("jan.sen@x.nl..");
        QCOMPARE(f.txtNaam[1].Text(), QString("jan.sen@x.nl."));
        QCOMPARE(f.lblMelding.Caption(), QString());
        f.txtNaam[1].SetText("jan@x.nl");
        f.cmdToevoegen.Click();
        QCOMPARE(f.msfgResultaat.TextMatrix(1, 1), QString("Jansen de Wit"));

        // A refused key is dropped and named beside the box: no message box
        // (any prompt would fail this test).
        testsupport::PromptScript prompts;
        int key = '@';
        f.txtNaam[0].fireKeyPress(key);
        QCOMPARE(key, 0);
        const QString melding = f.lblMelding.Caption();
        QVERIFY2(melding.startsWith("Deze tekens zijn niet toegestaan. "), qPrintable(melding));
        QVERIFY(melding.contains('@') && !melding.contains('|') && !melding.section(". ", 1).contains('.'));
        // It stays while typing goes on, until the next action.
        f.txtNaam[0].userEdited("Kees");
        QCOMPARE(f.lblMelding.Caption(), melding);
        key = '|';
        f.txtNaam[1].fireKeyPress(key);
        QCOMPARE(key, 0);
        QVERIFY(!f.lblMelding.Caption().contains('@'));
        for (int ok : {int('@'), int('.'), int('a'), 8}) {
            key = ok;
            f.txtNaam[1].fireKeyPress(key);
            QCOMPARE(key, ok);
        }
        f.cmdWisNaam.Click();
        QCOMPARE(f.lblMelding.Caption(), QString());
        QCOMPARE(prompts.count(), 0);
    }

    void typingOnAfterARefusedCharacterStaysInItsOwnRecord() {
        // The real dialogs: a message box opened by the refused key would
        // take the keys typed after it.
        frmVeldom04Form& f = Open();
        ZetFocus(f, f.txtNaam[0]);
        TypSnel(f, "Noah O'Brien\tnoah@x.nl\t Olivia Price\tolivia@x.nl\t ");
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(Kolom(f.msfgResultaat, 1), QStringList({"Noah OBrien", "Olivia Price"}));
        QCOMPARE(Kolom(f.msfgResultaat, 2), QStringList({"noah@x.nl", "olivia@x.nl"}));
        QCOMPARE(f.txtNaam[0].Text(), QString());
    }

    // A letter the names file cannot hold stays as typed, marked, with the
    // reason under the boxes; Add refuses it, without a message box, until
    // it is changed.
    void lettersTheFilesCannotHoldAreKeptMarkedAndRefusedByAdd() {
        frmVeldom04Form& f = Open();
        testsupport::PromptScript prompts;  // any prompt fails the test
        int key = 0x141;  // Ł
        f.txtNaam[0].fireKeyPress(key);
        QCOMPARE(key, 0x141);
        f.txtNaam[0].userEdited(QString::fromUtf8("Łukasz Wałęsa"));
        f.txtNaam[1].userEdited(QString::fromUtf8("łukasz@x.pl"));
        QCOMPARE(f.txtNaam[0].Marks(), Delen({{0, 1}, {9, 1}, {10, 1}}));
        QCOMPARE(f.txtNaam[1].Marks(), Delen({{0, 1}}));
        QVERIFY2(f.lblMelding.Caption().contains(QString::fromUtf8("rood gemarkeerde tekens")) &&
                     f.lblMelding.Caption().contains(QString::fromUtf8("Ł ł ę")),
                 qPrintable(f.lblMelding.Caption()));
        f.cmdToevoegen.Click();
        QCOMPARE(f.msfgResultaat.TextMatrix(1, 1), QString());
        QCOMPARE(f.txtNaam[0].Text(), QString::fromUtf8("Łukasz Wałęsa"));
        QVERIFY(f.lblMelding.Caption().contains(QString::fromUtf8("Ł ł ę")));
        f.txtNaam[0].userEdited(QString::fromUtf8("Lukasz Walesa"));
        QVERIFY(f.txtNaam[0].Marks().isEmpty());
        QVERIFY(f.lblMelding.Caption().contains(QString::fromUtf8(": ł")));
        f.cmdToevoegen.Click();
        QCOMPARE(f.msfgResultaat.TextMatrix(1, 1), QString());
        QCOMPARE(f.txtNaam[1].Marks(), Delen({{0, 1}}));
        f.txtNaam[1].userEdited("lukasz@x.pl");
        QCOMPARE(f.lblMelding.Caption(), QString());
        f.cmdToevoegen.Click();
        QCOMPARE(Kolom(f.msfgResultaat, 1), QStringList({"Lukasz Walesa"}));
        QCOMPARE(prompts.count(), 0);
    }

    // A typist who goes for Add without looking: Add is not offered for a
    // name it cannot store, so Tab passes it by and no message box takes
    // the keys; the refused name keeps its letters.
    void typingOnAfterAnUnstorableNameIsNotLost() {
        frmVeldom04Form& f = Open();
        testsupport::PromptScript prompts;
        ZetFocus(f, f.txtNaam[0]);
        TypSnel(f, QString::fromUtf8("Łukasz Wałęsa\tlukasz@x.pl\t"));
        QVERIFY(!f.cmdToevoegen.Enabled());
        QVERIFY(f.widget()->focusWidget() != f.cmdToevoegen.widget());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(f.msfgResultaat.TextMatrix(1, 1), QString());
        QCOMPARE(f.txtNaam[0].Text(), QString::fromUtf8("Łukasz Wałęsa"));
        QCOMPARE(f.txtNaam[1].Text(), QString("lukasz@x.pl"));
        QVERIFY(f.lblMelding.Caption().contains(QString::fromUtf8("Ł ł ę")));
        QCOMPARE(prompts.count(), 0);
        f.cmdWisNaam.Click();
    }

    void aNameThatWouldBreakAPairIsRefusedWithTheReason() {
        frmVeldom04Form& f = Open();
        testsupport::PromptScript prompts;
        const Delen verwacht[] = {{{6, 3}}, {{5, 1}}, {{3, 1}}};
        int n = 0;
        for (const QString& naam : {QString("Jansen - de Vries"), QString("Tilde~Man"), QString("Jan|Piet")}) {
            f.txtNaam[0].userEdited(naam);
            f.txtNaam[1].userEdited("j@x.nl");
            QVERIFY2(!f.lblMelding.Caption().isEmpty(), qPrintable(naam));
            // While Add cannot add, it is not offered.
            QVERIFY2(!f.cmdToevoegen.Enabled(), qPrintable(naam));
            QVERIFY2(!f.cmdPlaatsTerug.Enabled(), qPrintable(naam));
            f.cmdToevoegen.Click();
            QCOMPARE(f.msfgResultaat.TextMatrix(1, 1), QString());
            QCOMPARE(f.txtNaam[0].Text(), naam);
            QCOMPARE(f.txtNaam[0].Marks(), verwacht[n++]);
            if (n == 1) QVERIFY(f.lblMelding.Caption().contains("\" - \""));
            if (n == 2) QVERIFY(f.lblMelding.Caption().contains("\"~\""));
            if (n == 3) QVERIFY(f.lblMelding.Caption().endsWith(" |"));
        }
        f.txtNaam[0].userEdited("Jansen-de Vries");
        QVERIFY(f.cmdToevoegen.Enabled());
        f.cmdToevoegen.Click();
        QCOMPARE(Kolom(f.msfgResultaat, 1), QStringList({"Jansen-de Vries"}));
        QCOMPARE(prompts.count(), 0);
    }

    void aTakenOutPlayerIsNotLostAfterSaveAndBack() {
        testsupport::WriteTestFile(Namen("club.txt"), "1|Anna|a@b.nl\r\n2|Kees|k@b.nl\r\n");
        frmVeldom04Form& f = Open();
        f.lstNamenBestand.SetListIndex(0);
        f.msfgResultaat.userClickCell(2, 1);
        QCOMPARE(f.txtNaam[0].Text(), QString("Kees"));
        testsupport::PromptScript prompts;
        prompts.answer(vbYes);  // overwrite club.txt
        Bewaar(f, "club");
        QVERIFY(!f.GridGewijzigd());
        // Back asks: Kees is in no file; No keeps the window and Kees.
        prompts.answer(vbNo);
        f.cmdTerug.Click();
        QVERIFY(frmVeldom04_IsLoaded());
        QVERIFY(prompts.last().text.contains("niet zijn opgeslagen"));
        QCOMPARE(f.txtNaam[0].Text(), QString("Kees"));
        // Loading another file keeps the boxes, so it does not ask.
        f.lstNamenBestand.SetListIndex(-1);
        f.lstNamenBestand.SetListIndex(0);
        QCOMPARE(prompts.count(), 2);
        // Placed back, the grid differs from the file: that is asked too.
        f.cmdPlaatsTerug.Click();
        prompts.answer(vbYes);
        f.cmdTerug.Click();
        QVERIFY(!frmVeldom04_IsLoaded());
        QCOMPARE(prompts.count(), 3);
    }

    void deletingTheLoadedFileLeavesNothingToCountOrSave() {
        frmVeldom04Form& f = Open();
        Typ(f, "Anna", "a@b.nl");
        f.cmdToevoegen.Click();
        Bewaar(f, "club");
        f.lstNamenBestand.SetListIndex(ItemVan(f.lstNamenBestand, "club"));
        QVERIFY(f.cmdOpslaan.Enabled());
        testsupport::PromptScript prompts;
        prompts.answer(vbYes);
        f.cmdWisNamenBestand.Click();
        QVERIFY(!QFile::exists(Namen("club.txt")));
        // As at opening: the bare caption, one empty row, nothing to save.
        QCOMPARE(f.fraNamen.Caption(), QString("Namen"));
        QCOMPARE(f.msfgResultaat.Rows(), 2);
        QCOMPARE(f.msfgResultaat.TextMatrix(1, 1), QString());
        QVERIFY(!f.cmdOpslaan.Enabled());
        QTest::mouseClick(f.cmdOpslaan.widget(), Qt::LeftButton);
        DoEvents();
        QVERIFY(!frmVeldom02_IsLoaded());
        QVERIFY(QDir(home->file("namen")).entryList(QDir::Files).isEmpty());
    }

    void aFileThatCannotBeDeletedSaysSo() {
        testsupport::WriteTestFile(Namen("club.txt"), "1|Anna|a@b.nl\r\n");
        frmVeldom04Form& f = Open();
        f.lstNamenBestand.SetListIndex(0);
        testsupport::PromptScript prompts;
        prompts.answer(vbYes).answer(vbOK);
        testsupport::AlsGewoneGebruikerInLeesMap(home->path(), home->file("namen"), [&] { f.cmdWisNamenBestand.Click(); });
        QVERIFY(QFile::exists(Namen("club.txt")));
        QVERIFY2(prompts.last().text.startsWith("Het bestand club.txt kan niet worden gewist."),
                 qPrintable(prompts.last().text));
        QCOMPARE(prompts.last().icon(), int(vbExclamation));
        // The grid still shows the file that is still there.
        QCOMPARE(Kolom(f.msfgResultaat, 1), QStringList({"Anna"}));
    }

    void unsavedChangesAreNotLostWithoutAQuestion() {
        testsupport::WriteTestFile(Namen("a.txt"), "1|Anna|a@b.nl\r\n");
        testsupport::WriteTestFile(Namen("b.txt"), "1|Bert|b@b.nl\r\n");
        frmVeldom04Form& f = Open();
        QCOMPARE(f.lstNamenBestand.Items(), QStringList({"a", "b"}));
        Typ(f, "Els", "els@x.nl");
        f.cmdToevoegen.Click();
        testsupport::PromptScript prompts;
        // Loading another file: No keeps the grid.
        prompts.answer(vbNo);
        f.lstNamenBestand.SetListIndex(0);
        QCOMPARE(prompts.count(), 1);
        QVERIFY(prompts.last().text.contains("niet zijn opgeslagen"));
        QCOMPARE(Kolom(f.msfgResultaat, 1), QStringList({"Els"}));
        // Deleting a file asks first; No keeps file and grid.
        prompts.answer(vbNo);
        f.cmdWisNamenBestand.Click();
        QCOMPARE(prompts.last().text, QString("Het bestand a.txt wissen.\n\nZeker weten?"));
        QVERIFY(QFile::exists(Namen("a.txt")));
        QCOMPARE(Kolom(f.msfgResultaat, 1), QStringList({"Els"}));
        // Yes deletes the file; the unsaved grid stays; nothing is selected
        // any more, so Delete is off.
        prompts.answer(vbYes);
        f.cmdWisNamenBestand.Click();
        QVERIFY(!QFile::exists(Namen("a.txt")));
        QCOMPARE(f.lstNamenBestand.Items(), QStringList({"b"}));
        QCOMPARE(Kolom(f.msfgResultaat, 1), QStringList({"Els"}));
        QVERIFY(!f.cmdWisNamenBestand.Enabled());
        // Closing asks too; No keeps the window.
        prompts.answer(vbNo);
        f.cmdTerug.Click();
        QVERIFY(frmVeldom04_IsLoaded());
        // Yes loads the other file.
        prompts.answer(vbYes);
        f.lstNamenBestand.SetListIndex(0);
        QCOMPARE(Kolom(f.msfgResultaat, 1), QStringList({"Bert"}));
        QVERIFY(!f.GridGewijzigd());
        // A saved grid is deleted without a second question and emptied.
        prompts.answer(vbYes);
        f.cmdWisNamenBestand.Click();
        QCOMPARE(f.msfgResultaat.Rows(), 2);
        QCOMPARE(f.msfgResultaat.TextMatrix(1, 1), QString());
        QCOMPARE(prompts.count(), 6);
    }

    void missingAndForeignNamesFiles() {
        testsupport::WriteTestFile(Namen("weg.txt"), "1|Anna|a@b.nl\r\n");
        testsupport::WriteTestFile(Namen("leeg.txt"), "");
        testsupport::WriteTestFile(Namen("x.y.txt"), "1|Xavier|x@y.nl|oud|veld\r\n");
        frmVeldom04Form& f = Open();
        QCOMPARE(f.lstNamenBestand.Items(), QStringList({"leeg", "weg", "x.y"}));
        // Gone since the list was made: the list is refreshed, nothing else.
        QFile::remove(Namen("weg.txt"));
        f.lstNamenBestand.SetListIndex(1);
        QCOMPARE(f.lstNamenBestand.Items(), QStringList({"leeg", "x.y"}));
        QCOMPARE(f.msfgResultaat.Rows(), 2);
        // Extra fields are dropped; the real file name is opened.
        f.lstNamenBestand.SetListIndex(1);
        QCOMPARE(Kolom(f.msfgResultaat, 2), QStringList({"x@y.nl"}));
        // An empty file: no data rows.
        f.lstNamenBestand.SetListIndex(0);
        QCOMPARE(f.msfgResultaat.Rows(), 1);
        QCOMPARE(f.fraNamen.Caption(), QString("Namen (0)"));
        // A folder named like a names file is not read.
        QDir().mkpath(Namen("map.txt"));
        f.chkSorteer(0).SetValue(0);
        f.chkSorteer(0).SetValue(1);
        QVERIFY(!f.lstNamenBestand.Items().contains("map"));
    }

    void sortBoxIsStoredAndSurvivesARestart() {
        for (const char* n : {"b.txt", "A.txt", "c.txt"}) testsupport::WriteTestFile(Namen(n), "1|x|x@y.nl\r\n");
        frmVeldom04Form& f = Open();
        QCOMPARE(f.lstNamenBestand.Items(), QStringList({"A", "b", "c"}));
        QCOMPARE(f.chkSorteer(0).Caption(), QString("Sorteer &hoog-laag"));
        QCOMPARE(f.chkSorteer(1).Caption(), QString("Sorteer hoog-l&aag"));
        f.chkSorteer(0).userToggled();
        QCOMPARE(f.lstNamenBestand.Items(), QStringList({"c", "b", "A"}));
        QCOMPARE(f.chkSorteer(0).Caption(), QString("Sorteer laag-&hoog"));
        QCOMPARE(ReadProfileString(SorteerIniBestand(), "Sorteer", "frmVeldom04.chkSorteer0"), QString("1"));
        Unload(f);
        frmVeldom04Form& g = Open();
        QCOMPARE(g.chkSorteer(0).Value(), 1);
        QCOMPARE(g.lstNamenBestand.Items(), QStringList({"c", "b", "A"}));
        Unload(g);
        // A stored value other than 0 or 1 counts as descending.
        WriteProfileString(SorteerIniBestand(), "Sorteer", "frmVeldom04.chkSorteer0", "7");
        frmVeldom04Form& h = Open();
        QCOMPARE(h.lstNamenBestand.Items(), QStringList({"c", "b", "A"}));
    }

    void importFromTheSiblingProgram() {
        QTemporaryDir cvn;
        CvnMap = cvn.path();
        CvnSerie = "Namen bestand in CVN 6 Serie";
        testsupport::WriteTestFile(cvn.filePath("namen/leden.abs"),
                                   "1|x| piet |Bos |4| piet@bos.nl \r\n"
                                   "\r\n"
                                   "2|x||Anna|4|anna@x.nl|9\r\n"
                                   "3|x|Kort\r\n"
                                   "4|x|  |  |4|niemand@x.nl\r\n"
                                   "5|x|Kees|Wit|4|kees wit@x\r\n"
                                   "6|x|Anna - Maria|Smit|4|am@x.nl\r\n"
                                   "7|x|Tilde~|Man|4|\r\n");
        testsupport::WriteTestFile(cvn.filePath("namen/leeg.abs"), "");
        testsupport::WriteTestFile(cvn.filePath("namen/blanco.abs"), "  \r\n\r\n");
        frmVeldom04Form& f = Open();
        QVERIFY(f.fraNamenUitCVN.Enabled());
        QCOMPARE(f.fraNamenUitCVN.Caption(), QString("Namen bestand in CVN 6 Serie (3)"));
        QCOMPARE(f.lstImporteerNamen.Items(), QStringList({"blanco", "leden", "leeg"}));
        QCOMPARE(ReadProfileString(IniBestand, "Mappen", "CVN map"), CvnMap);
        QVERIFY(!f.cmdOKImporTeer.Enabled());

        // An empty file changes nothing; Import stays on.
        f.lstImporteerNamen.SetListIndex(2);
        QVERIFY(f.cmdOKImporTeer.Enabled());
        f.cmdOKImporTeer.Click();
        QVERIFY(f.cmdOKImporTeer.Enabled());
        QCOMPARE(f.msfgResultaat.Rows(), 2);

        // Choosing a file leaves the edit boxes; the import empties them,
        // after asking.
        f.txtNaam[0].userEdited("iets");
        f.lstImporteerNamen.SetListIndex(1);
        QCOMPARE(f.txtNaam[0].Text(), QString("iets"));
        {
            testsupport::PromptScript vraag;
            vraag.answer(vbYes).answer(vbOK);
            f.cmdOKImporTeer.Click();
            // What was left out or changed is listed, with the reason.
            QCOMPARE(vraag.count(), 2);
            const QString verslag = vraag.last().text;
            QVERIFY2(verslag.startsWith("Uit leden.abs zijn 4 spelers overgenomen."), qPrintable(verslag));
            for (const char* deel : {"\n    Anna - Maria Smit\n    Tilde~ Man", "\n    Kees Wit (kees wit@x)"})
                QVERIFY2(verslag.contains(deel), deel);
        }
        QCOMPARE(f.txtNaam[0].Text(), QString());
        QVERIFY(!f.cmdOKImporTeer.Enabled());
        QCOMPARE(Kolom(f.msfgResultaat, 1), QStringList({"Anna", "Kees Wit", "Kort", "piet Bos"}));
        QCOMPARE(Kolom(f.msfgResultaat, 2), QStringList({"anna@x.nl", "", "", "piet@bos.nl"}));
        QCOMPARE(Kolom(f.msfgResultaat, 0), QStringList({"1", "2", "3", "4"}));
        QCOMPARE(f.fraNamen.Caption(), QString("Namen (4)"));
        QVERIFY(f.cmdOpslaan.Enabled());

        // Importing over unsaved work asks first.
        testsupport::PromptScript prompts;
        prompts.answer(vbYes);
        f.lstImporteerNamen.SetListIndex(0);
        f.cmdOKImporTeer.Click();
        QCOMPARE(prompts.count(), 1);
        QCOMPARE(f.msfgResultaat.Rows(), 1);
        QCOMPARE(f.fraNamen.Caption(), QString("Namen (0)"));
        QVERIFY(!f.cmdOpslaan.Enabled());

        // The sibling folder is only read: nothing was created in it.
        QCOMPARE(QDir(cvn.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"namen"}));
        QCOMPARE(QDir(cvn.filePath("namen")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 3);
        CvnMap.clear();
    }

    void theSiblingNamesFolderIsFoundInAnyCase() {
        QTemporaryDir cvn;
        CvnMap = cvn.path();
        CvnSerie = "Namen bestand in CVN 6 Serie";
        testsupport::WriteTestFile(cvn.filePath("Namen/leden.abs"), "1|x|Piet|Bos|4|piet@bos.nl\r\n");
        frmVeldom04Form& f = Open();
        QCOMPARE(f.lstImporteerNamen.Items(), QStringList({"leden"}));
        f.lstImporteerNamen.SetListIndex(0);
        f.cmdOKImporTeer.Click();
        QCOMPARE(Kolom(f.msfgResultaat, 1), QStringList({"Piet Bos"}));
        // No second, lower-case folder was made beside it.
        QCOMPARE(QDir(cvn.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList({"Namen"}));
        CvnMap.clear();
    }

    void withoutTheSiblingProgramTheImportFrameIsOff() {
        frmVeldom04Form& f = Open();
        QVERIFY(!f.fraNamenUitCVN.Enabled());
        QCOMPARE(f.lstImporteerNamen.ListCount(), 0);
        QCOMPARE(ReadProfileString(IniBestand, "Mappen", "CVN map"), QString());
    }

    void englishCaptions() {
        TaalNummer = 11;
        frmVeldom04Form& f = Open();
        QCOMPARE(f.Caption(), QString("Names"));
        QCOMPARE(f.cmdToevoegen.Caption(), QString("&Add"));
        QCOMPARE(f.cmdWisNaam.Caption(), QString("De&lete name"));
        QCOMPARE(f.cmdOpslaan.Caption(), QString("Sa&ve"));
        QCOMPARE(f.cmdHerstel.Caption(), QString("&Recover"));
        QCOMPARE(f.lblMail.Caption(), QString("E-mail address:"));
        QCOMPARE(f.msfgResultaat.TextMatrix(0, 0), QString("Number"));
        TaalNummer = 10;
        Unload(f);
        frmVeldom04Form& g = Open();
        QCOMPARE(g.cmdOpslaan.Caption(), QString("O&pslaan"));
        QCOMPARE(g.cmdToevoegen.Caption(), QString("Toe&voegen"));
        QCOMPARE(g.cmdWisNaam.Caption(), QString("Wi&s naam"));
        QCOMPARE(g.cmdHerstel.Caption(), QString("H&erstel"));
        QCOMPARE(g.cmdTerug.Caption(), QString("&Terug"));
    }
};

// Pictures for the documentation, not a test: run with DROVIK_SCREENSHOTS
// naming a folder and "--child screenshots".
class KindFrmVeldom04 : public TestFrmVeldom04 {
    Q_OBJECT

private slots:
    // Pictures of an unstorable name refused by Add and of the import
    // report, in both languages, when DROVIK_SCREENSHOTS names a folder.
    void screenshots() {
        const QString map = qEnvironmentVariable("DROVIK_SCREENSHOTS");
        QVERIFY2(!map.isEmpty(), "DROVIK_SCREENSHOTS names no folder");
        QTemporaryDir cvn;
        CvnMap = cvn.path();
        testsupport::WriteTestFile(cvn.filePath("namen/leden.abs"),
                                   "1|x|Piet|Bos|4|piet@bos.nl\r\n2|x|Anna - Maria|Smit|4|am@x.nl\r\n"
                                   "3|x|Kees|Wit|4|kees wit@x\r\n4|x|Els|de  Vries|4|els@x.nl\r\n"
                                   "5|x|Tilde~|Man|4|\r\n");
        QtPromptHandler echt;
        for (int taal : {10, 11}) {
            TaalNummer = taal;
            CvnSerie = taal == 10 ? "Namen bestand in CVN 6 Serie" : "Names file in CVN 6 Series";
            frmVeldom04Form& f = Open();
            ZetFocus(f, f.txtNaam[0]);
            TypSnel(f, QString::fromUtf8("Łukasz Wałęsa\tlukasz@x.pl\t "));
            f.widget()->grab().save(QStringLiteral("%1/names-%2-unstorable.png").arg(map).arg(taal));
            f.cmdWisNaam.Click();
            PromptHandler* vorige = SetPromptHandler(&echt);
            QTimer::singleShot(300, [&] {
                if (QWidget* w = QApplication::activeModalWidget()) {
                    w->grab().save(QStringLiteral("%1/names-%2-import.png").arg(map).arg(taal));
                    w->close();
                }
            });
            f.lstImporteerNamen.SetListIndex(0);
            f.cmdOKImporTeer.Click();
            SetPromptHandler(vorige);
            f.GridOpgeslagen();
            Unload(f);
            DoEvents();
        }
        TaalNummer = 10;
        CvnMap.clear();
    }
};

DROVIK_TEST_MAIN_WITH_CHILD(QApplication, TestFrmVeldom04, KindFrmVeldom04)
#include "test_frmveldom04.moc"
