// RIFF files: a small chunk reader (descend, find, read, ascend) and the WAVE format block.
#pragma once
#include <cstdio>
#include <string>

#include "host/types.h"

namespace host {

// The format block of a WAVE file as it stands on disk: 18 bytes, then cbSize bytes of extra format data.
#pragma pack(push, 1)
struct WaveFormat {
    u16 formatTag;       // 1 = PCM
    u16 channels;
    u32 samplesPerSec;
    u32 avgBytesPerSec;
    u16 blockAlign;
    u16 bitsPerSample;
    u16 cbSize;          // bytes of extra format data that follow
};
#pragma pack(pop)
static_assert(sizeof(WaveFormat) == 18);

constexpr u32 FourCC(char a, char b, char c, char d) {
    return u32(u8(a)) | u32(u8(b)) << 8 | u32(u8(c)) << 16 | u32(u8(d)) << 24;
}

// One chunk the reader stands in: its id, its data size, where its data starts and (for RIFF/LIST) its form.
struct RiffChunk {
    u32 id = 0;
    u32 size = 0;
    u32 dataOffset = 0;
    u32 form = 0;
};

// A RIFF reader over a file or a block of memory. Every size is checked against what is really there: a
// chunk running past the end of its parent (or of the file) is refused.
class RiffReader {
public:
    RiffReader() = default;
    ~RiffReader();
    RiffReader(const RiffReader&) = delete;
    RiffReader& operator=(const RiffReader&) = delete;

    // A host path (already resolved); false, with the reason in `problem` where given, when it cannot be read.
    bool OpenFile(const char* path, std::string* problem = nullptr);
    void OpenMemory(const void* data, size_t size);  // the reader does not copy or own the bytes
    void Close();
    u32 Size() const { return static_cast<u32>(size_); }

    // Enters the chunk at the current position (inside `parent` when given). For "RIFF" and "LIST" the form
    // type is read too. False when no whole chunk header fits or the chunk runs past its parent.
    bool Descend(RiffChunk* out, const RiffChunk* parent = nullptr);
    // Searches `parent` (the whole file when null) from the current position for the chunk `id`.
    bool FindChunk(u32 id, RiffChunk* out, const RiffChunk* parent = nullptr);
    // Searches `parent` for a RIFF/LIST chunk of form type `form`.
    bool FindForm(u32 form, RiffChunk* out, const RiffChunk* parent = nullptr);
    // Moves past the end of the chunk (and its pad byte).
    bool Ascend(const RiffChunk& c);
    bool Seek(u32 offset);
    u32 Tell() const { return pos_; }
    // Reads exactly n bytes at the current position; false (nothing consumed) when fewer remain.
    bool Read(void* dst, u32 n);

private:
    std::FILE* file_ = nullptr;
    const u8* mem_ = nullptr;
    size_t size_ = 0;
    u32 pos_ = 0;
};

// Reads a RIFF/WAVE image: the first chunk must be "RIFF" of form "WAVE" holding a "fmt " chunk of at least
// 16 bytes and a "data" chunk, both wholly inside the file. On success *format is a block of *formatSize
// bytes (18 + extra: the 16 bytes of the "fmt " chunk, the extra size, the extra bytes; for PCM the extra
// size is 0) and *data holds *dataSize bytes, both from std::malloc (data may be null when the size is 0).
// On failure every output is 0 and nothing stays allocated, and `problem` (where given) says what is wrong
// in words that stand after the file's name in a report: "an empty file", "a WAVE file without a data
// chunk", "cut short: its \"data\" chunk names 4000 bytes and only 1000 follow", "not a PCM WAVE file" (no
// RIFF/WAVE form at all), ...
bool ReadWave(RiffReader& r, WaveFormat** format, u32* formatSize, u8** data, u32* dataSize,
              std::string* problem = nullptr);

// The highest sample rate a sound may have.
constexpr u32 kMaxWaveRate = 200000;
// Why a sound in this format cannot be played, in words that stand after the file's name in a report
// ("8 channels; this program plays 1 or 2"); empty when it can: PCM, 1 or 2 channels, 8 or 16 bits a
// sample, 1 to kMaxWaveRate frames a second, and a block alignment of one whole frame.
std::string WaveFormatProblem(const WaveFormat& f);
// As above for a sound of this format whose data holds `dataSize` bytes: also refused when that is less
// than one frame.
std::string WaveProblem(const WaveFormat& f, u32 dataSize);

}  // namespace host
