// The sample Parvell.mdb as the build writes it, opened and loaded as the
// program does at start: every list holds every row of the source.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include <jetwriter/jetwriter.h>
#include <platform/charset.h>

#include "Ado_dbss.h"
#include "product_lists.h"

namespace {

// The rows of one table of the source that are not deleted, read by column name.
class SourceTable {
public:
    SourceTable(const jetwriter::Database& db, const char* name)
    {
        for (const auto& t : db.tables)
            if (t.name == name)
                table_ = &t;
        if (!table_)
            throw std::invalid_argument(name);
        for (const jetwriter::Row& row : table_->rows)
            if (!row.deleted)
                rows_.push_back(&row);
    }
    size_t size() const { return rows_.size(); }
    const jetwriter::Value& cell(size_t row, const char* column) const
    {
        for (size_t i = 0; i < table_->columns.size(); ++i)
            if (table_->columns[i].name == column)
                return rows_[row]->values[i];
        throw std::invalid_argument(column);
    }
    int integer(size_t row, const char* column) const { return (int)cell(row, column).integer(); }
    double real(size_t row, const char* column) const
    {
        const jetwriter::Value& v = cell(row, column);
        return v.kind() == jetwriter::Value::Kind::Integer ? (double)v.integer() : v.real();
    }
    std::string text(size_t row, const char* column) const
    {
        const jetwriter::Value& v = cell(row, column);
        return v.text_is_utf8() ? utf8_to_sjis(v.text()) : v.text();
    }
    std::string bytes(size_t row, const char* column) const
    {
        const auto& b = cell(row, column).bytes();
        return std::string(b.begin(), b.end());
    }
    // Row numbers in ascending ID, equal IDs in stored order.
    std::vector<size_t> by_id() const
    {
        std::vector<size_t> rows(size());
        for (size_t i = 0; i < rows.size(); ++i)
            rows[i] = i;
        std::stable_sort(rows.begin(), rows.end(),
                         [&](size_t a, size_t b) { return integer(a, "ID") < integer(b, "ID"); });
        return rows;
    }

private:
    const jetwriter::Table* table_ = nullptr;
    std::vector<const jetwriter::Row*> rows_;
};

std::string stream_bytes(jet::TStream* s)
{
    if (!s)
        return "";
    std::string out((size_t)s->Size(), '\0');
    s->SetPosition(0);
    s->Read(&out[0], s->Size());
    return out;
}

class SampleDatabase : public ::testing::Test {
protected:
    void SetUp() override
    {
        source_ = jetwriter::read_source(SAMPLE_SOURCE, SAMPLE_DIR);
        home_ = std::filesystem::current_path();
        std::filesystem::current_path(SAMPLE_DIR);
    }

    void TearDown() override
    {
        cls_dbs_();
        lists_.free_all();
        std::filesystem::current_path(home_);
    }

    jetwriter::Database source_;
    std::filesystem::path home_;
    ProductLists lists_;
    Lnk_inf &pip = lists_.pip, &prd = lists_.prd, &cgp = lists_.cgp, &ppl = lists_.ppl, &cds = lists_.cds,
            &rpd = lists_.rpd;
};

}  // namespace

TEST_F(SampleDatabase, OpensInTheCurrentFolderAndLoadsEveryRowOfTheSource)
{
    ASSERT_EQ(opn_dbs_(), 1);
    ASSERT_EQ(lod_plc_(&pip), 1);
    ASSERT_EQ(lod_pdt_(&prd), 1);
    ASSERT_EQ(lod_cdt_(&cgp), 1);
    ASSERT_EQ(lod_ppl_(&ppl), 1);
    ASSERT_EQ(lod_cds_(&cds), 1);
    ASSERT_EQ(lod_rpd_(&rpd), 1);

    SourceTable pipe(source_, "Mst_Pipe"), place(source_, "Mst_Place");
    auto pipes = rows<Pip_inf>(&pip);
    ASSERT_EQ(pipes.size(), pipe.size());
    size_t places = 0;
    for (size_t i = 0; i < pipes.size(); ++i) {
        size_t r = pipe.by_id()[i];
        EXPECT_EQ(pipes[i]->ID, pipe.integer(r, "ID"));
        EXPECT_EQ(pipes[i]->Name, pipe.text(r, "Name"));
        auto mine = rows<Plc_inf>(&pipes[i]->plc);
        size_t k = 0;
        for (size_t p = 0; p < place.size(); ++p) {
            if (place.integer(p, "Mst_PipeID") != pipes[i]->ID)
                continue;
            ASSERT_LT(k, mine.size());
            EXPECT_EQ(mine[k]->ID, place.integer(p, "ID"));
            EXPECT_EQ(mine[k]->Name, place.text(p, "Name"));
            ++k;
        }
        EXPECT_EQ(k, mine.size());
        places += k;
    }
    EXPECT_EQ(places, place.size());

    SourceTable product(source_, "Mst_Product"), detail(source_, "Mst_ProductDetail");
    auto products = rows<Prd_inf>(&prd);
    ASSERT_EQ(products.size(), product.size());
    size_t sizes = 0;
    for (size_t i = 0; i < products.size(); ++i) {
        size_t r = product.by_id()[i];
        Prd_inf* p = products[i];
        EXPECT_EQ(p->ID, product.integer(r, "ID"));
        EXPECT_EQ(p->Name, product.text(r, "Name"));
        EXPECT_DOUBLE_EQ(p->Life, product.real(r, "Life"));
        EXPECT_EQ(p->Dimension1, product.text(r, "Dimension1"));
        EXPECT_EQ(p->Dimension2, product.text(r, "Dimension2"));
        EXPECT_EQ(p->PartName, product.text(r, "PartName"));
        EXPECT_EQ(p->MaterialName, product.text(r, "MaterialName"));
        EXPECT_EQ(p->PartCnt, product.text(r, "PartCnt"));
        EXPECT_EQ(p->URL, product.text(r, "URL"));
        EXPECT_EQ(stream_bytes(p->Photo), product.bytes(r, "Photo"));
        EXPECT_EQ(stream_bytes(p->Draft), product.bytes(r, "Draft"));
        for (Pdt_inf* d : rows<Pdt_inf>(&p->pdt))
            EXPECT_EQ(d->Mst_ProductID, p->ID);
        sizes += _cnt_lnk_(&p->pdt);
    }
    EXPECT_EQ(sizes, detail.size());

    SourceTable group(source_, "Mst_ConditionGroup"), condition(source_, "Mst_Condition");
    auto groups = rows<Cgp_inf>(&cgp);
    ASSERT_EQ(groups.size(), group.size());
    size_t conditions = 0;
    for (Cgp_inf* g : groups)
        conditions += _cnt_lnk_(&g->cdt);
    EXPECT_EQ(conditions, condition.size());

    EXPECT_EQ(rows<Ppl_inf>(&ppl).size(), SourceTable(source_, "Mst_ProductPlace").size());

    SourceTable display(source_, "Mst_ConditionDisplay");
    std::vector<int> valid;
    for (size_t r = 0; r < display.size(); ++r)
        if (display.cell(r, "Invalidate").kind() == jetwriter::Value::Kind::Integer &&
            display.integer(r, "Invalidate") == 0)
            valid.push_back(display.integer(r, "ID"));
    std::vector<int> loaded;
    for (Cds_inf* c : rows<Cds_inf>(&cds))
        loaded.push_back(c->ID);
    EXPECT_EQ(loaded, valid);

    SourceTable related(source_, "Mst_RelatedProduct");
    auto relateds = rows<Rpd_inf>(&rpd);
    ASSERT_EQ(relateds.size(), related.size());
    for (size_t i = 0; i < relateds.size(); ++i) {
        size_t r = related.by_id()[i];
        EXPECT_EQ(relateds[i]->Name, related.text(r, "Name"));
        EXPECT_EQ(relateds[i]->StartPath1, related.text(r, "StartPath1"));
        EXPECT_EQ(stream_bytes(relateds[i]->Photo), related.bytes(r, "Photo"));
    }

    char dvr[VER_LEN] = "";
    EXPECT_EQ(lod_ver_(dvr), 1);
    EXPECT_EQ(dvr, SourceTable(source_, "Version").text(0, "Version"));
}

TEST_F(SampleDatabase, AWrongPasswordDoesNotOpenIt)
{
    EXPECT_EQ(ado_opn_("Parvell.mdb", "Admin", "q7154mvk--tpb"), nullptr);
    EXPECT_EQ(ado_opn_("Parvell.mdb", "Admin", ""), nullptr);
}

// A withdrawn product stays in the file as a deleted row between two others:
// the product list passes over it and keeps its neighbours.
TEST_F(SampleDatabase, ADeletedProductNeverComesBackWhileItsNeighboursDo)
{
    const jetwriter::Table& product = *std::find_if(source_.tables.begin(), source_.tables.end(),
                                                    [](const jetwriter::Table& t) { return t.name == "Mst_Product"; });
    const auto deleted =
        std::find_if(product.rows.begin(), product.rows.end(), [](const jetwriter::Row& r) { return r.deleted; });
    ASSERT_TRUE(deleted != product.rows.end() && deleted != product.rows.begin() && deleted + 1 != product.rows.end());
    ASSERT_FALSE((deleted - 1)->deleted || (deleted + 1)->deleted);

    ASSERT_EQ(opn_dbs_(), 1);
    ASSERT_EQ(lod_pdt_(&prd), 1);
    std::vector<int> ids;
    std::vector<std::string> names;
    for (Prd_inf* p : rows<Prd_inf>(&prd)) {
        ids.push_back(p->ID);
        names.push_back(p->Name);
    }
    auto listed = [&](const jetwriter::Row& row) {
        return std::count(ids.begin(), ids.end(), (int)row.values[0].integer());
    };
    EXPECT_EQ(listed(*deleted), 0);
    EXPECT_EQ(std::count(names.begin(), names.end(), utf8_to_sjis(deleted->values[1].text())), 0);
    EXPECT_EQ(listed(*(deleted - 1)), 1);
    EXPECT_EQ(listed(*(deleted + 1)), 1);
}
