#include <platform/module.h>

#include "test_modules.h"

HINSTANCE bare_module_handle()
{
    return HInstance;
}
