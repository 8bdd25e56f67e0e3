// Takes a named mutex as a program's entry does: exits with 1 at once when the
// mutex exists already; otherwise says "owned" and holds it until its input
// ends, then releases it and exits with 0.
#include <stdio.h>

#include <platform/mutex.h>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    HANDLE mutex = CreateMutexA(nullptr, TRUE, argv[1]);
    if (GetLastError() != 0)
        return 1;
    printf("owned\n");
    fflush(stdout);
    while (getchar() != EOF) {
    }
    return ReleaseMutex(mutex) ? 0 : 3;
}
