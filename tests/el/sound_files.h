// Small builders for the sound tests: WAVE file images, Standard MIDI Files, and a folder beside the
// test program (the library reads every name relative to the program's folder).
#pragma once
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "host/files.h"
#include "host/types.h"
#include "support/temp_folder.h"

namespace kt {

inline void Put16(std::vector<u8>& v, u32 x) {
    v.push_back(static_cast<u8>(x));
    v.push_back(static_cast<u8>(x >> 8));
}
inline void Put32(std::vector<u8>& v, u32 x) {
    Put16(v, x & 0xFFFF);
    Put16(v, x >> 16);
}
inline void PutTag(std::vector<u8>& v, const char* t) { v.insert(v.end(), t, t + 4); }

// A RIFF/WAVE image of PCM samples (little-endian bytes as given).
inline std::vector<u8> WaveImage(u16 channels, u32 rate, u16 bits, const std::vector<u8>& samples) {
    std::vector<u8> v;
    PutTag(v, "RIFF");
    Put32(v, static_cast<u32>(36 + samples.size()));
    PutTag(v, "WAVE");
    PutTag(v, "fmt ");
    Put32(v, 16);
    Put16(v, 1);
    Put16(v, channels);
    Put32(v, rate);
    Put32(v, rate * channels * bits / 8);
    Put16(v, static_cast<u16>(channels * bits / 8));
    Put16(v, bits);
    PutTag(v, "data");
    Put32(v, static_cast<u32>(samples.size()));
    v.insert(v.end(), samples.begin(), samples.end());
    return v;
}

inline std::vector<u8> Samples16(const std::vector<i16>& s) {
    std::vector<u8> v;
    for (i16 x : s) Put16(v, static_cast<u16>(x));
    return v;
}

// Mono 16-bit: every sample the same value.
inline std::vector<u8> Constant16(i16 value, u32 frames) { return Samples16(std::vector<i16>(frames, value)); }

inline void WriteFile(const std::string& path, const std::vector<u8>& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

inline std::vector<u8> ReadFile(const std::string& path) {
    std::vector<u8> v;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return v;
    int c;
    while ((c = std::fgetc(f)) != EOF) v.push_back(static_cast<u8>(c));
    std::fclose(f);
    return v;
}

// A new private folder beside the test program (where none can be made, the test fails), removed when it
// goes out of scope. `Rel` is the name the
// library is given (relative to the program's folder), `Abs` the real path.
class ProgramSubfolder {
public:
    ProgramSubfolder() {
        abs_ = FolderBesideProgram("s");
        abs_.pop_back();
        rel_ = abs_.substr(abs_.rfind('/') + 1);
    }
    ~ProgramSubfolder() {
        std::error_code ec;
        std::filesystem::remove_all(abs_, ec);
    }
    ProgramSubfolder(const ProgramSubfolder&) = delete;
    ProgramSubfolder& operator=(const ProgramSubfolder&) = delete;
    std::string Rel(const std::string& name) const { return rel_ + "/" + name; }
    std::string Abs(const std::string& name) const { return abs_ + "/" + name; }

private:
    std::string rel_, abs_;
};

// ---- Standard MIDI Files ---------------------------------------------------------------------------
inline void PutVlq(std::vector<u8>& v, u32 x) {
    u8 tmp[5];
    int n = 0;
    tmp[n++] = x & 0x7F;
    while (x >>= 7) tmp[n++] = static_cast<u8>(0x80 | (x & 0x7F));
    while (n) v.push_back(tmp[--n]);
}

// A format-0 file, 480 ticks per quarter at 120 bpm (one tick = 1/960 s): a piano chord held for
// `seconds` seconds.
inline std::vector<u8> ChordSmf(double seconds) {
    std::vector<u8> t;
    PutVlq(t, 0);
    t.insert(t.end(), {0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20});  // 500000 us per quarter
    PutVlq(t, 0);
    t.insert(t.end(), {0xC0, 0x00});  // piano
    for (u8 note : {60, 64, 67}) {
        PutVlq(t, 0);
        t.insert(t.end(), {0x90, note, 100});
    }
    const u32 ticks = static_cast<u32>(seconds * 960.0);
    bool first = true;
    for (u8 note : {60, 64, 67}) {
        PutVlq(t, first ? ticks : 0);
        first = false;
        t.insert(t.end(), {0x80, note, 0});
    }
    PutVlq(t, 0);
    t.insert(t.end(), {0xFF, 0x2F, 0x00});
    std::vector<u8> v;
    PutTag(v, "MThd");
    v.insert(v.end(), {0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0});
    PutTag(v, "MTrk");
    v.insert(v.end(), {static_cast<u8>(t.size() >> 24), static_cast<u8>(t.size() >> 16), static_cast<u8>(t.size() >> 8),
                       static_cast<u8>(t.size())});
    v.insert(v.end(), t.begin(), t.end());
    return v;
}

inline double Rms(const std::vector<i16>& s, size_t from, size_t to) {
    double sum = 0;
    size_t n = 0;
    for (size_t i = from; i < to && i < s.size(); ++i, ++n) sum += static_cast<double>(s[i]) * s[i];
    return n ? std::sqrt(sum / static_cast<double>(n)) : 0.0;
}

}  // namespace kt
