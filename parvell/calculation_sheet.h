// The calculation sheet: one A4 page for the selected product, size,
// conditions and result, printed through the print library.
#ifndef PARVELL_CALCULATION_SHEET_H
#define PARVELL_CALCULATION_SHEET_H

#include <quillon.h>

#include "Ado_dbss.h"

// Prints the sheet. Answers what ini_prt_ answered (1: the whole sheet went
// out), or 2 when the emblem, the drawing or the parts table failed.
int prt_sht_(Prd_inf* prd, Pdt_inf* pdt, Lnk_inf* grd, const char* ans);

// The sheet's regions, in the order prt_sht_ emits them.
void prt_ttl_(Prd_inf* prd, Pdt_inf* pdt);
int prt_lgo_();
int prt_drw_(Prd_inf* prd);
int prt_pts_(Prd_inf* prd);
void prt_cdt_(Pdt_inf* pdt, Lnk_inf* grd, const char* ans);
void prt_nte_();
void prt_chk_();

#endif
