// Every boss bullet pool freed by the game's reset, the bosses placed, the ship alive below them.
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "el/elSystem.h"
#include "game/common/boss_state.h"
#include "game/common/player_state.h"
#include "game/shell/shell.h"

namespace kt {

class AimedBullets : public ::testing::Test {
protected:
    void SetUp() override { Fresh(); }
    void TearDown() override { Game_ResetPools(); }

    // Every pool freed and every clock at 0 (the reset parks the bosses too: they are placed again).
    static void Fresh() {
        Game_ResetPools();
        for (BossState* boss : {&Boss11State, &Boss31State, &Boss41State, &Boss51State, &Boss71State, &Boss2BState,
                                &Boss4BState}) {
            boss->x = 200.0f;
            boss->y = 40.0f;
        }
        PlayerState.x = 370.0f;
        PlayerState.y = 480.0f;
        PlayerState.alive = 1;
        PlayerState.bombActive = 0;
        FrameTime = 1.0f / 60.0f;
    }

    // Degrees of a heading, for comparisons of direction.
    static double Deg(f32 heading) { return static_cast<double>(heading) * 180.0 / 3.141592653589793; }
};

// Calls `emit` n times; after every call notes each slot that became live, then frees it again so
// that later groups are never skipped. Returns, per call (1-based), the slots armed by it.
template <class R, class Emit>
std::vector<std::vector<i32>> ArmedPerCall(Emit emit, R* slots, i32 count, i32 calls) {
    std::vector<std::vector<i32>> armed(static_cast<size_t>(calls) + 1);
    for (i32 c = 1; c <= calls; ++c) {
        emit(0);
        for (i32 s = 0; s < count; ++s)
            if (slots[s].active) {
                armed[static_cast<size_t>(c)].push_back(s);
                slots[s].active = 0;
            }
    }
    return armed;
}

// The calls (1-based) on which anything was armed.
inline std::vector<i32> FiringCalls(const std::vector<std::vector<i32>>& armed) {
    std::vector<i32> calls;
    for (size_t c = 0; c < armed.size(); ++c)
        if (!armed[c].empty()) calls.push_back(static_cast<i32>(c));
    return calls;
}

}  // namespace kt
