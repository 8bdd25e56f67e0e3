// The file's catalog: the tables MSysObjects lists, read from its definition
// on page 2 with the same checks as any table, and without the objects'
// property blocks, which nothing here uses.
#ifndef JET_CATALOG_H
#define JET_CATALOG_H

#include "libmdb.h"

#include <memory>
#include <vector>

#include "database_file.h"

namespace jet {

using CatalogEntryPtr = std::unique_ptr<MdbCatalogEntry>;

// Every object of type table, in the catalog's order, ready for
// read_table_definition. Raises EDatabaseError when the catalog is damaged.
std::vector<CatalogEntryPtr> read_catalog(DatabaseFile& file);

}  // namespace jet

#endif
