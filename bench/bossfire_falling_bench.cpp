// The cost of the falling boss bullets over the headless backend: every pool of the Volley, Arm, Drops and
// Arc families full of live bullets on the screen (update and draw, the 400-blit pair member draw
// included), the same pools all parked, and one family of 20 x 20 bullets at growing counts.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <iterator>

#include "el/elDraw.h"
#include "el/elSystem.h"
#include "game/bossfire/arc.h"
#include "game/bossfire/arc_data.h"
#include "game/bossfire/arm.h"
#include "game/bossfire/arm_data.h"
#include "game/bossfire/beam.h"
#include "game/bossfire/beam_data.h"
#include "game/bossfire/drops.h"
#include "game/bossfire/drops_data.h"
#include "game/bossfire/volley.h"
#include "game/bossfire/volley_data.h"
#include "game/common/boss_state.h"
#include "game/common/player_state.h"
#include "game/shell/shell.h"
#include "host/files.h"
#include "host/headless/headless.h"
#include "host/window.h"
#include "bench_program.h"

namespace {

bool StartFalling() {
    if (!kb::StartProgram()) return false;
    Game_ResetState();
    Game_ResetPools();
    FrameTime = 0.0f;  // the bullets stay where they are put, live, while every step of their frame runs
    PlayerState.alive = 1;
    PlayerState.bombActive = 0;
    PlayerState.x = 100.0f;  // beside the field: no bullet reaches the ship
    PlayerState.y = 0.0f;
    return true;
}

struct Family {
    void (*update)(i32);
    void (*draw)(i32);
    BulletSlot* pool;
    i32 count;
};
const Family kFamilies[] = {
    {Boss11Volley1_Update, Boss11Volley1_Draw, Boss11Volley1, static_cast<i32>(std::size(Boss11Volley1))},
    {Boss11Volley2_Update, Boss11Volley2_Draw, Boss11Volley2, static_cast<i32>(std::size(Boss11Volley2))},
    {Boss11Volley3_Update, Boss11Volley3_Draw, Boss11Volley3, static_cast<i32>(std::size(Boss11Volley3))},
    {Boss11Volley4_Update, Boss11Volley4_Draw, Boss11Volley4, static_cast<i32>(std::size(Boss11Volley4))},
    {Boss11Volley5_Update, Boss11Volley5_Draw, Boss11Volley5, static_cast<i32>(std::size(Boss11Volley5))},
    {Boss11Volley6_Update, Boss11Volley6_Draw, Boss11Volley6, static_cast<i32>(std::size(Boss11Volley6))},
    {Boss71Volley1_Update, Boss71Volley1_Draw, Boss71Volley1, static_cast<i32>(std::size(Boss71Volley1))},
    {Boss71Volley2_Update, Boss71Volley2_Draw, Boss71Volley2, static_cast<i32>(std::size(Boss71Volley2))},
    {Boss71Volley3_Update, Boss71Volley3_Draw, Boss71Volley3, static_cast<i32>(std::size(Boss71Volley3))},
    {Boss71Volley4_Update, Boss71Volley4_Draw, Boss71Volley4, static_cast<i32>(std::size(Boss71Volley4))},
    {Boss71Volley5_Update, Boss71Volley5_Draw, Boss71Volley5, static_cast<i32>(std::size(Boss71Volley5))},
    {Boss71Volley6_Update, Boss71Volley6_Draw, Boss71Volley6, static_cast<i32>(std::size(Boss71Volley6))},
    {Boss31Volley1_Update, Boss31Volley1_Draw, Boss31Volley1, static_cast<i32>(std::size(Boss31Volley1))},
    {Boss31Volley2_Update, Boss31Volley2_Draw, Boss31Volley2, static_cast<i32>(std::size(Boss31Volley2))},
    {Boss41Volley1_Update, Boss41Volley1_Draw, Boss41Volley1, static_cast<i32>(std::size(Boss41Volley1))},
    {Boss41Volley2_Update, Boss41Volley2_Draw, Boss41Volley2, static_cast<i32>(std::size(Boss41Volley2))},
    {Boss41Volley3_Update, Boss41Volley3_Draw, Boss41Volley3, static_cast<i32>(std::size(Boss41Volley3))},
    {Boss4BVolley1_Update, Boss4BVolley1_Draw, Boss4BVolley1, static_cast<i32>(std::size(Boss4BVolley1))},
    {Boss4BVolley2_Update, Boss4BVolley2_Draw, Boss4BVolley2, static_cast<i32>(std::size(Boss4BVolley2))},
    {Boss11Arm1_Update, Boss11Arm1_Draw, Boss11Arm1, static_cast<i32>(std::size(Boss11Arm1))},
    {Boss11Arm2_Update, Boss11Arm2_Draw, Boss11Arm2, static_cast<i32>(std::size(Boss11Arm2))},
    {Boss31Arm1_Update, Boss31Arm1_Draw, Boss31Arm1, static_cast<i32>(std::size(Boss31Arm1))},
    {Boss31Arm2_Update, Boss31Arm2_Draw, Boss31Arm2, static_cast<i32>(std::size(Boss31Arm2))},
    {Boss31Arm3_Update, Boss31Arm3_Draw, Boss31Arm3, static_cast<i32>(std::size(Boss31Arm3))},
    {Boss31Arm4_Update, Boss31Arm4_Draw, Boss31Arm4, static_cast<i32>(std::size(Boss31Arm4))},
    {Boss71Arm1_Update, Boss71Arm1_Draw, Boss71Arm1, static_cast<i32>(std::size(Boss71Arm1))},
    {Boss71Arm2_Update, Boss71Arm2_Draw, Boss71Arm2, static_cast<i32>(std::size(Boss71Arm2))},
    {Boss71Arm3_Update, Boss71Arm3_Draw, Boss71Arm3, static_cast<i32>(std::size(Boss71Arm3))},
    {Boss71Arm4_Update, Boss71Arm4_Draw, Boss71Arm4, static_cast<i32>(std::size(Boss71Arm4))},
    {Boss71Arm5_Update, Boss71Arm5_Draw, Boss71Arm5, static_cast<i32>(std::size(Boss71Arm5))},
    {Boss71Arm6_Update, Boss71Arm6_Draw, Boss71Arm6, static_cast<i32>(std::size(Boss71Arm6))},
    {Boss71Arm7_Update, Boss71Arm7_Draw, Boss71Arm7, static_cast<i32>(std::size(Boss71Arm7))},
    {Boss71Arm8_Update, Boss71Arm8_Draw, Boss71Arm8, static_cast<i32>(std::size(Boss71Arm8))},
    {Boss71Arm9_Update, Boss71Arm9_Draw, Boss71Arm9, static_cast<i32>(std::size(Boss71Arm9))},
    {Boss11Drops1_Update, Boss11Drops1_Draw, Boss11Drops1, static_cast<i32>(std::size(Boss11Drops1))},
    {Boss11Drops2_Update, Boss11Drops2_Draw, Boss11Drops2, static_cast<i32>(std::size(Boss11Drops2))},
    {Boss11Drops3_Update, Boss11Drops3_Draw, Boss11Drops3, static_cast<i32>(std::size(Boss11Drops3))},
    {Boss2BDrops1_Update, Boss2BDrops1_Draw, Boss2BDrops1, static_cast<i32>(std::size(Boss2BDrops1))},
    {Boss2BDrops2_Update, Boss2BDrops2_Draw, Boss2BDrops2, static_cast<i32>(std::size(Boss2BDrops2))},
    {Boss2BDrops3_Update, Boss2BDrops3_Draw, Boss2BDrops3, static_cast<i32>(std::size(Boss2BDrops3))},
    {Boss2BDrops4_Update, Boss2BDrops4_Draw, Boss2BDrops4, static_cast<i32>(std::size(Boss2BDrops4))},
    {Boss2BDrops5_Update, Boss2BDrops5_Draw, Boss2BDrops5, static_cast<i32>(std::size(Boss2BDrops5))},
    {Boss31Drops1_Update, Boss31Drops1_Draw, Boss31Drops1, static_cast<i32>(std::size(Boss31Drops1))},
    {Boss31Drops2_Update, Boss31Drops2_Draw, Boss31Drops2, static_cast<i32>(std::size(Boss31Drops2))},
    {Boss31Drops3_Update, Boss31Drops3_Draw, Boss31Drops3, static_cast<i32>(std::size(Boss31Drops3))},
    {Boss31Drops4_Update, Boss31Drops4_Draw, Boss31Drops4, static_cast<i32>(std::size(Boss31Drops4))},
    {Boss31Drops5_Update, Boss31Drops5_Draw, Boss31Drops5, static_cast<i32>(std::size(Boss31Drops5))},
    {Boss31Drops6_Update, Boss31Drops6_Draw, Boss31Drops6, static_cast<i32>(std::size(Boss31Drops6))},
    {Boss31Drops7_Update, Boss31Drops7_Draw, Boss31Drops7, static_cast<i32>(std::size(Boss31Drops7))},
    {Boss41Drops1_Update, Boss41Drops1_Draw, Boss41Drops1, static_cast<i32>(std::size(Boss41Drops1))},
    {Boss41Drops2_Update, Boss41Drops2_Draw, Boss41Drops2, static_cast<i32>(std::size(Boss41Drops2))},
    {Boss41Drops3_Update, Boss41Drops3_Draw, Boss41Drops3, static_cast<i32>(std::size(Boss41Drops3))},
    {Boss41Drops4_Update, Boss41Drops4_Draw, Boss41Drops4, static_cast<i32>(std::size(Boss41Drops4))},
    {Boss41Drops5_Update, Boss41Drops5_Draw, Boss41Drops5, static_cast<i32>(std::size(Boss41Drops5))},
    {Boss41Drops6_Update, Boss41Drops6_Draw, Boss41Drops6, static_cast<i32>(std::size(Boss41Drops6))},
    {Boss41Drops7_Update, Boss41Drops7_Draw, Boss41Drops7, static_cast<i32>(std::size(Boss41Drops7))},
    {Boss41Drops8_Update, Boss41Drops8_Draw, Boss41Drops8, static_cast<i32>(std::size(Boss41Drops8))},
    {Boss41Drops9_Update, Boss41Drops9_Draw, Boss41Drops9, static_cast<i32>(std::size(Boss41Drops9))},
    {Boss51Drops1_Update, Boss51Drops1_Draw, Boss51Drops1, static_cast<i32>(std::size(Boss51Drops1))},
    {Boss51Drops2_Update, Boss51Drops2_Draw, Boss51Drops2, static_cast<i32>(std::size(Boss51Drops2))},
    {Boss51Drops3_Update, Boss51Drops3_Draw, Boss51Drops3, static_cast<i32>(std::size(Boss51Drops3))},
    {Boss51Drops4_Update, Boss51Drops4_Draw, Boss51Drops4, static_cast<i32>(std::size(Boss51Drops4))},
    {Boss51Drops5_Update, Boss51Drops5_Draw, Boss51Drops5, static_cast<i32>(std::size(Boss51Drops5))},
    {Boss51Drops6_Update, Boss51Drops6_Draw, Boss51Drops6, static_cast<i32>(std::size(Boss51Drops6))},
    {Boss51Drops7_Update, Boss51Drops7_Draw, Boss51Drops7, static_cast<i32>(std::size(Boss51Drops7))},
    {Boss51Drops8_Update, Boss51Drops8_Draw, Boss51Drops8, static_cast<i32>(std::size(Boss51Drops8))},
    {Boss51Drops9_Update, Boss51Drops9_Draw, Boss51Drops9, static_cast<i32>(std::size(Boss51Drops9))},
    {Boss4BDrops1_Update, Boss4BDrops1_Draw, Boss4BDrops1, static_cast<i32>(std::size(Boss4BDrops1))},
    {Boss4BDrops2_Update, Boss4BDrops2_Draw, Boss4BDrops2, static_cast<i32>(std::size(Boss4BDrops2))},
    {Boss4BDrops3_Update, Boss4BDrops3_Draw, Boss4BDrops3, static_cast<i32>(std::size(Boss4BDrops3))},
    {Boss4BDrops4_Update, Boss4BDrops4_Draw, Boss4BDrops4, static_cast<i32>(std::size(Boss4BDrops4))},
    {Boss4BDrops5_Update, Boss4BDrops5_Draw, Boss4BDrops5, static_cast<i32>(std::size(Boss4BDrops5))},
    {Boss4BDrops6_Update, Boss4BDrops6_Draw, Boss4BDrops6, static_cast<i32>(std::size(Boss4BDrops6))},
    {Boss4BDrops7_Update, Boss4BDrops7_Draw, Boss4BDrops7, static_cast<i32>(std::size(Boss4BDrops7))},
    {Boss4BDrops8_Update, Boss4BDrops8_Draw, Boss4BDrops8, static_cast<i32>(std::size(Boss4BDrops8))},
    {Boss4BDrops9_Update, Boss4BDrops9_Draw, Boss4BDrops9, static_cast<i32>(std::size(Boss4BDrops9))},
    {Boss71Drops1_Update, Boss71Drops1_Draw, Boss71Drops1, static_cast<i32>(std::size(Boss71Drops1))},
    {Boss71Drops2_Update, Boss71Drops2_Draw, Boss71Drops2, static_cast<i32>(std::size(Boss71Drops2))},
    {Boss71Drops3_Update, Boss71Drops3_Draw, Boss71Drops3, static_cast<i32>(std::size(Boss71Drops3))},
    {Boss71Drops4_Update, Boss71Drops4_Draw, Boss71Drops4, static_cast<i32>(std::size(Boss71Drops4))},
    {Boss71Drops5_Update, Boss71Drops5_Draw, Boss71Drops5, static_cast<i32>(std::size(Boss71Drops5))},
    {Boss71Drops6_Update, Boss71Drops6_Draw, Boss71Drops6, static_cast<i32>(std::size(Boss71Drops6))},
    {Boss71Drops7_Update, Boss71Drops7_Draw, Boss71Drops7, static_cast<i32>(std::size(Boss71Drops7))},
    {Boss71Drops8_Update, Boss71Drops8_Draw, Boss71Drops8, static_cast<i32>(std::size(Boss71Drops8))},
    {Boss71Drops9_Update, Boss71Drops9_Draw, Boss71Drops9, static_cast<i32>(std::size(Boss71Drops9))},
    {Boss5BDrops1_Update, Boss5BDrops1_Draw, Boss5BDrops1, static_cast<i32>(std::size(Boss5BDrops1))},
    {Boss5BDrops2_Update, Boss5BDrops2_Draw, Boss5BDrops2, static_cast<i32>(std::size(Boss5BDrops2))},
    {Boss5BDrops3_Update, Boss5BDrops3_Draw, Boss5BDrops3, static_cast<i32>(std::size(Boss5BDrops3))},
    {Boss5BDrops4_Update, Boss5BDrops4_Draw, Boss5BDrops4, static_cast<i32>(std::size(Boss5BDrops4))},
    {Boss5BDrops5_Update, Boss5BDrops5_Draw, Boss5BDrops5, static_cast<i32>(std::size(Boss5BDrops5))},
    {Boss5BDrops6_Update, Boss5BDrops6_Draw, Boss5BDrops6, static_cast<i32>(std::size(Boss5BDrops6))},
    {Boss5BDrops7_Update, Boss5BDrops7_Draw, Boss5BDrops7, static_cast<i32>(std::size(Boss5BDrops7))},
    {Boss5BDrops8_Update, Boss5BDrops8_Draw, Boss5BDrops8, static_cast<i32>(std::size(Boss5BDrops8))},
    {Boss5BDrops9_Update, Boss5BDrops9_Draw, Boss5BDrops9, static_cast<i32>(std::size(Boss5BDrops9))},
    {Boss11Arc1_Update, Boss11Arc1_Draw, Boss11Arc1, static_cast<i32>(std::size(Boss11Arc1))},
    {Boss11Arc2_Update, Boss11Arc2_Draw, Boss11Arc2, static_cast<i32>(std::size(Boss11Arc2))},
    {Boss11Arc3_Update, Boss11Arc3_Draw, Boss11Arc3, static_cast<i32>(std::size(Boss11Arc3))},
    {Boss2BArc1_Update, Boss2BArc1_Draw, Boss2BArc1, static_cast<i32>(std::size(Boss2BArc1))},
    {Boss2BArc2_Update, Boss2BArc2_Draw, Boss2BArc2, static_cast<i32>(std::size(Boss2BArc2))},
    {Boss2BArc3_Update, Boss2BArc3_Draw, Boss2BArc3, static_cast<i32>(std::size(Boss2BArc3))},
    {Boss2BArc4_Update, Boss2BArc4_Draw, Boss2BArc4, static_cast<i32>(std::size(Boss2BArc4))},
    {Boss2BArc5_Update, Boss2BArc5_Draw, Boss2BArc5, static_cast<i32>(std::size(Boss2BArc5))},
    {Boss31Arc1_Update, Boss31Arc1_Draw, Boss31Arc1, static_cast<i32>(std::size(Boss31Arc1))},
    {Boss31Arc2_Update, Boss31Arc2_Draw, Boss31Arc2, static_cast<i32>(std::size(Boss31Arc2))},
    {Boss31Arc3_Update, Boss31Arc3_Draw, Boss31Arc3, static_cast<i32>(std::size(Boss31Arc3))},
    {Boss31Arc4_Update, Boss31Arc4_Draw, Boss31Arc4, static_cast<i32>(std::size(Boss31Arc4))},
    {Boss31Arc5_Update, Boss31Arc5_Draw, Boss31Arc5, static_cast<i32>(std::size(Boss31Arc5))},
    {Boss41Arc1_Update, Boss41Arc1_Draw, Boss41Arc1, static_cast<i32>(std::size(Boss41Arc1))},
    {Boss41Arc2_Update, Boss41Arc2_Draw, Boss41Arc2, static_cast<i32>(std::size(Boss41Arc2))},
    {Boss41Arc3_Update, Boss41Arc3_Draw, Boss41Arc3, static_cast<i32>(std::size(Boss41Arc3))},
    {Boss41Arc4_Update, Boss41Arc4_Draw, Boss41Arc4, static_cast<i32>(std::size(Boss41Arc4))},
    {Boss41Arc5_Update, Boss41Arc5_Draw, Boss41Arc5, static_cast<i32>(std::size(Boss41Arc5))},
    {Boss41Arc6_Update, Boss41Arc6_Draw, Boss41Arc6, static_cast<i32>(std::size(Boss41Arc6))},
    {Boss41Arc7_Update, Boss41Arc7_Draw, Boss41Arc7, static_cast<i32>(std::size(Boss41Arc7))},
    {Boss51Arc1_Update, Boss51Arc1_Draw, Boss51Arc1, static_cast<i32>(std::size(Boss51Arc1))},
    {Boss51Arc2_Update, Boss51Arc2_Draw, Boss51Arc2, static_cast<i32>(std::size(Boss51Arc2))},
    {Boss51Arc3_Update, Boss51Arc3_Draw, Boss51Arc3, static_cast<i32>(std::size(Boss51Arc3))},
    {Boss51Arc4_Update, Boss51Arc4_Draw, Boss51Arc4, static_cast<i32>(std::size(Boss51Arc4))},
    {Boss51Arc5_Update, Boss51Arc5_Draw, Boss51Arc5, static_cast<i32>(std::size(Boss51Arc5))},
    {Boss51Arc6_Update, Boss51Arc6_Draw, Boss51Arc6, static_cast<i32>(std::size(Boss51Arc6))},
    {Boss51Arc7_Update, Boss51Arc7_Draw, Boss51Arc7, static_cast<i32>(std::size(Boss51Arc7))},
    {Boss4BArc1_Update, Boss4BArc1_Draw, Boss4BArc1, static_cast<i32>(std::size(Boss4BArc1))},
    {Boss4BArc2_Update, Boss4BArc2_Draw, Boss4BArc2, static_cast<i32>(std::size(Boss4BArc2))},
    {Boss4BArc3_Update, Boss4BArc3_Draw, Boss4BArc3, static_cast<i32>(std::size(Boss4BArc3))},
    {Boss4BArc4_Update, Boss4BArc4_Draw, Boss4BArc4, static_cast<i32>(std::size(Boss4BArc4))},
    {Boss4BArc5_Update, Boss4BArc5_Draw, Boss4BArc5, static_cast<i32>(std::size(Boss4BArc5))},
    {Boss4BArc6_Update, Boss4BArc6_Draw, Boss4BArc6, static_cast<i32>(std::size(Boss4BArc6))},
    {Boss4BArc7_Update, Boss4BArc7_Draw, Boss4BArc7, static_cast<i32>(std::size(Boss4BArc7))},
    {Boss71Arc1_Update, Boss71Arc1_Draw, Boss71Arc1, static_cast<i32>(std::size(Boss71Arc1))},
    {Boss71Arc2_Update, Boss71Arc2_Draw, Boss71Arc2, static_cast<i32>(std::size(Boss71Arc2))},
    {Boss71Arc3_Update, Boss71Arc3_Draw, Boss71Arc3, static_cast<i32>(std::size(Boss71Arc3))},
    {Boss71Arc4_Update, Boss71Arc4_Draw, Boss71Arc4, static_cast<i32>(std::size(Boss71Arc4))},
    {Boss71Arc5_Update, Boss71Arc5_Draw, Boss71Arc5, static_cast<i32>(std::size(Boss71Arc5))},
    {Boss71Arc6_Update, Boss71Arc6_Draw, Boss71Arc6, static_cast<i32>(std::size(Boss71Arc6))},
    {Boss71Arc7_Update, Boss71Arc7_Draw, Boss71Arc7, static_cast<i32>(std::size(Boss71Arc7))},
    {Boss5BArc1_Update, Boss5BArc1_Draw, Boss5BArc1, static_cast<i32>(std::size(Boss5BArc1))},
    {Boss5BArc2_Update, Boss5BArc2_Draw, Boss5BArc2, static_cast<i32>(std::size(Boss5BArc2))},
    {Boss5BArc3_Update, Boss5BArc3_Draw, Boss5BArc3, static_cast<i32>(std::size(Boss5BArc3))},
    {Boss5BArc4_Update, Boss5BArc4_Draw, Boss5BArc4, static_cast<i32>(std::size(Boss5BArc4))},
    {Boss5BArc5_Update, Boss5BArc5_Draw, Boss5BArc5, static_cast<i32>(std::size(Boss5BArc5))},
};

// Slot s of a pool live at a spot inside the play field (220..580 by 0..600) that spreads the pool out.
void Place(BulletSlot& b, i32 s, i32 live) {
    b.active = live;
    b.x = live ? 225.0f + static_cast<f32>((s * 37) % 300) : -500.0f;
    b.y = live ? 10.0f + static_cast<f32>((s * 53) % 520) : 2550.0f;
}

i32 FillAll(bool live) {
    i32 n = 0;
    for (const Family& f : kFamilies)
        for (i32 s = 0; s < f.count; ++s, ++n) Place(f.pool[s], n, live ? 1 : 0);
    return n;
}

void RunAll() {
    for (const Family& f : kFamilies) {
        f.update(0);
        f.draw(0);
    }
}

// Every pool full and live: 140 families, their update and draw.
void BM_FallingAllLive(benchmark::State& state) {
    if (!StartFalling()) {
        state.SkipWithError("the program did not start");
        return;
    }
    const i32 bullets = FillAll(true);
    for (auto _ : state) RunAll();
    state.SetItemsProcessed(state.iterations() * bullets);
    state.counters["bullets"] = bullets;
    state.counters["ns_per_bullet"] =
        benchmark::Counter(bullets, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FallingAllLive)->Unit(benchmark::kMicrosecond);

// The updates alone over every live pool: the engine's own part of a live bullet's frame.
void BM_FallingAllLiveUpdate(benchmark::State& state) {
    if (!StartFalling()) {
        state.SkipWithError("the program did not start");
        return;
    }
    const i32 bullets = FillAll(true);
    for (auto _ : state)
        for (const Family& f : kFamilies) f.update(0);
    state.counters["ns_per_bullet"] =
        benchmark::Counter(bullets, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FallingAllLiveUpdate)->Unit(benchmark::kMicrosecond);

// Every pool parked: the cost of a family with nothing in flight.
void BM_FallingAllParked(benchmark::State& state) {
    if (!StartFalling()) {
        state.SkipWithError("the program did not start");
        return;
    }
    const i32 slots = FillAll(false);
    for (auto _ : state) RunAll();
    state.SetItemsProcessed(state.iterations() * slots);
    state.counters["ns_per_slot"] =
        benchmark::Counter(slots, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FallingAllParked)->Unit(benchmark::kMicrosecond);

// One arc family of 20 x 20 additive bullets with range(0) of its 50 slots live.
void BM_Falling20x20(benchmark::State& state) {
    if (!StartFalling()) {
        state.SkipWithError("the program did not start");
        return;
    }
    const i32 live = static_cast<i32>(state.range(0));
    for (i32 s = 0; s < 50; ++s) Place(Boss41Arc1[s], s, s < live ? 1 : 0);
    for (auto _ : state) {
        Boss41Arc1_Update(0);
        Boss41Arc1_Draw(0);
    }
    state.counters["ns_per_live"] = benchmark::Counter(live > 0 ? live : 1, benchmark::Counter::kIsIterationInvariantRate |
                                                                               benchmark::Counter::kInvert);
}
BENCHMARK(BM_Falling20x20)->Arg(0)->Arg(10)->Arg(25)->Arg(50)->Unit(benchmark::kMicrosecond);

// The pair member draw: 20 passes over 20 live 40 x 40 bullets, 400 additive blits.
void BM_FallingPairMembers(benchmark::State& state) {
    if (!StartFalling()) {
        state.SkipWithError("the program did not start");
        return;
    }
    for (i32 s = 0; s < 20; ++s) Place(Boss11Volley2[s], s, 1);
    for (auto _ : state) {
        Boss11Volley2_Update(0);
        Boss11Volley2_Draw(0);
    }
    state.counters["blits"] = 400;
}
BENCHMARK(BM_FallingPairMembers)->Unit(benchmark::kMicrosecond);

// Both beams inside their window: a firing every fourth frame, a 90 x 400 image on three of them.
void BM_Beams(benchmark::State& state) {
    if (!StartFalling()) {
        state.SkipWithError("the program did not start");
        return;
    }
    Boss51State.x = 200.0f;
    Boss51State.y = 0.0f;
    for (auto _ : state) {
        Boss51Beam1_Update();
        Boss51Beam1_Draw();
        Boss51Beam2_Update();
        Boss51Beam2_Draw();
    }
}
BENCHMARK(BM_Beams)->Unit(benchmark::kMicrosecond);

}  // namespace
