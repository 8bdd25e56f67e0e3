// An open database file: its pages, libmdb's handle over its header page
// alone (the format's constants, the row cracker and the number texts; every
// other page reaches libmdb through the layer) and the decoder of its texts.
#ifndef JET_DATABASE_FILE_H
#define JET_DATABASE_FILE_H

#include "libmdb.h"

#include <memory>
#include <string>
#include <vector>

#include "header_page.h"
#include "page_file.h"
#include "text_decoder.h"

namespace jet {

class DatabaseFile {
public:
    // Opens the file; raises EDatabaseError (naming `name`, the file as the
    // connection text names it) when it is missing or not a Jet database.
    DatabaseFile(const std::string& path, const std::string& name);
    DatabaseFile(const DatabaseFile&) = delete;
    DatabaseFile& operator=(const DatabaseFile&) = delete;

    const HeaderPage& header() const { return header_page_; }
    MdbHandle* mdb() const { return mdb_.get(); }
    const PageFile& pages() const { return pages_; }
    TextDecoder& texts() { return *texts_; }

    // Reads page `number` into mdb()->pg_buf, where libmdb cracks rows; false
    // when it does not lie whole inside the file.
    bool load_page(uint32_t number);

private:
    struct HandleCloser {
        void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
    };

    PageFile pages_;
    std::vector<unsigned char> header_;  // libmdb's whole file, kept while it is open
    HeaderPage header_page_;
    std::unique_ptr<MdbHandle, HandleCloser> mdb_;
    std::unique_ptr<TextDecoder> texts_;
};

}  // namespace jet

#endif
