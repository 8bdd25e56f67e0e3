// The layer against Jet 4 files written by our writer.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <memory>

#include <jetwriter/jetwriter.h>

#include "header_page.h"
#include "jet/connection.h"
#include "jet/errors.h"
#include "jet/query.h"
#include <platform/convert_error.h>
#include <testsupport/child_process.h>
#include <testsupport/jet_pages.h>

using jet::bmRead;
using jet::bmWrite;
using jet::EDatabaseError;
using jet::TADOConnection;
using jet::TADOQuery;
using jet::TField;
using jet::TStream;
using jetwriter::Bytes;
using jetwriter::ColumnType;
using jetwriter::Value;

namespace {

const char kPassword[] = "pw-\x83\x70\x83\x58";  // "pw-パス" in Shift-JIS

Bytes pattern(size_t size)
{
    Bytes b(size);
    for (size_t i = 0; i < size; ++i)
        b[i] = (unsigned char)(i * 7 + i / 251);
    return b;
}

std::string connection_text(const std::string& path, const std::string& password)
{
    return "Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=" + path +
           ";Persist Security Info=False;Jet OLEDB:Database Password=" + password;
}

class JetFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        jetwriter::Database db;
        db.password = kPassword;

        auto& items = db.add_table("Items", {{"ID", ColumnType::Long},
                                             {"Small", ColumnType::Integer},
                                             {"Name", ColumnType::Text, 40},
                                             {"Weight", ColumnType::Double},
                                             {"Note", ColumnType::Memo},
                                             {"Picture", ColumnType::OLE},
                                             {"Flag", ColumnType::Long}});
        // Stored out of key order, with equal keys, so that order can be told apart.
        items.add_row({3, 30, "three", 3.5, "memo 3", pattern(10), 0});
        items.add_row({1, -10, "\x88\xEA", 1.25, Value(), Value(), 1});  // 一
        items.add_row({2, 20, "", 2.0, std::string(10000, 'm'), pattern(5000), 0});
        items.add_row({1, 11, "one again", Value(), "", pattern(500000), Value()});
        items.add_row({Value(), Value(), Value(), Value(), Value(), Value(), 0});

        auto& texts = db.add_table("Texts", {{"ID", ColumnType::Long}, {"Number", ColumnType::Text, 20}});
        texts.add_row({1, "42"});
        texts.add_row({2, " 7.5 "});
        texts.add_row({3, "abc"});

        auto& many = db.add_table("Many", {{"ID", ColumnType::Long}, {"Key", ColumnType::Long}});
        for (int i = 0; i < 5000; ++i)
            many.add_row({i, (i * 37) % 101});

        db.add_table("Empty", {{"ID", ColumnType::Long}});
        path_ = dir_.file("test.mdb");
        jetwriter::write_database(db, path_);

        con_.ConnectionString = connection_text(path_, kPassword);
        con_.Open();
        qry_.Connection = &con_;
    }

    int run(const std::string& sql)
    {
        qry_.SQL.Clear();
        qry_.SQL.Add(sql);
        qry_.Open();
        qry_.First();
        return qry_.RecordCount();
    }

    std::vector<int> column(const char* name)
    {
        std::vector<int> values;
        for (qry_.First(); !qry_.Eof(); qry_.Next())
            values.push_back(qry_.FieldByName(name)->AsInteger());
        return values;
    }

    std::string error_of(const std::string& sql)
    {
        try {
            run(sql);
        } catch (const EDatabaseError& e) {
            return e.what();
        }
        return "";
    }

    TempFolder dir_;
    std::string path_;
    TADOConnection con_;
    TADOQuery qry_;
};

}  // namespace

TEST_F(JetFile, OpensOnlyWithTheRightPasswordAndUser)
{
    auto open = [&](const std::string& text) {
        TADOConnection con;
        con.ConnectionString = text;
        con.Open();
        return con.Connected();
    };
    EXPECT_TRUE(open(connection_text(path_, kPassword)));
    for (const std::string& text :
         {connection_text(path_, "pw-"), connection_text(path_, ""), connection_text(path_, "PW-\x83\x70\x83\x58"),
          "Provider=Microsoft.Jet.OLEDB.4.0;User ID=guest;Data Source=" + path_ +
              ";Jet OLEDB:Database Password=" + kPassword,
          "Provider=Other.Provider;Data Source=" + path_ + ";Jet OLEDB:Database Password=" + kPassword}) {
        EXPECT_THROW(open(text), EDatabaseError) << text;
    }
    try {
        open(connection_text(path_, "wrong"));
        ADD_FAILURE();
    } catch (const EDatabaseError& e) {
        EXPECT_NE(std::string(e.what()).find("パスワード"), std::string::npos) << e.what();
    }
}

TEST_F(JetFile, AMissingFileOrAFileThatIsNoDatabaseCannotBeOpened)
{
    TADOConnection con;
    con.ConnectionString = connection_text(dir_.file("missing.mdb"), kPassword);
    try {
        con.Open();
        ADD_FAILURE();
    } catch (const EDatabaseError& e) {
        EXPECT_NE(std::string(e.what()).find("missing.mdb"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(con.Connected());

    std::ofstream(dir_.file("text.mdb")) << std::string(5000, 'x');
    con.ConnectionString = connection_text(dir_.file("text.mdb"), kPassword);
    EXPECT_THROW(con.Open(), EDatabaseError);
    con.ConnectionString = connection_text(dir_.path(), kPassword);
    EXPECT_THROW(con.Open(), EDatabaseError);
}

TEST_F(JetFile, RowsComeInStoredOrderWithTheExactCount)
{
    EXPECT_EQ(run("SELECT * FROM Items"), 5);
    EXPECT_EQ(column("Small"), (std::vector<int>{30, -10, 20, 11, 0}));
    EXPECT_EQ(run("SELECT * FROM Empty"), 0);
    EXPECT_TRUE(qry_.Eof());
    EXPECT_EQ(run("SELECT * FROM Many"), 5000);
    std::vector<int> ids = column("ID");
    ASSERT_EQ(ids.size(), 5000u);
    for (int i = 0; i < 5000; ++i)
        ASSERT_EQ(ids[i], i);
}

TEST_F(JetFile, OrderBySortsStablyBothWays)
{
    run("SELECT * FROM Items ORDER BY ID");
    EXPECT_EQ(column("Small"), (std::vector<int>{0, -10, 11, 20, 30}));  // null key first
    run("select * from items order by id desc");
    EXPECT_EQ(column("Small"), (std::vector<int>{30, 20, -10, 11, 0}));  // equal keys keep their order
    run("SELECT * FROM Items ORDER BY Name ASC");
    EXPECT_EQ(column("ID"), (std::vector<int>{0, 2, 1, 3, 1}));  // null, "", "one again", "three", 一

    run("SELECT * FROM Many ORDER BY Key DESC");
    int previous_key = 1000, previous_id = -1;
    for (qry_.First(); !qry_.Eof(); qry_.Next()) {
        int key = qry_.FieldByName("Key")->AsInteger(), id = qry_.FieldByName("ID")->AsInteger();
        ASSERT_LE(key, previous_key);
        if (key == previous_key) {
            ASSERT_GT(id, previous_id);
        }
        previous_key = key;
        previous_id = id;
    }
}

TEST_F(JetFile, WhereKeepsTheRowsWhoseColumnEqualsTheNumber)
{
    EXPECT_EQ(run("SELECT * FROM Items WHERE Flag=0"), 3);  // a null flag is not 0
    EXPECT_EQ(column("ID"), (std::vector<int>{3, 2, 0}));
    EXPECT_EQ(run("SELECT * FROM Items WHERE Small = -10"), 1);
    EXPECT_EQ(run("SELECT * FROM Items WHERE Weight=2"), 1);
    EXPECT_EQ(run("SELECT * FROM Many WHERE Key=0 ORDER BY ID DESC"), 50);
    EXPECT_EQ(qry_.FieldByName("ID")->AsInteger(), 4949);
}

TEST_F(JetFile, MissingTablesAndColumnsAreNamed)
{
    EXPECT_NE(error_of("SELECT * FROM Nowhere").find("'Nowhere'"), std::string::npos);
    EXPECT_NE(error_of("SELECT * FROM Items WHERE Nothing=1").find("'Nothing'"), std::string::npos);
    EXPECT_NE(error_of("SELECT * FROM Items ORDER BY Nothing").find("'Nothing'"), std::string::npos);
    EXPECT_NE(error_of("SELECT * FROM Items WHERE Name=1").find("'Name'"), std::string::npos);
    EXPECT_NE(error_of("DROP TABLE Items").find("DROP TABLE Items"), std::string::npos);
    run("SELECT * FROM Items");
    try {
        qry_.FieldByName("Nothing");
        ADD_FAILURE();
    } catch (const EDatabaseError& e) {
        EXPECT_NE(std::string(e.what()).find("'Nothing'"), std::string::npos);
    }
    EXPECT_EQ(qry_.FieldByName("name")->FieldName(), "Name");
}

TEST_F(JetFile, FieldsReadTheirValuesAndNullsAsZeroOrEmpty)
{
    run("SELECT * FROM Items");
    EXPECT_EQ(qry_.FieldByName("ID")->AsInteger(), 3);
    EXPECT_EQ(qry_.FieldByName("Name")->AsString(), "three");
    EXPECT_DOUBLE_EQ(qry_.FieldByName("Weight")->AsFloat(), 3.5);
    EXPECT_EQ(qry_.FieldByName("Weight")->AsString(), "3.5");
    EXPECT_EQ(qry_.FieldByName("Small")->AsString(), "30");
    EXPECT_DOUBLE_EQ(qry_.FieldByName("Small")->AsFloat(), 30.0);
    EXPECT_EQ(qry_.FieldByName("Weight")->AsInteger(), 4);  // 3.5 rounds to even
    qry_.Next();
    EXPECT_EQ(qry_.FieldByName("Name")->AsString(), "\x88\xEA");  // Shift-JIS
    EXPECT_TRUE(qry_.FieldByName("Note")->IsNull());
    EXPECT_EQ(qry_.FieldByName("Note")->AsString(), "");
    qry_.Next();
    EXPECT_FALSE(qry_.FieldByName("Name")->IsNull());  // empty, not null
    EXPECT_EQ(qry_.FieldByName("Name")->AsString(), "");
    EXPECT_EQ(qry_.FieldByName("Note")->AsString(), std::string(10000, 'm'));
    qry_.Next();
    qry_.Next();
    for (const char* name : {"ID", "Small", "Name", "Weight", "Note", "Picture"}) {
        TField* f = qry_.FieldByName(name);
        EXPECT_TRUE(f->IsNull()) << name;
        EXPECT_EQ(f->AsString(), "") << name;
    }
    EXPECT_EQ(qry_.FieldByName("ID")->AsInteger(), 0);
    EXPECT_EQ(qry_.FieldByName("Weight")->AsFloat(), 0.0);
    qry_.Next();
    EXPECT_TRUE(qry_.Eof());
}

// Raising the system's one conversion error, the class Sarnet raises for a
// date, so that a handler for either catches both.
TEST_F(JetFile, TextsConvertToNumbersOrRaise)
{
    run("SELECT * FROM Texts");
    EXPECT_EQ(qry_.FieldByName("Number")->AsInteger(), 42);
    qry_.Next();
    EXPECT_DOUBLE_EQ(qry_.FieldByName("Number")->AsFloat(), 7.5);
    EXPECT_THROW(qry_.FieldByName("Number")->AsInteger(), EConvertError);
    qry_.Next();
    try {
        qry_.FieldByName("Number")->AsInteger();
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'abc' は整数値ではありません。");
    }
    EXPECT_THROW(qry_.FieldByName("Number")->AsFloat(), EConvertError);
    run("SELECT * FROM Items");
    EXPECT_THROW(qry_.FieldByName("Picture")->AsInteger(), EConvertError);
}

TEST_F(JetFile, BlobStreamsOwnTheirBytesAfterTheQueryMovesOn)
{
    run("SELECT * FROM Items");
    std::vector<std::unique_ptr<TStream>> streams;
    std::vector<size_t> sizes;
    for (; !qry_.Eof(); qry_.Next()) {
        TField* picture = qry_.FieldByName("Picture");
        if (!picture->IsNull()) {
            streams.emplace_back(qry_.CreateBlobStream(picture, bmRead));
            sizes.push_back(streams.back()->Size());
        }
    }
    EXPECT_THROW(qry_.CreateBlobStream(qry_.FieldByName("Picture"), bmWrite), EDatabaseError);
    qry_.Close();
    run("SELECT * FROM Many ORDER BY Key");
    qry_.Close();
    con_.Close();

    ASSERT_EQ(sizes, (std::vector<size_t>{10, 5000, 500000}));  // inline, one page, a chain
    for (auto& s : streams) {
        Bytes expected = pattern((size_t)s->Size());
        Bytes got((size_t)s->Size());
        EXPECT_EQ(s->Position(), 0);
        EXPECT_EQ(s->Read(got.data(), (int64_t)got.size()), (int64_t)got.size());
        EXPECT_EQ(got, expected);
    }
}

TEST_F(JetFile, AClosedQueryOrConnectionRunsNothing)
{
    EXPECT_THROW(qry_.RecordCount(), EDatabaseError);
    EXPECT_THROW(qry_.FieldByName("ID"), EDatabaseError);
    con_.Close();
    EXPECT_THROW(run("SELECT * FROM Items"), EDatabaseError);
    TADOQuery lone;
    EXPECT_THROW(lone.Open(), EDatabaseError);
}

namespace {

std::string open_error(const std::string& text)
{
    TADOConnection con;
    con.ConnectionString = text;
    try {
        con.Open();
    } catch (const EDatabaseError& e) {
        return e.what();
    }
    return "";
}

}  // namespace

// An Access 97 file: a Jet 3 header page (2048-byte pages, password as
// 20 plain bytes under the fixed RC4 block) in front of pages that hold no
// catalog. The password is checked on the header before the file is read.
TEST(Jet3File, ThePasswordIsCheckedAgainstTheJet3Header)
{
    TempFolder dir;
    std::vector<unsigned char> file(3 * 2048, 0);
    file[1] = 0x01;
    std::memcpy(&file[4], "Standard Jet DB", 16);
    file[jet::kVersionOffset] = jet::jet3;
    std::memcpy(&file[jet::kPasswordOffset], "Access97", 8);
    jet::unmask_header(file.data(), jet::jet3);
    std::ofstream(dir.file("old.mdb"), std::ios::binary).write((const char*)file.data(), (std::streamsize)file.size());

    std::string wrong = open_error(connection_text(dir.file("old.mdb"), "access97"));
    EXPECT_NE(wrong.find("パスワード"), std::string::npos) << wrong;
    std::string right = open_error(connection_text(dir.file("old.mdb"), "Access97"));
    EXPECT_NE(right, "");  // no catalog to read
    EXPECT_EQ(right.find("パスワード"), std::string::npos) << right;
}

// The password of a written Jet 4 file is masked with its creation date:
// moving the date without masking again makes the password wrong.
TEST(Jet4File, ThePasswordMaskFollowsTheCreationDate)
{
    TempFolder dir;
    jetwriter::Database db;
    db.password = "date-masked";
    db.created = 45321.5;
    db.add_table("T", {{"ID", ColumnType::Long}});
    jetwriter::write_database(db, dir.file("a.mdb"));
    EXPECT_EQ(open_error(connection_text(dir.file("a.mdb"), "date-masked")), "");

    std::fstream f(dir.file("a.mdb"), std::ios::in | std::ios::out | std::ios::binary);
    std::vector<unsigned char> page(4096);
    f.read((char*)page.data(), (std::streamsize)page.size());
    jet::unmask_header(page.data(), jet::jet4);
    double later = 45400.0;
    std::memcpy(&page[jet::kCreationDateOffset], &later, sizeof later);
    jet::unmask_header(page.data(), jet::jet4);
    f.seekp(0);
    f.write((const char*)page.data(), (std::streamsize)page.size());
    f.close();
    EXPECT_NE(open_error(connection_text(dir.file("a.mdb"), "date-masked")).find("パスワード"), std::string::npos);
}

namespace {

// The file's long-value pages: the row pages marked "LVAL", in file order.
std::vector<uint32_t> long_value_pages(const std::string& file)
{
    std::vector<uint32_t> pages;
    for (size_t at = 0; at + 4096 <= file.size(); at += 4096)
        if (file.compare(at + 4, 4, "LVAL") == 0)
            pages.push_back((uint32_t)(at / 4096));
    return pages;
}

// Points the chain piece in row 0 of `page` on to `next` (a page and row).
void chain_on(std::string& file, uint32_t page, uint32_t next)
{
    const size_t at = (size_t)page * 4096;
    const size_t row = ((unsigned char)file[at + 14] | (unsigned char)file[at + 15] << 8) & 0x1FFF;
    for (int i = 0; i < 4; ++i)
        file[at + row + i] = (char)(next >> (8 * i));
}

// Writes file at path (a database without password) and runs
// "SELECT * FROM table" on it.
void select_all(const std::string& path, const std::string& file, const std::string& table, TADOConnection& con,
                TADOQuery& qry)
{
    write_file(path, file);
    con.ConnectionString = connection_text(path, "");
    con.Open();
    qry.Connection = &con;
    qry.SQL.Add("SELECT * FROM " + table);
    qry.Open();
}

}  // namespace

// Two pictures of three chained pieces each: a chain that points back, ends
// early or runs into another value is a load error, never an endless read.
TEST(Jet4File, ADamagedLongValueChainRaisesInsteadOfReadingForEver)
{
    TempFolder dir;
    jetwriter::Database db;
    auto& photos = db.add_table("Photos", {{"ID", ColumnType::Long}, {"Picture", ColumnType::OLE}});
    const Bytes first = pattern(10000);
    photos.add_row({1, first});
    photos.add_row({2, pattern(9000)});
    jetwriter::write_database(db, dir.file("intact.mdb"));
    const std::string intact = read_file(dir.file("intact.mdb"));
    const std::vector<uint32_t> lval = long_value_pages(intact);
    ASSERT_EQ(lval.size(), 6u);

    auto load = [&](const std::string& file) {
        TADOConnection con;
        TADOQuery qry;
        try {
            select_all(dir.file("damaged.mdb"), file, "Photos", con, qry);
        } catch (const EDatabaseError& e) {
            return std::string(e.what());
        }
        EXPECT_TRUE(qry.FieldByName("Picture")->AsString() == std::string(first.begin(), first.end()));
        return std::string();
    };
    EXPECT_EQ(load(intact), "");
    const std::vector<std::pair<uint32_t, uint32_t>> damages = {
        {lval[1], lval[0] << 8},  // back to the first piece
        {lval[1], lval[1] << 8},  // to itself
        {lval[1], 0},             // cut short
        {lval[2], lval[3] << 8},  // on into the second picture
    };
    for (const auto& [page, next] : damages) {
        std::string damaged = intact;
        chain_on(damaged, page, next);
        EXPECT_NE(load(damaged).find("'Picture'"), std::string::npos) << page << " -> " << next;
    }

    // A reference declaring more than the whole file is refused before
    // anything of it is read.
    std::string damaged = intact;
    const size_t reference = damaged.find(std::string("\x10\x27\0\0\0", 5) + (char)lval[0]);
    ASSERT_NE(reference, std::string::npos);
    damaged.replace(reference, 4, "\x01\0\0\x04", 4);  // 64 MiB and one byte
    EXPECT_NE(load(damaged).find("長さがファイルの大きさを超えています"), std::string::npos);
}

// The catalog is read without the objects' property blocks: a block whose
// chain loops or whose records have no length or run past it, each of which
// would hold libmdb's own catalog reader for ever or send it outside its
// buffer, leaves the file opening and its tables reading.
TEST(Jet4File, DamagedPropertyBlocksLeaveTheFileOpening)
{
    TempFolder dir;
    jetwriter::Database db;
    auto& table = db.add_table("Described", {{"ID", ColumnType::Long}});
    table.properties.push_back({"Description", jetwriter::Property::Type::Text, std::string(3000, 'd')});
    table.columns[0].properties.push_back({"Caption", jetwriter::Property::Type::Text, std::string("key")});
    table.add_row({7});
    jetwriter::write_database(db, dir.file("intact.mdb"));
    const std::string intact = read_file(dir.file("intact.mdb"));
    const size_t block = intact.find(std::string("MR2\0", 4));
    ASSERT_NE(block, std::string::npos);
    const size_t page = block / 4096, piece = block - 4 - page * 4096;
    unsigned row = 0;
    while ((size_t)jet_pages::u16(intact, jet_pages::row_entry(page, row)) != piece)
        ++row;
    // After the names' chunk, the table's own chunk: its 6-byte header and its
    // empty name (6 bytes), then its first record's 16-bit length.
    uint32_t names = 0;
    std::memcpy(&names, &intact[block + 4], 4);
    const size_t first_record = block + 4 + names + 6 + 6;

    auto opens = [&](const std::string& file) {
        TADOConnection con;
        TADOQuery qry;
        select_all(dir.file("damaged.mdb"), file, "Described", con, qry);
        return qry.RecordCount() == 1 && qry.FieldByName("ID")->AsInteger() == 7;
    };
    EXPECT_TRUE(opens(intact));
    std::string looping = intact, empty_record = intact, overlong_record = intact;
    const uint32_t itself = (uint32_t)page << 8 | row;
    looping.replace(block - 4, 4, std::string((const char*)&itself, 4));
    empty_record.replace(first_record, 2, std::string(2, '\0'));
    overlong_record.replace(first_record, 2, "\xFF\xFF", 2);
    EXPECT_TRUE(opens(looping));
    EXPECT_TRUE(opens(empty_record));
    EXPECT_TRUE(opens(overlong_record));
}
