// Primary keys read back by mdbtools: mdb-schema shows them, and libmdb reads
// the index's definition and walks its entries to the rows they point at.
#include <gtest/gtest.h>

// glib first, outside the extern "C" that mdbtools.h opens.
#include <glib.h>

#include <mdbtools.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "jetwriter/jetwriter.h"
#include "testsupport/mdb_cli.h"

namespace {

using jetwriter::ColumnType;
using jetwriter::Database;
using jetwriter::Value;

// A key as the index stores it: big-endian with its sign bit flipped.
long long index_key(const unsigned char* bytes, int width)
{
    unsigned long long bits = 0;
    for (int i = 0; i < width; ++i)
        bits = bits << 8 | bytes[i];
    bits ^= 1ull << (8 * width - 1);
    return width == 4 ? (long long)(int32_t)bits : (long long)(int16_t)bits;
}

struct Walked {
    std::vector<long long> index_keys, row_keys;  // per entry, in the index's order
};

// The table's one index as libmdb reads its definition: the unique primary
// key over the first column, its root a leaf page.
MdbIndex* primary_key(MdbTableDef* table)
{
    mdb_read_indices(table);
    EXPECT_EQ(table->num_idxs, 1u);
    EXPECT_EQ(table->num_real_idxs, 1u);
    if (table->num_idxs != 1)
        return nullptr;
    auto* index = (MdbIndex*)g_ptr_array_index(table->indices, 0);
    EXPECT_STREQ(index->name, "PrimaryKey");
    EXPECT_EQ(index->index_type, 1);
    EXPECT_TRUE(index->flags & MDB_IDX_UNIQUE);
    EXPECT_EQ(index->num_keys, 1);
    EXPECT_EQ(index->key_col_num[0], 1);  // counted from 1
    EXPECT_EQ(index->key_col_order[0], MDB_ASC);
    MdbHandle* mdb = table->entry->mdb;
    EXPECT_TRUE(mdb_read_pg(mdb, index->first_pg) == (ssize_t)mdb->fmt->pg_size && mdb->pg_buf[0] == 0x04);
    return index;
}

// libmdb's walk over the index: the key of each entry and of the row it points at.
Walked walk_index(const std::string& path, const char* table_name, int width)
{
    Walked walked;
    MdbHandle* mdb = mdb_open(path.c_str(), MDB_NOFLAGS);
    if (!mdb) {
        ADD_FAILURE() << "libmdb cannot open " << path;
        return walked;
    }
    MdbTableDef* table = mdb_read_table_by_name(mdb, const_cast<char*>(table_name), MDB_TABLE);
    MdbIndex* index = table && mdb_read_columns(table) ? primary_key(table) : nullptr;
    std::vector<std::pair<guint32, guint16>> rows;
    MdbIndexChain chain{};
    guint32 page;
    guint16 row;
    while (index && rows.size() < 1000 && mdb_index_find_next(mdb, index, &chain, &page, &row)) {
        rows.push_back({page, row});
        walked.index_keys.push_back(index_key(chain.pages[0].cache_value, width));
    }
    char key[64];
    int length = 0;
    if (index)
        mdb_bind_column(table, 1, key, &length);
    for (const auto& [page, row] : rows) {
        const bool live = mdb_read_pg(mdb, page) == (ssize_t)mdb->fmt->pg_size && mdb_read_row(table, row);
        walked.row_keys.push_back(live ? std::stoll(key) : -999999);
    }
    mdb_free_tabledef(table);
    mdb_close(mdb);
    EXPECT_NE(index, nullptr) << table_name;
    return walked;
}

TEST(PrimaryKey, LibmdbWalksTheIndexToEveryLiveRowInKeyOrder)
{
    Database db;
    // Rows over several data pages, keys out of order and of both signs; a
    // deleted row's key appears again on a live row.
    auto& wide = db.add_table("Mst_Product", {{"ID", ColumnType::Long}, {"Name", ColumnType::Text, 120}});
    wide.primary_key.column = "id";
    std::vector<long long> live;
    for (int i = 0; i < 90; ++i) {
        const long long id = (i * 37) % 90 - 20 + (i % 3 == 0 ? 2000000000LL : 0);
        if (i == 30 || i == 31) {
            wide.add_row({i == 30 ? id : (long long)live.front(), std::string(100, 'x')}).deleted = true;
            continue;
        }
        wide.add_row({id, std::string(100, 'a' + i % 26)});
        live.push_back(id);
    }
    auto& small = db.add_table("Mst_Small", {{"K", ColumnType::Integer}, {"Note", ColumnType::Memo}});
    small.primary_key.column = "K";
    for (int k : {32767, -32768, 0, -1, 1})
        small.add_row({k, Value()});
    const std::string path = mdb_cli::test_file(".mdb");
    std::remove(path.c_str());
    jetwriter::write_database(db, path);

    const std::string schema = mdb_cli::run("mdb-schema " + mdb_cli::quoted(path) + " postgres").out;
    EXPECT_NE(schema.find("ALTER TABLE \"mst_product\" ADD CONSTRAINT \"mst_product_pkey\" PRIMARY KEY (\"id\")"),
              std::string::npos)
        << schema;
    EXPECT_NE(schema.find("PRIMARY KEY (\"k\")"), std::string::npos) << schema;
    EXPECT_EQ(mdb_cli::export_table(path, "Mst_Product").size(), live.size());
    EXPECT_GT(mdb_cli::file_contents(path).size(), 8u * 4096);  // the rows spread over pages

    std::sort(live.begin(), live.end());
    const Walked product = walk_index(path, "Mst_Product", 4);
    EXPECT_EQ(product.index_keys, live);
    EXPECT_EQ(product.row_keys, live);
    const Walked keys = walk_index(path, "Mst_Small", 2);
    EXPECT_EQ(keys.index_keys, (std::vector<long long>{-32768, -1, 0, 1, 32767}));
    EXPECT_EQ(keys.row_keys, keys.index_keys);
}

}  // namespace
