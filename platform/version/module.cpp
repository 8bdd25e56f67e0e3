#include <dlfcn.h>
#include <link.h>

#include "module_image.h"
#include "platform/module.h"

HMODULE module_handle_of(const void* address)
{
    Dl_info info;
    if (!dladdr(address, &info))
        return nullptr;
    return info.dli_fbase;
}

namespace {

struct Search {
    HMODULE wanted;
    ModuleImage* image;
    bool found;
};

// Where the module's ELF header is mapped: the start of the segment loaded
// from file offset 0, which is the base dladdr reports.
uintptr_t header_address(const dl_phdr_info* info)
{
    for (ElfW(Half) i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr)& ph = info->dlpi_phdr[i];
        if (ph.p_type == PT_LOAD && ph.p_offset == 0)
            return info->dlpi_addr + ph.p_vaddr;
    }
    return 0;
}

int visit(dl_phdr_info* info, size_t, void* data)
{
    Search* search = static_cast<Search*>(data);
    // The loader lists the program first.
    bool match = search->wanted == nullptr || header_address(info) == reinterpret_cast<uintptr_t>(search->wanted);
    if (!match)
        return 0;
    search->image->load_bias = info->dlpi_addr;
    search->image->headers = info->dlpi_phdr;
    search->image->header_count = info->dlpi_phnum;
    search->found = true;
    return 1;
}

}  // namespace

bool find_module_image(HMODULE module, ModuleImage* image)
{
    Search search = {module, image, false};
    dl_iterate_phdr(visit, &search);
    return search.found;
}
