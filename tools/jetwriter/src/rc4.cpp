#include "rc4.h"

#include <utility>

namespace jetwriter {

void rc4_apply(const std::uint8_t* key, std::size_t key_length, std::uint8_t* data, std::size_t length)
{
    std::uint8_t state[256];
    for (int i = 0; i < 256; ++i)
        state[i] = static_cast<std::uint8_t>(i);
    std::uint8_t j = 0;
    for (int i = 0; i < 256; ++i) {
        j = static_cast<std::uint8_t>(j + state[i] + key[i % key_length]);
        std::swap(state[i], state[j]);
    }
    std::uint8_t a = 0, b = 0;
    for (std::size_t n = 0; n < length; ++n) {
        a = static_cast<std::uint8_t>(a + 1);
        b = static_cast<std::uint8_t>(b + state[a]);
        std::swap(state[a], state[b]);
        data[n] ^= state[static_cast<std::uint8_t>(state[a] + state[b])];
    }
}

}  // namespace jetwriter
