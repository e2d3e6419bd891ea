// The present, the wipes, the library pause and the clip wipe.
#include <set>

#include "draw_screen_fixture.h"
#include "host/crt.h"

namespace {

class PresentTest : public kt::ScreenTest {
protected:
    void SetUp() override {
        kt::ScreenTest::SetUp();
        Up();
        FrameTime = 0.0f;
        WipeState = WipeRecord{};
        LibraryPause = LibraryPauseRecord{};
        ClipWipe = ClipWipeRecord{};
        VSync = 0;
    }
    // Object 1 holds an old screen whose every pixel tells its row and column; the back buffer is black.
    static void OldScreen() {
        host::Surface* s = ObjectTable[1].surface;
        for (i32 y = 0; y < 600; ++y)
            for (i32 x = 0; x < 800; ++x) s->PutPixelAt(x, y, Old(x, y));
    }
    static u16 Old(i32 x, i32 y) { return static_cast<u16>(1 + (y * 800 + x) % 60000); }
    // The x offset at which row y of the old screen was drawn on the back buffer, or -9999.
    static i32 RowShift(i32 y) {
        for (i32 dx = -40; dx <= 40; ++dx) {
            const i32 x = 100;
            if (Back(x + dx, y) == Old(x, y)) return dx;
        }
        return -9999;
    }
};

TEST_F(PresentTest, FlipPresentsTheBackBuffer) {
    elDraw::FillRectColor(5, 5, 6, 6, 0xABCD);
    elDraw::Flip();
    const auto& f = host::headless::LastFrame();
    ASSERT_EQ(f.width, 800);
    ASSERT_EQ(f.height, 600);
    EXPECT_EQ(f.pixels[5 * 800 + 5], 0xABCD);
    EXPECT_FALSE(f.vsync);
    std::vector<u16> expect(800 * 600);
    for (i32 y = 0; y < 600; ++y)
        for (i32 x = 0; x < 800; ++x) expect[static_cast<size_t>(y * 800 + x)] = Back(x, y);
    host::headless::Frame mine;
    mine.pixels = expect;
    EXPECT_EQ(host::headless::Checksum(f), host::headless::Checksum(mine));
}

TEST_F(PresentTest, AnUnscaledPresentHandsOverTheBackBufferWithoutCopyingIt) {
    for (i32 y = 0; y < 600; ++y)
        for (i32 x = 0; x < 800; ++x) BackBuffer->PutPixelAt(x, y, static_cast<u16>(x * 31 + y * 7));
    elDraw::Flip();
    const auto& f = host::headless::LastFrame();
    ASSERT_EQ(f.pixels.size(), 800u * 600u);
    for (i32 y = 0; y < 600; y += 37)
        for (i32 x = 0; x < 800; x += 13) ASSERT_EQ(f.pixels[static_cast<size_t>(y * 800 + x)], Back(x, y)) << x << "," << y;
    EXPECT_EQ(f.pixels[599 * 800 + 799], Back(799, 599));
    EXPECT_EQ(PrimarySurface->PixelAt(400, 300), 0) << "the picture was shown, not copied into the primary surface";
}

TEST_F(PresentTest, VSyncWaitsForTheNextSixtiethOnlyWhenAsked) {
    host::headless::SetClockMicros(1'000'000);
    elDraw::Flip();
    EXPECT_EQ(host::headless::ClockMicros(), 1'000'000u);
    elDraw::SetVSync(1);
    elDraw::Flip();
    EXPECT_TRUE(host::headless::LastFrame().vsync);
    EXPECT_EQ(host::headless::ClockMicros() % (1'000'000 / 60), 0u);
    EXPECT_GT(host::headless::ClockMicros(), 1'000'000u);
}

TEST_F(PresentTest, LostBackBufferIsRestoredAndTheFrameSkipped) {
    const u64 frames = host::headless::FrameCount();
    host::headless::FailNext("SurfaceLost");
    elDraw::Flip();
    EXPECT_EQ(host::headless::FrameCount(), frames);
    EXPECT_FALSE(BackBuffer->IsLost());
    EXPECT_FALSE(PrimarySurface->IsLost());
    elDraw::Flip();
    EXPECT_EQ(host::headless::FrameCount(), frames + 1);
}

TEST_F(PresentTest, RevealOfKindThreeLastsItsStripAndTearsByMinusOneOrZero) {
    OldScreen();
    elDraw::SetClip(0, 0, 800, 600);
    WipeState = WipeRecord{3, 26, -1, 26};
    elDraw::Flip();
    // First frame: every row not divisible by 26 is torn by -1 or 0; rows divisible by 26 are not drawn.
    std::set<i32> shifts;
    for (i32 y = 1; y < 600; ++y) {
        if (y % 26 == 0) {
            EXPECT_EQ(Back(100, y), 0);
            continue;
        }
        shifts.insert(RowShift(y));
    }
    EXPECT_TRUE(shifts.count(-1));
    EXPECT_TRUE(shifts.count(0));
    EXPECT_EQ(shifts.size(), 2u);
    i32 frames = 1;
    while (WipeState.wipeStep != 0 && frames < 100) {
        elDraw::ClearScreen();
        elDraw::Flip();
        ++frames;
    }
    EXPECT_EQ(frames, 26);
    EXPECT_EQ(WipeState.wipeDir, 0);
}

TEST_F(PresentTest, KindOneAtStepOneDrawsNothingAndAStripOfZeroDrawsNoPattern) {
    OldScreen();
    WipeState = WipeRecord{1, 1, -1, 26};
    elDraw::DrawWipe();
    for (i32 y = 0; y < 600; y += 37) EXPECT_EQ(Back(300, y), 0);
    for (u32 kind = 1; kind <= 12; ++kind) {
        WipeState = WipeRecord{kind, 5, -1, 0};
        elDraw::Flip();  // no division by zero, no endless loop
        EXPECT_EQ(WipeState.wipeStep, 4);
        WipeState.wipeStrip = -3;
        elDraw::Flip();
    }
    EXPECT_EQ(Back(300, 300), 0);
}

TEST_F(PresentTest, TornKindsWithAnEmptyRandomRangeTakeNoOffset) {
    OldScreen();
    // A cover of kind 4 with a strip below the step: the random range 2(S - s) + 2 is not positive.
    WipeState = WipeRecord{4, 9, 1, 3};
    const u32 randBefore = host::RandState();
    elDraw::Flip();
    EXPECT_EQ(host::RandState(), randBefore);
    EXPECT_EQ(Back(100, 0), Old(100, 0));
}

TEST_F(PresentTest, CoverLastsTenFrames) {
    elDraw::StartWipe();
    i32 frames = 0;
    while (WipeState.wipeDir != 0 && frames < 100) {
        elDraw::Flip();
        ++frames;
    }
    EXPECT_EQ(frames, 10);
    elDraw::StartWipeReverse();
    EXPECT_EQ(WipeState.wipeStep, 10);
    EXPECT_EQ(WipeState.wipeDir, -1);
}

TEST_F(PresentTest, SlidePatternsMoveTheOldScreen) {
    OldScreen();
    WipeState = WipeRecord{6, 10, -1, 10};  // slides down: k = 1, by 600 / 10 = 60 rows
    elDraw::Flip();
    EXPECT_EQ(Back(5, 60), Old(5, 0));
    EXPECT_EQ(Back(5, 59), 0);
    elDraw::ClearScreen();
    WipeState = WipeRecord{12, 10, -1, 10};  // eaten from the left: columns 80..800 in place
    elDraw::Flip();
    EXPECT_EQ(Back(79, 3), 0);
    EXPECT_EQ(Back(80, 3), Old(80, 3));
}

TEST_F(PresentTest, CaptureCopiesTheBackBufferToAnObject) {
    elDraw::FillRectColor(10, 10, 11, 11, 0x4321);
    elDraw::CaptureToObject(1, 0, 0, 800, 600);
    EXPECT_EQ(Pix(1, 10, 10), 0x4321);
    elDraw::CaptureToObject(1, 0, 0, 801, 600);  // outside: refused, nothing changes
    elDraw::CaptureToObject(-1, 0, 0, 8, 8);
    EXPECT_EQ(Pix(1, 10, 10), 0x4321);
}

TEST_F(PresentTest, PausePageScrollStaysInsideAndTilesWrap) {
    const i32 page = Picture(360, 100, [](i32, i32 y) { return static_cast<u16>(y + 1); });
    const i32 tile = Picture(64, 48, [](i32, i32) { return u16{7}; });
    elDraw::SetClip(220, 0, 580, 600);
    LibraryPause = LibraryPauseRecord{0, 100, 0.0f, 0.0f, 0.0f, page, tile};
    elSystem::TogglePause();
    ASSERT_EQ(LibraryPause.on, 1u);
    PauseKey = host::kVkRight;
    FrameTime = 5.0f;
    elDraw::Flip();
    // The page is shorter than the clip area: the scroll stays at 0, not at 100 - 600.
    EXPECT_EQ(LibraryPause.scroll, 0.0f);
    EXPECT_GT(LibraryPause.tileX, -64.0f);
    EXPECT_LE(LibraryPause.tileX, 0.0f);
    EXPECT_GT(LibraryPause.tileY, -48.0f);
    PauseKey = host::kVkUp;
    elDraw::Flip();
    EXPECT_EQ(LibraryPause.scroll, 0.0f);
    elSystem::TogglePause();
    EXPECT_EQ(LibraryPause.on, 0u);
    LibraryPause.pageHeight = 0;
    elSystem::TogglePause();
    EXPECT_EQ(LibraryPause.on, 0u);
}

TEST_F(PresentTest, ClipWipeRefusesUnknownKindsAndRunningWipes) {
    elDraw::SetClip(100, 100, 300, 200);
    EXPECT_EQ(elDraw::StartClipWipe(0, 10, 100.0f, 0), 0);
    EXPECT_EQ(elDraw::StartClipWipe(0, -1, 100.0f, 0), 0);
    EXPECT_EQ(ClipWipe.state, 0);
    EXPECT_EQ(ClipRect.right, 300);
    EXPECT_EQ(elDraw::StartClipWipe(0, 7, 100.0f, 0), 1);
    EXPECT_EQ(elDraw::StartClipWipe(1, 1, 100.0f, 0), 0);
    EXPECT_EQ(ClipRect.left, 200);
    EXPECT_EQ(ClipRect.top, 150);
}

TEST_F(PresentTest, EveryClipWipeOpensAndClosesToItsEnd) {
    const IntRect full{100, 100, 300, 200};
    for (i32 kind = 1; kind <= 9; ++kind) {
        for (i32 closing = 0; closing <= 1; ++closing) {
            ClipWipe = ClipWipeRecord{};
            ClipRect = full;
            FrameTime = 1.0f / 60.0f;
            ASSERT_EQ(elDraw::StartClipWipe(closing, kind, 600.0f, 40), 1);
            i32 steps = 0;
            while (elDraw::StepClipWipe() && steps < 1000) ++steps;
            EXPECT_LT(steps, 1000) << kind << " " << closing;
            if (closing == 0) {
                EXPECT_EQ(ClipWipe.opened, 1u);
                EXPECT_EQ(ClipWipe.state, 0);
                EXPECT_EQ(ClipRect.left, full.left);
                EXPECT_EQ(ClipRect.bottom, full.bottom);
            } else {
                EXPECT_EQ(ClipWipe.closed, 1u);
                EXPECT_EQ(ClipWipe.state, -1);
                EXPECT_TRUE(ClipRect.right <= ClipRect.left || ClipRect.bottom <= ClipRect.top) << kind;
                EXPECT_EQ(SavedClipRect.right, full.right);
            }
        }
    }
}

TEST_F(PresentTest, ClipWipeStepTruncatesTheSinglePrecisionProduct) {
    // 0.7f * 10.0f is 7.0f in single precision (6.9999998... in double): the edge moves 7 + 1.
    elDraw::SetClip(100, 100, 300, 200);
    FrameTime = 0.7f;
    ASSERT_EQ(elDraw::StartClipWipe(1, 1, 10.0f, 0), 1);
    EXPECT_EQ(elDraw::StepClipWipe(), 1);
    EXPECT_EQ(ClipRect.top, 108);
    // At least one pixel per step, also with no time passed.
    FrameTime = 0.0f;
    elDraw::StepClipWipe();
    EXPECT_EQ(ClipRect.top, 109);
}

TEST_F(PresentTest, CloseClipWipeHidesEverythingUntilTheNextStart) {
    const i32 no = Picture(4, 4, [](i32, i32) { return u16{9}; });
    elDraw::SetClip(0, 0, 800, 600);
    elDraw::CloseClipWipe();
    elDraw::CloseClipWipe();  // twice: the real rectangle stays saved
    elDraw::PutSprite(10, 10, no, 0, 0, 4, 4);
    EXPECT_EQ(Back(10, 10), 0);
    EXPECT_EQ(elDraw::StepClipWipe(), 0);
    EXPECT_EQ(elDraw::StartClipWipe(1, 1, 10.0f, 0), 1);
    EXPECT_EQ(ClipRect.right, 800);
    elDraw::PutSprite(10, 10, no, 0, 0, 4, 4);
    EXPECT_EQ(Back(10, 10), 9);
}

TEST_F(PresentTest, TileWipeCoversSixHundredFortyByFourEighty) {
    const i32 tiles = Picture(640, 48, [](i32 x, i32) { return static_cast<u16>(1 + x / 64); });
    WipeTileObject = tiles;
    elDraw::SetClip(0, 0, 800, 600);
    WipeState = WipeRecord{0, 3, 1, 0};
    elDraw::DrawWipe();
    EXPECT_EQ(Back(0, 0), 3);
    EXPECT_EQ(Back(639, 479), 3);
    EXPECT_EQ(Back(640, 0), 0);
    EXPECT_EQ(Back(0, 480), 0);
}

}  // namespace
