// Writes Jet 4 database files (Access 2000 .mdb, 4096-byte pages) from tables
// described in code or in a source text (see parse_source below).
//
// Narrow texts handed to this library (table and column names, the password,
// text values) are in the system's code page 932 (Shift-JIS), like every
// narrow literal of this code base; Value::utf8 takes UTF-8 text instead.
// The file stores texts as UCS-2, as Jet 4 does.
#ifndef JETWRITER_JETWRITER_H
#define JETWRITER_JETWRITER_H

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

namespace jetwriter {

// Any failure: bad description, value that does not fit, unreadable file.
// line() is the source line the problem stands on, 0 when there is none.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message, int line = 0);
    int line() const { return line_; }

private:
    int line_;
};

enum class ColumnType {
    Integer,  // 16-bit signed
    Long,     // Long Integer, 32-bit signed
    Double,
    DateTime,  // days since 1899-12-30 as a double
    Text,      // Text(n): up to n UCS-2 characters, n from 1 to 255
    Memo,      // long text
    OLE,       // long binary (pictures, documents)
};

using Bytes = std::vector<unsigned char>;

// One cell: NULL, an integer, a real number, a text or bytes.
class Value {
public:
    enum class Kind { Null, Integer, Real, Text, Bytes };

    Value() = default;  // NULL
    template <class T, std::enable_if_t<std::is_integral_v<T>, int> = 0>
    Value(T v) : kind_(Kind::Integer), integer_(static_cast<std::int64_t>(v))
    {}
    Value(double v) : kind_(Kind::Real), real_(v) {}
    Value(const char* sjis);  // a null pointer gives NULL
    Value(std::string sjis);
    Value(Bytes bytes);

    static Value utf8(std::string text);
    // An OLE date (for DateTime columns) from calendar date and time of day.
    static Value date(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

    Kind kind() const { return kind_; }
    bool is_null() const { return kind_ == Kind::Null; }
    std::int64_t integer() const { return integer_; }
    double real() const { return real_; }
    const std::string& text() const { return text_; }  // in text_is_utf8() ? UTF-8 : CP932
    bool text_is_utf8() const { return utf8_; }
    const Bytes& bytes() const { return bytes_; }

private:
    Kind kind_ = Kind::Null;
    std::int64_t integer_ = 0;
    double real_ = 0.0;
    std::string text_;
    bool utf8_ = false;
    Bytes bytes_;
};

// A property of a table or a column as the desktop database program keeps it
// (Description, Caption, ...); the writer stores them in the table's catalog
// row, in MSysObjects.LvProp.
struct Property {
    enum class Type { Text, YesNo, Long };

    std::string name;  // at most 64 bytes
    Type type = Type::Text;
    Value value;   // Text: a text; YesNo: a whole number, 0 for no; Long: a whole number
    int line = 0;  // source line of the property, 0 when built in code
};

struct Column {
    std::string name;
    ColumnType type = ColumnType::Long;
    int length = 0;                      // Text only: the most characters a value may have
    std::vector<Property> properties{};  // "{}": brace lists may end before it without a warning
    // Deleted from the table after rows were written, the file not compacted
    // since: the definition no longer lists it, but every row keeps its
    // place (its fixed bytes, or its entry in the row's variable offsets),
    // and its number stays taken. Rows written before the deletion give it
    // its old value, rows written after it NULL.
    bool deleted = false;
};

struct Row {
    std::vector<Value> values;
    int line = 0;          // source line of the row, 0 when built in code
    bool deleted = false;  // stored, but flagged deleted in its page: readers pass over it
    // The columns the row stores, from the first: 0 for all. A row written
    // before columns were added to the table stores only those before them
    // (its values for the later ones are NULL): no bytes, place or null bit.
    std::size_t stored_columns = 0;
};

// How a table's definition lists its columns: by their numbers, or by name
// as the desktop program lists the columns of its system tables.
enum class ColumnOrder { ByNumber, ByName };

// How a usage map marks a table's pages: a bitmap in the map's own row
// (kind 0), or the row names bitmap pages that hold the bits (kind 1), as
// large files have it.
enum class UsageMap { InRow, OnBitmapPages };

// A table's primary key: one Long or Integer column whose values are all set
// and differ (deleted rows aside). Jet keeps it as the unique index
// "PrimaryKey", whose entries the writer puts on one index page, so a table
// with a key has at most 401 rows.
struct PrimaryKey {
    std::string column;  // empty for none
    int line = 0;        // source line of the statement, 0 when built in code
};

struct Table {
    std::string name;
    std::vector<Column> columns;
    std::vector<Row> rows;
    int line = 0;  // source line of the table's declaration, 0 when built in code
    std::vector<Property> properties{};
    PrimaryKey primary_key{};
    // Shapes of files that the desktop program has kept a long time; the
    // defaults write the plain shape. A definition longer than a page always
    // goes on in further definition pages.
    ColumnOrder column_order = ColumnOrder::ByNumber;
    // The fixed-size columns (deleted ones too) by name, in the order their
    // bytes lie in a row; empty for the order of their numbers.
    std::vector<std::string> fixed_order{};
    UsageMap usage_map = UsageMap::InRow;  // for both maps of the table
    // Another table whose data pages this table's usage map marks as well,
    // as a map left stale by the desktop program does; empty for none.
    std::string marks_pages_of{};

    Row& add_row(std::vector<Value> values, int line = 0);
};

struct Database {
    std::deque<Table> tables;       // adding a table leaves references to the others valid
    std::string password;           // database password, at most 20 characters; empty for none
    std::optional<double> created;  // creation date (OLE date); the time of writing when unset
    // The key of an encrypted database: every page after the header is
    // RC4-encoded with the 4 little-endian bytes of (page_key XOR the page's
    // number). 0 stores the pages plain.
    std::uint32_t page_key = 0;

    Table& add_table(std::string name, std::vector<Column> columns);
};

// Checks the whole description, then writes the file under a temporary name
// beside path and renames it into place: on any error nothing is left behind
// and an existing file at path stays as it was. Throws Error.
void write_database(const Database& database, const std::string& path);

// Reads a database description from source text (UTF-8); the format is
// described by source_format_help(). Blob files named in it are read
// relative to files_dir. Every file read is appended to files_read when given.
Database parse_source(const std::string& text, const std::string& files_dir,
                      std::vector<std::string>* files_read = nullptr);

// parse_source on the contents of a file; files_dir defaults to the folder
// that holds the source. Errors carry the line; the message does not name
// the file.
Database read_source(const std::string& path, const std::string& files_dir = {},
                     std::vector<std::string>* files_read = nullptr);

// The description of the source format, as the command-line tool prints it.
const char* source_format_help();

// The database password stored in the header page of the file at path, in
// code page 932. Throws Error when the file is not a Jet 4 database.
std::string read_password(const std::string& path);

}  // namespace jetwriter

#endif
