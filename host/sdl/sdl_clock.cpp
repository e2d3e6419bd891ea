// The real backend's clocks: the monotonic clock, its high-resolution counter, the sleeps and the wall clock.
#include <errno.h>
#include <time.h>

#include "host/sdl/sdl_state.h"

namespace host::backend::sdl {

u64 MonoNanos() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<u64>(ts.tv_sec) * 1'000'000'000ull + static_cast<u64>(ts.tv_nsec);
}

}  // namespace host::backend::sdl

namespace host::backend {
using namespace sdl;

u64 NowMicros() { return MonoNanos() / 1000; }
void SleepMicros(u64 us) {
    timespec ts{static_cast<time_t>(us / 1'000'000), static_cast<long>((us % 1'000'000) * 1000)};
    while (nanosleep(&ts, &ts) != 0) {}
}
void SleepUntilCounter(i64 when) {
    const timespec ts{static_cast<time_t>(when / 1'000'000'000), static_cast<long>(when % 1'000'000'000)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {}
}
i64 CounterFrequency() { return 1'000'000'000; }
i64 CounterNow() { return static_cast<i64>(MonoNanos()); }
u32 TimerMinPeriodMs() { return 1; }
i64 WallSeconds() { return static_cast<i64>(time(nullptr)); }

}  // namespace host::backend
