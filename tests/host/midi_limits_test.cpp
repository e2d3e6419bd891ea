// The MIDI file reader on hand-made files. Song lengths past a day are refused before any time becomes a
// whole number of frames: a file of huge delta times must end as a refusal, not as an out-of-range
// conversion. Messages with one data byte leave the next event whole.
#include <gtest/gtest.h>

#include <iterator>
#include <vector>

#include "host/midisynth.h"

namespace {

void Be(std::vector<u8>& v, u32 x, int n) {
    for (int i = n - 1; i >= 0; --i) v.push_back(static_cast<u8>(x >> (8 * i)));
}

// Format 0, one tick per quarter, the one track `t`.
std::vector<u8> OneTrackSong(const std::vector<u8>& t) {
    std::vector<u8> f = {'M', 'T', 'h', 'd'};
    Be(f, 6, 4);
    Be(f, 0, 2);
    Be(f, 1, 2);
    Be(f, 1, 2);
    f.insert(f.end(), {'M', 'T', 'r', 'k'});
    Be(f, static_cast<u32>(t.size()), 4);
    f.insert(f.end(), t.begin(), t.end());
    return f;
}

// The slowest tempo and `events` notes, each after the longest delta a file can hold.
std::vector<u8> SlowSong(u32 events) {
    std::vector<u8> t = {0x00, 0xFF, 0x51, 0x03, 0xFF, 0xFF, 0xFF};  // 16.7 s per quarter
    for (u32 i = 0; i < events; ++i) {
        const u8 delta[] = {0xFF, 0xFF, 0xFF, 0x7F};
        t.insert(t.end(), delta, delta + 4);
        if (i == 0) t.push_back(0x90);
        t.push_back(60);
        t.push_back(i & 1 ? 0 : 100);
    }
    return OneTrackSong(t);
}

TEST(MidiLimits, HugeDeltaTimesAreRefusedWithoutOverflowingAFrameCount) {
    host::midi::Song song;
    // About 4.5e15 microseconds per event: past 2^64 frames after some 93,000 events.
    const std::vector<u8> huge = SlowSong(100'000);
    EXPECT_FALSE(host::midi::ParseSmf(huge.data(), huge.size(), 44100, &song));
    EXPECT_TRUE(song.events.empty());
    // One such event is already past a day; none at all is a song of no length.
    const std::vector<u8> one = SlowSong(1);
    EXPECT_FALSE(host::midi::ParseSmf(one.data(), one.size(), 44100, &song));
    const std::vector<u8> none = SlowSong(0);
    ASSERT_TRUE(host::midi::ParseSmf(none.data(), none.size(), 44100, &song));
    EXPECT_EQ(song.lengthFrames, 0u);
}

// Channel pressure and program change carry one data byte: the byte after it is the next delta time, and
// a note that follows (with its own status or by running status) is read whole.
TEST(MidiFile, OneDataByteMessagesLeaveTheNextEventWhole) {
    const std::vector<u8> song = OneTrackSong({
        0x00, 0xD0, 0x40,        // channel pressure 64
        0x00, 0x90, 0x3C, 0x64,  // note on 60, velocity 100
        0x00, 0xD1, 0x20,        // channel pressure 32 on channel 2
        0x00, 0x21,              // and 33 by running status
        0x00, 0xC2, 0x05,        // program change 5 on channel 3
        0x00, 0x92, 0x40, 0x50,  // note on 64, velocity 80
        0x00, 0xFF, 0x2F, 0x00,
    });
    host::midi::Song s;
    ASSERT_TRUE(host::midi::ParseSmf(song.data(), song.size(), 44100, &s));
    struct Want {
        u8 status, data1, data2;
    };
    const Want want[] = {{0xD0, 0x40, 0}, {0x90, 0x3C, 0x64}, {0xD1, 0x20, 0},
                         {0xD1, 0x21, 0}, {0xC2, 0x05, 0},    {0x92, 0x40, 0x50}};
    ASSERT_EQ(s.events.size(), std::size(want));
    for (size_t i = 0; i < std::size(want); ++i) {
        EXPECT_EQ(s.events[i].status, want[i].status) << i;
        EXPECT_EQ(s.events[i].data1, want[i].data1) << i;
        EXPECT_EQ(s.events[i].data2, want[i].data2) << i;
    }
}

}  // namespace
