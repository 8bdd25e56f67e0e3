// Named mutexes: one object per name in the user's session, seen by every
// process of that user. A named mutex exists while the process that made it
// runs; the kernel drops it when that process ends, by a crash too, so no
// stale object can block a later start.
#ifndef PLATFORM_MUTEX_H
#define PLATFORM_MUTEX_H

#include <platform/lasterror.h>
#include <platform/wintypes.h>

// Opens the mutex of that name, making it when no process of the session
// holds it. Last error afterwards: ERROR_SUCCESS when this call made it (and
// the calling thread owns it when initial_owner is TRUE); ERROR_ALREADY_EXISTS
// when it existed already, in this process or another (the handle is still
// given, initial_owner is ignored). Null, with the cause as last error, when
// the session folder or the lock cannot be had. A null name makes an unnamed
// mutex of this process. security must be null. Handles stay valid for the
// whole run; there is no call to close them.
HANDLE CreateMutexA(LPSECURITY_ATTRIBUTES security, BOOL initial_owner, const char* name);

// Gives up one level of the calling thread's ownership. FALSE with
// ERROR_NOT_OWNER when the thread does not own it, ERROR_INVALID_HANDLE for
// what is not a mutex handle. The object itself lives on until the process
// ends, as long as its handle would stay open.
BOOL ReleaseMutex(HANDLE mutex);

// The start of a program that runs once per session: the mutex `name`, made
// and owned. Null when the program is to end with exit code 1: another
// instance runs (said nowhere), or no session folder can be used (said on
// standard error, so that a user can tell the two apart).
HANDLE take_single_instance(const char* name);

#endif
