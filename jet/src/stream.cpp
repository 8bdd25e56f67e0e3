#include "jet/stream.h"

#include <cstring>

namespace jet {

int64_t TStream::Seek(int64_t offset, TSeekOrigin origin)
{
    int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? position_ : Size();
    int64_t target = base + offset;
    if (target < 0)
        target = 0;
    if (target > Size())
        target = Size();
    position_ = target;
    return position_;
}

TMemoryStream::TMemoryStream() : bytes_(std::make_shared<const std::string>()) {}

TMemoryStream::TMemoryStream(const void* bytes, size_t size)
    : bytes_(std::make_shared<const std::string>((const char*)bytes, size))
{}

TMemoryStream::TMemoryStream(std::shared_ptr<const std::string> bytes)
    : bytes_(bytes ? std::move(bytes) : std::make_shared<const std::string>())
{}

int64_t TMemoryStream::Read(void* buffer, int64_t count)
{
    if (count <= 0 || position_ >= Size())
        return 0;
    int64_t n = count < Size() - position_ ? count : Size() - position_;
    std::memcpy(buffer, bytes_->data() + position_, (size_t)n);
    position_ += n;
    return n;
}

}  // namespace jet
