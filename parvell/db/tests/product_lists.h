// Header only: each test program links its own Quillon.
// The six list heads the main window loads, and their teardown as the main
// window does it when it closes (sub-lists, streams, then the lists).
#ifndef PARVELL_TESTS_PRODUCT_LISTS_H
#define PARVELL_TESTS_PRODUCT_LISTS_H

#include <vector>

#include "Ado_dbss.h"

struct ProductLists {
    Lnk_inf pip, prd, cgp, ppl, cds, rpd;

    ProductLists() { clear(); }
    void clear() { _clr_mem_(this, (int)sizeof *this); }
    std::vector<Lnk_inf*> heads() { return {&pip, &prd, &cgp, &ppl, &cds, &rpd}; }
    void free_all();
};

// The payloads of a list, in order.
template <class Rec>
std::vector<Rec*> rows(Lnk_inf* head)
{
    std::vector<Rec*> out;
    for (Lnk_inf* n = _nxt_lnk_(head, nullptr); n; n = _nxt_lnk_(head, n))
        out.push_back((Rec*)LNK_DAT(n));
    return out;
}

inline void ProductLists::free_all()
{
    for (Pip_inf* p : rows<Pip_inf>(&pip))
        _del_all_(&p->plc);
    for (Prd_inf* p : rows<Prd_inf>(&prd)) {
        delete p->Photo;
        delete p->Draft;
        _del_all_(&p->pdt);
    }
    for (Cgp_inf* g : rows<Cgp_inf>(&cgp))
        _del_all_(&g->cdt);
    for (Rpd_inf* r : rows<Rpd_inf>(&rpd))
        delete r->Photo;
    for (Lnk_inf* head : heads())
        _del_all_(head);
}

#endif
