// The per-frame cost of the player's weapons at their fullest, and the cost of the resets.
#include <benchmark/benchmark.h>

#include "el/elSystem.h"
#include "game/enemy/szak21_data.h"
#include "game/enemy/szakmix_data.h"
#include "game/player/collide.h"
#include "game/player/shots.h"
#include "game/shell/shell.h"
#include "game/stage/boss_data.h"

namespace {

// Every shot of the three pools in flight in the field, over enemies and a boss on stage.
void FillTheField() {
    for (i32 i = 0; i < kMainShots; ++i) {
        MainShots[i] = PlayerShot{220 + (i * 7) % 360, 500, 2, 10, 1};
        MainShots2[i] = PlayerShot{220 + (i * 11) % 360, 500, 3, 10, 1};
    }
    for (i32 i = 0; i < kSideShots; ++i) SideShots[i] = SideShot{220 + (i * 3) % 360, 500, 0.0f, 1};
    for (i32 k = 0; k < 15; ++k) {
        SzakMixSlots[k].x = static_cast<f32>(220 + 20 * k);
        SzakMixSlots[k].y = 200;
    }
    for (i32 k = 0; k < 3; ++k) {
        Szak21ASlots[k].x = static_cast<f32>(300 + 50 * k);
        Szak21ASlots[k].y = 300;
    }
    Boss11State.x = 200;
    Boss11State.y = 50;
}

void BM_CollidePlayerWeaponsFull(benchmark::State& state) {
    Game_NewGame();
    Game_ResetState();
    Game_ResetPools();
    PlayMode = 1;
    FrameTime = 0.016f;
    for (auto _ : state) {
        state.PauseTiming();
        FillTheField();
        state.ResumeTiming();
        Collide_PlayerWeapons();
    }
    state.SetItemsProcessed(state.iterations() * (2 * kMainShots + kSideShots));
}
BENCHMARK(BM_CollidePlayerWeaponsFull);

void BM_StageClearResets(benchmark::State& state) {
    for (auto _ : state) {
        Game_ResetState();
        Game_ResetPools();
    }
}
BENCHMARK(BM_StageClearResets);

void BM_NewGame(benchmark::State& state) {
    for (auto _ : state) Game_NewGame();
}
BENCHMARK(BM_NewGame);

}  // namespace
