// Text boxes: wrapping, hanging punctuation, the character record, the reveal and the smoothed form.
#include <string>

#include "draw_soft_fixture.h"
#include "el/draw/text.h"
#include "el/draw/textbox.h"

namespace {

const char kA[] = "\x82\xA0";    // あ
const char kI[] = "\x82\xA2";    // い
const char kU[] = "\x82\xA4";    // う
const char kMaru[] = "\x81\x42";  // 。

class TextBox : public kt::TextDraw {
protected:
    // Lays out `text` in the Gothic face at 12 (full-width 12 pixels, half-width 6).
    void Box(i32 left, i32 top, i32 right, i32 bottom, const std::string& text, u16 style = 0, bool atOnce = true) {
        elDraw::SetFont(1, 12, 0, 0, 0, 0);
        elDraw::SetTextColors(0xFFFFFF, 0x0000FF, 1);
        if (atOnce) elDraw::DrawTextBox(left, top, right, bottom, text.c_str(), style);
        else elDraw::DrawTextBoxDefault(left, top, right, bottom, text.c_str(), style);
        elDraw::ReleaseFont();
    }
    static bool Same(const IntRect& a, const IntRect& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
    i32 Ink(i32 l, i32 t, i32 r, i32 b) const {
        i32 n = 0;
        for (i32 y = t; y < b; ++y)
            for (i32 x = l; x < r; ++x) n += Back(x, y) != 0;
        return n;
    }
};

TEST_F(TextBox, TheRightEdgeIsInclusive) {
    Box(10, 0, 46, 90, std::string(kA) + kI + kU);
    ASSERT_EQ(CharCount, 4);
    EXPECT_TRUE(Same(CharRects[3], IntRect{34, 0, 46, 12}));
    EXPECT_TRUE(Same(CharRects[0], IntRect{10, 0, 46, 12}));
    Box(10, 0, 45, 90, std::string(kA) + kI + kU);
    ASSERT_EQ(CharCount, 4);
    EXPECT_TRUE(Same(CharRects[3], IntRect{10, 12, 22, 24})) << "one pixel less: the next line";
    EXPECT_GT(Ink(10, 12, 22, 24), 0) << "drawn at once on the back buffer";
    EXPECT_FALSE(BackBuffer->IsLocked());
    EXPECT_EQ(host::LiveFontCount(), 0);
}

TEST_F(TextBox, AClosingMarkHangsPastTheEdge) {
    Box(10, 0, 34, 90, std::string(kA) + kI + kMaru + kU);
    ASSERT_EQ(CharCount, 5);
    EXPECT_TRUE(Same(CharRects[3], IntRect{34, 0, 46, 12})) << "drawn and recorded past the edge";
    EXPECT_TRUE(Same(CharRects[4], IntRect{10, 12, 22, 24}));
    EXPECT_GT(Ink(34, 0, 46, 12), 0);
}

TEST_F(TextBox, DoubleByteCharactersAreNeverSplit) {
    Box(10, 0, 22, 90, std::string("a") + kA + "a");
    ASSERT_EQ(CharCount, 4);
    EXPECT_TRUE(Same(CharRects[1], IntRect{10, 0, 16, 12}));
    EXPECT_TRUE(Same(CharRects[2], IntRect{10, 12, 22, 24}));
    EXPECT_TRUE(Same(CharRects[3], IntRect{10, 24, 16, 36}));
    Box(0, 0, 100, 90, std::string("a\x82"));  // a lead byte before the end is a character of its own
    EXPECT_EQ(CharCount, 3);
    Box(0, 0, 5, 90, kA);  // wider than the whole box: no line can hold it, and the layout ends
    EXPECT_EQ(CharCount, 1);
    FillBack(0);
    Box(0, 0, 10, 90, std::string(kA) + "a");
    EXPECT_EQ(CharCount, 1) << "it starts every following line again: what comes after it never shows";
    EXPECT_EQ(Ink(0, 0, 200, 100), 0);
}

TEST_F(TextBox, SmoothedTextStopsAtACharacterWiderThanTheBox) {
    elDraw::SetFontOnDC(1, 12);
    elDraw::SetTextColors(0xFFFFFF, 0, 1);
    elDraw::DrawTextStyled(10, 10, 20, 90, (std::string(kA) + "a").c_str(), 0);
    elDraw::ReleaseFontOnDC();
    EXPECT_EQ(CharCount, 1) << "the half-width character after it fits, but is never reached";
    EXPECT_TRUE(Same(CharRects[0], IntRect{10, 10, 10, 90})) << "every empty line down to the bottom widens the box";
    EXPECT_EQ(Ink(0, 0, 200, 100), 0);
    EXPECT_EQ(host::LiveDcCount(), 0);
}

TEST_F(TextBox, NearBlackIsLiftedAndTheBottomStopsTheBox) {
    elDraw::SetFont(1, 12, 0, 0, 0, 0);
    elDraw::SetTextColors(0x050505, 0x0F0F0F, 1);
    elDraw::DrawTextBox(0, 0, 190, 30, (std::string(kA) + "\n" + kI + "\n" + kU).c_str(), 0);
    elDraw::ReleaseFont();
    EXPECT_EQ(textColor, 0x101010u);
    EXPECT_EQ(shadowColor, 0x101010u);
    EXPECT_EQ(CharCount, 3) << "the third line would reach the bottom: neither drawn nor recorded";
    const u16 grey = host::RgbToPixel(BackBuffer->Layout(), 0x101010);
    bool seen = false;
    for (i32 y = 0; y < 24; ++y)
        for (i32 x = 0; x < 12; ++x) seen |= Back(x, y) == grey;
    EXPECT_TRUE(seen);
    EXPECT_EQ(Ink(0, 24, 190, 100), 0);
}

TEST_F(TextBox, TheRecordGrowsWithTheText) {
    Box(0, 0, 199, 99, std::string(400, 'i'));
    EXPECT_EQ(CharCount - 1, 8 * 33);
    EXPECT_EQ(static_cast<i32>(CharRects.size()), CharCount);
}

TEST_F(TextBox, TypeTextRevealsOneCharacterAtATime) {
    Box(0, 0, 190, 90, std::string(kA) + "\n" + kI + kU, 0, false);
    EXPECT_EQ(Ink(0, 0, 200, 100), 0) << "a prepared box is not drawn";
    EXPECT_EQ(CharCount, 4) << "the newline takes no reveal step";
    EXPECT_EQ(DrawAtOnce, 1u);
    FrameTime = 0.05f;
    i32 frames = 0;
    while (!elDraw::TypeText(0.1f) && frames < 100) {
        ++frames;
        if (frames == 4) {
            EXPECT_EQ(Ink(0, 0, 12, 12), 0) << "a character shows one step after it is reached";
        }
        if (frames == 5) {
            EXPECT_GT(Ink(0, 0, 12, 12), 0);
            EXPECT_EQ(Ink(0, 12, 24, 24), 0);
        }
    }
    EXPECT_EQ(frames, 10);
    EXPECT_GT(Ink(12, 12, 24, 24), 0);
    FillBack(0);
    EXPECT_EQ(elDraw::TypeText(0), 1) << "0 shows the whole box at once";
    EXPECT_GT(Ink(12, 12, 24, 24), 0);
}

TEST_F(TextBox, SmoothedTextBlendsIntoTheBackBuffer) {
    FillBack(Rgb5(0, 0, 8));
    elDraw::SetFontOnDC(1, 12);
    EXPECT_EQ(fontSize, 24);
    elDraw::SetTextColors(0xFFFFFF, 0, 1);
    elDraw::DrawTextStyled(10, 10, 190, 90, (std::string(kA) + kI + "ab").c_str(), kTextShadow);
    elDraw::ReleaseFontOnDC();
    EXPECT_EQ(CharCount, 5);
    const u16 bg = Rgb5(0, 0, 8);
    i32 changed = 0, blended = 0;
    for (i32 y = 0; y < screenH; ++y)
        for (i32 x = 0; x < screenW; ++x) {
            const u16 p = Back(x, y);
            if (p == bg) continue;
            ++changed;
            ASSERT_TRUE(x >= 10 && y >= 10 && x < CharRects[0].right && y < CharRects[0].bottom) << x << "," << y;
            blended += p != Rgb5(31, 31, 31);
        }
    EXPECT_GT(changed, 20);
    EXPECT_GT(blended, 0) << "edges are mixed with the background";
    EXPECT_EQ(host::LiveFontCount(), 0);
    EXPECT_EQ(host::LiveDcCount(), 0);
}

TEST_F(TextBox, MeasureAndRectangleTextUseTheCurrentFont) {
    elDraw::SetFont(1, 12, 0, 0, 0, 0);
    EXPECT_GE(elDraw::MeasureText(0, 0, 40, 0, "aaa bbb ccc"), 36);
    EXPECT_EQ(MeasureRect.bottom % 12, 0);
    EXPECT_EQ(elDraw::DrawTextRect(0, 0, 100, 50, "abc", 3), 0) << "unknown alignment draws nothing";
    elDraw::SetTextColors(0xFFFFFF, 0, 1);
    EXPECT_EQ(elDraw::DrawTextRect(0, 0, 100, 50, "abc", 2), 12);
    elDraw::ReleaseFont();
    EXPECT_EQ(Ink(0, 0, 80, 12), 0) << "right-aligned";
    EXPECT_GT(Ink(80, 0, 100, 12), 0);
}

}  // namespace
