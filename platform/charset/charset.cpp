#include "platform/charset.h"

#include <errno.h>
#include <iconv.h>
#include <string.h>

namespace {

// Converts with iconv, putting '?' in place of what the target cannot hold
// and of bytes that are not valid in the source.
std::string convert(const std::string& in, const char* to, const char* from)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == (iconv_t)-1)
        return in;
    std::string out;
    out.reserve(in.size() * 3 / 2 + 4);
    char* src = const_cast<char*>(in.data());
    size_t src_left = in.size();
    char buffer[256];
    while (src_left > 0) {
        char* dst = buffer;
        size_t dst_left = sizeof buffer;
        size_t rc = iconv(cd, &src, &src_left, &dst, &dst_left);
        out.append(buffer, dst - buffer);
        if (rc != (size_t)-1)
            break;
        if (errno == E2BIG)
            continue;
        // EILSEQ or EINVAL: skip one source character (a whole UTF-8 sequence
        // when the source is UTF-8) and mark its place.
        size_t skip = 1;
        if (strcmp(from, "UTF-8") == 0) {
            unsigned char lead = (unsigned char)*src;
            skip = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            if (skip > src_left)
                skip = src_left;
        }
        src += skip;
        src_left -= skip;
        out.push_back('?');
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return out;
}

}  // namespace

bool is_sjis_lead(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

namespace {

unsigned char ascii_lower(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? (unsigned char)(c - 'A' + 'a') : c;
}

}  // namespace

bool same_sjis_name(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = (unsigned char)a[i], y = (unsigned char)b[i];
        if (is_sjis_lead(x) && i + 1 < a.size()) {
            if (x != y || a[i + 1] != b[i + 1])
                return false;
            ++i;
        } else if (ascii_lower(x) != ascii_lower(y)) {
            return false;
        }
    }
    return true;
}

std::string fold_sjis_name(const std::string& name)
{
    std::string out = name;
    for (size_t i = 0; i < out.size(); ++i) {
        unsigned char c = (unsigned char)out[i];
        if (is_sjis_lead(c))
            ++i;  // its second byte may look like a letter
        else
            out[i] = (char)ascii_lower(c);
    }
    return out;
}

std::string sjis_to_utf8(const std::string& sjis)
{
    return convert(sjis, "UTF-8", "CP932");
}

std::string utf8_to_sjis(const std::string& utf8)
{
    return convert(utf8, "CP932", "UTF-8");
}

void copy_sjis(char* dst, size_t size, const char* src)
{
    if (size == 0)
        return;
    size_t n = 0;
    while (src[n] != '\0') {
        size_t width = is_sjis_lead((unsigned char)src[n]) && src[n + 1] != '\0' ? 2 : 1;
        if (n + width > size - 1)
            break;
        n += width;
    }
    memcpy(dst, src, n);
    dst[n] = '\0';
}
