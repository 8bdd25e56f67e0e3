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

// Copies src into dst[size] as C text: at most size - 1 bytes, never ending on
// the lead byte of a double-byte character, always NUL-terminated.
void copy_sjis(char* dst, size_t size, const char* src);

#endif
