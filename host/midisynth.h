// Standard MIDI Files and the General MIDI synthesiser that renders them into the mixer's output.
#pragma once
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
void Preload();
// True while a load started by Preload is still under way (its thread has not finished).
bool Preloading();
// Makes the synthesiser ready: takes a preloaded one (waiting for its load when that has not finished
// yet), or else creates it and loads the soundfont here. False when either cannot be had (music then keeps
// its timing but is silent). Call from the program's thread.
bool Start();
bool Running();
// Waits for a load still under way, then deletes the synthesiser (cleared under the audio lock first); a
// later Preload or Start makes a new one.
void Stop();
// Where the soundfont was found ("" when none was) and how long creating and loading it took.
const std::string& SoundfontPath();
double StartMillis();

// The calls below run under the audio lock.
void Send(u8 status, u8 data1, u8 data2);   // one channel message
void AllSoundsOff();                        // silence every channel and reset the controllers
bool Active();                              // voices still sounding (or a tail still ringing)
void RenderAdd(float* left, float* right, i32 frames);  // adds into the mix, full scale 32768

}  // namespace host::midisynth
