// A loaded module's program headers, as the dynamic loader reports them.
#ifndef PLATFORM_MODULE_IMAGE_H
#define PLATFORM_MODULE_IMAGE_H

#include <link.h>

#include <platform/wintypes.h>

struct ModuleImage {
    ElfW(Addr) load_bias;  // added to each segment's p_vaddr
    const ElfW(Phdr) * headers;
    ElfW(Half) header_count;
};

// Finds the module whose handle is `module`; a null handle is the program.
bool find_module_image(HMODULE module, ModuleImage* image);

#endif
