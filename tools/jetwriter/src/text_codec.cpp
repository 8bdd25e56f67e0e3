#include "text_codec.h"

#include <platform/charset.h>

namespace jetwriter {

bool convert_text(const std::string& in, const char* from, const char* to, std::string& out)
{
    return convert_encoding(in, from, to, out);
}

bool to_ucs2(const std::string& text, bool utf8, std::string& ucs2, std::string& problem)
{
    if (!convert_text(text, utf8 ? "UTF-8" : "CP932", "UTF-16LE", ucs2)) {
        problem = utf8 ? "text is not valid UTF-8" : "text is not valid Shift-JIS (code page 932)";
        return false;
    }
    for (size_t i = 0; i + 1 < ucs2.size(); i += 2) {
        unsigned char high = static_cast<unsigned char>(ucs2[i + 1]);
        if (high >= 0xD8 && high <= 0xDF) {
            problem = "text holds a character beyond UCS-2, which Jet 4 cannot store";
            return false;
        }
    }
    if (ucs2.size() >= 2 && static_cast<unsigned char>(ucs2[0]) == 0xFF &&
        static_cast<unsigned char>(ucs2[1]) == 0xFE) {
        problem = "text may not begin with U+FEFF";
        return false;
    }
    return true;
}

std::string utf8_to_sjis_strict(const std::string& utf8, bool& ok)
{
    std::string out;
    ok = convert_text(utf8, "UTF-8", "CP932", out);
    return out;
}

}  // namespace jetwriter
