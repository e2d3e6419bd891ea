// The schedule of the alternate stage 4: Boss4B's attacks, the escort waves and the families run every
// frame. This is the one stage that sends the saucers in.
#include "game/bossfire/aimfan.h"
#include "game/bossfire/arc.h"
#include "game/bossfire/drops.h"
#include "game/bossfire/lightning.h"
#include "game/bossfire/volley.h"
#include "game/stage/schedule_rows.h"
#include "game/stage/schedules.h"

namespace {
using namespace sched;

// clang-format off

// Boss4B's attacks by attack clock; the three lightning pairs of a burst open 0, 10 and 20 frames apart.
constexpr ScheduleStep kAttacks[] = {
    Clock(30, 100), DO(Boss4BLightning1_Spawn), DO(Boss4BLightning2_Spawn),
    Clock(100, 150), DO(Boss4BArc1_Emit),
    Clock(0, 170), DO(Boss4BVolley1_Emit), DO(Boss4BVolley2_Emit),
    Clock(200, 300), DO(Boss4BLightning1_Spawn), DO(Boss4BLightning2_Spawn),
    Clock(220, 320), DO(Boss4BLightning3_Spawn), DO(Boss4BLightning4_Spawn),
    Clock(240, 340), DO(Boss4BLightning5_Spawn), DO(Boss4BLightning6_Spawn),
    Clock(360, 500), DO(Boss4BLightning1_Spawn), DO(Boss4BLightning2_Spawn),
    Clock(370, 510), DO(Boss4BLightning3_Spawn), DO(Boss4BLightning4_Spawn),
    Clock(380, 520), DO(Boss4BLightning5_Spawn), DO(Boss4BLightning6_Spawn),
    Clock(450, 600), DO(Boss4BAimFan1_Emit),
    Clock(400, 600), DO(Boss4BArc6_Emit), DO(Boss4BArc7_Emit),
    Clock(600, 950), DO(Boss4BVolley1_Emit), DO(Boss4BVolley2_Emit),
    Clock(650, 900), DO(Boss4BArc4_Emit), DO(Boss4BArc5_Emit),
    Clock(700, 900), DO(Boss4BArc1_Emit),
    Clock(800, 950), DO(Boss4BArc2_Emit), DO(Boss4BArc3_Emit),
    Clock(900, 1300), DO(Boss4BLightning1_Spawn), DO(Boss4BLightning2_Spawn),
    Clock(910, 1310), DO(Boss4BLightning3_Spawn), DO(Boss4BLightning4_Spawn),
    Clock(920, 1320), DO(Boss4BLightning5_Spawn), DO(Boss4BLightning6_Spawn),
    Clock(950, 1500), DO(Boss4BArc4_Emit), DO(Boss4BArc5_Emit),
    Clock(1100, 1500), DO(Boss4BArc2_Emit), DO(Boss4BArc3_Emit),
    Clock(1450, 1550), DO(Boss4BVolley1_Emit), DO(Boss4BVolley2_Emit),
    Clock(1150, 1600), DO(Boss4BAimFan1_Emit),
};

// The escorts: every frame, their windows in the order the stage tests them, then the saucers and Szak13
// with theirs.
constexpr Schedule kEscorts{};

// Boss4B's bullets, then the escorts' shots. The first shot sets of Szak13A and Szak13B are armed in this
// stage but not moved.
constexpr ScheduleStep kBullets[] = {
    Every(), UD(Boss4BArc4), UD(Boss4BArc5), UD(Boss4BArc2), UD(Boss4BArc3), UD(Boss4BArc6), UD(Boss4BArc7), UD(Boss4BArc1), UD(Boss4BLightning1), UD(Boss4BLightning2), UD(Boss4BLightning3), UD(Boss4BLightning4), UD(Boss4BLightning5), UD(Boss4BLightning6), UD(Boss4BAimFan1), UD(Boss4BDrops1), UD(Boss4BDrops2), UD(Boss4BDrops3), UD(Boss4BDrops4), UD(Boss4BDrops5), UD(Boss4BDrops6), UD(Boss4BDrops7), UD(Boss4BDrops8), UD(Boss4BDrops9), UD(Boss4BVolley1), UD(Boss4BVolley2),
};

// clang-format on

}  // namespace

const StageRows Stage4BRows = {kAttacks, kEscorts, kBullets};

void Stage4B_Attacks(const StageScript& s) { Schedule_Run(kAttacks, s); }
void Stage4B_Escorts(const StageScript& s) { Schedule_Run(kEscorts, s); }
void Stage4B_Bullets(const StageScript& s) { Schedule_Run(kBullets, s); }
