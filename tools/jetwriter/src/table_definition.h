// The table definition (TDEF) page: row count, column and index counts, the
// addresses of the table's two page usage maps, per index its row count
// (12 bytes), one 25-byte entry per live column and the column names in UCS-2,
// both in the table's column order; then for the primary key, the only index
// the writer makes, its columns, usage map and root page (52 bytes), its
// entry as a logical index (28 bytes) and its name.
#ifndef JETWRITER_TABLE_DEFINITION_H
#define JETWRITER_TABLE_DEFINITION_H

#include <cstdint>
#include <optional>

#include "jetwriter/jetwriter.h"
#include "page_file.h"
#include "table_layout.h"

namespace jetwriter {

struct KeyStorage {
    unsigned column = 0;         // the key's column, by number
    std::uint32_t leaf = 0;      // the index's only page, its root
    std::uint32_t used_map = 0;  // address of the map of the index's pages
};

struct TableStorage {
    std::uint32_t definition_page = 0;
    bool system = false;
    std::uint32_t rows = 0;
    std::uint32_t used_map = 0;  // address (page_row) of the map of the table's data pages
    std::uint32_t free_map = 0;  // address of the map of those with room left
    std::optional<KeyStorage> key;
};

// Writes the definition on its page; one that does not fit goes on in new
// definition pages at the end of the file, each named by the one before it
// (next_pg at offset 4) and holding the next bytes after an 8-byte header.
void write_table_definition(PageFile& file, const Table& table, const TableLayout& layout, const TableStorage& storage);

}  // namespace jetwriter

#endif
