#include "table_rows.h"

#include <charconv>
#include <string>
#include <vector>

#include "jet/errors.h"
#include "long_value.h"
#include "page_rows.h"

namespace jet {
namespace {

EDatabaseError damaged_row(const MdbTableDef* table, const std::string& what)
{
    return EDatabaseError("A row of the table '" + std::string(table->name) + "' is damaged: " + what);
}

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

// The columns a row stores: a column added to the table after the row was
// written has no bit in the row's null mask and reads as null.
unsigned row_column_count(const MdbHandle* mdb, const unsigned char* row)
{
    return IS_JET3(mdb) ? row[0] : read_u16(row);
}

void check_fields(MdbTableDef* table, const PageRow& row, MdbField* fields)
{
    const unsigned stored = row_column_count(table->entry->mdb, table->entry->mdb->pg_buf + row.start);
    const long long row_end = (long long)(row.start + row.size);
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
            throw damaged_row(table, "the column '" + std::string(column->name) + "' lies outside it");
    }
}

}  // namespace

void for_each_row(MdbTableDef* table, const std::function<void(const MdbField* fields)>& visit)
{
    MdbHandle* mdb = table->entry->mdb;
    if (table->num_cols == 0)
        return;
    std::vector<MdbField> fields(table->num_cols);
    mdb_rewind_table(table);
    while (mdb_read_next_dpg(table)) {
        unsigned count;
        if (!page_row_count(mdb, mdb->pg_buf, count))
            throw damaged_row(table, "its page lists more rows than it can hold");
        for (unsigned r = 0; r < count; ++r) {
            PageRow row;
            if (!find_page_row(mdb, mdb->pg_buf, r, row) || row.size == 0 || row.deleted)
                continue;
            if (mdb_crack_row(table, (int)row.start, row.size, fields.data()) < 0)
                continue;
            check_fields(table, row, fields.data());
            visit(fields.data());
        }
    }
}

Value decode_field(MdbHandle* mdb, MdbColumn* column, const MdbField& field)
{
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
        v.bytes = take_text(mdb_col_to_string(mdb, pg, at, MDB_TEXT, field.siz));
        break;
    case MDB_MEMO: {
        // libmdb's own memo reader follows a chain without end; the bytes are
        // read here and only converted there.
        std::string stored = field.siz == 0 ? std::string() : read_long_value(mdb, column->name, pg + at, field.siz);
        std::vector<char> text(kTextCap);
        mdb_unicode2ascii(mdb, stored.data(), stored.size(), text.data(), text.size());
        v.kind = Value::Text;
        v.bytes = text.data();
        break;
    }
    case MDB_REPID:
        v.kind = Value::Text;
        v.bytes = take_text(mdb_uuid_to_string(pg, at));
        break;
    case MDB_OLE:
        v.kind = Value::Blob;
        if (field.siz > 0)
            v.bytes = read_long_value(mdb, column->name, pg + at, field.siz);
        break;
    default:
        v.kind = Value::Blob;
        if (field.siz > 0)
            v.bytes.assign((const char*)pg + at, (size_t)field.siz);
        break;
    }
    return v;
}

}  // namespace jet
