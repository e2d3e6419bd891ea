// The schedule of the alternate stage 4: Boss4B's attacks, the escort waves and the families run every
// frame. This is the one stage that sends the saucers in.
#include "game/bossfire/aimfan.h"
#include "game/bossfire/arc.h"
#include "game/bossfire/drops.h"
#include "game/bossfire/lightning.h"
#include "game/bossfire/volley.h"
#include "game/enemy/szak1.h"
#include "game/enemy/szak10.h"
#include "game/enemy/szak13.h"
#include "game/enemy/szak21.h"
#include "game/enemy/szak30a.h"
#include "game/enemy/szak30b.h"
#include "game/enemy/szak6.h"
#include "game/stage/schedule_rows.h"
#include "game/stage/schedules.h"

namespace {
using namespace sched;

// clang-format off

// Boss4B's attacks by attack clock; the three lightning pairs of a burst open 0, 10 and 20 frames apart.
constexpr ScheduleStep kAttacks[] = {
    Clock(30, 100),     DO(Boss4BLightning1_Spawn), DO(Boss4BLightning2_Spawn),
    Clock(100, 150),    DO(Boss4BArc1_Emit),
    Clock(0, 170),      DO(Boss4BVolley1_Emit), DO(Boss4BVolley2_Emit),
    Clock(200, 300),    DO(Boss4BLightning1_Spawn), DO(Boss4BLightning2_Spawn),
    Clock(220, 320),    DO(Boss4BLightning3_Spawn), DO(Boss4BLightning4_Spawn),
    Clock(240, 340),    DO(Boss4BLightning5_Spawn), DO(Boss4BLightning6_Spawn),
    Clock(360, 500),    DO(Boss4BLightning1_Spawn), DO(Boss4BLightning2_Spawn),
    Clock(370, 510),    DO(Boss4BLightning3_Spawn), DO(Boss4BLightning4_Spawn),
    Clock(380, 520),    DO(Boss4BLightning5_Spawn), DO(Boss4BLightning6_Spawn),
    Clock(450, 600),    DO(Boss4BAimFan1_Emit),
    Clock(400, 600),    DO(Boss4BArc6_Emit), DO(Boss4BArc7_Emit),
    Clock(600, 950),    DO(Boss4BVolley1_Emit), DO(Boss4BVolley2_Emit),
    Clock(650, 900),    DO(Boss4BArc4_Emit), DO(Boss4BArc5_Emit),
    Clock(700, 900),    DO(Boss4BArc1_Emit),
    Clock(800, 950),    DO(Boss4BArc2_Emit), DO(Boss4BArc3_Emit),
    Clock(900, 1300),   DO(Boss4BLightning1_Spawn), DO(Boss4BLightning2_Spawn),
    Clock(910, 1310),   DO(Boss4BLightning3_Spawn), DO(Boss4BLightning4_Spawn),
    Clock(920, 1320),   DO(Boss4BLightning5_Spawn), DO(Boss4BLightning6_Spawn),
    Clock(950, 1500),   DO(Boss4BArc4_Emit), DO(Boss4BArc5_Emit),
    Clock(1100, 1500),  DO(Boss4BArc2_Emit), DO(Boss4BArc3_Emit),
    Clock(1450, 1550),  DO(Boss4BVolley1_Emit), DO(Boss4BVolley2_Emit),
    Clock(1150, 1600),  DO(Boss4BAimFan1_Emit),
};

// The escorts: every frame, their windows in the order the stage tests them, then the saucers and Szak13
// with theirs.
constexpr ScheduleStep kEscorts[] = {
    Every(), DO(Szak10_Update), DO(Szak10_Update), DO(Szak10_Draw), UD(Szak21B), UD(Szak22B), UD(Szak1A),
             UD(Szak1B), UD(Szak30B), UD(Szak31B), UD(Szak21C), UD(Szak22C),
    Open(160, 200),    DO(Szak30B_WaveTimer),
    Open(200, 250),    DO(Szak31B_WaveTimer),
    Open(250, 300),    DO(Szak10_Spawn),
    Open(200, 250),    DO(Szak30B_WaveTimer), DO(Szak31B_WaveTimer),
    Open(300, 350),    DO(Szak21B_Spawn), DO(Szak22B_Spawn),
    Open(850, 950),    DO(Szak30B_WaveTimer), DO(Szak31B_WaveTimer),
    Open(950, 1050),   DO(Szak21B_Spawn), DO(Szak22B_Spawn),
    Open(1050, 1200),  DO(Szak21C_WaveTimer), DO(Szak21CShot1_Spawn), DO(Szak21CShot2_Spawn), DO(Szak21CShot3_Spawn),
                       DO(Szak21CShot4_Spawn), DO(Szak22C_WaveTimer), DO(Szak22CShot1_Spawn), DO(Szak22CShot2_Spawn),
                       DO(Szak22CShot3_Spawn), DO(Szak22CShot4_Spawn),

    Every(), UD(Szak6A), UD(Szak6B),
    Open(600, 680),                                          DO(Szak6A_Spawn),
    Open(600, 680), Only(Gate::SubMode1),                    DO(Szak6AShot4_Spawn), DO(Szak6AShot5_Spawn),
    Open(600, 680),                                          DO(Szak6AShot6_Spawn), DO(Szak6B_Spawn),
    Open(600, 680), Only(Gate::SubMode1),                    DO(Szak6BShot4_Spawn),
    Open(600, 680),                                          DO(Szak6BShot5_Spawn),
    Open(600, 680), Only(Gate::SubMode1),                    DO(Szak6BShot6_Spawn),
    Open(800, 900), Open(1000, 1100),                        DO(Szak6A_Spawn), DO(Szak6AShot1_Spawn),
    Open(800, 900), Open(1000, 1100), Only(Gate::SubMode1),  DO(Szak6AShot4_Spawn), DO(Szak6AShot5_Spawn),
    Open(800, 900), Open(1000, 1100),                        DO(Szak6AShot6_Spawn), DO(Szak6B_Spawn),
                                                             DO(Szak6BShot1_Spawn),
    Open(800, 900), Open(1000, 1100), Only(Gate::SubMode1),  DO(Szak6BShot4_Spawn),
    Open(800, 900), Open(1000, 1100),                        DO(Szak6BShot5_Spawn),
    Open(800, 900), Open(1000, 1100), Only(Gate::SubMode1),  DO(Szak6BShot6_Spawn),

    Every(), UD(Szak13A), UD(Szak13B),
    Open(560, 600), Open(800, 900), Open(1000, 1200),                        DO(Szak13A_Spawn), DO(Szak13AShot1_Spawn),
    Open(560, 600), Open(800, 900), Open(1000, 1200), Only(Gate::SubMode1),  DO(Szak13AShot4_Spawn), DO(Szak13AShot5_Spawn),
    Open(560, 600), Open(800, 900), Open(1000, 1200),                        DO(Szak13AShot6_Spawn), DO(Szak13B_Spawn),
                                                                             DO(Szak13BShot1_Spawn),
    Open(560, 600), Open(800, 900), Open(1000, 1200), Only(Gate::SubMode1),  DO(Szak13BShot4_Spawn),
    Open(560, 600), Open(800, 900), Open(1000, 1200),                        DO(Szak13BShot5_Spawn),
    Open(560, 600), Open(800, 900), Open(1000, 1200), Only(Gate::SubMode1),  DO(Szak13BShot6_Spawn),
};

// Boss4B's bullets, then the escorts' shots. The first shot sets of Szak13A and Szak13B are armed in this
// stage but not moved.
constexpr ScheduleStep kBullets[] = {
    Every(), UD(Boss4BArc4), UD(Boss4BArc5), UD(Boss4BArc2), UD(Boss4BArc3), UD(Boss4BArc6), UD(Boss4BArc7),
             UD(Boss4BArc1), UD(Boss4BLightning1), UD(Boss4BLightning2), UD(Boss4BLightning3),
             UD(Boss4BLightning4), UD(Boss4BLightning5), UD(Boss4BLightning6), UD(Boss4BAimFan1),
             UD(Boss4BDrops1), UD(Boss4BDrops2), UD(Boss4BDrops3), UD(Boss4BDrops4), UD(Boss4BDrops5),
             UD(Boss4BDrops6), UD(Boss4BDrops7), UD(Boss4BDrops8), UD(Boss4BDrops9), UD(Boss4BVolley1),
             UD(Boss4BVolley2),
    Every(), UD(Szak1AShot1), UD(Szak1BShot1),
             UD(Szak6AShot4), UD(Szak6AShot5), UD(Szak6AShot6), UD(Szak6AShot1),
             UD(Szak6BShot4), UD(Szak6BShot5), UD(Szak6BShot6), UD(Szak6BShot1),
             UD(Szak13AShot4), UD(Szak13AShot5), UD(Szak13AShot6), UD(Szak13BShot4), UD(Szak13BShot5),
             UD(Szak13BShot6), UD(Szak30BShot1), UD(Szak31BShot1),
             UD(Szak21CShot1), UD(Szak21CShot2), UD(Szak21CShot3), UD(Szak21CShot4),
             UD(Szak22CShot1), UD(Szak22CShot2), UD(Szak22CShot3), UD(Szak22CShot4),
    Only(Gate::PlayModeNot1), DO(Szak1AShot1_Update), DO(Szak1BShot1_Update),
    Every(), UD(Szak30AShot1), UD(Szak30AShot2), UD(Szak31AShot1), UD(Szak31AShot2), UD(Szak32AShot1),
             UD(Szak32AShot2), UD(Szak33AShot1), UD(Szak33AShot2),
};

// clang-format on

}  // namespace

const StageRows Stage4BRows = {kAttacks, kEscorts, kBullets};

void Stage4B_Attacks(const StageScript& s) { Schedule_Run(kAttacks, s); }
void Stage4B_Escorts(const StageScript& s) { Schedule_Run(kEscorts, s); }
void Stage4B_Bullets(const StageScript& s) { Schedule_Run(kBullets, s); }
