// The schedule of stage 4: Boss51's attacks, the escort waves and the families run every frame.
#include "game/bossfire/aimfan.h"
#include "game/bossfire/arc.h"
#include "game/bossfire/beam.h"
#include "game/bossfire/drops.h"
#include "game/bossfire/rotchain.h"
#include "game/bossfire/stream.h"
#include "game/stage/schedule_rows.h"
#include "game/stage/schedules.h"

namespace {
using namespace sched;

// clang-format off

// Boss51's attacks by attack clock, tested in this order. At level 1 the boss drops its clusters and
// throws late arcs; at level 3 it hangs its two beams instead.
constexpr ScheduleStep kAttacks[] = {
    Clock(5, 200), DO(Boss51Stream1_Emit), DO(Boss51Stream2_Emit), DO(Boss51Stream3_Emit), DO(Boss51Stream4_Emit), DO(Boss51Stream5_Emit), DO(Boss51Stream6_Emit),
    Clock(50, 120), DO(Boss51RotChain1_Spawn), DO(Boss51RotChain2_Spawn),
    Clock(0, 100), DO(Boss51Arc2_Emit), DO(Boss51Arc3_Emit),
    Clock(200, 300), DO(Boss51Arc1_Emit),
    Clock(240, 280), DO(Boss51AimFan1_Emit), DO(Boss51AimFan2_Emit),
    Clock(300, 600), Only(Gate::Level2Or3), DO(Boss51Beam1_Update), DO(Boss51Beam2_Update),
    Clock(600, 700), DO(Boss51RotChain1_Spawn), DO(Boss51RotChain2_Spawn),
    Clock(500, 700), DO(Boss51AimFan3_Emit), DO(Boss51AimFan4_Emit),
    Clock(770, 900), DO(Boss51Arc6_Emit), DO(Boss51Arc7_Emit),
    Clock(800, 980), DO(Boss51Arc4_Emit), DO(Boss51Arc5_Emit),
    Clock(1000, 1300), Only(Gate::Level2Or3), DO(Boss51Beam1_Update), DO(Boss51Beam2_Update),
    Clock(1200, 1300), DO(Boss51Arc2_Emit), DO(Boss51Arc3_Emit),
    Clock(300, 500), Only(Gate::Level1), DO(Boss51Drops1_Spawn), DO(Boss51Drops2_Spawn), DO(Boss51Drops3_Spawn), DO(Boss51Drops4_Spawn), DO(Boss51Drops5_Spawn), DO(Boss51Drops6_Spawn), DO(Boss51Drops7_Spawn), DO(Boss51Drops8_Spawn), DO(Boss51Drops9_Spawn),
    Clock(1020, 1200), Only(Gate::Level1), DO(Boss51Drops1_Spawn), DO(Boss51Drops2_Spawn), DO(Boss51Drops3_Spawn), DO(Boss51Drops4_Spawn), DO(Boss51Drops5_Spawn), DO(Boss51Drops6_Spawn), DO(Boss51Drops7_Spawn), DO(Boss51Drops8_Spawn), DO(Boss51Drops9_Spawn),
    Clock(1120, 1200), Only(Gate::Level1), DO(Boss51Arc2_Emit), DO(Boss51Arc3_Emit),
    Clock(1100, 1200), Only(Gate::Level1), DO(Boss51Arc1_Emit),
    Clock(1300, 1450), DO(Boss51AimFan3_Emit), DO(Boss51AimFan4_Emit),
    Clock(1450, 1500), DO(Boss51AimFan1_Emit), DO(Boss51AimFan2_Emit),
    Clock(1500, 1750), DO(Boss51Stream1_Emit), DO(Boss51Stream2_Emit), DO(Boss51Stream3_Emit), DO(Boss51Stream4_Emit), DO(Boss51Stream5_Emit), DO(Boss51Stream6_Emit),
};

// The escorts: the SzakMix slots and their windows, then the other families each with theirs. The saucers
// are never spawned here: their shot spawns arm at the parked records.
constexpr Schedule kEscorts{};

// Boss51's bullets (the beams drawn every frame, moved only in their attack windows), then the escorts'
// shots. The SzakMix shots of slots 13 and 14 are armed in this stage but not moved.
constexpr ScheduleStep kBullets[] = {
    Every(), DO(Boss51Beam1_Draw), DO(Boss51Beam2_Draw), UD(Boss51Arc1), UD(Boss51Arc2), UD(Boss51Arc3), UD(Boss51Arc6), UD(Boss51Arc7), UD(Boss51Arc4), UD(Boss51Arc5), UD(Boss51AimFan1), UD(Boss51AimFan2), UD(Boss51AimFan3), UD(Boss51AimFan4), UD(Boss51Drops1), UD(Boss51Drops2), UD(Boss51Drops3), UD(Boss51Drops4), UD(Boss51Drops5), UD(Boss51Drops6), UD(Boss51Drops7), UD(Boss51Drops8), UD(Boss51Drops9),
    Only(Gate::SubMode1), DO(Boss51Arc1_Update), DO(Boss51Arc6_Update), DO(Boss51Arc7_Update), DO(Boss51Arc4_Update), DO(Boss51Arc5_Update), DO(Boss51AimFan3_Update), DO(Boss51AimFan4_Update), DO(Boss51Drops1_Update), DO(Boss51Drops2_Update), DO(Boss51Drops3_Update), DO(Boss51Drops4_Update), DO(Boss51Drops5_Update), DO(Boss51Drops6_Update), DO(Boss51Drops7_Update), DO(Boss51Drops8_Update), DO(Boss51Drops9_Update),
    Every(), UD(Boss51RotChain1), UD(Boss51RotChain2), UD(Boss51Stream1), UD(Boss51Stream2), UD(Boss51Stream3), UD(Boss51Stream4), UD(Boss51Stream5), UD(Boss51Stream6),
};

// clang-format on

}  // namespace

const StageRows Stage4Rows = {kAttacks, kEscorts, kBullets};

void Stage4_Attacks(const StageScript& s) { Schedule_Run(kAttacks, s); }
void Stage4_Escorts(const StageScript& s) { Schedule_Run(kEscorts, s); }
void Stage4_Bullets(const StageScript& s) { Schedule_Run(kBullets, s); }
