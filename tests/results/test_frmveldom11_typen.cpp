// Typing contracts into the results entry window as users do: keys that
// arrive faster than the window handles them, a caret moved into the
// entry, rows cleared for re-editing in any order, Enter after a table
// that was passed out or not played.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <qpa/qwindowsysteminterface.h>

#include <memory>

#include "main/frmVeldom01.h"
#include "platform/App.h"
#include "platform/Events.h"
#include "platform/Form.h"
#include "platform/Prompt.h"
#include "platform/PromptKeys.h"
#include "results/ContractNotatie.h"
#include "results/frmVeldom11.h"
#include "results/StartWedstrijd11.h"
#include "results/WedstrijdBestanden.h"
#include "shared/BasVeldom.h"
#include "support/MailTxtFixture.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace platform;

namespace {

int QtToets(QChar c) {
    if (c.isDigit()) return Qt::Key_0 + c.digitValue();
    if (c.isLetter()) return Qt::Key_A + (c.toUpper().unicode() - 'A');
    switch (c.unicode()) {
    case '+': return Qt::Key_Plus;
    case '-': return Qt::Key_Minus;
    case '!': return Qt::Key_Exclam;
    case '=': return Qt::Key_Equal;
    default: return Qt::Key_unknown;
    }
}

// A typist faster than the window: the windowing system queues each key
// the moment the window starts handling the one before it, as keys typed
// at 40 ms arrive while a board is being finished. Keys go to whatever has
// the focus when they are handled, as real keys do. A key that the window
// took in while it was still busy with an earlier one was early; the key
// after it comes once the window is done with both.
class SnelleTypist : public QObject {
public:
    SnelleTypist(QWidget* doel, QString toetsen) : doel_(doel), toetsen_(std::move(toetsen)) {
        qApp->installEventFilter(this);
    }
    ~SnelleTypist() override { qApp->removeEventFilter(this); }

    // Types every key; false when they were not all handled within 20 s.
    bool Typ() {
        Volgende();
        QElapsedTimer klok;
        klok.start();
        while (behandeld_ < toetsen_.size() && klok.elapsed() < 20000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            if (uitgesteld_) {
                uitgesteld_ = false;
                Volgende();
            }
        }
        QCoreApplication::processEvents();
        return behandeld_ == toetsen_.size();
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::KeyPress && e->spontaneous() && o == doel_) {
            ++behandeld_;
            if (EventScope::depth() == 0)
                Volgende();
            else
                uitgesteld_ = true;
        }
        return false;
    }

private:
    void Volgende() {
        if (gestuurd_ >= toetsen_.size()) return;
        const QChar c = toetsen_.at(gestuurd_++);
        QWindow* w = doel_->window()->windowHandle();
        QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
            w, QEvent::KeyPress, QtToets(c), Qt::NoModifier, QString(c));
        QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
            w, QEvent::KeyRelease, QtToets(c), Qt::NoModifier, QString(c));
    }

    QWidget* doel_;
    QString toetsen_;
    int gestuurd_ = 0;
    int behandeld_ = 0;
    bool uitgesteld_ = false;
};

// Keys put in the window system's queue at once: all typed before the
// window handles the first of them.
void Wachtrij(QWindow* w, const QString& toetsen) {
    for (QChar c : toetsen) {
        QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
            w, QEvent::KeyPress, QtToets(c), Qt::NoModifier, QString(c));
        QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
            w, QEvent::KeyRelease, QtToets(c), Qt::NoModifier, QString(c));
    }
}

void Tik(frmVeldom11Form& f, const QString& tekst) { QTest::keyClicks(f.txtContract.widget(), tekst); }

}  // namespace

class TestFrmVeldom11Typen : public QObject {
    Q_OBJECT

    testsupport::VensterThuis home;

    // A started match "W" of `paren` pairs with board 1 open, in immediate
    // mode.
    frmVeldom11Form& Wedstrijd(int paren) {
        frmVeldom11Form& f = StartWedstrijdW(*home, paren);
        f.chkEnter.SetValue(0);
        f.cmdSpel_Click(1);
        return f;
    }
    static void Klik(Label& l, Qt::MouseButton knop = Qt::LeftButton) {
        QVERIFY(l.widget());
        QTest::mouseClick(l.widget(), knop, Qt::NoModifier, QPoint(2, 2));
    }

private slots:
    void initTestCase() {
        SetupApplication(*qApp);
        SetEndHandler([] {});
    }
    void init() {
        home.Begin();
        AanroepScherm = 0;
    }
    void cleanup() {
        home.Einde();
    }

    // Three boards typed in one run of keys, each key arriving while the
    // one before it is still being handled; the last table of a board
    // opens the next board from inside its key. Every contract lands in
    // the row and board it was typed for.
    void fastTypingLosesNothing() {
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = Wedstrijd(8);
        f.chkNieuwSpel.SetValue(1);
        const QStringList contracten = {"3acn",  "4hc!n", "2s+1!n", "3rco",  // board 1
                                        "3a-1w", "p",     "6acn",   "2r-1o", // board 2
                                        "5kcz",  "3ac!o", "1a+1!!n", "n"};   // board 3
        SnelleTypist typist(f.txtContract.widget(), contracten.join(QString()));
        QVERIFY(typist.Typ());
        QCOMPARE(KlaarVlaggen.left(3), QStringLiteral("111"));
        QCOMPARE(f.cmdSpel[0].Tag(), QStringLiteral("4"));
        QCOMPARE(f.txtContract.Text(), QString());
        for (int b = 1; b <= 3; ++b) {
            ControleerBord(b, contracten.mid((b - 1) * 4, 4));
            if (QTest::currentTestFailed()) return;
        }
        QCOMPARE(prompts.count(), 0);
    }

    // "5r-1" and "1" ask whether a double was meant. The keys typed on
    // after it (the declarer, the next contracts, whose "n" would answer
    // No) were typed before the question appeared: they wait for it, and
    // only the key pressed once it is on screen answers it. Yes on the
    // first board, No on the second, with the real question box.
    void keysTypedAheadOfTheDoubleQuestionWaitForIt() {
        frmVeldom11Form& f = Wedstrijd(8);
        f.chkNieuwSpel.SetValue(1);
        const QStringList bord1 = {"5r-1!o", "3acn", "4hcz", "2s+1w"};
        const QStringList bord2 = {"5h-11w", "3acn", "4hcz", "2s+1w"};
        const QString getypt = QStringLiteral("5r-11o3acn4hcz2s+1w5h-11w3acn4hcz2s+1w");
        QStringList vragen;
        const QList<QChar> antwoorden = {'j', 'n'};
        QPointer<QWidget> beantwoord;
        QTimer antwoord;
        antwoord.setInterval(20);
        QElapsedTimer leest;  // the reader answers a question once he has read it
        QObject::connect(&antwoord, &QTimer::timeout, [&] {
            auto* vraag = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!vraag || vraag == beantwoord || !PromptSeen()) return;
            if (!leest.isValid()) leest.start();
            if (leest.elapsed() < qint64(ReactionInterval) + 300) return;
            leest.invalidate();
            beantwoord = vraag;
            vragen << vraag->text();
            const QChar toets = vragen.size() <= antwoorden.size() ? antwoorden[vragen.size() - 1] : QChar('n');
            Wachtrij(vraag->windowHandle(), QString(toets));
        });
        antwoord.start();
        Wachtrij(f.txtContract.widget()->window()->windowHandle(), getypt);
        QTRY_VERIFY_WITH_TIMEOUT(KlaarVlaggen.left(2) == QStringLiteral("11") || vragen.size() > 2, 10000);
        QTRY_COMPARE(HeldKeyCount(), 0);
        DoEvents();
        antwoord.stop();
        QCOMPARE(vragen, QStringList({TaalTekst(142), TaalTekst(142)}));
        ControleerBord(1, bord1);
        ControleerBord(2, bord2);
        QCOMPARE(f.cmdSpel[0].Tag(), QStringLiteral("3"));
        QCOMPARE(f.txtContract.Text(), QString());
    }

    // A key the entry does not take is noticed: the bell sounds and the box
    // turns red for a moment, whether the key filter swallows it or the
    // position rules take it out again: a typist who does not watch the
    // screen would otherwise type the next table's keys into this entry.
    void aRefusedKeyRingsAndMarksTheBox() {
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = Wedstrijd(8);
        QWidget* w = f.txtContract.widget();
        const QColor gewoon = w->palette().color(QPalette::Base);
        const int bel = BellCount();
        Tik(f, "6a+");
        QCOMPARE(BellCount(), bel);
        QVERIFY(!f.txtContract.RefusalMarked());
        Tik(f, "2");  // six and two overtricks: taken out again
        QCOMPARE(f.txtContract.Text(), QStringLiteral("6a+"));
        QCOMPARE(BellCount(), bel + 1);
        QVERIFY(f.txtContract.RefusalMarked());
        QVERIFY(w->palette().color(QPalette::Base) != gewoon);
        QTRY_VERIFY(!f.txtContract.RefusalMarked());
        QCOMPARE(w->palette().color(QPalette::Base), gewoon);
        Tik(f, "X");  // no notation character: the key filter swallows it
        QCOMPARE(BellCount(), bel + 2);
        QVERIFY(f.txtContract.RefusalMarked());
        QCOMPARE(f.txtContract.Text(), QStringLiteral("6a+"));
        // Keys that are taken ring nothing.
        Tik(f, "1n");
        QCOMPARE(f.lblContractNZ[0].Caption(), QStringLiteral("6A+1"));
        QCOMPARE(BellCount(), bel + 2);
        QCOMPARE(prompts.count(), 0);
    }

    // Two rows cleared by the left button, the upper one first: the prompt
    // names the row clicked last, and that is where the next contract
    // goes; then the prompt names the row still free.
    void aReEditedRowTakesTheContractThePromptNamesItFor() {
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = Wedstrijd(10);  // 5 tables
        for (const char* c : {"3acn", "4scz", "2h+1w", "3a-1o", "p"}) Tik(f, c);
        QCOMPARE(KlaarVlaggen.at(0), QLatin1Char('1'));
        Klik(f.lblContractNZ[1]);
        QVERIFY(f.lblContract.Caption().contains("3 - 4"));
        Klik(f.lblContractOW[3]);
        QVERIFY2(f.lblContract.Caption().contains("7 - 8"), qPrintable(f.lblContract.Caption()));
        QCOMPARE(f.lblContractNZ[1].Caption(), QString());
        QCOMPARE(f.lblContractOW[3].Caption(), QString());

        Tik(f, "2acn");
        QCOMPARE(f.lblContractNZ[3].Caption(), QStringLiteral("2AC"));
        QCOMPARE(f.lblScoreNZ[3].Caption(), QStringLiteral("120"));
        QCOMPARE(f.lblContractNZ[1].Caption(), QString());
        QCOMPARE(f.lblContractOW[1].Caption(), QString());
        QVERIFY2(f.lblContract.Caption().contains("3 - 4"), qPrintable(f.lblContract.Caption()));
        QCOMPARE(f.cmdArbitrale.Tag(), QStringLiteral("1"));
        QCOMPARE(KlaarVlaggen.at(0), QLatin1Char('0'));

        Tik(f, "4s+1z");
        QCOMPARE(f.lblContractNZ[1].Caption(), QStringLiteral("4S+1"));
        QCOMPARE(KlaarVlaggen.at(0), QLatin1Char('1'));
        std::vector<uitslag::SpelRij> rijen;
        QVERIFY(uitslag::LeesSpelUitslag("W", 1, uitslag::NotatieAlfabet(10), rijen).Gelukt());
        QCOMPARE(rijen[1].contractNZ, QStringLiteral("4S+1"));
        QCOMPARE(rijen[3].contractNZ, QStringLiteral("2AC"));
        QCOMPARE(prompts.count(), 0);
    }

    // With the caret moved into the entry (by the arrow keys, or by a
    // paste over it), a key never removes a character it did not type.
    void aCaretInsideTheEntryChangesNothingButTheEnd() {
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = Wedstrijd(8);
        f.chkEnter.SetValue(1);  // the entry waits in the box for Enter
        QWidget* w = f.txtContract.widget();
        Tik(f, "3a-1w");
        QCOMPARE(f.txtContract.Text(), QStringLiteral("3a-1w"));
        QTest::keyClick(w, Qt::Key_Home);
        QTest::keyClick(w, Qt::Key_Right);
        Tik(f, "h");
        QCOMPARE(f.txtContract.Text(), QStringLiteral("3a-1w"));
        // Backspace works at the end too.
        QTest::keyClick(w, Qt::Key_Left);
        QTest::keyClick(w, Qt::Key_Left);
        QTest::keyClick(w, Qt::Key_Backspace);
        QCOMPARE(f.txtContract.Text(), QStringLiteral("3a-1"));
        // Text pasted over part of the entry that makes no entry is undone.
        auto* e = qobject_cast<QLineEdit*>(w);
        QVERIFY(e);
        e->setSelection(1, 2);
        QApplication::clipboard()->setText("zz");
        e->paste();
        QCOMPARE(f.txtContract.Text(), QStringLiteral("3a-1"));
        // So is text pasted at the end, however many characters it adds.
        e->setCursorPosition(4);
        e->paste();
        QCOMPARE(f.txtContract.Text(), QStringLiteral("3a-1"));
        // A selection that reaches the end is replaced as usual.
        e->setSelection(3, 1);
        Tik(f, "2");
        QCOMPARE(f.txtContract.Text(), QStringLiteral("3a-2"));
        Tik(f, "o");
        QTest::keyClick(w, Qt::Key_Return);
        QCOMPARE(f.lblContractOW[0].Caption(), QStringLiteral("3A-2"));
        QCOMPARE(f.lblScoreNZ[0].Caption(), QStringLiteral("100"));
        QCOMPARE(prompts.count(), 0);
    }

    // In immediate mode Enter repeats the contract of the table scored
    // last, but a table that was passed out or not played is no contract
    // to repeat: Enter places nothing.
    void enterAfterAPassedOutOrNotPlayedTablePlacesNothing() {
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = Wedstrijd(8);
        QWidget* w = f.txtContract.widget();
        for (const char* eerste : {"p", "n"}) {
            f.cmdSpel_Click(eerste[0] == 'p' ? 1 : 2);
            Tik(f, eerste);
            QCOMPARE(f.lblContractNZ[0].Caption(), QString(eerste).toUpper());
            QTest::keyClick(w, Qt::Key_Return);
            QCOMPARE(f.lblContractNZ[1].Caption(), QString());
            QCOMPARE(f.lblContractOW[1].Caption(), QString());
            QVERIFY(f.lblContract.Caption().contains("3 - 4"));
            // A contract still repeats.
            Tik(f, "4scz");
            QTest::keyClick(w, Qt::Key_Return);
            QCOMPARE(f.lblContractNZ[2].Caption(), QStringLiteral("4SC"));
        }
        QCOMPARE(prompts.count(), 0);
    }
};

QTEST_MAIN(TestFrmVeldom11Typen)
#include "test_frmveldom11_typen.moc"
