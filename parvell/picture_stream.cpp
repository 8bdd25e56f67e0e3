#include "picture_stream.h"

#include <vector>

void load_from_stream(TJPEGImage* picture, jet::TStream* stream)
{
    std::vector<unsigned char> bytes((size_t)(stream->Size() - stream->Position()));
    int64_t got = stream->Read(bytes.data(), (int64_t)bytes.size());
    picture->LoadFromMemory(bytes.data(), (size_t)got);
}
