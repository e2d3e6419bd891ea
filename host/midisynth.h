// Standard MIDI Files and the General MIDI synthesiser that renders them into the mixer's output.
#pragma once
#include <chrono>
#include <string>
#include <vector>

#include "host/types.h"

namespace host::midi {

// One channel message at its place in the song, in output frames (at the mixer's rate) from the start.
struct Event {
    u64 frame;
    u8 status, data1, data2;
};

struct Song {
    std::vector<Event> events;  // in time order
    u64 lengthMicros = 0;       // the end of the longest track
    u64 lengthFrames = 0;
};

// Parses a format 0 or 1 file (format 2 is taken track after track as format 1 would be). Every length in
// the file is checked; a damaged or truncated file is refused. `rate` converts times into frames.
bool ParseSmf(const u8* data, size_t size, i32 rate, Song* out);
// Reads and parses a file by its host path.
bool LoadSmf(const char* path, i32 rate, Song* out);

}  // namespace host::midi

namespace host::midisynth {

// Starts creating the synthesiser and loading the General MIDI soundfont on a thread of its own and returns
// at once, so that the first Start finds them ready instead of paying for them itself. Does nothing while
// a synthesiser runs, a load is under way or waiting to be taken, or a start has already failed.
//
// The soundfont is KESTRALIS_SOUNDFONT's file, else one installed in the usual places. Only a regular file
// is opened, here and without waiting. A soundfont that is missing, unreadable or not a regular file, or
// none at all, is said at once in one line on standard error (the file and the reason); one that proves
// damaged is said so when the load's end is seen. The music then keeps its timing but is silent. The end of
// the process stops a load under way at its next read of the soundfont, or as it comes out of the load,
// where its thread sleeps until the process is gone, and waits a twentieth of a second at most for that:
// never for the work between two reads, nor for a read that does not come back. A loader that came out of
// its load before the end began is waited for while it winds down, handing over or freeing what it made
// (half a second at most).
void Preload();
// True while a loader thread is still at work: a load under way, or one that a Stop left to end alone (not
// one stopped by the end of the process).
bool Preloading();

// How long the end of the process waits for a loader still inside its load to come to rest. Once the end
// has begun, a loader stops at its next read of the soundfont (a megabyte at most away) or as it comes out
// of the synthesiser's load. A loader runs at the lowest priority, which it cannot leave again, so on a
// machine kept busy by other work one read can take longer than this wait; what the library does between
// its last read and coming out (it prepares every sample it has read in one go, without reading) can take
// seconds; and a read of a file that stops answering never comes back. The end does not wait for those: the
// process ends with the loader where it stands.
constexpr std::chrono::milliseconds kEndWait{50};

// How long the end waits for a loader that had come out of its load before the end began, and so winds
// down: it hands over what it made (a fraction of a millisecond) or, where the music was stopped before
// the end and nothing takes it, frees it (3 ms for a 6 MB soundfont, 30 ms for a 148 MB one, on a quiet
// machine), and its thread ends. At the lowest priority, with every core busy, even the hand-over can take a
// quarter of a second and the larger free two seconds: this is a hang guard, and the process ends with the
// loader where it stands after it.
constexpr std::chrono::milliseconds kWindDownWait{500};

// Makes the synthesiser ready: takes a preloaded one, waiting a short while (a fraction of a second, once
// per load) when its load has not finished yet, or else creates it and loads the soundfont here. False when
// there is none yet: a load that finishes later is taken by the mix then, and the music playing sounds
// from that point on. Call from the program's thread.
bool Start();
bool Running();
// Deletes the synthesiser (cleared under the audio lock first) without waiting for a load still under way,
// which is left to end and free itself; a later Preload or Start makes a new one.
void Stop();
// For tests: a routine a loader thread runs before each of its reads of the soundfont inside the
// synthesiser's load (kRead), once more as it comes out of the load with the synthesiser made or not
// (kLoaded), and once it has seen that the end of the process has not begun, before it hands over or frees
// what it made (kWindingDown); it holds the loader there for as long as the test needs (null: none). A load
// on the program's thread (a Start with nothing preloaded) passes it by.
enum class LoaderPoint { kRead, kLoaded, kWindingDown };
void SetLoaderGate(void (*gate)(LoaderPoint));
const std::string& SoundfontPath();
double StartMillis();

// The calls below run under the audio lock.
void Send(u8 status, u8 data1, u8 data2);   // one channel message
void AllSoundsOff();                        // silence every channel and reset the controllers
bool Active();                              // voices still sounding (or a tail still ringing)
void RenderAdd(float* left, float* right, i32 frames);  // adds into the mix, full scale 32768

}  // namespace host::midisynth
