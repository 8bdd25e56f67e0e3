// Loading the product tables into their in-memory lists.
#include "Ado_dbss.h"

#include <string.h>

namespace {

// Each points a copy of its table's template at the fields of one record.
void pnt_pip_(Col_inf* c, Pip_inf* r)
{
    memcpy(c, pip_col, sizeof pip_col);
    c[0].dst = &r->ID;
    c[1].dst = r->Name;
}

void pnt_plc_(Col_inf* c, Plc_inf* r)
{
    memcpy(c, plc_col, sizeof plc_col);
    c[0].dst = &r->ID;
    c[1].dst = &r->Mst_PipeID;
    c[2].dst = r->Name;
}

void pnt_prd_(Col_inf* c, Prd_inf* r)
{
    memcpy(c, prd_col, sizeof prd_col);
    c[0].dst = &r->ID;
    c[1].dst = r->Name;
    c[2].dst = &r->Life;
    c[3].dst = r->Dimension1;
    c[4].dst = r->Dimension2;
    c[5].blb = &r->Photo;
    c[6].blb = &r->Draft;
    c[7].dst = r->PartName;
    c[8].dst = r->MaterialName;
    c[9].dst = r->PartCnt;
    c[10].dst = r->URL;
}

void pnt_pdt_(Col_inf* c, Pdt_inf* r)
{
    memcpy(c, pdt_col, sizeof pdt_col);
    c[0].dst = &r->ID;
    c[1].dst = &r->Mst_ProductID;
    c[2].dst = r->Diameter;
    c[3].dst = r->Length;
    c[4].dst = &r->MX;
    c[5].dst = &r->PX;
    c[6].dst = &r->Y;
    c[7].dst = &r->Press;
}

void pnt_cgp_(Col_inf* c, Cgp_inf* r)
{
    memcpy(c, cgp_col, sizeof cgp_col);
    c[0].dst = &r->ID;
    c[1].dst = r->Detail;
}

void pnt_cdt_(Col_inf* c, Cdt_inf* r)
{
    memcpy(c, cdt_col, sizeof cdt_col);
    c[0].dst = &r->ID;
    c[1].dst = &r->Mst_ConditionGroupID;
    c[2].dst = r->Detail;
    c[3].dst = &r->Factor;
    c[4].dst = &r->DisplayValue;
    c[5].dst = &r->DisplayValueType;
}

void pnt_ppl_(Col_inf* c, Ppl_inf* r)
{
    memcpy(c, ppl_col, sizeof ppl_col);
    c[0].dst = &r->ID;
    c[1].dst = &r->Mst_PlaceID;
    c[2].dst = &r->Mst_ProductID;
}

void pnt_cds_(Col_inf* c, Cds_inf* r)
{
    memcpy(c, cds_col, sizeof cds_col);
    c[0].dst = &r->ID;
    c[1].dst = &r->Mst_ConditionID;
    c[2].dst = &r->Mst_ProductPlaceID;
}

void pnt_rpd_(Col_inf* c, Rpd_inf* r)
{
    memcpy(c, rpd_col, sizeof rpd_col);
    c[0].dst = &r->ID;
    c[1].dst = r->Name;
    c[2].dst = r->Dimension;
    c[3].blb = &r->Photo;
    c[4].dst = r->URL;
    c[5].dst = r->StartCaption1;
    c[6].dst = r->StartPath1;
    c[7].dst = r->StartCaption2;
    c[8].dst = r->StartPath2;
}

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
int32_t lod_flt_(Lnk_inf* lst, const char* sql, void (*pnt)(Col_inf*, Rec*))
{
    int32_t ret = 1;
    Rec rec;
    Col_inf col[N];
    pnt(col, &rec);
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
                 void (*pnt)(Col_inf*, Chd*), int32_t Chd::*key, Lnk_inf Par::*sub)
{
    int32_t ret = 1;
    Chd rec;
    Col_inf col[N];
    pnt(col, &rec);
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
    return lod_flt_<Pip_inf, PIP_COL>(lst, pip_sql, pnt_pip_);
}

int32_t lod_plc_(Lnk_inf* lst)
{
    return lod_chd_<Pip_inf, Plc_inf, PLC_COL>(lst, lod_pip_, plc_sql, pnt_plc_,
                                               &Plc_inf::Mst_PipeID, &Pip_inf::plc);
}

int32_t lod_prd_(Lnk_inf* lst)
{
    return lod_flt_<Prd_inf, PRD_COL>(lst, prd_sql, pnt_prd_);
}

int32_t lod_pdt_(Lnk_inf* lst)
{
    return lod_chd_<Prd_inf, Pdt_inf, PDT_COL>(lst, lod_prd_, pdt_sql, pnt_pdt_,
                                               &Pdt_inf::Mst_ProductID, &Prd_inf::pdt);
}

int32_t lod_cgp_(Lnk_inf* lst)
{
    return lod_flt_<Cgp_inf, CGP_COL>(lst, cgp_sql, pnt_cgp_);
}

int32_t lod_cdt_(Lnk_inf* lst)
{
    return lod_chd_<Cgp_inf, Cdt_inf, CDT_COL>(lst, lod_cgp_, cdt_sql, pnt_cdt_,
                                               &Cdt_inf::Mst_ConditionGroupID, &Cgp_inf::cdt);
}

int32_t lod_ppl_(Lnk_inf* lst)
{
    return lod_flt_<Ppl_inf, PPL_COL>(lst, ppl_sql, pnt_ppl_);
}

int32_t lod_cds_(Lnk_inf* lst)
{
    return lod_flt_<Cds_inf, CDS_COL>(lst, cds_sql, pnt_cds_);
}

int32_t lod_rpd_(Lnk_inf* lst)
{
    return lod_flt_<Rpd_inf, RPD_COL>(lst, rpd_sql, pnt_rpd_);
}

void pnt_rdp_(Col_inf* col, Rdp_inf* rec)
{
    memcpy(col, rdp_col, sizeof rdp_col);
    col[0].dst = &rec->ID;
    col[1].dst = rec->Mst_ConditionDisplayID;
    col[2].dst = &rec->Mst_ConditionDisplayIDCnt;
    col[3].dst = &rec->Mst_RelatedProductID;
}

int32_t lod_ver_(char* dvr, int32_t siz)
{
    Col_inf col[VER_COL];
    memcpy(col, ver_col, sizeof ver_col);
    col[0].dst = dvr;
    col[0].siz = siz;
    int32_t n = ado_qry_(cur_dbs, ver_sql);
    if (n == 1)
        ado_get_(cur_dbs, col, VER_COL);
    ado_end_(cur_dbs);
    return n == 1 ? 1 : 0;
}
