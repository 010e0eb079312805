#pragma once
// A grid of text cells: the table control of the names editor, the group
// composer, the results entry and the results overview.
//
// The grid keeps its cells itself; the widget only paints them. Rows and
// columns are counted from 0. The first FixedRows rows and FixedCols columns
// are fixed: they are drawn in BackColorFixed and stay in place while the
// other cells scroll. There is always one current cell (Row, Col); Text and
// the Cell* properties read and write it, TextMatrix any cell.
//
// Growing Rows or Cols adds empty cells at the end; shrinking drops the last
// ones (down to the fixed rows alone: a grid may hold its header only).
// Column widths and row heights are in twips.
//
// Events: Click runs when the user clicks a cell that is not fixed, after
// the current cell has moved to it (a click on a fixed row or column changes
// nothing and runs nothing; MouseRow and MouseCol tell where the last click
// was). RowColChange runs when the user moves the current cell (click or
// arrow keys); moves made by code run nothing, so code that fills the grid
// cell by cell has no side effects.

#include <QRegion>
#include <QString>
#include <functional>
#include <vector>

#include "platform/Control.h"

namespace platform {

// Cell alignment codes.
enum GridAlignment {
    flexAlignLeftTop = 0, flexAlignLeftCenter = 1, flexAlignLeftBottom = 2,
    flexAlignCenterTop = 3, flexAlignCenterCenter = 4, flexAlignCenterBottom = 5,
    flexAlignRightTop = 6, flexAlignRightCenter = 7, flexAlignRightBottom = 8,
    flexAlignGeneral = 9,  // text left, numbers right, centred vertically
};

// Sort orders for Sort.
enum GridSort {
    flexSortNone = 0,
    flexSortGenericAscending = 1, flexSortGenericDescending = 2,      // numbers as numbers, else no case
    flexSortNumericAscending = 3, flexSortNumericDescending = 4,      // the number each text starts with
    flexSortStringNoCaseAscending = 5, flexSortStringNoCaseDescending = 6,
    flexSortStringAscending = 7, flexSortStringDescending = 8,        // case-sensitive
};

class Grid : public Control {
public:
    Grid(Container* c, const QString& name, int index = -1);

    int Rows() const { return rows_; }
    void SetRows(int n);  // at least FixedRows
    int Cols() const { return cols_; }
    void SetCols(int n);  // at least FixedCols, at least 1
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int n);  // 0 .. Rows
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int n);  // 0 .. Cols

    // The current cell. Setting it from code runs no event.
    int Row() const { return row_; }
    void SetRow(int r);
    int Col() const { return col_; }
    void SetCol(int c);
    QString Text() const { return TextMatrix(row_, col_); }
    void SetText(const QString& s) { SetTextMatrix(row_, col_, s); }
    // Any cell; "" outside the grid, and writes outside it are ignored.
    QString TextMatrix(int r, int c) const;
    void SetTextMatrix(int r, int c, const QString& s);

    // Of the current cell. Colours: -1 means the grid's own colour.
    int CellAlignment() const { return cellAlignment(row_, col_); }
    void SetCellAlignment(int a);
    qint64 CellForeColor() const;
    void SetCellForeColor(qint64 c);
    qint64 CellBackColor() const;
    void SetCellBackColor(qint64 c);
    // Any cell.
    int cellAlignment(int r, int c) const;
    qint64 cellForeColor(int r, int c) const;  // the colour the cell is drawn in
    qint64 cellBackColor(int r, int c) const;

    int ColWidth(int c) const;
    void SetColWidth(int c, int twips);
    int RowHeight(int r) const;
    void SetRowHeight(int r, int twips);

    qint64 BackColorFixed() const { return backColorFixed_; }
    void SetBackColorFixed(qint64 c);
    qint64 GridColor() const { return gridColor_; }
    void SetGridColor(qint64 c);

    // Sorts the rows below the fixed rows on the current column (stable).
    void SetSort(int order);
    // Sorts those rows on column `col` with `less` (stable).
    void SortRows(int col, const std::function<bool(const QString&, const QString&)>& less);
    // Drops row r (the rows below move up); a fixed row is not removed.
    void RemoveRow(int r);

    // The first data row and first scrolling column shown.
    int TopRow() const { return topRow_; }
    void SetTopRow(int r);
    int LeftCol() const { return leftCol_; }
    void SetLeftCol(int c);

    // Where the last mouse click was (-1 outside every cell).
    int MouseRow() const { return mouseRow_; }
    int MouseCol() const { return mouseCol_; }

    // Width of a text in the grid's font, twips.
    int TextWidthTwips(const QString& s) const { return textWidthTwips(s); }

    void SetVisible(bool on) override;
    void OnRowColChange(Handler h) { rowColChange_ = std::move(h); }

    // What the user's actions do (the widget calls these; tests may too).
    void userClickCell(int r, int c);
    void userMoveTo(int r, int c);
    // The cell under a point of the widget (pixels), {-1, -1} when none.
    QPoint cellAtPixel(QPoint p) const;
    // The cell's rectangle in the widget (pixels); empty when not shown.
    QRect cellRectPixels(int r, int c) const;
    // Paints the cells that lie in `area` (all of them when it is empty).
    void paintCells(QPainter& p, QSize pixels, bool focused, const QRegion& area = QRegion()) const;

protected:
    QWidget* createWidget(QWidget* parent) override;
    void applyAll() override;
    void applyColors() override;
    void geometryChanged() override { refresh(); }
    void fontChanged() override { refresh(); }
    qint64 defaultForeColor() const override { return vbWindowText; }
    qint64 defaultBackColor() const override { return vbWindowBackground; }

private:
    struct Cell {
        QString text;
        int align = -1;  // -1: flexAlignGeneral
        qint64 fore = -1, back = -1;
    };
    Cell* cell(int r, int c);
    const Cell* cell(int r, int c) const;
    // What changed decides what is painted again: the layout (sizes, rows,
    // columns, scrolling) the whole grid and its scroll bars, the look of one
    // cell that cell alone, a move of the current cell the two cells of the
    // focus mark. A hidden grid paints nothing until it is shown.
    void refresh();
    void refreshCell(int r, int c);
    void refreshCurrent(int oldRow, int oldCol);
    int defaultRowHeight() const;
    void clampCurrent();
    void scrollIntoView(int r, int c);

    int rows_ = 2, cols_ = 2, fixedRows_ = 1, fixedCols_ = 1;
    int row_ = 1, col_ = 1;
    int topRow_ = 1, leftCol_ = 1;
    int mouseRow_ = -1, mouseCol_ = -1;
    std::vector<std::vector<Cell>> cells_;  // [row][col]
    std::vector<int> colWidths_;            // -1: default
    std::vector<int> rowHeights_;           // -1: follows the font
    qint64 backColorFixed_ = vbButtonFace, gridColor_ = 0xC0C0C0;
    Handler rowColChange_;
};

}  // namespace platform
