#include "page_file.h"

#include <cstring>

#include "little_endian.h"

namespace jetwriter {

std::uint32_t PageFile::add_page()
{
    bytes_.resize(bytes_.size() + kPageSize, 0);
    return count() - 1;
}

void init_data_page(std::uint8_t* page, std::uint32_t owner)
{
    std::memset(page, 0, kPageSize);
    page[0] = kPageData;
    page[1] = 0x01;
    put_u16(page + 2, kPageSize - kRowPageHeader);
    put_u32(page + 4, owner);
}

void init_lval_page(std::uint8_t* page)
{
    init_data_page(page, 0);
    std::memcpy(page + 4, "LVAL", 4);
}

unsigned row_count(const std::uint8_t* page)
{
    return get_u16(page + kRowCountOffset);
}

static std::size_t end_of_free_space(const std::uint8_t* page)
{
    unsigned rows = row_count(page);
    return rows == 0 ? kPageSize : get_u16(page + kRowPageHeader + 2 * (rows - 1)) & kRowOffsetMask;
}

std::size_t free_space(const std::uint8_t* page)
{
    return end_of_free_space(page) - (kRowPageHeader + 2 * row_count(page));
}

bool row_fits(const std::uint8_t* page, std::size_t length)
{
    return row_count(page) < kMaxRowsPerPage && length + 2 <= free_space(page);
}

unsigned add_row(std::uint8_t* page, const std::uint8_t* row, std::size_t length, std::size_t* offset, bool deleted)
{
    unsigned rows = row_count(page);
    std::size_t start = end_of_free_space(page) - length;
    if (length > 0)
        std::memcpy(page + start, row, length);
    put_u16(page + kRowPageHeader + 2 * rows, static_cast<std::uint32_t>(start) | (deleted ? kDeletedRow : 0));
    put_u16(page + kRowCountOffset, rows + 1);
    put_u16(page + 2, static_cast<std::uint32_t>(free_space(page)));
    if (offset)
        *offset = start;
    return rows;
}

}  // namespace jetwriter
