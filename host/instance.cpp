// The single-instance lock. Where the user has a runtime folder that only the user can enter, the lock
// lives there: a locked file says who holds it, and a listening socket beside it takes the requests to come
// forward; nobody else can reach either. Without such a folder, or where the lock cannot be made in it (a
// folder the user may not write in), the lock is a listening socket in the abstract namespace, named after
// the lock and the user: binding the name is taking the lock. Either way
// the kernel drops the lock with the process however that ends, and there is no process number to trust.
//
// A second copy asks the first to come to the front with a request on a connection, and the first answers
// once it has taken the request. The kernel queues a connection whether or not anybody will ever take it,
// so only the answer tells a live first copy from one that is stopped or hung. The holder hears its callers
// out on the program's own thread (the message pump, the load between files, an open box), never on a
// thread of its own: a copy whose thread of play stands still does not answer. Every connect is
// non-blocking with a short time-out, and the wait for the answer is bounded, so a holder that never answers
// cannot hold up a start; each side checks the other's credentials before anything else, so that only the
// same user can hold the name for us or ask us anything.
#include "host/instance.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "host/files.h"
#include "host/report.h"

namespace host {
namespace {

// How long a start waits at most for the holder of the name to take its call.
constexpr int kConnectWaitMs = 300;
// How long a start waits at most for the holder's answer to its request. The holder answers within a pass
// of its message pump, between two files of its load, or within a fifth of a second while a box is open.
constexpr int kAnswerWaitMs = 3000;
// The request to come forward, and the answer that it was taken.
constexpr char kRaiseRequest = 'R';
constexpr char kRaiseTaken = 'A';
// Callers that connected but have not said anything yet; one that has waited longer than any caller waits
// for an answer is let go.
constexpr size_t kMaxCallers = 8;

struct Caller {
    int fd = -1;
    i64 since = 0;  // when it was taken from the listener
};

struct Held {
    int listener = -1;   // the socket that takes the requests to come forward
    int lockFile = -1;   // the locked file in the runtime folder, -1 for an abstract name
    std::string socketPath;  // the socket's file in the runtime folder, empty for an abstract name
    std::vector<Caller> callers;  // connected, their request not yet read
};

std::map<i32, Held> g_locks;
i32 g_nextHandle = 1;
// The stems of locks that could not be made in the runtime folder where they belong: such a lock is an
// abstract name instead, for the copy that makes it and for every later ask in the process.
std::set<std::string> g_outside;

// Every descriptor the locks hold (their files, listeners and callers), as the descriptor plus one, 0 for a
// free place: a table of atomics that a child just forked reads without a lock, whatever the thread that
// changes it was doing as the child was made. A descriptor that finds no free place is not listed.
constexpr int kListedMost = 64;
std::atomic<int> g_listed[kListedMost];

void List(int fd) {
    for (std::atomic<int>& l : g_listed)
        if (int free = 0; l.compare_exchange_strong(free, fd + 1)) return;
}
void CloseListed(int fd) {
    for (std::atomic<int>& l : g_listed)
        if (int was = fd + 1; l.compare_exchange_strong(was, 0)) break;
    close(fd);
}

u64 Fnv(const std::string& s) {
    u64 h = 14695981039346656037ull;
    for (unsigned char c : s) h = (h ^ c) * 1099511628211ull;
    return h;
}

// The stem of the lock's two files (".lock" and ".sock") in the user's runtime folder, when that is one
// only this user can enter, by a path short enough for a socket's address; empty otherwise, and then the
// lock is an abstract name. `sayWhy`: a folder named that will not do is said.
std::string FolderStem(const char* name, bool sayWhy = false) {
    const char* dir = std::getenv("XDG_RUNTIME_DIR");
    if (!dir || !*dir) return {};
    char leaf[32];
    std::snprintf(leaf, sizeof leaf, "/kestralis-%016llx", static_cast<unsigned long long>(Fnv(name ? name : "")));
    const std::string stem = dir + std::string(leaf);
    struct stat st{};
    const bool isPrivate = dir[0] == '/' && stat(dir, &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == getuid() &&
                           (st.st_mode & 077) == 0;
    static_assert(kLongestRuntimeFolder + sizeof "/kestralis-0123456789abcdef.sock" == sizeof(sockaddr_un::sun_path));
    const bool fits = stem.size() + sizeof ".sock" <= sizeof(sockaddr_un::sun_path);
    if (isPrivate && fits) return g_outside.count(stem) ? std::string() : stem;
    if (sayWhy) {
        ReportSettingNotUnderstood("XDG_RUNTIME_DIR", dir,
                                   "the whole path of a folder that only this user can enter, " +
                                       std::to_string(kLongestRuntimeFolder) + " characters at most",
                                   "keeping the one-copy lock outside it");
    }
    return {};
}

// The socket address of lock `name`: the socket file in the runtime folder, or the abstract name (which
// the runtime folder's name scopes too, so that separate sessions or test runs keep separate locks).
sockaddr_un Address(const char* name, socklen_t* len) {
    const std::string stem = FolderStem(name);
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    if (!stem.empty()) {
        const std::string path = stem + ".sock";
        std::memcpy(a.sun_path, path.c_str(), path.size() + 1);
        *len = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size() + 1);
        return a;
    }
    const char* dir = std::getenv("XDG_RUNTIME_DIR");
    char text[sizeof(sockaddr_un::sun_path)];
    const int n = std::snprintf(text, sizeof text, "kestralis.lock/%u/%016llx/%016llx", static_cast<unsigned>(getuid()),
                                static_cast<unsigned long long>(Fnv(dir ? dir : "")),
                                static_cast<unsigned long long>(Fnv(name ? name : "")));
    a.sun_path[0] = 0;  // the abstract namespace: no file anywhere
    std::memcpy(a.sun_path + 1, text, static_cast<size_t>(n));
    *len = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + static_cast<size_t>(n));
    return a;
}

bool PeerIsUs(int fd) {
    ucred cred{};
    socklen_t len = sizeof cred;
    return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &cred, &len) == 0 && cred.uid == getuid();
}

i64 NowMs() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<i64>(ts.tv_sec) * 1000 + ts.tv_nsec / 1'000'000;
}

// One non-blocking connect to `a`, waiting until `deadline` at most: 1 connected, 0 try again (the
// listener's queue is full), -1 nobody there.
int TryConnect(int fd, const sockaddr_un& a, socklen_t len, i64 deadline) {
    if (connect(fd, reinterpret_cast<const sockaddr*>(&a), len) == 0) return 1;
    if (errno == EAGAIN || errno == EINTR) return 0;
    if (errno != EINPROGRESS) return -1;
    pollfd p{fd, POLLOUT, 0};
    const i64 left = deadline - NowMs();
    if (left <= 0 || poll(&p, 1, static_cast<int>(left)) != 1) return -1;
    int err = 0;
    socklen_t errLen = sizeof err;
    return getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &errLen) == 0 && err == 0 ? 1 : -1;
}

// A connection to whoever listens under `name`, only when that is this user; -1 otherwise, and -1 when the
// listener does not take the call within the time-out.
int ConnectToHolder(const char* name) {
    socklen_t len;
    const sockaddr_un a = Address(name, &len);
    const i64 deadline = NowMs() + kConnectWaitMs;
    for (;;) {
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0) return -1;
        const int rc = TryConnect(fd, a, len, deadline);
        if (rc > 0 && PeerIsUs(fd)) return fd;
        close(fd);
        if (rc != 0 || NowMs() >= deadline) return -1;
        const timespec nap{0, 10'000'000};  // the holder takes its calls once a pass
        nanosleep(&nap, nullptr);
    }
}

int Listen(const sockaddr_un& a, socklen_t len) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    if (bind(fd, reinterpret_cast<const sockaddr*>(&a), len) != 0 || listen(fd, 8) != 0) {
        const int err = errno;
        close(fd);
        errno = err;
        return -1;
    }
    List(fd);
    return fd;
}

// The runtime folder's periodic clean-up removes files left untouched for six hours unless their sticky bit
// is set; the lock's files must stay as long as the copy that holds them runs.
void KeepFromCleanUp(int fd) {
    struct stat st{};
    if (fstat(fd, &st) == 0 && !(st.st_mode & S_ISVTX)) fchmod(fd, (st.st_mode & 07777) | S_ISVTX);
}
void KeepFromCleanUp(const std::string& path) {
    struct stat st{};
    if (lstat(path.c_str(), &st) == 0 && S_ISSOCK(st.st_mode)) chmod(path.c_str(), (st.st_mode & 07777) | S_ISVTX);
}

i32 Keep(const Held& h) {
    const i32 handle = g_nextHandle++;
    g_locks[handle] = h;
    return handle;
}

// The lock in the private runtime folder: whoever holds the file's lock holds ours, and only this user can
// reach the file. The holder alone replaces the socket beside it, so a socket a killed copy left is never
// taken for a live one. 0 when another copy holds it, and when the lock cannot be made there (a folder we
// may not write in, something else in the lock file's place): that is said, with the system's reason, and
// *outside set.
InstanceLock LockInFolder(const char* name, const std::string& stem, bool* alreadyHeld, bool* outside) {
    const std::string lockPath = stem + ".lock";
    const auto cannot = [&](int error) {
        ReportFileProblem(lockPath.c_str(),
                          (SystemReason(error) + "; keeping the one-copy lock outside XDG_RUNTIME_DIR").c_str());
        *outside = true;
        return 0;
    };
    const int file = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (file < 0) return cannot(errno);
    int rc;
    do rc = flock(file, LOCK_EX | LOCK_NB);
    while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        const int error = errno;
        close(file);
        if (error == EWOULDBLOCK) {
            *alreadyHeld = true;
            return 0;
        }
        return cannot(error);
    }
    KeepFromCleanUp(file);
    List(file);
    Held h;
    h.lockFile = file;
    h.socketPath = stem + ".sock";
    unlink(h.socketPath.c_str());
    socklen_t len;
    const sockaddr_un a = Address(name, &len);
    h.listener = Listen(a, len);  // without it the lock still holds; only the requests go unheard
    if (h.listener >= 0) KeepFromCleanUp(h.socketPath);
    return Keep(h);
}

// Waits until `deadline` at most for the holder's answer on `fd`: only the answer counts, not the holder's
// hang-up nor silence.
bool Answered(int fd, i64 deadline) {
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        const i64 left = deadline - NowMs();
        if (left <= 0) return false;
        const int ready = poll(&p, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR) continue;
        if (ready != 1) return false;
        char answer = 0;
        const ssize_t n = recv(fd, &answer, 1, MSG_DONTWAIT);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        return n == 1 && answer == kRaiseTaken;
    }
}

}  // namespace

InstanceLock CreateInstanceLock(const char* name, bool* alreadyHeld) {
    *alreadyHeld = false;
    const std::string stem = FolderStem(name, true);
    if (!stem.empty()) {
        bool outside = false;
        const InstanceLock lock = LockInFolder(name, stem, alreadyHeld, &outside);
        if (!outside) return lock;
        g_outside.insert(stem);  // from here on the lock is the abstract name, as without the folder
    }
    socklen_t len;
    const sockaddr_un a = Address(name, &len);
    Held h;
    h.listener = Listen(a, len);
    if (h.listener < 0) {
        if (errno == EADDRINUSE) {
            // Held by another copy of ours; a name taken by someone else is no copy of ours, and the
            // program goes on without the lock.
            const int peer = ConnectToHolder(name);
            if (peer >= 0) {
                close(peer);
                *alreadyHeld = true;
            }
        }
        return 0;
    }
    return Keep(h);
}

void ReleaseInstanceLock(InstanceLock lock) {
    auto it = g_locks.find(lock);
    if (it == g_locks.end()) return;
    const Held& h = it->second;
    if (!h.socketPath.empty()) unlink(h.socketPath.c_str());  // while the file's lock still says it is ours
    for (const Caller& c : h.callers) CloseListed(c.fd);
    if (h.listener >= 0) CloseListed(h.listener);
    if (h.lockFile >= 0) CloseListed(h.lockFile);
    g_locks.erase(it);
}

bool RequestRaise(const char* name) {
    const int fd = ConnectToHolder(name);
    if (fd < 0) return false;
    const bool taken = send(fd, &kRaiseRequest, 1, MSG_NOSIGNAL) == 1 && Answered(fd, NowMs() + kAnswerWaitMs);
    close(fd);
    return taken;
}

bool TakeRaiseRequest() {
    bool raise = false;
    const i64 now = NowMs();
    for (auto& [handle, h] : g_locks) {
        if (h.listener < 0) continue;
        for (;;) {
            const int c = accept4(h.listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
            if (c < 0) {
                if (errno == EINTR) continue;
                break;  // nothing waiting
            }
            if (!PeerIsUs(c) || h.callers.size() >= kMaxCallers) {
                close(c);
                continue;
            }
            List(c);
            h.callers.push_back(Caller{c, now});
        }
        // A caller is answered once its request is in; one that hung up, said something else or waited past
        // any caller's patience is let go; one that has said nothing yet is heard again next time.
        for (size_t i = 0; i < h.callers.size();) {
            const Caller c = h.callers[i];
            char request = 0;
            ssize_t n;
            do n = recv(c.fd, &request, 1, MSG_DONTWAIT);
            while (n < 0 && errno == EINTR);
            if (n < 0 && errno == EAGAIN && now - c.since <= kAnswerWaitMs) {
                ++i;
                continue;
            }
            if (n == 1 && request == kRaiseRequest) {
                send(c.fd, &kRaiseTaken, 1, MSG_NOSIGNAL | MSG_DONTWAIT);
                raise = true;
            }
            CloseListed(c.fd);
            h.callers.erase(h.callers.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    return raise;
}

int InstanceLockDescriptors(int* out, int most) {
    int n = 0;
    for (const std::atomic<int>& l : g_listed)
        if (const int fd = l.load() - 1; fd >= 0 && n < most) out[n++] = fd;
    return n;
}

std::string InstanceLockAddress(const char* name) {
    socklen_t len;
    const sockaddr_un a = Address(name, &len);
    return std::string(a.sun_path, len - offsetof(sockaddr_un, sun_path));
}

}  // namespace host
