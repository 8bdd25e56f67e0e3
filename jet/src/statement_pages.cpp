#include "statement_pages.h"

#include "page_rows.h"

namespace jet {

const unsigned char* StatementPages::page(uint32_t number)
{
    let_go_ = std::vector<unsigned char>();
    auto found = read_.find(number);
    if (found != read_.end() && !found->second.bytes.empty())
        return found->second.bytes.data();
    std::vector<unsigned char> bytes(file_.pages().page_size());
    if (!file_.pages().read(number, bytes.data()))
        return nullptr;
    Read& read = read_[number];
    if (found == read_.end())
        page_row_count(file_.mdb(), bytes.data(), read.rows_left);
    read.bytes = std::move(bytes);
    return read.bytes.data();
}

bool StatementPages::take(uint32_t number, unsigned row)
{
    auto found = read_.find(number);
    if (found == read_.end() || row >= 256)
        return false;
    Read& read = found->second;
    uint64_t& word = read.taken[row / 64];
    const uint64_t bit = uint64_t(1) << (row % 64);
    if (word & bit)
        return false;
    word |= bit;
    if (read.rows_left > 0 && --read.rows_left == 0) {
        let_go_ = std::move(read.bytes);
        read.bytes.clear();
    }
    return true;
}

}  // namespace jet
