// A Jet 4 file held as bytes, read and changed by hand: for the tests and the
// fuzz target that damage a sound file on purpose. Offsets are the file's,
// in bytes; a table's definition is taken to fit on its first page. Nothing
// here reads outside the file, however damaged: what does not fit in it is
// left out. Header only and plain ASCII, for the fuzz build.
#ifndef TESTSUPPORT_JET_PAGES_H
#define TESTSUPPORT_JET_PAGES_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace jet_pages {

constexpr size_t kPage = 4096;
// Data and long-value pages: the row count, then a 16-bit offset a row.
constexpr size_t kRowCount = 12;
// Data pages: the definition page of their table ("LVAL" on long-value pages).
constexpr size_t kOwner = 4;
constexpr unsigned char kDataPage = 0x01, kDefinitionPage = 0x02;
// Definition pages: the page their definition goes on to (0 on the last).
constexpr size_t kNextPage = 4;
constexpr size_t kVariableColumnCount = 43, kColumnCount = 45, kRealIndexCount = 51, kUsageMap = 55;
constexpr size_t kColumnEntries = 63, kRealIndexEntry = 12, kColumnEntry = 25;
// Within a column entry.
constexpr size_t kColumnNumber = 5, kVariableNumber = 7, kColumnFlags = 15, kFixedOffset = 21, kColumnSize = 23;
constexpr unsigned char kFixedFlag = 0x01;
constexpr unsigned char kTextType = 0x0A, kOleType = 0x0B, kMemoType = 0x0C;
// A long-value reference: length and flags, the address of its row, 4 more bytes.
constexpr size_t kReference = 12;

inline uint32_t u16(const std::string& f, size_t at)
{
    return (uint32_t)(unsigned char)f[at] | (uint32_t)(unsigned char)f[at + 1] << 8;
}
inline uint32_t u32(const std::string& f, size_t at)
{
    return u16(f, at) | u16(f, at + 2) << 16;
}
inline void put16(std::string& f, size_t at, uint32_t v)
{
    f[at] = (char)v;
    f[at + 1] = (char)(v >> 8);
}
inline void put32(std::string& f, size_t at, uint32_t v)
{
    put16(f, at, v & 0xFFFF);
    put16(f, at + 2, v >> 16);
}

// Rows of a row page: where the offset of `row` stands, where the row starts
// and ends (the row before it starts where it ends).
inline size_t row_entry(size_t page, unsigned row)
{
    return page * kPage + kRowCount + 2 + 2 * (size_t)row;
}
inline unsigned row_count(const std::string& f, size_t page)
{
    return u16(f, page * kPage + kRowCount);
}
inline size_t row_start(const std::string& f, size_t page, unsigned row)
{
    return page * kPage + (u16(f, row_entry(page, row)) & 0x1FFF);
}
inline size_t row_end(const std::string& f, size_t page, unsigned row)
{
    return row == 0 ? (page + 1) * kPage : row_start(f, page, row - 1);
}

inline size_t page_count(const std::string& f)
{
    return f.size() / kPage;
}

// A file that may be damaged anywhere, as the fuzz target's mutations and
// the tests' readers see it: every read is checked against its size and
// against the page it belongs to, what does not fit is left out; a read
// outside answers 0, a write outside is dropped.
struct damaged_file {
    uint8_t* data;
    size_t size;

    // A file held in a string, for reading only.
    static damaged_file of(const std::string& f) { return {(uint8_t*)f.data(), f.size()}; }

    bool holds(size_t at, size_t length) const { return at <= size && length <= size - at; }
    uint32_t u16(size_t at) const { return holds(at, 2) ? data[at] | (uint32_t)data[at + 1] << 8 : 0; }
    uint32_t u32(size_t at) const { return holds(at, 4) ? u16(at) | u16(at + 2) << 16 : 0; }
    void put16(size_t at, uint32_t v)
    {
        if (holds(at, 2)) {
            data[at] = (uint8_t)v;
            data[at + 1] = (uint8_t)(v >> 8);
        }
    }
    size_t page_count() const { return size / kPage; }
    // The kind byte of a page that lies whole in the file; 0 otherwise.
    unsigned page_kind(size_t page) const { return page < page_count() ? data[page * kPage] : 0; }
};

// Row offsets' flags, as the data layer reads them: a deleted row, a row that
// only points at another.
constexpr uint32_t kDeletedRow = 0x4000, kLookupRow = 0x8000;

struct Column {
    std::string name;  // ASCII names only
    size_t entry;      // where its entry starts
    size_t name_at;    // where its name starts, with its 16-bit length
    unsigned char type;
    bool fixed;
    unsigned number, variable_number, fixed_offset, size;
};

// The pages of one kind, in file order.
inline std::vector<size_t> pages_of_kind(const damaged_file& f, unsigned char kind)
{
    std::vector<size_t> pages;
    for (size_t page = 1; page < f.page_count(); ++page)
        if (f.page_kind(page) == kind)
            pages.push_back(page);
    return pages;
}

// The columns the definition on `page` declares, in entry order: those whose
// entries lie whole in the page, with the names that lie in it.
inline std::vector<Column> columns(const damaged_file& f, size_t page)
{
    std::vector<Column> out;
    if (f.page_kind(page) != kDefinitionPage)
        return out;
    const size_t at = page * kPage, end = at + kPage;
    const unsigned count = f.u16(at + kColumnCount);
    size_t entry = at + kColumnEntries + kRealIndexEntry * (size_t)f.u32(at + kRealIndexCount);
    for (unsigned i = 0; i < count && entry < end && kColumnEntry <= end - entry; ++i, entry += kColumnEntry)
        out.push_back({"", entry, 0, f.data[entry], (f.data[entry + kColumnFlags] & kFixedFlag) != 0,
                       f.data[entry + kColumnNumber], f.u16(entry + kVariableNumber), f.u16(entry + kFixedOffset),
                       f.u16(entry + kColumnSize)});
    size_t name = entry;
    for (Column& c : out) {
        if (name >= end || end - name < 2)
            break;
        c.name_at = name;
        const size_t length = f.u16(name);
        for (size_t i = 0; i + 1 < length && name + 3 + i < end; i += 2)
            c.name.push_back((char)f.data[name + 2 + i]);
        name += 2 + length;
    }
    return out;
}

inline const Column* column_named(const std::vector<Column>& columns, const std::string& name)
{
    for (const Column& c : columns)
        if (c.name == name)
            return &c;
    return nullptr;
}

// The data pages of the table defined on `definition`, in file order.
inline std::vector<size_t> data_pages(const damaged_file& f, size_t definition)
{
    std::vector<size_t> pages;
    for (size_t page = 1; page < f.page_count(); ++page)
        if (f.page_kind(page) == kDataPage && f.u32(page * kPage + kOwner) == definition)
            pages.push_back(page);
    return pages;
}

// Where `row` of a row page lies, [first, second), and its flags; false when
// the page, its offset or the row do not lie whole in the file and the page.
inline bool row_bounds(const damaged_file& f, size_t page, unsigned row, std::pair<size_t, size_t>& bounds,
                       uint32_t& flags)
{
    if (page >= f.page_count() || row >= f.u16(page * kPage + kRowCount))
        return false;
    const size_t at = page * kPage, entry = at + kRowCount + 2 + 2 * (size_t)row;
    if (entry + 2 > at + kPage)
        return false;
    flags = f.u16(entry) & ~0x1FFFu;
    bounds = {at + (f.u16(entry) & 0x1FFF), row == 0 ? at + kPage : at + (f.u16(entry - 2) & 0x1FFF)};
    return bounds.first < bounds.second && bounds.second <= at + kPage;
}

// Where the value of variable column `number` lies in a row, [first, second);
// false when the row has no such column or its offsets point outside it.
inline bool variable_field(const damaged_file& f, const std::pair<size_t, size_t>& row, unsigned number,
                           std::pair<size_t, size_t>& field)
{
    const size_t length = row.second - row.first;
    const size_t mask = (f.u16(row.first) + 7) / 8;
    // The column count, then from the row's end: the null mask, the variable
    // column count, one offset a variable column and one more for the end.
    if (length < 2 + mask + 2 + 2 * ((size_t)number + 2))
        return false;
    const size_t last = row.second - 1, offsets = last - mask - 3;
    if (number >= f.u16(last - mask - 1))
        return false;
    field = {row.first + f.u16(offsets - 2 * (size_t)number), row.first + f.u16(offsets - 2 * ((size_t)number + 1))};
    return field.first <= field.second && field.second <= row.second;
}

// The same for the tests, on a file held in a string.
inline std::vector<Column> columns(const std::string& f, size_t page)
{
    return columns(damaged_file::of(f), page);
}

inline std::vector<size_t> data_pages(const std::string& f, size_t definition)
{
    return data_pages(damaged_file::of(f), definition);
}

// The definition page of the table that has a column of that name; 0 when
// no table has one.
inline size_t definition_with_column(const std::string& f, const std::string& name)
{
    for (size_t page : pages_of_kind(damaged_file::of(f), kDefinitionPage))
        if (column_named(columns(f, page), name))
            return page;
    return 0;
}

// Where the value of variable column `number` lies in a row; {0, 0} when the
// row or the value does not lie whole in the page.
inline std::pair<size_t, size_t> variable_field(const std::string& f, size_t page, unsigned row, unsigned number)
{
    const damaged_file file = damaged_file::of(f);
    std::pair<size_t, size_t> bounds, field;
    uint32_t flags;
    if (!row_bounds(file, page, row, bounds, flags) || !variable_field(file, bounds, number, field))
        return {0, 0};
    return field;
}

}  // namespace jet_pages

#endif
