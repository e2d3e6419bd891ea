// The schedule of stage 5: Boss31's attacks, the escort waves and the families run every frame.
#include "game/bossfire/aimfan.h"
#include "game/bossfire/arc.h"
#include "game/bossfire/arm.h"
#include "game/bossfire/drops.h"
#include "game/bossfire/ring.h"
#include "game/bossfire/stream.h"
#include "game/bossfire/volley.h"
#include "game/enemy/szak10.h"
#include "game/enemy/szak21.h"
#include "game/enemy/szak30b.h"
#include "game/enemy/szak52.h"
#include "game/enemy/szakmix.h"
#include "game/stage/schedule_rows.h"
#include "game/stage/schedules.h"

namespace {
using namespace sched;

// clang-format off

// Boss31's attacks by attack clock, tested in this order. At level 1 the loop is 3000 frames with the
// ring phase from 1500; at level 3 it is 4390 frames, with the arms and the ring phase from 1900.
constexpr ScheduleStep kAttacks[] = {
    Clock(5, 500),                            DO(Boss31Ring5_Emit), DO(Boss31Ring6_Emit),
    Clock(1500, 2500), Only(Gate::Level1),    DO(Boss31Ring1_Emit), DO(Boss31Ring2_Emit), DO(Boss31Ring3_Emit),
                                              DO(Boss31Ring4_Emit),
    Clock(2000, 2500), Only(Gate::Level1),    DO(Boss31Ring5_Emit), DO(Boss31Ring6_Emit), DO(Boss31Ring7_Emit),
                                              DO(Boss31Ring8_Emit),
    Clock(2350, 2800), Only(Gate::Level1),    DO(Boss31Stream1_Emit), DO(Boss31Stream2_Emit), DO(Boss31Stream3_Emit),
                                              DO(Boss31Stream4_Emit), DO(Boss31Stream5_Emit), DO(Boss31Stream6_Emit),
                                              DO(Boss31Stream7_Emit), DO(Boss31Stream8_Emit),
    Clock(2510, 3000), Only(Gate::Level1),    DO(Boss31Ring9_Emit), DO(Boss31Ring10_Emit),
    Clock(1900, 3300), Only(Gate::Level2Or3), DO(Boss31Ring1_Emit), DO(Boss31Ring2_Emit), DO(Boss31Ring3_Emit),
                                              DO(Boss31Ring4_Emit),
    Clock(2400, 3300), Only(Gate::Level2Or3), DO(Boss31Ring5_Emit), DO(Boss31Ring6_Emit), DO(Boss31Ring7_Emit),
                                              DO(Boss31Ring8_Emit),
    Clock(3310, 4000), Only(Gate::Level2Or3), DO(Boss31Ring9_Emit), DO(Boss31Ring10_Emit),
    Clock(3800, 4390), Only(Gate::Level2Or3), DO(Boss31Stream1_Emit), DO(Boss31Stream2_Emit), DO(Boss31Stream3_Emit),
                                              DO(Boss31Stream4_Emit), DO(Boss31Stream5_Emit), DO(Boss31Stream6_Emit),
                                              DO(Boss31Stream7_Emit), DO(Boss31Stream8_Emit),
    Clock(0, 400),                            DO(Boss31Stream1_Emit), DO(Boss31Stream2_Emit), DO(Boss31Stream3_Emit),
                                              DO(Boss31Stream4_Emit), DO(Boss31Stream5_Emit), DO(Boss31Stream6_Emit),
                                              DO(Boss31Stream7_Emit), DO(Boss31Stream8_Emit),
    Clock(50, 100),                           DO(Boss31Arc2_Emit), DO(Boss31Arc3_Emit),
    Clock(100, 400),                          DO(Boss31Arc4_Emit), DO(Boss31Arc5_Emit),
    Clock(150, 400),                          DO(Boss31Arc2_Emit), DO(Boss31Arc3_Emit),
    Clock(400, 600),                          DO(Boss31AimFan3_Emit),
    Clock(450, 500),                          DO(Boss31Arc1_Emit),
    Clock(500, 700),                          DO(Boss31Arc2_Emit), DO(Boss31Arc3_Emit),
    Clock(480, 580),                          DO(Boss31Volley1_Emit), DO(Boss31Volley2_Emit),
    Clock(700, 1000),                         DO(Boss31Arc2_Emit), DO(Boss31Arc3_Emit),
    Clock(880, 1080),                         DO(Boss31AimFan5_Emit),
    Clock(680, 980), Only(Gate::Level2Or3),   DO(Boss31Arm1_Emit), DO(Boss31Arm2_Emit),
    Clock(750, 1100),                         DO(Boss31Arc4_Emit), DO(Boss31Arc5_Emit),
    Clock(1100, 1500), Only(Gate::Level2Or3), DO(Boss31Arm1_Emit), DO(Boss31Arm2_Emit),
    Clock(1270, 1400),                        DO(Boss31Arc4_Emit), DO(Boss31Arc5_Emit),
    Clock(1300, 1400),                        DO(Boss31Arc2_Emit), DO(Boss31Arc3_Emit),
    Clock(1340, 1500),                        DO(Boss31AimFan1_Emit),
    Clock(1800, 2100),                        DO(Boss31AimFan3_Emit),
    Clock(2100, 2400),                        DO(Boss31AimFan4_Emit),
    Clock(1500, 1960), Only(Gate::Level2Or3), DO(Boss31Arm3_Emit), DO(Boss31Arm4_Emit),
    Clock(1750, 1900), Only(Gate::Level2Or3), DO(Boss31Arm1_Emit), DO(Boss31Arm2_Emit),
};

// The escorts, family by family, each with its spawn windows. The bomber moves three steps a frame here,
// and its stick of bombs is armed on every frame.
constexpr ScheduleStep kEscorts[] = {
    Every(), DO(Szak10_Update), DO(Szak10_Update), DO(Szak10_Update), DO(Szak10_Draw), DO(Szak10Shot3_Spawn),
    Open(130, 200),  DO(Szak10_Spawn),

    Every(), MIX_FLY(0, 1, 1), MIX_FLY(1, 2, 1), MIX_FLY(2, 2, 1), MIX_FLY(3, 3, 2), MIX_FLY(4, 4, 2),
             MIX_FLY(5, 5, 4), MIX_FLY(6, 6, 4), MIX_FLY(7, 7, 4), MIX_FLY(8, 8, 4), MIX_FLY(9, 3, 3),
             MIX_FLY(10, 4, 3), MIX_FLY(11, 5, 3), MIX_FLY(12, 6, 3), MIX_FLY(13, 7, 3), MIX_FLY(14, 8, 3),
    Open(250, 400),   MIX_ARM1(5), MIX_ARM1(6),
    Open(350, 450),   MIX_ARM2(7), MIX_ARM2(8),
    Open(400, 700),   MIX_ARM2(3), MIX_ARM2(4),
    Open(500, 750),   MIX_ARM2(9), MIX_ARM2(10),
    Open(750, 1000),  MIX_ARM1(5), MIX_ARM1(6),
    Open(800, 1050),  MIX_ARM2(7), MIX_ARM2(8),
    Open(850, 1100),  MIX_ARM1(11), MIX_ARM1(12),
    Open(900, 1150),  MIX_ARM2(13), MIX_ARM2(14),
    Open(900, 1200),  MIX_ARM2(3), MIX_ARM2(4),

    Every(), UD(Szak52A),
    Open(500, 650), Open(920, 1000),  DO(Szak52A_Spawn), DO(Szak52AShot4_Spawn), DO(Szak52AShot5_Spawn),
                                      DO(Szak52AShot6_Spawn), DO(Szak52AShot7_Spawn), DO(Szak52AShot8_Spawn),
                                      DO(Szak52AShot2_Emit), DO(Szak52AShot3_Emit),
    Every(), UD(Szak52B),
    Open(500, 650), Open(920, 1000),  DO(Szak52B_Spawn), DO(Szak52BShot4_Spawn), DO(Szak52BShot5_Spawn),
                                      DO(Szak52BShot6_Spawn), DO(Szak52BShot7_Spawn), DO(Szak52BShot8_Spawn),
                                      DO(Szak52BShot2_Emit), DO(Szak52BShot3_Emit),
    Every(), UD(Szak30B),
    Open(50, 100), Open(430, 500), Open(830, 900), Open(920, 1000),  DO(Szak30B_WaveTimer),
    Every(), UD(Szak31B),
    Open(50, 100), Open(400, 500), Open(850, 900), Open(920, 1000),  DO(Szak31B_WaveTimer),
    Every(), UD(Szak21A),
    Open(820, 900), Open(1100, 1230),  DO(Szak21A_Spawn), DO(Szak21AShot1_Spawn),
    Every(), UD(Szak22A),
    Open(820, 900), Open(1100, 1230),  DO(Szak22A_Spawn), DO(Szak22AShot1_Spawn),
    Every(), UD(Szak21C), UD(Szak22C),
    Open(1220, 1310),  DO(Szak21C_WaveTimer), DO(Szak21CShot1_Spawn), DO(Szak21CShot2_Spawn), DO(Szak21CShot3_Spawn),
                       DO(Szak21CShot4_Spawn), DO(Szak22C_WaveTimer), DO(Szak22CShot1_Spawn), DO(Szak22CShot2_Spawn),
                       DO(Szak22CShot3_Spawn), DO(Szak22CShot4_Spawn),
};

// Boss31's bullets (and those of the stage-2 boss, which nothing fires here), then the escorts' shots.
// The SzakMix shots of slots 13 and 14 are armed in this stage but not moved.
constexpr ScheduleStep kBullets[] = {
    Every(), UD(Boss71AimFan1), UD(Boss71AimFan2), UD(Boss71Arc4), UD(Boss71Arc5), UD(Boss71Arc6),
             UD(Boss71Arc7), UD(Boss71Arc2), UD(Boss71Arc3), UD(Boss71Arc1), UD(Boss71Volley5), UD(Boss71Volley6),
             UD(Boss71Drops1), UD(Boss71Drops2), UD(Boss71Drops3), UD(Boss71Drops4), UD(Boss71Drops5),
             UD(Boss71Drops6), UD(Boss71Drops7), UD(Boss71Drops8), UD(Boss71Drops9),
             UD(Boss31Arm1), UD(Boss31Arm2), UD(Boss31Arm3), UD(Boss31Arm4), UD(Boss31Arc4), UD(Boss31Arc5),
             UD(Boss31Arc2), UD(Boss31Arc3), UD(Boss31Arc1), UD(Boss31AimFan3), UD(Boss31AimFan4),
             UD(Boss31AimFan1), UD(Boss31Volley1), UD(Boss31Volley2), UD(Boss31Drops1), UD(Boss31Drops2),
             UD(Boss31Drops3), UD(Boss31Drops4), UD(Boss31Drops5), UD(Boss31Drops6), UD(Boss31Drops7),
             UD(Boss31AimFan5),
             UD(Boss31Ring1), UD(Boss31Ring2), UD(Boss31Ring3), UD(Boss31Ring4), UD(Boss31Ring5), UD(Boss31Ring6),
             UD(Boss31Ring7), UD(Boss31Ring8), UD(Boss31Ring9), UD(Boss31Ring10),
             UD(Boss31Stream1), UD(Boss31Stream2), UD(Boss31Stream3), UD(Boss31Stream4), UD(Boss31Stream5),
             UD(Boss31Stream6), UD(Boss31Stream7), UD(Boss31Stream8),
    Only(Gate::SubMode1), DO(Boss31Arc4_Update), DO(Boss31Arc5_Update), DO(Boss31Arc2_Update),
                          DO(Boss31Arc3_Update), DO(Boss31Arc1_Update),

    Every(), MIX_SHOT1(0, 0), MIX_SHOT1(1, 1), MIX_SHOT1(2, 1), MIX_SHOT1(3, 0), MIX_SHOT1(4, 0),
             MIX_SHOT1(5, 0), MIX_SHOT1(6, 0), MIX_SHOT1(7, 1), MIX_SHOT1(8, 1), MIX_SHOT1(9, 0),
             MIX_SHOT1(10, 0), MIX_SHOT1(11, 0), MIX_SHOT1(12, 0),
             MIX_SHOT2(1, 1), MIX_SHOT2(2, 1), MIX_SHOT2(3, 1), MIX_SHOT2(4, 1), MIX_SHOT2(7, 0), MIX_SHOT2(8, 0),
             MIX_SHOT2(9, 1), MIX_SHOT2(10, 1), MIX_SHOT2(11, 0), MIX_SHOT2(12, 0), MIX_SHOT2(13, 0),
             MIX_SHOT2(14, 0),
    Every(), UD(Szak52AShot4), UD(Szak52AShot5), UD(Szak52AShot6), UD(Szak52AShot7), UD(Szak52AShot8),
             UD(Szak52AShot1), UD(Szak52AShot2), UD(Szak52AShot3),
             UD(Szak52BShot4), UD(Szak52BShot5), UD(Szak52BShot6), UD(Szak52BShot7), UD(Szak52BShot8),
             UD(Szak52BShot1), UD(Szak52BShot2), UD(Szak52BShot3),
             UD(Szak21AShot2), UD(Szak21AShot3), UD(Szak21AShot4), UD(Szak21AShot5), UD(Szak21AShot6),
             UD(Szak22AShot2), UD(Szak22AShot3), UD(Szak22AShot4), UD(Szak22AShot5), UD(Szak22AShot6),
             UD(Szak21CShot1), UD(Szak21CShot2), UD(Szak21CShot3), UD(Szak21CShot4),
             UD(Szak22CShot1), UD(Szak22CShot2), UD(Szak22CShot3), UD(Szak22CShot4),
             UD(Szak30BShot1), UD(Szak31BShot1), UD(Szak10Shot3), UD(Szak21AShot1), UD(Szak22AShot1),
};

// clang-format on

}  // namespace

const StageRows Stage5Rows = {kAttacks, kEscorts, kBullets};

void Stage5_Attacks(const StageScript& s) { Schedule_Run(kAttacks, s); }
void Stage5_Escorts(const StageScript& s) { Schedule_Run(kEscorts, s); }
void Stage5_Bullets(const StageScript& s) { Schedule_Run(kBullets, s); }
