// Window layout helpers: scaling, window size, focus, sort boxes, list search.
#include <QApplication>
#include <QtTest>

#include "platform/App.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Grid.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/Screen.h"
#include "shared/BasVeldom.h"
#include "support/TestSupport.h"

using namespace platform;

namespace {

class LayoutForm : public Form {
public:
    explicit LayoutForm(const QString& name) : Form(name) {
        Move(0, 0, 4920, 3405);  // client 4800 x 3000
        lblTekst.Move(100, 200, 1000, 300);
        lblTekst.SetFontSize(8);
        comKeuze.Move(100, 600, 2000, 315);
        linScheiding.SetX1(100);
        linScheiding.SetY1(100);
        linScheiding.SetX2(300);
        linScheiding.SetY2(100);
        timKlok.SetInterval(0);
        lblSpelnummer.Move(50, 50, 500, 250);
        fraGroep.Move(2400, 1000, 2000, 1500);
        cmdIn.Move(100, 300, 1000, 375);
    }
    void Form_Resize() override {
        if (scaleOnResize) SchaalScherm(*this);
    }
    Label lblTekst{this, "lblTekst"};
    ComboBox comKeuze{this, "comKeuze"};
    Line linScheiding{this, "linScheiding"};
    Timer timKlok{this, "timKlok"};
    Label lblSpelnummer{this, "lblSpelnummer"};
    Frame fraGroep{this, "fraGroep"};
    CommandButton cmdIn{&fraGroep, "cmdIn"};
    CommandButton cmdFocus{this, "cmdFocus"};
    CheckBox chkSorteer{this, "chkSorteer"};
    ListBox lstLijst{this, "lstLijst"};
    bool scaleOnResize = true;
};

}  // namespace

class TestScherm : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetupApplication(*qApp); }
    void init() {
        VergeetPosities();
        BezigMetLaden = false;
    }

    void fontFollowsTheSmallerFactorCappedAt11_5() {
        LayoutForm f("frmA");
        BewaarPosities(f);
        f.Move(0, 0, 120 + 9600, 405 + 6000);  // twice the designed size
        QCOMPARE(f.lblTekst.FontSize(), 11.5);
        QCOMPARE(f.lblTekst.Top(), 400);
        f.Move(0, 0, 120 + 2400, 405 + 1500);  // half
        QCOMPARE(f.lblTekst.FontSize(), 4.0);
        QCOMPARE(f.lblTekst.Height(), 150);
        f.Move(0, 0, 120 + 6720, 405 + 4200);  // 1.4 times: 11.2 points stays below the cap
        QCOMPARE(float(f.lblTekst.FontSize()), 11.2f);
        // Only taller: the width did not grow, so neither does the text.
        f.Move(0, 0, 120 + 4800, 405 + 6000);
        QCOMPARE(f.lblTekst.FontSize(), 8.0);
        QCOMPARE(f.lblTekst.Left(), 100);
        // Only narrower: the text shrinks with the width.
        f.Move(0, 0, 120 + 2400, 405 + 3000);
        QCOMPARE(f.lblTekst.FontSize(), 4.0);
    }

    // A caption that would not fit its scaled control gets a smaller font,
    // whatever kind of control shows it; the others keep the scaled size.
    void captionsKeepFittingTheirControls() {
        LayoutForm f("frmA");
        const QString lang = "Maximum punten per hand";
        f.lblTekst.SetCaption(lang);
        // 8 points need more room than the label has: 1.5 times as large,
        // the capped 11.5 points would cut the text off even more.
        f.lblTekst.Move(100, 200, f.TextWidth(lang) * 4 / 5, 300);
        f.chkSorteer.SetCaption("Sorteer &hoog-laag");
        f.chkSorteer.Move(100, 1000, 1200, 285);
        f.cmdFocus.SetCaption("Download MAIL.TXT");
        f.cmdFocus.Move(100, 1400, 1400, 420);
        f.comKeuze.Move(100, 600, 4000, 315);
        f.Show();
        BewaarPosities(f);
        f.Move(0, 0, 120 + 7200, 405 + 4500);  // 1.5 times the design
        auto past = [](Control& c, const QString& tekst, int rand) {
            return QFontMetrics(c.widget()->font()).horizontalAdvance(StripAccessKeys(tekst)) + rand <=
                   c.widget()->width();
        };
        QVERIFY(f.lblTekst.FontSize() < 11.5);
        QVERIFY(past(f.lblTekst, lang, 0));
        QVERIFY(f.chkSorteer.FontSize() < 11.5);
        QVERIFY(past(f.chkSorteer, f.chkSorteer.Caption(), 14));
        QVERIFY(f.cmdFocus.FontSize() < 11.5);
        QVERIFY(past(f.cmdFocus, f.cmdFocus.Caption(), 4));
        QCOMPARE(f.comKeuze.FontSize(), 11.5);  // no caption to fit
    }

    // A label sized to its text fits it exactly: at the designed size it
    // keeps its font and width.
    void autoSizedLabelIsLeftAloneAtTheDesignedSize() {
        LayoutForm f("frmA");
        f.lblTekst.SetAutoSize(true);
        f.lblTekst.SetCaption("Bestandsnaam: ");
        const int breedte = f.lblTekst.Width();
        f.Show();
        BewaarPosities(f);
        f.Move(0, 0, 120 + 4800 + 15, 405 + 3000 + 15);
        f.Move(0, 0, 120 + 4800, 405 + 3000);
        QCOMPARE(f.lblTekst.FontSize(), 8.0);
        QCOMPARE(f.lblTekst.Width(), breedte);
    }

    void comboKeepsHeightLineScalesByEnds() {
        LayoutForm f("frmA");
        const int comboHeight = f.comKeuze.Height();
        BewaarPosities(f);
        f.Move(0, 0, 120 + 9600, 405 + 3000);  // twice as wide
        QCOMPARE(f.comKeuze.Width(), 4000);
        QCOMPARE(f.comKeuze.Height(), comboHeight);
        QCOMPARE(f.linScheiding.X1(), 200);
        QCOMPARE(f.linScheiding.X2(), 600);
        QCOMPARE(f.linScheiding.Y1(), 100);
        QCOMPARE(f.linScheiding.Y2(), 100);
        QCOMPARE(f.cmdIn.Left(), 200);  // inside its frame, relative to it
        QCOMPARE(f.lblSpelnummer.Left(), 50);  // passed over by name
    }

    void nothingScalesWhileLoadingOrMinimised() {
        LayoutForm f("frmA");
        BewaarPosities(f);
        BezigMetLaden = true;
        f.SetWidth(120 + 9600);
        BezigMetLaden = false;
        QCOMPARE(f.lblTekst.Width(), 1000);
        f.SetWindowState(vbMinimized);
        SchaalScherm(f);
        QCOMPARE(f.lblTekst.Width(), 1000);
    }

    void eachWindowScalesWithItsOwnGeometry() {
        LayoutForm a("frmA"), b("frmB");
        b.lblTekst.Move(1000, 1000, 500, 500);
        BewaarPosities(a);
        BewaarPosities(b);  // stored last: must not be used for a
        a.SetWidth(120 + 9600);
        QCOMPARE(a.lblTekst.Left(), 200);
        QCOMPARE(a.lblTekst.Width(), 2000);
        LayoutForm never("frmNooit");
        never.SetWidth(120 + 9600);  // never stored: keeps its design
        QCOMPARE(never.lblTekst.Width(), 1000);
    }

    void aWindowOpenedAgainScalesWithItsOwnDesignOnly() {
        // The earlier instance was laid out wider, with a larger font.
        {
            LayoutForm breed("frmHerhaald");
            breed.Move(0, 0, 120 + 14400, 405 + 3000);
            breed.lblTekst.Move(100, 200, 9000, 300);
            BewaarPosities(breed);
        }
        for (int keer = 0; keer < 3; ++keer) {
            LayoutForm f("frmHerhaald");
            // Placed while loading, before it stored its own design: the
            // stored geometry of the earlier instance is none of its business.
            f.Move(0, 0, 120 + 6000, 405 + 3000);
            QCOMPARE(f.lblTekst.FontSize(), 8.0);
            QCOMPARE(f.lblTekst.Width(), 1000);
            BewaarPosities(f);
            f.Move(0, 0, 120 + 12000, 405 + 6000);
            QCOMPARE(f.lblTekst.Width(), 2000);
            QCOMPARE(f.lblTekst.FontSize(), 11.5);
            f.Move(0, 0, 120 + 6000, 405 + 3000);
            QCOMPARE(f.lblTekst.FontSize(), 8.0);
        }
    }

    void gridColumnsGrowAndShrinkWithTheirText() {
        LayoutForm f("frmRooster");
        Grid g(&f, "msfgTabel");
        g.Move(100, 1000, 4000, 1500);
        g.SetFontSize(8);
        g.SetCols(3);
        g.SetColWidth(0, 400);
        g.SetColWidth(1, 2000);
        g.SetColWidth(2, 0);  // a hidden column stays hidden
        BewaarPosities(f);
        f.Move(0, 0, 120 + 6000, 405 + 3750);  // 1.25 times
        QCOMPARE(g.FontSize(), 10.0);
        QCOMPARE(g.ColWidth(0), 500);
        QCOMPARE(g.ColWidth(1), 2500);
        QCOMPARE(g.ColWidth(2), 0);
        f.Move(0, 0, 120 + 2400, 405 + 1500);  // half
        QCOMPARE(g.ColWidth(1), 1000);
        f.Move(0, 0, 120 + 4800, 405 + 3000);  // back: the design widths
        QCOMPARE(g.ColWidth(0), 400);
        QCOMPARE(g.ColWidth(1), 2000);
        // A text fits its column at every size the window takes.
        g.SetTextMatrix(1, 1, "01. Marie-Thérèse - Noor");
        g.SetColWidth(1, g.TextWidthTwips(g.TextMatrix(1, 1) + "W"));
        for (int breedte : {2400, 3600, 6000, 9600}) {
            f.Move(0, 0, 120 + breedte, 405 + breedte * 5 / 8);
            QVERIFY2(g.TextWidthTwips(g.TextMatrix(1, 1)) <= g.ColWidth(1), qPrintable(QString::number(breedte)));
        }
    }

    void aTinyStoredSizeOpensTheDesignSizeAndIsNotKept() {
        testsupport::TempHome home;
        IniBestand = programPath("taal.ini");
        WriteProfileString(IniBestand, "Beeldscherm", "ToonScherm", "1");
        WriteProfileString(SchermIniBestand(), "frmVeldom06", "State", "15,15");
        LayoutForm f("frmVeldom06");
        BewaarPosities(f);
        HerstelScherm(f);
        QCOMPARE(f.Width(), 4920);
        QCOMPARE(f.Height(), 3405);
        QCOMPARE(f.lblTekst.FontSize(), 8.0);
        BewaarSchermGrootte(f);
        QCOMPARE(ReadProfileString(SchermIniBestand(), "frmVeldom06", "State"), QString("4920,3405"));
        // Too narrow alone is as bad as too small.
        WriteProfileString(SchermIniBestand(), "frmVeldom06", "State", "300,3405");
        HerstelScherm(f);
        QCOMPARE(f.Width(), 4920);
        // Made tiny by hand, it is not stored: the stored size stays.
        f.scaleOnResize = false;
        f.Move(0, 0, 600, 600);
        BewaarSchermGrootte(f);
        QCOMPARE(ReadProfileString(SchermIniBestand(), "frmVeldom06", "State"), QString("300,3405"));
        // A quarter of the design size is still a size to keep.
        f.Move(0, 0, 1230, 852);
        BewaarSchermGrootte(f);
        QCOMPARE(ReadProfileString(SchermIniBestand(), "frmVeldom06", "State"), QString("1230,852"));
    }

    void windowSizeIsStoredAndRestored() {
        testsupport::TempHome home;
        IniBestand = programPath("taal.ini");
        LayoutForm f("frmVeldom06");
        f.scaleOnResize = false;
        f.Move(0, 0, 960, 720);
        BewaarSchermGrootte(f);
        QCOMPARE(ReadProfileString(SchermIniBestand(), "frmVeldom06", "State"), QString("960,720"));
        LayoutForm g("frmVeldom06");
        HerstelScherm(g);  // ToonScherm absent: designed size
        QCOMPARE(g.Width(), 4920);
        WriteProfileString(IniBestand, "Beeldscherm", "ToonScherm", "1");
        HerstelScherm(g);
        QCOMPARE(g.Width(), 960);
        QCOMPARE(g.Height(), 720);
        QCOMPARE(g.Left(), 0);
        WriteProfileString(IniBestand, "Beeldscherm", "Center Beeldscherm", "1");
        WriteProfileString(SchermIniBestand(), "frmVeldom06", "State", "5000");  // no comma
        HerstelScherm(g);
        QCOMPARE(g.Width(), 960);
        QCOMPARE(g.Left(), (Screen().Width() - 960) / 2);
        QCOMPARE(g.Top(), (Screen().Height() - 720) / 2);
        WriteProfileString(SchermIniBestand(), "frmVeldom06", "State", "-5,0");  // unusable: ignored
        HerstelScherm(g);
        QCOMPARE(g.Width(), 960);
    }

    void sortBoxesAreKeptPerWindow() {
        testsupport::TempHome home;
        LayoutForm a("frmVeldom04"), b("frmVeldom05");
        int clicks = 0;
        a.chkSorteer.OnClick([&] { ++clicks; });
        LeesSorteer(a, a.chkSorteer, "");
        QCOMPARE(a.chkSorteer.Value(), 0);  // never stored: unchecked
        QCOMPARE(clicks, 0);
        a.chkSorteer.SetValue(1);
        BewaarSorteer(a, a.chkSorteer, "");
        QCOMPARE(ReadProfileString(SorteerIniBestand(), "Sorteer", "frmVeldom04.chkSorteer"), QString("1"));
        LeesSorteer(b, b.chkSorteer, "");
        QCOMPARE(b.chkSorteer.Value(), 0);
        LayoutForm again("frmVeldom04");
        int againClicks = 0;
        again.chkSorteer.OnClick([&] { ++againClicks; });
        LeesSorteer(again, again.chkSorteer, "");
        QCOMPARE(again.chkSorteer.Value(), 1);
        QCOMPARE(againClicks, 1);  // the value changed: its click handler ran
        BewaarSorteer(b, b.chkSorteer, "1");
        QCOMPARE(ReadProfileString(SorteerIniBestand(), "Sorteer", "frmVeldom05.chkSorteer1"), QString("0"));
    }

    void focusGoesOnlyWhereItCan() {
        LayoutForm f("frmA");
        ZetFocus(f, f.cmdFocus);  // window not shown
        QVERIFY(!f.cmdFocus.hasFocus());
        f.Show();
        f.cmdFocus.SetEnabled(false);
        ZetFocus(f, f.cmdFocus);
        QVERIFY(!f.cmdFocus.hasFocus());
        f.fraGroep.SetVisible(false);
        ZetFocus(f, f.cmdIn);  // its frame is hidden
        QVERIFY(!f.cmdIn.hasFocus());
        f.fraGroep.SetVisible(true);
        ZetFocus(f, f.cmdIn);
        QVERIFY(f.cmdIn.hasFocus());
        f.SetEnabled(false);
        f.cmdFocus.SetEnabled(true);
        ZetFocus(f, f.cmdFocus);
        QVERIFY(!f.cmdFocus.hasFocus());
        Unload(f);
        ZetFocus(f, f.cmdFocus);  // an unloaded window: nothing, no failure
        QVERIFY(!f.cmdFocus.hasFocus());
    }

    void listSearch() {
        LayoutForm f("frmA");
        for (const char* s : {"xyz", "ABC", "abd", "ab"}) f.lstLijst.AddItem(s);
        QCOMPARE(ZoekInLijst(f.lstLijst.hWnd(), "ab", false), 1);
        QCOMPARE(ZoekInLijst(f.lstLijst.hWnd(), "ab", true), 3);
        QCOMPARE(ZoekInLijst(f.lstLijst.hWnd(), "abc", true), 1);
        QCOMPARE(ZoekInLijst(f.lstLijst.hWnd(), "q", false), -1);
        QCOMPARE(ZoekInLijst(nullptr, "ab", false), -1);
    }
};

QTEST_MAIN(TestScherm)
#include "test_scherm.moc"
