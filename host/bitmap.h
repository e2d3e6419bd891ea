// BMP pictures: decoding into 8-bit-per-channel RGB, ready to be copied into 16-bit surfaces.
//
// Decoding is done by SDL2's own BMP reader (1/4/8/16/24/32 bits, RLE, top-down and bottom-up). Before
// the reader sees the data the header is checked here, so a malformed file or one whose size is beyond
// the bounds below is refused without the reader allocating for it.
#pragma once
#include <cstddef>
#include <vector>

#include "host/surface.h"
#include "host/types.h"

namespace host {

inline constexpr i32 kMaxBitmapSide = 8192;
inline constexpr i64 kMaxBitmapPixels = 4096LL * 4096LL;
inline constexpr i64 kMaxBitmapFileBytes = 128LL * 1024 * 1024;

struct DecodedBitmap {
    i32 width = 0, height = 0;
    std::vector<u32> rgb;  // 0x00BBGGRR per pixel, rows packed, top row first

    Bitmap View() const { return Bitmap{width, height, rgb.empty() ? nullptr : rgb.data()}; }
};

enum BitmapResult : i32 {
    kBitmapOk = 0,
    kBitmapNotFound = 1,   // no such file (or it cannot be opened)
    kBitmapRefused = 2,    // not a BMP the reader accepts, cut short, or too large
};

// Decodes BMP bytes held in memory.
i32 DecodeBitmap(const void* data, size_t size, DecodedBitmap* out);
// Reads and decodes a BMP file (the path as given; callers resolve it first).
i32 LoadBitmapFile(const char* path, DecodedBitmap* out);
// The program's own bitmap resources: this platform has none, so nothing is ever found.
i32 LoadBitmapResource(const char* name, DecodedBitmap* out);

// Encodes a picture as an uncompressed 24-bit bottom-up BMP (used by tests and tools).
std::vector<u8> EncodeBitmap24(i32 width, i32 height, const u32* rgb);

}  // namespace host
