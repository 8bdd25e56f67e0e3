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

// The error of `what`, or "" when it raised none.
template <class Error = EDatabaseError, class Action>
std::string raised(Action what)
{
    try {
        what();
    } catch (const Error& e) {
        return e.what();
    }
    return "";
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
        return raised([&] { run(sql); });
    }

    TempFolder dir_;
    std::string path_;
    TADOConnection con_;
    TADOQuery qry_;
};

}  // namespace

TEST_F(JetFile, OpensOnlyWithTheRightPasswordAndUser)
{
    EXPECT_EQ(open_error(connection_text(path_, kPassword)), "");
    const std::string wrong_password = "'" + path_ + "' のデータベース パスワードが正しくありません。";
    const std::pair<std::string, std::string> refusals[] = {
        {connection_text(path_, "pw-"), wrong_password},
        {connection_text(path_, ""), wrong_password},
        {connection_text(path_, "PW-\x83\x70\x83\x58"), wrong_password},
        {"Provider=Microsoft.Jet.OLEDB.4.0;User ID=guest;Data Source=" + path_ +
             ";Jet OLEDB:Database Password=" + kPassword,
         "アカウント名 'guest' またはパスワードが正しくありません。"},
        {"Provider=Other.Provider;Data Source=" + path_ + ";Jet OLEDB:Database Password=" + kPassword,
         "プロバイダー 'Other.Provider' は登録されていません。"},
        {"Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin", "接続文字列にデータ ソース (Data Source) がありません。"},
    };
    for (const auto& [text, refusal] : refusals)
        EXPECT_EQ(open_error(text), refusal) << text;
}

TEST_F(JetFile, AMissingFileOrAFileThatIsNoDatabaseCannotBeOpened)
{
    TADOConnection con;
    con.ConnectionString = connection_text(dir_.file("missing.mdb"), kPassword);
    EXPECT_EQ(raised([&] { con.Open(); }), "ファイル '" + dir_.file("missing.mdb") + "' が見つかりません。");
    EXPECT_FALSE(con.Connected());

    std::ofstream(dir_.file("text.mdb")) << std::string(5000, 'x');
    EXPECT_EQ(open_error(connection_text(dir_.file("text.mdb"), kPassword)),
              "データベース形式 '" + dir_.file("text.mdb") + "' を認識できません。");
    EXPECT_EQ(open_error(connection_text(dir_.path(), kPassword)), "ファイル '" + dir_.path() + "' が見つかりません。");
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
    const std::pair<const char*, std::string> refusals[] = {
        {"SELECT * FROM Nowhere", "テーブル 'Nowhere' が見つかりません。"},
        {"SELECT * FROM Items WHERE Nothing=1", "テーブル 'Items' に列 'Nothing' がありません。"},
        {"SELECT * FROM Items ORDER BY Nothing", "テーブル 'Items' に列 'Nothing' がありません。"},
        {"SELECT * FROM Items WHERE Name=1", "抽出条件でデータ型が一致しません: 列 'Name' は数値と比較できません。"},
        {"SELECT * FROM Items ORDER BY Picture", "列 'Picture' で並べ替えることはできません。"},
        {"DROP TABLE Items",
         "実行できない SQL ステートメントです (\"DROP TABLE Items\"): \"DROP TABLE Items\" "
         "の位置に\"SELECT\"が必要です。"},
    };
    for (const auto& [sql, refusal] : refusals)
        EXPECT_EQ(error_of(sql), refusal) << sql;
    run("SELECT * FROM Items");
    EXPECT_EQ(raised([&] { qry_.FieldByName("Nothing"); }), "フィールド 'Nothing' が見つかりません。");
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
    EXPECT_EQ(raised<EConvertError>([&] { qry_.FieldByName("Number")->AsInteger(); }),
              "' 7.5 ' は整数値ではありません。");
    qry_.Next();
    EXPECT_EQ(raised<EConvertError>([&] { qry_.FieldByName("Number")->AsInteger(); }),
              "'abc' は整数値ではありません。");
    EXPECT_EQ(raised<EConvertError>([&] { qry_.FieldByName("Number")->AsFloat(); }),
              "'abc' は浮動小数点数値ではありません。");
    run("SELECT * FROM Items");
    EXPECT_EQ(raised<EConvertError>([&] { qry_.FieldByName("Picture")->AsInteger(); }),
              "BLOB フィールド 'Picture' は数値として読めません。");
}

TEST_F(JetFile, BlobStreamsOwnTheirBytesAfterTheQueryMovesOn)
{
    run("SELECT * FROM Items");
    TADOQuery other;
    other.Connection = &con_;
    other.SQL.Add("SELECT * FROM Items");
    other.Open();
    auto stream_error = [&](TField* field, jet::TBlobStreamMode mode) {
        return raised([&] { std::unique_ptr<TStream>(qry_.CreateBlobStream(field, mode)); });
    };
    EXPECT_EQ(stream_error(qry_.FieldByName("Picture"), bmWrite), "BLOB ストリームは読み取りにしか開けません。");
    EXPECT_EQ(stream_error(qry_.FieldByName("ID"), bmRead), "フィールド 'ID' は BLOB フィールドではありません。");
    EXPECT_EQ(stream_error(other.FieldByName("Picture"), bmRead), "このフィールドは別のクエリのものです。");
    std::vector<std::unique_ptr<TStream>> streams;
    std::vector<size_t> sizes;
    for (; !qry_.Eof(); qry_.Next()) {
        TField* picture = qry_.FieldByName("Picture");
        if (!picture->IsNull()) {
            streams.emplace_back(qry_.CreateBlobStream(picture, bmRead));
            sizes.push_back(streams.back()->Size());
        }
    }
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
    EXPECT_EQ(raised([&] { qry_.RecordCount(); }), "閉じているデータセットでは操作できません。");
    EXPECT_EQ(raised([&] { qry_.FieldByName("ID"); }), "閉じているデータセットでは操作できません。");
    con_.Close();
    EXPECT_EQ(error_of("SELECT * FROM Items"), "クエリの接続が開かれていません。");
    TADOQuery lone;
    EXPECT_EQ(raised([&] { lone.Open(); }), "クエリの接続が開かれていません。");
}

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

    EXPECT_EQ(open_error(connection_text(dir.file("old.mdb"), "access97")),
              "'" + dir.file("old.mdb") + "' のデータベース パスワードが正しくありません。");
    EXPECT_EQ(open_error(connection_text(dir.file("old.mdb"), "Access97")),
              "'" + dir.file("old.mdb") + "' のシステム テーブルを読み込めません。データベースが壊れています。" +
                  "テーブル 'MSysObjects' の定義: 定義のページに定義がありません。");  // no catalog to read
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
    EXPECT_EQ(open_error(connection_text(dir.file("a.mdb"), "date-masked")),
              "'" + dir.file("a.mdb") + "' のデータベース パスワードが正しくありません。");
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
    const std::string read_twice =
        "値の一部が二度読まれています (ほかの値と共有しているか、ページの連鎖が戻っています)。";
    const struct {
        uint32_t page, next;
        std::string refusal;
    } damages[] = {
        {lval[1], lval[0] << 8, read_twice},                            // back to the first piece
        {lval[1], lval[1] << 8, read_twice},                            // to itself
        {lval[1], 0, "値が宣言された長さより前で終わっています。"},     // cut short
        {lval[2], lval[3] << 8, "値が宣言された長さを超えています。"},  // on into the second picture
    };
    const std::string in_picture = "データベースが壊れています。テーブル 'Photos' の列 'Picture' の値: ";
    for (const auto& [page, next, refusal] : damages) {
        std::string damaged = intact;
        chain_on(damaged, page, next);
        EXPECT_EQ(load(damaged), in_picture + refusal) << page << " -> " << next;
    }

    // A reference declaring more than the whole file is refused before
    // anything of it is read.
    std::string damaged = intact;
    const size_t reference = damaged.find(std::string("\x10\x27\0\0\0", 5) + (char)lval[0]);
    ASSERT_NE(reference, std::string::npos);
    damaged.replace(reference, 4, "\x01\0\0\x04", 4);  // 64 MiB and one byte
    EXPECT_EQ(load(damaged), in_picture + "長さがファイルの大きさを超えています。");
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
