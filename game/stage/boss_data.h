// The intro fly-by records and the defeat blasts of the bosses (their blocks: game/common/boss_state.h).
#pragma once
#include "game/common/boss_state.h"
#include "host/types.h"

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

// Back to rest: every boss parked with full hit points, its clocks and emitter counters at 0 and its blasts
// parked; only Boss11's hit flag is cleared; the intro records parked and still.
void Bosses_Reset();
