// elSound: 70 sound objects of up to 10 overlapping buffers each, WAVE and sound-pack loading, streaming,
// frequency, pan and volume, echoes, the beep.
#pragma once
#include "host/riff.h"
#include "host/types.h"

namespace host::mixer { struct Buffer; }

namespace elSound {

constexpr i32 kObjectCount = 70;
constexpr i32 kMaxMix = 10;

// A stream's place in the pack file and in its circular buffer.
struct StreamRecord {
    u32 dataStart;      // pack-file offset of the entry's first sample byte
    u32 loopPos;        // pack-file offset where reading resumes at the end of the data
    u32 filePos;        // pack-file offset of the next read
    u32 streaming;      // the entry's data size; non-zero marks a stream
    u32 readCount;      // bytes of the data read in the current pass
    u32 lastWritePos;   // buffer offset where the previous refill began
    u32 writePos;       // buffer offset where the next refill begins
    u32 halfSize;       // bytes per refill (two seconds)
    u32 bufferSize;     // the circular buffer's size (four seconds)
    u32 wrapMark;       // 0xFFFFFFFF when no wrap is pending, else the play cursor seen at the wrap
    u32 lastCursor;     // the play cursor seen at the previous refill
    u8 stopCountdown;   // 2 once a one-shot stream ran out of data; stops when it counts down to 0
    char packPath[259]; // the pack file when the stream was opened
};

struct Object {
    u32 used;
    u32 mixCount;
    u32 nextBuffer;
    u32 baseFrequency;
    char name[31];
    i32 variation;      // -1 cannot echo, 0 idle, 1.. the next echo
    u32 kind;           // 0 WAVE file or resource, 1 sound pack
    StreamRecord stream;
    host::mixer::Buffer* buffer[kMaxMix];
    u32 frequency[kMaxMix];
    i32 pan[kMaxMix];
    i32 volume[kMaxMix];
    u32 pausePosition[kMaxMix];
    f32 echoClock;
    i32 echoLoops;
    f32 panPosition;
    i32 panDirection;
    i32 looping;
};

// Module state.
extern Object Objects[kObjectCount];
extern i32 present;     // 1 once Init succeeded; 0: the library runs silent
extern i32 current;     // the object being filled by a load
extern i32 reloading;   // 1 while objects are recreated in place
extern char PackPath[259]; // the pack file the loads read (program folder + name)

// Device and objects.
u32 Init();
void InitObjects();     // every object to its empty state (the screen set-up calls it after Init)
i32 LoadObject(const char* name, i32 mix);
void ReleaseObject(i32 soundNo);
void ReleaseAll();
void RestoreAll();
void Play(i32 soundNo, i32 buffer);
void PlayLoop(i32 soundNo, i32 buffer);
void Stop(i32 soundNo, i32 buffer);
void TogglePause(i32 soundNo, i32 buffer);
void SetFrequency(i32 soundNo, i32 value, i32 buffer);
void AddFrequency(i32 soundNo, i32 delta, i32 buffer);
void ResetFrequency(i32 soundNo, i32 buffer);
void SetPan(i32 soundNo, i32 value, i32 buffer);
void AddPan(i32 soundNo, i32 delta, i32 buffer);
void ResetPan(i32 soundNo, i32 buffer);
void PanLeft(i32 soundNo, i32 buffer);
void PanRight(i32 soundNo, i32 buffer);
void SetVolume(i32 soundNo, i32 value, i32 buffer);
void AddVolume(i32 soundNo, i32 delta, i32 buffer);
void ResetVolume(i32 soundNo, i32 buffer);
void FadeStep(i32 soundNo, i32 intervalMs, i32 steps, i32 stepDb);
void PanSweep(i32 soundNo, i32 intervalMs, i32 steps, i32 stepDb, i32 panSpeed);
u32 GetPosition(i32 soundNo);
u32 SelectFormat(i32 channels, i32 rate, i32 bits);
void Beep();
void PlaySystemWav(const char* fileName);
// Reads a RIFF/WAVE file. On success (0) *format (formatSize bytes) and *data (dataSize bytes) are blocks
// from std::malloc that the caller frees with std::free; on failure (1) all four outputs are 0.
u32 ReadWaveFile(const char* path, host::WaveFormat** format, u32* formatSize, u8** data, u32* dataSize);

// Sound pack and streaming.
void MakePath(const char* packName);
void PackAppendWav(const char* packName, const char* wavePath);
u32 PackAllWav(const char* packName, const char* folder, i32 clear);
i32 LoadPack(const char* name, i32 mix);
i32 LoadStream(const char* name, u32 loopOffset);
u32 Streaming();
u32 ResetStream(i32 soundNo);

}  // namespace elSound
