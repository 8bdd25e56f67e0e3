// The related-product display rules: which rows of Mst_RelatedProductDisplay
// the selected conditions satisfy.
#include <stdint.h>
#include <stdlib.h>

#include "Ado_dbss.h"

namespace {

bool in_display_set(Lnk_inf* slc, int32_t id)
{
    for (Lnk_inf* n = _nxt_lnk_(slc, nullptr); n; n = _nxt_lnk_(slc, n))
        if (*(int32_t*)LNK_DAT(n) == id)
            return true;
    return false;
}

}  // namespace

// As a 32-bit atol converts: a value beyond the range stands at its nearest
// end, never wrapped onto a small ID ("4294967297" is not 1).
int32_t cnv_int_(const char* token)
{
    long long value = strtoll(token, nullptr, 10);
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return (int32_t)value;
}

// Walks the rules in descending count: a rule is accepted when its list
// names at least one display row and every one of them is selected; after
// the first acceptance only rules of the same count are considered.
int32_t sel_rdp_(Lnk_inf* acc, Lnk_inf* slc)
{
    int32_t ok = 1;
    int32_t ref = 0;
    Rdp_inf row;
    Col_inf col[related_display_column_count];
    point_columns(col, related_display_columns, related_display_column_count, &row);
    int32_t n = ado_qry_(cur_dbs, related_display_query);
    for (; ok && n > 0; --n) {
        ado_get_(cur_dbs, col, related_display_column_count);
        if (ref > row.Mst_ConditionDisplayIDCnt)
            break;
        Lnk_inf tokens = {nullptr, nullptr};
        ok = _get_tkn_(&tokens, nullptr, row.Mst_ConditionDisplayID, ",");
        if (ok) {
            bool accepted = false;
            for (Lnk_inf* t = _nxt_lnk_(&tokens, nullptr); t; t = _nxt_lnk_(&tokens, t)) {
                accepted = in_display_set(slc, cnv_int_((const char*)LNK_DAT(t)));
                if (!accepted)
                    break;
            }
            if (accepted) {
                ok = _add_lnk_(acc, &row, sizeof row) != nullptr;
                if (ok && ref == 0)
                    ref = row.Mst_ConditionDisplayIDCnt;
            }
        }
        _fre_tkn_(&tokens);
    }
    ado_end_(cur_dbs);
    return ok;
}
