// Long values (memo texts and OLE objects) read from their 12-byte reference
// in a row: inline after it, on one row of a long-value page, or along a
// chain of such rows, each starting with the address of the next.
#ifndef JET_LONG_VALUE_H
#define JET_LONG_VALUE_H

#include "libmdb.h"

#include <cstddef>
#include <string>

#include "statement_reading.h"

namespace jet {

constexpr size_t kLongValueReference = 12;

// The value whose reference starts `field` (`size` bytes of the row, the
// reference included) in a column of a table. A reference or chain that does
// not hold together (a length beyond the file's size, a piece outside its
// page or the file, a piece the statement has read before, a chain ending
// early or running past the declared length) raises EDatabaseError naming
// table and column. A value that is `kept` in the result is taken from the
// budget at its declared length before any memory is taken for it.
std::string read_long_value(StatementReading& statement, const MdbColumn* column, const unsigned char* field,
                            size_t size, bool kept);

}  // namespace jet

#endif
