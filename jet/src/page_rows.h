// The rows of a data or long-value page, found through the page's own table
// of row offsets and checked against the page before anyone reads them.
#ifndef JET_PAGE_ROWS_H
#define JET_PAGE_ROWS_H

#include "libmdb.h"

#include <cstddef>
#include <cstdint>

namespace jet {

// Row offsets carry flags above the 13 bits of the offset itself; libmdb
// takes this one for a deleted row.
constexpr unsigned kRowOffsetMask = 0x1FFF;
constexpr unsigned kDeletedRowFlag = 0x4000;

inline uint32_t read_u16(const unsigned char* p)
{
    return (uint32_t)p[0] | (uint32_t)p[1] << 8;
}

inline uint32_t read_u32(const unsigned char* p)
{
    return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}

struct PageRow {
    size_t start = 0;  // offset in the page
    size_t size = 0;
    bool deleted = false;
};

// How many rows the page's offset table lists; false when that table does
// not fit in the page.
bool page_row_count(const MdbHandle* mdb, const unsigned char* page, unsigned& count);

// Row `row` of the page: it must be listed, start after the offset table
// and end inside the page, at or before the row listed before it.
bool find_page_row(const MdbHandle* mdb, const unsigned char* page, unsigned row, PageRow& out);

// A row's address as Jet stores it: page in the upper 24 bits, row in the low 8.
inline uint32_t address_page(uint32_t address)
{
    return address >> 8;
}
inline unsigned address_row(uint32_t address)
{
    return address & 0xFF;
}

}  // namespace jet

#endif
