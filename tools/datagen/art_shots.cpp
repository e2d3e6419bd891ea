// Shots and bullets: glowing shapes for the additive sheets, drawn pointing up where the game
// rotates them, and kept inside the circle that a rotation leaves whole.
#include <algorithm>
#include <cmath>

#include "font.h"
#include "paint.h"

namespace datagen {

namespace {
constexpr float kPi = 3.14159265358979f;

Col hot(float hue, float sat = 0.85f) { return hsv(hue, sat, 1.f); }

// A tapered glowing stroke: round head of radius rHead at `head`, narrowing to rTail at
// `tail`; `halo` is the width of the soft light around it.
void taper(Canvas& cv, Pt head, Pt tail, float rHead, float rTail, Col col, float halo, float coreWhite = 0.6f) {
    const float vx = tail.x - head.x, vy = tail.y - head.y;
    const float len2 = std::max(1e-4f, vx * vx + vy * vy);
    const float pad = std::max(rHead, rTail) + halo + 1;
    const int x0 = static_cast<int>(std::floor(std::min(head.x, tail.x) - pad));
    const int x1 = static_cast<int>(std::ceil(std::max(head.x, tail.x) + pad));
    const int y0 = static_cast<int>(std::floor(std::min(head.y, tail.y) - pad));
    const int y1 = static_cast<int>(std::ceil(std::max(head.y, tail.y) + pad));
    cv.field(x0, y0, x1, y1, [=](float x, float y) {
        const float wx = x - head.x, wy = y - head.y;
        const float t = std::clamp((wx * vx + wy * vy) / len2, 0.f, 1.f);
        const float dx = wx - t * vx, dy = wy - t * vy;
        const float d = std::sqrt(dx * dx + dy * dy);
        const float r = rHead + (rTail - rHead) * t;
        const float fade = 1 - 0.55f * t;  // the tail is dimmer than the head
        if (d <= r) {
            const float k = 1 - d / std::max(r, 0.5f);
            return mix(col, Col{1, 1, 1}, coreWhite * k) * fade;
        }
        const float g = 1 - (d - r) / halo;
        if (g <= 0) return Col{};
        return col * (g * g * 0.8f * fade);
    });
}

void orbAt(Canvas& cv, float cx, float cy, float r, float hue, int style, float phase = 0) {
    const Col c = hot(hue);
    switch (style) {
    case 0:  // soft ball with a white core
        cv.glow(cx, cy, r, c * 0.9f, 1.4f);
        cv.glow(cx, cy, r * 0.55f, Col{1, 1, 1} * 0.9f, 1.0f);
        break;
    case 1:  // ball in a bright shell
        cv.field(static_cast<int>(cx - r - 1), static_cast<int>(cy - r - 1), static_cast<int>(cx + r + 1),
                 static_cast<int>(cy + r + 1), [=](float x, float y) {
                     const float d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)) / r;
                     if (d >= 1) return Col{};
                     const float shell = std::exp(-std::pow((d - 0.7f) / 0.16f, 2.f));
                     const float core = std::max(0.f, 1 - d / 0.4f);
                     return c * (shell * 1.1f + (1 - d) * 0.35f) + Col{1, 1, 1} * core;
                 });
        break;
    case 2: {  // sparkle: a ball with four rays
        cv.glow(cx, cy, r * 0.8f, c, 1.6f);
        const float a = phase * kPi / 2;
        for (int k = 0; k < 2; ++k) {
            const float ang = a + static_cast<float>(k) * kPi / 2;
            const Pt d{std::cos(ang) * r * 0.95f, std::sin(ang) * r * 0.95f};
            cv.glowLine({cx - d.x, cy - d.y}, {cx + d.x, cy + d.y}, r * 0.22f, mix(c, {1, 1, 1}, 0.5f), 1.5f);
        }
        cv.glow(cx, cy, r * 0.4f, Col{1, 1, 1}, 1.f);
        break;
    }
    default: {  // solid-looking ball with a highlight, readable drawn opaque as well
        cv.field(static_cast<int>(cx - r - 1), static_cast<int>(cy - r - 1), static_cast<int>(cx + r + 1),
                 static_cast<int>(cy + r + 1), [=](float x, float y) {
                     const float d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)) / r;
                     if (d >= 1) return Col{};
                     const float hx = x - (cx - r * 0.3f), hy = y - (cy - r * 0.3f);
                     const float hl = std::max(0.f, 1 - std::sqrt(hx * hx + hy * hy) / (r * 0.45f));
                     const float body = d < 0.78f ? 1.f : std::max(0.f, 1 - (d - 0.78f) / 0.22f);
                     return c * (body * (1.1f - 0.5f * d)) + Col{1, 1, 1} * hl;
                 });
        break;
    }
    }
}
}  // namespace

void paintOrb(Canvas& cv, const Arg& a) {
    const float r = static_cast<float>(std::min(cv.w, cv.h)) / 2;
    orbAt(cv, static_cast<float>(cv.w) / 2, static_cast<float>(cv.h) / 2, r, a.hue, a.variant);
}

void paintOrbStrip(Canvas& cv, const Arg& a) {
    const int cell = cv.h;
    const int cells = cv.w / cell;
    const int period = a.n > 0 ? a.n : cells;
    const float r = static_cast<float>(cell) / 2;
    for (int i = 0; i < cells; ++i) {
        const float ph = static_cast<float>(i % period) / static_cast<float>(period);
        const float cx = static_cast<float>(i * cell) + r, cy = r;
        const float pulse = 0.5f + 0.5f * std::sin(ph * 2 * kPi);
        const float hue = a.hue + 18 * std::sin(ph * 2 * kPi);
        switch (a.variant) {
        case 0:  // pulsing ball
            orbAt(cv, cx, cy, r * (0.8f + 0.2f * pulse), hue, 3);
            cv.glow(cx, cy, r * 0.35f * (0.6f + 0.4f * pulse), Col{1, 1, 1} * 0.6f, 1);
            break;
        case 1:  // turning sparkle
            orbAt(cv, cx, cy, r, hue, 2, ph);
            break;
        case 2:  // breathing shell
            orbAt(cv, cx, cy, r * (0.72f + 0.28f * pulse), hue, 1);
            break;
        default: {  // ball with three turning spokes
            orbAt(cv, cx, cy, r * 0.85f, hue, 0);
            for (int k = 0; k < 3; ++k) {
                const float ang = ph * 2 * kPi / 3 + static_cast<float>(k) * 2 * kPi / 3;
                cv.glowLine({cx, cy}, {cx + std::cos(ang) * r * 0.95f, cy + std::sin(ang) * r * 0.95f}, r * 0.25f,
                            hot(hue + 40, 0.6f) * 0.8f, 1.5f);
            }
            break;
        }
        }
    }
}

void paintArcStrip(Canvas& cv, const Arg& a) {
    const int cell = cv.h;
    const int cells = cv.w / cell;
    const float r = static_cast<float>(cell) / 2;
    for (int k = 0; k < cells; ++k) {
        const float hue = a.hue + static_cast<float>(k) * 14.f;
        const float cx = static_cast<float>(k * cell) + r, cy = r;
        const Col c = hot(hue);
        switch (a.variant) {
        case 0: {  // a glowing gem
            const Contour gem = {{cx, cy - r * 0.75f}, {cx + r * 0.5f, cy}, {cx, cy + r * 0.75f}, {cx - r * 0.5f, cy}};
            cv.glow(cx, cy, r * 0.95f, c * 0.7f, 1.6f);
            cv.fill(gem, solid(c * 0.9f), Blend::Add);
            cv.glow(cx, cy, r * 0.4f, Col{1, 1, 1}, 1.2f);
            break;
        }
        case 1:  // ringed ball
            orbAt(cv, cx, cy, r * 0.95f, hue, 1);
            break;
        default:  // falling capsule, head down
            taper(cv, {cx, cy + r * 0.45f}, {cx, cy - r * 0.6f}, r * 0.32f, r * 0.12f, c, r * 0.4f);
            break;
        }
    }
}

void paintPointed(Canvas& cv, const Arg& a) {
    // The rotation turns the read box about its centre; stay inside its inscribed circle.
    const float box = cv.w >= 40 ? 39.f : static_cast<float>(cv.w);
    const float c0 = box / 2, R = box / 2 - 1.5f;
    const Col c = hot(a.hue);
    switch (a.variant) {
    case 0:  // long flame dart
        taper(cv, {c0, c0 - R * 0.72f}, {c0, c0 + R * 0.8f}, R * 0.24f, R * 0.04f, c, R * 0.22f);
        break;
    case 1: {  // arrowhead
        const Contour head = {{c0, c0 - R * 0.85f}, {c0 + R * 0.5f, c0 + R * 0.2f}, {c0, c0 - R * 0.05f},
                              {c0 - R * 0.5f, c0 + R * 0.2f}};
        cv.glow(c0, c0 - R * 0.2f, R * 0.9f, c * 0.5f, 1.8f);
        cv.fill(head, solid(c), Blend::Add);
        taper(cv, {c0, c0 - R * 0.55f}, {c0, c0 + R * 0.75f}, R * 0.16f, R * 0.05f, c, R * 0.15f);
        break;
    }
    case 2: {  // crystal
        const Contour cr = {{c0, c0 - R * 0.85f}, {c0 + R * 0.28f, c0 - R * 0.1f}, {c0, c0 + R * 0.8f},
                            {c0 - R * 0.28f, c0 - R * 0.1f}};
        cv.glow(c0, c0, R * 0.95f, c * 0.45f, 1.8f);
        cv.fill(cr, vgrad(c0 - R, Col{1, 1, 1}, c0 + R, c), Blend::Add);
        break;
    }
    case 6:
    case 7: {  // curling fan shot: a head with a tail bending to one side
        const float side = a.variant == 6 ? -1.f : 1.f;
        Pt prev{c0, c0 - R * 0.55f};
        for (int i = 1; i <= 6; ++i) {
            const float t = static_cast<float>(i) / 6;
            const Pt p{c0 + side * R * 0.45f * t * t, c0 - R * 0.55f + R * 1.3f * t};
            taper(cv, prev, p, R * (0.3f - 0.22f * t), R * (0.3f - 0.22f * t - 0.03f), c * (1 - 0.5f * t), R * 0.12f, 0.3f);
            prev = p;
        }
        cv.glow(c0, c0 - R * 0.55f, R * 0.45f, Col{1, 1, 1} * 0.8f, 1.2f);
        break;
    }
    case 8: {  // bright arrow with two short fins
        taper(cv, {c0, c0 - R * 0.75f}, {c0, c0 + R * 0.7f}, R * 0.2f, R * 0.06f, c, R * 0.2f);
        taper(cv, {c0, c0 + R * 0.2f}, {c0 - R * 0.35f, c0 + R * 0.65f}, R * 0.1f, R * 0.04f, c * 0.8f, R * 0.1f);
        taper(cv, {c0, c0 + R * 0.2f}, {c0 + R * 0.35f, c0 + R * 0.65f}, R * 0.1f, R * 0.04f, c * 0.8f, R * 0.1f);
        break;
    }
    default:  // short teardrop (3, 4) or needle (5)
        if (a.variant == 5)
            taper(cv, {c0, c0 - R * 0.8f}, {c0, c0 + R * 0.8f}, R * 0.14f, R * 0.05f, c, R * 0.18f);
        else
            taper(cv, {c0, c0 - R * 0.45f}, {c0, c0 + R * 0.75f}, R * 0.38f, R * 0.05f, c, R * 0.25f);
        break;
    }
}

void paintRingBullet(Canvas& cv, const Arg& a) {
    const float box = cv.w == 20 ? 19.f : static_cast<float>(cv.w);
    const float c0 = box / 2, R = box / 2 - 0.8f;
    const Col c = hot(a.hue);
    switch (a.variant) {
    case 0:  // ring with a dot
    case 1: {
        cv.field(0, 0, cv.w, cv.h, [=](float x, float y) {
            const float d = std::sqrt((x - c0) * (x - c0) + (y - c0) * (y - c0)) / R;
            if (d >= 1) return Col{};
            const float ring = std::exp(-std::pow((d - 0.68f) / 0.17f, 2.f));
            const float dot = std::max(0.f, 1 - d / 0.3f);
            return c * (ring * 1.2f) + Col{1, 1, 1} * (dot + ring * 0.25f);
        });
        if (a.variant == 1) {
            for (int k = 0; k < 8; ++k) {
                const float ang = static_cast<float>(k) * kPi / 4;
                cv.glow(c0 + std::cos(ang) * R * 0.68f, c0 + std::sin(ang) * R * 0.68f, R * 0.2f, Col{1, 1, 1} * 0.7f, 1.5f);
            }
        }
        break;
    }
    case 2: {  // chain head: a four-pointed star on a ball
        orbAt(cv, c0, c0, R * 0.75f, a.hue, 0);
        for (int k = 0; k < 2; ++k) {
            const float ang = static_cast<float>(k) * kPi / 2;
            const Pt d{std::cos(ang) * R * 0.95f, std::sin(ang) * R * 0.95f};
            cv.glowLine({c0 - d.x, c0 - d.y}, {c0 + d.x, c0 + d.y}, R * 0.18f, mix(c, {1, 1, 1}, 0.4f), 1.5f);
        }
        break;
    }
    default:  // chain link: a small bright ring
        cv.field(0, 0, cv.w, cv.h, [=](float x, float y) {
            const float d = std::sqrt((x - c0) * (x - c0) + (y - c0) * (y - c0)) / R;
            if (d >= 1) return Col{};
            const float ring = std::exp(-std::pow((d - 0.45f) / 0.16f, 2.f));
            return mix(c, Col{1, 1, 1}, 0.3f) * (ring * 1.1f) + c * std::max(0.f, 0.3f - d) ;
        });
        break;
    }
}

void paintPlayerShot(Canvas& cv, const Arg& a) {
    const Col c = hot(a.hue, 0.75f);
    const float W = static_cast<float>(cv.w);
    switch (a.variant) {
    case 0:  // twin bolts
        for (float x : {W / 2 - 7, W / 2 + 7}) taper(cv, {x, 10}, {x, 52}, 3.2f, 1.5f, c, 6.f, 0.8f);
        break;
    case 1:
    case 2: {  // a bolt leaning with its drift
        const float s = a.variant == 1 ? -1.f : 1.f;
        taper(cv, {W / 2 + s * 4, 12}, {W / 2 - s * 4, 50}, 3.f, 1.3f, c, 6.f, 0.8f);
        break;
    }
    case 3: {  // wide crescent wave
        const float cx = W / 2;
        for (int i = 0; i <= 64; ++i) {
            const float t = static_cast<float>(i) / 64 * kPi;
            const float x = cx - std::cos(t) * 40, y = 40 - std::sin(t) * 26;
            const float w = 1.5f + 3.5f * std::sin(t);
            cv.glow(x, y, w + 7, c * 0.12f, 1.6f);
            cv.glow(x, y, w, mix(c, {1, 1, 1}, 0.6f) * 0.3f, 1.f);
        }
        break;
    }
    default: {  // smaller crescent leaning with its drift
        const float s = a.variant == 4 ? -1.f : 1.f;
        const float cx = W / 2;
        for (int i = 0; i <= 48; ++i) {
            const float t = static_cast<float>(i) / 48 * kPi;
            float x = -std::cos(t) * 18, y = -std::sin(t) * 12;
            // lean by 17 degrees towards the drift
            const float ang = s * 0.3f;
            const float rx = x * std::cos(ang) - y * std::sin(ang), ry = x * std::sin(ang) + y * std::cos(ang);
            x = cx + rx;
            y = 36 + ry;
            const float w = 1.2f + 2.5f * std::sin(t);
            cv.glow(x, y, w + 6, c * 0.12f, 1.6f);
            cv.glow(x, y, w, mix(c, {1, 1, 1}, 0.6f) * 0.3f, 1.f);
        }
        break;
    }
    }
}

void paintMuzzle(Canvas& cv, const Arg& a) {
    const Col c = hot(a.hue, 0.7f);
    const bool wide = a.variant == 1;
    const float cx = static_cast<float>(cv.w) / 2;
    const float cy = wide ? 45.f : 20.f;
    const float rx = wide ? 56.f : 30.f, ry = wide ? 24.f : 13.f;
    cv.field(0, 0, cv.w, cv.h, [=](float x, float y) {
        const float dx = (x - cx) / rx, dy = (y - cy) / ry;
        const float d = std::sqrt(dx * dx + dy * dy);
        if (d >= 1) return Col{};
        const float k = (1 - d) * (1 - d);
        return c * (k * 1.2f) + Col{1, 1, 1} * std::max(0.f, 1 - d * 2.5f);
    });
    // Short rays forwards and to the sides.
    const int rays = wide ? 7 : 5;
    for (int i = 0; i < rays; ++i) {
        const float ang = -kPi / 2 + (static_cast<float>(i) / static_cast<float>(rays - 1) - 0.5f) * kPi * 0.9f;
        const Pt tip{cx + std::cos(ang) * rx * 0.95f, cy + std::sin(ang) * ry * (wide ? 1.6f : 1.2f)};
        cv.glowLine({cx, cy}, tip, wide ? 3.5f : 2.2f, mix(c, {1, 1, 1}, 0.5f) * 0.8f, 1.4f);
    }
}

void paintArm(Canvas& cv, const Arg& a) {
    const float W = static_cast<float>(cv.w), H = static_cast<float>(cv.h);
    const Col c = hot(a.hue, 0.8f);
    // Direction of fall: straight down, down and right, down and left.
    Pt dir{0, 1};
    if (a.variant == 1) dir = {0.7071f, 0.7071f};
    if (a.variant == 2) dir = {-0.7071f, 0.7071f};
    const float L = a.variant == 0 ? H * 0.42f : std::min(W, H) * 0.38f;  // half length
    const float thick = a.variant == 0 ? W * 0.2f : std::min(W, H) * 0.13f;
    const Pt mid{W / 2, H / 2};
    const Pt head{mid.x + dir.x * L * 0.62f, mid.y + dir.y * L * 0.62f};
    const Pt tail{mid.x - dir.x * L, mid.y - dir.y * L};
    taper(cv, head, tail, thick, thick * 0.15f, c, thick * 0.9f, 0.5f);
    // Two claws sweeping back from the head.
    const Pt side{-dir.y, dir.x};
    for (float s : {-1.f, 1.f}) {
        const Pt root{head.x - dir.x * thick * 0.5f + side.x * s * thick * 0.7f,
                      head.y - dir.y * thick * 0.5f + side.y * s * thick * 0.7f};
        const Pt tip{root.x - dir.x * L * 0.9f + side.x * s * thick * 1.6f, root.y - dir.y * L * 0.9f + side.y * s * thick * 1.6f};
        taper(cv, root, tip, thick * 0.45f, thick * 0.08f, hot(a.hue + 25, 0.8f), thick * 0.5f, 0.3f);
    }
    cv.glow(head.x, head.y, thick * 1.3f, Col{1, 1, 1} * 0.8f, 1.5f);
}

void paintBeam(Canvas& cv, const Arg& a) {
    const int cells = cv.w / 90;
    const Col c = hot(a.hue, 0.7f);
    for (int k = 0; k < cells; ++k) {
        const float cx = static_cast<float>(k * 90) + 45;
        const float width = 10.f + 12.f * static_cast<float>(k);  // each flash wider than the last
        const uint32_t seed = a.seed + static_cast<uint32_t>(k);
        cv.field(k * 90, 0, k * 90 + 89, cv.h - 1, [=](float x, float y) {
            const float wob = 1 + 0.18f * std::sin(y * 0.09f + static_cast<float>(seed)) +
                              0.1f * std::sin(y * 0.23f + static_cast<float>(seed) * 2.f);
            const float d = std::fabs(x - cx) / (width * wob);
            const float ends = std::min(1.f, std::min(y, 400.f - y) / 30.f);
            if (d >= 2.f) return Col{};
            const float core = d < 0.35f ? 1.f - d / 0.35f : 0.f;
            const float body = d < 1 ? 1 - d * d : 0.f;
            const float halo = std::max(0.f, 1 - d / 2) * 0.35f;
            return (c * (body + halo) + Col{1, 1, 1} * core) * ends;
        });
    }
}

void paintDrop(Canvas& cv, const Arg& a) {
    const float W = static_cast<float>(cv.w), H = static_cast<float>(cv.h);
    taper(cv, {W / 2, H * 0.72f}, {W / 2, H * 0.12f}, W * 0.3f, W * 0.06f, hot(a.hue), W * 0.2f);
}

void paintBurst(Canvas& cv, const Arg& a) {
    for (int k = 0; k < 2; ++k) {
        const float x0 = static_cast<float>(k * 30);
        const float s = k == 0 ? 1.f : -1.f;  // cell 0 flies down-right, cell 1 down-left
        const Pt head{x0 + 15 + s * 7, 22};
        const Pt tail{x0 + 15 - s * 8, 7};
        taper(cv, head, tail, 4.5f, 1.f, hot(a.hue), 4.f);
    }
}

void paintLaser(Canvas& cv, const Arg& a) {
    const Col c = hot(a.hue, 0.6f);
    cv.field(0, 0, cv.w, cv.h, [=](float x, float) {
        const float d = std::fabs(x - 10) / 9;
        if (d >= 1) return Col{};
        return c * ((1 - d) * (1 - d)) + Col{1, 1, 1} * std::max(0.f, 1 - d * 4);
    });
}

void paintMarker(Canvas& cv, const Arg&) {
    const Col red = rgb(255, 70, 50), amber = rgb(255, 200, 80);
    // Four corner brackets.
    for (int sx : {-1, 1}) {
        for (int sy : {-1, 1}) {
            const float cx = 30 + static_cast<float>(sx) * 24, cy = 30 + static_cast<float>(sy) * 24;
            cv.fill(rect(std::min(cx, cx - static_cast<float>(sx) * 12), cy - 1.5f, std::max(cx, cx - static_cast<float>(sx) * 12), cy + 1.5f), red);
            cv.fill(rect(cx - 1.5f, std::min(cy, cy - static_cast<float>(sy) * 12), cx + 1.5f, std::max(cy, cy - static_cast<float>(sy) * 12)), red);
        }
    }
    cv.fill(ring(30, 30, 8, 10.5f), solid(amber));
    cv.fill(rect(29, 14, 31, 22), amber);
    cv.fill(rect(29, 38, 31, 46), amber);
    cv.fill(rect(14, 29, 22, 31), amber);
    cv.fill(rect(38, 29, 46, 31), amber);
}

void paintPowerUp(Canvas& cv, const Arg&) {
    const Col c = hot(35, 0.8f);
    cv.field(0, 0, cv.w, cv.h, [=](float x, float y) {
        const float d = std::sqrt((x - 30) * (x - 30) + (y - 30) * (y - 30)) / 27;
        if (d >= 1) return Col{};
        const float shell = std::exp(-std::pow((d - 0.78f) / 0.12f, 2.f));
        return c * (shell * 1.2f + 0.25f * (1 - d));
    });
    TextStyle st;
    st.sx = 3;
    st.sy = 3;
    st.fill = solid(Col{1, 1, 1});
    st.outlineWidth = 0;
    drawTextC(cv, "P", 31, 19.5f, st);
}

}  // namespace datagen
