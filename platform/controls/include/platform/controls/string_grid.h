// A string grid in the manner of the desktop class library: cells of text
// with an object pointer each, a current cell, and the select/click/draw
// events that forms hook. Texts are Shift-JIS.
#ifndef PLATFORM_CONTROLS_STRING_GRID_H
#define PLATFORM_CONTROLS_STRING_GRID_H

#include <QByteArray>
#include <QRect>
#include <QVector>
#include <QWidget>

#include <functional>

class QPainter;

class TStringGrid : public QWidget {
    Q_OBJECT
public:
    // Cell states handed to OnDrawCell.
    enum DrawState { gdSelected = 1, gdFocused = 2 };

    // Called before the current cell moves; clearing can_select keeps it.
    std::function<void(TStringGrid* sender, int col, int row, bool& can_select)> OnSelectCell;
    // Called after the current cell moved, and for every click into the grid.
    std::function<void(TStringGrid* sender)> OnClick;
    // Called for every painted cell, after the default painting; draw on Canvas().
    std::function<void(TStringGrid* sender, int col, int row, const QRect& rect, int state)> OnDrawCell;

    explicit TStringGrid(QWidget* owner);

    int ColCount() const { return col_count_; }
    void setColCount(int count);
    int RowCount() const { return row_count_; }
    void setRowCount(int count);
    int DefaultRowHeight() const { return row_height_; }
    void setDefaultRowHeight(int height);
    int ColWidth(int col) const;
    void setColWidth(int col, int width);
    int GridLineWidth() const { return 1; }
    // Whole rows are selected; a click keeps the current column.
    bool RowSelect() const { return row_select_; }
    void setRowSelect(bool on)
    {
        row_select_ = on;
        update();
    }

    QByteArray Cell(int col, int row) const;
    void setCell(int col, int row, const QByteArray& text);
    void* Object(int col, int row) const;
    void setObject(int col, int row, void* object);

    // The current cell. Moving it runs OnSelectCell, then OnClick.
    int Col() const { return col_; }
    void setCol(int col);
    int Row() const { return row_; }
    void setRow(int row);

    // The painter of the paint in progress (only inside OnDrawCell).
    QPainter* Canvas() const { return canvas_; }
    // Repaints the whole grid at once.
    void Refresh();

    // Cell geometry in widget coordinates, and the cell at a point (-1 when none).
    QRect CellRect(int col, int row) const;
    int RowAt(int y) const;
    int ColAt(int x) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void move_current(int col, int row);
    void check_cell(int col, int row) const;

    int col_count_ = 5;
    int row_count_ = 5;
    int row_height_ = 24;
    QVector<int> col_widths_;
    QVector<QByteArray> cells_;
    QVector<void*> objects_;
    int col_ = 0;
    int row_ = 0;
    bool row_select_ = false;
    QPainter* canvas_ = nullptr;
};

#endif
