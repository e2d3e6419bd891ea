// The resets: a new game, a stage's state with every small-enemy pool and weapon, and the boss pools.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>

#include "game/bossfire/aimfan_data.h"
#include "game/bossfire/arc_data.h"
#include "game/bossfire/arm_data.h"
#include "game/bossfire/beam_data.h"
#include "game/bossfire/drops_data.h"
#include "game/bossfire/lightning_data.h"
#include "game/bossfire/ring_data.h"
#include "game/bossfire/rot5way_data.h"
#include "game/bossfire/rotchain_data.h"
#include "game/bossfire/rotfan_data.h"
#include "game/bossfire/stream_data.h"
#include "game/bossfire/volley_data.h"
#include "game/common/stage_state.h"
#include "game/enemy/spare_data.h"
#include "game/enemy/szak10_data.h"
#include "game/enemy/szak12_data.h"
#include "game/enemy/szak13_data.h"
#include "game/enemy/szak1_data.h"
#include "game/enemy/szak21_data.h"
#include "game/enemy/szak30a_data.h"
#include "game/enemy/szak30b_data.h"
#include "game/enemy/szak52_data.h"
#include "game/enemy/szak6_data.h"
#include "game/enemy/szakmix_data.h"
#include "game/player/bomb_data.h"
#include "game/player/death.h"
#include "game/player/homing_data.h"
#include "game/player/item.h"
#include "game/player/lockon_data.h"
#include "game/player/player.h"
#include "game/player/shots.h"
#include "game/shell/shell.h"
#include "game/stage/backdrop_data.h"
#include "game/stage/boss_data.h"
#include "host/headless/headless.h"

namespace hl = host::headless;

namespace {

template <class R, size_t N>
void Dirty(R (&pool)[N]) {
    std::memset(static_cast<void*>(pool), 0x7f, sizeof pool);
}
template <class R>
void Dirty(const PoolRef<R>& p) {
    std::memset(static_cast<void*>(p.slots), 0x7f, sizeof(R) * static_cast<size_t>(p.count));
}
constexpr i32 kDirtyInt = 0x7f7f7f7f;

class ResetTest : public ::testing::Test {
protected:
    void SetUp() override { hl::SetWallSeconds(1'000'000); }
};

// The small-enemy ships: every pool at its park, every counter 0.
template <class R, size_t N>
void ExpectParkedShips(R (&pool)[N], FloatPoint park, const char* name) {
    for (size_t k = 0; k < N; ++k) {
        const R& e = pool[k];
        EXPECT_EQ(e.x, park.x) << name << k;
        EXPECT_EQ(e.y, park.y) << name << k;
        EXPECT_EQ(e.vx, 0.0f) << name << k;
        EXPECT_EQ(e.vy, 0.0f) << name << k;
        EXPECT_EQ(e.active + e.hit + e.hitGuard + e.blastLoop + e.blastFrame, 0) << name << k;
    }
}

template <class R, size_t N>
void ExpectParkedAimed(R (&pool)[N], const char* name) {
    for (size_t k = 0; k < N; ++k) {
        EXPECT_EQ(pool[k].x, ParkPosition.x) << name << k;
        EXPECT_EQ(pool[k].y, ParkPosition.y) << name << k;
        EXPECT_EQ(pool[k].heading, ResetHeading) << name << k;
        EXPECT_EQ(pool[k].speed, 0.0f) << name << k;
        EXPECT_EQ(pool[k].active, 0) << name << k;
    }
}

TEST_F(ResetTest, TheStageResetParksEveryShipAndShot) {
    Dirty(SzakMixSlots), Dirty(Szak10Slots), Dirty(Szak1ASlots), Dirty(Szak6ASlots), Dirty(Szak12Slots);
    Dirty(Szak13BSlots), Dirty(Szak52ASlots), Dirty(Szak21BSlots), Dirty(Szak22CSlots), Dirty(Szak31ASlots);
    Dirty(Szak33BSlots), Dirty(SpareEnemySlots), Dirty(LockScanEnemySlotsB);
    Dirty(SzakMixShot2Slots), Dirty(Szak6BShot1Slots), Dirty(Szak1BShot1Slots), Dirty(Szak52BShot2Slots);
    Dirty(Szak10Shot1Slots), Dirty(Szak6AShot7Slots), Dirty(Szak12Shot9Slots), Dirty(Szak22BShot1Slots);
    Dirty(Szak30BShot1Slots), Dirty(Szak6BMarks), Dirty(Szak21Marks), Dirty(Boss4BLockPointsB);
    Dirty(HomingRay3), Dirty(LockLaserBoss4BA), Dirty(BombPieces), Dirty(MainShots), Dirty(SideShots);
    Dirty(DeathFragments), Dirty(ParadeSlots), Dirty(StarSpecks);

    Game_ResetState();

    ExpectParkedShips(SzakMixSlots, ParkPosition, "SzakMix");
    ExpectParkedShips(Szak10Slots, ParkPosition, "Szak10");
    ExpectParkedShips(Szak13BSlots, ParkPosition, "Szak13B");
    ExpectParkedShips(Szak52ASlots, ParkPosition, "Szak52A");
    ExpectParkedShips(Szak21BSlots, ParkPosition, "Szak21B");
    ExpectParkedShips(SpareEnemySlots, ParkPosition, "spare");
    ExpectParkedShips(LockScanEnemySlotsB, ParkPosition, "lock pass");
    ExpectParkedShips(Szak12Slots, FormationPark, "Szak12");
    ExpectParkedShips(Szak31ASlots, FormationPark, "Szak31A");
    ExpectParkedShips(Szak33BSlots, FormationPark, "Szak33B");
    ExpectParkedShips(Szak22CSlots, ParkPosition, "Szak22C");
    for (const MixEnemySlot& e : SzakMixSlots) EXPECT_TRUE(e.type >= 0 && e.type <= 3);
    EXPECT_EQ(Szak1ASlots[2].animFrame, kDirtyInt) << "the fighters keep their animation cell";
    EXPECT_EQ(Szak6ASlots[1].spinAngle, kDirtyInt) << "the saucers keep their spin";
    EXPECT_NE(Szak22CSlots[0].scriptTime, 0.0f) << "the stream families keep their script time";
    EXPECT_EQ(Szak31ASlots[4].scriptTime, 0.0f);
    EXPECT_EQ(Szak31ASlots[4].waveClock, 0);
    EXPECT_EQ(Szak22CSlots[4].waveClock, 0);

    ExpectParkedAimed(SzakMixShot2Slots, "SzakMixShot2");
    ExpectParkedAimed(Szak6BShot1Slots, "Szak6BShot1");
    ExpectParkedAimed(Szak52BShot2Slots, "Szak52BShot2");
    ExpectParkedAimed(Szak6AShot7Slots, "Szak6AShot7");
    ExpectParkedAimed(Szak30BShot1Slots, "Szak30BShot1");
    for (const AimedShotSlot& s : SzakMixShot2Slots) {
        EXPECT_TRUE(s.animFrame >= 0 && s.animFrame <= 9);
        EXPECT_EQ(s.dx + s.dy + s.x0 + s.y0, 0.0f);
    }
    for (const AimedShotSlot& s : Szak1BShot1Slots) {
        EXPECT_EQ(s.x, ParkPosition.x);
        EXPECT_EQ(s.active, 0);
        EXPECT_NE(s.heading, ResetHeading) << "the shorter set keeps its aim fields";
    }
    EXPECT_EQ(Szak52BShot2Slots[3].emitClock, 0);
    EXPECT_EQ(Szak6AShot7Slots[3].emitClock, 0);
    for (const CurlFanShotSlot& s : Szak10Shot1Slots) {
        EXPECT_EQ(s.angle, ResetHeading);
        EXPECT_EQ(s.y, ParkPosition.y);
        EXPECT_EQ(s.turnClock + s.driftX + s.speed, 0.0f);
    }
    for (const BulletSlot& b : Szak12Shot9Slots) {
        EXPECT_TRUE(b.animFrame >= 0 && b.animFrame <= 9);
        EXPECT_EQ(b.y, ParkPosition.y);
        EXPECT_EQ(b.active, 0);
        EXPECT_EQ(b.emitClock, kDirtyInt) << "the emit clock is left";
    }
    EXPECT_EQ(Szak22BShot1Slots[9].x, ParkPosition.x);

    for (const LockMark& m : Szak6BMarks) EXPECT_TRUE(m.x == -500 && m.y == 500 && m.locked == 0);
    for (const LockMark& m : Szak21Marks) EXPECT_TRUE(m.x == -500 && m.y == 500 && m.locked == 0);
    for (const LockPoint& p : Boss4BLockPointsB) EXPECT_TRUE(p.x == -500 && p.y == 500 && p.locked == 0);
    for (const auto& target : HomingRay3)
        for (const HomingRay& r : target) EXPECT_TRUE(r.y == 2550.0f && r.angle == ResetHeading && r.alive == 0);
    for (const LockLaser& l : LockLaserBoss4BA) EXPECT_TRUE(l.y == 2550.0f && l.angle == ResetHeading && l.alive == 0);
    for (const BombPiece& b : BombPieces) EXPECT_TRUE(b.x == -500 && b.y == 500 && b.alive == 0 && b.angle == ResetHeading);
    for (const PlayerShot& s : MainShots) {
        EXPECT_TRUE(s.x == -500 && s.y == 500 && s.alive == 0);
        EXPECT_EQ(s.dy, kDirtyInt) << "the steps are left";
    }
    for (const SideShot& s : SideShots) EXPECT_TRUE(s.x == -500 && s.y == 500 && s.alive == 0 && s.pathClock == 0);
    for (const DeathFragment& f : DeathFragments) {
        EXPECT_TRUE(f.y == 2550.0f && f.angle == ResetHeading && f.launched == 0 && f.timer == 0);
    }
    for (const ParadeSlot& p : ParadeSlots) EXPECT_TRUE(p.y == 2550.0f && p.active == 0 && p.clock == 0);
    for (const StarSpeck& s : StarSpecks) {
        EXPECT_TRUE(s.kind >= 0 && s.kind <= 6);
        EXPECT_TRUE(s.x >= -400 && s.x <= 839);
        EXPECT_TRUE(s.y >= 0 && s.y <= 479);
        EXPECT_TRUE(s.speed >= 100 && s.speed <= 199);
        EXPECT_EQ(s.vx, 0.0f);
    }
}

TEST_F(ResetTest, TheStageResetIsRepeatableForTheSameSecond) {
    Game_ResetState();
    StarSpeck first[kStarSpecks];
    std::memcpy(first, StarSpecks, sizeof first);
    const i32 mixType = SzakMixSlots[7].type;
    Game_ResetState();
    EXPECT_EQ(std::memcmp(first, StarSpecks, sizeof first), 0);
    EXPECT_EQ(SzakMixSlots[7].type, mixType);
    hl::SetWallSeconds(1'000'001);
    Game_ResetState();
    EXPECT_NE(std::memcmp(first, StarSpecks, sizeof first), 0) << "the star field follows the clock";
}

TEST_F(ResetTest, AStageClearKeepsTheGameAndFreesThePlay) {
    Game_NewGame();
    Score = 4321;
    Lives = 500;
    Bombs = 9;
    Level = 3;
    HiScore = 9999;
    PlayMode = 1;
    PlayerState.powerFlag = 1;
    PlayerState.itemCount = 2;
    PlayerState.x = 300;
    PlayerState.y = 400;
    PlayerState.controlMouse = 1;
    PlayerState.noDeath = 1;
    PlayerState.shipType = 1;
    StageState.backdropMode = 1;
    Backdrop3Tiles[0].y = 77;
    PlayerState.vx = 160;
    PlayerState.tilt = 6;
    PlayerState.tiltDir = -1;
    PlayerState.alive = 0;
    PlayerState.respawning = 1;
    PlayerState.fireClock = 37;
    PlayerState.burstActive = 1;
    PlayerState.mainShotEnabled = 0;
    StageState.distance = 900;
    StageState.paused = 1;
    StageState.continuePrompt = 1;
    PowerItem.falling = 1;

    Game_ResetState();
    Game_ResetPools();

    EXPECT_EQ(Score, 4321);
    EXPECT_EQ(Lives, 500);
    EXPECT_EQ(Bombs, 9);
    EXPECT_EQ(Level, 3);
    EXPECT_EQ(HiScore, 9999);
    EXPECT_EQ(PlayerState.powerFlag, 1);
    EXPECT_EQ(PlayerState.itemCount, 2);
    EXPECT_EQ(PlayerState.x, 300.0f);
    EXPECT_EQ(PlayerState.y, 400.0f);
    EXPECT_EQ(PlayerState.controlMouse, 1);
    EXPECT_EQ(PlayerState.noDeath, 1);
    EXPECT_EQ(StageState.backdropMode, 1);
    EXPECT_EQ(Backdrop3Tiles[0].y, 77.0f);

    EXPECT_EQ(PlayerState.vx, 0.0f);
    EXPECT_EQ(PlayerState.tilt, 3);
    EXPECT_EQ(PlayerState.tiltDir, 0);
    EXPECT_EQ(PlayerState.alive, 1);
    EXPECT_EQ(PlayerState.respawning, 0);
    EXPECT_EQ(PlayerState.fireClock, 0);
    EXPECT_EQ(PlayerState.burstActive, 0);
    EXPECT_EQ(PlayerState.mainShotEnabled, 1);
    EXPECT_EQ(PlayerState.mainShot2Enabled, 1);
    EXPECT_EQ(PlayerState.lockSightX, -500);
    EXPECT_EQ(StageState.distance, 0.0f);
    EXPECT_EQ(StageState.paused, 0);
    EXPECT_EQ(StageState.continuePrompt, 0);
    EXPECT_EQ(PowerItem.falling, 0);
    EXPECT_EQ(PowerItem.y, 2550.0f);
    EXPECT_EQ(TimeLeft, 800);
}

TEST_F(ResetTest, ANewGameLaysOutTheStripsAndStartsTheCounts) {
    Score = 5;
    HiScore = 800;
    Level = 3;
    Game_NewGame();
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(Lives, 999);
    EXPECT_EQ(Bombs, 5);
    EXPECT_EQ(Level, 0);
    EXPECT_EQ(HiScore, 800);
    EXPECT_EQ(PlayerState.x, 370.0f);
    EXPECT_EQ(PlayerState.y, 520.0f);
    const struct {
        BackdropTile* tiles;
        f32 x;
    } layers[] = {{Backdrop1Tiles, 180}, {Backdrop2Tiles, 180}, {Backdrop3Tiles, 180}, {Backdrop4BTiles, 80},
                  {Backdrop4Tiles, 80},  {Backdrop6Tiles, 80},  {Backdrop7Tiles, 80},  {Backdrop8Tiles, -500}};
    for (const auto& l : layers) {
        EXPECT_EQ(l.tiles[0].x, l.x);
        EXPECT_EQ(l.tiles[0].y, 120.0f);
        EXPECT_EQ(l.tiles[4999].y, 120.0f - 480.0f * 4999);
        EXPECT_EQ(l.tiles[4999].drift, 0.0f);
    }
    EXPECT_EQ(Backdrop9Tiles[0].x, -500.0f);
    EXPECT_EQ(Backdrop9Tiles[0].y, 0.0f);
    EXPECT_EQ(Backdrop9Tiles[3].y, -1440.0f);
    for (const ShipOverlayRecord& o : ShipOverlay) EXPECT_TRUE(o.y == 2550.0f && o.frame == 0 && o.done == 0);
}

i32 BossBulletRecords() {
    i32 n = static_cast<i32>(std::size(Boss11AimFan1)) + 2;  // and the two beams
    for (const auto& p : VolleyPools) n += p.count;
    for (const auto& p : ArcPools) n += p.count;
    for (const auto& p : DropsPools) n += p.count;
    for (const auto& p : ArmPools) n += p.count;
    for (const auto& p : RingPools) n += p.count;
    for (const auto& p : AimFanPools) n += p.count;
    for (const auto& p : RotFanPools) n += p.count;
    for (const auto& p : Rot5WayPools) n += p.count;
    for (const auto& p : LightningPools) n += p.count;
    for (const auto& p : RotChainPools) n += p.count;
    for (const auto& p : StreamPools) n += p.count;
    return n;
}

TEST_F(ResetTest, TheBossBulletPoolsHoldTheirCountedRecords) {
    EXPECT_EQ(BossBulletRecords(), 9421);
    EXPECT_EQ(std::size(VolleyPools), 19u);
    EXPECT_EQ(std::size(ArcPools), 46u);
    EXPECT_EQ(std::size(DropsPools), 60u);
    EXPECT_EQ(std::size(ArmPools), 15u);
    EXPECT_EQ(std::size(RingPools), 22u);
    EXPECT_EQ(std::size(AimFanPools) + 1, 21u);
    EXPECT_EQ(std::size(RotFanPools), 30u);
    EXPECT_EQ(std::size(Rot5WayPools), 52u);
    EXPECT_EQ(std::size(StreamPools), 20u);
}

TEST_F(ResetTest, ThePoolResetParksEveryBossBulletAndRestoresTheBosses) {
    for (const auto& p : VolleyPools) Dirty(p);
    for (const auto& p : DropsPools) Dirty(p);
    for (const auto& p : RingPools) Dirty(PoolRef<RingBullet>{p.slots, p.count});
    for (const auto& p : AimFanPools) Dirty(PoolRef<AimFanBullet>{p.slots, p.count});
    for (const auto& p : RotFanPools) Dirty(PoolRef<RotFanBullet>{p.slots, p.count});
    for (const auto& p : Rot5WayPools) Dirty(p);
    for (const auto& p : StreamPools) Dirty(p);
    for (const auto& p : RotChainPools) Dirty(p);
    for (const auto& p : LightningPools) Dirty(p);
    Dirty(Boss11AimFan1);
    for (BossState* b : {&Boss11State, &Boss71State, &Boss31State}) std::memset(static_cast<void*>(b), 0x7f, sizeof *b);
    Boss11State.hitFlag = Boss71State.hitFlag = 1;
    Dirty(Boss31BigBlasts);
    Boss51Intro = BossIntro{1, 2, 3};

    Game_ResetPools();

    for (const auto& p : VolleyPools) {
        for (i32 k = 0; k < p.count; ++k) {
            const BulletSlot& b = p.slots[k];
            ASSERT_TRUE(b.x == -500.0f && b.y == 2550.0f && b.active == 0 && b.emitClock == 0 && b.vy == 0);
            ASSERT_TRUE(b.animFrame >= 0 && b.animFrame <= 9);
        }
    }
    for (const auto& p : RingPools) {
        for (i32 k = 0; k < p.count; ++k) {
            const RingBullet& r = p.slots[k];
            ASSERT_TRUE(r.y == 2550.0f && r.heading == ResetHeading && r.active == 0 && r.headingDeg == 0);
            ASSERT_TRUE(p.boss31Form ? r.animFrame == 0 : (r.animFrame >= 0 && r.animFrame <= 6));
        }
    }
    for (const auto& p : AimFanPools) {
        for (i32 k = 0; k < p.count; ++k) {
            const AimFanBullet& a = p.slots[k];
            ASSERT_TRUE(a.y == 2550.0f && a.heading == ResetHeading && a.emitClock == 0 && a.dx == 0);
            ASSERT_TRUE(a.animFrame >= 0 && a.animFrame < p.frameModulo);
        }
    }
    EXPECT_EQ(AimFanPools[0].slots, Boss11AimFan2);
    EXPECT_EQ(AimFanPools[0].frameModulo, 7);
    for (const MuzzleAimBullet& a : Boss11AimFan1) EXPECT_TRUE(a.y == 2550.0f && a.emitClock == 0 && a.active == 0);
    for (const auto& p : RotFanPools) {
        for (i32 k = 0; k < p.count; ++k) {
            ASSERT_TRUE(p.slots[k].y == 2550.0f && p.slots[k].heading == ResetHeading && p.slots[k].emitClock == 0);
            if (p.rotated) {
                ASSERT_EQ(p.slots[k].headingDeg, 0);
            }
        }
    }
    EXPECT_EQ(Boss11RotFan2[0].headingDeg, kDirtyInt) << "the unrotated family's degrees are not written";
    for (const auto& p : Rot5WayPools)
        for (i32 k = 0; k < p.count; ++k) ASSERT_TRUE(p.slots[k].y == 2550.0f && p.slots[k].heading == ResetHeading);
    for (const auto& p : StreamPools) {
        for (i32 k = 0; k < p.count; ++k) {
            const StreamBall& s = p.slots[k];
            ASSERT_TRUE(s.x == -500 && s.y == 500 && s.pathClock == 0 && s.active == 0);
        }
    }
    for (const auto& p : RotChainPools)
        for (i32 k = 0; k < p.count; ++k) ASSERT_TRUE(p.slots[k].y == 2550.0f && p.slots[k].linkClock == 0);
    for (const auto& p : LightningPools)
        for (i32 k = 0; k < p.count; ++k) ASSERT_TRUE(p.slots[k].y == 2550.0f && p.slots[k].active == 0);
    EXPECT_TRUE(Boss51Beam1.frame >= 0 && Boss51Beam1.frame <= 9 && Boss51Beam1.y == 2550.0f);

    const struct {
        const BossState* boss;
        f32 hp;
    } bosses[] = {{&Boss11State, 1020}, {&Boss71State, 1000}, {&Boss2BState, 600},  {&Boss41State, 800},
                  {&Boss51State, 1000}, {&Boss4BState, 1400}, {&Boss31State, 1500}, {&Boss5BState, 1220}};
    for (const auto& b : bosses) {
        EXPECT_EQ(b.boss->hp, b.hp);
        EXPECT_EQ(b.boss->x, -500.0f);
        EXPECT_EQ(b.boss->y, 2550.0f);
        EXPECT_EQ(b.boss->defeatClock, 0.0f);
        EXPECT_EQ(b.boss->attackClock, 0);
    }
    for (i32 i = 0; i < 18; ++i) EXPECT_EQ(Boss31State.emitterClock[i], 0);
    EXPECT_EQ(Boss11State.hitFlag, 0);
    EXPECT_EQ(Boss71State.hitFlag, 1) << "the other bosses clear their flag in their draw";
    for (const BossBlast& b : Boss31BigBlasts) EXPECT_TRUE(b.frame == 0 && b.y == 2550.0f);
    EXPECT_EQ(Boss51Intro.y, 2550.0f);
    EXPECT_EQ(Boss51Intro.speed, 0.0f);
}

TEST_F(ResetTest, TheHitRoutinesOnlyMarkTheirTarget) {
    Game_ResetPools();
    Boss41State.hitFlag = 0;
    Boss41_OnHit();
    EXPECT_EQ(Boss41State.hitFlag, 1);
    EXPECT_EQ(Boss41State.hp, 800.0f);
    Szak33BSlots[4].hit = 0;
    Szak33BSlots[4].active = 1;  // only a live slot can be struck
    Szak33B_HitProbe(4);
    EXPECT_EQ(Szak33BSlots[4].hit, 1);
    EXPECT_EQ(Szak33BSlots[3].hit, 0);
}

}  // namespace
