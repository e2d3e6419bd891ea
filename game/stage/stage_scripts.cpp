// The eight stage scripts: one description each, run by the common stage frame.
#include <cstdint>

#include "game/shell/shell.h"
#include "game/stage/boss.h"
#include "game/stage/schedules.h"
#include "game/stage/stage_frame.h"

namespace {
using B = BackdropStep;
}  // namespace

// clang-format off
const StageScript Stage1Script = {
    .mode = ModeStage1, .speed = 20, .familyArg = 0,
    .music = "MIDI/KTVB1.MID", .musicOnEntry = false, .entryClearsPause = true,
    .boss = &Boss11State, .bossScript = Boss11_Script, .bossDraw = Boss11_Draw, .bossDefeat = Boss11_Defeat,
    .bossFrom = 1100, .bossTo = 10100, .hpCeiling = 1010,
    .loopLength = 4300, .loopLengthHigh = 0, .highFromLevel = 0, .highToLevel = 0,
    .timeoutFrom = 10000, .timeoutTo = 10100, .continueBombs = 5,
    .layers = {B::Layer8, B::Stars, B::Layer1, B::End},
    .starsA = 80, .starsB = 80, .starsOnlyA = 80, .starsOnlyB = 80,
    .itemWindows = {{100, 150}, {300, 350}, {500, 550}, {800, 850}, {950, 1000}}, .itemWindowCount = 5,
    .itemMoveFirst = false,
    .sidePanels = false, .bombUpdateNeedsMainShotOff = true, .sideBurst = true,
    .homingRaysAtLevel3 = false, .fireBlock = true, .laserBosses = {BossId::Boss11, BossId::None},
    .attacks = Stage1_Attacks, .familiesBeforeItems = Stage1_Escorts, .familiesAfterPlayer = Stage1_Bullets,
};
const StageScript Stage2Script = {
    .mode = ModeStage2, .speed = 18, .familyArg = 0,
    .music = "MIDI/KTVB2.MID", .musicOnEntry = false, .entryClearsPause = false,
    .boss = &Boss71State, .bossScript = Boss71_Script, .bossDraw = Boss71_Draw, .bossDefeat = Boss71_Defeat,
    .bossFrom = 1140, .bossTo = 11100, .hpCeiling = 980,
    .loopLength = 2300, .loopLengthHigh = 3710, .highFromLevel = 3, .highToLevel = 3,
    .timeoutFrom = 11000, .timeoutTo = 11100, .continueBombs = 5,
    .layers = {B::Layer8, B::Stars, B::Layer2, B::End},
    .starsA = 130, .starsB = 130, .starsOnlyA = 150, .starsOnlyB = 150,
    .itemWindows = {{300, 350}, {500, 550}, {800, 850}, {1000, 1050}}, .itemWindowCount = 4,
    .itemMoveFirst = false,
    .sidePanels = false, .bombUpdateNeedsMainShotOff = false, .sideBurst = true,
    .homingRaysAtLevel3 = true, .fireBlock = false, .laserBosses = {BossId::Boss31, BossId::Boss71},
    .attacks = Stage2_Attacks, .familiesBeforeItems = Stage2_Escorts, .familiesAfterPlayer = Stage2_Bullets,
};
const StageScript Stage2BScript = {
    .mode = ModeStage2B, .speed = 20, .familyArg = 0,
    .music = "MIDI/GTCB3.MID", .musicOnEntry = true, .entryClearsPause = false,
    .boss = &Boss2BState, .bossScript = Boss2B_Script, .bossDraw = Boss2B_Draw, .bossDefeat = Boss2B_Defeat,
    .bossFrom = 1050, .bossTo = 11100, .hpCeiling = 590,
    .loopLength = 1100, .loopLengthHigh = 0, .highFromLevel = 0, .highToLevel = 0,
    .timeoutFrom = 11000, .timeoutTo = 11100, .continueBombs = 5,
    .layers = {B::Layer8, B::Stars, B::End, B::End},
    .starsA = 100, .starsB = 100, .starsOnlyA = 120, .starsOnlyB = 120,
    .itemWindows = {{100, 150}, {300, 350}, {500, 550}, {800, 850}, {1000, 1050}}, .itemWindowCount = 5,
    .itemMoveFirst = true,
    .sidePanels = true, .bombUpdateNeedsMainShotOff = false, .sideBurst = false,
    .homingRaysAtLevel3 = false, .fireBlock = false, .laserBosses = {BossId::Boss2B, BossId::None},
    .attacks = Stage2B_Attacks, .familiesBeforeItems = Stage2B_Escorts, .familiesAfterPlayer = Stage2B_Bullets,
};
const StageScript Stage3Script = {
    .mode = ModeStage3, .speed = 16, .familyArg = 0,
    .music = "MIDI/KTVB3.MID", .musicOnEntry = false, .entryClearsPause = false,
    .boss = &Boss41State, .bossScript = Boss41_Script, .bossDraw = Boss41_Draw, .bossDefeat = Boss41_Defeat,
    .bossFrom = 1470, .bossTo = 11100, .hpCeiling = 780,
    .loopLength = 4900, .loopLengthHigh = 0, .highFromLevel = 0, .highToLevel = 0,
    .timeoutFrom = 11000, .timeoutTo = 11100, .continueBombs = 5,
    .layers = {B::Layer8, B::Stars, B::Layer3, B::End},
    .starsA = 200, .starsB = 150, .starsOnlyA = 200, .starsOnlyB = 150,
    .itemWindows = {{100, 150}, {300, 350}, {500, 550}, {800, 850}, {1000, 1050}}, .itemWindowCount = 5,
    .itemMoveFirst = false,
    .sidePanels = false, .bombUpdateNeedsMainShotOff = false, .sideBurst = true,
    .homingRaysAtLevel3 = true, .fireBlock = true, .laserBosses = {BossId::Boss41, BossId::None},
    .attacks = Stage3_Attacks, .familiesBeforeItems = Stage3_Escorts, .familiesAfterPlayer = Stage3_Bullets,
};
const StageScript Stage4Script = {
    .mode = ModeStage4, .speed = 14, .familyArg = 0,
    .music = "MIDI/KTVB4.MID", .musicOnEntry = false, .entryClearsPause = false,
    .boss = &Boss51State, .bossScript = Boss51_Script, .bossDraw = Boss51_Draw, .bossDefeat = Boss51_Defeat,
    .bossFrom = 1300, .bossTo = 11100, .hpCeiling = 980,
    .loopLength = 1770, .loopLengthHigh = 0, .highFromLevel = 0, .highToLevel = 0,
    .timeoutFrom = 11000, .timeoutTo = 11100, .continueBombs = 5,
    .layers = {B::Layer3, B::Layer1, B::End, B::End},
    .starsA = 0, .starsB = 0, .starsOnlyA = 220, .starsOnlyB = 200,
    .itemWindows = {{100, 150}, {300, 350}, {500, 550}, {800, 850}, {1000, 1050}}, .itemWindowCount = 5,
    .itemMoveFirst = false,
    .sidePanels = false, .bombUpdateNeedsMainShotOff = false, .sideBurst = true,
    .homingRaysAtLevel3 = true, .fireBlock = true, .laserBosses = {BossId::Boss51, BossId::None},
    .attacks = Stage4_Attacks, .familiesBeforeItems = Stage4_Escorts, .familiesAfterPlayer = Stage4_Bullets,
};
const StageScript Stage4BScript = {
    .mode = ModeStage4B, .speed = 13, .familyArg = 0,
    .music = "MIDI/QZ5.MID", .musicOnEntry = true, .entryClearsPause = false,
    .boss = &Boss4BState, .bossScript = Boss4B_Script, .bossDraw = Boss4B_Draw, .bossDefeat = Boss4B_Defeat,
    .bossFrom = 1250, .bossTo = 11100, .hpCeiling = 1380,
    .loopLength = 1610, .loopLengthHigh = 0, .highFromLevel = 0, .highToLevel = 0,
    .timeoutFrom = 11000, .timeoutTo = 11100, .continueBombs = 5,
    .layers = {B::Layer4B, B::End, B::End, B::End},
    .starsA = 0, .starsB = 0, .starsOnlyA = 180, .starsOnlyB = 180,
    .itemWindows = {{100, 150}, {300, 350}, {500, 550}, {800, 850}, {1000, 1050}}, .itemWindowCount = 5,
    .itemMoveFirst = false,
    .sidePanels = false, .bombUpdateNeedsMainShotOff = false, .sideBurst = true,
    .homingRaysAtLevel3 = false, .fireBlock = true, .laserBosses = {BossId::Boss4B, BossId::None},
    .attacks = Stage4B_Attacks, .familiesBeforeItems = Stage4B_Escorts, .familiesAfterPlayer = Stage4B_Bullets,
};
const StageScript Stage5Script = {
    .mode = ModeStage5, .speed = 20, .familyArg = 0,
    .music = "MIDI/KTVB5.MID", .musicOnEntry = false, .entryClearsPause = false,
    .boss = &Boss31State, .bossScript = Boss31_Script, .bossDraw = Boss31_Draw, .bossDefeat = Boss31_Defeat,
    .bossFrom = 1260, .bossTo = 11100, .hpCeiling = 1480,
    .loopLength = 3000, .loopLengthHigh = 4390, .highFromLevel = 2, .highToLevel = INT32_MAX,
    .timeoutFrom = 11000, .timeoutTo = 11100, .continueBombs = 3,
    .layers = {B::Layer8, B::Stars, B::Layer6, B::End},
    .starsA = 160, .starsB = 160, .starsOnlyA = 200, .starsOnlyB = 200,
    .itemWindows = {{100, 150}, {300, 350}, {500, 550}, {800, 850}, {1000, 1050}}, .itemWindowCount = 5,
    .itemMoveFirst = false,
    .sidePanels = false, .bombUpdateNeedsMainShotOff = false, .sideBurst = true,
    .homingRaysAtLevel3 = false, .fireBlock = true, .laserBosses = {BossId::Boss71, BossId::Boss31},
    .attacks = Stage5_Attacks, .familiesBeforeItems = Stage5_Escorts, .familiesAfterPlayer = Stage5_Bullets,
};
const StageScript Stage5BScript = {
    .mode = ModeStage5B, .speed = 20, .familyArg = 0,
    .music = nullptr, .musicOnEntry = false, .entryClearsPause = false,
    .boss = &Boss5BState, .bossScript = Boss5B_Script, .bossDraw = Boss5B_Draw, .bossDefeat = Boss5B_Defeat,
    .bossFrom = 1800, .bossTo = 11100, .hpCeiling = 1200,
    .loopLength = 1220, .loopLengthHigh = 0, .highFromLevel = 0, .highToLevel = 0,
    .timeoutFrom = 11000, .timeoutTo = 11100, .continueBombs = 5,
    .layers = {B::Layer8, B::End, B::End, B::End},
    .starsA = 0, .starsB = 0, .starsOnlyA = 300, .starsOnlyB = 300,
    .itemWindows = {{100, 150}, {300, 350}, {500, 550}, {800, 850}, {1000, 1050}}, .itemWindowCount = 5,
    .itemMoveFirst = false,
    .sidePanels = false, .bombUpdateNeedsMainShotOff = false, .sideBurst = true,
    .homingRaysAtLevel3 = false, .fireBlock = true, .laserBosses = {BossId::Boss5B, BossId::None},
    .attacks = Stage5B_Attacks, .familiesBeforeItems = Stage5B_Escorts, .familiesAfterPlayer = Stage5B_Bullets,
};
// clang-format on

void Stage1_Run() { Stage_RunFrame(Stage1Script); }
void Stage2_Run() { Stage_RunFrame(Stage2Script); }
void Stage2B_Run() { Stage_RunFrame(Stage2BScript); }
void Stage3_Run() { Stage_RunFrame(Stage3Script); }
void Stage4_Run() { Stage_RunFrame(Stage4Script); }
void Stage4B_Run() { Stage_RunFrame(Stage4BScript); }
void Stage5_Run() { Stage_RunFrame(Stage5Script); }
void Stage5B_Run() { Stage_RunFrame(Stage5BScript); }
