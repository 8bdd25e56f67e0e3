// Deterministic mutants of the sample Parvell.mdb, each opened and loaded as
// Parvell does: every one must load or end in the data-access error, never
// crash, hang or run away with memory. A failure names its kind and number.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include <testsupport/jet_pages.h>

#include "sample_copies.h"

using namespace jet_pages;

namespace {

// What a load may take at most, far above what the intact sample takes.
constexpr long kMemoryBoundKiB = 1024 * 1024;

using Random = std::mt19937;

// Whether the table defined on `page` has a memo or OLE column.
bool has_long_values(const std::string& f, size_t page)
{
    for (const Column& c : columns(f, page))
        if (c.type == kOleType || c.type == kMemoType)
            return true;
    return false;
}

// Where the sample keeps what the mutants damage.
struct Layout {
    std::vector<size_t> definitions, maps;  // table definition pages, pages of their usage maps
    std::vector<size_t> catalog, data;      // data pages of MSysObjects, of the other tables
    std::vector<size_t> long_values;        // LVAL pages
    std::vector<size_t> references;         // file offsets of long-value references in rows
    std::vector<size_t> properties;         // file offsets of property blocks ("MR2")

    explicit Layout(const std::string& f)
    {
        for (size_t p = 1; (p + 1) * kPage <= f.size(); ++p) {
            const size_t at = p * kPage;
            if (f[at] == 0x02) {
                definitions.push_back(p);
                maps.push_back(u32(f, at + kUsageMap) >> 8);
            } else if (f[at] == 0x01) {
                auto& kind = f.compare(at + 4, 4, "LVAL") == 0 ? long_values : u32(f, at + 4) == 2 ? catalog : data;
                kind.push_back(p);
            }
        }
        // A reference: a length with a single-row flag or none, and the
        // address of the row holding the whole value or a chain's first piece.
        for (size_t p : data) {
            for (size_t at = p * kPage; has_long_values(f, u32(f, p * kPage + 4)) && at + 12 <= (p + 1) * kPage; ++at) {
                const uint32_t flags = u32(f, at) & 0xC0000000, length = u32(f, at) & 0x3FFFFFFF;
                const size_t page = u32(f, at + 4) >> 8;
                const unsigned row = u32(f, at + 4) & 0xFF;
                if (u32(f, at + 8) != 0 || std::count(long_values.begin(), long_values.end(), page) == 0 ||
                    row >= row_count(f, page))
                    continue;
                const size_t size = row_end(f, page, row) - std::min(row_end(f, page, row), row_start(f, page, row));
                if ((flags == 0x40000000 && size == length) || (flags == 0 && size > 4 && size - 4 < length))
                    references.push_back(at);
            }
        }
        const std::string magic("MR2\0", 4);
        for (size_t at = f.find(magic); at != std::string::npos; at = f.find(magic, at + 1))
            properties.push_back(at);
    }
};

template <class T>
T pick(const std::vector<T>& v, Random& random)
{
    return v[std::uniform_int_distribution<size_t>(0, v.size() - 1)(random)];
}

// A number under n (0 when n is 0).
uint32_t below(size_t n, Random& random)
{
    return n ? (uint32_t)std::uniform_int_distribution<size_t>(0, n - 1)(random) : 0;
}

// One to four bytes somewhere in [from, to) set to any value.
void scribble(std::string& f, size_t from, size_t to, Random& random)
{
    for (size_t n = 1 + below(4, random); n > 0; --n)
        f[from + below(to - from, random)] = (char)below(256, random);
}

// A number that damage tends to leave: none, one off, all ones, any.
uint32_t odd_number(Random& random, uint32_t near)
{
    const uint32_t odd[] = {0, near + 1, near - 1, 0xFFFFFFFF, (uint32_t)random()};
    return odd[below(5, random)];
}

struct Kind {
    const char* name;
    int count;
    std::function<void(std::string& file, Random& random)> mutate;
};

std::vector<Kind> kinds(const Layout& l, size_t pages)
{
    return {
        {"usage map pointer", 60,
         [&l, pages](std::string& f, Random& r) {
             const size_t at = pick(l.definitions, r) * kPage + kUsageMap;
             const uint32_t page = u32(f, at) >> 8, row = u32(f, at) & 0xFF;
             switch (below(4, r)) {
             case 0: put32(f, at, page << 8 | below(256, r)); break;  // another row
             case 1: put32(f, at, below(pages + 4, r) << 8); break;   // another page
             case 2: put32(f, at, odd_number(r, u32(f, at))); break;
             default:  // the map's row cut short
                 put16(f, row_entry(page, row), (uint32_t)(row_end(f, page, row) - page * kPage) - below(5, r));
             }
         }},
        {"usage map bytes", 40,
         [&l](std::string& f, Random& r) {
             const size_t page = pick(l.maps, r);
             scribble(f, page * kPage, (page + 1) * kPage, r);
         }},
        {"table definition", 80,
         [&l](std::string& f, Random& r) {
             const size_t page = pick(l.definitions, r);
             if (below(4, r) == 0)  // the page its definition goes on to
                 put32(f, page * kPage + 4, below(2, r) ? (uint32_t)page : odd_number(r, (uint32_t)page));
             else
                 scribble(f, page * kPage, page * kPage + (below(2, r) ? 64 : 1024), r);
         }},
        {"catalog rows", 50,
         [&l](std::string& f, Random& r) {
             const size_t page = pick(l.catalog, r);
             scribble(f, page * kPage + kRowCount, (page + 1) * kPage, r);
         }},
        {"property blocks", 40,
         [&l](std::string& f, Random& r) {
             const size_t at = pick(l.properties, r), end = (at / kPage + 1) * kPage;
             if (below(2, r) == 0)  // two bytes zeroed, as in a length or a record
                 put16(f, at + 4 + below(end - at - 5, r), 0);
             else
                 scribble(f, at, end, r);
         }},
        {"long-value references", 50,
         [&l](std::string& f, Random& r) {
             const size_t at = pick(l.references, r);
             if (below(2, r) == 0)
                 put32(f, at, (u32(f, at) & 0xC0000000) | (odd_number(r, u32(f, at) & 0x3FFFFFFF) & 0x3FFFFFFF));
             else
                 put32(
                     f, at + 4,
                     below(2, r) ? (uint32_t)pick(l.long_values, r) << 8 | below(4, r) : odd_number(r, u32(f, at + 4)));
         }},
        {"long-value chains", 50,
         [&l](std::string& f, Random& r) {
             const size_t page = pick(l.long_values, r);
             const size_t start = row_start(f, page, below(row_count(f, page), r));
             put32(f, start,
                   below(2, r) ? (uint32_t)pick(l.long_values, r) << 8 | below(3, r) : odd_number(r, u32(f, start)));
         }},
        {"row offsets", 60,
         [&l](std::string& f, Random& r) {
             const size_t page = below(2, r) ? pick(l.data, r) : pick(l.catalog, r);
             const unsigned count = row_count(f, page);
             switch (below(3, r)) {
             case 0: put16(f, row_entry(page, below(count + 1, r)), below(0x10000, r)); break;
             case 1:
                 put16(f, page * kPage + kRowCount, below(2, r) ? count + 1 + below(3000, r) : below(count, r));
                 break;
             default: {  // a row's own table of variable-column offsets, at its end
                 const size_t end = row_end(f, page, below(count, r));
                 scribble(f, end - 16, end, r);
             }
             }
         }},
        {"truncation", 30,
         [pages](std::string& f, Random& r) { f.resize(below(2, r) ? below(pages, r) * kPage : below(f.size(), r)); }},
    };
}

}  // namespace

TEST(DamagedSample, EveryMutantLoadsOrEndsInTheDataAccessError)
{
    SampleCopies copies;
    const std::string& intact = copies.sample();
    const Layout layout(intact);
    for (const auto* region :
         {&layout.definitions, &layout.catalog, &layout.long_values, &layout.references, &layout.properties})
        ASSERT_FALSE(region->empty());

    EXPECT_EQ(copies.load(intact), "");

    int loaded = 0, refused = 0;
    unsigned seed = 0;
    for (const Kind& kind : kinds(layout, intact.size() / kPage)) {
        Random random(++seed);
        for (int i = 0; i < kind.count && !HasFatalFailure(); ++i) {
            SCOPED_TRACE(std::string(kind.name) + " #" + std::to_string(i));
            std::string file = intact;
            kind.mutate(file, random);
            try {
                (copies.load(file).empty() ? loaded : refused)++;
            } catch (const std::exception& e) {
                ADD_FAILURE() << "raised " << e.what();
            }
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            ASSERT_LT(usage.ru_maxrss, kMemoryBoundKiB);
        }
    }
    // Damage that libmdb would have followed is refused; damage to what
    // nothing reads still loads.
    EXPECT_GT(loaded, 0);
    EXPECT_GT(refused, 0);
    RecordProperty("loaded", loaded);
    RecordProperty("refused", refused);
}
