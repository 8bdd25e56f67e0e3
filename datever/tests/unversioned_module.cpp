#include <platform/module.h>

// A library that carries no version resource.
HINSTANCE unversioned_module_handle()
{
    return HInstance;
}
