#include "platform/mutex.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <mutex>
#include <string>
#include <thread>

#include <platform/session.h>

namespace {

// A process makes few mutexes; each lives until the process ends (its lock
// file stays open and locked), so a fixed table is enough.
struct MutexObject {
    bool used = false;
    bool named = false;
    std::string name;
    int lock_fd = -1;  // -1 when another process holds the name
    std::thread::id owner;
    unsigned owned = 0;
};

const int max_mutexes = 32;
MutexObject mutexes[max_mutexes];
std::mutex table_guard;

MutexObject* find_named(const std::string& name)
{
    for (MutexObject& m : mutexes)
        if (m.used && m.named && m.name == name)
            return &m;
    return nullptr;
}

MutexObject* free_slot()
{
    for (MutexObject& m : mutexes)
        if (!m.used)
            return &m;
    return nullptr;
}

DWORD error_of_errno(int e)
{
    switch (e) {
    case EACCES:
    case EPERM: return ERROR_ACCESS_DENIED;
    case ENOENT:
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
    default: return ERROR_INVALID_PARAMETER;
    }
}

// The lock on "<session>/mutex/<name>" is the mutex's existence: flock locks
// belong to the open file and vanish with the last process that has it open.
// 1 when we hold the lock now, 0 when another open file holds it, -1 on error
// (errno set).
int take_name(const std::string& name, int* fd_out)
{
    std::string folder = session_folder("mutex");
    if (folder.empty()) {
        errno = EACCES;
        return -1;
    }
    std::string path = folder + "/" + session_file_name(name);
    int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return -1;
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
        *fd_out = fd;
        return 1;
    }
    int e = errno;
    close(fd);
    errno = e;
    return e == EWOULDBLOCK ? 0 : -1;
}

}  // namespace

HANDLE CreateMutexA(LPSECURITY_ATTRIBUTES security, BOOL initial_owner, const char* name)
{
    if (security) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::lock_guard<std::mutex> lock(table_guard);
    if (name) {
        if (MutexObject* existing = find_named(name)) {
            SetLastError(ERROR_ALREADY_EXISTS);
            return existing;
        }
    }
    MutexObject* m = free_slot();
    if (!m) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    bool made = true;
    int fd = -1;
    if (name) {
        int taken = take_name(name, &fd);
        if (taken < 0) {
            SetLastError(error_of_errno(errno));
            return nullptr;
        }
        made = taken == 1;
    }
    m->used = true;
    m->named = name != nullptr;
    m->name = name ? name : "";
    m->lock_fd = fd;
    m->owned = 0;
    if (made && initial_owner) {
        m->owner = std::this_thread::get_id();
        m->owned = 1;
    }
    SetLastError(made ? ERROR_SUCCESS : ERROR_ALREADY_EXISTS);
    return m;
}

BOOL ReleaseMutex(HANDLE mutex)
{
    std::lock_guard<std::mutex> lock(table_guard);
    MutexObject* m = nullptr;
    for (MutexObject& candidate : mutexes)
        if (&candidate == mutex)
            m = &candidate;
    if (!m || !m->used) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (m->owned == 0 || m->owner != std::this_thread::get_id()) {
        SetLastError(ERROR_NOT_OWNER);
        return FALSE;
    }
    --m->owned;
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}
