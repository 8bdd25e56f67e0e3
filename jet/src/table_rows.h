// The rows of a table: walked page by page along its usage map, each row's
// fields located by libmdb and checked against the row before anything of
// them is read.
#ifndef JET_TABLE_ROWS_H
#define JET_TABLE_ROWS_H

#include "libmdb.h"

#include <functional>

#include "result_set.h"

namespace jet {

// Largest text a column yields, in Shift-JIS bytes (memo texts included);
// libmdb's own text conversions are bound to it as well.
constexpr size_t kTextCap = 64 * 1024;

// Calls visit with the fields of every stored row (table->num_cols of them,
// in column order), in the file's order. Rows that the page's offset table
// does not place and deleted rows are passed over, as libmdb passes them
// over; a row whose fields lie outside it raises EDatabaseError naming the
// table.
void for_each_row(MdbTableDef* table, const std::function<void(const MdbField* fields)>& visit);

// One field of the row just visited (its page is in mdb->pg_buf).
Value decode_field(MdbHandle* mdb, MdbColumn* column, const MdbField& field);

}  // namespace jet

#endif
