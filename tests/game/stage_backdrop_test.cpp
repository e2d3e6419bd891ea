// The backdrop layers and the star field.
#include "game/stage/backdrop.h"
#include "game/stage/backdrop_data.h"
#include "game/stage/stage_frame.h"
#include "game/stage_fixture.h"

namespace {

class StageBackdropTest : public kt::StageTest {
protected:
    void SetUp() override {
        kt::StageTest::SetUp();
        EnterStage(ModeStage1);  // a new game lays the strips out
    }
    // The y a tile reaches from y0 when the speed rows `speeds` hold, each adding its own step.
    static f32 Advanced(f32 y0, std::initializer_list<f32> speeds, f32 ft) {
        for (f32 s : speeds) y0 += s * ft;
        return y0;
    }
};

TEST_F(StageBackdropTest, SpeedRowsThatShareAnEndAddUp) {
    const f32 ft = 0.25f;
    FrameTime = ft;
    StageState.distance = 500;
    Backdrop3_Draw();
    EXPECT_EQ(Backdrop3Tiles[0].y, Advanced(120, {140, 150}, ft)) << "290 px/s at exactly 500";
    EXPECT_EQ(Backdrop3Tiles[4999].y, Advanced(120 - 480.0f * 4999, {140, 150}, ft))
        << "a tile far off the screen advances all the same";
    EXPECT_EQ(Backdrop3Tiles[0].x, 180.0f);
    const f32 y = Backdrop3Tiles[0].y;
    StageState.distance = 500.5f;
    Backdrop3_Draw();
    EXPECT_EQ(Backdrop3Tiles[0].y, Advanced(y, {150}, ft));
    // The last row is open-ended.
    StageState.distance = 1e6f;
    const f32 y2 = Backdrop3Tiles[0].y;
    Backdrop3_Draw();
    EXPECT_EQ(Backdrop3Tiles[0].y, Advanced(y2, {150}, ft));
}

TEST_F(StageBackdropTest, LayerSevenStandsStillBetween700And750) {
    FrameTime = 0.1f;
    const f32 y = Backdrop7Tiles[1].y;
    StageState.distance = 725;
    Backdrop7_Draw();
    EXPECT_EQ(Backdrop7Tiles[1].y, y);
    StageState.distance = 700;
    Backdrop7_Draw();
    EXPECT_EQ(Backdrop7Tiles[1].y, Advanced(y, {640}, 0.1f));
}

TEST_F(StageBackdropTest, LayerEightStartsOffTheScreenAndThenKeepsToItsColumn) {
    EXPECT_EQ(Backdrop8Tiles[0].x, -500.0f);
    FrameTime = 0.02f;
    StageState.distance = 10;
    Backdrop8_Draw();
    EXPECT_EQ(Backdrop8Tiles[0].x, 180.0f);
    EXPECT_EQ(Backdrop8Tiles[4999].x, 180.0f);
}

TEST_F(StageBackdropTest, DriftSlidesTheLayersThatReadIt) {
    FrameTime = 1.0f;
    StageState.distance = 725;  // layer 7 stands still here; the others move down
    for (BackdropTile* t : {Backdrop4BTiles, Backdrop4Tiles, Backdrop6Tiles, Backdrop7Tiles}) t[0].drift = 60;
    Backdrop4B_Draw();
    Backdrop4_Draw();
    Backdrop6_Draw();
    Backdrop7_Draw();
    EXPECT_EQ(Backdrop4BTiles[0].x, 100.0f) << "80 + 60, held at 100";
    EXPECT_EQ(Backdrop4Tiles[0].x, 100.0f);
    EXPECT_EQ(Backdrop4BTiles[0].drift, 0.0f);
    EXPECT_EQ(Backdrop6Tiles[0].x, 80.0f);
    EXPECT_EQ(Backdrop6Tiles[0].drift, 60.0f) << "layer 6 never reads its drift";
    FrameTime = 0.02f;
    Backdrop4B_Draw();
    Backdrop4_Draw();
    EXPECT_EQ(Backdrop4BTiles[0].x, 80.0f) << "set back to its column on every draw";
    EXPECT_EQ(Backdrop4Tiles[0].x, 100.0f) << "layer 4 keeps where the drift took it";
    Backdrop4Tiles[0].drift = -20000;
    Backdrop4_Draw();
    EXPECT_EQ(Backdrop4Tiles[0].x, -100.0f);
}

TEST_F(StageBackdropTest, OnlyTheLastTileRestartsWhenTheStripRunsOut) {
    FrameTime = 0.1f;
    StageState.distance = 0;
    Backdrop1Tiles[4999].y = -5;  // 13 px a frame at 130 px/s: this frame takes it past 0
    Backdrop1Tiles[4999].x = 77;
    const f32 y0 = Backdrop1Tiles[0].y;
    Backdrop1_Draw();
    EXPECT_EQ(Backdrop1Tiles[4999].y, -480.0f * 4999);
    EXPECT_EQ(Backdrop1Tiles[4999].x, 100.0f) << "laid out afresh at the restart column";
    EXPECT_EQ(Backdrop1Tiles[0].y, Advanced(y0, {130}, 0.1f));
    Backdrop1_Draw();
    EXPECT_EQ(Backdrop1Tiles[0].y, Advanced(Advanced(y0, {130}, 0.1f), {130}, 0.1f));
}

TEST_F(StageBackdropTest, SpecksRespawnWithinTheirRanges) {
    FrameTime = 0;
    StarSpecks[0] = StarSpeck{3, 10, 600, 5, 100};
    StarSpecks[1] = StarSpeck{3, 10, 600.5f, 0, 100};
    StarField_Update(80, 80);
    EXPECT_EQ(StarSpecks[0].y, 600.0f) << "600 is not past the bottom";
    EXPECT_EQ(StarSpecks[0].vx, 0.0f) << "the sideways speed is used once and cleared";
    EXPECT_LE(StarSpecks[1].y, 0.0f);
    FrameTime = 0.05f;
    for (int round = 0; round < 50; ++round) {
        for (StarSpeck& s : StarSpecks) s.y = 601;
        StarField_Update(80, 80);
        for (const StarSpeck& s : StarSpecks) {
            ASSERT_GE(s.kind, 0);
            ASSERT_LE(s.kind, 6);
            ASSERT_GE(s.x, 0.0f);
            ASSERT_LE(s.x, 639.0f);
            ASSERT_GE(s.y, -49.0f);
            ASSERT_LE(s.y, 0.0f);
            ASSERT_GE(s.speed, 80.0f);
            ASSERT_LE(s.speed, 159.0f);
        }
    }
    // The spread is a plain remainder, whatever its sign; a spread of 0 leaves the base speed alone.
    for (i32 spread : {-80, 0}) {
        for (StarSpeck& s : StarSpecks) s.y = 601;
        StarField_Update(spread, 80);
        int faster = 0;
        for (const StarSpeck& s : StarSpecks) {
            ASSERT_GE(s.speed, 80.0f) << spread;
            ASSERT_LE(s.speed, spread == 0 ? 80.0f : 159.0f) << spread;
            faster += s.speed > 80.0f;
        }
        EXPECT_EQ(faster > 0, spread != 0) << spread;
    }
    // Falling: y grows by speed x frame time.
    StarSpecks[5] = StarSpeck{0, 300, 100, 0, 120};
    StarField_Update(80, 80);
    EXPECT_EQ(StarSpecks[5].y, 100.0f + 120.0f * 0.05f);
}

TEST_F(StageBackdropTest, TheBackdropModeChoosesWhatTheStageDraws) {
    FrameTime = 0.1f;
    const f32 layer = Backdrop8Tiles[0].y, layer1 = Backdrop1Tiles[0].y, speck = StarSpecks[7].y;
    StageState.backdropMode = 1;
    Stage1_Run();
    EXPECT_EQ(Backdrop8Tiles[0].y, layer) << "the star field alone";
    EXPECT_EQ(Backdrop1Tiles[0].y, layer1) << "also in place of the layers drawn after it";
    EXPECT_NE(StarSpecks[7].y, speck);
    StageState.backdropMode = 2;
    const f32 speck2 = StarSpecks[7].y;
    Stage1_Run();
    EXPECT_EQ(StarSpecks[7].y, speck2) << "nothing at all";
    EXPECT_EQ(Backdrop8Tiles[0].y, layer);
    StageState.backdropMode = 0;
    Stage4_Run();
    EXPECT_NE(Backdrop3Tiles[0].y, 120.0f);
    EXPECT_NE(Backdrop1Tiles[0].y, layer1);
    EXPECT_EQ(StarSpecks[7].y, speck2) << "the fourth stage has no star field behind its layers";
}

}  // namespace
