#include "platform/session.h"

#include <errno.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Makes the folder if needed and accepts it only as our own private folder.
bool own_folder(const std::string& path)
{
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat st;
    if (lstat(path.c_str(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & 0077) == 0;
}

}  // namespace

std::string session_folder(const char* kind)
{
    std::string root;
    const char* runtime = getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/')
        root = std::string(runtime) + "/velmora";
    else
        root = "/tmp/velmora-" + std::to_string(geteuid());
    if (!own_folder(root))
        return std::string();
    std::string folder = root + "/" + kind;
    if (!own_folder(folder))
        return std::string();
    return folder;
}

std::string session_file_name(const std::string& name)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : name) {
        bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                     c == '-' || c == '_';
        if (plain) {
            out.push_back((char)c);
        } else {
            out.push_back('%');
            out.push_back(hex[c >> 4]);
            out.push_back(hex[c & 15]);
        }
    }
    return out;
}
