// The collision of the player's weapons: the item pick-up, then one pass per weapon pool in which every
// live shot is moved and tested, by integer boxes, against every small-enemy record and every boss. The
// bomb's fragments are tested here too, with boxes of their own.
#include "game/player/collide.h"

#include <iterator>

#include "el/elSystem.h"
#include "game/common/boss_state.h"
#include "game/common/geometry.h"
#include "game/common/player_state.h"
#include "game/common/score.h"
#include "game/common/state.h"
#include "game/enemy/szak10_data.h"
#include "game/enemy/szak12_data.h"
#include "game/enemy/szak13_data.h"
#include "game/enemy/szak1_data.h"
#include "game/enemy/szak21_data.h"
#include "game/enemy/szak30a_data.h"
#include "game/enemy/szak30b_data.h"
#include "game/enemy/szak52_data.h"
#include "game/enemy/szak6_data.h"
#include "game/enemy/szakmix_data.h"
#include "game/player/item.h"
#include "game/player/shots.h"

namespace {

// What one weapon pass tests against a small enemy: the least enemy y that can be struck, the box's x
// bounds relative to the enemy's x, and the points of a strike.
struct PassBox {
    i32 threshold;
    i32 left, right;
    i32 points;
};
// An empty box: the weapon passes over the family.
constexpr PassBox kNoBox{0, 0, -1, 0};

// A small-enemy record as the passes see it.
struct EnemyView {
    f32 x, y;
    i32 hitGuard;
    i32 active;
};
template <auto& Pool>
EnemyView ViewOf(i32 k) {
    return {Pool[k].x, Pool[k].y, Pool[k].hitGuard, Pool[k].active};
}

struct EnemyFamily {
    EnemyView (*view)(i32 k);
    i32 count;
    void (*probe)(i32 k);
    PassBox pass[kPassCount];
};

constexpr PassBox kFormationMain2{-10, 0, 40, 100}, kFormationMain{-10, 0, 40, 50}, kFormationSide{-30, 0, 80, 50},
                  kFormationBomb{-30, 0, 40, 50};
constexpr PassBox kSzak2xMain2{-10, 0, 30, 20}, kSzak2xMain{-10, 0, 30, 50}, kSzak2xSide{-30, 0, 70, 50},
                  kSzak2xBomb{-30, 0, 30, 50};

template <auto& Pool>
constexpr EnemyFamily Family(void (*probe)(i32), PassBox main2, PassBox main, PassBox side, PassBox bomb) {
    return {ViewOf<Pool>, static_cast<i32>(std::size(Pool)), probe, {main2, main, side, bomb}};
}

// In test order. The y bounds of every box are -60..+50 around the enemy's y.
const EnemyFamily kFamilies[] = {
    Family<SzakMixSlots>(SzakMix_HitProbe, {-10, -40, 50, 100}, {-10, -40, 50, 100},
              {-10, -40, 50, 100}, kNoBox),
    Family<Szak10Slots>(Szak10_HitProbe, {-15, -40, 50, 100}, {-10, -60, 70, 50},
              {-45, -20, 70, 50}, {-45, -60, 70, 50}),
    Family<Szak1ASlots>(Szak1A_HitProbe, {-10, -40, 40, 100}, {-10, -60, 60, 50},
              {-50, -20, 60, 50}, {-50, -60, 60, 50}),
    Family<Szak1BSlots>(Szak1B_HitProbe, {-10, -40, 40, 100}, {-10, -60, 60, 50},
              {-50, -20, 60, 50}, {-50, -60, 60, 50}),
    Family<Szak6ASlots>(Szak6A_HitProbe, {-10, -40, 60, 150}, {-10, -60, 80, 50},
              {-60, -20, 80, 50}, {-60, -60, 80, 50}),
    Family<Szak6BSlots>(Szak6B_HitProbe, {-10, -40, 60, 150}, {-10, -60, 80, 50},
              {-60, -20, 80, 50}, {-60, -60, 80, 50}),
    Family<Szak12Slots>(Szak12_HitProbe, {-10, -40, 60, 100}, {-10, -60, 80, 50},
              {-30, -20, 80, 50}, {-30, -60, 80, 50}),
    Family<Szak13ASlots>(Szak13A_HitProbe, {-10, -40, 60, 200}, {-10, -60, 80, 50},
              {-30, -20, 80, 50}, {-30, -60, 80, 50}),
    Family<Szak13BSlots>(Szak13B_HitProbe, {-10, -40, 60, 200}, {-10, -60, 80, 50},
              {-30, -20, 80, 50}, {-30, -60, 80, 50}),
    Family<Szak52ASlots>(Szak52A_HitProbe, {-10, 0, 140, 100}, {-10, 0, 140, 50},
              {5, 0, 180, 50}, {-30, 0, 140, 50}),
    Family<Szak52BSlots>(Szak52B_HitProbe, {-10, 0, 140, 100}, {-10, 0, 140, 50},
              {5, 0, 180, 50}, {-30, 0, 140, 50}),
    Family<Szak21ASlots>(Szak21A_HitProbe, kSzak2xMain2, kSzak2xMain, kSzak2xSide, kSzak2xBomb),
    Family<Szak21BSlots>(Szak21B_HitProbe, kSzak2xMain2, kSzak2xMain, kSzak2xSide, kSzak2xBomb),
    Family<Szak21CSlots>(Szak21C_HitProbe, kSzak2xMain2, kSzak2xMain, kSzak2xSide, kSzak2xBomb),
    Family<Szak22ASlots>(Szak22A_HitProbe, kSzak2xMain2, kSzak2xMain, kSzak2xSide, kSzak2xBomb),
    Family<Szak22BSlots>(Szak22B_HitProbe, kSzak2xMain2, kSzak2xMain, kSzak2xSide, kSzak2xBomb),
    Family<Szak22CSlots>(Szak22C_HitProbe, kSzak2xMain2, kSzak2xMain, kSzak2xSide, kSzak2xBomb),
    Family<Szak30ASlots>(Szak30A_HitProbe, kFormationMain2, kFormationMain, kFormationSide, kFormationBomb),
    Family<Szak31ASlots>(Szak31A_HitProbe, kFormationMain2, kFormationMain, kFormationSide, kFormationBomb),
    Family<Szak32ASlots>(Szak32A_HitProbe, kFormationMain2, kFormationMain, kFormationSide, kFormationBomb),
    Family<Szak33ASlots>(Szak33A_HitProbe, kFormationMain2, kFormationMain, kFormationSide, kFormationBomb),
    Family<Szak30BSlots>(Szak30B_HitProbe, kFormationMain2, kFormationMain, kFormationSide, kFormationBomb),
    Family<Szak31BSlots>(Szak31B_HitProbe, kFormationMain2, kFormationMain, kFormationSide, kFormationBomb),
    Family<Szak32BSlots>(Szak32B_HitProbe, kFormationMain2, kFormationMain, {-32, 0, 80, 50},
              {-32, 0, 40, 50}),
    Family<Szak33BSlots>(Szak33B_HitProbe, kFormationMain2, kFormationMain, kFormationSide, kFormationBomb),
};

// What one weapon pass tests against a boss: the box's x bounds relative to the boss's x, the points of
// a strike and the hit points the boss loses per second of overlap.
struct BossBox {
    i32 left, right;
    i32 points;
    f32 wear;
};
// The bosses, in test order. The y bounds are +10..+200 below the boss's y; a boss is tested while its y
// is at least 0. A main shot wears a boss by 100 a second, a side shot by 3.
struct BossTarget {
    BossState* boss;
    void (*onHit)();
    BossBox pass[kPassCount];
};
const BossTarget kBosses[] = {
    {&Boss11State, Boss11_OnHit, {{80, 300, 100, 100}, {80, 300, 50, 100}, {80, 340, 50, 3}, {80, 300, 50, 40}}},
    {&Boss2BState, Boss2B_OnHit, {{80, 300, 100, 100}, {80, 300, 50, 100}, {80, 340, 50, 3}, {80, 300, 50, 40}}},
    {&Boss31State, Boss31_OnHit, {{80, 320, 100, 100}, {80, 320, 50, 100}, {80, 360, 50, 3}, {80, 320, 50, 40}}},
    {&Boss41State, Boss41_OnHit, {{80, 300, 100, 100}, {80, 300, 50, 100}, {80, 340, 50, 3}, {80, 300, 50, 40}}},
    {&Boss51State, Boss51_OnHit, {{50, 270, 100, 100}, {50, 270, 50, 100}, {50, 310, 50, 3}, {50, 270, 50, 40}}},
    {&Boss4BState, Boss4B_OnHit, {{50, 330, 250, 100}, {50, 330, 50, 100}, {50, 370, 50, 3}, {50, 330, 50, 35}}},
    {&Boss71State, Boss71_OnHit, {{50, 390, 250, 100}, {50, 390, 60, 100}, {50, 430, 60, 3}, {50, 390, 60, 35}}},
    {&Boss5BState, Boss5B_OnHit, {{50, 370, 100, 100}, {50, 370, 50, 100}, {50, 410, 50, 3}, {50, 370, 50, 40}}},
};

}  // namespace

void Collide_StrikeEnemies(WeaponPass pass, i32 sx, i32 sy) {
    for (const EnemyFamily& fam : kFamilies) {
        const PassBox& box = fam.pass[pass];
        if (box.right < box.left) continue;
        for (i32 k = 0; k < fam.count; ++k) {
            const EnemyView e = fam.view(k);
            if (e.hitGuard != 0 || e.active == 0) continue;  // a free slot is never struck and scores nothing
            const i32 ex = TruncPos(e.x), ey = TruncPos(e.y);
            if (ey < box.threshold) continue;
            if (ex + box.left <= sx && sx <= ex + box.right && ey - 60 <= sy && sy <= ey + 50) {
                fam.probe(k);
                Score_Add(box.points);
            }
        }
    }
}

bool Collide_StrikeBosses(WeaponPass pass, i32 sx, i32 sy) {
    bool struck = false;
    for (const BossTarget& t : kBosses) {
        BossState& b = *t.boss;
        if (b.guard != 0 || !(b.y >= 0.0f)) continue;
        const BossBox& box = t.pass[pass];
        const i32 bx = TruncPos(b.x), by = TruncPos(b.y);
        if (bx + box.left <= sx && sx <= bx + box.right && by + 10 <= sy && sy <= by + 200) {
            t.onHit();
            Score_Add(box.points);
            b.hp -= box.wear * FrameTime;
            struck = true;
        }
    }
    return struck;
}

namespace {

void MainPass(WeaponPass pass, PlayerShot* pool) {
    for (i32 i = 0; i < kMainShots; ++i) {
        PlayerShot& s = pool[i];
        if (s.alive != 1) continue;
        PlayerShot_Move(&s, i);
        Collide_StrikeEnemies(pass, s.x, s.y);
        if (Collide_StrikeBosses(pass, s.x, s.y)) s.alive = 0;  // a main shot ends on a boss
    }
}

}  // namespace

void Collide_PlayerWeapons() {
    if (PowerItem.falling != 0 && PowerItem.y > 50.0f) {
        const i32 px = TruncPos(PlayerState.x), py = TruncPos(PlayerState.y);
        const i32 ix = TruncPos(PowerItem.x), iy = TruncPos(PowerItem.y);
        if (ix - 60 <= px && px <= ix + 60 && iy - 60 <= py && py <= iy + 60) {
            Item_Take();
            Score_Add(500);
        }
    }
    MainPass(kPassMain2, MainShots2);
    MainPass(kPassMain, MainShots);
    for (i32 i = 0; i < kSideShots; ++i) {
        SideShot& s = SideShots[i];
        if (s.alive != 1) continue;
        SideShot_Move(&s, i);
        Collide_StrikeEnemies(kPassSide, s.x, s.y);
        Collide_StrikeBosses(kPassSide, s.x, s.y);  // a side shot flies on, wearing the boss down
    }
}
