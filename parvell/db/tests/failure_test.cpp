// Loading when Quillon cannot hand out a node.
#include "db_fixture.h"

extern "C" int quillon_allocs_before_failure;

namespace {

jetwriter::Bytes picture(const char* text)
{
    return jetwriter::Bytes(text, text + strlen(text));
}

class NoMemory : public DbTest {
protected:
    void TearDown() override
    {
        quillon_allocs_before_failure = -1;
        DbTest::TearDown();
    }
};

}  // namespace

TEST_F(NoMemory, OpeningWithoutMemoryCreatesNothing)
{
    db.write("Parvell.mdb");
    quillon_allocs_before_failure = 0;  // no block for the connection text
    EXPECT_EQ(opn_dbs_(), 0);
    quillon_allocs_before_failure = 1;  // the text, but no list node
    EXPECT_EQ(opn_dbs_(), 0);
    EXPECT_EQ(cur_dbs, nullptr);
    EXPECT_EQ(dbs_lst.nxt, nullptr);
    quillon_allocs_before_failure = -1;
    EXPECT_EQ(opn_dbs_(), 1);
}

TEST_F(NoMemory, AFlatLoaderStopsKeepsTheStoredRowsAndFreesTheLostRowsStreams)
{
    for (int id = 1; id <= 3; ++id)
        db.add("Mst_Product", {{"ID", id}, {"Photo", picture("photo")}, {"Draft", picture("draft")}});
    db.add("Mst_Pipe", {{"ID", 1}});
    open();
    quillon_allocs_before_failure = 1;
    EXPECT_EQ(lod_prd_(&prd), 0);
    quillon_allocs_before_failure = -1;
    auto products = rows<Prd_inf>(&prd);
    ASSERT_EQ(products.size(), 1u);
    EXPECT_EQ(products[0]->Photo->Size(), 5);
    // The statement was ended: the next one runs.
    EXPECT_EQ(lod_pip_(&pip), 1);
}

TEST_F(NoMemory, AChildLoaderStopsWhenItsParentsOrAChildCannotBeStored)
{
    db.add("Mst_Pipe", {{"ID", 1}});
    db.add("Mst_Pipe", {{"ID", 2}});
    for (int id = 1; id <= 3; ++id)
        db.add("Mst_Place", {{"ID", id}, {"Mst_PipeID", 2}});
    open();
    quillon_allocs_before_failure = 1;  // one pipe only
    EXPECT_EQ(lod_plc_(&pip), 0);
    EXPECT_EQ(ids<Pip_inf>(&pip), (std::vector<int>{1}));
    free_lists();

    quillon_allocs_before_failure = 3;  // both pipes and one place
    EXPECT_EQ(lod_plc_(&pip), 0);
    quillon_allocs_before_failure = -1;
    auto pipes = rows<Pip_inf>(&pip);
    ASSERT_EQ(pipes.size(), 2u);
    EXPECT_EQ(ids<Plc_inf>(&pipes[1]->plc), (std::vector<int>{1}));
}
