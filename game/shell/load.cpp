// Start-up loading.
#include "game/shell/shell.h"

void Game_LoadResources() {
    HiScore = 500;
    GameMode = ModeTitle;
    PrevMode = 0;
}
