// The two related-product slots beside the result.
#include <QCursor>

#include <stdio.h>
#include <string.h>

#include <platform/screen.h>
#include <platform/shell.h>

#include <platform/form_look.h>
#include "Frm_mans.h"
#include "picture_stream.h"
#include "Frm_slcs.h"

Rps_inf rps_tbl[2];

namespace {

// The display rows of the selected condition of every grid, in grid order.
bool collect_display_set(Lnk_inf* slc, Lnk_inf* grd, const Ppl_inf* ppl)
{
    for (Lnk_inf* g = _nxt_lnk_(grd, nullptr); g; g = _nxt_lnk_(grd, g)) {
        TStringGrid* grid = *(TStringGrid**)LNK_DAT(g);
        Cdt_inf* cdt = (Cdt_inf*)grid->Object(1, grid->Row());
        for (Lnk_inf* d = _nxt_lnk_(&cds_lst, nullptr); d; d = _nxt_lnk_(&cds_lst, d)) {
            Cds_inf* cds = (Cds_inf*)LNK_DAT(d);
            if (cds->Mst_ConditionID == cdt->ID && cds->Mst_ProductPlaceID == ppl->ID &&
                !_add_lnk_(slc, &cds->ID, sizeof cds->ID))
                return false;
        }
    }
    return true;
}

void fill_slot(Rps_inf* slot, Rpd_inf* r)
{
    slot->lbl->setText(qt_from_sjis(r->Name));
    slot->pnl->setVisible(true);
    if (r->Photo) {
        r->Photo->SetPosition(0);
        jpg_img->NeededSize = slot->img->DeviceSize();
        load_from_stream(jpg_img, r->Photo);
        slot->img->Assign(&jpg_img->Image());
    }
    slot->rpd = r;
    slot->bt1->setVisible(r->StartCaption1[0] != '\0');
    if (r->StartCaption1[0] != '\0')
        slot->bt1->setText(qt_from_sjis(r->StartCaption1));
    slot->bt2->setVisible(r->StartCaption2[0] != '\0');
    if (r->StartCaption2[0] != '\0')
        slot->bt2->setText(qt_from_sjis(r->StartCaption2));
}

Rps_inf* slot_of_image(QObject* image)
{
    for (Rps_inf& slot : rps_tbl)
        if (slot.img == image)
            return &slot;
    return nullptr;
}

}  // namespace

void clr_rpd_()
{
    for (Rps_inf& slot : rps_tbl) {
        slot.lbl->setText(QString());
        slot.pnl->setVisible(false);
        slot.img->Assign(nullptr);
        slot.rpd = nullptr;
        slot.bt1->setVisible(false);
        slot.bt2->setVisible(false);
    }
}

Rpd_inf* fnd_rpd_(int id, Lnk_inf* rpd)
{
    for (Lnk_inf* n = _nxt_lnk_(rpd, nullptr); n; n = _nxt_lnk_(rpd, n))
        if (((Rpd_inf*)LNK_DAT(n))->ID == id)
            return (Rpd_inf*)LNK_DAT(n);
    return nullptr;
}

// Empties both slots, works out which display rules the selected conditions
// satisfy, and shows the related products of the first two.
int set_rpd_(Lnk_inf* grd)
{
    Plc_inf* plc = (Plc_inf*)Frm_Man->Lbx_Plc->Object(Frm_Man->Lbx_Plc->ItemIndex());
    Prd_inf* prd = (Prd_inf*)Frm_Man->Lbx_Prd->Object(Frm_Man->Lbx_Prd->ItemIndex());
    Lnk_inf slc = {nullptr, nullptr};
    Lnk_inf acc = {nullptr, nullptr};
    int ok = 1;
    clr_rpd_();
    Ppl_inf* ppl = find_product_place(plc->ID, prd->ID);
    if (ppl && !collect_display_set(&slc, grd, ppl))
        ok = 0;
    // The field's own visibility, whether or not the window is shown yet.
    if (ok && !Frm_Man->Edt_Slc->isHidden())
        dsp_slc_(&slc);
    if (ok) {
        try {
            ok = sel_rdp_(&acc, &slc);
            Lnk_inf* row = ok ? _nxt_lnk_(&acc, nullptr) : nullptr;
            for (int s = 0; s < 2 && row; ++s, row = _nxt_lnk_(&acc, row)) {
                Rpd_inf* r = fnd_rpd_(((Rdp_inf*)LNK_DAT(row))->Mst_RelatedProductID, &rpd_lst);
                if (r)
                    fill_slot(&rps_tbl[s], r);
            }
        } catch (...) {
            _del_all_(&slc);
            _del_all_(&acc);
            throw;
        }
    }
    _del_all_(&slc);
    _del_all_(&acc);
    return ok;
}

// Writes the selected display IDs, comma-separated, into the diagnostic field.
void dsp_slc_(Lnk_inf* slc)
{
    Frm_Man->Edt_Slc->setText(QString());
    char* joined = nullptr;
    bool failed = false;
    for (Lnk_inf* n = _nxt_lnk_(slc, nullptr); n; n = _nxt_lnk_(slc, n)) {
        char piece[16];
        snprintf(piece, sizeof piece, joined ? ",%d" : "%d", *(int*)LNK_DAT(n));
        joined = _add_str_(joined, piece);
        if (!joined) {
            failed = true;
            break;
        }
    }
    if (!failed && joined) {
        Frm_Man->Edt_Slc->setText(qt_from_sjis(joined));
        _fre_mem_(joined);
    }
}

void TFrm_Man::Img_Rp1Click(QObject* sender)
{
    Rps_inf* slot = slot_of_image(sender);
    if (slot && slot->rpd)
        ShellExecuteA(this, "open", slot->rpd->URL, nullptr, nullptr, SW_SHOW);
}

// Starts what the pressed button names, handing over the selected size's
// nominal diameter; a start that fails offers to install a PDF reader.
void TFrm_Man::Btn_St11Click(QObject* sender)
{
    Pdt_inf* size = (Pdt_inf*)Lbx_Pdt->Object(Lbx_Pdt->ItemIndex());
    for (Rps_inf& slot : rps_tbl) {
        const char* path = nullptr;
        if (sender == slot.bt1 && slot.rpd && slot.rpd->StartPath1[0] != '\0')
            path = slot.rpd->StartPath1;
        else if (sender == slot.bt2 && slot.rpd && slot.rpd->StartPath2[0] != '\0')
            path = slot.rpd->StartPath2;
        if (!path)
            continue;
        long result = (long)ShellExecuteA(this, "open", path, size->Diameter, nullptr, SW_SHOW);
        if (result <= 32)
            Frm_Slc->ShowModal();
    }
}

void TFrm_Man::Img_Rp1MouseMove(QObject* sender, Qt::KeyboardModifiers, int, int)
{
    Rps_inf* slot = slot_of_image(sender);
    if (!slot || !slot->rpd)
        return;
    slot->img->setToolTip(qt_from_sjis(slot->rpd->Dimension));
    show_hint_at_cursor();
    Screen->Cursor = crHandPoint;
}
