// Field accessors: what each stored kind reads as, and the conversions that
// fail as the class library's accessors fail.
#include <charconv>
#include <cmath>

#include "blanks.h"
#include "error_texts.h"
#include "jet/query.h"
#include "result_set.h"

namespace jet {
namespace {

// The whole text (blanks around it allowed) as a number of type T.
template <class T>
T parse_text(const std::string& text, EConvertError (*refusal)(const std::string&))
{
    std::string t = trimmed(text);
    const char* first = t.data();
    const char* last = t.data() + t.size();
    if (first != last && *first == '+')
        ++first;
    T value{};
    auto [end, ec] = std::from_chars(first, last, value);
    if (t.empty() || ec != std::errc() || end != last)
        throw refusal(text);
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
    case Value::Null: return 0;
    case Value::Integer:
    case Value::Boolean: return (int32_t)v.integer;
    case Value::Float: {
        double rounded = std::nearbyint(v.real);
        if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
            throw not_an_integer(AsString());
        return (int32_t)rounded;
    }
    case Value::Text: return parse_text<int32_t>(v.bytes, not_an_integer);
    case Value::Blob: break;
    }
    throw blob_not_a_number(FieldName());
}

double TField::AsFloat() const
{
    const Value& v = query_->current(column_);
    switch (v.kind) {
    case Value::Null: return 0.0;
    case Value::Integer:
    case Value::Boolean: return (double)v.integer;
    case Value::Float: return v.real;
    case Value::Text: return parse_text<double>(v.bytes, not_a_float);
    case Value::Blob: break;
    }
    throw blob_not_a_number(FieldName());
}

std::string TField::AsString() const
{
    const Value& v = query_->current(column_);
    char buffer[64];
    switch (v.kind) {
    case Value::Null: return std::string();
    case Value::Integer: {
        auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v.integer);
        (void)ec;
        return std::string(buffer, end);
    }
    case Value::Boolean: return v.integer ? "True" : "False";
    case Value::Float: {
        // Fifteen significant digits, the point whatever the locale says.
        auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v.real, std::chars_format::general, 15);
        (void)ec;
        return std::string(buffer, end);
    }
    case Value::Text: break;
    case Value::Blob: return v.blob ? *v.blob : std::string();
    }
    return v.bytes;
}

}  // namespace jet
