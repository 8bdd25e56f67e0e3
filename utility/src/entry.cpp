#include "quillon.h"

// The library has no per-process or per-thread set-up.
int DllEntryPoint(HINSTANCE, unsigned long, void*)
{
    return 1;
}
