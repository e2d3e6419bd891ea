// The Volley families on the falling engine: pairs (two members 2d apart below their boss, some drawing
// apart as they fall) and columns (three members stacked one above the other, each drifting at its own
// speed, deaf to the clear flag).
#include "game/bossfire/volley.h"

#include "game/bossfire/falling_engine.h"
#include "game/bossfire/volley_data.h"
#include "game/common/images.h"

namespace {

// Pair tables: firing values of pairs 0 to 9, wrap to 0.
constexpr FallClock kBurstOfTen{140, 0, {10, 20, 30, 40, 50, 80, 90, 100, 110, 120}};
constexpr FallClock kThreeTriplets{150, 0, {10, 20, 30, 70, 80, 90, 130, 140, 150, 160}};  // 150, 160 never fire
// Column tables.
constexpr FallClock kSlow{800, 0, {60, 120, 180, 240, 300, 360, 420, 480, 540, 600}};
constexpr FallClock kQuick{230, 0, {20, 40, 60, 80, 100, 140, 160, 180, 200, 220}};

// How the members of a pair move apart: not at all, split (each side at 120 px/s, once per frame) or
// sway (each side 10 px/s, twice per frame).
enum class Apart : u8 { None, Split, Sway };

constexpr FallBox kSmall{0, 20, 0, 20};      // 40 × 40 cells centred on a small core
constexpr FallBox kWide{-10, 30, 0, 30};     // 40 × 40 bullets
constexpr FallBox kLow{10, 30, 20, 30};      // 20 × 20 bullets

constexpr FallLook kVal405 = FallPlain(&imgVAL405, FallBlit::Add, 120, 40, 40);
constexpr FallLook kVall20 = FallPlain(&imgVALL20, FallBlit::Add, 0, 20, 20);
constexpr i32 kPairCells[] = {80, 160};
constexpr FallLook kPairMembers = FallMemberCells(&imgVAL405, FallBlit::Add, kPairCells, false, 20);

// A pair volley: the left member (even slot) at boss x + c − d, the right at boss x + c + d, both at
// boss y + e (+ e2, added as a second step).
constexpr FallFamily Pair(BulletSlot (&pool)[20], BossState& boss, const FallLook& look, f32 c, f32 d, f32 e, f32 e2,
                const FallClock& clock, Apart apart, f32 fall, FallBox box) {
    FallFamily f = FallGroup(pool, 20, 2, boss, &clock, fall, true, box, look);
    f.x1 = c;
    f.dx[0] = -d;
    f.dx[1] = d;
    f.y1 = e;
    f.y2 = e2;
    if (apart == Apart::Split) {
        f.drift[0] = -120.0f;
        f.drift[1] = 120.0f;
        f.driftSteps = 1;
    } else if (apart == Apart::Sway) {
        f.drift[0] = -10.0f;
        f.drift[1] = 10.0f;
        f.driftSteps = 2;
    }
    return f;
}

// A column volley: members at boss x + base + shift (two steps) and boss y + 90, 113 and 120, drifting at
// three times their steps.
constexpr FallFamily Column(BulletSlot (&pool)[30], BossState& boss, const FallLook& look, f32 base, f32 shift,
                  f32 s0, f32 s1, f32 s2, f32 fall, const FallClock& clock, FallBox box) {
    FallFamily f = FallGroup(pool, 30, 3, boss, &clock, fall, false, box, look);
    f.x1 = base;
    f.x2 = shift;
    f.dy[0] = 90.0f;
    f.dy[1] = 113.0f;
    f.dy[2] = 120.0f;
    f.drift[0] = s0;
    f.drift[1] = s1;
    f.drift[2] = s2;
    f.driftSteps = 3;
    return f;
}

constexpr i32 kColumnCells71a[] = {160, 200, 240};  // drawn member 0, 1, 2
constexpr i32 kColumnCells71b[] = {80, 40, 0};     // drawn member 2, 1, 0
constexpr FallLook kColumnPlain = FallPlain(&imgVALL20, FallBlit::Sprite, 0, 20, 20);
constexpr FallLook kColumnMembersA = FallMemberCells(&imgVAL405, FallBlit::Sprite, kColumnCells71a, false, 1);
constexpr FallLook kColumnMembersB = FallMemberCells(&imgVAL405, FallBlit::Sprite, kColumnCells71b, true, 1);

constexpr Apart kNone = Apart::None, kSplit = Apart::Split, kSway = Apart::Sway;

// The families, in the order of the entry list below.
constexpr FallFamily kVolleys[] = {
    Pair(Boss11Volley1, Boss11State, kVal405, 200, 80, 130, 0, kThreeTriplets, kNone, 280, kSmall),
    Pair(Boss11Volley2, Boss11State, kPairMembers, 200, 80, 130, 0, kThreeTriplets, kSplit, 250, kSmall),
    Column(Boss11Volley3, Boss11State, kColumnPlain, 210, -120, 10, 20, 30, 120, kSlow, kLow),
    Column(Boss11Volley4, Boss11State, kColumnPlain, 210, 120, -10, -20, -30, 120, kSlow, kLow),
    Pair(Boss11Volley5, Boss11State, kVall20, 210, 100, 200, -30, kBurstOfTen, kNone, 200, kLow),
    Pair(Boss11Volley6, Boss11State, kVall20, 210, 135, 180, -30, kBurstOfTen, kNone, 200, kLow),
    Column(Boss71Volley1, Boss71State, kColumnMembersA, 230, -120, 10, 35, 55, 190, kQuick, kSmall),
    Column(Boss71Volley2, Boss71State, kColumnMembersB, 230, 120, -10, -35, -55, 190, kQuick, kSmall),
    Pair(Boss71Volley3, Boss71State, kVal405, 230, 140, 180, 0, kBurstOfTen, kNone, 200, kWide),
    Pair(Boss71Volley4, Boss71State, kVal405, 230, 170, 160, 0, kBurstOfTen, kNone, 200, kWide),
    Pair(Boss71Volley5, Boss71State, kVal405, 230, 80, 130, 0, kThreeTriplets, kNone, 280, kSmall),
    Pair(Boss71Volley6, Boss71State, kPairMembers, 230, 80, 130, 0, kThreeTriplets, kSplit, 250, kSmall),
    Pair(Boss31Volley1, Boss31State, kVal405, 210, 97, 200, 0, kBurstOfTen, kNone, 200, kWide),
    Pair(Boss31Volley2, Boss31State, kVal405, 210, 147, 180, 0, kBurstOfTen, kNone, 200, kWide),
    Pair(Boss41Volley1, Boss41State, kVal405, 200, 80, 200, 0, kBurstOfTen, kNone, 200, kWide),
    Pair(Boss41Volley2, Boss41State, kVal405, 200, 100, 180, 0, kBurstOfTen, kNone, 200, kWide),
    Pair(Boss41Volley3, Boss41State, kVal405, 200, 120, 180, 0, kBurstOfTen, kSway, 200, kWide),
    Pair(Boss4BVolley1, Boss4BState, kVal405, 210, 100, 200, 0, kBurstOfTen, kNone, 200, kWide),
    Pair(Boss4BVolley2, Boss4BState, kVal405, 210, 140, 180, 0, kBurstOfTen, kNone, 200, kWide),
};

// id, pool, Emit, Spawn, Update, Draw
#define VOLLEY_ENTRIES(X)                                                                                               \
    X(kBoss11Volley1, Boss11Volley1, Boss11Volley1_Emit, Boss11Volley1_Spawn, Boss11Volley1_Update, Boss11Volley1_Draw) \
    X(kBoss11Volley2, Boss11Volley2, Boss11Volley2_Emit, Boss11Volley2_Spawn, Boss11Volley2_Update, Boss11Volley2_Draw) \
    X(kBoss11Volley3, Boss11Volley3, Boss11Volley3_Emit, Boss11Volley3_Spawn, Boss11Volley3_Update, Boss11Volley3_Draw) \
    X(kBoss11Volley4, Boss11Volley4, Boss11Volley4_Emit, Boss11Volley4_Spawn, Boss11Volley4_Update, Boss11Volley4_Draw) \
    X(kBoss11Volley5, Boss11Volley5, Boss11Volley5_Emit, Boss11Volley5_Spawn, Boss11Volley5_Update, Boss11Volley5_Draw) \
    X(kBoss11Volley6, Boss11Volley6, Boss11Volley6_Emit, Boss11Volley6_Spawn, Boss11Volley6_Update, Boss11Volley6_Draw) \
    X(kBoss71Volley1, Boss71Volley1, Boss71Volley1_Emit, Boss71Volley1_Spawn, Boss71Volley1_Update, Boss71Volley1_Draw) \
    X(kBoss71Volley2, Boss71Volley2, Boss71Volley2_Emit, Boss71Volley2_Spawn, Boss71Volley2_Update, Boss71Volley2_Draw) \
    X(kBoss71Volley3, Boss71Volley3, Boss71Volley3_Emit, Boss71Volley3_Spawn, Boss71Volley3_Update, Boss71Volley3_Draw) \
    X(kBoss71Volley4, Boss71Volley4, Boss71Volley4_Emit, Boss71Volley4_Spawn, Boss71Volley4_Update, Boss71Volley4_Draw) \
    X(kBoss71Volley5, Boss71Volley5, Boss71Volley5_Emit, Boss71Volley5_Spawn, Boss71Volley5_Update, Boss71Volley5_Draw) \
    X(kBoss71Volley6, Boss71Volley6, Boss71Volley6_Emit, Boss71Volley6_Spawn, Boss71Volley6_Update, Boss71Volley6_Draw) \
    X(kBoss31Volley1, Boss31Volley1, Boss31Volley1_Emit, Boss31Volley1_Spawn, Boss31Volley1_Update, Boss31Volley1_Draw) \
    X(kBoss31Volley2, Boss31Volley2, Boss31Volley2_Emit, Boss31Volley2_Spawn, Boss31Volley2_Update, Boss31Volley2_Draw) \
    X(kBoss41Volley1, Boss41Volley1, Boss41Volley1_Emit, Boss41Volley1_Spawn, Boss41Volley1_Update, Boss41Volley1_Draw) \
    X(kBoss41Volley2, Boss41Volley2, Boss41Volley2_Emit, Boss41Volley2_Spawn, Boss41Volley2_Update, Boss41Volley2_Draw) \
    X(kBoss41Volley3, Boss41Volley3, Boss41Volley3_Emit, Boss41Volley3_Spawn, Boss41Volley3_Update, Boss41Volley3_Draw) \
    X(kBoss4BVolley1, Boss4BVolley1, Boss4BVolley1_Emit, Boss4BVolley1_Spawn, Boss4BVolley1_Update, Boss4BVolley1_Draw) \
    X(kBoss4BVolley2, Boss4BVolley2, Boss4BVolley2_Emit, Boss4BVolley2_Spawn, Boss4BVolley2_Update, Boss4BVolley2_Draw)

#define VOLLEY_ID(id, ...) id,
enum VolleyId : i32 { VOLLEY_ENTRIES(VOLLEY_ID) kVolleyCount };
#undef VOLLEY_ID
static_assert(kVolleyCount == sizeof kVolleys / sizeof kVolleys[0]);
#define VOLLEY_ROW(id, array, ...) static_assert(kVolleys[id].pool == array);
VOLLEY_ENTRIES(VOLLEY_ROW)
#undef VOLLEY_ROW

}  // namespace

#define VOLLEY_WRAPPERS(id, array, emit, spawn, update, draw)      \
    void emit(i32) { Fall_Emit(kVolleys[id]); }                   \
    void spawn(i32 slot, i32) { Fall_Spawn(kVolleys[id], slot); } \
    void update(i32) { Fall_Update(kVolleys[id]); }               \
    void draw(i32) { Fall_Draw(kVolleys[id]); }
VOLLEY_ENTRIES(VOLLEY_WRAPPERS)
#undef VOLLEY_WRAPPERS
