// The real program started as a user starts it, in a child process. Each copy has a new folder of its own
// beside the test program (where none can be made, the test fails), holding the program and links to the
// data folders it is given, and a private runtime folder of its own (so its lock is its own, whatever else
// runs on the machine). The runtime folder is a new one in the temporary folder, or in /tmp where TMPDIR's
// path leaves no room for the lock's socket: a socket's address has room for about a hundred bytes.
#pragma once
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "support/process.h"
#include "support/temp_folder.h"

namespace kt {

class ProgramCopy {
public:
    // A variable for the child: a null value removes it from the child's environment.
    using Env = std::vector<std::pair<const char*, const char*>>;

    explicit ProgramCopy(const std::vector<const char*>& data) {
        namespace fs = std::filesystem;
        dir = FolderBesideProgram("run");
        runtime = TempRuntimeFolder();  // private (made by mkdtemp), as a user's runtime folder is
        std::error_code ec;
        fs::create_hard_link(std::string(KESTRALIS_BIN_DIR) + "kestralis", dir + "kestralis", ec);
        if (ec) fs::copy_file(std::string(KESTRALIS_BIN_DIR) + "kestralis", dir + "kestralis");
        for (const char* name : data) fs::create_directory_symlink(std::string(KESTRALIS_BIN_DIR) + name, dir + name);
    }
    ~ProgramCopy() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
        std::filesystem::remove_all(runtime, ec);
    }
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    // Starts the program with the video driver given (null: none named) and the variables `env` on top;
    // its error stream goes to the file `err` in the copy's folder.
    pid_t Start(const char* videoDriver, const std::string& err, const Env& env = {}) const {
        return Launch(videoDriver, err, -1, env, false);
    }
    // As Start, with the error stream on the descriptor `errFd` (a pipe's end, say).
    pid_t StartWithErrorStream(const char* videoDriver, int errFd, const Env& env = {}) const {
        return Launch(videoDriver, "", errFd, env, false);
    }
    // As Start, in a process group of its own: for a copy the test stops. A stopped process in the group the
    // test runs in would be continued behind the test's back, with SIGHUP and SIGCONT from the kernel, the
    // moment that group is orphaned (as when the shell that started the test run in the background ends).
    // The copy's own group is orphaned only when the test itself ends.
    pid_t StartInGroupOfItsOwn(const char* videoDriver, const std::string& err, const Env& env = {}) const {
        return Launch(videoDriver, err, -1, env, true);
    }

    // The status of a run that ends by itself within `ms` (128 + the signal for one ended by a signal);
    // -1 when it had to be stopped.
    static int Wait(pid_t pid, int ms = 20'000) {
        int status = 0;
        if (!Ended(pid, ms, &status)) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -1;
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    // Waits up to `ms` for the child to end; true (and its raw status) when it did.
    static bool Ended(pid_t pid, int ms, int* status) { return ChildEnded(pid, ms, status); }

    std::string Said(const std::string& err) const {
        std::stringstream ss;
        ss << std::ifstream(dir + err).rdbuf();
        return ss.str();
    }

    std::string dir;
    std::string runtime;  // without a trailing '/'

private:
    pid_t Launch(const char* videoDriver, const std::string& err, int errFd, const Env& env, bool ownGroup) const {
        const pid_t pid = fork();
        if (pid == 0) {
            if (videoDriver) setenv("SDL_VIDEODRIVER", videoDriver, 1);
            else unsetenv("SDL_VIDEODRIVER");
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
            for (const auto& [name, value] : env) {
                if (value) setenv(name, value, 1);
                else unsetenv(name);
            }
            // The signals that end it as from a desktop, whatever the tests were started with: none ignored
            // (as under nohup, or in a background job) or held back.
            for (const int sig : {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGUSR1, SIGUSR2, SIGPIPE}) signal(sig, SIG_DFL);
            sigset_t none;
            sigemptyset(&none);
            sigprocmask(SIG_SETMASK, &none, nullptr);
            if (errFd >= 0 ? dup2(errFd, 2) < 0 : !std::freopen((dir + err).c_str(), "w", stderr)) _exit(126);
            if (ownGroup && setpgid(0, 0) != 0) {
                std::perror("no process group of its own for the program");
                _exit(125);
            }
            execl((dir + "kestralis").c_str(), "kestralis", static_cast<char*>(nullptr));
            _exit(127);
        }
        // Both sides make the group, so that it is there once the start returns, whichever runs first (a
        // child that has already started the program refuses, and is in its group by then).
        if (pid > 0 && ownGroup) setpgid(pid, pid);
        return pid;
    }
};

}  // namespace kt
