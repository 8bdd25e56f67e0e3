#include "platform/session.h"

#include <errno.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Makes the folder if needed and accepts it only as a real folder of ours,
// which it then closes to everybody else (a folder of ours left open by an
// older run or by hand is made private, not refused).
bool own_folder(const std::string& path)
{
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    bool ok = fstat(fd, &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid() &&
              ((st.st_mode & 0077) == 0 || fchmod(fd, 0700) == 0);
    close(fd);
    return ok;
}

std::string usable_folder(const std::string& root, const char* kind)
{
    if (!own_folder(root))
        return std::string();
    std::string folder = root + "/" + kind;
    return own_folder(folder) ? folder : std::string();
}

std::string absolute_env(const char* name)
{
    const char* value = getenv(name);
    return value && value[0] == '/' ? std::string(value) : std::string();
}

}  // namespace

std::string session_folder(const char* kind)
{
    const std::string runtime = absolute_env("XDG_RUNTIME_DIR");
    if (!runtime.empty()) {
        std::string folder = usable_folder(runtime + "/velmora", kind);
        if (!folder.empty())
            return folder;
    }
    std::string temp = absolute_env("TMPDIR");
    if (temp.empty())
        temp = "/tmp";
    return usable_folder(temp + "/velmora-" + std::to_string(geteuid()), kind);
}

std::string session_file_name(const std::string& name)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : name) {
        bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
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
