// Fonts and text on the back buffer: the font calls, the line printer, the face list and the meter.
#include <cstring>
#include <string>

#include "draw_soft_fixture.h"
#include "el/draw/text.h"
#include "host/headless/headless.h"
#include "host/time.h"

namespace {

const char kAiu[] = "\x82\xA0\x82\xA2\x82\xA4";  // あいう

class Text : public kt::TextDraw {
protected:
    u16 Px(u32 rgb) const { return host::RgbToPixel(BackBuffer->Layout(), rgb); }
};

TEST_F(Text, PrintTextDrawsWhiteOnABlueCellBoxAndIgnoresTheClipRect) {
    elDraw::SetClip(150, 90, 160, 95);
    elDraw::PrintText(10, 20, kAiu);
    const u16 white = Px(0xFFFFFF), blue = Px(0x800000);
    i32 whites = 0, left = 1000, right = -1, top = 1000, bottom = -1;
    for (i32 y = 0; y < screenH; ++y)
        for (i32 x = 0; x < screenW; ++x) {
            const u16 p = Back(x, y);
            if (p == 0) continue;
            ASSERT_TRUE(p == white || p == blue) << x << "," << y;
            whites += p == white;
            left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
        }
    EXPECT_GT(whites, 30);
    EXPECT_EQ(left, 10);
    EXPECT_EQ(top, 20);
    EXPECT_EQ(bottom - top + 1, 12) << "the cell height";
    EXPECT_EQ(right - left + 1, 36) << "three full-width characters of 12";
    EXPECT_EQ(CurrentFont, nullptr);
    EXPECT_EQ(TextDC, nullptr);
    EXPECT_FALSE(BackBuffer->IsLocked());
}

TEST_F(Text, FontCallsFillTheDescriptorFromFaceSizeAngleAndWeight) {
    elDraw::SetFont(0, 20, 90, 1, 1, 0);
    EXPECT_STREQ(FontDescBlock->faceName, elDraw::kFaceNames[0]);
    EXPECT_EQ(FontDescBlock->escapement, 900);
    EXPECT_EQ(FontDescBlock->weight, 700);
    EXPECT_EQ(FontDescBlock->height, 20);
    EXPECT_EQ(FontDescBlock->charSet, 128);
    EXPECT_EQ(fontSize, 20);
    EXPECT_TRUE(BackBuffer->IsLocked()) << "the back buffer is held by the font";
    elDraw::SetFont(5, 12, 0, 7, 0, 0);  // a second call releases the first font
    EXPECT_STREQ(FontDescBlock->faceName, elDraw::kFaceNames[0]) << "face 5 keeps the previous name";
    EXPECT_EQ(FontDescBlock->weight, 0);
    EXPECT_EQ(host::LiveFontCount(), 1);
    EXPECT_EQ(host::LiveDcCount(), 1);
    elDraw::ReleaseFont();
    EXPECT_EQ(host::LiveFontCount(), 0);
    EXPECT_FALSE(BackBuffer->IsLocked());

    // Face names are cut to 31 bytes without splitting a double-byte character.
    std::string longName = "x";
    for (int i = 0; i < 20; ++i) longName += "\x82\xA0";
    elDraw::SetFontEx(longName.c_str(), 12, 0, 0, 0, 0);
    EXPECT_EQ(std::strlen(FontDescBlock->faceName), 31u);
    elDraw::SetFontEx(longName.c_str() + 1, 12, 0, 0, 0, 0);
    EXPECT_EQ(std::strlen(FontDescBlock->faceName), 30u);
    elDraw::SetFontEx("DejaVu Sans", 12, 0, 0, 0, 0);
    EXPECT_EQ(FontDescBlock->charSet, 0) << "the character set comes from the font list";
    EXPECT_EQ(host::FontFamily(CurrentFont), "DejaVu Sans");
    elDraw::FreeFontList();
    EXPECT_EQ(CurrentFont, nullptr) << "shutdown gives a held font back";
}

TEST_F(Text, EnumFontsListsFacesWithTheirClass) {
    ASSERT_GT(FontListCount, 0);
    ASSERT_LE(FontListCount, kFontListSize);
    bool gothic = false;
    for (i32 i = 0; i < FontListCount; ++i) {
        if (std::strcmp(FontList[i].faceName, "IPAGothic") == 0) {
            gothic = true;
            EXPECT_EQ(FontList[i].fontClass, 1);
            EXPECT_EQ(FontList[i].charSet, 128);
        }
    }
    EXPECT_TRUE(gothic);
    if (FontListCount < kFontListSize) {
        EXPECT_EQ(FontList[FontListCount].fontClass, -1);
    }
    // A full list stops the enumeration.
    const i32 saved = FontListCount;
    FontListCount = kFontListSize;
    host::FontDesc d;
    EXPECT_EQ(elDraw::EnumFontsCallback(&d, nullptr, 4, 0), 0);
    FontListCount = saved;
    EXPECT_EQ(DrawAtOnce, 1u);
}

TEST_F(Text, PrintTextFCutsLongResultsBetweenCharacters) {
    std::string text(254, 'a');
    text += "\x82\xA0";  // the second byte would be the 256th
    elDraw::PrintTextF(0, 0, "%s", text.c_str());
    EXPECT_EQ(host::LiveFontCount(), 0);
    elDraw::PrintTextF(0, 40, "%d %s", 42, "\x82\xA2");
    EXPECT_NE(Back(1, 41), 0);
}

TEST_F(Text, ShowFpsFollowsTheTwoSecondWindow) {
    StartTime = host::ClockMs();
    FpsMeter = FpsMeterState{0.0f, 0.0f, 999.9f, 0};
    elDraw::ShowFps();  // the first window closes at once with no frames counted
    EXPECT_EQ(FpsMeter.fps, 0.0f);
    EXPECT_FLOAT_EQ(FpsMeter.minimum, 999.9f) << "no non-zero window yet";
    for (int i = 0; i < 119; ++i) {
        host::headless::AdvanceMs(16);
        elDraw::ShowFps();
    }
    EXPECT_EQ(FpsMeter.frames, 120);
    host::headless::AdvanceMs(200);
    elDraw::ShowFps();
    EXPECT_FLOAT_EQ(FpsMeter.fps, 60.0f);
    EXPECT_FLOAT_EQ(FpsMeter.maximum, 60.0f);
    EXPECT_FLOAT_EQ(FpsMeter.minimum, 60.0f);
    EXPECT_EQ(FpsMeter.frames, 1);
    EXPECT_NE(Back(2, 2), 0) << "printed at the top-left";
}

}  // namespace

#include "draw_screen_fixture.h"

namespace {

// Through the real start-up: the font list is made by the screen's set-up and the line printer draws
// on its back buffer; shutdown gives a font still held back.
class TextOnScreen : public kt::ScreenTest {};

TEST_F(TextOnScreen, StartUpListsFontsAndPrintTextDrawsOnTheBackBuffer) {
    Up();
    EXPECT_GT(FontListCount, 0);
    elDraw::SetClip(220, 0, 580, 600);
    elDraw::PrintText(20, 180, "STAFF \x83X\x83^\x83\x62\x83t");  // STAFF スタッフ
    const u16 blue = host::RgbToPixel(BackBuffer->Layout(), 0x800000);
    EXPECT_EQ(BackBuffer->PixelAt(20, 180), blue);
    EXPECT_EQ(BackBuffer->PixelAt(20, 191), blue);
    EXPECT_NE(BackBuffer->PixelAt(20, 192), blue);
    elDraw::SetFont(1, 16, 0, 0, 0, 0);
    EXPECT_TRUE(BackBuffer->IsLocked());
    elSystem::End();
    EXPECT_EQ(CurrentFont, nullptr);
    EXPECT_EQ(host::LiveFontCount(), 0);
}

}  // namespace
