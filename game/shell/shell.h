// The entry point, the main loop and the scenes it dispatches to.
#pragma once
#include "game/common/state.h"

i32 WinMain(void* instance, void* prevInstance, const char* commandLine, i32 showCommand);

// WinMain in its steps, so that a test can drive the program one message or pass at a time.
// False: end at once, with *exitCode the program's status (0 for a second copy that brought the first to
// the front, non-zero for a start that failed).
bool WinMain_StartUp(void* instance, const char* commandLine, i32 showCommand, i32* exitCode = nullptr);
bool WinMain_PumpOnce(i32* exitCode);  // one message or one pass; false once the quit message arrived
void WinMain_Pass();

void Scene_WipeTo(i32 kind, i32 strip, i32 mode);

void Game_LoadResources();
// True when every data folder the game reads from is there beside the program. Otherwise says which are
// not, and where the program looked, once on the error stream and once in a box, and gives false.
bool Game_FindDataFolders();
void Game_OnKeyDown(u32 key);
// Hands the key handler and the scene records to the library; start-up does it first.
void Game_RegisterHooks();

// HUD and ranking.
void Hud_Draw();
void Ranking_Draw();
void Game_EndCountdown();
extern i32 RankingTable[7];

// The resets: a whole game, one stage's state, the bosses and their bullet pools.
void Game_NewGame();
void Game_ResetState();
void Game_ResetPools();

// The scenes, one frame per call.
void Title_StoreOptions();  // the option set of the title's entry and of the T key
void Title_Run();
void LevelSelect_Run();
void ShipSelect_Run();
void Ending_Run();
void Stage1_Run();
void Stage2_Run();
void Stage2B_Run();
void Stage3_Run();
void Stage4_Run();
void Stage4B_Run();
void Stage5_Run();
void Stage5B_Run();

extern void* AppInstance;

// The scene of each GameMode (index 1..12); a pass calls the current mode's entry once per frame.
using SceneFn = void (*)();
extern SceneFn SceneTable[13];
