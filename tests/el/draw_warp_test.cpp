// Displacement map, refraction, ripple and streak.
#include <cmath>

#include "draw_soft_fixture.h"
#include "el/draw/warp.h"

namespace {

class Warp : public kt::SoftDraw {
protected:
    i32 Numbered(i32 w, i32 h) {
        std::vector<u16> px;
        for (i32 i = 0; i < w * h; ++i) px.push_back(static_cast<u16>(i + 1));
        return Sheet(w, h, px);
    }
    static WarpEntry Entry(i32 col, i32 row) { return WarpMap[static_cast<size_t>(row * WarpMapWidth + col)]; }
};

TEST_F(Warp, MapRefusesBadSizesAndHasNoDepthAtItsCentre) {
    WarpMapWidth = WarpMapHeight = 0;
    elDraw::MakeWarpMap(0, 256, 10, 10, -1, -1, -1, 0, 0, 0);
    elDraw::MakeWarpMap(256, 256, 641, 480, -1, -1, -1, 0, 0, 0);
    elDraw::MakeWarpMap(256, 256, 10, -3, -1, -1, -1, 0, 0, 0);
    EXPECT_EQ(WarpMapWidth, 0);
    elDraw::MakeWarpMap(64, 256, 9, 9, -1, -1, -1, 0, 0, 0);
    ASSERT_EQ(WarpMapWidth, 9);
    EXPECT_EQ(Entry(4, 4).u, 0);
    EXPECT_EQ(Entry(4, 4).v, 0) << "the centre divides by zero: (0, 0)";
    EXPECT_EQ(Entry(4, 8).u, 16) << "a quarter turn round the centre is a quarter of the texture";
    for (i32 i = 0; i < 81; ++i) {
        ASSERT_LT(WarpMap[i].u, 64);
        ASSERT_LT(WarpMap[i].v, 256);
    }
}

TEST_F(Warp, MetricFourGivesVerticalBandsAndMoveFourWalksTheCentre) {
    elDraw::MakeWarpMap(64, 64, 12, 8, -1, -1, -1, 0, 4, 0);
    for (i32 col = 0; col < 12; ++col)
        for (i32 row = 1; row < 8; ++row) ASSERT_EQ(Entry(col, row).v, Entry(col, 0).v) << col << "," << row;
    elDraw::MakeWarpMap(64, 64, 5, 8, -1, -1, -1, 4, 4, 0);
    for (i32 row = 0; row < 8; ++row) {
        const i32 centre = std::min(row + 1, 5);
        if (centre < 5) {
            EXPECT_EQ(Entry(centre, row).v, 0) << row;
        }
    }
    elDraw::MakeWarpMap(64, 64, 6, 6, -1, -1, -1, 0, 3, 5);  // zero divisors in the wave
    elDraw::MakeWarpMap(64, 64, 6, 6, 0, 0, 1, 2, 6, 3);
}

TEST_F(Warp, PutWarpScrollsAndWrapsTheTexture) {
    const i32 tex = Numbered(8, 8);
    elDraw::MakeWarpMap(8, 8, 4, 4, -1, -1, -1, 0, 0, 0);
    for (i32 r = 0; r < 4; ++r)
        for (i32 c = 0; c < 4; ++c) WarpMap[r * 4 + c] = WarpEntry{static_cast<u16>(c), static_cast<u16>(r)};
    auto texel = [&](i32 u, i32 v) { return Surf(tex)->PixelAt(u, v); };
    EXPECT_EQ(elDraw::PutWarp(10, 10, 0, 0, tex), 1);
    EXPECT_EQ(Back(13, 12), texel(3, 2));
    elDraw::PutWarp(10, 10, 7, 0, tex);
    EXPECT_EQ(Back(13, 12), texel(2, 2)) << "3 + 7 wraps to 2";
    elDraw::PutWarp(10, 10, -1, -9, tex);
    EXPECT_EQ(Back(10, 10), texel(7, 7)) << "negative offsets wrap the right way";
    elDraw::PutWarp(screenW - 2, -2, 0, 0, tex);  // cut to the back buffer
    EXPECT_EQ(Back(screenW - 1, 0), texel(1, 2));
    elDraw::PutWarp(-2, 0, 0, 0, tex);  // cut at the left edge of the first row
    EXPECT_EQ(Back(0, 0), texel(2, 0));
    EXPECT_EQ(Back(1, 3), texel(3, 3));
    const i32 small = Numbered(4, 4);
    FillBack(0);
    EXPECT_EQ(elDraw::PutWarp(0, 0, 0, 0, small), 1);
    EXPECT_EQ(Back(0, 0), 0) << "a texture smaller than the map's draws nothing";
}

TEST_F(Warp, RefractionSamplesBelowByTheRedChannel) {
    for (i32 y = 0; y < screenH; ++y)
        for (i32 x = 0; x < screenW; ++x) BackBuffer->PutPixelAt(x, y, static_cast<u16>(y + 1));
    const i32 mask = Sheet(2, 40, std::vector<u16>(80, Rgb5(31, 0, 0)));
    elDraw::PutRefract(0, 0, 1.0f, mask, 0, 0, 1, 40);
    EXPECT_EQ(Back(0, 0), 32) << "row 0 takes row 31";
    EXPECT_EQ(Back(0, 8), 40);
    EXPECT_EQ(Back(0, 9), 10) << "31 rows would pass the clipped area: the pixel copies itself";
    elDraw::PutRefract(1, 0, 0.0f, mask, 0, 0, 1, 40);
    EXPECT_EQ(Back(1, 0), 1);
}

TEST_F(Warp, RippleOfNothingCopiesAndStreaksRepeatTheirEdge) {
    FillBack(0x7777);
    std::vector<u16> px(36, 0x1111);
    px[7] = 0;
    const i32 s = Sheet(6, 6, px);
    elDraw::PutRipple(5, 5, 0, 3, 0, 1.0f, 0.0f, s, 0, 0, 6, 6);
    EXPECT_EQ(Back(6, 6), 0) << "zero pixels are written too";
    EXPECT_EQ(Back(10, 10), 0x1111);
    EXPECT_EQ(Back(11, 11), 0x7777);

    FillBack(0);
    const i32 n = Numbered(10, 2);
    elDraw::PutStreak(4, 20, 0, 5, n, 0, 0, 10, 2);
    for (i32 c = 0; c <= 5; ++c) EXPECT_EQ(Back(4 + c, 20), Surf(n)->PixelAt(c, 0));
    for (i32 x = 10; x < screenW; ++x) ASSERT_EQ(Back(x, 21), Surf(n)->PixelAt(5, 1)) << x;
    elDraw::PutStreak(4, 30, 1, 60000, n, 0, 0, 10, 2);  // n past the source is cut to it
    EXPECT_EQ(Back(0, 30), Surf(n)->PixelAt(9, 0)) << "the fill reaches the buffer's left edge";
    elDraw::PutStreak(40, 40, 3, 1, n, 0, 0, 10, 2);
    EXPECT_EQ(Back(41, 0), Surf(n)->PixelAt(1, 1)) << "the rows above take source row n";
    EXPECT_EQ(elDraw::PutStreak(0, 0, 9, 1, n, 0, 0, 10, 2), 1);
}

}  // namespace
