// The front end: the title, the level select and the ship select, one frame per call.
#include <cstring>

#include "el/elDraw.h"
#include "game/common/images.h"
#include "game/common/player_state.h"
#include "game/common/stage_state.h"
#include "game/shell/shell.h"
#include "host/time.h"

namespace {

constexpr u32 kKeyEnter = 13, kKeySpace = 32, kKeyF1 = 0x70, kKeyF2 = 0x71, kKeyF5 = 0x74, kKeyF6 = 0x75;
constexpr u32 kKeyM = 0x4D, kKeyK = 0x4B, kKeyO = 0x4F;

// The ship picture of the level select: loaded on the first entry, its slot reused on every later one
// (a fresh slot per entry would fill the object table after a few hundred entries).
constexpr const char* kShipPicture = "IMAGE/MYME1.BMP";
i32 LevelSelectShipSlot = 0;

bool HoldsShipPicture(i32 slot) {
    return slot >= elDraw::kFirstLoadSlot && slot < elDraw::kObjectCount &&
           std::strcmp(ObjectTable[slot].name, kShipPicture) == 0;
}

// One of the 440x480 menu pictures at (180, 60), then the present and the menus' pause.
void ShowPicture(i32 picture) {
    elDraw::ClearScreen();
    elDraw::PutSprite(180, 60, picture, 0, 0, 440, 480);
    elDraw::SetVSync(1);
    elDraw::Flip();
    host::SleepMs(20);
}

void StartFirstStage(i32 level) {
    Game_ResetState();
    Game_ResetPools();
    Game_NewGame();
    Level = level;  // after Game_NewGame, which stores 0
    Scene_WipeTo(3, 26, ModeStage1);
}

}  // namespace

void Title_StoreOptions() {
    StageState.backdropMode = 0;
    PlayerState.controlMouse = 0;
    PlayerState.controlKeys = 1;
    FxAdditive = 1;
    PlayerState.noDeath = 0;
    PlayerState.shipType = 0;
}

void Title_Run() {
    if (ModeChanged == 1) Title_StoreOptions();
    ShowPicture(imgTITLEC);
    if (LastKey == kKeyEnter) {
        Game_NewGame();
        Game_ResetState();
        Game_ResetPools();
        PlayMode = 1;
        PlaySubMode = 0;
        StageState.backdropMode = 0;
        Scene_WipeTo(3, 26, ModeLevelSelect);
        LastKey = 0;
    }
}

void LevelSelect_Run() {
    if (ModeChanged == 1) {
        if (!HoldsShipPicture(LevelSelectShipSlot)) LevelSelectShipSlot = elDraw::LoadObject(kShipPicture, 1);
        imgMYME = LevelSelectShipSlot;
        PlayerState.shipType = 1;
    }
    ShowPicture(imgLEVEL1);
    if (LastKey == kKeyF1) StartFirstStage(1);
    if (LastKey == kKeyF2) StartFirstStage(3);
    if (LastKey == kKeySpace) {
        StageState.backdropMode = 1;
        LastKey = 0;
    }
    if (LastKey == kKeyM) {
        PlayerState.controlMouse = 1;
        PlayerState.controlKeys = 0;
        LastKey = 0;
    }
    if (LastKey == kKeyK) {
        PlayerState.controlMouse = 0;
        PlayerState.controlKeys = 1;
        LastKey = 0;
    }
    if (LastKey == kKeyO) {
        PlayerState.noDeath = 1;
        LastKey = 0;
    }
}

void ShipSelect_Run() {
    ShowPicture(imgLEVEL0);
    if (LastKey == kKeyF5) {
        imgMYME = elDraw::LoadObject("MYME1.BMP", 1);
        PlayerState.shipType = 1;
        Scene_WipeTo(1, 26, ModeLevelSelect);
    }
    if (LastKey == kKeyF6) {
        imgMYME = elDraw::LoadObject("MYME2.BMP", 1);
        PlayerState.shipType = 2;
        Scene_WipeTo(1, 26, ModeLevelSelect);
    }
}
