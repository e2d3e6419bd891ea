// Shared helpers of the data-set tests: where the generated files lie, and a strict reader of the
// plain 24-bit BMP layout the generator promises.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace datatest {

inline std::string dataPath(const std::string& rel) { return std::string(KESTRALIS_BIN_DIR) + rel; }

inline std::vector<uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline uint32_t le16(const std::vector<uint8_t>& b, size_t at) { return b[at] | (uint32_t(b[at + 1]) << 8); }
inline uint32_t le32(const std::vector<uint8_t>& b, size_t at) { return le16(b, at) | (le16(b, at + 2) << 16); }

struct Bmp {
    int w = 0, h = 0;
    std::vector<uint8_t> rgb;  // top row first, 3 bytes a pixel
    std::string error;         // empty when the file is a well-formed 24-bit uncompressed bottom-up BMP

    const uint8_t* at(int x, int y) const { return &rgb[(size_t(y) * size_t(w) + size_t(x)) * 3]; }
    bool visible(int x, int y) const {
        const uint8_t* p = at(x, y);
        return p[0] || p[1] || p[2];
    }
    int brightness(int x, int y) const {
        const uint8_t* p = at(x, y);
        return p[0] + p[1] + p[2];
    }
    // Visible pixels inside the box (x, y, w, h).
    int count(int x0, int y0, int cw, int ch) const {
        int n = 0;
        for (int y = y0; y < y0 + ch; ++y)
            for (int x = x0; x < x0 + cw; ++x) n += visible(x, y);
        return n;
    }
    long sum(int x0, int y0, int cw, int ch) const {
        long n = 0;
        for (int y = y0; y < y0 + ch; ++y)
            for (int x = x0; x < x0 + cw; ++x) n += brightness(x, y);
        return n;
    }
    bool sameCell(int ax, int ay, int bx, int by, int cw, int ch) const {
        for (int y = 0; y < ch; ++y)
            for (int x = 0; x < cw; ++x)
                for (int c = 0; c < 3; ++c)
                    if (at(ax + x, ay + y)[c] != at(bx + x, by + y)[c]) return false;
        return true;
    }
};

inline Bmp parseBmp(const std::vector<uint8_t>& b) {
    Bmp r;
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return r.error = "not a BMP", r;
    if (le32(b, 2) != b.size()) return r.error = "file size field differs from the file", r;
    if (le32(b, 14) != 40) return r.error = "info header is not BITMAPINFOHEADER", r;
    const int32_t w = int32_t(le32(b, 18)), h = int32_t(le32(b, 22));
    if (w <= 0 || h <= 0) return r.error = "not a bottom-up picture of positive size", r;
    if (le16(b, 26) != 1 || le16(b, 28) != 24) return r.error = "not 24 bits per pixel", r;
    if (le32(b, 30) != 0) return r.error = "compressed", r;
    const uint32_t off = le32(b, 10);
    const size_t row = (size_t(w) * 3 + 3) & ~size_t(3);
    if (off < 54 || off + row * size_t(h) > b.size()) return r.error = "pixel rows run past the end", r;
    if (off + row * size_t(h) != b.size()) return r.error = "bytes after the pixel rows", r;
    r.w = w;
    r.h = h;
    r.rgb.resize(size_t(w) * size_t(h) * 3);
    for (int y = 0; y < h; ++y) {
        const size_t src = off + size_t(h - 1 - y) * row;
        for (int x = 0; x < w; ++x) {
            uint8_t* d = &r.rgb[(size_t(y) * size_t(w) + size_t(x)) * 3];
            d[0] = b[src + size_t(x) * 3 + 2];
            d[1] = b[src + size_t(x) * 3 + 1];
            d[2] = b[src + size_t(x) * 3 + 0];
        }
    }
    return r;
}

inline Bmp loadBmp(const std::string& rel) { return parseBmp(readBytes(dataPath(rel))); }

}  // namespace datatest
