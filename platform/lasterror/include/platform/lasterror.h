// The calling thread's last error code, set by the platform calls that report
// failure through it (CreateMutexA, ReleaseMutex, GetFileAttributesA).
#ifndef PLATFORM_LASTERROR_H
#define PLATFORM_LASTERROR_H

#include <platform/wintypes.h>

DWORD GetLastError();
void SetLastError(DWORD code);

#endif
