// Resources carried by a module (see resource_note.h for how the build puts
// them in), found in exactly the module whose handle is passed.
#ifndef PLATFORM_RESOURCE_H
#define PLATFORM_RESOURCE_H

#include <stdint.h>

#include <platform/wintypes.h>

typedef const char* LPCSTR;
typedef void* HGLOBAL;
typedef const struct ResourceEntry* HRSRC;

// Names and types are texts, "#n" texts or small integers cast to a pointer.
#define MAKEINTRESOURCEA(id) ((LPCSTR)(uintptr_t)(uint16_t)(id))
#define IS_INTRESOURCE(p) ((((uintptr_t)(p)) >> 16) == 0)

#define RT_BITMAP MAKEINTRESOURCEA(2)
#define RT_RCDATA MAKEINTRESOURCEA(10)
#define RT_VERSION MAKEINTRESOURCEA(16)

// nullptr when `module` is no loaded module or carries no such resource.
// A null module stands for the program.
HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type);
// The resource's bytes stay where the module is loaded, so loading and
// locking give their address; nullptr for a null resource.
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
LPVOID LockResource(HGLOBAL loaded);
// 0 for a null resource.
DWORD SizeofResource(HMODULE module, HRSRC resource);

#endif
