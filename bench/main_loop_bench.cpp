// The cost of the main loop's own work.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <iterator>

#include "el/elSystem.h"
#include "game/shell/shell.h"
#include "host/headless/headless.h"
#include "host/window.h"
#include "bench_program.h"

namespace {

// Keeps the scene table as it was and gives it back at the end of a benchmark that empties it.
struct Scenes {
    SceneFn saved[13];
    Scenes() { std::copy(std::begin(SceneTable), std::end(SceneTable), std::begin(saved)); }
    ~Scenes() { std::copy(std::begin(saved), std::end(saved), std::begin(SceneTable)); }
};

// One idle pass: the pass clock, the gate saying "not yet", the bookkeeping.
void BM_IdlePass(benchmark::State& state) {
    kb::EndProgram();  // the pump alone, without a program window
    const Scenes scenes;
    host::headless::Reset();
    host::ClearQueue();
    elSystem::ResetGlobals();
    GameMode = 1;
    PrevMode = 1;
    for (auto& s : SceneTable) s = nullptr;
    FrameTimer.sleepEnabled = 0;
    elSystem::SetFrameRate(60);
    for (auto _ : state) {
        WinMain_Pass();  // the virtual clock stands still, so the gate stays closed
    }
}
BENCHMARK(BM_IdlePass);

// One turn of the pump when nothing is waiting: the message check plus the pass.
void BM_IdlePumpTurn(benchmark::State& state) {
    kb::EndProgram();
    const Scenes scenes;
    host::headless::Reset();
    host::ClearQueue();
    elSystem::ResetGlobals();
    AppActive = 1;
    GameMode = 1;
    PrevMode = 1;
    for (auto& s : SceneTable) s = nullptr;
    FrameTimer.sleepEnabled = 0;
    host::headless::SetIdleCostMicros(0);
    elSystem::SetFrameRate(60);
    i32 code = 0;
    for (auto _ : state) benchmark::DoNotOptimize(WinMain_PumpOnce(&code));
}
BENCHMARK(BM_IdlePumpTurn);

}  // namespace
