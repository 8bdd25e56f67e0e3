#include "platform/charset.h"

#include <errno.h>
#include <iconv.h>
#include <string.h>

namespace {

// The length of the source character at `src`: a whole UTF-8 sequence when
// the source is UTF-8, else one byte.
size_t source_character(const char* from, const char* src, size_t left)
{
    if (strcmp(from, "UTF-8") != 0)
        return 1;
    unsigned char lead = (unsigned char)*src;
    size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return length < left ? length : left;
}

}  // namespace

bool convert_encoding(std::string_view in, const char* from, const char* to, std::string& out,
                      Unconvertible unconvertible)
{
    out.clear();
    iconv_t cd = iconv_open(to, from);
    if (cd == (iconv_t)-1)
        return false;
    out.reserve(in.size() * 3 / 2 + 4);
    char* src = const_cast<char*>(in.data());
    size_t src_left = in.size();
    char buffer[1024];
    bool ok = true;
    while (src_left > 0) {
        char* dst = buffer;
        size_t dst_left = sizeof buffer;
        size_t rc = iconv(cd, &src, &src_left, &dst, &dst_left);
        out.append(buffer, dst - buffer);
        if (rc != (size_t)-1 || errno == E2BIG)
            continue;
        // EILSEQ, or EINVAL for a sequence cut short at the end.
        if (unconvertible == Unconvertible::fail) {
            ok = false;
            break;
        }
        size_t skip = source_character(from, src, src_left);
        src += skip;
        src_left -= skip;
        out.push_back('?');
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    if (ok) {
        // A target with shift states returns to its initial one.
        char* dst = buffer;
        size_t dst_left = sizeof buffer;
        ok = iconv(cd, nullptr, nullptr, &dst, &dst_left) != (size_t)-1;
        out.append(buffer, dst - buffer);
    }
    iconv_close(cd);
    return ok;
}

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

namespace {

// An encoding iconv does not know leaves the text as it was.
std::string convert_marked(std::string_view in, const char* from, const char* to)
{
    std::string out;
    return convert_encoding(in, from, to, out, Unconvertible::question_mark) ? out : std::string(in);
}

}  // namespace

std::string sjis_to_utf8(std::string_view sjis)
{
    return convert_marked(sjis, "CP932", "UTF-8");
}

std::string utf8_to_sjis(std::string_view utf8)
{
    return convert_marked(utf8, "UTF-8", "CP932");
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
