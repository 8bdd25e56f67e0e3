// The table definition (TDEF) page: row count, column count, the addresses
// of the table's two page usage maps, then one 25-byte entry per column and
// the column names in UCS-2. The writer makes no indexes.
#ifndef JETWRITER_TABLE_DEFINITION_H
#define JETWRITER_TABLE_DEFINITION_H

#include <cstdint>

#include "jetwriter/jetwriter.h"
#include "table_layout.h"

namespace jetwriter {

struct TableStorage {
    std::uint32_t definition_page = 0;
    bool system = false;
    std::uint32_t rows = 0;
    std::uint32_t used_map = 0;  // address (page_row) of the map of the table's data pages
    std::uint32_t free_map = 0;  // address of the map of those with room left
};

// Throws Error when the definition does not fit in one page.
void build_table_definition(std::uint8_t* page, const Table& table, const TableLayout& layout,
                            const TableStorage& storage);

}  // namespace jetwriter

#endif
