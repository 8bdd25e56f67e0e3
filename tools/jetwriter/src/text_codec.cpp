#include "text_codec.h"

#include <cerrno>
#include <iconv.h>

namespace jetwriter {

bool convert_text(const std::string& in, const char* from, const char* to, std::string& out)
{
    out.clear();
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    char* src = const_cast<char*>(in.data());
    size_t src_left = in.size();
    char buffer[1024];
    bool ok = true;
    while (ok && src_left > 0) {
        char* dst = buffer;
        size_t dst_left = sizeof buffer;
        size_t rc = iconv(cd, &src, &src_left, &dst, &dst_left);
        out.append(buffer, dst - buffer);
        ok = rc != static_cast<size_t>(-1) || errno == E2BIG;
    }
    if (ok) {
        char* dst = buffer;
        size_t dst_left = sizeof buffer;
        ok = iconv(cd, nullptr, nullptr, &dst, &dst_left) != static_cast<size_t>(-1);
        out.append(buffer, dst - buffer);
    }
    iconv_close(cd);
    return ok;
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
