// The layer decodes stored texts itself, at a table look-up a character, and
// must give what libmdb's own converter gives: the same '?' for a character
// Shift-JIS lacks, the same cut at the buffer's end and at a NUL, the same
// reading of Jet 4's compressed texts.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "libmdb.h"
#include "text_decoder.h"

namespace {

// libmdb's converter over the given encoding, on a handle of the given Jet version.
class LibmdbConverter {
public:
    LibmdbConverter(const char* source, bool jet3) : header_(4096, 0)
    {
        header_[0x14] = jet3 ? 0 : 1;
        std::memcpy(&header_[4], "Standard Jet DB", 16);
        mdb_ = mdb_open_buffer(header_.data(), header_.size(), MDB_NOFLAGS);
        iconv_close(mdb_->iconv_in);
        mdb_->iconv_in = iconv_open("CP932", source);
    }
    ~LibmdbConverter() { mdb_close(mdb_); }

    std::string decode(const std::string& bytes, size_t cap)
    {
        std::vector<char> out(cap + 1, 'x');
        mdb_unicode2ascii(mdb_, bytes.data(), bytes.size(), out.data(), cap);
        return out.data();
    }

private:
    std::vector<unsigned char> header_;
    MdbHandle* mdb_;
};

// Random UTF-16LE text of ASCII, kana and kanji, characters Shift-JIS lacks
// (Thai, Hangul, lone and paired surrogates) and NULs, sometimes in Jet 4's
// compressed form, sometimes with an odd byte at its end.
std::string random_utf16(std::mt19937& random)
{
    const uint16_t kinds[] = {'a', 0x3042, 0x6F22, 0x0E01, 0xAC00, 0xD83D, 0xDE00, 0x00E9, 0x0000, 0x20AC};
    std::string text;
    const bool compressed = random() % 3 == 0;
    if (compressed)
        text = "\xFF\xFE";
    const int length = (int)(random() % 24);
    for (int i = 0; i < length; ++i) {
        const uint16_t unit = (uint16_t)(kinds[random() % 10] + (random() % 4 == 0 ? random() % 32 : 0));
        if (compressed && unit < 0x100 && unit != 0 && random() % 2) {
            text.push_back((char)unit);
            continue;
        }
        if (compressed)
            text.push_back('\0');  // a switch of form, as any NUL byte of a compressed text is
        text.push_back((char)(unit & 0xFF));
        text.push_back((char)(unit >> 8));
    }
    if (random() % 5 == 0)
        text.push_back('\x41');
    return text;
}

}  // namespace

TEST(TextDecoder, GivesWhatLibmdbsConverterGivesForJet4AndJet3Texts)
{
    std::mt19937 random(7);
    LibmdbConverter libmdb4("UTF-16LE", false);
    jet::TextDecoder ours4("UTF-16LE", true);
    for (int i = 0; i < 3000; ++i) {
        const std::string text = random_utf16(random);
        const size_t cap = 1 + random() % 40;
        ASSERT_EQ(ours4.decode((const unsigned char*)text.data(), text.size(), cap), libmdb4.decode(text, cap))
            << "case " << i << ", cap " << cap;
    }
    // Jet 3: bytes of a code page of one byte a character, and of Shift-JIS
    // itself, whose lead bytes may come without their trail byte.
    for (const char* code_page : {"CP1252", "CP932"}) {
        LibmdbConverter libmdb3(code_page, true);
        jet::TextDecoder ours3(code_page, false);
        for (int i = 0; i < 3000; ++i) {
            std::string text(random() % 20, '\0');
            for (char& c : text)
                c = (char)(random() % 3 == 0 ? 0x81 + random() % 0x7F : 0x20 + random() % 0xE0);
            const size_t cap = 1 + random() % 30;
            ASSERT_EQ(ours3.decode((const unsigned char*)text.data(), text.size(), cap), libmdb3.decode(text, cap))
                << code_page << " case " << i << ", cap " << cap;
        }
    }
}
