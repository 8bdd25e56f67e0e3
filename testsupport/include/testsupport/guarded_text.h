// Bytes placed at the very end of a readable page, before a page that cannot
// be touched: code that reads one byte past them faults at once, with or
// without a sanitizer.
#ifndef TESTSUPPORT_GUARDED_TEXT_H
#define TESTSUPPORT_GUARDED_TEXT_H

#include <stddef.h>

#include <string_view>

class GuardedText {
public:
    // Copies bytes (at most one page; a C text brings its own zero).
    explicit GuardedText(std::string_view bytes);
    ~GuardedText();
    GuardedText(const GuardedText&) = delete;
    GuardedText& operator=(const GuardedText&) = delete;

    char* data() const { return data_; }
    size_t size() const { return size_; }
    std::string_view view() const { return std::string_view(data_, size_); }

private:
    char* pages_ = nullptr;
    size_t page_size_ = 0;
    char* data_ = nullptr;
    size_t size_ = 0;
};

#endif
