// The single-instance lock is a listening socket in the abstract namespace, named after the lock and the
// user: binding the name is taking the lock, and the kernel drops it with the process however that ends.
// There is no file to plant or to link elsewhere and no process number to trust. A second copy asks the
// first to come to the front by connecting; each side checks the other's credentials, so that only the
// same user can hold the name for us or ask us anything.
#include "host/instance.h"

#include <errno.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace host {
namespace {

std::map<i32, int> g_locks;  // handle -> listening socket
i32 g_nextHandle = 1;

u64 Fnv(const std::string& s) {
    u64 h = 14695981039346656037ull;
    for (unsigned char c : s) h = (h ^ c) * 1099511628211ull;
    return h;
}

// The user's runtime folder scopes the name too, so that separate sessions (or test runs given folders of
// their own) keep separate locks.
sockaddr_un Address(const char* name, socklen_t* len) {
    const char* dir = std::getenv("XDG_RUNTIME_DIR");
    char text[sizeof(sockaddr_un::sun_path)];
    const int n = std::snprintf(text, sizeof text, "kestralis.lock/%u/%016llx/%016llx", static_cast<unsigned>(getuid()),
                                static_cast<unsigned long long>(Fnv(dir ? dir : "")),
                                static_cast<unsigned long long>(Fnv(name ? name : "")));
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
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

// A connection to whoever listens under `name`, only when that is this user; -1 otherwise.
int ConnectToHolder(const char* name) {
    socklen_t len;
    const sockaddr_un a = Address(name, &len);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    int rc;
    do rc = connect(fd, reinterpret_cast<const sockaddr*>(&a), len);
    while (rc != 0 && errno == EINTR);
    if (rc != 0 || !PeerIsUs(fd)) {
        close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

InstanceLock CreateInstanceLock(const char* name, bool* alreadyHeld) {
    *alreadyHeld = false;
    socklen_t len;
    const sockaddr_un a = Address(name, &len);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return 0;
    if (bind(fd, reinterpret_cast<const sockaddr*>(&a), len) != 0 || listen(fd, 8) != 0) {
        const bool taken = errno == EADDRINUSE;
        close(fd);
        if (taken) {
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
    const i32 handle = g_nextHandle++;
    g_locks[handle] = fd;
    return handle;
}

void ReleaseInstanceLock(InstanceLock lock) {
    auto it = g_locks.find(lock);
    if (it == g_locks.end()) return;
    close(it->second);
    g_locks.erase(it);
}

bool RequestRaise(const char* name) {
    const int fd = ConnectToHolder(name);
    if (fd < 0) return false;
    // The connection is the request; the holder checks who made it and closes it.
    close(fd);
    return true;
}

bool TakeRaiseRequest() {
    bool raise = false;
    for (const auto& [handle, fd] : g_locks) {
        for (;;) {
            const int c = accept4(fd, nullptr, nullptr, SOCK_CLOEXEC);
            if (c < 0) {
                if (errno == EINTR) continue;
                break;  // nothing waiting
            }
            if (PeerIsUs(c)) raise = true;
            close(c);
        }
    }
    return raise;
}

std::string InstanceLockAddress(const char* name) {
    socklen_t len;
    const sockaddr_un a = Address(name, &len);
    return std::string(a.sun_path, len - offsetof(sockaddr_un, sun_path));
}

}  // namespace host
