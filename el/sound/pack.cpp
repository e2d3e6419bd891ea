// The sound pack: a plain sequence of entries (data size, upper-case name, format size, format block,
// samples), loaded whole into a sound object or streamed two seconds at a time through a four-second
// circular buffer.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "el/elSound.h"
#include "el/elSystem.h"
#include "el/sound/sound_internal.h"
#include "host/files.h"
#include "host/mixer.h"
#include "host/report.h"
#include "host/text.h"

namespace elSound {

char PackPath[259] = {};

namespace {

using host::UpperCaseCp932;

using namespace detail;

constexpr size_t kEntryNameMax = 128;  // an entry name with its zero must fit in this many bytes
constexpr u32 kMaxFormatSize = 18 + 65535;

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool ReadU32(std::FILE* f, u32* v) { return std::fread(v, 1, 4, f) == 4; }

u64 FileSize(std::FILE* f) {
    const long at = std::ftell(f);
    if (at < 0 || std::fseek(f, 0, SEEK_END) != 0) return 0;
    const long end = std::ftell(f);
    std::fseek(f, at, SEEK_SET);
    return end < 0 ? 0 : static_cast<u64>(end);
}

// A found entry: the file stands at its format block.
struct Entry {
    u32 dataSize = 0;
    u32 formatSize = 0;
    u64 formatOffset = 0;
};

// Walks the entries up to the end of the file. Empty when the entry is found; else why not, in words that
// follow the pack's name in a report: the name is missing, or a damaged entry (a name of 128 bytes or more,
// a size that cannot be read or skipped) ends the search.
std::string FindEntry(std::FILE* f, const char* name, Entry* e) {
    const std::string wanted = UpperCaseCp932(name);
    const u64 size = FileSize(f);
    if (std::fseek(f, 0, SEEK_SET) != 0) return "cannot be read";
    for (u64 start = 0;; ) {
        if (start == size) return "no entry " + wanted;
        u32 dataSize, formatSize;
        if (!ReadU32(f, &dataSize)) return "cut short inside an entry";
        char entryName[kEntryNameMax];
        size_t n = 0;
        for (;;) {
            const int c = std::fgetc(f);
            if (c == EOF) return "cut short inside an entry";
            if (n == kEntryNameMax) return "an entry name of " + std::to_string(kEntryNameMax) + " bytes or more";
            entryName[n++] = static_cast<char>(c);
            if (c == 0) break;
        }
        if (!ReadU32(f, &formatSize)) return "cut short inside an entry";
        const long at = std::ftell(f);
        if (at < 0) return "cannot be read";
        if (std::strcmp(entryName, wanted.c_str()) == 0) {
            e->dataSize = dataSize;
            e->formatSize = formatSize;
            e->formatOffset = static_cast<u64>(at);
            return {};
        }
        const u64 next = static_cast<u64>(at) + formatSize + dataSize;
        if (next > size) return std::string("the entry ") + entryName + " runs past the end of the file";
        if (next > 0x7FFFFFFFull || std::fseek(f, static_cast<long>(next), SEEK_SET) != 0) return "cannot be read";
        start = next;
    }
}

// Reads and checks the entry's format block; the file then stands at the first sample byte. Nothing the
// pack says is trusted: the sizes must fit the file and the format must be playable PCM. Empty when it
// is; else why not, as FindEntry says it.
std::string ReadEntryFormat(std::FILE* f, const char* name, const Entry& e, std::vector<u8>* block,
                            host::WaveFormat* format) {
    const std::string entry = "the entry " + UpperCaseCp932(name);
    const auto n = [](u64 v) { return std::to_string(v); };
    if (e.formatSize < 18 || e.formatSize > kMaxFormatSize)
        return entry + ": a format block of " + n(e.formatSize) + " bytes; one holds 18 to " + n(kMaxFormatSize);
    const u64 size = FileSize(f);
    if (e.formatOffset + e.formatSize + e.dataSize > size) return entry + " runs past the end of the file";
    block->resize(e.formatSize);
    if (std::fread(block->data(), 1, e.formatSize, f) != e.formatSize) return entry + ": cut short";
    std::memcpy(format, block->data(), 18);
    if (18u + format->cbSize != e.formatSize)
        return entry + ": a format block of " + n(e.formatSize) + " bytes that says it holds " + n(18u + format->cbSize);
    if (const std::string why = host::WaveFormatProblem(*format); !why.empty()) return entry + ": " + why;
    const u64 frameRate = static_cast<u64>(format->samplesPerSec) * format->blockAlign;
    if (format->avgBytesPerSec != frameRate)
        return entry + ": " + n(format->avgBytesPerSec) + " bytes a second where its frames take " + n(frameRate);
    return {};
}

// Reads n bytes; whatever the file no longer holds becomes silence.
void ReadOrSilence(std::FILE* f, u8* dst, u32 n, u8 silence) {
    const size_t got = f ? std::fread(dst, 1, n, f) : 0;
    if (got < n) std::memset(dst + got, silence, n - got);
}

u8 SilenceOf(const Object& o) {
    return o.buffer[0] && host::mixer::GetFormat(o.buffer[0]).bits == 8 ? 0x80 : 0x00;
}

void Fail(const char* function, const char* message) { elSystem::Error(function, message, 0); }

// Says what is wrong with the pack at `path` in one line that names it as the game does.
void ReportPack(const char* path, const std::string& why) {
    host::ReportFileProblem(host::NameInFolder(path, elSystem::GetModuleDir(0)).c_str(), why.c_str());
}

// A pack that did not open: the system's reason.
void ReportUnopened(const char* path) { ReportPack(path, host::LoadProblem(path, "cannot be read")); }

// Opens the pack at `path` (none when it is empty) and finds the entry `name` in it with its format read;
// the file then stands at the entry's first sample byte. An empty File, reported for `fn`, on failure.
File OpenEntry(const char* fn, const char* path, const char* name, Entry* e, host::WaveFormat* format) {
    File f(path[0] ? host::OpenFile(path, "rb") : nullptr);
    if (!f) {
        if (path[0]) ReportUnopened(path);
        else host::ReportFileProblem(name, "no sound pack is named");
        Fail(fn, kMsgNoPack);
        return nullptr;
    }
    std::vector<u8> block;
    std::string why = FindEntry(f.get(), name, e);
    if (why.empty()) why = ReadEntryFormat(f.get(), name, *e, &block, format);
    if (!why.empty()) {
        ReportPack(path, why);
        Fail(fn, kMsgCannotRead);
        return nullptr;
    }
    return f;
}

// Opens a streaming object's pack at byte `at`. An empty File, reported for `fn`, on failure.
File OpenStreamAt(const char* fn, const char* path, u32 at) {
    File f(host::OpenFile(path, "rb"));
    if (!f) {
        ReportUnopened(path);
        Fail(fn, kMsgNoPack);
        return nullptr;
    }
    if (std::fseek(f.get(), static_cast<long>(at), SEEK_SET) != 0) {
        ReportPack(path, "cannot be read at byte " + std::to_string(at));
        Fail(fn, kMsgCannotStream);
        return nullptr;
    }
    return f;
}

// Writes `n` bytes (or silence) into the stream's buffer at `at`, wrapping to its start.
void WriteRing(host::mixer::Buffer* b, u32 at, const u8* bytes, u32 n, bool silence, u8 silenceByte) {
    if (n == 0) return;
    void *p1, *p2;
    u32 n1, n2;
    if (!host::mixer::Lock(b, at, n, &p1, &n1, &p2, &n2)) return;
    if (silence) {
        std::memset(p1, silenceByte, n1);
        if (p2) std::memset(p2, silenceByte, n2);
    } else {
        std::memcpy(p1, bytes, n1);
        if (p2) std::memcpy(p2, bytes + n1, n2);
    }
    host::mixer::Unlock(b);
}

bool TakeObject(const char* function) {
    if (reloading) return true;
    current = FreeObject();
    if (current >= 0) return true;
    current = 0;
    Fail(function, kMsgTooManyObjects);
    return false;
}

// Checks the name of a pack entry to load and takes an object for it (see TakeObject).
bool TakeNamedObject(const char* function, const char* name) {
    if (!reloading && (!name || std::strlen(name) > kNameMax)) {
        host::ReportNameTooLong(name, kNameMax);
        Fail(function, kMsgPackNameTooLong);
        return false;
    }
    return name && TakeObject(function);
}

void StoreName(Object& o, const char* name) {
    if (reloading) return;
    std::memset(o.name, 0, sizeof o.name);
    std::memcpy(o.name, name, std::strlen(name));
}

}  // namespace

void MakePath(const char* packName) {
    const int n = std::snprintf(PackPath, sizeof PackPath, "%s%s", elSystem::GetModuleDir(0), packName ? packName : "");
    // A path that does not fit is not cut: the loads then say that no pack is named.
    if (n < 0 || static_cast<size_t>(n) >= sizeof PackPath) PackPath[0] = 0;
}

namespace {

// Appends the entry of the wave file `wavePath` to the pack. False only when the pack could not be written
// (said in one line); a wave file that cannot be read is left out with a line of its own.
bool AppendWav(const char* packName, const char* wavePath) {
    if (!packName || !wavePath) return true;
    const std::string dir = elSystem::GetModuleDir(0);
    host::WaveFormat* format = nullptr;
    u8* data = nullptr;
    u32 formatSize = 0, dataSize = 0;
    // A file that cannot be read is skipped, with a word of why.
    std::string why;
    if (detail::ReadWaveFile((dir + wavePath).c_str(), &format, &formatSize, &data, &dataSize, &why) != 0) {
        host::ReportFileProblem(wavePath, why.c_str());
        return true;
    }
    const char* base = wavePath;
    for (const char* p = wavePath; *p; ++p) {
        if (host::IsLeadByte(static_cast<u8>(*p)) && p[1]) {
            ++p;
            continue;
        }
        if (*p == '\\' || *p == '/') base = p + 1;
    }
    const std::string name = UpperCaseCp932(base);
    bool written = true;
    if (!name.empty() && name.size() < kEntryNameMax) {
        host::FileWriter f(dir + packName, "ab", packName);
        f.Put(&dataSize, 4);
        f.Put(name.c_str(), name.size() + 1);
        f.Put(&formatSize, 4);
        f.Put(format, formatSize);
        f.Put(data, dataSize);
        written = f.Close();
    } else {
        host::ReportFileProblem(wavePath, ("a pack entry's name holds 1 to " + std::to_string(kEntryNameMax - 1) + " bytes").c_str());
    }
    std::free(format);
    std::free(data);
    return written;
}

}  // namespace

void PackAppendWav(const char* packName, const char* wavePath) { AppendWav(packName, wavePath); }

u32 PackAllWav(const char* packName, const char* folder, i32 clear) {
    if (!packName) return 1;
    const std::string dir = elSystem::GetModuleDir(0);
    const std::string sub = folder ? folder : "";
    if (clear) host::RemoveFile((dir + packName).c_str(), packName);
    // In the order of a case-blind directory.
    const std::vector<std::string> names = host::FilesEndingIn(dir + sub, ".WAV", sub.empty() ? "." : sub.c_str());
    // A pack that could not be written stops the packing: the rest would fail the same way, or follow an
    // entry cut short.
    for (const std::string& n : names) {
        const std::string path = UpperCaseCp932((sub.empty() ? n : sub + "\\" + n).c_str());
        if (!AppendWav(packName, path.c_str())) break;
    }
    return 1;
}

i32 LoadPack(const char* name, i32 mix) {
    static const char* kFn = "elSound::LoadPack";
    if (!present) return -1;
    const u32 count = static_cast<u32>(mix < 0 ? -static_cast<i64>(mix) : mix);
    if (count > static_cast<u32>(kMaxMix)) {
        Fail(kFn, kMsgTooManyMix);
        return -1;
    }
    if (!TakeNamedObject(kFn, name)) return -1;
    const i32 no = current;
    Object& o = Objects[no];
    Entry e;
    host::WaveFormat format{};
    File f = OpenEntry(kFn, PackPath, name, &e, &format);
    if (!f) return -1;
    std::vector<u8> data(e.dataSize);
    if (e.dataSize && std::fread(data.data(), 1, e.dataSize, f.get()) != e.dataSize) {
        ReportPack(PackPath, "the entry " + UpperCaseCp932(name) + ": cut short");
        Fail(kFn, kMsgCannotRead);
        return -1;
    }
    f.reset();
    o.mixCount = count;
    o.variation = mix > 1 ? 0 : -1;
    if (!reloading || o.nextBuffer >= count) o.nextBuffer = 0;
    if (!MakeBuffers(no, format, data.data(), e.dataSize, count)) {
        if (!reloading) {
            o.mixCount = 1;
            o.variation = -1;
        }
        ReportPack(PackPath, "the entry " + UpperCaseCp932(name) + ": " + BufferProblem(format, e.dataSize));
        Fail(kFn, kMsgNoBuffer);
        return -1;
    }
    o.used = 1;
    o.kind = 1;
    o.stream.streaming = 0;
    StoreName(o, name);
    return no;
}

i32 LoadStream(const char* name, u32 loopOffset) {
    static const char* kFn = "elSound::LoadStream";
    if (!present) return -1;
    if (!TakeNamedObject(kFn, name)) return -1;
    const i32 no = current;
    Object& o = Objects[no];
    StreamRecord& s = o.stream;
    char path[sizeof s.packPath];
    std::memcpy(path, PackPath, sizeof path);
    path[sizeof path - 1] = 0;
    Entry e;
    host::WaveFormat format{};
    File f = OpenEntry(kFn, path, name, &e, &format);
    if (!f) return -1;
    // Shorter than five seconds: an ordinary pack object.
    if (e.dataSize / format.avgBytesPerSec < 5) {
        f.reset();
        return LoadPack(name, 1);
    }
    const u64 bufferSize = static_cast<u64>(format.avgBytesPerSec) * 4;
    const u32 half = static_cast<u32>(bufferSize / 2);
    // The loop point lies inside the data, on a whole frame.
    if (loopOffset >= e.dataSize) loopOffset = 0;
    loopOffset -= loopOffset % format.blockAlign;
    std::vector<u8> first(half);
    ReadOrSilence(f.get(), first.data(), half, format.bitsPerSample == 8 ? 0x80 : 0x00);
    f.reset();

    DropBuffers(o);
    std::memcpy(s.packPath, path, sizeof s.packPath);
    s.streaming = e.dataSize;
    s.bufferSize = static_cast<u32>(bufferSize);
    s.halfSize = half;
    s.lastWritePos = 0;
    s.writePos = half;
    s.dataStart = static_cast<u32>(e.formatOffset + e.formatSize);
    s.loopPos = s.dataStart + loopOffset;
    s.filePos = s.dataStart + half;
    s.readCount = half;
    s.wrapMark = kNoWrap;
    s.lastCursor = 0;
    s.stopCountdown = 0;
    o.mixCount = 1;
    o.variation = -1;
    if (!reloading) o.nextBuffer = 0;
    if (!MakeStreamBuffer(no, format, s.bufferSize, first.data(), half)) {
        s.streaming = 0;
        ReportPack(path, "the entry " + UpperCaseCp932(name) + ": no room for the sound");
        Fail(kFn, kMsgNoBuffer);
        return -1;
    }
    o.used = 1;
    o.kind = 1;
    StoreName(o, name);
    return no;
}

u32 ResetStream(i32 soundNo) {
    static const char* kFn = "elSound::ResetStream";
    Object* o = UsedObject(soundNo);
    if (!o || !o->stream.streaming || !o->buffer[0]) return 0;
    StreamRecord& s = o->stream;
    File f = OpenStreamAt(kFn, s.packPath, s.dataStart);
    if (!f) return 0;
    s.lastWritePos = 0;
    s.writePos = s.halfSize;
    std::vector<u8> first(s.halfSize);
    ReadOrSilence(f.get(), first.data(), s.halfSize, SilenceOf(*o));
    s.filePos = s.dataStart + s.halfSize;
    f.reset();
    s.readCount = s.halfSize;
    s.wrapMark = kNoWrap;
    s.lastCursor = 0;
    s.stopCountdown = 0;
    WriteRing(o->buffer[0], 0, first.data(), s.halfSize, false, 0);
    return 1;
}

namespace detail {

// One stream's refill when it is due. False when the pack could not be read (the stream is stopped).
u32 StreamRefill(i32 soundNo) {
    static const char* kFn = "elSound::Streaming";
    Object& o = Objects[soundNo];
    StreamRecord& s = o.stream;
    host::mixer::Buffer* b = o.buffer[0];
    const u32 p = host::mixer::GetPosition(b);
    const u32 w = s.lastWritePos, m = s.wrapMark, l = s.lastCursor;
    bool due;
    if (m == kNoWrap) due = p >= w || (p < w && p < l);
    else if (w < m) due = w <= p && p < m;
    else due = p >= w;
    if (!due) return 1;

    s.lastCursor = p;
    if (s.stopCountdown > 0 && --s.stopCountdown == 0) {
        Stop(soundNo, -1);
        return 1;
    }
    File f = OpenStreamAt(kFn, s.packPath, s.filePos);
    if (!f) {
        // The pack went away under the stream: say so once and stop this stream.
        Stop(soundNo, -1);
        return 0;
    }
    const u32 total = s.streaming;
    u32 n = s.halfSize;
    if (static_cast<u64>(s.readCount) + n > total) n = total - s.readCount;
    else if (total - s.readCount - n < n) n = (total - s.readCount) / 2;
    const u8 silence = SilenceOf(o);
    std::vector<u8> chunk(n);
    ReadOrSilence(f.get(), chunk.data(), n, silence);
    f.reset();
    s.filePos += n;
    s.readCount += n;
    if (s.readCount >= total) {
        s.filePos = s.loopPos;
        s.readCount = s.loopPos - s.dataStart;
        if (o.looping == 0) s.stopCountdown = 2;
    }
    WriteRing(b, s.writePos, chunk.data(), n, s.stopCountdown == 1, silence);
    s.wrapMark = s.writePos < s.lastWritePos ? p : kNoWrap;
    s.lastWritePos = s.writePos > s.bufferSize ? s.writePos - s.bufferSize : s.writePos;
    s.writePos += n;
    if (s.writePos >= s.bufferSize) s.writePos -= s.bufferSize;
    return 1;
}

}  // namespace detail

u32 Streaming() {
    if (!present) return 0;
    for (i32 i = 0; i < kObjectCount; ++i) {
        Object& o = Objects[i];
        if (!o.used || !o.stream.streaming || !o.buffer[0] || !host::mixer::IsPlaying(o.buffer[0])) continue;
        if (!detail::StreamRefill(i)) return 1;
    }
    return 1;
}

}  // namespace elSound
