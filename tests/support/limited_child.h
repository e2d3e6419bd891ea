// Some of the program's writing run in a child process of its own, for what cannot be done to the test's own
// process: a limit on the size of the files it writes, a change of its working folder.
#pragma once
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/process.h"
#include "host/report.h"
#include "support/process.h"

namespace kt {

// What the child gave: how it ended ("" when it ended as it should), the number its work returned and the
// lines the program said meanwhile.
struct ChildRun {
    std::string ending;
    long result = 0;
    std::vector<std::string> lines;
};

// Runs `work` in a forked child that starts as the program does (SIGXFSZ from its default, settled by the
// program's start), in the folder
// `folder` (where not empty), and whose files may grow to `limit` bytes at most. The lines it says are kept,
// not written. A child that has not ended within 20 s is killed (a hang guard).
inline ChildRun RunInChild(rlim_t limit, const std::string& folder, const std::function<long()>& work) {
    int out[2];
    if (pipe(out) != 0) throw std::runtime_error(std::string("no pipe for the child: ") + std::strerror(errno));
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error(std::string("no child: ") + std::strerror(errno));
    if (pid == 0) {
        close(out[0]);
        signal(SIGXFSZ, SIG_DFL);
        host::SettleProcessSignals();
        const rlimit r{limit, limit};
        if (setrlimit(RLIMIT_FSIZE, &r) != 0) _exit(3);
        if (!folder.empty() && chdir(folder.c_str()) != 0) _exit(4);
        host::SetFileReportsQuiet(true);
        host::ClearFileReports();
        std::string said = std::to_string(work()) + "\n";
        for (const std::string& line : host::FileReports()) said += line + "\n";
        for (size_t at = 0; at < said.size();) {
            const ssize_t n = write(out[1], said.data() + at, said.size() - at);
            if (n <= 0) _exit(5);
            at += static_cast<size_t>(n);
        }
        _exit(0);
    }
    close(out[1]);
    const int status = EndedChild(pid, 20'000);
    std::string said;
    char buf[4096];
    for (ssize_t n; (n = read(out[0], buf, sizeof buf)) > 0;) said.append(buf, static_cast<size_t>(n));
    close(out[0]);
    ChildRun run;
    if (WIFSIGNALED(status)) run.ending = std::string("killed by ") + strsignal(WTERMSIG(status));
    else if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        run.ending = "ended with status " + std::to_string(WEXITSTATUS(status)) + " (3: no limit, 4: no folder, 5: no pipe)";
    std::istringstream lines(said);
    std::string line;
    if (std::getline(lines, line)) run.result = std::strtol(line.c_str(), nullptr, 10);
    while (std::getline(lines, line)) run.lines.push_back(line);
    return run;
}

}  // namespace kt
