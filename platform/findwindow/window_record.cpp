#include "platform/findwindow.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <atomic>

#include <platform/session.h>
#include <platform/write_all.h>

// A record is the file "w-<pid>-<serial>-<random>" holding
// "<class>\0<caption>", kept locked (LOCK_EX) by its process. It is written
// under a temporary name and renamed into place already locked, so a search
// never takes a record being made for a dead one. A new caption is a new
// record: no name is ever reused, so sweeping a dead record by name cannot
// remove a live one.

namespace {

const char record_prefix[] = "w-";
const char temp_prefix[] = ".tmp-";
const int stale_temp_seconds = 60;  // a temporary file older than this was abandoned

std::atomic<unsigned> serial{0};

struct Record {
    std::string name;
    int fd;
};

std::string unique_name()
{
    unsigned long long random = 0;
    if (getrandom(&random, sizeof random, GRND_NONBLOCK) != (ssize_t)sizeof random)
        random = (unsigned long long)time(nullptr) ^ ((unsigned long long)getpid() << 24);
    char name[80];
    snprintf(name, sizeof name, "%ld-%u-%016llx", (long)getpid(), serial.fetch_add(1) + 1, random);
    return name;
}

bool read_all(int fd, std::string* data)
{
    char buffer[1024];
    for (;;) {
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        data->append(buffer, (size_t)n);
    }
}

// Makes a locked record file; returns its descriptor and path, or -1.
int make_record(const std::string& contents, std::string* path_out)
{
    std::string folder = session_folder("windows");
    if (folder.empty())
        return -1;
    std::string name = unique_name();
    std::string temp = folder + "/" + temp_prefix + name;
    std::string path = folder + "/" + record_prefix + name;
    int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return -1;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || !write_all(fd, contents) || rename(temp.c_str(), path.c_str()) != 0) {
        unlink(temp.c_str());
        close(fd);
        return -1;
    }
    *path_out = path;
    return fd;
}

bool class_matches(const char* wanted, const std::string& have)
{
    return !wanted || strcasecmp(wanted, have.c_str()) == 0;
}

// Whether some process holds the file's lock; when none does, the file is
// removed (a dead record, or an abandoned temporary one old enough).
bool alive_or_swept(const std::string& path, int fd, bool temporary)
{
    if (flock(fd, LOCK_SH | LOCK_NB) != 0)
        return errno == EWOULDBLOCK;
    struct stat st;
    if (!temporary || (fstat(fd, &st) == 0 && time(nullptr) - st.st_mtime > stale_temp_seconds))
        unlink(path.c_str());
    return false;
}

HWND handle_of(const std::string& name)
{
    long pid = 0;
    unsigned number = 0;
    sscanf(name.c_str(), "w-%ld-%u", &pid, &number);
    return reinterpret_cast<HWND>(((uintptr_t)pid << 32) | number | 1u);
}

}  // namespace

WindowRecord::WindowRecord(const std::string& class_name, const std::string& caption) : class_name_(class_name)
{
    set_caption(caption);
}

WindowRecord::~WindowRecord()
{
    if (fd_ >= 0) {
        unlink(path_.c_str());
        close(fd_);
    }
}

void WindowRecord::set_caption(const std::string& caption)
{
    std::string contents = class_name_;
    contents.push_back('\0');
    contents += caption;
    std::string path;
    int fd = make_record(contents, &path);
    if (fd_ >= 0) {
        unlink(path_.c_str());
        close(fd_);
    }
    fd_ = fd;
    path_ = fd >= 0 ? path : std::string();
}

HWND FindWindowA(const char* class_name, const char* window_name)
{
    std::string folder = session_folder("windows");
    if (folder.empty())
        return nullptr;
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return nullptr;
    HWND found = nullptr;
    while (!found) {
        struct dirent* entry = readdir(dir);
        if (!entry)
            break;
        std::string name = entry->d_name;
        bool record = name.compare(0, strlen(record_prefix), record_prefix) == 0;
        bool temporary = name.compare(0, strlen(temp_prefix), temp_prefix) == 0;
        if (!record && !temporary)
            continue;
        std::string path = folder + "/" + name;
        int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0)
            continue;
        std::string contents;
        if (alive_or_swept(path, fd, temporary) && record && read_all(fd, &contents)) {
            size_t end = contents.find('\0');
            if (end != std::string::npos && class_matches(class_name, contents.substr(0, end)) &&
                (!window_name || contents.compare(end + 1, std::string::npos, window_name) == 0))
                found = handle_of(name);
        }
        close(fd);
    }
    closedir(dir);
    return found;
}
