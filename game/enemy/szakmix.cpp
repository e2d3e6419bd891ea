// The SzakMix escorts. Every operation works on the one slot its caller names. The flight patterns are
// a table: a falling, a tracking and a weaving pattern, and six banded patterns whose velocity follows
// the slot's phase clock through a table of bands. Looks and explosion types are tables too.
#include "game/enemy/szakmix.h"

#include <iterator>

#include "el/draw/rotate.h"
#include "el/draw/soft.h"
#include "el/elDraw.h"
#include "game/common/images.h"
#include "game/enemy/enemy_rules.h"
#include "host/crt.h"

namespace {

constexpr i32 kSlots = 15;
bool ValidSlot(i32 slot) { return slot >= 0 && slot < kSlots; }

// ---- flight patterns --------------------------------------------------------------------------------

// A band of the phase clock, both limits included, and the velocity it sets (from the next frame on).
struct Band {
    f32 lo, hi;
    f32 vy, vx;
};
enum class Flight : u8 { Fall, Track, Weave, Banded };
struct Pattern {
    Flight flight;
    f32 xDir;     // +1: x += vx dt; -1: x -= vx dt
    f32 rate;     // phase units per second
    f32 fixedVy;  // banded: > 0 falls at this speed and the bands set vx alone
    f32 wrap;     // the phase restarts at 0 from here on
    std::span<const Band> bands;
};

// The curve that bends ever harder (patterns 3 and 4): the bands set vx only.
constexpr Band kCurve[] = {
    {0, 20, 0, 10},    {21, 40, 0, 15},   {41, 60, 0, 20},   {61, 80, 0, 30},   {81, 100, 0, 40},
    {101, 120, 0, 70}, {121, 140, 0, 120}, {141, 160, 0, 160}, {161, 380, 0, 180},
};
// The dive that swings out and levels off (patterns 5 and 6).
constexpr Band kSwing[] = {
    {0, 10, 220, 0},    {11, 20, 220, 40},  {21, 30, 220, 110}, {31, 40, 220, 160}, {41, 50, 220, 210},
    {51, 60, 220, 255}, {61, 70, 220, 310}, {71, 80, 220, 240}, {81, 90, 220, 180}, {91, 200, 0, 90},
};
// The dive, turn and climb back out (patterns 7 and 8).
constexpr Band kLoop[] = {
    {0, 10, 320, 0},        {11, 20, 280, 40},      {21, 30, 260, 110},     {31, 40, 240, 160},
    {41, 50, 220, 180},     {51, 60, 220, 200},     {61, 70, 220, 220},     {71, 80, 220, 200},
    {81, 90, 120, 180},     {91, 100, 0, 90},       {101, 110, -90, 0},     {111, 120, -130, -30},
    {121, 130, -160, -60},  {131, 140, -190, -90},  {141, 150, -220, -180}, {151, 260, -220, -240},
};

const Pattern kPatterns[] = {
    {Flight::Fall, 0, 0, 0, 0, {}},
    {Flight::Track, +1, 0, 0, 0, {}},
    {Flight::Weave, +1, 10, 0, 41, {}},
    {Flight::Banded, +1, 10, 120, 381, kCurve},
    {Flight::Banded, -1, 10, 120, 381, kCurve},
    {Flight::Banded, +1, 40, 0, 201, kSwing},
    {Flight::Banded, -1, 40, 0, 201, kSwing},
    {Flight::Banded, +1, 80, 0, 261, kLoop},
    {Flight::Banded, -1, 80, 0, 261, kLoop},
};

void Fly(MixEnemySlot& e, const Pattern& p) {
    const f32 dt = FrameTime;
    switch (p.flight) {
        case Flight::Fall: e.y += e.vy * dt; break;
        case Flight::Track:
            e.y += e.vy * dt;
            e.x += e.vx * dt;
            if (e.x > PlayerState.x) e.vx = -50.0f;
            if (e.x < PlayerState.x) e.vx = +50.0f;  // level with the ship: the last vx stands
            break;
        case Flight::Weave:
            e.y += e.vy * dt;
            e.patternPhase += p.rate * dt;
            if (0.0f <= e.patternPhase && e.patternPhase <= 20.0f) e.x += e.vx * dt;
            if (20.0f <= e.patternPhase && e.patternPhase <= 40.0f) e.x -= e.vx * dt;
            if (e.patternPhase >= p.wrap) e.patternPhase = 0.0f;
            break;
        case Flight::Banded:
            e.y += (p.fixedVy > 0.0f ? p.fixedVy : e.vy) * dt;
            e.x += p.xDir * e.vx * dt;
            e.patternPhase += p.rate * dt;
            for (const Band& b : p.bands) {
                if (b.lo <= e.patternPhase && e.patternPhase <= b.hi) {
                    if (p.fixedVy <= 0.0f) e.vy = b.vy;
                    e.vx = b.vx;
                }
            }
            if (e.patternPhase >= p.wrap) e.patternPhase = 0.0f;
            break;
    }
}

// ---- looks --------------------------------------------------------------------------------------------

struct Look {
    const i32* flameSheet;  // null: no exhaust
    i32 flames;
    i16 flameAt[2][2];
    const i32* shipSheet;
    i16 shipW, shipH;
    i16 shipAtX, shipAtY;
};
const Look kLooks[] = {
    {nullptr, 0, {}, &imgSZAK1, 60, 60, 5, 10},
    {&imgZFIRE1, 1, {{25, -40}}, &imgSZAK10, 70, 80, 0, 0},
    {&imgZFIRE2, 2, {{5, -54}, {55, -54}}, &imgSZAK9, 80, 80, 0, 0},
    {&imgZFIRE2, 2, {{12, -54}, {48, -54}}, &imgSZAK6, 80, 80, 0, 0},
    {&imgZFIRE2, 2, {{12, -54}, {48, -54}}, &imgSZAK8, 80, 80, 0, 0},
};

void DrawShip(MixEnemySlot& e, const Look& look) {
    const i32 X = TruncPos(e.x), Y = TruncPos(e.y);
    if (look.flameSheet != nullptr) {
        const i32 c = e.exhaustFrame >= 0 && e.exhaustFrame < 20 ? e.exhaustFrame : 0;
        for (i32 i = 0; i < look.flames; ++i)
            elDraw::PutSprite(X + look.flameAt[i][0], Y + look.flameAt[i][1], *look.flameSheet, 20 * c, 0,
                              20 * c + 20, 70);
        if (++e.exhaustFrame > 19) e.exhaustFrame = 0;
    }
    elDraw::PutSprite(X + look.shipAtX, Y + look.shipAtY, *look.shipSheet, 0, 0, look.shipW, look.shipH);
}

// ---- explosions ---------------------------------------------------------------------------------------

constexpr BlastPiece Big(const i32* sheet, Blit blit, i8 x0, i8 dx, i8 y0, i8 dy) {
    return {sheet, 80, blit, x0, dx, y0, dy};
}
constexpr BlastPiece Small(i8 dx, i8 dy) { return {&imgZBAK6B, 40, Blit::Add, 20, dx, 20, dy}; }
constexpr BlastPiece kType2[] = {
    Big(&imgZBAK2B, Blit::Half, 0, 0, 0, 0), Small(-4, -6), Small(1, 7), Small(7, -1), Small(-6, 3),
    Small(-7, -6), Small(5, -8),
};
constexpr BlastPiece kType3[] = {
    Big(&imgZBAK2B, Blit::Add, 20, 6, 20, -1),  Big(&imgZBAK2B, Blit::Half, 20, 6, 20, 6),
    Big(&imgZBAK2B, Blit::Add, 20, -6, 20, 4),  Big(&imgZBAK2B, Blit::Half, 20, 2, 20, -6),
    Big(&imgZBAK2B, Blit::Add, 0, 0, 0, 0),     Big(&imgZBAK2B, Blit::Add, 20, -6, 20, -6),
};
constexpr BlastPiece kType4[] = {
    Big(&imgZBAK2B, Blit::Add, 0, 0, 0, 0), Small(-4, -6), Small(6, 5), Small(-6, 3), Small(6, -6), Small(5, -5),
};
// By type 0 to 4; types 0 and 1 are the five-piece spread of the ten-cell sheet, which every type draws
// plainly when the explosions are not additive.
const BlastLook kBlasts[] = {
    {kSpread3BAdd, kSpread3BPlain}, {kSpread3BAdd, kSpread3BPlain}, {kType2, kSpread3BPlain},
    {kType3, kSpread3BPlain},       {kType4, kSpread3BPlain},
};
constexpr BlastRule kBlastRule{10, BlastStop::Always};

// ---- shot sets ----------------------------------------------------------------------------------------

constexpr RetireBounds kScreen{30.0f, 800.0f, true, true};
constexpr ShotLook kBall{&imgVAL16241, 0, 0, 16, 16, ShotDraw::Add, 24, 0, 0, 0, 0};
constexpr ShotLook kBallInset{&imgVAL16241, 0, 0, 16, 16, ShotDraw::Add, 24, 2, 2, 0, 0};
constexpr ShotLook Dart(const i32* sheet) { return {sheet, 0, 0, 30, 30, ShotDraw::Rotated, 1, -5, -5, 30, 30}; }

const AimedSet kShot1{SzakMixShot1Slots, kSlots, 1, OriginOf<SzakMixSlots>, -1, 25.0f, 50.0f, 15.0f, {130.0f},
                      50, kScreen, false, {10.0f, 20.0f}, kBall};
const AimedSet kShot2{SzakMixShot2Slots, kSlots, 5, OriginOf<SzakMixSlots>, -1, 25.0f, 25.0f, 15.0f,
                      {260.0f, 280.0f, 300.0f, 320.0f, 340.0f}, 0, kScreen, true, {10.0f, 10.0f}, kBallInset};
const ShotLook kShot1Styles[] = {kBall, Dart(&imgVALL302)};
const ShotLook kShot2Styles[] = {kBallInset, Dart(&imgVALL301), Dart(&imgVALL302)};

template <size_t N>
const ShotLook* StyleOf(const ShotLook (&styles)[N], i32 style) {
    return style >= 0 && static_cast<size_t>(style) < N ? &styles[style] : nullptr;
}

}  // namespace

void SzakMix_Spawn(i32 slot) {
    if (!ValidSlot(slot) || SzakMixSlots[slot].active != 0) return;
    Enemy_Arm(SzakMixSlots[slot], [](MixEnemySlot& e) {
        e.x = static_cast<f32>(200 + host::Rand() % 320);
        e.y = -80.0f;
        e.type = host::Rand() % 4;
        e.vy = static_cast<f32>(70 + host::Rand() % 70);
        e.vx = static_cast<f32>(20 + host::Rand() % 20);
        e.exhaustFrame = 0;
        e.patternPhase = 0.0f;
    });
}

void SzakMix_Update(i32 slot, i32 pattern) {
    if (!ValidSlot(slot)) return;
    MixEnemySlot& e = SzakMixSlots[slot];
    if (e.active != 0 && pattern >= 0 && pattern < static_cast<i32>(std::size(kPatterns))) Fly(e, kPatterns[pattern]);
    if (e.x + 80.0f < 0.0f || e.x > 800.0f || e.y + 80.0f < 0.0f || e.y > 600.0f) Enemy_Park(e);
}

void SzakMix_Draw(i32 slot, i32 look) {
    if (!ValidSlot(slot)) return;
    MixEnemySlot& e = SzakMixSlots[slot];
    if (e.hit != 0) {
        const i32 type = e.type >= 0 && e.type < static_cast<i32>(std::size(kBlasts)) ? e.type : 0;
        Blast_Step(e, kBlasts[type], kBlastRule);
    } else if (look >= 0 && look < static_cast<i32>(std::size(kLooks))) {
        DrawShip(e, kLooks[look]);
    }
}

void SzakMixShot1_Spawn(i32 slot) {
    if (ValidSlot(slot)) Aimed_Spawn(kShot1, slot, slot + 1);
}
void SzakMixShot1_Update(i32 slot) {
    if (ValidSlot(slot)) Aimed_Update(kShot1, slot, slot + 1);
}
void SzakMixShot1_Draw(i32 slot, i32 style) {
    const ShotLook* look = StyleOf(kShot1Styles, style);
    if (ValidSlot(slot) && look != nullptr) Aimed_Draw(kShot1, slot, slot + 1, *look);
}

void SzakMixShot2_Spawn(i32 slot) {
    if (ValidSlot(slot)) Aimed_Spawn(kShot2, slot, slot + 1);
}
void SzakMixShot2_Update(i32 slot) {
    if (ValidSlot(slot)) Aimed_Update(kShot2, slot, slot + 1);
}
void SzakMixShot2_Draw(i32 slot, i32 style) {
    const ShotLook* look = StyleOf(kShot2Styles, style);
    if (ValidSlot(slot) && look != nullptr) Aimed_Draw(kShot2, slot, slot + 1, *look);
}
