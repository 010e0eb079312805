// Controls beyond the basic value events: default and cancel buttons,
// mouse clicks, combo boxes, file, folder and place lists, selections.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QtTest>
#include <fcntl.h>
#include <unistd.h>

#include "platform/App.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "support/TestSupport.h"

using namespace platform;

namespace {

class ControlsForm : public Form {
public:
    ControlsForm() : Form("frmControls") {
        cmdOK.OnClick([this] { log << "ok"; });
        cmdTerug.OnClick([this] { log << "terug"; });
        cmdAnder.OnClick([this] { log << "ander"; });
        cmdOK.SetDefault(true);
        cmdTerug.SetCancel(true);
        lblSpelnummer.OnClick([this] { log << "label"; });
        optA.OnClick([this] { log << "A"; });
        optB.OnClick([this] { log << "B"; });
        comWind.OnChange([this] { log << "change " + comWind.Text(); });
        comWind.OnClick([this] { log << "click " + comWind.Text(); });
        comLijst.SetStyle(vbComboDropdownList);
        filSpellen.OnPathChange([this] { log << "path"; });
        filSpellen.OnPatternChange([this] { log << "pattern"; });
        dirMap.OnChange([this] { log << "dir"; });
        drvPlek.OnChange([this] { log << "drive"; });
        timKlok.OnTimer([this] { ++ticks; });
        cmdOK.Move(0, 0, 1200, 375);
        cmdAnder.Move(0, 500, 1200, 375);
        txtNaam.Move(0, 1000, 1200, 285);
        lblSpelnummer.Move(0, 1500, 1200, 255);
        optA.Move(0, 2000, 1200, 255);
        optB.Move(0, 2300, 1200, 255);
        cmdLater.SetVisible(false);
        txtMemo.SetMultiLine(true);
        txtMemo.Move(2000, 0, 2000, 1000);
    }
    CommandButton cmdOK{this, "cmdOK"};
    CommandButton cmdTerug{this, "cmdTerug"};
    CommandButton cmdAnder{this, "cmdAnder"};
    CommandButton cmdLater{this, "cmdLater"};
    TextBox txtNaam{this, "txtNaam"};
    TextBox txtMemo{this, "txtMemo"};
    Label lblSpelnummer{this, "lblSpelnummer"};
    OptionButton optA{this, "optA"};
    OptionButton optB{this, "optB"};
    ComboBox comWind{this, "comWind"};
    ComboBox comLijst{this, "comLijst"};
    FileListBox filSpellen{this, "filSpellen"};
    DirListBox dirMap{this, "dirMap"};
    DriveListBox drvPlek{this, "drvPlek"};
    Timer timKlok{this, "timKlok"};
    QStringList log;
    int ticks = 0;
};

class ShowsItselfForm : public Form {
public:
    ShowsItselfForm() : Form("frmZelf") {}
    void Form_Load() override {
        Show();
        log << "load done";
    }
    void Form_Activate() override { log << "activate"; }
    QStringList log;
};
DECLARE_FORM(frmZelf, ShowsItselfForm)
DEFINE_FORM(frmZelf, ShowsItselfForm)

void touch(const QString& path) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("x");
}

}  // namespace

class TestFormsControls : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetupApplication(*qApp); }
    void cleanup() {
        UnloadAll();
        DoEvents();
    }

    void enterPressesDefaultEscPressesCancel() {
        ControlsForm f;
        f.Show();
        f.txtNaam.SetFocus();
        QTest::keyClick(f.txtNaam.widget(), Qt::Key_Return);
        QTest::keyClick(f.txtNaam.widget(), Qt::Key_Escape);
        QCOMPARE(f.log, (QStringList{"ok", "terug"}));
        QVERIFY(f.cmdOK.Default());
        f.cmdAnder.SetDefault(true);
        QVERIFY(!f.cmdOK.Default());
        f.log.clear();
        f.cmdAnder.SetEnabled(false);  // a disabled default button is not pressed
        QTest::keyClick(f.txtNaam.widget(), Qt::Key_Return);
        QVERIFY(f.log.isEmpty());
        f.cmdAnder.SetEnabled(true);
        f.cmdOK.SetFocus();  // Enter on a button presses that button
        QTest::keyClick(f.cmdOK.widget(), Qt::Key_Return);
        QCOMPARE(f.log, QStringList{"ok"});
        Unload(f);
    }

    void labelsAndOptionsTakeMouseClicks() {
        ControlsForm f;
        f.Show();
        QTest::mouseClick(f.lblSpelnummer.widget(), Qt::LeftButton);
        const QPoint indicator(6, f.optA.widget()->height() / 2);
        QTest::mouseClick(f.optB.widget(), Qt::LeftButton, {}, indicator);
        QTest::mouseClick(f.optA.widget(), Qt::LeftButton, {}, indicator);
        QTest::mouseClick(f.optA.widget(), Qt::LeftButton, {}, indicator);  // a click on the selected one is a click too
        QCOMPARE(f.log, (QStringList{"label", "B", "A", "A"}));
        QVERIFY(f.optA.Value());
        QVERIFY(!f.optB.Value());
        QVERIFY(!qobject_cast<QRadioButton*>(f.optB.widget())->isChecked());
        // A disabled control hears no mouse: no MouseDown, MouseUp or Click.
        f.log.clear();
        f.lblSpelnummer.OnMouseDown([&f](int, int, float, float) { f.log << "down"; });
        f.lblSpelnummer.OnMouseUp([&f](int, int, float, float) { f.log << "up"; });
        f.lblSpelnummer.SetEnabled(false);
        QTest::mouseClick(f.lblSpelnummer.widget(), Qt::LeftButton);
        QTest::mouseDClick(f.lblSpelnummer.widget(), Qt::LeftButton);
        QVERIFY(f.log.isEmpty());
        f.lblSpelnummer.SetEnabled(true);
        QTest::mouseClick(f.lblSpelnummer.widget(), Qt::LeftButton);
        QCOMPARE(f.log, (QStringList{"down", "up", "label"}));
        Unload(f);
    }

    void firstFocusOfAShownWindowRunsGotFocus() {
        ControlsForm f;
        QStringList got;
        f.cmdOK.OnGotFocus([&] { got << "ok"; });
        f.txtNaam.OnGotFocus([&] { got << "txt"; });
        f.txtNaam.SetTabIndex(0);
        QCOMPARE(f.cmdOK.TabIndex(), 1);  // the others moved along
        QCOMPARE(f.cmdAnder.TabIndex(), 3);
        QCOMPARE(f.lblSpelnummer.TabIndex(), 6);  // made after txtNaam: unchanged
        f.Show();
        QTRY_VERIFY(f.ActiveControl() != nullptr);
        QCOMPARE(got, QStringList{"txt"});
        Unload(f);
    }

    void hiddenControlGetsItsWidgetWhenShown() {
        ControlsForm f;
        f.Show();
        QVERIFY(f.cmdLater.existingWidget() == nullptr);
        f.cmdLater.SetCaption("Later");
        f.cmdLater.SetVisible(true);
        QVERIFY(f.cmdLater.existingWidget() != nullptr);
        QVERIFY(f.cmdLater.existingWidget()->isVisible());
        Unload(f);
    }

    void comboEditAndList() {
        ControlsForm f;
        for (const char* s : {"Noord", "Oost"}) f.comWind.AddItem(s);
        f.comWind.SetText("PDF kiezen");
        QCOMPARE(f.comWind.Text(), QString("PDF kiezen"));
        QCOMPARE(f.comWind.ListIndex(), -1);
        f.comWind.SetListIndex(1);
        QCOMPARE(f.comWind.Text(), QString("Oost"));
        QCOMPARE(f.log, (QStringList{"change PDF kiezen", "click Oost"}));
        f.Show();
        auto* w = qobject_cast<QComboBox*>(f.comWind.widget());
        QCOMPARE(w->currentText(), QString("Oost"));
        w->setCurrentIndex(0);  // the user picks another
        QCOMPARE(f.comWind.ListIndex(), 0);
        QCOMPARE(f.log.last(), QString("click Noord"));
        const int before = f.comWind.Height();
        f.comWind.SetHeight(2000);
        QCOMPARE(f.comWind.Height(), before);
        for (const char* s : {"a", "b"}) f.comLijst.AddItem(s);
        f.comLijst.SetText("B");  // a list-only box selects the item
        QCOMPARE(f.comLijst.ListIndex(), 1);
        f.comLijst.SetText("zz");
        QCOMPARE(f.comLijst.Text(), QString("b"));
        Unload(f);
    }

    void comboTakesKeys() {
        ControlsForm f;
        QString pressed;
        f.comWind.OnKeyPress([&](int& k) {
            pressed += QChar(k);
            if (k == 'x') k = 0;
        });
        f.Show();
        f.comWind.SetFocus();
        QTest::keyClicks(f.comWind.widget(), "axb");
        QCOMPARE(pressed, QString("axb"));
        QCOMPARE(f.comWind.Text(), QString("ab"));
        int memoKeys = 0;
        f.txtMemo.OnKeyPress([&](int&) { ++memoKeys; });
        f.cmdOK.SetDefault(false);  // else Enter presses it, in any box
        f.txtMemo.SetFocus();
        QTest::keyClicks(f.txtMemo.widget(), "r1");
        QTest::keyClick(f.txtMemo.widget(), Qt::Key_Return);
        QTest::keyClicks(f.txtMemo.widget(), "r2");
        QCOMPARE(memoKeys, 5);
        QCOMPARE(f.txtMemo.Text(), QString("r1\r\nr2"));  // line breaks as CR LF
        Unload(f);
    }

    void fileListMatchesPatternWithoutRegardToCase() {
        testsupport::TempHome home;
        touch(home.file("b.txt"));
        touch(home.file("A.TXT"));
        touch(home.file("c.pdf"));
        QDir(home.path()).mkdir("sub.txt");
        ControlsForm f;
        f.filSpellen.SetPattern("*.txt");
        f.filSpellen.SetPath(home.path());
        QCOMPARE(f.filSpellen.Items(), (QStringList{"A.TXT", "b.txt"}));
        QCOMPARE(f.log, (QStringList{"pattern", "path"}));
        f.filSpellen.SetPath(home.path());  // unchanged: no PathChange, but read again
        touch(home.file("d.txt"));
        f.filSpellen.Refresh();
        QCOMPARE(f.filSpellen.ListCount(), 3);
        QCOMPARE(f.log.size(), 2);
        f.filSpellen.SetPattern("*.pdf;*.TXT");
        QCOMPARE(f.filSpellen.ListCount(), 4);
        f.filSpellen.SetPath(home.file("missing"));
        QCOMPARE(f.filSpellen.ListCount(), 0);
    }

    void fileAndFolderListsShowOnlyPlainNames() {
        testsupport::TempHome home;
        touch(home.file("goed.txt"));
        touch(home.file("sub\\..\\taal.txt"));  // one name holding backslashes
        touch(home.file("a\tb.txt"));         // a control character
        touch(home.file("regel\nbreuk.txt"));
        // Bytes that are not UTF-8: the name cannot be spelled back.
        const QByteArray vreemd = QFile::encodeName(home.path()) + "/\xFF\xFE.txt";
        const int fd = ::open(vreemd.constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0);
        ::close(fd);
        QDir(home.path()).mkpath("map\\sub");
        QDir(home.path()).mkpath("gewoon");
        ControlsForm f;
        f.filSpellen.SetPattern("*.txt");
        f.filSpellen.SetPath(home.path());
        QCOMPARE(f.filSpellen.Items(), QStringList{"goed.txt"});
        f.dirMap.SetPath(home.path());
        QCOMPARE(f.dirMap.Items().mid(f.dirMap.ListIndex()), (QStringList{home.path(), home.file("gewoon")}));
    }

    void folderAndPlaceLists() {
        testsupport::TempHome home;
        QDir(home.path()).mkpath("resultaten/zomer");
        QDir(home.path()).mkpath("resultaten/Avond");
        touch(home.file("resultaten/los.txt"));
        ControlsForm f;
        f.dirMap.SetPath(home.file("resultaten"));
        // The way down from the root, the folder itself selected, then its
        // sub-folders; each row a full path, shown by its own name.
        const QStringList rijen = f.dirMap.Items();
        const int hier = f.dirMap.ListIndex();
        QCOMPARE(rijen.value(hier), home.file("resultaten"));
        QCOMPARE(rijen.mid(hier + 1), (QStringList{home.file("resultaten/Avond"), home.file("resultaten/zomer")}));
        QCOMPARE(rijen.first(), QString("/"));
        QCOMPARE(f.dirMap.ShownText(0), QString("/"));
        for (int i = 1; i <= hier; ++i) QCOMPARE(QFileInfo(rijen[i]).path(), rijen[i - 1]);
        const QString inspring(3 * hier, ' ');
        QCOMPARE(f.dirMap.ShownText(hier), inspring + "resultaten");
        QCOMPARE(f.dirMap.ShownText(hier + 1), inspring + "   Avond");
        QCOMPARE(f.log, QStringList{"dir"});
        f.log.clear();
        // A folder without sub-folders still shows where it is; an
        // ancestor's row is a path to go to.
        f.dirMap.SetPath(home.file("resultaten/zomer"));
        QCOMPARE(f.dirMap.ListCount(), f.dirMap.ListIndex() + 1);
        QCOMPARE(f.dirMap.Text(), home.file("resultaten/zomer"));
        f.dirMap.SetPath(f.dirMap.List(0));
        QCOMPARE(f.dirMap.Path(), QString("/"));
        QCOMPARE(f.dirMap.ListIndex(), 0);
        const QString top = home.path().section('/', 1, 1);
        QCOMPARE(f.dirMap.ShownText(int(f.dirMap.Items().indexOf("/" + top))), "   " + top);
        f.log.clear();
        ControlsForm g;  // made with the test's program folder among its places
        g.drvPlek.SetDrive(home.file("pdf/sub"));
        QCOMPARE(g.drvPlek.Drive(), QDir::cleanPath(home.path()));
        QCOMPARE(g.log, QStringList{"drive"});
        g.drvPlek.SetDrive(home.path());  // same place: no Change
        QCOMPARE(g.log.size(), 1);
        g.drvPlek.SetDrive("/usr");
        QCOMPARE(g.drvPlek.Drive(), QString("/"));
    }

    void textSelection() {
        ControlsForm f;
        f.txtNaam.SetText("abcdef");
        f.txtNaam.SetSelStart(2);
        f.txtNaam.SetSelLength(3);
        QCOMPARE(f.txtNaam.SelText(), QString("cde"));
        f.txtNaam.SetSelText("X");
        QCOMPARE(f.txtNaam.Text(), QString("abXf"));
        QCOMPARE(f.txtNaam.SelStart(), 3);
        f.Show();  // the widget takes over the caret
        f.txtNaam.SetSelStart(99);
        QCOMPARE(f.txtNaam.SelStart(), 4);
        f.txtNaam.SetSelStart(1);
        f.txtNaam.SetSelLength(2);
        QCOMPARE(f.txtNaam.SelText(), QString("bX"));
        Unload(f);
    }

    void showFromLoadActivatesAfterLoad() {
        ShowsItselfForm& f = frmZelf();
        QCOMPARE(f.log, (QStringList{"load done", "activate"}));
        QCOMPARE(ActiveForm(), static_cast<Form*>(&f));
        QVERIFY(frmZelf_IsLoaded());
    }

    void timerStopsWithItsWindow() {
        auto* f = new ControlsForm;  // deleted by nobody but the test
        f->timKlok.SetInterval(1);
        QTRY_VERIFY(f->ticks > 0);
        Unload(*f);
        const int n = f->ticks;
        QTest::qWait(20);
        QCOMPARE(f->ticks, n);
        delete f;
    }

    void windowRendersWithoutBeingShown() {
        ControlsForm f;
        f.Move(0, 0, 3120, 2405);
        f.SetBackColor(vbWhite);
        f.lblSpelnummer.SetCaption("24");
        f.lblSpelnummer.SetBackColor(RGB(192, 0, 0));
        QImage image(f.ScaleWidth() / 15, f.ScaleHeight() / 15, QImage::Format_RGB32);
        image.fill(Qt::black);
        f.widget()->render(&image);
        QVERIFY(!f.Visible());
        QCOMPARE(image.pixelColor(image.width() - 2, image.height() - 2), QColor(Qt::white));
        QCOMPARE(image.pixelColor(70, 100 + 5), QColor(192, 0, 0));  // inside lblSpelnummer
    }

    void autoSizeLabelFollowsCaption() {
        ControlsForm f;
        Label& l = f.lblSpelnummer;
        l.SetAutoSize(true);
        l.SetCaption("1");
        const int narrow = l.Width();
        l.SetCaption("1234567890");
        QVERIFY(l.Width() > 5 * narrow);
        l.SetCaption("a\r\nb");
        QVERIFY(l.Height() >= 2 * 180);
    }
};

QTEST_MAIN(TestFormsControls)
#include "test_forms_controls.moc"
