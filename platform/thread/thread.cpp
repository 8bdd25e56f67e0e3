#include "platform/thread.h"

#include <errno.h>
#include <pthread.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <new>

struct PlatformThread {
    pthread_t id;
    ThreadRoutine routine;
    LPVOID arg;
    size_t stack_size;
    DWORD exit_code;
    bool joined;
};

namespace {

// Beyond this a request for a small stack is not worth pursuing.
const size_t kLargestStack = 1024 * 1024;

void* run_routine(void* p)
{
    PlatformThread* thread = static_cast<PlatformThread*>(p);
    thread->exit_code = thread->routine(thread->arg);
    return nullptr;
}

size_t page_size()
{
    long page = sysconf(_SC_PAGESIZE);
    return page > 0 ? (size_t)page : 4096;
}

// The system's floor for a thread stack; the C library may still ask for more
// (its thread-local data lives on the same stack), which start_thread finds out.
size_t system_stack_floor()
{
    long floor = sysconf(_SC_THREAD_STACK_MIN);
    return floor > 0 ? (size_t)floor : (size_t)PTHREAD_STACK_MIN;
}

// 0 on success, otherwise the error of setting the size or of the start.
int try_start(PlatformThread* thread, size_t stack_size)
{
    pthread_attr_t attr;
    int rc = pthread_attr_init(&attr);
    if (rc != 0)
        return rc;
    rc = pthread_attr_setstacksize(&attr, stack_size);
    if (rc == 0)
        rc = pthread_create(&thread->id, &attr, run_routine, thread);
    pthread_attr_destroy(&attr);
    return rc;
}

}  // namespace

PlatformThread* start_thread(ThreadRoutine routine, LPVOID arg, size_t min_stack)
{
    PlatformThread* thread = new (std::nothrow) PlatformThread{};
    if (!thread)
        return nullptr;
    thread->routine = routine;
    thread->arg = arg;

    const size_t page = page_size();
    size_t size = std::max(min_stack, system_stack_floor());
    size = (size + page - 1) / page * page;
    // Too small a stack is refused with EINVAL: grow page by page to the
    // smallest size that is accepted.
    for (; size <= kLargestStack; size += page) {
        int rc = try_start(thread, size);
        if (rc == 0) {
            thread->stack_size = size;
            return thread;
        }
        if (rc != EINVAL)
            break;
    }
    delete thread;
    return nullptr;
}

bool thread_ended(PlatformThread* thread)
{
    if (!thread->joined && pthread_tryjoin_np(thread->id, nullptr) == 0)
        thread->joined = true;
    return thread->joined;
}

size_t thread_stack_size(const PlatformThread* thread)
{
    return thread->stack_size;
}

DWORD close_thread(PlatformThread* thread)
{
    if (!thread->joined)
        pthread_join(thread->id, nullptr);
    DWORD exit_code = thread->exit_code;
    delete thread;
    return exit_code;
}

void Sleep(DWORD ms)
{
    struct timespec left;
    left.tv_sec = ms / 1000;
    left.tv_nsec = (long)(ms % 1000) * 1000000L;
    while (nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}
