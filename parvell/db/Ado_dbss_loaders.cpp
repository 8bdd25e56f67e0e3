// Loading the product tables into their in-memory lists.
#include "Ado_dbss.h"

namespace {

// The blob streams that the local record holds: a stored copy owns them
// (forget), a row that was not stored must free them.
void forget_streams(Col_inf* col, int cnt)
{
    for (int i = 0; i < cnt; ++i)
        if (col[i].typ == COL_BLB)
            *col[i].blb = nullptr;
}

void free_streams(Col_inf* col, int cnt)
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
int32_t load_table(Lnk_inf* lst, const char* sql, const Col_inf (&tpl)[N])
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
                forget_streams(col, N);
            else
                free_streams(col, N);
        }
    } catch (...) {
        free_streams(col, N);  // the streams of a row that was never stored
        throw;
    }
    ado_end_(cur_dbs);
    return ret;
}

// A child table: each row appended to the sub-list of the first parent in
// lst whose ID is the row's key; rows without a parent are dropped.
template <class Par, class Chd, int N>
int32_t load_child_table(Lnk_inf* lst, int32_t (*load_parents)(Lnk_inf*), const char* sql, const Col_inf (&tpl)[N],
                         int32_t Chd::*key, Lnk_inf Par::*sub)
{
    int32_t ret = 1;
    Chd rec;
    Col_inf col[N];
    point_columns(col, tpl, N, &rec);
    if (!load_parents(lst))
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
    return load_table<Pip_inf>(lst, pipe_query, pipe_columns);
}

int32_t lod_plc_(Lnk_inf* lst)
{
    return load_child_table(lst, lod_pip_, place_query, place_columns, &Plc_inf::Mst_PipeID, &Pip_inf::plc);
}

int32_t lod_prd_(Lnk_inf* lst)
{
    return load_table<Prd_inf>(lst, product_query, product_columns);
}

int32_t lod_pdt_(Lnk_inf* lst)
{
    return load_child_table(lst, lod_prd_, size_query, size_columns, &Pdt_inf::Mst_ProductID, &Prd_inf::pdt);
}

int32_t lod_cgp_(Lnk_inf* lst)
{
    return load_table<Cgp_inf>(lst, condition_group_query, condition_group_columns);
}

int32_t lod_cdt_(Lnk_inf* lst)
{
    return load_child_table(lst, lod_cgp_, condition_query, condition_columns, &Cdt_inf::Mst_ConditionGroupID,
                            &Cgp_inf::cdt);
}

int32_t lod_ppl_(Lnk_inf* lst)
{
    return load_table<Ppl_inf>(lst, product_place_query, product_place_columns);
}

int32_t lod_cds_(Lnk_inf* lst)
{
    return load_table<Cds_inf>(lst, condition_display_query, condition_display_columns);
}

int32_t lod_rpd_(Lnk_inf* lst)
{
    return load_table<Rpd_inf>(lst, related_product_query, related_product_columns);
}

int32_t lod_ver_(char* dvr, int32_t siz)
{
    Col_inf col[version_column_count];
    point_columns(col, version_columns, version_column_count, dvr);
    col[0].siz = siz;
    int32_t n = ado_qry_(cur_dbs, version_query);
    if (n == 1)
        ado_get_(cur_dbs, col, version_column_count);
    ado_end_(cur_dbs);
    return n == 1 ? 1 : 0;
}
