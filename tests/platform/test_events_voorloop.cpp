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
#include "platform/Prompt.h"
#include "platform/PromptKeys.h"

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
            if (k == 'q') {
                // A handler that asks a question and then moves the focus on.
                log << QStringLiteral("asked: %1").arg(MsgBox("Sure?", vbYesNo | vbQuestion) == vbYes ? "yes" : "no");
                ZetFocus(txtB);
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

void Wachtrij(QWindow* venster, QChar c) {
    const int toets = Qt::Key_A + (c.unicode() - 'a');
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
        venster, QEvent::KeyPress, toets, Qt::NoModifier, QString(c));
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
        venster, QEvent::KeyRelease, toets, Qt::NoModifier, QString(c));
}
void Wachtrij(QWidget* w, QChar c) { Wachtrij(w->window()->windowHandle(), c); }

// How long a reader looks at a question before answering it (ms).
constexpr qint64 LeesTijd = ReactionInterval + 300;

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

    // A question opened by a handler takes only the keys pressed after it
    // appeared. The keys typed before it wait, in order, for the control
    // that has the focus once the handler is done, also when they are the
    // letters of the question's buttons.
    void aQuestionAnswersOnlyToKeysPressedAfterItAppeared() {
        VoorloopForm f;
        f.Show();
        f.txtA.widget()->setFocus();
        DoEvents();
        QStringList gezien;  // what each question was answered with, and when
        QTimer antwoord;
        antwoord.setInterval(20);
        QElapsedTimer leest;  // the reader answers after reading the question
        QObject::connect(&antwoord, &QTimer::timeout, [&] {
            QWidget* vraag = QApplication::activeModalWidget();
            if (!vraag || gezien.size() >= 1 || !PromptSeen()) return;
            if (!leest.isValid()) leest.start();
            if (leest.elapsed() < LeesTijd) return;
            gezien << (HeldKeyCount() >= 3 ? "typed ahead held" : "nothing held");
            Wachtrij(vraag->windowHandle(), 'n');
        });
        antwoord.start();
        for (QChar c : QStringLiteral("qjyn")) Wachtrij(f.txtA.widget(), c);
        QTRY_COMPARE(f.log.size(), 5);
        antwoord.stop();
        QCOMPARE(gezien, QStringList({"typed ahead held"}));
        QCOMPARE(f.log, QStringList({"A q", "asked: no", "B j", "B y", "B n"}));
        QCOMPARE(f.txtA.Text(), QStringLiteral("q"));
        QCOMPARE(f.txtB.Text(), QStringLiteral("jyn"));
        QCOMPARE(HeldKeyCount(), 0);
        Unload(f);
        DoEvents();
    }

    // After the reader's pause a key answers only when the question has a
    // use for it and it does not follow the key before it closely: a letter
    // the question ignores, a key aimed at the window behind it and a
    // button's letter typed right after them all wait, in order, with the
    // keys typed ahead; "n" after another pause answers.
    void keysThatAreNoAnswerWaitWithTheOthers() {
        VoorloopForm f;
        f.Show();
        f.txtA.widget()->setFocus();
        DoEvents();
        QWindow* hoofd = f.widget()->windowHandle();
        int stap = 0;
        int heldBeforeAnswer = -1;
        QTimer antwoord;
        antwoord.setInterval(20);
        QElapsedTimer leest;
        QObject::connect(&antwoord, &QTimer::timeout, [&] {
            QWidget* vraag = QApplication::activeModalWidget();
            if (!vraag || !PromptSeen()) return;
            if (!leest.isValid()) leest.start();
            if (stap == 0 && leest.elapsed() >= LeesTijd) {
                Wachtrij(vraag->windowHandle(), 'x');
                Wachtrij(hoofd, 'y');
                Wachtrij(vraag->windowHandle(), 'j');
                stap = 1;
            } else if (stap == 1 && leest.elapsed() >= 2 * LeesTijd) {
                stap = 2;
                // The release of "q", which asked, and the three keys.
                heldBeforeAnswer = HeldKeyCount();
                Wachtrij(vraag->windowHandle(), 'n');
            }
        });
        antwoord.start();
        Wachtrij(f.txtA.widget(), 'q');
        QTRY_COMPARE_WITH_TIMEOUT(f.log.size(), 5, 10000);
        antwoord.stop();
        QCOMPARE(heldBeforeAnswer, 7);
        QCOMPARE(f.log, QStringList({"A q", "asked: no", "B x", "B y", "B j"}));
        QCOMPARE(HeldKeyCount(), 0);
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
