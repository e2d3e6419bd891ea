// Makes the seeds of the fuzz harnesses that the data set does not hold: packs built from the data set's
// own sounds, small pictures and sounds of every kind the readers take, command scripts, texts, and songs
// at the limits. make_seeds DATA_FOLDER SEED_FOLDER
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "host/bitmap.h"
#include "host/riff.h"

namespace {

using Bytes = std::vector<u8>;
std::string g_out;

void Put(Bytes& v, u32 x, int n) {
    for (int i = 0; i < n; ++i) v.push_back(static_cast<u8>(x >> (8 * i)));
}
void PutBe(Bytes& v, u32 x, int n) {
    for (int i = n - 1; i >= 0; --i) v.push_back(static_cast<u8>(x >> (8 * i)));
}
void Add(Bytes& v, const std::string& s) { v.insert(v.end(), s.begin(), s.end()); }

void Write(const std::string& dir, const std::string& name, const Bytes& b) {
    std::filesystem::create_directories(g_out + "/" + dir);
    const std::string path = g_out + "/" + dir + "/" + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::perror(path.c_str());
        std::exit(1);
    }
    std::fwrite(b.data(), 1, b.size(), f);
    std::fclose(f);
}

Bytes Wave(u16 tag, u16 channels, u32 rate, u16 bits, u32 frames) {
    Bytes fmt;
    const u16 align = static_cast<u16>(channels * bits / 8);
    Put(fmt, tag, 2);
    Put(fmt, channels, 2);
    Put(fmt, rate, 4);
    Put(fmt, rate * align, 4);
    Put(fmt, align, 2);
    Put(fmt, bits, 2);
    Bytes data(static_cast<size_t>(frames) * align);
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<u8>(i * 37);
    Bytes w;
    Add(w, "RIFF");
    Put(w, static_cast<u32>(4 + 8 + fmt.size() + 8 + data.size()), 4);
    Add(w, "WAVE");
    Add(w, "fmt ");
    Put(w, static_cast<u32>(fmt.size()), 4);
    w.insert(w.end(), fmt.begin(), fmt.end());
    Add(w, "data");
    Put(w, static_cast<u32>(data.size()), 4);
    w.insert(w.end(), data.begin(), data.end());
    return w;
}

// One sound pack entry from a WAVE image: the data size, the name, the format block, the samples.
bool PackEntry(Bytes& pack, const std::string& name, const Bytes& wave) {
    host::RiffReader r;
    r.OpenMemory(wave.data(), wave.size());
    host::WaveFormat* format = nullptr;
    u8* data = nullptr;
    u32 formatSize = 0, dataSize = 0;
    if (!host::ReadWave(r, &format, &formatSize, &data, &dataSize)) return false;
    Put(pack, dataSize, 4);
    Add(pack, name);
    pack.push_back(0);
    Put(pack, formatSize, 4);
    pack.insert(pack.end(), reinterpret_cast<u8*>(format), reinterpret_cast<u8*>(format) + formatSize);
    if (dataSize) pack.insert(pack.end(), data, data + dataSize);
    std::free(format);
    std::free(data);
    return true;
}

Bytes ReadAll(const std::string& path) {
    Bytes b;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return b;
    u8 buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) b.insert(b.end(), buf, buf + n);
    std::fclose(f);
    return b;
}

Bytes Smf(u16 division, const Bytes& track) {
    Bytes f;
    Add(f, "MThd");
    PutBe(f, 6, 4);
    PutBe(f, 0, 2);
    PutBe(f, 1, 2);
    PutBe(f, division, 2);
    Add(f, "MTrk");
    PutBe(f, static_cast<u32>(track.size()), 4);
    f.insert(f.end(), track.begin(), track.end());
    return f;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DATA_FOLDER SEED_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string data = argv[1];
    g_out = argv[2];

    // Pictures: the depths and orientations the reader takes, small.
    {
        std::vector<u32> rgb(5 * 3);
        for (size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<u32>(i * 0x10203);
        Write("bitmap", "small24.bmp", host::EncodeBitmap24(5, 3, rgb.data()));
        Bytes top = host::EncodeBitmap24(5, 3, rgb.data());
        const i32 h = -3;  // top-down rows
        std::memcpy(top.data() + 22, &h, 4);
        Write("bitmap", "topdown24.bmp", top);
    }

    // Sounds: 8 and 16 bits, mono and stereo, and a format the mixer does not play.
    Write("wave", "m8.wav", Wave(1, 1, 11025, 8, 40));
    Write("wave", "s16.wav", Wave(1, 2, 44100, 16, 40));
    Write("wave", "adpcm.wav", Wave(2, 1, 22050, 4, 40));

    // Sound packs: the data set's sounds, and small ones.
    {
        Bytes pack;
        for (const char* name : {"SHOT.WAV", "BOM.WAV"}) {
            Bytes w = ReadAll(data + "/SOUND/" + name);
            if (w.size() > 16384) w.resize(16384);  // a long sound adds nothing a short one lacks
            // A cut image keeps its header sizes; make them tell the truth.
            if (w.size() >= 44) {
                const u32 riff = static_cast<u32>(w.size() - 8), body = static_cast<u32>(w.size() - 44);
                std::memcpy(w.data() + 4, &riff, 4);
                std::memcpy(w.data() + 40, &body, 4);
            }
            PackEntry(pack, name, w);
        }
        Write("sound_pack", "data.pak", pack);
        Bytes small;
        PackEntry(small, "A.WAV", Wave(1, 1, 22050, 16, 64));
        PackEntry(small, "B.WAV", Wave(1, 2, 8000, 8, 16));
        Write("sound_pack", "small.pak", small);
    }

    // Image packs: two entries of 15-bit words, and one without a name.
    {
        Bytes pack;
        auto entry = [&](u32 w, u32 h, const std::string& name) {
            Put(pack, w, 2);
            Put(pack, h, 2);
            Add(pack, name);
            pack.push_back(0);
            for (u32 i = 0; i < w * h; ++i) Put(pack, i * 0x0421u & 0x7FFF, 2);
        };
        entry(3, 2, "A.BMP");
        entry(1, 1, "B.BMP");
        Write("image_pack", "two.pak", pack);
        pack.clear();
        entry(2, 2, "");
        Write("image_pack", "noname.pak", pack);
    }

    // Songs: a short one, and one whose times run far past a day (refused before any conversion).
    {
        const Bytes notes = {0, 0xC0, 5, 0, 0x90, 60, 100, 0x60, 0x80, 60, 0, 0, 0xFF, 0x2F, 0};
        Write("midi", "short.mid", Smf(96, notes));
        Bytes slow = {0, 0xFF, 0x51, 3, 0xFF, 0xFF, 0xFF};
        for (int i = 0; i < 100000; ++i) {
            const u8 delta[] = {0xFF, 0xFF, 0xFF, 0x7F};
            slow.insert(slow.end(), delta, delta + 4);
            if (i == 0) slow.push_back(0xC0);
            slow.push_back(static_cast<u8>(i & 0x7F));
        }
        Write("midi", "huge_deltas.mid", Smf(1, slow));
    }

    // Command scripts, one command a line.
    Write("mci", "play.txt", [] {
        Bytes b;
        Add(b, "open \"s.mid\" type sequencer alias midi\nseek midi to start\nplay midi notify\nstatus midi mode\n"
               "status midi position\nstop midi\nclose midi");
        return b;
    }());
    Write("mci", "misc.txt", [] {
        Bytes b;
        Add(b, "open s.mid alias m\nplay m\nstatus m length\nseek m to end\nplay m notify\nopen s.mid alias m\nclose m");
        return b;
    }());

    // Texts: the library's messages, a mix of single- and double-byte characters, a broken pair.
    Write("cp932", "messages.txt", [] {
        Bytes b;
        Add(b, "elDraw::LoadObject : BMP\x83t\x83@\x83" "C\x83\x8B\x82\xF0\x93\xC7\x82\xDD\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1");
        return b;
    }());
    Write("cp932", "mixed.txt", [] {
        Bytes b;
        Add(b, "a\\b~c \x83G\x83\x89\x81[\x94\xAD\x90\xB6\r\nline two\x83");
        return b;
    }());
    return 0;
}
