#include <stdio.h>
#include <string.h>

#include <platform/resource.h>
#include <platform/version_info.h>

#include "quillon.h"
#include "sarnet.h"

int get_ver_(char* out, void* module)
{
    out[0] = '\0';
    HMODULE handle = static_cast<HMODULE>(module);
    HRSRC found = FindResourceA(handle, "#1", RT_VERSION);
    if (!found)
        return 0;
    HGLOBAL loaded = LoadResource(handle, found);
    if (!loaded)
        return 0;
    void* locked = LockResource(loaded);
    if (!locked)
        return 0;
    DWORD size = SizeofResource(handle, found);
    if (size == 0 || size > 0x7FFFFFFF)
        return 0;
    // The query runs on a copy of the resource in a block of Quillon's.
    void* block = _get_mem_(static_cast<int>(size));
    if (!block)
        return 0;
    _cpy_mem_(block, locked, static_cast<int>(size));
    LPVOID value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block, "\\", &value, &length) || !value || length == 0) {
        _fre_mem_(block);
        return 0;
    }
    const VS_FIXEDFILEINFO* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    char work[128];
    sprintf(out, "%d.", HIWORD(fixed->dwFileVersionMS));
    snprintf(work, sizeof work, "%d.", LOWORD(fixed->dwFileVersionMS));
    strcat(out, work);
    snprintf(work, sizeof work, "%d.", HIWORD(fixed->dwFileVersionLS));
    strcat(out, work);
    snprintf(work, sizeof work, "%d", LOWORD(fixed->dwFileVersionLS));
    strcat(out, work);
    _fre_mem_(block);
    return 1;
}
