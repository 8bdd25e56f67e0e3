// A fresh folder under /tmp for one test's database files, removed afterwards.
#ifndef JET_TESTS_TEMP_DIR_H
#define JET_TESTS_TEMP_DIR_H

#include <stdlib.h>

#include <filesystem>
#include <string>

class TempDir {
public:
    TempDir()
    {
        char pattern[] = "/tmp/velmora-jet-XXXXXX";
        path_ = mkdtemp(pattern) ? pattern : "";
    }
    ~TempDir()
    {
        std::error_code ec;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

#endif
