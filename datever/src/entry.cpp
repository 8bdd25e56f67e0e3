#include "sarnet.h"

// The library has no per-process or per-thread set-up.
int DllEntryPoint(HINSTANCE, DWORD, LPVOID)
{
    return 1;
}
