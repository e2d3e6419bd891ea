// The Szak21 and Szak22 families: the field and where freed slots rest, the shared marks, the stream
// timer, the drifting explosions, and the shot sets' boxes and bomb rule.
#include <gtest/gtest.h>

#include "game/enemy/enemy_rules.h"
#include "game/enemy/szak21.h"
#include "support/player_fixture.h"

namespace {

class Szak21Test : public kt::PlayerFixture {
protected:
    void SetUp() override {
        kt::PlayerFixture::SetUp();
        PlayerState.x = 0.0f;
        PlayerState.y = 0.0f;
    }
    template <class Slot>
    static void Stand(Slot& e, f32 x, f32 y) {
        e.x = x;
        e.y = y;
    }
};

TEST_F(Szak21Test, TheFieldIncludesItsEdgesAndFreedSlotsRestByFamily) {
    FrameTime = 0.0f;
    Szak21A_Spawn(0);  // at (90, -90)
    Szak22A_Spawn(0);  // at (620, -90)
    Szak21A_Update(0);
    Szak22A_Update(0);
    for (i32 k = 0; k < 3; ++k) EXPECT_EQ(Szak21ASlots[k].active + Szak22ASlots[k].active, 2);
    Szak21B_Spawn(0);
    Szak21C_SpawnOne(3);
    Stand(Szak21BSlots[1], 620.5f, 300.0f);
    Stand(Szak21CSlots[3], 620.5f, 300.0f);
    Szak21B_Update(0);
    Szak21C_Update(0);
    EXPECT_EQ(Szak21BSlots[1].active + Szak21CSlots[3].active, 0);
    EXPECT_EQ(Szak21BSlots[1].x, 355.0f);
    EXPECT_EQ(Szak21BSlots[1].y, 2550.0f);
    EXPECT_EQ(Szak21CSlots[3].x, -500.0f);
    EXPECT_EQ(Szak21CSlots[3].y, 2550.0f);
}

TEST_F(Szak21Test, TheGroupsShareTheirMarksAndReturnThemToRest) {
    FrameTime = 0.0f;
    Szak21A_Spawn(0);
    Szak21Marks[1] = LockMark{400, 300, 1};
    Szak21B_Spawn(0);  // slot 1 of Szak21B rests the mark of slot 1 of Szak21A
    EXPECT_EQ(Szak21Marks[1].locked, 0);
    EXPECT_EQ(Szak21Marks[1].x, 290);
    // A side exit moves the mark on only from outside [150, 620] x [-70, 600].
    Szak21Marks[1] = LockMark{400, 300, 1};
    Stand(Szak21BSlots[1], 80.0f, 300.0f);
    Szak21B_Update(0);
    EXPECT_EQ(Szak21Marks[1].locked, 1);
    Szak21Marks[1].x = 140;
    Szak21B_Update(0);  // the free slot fails the field again on every move
    EXPECT_EQ(Szak21Marks[1].locked, 0);
    EXPECT_EQ(Szak21Marks[1].x, 370);
}

TEST_F(Szak21Test, TheStreamArmsSlotKAtCall100TimesKPlusOneInACycleOf501) {
    FrameTime = 0.0f;
    for (i32 call = 1; call <= 500; ++call) {
        Szak22C_WaveTimer(0);
        for (i32 k = 0; k < 5; ++k)
            ASSERT_EQ(Szak22CSlots[k].active, call >= 100 * (k + 1) ? 1 : 0) << "slot " << k << ", call " << call;
    }
    EXPECT_EQ(Szak22CSlots[4].x, 620.0f);
    EXPECT_EQ(Szak22CSlots[4].vx, -200.0f);
    Szak22C_WaveTimer(0);
    for (const WaveEnemySlot& e : Szak22CSlots) EXPECT_EQ(e.waveClock, 0);
    // A stream ship flies its 45-degree line.
    FrameTime = 0.1f;
    Szak22C_Update(0);
    EXPECT_EQ(Szak22CSlots[0].x, 600.0f);
    EXPECT_EQ(Szak22CSlots[0].y, 40.0f);
}

TEST_F(Szak21Test, SomeExplosionsDriftAndOneCutShortDoesNotShortenTheNext) {
    FrameTime = 1.0f / 60;
    Szak21A_Spawn(0);
    Szak22B_Spawn(0);
    Stand(Szak21ASlots[0], 300.0f, 100.0f);
    Stand(Szak22BSlots[0], 300.0f, 100.0f);
    ASSERT_TRUE(Enemy_Strike(Szak21ASlots, 0));
    ASSERT_TRUE(Enemy_Strike(Szak22BSlots, 0));
    Szak21A_Draw(0);
    Szak22B_Draw(0);
    Szak21A_Update(0);
    Szak22B_Update(0);
    EXPECT_GT(Szak21ASlots[0].y, 100.0f) << "Szak21A explodes on the move";
    EXPECT_EQ(Szak22BSlots[0].y, 100.0f) << "Szak22B stays where it was struck";

    // Struck near the edge, a Szak21A drifts out in its second loop and simply vanishes.
    EnemySlot& e = Szak21ASlots[1];
    Stand(e, 610.0f, 100.0f);
    e.vx = 300.0f;
    e.vy = 0.0f;
    e.hit = 1;
    e.blastLoop = 1;
    e.blastFrame = 0;
    Szak21A_Draw(0);
    i32 frames = 0;
    while (e.active != 0) {
        Szak21A_Update(0);
        Szak21A_Draw(0);
        ASSERT_LT(++frames, 20);
    }
    EXPECT_EQ(e.hit, 1) << "the move leaves the hit word";
    // Armed again, its next explosion still runs its two loops.
    Szak21A_Spawn(0);
    Stand(e, 300.0f, 100.0f);
    e.vx = e.vy = 0.0f;
    ASSERT_TRUE(Enemy_Strike(Szak21ASlots, 1));
    frames = 0;
    while (e.active != 0) {
        Szak21A_Draw(0);
        ASSERT_LT(++frames, 40);
    }
    EXPECT_EQ(frames, 16);
}

TEST_F(Szak21Test, TheSpreadsBoxesDifferAndOnlyTheBurstsYieldToTheBomb) {
    FrameTime = 0.0f;
    Szak21C_SpawnOne(0);
    Stand(Szak21CSlots[0], 300.0f, 100.0f);
    Szak21CShot1_Spawn(0);
    Szak21CShot5_Spawn(0);
    EXPECT_EQ(Szak21CShot1Slots[0].x, 337.0f);
    EXPECT_EQ(Szak21CShot1Slots[0].y, 140.0f);
    EXPECT_EQ(Szak21CShot5Slots[0].x, 342.0f);
    EXPECT_EQ(Szak21CShot5Slots[0].vx, 40.0f);
    // Each shot 20 px below and 20 px right of the ship.
    struct Case {
        BulletSlot* set;
        void (*update)(i32);
        i32 aliveAfter;
    };
    const Case cases[] = {{Szak21CShot1Slots, Szak21CShot1_Update, 1}, {Szak21CShot5Slots, Szak21CShot5_Update, 0}};
    for (const Case& c : cases) {
        PlayerState.alive = 1;
        PlayerState.x = c.set[0].x - 20.0f;
        PlayerState.y = c.set[0].y - 20.0f;
        c.update(0);
        EXPECT_EQ(PlayerState.alive, c.aliveAfter);
    }
    PlayerState.x = PlayerState.y = 0.0f;

    // The burst flies past the sides until it falls below the field.
    Szak22B_Spawn(0);
    Szak22BShot1_Spawn(0);
    BulletSlot& b = Szak22BShot1Slots[4];
    EXPECT_EQ(b.x, 630.0f);
    EXPECT_EQ(b.vx, -220.0f);
    Stand(b, -200.0f, 300.0f);
    Szak22BShot1_Update(0);
    EXPECT_EQ(b.active, 1);
    PlayerState.bombActive = 1;
    Szak22BShot1_Update(0);
    Szak21CShot1_Update(0);
    EXPECT_EQ(b.active, 0);
    EXPECT_EQ(Szak21CShot1Slots[0].active, 1);
}

}  // namespace
