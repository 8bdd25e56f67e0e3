#include "table_definition.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

#include "error_texts.h"
#include "page_rows.h"

namespace jet {
namespace {

constexpr unsigned char kDefinitionPage = 0x02;
constexpr size_t kNextPageOffset = 4;
// A continuation page carries its definition bytes after its 8-byte header.
constexpr size_t kContinuationHeader = 8;
// Jet's own limits; a definition declaring more is damaged.
constexpr unsigned kMostColumns = 255;
// The most column places a row of the table may hold: deleted columns keep
// theirs until the file is compacted, so this and the count of variable
// places may exceed the live columns, but no place lies beyond it.
constexpr size_t kColumnPlacesBeforeCount = 4;
constexpr uint32_t kMostIndexes = 255;
// A usage map is its type byte and at least one 32-bit page number.
constexpr size_t kShortestUsageMap = 5;
// Column flags.
constexpr unsigned char kFixedColumn = 0x01;
constexpr unsigned char kLongAutoNumber = 0x04;
constexpr unsigned char kUuidAutoNumber = 0x40;

// The definition as Jet lays it out: the first page whole, then each page the
// chain leads on to from its header on. Pages are taken only as they are
// needed, so that a definition ending on a page's last byte needs no more.
class DefinitionBytes {
public:
    DefinitionBytes(DatabaseFile& file, const MdbCatalogEntry* entry, const unsigned char* first)
        : file_(file), entry_(entry), page_size_(file.pages().page_size())
    {
        page_.assign(first, first + page_size_);
        seen_.insert((uint32_t)entry->table_pg);
    }

    void start_at(size_t offset)
    {
        while (offset >= page_size_) {
            next_page();
            offset -= page_size_ - kContinuationHeader;
        }
        offset_ = offset;
    }

    // Copies the next `length` bytes, which must all exist.
    void copy(unsigned char* into, size_t length)
    {
        while (length > 0) {
            if (offset_ == page_size_)
                next_page();
            const size_t here = std::min(length, page_size_ - offset_);
            std::memcpy(into, page_.data() + offset_, here);
            into += here;
            offset_ += here;
            length -= here;
        }
    }

    // The next `length` bytes (at most 4) as a little-endian number.
    uint32_t number(size_t length)
    {
        unsigned char bytes[4] = {0, 0, 0, 0};
        copy(bytes, length);
        return read_u32(bytes);
    }

private:
    void next_page()
    {
        const uint32_t next = read_u32(page_.data() + kNextPageOffset);
        if (next == 0)
            throw damaged_definition(entry_->object_name, damage::definition_runs_past_last_page());
        if (!seen_.insert(next).second)
            throw damaged_definition(entry_->object_name, damage::definition_pages_loop());
        if (!file_.pages().read(next, page_.data()))
            throw damaged_definition(entry_->object_name, damage::page_outside_file(next));
        if (page_[0] != kDefinitionPage)
            throw damaged_definition(entry_->object_name, damage::continuation_page_kind(next));
        offset_ = kContinuationHeader;
    }

    DatabaseFile& file_;
    const MdbCatalogEntry* entry_;
    size_t page_size_;
    std::vector<unsigned char> page_;
    std::unordered_set<uint32_t> seen_;
    size_t offset_ = 0;
};

// The map of the pages the table uses: its row must exist on its page and be
// long enough for its kind (0: a bitmap after a first page number; 1: the
// numbers of bitmap pages).
void read_usage_map(DatabaseFile& file, MdbTableDef* table, uint32_t address)
{
    const char* name = table->entry->object_name;
    std::vector<unsigned char> map_page(file.pages().page_size());
    const unsigned char* page = map_page.data();
    PageRow row;
    if (!file.pages().read(address_page(address), map_page.data()))
        throw damaged_definition(name, damage::page_outside_file(address_page(address)));
    if (!find_page_row(file.mdb(), page, address_row(address), row))
        throw damaged_definition(name, damage::usage_map_missing());
    if (row.size < kShortestUsageMap)
        throw damaged_definition(name, damage::usage_map_too_short());
    const unsigned char kind = page[row.start];
    if (kind != 0 && kind != 1)
        throw damaged_definition(name, damage::usage_map_kind());
    table->usage_map = (unsigned char*)g_malloc(row.size);
    std::memcpy(table->usage_map, page + row.start, row.size);
    table->map_sz = row.size;
}

MdbColumn* new_column(MdbTableDef* table, const MdbFormatConstants* fmt, const unsigned char* entry)
{
    auto* column = (MdbColumn*)g_malloc0(sizeof(MdbColumn));
    column->table = table;
    column->col_type = entry[0];
    column->col_num = entry[fmt->col_num_offset];
    column->var_col_num = read_u16(entry + fmt->tab_col_offset_var);
    column->row_col_num = (int)read_u16(entry + fmt->tab_row_col_num_offset);
    if (column->col_type == MDB_NUMERIC || column->col_type == MDB_MONEY || column->col_type == MDB_FLOAT ||
        column->col_type == MDB_DOUBLE) {
        column->col_scale = entry[fmt->col_scale_offset];
        column->col_prec = entry[fmt->col_prec_offset];
    }
    const unsigned char flags = entry[fmt->col_flags_offset];
    column->is_fixed = (flags & kFixedColumn) ? 1 : 0;
    column->is_long_auto = (flags & kLongAutoNumber) ? 1 : 0;
    column->is_uuid_auto = (flags & kUuidAutoNumber) ? 1 : 0;
    column->fixed_offset = (int)read_u16(entry + fmt->tab_col_offset_fixed);
    column->col_size = column->col_type == MDB_BOOL ? 0 : (int)read_u16(entry + fmt->col_size_offset);
    return column;
}

// Fixed columns each own their bytes of the row's fixed part, and variable
// columns each their place in the row's table of offsets: a definition where
// two share them lets one row's bytes be read many times over. Yes/No values
// live in the null mask and take no bytes.
void check_column_places(const MdbTableDef* table, const std::vector<MdbColumn*>& columns, size_t page_size)
{
    std::vector<const MdbColumn*> fixed, variable;
    for (const MdbColumn* c : columns) {
        if (c->is_fixed && c->col_type != MDB_BOOL) {
            if ((size_t)c->fixed_offset + (size_t)c->col_size > page_size)
                throw damaged_definition(table->name, damage::fixed_column_outside_row(c->name));
            fixed.push_back(c);
        } else if (!c->is_fixed) {
            variable.push_back(c);
        }
    }
    std::sort(fixed.begin(), fixed.end(),
              [](const MdbColumn* a, const MdbColumn* b) { return a->fixed_offset < b->fixed_offset; });
    for (size_t i = 1; i < fixed.size(); ++i)
        if (fixed[i - 1]->fixed_offset + fixed[i - 1]->col_size > fixed[i]->fixed_offset)
            throw damaged_definition(table->name, damage::fixed_columns_overlap(fixed[i - 1]->name, fixed[i]->name));
    std::sort(variable.begin(), variable.end(),
              [](const MdbColumn* a, const MdbColumn* b) { return a->var_col_num < b->var_col_num; });
    for (size_t i = 1; i < variable.size(); ++i)
        if (variable[i - 1]->var_col_num == variable[i]->var_col_num)
            throw damaged_definition(table->name,
                                     damage::variable_columns_share_slot(variable[i - 1]->name, variable[i]->name));
}

void read_columns(DatabaseFile& file, MdbTableDef* table, const unsigned char* first, uint32_t real_indexes)
{
    const MdbFormatConstants* fmt = file.mdb()->fmt;
    DefinitionBytes bytes(file, table->entry, first);
    bytes.start_at(fmt->tab_cols_start_offset + real_indexes * fmt->tab_ridx_entry_size);

    std::vector<MdbColumn*> columns;
    table->columns = g_ptr_array_new();  // freed with the table, the columns in it
    std::vector<unsigned char> entry(fmt->tab_col_entry_size);
    for (unsigned i = 0; i < table->num_cols; ++i) {
        bytes.copy(entry.data(), entry.size());
        columns.push_back(new_column(table, fmt, entry.data()));
        g_ptr_array_add(table->columns, columns.back());
    }
    const size_t name_length_size = IS_JET3(file.mdb()) ? 1 : 2;
    std::vector<unsigned char> name;
    for (MdbColumn* column : columns) {
        name.resize(bytes.number(name_length_size));
        bytes.copy(name.data(), name.size());
        const std::string text = file.texts().decode(name.data(), name.size(), sizeof column->name);
        std::memcpy(column->name, text.c_str(), text.size() + 1);
    }
    check_column_places(table, columns, file.pages().page_size());

    // libmdb cracks rows with the columns in the order of their numbers.
    std::stable_sort(columns.begin(), columns.end(),
                     [](const MdbColumn* a, const MdbColumn* b) { return a->col_num < b->col_num; });
    for (unsigned i = 0; i < table->num_cols; ++i)
        g_ptr_array_index(table->columns, i) = columns[i];
}

}  // namespace

TablePtr read_table_definition(DatabaseFile& file, MdbCatalogEntry* entry)
{
    const MdbFormatConstants* fmt = file.mdb()->fmt;
    const uint32_t page_number = (uint32_t)entry->table_pg;
    std::vector<unsigned char> first(file.pages().page_size());
    if (!file.pages().read(page_number, first.data()))
        throw damaged_definition(entry->object_name, damage::page_outside_file(page_number));
    if (first[0] != kDefinitionPage)
        throw damaged_definition(entry->object_name, damage::definition_page_kind());

    TablePtr table(mdb_alloc_tabledef(entry));
    table->num_rows = read_u32(first.data() + fmt->tab_num_rows_offset);
    const uint32_t column_places = read_u16(first.data() + fmt->tab_num_cols_offset - kColumnPlacesBeforeCount);
    table->num_var_cols = read_u16(first.data() + fmt->tab_num_cols_offset - 2);
    table->num_cols = read_u16(first.data() + fmt->tab_num_cols_offset);
    table->num_idxs = read_u32(first.data() + fmt->tab_num_idxs_offset);
    table->num_real_idxs = read_u32(first.data() + fmt->tab_num_ridxs_offset);
    table->first_data_pg = read_u16(first.data() + fmt->tab_first_dpg_offset);
    if (table->num_cols > kMostColumns || table->num_var_cols > column_places || table->num_real_idxs > kMostIndexes)
        throw damaged_definition(entry->object_name, damage::too_many_columns());

    read_columns(file, table.get(), first.data(), table->num_real_idxs);
    read_usage_map(file, table.get(), read_u32(first.data() + fmt->tab_usage_map_offset));
    return table;
}

}  // namespace jet
