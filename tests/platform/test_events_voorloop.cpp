// Keys typed ahead of a handler that lets pending events run: they wait
// until the handler is done and then come in the order typed, to the
// control that has the focus by then; timers and repaints still run inside
// the handler. Keys are queued the way the windowing system queues them.
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QWindow>
#include <QtTest>
#include <qpa/qwindowsysteminterface.h>

#include "platform/App.h"
#include "platform/Controls.h"
#include "platform/Events.h"
#include "platform/Form.h"

using namespace platform;

namespace {

class VoorloopForm : public Form {
public:
    VoorloopForm() : Form("frmVoorloop") {
        Move(0, 0, 4000, 2000);
        txtA.Move(120, 120, 1500, 315);
        txtB.Move(120, 600, 1500, 315);
        txtA.OnKeyPress([this](int& k) {
            log << QStringLiteral("A %1").arg(QChar(k));
            if (k == 'x') {
                // A handler that takes its time and lets events run, and
                // moves the focus on while doing so.
                QElapsedTimer t;
                t.start();
                while (t.elapsed() < 5) {}
                ZetFocus(txtB);
                DoEvents();
                log << QStringLiteral("handled x, %1 ticks").arg(ticks);
            }
        });
        txtB.OnKeyPress([this](int& k) { log << QStringLiteral("B %1").arg(QChar(k)); });
        timTik.SetInterval(1);
        timTik.OnTimer([this] { ++ticks; });
    }
    void ZetFocus(TextBox& t) {
        t.widget()->setFocus();
    }

    TextBox txtA{this, "txtA"};
    TextBox txtB{this, "txtB"};
    Timer timTik{this, "timTik"};
    QStringList log;
    int ticks = 0;
};

void Wachtrij(QWidget* w, QChar c) {
    QWindow* venster = w->window()->windowHandle();
    const int toets = Qt::Key_A + (c.unicode() - 'a');
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
        venster, QEvent::KeyPress, toets, Qt::NoModifier, QString(c));
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
        venster, QEvent::KeyRelease, toets, Qt::NoModifier, QString(c));
}

}  // namespace

class TestEventsVoorloop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetupApplication(*qApp); }

    void keysTypedAheadWaitForTheHandler() {
        VoorloopForm f;
        f.Show();
        f.txtA.widget()->setFocus();
        DoEvents();
        f.timTik.SetEnabled(false);
        f.ticks = 0;
        f.timTik.SetEnabled(true);
        // Three keys in the queue before the window handles the first.
        Wachtrij(f.txtA.widget(), 'x');
        Wachtrij(f.txtA.widget(), 'y');
        Wachtrij(f.txtA.widget(), 'z');
        QTRY_COMPARE(f.log.size(), 4);
        QCOMPARE(f.log.at(0), QStringLiteral("A x"));
        QVERIFY2(f.log.at(1).startsWith("handled x"), qPrintable(f.log.join(" | ")));
        QVERIFY2(!f.log.at(1).endsWith(" 0 ticks"), qPrintable(f.log.at(1)));
        QCOMPARE(f.log.mid(2), QStringList({"B y", "B z"}));
        QCOMPARE(f.txtA.Text(), QStringLiteral("x"));
        QCOMPARE(f.txtB.Text(), QStringLiteral("yz"));
        f.timTik.SetEnabled(false);
        Unload(f);
        DoEvents();
    }

    void outsideAHandlerEverythingRuns() {
        VoorloopForm f;
        f.Show();
        f.txtB.widget()->setFocus();
        DoEvents();
        Wachtrij(f.txtB.widget(), 'y');
        DoEvents();
        QCOMPARE(f.log, QStringList({"B y"}));
        Unload(f);
        DoEvents();
    }
};

QTEST_MAIN(TestEventsVoorloop)
#include "test_events_voorloop.moc"
