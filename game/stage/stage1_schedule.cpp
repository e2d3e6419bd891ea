// The schedule of stage 1: Boss11's attacks, the escort waves and the families run every frame.
#include "game/bossfire/aimfan.h"
#include "game/bossfire/arc.h"
#include "game/bossfire/arm.h"
#include "game/bossfire/drops.h"
#include "game/bossfire/ring.h"
#include "game/bossfire/rot5way.h"
#include "game/bossfire/rotfan.h"
#include "game/bossfire/volley.h"
#include "game/stage/schedule_rows.h"
#include "game/stage/schedules.h"

namespace {
using namespace sched;

// clang-format off

// Boss11's attacks by attack clock, in the order of their first calls.
constexpr ScheduleStep kAttacks[] = {
    Clock(0, 200), Clock(600, 900), Clock(1400, 1900), DO(Boss11RotFan1_Emit),
    Clock(100, 170), Clock(600, 720), Clock(2300, 2800), Clock(3300, 3600), DO(Boss11Rot5Way9_Spawn), DO(Boss11Rot5Way10_Spawn),
    Clock(170, 200), Clock(720, 760), Clock(1100, 1400), Clock(3600, 4250), DO(Boss11Rot5Way3_Spawn), DO(Boss11Rot5Way4_Spawn), DO(Boss11Rot5Way5_Spawn), DO(Boss11Rot5Way6_Spawn), DO(Boss11Rot5Way7_Spawn), DO(Boss11Rot5Way8_Spawn),
    Clock(0, 3000), DO(Boss11Ring3_Emit), DO(Boss11Ring5_Emit),
    Clock(1400, 4300), DO(Boss11Ring1_Emit), DO(Boss11Ring2_Emit),
    Clock(2000, 4300), DO(Boss11Ring4_Emit), DO(Boss11Ring6_Emit),
    Clock(20, 280), Only(Gate::Level2Or3), DO(Boss11Arm1_Emit), DO(Boss11Arm2_Emit),
    Clock(100, 200), Clock(400, 500), Only(Gate::PlayMode2OrSubMode1), DO(Boss11Rot5Way1_Spawn), DO(Boss11Rot5Way2_Spawn),
    Clock(200, 300), DO(Boss11AimFan2_Emit),
    Clock(250, 460), DO(Boss11RotFan2_Emit),
    Clock(400, 580), DO(Boss11AimFan3_Emit),
    Clock(500, 600), Clock(800, 900), DO(Boss11Volley1_Emit), DO(Boss11Volley2_Emit),
    Clock(600, 800), DO(Boss11Volley5_Emit), DO(Boss11Volley6_Emit),
    Clock(800, 900), DO(Boss11Volley3_Emit), DO(Boss11Volley4_Emit),
    Clock(900, 1100), DO(Boss11Arc1_Emit),
};

// The escorts: every frame, then their spawns by distance in the order the stage tests them.
constexpr Schedule kEscorts{};

// Boss11's bullets and the escorts' shots, every frame.
constexpr ScheduleStep kBullets[] = {
    Every(), UD(Boss11Arm1), UD(Boss11Arm2), UD(Boss11Rot5Way3), UD(Boss11Rot5Way4), UD(Boss11Rot5Way5), UD(Boss11Rot5Way6), UD(Boss11Rot5Way7), UD(Boss11Rot5Way8), UD(Boss11AimFan1), UD(Boss11Rot5Way9), UD(Boss11Rot5Way10), UD(Boss11Rot5Way1), UD(Boss11Rot5Way2), UD(Boss11AimFan2), UD(Boss11RotFan1), UD(Boss11RotFan2), UD(Boss11Volley5), UD(Boss11Volley6), UD(Boss11Volley1), UD(Boss11Volley2), UD(Boss11Volley3), UD(Boss11Volley4), UD(Boss11Arc1), UD(Boss11Drops1), UD(Boss11Drops2), UD(Boss11Drops3), UD(Boss11AimFan3), UD(Boss11Ring1), UD(Boss11Ring2), UD(Boss11Ring3), UD(Boss11Ring5), UD(Boss11Ring4), UD(Boss11Ring6), UD(Boss11Ring7), UD(Boss11Ring8), UD(Boss11Ring9), UD(Boss11Ring10), UD(Boss11Ring11), UD(Boss11Ring12),
    Only(Gate::SubMode1), DO(Boss11Volley3_Update), DO(Boss11Volley4_Update),
};

// clang-format on

}  // namespace

const StageRows Stage1Rows = {kAttacks, kEscorts, kBullets};

void Stage1_Attacks(const StageScript& s) { Schedule_Run(kAttacks, s); }
void Stage1_Escorts(const StageScript& s) { Schedule_Run(kEscorts, s); }
void Stage1_Bullets(const StageScript& s) { Schedule_Run(kBullets, s); }
