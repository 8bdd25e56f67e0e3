// Dunmere's calculation sheet: one A4 page for a cycle-table row, the
// starts per day and the result text, through the print library.
#ifndef DUNMERE_SHEET_H
#define DUNMERE_SHEET_H

#include <platform/controls/image.h>

#include "Dunmere.h"
#include "Frm_mans.h"

// Prints the sheet. The answer of the job's start: 1 printed, 2 when the
// emblem or the drawing could not be printed (the sheet ends there), 2 or 3
// when the job was declined at once, anything else when it did not start
// (0: the printer could not be initialised).
int prt_sht_(const Jnt_inf* row, Sht_inf* sheet, TImage* drawing);

// The pieces, in the order prt_sht_ emits them.
void prt_ttl_(const Jnt_inf* row);
int prt_lgo_();
int prt_drw_(TImage* drawing);
void prt_pts_(const Jnt_inf* row);
void prt_cdt_(const Jnt_inf* row, const Sht_inf* sheet);
void prt_nte_();
void prt_cau_();

#endif
