#include "statement.h"

#include <vector>

#include "blanks.h"
#include "error_texts.h"
#include "platform/charset.h"

namespace jet {
namespace {

char ascii_upper(unsigned char c)
{
    return (char)(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
}

bool is_digit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

// Letters, digits, '_' and every non-ASCII byte (double-byte and half-width
// kana characters) make up names.
bool is_word_byte(unsigned char c)
{
    return is_digit(c) || (ascii_upper(c) >= 'A' && ascii_upper(c) <= 'Z') || c == '_' || c >= 0x80;
}

struct Token {
    enum Kind { Word, Bracketed, Symbol } kind;
    std::string text;
    size_t offset;
};

class Parser {
public:
    explicit Parser(const std::string& sql) : sql_(sql) { tokenize(); }

    Statement parse()
    {
        Statement st;
        keyword("SELECT");
        symbol('*');
        keyword("FROM");
        st.table = name(Expected::table_name);
        if (at_keyword("WHERE")) {
            ++next_;
            st.has_where = true;
            st.where_column = name(Expected::column_name);
            symbol('=');
            st.where_value = integer();
        }
        if (at_keyword("ORDER")) {
            ++next_;
            keyword("BY");
            st.has_order = true;
            st.order_column = name(Expected::column_name);
            if (at_keyword("ASC")) {
                ++next_;
            } else if (at_keyword("DESC")) {
                ++next_;
                st.descending = true;
            }
        }
        if (next_ < tokens_.size() && tokens_[next_].kind == Token::Symbol && tokens_[next_].text == ";")
            ++next_;
        if (next_ < tokens_.size())
            fail(expected_item(Expected::statement_end));
        return st;
    }

private:
    void tokenize()
    {
        size_t i = 0;
        while (i < sql_.size()) {
            unsigned char c = (unsigned char)sql_[i];
            if (is_blank((char)c)) {
                ++i;
            } else if (c == '[') {
                size_t close = sql_.find(']', i + 1);
                if (close == std::string::npos)
                    throw statement_not_supported(sql_, bracket_not_closed());
                tokens_.push_back({Token::Bracketed, sql_.substr(i + 1, close - i - 1), i});
                i = close + 1;
            } else if (is_word_byte(c)) {
                size_t start = i;
                while (i < sql_.size() && is_word_byte((unsigned char)sql_[i]))
                    i += is_sjis_lead((unsigned char)sql_[i]) && i + 1 < sql_.size() ? 2 : 1;
                tokens_.push_back({Token::Word, sql_.substr(start, i - start), start});
            } else {
                tokens_.push_back({Token::Symbol, std::string(1, (char)c), i});
                ++i;
            }
        }
    }

    [[noreturn]] void fail(const std::string& expected) const
    {
        throw statement_not_supported(sql_, next_ < tokens_.size()
                                                ? expected_at(expected, sql_.substr(tokens_[next_].offset))
                                                : expected_at_end(expected));
    }

    bool at_keyword(const char* word) const
    {
        return next_ < tokens_.size() && tokens_[next_].kind == Token::Word &&
               same_sjis_name(tokens_[next_].text, word);
    }

    void keyword(const char* word)
    {
        if (!at_keyword(word))
            fail(std::string("\"") + word + "\"");
        ++next_;
    }

    void symbol(char c)
    {
        if (next_ >= tokens_.size() || tokens_[next_].kind != Token::Symbol || tokens_[next_].text[0] != c) {
            const char expected[] = {'"', c, '"', '\0'};
            fail(expected);
        }
        ++next_;
    }

    std::string name(Expected what)
    {
        if (next_ >= tokens_.size())
            fail(expected_item(what));
        const Token& t = tokens_[next_];
        bool plain = t.kind == Token::Word && !is_digit((unsigned char)t.text[0]) && !is_reserved(t.text);
        if (!(plain || (t.kind == Token::Bracketed && !t.text.empty())))
            fail(expected_item(what));
        ++next_;
        return t.text;
    }

    static bool is_reserved(const std::string& word)
    {
        for (const char* r : {"SELECT", "FROM", "WHERE", "ORDER", "BY", "ASC", "DESC"})
            if (same_sjis_name(word, r))
                return true;
        return false;
    }

    int64_t integer()
    {
        bool negative = false;
        if (next_ < tokens_.size() && tokens_[next_].kind == Token::Symbol &&
            (tokens_[next_].text == "-" || tokens_[next_].text == "+")) {
            negative = tokens_[next_].text == "-";
            ++next_;
        }
        if (next_ >= tokens_.size() || tokens_[next_].kind != Token::Word)
            fail(expected_item(Expected::integer));
        const std::string& digits = tokens_[next_].text;
        const uint64_t limit = (uint64_t)INT64_MAX + (negative ? 1 : 0);
        uint64_t value = 0;
        for (char c : digits) {
            if (!is_digit((unsigned char)c))
                fail(expected_item(Expected::integer));
            uint64_t digit = (uint64_t)(c - '0');
            if (value > (limit - digit) / 10)
                fail(expected_item(Expected::integer_within_64_bits));
            value = value * 10 + digit;
        }
        ++next_;
        return negative ? (int64_t)(0 - value) : (int64_t)value;
    }

    const std::string& sql_;
    std::vector<Token> tokens_;
    size_t next_ = 0;
};

}  // namespace

Statement parse_statement(const std::string& sql)
{
    return Parser(sql).parse();
}

}  // namespace jet
