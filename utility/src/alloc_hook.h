// Allocation failure injection, compiled only into the test build of the
// library's sources (never into libquillon.so).
#ifndef QUILLON_ALLOC_HOOK_H
#define QUILLON_ALLOC_HOOK_H

#ifdef QUILLON_FAIL_HOOK
// Number of further allocations that succeed; below 0 means never fail.
extern "C" int quillon_allocs_before_failure;
#endif

#endif
