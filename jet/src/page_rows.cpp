#include "page_rows.h"

namespace jet {

bool page_row_count(const MdbHandle* mdb, const unsigned char* page, unsigned& count)
{
    const size_t table = mdb->fmt->row_count_offset;
    count = read_u16(page + table);
    return table + 2 + 2 * (size_t)count <= (size_t)mdb->fmt->pg_size;
}

bool find_page_row(const MdbHandle* mdb, const unsigned char* page, unsigned row, PageRow& out)
{
    unsigned count;
    if (!page_row_count(mdb, page, count) || row >= count)
        return false;
    const size_t page_size = (size_t)mdb->fmt->pg_size;
    const unsigned char* offsets = page + mdb->fmt->row_count_offset + 2;
    const size_t table_end = mdb->fmt->row_count_offset + 2 + 2 * (size_t)count;
    const uint32_t entry = read_u16(offsets + 2 * row);
    const size_t start = entry & kRowOffsetMask;
    const size_t end = row == 0 ? page_size : read_u16(offsets + 2 * (row - 1)) & kRowOffsetMask;
    if (start < table_end || start > end || end > page_size)
        return false;
    out.start = start;
    out.size = end - start;
    out.deleted = (entry & kDeletedRowFlag) != 0;
    return true;
}

}  // namespace jet
