// Temporary folders and whole files for tests.
#ifndef TESTSUPPORT_FILES_H
#define TESTSUPPORT_FILES_H

#include <string>

// A fresh empty folder under /tmp, removed with everything in it with this object.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& text, int mode = 0644);
bool file_exists(const std::string& path);

#endif
