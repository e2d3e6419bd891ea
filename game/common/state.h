// The game's scene records and the score and play settings of the game in progress.
#pragma once
#include "host/types.h"

// The scene records: the scene that runs, the one a wipe leads to, the one of the last pass, and 1 on the
// first frame of a scene. The library's reset clears them (the shell hands them over at start-up).
extern u32 GameMode, NextMode, PrevMode, ModeChanged;

extern i32 Score, HiScore, Lives, Bombs, Level, PlayMode, PlaySubMode, FxAdditive, GameOver, TimeLimitOn, TimeLeft;
extern f32 GameOverClock;

// Scene numbers of GameMode.
enum : u32 {
    ModeTitle = 1, ModeStage1 = 2, ModeStage2 = 3, ModeStage2B = 4, ModeStage3 = 5, ModeStage4 = 6,
    ModeStage4B = 7, ModeStage5 = 8, ModeStage5B = 9, ModeEnding = 10, ModeLevelSelect = 11, ModeShipSelect = 12,
};

// Where free pool records wait, off screen: float records at ParkPosition, integer records (player shots,
// side shots, bomb pieces, lock marks and points, stream balls) at the integer park.
struct FloatPoint { f32 x, y; };
struct IntPark { i32 x, y; };
inline constexpr FloatPoint ParkPosition{-500.0f, 2550.0f};
inline constexpr FloatPoint FormationPark{-500.0f, -500.0f};  // Szak12 and the formation ships after a reset
inline constexpr IntPark IntegerPark{-500, 500};
// The heading every record with one gets from the resets: -3 degrees in radians.
inline constexpr f32 ResetHeading = static_cast<f32>(-3.0 * 3.14159265358979323846 / 180.0);

// The score cap.
inline constexpr i32 ScoreMax = 999'999'999;

// A new game: level 0, score 0, five bombs, 999 lives.
void PlayState_NewGame();
// A stage's start: the time limit off at 800, not over.
void PlayState_ResetStage();
