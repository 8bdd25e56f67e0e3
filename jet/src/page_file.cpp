#include "page_file.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "header_page.h"

namespace jet {

bool PageFile::open(const std::string& path)
{
    descriptor_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor_ < 0)
        return false;
    struct stat status;
    if (fstat(descriptor_, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor_);
        descriptor_ = -1;
        return false;
    }
    size_ = (uint64_t)status.st_size;
    return true;
}

PageFile::~PageFile()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

void PageFile::set_format(size_t page_size, uint32_t key)
{
    page_size_ = page_size;
    key_ = key;
    const uint64_t whole = size_ / page_size;
    page_count_ = whole > UINT32_MAX ? UINT32_MAX : (uint32_t)whole;
}

static bool read_fully(int descriptor, unsigned char* into, size_t length, uint64_t offset)
{
    while (length > 0) {
        const ssize_t got = pread(descriptor, into, length, (off_t)offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        into += got;
        length -= (size_t)got;
        offset += (uint64_t)got;
    }
    return true;
}

bool PageFile::read_start(unsigned char* into, size_t length) const
{
    return length <= size_ && read_fully(descriptor_, into, length, 0);
}

bool PageFile::read(uint32_t number, unsigned char* into) const
{
    if (number == 0 || number >= page_count_)
        return false;
    if (!read_fully(descriptor_, into, page_size_, (uint64_t)number * page_size_))
        return false;
    if (key_ != 0) {
        const uint32_t key = key_ ^ number;
        const unsigned char page_key[4] = {(unsigned char)key, (unsigned char)(key >> 8), (unsigned char)(key >> 16),
                                           (unsigned char)(key >> 24)};
        rc4_apply(page_key, sizeof page_key, into, page_size_);
    }
    return true;
}

}  // namespace jet
