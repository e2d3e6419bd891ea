// The eight boss blocks, the intro fly-by records, the defeat blasts, and the bosses' hit routines.
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

// The intro fly-by picture of Boss11, Boss51 and Boss71.
struct BossIntro {
    f32 x, y;
    f32 speed;  // rising speed, px/s
};
extern BossIntro Boss11Intro, Boss51Intro, Boss71Intro;

// One explosion of a boss's defeat: 8 big (BBAK1B cells) and 6 small (ZBAK1B cells) per boss.
struct BossBlast {
    i32 frame;
    f32 x, y;
};
constexpr i32 kBigBlasts = 8, kSmallBlasts = 6;
extern BossBlast Boss11BigBlasts[kBigBlasts], Boss11SmallBlasts[kSmallBlasts];
extern BossBlast Boss71BigBlasts[kBigBlasts], Boss71SmallBlasts[kSmallBlasts];
extern BossBlast Boss2BBigBlasts[kBigBlasts], Boss2BSmallBlasts[kSmallBlasts];
extern BossBlast Boss41BigBlasts[kBigBlasts], Boss41SmallBlasts[kSmallBlasts];
extern BossBlast Boss51BigBlasts[kBigBlasts], Boss51SmallBlasts[kSmallBlasts];
extern BossBlast Boss4BBigBlasts[kBigBlasts], Boss4BSmallBlasts[kSmallBlasts];
extern BossBlast Boss31BigBlasts[kBigBlasts], Boss31SmallBlasts[kSmallBlasts];
extern BossBlast Boss5BBigBlasts[kBigBlasts], Boss5BSmallBlasts[kSmallBlasts];

// A weapon that has struck the boss marks it; the weapon itself lowers hp and awards the points.
void Boss11_OnHit();
void Boss2B_OnHit();
void Boss31_OnHit();
void Boss41_OnHit();
void Boss51_OnHit();
void Boss4B_OnHit();
void Boss71_OnHit();
void Boss5B_OnHit();
