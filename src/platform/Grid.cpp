#include "platform/Grid.h"

#include <QAbstractScrollArea>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "platform/Form.h"
#include "platform/Screen.h"

namespace platform {

namespace {

constexpr int DefaultColWidth = 960;  // twips
constexpr int TextMargin = 2;         // pixels between a cell's edge and its text

// The number a text starts with (blanks skipped, optional sign, digits and
// one decimal point); ok tells whether the whole text is that number.
double leadingNumber(const QString& s, bool* whole) {
    const QString t = s.trimmed();
    int i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    const int digitsFrom = i;
    bool point = false;
    while (i < t.size() && (t[i].isDigit() || (t[i] == '.' && !point))) {
        if (t[i] == '.') point = true;
        ++i;
    }
    const bool any = i > digitsFrom && !(i == digitsFrom + 1 && point);
    if (whole) *whole = any && i == t.size();
    return any ? t.left(i).toDouble() : 0.0;
}

class GridWidget : public QAbstractScrollArea {
public:
    GridWidget(Grid* grid, QWidget* parent) : QAbstractScrollArea(parent), grid_(grid) {
        setFrameShape(QFrame::Box);
        setLineWidth(1);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        connect(verticalScrollBar(), &QScrollBar::valueChanged,
                [this](int v) { grid_->SetTopRow(grid_->FixedRows() + v); });
        connect(horizontalScrollBar(), &QScrollBar::valueChanged,
                [this](int v) { grid_->SetLeftCol(grid_->FixedCols() + v); });
    }

    // Ranges: one step per row or column that can scroll out of sight. The
    // room comes from the control's own size (not from the viewport, whose
    // size lags behind while the grid is hidden), and a bar is shown only
    // when something lies out of sight.
    void updateScrollBars() {
        auto fit = [](int available, int from, int to, const std::function<int(int)>& size) {
            // How many of the last items fit in `available` pixels.
            int n = 0, used = 0;
            for (int i = to - 1; i >= from; --i) {
                used += size(i);
                if (used > available) break;
                ++n;
            }
            return n;
        };
        int fixedH = 0;
        for (int r = 0; r < grid_->FixedRows(); ++r) fixedH += PixelsFromTwips(grid_->RowHeight(r));
        int fixedW = 0;
        for (int c = 0; c < grid_->FixedCols(); ++c) fixedW += PixelsFromTwips(grid_->ColWidth(c));
        const int dataRows = grid_->Rows() - grid_->FixedRows();
        const int dataCols = grid_->Cols() - grid_->FixedCols();
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        const int frame = 2 * frameWidth();
        int width = PixelsFromTwips(grid_->Width()) - frame;
        int height = PixelsFromTwips(grid_->Height()) - frame;
        int rowsFit = 0, colsFit = 0;
        bool vertical = false, horizontal = false;
        for (int pass = 0; pass < 3; ++pass) {  // a bar takes room, which may call for the other
            rowsFit = fit(height - (horizontal ? bar : 0) - fixedH, grid_->FixedRows(), grid_->Rows(),
                          [this](int r) { return PixelsFromTwips(grid_->RowHeight(r)); });
            colsFit = fit(width - (vertical ? bar : 0) - fixedW, grid_->FixedCols(), grid_->Cols(),
                          [this](int c) { return PixelsFromTwips(grid_->ColWidth(c)); });
            vertical = rowsFit < dataRows;
            horizontal = colsFit < dataCols;
        }
        // The bars are given only what changed: one that stays as it was is
        // not laid out and painted again.
        const auto policy = [](bool on) { return on ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff; };
        if (verticalScrollBarPolicy() != policy(vertical)) setVerticalScrollBarPolicy(policy(vertical));
        if (horizontalScrollBarPolicy() != policy(horizontal)) setHorizontalScrollBarPolicy(policy(horizontal));
        setBar(verticalScrollBar(), dataRows - rowsFit, rowsFit, grid_->TopRow() - grid_->FixedRows());
        setBar(horizontalScrollBar(), dataCols - colsFit, colsFit, grid_->LeftCol() - grid_->FixedCols());
    }

private:
    static void setBar(QScrollBar* bar, int last, int page, int value) {
        QSignalBlocker block(bar);
        last = std::max(0, last);
        page = std::max(1, page);
        if (bar->minimum() != 0 || bar->maximum() != last) bar->setRange(0, last);
        if (bar->pageStep() != page) bar->setPageStep(page);
        if (bar->value() != value) bar->setValue(value);
    }

protected:
    void paintEvent(QPaintEvent* e) override {
        QPainter p(viewport());
        grid_->paintCells(p, viewport()->size(), hasFocus(), e->region());
    }
    bool viewportEvent(QEvent* e) override {
        if (e->type() == QEvent::Resize) updateScrollBars();
        return QAbstractScrollArea::viewportEvent(e);
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) return;
        const QPoint cell = grid_->cellAtPixel(e->position().toPoint());
        pressed_ = cell;
        grid_->userMoveTo(cell.y(), cell.x());
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) return;
        const QPoint cell = grid_->cellAtPixel(e->position().toPoint());
        if (cell == pressed_) grid_->userClickCell(cell.y(), cell.x());
        pressed_ = QPoint(-1, -1);
    }
    void keyPressEvent(QKeyEvent* e) override {
        int r = grid_->Row(), c = grid_->Col();
        switch (e->key()) {
        case Qt::Key_Up: --r; break;
        case Qt::Key_Down: ++r; break;
        case Qt::Key_Left: --c; break;
        case Qt::Key_Right: ++c; break;
        case Qt::Key_Home: c = grid_->FixedCols(); break;
        case Qt::Key_End: c = grid_->Cols() - 1; break;
        case Qt::Key_PageUp: r -= std::max(1, verticalScrollBar()->pageStep()); break;
        case Qt::Key_PageDown: r += std::max(1, verticalScrollBar()->pageStep()); break;
        default: QAbstractScrollArea::keyPressEvent(e); return;
        }
        r = std::clamp(r, grid_->FixedRows(), grid_->Rows() - 1);
        c = std::clamp(c, grid_->FixedCols(), grid_->Cols() - 1);
        // The key drives the grid: its RowColChange handlers can not take
        // the focus away, so the next arrow moves on from the new cell.
        Form::KeyDrive drive(grid_);
        grid_->userMoveTo(r, c);
    }
    void focusInEvent(QFocusEvent* e) override {
        QAbstractScrollArea::focusInEvent(e);
        viewport()->update();
    }
    void focusOutEvent(QFocusEvent* e) override {
        QAbstractScrollArea::focusOutEvent(e);
        viewport()->update();
    }

private:
    Grid* grid_;
    QPoint pressed_{-1, -1};
};

}  // namespace

Grid::Grid(Container* c, const QString& name, int index) : Control(c, name, index) {
    cells_.assign(std::size_t(rows_), std::vector<Cell>(std::size_t(cols_)));
    colWidths_.assign(std::size_t(cols_), -1);
    rowHeights_.assign(std::size_t(rows_), -1);
    Move(0, 0, 2400, 1500);
}

Grid::Cell* Grid::cell(int r, int c) {
    if (r < 0 || r >= rows_ || c < 0 || c >= cols_) return nullptr;
    return &cells_[std::size_t(r)][std::size_t(c)];
}
const Grid::Cell* Grid::cell(int r, int c) const { return const_cast<Grid*>(this)->cell(r, c); }

void Grid::SetRows(int n) {
    n = std::max(n, std::max(fixedRows_, 0));
    if (n == rows_) return;
    rows_ = n;
    cells_.resize(std::size_t(n), std::vector<Cell>(std::size_t(cols_)));
    rowHeights_.resize(std::size_t(n), -1);
    clampCurrent();
    refresh();
}

void Grid::SetCols(int n) {
    n = std::max({n, fixedCols_, 1});
    if (n == cols_) return;
    cols_ = n;
    for (auto& row : cells_) row.resize(std::size_t(n));
    colWidths_.resize(std::size_t(n), -1);
    clampCurrent();
    refresh();
}

void Grid::SetFixedRows(int n) {
    fixedRows_ = std::clamp(n, 0, rows_);
    topRow_ = fixedRows_;
    clampCurrent();
    refresh();
}

void Grid::SetFixedCols(int n) {
    fixedCols_ = std::clamp(n, 0, cols_);
    leftCol_ = fixedCols_;
    clampCurrent();
    refresh();
}

void Grid::clampCurrent() {
    row_ = std::clamp(row_, 0, std::max(0, rows_ - 1));
    col_ = std::clamp(col_, 0, std::max(0, cols_ - 1));
    topRow_ = std::clamp(topRow_, fixedRows_, std::max(fixedRows_, rows_ - 1));
    leftCol_ = std::clamp(leftCol_, fixedCols_, std::max(fixedCols_, cols_ - 1));
}

void Grid::SetRow(int r) {
    if (r < 0 || r >= rows_ || r == row_) return;
    const int was = row_;
    row_ = r;
    refreshCurrent(was, col_);
}

void Grid::SetCol(int c) {
    if (c < 0 || c >= cols_ || c == col_) return;
    const int was = col_;
    col_ = c;
    refreshCurrent(row_, was);
}

QString Grid::TextMatrix(int r, int c) const {
    const Cell* x = cell(r, c);
    return x ? x->text : QString();
}

void Grid::SetTextMatrix(int r, int c, const QString& s) {
    Cell* x = cell(r, c);
    if (!x || x->text == s) return;
    x->text = s;
    refreshCell(r, c);
}

void Grid::SetCellAlignment(int a) {
    Cell* x = cell(row_, col_);
    a = std::clamp(a, 0, 9);
    if (!x || x->align == a) return;
    x->align = a;
    refreshCell(row_, col_);
}

int Grid::cellAlignment(int r, int c) const {
    const Cell* x = cell(r, c);
    return (x && x->align >= 0) ? x->align : flexAlignGeneral;
}

qint64 Grid::CellForeColor() const {
    const Cell* x = cell(row_, col_);
    return x ? x->fore : -1;
}
void Grid::SetCellForeColor(qint64 c) {
    Cell* x = cell(row_, col_);
    if (!x || x->fore == c) return;
    x->fore = c;
    refreshCell(row_, col_);
}
qint64 Grid::CellBackColor() const {
    const Cell* x = cell(row_, col_);
    return x ? x->back : -1;
}
void Grid::SetCellBackColor(qint64 c) {
    Cell* x = cell(row_, col_);
    if (!x || x->back == c) return;
    x->back = c;
    refreshCell(row_, col_);
}

qint64 Grid::cellForeColor(int r, int c) const {
    const Cell* x = cell(r, c);
    return (x && x->fore != -1) ? x->fore : ForeColor();
}

qint64 Grid::cellBackColor(int r, int c) const {
    const Cell* x = cell(r, c);
    if (x && x->back != -1) return x->back;
    return (r < fixedRows_ || c < fixedCols_) ? backColorFixed_ : BackColor();
}

int Grid::ColWidth(int c) const {
    if (c < 0 || c >= cols_) return 0;
    const int w = colWidths_[std::size_t(c)];
    return w < 0 ? DefaultColWidth : w;
}

void Grid::SetColWidth(int c, int twips) {
    twips = std::max(0, twips);
    if (c < 0 || c >= cols_ || colWidths_[std::size_t(c)] == twips) return;
    // Where the column is shown (its left edge and width), from any row.
    const QRect before = cellRectPixels(0, c).united(cellRectPixels(rows_ - 1, c));
    colWidths_[std::size_t(c)] = twips;
    auto* w = static_cast<GridWidget*>(widget_.data());
    if (!Visible() || !w || before.isEmpty()) {
        refresh();
        return;
    }
    // The columns to the right move over by the change in width: their
    // pixels are moved rather than painted again, and only this column is.
    const QSize view = w->viewport()->size();
    w->updateScrollBars();
    if (w->viewport()->size() != view) {
        w->viewport()->update();
        return;
    }
    const int from = before.left(), was = before.width(), now = PixelsFromTwips(ColWidth(c));
    const QRect right(from + was, 0, view.width() - (from + was), view.height());
    if (right.isValid()) w->viewport()->scroll(now - was, 0, right);
    w->viewport()->update(QRect(from, 0, std::max(was, now), view.height()));
}

int Grid::defaultRowHeight() const { return std::max(240, textLineHeight() + 4 * TwipsPerPixel); }

int Grid::RowHeight(int r) const {
    if (r < 0 || r >= rows_) return 0;
    const int h = rowHeights_[std::size_t(r)];
    return h < 0 ? defaultRowHeight() : h;
}

void Grid::SetRowHeight(int r, int twips) {
    twips = std::max(0, twips);
    if (r < 0 || r >= rows_ || rowHeights_[std::size_t(r)] == twips) return;
    rowHeights_[std::size_t(r)] = twips;
    refresh();
}

void Grid::SetBackColorFixed(qint64 c) {
    backColorFixed_ = c;
    refresh();
}

void Grid::SetGridColor(qint64 c) {
    gridColor_ = c;
    refresh();
}

void Grid::SetSort(int order) {
    const int column = col_;
    auto number = [](const QString& s, bool* whole) { return leadingNumber(s, whole); };
    switch (order) {
    case flexSortGenericAscending:
    case flexSortGenericDescending: {
        const bool down = order == flexSortGenericDescending;
        SortRows(column, [down, number](const QString& a, const QString& b) {
            bool na = false, nb = false;
            const double va = number(a, &na), vb = number(b, &nb);
            int cmp;
            if (na && nb)
                cmp = va < vb ? -1 : (va > vb ? 1 : 0);
            else
                cmp = a.compare(b, Qt::CaseInsensitive);
            return down ? cmp > 0 : cmp < 0;
        });
        break;
    }
    case flexSortNumericAscending:
    case flexSortNumericDescending: {
        const bool down = order == flexSortNumericDescending;
        SortRows(column, [down, number](const QString& a, const QString& b) {
            const double va = number(a, nullptr), vb = number(b, nullptr);
            return down ? va > vb : va < vb;
        });
        break;
    }
    case flexSortStringNoCaseAscending:
    case flexSortStringNoCaseDescending:
    case flexSortStringAscending:
    case flexSortStringDescending: {
        const bool down = order == flexSortStringNoCaseDescending || order == flexSortStringDescending;
        const Qt::CaseSensitivity cs =
            order >= flexSortStringAscending ? Qt::CaseSensitive : Qt::CaseInsensitive;
        SortRows(column, [down, cs](const QString& a, const QString& b) {
            const int cmp = a.compare(b, cs);
            return down ? cmp > 0 : cmp < 0;
        });
        break;
    }
    default:
        break;
    }
}

void Grid::SortRows(int col, const std::function<bool(const QString&, const QString&)>& less) {
    if (col < 0 || col >= cols_ || rows_ - fixedRows_ < 2) return;
    struct Keyed {
        std::vector<Cell> cells;
        int height;
    };
    std::vector<Keyed> data;
    for (int r = fixedRows_; r < rows_; ++r)
        data.push_back({std::move(cells_[std::size_t(r)]), rowHeights_[std::size_t(r)]});
    std::stable_sort(data.begin(), data.end(), [&](const Keyed& a, const Keyed& b) {
        return less(a.cells[std::size_t(col)].text, b.cells[std::size_t(col)].text);
    });
    for (int r = fixedRows_; r < rows_; ++r) {
        cells_[std::size_t(r)] = std::move(data[std::size_t(r - fixedRows_)].cells);
        rowHeights_[std::size_t(r)] = data[std::size_t(r - fixedRows_)].height;
    }
    refresh();
}

void Grid::RemoveRow(int r) {
    if (r < fixedRows_ || r >= rows_) return;
    cells_.erase(cells_.begin() + r);
    rowHeights_.erase(rowHeights_.begin() + r);
    --rows_;
    clampCurrent();
    refresh();
}

void Grid::SetTopRow(int r) {
    r = std::clamp(r, fixedRows_, std::max(fixedRows_, rows_ - 1));
    if (r == topRow_) return;
    topRow_ = r;
    refresh();
}

void Grid::SetLeftCol(int c) {
    c = std::clamp(c, fixedCols_, std::max(fixedCols_, cols_ - 1));
    if (c == leftCol_) return;
    leftCol_ = c;
    refresh();
}

void Grid::userMoveTo(int r, int c) {
    mouseRow_ = r;
    mouseCol_ = c;
    if (!Enabled()) return;
    if (r < fixedRows_ || c < fixedCols_ || r >= rows_ || c >= cols_) return;
    if (r == row_ && c == col_) return;
    row_ = r;
    col_ = c;
    scrollIntoView(r, c);
    refresh();
    Fire(rowColChange_);
}

void Grid::userClickCell(int r, int c) {
    if (!Enabled()) return;
    userMoveTo(r, c);
    if (r < fixedRows_ || c < fixedCols_ || r >= rows_ || c >= cols_) return;
    fireClick();
}

void Grid::scrollIntoView(int r, int c) {
    auto* w = static_cast<GridWidget*>(widget_.data());
    if (r >= fixedRows_ && r < topRow_) topRow_ = r;
    if (c >= fixedCols_ && c < leftCol_) leftCol_ = c;
    if (!w) return;
    const QSize view = w->viewport()->size();
    // Scroll down (right) until the cell's far edge is inside the view.
    while (r > topRow_ && !cellRectPixels(r, c).isEmpty() && cellRectPixels(r, c).bottom() >= view.height())
        ++topRow_;
    while (r > topRow_ && cellRectPixels(r, c).isEmpty()) ++topRow_;
    while (c > leftCol_ && !cellRectPixels(r, c).isEmpty() && cellRectPixels(r, c).right() >= view.width())
        ++leftCol_;
    while (c > leftCol_ && cellRectPixels(r, c).isEmpty()) ++leftCol_;
}

QRect Grid::cellRectPixels(int r, int c) const {
    if (r < 0 || r >= rows_ || c < 0 || c >= cols_) return {};
    if (r >= fixedRows_ && r < topRow_) return {};
    if (c >= fixedCols_ && c < leftCol_) return {};
    int y = 0;
    for (int i = 0; i < r; ++i) {
        if (i >= fixedRows_ && i < topRow_) continue;
        y += PixelsFromTwips(RowHeight(i));
    }
    int x = 0;
    for (int i = 0; i < c; ++i) {
        if (i >= fixedCols_ && i < leftCol_) continue;
        x += PixelsFromTwips(ColWidth(i));
    }
    return QRect(x, y, PixelsFromTwips(ColWidth(c)), PixelsFromTwips(RowHeight(r)));
}

QPoint Grid::cellAtPixel(QPoint p) const {
    if (p.x() < 0 || p.y() < 0) return {-1, -1};
    int row = -1, y = 0;
    for (int r = 0; r < rows_; ++r) {
        if (r >= fixedRows_ && r < topRow_) continue;
        const int h = PixelsFromTwips(RowHeight(r));
        if (p.y() < y + h) {
            row = r;
            break;
        }
        y += h;
    }
    int col = -1, x = 0;
    for (int c = 0; c < cols_; ++c) {
        if (c >= fixedCols_ && c < leftCol_) continue;
        const int w = PixelsFromTwips(ColWidth(c));
        if (p.x() < x + w) {
            col = c;
            break;
        }
        x += w;
    }
    if (row < 0 || col < 0) return {-1, -1};
    return {col, row};
}

void Grid::paintCells(QPainter& p, QSize pixels, bool focused, const QRegion& area) const {
    p.fillRect(QRect(QPoint(0, 0), pixels), QColorFromVB(vbButtonFace).darker(110));
    p.setFont(Font());
    const QColor lines = QColorFromVB(gridColor_);
    // Where the shown rows and columns start, worked out once for the paint.
    struct Band {
        int index, from, size;
    };
    std::vector<Band> shownRows, shownCols;
    for (int r = 0, y = 0; r < rows_ && y < pixels.height(); ++r) {
        if (r >= fixedRows_ && r < topRow_) continue;
        shownRows.push_back({r, y, PixelsFromTwips(RowHeight(r))});
        y += shownRows.back().size;
    }
    for (int c = 0, x = 0; c < cols_ && x < pixels.width(); ++c) {
        if (c >= fixedCols_ && c < leftCol_) continue;
        shownCols.push_back({c, x, PixelsFromTwips(ColWidth(c))});
        x += shownCols.back().size;
    }
    const QRect bounds = area.isEmpty() ? QRect(QPoint(0, 0), pixels) : area.boundingRect();
    for (const Band& row : shownRows) {
        if (row.from > bounds.bottom() || row.from + row.size <= bounds.top()) continue;
        for (const Band& col : shownCols) {
            const QRect rect(col.from, row.from, col.size, row.size);
            if (rect.width() <= 0 || rect.height() <= 0) continue;
            if (!area.isEmpty() && !area.intersects(rect)) continue;
            const int r = row.index, c = col.index;
            const bool fixed = r < fixedRows_ || c < fixedCols_;
            p.fillRect(rect, QColorFromVB(cellBackColor(r, c)));
            p.setPen(fixed ? QColor(Qt::black) : lines);
            p.drawLine(rect.topRight(), rect.bottomRight());
            p.drawLine(rect.bottomLeft(), rect.bottomRight());
            const Cell* x_ = cell(r, c);
            if (!x_ || x_->text.isEmpty()) continue;
            int a = cellAlignment(r, c);
            if (a == flexAlignGeneral) {
                bool whole = false;
                leadingNumber(x_->text, &whole);
                a = whole ? flexAlignRightCenter : flexAlignLeftCenter;
            }
            Qt::Alignment qa = a <= 2 ? Qt::AlignLeft : (a <= 5 ? Qt::AlignHCenter : Qt::AlignRight);
            qa |= (a % 3 == 0) ? Qt::AlignTop : ((a % 3 == 1) ? Qt::AlignVCenter : Qt::AlignBottom);
            p.setPen(QColorFromVB(cellForeColor(r, c)));
            p.drawText(rect.adjusted(TextMargin, 0, -TextMargin, 0), int(qa) | Qt::TextSingleLine,
                       x_->text);
        }
    }
    if (focused && row_ >= fixedRows_ && col_ >= fixedCols_) {
        const QRect cur = cellRectPixels(row_, col_);
        if (!cur.isEmpty()) {
            QPen pen(Qt::black);
            pen.setStyle(Qt::DotLine);
            p.setPen(pen);
            p.drawRect(cur.adjusted(1, 1, -2, -2));
        }
    }
}

QWidget* Grid::createWidget(QWidget* parent) {
    auto* w = new GridWidget(this, parent);
    watch(w->viewport());  // MouseDown and MouseUp
    return w;
}

void Grid::applyAll() {
    Control::applyAll();
    refresh();
}

void Grid::applyColors() {
    if (widget_) widget_->update();
}

void Grid::SetVisible(bool on) {
    Control::SetVisible(on);
    if (on) refresh();
}

void Grid::refresh() {
    // A hidden grid is brought up to date when it is shown again, so code
    // that fills a hidden grid cell by cell does not pay for every cell.
    if (!Visible()) return;
    if (auto* w = static_cast<GridWidget*>(widget_.data())) {
        w->updateScrollBars();
        w->viewport()->update();
    }
}

void Grid::refreshCell(int r, int c) {
    if (!Visible()) return;
    auto* w = static_cast<GridWidget*>(widget_.data());
    if (!w) return;
    // A cell out of sight has nothing on screen to paint again.
    const QRect rect = cellRectPixels(r, c);
    if (!rect.isEmpty()) w->viewport()->update(rect);
}

void Grid::refreshCurrent(int oldRow, int oldCol) {
    // Only a grid with the focus marks its current cell.
    if (!Visible() || !widget_ || !widget_->hasFocus()) return;
    refreshCell(oldRow, oldCol);
    refreshCell(row_, col_);
}

}  // namespace platform
