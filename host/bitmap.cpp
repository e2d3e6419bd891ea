// BMP decoding through SDL2's reader, after our own check of the header.
#include "host/bitmap.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

#include "host/backend.h"
#include "host/files.h"

namespace host {
namespace {

u32 Le16(const u8* p) { return static_cast<u32>(p[0]) | (static_cast<u32>(p[1]) << 8); }
u32 Le32(const u8* p) { return Le16(p) | (Le16(p + 2) << 16); }

// Checks what the reader will trust: the signature, a known header, a sane size, a known depth and
// compression, and for unpacked pixels that every row is present. False: refuse the file.
bool HeaderAcceptable(const u8* d, size_t size) {
    if (size < 14 + 12 || d[0] != 'B' || d[1] != 'M') return false;
    if (static_cast<i64>(size) > kMaxBitmapFileBytes) return false;
    const u32 offBits = Le32(d + 10);
    const u32 infoSize = Le32(d + 14);
    i64 width = 0, height = 0;
    u32 planes = 0, bpp = 0, compression = 0;
    if (infoSize == 12) {
        width = static_cast<i16>(Le16(d + 18));
        height = static_cast<i16>(Le16(d + 20));
        planes = Le16(d + 22);
        bpp = Le16(d + 24);
    } else if (infoSize >= 40 && infoSize <= 124) {
        if (size < 14 + static_cast<size_t>(infoSize)) return false;
        width = static_cast<i32>(Le32(d + 18));
        height = static_cast<i32>(Le32(d + 22));
        planes = Le16(d + 26);
        bpp = Le16(d + 28);
        compression = Le32(d + 30);
    } else {
        return false;
    }
    if (planes != 1) return false;
    const i64 absHeight = height < 0 ? -height : height;
    if (width <= 0 || absHeight <= 0 || width > kMaxBitmapSide || absHeight > kMaxBitmapSide) return false;
    if (width * absHeight > kMaxBitmapPixels) return false;
    switch (bpp) {
        case 1: case 4: case 8: case 16: case 24: case 32: break;
        default: return false;
    }
    // 0 plain, 1 RLE8, 2 RLE4, 3 bit fields.
    if (compression == 1 && bpp != 8) return false;
    if (compression == 2 && bpp != 4) return false;
    if (compression == 3 && bpp != 16 && bpp != 32) return false;
    if (compression > 3) return false;
    if (offBits >= size) return false;
    if (compression == 0 || compression == 3) {
        const i64 rowBytes = ((width * bpp + 31) / 32) * 4;
        if (static_cast<i64>(offBits) + rowBytes * absHeight > static_cast<i64>(size)) return false;
    }
    return true;
}

}  // namespace

i32 DecodeBitmap(const void* data, size_t size, DecodedBitmap* out) {
    if (!data || !out) return kBitmapRefused;
    if (!HeaderAcceptable(static_cast<const u8*>(data), size)) return kBitmapRefused;
    SDL_RWops* rw = SDL_RWFromConstMem(data, static_cast<int>(size));
    if (!rw) return kBitmapRefused;
    SDL_Surface* raw = SDL_LoadBMP_RW(rw, 1);
    if (!raw) return kBitmapRefused;
    // ABGR8888 keeps the bytes R, G, B, A in memory: read as a little-endian word that is 0xAABBGGRR.
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_ABGR8888, 0);
    SDL_FreeSurface(raw);
    if (!rgba) return kBitmapRefused;
    const i32 w = rgba->w, h = rgba->h;
    if (w <= 0 || h <= 0 || w > kMaxBitmapSide || h > kMaxBitmapSide) {
        SDL_FreeSurface(rgba);
        return kBitmapRefused;
    }
    out->width = w;
    out->height = h;
    out->rgb.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
    if (SDL_MUSTLOCK(rgba)) SDL_LockSurface(rgba);
    for (i32 y = 0; y < h; ++y) {
        const u8* row = static_cast<const u8*>(rgba->pixels) + static_cast<size_t>(y) * static_cast<size_t>(rgba->pitch);
        u32* dst = out->rgb.data() + static_cast<size_t>(y) * static_cast<size_t>(w);
        for (i32 x = 0; x < w; ++x) {
            const u8* p = row + static_cast<size_t>(x) * 4;
            dst[x] = static_cast<u32>(p[0]) | (static_cast<u32>(p[1]) << 8) | (static_cast<u32>(p[2]) << 16);
        }
    }
    if (SDL_MUSTLOCK(rgba)) SDL_UnlockSurface(rgba);
    SDL_FreeSurface(rgba);
    return kBitmapOk;
}

i32 LoadBitmapFile(const char* path, DecodedBitmap* out) {
    if (!path || !out) return kBitmapNotFound;
    if (backend::Fault("LoadBitmapFile")) return kBitmapNotFound;
    std::FILE* f = OpenRegularStream(path);
    if (!f) return kBitmapNotFound;
    std::vector<u8> bytes;
    if (std::fseek(f, 0, SEEK_END) == 0) {
        const long len = std::ftell(f);
        if (len < 0 || len > kMaxBitmapFileBytes) {
            std::fclose(f);
            return len < 0 ? kBitmapNotFound : kBitmapRefused;
        }
        std::rewind(f);
        bytes.resize(static_cast<size_t>(len));
        if (len > 0 && std::fread(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
            std::fclose(f);
            return kBitmapRefused;
        }
    }
    std::fclose(f);
    return DecodeBitmap(bytes.data(), bytes.size(), out);
}

i32 LoadBitmapResource(const char*, DecodedBitmap*) { return kBitmapNotFound; }

std::vector<u8> EncodeBitmap24(i32 width, i32 height, const u32* rgb) {
    if (width <= 0 || height <= 0 || !rgb) return {};
    const u32 rowBytes = (static_cast<u32>(width) * 3 + 3) & ~3u;
    const u32 dataBytes = rowBytes * static_cast<u32>(height);
    std::vector<u8> out(54 + dataBytes, 0);
    auto put16 = [&](size_t at, u32 v) {
        out[at] = static_cast<u8>(v);
        out[at + 1] = static_cast<u8>(v >> 8);
    };
    auto put32 = [&](size_t at, u32 v) {
        put16(at, v & 0xFFFF);
        put16(at + 2, v >> 16);
    };
    out[0] = 'B';
    out[1] = 'M';
    put32(2, static_cast<u32>(out.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<u32>(width));
    put32(22, static_cast<u32>(height));
    put16(26, 1);
    put16(28, 24);
    put32(34, dataBytes);
    for (i32 y = 0; y < height; ++y) {
        u8* row = out.data() + 54 + static_cast<size_t>(height - 1 - y) * rowBytes;
        for (i32 x = 0; x < width; ++x) {
            const u32 c = rgb[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
            row[x * 3 + 0] = static_cast<u8>(c >> 16);  // blue
            row[x * 3 + 1] = static_cast<u8>(c >> 8);   // green
            row[x * 3 + 2] = static_cast<u8>(c);        // red
        }
    }
    return out;
}

}  // namespace host
