// Module handles. A module (the program or one shared library) is known by
// the address at which its ELF header is loaded, the base that dladdr reports
// for any address inside it; each module has a handle of its own.
#ifndef PLATFORM_MODULE_H
#define PLATFORM_MODULE_H

#include <platform/wintypes.h>

// The module that holds the code or data at `address`; nullptr when no
// loaded module holds it. Tests take a library's handle from the address of
// one of its functions.
HMODULE module_handle_of(const void* address);

// Every module carries its own hidden __dso_handle, so its address names the
// module that was built from the code calling this.
extern "C" __attribute__((visibility("hidden"))) void* __dso_handle;

static inline HINSTANCE own_module_handle()
{
    return module_handle_of(&__dso_handle);
}

// The calling module's own handle, as programs pass it to get_ver_.
#define HInstance (own_module_handle())

#endif
