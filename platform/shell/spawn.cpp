#include "spawn.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

// Between fork and exec only async-signal-safe calls are made: the caller
// may have other threads.

namespace {

struct Report {
    char kind;  // 'E' exec failed, 'X' ended
    int value;  // errno, or the wait status
};

void write_report(int fd, char kind, int value)
{
    Report r = {kind, value};
    while (write(fd, &r, sizeof r) < 0 && errno == EINTR) {
    }
}

long long monotonic_ms()
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000LL + ts.tv_nsec / 1000000;
}

[[noreturn]] void exec_program(char* const* argv, const char* directory, int report_fd)
{
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    signal(SIGPIPE, SIG_DFL);
    if (directory && chdir(directory) != 0) {
        write_report(report_fd, 'E', errno);
        _exit(127);
    }
    execv(argv[0], argv);
    write_report(report_fd, 'E', errno);
    _exit(127);
}

// The middle process: starts the program, watches it for a while, leaves.
[[noreturn]] void run_middle(char* const* argv, const char* directory, int watch_ms, int report_fd)
{
    pid_t program = fork();
    if (program < 0) {
        write_report(report_fd, 'E', errno);
        _exit(1);
    }
    if (program == 0)
        exec_program(argv, directory, report_fd);
    if (watch_ms > 0) {
        long long deadline = monotonic_ms() + watch_ms;
        while (monotonic_ms() < deadline) {
            int status = 0;
            if (waitpid(program, &status, WNOHANG) == program) {
                write_report(report_fd, 'X', status);
                break;
            }
            struct timespec pause = {0, 5 * 1000 * 1000};
            nanosleep(&pause, nullptr);
        }
    }
    _exit(0);
}

}  // namespace

bool spawn_detached(const std::vector<std::string>& args, const std::string& directory, int watch_ms,
                    SpawnOutcome* outcome)
{
    *outcome = SpawnOutcome();
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const char* folder = directory.empty() ? nullptr : directory.c_str();

    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return false;
    pid_t middle = fork();
    if (middle == 0) {
        close(report[0]);
        run_middle(argv.data(), folder, watch_ms, report[1]);
    }
    close(report[1]);
    if (middle < 0) {
        close(report[0]);
        return false;
    }
    // The pipe ends when the middle process has left and the program has
    // either been replaced by exec (closing its end) or failed.
    Report r;
    ssize_t n;
    while ((n = read(report[0], &r, sizeof r)) != 0) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n != (ssize_t)sizeof r)
            break;
        if (r.kind == 'E') {
            outcome->exec_error = r.value;
        } else if (r.kind == 'X') {
            outcome->finished = true;
            outcome->exit_code =
                WIFEXITED(r.value) ? WEXITSTATUS(r.value) : 128 + (WIFSIGNALED(r.value) ? WTERMSIG(r.value) : 0);
        }
    }
    close(report[0]);
    while (waitpid(middle, nullptr, 0) < 0 && errno == EINTR) {
    }
    return true;
}
