// Rotated, scaled and tinted blitters.
#include <cmath>
#include <limits>

#include "draw_soft_fixture.h"
#include "el/draw/rotate.h"

namespace {

class Rotate : public kt::SoftDraw {
protected:
    // An n x n sheet whose every pixel is distinct and non-zero but the one at (0, n - 1).
    i32 Numbered(i32 n) {
        std::vector<u16> px;
        for (i32 i = 0; i < n * n; ++i) px.push_back(static_cast<u16>(i + 1));
        px[static_cast<size_t>((n - 1) * n)] = 0;
        return Sheet(n, n, px);
    }
    u16 Src(i32 slot, i32 x, i32 y) const { return Surf(slot)->PixelAt(x, y); }
};

TEST_F(Rotate, AngleZeroCopiesExactlyAndSkipsTransparentPixels) {
    FillBack(0xAAAA);
    const i32 s = Numbered(7);
    EXPECT_EQ(elDraw::PutRotate(3, 4, 10, 11, 0, s, 0, 0, 7, 7), 1);
    for (i32 y = 0; y < 7; ++y)
        for (i32 x = 0; x < 7; ++x) {
            const u16 want = Src(s, x, y) ? Src(s, x, y) : 0xAAAA;
            ASSERT_EQ(Back(3 + x, 4 + y), want) << x << "," << y;
        }
    EXPECT_EQ(Back(10, 4), 0xAAAA);
}

TEST_F(Rotate, NinetyDegreesTurnsExactlyCounterClockwise) {
    FillBack(0);
    const i32 s = Numbered(5);
    elDraw::PutRotate(0, 0, 5, 5, 90, s, 0, 0, 5, 5);
    // The source's top edge faces left: box (c, r) shows source (4 - r, c).
    for (i32 r = 0; r < 5; ++r)
        for (i32 c = 0; c < 5; ++c) ASSERT_EQ(Back(c, r), Src(s, 4 - r, c)) << c << "," << r;
    elDraw::PutRotate(10, 0, 15, 5, 180, s, 0, 0, 5, 5);
    for (i32 r = 0; r < 5; ++r)
        for (i32 c = 0; c < 5; ++c) ASSERT_EQ(Back(10 + c, r), Src(s, 4 - c, 4 - r)) << c << "," << r;
}

TEST_F(Rotate, AnglesOutsideTheTableWrapIntoIt) {
    const i32 s = Numbered(9);
    auto draw = [&](i32 angle) {
        FillBack(0);
        elDraw::PutRotate(20, 10, 33, 23, angle, s, 0, 0, 9, 9);
        return Snapshot();
    };
    EXPECT_EQ(draw(-30), draw(330));
    EXPECT_EQ(draw(400), draw(40));
    EXPECT_EQ(draw(std::numeric_limits<i32>::min()), draw(((std::numeric_limits<i32>::min() % 360) + 360) % 360));
    EXPECT_NE(draw(40), draw(330));
}

TEST_F(Rotate, ALargerBoxCentresTheSourceAndClipsPerPixel) {
    FillBack(0);
    const i32 s = Sheet(30, 30, std::vector<u16>(900, 0x1234));
    elDraw::PutRotate(0, 0, 40, 40, 0, s, 0, 0, 30, 30);
    EXPECT_EQ(Back(5, 5), 0x1234);
    EXPECT_EQ(Back(34, 34), 0x1234);
    EXPECT_EQ(Back(4, 5), 0);
    EXPECT_EQ(Back(35, 5), 0);
    FillBack(0);
    elDraw::SetClip(10, 0, screenW, screenH);
    elDraw::PutRotate(0, 0, 40, 40, 45, s, 0, 0, 30, 30);
    for (i32 y = 0; y < screenH; ++y)
        for (i32 x = 0; x < 10; ++x) ASSERT_EQ(Back(x, y), 0);
    EXPECT_EQ(Back(20, 20), 0x1234);
}

TEST_F(Rotate, HugeBoxesAndOddArgumentsStaySafe) {
    const i32 s = Numbered(6);
    FillBack(0);
    EXPECT_EQ(elDraw::PutRotate(-2000000000, -2000000000, 2000000000, 2000000000, 33, s, 0, 0, 6, 6), 1);
    EXPECT_EQ(elDraw::PutRotateTile(0, 0, 10, 10, 10, s, 3, 3, 3, 9), 1);
    EXPECT_EQ(elDraw::PutRotateScale(0, 0, 10, 10, 10, 0.0f, s, 0, 0, 6, 6), 1);
    EXPECT_EQ(elDraw::PutRotateScale(0, 0, 10, 10, 10, NAN, s, 0, 0, 6, 6), 1);
    EXPECT_EQ(elDraw::PutRotateScaleTile(0, 0, 10, 10, 10, INFINITY, s, 0, 0, 6, 6), 1);
    EXPECT_EQ(elDraw::PutRotateColor(0, 0, 10, 10, 10, 0.0f, 0.0f, 1, 0, 1, 1, 1, s, 0, 0, 6, 6), 1);
    EXPECT_EQ(Snapshot(), std::vector<u16>(static_cast<size_t>(screenW * screenH), 0)) << "none of these drew";
    EXPECT_EQ(elDraw::PutRotate(0, 0, 10, 10, 10, s, -50, -50, 50, 50), 1) << "source beyond the sheet";
    EXPECT_EQ(elDraw::PutRotateTile(-2000000000, 0, 2000000000, 40, 7, s, 0, 0, 6, 6), 1);
    host::headless::FailNext("LockSurface");
    EXPECT_EQ(elDraw::PutRotate(0, 0, 6, 6, 0, s, 0, 0, 6, 6), 0);
}

TEST_F(Rotate, TilingFillsTheBoxAndScaleOneMatchesThePlainForm) {
    FillBack(0);
    const i32 s = Sheet(3, 3, std::vector<u16>(9, 0x0F0F));
    elDraw::PutRotateTile(4, 4, 24, 24, 17, s, 0, 0, 3, 3);
    for (i32 y = 4; y < 24; ++y)
        for (i32 x = 4; x < 24; ++x) ASSERT_EQ(Back(x, y), 0x0F0F) << x << "," << y;
    EXPECT_EQ(Back(3, 4), 0);

    const i32 n = Numbered(8);
    FillBack(0);
    elDraw::PutRotate(2, 2, 14, 14, 25, n, 0, 0, 8, 8);
    const auto plain = Snapshot();
    FillBack(0);
    elDraw::PutRotateScale(2, 2, 14, 14, 25, 1.0f, n, 0, 0, 8, 8);
    EXPECT_EQ(Snapshot(), plain);
}

TEST_F(Rotate, ColourTintIsNotClamped) {
    FillBack(0);
    const i32 s = Sheet(2, 2, std::vector<u16>(4, Rgb5(20, 4, 0)));
    elDraw::PutRotateColor(0, 0, 2, 2, 0, 1, 0, 1, 0, 2.0f, 0.5f, 3.0f, s, 0, 0, 2, 2);
    const u16 want = static_cast<u16>((40u << PixelFormat.rTableShift) | (2u << PixelFormat.gTableShift));
    EXPECT_EQ(Back(0, 0), want);
    EXPECT_EQ(Back(1, 1), want);
}

// A box is turned into a kept picture at its second draw and copied from it after; the draw that clears
// out a full index notes its box in the emptied index, so that box too is turned at its next draw.
TEST_F(Rotate, ABoxNotedAtAClearOutIsTurnedAtItsNextDraw) {
    const i32 s = Numbered(16);
    i32 k = 0;  // one-pixel boxes, each a source pixel at an angle: every one a box not drawn before
    const auto drawBox = [&](i32 box) {
        const i32 sx = box % 16, sy = box / 16 % 16, angle = box / 256 % 360;
        elDraw::PutRotate(5, 5, 6, 6, angle, s, sx, sy, sx + 1, sy + 1);
    };
    const auto tally = elDraw::RotateKeptTallyNow;

    drawBox(k);
    auto before = tally();
    drawBox(k);
    EXPECT_EQ(tally().turned, before.turned + 1) << "turned at its second draw";
    drawBox(k++);
    EXPECT_EQ(tally().turned, before.turned + 1);
    EXPECT_EQ(tally().copied, before.copied + 2) << "copied from then on";

    for (i32 round = 0; round < 4; ++round) {
        SCOPED_TRACE(round);
        before = tally();
        for (i32 n = 0; n < 20'000 && tally().clearOuts == before.clearOuts; ++n) drawBox(++k);
        ASSERT_EQ(tally().clearOuts, before.clearOuts + 1) << "new boxes never filled the index";
        const elDraw::RotateKeptTally noted = tally();
        drawBox(k);
        EXPECT_EQ(tally().turned, noted.turned + 1) << "the box that cleared the index out was not found again";
        EXPECT_EQ(tally().copied, noted.copied + 1);
    }
}

// The stepping exactly as written, pixel by pixel over the whole box, for comparison.
void ReferenceRotate(i32 left, i32 top, i32 right, i32 bottom, i32 angle, const host::Surface* src, i32 sl, i32 st,
                     i32 sr, i32 sb, std::vector<u16>& out, i32 screenW, i32 screenH) {
    const i32 bw = right - left, bh = bottom - top;
    i32 startX = 0, startY = 0, endX = bw, endY = bh;
    if (left + bw > ClipRect.right) endX = ClipRect.right - left;
    if (top + bh > ClipRect.bottom) endY = ClipRect.bottom - top;
    if (left < ClipRect.left) startX = ClipRect.left - left;
    if (top < ClipRect.top) startY = ClipRect.top - top;
    const i32 sinA = SinTable[angle], cosA = SinTable[angle + 90];
    const i32 hw = bw >> 1, hh = bh >> 1, offX = (bw - (sr - sl)) >> 1, offY = (bh - (sb - st)) >> 1;
    i32 rowU = 360 * hw - hw * cosA + hh * sinA, rowV = 360 * hh - hw * sinA - hh * cosA;
    for (i32 r = 0; r < bh; ++r) {
        i32 u = rowU, v = rowV;
        for (i32 c = 0; c < bw; ++c) {
            const i32 su = u / 360 - offX, sv = v / 360 - offY;
            if (su >= 0 && su < sr - sl && sv >= 0 && sv < sb - st && c >= startX && c < endX && r >= startY &&
                r < endY) {
                const u16 p = src->PixelAt(sl + su, st + sv);
                const i32 x = left + c, y = top + r;
                if (p && x >= 0 && y >= 0 && x < screenW && y < screenH) out[static_cast<size_t>(y * screenW + x)] = p;
            }
            u += cosA;
            v += sinA;
        }
        rowU -= sinA;
        rowV += cosA;
    }
}

TEST_F(Rotate, MatchesTheStepwiseWalkEverywhere) {
    std::vector<u16> px(23 * 17);
    for (size_t i = 0; i < px.size(); ++i) px[i] = (i * 7919) % 5 == 0 ? 0 : static_cast<u16>(i * 31 + 1);
    const i32 s = Sheet(23, 17, px);
    u32 seed = 12345;
    auto next = [&](i32 n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<i32>((seed >> 8) % static_cast<u32>(n));
    };
    for (int round = 0; round < 400; ++round) {
        elDraw::SetClip(next(20), next(20), screenW - next(20), screenH - next(20));
        const i32 left = next(70) - 20, top = next(60) - 20;
        const i32 bw = 1 + next(40), bh = 1 + next(40);
        const i32 sl = next(10), st = next(8), sr = sl + 1 + next(23 - sl), sb = st + 1 + next(17 - st);
        const i32 angle = next(360);
        FillBack(0x4321);
        std::vector<u16> want = Snapshot();
        ReferenceRotate(left, top, left + bw, top + bh, angle, Surf(s), sl, st, sr, sb, want, screenW, screenH);
        elDraw::PutRotate(left, top, left + bw, top + bh, angle, s, sl, st, sr, sb);
        ASSERT_EQ(Snapshot(), want) << "round " << round << " angle " << angle << " box " << bw << "x" << bh;
    }
}

}  // namespace
