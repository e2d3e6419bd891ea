#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace datagen {

namespace {
constexpr float kPi = 3.14159265358979f;
constexpr int kSubRows = 4;  // vertical sub-samples per pixel row when filling

float segDist(Pt p, Pt a, Pt b) {
    const float vx = b.x - a.x, vy = b.y - a.y;
    const float wx = p.x - a.x, wy = p.y - a.y;
    const float len2 = vx * vx + vy * vy;
    float t = len2 > 0 ? (wx * vx + wy * vy) / len2 : 0.f;
    t = std::clamp(t, 0.f, 1.f);
    const float dx = wx - t * vx, dy = wy - t * vy;
    return std::sqrt(dx * dx + dy * dy);
}
}  // namespace

Col mix(Col a, Col b, float t) { return a + (b - a) * t; }
Col rgb(int r, int g, int b) { return {r / 255.f, g / 255.f, b / 255.f}; }

Col hsv(float h, float s, float v) {
    h = std::fmod(h, 360.f);
    if (h < 0) h += 360.f;
    const float c = v * s;
    const float x = c * (1 - std::fabs(std::fmod(h / 60.f, 2.f) - 1));
    const float m = v - c;
    Col o;
    if (h < 60) o = {c, x, 0};
    else if (h < 120) o = {x, c, 0};
    else if (h < 180) o = {0, c, x};
    else if (h < 240) o = {0, x, c};
    else if (h < 300) o = {x, 0, c};
    else o = {c, 0, x};
    return {o.r + m, o.g + m, o.b + m};
}

Col ramp(const std::vector<Stop>& stops, float t) {
    if (stops.empty()) return {};
    if (t <= stops.front().t) return stops.front().c;
    for (size_t i = 1; i < stops.size(); ++i) {
        if (t <= stops[i].t) {
            const float span = stops[i].t - stops[i - 1].t;
            return mix(stops[i - 1].c, stops[i].c, span > 0 ? (t - stops[i - 1].t) / span : 1.f);
        }
    }
    return stops.back().c;
}

float clamp01(float v) { return std::clamp(v, 0.f, 1.f); }
float smoothstep(float e0, float e1, float x) {
    const float t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

Xf Xf::then(const Xf& o) const {
    Xf r;
    r.a = o.a * a + o.c * b;
    r.b = o.b * a + o.d * b;
    r.c = o.a * c + o.c * d;
    r.d = o.b * c + o.d * d;
    r.tx = o.a * tx + o.c * ty + o.tx;
    r.ty = o.b * tx + o.d * ty + o.ty;
    return r;
}
Xf Xf::translate(float x, float y) { return {1, 0, 0, 1, x, y}; }
Xf Xf::scale(float sx, float sy) { return {sx, 0, 0, sy, 0, 0}; }
Xf Xf::rotate(float degrees) {
    const float r = degrees * kPi / 180.f;
    const float cs = std::cos(r), sn = std::sin(r);
    return {cs, sn, -sn, cs, 0, 0};
}

Contour map(const Xf& xf, const Contour& c) {
    Contour o;
    o.reserve(c.size());
    for (Pt p : c) o.push_back(xf(p));
    return o;
}
Shape map(const Xf& xf, const Shape& s) {
    Shape o;
    for (const auto& c : s) o.push_back(map(xf, c));
    return o;
}

Contour circle(float cx, float cy, float r, int n) { return ellipse(cx, cy, r, r, 0, n); }

Contour ellipse(float cx, float cy, float rx, float ry, float rotDeg, int n) {
    if (n <= 0) n = std::clamp(static_cast<int>(std::max(rx, ry) * 1.5f) + 12, 12, 160);
    Contour o;
    const float rr = rotDeg * kPi / 180.f;
    const float cs = std::cos(rr), sn = std::sin(rr);
    for (int i = 0; i < n; ++i) {
        const float t = 2 * kPi * static_cast<float>(i) / static_cast<float>(n);
        const float x = rx * std::cos(t), y = ry * std::sin(t);
        o.push_back({cx + x * cs - y * sn, cy + x * sn + y * cs});
    }
    return o;
}

Contour rect(float x0, float y0, float x1, float y1) { return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}; }

Contour reversed(Contour c) {
    std::reverse(c.begin(), c.end());
    return c;
}

Contour capsule(Pt a, Pt b, float r) {
    const float ang = std::atan2(b.y - a.y, b.x - a.x);
    Contour o;
    const int n = std::clamp(static_cast<int>(r * 2) + 6, 6, 40);
    for (int i = 0; i <= n; ++i) {
        const float t = ang - kPi / 2 + kPi * static_cast<float>(i) / static_cast<float>(n);
        o.push_back({b.x + r * std::cos(t), b.y + r * std::sin(t)});
    }
    for (int i = 0; i <= n; ++i) {
        const float t = ang + kPi / 2 + kPi * static_cast<float>(i) / static_cast<float>(n);
        o.push_back({a.x + r * std::cos(t), a.y + r * std::sin(t)});
    }
    return o;
}

Contour mirrorX(const Contour& half, float axis) {
    Contour o = half;
    for (auto it = half.rbegin(); it != half.rend(); ++it) o.push_back({2 * axis - it->x, it->y});
    return o;
}

Shape ring(float cx, float cy, float r0, float r1) { return {circle(cx, cy, r1), reversed(circle(cx, cy, r0))}; }

Paint solid(Col c) {
    return [c](float, float) { return c; };
}
Paint vgrad(float y0, Col c0, float y1, Col c1) {
    return [=](float, float y) { return mix(c0, c1, clamp01((y - y0) / (y1 - y0))); };
}

Canvas::Canvas(int w_, int h_) : w(w_), h(h_), c(static_cast<size_t>(w_ * h_)), a(static_cast<size_t>(w_ * h_), 0.f),
                                 hgt(static_cast<size_t>(w_ * h_), 0.f) {}

void Canvas::over(int x, int y, Col col, float cov) {
    if (!inside(x, y) || cov <= 0) return;
    const size_t i = static_cast<size_t>(y * w + x);
    c[i] = c[i] * (1 - cov) + col * cov;
    a[i] = a[i] * (1 - cov) + cov;
}

void Canvas::add(int x, int y, Col col) {
    if (!inside(x, y)) return;
    const size_t i = static_cast<size_t>(y * w + x);
    c[i] = c[i] + col;
    const float m = std::max({col.r, col.g, col.b});
    a[i] = std::min(1.f, a[i] + m);
}

void Canvas::fill(const Contour& s, const Paint& p, Blend mode, float opacity, const Bevel* bevel) {
    fill(Shape{s}, p, mode, opacity, bevel);
}

void Canvas::fill(const Shape& s, const Paint& p, Blend mode, float opacity, const Bevel* bevel) {
    float minx = 1e9f, miny = 1e9f, maxx = -1e9f, maxy = -1e9f;
    struct Edge {
        Pt p, q;
    };
    std::vector<Edge> edges;
    for (const auto& ct : s) {
        for (size_t i = 0; i < ct.size(); ++i) {
            const Pt a0 = ct[i], b0 = ct[(i + 1) % ct.size()];
            edges.push_back({a0, b0});
            minx = std::min(minx, a0.x);
            maxx = std::max(maxx, a0.x);
            miny = std::min(miny, a0.y);
            maxy = std::max(maxy, a0.y);
        }
    }
    if (edges.empty()) return;
    const int x0 = std::max(0, static_cast<int>(std::floor(minx)));
    const int x1 = std::min(w - 1, static_cast<int>(std::ceil(maxx)));
    const int y0 = std::max(0, static_cast<int>(std::floor(miny)));
    const int y1 = std::min(h - 1, static_cast<int>(std::ceil(maxy)));
    if (x0 > x1 || y0 > y1) return;
    std::vector<float> acc(static_cast<size_t>(x1 - x0 + 1));
    struct Cross {
        float x;
        int dir;
    };
    std::vector<Cross> xs;
    for (int y = y0; y <= y1; ++y) {
        std::fill(acc.begin(), acc.end(), 0.f);
        bool any = false;
        for (int sub = 0; sub < kSubRows; ++sub) {
            const float sy = static_cast<float>(y) + (static_cast<float>(sub) + 0.5f) / kSubRows;
            xs.clear();
            for (const auto& e : edges) {
                if ((e.p.y <= sy && e.q.y > sy) || (e.q.y <= sy && e.p.y > sy)) {
                    const float t = (sy - e.p.y) / (e.q.y - e.p.y);
                    xs.push_back({e.p.x + t * (e.q.x - e.p.x), e.q.y > e.p.y ? 1 : -1});
                }
            }
            if (xs.size() < 2) continue;
            std::sort(xs.begin(), xs.end(), [](const Cross& l, const Cross& r) { return l.x < r.x; });
            int wind = 0;
            for (size_t i = 0; i + 1 < xs.size(); ++i) {
                wind += xs[i].dir;
                if (wind == 0) continue;
                const float xa = std::max(xs[i].x, static_cast<float>(x0));
                const float xb = std::min(xs[i + 1].x, static_cast<float>(x1 + 1));
                if (xb <= xa) continue;
                any = true;
                for (int px = static_cast<int>(std::floor(xa)); px < static_cast<int>(std::ceil(xb)); ++px) {
                    const float ov = std::min(xb, static_cast<float>(px + 1)) - std::max(xa, static_cast<float>(px));
                    if (ov > 0) acc[static_cast<size_t>(px - x0)] += ov / kSubRows;
                }
            }
        }
        if (!any) continue;
        for (int x = x0; x <= x1; ++x) {
            float cov = std::min(1.f, acc[static_cast<size_t>(x - x0)]);
            if (cov <= 0.f) continue;
            const float fx = static_cast<float>(x) + 0.5f, fy = static_cast<float>(y) + 0.5f;
            const Col col = p(fx, fy);
            cov *= opacity;
            if (mode == Blend::Add) {
                add(x, y, col * cov);
                continue;
            }
            over(x, y, col, cov);
            if (bevel) {
                float d = 1e9f;
                for (const auto& e : edges) d = std::min(d, segDist({fx, fy}, e.p, e.q));
                const float sN = bevel->width > 0 ? clamp01(d / bevel->width) : 1.f;
                const float ht = (bevel->baseAt ? bevel->baseAt(fx, fy) : bevel->base) + bevel->height * (1 - (1 - sN) * (1 - sN));
                float& hh = hgt[static_cast<size_t>(y * w + x)];
                hh = hh * (1 - cov) + ht * cov;
            }
        }
    }
}

void Canvas::field(int x0, int y0, int x1, int y1, const std::function<Col(float, float)>& fn, Blend mode) {
    x0 = std::max(0, x0);
    y0 = std::max(0, y0);
    x1 = std::min(w - 1, x1);
    y1 = std::min(h - 1, y1);
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const Col col = fn(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
            if (mode == Blend::Add) {
                if (col.r > 0 || col.g > 0 || col.b > 0) add(x, y, col);
            } else if (col.r > 0 || col.g > 0 || col.b > 0) {
                over(x, y, col, 1.f);
            }
        }
    }
}

void Canvas::glow(float cx, float cy, float r, Col col, float power) {
    field(static_cast<int>(std::floor(cx - r)), static_cast<int>(std::floor(cy - r)), static_cast<int>(std::ceil(cx + r)),
          static_cast<int>(std::ceil(cy + r)), [=](float x, float y) {
              const float d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)) / r;
              if (d >= 1) return Col{};
              return col * std::pow(1 - d, power);
          });
}

void Canvas::glowLine(Pt p0, Pt p1, float r, Col col, float power) {
    const int xa = static_cast<int>(std::floor(std::min(p0.x, p1.x) - r));
    const int xb = static_cast<int>(std::ceil(std::max(p0.x, p1.x) + r));
    const int ya = static_cast<int>(std::floor(std::min(p0.y, p1.y) - r));
    const int yb = static_cast<int>(std::ceil(std::max(p0.y, p1.y) + r));
    field(xa, ya, xb, yb, [=](float x, float y) {
        const float d = segDist({x, y}, p0, p1) / r;
        if (d >= 1) return Col{};
        return col * std::pow(1 - d, power);
    });
}

void Canvas::shade(float lx, float ly, float lz, float ambient, float diffuse, float specular, float rim) {
    const float ll = std::sqrt(lx * lx + ly * ly + lz * lz);
    lx /= ll;
    ly /= ll;
    lz /= ll;
    float hx = lx, hy = ly, hz = lz + 1;
    const float hl = std::sqrt(hx * hx + hy * hy + hz * hz);
    hx /= hl;
    hy /= hl;
    hz /= hl;
    std::vector<Col> out = c;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const size_t i = static_cast<size_t>(y * w + x);
            if (a[i] <= 0) continue;
            auto H = [&](int xx, int yy) {
                if (!inside(xx, yy)) return hgt[i];
                const size_t j = static_cast<size_t>(yy * w + xx);
                return a[j] > 0 ? hgt[j] : hgt[i];
            };
            const float dx = (H(x + 1, y) - H(x - 1, y)) * 0.5f;
            const float dy = (H(x, y + 1) - H(x, y - 1)) * 0.5f;
            float nx = -dx, ny = -dy, nz = 1;
            const float nl = std::sqrt(nx * nx + ny * ny + nz * nz);
            nx /= nl;
            ny /= nl;
            nz /= nl;
            const float dif = std::max(0.f, nx * lx + ny * ly + nz * lz);
            const float spe = std::pow(std::max(0.f, nx * hx + ny * hy + nz * hz), 24.f);
            const Col base = c[i] * (1.f / a[i]);
            Col lit = base * (ambient + diffuse * dif) + Col{1, 1, 1} * (specular * spe);
            if (rim > 0) lit = lit + base * (rim * (1 - nz));
            out[i] = lit * a[i];
        }
    }
    c = std::move(out);
}

void Canvas::paste(const Canvas& src, int x, int y) {
    for (int sy = 0; sy < src.h; ++sy) {
        for (int sx = 0; sx < src.w; ++sx) {
            const size_t si = static_cast<size_t>(sy * src.w + sx);
            if (src.a[si] <= 0 || !inside(x + sx, y + sy)) continue;
            const size_t di = static_cast<size_t>((y + sy) * w + x + sx);
            const float cov = std::min(1.f, src.a[si]);
            c[di] = c[di] * (1 - cov) + src.c[si];
            a[di] = a[di] * (1 - cov) + cov;
            hgt[di] = src.hgt[si];
        }
    }
}

Canvas Canvas::mirrored() const {
    Canvas o(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const size_t si = static_cast<size_t>(y * w + x), di = static_cast<size_t>(y * w + (w - 1 - x));
            o.c[di] = c[si];
            o.a[di] = a[si];
            o.hgt[di] = hgt[si];
        }
    }
    return o;
}

Image finish(const Canvas& cv, Finish mode) {
    Image img;
    img.w = cv.w;
    img.h = cv.h;
    img.rgb.assign(static_cast<size_t>(cv.w * cv.h * 3), 0);
    auto q = [](float v) { return static_cast<int>(std::lround(std::clamp(v, 0.f, 1.f) * 255.f)); };
    for (size_t i = 0; i < cv.a.size(); ++i) {
        Col col;
        if (mode == Finish::Keyed) {
            if (cv.a[i] < 0.5f) continue;
            col = cv.c[i] * (1.f / cv.a[i]);
        } else {
            col = cv.c[i];
        }
        int r = q(col.r), g = q(col.g), b = q(col.b);
        // Too faint to see (or, drawn opaque, too dark to be anything but a dark fringe): transparent.
        const int cut = mode == Finish::Soft ? 48 : 8;
        if (std::max({r, g, b}) < cut) continue;
        img.rgb[i * 3 + 0] = static_cast<uint8_t>(std::max(r, 8));
        img.rgb[i * 3 + 1] = static_cast<uint8_t>(std::max(g, 8));
        img.rgb[i * 3 + 2] = static_cast<uint8_t>(std::max(b, 8));
    }
    return img;
}

std::vector<uint8_t> encodeBmp(const Image& img) {
    const uint32_t rowBytes = (static_cast<uint32_t>(img.w) * 3 + 3) & ~3u;
    const uint32_t dataBytes = rowBytes * static_cast<uint32_t>(img.h);
    const uint32_t fileBytes = 14 + 40 + dataBytes;
    std::vector<uint8_t> out;
    out.reserve(fileBytes);
    auto u16 = [&](uint32_t v) {
        out.push_back(static_cast<uint8_t>(v & 0xFF));
        out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
    };
    auto u32 = [&](uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    // File header.
    out.push_back('B');
    out.push_back('M');
    u32(fileBytes);
    u32(0);
    u32(14 + 40);
    // Info header: 24 bits, uncompressed, bottom-up rows.
    u32(40);
    u32(static_cast<uint32_t>(img.w));
    u32(static_cast<uint32_t>(img.h));
    u16(1);
    u16(24);
    u32(0);
    u32(dataBytes);
    u32(2835);  // 72 dpi
    u32(2835);
    u32(0);
    u32(0);
    for (int y = img.h - 1; y >= 0; --y) {
        const size_t row = static_cast<size_t>(y * img.w * 3);
        for (int x = 0; x < img.w; ++x) {
            const size_t i = row + static_cast<size_t>(x * 3);
            out.push_back(img.rgb[i + 2]);  // stored blue, green, red
            out.push_back(img.rgb[i + 1]);
            out.push_back(img.rgb[i + 0]);
        }
        for (uint32_t p = static_cast<uint32_t>(img.w) * 3; p < rowBytes; ++p) out.push_back(0);
    }
    return out;
}

}  // namespace datagen
