// The formations Szak30B to Szak33B: one design over a row per family. Each family's timer launches
// ships 0 to 3 from its entry point, 30 calls apart in a cycle of 150; a ship runs sideways into the
// field, turns through three legs of growing vertical speed (firing on the second) and leaves vertically.
#include "game/enemy/szak30b.h"

#include "el/draw/rotate.h"
#include "el/draw/soft.h"
#include "el/elDraw.h"
#include "game/common/images.h"
#include "game/common/state.h"
#include "game/enemy/enemy_rules.h"

namespace {

constexpr i32 kShips = 5;
constexpr i32 kWaveCycle = 150;
constexpr i32 kLaunchEvery = 30;  // slot k leaves at clock 30 (k + 1); slot 4 would need 150: never

struct Formation {
    WaveEnemySlot* slots;
    const i32* sheet;
    f32 entryX, entryY;
    f32 rate;      // script units per second
    f32 side;      // sideways speed, signed
    f32 vertical;  // +1 turns downwards, -1 upwards
    f32 yLimit;    // freed once vertical y > yLimit ...
    f32 xLimit;    // ... or once sign(side) x > xLimit
    bool gatedFire;  // fires only while PlayMode is 2 or PlaySubMode is 1
    std::span<const BlastPiece> pieces;
    AimedSet shot1;
    void (*fire)(i32 slot);  // the family's named set-1 spawn, called on the second leg
};

// Explosion layouts P (the downward families) and Q (the upward ones): six pieces of cell b of ZBAK2B.
constexpr BlastPiece Piece(Blit blit, i8 x0, i8 dx, i8 y0, i8 dy) { return {&imgZBAK2B, 80, blit, x0, dx, y0, dy}; }
constexpr BlastPiece kLayoutP[] = {
    Piece(Blit::Add, 20, -6, 20, 1),  Piece(Blit::Half, 20, -6, 20, -6), Piece(Blit::Add, 20, 6, 20, -4),
    Piece(Blit::Half, 20, -2, 20, 6), Piece(Blit::Add, 0, 0, 0, 0),      Piece(Blit::Add, 20, 6, 20, 6),
};
constexpr BlastPiece kLayoutQ[] = {
    Piece(Blit::Add, 20, 6, 20, -1),  Piece(Blit::Half, 20, 6, 20, 6), Piece(Blit::Add, 20, -6, 20, 4),
    Piece(Blit::Half, 20, 2, 20, -6), Piece(Blit::Add, 0, 0, 0, 0),    Piece(Blit::Add, 20, -6, 20, -6),
};
constexpr BlastPiece kPlain[] = {Piece(Blit::Sprite, 0, 0, 0, 0)};
// In plain mode the exploding ship keeps flying its script.
constexpr BlastRule kBlastRule{8, BlastStop::WhenAdditive};

constexpr AimedSet Shot1(AimedShotSlot* pool, EnemyOrigin origin) {
    return {pool, kShips, 1, origin, -1, 42.0f, 50.0f, 22.0f, {210.0f}, 100, {16.0f, 620.0f, true, true}, false,
            {14.0f, 24.0f}, {&imgVAL16241, 0, 0, 16, 16, ShotDraw::Add, 24, 0, 0, 0, 0}};
}

const Formation kFormations[] = {
    {Szak30BSlots, &imgSZAK30, 80, 100, 30, +220, +1, 600, 620, false, kLayoutP,
     Shot1(Szak30BShot1Slots, OriginOf<Szak30BSlots>), Szak30BShot1_Spawn},
    {Szak31BSlots, &imgSZAK31, 620, 100, 25, -220, +1, 600, -80, false, kLayoutP,
     Shot1(Szak31BShot1Slots, OriginOf<Szak31BSlots>), Szak31BShot1_Spawn},
    {Szak32BSlots, &imgSZAK32, 80, 240, 30, +220, -1, 100, 620, true, kLayoutQ,
     Shot1(Szak32BShot1Slots, OriginOf<Szak32BSlots>), Szak32BShot1_Spawn},
    {Szak33BSlots, &imgSZAK33, 620, 240, 30, -220, -1, 100, -80, true, kLayoutQ,
     Shot1(Szak33BShot1Slots, OriginOf<Szak33BSlots>), Szak33BShot1_Spawn},
};
const Formation& kSzak30B = kFormations[0];
const Formation& kSzak31B = kFormations[1];
const Formation& kSzak32B = kFormations[2];
const Formation& kSzak33B = kFormations[3];

// The ship's picture by script clock, both ends included: at 10, 20, 30 and 40 two cells are drawn, the
// later row on top; between 100 and 101 none.
struct Cell {
    f32 from, to;
    i16 left;
};
constexpr Cell kCells[] = {{0, 10, 400}, {10, 20, 300}, {20, 30, 200}, {30, 40, 100}, {40, 100, 0}};

// The script's legs: from the clock's window, the velocity (sideways speed or 0, vertical speed).
struct Leg {
    f32 from, to;
    bool sideways;
    f32 vy;
    bool fires;
};
constexpr Leg kLegs[] = {
    {0, 10, true, 0, false},   {11, 20, true, 110, true},  {21, 30, true, 210, false},
    {31, 40, true, 310, false}, {41, 100, false, 410, false},
};
constexpr f32 kScriptEnd = 101.0f;

void SpawnOne(const Formation& f, i32 k) {
    if (k < 0 || k >= kShips || f.slots[k].active != 0) return;
    Enemy_Arm(f.slots[k], [&](WaveEnemySlot& e) {
        e.scriptTime = 0.0f;
        e.x = f.entryX;
        e.y = f.entryY;
        e.vx = 0.0f;
        e.vy = 0.0f;
    });
}

void WaveTimer(const Formation& f) {
    Wave_Launch({f.slots, kShips}, kWaveCycle, kLaunchEvery, [&](i32 k) { SpawnOne(f, k); });
}

void Script(const Formation& f, WaveEnemySlot& e, i32 k) {
    e.y += e.vy * FrameTime;
    e.x += e.vx * FrameTime;
    e.scriptTime += f.rate * FrameTime;
    for (const Leg& leg : kLegs) {
        if (!(leg.from <= e.scriptTime && e.scriptTime <= leg.to)) continue;
        e.vx = leg.sideways ? f.side : 0.0f;
        e.vy = leg.vy * f.vertical;
        if (leg.fires && (!f.gatedFire || PlayMode == 2 || PlaySubMode == 1)) f.fire(k);
    }
    if (e.scriptTime >= kScriptEnd) e.scriptTime = 0.0f;
}

void Update(const Formation& f) {
    const f32 xDir = f.side > 0.0f ? 1.0f : -1.0f;
    for (i32 k = 0; k < kShips; ++k) {
        WaveEnemySlot& e = f.slots[k];
        if (e.active != 0) Script(f, e, k);
        if (f.vertical * e.y > f.yLimit || xDir * e.x > f.xLimit) Enemy_Park(e);
    }
}

void Draw(const Formation& f) {
    const BlastLook blast{f.pieces, kPlain};
    for (i32 k = 0; k < kShips; ++k) {
        WaveEnemySlot& e = f.slots[k];
        if (e.hit != 0) {
            Blast_Step(e, blast, kBlastRule);
            continue;
        }
        const i32 X = TruncPos(e.x), Y = TruncPos(e.y);
        for (const Cell& c : kCells)
            if (c.from <= e.scriptTime && e.scriptTime <= c.to)
                elDraw::PutSprite(X, Y, *f.sheet, c.left, 0, c.left + 100, 100);
    }
}

}  // namespace

void Szak30B_WaveTimer(i32) { WaveTimer(kSzak30B); }
void Szak30B_SpawnOne(i32 slot) { SpawnOne(kSzak30B, slot); }
void Szak30B_Update(i32) { Update(kSzak30B); }
void Szak30B_Draw(i32) { Draw(kSzak30B); }
void Szak30BShot1_Spawn(i32) { Aimed_Spawn(kSzak30B.shot1); }
void Szak30BShot1_Update(i32) { Aimed_Update(kSzak30B.shot1); }
void Szak30BShot1_Draw(i32) { Aimed_Draw(kSzak30B.shot1); }

void Szak31B_WaveTimer(i32) { WaveTimer(kSzak31B); }
void Szak31B_SpawnOne(i32 slot) { SpawnOne(kSzak31B, slot); }
void Szak31B_Update(i32) { Update(kSzak31B); }
void Szak31B_Draw(i32) { Draw(kSzak31B); }
void Szak31BShot1_Spawn(i32) { Aimed_Spawn(kSzak31B.shot1); }
void Szak31BShot1_Update(i32) { Aimed_Update(kSzak31B.shot1); }
void Szak31BShot1_Draw(i32) { Aimed_Draw(kSzak31B.shot1); }

void Szak32B_WaveTimer(i32) { WaveTimer(kSzak32B); }
void Szak32B_SpawnOne(i32 slot) { SpawnOne(kSzak32B, slot); }
void Szak32B_Update(i32) { Update(kSzak32B); }
void Szak32B_Draw(i32) { Draw(kSzak32B); }
void Szak32BShot1_Spawn(i32) { Aimed_Spawn(kSzak32B.shot1); }
void Szak32BShot1_Update(i32) { Aimed_Update(kSzak32B.shot1); }
void Szak32BShot1_Draw(i32) { Aimed_Draw(kSzak32B.shot1); }

void Szak33B_WaveTimer(i32) { WaveTimer(kSzak33B); }
void Szak33B_SpawnOne(i32 slot) { SpawnOne(kSzak33B, slot); }
void Szak33B_Update(i32) { Update(kSzak33B); }
void Szak33B_Draw(i32) { Draw(kSzak33B); }
void Szak33BShot1_Spawn(i32) { Aimed_Spawn(kSzak33B.shot1); }
void Szak33BShot1_Update(i32) { Aimed_Update(kSzak33B.shot1); }
void Szak33BShot1_Draw(i32) { Aimed_Draw(kSzak33B.shot1); }
