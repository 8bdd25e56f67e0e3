// Page 0 of a Jet 4 file: format marks, and a block scrambled with a fixed
// RC4 key that holds the code page, the key of the page encoding (0: pages
// are stored plain), the database password, the sort order and the creation
// date.
//
// The password is stored as 20 UCS-2 characters (NUL-padded), each byte
// XORed with the 4 little-endian bytes of the creation date's whole days
// (repeated), before the block is scrambled. A reader unscrambles the block,
// takes the days from the date at 0x72 and XORs them out again.
#ifndef JETWRITER_HEADER_PAGE_H
#define JETWRITER_HEADER_PAGE_H

#include <cstdint>
#include <string>

namespace jetwriter {

constexpr std::size_t kPasswordCharacters = 20;

// password_ucs2: UCS-2LE bytes, at most 2 * kPasswordCharacters of them.
void build_header_page(std::uint8_t* page, const std::string& password_ucs2, double created, std::uint32_t page_key);

// The stored password as UCS-2LE bytes, trailing NULs removed; false when the
// page is not the header page of a Jet 4 file.
bool decode_password(const std::uint8_t* page, std::string& password_ucs2);

}  // namespace jetwriter

#endif
