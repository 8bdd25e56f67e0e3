// Where each column of a table lives in its rows: fixed-size columns at fixed
// offsets, the others in the variable part with an entry in the offset table.
// Deleted columns keep their number and their place, so the layout covers
// every column of the description, in the order of their numbers.
#ifndef JETWRITER_TABLE_LAYOUT_H
#define JETWRITER_TABLE_LAYOUT_H

#include <cstdint>
#include <string>
#include <vector>

#include "jetwriter/jetwriter.h"

namespace jetwriter {

// Column type codes of Jet.
enum JetType : std::uint8_t {
    kJetYesNo = 0x01,  // only in property blocks: the writer has no Yes/No columns
    kJetInteger = 0x03,
    kJetLong = 0x04,
    kJetDouble = 0x07,
    kJetDateTime = 0x08,
    kJetText = 0x0A,
    kJetOle = 0x0B,
    kJetMemo = 0x0C,
};

struct ColumnLayout {
    JetType type;
    bool fixed;
    unsigned fixed_offset;  // fixed columns: offset in the fixed part of a row
    unsigned var_index;     // variable columns: entry in the row's offset table
    unsigned length;        // bytes as the table definition states it (0 for long values)
};

struct TableLayout {
    std::vector<ColumnLayout> columns;  // by column number
    unsigned var_count = 0;             // deleted columns' places too

    // The bytes of a row's fixed part when it stores its first `stored` columns.
    unsigned fixed_length(std::size_t stored) const;
    // How many of the first `stored` columns are variable.
    unsigned var_places(std::size_t stored) const;
};

// Checks names, types, lengths and the order of fixed columns; throws Error
// naming the table and column.
TableLayout lay_out_table(const Table& table);

std::string type_name(const Column& column);

}  // namespace jetwriter

#endif
