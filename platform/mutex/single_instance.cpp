#include <stdio.h>

#include "platform/mutex.h"

HANDLE take_single_instance(const char* name)
{
    HANDLE mutex = CreateMutexA(nullptr, TRUE, name);
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS)
        return nullptr;  // another instance runs: this one ends silently
    if (error != 0) {
        fprintf(stderr,
                "%s: no private session folder can be used ($XDG_RUNTIME_DIR/velmora or /tmp/velmora-<uid>), "
                "so a second start could not be told apart\n",
                name);
        return nullptr;
    }
    return mutex;
}
