#include "database_file.h"

#include <cstdio>

#include "error_texts.h"

namespace jet {
namespace {

// libmdb reads its header page with the smaller page size first.
constexpr size_t kLargestPage = 4096;

// Jet 4 stores UTF-16LE, Jet 3 the bytes of the database's code page.
std::string stored_encoding(MdbHandle* mdb, uint16_t code_page)
{
    if (!IS_JET3(mdb))
        return "UTF-16LE";
    char name[16];
    std::snprintf(name, sizeof name, "CP%u", code_page ? (unsigned)code_page : 1252u);
    return name;
}

}  // namespace

DatabaseFile::DatabaseFile(const std::string& path, const std::string& name)
{
    if (!pages_.open(path))
        throw file_not_found(name);
    header_.resize(pages_.size() < kLargestPage ? (size_t)pages_.size() : kLargestPage);
    if (!pages_.read_start(header_.data(), header_.size()) ||
        !read_header_page(header_.data(), header_.size(), header_page_))
        throw format_not_recognized(name);
    mdb_.reset(mdb_open_buffer(header_.data(), header_.size(), MDB_NOFLAGS));
    if (!mdb_ || (size_t)mdb_->fmt->pg_size > kLargestPage)
        throw format_not_recognized(name);
    pages_.set_format((size_t)mdb_->fmt->pg_size, mdb_->f->db_key);
    texts_ = std::make_unique<TextDecoder>(stored_encoding(mdb(), header_page_.code_page), !IS_JET3(mdb_));
}

bool DatabaseFile::load_page(uint32_t number)
{
    if (!pages_.read(number, mdb_->pg_buf)) {
        mdb_->cur_pg = 0;
        return false;
    }
    mdb_->cur_pg = number;
    return true;
}

}  // namespace jet
