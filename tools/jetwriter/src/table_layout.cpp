#include "table_layout.h"

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

TableLayout lay_out_table(const Table& table)
{
    check_name(table.name, "a table", table.line);
    const std::string where = "table " + table.name;
    if (table.columns.empty())
        throw Error(where + " has no columns", table.line);
    if (table.columns.size() > kMaxColumns)
        throw Error(where + " has more than 255 columns", table.line);
    TableLayout layout;
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        const Column& column = table.columns[i];
        check_name(column.name, where + ": a column", table.line);
        for (std::size_t j = 0; j < i; ++j)
            if (same_sjis_name(table.columns[j].name, column.name))
                throw Error(where + ": column " + column.name + " appears twice", table.line);
        if (column.type == ColumnType::Text && (column.length < 1 || column.length > kMaxTextLength))
            throw Error(where + ": column " + column.name + ": Text length must be from 1 to 255", table.line);
        ColumnLayout c = layout_of(column);
        if (c.fixed) {
            c.fixed_offset = layout.fixed_length;
            layout.fixed_length += c.length;
        } else {
            c.var_index = layout.var_count++;
        }
        layout.columns.push_back(c);
    }
    return layout;
}

}  // namespace jetwriter
