#include "table_layout.h"

#include <algorithm>

#include <platform/charset.h>

namespace jetwriter {

namespace {

constexpr std::size_t kMaxNameCharacters = 64;
constexpr std::size_t kMaxColumns = 255;
constexpr int kMaxTextLength = 255;

ColumnLayout layout_of(const Column& column)
{
    switch (column.type) {
    case ColumnType::Integer: return {kJetInteger, true, 0, 0, 2};
    case ColumnType::Long: return {kJetLong, true, 0, 0, 4};
    case ColumnType::Double: return {kJetDouble, true, 0, 0, 8};
    case ColumnType::DateTime: return {kJetDateTime, true, 0, 0, 8};
    case ColumnType::Text: return {kJetText, false, 0, 0, static_cast<unsigned>(2 * column.length)};
    case ColumnType::Memo: return {kJetMemo, false, 0, 0, 0};
    case ColumnType::OLE: return {kJetOle, false, 0, 0, 0};
    }
    throw Error("unknown column type");
}

void check_name(const std::string& name, const std::string& what, int line)
{
    if (name.empty())
        throw Error(what + " has no name", line);
    if (name.size() > kMaxNameCharacters)
        throw Error(what + " " + name + ": a name has at most 64 bytes", line);
}

// Fixed columns lie in the row one after the other, in the order of their
// numbers or in the order the table names.
void place_fixed_columns(const Table& table, TableLayout& layout)
{
    const std::string where = "table " + table.name + ": fixed order: ";
    std::vector<std::size_t> order;
    if (table.fixed_order.empty()) {
        for (std::size_t i = 0; i < table.columns.size(); ++i)
            if (layout.columns[i].fixed)
                order.push_back(i);
    }
    auto placed = [&](std::size_t i) { return std::find(order.begin(), order.end(), i) != order.end(); };
    for (const std::string& name : table.fixed_order) {
        // A name that a deleted and a live column share means the first not placed yet.
        bool named = false;
        std::size_t i = 0;
        for (; i < table.columns.size(); ++i) {
            if (!same_sjis_name(table.columns[i].name, name))
                continue;
            named = true;
            if (!placed(i))
                break;
        }
        if (!named)
            throw Error(where + "no column " + name, table.line);
        if (i == table.columns.size())
            throw Error(where + "column " + name + " appears twice", table.line);
        if (!layout.columns[i].fixed)
            throw Error(where + "column " + name + " is not of a fixed size", table.line);
        order.push_back(i);
    }
    for (std::size_t i = 0; i < table.columns.size(); ++i)
        if (layout.columns[i].fixed && !placed(i))
            throw Error(where + "column " + table.columns[i].name + " is missing", table.line);
    unsigned offset = 0;
    for (std::size_t i : order) {
        layout.columns[i].fixed_offset = offset;
        offset += layout.columns[i].length;
    }
}

}  // namespace

std::string type_name(const Column& column)
{
    switch (column.type) {
    case ColumnType::Integer: return "Integer";
    case ColumnType::Long: return "Long";
    case ColumnType::Double: return "Double";
    case ColumnType::DateTime: return "DateTime";
    case ColumnType::Text: return "Text(" + std::to_string(column.length) + ")";
    case ColumnType::Memo: return "Memo";
    case ColumnType::OLE: return "OLE";
    }
    return "?";
}

unsigned TableLayout::fixed_length(std::size_t stored) const
{
    unsigned length = 0;
    for (std::size_t i = 0; i < stored && i < columns.size(); ++i)
        if (columns[i].fixed && columns[i].fixed_offset + columns[i].length > length)
            length = columns[i].fixed_offset + columns[i].length;
    return length;
}

unsigned TableLayout::var_places(std::size_t stored) const
{
    unsigned places = 0;
    for (std::size_t i = 0; i < stored && i < columns.size(); ++i)
        places += columns[i].fixed ? 0 : 1;
    return places;
}

TableLayout lay_out_table(const Table& table)
{
    check_name(table.name, "a table", table.line);
    const std::string where = "table " + table.name;
    if (table.columns.size() > kMaxColumns)
        throw Error(where + " has more than 255 columns", table.line);
    TableLayout layout;
    std::size_t live = 0;
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        const Column& column = table.columns[i];
        check_name(column.name, where + ": a column", table.line);
        // A deleted column's name may come back on a column added since.
        for (std::size_t j = 0; j < i; ++j)
            if (!column.deleted && !table.columns[j].deleted && same_sjis_name(table.columns[j].name, column.name))
                throw Error(where + ": column " + column.name + " appears twice", table.line);
        if (column.type == ColumnType::Text && (column.length < 1 || column.length > kMaxTextLength))
            throw Error(where + ": column " + column.name + ": Text length must be from 1 to 255", table.line);
        ColumnLayout c = layout_of(column);
        if (!c.fixed)
            c.var_index = layout.var_count++;
        live += column.deleted ? 0 : 1;
        layout.columns.push_back(c);
    }
    if (live == 0)
        throw Error(where + " has no columns", table.line);
    place_fixed_columns(table, layout);
    return layout;
}

}  // namespace jetwriter
