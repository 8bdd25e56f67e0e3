// Pointing descriptor templates at row records; the product tables' statements.
#include "Ado_dbss.h"

void point_columns(Col_inf* col, const Col_inf* tpl, int32_t cnt, void* rec)
{
    char* base = (char*)rec;
    for (int32_t i = 0; i < cnt; ++i) {
        col[i] = tpl[i];
        if (col[i].typ == COL_BLB)
            col[i].blb = (jet::TStream**)(base + col[i].offset);
        else
            col[i].dst = base + col[i].offset;
    }
}

const char pip_sql[] = "SELECT * FROM Mst_Pipe ORDER BY ID";
const char plc_sql[] = "SELECT * FROM Mst_Place";
const char prd_sql[] = "SELECT * FROM Mst_Product ORDER BY ID";
const char pdt_sql[] = "SELECT * FROM Mst_ProductDetail";
const char cgp_sql[] = "SELECT * FROM Mst_ConditionGroup ORDER BY ID";
const char cdt_sql[] = "SELECT * FROM Mst_Condition";
const char ppl_sql[] = "SELECT * FROM Mst_ProductPlace";
const char cds_sql[] = "SELECT * FROM Mst_ConditionDisplay WHERE Invalidate=0";
const char rpd_sql[] = "SELECT * FROM Mst_RelatedProduct ORDER BY ID";
const char rdp_sql[] =
    "SELECT * from Mst_RelatedProductDisplay WHERE Invalidate=0 ORDER BY Mst_ConditionDisplayIDCnt DESC ";
const char ver_sql[] = "SELECT * FROM Version";
