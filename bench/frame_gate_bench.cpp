// The frame gate on the real clock: sixty frames paced as the gate paces them with the real backend,
// reporting how late the sleep wakes, how long the spin is, and the spread of frame-to-frame intervals.
//   deadline:1  an absolute-deadline sleep to 0.2 ms before each period's end, then the spin
//   deadline:0  the earlier way, for comparison: a relative sleep of whole milliseconds (those left less
//               one, when 3 or more), then the spin
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <vector>

#include "host/types.h"

namespace {

i64 Now() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<i64>(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

void SleepUntil(i64 when) {
    const timespec ts{static_cast<time_t>(when / 1'000'000'000), static_cast<long>(when % 1'000'000'000)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {}
}

void BM_FrameGateRealClock(benchmark::State& state) {
    const i64 period = 1'000'000'000 / 60, margin = 200'000;
    std::vector<double> late, spin, interval;
    for (auto _ : state) {
        i64 last = Now();
        for (i32 f = 0; f < 60; ++f) {
            i64 wake = last + period - margin;
            if (state.range(0)) {
                SleepUntil(wake);
            } else {
                const i64 ms = (period - (Now() - last)) / 1'000'000 - 1;
                wake = Now() + ms * 1'000'000;
                if (ms >= 3) SleepUntil(wake);
            }
            const i64 woke = Now();
            late.push_back(static_cast<double>(woke - wake) / 1000.0);
            i64 now = woke;
            while (now - last < period) now = Now();  // the passes that find the gate closed
            spin.push_back(static_cast<double>(now - woke) / 1000.0);
            interval.push_back(static_cast<double>(now - last) / 1000.0);
            last = now;
        }
    }
    auto sorted = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v;
    };
    const auto l = sorted(late), s = sorted(spin), i = sorted(interval);
    double mean = 0, sd = 0;
    for (double v : i) mean += v;
    mean /= static_cast<double>(i.size());
    for (double v : i) sd += (v - mean) * (v - mean);
    sd = std::sqrt(sd / static_cast<double>(i.size()));
    double spinSum = 0;
    for (double v : s) spinSum += v;
    state.counters["wake_late_p50_us"] = l[l.size() / 2];
    state.counters["wake_late_p99_us"] = l[l.size() * 99 / 100];
    state.counters["spin_mean_us"] = spinSum / static_cast<double>(s.size());
    state.counters["spin_share_pct"] = 100.0 * spinSum / (mean * static_cast<double>(i.size()));
    state.counters["interval_sd_us"] = sd;
    state.counters["interval_max_us"] = i.back();
}
BENCHMARK(BM_FrameGateRealClock)->ArgName("deadline")->Arg(0)->Arg(1)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
