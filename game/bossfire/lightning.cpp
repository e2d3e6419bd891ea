// The Lightning families: one routine over a table of the six families. A descriptor row gives the
// family's nodes and boss, where on the boss the bolt starts and the angle by which its aim is turned.
#include "game/bossfire/lightning.h"

#include <cmath>
#include <iterator>

#include "el/elDraw.h"
#include "el/elSystem.h"
#include "game/bossfire/aim_rule.h"
#include "game/bossfire/lightning_data.h"
#include "game/common/boss_state.h"
#include "game/common/contact.h"
#include "game/common/geometry.h"
#include "game/common/player_state.h"
#include "host/crt.h"

namespace {

constexpr i32 kNodes = 6;
constexpr f32 kPi = 3.14159265358979323846f;
constexpr f32 kTurnStep = 2.0f * kPi / 60.0f;  // six degrees
constexpr f32 kNodeSpeeds[kNodes] = {260, 280, 300, 320, 340, 360};
constexpr f32 kAimOffset = 25.0f;  // the bolt aims at the ship's position plus this on each axis
constexpr f32 kStartY = 150.0f;
constexpr f32 kNodeSize = 20.0f;   // the extent by which node 0 may pass the top or left edge

struct LightningFamily {
    LightningNode* nodes;
    BossState* boss;
    f32 offsetX;
    f32 turn;  // radians added to the aim
};

enum : i32 { kL1, kL2, kL3, kL4, kL5, kL6 };

const LightningFamily kBolts[] = {
    {Boss4BLightning1, &Boss4BState, 205, -2 * kTurnStep}, {Boss4BLightning2, &Boss4BState, 245, 2 * kTurnStep},
    {Boss4BLightning3, &Boss4BState, 205, -4 * kTurnStep}, {Boss4BLightning4, &Boss4BState, 245, 4 * kTurnStep},
    {Boss4BLightning5, &Boss4BState, 205, -6 * kTurnStep}, {Boss4BLightning6, &Boss4BState, 245, 6 * kTurnStep},
};
static_assert(std::size(kBolts) == kL6 + 1);
static_assert(std::size(Boss4BLightning1) == kNodes);

// The five segments, from node k to node k + 1: width, and red and green before the frame's random
// numbers are taken off them. Blue is 5.
struct Segment {
    i32 width;
    i32 red, green;
};
constexpr Segment kSegments[kNodes - 1] = {{5, 250, 230}, {6, 250, 220}, {7, 250, 210}, {8, 250, 200}, {9, 250, 230}};
constexpr u32 kBlue = 5;

void Spawn(const LightningFamily& f) {
    for (i32 k = 0; k < kNodes; ++k) {
        LightningNode& n = f.nodes[k];
        if (n.active != 0) continue;
        n.active = 1;
        n.x = f.boss->x + f.offsetX;
        n.y = f.boss->y + kStartY;
        n.speed = kNodeSpeeds[k];
        n.dx = PlayerState.x + kAimOffset - n.x;
        n.dy = PlayerState.y + kAimOffset - n.y;
        // The turn goes on before the half-turn, each sum in single precision.
        n.heading = (n.dx == 0.0f ? kPi / 2.0f : std::atan(n.dy / n.dx)) + f.turn;
        if (Aim_HalfTurn(n.dx, n.dy)) n.heading += kPi;
    }
}

bool OffScreen(const LightningNode& n) {
    return n.x + kNodeSize < 0.0f || n.x > 800.0f || n.y + kNodeSize < 0.0f || n.y > 600.0f;
}

void Update(const LightningFamily& f) {
    const f32 dt = FrameTime;
    for (i32 k = 0; k < kNodes; ++k) {
        LightningNode& n = f.nodes[k];
        if (n.active != 0) {
            n.y += std::sin(n.heading) * n.speed * dt;
            n.x += std::cos(n.heading) * n.speed * dt;
        }
        // Node 0, the slowest, has already moved this frame when the later nodes are tested.
        if (OffScreen(f.nodes[0])) n.active = 0;
        if (n.active != 0) Shot_StrikePlayer(n.x, n.y, 10.0f, 20.0f);
    }
}

void Draw(const LightningFamily& f) {
    const i32 r1 = host::Rand() % 100;  // taken every frame, bolt or not
    const i32 r2 = host::Rand() % 100;
    if (f.nodes[0].active == 0) return;
    for (i32 k = 0; k < kNodes - 1; ++k) {
        const Segment& s = kSegments[k];
        const LightningNode &a = f.nodes[k], &b = f.nodes[k + 1];
        const u32 colour = static_cast<u32>(s.red - r1) | static_cast<u32>(s.green - r2) << 8 | kBlue << 16;
        elDraw::Line(TruncPos(a.x), TruncPos(a.y), TruncPos(b.x), TruncPos(b.y), colour, s.width);
    }
}

}  // namespace

#define LIGHTNING_ENTRY_POINTS(i, spawn, update, draw) \
    void spawn(i32) { Spawn(kBolts[i]); }              \
    void update(i32) { Update(kBolts[i]); }            \
    void draw(i32) { Draw(kBolts[i]); }

LIGHTNING_ENTRY_POINTS(kL1, Boss4BLightning1_Spawn, Boss4BLightning1_Update, Boss4BLightning1_Draw)
LIGHTNING_ENTRY_POINTS(kL2, Boss4BLightning2_Spawn, Boss4BLightning2_Update, Boss4BLightning2_Draw)
LIGHTNING_ENTRY_POINTS(kL3, Boss4BLightning3_Spawn, Boss4BLightning3_Update, Boss4BLightning3_Draw)
LIGHTNING_ENTRY_POINTS(kL4, Boss4BLightning4_Spawn, Boss4BLightning4_Update, Boss4BLightning4_Draw)
LIGHTNING_ENTRY_POINTS(kL5, Boss4BLightning5_Spawn, Boss4BLightning5_Update, Boss4BLightning5_Draw)
LIGHTNING_ENTRY_POINTS(kL6, Boss4BLightning6_Spawn, Boss4BLightning6_Update, Boss4BLightning6_Draw)

#undef LIGHTNING_ENTRY_POINTS
