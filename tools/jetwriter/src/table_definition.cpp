#include "table_definition.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "little_endian.h"
#include "page_file.h"
#include "text_codec.h"

namespace jetwriter {

namespace {

constexpr std::size_t kNextPageOffset = 4;
constexpr std::size_t kContinuationHeader = 8;
constexpr std::size_t kRowsOffset = 16;
constexpr std::size_t kAutoNumberFlagOffset = 24;
constexpr std::size_t kTableTypeOffset = 40;
constexpr std::size_t kMaxColumnsOffset = 41;
constexpr std::size_t kVarColumnsOffset = 43;
constexpr std::size_t kColumnsOffset = 45;
constexpr std::size_t kIndexesOffset = 47;
constexpr std::size_t kRealIndexesOffset = 51;
constexpr std::size_t kUsedMapOffset = 55;
constexpr std::size_t kFreeMapOffset = 59;
constexpr std::size_t kFirstEntry = 63;
constexpr std::size_t kRealIndexEntry = 12;
constexpr std::size_t kColumnEntry = 25;
constexpr std::size_t kIndexColumnsEntry = 52;
constexpr std::size_t kLogicalIndexEntry = 28;

constexpr std::uint8_t kUserTable = 0x4E;
constexpr std::uint8_t kSystemTable = 0x53;
constexpr std::uint8_t kFixedColumn = 0x01;
constexpr std::uint8_t kNullableColumn = 0x02;
constexpr std::uint32_t kGeneralSortOrder = 0x0409;

// An index's columns: ten slots of a column number and its order.
constexpr unsigned kIndexColumnSlots = 10;
constexpr std::uint32_t kNoColumn = 0xFFFF;
constexpr std::uint8_t kAscending = 0x01;
constexpr std::uint8_t kUniqueRequired = 0x01 | 0x08;
constexpr std::uint8_t kPrimaryKeyIndex = 0x01;
constexpr std::uint32_t kNoRelatedIndex = 0xFFFFFFFF;
const char kPrimaryKeyName[] = "PrimaryKey";

std::string name_ucs2(const Table& table, const std::string& name)
{
    std::string ucs2, problem;
    if (!to_ucs2(name, false, ucs2, problem))
        throw Error("table " + table.name + ": name " + name + ": " + problem, table.line);
    return ucs2;
}

// Where the column names end: the primary key's columns, usage map and root
// page, then the key as a logical index, and its name.
std::uint8_t* put_primary_key(std::uint8_t* at, const KeyStorage& key, const std::string& name)
{
    put_u16(at + 4, key.column);
    at[6] = kAscending;
    for (unsigned slot = 1; slot < kIndexColumnSlots; ++slot)
        put_u16(at + 4 + 3 * slot, kNoColumn);
    put_u32(at + 34, key.used_map);
    put_u32(at + 38, key.leaf);
    at[46] = kUniqueRequired;
    at += kIndexColumnsEntry;

    // Index number 0, over the real index 0; no related table.
    put_u32(at + 13, kNoRelatedIndex);
    at[23] = kPrimaryKeyIndex;
    at += kLogicalIndexEntry;

    put_u16(at, static_cast<std::uint32_t>(name.size()));
    std::memcpy(at + 2, name.data(), name.size());
    return at + 2 + name.size();
}

// The order of names in a definition listed by name: by UCS-2 code, ASCII
// letters without regard to case.
bool name_before(const std::string& a, const std::string& b)
{
    auto unit = [](const std::string& ucs2, std::size_t i) {
        std::uint32_t u = static_cast<std::uint8_t>(ucs2[i]) | static_cast<std::uint8_t>(ucs2[i + 1]) << 8;
        return u >= 'a' && u <= 'z' ? u - 'a' + 'A' : u;
    };
    for (std::size_t i = 0; i + 1 < a.size() && i + 1 < b.size(); i += 2)
        if (unit(a, i) != unit(b, i))
            return unit(a, i) < unit(b, i);
    return a.size() < b.size();
}

// The whole definition as if its pages were one: the first page's header,
// the table's counts and map addresses, its entries and names.
std::string build_table_definition(const Table& table, const TableLayout& layout, const TableStorage& storage)
{
    const std::uint32_t indexes = storage.key ? 1 : 0;
    const std::string key_name = storage.key ? name_ucs2(table, kPrimaryKeyName) : std::string();
    std::vector<unsigned> listed;  // the numbers of the live columns, in the order the definition lists them
    std::vector<std::string> names(table.columns.size());
    std::size_t length = kFirstEntry + kRealIndexEntry * indexes + 2;
    for (unsigned i = 0; i < table.columns.size(); ++i) {
        if (table.columns[i].deleted)
            continue;
        listed.push_back(i);
        names[i] = name_ucs2(table, table.columns[i].name);
        length += kColumnEntry + 2 + names[i].size();
    }
    if (table.column_order == ColumnOrder::ByName)
        std::stable_sort(listed.begin(), listed.end(),
                         [&](unsigned a, unsigned b) { return name_before(names[a], names[b]); });
    if (storage.key)
        length += kIndexColumnsEntry + kLogicalIndexEntry + 2 + key_name.size();

    std::string bytes(length, '\0');
    std::uint8_t* page = reinterpret_cast<std::uint8_t*>(&bytes[0]);
    page[0] = kPageTableDefinition;
    page[1] = 0x01;
    put_u32(page + 8, static_cast<std::uint32_t>(length - 8));
    put_u32(page + kRowsOffset, storage.rows);
    page[kAutoNumberFlagOffset] = 0x01;
    page[kTableTypeOffset] = storage.system ? kSystemTable : kUserTable;
    // Deleted columns keep their numbers and places: the most columns a row
    // holds and the count of variable places count them too.
    put_u16(page + kMaxColumnsOffset, static_cast<std::uint32_t>(table.columns.size()));
    put_u16(page + kVarColumnsOffset, layout.var_count);
    put_u16(page + kColumnsOffset, static_cast<std::uint32_t>(listed.size()));
    put_u32(page + kIndexesOffset, indexes);
    put_u32(page + kRealIndexesOffset, indexes);
    put_u32(page + kUsedMapOffset, storage.used_map);
    put_u32(page + kFreeMapOffset, storage.free_map);

    std::uint8_t* entry = page + kFirstEntry;
    if (storage.key) {
        put_u32(entry + 4, storage.rows);
        entry += kRealIndexEntry;
    }
    for (unsigned i : listed) {
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
        entry += kColumnEntry;
    }
    std::uint8_t* at = entry;
    for (unsigned i : listed) {
        put_u16(at, static_cast<std::uint32_t>(names[i].size()));
        std::memcpy(at + 2, names[i].data(), names[i].size());
        at += 2 + names[i].size();
    }
    if (storage.key)
        at = put_primary_key(at, *storage.key, key_name);
    put_u16(at, 0xFFFF);  // no long-value column maps follow
    return bytes;
}

}  // namespace

void write_table_definition(PageFile& file, const Table& table, const TableLayout& layout, const TableStorage& storage)
{
    const std::string bytes = build_table_definition(table, layout, storage);
    std::uint32_t number = storage.definition_page;
    std::size_t done = 0;
    for (;;) {
        // The first page holds the definition's start, header and all; a
        // page it goes on to holds its next bytes after a header of its own.
        std::uint8_t* page = file.page(number);
        std::memset(page, 0, kPageSize);
        const std::size_t start = done == 0 ? 0 : kContinuationHeader;
        const std::size_t here = std::min(bytes.size() - done, kPageSize - start);
        std::memcpy(page + start, bytes.data() + done, here);
        done += here;
        page[0] = kPageTableDefinition;
        page[1] = 0x01;
        put_u16(page + 2, static_cast<std::uint32_t>(kPageSize - start - here));
        if (done == bytes.size())
            return;
        const std::uint32_t next = file.add_page();
        put_u32(file.page(number) + kNextPageOffset, next);
        number = next;
    }
}

}  // namespace jetwriter
