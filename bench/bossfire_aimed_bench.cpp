// The aimed boss bullets (RotFan, AimFan, Rot5Way, Ring): every pool full and live on screen, one frame
// of update and draw into the 800x600 back buffer, with the cost reported per live bullet; the same for
// the rotated and the additive 20x20 looks alone at a quarter, half and all of the records live; and
// the pools all parked.
#include <benchmark/benchmark.h>

#include "el/elDraw.h"
#include "el/elSystem.h"
#include "game/bossfire/aimed_engine.h"
#include "game/bossfire/aimfan.h"
#include "game/bossfire/aimfan_data.h"
#include "game/bossfire/ring_engine.h"
#include "game/bossfire/rot5way_engine.h"
#include "game/common/images.h"
#include "game/common/player_state.h"
#include "game/shell/shell.h"
#include "host/headless/headless.h"
#include "host/surface.h"
#include "host/window.h"
#include "bench_program.h"

namespace {

// A bare machine: the screen alone, no program (one a benchmark before left running is ended first).
void Machine() {
    kb::BareMachine();
    elDraw::Screen(800, 600, 2);
    elDraw::SetClip(220, 0, 580, 600);
}

// A sheet of w x h whose pictures are discs in cells of `cell`, the rest transparent.
i32 Sheet(i32 w, i32 h, i32 cell) {
    const i32 no = elDraw::CreateObject(w, h, 1);
    host::Surface* s = ObjectTable[no].surface;
    for (i32 y = 0; y < h; ++y)
        for (i32 x = 0; x < w; ++x) {
            const i32 cx = 2 * (x % cell) - cell, cy = 2 * (y % cell) - cell;
            s->PutPixelAt(x, y, cx * cx + cy * cy < cell * cell ? static_cast<u16>(0x0841 * ((x + y) % 31 + 1)) : 0);
        }
    return no;
}

void LoadSheets() {
    for (i32* h : {&imgVAL40L, &imgVAL40L1, &imgVAL40L2}) *h = Sheet(39, 39, 39);
    for (i32* h : {&imgVALL301, &imgVALL302, &imgVALL3011, &imgVALL3013, &imgVALL3014}) *h = Sheet(30, 30, 30);
    for (i32* h : {&imgVAL20w, &imgVAL21w}) *h = Sheet(19, 19, 19);
    imgVALL20 = Sheet(20, 20, 20);
    imgVAL20241 = Sheet(480, 20, 20);
    imgVAL201 = Sheet(140, 20, 20);
}

enum class Looks { All, Rotated, Additive };

// One frame of update and draw over every family of the chosen looks.
struct Frame {
    Looks looks;
    bool draws = true;
    bool Takes(bool rotated) const {
        return looks == Looks::All || (looks == Looks::Rotated) == rotated;
    }
    void operator()() const {
        for (i32 f = 0; f < RotFanFamilyCount; ++f)
            if (Takes(RotFanFamilies[f].look == AimedLook::Rotated)) {
                Aimed_Update(RotFanFamilies[f]);
                if (draws) Aimed_Draw(RotFanFamilies[f]);
            }
        for (i32 f = 0; f < AimFanFamilyCount && Takes(false); ++f) {
            Aimed_Update(AimFanFamilies[f]);
            if (draws) Aimed_Draw(AimFanFamilies[f]);
        }
        if (looks == Looks::All) {
            Boss11AimFan1_Update(0);
            if (draws) Boss11AimFan1_Draw(0);
        }
        for (i32 f = 0; f < Rot5WayFamilyCount; ++f)
            if (Takes(Rot5WayFamilies[f].look == Rot5WayLook::Rotated)) {
                Rot5Way_Update(Rot5WayFamilies[f]);
                if (draws) Rot5Way_Draw(Rot5WayFamilies[f]);
            }
        for (i32 f = 0; f < RingFamilyCount; ++f)
            if (Takes(RingFamilies[f].look == RingLook::Rotated)) {
                Ring_Update(RingFamilies[f]);
                if (draws) Ring_Draw(RingFamilies[f]);
            }
    }
};

// Makes every `every`-th record of every pool live at a spot inside the play field, at rest (the frame
// time is 0, so the update does all its work and nothing leaves); returns the live bullets of the looks.
template <class R>
i32 Fill(R* slots, i32 count, i32 every, i32& seed) {
    i32 live = 0;
    for (i32 i = 0; i < count; ++i) {
        if (i % every != 0) continue;
        R& r = slots[i];
        seed = seed * 1103515245 + 12345;
        const u32 u = static_cast<u32>(seed) >> 8;
        r.active = 1;
        r.x = static_cast<f32>(220 + u % 330);
        r.y = static_cast<f32>((u / 330) % 560);
        r.heading = static_cast<f32>((u % 6283) / 1000.0);
        r.speed = 200.0f;
        ++live;
    }
    return live;
}

i32 FillAll(Looks looks, i32 every) {
    Game_ResetPools();
    i32 seed = 7, live = 0;
    const Frame frame{looks};
    for (i32 f = 0; f < RotFanFamilyCount; ++f) {
        const i32 n = Fill(RotFanFamilies[f].slots, RotFanFamilies[f].count, every, seed);
        if (frame.Takes(RotFanFamilies[f].look == AimedLook::Rotated)) live += n;
    }
    for (i32 f = 0; f < AimFanFamilyCount; ++f) {
        const i32 n = Fill(AimFanFamilies[f].slots, AimFanFamilies[f].count, every, seed);
        if (frame.Takes(false)) live += n;
    }
    const i32 n = Fill(Boss11AimFan1, 20, every, seed);
    if (looks == Looks::All) live += n;
    for (i32 f = 0; f < Rot5WayFamilyCount; ++f) {
        // a line lives as a whole: every `every`-th family's line
        if (f % every != 0) continue;
        const i32 m = Fill(Rot5WayFamilies[f].slots, Rot5WayFamilies[f].count, 1, seed);
        if (frame.Takes(Rot5WayFamilies[f].look == Rot5WayLook::Rotated)) live += m;
    }
    for (i32 f = 0; f < RingFamilyCount; ++f) {
        const i32 m = Fill(RingFamilies[f].slots, RingFamilies[f].count, every, seed);
        if (frame.Takes(RingFamilies[f].look == RingLook::Rotated)) live += m;
    }
    PlayerState.x = 5000.0f;  // alive, but out of every bullet's reach: each contact test runs in full
    PlayerState.alive = 1;
    PlayerState.bombActive = 0;
    FrameTime = 0.0f;
    return live;
}

void Run(benchmark::State& state, Looks looks, i32 every, bool draws = true) {
    Machine();
    LoadSheets();
    const i32 live = FillAll(looks, every);
    const Frame frame{looks, draws};
    for (auto _ : state) frame();
    benchmark::DoNotOptimize(BackBuffer->PixelAt(300, 300));
    state.counters["live"] = live;
    state.counters["per_bullet"] =
        benchmark::Counter(live, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    Game_ResetPools();
    kb::EndBareMachine();
}

void BM_AimedBullets_AllLive(benchmark::State& state) { Run(state, Looks::All, 1); }
BENCHMARK(BM_AimedBullets_AllLive)->Unit(benchmark::kMicrosecond);

// The update alone (motion, bounds, contact) over the same set: the share of the blits is the rest.
void BM_AimedBullets_AllLiveUpdateOnly(benchmark::State& state) { Run(state, Looks::All, 1, false); }
BENCHMARK(BM_AimedBullets_AllLiveUpdateOnly)->Unit(benchmark::kMicrosecond);

// Every record of the rotated looks, or of the additive 20x20 looks, live / every second / every fourth.
void BM_AimedBullets_Rotated(benchmark::State& state) { Run(state, Looks::Rotated, static_cast<i32>(state.range(0))); }
BENCHMARK(BM_AimedBullets_Rotated)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);
void BM_AimedBullets_Additive(benchmark::State& state) { Run(state, Looks::Additive, static_cast<i32>(state.range(0))); }
BENCHMARK(BM_AimedBullets_Additive)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);

// Every pool parked, as after a reset: what the stage pays each frame for families that do not fire.
void BM_AimedBullets_AllParked(benchmark::State& state) {
    Machine();
    LoadSheets();
    Game_ResetPools();
    const Frame frame{Looks::All};
    for (auto _ : state) frame();
    i32 records = 20;
    for (i32 f = 0; f < RotFanFamilyCount; ++f) records += RotFanFamilies[f].count;
    for (i32 f = 0; f < AimFanFamilyCount; ++f) records += AimFanFamilies[f].count;
    for (i32 f = 0; f < Rot5WayFamilyCount; ++f) records += Rot5WayFamilies[f].count;
    for (i32 f = 0; f < RingFamilyCount; ++f) records += RingFamilies[f].count;
    state.counters["records"] = records;
    state.counters["per_record"] =
        benchmark::Counter(records, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    kb::EndBareMachine();
}
BENCHMARK(BM_AimedBullets_AllParked)->Unit(benchmark::kMicrosecond);

}  // namespace
