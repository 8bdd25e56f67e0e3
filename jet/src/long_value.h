// Long values (memo texts and OLE objects) read from their 12-byte reference
// in a row: inline after it, on one row of a long-value page, or along a
// chain of such rows, each starting with the address of the next.
#ifndef JET_LONG_VALUE_H
#define JET_LONG_VALUE_H

#include "libmdb.h"

#include <cstddef>
#include <string>

namespace jet {

constexpr size_t kLongValueReference = 12;
// Far above any picture or document of a product; a longer value is taken
// for damage rather than read into memory.
constexpr size_t kLongValueCap = 64 * 1024 * 1024;

// The value whose reference starts `field` (`size` bytes of the row, the
// reference included). A reference or chain that does not hold together
// (a piece outside its page, a chain pointing back, ending early or running
// past the declared length, a length beyond kLongValueCap) raises
// EDatabaseError naming `column`.
std::string read_long_value(MdbHandle* mdb, const char* column, const unsigned char* field, size_t size);

}  // namespace jet

#endif
