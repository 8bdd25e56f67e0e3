#include "primary_key.h"

#include <algorithm>
#include <cstring>
#include <string>

#include <platform/charset.h>

#include "little_endian.h"
#include "page_file.h"

namespace jetwriter {

namespace {

constexpr std::size_t kFreeSpaceOffset = 2;
constexpr std::size_t kOwnerOffset = 4;
constexpr std::size_t kEntryBitmap = 0x1B;
constexpr std::size_t kFirstEntry = 0x1E0;
constexpr std::uint8_t kAscendingValue = 0x7F;
constexpr std::size_t kRowPointer = 4;

struct Entry {
    std::int64_t key;
    std::uint32_t address;
    int line;
};

std::string key_bytes(std::int64_t key, std::size_t width)
{
    const std::uint64_t flipped = static_cast<std::uint64_t>(key) ^ (std::uint64_t{1} << (8 * width - 1));
    std::string out(width, '\0');
    for (std::size_t i = 0; i < width; ++i)
        out[i] = static_cast<char>(flipped >> (8 * (width - 1 - i)));
    return out;
}

void mark_entry_start(std::uint8_t* page, std::size_t offset)
{
    const std::size_t bit = offset - kFirstEntry;
    page[kEntryBitmap + bit / 8] = static_cast<std::uint8_t>(page[kEntryBitmap + bit / 8] | (1u << (bit % 8)));
}

}  // namespace

std::optional<unsigned> primary_key_column(const Table& table)
{
    const PrimaryKey& key = table.primary_key;
    if (key.column.empty())
        return std::nullopt;
    const int line = key.line > 0 ? key.line : table.line;
    for (unsigned i = 0; i < table.columns.size(); ++i) {
        const Column& column = table.columns[i];
        if (column.deleted || !same_sjis_name(column.name, key.column))
            continue;
        if (column.type != ColumnType::Long && column.type != ColumnType::Integer)
            throw Error("table " + table.name + ": primary key " + key.column + ": a key is a Long or Integer column",
                        line);
        return i;
    }
    throw Error("table " + table.name + ": primary key: no column " + key.column, line);
}

void build_key_leaf(std::uint8_t* page, const Table& table, unsigned column,
                    const std::vector<std::uint32_t>& addresses, std::uint32_t definition_page)
{
    const std::string where = "table " + table.name + ": primary key " + table.columns[column].name;
    std::vector<Entry> entries;
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const Row& row = table.rows[i];
        if (row.deleted)
            continue;
        // The rows are encoded already: a set key is a whole number that fits its column.
        const Value& value = row.values[column];
        const std::string which = row.line > 0 ? "" : ", row " + std::to_string(i + 1);
        if (value.is_null())
            throw Error(where + which + ": the key has no value", row.line);
        entries.push_back({value.integer(), addresses[i], row.line});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.key < b.key; });
    for (std::size_t i = 1; i < entries.size(); ++i)
        if (entries[i].key == entries[i - 1].key)
            throw Error(where + ": the value " + std::to_string(entries[i].key) + " appears twice", entries[i].line);

    const std::size_t width = table.columns[column].type == ColumnType::Long ? 4 : 2;
    const std::size_t entry_size = 1 + width + kRowPointer;
    if (entries.size() > (kPageSize - kFirstEntry) / entry_size)
        throw Error(where + ": its entries take more than one index page (at most " +
                        std::to_string((kPageSize - kFirstEntry) / entry_size) + " rows)",
                    table.primary_key.line > 0 ? table.primary_key.line : table.line);

    std::memset(page, 0, kPageSize);
    page[0] = kPageIndexLeaf;
    page[1] = 0x01;
    put_u32(page + kOwnerOffset, definition_page);
    std::size_t at = kFirstEntry;
    for (const Entry& entry : entries) {
        page[at] = kAscendingValue;
        const std::string key = key_bytes(entry.key, width);
        std::memcpy(page + at + 1, key.data(), width);
        std::uint8_t* pointer = page + at + 1 + width;
        pointer[0] = static_cast<std::uint8_t>(entry.address >> 24);
        pointer[1] = static_cast<std::uint8_t>(entry.address >> 16);
        pointer[2] = static_cast<std::uint8_t>(entry.address >> 8);
        pointer[3] = static_cast<std::uint8_t>(entry.address);
        at += entry_size;
        mark_entry_start(page, at);
    }
    put_u16(page + kFreeSpaceOffset, static_cast<std::uint32_t>(kPageSize - at));
}

}  // namespace jetwriter
