// The bosses' movement timelines: one interpreter over a table of clock windows per boss.
//
// Each call advances the boss's script clock by ten units a second, then walks the boss's windows in
// table order; every window whose test holds applies its action (the later of two windows that share an
// end acts last), and last the clock loops back once it reaches the boss's loop value.
#include "game/stage/boss.h"

#include "el/elDraw.h"
#include "el/elSystem.h"
#include "game/common/images.h"
#include "game/common/state.h"

namespace {

enum ScriptAction : u8 { IntroStart, IntroRise, Place, Move };

struct ScriptWindow {
    f32 lo;
    bool loOpen;  // true: lo < c, false: lo <= c; the upper end is always inclusive
    f32 hi;
    ScriptAction action;
    f32 a, b;  // Place: the position; Move: the speeds in x and y (px/s)
};

struct IntroRule {
    BossIntro* sprite;
    const i32* sheet;
    i32 srcRight, srcBottom;  // the picture is the sheet's rectangle (0, 0) to here
    f32 x0;                   // the column the picture rises in
    f32 speed;                // rising speed, px/s
};

struct BossScript {
    BossState* boss;
    const IntroRule* intro;  // null: no fly-by
    f32 loopAt, loopTo;
    const ScriptWindow* windows;
    i32 windowCount;
};

#define W(lo, open, hi, act, a, b) ScriptWindow{lo, open, hi, act, a, b}
// The swaying cycle that most bosses repeat once they have come down.
#define SWAY_CYCLE                                                                       \
    W(162, false, 171, Move, 80, 0), W(172, false, 190, Move, -80, 0),                   \
        W(191, false, 200, Move, 80, 0), W(201, false, 210, Move, 100, 50),              \
        W(211, false, 220, Move, -100, -50), W(221, false, 230, Move, -100, 50),         \
        W(231, false, 240, Move, 100, -50)

const ScriptWindow kBoss11Windows[] = {
    W(0, false, 20, IntroStart, 0, 0), W(21, true, 59, IntroRise, 0, 0), W(60, true, 90, Place, 180, -360),
    W(91, false, 135, Move, 0, 80),    W(135, false, 162, Place, 180, 0), SWAY_CYCLE,
};

const ScriptWindow kBoss51Windows[] = {
    W(0, false, 20, IntroStart, 0, 0), W(21, true, 59, IntroRise, 0, 0), W(60, true, 90, Place, 210, -460),
    W(91, false, 135, Move, 0, 100),   W(135, false, 162, Place, 210, 0), SWAY_CYCLE,
};

const ScriptWindow kBoss71Windows[] = {
    W(0, false, 13, IntroStart, 0, 0),  W(14, true, 59, IntroRise, 0, 0),  W(60, true, 90, Place, 150, -400),
    W(91, false, 135, Move, 0, 93),     W(135, false, 162, Place, 150, 0), W(162, false, 171, Move, 80, 0),
    W(172, false, 190, Move, -80, 0),   W(191, false, 200, Move, 80, 0),   W(201, false, 210, Move, 100, 0),
    W(211, false, 220, Move, -100, 0),  W(221, false, 230, Move, -100, 0), W(231, false, 240, Move, 100, 0),
    W(241, false, 250, Place, 150, 0),  W(251, false, 270, Move, 100, 0),  W(271, false, 290, Move, -100, 0),
    W(291, false, 310, Move, -100, 0),  W(311, false, 330, Move, 100, 0),
};

const ScriptWindow kBoss41Windows[] = {
    W(0, true, 30, Place, 180, -480),      W(31, false, 75, Move, 0, 104),       W(75, false, 90, Place, 180, 0),
    W(91, false, 115, Move, 0, 60),        W(116, false, 140, Move, 0, -60),     W(141, false, 162, Place, 180, 0),
    SWAY_CYCLE,
    W(240, false, 250, Place, 180, 0),     W(250, false, 260, Move, 150, 0),     W(261, false, 280, Move, -150, 0),
    W(281, false, 290, Move, 150, 0),      W(291, false, 300, Move, 200, 100),   W(301, false, 310, Move, -200, -100),
    W(311, false, 320, Move, -200, 100),   W(321, false, 330, Move, 200, -100),
};

const ScriptWindow kBoss31Windows[] = {
    W(0, true, 31, Place, 170, -380), W(31, false, 75, Move, 0, 77), W(75, true, 161, Place, 170, 0), SWAY_CYCLE,
};

const ScriptWindow kBoss2BWindows[] = {
    W(0, true, 30, Place, 180, -380),    W(31, false, 75, Move, 0, 78),       W(75, false, 100, Place, 180, 0),
    W(101, false, 110, Move, 100, 50),   W(111, false, 120, Move, -100, -50), W(121, false, 130, Move, -100, 50),
    W(131, false, 140, Move, 100, -50),  W(141, false, 160, Place, 180, 0),   W(161, false, 190, Move, 40, 0),
    W(191, false, 250, Move, -40, 0),    W(251, false, 280, Move, 40, 0),
};

const ScriptWindow kBoss4BWindows[] = {
    W(0, false, 90, Place, 170, -400), W(91, false, 135, Move, 0, 80), W(135, false, 162, Place, 170, 0), SWAY_CYCLE,
};

const ScriptWindow kBoss5BWindows[] = {
    W(0, true, 30, Place, 160, -400),  W(31, false, 74, Move, 0, 86),   W(75, false, 100, Place, 160, 0),
    W(101, false, 130, Move, 40, 0),   W(131, false, 190, Move, -40, 0), W(191, false, 220, Move, 40, 0),
};
#undef SWAY_CYCLE
#undef W

const IntroRule kBoss11Intro = {&Boss11Intro, &imgBOS111, 480, 480, 160, 400};
const IntroRule kBoss51Intro = {&Boss51Intro, &imgBOS511, 480, 480, 160, 400};
const IntroRule kBoss71Intro = {&Boss71Intro, &imgBOSS71, 500, 400, 150, 500};

template <size_t N>
constexpr BossScript Script(BossState* boss, const IntroRule* intro, f32 loopAt, f32 loopTo,
                            const ScriptWindow (&windows)[N]) {
    return BossScript{boss, intro, loopAt, loopTo, windows, static_cast<i32>(N)};
}

const BossScript kBoss11Script = Script(&Boss11State, &kBoss11Intro, 160, 138, kBoss11Windows);
const BossScript kBoss51Script = Script(&Boss51State, &kBoss51Intro, 241, 151, kBoss51Windows);
const BossScript kBoss71Script = Script(&Boss71State, &kBoss71Intro, 331, 145, kBoss71Windows);
const BossScript kBoss41Script = Script(&Boss41State, nullptr, 331, 80, kBoss41Windows);
const BossScript kBoss31Script = Script(&Boss31State, nullptr, 241, 160, kBoss31Windows);
const BossScript kBoss2BScript = Script(&Boss2BState, nullptr, 281, 0, kBoss2BWindows);
const BossScript kBoss4BScript = Script(&Boss4BState, nullptr, 241, 151, kBoss4BWindows);
const BossScript kBoss5BScript = Script(&Boss5BState, nullptr, 221, 80, kBoss5BWindows);

void DrawIntro(const IntroRule& in) {
    elDraw::PutSprite(static_cast<i32>(in.sprite->x), static_cast<i32>(in.sprite->y), *in.sheet, 0, 0, in.srcRight,
                      in.srcBottom);
}

void Apply(const BossScript& s, const ScriptWindow& w) {
    BossState& b = *s.boss;
    switch (w.action) {
        case IntroStart:
            if (!s.intro) return;
            DrawIntro(*s.intro);
            s.intro->sprite->x = s.intro->x0;
            s.intro->sprite->y = 600.0f;
            s.intro->sprite->speed = s.intro->speed;
            return;
        case IntroRise: {
            if (!s.intro) return;
            DrawIntro(*s.intro);
            BossIntro& p = *s.intro->sprite;
            p.x = s.intro->x0;
            p.y -= p.speed * FrameTime;
            if (p.y < -480.0f) {
                p.speed = 0;
                p.x = ParkPosition.x;
                p.y = ParkPosition.y;
            }
            return;
        }
        case Place:
            b.x = w.a;
            b.y = w.b;
            return;
        case Move:
            b.x += w.a * FrameTime;
            b.y += w.b * FrameTime;
            return;
    }
}

void RunScript(const BossScript& s) {
    BossState& b = *s.boss;
    b.scriptClock += 10.0f * FrameTime;
    const f32 c = b.scriptClock;
    for (i32 i = 0; i < s.windowCount; ++i) {
        const ScriptWindow& w = s.windows[i];
        const bool above = w.loOpen ? c > w.lo : c >= w.lo;
        if (above && c <= w.hi) Apply(s, w);
    }
    if (b.scriptClock >= s.loopAt) b.scriptClock = s.loopTo;
}

}  // namespace

void Boss11_Script() { RunScript(kBoss11Script); }
void Boss71_Script() { RunScript(kBoss71Script); }
void Boss41_Script() { RunScript(kBoss41Script); }
void Boss51_Script() { RunScript(kBoss51Script); }
void Boss31_Script() { RunScript(kBoss31Script); }
void Boss2B_Script() { RunScript(kBoss2BScript); }
void Boss4B_Script() { RunScript(kBoss4BScript); }
void Boss5B_Script() { RunScript(kBoss5BScript); }
