// The music: one looping tune per stage and one for the ending, composed from a seeded pattern
// (a chord progression, a bass line, a pad, an optional arpeggio, drums and a melody built
// from motifs) and written as Standard MIDI Files, format 1, General MIDI instruments.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "catalog.h"
#include "noise.h"

namespace datagen {

namespace {
constexpr int kDivision = 480;  // ticks per quarter note
constexpr int kBar = kDivision * 4;
constexpr int kEighth = kDivision / 2;
constexpr int kSixteenth = kDivision / 4;

enum Drums { None, Rock, Driving, HalfTime, Soft };
enum BassStyle { Eighths, Bounce, Halves };

struct TuneSpec {
    const char* path;
    int bpm;
    int root;             // MIDI note of the tonic, bass octave
    int mode;             // 0 natural minor, 1 major, 2 dorian
    std::array<int, 4> chords;  // scale degrees, one bar each
    int bars;             // a multiple of 8
    int lead, pad, bass, arp;   // General MIDI programs (−1: no part)
    Drums drums;
    BassStyle bassStyle;
    uint32_t seed;
    int leadVelocity;
};

// Five stages, the ending, and the two alternate stages. Loops of 25 to 40 seconds.
const TuneSpec kTunes[] = {
    {"MIDI/KTVB1.MID", 150, 40, 0, {0, 5, 6, 0}, 24, 80, 50, 38, -1, Rock, Eighths, 101, 100},
    {"MIDI/KTVB2.MID", 132, 45, 0, {0, 3, 6, 2}, 16, 29, 61, 33, -1, Rock, Bounce, 202, 96},
    {"MIDI/KTVB3.MID", 164, 42, 0, {0, 6, 5, 6}, 24, 81, 89, 39, 5, Driving, Eighths, 303, 100},
    {"MIDI/KTVB4.MID", 116, 36, 0, {0, 5, 3, 4}, 16, 60, 52, 34, 11, HalfTime, Bounce, 404, 92},
    {"MIDI/KTVB5.MID", 172, 47, 0, {0, 5, 2, 6}, 24, 30, 48, 38, 81, Driving, Eighths, 505, 104},
    {"MIDI/KTVB6.MID", 84, 38, 1, {0, 5, 3, 4}, 16, 73, 49, 32, 0, Soft, Halves, 606, 80},
    {"MIDI/GTCB3.MID", 140, 43, 2, {0, 3, 0, 6}, 16, 87, 62, 36, -1, Rock, Bounce, 707, 98},
    {"MIDI/QZ5.MID", 146, 37, 0, {0, 3, 4, 0}, 16, 84, 90, 38, 8, Driving, Eighths, 808, 98},
};

const int kScales[3][7] = {{0, 2, 3, 5, 7, 8, 10}, {0, 2, 4, 5, 7, 9, 11}, {0, 2, 3, 5, 7, 9, 10}};

// Pitch of scale step `step` (may be negative or above 6) above the tonic `root`.
int pitch(int root, int mode, int step) {
    const int oct = step >= 0 ? step / 7 : -((-step + 6) / 7);
    const int idx = step - oct * 7;
    return root + 12 * oct + kScales[mode][idx];
}

struct Ev {
    int tick;
    int order;  // at the same tick: note-offs (0) before controls (1) before note-ons (2)
    std::vector<uint8_t> bytes;
};

class Track {
public:
    void note(int ch, int key, int vel, int start, int len) {
        key = std::clamp(key, 0, 127);
        ev_.push_back({start, 2, {static_cast<uint8_t>(0x90 | ch), static_cast<uint8_t>(key), static_cast<uint8_t>(vel)}});
        ev_.push_back({start + len, 0, {static_cast<uint8_t>(0x80 | ch), static_cast<uint8_t>(key), 64}});
    }
    void raw(int tick, std::vector<uint8_t> bytes) { ev_.push_back({tick, 1, std::move(bytes)}); }
    void meta(int tick, uint8_t type, const std::vector<uint8_t>& data) {
        std::vector<uint8_t> b = {0xFF, type};
        vlq(b, static_cast<uint32_t>(data.size()));
        b.insert(b.end(), data.begin(), data.end());
        raw(tick, std::move(b));
    }
    void name(const char* n) { meta(0, 0x03, std::vector<uint8_t>(n, n + std::char_traits<char>::length(n))); }
    void setup(int ch, int program, int volume, int pan) {
        if (program >= 0) raw(0, {static_cast<uint8_t>(0xC0 | ch), static_cast<uint8_t>(program)});
        raw(0, {static_cast<uint8_t>(0xB0 | ch), 7, static_cast<uint8_t>(volume)});
        raw(0, {static_cast<uint8_t>(0xB0 | ch), 10, static_cast<uint8_t>(pan)});
        raw(0, {static_cast<uint8_t>(0xB0 | ch), 91, 40});
    }
    // The chunk, ending exactly at `end` so the file loops on the bar line.
    std::vector<uint8_t> chunk(int end) {
        std::stable_sort(ev_.begin(), ev_.end(), [](const Ev& a, const Ev& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        std::vector<uint8_t> body;
        int now = 0;
        for (const auto& e : ev_) {
            const int t = std::min(e.tick, end);
            vlq(body, static_cast<uint32_t>(t - now));
            now = t;
            body.insert(body.end(), e.bytes.begin(), e.bytes.end());
        }
        vlq(body, static_cast<uint32_t>(end - now));
        body.insert(body.end(), {0xFF, 0x2F, 0x00});
        std::vector<uint8_t> out = {'M', 'T', 'r', 'k'};
        be32(out, static_cast<uint32_t>(body.size()));
        out.insert(out.end(), body.begin(), body.end());
        return out;
    }
    static void vlq(std::vector<uint8_t>& b, uint32_t v) {
        uint8_t tmp[5];
        int n = 0;
        tmp[n++] = static_cast<uint8_t>(v & 0x7F);
        while (v >>= 7) tmp[n++] = static_cast<uint8_t>((v & 0x7F) | 0x80);
        while (n > 0) b.push_back(tmp[--n]);
    }
    static void be32(std::vector<uint8_t>& b, uint32_t v) {
        for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<uint8_t>((v >> s) & 0xFF));
    }

private:
    std::vector<Ev> ev_;
};

// Rhythms of one bar, in eighths.
const std::vector<std::vector<int>> kRhythms = {
    {2, 2, 2, 2}, {3, 3, 2}, {1, 1, 2, 2, 2}, {2, 1, 1, 4}, {4, 2, 2}, {1, 1, 1, 1, 2, 2}, {3, 1, 2, 2}, {2, 2, 4},
};
const std::vector<std::vector<int>> kCalmRhythms = {{4, 4}, {2, 2, 4}, {6, 2}, {3, 1, 4}, {8}};

struct Note {
    int step;  // scale step relative to the tonic an octave above the bass
    int start, len;
    bool rest;
};

// A four-bar phrase over the progression.
std::vector<Note> phrase(const TuneSpec& t, Rng& rng, bool calm) {
    std::vector<Note> out;
    int step = 7 + t.chords[0] + (rng.below(2) ? 2 : 0);
    for (int bar = 0; bar < 4; ++bar) {
        const auto& rs = calm ? kCalmRhythms : kRhythms;
        const auto& rhythm = rs[static_cast<size_t>(rng.below(static_cast<int>(rs.size())))];
        int pos = 0;
        for (size_t i = 0; i < rhythm.size(); ++i) {
            const int len = rhythm[i] * kEighth;
            const bool strong = pos % kDivision == 0;
            int move = rng.below(5) - 2;
            if (move == 0 && rng.below(2)) move = rng.below(2) ? 1 : -1;
            // Lean back towards the middle of the range so the line keeps singing.
            if ((step < 9 && move < 0) || (step > 13 && move > 0)) move = rng.below(3) ? -move : move;
            step += move;
            if (strong) {  // land on a chord tone
                const int chordRoot = 7 + t.chords[static_cast<size_t>(bar)];
                int best = step, bestDist = 99;
                for (int k = -7; k <= 14; ++k) {
                    const int cand = chordRoot + k;
                    const int rel = ((cand - chordRoot) % 7 + 7) % 7;
                    if (rel != 0 && rel != 2 && rel != 4) continue;
                    if (std::abs(cand - step) < bestDist) {
                        bestDist = std::abs(cand - step);
                        best = cand;
                    }
                }
                step = best;
            }
            step = std::clamp(step, 4, 16);
            const bool rest = !strong && rng.below(9) == 0;
            out.push_back({step, bar * kBar + pos, len, rest});
            pos += len;
        }
    }
    // End on the tonic of the last chord.
    out.back().step = 7 + t.chords[3];
    return out;
}

std::vector<uint8_t> compose(const TuneSpec& t) {
    Rng rng(t.seed);
    const bool calm = t.drums == Soft;
    const int end = t.bars * kBar;
    const int sections = t.bars / 4;
    // Melody form: A A' B A (and again for longer tunes).
    const std::vector<Note> a = phrase(t, rng, calm);
    std::vector<Note> a2 = a;
    {
        Rng vary(t.seed + 1);
        for (auto& n : a2)
            if (n.start >= 3 * kBar && !n.rest && n.start != a.back().start) n.step = std::clamp(n.step + vary.below(3) - 1, 4, 16);
    }
    const std::vector<Note> b = phrase(t, rng, calm);

    Track conductor, lead, pad, bass, arp, drums;
    conductor.name("KESTRALIS");
    const uint32_t usPerQuarter = 60000000u / static_cast<uint32_t>(t.bpm);
    conductor.meta(0, 0x51, {static_cast<uint8_t>(usPerQuarter >> 16), static_cast<uint8_t>(usPerQuarter >> 8),
                             static_cast<uint8_t>(usPerQuarter)});
    conductor.meta(0, 0x58, {4, 2, 24, 8});
    conductor.meta(0, 0x59, {0, static_cast<uint8_t>(t.mode == 1 ? 0 : 1)});

    lead.name("Lead");
    lead.setup(0, t.lead, 100, 64);
    pad.name("Pad");
    pad.setup(1, t.pad, calm ? 80 : 70, 40);
    bass.name("Bass");
    bass.setup(2, t.bass, 105, 64);
    if (t.arp >= 0) {
        arp.name("Arpeggio");
        arp.setup(3, t.arp, calm ? 70 : 64, 88);
    }
    drums.name("Drums");
    drums.setup(9, -1, calm ? 70 : 100, 64);

    const int melodyRoot = t.root + 24;
    for (int s = 0; s < sections; ++s) {
        const int base = s * 4 * kBar;
        const std::vector<Note>& m = (s % 4 == 2) ? b : (s % 4 == 1 ? a2 : a);
        const bool introQuiet = s == 0 && !calm;  // the first phrase leaves the melody to the band
        for (const auto& n : m) {
            if (n.rest || introQuiet) continue;
            const int len = std::max(kSixteenth, n.len - (calm ? 20 : 40));
            lead.note(0, pitch(melodyRoot, t.mode, n.step - 7), t.leadVelocity - (n.start % kDivision ? 10 : 0), base + n.start, len);
        }
        for (int bar = 0; bar < 4; ++bar) {
            const int deg = t.chords[static_cast<size_t>(bar)];
            const int t0 = base + bar * kBar;
            // Pad: the triad held through the bar.
            for (int k : {0, 2, 4}) pad.note(1, pitch(t.root + 12, t.mode, deg + k), calm ? 58 : 52, t0, kBar - 10);
            // Bass.
            const int r = pitch(t.root, t.mode, deg);
            const int fifth = pitch(t.root, t.mode, deg + 4);
            switch (t.bassStyle) {
            case Eighths:
                for (int e = 0; e < 8; ++e) bass.note(2, (e == 3 || e == 7) ? r + 12 : r, e % 2 ? 84 : 104, t0 + e * kEighth, kEighth - 30);
                break;
            case Bounce: {
                const int pat[8] = {r, r, fifth, r + 12, r, fifth, r + 12, fifth};
                for (int e = 0; e < 8; ++e) bass.note(2, pat[e], e % 2 ? 84 : 104, t0 + e * kEighth, kEighth - 30);
                break;
            }
            case Halves:
                bass.note(2, r, 90, t0, 2 * kDivision - 20);
                bass.note(2, fifth - 12 >= t.root - 5 ? fifth - 12 : fifth, 80, t0 + 2 * kDivision, 2 * kDivision - 20);
                break;
            }
            // Arpeggio: broken chord, sixteenths (eighths when calm).
            if (t.arp >= 0) {
                const int stepLen = calm ? kEighth : kSixteenth;
                const int order[4] = {0, 2, 4, 7};
                for (int i = 0; i < kBar / stepLen; ++i) {
                    const int k = order[i % 4];
                    arp.note(3, pitch(t.root + 24, t.mode, deg + k), calm ? 50 : (i % 4 == 0 ? 76 : 60), t0 + i * stepLen, stepLen - 15);
                }
            }
            // Drums (General MIDI keys): 36 kick, 38 snare, 42 closed hat, 46 open hat, 49 crash,
            // 51 ride, 37 side stick, 45/47/48/50 toms.
            const bool fill = (bar == 3) && (s % 2 == 1);
            auto hit = [&](int key, int vel, int at) { drums.note(9, key, vel, t0 + at, 60); };
            if (bar == 0 && t.drums != None && t.drums != Soft) hit(49, 110, 0);
            switch (t.drums) {
            case Rock:
                for (int e = 0; e < 8; ++e) hit(42, e % 2 ? 60 : 85, e * kEighth);
                hit(36, 110, 0);
                hit(36, 100, 2 * kDivision);
                hit(36, 90, 2 * kDivision + kEighth);
                hit(38, 105, kDivision);
                if (!fill) hit(38, 105, 3 * kDivision);
                break;
            case Driving:
                for (int e = 0; e < 16; ++e) hit(42, e % 4 == 0 ? 90 : 55, e * kSixteenth);
                for (int q = 0; q < 4; ++q) hit(36, 110, q * kDivision);
                hit(38, 110, kDivision);
                if (!fill) hit(38, 110, 3 * kDivision);
                hit(46, 70, 3 * kDivision + kEighth);
                break;
            case HalfTime:
                for (int e = 0; e < 8; ++e) hit(42, e % 2 ? 55 : 80, e * kEighth);
                hit(36, 115, 0);
                hit(36, 95, kDivision + kEighth);
                if (!fill) hit(38, 115, 2 * kDivision);
                break;
            case Soft:
                for (int q = 0; q < 4; ++q) hit(51, q % 2 ? 45 : 60, q * kDivision);
                hit(36, 60, 0);
                hit(37, 50, 3 * kDivision);
                break;
            case None:
                break;
            }
            if (fill && t.drums != Soft && t.drums != None) {
                const int toms[8] = {50, 50, 48, 48, 47, 47, 45, 45};
                for (int i = 0; i < 8; ++i) hit(toms[i], 90 + i * 3, 2 * kDivision + i * kSixteenth);
            }
        }
    }

    std::vector<uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    std::vector<Track*> tracks = {&conductor, &lead, &pad, &bass};
    if (t.arp >= 0) tracks.push_back(&arp);
    tracks.push_back(&drums);
    out.push_back(0);
    out.push_back(static_cast<uint8_t>(tracks.size()));
    out.push_back(static_cast<uint8_t>(kDivision >> 8));
    out.push_back(static_cast<uint8_t>(kDivision & 0xFF));
    for (Track* tr : tracks) {
        const auto c = tr->chunk(end);
        out.insert(out.end(), c.begin(), c.end());
    }
    return out;
}
}  // namespace

std::vector<TuneFile> makeMusic() {
    std::vector<TuneFile> out;
    for (const auto& t : kTunes) out.push_back({t.path, compose(t)});
    return out;
}

}  // namespace datagen
