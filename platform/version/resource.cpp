#include <stdlib.h>
#include <string.h>
#include <strings.h>

#include "module_image.h"
#include "platform/resource.h"
#include "platform/resource_note.h"

// An HRSRC points at the resource's note where the module is loaded.
struct ResourceEntry {
    ResourceNoteHeader header;
};

namespace {

// A resource key: an identifier, or a name when `id` is 0.
struct ResourceKey {
    uint32_t id;
    const char* name;
};

ResourceKey key_of(LPCSTR text)
{
    if (IS_INTRESOURCE(text))
        return {static_cast<uint32_t>(reinterpret_cast<uintptr_t>(text)), nullptr};
    // "#16" names the identifier 16.
    if (text[0] == '#' && text[1] >= '0' && text[1] <= '9') {
        char* end;
        unsigned long id = strtoul(text + 1, &end, 10);
        if (*end == '\0' && id > 0 && id <= 0xFFFF)
            return {static_cast<uint32_t>(id), nullptr};
    }
    return {0, text};
}

size_t align_up(size_t n, size_t alignment)
{
    return (n + alignment - 1) & ~(alignment - 1);
}

const char* note_name(const ResourceNoteHeader* note)
{
    return reinterpret_cast<const char*>(note + 1);
}

bool matches(const ResourceNoteHeader* note, const ResourceKey& name)
{
    if (name.id != 0)
        return note->id == name.id;
    if (note->id != 0 || note->name_size == 0)
        return false;
    // The stored name is NUL-terminated within name_size; resource names
    // compare without regard to case.
    return memchr(note_name(note), '\0', note->name_size) && strcasecmp(note_name(note), name.name) == 0;
}

// Walks the notes of one PT_NOTE segment, bounded by its size.
const ResourceNoteHeader* find_in_segment(const unsigned char* begin, size_t size, size_t alignment, uint32_t type,
                                          const ResourceKey& name)
{
    const size_t owner_size = sizeof RESOURCE_NOTE_OWNER;
    size_t offset = 0;
    while (size - offset >= sizeof(ElfW(Nhdr))) {
        const ElfW(Nhdr)* nh = reinterpret_cast<const ElfW(Nhdr)*>(begin + offset);
        size_t desc_at = offset + sizeof(ElfW(Nhdr)) + align_up(nh->n_namesz, alignment);
        size_t next = desc_at + align_up(nh->n_descsz, alignment);
        if (desc_at > size || next > size || next <= offset)
            return nullptr;
        const ResourceNoteHeader* note = reinterpret_cast<const ResourceNoteHeader*>(nh);
        bool ours = nh->n_namesz == owner_size && nh->n_type == type &&
                    memcmp(note->owner, RESOURCE_NOTE_OWNER, owner_size) == 0 && nh->n_descsz >= 2 * sizeof(uint32_t) &&
                    note->name_size <= nh->n_descsz - 2 * sizeof(uint32_t);
        if (ours && matches(note, name))
            return note;
        offset = next;
    }
    return nullptr;
}

}  // namespace

HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type)
{
    if (!name || !type)
        return nullptr;
    ResourceKey type_key = key_of(type);
    if (type_key.id == 0)
        return nullptr;  // only numbered resource types are carried
    ModuleImage image;
    if (!find_module_image(module, &image))
        return nullptr;
    ResourceKey name_key = key_of(name);
    for (ElfW(Half) i = 0; i < image.header_count; ++i) {
        const ElfW(Phdr)& ph = image.headers[i];
        if (ph.p_type != PT_NOTE)
            continue;
        const unsigned char* begin = reinterpret_cast<const unsigned char*>(image.load_bias + ph.p_vaddr);
        size_t alignment = ph.p_align == 8 ? 8 : 4;
        if (const ResourceNoteHeader* note = find_in_segment(begin, ph.p_filesz, alignment, type_key.id, name_key))
            return reinterpret_cast<HRSRC>(note);
    }
    return nullptr;
}

DWORD SizeofResource(HMODULE, HRSRC resource)
{
    if (!resource)
        return 0;
    const ResourceNoteHeader& h = resource->header;
    return h.desc_size - 2 * sizeof(uint32_t) - h.name_size;
}

HGLOBAL LoadResource(HMODULE, HRSRC resource)
{
    if (!resource)
        return nullptr;
    const ResourceNoteHeader* h = &resource->header;
    return const_cast<char*>(note_name(h) + h->name_size);
}

LPVOID LockResource(HGLOBAL loaded)
{
    return loaded;
}
