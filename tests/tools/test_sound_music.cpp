// The two sound effects and the eight tunes: well-formed files that the game's own readers
// accept, with the lengths and character the game needs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>

#include "data_files.h"
#include "host/midisynth.h"
#include "host/riff.h"
#include "support/soundfont.h"

using datatest::dataPath;
using datatest::le16;
using datatest::le32;
using datatest::readBytes;

namespace {

struct Wave {
    uint32_t rate = 0;
    std::vector<double> samples;  // −1..1
};

// Walks the RIFF chunks by hand and insists on mono 16-bit PCM.
Wave parseWave(const std::vector<uint8_t>& b) {
    Wave w;
    EXPECT_GE(b.size(), 44u);
    if (b.size() < 44) return w;
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(le32(b, 4), b.size() - 8) << "RIFF size";
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 12), "WAVE");
    bool haveFmt = false, haveData = false;
    size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::string id(b.begin() + long(at), b.begin() + long(at) + 4);
        const uint32_t size = le32(b, at + 4);
        EXPECT_LE(at + 8 + size, b.size()) << id << " runs past the end";
        if (at + 8 + size > b.size()) break;
        if (id == "fmt ") {
            haveFmt = true;
            EXPECT_GE(size, 16u);
            EXPECT_EQ(le16(b, at + 8), 1u) << "PCM";
            EXPECT_EQ(le16(b, at + 10), 1u) << "mono";
            w.rate = le32(b, at + 12);
            EXPECT_TRUE(w.rate == 22050 || w.rate == 44100) << w.rate;
            EXPECT_EQ(le32(b, at + 16), w.rate * 2) << "bytes per second";
            EXPECT_EQ(le16(b, at + 20), 2u) << "block align";
            EXPECT_EQ(le16(b, at + 22), 16u) << "bits";
        } else if (id == "data") {
            haveData = true;
            EXPECT_EQ(size % 2, 0u);
            for (uint32_t i = 0; i + 1 < size; i += 2)
                w.samples.push_back(int16_t(le16(b, at + 8 + i)) / 32768.0);
        }
        at += 8 + size + (size & 1);
    }
    EXPECT_EQ(at, b.size()) << "bytes after the last chunk";
    EXPECT_TRUE(haveFmt && haveData);
    return w;
}

double peak(const Wave& w, double from, double to) {
    double p = 0;
    for (size_t i = size_t(from * w.rate); i < size_t(to * w.rate) && i < w.samples.size(); ++i)
        p = std::max(p, std::fabs(w.samples[i]));
    return p;
}
double rms(const Wave& w, double from, double to) {
    double s = 0;
    size_t n = 0;
    for (size_t i = size_t(from * w.rate); i < size_t(to * w.rate) && i < w.samples.size(); ++i, ++n)
        s += w.samples[i] * w.samples[i];
    return n ? std::sqrt(s / double(n)) : 0;
}

bool gameReads(const char* rel) {
    host::RiffReader r;
    if (!r.OpenFile(dataPath(rel).c_str())) return false;
    host::WaveFormat* fmt = nullptr;
    u8* data = nullptr;
    u32 fmtSize = 0, dataSize = 0;
    const bool ok = host::ReadWave(r, &fmt, &fmtSize, &data, &dataSize);
    std::free(fmt);
    std::free(data);
    return ok && dataSize > 0;
}

TEST(DataSounds, ShotIsShortAndClickFree) {
    const Wave w = parseWave(readBytes(dataPath("SOUND/SHOT.WAV")));
    ASSERT_GT(w.rate, 0u);
    const double secs = double(w.samples.size()) / w.rate;
    EXPECT_GT(secs, 0.015);
    EXPECT_LE(secs, 0.060);
    EXPECT_GT(peak(w, 0, secs), 0.3);
    // It starts and ends near silence, so restarting it every few frames does not click.
    EXPECT_LT(std::fabs(w.samples.front()), 0.05);
    EXPECT_LT(std::fabs(w.samples.back()), 0.02);
    EXPECT_TRUE(gameReads("SOUND/SHOT.WAV"));
}

TEST(DataSounds, ExplosionIsLoudAtOnceAndDecays) {
    const Wave w = parseWave(readBytes(dataPath("SOUND/BOM.WAV")));
    ASSERT_GT(w.rate, 0u);
    const double secs = double(w.samples.size()) / w.rate;
    EXPECT_GE(secs, 0.3);
    EXPECT_LE(secs, 0.6);
    // Restarted every frame during a defeat: the first 17 ms carry the sound, at its full level at once.
    const double loudest = peak(w, 0, secs);
    EXPECT_GT(loudest, 0.3);
    EXPECT_GT(peak(w, 0, 0.002), 0.9 * loudest);
    EXPECT_GT(rms(w, 0, 0.017), 0.5 * loudest);
    EXPECT_LT(rms(w, secs - 0.05, secs), rms(w, 0, 0.05) / 10);
    EXPECT_LT(std::fabs(w.samples.back()), 0.02);
    EXPECT_TRUE(gameReads("SOUND/BOM.WAV"));
}

struct Tune {
    int format = -1, tracks = 0, division = 0;
    double seconds = 0;
    std::set<int> programs;  // by channel * 128 + program
    std::set<uint32_t> tempos;
    int notes = 0;
};

uint32_t vlq(const std::vector<uint8_t>& b, size_t& at, size_t end) {
    uint32_t v = 0;
    for (int i = 0; i < 4 && at < end; ++i) {
        const uint8_t c = b[at++];
        v = (v << 7) | (c & 0x7F);
        if (!(c & 0x80)) return v;
    }
    ADD_FAILURE() << "bad variable-length number";
    return v;
}

// A strict reader: every track ends with its end-of-track event, no note is left hanging.
Tune parseMidi(const std::vector<uint8_t>& b) {
    Tune t;
    if (b.size() < 14 || std::string(b.begin(), b.begin() + 4) != "MThd") {
        ADD_FAILURE() << "no MThd";
        return t;
    }
    auto be16 = [&](size_t at) { return (uint32_t(b[at]) << 8) | b[at + 1]; };
    auto be32 = [&](size_t at) { return (be16(at) << 16) | be16(at + 2); };
    EXPECT_EQ(be32(4), 6u);
    t.format = int(be16(8));
    t.division = int(be16(12));
    EXPECT_TRUE(t.format == 0 || t.format == 1);
    EXPECT_GT(t.division, 0);
    EXPECT_LT(t.division, 0x8000) << "ticks per quarter, not SMPTE";
    const int declared = int(be16(10));
    // Tempo changes by tick (from every track) and the end tick of each track.
    std::map<uint32_t, uint32_t> tempoAt;
    uint32_t lastTick = 0;
    size_t at = 14;
    while (at + 8 <= b.size()) {
        EXPECT_EQ(std::string(b.begin() + long(at), b.begin() + long(at) + 4), "MTrk");
        const size_t end = at + 8 + be32(at + 4);
        EXPECT_LE(end, b.size());
        if (end > b.size()) break;
        ++t.tracks;
        size_t p = at + 8;
        uint32_t tick = 0;
        uint8_t running = 0;
        bool ended = false;
        std::map<int, int> sounding;
        while (p < end && !ended) {
            tick += vlq(b, p, end);
            uint8_t st = b[p];
            if (st & 0x80) ++p;
            else st = running;
            if (st == 0xFF) {
                const uint8_t type = b[p++];
                const uint32_t len = vlq(b, p, end);
                if (type == 0x51 && len == 3) {
                    const uint32_t us = (uint32_t(b[p]) << 16) | (uint32_t(b[p + 1]) << 8) | b[p + 2];
                    tempoAt[tick] = us;
                    t.tempos.insert(us);
                }
                if (type == 0x2F) {
                    ended = true;
                    EXPECT_EQ(p + len, end) << "end of track is not the last event";
                }
                p += len;
            } else if (st == 0xF0 || st == 0xF7) {
                p += vlq(b, p, end);
            } else {
                running = st;
                const int kind = st & 0xF0, ch = st & 0x0F;
                const int n = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
                if (kind == 0xC0) t.programs.insert(ch * 128 + b[p]);
                if (kind == 0x90 && b[p + 1] > 0) {
                    ++sounding[ch * 128 + b[p]];
                    ++t.notes;
                } else if (kind == 0x80 || (kind == 0x90 && b[p + 1] == 0)) {
                    --sounding[ch * 128 + b[p]];
                }
                p += size_t(n);
            }
        }
        EXPECT_TRUE(ended) << "track " << t.tracks << " has no end-of-track";
        for (const auto& [key, n] : sounding) EXPECT_EQ(n, 0) << "hanging note " << key;
        lastTick = std::max(lastTick, tick);
        at = end;
    }
    EXPECT_EQ(at, b.size());
    EXPECT_EQ(t.tracks, declared);
    // Seconds to the end, through the tempo map (120 per minute until the first change).
    double secs = 0;
    uint32_t prev = 0, us = 500000;
    for (const auto& [tick, tempo] : tempoAt) {
        if (tick >= lastTick) break;
        secs += double(tick - prev) * us / 1e6 / t.division;
        prev = tick;
        us = tempo;
    }
    secs += double(lastTick - prev) * us / 1e6 / t.division;
    t.seconds = secs;
    return t;
}

const char* kTunes[] = {"MIDI/KTVB1.MID", "MIDI/KTVB2.MID", "MIDI/KTVB3.MID", "MIDI/KTVB4.MID",
                        "MIDI/KTVB5.MID", "MIDI/KTVB6.MID", "MIDI/GTCB3.MID", "MIDI/QZ5.MID"};

TEST(DataMusic, EveryTuneIsAValidLoopOfTwentyToSixtySeconds) {
    for (const char* path : kTunes) {
        SCOPED_TRACE(path);
        const auto bytes = readBytes(dataPath(path));
        const Tune t = parseMidi(bytes);
        EXPECT_GE(t.seconds, 20.0);
        EXPECT_LE(t.seconds, 60.0);
        EXPECT_GE(t.programs.size(), 3u) << "General MIDI instruments";
        EXPECT_GT(t.notes, 100);
        // The game's own reader agrees on the length.
        host::midi::Song song;
        ASSERT_TRUE(host::midi::ParseSmf(bytes.data(), bytes.size(), 44100, &song));
        EXPECT_NEAR(double(song.lengthMicros) / 1e6, t.seconds, 0.01);
    }
}

TEST(DataMusic, StagesSoundDifferentAndTheEndingIsCalmer) {
    std::vector<Tune> tunes;
    for (const char* path : kTunes) tunes.push_back(parseMidi(readBytes(dataPath(path))));
    for (size_t i = 0; i < tunes.size(); ++i)
        for (size_t j = 0; j < i; ++j)
            EXPECT_TRUE(tunes[i].tempos != tunes[j].tempos || tunes[i].programs != tunes[j].programs)
                << kTunes[i] << " and " << kTunes[j] << " share tempo and instruments";
    const Tune& ending = tunes[5];
    for (size_t i = 0; i < tunes.size(); ++i) {
        if (i == 5) continue;
        EXPECT_LT(*tunes[i].tempos.begin(), *ending.tempos.begin()) << kTunes[i] << " is slower than the ending";
        EXPECT_GT(tunes[i].notes / tunes[i].seconds, ending.notes / ending.seconds) << kTunes[i];
    }
}

// The effects sound over the music, and the shot restarts while an explosion still rings: the two at once
// leave room under full scale for the music beside them.
TEST(DataLevels, ShotAndExplosionTogetherLeaveRoomForTheMusic) {
    const Wave shot = parseWave(readBytes(dataPath("SOUND/SHOT.WAV")));
    const Wave bomb = parseWave(readBytes(dataPath("SOUND/BOM.WAV")));
    EXPECT_LE(peak(shot, 0, 1) + peak(bomb, 0, 1), 0.9);
}

// The first stage's tune through the synthesiser as the game sets it up, for its first 20 seconds: heard
// beside the effects (an RMS of -26 dBFS or more) and never at full scale by itself.
TEST(DataLevels, StageMusicIsHeardBesideTheEffects) {
    host::midi::Song song;
    ASSERT_TRUE(host::midi::LoadSmf(dataPath(kTunes[0]).c_str(), 44100, &song));
    ASSERT_TRUE(host::midisynth::Start()) << kt::kNoSoundfont;
    const size_t frames = 44100 * 20;
    std::vector<float> left(frames), right(frames);
    size_t next = 0;
    for (size_t pos = 0; pos < frames;) {
        for (; next < song.events.size() && song.events[next].frame <= pos; ++next)
            host::midisynth::Send(song.events[next].status, song.events[next].data1, song.events[next].data2);
        const size_t until = next < song.events.size() ? std::min<size_t>(frames, song.events[next].frame) : frames;
        host::midisynth::RenderAdd(left.data() + pos, right.data() + pos, static_cast<i32>(until - pos));
        pos = until;
    }
    host::midisynth::Stop();
    double sum = 0, top = 0;
    for (size_t i = 0; i < frames; ++i) {
        sum += double(left[i]) * left[i] + double(right[i]) * right[i];
        top = std::max({top, std::fabs(double(left[i])), std::fabs(double(right[i]))});
    }
    const double rmsDb = 20 * std::log10(std::sqrt(sum / (2.0 * frames)) / 32768);
    EXPECT_GE(rmsDb, -26.0);
    EXPECT_LT(top, 32767.0);
}

}  // namespace
