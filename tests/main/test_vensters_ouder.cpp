// Every window opened from another one tells the window system which window
// it belongs to (its transient parent), so that a desktop keeping children
// above their parents never hides it behind its disabled opener: each window
// of the main window, the match-name box over results entry, and the message
// boxes those windows ask, opened the way the user opens them.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <memory>

#include "main/frmVeldom01.h"
#include "platform/App.h"
#include "platform/Events.h"
#include "results/StartWedstrijd11.h"
#include "results/frmVeldom11.h"
#include "saveas/frmVeldom02.h"
#include "settings/frmVeldom06.h"
#include "support/VensterThuis.h"

using namespace platform;

namespace {

QWindow* VensterVan(Form& f) { return f.hasWidget() ? f.widget()->windowHandle() : nullptr; }

QWindow* OuderVan(Form& f) {
    QWindow* w = VensterVan(f);
    return w ? w->transientParent() : nullptr;
}

// The program's own message boxes, each answered with its default button
// once it is up; for each, the window it names as its parent.
class EchteDozen {
public:
    EchteDozen() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            ouders << (box->windowHandle() ? box->windowHandle()->transientParent() : nullptr);
            (box->defaultButton() ? box->defaultButton() : box->buttons().front())->click();
        });
        timer_.start();
    }
    QList<QWindow*> ouders;

private:
    QTimer timer_;
};

}  // namespace

class TestVenstersOuder : public QObject {
    Q_OBJECT
    testsupport::VensterThuis home;
    std::unique_ptr<EchteDozen> dozen;  // also for the boxes windows ask as they close

private slots:
    void initTestCase() {
        SetupApplication(*qApp);
        SetEndHandler([] {});
    }
    void init() {
        home.Begin({.instellingen = true});
        dozen = std::make_unique<EchteDozen>();
    }
    void cleanup() {
        home.Einde();
        dozen.reset();
    }

    void everyWindowOfTheMainWindowNamesIt() {
        frmVeldom01Form& h = frmVeldom01();
        h.Show();
        DoEvents();
        QVERIFY(VensterVan(h));
        QCOMPARE(OuderVan(h), nullptr);  // nothing else is up
        // Each window by the name of its class, with the main window's button.
        const QList<QPair<QString, void (frmVeldom01Form::*)()>> knoppen = {
            {"frmVeldom06", &frmVeldom01Form::cmdInstellingen_Click},
            {"frmVeldom04", &frmVeldom01Form::cmdNamen_Click},
            {"frmVeldom05", &frmVeldom01Form::cmdGroepen_Click},
            {"frmVeldom11", &frmVeldom01Form::cmdInvoeren_Click},
            {"frmVeldom10", &frmVeldom01Form::cmdVerstuur_Click},
            {"frmVeldom07", &frmVeldom01Form::cmdPrinterInstellingen_Click},
        };
        QStringList gevraagd;
        for (const auto& [naam, knop] : knoppen) {
            const qsizetype eerder = dozen->ouders.size();
            (h.*knop)();
            DoEvents();
            Form* kind = ActiveForm();
            QVERIFY2(kind && kind->Name() == naam && !h.Enabled(), qPrintable(naam));
            QVERIFY2(OuderVan(*kind) == VensterVan(h), qPrintable(naam));
            QCOMPARE(OuderVan(h), nullptr);
            // A box the window asks as it opens names that window, not the
            // main window behind it.
            for (qsizetype i = eerder; i < dozen->ouders.size(); ++i) {
                QVERIFY2(dozen->ouders[i] == VensterVan(*kind), qPrintable(naam));
                gevraagd << naam;
            }
            QVERIFY2(Unload(*kind), qPrintable(naam));
            DoEvents();
            QVERIFY2(h.Enabled(), qPrintable(naam));
        }
        // The printer settings ask for a PDF printer as they open.
        QCOMPARE(gevraagd, QStringList{"frmVeldom07"});
    }

    void theMatchNameBoxNamesResultsEntryAndItsBoxNamesTheMatchNameBox() {
        SchrijfTestGroep(QStringLiteral("Groep"), 4);
        frmVeldom11Form& f = OpenInvoer();
        QCOMPARE(OuderVan(f), VensterVan(frmVeldom01()));
        QVERIFY(KiesInLijst(f.lstGroepen, "Groep"));
        f.cmdOpslaanAls.Click();
        DoEvents();
        QVERIFY(frmVeldom02_IsLoaded());
        frmVeldom02Form& naam = frmVeldom02();
        QVERIFY(VensterVan(naam));
        QCOMPARE(OuderVan(naam), VensterVan(f));
        // A name the disk cannot take: the box that says so names the
        // match-name box, which waits behind it.
        const qsizetype eerder = dozen->ouders.size();
        naam.txtBestandsNaam.SetText("a/b");
        naam.cmdOK.Click();
        QCOMPARE(dozen->ouders.size(), eerder + 1);
        QCOMPARE(dozen->ouders.back(), VensterVan(naam));
        QVERIFY(frmVeldom02_IsLoaded());
    }

    void aWindowShownAgainAfterItWasHiddenStillNamesItsOpener() {
        frmVeldom01Form& h = frmVeldom01();
        h.Show();
        DoEvents();
        h.cmdInstellingen_Click();
        DoEvents();
        frmVeldom06Form& s = frmVeldom06();
        s.Hide();
        DoEvents();
        QVERIFY(!s.widget()->isVisible());
        s.Show();
        DoEvents();
        QVERIFY(s.widget()->isVisible());
        QCOMPARE(OuderVan(s), VensterVan(h));
        QCOMPARE(ActiveForm(), static_cast<Form*>(&s));
    }
};

QTEST_MAIN(TestVenstersOuder)
#include "test_vensters_ouder.moc"
