// The per-frame cost (update and draw) of the Stream, RotChain and Lightning families with their pools
// full and live on the screen, by the number of live records.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>

#include "el/elDraw.h"
#include "el/elSystem.h"
#include "game/bossfire/lightning.h"
#include "game/bossfire/lightning_data.h"
#include "game/bossfire/rotchain.h"
#include "game/bossfire/rotchain_data.h"
#include "game/bossfire/stream.h"
#include "game/bossfire/stream_data.h"
#include "game/common/player_state.h"
#include "game/shell/shell.h"
#include "host/files.h"
#include "host/headless/headless.h"
#include "host/window.h"
#include "bench_program.h"

namespace {

// The program started headless (pictures loaded, back buffer ready) with every pool freed.
bool Start() {
    if (!kb::StartProgram()) return false;
    Game_ResetState();
    Game_ResetPools();
    PlayerState.x = 700;  // out of reach of every record: nothing is struck
    PlayerState.y = 10;
    PlayerState.alive = 1;
    FrameTime = 1.0f / 60.0f;
    return true;
}

StreamBall* const kStreams[20] = {Boss31Stream1, Boss31Stream2, Boss31Stream3, Boss31Stream4, Boss31Stream5,
                                  Boss31Stream6, Boss31Stream7, Boss31Stream8, Boss41Stream1, Boss41Stream2,
                                  Boss41Stream3, Boss41Stream4, Boss41Stream5, Boss41Stream6, Boss51Stream1,
                                  Boss51Stream2, Boss51Stream3, Boss51Stream4, Boss51Stream5, Boss51Stream6};
void (*const kStreamFrame[20][2])(i32) = {
    {Boss31Stream1_Update, Boss31Stream1_Draw}, {Boss31Stream2_Update, Boss31Stream2_Draw},
    {Boss31Stream3_Update, Boss31Stream3_Draw}, {Boss31Stream4_Update, Boss31Stream4_Draw},
    {Boss31Stream5_Update, Boss31Stream5_Draw}, {Boss31Stream6_Update, Boss31Stream6_Draw},
    {Boss31Stream7_Update, Boss31Stream7_Draw}, {Boss31Stream8_Update, Boss31Stream8_Draw},
    {Boss41Stream1_Update, Boss41Stream1_Draw}, {Boss41Stream2_Update, Boss41Stream2_Draw},
    {Boss41Stream3_Update, Boss41Stream3_Draw}, {Boss41Stream4_Update, Boss41Stream4_Draw},
    {Boss41Stream5_Update, Boss41Stream5_Draw}, {Boss41Stream6_Update, Boss41Stream6_Draw},
    {Boss51Stream1_Update, Boss51Stream1_Draw}, {Boss51Stream2_Update, Boss51Stream2_Draw},
    {Boss51Stream3_Update, Boss51Stream3_Draw}, {Boss51Stream4_Update, Boss51Stream4_Draw},
    {Boss51Stream5_Update, Boss51Stream5_Draw}, {Boss51Stream6_Update, Boss51Stream6_Draw},
};
RotChainLink* const kChains[6] = {Boss41RotChain1, Boss41RotChain2, Boss41RotChain3,
                                  Boss41RotChain4, Boss51RotChain1, Boss51RotChain2};
void (*const kChainFrame[6][2])(i32) = {
    {Boss41RotChain1_Update, Boss41RotChain1_Draw}, {Boss41RotChain2_Update, Boss41RotChain2_Draw},
    {Boss41RotChain3_Update, Boss41RotChain3_Draw}, {Boss41RotChain4_Update, Boss41RotChain4_Draw},
    {Boss51RotChain1_Update, Boss51RotChain1_Draw}, {Boss51RotChain2_Update, Boss51RotChain2_Draw},
};
LightningNode* const kBolts[6] = {Boss4BLightning1, Boss4BLightning2, Boss4BLightning3,
                                  Boss4BLightning4, Boss4BLightning5, Boss4BLightning6};
void (*const kBoltFrame[6][2])(i32) = {
    {Boss4BLightning1_Update, Boss4BLightning1_Draw}, {Boss4BLightning2_Update, Boss4BLightning2_Draw},
    {Boss4BLightning3_Update, Boss4BLightning3_Draw}, {Boss4BLightning4_Update, Boss4BLightning4_Draw},
    {Boss4BLightning5_Update, Boss4BLightning5_Draw}, {Boss4BLightning6_Update, Boss4BLightning6_Draw},
};

// `live` balls of every stream family in flight in the middle of their paths, spread over the field.
void FillStreams(i32 live) {
    for (i32 f = 0; f < 20; ++f)
        for (i32 k = 0; k < 50; ++k)
            kStreams[f][k] = StreamBall{230 + (k * 7 + f * 13) % 330, 100 + (k * 11) % 300, 25.0f, k < live};
}
// Every piece of the first `families` chains in flight, turning, on the screen.
void FillChains(i32 families) {
    for (i32 f = 0; f < 6; ++f)
        for (i32 k = 0; k < 7; ++k)
            kChains[f][k] = RotChainLink{250.0f + 40 * f, 150.0f + 30 * k, 9, 9, -1.0f, 170, 5.0f, f < families};
}
void FillBolts(i32 families) {
    for (i32 f = 0; f < 6; ++f)
        for (i32 k = 0; k < 6; ++k)
            kBolts[f][k] = LightningNode{250.0f + 50 * k, 100.0f + 60 * f, 10, 10, 0.3f, 300, f < families};
}

// Every family of a table for one frame: its update, then (unless `Draw` is false) its draw.
template <bool Draw = true, size_t N>
void Frame(void (*const (&table)[N][2])(i32)) {
    for (const auto& fr : table) {
        fr[0](0);
        if constexpr (Draw) fr[1](0);
    }
}
template <bool Draw = true>
void AllFrame() {
    Frame<Draw>(kStreamFrame);
    Frame<Draw>(kChainFrame);
    Frame<Draw>(kBoltFrame);
}
void FillAll() {
    FillStreams(50);
    FillChains(6);
    FillBolts(6);
}

// One frame of the pools that `fill(n)` makes live before every pass, n = state.range(0); `perN` records
// live for each n.
template <class Fill, class Run>
void LiveFrame(benchmark::State& state, Fill fill, Run frame, i32 perN) {
    if (!Start()) return state.SkipWithError("no program");
    const i32 n = static_cast<i32>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        fill(n);
        state.ResumeTiming();
        frame();
    }
    state.SetItemsProcessed(state.iterations() * perN * n);
    state.SetComplexityN(perN * n);
}

// Balls live per family: 1 to 50 (20 families).
void BM_StreamsFrame(benchmark::State& state) {
    LiveFrame(state, FillStreams, [] { Frame(kStreamFrame); }, 20);
}
BENCHMARK(BM_StreamsFrame)->Arg(1)->Arg(10)->Arg(25)->Arg(50)->Complexity(benchmark::oN);

// Chains in flight: 1 to 6 families of seven pieces.
void BM_ChainsFrame(benchmark::State& state) {
    LiveFrame(state, FillChains, [] { Frame(kChainFrame); }, 7);
}
BENCHMARK(BM_ChainsFrame)->DenseRange(1, 6)->Complexity(benchmark::oN);

// Bolts in flight: 1 to 6 families of six nodes.
void BM_LightningFrame(benchmark::State& state) {
    LiveFrame(state, FillBolts, [] { Frame(kBoltFrame); }, 6);
}
BENCHMARK(BM_LightningFrame)->DenseRange(1, 6)->Complexity(benchmark::oN);

// The whole set at once: 1000 balls, 42 chain pieces and 36 lightning nodes live.
void BM_PathKindsAllFull(benchmark::State& state) {
    if (!Start()) return state.SkipWithError("no program");
    for (auto _ : state) {
        state.PauseTiming();
        FillAll();
        state.ResumeTiming();
        AllFrame();
    }
    state.SetItemsProcessed(state.iterations() * (1000 + 42 + 36));
}
BENCHMARK(BM_PathKindsAllFull);

// The same set without the draws: what the engines themselves cost.
void BM_PathKindsAllFullUpdateOnly(benchmark::State& state) {
    if (!Start()) return state.SkipWithError("no program");
    for (auto _ : state) {
        state.PauseTiming();
        FillAll();
        state.ResumeTiming();
        AllFrame<false>();
    }
    state.SetItemsProcessed(state.iterations() * (1000 + 42 + 36));
}
BENCHMARK(BM_PathKindsAllFullUpdateOnly);

// Every pool free: the walk over parked records that every stage frame pays.
void BM_PathKindsAllFree(benchmark::State& state) {
    if (!Start()) return state.SkipWithError("no program");
    for (auto _ : state) AllFrame();
}
BENCHMARK(BM_PathKindsAllFree);

}  // namespace
