#include "header_page.h"

#include <cstring>
#include <utility>

#include <platform/charset.h>

namespace jet {
namespace {

const unsigned char kHeaderKey[4] = {0xC7, 0xDA, 0x39, 0x6B};
const char kSignature[] = "Standard Jet DB";

double read_double_le(const unsigned char* p)
{
    uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | p[i];
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Shift-JIS to UTF-16LE; false when the text is not valid Shift-JIS.
bool sjis_to_utf16le(const std::string& sjis, std::string& out)
{
    return convert_encoding(sjis, "CP932", "UTF-16LE", out);
}

}  // namespace

void rc4_apply(const unsigned char* key, size_t key_length, unsigned char* data, size_t length)
{
    unsigned char s[256];
    for (int i = 0; i < 256; ++i)
        s[i] = (unsigned char)i;
    unsigned j = 0;
    for (int i = 0; i < 256; ++i) {
        j = (j + s[i] + key[i % key_length]) & 0xFF;
        std::swap(s[i], s[j]);
    }
    unsigned a = 0, b = 0;
    for (size_t n = 0; n < length; ++n) {
        a = (a + 1) & 0xFF;
        b = (b + s[a]) & 0xFF;
        std::swap(s[a], s[b]);
        data[n] ^= s[(s[a] + s[b]) & 0xFF];
    }
}

void unmask_header(unsigned char* page, JetFormat format)
{
    rc4_apply(kHeaderKey, sizeof kHeaderKey, page + kMaskedStart, format == jet3 ? kMaskedLength3 : kMaskedLength4);
}

void creation_date_mask(double creation_date, unsigned char mask[4])
{
    // Dates outside the 32-bit range (or not numbers) leave no mask.
    int32_t days = 0;
    if (creation_date > -2147483649.0 && creation_date < 2147483648.0)
        days = (int32_t)creation_date;
    uint32_t bits = (uint32_t)days;
    for (int i = 0; i < 4; ++i)
        mask[i] = (unsigned char)(bits >> (8 * i));
}

bool read_header_page(const unsigned char* page, size_t length, HeaderPage& out)
{
    if (length < kHeaderBytes || page[0] != 0x00 || std::memcmp(page + 4, kSignature, sizeof kSignature) != 0)
        return false;
    if (page[kVersionOffset] != jet3 && page[kVersionOffset] != jet4)
        return false;
    out.format = (JetFormat)page[kVersionOffset];

    unsigned char plain[kHeaderBytes];
    std::memcpy(plain, page, kHeaderBytes);
    unmask_header(plain, out.format);
    out.code_page = (uint16_t)(plain[kCodePageOffset] | plain[kCodePageOffset + 1] << 8);

    const unsigned char* stored = plain + kPasswordOffset;
    out.password.clear();
    if (out.format == jet3) {
        for (size_t i = 0; i < kPasswordLength3 && stored[i] != 0; ++i)
            out.password.push_back((char)stored[i]);
    } else {
        unsigned char mask[4];
        creation_date_mask(read_double_le(plain + kCreationDateOffset), mask);
        for (size_t i = 0; i + 1 < kPasswordLength4; i += 2) {
            unsigned char lo = stored[i] ^ mask[i % 4];
            unsigned char hi = stored[i + 1] ^ mask[(i + 1) % 4];
            if (lo == 0 && hi == 0)
                break;
            out.password.push_back((char)lo);
            out.password.push_back((char)hi);
        }
    }
    return true;
}

bool password_matches(const HeaderPage& header, const std::string& password)
{
    if (header.password.empty())
        return true;
    if (header.format == jet3)
        return password == header.password;
    std::string utf16;
    return sjis_to_utf16le(password, utf16) && utf16 == header.password;
}

}  // namespace jet
