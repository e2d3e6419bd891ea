// WAVE reading: RIFF files through the chunk reader, and resource images of the fixed 44-byte layout.
#include <cstdlib>
#include <cstring>
#include <string>

#include "el/elSound.h"
#include "el/sound/sound_internal.h"
#include "host/files.h"
#include "host/riff.h"

namespace elSound {

namespace detail {

const Resource* Resources = nullptr;
u32 ResourceCount = 0;

const Resource* FindResource(const char* name, const char* type) {
    if (!name || !type) return nullptr;
    for (u32 i = 0; i < ResourceCount; ++i) {
        const Resource& r = Resources[i];
        if (r.name && r.type && std::strcmp(r.name, name) == 0 && std::strcmp(r.type, type) == 0) return &r;
    }
    return nullptr;
}

bool WaveFromImage(const u8* image, u32 size, host::WaveFormat* format, const u8** data, u32* dataSize) {
    if (!image || size < 44) return false;
    auto u32At = [&](u32 at) {
        u32 v;
        std::memcpy(&v, image + at, 4);
        return v;
    };
    if (std::memcmp(image, "RIFF", 4) != 0 || std::memcmp(image + 8, "WAVEfmt ", 8) != 0 ||
        u32At(16) != 16 || std::memcmp(image + 36, "data", 4) != 0)
        return false;
    const u32 bytes = u32At(40);
    if (bytes > size - 44) return false;
    std::memcpy(format, image + 20, 16);
    format->cbSize = 0;
    *data = image + 44;
    *dataSize = bytes;
    return true;
}

u32 ReadWaveFile(const char* path, host::WaveFormat** format, u32* formatSize, u8** data, u32* dataSize,
                 std::string* problem) {
    host::WaveFormat* f = nullptr;
    u8* d = nullptr;
    u32 fs = 0, ds = 0;
    std::string why = "not found";
    bool ok = false;
    if (path) {
        host::RiffReader r;
        ok = r.OpenFile(host::ResolvePath(path).c_str(), &why) && host::ReadWave(r, &f, &fs, &d, &ds, &why);
    }
    if (format) *format = f;
    if (formatSize) *formatSize = fs;
    if (data) *data = d;
    if (dataSize) *dataSize = ds;
    if (!format) std::free(f);
    if (!data) std::free(d);
    if (problem) *problem = ok ? std::string() : why;
    return ok ? 0 : 1;
}

}  // namespace detail

u32 ReadWaveFile(const char* path, host::WaveFormat** format, u32* formatSize, u8** data, u32* dataSize) {
    return detail::ReadWaveFile(path, format, formatSize, data, dataSize, nullptr);
}

}  // namespace elSound
