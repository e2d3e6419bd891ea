// Each played stage headless at level 3 from its first frame to its clear, with every escort wave and
// boss attack of its schedule: per stage the median, 99th-percentile and worst frame (the processor time of
// the stage frame's updates, draws and present into the headless frame) and the live bullets in the worst
// frame. The ship
// is never lost; the boss is hurt, as the first hits of the ship would, just enough to fire once it has
// come down, and flies its attack loops until the time-out mark clears the stage.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <filesystem>
#include <vector>

#include "el/elSystem.h"
#include "game/bossfire/aimfan_data.h"
#include "game/bossfire/arc_data.h"
#include "game/bossfire/arm_data.h"
#include "game/bossfire/beam_data.h"
#include "game/bossfire/drops_data.h"
#include "game/bossfire/lightning_data.h"
#include "game/bossfire/ring_data.h"
#include "game/bossfire/rot5way_data.h"
#include "game/bossfire/rotchain_data.h"
#include "game/bossfire/rotfan_data.h"
#include "game/bossfire/stream_data.h"
#include "game/bossfire/volley_data.h"
#include "game/enemy/szak10_data.h"
#include "game/enemy/szak12_data.h"
#include "game/enemy/szak13_data.h"
#include "game/enemy/szak1_data.h"
#include "game/enemy/szak21_data.h"
#include "game/enemy/szak30a_data.h"
#include "game/enemy/szak30b_data.h"
#include "game/enemy/szak52_data.h"
#include "game/enemy/szak6_data.h"
#include "game/enemy/szakmix_data.h"
#include "game/common/stage_state.h"
#include "game/player/player.h"
#include "game/shell/shell.h"
#include "game/stage/stage_frame.h"
#include "host/files.h"
#include "host/headless/headless.h"
#include "host/surface.h"
#include "host/window.h"
#include "bench_program.h"

namespace {

bool StartProgram() {
    if (!kb::StartProgram()) return false;
    // The real backend keeps no recording of the sound it plays and never fails a surface point: the
    // headless bookkeeping of both stays out of the frames measured.
    host::headless::SetAudioCapture(false);
    host::SetSurfaceFaultChecks(false);
    return true;
}

template <class Record>
int LiveIn(const Record* r, int n) {
    int live = 0;
    if constexpr (requires { r->active; })  // lock marks have no active word
        for (int i = 0; i < n; ++i) live += r[i].active != 0;
    return live;
}

// Every live boss bullet and escort shot (the escorts' own ships are not counted).
int LiveBullets() {
    int live = Boss51Beam1.active + Boss51Beam2.active + LiveIn(Boss11AimFan1, 20);
#define BULLETS(Record, name, n, ...) live += LiveIn(name, n);
#define SHOTS(Record, name, n, ...) \
    if (std::strstr(#name, "Shot") != nullptr) live += LiveIn(name, n);
    AIMFAN_POOLS(BULLETS) ARC_POOLS(BULLETS) ARM_POOLS(BULLETS) DROPS_POOLS(BULLETS) LIGHTNING_POOLS(BULLETS)
    RING_POOLS(BULLETS) ROT5WAY_POOLS(BULLETS) ROTCHAIN_POOLS(BULLETS) ROTFAN_POOLS(BULLETS) STREAM_POOLS(BULLETS)
    VOLLEY_POOLS(BULLETS)
    SZAK10_POOLS(SHOTS) SZAK12_POOLS(SHOTS) SZAK13_POOLS(SHOTS) SZAK1_POOLS(SHOTS) SZAK21_POOLS(SHOTS)
    SZAK30A_POOLS(SHOTS) SZAK30B_POOLS(SHOTS) SZAK52_POOLS(SHOTS) SZAK6_POOLS(SHOTS) SZAKMIX_POOLS(SHOTS)
#undef BULLETS
#undef SHOTS
    return live;
}

// The processor time of this thread: a frame's own cost, whatever else the machine runs meanwhile.
double ThreadMicros() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e6 + static_cast<double>(ts.tv_nsec) / 1e3;
}

const StageScript* const kStages[] = {&Stage1Script, &Stage2Script, &Stage3Script, &Stage4Script, &Stage5Script};

void BM_StageSchedule(benchmark::State& state) {
    if (!StartProgram()) {
        state.SkipWithError("the program did not start");
        return;
    }
    const StageScript& s = *kStages[state.range(0)];
    std::vector<double> us;
    int worstLive = 0;
    double worst = 0;
    double firstWall = 0;
    for (auto _ : state) {
        kb::NewGameInStage(s.mode, 3);
        StageState.backdropMode = 0;
        FrameTime = 1.0f / 60;
        us.clear();
        worst = 0;
        bool hurt = false;
        while (GameMode == s.mode && us.size() < 200'000) {
            PlayerState.respawning = 1;
            PlayerState.respawnTimer = 0;
            const double t0 = ThreadMicros();
            const auto w0 = std::chrono::steady_clock::now();
            Stage_RunFrame(s);
            const double t = ThreadMicros() - t0;
            // A wait (for the music's synthesiser, say) costs no processor time but is still felt.
            if (us.empty()) firstWall = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - w0).count();
            ModeChanged = 0;
            us.push_back(t);
            if (t > worst) {
                worst = t;
                worstLive = LiveBullets();
            }
            if (!hurt && s.boss->x > -400.0f && s.boss->y >= 0.0f) {
                s.boss->hp = s.hpCeiling - 1;
                hurt = true;
            }
        }
    }
    // The first frame opens the stage's music; the rest are the schedule's.
    const double worstAfterFirst = us.size() > 1 ? *std::max_element(us.begin() + 1, us.end()) : 0.0;
    std::vector<double> sorted = us;
    std::sort(sorted.begin(), sorted.end());
    const auto at = [&](double q) { return sorted.empty() ? 0.0 : sorted[static_cast<size_t>(q * (sorted.size() - 1))]; };
    state.counters["frames"] = static_cast<double>(us.size());
    state.counters["median_us"] = at(0.5);
    state.counters["p99_us"] = at(0.99);
    state.counters["worst_us"] = worst;
    state.counters["worst_after_first_us"] = worstAfterFirst;
    state.counters["first_wall_us"] = firstWall;
    state.counters["worst_frame"] = static_cast<double>(std::find(us.begin(), us.end(), worst) - us.begin() + 1);
    state.counters["live_in_worst"] = worstLive;
    state.SetLabel("stage " + std::to_string(state.range(0) + 1));
}
BENCHMARK(BM_StageSchedule)->DenseRange(0, 4)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
