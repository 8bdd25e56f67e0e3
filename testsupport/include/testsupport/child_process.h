// A program started by a test, with its standard input and output on pipes.
#ifndef TESTSUPPORT_CHILD_PROCESS_H
#define TESTSUPPORT_CHILD_PROCESS_H

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

#include "testsupport/files.h"

class ChildProcess {
public:
    // Starts argv[0] (a path) with the test's environment.
    explicit ChildProcess(const std::vector<std::string>& argv);
    // Runs body in a forked copy of the test, which exits with its answer;
    // no pipes.
    explicit ChildProcess(const std::function<int()>& body);
    ~ChildProcess();  // kills and reaps a child still running
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // One line of the child's output without its line end; empty when the
    // child ended or nothing came within the time.
    std::string read_line(int timeout_ms = 10000);
    void write_line(const std::string& line);
    void close_input();
    void kill(int signal);
    // Exit code, or 128 + signal number when a signal ended it; -1 when it
    // did not end within the time.
    int wait(int timeout_ms = 10000);
    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
    int in_ = -1;
    int out_ = -1;
    std::string pending_;
    bool reaped_ = false;
    int status_ = 0;
};

// Runs a program to its end and gives its exit code as wait() does.
int run_program(const std::vector<std::string>& argv, int timeout_ms = 10000);

// Runs body in a forked child to its end and gives its answer as wait() does:
// for limits and signal settings that must not reach the test itself.
int run_in_child(const std::function<int()>& body, int timeout_ms = 10000);

// A private folder for the session's shared objects, removed with this object;
// children started meanwhile see it too (XDG_RUNTIME_DIR).
class PrivateSession {
public:
    PrivateSession();
    ~PrivateSession();
    const std::string& path() const { return folder_.path(); }

private:
    TempFolder folder_;
};

#endif
