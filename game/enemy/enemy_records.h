// The records of the small enemies and their shots, shared by all families.
#pragma once
#include "game/common/bullet_slot.h"  // the straight enemy shots use BulletSlot
#include "host/types.h"

// The ship record of Szak1A, Szak1B, Szak10, Szak12, Szak13A/B, Szak52A/B, Szak21A/B and Szak22A/B.
struct EnemySlot {
    i32 blastLoop;   // completed loops of the explosion, 0 or 1
    i32 blastFrame;  // explosion cell
    i32 animFrame;   // exhaust cell (Szak10, Szak12)
    f32 x, y;        // top-left
    f32 vx, vy;      // px/s
    i32 hitGuard;    // the weapons skip the record while it is not 0 (always 0)
    i32 active;      // 1 while the slot is in use
    i32 hit;         // 1 once a weapon struck it: starts the explosion
};

// The SzakMix ship record.
struct MixEnemySlot {
    i32 blastLoop, blastFrame;
    i32 exhaustFrame;  // 0..19
    i32 type;          // 0..3, picks the explosion pieces
    f32 x, y, vx, vy;
    f32 patternPhase;  // per-slot clock of the flight patterns
    i32 hitGuard, active, hit;
};

// The Szak6A and Szak6B saucer record.
struct SpinEnemySlot {
    i32 blastLoop, blastFrame;
    i32 spinAngle;  // whole degrees 0..359
    f32 x, y, vx, vy;
    i32 hitGuard, active, hit;
};

// The record of the self-timed and formation families (Szak21C, Szak22C, Szak30A..33A, Szak30B..33B).
struct WaveEnemySlot {
    i32 blastLoop, blastFrame;
    i32 waveClock;   // the slot's launch counter
    f32 scriptTime;  // the formation families' path clock
    f32 x, y, vx, vy;
    i32 hitGuard, active, hit;
};

// The lock-on marker of one enemy slot.
struct LockMark {
    i32 x, y;    // top-left of the marker
    i32 locked;  // 1 while the enemy is marked
};

// An aimed enemy shot.
struct AimedShotSlot {
    i32 animFrame;
    f32 x, y;
    f32 dx, dy;    // aim point minus start point
    f32 x0, y0;    // start point
    f32 heading;   // radians, from +x towards +y (screen down)
    f32 speed;     // px/s
    i32 active;
};

// An aimed shot that counts its own emission clock (the timed sets of Szak52A and Szak52B).
struct TimedShotSlot {
    i32 emitClock;
    f32 x, y, dx, dy, x0, y0;
    f32 heading, speed;
    i32 active;
};

// An aimed shot with its own frame counter (Szak6AShot7, Szak6BShot7).
struct ClockedAimShotSlot {
    i32 animFrame;
    f32 x, y, dx, dy, x0, y0;
    f32 heading, speed;
    i32 active;
    i32 emitClock;
};

// A shot of the curling fans of Szak10 (sets 1 and 2).
struct CurlFanShotSlot {
    f32 x, y;
    f32 driftX, driftY;  // px/s
    f32 angle;           // radians
    f32 speed;           // px/s
    f32 turnClock;
    i32 active;
};
