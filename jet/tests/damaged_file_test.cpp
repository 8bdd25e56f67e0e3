// One sound file, and one copy of it for each check of the layer, damaged by
// hand where that check looks: each copy must end in the data-access error
// that names what is wrong.
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

// The length of every value of the statement as text, or the error that
// ended it.
std::string load(const std::string& path, const std::string& sql = "SELECT * FROM Photos")
{
    jet::TADOConnection con;
    con.ConnectionString = "Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=" + path;
    jet::TADOQuery qry;
    std::string values;
    try {
        con.Open();
        qry.Connection = &con;
        qry.SQL.Add(sql);
        qry.Open();
        for (; !qry.Eof(); qry.Next())
            for (const char* name : {"ID", "Weight", "Name", "Note", "Picture"})
                values += std::to_string(qry.FieldByName(name)->AsString().size()) + ",";
    } catch (const jet::EDatabaseError& e) {
        return e.what();
    }
    return values;
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

struct Damage {
    const char* what;
    std::function<void(std::string& f)> apply;
    const char* refusal;  // a piece of the error's text
};

}  // namespace

TEST(DamagedFile, EachCheckRefusesItsDamageAndTheSoundFileLoads)
{
    TempFolder dir;
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
    jetwriter::write_database(db, dir.file("sound.mdb"));
    const std::string sound = read_file(dir.file("sound.mdb"));
    ASSERT_EQ(load(dir.file("sound.mdb")), "1,3,5,3000,10000,1,3,6,5,9000,");

    // Where the checks look.
    const size_t definition = definition_with_column(sound, "Picture");
    ASSERT_NE(definition, 0u);
    const std::vector<Column> cols = columns(sound, definition);
    const Column &id = *column_named(cols, "ID"), &weight = *column_named(cols, "Weight");
    const Column &name = *column_named(cols, "Name"), &note = *column_named(cols, "Note");
    const Column& picture = *column_named(cols, "Picture");
    const size_t data = data_pages(sound, definition).at(0);
    const uint32_t map = u32(sound, definition * kPage + kUsageMap);
    const size_t first_picture = variable_field(sound, data, 0, picture.variable_number).first;
    const size_t second_picture = variable_field(sound, data, 2, picture.variable_number).first;
    const uint32_t first_piece = u32(sound, first_picture + 4);
    const size_t piece_start = row_start(sound, first_piece >> 8, first_piece & 0xFF);
    ASSERT_EQ(u32(sound, first_picture) & 0xC0000000, 0u);  // a chain

    const std::vector<Damage> damages = {
        {"definition page of another kind", [&](std::string& f) { f[definition * kPage] = kDataPage; },
         "定義のページに定義がありません"},
        {"more columns than a table has", [&](std::string& f) { put16(f, definition * kPage + kColumnCount, 300); },
         "列またはインデックスの数"},
        {"column name past the definition's end", [&](std::string& f) { put16(f, cols.back().name_at, 0xFFF0); },
         "列の情報が最後のページを超えています"},
        {"usage map one byte too short",
         [&](std::string& f) {
             put16(f, row_entry(map >> 8, map & 0xFF),
                   (uint32_t)(row_end(f, map >> 8, map & 0xFF) - 4 - (map >> 8) * kPage));
         },
         "使用ページ マップが短すぎます"},
        {"usage map one past its page's rows",
         [&](std::string& f) { put32(f, definition * kPage + kUsageMap, one_past_the_rows(f, map)); },
         "使用ページ マップが指す行にありません"},
        {"usage map of no known kind", [&](std::string& f) { f[row_start(f, map >> 8, map & 0xFF)] = 2; },
         "使用ページ マップの種類が不明です"},
        {"usage map marking a page past the end",
         [&](std::string& f) { put32(f, row_start(f, map >> 8, map & 0xFF) + 1, (uint32_t)page_count(f)); },
         "ファイルの外にあります"},
        {"row table longer than its page", [&](std::string& f) { put16(f, data * kPage + kRowCount, 3000); },
         "ページの行の一覧がページに収まりません"},
        {"field narrower than its type", [&](std::string& f) { put16(f, id.entry + kColumnSize, 2); },
         "列 'ID' の値が行の外にあるか、型の幅より狭く"},
        {"field ending before it starts",
         [&](std::string& f) {
             const size_t last = row_end(f, data, 0) - 1, offsets = last - 1 - 3;
             put16(f, offsets - 2 * (picture.variable_number + 1), 2);
         },
         "列 'Picture' の値が行の外にある"},
        {"fixed columns sharing bytes", [&](std::string& f) { put16(f, weight.entry + kFixedOffset, id.fixed_offset); },
         "が行の同じバイトを占めています"},
        {"variable columns sharing a place",
         [&](std::string& f) { put16(f, note.entry + kVariableNumber, picture.variable_number); },
         "が行の同じ位置を指しています"},
        {"a variable field over the fixed ones",
         [&](std::string& f) {
             const size_t last = row_end(f, data, 0) - 1, offsets = last - 1 - 3;
             put16(f, offsets - 2 * name.variable_number, 2);
         },
         "の値が同じバイトを占めています"},
        {"long value longer than the file", [&](std::string& f) { put32(f, first_picture, (uint32_t)f.size() + 1); },
         "長さがファイルの大きさを超えています"},
        {"long value one past its page's rows",
         [&](std::string& f) { put32(f, first_picture + 4, one_past_the_rows(f, first_piece)); },
         "値の一部が指す場所にありません"},
        {"chain piece shorter than its pointer",
         [&](std::string& f) {
             put16(f, row_entry(first_piece >> 8, first_piece & 0xFF),
                   (uint32_t)(row_end(f, first_piece >> 8, first_piece & 0xFF) - 3 - (first_piece >> 8) * kPage));
         },
         "値の一部が途中で切れています"},
        {"chain pointing back to itself", [&](std::string& f) { put32(f, piece_start, first_piece); },
         "値の一部が二度読まれています"},
        {"chain ending early", [&](std::string& f) { put32(f, piece_start, 0); },
         "宣言された長さより前で終わっています"},
        {"chain running past its length", [&](std::string& f) { put32(f, first_picture, 9999); },
         "宣言された長さを超えています"},
        {"piece shared by two rows",
         [&](std::string& f) { f.replace(second_picture, kReference, f, first_picture, kReference); },
         "値の一部が二度読まれています"},
        {"cut short where a picture's page starts", [&](std::string& f) { f.resize((first_piece >> 8) * kPage); },
         "ファイルの外にあります"},
        {"cut short inside a picture's page", [&](std::string& f) { f.resize((first_piece >> 8) * kPage + 100); },
         "ファイルの外にあります"},
    };
    for (const Damage& damage : damages) {
        std::string file = sound;
        damage.apply(file);
        write_file(dir.file("damaged.mdb"), file);
        const std::string outcome = load(dir.file("damaged.mdb"));
        EXPECT_NE(outcome.find(damage.refusal), std::string::npos) << damage.what << ": " << outcome;
        EXPECT_EQ(outcome.find("データベースが壊れています"), 0u) << damage.what << ": " << outcome;
    }
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
    EXPECT_EQ(load(dir.file("wide.mdb"), "SELECT * FROM Photos WHERE C0=1"), refusal);
}

// A row too short for its own frame (its column count, null mask and table
// of variable offsets) cannot be split: it is passed over, and the rows
// around it load.
TEST(DamagedFile, ARowTooShortForItsFrameIsPassedOver)
{
    TempFolder dir;
    jetwriter::Database db;
    auto& photos = db.add_table("Photos", {{"ID", ColumnType::Long},
                                           {"Weight", ColumnType::Double},
                                           {"Name", ColumnType::Text, 40},
                                           {"Note", ColumnType::Memo},
                                           {"Picture", ColumnType::OLE}});
    photos.add_row({1, 1.5, "first", "n", pattern(10, 1)});
    photos.add_row({2, 2.5, "second", "short", pattern(20, 2)});
    jetwriter::write_database(db, dir.file("sound.mdb"));
    const std::string sound = read_file(dir.file("sound.mdb"));
    const size_t data = data_pages(sound, definition_with_column(sound, "Picture")).at(0);
    const size_t first = row_start(sound, data, 0), end = row_end(sound, data, 0);

    const std::pair<const char*, std::function<void(std::string&)>> damages[] = {
        {"a null mask longer than the row", [&](std::string& f) { put16(f, first, 0x7FFF); }},
        {"more variable columns than columns",
         [&](std::string& f) { put16(f, end - (u16(f, first) + 7) / 8 - 2, u16(f, first) + 1); }},
        {"variable offsets longer than the row",
         [&](std::string& f) { put16(f, end - (u16(f, first) + 7) / 8 - 2, (uint32_t)(end - first) / 2); }},
    };
    for (const auto& damage : damages) {
        std::string file = sound;
        damage.second(file);
        write_file(dir.file("damaged.mdb"), file);
        EXPECT_EQ(load(dir.file("damaged.mdb")), "1,3,6,5,20,") << damage.first;
    }
}
