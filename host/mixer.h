// The sound mixer: PCM sound buffers that play once or loop, each at its own frequency, volume and pan,
// summed into the audio device's stereo 16-bit output.
//
// Buffers hold 8-bit unsigned or 16-bit signed samples, mono or stereo, at any rate. A buffer's play
// position advances by its frequency relative to the output rate (linear interpolation between frames).
// Volume is in hundredths of a decibel (-10000 silent .. 0), pan in hundredths of a decibel of attenuation
// of the other side (-10000 full left .. +10000 full right). Every change takes effect at once, also on a
// playing buffer. A one-shot buffer that reaches its end stops with its position at 0.
//
// The audio device is shared: whoever needs it takes a hold (AcquireDevice) and gives it back
// (ReleaseDevice); the device closes when the last hold goes. Without a device the buffers still exist and
// take every call, but nothing advances and nothing is heard; the first hold that finds no device says so in
// one line on standard error ("no sound device: playing without sound"), later ones say nothing.
//
// All calls come from the program's thread; the mix runs on the audio thread (or, headless, inside the
// virtual clock's advance). Shared state is guarded by the backend's audio lock.
#pragma once
#include "host/types.h"

namespace host::mixer {

constexpr i32 kOutputRate = 44100;
constexpr i32 kBlockFrames = 512;      // one block is about 11.6 ms of sound
constexpr u32 kMinFrequency = 100;
constexpr u32 kMaxFrequency = 100000;
constexpr i32 kSilence = -10000;

struct Format {
    u16 channels;       // 1 or 2
    u32 rate;           // frames per second
    u16 bits;           // 8 (unsigned) or 16 (signed)
};

struct Buffer;

// ---- the device ------------------------------------------------------------------------------
bool AcquireDevice();                  // true when the device is open (opening it on the first hold)
void ReleaseDevice();
bool DeviceOpen();
// Closes the device whatever holds are still taken: the audio thread has ended when this returns, so
// nothing it reads can be freed under it. Buffers stay valid; they are stopped. The first opening of the
// device also arranges for this to run at exit.
void CloseDevice();
// Forgets the device without touching the backend (the headless backend was reset under the mixer), and
// that a missing one was reported. Buffers stay valid; they are stopped.
void ForgetDevice();

// A second source mixed into the output (the music synthesiser): adds `frames` stereo frames into
// left/right, in units of full scale = 32768. Runs on the audio thread under the audio lock.
using SourceFn = void (*)(void* user, float* left, float* right, i32 frames);
void SetMusicSource(SourceFn fn, void* user);

// ---- buffers ---------------------------------------------------------------------------------
// A new buffer of `bytes` bytes (a whole number of frames), zero-filled, stopped at position 0, at the
// format's own frequency, full volume, centred. Null when the format or size is unusable.
Buffer* Create(const Format& format, u32 bytes);
void Release(Buffer* b);               // stops it and frees it; null is ignored
u32 Size(const Buffer* b);
Format GetFormat(const Buffer* b);

// Locks `bytes` bytes from `offset`: the first region runs to the buffer's end at most, the second (or
// null/0) wraps to its start. False when offset or bytes are out of range. Unlock gives the lock back;
// the mix does not run between the two.
bool Lock(Buffer* b, u32 offset, u32 bytes, void** p1, u32* n1, void** p2, u32* n2);
void Unlock(Buffer* b);

void Play(Buffer* b, bool loop);       // from the current position
void Stop(Buffer* b);                  // keeps the position
bool IsPlaying(const Buffer* b);
bool IsLooping(const Buffer* b);
void SetPosition(Buffer* b, u32 byteOffset);  // rounded down to a frame; past the end: 0
u32 GetPosition(const Buffer* b);      // the play cursor in bytes: the next frame the mix takes

void SetFrequency(Buffer* b, u32 hz);  // clamped to 100..100000
u32 GetFrequency(const Buffer* b);
void SetVolume(Buffer* b, i32 hundredthsDb);  // clamped to -10000..0
i32 GetVolume(const Buffer* b);
void SetPan(Buffer* b, i32 hundredthsDb);     // clamped to -10000..10000
i32 GetPan(const Buffer* b);

// ---- the mix (exposed for tests and benchmarks) ------------------------------------------------
// Mixes `frames` frames of every playing buffer and the music source into `stereo`, advancing them.
// The audio callback calls this; without a device, tests may call it directly.
void MixInto(i16* stereo, i32 frames);
i32 PlayingCount();

}  // namespace host::mixer
