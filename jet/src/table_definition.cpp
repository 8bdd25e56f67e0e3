#include "table_definition.h"

#include <string>
#include <unordered_set>
#include <vector>

#include "jet/errors.h"
#include "page_rows.h"

namespace jet {
namespace {

constexpr unsigned char kDefinitionPage = 0x02;
constexpr size_t kNextPageOffset = 4;
// A continuation page carries its definition bytes after its 8-byte header.
constexpr size_t kContinuationHeader = 8;
// Jet's own limits; a definition declaring more is damaged.
constexpr unsigned kMostColumns = 255;
constexpr uint32_t kMostIndexes = 255;
// A usage map is its type byte and at least one 32-bit page number.
constexpr size_t kShortestUsageMap = 5;

EDatabaseError damaged(const MdbCatalogEntry* entry, const std::string& what)
{
    return EDatabaseError("The definition of the table '" + std::string(entry->object_name) + "' is damaged: " + what);
}

// The definition as libmdb reads it: the first page whole, then each page the
// chain leads on to from its header on. Pages are taken only as they are
// needed, so that a definition ending on a page's last byte needs no more.
class DefinitionBytes {
public:
    DefinitionBytes(MdbHandle* mdb, const MdbCatalogEntry* entry, const unsigned char* first)
        : mdb_(mdb), entry_(entry), page_size_((size_t)mdb->fmt->pg_size)
    {
        pages_.emplace_back(first, first + page_size_);
        seen_.insert((uint32_t)entry->table_pg);
    }

    // Moves the cursor over `length` bytes that must all exist.
    void skip(size_t length)
    {
        while (length > 0) {
            if (offset_ == page_size_)
                next_page();
            size_t here = std::min(length, page_size_ - offset_);
            offset_ += here;
            length -= here;
        }
    }

    // The next `length` bytes (at most 4) as a little-endian number.
    uint32_t number(size_t length)
    {
        uint32_t value = 0;
        for (size_t i = 0; i < length; ++i) {
            if (offset_ == page_size_)
                next_page();
            value |= (uint32_t)pages_.back()[offset_++] << (8 * i);
        }
        return value;
    }

    void start_at(size_t offset)
    {
        while (offset >= page_size_) {
            next_page();
            offset -= page_size_ - kContinuationHeader;
        }
        offset_ = offset;
    }

private:
    void next_page()
    {
        const uint32_t next = read_u32(pages_.back().data() + kNextPageOffset);
        if (next == 0)
            throw damaged(entry_, "its columns run past its last page");
        if (!seen_.insert(next).second)
            throw damaged(entry_, "its pages lead back to one already read");
        const unsigned char* page = read_spare_page(mdb_, next);
        if (!page || page[0] != kDefinitionPage)
            throw damaged(entry_, "it goes on to page " + std::to_string(next) + ", which holds no definition");
        pages_.emplace_back(page, page + page_size_);
        offset_ = kContinuationHeader;
    }

    MdbHandle* mdb_;
    const MdbCatalogEntry* entry_;
    size_t page_size_;
    std::vector<std::vector<unsigned char>> pages_;
    std::unordered_set<uint32_t> seen_;
    size_t offset_ = 0;
};

// The map of the pages the table uses: its row must exist on its page and be
// long enough for its kind (0: a bitmap after a first page number; 1: the
// numbers of bitmap pages).
void check_usage_map(MdbHandle* mdb, const MdbCatalogEntry* entry, uint32_t address)
{
    const unsigned char* page = read_spare_page(mdb, address_page(address));
    PageRow row;
    if (!page || !find_page_row(mdb, page, address_row(address), row))
        throw damaged(entry, "its usage map is not where it points");
    if (row.size < kShortestUsageMap)
        throw damaged(entry, "its usage map is too short");
    const unsigned char kind = page[row.start];
    if (kind != 0 && kind != 1)
        throw damaged(entry, "its usage map is of no known kind");
}

void check_definition(MdbHandle* mdb, const MdbCatalogEntry* entry)
{
    const MdbFormatConstants* fmt = mdb->fmt;
    const unsigned char* first = read_spare_page(mdb, (uint32_t)entry->table_pg);
    if (!first)
        throw EDatabaseError("The definition of the table '" + std::string(entry->object_name) +
                             "' lies outside the file");
    if (first[0] != kDefinitionPage)
        throw damaged(entry, "its page holds no definition");
    const unsigned columns = read_u16(first + fmt->tab_num_cols_offset);
    const unsigned variable_columns = read_u16(first + fmt->tab_num_cols_offset - 2);
    const uint32_t indexes = read_u32(first + fmt->tab_num_ridxs_offset);
    if (columns > kMostColumns || variable_columns > columns || indexes > kMostIndexes)
        throw damaged(entry, "it declares more columns or indexes than a table can have");
    const uint32_t usage_map = read_u32(first + fmt->tab_usage_map_offset);

    DefinitionBytes bytes(mdb, entry, first);
    bytes.start_at(fmt->tab_cols_start_offset + indexes * fmt->tab_ridx_entry_size);
    bytes.skip((size_t)columns * fmt->tab_col_entry_size);
    const size_t name_length_size = IS_JET3(mdb) ? 1 : 2;
    for (unsigned i = 0; i < columns; ++i)
        bytes.skip(bytes.number(name_length_size));

    check_usage_map(mdb, entry, usage_map);
}

}  // namespace

TablePtr read_table_definition(MdbCatalogEntry* entry)
{
    MdbHandle* mdb = entry->mdb;
    check_definition(mdb, entry);
    TablePtr table(mdb_read_table(entry));
    if (!table || !mdb_read_columns(table.get()))
        throw damaged(entry, "libmdb cannot read it");
    return table;
}

}  // namespace jet
