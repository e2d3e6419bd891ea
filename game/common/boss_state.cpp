#include "game/common/boss_state.h"

BossState Boss11State{}, Boss71State{}, Boss2BState{}, Boss41State{}, Boss51State{}, Boss4BState{}, Boss31State{},
    Boss5BState{};

void Boss11_OnHit() { Boss11State.hitFlag = 1; }
void Boss2B_OnHit() { Boss2BState.hitFlag = 1; }
void Boss31_OnHit() { Boss31State.hitFlag = 1; }
void Boss41_OnHit() { Boss41State.hitFlag = 1; }
void Boss51_OnHit() { Boss51State.hitFlag = 1; }
void Boss4B_OnHit() { Boss4BState.hitFlag = 1; }
void Boss71_OnHit() { Boss71State.hitFlag = 1; }
void Boss5B_OnHit() { Boss5BState.hitFlag = 1; }
