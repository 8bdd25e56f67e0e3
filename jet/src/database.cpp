#include "database.h"

#include <mdbtools.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <unordered_set>
#include <vector>

#include "header_page.h"
#include "jet/errors.h"
#include "platform/charset.h"

namespace jet {
namespace {

// Largest text a column yields, in Shift-JIS bytes (memo columns included).
constexpr size_t kBindSize = 64 * 1024;
constexpr int kOffsetMask = 0x1FFF;

// A long value's reference: its length in the low 30 bits, and whether it
// stands in the row itself or on one page row; neither means a page chain.
constexpr uint32_t kInlineValue = 0x80000000;
constexpr uint32_t kSingleRowValue = 0x40000000;
constexpr uint32_t kLengthMask = 0x3FFFFFFF;
// Far above any picture or document of a product; a longer value is taken
// for damage rather than read into memory.
constexpr size_t kLongValueCap = 64 * 1024 * 1024;

std::string quoted(const std::string& name)
{
    return "'" + name + "'";
}

// libmdb converts every text it reads through iconv_in; pointing it at
// CP932 hands out Shift-JIS directly (Jet 4 stores UTF-16, Jet 3 the bytes
// of the database's code page).
void convert_texts_to_sjis(MdbHandle* mdb, uint16_t code_page)
{
    std::string source = "UTF-16LE";
    if (IS_JET3(mdb)) {
        char name[16];
        std::snprintf(name, sizeof name, "CP%u", code_page ? (unsigned)code_page : 1252u);
        source = name;
    }
    iconv_t in = iconv_open("CP932", source.c_str());
    iconv_t out = iconv_open(source.c_str(), "CP932");
    if (in == (iconv_t)-1 || out == (iconv_t)-1) {
        if (in != (iconv_t)-1)
            iconv_close(in);
        if (out != (iconv_t)-1)
            iconv_close(out);
        in = iconv_open("CP932", "CP1252");
        out = iconv_open("CP1252", "CP932");
    }
    if (mdb->iconv_in != (iconv_t)-1)
        iconv_close(mdb->iconv_in);
    if (mdb->iconv_out != (iconv_t)-1)
        iconv_close(mdb->iconv_out);
    mdb->iconv_in = in;
    mdb->iconv_out = out;
}

struct TableDeleter {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using TablePtr = std::unique_ptr<MdbTableDef, TableDeleter>;

std::string take_text(char* text)
{
    std::string s = text ? text : "";
    g_free(text);
    return s;
}

bool is_numeric_type(int type)
{
    switch (type) {
    case MDB_BOOL:
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
    case MDB_MONEY:
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_DATETIME:
    case MDB_NUMERIC: return true;
    default: return false;
    }
}

bool is_sortable_type(int type)
{
    return type != MDB_OLE && type != MDB_BINARY && type != MDB_COMPLEX;
}

int64_t read_int64_le(const unsigned char* p)
{
    uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | p[i];
    return (int64_t)bits;
}

EDatabaseError damaged_long_value(MdbColumn* column, const char* what)
{
    return EDatabaseError(std::string("The long value of the column ") + quoted(column->name) + " is damaged: " + what);
}

// The long value whose 12-byte reference the fetch left in the column's
// bound buffer, read piece by piece along its page chain. A damaged chain
// (one pointing back to a piece already read, ending early or running past
// the length the reference declares) raises instead of being followed for
// ever.
std::string read_long_value(MdbHandle* mdb, MdbColumn* column)
{
    unsigned char reference[MDB_MEMO_OVERHEAD];
    std::memcpy(reference, column->bind_ptr, sizeof reference);
    const uint32_t header = (uint32_t)mdb_get_int32(reference, 0);
    const size_t declared = header & kLengthMask;
    const bool chained = (header & (kInlineValue | kSingleRowValue)) == 0;
    if (declared > kLongValueCap)
        throw damaged_long_value(column, "its length is beyond reason");
    if ((header & kInlineValue) && (header & kSingleRowValue))
        throw damaged_long_value(column, "its reference is not one of a long value");
    if (declared == 0)
        return std::string();

    // Each piece lands in the bound buffer, overwriting the reference.
    const char* piece = (const char*)column->bind_ptr;
    std::string value;
    value.reserve(declared);
    size_t length = mdb_ole_read(mdb, column, reference, kBindSize);
    std::unordered_set<uint32_t> pieces_read{(uint32_t)mdb_get_int32(reference, 4)};
    while (length > 0) {
        if (value.size() + length > declared)
            throw damaged_long_value(column, "it runs past its length");
        value.append(piece, length);
        if (!chained || column->cur_blob_pg_row == 0)
            break;
        if (!pieces_read.insert(column->cur_blob_pg_row).second)
            throw damaged_long_value(column, "its page chain points back");
        length = mdb_ole_read_next(mdb, column, reference);
    }
    if (value.size() != declared)
        throw damaged_long_value(column, "it ends before its length");
    return value;
}

// One field of the row just fetched (mdb->pg_buf holds its page).
Value decode(MdbHandle* mdb, MdbColumn* column, const MdbField& field)
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
    const unsigned char* pg = mdb->pg_buf;
    const int at = field.start;
    switch (column->col_type) {
    case MDB_BYTE:
        v.kind = Value::Integer;
        v.integer = mdb_get_byte(mdb->pg_buf, at);
        break;
    case MDB_INT:
        v.kind = Value::Integer;
        v.integer = (int16_t)mdb_get_int16(mdb->pg_buf, at);
        break;
    case MDB_LONGINT:
    case MDB_COMPLEX:
        v.kind = Value::Integer;
        v.integer = (int32_t)mdb_get_int32(mdb->pg_buf, at);
        break;
    case MDB_FLOAT:
        v.kind = Value::Float;
        v.real = mdb_get_single(mdb->pg_buf, at);
        break;
    case MDB_DOUBLE:
    case MDB_DATETIME:
        v.kind = Value::Float;
        v.real = mdb_get_double(mdb->pg_buf, at);
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
    case MDB_MEMO:
        v.kind = Value::Text;
        v.bytes = take_text(mdb_col_to_string(mdb, mdb->pg_buf, at, column->col_type, field.siz));
        break;
    case MDB_REPID:
        v.kind = Value::Text;
        v.bytes = take_text(mdb_uuid_to_string(mdb->pg_buf, at));
        break;
    case MDB_OLE:
        v.kind = Value::Blob;
        v.bytes = read_long_value(mdb, column);
        break;
    default:
        v.kind = Value::Blob;
        if (field.siz > 0)
            v.bytes.assign((const char*)pg + at, (size_t)field.siz);
        break;
    }
    return v;
}

bool matches(const Value& v, int64_t wanted)
{
    switch (v.kind) {
    case Value::Integer:
    case Value::Boolean: return v.integer == wanted;
    case Value::Float: return v.real == (double)wanted;
    default: return false;
    }
}

int compare_text(const std::string& a, const std::string& b)
{
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = (unsigned char)a[i], y = (unsigned char)b[i];
        if (x >= 'a' && x <= 'z')
            x = (unsigned char)(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = (unsigned char)(y - 'a' + 'A');
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

// Nulls first, then numbers by value, texts by their bytes without case.
bool less(const Value& a, const Value& b)
{
    if (a.kind == Value::Null || b.kind == Value::Null)
        return a.kind == Value::Null && b.kind != Value::Null;
    bool a_int = a.kind == Value::Integer || a.kind == Value::Boolean;
    bool b_int = b.kind == Value::Integer || b.kind == Value::Boolean;
    if (a_int && b_int)
        return a.integer < b.integer;
    if ((a_int || a.kind == Value::Float) && (b_int || b.kind == Value::Float))
        return (a_int ? (double)a.integer : a.real) < (b_int ? (double)b.integer : b.real);
    return compare_text(a.bytes, b.bytes) < 0;
}

}  // namespace

struct Database::Handle {
    MdbHandle* mdb = nullptr;
    ~Handle()
    {
        if (mdb)
            mdb_close(mdb);
    }
};

Database::Database(std::unique_ptr<Handle> handle) : handle_(std::move(handle)) {}
Database::~Database() = default;

std::unique_ptr<Database> Database::open(const ConnectionSettings& settings)
{
    if (!same_sjis_name(settings.provider, "Microsoft.Jet.OLEDB.4.0"))
        throw EDatabaseError("Provider " + quoted(settings.provider) + " is not available");
    if (!same_sjis_name(settings.user_id, "Admin") || !settings.user_password.empty())
        throw EDatabaseError("Not a valid account name or password: " + quoted(settings.user_id));
    if (settings.data_source.empty())
        throw EDatabaseError("The connection text names no Data Source");

    const std::string path = sjis_to_utf8(settings.data_source);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        throw EDatabaseError("Could not find file " + quoted(settings.data_source));
    unsigned char page[kHeaderBytes];
    size_t got = std::fread(page, 1, sizeof page, file);
    std::fclose(file);
    HeaderPage header;
    if (!read_header_page(page, got, header))
        throw EDatabaseError("Unrecognized database format " + quoted(settings.data_source));
    if (!password_matches(header, settings.database_password))
        throw EDatabaseError("Not a valid password for " + quoted(settings.data_source));

    auto handle = std::make_unique<Handle>();
    handle->mdb = mdb_open(path.c_str(), MDB_NOFLAGS);
    if (!handle->mdb)
        throw EDatabaseError("Unrecognized database format " + quoted(settings.data_source));
    convert_texts_to_sjis(handle->mdb, header.code_page);
    mdb_set_bind_size(handle->mdb, kBindSize);
    if (!mdb_read_catalog(handle->mdb, MDB_TABLE))
        throw EDatabaseError("The catalog of " + quoted(settings.data_source) + " cannot be read");
    return std::unique_ptr<Database>(new Database(std::move(handle)));
}

std::unique_ptr<ResultSet> Database::select(const Statement& st)
{
    MdbHandle* mdb = handle_->mdb;
    MdbCatalogEntry* entry = nullptr;
    for (unsigned i = 0; i < mdb->num_catalog && !entry; ++i) {
        auto* e = (MdbCatalogEntry*)g_ptr_array_index(mdb->catalog, i);
        if (e->object_type == MDB_TABLE && same_sjis_name(e->object_name, st.table))
            entry = e;
    }
    if (!entry)
        throw EDatabaseError("The table " + quoted(st.table) + " does not exist");

    TablePtr table(mdb_read_table(entry));
    if (!table || !mdb_read_columns(table.get()))
        throw EDatabaseError("The table " + quoted(st.table) + " cannot be read");

    auto result = std::make_unique<ResultSet>();
    const unsigned ncols = table->num_cols;
    std::vector<MdbColumn*> columns(ncols);
    for (unsigned i = 0; i < ncols; ++i) {
        columns[i] = (MdbColumn*)g_ptr_array_index(table->columns, i);
        result->columns.push_back(columns[i]->name);
    }
    auto column_of = [&](const std::string& name) {
        for (unsigned i = 0; i < ncols; ++i)
            if (same_sjis_name(result->columns[i], name))
                return i;
        throw EDatabaseError("The column " + quoted(name) + " does not exist in table " + quoted(st.table));
    };
    unsigned where_col = 0, order_col = 0;
    if (st.has_where) {
        where_col = column_of(st.where_column);
        if (!is_numeric_type(columns[where_col]->col_type))
            throw EDatabaseError("Data type mismatch: the column " + quoted(st.where_column) +
                                 " cannot be compared with a number");
    }
    if (st.has_order) {
        order_col = column_of(st.order_column);
        if (!is_sortable_type(columns[order_col]->col_type))
            throw EDatabaseError("Cannot sort on the column " + quoted(st.order_column));
    }

    // Blob columns are read through their bound 12-byte reference.
    std::vector<std::vector<char>> blob_buffers;
    for (unsigned i = 0; i < ncols; ++i) {
        if (columns[i]->col_type == MDB_OLE) {
            blob_buffers.emplace_back(kBindSize);
            mdb_bind_column(table.get(), (int)i + 1, blob_buffers.back().data(), nullptr);
        }
    }

    std::vector<MdbField> fields(ncols ? ncols : 1);
    uint32_t stored = 0;
    mdb_rewind_table(table.get());
    while (mdb_fetch_row(table.get())) {
        // The fetch has checked the row; crack it again for its nulls.
        int start = 0;
        size_t size = 0;
        if (mdb_find_row(mdb, (int)table->cur_row - 1, &start, &size) != 0 ||
            mdb_crack_row(table.get(), start & kOffsetMask, size, fields.data()) < 0)
            continue;
        if (st.has_where && !matches(decode(mdb, columns[where_col], fields[where_col]), st.where_value))
            continue;
        for (unsigned i = 0; i < ncols; ++i)
            result->cells.push_back(decode(mdb, columns[i], fields[i]));
        result->order.push_back(stored++);
    }

    if (st.has_order) {
        const ResultSet& r = *result;
        auto key = [&](uint32_t row) -> const Value& { return r.cells[row * ncols + order_col]; };
        if (st.descending)
            std::stable_sort(result->order.begin(), result->order.end(),
                             [&](uint32_t a, uint32_t b) { return less(key(b), key(a)); });
        else
            std::stable_sort(result->order.begin(), result->order.end(),
                             [&](uint32_t a, uint32_t b) { return less(key(a), key(b)); });
    }
    return result;
}

}  // namespace jet
