// The cost of a stage frame over the headless backend: its backdrop layers of 5000 tiles each (all but
// a few off the clip rectangle), the star field, the boss, the ship and the HUD, presented.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "el/elDraw.h"
#include "el/elSystem.h"
#include "game/common/stage_state.h"
#include "game/player/player.h"
#include "game/shell/shell.h"
#include "game/stage/backdrop.h"
#include "game/stage/backdrop_data.h"
#include "game/stage/boss.h"
#include "game/stage/stage_frame.h"
#include "host/files.h"
#include "host/headless/headless.h"
#include "host/window.h"
#include "bench_program.h"

namespace {

// Starts the program headless and stands it in the first stage's boss section.
bool StartInStageOne() {
    if (!kb::StartProgram()) return false;
    kb::NewGameInStage(ModeStage1, 1);
    StageState.backdropMode = 0;
    ModeChanged = 0;
    StageState.musicFrame = 1;
    return true;
}

// One frame of the first stage with its boss at rest on the screen and taking fire.
void BM_StageFrame(benchmark::State& state) {
    if (!StartInStageOne()) {
        state.SkipWithError("the program did not start");
        return;
    }
    FrameTime = 1.0f / 60;
    StageState.distance = 2000;
    for (int i = 0; i < 600; ++i) Stage1_Run();  // the boss comes down and rests at (180, 0)
    for (auto _ : state) {
        StageState.distance = 2000;
        Boss11State.hp = 900;
        Stage1_Run();
    }
    state.SetLabel("2 layers + stars + boss + HUD");
}
BENCHMARK(BM_StageFrame)->Unit(benchmark::kMicrosecond);

// One backdrop layer alone: 5000 tiles advanced, the one or two on the screen blitted.
void BM_BackdropLayer(benchmark::State& state) {
    if (!StartInStageOne()) {
        state.SkipWithError("the program did not start");
        return;
    }
    FrameTime = 1.0f / 60;
    StageState.distance = 500;  // two speed rows hold
    for (auto _ : state) Backdrop3_Draw();
    state.SetItemsProcessed(state.iterations() * 5000);
}
BENCHMARK(BM_BackdropLayer)->Unit(benchmark::kMicrosecond);

// The same layer with every tile off the clip rectangle: the advance alone.
void BM_BackdropLayerOffClip(benchmark::State& state) {
    if (!StartInStageOne()) {
        state.SkipWithError("the program did not start");
        return;
    }
    FrameTime = 0;
    StageState.distance = 500;
    for (BackdropTile& t : Backdrop3Tiles) t.y = -10000;
    for (auto _ : state) Backdrop3_Draw();
    state.SetItemsProcessed(state.iterations() * 5000);
}
BENCHMARK(BM_BackdropLayerOffClip)->Unit(benchmark::kMicrosecond);

void BM_StarField(benchmark::State& state) {
    if (!StartInStageOne()) {
        state.SkipWithError("the program did not start");
        return;
    }
    FrameTime = 1.0f / 60;
    for (auto _ : state) StarField_Update(80, 80);
}
BENCHMARK(BM_StarField)->Unit(benchmark::kMicrosecond);

}  // namespace
