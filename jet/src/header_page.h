// The database definition page (page 0) of a Jet 3 or Jet 4 file: its format
// and the database password stored in it.
#ifndef JET_HEADER_PAGE_H
#define JET_HEADER_PAGE_H

#include <cstddef>
#include <cstdint>
#include <string>

namespace jet {

enum JetFormat { jet3 = 0, jet4 = 1 };

struct HeaderPage {
    JetFormat format = jet4;
    uint16_t code_page = 0;
    // The stored password up to its first NUL: Jet 3 keeps bytes of the
    // database's code page, Jet 4 UTF-16LE code units.
    std::string password;
};

// Where the page keeps what is read here. The block from kMaskedStart is
// obfuscated with a fixed RC4 key stream (126 bytes in Jet 3, 128 in Jet 4);
// Jet 4 further masks the password with the file's creation date.
constexpr size_t kMaskedStart = 0x18;
constexpr size_t kMaskedLength3 = 126;
constexpr size_t kMaskedLength4 = 128;
constexpr size_t kVersionOffset = 0x14;
constexpr size_t kCodePageOffset = 0x3C;
constexpr size_t kPasswordOffset = 0x42;
constexpr size_t kPasswordLength3 = 20;
constexpr size_t kPasswordLength4 = 40;
constexpr size_t kCreationDateOffset = 0x72;
constexpr size_t kHeaderBytes = kMaskedStart + kMaskedLength4;

// RC4: xors data with the key stream of key (encoding and decoding alike).
void rc4_apply(const unsigned char* key, size_t key_length, unsigned char* data, size_t length);

// Applies (or removes) the fixed obfuscation of the page's masked block.
void unmask_header(unsigned char* page, JetFormat format);

// The 4-byte mask that Jet 4 lays over its password: the whole days of the
// creation date as a little-endian 32-bit integer.
void creation_date_mask(double creation_date, unsigned char mask[4]);

// Reads page 0 (at least kHeaderBytes of it). False when the bytes are not a
// Jet 3 or Jet 4 database page.
bool read_header_page(const unsigned char* page, size_t length, HeaderPage& out);

// Whether the Shift-JIS password opens a file with this header. A file
// without a password accepts any; the comparison minds case, as Jet does.
bool password_matches(const HeaderPage& header, const std::string& password);

}  // namespace jet

#endif
