// What the weapons and the display routines leave on the real back buffer, compared with the sprite
// copies they should make.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "el/draw/soft.h"
#include "el/elDraw.h"
#include "game/common/images.h"
#include "game/enemy/szak21_data.h"
#include "game/player/bomb.h"
#include "game/player/homing.h"
#include "game/player/laser.h"
#include "game/player/parade.h"
#include "game/player/player.h"
#include "game/shell/shell.h"
#include "game/stage/boss.h"
#include "host/crt.h"
#include "host/headless/headless.h"
#include "support/game_data.h"
#include "support/headless_machine.h"

namespace {

class WeaponsDrawTest : public kt::Headless {
protected:
    void SetUp() override {
        kt::Headless::SetUp();
        kt::LinkGameData();
        ASSERT_TRUE(WinMain_StartUp(nullptr, "", 1));
        ASSERT_GT(imgFBOM1, 0);
        ASSERT_GT(imgFLZ01_l, 0);
        Game_NewGame();
        Game_ResetState();
        Game_ResetPools();
        PlayerState.shipType = 1;
        FrameTime = 0.016f;
        elDraw::ClearScreen();
    }
    static std::vector<u16> Screen() {
        std::vector<u16> px;
        px.reserve(800 * 600);
        for (i32 y = 0; y < 600; ++y)
            for (i32 x = 0; x < 800; ++x) px.push_back(BackBuffer->PixelAt(x, y));
        return px;
    }
    static i32 Lit(const std::vector<u16>& px) {
        return static_cast<i32>(std::count_if(px.begin(), px.end(), [](u16 p) { return p != 0; }));
    }
    // The first and last rows with anything drawn in them.
    static std::pair<i32, i32> Rows(const std::vector<u16>& px) {
        i32 top = -1, bottom = -1;
        for (i32 y = 0; y < 600; ++y)
            for (i32 x = 0; x < 800; ++x)
                if (px[y * 800 + x] != 0) {
                    if (top < 0) top = y;
                    bottom = y;
                }
        return {top, bottom};
    }
    // What `draw` leaves on a cleared screen.
    template <class F>
    static std::vector<u16> After(F draw) {
        elDraw::ClearScreen();
        draw();
        return Screen();
    }
};

TEST_F(WeaponsDrawTest, TheBombDrawsItsLiveFragmentsOnly) {
    EXPECT_EQ(Lit(After([] { Bomb_Draw(0); })), 0) << "80 parked fragments leave nothing";
    BombPieces[4] = BombPiece{300, 200, 40, 1, 0.0f};
    const auto drawn = After([] { Bomb_Draw(0); });
    EXPECT_GT(Lit(drawn), 100);
    EXPECT_EQ(drawn, After([] { elDraw::PutSprite(300, 200, imgFBOM1, 0, 0, 80, 80); }));
}

TEST_F(WeaponsDrawTest, RaysAreDrawnAdditivelyForTheFirstShipOnly) {
    HomingRay2[1][3].alive = 1;
    HomingRay2[1][3].x = 300.7f;
    HomingRay2[1][3].y = 250.2f;
    const auto drawn = After([] { HomingRay2_Draw(); });
    EXPECT_GT(Lit(drawn), 0);
    EXPECT_EQ(drawn, After([] { elDraw::PutAdd(300, 250, imgRAY10, 0, 0, 20, 20); }));
    EXPECT_EQ(Lit(After([] { HomingRay1_Draw(); })), 0);
    PlayerState.shipType = 2;
    EXPECT_EQ(Lit(After([] { HomingRay2_Draw(); })), 0);
}

TEST_F(WeaponsDrawTest, LaserFormsFollowTheShipType) {
    LockLaserSzak21[0].alive = 1;
    LockLaserSzak21[0].x = 300;
    LockLaserSzak21[0].y = 200;
    const auto sprite = After([] { LockLaserSzak21_Draw(); });
    EXPECT_GT(Lit(sprite), 0);
    EXPECT_EQ(sprite, After([] { elDraw::PutSprite(300, 200, imgFLZ01_l, 0, 0, 20, 60); }));

    // Ship type 2: the beam from the ship's nose to the point + 29, in blues.
    PlayerState.shipType = 2;
    PlayerState.x = 300;
    PlayerState.y = 400;
    Szak21Marks[0] = LockMark{250, 100, 1};
    LockLaserSzak21[0].launchDx = -90;
    LockLaserSzak21[0].launchDy = -270;
    const auto beam = After([] { LockLaserSzak21_Draw(); });
    EXPECT_GT(Lit(beam), 200);
    EXPECT_NE(BackBuffer->PixelAt(279, 129), 0) << "the beam's end";
    EXPECT_EQ(BackBuffer->PixelAt(310, 300), 0) << "not the sprite form";

    LockLaserBoss71B[0].alive = 1;
    LockLaserBoss71B[0].x = 300;
    LockLaserBoss71B[0].y = 200;
    LockLaserBoss5BB[0] = LockLaserBoss71B[0];
    PlayerState.shipType = 1;
    EXPECT_EQ(Lit(After([] {
                  LockLaserBoss71B_Draw();
                  LockLaserBoss5BB_Draw();
              })),
              0);
    LockLaserBoss41A[0] = LockLaserBoss71B[0];
    EXPECT_EQ(Lit(After([] { LockLaserBoss41A_Draw(); })) > 0, true) << "Boss41A: the beam for ship type 1";
}

// The beam's jitter and colours come from the game's own generator, the one every reset reseeds: the
// same seed draws the same beam, and one beam takes eight numbers (jitter, green, six blues).
TEST_F(WeaponsDrawTest, TheBeamTakesItsJitterAndColoursFromTheGameGenerator) {
    PlayerState.shipType = 2;
    PlayerState.x = 300;
    PlayerState.y = 400;
    Szak21Marks[0] = LockMark{250, 100, 1};
    LockLaserSzak21[0].alive = 1;
    LockLaserSzak21[0].launchDx = -90;
    LockLaserSzak21[0].launchDy = -270;

    host::SRand(7);
    for (i32 i = 0; i < 8; ++i) host::Rand();
    const u32 afterEight = host::RandState();

    host::SRand(7);
    const auto first = After([] { LockLaserSzak21_Draw(); });
    EXPECT_EQ(host::RandState(), afterEight);
    host::SRand(7);
    EXPECT_EQ(After([] { LockLaserSzak21_Draw(); }), first);
}

TEST_F(WeaponsDrawTest, TheParadeDrawsEveryImageAtItsOwnPlace) {
    EXPECT_EQ(Lit(After([] { BossParade_Draw(); })), 0);
    ParadeSlots[0] = ParadeSlot{10, 100.0f, 20.0f, 178.0f, 1};
    const auto one = After([] { BossParade_Draw(); });
    EXPECT_GT(Lit(one), 1000);
    EXPECT_EQ(one, After([] { elDraw::PutSprite(100, 20, imgBOSS11, 0, 0, 440, 360); }));
    ParadeSlots[1] = ParadeSlot{400, 100.0f, 300.0f, 0.0f, 1};  // its sheet was never loaded: object 0
    const auto two = After([] { BossParade_Draw(); });
    const auto expected = After([] {
        for (i32 n = 0; n < 2; ++n) {
            elDraw::PutSprite(100, 20, imgBOSS11, 0, 0, 440, 360);
            elDraw::PutSprite(100, 300, imgBOSS2B, 0, 0, 440, 380);
        }
    });
    EXPECT_EQ(imgBOSS2B, 0);
    EXPECT_EQ(two, expected);
}

TEST_F(WeaponsDrawTest, TheBannerGrowsAroundY240WhileTheGameIsOver) {
    BannerHeight = 100.0f;
    EXPECT_EQ(Lit(After([] { Banner_Draw(); })), 0);
    EXPECT_EQ(BannerHeight, 100.0f);
    GameOver = 1;
    const auto drawn = After([] { Banner_Draw(); });
    EXPECT_FLOAT_EQ(BannerHeight, 100.0f + 30.0f * 0.016f);
    EXPECT_EQ(drawn, After([] { elDraw::PutStretch(170, 190, imgMYMY, 81, 70, 136, 80, 300, 100); }));
    EXPECT_GT(Lit(drawn), 0);
    EXPECT_EQ(Rows(drawn), (std::pair<i32, i32>{190, 289}));
    BannerHeight = 480.0f;
    EXPECT_EQ(Rows(After([] { Banner_Draw(); })), (std::pair<i32, i32>{0, 479}));
}

TEST_F(WeaponsDrawTest, TheOverlayDrawsFromAnUnloadedSheet) {
    ShipOverlay[0] = ShipOverlayRecord{100.0f, 200.0f, 20, 0};
    const auto drawn = After([] { Overlay4_Draw(); });
    EXPECT_EQ(drawn, After([] { elDraw::PutSprite(100, 200, 0, 0, 0, 440, 380); }));
}

}  // namespace
