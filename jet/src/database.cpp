#include "database.h"

#include "libmdb.h"

#include <algorithm>
#include <vector>

#include "catalog.h"
#include "database_file.h"
#include "error_texts.h"
#include "platform/charset.h"
#include "statement_reading.h"
#include "table_definition.h"
#include "table_rows.h"

namespace jet {
namespace {

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
    std::unique_ptr<DatabaseFile> file;
    std::vector<CatalogEntryPtr> tables;
};

Database::Database(std::unique_ptr<Handle> handle) : handle_(std::move(handle)) {}
Database::~Database() = default;

std::unique_ptr<Database> Database::open(const ConnectionSettings& settings)
{
    if (!same_sjis_name(settings.provider, "Microsoft.Jet.OLEDB.4.0"))
        throw provider_not_available(settings.provider);
    if (!same_sjis_name(settings.user_id, "Admin") || !settings.user_password.empty())
        throw account_not_valid(settings.user_id);
    if (settings.data_source.empty())
        throw no_data_source();

    auto handle = std::make_unique<Handle>();
    handle->file = std::make_unique<DatabaseFile>(sjis_to_utf8(settings.data_source), settings.data_source);
    if (!password_matches(handle->file->header(), settings.database_password))
        throw password_not_valid(settings.data_source);
    try {
        handle->tables = read_catalog(*handle->file);
    } catch (const EDatabaseError& e) {
        throw catalog_unreadable(settings.data_source, e.what());
    }
    return std::unique_ptr<Database>(new Database(std::move(handle)));
}

std::unique_ptr<ResultSet> Database::select(const Statement& st)
{
    DatabaseFile& file = *handle_->file;
    MdbCatalogEntry* entry = nullptr;
    for (const CatalogEntryPtr& e : handle_->tables)
        if (!entry && same_sjis_name(e->object_name, st.table))
            entry = e.get();
    if (!entry)
        throw table_not_found(st.table);

    TablePtr table = read_table_definition(file, entry);
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
        throw column_not_found(name, st.table);
    };
    unsigned where_col = 0, order_col = 0;
    if (st.has_where) {
        where_col = column_of(st.where_column);
        if (!is_numeric_type(columns[where_col]->col_type))
            throw not_comparable_with_number(st.where_column);
    }
    if (st.has_order) {
        order_col = column_of(st.order_column);
        if (!is_sortable_type(columns[order_col]->col_type))
            throw not_sortable(st.order_column);
    }

    StatementReading reading(file, entry->object_name);
    uint32_t stored = 0;
    for_each_row(reading, table.get(), [&](const MdbField* fields) {
        if (st.has_where && !matches(decode_field(reading, columns[where_col], fields[where_col]), st.where_value))
            return;
        for (unsigned i = 0; i < ncols; ++i)
            result->cells.push_back(decode_field(reading, columns[i], fields[i]));
        reading.budget.take(sizeof(uint32_t));
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
