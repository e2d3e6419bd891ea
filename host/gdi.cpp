#include "host/gdi.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "host/backend.h"
#include "host/textlayout.h"

namespace host {

class Dc {
public:
    Surface* surface = nullptr;
    LockInfo lock;
    Pen pen;
    Brush brush;
    Font* font = nullptr;
    u32 textColor = 0;
    u32 bkColor = 0xFFFFFF;
    i32 bkMode = kBkOpaque;
    Point pos;
};

namespace {

i32 g_liveDcs = 0;

u16* Row(const Dc* dc, i32 y) { return reinterpret_cast<u16*>(dc->lock.bits + static_cast<std::ptrdiff_t>(y) * dc->lock.pitch); }

u16 ToPixel(const Dc* dc, u32 rgb) { return RgbToPixel(dc->lock.layout, rgb & 0xFFFFFF); }

ClipBox SurfaceBox(const Dc* dc) { return ClipBox{0, 0, dc->lock.width, dc->lock.height}; }

// A horizontal run of one colour, cut to the surface.
void SolidSpan(const Dc* dc, i32 x, i32 y, i64 n, u16 px) {
    if (y < 0 || y >= dc->lock.height) return;
    const i64 a = std::max<i64>(x, 0), b = std::min<i64>(x + n, dc->lock.width);
    if (a >= b) return;
    std::fill(Row(dc, y) + a, Row(dc, y) + b, px);
}

bool HatchBit(i32 hatch, i32 x, i32 y) {
    const i32 hx = x & 7, hy = y & 7;
    switch (hatch) {
        case kHatchHorizontal: return hy == 7;
        case kHatchVertical: return hx == 0;
        case kHatchFDiagonal: return ((hx - hy) & 7) == 0;
        case kHatchBDiagonal: return ((hx + hy) & 7) == 7;
        case kHatchCross: return hy == 7 || hx == 0;
        case kHatchDiagCross: return ((hx - hy) & 7) == 0 || ((hx + hy) & 7) == 7;
        default: return false;
    }
}

// A run painted with the selected brush.
void BrushSpan(const Dc* dc, i32 x, i32 y, i32 n) {
    const Brush& b = dc->brush;
    if (b.style == kBrushHollow) return;
    if (b.style == kBrushSolid) {
        SolidSpan(dc, x, y, n, ToPixel(dc, b.color));
        return;
    }
    if (y < 0 || y >= dc->lock.height) return;
    const i32 a = std::max(x, 0), e = std::min(x + n, dc->lock.width);
    const u16 fg = ToPixel(dc, b.color), bg = ToPixel(dc, dc->bkColor);
    const bool opaque = dc->bkMode != kBkTransparent;
    u16* row = Row(dc, y);
    for (i32 i = a; i < e; ++i) {
        if (HatchBit(b.hatch, i, y)) row[i] = fg;
        else if (opaque) row[i] = bg;
    }
}

struct SpanTarget {
    const Dc* dc;
    u16 pixel;
};
void SolidSpanFn(void* user, i32 x, i32 y, i32 n) {
    auto* t = static_cast<SpanTarget*>(user);
    SolidSpan(t->dc, x, y, n, t->pixel);
}
void BrushSpanFn(void* user, i32 x, i32 y, i32 n) { BrushSpan(static_cast<const Dc*>(user), x, y, n); }

// ---- one-pixel lines ---------------------------------------------------------------------------------
// Cuts a very long segment down to the part near the surface, so that stepping stays bounded. Lines
// that stay within 64k pixels are stepped exactly from their own ends.
bool CutLongSegment(const Dc* dc, i64& x0, i64& y0, i64& x1, i64& y1) {
    const i64 span = std::max(std::llabs(x1 - x0), std::llabs(y1 - y0));
    if (span <= 65536) return true;
    const double margin = 2;
    double t0 = 0, t1 = 1;
    const double dx = static_cast<double>(x1 - x0), dy = static_cast<double>(y1 - y0);
    auto clip = [&](double p, double q) {
        if (p == 0) return q >= 0;
        const double r = q / p;
        if (p < 0) { if (r > t1) return false; if (r > t0) t0 = r; }
        else { if (r < t0) return false; if (r < t1) t1 = r; }
        return true;
    };
    if (!clip(-dx, static_cast<double>(x0) + margin) || !clip(dx, dc->lock.width + margin - static_cast<double>(x0)) ||
        !clip(-dy, static_cast<double>(y0) + margin) || !clip(dy, dc->lock.height + margin - static_cast<double>(y0)))
        return false;
    const i64 nx0 = x0 + static_cast<i64>(std::floor(t0 * dx)), ny0 = y0 + static_cast<i64>(std::floor(t0 * dy));
    const i64 nx1 = x0 + static_cast<i64>(std::ceil(t1 * dx)), ny1 = y0 + static_cast<i64>(std::ceil(t1 * dy));
    x0 = nx0, y0 = ny0, x1 = nx1, y1 = ny1;
    return true;
}

// Steps from (x0, y0) towards (x1, y1), leaving out the end pixel.
void ThinLine(const Dc* dc, i32 ax, i32 ay, i32 bx, i32 by, u16 px) {
    i64 x0 = ax, y0 = ay, x1 = bx, y1 = by;
    if (!CutLongSegment(dc, x0, y0, x1, y1)) return;
    const i64 dx = std::llabs(x1 - x0), dy = -std::llabs(y1 - y0);
    const i64 sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    i64 err = dx + dy;
    const i64 w = dc->lock.width, h = dc->lock.height;
    while (x0 != x1 || y0 != y1) {
        if (x0 >= 0 && x0 < w && y0 >= 0 && y0 < h) Row(dc, static_cast<i32>(y0))[x0] = px;
        const i64 e2 = 2 * err;
        if (e2 >= dy) { err += dy; x0 += sx; }
        if (e2 <= dx) { err += dx; y0 += sy; }
    }
}

// ---- wide strokes: the set of pixel centres within width / 2 of the segment ---------------------------
struct Interval {
    double lo = -1e300, hi = 1e300;
    bool empty() const { return lo > hi; }
};

// Keeps the X of the interval where a * X + b lies in [lo, hi].
void Restrict(Interval& iv, double a, double b, double lo, double hi) {
    if (std::fabs(a) < 1e-12) {
        if (b < lo - 1e-9 || b > hi + 1e-9) iv.lo = 1, iv.hi = 0;
        return;
    }
    double x0 = (lo - b) / a, x1 = (hi - b) / a;
    if (x0 > x1) std::swap(x0, x1);
    iv.lo = std::max(iv.lo, x0 - 1e-9);
    iv.hi = std::min(iv.hi, x1 + 1e-9);
}

void WideSegment(const Dc* dc, i32 ax, i32 ay, i32 bx, i32 by, i32 width, u16 px) {
    const double r = width / 2.0;
    const double c = (width & 1) ? 0.5 : 0.0;  // odd widths run through pixel centres
    const double Ax = ax + c, Ay = ay + c, Bx = bx + c, By = by + c;
    const double Dx = Bx - Ax, Dy = By - Ay;
    const double len2 = Dx * Dx + Dy * Dy, len = std::sqrt(len2);
    // The rows the stroke can reach, bounded in floating point first: a wide pen far off the surface
    // reaches beyond the int range.
    const double h = dc->lock.height;
    const i32 top = static_cast<i32>(std::clamp(std::floor(std::min(Ay, By) - r - 1), 0.0, h));
    const i32 bottom = static_cast<i32>(std::clamp(std::ceil(std::max(Ay, By) + r + 1), -1.0, h - 1));
    for (i32 y = top; y <= bottom; ++y) {
        const double Y = y + 0.5;
        double lo = 1e300, hi = -1e300;
        for (const double* P : {&Ax, &Bx}) {  // the round caps
            const double Px = *P, Py = (P == &Ax) ? Ay : By;
            const double d2 = r * r - (Y - Py) * (Y - Py);
            if (d2 >= -1e-9) {
                const double s = std::sqrt(std::max(0.0, d2));
                lo = std::min(lo, Px - s);
                hi = std::max(hi, Px + s);
            }
        }
        if (len2 > 0) {  // the body: within r of the line and between the ends
            Interval iv;
            Restrict(iv, -Dy, Dx * (Y - Ay) + Dy * Ax, -r * len, r * len);
            Restrict(iv, Dx, Dy * (Y - Ay) - Dx * Ax, 0, len2);
            if (!iv.empty()) lo = std::min(lo, iv.lo), hi = std::max(hi, iv.hi);
        }
        if (lo > hi) continue;
        const double fa = std::ceil(lo - 0.5), fb = std::floor(hi - 0.5);
        if (fb < 0 || fa >= dc->lock.width) continue;
        const i32 a = static_cast<i32>(std::max(fa, -1.0)), b = static_cast<i32>(std::min(fb, static_cast<double>(dc->lock.width)));
        if (a <= b) SolidSpan(dc, a, y, b - a + 1, px);
    }
}

void StrokeSegment(const Dc* dc, i32 ax, i32 ay, i32 bx, i32 by) {
    if (dc->pen.style == kPenNull) return;
    const u16 px = ToPixel(dc, dc->pen.color);
    if (dc->pen.width <= 1) ThinLine(dc, ax, ay, bx, by, px);
    else WideSegment(dc, ax, ay, bx, by, dc->pen.width, px);
}

// A run of points joined by the pen; closed joins the last back to the first.
void StrokePath(const Dc* dc, const std::vector<Point>& pts, bool closed) {
    if (pts.size() < 2) return;
    for (size_t i = 0; i + 1 < pts.size(); ++i) StrokeSegment(dc, pts[i].x, pts[i].y, pts[i + 1].x, pts[i + 1].y);
    if (closed) StrokeSegment(dc, pts.back().x, pts.back().y, pts.front().x, pts.front().y);
}

// Draws one line of text with the cell's top-left at (x, y), clipped to `clip`.
void DrawLine(const Dc* dc, i32 x, i32 y, const char* text, i32 len, const ClipBox& clip) {
    const Font* font = CurrentFont(dc);
    i32 cx = 0, cy = 0;
    TextExtent(font, text, len, &cx, &cy);
    // However it is turned, the line stays within its length plus its height of (x, y). Text that cannot
    // reach the clip box is left alone: far off, its pixel positions would pass the int range.
    const i64 reach = static_cast<i64>(cx) + cy + 1;
    if (x + reach < clip.left || x - reach >= clip.right || y + reach < clip.top || y - reach >= clip.bottom) return;
    if (dc->bkMode != kBkTransparent && cx > 0) {
        i32 qx[4], qy[4];
        CellCorners(font, x, y, cx, qx, qy);
        const double xs[4] = {double(qx[0]), double(qx[1]), double(qx[2]), double(qx[3])};
        const double ys[4] = {double(qy[0]), double(qy[1]), double(qy[2]), double(qy[3])};
        SpanTarget t{dc, ToPixel(dc, dc->bkColor)};
        FillPolygonSpans(xs, ys, 4, clip, SolidSpanFn, &t);
    }
    SpanTarget t{dc, ToPixel(dc, dc->textColor)};
    host::TextSpans(font, x, y, text, len, clip, SolidSpanFn, &t);
}

ClipBox Intersect(const ClipBox& a, const ClipBox& b) {
    return ClipBox{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                   std::min(a.bottom, b.bottom)};
}

}  // namespace

// Even-odd fill sampled at pixel centres: pixel (x, y) is inside when (x + 0.5, y + 0.5) is.
void FillPolygonSpans(const double* xs, const double* ys, i32 n, const ClipBox& clip, SpanFn fn, void* user) {
    if (n < 3 || clip.left >= clip.right || clip.top >= clip.bottom) return;
    double minY = ys[0], maxY = ys[0];
    for (i32 i = 1; i < n; ++i) minY = std::min(minY, ys[i]), maxY = std::max(maxY, ys[i]);
    const i32 y0 = static_cast<i32>(std::max<double>(clip.top, std::floor(minY - 0.5)));
    const i32 y1 = static_cast<i32>(std::min<double>(clip.bottom - 1, std::ceil(maxY)));
    std::vector<double> cross;
    for (i32 y = y0; y <= y1; ++y) {
        const double Y = y + 0.5;
        cross.clear();
        for (i32 i = 0; i < n; ++i) {
            const i32 j = (i + 1) % n;
            const double ya = ys[i], yb = ys[j];
            if ((ya <= Y && Y < yb) || (yb <= Y && Y < ya))
                cross.push_back(xs[i] + (Y - ya) * (xs[j] - xs[i]) / (yb - ya));
        }
        std::sort(cross.begin(), cross.end());
        for (size_t k = 0; k + 1 < cross.size(); k += 2) {
            const double fa = std::ceil(cross[k] - 0.5), fb = std::ceil(cross[k + 1] - 0.5);
            const double a = std::max<double>(fa, clip.left), b = std::min<double>(fb, clip.right);
            if (a < b) fn(user, static_cast<i32>(a), y, static_cast<i32>(b - a));
        }
    }
}

Dc* GetDc(Surface* surface) {
    if (!surface || surface->IsLost() || surface->IsLocked()) return nullptr;
    if (backend::Fault("GetDC")) return nullptr;
    auto* dc = new Dc;
    if (surface->Lock(&dc->lock) != kSurfaceOk) {
        delete dc;
        return nullptr;
    }
    dc->surface = surface;
    ++g_liveDcs;
    return dc;
}

void ReleaseDc(Dc* dc) {
    if (!dc) return;
    dc->surface->Unlock();
    delete dc;
    --g_liveDcs;
}

Surface* DcSurface(const Dc* dc) { return dc ? dc->surface : nullptr; }
i32 LiveDcCount() { return g_liveDcs; }

Pen SelectPen(Dc* dc, const Pen& pen) {
    if (!dc) return Pen{};
    Pen old = dc->pen;
    dc->pen = pen;
    return old;
}

Brush SelectBrush(Dc* dc, const Brush& brush) {
    if (!dc) return Brush{};
    Brush old = dc->brush;
    dc->brush = brush;
    return old;
}

Font* SelectFont(Dc* dc, Font* font) {
    if (!dc) return nullptr;
    Font* old = dc->font;
    dc->font = font;
    return old;
}

Font* CurrentFont(const Dc* dc) { return dc && dc->font ? dc->font : StockFont(); }

u32 SetTextColor(Dc* dc, u32 rgb) {
    if (!dc) return 0;
    const u32 old = dc->textColor;
    dc->textColor = rgb;
    return old;
}
u32 SetBkColor(Dc* dc, u32 rgb) {
    if (!dc) return 0;
    const u32 old = dc->bkColor;
    dc->bkColor = rgb;
    return old;
}
i32 SetBkMode(Dc* dc, i32 mode) {
    if (!dc) return 0;
    const i32 old = dc->bkMode;
    if (mode == kBkTransparent || mode == kBkOpaque) dc->bkMode = mode;
    return old;
}
u32 GetTextColor(const Dc* dc) { return dc ? dc->textColor : 0; }
u32 GetBkColor(const Dc* dc) { return dc ? dc->bkColor : 0; }
i32 GetBkMode(const Dc* dc) { return dc ? dc->bkMode : 0; }

void MoveTo(Dc* dc, i32 x, i32 y, Point* old) {
    if (!dc) return;
    if (old) *old = dc->pos;
    dc->pos = Point{x, y};
}

void LineTo(Dc* dc, i32 x, i32 y) {
    if (!dc) return;
    StrokeSegment(dc, dc->pos.x, dc->pos.y, x, y);
    dc->pos = Point{x, y};
}

void Rectangle(Dc* dc, i32 left, i32 top, i32 right, i32 bottom) {
    if (!dc) return;
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    const i64 width = static_cast<i64>(right) - left;  // beyond the int range for the widest rectangles
    if (width < 1 || static_cast<i64>(bottom) - top < 1) return;
    const i32 y0 = std::max(top, 0), y1 = std::min(bottom, dc->lock.height);
    const i32 x0 = std::max(left, 0), x1 = std::min(right, dc->lock.width);
    if (x0 < x1)
        for (i32 y = y0; y < y1; ++y) BrushSpan(dc, x0, y, x1 - x0);
    if (dc->pen.style == kPenNull) return;
    if (dc->pen.width <= 1) {
        const u16 px = ToPixel(dc, dc->pen.color);
        SolidSpan(dc, left, top, width, px);
        SolidSpan(dc, left, bottom - 1, width, px);
        for (i32 y = std::max(top, 0); y < y1; ++y) {
            SolidSpan(dc, left, y, 1, px);
            SolidSpan(dc, right - 1, y, 1, px);
        }
        return;
    }
    StrokePath(dc, {{left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}}, true);
}

void Polygon(Dc* dc, const Point* points, i32 count) {
    if (!dc || !points || count < 2) return;
    std::vector<double> xs(static_cast<size_t>(count)), ys(static_cast<size_t>(count));
    for (i32 i = 0; i < count; ++i) xs[i] = points[i].x, ys[i] = points[i].y;
    FillPolygonSpans(xs.data(), ys.data(), count, SurfaceBox(dc), BrushSpanFn, dc);
    StrokePath(dc, std::vector<Point>(points, points + count), true);
}

void PolyBezier(Dc* dc, const Point* points, i32 count) {
    if (!dc || !points || count < 4 || (count - 1) % 3 != 0) return;
    std::vector<Point> path;
    path.push_back(points[0]);
    for (i32 i = 0; i + 3 < count; i += 3) {
        const double x0 = points[i].x, y0 = points[i].y, x1 = points[i + 1].x, y1 = points[i + 1].y;
        const double x2 = points[i + 2].x, y2 = points[i + 2].y, x3 = points[i + 3].x, y3 = points[i + 3].y;
        const double hull = std::hypot(x1 - x0, y1 - y0) + std::hypot(x2 - x1, y2 - y1) + std::hypot(x3 - x2, y3 - y2);
        const i32 steps = static_cast<i32>(std::clamp(std::ceil(hull / 3.0), 1.0, 4096.0));
        for (i32 k = 1; k <= steps; ++k) {
            const double t = static_cast<double>(k) / steps, u = 1 - t;
            const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
            Point p{static_cast<i32>(std::lround(a * x0 + b * x1 + c * x2 + d * x3)),
                    static_cast<i32>(std::lround(a * y0 + b * y1 + c * y2 + d * y3))};
            if (k == steps) p = points[i + 3];
            if (p.x != path.back().x || p.y != path.back().y) path.push_back(p);
        }
    }
    if (path.size() == 1) path.push_back(path[0]);
    StrokePath(dc, path, false);
}

void InvertRect(Dc* dc, i32 left, i32 top, i32 right, i32 bottom) {
    if (!dc) return;
    const u16 mask = static_cast<u16>(dc->lock.layout.rMask | dc->lock.layout.gMask | dc->lock.layout.bMask);
    const i32 x0 = std::max(left, 0), x1 = std::min(right, dc->lock.width);
    const i32 y0 = std::max(top, 0), y1 = std::min(bottom, dc->lock.height);
    for (i32 y = y0; y < y1; ++y) {
        u16* row = Row(dc, y);
        for (i32 x = x0; x < x1; ++x) row[x] ^= mask;
    }
}

u32 SetPixel(Dc* dc, i32 x, i32 y, u32 rgb) {
    if (!dc || x < 0 || y < 0 || x >= dc->lock.width || y >= dc->lock.height) return kInvalidRgb;
    const u16 px = ToPixel(dc, rgb);
    Row(dc, y)[x] = px;
    return PixelToRgb(dc->lock.layout, px);
}

u32 GetPixel(const Dc* dc, i32 x, i32 y) {
    if (!dc || x < 0 || y < 0 || x >= dc->lock.width || y >= dc->lock.height) return kInvalidRgb;
    return PixelToRgb(dc->lock.layout, Row(dc, y)[x]);
}

void TextOut(Dc* dc, i32 x, i32 y, const char* text, i32 len) {
    if (!dc || !text || len <= 0) return;
    DrawLine(dc, x, y, text, len, SurfaceBox(dc));
}

bool GetTextExtent(const Dc* dc, const char* text, i32 len, i32* cx, i32* cy) {
    if (!dc) return false;
    TextExtent(CurrentFont(dc), text, std::max(len, 0), cx, cy);
    return true;
}

bool GetTextMetrics(const Dc* dc, FontMetrics* out) {
    if (!dc || !out) return false;
    *out = GetFontMetrics(CurrentFont(dc));
    return true;
}

i32 DrawText(Dc* dc, const char* text, i32 len, Rect* rect, u32 flags) {
    if (!dc || !text || !rect) return 0;
    if (len < 0) len = static_cast<i32>(std::strlen(text));
    std::string s(text, static_cast<size_t>(len));
    if (!(flags & kDtNoPrefix)) {  // '&' marks a mnemonic and is not shown; "&&" shows one '&'
        std::string t;
        for (size_t i = 0; i < s.size(); ++i) {
            if (s[i] == '&' && i + 1 < s.size()) { t += s[++i]; continue; }
            if (s[i] == '&') continue;
            t += s[i];
        }
        s.swap(t);
    }
    const Font* font = CurrentFont(dc);
    const i32 cell = GetFontMetrics(font).height;
    // Positions are worked out in 64 bits: a rectangle may span the whole int range.
    auto toInt = [](i64 v) { return static_cast<i32>(std::clamp<i64>(v, INT32_MIN, INT32_MAX)); };
    const i64 boxWidth = static_cast<i64>(rect->right) - rect->left;
    const auto lines = LayoutText(font, s.data(), static_cast<i32>(s.size()), toInt(boxWidth), (flags & kDtWordBreak) != 0);
    const i32 height = toInt(static_cast<i64>(lines.size()) * cell);
    if (flags & kDtCalcRect) {
        i32 widest = 0;
        for (const auto& l : lines) widest = std::max(widest, l.width);
        if (lines.size() <= 1 || widest > boxWidth) rect->right = toInt(static_cast<i64>(rect->left) + widest);
        rect->bottom = toInt(static_cast<i64>(rect->top) + height);
        return height;
    }
    ClipBox clip = SurfaceBox(dc);
    if (!(flags & kDtNoClip)) clip = Intersect(clip, ClipBox{rect->left, rect->top, rect->right, rect->bottom});
    i64 y = rect->top;
    for (const auto& l : lines) {
        i64 x = rect->left;
        if (flags & kDtCenter) x = rect->left + (boxWidth - l.width) / 2;
        else if (flags & kDtRight) x = static_cast<i64>(rect->right) - l.width;
        if (l.length > 0) DrawLine(dc, toInt(x), toInt(y), s.data() + l.start, l.length, clip);
        y += cell;
    }
    return height;
}

}  // namespace host
