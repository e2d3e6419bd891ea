// The ending: the closing picture, the ranking, two artwork pictures and the staff credits over the
// star field, timed by the stage distance at 18 units a second; then back to the title.
#include "el/elDraw.h"
#include "el/elMidi.h"
#include "el/elSystem.h"
#include "game/common/images.h"
#include "game/common/stage_state.h"
#include "game/player/collide.h"
#include "game/player/player.h"
#include "game/player/shots.h"
#include "game/shell/shell.h"
#include "game/stage/backdrop.h"
#include "host/time.h"

namespace {

constexpr i32 kMusicFrameWrap = 100'999'999;
constexpr u32 kKeySpace = 32;

// The staff credits, one line each from y 180 down in steps of 20.
const char* const kCredits[7] = {
    "KESTRALIS  STAFF",
    "\x83v\x83\x8D\x83O\x83\x89\x83\x80  KESTRALIS TEAM",                  // プログラム
    "\x83O\x83\x89\x83t\x83" "B\x83" "b\x83N  KESTRALIS TEAM",            // グラフィック
    "\x83T\x83" "E\x83\x93\x83h  KESTRALIS TEAM",                          // サウンド
    "\x83" "e\x83X\x83g\x83v\x83\x8C\x83" "C  KESTRALIS TEAM",            // テストプレイ
    "SPECIAL THANKS  ALL PLAYERS",
    "THANK YOU FOR PLAYING",
};

bool In(f32 d, f32 from, f32 to) { return from <= d && d <= to; }

// Leaves for the title with the whole game reset.
void BackToTitle() {
    elMidi::Stop();
    Game_ResetState();
    Game_ResetPools();
    Game_NewGame();
    Scene_WipeTo(3, 60, ModeTitle);
}

}  // namespace

void Ending_Run() {
    if (ModeChanged) StageState.distance = 0;

    StageState.musicFrame += 1;
    if (StageState.musicFrame == 1) elMidi::Play("MIDI/KTVB6.MID", 1);
    if (StageState.musicFrame >= kMusicFrameWrap) StageState.musicFrame = 0;

    elDraw::ClearScreen();
    StageState.distance += FrameTime * 18.0f;
    StarField_Update(80, 80);

    const f32 d = StageState.distance;
    if (In(d, 0, 300)) {
        Player_DrawShots();
        Player_Update();
        elDraw::PutSprite(250, 100, imgMYGOODN, 0, 0, 300, 100);
        Hud_Draw();
    }
    if (In(d, 301, 600)) {
        Hud_Draw();
        Ranking_Draw();
    }
    if (In(d, 1101, 1300))
        for (i32 i = 0; i < 7; ++i) elDraw::PrintText(280, 180 + 20 * i, kCredits[i]);
    if (In(d, 601, 900)) elDraw::PutSprite(180, 60, imgKTVCG1, 0, 0, 440, 480);
    if (In(d, 901, 1100)) elDraw::PutSprite(180, 60, imgKTVCG2, 0, 0, 440, 480);

    elDraw::SetVSync(1);
    elDraw::Flip();
    host::SleepMs(10);

    Player_Move();
    if (PlayerState.burstActive == 1) Player_SideBurst();
    Collide_PlayerWeapons();

    if (StageState.distance > 1300.0f) BackToTitle();
    if (LastKey == kKeySpace) BackToTitle();
}
