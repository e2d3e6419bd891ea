#include "game/common/score.h"

#include "game/common/state.h"

void Score_Add(i32 points) {
    if ((PlayMode == 1 || PlayMode == 2) && (PlaySubMode == 0 || PlaySubMode == 1)) {
        const i64 sum = static_cast<i64>(Score) + points;
        Score = sum > ScoreMax ? ScoreMax : sum < INT32_MIN ? INT32_MIN : static_cast<i32>(sum);
    }
    if (Score > ScoreMax) Score = ScoreMax;
    if (Score > HiScore) HiScore = Score;
}
