#include "table_rows.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <vector>

#include "error_texts.h"
#include "long_value.h"
#include "page_rows.h"

namespace jet {
namespace {

constexpr unsigned char kDataPage = 0x01;
constexpr size_t kOwnerOffset = 4;
// A usage map's kind byte; kind 0 then names its first page.
constexpr size_t kMapStart = 1;
constexpr size_t kBitmapStart = 5;
// A bitmap page of a kind 1 map starts after its 4-byte header.
constexpr size_t kBitmapPageHeader = 4;

std::string take_text(char* text)
{
    std::string s = text ? text : "";
    g_free(text);
    return s;
}

int64_t read_int64_le(const unsigned char* p)
{
    uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | p[i];
    return (int64_t)bits;
}

// Bytes a stored value of the type takes; 0 for the types of any length.
int stored_width(int type)
{
    switch (type) {
    case MDB_BYTE: return 1;
    case MDB_INT: return 2;
    case MDB_LONGINT:
    case MDB_COMPLEX:
    case MDB_FLOAT: return 4;
    case MDB_MONEY:
    case MDB_DOUBLE:
    case MDB_DATETIME: return 8;
    case MDB_REPID: return 16;
    case MDB_NUMERIC: return 17;
    default: return 0;
    }
}

// The pages a usage map marks, in the order of their numbers: a bitmap in
// the map itself (kind 0) or on bitmap pages that the map names (kind 1).
class MarkedPages {
public:
    MarkedPages(DatabaseFile& file, const MdbTableDef* table) : file_(file), table_(table)
    {
        const unsigned char* map = table->usage_map;
        if (map[0] == 0) {
            first_page_ = read_u32(map + kMapStart);
            bits_ = map + kBitmapStart;
            bit_count_ = (table->map_sz - kBitmapStart) * 8;
        } else {
            bitmap_pages_ = (table->map_sz - kMapStart) / 4;
            bitmap_bits_ = (file.pages().page_size() - kBitmapPageHeader) * 8;
        }
    }

    // False when no page is left.
    bool next(uint32_t& page)
    {
        for (;;) {
            while (bit_ < bit_count_) {
                const size_t bit = bit_++;
                if (bits_[bit / 8] == 0) {
                    bit_ = (bit / 8 + 1) * 8;
                    continue;
                }
                if (!(bits_[bit / 8] & (1u << (bit % 8))))
                    continue;
                const uint64_t number = (uint64_t)first_page_ + bit;
                if (number == 0)
                    continue;  // the header page is no page of a table
                if (number >= file_.pages().page_count())
                    throw damaged_row(table_->name,
                                      damage::page_outside_file((uint32_t)std::min<uint64_t>(number, UINT32_MAX)));
                page = (uint32_t)number;
                return true;
            }
            if (!next_bitmap_page())
                return false;
        }
    }

private:
    bool next_bitmap_page()
    {
        while (bitmap_ < bitmap_pages_) {
            const size_t index = bitmap_++;
            const uint32_t number = read_u32(table_->usage_map + kMapStart + 4 * index);
            if (number == 0)
                continue;
            if (!file_.pages().read(number, bitmap_page_.data()))
                throw damaged_row(table_->name, damage::page_outside_file(number));
            first_page_ = (uint64_t)index * bitmap_bits_;
            bits_ = bitmap_page_.data() + kBitmapPageHeader;
            bit_count_ = bitmap_bits_;
            bit_ = 0;
            return true;
        }
        return false;
    }

    DatabaseFile& file_;
    const MdbTableDef* table_;
    uint64_t first_page_ = 0;
    const unsigned char* bits_ = nullptr;
    size_t bit_count_ = 0;
    size_t bit_ = 0;
    size_t bitmap_pages_ = 0;
    size_t bitmap_ = 0;
    size_t bitmap_bits_ = 0;
    std::vector<unsigned char> bitmap_page_ = std::vector<unsigned char>(MDB_PGSIZE);
};

// The columns a row stores: a column added to the table after the row was
// written has no bit in the row's null mask and reads as null.
unsigned row_column_count(const MdbHandle* mdb, const unsigned char* row)
{
    return IS_JET3(mdb) ? row[0] : read_u16(row);
}

// Whether the row holds its own frame: the count of its columns first, and
// at its end their null mask and, when the table has variable columns, the
// count of those the row stores, their offsets and one more for the end of
// their data (Jet 3: a byte each, with a jump byte for each further 256
// bytes of row). libmdb cannot split a row without it and passes it over; it
// is passed over here before anything of it is taken apart column by column.
bool row_frame_fits(const MdbHandle* mdb, const MdbTableDef* table, const unsigned char* row, size_t size)
{
    const size_t count_size = IS_JET3(mdb) ? 1 : 2;
    if (size < count_size)
        return false;
    const unsigned columns = row_column_count(mdb, row);
    const size_t mask = (columns + 7) / 8;
    if (size < count_size + mask)
        return false;
    if (table->num_var_cols == 0)
        return true;
    if (size < 2 * count_size + mask)
        return false;
    const unsigned variable = IS_JET3(mdb) ? row[size - mask - 1] : read_u16(row + size - mask - count_size);
    const size_t jumps = IS_JET3(mdb) && size > 512 ? (size - 1) / 256 - 1 : 0;
    return variable <= columns && 2 * count_size + mask + (variable + 1) * count_size + jumps <= size;
}

struct Span {
    long long start, end;
    const MdbColumn* column;
};

// Every value must lie inside its row, be as wide as its type, and own its
// bytes: columns reading the same bytes would let one row be read many times.
void check_fields(MdbTableDef* table, const PageRow& row, MdbField* fields, std::vector<Span>& spans)
{
    MdbHandle* mdb = table->entry->mdb;
    const unsigned stored = row_column_count(mdb, mdb->pg_buf + row.start);
    const long long row_end = (long long)(row.start + row.size);
    spans.clear();
    for (unsigned i = 0; i < table->num_cols; ++i) {
        auto* column = (MdbColumn*)g_ptr_array_index(table->columns, i);
        MdbField& f = fields[i];
        if (column->col_num < 0 || (unsigned)column->col_num >= stored) {
            f.is_null = 1;
            f.start = 0;
            f.siz = 0;
        }
        if (f.is_null || column->col_type == MDB_BOOL)
            continue;
        if (f.siz < stored_width(column->col_type) || f.start < (long long)row.start ||
            (long long)f.start + f.siz > row_end)
            throw damaged_row(table->name, damage::field_outside_row(column->name));
        if (f.siz > 0)
            spans.push_back({(long long)f.start, (long long)f.start + f.siz, column});
    }
    std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.start < b.start; });
    for (size_t i = 1; i < spans.size(); ++i)
        if (spans[i - 1].end > spans[i].start)
            throw damaged_row(table->name, damage::fields_overlap(spans[i - 1].column->name, spans[i].column->name));
}

}  // namespace

void for_each_row(StatementReading& statement, MdbTableDef* table,
                  const std::function<void(const MdbField* fields)>& visit)
{
    DatabaseFile& file = statement.file;
    MdbHandle* mdb = file.mdb();
    if (table->num_cols == 0)
        return;
    std::vector<MdbField> fields(table->num_cols);
    std::vector<Span> spans;
    MarkedPages pages(file, table);
    uint32_t page;
    while (pages.next(page)) {
        if (!file.load_page(page))
            throw damaged_row(table->name, damage::page_outside_file(page));
        if (mdb->pg_buf[0] != kDataPage || read_u32(mdb->pg_buf + kOwnerOffset) != (uint32_t)table->entry->table_pg)
            continue;  // a page the map marks wrongly, passed over as libmdb passes it over
        unsigned count;
        if (!page_row_count(mdb, mdb->pg_buf, count))
            throw damaged_row(table->name, damage::row_table_too_long());
        for (unsigned r = 0; r < count; ++r) {
            PageRow row;
            if (!find_page_row(mdb, mdb->pg_buf, r, row) || row.size == 0 || row.deleted ||
                !row_frame_fits(mdb, table, mdb->pg_buf + row.start, row.size))
                continue;
            statement.budget.take_row(table->num_cols);
            if (mdb_crack_row(table, (int)row.start, row.size, fields.data()) < 0)
                continue;
            check_fields(table, row, fields.data(), spans);
            visit(fields.data());
        }
    }
}

Value decode_field(StatementReading& statement, MdbColumn* column, const MdbField& field)
{
    DatabaseFile& file = statement.file;
    StatementBudget& budget = statement.budget;
    MdbHandle* mdb = file.mdb();
    Value v;
    if (column->col_type == MDB_BOOL) {
        // A yes/no value lives in the null mask: a set bit is yes.
        v.kind = Value::Boolean;
        v.integer = field.is_null ? 0 : -1;
        return v;
    }
    if (field.is_null)
        return v;
    unsigned char* pg = mdb->pg_buf;
    const int at = field.start;
    switch (column->col_type) {
    case MDB_BYTE:
        v.kind = Value::Integer;
        v.integer = pg[at];
        break;
    case MDB_INT:
        v.kind = Value::Integer;
        v.integer = (int16_t)read_u16(pg + at);
        break;
    case MDB_LONGINT:
    case MDB_COMPLEX:
        v.kind = Value::Integer;
        v.integer = (int32_t)read_u32(pg + at);
        break;
    case MDB_FLOAT:
        v.kind = Value::Float;
        v.real = mdb_get_single(pg, at);
        break;
    case MDB_DOUBLE:
    case MDB_DATETIME:
        v.kind = Value::Float;
        v.real = mdb_get_double(pg, at);
        break;
    case MDB_MONEY:
        v.kind = Value::Float;
        v.real = (double)read_int64_le(pg + at) / 10000.0;
        break;
    case MDB_NUMERIC: {
        std::string text = take_text(mdb_numeric_to_string(mdb, at, column->col_scale, column->col_prec));
        v.kind = Value::Float;
        std::from_chars(text.data(), text.data() + text.size(), v.real);
        break;
    }
    case MDB_TEXT:
        v.kind = Value::Text;
        v.bytes = file.texts().decode(pg + at, (size_t)field.siz, kTextCap);
        break;
    case MDB_MEMO: {
        // Only the text that is kept is held; the stored bytes go once read.
        const std::string stored =
            field.siz == 0 ? std::string() : read_long_value(statement, column, pg + at, (size_t)field.siz, false);
        v.kind = Value::Text;
        v.bytes = file.texts().decode((const unsigned char*)stored.data(), stored.size(), kTextCap);
        break;
    }
    case MDB_REPID:
        v.kind = Value::Text;
        v.bytes = take_text(mdb_uuid_to_string(pg, at));
        break;
    case MDB_OLE:
        v.kind = Value::Blob;
        if (field.siz > 0)
            v.blob = std::make_shared<const std::string>(
                read_long_value(statement, column, pg + at, (size_t)field.siz, true));
        return v;
    default:
        v.kind = Value::Blob;
        budget.take((size_t)field.siz);
        v.blob = std::make_shared<const std::string>((const char*)pg + at, (size_t)field.siz);
        return v;
    }
    budget.take(v.bytes.size());
    return v;
}

}  // namespace jet
