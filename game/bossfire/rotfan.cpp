// The RotFan families: the aimed group's engine over one descriptor row per family.
#include "game/bossfire/rotfan.h"

#include "game/bossfire/aimed_engine.h"
#include "game/bossfire/rotfan_data.h"
#include "game/common/images.h"

namespace {

using Row = AimedFamily;

// The stage-2 and stage-3 bosses' fans: five groups of N/5 firing at 40, 80, 120, 160, 200 of a clock
// that wraps at 260; aimed at the ship + (10, 10); 220 px/s; turned 39x39 pictures; live from -40.
template <i32 N>
constexpr Row Turned(RotFanBullet (&pool)[N], BossState& boss, const i32& sheet, f32 muzzleX) {
    return {pool, N, &boss, N / 5, 5, 260, {40, 80, 120, 160, 200}, muzzleX, 130.0f, 10.0f, 220.0f,
            AimedForm::Fan, AimedLook::Rotated, &sheet, 39, -40.0f, -10.0f, 0.0f};
}

// The stage-1 boss's plain fans of seven: their fifth group's value equals the wrap and never fires.
template <i32 N>
constexpr Row Plain(RotFanBullet (&pool)[N], BossState& boss, const i32& sheet, f32 muzzleX) {
    return {pool, N, &boss, 7, 5, 150, {30, 60, 90, 120, 150}, muzzleX, 130.0f, 20.0f, 200.0f,
            AimedForm::Fan, AimedLook::Plain, &sheet, 20, -20.0f, 10.0f, 20.0f};
}

}  // namespace

// family, row form, boss, sheet, muzzle x offset (every muzzle sits 130 below the boss's top)
#define ROTFAN_FAMILIES(X)                                      \
    X(Boss11RotFan1, Turned, Boss11State, imgVAL40L, 200.0f)    \
    X(Boss11RotFan2, Plain, Boss11State, imgVALL20, 210.0f)     \
    X(Boss41RotFan1, Turned, Boss41State, imgVAL40L1, 200.0f)   \
    X(Boss41RotFan2, Turned, Boss41State, imgVAL40L1, 100.0f)   \
    X(Boss41RotFan3, Turned, Boss41State, imgVAL40L1, 300.0f)   \
    X(Boss41RotFan4, Turned, Boss41State, imgVAL40L1, 200.0f)   \
    X(Boss41RotFan5, Turned, Boss41State, imgVAL40L1, 80.0f)    \
    X(Boss41RotFan6, Turned, Boss41State, imgVAL40L1, 320.0f)   \
    X(Boss41RotFan7, Turned, Boss41State, imgVAL40L1, 200.0f)   \
    X(Boss41RotFan8, Turned, Boss41State, imgVAL40L1, 80.0f)    \
    X(Boss41RotFan9, Turned, Boss41State, imgVAL40L1, 320.0f)   \
    X(Boss41RotFan10, Turned, Boss41State, imgVAL40L1, 200.0f)  \
    X(Boss41RotFan11, Turned, Boss41State, imgVAL40L1, 70.0f)   \
    X(Boss41RotFan12, Turned, Boss41State, imgVAL40L1, 330.0f)  \
    X(Boss41RotFan13, Turned, Boss41State, imgVAL40L1, 200.0f)  \
    X(Boss41RotFan14, Turned, Boss41State, imgVAL40L1, 70.0f)   \
    X(Boss41RotFan15, Turned, Boss41State, imgVAL40L1, 330.0f)  \
    X(Boss41RotFan16, Turned, Boss41State, imgVAL40L1, 200.0f)  \
    X(Boss41RotFan17, Turned, Boss41State, imgVAL40L1, 60.0f)   \
    X(Boss41RotFan18, Turned, Boss41State, imgVAL40L1, 340.0f)  \
    X(Boss41RotFan19, Turned, Boss41State, imgVAL40L1, 200.0f)  \
    X(Boss41RotFan20, Turned, Boss41State, imgVAL40L1, 50.0f)   \
    X(Boss41RotFan21, Turned, Boss41State, imgVAL40L1, 350.0f)  \
    X(Boss71RotFan1, Turned, Boss71State, imgVAL40L2, 130.0f)   \
    X(Boss71RotFan2, Turned, Boss71State, imgVAL40L2, 330.0f)   \
    X(Boss71RotFan3, Turned, Boss71State, imgVAL40L2, 110.0f)   \
    X(Boss71RotFan4, Turned, Boss71State, imgVAL40L2, 350.0f)   \
    X(Boss71RotFan5, Turned, Boss71State, imgVAL40L2, 230.0f)   \
    X(Boss71RotFan6, Turned, Boss71State, imgVAL40L2, 100.0f)   \
    X(Boss71RotFan7, Turned, Boss71State, imgVAL40L2, 360.0f)

#define ROTFAN_ROW(name, form, boss, sheet, muzzleX) form(name, boss, sheet, muzzleX),
const AimedFamily RotFanFamilies[] = {ROTFAN_FAMILIES(ROTFAN_ROW)};
#undef ROTFAN_ROW
const i32 RotFanFamilyCount = static_cast<i32>(sizeof RotFanFamilies / sizeof RotFanFamilies[0]);

namespace {
enum : i32 {
#define ROTFAN_ID(name, ...) k##name,
    ROTFAN_FAMILIES(ROTFAN_ID)
#undef ROTFAN_ID
};
}  // namespace

#define ROTFAN_ENTRIES(name, ...)                                                                    \
    void name##_Emit(i32) { Aimed_Emit(RotFanFamilies[k##name]); }                                   \
    void name##_Spawn(i32 slot, i32 first) { Aimed_Spawn(RotFanFamilies[k##name], slot, first); } \
    void name##_Update(i32) { Aimed_Update(RotFanFamilies[k##name]); }                               \
    void name##_Draw(i32) { Aimed_Draw(RotFanFamilies[k##name]); }
ROTFAN_FAMILIES(ROTFAN_ENTRIES)
#undef ROTFAN_ENTRIES
