// The Szak21 and Szak22 families. One algorithm serves the four group families (EnemySlot, lockable,
// armed all at once with random velocities) and the two stream families (WaveEnemySlot, armed one by one
// by their own timer on a fixed line), over a row per family; their 34 shot sets are rows of the shared
// straight-set routine: the five-shot diagonal bursts and the five straight sets of the spread.
#include "game/enemy/szak21.h"

#include "el/draw/rotate.h"
#include "el/draw/soft.h"
#include "el/elDraw.h"
#include "game/common/images.h"
#include "game/enemy/enemy_rules.h"
#include "host/crt.h"

namespace {

// ---- enemies ------------------------------------------------------------------------------------------

// The field a ship may stand in, every edge included.
bool InField(f32 x, f32 y) { return 90.0f <= x && x <= 620.0f && -90.0f <= y && y <= 600.0f; }
constexpr FloatPoint kGroupPark{355.0f, 2550.0f};

constexpr BlastPiece kMainAdd = {&imgZBAK2B, 80, Blit::Add, 0, 0, 0, 0};
constexpr BlastPiece Small(i8 dx, i8 dy) { return {&imgZBAK6B, 40, Blit::Add, 20, dx, 20, dy}; }
constexpr BlastPiece kMainOnly[] = {kMainAdd};
constexpr BlastPiece kMainAndSix[] = {kMainAdd,     Small(-4, -6), Small(1, 7),  Small(7, -1),
                                      Small(-6, 3), Small(7, 6),   Small(5, -8)};
constexpr BlastPiece kMainPlain[] = {{&imgZBAK2B, 80, Blit::Sprite, 0, 0, 0, 0}};
constexpr BlastLook kPlainBlast{kMainOnly, kMainPlain};
constexpr BlastLook kSpreadBlast{kMainAndSix, kMainPlain};

template <class Slot>
struct SideFamily {
    std::span<Slot> slots;
    const i32* sheet;
    f32 startX, startY;
    // Group families: vx = rand() % vxSpread + vx0, then vy = rand() % vySpread + vy0; stream families
    // (spreads 0): vx0 and vy0 as they stand.
    i32 vxSpread, vySpread;
    f32 vx0, vy0;
    f32 xDir;         // the move adds xDir vx dt to x
    LockMark* marks;  // group families: mark k belongs to slot k (shared with the sister family)
    FloatPoint park;  // where the move parks a slot it frees
    const BlastLook* blast;
    BlastStop stop;
};
using GroupFamily = SideFamily<EnemySlot>;
using StreamFamily = SideFamily<WaveEnemySlot>;

const GroupFamily kSzak21A{Szak21ASlots, &imgSZAK21, 90, -90, 70, 70, 60, 70, +1, Szak21Marks, kGroupPark,
                           &kPlainBlast, BlastStop::Never};
const GroupFamily kSzak21B{Szak21BSlots, &imgSZAK21, 90, 60, 80, 80, 70, 80, +1, Szak21Marks, kGroupPark,
                           &kSpreadBlast, BlastStop::Never};
const StreamFamily kSzak21C{Szak21CSlots, &imgSZAK21, 90, 20, 0, 0, 200, 200, +1, nullptr, ParkPosition,
                            &kSpreadBlast, BlastStop::Never};
const GroupFamily kSzak22A{Szak22ASlots, &imgSZAK22, 620, -90, 70, 70, 60, 70, -1, Szak22Marks, kGroupPark,
                           &kPlainBlast, BlastStop::Never};
const GroupFamily kSzak22B{Szak22BSlots, &imgSZAK22, 620, 60, 80, 80, 70, 80, -1, Szak22Marks, kGroupPark,
                           &kSpreadBlast, BlastStop::Always};
const StreamFamily kSzak22C{Szak22CSlots, &imgSZAK22, 620, 20, 0, 0, -200, 200, +1, nullptr, ParkPosition,
                            &kSpreadBlast, BlastStop::Always};

template <class Slot>
void Place(const SideFamily<Slot>& f, Slot& e) {
    e.x = f.startX;
    e.y = f.startY;
    e.vx = f.vxSpread > 0 ? static_cast<f32>(host::Rand() % f.vxSpread) + f.vx0 : f.vx0;
    e.vy = f.vySpread > 0 ? static_cast<f32>(host::Rand() % f.vySpread) + f.vy0 : f.vy0;
}

// Group families: every free slot, the whole group from one point; each armed slot's mark comes to rest.
void GroupSpawn(const GroupFamily& f) {
    for (size_t k = 0; k < f.slots.size(); ++k) {
        if (f.slots[k].active != 0) continue;
        Enemy_Arm(f.slots[k], [&](EnemySlot& e) { Place(f, e); });
        RestMark(f.marks[k], kMarkAfterBlast);
    }
}

// Stream families: all five clocks advance together through a cycle of 501 calls (0 to 500); slot k is
// armed at clock 100 (k + 1) if it is free.
constexpr i32 kStreamCycle = 501;
void StreamSpawnOne(const StreamFamily& f, i32 k) {
    if (k < 0 || static_cast<size_t>(k) >= f.slots.size() || f.slots[k].active != 0) return;
    Enemy_Arm(f.slots[k], [&](WaveEnemySlot& e) { Place(f, e); });
}
void StreamTimer(const StreamFamily& f) {
    Wave_Launch(f.slots, kStreamCycle, 100, [&](i32 k) { StreamSpawnOne(f, k); });
}

// The move. A slot outside the field is freed (live or not: a free slot is parked again every frame);
// its hit word, velocity and explosion counters stay, so an explosion that drifts out simply ends.
template <class Slot>
void Update(const SideFamily<Slot>& f) {
    for (size_t k = 0; k < f.slots.size(); ++k) {
        Slot& e = f.slots[k];
        if (e.active != 0) {
            e.y += e.vy * FrameTime;
            e.x += f.xDir * e.vx * FrameTime;
        }
        if (InField(e.x, e.y)) continue;
        Enemy_Park(e, f.park);
        if (f.marks == nullptr) continue;
        LockMark& m = f.marks[k];
        if (!(150 <= m.x && m.x <= 620 && -70 <= m.y && m.y <= 600)) RestMark(m, kMarkAfterExit);
    }
}

template <class Slot>
void Draw(const SideFamily<Slot>& f) {
    for (size_t k = 0; k < f.slots.size(); ++k) {
        Slot& e = f.slots[k];
        if (e.hit >= 1 && e.active != 0) {
            if (Blast_Step(e, *f.blast, {8, f.stop}) && f.marks != nullptr) RestMark(f.marks[k], kMarkAfterBlast);
        } else if (e.active != 0) {
            elDraw::PutSprite(TruncPos(e.x), TruncPos(e.y), *f.sheet, 0, 0, 90, 90);
        }
        if (f.marks == nullptr || f.marks[k].locked == 0 || e.active == 0) continue;
        LockMark& m = f.marks[k];
        m.x = TruncPos(e.x) + 15;
        m.y = TruncPos(e.y) + 15;
        elDraw::PutSprite(m.x, m.y, imgROCK1, 0, 0, 60, 60);
    }
}

// ---- shot sets ----------------------------------------------------------------------------------------

// The diagonal burst: five shots per ship that start together and string out along a 45-degree line.
// Szak21 throws them down-right from (50, 50), Szak22 down-left from (10, 50).
constexpr StraightSet Burst(BulletSlot* pool, i32 ships, EnemyOrigin origin, f32 offX, f32 sign, i16 cellLeft) {
    return {pool, ships, 5, origin, offX, 50.0f, {140, 160, 180, 200, 220}, 0,
            {sign * 140, sign * 160, sign * 180, sign * 200, sign * 220}, +1.0f, {30.0f, 0.0f, false, true},
            {0.0f, 10.0f},
            {&imgVAL151L, cellLeft, 0, static_cast<i16>(cellLeft + 30), 30, ShotDraw::Add, 1, 0, 0, 0, 0}};
}
// The spread: five straight sets, one shot per ship each, falling at 130 px/s and drifting by 0, 20 or
// 40 px/s to either side (sets 2 to 6 of the group families, 1 to 5 of the stream families).
struct SpreadRow {
    f32 offX, offY, vx, xDir, top;
};
constexpr SpreadRow kSpread[5] = {
    {37, 40, 0, 0, 24}, {37, 44, 20, -1, 24}, {37, 44, 20, +1, 24}, {37, 30, 40, -1, 24}, {42, 30, 40, +1, 20},
};
constexpr StraightSet Spread(BulletSlot* pool, i32 ships, EnemyOrigin origin, i32 row) {
    const SpreadRow& r = kSpread[row];
    return {pool, ships, 1, origin, r.offX, r.offY, {130}, 0, {r.vx}, r.xDir, {16.0f, 0.0f, false, false},
            {14.0f, r.top}, {&imgVAL13, 0, 0, 16, 16, ShotDraw::Add, 1, 0, 0, 0, 0}};
}

enum ShotSet {
    kSzak21AShot1,
    kSzak21AShot2,
    kSzak21AShot3,
    kSzak21AShot4,
    kSzak21AShot5,
    kSzak21AShot6,
    kSzak21BShot1,
    kSzak21BShot2,
    kSzak21BShot3,
    kSzak21BShot4,
    kSzak21BShot5,
    kSzak21BShot6,
    kSzak21CShot1,
    kSzak21CShot2,
    kSzak21CShot3,
    kSzak21CShot4,
    kSzak21CShot5,
    kSzak22AShot1,
    kSzak22AShot2,
    kSzak22AShot3,
    kSzak22AShot4,
    kSzak22AShot5,
    kSzak22AShot6,
    kSzak22BShot1,
    kSzak22BShot2,
    kSzak22BShot3,
    kSzak22BShot4,
    kSzak22BShot5,
    kSzak22BShot6,
    kSzak22CShot1,
    kSzak22CShot2,
    kSzak22CShot3,
    kSzak22CShot4,
    kSzak22CShot5,
};
const StraightSet kShots[] = {
    Burst(Szak21AShot1Slots, 3, OriginOf<Szak21ASlots>, 50.0f, +1.0f, 0),
    Spread(Szak21AShot2Slots, 3, OriginOf<Szak21ASlots>, 0),
    Spread(Szak21AShot3Slots, 3, OriginOf<Szak21ASlots>, 1),
    Spread(Szak21AShot4Slots, 3, OriginOf<Szak21ASlots>, 2),
    Spread(Szak21AShot5Slots, 3, OriginOf<Szak21ASlots>, 3),
    Spread(Szak21AShot6Slots, 3, OriginOf<Szak21ASlots>, 4),
    Burst(Szak21BShot1Slots, 2, OriginOf<Szak21BSlots>, 50.0f, +1.0f, 0),
    Spread(Szak21BShot2Slots, 2, OriginOf<Szak21BSlots>, 0),
    Spread(Szak21BShot3Slots, 2, OriginOf<Szak21BSlots>, 1),
    Spread(Szak21BShot4Slots, 2, OriginOf<Szak21BSlots>, 2),
    Spread(Szak21BShot5Slots, 2, OriginOf<Szak21BSlots>, 3),
    Spread(Szak21BShot6Slots, 2, OriginOf<Szak21BSlots>, 4),
    Spread(Szak21CShot1Slots, 5, OriginOf<Szak21CSlots>, 0),
    Spread(Szak21CShot2Slots, 5, OriginOf<Szak21CSlots>, 1),
    Spread(Szak21CShot3Slots, 5, OriginOf<Szak21CSlots>, 2),
    Spread(Szak21CShot4Slots, 5, OriginOf<Szak21CSlots>, 3),
    Spread(Szak21CShot5Slots, 5, OriginOf<Szak21CSlots>, 4),
    Burst(Szak22AShot1Slots, 3, OriginOf<Szak22ASlots>, 10.0f, -1.0f, 30),
    Spread(Szak22AShot2Slots, 3, OriginOf<Szak22ASlots>, 0),
    Spread(Szak22AShot3Slots, 3, OriginOf<Szak22ASlots>, 1),
    Spread(Szak22AShot4Slots, 3, OriginOf<Szak22ASlots>, 2),
    Spread(Szak22AShot5Slots, 3, OriginOf<Szak22ASlots>, 3),
    Spread(Szak22AShot6Slots, 3, OriginOf<Szak22ASlots>, 4),
    Burst(Szak22BShot1Slots, 2, OriginOf<Szak22BSlots>, 10.0f, -1.0f, 30),
    Spread(Szak22BShot2Slots, 2, OriginOf<Szak22BSlots>, 0),
    Spread(Szak22BShot3Slots, 2, OriginOf<Szak22BSlots>, 1),
    Spread(Szak22BShot4Slots, 2, OriginOf<Szak22BSlots>, 2),
    Spread(Szak22BShot5Slots, 2, OriginOf<Szak22BSlots>, 3),
    Spread(Szak22BShot6Slots, 2, OriginOf<Szak22BSlots>, 4),
    Spread(Szak22CShot1Slots, 5, OriginOf<Szak22CSlots>, 0),
    Spread(Szak22CShot2Slots, 5, OriginOf<Szak22CSlots>, 1),
    Spread(Szak22CShot3Slots, 5, OriginOf<Szak22CSlots>, 2),
    Spread(Szak22CShot4Slots, 5, OriginOf<Szak22CSlots>, 3),
    Spread(Szak22CShot5Slots, 5, OriginOf<Szak22CSlots>, 4),
};

}  // namespace

void Szak21A_Spawn(i32) { GroupSpawn(kSzak21A); }
void Szak21A_Update(i32) { Update(kSzak21A); }
void Szak21A_Draw(i32) { Draw(kSzak21A); }
void Szak21B_Spawn(i32) { GroupSpawn(kSzak21B); }
void Szak21B_Update(i32) { Update(kSzak21B); }
void Szak21B_Draw(i32) { Draw(kSzak21B); }
void Szak21C_WaveTimer(i32) { StreamTimer(kSzak21C); }
void Szak21C_SpawnOne(i32 slot) { StreamSpawnOne(kSzak21C, slot); }
void Szak21C_Update(i32) { Update(kSzak21C); }
void Szak21C_Draw(i32) { Draw(kSzak21C); }
void Szak22A_Spawn(i32) { GroupSpawn(kSzak22A); }
void Szak22A_Update(i32) { Update(kSzak22A); }
void Szak22A_Draw(i32) { Draw(kSzak22A); }
void Szak22B_Spawn(i32) { GroupSpawn(kSzak22B); }
void Szak22B_Update(i32) { Update(kSzak22B); }
void Szak22B_Draw(i32) { Draw(kSzak22B); }
void Szak22C_WaveTimer(i32) { StreamTimer(kSzak22C); }
void Szak22C_SpawnOne(i32 slot) { StreamSpawnOne(kSzak22C, slot); }
void Szak22C_Update(i32) { Update(kSzak22C); }
void Szak22C_Draw(i32) { Draw(kSzak22C); }

void Szak21AShot1_Spawn(i32, i32) { Straight_Spawn(kShots[kSzak21AShot1]); }
void Szak21AShot1_Update(i32, i32) { Straight_Update(kShots[kSzak21AShot1]); }
void Szak21AShot1_Draw(i32, i32) { Straight_Draw(kShots[kSzak21AShot1]); }
void Szak21AShot2_Spawn(i32) { Straight_Spawn(kShots[kSzak21AShot2]); }
void Szak21AShot2_Update(i32) { Straight_Update(kShots[kSzak21AShot2]); }
void Szak21AShot2_Draw(i32) { Straight_Draw(kShots[kSzak21AShot2]); }
void Szak21AShot3_Spawn(i32) { Straight_Spawn(kShots[kSzak21AShot3]); }
void Szak21AShot3_Update(i32) { Straight_Update(kShots[kSzak21AShot3]); }
void Szak21AShot3_Draw(i32) { Straight_Draw(kShots[kSzak21AShot3]); }
void Szak21AShot4_Spawn(i32) { Straight_Spawn(kShots[kSzak21AShot4]); }
void Szak21AShot4_Update(i32) { Straight_Update(kShots[kSzak21AShot4]); }
void Szak21AShot4_Draw(i32) { Straight_Draw(kShots[kSzak21AShot4]); }
void Szak21AShot5_Spawn(i32) { Straight_Spawn(kShots[kSzak21AShot5]); }
void Szak21AShot5_Update(i32) { Straight_Update(kShots[kSzak21AShot5]); }
void Szak21AShot5_Draw(i32) { Straight_Draw(kShots[kSzak21AShot5]); }
void Szak21AShot6_Spawn(i32) { Straight_Spawn(kShots[kSzak21AShot6]); }
void Szak21AShot6_Update(i32) { Straight_Update(kShots[kSzak21AShot6]); }
void Szak21AShot6_Draw(i32) { Straight_Draw(kShots[kSzak21AShot6]); }
void Szak21BShot1_Spawn(i32, i32) { Straight_Spawn(kShots[kSzak21BShot1]); }
void Szak21BShot1_Update(i32, i32) { Straight_Update(kShots[kSzak21BShot1]); }
void Szak21BShot1_Draw(i32, i32) { Straight_Draw(kShots[kSzak21BShot1]); }
void Szak21BShot2_Spawn(i32) { Straight_Spawn(kShots[kSzak21BShot2]); }
void Szak21BShot2_Update(i32) { Straight_Update(kShots[kSzak21BShot2]); }
void Szak21BShot2_Draw(i32) { Straight_Draw(kShots[kSzak21BShot2]); }
void Szak21BShot3_Spawn(i32) { Straight_Spawn(kShots[kSzak21BShot3]); }
void Szak21BShot3_Update(i32) { Straight_Update(kShots[kSzak21BShot3]); }
void Szak21BShot3_Draw(i32) { Straight_Draw(kShots[kSzak21BShot3]); }
void Szak21BShot4_Spawn(i32) { Straight_Spawn(kShots[kSzak21BShot4]); }
void Szak21BShot4_Update(i32) { Straight_Update(kShots[kSzak21BShot4]); }
void Szak21BShot4_Draw(i32) { Straight_Draw(kShots[kSzak21BShot4]); }
void Szak21BShot5_Spawn(i32) { Straight_Spawn(kShots[kSzak21BShot5]); }
void Szak21BShot5_Update(i32) { Straight_Update(kShots[kSzak21BShot5]); }
void Szak21BShot5_Draw(i32) { Straight_Draw(kShots[kSzak21BShot5]); }
void Szak21BShot6_Spawn(i32) { Straight_Spawn(kShots[kSzak21BShot6]); }
void Szak21BShot6_Update(i32) { Straight_Update(kShots[kSzak21BShot6]); }
void Szak21BShot6_Draw(i32) { Straight_Draw(kShots[kSzak21BShot6]); }
void Szak21CShot1_Spawn(i32) { Straight_Spawn(kShots[kSzak21CShot1]); }
void Szak21CShot1_Update(i32) { Straight_Update(kShots[kSzak21CShot1]); }
void Szak21CShot1_Draw(i32) { Straight_Draw(kShots[kSzak21CShot1]); }
void Szak21CShot2_Spawn(i32) { Straight_Spawn(kShots[kSzak21CShot2]); }
void Szak21CShot2_Update(i32) { Straight_Update(kShots[kSzak21CShot2]); }
void Szak21CShot2_Draw(i32) { Straight_Draw(kShots[kSzak21CShot2]); }
void Szak21CShot3_Spawn(i32) { Straight_Spawn(kShots[kSzak21CShot3]); }
void Szak21CShot3_Update(i32) { Straight_Update(kShots[kSzak21CShot3]); }
void Szak21CShot3_Draw(i32) { Straight_Draw(kShots[kSzak21CShot3]); }
void Szak21CShot4_Spawn(i32) { Straight_Spawn(kShots[kSzak21CShot4]); }
void Szak21CShot4_Update(i32) { Straight_Update(kShots[kSzak21CShot4]); }
void Szak21CShot4_Draw(i32) { Straight_Draw(kShots[kSzak21CShot4]); }
void Szak21CShot5_Spawn(i32) { Straight_Spawn(kShots[kSzak21CShot5]); }
void Szak21CShot5_Update(i32) { Straight_Update(kShots[kSzak21CShot5]); }
void Szak21CShot5_Draw(i32) { Straight_Draw(kShots[kSzak21CShot5]); }
void Szak22AShot1_Spawn(i32, i32) { Straight_Spawn(kShots[kSzak22AShot1]); }
void Szak22AShot1_Update(i32, i32) { Straight_Update(kShots[kSzak22AShot1]); }
void Szak22AShot1_Draw(i32, i32) { Straight_Draw(kShots[kSzak22AShot1]); }
void Szak22AShot2_Spawn(i32) { Straight_Spawn(kShots[kSzak22AShot2]); }
void Szak22AShot2_Update(i32) { Straight_Update(kShots[kSzak22AShot2]); }
void Szak22AShot2_Draw(i32) { Straight_Draw(kShots[kSzak22AShot2]); }
void Szak22AShot3_Spawn(i32) { Straight_Spawn(kShots[kSzak22AShot3]); }
void Szak22AShot3_Update(i32) { Straight_Update(kShots[kSzak22AShot3]); }
void Szak22AShot3_Draw(i32) { Straight_Draw(kShots[kSzak22AShot3]); }
void Szak22AShot4_Spawn(i32) { Straight_Spawn(kShots[kSzak22AShot4]); }
void Szak22AShot4_Update(i32) { Straight_Update(kShots[kSzak22AShot4]); }
void Szak22AShot4_Draw(i32) { Straight_Draw(kShots[kSzak22AShot4]); }
void Szak22AShot5_Spawn(i32) { Straight_Spawn(kShots[kSzak22AShot5]); }
void Szak22AShot5_Update(i32) { Straight_Update(kShots[kSzak22AShot5]); }
void Szak22AShot5_Draw(i32) { Straight_Draw(kShots[kSzak22AShot5]); }
void Szak22AShot6_Spawn(i32) { Straight_Spawn(kShots[kSzak22AShot6]); }
void Szak22AShot6_Update(i32) { Straight_Update(kShots[kSzak22AShot6]); }
void Szak22AShot6_Draw(i32) { Straight_Draw(kShots[kSzak22AShot6]); }
void Szak22BShot1_Spawn(i32, i32) { Straight_Spawn(kShots[kSzak22BShot1]); }
void Szak22BShot1_Update(i32, i32) { Straight_Update(kShots[kSzak22BShot1]); }
void Szak22BShot1_Draw(i32, i32) { Straight_Draw(kShots[kSzak22BShot1]); }
void Szak22BShot2_Spawn(i32) { Straight_Spawn(kShots[kSzak22BShot2]); }
void Szak22BShot2_Update(i32) { Straight_Update(kShots[kSzak22BShot2]); }
void Szak22BShot2_Draw(i32) { Straight_Draw(kShots[kSzak22BShot2]); }
void Szak22BShot3_Spawn(i32) { Straight_Spawn(kShots[kSzak22BShot3]); }
void Szak22BShot3_Update(i32) { Straight_Update(kShots[kSzak22BShot3]); }
void Szak22BShot3_Draw(i32) { Straight_Draw(kShots[kSzak22BShot3]); }
void Szak22BShot4_Spawn(i32) { Straight_Spawn(kShots[kSzak22BShot4]); }
void Szak22BShot4_Update(i32) { Straight_Update(kShots[kSzak22BShot4]); }
void Szak22BShot4_Draw(i32) { Straight_Draw(kShots[kSzak22BShot4]); }
void Szak22BShot5_Spawn(i32) { Straight_Spawn(kShots[kSzak22BShot5]); }
void Szak22BShot5_Update(i32) { Straight_Update(kShots[kSzak22BShot5]); }
void Szak22BShot5_Draw(i32) { Straight_Draw(kShots[kSzak22BShot5]); }
void Szak22BShot6_Spawn(i32) { Straight_Spawn(kShots[kSzak22BShot6]); }
void Szak22BShot6_Update(i32) { Straight_Update(kShots[kSzak22BShot6]); }
void Szak22BShot6_Draw(i32) { Straight_Draw(kShots[kSzak22BShot6]); }
void Szak22CShot1_Spawn(i32) { Straight_Spawn(kShots[kSzak22CShot1]); }
void Szak22CShot1_Update(i32) { Straight_Update(kShots[kSzak22CShot1]); }
void Szak22CShot1_Draw(i32) { Straight_Draw(kShots[kSzak22CShot1]); }
void Szak22CShot2_Spawn(i32) { Straight_Spawn(kShots[kSzak22CShot2]); }
void Szak22CShot2_Update(i32) { Straight_Update(kShots[kSzak22CShot2]); }
void Szak22CShot2_Draw(i32) { Straight_Draw(kShots[kSzak22CShot2]); }
void Szak22CShot3_Spawn(i32) { Straight_Spawn(kShots[kSzak22CShot3]); }
void Szak22CShot3_Update(i32) { Straight_Update(kShots[kSzak22CShot3]); }
void Szak22CShot3_Draw(i32) { Straight_Draw(kShots[kSzak22CShot3]); }
void Szak22CShot4_Spawn(i32) { Straight_Spawn(kShots[kSzak22CShot4]); }
void Szak22CShot4_Update(i32) { Straight_Update(kShots[kSzak22CShot4]); }
void Szak22CShot4_Draw(i32) { Straight_Draw(kShots[kSzak22CShot4]); }
void Szak22CShot5_Spawn(i32) { Straight_Spawn(kShots[kSzak22CShot5]); }
void Szak22CShot5_Update(i32) { Straight_Update(kShots[kSzak22CShot5]); }
void Szak22CShot5_Draw(i32) { Straight_Draw(kShots[kSzak22CShot5]); }
