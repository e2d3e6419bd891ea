// Whole-screen pictures (title, menus, continue, ranking, ending), the digit sheets and HUD
// icons, the scrolling backdrop tiles and the side panels.
#include <algorithm>
#include <cmath>
#include <string>

#include "font.h"
#include "model.h"
#include "noise.h"
#include "paint.h"

namespace datagen {

namespace {
constexpr float kPi = 3.14159265358979f;

Contour roundRect(float x0, float y0, float x1, float y1, float r) {
    Contour c;
    const float cx[4] = {x1 - r, x1 - r, x0 + r, x0 + r};
    const float cy[4] = {y0 + r, y1 - r, y1 - r, y0 + r};
    for (int k = 0; k < 4; ++k) {
        for (int i = 0; i <= 6; ++i) {
            const float a = (static_cast<float>(k) - 1 + static_cast<float>(i) / 6) * kPi / 2;
            c.push_back({cx[k] + std::cos(a) * r, cy[k] + std::sin(a) * r});
        }
    }
    return c;
}

void stars(Canvas& cv, int x0, int y0, int x1, int y1, uint32_t seed, int count) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const float x = rng.range(static_cast<float>(x0), static_cast<float>(x1));
        const float y = rng.range(static_cast<float>(y0), static_cast<float>(y1));
        const float b = rng.uni();
        const Col c = hsv(rng.range(190, 250) + (rng.uni() < 0.2f ? 180.f : 0.f), rng.range(0.f, 0.35f), 0.35f + 0.65f * b);
        if (b > 0.93f) {
            cv.glow(x, y, 4.5f, c * 0.7f, 2.f);
            cv.glowLine({x - 5, y}, {x + 5, y}, 1.2f, c * 0.6f, 1.f);
            cv.glowLine({x, y - 5}, {x, y + 5}, 1.2f, c * 0.6f, 1.f);
        } else {
            cv.glow(x, y, 1.2f + 1.3f * b, c, 1.f);
        }
    }
}

// An opaque deep-space background with a faint nebula.
void spaceBg(Canvas& cv, uint32_t seed, float hue) {
    const float H = static_cast<float>(cv.h);
    cv.fill(rect(0, 0, static_cast<float>(cv.w), H), [=](float x, float y) {
        const float n = fbm(x / 140.f, y / 140.f, seed, 5);
        const float neb = smoothstep(0.45f, 0.85f, n);
        const Col base = mix(rgb(12, 12, 34), rgb(9, 9, 20), y / H);
        return base + hsv(hue + 60 * n, 0.7f, 0.28f) * neb;
    });
    stars(cv, 0, 0, cv.w, cv.h, seed + 1, cv.w * cv.h / 700);
}

void planet(Canvas& cv, float cx, float cy, float r, float hue, uint32_t seed) {
    const int x0 = static_cast<int>(cx - r * 1.15f), x1 = static_cast<int>(cx + r * 1.15f);
    const int y0 = static_cast<int>(cy - r * 1.15f), y1 = static_cast<int>(cy + r * 1.15f);
    // Atmosphere halo.
    cv.field(x0, y0, x1, y1, [=](float x, float y) {
        const float d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)) / r;
        if (d < 1 || d > 1.15f) return Col{};
        return hsv(hue + 10, 0.5f, 1.f) * (std::pow((1.15f - d) / 0.15f, 2.f) * 0.5f);
    });
    cv.field(x0, y0, x1, y1, [=](float x, float y) {
        const float dx = (x - cx) / r, dy = (y - cy) / r;
        const float d2 = dx * dx + dy * dy;
        if (d2 >= 1) return Col{};
        const float nz = std::sqrt(1 - d2);
        const float lit = std::max(0.f, -0.55f * dx - 0.6f * dy + 0.58f * nz);
        const float bands = fbm(dx * 3.f, dy * 9.f, seed, 4);
        const Col surf = mix(hsv(hue, 0.6f, 0.45f), hsv(hue + 30, 0.5f, 0.85f), bands);
        const float rim = std::pow(1 - nz, 3.f);
        return surf * (0.12f + 0.95f * lit) + hsv(hue + 10, 0.4f, 1.f) * (rim * 0.6f * (0.3f + lit));
    }, Blend::Over);
}

void keycap(Canvas& cv, float x, float y, std::string_view label, float scale) {
    const float tw = textWidth(label, scale);
    const float w = tw + scale * 6, h = 7 * scale + scale * 5;
    Bevel bv{scale * 2.5f, scale * 2.f, 0, {}};
    Canvas cap(cv.w, cv.h);
    cap.fill(roundRect(x, y, x + w, y + h, scale * 2.5f), vgrad(y, rgb(215, 220, 235), y + h, rgb(120, 125, 150)), Blend::Over, 1.f, &bv);
    cap.shade(-0.45f, -0.6f, 0.66f);
    cv.paste(cap, 0, 0);
    TextStyle st;
    st.sx = st.sy = scale;
    st.fill = solid(rgb(30, 35, 70));
    st.outlineWidth = 0;
    drawText(cv, label, x + scale * 3, y + scale * 2.2f, st);
}

void panel(Canvas& cv, float x0, float y0, float x1, float y1, Col fill, Col border) {
    cv.fill(roundRect(x0, y0, x1, y1, 10), border);
    cv.fill(roundRect(x0 + 3, y0 + 3, x1 - 3, y1 - 3, 8), vgrad(y0, fill * 1.3f, y1, fill));
}

TextStyle heading(float sx, float sy) {
    TextStyle st;
    st.sx = sx;
    st.sy = sy;
    st.fill = solid(rgb(255, 255, 255));
    st.outline = rgb(40, 18, 10);
    st.outlineWidth = std::max(1.f, std::round(sx / 3));
    st.shadow = std::max(1.f, std::round(sx / 2));
    st.shadowCol = rgb(10, 8, 20);
    return st;
}

TextStyle goldText(float sx, float sy, float y) {
    TextStyle st = heading(sx, sy);
    st.fill = vgrad(y, rgb(255, 246, 170), y + 7 * sy, rgb(235, 120, 30));
    return st;
}

TextStyle plainText(float s, Col top, Col bottom, float y) {
    TextStyle st;
    st.sx = st.sy = s;
    st.fill = vgrad(y, top, y + 7 * s, bottom);
    st.outline = rgb(12, 14, 40);
    st.outlineWidth = 1;
    return st;
}

}  // namespace

void paintTitle(Canvas& cv, const Arg& a) {
    spaceBg(cv, a.seed, 250);
    planet(cv, 90, 590, 270, 195, a.seed + 5);
    planet(cv, 352, 168, 20, 20, a.seed + 6);
    cv.glowLine({205, 330}, {205, 410}, 10, rgb(255, 150, 60) * 0.5f, 1.5f);
    cv.glowLine({235, 330}, {235, 410}, 10, rgb(255, 150, 60) * 0.5f, 1.5f);
    cv.paste(renderPlayerShip(0, cv.w, cv.h, 220, 262, 2.4f, 0, 0), 0, 0);
    const TextStyle title = goldText(6, 7, 58);
    TextStyle t = title;
    t.glow = 8;
    t.glowCol = rgb(255, 140, 40);
    drawTextC(cv, "KESTRALIS", 220, 58, t);
    cv.fill(rect(70, 118, 370, 120), vgrad(0, rgb(255, 200, 90), 1, rgb(255, 200, 90)));
    drawTextC(cv, "PRESS ENTER", 220, 420, plainText(3, rgb(255, 255, 255), rgb(120, 210, 255), 420));
}

void paintLevelSelect(Canvas& cv, const Arg& a) {
    spaceBg(cv, a.seed, 200);
    panel(cv, 48, 28, 392, 452, rgb(14, 18, 44), rgb(80, 120, 220));
    drawTextC(cv, "SELECT LEVEL", 220, 48, goldText(3, 4, 48));
    struct Row {
        const char* key;
        const char* label;
        float y;
    };
    const Row rows[] = {{"F1", "LEVEL 1", 110}, {"F2", "LEVEL 3", 156},   {"SPACE", "STARS ONLY", 262},
                        {"M", "MOUSE", 306},    {"K", "KEYS", 350},        {"O", "NO DEATH", 394}};
    for (const auto& r : rows) {
        keycap(cv, 66, r.y - 4, r.key, 2);
        drawText(cv, r.label, 160, r.y, plainText(3, rgb(255, 255, 255), rgb(170, 210, 255), r.y));
    }
    cv.fill(rect(70, 208, 370, 210), rgb(80, 120, 220));
    drawTextC(cv, "OPTIONS", 220, 224, plainText(2, rgb(150, 200, 255), rgb(90, 140, 230), 224));
}

void paintShipSelect(Canvas& cv, const Arg& a) {
    spaceBg(cv, a.seed, 300);
    panel(cv, 48, 28, 392, 452, rgb(20, 14, 40), rgb(170, 100, 220));
    drawTextC(cv, "SELECT SHIP", 220, 52, goldText(3, 4, 52));
    for (int k = 0; k < 2; ++k) {
        const float cx = k == 0 ? 136.f : 304.f;
        cv.glow(cx, 230, 70, hsv(k == 0 ? 215.f : 0.f, 0.7f, 0.35f), 1.5f);
        cv.paste(renderPlayerShip(k, cv.w, cv.h, cx, 230, 2.f, 0, 0), 0, 0);
        keycap(cv, cx - 24, 318, k == 0 ? "F5" : "F6", 3);
        drawTextC(cv, k == 0 ? "TYPE 1" : "TYPE 2", cx, 376, plainText(2, rgb(255, 255, 255), rgb(200, 180, 255), 376));
    }
}

void paintContinue(Canvas& cv, const Arg&) {
    panel(cv, 1, 1, 199, 99, rgb(16, 20, 60), rgb(240, 190, 70));
    drawTextC(cv, "CONTINUE?", 100, 16, plainText(3, rgb(255, 255, 255), rgb(255, 210, 120), 16));
    keycap(cv, 82, 52, "Y", 3);
}

void paintRanking(Canvas& cv, const Arg&) {
    TextStyle st = goldText(6, 6, 14);
    drawTextC(cv, "RANKING", 200, 14, st);
    cv.field(40, 70, 360, 78, [](float x, float y) {
        const float fx = 1 - std::fabs(x - 200) / 160, fy = 1 - std::fabs(y - 74) / 4;
        const float k = fx * fy * 1.4f;
        return k < 0.2f ? Col{} : rgb(255, 190, 80) * std::min(1.f, k);
    }, Blend::Over);
}

void paintGoodNight(Canvas& cv, const Arg&) {
    drawTextC(cv, "MISSION COMPLETE", 150, 20, goldText(3, 4, 20));
    drawTextC(cv, "GOOD NIGHT", 150, 66, plainText(2, rgb(220, 240, 255), rgb(120, 170, 255), 66));
}

void paintEndingArt(Canvas& cv, const Arg& a) {
    if (a.variant == 0) {
        spaceBg(cv, a.seed, 210);
        planet(cv, 220, 640, 330, 200, a.seed + 3);
        cv.glow(110, 318, 120, rgb(255, 220, 160) * 0.8f, 2.2f);  // sunrise over the limb
        cv.glow(110, 318, 26, Col{1, 1, 1}, 1.2f);
        cv.glowLine({150, 480}, {255, 240}, 5, rgb(140, 200, 255) * 0.45f, 1.5f);
        cv.paste(renderPlayerShip(0, cv.w, cv.h, 268, 210, 1.3f, 24, -15), 0, 0);
    } else {
        spaceBg(cv, a.seed, 330);
        // The fortress burning far away.
        cv.glow(300, 130, 110, rgb(255, 120, 40) * 0.7f, 2.f);
        cv.glow(300, 130, 40, rgb(255, 240, 200), 1.3f);
        Rng rng(a.seed);
        for (int i = 0; i < 14; ++i) {
            const float ang = rng.range(0, 2 * kPi), r = rng.range(50, 140);
            cv.glow(300 + std::cos(ang) * r, 130 + std::sin(ang) * r * 0.8f, rng.range(2, 5), rgb(255, 200, 120), 1.2f);
        }
        cv.glowLine({255, 470}, {175, 335}, 6, rgb(255, 170, 80) * 0.5f, 1.5f);
        cv.paste(renderPlayerShip(0, cv.w, cv.h, 160, 310, 1.6f, -28, -20), 0, 0);
        drawTextC(cv, "THANK YOU FOR PLAYING", 220, 430, plainText(2, rgb(255, 255, 255), rgb(255, 200, 140), 430));
    }
}

void paintBigDigits(Canvas& cv, const Arg&) {
    for (int d = 0; d < 10; ++d) {
        const std::string s(1, static_cast<char>('0' + d));
        TextStyle st;
        st.sx = 3;
        st.sy = 3;
        st.fill = vgrad(2, rgb(255, 255, 255), 23, rgb(120, 200, 255));
        st.outline = rgb(14, 20, 60);
        st.outlineWidth = 1;
        drawText(cv, s, static_cast<float>(20 * d) + 2.5f, 2, st);
    }
}

void paintHudSheet(Canvas& cv, const Arg&) {
    // Small digits 7×10 at x 8 + 7d, y 70.
    for (int d = 0; d < 10; ++d) {
        const std::string s(1, static_cast<char>('0' + d));
        TextStyle st;
        st.sx = st.sy = 1;
        st.fill = vgrad(71, rgb(255, 255, 255), 78, rgb(150, 220, 255));
        st.outline = rgb(12, 16, 50);
        st.outlineWidth = 1;
        drawText(cv, s, static_cast<float>(9 + 7 * d), 71, st);
    }
    // Banner strip (81..136): a red band with bright edges.
    cv.field(81, 70, 135, 79, [](float, float y) {
        const float e = std::fabs(y - 75) / 5;
        return mix(rgb(200, 30, 40), rgb(255, 220, 120), e * e);
    }, Blend::Over);
    // Star specks 3×10 at x 139 + 3k.
    const Col speck[7] = {rgb(255, 255, 255), rgb(170, 200, 255), rgb(255, 240, 170), rgb(110, 110, 130),
                          rgb(120, 160, 255), rgb(255, 150, 140), rgb(200, 200, 210)};
    const int len[7] = {6, 4, 3, 2, 8, 3, 5};
    for (int k = 0; k < 7; ++k) {
        const float x = static_cast<float>(139 + 3 * k);
        const float y0 = 70.f + (10.f - static_cast<float>(len[k])) / 2;
        cv.field(139 + 3 * k, 70, 141 + 3 * k, 79, [=](float px, float py) {
            if (py < y0 || py > y0 + static_cast<float>(len[k])) return Col{};
            const float t = (py - y0) / static_cast<float>(len[k]);
            const float side = std::fabs(px - (x + 1.5f)) < 1 ? 1.f : 0.35f;
            return speck[k] * (side * (0.4f + 0.6f * t));
        }, Blend::Over);
    }
    // Bombs icon (170..194): a round bomb with a spark.
    cv.fill(circle(177, 75.5f, 4.2f), solid(rgb(110, 120, 150)));
    cv.fill(circle(176, 74.5f, 1.6f), solid(rgb(230, 235, 255)));
    cv.fill(rect(180, 70.5f, 182, 72.5f), rgb(200, 160, 90));
    cv.fill(circle(183.5f, 71, 1.3f), solid(rgb(255, 220, 80)));
    cv.fill(textShape("X", 187, 72, 1, 1), solid(rgb(255, 255, 255)));
    // Lives icon (200..224): a small ship.
    cv.fill(Contour{{207, 70.5f}, {209.5f, 75}, {213, 78}, {213, 79.5f}, {207, 78}, {201, 79.5f}, {201, 78}, {204.5f, 75}},
            vgrad(70, rgb(240, 245, 255), 80, rgb(80, 130, 230)));
    cv.fill(rect(206.3f, 73, 207.7f, 75.5f), rgb(120, 230, 255));
    cv.fill(textShape("X", 216, 72, 1, 1), solid(rgb(255, 255, 255)));
}

void paintBackdrop(Canvas& cv, const Arg& a) {
    const float W = static_cast<float>(cv.w);
    const int H = cv.h;  // 480: the tiles repeat every 480 rows, so every shape wraps vertically
    Rng rng(a.seed);
    auto wrapped = [&](const std::function<void(float dy)>& draw) {
        for (float dy : {-480.f, 0.f, 480.f}) draw(dy);
    };
    switch (a.variant) {
    case 8: {  // far layer: faint nebula wisps and tiny far galaxies
        cv.field(0, 0, cv.w - 1, H - 1, [=](float x, float y) {
            const float n = fbm(x / 60.f, y / 60.f, a.seed, 4, 0, 8);
            const float v = smoothstep(0.6f, 0.8f, n);
            if (v <= 0) return Col{};
            return mix(rgb(20, 16, 48), rgb(60, 40, 110), fbm(x / 30.f, y / 30.f, a.seed + 3, 2, 0, 16)) * v;
        }, Blend::Over);
        for (int i = 0; i < 5; ++i) {
            const float x = rng.range(50, W - 50), y = rng.range(0, 480), rx = rng.range(6, 14), tilt = rng.range(0, 180);
            const Col c = hsv(rng.range(180, 320), 0.4f, 0.6f);
            wrapped([&](float dy) {
                cv.fill(ellipse(x, y + dy, rx, rx * 0.35f, tilt), solid(c * 0.5f));
                cv.fill(ellipse(x, y + dy, rx * 0.3f, rx * 0.15f, tilt), solid(c));
            });
        }
        break;
    }
    case 1: {  // asteroids
        for (int i = 0; i < 7; ++i) {
            const float x = rng.range(60, W / 2 - 20) + static_cast<float>(i % 2) * (W / 2 - 40);
            const float y = (static_cast<float>(i) + rng.range(0, 0.8f)) * 480.f / 7.f;
            const float r = rng.range(8, 30);
            Contour rock;
            const int n = 9 + rng.below(4);
            for (int k = 0; k < n; ++k) {
                const float ang = static_cast<float>(k) * 2 * kPi / static_cast<float>(n);
                const float rr = r * rng.range(0.7f, 1.1f);
                rock.push_back({x + std::cos(ang) * rr, y + std::sin(ang) * rr * 0.85f});
            }
            const Col c = hsv(rng.range(20, 40), rng.range(0.2f, 0.45f), rng.range(0.35f, 0.55f));
            Canvas layer(cv.w, cv.h);
            wrapped([&](float dy) {
                Bevel bv{r * 0.8f, r * 0.6f, 0, {}};
                layer.fill(map(Xf::translate(0, dy), rock), vgrad(y + dy - r, c * 1.2f, y + dy + r, c * 0.5f), Blend::Over, 1.f, &bv);
                for (int k = 0; k < 3; ++k) {
                    const float cx = x + rng.range(-r, r) * 0.5f, cy = y + dy + rng.range(-r, r) * 0.5f;
                    Bevel crater{r * 0.12f, -r * 0.12f, 0, {}};
                    layer.fill(circle(cx, cy, r * rng.range(0.12f, 0.25f)), solid(c * 0.8f), Blend::Over, 1.f, &crater);
                }
            });
            layer.shade(-0.45f, -0.6f, 0.66f, 0.3f, 0.9f, 0.1f);
            cv.paste(layer, 0, 0);
        }
        break;
    }
    case 2: {  // drifting wreckage: girders and plates
        for (int i = 0; i < 6; ++i) {
            const float x = rng.range(60, W - 60), y = rng.range(0, 480), len = rng.range(30, 80), ang = rng.range(0, 180);
            const bool girder = rng.uni() < 0.6f;
            Canvas layer(cv.w, cv.h);
            wrapped([&](float dy) {
                const Xf xf = Xf::rotate(ang).then(Xf::translate(x, y + dy));
                Bevel bv{2, 2, 0, {}};
                if (girder) {
                    layer.fill(map(xf, rect(-len / 2, -5, len / 2, -2)), solid(rgb(110, 100, 120)), Blend::Over, 1.f, &bv);
                    layer.fill(map(xf, rect(-len / 2, 2, len / 2, 5)), solid(rgb(110, 100, 120)), Blend::Over, 1.f, &bv);
                    for (float t = -len / 2; t < len / 2 - 6; t += 10)
                        layer.fill(map(xf, Contour{{t, -3}, {t + 2, -3}, {t + 8, 3}, {t + 6, 3}}), solid(rgb(90, 80, 100)));
                } else {
                    layer.fill(map(xf, Contour{{-len / 2, -len / 4}, {len / 2, -len / 5}, {len / 3, len / 4}, {-len / 2.5f, len / 5}}),
                               solid(rgb(80, 85, 100)), Blend::Over, 1.f, &bv);
                    layer.fill(map(xf, rect(-len / 4, -3, len / 4, 3)), solid(rgb(60, 62, 80)));
                }
            });
            layer.shade(-0.45f, -0.6f, 0.66f, 0.35f, 0.8f, 0.2f);
            cv.paste(layer, 0, 0);
        }
        break;
    }
    case 3: {  // thin streaks of gas rushing past
        cv.field(0, 0, cv.w - 1, H - 1, [=](float x, float y) {
            const float n = fbm(x / 18.f, y / 120.f, a.seed, 4, 0, 4);
            const float v = smoothstep(0.66f, 0.8f, n);
            if (v <= 0) return Col{};
            return mix(rgb(12, 36, 46), rgb(34, 96, 108), v) * v;
        }, Blend::Over);
        break;
    }
    default: {  // stage 5: fortress walls; the layer is drawn at x 80, so tile columns 140..500 show
        Canvas layer(cv.w, cv.h);
        std::vector<Pt> ports;
        for (int side = 0; side < 2; ++side) {
            const float edge = side == 0 ? 130.f : W - 130.f;
            const float dir = side == 0 ? 1.f : -1.f;
            for (int k = 0; k < 4; ++k) {
                const float y = static_cast<float>(k) * 120.f + rng.range(0, 50);
                const float len = rng.range(40, 110);
                const float tip = edge + dir * len;
                ports.push_back({tip - dir * 6, y + 8});
                wrapped([&](float dy) {
                    Bevel bv{4, 3, 0, {}};
                    layer.fill(rect(std::min(edge, tip), y + dy, std::max(edge, tip), y + dy + 16),
                               vgrad(y + dy, rgb(125, 115, 140), y + dy + 16, rgb(60, 55, 72)), Blend::Over, 1.f, &bv);
                    layer.fill(rect(tip - 10, y + dy - 18, tip + 10, y + dy + 34), solid(rgb(92, 86, 108)), Blend::Over, 1.f, &bv);
                    layer.fill(rect(std::min(edge, edge - dir * 14), y + dy - 30, std::max(edge, edge - dir * 14), y + dy + 46),
                               solid(rgb(80, 76, 96)), Blend::Over, 1.f, &bv);
                });
            }
        }
        layer.shade(-0.45f, -0.6f, 0.66f, 0.35f, 0.8f, 0.25f);
        cv.paste(layer, 0, 0);
        for (const Pt& p : ports) wrapped([&](float dy) { cv.glow(p.x, p.y + dy, 5, rgb(255, 120, 60), 1.5f); });
        break;
    }
    }
}

void paintPanel(Canvas& cv, const Arg& a) {
    Canvas layer(cv.w, cv.h);
    Bevel bv{6, 4, 0, {}};
    const Col base = a.variant == 0 ? rgb(90, 100, 130) : rgb(120, 90, 90);
    layer.fill(rect(0, 0, 100, 480), vgrad(0, base * 1.2f, 480, base * 0.7f), Blend::Over, 1.f, &bv);
    for (int k = 0; k < 8; ++k) {
        const float y = 20.f + static_cast<float>(k) * 60.f;
        Bevel inner{3, -2, 0, {}};
        layer.fill(rect(12, y, 88, y + 44), solid(base * 0.75f), Blend::Over, 1.f, &inner);
        for (float x : {18.f, 82.f}) layer.fill(circle(x, y + 6, 2.5f), solid(base * 1.3f), Blend::Over, 1.f, &bv);
    }
    layer.shade(-0.45f, -0.6f, 0.66f);
    cv.paste(layer, 0, 0);
}

}  // namespace datagen
