// The properties of a table and its columns as Jet 4 keeps them in the
// table's catalog row (MSysObjects.LvProp), in the "MR2" format:
//   "MR2\0"
//   chunks, each a 32-bit length (with its 6-byte header) and a 16-bit type:
//   0x80  the names of the properties: per name its 16-bit byte length and
//         the name in UTF-16LE
//   0x00  the values of one object: a 32-bit length of the name part
//         (4 + 2 + name bytes), the 16-bit byte length and UTF-16LE name of the
//         object (empty for the table itself, the column's name for a column),
//         then per property a 16-bit entry length (with its 8-byte header), a
//         DDL flag (0), the Jet type (0x01 yes/no, 0x04 Long, 0x0A text), the
//         16-bit index of its name, the 16-bit value length and the value:
//         UTF-16LE text, one byte 0x00 or 0xFF, or a 32-bit Long
// The names chunk comes first, then the table's values, then each column's in
// the order of the columns; an object without properties has no chunk.
#ifndef JETWRITER_PROPERTY_BLOCK_H
#define JETWRITER_PROPERTY_BLOCK_H

#include "jetwriter/jetwriter.h"

namespace jetwriter {

// Empty when neither the table nor any of its columns has a property.
// Throws Error naming the table, column and property.
Bytes property_block(const Table& table);

}  // namespace jetwriter

#endif
