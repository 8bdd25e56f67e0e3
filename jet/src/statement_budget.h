// What one statement may hold. A sound file stores every long value once, in
// pieces that no other value shares, and a result of it is no larger than
// the file itself with room for its cells; a file that makes a statement hold
// more is damaged. Every row the statement splits counts its cells, whether
// it is kept or not, so the work of any statement is bounded by the size of
// the file, whatever the file claims.
#ifndef JET_STATEMENT_BUDGET_H
#define JET_STATEMENT_BUDGET_H

#include <cstddef>
#include <cstdint>
#include <string>

namespace jet {

class StatementBudget {
public:
    // For a statement over `table` in a file of `file_size` bytes.
    StatementBudget(uint64_t file_size, std::string table);

    uint64_t file_size() const { return file_size_; }

    // Takes `bytes` more into the result; raises EDatabaseError naming the
    // table, taking nothing, when the result would outgrow what the file can
    // hold.
    void take(size_t bytes);

    // Takes the cells of one row of `columns` columns, as a row split into
    // its fields holds them.
    void take_row(size_t columns);

private:
    uint64_t file_size_;
    std::string table_;
    uint64_t cap_;
    uint64_t held_ = 0;
};

}  // namespace jet

#endif
