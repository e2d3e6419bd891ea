// Score award, the HUD's score line and the ranking board.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "el/elDraw.h"
#include "game/common/images.h"
#include "game/common/score.h"
#include "game/shell/shell.h"
#include "host/headless/headless.h"
#include "support/game_data.h"
#include "support/headless_machine.h"

namespace {

class ScoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        PlayMode = 1;
        PlaySubMode = 0;
        Score = 0;
        HiScore = 500;
    }
};

TEST_F(ScoreTest, TheScoreIsCappedAndRaisesTheHiScore) {
    Score = 999'999'950;
    Score_Add(100);
    EXPECT_EQ(Score, 999'999'999);
    EXPECT_EQ(HiScore, 999'999'999);
    Score_Add(1);
    EXPECT_EQ(Score, 999'999'999);
}

TEST_F(ScoreTest, PointsCountOnlyInThePlayModesThatAllowThem) {
    PlayMode = 0;  // before the title's Enter
    Score_Add(100);
    EXPECT_EQ(Score, 0);
    PlayMode = 2;
    PlaySubMode = 1;
    Score_Add(100);
    EXPECT_EQ(Score, 100);
    PlaySubMode = 2;
    Score_Add(100);
    EXPECT_EQ(Score, 100);
    Score = 900;  // a hi-score below the score is raised even when nothing counts
    Score_Add(5);
    EXPECT_EQ(HiScore, 900);
}

TEST_F(ScoreTest, ARowOfTheRankingTakesTheHiScoreInPlace) {
    Ranking_Draw();  // no screen: only the table is of interest here
    EXPECT_EQ(RankingTable[0], 100'000'000);
    EXPECT_EQ(RankingTable[6], 50'000) << "500 reaches no row";
    HiScore = 25'000'000;
    Ranking_Draw();
    const i32 expected[7] = {100'000'000, 70'000'000, 30'000'000, 25'000'000, 1'000'000, 700'000, 50'000};
    for (i32 k = 0; k < 7; ++k) EXPECT_EQ(RankingTable[k], expected[k]) << "row " << k + 1;
    HiScore = 60'000;
    Score = 0;
    Ranking_Draw();
    EXPECT_EQ(RankingTable[6], 60'000);
    EXPECT_EQ(RankingTable[5], 700'000);
}

// The HUD drawn on the real back buffer, compared with the digit cells the line should show.
class HudTest : public kt::Headless {
protected:
    void SetUp() override {
        kt::Headless::SetUp();
        kt::LinkGameData();
        ASSERT_TRUE(WinMain_StartUp(nullptr, "", 1));
        ASSERT_GT(imgSUJI09, 0);
        ASSERT_GT(imgMYMY, 0);
    }
    static std::vector<u16> Top() {
        std::vector<u16> px;
        for (i32 y = 0; y < 30; ++y)
            for (i32 x = 0; x < 800; ++x) px.push_back(BackBuffer->PixelAt(x, y));
        return px;
    }
    static std::vector<u16> DrawHud() {
        elDraw::ClearScreen();
        Hud_Draw();
        return Top();
    }
    static void Big(i32 x, i32 d) { elDraw::PutSprite(x, 0, imgSUJI09, 20 * d, 0, 20 * d + 20, 25); }
    static void Small(i32 x, i32 d) { elDraw::PutSprite(x, 6, imgMYMY, 8 + 7 * d, 70, 15 + 7 * d, 80); }
    static void Icons() {
        elDraw::PutSprite(475, 6, imgMYMY, 200, 70, 224, 80);
        elDraw::PutSprite(535, 6, imgMYMY, 170, 70, 194, 80);
    }
};

TEST_F(HudTest, TheScoreLineShowsTheLowerEightDigitsAndTheCounts) {
    Score = 123'456'789;
    HiScore = 123'456'789;
    Lives = 7;
    Bombs = 5;
    const std::vector<u16> hud = DrawHud();
    elDraw::ClearScreen();
    for (i32 i = 0; i < 9; ++i) Big(200 + 20 * i, i + 1);
    for (i32 i = 0; i < 9; ++i) Small(380 + 10 * i, i + 1);
    Small(500, 0);
    Small(510, 0);
    Small(520, 7);
    Small(560, 0);
    Small(570, 5);
    Icons();
    EXPECT_EQ(hud, Top());
    EXPECT_GT(std::count_if(hud.begin(), hud.end(), [](u16 p) { return p != 0; }), 500);
    for (i32 y = 0; y < 25; ++y)
        for (i32 x = 200; x < 220; ++x) ASSERT_EQ(BackBuffer->PixelAt(x, y), 0) << "the leading 1 is clipped away";
}

TEST_F(HudTest, LongAndNegativeCountsDrawOnlyTheirLeadingDigits) {
    Score = 0;
    HiScore = 500;
    Lives = 123'456;  // "123456": the first three characters
    Bombs = 2'000'000'123;
    std::vector<u16> hud = DrawHud();
    elDraw::ClearScreen();
    for (i32 i = 0; i < 9; ++i) Big(200 + 20 * i, 0);
    for (i32 i = 0; i < 9; ++i) Small(380 + 10 * i, i < 6 ? 0 : (i == 6 ? 5 : 0));
    Small(500, 1);
    Small(510, 2);
    Small(520, 3);
    Small(560, 2);
    Small(570, 0);
    Icons();
    EXPECT_EQ(hud, Top());

    Lives = -1;  // no lives digits, the icons stay
    Bombs = -20;
    Score = -5;  // "-00000005": the sign draws nothing
    hud = DrawHud();
    elDraw::ClearScreen();
    for (i32 i = 1; i < 9; ++i) Big(200 + 20 * i, i == 8 ? 5 : 0);
    for (i32 i = 0; i < 9; ++i) Small(380 + 10 * i, i < 6 ? 0 : (i == 6 ? 5 : 0));
    Icons();
    EXPECT_EQ(hud, Top());
}

}  // namespace
