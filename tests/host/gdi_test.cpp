// The device-context drawing layer: GDI's pixel rules on the 16-bit surfaces.
#include <gtest/gtest.h>

#include <vector>

#include "host/gdi.h"
#include "host/headless/headless.h"
#include "host/surface.h"
#include "support/headless_machine.h"

namespace {

constexpr u32 kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF;

class Gdi : public kt::Headless {
protected:
    void TearDown() override {
        if (dc) host::ReleaseDc(dc);
        host::ReleaseSurface(s);
        EXPECT_EQ(host::LiveDcCount(), 0);
    }
    void Make(i32 w, i32 h) {
        s = host::CreateSurface(w, h);
        ASSERT_NE(s, nullptr);
        dc = host::GetDc(s);
        ASSERT_NE(dc, nullptr);
    }
    u16 Px(u32 rgb) const { return host::RgbToPixel(s->Layout(), rgb); }
    bool Is(i32 x, i32 y, u32 rgb) const { return s->PixelAt(x, y) == Px(rgb); }
    i32 Count(u32 rgb) const {
        i32 n = 0;
        for (i32 y = 0; y < s->Height(); ++y)
            for (i32 x = 0; x < s->Width(); ++x) n += Is(x, y, rgb);
        return n;
    }
    void Pen(u32 colour, i32 width) { host::SelectPen(dc, host::Pen{host::kPenSolid, width, colour}); }

    host::Surface* s = nullptr;
    host::Dc* dc = nullptr;
};

TEST_F(Gdi, ContextCountsAsALockAndCallsWithoutOneDoNothing) {
    Make(16, 16);
    EXPECT_TRUE(s->IsLocked());
    EXPECT_EQ(host::GetDc(s), nullptr) << "one context per surface";
    host::Surface* other = host::CreateSurface(16, 16);
    EXPECT_EQ(host::CopyRect(s, 0, 0, other, host::Rect{0, 0, 4, 4}, false), host::kSurfaceBusy);
    host::ReleaseDc(dc);
    dc = nullptr;
    EXPECT_FALSE(s->IsLocked());
    EXPECT_EQ(host::CopyRect(s, 0, 0, other, host::Rect{0, 0, 4, 4}, false), host::kSurfaceOk);

    host::headless::FailNext("GetDC");
    host::Dc* none = host::GetDc(other);
    EXPECT_EQ(none, nullptr);
    host::MoveTo(none, 0, 0);
    host::LineTo(none, 10, 10);
    host::Rectangle(none, 0, 0, 5, 5);
    host::InvertRect(none, 0, 0, 5, 5);
    host::TextOut(none, 0, 0, "A", 1);
    EXPECT_EQ(host::SetPixel(none, 1, 1, kWhite), host::kInvalidRgb);
    EXPECT_EQ(host::GetPixel(none, 1, 1), host::kInvalidRgb);
    host::ReleaseDc(none);
    for (i32 y = 0; y < 16; ++y)
        for (i32 x = 0; x < 16; ++x) ASSERT_EQ(other->PixelAt(x, y), 0);
    host::ReleaseSurface(other);
}

TEST_F(Gdi, LinesLeaveOutTheirEndPixel) {
    Make(32, 32);
    Pen(kRed, 1);
    host::MoveTo(dc, 2, 3);
    host::LineTo(dc, 10, 3);
    for (i32 x = 2; x < 10; ++x) EXPECT_TRUE(Is(x, 3, kRed)) << x;
    EXPECT_FALSE(Is(10, 3, kRed));
    EXPECT_EQ(Count(kRed), 8);

    Pen(kGreen, 0);  // width 0 is one pixel too
    host::MoveTo(dc, 20, 20);
    host::LineTo(dc, 14, 14);
    for (i32 i = 0; i < 6; ++i) EXPECT_TRUE(Is(20 - i, 20 - i, kGreen)) << i;
    EXPECT_FALSE(Is(14, 14, kGreen));
    EXPECT_EQ(Count(kGreen), 6);

    host::MoveTo(dc, 5, 5);
    host::LineTo(dc, 5, 5);  // a line to its own start draws nothing
    EXPECT_EQ(Count(kGreen), 6);
}

TEST_F(Gdi, LinesClipToTheSurfaceWhateverTheirLength) {
    Make(20, 10);
    Pen(kWhite, 1);
    host::MoveTo(dc, -1000000000, 5);
    host::LineTo(dc, 1000000000, 5);
    for (i32 x = 0; x < 20; ++x) EXPECT_TRUE(Is(x, 5, kWhite)) << x;
    EXPECT_EQ(Count(kWhite), 20);
    host::MoveTo(dc, -2000000000, -2000000000);
    host::LineTo(dc, 2000000000, 2000000000);  // passes the corner diagonal
    EXPECT_TRUE(Is(3, 3, kWhite));
    Pen(kRed, 7);
    host::MoveTo(dc, -50, -50);
    host::LineTo(dc, -40, -40);  // wholly outside: nothing, no fault
    EXPECT_EQ(Count(kRed), 0);
}

TEST_F(Gdi, WidePensHaveRoundCapsAndTheirWidth) {
    Make(40, 20);
    Pen(kBlue, 3);
    host::MoveTo(dc, 10, 10);
    host::LineTo(dc, 20, 10);
    for (i32 x = 10; x <= 20; ++x)
        for (i32 y = 9; y <= 11; ++y) EXPECT_TRUE(Is(x, y, kBlue)) << x << "," << y;
    EXPECT_FALSE(Is(15, 8, kBlue));
    EXPECT_FALSE(Is(15, 12, kBlue));
    // Round caps reach past both ends, but not their corners.
    EXPECT_TRUE(Is(9, 10, kBlue));
    EXPECT_TRUE(Is(21, 10, kBlue));
    EXPECT_FALSE(Is(8, 10, kBlue));
    Pen(kGreen, 2);
    host::MoveTo(dc, 0, 16);
    host::LineTo(dc, 30, 16);
    i32 rows = 0;
    for (i32 y = 12; y < 20; ++y) rows += Is(15, y, kGreen);
    EXPECT_EQ(rows, 2);
    // A pen wider than the int range reaches from far outside: every pixel lies under the stroke.
    Pen(kRed, INT32_MAX);
    host::MoveTo(dc, -2000000000, -2000000000);
    host::LineTo(dc, 2000000000, 2000000000);
    EXPECT_EQ(Count(kRed), 40 * 20);
}

TEST_F(Gdi, RectanglesAreExclusiveAtRightAndBottom) {
    Make(20, 20);
    Pen(kRed, 1);
    host::SelectBrush(dc, host::Brush{host::kBrushSolid, kGreen, 0});
    host::Rectangle(dc, 2, 3, 8, 9);
    for (i32 x = 2; x < 8; ++x) EXPECT_TRUE(Is(x, 3, kRed) && Is(x, 8, kRed)) << x;
    for (i32 y = 3; y < 9; ++y) EXPECT_TRUE(Is(2, y, kRed) && Is(7, y, kRed)) << y;
    EXPECT_EQ(Count(kGreen), 4 * 4);
    EXPECT_EQ(Count(kRed), 20);
    EXPECT_FALSE(Is(8, 5, kRed));
    EXPECT_FALSE(Is(5, 9, kRed));
    // A rectangle hanging off the surface is clipped, not refused.
    host::Rectangle(dc, 15, 15, 40, 40);
    EXPECT_TRUE(Is(15, 19, kRed));
    EXPECT_TRUE(Is(19, 15, kRed));
    EXPECT_TRUE(Is(19, 19, kGreen));
    // Wider than the int range: the outline's top row runs the width of the surface.
    host::Rectangle(dc, -2000000000, 1, 2000000000, 30);
    for (i32 x = 0; x < 20; ++x) EXPECT_TRUE(Is(x, 1, kRed)) << x;
    EXPECT_TRUE(Is(10, 10, kGreen));
}

TEST_F(Gdi, PolygonsFillByTheAlternateRule) {
    Make(40, 40);
    host::SelectPen(dc, host::Pen{host::kPenNull, 1, 0});
    host::SelectBrush(dc, host::Brush{host::kBrushSolid, kWhite, 0});
    const host::Point square[4] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    host::Polygon(dc, square, 4);
    EXPECT_EQ(Count(kWhite), 100) << "pixel centres inside: columns and rows 0..9";
    EXPECT_TRUE(Is(9, 9, kWhite));
    EXPECT_FALSE(Is(10, 5, kWhite));

    // Two overlapping squares in one outline: the overlap is crossed twice and stays empty.
    host::SelectBrush(dc, host::Brush{host::kBrushSolid, kRed, 0});
    const host::Point twice[10] = {{20, 20}, {30, 20}, {30, 30}, {20, 30}, {20, 20},
                                   {25, 25}, {35, 25}, {35, 35}, {25, 35}, {25, 25}};
    host::Polygon(dc, twice, 10);
    EXPECT_TRUE(Is(22, 22, kRed));
    EXPECT_TRUE(Is(32, 32, kRed));
    EXPECT_FALSE(Is(27, 27, kRed));

    // With a pen the outline runs through the vertices, the right and bottom edges included.
    Pen(kBlue, 1);
    host::SelectBrush(dc, host::Brush{host::kBrushHollow, 0, 0});
    const host::Point tri[3] = {{0, 20}, {10, 20}, {0, 30}};
    host::Polygon(dc, tri, 3);
    EXPECT_TRUE(Is(10, 20, kBlue));
    EXPECT_TRUE(Is(0, 30, kBlue));
    EXPECT_FALSE(Is(2, 22, kBlue)) << "hollow brush: no fill";
}

TEST_F(Gdi, HatchIsAlignedToTheContextOriginAndHonoursTheBackgroundMode) {
    Make(48, 24);
    host::SelectPen(dc, host::Pen{host::kPenNull, 1, 0});
    host::SelectBrush(dc, host::Brush{host::kBrushHatched, kRed, host::kHatchDiagCross});
    host::SetBkColor(dc, kBlue);
    host::Rectangle(dc, 3, 5, 19, 21);
    for (i32 y = 5; y < 21; ++y) {
        for (i32 x = 3; x < 19; ++x) {
            const bool line = ((x - y) & 7) == 0 || ((x + y) & 7) == 7;
            ASSERT_TRUE(Is(x, y, line ? kRed : kBlue)) << x << "," << y;
        }
    }
    host::SetBkMode(dc, host::kBkTransparent);
    host::Rectangle(dc, 24, 0, 48, 24);
    for (i32 y = 0; y < 24; ++y) {
        for (i32 x = 24; x < 48; ++x) {
            const bool line = ((x - y) & 7) == 0 || ((x + y) & 7) == 7;
            ASSERT_EQ(s->PixelAt(x, y), line ? Px(kRed) : 0) << x << "," << y;
        }
    }
}

TEST_F(Gdi, BezierNeedsOnePlusThreeNPoints) {
    Make(40, 40);
    Pen(kWhite, 1);
    const host::Point pts[7] = {{0, 5}, {10, 5}, {20, 5}, {30, 5}, {30, 15}, {30, 25}, {30, 35}};
    host::PolyBezier(dc, pts, 5);
    host::PolyBezier(dc, pts, 3);
    host::PolyBezier(dc, pts, 1);
    EXPECT_EQ(Count(kWhite), 0);
    host::PolyBezier(dc, pts, 4);  // a straight run: the line without its end pixel
    for (i32 x = 0; x < 30; ++x) EXPECT_TRUE(Is(x, 5, kWhite)) << x;
    EXPECT_EQ(Count(kWhite), 30);
    host::PolyBezier(dc, pts, 7);
    EXPECT_TRUE(Is(30, 20, kWhite));
    EXPECT_FALSE(Is(30, 35, kWhite));
}

TEST_F(Gdi, InvertTwiceIsTheIdentityOnBothLayouts) {
    for (bool five55 : {false, true}) {
        if (dc) host::ReleaseDc(dc), dc = nullptr;
        host::ReleaseSurface(s);
        host::headless::SetPixelFormat555(five55);
        Make(16, 16);
        for (i32 y = 0; y < 16; ++y)
            for (i32 x = 0; x < 16; ++x) host::SetPixel(dc, x, y, static_cast<u32>(x * 16 | y * 4096 | 0x300000));
        std::vector<u16> before;
        for (i32 y = 0; y < 16; ++y)
            for (i32 x = 0; x < 16; ++x) before.push_back(s->PixelAt(x, y));
        host::InvertRect(dc, -5, 2, 30, 9);
        EXPECT_EQ(s->PixelAt(0, 2), static_cast<u16>(before[2 * 16] ^ (five55 ? 0x7FFF : 0xFFFF)));
        EXPECT_EQ(s->PixelAt(0, 1), before[16]);
        host::InvertRect(dc, -5, 2, 30, 9);
        for (i32 i = 0; i < 256; ++i) ASSERT_EQ(s->PixelAt(i % 16, i / 16), before[static_cast<size_t>(i)]) << i;
    }
}

TEST_F(Gdi, PixelsConvertThroughTheSurfaceLayout) {
    Make(4, 4);
    EXPECT_EQ(host::SetPixel(dc, 1, 1, 0x123456), host::PixelToRgb(s->Layout(), host::RgbToPixel(s->Layout(), 0x123456)));
    EXPECT_EQ(host::GetPixel(dc, 1, 1), host::SetPixel(dc, 2, 2, 0x123456));
    EXPECT_EQ(host::SetPixel(dc, 4, 0, kWhite), host::kInvalidRgb);
    EXPECT_EQ(host::GetPixel(dc, -1, 0), host::kInvalidRgb);
}

}  // namespace
