// A table's definition, read and checked by the layer into libmdb's records,
// so that libmdb can crack the table's rows.
#ifndef JET_TABLE_DEFINITION_H
#define JET_TABLE_DEFINITION_H

#include "libmdb.h"

#include <memory>

#include "database_file.h"

namespace jet {

struct TableDeleter {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using TablePtr = std::unique_ptr<MdbTableDef, TableDeleter>;

// Reads the definition that starts on entry->table_pg: its pages (a chain
// that stays inside the file and does not loop), the column entries and
// names it declares, and the map of the pages the table uses. Fixed columns
// must not share bytes nor variable columns a place in the row. Raises
// EDatabaseError naming the table when any of it is damaged. The entry must
// outlive the table.
TablePtr read_table_definition(DatabaseFile& file, MdbCatalogEntry* entry);

}  // namespace jet

#endif
