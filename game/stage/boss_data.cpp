#include "game/stage/boss_data.h"

#include <initializer_list>

#include "game/common/state.h"

BossIntro Boss11Intro{}, Boss51Intro{}, Boss71Intro{};

BossBlast Boss11BigBlasts[kBigBlasts], Boss11SmallBlasts[kSmallBlasts];
BossBlast Boss71BigBlasts[kBigBlasts], Boss71SmallBlasts[kSmallBlasts];
BossBlast Boss2BBigBlasts[kBigBlasts], Boss2BSmallBlasts[kSmallBlasts];
BossBlast Boss41BigBlasts[kBigBlasts], Boss41SmallBlasts[kSmallBlasts];
BossBlast Boss51BigBlasts[kBigBlasts], Boss51SmallBlasts[kSmallBlasts];
BossBlast Boss4BBigBlasts[kBigBlasts], Boss4BSmallBlasts[kSmallBlasts];
BossBlast Boss31BigBlasts[kBigBlasts], Boss31SmallBlasts[kSmallBlasts];
BossBlast Boss5BBigBlasts[kBigBlasts], Boss5BSmallBlasts[kSmallBlasts];

namespace {

struct BossReset {
    BossState* boss;
    i32 emitters;
    f32 hp;
    BossBlast* big;
    BossBlast* small;
};
const BossReset kBosses[] = {
    {&Boss11State, 12, 1020.0f, Boss11BigBlasts, Boss11SmallBlasts},
    {&Boss71State, 0, 1000.0f, Boss71BigBlasts, Boss71SmallBlasts},
    {&Boss2BState, 0, 600.0f, Boss2BBigBlasts, Boss2BSmallBlasts},
    {&Boss41State, 6, 800.0f, Boss41BigBlasts, Boss41SmallBlasts},
    {&Boss51State, 6, 1000.0f, Boss51BigBlasts, Boss51SmallBlasts},
    {&Boss4BState, 0, 1400.0f, Boss4BBigBlasts, Boss4BSmallBlasts},
    {&Boss31State, 18, 1500.0f, Boss31BigBlasts, Boss31SmallBlasts},
    {&Boss5BState, 0, 1220.0f, Boss5BBigBlasts, Boss5BSmallBlasts},
};

}  // namespace

void Bosses_Reset() {
    for (const BossReset& r : kBosses) {
        BossState& b = *r.boss;
        b.animFrame = 0;
        b.attackClock = 0;
        for (i32 i = 0; i < r.emitters; ++i) b.emitterClock[i] = 0;
        b.x = ParkPosition.x;
        b.y = ParkPosition.y;
        b.scriptClock = 0;
        b.hp = r.hp;
        b.defeatClock = 0;
        b.guard = 0;
        for (i32 i = 0; i < kBigBlasts; ++i) r.big[i] = BossBlast{0, ParkPosition.x, ParkPosition.y};
        for (i32 i = 0; i < kSmallBlasts; ++i) r.small[i] = BossBlast{0, ParkPosition.x, ParkPosition.y};
    }
    // Only the first boss's hit flag is cleared; the others clear theirs in their next draw.
    Boss11State.hitFlag = 0;
    for (BossIntro* intro : {&Boss11Intro, &Boss51Intro, &Boss71Intro}) *intro = BossIntro{ParkPosition.x, ParkPosition.y, 0};
}
