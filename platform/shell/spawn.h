// Starting a program in the background without leaving it to be reaped.
#ifndef PLATFORM_SHELL_SPAWN_H
#define PLATFORM_SHELL_SPAWN_H

#include <string>
#include <vector>

struct SpawnOutcome {
    int exec_error = 0;     // errno of a start that failed, else 0
    bool finished = false;  // the program ended within the watch time
    int exit_code = 0;      // its exit code (128 + signal when a signal ended it)
};

// Starts argv[0] (a path) with argv, in directory unless it is empty. When
// watch_ms is above 0, waits that long for the program's end. The program
// runs on as a grandchild handed to the system, so nobody needs to reap it.
// False when no process could be made.
bool spawn_detached(const std::vector<std::string>& argv, const std::string& directory, int watch_ms,
                    SpawnOutcome* outcome);

#endif
