// The first stage's small enemies in one frame: every escort family the stage runs (SzakMix slots 0 to 8,
// Szak10, Szak1A and Szak1B, Szak21B, Szak22B, the four B formations, Szak21C and Szak22C) with every pool
// full, its ships and all its shots live on the screen, updated and drawn in the stage's order into the
// back buffer with the program's own sheets. The state is laid out anew before every frame, untimed.
// Further runs: every ship exploding; the families without their draws; only the pools the stage arms.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <vector>

#include "el/elSystem.h"
#include "game/common/player_state.h"
#include "game/common/state.h"
#include "game/enemy/szak1.h"
#include "game/enemy/szak10.h"
#include "game/enemy/szak21.h"
#include "game/enemy/szak30b.h"
#include "game/enemy/szakmix.h"
#include "game/shell/shell.h"
#include "host/files.h"
#include "host/headless/headless.h"
#include "host/surface.h"
#include "host/window.h"
#include "bench_program.h"

namespace {

bool Started() {
    if (!kb::StartProgram()) return false;
    host::SetSurfaceFaultChecks(false);
    Game_ResetState();
    Game_ResetPools();
    FxAdditive = 1;
    PlayMode = 1;
    PlaySubMode = 0;
    return true;
}

// Spreads n positions over the play field.
f32 Column(i32 i) { return 230.0f + static_cast<f32>((i * 37) % 320); }
f32 Row(i32 i) { return 20.0f + static_cast<f32>((i * 53) % 520); }

template <class Rec, size_t N>
void Fill(Rec (&pool)[N], i32& seed, f32 vx, f32 vy) {
    for (Rec& r : pool) {
        r.active = 1;
        r.x = Column(seed);
        r.y = Row(seed);
        if constexpr (requires { r.vx; }) {
            r.vx = vx;
            r.vy = vy;
        }
        if constexpr (requires { r.heading; }) {
            r.speed = 200.0f;
            r.heading = 1.2f;
        }
        ++seed;
    }
}

// The snapshot of every pool the frame touches, laid out once and copied back before each frame.
struct Snapshot {
    std::vector<std::pair<void*, std::vector<unsigned char>>> blocks;
    template <class T, size_t N>
    void Keep(T (&pool)[N]) {
        const auto* p = reinterpret_cast<const unsigned char*>(pool);
        blocks.push_back({pool, std::vector<unsigned char>(p, p + sizeof pool)});
    }
    void Restore() const {
        for (const auto& [at, bytes] : blocks) std::memcpy(at, bytes.data(), bytes.size());
    }
};

// Frees the pools that the first stage runs but never arms: the bombers and their shots, the fighters and
// theirs, the upward formations' shots (gated off in play) and the formations' fifth ships.
template <class Rec, size_t N>
void Free(Rec (&pool)[N]) {
    for (Rec& r : pool) {
        r.active = 0;
        r.x = ParkPosition.x;
        r.y = ParkPosition.y;
    }
}
void KeepWhatTheStageArms() {
    Free(Szak10Slots), Free(Szak10Shot1Slots), Free(Szak10Shot2Slots), Free(Szak10Shot3Slots);
    Free(Szak1ASlots), Free(Szak1BSlots), Free(Szak1AShot1Slots), Free(Szak1BShot1Slots);
    Free(Szak32BShot1Slots), Free(Szak33BShot1Slots);
    for (WaveEnemySlot* pool : {Szak30BSlots, Szak31BSlots, Szak32BSlots, Szak33BSlots}) pool[4].active = 0;
}

Snapshot LayOut(bool exploding, bool played) {
    Game_ResetState();
    i32 seed = 0;
    Fill(SzakMixSlots, seed, 30.0f, 100.0f);
    Fill(Szak10Slots, seed, 0.0f, 90.0f);
    Fill(Szak1ASlots, seed, 5.0f, 120.0f);
    Fill(Szak1BSlots, seed, 5.0f, 120.0f);
    Fill(Szak21BSlots, seed, 100.0f, 100.0f);
    Fill(Szak22BSlots, seed, 100.0f, 100.0f);
    Fill(Szak21CSlots, seed, 200.0f, 200.0f);
    Fill(Szak22CSlots, seed, -200.0f, 200.0f);
    for (WaveEnemySlot* pool : {Szak30BSlots, Szak31BSlots, Szak32BSlots, Szak33BSlots})
        for (i32 k = 0; k < 5; ++k) {
            pool[k].active = 1;
            pool[k].x = Column(seed);
            pool[k].y = Row(seed++);
            pool[k].scriptTime = static_cast<f32>(k * 20);
        }
    if (exploding) {
        for (MixEnemySlot& e : SzakMixSlots) e.hit = 1;
        for (EnemySlot* pool : {Szak10Slots, Szak1ASlots, Szak1BSlots, Szak21BSlots, Szak22BSlots})
            for (i32 k = 0; k < 2; ++k) pool[k].hit = 1;
        for (WaveEnemySlot* pool : {Szak21CSlots, Szak22CSlots, Szak30BSlots, Szak31BSlots, Szak32BSlots, Szak33BSlots})
            for (i32 k = 0; k < 5; ++k) pool[k].hit = 1;
    }
    Fill(SzakMixShot1Slots, seed, 0.0f, 0.0f);
    Fill(SzakMixShot2Slots, seed, 0.0f, 0.0f);
    Fill(Szak10Shot1Slots, seed, 0.0f, 0.0f);
    Fill(Szak10Shot2Slots, seed, 0.0f, 0.0f);
    for (CurlFanShotSlot& s : Szak10Shot1Slots) s.speed = 230.0f;
    for (CurlFanShotSlot& s : Szak10Shot2Slots) s.speed = 230.0f;
    Fill(Szak10Shot3Slots, seed, 0.0f, 160.0f);
    Fill(Szak1AShot1Slots, seed, 0.0f, 0.0f);
    Fill(Szak1BShot1Slots, seed, 0.0f, 0.0f);
    for (AimedShotSlot* set : {Szak30BShot1Slots, Szak31BShot1Slots, Szak32BShot1Slots, Szak33BShot1Slots})
        for (i32 k = 0; k < 5; ++k) {
            set[k].active = 1;
            set[k].x = Column(seed);
            set[k].y = Row(seed++);
            set[k].speed = 250.0f;
            set[k].heading = 1.0f;
        }
    Fill(Szak21BShot1Slots, seed, 150.0f, 150.0f);
    Fill(Szak22BShot1Slots, seed, -150.0f, 150.0f);
    for (BulletSlot* set : {Szak21CShot1Slots, Szak21CShot2Slots, Szak21CShot3Slots, Szak21CShot4Slots,
                            Szak22CShot1Slots, Szak22CShot2Slots, Szak22CShot3Slots, Szak22CShot4Slots})
        for (i32 k = 0; k < 5; ++k) {
            set[k].active = 1;
            set[k].x = Column(seed);
            set[k].y = Row(seed++);
            set[k].vx = 20.0f;
            set[k].vy = 130.0f;
        }
    PlayerState.x = 380.0f;
    PlayerState.y = 480.0f;
    PlayerState.alive = 1;
    if (played) KeepWhatTheStageArms();

    Snapshot s;
    s.Keep(SzakMixSlots), s.Keep(Szak10Slots), s.Keep(Szak1ASlots), s.Keep(Szak1BSlots);
    s.Keep(Szak21BSlots), s.Keep(Szak22BSlots), s.Keep(Szak21CSlots), s.Keep(Szak22CSlots);
    s.Keep(Szak30BSlots), s.Keep(Szak31BSlots), s.Keep(Szak32BSlots), s.Keep(Szak33BSlots);
    s.Keep(SzakMixShot1Slots), s.Keep(SzakMixShot2Slots), s.Keep(Szak10Shot1Slots), s.Keep(Szak10Shot2Slots);
    s.Keep(Szak10Shot3Slots), s.Keep(Szak1AShot1Slots), s.Keep(Szak1BShot1Slots);
    s.Keep(Szak30BShot1Slots), s.Keep(Szak31BShot1Slots), s.Keep(Szak32BShot1Slots), s.Keep(Szak33BShot1Slots);
    s.Keep(Szak21BShot1Slots), s.Keep(Szak22BShot1Slots);
    s.Keep(Szak21CShot1Slots), s.Keep(Szak21CShot2Slots), s.Keep(Szak21CShot3Slots), s.Keep(Szak21CShot4Slots);
    s.Keep(Szak22CShot1Slots), s.Keep(Szak22CShot2Slots), s.Keep(Szak22CShot3Slots), s.Keep(Szak22CShot4Slots);
    return s;
}

// The first stage's escort block, in its order.
constexpr i32 kMixPattern[9] = {1, 2, 2, 3, 4, 5, 6, 7, 8};
constexpr i32 kMixLook[9] = {1, 1, 1, 2, 2, 0, 0, 0, 0};
constexpr i32 kShot1Style[9] = {0, 1, 1, 0, 0, 0, 0, 1, 1};
constexpr i32 kShot2Slots[6] = {1, 2, 3, 4, 7, 8};
constexpr i32 kShot2Style[9] = {0, 0, 0, 1, 1, 0, 0, 0, 0};

// The frame's family calls, each an update and a draw, in the stage's order.
struct Call {
    void (*update)();
    void (*draw)();
};
#define PAIR(family) {[] { family##_Update(0); }, [] { family##_Draw(0); }}
#define PAIR2(family) {[] { family##_Update(0, 0); }, [] { family##_Draw(0, 0); }}
const Call kShips[] = {
    {[] { Szak10_Update(0), Szak10_Update(0); }, [] { Szak10_Draw(0); }},
    PAIR(Szak21B), PAIR(Szak22B), PAIR(Szak1A), PAIR(Szak1B), PAIR(Szak30B), PAIR(Szak31B), PAIR(Szak32B),
    PAIR(Szak33B), PAIR(Szak21C), PAIR(Szak22C),
};
const Call kShots[] = {
    PAIR(Szak1AShot1),  PAIR(Szak1BShot1),  PAIR(Szak30BShot1), PAIR(Szak31BShot1), PAIR(Szak32BShot1),
    PAIR(Szak33BShot1), PAIR(Szak21CShot1), PAIR(Szak21CShot2), PAIR(Szak21CShot3), PAIR(Szak21CShot4),
    PAIR(Szak22CShot1), PAIR(Szak22CShot2), PAIR(Szak22CShot3), PAIR(Szak22CShot4), PAIR2(Szak10Shot3),
    PAIR(Szak10Shot1),  PAIR(Szak10Shot2),  PAIR2(Szak21BShot1), PAIR2(Szak22BShot1),
};
#undef PAIR
#undef PAIR2

// One frame of the block; without `draws`, the families' own work alone.
void EscortFrame(bool draws) {
    for (i32 s = 0; s < 9; ++s) {
        SzakMix_Update(s, kMixPattern[s]);
        if (draws) SzakMix_Draw(s, kMixLook[s]);
    }
    for (const Call& c : kShips) {
        c.update();
        if (draws) c.draw();
    }
    for (i32 s = 0; s < 9; ++s) {
        SzakMixShot1_Update(s);
        if (draws) SzakMixShot1_Draw(s, kShot1Style[s]);
    }
    for (i32 s : kShot2Slots) {
        SzakMixShot2_Update(s);
        if (draws) SzakMixShot2_Draw(s, kShot2Style[s]);
    }
    for (const Call& c : kShots) {
        c.update();
        if (draws) c.draw();
    }
}

i32 LiveRecords() {
    i32 n = 0;
    auto count = [&](const auto& pool) {
        for (const auto& r : pool) n += r.active != 0;
    };
    count(SzakMixSlots), count(Szak10Slots), count(Szak1ASlots), count(Szak1BSlots), count(Szak21BSlots);
    count(Szak22BSlots), count(Szak21CSlots), count(Szak22CSlots), count(Szak30BSlots), count(Szak31BSlots);
    count(Szak32BSlots), count(Szak33BSlots), count(SzakMixShot1Slots), count(SzakMixShot2Slots);
    count(Szak10Shot1Slots), count(Szak10Shot2Slots), count(Szak10Shot3Slots), count(Szak1AShot1Slots);
    count(Szak1BShot1Slots), count(Szak30BShot1Slots), count(Szak31BShot1Slots), count(Szak32BShot1Slots);
    count(Szak33BShot1Slots), count(Szak21BShot1Slots), count(Szak22BShot1Slots), count(Szak21CShot1Slots);
    count(Szak21CShot2Slots), count(Szak21CShot3Slots), count(Szak21CShot4Slots), count(Szak22CShot1Slots);
    count(Szak22CShot2Slots), count(Szak22CShot3Slots), count(Szak22CShot4Slots);
    return n;
}

void Run(benchmark::State& state, bool exploding, bool draws = true, bool played = false) {
    if (!Started()) {
        state.SkipWithError("the program did not start");
        return;
    }
    FrameTime = 1.0f / 60;
    const Snapshot snapshot = LayOut(exploding, played);
    const i32 live = LiveRecords();
    for (auto _ : state) {
        state.PauseTiming();
        snapshot.Restore();
        PlayerState.alive = 1;
        state.ResumeTiming();
        EscortFrame(draws);
    }
    state.counters["records"] = live;
    state.SetItemsProcessed(state.iterations() * live);
}

void BM_EnemyStage1Frame(benchmark::State& state) { Run(state, false); }
BENCHMARK(BM_EnemyStage1Frame)->Unit(benchmark::kMicrosecond);

void BM_EnemyStage1FrameExploding(benchmark::State& state) { Run(state, true); }
BENCHMARK(BM_EnemyStage1FrameExploding)->Unit(benchmark::kMicrosecond);

// The same frame without its draws: the families' own work, the blitters left out.
void BM_EnemyStage1FrameNoDraws(benchmark::State& state) { Run(state, false, false); }
BENCHMARK(BM_EnemyStage1FrameNoDraws)->Unit(benchmark::kMicrosecond);

// Only the pools that the stage itself fills, every one of them full: the busiest frame it can show.
void BM_EnemyStage1FramePlayedPools(benchmark::State& state) { Run(state, false, true, true); }
BENCHMARK(BM_EnemyStage1FramePlayedPools)->Unit(benchmark::kMicrosecond);

}  // namespace
