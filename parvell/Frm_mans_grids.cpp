// Condition grids and the service-life calculation of the main window.
#include <QPainter>

#include <limits.h>
#include <stdio.h>
#include <string.h>

#include <platform/charset.h>

#include <platform/drawtext.h>
#include <platform/msgbox.h>

#include "condition_text.h"
#include <platform/form_look.h>
#include "Frm_mans.h"

Lnk_inf grd_lst;

namespace {

const int row_height = 14;
const QColor silver = bgr_color(0xC0C0C0);
const QColor sky_blue = bgr_color(0xF0CAA6);

TStringGrid* grid_of(Lnk_inf* node)
{
    return *(TStringGrid**)LNK_DAT(node);
}

Cdt_inf* condition_of(TStringGrid* grid, int row)
{
    return (Cdt_inf*)grid->Object(1, row);
}

// The grid's own properties and events, as every condition grid has them.
TStringGrid* new_condition_grid()
{
    auto* grid = new TStringGrid(Frm_Man->Pnl_Cdt2);
    grid->setAttribute(Qt::WA_DeleteOnClose);
    grid->setDefaultRowHeight(row_height);
    grid->OnDrawCell = [](TStringGrid* g, int col, int row, const QRect& rect, int state) {
        Frm_Man->Grd_CdtDrawCell(g, col, row, rect, state);
    };
    grid->OnSelectCell = [](TStringGrid* g, int col, int row, bool& can_select) {
        Frm_Man->Grd_CdtSelectCell(g, col, row, can_select);
    };
    grid->OnClick = [](TStringGrid* g) { Frm_Man->Grd_CdtClick(g); };
    grid->setColCount(2);
    grid->setColWidth(0, 80);
    grid->setColWidth(1, 240);
    grid->setRowSelect(true);
    grid->show();
    return grid;
}

}  // namespace

// Builds the grid of one condition group for a product at a place: one row
// per condition-display row, then the first row with the largest factor is
// selected (each selection runs the grid's events).
int mak_grd_(Lnk_inf* grd, Cgp_inf* cgp, Ppl_inf* ppl)
{
    TStringGrid* grid = nullptr;
    int rows = 0;
    for (Lnk_inf* c = _nxt_lnk_(&cgp->cdt, nullptr); c; c = _nxt_lnk_(&cgp->cdt, c)) {
        Cdt_inf* cdt = (Cdt_inf*)LNK_DAT(c);
        for (Lnk_inf* d = _nxt_lnk_(&cds_lst, nullptr); d; d = _nxt_lnk_(&cds_lst, d)) {
            Cds_inf* cds = (Cds_inf*)LNK_DAT(d);
            if (cds->Mst_ProductPlaceID != ppl->ID || cds->Mst_ConditionID != cdt->ID)
                continue;
            if (!grid) {
                try {
                    grid = new_condition_grid();
                } catch (...) {
                    return 0;
                }
                if (!_add_lnk_(grd, &grid, sizeof grid))
                    return 0;
            }
            grid->setRowCount(rows + 1);
            grid->setCell(0, rows, cgp->Detail);
            grid->setCell(1, rows, cdt->Detail);
            grid->setObject(0, rows, cgp);
            grid->setObject(1, rows, cdt);
            ++rows;
        }
    }
    if (!grid)
        return 1;
    grid->resize(grid->GridLineWidth() * grid->ColCount() + grid->ColWidth(0) + grid->ColWidth(1) + 3,
                 (grid->DefaultRowHeight() + grid->GridLineWidth()) * grid->RowCount() + 3);
    grid->setCol(1);
    double best = 0.0;
    int sel = 0;
    for (int r = 0; r < grid->RowCount(); ++r) {
        if (condition_of(grid, r)->Factor > best) {
            best = condition_of(grid, r)->Factor;
            sel = r;
        }
    }
    grid->setRow(sel);
    return 1;
}

// Stacks the grids from the top of their panel, 8 pixels apart.
void pos_grd_(Lnk_inf* grd)
{
    int top = 8;
    for (Lnk_inf* n = _nxt_lnk_(grd, nullptr); n; n = _nxt_lnk_(grd, n)) {
        TStringGrid* grid = grid_of(n);
        grid->move(8, top);
        top += grid->height() + 8;
    }
}

void del_grd_(Lnk_inf* grd)
{
    for (Lnk_inf* n = _nxt_lnk_(grd, nullptr); n; n = _nxt_lnk_(grd, n))
        delete grid_of(n);
    _del_all_(grd);
}

// Life in whole years, then whole months of the rest; the month part is
// worked out in extended precision so that 8.5 gives 6 months, not 5.
void format_life(char* out, double life)
{
    if (!(life < INT_MAX))
        life = INT_MAX;
    if (!(life > INT_MIN))
        life = INT_MIN;
    int years = (int)life;
    int months = (int)(((long double)life - years) * 12.0L);
    if (years > 0 && months > 0)
        snprintf(out, 256, " 約 %d年%2dヶ月", years, months);
    else if (years > 0)
        snprintf(out, 256, " 約 %d年", years);
    else if (months > 0)
        snprintf(out, 256, " 約 %2dヶ月", months);
    else
        snprintf(out, 256, " %d年", years);
}

// Runs before the grid's row changes: the life uses the row being selected
// in the sender and the current row of every other grid.
void TFrm_Man::Grd_CdtSelectCell(TStringGrid* sender, int, int row, bool&)
{
    Prd_inf* prd = (Prd_inf*)Lbx_Prd->Object(Lbx_Prd->ItemIndex());
    double life = prd->Life;
    for (Lnk_inf* n = _nxt_lnk_(&grd_lst, nullptr); n; n = _nxt_lnk_(&grd_lst, n)) {
        TStringGrid* grid = grid_of(n);
        int r = grid == sender ? row : grid->Row();
        life = condition_of(grid, r)->Factor * life;
    }
    char text[256];
    format_life(text, life);
    Edt_Ans->setText(qt_from_sjis(text));
}

void TFrm_Man::Grd_CdtClick(TStringGrid* sender)
{
    if (set_rpd_(&grd_lst))
        sender->Refresh();
    else
        MessageBoxA(this, "関連商品のイメージ生成に失敗しました。", "メモリ不足", MB_OK | MB_ICONERROR);
}

// Column 0 is painted as one merged cell holding the group caption; column 1
// holds the condition text for the selected size, the current row in sky blue.
void TFrm_Man::Grd_CdtDrawCell(TStringGrid* sender, int col, int row, const QRect& rect, int)
{
    Cdt_inf* cdt = condition_of(sender, row);
    // A product without sizes leaves none selected; every paint raising the
    // list's error would bring the error box back at each repaint.
    int size = Lbx_Pdt->ItemIndex();
    Pdt_inf* pdt = size < 0 ? nullptr : (Pdt_inf*)Lbx_Pdt->Object(size);
    QPainter* canvas = sender->Canvas();
    canvas->setPen(Qt::black);
    // Right and bottom edges are exclusive, as the grid's cell rectangles are.
    int left = rect.left(), top = rect.top(), right = rect.left() + rect.width(), bottom = rect.top() + rect.height();
    unsigned flags = DT_VCENTER | DT_SINGLELINE;
    char text[128];
    if (col == 0) {
        flags |= DT_CENTER;
        copy_sjis(text, sizeof text, sender->Cell(0, row).constData());
        top -= row * sender->DefaultRowHeight();
        bottom += (sender->RowCount() - row - 1) * sender->DefaultRowHeight();
        canvas->fillRect(QRect(left, top, right - left, bottom - top), silver);
    } else {
        left += 3;
        format_condition_text(text, sizeof text, cdt, pdt);
        canvas->fillRect(rect, row == sender->Row() ? sky_blue : Qt::white);
    }
    RECT box = {left, top, right, bottom};
    DrawTextA(canvas, text, -1, &box, flags);
}

void repaint_grids(Lnk_inf* grd)
{
    for (Lnk_inf* n = _nxt_lnk_(grd, nullptr); n; n = _nxt_lnk_(grd, n))
        grid_of(n)->Refresh();
}

void TFrm_Man::Lbx_PdtClick(QObject*)
{
    repaint_grids(&grd_lst);
}
