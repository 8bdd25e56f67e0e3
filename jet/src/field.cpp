// Field accessors: what each stored kind reads as, and the conversions that
// fail as the class library's accessors fail.
#include <charconv>
#include <cmath>

#include "jet/errors.h"
#include "jet/query.h"
#include "result_set.h"

namespace jet {
namespace {

bool is_blank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string trimmed(const std::string& s)
{
    size_t b = 0, e = s.size();
    while (b < e && is_blank(s[b]))
        ++b;
    while (e > b && is_blank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

int32_t text_to_integer(const std::string& text)
{
    std::string t = trimmed(text);
    const char* first = t.data();
    const char* last = t.data() + t.size();
    if (first != last && *first == '+')
        ++first;
    int32_t value = 0;
    auto [end, ec] = std::from_chars(first, last, value);
    if (t.empty() || ec != std::errc() || end != last)
        throw EConvertError("'" + text + "' is not a valid integer value");
    return value;
}

double text_to_float(const std::string& text)
{
    std::string t = trimmed(text);
    const char* first = t.data();
    const char* last = t.data() + t.size();
    if (first != last && *first == '+')
        ++first;
    double value = 0.0;
    auto [end, ec] = std::from_chars(first, last, value);
    if (t.empty() || ec != std::errc() || end != last)
        throw EConvertError("'" + text + "' is not a valid floating point value");
    return value;
}

}  // namespace

const std::string& TField::FieldName() const
{
    return query_->result_->columns[column_];
}

bool TField::IsNull() const
{
    return query_->current(column_).kind == Value::Null;
}

int32_t TField::AsInteger() const
{
    const Value& v = query_->current(column_);
    switch (v.kind) {
    case Value::Null:
        return 0;
    case Value::Integer:
    case Value::Boolean:
        return (int32_t)v.integer;
    case Value::Float: {
        double rounded = std::nearbyint(v.real);
        if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
            throw EConvertError(AsString() + " is not a valid integer value");
        return (int32_t)rounded;
    }
    case Value::Text:
        return text_to_integer(v.bytes);
    case Value::Blob:
        break;
    }
    throw EConvertError("The blob field '" + FieldName() + "' cannot be read as an integer");
}

double TField::AsFloat() const
{
    const Value& v = query_->current(column_);
    switch (v.kind) {
    case Value::Null:
        return 0.0;
    case Value::Integer:
    case Value::Boolean:
        return (double)v.integer;
    case Value::Float:
        return v.real;
    case Value::Text:
        return text_to_float(v.bytes);
    case Value::Blob:
        break;
    }
    throw EConvertError("The blob field '" + FieldName() + "' cannot be read as a number");
}

std::string TField::AsString() const
{
    const Value& v = query_->current(column_);
    char buffer[64];
    switch (v.kind) {
    case Value::Null:
        return std::string();
    case Value::Integer: {
        auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v.integer);
        (void)ec;
        return std::string(buffer, end);
    }
    case Value::Boolean:
        return v.integer ? "True" : "False";
    case Value::Float: {
        // Fifteen significant digits, the point whatever the locale says.
        auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v.real,
                                       std::chars_format::general, 15);
        (void)ec;
        return std::string(buffer, end);
    }
    case Value::Text:
    case Value::Blob:
        break;
    }
    return v.bytes;
}

}  // namespace jet
