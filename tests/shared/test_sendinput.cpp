#include <QtTest>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

#include "shared/BasVeldom.h"
#include "support/TestSupport.h"

namespace {

using platform::KeyInput;

// Records written short: "16d" key 16 down, "65u" key 65 up, "x35d" an
// extended key down, "U20acd" a Unicode character down.
QString kort(const ToetsRecords& records) {
    QStringList delen;
    for (const KeyInput& r : records) {
        const QString richting = (r.flags & platform::KeyUp) ? "u" : "d";
        if (r.flags & platform::KeyUnicode)
            delen << QStringLiteral("U%1%2").arg(r.scanCode, 0, 16).arg(richting);
        else
            delen << QStringLiteral("%1%2%3")
                         .arg((r.flags & platform::KeyExtended) ? "x" : "")
                         .arg(r.virtualKey)
                         .arg(richting);
    }
    return delen.join(' ');
}

QString kort(const QString& tekst, bool capsLock = false) { return kort(VertaalToetsen(tekst, capsLock)); }

KeyInput record(int vk, int scan, quint32 flags) {
    KeyInput r;
    r.type = platform::InputKeyboard;
    r.virtualKey = quint16(vk);
    r.scanCode = quint16(scan);
    r.flags = flags;
    return r;
}

// Every Shift, Ctrl and Alt that goes down comes up again.
bool modifiersInBalans(const ToetsRecords& records) {
    int vast[3] = {0, 0, 0};
    for (const KeyInput& r : records) {
        if (r.virtualKey < 16 || r.virtualKey > 18 || (r.flags & platform::KeyUnicode))
            continue;
        vast[r.virtualKey - 16] += (r.flags & platform::KeyUp) ? -1 : 1;
        if (vast[r.virtualKey - 16] < 0)
            return false;
    }
    return vast[0] == 0 && vast[1] == 0 && vast[2] == 0;
}

// A window with text boxes that has the focus, for typing into.
struct TypWindow {
    QWidget window;
    QLineEdit* first = new QLineEdit(&window);
    QLineEdit* second = new QLineEdit(&window);
    TypWindow() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(first);
        layout->addWidget(second);
        window.show();
        window.activateWindow();
        first->setFocus();
    }
    bool ready() { return QTest::qWaitForWindowActive(&window) && QApplication::focusWidget() == first; }
};

// Drops every key press of one character and, as the program's key filters
// do, moves the caret to the end of the box instead.
class Weigeraar : public QObject {
public:
    explicit Weigeraar(QChar geweigerd) : geweigerd_(geweigerd) {}
protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->text() == QString(geweigerd_)) {
            StuurToetsen("{END}", false);
            return true;
        }
        return QObject::eventFilter(object, event);
    }
private:
    QChar geweigerd_;
};

}  // namespace

class TestSendInput : public QObject {
    Q_OBJECT
    testsupport::TempHome home_;

private slots:
    // ---- the records of the keystroke language ----

    void altPrintScreenIsFourRecords() {
        const ToetsRecords verwacht = {record(18, 0, 0), record(44, 0, platform::KeyExtended),
                                       record(44, 0x54, platform::KeyUp), record(18, 0, platform::KeyUp)};
        QCOMPARE(VertaalToetsen("%{PRTSC}", false), verwacht);
        for (const char* naam : {"%{prtscn}", "%{PrintScrn}", "%{PRINTSCREEN}"})
            QCOMPARE(VertaalToetsen(naam, false), verwacht);
    }

    void endIsDownWithExtendedFlagThenUpWithScanCode() {
        const ToetsRecords verwacht = {record(35, 0, platform::KeyExtended), record(35, 0x4F, platform::KeyUp)};
        QCOMPARE(VertaalToetsen("{END}", false), verwacht);
        QCOMPARE(VertaalToetsen("{end}", false), verwacht);
    }

    void charactersTakeShiftFromTheLayout() {
        QCOMPARE(kort("a"), QString("65d 65u"));
        QCOMPARE(kort("A"), QString("16d 65d 65u 16u"));
        QCOMPARE(kort("1!"), QString("49d 49u 16d 49d 49u 16u"));
        QCOMPARE(kort("/?"), QString("191d 191u 16d 191d 191u 16u"));
        QCOMPARE(kort(" "), QString("32d 32u"));
        // The key-up record carries the scan code of the key.
        const ToetsRecords a = VertaalToetsen("q", false);
        QCOMPARE(a.at(0).scanCode, quint16(0));
        QCOMPARE(a.at(1).scanCode, quint16(0x10));
        for (const KeyInput& r : VertaalToetsen("aZ~%{PRTSC}€", false))
            QCOMPARE(r.type, platform::InputKeyboard);
    }

    void modifiersHoldForTheNextTokenOnly() {
        QCOMPARE(kort("+ab"), QString("16d 65d 65u 16u 66d 66u"));
        QCOMPARE(kort("+^x"), QString("16d 17d 88d 88u 17u 16u"));
        QCOMPARE(kort("^%a"), QString("17d 18d 65d 65u 18u 17u"));
        // Shift held by "+" is not pressed again for a capital.
        QCOMPARE(kort("+A"), QString("16d 65d 65u 16u"));
        QCOMPARE(kort("+{TAB}"), QString("16d 9d 9u 16u"));
    }

    void groupKeepsModifiersHeldOverEveryCharacter() {
        QCOMPARE(kort("+(ab)c"), QString("16d 65d 65u 66d 66u 16u 67d 67u"));
        // Inside a group modifier signs and braces are characters, ~ is Enter.
        QCOMPARE(kort("(a~b)"), QString("65d 65u 13d 13u 66d 66u"));
        QCOMPARE(kort("(+{)"), kort("{+}{{}"));
        // The group ends at the first ")"; a "(" inside is a character.
        QCOMPARE(kort("((a)"), QString("16d 57d 57u 16u 65d 65u"));
    }

    void emptyOrUnclosedGroupDropsTheBracket() {
        QCOMPARE(kort("(abc"), kort("abc"));
        QCOMPARE(kort("()"), kort("{)}"));
        QCOMPARE(kort("("), QString());
    }

    void namedKeysWithRepeatCounts() {
        QCOMPARE(kort("{TAB 3}"), QString("9d 9u 9d 9u 9d 9u"));
        QCOMPARE(kort("{tab}"), QString("9d 9u"));
        QCOMPARE(kort("{LEFT 3}"), QString("x37d 37u x37d 37u x37d 37u"));
        QCOMPARE(kort("{BS}{bksp}{Backspace}"), QString("8d 8u 8d 8u 8d 8u"));
        QCOMPARE(kort("{F16}{PAUSE}{BREAK}"), QString("127d 127u 19d 19u x19d 19u"));
        // Missing, zero, negative or no number: once.
        for (const char* tekst : {"{TAB 0}", "{TAB -2}", "{TAB x}", "{TAB  3}", "{TAB }"})
            QCOMPARE(kort(tekst), QString("9d 9u"));
        QCOMPARE(kort("{TAB 2x}"), QString("9d 9u 9d 9u"));
    }

    void characterInBracesIsRepeated() {
        QCOMPARE(kort("{a 5}"), QStringList(5, "65d 65u").join(' '));
        QCOMPARE(VertaalToetsen("{a 5}", false).size(), 10);
        // A name that is no key types its first character.
        QCOMPARE(kort("{FOO}"), kort("F"));
        QCOMPARE(kort("{foo 2}"), kort("ff"));
        QCOMPARE(kort("{F17}"), kort("F"));
        QCOMPARE(kort("{ }"), kort(" "));
    }

    void oddBraces() {
        QCOMPARE(kort("{{}"), QString("16d 219d 219u 16u"));
        QCOMPARE(kort("{}}"), QString("16d 221d 221u 16u"));
        QCOMPARE(kort("{+}"), QString("16d 187d 187u 16u"));
        // ~ in braces is the tilde, not Enter.
        QCOMPARE(kort("{~}"), QString("16d 192d 192u 16u"));
        QCOMPARE(kort("~"), QString("13d 13u"));
        // A lone or unclosed brace is dropped; "{}" leaves the "}".
        QCOMPARE(kort("{"), QString());
        QCOMPARE(kort("{{"), QString());
        QCOMPARE(kort("{abc"), kort("abc"));
        QCOMPARE(kort("{}"), kort("{}}"));
    }

    void trailingModifierSendsNothing() {
        QCOMPARE(kort("abc+"), kort("abc"));
        QCOMPARE(kort("a^%"), kort("a"));
        QCOMPARE(kort("+"), QString());
        QCOMPARE(kort("%{"), QString());
        QCOMPARE(kort(""), QString());
        StuurToetsen("", true);
        StuurToetsen("^", false);
    }

    void unicodeForCharactersOffTheLayout() {
        QCOMPARE(kort("€"), QString("U20acd U20acu"));
        QCOMPARE(kort(QString::fromUtf8("é")), QString("Ue9d Ue9u"));
        QCOMPARE(kort(QString::fromUtf8("{é 2}")), QString("Ue9d Ue9u Ue9d Ue9u"));
        QCOMPARE(kort(QString::fromUtf8("+(€)")), QString("16d U20acd U20acu 16u"));
        // Outside 16 bits: both halves, in order.
        QCOMPARE(kort(QString::fromUtf8("😀")), QString("Ud83dd Ud83du Ude00d Ude00u"));
    }

    void capsLockInvertsShiftForLettersOnly() {
        QCOMPARE(kort("a", true), QString("16d 65d 65u 16u"));
        QCOMPARE(kort("A", true), QString("65d 65u"));
        // In braces too: Shift pressed, so that Caps Lock gives lower case.
        QCOMPARE(kort("{a 2}", true), kort("AA"));
        QCOMPARE(kort("1!", true), kort("1!"));
        QCOMPARE(kort("+(a)", true), QString("16d 65d 65u 16u"));
    }

    void longTextsGrowTheRecordList() {
        const QString tekst = QString("Ab").repeated(3000);
        const ToetsRecords records = VertaalToetsen(tekst, false);
        QCOMPARE(records.size(), 3000 * 6);
        QVERIFY(modifiersInBalans(records));
        QCOMPARE(VertaalToetsen("+(" + QString(2000, 'a') + ")", false).size(), 4002);
        QCOMPARE(VertaalToetsen("{TAB 300}", false).size(), 600);
        // An absurd repeat count is capped instead of filling the memory.
        QCOMPARE(VertaalToetsen("{a 999999999999}", false).size(), 2 * MaxToetsHerhaling);
        QCOMPARE(VertaalToetsen(QString(100000, '+') + "a", false).size(), 200002);
    }

    void mixedTextsStayBalanced() {
        for (const char* tekst : {"+^%", "+(^a%b)", "%{PRTSC}+{TAB 4}^(AbC)", "++a", "+{", "({}+)~", "^+%{é}"})
            QVERIFY2(modifiersInBalans(VertaalToetsen(QString::fromUtf8(tekst), false)), tekst);
    }

    void keyNameTable() {
        QCOMPARE(ToetsCode("f16"), 127);
        QCOMPARE(ToetsCode("F1"), 112);
        QCOMPARE(ToetsCode("PrintScreen"), 44);
        QCOMPARE(ToetsCode("F17"), 0);
        QCOMPARE(ToetsCode(""), 0);
        QVERIFY(IsUitgebreideToets("home"));
        QVERIFY(IsUitgebreideToets("NumLock"));
        QVERIFY(!IsUitgebreideToets("pause"));
        QVERIFY(!IsUitgebreideToets("ScrollLock"));
        QVERIFY(!IsUitgebreideToets("FOO"));
    }

    // ---- delivery to the focused widget ----

    void typesIntoTheFocusedTextBox() {
        TypWindow w;
        QVERIFY(w.ready());
        StuurToetsen("abc", false);
        QCOMPARE(w.first->text(), QString());  // delivered when events run
        QCoreApplication::processEvents();
        QCOMPARE(w.first->text(), QString("abc"));
        StuurToetsen("{HOME}x{END}y", false);
        QCoreApplication::processEvents();
        QCOMPARE(w.first->text(), QString("xabcy"));
        QCOMPARE(w.first->cursorPosition(), 5);

        w.first->setText("hello");
        w.first->setCursorPosition(1);
        StuurToetsen("{END}", false);
        QCoreApplication::processEvents();
        QCOMPARE(w.first->cursorPosition(), 5);
    }

    void everyPrintableCharacterComesOutAsWritten() {
        TypWindow w;
        QVERIFY(w.ready());
        QString alles, tekst;
        for (char c = ' '; c <= '~'; ++c) {
            alles += QLatin1Char(c);
            tekst += QStringLiteral("{%1}").arg(QLatin1Char(c));
        }
        StuurToetsen(tekst, true);
        QCOMPARE(w.first->text(), alles);
        w.first->clear();
        StuurToetsen(QString::fromUtf8("+(ab)c{a 3}{{}{}}{+}{~}é€😀"), true);
        QCOMPARE(w.first->text(), QString::fromUtf8("ABcaaa{}+~é€😀"));
    }

    void modifiersReachTheWidget() {
        TypWindow w;
        QVERIFY(w.ready());
        StuurToetsen("abc+{LEFT 2}", true);
        QCOMPARE(w.first->selectedText(), QString("bc"));
        StuurToetsen("^a", true);
        QCOMPARE(w.first->selectedText(), QString("abc"));
        StuurToetsen("z{BS}{BS}q", true);
        QCOMPARE(w.first->text(), QString("q"));
    }

    void tabAndEnterWorkAsKeys() {
        TypWindow w;
        QVERIFY(w.ready());
        QSignalSpy enter(w.second, &QLineEdit::returnPressed);
        StuurToetsen("a{TAB}b~", true);
        QCOMPARE(w.first->text(), QString("a"));
        QCOMPARE(w.second->text(), QString("b"));
        QCOMPARE(enter.count(), 1);
        QCOMPARE(QApplication::focusWidget(), w.second);
    }

    void keyFiltersSeeTheKeysAndMaySendKeys() {
        TypWindow w;
        QVERIFY(w.ready());
        Weigeraar weigeraar('q');
        w.first->installEventFilter(&weigeraar);
        w.first->setText("abc");
        w.first->setCursorPosition(1);
        StuurToetsen("q", false);
        QCoreApplication::processEvents();
        QCOMPARE(w.first->text(), QString("abc"));
        QCOMPARE(w.first->cursorPosition(), 3);
    }

    void callsAreDeliveredInTheOrderMade() {
        TypWindow w;
        QVERIFY(w.ready());
        StuurToetsen("ab", false);
        StuurToetsen("c", true);  // waits: what was sent before goes first
        QCOMPARE(w.first->text(), QString("abc"));
        QCoreApplication::processEvents();
        QCOMPARE(w.first->text(), QString("abc"));
    }

    void capsLockOfTheKeyboardIsHonoured() {
        TypWindow w;
        QVERIFY(w.ready());
        StuurToetsen("{CAPSLOCK}", true);
        QVERIFY(platform::capsLockOn());
        StuurToetsen("aB{a}", true);
        StuurToetsen("{CAPSLOCK}", true);
        QVERIFY(!platform::capsLockOn());
        QCOMPARE(w.first->text(), QString("aBa"));
    }

    void altPrintScreenCopiesTheActiveWindow() {
        QWidget window;
        window.resize(120, 80);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, Qt::red);
        window.setPalette(palette);
        window.setAutoFillBackground(true);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QApplication::clipboard()->clear();
        StuurToetsen("%{PRTSC}", false);
        QCoreApplication::processEvents();
        const QImage image = QApplication::clipboard()->image();
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), window.size() * window.devicePixelRatio());
        QCOMPARE(QColor(image.pixel(image.width() / 2, image.height() / 2)), QColor(Qt::red));
    }

    void nothingFocusedLosesTheKeysQuietly() {
        QVERIFY(!QApplication::activeWindow());
        StuurToetsen("abc{END}~", true);
        StuurToetsen("xyz", false);
        QCoreApplication::processEvents();
    }
};

QTEST_MAIN(TestSendInput)
#include "test_sendinput.moc"
