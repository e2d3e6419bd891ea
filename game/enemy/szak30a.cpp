// The formations Szak30A to Szak33A: one path algorithm with a row per family (start corner, velocity
// signs, exit bound, shot speeds, whether it fires).
#include "game/enemy/szak30a.h"

#include <array>

#include "el/elDraw.h"
#include "game/common/images.h"
#include "game/enemy/enemy_rules.h"

namespace {

constexpr i32 kShips = 5;
constexpr i32 kWrap = 150;        // a wave clock that reaches it becomes 0
constexpr i32 kSpacing = 30;      // slot k is armed at clock 30 (k + 1); slot 4's value lies at the wrap
constexpr f32 kPathRate = 25.0f;  // path units a second

enum class Exit : u8 { Right, Left };  // freed when x > 620, or when x < 80
enum class Fires : u8 { Always, SubModeOne };

struct Formation {
    WaveEnemySlot* ships;
    const i32* sheet;
    FloatPoint start;
    f32 xSign, ySign;  // of the path's velocities
    Exit exit;
    Fires fires;
    AimedSet set1, set2;
};

// Set 1 leaves ship slot 0 and set 2 ship slot 1, whichever ship is in its firing window and whether or not
// that slot is live: a line of four or five along one heading, spreading by their speeds.
constexpr ShotLook kShotLook{&imgVAL20241, 0, 0, 20, 20, ShotDraw::Add, 24, 0, 0, 0, 0};
constexpr AimedSet Line(AimedShotSlot* pool, i32 count, i32 fromSlot, EnemyOrigin origin,
                        std::array<f32, 5> speeds) {
    return {pool, 1, count, origin, fromSlot, 40.0f, 50.0f, 22.0f,
            {speeds[0], speeds[1], speeds[2], speeds[3], speeds[4]}, 0, {20.0f, 620.0f, true, true}, false,
            {10.0f, 20.0f}, kShotLook};
}
constexpr std::array<f32, 5> kFast1{230, 270, 310, 350}, kFast2{200, 230, 260, 290, 340};
constexpr std::array<f32, 5> kSlow1{80, 100, 120, 140}, kSlow2{80, 100, 120, 140, 160};

template <auto& Ships, auto& Set1, auto& Set2>
constexpr Formation Row(const i32* sheet, FloatPoint start, f32 xSign, f32 ySign, Exit exit, Fires fires,
                        std::array<f32, 5> speeds1, std::array<f32, 5> speeds2) {
    return {Ships, sheet, start, xSign, ySign, exit, fires, Line(Set1, 4, 0, OriginOf<Ships>, speeds1),
            Line(Set2, 5, 1, OriginOf<Ships>, speeds2)};
}

const Formation kFormations[4] = {
    Row<Szak30ASlots, Szak30AShot1Slots, Szak30AShot2Slots>(&imgSZAK30, {185, -100}, +1, +1, Exit::Right,
                                                            Fires::Always, kFast1, kFast2),
    Row<Szak31ASlots, Szak31AShot1Slots, Szak31AShot2Slots>(&imgSZAK31, {515, -100}, -1, +1, Exit::Left,
                                                            Fires::Always, kFast1, kFast2),
    Row<Szak32ASlots, Szak32AShot1Slots, Szak32AShot2Slots>(&imgSZAK32, {185, 600}, +1, -1, Exit::Right,
                                                            Fires::SubModeOne, kSlow1, kSlow2),
    Row<Szak33ASlots, Szak33AShot1Slots, Szak33AShot2Slots>(&imgSZAK33, {515, 600}, -1, -1, Exit::Left,
                                                            Fires::SubModeOne, kSlow1, kSlow2),
};
enum { k30A, k31A, k32A, k33A };

// Arms slot k at the family's start, standing still, with its path clock and its wave clock at 0.
void SpawnOne(const Formation& f, i32 k) {
    if (k < 0 || k >= kShips || f.ships[k].active != 0) return;
    Enemy_Arm(f.ships[k], [&](WaveEnemySlot& e) {
        e.scriptTime = 0.0f;
        e.waveClock = 0;
        e.x = f.start.x;
        e.y = f.start.y;
        e.vx = 0.0f;
        e.vy = 0.0f;
    });
}

void WaveTimer(const Formation& f) {
    Wave_Launch({f.ships, kShips}, kWrap, kSpacing, [&](i32 k) { SpawnOne(f, k); });
}

bool Within(f32 s, f32 lo, f32 hi) { return lo <= s && s <= hi; }

// The path: each window that holds on the new path clock sets the velocity; between windows it stays.
void Fly(const Formation& f, WaveEnemySlot& s) {
    s.y += s.vy * FrameTime;
    s.x += s.vx * FrameTime;
    s.scriptTime += kPathRate * FrameTime;
    const f32 t = s.scriptTime;
    const bool fires = f.fires == Fires::Always || PlaySubMode == 1;
    if (Within(t, 0, 10)) {
        s.vx = 0.0f;
        s.vy = f.ySign * 220.0f;
    }
    if (Within(t, 11, 20)) {
        s.vx = f.xSign * 110.0f;
        s.vy = f.ySign * 220.0f;
        if (fires) Aimed_Spawn(f.set1);
    }
    if (Within(t, 21, 30)) {
        s.vx = f.xSign * 210.0f;
        s.vy = f.ySign * 220.0f;
        if (fires) Aimed_Spawn(f.set2);
    }
    if (Within(t, 31, 40)) {
        s.vx = f.xSign * 310.0f;
        s.vy = f.ySign * 220.0f;
    }
    if (Within(t, 41, 100)) {
        s.vx = f.xSign * 410.0f;
        s.vy = 0.0f;
    }
    if (t >= 101.0f) s.scriptTime = 0.0f;
}

void Update(const Formation& f) {
    for (i32 k = 0; k < kShips; ++k) {
        WaveEnemySlot& s = f.ships[k];
        if (s.active != 0) Fly(f, s);
        if (s.y > 600.0f || (f.exit == Exit::Right ? s.x > 620.0f : s.x < 80.0f)) Enemy_Park(s);
    }
}

// The ZBAK2B cell and six ZBAK6B pieces (two of them half-blended), or the plain cell alone.
constexpr BlastPiece kBlastAdd[] = {
    {&imgZBAK2B, 80, Blit::Add, 0, 0, 0, 0},     {&imgZBAK6B, 40, Blit::Add, 20, -4, 20, -6},
    {&imgZBAK6B, 40, Blit::Add, 20, 1, 20, 7},   {&imgZBAK6B, 40, Blit::Add, 20, 7, 20, -1},
    {&imgZBAK6B, 40, Blit::Add, 20, -6, 20, 3},  {&imgZBAK6B, 40, Blit::Half, 20, -7, 20, -6},
    {&imgZBAK6B, 40, Blit::Half, 20, 5, 20, -8},
};
constexpr BlastPiece kBlastPlain[] = {{&imgZBAK2B, 80, Blit::Sprite, 0, 0, 0, 0}};
constexpr BlastLook kBlast{kBlastAdd, kBlastPlain};
constexpr BlastRule kBlastRule{8, BlastStop::Always};

// The frame of each path window that holds; at a shared end both are drawn, the later over the earlier.
constexpr f32 kFrameFrom[5] = {0, 10, 20, 30, 40}, kFrameTo[5] = {10, 20, 30, 40, 100};

void Draw(const Formation& f) {
    for (i32 k = 0; k < kShips; ++k) {
        WaveEnemySlot& s = f.ships[k];
        if (s.hit >= 1) {
            Blast_Step(s, kBlast, kBlastRule);
            continue;
        }
        const i32 x = TruncPos(s.x), y = TruncPos(s.y);
        for (i32 fr = 0; fr < 5; ++fr)
            if (Within(s.scriptTime, kFrameFrom[fr], kFrameTo[fr]))
                elDraw::PutSprite(x, y, *f.sheet, 100 * fr, 0, 100 * fr + 100, 100);
    }
}

}  // namespace

void Szak30A_WaveTimer(i32) { WaveTimer(kFormations[k30A]); }
void Szak30A_SpawnOne(i32 k) { SpawnOne(kFormations[k30A], k); }
void Szak30A_Update(i32) { Update(kFormations[k30A]); }
void Szak30A_Draw(i32) { Draw(kFormations[k30A]); }
void Szak30AShot1_Spawn(i32) { Aimed_Spawn(kFormations[k30A].set1); }
void Szak30AShot1_Update(i32) { Aimed_Update(kFormations[k30A].set1); }
void Szak30AShot1_Draw(i32) { Aimed_DrawEvery(kFormations[k30A].set1); }
void Szak30AShot2_Spawn(i32) { Aimed_Spawn(kFormations[k30A].set2); }
void Szak30AShot2_Update(i32) { Aimed_Update(kFormations[k30A].set2); }
void Szak30AShot2_Draw(i32) { Aimed_DrawEvery(kFormations[k30A].set2); }

void Szak31A_WaveTimer(i32) { WaveTimer(kFormations[k31A]); }
void Szak31A_SpawnOne(i32 k) { SpawnOne(kFormations[k31A], k); }
void Szak31A_Update(i32) { Update(kFormations[k31A]); }
void Szak31A_Draw(i32) { Draw(kFormations[k31A]); }
void Szak31AShot1_Spawn(i32) { Aimed_Spawn(kFormations[k31A].set1); }
void Szak31AShot1_Update(i32) { Aimed_Update(kFormations[k31A].set1); }
void Szak31AShot1_Draw(i32) { Aimed_DrawEvery(kFormations[k31A].set1); }
void Szak31AShot2_Spawn(i32) { Aimed_Spawn(kFormations[k31A].set2); }
void Szak31AShot2_Update(i32) { Aimed_Update(kFormations[k31A].set2); }
void Szak31AShot2_Draw(i32) { Aimed_DrawEvery(kFormations[k31A].set2); }

void Szak32A_WaveTimer(i32) { WaveTimer(kFormations[k32A]); }
void Szak32A_SpawnOne(i32 k) { SpawnOne(kFormations[k32A], k); }
void Szak32A_Update(i32) { Update(kFormations[k32A]); }
void Szak32A_Draw(i32) { Draw(kFormations[k32A]); }
void Szak32AShot1_Spawn(i32) { Aimed_Spawn(kFormations[k32A].set1); }
void Szak32AShot1_Update(i32) { Aimed_Update(kFormations[k32A].set1); }
void Szak32AShot1_Draw(i32) { Aimed_DrawEvery(kFormations[k32A].set1); }
void Szak32AShot2_Spawn(i32) { Aimed_Spawn(kFormations[k32A].set2); }
void Szak32AShot2_Update(i32) { Aimed_Update(kFormations[k32A].set2); }
void Szak32AShot2_Draw(i32) { Aimed_DrawEvery(kFormations[k32A].set2); }

void Szak33A_WaveTimer(i32) { WaveTimer(kFormations[k33A]); }
void Szak33A_SpawnOne(i32 k) { SpawnOne(kFormations[k33A], k); }
void Szak33A_Update(i32) { Update(kFormations[k33A]); }
void Szak33A_Draw(i32) { Draw(kFormations[k33A]); }
void Szak33AShot1_Spawn(i32) { Aimed_Spawn(kFormations[k33A].set1); }
void Szak33AShot1_Update(i32) { Aimed_Update(kFormations[k33A].set1); }
void Szak33AShot1_Draw(i32) { Aimed_DrawEvery(kFormations[k33A].set1); }
void Szak33AShot2_Spawn(i32) { Aimed_Spawn(kFormations[k33A].set2); }
void Szak33AShot2_Update(i32) { Aimed_Update(kFormations[k33A].set2); }
void Szak33AShot2_Draw(i32) { Aimed_DrawEvery(kFormations[k33A].set2); }
