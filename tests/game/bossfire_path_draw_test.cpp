// What the Stream, RotChain and Lightning draws leave on the back buffer, compared with the blits they
// should make.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "el/draw/rotate.h"
#include "el/draw/soft.h"
#include "el/elDraw.h"
#include "el/elSystem.h"
#include "game/bossfire/lightning.h"
#include "game/bossfire/lightning_data.h"
#include "game/bossfire/rotchain.h"
#include "game/bossfire/rotchain_data.h"
#include "game/bossfire/stream.h"
#include "game/bossfire/stream_data.h"
#include "game/common/boss_state.h"
#include "game/common/images.h"
#include "game/shell/shell.h"
#include "host/crt.h"
#include "host/window.h"
#include "support/game_data.h"
#include "support/headless_machine.h"

namespace {

class BossPathDrawTest : public kt::HeadlessWindow {
protected:
    void SetUp() override {
        kt::HeadlessWindow::SetUp();
        kt::LinkGameData();
        ASSERT_TRUE(WinMain_StartUp(nullptr, "", 1));
        ASSERT_GT(imgRAY6, 0);
        ASSERT_GT(imgVAL3017A, 0);
        Game_NewGame();
        Game_ResetState();
        Game_ResetPools();
        FrameTime = 0.0f;
        elDraw::ClearScreen();
    }
    // Ends the program, so that the next test of the same process can start it again.
    void TearDown() override { kt::EndProgram(); }
    static std::vector<u16> Screen() {
        std::vector<u16> px;
        px.reserve(800 * 600);
        for (i32 y = 0; y < 600; ++y)
            for (i32 x = 0; x < 800; ++x) px.push_back(BackBuffer->PixelAt(x, y));
        return px;
    }
    template <class F>
    static std::vector<u16> After(F draw) {
        elDraw::ClearScreen();
        draw();
        return Screen();
    }
    static bool Blank(const std::vector<u16>& px) {
        for (u16 p : px)
            if (p != 0) return false;
        return true;
    }
    static u16 Px(u32 rgb) { return host::RgbToPixel(BackBuffer->Layout(), rgb); }
};

TEST_F(BossPathDrawTest, StreamsDrawTheirLiveBallsAdditivelyInTheirOwnSize) {
    Boss41Stream5[7] = StreamBall{300, 280, 4.0f, 1};
    Boss41Stream5[9] = StreamBall{400, 100, 0.0f, 0};  // free, in view
    Boss31Stream8[0] = StreamBall{250, 500, 0.0f, 1};
    const auto drawn = After([] {
        Boss41Stream5_Draw(0);
        Boss31Stream8_Draw(0);
    });
    EXPECT_FALSE(Blank(drawn));
    EXPECT_EQ(drawn, After([] {
                  elDraw::PutAdd(300, 280, imgRAY6, 0, 0, 50, 50);
                  elDraw::PutAdd(250, 500, imgRAY7, 0, 0, 20, 20);
              }));
}

TEST_F(BossPathDrawTest, AChainJustThrownIsDrawnAt36DegreesAndItsTwinAt324) {
    Boss41State.x = 100;
    Boss41State.y = 100;  // pieces at (305, 130)
    Boss41RotChain1_Spawn(0);
    const auto odd = After([] { Boss41RotChain1_Draw(0); });
    EXPECT_FALSE(Blank(odd));
    auto chain = [](i32 angle, i32 link, i32 head) {
        return After([=] {
            for (i32 k = 0; k < 6; ++k) elDraw::PutRotate(305, 130, 335, 160, angle, link, 0, 0, 30, 30);
            elDraw::PutRotate(305, 130, 335, 160, angle, head, 0, 0, 30, 30);
        });
    };
    EXPECT_EQ(odd, chain(36, imgVAL3017A, imgVALL3017));
    EXPECT_NE(odd, chain(35, imgVAL3017A, imgVALL3017));
    Boss41RotChain2_Spawn(0);
    const auto even = After([] { Boss41RotChain2_Draw(0); });
    EXPECT_EQ(even, chain(324, imgVAL3018A, imgVALL3018));
    EXPECT_NE(even, chain(323, imgVAL3018A, imgVALL3018));

}

// A bolt laid out along one row: node k at x 250 + 50k, so segment k's middle is at x 275 + 50k.
void LayBolt(LightningNode (&bolt)[6], i32 live) {
    for (i32 k = 0; k < 6; ++k) bolt[k] = LightningNode{250.0f + 50.0f * k, 300.0f, 0, 0, 0, 0, live};
}

TEST_F(BossPathDrawTest, LightningSegmentsTakeTheFramesRandomColoursAndWidenTowardsTheFront) {
    LayBolt(Boss4BLightning3, 1);
    host::SRand(4242);
    const i32 r1 = host::Rand() % 100, r2 = host::Rand() % 100;
    host::SRand(4242);
    elDraw::ClearScreen();
    Boss4BLightning3_Draw(0);
    const i32 greens[5] = {230, 220, 210, 200, 230};
    i32 lastWidth = 0;
    for (i32 k = 0; k < 5; ++k) {
        const u32 rgb = static_cast<u32>(250 - r1) | static_cast<u32>(greens[k] - r2) << 8 | 5u << 16;
        EXPECT_EQ(BackBuffer->PixelAt(275 + 50 * k, 300), Px(rgb)) << "segment " << k + 1;
        i32 width = 0;
        for (i32 y = 280; y < 320; ++y) width += BackBuffer->PixelAt(275 + 50 * k, y) != 0;
        EXPECT_GT(width, lastWidth) << "segment " << k + 1;
        lastWidth = width;
    }

    // Frame after frame with the bolt standing still, the colours change and stay in their ranges.
    std::set<u16> allowed, seen;
    for (i32 red = 151; red <= 250; ++red)
        for (i32 green = 101; green <= 230; ++green)
            allowed.insert(Px(static_cast<u32>(red) | static_cast<u32>(green) << 8 | 5u << 16));
    for (i32 frame = 0; frame < 60; ++frame) {
        Boss4BLightning3_Update(0);
        elDraw::ClearScreen();
        Boss4BLightning3_Draw(0);
        for (i32 k = 0; k < 5; ++k) {
            const u16 p = BackBuffer->PixelAt(275 + 50 * k, 300);
            EXPECT_EQ(allowed.count(p), 1u) << "frame " << frame << " segment " << k + 1;
            if (k == 0) seen.insert(p);
        }
    }
    EXPECT_GT(seen.size(), 10u);

    Boss4BLightning3[0].active = 0;  // the rear node gone, nothing is drawn
    EXPECT_TRUE(Blank(After([] { Boss4BLightning3_Draw(0); })));
}

}  // namespace
