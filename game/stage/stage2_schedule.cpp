// The schedule of stage 2: Boss71's attacks, the escort waves and the families run every frame.
#include "game/bossfire/aimfan.h"
#include "game/bossfire/arc.h"
#include "game/bossfire/arm.h"
#include "game/bossfire/drops.h"
#include "game/bossfire/rot5way.h"
#include "game/bossfire/rotfan.h"
#include "game/bossfire/volley.h"
#include "game/enemy/szak12.h"
#include "game/enemy/szak30b.h"
#include "game/enemy/szak52.h"
#include "game/enemy/szak6.h"
#include "game/enemy/szakmix.h"
#include "game/stage/schedule_rows.h"
#include "game/stage/schedules.h"

namespace {
using namespace sched;

// clang-format off

// Boss71's attacks by attack clock, in the order of their first calls. The loop ends at 2300 at level 1,
// so the level-3 rows beyond it come only at level 3.
constexpr ScheduleStep kAttacks[] = {
    Clock(30, 150),                      DO(Boss71Volley1_Emit), DO(Boss71Volley2_Emit),
    Clock(110, 200),                     DO(Boss71Volley3_Emit), DO(Boss71Volley4_Emit),
    Clock(200, 250), Clock(250, 400),    DO(Boss71Arc4_Emit), DO(Boss71Arc5_Emit), DO(Boss71Arc2_Emit),
                                         DO(Boss71Arc3_Emit),
    Clock(350, 380), Clock(800, 900),    DO(Boss71Rot5Way1_Spawn), DO(Boss71Rot5Way2_Spawn),
                                         DO(Boss71Rot5Way3_Spawn), DO(Boss71Rot5Way4_Spawn),
                                         DO(Boss71Rot5Way5_Spawn), DO(Boss71Rot5Way6_Spawn),
                                         DO(Boss71Rot5Way7_Spawn), DO(Boss71Rot5Way8_Spawn),
                                         DO(Boss71Rot5Way9_Spawn), DO(Boss71Rot5Way10_Spawn),
                                         DO(Boss71Rot5Way11_Spawn), DO(Boss71Rot5Way12_Spawn),
    Clock(400, 500),                     DO(Boss71AimFan1_Emit), DO(Boss71AimFan2_Emit),
    Clock(450, 500),                     DO(Boss71Arc1_Emit),
    Clock(500, 700), Clock(700, 1000),   DO(Boss71Arc2_Emit), DO(Boss71Arc3_Emit),
    Clock(480, 580),                     DO(Boss71Volley5_Emit), DO(Boss71Volley6_Emit),
    Clock(580, 700), Clock(1050, 1300),  DO(Boss71Arc6_Emit), DO(Boss71Arc7_Emit),
    Clock(750, 1100),                    DO(Boss71Arc4_Emit), DO(Boss71Arc5_Emit),
    Clock(1320, 1500),                   DO(Boss71RotFan1_Emit), DO(Boss71RotFan2_Emit),
    Clock(1520, 1800),                   DO(Boss71RotFan3_Emit), DO(Boss71RotFan4_Emit),
    Clock(1820, 2000),                   DO(Boss71RotFan5_Emit),
    Clock(2020, 2300),                   DO(Boss71RotFan6_Emit), DO(Boss71RotFan7_Emit),
    Clock(1320, 1600), Clock(2300, 2700), Only(Gate::Level3),  DO(Boss71Arm1_Emit),
    Clock(1380, 1650), Clock(1960, 2700), Only(Gate::Level3),  DO(Boss71Arm2_Emit), DO(Boss71Arm3_Emit),
    Clock(1660, 1900), Clock(2300, 2700), Only(Gate::Level3),  DO(Boss71Arm4_Emit), DO(Boss71Arm7_Emit),
    Clock(1690, 1950), Clock(1990, 2700), Only(Gate::Level3),  DO(Boss71Arm5_Emit), DO(Boss71Arm6_Emit),
                                                               DO(Boss71Arm8_Emit), DO(Boss71Arm9_Emit),
    Clock(2720, 2900), Only(Gate::Level3),  DO(Boss71RotFan1_Emit), DO(Boss71RotFan2_Emit),
    Clock(2920, 3200), Only(Gate::Level3),  DO(Boss71RotFan3_Emit), DO(Boss71RotFan4_Emit),
    Clock(3220, 3400), Only(Gate::Level3),  DO(Boss71RotFan5_Emit),
    Clock(3420, 3700), Only(Gate::Level3),  DO(Boss71RotFan6_Emit), DO(Boss71RotFan7_Emit),
    Clock(0, 30),                        DO(Boss71Drops1_Spawn), DO(Boss71Drops2_Spawn), DO(Boss71Drops3_Spawn),
                                         DO(Boss71Drops4_Spawn), DO(Boss71Drops5_Spawn), DO(Boss71Drops6_Spawn),
                                         DO(Boss71Drops7_Spawn), DO(Boss71Drops8_Spawn), DO(Boss71Drops9_Spawn),
};

// The escorts, family by family, each with its spawn windows. The saucers are never spawned here: their
// shot spawns arm at the parked records.
constexpr ScheduleStep kEscorts[] = {
    Every(), MIX_FLY(0, 1, 4), MIX_FLY(1, 2, 4), MIX_FLY(2, 2, 4), MIX_FLY(3, 3, 2), MIX_FLY(4, 4, 2),
             MIX_FLY(5, 5, 0), MIX_FLY(6, 6, 0), MIX_FLY(7, 7, 0), MIX_FLY(8, 8, 0),
    Open(140, 300),  MIX_ARM2(1), MIX_ARM2(2),
    Open(250, 350),  MIX_ARM2(3), MIX_ARM2(4),

    Every(), UD(Szak6A), UD(Szak6B),
    Only(Gate::SubMode1), DO(Szak6A_Update), DO(Szak6B_Update),
    Open(280, 420), Within(140, 190), Only(Gate::SubMode1),  DO(Szak6AShot2_Spawn), DO(Szak6AShot3_Spawn),
    Open(280, 420), Only(Gate::PlayMode1),                   DO(Szak6AShot5_Spawn), DO(Szak6AShot6_Spawn),
    Open(280, 420), Within(360, 400), Only(Gate::PlayMode2), DO(Szak6AShot7_Emit),
    Open(280, 420), Within(140, 190), Only(Gate::SubMode1),  DO(Szak6BShot2_Spawn), DO(Szak6BShot3_Spawn),
    Open(280, 420), Only(Gate::PlayMode1),                   DO(Szak6BShot5_Spawn), DO(Szak6BShot6_Spawn),
    Open(280, 420), Within(360, 400), Only(Gate::PlayMode2), DO(Szak6BShot7_Emit),

    Open(400, 500),  MIX_ARM1(5),
    Open(450, 650),  MIX_ARM1(6),
    Open(650, 800),  MIX_ARM2(7),
    Open(650, 770),  MIX_ARM2(8),
    Open(740, 800),  MIX_ARM2(3),
    Open(750, 820),  MIX_ARM2(4),

    Open(750, 890),                                          DO(Szak6AShot4_Spawn), DO(Szak6AShot1_Spawn),
    Open(750, 890), Within(750, 790), Only(Gate::SubMode1),  DO(Szak6AShot2_Spawn), DO(Szak6AShot3_Spawn),
    Open(750, 890), Within(840, 890), Only(Gate::SubMode1),  DO(Szak6AShot2_Spawn), DO(Szak6AShot3_Spawn),
    Open(750, 890), Only(Gate::PlayMode1),                   DO(Szak6AShot5_Spawn), DO(Szak6AShot6_Spawn),
    Open(750, 890), Within(810, 850), Only(Gate::PlayMode2), DO(Szak6AShot7_Emit),
    Open(750, 890),                                          DO(Szak6BShot4_Spawn), DO(Szak6BShot1_Spawn),
    Open(750, 890), Within(750, 790), Only(Gate::SubMode1),  DO(Szak6BShot2_Spawn), DO(Szak6BShot3_Spawn),
    Open(750, 890), Within(840, 890), Only(Gate::SubMode1),  DO(Szak6BShot2_Spawn), DO(Szak6BShot3_Spawn),
    Open(750, 890), Only(Gate::PlayMode1),                   DO(Szak6BShot5_Spawn), DO(Szak6BShot6_Spawn),
    Open(750, 890), Within(810, 850), Only(Gate::PlayMode2), DO(Szak6BShot7_Emit),

    Every(), DO(Szak12_Update), DO(Szak12_Update), DO(Szak12_Draw),
    Open(890, 1100),  DO(Szak12_Spawn), DO(Szak12Shot1_Spawn), DO(Szak12Shot2_Spawn), DO(Szak12Shot3_Spawn),
                      DO(Szak12Shot4_Spawn), DO(Szak12Shot5_Spawn), DO(Szak12Shot6_Spawn), DO(Szak12Shot7_Spawn),
                      DO(Szak12Shot8_Spawn), DO(Szak12Shot9_Spawn), DO(Szak12Shot10_Spawn),
    Open(1100, 1180), MIX_ARM2(3), MIX_ARM2(4),

    Every(), UD(Szak52A),
    Open(200, 230), Open(670, 700),  DO(Szak52A_Spawn), DO(Szak52AShot4_Spawn), DO(Szak52AShot5_Spawn),
                                     DO(Szak52AShot6_Spawn), DO(Szak52AShot7_Spawn), DO(Szak52AShot8_Spawn),
                                     DO(Szak52AShot1_Emit), DO(Szak52AShot2_Emit), DO(Szak52AShot3_Emit),
    Every(), UD(Szak52B),
    Open(200, 230), Open(670, 700),  DO(Szak52B_Spawn), DO(Szak52BShot4_Spawn), DO(Szak52BShot5_Spawn),
                                     DO(Szak52BShot6_Spawn), DO(Szak52BShot7_Spawn), DO(Szak52BShot8_Spawn),
                                     DO(Szak52BShot1_Emit), DO(Szak52BShot2_Emit), DO(Szak52BShot3_Emit),

    Every(), UD(Szak30B),
    Open(550, 600), Open(800, 860), Open(1000, 1100),  DO(Szak30B_WaveTimer),
    Every(), UD(Szak31B),
    Open(550, 600), Open(800, 860), Open(1000, 1100),  DO(Szak31B_WaveTimer),
    Every(), UD(Szak32B),
    Open(600, 650), Open(750, 800),                    DO(Szak32B_WaveTimer),
    Every(), UD(Szak33B),
    Open(600, 650), Open(750, 800),                    DO(Szak33B_WaveTimer),
};

// Boss71's bullets (and those of the stage-5 boss, which nothing fires here), then the escorts' shots.
constexpr ScheduleStep kBullets[] = {
    Every(), UD(Boss71Arm2), UD(Boss71Arm3), UD(Boss71Arm1), UD(Boss71Arm5), UD(Boss71Arm6), UD(Boss71Arm4),
             UD(Boss71Arm8), UD(Boss71Arm9), UD(Boss71Arm7),
             UD(Boss71Rot5Way1), UD(Boss71Rot5Way2), UD(Boss71Rot5Way3), UD(Boss71Rot5Way4), UD(Boss71Rot5Way5),
             UD(Boss71Rot5Way6), UD(Boss71Rot5Way7), UD(Boss71Rot5Way8), UD(Boss71Rot5Way9),
             UD(Boss71Rot5Way10), UD(Boss71Rot5Way11), UD(Boss71Rot5Way12),
             UD(Boss71AimFan1), UD(Boss71AimFan2), UD(Boss71Arc4), UD(Boss71Arc5), UD(Boss71Arc6), UD(Boss71Arc7),
             UD(Boss71Arc2), UD(Boss71Arc3), UD(Boss71Arc1), UD(Boss71Volley5), UD(Boss71Volley6),
             UD(Boss71Drops1), UD(Boss71Drops2), UD(Boss71Drops3), UD(Boss71Drops4), UD(Boss71Drops5),
             UD(Boss71Drops6), UD(Boss71Drops7), UD(Boss71Drops8), UD(Boss71Drops9),
             UD(Boss71Volley1), UD(Boss71Volley2), UD(Boss71Volley3), UD(Boss71Volley4),
             UD(Boss31Arc4), UD(Boss31Arc5), UD(Boss31Arc2), UD(Boss31Arc3), UD(Boss31Arc1), UD(Boss31AimFan1),
             UD(Boss31Volley1), UD(Boss31Volley2), UD(Boss31Drops1), UD(Boss31Drops2), UD(Boss31Drops3),
             UD(Boss31Drops4), UD(Boss31Drops5), UD(Boss31Drops6), UD(Boss31Drops7),
             UD(Boss71RotFan1), UD(Boss71RotFan2), UD(Boss71RotFan3), UD(Boss71RotFan4), UD(Boss71RotFan5),
             UD(Boss71RotFan6), UD(Boss71RotFan7),
    Only(Gate::SubMode1), DO(Boss31Arc4_Update), DO(Boss31Arc5_Update), DO(Boss31Arc2_Update),
                          DO(Boss31Arc3_Update), DO(Boss31Arc1_Update),
    Every(), MIX_SHOT1(0, 0), MIX_SHOT1(1, 1), MIX_SHOT1(2, 1), MIX_SHOT1(3, 0), MIX_SHOT1(4, 0),
             MIX_SHOT1(5, 0), MIX_SHOT1(6, 0), MIX_SHOT1(7, 1), MIX_SHOT1(8, 1),
             MIX_SHOT2(1, 0), MIX_SHOT2(2, 0), MIX_SHOT2(3, 1), MIX_SHOT2(4, 1), MIX_SHOT2(7, 0), MIX_SHOT2(8, 0),
    Every(), UD(Szak6AShot4), UD(Szak6AShot5), UD(Szak6AShot6), UD(Szak6AShot2), UD(Szak6AShot3),
             UD(Szak6AShot1), UD(Szak6AShot7),
             UD(Szak6BShot4), UD(Szak6BShot5), UD(Szak6BShot6), UD(Szak6BShot2), UD(Szak6BShot3),
             UD(Szak6BShot1), UD(Szak6BShot7),
             UD(Szak30BShot1), UD(Szak31BShot1), UD(Szak32BShot1), UD(Szak33BShot1),
             UD(Szak12Shot1), UD(Szak12Shot2), UD(Szak12Shot3), UD(Szak12Shot4), UD(Szak12Shot5),
             UD(Szak12Shot6), UD(Szak12Shot7), UD(Szak12Shot8), UD(Szak12Shot9), UD(Szak12Shot10),
    Only(Gate::PlayModeNot1), DO(Szak12Shot1_Update), DO(Szak12Shot2_Update), DO(Szak12Shot3_Update),
                              DO(Szak12Shot4_Update), DO(Szak12Shot5_Update),
    Every(), UD(Szak52AShot4), UD(Szak52AShot5), UD(Szak52AShot6), UD(Szak52AShot7), UD(Szak52AShot8),
             UD(Szak52AShot1), UD(Szak52AShot2), UD(Szak52AShot3),
             UD(Szak52BShot4), UD(Szak52BShot5), UD(Szak52BShot6), UD(Szak52BShot7), UD(Szak52BShot8),
             UD(Szak52BShot1), UD(Szak52BShot2), UD(Szak52BShot3),
};

// clang-format on

}  // namespace

const StageRows Stage2Rows = {kAttacks, kEscorts, kBullets};

void Stage2_Attacks(const StageScript& s) { Schedule_Run(kAttacks, s); }
void Stage2_Escorts(const StageScript& s) { Schedule_Run(kEscorts, s); }
void Stage2_Bullets(const StageScript& s) { Schedule_Run(kBullets, s); }
