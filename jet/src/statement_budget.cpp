#include "statement_budget.h"

namespace jet {
namespace {

// Room for the cells themselves, which take more memory than the bytes that
// store them; a product database needs a fraction of it.
constexpr uint64_t kCellRoom = 16 * 1024 * 1024;

}  // namespace

StatementBudget::StatementBudget(uint64_t file_size) : file_size_(file_size), cap_(file_size + kCellRoom) {}

bool StatementBudget::take(size_t bytes)
{
    if (bytes > cap_ - held_)
        return false;
    held_ += bytes;
    return true;
}

}  // namespace jet
