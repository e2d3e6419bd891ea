// The cost of one frame of the saucers, Szak12, Szak13, Szak52 and the A formations with every pool full:
// every ship and every shot record live inside the field, each family and set updated and drawn.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>

#include "el/draw/screen.h"
#include "el/elDraw.h"
#include "el/elSystem.h"
#include "game/common/player_state.h"
#include "game/common/state.h"
#include "game/enemy/szak12.h"
#include "game/enemy/szak13.h"
#include "game/enemy/szak30a.h"
#include "game/enemy/szak52.h"
#include "game/enemy/szak6.h"
#include "game/shell/shell.h"
#include "host/files.h"
#include "host/headless/headless.h"
#include "host/window.h"
#include "bench_program.h"

namespace {

// Record i of a pool placed live somewhere in the field, away from the ship.
template <class R, size_t N>
void Fill(R (&pool)[N], f32 top) {
    for (size_t i = 0; i < N; ++i) {
        pool[i].active = 1;
        pool[i].x = 230.0f + static_cast<f32>((i * 37) % 300);
        pool[i].y = top + static_cast<f32>((i * 23) % 200);
        if constexpr (requires { pool[i].speed; }) {
            pool[i].speed = 200.0f;
            pool[i].heading = 1.0f;
        } else {
            pool[i].vy = 100.0f;
        }
    }
}

void FillEveryPool() {
    Fill(Szak6ASlots, 50); Fill(Szak6BSlots, 50); Fill(Szak12Slots, 50); Fill(Szak13ASlots, 50);
    Fill(Szak13BSlots, 50); Fill(Szak52ASlots, 50); Fill(Szak52BSlots, 50);
    Fill(Szak30ASlots, 50); Fill(Szak31ASlots, 50); Fill(Szak32ASlots, 50); Fill(Szak33ASlots, 50);
    Fill(Szak6AShot1Slots, 100); Fill(Szak6AShot2Slots, 100); Fill(Szak6AShot3Slots, 100);
    Fill(Szak6AShot4Slots, 100); Fill(Szak6AShot5Slots, 100); Fill(Szak6AShot6Slots, 100);
    Fill(Szak6AShot7Slots, 100); Fill(Szak6BShot1Slots, 100); Fill(Szak6BShot2Slots, 100);
    Fill(Szak6BShot3Slots, 100); Fill(Szak6BShot4Slots, 100); Fill(Szak6BShot5Slots, 100);
    Fill(Szak6BShot6Slots, 100); Fill(Szak6BShot7Slots, 100);
    Fill(Szak12Shot1Slots, 100); Fill(Szak12Shot2Slots, 100); Fill(Szak12Shot3Slots, 100);
    Fill(Szak12Shot4Slots, 100); Fill(Szak12Shot5Slots, 100); Fill(Szak12Shot6Slots, 100);
    Fill(Szak12Shot7Slots, 100); Fill(Szak12Shot8Slots, 100); Fill(Szak12Shot9Slots, 100);
    Fill(Szak12Shot10Slots, 100);
    Fill(Szak13AShot1Slots, 100); Fill(Szak13AShot2Slots, 100); Fill(Szak13AShot3Slots, 100);
    Fill(Szak13AShot4Slots, 100); Fill(Szak13AShot5Slots, 100); Fill(Szak13AShot6Slots, 100);
    Fill(Szak13BShot1Slots, 100); Fill(Szak13BShot2Slots, 100); Fill(Szak13BShot3Slots, 100);
    Fill(Szak13BShot4Slots, 100); Fill(Szak13BShot5Slots, 100); Fill(Szak13BShot6Slots, 100);
    Fill(Szak52AShot1Slots, 100); Fill(Szak52AShot2Slots, 100); Fill(Szak52AShot3Slots, 100);
    Fill(Szak52AShot4Slots, 100); Fill(Szak52AShot5Slots, 100); Fill(Szak52AShot6Slots, 100);
    Fill(Szak52AShot7Slots, 100); Fill(Szak52AShot8Slots, 100);
    Fill(Szak52BShot1Slots, 100); Fill(Szak52BShot2Slots, 100); Fill(Szak52BShot3Slots, 100);
    Fill(Szak52BShot4Slots, 100); Fill(Szak52BShot5Slots, 100); Fill(Szak52BShot6Slots, 100);
    Fill(Szak52BShot7Slots, 100); Fill(Szak52BShot8Slots, 100);
    Fill(Szak30AShot1Slots, 100); Fill(Szak30AShot2Slots, 100); Fill(Szak31AShot1Slots, 100);
    Fill(Szak31AShot2Slots, 100); Fill(Szak32AShot1Slots, 100); Fill(Szak32AShot2Slots, 100);
    Fill(Szak33AShot1Slots, 100); Fill(Szak33AShot2Slots, 100);
    PlayerState.alive = 1;
    PlayerState.x = 0.0f;  // out of reach of every shot
    PlayerState.y = 0.0f;
}

void UpdateAll() {
    Szak6A_Update(0); Szak6B_Update(0); Szak6AShot1_Update(0); Szak6AShot2_Update(0); Szak6AShot3_Update(0);
    Szak6AShot4_Update(0); Szak6AShot5_Update(0); Szak6AShot6_Update(0); Szak6AShot7_Update(0);
    Szak6BShot1_Update(0); Szak6BShot2_Update(0); Szak6BShot3_Update(0); Szak6BShot4_Update(0);
    Szak6BShot5_Update(0); Szak6BShot6_Update(0); Szak6BShot7_Update(0); Szak12_Update(0);
    Szak12Shot1_Update(0); Szak12Shot2_Update(0); Szak12Shot3_Update(0); Szak12Shot4_Update(0);
    Szak12Shot5_Update(0); Szak12Shot6_Update(0, 0); Szak12Shot7_Update(0, 0); Szak12Shot8_Update(0, 0);
    Szak12Shot9_Update(0, 0); Szak12Shot10_Update(0, 0); Szak13A_Update(0); Szak13B_Update(0);
    Szak13AShot1_Update(0); Szak13AShot2_Update(0); Szak13AShot3_Update(0); Szak13AShot4_Update(0);
    Szak13AShot5_Update(0); Szak13AShot6_Update(0); Szak13BShot1_Update(0); Szak13BShot2_Update(0);
    Szak13BShot3_Update(0); Szak13BShot4_Update(0); Szak13BShot5_Update(0); Szak13BShot6_Update(0);
    Szak52A_Update(0); Szak52B_Update(0); Szak52AShot1_Update(0); Szak52AShot2_Update(0);
    Szak52AShot3_Update(0); Szak52AShot4_Update(0); Szak52AShot5_Update(0); Szak52AShot6_Update(0);
    Szak52AShot7_Update(0); Szak52AShot8_Update(0); Szak52BShot1_Update(0); Szak52BShot2_Update(0);
    Szak52BShot3_Update(0); Szak52BShot4_Update(0); Szak52BShot5_Update(0); Szak52BShot6_Update(0);
    Szak52BShot7_Update(0); Szak52BShot8_Update(0); Szak30A_Update(0); Szak31A_Update(0); Szak32A_Update(0);
    Szak33A_Update(0); Szak30AShot1_Update(0); Szak30AShot2_Update(0); Szak31AShot1_Update(0);
    Szak31AShot2_Update(0); Szak32AShot1_Update(0); Szak32AShot2_Update(0); Szak33AShot1_Update(0);
    Szak33AShot2_Update(0);
}

void DrawAll() {
    Szak6A_Draw(0); Szak6B_Draw(0); Szak6AShot1_Draw(0); Szak6AShot2_Draw(0); Szak6AShot3_Draw(0);
    Szak6AShot4_Draw(0); Szak6AShot5_Draw(0); Szak6AShot6_Draw(0); Szak6AShot7_Draw(0); Szak6BShot1_Draw(0);
    Szak6BShot2_Draw(0); Szak6BShot3_Draw(0); Szak6BShot4_Draw(0); Szak6BShot5_Draw(0); Szak6BShot6_Draw(0);
    Szak6BShot7_Draw(0); Szak12_Draw(0); Szak12Shot1_Draw(0); Szak12Shot2_Draw(0); Szak12Shot3_Draw(0);
    Szak12Shot4_Draw(0); Szak12Shot5_Draw(0); Szak12Shot6_Draw(0, 0); Szak12Shot7_Draw(0, 0);
    Szak12Shot8_Draw(0, 0); Szak12Shot9_Draw(0, 0); Szak12Shot10_Draw(0, 0); Szak13A_Draw(0); Szak13B_Draw(0);
    Szak13AShot1_Draw(0); Szak13AShot2_Draw(0); Szak13AShot3_Draw(0); Szak13AShot4_Draw(0);
    Szak13AShot5_Draw(0); Szak13AShot6_Draw(0); Szak13BShot1_Draw(0); Szak13BShot2_Draw(0);
    Szak13BShot3_Draw(0); Szak13BShot4_Draw(0); Szak13BShot5_Draw(0); Szak13BShot6_Draw(0); Szak52A_Draw(0);
    Szak52B_Draw(0); Szak52AShot1_Draw(0); Szak52AShot2_Draw(0); Szak52AShot3_Draw(0); Szak52AShot4_Draw(0);
    Szak52AShot5_Draw(0); Szak52AShot6_Draw(0); Szak52AShot7_Draw(0); Szak52AShot8_Draw(0);
    Szak52BShot1_Draw(0); Szak52BShot2_Draw(0); Szak52BShot3_Draw(0); Szak52BShot4_Draw(0);
    Szak52BShot5_Draw(0); Szak52BShot6_Draw(0); Szak52BShot7_Draw(0); Szak52BShot8_Draw(0); Szak30A_Draw(0);
    Szak31A_Draw(0); Szak32A_Draw(0); Szak33A_Draw(0); Szak30AShot1_Draw(0); Szak30AShot2_Draw(0);
    Szak31AShot1_Draw(0); Szak31AShot2_Draw(0); Szak32AShot1_Draw(0); Szak32AShot2_Draw(0);
    Szak33AShot1_Draw(0); Szak33AShot2_Draw(0);
}

void BM_EnemyFamilies2FullFrame(benchmark::State& state) {
    if (!kb::StartProgram()) {
        state.SkipWithError("the program did not start");
        return;
    }
    Game_ResetState();
    FxAdditive = 1;
    FrameTime = 0.016f;
    for (auto _ : state) {
        state.PauseTiming();
        FillEveryPool();
        state.ResumeTiming();
        UpdateAll();
        DrawAll();
    }
}
BENCHMARK(BM_EnemyFamilies2FullFrame)->Unit(benchmark::kMicrosecond);

// The same frame without the blits: the families' own work.
void BM_EnemyFamilies2FullUpdate(benchmark::State& state) {
    Game_ResetState();
    FrameTime = 0.016f;
    for (auto _ : state) {
        state.PauseTiming();
        FillEveryPool();
        state.ResumeTiming();
        UpdateAll();
    }
}
BENCHMARK(BM_EnemyFamilies2FullUpdate)->Unit(benchmark::kMicrosecond);

}  // namespace
