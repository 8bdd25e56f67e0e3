// Turns the values of one row into a Jet 4 row:
//   column count (16 bits), fixed-size columns, variable columns,
//   end of the variable data, the variable columns' offsets from last to
//   first, their count (16 bits), and a null mask (bit set: not NULL).
#ifndef JETWRITER_ROW_ENCODER_H
#define JETWRITER_ROW_ENCODER_H

#include <string>
#include <vector>

#include "jetwriter/jetwriter.h"
#include "long_values.h"
#include "table_layout.h"

namespace jetwriter {

class RowEncoder {
public:
    RowEncoder(const Table& table, const TableLayout& layout, LongValueStore& long_values)
        : table_(table), layout_(layout), long_values_(long_values)
    {}

    // Throws Error naming the row (by its source line when it has one) and column.
    std::string encode(const Row& row, std::size_t index);

private:
    const Table& table_;
    const TableLayout& layout_;
    LongValueStore& long_values_;
};

// Long values up to this size stay inside their row.
constexpr std::size_t kInlineLimit = 64;

}  // namespace jetwriter

#endif
