// The real backend's boxes on a display nobody can see (the dummy driver): no box waits for an answer that
// can never come, and once the program is asked to end no box is shown or said at all.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "host/backend.h"
#include "support/process.h"

namespace {

namespace be = host::backend;

// What comes through the pipe `fd` up to its end; the pipe is closed.
std::string ReadAll(int fd) {
    std::string said;
    char buf[4096];
    for (ssize_t n; (n = read(fd, buf, sizeof buf)) > 0;) said.append(buf, static_cast<size_t>(n));
    close(fd);
    return said;
}

// The text goes to the error stream and the safe answer comes back at once. The run is a child of its own:
// the display the box brings up, and the catch of the requests to end that comes with it (which makes every
// child forked after it die with its parent), would stay with the test program and the tests after this one.
TEST(SdlBox, WithoutARealDisplayTheBoxAnswersAtOnce) {
    int err[2];
    ASSERT_EQ(pipe2(err, O_CLOEXEC), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        if (dup2(err[1], 2) < 0) _exit(126);
        if (be::ShowMessageBox("エラー発生", "x : y", be::kBoxOk) != be::kAnswerOk) _exit(2);
        _exit(be::ShowMessageBox("c", "t", be::kBoxYesNo) == be::kAnswerNo ? 0 : 3);
    }
    close(err[1]);
    if (pid < 0) close(err[0]);
    ASSERT_GT(pid, 0) << "no child could be made";
    const int status = kt::EndedChild(pid, 20'000);
    const std::string said = ReadAll(err[0]);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status) << " (9: past the hang guard)\n" << said;
    EXPECT_EQ(WEXITSTATUS(status), 0) << "2: the first box did not answer OK, 3: the second did not answer No\n" << said;
    EXPECT_EQ(said, "エラー発生: x : y\nc: t\n");
}

// A request to end (a polite kill) that comes before a box is asked for: the box is neither shown nor said
// on the error stream, and its safe answer comes back. The run is a child of its own, as the request stays
// with the process, with its error stream in a pipe. The box before the request brings the display up (and
// with it the catch of the requests) and is said as above; the child sends the request to itself, so its
// handler has run before the next box is asked for.
TEST(SdlBox, AfterARequestToEndNoBoxIsShownOrSaid) {
    int err[2];
    ASSERT_EQ(pipe2(err, O_CLOEXEC), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        if (dup2(err[1], 2) < 0) _exit(126);
        if (be::ShowMessageBox("Before", "asked", be::kBoxOk) != be::kAnswerOk) _exit(2);
        sigset_t term;
        sigemptyset(&term);
        sigaddset(&term, SIGTERM);
        sigprocmask(SIG_UNBLOCK, &term, nullptr);
        raise(SIGTERM);
        if (!be::EndAsked()) _exit(3);
        const bool safe = be::ShowMessageBox("After", "asked", be::kBoxYesNo) == be::kAnswerNo &&
                          be::ShowMessageBox("エラー発生", "x : y", be::kBoxOk) == be::kAnswerOk;
        _exit(safe ? 0 : 4);
    }
    close(err[1]);
    if (pid < 0) close(err[0]);
    ASSERT_GT(pid, 0) << "no child could be made";
    const int status = kt::EndedChild(pid, 20'000);
    const std::string said = ReadAll(err[0]);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status) << " (9: past the hang guard)\n" << said;
    EXPECT_EQ(WEXITSTATUS(status), 0) << "2: the first box did not answer OK, 3: the request was not caught, 4: not "
                                         "the safe answers after it\n"
                                      << said;
    EXPECT_EQ(said, "Before: asked\n");
}

}  // namespace
