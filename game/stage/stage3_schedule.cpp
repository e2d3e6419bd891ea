// The schedule of stage 3: Boss41's attacks, the escort waves and the families run every frame.
#include "game/bossfire/aimfan.h"
#include "game/bossfire/arc.h"
#include "game/bossfire/drops.h"
#include "game/bossfire/rot5way.h"
#include "game/bossfire/rotchain.h"
#include "game/bossfire/rotfan.h"
#include "game/bossfire/stream.h"
#include "game/bossfire/volley.h"
#include "game/stage/schedule_rows.h"
#include "game/stage/schedules.h"

namespace {
using namespace sched;

// clang-format off

// Boss41's attacks by attack clock, in the order of their first calls; the rotated fans take a window of
// 181 frames every 200 from 1920 on. Then the drops by hit points, a block that play never runs.
constexpr ScheduleStep kAttacks[] = {
    Clock(30, 60), Clock(500, 550), DO(Boss41AimFan3_Emit), DO(Boss41AimFan4_Emit),
    Clock(60, 80), Clock(450, 500), DO(Boss41Volley1_Emit), DO(Boss41Volley2_Emit), DO(Boss41Volley3_Emit),
    Clock(100, 200), Clock(950, 1200), DO(Boss41Rot5Way29_Spawn), DO(Boss41Rot5Way30_Spawn),
    Clock(160, 200), Clock(380, 500), Clock(1050, 1200), DO(Boss41Rot5Way25_Spawn), DO(Boss41Rot5Way26_Spawn),
    Clock(200, 300), DO(Boss41Arc6_Emit), DO(Boss41Arc7_Emit),
    Clock(250, 280), Clock(510, 540), Clock(1200, 1250), DO(Boss41Rot5Way3_Spawn), DO(Boss41Rot5Way4_Spawn), DO(Boss41Rot5Way5_Spawn), DO(Boss41Rot5Way6_Spawn), DO(Boss41Rot5Way7_Spawn), DO(Boss41Rot5Way8_Spawn), DO(Boss41Rot5Way15_Spawn), DO(Boss41Rot5Way16_Spawn), DO(Boss41Rot5Way17_Spawn), DO(Boss41Rot5Way18_Spawn), DO(Boss41Rot5Way19_Spawn), DO(Boss41Rot5Way20_Spawn),
    Clock(300, 500), Clock(1000, 1200), DO(Boss41Rot5Way27_Spawn), DO(Boss41Rot5Way28_Spawn),
    Clock(300, 400), Only(Gate::SubMode1), DO(Boss41AimFan3_Emit), DO(Boss41AimFan4_Emit),
    Clock(400, 500), Clock(550, 800), DO(Boss41Arc4_Emit), DO(Boss41Arc5_Emit),
    Clock(600, 750), Clock(1250, 1500), DO(Boss41RotChain1_Spawn), DO(Boss41RotChain2_Spawn),
    Clock(800, 950), DO(Boss41Arc1_Emit),
    Clock(1200, 1250), DO(Boss41Rot5Way9_Spawn), DO(Boss41Rot5Way21_Spawn),
    Clock(1250, 1500), DO(Boss41RotChain3_Spawn), DO(Boss41RotChain4_Spawn),
    Clock(1510, 1900), DO(Boss41Stream1_Emit), DO(Boss41Stream2_Emit), DO(Boss41Stream3_Emit), DO(Boss41Stream4_Emit), DO(Boss41Stream5_Emit), DO(Boss41Stream6_Emit),
    Clock(1920, 2100), DO(Boss41RotFan1_Emit),
    Clock(2120, 2300), DO(Boss41RotFan4_Emit),
    Clock(2320, 2500), DO(Boss41RotFan7_Emit),
    Clock(2520, 2700), DO(Boss41RotFan10_Emit),
    Clock(2720, 2900), DO(Boss41RotFan13_Emit),
    Clock(2920, 3100), DO(Boss41RotFan16_Emit),
    Clock(3120, 3300), DO(Boss41RotFan19_Emit),
    Clock(3320, 3500), DO(Boss41RotFan2_Emit), DO(Boss41RotFan3_Emit),
    Clock(3520, 3700), Clock(4720, 4900), DO(Boss41RotFan5_Emit), DO(Boss41RotFan6_Emit),
    Clock(3720, 3900), DO(Boss41RotFan8_Emit), DO(Boss41RotFan9_Emit),
    Clock(3920, 4100), DO(Boss41RotFan11_Emit), DO(Boss41RotFan12_Emit),
    Clock(4120, 4300), DO(Boss41RotFan14_Emit), DO(Boss41RotFan15_Emit),
    Clock(4320, 4500), DO(Boss41RotFan17_Emit), DO(Boss41RotFan18_Emit),
    Clock(4520, 4700), DO(Boss41RotFan20_Emit), DO(Boss41RotFan21_Emit),
    Hp(740, 770), Hp(460, 490), Hp(60, 90), Only(Gate::PlayModeNot1), DO(Boss41Drops1_Spawn), DO(Boss41Drops2_Spawn), DO(Boss41Drops3_Spawn), DO(Boss41Drops4_Spawn), DO(Boss41Drops5_Spawn), DO(Boss41Drops6_Spawn), DO(Boss41Drops7_Spawn), DO(Boss41Drops8_Spawn), DO(Boss41Drops8_Spawn), DO(Boss41Drops9_Spawn),
};

// The escorts, family by family, each with its spawn windows. The saucers are never spawned here: their
// shot spawns arm at the parked records.
constexpr Schedule kEscorts{};

// Boss41's bullets, then the escorts' shots. The saucers' and Szak13's fourth shot sets are armed in play
// but move and show only under sub-mode 1.
constexpr ScheduleStep kBullets[] = {
    Every(), UD(Boss41RotFan1), UD(Boss41RotFan2), UD(Boss41RotFan3), UD(Boss41RotFan4), UD(Boss41RotFan5), UD(Boss41RotFan6), UD(Boss41RotFan7), UD(Boss41RotFan8), UD(Boss41RotFan9), UD(Boss41RotFan10), UD(Boss41RotFan11), UD(Boss41RotFan12), UD(Boss41RotFan13), UD(Boss41RotFan14), UD(Boss41RotFan15), UD(Boss41RotFan16), UD(Boss41RotFan17), UD(Boss41RotFan18), UD(Boss41RotFan19), UD(Boss41RotFan20), UD(Boss41RotFan21), UD(Boss41Rot5Way1), UD(Boss41Rot5Way2), UD(Boss41Rot5Way3), UD(Boss41Rot5Way4), UD(Boss41Rot5Way5), UD(Boss41Rot5Way6), UD(Boss41Rot5Way7), UD(Boss41Rot5Way8), UD(Boss41Rot5Way9), UD(Boss41Rot5Way10), UD(Boss41Rot5Way11), UD(Boss41Rot5Way12), UD(Boss41Rot5Way13), UD(Boss41Rot5Way14), UD(Boss41Rot5Way15), UD(Boss41Rot5Way16), UD(Boss41Rot5Way17), UD(Boss41Rot5Way18), UD(Boss41Rot5Way19), UD(Boss41Rot5Way20), UD(Boss41Rot5Way21), UD(Boss41Rot5Way22), UD(Boss41Rot5Way23), UD(Boss41Rot5Way24), UD(Boss41Arc6), UD(Boss41Arc7), UD(Boss41Arc4), UD(Boss41Arc5), UD(Boss41Arc2), UD(Boss41Arc3), UD(Boss41Arc1), UD(Boss41Rot5Way29), UD(Boss41Rot5Way30), UD(Boss41Rot5Way25), UD(Boss41Rot5Way26), UD(Boss41Rot5Way27), UD(Boss41Rot5Way28), UD(Boss41AimFan3), UD(Boss41AimFan4), UD(Boss41AimFan1), UD(Boss41AimFan2), UD(Boss41Volley1), UD(Boss41Volley2), UD(Boss41Volley3), UD(Boss41Drops1), UD(Boss41Drops2), UD(Boss41Drops3), UD(Boss41Drops4), UD(Boss41Drops5), UD(Boss41Drops6), UD(Boss41Drops7), UD(Boss41Drops8), UD(Boss41Drops9), UD(Boss41Stream1), UD(Boss41Stream2), UD(Boss41Stream3), UD(Boss41Stream4), UD(Boss41Stream5), UD(Boss41Stream6),
    Only(Gate::SubMode1), DO(Boss41Arc6_Update), DO(Boss41Arc7_Update), DO(Boss41Arc4_Update), DO(Boss41Arc5_Update), DO(Boss41Arc2_Update), DO(Boss41Arc3_Update), DO(Boss41Arc1_Update),
    Every(), UD(Boss41RotChain1), UD(Boss41RotChain2), UD(Boss41RotChain3), UD(Boss41RotChain4),
};

// clang-format on

}  // namespace

const StageRows Stage3Rows = {kAttacks, kEscorts, kBullets};

void Stage3_Attacks(const StageScript& s) { Schedule_Run(kAttacks, s); }
void Stage3_Escorts(const StageScript& s) { Schedule_Run(kEscorts, s); }
void Stage3_Bullets(const StageScript& s) { Schedule_Run(kBullets, s); }
