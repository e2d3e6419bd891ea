// A test program started afresh, as the test command starts one: not as a child of a test, so that it sets
// up the tests' environment (and its guard and folders) anew from whatever environment it is given.
#pragma once
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace kt {

// Starts this test program on the test `test` ("Suite.Name"), with the variables `env` on top of this
// process's environment (an empty value unsets one) and the mark of the tests' environment gone, in a
// process group of its own when `ownGroup`. Its output and error stream go to a pipe whose end comes back in
// `out` (its error stream to a pipe of its own, whose end comes back in `err`, where that is given): an end
// closes once the program and whatever holds its output (its guard) are gone. Its pid, or -1 when it could
// not be started.
inline pid_t StartAfresh(const std::string& test, const std::vector<std::pair<std::string, std::string>>& env,
                         int* out, bool ownGroup = false, int* err = nullptr) {
    int pipe[2], errPipe[2] = {-1, -1};
    if (pipe2(pipe, O_CLOEXEC) != 0) return -1;
    if (err && pipe2(errPipe, O_CLOEXEC) != 0) {
        close(pipe[0]);
        close(pipe[1]);
        return -1;
    }
    const std::string filter = "--gtest_filter=" + test;
    const pid_t pid = fork();
    if (pid == 0) {
        if (ownGroup) setpgid(0, 0);
        unsetenv("KESTRALIS_TESTS_OWN_ENVIRONMENT");
        for (const auto& [name, value] : env) {
            if (value.empty()) unsetenv(name.c_str());
            else setenv(name.c_str(), value.c_str(), 1);
        }
        if (dup2(pipe[1], 1) < 0 || dup2(err ? errPipe[1] : pipe[1], 2) < 0) _exit(126);
        execl("/proc/self/exe", "/proc/self/exe", filter.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipe[1]);
    if (err) close(errPipe[1]);
    if (pid < 0) {
        close(pipe[0]);
        if (err) close(errPipe[0]);
        return -1;
    }
    *out = pipe[0];
    if (err) *err = errPipe[0];
    return pid;
}

// Reads the pipe `fd` to its end, for `guardMs` at most (a hang guard), and closes it; what came goes to
// `said`. True when the end came.
inline bool ReadToEnd(int fd, int guardMs, std::string* said) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(guardMs);
    bool ended = false;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        pollfd p{fd, POLLIN, 0};
        const int ready = poll(&p, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) break;
        char buf[4096];
        const ssize_t n = read(fd, buf, sizeof buf);
        if (n == 0) {
            ended = true;
            break;
        }
        if (n < 0 && errno != EINTR) break;
        if (n > 0) said->append(buf, static_cast<size_t>(n));
    }
    close(fd);
    return ended;
}

}  // namespace kt
