// What one statement may read and hold. A sound file stores every long value
// once, in pieces that no other value shares, and a result of it is no larger
// than the file itself with room for its cells; a file that makes a statement
// read a piece twice or hold more is damaged. So the work of any statement is
// bounded by the size of the file, whatever the file claims.
#ifndef JET_STATEMENT_BUDGET_H
#define JET_STATEMENT_BUDGET_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_set>

namespace jet {

class StatementBudget {
public:
    // For a statement over `table` in a file of `file_size` bytes.
    StatementBudget(uint64_t file_size, std::string table);

    uint64_t file_size() const { return file_size_; }

    // Marks the long-value piece at `address` (page and row) as read; false
    // when the statement has read it before.
    bool first_reading(uint32_t address) { return pieces_.insert(address).second; }

    // Takes `bytes` more into the result; raises EDatabaseError naming the
    // table, taking nothing, when the result would outgrow what the file can
    // hold.
    void take(size_t bytes);

private:
    uint64_t file_size_;
    std::string table_;
    uint64_t cap_;
    uint64_t held_ = 0;
    std::unordered_set<uint32_t> pieces_;
};

}  // namespace jet

#endif
