// Basic types of the desktop platform's calling conventions, as the system's
// interfaces name them. Sizes are those of 64-bit Linux.
#ifndef PLATFORM_WINTYPES_H
#define PLATFORM_WINTYPES_H

#include <stdint.h>

typedef int BOOL;
typedef uint32_t DWORD;
typedef void* HANDLE;
typedef void* HINSTANCE;
typedef HINSTANCE HMODULE;
typedef void* LPVOID;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

#endif
