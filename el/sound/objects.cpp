// Sound objects: the table, the device, loading from WAVE files and resources, release and restore.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "el/elSound.h"
#include "el/elSystem.h"
#include "el/sound/sound_internal.h"
#include "host/backend.h"
#include "host/beep.h"
#include "host/files.h"
#include "host/mixer.h"
#include "host/report.h"

namespace elSound {

Object Objects[kObjectCount];
i32 present = 0;
i32 current = 0;
i32 reloading = 0;

namespace {

bool g_deviceHeld = false;
// The output format asked for by SelectFormat. The mixer always delivers 44.1 kHz stereo 16-bit and
// converts every buffer to it, so this only records the choice.
host::mixer::Format g_outputFormat{2, host::mixer::kOutputRate, 16};

void Report(const char* message) { elSystem::Error("elSound::LoadObject", message, 0); }

// Rebuilds every used object in its own slot from where it came from.
void ReloadAll() {
    reloading = 1;
    for (current = 0; current < kObjectCount; ++current) {
        Object& o = Objects[current];
        if (!o.used) continue;
        if (o.stream.streaming) {
            std::memcpy(PackPath, o.stream.packPath, sizeof o.stream.packPath);
            PackPath[sizeof PackPath - 1] = 0;
            LoadStream(o.name, o.stream.loopPos - o.stream.dataStart);
        } else if (o.kind == 1) {
            LoadPack(o.name, static_cast<i32>(o.mixCount));
        } else {
            LoadObject(o.name, static_cast<i32>(o.mixCount));
        }
    }
    reloading = 0;
}

}  // namespace

namespace detail {

Object* UsedObject(i32 soundNo) {
    if (!present || soundNo < 0 || soundNo >= kObjectCount) return nullptr;
    Object& o = Objects[soundNo];
    return o.used ? &o : nullptr;
}

bool PlayableFormat(const host::WaveFormat& f) { return host::WaveFormatProblem(f).empty(); }

std::string BufferProblem(const host::WaveFormat& f, u32 dataSize) {
    const std::string why = host::WaveProblem(f, dataSize);
    return why.empty() ? "no room for the sound" : why;
}

void DropBuffers(Object& o) {
    for (auto& b : o.buffer) {
        if (!b) continue;
        host::mixer::Stop(b);
        host::mixer::Release(b);
        b = nullptr;
    }
}

i32 FreeObject() {
    for (i32 i = 0; i < kObjectCount; ++i)
        if (!Objects[i].used) return i;
    return -1;
}

namespace {

// After a buffer is made: take its frequency (a new load) or give it back its stored values (a reload).
void SetUpBuffer(Object& o, u32 i) {
    host::mixer::Buffer* b = o.buffer[i];
    if (!reloading) {
        o.frequency[i] = host::mixer::GetFrequency(b);
        o.baseFrequency = o.frequency[i];
        o.volume[i] = 0;
        o.pan[i] = 0;
    } else {
        host::mixer::SetVolume(b, o.volume[i]);
        if (o.frequency[i]) host::mixer::SetFrequency(b, o.frequency[i]);
        host::mixer::SetPan(b, o.pan[i]);
    }
}

}  // namespace

bool MakeBuffers(i32 no, const host::WaveFormat& f, const u8* data, u32 dataSize, u32 count) {
    Object& o = Objects[no];
    const u32 bytes = PlayableFormat(f) ? dataSize - dataSize % f.blockAlign : 0;
    for (u32 i = 0; i < count; ++i) {
        host::mixer::Buffer* b =
            bytes ? host::mixer::Create({f.channels, f.samplesPerSec, f.bitsPerSample}, bytes) : nullptr;
        if (!b) {
            DropBuffers(o);
            return false;
        }
        o.buffer[i] = b;
        void *p1, *p2;
        u32 n1, n2;
        if (host::mixer::Lock(b, 0, bytes, &p1, &n1, &p2, &n2)) {
            std::memcpy(p1, data, n1);
            if (p2 && n2) std::memcpy(p2, data + n1, n2);
            host::mixer::Unlock(b);
        }
        SetUpBuffer(o, i);
    }
    return true;
}

bool MakeStreamBuffer(i32 no, const host::WaveFormat& f, u32 bytes, const u8* first, u32 firstSize) {
    Object& o = Objects[no];
    host::mixer::Buffer* b =
        PlayableFormat(f) && bytes ? host::mixer::Create({f.channels, f.samplesPerSec, f.bitsPerSample}, bytes) : nullptr;
    if (!b) return false;
    o.buffer[0] = b;
    if (f.bitsPerSample == 8) {
        // 8-bit silence is the middle value, not 0.
        void *p1, *p2;
        u32 n1, n2;
        if (host::mixer::Lock(b, 0, bytes, &p1, &n1, &p2, &n2)) {
            std::memset(p1, 0x80, n1);
            host::mixer::Unlock(b);
        }
    }
    if (firstSize) {
        void *p1, *p2;
        u32 n1, n2;
        if (host::mixer::Lock(b, 0, firstSize < bytes ? firstSize : bytes, &p1, &n1, &p2, &n2)) {
            std::memcpy(p1, first, n1);
            host::mixer::Unlock(b);
        }
    }
    SetUpBuffer(o, 0);
    return true;
}

}  // namespace detail

u32 Init() {
    // Buffers left from an earlier device go first: nothing may keep sounding from a forgotten entry.
    for (Object& o : Objects) detail::DropBuffers(o);
    if (g_deviceHeld) host::mixer::ReleaseDevice();
    g_deviceHeld = false;
    reloading = 0;
    if (!host::mixer::AcquireDevice()) {
        present = 0;
        return 0;
    }
    g_deviceHeld = true;
    present = 1;
    return 1;
}

void InitObjects() {
    for (Object& o : Objects) {
        o.used = 0;
        o.mixCount = 1;
        o.nextBuffer = 0;
        o.baseFrequency = 0;
        std::memset(o.name, 0, sizeof o.name);
        o.variation = -1;
        o.kind = 0;
        o.stream.streaming = 0;
        for (i32 i = 0; i < kMaxMix; ++i) {
            o.volume[i] = 0;
            o.frequency[i] = 0;
            o.pan[i] = 0;
        }
    }
}

i32 LoadObject(const char* name, i32 mix) {
    if (!present) return -1;
    const u32 count = static_cast<u32>(mix < 0 ? -static_cast<i64>(mix) : mix);
    if (count > static_cast<u32>(kMaxMix)) {
        Report(detail::kMsgTooManyMix);
        return -1;
    }
    // The name is checked before an object is taken, so a refused name leaves every object free.
    if (!reloading && (!name || std::strlen(name) > detail::kNameMax)) {
        host::ReportNameTooLong(name, detail::kNameMax);
        Report(detail::kMsgNameTooLong);
        return -1;
    }
    if (!name) return -1;
    if (!reloading) {
        current = detail::FreeObject();
        if (current < 0) {
            current = 0;
            Report(detail::kMsgTooManyObjects);
            return -1;
        }
    }
    const i32 no = current;
    Object& o = Objects[no];

    host::WaveFormat* fileFormat = nullptr;
    u8* fileData = nullptr;
    u32 formatSize = 0, dataSize = 0;
    host::WaveFormat format{};
    const u8* data = nullptr;
    char path[600];
    const int n = std::snprintf(path, sizeof path, "%s%s", elSystem::GetModuleDir(0), name);
    const bool fits = n > 0 && static_cast<size_t>(n) < sizeof path;
    std::string unread = "not found";  // why the file did not read
    if (fits && detail::ReadWaveFile(path, &fileFormat, &formatSize, &fileData, &dataSize, &unread) == 0) {
        format = *fileFormat;
        data = fileData;
    } else {
        const detail::Resource* r = detail::FindResource(name, "WAVE");
        if (!r) r = detail::FindResource(name, "RCDATA");
        if (!r || !detail::WaveFromImage(r->data, r->size, &format, &data, &dataSize)) {
            // A file that is there but cannot be read is a damaged file, not a missing resource.
            std::FILE* f = fits ? host::OpenFile(path, "rb") : nullptr;
            const bool there = f != nullptr;
            if (f) std::fclose(f);
            host::ReportFileProblem(name, unread.c_str());
            Report(there ? detail::kMsgCannotRead : detail::kMsgNoResource);
            return -1;
        }
    }

    o.mixCount = count;
    o.variation = mix > 1 ? 0 : -1;
    if (!reloading || o.nextBuffer >= count) o.nextBuffer = 0;
    const bool made = detail::MakeBuffers(no, format, data, dataSize, count);
    std::free(fileFormat);
    std::free(fileData);
    if (!made) {
        if (!reloading) {
            o.mixCount = 1;
            o.variation = -1;
        }
        host::ReportFileProblem(name, detail::BufferProblem(format, dataSize).c_str());
        Report(detail::kMsgNoBuffer);
        return -1;
    }
    o.used = 1;
    o.kind = 0;
    o.stream.streaming = 0;
    if (!reloading) {
        std::memset(o.name, 0, sizeof o.name);
        std::memcpy(o.name, name, std::strlen(name));
    }
    return no;
}

void ReleaseObject(i32 soundNo) {
    Object* o = detail::UsedObject(soundNo);
    if (!o) return;
    o->used = 0;
    o->baseFrequency = 0;
    o->kind = 0;
    o->stream.streaming = 0;
    std::memset(o->name, 0, sizeof o->name);
    for (i32 i = 0; i < kMaxMix; ++i) {
        o->volume[i] = 0;
        o->frequency[i] = 0;
        o->pan[i] = 0;
    }
    detail::DropBuffers(*o);
    o->mixCount = 1;
}

void ReleaseAll() {
    for (Object& o : Objects)
        if (o.used) detail::DropBuffers(o);
    if (g_deviceHeld) host::mixer::ReleaseDevice();
    g_deviceHeld = false;
}

void RestoreAll() {
    // What a used object still holds is released before it is made again.
    for (Object& o : Objects)
        if (o.used) detail::DropBuffers(o);
    Init();
    if (!present) return;
    ReloadAll();
}

u32 SelectFormat(i32 channels, i32 rate, i32 bits) {
    if (!present) return 1;
    for (Object& o : Objects)
        if (o.used) detail::DropBuffers(o);
    switch (rate) {
        case 8: rate = 8000; break;
        case 11: rate = 11025; break;
        case 22: rate = 22050; break;
        case 44: rate = 44100; break;
        default: break;
    }
    const bool usable = (channels == 1 || channels == 2) && (bits == 8 || bits == 16) &&
                        rate >= static_cast<i32>(host::mixer::kMinFrequency) &&
                        rate <= static_cast<i32>(host::mixer::kMaxFrequency);
    if (!usable || host::backend::Fault("MixerFormat")) {
        elSystem::Error("elSound::SelectFormat", detail::kMsgNoFormat, 0);
        return 0;
    }
    g_outputFormat = {static_cast<u16>(channels), static_cast<u32>(rate), static_cast<u16>(bits)};
    ReloadAll();
    return 1;
}

u32 GetPosition(i32 soundNo) {
    const Object* o = detail::UsedObject(soundNo);
    if (!o || o->mixCount == 0 || !o->buffer[0]) return 0;
    return host::mixer::GetPosition(o->buffer[0]);
}

void Beep() { host::Beep(); }

void PlaySystemWav(const char* fileName) {
    ReleaseAll();
    host::PlayWaveFileSync(fileName);
    RestoreAll();
}

}  // namespace elSound
