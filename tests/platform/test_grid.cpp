// The grid control: growing and shrinking, the current cell, sorting, the
// user's clicks and moves, column fitting and painting.

#include <QAbstractScrollArea>
#include <QPaintEvent>
#include <QPainter>
#include <QPicture>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

#include "platform/Events.h"
#include "platform/Form.h"
#include "platform/Grid.h"
#include "shared/Rooster.h"

using namespace platform;

namespace {

class GridForm : public Form {
public:
    GridForm() : Form("frmGridTest") {}
    Grid grid{this, "msfgTest"};
};

// A grid of a header and the given names in column 1.
void Vul(Grid& g, const QStringList& namen) {
    g.SetCols(3);
    g.SetFixedCols(0);
    g.SetRows(1 + int(namen.size()));
    g.SetTextMatrix(0, 1, "Naam");
    for (int i = 0; i < namen.size(); ++i) g.SetTextMatrix(i + 1, 1, namen[i]);
}

// The paint events a widget gets, with the region each one paints.
struct Verf : QObject {
    QList<QRegion> gebieden;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) gebieden << static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

// What the window shows on the screen (its backing store, not a fresh paint).
QImage Scherm(Form& f) { return QGuiApplication::primaryScreen()->grabWindow(f.widget()->winId()).toImage(); }

QStringList Kolom(const Grid& g, int c) {
    QStringList out;
    for (int r = g.FixedRows(); r < g.Rows(); ++r) out << g.TextMatrix(r, c);
    return out;
}

}  // namespace

class TestGrid : public QObject {
    Q_OBJECT

private slots:
    void growsAndShrinksDownToTheHeaderAlone() {
        GridForm f;
        Grid& g = f.grid;
        QCOMPARE(g.Rows(), 2);
        QCOMPARE(g.Cols(), 2);
        Vul(g, {"a", "b", "c"});
        g.SetTextMatrix(3, 2, "c@x.nl");
        g.SetRow(3);
        g.SetCol(2);
        QCOMPARE(g.Text(), QString("c@x.nl"));
        // Removing the last data row moves the current cell up with it.
        g.SetRows(g.Rows() - 1);
        QCOMPARE(g.Rows(), 3);
        QCOMPARE(g.Row(), 2);
        QCOMPARE(Kolom(g, 1), QStringList({"a", "b"}));
        // A row removed in the middle: the others keep their order.
        g.RemoveRow(1);
        QCOMPARE(Kolom(g, 1), QStringList({"b"}));
        g.RemoveRow(0);  // the header is no data row
        QCOMPARE(g.TextMatrix(0, 1), QString("Naam"));
        g.RemoveRow(1);
        QCOMPARE(g.Rows(), 1);
        QCOMPARE(g.TextMatrix(0, 1), QString("Naam"));
        // Not below the fixed rows; grown again, the new row is empty.
        g.SetRows(0);
        QCOMPARE(g.Rows(), 1);
        g.SetRows(2);
        QCOMPARE(g.TextMatrix(1, 1), QString());
        // Out of the grid: reads give "", writes are ignored.
        g.SetTextMatrix(9, 9, "x");
        QCOMPARE(g.TextMatrix(9, 9), QString());
        QCOMPARE(g.TextMatrix(-1, 0), QString());
        // Columns shrink and grow one at a time; widths of new ones are the default.
        g.SetColWidth(2, 3000);
        g.SetCols(2);
        g.SetCols(3);
        QVERIFY(g.ColWidth(2) != 3000);
        QCOMPARE(g.TextMatrix(0, 2), QString());
    }

    void cellPropertiesFollowTheCurrentCell() {
        GridForm f;
        Grid& g = f.grid;
        g.SetRows(3);
        g.SetRow(0);
        g.SetCol(1);
        QCOMPARE(g.CellAlignment(), int(flexAlignGeneral));
        g.SetCellAlignment(flexAlignCenterCenter);
        g.SetCellForeColor(vbRed);
        g.SetRow(2);
        g.SetCellBackColor(vbYellow);
        QCOMPARE(g.cellAlignment(0, 1), int(flexAlignCenterCenter));
        QCOMPARE(g.cellAlignment(2, 1), int(flexAlignGeneral));
        QCOMPARE(g.cellForeColor(0, 1), vbRed);
        QCOMPARE(g.cellBackColor(2, 1), vbYellow);
        // Fixed cells are drawn in the fixed colour unless a cell says otherwise.
        QCOMPARE(g.cellBackColor(0, 0), g.BackColorFixed());
        QCOMPARE(g.cellBackColor(1, 1), g.BackColor());
        // Two fixed rows (the two-rankings table) and back to one.
        g.SetFixedRows(2);
        QCOMPARE(g.cellBackColor(1, 1), g.BackColorFixed());
        g.SetFixedRows(1);
        g.SetRowHeight(1, 600);
        QCOMPARE(g.RowHeight(1), 600);
        QVERIFY(g.RowHeight(0) >= 240);
    }

    void sortsTheDataRowsOnTheCurrentColumn() {
        GridForm f;
        Grid& g = f.grid;
        Vul(g, {"bert", "Anna", "", "anna", "Bert"});
        for (int r = 1; r < g.Rows(); ++r) g.SetTextMatrix(r, 2, QString::number(r));
        g.SetCol(1);
        g.SetSort(flexSortStringAscending);  // case-sensitive: capitals first
        QCOMPARE(Kolom(g, 1), QStringList({"", "Anna", "Bert", "anna", "bert"}));
        // Every cell of a row moves with it; the header stays.
        QCOMPARE(Kolom(g, 2), QStringList({"3", "2", "5", "4", "1"}));
        QCOMPARE(g.TextMatrix(0, 1), QString("Naam"));
        g.SetSort(flexSortStringNoCaseDescending);
        QCOMPARE(Kolom(g, 1).mid(0, 2), QStringList({"Bert", "bert"}));  // stable
        // Numbers as numbers.
        for (int r = 1; r < g.Rows(); ++r) g.SetTextMatrix(r, 0, QStringList{"10", "9", "100", "2.5", "x"}[r - 1]);
        g.SetCol(0);
        g.SetSort(flexSortNumericDescending);
        QCOMPARE(Kolom(g, 0), QStringList({"100", "10", "9", "2.5", "x"}));
        // A custom order: empty names last.
        g.SortRows(1, [](const QString& a, const QString& b) {
            if (a.isEmpty() != b.isEmpty()) return !a.isEmpty();
            return a < b;
        });
        QCOMPARE(Kolom(g, 1).last(), QString());
        // Nothing to sort in a header-only grid.
        g.SetRows(1);
        g.SetSort(flexSortStringAscending);
        QCOMPARE(g.Rows(), 1);
    }

    void userClicksAndMovesRunTheEvents() {
        GridForm f;
        Grid& g = f.grid;
        Vul(g, {"a", "b", "c"});
        int clicks = 0, moves = 0;
        g.OnClick([&] { ++clicks; });
        g.OnRowColChange([&] { ++moves; });
        // Code moves run nothing.
        g.SetRow(3);
        g.SetCol(2);
        QCOMPARE(moves, 0);
        // A click on a data cell moves the current cell there, then runs Click.
        g.userClickCell(2, 1);
        QCOMPARE(g.Row(), 2);
        QCOMPARE(g.Col(), 1);
        QCOMPARE(moves, 1);
        QCOMPARE(clicks, 1);
        // The same cell again: Click, no move.
        g.userClickCell(2, 1);
        QCOMPARE(clicks, 2);
        QCOMPARE(moves, 1);
        // The header row: nothing happens, but the click is seen.
        g.userClickCell(0, 1);
        QCOMPARE(clicks, 2);
        QCOMPARE(g.Row(), 2);
        QCOMPARE(g.MouseRow(), 0);
        // Nor outside the cells, nor while disabled.
        g.userClickCell(-1, -1);
        g.SetEnabled(false);
        g.userClickCell(3, 1);
        QCOMPARE(clicks, 2);
        QCOMPARE(g.Row(), 2);
    }

    void realMouseClickOnTheWidget() {
        GridForm f;
        Grid& g = f.grid;
        g.Move(0, 0, 4500, 3000);
        Vul(g, {"a", "b", "c"});
        f.Show();
        DoEvents();
        int clicks = 0;
        g.OnClick([&] { ++clicks; });
        auto* area = qobject_cast<QAbstractScrollArea*>(g.widget());
        QVERIFY(area);
        QWidget* view = area->viewport();
        QTest::mouseClick(view, Qt::LeftButton, {}, g.cellRectPixels(3, 2).center());
        QCOMPARE(clicks, 1);
        QCOMPARE(g.Row(), 3);
        QCOMPARE(g.Col(), 2);
        QTest::mouseClick(view, Qt::LeftButton, {}, g.cellRectPixels(0, 1).center());
        QCOMPARE(clicks, 1);
        QCOMPARE(g.Row(), 3);
        // The arrow keys move the current cell, within the data rows.
        g.SetFocus();
        QTest::keyClick(area, Qt::Key_Up);
        QTest::keyClick(area, Qt::Key_Up);
        QTest::keyClick(area, Qt::Key_Up);
        QCOMPARE(g.Row(), 1);
        Unload(f);
    }

    void withoutAFixedColumnTheFirstColumnShows() {
        GridForm f;
        Grid& g = f.grid;
        g.Move(0, 0, 4500, 1500);
        g.SetFixedCols(0);
        g.SetCols(3);
        QCOMPARE(g.LeftCol(), 0);
        QCOMPARE(g.cellRectPixels(0, 0).left(), 0);
        QCOMPARE(g.cellAtPixel(QPoint(2, 2)), QPoint(0, 0));
    }

    void scrollsLongListsUnderTheFixedRow() {
        GridForm f;
        Grid& g = f.grid;
        g.Move(0, 0, 3000, 1500);
        g.SetRows(60);
        f.Show();
        DoEvents();
        g.userMoveTo(59, 1);
        QVERIFY(g.TopRow() > 1);
        // The last row is shown, and the header stays at the top.
        QVERIFY(!g.cellRectPixels(59, 1).isEmpty());
        QCOMPARE(g.cellRectPixels(0, 1).top(), 0);
        QVERIFY(g.cellRectPixels(1, 1).isEmpty());
        g.SetRows(3);  // shrunk below the top row
        QVERIFY(g.TopRow() <= 2);
        QVERIFY(!g.cellRectPixels(2, 1).isEmpty());
        Unload(f);
    }

    void columnsFitTheirWidestText() {
        GridForm f;
        Grid& g = f.grid;
        g.SetCols(3);
        g.SetRows(3);
        g.SetTextMatrix(0, 0, "Nummer");  // the header is the widest of column 0
        g.SetTextMatrix(1, 0, "1");
        g.SetTextMatrix(2, 1, "Wilhelmina van Oranje-Nassau");
        g.SetTextMatrix(1, 2, "");
        g.SetVisible(true);
        PasKolomBreedteAan(g);
        QVERIFY(!g.Visible());
        QCOMPARE(g.ColWidth(0), g.TextWidthTwips("NummerW"));
        QCOMPARE(g.ColWidth(1), g.TextWidthTwips("Wilhelmina van Oranje-NassauW"));
        QCOMPARE(g.ColWidth(2), g.TextWidthTwips("W"));
        // The last cell of the last column is current.
        QCOMPARE(g.Row(), 2);
        QCOMPARE(g.Col(), 2);
        // A larger font gives wider columns: the text fits what is drawn.
        const int voor = g.ColWidth(1);
        g.SetFontSize(14);
        PasKolomBreedteAan(g);
        QVERIFY(g.ColWidth(1) > voor);
    }

    void numbersTheDataRows() {
        GridForm f;
        Grid& g = f.grid;
        Vul(g, {"a", "b", "c"});
        g.SetTextMatrix(2, 0, "7");
        NummerRijen(g);
        QCOMPARE(Kolom(g, 0), QStringList({"1", "2", "3"}));
        QCOMPARE(g.cellAlignment(3, 0), int(flexAlignCenterCenter));
        QCOMPARE(g.TextMatrix(0, 0), QString());
        QVERIFY(!g.Visible());
    }

    // A changed cell is painted again alone, once, however many properties
    // changed; a move of the current cell paints the cells of the focus mark.
    void aChangedCellAloneIsPaintedAgain() {
        GridForm f;
        Grid& g = f.grid;
        g.Move(0, 0, 4500, 1500);
        Vul(g, {"a", "b", "c"});
        g.SetRow(1);
        g.SetCol(1);
        f.Show();
        DoEvents();
        QVERIFY(g.widget()->hasFocus());
        Verf verf;
        g.widget()->findChild<QWidget*>("qt_scrollarea_viewport")->installEventFilter(&verf);
        g.SetRow(2);
        g.SetCol(2);
        g.SetCellAlignment(flexAlignCenterCenter);
        g.SetText("12");
        g.SetTextMatrix(1, 1, "a");  // unchanged
        DoEvents();
        QCOMPARE(verf.gebieden.size(), 1);
        // The mark went from (1, 1) by (2, 1) to (2, 2).
        QCOMPARE(verf.gebieden[0],
                 QRegion(g.cellRectPixels(2, 2)) + g.cellRectPixels(2, 1) + g.cellRectPixels(1, 1));
        // Without the focus no mark is drawn, and a move paints nothing.
        verf.gebieden.clear();
        g.widget()->clearFocus();
        DoEvents();
        verf.gebieden.clear();
        g.SetRow(3);
        g.SetTextMatrix(3, 0, "x");
        DoEvents();
        QCOMPARE(verf.gebieden.size(), 1);
        QCOMPARE(verf.gebieden[0], QRegion(g.cellRectPixels(3, 0)));
        Unload(f);
    }

    // A column that grows or shrinks moves the columns beside it; what the
    // screen shows then is what painting the whole grid again shows.
    void aResizedColumnShowsWhatAFullPaintShows() {
        GridForm f;
        Grid& g = f.grid;
        g.Move(0, 0, 4500, 1500);
        g.SetCols(6);
        g.SetRows(8);
        for (int r = 0; r < g.Rows(); ++r)
            for (int c = 0; c < g.Cols(); ++c) g.SetTextMatrix(r, c, QString::number(r * 10 + c));
        f.Show();
        DoEvents();
        QWidget* view = g.widget()->findChild<QWidget*>("qt_scrollarea_viewport");
        for (int breedte : {1500, 400, 960}) {
            g.SetColWidth(2, breedte);
            g.SetTextMatrix(3, 2, QString::number(breedte));
            DoEvents();
            const QImage getoond = Scherm(f);
            view->update();
            DoEvents();
            QCOMPARE(getoond, Scherm(f));
        }
        Unload(f);
    }

    // A wider column changes the horizontal range only: the vertical scroll
    // bar, whose range stays, is not painted again.
    void scrollBarsArePaintedOnlyWhenTheyChange() {
        GridForm f;
        Grid& g = f.grid;
        g.Move(0, 0, 3000, 1500);
        g.SetRows(60);
        g.SetCols(8);
        f.Show();
        DoEvents();
        auto* area = static_cast<QAbstractScrollArea*>(g.widget());
        QVERIFY(area->verticalScrollBar()->isVisible());
        QVERIFY(area->horizontalScrollBar()->isVisible());
        Verf verf;
        area->verticalScrollBar()->installEventFilter(&verf);
        g.SetColWidth(1, 700);
        g.SetTextMatrix(5, 1, "x");
        DoEvents();
        QCOMPARE(verf.gebieden.size(), 0);
        g.SetRows(80);  // a longer range
        DoEvents();
        QCOMPARE(verf.gebieden.size(), 1);
        Unload(f);
    }

    void paintsTextAsText() {
        GridForm f;
        Grid& g = f.grid;
        g.Move(0, 0, 4500, 1500);
        Vul(g, {"Zoë de Wit"});
        QPicture pic;
        {
            QPainter p(&pic);
            g.paintCells(p, QSize(300, 100), false);
        }
        QVERIFY(pic.size() > 0);
    }
};

QTEST_MAIN(TestGrid)
#include "test_grid.moc"
