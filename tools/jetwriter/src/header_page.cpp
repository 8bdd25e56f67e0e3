#include "header_page.h"

#include <cmath>
#include <cstring>

#include "little_endian.h"
#include "page_file.h"
#include "rc4.h"

namespace jetwriter {

namespace {

const std::uint8_t kHeaderKey[4] = {0xC7, 0xDA, 0x39, 0x6B};
const char kMagic[] = "Standard Jet DB";  // with its NUL: 16 bytes at offset 4

constexpr std::size_t kScrambledStart = 0x18;
constexpr std::size_t kScrambledLength = 128;
constexpr std::size_t kVersionOffset = 0x14;
constexpr std::uint8_t kJet4 = 0x01;
constexpr std::size_t kCodePageOffset = 0x3C;
constexpr std::size_t kDatabaseKeyOffset = 0x3E;
constexpr std::size_t kPasswordOffset = 0x42;
constexpr std::size_t kSortOrderOffset = 0x6E;
constexpr std::size_t kCreatedOffset = 0x72;

constexpr std::uint32_t kJapaneseCodePage = 932;
constexpr std::uint32_t kJapaneseSortOrder = 0x0411;

void mask_password(std::uint8_t* block_page)
{
    double created = get_f64(block_page + kCreatedOffset);
    std::uint8_t mask[4];
    put_u32(mask, static_cast<std::uint32_t>(static_cast<std::int32_t>(std::trunc(created))));
    for (std::size_t i = 0; i < 2 * kPasswordCharacters; ++i)
        block_page[kPasswordOffset + i] ^= mask[i % 4];
}

void scramble(std::uint8_t* page)
{
    rc4_apply(kHeaderKey, sizeof kHeaderKey, page + kScrambledStart, kScrambledLength);
}

}  // namespace

void build_header_page(std::uint8_t* page, const std::string& password_ucs2, double created, std::uint32_t page_key)
{
    std::memset(page, 0, kPageSize);
    put_u32(page, 0x00000100);
    std::memcpy(page + 4, kMagic, sizeof kMagic);
    page[kVersionOffset] = kJet4;
    put_u16(page + kCodePageOffset, kJapaneseCodePage);
    put_u32(page + kDatabaseKeyOffset, page_key);
    std::memcpy(page + kPasswordOffset, password_ucs2.data(), password_ucs2.size());
    put_u32(page + kSortOrderOffset, kJapaneseSortOrder);
    put_f64(page + kCreatedOffset, created);
    mask_password(page);
    scramble(page);
}

bool decode_password(const std::uint8_t* page, std::string& password_ucs2)
{
    if (page[0] != 0 || std::memcmp(page + 4, kMagic, sizeof kMagic) != 0 || page[kVersionOffset] != kJet4)
        return false;
    std::uint8_t plain[kPageSize];
    std::memcpy(plain, page, kPageSize);
    scramble(plain);
    mask_password(plain);
    std::size_t length = 2 * kPasswordCharacters;
    while (length >= 2 && plain[kPasswordOffset + length - 1] == 0 && plain[kPasswordOffset + length - 2] == 0)
        length -= 2;
    password_ucs2.assign(reinterpret_cast<const char*>(plain + kPasswordOffset), length);
    return true;
}

}  // namespace jetwriter
