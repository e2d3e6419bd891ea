// Song lengths past a day are refused before any time becomes a whole number of frames: a file of huge
// delta times must end as a refusal, not as an out-of-range conversion.
#include <gtest/gtest.h>

#include <vector>

#include "host/midisynth.h"

namespace {

void Be(std::vector<u8>& v, u32 x, int n) {
    for (int i = n - 1; i >= 0; --i) v.push_back(static_cast<u8>(x >> (8 * i)));
}

// Format 0, one track at the slowest tempo and one tick per quarter: `events` notes, each after the
// longest delta a file can hold.
std::vector<u8> SlowSong(u32 events) {
    std::vector<u8> t = {0x00, 0xFF, 0x51, 0x03, 0xFF, 0xFF, 0xFF};  // 16.7 s per quarter
    for (u32 i = 0; i < events; ++i) {
        const u8 delta[] = {0xFF, 0xFF, 0xFF, 0x7F};
        t.insert(t.end(), delta, delta + 4);
        if (i == 0) t.push_back(0x90);
        t.push_back(60);
        t.push_back(i & 1 ? 0 : 100);
    }
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

}  // namespace
