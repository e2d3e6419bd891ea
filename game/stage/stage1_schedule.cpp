// The schedule of stage 1: Boss11's attacks, the escort waves and the families run every frame.
#include "game/bossfire/aimfan.h"
#include "game/bossfire/arc.h"
#include "game/bossfire/arm.h"
#include "game/bossfire/drops.h"
#include "game/bossfire/ring.h"
#include "game/bossfire/rot5way.h"
#include "game/bossfire/rotfan.h"
#include "game/bossfire/volley.h"
#include "game/enemy/szak1.h"
#include "game/enemy/szak10.h"
#include "game/enemy/szak21.h"
#include "game/enemy/szak30b.h"
#include "game/enemy/szakmix.h"
#include "game/stage/schedule_rows.h"
#include "game/stage/schedules.h"

namespace {
using namespace sched;

// clang-format off

// Boss11's attacks by attack clock, in the order of their first calls.
constexpr ScheduleStep kAttacks[] = {
    Clock(0, 200), Clock(600, 900), Clock(1400, 1900),  DO(Boss11RotFan1_Emit),
    Clock(100, 170), Clock(600, 720), Clock(2300, 2800), Clock(3300, 3600),
        DO(Boss11Rot5Way9_Spawn), DO(Boss11Rot5Way10_Spawn),
    Clock(170, 200), Clock(720, 760), Clock(1100, 1400), Clock(3600, 4250),
        DO(Boss11Rot5Way3_Spawn), DO(Boss11Rot5Way4_Spawn), DO(Boss11Rot5Way5_Spawn),
        DO(Boss11Rot5Way6_Spawn), DO(Boss11Rot5Way7_Spawn), DO(Boss11Rot5Way8_Spawn),
    Clock(0, 3000),                                     DO(Boss11Ring3_Emit), DO(Boss11Ring5_Emit),
    Clock(1400, 4300),                                  DO(Boss11Ring1_Emit), DO(Boss11Ring2_Emit),
    Clock(2000, 4300),                                  DO(Boss11Ring4_Emit), DO(Boss11Ring6_Emit),
    Clock(20, 280), Only(Gate::Level2Or3),              DO(Boss11Arm1_Emit), DO(Boss11Arm2_Emit),
    Clock(100, 200), Clock(400, 500), Only(Gate::PlayMode2OrSubMode1),
        DO(Boss11Rot5Way1_Spawn), DO(Boss11Rot5Way2_Spawn),
    Clock(200, 300),                                    DO(Boss11AimFan2_Emit),
    Clock(250, 460),                                    DO(Boss11RotFan2_Emit),
    Clock(400, 580),                                    DO(Boss11AimFan3_Emit),
    Clock(500, 600), Clock(800, 900),                   DO(Boss11Volley1_Emit), DO(Boss11Volley2_Emit),
    Clock(600, 800),                                    DO(Boss11Volley5_Emit), DO(Boss11Volley6_Emit),
    Clock(800, 900),                                    DO(Boss11Volley3_Emit), DO(Boss11Volley4_Emit),
    Clock(900, 1100),                                   DO(Boss11Arc1_Emit),
};

// The escorts: every frame, then their spawns by distance in the order the stage tests them.
constexpr ScheduleStep kEscorts[] = {
    Every(), MIX_FLY(0, 1, 1), MIX_FLY(1, 2, 1), MIX_FLY(2, 2, 1), MIX_FLY(3, 3, 2), MIX_FLY(4, 4, 2),
             MIX_FLY(5, 5, 0), MIX_FLY(6, 6, 0), MIX_FLY(7, 7, 0), MIX_FLY(8, 8, 0),
    Every(), DO(Szak10_Update), DO(Szak10_Update), DO(Szak10_Draw), UD(Szak21B), UD(Szak22B), UD(Szak1A),
             UD(Szak1B), UD(Szak30B), UD(Szak31B), UD(Szak32B), UD(Szak33B), UD(Szak21C), UD(Szak22C),

    Open(120, 500),    MIX_ARM1(0),
    Open(300, 600),    MIX_ARM2(1),
    Open(350, 600),    MIX_ARM2(2),
    Open(600, 900),    MIX_ARM2(3),
    Open(700, 900),    MIX_ARM2(4),
    Open(800, 1200),   MIX_ARM1(5),
    Open(900, 1250),   MIX_ARM1(6),
    Open(1050, 1200),  MIX_ARM2(7), MIX_ARM2(8),

    Open(160, 200),    DO(Szak30B_WaveTimer),
    Open(200, 250),    DO(Szak31B_WaveTimer),
    Open(400, 450),    DO(Szak32B_WaveTimer),
    Open(500, 550),    DO(Szak33B_WaveTimer),
    Open(550, 600),    DO(Szak21B_Spawn), DO(Szak21BShot1_Spawn), DO(Szak22B_Spawn), DO(Szak22BShot1_Spawn),
    Open(900, 960),    DO(Szak30B_WaveTimer), DO(Szak31B_WaveTimer),
    Open(950, 1000),   DO(Szak32B_WaveTimer), DO(Szak33B_WaveTimer),
    Open(950, 1050),   DO(Szak21B_Spawn), DO(Szak21BShot1_Spawn), DO(Szak22B_Spawn), DO(Szak22BShot1_Spawn),
    Open(1050, 1150),  DO(Szak21C_WaveTimer), DO(Szak21CShot1_Spawn), DO(Szak21CShot2_Spawn),
                       DO(Szak21CShot3_Spawn), DO(Szak21CShot4_Spawn),
                       DO(Szak22C_WaveTimer), DO(Szak22CShot1_Spawn), DO(Szak22CShot2_Spawn),
                       DO(Szak22CShot3_Spawn), DO(Szak22CShot4_Spawn),
    Open(1150, 1200),  DO(Szak32B_WaveTimer), DO(Szak33B_WaveTimer),
};

// Boss11's bullets and the escorts' shots, every frame.
constexpr ScheduleStep kBullets[] = {
    Every(), UD(Boss11Arm1), UD(Boss11Arm2), UD(Boss11Rot5Way3), UD(Boss11Rot5Way4), UD(Boss11Rot5Way5),
             UD(Boss11Rot5Way6), UD(Boss11Rot5Way7), UD(Boss11Rot5Way8), UD(Boss11AimFan1), UD(Boss11Rot5Way9),
             UD(Boss11Rot5Way10), UD(Boss11Rot5Way1), UD(Boss11Rot5Way2), UD(Boss11AimFan2), UD(Boss11RotFan1),
             UD(Boss11RotFan2), UD(Boss11Volley5), UD(Boss11Volley6), UD(Boss11Volley1), UD(Boss11Volley2),
             UD(Boss11Volley3), UD(Boss11Volley4), UD(Boss11Arc1), UD(Boss11Drops1), UD(Boss11Drops2),
             UD(Boss11Drops3), UD(Boss11AimFan3), UD(Boss11Ring1), UD(Boss11Ring2), UD(Boss11Ring3),
             UD(Boss11Ring5), UD(Boss11Ring4), UD(Boss11Ring6), UD(Boss11Ring7), UD(Boss11Ring8), UD(Boss11Ring9),
             UD(Boss11Ring10), UD(Boss11Ring11), UD(Boss11Ring12),
    Only(Gate::SubMode1), DO(Boss11Volley3_Update), DO(Boss11Volley4_Update),
    Every(), MIX_SHOT1(0, 0), MIX_SHOT1(1, 1), MIX_SHOT1(2, 1), MIX_SHOT1(3, 0), MIX_SHOT1(4, 0),
             MIX_SHOT1(5, 0), MIX_SHOT1(6, 0), MIX_SHOT1(7, 1), MIX_SHOT1(8, 1),
             MIX_SHOT2(1, 0), MIX_SHOT2(2, 0), MIX_SHOT2(3, 1), MIX_SHOT2(4, 1), MIX_SHOT2(7, 0), MIX_SHOT2(8, 0),
    Every(), UD(Szak1AShot1), UD(Szak1BShot1), UD(Szak30BShot1), UD(Szak31BShot1), UD(Szak32BShot1),
             UD(Szak33BShot1), UD(Szak21CShot1), UD(Szak21CShot2), UD(Szak21CShot3), UD(Szak21CShot4),
             UD(Szak22CShot1), UD(Szak22CShot2), UD(Szak22CShot3), UD(Szak22CShot4), UD(Szak10Shot3),
             UD(Szak10Shot1), UD(Szak10Shot2), UD(Szak21BShot1), UD(Szak22BShot1),
    Only(Gate::PlayModeNot1), DO(Szak1AShot1_Update), DO(Szak1BShot1_Update),
};

// clang-format on

}  // namespace

const StageRows Stage1Rows = {kAttacks, kEscorts, kBullets};

void Stage1_Attacks(const StageScript& s) { Schedule_Run(kAttacks, s); }
void Stage1_Escorts(const StageScript& s) { Schedule_Run(kEscorts, s); }
void Stage1_Bullets(const StageScript& s) { Schedule_Run(kBullets, s); }
