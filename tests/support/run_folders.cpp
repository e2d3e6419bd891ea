// The roots a test program keeps in the temporary folder: made and locked, guarded, removed without
// following links, and swept where a dead run left them (run_folders.h).
#include "support/run_folders.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <stdexcept>

namespace kt::run_folders {

namespace {

// The names in the open folder `fd` but "." and ".."; the descriptor is left open.
std::vector<std::string> NamesIn(int fd) {
    std::vector<std::string> names;
    const int copy = dup(fd);
    if (copy < 0) return names;
    DIR* dir = fdopendir(copy);
    if (!dir) {
        close(copy);
        return names;
    }
    while (const dirent* e = readdir(dir))
        if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0) names.emplace_back(e->d_name);
    closedir(dir);
    return names;
}

// Removes `name` in the open folder `at`, and all it holds where it is a folder; a link is removed itself.
// A folder of this user that this user may not enter or empty is opened up first (a test may have locked
// one of its own). True when it is gone.
bool RemoveAt(int at, const std::string& name) {
    if (unlinkat(at, name.c_str(), 0) == 0 || errno == ENOENT) return true;
    int fd = openat(at, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 && errno == EACCES && fstatat(at, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode) &&
        st.st_uid == geteuid()) {
        fchmodat(at, name.c_str(), 0700, 0);
        fd = openat(at, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    }
    if (fd < 0) return errno == ENOENT;
    if (fstat(fd, &st) == 0 && (st.st_mode & 0700) != 0700 && st.st_uid == geteuid()) fchmod(fd, st.st_mode | 0700);
    // A few passes, for what a process still winding down writes meanwhile.
    bool gone = false;
    for (int pass = 0; pass < 3 && !gone; ++pass) {
        for (const std::string& inner : NamesIn(fd)) RemoveAt(fd, inner);
        gone = unlinkat(at, name.c_str(), AT_REMOVEDIR) == 0 || errno == ENOENT;
    }
    close(fd);
    return gone;
}

// The guard itself (StartGuard): waits for the end of the pipe `end`, removes `roots`, ends.
[[noreturn]] void Guard(int end, const std::vector<std::string>& roots, const std::vector<int>& locks) {
    for (const int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGTSTP, SIGTTIN, SIGTTOU, SIGUSR1, SIGUSR2})
        signal(sig, SIG_IGN);
    prctl(PR_SET_NAME, "kestralis-guard");
    // Nothing else of the program's stays open here: no other pipe's reader waits for the guard.
    std::vector<int> keep = {end, 1, 2};
    keep.insert(keep.end(), locks.begin(), locks.end());
    const int fds = open("/proc/self/fd", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fds >= 0) {
        for (const std::string& name : NamesIn(fds)) {
            const int fd = std::atoi(name.c_str());
            if (fd != fds && std::find(keep.begin(), keep.end(), fd) == keep.end()) close(fd);
        }
        close(fds);
    }
    if (open("/dev/null", O_RDONLY) != 0) close(0);  // descriptor 0 was closed above: it takes it
    char buf[64];
    for (;;) {
        const ssize_t n = read(end, buf, sizeof buf);
        if (n == 0 || (n < 0 && errno != EINTR)) break;
    }
    for (const std::string& root : roots) RemoveTree(root);
    _exit(0);
}

}  // namespace

std::string MakeRoot(const std::string& parent, int* lock) {
    const std::string pattern = parent + (!parent.empty() && parent.back() == '/' ? "" : "/") + kPrefix + "XXXXXX";
    std::string root = pattern;
    if (parent.empty() || !mkdtemp(root.data()))
        throw std::runtime_error("cannot make a new folder " + pattern + ": " + std::strerror(errno));
    const std::string path = root + "/" + kLock;
    const int fd = open(path.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0 || flock(fd, LOCK_EX) != 0) {
        const int error = errno;
        if (fd >= 0) close(fd);
        RemoveTree(root);
        throw std::runtime_error("cannot lock the new folder " + root + ": " + std::strerror(error));
    }
    *lock = fd;
    return root;
}

bool RemoveTree(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const std::string parent = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty() || name == "." || name == "..") return false;
    const int at = open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (at < 0) return errno == ENOENT;
    const bool gone = RemoveAt(at, name);
    close(at);
    return gone;
}

int SweepDeadRuns(const std::string& parent, int deadAfterSeconds) {
    const int at = open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (at < 0) return 0;
    int removed = 0;
    for (const std::string& name : NamesIn(at)) {
        if (name.rfind(kPrefix, 0) != 0) continue;
        struct stat st {};
        if (fstatat(at, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != geteuid())
            continue;
        const int root = openat(at, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (root < 0) continue;
        const int lock = openat(root, kLock, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        close(root);
        if (lock < 0) continue;  // not one of these roots, or not yet locked by its maker (too young anyway)
        const bool dead = fstat(lock, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == geteuid() &&
                          std::time(nullptr) - st.st_mtime >= deadAfterSeconds && flock(lock, LOCK_EX | LOCK_NB) == 0;
        // Removed while its lock is held here, so that no other sweep takes it for a dead one meanwhile.
        if (dead && RemoveAt(at, name)) ++removed;
        close(lock);
    }
    close(at);
    return removed;
}

bool StartGuard(const std::vector<std::string>& roots, const std::vector<int>& locks, std::string* why) {
    int end[2];
    if (pipe2(end, O_CLOEXEC) != 0) {
        *why = std::string("no pipe for the guard: ") + std::strerror(errno);
        return false;
    }
    std::fflush(nullptr);  // nothing buffered is written twice
    const pid_t first = fork();
    if (first == 0) {
        // Out of the program's session (a terminal's signals and a kill of its group miss the guard) and,
        // once this first child has ended, out of its tree (a kill of the program's tree misses it too).
        setsid();
        const pid_t guard = fork();
        if (guard != 0) _exit(guard < 0 ? 1 : 0);
        Guard(end[0], roots, locks);
    }
    close(end[0]);
    int status = 0;
    while (first > 0 && waitpid(first, &status, 0) < 0 && errno == EINTR) {
    }
    if (first < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        *why = first < 0 ? std::string("no guard could be started: ") + std::strerror(errno) : "the guard did not start";
        close(end[1]);
        return false;
    }
    // The pipe's other end stays open for as long as this process lives, closed on exec: the guard's
    // signal is its end.
    return true;
}

}  // namespace kt::run_folders
