// A written property block (MSysObjects.LvProp, exported by mdb-export) read
// the way the format lays it out, every length field checked against what it
// must count. mdb-prop skips over the object records' lengths, so it cannot
// tell a wrong one.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "jetwriter/jetwriter.h"
#include "testsupport/mdb_cli.h"

namespace {

using jetwriter::ColumnType;
using jetwriter::Property;

std::string unhex(const std::string& digits)
{
    std::string bytes;
    for (size_t i = 0; i + 1 < digits.size(); i += 2)
        bytes += (char)std::stoi(digits.substr(i, 2), nullptr, 16);
    return bytes;
}

// What a block holds, as far as its lengths let it be read.
struct Block {
    std::vector<std::string> names;                // the property names chunk
    std::vector<std::string> objects;              // each value chunk's object name (UCS-2)
    std::vector<std::vector<std::string>> values;  // per object, its properties' values
};

class BlockReader {
public:
    explicit BlockReader(const std::string& bytes) : b_(bytes) {}

    // "MR2\0", then chunks: a 32-bit length counting the whole chunk, a 16-bit type.
    Block read()
    {
        Block block;
        EXPECT_EQ(b_.substr(0, 4), std::string("MR2", 4));
        for (size_t at = 4; at < b_.size();) {
            const size_t length = u32(at);
            if (length < 6 || at + length > b_.size()) {
                ADD_FAILURE() << "chunk at " << at << " of length " << length << " in a block of " << b_.size();
                break;
            }
            const unsigned type = u16(at + 4);
            if (type == 0x80)
                read_names(at + 6, at + length, block);
            else if (type == 0x00 || type == 0x01)
                read_values(at + 6, at + length, block);
            else
                ADD_FAILURE() << "chunk of type " << type;
            at += length;
        }
        return block;
    }

private:
    unsigned u16(size_t at) const { return (unsigned char)b_[at] | (unsigned char)b_[at + 1] << 8; }
    size_t u32(size_t at) const { return u16(at) | (size_t)u16(at + 2) << 16; }

    // Per name a 16-bit length and the name, filling the chunk.
    void read_names(size_t at, size_t end, Block& block)
    {
        while (at + 2 <= end && at + 2 + u16(at) <= end) {
            block.names.push_back(b_.substr(at + 2, u16(at)));
            at += 2 + u16(at);
        }
        EXPECT_EQ(at, end) << "the names do not fill their chunk";
    }

    // An object record (a 32-bit length counting its own 4 bytes, the 2-byte
    // name length and the name), then property records, each a 16-bit length
    // counting the whole record, a DDL flag, a type, a 16-bit name index, a
    // 16-bit value length and the value; together they fill the chunk.
    void read_values(size_t at, size_t end, Block& block)
    {
        ASSERT_LE(at + 6, end);
        const size_t object = u32(at), name_length = u16(at + 4);
        EXPECT_EQ(object, 4 + 2 + name_length) << "object record length";
        ASSERT_LE(at + object, end);
        block.objects.push_back(b_.substr(at + 6, name_length));
        block.values.emplace_back();
        for (at += object; at + 8 <= end;) {
            const size_t record = u16(at), value_length = u16(at + 6);
            ASSERT_EQ(record, 8 + value_length) << "property record length at " << at;
            ASSERT_LE(at + record, end);
            EXPECT_LT(u16(at + 4), block.names.size()) << "name index";
            block.values.back().push_back(b_.substr(at + 8, value_length));
            at += record;
        }
        EXPECT_EQ(at, end) << "the property records do not fill their chunk";
    }

    const std::string& b_;
};

std::string ucs2(const std::string& ascii)
{
    std::string out;
    for (char c : ascii)
        out += std::string(1, c) + '\0';
    return out;
}

TEST(PropertyBlock, EveryLengthCountsWhatTheFormatSays)
{
    using Type = Property::Type;
    jetwriter::Database db;
    auto& table = db.add_table("Mst_Pipe", {{"ID", ColumnType::Long, 0, {{"Required", Type::YesNo, 1}}},
                                            {"Name", ColumnType::Text, 16, {{"Caption", Type::Text, "Name"}}},
                                            {"Note", ColumnType::Memo}});
    table.properties = {{"Description", Type::Text, "pipes"}, {"RowHeight", Type::Long, -300}};
    const std::string path = mdb_cli::test_file(".mdb");
    std::remove(path.c_str());
    jetwriter::write_database(db, path);

    std::string lvprop;
    for (const auto& row : mdb_cli::export_table(path, "MSysObjects"))
        if (row.size() == 14 && row[2] == "Mst_Pipe")
            lvprop = unhex(row[13]);
    const Block block = BlockReader(lvprop).read();

    EXPECT_EQ(block.names,
              (std::vector<std::string>{ucs2("Description"), ucs2("RowHeight"), ucs2("Required"), ucs2("Caption")}));
    // The table's own object has no name; a column without properties has no chunk.
    EXPECT_EQ(block.objects, (std::vector<std::string>{"", ucs2("ID"), ucs2("Name")}));
    EXPECT_EQ(block.values, (std::vector<std::vector<std::string>>{
                                {ucs2("pipes"), std::string("\xD4\xFE\xFF\xFF", 4)}, {"\xFF"}, {ucs2("Name")}}));
}

}  // namespace
