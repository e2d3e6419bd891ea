// Clocks and sleeping, all read from the backend's one clock.
#pragma once
#include "host/types.h"

namespace host {

u32 ClockMs();                    // millisecond clock, unsigned 32-bit, wraps
u32 TickMs();                     // the coarse millisecond clock (same source)
bool PerfFrequency(i64* out);     // false when there is no high-resolution counter
bool PerfCounter(i64* out);
bool TimerMinPeriod(u32* outMs);  // false when the timer capabilities can't be read
void TimerBegin(u32 ms);          // asks for a timer resolution (nothing to do on this platform)
void TimerEnd(u32 ms);
void SleepMs(u32 ms);
i64 WallSeconds();

}  // namespace host
