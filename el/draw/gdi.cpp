#include "el/draw/gdi.h"

#include <cstdio>
#include <string>
#include <vector>

#include "el/draw/screen.h"
#include "host/files.h"

host::Dc* BackDC = nullptr;

namespace elDraw {

namespace {

// The pen (and brush) of one drawing call, selected for its length and put back after it.
struct Tools {
    host::Dc* dc;
    host::Pen oldPen;
    host::Brush oldBrush;
    Tools(u32 colour, i32 width) : dc(host::GetDc(BackBuffer)) {
        oldPen = host::SelectPen(dc, host::Pen{host::kPenSolid, width, colour});
        oldBrush = host::SelectBrush(dc, host::Brush{});
    }
    ~Tools() {
        host::SelectPen(dc, oldPen);
        host::SelectBrush(dc, oldBrush);
        host::ReleaseDc(dc);
    }
};

std::vector<host::Point> ToPoints(const IntPoint* points, i32 count) {
    std::vector<host::Point> out;
    if (!points || count <= 0) return out;
    out.reserve(static_cast<size_t>(count));
    for (i32 i = 0; i < count; ++i) out.push_back(host::Point{points[i].x, points[i].y});
    return out;
}

void Put16(std::vector<u8>& out, u32 v) {
    out.push_back(static_cast<u8>(v));
    out.push_back(static_cast<u8>(v >> 8));
}
void Put32(std::vector<u8>& out, u32 v) {
    Put16(out, v);
    Put16(out, v >> 16);
}

// How to take one channel of a 16-bit pixel as a 5-bit value (a 6-bit channel loses its lowest bit).
struct Channel5 {
    u32 mask = 0, shift = 0, drop = 0;
    explicit Channel5(u32 m) : mask(m) {
        if (!m) return;
        while (!((m >> shift) & 1)) ++shift;
        drop = (m >> shift) > 31 ? 1 : 0;
    }
    u8 Scaled(u16 p) const { return static_cast<u8>((((p & mask) >> shift) >> drop) << 3); }
};

}  // namespace

void GetBackDC() {
    if (BackDC) return;  // already out: a second context cannot be had
    BackDC = host::GetDc(BackBuffer);
}

void ReleaseBackDC() {
    host::ReleaseDc(BackDC);
    BackDC = nullptr;
}

void Line(i32 x1, i32 y1, i32 x2, i32 y2, u32 colour, i32 width) {
    Tools t(colour, width);
    host::MoveTo(t.dc, x1, y1);
    host::LineTo(t.dc, x2, y2);
}

void Rectangle(i32 left, i32 top, i32 right, i32 bottom, u32 fillColour, u32 penColour, i32 penWidth) {
    Tools t(penColour, penWidth);
    host::SelectBrush(t.dc, host::Brush{host::kBrushSolid, fillColour, 0});
    host::Rectangle(t.dc, left, top, right, bottom);
}

void Polygon(const IntPoint* points, i32 count, u32 colour, u32 backColour, i32 penWidth, i32 fill) {
    Tools t(colour, penWidth);
    if (fill == 0) {
        host::SelectBrush(t.dc, host::Brush{host::kBrushHollow, 0, 0});
    } else {
        host::SelectBrush(t.dc, host::Brush{host::kBrushHatched, colour, host::kHatchDiagCross});
        host::SetBkColor(t.dc, backColour);
        if (fill == 2) host::SetBkMode(t.dc, host::kBkTransparent);
    }
    const auto pts = ToPoints(points, count);
    host::Polygon(t.dc, pts.data(), static_cast<i32>(pts.size()));
}

void PolyBezier(const IntPoint* points, i32 count, u32 colour, i32 width) {
    Tools t(colour, width);
    const auto pts = ToPoints(points, count);
    host::PolyBezier(t.dc, pts.data(), static_cast<i32>(pts.size()));
}

void SetPixel(i32 x, i32 y, u32 colour) {
    host::Dc* dc = host::GetDc(BackBuffer);
    host::SetPixel(dc, x, y, colour);
    host::ReleaseDc(dc);
}

void GetPixel(i32 x, i32 y, i32* red, i32* green, i32* blue) {
    host::Dc* dc = host::GetDc(BackBuffer);
    const u32 v = host::GetPixel(dc, x, y);
    host::ReleaseDc(dc);
    if (red) *red = static_cast<i32>(v & 0xFF);
    if (green) *green = static_cast<i32>((v >> 8) & 0xFF);
    if (blue) *blue = static_cast<i32>((v >> 16) & 0xFF);
}

void InvertRect(i32 left, i32 top, i32 right, i32 bottom) {
    host::Dc* dc = host::GetDc(BackBuffer);
    host::InvertRect(dc, left, top, right, bottom);
    host::ReleaseDc(dc);
}

i32 SaveScreenBmp(const char* fileName, i32 width, i32 height) {
    if (!BackBuffer || !fileName || width <= 0 || height <= 0 || width > BackBuffer->Width() ||
        height > BackBuffer->Height())
        return 0;
    const u32 stride = (static_cast<u32>(width) * 3 + 3) & ~3u;
    host::LockInfo lock;
    if (BackBuffer->Lock(&lock) != host::kSurfaceOk) return 0;
    i32 written = 0;
    if (lock.layout.bitCount == 16) {
        const std::string path = std::string(elSystem::GetModuleDir(0)) + fileName;
        host::FileWriter f(path, "wb", fileName);
        if (f.Opened()) {
            const u32 image = stride * static_cast<u32>(height);
            std::vector<u8> header = {'B', 'M'};
            Put32(header, 58 + image);
            Put16(header, 0);
            Put16(header, 0);
            Put32(header, 58);
            Put32(header, 40);
            Put32(header, static_cast<u32>(width));
            Put32(header, static_cast<u32>(height));
            Put16(header, 1);
            Put16(header, 24);
            Put32(header, 0);
            Put32(header, image);
            Put32(header, 2834);
            Put32(header, 2834);
            Put32(header, 0);
            Put32(header, 0);
            Put32(header, 0);
            f.Put(header.data(), header.size());
            const Channel5 red(lock.layout.rMask), green(lock.layout.gMask), blue(lock.layout.bMask);
            std::vector<u8> row(stride, 0);
            for (i32 y = height - 1; y >= 0; --y) {
                const u16* src = reinterpret_cast<const u16*>(lock.bits + static_cast<std::ptrdiff_t>(y) * lock.pitch);
                for (i32 x = 0; x < width; ++x) {
                    const u16 p = src[x];
                    row[static_cast<size_t>(x) * 3 + 0] = blue.Scaled(p);
                    row[static_cast<size_t>(x) * 3 + 1] = green.Scaled(p);
                    row[static_cast<size_t>(x) * 3 + 2] = red.Scaled(p);
                }
                if (!f.Put(row.data(), stride)) break;
            }
        }
        written = f.Close() ? 1 : 0;
    }
    BackBuffer->Unlock();
    return written;
}

}  // namespace elDraw
