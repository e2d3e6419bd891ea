// The resets that put the game into a known start state: a whole game (Game_NewGame), one stage's
// state with every small-enemy pool and player weapon (Game_ResetState), and the bosses with every
// boss-bullet pool (Game_ResetPools). Each kind puts its own pools back; this file holds only the order of
// those calls, which is the order in which the random numbers are drawn.
#include "game/bossfire/aimfan_data.h"
#include "game/bossfire/arc_data.h"
#include "game/bossfire/arm_data.h"
#include "game/bossfire/beam_data.h"
#include "game/bossfire/drops_data.h"
#include "game/bossfire/lightning_data.h"
#include "game/bossfire/ring_data.h"
#include "game/bossfire/rot5way_data.h"
#include "game/bossfire/rotchain_data.h"
#include "game/bossfire/rotfan_data.h"
#include "game/bossfire/stream_data.h"
#include "game/bossfire/volley_data.h"
#include "game/common/backdrop_tiles.h"
#include "game/common/stage_state.h"
#include "game/common/state.h"
#include "game/enemy/spare_data.h"
#include "game/enemy/szak10_data.h"
#include "game/enemy/szak12_data.h"
#include "game/enemy/szak13_data.h"
#include "game/enemy/szak1_data.h"
#include "game/enemy/szak21_data.h"
#include "game/enemy/szak30a_data.h"
#include "game/enemy/szak30b_data.h"
#include "game/enemy/szak52_data.h"
#include "game/enemy/szak6_data.h"
#include "game/enemy/szakmix_data.h"
#include "game/player/bomb_data.h"
#include "game/player/death.h"
#include "game/player/homing_data.h"
#include "game/player/item.h"
#include "game/player/lockon_data.h"
#include "game/player/player.h"
#include "game/player/shots.h"
#include "game/shell/shell.h"
#include "game/stage/backdrop_data.h"
#include "game/stage/boss_data.h"
#include "host/crt.h"
#include "host/time.h"

namespace {

// The small-enemy families, in the order in which each reset form walks them.
void (*const kEnemyFamilies[])(EnemyPoolForm) = {
    SzakMix_ResetPools, Szak1_ResetPools,  Szak10_ResetPools, Szak6_ResetPools,
    Szak12_ResetPools,  Szak13_ResetPools, Szak21_ResetPools, Szak30A_ResetPools,
    Szak30B_ResetPools, Szak52_ResetPools, Spare_ResetPools,
};

// The reset forms in their order: the lock marks, the ships (SzakMix draws a type for each), then the
// shots (straight and aimed draw a cell for each record, the fighters' second set after all the others).
constexpr EnemyPoolForm kEnemyForms[] = {
    EnemyPoolForm::Marks,         EnemyPoolForm::MixShips,      EnemyPoolForm::Ships,
    EnemyPoolForm::ShipsKeepAnim, EnemyPoolForm::FormationShips, EnemyPoolForm::SpinShips,
    EnemyPoolForm::StreamWave,    EnemyPoolForm::FormationWave,  EnemyPoolForm::StraightShots,
    EnemyPoolForm::AimedShots,    EnemyPoolForm::AimedShotsKeepAim,
    EnemyPoolForm::TimedShots,    EnemyPoolForm::CurlFanShots,   EnemyPoolForm::ClockedShots,
};

// The boss-bullet kinds, in order.
void (*const kBossBulletKinds[])() = {
    Volley_ResetPools, Arc_ResetPools,    Drops_ResetPools,   Arm_ResetPools,       Beam_ResetPools,     Ring_ResetPools,
    AimFan_ResetPools, RotFan_ResetPools, Rot5Way_ResetPools, Lightning_ResetPools, RotChain_ResetPools, Stream_ResetPools,
};

}  // namespace

void Game_NewGame() {
    BackdropTiles_LayOut();
    Player_NewGame();
    PlayState_NewGame();
    Item_Park();
    ShipOverlay_Reset();
}

void Game_ResetState() {
    host::SRand(static_cast<u32>(host::WallSeconds()));
    Item_Park();
    Player_ResetState();
    StageState_Reset();
    PlayState_ResetStage();
    LockOn_ResetPools();
    HomingRay_ResetPools();
    DeathFragments_Reset();
    Bomb_ResetPools();
    PlayerShots_ResetPools();
    Parade_ResetPools();
    for (EnemyPoolForm form : kEnemyForms)
        for (auto reset : kEnemyFamilies) reset(form);
    Stars_Scatter();
}

void Game_ResetPools() {
    Bosses_Reset();
    for (auto reset : kBossBulletKinds) reset();
}
