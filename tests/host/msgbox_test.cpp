// The program's own message box: Japanese text drawn with real glyphs (two different texts never draw the
// same, as rows of missing-glyph boxes would), the caption inside the box, long text in lines, and the
// answers of keys and clicks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/backend.h"
#include "host/msgbox.h"

namespace {

using host::box::Draw;
using host::box::Picture;

int Count(const Picture& p, u32 colour, int top, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < p.width; ++x) n += p.argb[static_cast<size_t>(y) * p.width + x] == colour;
    return n;
}

std::vector<u32> Rows(const Picture& p, int top, int bottom) {
    return std::vector<u32>(p.argb.begin() + static_cast<long>(top) * p.width, p.argb.begin() + static_cast<long>(bottom) * p.width);
}

TEST(MessageBoxPicture, JapaneseTextIsDrawnWithRealGlyphs) {
    const Picture a = Draw("エラー発生", "読み込めません", host::backend::kBoxOk, 0);
    const Picture b = Draw("エラー発生", "生成できません", host::backend::kBoxOk, 0);
    ASSERT_EQ(a.width, b.width);
    ASSERT_EQ(a.height, b.height);
    ASSERT_EQ(a.buttons.size(), 1u);
    const int textTop = 30, textBottom = a.buttons[0].y;
    EXPECT_GT(Count(a, 0xFF101010, textTop, textBottom), 100) << "no ink where the text stands";
    EXPECT_NE(Rows(a, textTop, textBottom), Rows(b, textTop, textBottom)) << "different texts drew the same";
    EXPECT_TRUE(a.legible);
    // The caption is drawn in the box itself (white on the strip), whatever the window manager shows.
    EXPECT_GT(Count(a, 0xFFFFFFFF, 0, 28), 40);
    const Picture c = Draw("エラー", "読み込めません", host::backend::kBoxOk, 0);
    EXPECT_NE(Rows(a, 0, 28), Rows(c, 0, 28));
}

TEST(MessageBoxPicture, LongTextBreaksIntoLinesAndTheBoxStaysNarrow) {
    std::string longText;
    for (int i = 0; i < 12; ++i) longText += "BMPファイルを読み込めません ";
    const Picture p = Draw("エラー発生", longText.c_str(), host::backend::kBoxOk, 0);
    EXPECT_GT(p.textLines, 3);
    EXPECT_LE(p.width, 700);
    EXPECT_LT(p.buttons[0].y + p.buttons[0].h, p.height);
    const Picture bad = Draw("x", "\xEF\xBF\xBD\xF0\x9F\x98\x80 ok", host::backend::kBoxOk, 0);  // no code page 932 form
    EXPECT_EQ(bad.textLines, 1);
}

TEST(MessageBoxPicture, KeysAndClicksAnswer) {
    using namespace host::backend;
    const Picture ok = Draw("c", "t", kBoxOk, 0);
    EXPECT_EQ(host::box::AnswerForKey(ok, kBoxOk, 0, 13), kAnswerOk);
    EXPECT_EQ(host::box::AnswerForKey(ok, kBoxOk, 0, 27), kAnswerOk);
    EXPECT_EQ(host::box::AnswerForKey(ok, kBoxOk, 0, 'Y'), 0);
    EXPECT_EQ(host::box::AnswerForKey(ok, kBoxOk, 0, 'A'), 0);
    const auto& b = ok.buttons[0];
    EXPECT_EQ(host::box::AnswerAt(ok, b.x + b.w / 2, b.y + b.h / 2), kAnswerOk);
    EXPECT_EQ(host::box::AnswerAt(ok, b.x - 1, b.y), 0);

    const Picture yn = Draw("c", "t", kBoxYesNo, 1);
    ASSERT_EQ(yn.buttons.size(), 2u);
    EXPECT_EQ(host::box::AnswerForKey(yn, kBoxYesNo, 1, 13), kAnswerNo);  // Enter takes the chosen button
    EXPECT_EQ(host::box::AnswerForKey(yn, kBoxYesNo, 0, 13), kAnswerYes);
    EXPECT_EQ(host::box::AnswerForKey(yn, kBoxYesNo, 0, 27), kAnswerNo);
    EXPECT_EQ(host::box::AnswerForKey(yn, kBoxYesNo, 0, 'N'), kAnswerNo);
    EXPECT_EQ(host::box::AnswerForKey(yn, kBoxYesNo, 1, 'Y'), kAnswerYes);
    const auto& no = yn.buttons[1];
    EXPECT_EQ(host::box::AnswerAt(yn, no.x + 1, no.y + 1), kAnswerNo);
}

// What a box that is not ours shows: the text and the English lines it does not hold yet; on the error
// stream, where those lines stand already, the text without them.
TEST(MessageBoxPicture, TextForOtherBoxesAddsOrLeavesOutTheEnglishLines) {
    const std::vector<std::string> said = {"data folder IMAGE/: not found (looked in /x/)", "MIDI/A.MID: not found"};
    const std::string text = "The game's data is missing.\n\ndata folder IMAGE/: not found (looked in /x/)\n";
    EXPECT_EQ(host::box::WithEnglishLines(text.c_str(), said), text + "\nMIDI/A.MID: not found");
    EXPECT_EQ(host::box::WithoutSaidLines(text.c_str(), said), "The game's data is missing.");
    EXPECT_EQ(host::box::WithEnglishLines("t", {}), "t");

    // A line with a character the box's code page has not (é) stands in the box with '?' in its place: it is
    // the same line all the same.
    const std::vector<std::string> accented = {"data folder IMAGE/: not found (looked in /jeux vid\xC3\xA9o/)"};
    const std::string shown = "The game's data is missing.\n\ndata folder IMAGE/: not found (looked in /jeux vid?o/)";
    EXPECT_EQ(host::box::WithoutSaidLines(shown.c_str(), accented), "The game's data is missing.");
    EXPECT_EQ(host::box::WithEnglishLines(shown.c_str(), accented), shown);
}

}  // namespace
