#include "text_decoder.h"

#include <errno.h>

#include "error_texts.h"

namespace jet {
namespace {

// Jet 4 marks a compressed text with these two bytes; after them each NUL
// byte switches between one byte per character (the high byte 0) and two.
constexpr unsigned char kCompressedMark[2] = {0xFF, 0xFE};

// Hands out the UTF-16 units of a stored Jet 4 text one by one.
class Units {
public:
    Units(const unsigned char* bytes, size_t length) : at_(bytes), end_(bytes + length)
    {
        if (length >= 2 && bytes[0] == kCompressedMark[0] && bytes[1] == kCompressedMark[1]) {
            compressed_ = true;
            at_ += 2;
        }
    }

    // False at the end; an odd byte left over is no character.
    bool next(unsigned char unit[2])
    {
        while (compressed_ && at_ < end_ && *at_ == 0) {
            one_byte_ = !one_byte_;
            ++at_;
        }
        if (compressed_ && one_byte_ && at_ < end_) {
            unit[0] = *at_++;
            unit[1] = 0;
            return true;
        }
        if (end_ - at_ < 2)
            return false;
        unit[0] = at_[0];
        unit[1] = at_[1];
        at_ += 2;
        return true;
    }

private:
    const unsigned char* at_;
    const unsigned char* end_;
    bool compressed_ = false;
    bool one_byte_ = true;
};

}  // namespace

TextDecoder::TextDecoder(const std::string& source, bool utf16) : utf16_(utf16)
{
    converter_ = iconv_open("CP932", source.c_str());
    if (converter_ == (iconv_t)-1) {
        converter_ = iconv_open("CP932", "CP1252");
        utf16_ = false;
    }
    if (converter_ == (iconv_t)-1)
        throw converter_unavailable();
}

TextDecoder::~TextDecoder()
{
    iconv_close(converter_);
}

const TextDecoder::Conversion& TextDecoder::convert(std::vector<Conversion>& table, size_t index,
                                                    const unsigned char* code, size_t length)
{
    if (table.empty())
        table.resize(length == 2 ? 0x10000 : 0x100);  // by a UTF-16 unit or a byte pair, or by a byte
    Conversion& c = table[index];
    if (c.length != 0)
        return c;
    char* in = (char*)code;
    size_t in_left = length;
    char out[8];
    char* out_at = out;
    size_t out_left = sizeof out;
    iconv(converter_, nullptr, nullptr, nullptr, nullptr);
    const size_t done = iconv(converter_, &in, &in_left, &out_at, &out_left);
    const size_t produced = sizeof out - out_left;
    if (done == (size_t)-1 && errno == EINVAL && !utf16_ && length == 1) {
        c.length = kLeadByte;
    } else if (done == (size_t)-1 || in_left != 0 || produced == 0 || produced > 2) {
        c.length = kRefused;
    } else {
        c.length = (uint8_t)produced;
        c.bytes[0] = (uint8_t)out[0];
        c.bytes[1] = (uint8_t)out[1];
    }
    return c;
}

std::string TextDecoder::decode(const unsigned char* bytes, size_t length, size_t cap)
{
    std::string out;
    if (cap == 0)
        return out;
    if (utf16_)
        decode_units(bytes, length, cap, out);
    else
        decode_code_page(bytes, length, cap, out);
    return out;
}

// Appends one conversion if it fits; false when the text is complete.
static bool append(std::string& out, size_t cap, const uint8_t* bytes, size_t length)
{
    if (out.size() + length > cap - 1)
        return false;
    for (size_t i = 0; i < length; ++i) {
        if (bytes[i] == 0)
            return false;
        out.push_back((char)bytes[i]);
    }
    return true;
}

static const uint8_t kQuestionMark[1] = {'?'};

void TextDecoder::decode_units(const unsigned char* bytes, size_t length, size_t cap, std::string& out)
{
    Units units(bytes, length);
    unsigned char unit[2];
    while (units.next(unit)) {
        const Conversion& c = convert(units_, (size_t)unit[0] | (size_t)unit[1] << 8, unit, 2);
        const bool fits =
            c.length == kRefused ? append(out, cap, kQuestionMark, 1) : append(out, cap, c.bytes, c.length);
        if (!fits)
            return;
    }
}

void TextDecoder::decode_code_page(const unsigned char* bytes, size_t length, size_t cap, std::string& out)
{
    size_t i = 0;
    while (i < length) {
        const Conversion* c = &convert(units_, bytes[i], bytes + i, 1);
        size_t used = 1;
        if (c->length == kLeadByte) {
            c = i + 1 < length ? &convert(pairs_, (size_t)bytes[i] << 8 | bytes[i + 1], bytes + i, 2) : nullptr;
            if (c && c->length != kRefused)
                used = 2;
        }
        const bool fits =
            !c || c->length == kRefused ? append(out, cap, kQuestionMark, 1) : append(out, cap, c->bytes, c->length);
        if (!fits)
            return;
        i += used;
    }
}

}  // namespace jet
