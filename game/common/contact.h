// The rule by which an enemy or boss bullet strikes the ship.
#pragma once
#include "game/common/player_state.h"
#include "host/types.h"

// A shot whose top-left is (x, y) touches the ship when the ship can be hit and
// left <= x - ship x <= right and top <= y - ship y <= bottom, every edge included. A parked record
// (x -500) never satisfies a box. The caller stores 0 in PlayerState.alive on contact and nothing else.
inline bool Shot_TouchesPlayer(f32 x, f32 y, f32 left, f32 top, f32 right = 30.0f, f32 bottom = 30.0f) {
    if (PlayerState.alive == 0) return false;
    const f32 dx = x - PlayerState.x, dy = y - PlayerState.y;
    return left <= dx && dx <= right && top <= dy && dy <= bottom;
}

// Applies the rule: on contact the ship's alive word becomes 0.
inline void Shot_StrikePlayer(f32 x, f32 y, f32 left, f32 top, f32 right = 30.0f, f32 bottom = 30.0f) {
    if (Shot_TouchesPlayer(x, y, left, top, right, bottom)) PlayerState.alive = 0;
}
