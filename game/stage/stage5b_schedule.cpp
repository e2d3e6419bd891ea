// The schedule of the alternate stage 5: Boss5B's attacks, the escort waves and the families run every
// frame. Boss5B borrows the stage-5 boss's aimed fan, which starts from that boss's position.
#include "game/bossfire/aimfan.h"
#include "game/bossfire/arc.h"
#include "game/bossfire/drops.h"
#include "game/enemy/szak12.h"
#include "game/enemy/szak21.h"
#include "game/enemy/szak52.h"
#include "game/stage/schedule_rows.h"
#include "game/stage/schedules.h"

namespace {
using namespace sched;

// clang-format off

// Boss5B's attacks by attack clock.
constexpr ScheduleStep kAttacks[] = {
    Clock(20, 80),      DO(Boss5BArc4_Emit), DO(Boss5BArc5_Emit),
    Clock(80, 160),     DO(Boss5BArc2_Emit), DO(Boss5BArc3_Emit),
    Clock(160, 260),    DO(Boss5BArc1_Emit),
    Clock(260, 360),    DO(Boss31AimFan5_Emit),
    Clock(360, 460),    DO(Boss5BArc1_Emit),
    Clock(390, 460),    DO(Boss5BDrops1_Spawn), DO(Boss5BDrops2_Spawn), DO(Boss5BDrops3_Spawn), DO(Boss5BDrops4_Spawn),
                        DO(Boss5BDrops5_Spawn), DO(Boss5BDrops6_Spawn), DO(Boss5BDrops7_Spawn), DO(Boss5BDrops8_Spawn),
                        DO(Boss5BDrops9_Spawn),
    Clock(460, 800),    DO(Boss31AimFan5_Emit), DO(Boss5BArc4_Emit), DO(Boss5BArc5_Emit),
    Clock(800, 1220),   DO(Boss5BArc4_Emit), DO(Boss5BArc5_Emit), DO(Boss5BArc2_Emit), DO(Boss5BArc3_Emit),
    Clock(1000, 1050),  DO(Boss31AimFan5_Emit),
    Clock(1140, 1200),  DO(Boss5BDrops1_Spawn), DO(Boss5BDrops2_Spawn), DO(Boss5BDrops3_Spawn), DO(Boss5BDrops4_Spawn),
                        DO(Boss5BDrops5_Spawn), DO(Boss5BDrops6_Spawn), DO(Boss5BDrops7_Spawn), DO(Boss5BDrops8_Spawn),
                        DO(Boss5BDrops9_Spawn),
};

// The boss's bullets first, then the escorts, family by family, each with its spawn windows.
constexpr ScheduleStep kEscorts[] = {
    Every(), UD(Boss5BArc4), UD(Boss5BArc5), UD(Boss5BArc2), UD(Boss5BArc3), UD(Boss5BArc1), UD(Boss31AimFan5),
             UD(Boss5BDrops1), UD(Boss5BDrops2), UD(Boss5BDrops3), UD(Boss5BDrops4), UD(Boss5BDrops5),
             UD(Boss5BDrops6), UD(Boss5BDrops7), UD(Boss5BDrops8), UD(Boss5BDrops9),

    Every(), DO(Szak12_Update), DO(Szak12_Update), DO(Szak12_Draw),
    Open(400, 550),  DO(Szak12_Spawn), DO(Szak12Shot1_Spawn), DO(Szak12Shot2_Spawn), DO(Szak12Shot3_Spawn),
                     DO(Szak12Shot4_Spawn), DO(Szak12Shot5_Spawn),

    Every(), UD(Szak52A),
    Open(800, 900), Open(1120, 1170), Open(1480, 1550),  DO(Szak52A_Spawn), DO(Szak52AShot4_Spawn),
                                                         DO(Szak52AShot5_Spawn), DO(Szak52AShot6_Spawn),
                                                         DO(Szak52AShot7_Spawn), DO(Szak52AShot8_Spawn),
    Every(), UD(Szak52B),
    Open(800, 900), Open(1120, 1170), Open(1480, 1550),  DO(Szak52B_Spawn), DO(Szak52BShot4_Spawn),
                                                         DO(Szak52BShot5_Spawn), DO(Szak52BShot6_Spawn),
                                                         DO(Szak52BShot7_Spawn), DO(Szak52BShot8_Spawn),

    Every(), UD(Szak21A),
    Open(700, 800), Open(1550, 1650),  DO(Szak21A_Spawn), DO(Szak21AShot2_Spawn),
    Every(), UD(Szak22A),
    Open(700, 800), Open(1550, 1650),  DO(Szak22A_Spawn), DO(Szak22AShot2_Spawn),
};

// The escorts' shots.
constexpr ScheduleStep kBullets[] = {
    Every(), UD(Szak12Shot1), UD(Szak12Shot2), UD(Szak12Shot3), UD(Szak12Shot4), UD(Szak12Shot5),
    Only(Gate::SubMode1), DO(Szak12Shot1_Update), DO(Szak12Shot2_Update), DO(Szak12Shot3_Update),
                          DO(Szak12Shot4_Update), DO(Szak12Shot5_Update),
    Every(), UD(Szak52AShot4), UD(Szak52AShot5), UD(Szak52AShot6), UD(Szak52AShot7), UD(Szak52AShot8),
             UD(Szak52BShot4), UD(Szak52BShot5), UD(Szak52BShot6), UD(Szak52BShot7), UD(Szak52BShot8),
             UD(Szak21AShot2), UD(Szak21AShot3), UD(Szak21AShot4), UD(Szak21AShot5), UD(Szak21AShot6),
             UD(Szak22AShot2), UD(Szak22AShot3), UD(Szak22AShot4), UD(Szak22AShot5), UD(Szak22AShot6),
};

// clang-format on

}  // namespace

const StageRows Stage5BRows = {kAttacks, kEscorts, kBullets};

void Stage5B_Attacks(const StageScript& s) { Schedule_Run(kAttacks, s); }
void Stage5B_Escorts(const StageScript& s) { Schedule_Run(kEscorts, s); }
void Stage5B_Bullets(const StageScript& s) { Schedule_Run(kBullets, s); }
