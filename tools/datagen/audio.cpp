// The two sound effects, synthesised: a short falling "pew" for the shot and a noise burst for
// explosions, written as canonical RIFF WAVE files (PCM, mono, 16 bits).
#include <algorithm>
#include <cmath>

#include "catalog.h"
#include "noise.h"

namespace datagen {

namespace {
constexpr int kRate = 22050;
constexpr float kPi = 3.14159265358979f;
// The effects' peak levels. The shot restarts every fourth frame and the explosion every frame of a boss's
// defeat, both under the music: together with it they must stay under full scale.
constexpr float kShotLevel = 0.3f;
constexpr float kBombLevel = 0.5f;

std::vector<uint8_t> wavBytes(const std::vector<float>& samples) {
    std::vector<uint8_t> out;
    auto u16 = [&](uint32_t v) {
        out.push_back(static_cast<uint8_t>(v & 0xFF));
        out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
    };
    auto u32 = [&](uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    auto tag = [&](const char* t) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(t[i]));
    };
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    tag("RIFF");
    u32(36 + dataBytes);
    tag("WAVE");
    tag("fmt ");
    u32(16);
    u16(1);              // PCM
    u16(1);              // mono
    u32(kRate);          // samples per second
    u32(kRate * 2);      // bytes per second
    u16(2);              // block align
    u16(16);             // bits per sample
    tag("data");
    u32(dataBytes);
    for (float s : samples) {
        const int v = static_cast<int>(std::lround(std::clamp(s, -1.f, 1.f) * 32767.f));
        u16(static_cast<uint32_t>(static_cast<uint16_t>(static_cast<int16_t>(v))));
    }
    return out;
}
}  // namespace

std::vector<uint8_t> makeShotWav() {
    // 50 ms: a square-ish tone falling from 1800 Hz to 450 Hz, with a click of noise at the start.
    const int n = kRate * 50 / 1000;
    std::vector<float> s(static_cast<size_t>(n));
    Rng rng(5);
    float phase = 0;
    for (int i = 0; i < n; ++i) {
        const float t = static_cast<float>(i) / kRate;
        const float k = static_cast<float>(i) / static_cast<float>(n);
        const float f = 450.f + 1350.f * std::exp(-k * 4.f);
        phase += 2 * kPi * f / kRate;
        const float tone = std::tanh(3.f * std::sin(phase)) * 0.8f + 0.2f * std::sin(phase * 2);
        const float noise = (rng.uni() * 2 - 1) * std::exp(-t * 400.f);
        float env = std::exp(-k * 2.5f);
        env *= std::min(1.f, static_cast<float>(i) / 22.f);                 // 1 ms attack
        env *= std::min(1.f, static_cast<float>(n - 1 - i) / 110.f);        // 5 ms release to silence
        s[static_cast<size_t>(i)] = kShotLevel * env * (tone + 0.5f * noise);
    }
    return wavBytes(s);
}

std::vector<uint8_t> makeBombWav() {
    // 0.45 s of noise, loud from the first sample, darkening and fading, over a low thump.
    const int n = kRate * 450 / 1000;
    std::vector<float> s(static_cast<size_t>(n));
    Rng rng(9);
    float lp = 0, lp2 = 0, phase = 0;
    for (int i = 0; i < n; ++i) {
        const float t = static_cast<float>(i) / kRate;
        const float white = rng.uni() * 2 - 1;
        // A low-pass whose cut-off falls from bright to dull.
        const float cut = 0.05f + 0.9f * std::exp(-t * 9.f);
        lp += cut * (white - lp);
        lp2 += 0.5f * cut * (lp - lp2);
        const float f = 38.f + 50.f * std::exp(-t * 12.f);
        phase += 2 * kPi * f / kRate;
        const float body = (i < 20 ? white : 0.65f * lp + 0.7f * lp2) * 1.6f + 0.55f * std::sin(phase);
        float env = std::exp(-t / 0.11f) * 0.8f + 0.2f * std::exp(-t / 0.04f);
        env *= std::min(1.f, static_cast<float>(n - 1 - i) / 220.f);  // 10 ms release to silence
        s[static_cast<size_t>(i)] = std::tanh(1.6f * body * env) * kBombLevel;
    }
    return wavBytes(s);
}

}  // namespace datagen
