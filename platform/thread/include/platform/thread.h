// A worker thread with a stack of a chosen size, in place of the desktop's
// thread handles: started at once, polled for its end without waiting, then
// closed. Also the calling thread's sleep.
#ifndef PLATFORM_THREAD_H
#define PLATFORM_THREAD_H

#include <stddef.h>

#include <platform/wintypes.h>

struct PlatformThread;
typedef DWORD (*ThreadRoutine)(LPVOID arg);

// Starts routine(arg) at once on the smallest stack the system accepts at or
// above min_stack bytes. Null when no thread could be started.
PlatformThread* start_thread(ThreadRoutine routine, LPVOID arg, size_t min_stack);

// True once the routine has returned. Never waits.
bool thread_ended(PlatformThread* thread);

// The stack size the thread was started with, in bytes.
size_t thread_stack_size(const PlatformThread* thread);

// Waits for the routine to return if it has not yet, releases the thread and
// gives the routine's result.
DWORD close_thread(PlatformThread* thread);

// Suspends the calling thread for ms milliseconds.
void Sleep(DWORD ms);

#endif
