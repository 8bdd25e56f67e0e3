// The rows of a table: its data pages walked along its usage map, each row's
// fields located by libmdb and checked against the row before anything of
// them is read.
#ifndef JET_TABLE_ROWS_H
#define JET_TABLE_ROWS_H

#include "libmdb.h"

#include <functional>

#include "result_set.h"
#include "statement_reading.h"

namespace jet {

// Largest text a column yields, in Shift-JIS bytes (memo texts included).
constexpr size_t kTextCap = 64 * 1024;

// Calls visit with the fields of every stored row (table->num_cols of them,
// in column order), in the file's order. Rows that the page's offset table
// does not place, deleted rows and rows too short for their own frame are
// passed over. Every row split takes its cells from the statement's budget.
// Raises EDatabaseError naming the table when a page the map names lies
// outside the file, when a row's fields lie outside it or two of them share
// bytes, or when the budget has no room for a row.
void for_each_row(StatementReading& statement, MdbTableDef* table,
                  const std::function<void(const MdbField* fields)>& visit);

// One field of the row just visited (its page is in the handle's pg_buf).
// What the value holds is taken from the budget: a value it has no room for
// raises EDatabaseError, before memory is taken for it.
Value decode_field(StatementReading& statement, MdbColumn* column, const MdbField& field);

}  // namespace jet

#endif
