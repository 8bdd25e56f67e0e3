// Lays out a whole Jet 4 file in memory, then writes it in one go:
//   page 0            header (format, password, creation date)
//   page 1            usage maps of every table (more map pages at the end if needed)
//   page 2            definition of the catalog MSysObjects
//   pages 3 ...       definitions of the tables, in their order
//   then per table    its long-value pages, then its data pages, side by side
//                     (the catalog's first: its long values are the tables'
//                     property blocks in MSysObjects.LvProp), then the page
//                     of its primary key if it has one
//   then              more map pages, the bitmap pages of maps of type 1 and
//                     the further pages of definitions longer than a page,
//                     as they are needed
// and, for an encrypted database, encodes every page after the header.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <platform/charset.h>

#include "header_page.h"
#include "jetwriter/jetwriter.h"
#include "little_endian.h"
#include "long_values.h"
#include "ole_date.h"
#include "page_file.h"
#include "primary_key.h"
#include "property_block.h"
#include "rc4.h"
#include "row_encoder.h"
#include "table_definition.h"
#include "table_layout.h"
#include "text_codec.h"

namespace jetwriter {

namespace {

constexpr std::uint32_t kMapPage = 1;
constexpr std::uint32_t kCatalogPage = 2;
constexpr std::int32_t kSystemObjectFlags = static_cast<std::int32_t>(0x80000002u);
constexpr int kTableObject = 1;

Table catalog_table(const Database& database, double created)
{
    Table catalog;
    catalog.name = "MSysObjects";
    catalog.columns = {
        {"Id", ColumnType::Long},
        {"ParentId", ColumnType::Long},
        {"Name", ColumnType::Text, 128},
        {"Type", ColumnType::Integer},
        {"DateCreate", ColumnType::DateTime},
        {"DateUpdate", ColumnType::DateTime},
        {"Flags", ColumnType::Long},
        {"Connect", ColumnType::Memo},
        {"Database", ColumnType::Memo},
        {"ForeignName", ColumnType::Memo},
        {"Lv", ColumnType::OLE},
        {"LvExtra", ColumnType::OLE},
        {"LvModule", ColumnType::OLE},
        {"LvProp", ColumnType::OLE},
    };
    auto add = [&](std::uint32_t page, const std::string& name, std::int32_t flags, Value properties) {
        catalog.add_row({page, 0, name, kTableObject, created, created, flags, Value(), Value(), Value(), Value(),
                         Value(), Value(), std::move(properties)});
    };
    add(kCatalogPage, catalog.name, kSystemObjectFlags, Value());
    for (std::size_t i = 0; i < database.tables.size(); ++i) {
        const Table& table = database.tables[i];
        Bytes properties = property_block(table);
        add(kCatalogPage + 1 + static_cast<std::uint32_t>(i), table.name, 0,
            properties.empty() ? Value() : Value(std::move(properties)));
    }
    return catalog;
}

void check_tables(const Database& database)
{
    for (std::size_t i = 0; i < database.tables.size(); ++i) {
        const Table& table = database.tables[i];
        if (table.name.size() >= 4 && same_sjis_name(table.name.substr(0, 4), "MSys"))
            throw Error("table " + table.name + ": names beginning with MSys belong to the system", table.line);
        for (std::size_t j = 0; j < i; ++j)
            if (same_sjis_name(database.tables[j].name, table.name))
                throw Error("table " + table.name + " appears twice", table.line);
    }
}

std::string password_ucs2(const std::string& password)
{
    std::string ucs2, problem;
    if (!to_ucs2(password, false, ucs2, problem))
        throw Error("password: " + problem);
    if (ucs2.size() > 2 * kPasswordCharacters)
        throw Error("password: at most 20 characters");
    return ucs2;
}

// Writes the rows of one table onto pages of their own, long values first.
struct StoredTable {
    std::vector<std::uint32_t> pages;
    std::vector<std::uint32_t> addresses;  // page_row of each row, deleted ones too
    std::uint32_t rows = 0;                // the rows that are not deleted
};

StoredTable store_rows(PageFile& file, const Table& table, const TableLayout& layout, std::uint32_t definition)
{
    LongValueStore long_values(file);
    RowEncoder encoder(table, layout, long_values);
    std::vector<std::string> rows;
    rows.reserve(table.rows.size());
    for (std::size_t i = 0; i < table.rows.size(); ++i)
        rows.push_back(encoder.encode(table.rows[i], i));

    StoredTable stored;
    if (table.rows.size() > 0x7FFFFFFF)
        throw Error("table " + table.name + ": too many rows", table.line);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string& row = rows[i];
        if (stored.pages.empty() || !row_fits(file.page(stored.pages.back()), row.size())) {
            stored.pages.push_back(file.add_page());
            init_data_page(file.page(stored.pages.back()), definition);
        }
        const bool deleted = table.rows[i].deleted;
        const unsigned number =
            add_row(file.page(stored.pages.back()), reinterpret_cast<const std::uint8_t*>(row.data()), row.size(),
                    nullptr, deleted);
        stored.addresses.push_back(page_row(stored.pages.back(), number));
        stored.rows += deleted ? 0 : 1;
    }
    return stored;
}

// A usage map stored in a row: type 0, the first page it covers, one bit per
// page. pages: in ascending order.
std::string usage_map(const Table& table, const std::vector<std::uint32_t>& pages)
{
    std::string map(5, '\0');
    if (pages.empty())
        return map;
    const std::uint32_t first = pages.front();
    put_u32(reinterpret_cast<std::uint8_t*>(&map[1]), first);
    const std::size_t bits = pages.back() - first + 1;
    if (5 + (bits + 7) / 8 > kMaxRowLength)
        throw Error("table " + table.name + ": its rows take more pages than one usage map can list", table.line);
    map.resize(5 + (bits + 7) / 8, '\0');
    for (std::uint32_t page : pages)
        map[5 + (page - first) / 8] = static_cast<char>(map[5 + (page - first) / 8] | (1 << ((page - first) % 8)));
    return map;
}

// A usage map of type 1: its row names bitmap pages (type 0x05), bitmap
// page n holding the bits of pages n * kBitmapPageBits on after a 4-byte
// header. The row has the 17 places of a map row as long as the desktop
// program makes them (69 bytes); those of no page hold 0.
constexpr std::uint8_t kPageBitmap = 0x05;
constexpr std::size_t kBitmapPageHeader = 4;
constexpr std::uint32_t kBitmapPageBits = (kPageSize - kBitmapPageHeader) * 8;
constexpr std::size_t kBitmapPagePlaces = 17;

std::string usage_map_on_pages(PageFile& file, const Table& table, const std::vector<std::uint32_t>& pages)
{
    std::string map(1 + 4 * kBitmapPagePlaces, '\0');
    map[0] = 0x01;
    for (std::uint32_t page : pages) {
        const std::uint32_t place = page / kBitmapPageBits, bit = page % kBitmapPageBits;
        if (place >= kBitmapPagePlaces)
            throw Error("table " + table.name + ": its rows take more pages than one usage map can list", table.line);
        std::uint8_t* at = reinterpret_cast<std::uint8_t*>(&map[1 + 4 * place]);
        if (get_u32(at) == 0) {
            const std::uint32_t bitmap = file.add_page();
            file.page(bitmap)[0] = kPageBitmap;
            file.page(bitmap)[1] = 0x01;
            put_u32(at, bitmap);
        }
        std::uint8_t* bits = file.page(get_u32(at)) + kBitmapPageHeader;
        bits[bit / 8] = static_cast<std::uint8_t>(bits[bit / 8] | (1u << (bit % 8)));
    }
    return map;
}

std::string usage_map_of(PageFile& file, const Table& table, const std::vector<std::uint32_t>& pages)
{
    return table.usage_map == UsageMap::OnBitmapPages ? usage_map_on_pages(file, table, pages)
                                                      : usage_map(table, pages);
}

// The pages a table's usage map marks: its own, and those of the table it
// names in marks_pages_of.
std::vector<std::uint32_t> marked_pages(const std::vector<const Table*>& tables, const std::vector<StoredTable>& stored,
                                        std::size_t i)
{
    const Table& table = *tables[i];
    std::vector<std::uint32_t> pages = stored[i].pages;
    if (table.marks_pages_of.empty())
        return pages;
    std::size_t other = 1;
    while (other < tables.size() && !same_sjis_name(tables[other]->name, table.marks_pages_of))
        ++other;
    if (other == tables.size() || other == i)
        throw Error("table " + table.name + ": marks pages of: no other table " + table.marks_pages_of, table.line);
    pages.insert(pages.end(), stored[other].pages.begin(), stored[other].pages.end());
    std::sort(pages.begin(), pages.end());
    return pages;
}

// Encodes every page after the header with the database's key, as an
// encrypted database stores them.
void encode_pages(PageFile& file, std::uint32_t key)
{
    if (key == 0)
        return;
    for (std::uint32_t number = 1; number < file.count(); ++number) {
        std::uint8_t page_key[4];
        put_u32(page_key, key ^ number);
        rc4_apply(page_key, sizeof page_key, file.page(number), kPageSize);
    }
}

class MapPages {
public:
    explicit MapPages(PageFile& file) : file_(file), current_(kMapPage) {}

    std::uint32_t add(const std::string& map)
    {
        if (!row_fits(file_.page(current_), map.size())) {
            current_ = file_.add_page();
            init_data_page(file_.page(current_), 0);
        }
        unsigned row = add_row(file_.page(current_), reinterpret_cast<const std::uint8_t*>(map.data()), map.size());
        return page_row(current_, row);
    }

private:
    PageFile& file_;
    std::uint32_t current_;
};

void write_file(const PageFile& file, const std::string& path)
{
    std::string temporary = path + ".XXXXXX";
    int fd = mkstemp(&temporary[0]);
    if (fd < 0)
        throw Error("cannot create a file beside " + path + ": " + std::strerror(errno));
    const std::vector<std::uint8_t>& bytes = file.bytes();
    std::size_t done = 0;
    int failure = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            failure = errno;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (!failure && fchmod(fd, 0644) != 0)
        failure = errno;
    if (::close(fd) != 0 && !failure)
        failure = errno;
    if (!failure && std::rename(temporary.c_str(), path.c_str()) != 0)
        failure = errno;
    if (failure) {
        ::unlink(temporary.c_str());
        throw Error("cannot write " + path + ": " + std::strerror(failure));
    }
}

}  // namespace

void write_database(const Database& database, const std::string& path)
{
    check_tables(database);
    const std::string password = password_ucs2(database.password);
    const double created = database.created ? *database.created : ole_date_now();

    std::vector<const Table*> tables;
    const Table catalog = catalog_table(database, created);
    tables.push_back(&catalog);
    for (const Table& table : database.tables)
        tables.push_back(&table);
    std::vector<TableLayout> layouts;
    std::vector<std::optional<unsigned>> keys;
    for (const Table* table : tables) {
        layouts.push_back(lay_out_table(*table));
        keys.push_back(primary_key_column(*table));
    }

    PageFile file;
    file.add_page();  // the header, filled in last
    const std::uint32_t map_page = file.add_page();
    init_data_page(file.page(map_page), 0);
    for (std::size_t i = 0; i < tables.size(); ++i)
        file.add_page();  // the definitions, filled in once the rows are placed

    std::vector<TableStorage> storage(tables.size());
    std::vector<StoredTable> stored;
    for (std::size_t i = 0; i < tables.size(); ++i) {
        storage[i].definition_page = kCatalogPage + static_cast<std::uint32_t>(i);
        storage[i].system = i == 0;
        stored.push_back(store_rows(file, *tables[i], layouts[i], storage[i].definition_page));
        storage[i].rows = stored.back().rows;
        if (keys[i]) {
            const std::uint32_t leaf = file.add_page();
            build_key_leaf(file.page(leaf), *tables[i], *keys[i], stored.back().addresses, storage[i].definition_page);
            storage[i].key = KeyStorage{*keys[i], leaf, 0};
        }
    }
    MapPages maps(file);
    for (std::size_t i = 0; i < tables.size(); ++i) {
        std::vector<std::uint32_t> with_room;
        for (std::uint32_t page : stored[i].pages)
            if (free_space(file.page(page)) > 0)
                with_room.push_back(page);
        storage[i].used_map = maps.add(usage_map_of(file, *tables[i], marked_pages(tables, stored, i)));
        storage[i].free_map = maps.add(usage_map_of(file, *tables[i], with_room));
        if (storage[i].key)
            storage[i].key->used_map = maps.add(usage_map(*tables[i], {storage[i].key->leaf}));
    }
    for (std::size_t i = 0; i < tables.size(); ++i)
        write_table_definition(file, *tables[i], layouts[i], storage[i]);
    build_header_page(file.page(0), password, created, database.page_key);
    encode_pages(file, database.page_key);
    write_file(file, path);
}

}  // namespace jetwriter
