// The system's Shift-JIS texts (code page 932): conversion to and from other
// encodings, lead bytes, names compared as Jet compares them.
#ifndef PLATFORM_CHARSET_H
#define PLATFORM_CHARSET_H

#include <string>
#include <string_view>

// Between Shift-JIS and UTF-8. A character with no code on the other side,
// or one cut short at the end, becomes '?'; nothing is dropped silently, the
// conversion never fails and it reads no byte beyond the text.
std::string sjis_to_utf8(std::string_view sjis);
std::string utf8_to_sjis(std::string_view utf8);

// What a conversion does with a character that is invalid in the source or
// has no code in the target.
enum class Unconvertible {
    fail,           // the conversion fails
    question_mark,  // it becomes '?' (for targets that write ASCII as single bytes)
};

// Converts `in` from the encoding `from` into `to` (iconv's names, such as
// "CP932", "UTF-8", "UTF-16LE"). False when an encoding is unknown, or with
// Unconvertible::fail at the first character that cannot be converted; `out`
// then holds what was converted before it.
bool convert_encoding(std::string_view in, const char* from, const char* to, std::string& out,
                      Unconvertible unconvertible = Unconvertible::fail);

// Whether c opens a double-byte Shift-JIS character (the next byte belongs to it).
bool is_sjis_lead(unsigned char c);

// Names as Jet and the registry compare them: ASCII letters match in either
// case; a double-byte character, whose second byte may look like a letter,
// matches only itself.
bool same_sjis_name(const std::string& a, const std::string& b);

// The name with its ASCII letters in lower case and its double-byte
// characters as they are: names are the same by same_sjis_name exactly when
// their folded forms are equal.
std::string fold_sjis_name(const std::string& name);

// Copies src into dst[size] as C text: at most size - 1 bytes, never ending on
// the lead byte of a double-byte character, always NUL-terminated.
void copy_sjis(char* dst, size_t size, const char* src);

#endif
