// The stage frame: what every stage script does once per frame, driven by the script's description.
#include "game/stage/stage_frame.h"

#include "el/elDraw.h"
#include "el/elMidi.h"
#include "el/elSystem.h"
#include "game/common/stage_state.h"
#include "game/player/collide.h"
#include "game/player/item.h"
#include "game/player/player.h"
#include "game/player/shots.h"
#include "game/shell/shell.h"
#include "game/stage/backdrop.h"
#include "game/stage/stage_weapons.h"

namespace {

constexpr i32 kMusicFrameWrap = 100'999'999;
constexpr u32 kKeyY = 89;

// The continue test, all that a paused frame does.
void ContinueTest(const StageScript& s) {
    if (StageState.continuePrompt == 1 && StageState.paused == 1 && LastKey == kKeyY) {
        StageState.paused = 0;
        StageState.continuePrompt = 0;
        Bombs = s.continueBombs;
        Lives = 111;
        Score = 0;
        PlayerState.respawning = 1;
        PlayerState.alive = 1;
    }
}

void RunBackdrops(const StageScript& s) {
    if (StageState.backdropMode == 0) {
        for (BackdropStep step : s.layers) {
            switch (step) {
                case BackdropStep::End: break;
                case BackdropStep::Layer1: Backdrop1_Draw(); break;
                case BackdropStep::Layer2: Backdrop2_Draw(); break;
                case BackdropStep::Layer3: Backdrop3_Draw(); break;
                case BackdropStep::Layer6: Backdrop6_Draw(); break;
                case BackdropStep::Layer8: Backdrop8_Draw(); break;
                case BackdropStep::Layer4B: Backdrop4B_Draw(); break;
                case BackdropStep::Stars: StarField_Update(s.starsA, s.starsB); break;
            }
            if (step == BackdropStep::End) break;
        }
    }
    if (StageState.backdropMode == 1) StarField_Update(s.starsOnlyA, s.starsOnlyB);
}

void RunBossSection(const StageScript& s) {
    BossState& boss = *s.boss;
    s.bossScript();
    s.bossDraw();
    if (boss.hp > 0.0f && boss.hp < s.hpCeiling) {
        boss.attackClock += 1;
        if (s.attacks) s.attacks(s);
        if (boss.attackClock >= Stage_LoopLength(s)) boss.attackClock = 0;
    }
    const f32 d = StageState.distance;
    if (s.timeoutFrom <= d && d <= s.timeoutTo) {
        boss.hp = 0.0f;
        s.bossDefeat();
    }
}

void RunItemsAndPlayer(const StageScript& s) {
    if (s.itemMoveFirst) {
        Item_Move();
        Item_Draw();
    } else {
        Item_Draw();
        Item_Move();
    }
    const f32 d = StageState.distance;
    for (i32 i = 0; i < s.itemWindowCount; ++i)
        if (s.itemWindows[i].from <= d && d <= s.itemWindows[i].to) Item_Spawn();
    Player_Update();
}

}  // namespace

i32 Stage_LoopLength(const StageScript& s) {
    const bool high = s.highFromLevel != 0 && Level >= s.highFromLevel && Level <= s.highToLevel;
    return high ? s.loopLengthHigh : s.loopLength;
}

void Stage_RunFrame(const StageScript& s) {
    // Scene entry.
    if (ModeChanged) {
        if (s.entryClearsPause) {
            StageState.paused = 0;
            StageState.continuePrompt = 0;
            TimeLimitOn = 0;
        }
        if (s.musicOnEntry && s.music) elMidi::Play(s.music, 1);
    }

    // A paused stage stands still: nothing is drawn or presented, and neither clock moves.
    if (StageState.paused != 0) {
        ContinueTest(s);
        return;
    }

    if (s.music && !s.musicOnEntry) {
        StageState.musicFrame += 1;
        if (StageState.musicFrame == 1) elMidi::Play(s.music, 1);
        if (StageState.musicFrame >= kMusicFrameWrap) StageState.musicFrame = 0;
    }

    elDraw::ClearScreen();
    StageState.distance = FrameTime * s.speed + StageState.distance;

    RunBackdrops(s);
    StageWeapons_BombDraw(s);

    const f32 d = StageState.distance;
    if (s.bossFrom < d && d < s.bossTo) RunBossSection(s);

    Player_DrawShots();

    // The family block: the escorts, the power item and the ship, the boss's bullets and the escort shots.
    if (s.familiesBeforeItems) s.familiesBeforeItems(s);
    RunItemsAndPlayer(s);
    if (s.familiesAfterPlayer) s.familiesAfterPlayer(s);

    Hud_Draw();
    Player_CheckGameOver();
    if (s.sidePanels) SidePanels_Draw();
    elDraw::SetVSync(1);
    elDraw::Flip();

    // After the present: the ship moves and the weapons strike what this frame showed.
    Player_Move();
    StageWeapons_BombStep(s);
    if (s.sideBurst && PlayerState.burstActive == 1) Player_SideBurst();
    Collide_PlayerWeapons();
    StageWeapons_RaysAndLasers(s);
    StageWeapons_FireBlock(s);
}
