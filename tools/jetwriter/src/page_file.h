// The file being built, page by page, in memory; and the row pages of Jet 4:
// data pages and long-value (LVAL) pages keep their rows from the end of the
// page downwards, with a table of row offsets after a 14-byte header.
#ifndef JETWRITER_PAGE_FILE_H
#define JETWRITER_PAGE_FILE_H

#include <cstddef>
#include <cstdint>
#include <vector>

namespace jetwriter {

constexpr std::size_t kPageSize = 4096;
constexpr std::size_t kRowCountOffset = 12;  // 16-bit row count; offsets follow
constexpr std::size_t kRowPageHeader = 14;   // up to and with the row count
constexpr std::size_t kMaxRowLength = kPageSize - kRowPageHeader - 2;
constexpr unsigned kMaxRowsPerPage = 255;    // a row pointer holds the row in one byte
constexpr unsigned kRowOffsetMask = 0x1FFF;  // a row offset's flags stand above it
constexpr unsigned kDeletedRow = 0x4000;

constexpr std::uint8_t kPageData = 0x01;
constexpr std::uint8_t kPageTableDefinition = 0x02;
constexpr std::uint8_t kPageIndexLeaf = 0x04;

// A row's address as Jet stores it: page number in the upper 24 bits, row in the lower 8.
inline std::uint32_t page_row(std::uint32_t page, unsigned row)
{
    return (page << 8) | row;
}

class PageFile {
public:
    std::uint32_t add_page();  // a zero-filled page; returns its number
    std::uint8_t* page(std::uint32_t number) { return bytes_.data() + number * kPageSize; }
    const std::uint8_t* page(std::uint32_t number) const { return bytes_.data() + number * kPageSize; }
    std::uint32_t count() const { return static_cast<std::uint32_t>(bytes_.size() / kPageSize); }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

// Starts an empty row page owned by the table whose definition is on page
// owner; long-value pages carry the mark "LVAL" instead (see init_lval_page).
void init_data_page(std::uint8_t* page, std::uint32_t owner);
void init_lval_page(std::uint8_t* page);

unsigned row_count(const std::uint8_t* page);
std::size_t free_space(const std::uint8_t* page);
bool row_fits(const std::uint8_t* page, std::size_t length);

// Puts a row below the previous one; returns its row number, and where it
// starts in the page in *offset when given. The caller checks row_fits first.
// A deleted row keeps its bytes and place; only its offset carries the flag.
unsigned add_row(std::uint8_t* page, const std::uint8_t* row, std::size_t length, std::size_t* offset = nullptr,
                 bool deleted = false);

}  // namespace jetwriter

#endif
