#include "testsupport/files.h"

#include <errno.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace {

std::string make_temp_folder()
{
    char pattern[] = "/tmp/velmora_test.XXXXXX";
    if (!mkdtemp(pattern)) {
        ADD_FAILURE() << "mkdtemp: " << strerror(errno);
        return std::string();
    }
    return pattern;
}

}  // namespace

TempFolder::TempFolder() : path_(make_temp_folder()) {}

TempFolder::~TempFolder()
{
    if (path_.empty())
        return;
    std::string command = "rm -rf '" + path_ + "'";
    if (system(command.c_str()) != 0)
        ADD_FAILURE() << "could not remove " << path_;
}

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void write_file(const std::string& path, const std::string& text, int mode)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    chmod(path.c_str(), (mode_t)mode);
}

bool file_exists(const std::string& path)
{
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}
