// The RotChain families: one algorithm over a table of the six families. A descriptor row gives the
// family's records and boss, where on the boss the chain starts, its side (odd families fly against
// their heading and turn it towards smaller angles, even ones fly along it and turn it towards larger
// ones), the divisor of its per-frame turn, and the link and head pictures.
//
// The turn is a fixed step per frame, not scaled by the frame time; it runs while the link clock (in
// twentieths of a second) is at most 17, and a clock that reaches 17 is held at 18 from then on. Each
// piece's drift is applied with its value from the frame before, so it is 0 in the first frame of a throw.
#include "game/bossfire/rotchain.h"

#include <cmath>
#include <iterator>

#include "el/draw/rotate.h"
#include "el/elDraw.h"
#include "el/elSystem.h"
#include "game/bossfire/rotchain_data.h"
#include "game/common/boss_state.h"
#include "game/common/contact.h"
#include "game/common/geometry.h"
#include "game/common/images.h"

namespace {

constexpr i32 kPieces = 7;  // six links, then the head
constexpr i32 kHead = 6;
constexpr f32 kPi = 3.14159265358979323846f;
constexpr f32 kThrowHeading = 2.0f * kPi / 10.0f;  // 36 degrees, below the horizontal on either side
constexpr f32 kClockRate = 20.0f;                  // link-clock units per second
constexpr f32 kTurnUntil = 17.0f, kTurnDone = 18.0f;
constexpr f32 kPieceSpeeds[kPieces] = {163, 171, 178, 184, 188, 191, 193};
constexpr i32 kPieceSize = 30;

// The piece's drift, px/s on each axis, from the second frame of a throw on.
constexpr f32 DriftOf(i32 k) { return static_cast<f32>(16 - 7 * k); }

struct ChainFamily {
    RotChainLink* pieces;
    BossState* boss;
    f32 offsetX, offsetY;
    f32 side;         // -1 odd families, +1 even ones
    f32 turnDivisor;  // the heading turns by 2 pi / divisor each frame
    const i32* linkSheet;
    const i32* headSheet;
};

constexpr f32 kOdd = -1.0f, kEven = 1.0f;

enum : i32 { kB41C1, kB41C2, kB41C3, kB41C4, kB51C1, kB51C2 };

const ChainFamily kChains[] = {
    {Boss41RotChain1, &Boss41State, 205, 30, kOdd, 280, &imgVAL3017A, &imgVALL3017},
    {Boss41RotChain2, &Boss41State, 205, 30, kEven, 280, &imgVAL3018A, &imgVALL3018},
    {Boss41RotChain3, &Boss41State, 165, 20, kOdd, 320, &imgVAL3017A, &imgVALL3017},
    {Boss41RotChain4, &Boss41State, 245, 20, kEven, 320, &imgVAL3018A, &imgVALL3018},
    {Boss51RotChain1, &Boss51State, 175, 30, kOdd, 280, &imgVAL3017A, &imgVALL3017},
    {Boss51RotChain2, &Boss51State, 175, 30, kEven, 280, &imgVAL3018A, &imgVALL3018},
};
static_assert(std::size(kChains) == kB51C2 + 1);
static_assert(std::size(Boss41RotChain1) == kPieces);

void Spawn(const ChainFamily& f) {
    for (i32 k = 0; k < kPieces; ++k) {
        RotChainLink& l = f.pieces[k];
        if (l.active != 0) continue;
        l.active = 1;
        l.linkClock = 0.0f;
        l.heading = f.side * kThrowHeading;
        l.driftX = l.driftY = 0.0f;
        l.x = f.boss->x + f.offsetX;
        l.y = f.boss->y + f.offsetY;
        l.speed = kPieceSpeeds[k];
    }
}

// The whole screen, not the play field: the chain goes when its slowest link has left it.
bool OffScreen(const RotChainLink& l) {
    return l.x + kPieceSize < 0.0f || l.x > 800.0f || l.y + kPieceSize < 0.0f || l.y > 600.0f;
}

void Move(const ChainFamily& f, RotChainLink& l, i32 k) {
    const f32 dt = FrameTime, s = l.speed, h = l.heading;
    l.y += f.side * (std::sin(h) * s * dt);
    l.x += f.side * (std::cos(h) * s * dt);
    l.linkClock += kClockRate * dt;
    if (0.0f <= l.linkClock && l.linkClock <= kTurnUntil) l.heading += f.side * (2.0f * kPi / f.turnDivisor);
    if (l.linkClock >= kTurnUntil) l.linkClock = kTurnDone;
    l.y -= l.driftY * dt;
    l.driftY = DriftOf(k);
    l.x += f.side * (l.driftX * dt);
    l.driftX = DriftOf(k);
}

void Retire(const ChainFamily& f, RotChainLink& l) {
    l.active = 0;
    l.linkClock = 0.0f;
    l.heading = f.side * kThrowHeading;
    l.driftX = l.driftY = 0.0f;
}

void Update(const ChainFamily& f) {
    for (i32 k = 0; k < kPieces; ++k) {
        RotChainLink& l = f.pieces[k];
        if (l.active != 0) Move(f, l, k);
        // Record 0 has already made this frame's move when the later pieces are tested.
        if (OffScreen(f.pieces[0])) Retire(f, l);
        if (l.active != 0) Shot_StrikePlayer(l.x, l.y, 0.0f, 10.0f);
    }
}

void Draw(const ChainFamily& f) {
    // Odd chains are drawn at -heading in degrees, even ones at 360 - heading: 36 and 324 at the throw.
    const f32 base = f.side < 0.0f ? 0.0f : 360.0f;
    for (i32 k = 0; k < kPieces; ++k) {
        const RotChainLink& l = f.pieces[k];
        if (l.active == 0) continue;
        const i32 angle = TruncPos(base - l.heading * 180.0f / kPi);
        const i32 x = TruncPos(l.x), y = TruncPos(l.y);
        elDraw::PutRotate(x, y, x + kPieceSize, y + kPieceSize, angle, k == kHead ? *f.headSheet : *f.linkSheet, 0,
                          0, kPieceSize, kPieceSize);
    }
}

}  // namespace

#define ROTCHAIN_ENTRY_POINTS(i, spawn, update, draw) \
    void spawn(i32) { Spawn(kChains[i]); }            \
    void update(i32) { Update(kChains[i]); }          \
    void draw(i32) { Draw(kChains[i]); }

ROTCHAIN_ENTRY_POINTS(kB41C1, Boss41RotChain1_Spawn, Boss41RotChain1_Update, Boss41RotChain1_Draw)
ROTCHAIN_ENTRY_POINTS(kB41C2, Boss41RotChain2_Spawn, Boss41RotChain2_Update, Boss41RotChain2_Draw)
ROTCHAIN_ENTRY_POINTS(kB41C3, Boss41RotChain3_Spawn, Boss41RotChain3_Update, Boss41RotChain3_Draw)
ROTCHAIN_ENTRY_POINTS(kB41C4, Boss41RotChain4_Spawn, Boss41RotChain4_Update, Boss41RotChain4_Draw)
ROTCHAIN_ENTRY_POINTS(kB51C1, Boss51RotChain1_Spawn, Boss51RotChain1_Update, Boss51RotChain1_Draw)
ROTCHAIN_ENTRY_POINTS(kB51C2, Boss51RotChain2_Spawn, Boss51RotChain2_Update, Boss51RotChain2_Draw)

#undef ROTCHAIN_ENTRY_POINTS
