// Header only, for the tests and the fuzz target: opens Parvell.mdb in the
// current folder and loads it as the main window does at start, then queries
// the related-product rules as a refresh does.
#ifndef PARVELL_TESTS_LOAD_AS_PARVELL_H
#define PARVELL_TESTS_LOAD_AS_PARVELL_H

#include <string>

#include <jet/errors.h>

#include "Ado_dbss.h"
#include "product_lists.h"

// A list that frees its nodes when it goes, whatever raised meanwhile.
struct OwnedList {
    Lnk_inf head{};
    ~OwnedList() { _del_all_(&head); }
};

// "" when the database opened and every loader stored its rows; otherwise
// what went wrong: the data-access error's text, or which step answered 0.
// With every display row selected, each related-product rule is weighed.
// Anything else raised passes to the caller. The lists are left for the
// caller to free, the connection closed.
inline std::string load_as_parvell(ProductLists& lists)
{
    std::string outcome;
    try {
        if (!opn_dbs_())
            return "not opened";
        if (!(lod_plc_(&lists.pip) && lod_pdt_(&lists.prd) && lod_cdt_(&lists.cgp) && lod_ppl_(&lists.ppl) &&
              lod_cds_(&lists.cds) && lod_rpd_(&lists.rpd))) {
            outcome = "a loader answered 0";
        } else {
            OwnedList selected, rules;
            for (Cds_inf* display : rows<Cds_inf>(&lists.cds))
                _add_lnk_(&selected.head, &display->ID, (int)sizeof display->ID);
            if (!sel_rdp_(&rules.head, &selected.head))
                outcome = "the related-product rules answered 0";
            char version[VER_LEN] = "";
            lod_ver_(version);
        }
    } catch (const jet::EDatabaseError& e) {
        outcome = e.what();
    } catch (const jet::EConvertError& e) {
        outcome = e.what();
    }
    cls_dbs_();
    return outcome;
}

#endif
