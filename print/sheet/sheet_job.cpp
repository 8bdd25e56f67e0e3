#include "sheet_job.h"

#include <tolvane.h>

#include "Frm_waits.h"
#include "sheet_records.h"

int print_sheet_job(const char* doc, const std::function<bool()>& draw_sheet)
{
    Prt_ini ini;
    fill_job_record(&ini, doc);
    int result = ini_prt_(&ini);
    if (result == 1) {
        sta_wat_("印刷中", "耐用年数計算書を印刷中です", 250);
        if (!draw_sheet())
            result = 2;
        end_prt_(&ini);
        end_wat_();
    } else if (result == 2 || result == 3) {
        end_prt_(&ini);
    }
    return result;
}
