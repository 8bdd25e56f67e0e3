#include "platform/controls/string_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <stdexcept>
#include <string>

#include <platform/qt_text.h>
#include <platform/application.h>

namespace {
const int frame = 1;  // the border drawn around the cells
const int default_col_width = 64;
}  // namespace

TStringGrid::TStringGrid(QWidget* owner) : QWidget(owner)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    col_widths_.fill(default_col_width, col_count_);
    cells_.resize(col_count_ * row_count_);
    objects_.fill(nullptr, col_count_ * row_count_);
}

// Resizes the cell store keeping each cell at its column and row.
void TStringGrid::setColCount(int count)
{
    if (count < 1)
        count = 1;
    QVector<QByteArray> cells(count * row_count_);
    QVector<void*> objects(count * row_count_, nullptr);
    for (int r = 0; r < row_count_; ++r)
        for (int c = 0; c < qMin(count, col_count_); ++c) {
            cells[r * count + c] = cells_[r * col_count_ + c];
            objects[r * count + c] = objects_[r * col_count_ + c];
        }
    cells_.swap(cells);
    objects_.swap(objects);
    col_widths_.resize(count);
    for (int c = col_count_; c < count; ++c)
        col_widths_[c] = default_col_width;
    col_count_ = count;
    if (col_ >= col_count_)
        col_ = col_count_ - 1;
    update();
}

void TStringGrid::setRowCount(int count)
{
    if (count < 1)
        count = 1;
    cells_.resize(col_count_ * count);
    objects_.resize(col_count_ * count);
    for (int i = col_count_ * row_count_; i < objects_.size(); ++i)
        objects_[i] = nullptr;
    row_count_ = count;
    if (row_ >= row_count_)
        row_ = row_count_ - 1;
    update();
}

void TStringGrid::setDefaultRowHeight(int height)
{
    row_height_ = height;
    update();
}

int TStringGrid::ColWidth(int col) const
{
    return col >= 0 && col < col_count_ ? col_widths_[col] : 0;
}

void TStringGrid::setColWidth(int col, int width)
{
    if (col >= 0 && col < col_count_)
        col_widths_[col] = width;
    update();
}

void TStringGrid::check_cell(int col, int row) const
{
    if (col < 0 || col >= col_count_ || row < 0 || row >= row_count_)
        throw std::out_of_range("グリッドのインデックス (" + std::to_string(col) + ", " + std::to_string(row) +
                                ") が範囲外です。");
}

QByteArray TStringGrid::Cell(int col, int row) const
{
    check_cell(col, row);
    return cells_[row * col_count_ + col];
}

void TStringGrid::setCell(int col, int row, const QByteArray& text)
{
    check_cell(col, row);
    cells_[row * col_count_ + col] = text;
    update(CellRect(col, row));
}

void* TStringGrid::Object(int col, int row) const
{
    check_cell(col, row);
    return objects_[row * col_count_ + col];
}

void TStringGrid::setObject(int col, int row, void* object)
{
    check_cell(col, row);
    objects_[row * col_count_ + col] = object;
}

void TStringGrid::setCol(int col)
{
    move_current(col, row_);
}

void TStringGrid::setRow(int row)
{
    move_current(col_, row);
}

// A move to another cell asks OnSelectCell first (the current cell is still
// the old one then), takes the new cell, repaints and reports the click.
void TStringGrid::move_current(int col, int row)
{
    check_cell(col, row);
    if (col == col_ && row == row_)
        return;
    bool can_select = true;
    if (OnSelectCell)
        OnSelectCell(this, col, row, can_select);
    if (!can_select)
        return;
    col_ = col;
    row_ = row;
    update();
    if (OnClick)
        OnClick(this);
}

void TStringGrid::Refresh()
{
    repaint();
}

QRect TStringGrid::CellRect(int col, int row) const
{
    int x = frame;
    for (int c = 0; c < col && c < col_count_; ++c)
        x += col_widths_[c] + GridLineWidth();
    int y = frame + row * (row_height_ + GridLineWidth());
    return QRect(x, y, ColWidth(col), row_height_);
}

int TStringGrid::RowAt(int y) const
{
    if (y < frame)
        return -1;
    int row = (y - frame) / (row_height_ + GridLineWidth());
    return row < row_count_ ? row : -1;
}

int TStringGrid::ColAt(int x) const
{
    int left = frame;
    for (int c = 0; c < col_count_; ++c) {
        int right = left + col_widths_[c] + GridLineWidth();
        if (x >= left && x < right)
            return c;
        left = right;
    }
    return -1;
}

void TStringGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setFont(font());
    for (int r = 0; r < row_count_; ++r) {
        for (int c = 0; c < col_count_; ++c) {
            QRect cell = CellRect(c, r);
            bool selected = r == row_ && (row_select_ || c == col_);
            painter.fillRect(cell, selected ? palette().highlight() : palette().base());
            painter.setPen(selected ? palette().highlightedText().color() : palette().text().color());
            painter.drawText(cell.adjusted(2, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft,
                             qt_from_sjis(cells_[r * col_count_ + c].constData()));
            // The grid lines right of and below the cell.
            painter.setPen(QColor(192, 192, 192));
            painter.drawLine(cell.right() + 1, cell.top(), cell.right() + 1, cell.bottom() + 1);
            painter.drawLine(cell.left(), cell.bottom() + 1, cell.right() + 1, cell.bottom() + 1);
            if (OnDrawCell) {
                painter.save();
                canvas_ = &painter;
                int state = (selected ? gdSelected : 0) | (selected && c == col_ && hasFocus() ? gdFocused : 0);
                OnDrawCell(this, c, r, cell, state);
                canvas_ = nullptr;
                painter.restore();
            }
        }
    }
}

// A click selects the row under the pointer; a click on the current cell
// still counts as a click.
void TStringGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    int row = RowAt(event->position().toPoint().y());
    int col = ColAt(event->position().toPoint().x());
    if (row < 0 || col < 0)
        return;
    if (row_select_)
        col = col_;
    if (row == row_ && col == col_) {
        if (OnClick)
            run_handler([this] { OnClick(this); });
        return;
    }
    run_handler([&] { move_current(col, row); });
}

void TStringGrid::keyPressEvent(QKeyEvent* event)
{
    int row = row_;
    switch (event->key()) {
    case Qt::Key_Up: row = row_ - 1; break;
    case Qt::Key_Down: row = row_ + 1; break;
    case Qt::Key_Home: row = 0; break;
    case Qt::Key_End: row = row_count_ - 1; break;
    default: return QWidget::keyPressEvent(event);
    }
    if (row >= 0 && row < row_count_)
        run_handler([&] { move_current(col_, row); });
}
