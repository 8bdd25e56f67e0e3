// The rows of a table: its data pages walked along its usage map, each row's
// fields located by libmdb and checked against the row before anything of
// them is read.
#ifndef JET_TABLE_ROWS_H
#define JET_TABLE_ROWS_H

#include "libmdb.h"

#include <functional>

#include "database_file.h"
#include "result_set.h"
#include "statement_budget.h"

namespace jet {

// Largest text a column yields, in Shift-JIS bytes (memo texts included).
constexpr size_t kTextCap = 64 * 1024;

// Calls visit with the fields of every stored row (table->num_cols of them,
// in column order), in the file's order. Rows that the page's offset table
// does not place and deleted rows are passed over. Raises EDatabaseError
// naming the table when a page the map names lies outside the file, when a
// row's fields lie outside it or two of them share bytes.
void for_each_row(DatabaseFile& file, MdbTableDef* table, const std::function<void(const MdbField* fields)>& visit);

// One field of the row just visited (its page is in the handle's pg_buf).
// What the value holds is taken from the budget: a value it has no room for
// raises EDatabaseError, before memory is taken for it.
Value decode_field(DatabaseFile& file, StatementBudget& budget, MdbColumn* column, const MdbField& field);

}  // namespace jet

#endif
