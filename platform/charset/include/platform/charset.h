// Conversion between the system's Shift-JIS texts (code page 932) and UTF-8.
// A character with no code on the other side becomes '?'; nothing is dropped
// silently and the conversion never fails.
#ifndef PLATFORM_CHARSET_H
#define PLATFORM_CHARSET_H

#include <string>

std::string sjis_to_utf8(const std::string& sjis);
std::string utf8_to_sjis(const std::string& utf8);

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
