// A window shows the same picture as the full screen: the shots, the muzzle flash and every other sprite
// the stage blends are drawn in both, though the window keeps the desktop's depth.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "game/common/player_state.h"
#include "el/draw/screen.h"
#include "el/draw/soft.h"
#include "game/stage_fixture.h"

namespace {

namespace hl = host::headless;

class WindowedBlendTest : public kt::StageTest {
protected:
    void TearDown() override {
        StageTest::TearDown();
        unsetenv("KESTRALIS_WINDOWED");
    }

    // The program started again, in a window or full screen, with the blend tables empty and the blends'
    // way not yet chosen, as a new process has them (an earlier start of this process built them).
    void Restart(bool windowed) {
        StageTest::TearDown();
        std::memset(PixelDecodeTable, 0, sizeof PixelDecodeTable);
        std::memset(AlphaTable, 0, sizeof AlphaTable);
        std::memset(AddTable, 0, sizeof AddTable);
        std::memset(SubTable, 0, sizeof SubTable);
        TablesBuilt = 0;
        elDraw::soft::ChooseBlendPath();  // back to the table walk, as at the start
        setenv("KESTRALIS_WINDOWED", windowed ? "1" : "0", 1);
        StageTest::SetUp();
    }

    struct Play {
        std::vector<u32> frames;  // the checksum of every frame shown
        i32 flashLit = 0;         // the frames in which the muzzle flash's box is lit more than before
    };

    // From the title: Enter, F1 for stage 1, then fire held for 40 frames.
    Play Fire() {
        Play play;
        elSystem::SetFrameRate(60);
        for (int pass = 0; pass < 100; ++pass) {
            if (pass == 5) Hold(host::kVkReturn);
            if (pass == 6) Release(host::kVkReturn);
            if (pass == 40) Hold(host::kVkF1);
            if (pass == 41) Release(host::kVkF1);
            Pass(17);
        }
        EXPECT_EQ(GameMode, static_cast<u32>(ModeStage1));
        const auto flashBox = [] {
            const i32 px = static_cast<i32>(PlayerState.x), py = static_cast<i32>(PlayerState.y);
            return Lit(px - 5, py - 15, px + 65, py);
        };
        Hold('C');
        for (i32 f = 0; f < 40; ++f) {
            const i32 before = flashBox();
            Pass(17);
            play.frames.push_back(hl::Checksum(hl::LastFrame()));
            play.flashLit += flashBox() > before + 100;
        }
        Release('C');
        return play;
    }
};

TEST_F(WindowedBlendTest, TheWindowDrawsTheBlendedSpritesAsTheFullScreenDoes) {
    Restart(false);
    ASSERT_TRUE(hl::WindowFullScreen());
    const Play full = Fire();
    EXPECT_GE(full.flashLit, 8) << "the muzzle flash shows full screen";

    Restart(true);
    ASSERT_FALSE(hl::WindowFullScreen());
    EXPECT_EQ(ScreenBits, 32u) << "a window keeps the desktop's depth";
    const Play window = Fire();
    EXPECT_EQ(window.flashLit, full.flashLit);
    EXPECT_EQ(window.frames, full.frames) << "the window shows the full screen's picture";
}

}  // namespace
