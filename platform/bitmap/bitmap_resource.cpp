#include "platform/bitmap_resource.h"

#include <stdint.h>
#include <string.h>

#include <string>

#include <QByteArray>

#include <platform/resource.h>

namespace {

uint32_t read32(const unsigned char* p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | (uint32_t)p[3] << 24;
}

uint16_t read16(const unsigned char* p)
{
    return (uint16_t)(p[0] | p[1] << 8);
}

void put32(unsigned char* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = (unsigned char)(v >> (8 * i));
}

// Where the rows start, counted from the info header: the header, then the
// bit masks of a BI_BITFIELDS bitmap with the 40-byte header, then the colours.
size_t rows_offset(const unsigned char* info, size_t size)
{
    const uint32_t header_size = read32(info);
    if (header_size < 40 || header_size > size)
        return 0;
    const uint16_t bits = read16(info + 14);
    const uint32_t compression = read32(info + 16);
    uint32_t colours = read32(info + 32);
    if (colours == 0 && bits <= 8)
        colours = 1u << bits;
    if (colours > 256)
        return 0;
    size_t offset = header_size + (size_t)colours * 4;
    if (header_size == 40 && compression == 3)  // BI_BITFIELDS
        offset += 12;
    return offset <= size ? offset : 0;
}

}  // namespace

QImage load_bitmap_resource(HINSTANCE module, const char* name)
{
    const std::string what = std::string("ビットマップ リソース ") + (name ? name : "(null)");
    HRSRC found = FindResourceA(module, name, RT_BITMAP);
    if (!found)
        throw ResourceError(what + " が見つかりません。");
    const DWORD size = SizeofResource(module, found);
    const unsigned char* bytes = static_cast<const unsigned char*>(LockResource(LoadResource(module, found)));
    const size_t offset = bytes && size >= 40 ? rows_offset(bytes, size) : 0;
    if (offset == 0)
        throw ResourceError(what + " はビットマップではありません。");

    // Put the file header back in front, so that the bitmap reader takes it.
    QByteArray file(14 + (int)size, '\0');
    unsigned char* head = reinterpret_cast<unsigned char*>(file.data());
    head[0] = 'B';
    head[1] = 'M';
    put32(head + 2, 14 + size);
    put32(head + 10, (uint32_t)(14 + offset));
    memcpy(head + 14, bytes, size);
    QImage image;
    if (!image.loadFromData(file, "BMP") || image.isNull())
        throw ResourceError(what + " を読み込めません。");
    return image;
}
