// The data layer refuses files whose work is not bounded by their size: a
// long-value piece read twice, columns that share bytes or a place in the
// offset table, a page past the end of the file. Each of those takes a few
// coordinated edits, which these make at once. The input is damaged by
// design: everything is read through jet_pages::damaged_file, and written
// only where a column entry or a row was found whole in its page.
#include "structural_mutator.h"

#include <string.h>

#include <utility>
#include <vector>

using namespace jet_pages;

namespace {

constexpr unsigned char kBinaryType = 0x09;
constexpr unsigned char kLongType = 0x04, kDoubleType = 0x07;
// The long-value references one edit looks at, at most: enough for the
// sample database's tables, cheap on any input.
constexpr size_t kMostReferences = 512;
constexpr int kTriesForTable = 4;

bool is_long_value(unsigned char type)
{
    return type == kMemoType || type == kOleType;
}

template <typename T>
const T& pick(const std::vector<T>& from, std::minstd_rand& rng)
{
    return from[rng() % from.size()];
}

// Where the references of memo and OLE cells stand, over every table.
std::vector<size_t> long_value_references(const damaged_file& f)
{
    std::vector<size_t> at;
    for (size_t definition : pages_of_kind(f, kDefinitionPage)) {
        std::vector<Column> long_values;
        for (const Column& c : columns(f, definition))
            if (is_long_value(c.type) && !c.fixed)
                long_values.push_back(c);
        if (long_values.empty())
            continue;
        for (size_t page : data_pages(f, definition))
            for (unsigned row = 0; row < f.u16(page * kPage + kRowCount); ++row) {
                std::pair<size_t, size_t> bounds, field;
                uint32_t flags;
                if (!row_bounds(f, page, row, bounds, flags) || (flags & (kDeletedRow | kLookupRow)))
                    continue;
                for (const Column& c : long_values)
                    if (variable_field(f, bounds, c.variable_number, field) &&
                        field.second - field.first >= kReference) {
                        at.push_back(field.first);
                        if (at.size() == kMostReferences)
                            return at;
                    }
            }
    }
    return at;
}

// The columns of a table definition that has at least `least` of them;
// none when a few tries find none.
std::vector<Column> some_table(const damaged_file& f, size_t least, std::minstd_rand& rng)
{
    const std::vector<size_t> definitions = pages_of_kind(f, kDefinitionPage);
    for (int i = 0; i < kTriesForTable && !definitions.empty(); ++i) {
        std::vector<Column> cols = columns(f, pick(definitions, rng));
        if (cols.size() >= least)
            return cols;
    }
    return {};
}

}  // namespace

bool share_a_chain(damaged_file& f, std::minstd_rand& rng)
{
    const std::vector<size_t> references = long_value_references(f);
    if (references.size() < 2)
        return false;
    // A chain or a single page rather than a value held in the row, when the
    // file has one: its pieces are what two readers would share.
    std::vector<size_t> outside;
    for (size_t at : references)
        if (!(f.data[at + 3] & 0x80))
            outside.push_back(at);
    const size_t source = pick(outside.empty() ? references : outside, rng);
    uint8_t reference[kReference];
    memcpy(reference, f.data + source, kReference);

    bool changed = false;
    const bool all = rng() % 2;
    const size_t count = all ? references.size() : 1 + rng() % 8;
    for (size_t i = 0; i < count; ++i) {
        const size_t target = all ? references[i] : pick(references, rng);
        if (memcmp(f.data + target, reference, kReference) != 0) {
            memcpy(f.data + target, reference, kReference);
            changed = true;
        }
    }
    return changed;
}

bool retype_a_column(damaged_file& f, std::minstd_rand& rng)
{
    const std::vector<Column> cols = some_table(f, 1, rng);
    if (cols.empty())
        return false;
    const Column& c = pick(cols, rng);
    static const std::vector<unsigned char> long_values = {kMemoType, kOleType};
    static const std::vector<unsigned char> short_values = {kTextType, kBinaryType};
    static const std::vector<unsigned char> any = {kTextType, kBinaryType, kMemoType, kOleType, kLongType, kDoubleType};
    const std::vector<unsigned char>& types = is_long_value(c.type)                          ? short_values
                                              : c.type == kTextType || c.type == kBinaryType ? long_values
                                                                                             : any;
    unsigned char type = pick(types, rng);
    if (type == c.type)
        type = type == kMemoType ? kOleType : kMemoType;
    f.data[c.entry] = type;
    // What the writer gives a memo, a reference, the longest text, anything.
    static const std::vector<uint32_t> sizes = {0, kReference, 510, 0xFFFF};
    if (rng() % 2)
        f.put16(c.entry + kColumnSize, rng() % 4 ? pick(sizes, rng) : rng() % 0x10000);
    return true;
}

bool overlap_two_columns(damaged_file& f, std::minstd_rand& rng)
{
    const std::vector<Column> cols = some_table(f, 2, rng);
    if (cols.empty())
        return false;
    const bool fixed = rng() % 2;
    // The column laid over: one of the kind the other becomes, when the table has one.
    std::vector<size_t> under;
    for (size_t i = 0; i < cols.size(); ++i)
        if (cols[i].fixed == fixed)
            under.push_back(i);
    const size_t b = under.empty() ? rng() % cols.size() : pick(under, rng);
    const size_t a = (b + 1 + rng() % (cols.size() - 1)) % cols.size();
    const Column &over = cols[a], &base = cols[b];
    if (fixed) {
        f.data[over.entry + kColumnFlags] |= kFixedFlag;
        // Now and then into the other's bytes rather than at their start.
        const uint32_t into = rng() % 4 == 0 && base.size > 1 ? 1 + rng() % (base.size - 1) : 0;
        f.put16(over.entry + kFixedOffset, (base.fixed_offset + into) & 0xFFFF);
        if (rng() % 2)
            f.put16(over.entry + kColumnSize, base.size ? base.size : kReference);
    } else {
        f.data[over.entry + kColumnFlags] &= (uint8_t)~kFixedFlag;
        f.put16(over.entry + kVariableNumber, base.variable_number);
    }
    return true;
}

bool cut_at_a_page(damaged_file& f, std::minstd_rand& rng)
{
    if (f.size < 2)
        return false;
    // Whole pages that end before the file does.
    const size_t whole = (f.size - 1) / kPage;
    size_t size;
    if (whole > 0 && rng() % 2)
        size = (1 + rng() % whole) * kPage;
    else
        size = (rng() % (whole + 1)) * kPage + 1 + rng() % (kPage - 1);
    f.size = size < f.size ? size : f.size - 1;
    return true;
}

size_t apply_structural_edits(uint8_t* data, size_t size, std::minstd_rand& rng)
{
    damaged_file f{data, size};
    bool changed = false;
    // Cuts are rarer, since they leave less for the other edits.
    for (unsigned edits = 1 + rng() % 3; edits > 0; --edits) {
        const unsigned which = rng() % 8;
        changed |= which < 3   ? share_a_chain(f, rng)
                   : which < 5 ? retype_a_column(f, rng)
                   : which < 7 ? overlap_two_columns(f, rng)
                               : cut_at_a_page(f, rng);
    }
    return changed ? f.size : 0;
}
