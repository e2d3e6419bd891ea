// Playing, stopping, pausing, the value setters and the timed echo.
#include <algorithm>
#include <cstdint>

#include "el/elSound.h"
#include "el/elSystem.h"
#include "el/sound/sound_internal.h"
#include "host/crt.h"
#include "host/mixer.h"

namespace elSound {

namespace {

using detail::ForBuffers;
using detail::UsedObject;

// Starts buffer i from its beginning. A stream is rewound first and always runs its circular buffer in
// a loop; whether its data loops is the object's `looping`.
void StartBuffer(i32 soundNo, Object& o, u32 i, bool loop) {
    host::mixer::Buffer* b = o.buffer[i];
    host::mixer::Stop(b);
    if (o.stream.streaming) ResetStream(soundNo);
    host::mixer::SetPosition(b, 0);
    host::mixer::Play(b, loop || o.stream.streaming != 0);
}

void StartEcho(i32 soundNo, Object& o, i32 loops) {
    ResetFrequency(soundNo, -1);
    ResetPan(soundNo, -1);
    ResetVolume(soundNo, -1);
    o.variation = 1;
    o.echoClock = 0.0f;
    o.echoLoops = loops;
    o.panPosition = static_cast<f32>(o.pan[o.nextBuffer < static_cast<u32>(kMaxMix) ? o.nextBuffer : 0]);
    o.panDirection = (host::Rand() & 1) ? 1 : -1;
}

void PlayCommon(i32 soundNo, i32 buffer, bool loop) {
    Object* o = UsedObject(soundNo);
    if (!o || o->mixCount == 0 || o->mixCount > static_cast<u32>(kMaxMix)) return;
    if (buffer >= 0) {
        if (static_cast<u32>(buffer) >= o->mixCount || !o->buffer[buffer]) return;
        StartBuffer(soundNo, *o, static_cast<u32>(buffer), loop);
    } else {
        if (o->variation >= 0 && buffer == -2) StartEcho(soundNo, *o, loop ? 1 : 0);
        if (o->nextBuffer >= o->mixCount) o->nextBuffer = 0;
        if (o->buffer[o->nextBuffer]) StartBuffer(soundNo, *o, o->nextBuffer, loop);
        if (++o->nextBuffer >= o->mixCount) o->nextBuffer = 0;
    }
    o->looping = loop ? 1 : 0;
}

i32 Clamp(i64 v, i64 lo, i64 hi) { return static_cast<i32>(std::clamp(v, lo, hi)); }

constexpr i64 kMinFreq = host::mixer::kMinFrequency, kMaxFreq = host::mixer::kMaxFrequency;

void StoreFrequency(Object& o, u32 i, i64 hz) {
    o.frequency[i] = static_cast<u32>(Clamp(hz, kMinFreq, kMaxFreq));
    host::mixer::SetFrequency(o.buffer[i], o.frequency[i]);
}
void StorePan(Object& o, u32 i, i64 v) {
    o.pan[i] = Clamp(v, -10000, 10000);
    host::mixer::SetPan(o.buffer[i], o.pan[i]);
}
void StoreVolume(Object& o, u32 i, i64 v) {
    o.volume[i] = Clamp(v, -10000, 0);
    host::mixer::SetVolume(o.buffer[i], o.volume[i]);
}

void Echo(i32 soundNo, i32 intervalMs, i32 steps, i32 stepDb, bool sweep, i32 panSpeed) {
    Object* o = UsedObject(soundNo);
    if (!o || o->variation < 1 || steps < 1) return;
    o->echoClock += FrameTime * 1000.0f;
    if (o->echoClock < static_cast<f32>(intervalMs)) return;
    o->echoClock = 0.0f;
    if (sweep) {
        o->panPosition += static_cast<f32>(o->panDirection) * FrameTime * 100.0f * static_cast<f32>(panSpeed);
        if (o->panPosition < -30.0f) {
            o->panPosition = -30.0f;
            o->panDirection = -o->panDirection;
        }
        if (o->panPosition > 30.0f) {
            o->panPosition = 30.0f;
            o->panDirection = -o->panDirection;
        }
        SetPan(soundNo, static_cast<i32>(o->panPosition), -2);
    }
    SetVolume(soundNo, Clamp(-static_cast<i64>(o->variation) * stepDb, INT32_MIN, INT32_MAX), -2);
    if (o->echoLoops == 1) PlayLoop(soundNo, -3);
    else Play(soundNo, -3);
    if (++o->variation > steps) o->variation = 0;
}

}  // namespace

void Play(i32 soundNo, i32 buffer) { PlayCommon(soundNo, buffer, false); }
void PlayLoop(i32 soundNo, i32 buffer) { PlayCommon(soundNo, buffer, true); }

void Stop(i32 soundNo, i32 buffer) {
    Object* o = UsedObject(soundNo);
    if (!o) return;
    if (buffer < 0 && o->variation >= 0) o->variation = 0;
    ForBuffers(*o, buffer >= 0 ? buffer : -1, [&](u32 i) {
        host::mixer::Stop(o->buffer[i]);
        host::mixer::SetPosition(o->buffer[i], 0);
    });
}

void TogglePause(i32 soundNo, i32 buffer) {
    Object* o = UsedObject(soundNo);
    if (!o) return;
    ForBuffers(*o, buffer >= 0 ? buffer : -1, [&](u32 i) {
        host::mixer::Buffer* b = o->buffer[i];
        if (host::mixer::IsPlaying(b)) {
            o->pausePosition[i] = host::mixer::GetPosition(b);
            host::mixer::Stop(b);
        } else {
            host::mixer::SetPosition(b, o->pausePosition[i]);
            host::mixer::Play(b, o->looping == 1 || o->stream.streaming != 0);
        }
    });
}

void SetFrequency(i32 soundNo, i32 value, i32 buffer) {
    Object* o = UsedObject(soundNo);
    if (!o) return;
    ForBuffers(*o, buffer, [&](u32 i) { StoreFrequency(*o, i, static_cast<i64>(o->baseFrequency) + static_cast<i64>(value) * 100); });
}

void AddFrequency(i32 soundNo, i32 delta, i32 buffer) {
    Object* o = UsedObject(soundNo);
    if (!o) return;
    ForBuffers(*o, buffer, [&](u32 i) { StoreFrequency(*o, i, static_cast<i64>(o->frequency[i]) + static_cast<i64>(delta) * 100); });
}

void ResetFrequency(i32 soundNo, i32 buffer) {
    Object* o = UsedObject(soundNo);
    if (!o) return;
    ForBuffers(*o, buffer, [&](u32 i) { StoreFrequency(*o, i, o->baseFrequency); });
}

void SetPan(i32 soundNo, i32 value, i32 buffer) {
    Object* o = UsedObject(soundNo);
    if (!o) return;
    ForBuffers(*o, buffer, [&](u32 i) { StorePan(*o, i, static_cast<i64>(value) * 100); });
}

void AddPan(i32 soundNo, i32 delta, i32 buffer) {
    Object* o = UsedObject(soundNo);
    if (!o) return;
    ForBuffers(*o, buffer, [&](u32 i) { StorePan(*o, i, static_cast<i64>(o->pan[i]) + static_cast<i64>(delta) * 100); });
}

void ResetPan(i32 soundNo, i32 buffer) {
    Object* o = UsedObject(soundNo);
    if (!o) return;
    ForBuffers(*o, buffer, [&](u32 i) { StorePan(*o, i, 0); });
}

void PanLeft(i32 soundNo, i32 buffer) {
    Object* o = UsedObject(soundNo);
    if (!o) return;
    ForBuffers(*o, buffer, [&](u32 i) { StorePan(*o, i, -10000); });
}

void PanRight(i32 soundNo, i32 buffer) {
    Object* o = UsedObject(soundNo);
    if (!o) return;
    ForBuffers(*o, buffer, [&](u32 i) { StorePan(*o, i, 10000); });
}

void SetVolume(i32 soundNo, i32 value, i32 buffer) {
    Object* o = UsedObject(soundNo);
    if (!o) return;
    ForBuffers(*o, buffer, [&](u32 i) { StoreVolume(*o, i, static_cast<i64>(value) * 100); });
}

void AddVolume(i32 soundNo, i32 delta, i32 buffer) {
    Object* o = UsedObject(soundNo);
    if (!o) return;
    ForBuffers(*o, buffer, [&](u32 i) { StoreVolume(*o, i, static_cast<i64>(o->volume[i]) + static_cast<i64>(delta) * 100); });
}

void ResetVolume(i32 soundNo, i32 buffer) {
    Object* o = UsedObject(soundNo);
    if (!o) return;
    ForBuffers(*o, buffer, [&](u32 i) { StoreVolume(*o, i, 0); });
}

void FadeStep(i32 soundNo, i32 intervalMs, i32 steps, i32 stepDb) { Echo(soundNo, intervalMs, steps, stepDb, false, 0); }

void PanSweep(i32 soundNo, i32 intervalMs, i32 steps, i32 stepDb, i32 panSpeed) {
    Echo(soundNo, intervalMs, steps, stepDb, true, panSpeed);
}

}  // namespace elSound
