// Descriptions the writer must refuse, and what it leaves on disk when it does.
#include <gtest/gtest.h>

#include <dirent.h>

#include <cstdio>
#include <string>

#include "jetwriter/jetwriter.h"
#include "testsupport/mdb_cli.h"

namespace {

using jetwriter::Bytes;
using jetwriter::ColumnType;
using jetwriter::Database;
using jetwriter::Value;
using mdb_cli::test_file;

Database one_table(std::vector<jetwriter::Column> columns, std::vector<Value> row)
{
    Database db;
    db.add_table("Mst_Test", std::move(columns)).add_row(std::move(row));
    return db;
}

// Throws, and the message names every word in words.
void expect_refused(const Database& db, std::vector<std::string> words)
{
    const std::string path = test_file(".mdb");
    std::remove(path.c_str());
    try {
        jetwriter::write_database(db, path);
        ADD_FAILURE() << "accepted; expected an error naming " << words.front();
    } catch (const jetwriter::Error& e) {
        for (const std::string& word : words)
            EXPECT_NE(std::string(e.what()).find(word), std::string::npos) << e.what();
    }
    EXPECT_FALSE(mdb_cli::file_exists(path));
}

TEST(Refused, ValuesThatDoNotFitTheirColumn)
{
    expect_refused(one_table({{"Name", ColumnType::Text, 4}}, {"１２３４５"}), {"Name", "Text(4)", "5 characters"});
    expect_refused(one_table({{"ID", ColumnType::Long}}, {2147483648LL}), {"ID", "Long", "2147483647"});
    expect_refused(one_table({{"N", ColumnType::Integer}}, {-32769}), {"N", "Integer", "-32768"});
    expect_refused(one_table({{"ID", ColumnType::Long}}, {1.5}), {"ID", "whole number"});
    expect_refused(one_table({{"Life", ColumnType::Double}}, {"10"}), {"Life", "number"});
    expect_refused(one_table({{"Name", ColumnType::Text, 9}}, {Bytes{1}}), {"Name", "text"});
    expect_refused(one_table({{"Photo", ColumnType::OLE}}, {"x.jpg"}), {"Photo", "binary"});
    expect_refused(one_table({{"Made", ColumnType::DateTime}}, {"2023-02-29"}), {"Made", "date"});
    expect_refused(one_table({{"Name", ColumnType::Text, 9}}, {Value::utf8("\xE3\x81")}), {"UTF-8"});
    expect_refused(one_table({{"Name", ColumnType::Text, 9}}, {Value::utf8(u8"😀")}), {"UCS-2"});
    expect_refused(one_table({{"Name", ColumnType::Text, 9}}, {Value::utf8(u8"\uFEFFx")}), {"U+FEFF"});
    expect_refused(one_table({{"A", ColumnType::Long}, {"B", ColumnType::Long}}, {1}),
                   {"Mst_Test", "row 1", "1 values for 2 columns"});
    // Nine full Text(255) columns cannot share one 4 KB row.
    std::vector<jetwriter::Column> wide;
    std::vector<Value> values;
    for (int i = 0; i < 9; ++i) {
        wide.push_back({"T" + std::to_string(i), ColumnType::Text, 255});
        values.push_back(std::string(255, 'x'));
    }
    expect_refused(one_table(wide, values), {"row 1", "bytes"});
}

TEST(Refused, BadTablesColumnsAndPasswords)
{
    expect_refused(one_table({{"Name", ColumnType::Text, 0}}, {"a"}), {"Name", "1 to 255"});
    expect_refused(one_table({{"Name", ColumnType::Text, 256}}, {"a"}), {"Name", "1 to 255"});
    expect_refused(one_table({{"ID", ColumnType::Long}, {"id", ColumnType::Long}}, {1, 2}), {"id", "twice"});
    expect_refused(one_table({}, {}), {"Mst_Test", "no columns"});

    Database twice = one_table({{"ID", ColumnType::Long}}, {1});
    twice.add_table("MST_TEST", {{"ID", ColumnType::Long}});
    expect_refused(twice, {"MST_TEST", "twice"});

    Database system;
    system.add_table("MSysRelationships", {{"ID", ColumnType::Long}});
    expect_refused(system, {"MSysRelationships", "system"});

    expect_refused(one_table({{"ID", ColumnType::Long, 0, {{"Caption", jetwriter::Property::Type::Text, 5}}}}, {1}),
                   {"ID", "Caption", "needs a text"});

    Database password = one_table({{"ID", ColumnType::Long}}, {1});
    password.password = "123456789012345678901";
    expect_refused(password, {"password", "20"});
}

TEST(Refused, ShapesOfKeptFilesThatNoFileCanHave)
{
    const std::vector<jetwriter::Column> columns = {
        {"ID", ColumnType::Long}, {"Name", ColumnType::Text, 9}, {"Size", ColumnType::Integer}};
    Database order = one_table(columns, {1, "a", 2});
    order.tables[0].fixed_order = {"Size", "Name", "ID"};
    expect_refused(order, {"Mst_Test", "Name", "not of a fixed size"});
    order.tables[0].fixed_order = {"Size"};
    expect_refused(order, {"ID", "missing"});
    order.tables[0].fixed_order = {"Size", "ID", "Weight"};
    expect_refused(order, {"no column Weight"});

    Database added = one_table(columns, {1, "a", 2});
    added.tables[0].rows[0].stored_columns = 2;
    expect_refused(added, {"Size", "added after the row"});

    Database deleted = one_table(columns, {1, "a", 2});
    for (auto& column : deleted.tables[0].columns)
        column.deleted = true;
    expect_refused(deleted, {"Mst_Test", "no columns"});
    deleted.tables[0].columns[1].deleted = false;
    deleted.tables[0].primary_key.column = "ID";
    expect_refused(deleted, {"primary key", "no column ID"});

    Database marks = one_table(columns, {1, "a", 2});
    marks.tables[0].marks_pages_of = "Mst_Test";
    expect_refused(marks, {"Mst_Test", "no other table"});
}

TEST(Refused, ExistingFileStaysAndNoTemporaryIsLeft)
{
    const std::string path = test_file(".mdb");
    {
        FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fputs("previous", f);
        std::fclose(f);
    }
    Database bad = one_table({{"ID", ColumnType::Long}}, {"not a number"});
    EXPECT_THROW(jetwriter::write_database(bad, path), jetwriter::Error);
    EXPECT_EQ(mdb_cli::file_contents(path), "previous");

    jetwriter::write_database(one_table({{"ID", ColumnType::Long}}, {7}), path);
    EXPECT_EQ(mdb_cli::export_table(path, "Mst_Test"), (mdb_cli::Rows{{"7"}}));

    // Neither run left a temporary file beside the output.
    DIR* dir = opendir(".");
    ASSERT_NE(dir, nullptr);
    int left = 0;
    while (dirent* entry = readdir(dir))
        left += std::string(entry->d_name).rfind(path + ".", 0) == 0;
    closedir(dir);
    EXPECT_EQ(left, 0);

    EXPECT_THROW(jetwriter::write_database(one_table({{"ID", ColumnType::Long}}, {7}), "no-such-folder/x.mdb"),
                 jetwriter::Error);
}

}  // namespace
