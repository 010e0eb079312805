// Every window by keyboard, in both languages: each captioned button, check
// box, option and frame shows one access key, no two visible controls of a
// window share one, Alt with it reaches that control, and none takes a
// letter that the window's own key handler gives another action (Alt+V in
// the main window shows the version). Tab and Shift+Tab walk every enabled
// control of the window in reading order, and the control that has the
// focus is drawn differently from the same control without it.
#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QtTest>
#include <memory>

#include "lessons/frmVeldom15.h"
#include "main/frmVeldom01.h"
#include "main/Opstart.h"
#include "output/frmVeldom08.h"
#include "output/frmVeldom09.h"
#include "output/frmVeldom14.h"
#include "output/frmVeldom16.h"
#include "output/frmVeldom17.h"
#include "platform/App.h"
#include "platform/Controls.h"
#include "platform/Events.h"
#include "platform/Form.h"
#include "platform/Profile.h"
#include "platform/Prompt.h"
#include "players/frmVeldom04.h"
#include "players/frmVeldom05.h"
#include "players/frmVeldom10.h"
#include "results/frmVeldom11.h"
#include "results/frmVeldom12.h"
#include "results/frmVeldom13.h"
#include "results/StartWedstrijd11.h"
#include "results/VulAlleSpellen11.h"
#include "saveas/frmVeldom02.h"
#include "saveas/frmVeldom03.h"
#include "settings/frmVeldom06.h"
#include "settings/frmVeldom07.h"
#include "settings/frmVeldom18.h"
#include "shared/BasVeldom.h"
#include "support/MailTxtFixture.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace platform;

namespace {

// Answers every prompt as a cautious user would (No, Cancel, OK) and
// counts them: a window that asks something while it opens is not what
// this test is about.
class Gelaten : public PromptHandler {
public:
    Gelaten() { vorige_ = SetPromptHandler(this); }
    ~Gelaten() override { SetPromptHandler(vorige_); }
    int MsgBox(const QString&, int style, const QString&) override {
        ++aantal;
        switch (MsgBoxButtonsOf(style)) {
        case vbYesNo: case vbYesNoCancel: return vbNo;
        case vbOKCancel: case vbRetryCancel: return vbCancel;
        case vbAbortRetryIgnore: return vbAbort;
        default: return vbOK;
        }
    }
    QString GetSaveFileName(const QString&, const QString&, const QString&, const QString&) override {
        ++aantal;
        return {};
    }
    QString GetOpenFileName(const QString&, const QString&, const QString&) override {
        ++aantal;
        return {};
    }
    bool PrintDialog(PrintDialogRequest&) override {
        ++aantal;
        return false;
    }
    int aantal = 0;

private:
    PromptHandler* vorige_ = nullptr;
};

// The access key of a caption ("Uitslagen in&voeren" -> V), none for "&&".
QChar ToegangsToets(const QString& caption) {
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&')) continue;
        if (caption.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return caption.at(i + 1).toUpper();
    }
    return {};
}

// The caption of a control that can carry an access key; "" for others.
QString Opschrift(Control* c) {
    if (auto* b = dynamic_cast<CommandButton*>(c)) return b->Caption();
    if (auto* k = dynamic_cast<CheckBox*>(c)) return k->Caption();
    if (auto* o = dynamic_cast<OptionButton*>(c)) return o->Caption();
    if (auto* f = dynamic_cast<Frame*>(c)) return f->BorderStyle() ? f->Caption() : QString();
    return {};
}

// The number of access-key marks in a caption ("&&" is none).
int AantalMarken(const QString& caption) {
    int n = 0;
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&')) continue;
        if (caption.at(i + 1) != QLatin1Char('&')) ++n;
        ++i;
    }
    return n;
}

// A caption that names something in words; a board button's number is
// none.
bool HeeftLetters(const QString& caption) {
    for (const QChar ch : caption)
        if (ch.isLetter()) return true;
    return false;
}

bool Zichtbaar(Control* c) {
    for (Control* x = c; x; x = dynamic_cast<Control*>(x->ContainerOf()))
        if (!x->Visible()) return false;
    return true;
}

bool Bruikbaar(Control* c) {
    for (Control* x = c; x; x = dynamic_cast<Control*>(x->ContainerOf()))
        if (!x->Visible() || !x->Enabled()) return false;
    return true;
}

// The control a widget belongs to: the innermost whose widget it is or
// lies in.
Control* ControlVan(Form& f, QWidget* w) {
    Control* best = nullptr;
    for (Control* c : f.Controls()) {
        QWidget* cw = c->existingWidget();
        if (!cw || !w) continue;
        if (cw == w) return c;
        if (cw->isAncestorOf(w) && (!best || best->existingWidget()->isAncestorOf(cw))) best = c;
    }
    return best;
}

// The containers of a control from its window down, the control last.
std::vector<Control*> Pad(Control* c) {
    std::vector<Control*> pad;
    for (Control* x = c; x; x = dynamic_cast<Control*>(x->ContainerOf())) pad.insert(pad.begin(), x);
    return pad;
}

// b reads after a: in the container they share, the part holding b lies
// lower, or on the same line further right. A frame is read as a whole.
bool LeestNa(Control* a, Control* b) {
    const std::vector<Control*> pa = Pad(a), pb = Pad(b);
    std::size_t i = 0;
    while (i < pa.size() && i < pb.size() && pa[i] == pb[i]) ++i;
    if (i == pa.size() || i == pb.size()) return true;  // one holds the other
    const Control* x = pa[i];
    const Control* y = pb[i];
    if (y->Top() >= x->Top() + x->Height() / 2) return true;
    if (x->Top() >= y->Top() + y->Height() / 2) return false;
    return y->Left() > x->Left();
}

// The control lies (at least in part) inside the visible part of its
// window; a focus button parked off screen does not.
bool InBeeld(Form& f, Control* c) {
    QWidget* w = c->existingWidget();
    if (!w) return false;
    const QRect r(w->mapTo(f.widget(), QPoint(0, 0)), w->size());
    return r.intersects(f.widget()->rect());
}

// The controls Tab must visit: every usable control that takes the focus,
// an option group as one stop at its chosen button.
QList<Control*> Verwacht(Form& f) {
    QList<Control*> uit;
    for (Control* c : f.Controls()) {
        QWidget* w = c->existingWidget();
        if (!w || !Bruikbaar(c) || !c->TabStop() || !(w->focusPolicy() & Qt::TabFocus) || !InBeeld(f, c)) continue;
        if (auto* o = dynamic_cast<OptionButton*>(c); o && !o->Value()) {
            bool andereGekozen = false;
            for (Control* x : c->ContainerOf()->children())
                if (auto* ander = dynamic_cast<OptionButton*>(x); ander && ander != o && ander->Value() && Bruikbaar(x))
                    andereGekozen = true;
            if (andereGekozen) continue;
        }
        uit << c;
    }
    return uit;
}

QString Namen(const QList<Control*>& lijst) {
    QStringList n;
    for (Control* c : lijst) n << (c ? c->Name() + (c->Index() >= 0 ? QStringLiteral("(%1)").arg(c->Index()) : QString()) : "?");
    return n.join(' ');
}

// Takes every Alt shortcut before it reaches its widget and notes the
// widget: where Alt with a letter goes, without pressing anything.
class SneltoetsVanger : public QObject {
public:
    SneltoetsVanger() { qApp->installEventFilter(this); }
    ~SneltoetsVanger() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Shortcut) return false;
        ontvanger = qobject_cast<QWidget*>(o);
        return true;
    }
    QWidget* ontvanger = nullptr;
};

// What the window shows: every control's visibility, enabled state and
// caption, and which windows are loaded.
QStringList Toestand(Form& f) {
    QStringList uit;
    for (Control* c : f.Controls())
        uit << QStringLiteral("%1 %2 %3 %4").arg(c->Name()).arg(c->Visible()).arg(c->Enabled()).arg(Opschrift(c));
    uit << QString::number(LoadedFormCount());
    return uit;
}

}  // namespace

class TestToegangsToetsen : public QObject {
    Q_OBJECT
    testsupport::VensterThuis home;
    QStringList fouten;

    // Checks the window as it stands; `waar` names it in the failures.
    void Controleer(Form& f, const QString& waar) {
        QMap<QChar, QStringList> toetsen;
        for (Control* c : f.Controls()) {
            if (!Zichtbaar(c)) continue;
            const QChar t = ToegangsToets(Opschrift(c));
            if (!t.isNull()) toetsen[t] << QStringLiteral("%1 \"%2\"").arg(c->Name(), Opschrift(c));
        }
        for (auto it = toetsen.cbegin(); it != toetsen.cend(); ++it)
            if (it->size() > 1)
                fouten << QStringLiteral("%1: Alt+%2 taken by %3").arg(waar, QString(it.key()), it->join(", "));
        QString bezet;
        for (const QChar t : toetsen.keys()) bezet += t;
        ControleerMarken(f, waar, bezet);
        ControleerTab(f, waar);
        // With DROVIK_SCREENSHOTS naming a folder, a picture of each window
        // as checked, in the language of the run.
        const QString map = qEnvironmentVariable("DROVIK_SCREENSHOTS");
        if (!map.isEmpty() && f.hasWidget() && f.widget()->isVisible())
            f.widget()->grab().save(QStringLiteral("%1/%2-%3.png").arg(map, QString(waar).replace(' ', '_')).arg(TaalNummer));
        // The window's own key handler: a letter with Alt that makes it do
        // anything at all is a letter of its own.
        for (const QChar t : toetsen.keys()) {
            if (!f.IsLoaded()) break;
            const QStringList voor = Toestand(f);
            Gelaten vragen;
            int code = t.unicode();
            f.Form_KeyDown(code, vbAltMask);
            code = t.unicode();
            f.Form_KeyUp(code, vbAltMask);
            if (vragen.aantal > 0 || !f.IsLoaded() || Toestand(f) != voor)
                fouten << QStringLiteral("%1: Alt+%2 belongs to the window's own keys, yet %3 takes it")
                              .arg(waar, QString(t), toetsen[t].join(", "));
        }
    }

    // One mark on every caption, and Alt with it reaches its control.
    void ControleerMarken(Form& f, const QString& waar, const QString& bezet) {
        const bool getoond = f.hasWidget() && f.widget()->isVisible();
        if (getoond) {
            f.widget()->activateWindow();
            QApplication::setActiveWindow(f.widget());
        }
        for (Control* c : f.Controls()) {
            const QString kop = Opschrift(c);
            if (!Zichtbaar(c) || !HeeftLetters(kop) || dynamic_cast<Frame*>(c)) continue;
            if (AantalMarken(kop) != 1) {
                fouten << QStringLiteral("%1: %2 \"%3\" shows %4 access keys (taken: %5)")
                              .arg(waar, c->Name(), kop)
                              .arg(AantalMarken(kop))
                              .arg(bezet);
                continue;
            }
            if (!getoond || !Bruikbaar(c) || !InBeeld(f, c)) continue;
            SneltoetsVanger vanger;
            QWidget* doel = f.widget()->focusWidget() ? f.widget()->focusWidget() : f.widget();
            QTest::keyClick(doel, Qt::Key(ToegangsToets(kop).unicode()), Qt::AltModifier);
            if (vanger.ontvanger != c->existingWidget())
                fouten << QStringLiteral("%1: Alt+%2 does not reach %3 \"%4\" (it reaches %5)")
                              .arg(waar, QString(ToegangsToets(kop)), c->Name(), kop,
                                   vanger.ontvanger ? Namen({ControlVan(f, vanger.ontvanger)}) : QStringLiteral("nothing"));
        }
    }

    // Tab and Shift+Tab walk every usable control once, in reading order,
    // and each shows the focus it gets.
    void ControleerTab(Form& f, const QString& waar) {
        if (!f.hasWidget() || !f.widget()->isVisible()) return;
        const QList<Control*> verwacht = Verwacht(f);
        if (verwacht.isEmpty()) return;
        Gelaten vragen;
        auto focus = [&f] { return ControlVan(f, QApplication::focusWidget()); };
        auto druk = [&f](bool terug) {
            QWidget* w = QApplication::focusWidget() ? QApplication::focusWidget() : f.widget();
            QTest::keyClick(w, Qt::Key_Tab, terug ? Qt::ShiftModifier : Qt::NoModifier);
        };
        verwacht.front()->SetFocus();
        QList<Control*> heen{focus()};
        for (int i = 0; i < verwacht.size() + 2; ++i) {
            druk(false);
            if (!f.IsLoaded()) return;
            if (focus() == heen.front()) break;
            heen << focus();
        }
        if (QSet<Control*>(heen.begin(), heen.end()) != QSet<Control*>(verwacht.begin(), verwacht.end()) ||
            heen.size() != verwacht.size())
            fouten << QStringLiteral("%1: Tab visits [%2], the window has [%3]").arg(waar, Namen(heen), Namen(verwacht));
        // Round the whole cycle, Tab goes back up once: from the last
        // control to the first.
        QStringList terugStappen;
        for (int i = 0; i < heen.size(); ++i) {
            Control* a = heen[i];
            Control* b = heen[(i + 1) % heen.size()];
            if (a && b && a != b && !LeestNa(a, b)) terugStappen << Namen({a}) + " -> " + Namen({b});
        }
        if (terugStappen.size() > 1) {
            QList<Control*> laag;
            for (Control* c : f.TabOrder()) laag << c;
            fouten << QStringLiteral("%1: Tab goes back %2: [%3] layer [%4]").arg(waar, terugStappen.join(", "), Namen(heen), Namen(laag));
        }
        // Back again, each control pictured just before and just after it
        // gets the focus.
        QList<Control*> terug{focus()};
        QStringList onzichtbaar;
        for (int i = 0; i < heen.size(); ++i) {
            Control* volgende = heen[heen.size() - 1 - i];
            QWidget* w = volgende ? volgende->existingWidget() : nullptr;
            const QImage zonder = w ? w->grab().toImage() : QImage();
            druk(true);
            if (!f.IsLoaded()) return;
            terug << focus();
            if (w && focus() == volgende && w->grab().toImage() == zonder) onzichtbaar << Namen({volgende});
        }
        const bool rond = terug.takeLast() == heen.front();
        std::reverse(terug.begin() + 1, terug.end());
        if (terug != heen || !rond)
            fouten << QStringLiteral("%1: Shift+Tab visits [%2], Tab [%3]").arg(waar, Namen(terug), Namen(heen));
        if (!onzichtbaar.isEmpty())
            fouten << QStringLiteral("%1: focus not shown on %2").arg(waar, onzichtbaar.join(' '));
    }

    void Sluit(Form& f) {
        if (f.IsLoaded()) Unload(f);
        DoEvents();
    }

private slots:
    void initTestCase() {
        SetupApplication(*qApp);
        SetEndHandler([] {});
    }
    void init() {
        home.Begin({.taal = 0});
        AanroepScherm = 0;
        fouten.clear();
    }
    void cleanup() {
        home.Einde();
    }

    void everyWindowHasItsOwnAccessKeys_data() {
        QTest::addColumn<int>("taal");
        QTest::newRow("Dutch") << 10;
        QTest::newRow("English") << 11;
    }
    void everyWindowHasItsOwnAccessKeys() {
        QFETCH(int, taal);
        SchrijfIni("Taal", "nummer", QString::number(taal), programPath("taal.ini"));
        Gelaten vragen;
        frmVeldom01Form& hoofd = frmVeldom01();
        hoofd.Show();
        hoofd.cmdStart.Click();  // a dealt set: printing and lessons open
        DoEvents();
        QCOMPARE(TaalNummer, taal);
        Controleer(hoofd, "frmVeldom01");
        // The holdings of the board shown are not typed in: no Tab stops.
        QVERIFY(hoofd.txtInvoer[0].Enabled());
        for (Control* c : hoofd.TabOrder()) QVERIFY2(!c->Name().startsWith("txtInvoer"), qPrintable(c->Name()));
        // Online, with a newer version, and with the lessons button shown.
        for (CommandButton* b : {&hoofd.cmdVideo, &hoofd.cmdDownLoad, &hoofd.cmdLessen}) b->SetVisible(true);
        Controleer(hoofd, "frmVeldom01 (all buttons shown)");

        struct Hub {
            const char* naam;
            CommandButton* knop;
            std::function<Form&()> venster;
        };
        const std::vector<Hub> hubs = {
            {"frmVeldom02", &hoofd.cmdOpslaan, [] () -> Form& { return frmVeldom02(); }},
            {"frmVeldom04", &hoofd.cmdNamen, [] () -> Form& { return frmVeldom04(); }},
            {"frmVeldom05", &hoofd.cmdGroepen, [] () -> Form& { return frmVeldom05(); }},
            {"frmVeldom06", &hoofd.cmdInstellingen, [] () -> Form& { return frmVeldom06(); }},
            {"frmVeldom07", &hoofd.cmdPrinterInstellingen, [] () -> Form& { return frmVeldom07(); }},
            {"frmVeldom10", &hoofd.cmdVerstuur, [] () -> Form& { return frmVeldom10(); }},
            {"frmVeldom15", &hoofd.cmdLessen, [] () -> Form& { return frmVeldom15(); }},
            {"frmVeldom17", &hoofd.cmdKlembord, [] () -> Form& { return frmVeldom17(); }},
            {"frmVeldom18", &hoofd.cmdMAILTXT, [] () -> Form& { return frmVeldom18(); }},
        };
        for (const Hub& h : hubs) {
            h.knop->fireClick();
            DoEvents();
            Form& v = h.venster();
            QVERIFY2(v.Visible(), h.naam);
            Controleer(v, h.naam);
            // Each page of the settings and each layout of the clipboard
            // window shows controls of its own.
            if (QString(h.naam) == "frmVeldom06")
                for (int i = 0; i < 6; ++i) {
                    frmVeldom06().optInstellingen[i].SetValue(true);
                    DoEvents();
                    Controleer(frmVeldom06(), QStringLiteral("frmVeldom06 (page %1)").arg(i));
                }
            if (QString(h.naam) == "frmVeldom17")
                for (int i = 0; i < 4; ++i) {
                    frmVeldom17().optHoe[i].SetValue(true);
                    DoEvents();
                    Controleer(frmVeldom17(), QStringLiteral("frmVeldom17 (layout %1)").arg(i));
                }
            if (QString(h.naam) == "frmVeldom02") {  // the calendar opens from the Save-as dialog
                frmVeldom02().cmdKalender.fireClick();
                DoEvents();
                Controleer(frmVeldom03(), "frmVeldom03");
                Sluit(frmVeldom03());
            }
            Sluit(v);
            QVERIFY2(hoofd.Enabled(), h.naam);
        }

        // The print layouts are filled and printed as they are shown: they
        // are only loaded here.
        Controleer(frmVeldom08(), "frmVeldom08");
        Sluit(frmVeldom08());
        Controleer(frmVeldom09(), "frmVeldom09");
        Sluit(frmVeldom09());
        Controleer(frmVeldom14(), "frmVeldom14");
        Sluit(frmVeldom14());
        Controleer(frmVeldom16(), "frmVeldom16");
        Sluit(frmVeldom16());
        hoofd.SetEnabled(true);
        DoEvents();

        // The results entry, in its choice stage and its entry stage, with
        // the adjusted-score window and the overview it opens.
        hoofd.cmdInvoeren.fireClick();
        DoEvents();
        Controleer(frmVeldom11(), "frmVeldom11 (choice)");
        Sluit(frmVeldom11());
        frmVeldom11Form& invoer = StartWedstrijdW(*home, 4);
        invoer.cmdSpel_Click(1);
        Controleer(invoer, "frmVeldom11 (entry)");
        invoer.cmdArbitrale.fireClick();
        DoEvents();
        Controleer(frmVeldom13(), "frmVeldom13");
        Sluit(frmVeldom13());
        VulAlleSpellenIn(invoer, 7);
        DoEvents();
        invoer.cmdUitslag.fireClick();
        DoEvents();
        QVERIFY(frmVeldom12_IsLoaded());
        Controleer(frmVeldom12(), "frmVeldom12");
        Sluit(frmVeldom12());

        for (const QString& fout : fouten) qWarning().noquote() << fout;
        QVERIFY2(fouten.isEmpty(), qPrintable(QString::number(fouten.size()) + " faults, listed above"));
    }

    // Alt+V in the main window shows the version, in Dutch too, where the
    // results button's caption once took the V.
    void altVShowsTheVersion() {
        SchrijfIni("Taal", "nummer", "10", programPath("taal.ini"));
        frmVeldom01Form& hoofd = frmVeldom01();
        hoofd.Show();
        DoEvents();
        hoofd.cmdFocus.SetFocus();
        QStringList gezien;
        QTimer kijk;
        kijk.setInterval(20);
        QObject::connect(&kijk, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !gezien.isEmpty()) return;
            gezien << box->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        kijk.start();
        QTest::keyClick(hoofd.widget()->focusWidget(), Qt::Key_V, Qt::AltModifier);
        QTRY_COMPARE(gezien.size(), 1);
        QVERIFY2(gezien.first().contains(ProgrammaVersie()), qPrintable(gezien.first()));
        QVERIFY(!frmVeldom11_IsLoaded());
    }
};

QTEST_MAIN(TestToegangsToetsen)
#include "test_toegangstoetsen.moc"
