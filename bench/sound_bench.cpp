// The mixer's cost, the delay from a play request to the output, and the synthesiser's start-up.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <string>
#include <vector>

#include "el/elSound.h"
#include "el/elSystem.h"
#include "host/headless/headless.h"
#include "host/mci.h"
#include "host/midisynth.h"
#include "host/mixer.h"
#include "bench_program.h"

namespace {

namespace hl = host::headless;
namespace mx = host::mixer;

mx::Buffer* NoiseBuffer(u32 rate, u16 channels, u32 frames, u32 seed) {
    mx::Buffer* b = mx::Create({channels, rate, 16}, frames * channels * 2);
    void *p1, *p2;
    u32 n1, n2;
    mx::Lock(b, 0, frames * channels * 2, &p1, &n1, &p2, &n2);
    i16* s = static_cast<i16*>(p1);
    for (u32 i = 0; i < frames * channels; ++i) {
        seed = seed * 1664525u + 1013904223u;
        s[i] = static_cast<i16>(seed >> 20) - 2048;
    }
    mx::Unlock(b);
    return b;
}

// One second of output with 32 buffers playing, every one resampled, with its own volume and pan.
// The "core_share_%" counter is the share of one core that the mix takes in real time.
void BM_MixerSecondOf32Buffers(benchmark::State& state) {
    kb::EndProgram();  // the mixer alone, no program playing into it
    hl::Reset();
    std::vector<mx::Buffer*> bufs;
    for (int i = 0; i < 32; ++i) {
        mx::Buffer* b = NoiseBuffer(i % 2 ? 22050 : 11025, static_cast<u16>(1 + i % 2), 20000, static_cast<u32>(i));
        mx::SetFrequency(b, static_cast<u32>(9000 + 1733 * i));
        mx::SetVolume(b, -100 * (i % 7));
        mx::SetPan(b, -3000 + 200 * i);
        mx::Play(b, true);
        bufs.push_back(b);
    }
    std::vector<i16> out(mx::kBlockFrames * 2);
    const int blocks = (mx::kOutputRate + mx::kBlockFrames - 1) / mx::kBlockFrames;
    double seconds = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        for (int k = 0; k < blocks; ++k) mx::MixInto(out.data(), mx::kBlockFrames);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        benchmark::DoNotOptimize(out.data());
    }
    const double outputSeconds = static_cast<double>(blocks) * mx::kBlockFrames / mx::kOutputRate;
    state.counters["core_share_%"] = 100.0 * seconds / (static_cast<double>(state.iterations()) * outputSeconds);
    for (mx::Buffer* b : bufs) mx::Release(b);
}
BENCHMARK(BM_MixerSecondOf32Buffers)->Unit(benchmark::kMillisecond);

// From elSound::Play to the first sample of the sound at the device's output, on the virtual clock
// (the device runs one block at a time): the counter is in milliseconds.
void BM_PlayToOutputLatency(benchmark::State& state) {
    kb::EndProgram();
    hl::Reset();
    elSound::Init();
    elSound::InitObjects();
    elSound::ReleaseAll();
    mx::AcquireDevice();
    mx::Buffer* b = NoiseBuffer(mx::kOutputRate, 1, 4410, 1);
    double worst = 0, total = 0;
    u64 n = 0;
    u64 offset = 0;
    for (auto _ : state) {
        mx::Stop(b);
        mx::SetPosition(b, 0);
        // Requests fall at every point within a block.
        hl::AdvanceMicros(150'000 + (offset += 997) % 11'000);
        hl::ClearCapturedAudio();
        const u64 t0 = hl::ClockMicros();
        mx::Play(b, false);
        while (hl::CapturedAudio().empty()) hl::AdvanceMicros(50);
        const double ms = static_cast<double>(hl::ClockMicros() - t0) / 1000.0;
        worst = std::max(worst, ms);
        total += ms;
        ++n;
    }
    state.counters["worst_ms"] = worst;
    state.counters["mean_ms"] = total / static_cast<double>(n);
    state.counters["block_ms"] = 1000.0 * mx::kBlockFrames / mx::kOutputRate;
    mx::Release(b);
    mx::ReleaseDevice();
}
BENCHMARK(BM_PlayToOutputLatency)->Iterations(200);

// Creating the General MIDI synthesiser and loading its soundfont (once per process).
void BM_SynthStartup(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(host::midisynth::Start());
    state.counters["startup_ms"] = host::midisynth::StartMillis();
    if (!host::midisynth::Running()) state.SkipWithError("no General MIDI soundfont");
}
BENCHMARK(BM_SynthStartup)->Iterations(1);

// One second of output with the synthesiser playing a chord as well as 32 buffers.
void BM_MixerSecondWithMusic(benchmark::State& state) {
    kb::EndProgram();
    hl::Reset();
    if (!host::midisynth::Start()) {
        state.SkipWithError("no General MIDI soundfont");
        return;
    }
    host::midisynth::Send(0xC0, 48, 0);  // strings
    for (u8 note : {48, 55, 60, 64, 67, 72}) host::midisynth::Send(0x90, note, 90);
    mx::SetMusicSource([](void*, float* l, float* r, i32 n) { host::midisynth::RenderAdd(l, r, n); }, nullptr);
    std::vector<i16> out(mx::kBlockFrames * 2);
    const int blocks = (mx::kOutputRate + mx::kBlockFrames - 1) / mx::kBlockFrames;
    double seconds = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        for (int k = 0; k < blocks; ++k) mx::MixInto(out.data(), mx::kBlockFrames);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    }
    state.counters["core_share_%"] = 100.0 * seconds / static_cast<double>(state.iterations());
    host::midisynth::AllSoundsOff();
    mx::SetMusicSource(nullptr, nullptr);
}
BENCHMARK(BM_MixerSecondWithMusic)->Unit(benchmark::kMillisecond);

}  // namespace
