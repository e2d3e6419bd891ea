#include "noise.h"

#include <cmath>

namespace datagen {

float hash2(int x, int y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 0x8DA6B343u ^ static_cast<uint32_t>(y) * 0xD8163841u ^ seed * 0xCB1AB31Fu;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    h ^= h >> 15;
    h *= 0x27D4EB2Du;
    h ^= h >> 16;
    return static_cast<float>(h & 0xFFFFFF) / static_cast<float>(0x1000000);
}

float vnoise(float x, float y, uint32_t seed, int periodX, int periodY) {
    const float fx = std::floor(x), fy = std::floor(y);
    int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
    const float tx = x - fx, ty = y - fy;
    int x1 = x0 + 1, y1 = y0 + 1;
    auto wrap = [](int v, int p) { return p > 0 ? ((v % p) + p) % p : v; };
    x0 = wrap(x0, periodX);
    x1 = wrap(x1, periodX);
    y0 = wrap(y0, periodY);
    y1 = wrap(y1, periodY);
    const float sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    const float a = hash2(x0, y0, seed), b = hash2(x1, y0, seed);
    const float c = hash2(x0, y1, seed), d = hash2(x1, y1, seed);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

float fbm(float x, float y, uint32_t seed, int octaves, int periodX, int periodY) {
    float sum = 0, weight = 0, amp = 1;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * vnoise(x, y, seed + static_cast<uint32_t>(o) * 101u, periodX, periodY);
        weight += amp;
        amp *= 0.5f;
        x *= 2;
        y *= 2;
        periodX *= 2;
        periodY *= 2;
    }
    return sum / weight;
}

}  // namespace datagen
