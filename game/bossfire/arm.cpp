// The Arm families on the falling engine: single large shots from one point of their boss, one every ten
// emitter calls, falling straight or slanting at a fixed sideways speed.
#include "game/bossfire/arm.h"

#include "game/bossfire/arm_data.h"
#include "game/bossfire/falling_engine.h"
#include "game/common/images.h"

namespace {

// Slot i fires at 10 (i + 1); the clock wraps from 200 to 10, so slot 19 (200) never fires and slot 0
// fires on the wrapping call itself.
constexpr FallClock kEveryTenth{200, 10, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100,
                                          110, 120, 130, 140, 150, 160, 170, 180, 190, 200}};

// An arm from boss x + c, boss y + e, drawn additively from (0, 0, w, h) of its sheet; a non-zero `slant`
// is its sideways speed.
constexpr FallFamily Arm(BulletSlot (&pool)[20], BossState& boss, const i32* sheet, i32 w, i32 h, f32 c, f32 e,
                         f32 slant, f32 fall, FallBox box) {
    FallFamily f =
        FallGroup(pool, 20, 1, boss, &kEveryTenth, fall, true, box, FallPlain(sheet, FallBlit::Add, 0, w, h));
    f.x1 = c;
    f.y1 = e;
    f.slide = slant;
    f.slides = slant != 0.0f;
    return f;
}

constexpr FallBox kBig{-120, 30, -140, 30};     // 150 × 180
constexpr FallBox kTall{-50, 30, -80, 30};      // 80 × 120
constexpr FallBox kSquare{-90, 30, -80, 30};    // 120 × 120
constexpr FallBox kNarrow{-30, 30, -80, 30};    // 60 × 120
constexpr FallBox kSmall{-30, 30, -20, 30};     // 60 × 60

// The families, in the order of the entry list below.
constexpr FallFamily kArms[] = {
    Arm(Boss11Arm1, Boss11State, &imgVALARM11, 150, 180, 0, 100, 0, 150, kBig),
    Arm(Boss11Arm2, Boss11State, &imgVALARM12, 150, 180, 290, 100, 0, 150, kBig),
    Arm(Boss31Arm1, Boss31State, &imgVALARM31, 80, 120, 20, 110, 0, 150, kTall),
    Arm(Boss31Arm2, Boss31State, &imgVALARM32, 80, 120, 360, 110, 0, 150, kTall),
    Arm(Boss31Arm3, Boss31State, &imgVALARM33, 120, 120, 38, 30, 150, 150, kSquare),
    Arm(Boss31Arm4, Boss31State, &imgVALARM34, 120, 120, 342, 30, -150, 150, kSquare),
    Arm(Boss71Arm1, Boss71State, &imgVALARM70, 120, 120, 190, 126, 0, 143, kSquare),
    Arm(Boss71Arm2, Boss71State, &imgVALARM71, 120, 120, 190, 150, -143, 143, kSquare),
    Arm(Boss71Arm3, Boss71State, &imgVALARM72, 120, 120, 190, 150, 143, 143, kSquare),
    Arm(Boss71Arm4, Boss71State, &imgVALARM73, 60, 120, 30, 66, 0, 143, kNarrow),
    Arm(Boss71Arm5, Boss71State, &imgVALARM74, 60, 60, 30, 90, -143, 143, kSmall),
    Arm(Boss71Arm6, Boss71State, &imgVALARM75, 60, 60, 30, 90, 143, 143, kSmall),
    Arm(Boss71Arm7, Boss71State, &imgVALARM73, 60, 120, 410, 66, 0, 143, kNarrow),
    Arm(Boss71Arm8, Boss71State, &imgVALARM74, 60, 60, 410, 90, -143, 143, kSmall),
    Arm(Boss71Arm9, Boss71State, &imgVALARM75, 60, 60, 410, 90, 143, 143, kSmall),
};

// id, pool, Emit, Spawn, Update, Draw
#define ARM_ENTRIES(X)                                                                                \
    X(kBoss11Arm1, Boss11Arm1, Boss11Arm1_Emit, Boss11Arm1_Spawn, Boss11Arm1_Update, Boss11Arm1_Draw) \
    X(kBoss11Arm2, Boss11Arm2, Boss11Arm2_Emit, Boss11Arm2_Spawn, Boss11Arm2_Update, Boss11Arm2_Draw) \
    X(kBoss31Arm1, Boss31Arm1, Boss31Arm1_Emit, Boss31Arm1_Spawn, Boss31Arm1_Update, Boss31Arm1_Draw) \
    X(kBoss31Arm2, Boss31Arm2, Boss31Arm2_Emit, Boss31Arm2_Spawn, Boss31Arm2_Update, Boss31Arm2_Draw) \
    X(kBoss31Arm3, Boss31Arm3, Boss31Arm3_Emit, Boss31Arm3_Spawn, Boss31Arm3_Update, Boss31Arm3_Draw) \
    X(kBoss31Arm4, Boss31Arm4, Boss31Arm4_Emit, Boss31Arm4_Spawn, Boss31Arm4_Update, Boss31Arm4_Draw) \
    X(kBoss71Arm1, Boss71Arm1, Boss71Arm1_Emit, Boss71Arm1_Spawn, Boss71Arm1_Update, Boss71Arm1_Draw) \
    X(kBoss71Arm2, Boss71Arm2, Boss71Arm2_Emit, Boss71Arm2_Spawn, Boss71Arm2_Update, Boss71Arm2_Draw) \
    X(kBoss71Arm3, Boss71Arm3, Boss71Arm3_Emit, Boss71Arm3_Spawn, Boss71Arm3_Update, Boss71Arm3_Draw) \
    X(kBoss71Arm4, Boss71Arm4, Boss71Arm4_Emit, Boss71Arm4_Spawn, Boss71Arm4_Update, Boss71Arm4_Draw) \
    X(kBoss71Arm5, Boss71Arm5, Boss71Arm5_Emit, Boss71Arm5_Spawn, Boss71Arm5_Update, Boss71Arm5_Draw) \
    X(kBoss71Arm6, Boss71Arm6, Boss71Arm6_Emit, Boss71Arm6_Spawn, Boss71Arm6_Update, Boss71Arm6_Draw) \
    X(kBoss71Arm7, Boss71Arm7, Boss71Arm7_Emit, Boss71Arm7_Spawn, Boss71Arm7_Update, Boss71Arm7_Draw) \
    X(kBoss71Arm8, Boss71Arm8, Boss71Arm8_Emit, Boss71Arm8_Spawn, Boss71Arm8_Update, Boss71Arm8_Draw) \
    X(kBoss71Arm9, Boss71Arm9, Boss71Arm9_Emit, Boss71Arm9_Spawn, Boss71Arm9_Update, Boss71Arm9_Draw)

#define ARM_ID(id, ...) id,
enum ArmId : i32 { ARM_ENTRIES(ARM_ID) kArmCount };
#undef ARM_ID
static_assert(kArmCount == sizeof kArms / sizeof kArms[0]);
#define ARM_ROW(id, array, ...) static_assert(kArms[id].pool == array);
ARM_ENTRIES(ARM_ROW)
#undef ARM_ROW

}  // namespace

#define ARM_WRAPPERS(id, array, emit, spawn, update, draw)     \
    void emit(i32) { Fall_Emit(kArms[id]); }                   \
    void spawn(i32 slot, i32) { Fall_Spawn(kArms[id], slot); } \
    void update(i32) { Fall_Update(kArms[id]); }               \
    void draw(i32) { Fall_Draw(kArms[id]); }
ARM_ENTRIES(ARM_WRAPPERS)
#undef ARM_WRAPPERS
