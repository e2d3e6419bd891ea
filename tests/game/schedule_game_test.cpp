// The whole game with its schedules, title to title, at both levels, a test per stage and level so that
// they run side by side: every family that a stage's schedule fires in play goes live at least once in that
// stage; the alternate stages, forced into their modes, reach theirs; the same seed and input give the same
// frames. Each stage's play is pinned, so that a changed table shows even where the tables' own tests work
// out what they expect from the tables themselves; a second play of each with the ship's weapons firing is
// pinned too, with its score and the boss's wear, so that a changed hit box, strike or wear shows as well.
#include <algorithm>
#include <charconv>
#include <limits>
#include <set>
#include <string>
#include <tuple>
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
// Forced into the modes that play never sets, the alternate stages run their schedules too.
const PlayedStage kAlternates[] = {
    {&Stage2BScript, &Stage2BRows, ModeStage3},
    {&Stage4BScript, &Stage4BRows, ModeStage5},
    {&Stage5BScript, &Stage5BRows, ModeEnding},
};

// The stages' modes by name, for the rows a failing check prints: the route, then the alternates.
struct ModeName {
    u32 mode;
    const char* name;
};
const ModeName kModeNames[] = {
    {ModeStage1, "ModeStage1"}, {ModeStage2, "ModeStage2"},   {ModeStage3, "ModeStage3"},   {ModeStage4, "ModeStage4"},
    {ModeStage5, "ModeStage5"}, {ModeStage2B, "ModeStage2B"}, {ModeStage4B, "ModeStage4B"}, {ModeStage5B, "ModeStage5B"},
};
std::string NameOf(u32 mode) {
    for (const ModeName& m : kModeNames)
        if (m.mode == mode) return m.name;
    return std::to_string(mode);
}

// What a stage played from a fixed seed by the fixed play below shows and fires, frame by frame, up to its
// clear. A change to a table (a bullet's speed, a window's bounds, a random range, a spawn call) moves
// these numbers; a change to a picture moves the pictures alone. When a change is meant, check it by eye (or
// by the tests of the family), then copy the rows the failing tests print over the old ones here.
struct PinnedPlay {
    u32 mode;
    i32 level;
    u32 frames;      // frames presented from the stage's first frame to its clear
    u64 pictures;    // the frames' pixels, folded
    u64 families;    // the live records of every family the stage fires, frame by frame, folded
};
// Stage 3 plays the same at both levels: its schedules have no level gates, its attack loop has one length,
// and the homing rays that it launches at level 3 are never drawn and strike nothing in this play.
// clang-format off
const PinnedPlay kPinned[] = {
    {ModeStage1, 1, 8536, 11108921831205062067ull, 3449881489646648563ull},
    {ModeStage1, 3, 8536, 8366480276878712419ull, 10018573793697708099ull},
    {ModeStage2, 1, 7021, 17989424103833814718ull, 9894556764392317536ull},
    {ModeStage2, 3, 8431, 2120379292385191092ull, 4187586505112381224ull},
    {ModeStage3, 1, 10953, 10158543375910809370ull, 2761246620049081044ull},
    {ModeStage3, 3, 10953, 10158543375910809370ull, 2761246620049081044ull},
    {ModeStage4, 1, 8234, 5052968636116802687ull, 8029442759797976714ull},
    {ModeStage4, 3, 8234, 11218422353793008484ull, 13406929996188431481ull},
    {ModeStage5, 1, 7354, 7110223371024053936ull, 9152327858749756943ull},
    {ModeStage5, 3, 8744, 9276221205693070759ull, 2256140048389222087ull},
    {ModeStage2B, 1, 2371, 8519777302126926507ull, 664734242124642576ull},
    {ModeStage4B, 1, 3874, 14451745926735688879ull, 5158721151626133921ull},
    {ModeStage5B, 1, 3241, 787147606841853148ull, 7159568567689493142ull},
};
// clang-format on

// The same stages played with the ship's weapons firing on the schedule of FireOnSchedule below. Besides
// what the plain play pins, a fired play moves with every hit box, strike's points and boss wear that its
// shots, side shots and bomb meet, and pins the score and how far down the boss was worn.
struct FiredPin {
    PinnedPlay play;
    i32 score;     // the score at the clear
    f32 lowestHp;  // the lowest the boss's hit points went: below 0 by the strikes that wear it during its defeat
};
// Stage 3 fires the same at both levels but for the pictures: the ship's shots are drawn from their level-3
// sheets at level 3.
// clang-format off
const FiredPin kPinnedFired[] = {
    {{ModeStage1, 1, 3981, 5306828409201484279ull, 10904413113306887477ull}, 1191430, -443.91617f},
    {{ModeStage1, 3, 3981, 10134405648317082845ull, 17530250695073155901ull}, 1191430, -443.91617f},
    {{ModeStage2, 1, 3683, 14055787779564886685ull, 7199277557412778774ull}, 1091970, -510.41272f},
    {{ModeStage2, 3, 3683, 8646754756649097080ull, 3701500093487705578ull}, 1091970, -510.41272f},
    {{ModeStage3, 1, 4677, 919899727335045034ull, 12286602589607569801ull}, 2857490, -765.4169f},
    {{ModeStage3, 3, 4677, 15890364219319370561ull, 12286602589607569801ull}, 2857490, -765.4169f},
    {{ModeStage4, 1, 4993, 7584155118040481136ull, 9600719277357141327ull}, 3753490, -560.5541f},
    {{ModeStage4, 3, 4993, 17210749881815340854ull, 891448125677550595ull}, 3753490, -560.5541f},
    {{ModeStage5, 1, 3815, 13471263002995778938ull, 1346302347546877685ull}, 2281790, -561.46094f},
    {{ModeStage5, 3, 3815, 2156450685147864784ull, 8381164564707691229ull}, 2281790, -561.46094f},
    {{ModeStage2B, 1, 1466, 4610027626631660265ull, 12454964589581184650ull}, 352920, -275.0f},
    {{ModeStage4B, 1, 2687, 4255411376692050805ull, 8781308960821833379ull}, 1393690, -747.5416f},
    {{ModeStage5B, 1, 2341, 8364598054213051613ull, 6984042413947483963ull}, 283900, -794.2865f},
};
// clang-format on

const PinnedPlay& PlayOf(const PinnedPlay& p) { return p; }
const PinnedPlay& PlayOf(const FiredPin& p) { return p.play; }
template <class Row, size_t N>
const Row* PinnedFor(const Row (&rows)[N], u32 mode, i32 level) {
    for (const Row& r : rows)
        if (PlayOf(r).mode == mode && PlayOf(r).level == level) return &r;
    return nullptr;
}

u64 Fold(u64 h, u64 v) { return (h ^ v) * 1099511628211ull; }

// The ship's shots reach a boss only once it has come down onto the screen; the tests hurt it there, as
// the first hits would, just enough to make it fire.
bool OnScreen(const BossState& b) { return b.x > -400.0f && b.y >= 0.0f; }

class ScheduleGameTest : public kt::StageTest {
protected:
    void SetUp() override {
        kt::StageTest::SetUp();
        // The frame gate starts from this test's clock, whatever an earlier test of the process left.
        elSystem::SetFrameRate(60);
        // The saucers keep their spin from one game to the next; each test starts them as a fresh program
        // does, so that its pictures are the same whatever ran before it in the process.
        for (SpinEnemySlot& e : Szak6ASlots) e.spinAngle = 0;
        for (SpinEnemySlot& e : Szak6BSlots) e.spinAngle = 0;
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

    // From the title into the level select, which gives the ship its type and picture, with the star field
    // alone chosen to stand behind the stages.
    void ToTheLevelSelect() {
        Pass(17);  // the title
        Key(host::kVkReturn);
        ASSERT_EQ(GameMode, ModeLevelSelect);
        Key(host::kVkSpace);
    }
    // From the title through the level select into stage 1 at `level`, with the star field alone behind.
    void StartFromTheTitle(i32 level) {
        ToTheLevelSelect();
        if (HasFatalFailure()) return;
        Key(level == 1 ? host::kVkF1 : host::kVkF1 + 1);
        ASSERT_EQ(GameMode, ModeStage1);
        ASSERT_EQ(Level, level);
        ASSERT_EQ(StageState.backdropMode, 1);
    }
    // A game just started at `level` whose next frame is the first of the stage in `mode`. No level select
    // has given the ship a type: it neither shows nor fires.
    void StartAt(u32 mode, i32 level) {
        Pass(17);  // a pass outside the stage, so that the stage's first frame time is one pass long
        EnterStage(mode, level);
        StageState.backdropMode = 1;
    }
    // The same with the ship the level select gives, which shows and fires: stage 1 from the title, the
    // others from a game started in them from the level select.
    void StartArmed(u32 mode, i32 level) {
        if (mode == ModeStage1) return StartFromTheTitle(level);
        ToTheLevelSelect();
        if (HasFatalFailure()) return;
        EnterStage(mode, level);
        StageState.backdropMode = 1;
    }

    // The numbers a played stage is checked against.
    struct Played {
        u32 frames = 0;
        u64 pictures = 14695981039346656037ull;
        u64 families = 14695981039346656037ull;
        int saucers = 0;  // saucer records live, summed over the frames
        i32 score = 0;    // the score at the clear
        f32 lowestHp = std::numeric_limits<f32>::infinity();  // the lowest the boss's hit points went
        bool timedOut = false;  // taken to its time-out mark after a whole attack loop, the boss still standing
    };

    // How the ship plays a stage: it holds its fire and the boss is hurt by hand just enough to fire, or it
    // fires on the schedule of FireOnSchedule and its weapons do the hurting.
    enum class Ship { HoldsFire, Fires };

    // The keys the fired play holds down; a key is pressed or let go only when its state changes.
    std::set<i32> held_;
    void Press(i32 vk, bool down) {
        if (down == held_.contains(vk)) return;
        if (down) {
            Hold(vk);
            held_.insert(vk);
        } else {
            Release(vk);
            held_.erase(vk);
        }
    }
    void LetGo() {
        while (!held_.empty()) Press(*held_.begin(), false);
    }

    // The fired play's input before pass `pass` of the stage. Both main shots are held all through, by C
    // and Ctrl (C with V, or Shift with Ctrl, would be the burst). The ship sways across its whole range
    // every 360 passes: left for 60, right for 120, left for 60, still for 120. From pass 594 on, V is
    // added for six passes in every 600, which starts a side-shot burst, where the stage runs one (stage
    // 2B does not: a burst started there never ends and the main shots stay off). A bomb goes off at pass
    // 900 and every 1200 after, clear of the bursts; no key throws one, so it starts from the ship's state
    // words as the weapons' own tests start it, with the main shots off until it ends.
    void FireOnSchedule(const StageScript& s, int pass) {
        Press('C', true);
        Press(host::kVkControl, true);
        const int sway = pass % 360;
        Press(host::kVkLeft, sway < 60 || (sway >= 180 && sway < 240));
        Press(host::kVkRight, sway >= 60 && sway < 180);
        Press('V', s.sideBurst && pass % 600 >= 594);
        if (pass % 1200 == 900 && PlayerState.bombActive == 0 && PlayerState.burstActive == 0) {
            PlayerState.bombActive = 1;
            PlayerState.bombClock = 0;
            PlayerState.mainShotEnabled = 0;
            PlayerState.mainShot2Enabled = 0;
        }
    }

    // Plays the stage of `p` from its first frame with `passMs` a pass: the escorts come by distance; once
    // the boss has come down it is hurt, by hand just enough to fire or by the ship's weapons, and after
    // one whole attack loop the stage is taken to its time-out mark and clears, unless the weapons have
    // brought the boss down before. With `everyFamily`, expects every family fired in play to go live.
    Played PlayStage(const PlayedStage& p, i32 level, u32 passMs, bool everyFamily, Ship ship = Ship::HoldsFire) {
        const StageScript& s = *p.script;
        // The families' counters looked up once: the test reads them every frame.
        std::vector<std::pair<std::string, kt::Counter>> fired, unseen;
        for (const std::string& f : FiredInPlay(s, *p.rows, level)) {
            const kt::Counter count = kt::CounterOf(f);
            EXPECT_NE(count, nullptr) << "no pool known for " << f;
            if (!count) continue;
            fired.emplace_back(f, count);
            if (s.mode == ModeStage1 || !kParkedSaucerShots.contains(f)) unseen.emplace_back(f, count);
        }
        Played out;
        bool hurt = false, looped = false;
        i32 lastClock = 0;
        u64 seen = hl::FrameCount();
        for (int frame = 0; GameMode == s.mode && frame < 60'000; ++frame) {
            KeepShip();
            if (ship == Ship::Fires) FireOnSchedule(s, frame);
            Pass(passMs);
            if (hl::FrameCount() != seen) {
                seen = hl::FrameCount();
                ++out.frames;
                out.pictures = Fold(out.pictures, hl::Digest(hl::LastFrame()));
            }
            for (const auto& [f, count] : fired) out.families = Fold(out.families, static_cast<u64>(count()));
            std::erase_if(unseen, [](const auto& u) { return u.second() > 0; });
            for (const SpinEnemySlot& e : Szak6ASlots) out.saucers += e.active;
            for (const SpinEnemySlot& e : Szak6BSlots) out.saucers += e.active;
            out.lowestHp = std::min(out.lowestHp, s.boss->hp);
            if (GameMode != s.mode) break;
            if (!hurt && OnScreen(*s.boss)) {
                if (ship == Ship::HoldsFire) s.boss->hp = s.hpCeiling - 1;
                hurt = true;
            }
            if (hurt && !looped && lastClock > 0 && s.boss->attackClock == 0) {
                looped = true;
                StageState.distance = s.timeoutFrom;
            }
            lastClock = s.boss->attackClock;
        }
        LetGo();
        out.score = Score;
        out.timedOut = looped;
        if (ship == Ship::HoldsFire) {
            EXPECT_TRUE(looped) << "stage " << s.mode << " never ran a whole attack loop";
        }
        EXPECT_EQ(GameMode, p.next) << "stage " << s.mode << " did not clear";
        if (!everyFamily) return out;
        std::string names;
        for (const auto& [f, count] : unseen) names += " " + f;
        EXPECT_TRUE(unseen.empty()) << "stage " << s.mode << " at level " << level << " never showed:" << names;
        return out;
    }

    // A played stage as a row of kPinned, without its indent and comma.
    static std::string RowOf(u32 mode, i32 level, const Played& got) {
        return "{" + NameOf(mode) + ", " + std::to_string(level) + ", " + std::to_string(got.frames) + ", " +
               std::to_string(got.pictures) + "ull, " + std::to_string(got.families) + "ull}";
    }
    // Adds `what` to the list of what differs.
    static void Differs(std::string& list, bool differs, const char* what) {
        if (differs) list += (list.empty() ? "" : ", ") + std::string(what);
    }
    // What a played stage shows differently from its pinned play; empty when nothing does.
    static std::string Differences(const PinnedPlay& want, const Played& got) {
        std::string list;
        Differs(list, want.frames != got.frames, "frame count");
        Differs(list, want.pictures != got.pictures, "pictures");
        Differs(list, want.families != got.families, "families");
        return list;
    }

    // Compares a played stage with its pinned row; on a difference prints the row that would pin it now.
    static void ExpectPinned(u32 mode, i32 level, const Played& got) {
        const PinnedPlay* want = PinnedFor(kPinned, mode, level);
        const std::string row = "    " + RowOf(mode, level, got) + ",";
        ASSERT_NE(want, nullptr) << "no pinned row for this stage; played:\n" << row;
        const std::string differences = Differences(*want, got);
        EXPECT_TRUE(differences.empty()) << NameOf(mode) << " at level " << level << " played differently ("
                                         << differences << "); if the change is meant, pin it with:\n"
                                         << row;
    }

    // The same for a fired play and its row of kPinnedFired, with the score and the boss's lowest hit points.
    static void ExpectFiredPinned(u32 mode, i32 level, const Played& got) {
        const FiredPin* want = PinnedFor(kPinnedFired, mode, level);
        // The hit points as the shortest text that reads back exactly, made a float literal.
        char text[32];
        std::string hp(text, std::to_chars(text, text + sizeof text, got.lowestHp).ptr);
        if (hp.find_first_of(".e") == std::string::npos) hp += ".0";
        const std::string row =
            "    {" + RowOf(mode, level, got) + ", " + std::to_string(got.score) + ", " + hp + "f},";
        ASSERT_NE(want, nullptr) << "no pinned fired row for this stage; played:\n" << row;
        std::string differences = Differences(want->play, got);
        Differs(differences, want->score != got.score, "score");
        Differs(differences, want->lowestHp != got.lowestHp, "boss hit points");
        EXPECT_TRUE(differences.empty()) << NameOf(mode) << " at level " << level << " fired differently ("
                                         << differences << "); if the change is meant, pin it with:\n"
                                         << row;
    }
};

// Each stage of the played route at both levels, each from its own start: stage 1 from the title, the
// others from a game started in them, the fifth on through the ending back to the title. Together they
// run the whole game, title to title, side by side.
class ScheduleGameRoute : public ScheduleGameTest, public ::testing::WithParamInterface<std::tuple<int, i32>> {};

TEST_P(ScheduleGameRoute, EveryFamilyItsScheduleFiresShowsAndThePlayIsPinned) {
    const auto [index, level] = GetParam();
    const PlayedStage& p = kRoute[index];
    if (index == 0) {
        StartFromTheTitle(level);
    } else {
        StartAt(p.script->mode, level);
    }
    if (HasFatalFailure()) return;
    const Played played = PlayStage(p, level, 17, true);
    ExpectPinned(p.script->mode, level, played);
    if (p.next != ModeEnding) return;
    for (int pass = 0; GameMode == ModeEnding && pass < 1000; ++pass) Pass(250);
    EXPECT_EQ(GameMode, ModeTitle);
    EXPECT_EQ(Level, 0);
}

// Test names of the route's stages and levels ("Stage3Level1"), and of the alternates ("Stage2B").
const auto kEveryStageAndLevel = ::testing::Combine(::testing::Range(0, 5), ::testing::Values(1, 3));
std::string StageAndLevel(const ::testing::TestParamInfo<std::tuple<int, i32>>& info) {
    return "Stage" + std::to_string(std::get<0>(info.param) + 1) + "Level" + std::to_string(std::get<1>(info.param));
}
std::string Alternate(const ::testing::TestParamInfo<int>& info) { return NameOf(kAlternates[info.param].script->mode).substr(4); }

INSTANTIATE_TEST_SUITE_P(Stages, ScheduleGameRoute, kEveryStageAndLevel, StageAndLevel);

// The alternate stages, forced into their modes, run their schedules and clear to their next modes; the
// alternate fourth stage sends in the saucers.
class ScheduleGameAlternate : public ScheduleGameTest, public ::testing::WithParamInterface<int> {};

TEST_P(ScheduleGameAlternate, TheStageClearsToItsNextModeAndThePlayIsPinned) {
    const PlayedStage& p = kAlternates[GetParam()];
    StartAt(p.script->mode, 1);
    const Played played = PlayStage(p, 1, 50, false);
    if (p.script->mode == ModeStage4B) {
        EXPECT_GT(played.saucers, 0);
    } else {
        EXPECT_EQ(played.saucers, 0);
    }
    ExpectPinned(p.script->mode, 1, played);
}

INSTANTIATE_TEST_SUITE_P(Stages, ScheduleGameAlternate, ::testing::Range(0, 3), Alternate);

// Each stage of the route at both levels played again with the ship's weapons firing on a fixed schedule,
// up to its clear, and pinned with its score and how far down the boss was worn: a hit box, a strike's
// points or a boss's wear that the shots, side shots or bomb meet moves these plays. The passes are 25 ms
// (40 frames a second): every frame of a fired play draws the ship's shots, and at 60 frames a second the
// longest stage would take too long for one test.
class ScheduleGameFiredRoute : public ScheduleGameTest, public ::testing::WithParamInterface<std::tuple<int, i32>> {};

TEST_P(ScheduleGameFiredRoute, TheWeaponsBringTheBossDownAndThePlayIsPinned) {
    const auto [index, level] = GetParam();
    const PlayedStage& p = kRoute[index];
    StartArmed(p.script->mode, level);
    if (HasFatalFailure()) return;
    const Played played = PlayStage(p, level, 25, false, Ship::Fires);
    EXPECT_FALSE(played.timedOut) << NameOf(p.script->mode) << " cleared by its time-out, not by the weapons";
    ExpectFiredPinned(p.script->mode, level, played);
}

INSTANTIATE_TEST_SUITE_P(Stages, ScheduleGameFiredRoute, kEveryStageAndLevel, StageAndLevel);

// The alternate stages, forced into their modes, fired through likewise.
class ScheduleGameFiredAlternate : public ScheduleGameTest, public ::testing::WithParamInterface<int> {};

TEST_P(ScheduleGameFiredAlternate, TheWeaponsBringTheBossDownAndThePlayIsPinned) {
    const PlayedStage& p = kAlternates[GetParam()];
    StartArmed(p.script->mode, 1);
    if (HasFatalFailure()) return;
    const Played played = PlayStage(p, 1, 50, false, Ship::Fires);
    EXPECT_FALSE(played.timedOut) << NameOf(p.script->mode) << " cleared by its time-out, not by the weapons";
    ExpectFiredPinned(p.script->mode, 1, played);
}

INSTANTIATE_TEST_SUITE_P(Stages, ScheduleGameFiredAlternate, ::testing::Range(0, 3), Alternate);

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
