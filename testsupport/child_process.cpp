#include "testsupport/child_process.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

long long now_ms()
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000LL + ts.tv_nsec / 1000000;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv)
{
    int to_child[2], from_child[2];
    if (pipe2(to_child, O_CLOEXEC) != 0 || pipe2(from_child, O_CLOEXEC) != 0) {
        ADD_FAILURE() << "pipe: " << strerror(errno);
        return;
    }
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
        dup2(to_child[0], 0);
        dup2(from_child[1], 1);
        execv(args[0], args.data());
        _exit(127);
    }
    close(to_child[0]);
    close(from_child[1]);
    in_ = to_child[1];
    out_ = from_child[0];
    if (pid_ < 0)
        ADD_FAILURE() << "fork: " << strerror(errno);
}

ChildProcess::ChildProcess(const std::function<int()>& body)
{
    // Output buffered before the fork is the parent's to write; the child's
    // own (a test's failure messages) is written before it leaves.
    fflush(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
        const int code = body();
        fflush(nullptr);
        _exit(code);
    }
    if (pid_ < 0)
        ADD_FAILURE() << "fork: " << strerror(errno);
}

ChildProcess::~ChildProcess()
{
    if (pid_ > 0 && !reaped_) {
        ::kill(pid_, SIGKILL);
        wait();
    }
    if (in_ >= 0)
        close(in_);
    if (out_ >= 0)
        close(out_);
}

std::string ChildProcess::read_line(int timeout_ms)
{
    long long deadline = now_ms() + timeout_ms;
    for (;;) {
        size_t end = pending_.find('\n');
        if (end != std::string::npos) {
            std::string line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            return line;
        }
        long long left = deadline - now_ms();
        if (left <= 0 || out_ < 0)
            return std::string();
        struct pollfd p = {out_, POLLIN, 0};
        if (poll(&p, 1, (int)left) <= 0)
            continue;
        char buffer[512];
        ssize_t n = read(out_, buffer, sizeof buffer);
        if (n <= 0)
            return std::string();
        pending_.append(buffer, (size_t)n);
    }
}

void ChildProcess::write_line(const std::string& line)
{
    std::string data = line + "\n";
    if (in_ < 0 || write(in_, data.data(), data.size()) != (ssize_t)data.size())
        ADD_FAILURE() << "could not write to the child";
}

void ChildProcess::close_input()
{
    if (in_ >= 0)
        close(in_);
    in_ = -1;
}

void ChildProcess::kill(int signal)
{
    if (pid_ > 0 && !reaped_)
        ::kill(pid_, signal);
}

int ChildProcess::wait(int timeout_ms)
{
    if (pid_ <= 0)
        return -1;
    long long deadline = now_ms() + timeout_ms;
    while (!reaped_) {
        pid_t r = waitpid(pid_, &status_, WNOHANG);
        if (r == pid_) {
            reaped_ = true;
            break;
        }
        if (r < 0 || now_ms() > deadline)
            return -1;
        usleep(2000);
    }
    if (WIFEXITED(status_))
        return WEXITSTATUS(status_);
    return 128 + WTERMSIG(status_);
}

int run_program(const std::vector<std::string>& argv, int timeout_ms)
{
    ChildProcess child(argv);
    child.close_input();
    return child.wait(timeout_ms);
}

int run_in_child(const std::function<int()>& body, int timeout_ms)
{
    ChildProcess child(body);
    return child.wait(timeout_ms);
}

PrivateSession::PrivateSession()
{
    chmod(path().c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", path().c_str(), 1);
}

// The folder goes afterwards, with the member.
PrivateSession::~PrivateSession()
{
    unsetenv("XDG_RUNTIME_DIR");
}
