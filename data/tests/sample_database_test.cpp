// The sample Parvell.mdb as the build made it, read with mdbtools' CLI: a Jet 4
// file with the program's eleven tables, the rows of its source, and data that
// every screen of Parvell can show (texts within their buffers, every level
// of the cascade filled, the documents it names shipped beside it).
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <map>
#include <set>
#include <string>

#include "jetwriter/jetwriter.h"
#include "testsupport/mdb_cli.h"
#include "platform/charset.h"

namespace {

const std::string kDir = SAMPLE_DIR;
const std::string kDatabase = kDir + "/Parvell.mdb";
const std::string kNull = "<NULL>";

using Table = mdb_cli::Rows;

// Each table exported once for all tests of this process.
const Table& exported(const std::string& name)
{
    static std::map<std::string, Table> tables;
    auto found = tables.find(name);
    if (found == tables.end())
        found = tables.emplace(name, mdb_cli::export_table(kDatabase, name)).first;
    return found->second;
}

int number(const std::string& text)
{
    return std::stoi(text);
}

std::vector<std::string> split(const std::string& list)
{
    std::vector<std::string> items;
    size_t start = 0;
    while (start <= list.size()) {
        size_t comma = list.find(',', start);
        if (comma == std::string::npos)
            comma = list.size();
        if (comma > start)
            items.push_back(list.substr(start, comma - start));
        start = comma + 1;
    }
    return items;
}

TEST(SampleDatabase, IsJet4WithTheElevenTablesAndThePassword)
{
    EXPECT_EQ(mdb_cli::run("mdb-ver " + mdb_cli::quoted(kDatabase)).out, "JET4\n");
    const std::vector<std::string> listed = mdb_cli::tables(kDatabase);
    const std::set<std::string> names(listed.begin(), listed.end());
    EXPECT_EQ(names,
              (std::set<std::string>{"Mst_Pipe", "Mst_Place", "Mst_Product", "Mst_ProductDetail", "Mst_ConditionGroup",
                                     "Mst_Condition", "Mst_ProductPlace", "Mst_ConditionDisplay", "Mst_RelatedProduct",
                                     "Mst_RelatedProductDisplay", "Version"}));
    EXPECT_EQ(jetwriter::read_password(kDatabase), "q7154mvk--tpa");
}

std::string expected_cell(const jetwriter::Column& column, const jetwriter::Value& value)
{
    using Kind = jetwriter::Value::Kind;
    switch (value.kind()) {
    case Kind::Null: return kNull;
    case Kind::Integer:
        if (column.type != jetwriter::ColumnType::Double)
            return std::to_string(value.integer());
        [[fallthrough]];
    case Kind::Real: {
        char text[40];
        std::snprintf(text, sizeof text, "%.16g",
                      value.kind() == Kind::Real ? value.real() : static_cast<double>(value.integer()));
        return text;
    }
    case Kind::Text: return value.text().empty() ? kNull : value.text();
    case Kind::Bytes: return mdb_cli::hex(std::string(value.bytes().begin(), value.bytes().end()));
    }
    return "?";
}

std::string ascii_lower(std::string text)
{
    for (char& c : text)
        c = (char)std::tolower((unsigned char)c);
    return text;
}

// Deleted rows of the source stay out of the export.
TEST(SampleDatabase, EveryTableExportsTheRowsOfItsSource)
{
    const jetwriter::Database source = jetwriter::read_source(SAMPLE_SOURCE, kDir);
    ASSERT_EQ(source.tables.size(), 11u);
    const std::string schema = mdb_cli::run("mdb-schema " + mdb_cli::quoted(kDatabase)).out;
    // The access dialect shows no indexes; PostgreSQL's shows primary keys.
    const std::string keys = mdb_cli::run("mdb-schema " + mdb_cli::quoted(kDatabase) + " postgres").out;
    int with_key = 0;
    for (const jetwriter::Table& table : source.tables) {
        EXPECT_NE(schema.find("CREATE TABLE [" + table.name + "]"), std::string::npos) << table.name;
        if (!table.primary_key.column.empty()) {
            ++with_key;
            const std::string name = ascii_lower(table.name);
            EXPECT_NE(keys.find("ALTER TABLE \"" + name + "\" ADD CONSTRAINT \"" + name + "_pkey\" PRIMARY KEY (\"" +
                                ascii_lower(table.primary_key.column) + "\")"),
                      std::string::npos)
                << table.name;
        }
        std::vector<const jetwriter::Row*> live;
        for (const jetwriter::Row& row : table.rows)
            if (!row.deleted)
                live.push_back(&row);
        const Table& rows = exported(table.name);
        ASSERT_EQ(rows.size(), live.size()) << table.name;
        for (size_t r = 0; r < rows.size(); ++r) {
            ASSERT_EQ(rows[r].size(), table.columns.size()) << table.name;
            for (size_t c = 0; c < table.columns.size(); ++c)
                EXPECT_EQ(rows[r][c], expected_cell(table.columns[c], live[r]->values[c]))
                    << table.name << "." << table.columns[c].name << " line " << live[r]->line;
        }
    }
    EXPECT_GT(with_key, 0);
}

// Shift-JIS bytes of the longest value of a column.
size_t longest(const std::string& table, size_t column)
{
    size_t most = 0;
    for (const auto& row : exported(table))
        if (row[column] != kNull)
            most = std::max(most, utf8_to_sjis(row[column]).size());
    return most;
}

TEST(SampleDatabase, TextsFitTheProgramBuffers)
{
    // Columns by position, as the source declares them; limits are char[n] less the NUL.
    const struct {
        const char* table;
        size_t column;
        size_t limit;
    } limits[] = {
        {"Mst_Pipe", 1, 16},
        {"Mst_Place", 2, 63},
        {"Mst_Product", 1, 16},
        {"Mst_Product", 3, 128},
        {"Mst_Product", 4, 128},
        {"Mst_Product", 7, 128},
        {"Mst_Product", 8, 128},
        {"Mst_Product", 9, 128},
        {"Mst_Product", 10, 128},
        {"Mst_ProductDetail", 2, 16},
        {"Mst_ProductDetail", 3, 16},
        {"Mst_ConditionGroup", 1, 16},
        {"Mst_Condition", 2, 64},
        {"Mst_RelatedProduct", 1, 16},
        {"Mst_RelatedProduct", 2, 128},
        {"Mst_RelatedProduct", 4, 128},
        {"Mst_RelatedProduct", 5, 128},
        {"Mst_RelatedProduct", 6, 128},
        {"Mst_RelatedProduct", 7, 128},
        {"Mst_RelatedProduct", 8, 128},
        {"Mst_RelatedProductDisplay", 1, 128},
        // The database version shares the sheet's footer with the program version (1.0.0.12).
        {"Version", 0, 52 - 8},
    };
    for (const auto& l : limits)
        EXPECT_LE(longest(l.table, l.column), l.limit) << l.table << " column " << l.column;

    // Condition texts as the grid shows them, for the largest size value of any size.
    double most[4] = {0, 0, 0, 0};
    for (const auto& size : exported("Mst_ProductDetail")) {
        most[1] = std::max(most[1], std::min(std::stod(size[4]), std::stod(size[5])));
        most[2] = std::max(most[2], std::stod(size[6]));
        most[3] = std::max(most[3], std::stod(size[7]));
    }
    for (const auto& condition : exported("Mst_Condition")) {
        const int type = number(condition[5]);
        const std::string format = utf8_to_sjis(condition[2]);
        if (type < 1 || type > 3) {
            EXPECT_EQ(format.find('%'), std::string::npos) << condition[2];
            continue;
        }
        // Exactly one conversion, a fixed-point number.
        const size_t percent = format.find('%');
        ASSERT_NE(percent, std::string::npos) << condition[2];
        EXPECT_EQ(format.find('%', percent + 1), std::string::npos) << condition[2];
        EXPECT_NE(format.find("f", percent), std::string::npos) << condition[2];
        char shown[512];
        std::snprintf(shown, sizeof shown, format.c_str(), std::stod(condition[4]) * most[type]);
        EXPECT_LE(std::string(shown).size(), 127u) << condition[2];
    }
}

TEST(SampleDatabase, EveryLevelOfTheCascadeOffersRows)
{
    std::map<int, int> places_of_pipe, products_at_place, sizes_of_product, displays_of_pair;
    std::map<int, int> pipe_of_place, place_of_pair, product_of_pair;
    std::set<std::string> diameters;
    for (const auto& pipe : exported("Mst_Pipe"))
        places_of_pipe[number(pipe[0])] = 0;
    for (const auto& place : exported("Mst_Place")) {
        ASSERT_TRUE(places_of_pipe.count(number(place[1]))) << place[2];
        places_of_pipe[number(place[1])]++;
        products_at_place[number(place[0])] = 0;
    }
    std::set<int> products;
    for (const auto& product : exported("Mst_Product")) {
        products.insert(number(product[0]));
        sizes_of_product[number(product[0])] = 0;
    }
    for (const auto& size : exported("Mst_ProductDetail")) {
        ASSERT_TRUE(products.count(number(size[1])));
        sizes_of_product[number(size[1])]++;
        diameters.insert(size[2]);
        EXPECT_EQ(size[2].back(), 'A') << size[2];
        EXPECT_GT(std::stod(size[4]), 0);
        EXPECT_GT(std::stod(size[7]), 0);
    }
    for (const auto& pair : exported("Mst_ProductPlace")) {
        ASSERT_TRUE(products_at_place.count(number(pair[1])));
        ASSERT_TRUE(products.count(number(pair[2])));
        products_at_place[number(pair[1])]++;
        displays_of_pair[number(pair[0])] = 0;
    }
    std::set<int> conditions;
    for (const auto& condition : exported("Mst_Condition"))
        conditions.insert(number(condition[0]));
    int switched_off = 0;
    for (const auto& display : exported("Mst_ConditionDisplay")) {
        ASSERT_TRUE(conditions.count(number(display[1])));
        ASSERT_TRUE(displays_of_pair.count(number(display[2])));
        if (display[3] == "0")
            displays_of_pair[number(display[2])]++;
        else
            ++switched_off;
    }
    EXPECT_GE(places_of_pipe.size(), 3u);
    for (const auto& [pipe, count] : places_of_pipe) {
        EXPECT_GE(count, 2) << "pipe " << pipe;
        EXPECT_LE(count, 3) << "pipe " << pipe;
    }
    for (const auto& [place, count] : products_at_place)
        EXPECT_GE(count, 1) << "place " << place;
    for (const auto& [product, count] : sizes_of_product)
        EXPECT_GE(count, 1) << "product " << product;
    for (const auto& [pair, count] : displays_of_pair)
        EXPECT_GE(count, 1) << "product at place " << pair;
    EXPECT_GT(switched_off, 0);
    EXPECT_EQ(diameters, (std::set<std::string>{"50A", "65A", "80A", "100A", "125A", "150A", "200A", "250A", "300A"}));
}

TEST(SampleDatabase, ProductsGroupsAndDisplayTypesAsTheCalculatorNeedsThem)
{
    int complete = 0, longest_parts = 0;
    for (const auto& product : exported("Mst_Product")) {
        const auto parts = split(product[7]), materials = split(product[8]), counts = split(product[9]);
        EXPECT_GE(parts.size(), counts.size()) << product[1];
        EXPECT_GE(materials.size(), counts.size()) << product[1];
        EXPECT_LE(counts.size(), 11u) << product[1];
        longest_parts = std::max(longest_parts, static_cast<int>(counts.size()));
        EXPECT_GT(std::stod(product[2]), 0) << product[1];
        complete += product[3] != kNull && product[5] != kNull && product[6] != kNull && !counts.empty() &&
                    product[10] != kNull;
    }
    EXPECT_GE(complete, 6);
    EXPECT_EQ(longest_parts, 11);

    std::set<int> types;
    for (const auto& condition : exported("Mst_Condition"))
        types.insert(number(condition[5]) >= 1 && number(condition[5]) <= 3 ? number(condition[5]) : 0);
    EXPECT_EQ(types, (std::set<int>{0, 1, 2, 3}));
    EXPECT_GE(exported("Mst_ConditionGroup").size(), 5u);
    EXPECT_EQ(exported("Version").size(), 1u);

    // Products differ in their grids: not every product offers the same groups.
    std::map<int, int> group_of_condition;
    for (const auto& condition : exported("Mst_Condition"))
        group_of_condition[number(condition[0])] = number(condition[1]);
    std::map<int, std::set<int>> groups_of_pair;
    for (const auto& display : exported("Mst_ConditionDisplay"))
        if (display[3] == "0")
            groups_of_pair[number(display[2])].insert(group_of_condition[number(display[1])]);
    std::set<std::set<int>> kinds_of_grids;
    for (const auto& [pair, groups] : groups_of_pair)
        kinds_of_grids.insert(groups);
    EXPECT_GE(kinds_of_grids.size(), 3u);
}

bool is_jpeg(const std::string& hex)
{
    return hex.size() > 8 && hex.compare(0, 4, "FFD8") == 0 && hex.compare(hex.size() - 4, 4, "FFD9") == 0;
}

// Width and height from the frame header of a JPEG file; 0, 0 when there is none.
std::pair<int, int> jpeg_size(const std::string& jpeg)
{
    size_t at = 2;
    while (at + 9 < jpeg.size() && static_cast<unsigned char>(jpeg[at]) == 0xFF) {
        const unsigned char marker = jpeg[at + 1];
        const size_t length =
            (static_cast<unsigned char>(jpeg[at + 2]) << 8) | static_cast<unsigned char>(jpeg[at + 3]);
        if (marker == 0xC0 || marker == 0xC2)
            return {(static_cast<unsigned char>(jpeg[at + 7]) << 8) | static_cast<unsigned char>(jpeg[at + 8]),
                    (static_cast<unsigned char>(jpeg[at + 5]) << 8) | static_cast<unsigned char>(jpeg[at + 6])};
        at += 2 + length;
    }
    return {0, 0};
}

TEST(SampleDatabase, PhotosAreSquareAndDrawingsFitTheSheetBox)
{
    for (const char* product : {"vr-s", "vr-w", "vr-l", "vr-h", "vr-e", "vr-p"}) {
        const std::string images = kDir + "/docs/images/" + product;
        EXPECT_EQ(jpeg_size(mdb_cli::file_contents(images + "_photo.jpg")), std::make_pair(240, 240)) << product;
        // The sheet prints the drawing into 70 x 56 mm.
        EXPECT_EQ(jpeg_size(mdb_cli::file_contents(images + "_drawing.jpg")), std::make_pair(350, 280)) << product;
    }
}

// A path the shell opens relative to the folder of the database.
bool shipped_document(const std::string& path)
{
    return path.rfind("docs/", 0) == 0;
}

TEST(SampleDatabase, PicturesAndDocumentsShipWithIt)
{
    for (const auto& product : exported("Mst_Product")) {
        for (int column : {5, 6})
            EXPECT_TRUE(product[column] == kNull || is_jpeg(product[column])) << product[1];
        EXPECT_TRUE(!shipped_document(product[10]) || mdb_cli::file_exists(kDir + "/" + product[10])) << product[10];
    }
    std::set<std::string> started;
    int with_photo = 0;
    for (const auto& related : exported("Mst_RelatedProduct")) {
        with_photo += is_jpeg(related[3]);
        for (int column : {4, 6, 8})
            EXPECT_TRUE(!shipped_document(related[column]) || mdb_cli::file_exists(kDir + "/" + related[column]))
                << related[column];
        for (int column : {6, 8})
            if (related[column] != kNull)
                started.insert(related[column]);
        if (related[1] == "Merrowflex") {
            EXPECT_EQ(related[6], "Dunmere");
        }
    }
    EXPECT_GE(with_photo, 3);
    EXPECT_TRUE(started.count("Dunmere"));
    ASSERT_TRUE(started.count("docs/hikaku.pdf"));
    EXPECT_EQ(mdb_cli::file_contents(kDir + "/docs/hikaku.pdf").compare(0, 5, "%PDF-"), 0);

    // The list of files that ship beside the database names what the build made.
    const std::string shipped = SAMPLE_FILES;
    size_t count = 0;
    for (size_t start = 0; start < shipped.size(); ++count) {
        size_t bar = std::min(shipped.find('|', start), shipped.size());
        EXPECT_TRUE(mdb_cli::file_exists(kDir + "/" + shipped.substr(start, bar - start)))
            << shipped.substr(start, bar - start);
        start = bar + 1;
    }
    EXPECT_GE(count, 20u);

    // Every display rule names condition rows that exist, as many as it counts.
    std::set<std::string> displays;
    for (const auto& display : exported("Mst_ConditionDisplay"))
        displays.insert(display[0]);
    for (const auto& rule : exported("Mst_RelatedProductDisplay")) {
        const auto ids = split(rule[1]);
        EXPECT_EQ(static_cast<int>(ids.size()), number(rule[2])) << rule[1];
        for (const std::string& id : ids)
            EXPECT_TRUE(displays.count(id)) << rule[1];
    }
}

}  // namespace
