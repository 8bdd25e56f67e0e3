// A table's definition, checked against the file before libmdb follows it.
#ifndef JET_TABLE_DEFINITION_H
#define JET_TABLE_DEFINITION_H

#include "libmdb.h"

#include <memory>

namespace jet {

struct TableDeleter {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using TablePtr = std::unique_ptr<MdbTableDef, TableDeleter>;

// Reads the definition that starts on entry->table_pg with its columns. The
// definition pages, the column entries and names they declare and the map of
// the pages the table uses are checked first; raises EDatabaseError naming
// the table when any of them is damaged or cannot be read. The entry must
// outlive the table.
TablePtr read_table_definition(MdbCatalogEntry* entry);

}  // namespace jet

#endif
