// The first copy of the game as the single-instance tests play it: a process that holds the game's lock
// and answers the requests to come forward, as a running copy's message pump does.
#pragma once
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "host/instance.h"
#include "support/process.h"

namespace kt {

// Waits up to `ms` for child `pid` to end while this process answers the requests to come forward that
// reach the locks it holds; true, with the child's raw status, when it ended. *raised is set once a request
// was taken meanwhile.
inline bool EndedWhileAnswering(pid_t pid, int ms, int* status, bool* raised = nullptr) {
    for (int waited = 0; waited <= ms; waited += 5) {
        if (host::TakeRaiseRequest() && raised) *raised = true;
        if (ChildEnded(pid, 0, status)) return true;  // looks once, then naps 5 ms
    }
    return false;
}

// A child that takes lock `name` and answers every request to come forward until it is ended; each request
// it took is told back through a pipe. Held() is false when the lock could not be taken.
// The child answers a request before it tells of it, so a caller may have had its answer before the pipe
// says so: Raised() asks the child for a mark and reads up to it, after every request it answered before.
class AnsweringHolder {
public:
    explicit AnsweringHolder(const std::string& name) {
        int ready[2];
        if (pipe(ready) != 0 || pipe(taken_) != 0 || pipe(ask_) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(ready[0]);
            close(taken_[0]);
            close(ask_[1]);
            fcntl(ask_[0], F_SETFL, O_NONBLOCK);
            bool elsewhere = false;
            const char ok = host::CreateInstanceLock(name.c_str(), &elsewhere) != 0 ? 1 : 0;
            if (write(ready[1], &ok, 1) != 1 || !ok) _exit(1);
            for (;;) {
                if (host::TakeRaiseRequest() && write(taken_[1], "r", 1) != 1) _exit(1);
                char asked;
                if (read(ask_[0], &asked, 1) == 1 && write(taken_[1], "m", 1) != 1) _exit(1);
                usleep(5'000);
            }
        }
        close(ready[1]);
        close(taken_[1]);
        taken_[1] = -1;
        close(ask_[0]);
        ask_[0] = -1;
        char ok = 0;
        held_ = pid_ > 0 && read(ready[0], &ok, 1) == 1 && ok == 1;
        close(ready[0]);
        fcntl(taken_[0], F_SETFL, O_NONBLOCK);
    }
    ~AnsweringHolder() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            int status = 0;
            waitpid(pid_, &status, 0);
        }
        if (taken_[0] >= 0) close(taken_[0]);
        if (ask_[1] >= 0) close(ask_[1]);
    }
    AnsweringHolder(const AnsweringHolder&) = delete;
    AnsweringHolder& operator=(const AnsweringHolder&) = delete;

    bool Held() const { return held_; }
    pid_t Pid() const { return pid_; }
    // The requests the holder answered since the last call (a hang guard of ten seconds waits for its mark).
    int Raised() {
        int n = 0;
        if (write(ask_[1], "?", 1) != 1) return n;
        for (int waited = 0; waited < 10'000;) {
            char c;
            if (read(taken_[0], &c, 1) != 1) {
                usleep(5'000);
                waited += 5;
            } else if (c == 'm') {
                break;
            } else {
                ++n;
            }
        }
        return n;
    }

private:
    pid_t pid_ = -1;
    int taken_[2] = {-1, -1};
    int ask_[2] = {-1, -1};
    bool held_ = false;
};

}  // namespace kt
