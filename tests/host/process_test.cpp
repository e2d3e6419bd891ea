// The process's requests to end (host/process.h): once caught each only raises the flag, which is read and
// taken; those started ignored stay so, but for Ctrl+C and a polite kill; and a child forked from then on
// dies with its parent, lets go of the lock and of what the backend names, and ends at a request to end.
// Each case runs in a child process of its own, whose signals it may change.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <string>

#include "host/instance.h"
#include "host/process.h"
#include "support/process.h"

namespace {

constexpr int kCloseSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2};

// Runs `check` in a forked child and gives what it found wrong ("" when nothing), or how the child ended
// when it did not end on its own within 20 s (a hang guard) or was killed.
std::string InChild(const std::function<std::string()>& check) {
    int out[2];
    if (pipe(out) != 0) return std::string("no pipe: ") + std::strerror(errno);
    const pid_t pid = fork();
    if (pid < 0) return std::string("no child: ") + std::strerror(errno);
    if (pid == 0) {
        close(out[0]);
        const std::string found = check();
        const bool written = write(out[1], found.data(), found.size()) == static_cast<ssize_t>(found.size());
        _exit(written ? 0 : 1);
    }
    close(out[1]);
    const int status = kt::EndedChild(pid, 20'000);
    std::string found;
    char buf[512];
    for (ssize_t n; (n = read(out[0], buf, sizeof buf)) > 0;) found.append(buf, static_cast<size_t>(n));
    close(out[0]);
    if (WIFSIGNALED(status)) return found + " (the child was killed by " + strsignal(WTERMSIG(status)) + ")";
    if (WEXITSTATUS(status) != 0) return found + " (the child ended with " + std::to_string(WEXITSTATUS(status)) + ")";
    return found;
}

std::string Name(int sig) { return sigabbrev_np(sig); }

bool Ignored(int sig) {
    struct sigaction now = {};
    return sigaction(sig, nullptr, &now) == 0 && now.sa_handler == SIG_IGN;
}

TEST(CloseSignals, EachOnlyRaisesTheFlagWhichIsTakenOnce) {
    EXPECT_EQ(InChild([] {
        host::CatchCloseSignals(nullptr);
        if (host::CloseSignalled()) return std::string("the flag is up before any signal");
        for (const int sig : kCloseSignals) {
            raise(sig);
            if (!host::CloseSignalled() || !host::CloseSignalled()) return Name(sig) + " raised no flag, or reading took it";
            if (!host::TakeCloseSignal()) return Name(sig) + ": the flag was not taken";
            if (host::TakeCloseSignal() || host::CloseSignalled()) return Name(sig) + ": the flag stayed up once taken";
        }
        return std::string();
    }), "");
}

TEST(CloseSignals, StartedIgnoredOnlyCtrlCAndAPoliteKillAreCaught) {
    EXPECT_EQ(InChild([] {
        for (const int sig : kCloseSignals) signal(sig, SIG_IGN);
        host::CatchCloseSignals(nullptr);
        for (const int sig : kCloseSignals) {
            const bool caught = sig == SIGINT || sig == SIGTERM;
            if (Ignored(sig) == caught) return Name(sig) + (caught ? " stayed ignored" : " is no longer ignored");
            raise(sig);
            if (host::TakeCloseSignal() != caught) return Name(sig) + (caught ? " raised no flag" : " raised the flag");
        }
        return std::string();
    }), "");
}

// What the backend names for a forked child to let go of: here a descriptor of the test's own.
int g_backendHeld = -1;
void LetGoOfTheBackendsDescriptor() { close(g_backendHeld); }

bool Open(int fd) { return fcntl(fd, F_GETFD) != -1; }

TEST(CloseSignals, AForkedChildLetsGoAndEndsAtARequestAsAnyProcess) {
    EXPECT_EQ(InChild([] {
        bool held = false;
        const host::InstanceLock lock = host::CreateInstanceLock(("KestralisFork" + std::to_string(getpid())).c_str(), &held);
        if (!lock) return std::string("no lock to hold");
        int lockFds[8];
        const int lockCount = host::InstanceLockDescriptors(lockFds, 8);
        g_backendHeld = open("/dev/null", O_RDONLY);
        signal(SIGHUP, SIG_IGN);
        host::CatchCloseSignals(LetGoOfTheBackendsDescriptor);
        const pid_t grandchild = fork();
        if (grandchild == 0) {
            int death = 0;
            if (prctl(PR_GET_PDEATHSIG, &death) != 0 || death != SIGKILL) _exit(10);
            if (lockCount <= 0) _exit(11);
            for (int i = 0; i < lockCount; ++i)
                if (Open(lockFds[i])) _exit(12);
            if (Open(g_backendHeld)) _exit(13);
            if (!Ignored(SIGHUP)) _exit(14);
            for (const int sig : {SIGINT, SIGTERM, SIGUSR1, SIGUSR2}) {
                struct sigaction now = {};
                if (sigaction(sig, nullptr, &now) != 0 || now.sa_handler != SIG_DFL) _exit(15);
            }
            raise(SIGQUIT);
            _exit(16);
        }
        if (grandchild < 0) return std::string("no grandchild");
        const int status = kt::EndedChild(grandchild, 10'000);
        std::string found;
        if (WIFEXITED(status))
            found = "the forked child ended with " + std::to_string(WEXITSTATUS(status)) +
                    " (10 no death signal, 11 no lock, 12 holds the lock, 13 holds the backend's, 14 hang-up caught, "
                    "15 a request caught, 16 Ctrl+\\ did not end it)";
        else if (WTERMSIG(status) != SIGTERM) found = std::string("Ctrl+\\ ended the forked child by ") + Name(WTERMSIG(status));
        if (!Open(g_backendHeld)) found += "; the parent let go of the backend's descriptor";
        raise(SIGQUIT);
        if (!host::TakeCloseSignal()) found += "; Ctrl+\\ no longer raises the parent's flag";
        host::ReleaseInstanceLock(lock);
        return found;
    }), "");
}

}  // namespace
