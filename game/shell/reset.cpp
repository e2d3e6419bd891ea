// The resets that put the game into a known start state: a whole game (Game_NewGame), one stage's
// state with every small-enemy pool and player weapon (Game_ResetState), and the bosses with every
// boss-bullet pool (Game_ResetPools). They only store values; the pools are walked through tables.
#include <iterator>

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
#include "game/common/player_state.h"
#include "game/common/stage_state.h"
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
#include "game/player/shots.h"
#include "game/shell/shell.h"
#include "game/stage/backdrop_data.h"
#include "game/stage/boss_data.h"
#include "host/crt.h"
#include "host/time.h"

namespace {

template <class R, size_t N>
constexpr PoolRef<R> Pool(R (&slots)[N]) {
    return {slots, static_cast<i32>(N)};
}

// ---- a new game ---------------------------------------------------------------------------------

struct BackdropLayout {
    BackdropTile* tiles;
    f32 x;
};
const BackdropLayout kBackdropLayouts[] = {
    {Backdrop1Tiles, 180.0f}, {Backdrop2Tiles, 180.0f}, {Backdrop3Tiles, 180.0f}, {Backdrop4BTiles, 80.0f},
    {Backdrop4Tiles, 80.0f},  {Backdrop6Tiles, 80.0f},  {Backdrop7Tiles, 80.0f},  {Backdrop8Tiles, -500.0f},
};

void ParkItem() {
    PowerItem.x = ParkPosition.x;
    PowerItem.y = ParkPosition.y;
    PowerItem.speed = 0;
    PowerItem.falling = 0;
    PowerItem.taken = 0;
}

// ---- the small enemies --------------------------------------------------------------------------

// An EnemySlot pool: parked (or at the formation park), everything else 0; Szak1A and Szak1B keep
// their animation cell.
struct EnemyPoolReset {
    PoolRef<EnemySlot> pool;
    FloatPoint park;
    bool keepAnim;
};
const EnemyPoolReset kEnemyPools[] = {
    {Pool(Szak10Slots), ParkPosition, false},         {Pool(Szak1ASlots), ParkPosition, true},
    {Pool(Szak1BSlots), ParkPosition, true},          {Pool(Szak12Slots), FormationPark, false},
    {Pool(Szak13ASlots), ParkPosition, false},        {Pool(Szak13BSlots), ParkPosition, false},
    {Pool(Szak21ASlots), ParkPosition, false},        {Pool(Szak22ASlots), ParkPosition, false},
    {Pool(Szak21BSlots), ParkPosition, false},        {Pool(Szak22BSlots), ParkPosition, false},
    {Pool(Szak52ASlots), ParkPosition, false},        {Pool(Szak52BSlots), ParkPosition, false},
    {Pool(SpareEnemySlots), ParkPosition, false},     {Pool(LockScanEnemySlotsA), ParkPosition, false},
    {Pool(LockScanEnemySlotsB), ParkPosition, false},
};

// A WaveEnemySlot pool: the stream families keep their script time, the formations clear it and wait
// at the formation park.
struct WavePoolReset {
    PoolRef<WaveEnemySlot> pool;
    bool formation;
};
const WavePoolReset kWavePools[] = {
    {Pool(Szak21CSlots), false}, {Pool(Szak22CSlots), false}, {Pool(Szak30ASlots), true}, {Pool(Szak31ASlots), true},
    {Pool(Szak32ASlots), true},  {Pool(Szak33ASlots), true},  {Pool(Szak30BSlots), true}, {Pool(Szak31BSlots), true},
    {Pool(Szak32BSlots), true},  {Pool(Szak33BSlots), true},
};

const PoolRef<SpinEnemySlot> kSpinPools[] = {Pool(Szak6ASlots), Pool(Szak6BSlots)};

// The straight enemy shots.
const PoolRef<BulletSlot> kEnemyBulletSets[] = {
    Pool(Szak10Shot3Slots),  Pool(Szak6AShot4Slots),  Pool(Szak6AShot5Slots),  Pool(Szak6AShot6Slots),
    Pool(Szak6BShot4Slots),  Pool(Szak6BShot5Slots),  Pool(Szak6BShot6Slots),  Pool(Szak12Shot1Slots),
    Pool(Szak12Shot2Slots),  Pool(Szak12Shot3Slots),  Pool(Szak12Shot4Slots),  Pool(Szak12Shot5Slots),
    Pool(Szak12Shot6Slots),  Pool(Szak12Shot7Slots),  Pool(Szak12Shot8Slots),  Pool(Szak12Shot9Slots),
    Pool(Szak12Shot10Slots), Pool(Szak13AShot4Slots), Pool(Szak13AShot5Slots), Pool(Szak13AShot6Slots),
    Pool(Szak13BShot4Slots), Pool(Szak13BShot5Slots), Pool(Szak13BShot6Slots), Pool(Szak21AShot1Slots),
    Pool(Szak22AShot1Slots), Pool(Szak21AShot2Slots), Pool(Szak21AShot3Slots), Pool(Szak21AShot4Slots),
    Pool(Szak21AShot5Slots), Pool(Szak21AShot6Slots), Pool(Szak22AShot2Slots), Pool(Szak22AShot3Slots),
    Pool(Szak22AShot4Slots), Pool(Szak22AShot5Slots), Pool(Szak22AShot6Slots), Pool(Szak21BShot1Slots),
    Pool(Szak22BShot1Slots), Pool(Szak21BShot2Slots), Pool(Szak21BShot3Slots), Pool(Szak21BShot4Slots),
    Pool(Szak21BShot5Slots), Pool(Szak21BShot6Slots), Pool(Szak22BShot2Slots), Pool(Szak22BShot3Slots),
    Pool(Szak22BShot4Slots), Pool(Szak22BShot5Slots), Pool(Szak22BShot6Slots), Pool(Szak21CShot1Slots),
    Pool(Szak21CShot2Slots), Pool(Szak21CShot3Slots), Pool(Szak21CShot4Slots), Pool(Szak21CShot5Slots),
    Pool(Szak22CShot1Slots), Pool(Szak22CShot2Slots), Pool(Szak22CShot3Slots), Pool(Szak22CShot4Slots),
    Pool(Szak22CShot5Slots), Pool(Szak52AShot4Slots), Pool(Szak52AShot5Slots), Pool(Szak52AShot6Slots),
    Pool(Szak52AShot7Slots), Pool(Szak52AShot8Slots), Pool(Szak52BShot4Slots), Pool(Szak52BShot5Slots),
    Pool(Szak52BShot6Slots), Pool(Szak52BShot7Slots), Pool(Szak52BShot8Slots),
};

// The aimed enemy shots.
const PoolRef<AimedShotSlot> kAimedShotSets[] = {
    Pool(SzakMixShot1Slots), Pool(SzakMixShot2Slots), Pool(Szak1AShot1Slots),  Pool(Szak6AShot1Slots),
    Pool(Szak6BShot1Slots),  Pool(Szak6AShot2Slots),  Pool(Szak6BShot2Slots),  Pool(Szak6AShot3Slots),
    Pool(Szak6BShot3Slots),  Pool(Szak13AShot1Slots), Pool(Szak13BShot1Slots), Pool(Szak13AShot2Slots),
    Pool(Szak13BShot2Slots), Pool(Szak13AShot3Slots), Pool(Szak13BShot3Slots), Pool(Szak30AShot1Slots),
    Pool(Szak31AShot1Slots), Pool(Szak32AShot1Slots), Pool(Szak33AShot1Slots), Pool(Szak30AShot2Slots),
    Pool(Szak31AShot2Slots), Pool(Szak32AShot2Slots), Pool(Szak33AShot2Slots), Pool(Szak30BShot1Slots),
    Pool(Szak31BShot1Slots), Pool(Szak32BShot1Slots), Pool(Szak33BShot1Slots),
};

const PoolRef<TimedShotSlot> kTimedShotSets[] = {
    Pool(Szak52AShot1Slots), Pool(Szak52BShot1Slots), Pool(Szak52AShot2Slots),
    Pool(Szak52AShot3Slots), Pool(Szak52BShot2Slots), Pool(Szak52BShot3Slots),
};

const PoolRef<LockMark> kLockMarks[] = {
    Pool(Szak6AMarks), Pool(Szak6BMarks),    Pool(Szak13AMarks),   Pool(Szak13BMarks),
    Pool(Szak21Marks), Pool(Szak22Marks),    Pool(LockScanMarksA), Pool(LockScanMarksB),
};

const PoolRef<LockPoint> kLockPoints[] = {
    Pool(Boss11LockPointsA), Pool(Boss11LockPointsB), Pool(Boss2BLockPointsA), Pool(Boss2BLockPointsB),
    Pool(Boss41LockPointsA), Pool(Boss41LockPointsB), Pool(Boss31LockPointsA), Pool(Boss31LockPointsB),
    Pool(Boss51LockPointsA), Pool(Boss51LockPointsB), Pool(Boss71LockPointsA), Pool(Boss71LockPointsB),
    Pool(Boss5BLockPointsA), Pool(Boss5BLockPointsB), Pool(Boss4BLockPointsA), Pool(Boss4BLockPointsB),
};

const PoolRef<LockLaser> kLockLasers[] = {
    Pool(LockLaserSzak21),  Pool(LockLaserSzak22),  Pool(LockLaserBoss11A), Pool(LockLaserBoss11B),
    Pool(LockLaserBoss2BA), Pool(LockLaserBoss2BB), Pool(LockLaserBoss41A), Pool(LockLaserBoss41B),
    Pool(LockLaserBoss31A), Pool(LockLaserBoss31B), Pool(LockLaserBoss51A), Pool(LockLaserBoss51B),
    Pool(LockLaserBoss71A), Pool(LockLaserBoss71B), Pool(LockLaserBoss5BA), Pool(LockLaserBoss5BB),
    Pool(LockLaserBoss4BA), Pool(LockLaserBoss4BB),
};

HomingRay (*const kHomingRays[])[kRaysPerTarget] = {HomingRay1, HomingRay2, HomingRay3, HomingRay4};

void ParkBullet(BulletSlot& b) {
    b.x = ParkPosition.x;
    b.y = ParkPosition.y;
    b.vx = 0;
    b.vy = 0;
    b.active = 0;
}

// Parks an aimed record: at ParkPosition, its aim cleared, inactive.
template <class R>
void ParkAimed(R& r) {
    r.x = ParkPosition.x;
    r.y = ParkPosition.y;
    r.dx = r.dy = r.x0 = r.y0 = 0;
    r.heading = ResetHeading;
    r.speed = 0;
    r.active = 0;
}

void ResetEnemyPools() {
    for (MixEnemySlot& e : SzakMixSlots) {
        e = MixEnemySlot{};
        e.type = host::Rand() % 4;
        e.x = ParkPosition.x;
        e.y = ParkPosition.y;
    }
    for (const EnemyPoolReset& p : kEnemyPools) {
        for (i32 k = 0; k < p.pool.count; ++k) {
            EnemySlot& e = p.pool.slots[k];
            const i32 anim = e.animFrame;
            e = EnemySlot{};
            if (p.keepAnim) e.animFrame = anim;
            e.x = p.park.x;
            e.y = p.park.y;
        }
    }
    for (const PoolRef<SpinEnemySlot>& p : kSpinPools) {
        for (i32 k = 0; k < p.count; ++k) {
            SpinEnemySlot& e = p.slots[k];
            e.blastLoop = e.blastFrame = 0;
            e.x = ParkPosition.x;
            e.y = ParkPosition.y;
            e.vx = e.vy = 0;
            e.hitGuard = e.active = e.hit = 0;
        }
    }
    for (const WavePoolReset& p : kWavePools) {
        for (i32 k = 0; k < p.pool.count; ++k) {
            WaveEnemySlot& e = p.pool.slots[k];
            e.blastLoop = e.blastFrame = e.waveClock = 0;
            if (p.formation) e.scriptTime = 0;
            e.x = p.formation ? FormationPark.x : ParkPosition.x;
            e.y = p.formation ? FormationPark.y : ParkPosition.y;
            e.vx = e.vy = 0;
            e.hitGuard = e.active = e.hit = 0;
        }
    }
}

void ResetEnemyShots() {
    for (const PoolRef<BulletSlot>& p : kEnemyBulletSets) {
        for (i32 k = 0; k < p.count; ++k) {
            p.slots[k].animFrame = host::Rand() % 10;
            ParkBullet(p.slots[k]);
        }
    }
    for (const PoolRef<AimedShotSlot>& p : kAimedShotSets) {
        for (i32 k = 0; k < p.count; ++k) {
            AimedShotSlot& s = p.slots[k];
            s.animFrame = host::Rand() % 10;
            ParkAimed(s);
        }
    }
    // The fighters' second set keeps its aim fields.
    for (AimedShotSlot& s : Szak1BShot1Slots) {
        s.animFrame = host::Rand() % 10;
        s.x = ParkPosition.x;
        s.y = ParkPosition.y;
        s.active = 0;
    }
    for (const PoolRef<TimedShotSlot>& p : kTimedShotSets) {
        for (i32 k = 0; k < p.count; ++k) {
            TimedShotSlot& s = p.slots[k];
            s.emitClock = 0;
            ParkAimed(s);
        }
    }
    for (CurlFanShotSlot* set : {Szak10Shot1Slots, Szak10Shot2Slots}) {
        for (i32 k = 0; k < 21; ++k) {
            set[k] = CurlFanShotSlot{};
            set[k].x = ParkPosition.x;
            set[k].y = ParkPosition.y;
            set[k].angle = ResetHeading;
        }
    }
    for (ClockedAimShotSlot* set : {Szak6AShot7Slots, Szak6BShot7Slots}) {
        for (i32 k = 0; k < 25; ++k) {
            set[k] = ClockedAimShotSlot{};
            set[k].x = ParkPosition.x;
            set[k].y = ParkPosition.y;
            set[k].heading = ResetHeading;
        }
    }
}

// ---- the player's weapons and the lock-on machinery ----------------------------------------------

void ResetPlayerWords() {
    for (auto& copy : RayCycle)
        for (i32& c : copy) c = 0;
    StageState.musicFrame = 0;
    PlayerState.vx = 0;
    PlayerState.vy = 0;
    PlayerState.fireClock = 0;
    PlayerState.fire2Clock = 0;
    PlayerState.burstClock = 0;
    PlayerState.respawning = 0;
    PlayerState.respawnTimer = 0;
    PlayerState.tilt = 3;
    PlayerState.tiltDir = 0;
    PlayerState.mainShotEnabled = 1;
    PlayerState.mainShot2Enabled = 1;
    PlayerState.bombActive = 0;
    PlayerState.bombClock = 0;
    PlayerState.burstActive = 0;
    TimeLeft = 800;
    TimeLimitOn = 0;
    StageState.distance = 0;
    PlayerState.alive = 1;
    PlayerState.muzzleFlash = 0;
    GameOver = 0;
    StageState.paused = 0;
    StageState.continuePrompt = 0;
    PlayerState.lockSightX = IntegerPark.x;
    PlayerState.lockSightY = IntegerPark.y;
}

void ResetLockOn() {
    for (const PoolRef<LockMark>& p : kLockMarks)
        for (i32 k = 0; k < p.count; ++k) p.slots[k] = LockMark{IntegerPark.x, IntegerPark.y, 0};
    for (const PoolRef<LockPoint>& p : kLockPoints)
        for (i32 k = 0; k < p.count; ++k) p.slots[k] = LockPoint{IntegerPark.x, IntegerPark.y, 0};
    for (auto* copy : kHomingRays) {
        for (i32 t = 0; t < kRayTargets; ++t) {
            for (HomingRay& r : copy[t]) {
                r = HomingRay{};
                r.x = ParkPosition.x;
                r.y = ParkPosition.y;
                r.angle = ResetHeading;
            }
        }
    }
    for (const PoolRef<LockLaser>& p : kLockLasers) {
        for (i32 k = 0; k < p.count; ++k) {
            LockLaser& l = p.slots[k];
            l.x = ParkPosition.x;
            l.y = ParkPosition.y;
            l.angle = ResetHeading;
            l.alive = 0;
            l.aimDx = l.aimDy = l.launchDx = l.launchDy = 0;
            l.speed = 0;
        }
    }
}

void ResetPlayerWeapons() {
    for (BombPiece& b : BombPieces) {
        b.x = IntegerPark.x;
        b.y = IntegerPark.y;
        b.alive = 0;
        b.speed = 0;
        b.angle = ResetHeading;
    }
    for (PlayerShot* pool : {MainShots2, MainShots}) {
        for (i32 k = 0; k < kMainShots; ++k) {
            pool[k].x = IntegerPark.x;
            pool[k].y = IntegerPark.y;
            pool[k].alive = 0;
        }
    }
    for (SideShot& s : SideShots) {
        s.x = IntegerPark.x;
        s.y = IntegerPark.y;
        s.pathClock = 0;
        s.alive = 0;
    }
    for (ParadeSlot& p : ParadeSlots) {
        p.x = ParkPosition.x;
        p.y = ParkPosition.y;
        p.clock = 0;
        p.speed = 0;
        p.active = 0;
    }
}

void ScatterStars() {
    for (StarSpeck& s : StarSpecks) {
        s.kind = host::Rand() % 7;
        s.x = static_cast<f32>(host::Rand() % 1240 - 400);
        s.y = static_cast<f32>(host::Rand() % 480);
        s.vx = 0;
        s.speed = static_cast<f32>(host::Rand() % 100 + 100);
    }
}

// ---- the bosses and their bullets ---------------------------------------------------------------

struct BossReset {
    BossState* boss;
    i32 emitters;
    f32 hp;
    BossBlast* big;
    BossBlast* small;
};
const BossReset kBosses[] = {
    {&Boss11State, 12, 1020.0f, Boss11BigBlasts, Boss11SmallBlasts},
    {&Boss71State, 0, 1000.0f, Boss71BigBlasts, Boss71SmallBlasts},
    {&Boss2BState, 0, 600.0f, Boss2BBigBlasts, Boss2BSmallBlasts},
    {&Boss41State, 6, 800.0f, Boss41BigBlasts, Boss41SmallBlasts},
    {&Boss51State, 6, 1000.0f, Boss51BigBlasts, Boss51SmallBlasts},
    {&Boss4BState, 0, 1400.0f, Boss4BBigBlasts, Boss4BSmallBlasts},
    {&Boss31State, 18, 1500.0f, Boss31BigBlasts, Boss31SmallBlasts},
    {&Boss5BState, 0, 1220.0f, Boss5BBigBlasts, Boss5BSmallBlasts},
};

void ResetBosses() {
    for (const BossReset& r : kBosses) {
        BossState& b = *r.boss;
        b.animFrame = 0;
        b.attackClock = 0;
        for (i32 i = 0; i < r.emitters; ++i) b.emitterClock[i] = 0;
        b.x = ParkPosition.x;
        b.y = ParkPosition.y;
        b.scriptClock = 0;
        b.hp = r.hp;
        b.defeatClock = 0;
        b.guard = 0;
        for (i32 i = 0; i < kBigBlasts; ++i) r.big[i] = BossBlast{0, ParkPosition.x, ParkPosition.y};
        for (i32 i = 0; i < kSmallBlasts; ++i) r.small[i] = BossBlast{0, ParkPosition.x, ParkPosition.y};
    }
    // Only the first boss's hit flag is cleared; the others clear theirs in their next draw.
    Boss11State.hitFlag = 0;
    for (BossIntro* intro : {&Boss11Intro, &Boss51Intro, &Boss71Intro}) *intro = BossIntro{ParkPosition.x, ParkPosition.y, 0};
}

void ResetBossBullets() {
    const PoolRef<const BulletPool> bulletKinds[] = {
        {VolleyPools, static_cast<i32>(std::size(VolleyPools))},
        {ArcPools, static_cast<i32>(std::size(ArcPools))},
        {DropsPools, static_cast<i32>(std::size(DropsPools))},
        {ArmPools, static_cast<i32>(std::size(ArmPools))},
    };
    for (const auto& kind : bulletKinds) {
        for (i32 f = 0; f < kind.count; ++f) {
            for (i32 k = 0; k < kind.slots[f].count; ++k) {
                BulletSlot& b = kind.slots[f].slots[k];
                b.animFrame = host::Rand() % 10;
                b.emitClock = 0;
                ParkBullet(b);
            }
        }
    }
    for (BeamState* beam : {&Boss51Beam1, &Boss51Beam2}) {
        beam->frame = host::Rand() % 10;
        beam->x = ParkPosition.x;
        beam->y = ParkPosition.y;
        beam->active = 0;
    }
    for (const RingPool& p : RingPools) {
        for (i32 k = 0; k < p.count; ++k) {
            RingBullet& r = p.slots[k];
            r = RingBullet{};
            if (!p.boss31Form) r.animFrame = host::Rand() % 7;
            r.x = ParkPosition.x;
            r.y = ParkPosition.y;
            r.heading = ResetHeading;
        }
    }
    for (const AimFanPool& p : AimFanPools) {
        for (i32 k = 0; k < p.count; ++k) {
            AimFanBullet& a = p.slots[k];
            a.animFrame = host::Rand() % p.frameModulo;
            a.emitClock = 0;
            ParkAimed(a);
        }
    }
    for (MuzzleAimBullet& a : Boss11AimFan1) {
        a.emitClock = 0;
        ParkAimed(a);
    }
    for (const RotFanPool& p : RotFanPools) {
        for (i32 k = 0; k < p.count; ++k) {
            RotFanBullet& r = p.slots[k];
            r.emitClock = 0;
            if (p.rotated) r.headingDeg = 0;
            ParkAimed(r);
        }
    }
    for (const Rot5WayPool& p : Rot5WayPools) {
        for (i32 k = 0; k < p.count; ++k) {
            Rot5WayBullet& r = p.slots[k];
            r.animFrame = host::Rand() % 10;
            ParkAimed(r);
        }
    }
    for (const LightningPool& p : LightningPools) {
        for (i32 k = 0; k < p.count; ++k) {
            LightningNode& n = p.slots[k];
            n.x = ParkPosition.x;
            n.y = ParkPosition.y;
            n.dx = n.dy = 0;
            n.heading = ResetHeading;
            n.speed = 0;
            n.active = 0;
        }
    }
    for (const RotChainPool& p : RotChainPools) {
        for (i32 k = 0; k < p.count; ++k) {
            RotChainLink& l = p.slots[k];
            l.x = ParkPosition.x;
            l.y = ParkPosition.y;
            l.driftX = l.driftY = 0;
            l.heading = ResetHeading;
            l.speed = 0;
            l.linkClock = 0;
            l.active = 0;
        }
    }
    for (const StreamPool& p : StreamPools)
        for (i32 k = 0; k < p.count; ++k) p.slots[k] = StreamBall{IntegerPark.x, IntegerPark.y, 0.0f, 0};
}

}  // namespace

void Game_NewGame() {
    for (const BackdropLayout& layer : kBackdropLayouts) {
        for (i32 i = 0; i < kBackdropTiles; ++i) {
            layer.tiles[i] = BackdropTile{layer.x, static_cast<f32>(120 - 480 * i), 0.0f};
        }
    }
    // The still side strip starts at the top of the screen, off to the left.
    for (i32 i = 0; i < kBackdropTiles; ++i) Backdrop9Tiles[i] = BackdropTile{-500.0f, static_cast<f32>(-480 * i), 0.0f};
    PlayerState.autoFire = 0;
    Level = 0;
    Score = 0;
    Bombs = 5;
    Lives = 999;
    PlayerState.x = 370.0f;
    PlayerState.y = 520.0f;
    ParkItem();
    PlayerState.powerFlag = 0;
    PlayerState.itemCount = 0;
    for (ShipOverlayRecord& o : ShipOverlay) o = ShipOverlayRecord{ParkPosition.x, ParkPosition.y, 0, 0};
}

void Game_ResetState() {
    host::SRand(static_cast<u32>(host::WallSeconds()));
    ParkItem();
    ResetPlayerWords();
    ResetLockOn();
    DeathFragments_Reset();
    ResetPlayerWeapons();
    ResetEnemyPools();
    ResetEnemyShots();
    ScatterStars();
}

void Game_ResetPools() {
    ResetBosses();
    ResetBossBullets();
}
