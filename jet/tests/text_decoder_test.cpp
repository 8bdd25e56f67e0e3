// The layer decodes stored texts itself, at a table look-up a character, and
// must give what libmdb's own converter gives: the same '?' for a character
// Shift-JIS lacks, the same cut at the buffer's end and at a NUL, the same
// reading of Jet 4's compressed texts.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
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

// Leaves freed memory of non-zero bytes where the decoder's tables will be
// taken from, so that a read past a table finds them and gives a wrong text
// in a plain build too: fresh memory is zeros, which read as a code not
// looked up yet and would give the right one. Twice: the first block is
// mapped on its own, and its release lets the second come from the heap,
// where the tables follow it.
void leave_used_memory()
{
    for (int i = 0; i < 2; ++i) {
        std::unique_ptr<char[]> block(new char[1 << 19]);
        std::memset(block.get(), 1, 1 << 19);
        asm volatile("" : : "r"(block.get()) : "memory");
    }
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

// The edges, each with its exact outcome, so that a read past a table or a
// text shows as a wrong text in any build: the last code of each table, a NUL,
// a lead byte that ends the text (the byte after it, outside the text, would
// complete it), and texts at the cap and one byte over it, never cut inside a
// double-byte character.
TEST(TextDecoder, DecodesTheEdgesExactly)
{
    leave_used_memory();
    jet::TextDecoder jet4("UTF-16LE", true), jet3("CP932", false);
    struct Case {
        jet::TextDecoder& decoder;
        std::string bytes;
        size_t length, cap;
        std::string text;
    };
    const std::string a_i("\x82\xA0\x82\xA2");  // "a" and "i" in hiragana, Shift-JIS
    const Case cases[] = {
        {jet4, std::string("a\0\xFF\xFF\x62\0", 6), 6, 10, "a?b"},  // a, U+FFFF, b
        {jet4, std::string("a\0\0\0b\0", 6), 6, 10, "a"},
        {jet4, std::string("\0\0b\0", 4), 4, 10, ""},
        {jet4, "\x42\x30\x44\x30", 4, 5, a_i},
        {jet4, "\x42\x30\x44\x30", 4, 4, a_i.substr(0, 2)},
        {jet3, "a\xFF", 2, 10, "a?"},
        {jet3, "ab\x82\xA0", 3, 10, "ab?"},
        {jet3, a_i, 4, 5, a_i},
        {jet3, a_i, 4, 4, a_i.substr(0, 2)},
        {jet3, "abc", 3, 4, "abc"},
        {jet3, "abc", 3, 3, "ab"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.decoder.decode((const unsigned char*)c.bytes.data(), c.length, c.cap), c.text)
            << (&c.decoder == &jet4 ? "Jet 4 " : "Jet 3 ") << testing::PrintToString(c.bytes) << ", cap " << c.cap;
}
