// Tables in the shapes that files the desktop database program has kept a
// long time have: deleted and added columns, a definition on three pages, a
// usage map on bitmap pages, fixed columns out of number order, a map that
// marks another table's pages, memos longer than 32,768 characters. Each is
// read through the layer and by libmdb's mdb-export, every value of every
// row, from a file stored plain and from one whose pages are encoded with
// the database's key.
#include <gtest/gtest.h>

#include <jetwriter/jetwriter.h>
#include <platform/charset.h>

#include "jet/connection.h"
#include "jet/query.h"
#include <testsupport/files.h>
#include <testsupport/jet_pages.h>
#include <testsupport/mdb_cli.h>

using jetwriter::ColumnType;
using jetwriter::Value;
using Rows = std::vector<std::vector<std::string>>;
using namespace jet_pages;

namespace {

const char kNull[] = "<NULL>";
const uint32_t kPageKey = 0x5EC7E7A1;

// Letters in an order that a misplaced or repeated piece of a chain breaks.
std::string letters(size_t length)
{
    std::string text(length, ' ');
    for (size_t i = 0; i < length; ++i)
        text[i] = (char)('a' + (i * 7 + i / 26) % 26);
    return text;
}

// `lead`, then `count` kanji of two Shift-JIS bytes each.
std::string kanji(const std::string& lead, size_t count)
{
    std::string text = lead;
    for (size_t i = 0; i < count; ++i)
        text += i % 3 == 0 ? "\x88\xEA" : i % 3 == 1 ? "\x93\xF1" : "\x8E\x4F";  // one, two, three
    return text;
}

struct Shape {
    std::string table;
    std::vector<std::string> columns;  // the live ones, in the order of their numbers
    Rows rows;                         // Shift-JIS texts, kNull for null
    Rows kept{};                       // what the layer keeps when it differs: texts cut at its cap
};

// Every table with its values as the description gives them, and what it reads as.
jetwriter::Database describe(std::vector<Shape>& shapes)
{
    jetwriter::Database db;
    db.created = 45000.5;
    const Value N;

    auto& dropped = db.add_table("Dropped", {{"ID", ColumnType::Long},
                                             {"OldWeight", ColumnType::Double},
                                             {"Name", ColumnType::Text, 20},
                                             {"Note", ColumnType::Text, 30},
                                             {"Size", ColumnType::Integer},
                                             {"Note", ColumnType::Memo},
                                             {"Count", ColumnType::Long}});
    dropped.columns[1].deleted = dropped.columns[3].deleted = true;
    // Two rows from before the deletions, one from between them and the two
    // columns added; the last two after both.
    dropped.add_row({1, 2.5, "first", "old note 1", 10, N, N}).stored_columns = 5;
    dropped.add_row({2, 7.25, "second", "old note two", N, N, N}).stored_columns = 5;
    dropped.add_row({3, N, "third", N, 30, N, N}).stored_columns = 5;
    dropped.add_row({4, N, "fourth", N, -4, "memo four", 400});
    dropped.add_row({5, N, N, N, N, "m5", -5});
    shapes.push_back({"Dropped",
                      {"ID", "Name", "Size", "Note", "Count"},
                      {{"1", "first", "10", kNull, kNull},
                       {"2", "second", kNull, kNull, kNull},
                       {"3", "third", "30", kNull, kNull},
                       {"4", "fourth", "-4", "memo four", "400"},
                       {"5", kNull, kNull, "m5", "-5"}}});

    // 170 entries and names: the first page ends inside the entry of column
    // 161, the second inside the name of column 148.
    std::vector<jetwriter::Column> wide_columns;
    Shape wide{"Wide", {}, Rows(3)};
    for (int i = 0; i < 170; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "Measured_%03d", i);
        wide_columns.push_back({name, i % 2 ? ColumnType::Text : ColumnType::Long, i % 2 ? 10 : 0});
        wide.columns.push_back(name);
    }
    auto& wide_table = db.add_table("Wide", wide_columns);
    for (int r = 0; r < 3; ++r) {
        std::vector<Value> values;
        for (int i = 0; i < 170; ++i) {
            const std::string text =
                i % 2 ? "r" + std::to_string(r) + "c" + std::to_string(i) : std::to_string(r * 1000 + i);
            const bool null = r == 2 && i % 3 == 0;
            values.push_back(null ? N : i % 2 ? Value(text) : Value(r * 1000 + i));
            wide.rows[r].push_back(null ? kNull : text);
        }
        wide_table.add_row(values);
    }
    shapes.push_back(wide);

    auto& mapped = db.add_table("Mapped", {{"MappedID", ColumnType::Long}, {"Name", ColumnType::Text, 50}});
    mapped.usage_map = jetwriter::UsageMap::OnBitmapPages;
    Shape mapped_shape{"Mapped", {"MappedID", "Name"}, {}};
    for (int i = 0; i < 400; ++i) {
        const std::string name = std::to_string(i) + " " + letters(30 + i % 9);
        mapped.add_row({i, name});
        mapped_shape.rows.push_back({std::to_string(i), name});
    }
    shapes.push_back(mapped_shape);

    auto& stale = db.add_table("Stale", {{"StaleID", ColumnType::Long}, {"Name", ColumnType::Text, 40}});
    stale.marks_pages_of = "Mapped";
    stale.add_row({-1, "own"});
    stale.add_row({-2, N});
    shapes.push_back({"Stale", {"StaleID", "Name"}, {{"-1", "own"}, {"-2", kNull}}});

    auto& reordered = db.add_table("Reordered", {{"Zeta", ColumnType::Long},
                                                 {"alpha", ColumnType::Double},
                                                 {"Mid", ColumnType::Text, 10},
                                                 {"Beta", ColumnType::Integer},
                                                 {"Gamma", ColumnType::Long}});
    reordered.column_order = jetwriter::ColumnOrder::ByName;
    reordered.fixed_order = {"Gamma", "Beta", "Zeta", "alpha"};
    reordered.add_row({1, 0.5, "m1", 11, 100});
    reordered.add_row({N, -2.25, N, N, 200});
    reordered.add_row({3, N, "m3", -3, N});
    shapes.push_back(
        {"Reordered",
         {"Zeta", "alpha", "Mid", "Beta", "Gamma"},
         {{"1", "0.5", "m1", "11", "100"}, {kNull, "-2.25", kNull, kNull, "200"}, {"3", kNull, "m3", "-3", kNull}}});

    // The layer keeps 65,535 bytes of a text: 1 + 2 * 32,767 exactly, or
    // 2 + 2 * 32,766 where one more kanji would pass the cap.
    auto& memos = db.add_table("Memos", {{"MemoID", ColumnType::Long}, {"Memo", ColumnType::Memo}});
    memos.add_row({1, letters(40000)});
    memos.add_row({2, kanji("a", 40000)});
    memos.add_row({3, kanji("ab", 40000)});
    shapes.push_back({"Memos",
                      {"MemoID", "Memo"},
                      {{"1", letters(40000)}, {"2", kanji("a", 40000)}, {"3", kanji("ab", 40000)}},
                      {{"1", letters(40000)}, {"2", kanji("a", 32767)}, {"3", kanji("ab", 32766)}}});
    return db;
}

Rows layer_rows(const std::string& path, const Shape& shape)
{
    jet::TADOConnection con;
    con.ConnectionString = "Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=" + path;
    con.Open();
    jet::TADOQuery qry;
    qry.Connection = &con;
    qry.SQL.Add("SELECT * FROM " + shape.table);
    qry.Open();
    Rows rows;
    for (; !qry.Eof(); qry.Next()) {
        rows.emplace_back();
        for (const std::string& column : shape.columns) {
            jet::TField* field = qry.FieldByName(column);
            rows.back().push_back(field->IsNull() ? kNull : field->AsString());
        }
    }
    return rows;
}

Rows libmdb_rows(const std::string& path, const Shape& shape)
{
    Rows rows = mdb_cli::export_table(path, shape.table);
    for (auto& row : rows)
        for (std::string& value : row)
            EXPECT_TRUE(convert_encoding(std::string(value), "UTF-8", "CP932", value));
    return rows;
}

// Where two tables of values first differ, long texts cut short; empty when they do not.
std::string difference(const Rows& got, const Rows& expected)
{
    if (got.size() != expected.size())
        return std::to_string(got.size()) + " rows";
    for (size_t r = 0; r < got.size(); ++r) {
        const std::string row = "row " + std::to_string(r + 1);
        if (got[r].size() != expected[r].size())
            return row + ": " + std::to_string(got[r].size()) + " values";
        for (size_t c = 0; c < got[r].size(); ++c)
            if (got[r][c] != expected[r][c])
                return row + ": " + got[r][c].substr(0, 40) + " (" + std::to_string(got[r][c].size()) + " bytes)";
    }
    return "";
}

class RealShapes : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder_ = new TempFolder;
        shapes_ = new std::vector<Shape>;
        jetwriter::Database db = describe(*shapes_);
        jetwriter::write_database(db, folder_->file("plain.mdb"));
        db.page_key = kPageKey;
        jetwriter::write_database(db, folder_->file("keyed.mdb"));
    }
    static void TearDownTestSuite()
    {
        delete shapes_;
        delete folder_;
    }

    // Both files read as the shape says, through the layer and libmdb.
    static void expect_reads(const std::string& table)
    {
        for (const Shape& shape : *shapes_) {
            if (shape.table != table)
                continue;
            for (const char* file : {"plain.mdb", "keyed.mdb"}) {
                SCOPED_TRACE(std::string(file) + " " + table);
                const std::string path = folder_->file(file);
                EXPECT_EQ(difference(layer_rows(path, shape), shape.kept.empty() ? shape.rows : shape.kept), "");
                EXPECT_EQ(difference(libmdb_rows(path, shape), shape.rows), "") << "mdb-export";
            }
            return;
        }
        FAIL() << "no shape " << table;
    }

    static std::string plain() { return read_file(folder_->file("plain.mdb")); }

    static TempFolder* folder_;
    static std::vector<Shape>* shapes_;
};

TempFolder* RealShapes::folder_;
std::vector<Shape>* RealShapes::shapes_;

// The definition page of the table with a column of that name among those on its first page.
size_t definition_of(const std::string& f, const std::string& column)
{
    const size_t page = definition_with_column(f, column);
    EXPECT_NE(page, 0u) << column;
    return page;
}

// Where the row of the usage map of that table starts.
size_t usage_map_of(const std::string& f, const std::string& column)
{
    const uint32_t map = u32(f, definition_of(f, column) * kPage + kUsageMap);
    return row_start(f, map >> 8, map & 0xFF);
}

}  // namespace

TEST_F(RealShapes, DeletedColumnsKeepTheirPlacesAndAddedOnesAreMissingFromOlderRows)
{
    expect_reads("Dropped");
    const std::string f = plain();
    const size_t at = definition_of(f, "Count") * kPage;
    EXPECT_EQ(u16(f, at + 41), 7u);  // the most columns a row holds
    EXPECT_EQ(u16(f, at + kVariableColumnCount), 3u);
    EXPECT_EQ(u16(f, at + kColumnCount), 5u);
    const size_t page = data_pages(f, at / kPage).front();
    EXPECT_EQ(u16(f, row_start(f, page, 0)), 5u);  // columns the first row stores
    EXPECT_EQ(u16(f, row_start(f, page, 4)), 7u);
}

TEST_F(RealShapes, ADefinitionGoesOnOverThreePages)
{
    expect_reads("Wide");
    const std::string f = plain();
    size_t page = 0;
    for (size_t p : pages_of_kind(damaged_file::of(f), kDefinitionPage))
        if (u16(f, p * kPage + kColumnCount) == 170)
            page = p;
    int pages = 1;
    for (; u32(f, page * kPage + 4) != 0; ++pages)
        page = u32(f, page * kPage + 4);
    EXPECT_EQ(pages, 3);
}

TEST_F(RealShapes, AUsageMapNamesItsBitmapPages)
{
    expect_reads("Mapped");
    const std::string f = plain();
    const size_t row = usage_map_of(f, "MappedID");
    EXPECT_EQ(f[row], 1);
    EXPECT_EQ(f[u32(f, row + 1) * kPage], 5);  // a bitmap page
}

TEST_F(RealShapes, AMapThatMarksAnotherTablesPagesReadsOnlyItsOwnRows)
{
    expect_reads("Stale");  // and Mapped its own, above
    const std::string f = plain();
    const size_t row = usage_map_of(f, "StaleID");
    const size_t other = data_pages(f, definition_of(f, "MappedID")).front() - u32(f, row + 1);
    EXPECT_EQ(f[row], 0);
    EXPECT_TRUE(f[row + 5 + other / 8] & (1 << other % 8));
}

TEST_F(RealShapes, FixedColumnsListedByNameAndStoredOutOfNumberOrder)
{
    expect_reads("Reordered");
    std::string order;
    for (const jet_pages::Column& c : columns(plain(), definition_of(plain(), "Zeta")))
        order += std::to_string(c.number) + (c.fixed ? "@" + std::to_string(c.fixed_offset) : "") + " ";
    EXPECT_EQ(order, "1@10 3@4 4@0 2 0@6 ");
}

TEST_F(RealShapes, MemosLongerThan32768CharactersReadWholeUpToTheCap)
{
    expect_reads("Memos");
}

TEST_F(RealShapes, EveryPageAfterTheHeaderIsEncodedWithTheKey)
{
    const std::string f = plain(), keyed = read_file(folder_->file("keyed.mdb"));
    ASSERT_EQ(f.size(), keyed.size());
    for (size_t page = 1; page < f.size() / kPage; ++page)
        EXPECT_NE(f.compare(page * kPage, kPage, keyed, page * kPage, kPage), 0) << page;
}
