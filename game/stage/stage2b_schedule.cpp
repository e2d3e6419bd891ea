// The schedule of the alternate stage 2: Boss2B's attacks, the escort waves and the families run every
// frame. Boss2B borrows the stage-2 boss's volleys, which start from that boss's position.
#include "game/bossfire/aimfan.h"
#include "game/bossfire/arc.h"
#include "game/bossfire/drops.h"
#include "game/bossfire/volley.h"
#include "game/enemy/szak1.h"
#include "game/enemy/szak10.h"
#include "game/enemy/szak21.h"
#include "game/enemy/szak30a.h"
#include "game/enemy/szak30b.h"
#include "game/stage/schedule_rows.h"
#include "game/stage/schedules.h"

namespace {
using namespace sched;

// clang-format off

// Boss2B's attacks by attack clock; the drops form one block that play mode 1 skips.
constexpr ScheduleStep kAttacks[] = {
    Clock(0, 100),      DO(Boss71Volley1_Emit), DO(Boss71Volley2_Emit),
    Clock(100, 200),    DO(Boss71Volley3_Emit), DO(Boss71Volley4_Emit),
    Clock(200, 300),    DO(Boss2BArc2_Emit), DO(Boss2BArc3_Emit),
    Clock(300, 370),    DO(Boss2BArc1_Emit),
    Clock(380, 600),    DO(Boss71Volley1_Emit), DO(Boss71Volley2_Emit),
    Clock(600, 800),    DO(Boss2BArc4_Emit), DO(Boss2BArc5_Emit),
    Clock(700, 900),    DO(Boss71Volley3_Emit), DO(Boss71Volley4_Emit),
    Clock(900, 1100),   DO(Boss71Volley1_Emit), DO(Boss71Volley2_Emit),
    Clock(980, 1180),   DO(Boss2BArc1_Emit),
    Clock(50, 100), Only(Gate::PlayModeNot1),   DO(Boss2BDrops1_Spawn), DO(Boss2BDrops5_Spawn),
    Clock(250, 300), Only(Gate::PlayModeNot1),  DO(Boss2BDrops1_Spawn), DO(Boss2BDrops2_Spawn), DO(Boss2BDrops3_Spawn),
                                                DO(Boss2BDrops4_Spawn), DO(Boss2BDrops5_Spawn),
    Clock(500, 600), Only(Gate::PlayModeNot1),  DO(Boss2BDrops1_Spawn), DO(Boss2BDrops2_Spawn), DO(Boss2BDrops5_Spawn),
};

// The escorts, family by family, each with its spawn windows.
constexpr ScheduleStep kEscorts[] = {
    Every(), DO(Szak10_Update), DO(Szak10_Update), DO(Szak10_Update), DO(Szak10_Draw),
    Open(50, 100),  DO(Szak10_Spawn),

    Every(), UD(Szak1A), UD(Szak1B),
    Open(150, 200), Open(750, 840),  DO(Szak1A_Spawn), DO(Szak1AShot1_Spawn), DO(Szak1B_Spawn),
                                     DO(Szak1BShot1_Spawn),

    Every(), UD(Szak32A),
    Open(300, 350), Open(500, 550),  DO(Szak32A_WaveTimer),
    Every(), UD(Szak33A),
    Open(300, 350), Open(500, 550),  DO(Szak33A_WaveTimer),

    Every(), UD(Szak30B),
    Open(550, 600), Open(800, 860), Open(1000, 1100),  DO(Szak30B_WaveTimer),
    Every(), UD(Szak31B),
    Open(550, 600), Open(800, 860), Open(1000, 1100),  DO(Szak31B_WaveTimer),
    Every(), UD(Szak32B),
    Open(600, 650), Open(750, 800),                    DO(Szak32B_WaveTimer),
    Every(), UD(Szak33B),
    Open(600, 650), Open(750, 800),                    DO(Szak33B_WaveTimer),

    Every(), UD(Szak21C),
    Open(100, 200), Open(400, 500),  DO(Szak21C_WaveTimer), DO(Szak21CShot1_Spawn), DO(Szak21CShot2_Spawn),
                                     DO(Szak21CShot3_Spawn), DO(Szak21CShot4_Spawn),
    Every(), UD(Szak22C),
    Open(100, 200), Open(400, 500),  DO(Szak22C_WaveTimer), DO(Szak22CShot1_Spawn), DO(Szak22CShot2_Spawn),
                                     DO(Szak22CShot3_Spawn), DO(Szak22CShot4_Spawn),

    Every(), UD(Szak21A),
    Open(700, 750), Open(850, 1000),  DO(Szak21A_Spawn), DO(Szak21AShot2_Spawn), DO(Szak21AShot3_Spawn),
                                      DO(Szak21AShot4_Spawn), DO(Szak21AShot5_Spawn), DO(Szak21AShot6_Spawn),
    Every(), UD(Szak22A),
    Open(700, 750), Open(850, 1000),  DO(Szak22A_Spawn), DO(Szak22AShot2_Spawn), DO(Szak22AShot3_Spawn),
                                      DO(Szak22AShot4_Spawn), DO(Szak22AShot5_Spawn), DO(Szak22AShot6_Spawn),
};

// Boss2B's bullets, then the escorts' shots. The shots of Szak1A, Szak1B, Szak21A and Szak22A are armed in
// this stage but not moved.
constexpr ScheduleStep kBullets[] = {
    Every(), UD(Boss2BArc4), UD(Boss2BArc5), UD(Boss2BArc2), UD(Boss2BArc3), UD(Boss2BArc1), UD(Boss2BAimFan1),
             UD(Boss2BAimFan2), UD(Boss2BDrops1), UD(Boss2BDrops2), UD(Boss2BDrops3), UD(Boss2BDrops4),
             UD(Boss2BDrops5), UD(Boss71Volley1), UD(Boss71Volley2), UD(Boss71Volley3), UD(Boss71Volley4),
    Only(Gate::SubMode1), DO(Boss2BArc4_Update), DO(Boss2BArc5_Update), DO(Boss2BArc2_Update),
                          DO(Boss2BArc3_Update), DO(Boss2BArc1_Update),
    Every(), UD(Szak32AShot1), UD(Szak32AShot2), UD(Szak33AShot1), UD(Szak33AShot2), UD(Szak30BShot1),
             UD(Szak31BShot1), UD(Szak32BShot1), UD(Szak33BShot1),
             UD(Szak21CShot1), UD(Szak21CShot2), UD(Szak21CShot3), UD(Szak21CShot4),
             UD(Szak22CShot1), UD(Szak22CShot2), UD(Szak22CShot3), UD(Szak22CShot4),
};

// clang-format on

}  // namespace

const StageRows Stage2BRows = {kAttacks, kEscorts, kBullets};

void Stage2B_Attacks(const StageScript& s) { Schedule_Run(kAttacks, s); }
void Stage2B_Escorts(const StageScript& s) { Schedule_Run(kEscorts, s); }
void Stage2B_Bullets(const StageScript& s) { Schedule_Run(kBullets, s); }
