// The source text format, and the command-line tool that writes it.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "jetwriter/jetwriter.h"
#include "testsupport/mdb_cli.h"

namespace {

using jetwriter::ColumnType;
using jetwriter::Value;
using mdb_cli::quoted;
using mdb_cli::run;
using mdb_cli::test_file;

void put_file(const std::string& path, const std::string& contents)
{
    std::ofstream out(path, std::ios::binary);
    out << contents;
}

TEST(Source, StatementsAndEveryFormOfValue)
{
    put_file(test_file(".bin"), std::string("\x01\x00\x7F", 3));
    const std::string source =
        "# leading comment\n"
        "password \"pw\"   # trailing comment\n"
        "created \"2024-04-01 09:30\"\n"
        "\n"
        "TABLE Mst_A (ID long, Name TEXT(8),\n"
        "             Life Double,\n"
        "             Photo OLE, Note Memo)\n"
        "Primary Key id\n"
        "1, \"a\\\"b\\\\c\\n#\", -2.5e1, hex\"00ff\", NULL\n"
        u8"2, \"配管\",\n"
        "   7, file(\"" +
        test_file(".bin") +
        "\"), \"x\"\n"
        "DELETED 3, NULL, NULL, NULL, NULL\n"
        "table Mst_B (When DateTime)\n"
        u8"property Description \"表\"\n"
        "property when.Required NO\n"
        "property \"When\".Order 3\n";
    std::vector<std::string> files;
    const jetwriter::Database db = jetwriter::parse_source(source, ".", &files);

    EXPECT_EQ(db.password, "pw");
    ASSERT_TRUE(db.created.has_value());
    EXPECT_DOUBLE_EQ(*db.created, 45383.0 + 9.5 / 24);
    ASSERT_EQ(db.tables.size(), 2u);
    const jetwriter::Table& a = db.tables[0];
    EXPECT_EQ(a.name, "Mst_A");
    EXPECT_EQ(a.line, 5);
    ASSERT_EQ(a.columns.size(), 5u);
    EXPECT_EQ(a.columns[1].type, ColumnType::Text);
    EXPECT_EQ(a.columns[1].length, 8);
    EXPECT_EQ(a.columns[3].type, ColumnType::OLE);
    EXPECT_EQ(a.primary_key.column, "id");
    EXPECT_EQ(a.primary_key.line, 8);
    ASSERT_EQ(a.rows.size(), 3u);
    EXPECT_EQ(a.rows[0].line, 9);
    EXPECT_EQ(a.rows[1].line, 10);
    EXPECT_FALSE(a.rows[1].deleted);
    EXPECT_TRUE(a.rows[2].deleted);
    EXPECT_EQ(a.rows[2].values.size(), 5u);
    const auto& r0 = a.rows[0].values;
    EXPECT_EQ(r0[0].integer(), 1);
    EXPECT_EQ(r0[1].text(), "a\"b\\c\n#");
    EXPECT_TRUE(r0[1].text_is_utf8());
    EXPECT_EQ(r0[2].kind(), Value::Kind::Real);
    EXPECT_DOUBLE_EQ(r0[2].real(), -25.0);
    EXPECT_EQ(r0[3].bytes(), (jetwriter::Bytes{0x00, 0xFF}));
    EXPECT_TRUE(r0[4].is_null());
    const auto& r1 = a.rows[1].values;
    EXPECT_EQ(r1[1].text(), u8"配管");
    EXPECT_EQ(r1[2].kind(), Value::Kind::Integer);
    EXPECT_EQ(r1[3].bytes(), (jetwriter::Bytes{0x01, 0x00, 0x7F}));
    EXPECT_EQ(files, std::vector<std::string>{"./" + test_file(".bin")});
    EXPECT_TRUE(db.tables[1].rows.empty());
    const jetwriter::Table& b = db.tables[1];
    ASSERT_EQ(b.properties.size(), 1u);
    EXPECT_EQ(b.properties[0].name, "Description");
    EXPECT_EQ(b.properties[0].type, jetwriter::Property::Type::Text);
    EXPECT_EQ(b.properties[0].value.text(), u8"表");
    const auto& column = b.columns[0].properties;
    ASSERT_EQ(column.size(), 2u);
    EXPECT_EQ(column[0].type, jetwriter::Property::Type::YesNo);
    EXPECT_EQ(column[0].value.integer(), 0);
    EXPECT_EQ(column[0].line, 15);
    EXPECT_EQ(column[1].name, "Order");
    EXPECT_EQ(column[1].type, jetwriter::Property::Type::Long);
    EXPECT_EQ(column[1].value.integer(), 3);
}

struct BadSource {
    const char* text;
    int line;
    const char* says;
};

TEST(Source, EveryErrorNamesItsLine)
{
    const std::string header = "# bad sources\ntable T (ID Long, Name Text(4), Photo OLE)\n";
    const BadSource cases[] = {
        {"table U (ID Float)\n", 3, "unknown type Float"},
        {"table U (ID Long\n\n, Name)\n", 5, "type for column Name"},
        {"1, \"a\", NULL\n2, \"b\"\n", 4, "2 values for 3 columns"},
        {"1, \"abcde\", NULL\n", 3, "too long"},
        {"\n1, NULL, file(\"missing.jpg\")\n", 4, "missing.jpg"},
        {"1, \"unclosed, NULL\n", 3, "not closed"},
        {"1, \"a\" NULL\n", 3, "','"},
        {"1, NULL, hex\"0G\"\n", 3, "hexadecimal"},
        {"x1, NULL, NULL\n", 3, "expected a value"},
        {"1, \"\\q\", NULL\n", 3, "escape"},
        {"password \"a\"\npassword \"b\"\n", 4, "second password"},
        {"created \"2024-13-01\"\n", 3, "creation date"},
        {"table U (A Text(999))\n", 3, "1 to 255"},
        {"table U (A Long, a Long)\n", 3, "twice"},
        {"property Nope.Caption \"x\"\n", 3, "no column Nope"},
        {"property Caption 1.5\n", 3, "whole number"},
        {"\nproperty Name.Caption \"a\"\nproperty name.caption \"b\"\n", 5, "twice"},
        {"property Width 2147483648\n", 3, "2147483647"},
        {"1, NULL, NULL\nprimary key Name\n", 4, "Long or Integer"},
        {"primary key ID\nprimary key ID\n", 4, "primary key already"},
        {"\nprimary key Nope\n", 4, "no column Nope"},
        {"primary key ID\n1, NULL, NULL\ndeleted 1, NULL, NULL\n\n1, NULL, NULL\n", 7, "1 appears twice"},
        {"primary key id\ndeleted NULL, NULL, NULL\nNULL, NULL, NULL\n", 5, "no value"},
    };
    for (const BadSource& c : cases) {
        const std::string path = test_file(".txt");
        put_file(path, header + c.text);
        try {
            jetwriter::write_database(jetwriter::read_source(path), test_file(".mdb"));
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const jetwriter::Error& e) {
            EXPECT_EQ(e.line(), c.line) << c.text << " -> " << e.what();
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << c.text << " -> " << e.what();
        }
        EXPECT_FALSE(mdb_cli::file_exists(test_file(".mdb")));
    }
    // A row before any table has nowhere to go.
    EXPECT_THROW(jetwriter::parse_source("1, 2\n", "."), jetwriter::Error);
}

TEST(Cli, BadSourceFailsWithTheLineAndLeavesNoFile)
{
    const std::string source = test_file(".txt"), output = test_file(".mdb");
    put_file(source, "table T (ID Long)\n1\n2\n\"three\"\n");
    std::remove(output.c_str());
    const mdb_cli::Output result =
        run(std::string(JETWRITE_PATH) + " " + quoted(source) + " " + quoted(output) + " 2>&1");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.out.find(source + ":4: table T: column ID (Long): needs a whole number"), std::string::npos)
        << result.out;
    EXPECT_FALSE(mdb_cli::file_exists(output));

    EXPECT_EQ(run(std::string(JETWRITE_PATH) + " only-one-argument 2>/dev/null").status, 2);
    const mdb_cli::Output help = run(std::string(JETWRITE_PATH) + " --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Text(n)"), std::string::npos);
}

TEST(Cli, WritesDatabasePasswordAndDependencies)
{
    const std::string dir = test_file("_files");
    run("mkdir -p " + quoted(dir));
    put_file(dir + "/pic.jpg", "JPEG");
    const std::string source = test_file(".txt"), output = test_file(".mdb"), depfile = test_file(".d");
    put_file(source, "password \"in-source\"\ntable P (ID Long, Photo OLE)\n1, file(\"pic.jpg\")\n");
    const std::string command = std::string(JETWRITE_PATH) + " --files " + quoted(dir) + " --depfile " +
                                quoted(depfile) + " " + quoted(source) + " " + quoted(output);
    ASSERT_EQ(run(command).status, 0);
    EXPECT_EQ(jetwriter::read_password(output), "in-source");
    EXPECT_EQ(mdb_cli::export_table(output, "P"), (mdb_cli::Rows{{"1", mdb_cli::hex("JPEG")}}));
    EXPECT_EQ(mdb_cli::file_contents(depfile), output + ": \\\n  " + source + " \\\n  " + dir + "/pic.jpg\n");

    ASSERT_EQ(run(command + " --password override").status, 0);
    EXPECT_EQ(jetwriter::read_password(output), "override");
}

// The fixture that velmora_jet_database built with this build.
TEST(BuildFunction, FixtureWrittenAtBuildTime)
{
    EXPECT_EQ(run(std::string("mdb-ver ") + quoted(FIXTURE_PATH)).out, "JET4\n");
    EXPECT_EQ(jetwriter::read_password(FIXTURE_PATH), "from-cmake");
    EXPECT_EQ(
        mdb_cli::export_table(FIXTURE_PATH, "Items"),
        (mdb_cli::Rows{{"1", u8"ネジ", "12.5", mdb_cli::hex("VELMORA\n")}, {"2", u8"ナット", "<NULL>", "<NULL>"}}));
}

}  // namespace
