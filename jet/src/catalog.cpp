#include "catalog.h"

#include <cstdio>
#include <string>

#include "error_texts.h"
#include "platform/charset.h"
#include "statement_reading.h"
#include "table_definition.h"
#include "table_rows.h"

namespace jet {
namespace {

constexpr unsigned long kCatalogPage = 2;
constexpr char kCatalogName[] = "MSysObjects";
// The object's type is in the low seven bits of its Type; the page of its
// definition in the low 24 bits of its Id.
constexpr int64_t kObjectTypeMask = 0x7F;
constexpr int64_t kDefinitionPageMask = 0x00FFFFFF;

CatalogEntryPtr new_entry(MdbHandle* mdb, const std::string& name, unsigned long page)
{
    auto entry = std::make_unique<MdbCatalogEntry>();
    entry->mdb = mdb;
    entry->object_type = MDB_TABLE;
    entry->table_pg = page;
    std::snprintf(entry->object_name, sizeof entry->object_name, "%s", name.c_str());
    return entry;
}

unsigned column_named(MdbTableDef* table, const char* name)
{
    for (unsigned i = 0; i < table->num_cols; ++i) {
        auto* column = (MdbColumn*)g_ptr_array_index(table->columns, i);
        if (same_sjis_name(column->name, name))
            return i;
    }
    throw damaged_definition(kCatalogName, damage::catalog_column_missing(name));
}

int64_t whole_number(const Value& v)
{
    switch (v.kind) {
    case Value::Null: return 0;
    case Value::Integer:
    case Value::Boolean: return v.integer;
    default: throw damaged_row(kCatalogName, damage::catalog_number_missing());
    }
}

}  // namespace

std::vector<CatalogEntryPtr> read_catalog(DatabaseFile& file)
{
    MdbHandle* mdb = file.mdb();
    CatalogEntryPtr catalog = new_entry(mdb, kCatalogName, kCatalogPage);
    TablePtr table = read_table_definition(file, catalog.get());
    const unsigned id = column_named(table.get(), "Id");
    const unsigned name = column_named(table.get(), "Name");
    const unsigned type = column_named(table.get(), "Type");
    auto column = [&](unsigned i) { return (MdbColumn*)g_ptr_array_index(table->columns, i); };

    StatementReading reading(file, kCatalogName);
    std::vector<CatalogEntryPtr> tables;
    for_each_row(reading, table.get(), [&](const MdbField* fields) {
        if ((whole_number(decode_field(reading, column(type), fields[type])) & kObjectTypeMask) != MDB_TABLE)
            return;
        const unsigned long page =
            (unsigned long)(whole_number(decode_field(reading, column(id), fields[id])) & kDefinitionPageMask);
        reading.budget.take(sizeof(MdbCatalogEntry));
        tables.push_back(new_entry(mdb, decode_field(reading, column(name), fields[name]).bytes, page));
    });
    return tables;
}

}  // namespace jet
