// Deterministic mutants of the sample Parvell.mdb, each opened and loaded as
// Parvell does: every one must load or end in the data-access error, never
// crash, hang or run away with memory. A failure names its kind and number.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include <testsupport/files.h>

#include "load_as_parvell.h"

namespace {

constexpr size_t kPage = 4096;
constexpr size_t kRowTable = 14;  // row count at 12, offsets after it
constexpr size_t kUsageMapPointer = 55;
// What a load may take at most, far above what the intact sample takes.
constexpr long kMemoryBoundKiB = 1024 * 1024;
constexpr rlim_t kAddressSpaceBound = (rlim_t)4 << 30;

uint32_t u32(const std::string& f, size_t at)
{
    return (uint32_t)(unsigned char)f[at] | (uint32_t)(unsigned char)f[at + 1] << 8 |
           (uint32_t)(unsigned char)f[at + 2] << 16 | (uint32_t)(unsigned char)f[at + 3] << 24;
}

void put32(std::string& f, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        f[at + i] = (char)(v >> (8 * i));
}

// The offset of row `row`'s start in the offset table of the page.
size_t row_entry(size_t page, unsigned row)
{
    return page * kPage + kRowTable + 2 * row;
}

unsigned rows_on(const std::string& f, size_t page)
{
    return (unsigned)(unsigned char)f[page * kPage + 12] | (unsigned)(unsigned char)f[page * kPage + 13] << 8;
}

// The length of row `row` of the page; 0 when the page does not list it.
size_t row_size(const std::string& f, size_t page, unsigned row)
{
    if (row >= rows_on(f, page))
        return 0;
    auto offset = [&](unsigned r) {
        const size_t entry = row_entry(page, r);
        return ((unsigned)(unsigned char)f[entry] | (unsigned)(unsigned char)f[entry + 1] << 8) & 0x1FFF;
    };
    const size_t end = row == 0 ? kPage : offset(row - 1);
    return end >= offset(row) ? end - offset(row) : 0;
}

// Whether the table defined on `page` has a memo or OLE column (its
// definition fits on its page in the sample).
bool has_long_values(const std::string& f, size_t page)
{
    const size_t at = page * kPage;
    const unsigned columns = (unsigned char)f[at + 45] | (unsigned char)f[at + 46] << 8;
    const size_t first = at + 63 + 12 * (size_t)u32(f, at + 51);
    for (unsigned i = 0; i < columns && first + 25 * (i + 1) <= at + kPage; ++i)
        if (f[first + 25 * i] == 0x0B || f[first + 25 * i] == 0x0C)
            return true;
    return false;
}

// Where the sample keeps what the mutants damage.
struct Layout {
    std::vector<size_t> definitions;  // table definition pages
    std::vector<size_t> catalog;      // data pages of MSysObjects
    std::vector<size_t> data;         // data pages of the other tables
    std::vector<size_t> long_values;  // LVAL pages
    std::vector<size_t> maps;         // pages holding usage maps
    std::vector<size_t> references;   // file offsets of long-value references in rows
    std::vector<size_t> properties;   // file offsets of property blocks ("MR2")

    explicit Layout(const std::string& f)
    {
        for (size_t p = 1; (p + 1) * kPage <= f.size(); ++p) {
            const size_t at = p * kPage;
            if (f[at] == 0x02) {
                definitions.push_back(p);
                maps.push_back(u32(f, at + kUsageMapPointer) >> 8);
            } else if (f[at] == 0x01 && f.compare(at + 4, 4, "LVAL") == 0) {
                long_values.push_back(p);
            } else if (f[at] == 0x01 && u32(f, at + 4) == 2) {
                catalog.push_back(p);
            } else if (f[at] == 0x01 && u32(f, at + 4) != 0) {
                data.push_back(p);
            }
        }
        // A reference: a length (with a single-row flag or none) and the
        // address of a row on a long-value page that holds the whole value
        // or, in a chain, its first piece.
        for (size_t p : data) {
            if (!has_long_values(f, u32(f, p * kPage + 4)))
                continue;
            for (size_t at = p * kPage + kRowTable; at + 12 <= (p + 1) * kPage; ++at) {
                const uint32_t flags = u32(f, at) & 0xC0000000, length = u32(f, at) & 0x3FFFFFFF;
                const uint32_t page = u32(f, at + 4) >> 8;
                if (std::find(long_values.begin(), long_values.end(), page) == long_values.end())
                    continue;
                const size_t size = row_size(f, page, u32(f, at + 4) & 0xFF);
                if (u32(f, at + 8) == 0 &&
                    ((flags == 0x40000000 && size == length) || (flags == 0 && size > 4 && size - 4 < length)))
                    references.push_back(at);
            }
        }
        for (size_t at = f.find(std::string("MR2\0", 4)); at != std::string::npos;
             at = f.find(std::string("MR2\0", 4), at + 1))
            properties.push_back(at);
    }
};

using Mutate = std::function<void(std::string& file, std::mt19937& random)>;

struct Kind {
    const char* name;
    int count;
    Mutate mutate;
};

template <class T>
T pick(const std::vector<T>& v, std::mt19937& random)
{
    return v[std::uniform_int_distribution<size_t>(0, v.size() - 1)(random)];
}

size_t below(size_t n, std::mt19937& random)
{
    return std::uniform_int_distribution<size_t>(0, n - 1)(random);
}

// One to four bytes somewhere in [from, to) set to any value.
void scribble(std::string& f, size_t from, size_t to, std::mt19937& random)
{
    for (size_t n = 1 + below(4, random); n > 0; --n)
        f[from + below(to - from, random)] = (char)below(256, random);
}

// A number that damage tends to leave: small, one past, all ones, random.
uint32_t odd_number(std::mt19937& random, uint32_t near)
{
    switch (below(5, random)) {
    case 0: return 0;
    case 1: return near + 1;
    case 2: return 0xFFFFFFFF;
    case 3: return near - 1;
    default: return (uint32_t)random();
    }
}

std::vector<Kind> kinds(const Layout& l, size_t file_size)
{
    const size_t pages = file_size / kPage;
    return {
        {"usage map pointer", 60,
         [&l, pages](std::string& f, std::mt19937& r) {
             const size_t at = pick(l.definitions, r) * kPage + kUsageMapPointer;
             const uint32_t page = u32(f, at) >> 8;
             switch (below(4, r)) {
             case 0: put32(f, at, page << 8 | (uint32_t)below(256, r)); break;  // another row
             case 1: put32(f, at, (uint32_t)below(pages + 4, r) << 8); break;   // another page
             case 2: put32(f, at, odd_number(r, u32(f, at))); break;
             default: {  // the map's row cut short
                 const unsigned row = u32(f, at) & 0xFF;
                 const size_t entry = row_entry(page, row);
                 const unsigned end =
                     row == 0 ? kPage : ((unsigned char)f[entry - 2] | (unsigned char)f[entry - 1] << 8);
                 const unsigned shorter = (end & 0x1FFF) - (unsigned)below(5, r);
                 f[entry] = (char)(shorter & 0xFF);
                 f[entry + 1] = (char)((shorter >> 8) | ((unsigned char)f[entry + 1] & 0xE0));
             }
             }
         }},
        {"usage map bytes", 40,
         [&l](std::string& f, std::mt19937& r) {
             const size_t page = pick(l.maps, r);
             scribble(f, page * kPage, (page + 1) * kPage, r);
         }},
        {"table definition", 80,
         [&l](std::string& f, std::mt19937& r) {
             const size_t page = pick(l.definitions, r);
             if (below(4, r) == 0)
                 put32(f, page * kPage + 4, below(2, r) ? (uint32_t)page : odd_number(r, (uint32_t)page));
             else
                 scribble(f, page * kPage, page * kPage + (below(2, r) ? 64 : 1024), r);
         }},
        {"catalog rows", 50,
         [&l](std::string& f, std::mt19937& r) {
             const size_t page = pick(l.catalog, r);
             scribble(f, page * kPage + 12, (page + 1) * kPage, r);
         }},
        {"property blocks", 40,
         [&l](std::string& f, std::mt19937& r) {
             const size_t at = pick(l.properties, r);
             const size_t end = std::min(f.size(), (at / kPage + 1) * kPage);
             if (below(2, r) == 0) {  // two bytes zeroed, as in a length or a record
                 const size_t z = at + 4 + below(end - at - 5, r);
                 f[z] = f[z + 1] = 0;
             } else {
                 scribble(f, at, end, r);
             }
         }},
        {"long-value references", 50,
         [&l](std::string& f, std::mt19937& r) {
             const size_t at = pick(l.references, r);
             if (below(2, r) == 0)
                 put32(f, at, (u32(f, at) & 0xC0000000) | (odd_number(r, u32(f, at) & 0x3FFFFFFF) & 0x3FFFFFFF));
             else
                 put32(f, at + 4,
                       below(2, r) ? (uint32_t)(pick(l.long_values, r) << 8 | below(4, r))
                                   : odd_number(r, u32(f, at + 4)));
         }},
        {"long-value chains", 50,
         [&l](std::string& f, std::mt19937& r) {
             const size_t page = pick(l.long_values, r);
             const unsigned count = rows_on(f, page);
             if (count == 0)
                 return;
             const unsigned row = (unsigned)below(count, r);
             const size_t entry = row_entry(page, row);
             const size_t start =
                 page * kPage + (((unsigned char)f[entry] | (unsigned char)f[entry + 1] << 8) & 0x1FFF);
             const uint32_t next =
                 below(2, r) ? (uint32_t)(pick(l.long_values, r) << 8 | below(3, r)) : odd_number(r, u32(f, start));
             put32(f, start, next);
         }},
        {"row offsets", 60,
         [&l](std::string& f, std::mt19937& r) {
             const size_t page = below(2, r) ? pick(l.data, r) : pick(l.catalog, r);
             const unsigned count = rows_on(f, page);
             switch (below(3, r)) {
             case 0: {  // an offset of the page's table
                 const size_t entry = row_entry(page, (unsigned)below(count + 1, r));
                 const uint32_t v = (uint32_t)below(0x10000, r);
                 f[entry] = (char)(v & 0xFF);
                 f[entry + 1] = (char)(v >> 8);
                 break;
             }
             case 1: {  // the row count
                 const uint32_t v = below(2, r) ? count + 1 + (uint32_t)below(3000, r) : (uint32_t)below(count + 1, r);
                 f[page * kPage + 12] = (char)(v & 0xFF);
                 f[page * kPage + 13] = (char)(v >> 8);
                 break;
             }
             default: {  // a row's own table of variable-column offsets, at its end
                 if (count == 0)
                     return;
                 const unsigned row = (unsigned)below(count, r);
                 const size_t entry = row_entry(page, row);
                 const unsigned end =
                     row == 0 ? kPage : ((unsigned char)f[entry - 2] | (unsigned char)f[entry - 1] << 8) & 0x1FFF;
                 scribble(f, page * kPage + end - std::min<size_t>(end - kRowTable, 16), page * kPage + end, r);
             }
             }
         }},
        {"truncation", 30,
         [pages](std::string& f, std::mt19937& r) {
             f.resize(below(2, r) ? below(pages, r) * kPage : below(f.size(), r));
         }},
    };
}

}  // namespace

TEST(DamagedSample, EveryMutantLoadsOrEndsInTheDataAccessError)
{
#ifndef __SANITIZE_ADDRESS__
    // Memory that runs away ends the test here; the sanitizer build has its
    // own limit (hard_rss_limit_mb).
    const rlimit address_space{kAddressSpaceBound, kAddressSpaceBound};
    setrlimit(RLIMIT_AS, &address_space);
#endif
    const std::string intact = read_file(std::string(SAMPLE_DIR) + "/Parvell.mdb");
    const Layout layout(intact);
    ASSERT_FALSE(layout.definitions.empty());
    ASSERT_FALSE(layout.catalog.empty());
    ASSERT_FALSE(layout.references.empty());
    ASSERT_FALSE(layout.properties.empty());

    TempFolder dir;
    const std::filesystem::path home = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    ProductLists lists;
    auto load = [&](const std::string& file) {
        write_file("Parvell.mdb", file);
        std::string outcome = load_as_parvell(lists);
        lists.free_all();
        lists.clear();
        return outcome;
    };
    EXPECT_EQ(load(intact), "");

    int loaded = 0, refused = 0;
    unsigned seed = 0;
    for (const Kind& kind : kinds(layout, intact.size())) {
        std::mt19937 random(++seed);
        for (int i = 0; i < kind.count; ++i) {
            SCOPED_TRACE(std::string(kind.name) + " #" + std::to_string(i));
            std::string file = intact;
            kind.mutate(file, random);
            std::string outcome;
            try {
                outcome = load(file);
            } catch (const std::exception& e) {
                FAIL() << "raised " << e.what();
            }
            (outcome.empty() ? loaded : refused)++;
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            ASSERT_LT(usage.ru_maxrss, kMemoryBoundKiB);
        }
    }
    std::filesystem::current_path(home);
    // Damage that libmdb would have followed is refused; damage to what
    // nothing reads still loads.
    EXPECT_GT(loaded, 0);
    EXPECT_GT(refused, 0);
    RecordProperty("loaded", loaded);
    RecordProperty("refused", refused);
}
