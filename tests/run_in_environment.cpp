// The launcher of the test command's scripts (the fuzz runs, the X servers' start and stop):
//   kestralis_test_run PROGRAM [ARG...]
// runs PROGRAM in the tests' own environment, the one every test program sets itself (linked in,
// support/environment.cpp, set before this main), and stays its parent while it runs: the launcher's guard
// removes the folders of that environment once the launcher has ended, however it ends. The program finds
// the pid of the process that started the launcher (the test command) in KESTRALIS_TEST_COMMAND_PID. The
// launcher ends as the program ends: with its status, or 128 and the signal that ended it. A stop it is
// sent (SIGINT, SIGTERM, SIGHUP, SIGQUIT) goes on to the program.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

volatile std::sig_atomic_t g_child = 0;

void PassOn(int sig) {
    if (g_child > 0) kill(g_child, sig);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARG...]\n", argv[0]);
        return 2;
    }
    setenv("KESTRALIS_TEST_COMMAND_PID", std::to_string(getppid()).c_str(), 1);
    struct sigaction passOn {};
    passOn.sa_handler = PassOn;
    sigemptyset(&passOn.sa_mask);
    const int stops[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
    for (const int sig : stops) sigaction(sig, &passOn, nullptr);
    const pid_t child = fork();
    if (child == 0) {
        struct sigaction plain {};
        plain.sa_handler = SIG_DFL;
        for (const int sig : stops) sigaction(sig, &plain, nullptr);
        execvp(argv[1], argv + 1);
        std::fprintf(stderr, "%s: cannot start %s: %s\n", argv[0], argv[1], std::strerror(errno));
        _exit(127);
    }
    if (child < 0) {
        std::fprintf(stderr, "%s: cannot start %s: %s\n", argv[0], argv[1], std::strerror(errno));
        return 1;
    }
    g_child = child;
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR) return 1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
