// What the containers and labels paint: their own BackColor, a paint handler
// in twips, a maximised window that covers the screen's free area, and the
// title a window shows.
#include <QGroupBox>
#include <QLabel>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <QtTest>

#include "platform/App.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Screen.h"

using namespace platform;

namespace {

constexpr qint64 Rood = 0x0000C0;   // RGB(192, 0, 0)
constexpr qint64 Groen = 0x00C000;  // RGB(0, 192, 0)

class PaintForm : public Form {
public:
    PaintForm() : Form("frmPaint") {
        Move(0, 0, 6000, 4000);
        fraGrid.SetBorderStyle(0);
        fraGrid.Move(0, 0, 1500, 1500);
        fraRand.Move(1500, 0, 1500, 1500);
        lblVak.Move(150, 150, 600, 300);
        lblKaal.Move(150, 750, 600, 300);
        picTeken.Move(3000, 0, 1500, 1500);
        picTeken.SetBorderStyle(0);
    }
    Frame fraGrid{this, "fraGrid"};
    Frame fraRand{this, "fraRand"};
    Label lblVak{&fraGrid, "lblVak"};
    Label lblKaal{&fraGrid, "lblKaal"};
    PictureBox picTeken{this, "picTeken"};
};

QImage Render(Form& f) {
    QImage image(PixelsFromTwips(f.ScaleWidth()), PixelsFromTwips(f.ScaleHeight()), QImage::Format_RGB32);
    image.fill(Qt::black);
    f.widget()->render(&image);
    return image;
}

// What the window shows on screen now, as painted into its backing store.
QImage OpScherm(Form& f) {
    return f.widget()->windowHandle()->screen()->grabWindow(f.widget()->winId()).toImage().convertToFormat(
        QImage::Format_RGB32);
}

// Counts the paint events of the widget it watches.
struct VerfTeller : QObject {
    int verf = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        verf += e->type() == QEvent::Paint;
        return false;
    }
};

}  // namespace

class TestFormsPaint : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetupApplication(*qApp); }
    void cleanup() {
        UnloadAll();
        DoEvents();
    }

    // A frame, with or without border, fills itself in its BackColor; a
    // label inside shows its own colour, or the frame's when it has none.
    void framesAndLabelsShowTheirBackColor() {
        PaintForm f;
        f.fraGrid.SetBackColor(vbWhite);
        f.fraRand.SetBackColor(Groen);
        f.lblVak.SetBackColor(Rood);
        const QImage image = Render(f);
        QCOMPARE(image.pixelColor(95, 95), QColor(Qt::white));         // fraGrid, bottom right
        QCOMPARE(image.pixelColor(3, 60), QColor(Qt::white));          // fraGrid, left edge
        // Inside fraRand: the style may shade a bordered frame's inside a little.
        const QColor rand = image.pixelColor(100 + 50, 60);
        QVERIFY2(rand.green() > 170 && rand.red() < 20 && rand.blue() < 20, qPrintable(rand.name()));
        QCOMPARE(image.pixelColor(20, 15), QColor(192, 0, 0));         // lblVak
        QCOMPARE(image.pixelColor(20, 55), QColor(Qt::white));         // lblKaal: the frame's white
    }

    // The colour can change after the window was drawn, and a transparent
    // label shows its container whatever its colour.
    void backColorChangesAfterTheFirstPaint() {
        PaintForm f;
        f.fraGrid.SetBackColor(vbWhite);
        Render(f);
        f.fraGrid.SetBackColor(Groen);
        f.lblVak.SetBackColor(Rood);
        f.lblVak.SetBackStyle(0);
        const QImage image = Render(f);
        QCOMPARE(image.pixelColor(95, 95), QColor(0, 192, 0));
        QCOMPARE(image.pixelColor(20, 15), QColor(0, 192, 0));
    }

    // The paint handler draws in twips, on the picture box's BackColor.
    void pictureBoxPaintsBackColorAndTwips() {
        PaintForm f;
        f.picTeken.SetBackColor(vbWhite);
        f.picTeken.OnPaint([](QPainter& p) { p.fillRect(QRect(0, 0, 750, 750), QColor(192, 0, 0)); });
        const QImage image = Render(f);
        QCOMPARE(image.pixelColor(200 + 10, 10), QColor(192, 0, 0));   // 10 px in: inside 750 twips
        QCOMPARE(image.pixelColor(200 + 60, 60), QColor(Qt::white));   // 60 px in: beyond 50 px
        QCOMPARE(image.pixelColor(200 + 95, 95), QColor(Qt::white));
    }

    // A maximised window takes the screen's free area, shown or maximised
    // later, and gets its own size back when made normal again.
    void maximisedWindowCoversTheFreeScreen() {
        QScreen* screen = QGuiApplication::primaryScreen();
        QVERIFY(screen);
        PaintForm f;
        f.SetWindowState(vbMaximized);
        f.Show();
        DoEvents();
        QCOMPARE(f.widget()->frameGeometry().size(), screen->availableGeometry().size());
        f.SetWindowState(vbNormal);
        DoEvents();
        QCOMPARE(f.widget()->size(), QSize(PixelsFromTwips(f.ScaleWidth()), PixelsFromTwips(f.ScaleHeight())));
        f.SetWindowState(vbMaximized);
        DoEvents();
        QCOMPARE(f.widget()->frameGeometry().size(), screen->availableGeometry().size());
    }

    // The title bar shows the caption without access-key marks, and the
    // program's title, never the window's internal name, when there is none.
    // A new title for a framed box repaints where the old and the new title
    // stand, not the box across its width: the controls inside are not
    // painted again, and the box shows the new title exactly as a fresh
    // paint would. The same title again paints nothing.
    void aNewFrameTitlePaintsOnlyTheTitleStrip() {
        PaintForm f;
        f.fraRand.Move(1500, 0, 4400, 1500);
        f.fraRand.SetCaption("Spel 1");
        Label lblIn{&f.fraRand, "lblIn"};
        lblIn.Move(150, 450, 900, 600);
        lblIn.SetCaption("inhoud");
        f.Show();
        DoEvents();
        struct Teller : QObject {
            int verf = 0;
            QRegion gebied;
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::Paint) {
                    ++verf;
                    gebied += static_cast<QPaintEvent*>(e)->region();
                }
                return false;
            }
        } doos, label;
        f.fraRand.widget()->installEventFilter(&doos);
        lblIn.widget()->installEventFilter(&label);
        f.fraRand.SetCaption("Spel 12");
        DoEvents();
        QVERIFY(doos.verf > 0);
        QCOMPARE(label.verf, 0);
        const int strook = f.fraRand.widget()->contentsRect().top();
        QVERIFY(strook > 0);
        QVERIFY2(doos.gebied.boundingRect().bottom() < strook, "the frame painted below its title");
        QVERIFY2(doos.gebied.boundingRect().width() < f.fraRand.widget()->width() / 2,
                 "the frame painted across its width");
        QCOMPARE(static_cast<QGroupBox*>(f.fraRand.widget())->title(), QString("Spel 12"));
        doos.verf = 0;
        f.fraRand.SetCaption("Spel 12");
        DoEvents();
        QCOMPARE(doos.verf, 0);
        // What is on screen now equals a full paint.
        QImage scherm(f.widget()->size(), QImage::Format_RGB32);
        f.widget()->render(&scherm);
        const QImage vers = Render(f);
        QCOMPARE(scherm, vers);
    }

    void aLabelPaintsOnlyTheTextItEndsWith() {
        PaintForm f;
        f.lblVak.SetBackColor(vbWhite);
        f.lblVak.SetCaption("");
        f.Show();
        DoEvents();
        VerfTeller label;
        auto* widget = static_cast<QLabel*>(f.lblVak.widget());
        widget->installEventFilter(&label);
        const auto scherm = [&] {
            DoEvents();
            return OpScherm(f);
        };
        // Shown and cleared again within one handler: nothing to repaint.
        f.lblVak.SetCaption("50,00");
        QCOMPARE(widget->text(), QString("50,00"));
        f.lblVak.SetCaption("");
        DoEvents();
        QCOMPARE(label.verf, 0);
        // A new text is the widget's at once and on screen after one paint.
        f.lblVak.SetCaption("4S=");
        QCOMPARE(widget->text(), QString("4S="));
        f.lblVak.SetCaption("4S+1");
        DoEvents();
        QCOMPARE(label.verf, 1);
        QCOMPARE(scherm(), Render(f));
        // Rendered elsewhere meanwhile (a printout, a grab): the screen
        // still gets what changed.
        f.lblVak.SetCaption("6SA");
        f.lblVak.SetCaption("4S");
        (void)widget->grab();
        QCOMPARE(OpScherm(f) == Render(f), false);
        QCOMPARE(scherm(), Render(f));
        // Painted whole meanwhile (the window made larger, then shown by the
        // window system): changing back is a change of what is on screen.
        f.lblVak.SetCaption("6SA");
        f.widget()->resize(f.widget()->width() + 30, f.widget()->height());
        QExposeEvent bloot(QRegion(f.widget()->rect()));
        QCoreApplication::sendEvent(f.widget()->windowHandle(), &bloot);
        f.lblVak.SetCaption("4S");
        QCOMPARE(scherm(), Render(f));
        // A frame that shows nothing new meanwhile keeps it that way.
        f.fraGrid.widget()->setUpdatesEnabled(false);
        f.lblVak.SetCaption("3SA");
        QVERIFY(!widget->updatesEnabled());
        f.fraGrid.widget()->setUpdatesEnabled(true);
        QCOMPARE(scherm(), Render(f));
        // A label of a hidden window has its text when the window shows.
        f.Hide();
        f.lblVak.SetCaption("pas");
        f.Show();
        QCOMPARE(scherm(), Render(f));
        QCOMPARE(widget->text(), QString("pas"));
    }

    void aButtonPaintsOnlyTheStateItEndsWith() {
        PaintForm f;
        CommandButton cmdIn{&f.fraRand, "cmdIn"};
        cmdIn.Move(150, 450, 1200, 400);
        cmdIn.SetCaption("Wis");
        f.Show();
        DoEvents();
        VerfTeller knop;
        QWidget* widget = cmdIn.widget();
        widget->installEventFilter(&knop);
        // Disabled while a handler works and enabled again: no repaint.
        cmdIn.SetEnabled(false);
        QVERIFY(!widget->isEnabled());
        cmdIn.SetEnabled(true);
        DoEvents();
        QCOMPARE(knop.verf, 0);
        // Disabled for good: greyed after one paint, as a full paint shows it.
        cmdIn.SetEnabled(false);
        DoEvents();
        QCOMPARE(knop.verf, 1);
        QCOMPARE(OpScherm(f), Render(f));
        // Its own setting survives its frame's: enabled again only by itself.
        f.fraRand.SetEnabled(false);
        f.fraRand.SetEnabled(true);
        QVERIFY(!widget->isEnabled());
        cmdIn.SetEnabled(true);
        QVERIFY(widget->isEnabled());
        f.fraRand.SetEnabled(false);
        cmdIn.SetEnabled(false);
        f.fraRand.SetEnabled(true);
        QVERIFY(!widget->isEnabled());
    }

    void titleIsTheCaptionWithoutAccessKeysOrTheProgramTitle() {
        PaintForm f;
        f.SetCaption("&Afdrukken");  // before the window exists
        QCOMPARE(f.widget()->windowTitle(), QString("Afdrukken"));
        f.Show();
        DoEvents();
        f.SetCaption("Zwart && W&it");  // while it is on screen
        QCOMPARE(f.widget()->windowTitle(), QString("Zwart & Wit"));
        QCOMPARE(f.widget()->windowHandle()->title(), QString("Zwart & Wit"));
        QCOMPARE(f.Caption(), QString("Zwart && W&it"));  // the property keeps what was set

        for (const QString& leeg : {QString(), QString("&"), QString("  ")}) {
            f.SetCaption(leeg);
            QCOMPARE(f.widget()->windowTitle(), ProgramTitle());
        }
        PaintForm zonder;  // never given a caption
        zonder.Show();
        DoEvents();
        QCOMPARE(zonder.widget()->windowTitle(), ProgramTitle());
        QVERIFY(!zonder.widget()->windowHandle()->title().contains("frm"));
    }
};

QTEST_MAIN(TestFormsPaint)
#include "test_forms_paint.moc"
