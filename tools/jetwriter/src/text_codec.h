// Strict text conversion: a character that cannot be converted is an error,
// never silently replaced, since the writer must store exactly what it is given.
#ifndef JETWRITER_TEXT_CODEC_H
#define JETWRITER_TEXT_CODEC_H

#include <string>

namespace jetwriter {

// Converts in from one iconv charset into another; false (out undefined)
// when in holds a byte sequence that is invalid or has no counterpart.
bool convert_text(const std::string& in, const char* from, const char* to, std::string& out);

// Text as Jet 4 stores it: UCS-2 little-endian. Fails with the reason in
// problem for invalid input, characters beyond UCS-2, and a leading U+FEFF
// (readers take FF FE as the mark of compressed text).
bool to_ucs2(const std::string& text, bool utf8, std::string& ucs2, std::string& problem);

std::string utf8_to_sjis_strict(const std::string& utf8, bool& ok);

}  // namespace jetwriter

#endif
