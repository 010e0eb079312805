// A match made from a group in the results entry copies the group file as
// its mail list. That copy reads like every reader of group files: a FIFO
// or a link to a device in the group's place is refused with a message,
// never waited on or read without end.

#include <QtTest>
#include <memory>
#include <sys/stat.h>

#include "main/frmVeldom01.h"
#include "platform/Events.h"
#include "results/frmVeldom11.h"
#include "results/StartWedstrijd11.h"
#include "results/WedstrijdBestanden.h"
#include "saveas/frmVeldom02.h"
#include "shared/BasVeldom.h"
#include "shared/GroepBestand.h"
#include "support/MailTxtFixture.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace platform;

class TestSaveasMaillijst : public QObject {
    Q_OBJECT
    testsupport::VensterThuis home;

private slots:
    void init() {
        home.Begin({.instellingen = true});
    }
    void cleanup() {
        testsupport::PromptScript prompts;
        home.Einde();
    }

    void theGroupInTheMailListsPlaceIsReadSafely() {
        const QVector<groep::Paar> paren{{{"A", "a@x.nl"}, {"B", "b@x.nl"}}, {{"C", ""}, {"D", ""}}};
        const QString groepPad = home->file("groepen/Groep.txt");
        for (int soort = 0; soort < 3; ++soort) {
            QVERIFY(groep::SchrijfGroep("Groep", paren));
            frmVeldom11Form& f = OpenInvoer();
            const int g = f.lstGroepen.Items().indexOf("Groep");
            QVERIFY(g >= 0);
            f.lstGroepen.SetListIndex(g);
            QVERIFY(f.cmdOpslaanAls.Enabled());
            // Between choosing the group and saving, its file is replaced.
            QFile::remove(groepPad);
            if (soort == 0) QCOMPARE(::mkfifo(QFile::encodeName(groepPad).constData(), 0600), 0);
            if (soort == 1) QVERIFY(QFile::link("/dev/zero", groepPad));
            if (soort == 2) testsupport::WriteTestFile(groepPad, QByteArray(2 * 1024 * 1024, 'x'));
            testsupport::PromptScript prompts;
            prompts.answer(vbOK);
            f.cmdOpslaanAls.Click();
            QVERIFY(frmVeldom02_IsLoaded());
            const QString naam = QString("Ronde %1").arg(soort);
            frmVeldom02().txtBestandsNaam.SetText(naam);
            frmVeldom02().cmdOK.Click();
            DoEvents();
            QCOMPARE(prompts.count(), 1);
            QVERIFY2(prompts.last().text.startsWith("Het bestand " + naam + " mail.txt kan niet worden bewaard.\n\n"),
                     qPrintable(prompts.last().text));
            QVERIFY(prompts.last().text.contains("Groep.txt"));
            QVERIFY(!QFileInfo::exists(uitslag::SchrijfPad(uitslag::WedstrijdBestand::MailLijst, naam)));
            prompts.answer(vbOK);  // the entry window's hint: no match was made
            Unload(frmVeldom02());
            DoEvents();
            Unload(f);
            DoEvents();
            QFile::remove(groepPad);
        }
    }
};

QTEST_MAIN(TestSaveasMaillijst)
#include "test_saveas_maillijst.moc"
