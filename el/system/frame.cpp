// Frame pacing: the frame gate, the main loop's pass clock and the ten one-shot waits.
#include <cstdlib>

#include "el/elDraw.h"
#include "el/elSystem.h"
#include "host/backend.h"
#include "host/time.h"

f32 FrameTime = 0;
u32 LastPassTime = 0;
f64 TwoPi = 0;
u32 StartTime = 0;
u32 WaitTimers[11] = {};
FrameGate FrameTimer = {};

u32 DelayDeadline = WaitNever;

namespace {

// Reads the gate's clock: the high-resolution counter, else the multimedia or the coarse millisecond clock.
i64 ReadGateClock() {
    if (FrameTimer.useQpc) {
        i64 c = 0;
        host::PerfCounter(&c);
        return c;
    }
    return static_cast<i64>(FrameTimer.useTimeGetTime ? host::ClockMs() : host::TickMs());
}

// What the passes are left to spin at the end of a period: the sleep wakes this much before it ends,
// which covers the lateness of a wake-up on a machine that is not overloaded.
constexpr i64 kSpinMicros = 200;

// Gives the processor away until shortly before the running period ends; `left` is what remains of it in
// gate clock units. With the counter the sleep runs to an absolute deadline, so neither the time taken to
// get here nor the rounding of a relative sleep moves the wake-up.
void SleepTowardPeriodEnd(i64 left) {
    if (FrameTimer.useQpc) {
        const i64 margin = FrameTimer.qpcFrequency / (1'000'000 / kSpinMicros);
        if (left > margin) host::backend::SleepUntilCounter(FrameTimer.lastFrame + FrameTimer.period - margin);
        return;
    }
    // A millisecond clock: the period ends on a millisecond boundary of the backend's clock.
    const i64 us = left * 1000 - static_cast<i64>(host::backend::NowMicros() % 1000) - kSpinMicros;
    if (us > 0) host::backend::SleepMicros(static_cast<u64>(us));
}

// Wrap-safe "has the clock reached the deadline": the deadline is at most 2^31 ms ahead.
bool Reached(u32 now, u32 deadline) { return static_cast<i32>(now - deadline) >= 0; }
}  // namespace

namespace elSystem {

u32 SetFrameRate(u32 fps) {
    FrameTimer.fps = static_cast<i64>(fps);
    u32 minPeriod = 0;
    FrameTimer.useTimeGetTime = host::TimerMinPeriod(&minPeriod) && minPeriod < 10 ? 1 : 0;
    i64 freq = 0;
    if (host::PerfFrequency(&freq)) {
        FrameTimer.useQpc = 1;
        FrameTimer.qpcFrequency = freq;
        FrameTimer.period = FrameTimer.fps ? freq / FrameTimer.fps : 0;
    } else {
        FrameTimer.useQpc = 0;
        FrameTimer.period = FrameTimer.fps ? 1000 / FrameTimer.fps : 0;
    }
    FrameTimer.now = ReadGateClock();
    FrameTimer.lastFrame = FrameTimer.now;
    FrameTimer.lastFrameMs = host::ClockMs();
    return 1;
}

u32 WaitFrame() {
    FrameTimer.now = ReadGateClock();
    i64 elapsed = FrameTimer.now - FrameTimer.lastFrame;
    if (elapsed < 0) {
        // A millisecond clock wrapped: the period starts again at this reading.
        FrameTimer.lastFrame = FrameTimer.now;
    }
    if (FrameTimer.waitEnabled && elapsed < FrameTimer.period) {
        if (FrameTimer.sleepEnabled && elapsed >= 0) SleepTowardPeriodEnd(FrameTimer.period - elapsed);
        return 0;
    }
    FrameTimer.lastFrame = FrameTimer.now;
    const u32 ms = host::ClockMs();
    FrameTime = static_cast<f32>(static_cast<f64>(ms - FrameTimer.lastFrameMs) / 1000.0);
    FrameTimer.lastFrameMs = host::ClockMs();
    return 1;
}

void SetWaitEnable(u32 on) {
    FrameTimer.waitEnabled = on;
    elDraw::SetVSync(on ? 0 : 1);
}

void ResetFrameClock() {
    FrameTime = 0;
    LastPassTime = host::ClockMs();
}

void UpdateFrameClock() {
    const u32 now = host::ClockMs();
    FrameTime = static_cast<f32>(static_cast<f64>(static_cast<i64>(now - LastPassTime)) / 1000.0);
    LastPassTime = host::ClockMs();
}

u32 SetWait(i32 no, u32 ms) {
    if (no < 1 || no > 10)
        return Error("elSystem::SetWait", "\x83\x45\x83\x46\x83\x43\x83\x67No\x82\xAA\x94\xCD\x88\xCD\x8A\x4F\x82\xC5\x82\xB7", 0);  // ウェイトNoが範囲外です
    WaitTimers[no] = host::ClockMs() + ms;
    return 1;
}

u32 InitWait(i32 no) {
    if (no < 1 || no > 10)
        return Error("elSystem::InitWait", "\x83\x45\x83\x46\x83\x43\x83\x67No\x82\xAA\x94\xCD\x88\xCD\x8A\x4F\x82\xC5\x82\xB7", 0);  // ウェイトNoが範囲外です
    WaitTimers[no] = WaitNever;
    return 1;
}

u32 CheckWait(i32 no) {
    if (no < 1 || no > 10) return 0;
    // A disarmed wait never expires; an armed one compares without regard to the clock's wrap.
    if (WaitTimers[no] == WaitNever) return 0;
    return Reached(host::ClockMs(), WaitTimers[no]) ? 1 : 0;
}

void Delay(u32 ms) {
    const u32 start = host::ClockMs();
    DelayDeadline = start + ms;
    // Wait until more than ms milliseconds have passed, counted from the start so that the clock's wrap
    // can neither end the wait early nor make it endless (the longest wait is 2^32 - 1 ms).
    for (;;) {
        const u32 elapsed = host::ClockMs() - start;
        if (elapsed > ms || elapsed == 0xFFFFFFFFu) break;
        host::backend::SleepMicros(100);
    }
    ResetFrameClock();
}

void FrameTimer_Construct() {
    host::TimerBegin(1);
    FrameTimer.sleepEnabled = 1;
    SetFrameRate(60);
    SetWaitEnable(1);
}

void FrameTimer_Destruct() { host::TimerEnd(1); }

void Init_TwoPi() { TwoPi = 2 * 3.141592653589793; }
void Init_StartTime() { StartTime = host::ClockMs(); }
void Init_FrameTimer() {
    FrameTimer_Construct();
    std::atexit(Exit_FrameTimer);
}
void Exit_FrameTimer() { FrameTimer_Destruct(); }

}  // namespace elSystem

// The program's static set-up, in this order, before the entry point runs.
namespace {
struct StaticSetup {
    StaticSetup() {
        elSystem::Init_TwoPi();
        elSystem::Init_StartTime();
        elSystem::Init_FrameTimer();
    }
} const g_staticSetup;
}  // namespace
