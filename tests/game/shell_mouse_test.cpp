// The mouse as a player meets it: clicks that arrive between frames, and the cursor of a windowed run.
#include <cstdlib>

#include "game/common/player_state.h"
#include "game/stage_fixture.h"

namespace hl = host::headless;

namespace {

class MouseTest : public kt::StageTest {
protected:
    // Stage 1 in mouse mode, its entry frame already run.
    void EnterMouseStage() {
        EnterStage(ModeStage1);
        StageState.backdropMode = 2;
        Pass(17);
        PlayerState.controlMouse = 1;
        PlayerState.controlKeys = 0;
        ASSERT_EQ(PlayerState.burstActive, 0);
    }
    static u32 Edges() {
        return MouseButtons.leftPressed + MouseButtons.rightPressed + MouseButtons.leftDouble + MouseButtons.rightDouble;
    }
};

TEST_F(MouseTest, ADoubleClickBetweenFramesStartsTheBurstOnTheNextFrameAndIsSeenOnce) {
    EnterMouseStage();
    for (const bool down : {true, false, true, false}) hl::Button(1, down, 400, 450);
    Drain();
    ASSERT_EQ(MouseButtons.leftDouble, 1u);
    Pass(4);  // the frame gate holds the scene back in these passes
    Pass(4);
    EXPECT_EQ(PlayerState.burstActive, 0);
    EXPECT_EQ(MouseButtons.leftDouble, 1u) << "a pass without a frame dropped the double click";
    Pass(9);
    EXPECT_EQ(PlayerState.burstActive, 1) << "the next frame starts the side burst";
    EXPECT_EQ(Edges(), 0u) << "the frame that saw the clicks ends them";
    for (int frame = 0; frame < 400 && PlayerState.burstActive; ++frame) Pass(17);
    ASSERT_EQ(PlayerState.burstActive, 0);
    Pass(17);
    EXPECT_EQ(PlayerState.burstActive, 0) << "one double click, one burst";
}

class WindowedTest : public MouseTest {
protected:
    void SetUp() override {
        setenv("KESTRALIS_WINDOWED", "1", 1);
        MouseTest::SetUp();
    }
    void TearDown() override {
        MouseTest::TearDown();
        unsetenv("KESTRALIS_WINDOWED");
    }
    // The pointer moved to (x, y) in the picture's coordinates, then one pass.
    void MoveAndPass(i32 x, i32 y) {
        hl::MouseMove(x, y);
        Drain();
        Pass(17);
    }
};

TEST_F(WindowedTest, TheCursorHidesOverThePictureShowsOffItAndIsNeverClipped) {
    EXPECT_EQ(FullScreen, 0u);
    EXPECT_FALSE(hl::WindowFullScreen());
    EnterMouseStage();
    EXPECT_FALSE(hl::MouseGrabbed()) << "a window never traps the cursor";
    MoveAndPass(400, 300);
    EXPECT_FALSE(hl::CursorVisible());
    EXPECT_EQ(CursorShown, 0u);
    MoveAndPass(-20, 300);  // off the window's left edge
    EXPECT_TRUE(hl::CursorVisible());
    EXPECT_EQ(CursorShown, 1u);
    EXPECT_EQ(MouseX, 400) << "the ship does not follow a cursor off the picture";
    MoveAndPass(20, 20);
    EXPECT_FALSE(hl::CursorVisible());
    EXPECT_EQ(MouseX, 20);
    EXPECT_FALSE(hl::MouseGrabbed());
}

}  // namespace
