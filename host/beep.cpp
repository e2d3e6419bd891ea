#include "host/beep.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "host/backend.h"
#include "host/files.h"
#include "host/mixer.h"
#include "host/report.h"
#include "host/riff.h"

namespace host {
namespace {

constexpr u32 kBeepRate = 22050;
constexpr u32 kBeepFrames = kBeepRate * 12 / 100;
constexpr double kBeepPitch = 880.0;

mixer::Buffer* g_beep = nullptr;
bool g_beepHold = false;

mixer::Buffer* MakeBeep() {
    mixer::Buffer* b = mixer::Create({1, kBeepRate, 16}, kBeepFrames * 2);
    if (!b) return nullptr;
    void *p1, *p2;
    u32 n1, n2;
    if (!mixer::Lock(b, 0, kBeepFrames * 2, &p1, &n1, &p2, &n2)) return b;
    i16* s = static_cast<i16*>(p1);
    const double pi = 3.14159265358979323846;
    const u32 ramp = kBeepRate / 200;  // 5 ms fade in and out so the tone doesn't click
    for (u32 i = 0; i < kBeepFrames; ++i) {
        double env = 1.0;
        if (i < ramp) env = static_cast<double>(i) / ramp;
        if (kBeepFrames - 1 - i < ramp) env = static_cast<double>(kBeepFrames - 1 - i) / ramp;
        s[i] = static_cast<i16>(std::lrint(9000.0 * env * std::sin(2.0 * pi * kBeepPitch * i / kBeepRate)));
    }
    mixer::Unlock(b);
    return b;
}

}  // namespace

void Beep() {
    if (!g_beepHold || !mixer::DeviceOpen()) g_beepHold = mixer::AcquireDevice();
    if (!g_beepHold) return;
    if (!g_beep) g_beep = MakeBeep();
    if (!g_beep) return;
    mixer::Stop(g_beep);
    mixer::SetPosition(g_beep, 0);
    mixer::Play(g_beep, false);
}

void ReleaseBeep() {
    mixer::Release(g_beep);
    g_beep = nullptr;
    if (g_beepHold) mixer::ReleaseDevice();
    g_beepHold = false;
}

bool PlayWaveFileSync(const char* path) {
    if (!path || !*path) return false;
    const std::string resolved = ResolvePath(path);
    RiffReader r;
    if (std::string unreadable; !r.OpenFile(resolved.c_str(), &unreadable)) {
        ReportFileProblem(path, unreadable.c_str());
        return false;
    }
    WaveFormat* fmt = nullptr;
    u8* data = nullptr;
    u32 fmtSize = 0, dataSize = 0;
    if (std::string damaged; !ReadWave(r, &fmt, &fmtSize, &data, &dataSize, &damaged)) {
        ReportFileProblem(path, damaged.c_str());
        return false;
    }
    r.Close();
    const WaveFormat f = *fmt;
    std::free(fmt);
    const std::string why = WaveProblem(f, dataSize);
    const u32 bytes = why.empty() ? dataSize - dataSize % f.blockAlign : 0;
    mixer::Buffer* b = bytes ? mixer::Create({f.channels, f.samplesPerSec, f.bitsPerSample}, bytes) : nullptr;
    if (!b) ReportFileProblem(path, why.empty() ? "no room for the sound" : why.c_str());
    if (!b || !mixer::AcquireDevice()) {
        std::free(data);
        mixer::Release(b);
        return false;
    }
    void *p1, *p2;
    u32 n1, n2;
    if (mixer::Lock(b, 0, bytes, &p1, &n1, &p2, &n2)) {
        std::memcpy(p1, data, n1);
        mixer::Unlock(b);
    }
    std::free(data);
    mixer::Play(b, false);
    // Wait for the end; a device that stops running must not hang the program.
    const u64 limit = static_cast<u64>(bytes / f.blockAlign) * 1'000'000 / f.samplesPerSec + 1'000'000;
    const u64 start = backend::NowMicros();
    while (mixer::IsPlaying(b) && backend::NowMicros() - start < limit) backend::SleepMicros(5000);
    mixer::Release(b);
    mixer::ReleaseDevice();
    return true;
}

}  // namespace host
