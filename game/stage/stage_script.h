// The description of one stage script: what the stage frame runs, in which order, with which numbers.
#pragma once
#include "game/common/boss_state.h"
#include "host/types.h"

struct StageScript;
// A stage's own schedule, called at its place in the frame.
using StageHook = void (*)(const StageScript&);

// What the frame draws behind the action, in call order.
enum class BackdropStep : u8 { End, Layer1, Layer2, Layer3, Layer6, Layer8, Layer4B, Stars };

struct DistanceWindow {
    f32 from, to;  // both ends inclusive
};

// The bosses, in the order of their lock-laser launchers.
enum class BossId : u8 { None, Boss11, Boss2B, Boss31, Boss41, Boss51, Boss4B, Boss71, Boss5B };

struct StageScript {
    u32 mode;         // the GameMode this script runs in
    f32 speed;        // distance units per second
    i32 familyArg;    // the word passed to every family operation (never written: always 0)

    // Music (looped): started on the scene's first frame, or when the music frame count reaches 1.
    const char* music;  // null: none
    bool musicOnEntry;
    bool entryClearsPause;  // the first frame stores 0 in the pause and continue words

    // The boss.
    BossState* boss;
    void (*bossScript)();
    void (*bossDraw)();
    void (*bossDefeat)();
    f32 bossFrom, bossTo;  // the boss section: bossFrom < d < bossTo
    f32 hpCeiling;         // the boss attacks while 0 < hp < ceiling
    i32 loopLength;        // the attack clock runs 1..loopLength
    i32 loopLengthHigh;    // ... or 1..loopLengthHigh at the levels highFromLevel..highToLevel (0: none)
    i32 highFromLevel, highToLevel;
    f32 timeoutFrom, timeoutTo;  // both inclusive
    i32 continueBombs;

    // Backdrops: the layers of backdrop mode 0 (and the star field's pair among them), the pair of mode 1.
    BackdropStep layers[4];
    i32 starsA, starsB;
    i32 starsOnlyA, starsOnlyB;

    // Power items and the player's calls of the family block.
    DistanceWindow itemWindows[5];
    i32 itemWindowCount;
    bool itemMoveFirst;  // Item_Move before Item_Draw

    // Differences of the frame's tail.
    bool sidePanels;                  // SidePanels_Draw before the present
    bool bombUpdateNeedsMainShotOff;  // the bomb runs only while the main shot is disabled
    bool sideBurst;                   // Player_SideBurst while a burst runs
    bool homingRaysAtLevel3;          // the homing-ray launches at level 3
    bool fireBlock;                   // the automatic-fire block
    BossId laserBosses[2];            // the bosses whose lock-laser movers run, in order

    // The stage's schedule (empty until the families exist).
    StageHook attacks;              // the boss's attack calls, by attack clock
    StageHook familiesBeforeItems;  // escort families and their spawn windows (and what precedes the items)
    StageHook familiesAfterPlayer;  // boss bullets, escort shots and the gated extras
};
