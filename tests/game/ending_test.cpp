// The ending: its windows over the star field, its music, and the way back to the title.
#include "el/elDraw.h"
#include "game/common/images.h"
#include "game/player/player.h"
#include "game/stage/backdrop_data.h"
#include "game/stage_fixture.h"

namespace hl = host::headless;

namespace {

class EndingTest : public kt::StageTest {
protected:
    void SetUp() override {
        kt::StageTest::SetUp();
        EnterStage(ModeEnding);
        Score = 12345;
        Lives = 40;
        Level = 3;
        PlayerState.shipType = 1;  // as the title and the level select leave them
        PlayerState.controlKeys = 1;
        imgMYME = elDraw::LoadObject("IMAGE/MYME1.BMP", 1);
        hl::ClearMciLog();
    }
    static void Run(f32 ft) {
        FrameTime = ft;
        Ending_Run();
        ModeChanged = 0;
    }
    static u32 Sum(i32 left, i32 top, i32 right, i32 bottom) {
        const hl::Frame& f = hl::LastFrame();
        u32 h = 0;
        for (i32 y = top; y < bottom; ++y)
            for (i32 x = left; x < right; ++x) h = h * 31 + f.pixels[static_cast<size_t>(y * f.width + x)];
        return h;
    }
    static void ExpectBackAtTheTitle() {
        EXPECT_EQ(GameMode, ModeTitle);
        EXPECT_EQ(PrevMode, 0u);
        EXPECT_EQ(WipeState.wipeKind, 3u);
        EXPECT_EQ(WipeState.wipeStrip, 60);
        EXPECT_EQ(WipeState.wipeDir, -1);
        EXPECT_EQ(Score, 0);
        EXPECT_EQ(Lives, 999);
        EXPECT_EQ(Bombs, 5);
        EXPECT_EQ(Level, 0);
        EXPECT_EQ(StageState.distance, 0.0f);
        EXPECT_EQ(MciCount("stop midi"), 1);
    }
};

TEST_F(EndingTest, ItsPicturesFollowEachOtherOverTheStarField) {
    Run(0);  // the entry frame
    for (StarSpeck& s : StarSpecks) s = StarSpeck{0, 300, -1000, 0, 0};  // out of sight and still
    PlayerState.x = 370;
    PlayerState.y = 520;
    auto at = [](f32 d) {
        StageState.distance = d;
        Run(0);
    };
    at(150);
    EXPECT_GT(Lit(250, 100, 550, 200), 3000) << "the closing picture";
    EXPECT_GT(Lit(370, 520, 430, 590), 0) << "the ship";
    for (f32 gap : {300.5f, 600.5f, 900.5f, 1100.5f}) {
        at(gap);
        EXPECT_EQ(Lit(220, 0, 580, 600), 0) << "the star field alone at " << gap;
    }
    at(450);
    EXPECT_GT(Lit(220, 0, 580, 600), 0) << "the HUD and the ranking";
    at(750);
    EXPECT_GT(Lit(220, 60, 580, 540), 360 * 480 / 2) << "the first artwork";
    const u32 first = Sum(220, 60, 580, 540);
    at(1000);
    EXPECT_GT(Lit(220, 60, 580, 540), 360 * 480 / 2) << "the second artwork";
    EXPECT_NE(Sum(220, 60, 580, 540), first);
    at(1200);
    EXPECT_GT(Lit(280, 180, 580, 320), 0) << "the credit lines";
    EXPECT_EQ(Lit(220, 0, 580, 170), 0);
    EXPECT_EQ(Lit(220, 330, 580, 600), 0);
}

TEST_F(EndingTest, ItsMusicStartsOnceAndItReturnsToTheTitleAfter1300Units) {
    const f32 ft = 0.05f;
    int expected = 0;
    for (f32 d = 0; !(d > 1300.0f);) d += ft * 18.0f, ++expected;
    int frames = 0;
    while (GameMode == ModeEnding && frames < 100000) Run(ft), ++frames;
    EXPECT_EQ(frames, expected);
    EXPECT_EQ(MusicOpens("KTVB6.MID"), 1);
    ExpectBackAtTheTitle();
}

TEST_F(EndingTest, TheMusicStartsOnlyFromAZeroCount) {
    StageState.musicFrame = 5;
    for (int i = 0; i < 10; ++i) Run(0.02f);
    EXPECT_EQ(MusicOpens("KTVB6.MID"), 0);
}

TEST_F(EndingTest, SpaceOnTheFirstFrameGoesBackToTheTitle) {
    LastKey = 32;
    Run(0.02f);
    ExpectBackAtTheTitle();
}

TEST_F(EndingTest, SpaceLaterGoesBackToTheTitleToo) {
    for (int i = 0; i < 30; ++i) Run(1.0f);
    ASSERT_EQ(GameMode, ModeEnding);
    ASSERT_GT(StageState.distance, 500.0f);
    LastKey = 32;
    Run(0.02f);
    ExpectBackAtTheTitle();
}

}  // namespace
