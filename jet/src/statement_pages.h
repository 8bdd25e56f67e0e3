// The pages one statement reads its long values from. Each page is read and
// decoded once for the statement, however its pieces are spread, and is let
// go once every row it lists has been taken, so that a picture's pages pass
// through one at a time while pages of many small values wait for the rest.
// What waits is at most the file itself.
#ifndef JET_STATEMENT_PAGES_H
#define JET_STATEMENT_PAGES_H

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "database_file.h"

namespace jet {

class StatementPages {
public:
    explicit StatementPages(DatabaseFile& file) : file_(file) {}

    // Page `number`, decoded; null when it does not lie whole inside the file.
    const unsigned char* page(uint32_t number);

    // Takes row `row` of page `number`, which page() gave; false when the
    // statement has taken it before. The page's bytes stay valid until the
    // next call of either function.
    bool take(uint32_t number, unsigned row);

private:
    // A page the statement has read: its bytes while rows of it are left to
    // take, and which rows it has taken, a bit each (a row number is 8 bits).
    struct Read {
        std::vector<unsigned char> bytes;
        unsigned rows_left = 0;
        std::array<uint64_t, 4> taken{};
    };

    DatabaseFile& file_;
    std::unordered_map<uint32_t, Read> read_;
    std::vector<unsigned char> let_go_;  // the page last let go, until the next call
};

}  // namespace jet

#endif
