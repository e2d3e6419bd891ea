// The frame gate, the pass clock and the one-shot waits against the virtual clock.
#include <gtest/gtest.h>

#include "el/elSystem.h"
#include "host/headless/headless.h"
#include "host/time.h"
#include "support/headless_machine.h"

namespace hl = host::headless;

class FrameGateTest : public kt::Headless {
protected:
    void SetUp() override {
        kt::Headless::SetUp();
        FrameTimer.sleepEnabled = 0;
        FrameTimer.waitEnabled = 1;
    }
};

TEST_F(FrameGateTest, PeriodFromTheCounterOrTheMillisecondClock) {
    hl::SetCounterFrequency(3'579'545);
    elSystem::SetFrameRate(60);
    EXPECT_EQ(FrameTimer.useQpc, 1u);
    EXPECT_EQ(FrameTimer.period, 3'579'545 / 60);
    EXPECT_EQ(FrameTimer.useTimeGetTime, 1u);

    hl::SetCounterFrequency(0);
    hl::SetTimerMinPeriod(0);
    elSystem::SetFrameRate(60);
    EXPECT_EQ(FrameTimer.useQpc, 0u);
    EXPECT_EQ(FrameTimer.useTimeGetTime, 0u);
    EXPECT_EQ(FrameTimer.period, 16);

    hl::SetTimerMinPeriod(10);  // a 10 ms timer is too coarse: the tick clock is used
    elSystem::SetFrameRate(60);
    EXPECT_EQ(FrameTimer.useTimeGetTime, 0u);
}

TEST_F(FrameGateTest, OneFrameAPeriodAndNoCatchUp) {
    for (i64 hz : {i64{3'579'545}, i64{0}}) {
        hl::SetCounterFrequency(hz);
        elSystem::SetFrameRate(60);
        EXPECT_EQ(elSystem::WaitFrame(), 0u);
        hl::AdvanceMs(10);
        EXPECT_EQ(elSystem::WaitFrame(), 0u);
        hl::AdvanceMs(7);
        ASSERT_EQ(elSystem::WaitFrame(), 1u);
        EXPECT_NEAR(FrameTime, 0.017f, 0.0015f);
        // A late pass: one frame covering the whole gap, and the next period starts there.
        hl::AdvanceMs(40);
        ASSERT_EQ(elSystem::WaitFrame(), 1u);
        EXPECT_NEAR(FrameTime, 0.040f, 0.0015f);
        EXPECT_EQ(elSystem::WaitFrame(), 0u);
        hl::AdvanceMs(8);
        EXPECT_EQ(elSystem::WaitFrame(), 0u);
    }
}

TEST_F(FrameGateTest, ZeroRateAndWaitingOffMakeEveryCallAFrame) {
    elSystem::SetFrameRate(0);
    EXPECT_EQ(FrameTimer.period, 0);
    EXPECT_EQ(elSystem::WaitFrame(), 1u);
    EXPECT_EQ(elSystem::WaitFrame(), 1u);

    elSystem::SetFrameRate(60);
    elSystem::SetWaitEnable(0);
    EXPECT_EQ(elSystem::WaitFrame(), 1u);
    hl::AdvanceMs(3);
    EXPECT_EQ(elSystem::WaitFrame(), 1u);
    EXPECT_NEAR(FrameTime, 0.003f, 0.0005f);
}

TEST_F(FrameGateTest, MillisecondClockWrapRestartsThePeriod) {
    hl::SetCounterFrequency(0);
    hl::SetClockMs(0xFFFFFFF0u);
    elSystem::SetFrameRate(60);
    hl::AdvanceMs(20);  // the clock wrapped to 4
    EXPECT_EQ(elSystem::WaitFrame(), 0u);
    EXPECT_EQ(FrameTimer.lastFrame, 4);
    hl::AdvanceMs(16);
    EXPECT_EQ(elSystem::WaitFrame(), 1u);
    EXPECT_NEAR(FrameTime, 0.036f, 0.0015f);  // FrameTime counts across the wrap
}

TEST_F(FrameGateTest, GivesUpTheProcessorButNotPastThePeriod) {
    FrameTimer.sleepEnabled = 1;
    elSystem::SetFrameRate(60);
    const u64 start = hl::ClockMicros();
    int frames = 0, calls = 0;
    while (frames < 60) {
        frames += static_cast<int>(elSystem::WaitFrame());
        ++calls;
        hl::AdvanceMicros(100);  // what one pass of the pump costs
    }
    const u64 elapsed = hl::ClockMicros() - start;
    // Sixty frames take a second, nearly all of it asleep: each frame wakes about 0.2 ms before it is due,
    // so only a couple of gate calls a frame spin.
    EXPECT_NEAR(static_cast<double>(elapsed), 1e6, 20'000);
    EXPECT_GT(hl::SleptMicros(), 960'000u);
    EXPECT_LE(calls, 60 * 4);
}

TEST_F(FrameGateTest, SleepEndsBeforeThePeriodWhateverTheCounterFrequency) {
    FrameTimer.sleepEnabled = 1;
    for (const i64 hz : {1'500LL, 3'579'545LL, 1'000'000'000LL, 0LL}) {
        hl::SetCounterFrequency(hz);
        elSystem::SetFrameRate(60);
        const u64 start = hl::ClockMicros();
        EXPECT_EQ(elSystem::WaitFrame(), 0u);
        // 1/60 s is 16,666 us; a counter of 1,500 Hz rounds the period down to 25 counts (16,666 us too).
        // It wakes close to the end (the millisecond clock's period began at its last whole millisecond).
        EXPECT_GE(hl::ClockMicros() - start, 15'000u) << hz;
        EXPECT_LE(hl::ClockMicros() - start, 16'667u) << hz << ": the sleep ran past the period";
    }
}

TEST_F(FrameGateTest, WaitsRangeAndExpiry) {
    elSystem::Init();
    EXPECT_EQ(elSystem::SetWait(0, 100), 0u);
    EXPECT_EQ(elSystem::SetWait(11, 100), 0u);
    ASSERT_EQ(hl::Boxes().size(), 2u);
    EXPECT_EQ(hl::Boxes()[0].caption, "エラー発生");
    EXPECT_EQ(hl::Boxes()[0].text, "elSystem::SetWait : ウェイトNoが範囲外です");
    EXPECT_EQ(ErrorFlag, 1u);
    EXPECT_EQ(elSystem::InitWait(11), 0u);
    EXPECT_EQ(hl::Boxes()[2].text, "elSystem::InitWait : ウェイトNoが範囲外です");

    EXPECT_EQ(elSystem::SetWait(1, 0), 1u);
    EXPECT_EQ(elSystem::CheckWait(1), 1u);
    EXPECT_EQ(elSystem::SetWait(10, 1000), 1u);
    hl::AdvanceMs(999);
    EXPECT_EQ(elSystem::CheckWait(10), 0u);
    hl::AdvanceMs(1);
    EXPECT_EQ(elSystem::CheckWait(10), 1u);
    EXPECT_EQ(elSystem::CheckWait(10), 1u);  // stays expired

    EXPECT_EQ(elSystem::CheckWait(0), 0u);  // out of range: no table read
    EXPECT_EQ(elSystem::CheckWait(11), 0u);
    EXPECT_EQ(elSystem::CheckWait(-5), 0u);
}

TEST_F(FrameGateTest, WaitsSurviveTheClockWrapAndDisarmedNeverExpire) {
    elSystem::Init();
    hl::SetClockMs(0xFFFFFF00u);
    elSystem::SetWait(2, 1000);  // the deadline lies past 2^32
    EXPECT_EQ(elSystem::CheckWait(2), 0u);
    hl::AdvanceMs(999);
    EXPECT_EQ(elSystem::CheckWait(2), 0u);
    hl::AdvanceMs(1);
    EXPECT_EQ(elSystem::CheckWait(2), 1u);

    hl::SetClockMs(1'000'000'000u);  // long past 999,999,999
    EXPECT_EQ(elSystem::CheckWait(3), 0u);
    elSystem::SetWait(3, 5);
    elSystem::InitWait(3);
    hl::AdvanceMs(10);
    EXPECT_EQ(elSystem::CheckWait(3), 0u);
}

TEST_F(FrameGateTest, DelayWaitsItsTimeAcrossTheWrap) {
    hl::SetClockMs(0xFFFFFFFFu - 50);  // the deadline is exactly 0xFFFFFFFF
    u64 start = hl::ClockMicros();
    FrameTime = 1;
    elSystem::Delay(50);
    EXPECT_GT(hl::ClockMicros() - start, 50'000u);
    EXPECT_LT(hl::ClockMicros() - start, 53'000u);
    EXPECT_EQ(FrameTime, 0.0f);

    hl::SetClockMs(0xFFFFFFF0u);
    start = hl::ClockMicros();
    elSystem::Delay(100);
    EXPECT_GT(hl::ClockMicros() - start, 100'000u);
}

TEST_F(FrameGateTest, ReactivationResetsOnlyThePassClock) {
    elSystem::SetFrameRate(60);
    hl::AdvanceMs(17);
    ASSERT_EQ(elSystem::WaitFrame(), 1u);
    hl::AdvanceMs(5000);  // inactive for five seconds
    elSystem::WindowProc(1, host::kMsgActivateApp, 1, 0);
    EXPECT_EQ(LastPassTime, host::ClockMs());
    EXPECT_EQ(FrameTime, 0.0f);
    ASSERT_EQ(elSystem::WaitFrame(), 1u);
    EXPECT_NEAR(FrameTime, 5.0f, 0.002f);  // the first frame spans the whole spell
}
