#include "row_encoder.h"

#include <cstring>
#include <limits>

#include "little_endian.h"
#include "ole_date.h"
#include "text_codec.h"

namespace jetwriter {

namespace {

struct Cell {
    bool null = true;
    std::string bytes;  // fixed bytes, text, or the whole long value
    bool long_value = false;
    bool stored_inline = true;
};

std::string describe(const Column& column)
{
    return "column " + column.name + " (" + type_name(column) + ")";
}

std::string fixed_bytes(std::size_t length, std::uint64_t bits)
{
    std::string out(length, '\0');
    for (std::size_t i = 0; i < length; ++i)
        out[i] = static_cast<char>(bits >> (8 * i));
    return out;
}

std::string double_bytes(double v)
{
    std::uint8_t raw[8];
    put_f64(raw, v);
    return std::string(reinterpret_cast<char*>(raw), 8);
}

// The value's bytes for its column, or the reason it does not fit in problem.
Cell encode_cell(const Column& column, const Value& value, std::string& problem)
{
    Cell cell;
    if (value.is_null())
        return cell;
    cell.null = false;
    const Value::Kind kind = value.kind();
    switch (column.type) {
    case ColumnType::Integer:
    case ColumnType::Long: {
        const bool small = column.type == ColumnType::Integer;
        const std::int64_t low =
            small ? std::numeric_limits<std::int16_t>::min() : std::numeric_limits<std::int32_t>::min();
        const std::int64_t high =
            small ? std::numeric_limits<std::int16_t>::max() : std::numeric_limits<std::int32_t>::max();
        if (kind != Value::Kind::Integer || value.integer() < low || value.integer() > high) {
            problem = "needs a whole number from " + std::to_string(low) + " to " + std::to_string(high);
            break;
        }
        cell.bytes = fixed_bytes(small ? 2 : 4, static_cast<std::uint64_t>(value.integer()));
        break;
    }
    case ColumnType::Double:
        if (kind == Value::Kind::Integer)
            cell.bytes = double_bytes(static_cast<double>(value.integer()));
        else if (kind == Value::Kind::Real)
            cell.bytes = double_bytes(value.real());
        else
            problem = "needs a number";
        break;
    case ColumnType::DateTime: {
        double date = 0;
        if (kind == Value::Kind::Real)
            date = value.real();
        else if (kind == Value::Kind::Integer)
            date = static_cast<double>(value.integer());
        else if (kind != Value::Kind::Text || !parse_ole_date(value.text(), date))
            problem = "needs a date such as \"2024-04-01 09:30:00\"";
        cell.bytes = double_bytes(date);
        break;
    }
    case ColumnType::Text:
    case ColumnType::Memo:
        if (kind != Value::Kind::Text) {
            problem = "needs a text";
            break;
        }
        if (!to_ucs2(value.text(), value.text_is_utf8(), cell.bytes, problem))
            break;
        if (column.type == ColumnType::Text && cell.bytes.size() / 2 > static_cast<std::size_t>(column.length))
            problem = "text of " + std::to_string(cell.bytes.size() / 2) + " characters is too long";
        else if (cell.bytes.size() > kMaxLongValue)
            problem = "text is longer than 16 MB";
        cell.long_value = column.type == ColumnType::Memo;
        break;
    case ColumnType::OLE:
        if (kind != Value::Kind::Bytes) {
            problem = "needs binary data (a file)";
            break;
        }
        if (value.bytes().size() > kMaxLongValue) {
            problem = "binary value is larger than 16 MB";
            break;
        }
        cell.bytes.assign(value.bytes().begin(), value.bytes().end());
        cell.long_value = true;
        break;
    }
    return cell;
}

std::size_t var_length(const Cell& cell)
{
    if (cell.null)
        return 0;
    if (!cell.long_value)
        return cell.bytes.size();
    return kLongValueReference + (cell.stored_inline ? cell.bytes.size() : 0);
}

}  // namespace

std::string RowEncoder::encode(const Row& row, std::size_t index)
{
    // A row from a source is named by its line, which the Error carries.
    const std::string where =
        row.line > 0 ? "table " + table_.name : "table " + table_.name + ", row " + std::to_string(index + 1);
    const std::size_t n = table_.columns.size();
    if (row.values.size() != n)
        throw Error(where + ": " + std::to_string(row.values.size()) + " values for " + std::to_string(n) + " columns",
                    row.line);

    // A row written before columns were added stores only those before them.
    const std::size_t stored = row.stored_columns == 0 ? n : row.stored_columns;
    if (stored > n)
        throw Error(where + ": stores " + std::to_string(stored) + " columns of " + std::to_string(n), row.line);
    for (std::size_t i = stored; i < n; ++i)
        if (!row.values[i].is_null())
            throw Error(where + ": " + describe(table_.columns[i]) + ": added after the row, so it has no value",
                        row.line);
    std::vector<Cell> cells(stored);
    for (std::size_t i = 0; i < stored; ++i) {
        std::string problem;
        cells[i] = encode_cell(table_.columns[i], row.values[i], problem);
        if (!problem.empty())
            throw Error(where + ": " + describe(table_.columns[i]) + ": " + problem, row.line);
        cells[i].stored_inline = cells[i].bytes.size() <= kInlineLimit;
    }

    const std::size_t mask_length = (stored + 7) / 8;
    const unsigned fixed_length = layout_.fixed_length(stored);
    const unsigned var_count = layout_.var_places(stored);
    // The definition's count of variable places decides whether rows carry a table of them.
    const std::size_t var_table = layout_.var_count > 0 ? 2 + 2 * var_count + 2 : 0;
    auto row_length = [&]() {
        std::size_t length = 2 + fixed_length + var_table + mask_length;
        for (std::size_t i = 0; i < stored; ++i)
            if (!layout_.columns[i].fixed)
                length += var_length(cells[i]);
        return length;
    };
    // Too long a row moves its largest inline long values out, one by one.
    while (row_length() > kMaxRowLength) {
        Cell* largest = nullptr;
        for (Cell& cell : cells)
            if (!cell.null && cell.long_value && cell.stored_inline &&
                (!largest || cell.bytes.size() > largest->bytes.size()))
                largest = &cell;
        if (!largest)
            throw Error(where + ": the row takes " + std::to_string(row_length()) + " bytes, more than the " +
                            std::to_string(kMaxRowLength) + " a row can hold",
                        row.line);
        largest->stored_inline = false;
    }

    std::string out(row_length(), '\0');
    std::uint8_t* bytes = reinterpret_cast<std::uint8_t*>(&out[0]);
    put_u16(bytes, static_cast<std::uint32_t>(stored));
    std::vector<std::size_t> var_offsets(var_count);
    std::size_t pos = 2 + fixed_length;
    for (std::size_t i = 0; i < stored; ++i) {
        const ColumnLayout& c = layout_.columns[i];
        const Cell& cell = cells[i];
        if (c.fixed) {
            if (!cell.null)
                std::memcpy(bytes + 2 + c.fixed_offset, cell.bytes.data(), c.length);
            continue;
        }
        var_offsets[c.var_index] = pos;
        if (cell.null)
            continue;
        if (!cell.long_value) {
            std::memcpy(bytes + pos, cell.bytes.data(), cell.bytes.size());
        } else if (cell.stored_inline) {
            write_inline_reference(bytes + pos, cell.bytes.size());
            std::memcpy(bytes + pos + kLongValueReference, cell.bytes.data(), cell.bytes.size());
        } else {
            long_values_.store(cell.bytes, bytes + pos);
        }
        pos += var_length(cell);
    }
    if (layout_.var_count > 0) {
        put_u16(bytes + pos, static_cast<std::uint32_t>(pos));  // end of the variable data
        pos += 2;
        for (std::size_t v = var_count; v-- > 0; pos += 2)
            put_u16(bytes + pos, static_cast<std::uint32_t>(var_offsets[v]));
        put_u16(bytes + pos, var_count);
        pos += 2;
    }
    for (std::size_t i = 0; i < stored; ++i)
        if (!cells[i].null)
            bytes[pos + i / 8] |= static_cast<std::uint8_t>(1u << (i % 8));
    return out;
}

}  // namespace jetwriter
