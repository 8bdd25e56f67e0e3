// The in-memory description of a database: values, rows, tables.
#include <fstream>
#include <iterator>

#include "header_page.h"
#include "jetwriter/jetwriter.h"
#include "ole_date.h"
#include "page_file.h"
#include "text_codec.h"

namespace jetwriter {

Error::Error(const std::string& message, int line) : std::runtime_error(message), line_(line) {}

Value::Value(const char* sjis)
{
    if (sjis) {
        kind_ = Kind::Text;
        text_ = sjis;
    }
}

Value::Value(std::string sjis) : kind_(Kind::Text), text_(std::move(sjis)) {}

Value::Value(Bytes bytes) : kind_(Kind::Bytes), bytes_(std::move(bytes)) {}

Value Value::utf8(std::string text)
{
    Value value(std::move(text));
    value.utf8_ = true;
    return value;
}

Value Value::date(int year, int month, int day, int hour, int minute, int second)
{
    return Value(ole_date(year, month, day, hour, minute, second));
}

Row& Table::add_row(std::vector<Value> values, int line)
{
    rows.push_back(Row{std::move(values), line});
    return rows.back();
}

Table& Database::add_table(std::string name, std::vector<Column> columns)
{
    tables.push_back(Table{std::move(name), std::move(columns), {}, 0});
    return tables.back();
}

std::string read_password(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string page(kPageSize, '\0');
    if (!in.read(&page[0], kPageSize))
        throw Error(path + ": not a Jet 4 database (cannot read its header page)");
    std::string ucs2;
    if (!decode_password(reinterpret_cast<const std::uint8_t*>(page.data()), ucs2))
        throw Error(path + ": not a Jet 4 database");
    std::string sjis;
    if (!convert_text(ucs2, "UTF-16LE", "CP932", sjis))
        throw Error(path + ": the password has characters outside code page 932");
    return sjis;
}

}  // namespace jetwriter
