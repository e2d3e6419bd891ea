// The sound mixer. Each block, every playing buffer is resampled (linear interpolation on a 32.32
// fixed-point position), scaled by its precomputed left and right gains and summed in float; the music
// source adds its own frames; the sum is saturated to 16 bits.
#include "host/mixer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "host/backend.h"
#include "host/report.h"

namespace host::mixer {

struct Buffer {
    Format format{};
    u32 frameBytes = 0;
    u32 frames = 0;
    std::unique_ptr<u8[]> data;
    bool playing = false;
    bool looping = false;
    u64 pos = 0;         // frame index << 32 | fraction
    u64 step = 0;        // position advance per output frame
    u32 frequency = 0;
    i32 volume = 0;
    i32 pan = 0;
    float gainLeft = 1.0f, gainRight = 1.0f;
};

namespace {

struct State {
    std::vector<Buffer*> buffers;
    i32 holds = 0;
    bool open = false;
    SourceFn music = nullptr;
    void* musicUser = nullptr;
    bool missingSaid = false;  // the missing device was reported (once, however many ask for it)
};

State& S() {
    static State s;
    return s;
}

float DbGain(i32 hundredths) { return std::pow(10.0f, static_cast<float>(hundredths) / 2000.0f); }

void UpdateGains(Buffer* b) {
    const float v = b->volume <= kSilence ? 0.0f : DbGain(b->volume);
    float l = v, r = v;
    if (b->pan > 0) l = b->pan >= -kSilence ? 0.0f : v * DbGain(-b->pan);
    if (b->pan < 0) r = b->pan <= kSilence ? 0.0f : v * DbGain(b->pan);
    b->gainLeft = l;
    b->gainRight = r;
}

void UpdateStep(Buffer* b) {
    b->step = (static_cast<u64>(b->frequency) << 32) / static_cast<u64>(kOutputRate);
}

template <int Bits>
inline float Sample(const u8* p) {
    if constexpr (Bits == 8) {
        return static_cast<float>(static_cast<i32>(*p) - 128) * 256.0f;
    } else {
        i16 v;
        std::memcpy(&v, p, 2);
        return static_cast<float>(v);
    }
}

// Adds `n` output frames of `b` into left/right and advances it.
template <int Bits, int Channels>
void MixBuffer(Buffer* b, float* left, float* right, i32 n) {
    constexpr u32 kFrameBytes = Bits / 8 * Channels;
    constexpr u32 kSecond = Bits / 8;  // offset of the right channel
    constexpr float kFrac = 1.0f / 4294967296.0f;
    const u8* data = b->data.get();
    const u32 frames = b->frames;
    const u64 end = static_cast<u64>(frames) << 32;
    const u64 step = b->step;
    const bool loop = b->looping;
    const float gl = b->gainLeft, gr = b->gainRight;
    u64 pos = b->pos;
    for (i32 i = 0; i < n; ++i) {
        if (pos >= end) {
            if (!loop) {
                b->playing = false;
                pos = 0;
                break;
            }
            pos %= end;
        }
        const u32 idx = static_cast<u32>(pos >> 32);
        u32 next = idx + 1;
        if (next >= frames) next = loop ? 0 : idx;
        const float f = static_cast<float>(static_cast<u32>(pos)) * kFrac;
        const u8* a = data + static_cast<size_t>(idx) * kFrameBytes;
        const u8* c = data + static_cast<size_t>(next) * kFrameBytes;
        if constexpr (Channels == 1) {
            const float s0 = Sample<Bits>(a);
            const float v = s0 + (Sample<Bits>(c) - s0) * f;
            left[i] += v * gl;
            right[i] += v * gr;
        } else {
            const float l0 = Sample<Bits>(a), r0 = Sample<Bits>(a + kSecond);
            left[i] += (l0 + (Sample<Bits>(c) - l0) * f) * gl;
            right[i] += (r0 + (Sample<Bits>(c + kSecond) - r0) * f) * gr;
        }
        pos += step;
    }
    // The cursor stays inside the buffer between blocks: a one-shot buffer that took its last frame is
    // over now, a looping one stands where it wrapped to.
    if (pos >= end) {
        if (loop) {
            pos %= end;
        } else {
            b->playing = false;
            pos = 0;
        }
    }
    b->pos = pos;
}

void MixOne(Buffer* b, float* left, float* right, i32 n) {
    const bool wide = b->format.bits == 16;
    if (b->format.channels == 1) {
        if (wide) MixBuffer<16, 1>(b, left, right, n);
        else MixBuffer<8, 1>(b, left, right, n);
    } else {
        if (wide) MixBuffer<16, 2>(b, left, right, n);
        else MixBuffer<8, 2>(b, left, right, n);
    }
}

inline i16 Saturate(float v) {
    if (v >= 32767.0f) return 32767;
    if (v <= -32768.0f) return -32768;
    return static_cast<i16>(std::lrint(v));
}

void Callback(void*, i16* stereo, i32 frames) { MixInto(stereo, frames); }

}  // namespace

// ---- the device ------------------------------------------------------------------------------------

bool AcquireDevice() {
    State& s = S();
    if (!s.open) {
        s.holds = 0;
        if (!backend::OpenAudio(kOutputRate, kBlockFrames, Callback, nullptr)) {
            if (!s.missingSaid) ReportFileProblem("no sound device", "playing without sound");
            s.missingSaid = true;
            return false;
        }
        s.open = true;
        // A hold nobody gave back must not leave the audio thread mixing while the program's statics
        // are torn down. Registered after this module's state exists, so it runs before that goes.
        static const bool atExit = (std::atexit(CloseDevice), true);
        (void)atExit;
    }
    ++s.holds;
    return true;
}

void ReleaseDevice() {
    State& s = S();
    if (!s.open || s.holds <= 0) return;
    if (--s.holds == 0) {
        backend::CloseAudio();
        s.open = false;
    }
}

bool DeviceOpen() { return S().open; }

void CloseDevice() {
    State& s = S();
    {
        backend::AudioGuard g;
        s.music = nullptr;
        s.musicUser = nullptr;
        for (Buffer* b : s.buffers) b->playing = false;
    }
    if (s.open) backend::CloseAudio();
    s.open = false;
    s.holds = 0;
}

void ForgetDevice() {
    State& s = S();
    s.open = false;
    s.holds = 0;
    s.missingSaid = false;
    for (Buffer* b : s.buffers) b->playing = false;
}

void SetMusicSource(SourceFn fn, void* user) {
    backend::AudioGuard g;
    S().music = fn;
    S().musicUser = user;
}

// ---- buffers ---------------------------------------------------------------------------------------

Buffer* Create(const Format& format, u32 bytes) {
    if ((format.channels != 1 && format.channels != 2) || (format.bits != 8 && format.bits != 16)) return nullptr;
    if (format.rate == 0) return nullptr;
    const u32 frameBytes = format.channels * (format.bits / 8u);
    if (bytes < frameBytes || bytes % frameBytes != 0) return nullptr;
    auto b = std::make_unique<Buffer>();
    b->data.reset(new (std::nothrow) u8[bytes]);
    if (!b->data) return nullptr;
    std::memset(b->data.get(), 0, bytes);
    b->format = format;
    b->frameBytes = frameBytes;
    b->frames = bytes / frameBytes;
    b->frequency = std::clamp(format.rate, kMinFrequency, kMaxFrequency);
    UpdateStep(b.get());
    UpdateGains(b.get());
    backend::AudioGuard g;
    S().buffers.push_back(b.get());
    return b.release();
}

void Release(Buffer* b) {
    if (!b) return;
    {
        backend::AudioGuard g;
        auto& v = S().buffers;
        v.erase(std::remove(v.begin(), v.end(), b), v.end());
    }
    delete b;
}

u32 Size(const Buffer* b) { return b ? b->frames * b->frameBytes : 0; }
Format GetFormat(const Buffer* b) { return b ? b->format : Format{}; }

bool Lock(Buffer* b, u32 offset, u32 bytes, void** p1, u32* n1, void** p2, u32* n2) {
    if (p1) *p1 = nullptr;
    if (n1) *n1 = 0;
    if (p2) *p2 = nullptr;
    if (n2) *n2 = 0;
    if (!b || !p1 || !n1) return false;
    const u32 size = Size(b);
    if (offset >= size || bytes > size || bytes == 0) return false;
    backend::LockAudio();
    const u32 first = std::min(bytes, size - offset);
    *p1 = b->data.get() + offset;
    *n1 = first;
    if (first < bytes) {
        if (!p2 || !n2) {
            backend::UnlockAudio();
            *p1 = nullptr;
            *n1 = 0;
            return false;
        }
        *p2 = b->data.get();
        *n2 = bytes - first;
    }
    return true;
}

void Unlock(Buffer* b) {
    if (b) backend::UnlockAudio();
}

void Play(Buffer* b, bool loop) {
    if (!b) return;
    backend::AudioGuard g;
    b->looping = loop;
    b->playing = true;
}

void Stop(Buffer* b) {
    if (!b) return;
    backend::AudioGuard g;
    b->playing = false;
}

bool IsPlaying(const Buffer* b) {
    if (!b) return false;
    backend::AudioGuard g;  // the mix ends one-shot buffers
    return b->playing;
}
bool IsLooping(const Buffer* b) { return b && b->looping; }

void SetPosition(Buffer* b, u32 byteOffset) {
    if (!b) return;
    backend::AudioGuard g;
    const u32 frame = byteOffset / b->frameBytes;
    b->pos = frame < b->frames ? static_cast<u64>(frame) << 32 : 0;
}

u32 GetPosition(const Buffer* b) {
    if (!b) return 0;
    backend::AudioGuard g;
    return static_cast<u32>(b->pos >> 32) * b->frameBytes;
}

void SetFrequency(Buffer* b, u32 hz) {
    if (!b) return;
    backend::AudioGuard g;
    b->frequency = std::clamp(hz, kMinFrequency, kMaxFrequency);
    UpdateStep(b);
}

u32 GetFrequency(const Buffer* b) { return b ? b->frequency : 0; }

void SetVolume(Buffer* b, i32 hundredthsDb) {
    if (!b) return;
    backend::AudioGuard g;
    b->volume = std::clamp(hundredthsDb, kSilence, 0);
    UpdateGains(b);
}

i32 GetVolume(const Buffer* b) { return b ? b->volume : 0; }

void SetPan(Buffer* b, i32 hundredthsDb) {
    if (!b) return;
    backend::AudioGuard g;
    b->pan = std::clamp(hundredthsDb, kSilence, -kSilence);
    UpdateGains(b);
}

i32 GetPan(const Buffer* b) { return b ? b->pan : 0; }

// ---- the mix ---------------------------------------------------------------------------------------

void MixInto(i16* stereo, i32 frames) {
    State& s = S();
    static float left[kBlockFrames], right[kBlockFrames];
    while (frames > 0) {
        const i32 n = std::min(frames, kBlockFrames);
        std::fill_n(left, n, 0.0f);
        std::fill_n(right, n, 0.0f);
        for (Buffer* b : s.buffers)
            if (b->playing) MixOne(b, left, right, n);
        if (s.music) s.music(s.musicUser, left, right, n);
        for (i32 i = 0; i < n; ++i) {
            stereo[2 * i] = Saturate(left[i]);
            stereo[2 * i + 1] = Saturate(right[i]);
        }
        stereo += 2 * n;
        frames -= n;
    }
}

i32 PlayingCount() {
    backend::AudioGuard g;
    i32 n = 0;
    for (const Buffer* b : S().buffers) n += b->playing ? 1 : 0;
    return n;
}

}  // namespace host::mixer
