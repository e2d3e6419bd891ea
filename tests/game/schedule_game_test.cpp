// The whole game with its schedules, title to title, at both levels: every family that a stage's schedule
// fires in play goes live at least once in that stage; the alternate stages, forced into their modes,
// reach theirs; the same seed and input give the same frames.
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "el/elDraw.h"
#include "game/enemy/szak6_data.h"
#include "game/player/item.h"
#include "game/player/player.h"
#include "game/schedule_pools.h"
#include "game/stage/schedules.h"
#include "game/stage/stage_frame.h"
#include "game/stage_fixture.h"

namespace hl = host::headless;

namespace {

bool EndsWith(const std::string& s, const char* tail) {
    const std::string t(tail);
    return s.size() > t.size() && s.compare(s.size() - t.size(), t.size(), t) == 0;
}

// The family a firing call arms ("Szak30B" for Szak30B_WaveTimer, "SzakMix 3" for SzakMix_Spawn(3)), or
// "" for a call that only moves or draws. The beams are armed by their update inside their attack windows.
std::string FamilyFired(const ScheduleStep& c, bool attackRow) {
    const std::string name(c.name);
    for (const char* tail : {"_Spawn", "_Emit", "_WaveTimer"}) {
        if (!EndsWith(name, tail)) continue;
        const std::string family = name.substr(0, name.size() - std::string(tail).size());
        return c.literal ? family + " " + std::to_string(c.a) : family;
    }
    if (attackRow && EndsWith(name, "_Update")) return name.substr(0, name.size() - 7);
    return "";
}

// The families whose firing calls stand in a row that play can open at `level`: its gates hold with play
// mode 1 and sub-mode 0, and one of its windows can hold (an attack window that the loop reaches, a distance
// window that is not empty, also within its further windows).
std::set<std::string> FiredInPlay(const StageScript& s, const StageRows& rows, i32 level) {
    StageScript at = s;
    const i32 savedLevel = Level;
    Level = level;
    const i32 loop = Stage_LoopLength(at);
    Level = savedLevel;
    const ScheduleView play{0, 0, 0, level, 1, 0};
    std::set<std::string> fired;
    for (const Schedule& rowsOf : {rows.attacks, rows.escorts, rows.bullets}) {
        size_t i = 0;
        while (i < rowsOf.size()) {
            bool gates = true;
            f32 withinFrom = -1e9f, withinTo = 1e9f;
            std::vector<const ScheduleStep*> counted;
            for (; i < rowsOf.size() && rowsOf[i].kind != StepKind::Call; ++i) {
                const ScheduleStep& w = rowsOf[i];
                if (w.kind == StepKind::Gate) gates = gates && Schedule_GateHolds(w.gate, play);
                if (w.kind == StepKind::Within) withinFrom = w.from, withinTo = w.to;
                if (w.kind == StepKind::Clock || w.kind == StepKind::Distance || w.kind == StepKind::HitPoints)
                    counted.push_back(&w);
            }
            const size_t callsFrom = i;
            while (i < rowsOf.size() && rowsOf[i].kind == StepKind::Call) ++i;
            bool any = counted.empty();
            for (const ScheduleStep* w : counted) {
                if (w->kind == StepKind::Clock) any = any || w->from <= static_cast<f32>(loop);
                if (w->kind == StepKind::Distance) any = any || std::max(w->from, withinFrom) < std::min(w->to, withinTo);
                if (w->kind == StepKind::HitPoints) any = true;
            }
            if (!gates || !any) continue;
            for (size_t k = callsFrom; k < i; ++k) {
                const std::string f = FamilyFired(rowsOf[k], rowsOf.data() == rows.attacks.data());
                if (!f.empty()) fired.insert(f);
            }
        }
    }
    return fired;
}

// Armed in play but never seen live between two frames: the saucers' shot sets of stages 2 to 4 fire
// from the parked saucers (none is spawned there), and the same frame's update retires them.
const std::set<std::string> kParkedSaucerShots = {
    "Szak6AShot1", "Szak6AShot4", "Szak6AShot5", "Szak6AShot6", "Szak6BShot1",
    "Szak6BShot4", "Szak6BShot5", "Szak6BShot6",
};

struct PlayedStage {
    const StageScript* script;
    const StageRows* rows;
    u32 next;
};
const PlayedStage kRoute[] = {
    {&Stage1Script, &Stage1Rows, ModeStage2}, {&Stage2Script, &Stage2Rows, ModeStage3},
    {&Stage3Script, &Stage3Rows, ModeStage4}, {&Stage4Script, &Stage4Rows, ModeStage5},
    {&Stage5Script, &Stage5Rows, ModeEnding},
};

// The ship's shots reach a boss only once it has come down onto the screen; the tests hurt it there, as
// the first hits would, just enough to make it fire.
bool OnScreen(const BossState& b) { return b.x > -400.0f && b.y >= 0.0f; }

class ScheduleGameTest : public kt::StageTest {
protected:
    void SetUp() override {
        kt::StageTest::SetUp();
        // The frame gate starts from this test's clock, whatever an earlier test of the process left.
        elSystem::SetFrameRate(60);
    }
    // The ship shrugs off every hit: a hit while returning is undone a frame later.
    static void KeepShip() {
        PlayerState.respawning = 1;
        PlayerState.respawnTimer = 0;
    }
    void Key(i32 vk) {
        Hold(vk);
        Pass(17);
        Release(vk);
        Pass(17);
    }

    // Plays the stage of `p` from its first frame: the escorts come by distance; once the boss has come
    // down it is hurt just enough to fire, and after one whole attack loop the stage is taken to its
    // time-out mark and clears. Returns the fired families that never went live.
    std::set<std::string> PlayStage(const PlayedStage& p, i32 level) {
        const StageScript& s = *p.script;
        std::set<std::string> unseen = FiredInPlay(s, *p.rows, level);
        for (const std::string& f : unseen) EXPECT_GE(kt::LiveRecords(f), 0) << "no pool known for " << f;
        if (s.mode != ModeStage1)
            for (const std::string& f : kParkedSaucerShots) unseen.erase(f);
        bool hurt = false, looped = false;
        i32 lastClock = 0;
        for (int frame = 0; GameMode == s.mode && frame < 60'000; ++frame) {
            KeepShip();
            Pass(17);
            for (auto it = unseen.begin(); it != unseen.end();) it = kt::LiveRecords(*it) > 0 ? unseen.erase(it) : ++it;
            if (GameMode != s.mode) break;
            if (!hurt && OnScreen(*s.boss)) {
                s.boss->hp = s.hpCeiling - 1;
                hurt = true;
            }
            if (hurt && !looped && lastClock > 0 && s.boss->attackClock == 0) {
                looped = true;
                StageState.distance = s.timeoutFrom;
            }
            lastClock = s.boss->attackClock;
        }
        EXPECT_TRUE(looped) << "stage " << s.mode << " never ran a whole attack loop";
        EXPECT_EQ(GameMode, p.next) << "stage " << s.mode << " did not clear";
        return unseen;
    }

    void PlayWholeGame(i32 level) {
        Pass(17);  // the title
        Key(host::kVkReturn);
        ASSERT_EQ(GameMode, ModeLevelSelect);
        Key(host::kVkSpace);  // the star field alone behind the stages
        Key(level == 1 ? host::kVkF1 : host::kVkF1 + 1);
        ASSERT_EQ(GameMode, ModeStage1);
        ASSERT_EQ(Level, level);
        ASSERT_EQ(StageState.backdropMode, 1);
        for (const PlayedStage& p : kRoute) {
            ASSERT_EQ(GameMode, p.script->mode);
            const std::set<std::string> unseen = PlayStage(p, level);
            std::string names;
            for (const std::string& f : unseen) names += " " + f;
            EXPECT_TRUE(unseen.empty()) << "stage " << p.script->mode << " at level " << level
                                        << " never showed:" << names;
        }
        for (int pass = 0; GameMode == ModeEnding && pass < 1000; ++pass) Pass(250);
        EXPECT_EQ(GameMode, ModeTitle);
        EXPECT_EQ(Level, 0);
    }
};

TEST_F(ScheduleGameTest, TheWholeGameAtLevelOneShowsEveryFamilyItsSchedulesFire) { PlayWholeGame(1); }
TEST_F(ScheduleGameTest, TheWholeGameAtLevelThreeShowsEveryFamilyItsSchedulesFire) { PlayWholeGame(3); }

// Forced into the modes that play never sets, the alternate stages run their schedules and clear to their
// next modes; the alternate fourth stage sends in the saucers.
TEST_F(ScheduleGameTest, TheAlternateStagesReachTheirNextModes) {
    struct Case {
        const StageScript* s;
        u32 next;
    };
    for (const Case& c : {Case{&Stage2BScript, ModeStage3}, Case{&Stage4BScript, ModeStage5},
                          Case{&Stage5BScript, ModeEnding}}) {
        const StageScript& s = *c.s;
        Pass(17);  // a pass outside the stage, so that the stage's first frame time is one pass long
        EnterStage(s.mode, 1);
        StageState.backdropMode = 1;
        int saucers = 0;
        bool hurt = false;
        for (int frame = 0; GameMode == s.mode && frame < 20'000; ++frame) {
            PlayerState.respawning = 1;
            PlayerState.respawnTimer = 0;
            Pass(50);
            for (const SpinEnemySlot& e : Szak6ASlots) saucers += e.active;
            for (const SpinEnemySlot& e : Szak6BSlots) saucers += e.active;
            if (GameMode != s.mode) break;
            if (!hurt && OnScreen(*s.boss)) {
                s.boss->hp = s.hpCeiling - 1;
                hurt = true;
            }
            if (hurt && s.boss->attackClock == 300) StageState.distance = s.timeoutFrom;
        }
        EXPECT_TRUE(hurt) << s.mode;
        EXPECT_EQ(GameMode, c.next) << s.mode << " at d = " << StageState.distance << ", clock "
                                    << s.boss->attackClock << ", hp " << s.boss->hp;
        if (s.mode == ModeStage4B) {
            EXPECT_GT(saucers, 0);
        } else {
            EXPECT_EQ(saucers, 0) << s.mode;
        }
    }
}

// Two plays of the same stretch from the same seed with the same keys: escorts, boss and bullets.
TEST_F(ScheduleGameTest, TheSameSeedAndKeysGiveTheSameFrames) {
    const PlayerStateRecord ship = PlayerState;
    auto play = [this, &ship] {
        Pass(17);  // a pass outside the stage, so that the stage's first frame time is one pass long
        hl::SetWallSeconds(1'700'000'000);  // the resets seed the generator from it
        EnterStage(ModeStage1, 3);
        PlayerState = ship;
        PowerItem = {};
        StageState.distance = 1000;
        std::vector<u32> sums;
        u64 seen = hl::FrameCount();
        for (int pass = 0; pass < 600; ++pass) {
            if (pass == 350) Boss11State.hp = 1000;
            if (pass == 100) Hold('C');
            if (pass == 400) Hold(host::kVkLeft);
            if (pass == 500) Release(host::kVkLeft);
            Pass(17);
            if (hl::FrameCount() == seen) continue;
            seen = hl::FrameCount();
            sums.push_back(hl::Checksum(hl::LastFrame()));
        }
        Release('C');
        return sums;
    };
    const std::vector<u32> first = play(), second = play();
    ASSERT_EQ(first.size(), second.size());
    for (size_t i = 0; i < first.size(); ++i) ASSERT_EQ(first[i], second[i]) << "frame " << i;
    ASSERT_GT(first.size(), 500u);
    EXPECT_NE(first[300], first[301]) << "the frames move";
}

}  // namespace
