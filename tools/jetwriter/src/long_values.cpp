#include "long_values.h"

#include <cstring>

#include "little_endian.h"

namespace jetwriter {

namespace {

constexpr std::size_t kChainPointer = 4;
constexpr std::size_t kChainPiece = kMaxRowLength - kChainPointer;

}  // namespace

void write_inline_reference(std::uint8_t* reference, std::size_t length)
{
    std::memset(reference, 0, kLongValueReference);
    put_u32(reference, static_cast<std::uint32_t>(length) | kInlineFlag);
}

std::uint32_t LongValueStore::place(const std::string& row, std::size_t* where_page, std::size_t* where_offset)
{
    if (open_page_ == 0 || !row_fits(file_.page(open_page_), row.size())) {
        open_page_ = file_.add_page();
        init_lval_page(file_.page(open_page_));
    }
    std::size_t offset;
    unsigned number =
        add_row(file_.page(open_page_), reinterpret_cast<const std::uint8_t*>(row.data()), row.size(), &offset);
    if (where_page)
        *where_page = open_page_;
    if (where_offset)
        *where_offset = offset;
    return page_row(open_page_, number);
}

void LongValueStore::store(const std::string& data, std::uint8_t* reference)
{
    std::memset(reference, 0, kLongValueReference);
    if (data.size() <= kMaxRowLength) {
        put_u32(reference, static_cast<std::uint32_t>(data.size()) | kSingleRowFlag);
        put_u32(reference + 4, place(data, nullptr, nullptr));
        return;
    }
    put_u32(reference, static_cast<std::uint32_t>(data.size()));
    // Each piece's pointer is filled in once the next piece has its address.
    std::uint8_t* previous_pointer = reference + 4;
    std::size_t previous_page = 0, previous_offset = 0;
    bool first = true;
    for (std::size_t done = 0; done < data.size(); done += kChainPiece) {
        std::string piece(kChainPointer, '\0');
        piece.append(data, done, kChainPiece);
        std::size_t page, offset;
        std::uint32_t address = place(piece, &page, &offset);
        if (first)
            put_u32(previous_pointer, address);
        else
            put_u32(file_.page(static_cast<std::uint32_t>(previous_page)) + previous_offset, address);
        first = false;
        previous_page = page;
        previous_offset = offset;
    }
}

}  // namespace jetwriter
