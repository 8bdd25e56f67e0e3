// The one statement form the layer runs:
//   SELECT * FROM table [WHERE column = integer] [ORDER BY column [ASC|DESC]]
#ifndef JET_STATEMENT_H
#define JET_STATEMENT_H

#include <cstdint>
#include <string>

namespace jet {

struct Statement {
    std::string table;
    bool has_where = false;
    std::string where_column;
    int64_t where_value = 0;
    bool has_order = false;
    std::string order_column;
    bool descending = false;
};

// Raises EDatabaseError naming what it could not understand.
Statement parse_statement(const std::string& sql);

}  // namespace jet

#endif
