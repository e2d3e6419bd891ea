#include "host/time.h"

#include "host/backend.h"

namespace host {

u32 ClockMs() { return static_cast<u32>(backend::NowMicros() / 1000); }
u32 TickMs() { return ClockMs(); }

bool PerfFrequency(i64* out) {
    const i64 f = backend::CounterFrequency();
    if (out) *out = f;
    return f > 0;
}

bool PerfCounter(i64* out) {
    if (backend::CounterFrequency() <= 0) return false;
    if (out) *out = backend::CounterNow();
    return true;
}

bool TimerMinPeriod(u32* outMs) {
    const u32 p = backend::TimerMinPeriodMs();
    if (p == 0) return false;
    if (outMs) *outMs = p;
    return true;
}

void TimerBegin(u32) {}
void TimerEnd(u32) {}
void SleepMs(u32 ms) { backend::SleepMicros(static_cast<u64>(ms) * 1000); }
i64 WallSeconds() { return backend::WallSeconds(); }

}  // namespace host
