// The process's signal policy (host/process.h says it whole): the signals ignored from the start, the
// requests to end caught as a flag, and the start of a child forked once they are caught.
#include "host/process.h"

#include <pthread.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <atomic>
#include <initializer_list>

#include "host/instance.h"

namespace host {
namespace {

// Ctrl+C, a polite kill, the terminal's hang-up (its window closed), Ctrl+\ and the user signals ask the
// window to close, like the window manager's close. A box up then closes with its safe answer (nobody may be
// there to give another), and any box after it is not shown.
std::atomic<bool> g_closeSignal{false};
void OnCloseSignal(int) { g_closeSignal.store(true); }

// The signals that ask the program to end. All but the first two stay ignored where the program was started
// with them ignored: a hang-up under nohup, Ctrl+\ in a background job.
constexpr int kCloseSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2};

// What the backend lets go of in a forked child; and the process that forks a child, as it forks it.
std::atomic<void (*)()> g_letGoInChild{nullptr};
std::atomic<pid_t> g_forking{0};

void BeforeFork() { g_forking.store(getpid()); }

// Ctrl+\ ends a child as a polite kill does, without leaving a core behind.
void EndForkedChild(int) {
    signal(SIGTERM, SIG_DFL);
    raise(SIGTERM);
}

// In a child made by fork (SDL's system box is one): it dies with the program, however that ends (SIGKILL
// too), and holds nothing the program must let go of as it ends: the one-copy lock and its socket, and what
// the backend names (the connection the program's window lives on, which would keep the window on the
// screen). A request to end ends it. The child is a copy of the forking thread alone, whose locks other
// threads may hold for good: only calls that a signal handler may make. The death signal follows the thread
// that forked: SDL forks from the program's own thread, which lives as long as the program.
void InForkedChild() {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != g_forking.load()) _exit(1);  // the program ended before the death signal was asked for
    int held[64];
    for (int i = 0, n = host::InstanceLockDescriptors(held, 64); i < n; ++i) close(held[i]);
    if (void (*const letGo)() = g_letGoInChild.load()) letGo();
    struct sigaction now = {}, sa = {};
    sigemptyset(&sa.sa_mask);
    for (const int sig : kCloseSignals) {
        if (sigaction(sig, nullptr, &now) != 0 || now.sa_handler != OnCloseSignal) continue;
        sa.sa_handler = sig == SIGQUIT ? EndForkedChild : SIG_DFL;
        sigaction(sig, &sa, nullptr);
    }
}

}  // namespace

void SettleProcessSignals() {
    for (const int sig : {SIGPIPE, SIGXFSZ}) {
        struct sigaction now {};
        if (sigaction(sig, nullptr, &now) == 0 && !(now.sa_flags & SA_SIGINFO) && now.sa_handler == SIG_DFL)
            signal(sig, SIG_IGN);
    }
}

void CatchCloseSignals(void (*letGoInChild)()) {
    g_letGoInChild.store(letGoInChild);
    struct sigaction sa = {};
    sa.sa_handler = OnCloseSignal;
    sigemptyset(&sa.sa_mask);
    for (const int sig : kCloseSignals) {
        struct sigaction was = {};
        const bool keptIgnored = sig != SIGINT && sig != SIGTERM;
        if (keptIgnored && sigaction(sig, nullptr, &was) == 0 && was.sa_handler == SIG_IGN) continue;
        sigaction(sig, &sa, nullptr);
    }
    static bool forksWatched = false;
    if (!forksWatched) forksWatched = pthread_atfork(BeforeFork, nullptr, InForkedChild) == 0;
}

bool CloseSignalled() { return g_closeSignal.load(); }
bool TakeCloseSignal() { return g_closeSignal.exchange(false); }

}  // namespace host
