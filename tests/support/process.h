// Children and pipes as the tests that start processes see them.
#pragma once
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>
#include <string>

namespace kt {

// Waits up to `ms` for the child to end; true, with its raw status, when it did.
inline bool ChildEnded(pid_t pid, int ms, int* status) {
    for (int waited = 0; waited <= ms; waited += 5) {
        if (waitpid(pid, status, WNOHANG) == pid) return true;
        usleep(5'000);
    }
    return false;
}

// The child's raw status once it ends within `ms` (a hang guard); a child that does not is killed, and its
// status says so.
inline int EndedChild(pid_t pid, int ms) {
    int status = 0;
    if (!ChildEnded(pid, ms, &status)) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    return status;
}

// Whether anybody holds the FIFO at `path` open for reading, or waits in an open of it: a writer's open that
// does not wait succeeds only then (and lets such a waiting open go on).
inline bool SomebodyReads(const std::string& path) {
    const int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK);
    if (fd < 0) return false;
    close(fd);
    return true;
}

// Whether a listener takes a call at the Unix socket address `address` (a path, or an abstract name that
// starts with its zero byte); the call is hung up at once.
inline bool SomebodyListens(const std::string& address) {
    sockaddr_un a{};
    if (address.size() > sizeof a.sun_path) return false;
    a.sun_family = AF_UNIX;
    std::memcpy(a.sun_path, address.data(), address.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const bool taken = connect(fd, reinterpret_cast<const sockaddr*>(&a),
                               static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + address.size())) == 0;
    close(fd);
    return taken;
}

}  // namespace kt
