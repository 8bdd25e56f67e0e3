#include "statement_pages.h"

#include "page_rows.h"

namespace jet {

const unsigned char* StatementPages::page(uint32_t number)
{
    let_go_.clear();
    auto found = kept_.find(number);
    if (found != kept_.end())
        return found->second.bytes.data();
    std::vector<unsigned char> bytes(file_.pages().page_size());
    if (!file_.pages().read(number, bytes.data()))
        return nullptr;
    unsigned rows = 0;
    page_row_count(file_.mdb(), bytes.data(), rows);
    Kept& kept = kept_[number];
    kept.bytes = std::move(bytes);
    kept.rows_left = rows;
    return kept.bytes.data();
}

bool StatementPages::take(uint32_t number, unsigned row)
{
    if (taken_rows_.empty())
        taken_rows_.resize(file_.pages().page_count());
    if (number >= taken_rows_.size() || row >= 256)
        return false;
    uint64_t& word = taken_rows_[number][row / 64];
    const uint64_t bit = uint64_t(1) << (row % 64);
    if (word & bit)
        return false;
    word |= bit;
    auto found = kept_.find(number);
    if (found != kept_.end() && found->second.rows_left > 0 && --found->second.rows_left == 0) {
        let_go_ = std::move(found->second.bytes);
        kept_.erase(found);
    }
    return true;
}

}  // namespace jet
