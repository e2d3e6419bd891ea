// The emulated display device: its one driver, the 16-bit mode, and the present with its vertical blank.
#include <gtest/gtest.h>

#include "host/display.h"
#include "host/headless/headless.h"
#include "host/system.h"
#include "support/headless_machine.h"

namespace {

class DisplayTest : public kt::Headless {
protected:
    host::Display* d = nullptr;
    void SetUp() override {
        kt::Headless::SetUp();
        host::SetDesktopBits(32);
        d = host::CreateDisplay(nullptr);
        ASSERT_NE(d, nullptr);
    }
    void TearDown() override {
        host::ReleaseDisplay(d);
        EXPECT_EQ(host::LiveDisplayCount(), 0);
    }
};

i32 CountDrivers(const host::DriverId* id, const char*, const char*, void* ctx) {
    EXPECT_EQ(id, nullptr);
    ++*static_cast<i32*>(ctx);
    return 1;
}

TEST_F(DisplayTest, OneDriverWith3DTextureAndStretch) {
    i32 n = 0;
    EXPECT_EQ(host::EnumerateDisplayDrivers(CountDrivers, &n), host::kDisplayOk);
    EXPECT_EQ(n, 1);
    host::DisplayCaps drv, emu;
    ASSERT_EQ(host::GetDisplayCaps(d, &drv, &emu), host::kDisplayOk);
    EXPECT_TRUE(drv.caps & host::kCaps3D);
    EXPECT_TRUE(drv.surfaceCaps & host::kSurfaceCapsTexture);
    EXPECT_TRUE(drv.caps & host::kCapsBltStretch);
    EXPECT_TRUE(emu.caps & host::kCapsBltStretch);
}

TEST_F(DisplayTest, OnlySixteenBitModesAndTheDesktopFollows) {
    EXPECT_EQ(host::SetDisplayMode(d, 800, 600, 16), host::kDisplayNoExclusive);
    ASSERT_EQ(host::SetCooperativeLevel(d, 1, host::kCoopExclusive | host::kCoopFullScreen), host::kDisplayOk);
    EXPECT_EQ(host::SetDisplayMode(d, 800, 600, 32), host::kDisplayUnsupportedMode);
    EXPECT_EQ(host::DesktopBits(), 32);
    EXPECT_EQ(host::SetDisplayMode(d, 800, 600, 16), host::kDisplayOk);
    EXPECT_EQ(host::DesktopBits(), 16);
    host::Surface* primary = host::CreateDisplaySurface(d, host::kSurfaceCapsPrimary, 1, 1);
    ASSERT_NE(primary, nullptr);
    EXPECT_EQ(primary->Width(), 800);  // the primary surface has the mode's size
    host::ReleaseSurface(primary);
    EXPECT_EQ(host::RestoreDisplayMode(d), host::kDisplayOk);
    EXPECT_EQ(host::DesktopBits(), 32);
}

TEST_F(DisplayTest, PresentHandsOverTheFrameAndWaitsForTheBlankWhenAsked) {
    host::Surface* primary = host::CreateDisplaySurface(d, host::kSurfaceCapsPrimary, 8, 4);
    ASSERT_NE(primary, nullptr);
    primary->PutPixelAt(7, 3, 0xBEEF);
    host::headless::SetClockMicros(1'000'000 / 60 * 10 + 5);
    ASSERT_EQ(host::PresentPrimary(d, primary), host::kDisplayOk);
    const auto& f = host::headless::LastFrame();
    EXPECT_EQ(f.width, 8);
    EXPECT_EQ(f.pixels[3 * 8 + 7], 0xBEEF);  // rows packed, padding dropped
    EXPECT_TRUE(f.rgb565);
    EXPECT_FALSE(f.vsync);
    EXPECT_EQ(host::headless::ClockMicros(), 1'000'000u / 60 * 10 + 5);
    host::WaitForVerticalBlank(d);
    ASSERT_EQ(host::PresentPrimary(d, primary), host::kDisplayOk);
    EXPECT_TRUE(host::headless::LastFrame().vsync);
    EXPECT_EQ(host::headless::ClockMicros(), 1'000'000u / 60 * 11);
    EXPECT_EQ(host::headless::FrameCount(), 2u);
    host::ReleaseSurface(primary);
}

}  // namespace
