// The budgets of the steps an X test waits through. Every bounded wait of a test (for a window, a picture,
// a program's end) is a step with a budget of its own, by the clock: a run that stalls fails at the step that
// stalled, saying which, instead of being ended bare by ctest at the test's time-out. So the budgets of all
// the steps a test takes, each run to its end, must fit in that time-out, which the test command gives in
// KESTRALIS_TEST_TIMEOUT (seconds): each step draws its budget from the test's ledger as it starts, and the
// step that brings the sum past the time-out fails the test, named by its place, however fast the run went.
#pragma once
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <mutex>
#include <source_location>

namespace kx {

// The part of a test's time-out that no step may take: the test program's start and end under the
// sanitizers, what the test does between its waits, and each wait's last look, which may run past its budget.
constexpr long kSpareMs = 30'000;

// The test's time-out in milliseconds, as the test command gives it; 0 where it gives none.
inline long TestTimeOutMs() {
    const char* s = std::getenv("KESTRALIS_TEST_TIMEOUT");
    char* end = nullptr;
    const long seconds = s ? std::strtol(s, &end, 10) : 0;
    return s && *s && !*end && seconds > 0 ? seconds * 1000 : 0;
}

// The budgets drawn in one test against its time-out (0: not known, which fails the first step). Any thread
// of the test may draw.
class Ledger {
public:
    explicit Ledger(long timeOutMs) : timeOutMs_(timeOutMs) {}

    // Draws the budget `ms` of the step at `where`. The first step that brings the sum past the time-out,
    // less the spare, fails the test there; the steps after it are not named again.
    void Draw(long ms, const std::source_location& where) {
        const std::lock_guard<std::mutex> lock(mutex_);
        drawn_ += ms;
        if (told_ || drawn_ + kSpareMs <= timeOutMs_) return;
        told_ = true;
        if (timeOutMs_ <= 0)
            ADD_FAILURE_AT(where.file_name(), where.line()) << "KESTRALIS_TEST_TIMEOUT does not give the test's "
                                                               "time-out in seconds: no step can be measured against it";
        else
            ADD_FAILURE_AT(where.file_name(), where.line())
                << "this step's budget of " << ms << " ms brings the test's steps to " << drawn_
                << " ms, past its time-out of " << timeOutMs_ << " ms less " << kSpareMs
                << " ms for all but the waits: a run where they all stall would end bare at the time-out";
    }

    // Starts anew, for the next test.
    void Reset(long timeOutMs) {
        const std::lock_guard<std::mutex> lock(mutex_);
        timeOutMs_ = timeOutMs;
        drawn_ = 0;
        told_ = false;
    }

private:
    std::mutex mutex_;
    long timeOutMs_;
    long drawn_ = 0;
    bool told_ = false;
};

// The ledger of the test that runs now.
inline Ledger& TestLedger() {
    static Ledger ledger(TestTimeOutMs());
    return ledger;
}

// Starts the ledger anew as each test starts (the X tests' program listens with it).
class LedgerPerTest : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { TestLedger().Reset(TestTimeOutMs()); }
};

// A bounded wait of `ms`, drawn from the test's ledger as it starts, at the place `where` that names it.
class Step {
public:
    explicit Step(int ms, const std::source_location& where = std::source_location::current())
        : ms_(ms), end_(std::chrono::steady_clock::now() + std::chrono::milliseconds(ms)) {
        TestLedger().Draw(ms, where);
    }
    int Ms() const { return ms_; }
    bool Over() const { return std::chrono::steady_clock::now() >= end_; }

private:
    int ms_;
    std::chrono::steady_clock::time_point end_;
};

}  // namespace kx
