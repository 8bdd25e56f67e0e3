#include "table_definition.h"

#include <cstring>

#include "little_endian.h"
#include "page_file.h"
#include "text_codec.h"

namespace jetwriter {

namespace {

constexpr std::size_t kRowsOffset = 16;
constexpr std::size_t kAutoNumberFlagOffset = 24;
constexpr std::size_t kTableTypeOffset = 40;
constexpr std::size_t kMaxColumnsOffset = 41;
constexpr std::size_t kVarColumnsOffset = 43;
constexpr std::size_t kColumnsOffset = 45;
constexpr std::size_t kUsedMapOffset = 55;
constexpr std::size_t kFreeMapOffset = 59;
constexpr std::size_t kFirstColumn = 63;
constexpr std::size_t kColumnEntry = 25;

constexpr std::uint8_t kUserTable = 0x4E;
constexpr std::uint8_t kSystemTable = 0x53;
constexpr std::uint8_t kFixedColumn = 0x01;
constexpr std::uint8_t kNullableColumn = 0x02;
constexpr std::uint32_t kGeneralSortOrder = 0x0409;

std::string name_ucs2(const Table& table, const std::string& name)
{
    std::string ucs2, problem;
    if (!to_ucs2(name, false, ucs2, problem))
        throw Error("table " + table.name + ": name " + name + ": " + problem, table.line);
    return ucs2;
}

}  // namespace

void build_table_definition(std::uint8_t* page, const Table& table, const TableLayout& layout,
                            const TableStorage& storage)
{
    std::vector<std::string> names;
    std::size_t length = kFirstColumn + kColumnEntry * table.columns.size() + 2;
    for (const Column& column : table.columns) {
        names.push_back(name_ucs2(table, column.name));
        length += 2 + names.back().size();
    }
    if (length > kPageSize)
        throw Error("table " + table.name + ": its definition takes more than one page (too many columns)", table.line);

    std::memset(page, 0, kPageSize);
    page[0] = kPageTableDefinition;
    page[1] = 0x01;
    put_u16(page + 2, static_cast<std::uint32_t>(kPageSize - length));
    put_u32(page + 8, static_cast<std::uint32_t>(length - 8));
    put_u32(page + kRowsOffset, storage.rows);
    page[kAutoNumberFlagOffset] = 0x01;
    page[kTableTypeOffset] = storage.system ? kSystemTable : kUserTable;
    const std::uint32_t columns = static_cast<std::uint32_t>(table.columns.size());
    put_u16(page + kMaxColumnsOffset, columns);
    put_u16(page + kVarColumnsOffset, layout.var_count);
    put_u16(page + kColumnsOffset, columns);
    put_u32(page + kUsedMapOffset, storage.used_map);
    put_u32(page + kFreeMapOffset, storage.free_map);

    std::uint8_t* entry = page + kFirstColumn;
    for (std::uint32_t i = 0; i < columns; ++i, entry += kColumnEntry) {
        const ColumnLayout& c = layout.columns[i];
        entry[0] = c.type;
        put_u16(entry + 5, i);
        put_u16(entry + 7, c.fixed ? 0 : c.var_index);
        put_u16(entry + 9, i);
        if (c.type == kJetText || c.type == kJetMemo)
            put_u16(entry + 11, kGeneralSortOrder);
        entry[15] = static_cast<std::uint8_t>((c.fixed ? kFixedColumn : 0) | kNullableColumn);
        put_u16(entry + 21, c.fixed ? c.fixed_offset : 0);
        put_u16(entry + 23, c.length);
    }
    std::uint8_t* at = entry;
    for (const std::string& name : names) {
        put_u16(at, static_cast<std::uint32_t>(name.size()));
        std::memcpy(at + 2, name.data(), name.size());
        at += 2 + name.size();
    }
    put_u16(at, 0xFFFF);  // no long-value column maps follow
}

}  // namespace jetwriter
