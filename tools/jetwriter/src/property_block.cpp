#include "property_block.h"

#include <limits>

#include <platform/charset.h>

#include "table_layout.h"
#include "text_codec.h"

namespace jetwriter {

namespace {

constexpr std::uint32_t kNamesChunk = 0x80;
constexpr std::uint32_t kValuesChunk = 0x00;
constexpr std::size_t kChunkHeader = 6;
constexpr std::size_t kEntryHeader = 8;
constexpr std::size_t kMaxNameBytes = 64;
constexpr std::uint32_t kMax16 = 0xFFFF;

void append16(std::string& out, std::uint32_t v)
{
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void append32(std::string& out, std::uint32_t v)
{
    append16(out, v & 0xFFFF);
    append16(out, v >> 16);
}

// A chunk: its length and type, then body.
std::string chunk(std::uint32_t type, const std::string& body)
{
    std::string out;
    append32(out, static_cast<std::uint32_t>(kChunkHeader + body.size()));
    append16(out, type);
    return out + body;
}

std::string ucs2_of(const std::string& text, bool utf8, const std::string& where, int line)
{
    std::string ucs2, problem;
    if (!to_ucs2(text, utf8, ucs2, problem))
        throw Error(where + ": " + problem, line);
    return ucs2;
}

// The value's bytes and Jet type, or the reason it does not fit in problem.
std::string value_bytes(const Property& property, std::uint8_t& type, std::string& problem)
{
    const Value& value = property.value;
    const bool whole = value.kind() == Value::Kind::Integer;
    switch (property.type) {
    case Property::Type::Text: {
        type = kJetText;
        std::string ucs2;
        if (value.kind() != Value::Kind::Text)
            problem = "needs a text";
        else if (to_ucs2(value.text(), value.text_is_utf8(), ucs2, problem) && kEntryHeader + ucs2.size() > kMax16)
            problem = "text of " + std::to_string(ucs2.size() / 2) + " characters is too long for a property";
        return ucs2;
    }
    case Property::Type::YesNo:
        type = kJetYesNo;
        if (!whole)
            problem = "needs yes or no";
        return std::string(1, value.integer() != 0 ? '\xFF' : '\0');
    case Property::Type::Long: {
        type = kJetLong;
        if (!whole || value.integer() < std::numeric_limits<std::int32_t>::min() ||
            value.integer() > std::numeric_limits<std::int32_t>::max())
            problem = "needs a whole number from -2147483648 to 2147483647";
        std::string bytes;
        append32(bytes, static_cast<std::uint32_t>(value.integer()));
        return bytes;
    }
    }
    problem = "unknown property type";
    return {};
}

class BlockBuilder {
public:
    explicit BlockBuilder(const Table& table) : table_(table) {}

    void add_object(const Column* column, const std::vector<Property>& properties);
    Bytes finish() const;

private:
    std::size_t name_index(const std::string& ucs2, const std::string& where, int line);

    const Table& table_;
    std::vector<std::string> names_;  // UTF-16LE, in the order of first use
    std::string values_;              // the value chunks
};

std::size_t BlockBuilder::name_index(const std::string& ucs2, const std::string& where, int line)
{
    for (std::size_t i = 0; i < names_.size(); ++i)
        if (names_[i] == ucs2)
            return i;
    if (names_.size() > kMax16)
        throw Error(where + ": more property names than a block can list", line);
    names_.push_back(ucs2);
    return names_.size() - 1;
}

void BlockBuilder::add_object(const Column* column, const std::vector<Property>& properties)
{
    if (properties.empty())
        return;
    const std::string owner = "table " + table_.name + (column ? ": column " + column->name : std::string());
    const std::string object_name = column ? ucs2_of(column->name, false, owner, table_.line) : std::string();
    std::string body;
    append32(body, static_cast<std::uint32_t>(4 + 2 + object_name.size()));
    append16(body, static_cast<std::uint32_t>(object_name.size()));
    body += object_name;
    for (std::size_t i = 0; i < properties.size(); ++i) {
        const Property& property = properties[i];
        const std::string where = owner + ": property " + property.name;
        const int line = property.line > 0 ? property.line : table_.line;
        if (property.name.empty() || property.name.size() > kMaxNameBytes)
            throw Error(where + ": a property's name has from 1 to 64 bytes", line);
        for (std::size_t j = 0; j < i; ++j)
            if (same_sjis_name(properties[j].name, property.name))
                throw Error(where + " appears twice", line);
        const std::size_t index = name_index(ucs2_of(property.name, false, where, line), where, line);
        std::uint8_t type = 0;
        std::string problem;
        const std::string value = value_bytes(property, type, problem);
        if (!problem.empty())
            throw Error(where + ": " + problem, line);
        append16(body, static_cast<std::uint32_t>(kEntryHeader + value.size()));
        body += '\0';  // DDL flag: an ordinary property
        body += static_cast<char>(type);
        append16(body, static_cast<std::uint32_t>(index));
        append16(body, static_cast<std::uint32_t>(value.size()));
        body += value;
    }
    values_ += chunk(kValuesChunk, body);
}

Bytes BlockBuilder::finish() const
{
    if (values_.empty())
        return {};
    std::string names;
    for (const std::string& name : names_) {
        append16(names, static_cast<std::uint32_t>(name.size()));
        names += name;
    }
    const std::string block = std::string("MR2", 4) + chunk(kNamesChunk, names) + values_;
    return Bytes(block.begin(), block.end());
}

}  // namespace

Bytes property_block(const Table& table)
{
    BlockBuilder builder(table);
    builder.add_object(nullptr, table.properties);
    for (const Column& column : table.columns)
        if (!column.deleted)  // a deleted column's properties went with it
            builder.add_object(&column, column.properties);
    return builder.finish();
}

}  // namespace jetwriter
