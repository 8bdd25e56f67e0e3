// Loading the product tables into their in-memory lists.
#include "Ado_dbss.h"

namespace {

// The blob streams that the local record holds: a stored copy owns them
// (forget), a row that was not stored must free them.
void fgt_blb_(Col_inf* col, int cnt)
{
    for (int i = 0; i < cnt; ++i)
        if (col[i].typ == COL_BLB)
            *col[i].blb = nullptr;
}

void fre_blb_(Col_inf* col, int cnt)
{
    for (int i = 0; i < cnt; ++i) {
        if (col[i].typ == COL_BLB) {
            delete *col[i].blb;
            *col[i].blb = nullptr;
        }
    }
}

// A flat table: every row copied into a new node of lst.
template <class Rec, int N>
int32_t lod_flt_(Lnk_inf* lst, const char* sql, const Col_inf (&tpl)[N])
{
    int32_t ret = 1;
    Rec rec;
    Col_inf col[N];
    point_columns(col, tpl, N, &rec);
    _clr_mem_(&rec, (int)sizeof rec);
    int32_t n = ado_qry_(cur_dbs, sql);
    try {
        for (int32_t i = 0; ret == 1 && i < n; ++i) {
            ado_get_(cur_dbs, col, N);
            ret = _add_lnk_(lst, &rec, (int)sizeof rec) ? 1 : 0;
            if (ret == 1)
                fgt_blb_(col, N);
            else
                fre_blb_(col, N);
        }
    } catch (...) {
        fre_blb_(col, N);  // the streams of a row that was never stored
        throw;
    }
    ado_end_(cur_dbs);
    return ret;
}

// A child table: each row appended to the sub-list of the first parent in
// lst whose ID is the row's key; rows without a parent are dropped.
template <class Par, class Chd, int N>
int32_t lod_chd_(Lnk_inf* lst, int32_t (*lod_par)(Lnk_inf*), const char* sql,
                 const Col_inf (&tpl)[N], int32_t Chd::*key, Lnk_inf Par::*sub)
{
    int32_t ret = 1;
    Chd rec;
    Col_inf col[N];
    point_columns(col, tpl, N, &rec);
    if (!lod_par(lst))
        return 0;
    _clr_mem_(&rec, (int)sizeof rec);
    int32_t n = ado_qry_(cur_dbs, sql);
    for (int32_t i = 0; ret == 1 && i < n; ++i) {
        ado_get_(cur_dbs, col, N);
        for (Lnk_inf* node = _nxt_lnk_(lst, nullptr); node; node = _nxt_lnk_(lst, node)) {
            Par* par = (Par*)LNK_DAT(node);
            if (par->ID == rec.*key) {
                ret = _add_lnk_(&(par->*sub), &rec, (int)sizeof rec) ? 1 : 0;
                break;
            }
        }
    }
    ado_end_(cur_dbs);
    return ret;
}

}  // namespace

int32_t lod_pip_(Lnk_inf* lst)
{
    return lod_flt_<Pip_inf>(lst, pip_sql, pip_col);
}

int32_t lod_plc_(Lnk_inf* lst)
{
    return lod_chd_(lst, lod_pip_, plc_sql, plc_col, &Plc_inf::Mst_PipeID, &Pip_inf::plc);
}

int32_t lod_prd_(Lnk_inf* lst)
{
    return lod_flt_<Prd_inf>(lst, prd_sql, prd_col);
}

int32_t lod_pdt_(Lnk_inf* lst)
{
    return lod_chd_(lst, lod_prd_, pdt_sql, pdt_col, &Pdt_inf::Mst_ProductID, &Prd_inf::pdt);
}

int32_t lod_cgp_(Lnk_inf* lst)
{
    return lod_flt_<Cgp_inf>(lst, cgp_sql, cgp_col);
}

int32_t lod_cdt_(Lnk_inf* lst)
{
    return lod_chd_(lst, lod_cgp_, cdt_sql, cdt_col, &Cdt_inf::Mst_ConditionGroupID, &Cgp_inf::cdt);
}

int32_t lod_ppl_(Lnk_inf* lst)
{
    return lod_flt_<Ppl_inf>(lst, ppl_sql, ppl_col);
}

int32_t lod_cds_(Lnk_inf* lst)
{
    return lod_flt_<Cds_inf>(lst, cds_sql, cds_col);
}

int32_t lod_rpd_(Lnk_inf* lst)
{
    return lod_flt_<Rpd_inf>(lst, rpd_sql, rpd_col);
}

int32_t lod_ver_(char* dvr, int32_t siz)
{
    Col_inf col[VER_COL];
    point_columns(col, ver_col, VER_COL, dvr);
    col[0].siz = siz;
    int32_t n = ado_qry_(cur_dbs, ver_sql);
    if (n == 1)
        ado_get_(cur_dbs, col, VER_COL);
    ado_end_(cur_dbs);
    return n == 1 ? 1 : 0;
}
