// Access keys of every window, in both languages: no two visible controls
// of a window share one, and none takes a letter that the window's own key
// handler gives another action (Alt+V in the main window shows the version).
#include <QApplication>
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

bool Zichtbaar(Control* c) {
    for (Control* x = c; x; x = dynamic_cast<Control*>(x->ContainerOf()))
        if (!x->Visible()) return false;
    return true;
}

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

        QVERIFY2(fouten.isEmpty(), qPrintable("\n" + fouten.join("\n")));
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
