// A test that writes a product database as Parvell.mdb into a fresh folder,
// makes that folder current and frees whatever the loaders stored.
#ifndef PARVELL_TESTS_DB_FIXTURE_H
#define PARVELL_TESTS_DB_FIXTURE_H

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include <testsupport/child_process.h>

#include "Ado_dbss.h"
#include "product_db.h"
#include "product_lists.h"

class DbTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(dir_.path().empty());
        home_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.path());
    }

    void TearDown() override
    {
        cls_dbs_();
        free_lists();
        std::filesystem::current_path(home_);
    }

    // Writes the database and opens it as the program does.
    void open(const std::string& password = "q7154mvk--tpa")
    {
        db.write("Parvell.mdb", password);
        ASSERT_EQ(opn_dbs_(), 1);
    }

    void free_lists() { lists_.free_all(); }
    std::vector<Lnk_inf*> heads() { return lists_.heads(); }

    template <class Rec>
    static std::vector<int> ids(Lnk_inf* head)
    {
        std::vector<int> out;
        for (Rec* r : rows<Rec>(head))
            out.push_back(r->ID);
        return out;
    }

    ProductDb db;
    ProductLists lists_;
    Lnk_inf &pip = lists_.pip, &prd = lists_.prd, &cgp = lists_.cgp, &ppl = lists_.ppl, &cds = lists_.cds,
            &rpd = lists_.rpd;
    TempFolder dir_;
    std::filesystem::path home_;
};

#endif
