// The client-side copy of one statement's result.
#ifndef JET_RESULT_SET_H
#define JET_RESULT_SET_H

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace jet {

struct Value {
    enum Kind : uint8_t { Null, Integer, Float, Boolean, Text, Blob };
    Kind kind = Null;
    int64_t integer = 0;  // Integer; Boolean as -1 or 0
    double real = 0.0;    // Float
    std::string bytes;    // Text (Shift-JIS)
    // Blob, shared with the streams made of it, which outlive the result.
    std::shared_ptr<const std::string> blob;
};

struct ResultSet {
    std::vector<std::string> columns;  // names as the table spells them
    std::deque<Value> cells;           // row after row, columns.size() per row; grows without moving
    std::vector<uint32_t> order;       // row numbers in result order

    size_t row_count() const { return order.size(); }
    const Value& cell(size_t position, size_t column) const { return cells[order[position] * columns.size() + column]; }
};

}  // namespace jet

#endif
