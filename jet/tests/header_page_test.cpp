// Header pages built here from the published layout of page 0: signature
// "Standard Jet DB" at 4, version at 0x14, then a block from 0x18 scrambled
// with the RC4 key C7 DA 39 6B (126 bytes in Jet 3, 128 in Jet 4) holding the
// code page at 0x3C, the password at 0x42 (20 bytes in Jet 3; 20 UTF-16
// characters in Jet 4, masked with the creation date at 0x72).
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "header_page.h"

using namespace jet;

namespace {

std::vector<unsigned char> blank_page(JetFormat format)
{
    std::vector<unsigned char> page(format == jet3 ? 2048 : 4096, 0);
    page[1] = 0x01;
    std::memcpy(&page[4], "Standard Jet DB", 16);
    page[kVersionOffset] = (unsigned char)format;
    page[kCodePageOffset] = 932 & 0xFF;
    page[kCodePageOffset + 1] = 932 >> 8;
    return page;
}

std::vector<unsigned char> jet3_page(const std::string& password)
{
    std::vector<unsigned char> page = blank_page(jet3);
    std::memcpy(&page[kPasswordOffset], password.data(), password.size());
    unmask_header(page.data(), jet3);
    return page;
}

std::vector<unsigned char> jet4_page(const std::u16string& password, double created)
{
    std::vector<unsigned char> page = blank_page(jet4);
    std::memcpy(&page[kCreationDateOffset], &created, sizeof created);
    unsigned char mask[4];
    creation_date_mask(created, mask);
    for (size_t i = 0; i < kPasswordLength4; ++i) {
        size_t ch = i / 2;
        unsigned char byte = ch < password.size() ? (unsigned char)(password[ch] >> (8 * (i % 2))) : 0;
        page[kPasswordOffset + i] = byte ^ mask[i % 4];
    }
    unmask_header(page.data(), jet4);
    return page;
}

std::vector<unsigned char> rc4(const std::string& key, const std::string& text)
{
    std::vector<unsigned char> data(text.begin(), text.end());
    rc4_apply((const unsigned char*)key.data(), key.size(), data.data(), data.size());
    return data;
}

}  // namespace

TEST(HeaderPage, Rc4MatchesPublishedTestVectors)
{
    EXPECT_EQ(rc4("Key", "Plaintext"),
              (std::vector<unsigned char>{0xBB, 0xF3, 0x16, 0xE8, 0xD9, 0x40, 0xAF, 0x0A, 0xD3}));
    EXPECT_EQ(rc4("Wiki", "pedia"), (std::vector<unsigned char>{0x10, 0x21, 0xBF, 0x04, 0x20}));
}

TEST(HeaderPage, CreationDateMaskIsTheWholeDaysLittleEndian)
{
    unsigned char mask[4];
    creation_date_mask(45000.75, mask);  // 45000 = 0xAFC8
    EXPECT_EQ(std::vector<unsigned char>(mask, mask + 4), (std::vector<unsigned char>{0xC8, 0xAF, 0x00, 0x00}));
    creation_date_mask(-1.5, mask);  // truncated toward zero: -1
    EXPECT_EQ(std::vector<unsigned char>(mask, mask + 4), (std::vector<unsigned char>{0xFF, 0xFF, 0xFF, 0xFF}));
    creation_date_mask(1e300, mask);
    EXPECT_EQ(std::vector<unsigned char>(mask, mask + 4), (std::vector<unsigned char>(4, 0)));
}

TEST(HeaderPage, Jet3KeepsItsPasswordAsCodePageBytes)
{
    HeaderPage header;
    auto page = jet3_page("Secret");
    ASSERT_TRUE(read_header_page(page.data(), page.size(), header));
    EXPECT_EQ(header.format, jet3);
    EXPECT_EQ(header.code_page, 932);
    EXPECT_EQ(header.password, "Secret");
    EXPECT_TRUE(password_matches(header, "Secret"));
    EXPECT_FALSE(password_matches(header, "secret"));
    EXPECT_FALSE(password_matches(header, "Secret1"));
    EXPECT_FALSE(password_matches(header, ""));

    // Twenty bytes fill the field with no NUL; Shift-JIS bytes compare as they are.
    auto full = jet3_page(
        "\x83\x70\x83\x58"
        "0123456789abcdef");
    ASSERT_TRUE(read_header_page(full.data(), full.size(), header));
    EXPECT_TRUE(password_matches(header,
                                 "\x83\x70\x83\x58"
                                 "0123456789abcdef"));
    EXPECT_FALSE(password_matches(header,
                                  "\x83\x70\x83\x58"
                                  "0123456789abcde"));
}

TEST(HeaderPage, Jet4UnmasksItsPasswordWithTheCreationDate)
{
    HeaderPage header;
    auto page = jet4_page(u"q7154mvk--tpa", 45123.25);
    ASSERT_TRUE(read_header_page(page.data(), page.size(), header));
    EXPECT_EQ(header.format, jet4);
    EXPECT_TRUE(password_matches(header, "q7154mvk--tpa"));
    EXPECT_FALSE(password_matches(header, "Q7154MVK--TPA"));
    EXPECT_FALSE(password_matches(header, "q7154mvk--tp"));

    // A Japanese password typed in Shift-JIS matches its UTF-16 form.
    auto japanese = jet4_page(u"\u30D1\u30B9\u30EF\u30FC\u30C9", 40000.0);
    ASSERT_TRUE(read_header_page(japanese.data(), japanese.size(), header));
    EXPECT_TRUE(password_matches(header, "\x83\x70\x83\x58\x83\x8F\x81\x5B\x83\x68"));

    // The same stored bytes under another creation date no longer give the password.
    std::vector<unsigned char> moved = page;
    unmask_header(moved.data(), jet4);
    double other = 45124.0;
    std::memcpy(&moved[kCreationDateOffset], &other, sizeof other);
    unmask_header(moved.data(), jet4);
    ASSERT_TRUE(read_header_page(moved.data(), moved.size(), header));
    EXPECT_FALSE(password_matches(header, "q7154mvk--tpa"));
}

TEST(HeaderPage, AFileWithoutPasswordTakesAnyPassword)
{
    HeaderPage header;
    auto jet3_none = jet3_page("");
    ASSERT_TRUE(read_header_page(jet3_none.data(), jet3_none.size(), header));
    EXPECT_TRUE(password_matches(header, "anything"));
    auto jet4_none = jet4_page(u"", 45000.0);
    ASSERT_TRUE(read_header_page(jet4_none.data(), jet4_none.size(), header));
    EXPECT_TRUE(password_matches(header, ""));
}

TEST(HeaderPage, RefusesPagesThatAreNoJet3OrJet4Database)
{
    HeaderPage header;
    auto page = jet4_page(u"pw", 45000.0);
    EXPECT_FALSE(read_header_page(page.data(), kHeaderBytes - 1, header));
    auto ace = page;
    std::memcpy(&ace[4], "Standard ACE DB", 16);
    EXPECT_FALSE(read_header_page(ace.data(), ace.size(), header));
    auto newer = page;
    newer[kVersionOffset] = 2;
    EXPECT_FALSE(read_header_page(newer.data(), newer.size(), header));
    auto data_page = page;
    data_page[0] = 1;
    EXPECT_FALSE(read_header_page(data_page.data(), data_page.size(), header));
}
