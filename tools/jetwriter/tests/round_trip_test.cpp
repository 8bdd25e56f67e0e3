// Databases described in code, written, and read back with mdbtools' CLI.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>
#include <string>

#include "jetwriter/jetwriter.h"
#include "testsupport/mdb_cli.h"

namespace {

using jetwriter::Bytes;
using jetwriter::Column;
using jetwriter::ColumnType;
using jetwriter::Database;
using jetwriter::Property;
using jetwriter::Value;
using mdb_cli::export_table;
using mdb_cli::quoted;
using mdb_cli::run;
using mdb_cli::test_file;

const std::string kNull = "<NULL>";

Bytes pattern(size_t size, unsigned seed)
{
    Bytes bytes(size);
    unsigned x = seed * 2654435761u + 1;
    for (auto& b : bytes) {
        x = x * 1103515245u + 12345u;
        b = static_cast<unsigned char>(x >> 16);
    }
    return bytes;
}

std::string as_string(const Bytes& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

std::string write(const Database& database)
{
    std::string path = test_file(".mdb");
    std::remove(path.c_str());
    jetwriter::write_database(database, path);
    return path;
}

TEST(RoundTrip, EveryColumnTypeWithValuesAndNulls)
{
    Database db;
    db.password = "q7154mvk--tpa";
    auto& t = db.add_table("Mst_Every", {{"ID", ColumnType::Long},
                                         {"Small", ColumnType::Integer},
                                         {"Life", ColumnType::Double},
                                         {"Made", ColumnType::DateTime},
                                         {"Name", ColumnType::Text, 16},
                                         {"Note", ColumnType::Memo},
                                         {"Photo", ColumnType::OLE}});
    // Narrow literals are Shift-JIS in this code base; mdb-export gives UTF-8.
    t.add_row({2147483647, -32768, 0.85, Value::date(2024, 4, 1, 9, 30, 5), "給水配管", "ポンプ廻り、吐出側",
               Bytes{0x00, 0xFF, 0x10}});
    t.add_row({-2147483647 - 1, 32767, -1.5e-3, Value::utf8("1999-12-31 23:59:59"), Value::utf8(u8"Ｍ２０×①"),
               Value(""), Bytes{}});
    t.add_row({3, Value(), Value(), Value(), Value(), Value(), Value()});
    const std::string path = write(db);

    EXPECT_EQ(run("mdb-ver " + quoted(path)).out, "JET4\n");
    EXPECT_EQ(mdb_cli::tables(path), std::vector<std::string>{"Mst_Every"});
    const std::string schema = run("mdb-schema " + quoted(path)).out;
    for (const char* declared :
         {"[ID]\t\t\tLong Integer", "[Small]\t\t\tInteger", "[Life]\t\t\tDouble", "[Made]\t\t\tDateTime",
          "[Name]\t\t\tText (16)", "[Note]\t\t\tMemo/Hyperlink", "[Photo]\t\t\tOLE"})
        EXPECT_NE(schema.find(declared), std::string::npos) << declared << " in\n" << schema;

    const mdb_cli::Rows rows = export_table(path, "Mst_Every");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"2147483647", "-32768", "0.85", "2024-04-01 09:30:05", u8"給水配管",
                                                 u8"ポンプ廻り、吐出側", "00FF10"}));
    // An empty text reads back like NULL through mdb-export; an empty blob as empty.
    EXPECT_EQ(rows[1], (std::vector<std::string>{"-2147483648", "32767", "-0.0015", "1999-12-31 23:59:59", u8"Ｍ２０×①",
                                                 kNull, ""}));
    EXPECT_EQ(rows[2], (std::vector<std::string>{"3", kNull, kNull, kNull, kNull, kNull, kNull}));
}

TEST(RoundTrip, TablesOfNoneOneAndThousandsOfRows)
{
    Database db;
    db.add_table("Empty", {{"ID", ColumnType::Long}, {"Name", ColumnType::Text, 50}});
    db.add_table("One", {{"ID", ColumnType::Long}}).add_row({42});
    auto& many = db.add_table("Many", {{"ID", ColumnType::Long},
                                       {"Label", ColumnType::Text, 40},
                                       {"Factor", ColumnType::Double},
                                       {"Note", ColumnType::Memo}});
    const int kRows = 6000;
    for (int i = 0; i < kRows; ++i)
        many.add_row({i, Value::utf8(u8"条件" + std::to_string(i) + u8"番"), i / 8.0,
                      i % 7 == 0 ? Value() : Value::utf8(std::string(i % 90, 'a' + i % 26))});
    const std::string path = write(db);

    EXPECT_EQ(mdb_cli::tables(path), (std::vector<std::string>{"Empty", "One", "Many"}));
    EXPECT_TRUE(export_table(path, "Empty").empty());
    EXPECT_EQ(export_table(path, "One"), (mdb_cli::Rows{{"42"}}));
    const mdb_cli::Rows rows = export_table(path, "Many");
    ASSERT_EQ(rows.size(), static_cast<size_t>(kRows));
    for (int i = 0; i < kRows; ++i) {
        const std::string note = i % 7 == 0 || i % 90 == 0 ? kNull : std::string(i % 90, 'a' + i % 26);
        char factor[32];
        std::snprintf(factor, sizeof factor, "%.16g", i / 8.0);
        ASSERT_EQ(rows[i],
                  (std::vector<std::string>{std::to_string(i), u8"条件" + std::to_string(i) + u8"番", factor, note}))
            << "row " << i;
    }
    // The rows spread over many data pages.
    EXPECT_GT(mdb_cli::file_contents(path).size(), 60u * 4096);
}

TEST(RoundTrip, BlobsAndMemosOfEverySizeByteForByte)
{
    // Inline, one long-value row, exactly one row's worth, chains of two and of many pages.
    const size_t sizes[] = {1, 10, 64, 65, 2000, 4080, 4081, 5 * 1024, 9000, 500 * 1024};
    Database db;
    auto& t = db.add_table("Blobs", {{"ID", ColumnType::Long}, {"Data", ColumnType::OLE}, {"Text", ColumnType::Memo}});
    std::vector<std::string> texts;
    for (size_t i = 0; i < std::size(sizes); ++i) {
        // Memo text of about the same size in UCS-2; mdb-export shows at most 200000 bytes.
        std::string text;
        for (size_t n = 0; text.size() < std::min<size_t>(sizes[i], 60000); ++n)
            text += n % 3 == 0 ? u8"耐" : n % 3 == 1 ? "x" : u8"―";
        texts.push_back(text);
        t.add_row({static_cast<int>(i), pattern(sizes[i], static_cast<unsigned>(i)), Value::utf8(text)});
    }
    const std::string path = write(db);

    const mdb_cli::Rows rows = export_table(path, "Blobs");
    ASSERT_EQ(rows.size(), std::size(sizes));
    for (size_t i = 0; i < std::size(sizes); ++i) {
        EXPECT_EQ(rows[i][1], mdb_cli::hex(as_string(pattern(sizes[i], static_cast<unsigned>(i)))))
            << sizes[i] << " bytes";
        EXPECT_EQ(rows[i][2], texts[i]) << "memo of row " << i;
    }
}

TEST(RoundTrip, TextsAtTheirLimitsAndRowsNearThePageSize)
{
    Database db;
    std::vector<Column> columns = {{"ID", ColumnType::Long}};
    for (int c = 0; c < 7; ++c)
        columns.push_back({"T" + std::to_string(c), ColumnType::Text, 255});
    for (int c = 0; c < 8; ++c)
        columns.push_back({"M" + std::to_string(c), ColumnType::Memo});
    auto& t = db.add_table("Wide", columns);
    // 7 x 510 bytes of text: the memos must leave the row to make room.
    std::vector<Value> full = {1};
    for (int c = 0; c < 7; ++c)
        full.push_back(Value::utf8(std::string(255, 'A' + c)));
    for (int c = 0; c < 8; ++c)
        full.push_back(Value::utf8(std::string(30, 'a' + c)));
    t.add_row(full);
    std::vector<Value> kanji = {2, Value::utf8(u8"配管配管配管配管配管配管配管配管")};
    for (int c = 1; c < 7; ++c)
        kanji.push_back(Value());
    for (int c = 0; c < 8; ++c)
        kanji.push_back(Value::utf8(u8"短い"));
    t.add_row(kanji);
    const std::string path = write(db);

    const mdb_cli::Rows rows = export_table(path, "Wide");
    ASSERT_EQ(rows.size(), 2u);
    for (int c = 0; c < 7; ++c)
        EXPECT_EQ(rows[0][1 + c], std::string(255, 'A' + c));
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(rows[0][8 + c], std::string(30, 'a' + c));
    EXPECT_EQ(rows[1][1], u8"配管配管配管配管配管配管配管配管");
    EXPECT_EQ(rows[1][8], u8"短い");
}

// The first 16-bit row offset flagged deleted whose row holds the bytes at
// `at` of the file; 0 when there is none.
unsigned deleted_offset_over(const std::string& file, size_t at)
{
    const size_t page = at / 4096 * 4096;
    auto u16 = [&](size_t i) { return (unsigned char)file[i] | (unsigned char)file[i + 1] << 8; };
    size_t end = page + 4096;
    for (unsigned row = 0; row < u16(page + 12); ++row) {
        const unsigned offset = u16(page + 14 + 2 * row);
        const size_t start = page + (offset & 0x1FFF);
        if ((offset & 0x4000) && start <= at && at < end)
            return offset;
        end = start;
    }
    return 0;
}

TEST(RoundTrip, DeletedRowsKeepTheirBytesButReadersPassOverThem)
{
    Database db;
    auto& t = db.add_table("Mst_Pipe", {{"ID", ColumnType::Long}, {"Name", ColumnType::Text, 16}});
    t.add_row({1, "first gone"}).deleted = true;
    t.add_row({2, "kept"});
    t.add_row({3, "middle gone"}).deleted = true;
    t.add_row({4, "also kept"});
    t.add_row({5, "last gone"}).deleted = true;
    const std::string path = write(db);

    EXPECT_EQ(export_table(path, "Mst_Pipe"), (mdb_cli::Rows{{"2", "kept"}, {"4", "also kept"}}));
    const std::string file = mdb_cli::file_contents(path);
    for (const char* name : {"first gone", "middle gone", "last gone"}) {
        std::string ucs2;
        for (const char* c = name; *c; ++c)
            ucs2 += std::string(1, *c) + '\0';
        const size_t at = file.find(ucs2);
        ASSERT_NE(at, std::string::npos) << name;
        EXPECT_NE(deleted_offset_over(file, at), 0u) << name;
    }
}

// What mdb-prop shows for a table: per block (the table's is "(none)", a
// column's has its name) the properties and their values.
using Properties = std::map<std::string, std::map<std::string, std::string>>;

Properties properties(const std::string& path, const std::string& table)
{
    Properties blocks;
    std::string block;
    std::istringstream lines(run("mdb-prop " + quoted(path) + " " + quoted(table)).out);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("name: ", 0) == 0) {
            block = line.substr(6);
            blocks[block];
        } else if (!line.empty() && line[0] == '\t') {
            const size_t colon = line.find(": ");
            blocks[block][line.substr(1, colon - 1)] = colon == std::string::npos ? "" : line.substr(colon + 2);
        }
    }
    return blocks;
}

TEST(RoundTrip, PropertiesOfTablesAndColumnsReadBackWithMdbProp)
{
    using Type = Property::Type;
    Database db;
    // Blocks of 38 bytes (inside the catalog row), of some 200 (one long-value
    // row) and of over 5000 (a chain of long-value rows).
    db.add_table("Tiny", {{"ID", ColumnType::Long}}).properties = {{"A", Type::Long, 7}};
    auto& pipe = db.add_table(
        "Mst_Pipe",
        {{"ID", ColumnType::Long, 0, {{"Required", Type::YesNo, 1}}},
         {"Name", ColumnType::Text, 16, {{"Caption", Type::Text, "配管名"}, {"Description", Type::Text, "名称"}}}});
    pipe.properties = {
        {"Description", Type::Text, "配管の種類"}, {"Hidden", Type::YesNo, 0}, {"RowHeight", Type::Long, -300}};
    pipe.add_row({1, "給水配管"});
    std::string long_text;
    for (int i = 0; i < 2500; ++i)
        long_text += i % 2 ? u8"耐" : "x";
    db.add_table("Long", {{"Note", ColumnType::Memo, 0, {{"Description", Type::Text, Value::utf8(long_text)}}}});
    const std::string path = write(db);

    EXPECT_EQ(properties(path, "Tiny"), (Properties{{"(none)", {{"A", "7"}}}}));
    EXPECT_EQ(properties(path, "Mst_Pipe"),
              (Properties{{"(none)", {{"Description", u8"配管の種類"}, {"Hidden", "no"}, {"RowHeight", "-300"}}},
                          {"ID", {{"Required", "yes"}}},
                          {"Name", {{"Caption", u8"配管名"}, {"Description", u8"名称"}}}}));
    EXPECT_EQ(properties(path, "Long"), (Properties{{"Note", {{"Description", long_text}}}}));
    // The catalog still reads as a whole.
    EXPECT_EQ(mdb_cli::tables(path), (std::vector<std::string>{"Tiny", "Mst_Pipe", "Long"}));
    EXPECT_EQ(export_table(path, "Mst_Pipe"), (mdb_cli::Rows{{"1", u8"給水配管"}}));
}

TEST(RoundTrip, PasswordIsStoredScrambledAndReadsBack)
{
    for (const std::string& password : {std::string("q7154mvk--tpa"), std::string(""),
                                        std::string("12345678901234567890"), std::string("パスワード")}) {
        Database db;
        db.password = password;
        db.created = 45000.25;
        db.add_table("T", {{"ID", ColumnType::Long}});
        const std::string path = write(db);
        EXPECT_EQ(jetwriter::read_password(path), password);
        // Neither as plain bytes nor as UCS-2 does the password stand in the file.
        if (password.size() > 3 && password[0] == 'q') {
            std::string wide;
            for (char c : password)
                wide += std::string(1, c) + '\0';
            const std::string contents = mdb_cli::file_contents(path);
            EXPECT_EQ(contents.find(password), std::string::npos);
            EXPECT_EQ(contents.find(wide), std::string::npos);
        }
    }
    EXPECT_THROW(jetwriter::read_password("no-such-file.mdb"), jetwriter::Error);
}

}  // namespace
