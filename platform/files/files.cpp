#include "platform/files.h"

#include <errno.h>
#include <limits.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <platform/charset.h>

std::string native_path(const char* path)
{
    // Converted first: in UTF-8 a '\' byte is always the character itself.
    std::string native = sjis_to_utf8(path ? path : "");
    for (char& c : native)
        if (c == '\\')
            c = '/';
    return native;
}

namespace {

// The last error of a path that stat() did not find.
DWORD missing_path_error(const std::string& native, int error)
{
    if (error == EACCES)
        return ERROR_ACCESS_DENIED;
    if (error != ENOENT)
        return ERROR_PATH_NOT_FOUND;
    size_t slash = native.rfind('/');
    std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : native.substr(0, slash);
    struct stat st;
    return stat(folder.c_str(), &st) == 0 ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
}

}  // namespace

DWORD GetFileAttributesA(const char* path)
{
    std::string native = native_path(path);
    struct stat st;
    if (native.empty()) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_FILE_ATTRIBUTES;
    }
    if (stat(native.c_str(), &st) != 0) {
        SetLastError(missing_path_error(native, errno));
        return INVALID_FILE_ATTRIBUTES;
    }
    DWORD attributes = 0;
    if (S_ISDIR(st.st_mode))
        attributes |= FILE_ATTRIBUTE_DIRECTORY;
    else if (access(native.c_str(), W_OK) != 0)
        attributes |= FILE_ATTRIBUTE_READONLY;
    std::string name = native.substr(native.find_last_of('/') + 1);
    if (name.size() > 1 && name[0] == '.' && name != "..")
        attributes |= FILE_ATTRIBUTE_HIDDEN;
    return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

std::string exe_name()
{
    char buffer[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return std::string();
    return utf8_to_sjis(std::string(buffer, (size_t)n));
}

std::string ExtractFilePath(const std::string& path)
{
    // Scanned by characters: a Shift-JIS second byte may be 0x5C.
    size_t cut = 0;
    for (size_t i = 0; i < path.size(); ++i) {
        unsigned char c = (unsigned char)path[i];
        if (is_sjis_lead(c) && i + 1 < path.size())
            ++i;
        else if (c == '/' || c == '\\')
            cut = i + 1;
    }
    return path.substr(0, cut);
}
