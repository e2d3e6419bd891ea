#include "host/riff.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "host/files.h"

namespace host {

RiffReader::~RiffReader() { Close(); }

bool RiffReader::OpenFile(const char* path, std::string* problem) {
    std::string why;
    if (!problem) problem = &why;
    Close();
    if (!path) {
        *problem = SystemReason(ENOENT);
        return false;
    }
    file_ = OpenRegularStream(path, problem);
    if (!file_) return false;
    long end = -1;
    if (std::fseek(file_, 0, SEEK_END) == 0) end = std::ftell(file_);
    if (end < 0 || static_cast<unsigned long>(end) > 0xFFFFFFF0ul || std::fseek(file_, 0, SEEK_SET) != 0) {
        *problem = end < 0 ? "cannot be read" : "larger than a RIFF file can be";
        Close();
        return false;
    }
    size_ = static_cast<size_t>(end);
    return true;
}

void RiffReader::OpenMemory(const void* data, size_t size) {
    Close();
    mem_ = static_cast<const u8*>(data);
    size_ = data ? (size > 0xFFFFFFF0u ? 0xFFFFFFF0u : size) : 0;
}

void RiffReader::Close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    mem_ = nullptr;
    size_ = 0;
    pos_ = 0;
}

bool RiffReader::Seek(u32 offset) {
    if (offset > size_) return false;
    pos_ = offset;
    return true;
}

bool RiffReader::Read(void* dst, u32 n) {
    if (n == 0) return true;
    if (!dst || static_cast<u64>(pos_) + n > size_) return false;
    if (mem_) {
        std::memcpy(dst, mem_ + pos_, n);
    } else {
        if (!file_ || std::fseek(file_, static_cast<long>(pos_), SEEK_SET) != 0) return false;
        if (std::fread(dst, 1, n, file_) != n) return false;
    }
    pos_ += n;
    return true;
}

bool RiffReader::Descend(RiffChunk* out, const RiffChunk* parent) {
    if (!out || (!file_ && !mem_)) return false;
    const u64 limit = parent ? static_cast<u64>(parent->dataOffset) + parent->size : size_;
    if (static_cast<u64>(pos_) + 8 > limit) return false;
    const u32 start = pos_;
    u8 head[8];
    if (!Read(head, 8)) return false;
    RiffChunk c;
    std::memcpy(&c.id, head, 4);
    std::memcpy(&c.size, head + 4, 4);
    c.dataOffset = pos_;
    if (static_cast<u64>(c.dataOffset) + c.size > limit) {
        pos_ = start;
        return false;
    }
    if (c.id == FourCC('R', 'I', 'F', 'F') || c.id == FourCC('L', 'I', 'S', 'T')) {
        if (c.size < 4 || !Read(&c.form, 4)) {
            pos_ = start;
            return false;
        }
    }
    *out = c;
    return true;
}

bool RiffReader::Ascend(const RiffChunk& c) {
    u64 next = static_cast<u64>(c.dataOffset) + c.size;
    if (c.size & 1u) ++next;  // chunks are padded to an even size
    if (next > size_) next = size_;
    pos_ = static_cast<u32>(next);
    return true;
}

bool RiffReader::FindChunk(u32 id, RiffChunk* out, const RiffChunk* parent) {
    RiffChunk c;
    while (Descend(&c, parent)) {
        if (c.id == id) {
            if (out) *out = c;
            return true;
        }
        Ascend(c);  // always moves on: every chunk has an 8-byte header
    }
    return false;
}

bool RiffReader::FindForm(u32 form, RiffChunk* out, const RiffChunk* parent) {
    RiffChunk c;
    while (Descend(&c, parent)) {
        if ((c.id == FourCC('R', 'I', 'F', 'F') || c.id == FourCC('L', 'I', 'S', 'T')) && c.form == form) {
            if (out) *out = c;
            return true;
        }
        Ascend(c);
    }
    return false;
}

namespace {

std::string Count(u64 v) { return std::to_string(v); }

// A chunk's id as a report names it: in quotes where it is four printable characters.
std::string ChunkName(u32 id) {
    std::string tag(4, ' ');
    for (int i = 0; i < 4; ++i) {
        const char c = static_cast<char>(id >> (8 * i) & 0xFF);
        if (c < 0x20 || c > 0x7E) return "a chunk";
        tag[static_cast<size_t>(i)] = c;
    }
    return "its \"" + tag + "\" chunk";
}

// Searches `parent` from the reader's position for the chunk `id`, stepping over the others. False, with
// what is wrong in *problem, when the chunks end first (`what` names the chunk then) or one of them runs
// past the end.
bool FindWaveChunk(RiffReader& r, u32 id, const char* what, const RiffChunk& parent, RiffChunk* out,
                   std::string* problem) {
    const u64 end = static_cast<u64>(parent.dataOffset) + parent.size;
    while (r.Tell() + u64{8} <= end) {
        u8 head[8];
        if (!r.Read(head, 8)) {
            *problem = "cannot be read";
            return false;
        }
        RiffChunk c;
        std::memcpy(&c.id, head, 4);
        std::memcpy(&c.size, head + 4, 4);
        c.dataOffset = r.Tell();
        if (c.dataOffset + u64{c.size} > end) {
            *problem = "cut short: " + ChunkName(c.id) + " names " + Count(c.size) + " bytes and only " +
                       Count(end - c.dataOffset) + " follow";
            return false;
        }
        if (c.id == id) {
            *out = c;
            return true;
        }
        r.Ascend(c);
    }
    if (r.Tell() < end)
        *problem = "cut short: " + Count(end - r.Tell()) + " bytes at the end where a chunk's header takes 8";
    else
        *problem = std::string("a WAVE file without a ") + what + " chunk";
    return false;
}

}  // namespace

bool ReadWave(RiffReader& r, WaveFormat** format, u32* formatSize, u8** data, u32* dataSize, std::string* problem) {
    std::string why;
    if (!problem) problem = &why;
    if (!format || !formatSize || !data || !dataSize) return false;
    *format = nullptr;
    *formatSize = 0;
    *data = nullptr;
    *dataSize = 0;
    u8* fmt = nullptr;
    u8* bytes = nullptr;
    auto fail = [&](std::string reason) {
        if (!reason.empty()) *problem = std::move(reason);
        std::free(fmt);
        std::free(bytes);
        return false;
    };
    if (!r.Seek(0)) return fail("cannot be read");
    RiffChunk riff, fc, dc;
    // The file must start with a "RIFF" chunk of form "WAVE". Its own size is not relied on: a size that
    // claims more than the file holds ends the chunk with the file; the chunks inside are checked one by one.
    u8 top[12];
    if (r.Size() < sizeof top) {
        // Fewer bytes than the header: a WAVE file cut short if they are the start of one.
        u8 some[sizeof top] = {};
        const u32 n = r.Size();
        if (n == 0) return fail("an empty file");
        if (!r.Read(some, n)) return fail("cannot be read");
        const bool start = std::memcmp(some, "RIFF", std::min<u32>(n, 4)) == 0 &&
                           (n <= 8 || std::memcmp(some + 8, "WAVE", n - 8) == 0);
        return fail(start ? "cut short: " + Count(n) + " bytes, fewer than the 12 of a WAVE file's header"
                          : "not a PCM WAVE file");
    }
    if (!r.Read(top, 12)) return fail("cannot be read");
    std::memcpy(&riff.id, top, 4);
    std::memcpy(&riff.size, top + 4, 4);
    std::memcpy(&riff.form, top + 8, 4);
    riff.dataOffset = 8;
    if (riff.id != FourCC('R', 'I', 'F', 'F') || riff.form != FourCC('W', 'A', 'V', 'E') || riff.size < 4)
        return fail("not a PCM WAVE file");
    if (static_cast<u64>(riff.dataOffset) + riff.size > r.Size()) riff.size = r.Size() - riff.dataOffset;
    if (!FindWaveChunk(r, FourCC('f', 'm', 't', ' '), "format", riff, &fc, problem)) return fail({});
    if (fc.size < 16) return fail("a format chunk of " + Count(fc.size) + " bytes; it takes at least 16");
    u8 head[16];
    if (!r.Read(head, 16)) return fail("cannot be read");
    u16 tag, extra = 0;
    std::memcpy(&tag, head, 2);
    if (tag != 1) {
        // The extra size and the extra bytes must lie inside the chunk.
        if (fc.size < 18 || !r.Read(&extra, 2) || 18u + extra > fc.size)
            return fail("not a PCM WAVE file (format " + Count(tag) + ")");
    }
    fmt = static_cast<u8*>(std::malloc(18u + extra));
    if (!fmt) return fail("no room for its format");
    std::memcpy(fmt, head, 16);
    std::memcpy(fmt + 16, &extra, 2);
    if (!r.Read(fmt + 18, extra)) return fail("cannot be read");
    r.Ascend(fc);
    if (!r.Seek(riff.dataOffset + 4)) return fail("cannot be read");
    if (!FindWaveChunk(r, FourCC('d', 'a', 't', 'a'), "data", riff, &dc, problem)) return fail({});
    if (dc.size > 0) {
        bytes = static_cast<u8*>(std::malloc(dc.size));
        if (!bytes) return fail("no room for its data");
        if (!r.Read(bytes, dc.size)) return fail("cannot be read");
    }
    *format = reinterpret_cast<WaveFormat*>(fmt);
    *formatSize = 18u + extra;
    *data = bytes;
    *dataSize = dc.size;
    problem->clear();
    return true;
}

std::string WaveFormatProblem(const WaveFormat& f) {
    const auto n = [](u32 v) { return std::to_string(v); };
    if (f.formatTag != 1) return "not a PCM WAVE file (format " + n(f.formatTag) + ")";
    if (f.channels != 1 && f.channels != 2) return n(f.channels) + " channels; this program plays 1 or 2";
    if (f.bitsPerSample != 8 && f.bitsPerSample != 16)
        return n(f.bitsPerSample) + " bits a sample; this program plays 8 or 16";
    if (f.samplesPerSec == 0 || f.samplesPerSec > kMaxWaveRate)
        return "a sample rate of " + n(f.samplesPerSec) + " Hz; this program plays 1 to " + n(kMaxWaveRate) + " Hz";
    const u32 frame = f.channels * f.bitsPerSample / 8u;
    if (f.blockAlign != frame)
        return "a block alignment of " + n(f.blockAlign) + " bytes; its frames take " + n(frame);
    return {};
}

std::string WaveProblem(const WaveFormat& f, u32 dataSize) {
    std::string why = WaveFormatProblem(f);
    if (why.empty() && dataSize < f.blockAlign) why = "its data holds no whole sample";
    return why;
}

}  // namespace host
