#include <string.h>

#include "platform/version_info.h"

namespace {

// The root of a version block: three words, then its key in UTF-16.
struct BlockHeader {
    WORD length;        // the whole block, children included
    WORD value_length;  // bytes of the value
    WORD type;          // 0 binary value
};

const char16_t root_key[] = u"VS_VERSION_INFO";

}  // namespace

BOOL VerQueryValueA(const void* block, LPCSTR sub_block, LPVOID* buffer, UINT* length)
{
    if (!block || !sub_block || !buffer || !length)
        return FALSE;
    if (strcmp(sub_block, "\\") != 0 && sub_block[0] != '\0')
        return FALSE;
    const unsigned char* bytes = static_cast<const unsigned char*>(block);
    BlockHeader header;
    memcpy(&header, bytes, sizeof header);
    if (memcmp(bytes + sizeof header, root_key, sizeof root_key) != 0)
        return FALSE;
    // The value starts at the next 32-bit boundary after the key.
    size_t value_at = (sizeof header + sizeof root_key + 3) & ~size_t(3);
    if (header.type != 0 || header.value_length < sizeof(VS_FIXEDFILEINFO) ||
        header.length < value_at + sizeof(VS_FIXEDFILEINFO))
        return FALSE;
    const VS_FIXEDFILEINFO* fixed = reinterpret_cast<const VS_FIXEDFILEINFO*>(bytes + value_at);
    if (fixed->dwSignature != VS_FFI_SIGNATURE)
        return FALSE;
    *buffer = const_cast<VS_FIXEDFILEINFO*>(fixed);
    *length = sizeof(VS_FIXEDFILEINFO);
    return TRUE;
}
