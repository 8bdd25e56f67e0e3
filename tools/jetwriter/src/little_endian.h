// Little-endian fields inside page buffers.
#ifndef JETWRITER_LITTLE_ENDIAN_H
#define JETWRITER_LITTLE_ENDIAN_H

#include <cstdint>
#include <cstring>

namespace jetwriter {

inline void put_u16(std::uint8_t* at, std::uint32_t v)
{
    at[0] = static_cast<std::uint8_t>(v);
    at[1] = static_cast<std::uint8_t>(v >> 8);
}

inline void put_u32(std::uint8_t* at, std::uint32_t v)
{
    put_u16(at, v & 0xFFFF);
    put_u16(at + 2, v >> 16);
}

inline void put_f64(std::uint8_t* at, double v)
{
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    put_u32(at, static_cast<std::uint32_t>(bits));
    put_u32(at + 4, static_cast<std::uint32_t>(bits >> 32));
}

inline std::uint32_t get_u16(const std::uint8_t* at)
{
    return at[0] | (at[1] << 8);
}

inline std::uint32_t get_u32(const std::uint8_t* at)
{
    return get_u16(at) | (get_u16(at + 2) << 16);
}

inline double get_f64(const std::uint8_t* at)
{
    std::uint64_t bits = get_u32(at) | (static_cast<std::uint64_t>(get_u32(at + 4)) << 32);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

}  // namespace jetwriter

#endif
