#include <stdlib.h>

#include "alloc_hook.h"
#include "quillon.h"

#ifdef QUILLON_FAIL_HOOK
int quillon_allocs_before_failure = -1;
#endif

// A fixed, zero-filled block from the heap; a negative size cannot be had.
void* _get_mem_(int bytes)
{
    if (bytes < 0)
        return nullptr;
#ifdef QUILLON_FAIL_HOOK
    if (quillon_allocs_before_failure == 0)
        return nullptr;
    if (quillon_allocs_before_failure > 0)
        --quillon_allocs_before_failure;
#endif
    // A zero-byte request still yields a distinct block that can be freed.
    return calloc(1, bytes > 0 ? (size_t)bytes : 1);
}

void _fre_mem_(void* block)
{
    free(block);
}

void _clr_mem_(void* buf, int bytes)
{
    unsigned char* p = (unsigned char*)buf;
    for (int i = 0; i < bytes; ++i)
        p[i] = 0;
}

// Forward, one byte at a time: callers may rely on how an overlapping copy
// to a higher address repeats the leading bytes, so the compiler must not
// turn this loop into memcpy or memmove.
__attribute__((optimize("no-tree-loop-distribute-patterns"))) void _cpy_mem_(void* target, const void* source,
                                                                             int bytes)
{
    volatile unsigned char* t = (volatile unsigned char*)target;
    const volatile unsigned char* s = (const volatile unsigned char*)source;
    for (int i = 0; i < bytes; ++i)
        t[i] = s[i];
}
