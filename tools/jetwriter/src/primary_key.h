// A table's primary key as Jet 4 keeps it: the unique index "PrimaryKey"
// over one Long or Integer column, whose entries stand on one leaf page
// (type 0x04) that is also the index's root:
//   0x00   type 0x04, 0x01, the free space (16 bits), the table's definition page
//   0x08   the neighbouring and the tail leaves: none, the page is the only one
//   0x18   the length of a prefix the entries share (16 bits): none
//   0x1B   a bitmap of where the entries start: bit n (byte 0x1B + n / 8,
//          bit n % 8) set for an entry after the first, and for the end of
//          the last, at 0x1E0 + n
//   0x1E0  the entries in key order: a flag (0x7F, an ascending value), the
//          key big-endian with its sign bit flipped (the bytes sort as the
//          numbers do), the row's page (24 bits) and row (8 bits) big-endian
#ifndef JETWRITER_PRIMARY_KEY_H
#define JETWRITER_PRIMARY_KEY_H

#include <cstdint>
#include <optional>
#include <vector>

#include "jetwriter/jetwriter.h"

namespace jetwriter {

// The number of the key's column, none when the table has no key. Throws
// Error when the key names no Long or Integer column of the table.
std::optional<unsigned> primary_key_column(const Table& table);

// Fills page with the key's leaf over the table's rows that are not deleted;
// addresses holds each row's address (page_row), in the table's order.
// Throws Error naming a row whose key is missing or repeated, or the table
// when its entries do not fit the page.
void build_key_leaf(std::uint8_t* page, const Table& table, unsigned column,
                    const std::vector<std::uint32_t>& addresses, std::uint32_t definition_page);

}  // namespace jetwriter

#endif
