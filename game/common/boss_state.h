// The eight boss blocks and the bosses' hit routines: the stage moves the bosses, the weapons strike them,
// their bullet families read where they are and count their emitter clocks.
#pragma once
#include "host/types.h"

constexpr i32 kBossEmitterMax = 18;  // Boss31 has the most: 10 Ring, then 8 Stream counters

// One boss. Only the first emitterClock words of a boss are used: 12 in Boss11 (its Ring families),
// 18 in Boss31 (Ring1..10, then Stream1..8), 6 in Boss41 and Boss51 (their Stream families), none in
// the other four.
struct BossState {
    i32 animFrame;    // damage-fire cell 0..9
    i32 attackClock;  // frames of the attack timeline, run by the stage script
    i32 emitterClock[kBossEmitterMax];
    f32 x, y;         // top-left of the body; ParkPosition while off stage
    f32 scriptClock;  // movement timeline clock
    f32 hp;           // lowered by the player's weapons; defeat at 0 or below
    f32 defeatClock;  // tenths of a second since the defeat began
    i32 guard;        // the weapons skip the boss while it is not 0 (always 0)
    i32 hitFlag;      // set by the boss's OnHit, cleared by its draw
};
extern BossState Boss11State, Boss71State, Boss2BState, Boss41State, Boss51State, Boss4BState, Boss31State,
    Boss5BState;

// A weapon that has struck the boss marks it; the weapon itself lowers hp and awards the points.
void Boss11_OnHit();
void Boss2B_OnHit();
void Boss31_OnHit();
void Boss41_OnHit();
void Boss51_OnHit();
void Boss4B_OnHit();
void Boss71_OnHit();
void Boss5B_OnHit();
