// The database file, read a whole page at a time. Every page the layer looks
// at comes through here: a page is read only when it lies whole inside the
// file, so that a file cut short is found out instead of reading as pages of
// zeros, and the file's size is known once, at the open.
#ifndef JET_PAGE_FILE_H
#define JET_PAGE_FILE_H

#include <cstddef>
#include <cstdint>
#include <string>

namespace jet {

class PageFile {
public:
    // Opens the file for reading; false when it cannot be opened.
    bool open(const std::string& path);
    ~PageFile();
    PageFile() = default;
    PageFile(const PageFile&) = delete;
    PageFile& operator=(const PageFile&) = delete;

    // The page size and the key of the file's page encryption (0: none), as
    // its header page gives them.
    void set_format(size_t page_size, uint32_t key);

    uint64_t size() const { return size_; }
    size_t page_size() const { return page_size_; }
    // Pages that lie whole inside the file.
    uint32_t page_count() const { return page_count_; }

    // Reads the first `length` bytes of the file, as they are stored.
    bool read_start(unsigned char* into, size_t length) const;
    // Reads page `number` into `into` (page_size() bytes), decrypted. False
    // for the header page 0, a page not whole inside the file, or a failed read.
    bool read(uint32_t number, unsigned char* into) const;

private:
    int descriptor_ = -1;
    uint64_t size_ = 0;
    size_t page_size_ = 0;
    uint32_t page_count_ = 0;
    uint32_t key_ = 0;
};

}  // namespace jet

#endif
