// Pixel effects on the back buffer.
#include "draw_soft_fixture.h"
#include "el/draw/fx.h"

namespace {

class PixelFx : public kt::SoftDraw {
protected:
    void Pattern() {
        for (i32 y = 0; y < screenH; ++y)
            for (i32 x = 0; x < screenW; ++x)
                BackBuffer->PutPixelAt(x, y, Rgb5(static_cast<u32>(x % 32), static_cast<u32>(y % 32), static_cast<u32>((x + y) % 32)));
    }
};

TEST_F(PixelFx, InPlaceBlurKeepsAUniformAreaButForTheLowGreenBit) {
    FillBack(0xFFFF);
    EXPECT_EQ(elDraw::PixelEffect3(4, 4, 20, 10), 1);
    EXPECT_EQ(Back(10, 8), 0xFFFF & ~(1u << PixelFormat.gShift)) << "white less the sixth green bit";
    EXPECT_EQ(Back(4, 8), 0xFFFF) << "the border rows and columns are not written";
    FillBack(Rgb5(8, 8, 8));
    elDraw::PixelEffect4(1, 0, 0, 4, 4, 3, 3);
    EXPECT_EQ(Back(5, 5), Rgb5(7, 8, 8)) << "the flagged channel fades by one";
    const auto before = Snapshot();
    elDraw::PixelEffect3(0, 0, 2, 40);
    elDraw::PixelEffect3(-5, -5, 3, 3);  // cut to the buffer: too small to change anything
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(PixelFx, RisingBlursStayInsideTheBuffer) {
    Pattern();
    EXPECT_EQ(elDraw::PixelEffect1(0, 0, screenW, screenH), 1);
    EXPECT_EQ(elDraw::PixelEffect2(1, 1, 1, 10, screenH - 10, 100, 100), 1) << "reaching below the buffer";
    EXPECT_EQ(elDraw::PixelEffect1(-1000000, -1000000, 2000000, 2000000), 1);
    // With noise entries of 0 every pixel is a plain copy of the one below: the picture rises a row.
    Pattern();
    for (auto& n : NoiseTable) n = 0;
    PixelEffects.run1 = 0;
    elDraw::PixelEffect1(0, 0, 10, 10);
    EXPECT_EQ(Back(3, 4), Rgb5(3, 5, 8));
}

TEST_F(PixelFx, SparkleAddsAtMostTwoAndCapsTheShift) {
    FillBack(Rgb5(30, 0, 31));
    elDraw::PixelEffect8(0, 0, 0, screenW, screenH);
    for (i32 y = 0; y < screenH; ++y)
        for (i32 x = 0; x < screenW; ++x) {
            u32 r, g, b;
            Decode(Back(x, y), &r, &g, &b);
            ASSERT_LE(r, 31u);
            ASSERT_LE(g, 2u);
            ASSERT_EQ(b, 31u);
            ASSERT_EQ(r == 30 ? g == 0 : r == 31, true);
        }
    FillBack(0);
    elDraw::PixelEffect9(0, 1, 0, 1000, 0, 0, screenW, screenH);  // a shift of 1000 counts as 5
    for (i32 x = 0; x < screenW; ++x) {
        u32 r, g, b;
        Decode(Back(x, 0), &r, &g, &b);
        ASSERT_EQ(r, 0u);
        ASSERT_TRUE(g == 0 || g == 31) << g;
    }
}

TEST_F(PixelFx, MosaicNeedsABlockAndARadius) {
    Pattern();
    const auto before = Snapshot();
    elDraw::PixelEffect7(30, 20, 10, 1);
    elDraw::PixelEffect7(30, 20, 0, 4);
    elDraw::PixelEffect7(30, 20, 10, 0);
    elDraw::PixelEffect7(30, 20, 10, -3);
    EXPECT_EQ(Snapshot(), before);
    elDraw::PixelEffect7(30, 20, 8, 4);
    EXPECT_EQ(Back(27, 17), before[static_cast<size_t>(16 * screenW + 26)]) << "the block's top-left colour";
    EXPECT_EQ(Back(29, 19), before[static_cast<size_t>(16 * screenW + 26)]);
    EXPECT_EQ(Back(23, 12), before[static_cast<size_t>(12 * screenW + 23)]) << "outside the disc: unchanged";
    elDraw::PixelEffect7(screenW - 1, screenH - 1, 50, 7);  // cut at the screen's edges
}

TEST_F(PixelFx, EnlargementsWriteIntoObjectZeroAndDrawBack) {
    Pattern();
    host::Surface* work = Surf(0);
    for (i32 y = 0; y < screenH; ++y)
        for (i32 x = 0; x < screenW; ++x) work->PutPixelAt(x, y, 0x5555);
    const u16 corner = Back(2, 3), next = Back(3, 3);
    EXPECT_EQ(elDraw::PixelEffect5(2, 3, 10, 8, 1), 1);
    EXPECT_EQ(work->PixelAt(0, 0), corner);
    EXPECT_EQ(work->PixelAt(1, 0), corner);
    EXPECT_EQ(work->PixelAt(2, 0), next);
    EXPECT_EQ(work->PixelAt(0, 1), 0x5555) << "scanlines: odd rows keep what object 0 held";
    EXPECT_EQ(Back(3, 3), corner) << "drawn back at the rectangle's corner";
    EXPECT_EQ(elDraw::PixelEffect6(0, 0, screenW, screenH, 0), 1) << "4x of the whole screen is cut to object 0";
    EXPECT_FALSE(work->IsLocked());
    host::headless::FailAfter("LockSurface", 1);
    EXPECT_EQ(elDraw::PixelEffect6(0, 0, 4, 4, 1), 0);
    EXPECT_FALSE(work->IsLocked());
}

}  // namespace
