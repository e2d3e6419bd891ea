// The rules every small-enemy family shares: aimed arming, the ship-contact rule, arming only free
// slots, shots from free enemies, and the explosion sequence with its sound.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "el/draw/screen.h"
#include "el/draw/soft.h"
#include "el/elDraw.h"
#include "el/elSound.h"
#include "game/enemy/enemy_rules.h"
#include "game/enemy/szak1.h"
#include "game/enemy/szak10.h"
#include "game/enemy/szak21.h"
#include "game/enemy/szakmix.h"
#include "game/stage_fixture.h"
#include "host/crt.h"
#include "host/mixer.h"
#include "support/player_fixture.h"

namespace {

constexpr f32 kPi = 3.14159265358979323846f;

using EnemyRulesTest = kt::PlayerFixture;

TEST_F(EnemyRulesTest, AimedArmingTurnsByAHalfCircleWhenTheShipLiesLeftOrStraightAbove) {
    PlayerState.x = 300.0f;
    PlayerState.y = 300.0f;
    struct Case {
        f32 x, y;      // start point
        f32 heading;   // expected, aim point (315, 315)
    };
    const Case cases[] = {
        {215.0f, 215.0f, kPi / 4},             // down-right
        {415.0f, 215.0f, kPi - kPi / 4},       // down-left: arctan(-1) + pi
        {415.0f, 415.0f, kPi + kPi / 4},       // up-left
        {215.0f, 415.0f, -kPi / 4},            // up-right
        {315.0f, 100.0f, kPi / 2},             // straight below: dx 0, dy > 0
        {315.0f, 415.0f, 3 * kPi / 2},         // straight above: dx 0, dy < 0
        {315.0f, 315.0f, 3 * kPi / 2},         // on the aim point: dx 0, dy 0
    };
    for (const Case& c : cases) {
        AimedShotSlot s{};
        Aimed_Arm(s, c.x, c.y, 15.0f);
        EXPECT_EQ(s.active, 1);
        EXPECT_EQ(s.x0, c.x);
        EXPECT_EQ(s.y0, c.y);
        EXPECT_EQ(s.dx, 315.0f - c.x);
        EXPECT_EQ(s.dy, 315.0f - c.y);
        EXPECT_NEAR(s.heading, c.heading, 1e-5f) << "from (" << c.x << ", " << c.y << ")";
    }
    // A shot flies along its heading: one second at 100 px/s from (215, 215) covers 100 px down-right.
    AimedShotSlot s{};
    Aimed_Arm(s, 215.0f, 215.0f, 15.0f);
    s.speed = 100.0f;
    FrameTime = 1.0f;
    Aimed_Move(s);
    EXPECT_NEAR(s.x, 215.0f + 100.0f / std::sqrt(2.0f), 1e-3f);
    EXPECT_NEAR(s.y, 215.0f + 100.0f / std::sqrt(2.0f), 1e-3f);
}

// A standing shot of Szak1AShot1 (box 0..30 by 10..30) at (dx, dy) from the ship, after one update.
i32 AliveAfterShotAt(f32 dx, f32 dy, i32 active = 1) {
    PlayerState.x = 300.0f;
    PlayerState.y = 400.0f;
    PlayerState.alive = 1;
    AimedShotSlot& s = Szak1AShot1Slots[2];
    s.active = active;
    s.x = 300.0f + dx;
    s.y = 400.0f + dy;
    s.speed = 0.0f;
    Szak1AShot1_Update(0);
    return PlayerState.alive;
}

TEST_F(EnemyRulesTest, AShotTouchesTheShipInsideItsBoxEdgesIncluded) {
    EXPECT_EQ(AliveAfterShotAt(30.0f, 30.0f), 0);
    EXPECT_EQ(AliveAfterShotAt(0.0f, 10.0f), 0);
    EXPECT_EQ(AliveAfterShotAt(30.5f, 30.0f), 1);
    EXPECT_EQ(AliveAfterShotAt(30.0f, 30.5f), 1);
    EXPECT_EQ(AliveAfterShotAt(-0.5f, 20.0f), 1);
    EXPECT_EQ(AliveAfterShotAt(10.0f, 9.5f), 1);
    EXPECT_EQ(Szak1AShot1Slots[2].active, 1) << "a shot that strikes the ship flies on";
    // A record that is not live strikes nothing, wherever it stands.
    EXPECT_EQ(AliveAfterShotAt(15.0f, 15.0f, 0), 1);
    // While the ship cannot be hit nothing changes.
    PlayerState.alive = 0;
    EXPECT_FALSE(Shot_TouchesPlayer(PlayerState.x + 15.0f, PlayerState.y + 15.0f, 0.0f, 10.0f));
}

TEST_F(EnemyRulesTest, ASpawnArmsEveryFreeSlotAndOnAFullArrayDrawsNoRandomNumber) {
    Szak1ASlots[1].active = 1;
    Szak1ASlots[1].x = 123.0f;
    Szak1A_Spawn(0);
    for (const EnemySlot& e : Szak1ASlots) EXPECT_EQ(e.active, 1);
    EXPECT_EQ(Szak1ASlots[1].x, 123.0f) << "a live slot is left alone";
    EXPECT_EQ(Szak1ASlots[0].x, 220.0f);

    Szak10Slots[0].active = Szak10Slots[1].active = Szak10Slots[2].active = 1;
    SzakMix_Spawn(3);
    Szak21B_Spawn(0);
    const u32 full = host::RandState();
    Szak1A_Spawn(0);
    Szak10_Spawn(0);
    SzakMix_Spawn(3);
    Szak21B_Spawn(0);
    EXPECT_EQ(host::RandState(), full);
}

TEST_F(EnemyRulesTest, AShotFromAFreeEnemyStartsOffScreenAndIsFreedByItsFirstUpdate) {
    Szak10Shot3_Spawn(0);
    for (i32 r = 0; r < 5; ++r) {
        EXPECT_EQ(Szak10Shot3Slots[r].x, -473.0f);
        EXPECT_EQ(Szak10Shot3Slots[r].y, 2616.0f);
        EXPECT_EQ(Szak10Shot3Slots[r].vy, 140.0f + 20.0f * r);
    }
    Szak1BShot1_Spawn(0);
    EXPECT_EQ(Szak1BShot1Slots[3].x, -485.0f);
    EXPECT_EQ(Szak1BShot1Slots[3].y, 2600.0f);
    Szak10Shot3_Update(0);
    Szak1BShot1_Update(0);
    for (const BulletSlot& s : Szak10Shot3Slots) EXPECT_EQ(s.active, 0);
    for (const AimedShotSlot& s : Szak1BShot1Slots) {
        EXPECT_EQ(s.active, 0);
        EXPECT_EQ(s.x, -500.0f);
        EXPECT_EQ(s.y, 2550.0f);
    }
}

// The explosion, with the program's sheets and sounds loaded.
class EnemyBlastTest : public kt::StageTest {
protected:
    void SetUp() override {
        kt::StageTest::SetUp();
        EnterStage(ModeStage1);
        FrameTime = 1.0f / 60;
        FxAdditive = 1;
    }
    // Runs one frame of `frame` and tells whether it started the explosion sound.
    template <class Frame>
    static bool Sounds(Frame&& frame) {
        elSound::Stop(sndBOM, -1);
        frame();
        return host::mixer::IsPlaying(elSound::Objects[sndBOM].buffer[0]);
    }
    // Runs frames until the slot is free: the frames it took, and those that started the sound.
    template <class Slot, class Frame>
    static i32 FramesUntilFree(const Slot& e, Frame&& frame, std::vector<i32>* sounds) {
        i32 frames = 0;
        while (e.active != 0 && frames < 100) {
            if (Sounds(frame)) sounds->push_back(frames);
            ++frames;
        }
        return frames;
    }
};

TEST_F(EnemyBlastTest, AStoppingEnemyExplodesInPlaceForTwoLoopsWithTheSoundAtEach) {
    Szak1A_Spawn(0);
    EnemySlot& e = Szak1ASlots[2];
    e.x = 300.0f;
    e.y = 200.0f;
    e.hitGuard = 0;
    ASSERT_TRUE(Enemy_Strike(Szak1ASlots, 2));
    std::vector<i32> sounds;
    for (i32 f = 0; f < 15; ++f) {
        if (Sounds([] { Szak1A_Draw(0); Szak1A_Update(0); })) sounds.push_back(f);
        ASSERT_EQ(e.active, 1) << "frame " << f;
        ASSERT_EQ(e.x, 300.0f);
        ASSERT_EQ(e.y, 200.0f) << "stopped where it was struck";
    }
    EXPECT_EQ(e.blastLoop, 1);
    EXPECT_EQ(e.blastFrame, 7);
    Szak1A_Draw(0);
    EXPECT_EQ(e.active, 0) << "freed after 16 frames";
    EXPECT_EQ(e.hit, 0);
    EXPECT_EQ(e.blastLoop, 0);
    EXPECT_EQ(e.x, -500.0f);
    EXPECT_EQ(e.y, 2550.0f);
    EXPECT_EQ(sounds, (std::vector<i32>{0, 8}));
}

TEST_F(EnemyBlastTest, TheTenCellFamiliesExplodeForTwentyFrames) {
    Szak10_Spawn(0);
    Szak10Slots[0].y = 100.0f;
    Szak10Slots[0].hit = 1;
    std::vector<i32> sounds;
    EXPECT_EQ(FramesUntilFree(Szak10Slots[0], [] { Szak10_Update(0); Szak10_Draw(0); }, &sounds), 20);
    EXPECT_EQ(sounds, (std::vector<i32>{0, 10}));

    SzakMix_Spawn(4);
    SzakMixSlots[4].hit = 1;
    sounds.clear();
    EXPECT_EQ(FramesUntilFree(SzakMixSlots[4], [] { SzakMix_Update(4, 0); SzakMix_Draw(4, 2); }, &sounds), 20);
    EXPECT_EQ(sounds, (std::vector<i32>{0, 10}));
}

// What the explosion of a struck slot standing at (300, 200) shows in its first cell, against what the
// main 80x80 cell alone shows: the spread families add their pieces only while drawing additively.
TEST_F(EnemyBlastTest, ThePiecesOfAnExplosionDependOnTheFamilyAndTheDrawingMode) {
    auto screen = [](auto draw) {
        elDraw::ClearScreen();
        draw();
        std::vector<u16> px;
        for (i32 y = 150; y < 350; ++y)
            for (i32 x = 250; x < 450; ++x) px.push_back(BackBuffer->PixelAt(x, y));
        return px;
    };
    auto struck = [](EnemySlot& e) {
        e = EnemySlot{};
        e.active = e.hit = 1;
        e.x = 300.0f;
        e.y = 200.0f;
    };
    const auto mainAdded = screen([] { elDraw::PutAdd(300, 200, imgZBAK2B, 0, 0, 80, 80); });
    const auto mainCopied = screen([] { elDraw::PutSprite(300, 200, imgZBAK2B, 0, 0, 80, 80); });
    ASSERT_NE(mainAdded, screen([] {}));

    FxAdditive = 1;
    struck(Szak21BSlots[0]);
    EXPECT_NE(screen([] { Szak21B_Draw(0); }), mainAdded) << "Szak21B adds its six pieces";
    struck(Szak21ASlots[0]);
    EXPECT_EQ(screen([] { Szak21A_Draw(0); }), mainAdded) << "Szak21A draws the main cell alone";
    FxAdditive = 0;
    struck(Szak21BSlots[0]);
    EXPECT_EQ(screen([] { Szak21B_Draw(0); }), mainCopied) << "plainly, the main cell alone";

    // SzakMix draws the five-piece spread of type 0 plainly whatever its type.
    auto mixStruck = [](i32 type) {
        MixEnemySlot& e = SzakMixSlots[2];
        e = MixEnemySlot{};
        e.active = e.hit = 1;
        e.type = type;
        e.x = 300.0f;
        e.y = 200.0f;
    };
    mixStruck(0);
    const auto plainType0 = screen([] { SzakMix_Draw(2, 0); });
    mixStruck(3);
    EXPECT_EQ(screen([] { SzakMix_Draw(2, 0); }), plainType0);
    FxAdditive = 1;
    mixStruck(0);
    const auto addedType0 = screen([] { SzakMix_Draw(2, 0); });
    mixStruck(3);
    EXPECT_NE(screen([] { SzakMix_Draw(2, 0); }), addedType0);
}

}  // namespace
