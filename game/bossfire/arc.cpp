// The Arc families on the falling engine. A group of five (one family: seven) is armed below its boss at
// one x and three heights (ends highest, centre lowest); its members drift apart at fixed speeds, the
// drift step applied once per member of the group each frame, so the group opens into an arc as it falls.
// Some families also slide sideways at a stored speed; the wide families lay a group out side by side and
// drift only its two ends.
#include "game/bossfire/arc.h"

#include "game/bossfire/arc_data.h"
#include "game/bossfire/falling_engine.h"
#include "game/common/images.h"

namespace {

// Ten groups firing at step, 2 step, ... 10 step; the clock wraps from `wrap` to 0.
constexpr FallClock Every(i32 wrap, i32 step) {
    FallClock c{wrap, 0, {}};
    for (i32 g = 0; g < 10; ++g) c.values[g] = step * (g + 1);
    return c;
}
constexpr FallClock kSeven{140, 0, {25, 50, 75, 100, 125}};
constexpr FallClock k2BSlide{170, 0, {10, 20, 30, 60, 70, 80, 110, 120, 130, 140}};
constexpr FallClock k41Arc1{150, 0, {10, 20, 30, 40, 50, 80, 90, 100, 120, 130}};
constexpr FallClock k41Arc2{200, 0, {10, 20, 30, 40, 50, 80, 90, 100, 110, 120}};
constexpr FallClock k41Arc4{200, 0, {10, 20, 30, 60, 70, 80, 110, 120, 130, 140}};
constexpr FallClock k71Arc4{260, 0, {10, 20, 30, 40, 100, 110, 120, 180, 190, 200}};
constexpr FallClock k140by10 = Every(140, 10), k150by10 = Every(150, 10), k230by20 = Every(230, 20),
                    k330by30 = Every(330, 30), k340by30 = Every(340, 30), k350by30 = Every(350, 30),
                    k360by30 = Every(360, 30), k370by30 = Every(370, 30), k660by60 = Every(660, 60),
                    k720by60 = Every(720, 60), k860by80 = Every(860, 80), k900by80 = Every(900, 80);

constexpr FallBox kDot{10, 30, 20, 30};     // 20 × 20 bullets
constexpr FallBox kFrame{0, 20, 0, 20};     // 40 × 40 member frames
constexpr FallBox kSevenBox{-10, 30, 0, 30};

constexpr FallLook kPlain = FallPlain(&imgVALL20, FallBlit::Add, 0, 20, 20);
constexpr FallLook kPlainKeyed = FallPlain(&imgVALL20, FallBlit::Sprite, 0, 20, 20);
constexpr FallLook kOrbs = FallAnimated(&imgVAL20241, FallBlit::Add, 20, 20, 24);
constexpr FallLook kFrames404 = FallMemberFrames(&imgVAL404, FallBlit::Add);
constexpr FallLook kFrames402 = FallMemberFrames(&imgVAL402, FallBlit::Add);
constexpr FallLook kFrames401 = FallMemberFrames(&imgVAL401, FallBlit::Add);
constexpr FallLook kFrames402Keyed = FallMemberFrames(&imgVAL402_2, FallBlit::Sprite);

// A group of five at boss x + base (+ shift, a second step) and heights a, a + 23, a + 30, a + 23, a;
// members drift by -2u, -u, 0, +u, +2u per step (visible: five times that); a non-zero `slide` moves the
// live bullets sideways too.
constexpr FallFamily Arc(BulletSlot (&pool)[50], BossState& boss, const FallLook& look, f32 base, f32 shift,
                         f32 a, const FallClock& clock, f32 fall, f32 slide, FallBox box, f32 u = 10.0f) {
    FallFamily f = FallGroup(pool, 50, 5, boss, &clock, fall, true, box, look);
    f.driftSteps = 5;
    f.x1 = base;
    f.x2 = shift;
    const f32 heights[5] = {a, a + 23, a + 30, a + 23, a};
    for (i32 m = 0; m < 5; ++m) {
        f.dy[m] = heights[m];
        f.drift[m] = static_cast<f32>(m - 2) * u;
    }
    f.slide = slide;
    f.slides = slide != 0.0f;
    return f;
}

// A wide group: members at boss x + base (+ shift) + (-44, -22, 0, +22, +44), boss y + (50, 73, 80, 73,
// 50); only the ends drift, by -end and +end per step, `steps` steps a frame.
constexpr FallFamily Wide(BulletSlot (&pool)[50], BossState& boss, f32 base, f32 shift, f32 end, i32 steps) {
    FallFamily f = FallGroup(pool, 50, 5, boss, &k150by10, 180, true, kDot, kOrbs);
    f.x1 = base;
    f.x2 = shift;
    const f32 across[5] = {-44, -22, 0, 22, 44}, heights[5] = {50, 73, 80, 73, 50};
    for (i32 m = 0; m < 5; ++m) {
        f.dx[m] = across[m];
        f.dy[m] = heights[m];
    }
    f.drift[0] = -end;
    f.drift[4] = end;
    f.driftSteps = steps;
    return f;
}

// The group of seven: heights 154 to 200, member frames, steps of 10 per member out from the centre.
constexpr FallFamily Seven(BulletSlot (&pool)[35], BossState& boss) {
    FallFamily f = FallGroup(pool, 35, 7, boss, &kSeven, 200, true, kSevenBox, kFrames404);
    f.driftSteps = 7;
    f.x1 = 200;
    const f32 heights[7] = {154, 183, 194, 200, 194, 183, 154};
    for (i32 m = 0; m < 7; ++m) {
        f.dy[m] = heights[m];
        f.drift[m] = static_cast<f32>(m - 3) * 10.0f;
    }
    return f;
}

// The families, in the order of the entry lists below.
constexpr FallFamily kArcs[] = {
    Seven(Boss11Arc1, Boss11State),
    Arc(Boss2BArc1, Boss2BState, kPlain, 210, 0, 170, k340by30, 176, 0, kDot, 8.0f),
    Arc(Boss2BArc2, Boss2BState, kPlain, 150, 0, 90, k2BSlide, 100, 90, kDot),
    Arc(Boss2BArc3, Boss2BState, kPlain, 270, 0, 90, k2BSlide, 100, -90, kDot),
    Arc(Boss2BArc4, Boss2BState, kPlain, 90, 0, 50, k370by30, 180, 45, kDot),
    Arc(Boss2BArc5, Boss2BState, kPlain, 330, 0, 50, k370by30, 180, -45, kDot),
    Arc(Boss31Arc1, Boss31State, kOrbs, 220, 0, 110, k360by30, 230, 0, kDot),
    Arc(Boss31Arc2, Boss31State, kOrbs, 170, 0, 90, k350by30, 90, 0, kDot),
    Arc(Boss31Arc3, Boss31State, kOrbs, 270, 0, 90, k350by30, 90, 0, kDot),
    Arc(Boss31Arc4, Boss31State, kPlain, 140, 0, 170, k900by80, 120, 0, kDot),
    Arc(Boss31Arc5, Boss31State, kPlain, 300, 0, 170, k900by80, 120, 0, kDot),
    Arc(Boss41Arc1, Boss41State, kPlain, 210, 0, 60, k41Arc1, 210, 0, kDot),
    Arc(Boss41Arc2, Boss41State, kOrbs, 180, 0, 30, k41Arc2, 250, 30, kDot),
    Arc(Boss41Arc3, Boss41State, kOrbs, 240, 0, 30, k41Arc2, 250, -30, kDot),
    Arc(Boss41Arc4, Boss41State, kPlain, 150, 0, 60, k41Arc4, 110, 90, kDot),
    Arc(Boss41Arc5, Boss41State, kPlain, 270, 0, 60, k41Arc4, 110, -90, kDot),
    Arc(Boss41Arc6, Boss41State, kPlain, 90, 0, 30, k720by60, 280, 0, kDot),
    Arc(Boss41Arc7, Boss41State, kPlain, 330, 0, 30, k720by60, 280, 0, kDot),
    Arc(Boss51Arc1, Boss51State, kFrames402, 170, 0, 90, k140by10, 155, 0, kFrame),
    Arc(Boss51Arc2, Boss51State, kFrames402, 110, 0, 60, k150by10, 155, 0, kFrame),
    Arc(Boss51Arc3, Boss51State, kFrames402, 230, 0, 60, k150by10, 155, 0, kFrame),
    Arc(Boss51Arc4, Boss51State, kOrbs, 160, 0, 60, k150by10, 120, 100, kDot),
    Arc(Boss51Arc5, Boss51State, kOrbs, 200, 0, 60, k150by10, 120, -100, kDot),
    Arc(Boss51Arc6, Boss51State, kOrbs, 130, 0, 60, k330by30, 120, 0, kDot),
    Arc(Boss51Arc7, Boss51State, kOrbs, 230, 0, 60, k330by30, 120, 0, kDot),
    Arc(Boss4BArc1, Boss4BState, kOrbs, 220, 0, 110, k330by30, 130, 0, kDot),
    Arc(Boss4BArc2, Boss4BState, kFrames401, 170, 0, 60, k860by80, 120, 0, kFrame),
    Arc(Boss4BArc3, Boss4BState, kFrames401, 250, 0, 60, k860by80, 120, 0, kFrame),
    Arc(Boss4BArc4, Boss4BState, kFrames401, 90, 0, 60, k860by80, 120, 0, kFrame),
    Arc(Boss4BArc5, Boss4BState, kFrames401, 330, 0, 60, k860by80, 120, 0, kFrame),
    Wide(Boss4BArc6, Boss4BState, 120, 0, 200, 1),
    Wide(Boss4BArc7, Boss4BState, 320, 0, 100, 1),
    Arc(Boss71Arc1, Boss71State, kOrbs, 240, 0, 110, k230by20, 130, 0, kDot),
    Arc(Boss71Arc2, Boss71State, kFrames402, 230, -30, 60, k860by80, 120, 0, kFrame),
    Arc(Boss71Arc3, Boss71State, kFrames402, 230, 30, 60, k860by80, 120, 0, kFrame),
    Arc(Boss71Arc4, Boss71State, kFrames402, 230, -120, 60, k71Arc4, 120, 0, kFrame),
    Arc(Boss71Arc5, Boss71State, kFrames402, 230, 120, 60, k71Arc4, 120, 0, kFrame),
    Wide(Boss71Arc6, Boss71State, 240, -120, 20, 5),
    Wide(Boss71Arc7, Boss71State, 240, 120, 20, 5),
    Arc(Boss5BArc1, Boss5BState, kPlainKeyed, 230, 0, 110, k230by20, 130, 0, kDot),
    Arc(Boss5BArc2, Boss5BState, kFrames402Keyed, 220, -40, 60, k660by60, 120, 0, kFrame),
    Arc(Boss5BArc3, Boss5BState, kFrames402Keyed, 220, 40, 60, k660by60, 120, 0, kFrame),
    Arc(Boss5BArc4, Boss5BState, kFrames402Keyed, 220, -120, 60, k660by60, 120, 0, kFrame),
    Arc(Boss5BArc5, Boss5BState, kFrames402Keyed, 220, 120, 60, k660by60, 120, 0, kFrame),
    // armed inside their emitter
    Arc(Boss11Arc2, Boss11State, kPlain, 150, 0, 90, k340by30, 130, 0, kDot),
    Arc(Boss11Arc3, Boss11State, kPlain, 270, 0, 90, k340by30, 130, 0, kDot),
};

// id, pool, Emit, Spawn, Update, Draw
#define ARC_ENTRIES(X)                                                                                \
    X(kBoss11Arc1, Boss11Arc1, Boss11Arc1_Emit, Boss11Arc1_Spawn, Boss11Arc1_Update, Boss11Arc1_Draw) \
    X(kBoss2BArc1, Boss2BArc1, Boss2BArc1_Emit, Boss2BArc1_Spawn, Boss2BArc1_Update, Boss2BArc1_Draw) \
    X(kBoss2BArc2, Boss2BArc2, Boss2BArc2_Emit, Boss2BArc2_Spawn, Boss2BArc2_Update, Boss2BArc2_Draw) \
    X(kBoss2BArc3, Boss2BArc3, Boss2BArc3_Emit, Boss2BArc3_Spawn, Boss2BArc3_Update, Boss2BArc3_Draw) \
    X(kBoss2BArc4, Boss2BArc4, Boss2BArc4_Emit, Boss2BArc4_Spawn, Boss2BArc4_Update, Boss2BArc4_Draw) \
    X(kBoss2BArc5, Boss2BArc5, Boss2BArc5_Emit, Boss2BArc5_Spawn, Boss2BArc5_Update, Boss2BArc5_Draw) \
    X(kBoss31Arc1, Boss31Arc1, Boss31Arc1_Emit, Boss31Arc1_Spawn, Boss31Arc1_Update, Boss31Arc1_Draw) \
    X(kBoss31Arc2, Boss31Arc2, Boss31Arc2_Emit, Boss31Arc2_Spawn, Boss31Arc2_Update, Boss31Arc2_Draw) \
    X(kBoss31Arc3, Boss31Arc3, Boss31Arc3_Emit, Boss31Arc3_Spawn, Boss31Arc3_Update, Boss31Arc3_Draw) \
    X(kBoss31Arc4, Boss31Arc4, Boss31Arc4_Emit, Boss31Arc4_Spawn, Boss31Arc4_Update, Boss31Arc4_Draw) \
    X(kBoss31Arc5, Boss31Arc5, Boss31Arc5_Emit, Boss31Arc5_Spawn, Boss31Arc5_Update, Boss31Arc5_Draw) \
    X(kBoss41Arc1, Boss41Arc1, Boss41Arc1_Emit, Boss41Arc1_Spawn, Boss41Arc1_Update, Boss41Arc1_Draw) \
    X(kBoss41Arc2, Boss41Arc2, Boss41Arc2_Emit, Boss41Arc2_Spawn, Boss41Arc2_Update, Boss41Arc2_Draw) \
    X(kBoss41Arc3, Boss41Arc3, Boss41Arc3_Emit, Boss41Arc3_Spawn, Boss41Arc3_Update, Boss41Arc3_Draw) \
    X(kBoss41Arc4, Boss41Arc4, Boss41Arc4_Emit, Boss41Arc4_Spawn, Boss41Arc4_Update, Boss41Arc4_Draw) \
    X(kBoss41Arc5, Boss41Arc5, Boss41Arc5_Emit, Boss41Arc5_Spawn, Boss41Arc5_Update, Boss41Arc5_Draw) \
    X(kBoss41Arc6, Boss41Arc6, Boss41Arc6_Emit, Boss41Arc6_Spawn, Boss41Arc6_Update, Boss41Arc6_Draw) \
    X(kBoss41Arc7, Boss41Arc7, Boss41Arc7_Emit, Boss41Arc7_Spawn, Boss41Arc7_Update, Boss41Arc7_Draw) \
    X(kBoss51Arc1, Boss51Arc1, Boss51Arc1_Emit, Boss51Arc1_Spawn, Boss51Arc1_Update, Boss51Arc1_Draw) \
    X(kBoss51Arc2, Boss51Arc2, Boss51Arc2_Emit, Boss51Arc2_Spawn, Boss51Arc2_Update, Boss51Arc2_Draw) \
    X(kBoss51Arc3, Boss51Arc3, Boss51Arc3_Emit, Boss51Arc3_Spawn, Boss51Arc3_Update, Boss51Arc3_Draw) \
    X(kBoss51Arc4, Boss51Arc4, Boss51Arc4_Emit, Boss51Arc4_Spawn, Boss51Arc4_Update, Boss51Arc4_Draw) \
    X(kBoss51Arc5, Boss51Arc5, Boss51Arc5_Emit, Boss51Arc5_Spawn, Boss51Arc5_Update, Boss51Arc5_Draw) \
    X(kBoss51Arc6, Boss51Arc6, Boss51Arc6_Emit, Boss51Arc6_Spawn, Boss51Arc6_Update, Boss51Arc6_Draw) \
    X(kBoss51Arc7, Boss51Arc7, Boss51Arc7_Emit, Boss51Arc7_Spawn, Boss51Arc7_Update, Boss51Arc7_Draw) \
    X(kBoss4BArc1, Boss4BArc1, Boss4BArc1_Emit, Boss4BArc1_Spawn, Boss4BArc1_Update, Boss4BArc1_Draw) \
    X(kBoss4BArc2, Boss4BArc2, Boss4BArc2_Emit, Boss4BArc2_Spawn, Boss4BArc2_Update, Boss4BArc2_Draw) \
    X(kBoss4BArc3, Boss4BArc3, Boss4BArc3_Emit, Boss4BArc3_Spawn, Boss4BArc3_Update, Boss4BArc3_Draw) \
    X(kBoss4BArc4, Boss4BArc4, Boss4BArc4_Emit, Boss4BArc4_Spawn, Boss4BArc4_Update, Boss4BArc4_Draw) \
    X(kBoss4BArc5, Boss4BArc5, Boss4BArc5_Emit, Boss4BArc5_Spawn, Boss4BArc5_Update, Boss4BArc5_Draw) \
    X(kBoss4BArc6, Boss4BArc6, Boss4BArc6_Emit, Boss4BArc6_Spawn, Boss4BArc6_Update, Boss4BArc6_Draw) \
    X(kBoss4BArc7, Boss4BArc7, Boss4BArc7_Emit, Boss4BArc7_Spawn, Boss4BArc7_Update, Boss4BArc7_Draw) \
    X(kBoss71Arc1, Boss71Arc1, Boss71Arc1_Emit, Boss71Arc1_Spawn, Boss71Arc1_Update, Boss71Arc1_Draw) \
    X(kBoss71Arc2, Boss71Arc2, Boss71Arc2_Emit, Boss71Arc2_Spawn, Boss71Arc2_Update, Boss71Arc2_Draw) \
    X(kBoss71Arc3, Boss71Arc3, Boss71Arc3_Emit, Boss71Arc3_Spawn, Boss71Arc3_Update, Boss71Arc3_Draw) \
    X(kBoss71Arc4, Boss71Arc4, Boss71Arc4_Emit, Boss71Arc4_Spawn, Boss71Arc4_Update, Boss71Arc4_Draw) \
    X(kBoss71Arc5, Boss71Arc5, Boss71Arc5_Emit, Boss71Arc5_Spawn, Boss71Arc5_Update, Boss71Arc5_Draw) \
    X(kBoss71Arc6, Boss71Arc6, Boss71Arc6_Emit, Boss71Arc6_Spawn, Boss71Arc6_Update, Boss71Arc6_Draw) \
    X(kBoss71Arc7, Boss71Arc7, Boss71Arc7_Emit, Boss71Arc7_Spawn, Boss71Arc7_Update, Boss71Arc7_Draw) \
    X(kBoss5BArc1, Boss5BArc1, Boss5BArc1_Emit, Boss5BArc1_Spawn, Boss5BArc1_Update, Boss5BArc1_Draw) \
    X(kBoss5BArc2, Boss5BArc2, Boss5BArc2_Emit, Boss5BArc2_Spawn, Boss5BArc2_Update, Boss5BArc2_Draw) \
    X(kBoss5BArc3, Boss5BArc3, Boss5BArc3_Emit, Boss5BArc3_Spawn, Boss5BArc3_Update, Boss5BArc3_Draw) \
    X(kBoss5BArc4, Boss5BArc4, Boss5BArc4_Emit, Boss5BArc4_Spawn, Boss5BArc4_Update, Boss5BArc4_Draw) \
    X(kBoss5BArc5, Boss5BArc5, Boss5BArc5_Emit, Boss5BArc5_Spawn, Boss5BArc5_Update, Boss5BArc5_Draw)
// The two families that arm inside their emitter and have no spawn of their own: id, pool, Emit, Update, Draw
#define ARC_ENTRIES_ARMING(X)                                                       \
    X(kBoss11Arc2, Boss11Arc2, Boss11Arc2_Emit, Boss11Arc2_Update, Boss11Arc2_Draw) \
    X(kBoss11Arc3, Boss11Arc3, Boss11Arc3_Emit, Boss11Arc3_Update, Boss11Arc3_Draw)

#define ARC_ID(id, ...) id,
enum ArcId : i32 { ARC_ENTRIES(ARC_ID) ARC_ENTRIES_ARMING(ARC_ID) kArcCount };
#undef ARC_ID
static_assert(kArcCount == sizeof kArcs / sizeof kArcs[0]);
#define ARC_ROW(id, array, ...) static_assert(kArcs[id].pool == array);
ARC_ENTRIES(ARC_ROW)
ARC_ENTRIES_ARMING(ARC_ROW)
#undef ARC_ROW

}  // namespace

#define ARC_WRAPPERS(id, array, emit, spawn, update, draw)     \
    void emit(i32) { Fall_Emit(kArcs[id]); }                   \
    void spawn(i32 slot, i32) { Fall_Spawn(kArcs[id], slot); } \
    void update(i32) { Fall_Update(kArcs[id]); }               \
    void draw(i32) { Fall_Draw(kArcs[id]); }
ARC_ENTRIES(ARC_WRAPPERS)
#undef ARC_WRAPPERS
#define ARC_ARMING_WRAPPERS(id, array, emit, update, draw) \
    void emit(i32) { Fall_Emit(kArcs[id]); }               \
    void update(i32) { Fall_Update(kArcs[id]); }           \
    void draw(i32) { Fall_Draw(kArcs[id]); }
ARC_ENTRIES_ARMING(ARC_ARMING_WRAPPERS)
#undef ARC_ARMING_WRAPPERS
