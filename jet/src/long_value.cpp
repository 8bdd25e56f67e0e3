#include "long_value.h"

#include "error_texts.h"
#include "page_rows.h"

namespace jet {
namespace {

// The reference's first 32 bits: the length in the low 30, and whether the
// value stands in the row itself or on one page row; neither means a chain.
constexpr uint32_t kInlineValue = 0x80000000;
constexpr uint32_t kSingleRowValue = 0x40000000;
constexpr uint32_t kLengthMask = 0x3FFFFFFF;
constexpr size_t kChainPointer = 4;

}  // namespace

std::string read_long_value(StatementReading& statement, const MdbColumn* column, const unsigned char* field,
                            size_t size, bool kept)
{
    StatementBudget& budget = statement.budget;
    auto damaged = [&](const std::string& what) { return damaged_value(column->table->name, column->name, what); };
    if (size < kLongValueReference)
        throw damaged(damage::reference_cut_short());
    const uint32_t header = read_u32(field);
    const size_t declared = header & kLengthMask;
    if (declared > budget.file_size())
        throw damaged(damage::length_beyond_file());
    if ((header & kInlineValue) && (header & kSingleRowValue))
        throw damaged(damage::reference_kind());
    if ((header & kInlineValue) && size - kLongValueReference != declared)
        throw damaged(damage::inline_value_size());
    if (kept)
        budget.take(declared);
    if (header & kInlineValue)
        return std::string((const char*)field + kLongValueReference, declared);

    std::string value;
    value.reserve(declared);
    uint32_t address = read_u32(field + 4);
    const bool chained = !(header & kSingleRowValue);
    do {
        const uint32_t page_number = address_page(address);
        const unsigned char* page = statement.pages.page(page_number);
        if (!page)
            throw damaged(damage::page_outside_file(page_number));
        PageRow row;
        if (!find_page_row(statement.file.mdb(), page, address_row(address), row))
            throw damaged(damage::piece_missing());
        if (!statement.pages.take(page_number, address_row(address)))
            throw damaged(damage::piece_read_twice());
        size_t skip = 0;
        if (chained) {
            if (row.size < kChainPointer)
                throw damaged(damage::piece_cut_short());
            address = read_u32(page + row.start);
            skip = kChainPointer;
        }
        if (value.size() + (row.size - skip) > declared)
            throw damaged(damage::runs_past_length());
        value.append((const char*)page + row.start + skip, row.size - skip);
    } while (chained && address != 0);
    if (value.size() != declared)
        throw damaged(damage::ends_before_length());
    return value;
}

}  // namespace jet
