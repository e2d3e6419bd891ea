#include "game/stage/boss_data.h"

BossState Boss11State{}, Boss71State{}, Boss2BState{}, Boss41State{}, Boss51State{}, Boss4BState{}, Boss31State{},
    Boss5BState{};

BossIntro Boss11Intro{}, Boss51Intro{}, Boss71Intro{};

BossBlast Boss11BigBlasts[kBigBlasts], Boss11SmallBlasts[kSmallBlasts];
BossBlast Boss71BigBlasts[kBigBlasts], Boss71SmallBlasts[kSmallBlasts];
BossBlast Boss2BBigBlasts[kBigBlasts], Boss2BSmallBlasts[kSmallBlasts];
BossBlast Boss41BigBlasts[kBigBlasts], Boss41SmallBlasts[kSmallBlasts];
BossBlast Boss51BigBlasts[kBigBlasts], Boss51SmallBlasts[kSmallBlasts];
BossBlast Boss4BBigBlasts[kBigBlasts], Boss4BSmallBlasts[kSmallBlasts];
BossBlast Boss31BigBlasts[kBigBlasts], Boss31SmallBlasts[kSmallBlasts];
BossBlast Boss5BBigBlasts[kBigBlasts], Boss5BSmallBlasts[kSmallBlasts];

void Boss11_OnHit() { Boss11State.hitFlag = 1; }
void Boss2B_OnHit() { Boss2BState.hitFlag = 1; }
void Boss31_OnHit() { Boss31State.hitFlag = 1; }
void Boss41_OnHit() { Boss41State.hitFlag = 1; }
void Boss51_OnHit() { Boss51State.hitFlag = 1; }
void Boss4B_OnHit() { Boss4BState.hitFlag = 1; }
void Boss71_OnHit() { Boss71State.hitFlag = 1; }
void Boss5B_OnHit() { Boss5BState.hitFlag = 1; }
