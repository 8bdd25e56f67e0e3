#include "statement_budget.h"

#include <utility>

#include "error_texts.h"
#include "result_set.h"

namespace jet {
namespace {

// Room for the cells themselves, which take more memory than the bytes that
// store them; a product database needs a fraction of it.
constexpr uint64_t kCellRoom = 16 * 1024 * 1024;

}  // namespace

StatementBudget::StatementBudget(uint64_t file_size, std::string table)
    : file_size_(file_size), table_(std::move(table)), cap_(file_size + kCellRoom)
{}

void StatementBudget::take(size_t bytes)
{
    if (bytes > cap_ - held_)
        throw damaged_result(table_);
    held_ += bytes;
}

void StatementBudget::take_row(size_t columns)
{
    take(columns * sizeof(Value));
}

}  // namespace jet
