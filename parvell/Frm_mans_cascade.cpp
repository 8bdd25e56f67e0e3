// The selection cascade: pipe kind, place, product, size.
#include <stdio.h>

#include <platform/msgbox.h>
#include <platform/screen.h>
#include <platform/shell.h>

#include <platform/form_look.h>
#include "Frm_mans.h"
#include "picture_stream.h"

namespace {

// "Dimension1", or "Dimension1\n\rDimension2" when there is a second line.
void product_hint(char* out, const Prd_inf* prd)
{
    if (prd->Dimension2[0] == '\0')
        snprintf(out, 1024, "%s", prd->Dimension1);
    else
        snprintf(out, 1024, "%s\n\r%s", prd->Dimension1, prd->Dimension2);
}

}  // namespace

// The first product-place row of a product at a place, or null.
Ppl_inf* find_product_place(int place_id, int product_id)
{
    for (Lnk_inf* n = _nxt_lnk_(&ppl_lst, nullptr); n; n = _nxt_lnk_(&ppl_lst, n)) {
        Ppl_inf* ppl = (Ppl_inf*)LNK_DAT(n);
        if (ppl->Mst_PlaceID == place_id && ppl->Mst_ProductID == product_id)
            return ppl;
    }
    return nullptr;
}

void set_pip_(Lnk_inf* pip)
{
    TListBox* list = Frm_Man->Lbx_Pip;
    list->Clear();
    for (Lnk_inf* n = _nxt_lnk_(pip, nullptr); n; n = _nxt_lnk_(pip, n))
        list->AddObject(((Pip_inf*)LNK_DAT(n))->Name, LNK_DAT(n));
    list->setItemIndex(0);
    Frm_Man->Lbx_PipClick(list);
}

void TFrm_Man::Lbx_PipClick(QObject*)
{
    Pip_inf* pip = (Pip_inf*)Lbx_Pip->Object(Lbx_Pip->ItemIndex());
    Lbx_Plc->Clear();
    for (Lnk_inf* n = _nxt_lnk_(&pip->plc, nullptr); n; n = _nxt_lnk_(&pip->plc, n))
        Lbx_Plc->AddObject(((Plc_inf*)LNK_DAT(n))->Name, LNK_DAT(n));
    Lbx_Plc->setItemIndex(0);
    Lbx_PlcClick(Lbx_Plc);
}

void TFrm_Man::Lbx_PlcClick(QObject*)
{
    Plc_inf* plc = (Plc_inf*)Lbx_Plc->Object(Lbx_Plc->ItemIndex());
    Lbx_Prd->Clear();
    for (Lnk_inf* n = _nxt_lnk_(&prd_lst, nullptr); n; n = _nxt_lnk_(&prd_lst, n)) {
        Prd_inf* prd = (Prd_inf*)LNK_DAT(n);
        if (find_product_place(plc->ID, prd->ID))
            Lbx_Prd->AddObject(prd->Name, prd);
    }
    Lbx_Prd->setItemIndex(0);
    Lbx_PrdClick(Lbx_Prd);
}

// Rebuilds the grids of the product at the place, then shows its photo and
// its sizes, and paints the grids for its first size; a grid that cannot be
// built ends the program.
void TFrm_Man::Lbx_PrdClick(QObject*)
{
    Plc_inf* plc = (Plc_inf*)Lbx_Plc->Object(Lbx_Plc->ItemIndex());
    Prd_inf* prd = (Prd_inf*)Lbx_Prd->Object(Lbx_Prd->ItemIndex());
    del_grd_(&grd_lst);
    Ppl_inf* ppl = find_product_place(plc->ID, prd->ID);
    int ok = 1;
    if (ppl) {
        for (Lnk_inf* n = _nxt_lnk_(&cgp_lst, nullptr); n && ok; n = _nxt_lnk_(&cgp_lst, n))
            ok = mak_grd_(&grd_lst, (Cgp_inf*)LNK_DAT(n), ppl);
    }
    if (!ok) {
        MessageBoxA(this, "係数表示に失敗しました。", "係数表示コンポーネント生成エラー", MB_OK | MB_ICONERROR);
        Close();
        return;
    }
    pos_grd_(&grd_lst);
    if (prd->Photo) {
        prd->Photo->SetPosition(0);
        jpg_img->NeededSize = Img_Pto->DeviceSize();
        load_from_stream(jpg_img, prd->Photo);
        Img_Pto->Assign(&jpg_img->Image());
    } else {
        Img_Pto->Assign(nullptr);
    }
    Lbx_Pdt->Clear();
    for (Lnk_inf* n = _nxt_lnk_(&prd->pdt, nullptr); n; n = _nxt_lnk_(&prd->pdt, n)) {
        Pdt_inf* pdt = (Pdt_inf*)LNK_DAT(n);
        char text[64];
        snprintf(text, sizeof text, "%s×%s", pdt->Diameter, pdt->Length);
        Lbx_Pdt->AddObject(text, pdt);
    }
    Lbx_Pdt->setItemIndex(0);
    // The grids were painted as they were built, while the list still held
    // the sizes of the product before: their texts follow the size now.
    repaint_grids(&grd_lst);
}

// The hint names the product under the mouse; the list's own hint is empty
// again between two moves.
void TFrm_Man::Lbx_PrdMouseMove(QObject*, Qt::KeyboardModifiers, int x, int y)
{
    int index = Lbx_Prd->ItemAtPos(QPoint(x, y));
    if (index != -1) {
        char hint[1024];
        product_hint(hint, (Prd_inf*)Lbx_Prd->Object(index));
        Lbx_Prd->setToolTip(qt_from_sjis(hint));
        show_hint_at_cursor();
    }
    Lbx_Prd->setToolTip(QString());
    Screen->Cursor = crDefault;
}

void TFrm_Man::Img_PtoMouseMove(QObject*, Qt::KeyboardModifiers, int, int)
{
    Prd_inf* prd = (Prd_inf*)Lbx_Prd->Object(Lbx_Prd->ItemIndex());
    char hint[1024];
    product_hint(hint, prd);
    Img_Pto->setToolTip(qt_from_sjis(hint));
    show_hint_at_cursor();
    Screen->Cursor = crHandPoint;
}

void TFrm_Man::Img_PtoClick(QObject*)
{
    Prd_inf* prd = (Prd_inf*)Lbx_Prd->Object(Lbx_Prd->ItemIndex());
    ShellExecuteA(this, "open", prd->URL, nullptr, nullptr, SW_SHOW);
}

void TFrm_Man::FormMouseMove(QObject*, Qt::KeyboardModifiers, int, int)
{
    Screen->Cursor = crDefault;
}
