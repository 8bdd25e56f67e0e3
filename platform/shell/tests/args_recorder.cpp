// Started by the shell tests as a program or as the desktop's opener: appends
// its folder and arguments to $VELMORA_ARGS_LOG ("cwd=...", "arg=..." per
// argument, then "end"), waits while the file $VELMORA_ARGS_HOLD exists when
// that is set, and exits with $VELMORA_ARGS_EXIT.
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    const char* log_path = getenv("VELMORA_ARGS_LOG");
    if (log_path) {
        FILE* log = fopen(log_path, "a");
        if (!log)
            return 120;
        char cwd[4096];
        fprintf(log, "cwd=%s\n", getcwd(cwd, sizeof cwd) ? cwd : "?");
        for (int i = 1; i < argc; ++i)
            fprintf(log, "arg=%s\n", argv[i]);
        fprintf(log, "end\n");
        fclose(log);
    }
    const char* hold = getenv("VELMORA_ARGS_HOLD");
    while (hold && access(hold, F_OK) == 0)
        usleep(10 * 1000);
    const char* code = getenv("VELMORA_ARGS_EXIT");
    return code ? atoi(code) : 0;
}
