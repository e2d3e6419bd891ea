// A strike on a slot that is not live changes nothing and awards nothing, whichever weapon makes it: the
// hit probes, the shots' pass, the homing rays and the lock-on lasers. A live slot is struck as always.
#include <gtest/gtest.h>

#include "game/enemy/szak21.h"
#include "game/enemy/szak6_data.h"
#include "game/enemy/szakmix.h"
#include "game/player/collide.h"
#include "game/player/homing.h"
#include "game/player/laser.h"
#include "game/player/shots.h"
#include "support/player_fixture.h"

namespace {

using EnemyStrikeTest = kt::PlayerFixture;

TEST_F(EnemyStrikeTest, AProbeMarksOnlyALiveSlot) {
    Szak21A_HitProbe(1);
    SzakMix_HitProbe(4);
    Szak21C_HitProbe(7);  // outside the array
    EXPECT_EQ(Szak21ASlots[1].hit, 0);
    EXPECT_EQ(SzakMixSlots[4].hit, 0);
    Szak21ASlots[1].active = SzakMixSlots[4].active = 1;
    Szak21A_HitProbe(1);
    SzakMix_HitProbe(4);
    EXPECT_EQ(Szak21ASlots[1].hit, 1);
    EXPECT_EQ(SzakMixSlots[4].hit, 1);
}

TEST_F(EnemyStrikeTest, AShotPassingAFreeRecordScoresNothing) {
    EnemySlot& e = Szak22BSlots[0];
    e.x = 300;
    e.y = 200;
    MainShots[4] = PlayerShot{310, 230, 0, 10, 1};
    Collide_PlayerWeapons();
    EXPECT_EQ(e.hit, 0);
    EXPECT_EQ(Score, 0);
    e.active = 1;
    MainShots[4] = PlayerShot{310, 230, 0, 10, 1};
    Collide_PlayerWeapons();
    EXPECT_EQ(e.hit, 1);
    EXPECT_EQ(Score, 50);
}

TEST_F(EnemyStrikeTest, AHomingRayAtAFreedSlotsMarkAwardsNothing) {
    FrameTime = 0;
    Szak6AMarks[2] = LockMark{290, 0, 0};  // where an explosion leaves the mark: inside the field
    HomingRay& r = HomingRay1[2][kRaysPerTarget - 1];
    auto last = [&] {
        r.alive = 1;
        r.x = 300;
        r.y = 10;
        r.step = 5.0f;
        HomingRay1_Update(0);
    };
    last();
    EXPECT_EQ(r.alive, 0) << "the ray ends at the mark all the same";
    EXPECT_EQ(Szak6ASlots[2].hit, 0);
    EXPECT_EQ(Score, 0);
    Szak6ASlots[2].active = 1;
    last();
    EXPECT_EQ(Szak6ASlots[2].hit, 1);
    EXPECT_EQ(Score, 300);
}

TEST_F(EnemyStrikeTest, ALaserAtAFreedSlotsMarkLeavesTheMarkAndAwardsNothing) {
    FrameTime = 0;
    Szak22Marks[0] = LockMark{200, 100, 1};
    auto strike = [] {
        LockLaser& l = LockLaserSzak22[0];
        l.alive = 1;
        l.x = 220;
        l.y = 125;
        LockLaserSzak22_Update(0);
        return l.alive;
    };
    EXPECT_EQ(strike(), 0);
    EXPECT_EQ(Szak22ASlots[0].hit, 0);
    EXPECT_EQ(Szak22Marks[0].locked, 1);
    EXPECT_EQ(Score, 0);
    Szak22ASlots[0].active = 1;
    EXPECT_EQ(strike(), 0);
    EXPECT_EQ(Szak22ASlots[0].hit, 1);
    EXPECT_EQ(Szak22Marks[0].locked, 0);
    EXPECT_EQ(Score, 300);
}

}  // namespace
