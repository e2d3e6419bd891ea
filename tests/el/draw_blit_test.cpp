// Hardware blits and fills under the ClipRect, the software members and the row-built raster effects.
#include <cmath>

#include "draw_screen_fixture.h"

namespace {

class BlitTest : public kt::ScreenTest {
protected:
    void SetUp() override {
        kt::ScreenTest::SetUp();
        Up(64, 48);
        FrameTime = 0.0f;
        RasterEffects = RasterEffectState{0.0f, 1, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
    }
    // A w x h sheet whose every pixel is non-zero and tells its position: 0x0800 * (y + 1) + x + 1.
    static i32 Numbered(i32 w, i32 h) {
        return Picture(w, h, [](i32 x, i32 y) { return N(x, y); });
    }
    static u16 N(i32 x, i32 y) { return static_cast<u16>(0x0800 * (y + 1) + x + 1); }
    // Columns of row y of the back buffer that are not 0.
    static i32 Drawn(i32 y) {
        i32 n = 0;
        for (i32 x = 0; x < BackBuffer->Width(); ++x) n += Back(x, y) != 0 ? 1 : 0;
        return n;
    }
    static i32 DrawnAll() {
        i32 n = 0;
        for (i32 y = 0; y < BackBuffer->Height(); ++y) n += Drawn(y);
        return n;
    }
};

TEST_F(BlitTest, SpriteAtTheClipEdgesIsDrawnWholeOrCut) {
    const i32 no = Numbered(8, 8);
    elDraw::SetClip(10, 5, 40, 30);
    elDraw::PutSprite(40 - 8, 10, no, 0, 0, 8, 8);  // right edge on the exclusive limit: whole
    EXPECT_EQ(Back(39, 10), N(7, 0));
    elDraw::ClearScreen();
    elDraw::PutSprite(40 - 7, 10, no, 0, 0, 8, 8);  // last column cut
    EXPECT_EQ(Back(39, 10), N(6, 0));
    EXPECT_EQ(Back(40, 10), 0);
    elDraw::ClearScreen();
    // Wider than the clip and starting left of it: cut on both sides.
    const i32 wide = Numbered(50, 2);
    elDraw::PutSprite(0, 6, wide, 0, 0, 50, 2);
    EXPECT_EQ(Drawn(6), 30);
    EXPECT_EQ(Back(10, 6), N(10, 0));
    EXPECT_EQ(Back(39, 7), N(39, 1));
    elDraw::ClearScreen();
    elDraw::PutSprite(0, 6, no, 0, 0, 8, 8);  // ends left of the clip
    elDraw::PutSprite(12, 0, no, 0, 0, 8, 5);  // ends above it
    EXPECT_EQ(DrawnAll(), 0);
}

TEST_F(BlitTest, SpritesPartlyOffTheSurfaceAreRefusedWhole) {
    const i32 no = Numbered(8, 8);
    elDraw::SetClip(-100, -100, 1000, 1000);  // a ClipRect larger than the screen
    elDraw::PutSprite(60, 0, no, 0, 0, 8, 8);
    elDraw::PutSprite(-3, 10, no, 0, 0, 8, 8);
    elDraw::PutSprite(0, 0, no, 0, 0, 9, 8);  // source rectangle outside the picture
    EXPECT_EQ(DrawnAll(), 0);
}

TEST_F(BlitTest, KeyedAndUnkeyedCopies) {
    const i32 no = Picture(3, 1, [](i32 x, i32) { return static_cast<u16>(x == 1 ? 0 : 0x1111); });
    elDraw::FillRectColor(0, 0, 64, 48, 0x2222);
    elDraw::PutSprite(0, 0, no, 0, 0, 3, 1);
    EXPECT_EQ(Back(1, 0), 0x2222);
    elDraw::PutSpriteNoKey(0, 1, no, 0, 0, 3, 1);
    EXPECT_EQ(Back(1, 1), 0);
    EXPECT_EQ(Back(0, 1), 0x1111);
}

TEST_F(BlitTest, SpriteToObjectClipsWithTheClipRect) {
    const i32 src = Numbered(8, 8);
    const i32 dst = Picture(16, 16, [](i32, i32) { return u16{0}; });
    elDraw::SetClip(0, 0, 4, 4);
    elDraw::PutSpriteToObject(dst, 0, 0, src, 0, 0, 8, 8);
    EXPECT_EQ(Pix(dst, 3, 3), N(3, 3));
    EXPECT_EQ(Pix(dst, 4, 0), 0);
    elDraw::PutSpriteToObjectNoKey(999, 0, 0, src, 0, 0, 8, 8);  // no such slot: nothing
}

TEST_F(BlitTest, FillsIgnoreTheClipRect) {
    elDraw::SetClip(10, 10, 20, 20);
    elDraw::FillScreen();
    EXPECT_EQ(Back(0, 0), PixelFormat.rgbMask);
    EXPECT_EQ(Back(63, 47), PixelFormat.rgbMask);
    elDraw::FillRectBlack(0, 0, 5, 5);
    EXPECT_EQ(Back(4, 4), 0);
    elDraw::FrameRect(30, 30, 40, 40);
    EXPECT_EQ(Back(30, 35), 0);
    EXPECT_EQ(Back(39, 35), 0);
    EXPECT_EQ(Back(35, 30), 0);
    EXPECT_EQ(Back(35, 39), 0);
    EXPECT_EQ(Back(35, 35), PixelFormat.rgbMask);
    elDraw::FillRect(60, 40, 70, 50);  // reaches off the screen: refused
    EXPECT_EQ(Back(61, 41), PixelFormat.rgbMask);
    elDraw::ClearScreen();
    EXPECT_EQ(DrawnAll(), 0);
    const i32 no = Numbered(4, 4);
    elDraw::ClearObject(no);
    EXPECT_EQ(Pix(no, 3, 3), 0);
}

TEST_F(BlitTest, StretchUsesTheHardwarePathWithoutClipping) {
    const i32 no = Picture(2, 2, [](i32 x, i32 y) { return static_cast<u16>(1 + x + 2 * y); });
    elDraw::SetClip(0, 0, 1, 1);
    elDraw::PutStretch(0, 0, no, 0, 0, 2, 2, 4, 4);
    EXPECT_EQ(Back(3, 3), 4);
    EXPECT_EQ(Back(1, 0), 1);
    // Without stretching hardware: through object 0, then clipped and keyed.
    CanStretch = 0;
    elDraw::ClearScreen();
    elDraw::PutStretchNoKey(0, 0, no, 0, 0, 2, 2, 4, 4);
    EXPECT_EQ(Back(0, 0), 1);
    EXPECT_EQ(Back(1, 0), 0);  // clipped away
    CanStretch = 1;
}

TEST_F(BlitTest, PutHalfBlendsAndKeepsBlackTransparent) {
    const i32 no = Picture(2, 1, [](i32 x, i32) { return static_cast<u16>(x == 0 ? 0 : 0xFFFF); });
    elDraw::FillRectColor(0, 0, 64, 48, 0x1234);
    EXPECT_EQ(elDraw::PutHalf(0, 0, no, 0, 0, 2, 1), 1);
    EXPECT_EQ(Back(0, 0), 0x1234);
    elDraw::FillRectColor(0, 0, 64, 48, 0);
    EXPECT_EQ(elDraw::PutHalf(0, 0, no, 0, 0, 2, 1), 1);
    EXPECT_EQ(Back(1, 0), 0x7BEF);  // each channel half its maximum, truncated
    EXPECT_EQ(elDraw::HalfRect(0, 1, 2, 2, 0xFFFF), 1);
    EXPECT_EQ(Back(0, 1), 0x7BEF);
    host::headless::FailNext("LockSurface");
    EXPECT_EQ(elDraw::PutHalf(0, 0, no, 0, 0, 2, 1), 0);
    EXPECT_FALSE(BackBuffer->IsLocked());
    EXPECT_FALSE(ObjectTable[no].surface->IsLocked());
    host::headless::FailAfter("LockSurface", 1);  // the back buffer's lock fails after the source's
    EXPECT_EQ(elDraw::PutHalf(0, 0, no, 0, 0, 2, 1), 0);
    EXPECT_FALSE(ObjectTable[no].surface->IsLocked());
}

TEST_F(BlitTest, SoftwareMembersNeverReadOutsideThePicture) {
    const i32 no = Numbered(4, 4);
    // Source rectangles reaching past every side of the 4x4 picture: only real pixels are used.
    EXPECT_EQ(elDraw::PutHalf(10, 10, no, -2, -2, 6, 6), 1);
    EXPECT_EQ(Back(12, 12), static_cast<u16>((N(0, 0) >> 1) & 0x7BEF));
    EXPECT_EQ(Back(11, 11), 0);
    EXPECT_EQ(Back(16, 16), 0);
    elDraw::ClearScreen();
    EXPECT_EQ(elDraw::PutMirror(10, 10, 3, no, -2, -2, 6, 6), 1);
    EXPECT_EQ(Back(12, 12), N(3, 3));  // destination x0 + 2 shows source 6 - 1 - 2 = 3
    EXPECT_EQ(Back(11, 11), 0);
    EXPECT_EQ(elDraw::PutAlphaF(0, 0, 1.0f, no, 1000, 1000, 1010, 1010), 1);
    EXPECT_EQ(elDraw::PutAlphaFRGB(0, 0, 1.0f, 1.0f, 1.0f, no, -50, -50, 50, 50), 1);
    // A ClipRect beyond the screen is cut to the screen before any pixel is touched.
    elDraw::SetClip(-1000, -1000, 1000, 1000);
    EXPECT_EQ(elDraw::PutHalf(62, 46, no, 0, 0, 4, 4), 1);
    EXPECT_EQ(elDraw::HalfRect(-5000, -5000, 5000, 5000, 0xFFFF), 1);
}

TEST_F(BlitTest, PutMirrorModesAndClippingKeepTheImage) {
    const i32 no = Numbered(4, 2);
    EXPECT_EQ(elDraw::PutMirror(0, 0, 1, no, 0, 0, 4, 2), 1);
    EXPECT_EQ(Back(0, 0), N(3, 0));
    EXPECT_EQ(Back(3, 1), N(0, 1));
    EXPECT_EQ(elDraw::PutMirror(10, 0, 2, no, 0, 0, 4, 2), 1);
    EXPECT_EQ(Back(10, 0), N(0, 1));
    // Left part clipped: the same columns as unclipped, less the cut ones.
    elDraw::ClearScreen();
    elDraw::SetClip(22, 0, 64, 48);
    EXPECT_EQ(elDraw::PutMirror(20, 0, 1, no, 0, 0, 4, 2), 1);
    EXPECT_EQ(Back(21, 0), 0);
    EXPECT_EQ(Back(22, 0), N(1, 0));
    EXPECT_EQ(Back(23, 0), N(0, 0));
    EXPECT_EQ(elDraw::PutMirror(0, 0, 7, no, 0, 0, 4, 2), 1);  // unknown mode draws nothing
    EXPECT_EQ(Back(0, 0), 0);
}

TEST_F(BlitTest, PutAlphaFClampsEachChannel) {
    const i32 no = Picture(1, 1, [](i32, i32) { return u16{0xFFFF}; });
    elDraw::FillRectColor(0, 0, 4, 4, 0xFFFF);
    EXPECT_EQ(elDraw::PutAlphaF(0, 0, 1.5f, no, 0, 0, 1, 1), 1);  // 31 * 1.5 + 31 * -0.5 = 31
    EXPECT_EQ(Back(0, 0), 0xFFFF);
    elDraw::FillRectColor(0, 0, 4, 4, 0);
    EXPECT_EQ(elDraw::PutAlphaF(0, 0, 3.0f, no, 0, 0, 1, 1), 1);  // 93 clamps to 31
    EXPECT_EQ(Back(0, 0), 0xFFFF);
    EXPECT_EQ(elDraw::PutAlphaFRGB(1, 0, -1.0f, 0.5f, 0.0f, no, 0, 0, 1, 1), 1);  // negative clamps to 0
    EXPECT_EQ(Back(1, 0), static_cast<u16>(31 << 5));  // green 63 * 0.5 = 31
}

TEST_F(BlitTest, RowEffectsRefuseDegenerateSizes) {
    const i32 no = Numbered(8, 8);
    elDraw::PutMosaicV(0, 0, 0, no, 0, 0, 8, 8);
    elDraw::PutMosaicV(0, 0, -3, no, 0, 0, 8, 8);
    elDraw::PutAccordion(0, 0, 1, 10.0f, no, 0, 0, 8, 1);
    elDraw::PutTile(1.0f, 1.0f, no, 0, 0, 0, 8);
    elDraw::PutWaveScroll(0, 0, 2, 0, 1.0f, 1.0f, no, 0, 3, 8, 3);
    elDraw::PutWaveScroll2(0, 10, 2, 0, 1.0f, 1.0f, no, 4, 0, 4, 8);
    EXPECT_EQ(DrawnAll(), 0);
}

TEST_F(BlitTest, MosaicAndScanlines) {
    const i32 no = Numbered(4, 5);
    elDraw::PutMosaicV(0, 0, 2, no, 0, 0, 4, 5);
    EXPECT_EQ(Back(0, 1), N(0, 0));
    EXPECT_EQ(Back(0, 3), N(0, 2));
    EXPECT_EQ(Back(0, 5), N(0, 4));  // the last block is n rows too
    elDraw::ClearScreen();
    elDraw::PutScanlines(0, 0, 1, no, 0, 0, 4, 5);
    EXPECT_EQ(Drawn(0), 0);  // every row but the first
    for (i32 y = 1; y < 5; ++y) EXPECT_EQ(Back(0, y), N(0, y));
}

TEST_F(BlitTest, PhasesWrapFullyAfterALongFrame) {
    const i32 no = Numbered(8, 8);
    FrameTime = 100.0f;  // many periods in one frame
    elDraw::PutWave(10, 10, 2, 0, 37.0f, no, 0, 0, 8, 8, 1);
    EXPECT_GE(RasterEffects.wavePhase, 0.0f);
    EXPECT_LT(RasterEffects.wavePhase, 360.0f);
    elDraw::PutWaveScroll(10, 10, 2, 0, 37.0f, 13.0f, no, 0, 0, 8, 8);
    EXPECT_GE(RasterEffects.waveScroll, 0.0f);
    EXPECT_LT(RasterEffects.waveScroll, 8.0f);
    elDraw::PutTile(-999.0f, 555.0f, no, 0, 0, 8, 8);
    EXPECT_GT(RasterEffects.tileOffsetX, -8.0f);
    EXPECT_LE(RasterEffects.tileOffsetX, 0.0f);
    EXPECT_GT(RasterEffects.tileOffsetY, -8.0f);
    EXPECT_LE(RasterEffects.tileOffsetY, 0.0f);
    elDraw::PutAccordion(10, 10, 0, 77.0f, no, 0, 0, 8, 8);
    EXPECT_GE(RasterEffects.accordionPhase, 0.0f);
    EXPECT_LT(RasterEffects.accordionPhase, 8.0f);
    // The next frame still draws every row in place.
    FrameTime = 0.0f;
    elDraw::ClearScreen();
    elDraw::PutWaveScroll(10, 10, 0, 0, 0.0f, 0.0f, no, 0, 0, 8, 8);
    for (i32 y = 10; y < 18; ++y) EXPECT_EQ(Drawn(y), 8);
}

TEST_F(BlitTest, WaveUsesTheRowAsAngleAndAlternatesAcrossCalls) {
    const i32 no = Numbered(1, 4);
    elDraw::PutWave(20, 0, 10, 0, 0.0f, no, 0, 0, 1, 4, 0);
    for (i32 r = 0; r < 4; ++r) {
        const i32 off = static_cast<i32>(std::sin(r * 6.283185307179586 / 360.0) * 10);
        EXPECT_EQ(Back(20 + off, r), N(0, r));
    }
    // Three rows with alternate: signs +, -, +; the next call starts with -.
    elDraw::PutWave(0, 0, 1, 0, 0.0f, no, 0, 0, 1, 3, 1);
    EXPECT_EQ(RasterEffects.waveSign, -1);
}

}  // namespace
