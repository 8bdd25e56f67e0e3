// Long values (Memo and OLE) kept out of their row, on LVAL pages. A value of
// up to one row's length is one LVAL row; a longer one is a chain of rows,
// each starting with the address of the next (0 after the last).
#ifndef JETWRITER_LONG_VALUES_H
#define JETWRITER_LONG_VALUES_H

#include <cstdint>
#include <string>

#include "page_file.h"

namespace jetwriter {

// The 12 bytes a row holds for a long value: length with flags, address, 0.
constexpr std::size_t kLongValueReference = 12;
constexpr std::uint32_t kInlineFlag = 0x80000000;
constexpr std::uint32_t kSingleRowFlag = 0x40000000;
constexpr std::size_t kMaxLongValue = 0xFFFFFF;  // readers take 24 bits as the length

class LongValueStore {
public:
    explicit LongValueStore(PageFile& file) : file_(file) {}

    // Stores data on LVAL pages and writes its reference to reference.
    void store(const std::string& data, std::uint8_t* reference);

private:
    // Places a row on the open LVAL page, or on a new one when it does not fit.
    std::uint32_t place(const std::string& row, std::size_t* where_page, std::size_t* where_offset);

    PageFile& file_;
    std::uint32_t open_page_ = 0;  // 0: none open yet
};

void write_inline_reference(std::uint8_t* reference, std::size_t length);

}  // namespace jetwriter

#endif
