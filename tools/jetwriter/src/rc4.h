// The RC4 stream cipher: Jet scrambles part of its header page with it.
#ifndef JETWRITER_RC4_H
#define JETWRITER_RC4_H

#include <cstddef>
#include <cstdint>

namespace jetwriter {

// XORs data with the RC4 key stream of key; applying it twice restores data.
void rc4_apply(const std::uint8_t* key, std::size_t key_length, std::uint8_t* data, std::size_t length);

}  // namespace jetwriter

#endif
