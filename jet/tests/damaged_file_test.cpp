// One sound file, and one copy of it for each check of the layer, damaged by
// hand where that check looks: each copy must end in the data-access error
// that names what is wrong, whole, or load exactly the rows it still holds.
#include <gtest/gtest.h>

#include <functional>

#include <jetwriter/jetwriter.h>

#include "jet/connection.h"
#include "jet/errors.h"
#include "jet/query.h"
#include <testsupport/files.h>
#include <testsupport/jet_pages.h>

using namespace jet_pages;
using jetwriter::Bytes;
using jetwriter::ColumnType;

namespace {

Bytes pattern(size_t size, int seed)
{
    Bytes b(size);
    for (size_t i = 0; i < size; ++i)
        b[i] = (unsigned char)(i * 7 + (size_t)seed);
    return b;
}

// Photos, with a key, a deleted row, and memos and pictures inline, on one
// row and on chains; Sizes, a table of its own pages.
std::string write_sound_file(const std::string& path)
{
    jetwriter::Database db;
    auto& photos = db.add_table("Photos", {{"ID", ColumnType::Long},
                                           {"Weight", ColumnType::Double},
                                           {"Name", ColumnType::Text, 40},
                                           {"Note", ColumnType::Memo},
                                           {"Picture", ColumnType::OLE}});
    photos.primary_key.column = "ID";  // index entries in the definition, before its columns
    photos.add_row({1, 1.5, "first", std::string(3000, 'n'), pattern(10000, 1)});
    photos.add_row({3, 0.5, "withdrawn", "gone", pattern(20, 3)}).deleted = true;
    photos.add_row({2, 2.5, "second", "short", pattern(9000, 2)});
    auto& sizes = db.add_table("Sizes", {{"ID", ColumnType::Long}});
    sizes.add_row({10});
    sizes.add_row({20});
    jetwriter::write_database(db, path);
    return read_file(path);
}

// Every value of "SELECT * FROM table" on an open connection, a long one by
// its length, a "|" after each row; or the error that ended it.
std::string select_all(jet::TADOConnection& con, const std::string& table, const std::vector<const char*>& columns,
                       const std::string& condition = "")
{
    jet::TADOQuery qry;
    std::string values;
    try {
        qry.Connection = &con;
        qry.SQL.Add("SELECT * FROM " + table + condition);
        qry.Open();
        for (; !qry.Eof(); qry.Next()) {
            for (const char* name : columns) {
                const std::string v = qry.FieldByName(name)->AsString();
                values += (v.size() <= 20 ? v : "#" + std::to_string(v.size())) + ",";
            }
            values += "|";
        }
    } catch (const jet::EDatabaseError& e) {
        return e.what();
    }
    return values;
}

jet::TADOConnection* open_connection(jet::TADOConnection& con, const std::string& path)
{
    con.ConnectionString = "Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=" + path;
    con.Open();
    return &con;
}

const std::vector<const char*> kPhotoColumns = {"ID", "Weight", "Name", "Note", "Picture"};

std::string load(const std::string& path)
{
    jet::TADOConnection con;
    try {
        open_connection(con, path);
    } catch (const jet::EDatabaseError& e) {
        return e.what();
    }
    return select_all(con, "Photos", kPhotoColumns);
}

const std::string kFirstRow = "1,1.5,first,#3000,#10000,|", kSecondRow = "2,2.5,second,short,#9000,|";
const std::string kSoundRows = kFirstRow + kSecondRow;

// The data layer's texts for damage in Photos, and for a page past the end.
std::string in_definition(const std::string& what)
{
    return "データベースが壊れています。テーブル 'Photos' の定義: " + what;
}
std::string in_row(const std::string& what)
{
    return "データベースが壊れています。テーブル 'Photos' の行: " + what;
}
std::string in_value(const std::string& column, const std::string& what)
{
    return "データベースが壊れています。テーブル 'Photos' の列 '" + column + "' の値: " + what;
}
std::string outside(size_t page)
{
    return "ページ " + std::to_string(page) + " がファイルの外にあります (ファイルが途中で切れています)。";
}

// The address of the row after the last one listed on the page of `address`,
// whose offset would place it sensibly, in the free space below the last row.
uint32_t one_past_the_rows(std::string& f, uint32_t address)
{
    const size_t page = address >> 8;
    const unsigned count = row_count(f, page);
    put16(f, row_entry(page, count), (uint32_t)(row_start(f, page, count - 1) - page * kPage - 16));
    return (uint32_t)(page << 8 | count);
}

// Makes the row at `address` end past its page: the row listed before it
// starts (and so it ends) beyond the page. A row 0, which always ends at the
// page's end, becomes row 1 first; answers the row's address then.
uint32_t end_past_the_page(std::string& f, uint32_t address)
{
    const size_t page = address >> 8;
    unsigned row = address & 0xFF;
    if (row == 0) {
        put16(f, page * kPage + kRowCount, 2);
        put16(f, row_entry(page, 1), u16(f, row_entry(page, 0)));
        row = 1;
    }
    put16(f, row_entry(page, row - 1), (uint32_t)kPage + 256);
    return (uint32_t)(page << 8 | row);
}

struct Damage {
    const char* what;
    std::function<void(std::string& f)> apply;
    std::string outcome;  // the whole error text, or the rows that load
};

}  // namespace

TEST(DamagedFile, EachCheckRefusesItsDamageAndTheSoundFileLoads)
{
    TempFolder dir;
    const std::string sound = write_sound_file(dir.file("sound.mdb"));
    ASSERT_EQ(load(dir.file("sound.mdb")), kSoundRows);

    // Where the checks look.
    const size_t definition = definition_with_column(sound, "Picture");
    const size_t catalog = definition_with_column(sound, "ParentId");
    ASSERT_NE(definition, 0u);
    ASSERT_NE(catalog, 0u);
    const std::vector<Column> cols = columns(sound, definition), catalog_cols = columns(sound, catalog);
    const Column &id = *column_named(cols, "ID"), &weight = *column_named(cols, "Weight");
    const Column &name = *column_named(cols, "Name"), &note = *column_named(cols, "Note");
    const Column& picture = *column_named(cols, "Picture");
    const size_t data = data_pages(sound, definition).at(0);
    const uint32_t map = u32(sound, definition * kPage + kUsageMap);
    const size_t first_picture = variable_field(sound, data, 0, picture.variable_number).first;
    const size_t second_picture = variable_field(sound, data, 2, picture.variable_number).first;
    const std::pair<size_t, size_t> second_note = variable_field(sound, data, 2, note.variable_number);
    const uint32_t first_piece = u32(sound, first_picture + 4);
    const size_t piece_start = row_start(sound, first_piece >> 8, first_piece & 0xFF);
    const uint32_t second_piece = u32(sound, piece_start);
    const size_t second_piece_start = row_start(sound, second_piece >> 8, second_piece & 0xFF);
    ASSERT_EQ(u32(sound, first_picture) & 0xC0000000, 0u);       // a chain
    ASSERT_EQ(u32(sound, second_note.first), 0x80000000u | 10);  // "short", inline
    ASSERT_EQ(u32(sound, second_piece_start) & 0xFF, 0u);        // the last piece, row 0 of its page
    ASSERT_EQ(map & 0xFF, 2u);                                   // a usage map after two others
    const size_t pages = page_count(sound);
    // The offsets of the variable fields of the first row, from its end,
    // after the count of them.
    const size_t offsets = row_end(sound, data, 0) - 1 - 1 - 3, variable_count = offsets + 2;
    // A column name too long for the definition's page, so that it goes on.
    auto name_runs_on = [&](std::string& f, uint32_t next) {
        put16(f, cols.back().name_at, 0xFFF0);
        put32(f, definition * kPage + kNextPage, next);
    };
    auto catalog_error = [&](const std::string& what) {
        return "'" + dir.file("damaged.mdb") + "' のシステム テーブルを読み込めません。データベースが壊れています。" +
               "テーブル 'MSysObjects' の" + what;
    };

    const std::vector<Damage> damages = {
        {"definition page of another kind", [&](std::string& f) { f[definition * kPage] = kDataPage; },
         in_definition("定義のページに定義がありません。")},
        {"more columns than a table has", [&](std::string& f) { put16(f, definition * kPage + kColumnCount, 300); },
         in_definition("列またはインデックスの数がテーブルの上限を超えています。")},
        {"column name past the definition's end", [&](std::string& f) { name_runs_on(f, 0); },
         in_definition("列の情報が最後のページを超えています。")},
        {"definition pages leading back",
         [&](std::string& f) {
             name_runs_on(f, (uint32_t)catalog);
             put32(f, catalog * kPage + kNextPage, (uint32_t)definition);
         },
         in_definition("定義のページが前のページに戻っています。")},
        {"definition going on to a data page", [&](std::string& f) { name_runs_on(f, (uint32_t)data); },
         in_definition("続きのページ " + std::to_string(data) + " に定義がありません。")},
        {"definition going on past the end", [&](std::string& f) { name_runs_on(f, (uint32_t)pages); },
         in_definition(outside(pages))},
        {"fixed column past the row",
         [&](std::string& f) { put16(f, weight.entry + kFixedOffset, (uint32_t)kPage - 6); },
         in_definition("固定長の列 'Weight' が行の固定長部分の外にあります。")},
        {"fixed columns sharing bytes", [&](std::string& f) { put16(f, weight.entry + kFixedOffset, id.fixed_offset); },
         in_definition("固定長の列 'ID' と 'Weight' が行の同じバイトを占めています。")},
        {"variable columns sharing a place",
         [&](std::string& f) { put16(f, note.entry + kVariableNumber, picture.variable_number); },
         in_definition("可変長の列 'Note' と 'Picture' が行の同じ位置を指しています。")},
        {"usage map one byte too short",
         [&](std::string& f) {
             put16(f, row_entry(map >> 8, map & 0xFF),
                   (uint32_t)(row_end(f, map >> 8, map & 0xFF) - 4 - (map >> 8) * kPage));
         },
         in_definition("使用ページ マップが短すぎます。")},
        {"usage map one past its page's rows",
         [&](std::string& f) { put32(f, definition * kPage + kUsageMap, one_past_the_rows(f, map)); },
         in_definition("使用ページ マップが指す行にありません。")},
        {"usage map ending past its page", [&](std::string& f) { end_past_the_page(f, map); },
         in_definition("使用ページ マップが指す行にありません。")},
        {"usage map of no known kind", [&](std::string& f) { f[row_start(f, map >> 8, map & 0xFF)] = 2; },
         in_definition("使用ページ マップの種類が不明です。")},
        {"usage map on a page past the end",
         [&](std::string& f) { put32(f, definition * kPage + kUsageMap, (uint32_t)(pages << 8 | 2)); },
         in_definition(outside(pages))},
        {"usage map marking a page past the end",
         [&](std::string& f) { put32(f, row_start(f, map >> 8, map & 0xFF) + 1, (uint32_t)pages); },
         in_row(outside(pages))},
        {"row table longer than its page", [&](std::string& f) { put16(f, data * kPage + kRowCount, 3000); },
         in_row("ページの行の一覧がページに収まりません。")},
        {"row ending past its page, passed over",
         [&](std::string& f) { end_past_the_page(f, (uint32_t)(data << 8 | 2)); }, kFirstRow},
        {"row with more variable columns than columns, passed over",
         [&](std::string& f) { put16(f, variable_count, u16(f, row_start(f, data, 0)) + 1); }, kSecondRow},
        {"row with more variable offsets than it holds, passed over",
         [&](std::string& f) { put16(f, variable_count, (uint32_t)(row_end(f, data, 0) - row_start(f, data, 0)) / 2); },
         kSecondRow},
        {"field narrower than its type", [&](std::string& f) { put16(f, id.entry + kColumnSize, 2); },
         in_row("列 'ID' の値が行の外にあるか、型の幅より狭くなっています。")},
        {"field ending before it starts",
         [&](std::string& f) { put16(f, offsets - 2 * (picture.variable_number + 1), 2); },
         in_row("列 'Picture' の値が行の外にあるか、型の幅より狭くなっています。")},
        {"a variable field over the fixed ones",
         [&](std::string& f) { put16(f, offsets - 2 * name.variable_number, 2); },
         in_row("列 'ID' と 'Name' の値が同じバイトを占めています。")},
        {"reference cut short",
         [&](std::string& f) {
             const size_t end = offsets - 2 * (picture.variable_number + 1);
             put16(f, offsets - 2 * picture.variable_number, u16(f, end) - 5);
         },
         in_value("Picture", "参照が途中で切れています。")},
        {"long value longer than the file", [&](std::string& f) { put32(f, first_picture, (uint32_t)f.size() + 1); },
         in_value("Picture", "長さがファイルの大きさを超えています。")},
        {"reference both inline and on one row",
         [&](std::string& f) { put32(f, first_picture, u32(f, first_picture) | 0xC0000000); },
         in_value("Picture", "参照の種類が不明です。")},
        {"inline value longer than its field", [&](std::string& f) { put32(f, second_note.first, 0x80000000 | 12); },
         in_value("Note", "行内の値の長さが行と合いません。")},
        {"inline value shorter than its field", [&](std::string& f) { put32(f, second_note.first, 0x80000000 | 8); },
         in_value("Note", "行内の値の長さが行と合いません。")},
        {"long value one past its page's rows",
         [&](std::string& f) { put32(f, first_picture + 4, one_past_the_rows(f, first_piece)); },
         in_value("Picture", "値の一部が指す場所にありません。")},
        {"chain piece ending past its page",
         [&](std::string& f) { put32(f, second_piece_start, end_past_the_page(f, u32(f, second_piece_start))); },
         in_value("Picture", "値の一部が指す場所にありません。")},
        {"chain piece shorter than its pointer",
         [&](std::string& f) {
             put16(f, row_entry(first_piece >> 8, first_piece & 0xFF),
                   (uint32_t)(row_end(f, first_piece >> 8, first_piece & 0xFF) - 3 - (first_piece >> 8) * kPage));
         },
         in_value("Picture", "値の一部が途中で切れています。")},
        {"chain pointing back to itself", [&](std::string& f) { put32(f, piece_start, first_piece); },
         in_value("Picture", "値の一部が二度読まれています (ほかの値と共有しているか、ページの連鎖が戻っています)。")},
        {"chain ending early", [&](std::string& f) { put32(f, piece_start, 0); },
         in_value("Picture", "値が宣言された長さより前で終わっています。")},
        {"chain running past its length", [&](std::string& f) { put32(f, first_picture, 9999); },
         in_value("Picture", "値が宣言された長さを超えています。")},
        {"chain piece on a page past the end", [&](std::string& f) { put32(f, piece_start, (uint32_t)pages << 8); },
         in_value("Picture", outside(pages))},
        {"piece shared by two rows",
         [&](std::string& f) { f.replace(second_picture, kReference, f, first_picture, kReference); },
         in_value("Picture", "値の一部が二度読まれています (ほかの値と共有しているか、ページの連鎖が戻っています)。")},
        {"cut short where the rows' page starts", [&](std::string& f) { f.resize(data * kPage); },
         in_row(outside(data))},
        {"cut short inside the rows' page", [&](std::string& f) { f.resize(data * kPage + 100); },
         in_row(outside(data))},
        {"catalog without its column Id",
         [&](std::string& f) { f[column_named(catalog_cols, "Id")->name_at + 2 + 2] = 'x'; },
         catalog_error("定義: 列 'Id' がありません。")},
        {"catalog's Type made a text",
         [&](std::string& f) { f[column_named(catalog_cols, "Type")->entry] = kTextType; },
         catalog_error("行: 数値の列に数値がありません。")},
    };
    for (const Damage& damage : damages) {
        std::string file = sound;
        damage.apply(file);
        write_file(dir.file("damaged.mdb"), file);
        EXPECT_EQ(load(dir.file("damaged.mdb")), damage.outcome) << damage.what;
    }
}

// A page past the end refuses alike each time it is looked up, and leaves
// the next page read, of another table, as it is stored.
TEST(DamagedFile, APagePastTheEndFailsAlikeEachTimeAndGoodPagesStayRight)
{
    TempFolder dir;
    std::string file = write_sound_file(dir.file("damaged.mdb"));
    const size_t definition = definition_with_column(file, "Picture");
    put32(file, definition * kPage + kUsageMap, (uint32_t)(page_count(file) << 8 | 2));
    write_file(dir.file("damaged.mdb"), file);

    jet::TADOConnection con;
    open_connection(con, dir.file("damaged.mdb"));
    const std::string refusal = in_definition(outside(page_count(file)));
    EXPECT_EQ(select_all(con, "Photos", kPhotoColumns), refusal);
    EXPECT_EQ(select_all(con, "Photos", kPhotoColumns), refusal);
    EXPECT_EQ(select_all(con, "Sizes", {"ID"}), "10,|20,|");
}

// A result holds at most its file's size and room for its cells: a small file
// of many empty cells (120 columns, many rows) is refused before it takes the
// memory that no file of its size needs.
TEST(DamagedFile, AResultLargerThanItsFileCanHoldIsRefused)
{
    TempFolder dir;
    jetwriter::Database db;
    std::vector<jetwriter::Column> wide;
    for (int i = 0; i < 120; ++i)
        wide.push_back({"C" + std::to_string(i), ColumnType::Long});
    auto& cells = db.add_table("Photos", wide);
    for (int row = 0; row < 3000; ++row)
        cells.add_row(std::vector<jetwriter::Value>(120));
    jetwriter::write_database(db, dir.file("wide.mdb"));
    const std::string refusal =
        "データベースが壊れています。テーブル 'Photos' の結果がファイルの大きさに見合いません。";
    EXPECT_EQ(load(dir.file("wide.mdb")), refusal);
    // Rows that fail the condition are split all the same, and count.
    jet::TADOConnection con;
    EXPECT_EQ(select_all(*open_connection(con, dir.file("wide.mdb")), "Photos", {"C0"}, " WHERE C0=1"), refusal);
}
