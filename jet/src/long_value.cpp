#include "long_value.h"

#include <unordered_set>

#include "jet/errors.h"
#include "page_rows.h"

namespace jet {
namespace {

// The reference's first 32 bits: the length in the low 30, and whether the
// value stands in the row itself or on one page row; neither means a chain.
constexpr uint32_t kInlineValue = 0x80000000;
constexpr uint32_t kSingleRowValue = 0x40000000;
constexpr uint32_t kLengthMask = 0x3FFFFFFF;
constexpr size_t kChainPointer = 4;

EDatabaseError damaged(const char* column, const char* what)
{
    return EDatabaseError(std::string("The long value of the column '") + column + "' is damaged: " + what);
}

}  // namespace

std::string read_long_value(MdbHandle* mdb, const char* column, const unsigned char* field, size_t size)
{
    if (size < kLongValueReference)
        throw damaged(column, "its reference is cut short");
    const uint32_t header = read_u32(field);
    const size_t declared = header & kLengthMask;
    if (declared > kLongValueCap)
        throw damaged(column, "its length is beyond reason");
    if ((header & kInlineValue) && (header & kSingleRowValue))
        throw damaged(column, "its reference is not one of a long value");
    if (header & kInlineValue) {
        if (size - kLongValueReference != declared)
            throw damaged(column, "it does not fill its row");
        return std::string((const char*)field + kLongValueReference, declared);
    }

    std::string value;
    uint32_t address = read_u32(field + 4);
    std::unordered_set<uint32_t> pieces_read;
    const bool chained = !(header & kSingleRowValue);
    do {
        if (!pieces_read.insert(address).second)
            throw damaged(column, "its page chain points back");
        const unsigned char* page = read_spare_page(mdb, address_page(address));
        PageRow row;
        if (!page || !find_page_row(mdb, page, address_row(address), row))
            throw damaged(column, "a piece of it is not where it points");
        size_t skip = 0;
        if (chained) {
            if (row.size < kChainPointer)
                throw damaged(column, "a piece of it is cut short");
            address = read_u32(page + row.start);
            skip = kChainPointer;
        }
        if (value.size() + (row.size - skip) > declared)
            throw damaged(column, "it runs past its length");
        value.append((const char*)page + row.start + skip, row.size - skip);
    } while (chained && address != 0);
    if (value.size() != declared)
        throw damaged(column, "it ends before its length");
    return value;
}

}  // namespace jet
