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

const char pipe_query[] = "SELECT * FROM Mst_Pipe ORDER BY ID";
const char place_query[] = "SELECT * FROM Mst_Place";
const char product_query[] = "SELECT * FROM Mst_Product ORDER BY ID";
const char size_query[] = "SELECT * FROM Mst_ProductDetail";
const char condition_group_query[] = "SELECT * FROM Mst_ConditionGroup ORDER BY ID";
const char condition_query[] = "SELECT * FROM Mst_Condition";
const char product_place_query[] = "SELECT * FROM Mst_ProductPlace";
const char condition_display_query[] = "SELECT * FROM Mst_ConditionDisplay WHERE Invalidate=0";
const char related_product_query[] = "SELECT * FROM Mst_RelatedProduct ORDER BY ID";
const char related_display_query[] =
    "SELECT * from Mst_RelatedProductDisplay WHERE Invalidate=0 ORDER BY Mst_ConditionDisplayIDCnt DESC ";
const char version_query[] = "SELECT * FROM Version";
