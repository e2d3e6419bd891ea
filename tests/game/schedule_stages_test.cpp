// The stages' schedules at their edges: when the boss section opens, which attacks each level brings,
// windows that share an end, and the windows of the escorts and power items.
#include <array>
#include <vector>

#include "game/bossfire/arc_data.h"
#include "game/bossfire/arm_data.h"
#include "game/bossfire/beam_data.h"
#include "game/bossfire/drops_data.h"
#include "game/bossfire/rot5way_data.h"
#include "game/bossfire/stream_data.h"
#include "game/common/boss_state.h"
#include "game/enemy/szakmix_data.h"
#include "game/player/item.h"
#include "game/player/player.h"
#include "game/stage/schedules.h"
#include "game/stage/stage_frame.h"
#include "game/stage_fixture.h"

namespace {

constexpr f32 kSixtieth = 1.0f / 60;

template <class Record, size_t N>
int Live(const Record (&pool)[N]) {
    int n = 0;
    for (const Record& r : pool) n += r.active != 0;
    return n;
}

class ScheduleStageTest : public kt::StageTest {
protected:
    // A game entered at `level` straight into the stage of `s`, without its backdrops.
    static void Enter(const StageScript& s, i32 level) {
        EnterStage(s.mode, level);
        StageState.backdropMode = 2;
    }
    // The same with the boss inside its section, hurt just enough to fire, its attack clock at 0.
    static void AtBoss(const StageScript& s, i32 level) {
        Enter(s, level);
        StageState.distance = s.bossFrom + 200;
        s.boss->hp = s.hpCeiling - 1;
    }
    // One stage frame as the main loop runs it; the ship shrugs off every hit.
    static void Frame(const StageScript& s, f32 ft = kSixtieth) {
        FrameTime = ft;
        Stage_RunFrame(s);
        ModeChanged = 0;
        PlayerState.respawning = 1;
        PlayerState.respawnTimer = 0;
    }
    // The boss's attack calls alone at attack clock `clock`.
    static void AttacksAt(const StageScript& s, i32 clock) {
        s.boss->attackClock = clock;
        s.attacks(s);
    }
};

TEST_F(ScheduleStageTest, StageOnesBossSectionOpensAtFrame3301) {
    Enter(Stage1Script, 1);
    for (int frame = 1; frame <= 3300; ++frame) Frame(Stage1Script);
    EXPECT_EQ(Boss11State.scriptClock, 0.0f) << "d = " << StageState.distance;
    EXPECT_LE(StageState.distance, 1100.0f);
    Frame(Stage1Script);
    EXPECT_GT(Boss11State.scriptClock, 0.0f) << "d = " << StageState.distance;
}

// The stage-1 boss throws its arms only at level 3, and only in attack frames 20 to 280 of every loop.
TEST_F(ScheduleStageTest, StageOnesArmsComeAtLevelThreeInAttackFrames20To280) {
    for (i32 level : {1, 3}) {
        AtBoss(Stage1Script, level);
        std::vector<i32> armed;  // attack clocks at which an arm was armed
        int firstLoop = 0;
        for (i32 loop = 0; loop < 2; ++loop) {
            for (i32 clock = 1; clock <= Stage1Script.loopLength; ++clock) {
                const int before = Live(Boss11Arm1) + Live(Boss11Arm2);
                AttacksAt(Stage1Script, clock);
                if (Live(Boss11Arm1) + Live(Boss11Arm2) > before) armed.push_back(clock);
            }
            // The arms in flight leave the field before the next loop.
            for (BulletSlot& b : Boss11Arm1) b.active = 0;
            for (BulletSlot& b : Boss11Arm2) b.active = 0;
            if (loop == 0) firstLoop = static_cast<int>(armed.size());
        }
        if (level == 1) {
            EXPECT_TRUE(armed.empty()) << "first at clock " << armed.front();
        } else {
            ASSERT_FALSE(armed.empty());
            for (i32 clock : armed) {
                EXPECT_GE(clock, 20);
                EXPECT_LE(clock, 280);
            }
            EXPECT_GT(firstLoop, 0);
            EXPECT_GT(static_cast<int>(armed.size()), firstLoop) << "again in the second loop";
        }
    }
}

// Escort windows are open at both ends: SzakMix slot 0 waits at d = 120 and comes on the first frame past it.
TEST_F(ScheduleStageTest, StageOnesFirstEscortComesOnlyPastDistance120) {
    Enter(Stage1Script, 1);
    StageState.distance = 120;
    Frame(Stage1Script, 0);
    EXPECT_EQ(SzakMixSlots[0].active, 0);
    Frame(Stage1Script, 0.001f);
    EXPECT_GT(StageState.distance, 120.0f);
    EXPECT_EQ(SzakMixSlots[0].active, 1);
    EXPECT_EQ(SzakMixSlots[1].active, 0) << "slot 1 waits for d > 300";
}

TEST_F(ScheduleStageTest, StageOnesPowerItemsComeInClosedWindows) {
    Enter(Stage1Script, 1);
    StageState.distance = 1000;
    Frame(Stage1Script, 0);
    EXPECT_EQ(PowerItem.falling, 1) << "d = 1000 still opens [950, 1000]";
    Enter(Stage1Script, 1);
    StageState.distance = 1000.01f;
    Frame(Stage1Script, 0);
    EXPECT_EQ(PowerItem.falling, 0);
}

TEST_F(ScheduleStageTest, StageTwosLoopFollowsTheLevel) {
    for (i32 level : {1, 3}) {
        AtBoss(Stage2Script, level);
        Boss71State.attackClock = 2299;
        Frame(Stage2Script);
        EXPECT_EQ(Boss71State.attackClock, level == 1 ? 0 : 2300) << level;
        if (level == 3) {
            Boss71State.attackClock = 3709;
            Frame(Stage2Script);
            EXPECT_EQ(Boss71State.attackClock, 0);
        }
    }
}

// Where two windows of one row meet, the row runs twice in that frame: the arcs of the stage-2 boss at
// clock 250, and Arc2 and Arc3 again at 700.
TEST_F(ScheduleStageTest, StageTwosArcsAreEmittedTwiceWhereTheirWindowsMeet) {
    struct Case {
        i32 clock;
        i32 arc4, arc2;  // emitter calls of Boss71Arc4 and of Boss71Arc2
    };
    for (const Case& c : {Case{249, 1, 1}, Case{250, 2, 2}, Case{251, 1, 1}, Case{700, 0, 2}, Case{701, 0, 1}}) {
        AtBoss(Stage2Script, 1);
        AttacksAt(Stage2Script, c.clock);
        EXPECT_EQ(Boss71Arc4[0].emitClock, c.arc4) << c.clock;
        EXPECT_EQ(Boss71Arc5[0].emitClock, c.arc4) << c.clock;
        EXPECT_EQ(Boss71Arc2[0].emitClock, c.arc2) << c.clock;
        EXPECT_EQ(Boss71Arc3[0].emitClock, c.arc2) << c.clock;
    }
}

// Which attack clocks of one loop call a family, read off an emitter counter that only its calls move.
template <class Counter>
std::vector<i32> ClocksThatMove(const StageScript& s, i32 loop, Counter counter) {
    std::vector<i32> moved;
    for (i32 clock = 1; clock <= loop; ++clock) {
        const i32 before = counter();
        s.boss->attackClock = clock;
        s.attacks(s);
        if (counter() != before) moved.push_back(clock);
    }
    return moved;
}

std::vector<i32> Range(i32 from, i32 to) {
    std::vector<i32> r;
    for (i32 c = from; c <= to; ++c) r.push_back(c);
    return r;
}

// The stage-2 boss throws its twelve lines of five in 350-380 and 800-900 of its loop and at no other time.
TEST_F(ScheduleStageTest, StageTwosLinesOfFiveComeOnlyIn350To380And800To900) {
    for (i32 level : {1, 3}) {
        AtBoss(Stage2Script, level);
        std::vector<i32> thrown;
        for (i32 clock = 1; clock <= Stage_LoopLength(Stage2Script); ++clock) {
            AttacksAt(Stage2Script, clock);
            if (Live(Boss71Rot5Way1) + Live(Boss71Rot5Way12) > 0) thrown.push_back(clock);
            for (Rot5WayBullet& b : Boss71Rot5Way1) b.active = 0;  // as if the lines had flown off
            for (Rot5WayBullet& b : Boss71Rot5Way12) b.active = 0;
        }
        std::vector<i32> expected = Range(350, 380);
        for (i32 c : Range(800, 900)) expected.push_back(c);
        EXPECT_EQ(thrown, expected) << level;
    }
}

TEST_F(ScheduleStageTest, StageThreesStreamsComeOnlyFrom1510To1900) {
    AtBoss(Stage3Script, 3);
    const std::vector<i32> moved = ClocksThatMove(Stage3Script, Stage3Script.loopLength, [] {
        i32 sum = 0;
        for (i32 k = 0; k < 6; ++k) sum += Boss41State.emitterClock[k];
        return sum;
    });
    EXPECT_EQ(moved, Range(1510, 1900));
}

TEST_F(ScheduleStageTest, StageFourHangsItsBeamsAtLevelThreeAndDropsItsClustersAtLevelOne) {
    for (i32 level : {1, 3}) {
        AtBoss(Stage4Script, level);
        int beams = 0, drops = 0;
        for (i32 clock = 1; clock <= Stage4Script.loopLength; ++clock) {
            AttacksAt(Stage4Script, clock);
            beams += Boss51Beam1.active + Boss51Beam2.active;
            drops += Live(Boss51Drops1) + Live(Boss51Drops5) + Live(Boss51Drops9);
        }
        if (level == 1) {
            EXPECT_EQ(beams, 0);
            EXPECT_GT(drops, 0);
        } else {
            EXPECT_GT(beams, 0);
            EXPECT_EQ(drops, 0);
        }
    }
}

TEST_F(ScheduleStageTest, StageFoursArcsTwoAndThreeRunTwiceAt1200AtLevelOne) {
    for (i32 level : {1, 3}) {
        AtBoss(Stage4Script, level);
        AttacksAt(Stage4Script, 1200);
        EXPECT_EQ(Boss51Arc2[0].emitClock, level == 1 ? 2 : 1) << level;
        EXPECT_EQ(Boss51Arc3[0].emitClock, level == 1 ? 2 : 1) << level;
    }
}

// The stage-5 boss: Ring5 and Ring6 open every loop at every level; the ring phase of Ring1 starts at
// 1500 at level 1 and at 1900 at level 3.
TEST_F(ScheduleStageTest, StageFivesRingPhaseFollowsTheLevel) {
    for (i32 level : {1, 3}) {
        AtBoss(Stage5Script, level);
        const i32 loop = Stage_LoopLength(Stage5Script);
        EXPECT_EQ(loop, level == 1 ? 3000 : 4390);
        const std::vector<i32> ring1 = ClocksThatMove(Stage5Script, loop, [] { return Boss31State.emitterClock[0]; });
        EXPECT_EQ(ring1, level == 1 ? Range(1500, 2500) : Range(1900, 3300)) << level;
        AtBoss(Stage5Script, level);
        const std::vector<i32> ring5 = ClocksThatMove(Stage5Script, 1800, [] { return Boss31State.emitterClock[4]; });
        EXPECT_EQ(ring5, Range(5, 500)) << level;
        AtBoss(Stage5Script, level);
        const std::vector<i32> ring6 = ClocksThatMove(Stage5Script, 1800, [] { return Boss31State.emitterClock[5]; });
        EXPECT_EQ(ring6, Range(5, 500)) << level;
    }
}

// Where two rows of one emitter meet, it runs twice in that frame: the stage-5 boss's Arc2 and Arc3 at 700,
// the alternate fifth boss's Arc4 and Arc5 at 800. The last clock value of a loop is still tested: at
// level 1 the stage-5 boss's Ring9 row runs at 3000.
TEST_F(ScheduleStageTest, LaterBossesRunAnEmitterTwiceWhereItsRowsMeet) {
    struct Case {
        const StageScript* s;
        i32 clock;
        const BulletSlot* a;
        const BulletSlot* b;
        i32 calls;
    };
    for (const Case& c : {Case{&Stage5Script, 699, Boss31Arc2, Boss31Arc3, 1},
                          Case{&Stage5Script, 700, Boss31Arc2, Boss31Arc3, 2},
                          Case{&Stage5Script, 701, Boss31Arc2, Boss31Arc3, 1},
                          Case{&Stage5BScript, 799, Boss5BArc4, Boss5BArc5, 1},
                          Case{&Stage5BScript, 800, Boss5BArc4, Boss5BArc5, 2},
                          Case{&Stage5BScript, 801, Boss5BArc4, Boss5BArc5, 1}}) {
        AtBoss(*c.s, 1);
        AttacksAt(*c.s, c.clock);
        EXPECT_EQ(c.a[0].emitClock, c.calls) << c.s->mode << " at " << c.clock;
        EXPECT_EQ(c.b[0].emitClock, c.calls) << c.s->mode << " at " << c.clock;
    }
    for (i32 level : {1, 3}) {
        AtBoss(Stage5Script, level);
        AttacksAt(Stage5Script, 3000);
        EXPECT_EQ(Boss31State.emitterClock[8], level == 1 ? 1 : 0) << level;
    }
}

// Rows behind play-mode gates stand in the schedules and run once a gate is forced open.
TEST_F(ScheduleStageTest, RowsBehindPlayModeGatesRunWhenTheGateIsForced) {
    AtBoss(Stage1Script, 1);
    AttacksAt(Stage1Script, 150);
    EXPECT_EQ(Live(Boss11Rot5Way1), 0);
    PlaySubMode = 1;
    AttacksAt(Stage1Script, 150);
    EXPECT_GT(Live(Boss11Rot5Way1), 0);
    EXPECT_GT(Live(Boss11Rot5Way2), 0);

    AtBoss(Stage2BScript, 1);
    AttacksAt(Stage2BScript, 60);
    EXPECT_EQ(Live(Boss2BDrops1) + Live(Boss2BDrops5), 0);
    PlayMode = 2;
    AttacksAt(Stage2BScript, 60);
    EXPECT_GT(Live(Boss2BDrops1), 0);
    EXPECT_GT(Live(Boss2BDrops5), 0);
    EXPECT_EQ(Live(Boss2BDrops2), 0) << "only 1 and 5 in 50-100";

    // The stage-3 boss's drops by hit points.
    AtBoss(Stage3Script, 1);
    PlayMode = 0;
    Boss41State.hp = 775;
    AttacksAt(Stage3Script, 4000);
    EXPECT_EQ(Live(Boss41Drops1), 0);
    Boss41State.hp = 770;
    AttacksAt(Stage3Script, 4000);
    EXPECT_GT(Live(Boss41Drops1), 0);
    EXPECT_GT(Live(Boss41Drops8), 0);
}

// A ship that stays where it starts under the stage-1 boss at level 3 is struck down; with its last lives
// gone the stage stands at the continue prompt until Y, which restores the continue values and nothing else.
TEST_F(ScheduleStageTest, AStillShipIsShotDownAndContinuesWithY) {
    Enter(Stage1Script, 3);
    StageState.distance = 1300;  // past every escort window
    Boss11State.hp = 1000;
    Lives = 16;  // one death's worth
    Score = 1234;
    Bombs = 1;
    const f32 x = PlayerState.x, y = PlayerState.y;
    int frames = 0;
    while (StageState.continuePrompt == 0 && frames < Stage1Script.loopLength) {
        FrameTime = kSixtieth;
        Stage_RunFrame(Stage1Script);
        ModeChanged = 0;
        ++frames;
    }
    ASSERT_EQ(StageState.continuePrompt, 1) << "never struck in " << frames << " frames";
    EXPECT_EQ(StageState.paused, 1);
    EXPECT_EQ(PlayerState.x, x);
    EXPECT_EQ(PlayerState.y, y);
    const f32 d = StageState.distance, hp = Boss11State.hp;
    const i32 clock = Boss11State.attackClock;
    for (int i = 0; i < 3; ++i) Pass(17);  // any other key leaves the prompt standing
    EXPECT_EQ(StageState.continuePrompt, 1);
    Hold('Y');
    Pass(17);
    Release('Y');
    EXPECT_EQ(StageState.paused, 0);
    EXPECT_EQ(StageState.continuePrompt, 0);
    EXPECT_EQ(Bombs, 5);
    EXPECT_EQ(Lives, 111);
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(PlayerState.respawning, 1);
    EXPECT_EQ(PlayerState.alive, 1);
    EXPECT_EQ(StageState.distance, d);
    EXPECT_EQ(Boss11State.hp, hp);
    EXPECT_EQ(Boss11State.attackClock, clock);
}

}  // namespace
