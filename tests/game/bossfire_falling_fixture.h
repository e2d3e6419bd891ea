// Helpers for the tests of the falling boss bullets: pools laid out as the pool reset leaves them, the
// ship placed where no bullet reaches it, and a record of which slots an emitter call armed.
#pragma once
#include <gtest/gtest.h>

#include <iterator>
#include <vector>

#include "el/elSystem.h"
#include "game/common/boss_state.h"
#include "game/common/bullet_slot.h"
#include "game/common/player_state.h"

namespace kt {

// Every slot free and parked, clocks at 0, cells 0..9 by slot number.
template <size_t N>
void ParkAll(BulletSlot (&pool)[N]) {
    for (size_t s = 0; s < N; ++s) pool[s] = BulletSlot{static_cast<i32>(s % 10), 0, -500.0f, 2550.0f, 0, 0, 0};
}

// Frees every slot where it stands (so that the next firing of its group can arm it again) and returns
// the slots that were live.
template <size_t N>
std::vector<i32> TakeArmed(BulletSlot (&pool)[N]) {
    std::vector<i32> armed;
    for (size_t s = 0; s < N; ++s)
        if (pool[s].active != 0) {
            armed.push_back(static_cast<i32>(s));
            pool[s].active = 0;
        }
    return armed;
}

class FallingTest : public ::testing::Test {
protected:
    void SetUp() override {
        FrameTime = 1.0f / 60.0f;
        PlayerState.alive = 1;
        PlayerState.bombActive = 0;
        PlayerState.x = 100.0f;  // left of the field, out of every bullet's reach below
        PlayerState.y = 0.0f;
        for (BossState* b : {&Boss11State, &Boss71State, &Boss2BState, &Boss41State, &Boss51State, &Boss4BState,
                             &Boss31State, &Boss5BState}) {
            b->x = 200.0f;
            b->y = 40.0f;
        }
    }
};

}  // namespace kt
