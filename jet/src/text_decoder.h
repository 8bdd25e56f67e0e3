// Stored texts (text and memo values, column names) into Shift-JIS. Jet 4
// keeps UTF-16LE, some of it in its compressed form; Jet 3 the bytes of the
// database's code page. A character that Shift-JIS lacks becomes '?', as
// libmdb's own converter makes it, but at a table look-up per character: each
// distinct code meets the converter once per connection, so that a text of
// characters it refuses costs no more than any other text.
#ifndef JET_TEXT_DECODER_H
#define JET_TEXT_DECODER_H

#include <iconv.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace jet {

class TextDecoder {
public:
    // `source`: iconv's name of the stored encoding; `utf16`: whether it is
    // Jet 4's UTF-16LE (else bytes of a code page of one or two bytes a
    // character). Falls back to CP1252 when the code page is unknown.
    TextDecoder(const std::string& source, bool utf16);
    ~TextDecoder();
    TextDecoder(const TextDecoder&) = delete;
    TextDecoder& operator=(const TextDecoder&) = delete;

    // The text stored in `bytes`, at most `cap - 1` bytes of Shift-JIS, never
    // cut inside a character, ending at a NUL character if it holds one.
    std::string decode(const unsigned char* bytes, size_t length, size_t cap);

private:
    // What one code (a UTF-16 unit, a byte, or a lead and a trail byte)
    // becomes: up to two Shift-JIS bytes, or a mark.
    struct Conversion {
        uint8_t length = 0;  // 0: not looked up yet
        uint8_t bytes[2] = {0, 0};
    };
    static constexpr uint8_t kRefused = 0xFF;   // no Shift-JIS code: '?'
    static constexpr uint8_t kLeadByte = 0xFE;  // opens a two-byte character

    const Conversion& convert(std::vector<Conversion>& table, size_t index, const unsigned char* code, size_t length);
    void decode_units(const unsigned char* bytes, size_t length, size_t cap, std::string& out);
    void decode_code_page(const unsigned char* bytes, size_t length, size_t cap, std::string& out);

    iconv_t converter_;
    bool utf16_;
    std::vector<Conversion> units_;  // by UTF-16 unit, or by byte
    std::vector<Conversion> pairs_;  // by lead and trail byte
};

}  // namespace jet

#endif
