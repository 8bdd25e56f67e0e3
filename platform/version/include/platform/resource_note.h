// How a module carries its resources: each resource is one ELF note of the
// owner "Velmora" in an allocated SHT_NOTE section, so the linker puts it in a
// PT_NOTE segment that the loader maps. FindResourceA walks those segments
// through the module's own program headers (dl_iterate_phdr), which keeps
// each module's resources apart and adds nothing to any dynamic symbol table.
//
// The note type is the resource type (16 for a version resource); the
// descriptor starts with the identifier and the size of a name, then the
// name (NUL-terminated, padded to 4 bytes), then the resource's bytes.
#ifndef PLATFORM_RESOURCE_NOTE_H
#define PLATFORM_RESOURCE_NOTE_H

#include <stdint.h>

#define RESOURCE_NOTE_OWNER "Velmora"
#define RESOURCE_NOTE_SECTION ".note.velmora.resource"

struct ResourceNoteHeader {
    uint32_t owner_size;  // sizeof RESOURCE_NOTE_OWNER, NUL included
    uint32_t desc_size;   // bytes from `id` to the end of the resource
    uint32_t type;        // resource type number
    char owner[8];        // RESOURCE_NOTE_OWNER
    uint32_t id;          // integer identifier; 0 for a named resource
    uint32_t name_size;   // bytes of the name that follows; 0 with an identifier
};

static_assert(sizeof(ResourceNoteHeader) == 28, "ELF note header, owner and resource header");

#endif
