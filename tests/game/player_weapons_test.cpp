// The ship's weapons: fire timelines, the burst, shot motion, the collision passes, the death explosion
// and the power item.
#include <gtest/gtest.h>

#include <cmath>

#include "game/enemy/szak12_data.h"
#include "game/enemy/szak21_data.h"
#include "game/enemy/szak52_data.h"
#include "game/player/collide.h"
#include "game/player/death.h"
#include "game/player/item.h"
#include "game/player/player.h"
#include "game/player/shots.h"
#include "game/stage/boss_data.h"
#include "host/crt.h"
#include "support/player_fixture.h"

namespace {

class WeaponsTest : public kt::PlayerFixture {
protected:
    static i32 LiveMain() {
        i32 n = 0;
        for (const PlayerShot& s : MainShots) n += s.alive;
        return n;
    }
    static i32 LiveSide() {
        i32 n = 0;
        for (const SideShot& s : SideShots) n += s.alive;
        return n;
    }
};

TEST_F(WeaponsTest, TheMainShotLeavesOnTheFourthRunAndTheTimelineWraps) {
    for (i32 i = 0; i < 3; ++i) Player_AutoFireMain();
    EXPECT_EQ(LiveMain(), 0);
    Player_AutoFireMain();
    ASSERT_EQ(MainShots[1].alive, 1) << "group 1 first";
    EXPECT_EQ(MainShots[1].x, 370);
    EXPECT_EQ(MainShots[1].y, 520 - 38);
    EXPECT_EQ(MainShots[1].dy, 10);
    EXPECT_EQ(PlayerState.muzzleFlash, 1);
    EXPECT_EQ(MainShots[27].alive, 0) << "no pellets without the power-up";
    for (i32 i = 4; i < 100; ++i) Player_AutoFireMain();
    EXPECT_EQ(MainShots[25].alive, 1);
    EXPECT_EQ(PlayerState.fireClock, 0) << "wrapped at 100";
    EXPECT_EQ(MainShots[0].alive, 0) << "group 0 is never filled";
    EXPECT_EQ(LiveMain(), 25);
    MainShots[1].alive = 0;
    for (i32 i = 0; i < 4; ++i) Player_AutoFireMain();
    EXPECT_EQ(MainShots[1].alive, 1);
}

TEST_F(WeaponsTest, ALaunchIntoASlotInFlightIsSkipped) {
    PlayerState.powerFlag = 1;
    MainShots[1] = PlayerShot{1, 2, 0, 10, 1};
    for (i32 i = 0; i < 4; ++i) Player_AutoFireMain();
    EXPECT_EQ(MainShots[1].x, 1) << "still the old shot";
    EXPECT_EQ(PlayerState.muzzleFlash, 0);
    EXPECT_EQ(MainShots[27].x, 370 - 15);
    EXPECT_EQ(MainShots[53].x, 370 + 15);
    EXPECT_EQ(MainShots[53].dx, 2);
    for (i32 i = 0; i < 4; ++i) Player_AutoFireMain2();
    EXPECT_EQ(MainShots2[1].x, 370);
    EXPECT_EQ(MainShots2[27].x, 370 - 30);
    EXPECT_EQ(MainShots2[53].dx, 3);
    EXPECT_EQ(PlayerState.muzzleFlash2, 1);
}

TEST_F(WeaponsTest, CWithShiftRunsTheTimelineTwiceAFrame) {
    Hold('C');
    Hold(host::kVkShift);
    Player_Move();
    EXPECT_EQ(PlayerState.fireClock, 0);
    Player_Move();
    EXPECT_EQ(PlayerState.fireClock, 2);
}

TEST_F(WeaponsTest, TheBurstLasts147FramesAndLaunches49Volleys) {
    Hold('C');
    Hold('V');
    Player_Move();
    Player_Move();
    ASSERT_EQ(PlayerState.burstActive, 1);
    EXPECT_EQ(PlayerState.mainShotEnabled, 0);
    EXPECT_EQ(PlayerState.fireClock, 0) << "nothing fires in the frame the burst starts";
    i32 frames = 0;
    while (PlayerState.burstActive) {
        Player_SideBurst();
        ++frames;
    }
    EXPECT_EQ(frames, 147);
    EXPECT_EQ(LiveSide(), 49 * 4);
    EXPECT_EQ(SideShots[0].alive + SideShots[50].alive + SideShots[100].alive + SideShots[150].alive, 0);
    EXPECT_EQ(SideShots[49].x, 370 + 12);
    EXPECT_EQ(SideShots[99].x, 370 + 28);
    EXPECT_EQ(SideShots[149].y, 520 + 10);
    EXPECT_EQ(PlayerState.mainShotEnabled, 1);
    EXPECT_EQ(PlayerState.mainShot2Enabled, 1);
}

TEST_F(WeaponsTest, SideShotsCurlOutAndClimb) {
    SideShots[3] = SideShot{300, 500, 0, 1};    // large left
    SideShots[153] = SideShot{300, 500, 0, 1};  // small right
    FrameTime = 0.1f;                            // two path units a frame
    Collide_PlayerWeapons();
    EXPECT_EQ(SideShots[3].x, 294);
    EXPECT_EQ(SideShots[3].y, 500);
    EXPECT_EQ(SideShots[153].x, 306);
    Collide_PlayerWeapons();  // clock 4
    EXPECT_EQ(SideShots[3].y, 497);
    FrameTime = 0.125f;  // 2.5 units: a clock of 6.5 lies between two windows
    Collide_PlayerWeapons();
    EXPECT_EQ(SideShots[3].x, 288) << "a clock between windows adds nothing";
    EXPECT_EQ(SideShots[3].y, 497);
}

TEST_F(WeaponsTest, ASideShotPastItsLastWindowIsRetired) {
    SideShots[10] = SideShot{300, 500, 199.0f, 1};
    SideShots[110] = SideShot{300, 500, 199.0f, 1};
    FrameTime = 0.1f;  // clock 201: past the large path's end, still inside the small one's
    Collide_PlayerWeapons();
    EXPECT_EQ(SideShots[10].alive, 0);
    EXPECT_EQ(SideShots[10].pathClock, 0.0f);
    EXPECT_EQ(SideShots[110].alive, 1);
    EXPECT_EQ(SideShots[110].y, 494);
}

TEST_F(WeaponsTest, AShotAboveTheTopIsFreedButStillStrikes) {
    Szak12Slots[0].active = 1;
    Szak12Slots[0].x = 300;
    Szak12Slots[0].y = -10;
    MainShots[5] = PlayerShot{300, -51, 0, 10, 1};
    Collide_PlayerWeapons();
    EXPECT_EQ(MainShots[5].alive, 0);
    EXPECT_EQ(MainShots[5].y, -61);
    EXPECT_EQ(Szak12Slots[0].hit, 1);
    EXPECT_EQ(Score, 50);
}

TEST_F(WeaponsTest, AnEnemyAboveThePassThresholdCannotBeHit) {
    Szak12Slots[1].active = 1;
    Szak12Slots[1].x = 300;
    Szak12Slots[1].y = -11;
    MainShots[5] = PlayerShot{300, 10, 0, 10, 1};
    Collide_PlayerWeapons();
    EXPECT_EQ(Szak12Slots[1].hit, 0);
    Szak12Slots[1].y = -10;
    MainShots[5] = PlayerShot{300, 10, 0, 10, 1};
    Collide_PlayerWeapons();
    EXPECT_EQ(Szak12Slots[1].hit, 1);
    EXPECT_EQ(Score, 50);
    MainShots[5].alive = 0;

    Szak52ASlots[0].active = 1;
    Szak52ASlots[0].x = 300;
    Szak52ASlots[0].y = 4;  // side shots strike this family only from y 5 on
    SideShots[20] = SideShot{310, 30, 30.0f, 1};
    FrameTime = 0.0f;
    Collide_PlayerWeapons();
    EXPECT_EQ(Szak52ASlots[0].hit, 0);
    Szak52ASlots[0].y = 5;
    Collide_PlayerWeapons();
    EXPECT_EQ(Szak52ASlots[0].hit, 1);
}

TEST_F(WeaponsTest, AShotThroughAStillEnemyScoresOnEveryFrameOfTheBox) {
    Szak12Slots[2].active = 1;
    Szak12Slots[2].x = 300;
    Szak12Slots[2].y = 300;
    MainShots[7] = PlayerShot{300, 405, 0, 10, 1};  // its points pass y 345, 335, ... 245
    i32 strikes = 0;
    while (MainShots[7].alive) {
        const i32 before = Score;
        Collide_PlayerWeapons();
        if (Score > before) ++strikes;
    }
    EXPECT_EQ(strikes, 11);
    EXPECT_EQ(Score, 11 * 50);
}

TEST_F(WeaponsTest, TheSecondMainShotAwardsItsOwnPoints) {
    Szak21ASlots[0].active = 1;
    Szak21ASlots[0].x = 300;
    Szak21ASlots[0].y = 100;
    MainShots2[3] = PlayerShot{310, 110, 0, 10, 1};
    Collide_PlayerWeapons();
    EXPECT_EQ(Szak21ASlots[0].hit, 1);
    EXPECT_EQ(Score, 20);
}

TEST_F(WeaponsTest, ABossHitFreesTheShotAndTakes100TimesTheFrameTime) {
    Boss11State.x = 200;
    Boss11State.y = 100;
    Boss11State.hitFlag = 0;
    MainShots[9] = PlayerShot{300, 130, 0, 10, 1};
    MainShots2[9] = PlayerShot{279, 130, 0, 10, 1};  // just left of the box
    Collide_PlayerWeapons();
    EXPECT_EQ(MainShots[9].alive, 0);
    EXPECT_EQ(MainShots2[9].alive, 1);
    EXPECT_EQ(Boss11State.hitFlag, 1);
    EXPECT_FLOAT_EQ(Boss11State.hp, 1020.0f - 100.0f * 0.016f);
    EXPECT_EQ(Score, 50);

    SideShots[60] = SideShot{300, 200, 30.0f, 1};
    Collide_PlayerWeapons();
    EXPECT_EQ(SideShots[60].alive, 1) << "a side shot flies on";
    EXPECT_FLOAT_EQ(Boss11State.hp, 1020.0f - 100.0f * 0.016f - 3.0f * 0.016f);

    Boss11State.y = -1;  // still coming down: out of reach
    MainShots[9] = PlayerShot{300, 130, 0, 10, 1};
    Collide_PlayerWeapons();
    EXPECT_EQ(MainShots[9].alive, 1);
}

TEST_F(WeaponsTest, ADeathCostsSixteenLivesAndReturnsTheShipAtFrame50) {
    PlayerState.x = 300;
    PlayerState.y = 400;
    PlayerState.powerFlag = 1;
    PlayerState.alive = 0;
    Player_Update();
    for (i32 i = 0; i < 16; ++i) ASSERT_EQ(DeathFragments[i].launched, 1);
    EXPECT_EQ(DeathFragments[16].launched, 0);
    EXPECT_EQ(DeathFragments[0].speed, 280.0f);
    EXPECT_EQ(PlayerState.powerFlag, 0);
    PlayerState.x = 350;  // the ship drifts while it explodes
    for (i32 frame = 2; frame <= 10; ++frame) Player_Update();
    EXPECT_EQ(DeathFragments[16].launched, 1);
    EXPECT_EQ(DeathFragments[16].dx, 20.0f - 350.0f);
    for (i32 frame = 11; frame <= 39; ++frame) Player_Update();
    EXPECT_EQ(Lives, 999);
    Player_Update();  // frame 40: the fifth ring
    EXPECT_EQ(Lives, 999 - 16);
    for (i32 frame = 41; frame <= 49; ++frame) Player_Update();
    EXPECT_EQ(PlayerState.alive, 0);
    Player_Update();
    EXPECT_EQ(PlayerState.alive, 1);
    EXPECT_EQ(PlayerState.respawning, 1);
}

TEST_F(WeaponsTest, AFragmentLeavesTheScreenAndIsParked) {
    PlayerState.x = 300;
    PlayerState.y = 400;
    PlayerExplosion_Step(0);
    DeathFragment& f = DeathFragments[0];  // aimed at the screen point (20, 20)
    EXPECT_NEAR(std::atan2(20.0f - f.y, 20.0f - f.x), std::remainder(f.angle, 6.2831853f), 1e-4);
    FrameTime = 1.0f;  // 280 pixels a move
    PlayerExplosion_Move(0);
    PlayerExplosion_Move(0);
    EXPECT_EQ(f.launched, 1);
    EXPECT_LT(f.y, 0.0f);
    PlayerExplosion_Move(0);
    EXPECT_EQ(f.launched, 0);
    EXPECT_EQ(f.y, 2550.0f);
}

TEST_F(WeaponsTest, SixtyTwoDeathsFitIntoANewGame) {
    i32 deaths = 0;
    while (Lives > 0) {
        PlayerState.alive = 0;
        PlayerState.respawning = 0;
        DeathFragments_Reset();
        for (i32 i = 0; i < 40; ++i) PlayerExplosion_Step(0);
        ++deaths;
    }
    EXPECT_EQ(deaths, 63);
    EXPECT_EQ(Lives, -9);
}

TEST_F(WeaponsTest, TheItemFallsAndIsPickedUpOnlyBelowY50) {
    host::SRand(7);
    Item_Spawn();
    EXPECT_EQ(PowerItem.falling, 1);
    EXPECT_EQ(PowerItem.y, -60.0f);
    EXPECT_TRUE(PowerItem.x >= 210 && PowerItem.x <= 529);
    EXPECT_TRUE(PowerItem.speed >= 100 && PowerItem.speed <= 229);
    EXPECT_EQ(PlayerState.itemCount, 1);
    const f32 x = PowerItem.x;
    Item_Spawn();
    EXPECT_EQ(PowerItem.x, x) << "one item at a time";

    PowerItem.speed = 100;
    FrameTime = 1.1f;
    Item_Move();
    EXPECT_FLOAT_EQ(PowerItem.y, 50.0f);
    PlayerState.x = PowerItem.x + 60;
    PlayerState.y = PowerItem.y;
    Collide_PlayerWeapons();
    EXPECT_EQ(PowerItem.taken, 0) << "not while y is 50 or less";
    PowerItem.y = 50.5f;
    Collide_PlayerWeapons();
    EXPECT_EQ(PowerItem.taken, 1);
    EXPECT_EQ(Score, 500);
    Item_Draw();
    EXPECT_EQ(PlayerState.powerFlag, 1);
    EXPECT_EQ(Bombs, 6) << "the first item since the last destruction adds one bomb";
    EXPECT_EQ(PowerItem.falling, 0);
    EXPECT_EQ(PowerItem.y, 2550.0f);

    PowerItem.falling = 1;
    PowerItem.y = 599;
    FrameTime = 0.016f;
    Item_Move();
    Item_Move();
    EXPECT_EQ(PowerItem.falling, 0) << "fallen out";
}

TEST_F(WeaponsTest, APickUpAddsBombsByTheItemCount) {
    const i32 counts[] = {0, 1, 2, 3, 7};
    const i32 added[] = {2, 1, 1, 2, 2};
    for (i32 i = 0; i < 5; ++i) {
        Bombs = 5;
        PlayerState.itemCount = counts[i];
        PowerItem.taken = 1;
        Item_Draw();
        EXPECT_EQ(Bombs, 5 + added[i]) << "item count " << counts[i];
    }
}

}  // namespace
