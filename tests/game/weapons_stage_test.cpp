// The weapons inside the stage frame: the homing rays leave only at level 3 in the stages that launch
// them, and a running bomb parks them.
#include "game/enemy/szak6_data.h"
#include "game/player/homing.h"
#include "game/player/player.h"
#include "game/stage/stage_frame.h"
#include "game/stage_fixture.h"

namespace {

class WeaponsStageTest : public kt::StageTest {
protected:
    // Stage `s` at `level` with saucer 0 of Szak6A live in the field; the frames it takes to get a ray out.
    static i32 RaysAfter(u32 mode, const StageScript& s, i32 level, i32 frames) {
        EnterStage(mode, level);
        StageState.backdropMode = 2;
        PlayerState.x = 300;
        PlayerState.y = 300;
        Szak6ASlots[0].active = 1;
        Szak6ASlots[0].x = 300;
        Szak6ASlots[0].y = 100;
        for (i32 f = 0; f < frames; ++f) {
            FrameTime = 1.0f / 60.0f;
            Stage_RunFrame(s);
            ModeChanged = 0;
        }
        i32 n = 0;
        for (i32 t = 0; t < kRayTargets; ++t)
            for (const HomingRay& r : HomingRay1[t]) n += r.alive;
        return n;
    }
};

TEST_F(WeaponsStageTest, RaysLeaveOnlyAtLevel3InTheSecondStage) {
    EXPECT_EQ(RaysAfter(ModeStage2, Stage2Script, 1, 5), 0);
    EXPECT_EQ(RaysAfter(ModeStage1, Stage1Script, 3, 5), 0) << "the first stage has no launchers";
    EXPECT_EQ(RaysAfter(ModeStage2, Stage2Script, 3, 5), 5);
    EXPECT_EQ(RayCycle[0][0], 5);
    PlayerState.bombActive = 1;
    PlayerState.bombClock = 0;
    Bombs = 5;
    FrameTime = 1.0f / 60.0f;
    Stage_RunFrame(Stage2Script);
    for (i32 t = 0; t < kRayTargets; ++t)
        for (const HomingRay& r : HomingRay1[t]) EXPECT_EQ(r.alive, 0);
}

}  // namespace
