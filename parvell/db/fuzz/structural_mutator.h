// Structural edits of a Jet 4 file for the fuzzer: each makes, in a few
// coordinated changes, a damage that changes of single bytes rarely reach.
// Each answers whether it changed the file; none reads or writes outside it.
#ifndef PARVELL_DB_FUZZ_STRUCTURAL_MUTATOR_H
#define PARVELL_DB_FUZZ_STRUCTURAL_MUTATOR_H

#include <stddef.h>
#include <stdint.h>

#include <random>

#include <testsupport/jet_pages.h>

// Copies the long-value reference of one memo or OLE cell over those of
// other cells, of other rows, columns or tables, so that they share one chain.
bool share_a_chain(jet_pages::damaged_file& f, std::minstd_rand& rng);
// Gives a column of a table definition another type (text to memo or OLE,
// memo or OLE to text, ...), and half the time another size.
bool retype_a_column(jet_pages::damaged_file& f, std::minstd_rand& rng);
// Lays a column of a table definition over another: the same fixed offset,
// or the same variable-column number.
bool overlap_two_columns(jet_pages::damaged_file& f, std::minstd_rand& rng);
// Shortens the file to a whole number of pages or to inside a page.
bool cut_at_a_page(jet_pages::damaged_file& f, std::minstd_rand& rng);

// One to three of the edits above; the input's new size, or 0 when none
// applied.
size_t apply_structural_edits(uint8_t* data, size_t size, std::minstd_rand& rng);

#endif
