// The real backend's boxes on a display nobody can see (the dummy driver): no box waits for an answer that
// can never come, and once the program is asked to end no box is shown or said at all.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "host/backend.h"
#include "support/fresh_program.h"
#include "support/process.h"

namespace {

namespace be = host::backend;

// How a run in a child went: its raw status and what it said on its error stream.
struct ChildRun {
    int status = 0;
    std::string said;
};

// Runs `body` in a child of its own, with its error stream in a pipe; the child's exit code is what the body
// returns. The display a box brings up, and the catch of the requests to end that comes with it (which
// makes every child forked after it die with its parent), stay with the child, not with the test program
// and the tests after this one.
template <class Body>
ChildRun InAChild(Body body) {
    ChildRun run;
    int err[2];
    if (pipe2(err, O_CLOEXEC) != 0) {
        ADD_FAILURE() << "no pipe could be made";
        return run;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        if (dup2(err[1], 2) < 0) _exit(126);
        _exit(body());
    }
    close(err[1]);
    if (pid < 0) {
        close(err[0]);
        ADD_FAILURE() << "no child could be made";
        return run;
    }
    run.status = kt::EndedChild(pid, 20'000);
    kt::ReadToEnd(err[0], 5'000, &run.said);
    return run;
}

// The text goes to the error stream and the safe answer comes back at once.
TEST(SdlBox, WithoutARealDisplayTheBoxAnswersAtOnce) {
    const ChildRun run = InAChild([] {
        if (be::ShowMessageBox("エラー発生", "x : y", be::kBoxOk) != be::kAnswerOk) return 2;
        return be::ShowMessageBox("c", "t", be::kBoxYesNo) == be::kAnswerNo ? 0 : 3;
    });
    ASSERT_TRUE(WIFEXITED(run.status)) << "ended by signal " << WTERMSIG(run.status) << " (9: past the hang guard)\n"
                                       << run.said;
    EXPECT_EQ(WEXITSTATUS(run.status), 0) << "2: the first box did not answer OK, 3: the second did not answer No\n"
                                          << run.said;
    EXPECT_EQ(run.said, "エラー発生: x : y\nc: t\n");
}

// A request to end (a polite kill) that comes before a box is asked for: the box is neither shown nor said
// on the error stream, and its safe answer comes back. The request stays with the child. The box before
// the request brings the display up (and with it the catch of the requests) and is said as above; the
// child sends the request to itself, so its handler has run before the next box is asked for.
TEST(SdlBox, AfterARequestToEndNoBoxIsShownOrSaid) {
    const ChildRun run = InAChild([] {
        if (be::ShowMessageBox("Before", "asked", be::kBoxOk) != be::kAnswerOk) return 2;
        sigset_t term;
        sigemptyset(&term);
        sigaddset(&term, SIGTERM);
        sigprocmask(SIG_UNBLOCK, &term, nullptr);
        raise(SIGTERM);
        if (!be::EndAsked()) return 3;
        const bool safe = be::ShowMessageBox("After", "asked", be::kBoxYesNo) == be::kAnswerNo &&
                          be::ShowMessageBox("エラー発生", "x : y", be::kBoxOk) == be::kAnswerOk;
        return safe ? 0 : 4;
    });
    ASSERT_TRUE(WIFEXITED(run.status)) << "ended by signal " << WTERMSIG(run.status) << " (9: past the hang guard)\n"
                                       << run.said;
    EXPECT_EQ(WEXITSTATUS(run.status), 0) << "2: the first box did not answer OK, 3: the request was not caught, 4: "
                                             "not the safe answers after it\n"
                                          << run.said;
    EXPECT_EQ(run.said, "Before: asked\n");
}

}  // namespace
