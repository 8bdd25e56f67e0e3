#include "testsupport/guarded_text.h"

#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <unistd.h>

GuardedText::GuardedText(std::string_view bytes) : page_size_((size_t)sysconf(_SC_PAGESIZE)), size_(bytes.size())
{
    void* pages = mmap(nullptr, 2 * page_size_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pages == MAP_FAILED || size_ > page_size_ || mprotect((char*)pages + page_size_, page_size_, PROT_NONE) != 0)
        abort();  // without the guard the test would prove nothing
    pages_ = (char*)pages;
    data_ = pages_ + page_size_ - size_;
    memcpy(data_, bytes.data(), size_);
}

GuardedText::~GuardedText()
{
    munmap(pages_, 2 * page_size_);
}
