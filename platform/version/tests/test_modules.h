// The two test libraries: each reports its own handle as it sees it.
#ifndef TEST_MODULES_H
#define TEST_MODULES_H

#include <platform/wintypes.h>

HINSTANCE versioned_module_handle();
HINSTANCE bare_module_handle();

#endif
