// The schedule of stage 4: Boss51's attacks, the escort waves and the families run every frame.
#include "game/bossfire/aimfan.h"
#include "game/bossfire/arc.h"
#include "game/bossfire/beam.h"
#include "game/bossfire/drops.h"
#include "game/bossfire/rotchain.h"
#include "game/bossfire/stream.h"
#include "game/enemy/szak10.h"
#include "game/enemy/szak12.h"
#include "game/enemy/szak13.h"
#include "game/enemy/szak21.h"
#include "game/enemy/szak6.h"
#include "game/enemy/szakmix.h"
#include "game/stage/schedule_rows.h"
#include "game/stage/schedules.h"

namespace {
using namespace sched;

// clang-format off

// Boss51's attacks by attack clock, tested in this order. At level 1 the boss drops its clusters and
// throws late arcs; at level 3 it hangs its two beams instead.
constexpr ScheduleStep kAttacks[] = {
    Clock(5, 200),                          DO(Boss51Stream1_Emit), DO(Boss51Stream2_Emit), DO(Boss51Stream3_Emit),
                                            DO(Boss51Stream4_Emit), DO(Boss51Stream5_Emit), DO(Boss51Stream6_Emit),
    Clock(50, 120),                         DO(Boss51RotChain1_Spawn), DO(Boss51RotChain2_Spawn),
    Clock(0, 100),                          DO(Boss51Arc2_Emit), DO(Boss51Arc3_Emit),
    Clock(200, 300),                        DO(Boss51Arc1_Emit),
    Clock(240, 280),                        DO(Boss51AimFan1_Emit), DO(Boss51AimFan2_Emit),
    Clock(300, 600), Only(Gate::Level2Or3), DO(Boss51Beam1_Update), DO(Boss51Beam2_Update),
    Clock(600, 700),                        DO(Boss51RotChain1_Spawn), DO(Boss51RotChain2_Spawn),
    Clock(500, 700),                        DO(Boss51AimFan3_Emit), DO(Boss51AimFan4_Emit),
    Clock(770, 900),                        DO(Boss51Arc6_Emit), DO(Boss51Arc7_Emit),
    Clock(800, 980),                        DO(Boss51Arc4_Emit), DO(Boss51Arc5_Emit),
    Clock(1000, 1300), Only(Gate::Level2Or3), DO(Boss51Beam1_Update), DO(Boss51Beam2_Update),
    Clock(1200, 1300),                      DO(Boss51Arc2_Emit), DO(Boss51Arc3_Emit),
    Clock(300, 500), Only(Gate::Level1),    DO(Boss51Drops1_Spawn), DO(Boss51Drops2_Spawn), DO(Boss51Drops3_Spawn),
                                            DO(Boss51Drops4_Spawn), DO(Boss51Drops5_Spawn), DO(Boss51Drops6_Spawn),
                                            DO(Boss51Drops7_Spawn), DO(Boss51Drops8_Spawn), DO(Boss51Drops9_Spawn),
    Clock(1020, 1200), Only(Gate::Level1),  DO(Boss51Drops1_Spawn), DO(Boss51Drops2_Spawn), DO(Boss51Drops3_Spawn),
                                            DO(Boss51Drops4_Spawn), DO(Boss51Drops5_Spawn), DO(Boss51Drops6_Spawn),
                                            DO(Boss51Drops7_Spawn), DO(Boss51Drops8_Spawn), DO(Boss51Drops9_Spawn),
    Clock(1120, 1200), Only(Gate::Level1),  DO(Boss51Arc2_Emit), DO(Boss51Arc3_Emit),
    Clock(1100, 1200), Only(Gate::Level1),  DO(Boss51Arc1_Emit),
    Clock(1300, 1450),                      DO(Boss51AimFan3_Emit), DO(Boss51AimFan4_Emit),
    Clock(1450, 1500),                      DO(Boss51AimFan1_Emit), DO(Boss51AimFan2_Emit),
    Clock(1500, 1750),                      DO(Boss51Stream1_Emit), DO(Boss51Stream2_Emit), DO(Boss51Stream3_Emit),
                                            DO(Boss51Stream4_Emit), DO(Boss51Stream5_Emit), DO(Boss51Stream6_Emit),
};

// The escorts: the SzakMix slots and their windows, then the other families each with theirs. The saucers
// are never spawned here: their shot spawns arm at the parked records.
constexpr ScheduleStep kEscorts[] = {
    Every(), MIX_FLY(0, 1, 1), MIX_FLY(1, 2, 1), MIX_FLY(2, 2, 1), MIX_FLY(3, 3, 4), MIX_FLY(4, 4, 4),
             MIX_FLY(5, 5, 0), MIX_FLY(6, 6, 0), MIX_FLY(7, 7, 0), MIX_FLY(8, 8, 0), MIX_FLY(9, 3, 3),
             MIX_FLY(10, 4, 3), MIX_FLY(11, 5, 0), MIX_FLY(12, 6, 0), MIX_FLY(13, 7, 4), MIX_FLY(14, 8, 4),
    Open(120, 200),   MIX_ARM2(3),
    Open(150, 250),   MIX_ARM2(4),
    Open(250, 400),   MIX_ARM1(5), MIX_ARM1(6),
    Open(350, 450),   MIX_ARM2(7), MIX_ARM2(8),
    Open(400, 700),   MIX_ARM2(3), MIX_ARM2(4),
    Open(500, 750),   MIX_ARM2(9), MIX_ARM2(10),
    Open(750, 1000),  MIX_ARM1(5), MIX_ARM1(6),
    Open(800, 1050),  MIX_ARM2(7), MIX_ARM2(8),
    Open(850, 1100),  MIX_ARM1(11), MIX_ARM1(12),
    Open(900, 1150),  MIX_ARM2(13), MIX_ARM2(14),
    Open(1100, 1300), MIX_ARM2(3), MIX_ARM2(4),

    Every(), UD(Szak6A), UD(Szak6B),
    Open(600, 680), Open(800, 900), Open(1000, 1100), Only(Gate::SubMode1),  DO(Szak6AShot4_Spawn), DO(Szak6AShot5_Spawn),
    Open(600, 680), Open(800, 900), Open(1000, 1100),                        DO(Szak6AShot6_Spawn),
    Open(600, 680), Open(800, 900), Open(1000, 1100), Only(Gate::SubMode1),  DO(Szak6BShot4_Spawn),
    Open(600, 680), Open(800, 900), Open(1000, 1100),                        DO(Szak6BShot5_Spawn),
    Open(600, 680), Open(800, 900), Open(1000, 1100), Only(Gate::SubMode1),  DO(Szak6BShot6_Spawn),

    Every(), UD(Szak13A), UD(Szak13B),
    Open(560, 600), Open(700, 800), Open(1100, 1200),                        DO(Szak13A_Spawn), DO(Szak13AShot1_Spawn),
    Open(560, 600), Open(700, 800), Open(1100, 1200), Only(Gate::SubMode1),  DO(Szak13AShot4_Spawn), DO(Szak13AShot5_Spawn),
    Open(560, 600), Open(700, 800), Open(1100, 1200),                        DO(Szak13AShot6_Spawn),
    Open(560, 600), Open(700, 800), Open(1100, 1200),                        DO(Szak13B_Spawn), DO(Szak13BShot1_Spawn),
    Open(560, 600), Open(700, 800), Open(1100, 1200), Only(Gate::SubMode1),  DO(Szak13BShot4_Spawn),
    Open(560, 600), Open(700, 800), Open(1100, 1200),                        DO(Szak13BShot5_Spawn),
    Open(560, 600), Open(700, 800), Open(1100, 1200), Only(Gate::SubMode1),  DO(Szak13BShot6_Spawn),

    Every(), UD(Szak12),
    Open(500, 600),                         DO(Szak12_Spawn),
    Open(500, 600), Only(Gate::PlayMode2),  DO(Szak12Shot1_Spawn),
    Open(500, 600), Only(Gate::SubMode1),   DO(Szak12Shot2_Spawn), DO(Szak12Shot3_Spawn), DO(Szak12Shot4_Spawn),
                                            DO(Szak12Shot5_Spawn),
    Open(500, 600),                         DO(Szak12Shot6_Spawn),

    Every(), UD(Szak10),
    Open(30, 200),  DO(Szak10_Spawn),

    Every(), UD(Szak21A),
    Open(100, 200), Open(400, 500), Open(1180, 1260),  DO(Szak21A_Spawn),
    Every(), UD(Szak22A),
    Open(100, 200), Open(400, 500), Open(1180, 1260),  DO(Szak22A_Spawn),
};

// Boss51's bullets (the beams drawn every frame, moved only in their attack windows), then the escorts'
// shots. The SzakMix shots of slots 13 and 14 are armed in this stage but not moved.
constexpr ScheduleStep kBullets[] = {
    Every(), DO(Boss51Beam1_Draw), DO(Boss51Beam2_Draw),
             UD(Boss51Arc1), UD(Boss51Arc2), UD(Boss51Arc3), UD(Boss51Arc6), UD(Boss51Arc7), UD(Boss51Arc4),
             UD(Boss51Arc5), UD(Boss51AimFan1), UD(Boss51AimFan2), UD(Boss51AimFan3), UD(Boss51AimFan4),
             UD(Boss51Drops1), UD(Boss51Drops2), UD(Boss51Drops3), UD(Boss51Drops4), UD(Boss51Drops5),
             UD(Boss51Drops6), UD(Boss51Drops7), UD(Boss51Drops8), UD(Boss51Drops9),
    Only(Gate::SubMode1), DO(Boss51Arc1_Update), DO(Boss51Arc6_Update), DO(Boss51Arc7_Update), DO(Boss51Arc4_Update),
                          DO(Boss51Arc5_Update), DO(Boss51AimFan3_Update), DO(Boss51AimFan4_Update),
                          DO(Boss51Drops1_Update), DO(Boss51Drops2_Update), DO(Boss51Drops3_Update),
                          DO(Boss51Drops4_Update), DO(Boss51Drops5_Update), DO(Boss51Drops6_Update),
                          DO(Boss51Drops7_Update), DO(Boss51Drops8_Update), DO(Boss51Drops9_Update),
    Every(), UD(Boss51RotChain1), UD(Boss51RotChain2), UD(Boss51Stream1), UD(Boss51Stream2), UD(Boss51Stream3),
             UD(Boss51Stream4), UD(Boss51Stream5), UD(Boss51Stream6),

    Every(), MIX_SHOT1(0, 0), MIX_SHOT1(1, 1), MIX_SHOT1(2, 1), MIX_SHOT1(3, 0), MIX_SHOT1(4, 0),
             MIX_SHOT1(5, 0), MIX_SHOT1(6, 0), MIX_SHOT1(7, 1), MIX_SHOT1(8, 1), MIX_SHOT1(9, 0),
             MIX_SHOT1(10, 0), MIX_SHOT1(11, 0), MIX_SHOT1(12, 0),
             MIX_SHOT2(1, 1), MIX_SHOT2(2, 1), MIX_SHOT2(3, 1), MIX_SHOT2(4, 1), MIX_SHOT2(7, 0), MIX_SHOT2(8, 0),
             MIX_SHOT2(9, 1), MIX_SHOT2(10, 1), MIX_SHOT2(11, 0), MIX_SHOT2(12, 0), MIX_SHOT2(13, 0),
             MIX_SHOT2(14, 0),
    Every(), UD(Szak6AShot4), UD(Szak6AShot5), UD(Szak6AShot6), UD(Szak6AShot1), UD(Szak6BShot4),
             UD(Szak6BShot5), UD(Szak6BShot6), UD(Szak6BShot1), UD(Szak13AShot1), UD(Szak13AShot4),
             UD(Szak13AShot5), UD(Szak13AShot6), UD(Szak13BShot1), UD(Szak13BShot4), UD(Szak13BShot5),
             UD(Szak13BShot6),
             UD(Szak12Shot1), UD(Szak12Shot2), UD(Szak12Shot3), UD(Szak12Shot4), UD(Szak12Shot5),
             UD(Szak12Shot6), UD(Szak12Shot7), UD(Szak12Shot8), UD(Szak12Shot9), UD(Szak12Shot10),
};

// clang-format on

}  // namespace

const StageRows Stage4Rows = {kAttacks, kEscorts, kBullets};

void Stage4_Attacks(const StageScript& s) { Schedule_Run(kAttacks, s); }
void Stage4_Escorts(const StageScript& s) { Schedule_Run(kEscorts, s); }
void Stage4_Bullets(const StageScript& s) { Schedule_Run(kBullets, s); }
