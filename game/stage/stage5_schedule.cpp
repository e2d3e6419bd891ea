// The schedule of stage 5: Boss31's attacks, the escort waves and the families run every frame.
#include "game/bossfire/aimfan.h"
#include "game/bossfire/arc.h"
#include "game/bossfire/arm.h"
#include "game/bossfire/drops.h"
#include "game/bossfire/ring.h"
#include "game/bossfire/stream.h"
#include "game/bossfire/volley.h"
#include "game/stage/schedule_rows.h"
#include "game/stage/schedules.h"

namespace {
using namespace sched;

// clang-format off

// Boss31's attacks by attack clock, tested in this order. At level 1 the loop is 3000 frames with the
// ring phase from 1500; at level 3 it is 4390 frames, with the arms and the ring phase from 1900.
constexpr ScheduleStep kAttacks[] = {
    Clock(5, 500), DO(Boss31Ring5_Emit), DO(Boss31Ring6_Emit),
    Clock(1500, 2500), Only(Gate::Level1), DO(Boss31Ring1_Emit), DO(Boss31Ring2_Emit), DO(Boss31Ring3_Emit), DO(Boss31Ring4_Emit),
    Clock(2000, 2500), Only(Gate::Level1), DO(Boss31Ring5_Emit), DO(Boss31Ring6_Emit), DO(Boss31Ring7_Emit), DO(Boss31Ring8_Emit),
    Clock(2350, 2800), Only(Gate::Level1), DO(Boss31Stream1_Emit), DO(Boss31Stream2_Emit), DO(Boss31Stream3_Emit), DO(Boss31Stream4_Emit), DO(Boss31Stream5_Emit), DO(Boss31Stream6_Emit), DO(Boss31Stream7_Emit), DO(Boss31Stream8_Emit),
    Clock(2510, 3000), Only(Gate::Level1), DO(Boss31Ring9_Emit), DO(Boss31Ring10_Emit),
    Clock(1900, 3300), Only(Gate::Level2Or3), DO(Boss31Ring1_Emit), DO(Boss31Ring2_Emit), DO(Boss31Ring3_Emit), DO(Boss31Ring4_Emit),
    Clock(2400, 3300), Only(Gate::Level2Or3), DO(Boss31Ring5_Emit), DO(Boss31Ring6_Emit), DO(Boss31Ring7_Emit), DO(Boss31Ring8_Emit),
    Clock(3310, 4000), Only(Gate::Level2Or3), DO(Boss31Ring9_Emit), DO(Boss31Ring10_Emit),
    Clock(3800, 4390), Only(Gate::Level2Or3), DO(Boss31Stream1_Emit), DO(Boss31Stream2_Emit), DO(Boss31Stream3_Emit), DO(Boss31Stream4_Emit), DO(Boss31Stream5_Emit), DO(Boss31Stream6_Emit), DO(Boss31Stream7_Emit), DO(Boss31Stream8_Emit),
    Clock(0, 400), DO(Boss31Stream1_Emit), DO(Boss31Stream2_Emit), DO(Boss31Stream3_Emit), DO(Boss31Stream4_Emit), DO(Boss31Stream5_Emit), DO(Boss31Stream6_Emit), DO(Boss31Stream7_Emit), DO(Boss31Stream8_Emit),
    Clock(50, 100), DO(Boss31Arc2_Emit), DO(Boss31Arc3_Emit),
    Clock(100, 400), DO(Boss31Arc4_Emit), DO(Boss31Arc5_Emit),
    Clock(150, 400), DO(Boss31Arc2_Emit), DO(Boss31Arc3_Emit),
    Clock(400, 600), DO(Boss31AimFan3_Emit),
    Clock(450, 500), DO(Boss31Arc1_Emit),
    Clock(500, 700), DO(Boss31Arc2_Emit), DO(Boss31Arc3_Emit),
    Clock(480, 580), DO(Boss31Volley1_Emit), DO(Boss31Volley2_Emit),
    Clock(700, 1000), DO(Boss31Arc2_Emit), DO(Boss31Arc3_Emit),
    Clock(880, 1080), DO(Boss31AimFan5_Emit),
    Clock(680, 980), Only(Gate::Level2Or3), DO(Boss31Arm1_Emit), DO(Boss31Arm2_Emit),
    Clock(750, 1100), DO(Boss31Arc4_Emit), DO(Boss31Arc5_Emit),
    Clock(1100, 1500), Only(Gate::Level2Or3), DO(Boss31Arm1_Emit), DO(Boss31Arm2_Emit),
    Clock(1270, 1400), DO(Boss31Arc4_Emit), DO(Boss31Arc5_Emit),
    Clock(1300, 1400), DO(Boss31Arc2_Emit), DO(Boss31Arc3_Emit),
    Clock(1340, 1500), DO(Boss31AimFan1_Emit),
    Clock(1800, 2100), DO(Boss31AimFan3_Emit),
    Clock(2100, 2400), DO(Boss31AimFan4_Emit),
    Clock(1500, 1960), Only(Gate::Level2Or3), DO(Boss31Arm3_Emit), DO(Boss31Arm4_Emit),
    Clock(1750, 1900), Only(Gate::Level2Or3), DO(Boss31Arm1_Emit), DO(Boss31Arm2_Emit),
};

// The escorts, family by family, each with its spawn windows. The bomber moves three steps a frame here,
// and its stick of bombs is armed on every frame.
constexpr Schedule kEscorts{};

// Boss31's bullets (and those of the stage-2 boss, which nothing fires here), then the escorts' shots.
// The SzakMix shots of slots 13 and 14 are armed in this stage but not moved.
constexpr ScheduleStep kBullets[] = {
    Every(), UD(Boss71AimFan1), UD(Boss71AimFan2), UD(Boss71Arc4), UD(Boss71Arc5), UD(Boss71Arc6), UD(Boss71Arc7), UD(Boss71Arc2), UD(Boss71Arc3), UD(Boss71Arc1), UD(Boss71Volley5), UD(Boss71Volley6), UD(Boss71Drops1), UD(Boss71Drops2), UD(Boss71Drops3), UD(Boss71Drops4), UD(Boss71Drops5), UD(Boss71Drops6), UD(Boss71Drops7), UD(Boss71Drops8), UD(Boss71Drops9), UD(Boss31Arm1), UD(Boss31Arm2), UD(Boss31Arm3), UD(Boss31Arm4), UD(Boss31Arc4), UD(Boss31Arc5), UD(Boss31Arc2), UD(Boss31Arc3), UD(Boss31Arc1), UD(Boss31AimFan3), UD(Boss31AimFan4), UD(Boss31AimFan1), UD(Boss31Volley1), UD(Boss31Volley2), UD(Boss31Drops1), UD(Boss31Drops2), UD(Boss31Drops3), UD(Boss31Drops4), UD(Boss31Drops5), UD(Boss31Drops6), UD(Boss31Drops7), UD(Boss31AimFan5), UD(Boss31Ring1), UD(Boss31Ring2), UD(Boss31Ring3), UD(Boss31Ring4), UD(Boss31Ring5), UD(Boss31Ring6), UD(Boss31Ring7), UD(Boss31Ring8), UD(Boss31Ring9), UD(Boss31Ring10), UD(Boss31Stream1), UD(Boss31Stream2), UD(Boss31Stream3), UD(Boss31Stream4), UD(Boss31Stream5), UD(Boss31Stream6), UD(Boss31Stream7), UD(Boss31Stream8),
    Only(Gate::SubMode1), DO(Boss31Arc4_Update), DO(Boss31Arc5_Update), DO(Boss31Arc2_Update), DO(Boss31Arc3_Update), DO(Boss31Arc1_Update),
};

// clang-format on

}  // namespace

const StageRows Stage5Rows = {kAttacks, kEscorts, kBullets};

void Stage5_Attacks(const StageScript& s) { Schedule_Run(kAttacks, s); }
void Stage5_Escorts(const StageScript& s) { Schedule_Run(kEscorts, s); }
void Stage5_Bullets(const StageScript& s) { Schedule_Run(kBullets, s); }
