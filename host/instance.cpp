#include "host/instance.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace host {
namespace {

std::atomic<bool> g_raise{false};
std::map<i32, int> g_locks;  // handle -> open lock file; the lock lives while it is open
i32 g_nextHandle = 1;

void OnRaiseSignal(int) { g_raise.store(true); }

std::string LockPath(const char* name) {
    const char* dir = std::getenv("XDG_RUNTIME_DIR");
    std::string base = (dir && *dir) ? dir : "/tmp";
    std::string file;
    for (const char* p = name; p && *p; ++p) file += (*p == '/' || *p == '\\') ? '_' : *p;
    if (!dir || !*dir) file += "." + std::to_string(getuid());
    return base + "/" + file + ".lock";
}

}  // namespace

InstanceLock CreateInstanceLock(const char* name, bool* alreadyHeld) {
    *alreadyHeld = false;
    const std::string path = LockPath(name);
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return 0;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        *alreadyHeld = true;
        return 0;
    }
    // Listen before telling anyone who we are: a second copy that reads our pid signals at once, and the
    // signal's default action would end this program.
    struct sigaction sa = {};
    sa.sa_handler = OnRaiseSignal;
    sa.sa_flags = SA_RESTART;  // the request must not break a read or a wait that happens to be running
    sigemptyset(&sa.sa_mask);
    sigaction(SIGUSR1, &sa, nullptr);
    // Record who holds it so a second copy can ask us to come to the front.
    char pid[32];
    const int n = std::snprintf(pid, sizeof pid, "%d\n", static_cast<int>(getpid()));
    if (ftruncate(fd, 0) == 0 && write(fd, pid, static_cast<size_t>(n)) != n) { /* the pid is only a hint */ }
    const i32 handle = g_nextHandle++;
    g_locks[handle] = fd;
    return handle;
}

void ReleaseInstanceLock(InstanceLock lock) {
    auto it = g_locks.find(lock);
    if (it == g_locks.end()) return;
    // Forget our pid first, so that nobody signals whatever process gets that number next.
    if (ftruncate(it->second, 0) != 0) { /* the pid is only a hint */ }
    flock(it->second, LOCK_UN);
    close(it->second);
    g_locks.erase(it);
}

bool RequestRaise(const char* name) {
    const std::string path = LockPath(name);
    FILE* f = std::fopen(path.c_str(), "r");
    if (!f) return false;
    int pid = 0;
    const bool got = std::fscanf(f, "%d", &pid) == 1;
    std::fclose(f);
    if (!got || pid <= 0 || pid == getpid()) return false;
    return kill(pid, SIGUSR1) == 0;
}

bool TakeRaiseRequest() { return g_raise.exchange(false); }

}  // namespace host
