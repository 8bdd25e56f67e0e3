#include "platform/jpeg.h"

#include <fstream>
#include <iterator>
#include <new>
#include <string>

#include <platform/files.h>

#ifdef JPEG_FAIL_HOOK
// Decoders that can still be made before making one fails as memory running
// out fails it; -1: never.
extern "C" {
int jpeg_decoders_before_failure = -1;
}
#endif

TJPEGImage::TJPEGImage()
{
#ifdef JPEG_FAIL_HOOK
    if (jpeg_decoders_before_failure == 0)
        throw std::bad_alloc();
    if (jpeg_decoders_before_failure > 0)
        --jpeg_decoders_before_failure;
#endif
}

void TJPEGImage::LoadFromMemory(const void* data, size_t size)
{
    image_ = decode_jpeg(static_cast<const unsigned char*>(data), size, NeededSize);
}

void TJPEGImage::LoadFromStream(std::istream& in)
{
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LoadFromMemory(bytes.data(), bytes.size());
}

void TJPEGImage::LoadFromFile(const char* path)
{
    std::ifstream in(native_path(path), std::ios::binary);
    if (!in)
        throw JpegError(std::string("ファイル ") + (path ? path : "") + " を開けません。");
    LoadFromStream(in);
}
