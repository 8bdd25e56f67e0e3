// A test that writes a product database as Parvell.mdb into a fresh folder,
// makes that folder current and frees whatever the loaders stored.
#ifndef PARVELL_TESTS_DB_FIXTURE_H
#define PARVELL_TESTS_DB_FIXTURE_H

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Ado_dbss.h"
#include "product_db.h"

class DbTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/velmora-db-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        home_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_);
        for (Lnk_inf* head : heads())
            _clr_mem_(head, (int)sizeof *head);
    }

    void TearDown() override
    {
        cls_dbs_();
        free_lists();
        std::filesystem::current_path(home_);
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

    // Writes the database and opens it as the program does.
    void open(const std::string& password = "q7154mvk--tpa")
    {
        db.write("Parvell.mdb", password);
        ASSERT_EQ(opn_dbs_(), 1);
    }

    // Frees the lists as the main window does when it closes.
    void free_lists()
    {
        for (Lnk_inf* n = _nxt_lnk_(&pip, nullptr); n; n = _nxt_lnk_(&pip, n))
            _del_all_(&((Pip_inf*)LNK_DAT(n))->plc);
        _del_all_(&pip);
        for (Lnk_inf* n = _nxt_lnk_(&prd, nullptr); n; n = _nxt_lnk_(&prd, n)) {
            Prd_inf* p = (Prd_inf*)LNK_DAT(n);
            delete p->Photo;
            delete p->Draft;
            _del_all_(&p->pdt);
        }
        _del_all_(&prd);
        for (Lnk_inf* n = _nxt_lnk_(&cgp, nullptr); n; n = _nxt_lnk_(&cgp, n))
            _del_all_(&((Cgp_inf*)LNK_DAT(n))->cdt);
        _del_all_(&cgp);
        _del_all_(&ppl);
        _del_all_(&cds);
        for (Lnk_inf* n = _nxt_lnk_(&rpd, nullptr); n; n = _nxt_lnk_(&rpd, n))
            delete ((Rpd_inf*)LNK_DAT(n))->Photo;
        _del_all_(&rpd);
    }

    std::vector<Lnk_inf*> heads() { return {&pip, &prd, &cgp, &ppl, &cds, &rpd}; }

    // The payloads of a list, in order.
    template <class Rec>
    static std::vector<Rec*> rows(Lnk_inf* head)
    {
        std::vector<Rec*> out;
        for (Lnk_inf* n = _nxt_lnk_(head, nullptr); n; n = _nxt_lnk_(head, n))
            out.push_back((Rec*)LNK_DAT(n));
        return out;
    }

    template <class Rec>
    static std::vector<int> ids(Lnk_inf* head)
    {
        std::vector<int> out;
        for (Rec* r : rows<Rec>(head))
            out.push_back(r->ID);
        return out;
    }

    ProductDb db;
    Lnk_inf pip, prd, cgp, ppl, cds, rpd;
    std::string dir_;
    std::filesystem::path home_;
};

#endif
