#include "database.h"

#include "libmdb.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "catalog.h"
#include "header_page.h"
#include "jet/errors.h"
#include "platform/charset.h"
#include "table_definition.h"
#include "table_rows.h"

namespace jet {
namespace {

// What one result may hold in memory. A damaged file can list one row many
// times or point many rows at one long value; past this it is taken for
// damage rather than read on.
constexpr size_t kResultCap = 256 * 1024 * 1024;

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
    std::vector<CatalogEntryPtr> tables;
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
    mdb_set_bind_size(handle->mdb, kTextCap);
    try {
        handle->tables = read_catalog(handle->mdb);
    } catch (const EDatabaseError& e) {
        throw EDatabaseError("The catalog of " + quoted(settings.data_source) + " cannot be read: " + e.what());
    }
    return std::unique_ptr<Database>(new Database(std::move(handle)));
}

std::unique_ptr<ResultSet> Database::select(const Statement& st)
{
    MdbHandle* mdb = handle_->mdb;
    MdbCatalogEntry* entry = nullptr;
    for (const CatalogEntryPtr& e : handle_->tables)
        if (!entry && same_sjis_name(e->object_name, st.table))
            entry = e.get();
    if (!entry)
        throw EDatabaseError("The table " + quoted(st.table) + " does not exist");

    TablePtr table = read_table_definition(entry);
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

    uint32_t stored = 0;
    size_t held = 0;
    for_each_row(table.get(), [&](const MdbField* fields) {
        if (st.has_where && !matches(decode_field(mdb, columns[where_col], fields[where_col]), st.where_value))
            return;
        for (unsigned i = 0; i < ncols; ++i) {
            result->cells.push_back(decode_field(mdb, columns[i], fields[i]));
            held += sizeof(Value) + result->cells.back().bytes.size();
        }
        if (held > kResultCap)
            throw EDatabaseError("The table " + quoted(st.table) +
                                 " holds more than a result can: the file is damaged");
        result->order.push_back(stored++);
    });

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
