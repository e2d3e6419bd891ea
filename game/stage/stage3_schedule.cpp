// The schedule of stage 3: Boss41's attacks, the escort waves and the families run every frame.
#include "game/bossfire/aimfan.h"
#include "game/bossfire/arc.h"
#include "game/bossfire/drops.h"
#include "game/bossfire/rot5way.h"
#include "game/bossfire/rotchain.h"
#include "game/bossfire/rotfan.h"
#include "game/bossfire/stream.h"
#include "game/bossfire/volley.h"
#include "game/enemy/szak1.h"
#include "game/enemy/szak12.h"
#include "game/enemy/szak13.h"
#include "game/enemy/szak21.h"
#include "game/enemy/szak30a.h"
#include "game/enemy/szak52.h"
#include "game/enemy/szak6.h"
#include "game/enemy/szakmix.h"
#include "game/stage/schedule_rows.h"
#include "game/stage/schedules.h"

namespace {
using namespace sched;

// clang-format off

// Boss41's attacks by attack clock, in the order of their first calls; the rotated fans take a window of
// 181 frames every 200 from 1920 on. Then the drops by hit points, a block that play never runs.
constexpr ScheduleStep kAttacks[] = {
    Clock(30, 60), Clock(500, 550),                       DO(Boss41AimFan3_Emit), DO(Boss41AimFan4_Emit),
    Clock(60, 80), Clock(450, 500),                       DO(Boss41Volley1_Emit), DO(Boss41Volley2_Emit),
                                                          DO(Boss41Volley3_Emit),
    Clock(100, 200), Clock(950, 1200),                    DO(Boss41Rot5Way29_Spawn), DO(Boss41Rot5Way30_Spawn),
    Clock(160, 200), Clock(380, 500), Clock(1050, 1200),  DO(Boss41Rot5Way25_Spawn), DO(Boss41Rot5Way26_Spawn),
    Clock(200, 300),                                      DO(Boss41Arc6_Emit), DO(Boss41Arc7_Emit),
    Clock(250, 280), Clock(510, 540), Clock(1200, 1250),
        DO(Boss41Rot5Way3_Spawn), DO(Boss41Rot5Way4_Spawn), DO(Boss41Rot5Way5_Spawn), DO(Boss41Rot5Way6_Spawn),
        DO(Boss41Rot5Way7_Spawn), DO(Boss41Rot5Way8_Spawn), DO(Boss41Rot5Way15_Spawn), DO(Boss41Rot5Way16_Spawn),
        DO(Boss41Rot5Way17_Spawn), DO(Boss41Rot5Way18_Spawn), DO(Boss41Rot5Way19_Spawn), DO(Boss41Rot5Way20_Spawn),
    Clock(300, 500), Clock(1000, 1200),                   DO(Boss41Rot5Way27_Spawn), DO(Boss41Rot5Way28_Spawn),
    Clock(300, 400), Only(Gate::SubMode1),                DO(Boss41AimFan3_Emit), DO(Boss41AimFan4_Emit),
    Clock(400, 500), Clock(550, 800),                     DO(Boss41Arc4_Emit), DO(Boss41Arc5_Emit),
    Clock(600, 750), Clock(1250, 1500),                   DO(Boss41RotChain1_Spawn), DO(Boss41RotChain2_Spawn),
    Clock(800, 950),                                      DO(Boss41Arc1_Emit),
    Clock(1200, 1250),                                    DO(Boss41Rot5Way9_Spawn), DO(Boss41Rot5Way21_Spawn),
    Clock(1250, 1500),                                    DO(Boss41RotChain3_Spawn), DO(Boss41RotChain4_Spawn),
    Clock(1510, 1900),                                    DO(Boss41Stream1_Emit), DO(Boss41Stream2_Emit),
                                                          DO(Boss41Stream3_Emit), DO(Boss41Stream4_Emit),
                                                          DO(Boss41Stream5_Emit), DO(Boss41Stream6_Emit),
    Clock(1920, 2100),                                    DO(Boss41RotFan1_Emit),
    Clock(2120, 2300),                                    DO(Boss41RotFan4_Emit),
    Clock(2320, 2500),                                    DO(Boss41RotFan7_Emit),
    Clock(2520, 2700),                                    DO(Boss41RotFan10_Emit),
    Clock(2720, 2900),                                    DO(Boss41RotFan13_Emit),
    Clock(2920, 3100),                                    DO(Boss41RotFan16_Emit),
    Clock(3120, 3300),                                    DO(Boss41RotFan19_Emit),
    Clock(3320, 3500),                                    DO(Boss41RotFan2_Emit), DO(Boss41RotFan3_Emit),
    Clock(3520, 3700), Clock(4720, 4900),                 DO(Boss41RotFan5_Emit), DO(Boss41RotFan6_Emit),
    Clock(3720, 3900),                                    DO(Boss41RotFan8_Emit), DO(Boss41RotFan9_Emit),
    Clock(3920, 4100),                                    DO(Boss41RotFan11_Emit), DO(Boss41RotFan12_Emit),
    Clock(4120, 4300),                                    DO(Boss41RotFan14_Emit), DO(Boss41RotFan15_Emit),
    Clock(4320, 4500),                                    DO(Boss41RotFan17_Emit), DO(Boss41RotFan18_Emit),
    Clock(4520, 4700),                                    DO(Boss41RotFan20_Emit), DO(Boss41RotFan21_Emit),
    Hp(740, 770), Hp(460, 490), Hp(60, 90), Only(Gate::PlayModeNot1),
        DO(Boss41Drops1_Spawn), DO(Boss41Drops2_Spawn), DO(Boss41Drops3_Spawn), DO(Boss41Drops4_Spawn),
        DO(Boss41Drops5_Spawn), DO(Boss41Drops6_Spawn), DO(Boss41Drops7_Spawn), DO(Boss41Drops8_Spawn),
        DO(Boss41Drops8_Spawn), DO(Boss41Drops9_Spawn),
};

// The escorts, family by family, each with its spawn windows. The saucers are never spawned here: their
// shot spawns arm at the parked records.
constexpr ScheduleStep kEscorts[] = {
    Every(), MIX_FLY(0, 1, 1), MIX_FLY(1, 2, 1), MIX_FLY(2, 2, 1), MIX_FLY(3, 3, 2), MIX_FLY(4, 4, 2),
             MIX_FLY(5, 5, 3), MIX_FLY(6, 6, 3), MIX_FLY(7, 7, 0), MIX_FLY(8, 8, 0),

    Every(), UD(Szak1A), UD(Szak1B),
    Open(130, 200), Open(1000, 1100),  DO(Szak1A_Spawn), DO(Szak1AShot1_Spawn), DO(Szak1B_Spawn),
                                       DO(Szak1BShot1_Spawn),

    Every(), UD(Szak30A),
    Open(50, 100), Open(500, 550), Open(1300, 1350),   DO(Szak30A_WaveTimer),
    Every(), UD(Szak31A),
    Open(150, 200), Open(500, 550), Open(1300, 1350),  DO(Szak31A_WaveTimer),
    Every(), UD(Szak32A),
    Open(150, 200), Open(1300, 1350),                  DO(Szak32A_WaveTimer),
    Every(), UD(Szak33A),
    Open(50, 100), Open(1300, 1350),                   DO(Szak33A_WaveTimer),

    Every(), UD(Szak6A), UD(Szak6B),
    Only(Gate::SubMode1), DO(Szak6A_Update), DO(Szak6B_Update),
    Open(360, 500), Within(360, 410), Only(Gate::PlayMode2OrSubMode1),   DO(Szak6AShot2_Spawn), DO(Szak6AShot3_Spawn),
    Open(360, 500), Within(450, 500), Only(Gate::PlayMode2OrSubMode1),   DO(Szak6AShot2_Spawn), DO(Szak6AShot3_Spawn),
    Open(360, 500), Only(Gate::PlayMode1),                               DO(Szak6AShot4_Spawn),
    Open(360, 500), Only(Gate::SubMode1),                                DO(Szak6AShot5_Spawn), DO(Szak6AShot6_Spawn),
    Open(360, 500), Within(360, 410), Only(Gate::PlayMode2OrSubMode1),   DO(Szak6BShot2_Spawn), DO(Szak6BShot3_Spawn),
    Open(360, 500), Within(450, 500), Only(Gate::PlayMode2OrSubMode1),   DO(Szak6BShot2_Spawn), DO(Szak6BShot3_Spawn),
    Open(360, 500), Only(Gate::PlayMode1),                               DO(Szak6BShot4_Spawn),
    Open(360, 500), Only(Gate::SubMode1),                                DO(Szak6BShot5_Spawn), DO(Szak6BShot6_Spawn),
    Open(900, 1000), Within(900, 950), Only(Gate::PlayMode2OrSubMode1),  DO(Szak6AShot2_Spawn), DO(Szak6AShot3_Spawn),
    Open(900, 1000), Only(Gate::PlayMode1),                              DO(Szak6AShot4_Spawn),
    Open(900, 1000), Only(Gate::SubMode1),                               DO(Szak6AShot5_Spawn), DO(Szak6AShot6_Spawn),
    Open(900, 1000), Within(900, 950), Only(Gate::PlayMode2OrSubMode1),  DO(Szak6BShot2_Spawn), DO(Szak6BShot3_Spawn),
    Open(900, 1000), Only(Gate::PlayMode1),                              DO(Szak6BShot4_Spawn),
    Open(900, 1000),                                                     DO(Szak6BShot5_Spawn),
    Open(900, 1000), Only(Gate::SubMode1),                               DO(Szak6BShot6_Spawn),
    Open(1220, 1400), Within(900, 950), Only(Gate::PlayMode2OrSubMode1), DO(Szak6AShot2_Spawn), DO(Szak6AShot3_Spawn),
    Open(1220, 1400), Only(Gate::PlayMode1),                             DO(Szak6AShot4_Spawn),
    Open(1220, 1400), Only(Gate::SubMode1),                              DO(Szak6AShot5_Spawn), DO(Szak6AShot6_Spawn),
    Open(1220, 1400), Within(900, 950), Only(Gate::PlayMode2OrSubMode1), DO(Szak6BShot2_Spawn), DO(Szak6BShot3_Spawn),
    Open(1220, 1400), Only(Gate::PlayMode1),                             DO(Szak6BShot4_Spawn),
    Open(1220, 1400),                                                    DO(Szak6BShot5_Spawn),
    Open(1220, 1400), Only(Gate::SubMode1),                              DO(Szak6BShot6_Spawn),

    Every(), UD(Szak13A), UD(Szak13B),
    Only(Gate::SubMode1), DO(Szak13A_Update), DO(Szak13B_Update),
    Open(360, 400),                                                       DO(Szak13A_Spawn), DO(Szak13AShot1_Spawn),
    Open(360, 400), Only(Gate::PlayMode2OrSubMode1),                      DO(Szak13AShot2_Spawn), DO(Szak13AShot3_Spawn),
    Open(360, 400), Only(Gate::PlayMode1),                                DO(Szak13AShot4_Spawn),
    Open(360, 400),                                                       DO(Szak13AShot5_Spawn), DO(Szak13AShot6_Spawn),
    Open(360, 400),                                                       DO(Szak13B_Spawn), DO(Szak13BShot1_Spawn),
    Open(360, 400), Only(Gate::PlayMode2OrSubMode1),                      DO(Szak13BShot2_Spawn), DO(Szak13BShot3_Spawn),
    Open(360, 400), Only(Gate::PlayMode1),                                DO(Szak13BShot4_Spawn),
    Open(360, 400),                                                       DO(Szak13BShot5_Spawn), DO(Szak13BShot6_Spawn),
    Open(970, 1130),                                                      DO(Szak13A_Spawn), DO(Szak13AShot1_Spawn),
    Open(970, 1130), Within(970, 1000), Only(Gate::PlayMode2OrSubMode1),  DO(Szak13AShot2_Spawn), DO(Szak13AShot3_Spawn),
    Open(970, 1130), Only(Gate::PlayMode1),                               DO(Szak13AShot4_Spawn),
    Open(970, 1130),                                                      DO(Szak13AShot5_Spawn), DO(Szak13AShot6_Spawn),
    Open(970, 1130),                                                      DO(Szak13B_Spawn), DO(Szak13BShot1_Spawn),
    Open(970, 1130), Within(970, 1000), Only(Gate::PlayMode2OrSubMode1),  DO(Szak13BShot2_Spawn), DO(Szak13BShot3_Spawn),
    Open(970, 1130), Only(Gate::PlayMode1),                               DO(Szak13BShot4_Spawn),
    Open(970, 1130),                                                      DO(Szak13BShot5_Spawn), DO(Szak13BShot6_Spawn),
    Open(1200, 1450),                                                     DO(Szak13A_Spawn), DO(Szak13AShot1_Spawn),
    Open(1200, 1450), Within(970, 1000), Only(Gate::PlayMode2OrSubMode1), DO(Szak13AShot2_Spawn), DO(Szak13AShot3_Spawn),
    Open(1200, 1450), Only(Gate::PlayMode1),                              DO(Szak13AShot4_Spawn),
    Open(1200, 1450),                                                     DO(Szak13AShot5_Spawn), DO(Szak13AShot6_Spawn),
    Open(1200, 1450),                                                     DO(Szak13B_Spawn), DO(Szak13BShot1_Spawn),
    Open(1200, 1450), Within(970, 1000), Only(Gate::PlayMode2OrSubMode1), DO(Szak13BShot2_Spawn), DO(Szak13BShot3_Spawn),
    Open(1200, 1450), Only(Gate::PlayMode1),                              DO(Szak13BShot4_Spawn),
    Open(1200, 1450),                                                     DO(Szak13BShot5_Spawn), DO(Szak13BShot6_Spawn),

    Open(300, 500),  MIX_ARM2(3), MIX_ARM2(4),
    Open(400, 600),  MIX_ARM1(5), MIX_ARM1(6),
    Open(450, 650),  MIX_ARM2(7), MIX_ARM2(8),

    Every(), UD(Szak12),
    Open(550, 800),                                   DO(Szak12_Spawn), DO(Szak12Shot1_Spawn), DO(Szak12Shot2_Spawn),
                                                      DO(Szak12Shot3_Spawn),
    Open(550, 800), Only(Gate::PlayMode2OrSubMode1),  DO(Szak12Shot4_Spawn), DO(Szak12Shot5_Spawn),
                                                      DO(Szak12Shot6_Spawn),
    Open(550, 800), Only(Gate::SubMode1),             DO(Szak12Shot7_Spawn), DO(Szak12Shot8_Spawn),

    Every(), UD(Szak52A),
    Open(550, 590), Open(1100, 1200),  DO(Szak52A_Spawn), DO(Szak52AShot4_Spawn), DO(Szak52AShot5_Spawn),
                                       DO(Szak52AShot6_Spawn), DO(Szak52AShot7_Spawn), DO(Szak52AShot8_Spawn),
                                       DO(Szak52AShot1_Emit), DO(Szak52AShot2_Emit), DO(Szak52AShot3_Emit),
    Every(), UD(Szak52B),
    Open(550, 590), Open(1100, 1200),  DO(Szak52B_Spawn), DO(Szak52BShot4_Spawn), DO(Szak52BShot5_Spawn),
                                       DO(Szak52BShot6_Spawn), DO(Szak52BShot7_Spawn), DO(Szak52BShot8_Spawn),
                                       DO(Szak52BShot1_Emit), DO(Szak52BShot2_Emit), DO(Szak52BShot3_Emit),

    Open(550, 650),  MIX_ARM2(3), MIX_ARM2(4),
    Open(590, 700),  MIX_ARM2(7), MIX_ARM2(8),

    Every(), UD(Szak21A),
    Open(700, 750),  DO(Szak21A_Spawn),
    Every(), UD(Szak22A),
    Open(700, 750),  DO(Szak22A_Spawn),

    Every(), UD(Szak21B), UD(Szak22B),
    Open(900, 1000), DO(Szak21B_Spawn), DO(Szak22B_Spawn),

    Every(), UD(Szak30AShot1), UD(Szak30AShot2), UD(Szak31AShot1), UD(Szak31AShot2), UD(Szak32AShot1),
             UD(Szak32AShot2), UD(Szak33AShot1), UD(Szak33AShot2), UD(Szak1AShot1), UD(Szak1BShot1),
};

// Boss41's bullets, then the escorts' shots. The saucers' and Szak13's fourth shot sets are armed in play
// but move and show only under sub-mode 1.
constexpr ScheduleStep kBullets[] = {
    Every(), UD(Boss41RotFan1), UD(Boss41RotFan2), UD(Boss41RotFan3), UD(Boss41RotFan4), UD(Boss41RotFan5),
             UD(Boss41RotFan6), UD(Boss41RotFan7), UD(Boss41RotFan8), UD(Boss41RotFan9), UD(Boss41RotFan10),
             UD(Boss41RotFan11), UD(Boss41RotFan12), UD(Boss41RotFan13), UD(Boss41RotFan14), UD(Boss41RotFan15),
             UD(Boss41RotFan16), UD(Boss41RotFan17), UD(Boss41RotFan18), UD(Boss41RotFan19), UD(Boss41RotFan20),
             UD(Boss41RotFan21),
             UD(Boss41Rot5Way1), UD(Boss41Rot5Way2), UD(Boss41Rot5Way3), UD(Boss41Rot5Way4), UD(Boss41Rot5Way5),
             UD(Boss41Rot5Way6), UD(Boss41Rot5Way7), UD(Boss41Rot5Way8), UD(Boss41Rot5Way9), UD(Boss41Rot5Way10),
             UD(Boss41Rot5Way11), UD(Boss41Rot5Way12), UD(Boss41Rot5Way13), UD(Boss41Rot5Way14),
             UD(Boss41Rot5Way15), UD(Boss41Rot5Way16), UD(Boss41Rot5Way17), UD(Boss41Rot5Way18),
             UD(Boss41Rot5Way19), UD(Boss41Rot5Way20), UD(Boss41Rot5Way21), UD(Boss41Rot5Way22),
             UD(Boss41Rot5Way23), UD(Boss41Rot5Way24),
             UD(Boss41Arc6), UD(Boss41Arc7), UD(Boss41Arc4), UD(Boss41Arc5), UD(Boss41Arc2), UD(Boss41Arc3),
             UD(Boss41Arc1),
             UD(Boss41Rot5Way29), UD(Boss41Rot5Way30), UD(Boss41Rot5Way25), UD(Boss41Rot5Way26),
             UD(Boss41Rot5Way27), UD(Boss41Rot5Way28),
             UD(Boss41AimFan3), UD(Boss41AimFan4), UD(Boss41AimFan1), UD(Boss41AimFan2),
             UD(Boss41Volley1), UD(Boss41Volley2), UD(Boss41Volley3),
             UD(Boss41Drops1), UD(Boss41Drops2), UD(Boss41Drops3), UD(Boss41Drops4), UD(Boss41Drops5),
             UD(Boss41Drops6), UD(Boss41Drops7), UD(Boss41Drops8), UD(Boss41Drops9),
             UD(Boss41Stream1), UD(Boss41Stream2), UD(Boss41Stream3), UD(Boss41Stream4), UD(Boss41Stream5),
             UD(Boss41Stream6),
    Only(Gate::SubMode1), DO(Boss41Arc6_Update), DO(Boss41Arc7_Update), DO(Boss41Arc4_Update),
                          DO(Boss41Arc5_Update), DO(Boss41Arc2_Update), DO(Boss41Arc3_Update), DO(Boss41Arc1_Update),
    Every(), UD(Boss41RotChain1), UD(Boss41RotChain2), UD(Boss41RotChain3), UD(Boss41RotChain4),

    Every(), MIX_SHOT1(0, 0), MIX_SHOT1(1, 1), MIX_SHOT1(2, 1), MIX_SHOT1(3, 0), MIX_SHOT1(4, 0),
             MIX_SHOT1(5, 0), MIX_SHOT1(6, 0), MIX_SHOT1(7, 1), MIX_SHOT1(8, 1),
             MIX_SHOT2(1, 0), MIX_SHOT2(2, 0), MIX_SHOT2(3, 1), MIX_SHOT2(4, 1), MIX_SHOT2(7, 0), MIX_SHOT2(8, 0),

    Only(Gate::SubMode1), UD(Szak6AShot4),
    Every(),              UD(Szak6AShot5), UD(Szak6AShot6),
    Only(Gate::SubMode1), UD(Szak6BShot4),
    Every(),              UD(Szak6BShot5), UD(Szak6BShot6),
    Only(Gate::SubMode1), UD(Szak13AShot4),
    Every(),              UD(Szak13AShot5), UD(Szak13AShot6),
    Only(Gate::SubMode1), UD(Szak13BShot4),
    Every(),              UD(Szak13BShot5), UD(Szak13BShot6),
    Only(Gate::SubMode1), DO(Szak6AShot4_Update), DO(Szak6AShot5_Update), DO(Szak6AShot6_Update),
                          DO(Szak6BShot4_Update), DO(Szak6BShot5_Update), DO(Szak6BShot6_Update),
                          DO(Szak13AShot4_Update), DO(Szak13AShot5_Update), DO(Szak13AShot6_Update),
                          DO(Szak13BShot4_Update), DO(Szak13BShot5_Update), DO(Szak13BShot6_Update),
    Every(), UD(Szak6AShot2), UD(Szak6AShot3), UD(Szak6AShot1), UD(Szak6BShot2), UD(Szak6BShot3),
             UD(Szak6BShot1), UD(Szak13AShot1), UD(Szak13AShot2), UD(Szak13AShot3), UD(Szak13BShot1),
             UD(Szak13BShot2), UD(Szak13BShot3),
             UD(Szak12Shot1), UD(Szak12Shot2), UD(Szak12Shot3), UD(Szak12Shot4), UD(Szak12Shot5),
             UD(Szak12Shot6), UD(Szak12Shot7), UD(Szak12Shot8), UD(Szak12Shot9), UD(Szak12Shot10),
    Only(Gate::SubMode1), DO(Szak12Shot1_Update), DO(Szak12Shot2_Update), DO(Szak12Shot3_Update),
                          DO(Szak12Shot4_Update), DO(Szak12Shot5_Update),
    Every(), UD(Szak52AShot4), UD(Szak52AShot5), UD(Szak52AShot6), UD(Szak52AShot7), UD(Szak52AShot8),
             UD(Szak52AShot1), UD(Szak52AShot2), UD(Szak52AShot3),
             UD(Szak52BShot4), UD(Szak52BShot5), UD(Szak52BShot6), UD(Szak52BShot7), UD(Szak52BShot8),
             UD(Szak52BShot1), UD(Szak52BShot2), UD(Szak52BShot3),
};

// clang-format on

}  // namespace

const StageRows Stage3Rows = {kAttacks, kEscorts, kBullets};

void Stage3_Attacks(const StageScript& s) { Schedule_Run(kAttacks, s); }
void Stage3_Escorts(const StageScript& s) { Schedule_Run(kEscorts, s); }
void Stage3_Bullets(const StageScript& s) { Schedule_Run(kBullets, s); }
