// How loud the game is where it is loudest: the first stage's boss fight with fire held, the escorts and
// the boss blowing up, mixed headless on the virtual clock exactly as the device would play it. The same
// fight is mixed a second time with the effects muted, which leaves the music alone.
//
// Counters: the share of output samples at full scale, the peak and the RMS of the whole mix (in dBFS), and
// the peak and RMS of the music alone. The music needs a General MIDI soundfont; without one the run is
// skipped.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>
#include <vector>

#include "el/elSound.h"
#include "game/common/images.h"
#include "game/common/player_state.h"
#include "game/common/stage_state.h"
#include "game/shell/shell.h"
#include "game/stage/boss.h"
#include "host/headless/headless.h"
#include "host/midisynth.h"
#include "bench_program.h"

namespace {

namespace hl = host::headless;

struct Levels {
    double clipShare = 0;  // of all samples, 0..1
    i32 peak = 0;
    double rms = 0;
};

Levels Measure(const std::vector<i16>& s) {
    Levels l;
    double sum = 0;
    size_t clipped = 0;
    for (i16 v : s) {
        const i32 a = std::abs(static_cast<i32>(v));
        l.peak = std::max(l.peak, a);
        clipped += a >= 32767;
        sum += static_cast<double>(v) * v;
    }
    if (!s.empty()) {
        l.clipShare = static_cast<double>(clipped) / static_cast<double>(s.size());
        l.rms = std::sqrt(sum / static_cast<double>(s.size()));
    }
    return l;
}

double Dbfs(double v) { return v > 0 ? 20.0 * std::log10(v / 32768.0) : -200.0; }

void Silence(i32 soundNo) {
    const elSound::Object& o = elSound::Objects[soundNo];
    for (u32 i = 0; i < o.mixCount; ++i) elSound::SetVolume(soundNo, -10000, static_cast<i32>(i));
}

// The whole program plays stage 1 from its first frame with fire held: ten seconds of escorts, then the
// boss section for twenty seconds, then the boss's defeat until the stage clears. What the device played.
std::vector<i16> PlayFight(bool effects) {
    kb::EndProgram();  // a fresh start: the music begins at the tune's first note in both runs
    if (!kb::StartProgram()) return {};
    // The soundfont has loaded by the time a player reaches the stage: the music starts with it.
    for (int i = 0; i < 60'000 && host::midisynth::Preloading(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    kb::NewGameInStage(ModeStage1, 1);
    PlayerState.noDeath = 1;
    if (!effects) {
        Silence(sndSHOT);
        Silence(sndBOM);
    }
    hl::KeyDown('C');
    i32 code = 0;
    while (hl::PendingEvents() > 0) WinMain_PumpOnce(&code);
    hl::SetAudioCapture(true);
    hl::ClearCapturedAudio();
    constexpr int kFrame = 1'000'000 / 60;
    for (int f = 0; f < 60 * 40 && GameMode == ModeStage1; ++f) {
        if (f == 60 * 10) StageState.distance = 2000;  // the boss section
        if (f == 60 * 30) Boss11State.hp = 0;          // the defeat
        hl::AdvanceMicros(kFrame);
        WinMain_Pass();
    }
    hl::KeyUp('C');
    while (hl::PendingEvents() > 0) WinMain_PumpOnce(&code);
    std::vector<i16> out = hl::CapturedAudio();
    kb::EndProgram();
    return out;
}

void BM_BossFightLevels(benchmark::State& state) {
    Levels mix, music;
    for (auto _ : state) {
        mix = Measure(PlayFight(true));
        music = Measure(PlayFight(false));
    }
    if (music.rms == 0) {
        state.SkipWithError("no General MIDI soundfont");
        return;
    }
    state.counters["clip_%"] = 100.0 * mix.clipShare;
    state.counters["mix_peak"] = mix.peak;
    state.counters["mix_rms_dBFS"] = Dbfs(mix.rms);
    state.counters["music_peak"] = music.peak;
    state.counters["music_rms"] = music.rms;
    state.counters["music_rms_dBFS"] = Dbfs(music.rms);
}
BENCHMARK(BM_BossFightLevels)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
