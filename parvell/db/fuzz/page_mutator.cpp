// The fuzzer's mutations, aimed at the structure of a Jet file. libmdb is not
// instrumented, so coverage does not lead the fuzzer into the page layouts
// it reads; and in a database with pictures most bytes are picture data.
// Half the mutations therefore change a few bytes of one page that is not a
// long-value page: a table definition, the row offsets or rows of a data
// page, a usage map, the catalog. A quarter make structural edits that need
// several coordinated changes (structural_mutator.cpp). The rest mutate the
// whole input as libFuzzer does by itself (lengths, crossovers, the header
// page).
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <random>

#include "structural_mutator.h"

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t max_size);

namespace {

constexpr size_t kPage = 4096;  // Jet 4
constexpr size_t kWindow = 16;  // bytes changed at once
constexpr int kTriesForPage = 4;

bool is_long_value_page(const uint8_t* page)
{
    return page[0] == 0x01 && memcmp(page + 4, "LVAL", 4) == 0;
}

}  // namespace

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t max_size, unsigned int seed)
{
    std::minstd_rand rng(seed);
    const size_t pages = size / kPage;
    if (pages < 2 || rng() % 4 == 0)
        return LLVMFuzzerMutate(data, size, max_size);
    if (rng() % 3 == 0) {
        // They only ever shorten the input. One with no table takes none of
        // them and gets the page window below.
        if (const size_t edited = apply_structural_edits(data, size, rng))
            return edited;
    }

    // Any page but the header, whose password check most changes would fail.
    size_t page = 1 + rng() % (pages - 1);
    for (int i = 1; i < kTriesForPage && is_long_value_page(data + page * kPage); ++i)
        page = 1 + rng() % (pages - 1);
    // The page's own header and the row offsets behind it half the time;
    // anywhere in the page otherwise.
    const size_t span = rng() % 2 ? 64 : kPage - kWindow;
    uint8_t* window = data + page * kPage + rng() % span;
    // The input keeps its length, so that the pages behind stay in place,
    // whatever length the window's own mutation answers.
    LLVMFuzzerMutate(window, kWindow, kWindow);
    return size;
}
