// Fire, explosions, exhaust flames and glowing debris: per-pixel fields over value noise,
// coloured by a heat ramp, growing and fading from cell to cell.
#include <algorithm>
#include <cmath>

#include "noise.h"
#include "paint.h"

namespace datagen {

namespace {
constexpr float kPi = 3.14159265358979f;

Col fireRamp(float heat) {
    static const std::vector<Stop> kFire = {{0.00f, rgb(30, 22, 20)},   {0.10f, rgb(70, 40, 30)},
                                            {0.25f, rgb(150, 40, 20)},  {0.42f, rgb(230, 90, 20)},
                                            {0.60f, rgb(255, 170, 40)}, {0.80f, rgb(255, 240, 140)},
                                            {1.00f, rgb(255, 255, 255)}};
    return ramp(kFire, heat);
}

Col hueRamp(float hue, float heat) {
    return ramp({{0.0f, hsv(hue, 0.6f, 0.12f)},
                 {0.3f, hsv(hue, 0.9f, 0.55f)},
                 {0.6f, hsv(hue, 0.7f, 1.0f)},
                 {0.85f, hsv(hue, 0.25f, 1.0f)},
                 {1.0f, rgb(255, 255, 255)}},
                heat);
}

// One frame of a fireball filling a square cell; t runs 0..1 over the animation.
void fireball(Canvas& cv, int x0, int y0, int cell, float t, uint32_t seed, int style, float hue) {
    const float half = static_cast<float>(cell) / 2;
    const float cx = static_cast<float>(x0) + half, cy = static_cast<float>(y0) + half;
    const float grow = 1 - (1 - t) * (1 - t);
    const float R = half * (0.3f + 0.62f * grow);
    const float heat0 = 1.05f - 0.95f * t;
    const float sc = 5.f / static_cast<float>(cell);
    const float drift = t * 2.2f;
    cv.field(x0, y0, x0 + cell - 1, y0 + cell - 1, [=](float x, float y) {
        const float lx = x - cx, ly = y - cy;
        const float d = std::sqrt(lx * lx + ly * ly) / R;
        // Flames stretch upwards for the fire style.
        const float nx = lx * sc, ny = (style == 1 ? ly * 0.6f : ly) * sc;
        const float n = fbm(nx + 7.3f, ny - drift + 3.1f, seed, 4);
        const float edge = 0.8f + 0.45f * n;
        if (d >= edge) return Col{};
        float heat = heat0 * std::pow(1 - d / edge, 0.6f) * (0.55f + 0.9f * n);
        // Late frames break up into holes of smoke.
        const float holes = fbm(nx * 1.7f + 1.1f, ny * 1.7f + 5.7f, seed + 9, 3);
        if (t > 0.45f && holes < (t - 0.45f) * 1.3f) return Col{};
        heat = std::clamp(heat, 0.f, 1.f);
        const float alpha = std::min(1.f, (edge - d) * 6);
        const Col col = style == 3 ? hueRamp(hue, heat) : fireRamp(heat);
        return col * alpha;
    });
    if (style == 5 && t > 0.2f) {  // shock ring of the big blast
        const float rr = half * (0.45f + 0.5f * t);
        const float fade = 1 - t;
        cv.field(x0, y0, x0 + cell - 1, y0 + cell - 1, [=](float x, float y) {
            const float d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy));
            const float k = std::exp(-std::pow((d - rr) / (half * 0.06f), 2.f)) * fade;
            return rgb(255, 220, 170) * k;
        });
    }
}

void sparks(Canvas& cv, int x0, int y0, int cell, float t, uint32_t seed, float hue) {
    Rng rng(seed);
    const float half = static_cast<float>(cell) / 2;
    for (int i = 0; i < 10; ++i) {
        const float ang = rng.range(0, 2 * kPi);
        const float sp = rng.range(0.45f, 0.95f);
        const float r = half * sp * (0.25f + 0.75f * t);
        const float x = static_cast<float>(x0) + half + std::cos(ang) * r;
        const float y = static_cast<float>(y0) + half + std::sin(ang) * r;
        cv.glow(x, y, 2.5f + 2 * (1 - t), hsv(hue + 10, 0.5f, 1.f) * (1.2f - t), 1.2f);
    }
}
}  // namespace

void paintBlastStrip(Canvas& cv, const Arg& a) {
    const int cell = cv.h;
    const int cells = cv.w / cell;
    for (int i = 0; i < cells; ++i) {
        const float t = cells > 1 ? static_cast<float>(i) / static_cast<float>(cells - 1) : 0.f;
        const int x0 = i * cell;
        switch (a.variant) {
        case 0:  // fireball
        case 3:  // plasma ball
            fireball(cv, x0, 0, cell, t, a.seed, a.variant, a.hue);
            if (t < 0.7f) sparks(cv, x0, 0, cell, t, a.seed * 7 + static_cast<uint32_t>(i), a.hue);
            break;
        case 1:  // fiery burst
            fireball(cv, x0, 0, cell, t * 0.85f, a.seed, 1, a.hue);
            break;
        case 2: {  // looping flames: a burning core with tongues scrolling up through one noise period
            const float phase = static_cast<float>(i) / static_cast<float>(cells);
            const float fc = static_cast<float>(cell);
            const float cx = static_cast<float>(x0) + fc / 2, by = fc * 0.72f, R = fc * 0.3f;
            cv.field(x0, 0, x0 + cell - 1, cell - 1, [=](float x, float y) {
                const float lx = x - cx, ly = y - by;
                const float d = std::sqrt(lx * lx + (ly > 0 ? ly * ly * 2.2f : ly * ly * 0.16f)) / R;
                const float n = fbm(x * 0.08f, y * 0.08f + phase * 4.f, a.seed, 3, 0, 4);
                const float edge = 0.75f + 0.5f * n;
                if (d >= edge) return Col{};
                const float heat = std::clamp((1 - d / edge) * (0.5f + 0.9f * n) * 1.25f, 0.f, 1.f);
                return fireRamp(heat) * std::min(1.f, (edge - d) * 5);
            });
            break;
        }
        case 4: {  // tumbling glowing debris piece
            Rng rng(a.seed);
            Contour chunk;
            for (int k = 0; k < 6; ++k) {
                const float ang = static_cast<float>(k) * kPi / 3 + rng.range(-0.3f, 0.3f);
                const float r = static_cast<float>(cell) * rng.range(0.16f, 0.3f);
                chunk.push_back({std::cos(ang) * r, std::sin(ang) * r});
            }
            const float half = static_cast<float>(cell) / 2;
            const Xf xf = Xf::rotate(t * 300).then(Xf::translate(static_cast<float>(x0) + half, half));
            const float fade = 1 - 0.75f * t;
            cv.glow(static_cast<float>(x0) + half, half, half, hsv(a.hue, 0.9f, 1.f) * (0.7f * fade), 1.5f);
            cv.fill(map(xf, chunk), solid(mix(rgb(255, 230, 160), rgb(200, 60, 20), t) * fade), Blend::Add);
            cv.glow(static_cast<float>(x0) + half, half, half * 0.35f, Col{1, 1, 1} * fade, 1.f);
            break;
        }
        default:  // big blast
            fireball(cv, x0, 0, cell, 0.1f + t * 0.6f, a.seed, 5, a.hue);
            if (i == 0) cv.glow(static_cast<float>(x0 + cell / 2), static_cast<float>(cell / 2), static_cast<float>(cell) * 0.4f, rgb(255, 200, 120), 3.f);
            break;
        }
    }
}

void paintDeathFragments(Canvas& cv, const Arg& a) {
    // Shown in turn: row 0 columns 0..7, then row 1 columns 1..7; a loop of 15 pictures.
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 8; ++col) {
            const int f = row == 0 ? col : 7 + col;
            const float ph = static_cast<float>(f) / 15.f;
            const float cx = static_cast<float>(col * 60) + 30, cy = static_cast<float>(row * 60) + 30;
            const float pulse = 0.5f + 0.5f * std::cos(ph * 2 * kPi);
            const Col c = hsv(a.hue + 40 * ph, 0.7f, 1.f);
            cv.glow(cx, cy, 16 + 8 * pulse, c * 0.8f, 1.6f);
            for (int k = 0; k < 3; ++k) {
                const float ang = ph * 2 * kPi + static_cast<float>(k) * 2 * kPi / 3;
                const Pt tip{cx + std::cos(ang) * (18 + 6 * pulse), cy + std::sin(ang) * (18 + 6 * pulse)};
                cv.glowLine({cx, cy}, tip, 3.5f, mix(c, {1, 1, 1}, 0.4f) * 0.9f, 1.4f);
            }
            cv.glow(cx, cy, 7 + 3 * pulse, Col{1, 1, 1}, 1.f);
        }
    }
}

void paintFlame(Canvas& cv, const Arg& a) {
    const int cells = cv.w / 20;
    const bool blue = a.variant == 1;
    for (int i = 0; i < cells; ++i) {
        const float ph = static_cast<float>(i) / static_cast<float>(cells);
        const float len = 52 + 10 * std::sin(ph * 2 * kPi) + 4 * std::sin(ph * 6 * kPi);
        const float cx = static_cast<float>(i * 20) + 10;
        cv.field(i * 20, 0, i * 20 + 19, 69, [=](float x, float y) {
            const float up = (68.f - y) / len;  // 0 at the ship, 1 at the tip
            if (up < -0.05f || up >= 1) return Col{};
            const float n = fbm(x * 0.25f, y * 0.12f + ph * 6.f, a.seed, 3, 0, 6);
            const float w = 7.5f * std::pow(std::max(0.f, 1 - up), 0.55f) * (0.8f + 0.4f * n);
            const float dx = std::fabs(x - cx);
            if (dx >= w) return Col{};
            float heat = (1 - dx / w) * std::pow(std::max(0.f, 1 - up), 0.9f) * (0.8f + 0.5f * n) * 1.15f;
            heat = std::clamp(heat, 0.f, 1.f);
            const Col col = blue ? hueRamp(a.hue, heat) : fireRamp(heat);
            return col * std::min(1.f, (w - dx) * 1.5f);
        });
    }
}

void paintBombFragment(Canvas& cv, const Arg& a) {
    fireball(cv, 0, 0, 80, 0.25f, a.seed, 0, a.hue);
    cv.glow(40, 40, 20, Col{1, 1, 0.9f}, 1.2f);
}

void paintShard(Canvas& cv, const Arg& a) {
    const float c0 = static_cast<float>(cv.w) / 2;
    const Col c = hsv(a.hue, 0.75f, 1.f);
    Rng rng(a.seed);
    cv.glow(c0, c0, c0 * 0.9f, c * 0.6f, 1.8f);
    const int spikes = 3 + a.variant;
    for (int k = 0; k < spikes; ++k) {
        const float ang = static_cast<float>(k) * 2 * kPi / static_cast<float>(spikes) + rng.range(0, 0.4f);
        cv.glowLine({c0, c0}, {c0 + std::cos(ang) * c0 * 0.8f, c0 + std::sin(ang) * c0 * 0.8f}, 3.f, mix(c, {1, 1, 1}, 0.4f), 1.5f);
    }
    cv.glow(c0, c0, c0 * 0.3f, Col{1, 1, 1}, 1.f);
}

}  // namespace datagen
