#include <stddef.h>

#include <platform/module.h>
#include <platform/resource.h>
#include <platform/resource_note.h>

#include "test_modules.h"

namespace {

// A named resource written out by hand, as the note format lays it out.
struct NamedNote {
    ResourceNoteHeader header;
    char name[8];
    char data[4];
};

__attribute__((section(RESOURCE_NOTE_SECTION), used, aligned(4))) const NamedNote sample_note = {
    {sizeof RESOURCE_NOTE_OWNER, sizeof(NamedNote) - offsetof(ResourceNoteHeader, id), 10, RESOURCE_NOTE_OWNER, 0, 8},
    "Sample",
    {'a', 'b', 'c', 'd'},
};

}  // namespace

HINSTANCE versioned_module_handle()
{
    return HInstance;
}
