// Software table blends against hand-worked pixels, on 5-6-5 and 5-5-5 back buffers.
#include <cmath>

#include "draw_soft_fixture.h"
#include "el/draw/soft.h"

namespace {

class SoftBlend : public kt::SoftDraw, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        five55 = GetParam();
        SoftDraw::SetUp();
    }
    // A 2 x 1 sheet: pixel 0 is the value given, pixel 1 is 0 (transparent).
    i32 OnePixel(u16 p) { return Sheet(2, 1, {p, 0}); }
};

TEST_P(SoftBlend, AddSaturatesEachChannelAndLeavesZeroTransparent) {
    const u16 under = Rgb5(20, 3, 31);
    FillBack(under);
    const i32 sheet = OnePixel(Rgb5(20, 5, 1));
    EXPECT_EQ(elDraw::PutAdd(10, 10, sheet, 0, 0, 2, 1), 1);
    EXPECT_EQ(Back(10, 10), Rgb5(31, 8, 31)) << "20+20 saturates, 3+5, 31+1 saturates";
    EXPECT_EQ(Back(11, 10), under) << "source 0 writes nothing";

    // The value 1 (blue 1) is drawn by every member.
    FillBack(0);
    const i32 one = OnePixel(1);
    elDraw::PutAdd(0, 0, one, 0, 0, 1, 1);
    EXPECT_EQ(Back(0, 0), Rgb5(0, 0, 1));
    elDraw::PutGray(1, 0, one, 0, 0, 1, 1);
    EXPECT_EQ(Back(1, 0), Rgb5(0, 0, 0)) << "grey of (0,0,1) is 0, but the pixel was written";
    elDraw::PutMask(2, 0, 0, 0, 1, one, 0, 0, 1, 1);
    EXPECT_EQ(Back(2, 0), 1);
}

// Only 5-6-5 has a sixth green bit to drop.
using SoftBlend565 = kt::SoftDraw;

TEST_F(SoftBlend565, TableWritesDropTheLowGreenBit) {
    FillBack(0x07E0);  // green 63
    elDraw::PutAdd(0, 0, Sheet(2, 1, {Rgb5(0, 0, 1), 0}), 0, 0, 1, 1);
    EXPECT_EQ(Back(0, 0), 0x07C0 | 1) << "green 63 comes back as 62";
}

TEST_P(SoftBlend, AlphaIsASubtractiveDissolve) {
    const u16 white = Rgb5(31, 31, 31), grey = Rgb5(10, 10, 10);
    FillBack(white);
    const i32 w = OnePixel(white), g = OnePixel(grey);
    elDraw::PutAlpha(0, 0, 16, w, 0, 0, 1, 1);
    EXPECT_EQ(Back(0, 0), white) << "16 + 15";
    FillBack(grey);
    elDraw::PutAlpha(0, 0, 16, g, 0, 0, 1, 1);
    EXPECT_EQ(Back(0, 0), 0);
    FillBack(Rgb5(3, 4, 5));
    elDraw::PutAlpha(0, 0, 31, g, 0, 0, 1, 1);
    EXPECT_EQ(Back(0, 0), grey) << "level 31 draws the source";
    elDraw::PutAlpha(1, 0, 0, g, 0, 0, 1, 1);
    EXPECT_EQ(Back(1, 0), Rgb5(3, 4, 5)) << "level 0 leaves the destination";
    elDraw::PutAlpha(2, 0, 99, g, 0, 0, 1, 1);
    EXPECT_EQ(Back(2, 0), grey) << "levels are clamped to 0..31";
    elDraw::PutAlpha(3, 0, -7, g, 0, 0, 1, 1);
    EXPECT_EQ(Back(3, 0), Rgb5(3, 4, 5));
}

TEST_P(SoftBlend, SubtractDarkenAndGreyFollowTheirTables) {
    FillBack(Rgb5(20, 10, 5));
    const i32 s = OnePixel(Rgb5(7, 31, 31));
    elDraw::PutShadow(0, 0, s, 0, 0, 1, 1);
    EXPECT_EQ(Back(0, 0), Rgb5(13, 3, 0)) << "every channel minus the source's red";
    elDraw::PutDarken(1, 0, 21, s, 0, 0, 1, 1);
    EXPECT_EQ(Back(1, 0), Rgb5(0, 21, 21)) << "source minus 10, destination not read";
    elDraw::PutDarkenRGB(2, 0, 31, 0, 30, s, 0, 0, 1, 1);
    EXPECT_EQ(Back(2, 0), Rgb5(7, 0, 30));
    elDraw::PutGray(3, 0, s, 0, 0, 1, 1);
    EXPECT_EQ(Back(3, 0), Rgb5(23, 23, 23)) << "(7 + 31 + 31) / 3";
    elDraw::PutAddLevel(4, 0, 0.0f, s, 0, 0, 1, 1);
    EXPECT_EQ(Back(4, 0), Rgb5(20, 10, 5)) << "level 0.0 adds nothing";
    elDraw::PutAddLevel(5, 0, NAN, s, 0, 0, 1, 1);
    EXPECT_EQ(Back(5, 0), Rgb5(20, 10, 5));
}

TEST_P(SoftBlend, BrightKeepsItsOverflowAndMaskKeepsChannels) {
    FillBack(0);
    const i32 s = OnePixel(static_cast<u16>((20u << PixelFormat.rShift) | 1));
    elDraw::PutBright(0, 0, 2.0f, s, 0, 0, 1, 1);
    // 40 at the red shift: the top bit falls out of the pixel, 8 stays in the red field.
    EXPECT_EQ(Back(0, 0), static_cast<u16>((40u << PixelFormat.rShift) | 2));
    EXPECT_EQ((Back(0, 0) & PixelFormat.rMask) >> PixelFormat.rShift, 8u);
    elDraw::PutMask(1, 0, 0, 0, 0, s, 0, 0, 1, 1);
    EXPECT_EQ(Back(1, 0), 0);
    BackBuffer->PutPixelAt(1, 0, 0x1234);
    elDraw::PutMask(1, 0, 0, 0, 0, OnePixel(0), 0, 0, 1, 1);
    EXPECT_EQ(Back(1, 0), 0x1234) << "a zero source still writes nothing";
}

TEST_P(SoftBlend, ClipsEveryEdgeAndStillLocksForAZeroWidth) {
    FillBack(0);
    std::vector<u16> px(16);
    for (i32 i = 0; i < 16; ++i) px[static_cast<size_t>(i)] = Rgb5(static_cast<u32>(i + 1), 0, 0);
    const i32 s = Sheet(4, 4, px);
    elDraw::SetClip(10, 10, 20, 20);
    const i32 asks = host::headless::FaultCount("LockSurface");
    EXPECT_EQ(elDraw::PutAdd(20, 12, s, 0, 0, 4, 4), 1);
    EXPECT_EQ(host::headless::FaultCount("LockSurface"), asks + 2) << "width 0 still locks both surfaces";
    EXPECT_EQ(elDraw::PutAdd(21, 12, s, 0, 0, 4, 4), 1);
    EXPECT_EQ(host::headless::FaultCount("LockSurface"), asks + 2) << "wholly right: no lock";
    // Overhanging the left and top edges: drawn from the clip edge, the source shifted alike.
    elDraw::PutAdd(8, 9, s, 0, 0, 4, 4);
    EXPECT_EQ(Back(10, 10), px[1 * 4 + 2]);
    EXPECT_EQ(Back(11, 12), px[3 * 4 + 3]);
    EXPECT_EQ(Back(9, 10), 0);
    EXPECT_EQ(Back(10, 9), 0);
    // A ClipRect reaching past the screen is cut to it; a source reaching past the sheet is cut too.
    elDraw::SetClip(-100, -100, 1000, 1000);
    EXPECT_EQ(elDraw::PutAdd(screenW - 5, screenH - 5, s, -3, -3, 40, 40), 1);
    EXPECT_EQ(Back(screenW - 2, screenH - 2), px[0]);
    EXPECT_EQ(Back(screenW - 1, screenH - 1), px[5]);
    EXPECT_EQ(Back(screenW - 3, screenH - 3), 0);
}

TEST_P(SoftBlend, FailedLocksAndEmptySlotsReturnZero) {
    const i32 s = OnePixel(Rgb5(1, 1, 1));
    host::headless::FailNext("LockSurface");
    EXPECT_EQ(elDraw::PutAdd(0, 0, s, 0, 0, 1, 1), 0);
    host::headless::FailAfter("LockSurface", 1);  // the sheet locks, the back buffer does not
    EXPECT_EQ(elDraw::PutGlow(0, 0, 0, 0, 0, 255, 1, s, 0, 0, 1, 1), 0);
    EXPECT_FALSE(Surf(s)->IsLocked());
    EXPECT_FALSE(BackBuffer->IsLocked());
    EXPECT_EQ(elDraw::PutAdd(0, 0, 300, 0, 0, 1, 1), 0) << "a slot without a picture";
    EXPECT_EQ(elDraw::PutAlpha(0, 0, 5, -1, 0, 0, 1, 1), 0);
}

TEST_P(SoftBlend, AlphaGradientStepsOncePerPeriodAfterItsStart) {
    const u16 white = Rgb5(31, 31, 31);
    std::vector<u16> px(1 * 24, white);
    const i32 s = Sheet(1, 24, px);
    FillBack(0);
    elDraw::PutAlphaGradient(0, 0, 1, 1, 1, 1, 10, 4, s, 0, 0, 1, 24);
    auto red = [&](i32 y) { return PixelDecodeTable[Back(0, y)][0]; };
    for (i32 y = 0; y <= 13; ++y) EXPECT_EQ(red(y), 1) << y;
    for (i32 y = 14; y <= 17; ++y) EXPECT_EQ(red(y), 2) << y;
    EXPECT_EQ(red(18), 3);
    elDraw::PutAlphaGradient(1, 0, 31, 31, 31, 1, 0, 1, s, 0, 0, 1, 24);
    EXPECT_EQ(PixelDecodeTable[Back(1, 23)][0], 31);
}

TEST_P(SoftBlend, SmoothAveragesWithTheBackgroundAndBoxBlurStaysInBounds) {
    FillBack(Rgb5(10, 10, 10));
    const i32 lone = Sheet(3, 3, {0, 0, 0, 0, Rgb5(30, 30, 30), 0, 0, 0, 0});
    elDraw::PutSmooth(5, 5, lone, 0, 0, 3, 3);
    EXPECT_EQ(Back(6, 6), Rgb5(14, 14, 14)) << "(30 + 4 * 10) / 5";
    EXPECT_EQ(Back(5, 5), Rgb5(10, 10, 10));
    const i32 solid = Sheet(3, 3, std::vector<u16>(9, Rgb5(30, 0, 3)));
    elDraw::PutSmooth(20, 20, solid, 0, 0, 3, 3);
    EXPECT_EQ(Back(21, 21), Rgb5(30, 0, 3)) << "inside a solid area: copied";
    elDraw::PutBoxBlur(30, 30, 1000, solid, 0, 0, 3, 3);  // n is cut to the area
    EXPECT_EQ(Back(31, 31), Rgb5(30, 0, 3));
    elDraw::PutBoxBlur(40, 30, -4, lone, 0, 0, 3, 3);
    EXPECT_EQ(Back(41, 31), Rgb5(30, 30, 30)) << "n below 1 is 1: a copy";
    elDraw::PutBoxBlur(50, 30, 3, lone, 0, 0, 3, 3);
    EXPECT_EQ(Back(51, 31), Rgb5(3, 3, 3)) << "30 / 9, zeros counted as black";
}

TEST_P(SoftBlend, GlowDrawsDimmingRaysCutAtTheClip) {
    FillBack(0);
    GlowNoiseIndex = 0;
    for (i32 i = 0; i < 10000; ++i) NoiseTable[i] = 0;
    const i32 s = OnePixel(Rgb5(31, 31, 31));
    elDraw::SetClip(0, 0, 45, screenH);
    elDraw::PutGlow(30, 20, 0, 0, 0, 24, 0, s, 0, 0, 1, 1);
    EXPECT_EQ(GlowNoiseIndex, 1);
    // Steps k = 0..29: the colour is 30 - k, added at column 30 - k and 30 + k of the pixel's row.
    EXPECT_EQ(Back(30, 20), Rgb5(31, 31, 31)) << "30 + 30, saturated";
    EXPECT_EQ(Back(10, 20), Rgb5(10, 10, 10));
    EXPECT_EQ(Back(1, 20), Rgb5(1, 1, 1));
    EXPECT_EQ(Back(0, 20), 0);
    EXPECT_EQ(Back(44, 20), Rgb5(16, 16, 16));
    EXPECT_EQ(Back(45, 20), 0) << "cut at the clip's right edge";
    EXPECT_EQ(Back(30, 19), 0);
}

INSTANTIATE_TEST_SUITE_P(Layouts, SoftBlend, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Rgb555" : "Rgb565"; });

}  // namespace
