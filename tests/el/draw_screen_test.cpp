// The screen's set-up: tables, pixel format, internal objects, every failure message, shutdown and the
// program's exit after a failed set-up.
#include <cstring>

#include "draw_screen_fixture.h"
#include "game/shell/shell.h"
#include "host/report.h"
#include "support/game_data.h"

namespace {

using kt::ScreenTest;

TEST_F(ScreenTest, SetsUpDisplaySurfacesAndInternalObjects) {
    Up();
    EXPECT_EQ(ErrorFlag, 0u);
    EXPECT_NE(DirectDrawObject, nullptr);
    EXPECT_EQ(HardwareDriverFound, 1u);
    EXPECT_EQ(CanStretch, 1u);
    EXPECT_EQ(host::DesktopBits(), 16);
    EXPECT_EQ(BackBuffer->Width(), 800);
    EXPECT_EQ(PrimarySurface->Height(), 600);
    EXPECT_GT(BackBuffer->Pitch(), 2 * 800);  // the headless backend pads rows
    const char* names[4] = {"\x93\xE0\x95\x94\x97p\x82P", "\x93\xE0\x95\x94\x97p\x82Q", "\x93\xE0\x95\x94\x97p\x82R",
                            "\x93\xE0\x95\x94\x97p\x82S"};
    for (i32 i = 0; i < 4; ++i) {
        const auto& o = ObjectTable[i];
        ASSERT_NE(o.surface, nullptr);
        EXPECT_STREQ(o.name, names[i]);
        EXPECT_EQ(o.width, 800);
        EXPECT_EQ(o.height, 600);
        EXPECT_EQ(o.reloadMem, 2u);
        u16 key = 1;
        EXPECT_EQ(o.surface->GetColorKey(&key), host::kSurfaceOk);
        EXPECT_EQ(key, 0);
    }
    for (i32 i = 4; i < elDraw::kObjectCount; ++i) EXPECT_EQ(ObjectTable[i].surface, nullptr);
    EXPECT_EQ(ClipRect.right, 800);
    EXPECT_EQ(ScreenRect.bottom, 600);
    EXPECT_EQ(ClientRect.right - ClientRect.left, 800);
    EXPECT_TRUE(host::headless::Boxes().empty());
}

TEST_F(ScreenTest, SinTableSpotValues) {
    Up();
    EXPECT_EQ(SinTable[0], 0);
    EXPECT_EQ(SinTable[30], 179);  // the double product falls just below 180
    EXPECT_EQ(SinTable[45], 254);
    EXPECT_EQ(SinTable[90], 360);
    EXPECT_EQ(SinTable[180], 0);
    EXPECT_EQ(SinTable[270], -360);
    EXPECT_EQ(SinTable[359], -6);
    EXPECT_EQ(SinTable[449], SinTable[89]);
}

TEST_F(ScreenTest, PixelFormatAndTablesOn565) {
    Up();
    EXPECT_EQ(PixelFormat.rShift, 11);
    EXPECT_EQ(PixelFormat.gShift, 5);
    EXPECT_EQ(PixelFormat.bShift, 0);
    EXPECT_EQ(PixelFormat.gMax, 63u);
    EXPECT_EQ(PixelFormat.rMax, 31u);
    EXPECT_EQ(PixelFormat.rTableShift, 11);
    EXPECT_EQ(PixelFormat.gTableShift, 6);
    EXPECT_EQ(PixelFormat.bTableShift, 0);
    EXPECT_EQ(PixelFormat.halfMask, 0x7BEFu);
    EXPECT_EQ(PixelFormat.halfMask2, 0x7BEF7BEFu);
    EXPECT_EQ(PixelFormat.rgbMask, 0xFFFFu);
    EXPECT_EQ(TablesBuilt, 1u);

    auto at = [](i32 c, i32 a, i32 s, i32 d) { return c * 32768 + a * 1024 + s * 32 + d; };
    const i32 gts = PixelFormat.gTableShift;
    EXPECT_EQ(AlphaTable[at(0, 0, 20, 7)], 20 << 11);  // level 0 gives s
    EXPECT_EQ(AlphaTable[at(1, 31, 20, 7)], 7 << gts);  // level 31 gives d
    EXPECT_EQ(AlphaTable[at(2, 16, 31, 31)], 31);
    EXPECT_EQ(AddTable[at(2, 0, 20, 20)], 31);  // saturated
    EXPECT_EQ(AddTable[at(1, 5, 20, 3)], 18 << gts);
    EXPECT_EQ(SubTable[2 * 1024 + 5 * 32 + 9], 0);
    EXPECT_EQ(SubTable[0 * 1024 + 9 * 32 + 5], 4 << 11);
    EXPECT_EQ(GreyTable[93], 31);
    EXPECT_EQ(GreyTable[2], 0);
    // The decode table halves the 6-bit green; values that are no pixel of the format stay 0.
    EXPECT_EQ(PixelDecodeTable[0xFFFF][0], 31);
    EXPECT_EQ(PixelDecodeTable[0xFFFF][1], 31);
    EXPECT_EQ(PixelDecodeTable[0x07E0][1], 31);
    EXPECT_EQ(PixelDecodeTable[0x0040][1], 1);
    for (u8 n : NoiseTable) EXPECT_LE(n, 2);
}

class ScreenTest555 : public ScreenTest {
protected:
    void SetUp() override {
        five55 = true;
        ScreenTest::SetUp();
    }
};

TEST_F(ScreenTest555, PixelFormatOn555) {
    Up();
    EXPECT_EQ(PixelFormat.rTableShift, 10);
    EXPECT_EQ(PixelFormat.gTableShift, 5);
    EXPECT_EQ(PixelFormat.bTableShift, 0);
    EXPECT_EQ(PixelFormat.halfMask, 0x3DEFu);
    EXPECT_EQ(PixelFormat.rgbMask, 0x7FFFu);
    EXPECT_EQ(PixelDecodeTable[0x7FFF][1], 31);
    EXPECT_EQ(PixelDecodeTable[0x8000][0], 0);  // the top bit is no part of a 5-5-5 pixel
}

// ---- every failure of the set-up ---------------------------------------------------------------------

struct FailureCase {
    const char* point;
    i32 passes;        // how many asks of the point succeed before it fails
    bool always;       // fail every ask
    const char* message;
    bool windowed;
};

class ScreenFailure : public ScreenTest, public ::testing::WithParamInterface<FailureCase> {
protected:
    void SetUp() override {
        windowed = GetParam().windowed;
        ScreenTest::SetUp();
    }
};

TEST_P(ScreenFailure, ShowsItsMessageSetsTheFlagAndShutsDown) {
    const FailureCase& c = GetParam();
    if (c.always)
        host::headless::FailAlways(c.point);
    else
        host::headless::FailAfter(c.point, c.passes);
    EXPECT_EQ(elDraw::Screen(800, 600, 2), 0);
    ASSERT_EQ(host::headless::Boxes().size(), 1u);
    EXPECT_EQ(host::headless::Boxes()[0].text, BoxText("elDraw::Screen", c.message));
    EXPECT_EQ(host::headless::Boxes()[0].caption, "エラー発生");
    EXPECT_EQ(ErrorFlag, 1u);
    EXPECT_EQ(ScreenSetupFailed, 1u);
    EXPECT_EQ(LibraryDone, 1u);  // shut down at once
    host::headless::ClearFaults();
    // Nothing that follows may crash or draw: everything was released.
    EXPECT_EQ(DirectDrawObject, nullptr);
    EXPECT_EQ(host::LiveSurfaceCount(), 0);
    elDraw::ClearScreen();
    elDraw::PutSprite(0, 0, 4, 0, 0, 16, 16);
    EXPECT_EQ(elDraw::PutHalf(0, 0, 0, 0, 0, 8, 8), 0);
    elDraw::Flip();
    EXPECT_EQ(elDraw::LoadObject("NOFILE.BMP", 1), 0);
    EXPECT_EQ(host::headless::Boxes().size(), 1u);  // no box per later call
}

INSTANTIATE_TEST_SUITE_P(
    EveryStep, ScreenFailure,
    ::testing::Values(
        FailureCase{"CreateDisplay", 0, true, elDraw::msg::kNoDirectDraw, false},
        FailureCase{"SetCooperativeLevel", 0, false, elDraw::msg::kNoFullScreen, false},
        FailureCase{"SetCooperativeLevel", 0, false, elDraw::msg::kNoFullScreen, true},
        FailureCase{"SetDisplayMode", 0, true, elDraw::msg::kNoMode, false},
        FailureCase{"CreatePrimarySurface", 0, false, elDraw::msg::kNoPrimary, false},
        FailureCase{"CreateOffscreenSurface", 0, false, elDraw::msg::kNoBackBuffer, false},
        FailureCase{"CreateClipper", 0, false, elDraw::msg::kNoClipper, true},
        FailureCase{"ClipperSetWindow", 0, false, elDraw::msg::kNoClipperWindow, true},
        FailureCase{"SetClipper", 0, false, elDraw::msg::kNoPrimaryClip, true},
        FailureCase{"CreateOffscreenSurface", 1, false, elDraw::msg::kNoBufferSprite, false},
        FailureCase{"CreateOffscreenSurface", 2, false, elDraw::msg::kNoScreenSprite, false},
        FailureCase{"CreateOffscreenSurface", 3, false, elDraw::msg::kNoFontSprite, false},
        FailureCase{"CreateOffscreenSurface", 4, false, elDraw::msg::kNoFontBufferSprite, false},
        FailureCase{"GetPixelFormat", 0, false, elDraw::msg::kNoPixelFormat, false}));

TEST_F(ScreenTest, EnumerationFailureFallsBackToThePrimaryDriver) {
    host::headless::FailNext("EnumDisplayDrivers");
    Up();
    EXPECT_EQ(HardwareDriverFound, 0u);
    EXPECT_EQ(CanStretch, 1u);  // read from the emulation caps
}

TEST_F(ScreenTest, ZeroChannelMaskIsAFailureNotALoop) {
    host::PixelLayout palette{8, 0, 0, 0};
    host::SetPixelFormatReportOverride(&palette);
    EXPECT_EQ(elDraw::Screen(800, 600, 2), 0);
    EXPECT_EQ(LastBox(), BoxText("elDraw::Screen", elDraw::msg::kNoPixelFormat));
}

TEST_F(ScreenTest, DepthFallsBackToTheAlternates) {
    elDraw::SetScreenBits(32, 24, 16);
    Up();
    EXPECT_EQ(ScreenBits, 16u);
    elSystem::End();
    LibraryDone = 0;
    LibraryEndState = 0;
    elDraw::SetScreenBits(32, 24, 0);
    EXPECT_EQ(elDraw::Screen(800, 600, 2), 0);
    EXPECT_EQ(LastBox(), BoxText("elDraw::Screen", elDraw::msg::kNoMode));
    elDraw::SetScreenBits(16, 0, 0);
}

// A window on a 32-bit desktop keeps that depth in ScreenBits, but its back buffer is 16-bit like the full
// screen's, so the blend tables are built for it; only a back buffer of another depth goes without them.
TEST_F(ScreenTest, WindowedModeKeepsTheDesktopDepthAndBuildsTheBlendTablesForItsBackBuffer) {
    FullScreen = 0;
    TablesBuilt = 0;
    Up();
    EXPECT_EQ(ScreenBits, 32u);
    EXPECT_NE(WindowClipper, nullptr);
    EXPECT_EQ(TablesBuilt, 1u);
    EXPECT_EQ(PixelDecodeTable[0xFFFF][1], 31);       // white's green, halved to five bits
    EXPECT_EQ(AddTable[1 * 32768 + 0 * 1024 + 31 * 32 + 0], 31 << 6);
    EXPECT_EQ(SinTable[90], 360);

    host::PixelLayout wide{32, 0xFF0000, 0xFF00, 0xFF};
    host::SetPixelFormatReportOverride(&wide);
    TablesBuilt = 0;
    Up();
    host::SetPixelFormatReportOverride(nullptr);
    EXPECT_EQ(TablesBuilt, 0u);
    EXPECT_EQ(SinTable[90], 360);  // the sine table is built whatever the depth
    elDraw::SetScreenBits(16, 0, 0);
}

TEST_F(ScreenTest, EndReleasesEverythingOnceAndRestoresTheDesktop) {
    Up();
    const i32 no = elDraw::CreateObject(8, 8, 1);
    ASSERT_EQ(no, 4);
    EXPECT_EQ(elSystem::End(), 1u);
    EXPECT_EQ(host::LiveSurfaceCount(), 0);
    EXPECT_EQ(DirectDrawObject, nullptr);
    EXPECT_EQ(ObjectTable[no].name[0], 0);
    EXPECT_EQ(host::DesktopBits(), 32);
    EXPECT_EQ(elSystem::End(), 1u);  // a second call does nothing
}

TEST_F(ScreenTest, ErrorBoxFlipsToTheDesktopWhileTheDisplayExists) {
    Up();
    const i32 before = host::FlipToGDICount();
    elSystem::Error("elDraw::Test", "x", 0);
    EXPECT_EQ(host::FlipToGDICount(), before + 1);
    EXPECT_EQ(LastBox(), "elDraw::Test : x");
}

TEST_F(ScreenTest, SecondSetUpStartsClean) {
    Up();
    ASSERT_EQ(elDraw::CreateObject(8, 8, 1), 4);
    Up();
    EXPECT_EQ(ObjectTable[4].surface, nullptr);
    EXPECT_EQ(host::LiveDisplayCount(), 1);
    EXPECT_EQ(host::LiveSurfaceCount(), 6);  // primary, back buffer, objects 0..3
}

// The whole program: a failed set-up shows one box and WinMain ends with a non-zero status.
TEST(ScreenProgram, FailedSetUpEndsTheProgramWithAnError) {
    kt::LinkGameData();  // the data is there: only the screen fails
    kt::FreshMachine();
    LibraryDone = 0;  // a fresh program
    ErrorFlag = 0;
    host::headless::FailAlways("CreateDisplay");
    host::ClearFileReports();
    const i32 status = WinMain(nullptr, nullptr, "", 1);
    EXPECT_NE(status, 0);
    ASSERT_FALSE(host::FileReports().empty());
    EXPECT_EQ(host::FileReports()[0], "cannot set up the screen: no display device");
    ASSERT_GE(host::headless::Boxes().size(), 1u);
    // The picture loads that follow say nothing: only the set-up's own box is shown by the screen.
    i32 drawBoxes = 0;
    for (const auto& b : host::headless::Boxes()) drawBoxes += b.text.rfind("elDraw::", 0) == 0 ? 1 : 0;
    EXPECT_EQ(drawBoxes, 1);
    EXPECT_EQ(host::headless::Boxes()[0].text, kt::ScreenTest::BoxText("elDraw::Screen", elDraw::msg::kNoDirectDraw));
    EXPECT_FALSE(host::headless::WindowIsOpen());
}

}  // namespace
