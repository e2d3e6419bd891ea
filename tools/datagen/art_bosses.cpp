// The boss bodies: large symmetric hulls built from bevelled plates, with turrets, engines,
// panel detail and a glowing core, each boss in its own shape and colours.
#include <algorithm>
#include <cmath>

#include "model.h"
#include "noise.h"
#include "paint.h"

namespace datagen {

namespace {
constexpr float kPi = 3.14159265358979f;

struct BossPal {
    Col hull, hullDark, plate, plateDark, trim, light, core;
};

Part plate(std::vector<P3> pts, Col top, Col bottom, float bevel, float bump) {
    Part p;
    p.pts = std::move(pts);
    p.top = top;
    p.bottom = bottom;
    p.bevel = bevel;
    p.bump = bump;
    return p;
}

std::vector<P3> lift(const Contour& c, float z) {
    std::vector<P3> o;
    for (Pt p : c) o.push_back({p.x, p.y, z});
    return o;
}

void pair(Model& m, const Part& p) {
    m.push_back(p);
    m.push_back(mirrored(p));
}

Part lamp(float x, float y, float r, Col c, float glow) {
    Part p;
    p.pts = lift(circle(x, y, r, 16), 20);
    p.lit = false;
    p.top = mix(c, {1, 1, 1}, 0.5f);
    p.bottom = c;
    p.glowR = glow;
    p.glowCol = c * 0.8f;
    return p;
}

bool insideOutline(const std::vector<P3>& poly, float x, float y) {
    bool in = false;
    for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        if ((poly[i].y > y) != (poly[j].y > y) &&
            x < (poly[j].x - poly[i].x) * (y - poly[i].y) / (poly[j].y - poly[i].y) + poly[i].x)
            in = !in;
    }
    return in;
}

// Raised panels scattered over a hull, in mirrored pairs.
void panels(Model& m, const std::vector<P3>& hull, int count, float z, Col a, Col b, Rng& rng, float minW = 10,
            float maxW = 30) {
    float xmax = 0, ymin = 1e9f, ymax = -1e9f;
    for (const auto& p : hull) {
        xmax = std::max(xmax, p.x);
        ymin = std::min(ymin, p.y);
        ymax = std::max(ymax, p.y);
    }
    int placed = 0;
    for (int tries = 0; tries < count * 30 && placed < count; ++tries) {
        const float w = rng.range(minW, maxW), h = rng.range(minW, maxW * 1.4f);
        const float x = rng.range(6, xmax - w), y = rng.range(ymin, ymax - h);
        if (!insideOutline(hull, x, y) || !insideOutline(hull, x + w, y) || !insideOutline(hull, x, y + h) ||
            !insideOutline(hull, x + w, y + h))
            continue;
        const float tone = rng.range(0.8f, 1.12f);
        pair(m, plate(lift(rect(x, y, x + w, y + h), z), a * tone, b * tone, 2.f, 1.2f));
        ++placed;
    }
}

// A gun turret: a round base, a dome and a barrel pointing down.
void turret(Model& m, float x, float y, float r, const BossPal& pal, bool mirror = true) {
    Model t;
    t.push_back(plate(lift(rect(x - r * 0.22f, y, x + r * 0.22f, y + r * 1.7f), 14), pal.trim * 0.9f, pal.trim * 0.5f, 1.5f, 1.f));
    t.push_back(plate(lift(circle(x, y, r, 24), 12), pal.plate, pal.plateDark, r * 0.4f, r * 0.25f));
    t.push_back(plate(lift(circle(x, y - r * 0.1f, r * 0.6f, 20), 16), pal.hull * 1.1f, pal.hullDark, r * 0.5f, r * 0.5f));
    for (auto& p : t) {
        if (mirror) pair(m, p);
        else m.push_back(p);
    }
}

void core(Model& m, float y, float r, const BossPal& pal) {
    m.push_back(plate(lift(circle(0, y, r * 1.35f, 40), 14), pal.trim, pal.trim * 0.5f, r * 0.3f, r * 0.25f));
    m.push_back(plate(lift(circle(0, y, r * 1.05f, 40), 12), rgb(30, 30, 40), rgb(20, 20, 30), r * 0.2f, -r * 0.1f));
    m.push_back(lamp(0, y, r * 0.75f, pal.core, r * 1.6f));
}

BossPal palOf(int v) {
    switch (v) {
    case 0:  // stage 1: grey-green steel, orange lights
        return {rgb(190, 198, 186), rgb(95, 105, 98), rgb(135, 150, 135), rgb(70, 82, 72), rgb(210, 150, 60),
                rgb(255, 170, 60), rgb(255, 110, 40)};
    case 1:  // stage 5: crimson and black
        return {rgb(110, 108, 125), rgb(45, 44, 58), rgb(190, 60, 70), rgb(95, 25, 35), rgb(220, 190, 120),
                rgb(255, 80, 60), rgb(255, 40, 40)};
    case 2:  // stage 3: blue cruiser
        return {rgb(175, 190, 215), rgb(80, 95, 130), rgb(110, 145, 210), rgb(45, 65, 125), rgb(230, 230, 240),
                rgb(120, 210, 255), rgb(90, 255, 140)};
    case 3:  // stage 4: violet tower
        return {rgb(185, 140, 215), rgb(85, 55, 115), rgb(120, 95, 170), rgb(55, 40, 90), rgb(230, 210, 120),
                rgb(255, 120, 220), rgb(110, 230, 255)};
    default:  // stage 2: bronze bat
        return {rgb(230, 195, 110), rgb(130, 90, 40), rgb(190, 140, 70), rgb(100, 65, 30), rgb(240, 235, 210),
                rgb(255, 220, 120), rgb(80, 220, 255)};
    }
}

Model boss11(const BossPal& p, Rng& rng) {
    Model m;
    const std::vector<P3> wings = {{0, 40, 4},   {60, 30, 4},  {120, 48, 4}, {188, 108, 5}, {204, 170, 5}, {188, 202, 5},
                                   {130, 192, 4}, {92, 232, 4}, {72, 300, 4}, {42, 340, 4},  {0, 350, 4}};
    m.push_back(plate(sym(wings), p.plate, p.plateDark, 10, 5));
    panels(m, wings, 16, 6, p.plate * 1.05f, p.plateDark * 1.1f, rng);
    pair(m, plate(lift(rect(70, 18, 112, 84), 8), p.hull, p.hullDark, 7, 6));
    pair(m, plate({{40, 300, 6}, {60, 296, 6}, {80, 352, 6}, {70, 356, 6}}, p.trim, p.trim * 0.6f, 3, 2));
    const auto spine = sym({{0, 10, 10}, {40, 14, 10}, {56, 60, 10}, {60, 200, 10}, {50, 300, 10}, {26, 345, 10}, {0, 352, 10}});
    m.push_back(plate(spine, p.hull, p.hullDark, 16, 10));
    m.push_back(plate(sym({{0, 56, 18}, {16, 60, 18}, {22, 90, 18}, {16, 116, 18}, {0, 118, 18}}), p.hull * 1.1f, p.hullDark, 8, 6));
    for (float y : {240.f, 262.f, 284.f}) pair(m, plate(lift(rect(18, y, 44, y + 12), 12), p.plateDark, p.plateDark * 0.7f, 2, 1));
    turret(m, 150, 150, 17, p);
    turret(m, 104, 104, 13, p);
    turret(m, 118, 228, 12, p);
    core(m, 168, 24, p);
    for (float x : {78.f, 91.f, 104.f}) pair(m, lamp(x, 20, 5, p.light, 9));
    pair(m, lamp(196, 172, 3, rgb(255, 60, 60), 6));
    return m;
}

Model boss71(const BossPal& p, Rng& rng) {
    Model m;
    const std::vector<P3> half = {{0, 60, 4},   {80, 40, 4},   {160, 20, 4},  {240, 60, 5},  {248, 120, 5}, {215, 150, 5},
                                  {232, 200, 5}, {190, 230, 5}, {170, 282, 5}, {122, 262, 4}, {82, 330, 4},  {40, 362, 4},
                                  {0, 372, 4}};
    m.push_back(plate(sym(half), p.plate, p.plateDark, 12, 6));
    // Ribs running out along the wings.
    const Pt ribs[][2] = {{{60, 80}, {225, 70}}, {{60, 130}, {230, 150}}, {{60, 180}, {200, 222}}, {{50, 230}, {160, 270}}};
    for (const auto& r : ribs) {
        const float dx = r[1].x - r[0].x, dy = r[1].y - r[0].y, l = std::sqrt(dx * dx + dy * dy);
        const float nx = -dy / l * 4, ny = dx / l * 4;
        pair(m, plate({{r[0].x + nx, r[0].y + ny, 7}, {r[1].x + nx * 0.4f, r[1].y + ny * 0.4f, 7},
                       {r[1].x - nx * 0.4f, r[1].y - ny * 0.4f, 7}, {r[0].x - nx, r[0].y - ny, 7}},
                      p.trim * 0.9f, p.trim * 0.6f, 3, 2));
    }
    panels(m, half, 10, 6, p.plate * 1.08f, p.plateDark * 1.1f, rng, 10, 24);
    m.push_back(plate(sym({{0, 20, 10}, {50, 30, 10}, {70, 120, 10}, {62, 260, 10}, {32, 360, 10}, {0, 386, 10}}), p.hull, p.hullDark, 18, 12));
    m.push_back(plate(lift(ellipse(0, 318, 30, 42, 0, 40), 16), p.hullDark * 1.3f, p.hullDark * 0.8f, 12, 8));
    pair(m, lamp(14, 340, 5, p.light, 10));
    turret(m, 150, 150, 16, p);
    turret(m, 92, 240, 14, p);
    core(m, 180, 22, p);
    m.push_back(lamp(0, 26, 7, p.light, 12));
    pair(m, lamp(40, 32, 6, p.light, 11));
    return m;
}

Model boss41(const BossPal& p, Rng& rng) {
    Model m;
    const auto deck = sym({{0, 60, 5}, {112, 70, 5}, {112, 262, 5}, {62, 302, 5}, {0, 312, 5}});
    m.push_back(plate(deck, p.plate, p.plateDark, 8, 4));
    panels(m, {{0, 60, 5}, {112, 70, 5}, {112, 262, 5}, {62, 302, 5}, {0, 312, 5}}, 10, 6, p.plate * 1.05f, p.plateDark * 1.1f, rng);
    const auto pod = lift(capsule({130, 40}, {130, 342}, 40), 8);
    pair(m, plate(pod, p.hull, p.hullDark, 22, 14));
    pair(m, plate(lift(rect(122, 70, 138, 320), 18), p.plate * 1.1f, p.plateDark, 4, 2));
    m.push_back(plate(sym({{0, 30, 12}, {32, 40, 12}, {46, 150, 12}, {40, 330, 12}, {0, 372, 12}}), p.hull * 1.05f, p.hullDark, 16, 12));
    m.push_back(plate(sym({{0, 70, 18}, {18, 76, 18}, {22, 120, 18}, {0, 126, 18}}), p.trim, p.trim * 0.6f, 8, 6));
    turret(m, 130, 130, 18, p);
    turret(m, 130, 232, 18, p);
    core(m, 196, 22, p);
    pair(m, lamp(130, 30, 9, p.light, 16));
    pair(m, lamp(130, 372, 6, p.core, 12));
    for (float y : {100.f, 160.f, 280.f}) pair(m, lamp(164, y, 3, rgb(255, 255, 255), 5));
    return m;
}

Model boss51(const BossPal& p, Rng& rng) {
    Model m;
    const std::vector<P3> armHalf = {{88, 118, 5}, {150, 130, 5}, {186, 162, 5}, {186, 262, 5}, {150, 280, 5}, {96, 282, 5}};
    pair(m, plate(armHalf, p.plate, p.plateDark, 10, 6));
    const std::vector<P3> colHalf = {{0, 10, 8},  {60, 20, 8},  {90, 80, 8},  {102, 200, 8},
                                     {82, 330, 8}, {110, 380, 8}, {60, 442, 8}, {0, 456, 8}};
    m.push_back(plate(sym(colHalf), p.hull, p.hullDark, 16, 10));
    panels(m, colHalf, 12, 10, p.hull * 1.05f, p.hullDark * 1.15f, rng, 10, 26);
    m.push_back(plate(lift(circle(0, 84, 42, 48), 16), p.plate * 1.2f, p.plateDark, 22, 16));
    m.push_back(plate(lift(circle(0, 410, 34, 48), 14), p.trim, p.trim * 0.5f, 8, 6));
    m.push_back(lamp(0, 410, 22, p.core, 36));
    turret(m, 150, 214, 18, p);
    for (float y : {150.f, 200.f, 250.f, 300.f}) pair(m, lamp(30, y, 4, p.light, 8));
    m.push_back(lamp(0, 84, 9, p.light, 16));
    return m;
}

Model boss31(const BossPal& p, Rng& rng) {
    Model m;
    const float cy = 190;
    // Spikes behind the ring.
    for (int k = 0; k < 8; ++k) {
        const float ang = static_cast<float>(k) * kPi / 4 + kPi / 8;
        const float cs = std::cos(ang), sn = std::sin(ang);
        const float w = 0.12f;
        m.push_back(plate({{std::cos(ang - w) * 170, cy + std::sin(ang - w) * 170, 4},
                           {cs * 226, cy + sn * 188, 4},
                           {std::cos(ang + w) * 170, cy + std::sin(ang + w) * 170, 4}},
                          p.hullDark * 1.4f, p.hullDark, 6, 4));
    }
    // A ring of twelve segments.
    for (int k = 0; k < 12; ++k) {
        const float a0 = static_cast<float>(k) * kPi / 6 + 0.04f, a1 = a0 + kPi / 6 - 0.08f;
        std::vector<P3> seg;
        for (int i = 0; i <= 6; ++i) {
            const float a = a0 + (a1 - a0) * static_cast<float>(i) / 6;
            seg.push_back({std::cos(a) * 182, cy + std::sin(a) * 172, 6});
        }
        for (int i = 6; i >= 0; --i) {
            const float a = a0 + (a1 - a0) * static_cast<float>(i) / 6;
            seg.push_back({std::cos(a) * 146, cy + std::sin(a) * 138, 6});
        }
        m.push_back(plate(seg, p.plate, p.plateDark, 10, 7));
    }
    const std::vector<P3> bodyHalf = {{0, 30, 10}, {52, 116, 10}, {128, 190, 10}, {52, 264, 10}, {0, 350, 10}};
    m.push_back(plate(sym(bodyHalf), p.hull, p.hullDark, 20, 14));
    panels(m, bodyHalf, 8, 12, p.hull * 1.1f, p.hullDark * 1.2f, rng, 8, 18);
    pair(m, plate({{110, 262, 8}, {130, 256, 8}, {206, 340, 8}, {196, 352, 8}, {168, 330, 8}}, p.trim, p.trim * 0.5f, 4, 3));
    pair(m, plate(lift(rect(48, 8, 78, 60), 8), p.hull, p.hullDark, 6, 5));
    pair(m, lamp(63, 12, 7, p.light, 12));
    turret(m, 150, 96, 15, p);
    turret(m, 150, 286, 15, p);
    // The eye.
    m.push_back(plate(lift(ellipse(0, cy, 58, 46, 0, 60), 16), p.trim * 0.8f, p.trim * 0.4f, 10, 8));
    m.push_back(plate(lift(ellipse(0, cy, 46, 36, 0, 60), 14), rgb(40, 20, 25), rgb(20, 10, 15), 6, -4));
    m.push_back(lamp(0, cy, 24, p.core, 40));
    Part pupil;
    pupil.pts = lift(ellipse(0, cy, 6, 20, 0, 24), 20);
    pupil.lit = false;
    pupil.top = rgb(20, 8, 8);
    pupil.bottom = rgb(20, 8, 8);
    m.push_back(pupil);
    return m;
}

Model bossModel(int v, Rng& rng) {
    const BossPal p = palOf(v);
    switch (v) {
    case 0: return boss11(p, rng);
    case 1: return boss31(p, rng);
    case 2: return boss41(p, rng);
    case 3: return boss51(p, rng);
    default: return boss71(p, rng);
    }
}
}  // namespace

void paintBoss(Canvas& cv, const Arg& a) {
    Rng rng(a.seed);
    View v;
    switch (a.variant) {
    case 5: {  // the stage-1 boss rising past the player, larger than life
        const Model m = bossModel(0, rng);
        v.scale = 1.1f;
        v.heading = 180;
        v.cx = 240;
        v.cy = 240 + 180 * v.scale;
        for (float s : {-1.f, 1.f}) cv.glowLine({240 + s * 91 * v.scale, 412}, {240 + s * 91 * v.scale, 480}, 22, rgb(255, 150, 60) * 0.8f, 1.4f);
        cv.paste(renderModel(m, cv.w, cv.h, v), 0, 0);
        return;
    }
    case 6: {  // the stage-4 boss rising
        const Model m = bossModel(3, rng);
        v.scale = 1.02f;
        v.heading = 180;
        v.cx = 240;
        v.cy = 240 + 232 * v.scale;
        for (float s : {-1.f, 1.f}) cv.glowLine({240 + s * 40, 440}, {240 + s * 40, 480}, 24, rgb(255, 130, 230) * 0.8f, 1.4f);
        cv.paste(renderModel(m, cv.w, cv.h, v), 0, 0);
        return;
    }
    default: {
        const Model m = bossModel(a.variant, rng);
        v.cx = static_cast<float>(cv.w) / 2;
        v.cy = 0;
        cv.paste(renderModel(m, cv.w, cv.h, v), 0, 0);
        return;
    }
    }
}

}  // namespace datagen
