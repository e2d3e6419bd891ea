// Children and pipes as the tests that start processes see them.
#pragma once
#include <fcntl.h>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

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

// A listening Unix socket at `path` that takes calls without answering them (-1 when none could be made),
// for a test that stands in for a server and counts who calls it.
inline int ListenAt(const std::string& path) {
    sockaddr_un a{};
    if (path.size() >= sizeof a.sun_path) return -1;
    a.sun_family = AF_UNIX;
    std::memcpy(a.sun_path, path.c_str(), path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0 || bind(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a) != 0 || listen(fd, 16) != 0) {
        if (fd >= 0) close(fd);
        return -1;
    }
    return fd;
}

// Hangs up the calls waiting at the listener `fd` (a caller then gives up at once); how many there were.
inline int HangUpCalls(int fd) {
    int calls = 0;
    for (int call; (call = accept4(fd, nullptr, nullptr, SOCK_CLOEXEC)) >= 0; ++calls) close(call);
    return calls;
}

// Runs `args` (the program first, looked up in PATH where it has no '/') straight, with no shell between, so
// that a path in them may hold anything a file name may; waits for it and gives its exit status (127 when it
// could not be started), or -1 when it was ended by a signal or no child could be made. What it writes to its output and error stream comes in `said`.
// `env` sets variables for the program alone, on top of this process's environment.
inline int RunProgram(std::vector<std::string> args, std::string* said,
                      const std::vector<std::pair<std::string, std::string>>& env = {}) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        if (dup2(out[1], 1) < 0 || dup2(out[1], 2) < 0) _exit(126);
        for (const auto& [name, value] : env)
            if (setenv(name.c_str(), value.c_str(), 1) != 0) _exit(126);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(out[1]);
    if (pid < 0) {
        close(out[0]);
        return -1;
    }
    said->clear();
    char buf[4096];
    for (ssize_t n; (n = read(out[0], buf, sizeof buf)) != 0;) {
        if (n > 0) said->append(buf, static_cast<size_t>(n));
        else if (errno != EINTR) break;
    }
    close(out[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Gives up, for good, the power to pass over a file's permissions that the system's administrator has (and
// an ordinary user has not): from then on a file's and a folder's permissions hold for this process, and for
// every program it starts, as for any user, whoever started the test and wherever the checkout lies. The
// two powers leave the sets the process holds and its bounding set, from which root takes all it may hold
// anew at every program it starts; and no program it starts may gain a power this process does not hold (a
// setuid one, or one with file capabilities). Taking them out of the bounding set needs a power of its own,
// which root has: where it is refused, that rule keeps them out all the same, as a program this process
// starts may hold no more than this process holds. False when the system refused.
inline bool GiveUpPassingOverPermissions() {
    if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0) return false;
    for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
        if (prctl(PR_CAPBSET_DROP, cap, 0, 0, 0) != 0 && errno != EPERM) return false;
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    if (syscall(SYS_capget, &header, data) != 0) return false;
    for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH}) {
        const unsigned bit = 1u << (cap % 32);
        data[cap / 32].effective &= ~bit;
        data[cap / 32].permitted &= ~bit;
        data[cap / 32].inheritable &= ~bit;  // and so from the ambient set, which holds only what both hold
    }
    return syscall(SYS_capset, &header, data) == 0;
}

// Whether the signal `sig` is in the set `field` ("SigCgt:", "SigBlk:", ...) of the process or thread `id`, as
// its status in /proc shows it; false for one that is gone.
inline bool InSignalSet(pid_t id, const std::string& field, int sig) {
    std::ifstream status("/proc/" + std::to_string(id) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field, 0) == 0) return (std::stoull(line.substr(field.size()), nullptr, 16) >> (sig - 1)) & 1;
    return false;
}

// The state letter of the process or thread `id` in /proc (R running, S sleeping, T stopped ...), 0 when it
// cannot be read.
inline char StateOf(pid_t id) {
    std::ifstream stat("/proc/" + std::to_string(id) + "/stat");
    std::string line;
    std::getline(stat, line);
    const size_t name = line.rfind(')');  // the name may hold anything, brackets too
    return name != std::string::npos && name + 2 < line.size() ? line[name + 2] : 0;
}

// Whether the process `pid` catches the signal `sig` with a handler of its own.
inline bool Catches(pid_t pid, int sig) { return InSignalSet(pid, "SigCgt:", sig); }
// Whether the thread `tid` (of any process) holds the signal `sig` blocked.
inline bool Blocks(pid_t tid, int sig) { return InSignalSet(tid, "SigBlk:", sig); }

}  // namespace kt
