// The source text format: a few statements, one per line (see kHelp).
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>

#include <platform/charset.h>

#include "jetwriter/jetwriter.h"
#include "ole_date.h"
#include "text_codec.h"

namespace jetwriter {

namespace {

// UTF-8 like the sources it describes, whatever the narrow execution charset.
const char kHelp[] =
    u8"A source describes the tables of one database, one statement per line:\n"
    "\n"
    "  # a comment, to the end of the line\n"
    "  password \"secret\"                the database password (optional, at most 20 characters)\n"
    "  created \"2024-04-01 09:00:00\"    the creation date (optional; default: the time of writing)\n"
    "  table Name (Column Type, ...)    starts a table; the column list may run over several lines\n"
    "  value, value, ...                one row of the last table; a line that ends with a comma\n"
    "                                   goes on on the next line\n"
    "  property Name value              a property of the last table, such as its Description\n"
    "  property Column.Name value       a property of one of its columns, such as its Caption\n"
    "  primary key Column               the last table's primary key: a Long or Integer column whose\n"
    "                                   values are all set and differ\n"
    "  deleted value, value, ...        a row stored as a deleted one: its bytes stay in its page,\n"
    "                                   but readers pass over it\n"
    "\n"
    "A property's value is a \"text\", a whole number (a Long) or yes or no; the properties are\n"
    "stored as Jet 4 stores them, in the table's row of the catalog MSysObjects (column LvProp).\n"
    "A primary key is stored as Jet 4 stores an index, as the index PrimaryKey with its entries on\n"
    "one index page: a table with a key has at most 401 rows (516 with an Integer key); deleted\n"
    "rows have no entry and no part in the key.\n"
    "\n"
    "Types: Long (32-bit integer), Integer (16-bit), Double, DateTime,\n"
    "       Text(n) (up to n characters, n from 1 to 255), Memo (long text), OLE (long binary).\n"
    "\n"
    "Values:\n"
    "  NULL                no value, in any column\n"
    "  42  -7              whole numbers (Long, Integer, Double; DateTime as days since 1899-12-30)\n"
    "  0.85  1e-3          numbers with a fraction or exponent (Double, DateTime)\n"
    "  \"text\"              text (Text, Memo; DateTime as \"YYYY-MM-DD[ HH:MM[:SS]]\");\n"
    "                      \\\" \\\\ \\n \\r \\t stand for quote, backslash, line feed, carriage return, tab\n"
    "  file(\"a/b.jpg\")     the bytes of a file, relative to the folder of the source (OLE)\n"
    "  hex\"0A1B2C\"         bytes in hexadecimal (OLE)\n"
    "\n"
    "The source is UTF-8; keywords and type names may be written in any case.\n"
    "Example:\n"
    "  table Mst_Pipe (ID Long, Name Text(16), Photo OLE)\n"
    "  property Description \"配管の種類\"\n"
    "  property Name.Caption \"配管名\"\n"
    "  primary key ID\n"
    "  1, \"給水配管\", file(\"pictures/water.jpg\")\n"
    "  deleted 9, \"廃止配管\", NULL\n"
    "  2, \"排水配管\", NULL\n";

enum class TokenKind { Word, Number, String, Punct, End };

struct Token {
    TokenKind kind;
    std::string text;  // words and numbers as written, strings unescaped, punctuation
    int line;
};

bool word_char(unsigned char c, bool first)
{
    return std::isalpha(c) || c == '_' || c >= 0x80 || (!first && std::isdigit(c));
}

bool equals_word(const Token& token, const char* word)
{
    if (token.kind != TokenKind::Word || token.text.size() != std::strlen(word))
        return false;
    for (std::size_t i = 0; i < token.text.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(token.text[i])) !=
            std::tolower(static_cast<unsigned char>(word[i])))
            return false;
    return true;
}

// Splits the text into tokens; a line end is the punctuation "\n".
std::vector<Token> tokenize(const std::string& text)
{
    std::vector<Token> tokens;
    int line = 1;
    std::size_t i = 0;
    while (i < text.size()) {
        unsigned char c = text[i];
        if (c == '\n') {
            tokens.push_back({TokenKind::Punct, "\n", line++});
            ++i;
        } else if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#') {
            while (i < text.size() && text[i] != '\n')
                ++i;
        } else if (c == '"') {
            std::string value;
            ++i;
            for (;;) {
                if (i >= text.size() || text[i] == '\n')
                    throw Error("a text is not closed with \"", line);
                char d = text[i++];
                if (d == '"')
                    break;
                if (d != '\\') {
                    value += d;
                    continue;
                }
                char e = i < text.size() ? text[i++] : '\0';
                switch (e) {
                case '"': value += '"'; break;
                case '\\': value += '\\'; break;
                case 'n': value += '\n'; break;
                case 'r': value += '\r'; break;
                case 't': value += '\t'; break;
                default: throw Error(std::string("unknown escape \\") + e + " in a text", line);
                }
            }
            tokens.push_back({TokenKind::String, value, line});
        } else if (std::isdigit(c) || ((c == '-' || c == '+') && i + 1 < text.size() &&
                                       (std::isdigit(static_cast<unsigned char>(text[i + 1])) || text[i + 1] == '.'))) {
            std::size_t start = i++;
            while (i < text.size() &&
                   (std::isalnum(static_cast<unsigned char>(text[i])) || text[i] == '.' ||
                    ((text[i] == '-' || text[i] == '+') && (text[i - 1] == 'e' || text[i - 1] == 'E'))))
                ++i;
            tokens.push_back({TokenKind::Number, text.substr(start, i - start), line});
        } else if (word_char(c, true)) {
            std::size_t start = i;
            while (i < text.size() && word_char(static_cast<unsigned char>(text[i]), false))
                ++i;
            tokens.push_back({TokenKind::Word, text.substr(start, i - start), line});
        } else if (c == '(' || c == ')' || c == ',' || c == '.') {
            tokens.push_back({TokenKind::Punct, std::string(1, static_cast<char>(c)), line});
            ++i;
        } else {
            throw Error(std::string("unexpected character '") + static_cast<char>(c) + "'", line);
        }
    }
    tokens.push_back({TokenKind::Punct, "\n", line});
    tokens.push_back({TokenKind::End, "", line});
    return tokens;
}

class Parser {
public:
    Parser(const std::string& text, const std::string& files_dir, std::vector<std::string>* files_read)
        : tokens_(tokenize(text)), files_dir_(files_dir), files_read_(files_read)
    {}

    Database parse()
    {
        Database database;
        bool have_password = false, have_created = false;
        while (peek().kind != TokenKind::End) {
            if (is_punct("\n")) {
                ++at_;
            } else if (equals_word(peek(), "password")) {
                once(have_password, "password");
                ++at_;
                if (peek().kind != TokenKind::String)
                    expect_string("the password");
                database.password = name_in_sjis("the password");
                end_of_statement();
            } else if (equals_word(peek(), "created")) {
                once(have_created, "created");
                ++at_;
                const int line = peek().line;
                double date;
                if (!parse_ole_date(expect_string("the creation date"), date))
                    throw Error("the creation date must read \"YYYY-MM-DD[ HH:MM[:SS]]\"", line);
                database.created = date;
                end_of_statement();
            } else if (equals_word(peek(), "table")) {
                ++at_;
                database.tables.push_back(table_header());
            } else if (equals_word(peek(), "property")) {
                if (database.tables.empty())
                    throw Error("a property before the first table statement", peek().line);
                ++at_;
                property(database.tables.back());
            } else if (equals_word(peek(), "primary")) {
                if (database.tables.empty())
                    throw Error("a primary key before the first table statement", peek().line);
                primary_key(database.tables.back());
            } else {
                if (database.tables.empty())
                    throw Error("a row before the first table statement", peek().line);
                const int line = peek().line;
                const bool deleted = equals_word(peek(), "deleted");
                at_ += deleted ? 1 : 0;
                database.tables.back().add_row(row_values(), line).deleted = deleted;
            }
        }
        return database;
    }

private:
    const Token& peek() const { return tokens_[at_]; }
    bool is_punct(const char* p) const { return peek().kind == TokenKind::Punct && peek().text == p; }

    void once(bool& seen, const char* what)
    {
        if (seen)
            throw Error(std::string("a second ") + what + " statement", peek().line);
        seen = true;
    }

    void expect_punct(const char* p, const std::string& what)
    {
        if (!is_punct(p))
            throw Error("expected " + what + got(), peek().line);
        ++at_;
    }

    std::string got() const
    {
        const Token& t = peek();
        if (t.kind == TokenKind::End || (t.kind == TokenKind::Punct && t.text == "\n"))
            return " before the end of the line";
        return ", found " + (t.kind == TokenKind::String ? "a text" : "'" + t.text + "'");
    }

    std::string expect_string(const std::string& what)
    {
        if (peek().kind != TokenKind::String)
            throw Error("expected " + what + " in quotes" + got(), peek().line);
        return tokens_[at_++].text;
    }

    std::string expect_word(const std::string& what)
    {
        if (peek().kind != TokenKind::Word)
            throw Error("expected " + what + got(), peek().line);
        return tokens_[at_++].text;
    }

    void end_of_statement()
    {
        if (!is_punct("\n"))
            throw Error("expected the end of the line" + got(), peek().line);
        ++at_;
    }

    void skip_line_ends()
    {
        while (is_punct("\n"))
            ++at_;
    }

    // Names and the password are kept in code page 932 like every narrow text.
    std::string name_in_sjis(const std::string& what)
    {
        const int line = peek().line;
        const std::string utf8 = peek().kind == TokenKind::String ? expect_string(what) : expect_word(what);
        bool ok;
        std::string sjis = utf8_to_sjis_strict(utf8, ok);
        if (!ok)
            throw Error(what + " has characters outside code page 932", line);
        return sjis;
    }

    Table table_header()
    {
        Table table;
        table.line = peek().line;
        table.name = name_in_sjis("a table name");
        expect_punct("(", "'(' and the columns");
        for (;;) {
            skip_line_ends();
            Column column;
            column.name = name_in_sjis("a column name");
            column_type(column);
            table.columns.push_back(column);
            skip_line_ends();
            if (is_punct(")"))
                break;
            expect_punct(",", "',' or ')'");
        }
        ++at_;
        end_of_statement();
        return table;
    }

    void column_type(Column& column)
    {
        const int line = peek().line;
        const Token& type = peek();
        expect_word("a type for column " + column.name);
        static const struct {
            const char* name;
            ColumnType type;
        } kTypes[] = {{"Long", ColumnType::Long},     {"Integer", ColumnType::Integer},
                      {"Double", ColumnType::Double}, {"DateTime", ColumnType::DateTime},
                      {"Text", ColumnType::Text},     {"Memo", ColumnType::Memo},
                      {"OLE", ColumnType::OLE}};
        for (const auto& known : kTypes) {
            if (!equals_word(type, known.name))
                continue;
            column.type = known.type;
            if (column.type == ColumnType::Text) {
                expect_punct("(", "'(' and the length of Text");
                const Token& length = peek();
                if (length.kind != TokenKind::Number || length.text.size() > 3 ||
                    length.text.find_first_not_of("0123456789") != std::string::npos)
                    throw Error("expected the length of Text as a number from 1 to 255" + got(), length.line);
                column.length = std::stoi(length.text);
                ++at_;
                expect_punct(")", "')'");
            }
            return;
        }
        throw Error("unknown type " + type.text + " (known: Long, Integer, Double, DateTime, Text(n), Memo, OLE)",
                    line);
    }

    // property [Column.]Name value
    void property(Table& table)
    {
        Property property;
        property.line = peek().line;
        property.name = name_in_sjis("a property name");
        std::vector<Property>* properties = &table.properties;
        if (is_punct(".")) {
            ++at_;
            const std::string column = property.name;
            properties = nullptr;
            for (Column& c : table.columns)
                if (same_sjis_name(c.name, column))
                    properties = &c.properties;
            if (!properties)
                throw Error("table " + table.name + " has no column " + column, property.line);
            property.name = name_in_sjis("a property name");
        }
        const Token& t = peek();
        if (t.kind == TokenKind::String) {
            property.value = Value::utf8(t.text);
        } else if (t.kind == TokenKind::Number) {
            property.type = Property::Type::Long;
            property.value = number(t);
        } else if (equals_word(t, "yes") || equals_word(t, "no")) {
            property.type = Property::Type::YesNo;
            property.value = Value(equals_word(t, "yes") ? 1 : 0);
        }
        if (property.value.is_null() || property.value.kind() == Value::Kind::Real)
            throw Error("expected the property's value: a text, a whole number, yes or no" + got(), t.line);
        ++at_;
        end_of_statement();
        properties->push_back(std::move(property));
    }

    // primary key Column
    void primary_key(Table& table)
    {
        const int line = peek().line;
        ++at_;
        if (!equals_word(peek(), "key"))
            throw Error("expected key after primary" + got(), line);
        ++at_;
        if (!table.primary_key.column.empty())
            throw Error("table " + table.name + " has a primary key already", line);
        table.primary_key = {name_in_sjis("the key's column"), line};
        end_of_statement();
    }

    std::vector<Value> row_values()
    {
        std::vector<Value> values;
        for (;;) {
            values.push_back(value());
            if (is_punct("\n"))
                break;
            expect_punct(",", "',' between values");
            skip_line_ends();  // a row goes on after a comma at the end of a line
        }
        ++at_;
        return values;
    }

    Value value()
    {
        const Token& t = peek();
        if (t.kind == TokenKind::String) {
            ++at_;
            return Value::utf8(t.text);
        }
        if (t.kind == TokenKind::Number) {
            ++at_;
            return number(t);
        }
        if (equals_word(t, "NULL")) {
            ++at_;
            return Value();
        }
        if (equals_word(t, "file")) {
            ++at_;
            expect_punct("(", "'(' after file");
            std::string path = expect_string("a file name");
            expect_punct(")", "')'");
            return Value(file_bytes(path, t.line));
        }
        if (equals_word(t, "hex")) {
            ++at_;
            return Value(hex_bytes(expect_string("hexadecimal digits"), t.line));
        }
        throw Error("expected a value" + got(), t.line);
    }

    static Value number(const Token& t)
    {
        const char* s = t.text.c_str();
        char* end = nullptr;
        errno = 0;
        if (t.text.find_first_of(".eE") == std::string::npos) {
            long long v = std::strtoll(s, &end, 10);
            if (*end == '\0' && errno == 0)
                return Value(v);
        } else {
            double v = std::strtod(s, &end);
            if (*end == '\0' && errno == 0)
                return Value(v);
        }
        throw Error("not a number: " + t.text, t.line);
    }

    static Bytes hex_bytes(const std::string& digits, int line)
    {
        if (digits.size() % 2 != 0)
            throw Error("hexadecimal bytes need an even number of digits", line);
        Bytes bytes;
        for (std::size_t i = 0; i < digits.size(); i += 2) {
            if (!std::isxdigit(static_cast<unsigned char>(digits[i])) ||
                !std::isxdigit(static_cast<unsigned char>(digits[i + 1])))
                throw Error("not a hexadecimal digit in hex\"" + digits + "\"", line);
            bytes.push_back(static_cast<unsigned char>(std::stoi(digits.substr(i, 2), nullptr, 16)));
        }
        return bytes;
    }

    Bytes file_bytes(const std::string& name, int line)
    {
        std::string path = !name.empty() && name[0] == '/' ? name : files_dir_ + "/" + name;
        auto cached = files_.find(path);
        if (cached != files_.end())
            return cached->second;
        std::ifstream in(path, std::ios::binary);
        if (!in)
            throw Error("cannot read file \"" + name + "\" (" + path + "): " + std::strerror(errno), line);
        Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (in.bad())
            throw Error("cannot read file \"" + name + "\" (" + path + ")", line);
        if (files_read_)
            files_read_->push_back(path);
        return files_[path] = std::move(bytes);
    }

    std::vector<Token> tokens_;
    std::size_t at_ = 0;
    std::string files_dir_;
    std::vector<std::string>* files_read_;
    std::map<std::string, Bytes> files_;
};

}  // namespace

const char* source_format_help()
{
    return kHelp;
}

Database parse_source(const std::string& text, const std::string& files_dir, std::vector<std::string>* files_read)
{
    return Parser(text, files_dir, files_read).parse();
}

Database read_source(const std::string& path, const std::string& files_dir, std::vector<std::string>* files_read)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw Error("cannot read " + path + ": " + std::strerror(errno));
    std::stringstream text;
    text << in.rdbuf();
    std::string dir = files_dir;
    if (dir.empty()) {
        std::size_t slash = path.rfind('/');
        dir = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    }
    if (files_read)
        files_read->push_back(path);
    return parse_source(text.str(), dir, files_read);
}

}  // namespace jetwriter
