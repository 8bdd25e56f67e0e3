#include "platform/jpeg.h"

#include <fstream>
#include <iterator>
#include <string>

#include <platform/files.h>

void TJPEGImage::LoadFromMemory(const void* data, size_t size)
{
    image_ = decode_jpeg(static_cast<const unsigned char*>(data), size);
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
        throw JpegError(std::string("Cannot open ") + (path ? path : ""));
    LoadFromStream(in);
}
