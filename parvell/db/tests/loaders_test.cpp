#include <string.h>

#include <fstream>

#include <jet/errors.h>

#include "db_fixture.h"

using jetwriter::Bytes;
using jetwriter::ColumnType;
using jetwriter::Value;

namespace {

Bytes bytes_of(const std::string& s)
{
    return Bytes(s.begin(), s.end());
}

std::string read_all(jet::TStream* s)
{
    std::string out((size_t)s->Size(), '\0');
    s->SetPosition(0);
    s->Read(&out[0], s->Size());
    return out;
}

// n copies of the double-byte character あ after an optional single byte.
std::string kana(int n, const char* first = "")
{
    std::string s = first;
    for (int i = 0; i < n; ++i)
        s += "あ";
    return s;
}

}  // namespace

TEST_F(DbTest, OpensParvellMdbInTheCurrentFolderAndClosesIt)
{
    db.write("Parvell.mdb");
    EXPECT_EQ(opn_dbs_(), 1);
    ASSERT_NE(cur_dbs, nullptr);
    EXPECT_EQ(_cnt_lnk_(&dbs_lst), 1);
    cls_dbs_();
    EXPECT_EQ(cur_dbs, nullptr);
    EXPECT_EQ(_cnt_lnk_(&dbs_lst), 0);
}

TEST_F(DbTest, AWrongPasswordOrAMissingFileLeavesNoDatabaseOpen)
{
    EXPECT_EQ(opn_dbs_(), 0);  // no file yet
    EXPECT_EQ(cur_dbs, nullptr);
    db.write("Parvell.mdb", "another-password");
    EXPECT_EQ(opn_dbs_(), 0);
    EXPECT_EQ(cur_dbs, nullptr);
    EXPECT_EQ(_cnt_lnk_(&dbs_lst), 0);
    cls_dbs_();  // nothing open: nothing happens
    Lnk_inf* other = ado_opn_("Parvell.mdb", "Admin", "another-password");
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(_nxt_lnk_(&dbs_lst, nullptr), other);
    ado_cls_(other);
    EXPECT_EQ(_cnt_lnk_(&dbs_lst), 0);
    EXPECT_EQ(ado_opn_("Parvell.mdb", "Guest", "another-password"), nullptr);
}

TEST_F(DbTest, EmptyTablesGiveEmptyListsAndSuccess)
{
    db.add("Mst_Place", {{"ID", 1}, {"Mst_PipeID", 1}, {"Name", "orphan"}});
    db.add("Mst_ProductDetail", {{"ID", 1}, {"Mst_ProductID", 1}});
    db.add("Mst_Condition", {{"ID", 1}, {"Mst_ConditionGroupID", 1}});
    open();
    EXPECT_EQ(lod_plc_(&pip), 1);
    EXPECT_EQ(lod_pdt_(&prd), 1);
    EXPECT_EQ(lod_cdt_(&cgp), 1);
    EXPECT_EQ(lod_ppl_(&ppl), 1);
    EXPECT_EQ(lod_cds_(&cds), 1);
    EXPECT_EQ(lod_rpd_(&rpd), 1);
    for (Lnk_inf* head : heads())
        EXPECT_EQ(head->nxt, nullptr);
}

TEST_F(DbTest, ChildrenJoinTheFirstParentWithTheirKeyAndOrphansAreDropped)
{
    db.add("Mst_Pipe", {{"ID", 2}, {"Name", "pipe 2"}});
    db.add("Mst_Pipe", {{"ID", 1}, {"Name", "pipe 1"}});
    db.add("Mst_Pipe", {{"ID", 3}, {"Name", "first 3"}});
    db.add("Mst_Pipe", {{"ID", 3}, {"Name", "second 3"}});
    db.add("Mst_Place", {{"ID", 10}, {"Mst_PipeID", 2}, {"Name", "p10"}});
    db.add("Mst_Place", {{"ID", 11}, {"Mst_PipeID", 9}, {"Name", "orphan"}});
    db.add("Mst_Place", {{"ID", 12}, {"Mst_PipeID", 1}, {"Name", "p12"}});
    db.add("Mst_Place", {{"ID", 13}, {"Mst_PipeID", 2}, {"Name", "p13"}});
    db.add("Mst_Place", {{"ID", 14}, {"Mst_PipeID", 3}, {"Name", "p14"}});
    open();
    ASSERT_EQ(lod_plc_(&pip), 1);
    auto pipes = rows<Pip_inf>(&pip);
    ASSERT_EQ(ids<Pip_inf>(&pip), (std::vector<int>{1, 2, 3, 3}));
    EXPECT_STREQ(pipes[2]->Name, "first 3");
    EXPECT_EQ(ids<Plc_inf>(&pipes[0]->plc), (std::vector<int>{12}));
    EXPECT_EQ(ids<Plc_inf>(&pipes[1]->plc), (std::vector<int>{10, 13}));
    EXPECT_EQ(ids<Plc_inf>(&pipes[2]->plc), (std::vector<int>{14}));
    EXPECT_EQ(pipes[3]->plc.nxt, nullptr);
    Plc_inf* p13 = rows<Plc_inf>(&pipes[1]->plc)[1];
    EXPECT_EQ(p13->Mst_PipeID, 2);
    EXPECT_STREQ(p13->Name, "p13");
    // The first node's back link is the sub-list head inside the parent's node.
    EXPECT_EQ(pipes[1]->plc.nxt->prv, &pipes[1]->plc);
}

TEST_F(DbTest, ProductsKeepTheirPicturesAndSizes)
{
    db.add("Mst_Product", {{"ID", 2},
                           {"Name", "two"},
                           {"Life", 12.5},
                           {"Photo", bytes_of("photo two")},
                           {"Draft", bytes_of("draft two")},
                           {"PartName", "a,b"},
                           {"MaterialName", "m,n"},
                           {"PartCnt", "1,2"},
                           {"URL", "two.pdf"},
                           {"Dimension1", "d1"},
                           {"Dimension2", "d2"}});
    db.add("Mst_Product", {{"ID", 1}, {"Name", "one"}, {"Photo", bytes_of(std::string(70000, 'p'))}});
    db.add("Mst_ProductDetail", {{"ID", 7},
                                 {"Mst_ProductID", 2},
                                 {"Diameter", "50A"},
                                 {"Length", "100"},
                                 {"MX", 1.5},
                                 {"PX", 2.5},
                                 {"Y", 3.5},
                                 {"Press", 4.5}});
    db.add("Mst_ProductDetail", {{"ID", 8}, {"Mst_ProductID", 2}, {"Diameter", "65A"}});
    db.add("Mst_ProductDetail", {{"ID", 9}, {"Mst_ProductID", 1}, {"Diameter", "80A"}});
    db.add("Mst_ConditionGroup", {{"ID", 1}, {"Detail", "group"}});
    open();
    ASSERT_EQ(lod_pdt_(&prd), 1);
    ASSERT_EQ(lod_cdt_(&cgp), 1);  // later statements leave the streams readable

    auto products = rows<Prd_inf>(&prd);
    ASSERT_EQ(products.size(), 2u);
    Prd_inf* one = products[0];
    Prd_inf* two = products[1];
    EXPECT_EQ(one->ID, 1);
    EXPECT_EQ(one->Draft, nullptr);
    ASSERT_NE(one->Photo, nullptr);
    EXPECT_EQ(one->Photo->Position(), 0);
    EXPECT_EQ(read_all(one->Photo), std::string(70000, 'p'));
    EXPECT_STREQ(two->Name, "two");
    EXPECT_DOUBLE_EQ(two->Life, 12.5);
    EXPECT_STREQ(two->Dimension1, "d1");
    EXPECT_STREQ(two->Dimension2, "d2");
    EXPECT_STREQ(two->PartName, "a,b");
    EXPECT_STREQ(two->MaterialName, "m,n");
    EXPECT_STREQ(two->PartCnt, "1,2");
    EXPECT_STREQ(two->URL, "two.pdf");
    EXPECT_EQ(read_all(two->Photo), "photo two");
    EXPECT_EQ(read_all(two->Draft), "draft two");
    EXPECT_NE(one->Photo, two->Photo);

    EXPECT_EQ(ids<Pdt_inf>(&one->pdt), (std::vector<int>{9}));
    auto sizes = rows<Pdt_inf>(&two->pdt);
    ASSERT_EQ(ids<Pdt_inf>(&two->pdt), (std::vector<int>{7, 8}));
    EXPECT_EQ(sizes[0]->Mst_ProductID, 2);
    EXPECT_STREQ(sizes[0]->Diameter, "50A");
    EXPECT_STREQ(sizes[0]->Length, "100");
    EXPECT_DOUBLE_EQ(sizes[0]->MX, 1.5);
    EXPECT_DOUBLE_EQ(sizes[0]->PX, 2.5);
    EXPECT_DOUBLE_EQ(sizes[0]->Y, 3.5);
    EXPECT_DOUBLE_EQ(sizes[0]->Press, 4.5);
    // No value of an earlier row survives in a later one.
    EXPECT_STREQ(sizes[1]->Length, "");
    EXPECT_EQ(sizes[1]->MX, 0.0);
}

TEST_F(DbTest, ConditionsProductPlacesAndRelatedProductsLoad)
{
    db.add("Mst_ConditionGroup", {{"ID", 5}, {"Detail", "温度"}});
    db.add("Mst_Condition", {{"ID", 50},
                             {"Mst_ConditionGroupID", 5},
                             {"Detail", "%.1f℃以下"},
                             {"Factor", 0.8},
                             {"DisplayValue", 1.5},
                             {"DisplayValueType", 2}});
    db.add("Mst_ProductPlace", {{"ID", 3}, {"Mst_PlaceID", 4}, {"Mst_ProductID", 5}});
    db.add("Mst_RelatedProduct", {{"ID", 2},
                                  {"Name", "flex"},
                                  {"Dimension", "hint"},
                                  {"Photo", bytes_of("jpeg")},
                                  {"URL", "flex.pdf"},
                                  {"StartCaption1", "計算"},
                                  {"StartPath1", "Dunmere"},
                                  {"StartCaption2", ""},
                                  {"StartPath2", "table.pdf"}});
    db.add("Mst_RelatedProduct", {{"ID", 1}, {"Name", "bare"}});
    open();
    ASSERT_EQ(lod_cdt_(&cgp), 1);
    ASSERT_EQ(lod_ppl_(&ppl), 1);
    ASSERT_EQ(lod_rpd_(&rpd), 1);

    Cgp_inf* group = rows<Cgp_inf>(&cgp)[0];
    EXPECT_STREQ(group->Detail, "温度");
    Cdt_inf* c = rows<Cdt_inf>(&group->cdt)[0];
    EXPECT_EQ(c->Mst_ConditionGroupID, 5);
    EXPECT_STREQ(c->Detail, "%.1f℃以下");
    EXPECT_DOUBLE_EQ(c->Factor, 0.8);
    EXPECT_DOUBLE_EQ(c->DisplayValue, 1.5);
    EXPECT_EQ(c->DisplayValueType, 2);

    Ppl_inf* pp = rows<Ppl_inf>(&ppl)[0];
    EXPECT_EQ(pp->ID, 3);
    EXPECT_EQ(pp->Mst_PlaceID, 4);
    EXPECT_EQ(pp->Mst_ProductID, 5);

    auto related = rows<Rpd_inf>(&rpd);
    ASSERT_EQ(ids<Rpd_inf>(&rpd), (std::vector<int>{1, 2}));
    EXPECT_EQ(related[0]->Photo, nullptr);
    EXPECT_STREQ(related[0]->StartCaption1, "");
    Rpd_inf* flex = related[1];
    EXPECT_STREQ(flex->Name, "flex");
    EXPECT_STREQ(flex->Dimension, "hint");
    EXPECT_EQ(read_all(flex->Photo), "jpeg");
    EXPECT_STREQ(flex->URL, "flex.pdf");
    EXPECT_STREQ(flex->StartCaption1, "計算");
    EXPECT_STREQ(flex->StartPath1, "Dunmere");
    EXPECT_STREQ(flex->StartCaption2, "");
    EXPECT_STREQ(flex->StartPath2, "table.pdf");
}

TEST_F(DbTest, OnlyConditionDisplaysWithInvalidateZeroAreKept)
{
    int flags[] = {0, 1, -1, 0, 2};
    for (int i = 0; i < 5; ++i)
        db.add("Mst_ConditionDisplay",
               {{"ID", 100 - i}, {"Mst_ConditionID", i}, {"Mst_ProductPlaceID", 7}, {"Invalidate", flags[i]}});
    db.add("Mst_ConditionDisplay", {{"ID", 1}, {"Invalidate", Value()}});
    open();
    ASSERT_EQ(lod_cds_(&cds), 1);
    EXPECT_EQ(ids<Cds_inf>(&cds), (std::vector<int>{100, 97}));  // stored order
    Cds_inf* last = rows<Cds_inf>(&cds)[1];
    EXPECT_EQ(last->Mst_ConditionID, 3);
    EXPECT_EQ(last->Mst_ProductPlaceID, 7);
}

TEST_F(DbTest, RelatedProductDisplayRowsComeInDescendingCountKeepingTiesInOrder)
{
    int counts[] = {1, 3, 2, 3, 3, 1};
    int invalid[] = {0, 0, 0, 1, 0, 0};
    for (int i = 0; i < 6; ++i)
        db.add("Mst_RelatedProductDisplay", {{"ID", i + 1},
                                             {"Mst_ConditionDisplayID", "1,2"},
                                             {"Mst_ConditionDisplayIDCnt", counts[i]},
                                             {"Mst_RelatedProductID", 10 + i},
                                             {"Invalidate", invalid[i]}});
    open();
    Rdp_inf rec;
    Col_inf col[related_display_column_count];
    point_columns(col, related_display_columns, related_display_column_count, &rec);
    int32_t n = ado_qry_(cur_dbs, related_display_query);
    ASSERT_EQ(n, 5);
    std::vector<int> order;
    for (int32_t i = 0; i < n; ++i) {
        ado_get_(cur_dbs, col, related_display_column_count);
        order.push_back(rec.ID);
        EXPECT_STREQ(rec.Mst_ConditionDisplayID, "1,2");
        EXPECT_EQ(rec.Mst_ConditionDisplayIDCnt, counts[rec.ID - 1]);
        EXPECT_EQ(rec.Mst_RelatedProductID, 10 + rec.ID - 1);
    }
    ado_end_(cur_dbs);
    EXPECT_EQ(order, (std::vector<int>{2, 5, 3, 1, 6}));
}

// An ID beyond the 32-bit range must not wrap onto a small ID and so match
// display row 1.
TEST(ConvertingAnIdToken, ReadsAsA32BitAtolDoesSaturatingOutOfRange)
{
    EXPECT_EQ(cnv_int_(" 12,"), 12);
    EXPECT_EQ(cnv_int_("-7x"), -7);
    EXPECT_EQ(cnv_int_("x1"), 0);
    EXPECT_EQ(cnv_int_("2147483647"), INT32_MAX);
    EXPECT_EQ(cnv_int_("4294967297"), INT32_MAX);
    EXPECT_EQ(cnv_int_("99999999999999999999999"), INT32_MAX);
    EXPECT_EQ(cnv_int_("-2147483648"), INT32_MIN);
    EXPECT_EQ(cnv_int_("-4294967297"), INT32_MIN);
}

TEST_F(DbTest, NullsReadAsZeroEmptyTextAndNoStream)
{
    db.add("Mst_Product", {{"ID", 1}});
    db.add("Mst_ProductDetail", {{"ID", 2}, {"Mst_ProductID", 1}});
    db.add("Mst_ConditionGroup", {{"ID", 3}});
    db.add("Mst_Condition", {{"ID", 4}, {"Mst_ConditionGroupID", 3}});
    db.add("Mst_RelatedProduct", {{"ID", Value()}});
    db.add("Mst_ProductPlace", {});
    open();
    ASSERT_EQ(lod_pdt_(&prd), 1);
    ASSERT_EQ(lod_cdt_(&cgp), 1);
    ASSERT_EQ(lod_ppl_(&ppl), 1);
    ASSERT_EQ(lod_rpd_(&rpd), 1);

    Prd_inf* p = rows<Prd_inf>(&prd)[0];
    EXPECT_STREQ(p->Name, "");
    EXPECT_EQ(p->Life, 0.0);
    EXPECT_EQ(p->Photo, nullptr);
    EXPECT_EQ(p->Draft, nullptr);
    EXPECT_STREQ(p->URL, "");
    Pdt_inf* d = rows<Pdt_inf>(&p->pdt)[0];
    EXPECT_STREQ(d->Diameter, "");
    EXPECT_EQ(d->Press, 0.0);
    Cdt_inf* c = rows<Cdt_inf>(&rows<Cgp_inf>(&cgp)[0]->cdt)[0];
    EXPECT_STREQ(c->Detail, "");
    EXPECT_EQ(c->Factor, 0.0);
    EXPECT_EQ(c->DisplayValueType, 0);
    Ppl_inf* pp = rows<Ppl_inf>(&ppl)[0];
    EXPECT_EQ(pp->ID, 0);
    EXPECT_EQ(pp->Mst_PlaceID, 0);
    Rpd_inf* r = rows<Rpd_inf>(&rpd)[0];
    EXPECT_EQ(r->ID, 0);
    EXPECT_STREQ(r->Name, "");
    EXPECT_EQ(r->Photo, nullptr);
}

TEST_F(DbTest, TextsLongerThanTheirBuffersAreCutWholeCharactersAndTerminated)
{
    // Exact fits: 16, 63, 64 and 128 bytes.
    db.add("Mst_Pipe", {{"ID", 1}, {"Name", kana(8)}});
    db.add("Mst_Place", {{"ID", 1}, {"Mst_PipeID", 1}, {"Name", kana(31, "x")}});
    db.add("Mst_ConditionGroup", {{"ID", 1}, {"Detail", kana(8)}});
    db.add("Mst_Condition", {{"ID", 1}, {"Mst_ConditionGroupID", 1}, {"Detail", kana(32)}});
    db.add("Mst_Product", {{"ID", 1}, {"Dimension1", kana(64)}, {"Dimension2", "next"}});
    // Longer than every buffer, with a double-byte character across the limit.
    db.add("Mst_Pipe", {{"ID", 2}, {"Name", kana(20, "x")}});
    db.add("Mst_Place", {{"ID", 2}, {"Mst_PipeID", 1}, {"Name", kana(40)}});
    db.add("Mst_ConditionGroup", {{"ID", 2}, {"Detail", kana(20, "x")}});
    db.add("Mst_Condition", {{"ID", 2}, {"Mst_ConditionGroupID", 1}, {"Detail", kana(40, "x")}, {"Factor", 1.25}});
    std::string long_text = kana(100, "x");
    db.add("Mst_Product", {{"ID", 2},
                           {"Name", kana(20, "x")},
                           {"Life", 9.0},
                           {"Dimension1", long_text},
                           {"Dimension2", long_text},
                           {"PartName", long_text},
                           {"MaterialName", long_text},
                           {"PartCnt", long_text},
                           {"URL", long_text}});
    db.add("Mst_ProductDetail",
           {{"ID", 1}, {"Mst_ProductID", 2}, {"Diameter", kana(20, "x")}, {"Length", kana(20)}, {"MX", 7.0}});
    db.add("Mst_RelatedProduct", {{"ID", 1},
                                  {"Name", kana(20)},
                                  {"Dimension", long_text},
                                  {"URL", long_text},
                                  {"StartCaption1", long_text},
                                  {"StartPath1", long_text},
                                  {"StartCaption2", long_text},
                                  {"StartPath2", long_text}});
    db.add("Mst_RelatedProductDisplay", {{"ID", 1},
                                         {"Mst_ConditionDisplayID", std::string(200, '1')},
                                         {"Mst_ConditionDisplayIDCnt", 4},
                                         {"Mst_RelatedProductID", 6},
                                         {"Invalidate", 0}});
    db.add("Version", {{"Version", std::string(100, 'v')}});
    open();
    ASSERT_EQ(lod_plc_(&pip), 1);
    ASSERT_EQ(lod_cdt_(&cgp), 1);
    ASSERT_EQ(lod_pdt_(&prd), 1);
    ASSERT_EQ(lod_rpd_(&rpd), 1);

    auto pipes = rows<Pip_inf>(&pip);
    EXPECT_EQ(pipes[0]->Name, kana(8));
    EXPECT_EQ(pipes[1]->Name, kana(7, "x"));  // 15 bytes: the 8th あ would need 17
    auto places = rows<Plc_inf>(&pipes[0]->plc);
    EXPECT_EQ(places[0]->Name, kana(31, "x"));
    EXPECT_EQ(places[1]->Name, kana(31));
    auto groups = rows<Cgp_inf>(&cgp);
    EXPECT_EQ(groups[0]->Detail, kana(8));
    EXPECT_EQ(groups[1]->Detail, kana(7, "x"));
    auto conditions = rows<Cdt_inf>(&groups[0]->cdt);
    EXPECT_EQ(conditions[0]->Detail, kana(32));
    EXPECT_EQ(conditions[1]->Detail, kana(31, "x"));
    EXPECT_DOUBLE_EQ(conditions[1]->Factor, 1.25);

    auto products = rows<Prd_inf>(&prd);
    EXPECT_EQ(products[0]->Dimension1, kana(64));
    EXPECT_STREQ(products[0]->Dimension2, "next");
    Prd_inf* p = products[1];
    EXPECT_EQ(p->Name, kana(7, "x"));
    EXPECT_DOUBLE_EQ(p->Life, 9.0);
    for (const char* field : {p->Dimension1, p->Dimension2, p->PartName, p->MaterialName, p->PartCnt, p->URL})
        EXPECT_EQ(field, kana(63, "x"));  // 127 bytes
    EXPECT_EQ(p->Photo, nullptr);
    Pdt_inf* d = rows<Pdt_inf>(&p->pdt)[0];
    EXPECT_EQ(d->Diameter, kana(7, "x"));
    EXPECT_EQ(d->Length, kana(8));
    EXPECT_DOUBLE_EQ(d->MX, 7.0);

    Rpd_inf* r = rows<Rpd_inf>(&rpd)[0];
    EXPECT_EQ(r->Name, kana(8));
    for (const char* field : {r->Dimension, r->URL, r->StartCaption1, r->StartPath1, r->StartCaption2, r->StartPath2})
        EXPECT_EQ(field, kana(63, "x"));
    EXPECT_EQ(r->Photo, nullptr);

    Rdp_inf rec;
    Col_inf col[related_display_column_count];
    point_columns(col, related_display_columns, related_display_column_count, &rec);
    ASSERT_EQ(ado_qry_(cur_dbs, related_display_query), 1);
    ado_get_(cur_dbs, col, related_display_column_count);
    ado_end_(cur_dbs);
    EXPECT_EQ(rec.Mst_ConditionDisplayID, std::string(128, '1'));
    EXPECT_EQ(rec.Mst_ConditionDisplayIDCnt, 4);
    EXPECT_EQ(rec.Mst_RelatedProductID, 6);

    char dvr[VER_LEN];
    ASSERT_EQ(lod_ver_(dvr), 1);
    EXPECT_EQ(std::string(dvr), std::string(63, 'v'));
}

TEST_F(DbTest, TheVersionNeedsExactlyOneRow)
{
    db.write("Parvell.mdb");
    ASSERT_EQ(opn_dbs_(), 1);
    char dvr[VER_LEN] = "unchanged";
    EXPECT_EQ(lod_ver_(dvr), 0);
    EXPECT_STREQ(dvr, "unchanged");
    cls_dbs_();

    db.add("Version", {{"Version", "1.0.3"}});
    db.write("Parvell.mdb");
    ASSERT_EQ(opn_dbs_(), 1);
    EXPECT_EQ(lod_ver_(dvr), 1);
    EXPECT_STREQ(dvr, "1.0.3");
    cls_dbs_();

    db.add("Version", {{"Version", "2.0"}});
    db.write("Parvell.mdb");
    ASSERT_EQ(opn_dbs_(), 1);
    EXPECT_EQ(lod_ver_(dvr), 0);
    EXPECT_STREQ(dvr, "1.0.3");
    cls_dbs_();

    ProductDb null_version;
    null_version.add("Version", {{"Version", Value()}});
    null_version.write("Parvell.mdb");
    ASSERT_EQ(opn_dbs_(), 1);
    EXPECT_EQ(lod_ver_(dvr), 1);
    EXPECT_STREQ(dvr, "");
}

TEST_F(DbTest, AMissingTableRaisesThroughTheLoaderAndKeepsWhatWasLoaded)
{
    db.add("Mst_Pipe", {{"ID", 1}, {"Name", "pipe"}});
    db.drop_table("Mst_Place");
    open();
    try {
        lod_plc_(&pip);
        ADD_FAILURE() << "no error";
    } catch (const jet::EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "テーブル 'Mst_Place' が見つかりません。");
    }
    EXPECT_EQ(ids<Pip_inf>(&pip), (std::vector<int>{1}));
    // The statement left open does not stop the next one.
    EXPECT_EQ(lod_ppl_(&ppl), 1);
}

TEST_F(DbTest, AMissingColumnOrAnUnconvertibleValueRaisesWithoutLeakingStreams)
{
    db.add("Mst_Product", {{"ID", 1}, {"Photo", bytes_of("first")}, {"Draft", bytes_of("d")}});
    db.add("Mst_Product", {{"ID", 2}, {"Photo", bytes_of("second")}});
    db.drop_column("Mst_Product", "PartName");  // fetched after Photo and Draft
    db.add("Mst_Pipe", {{"ID", Value("abc")}});
    db.set_column_type("Mst_Pipe", "ID", ColumnType::Text);
    open();
    try {
        lod_pdt_(&prd);
        ADD_FAILURE() << "no error";
    } catch (const jet::EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "フィールド 'PartName' が見つかりません。");
    }
    EXPECT_EQ(prd.nxt, nullptr);
    try {
        lod_plc_(&pip);
        ADD_FAILURE() << "no error";
    } catch (const jet::EConvertError& e) {
        EXPECT_STREQ(e.what(), "'abc' は整数値ではありません。");
    }
}

TEST_F(DbTest, QueriesOnNoDatabaseRaiseInsteadOfCrashing)
{
    EXPECT_THROW(ado_qry_(nullptr, pipe_query), jet::EDatabaseError);
    EXPECT_THROW(lod_pip_(&pip), jet::EDatabaseError);
}

TEST_F(DbTest, DescriptorsOfAnUnknownTypeAreSkippedAndTheRowStillAdvances)
{
    db.add("Mst_Pipe", {{"ID", 1}, {"Name", "one"}});
    db.add("Mst_Pipe", {{"ID", 2}, {"Name", "two"}});
    open();
    EXPECT_EQ(ado_qry_(cur_dbs, "SELECT * FROM Mst_Pipe WHERE ID=3"), 0);
    ado_end_(cur_dbs);

    Pip_inf rec = {};
    strcpy(rec.Name, "kept");
    Col_inf col[2] = {{&rec.ID, nullptr, "ID", COL_INT, 0, 0}, {rec.Name, nullptr, "Name", 9, 17, 0}};
    ASSERT_EQ(ado_qry_(cur_dbs, pipe_query), 2);
    ado_get_(cur_dbs, col, 2);
    EXPECT_EQ(rec.ID, 1);
    ado_get_(cur_dbs, col, 2);
    EXPECT_EQ(rec.ID, 2);
    EXPECT_STREQ(rec.Name, "kept");
    ado_end_(cur_dbs);
}
