// The bomb: its timeline, the fragments' flight and field, and their strikes on small enemies and bosses.
#include <gtest/gtest.h>

#include <cmath>

#include "game/enemy/szak52_data.h"
#include "game/enemy/szak6_data.h"
#include "game/enemy/szakmix_data.h"
#include "game/player/bomb.h"
#include "game/player/player.h"
#include "game/stage/boss_data.h"
#include "support/player_fixture.h"

namespace {

class BombTest : public kt::PlayerFixture {
protected:
    // A fragment standing still at (x, y): it strikes on every Bomb_Collide without moving.
    static BombPiece& Still(i32 i, i32 x, i32 y) {
        BombPiece& p = BombPieces[i];
        p = BombPiece{x, y, 0, 1, 0.0f};
        return p;
    }
    static i32 Alive() {
        i32 n = 0;
        for (const BombPiece& p : BombPieces) n += p.alive;
        return n;
    }
};

TEST_F(BombTest, ParkedFragmentsStrikeNothing) {
    Szak52ASlots[0].x = -500;  // even an enemy standing at the park column is out of reach
    Szak52ASlots[0].y = 500;
    for (i32 f = 0; f < 5; ++f) Bomb_Collide(0);
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(Szak52ASlots[0].hit, 0);
    EXPECT_EQ(Alive(), 0);
    EXPECT_EQ(BombPieces[79].x, -500);
    EXPECT_EQ(BombPieces[79].y, 500);
}

TEST_F(BombTest, AFullBombThrowsEightyFragmentsAndSpendsOneBomb) {
    Bombs = 3;
    PlayerState.bombActive = 1;
    PlayerState.mainShotEnabled = 0;
    PlayerState.mainShot2Enabled = 0;
    bool launched[kBombPieces] = {};
    i32 launches = 0, frames = 0;
    while (PlayerState.bombActive == 1) {
        ASSERT_LT(frames, 100);
        i32 before[kBombPieces];
        for (i32 i = 0; i < kBombPieces; ++i) before[i] = BombPieces[i].alive;
        const i32 clock = PlayerState.bombClock;
        Bomb_Update(0);
        for (i32 i = 0; i < kBombPieces; ++i) {
            if (before[i] == 1 || BombPieces[i].alive != 1) continue;
            ++launches;
            if (clock < 24) {
                EXPECT_EQ(i / 10, clock / 3) << "fragment " << i << " at count " << clock;
                EXPECT_FALSE(launched[i]);
            } else {
                EXPECT_EQ(i / 10, (clock - 24) / 3) << "fragment " << i << " at count " << clock;
            }
            launched[i] = true;
        }
        if (clock == 21) {
            EXPECT_EQ(launches, 80);
        }
        Bomb_Collide(0);
        ++frames;
    }
    EXPECT_EQ(frames, 48);
    for (bool l : launched) EXPECT_TRUE(l);
    EXPECT_EQ(launches, 160) << "every fragment has left the field before its second launch count";
    EXPECT_EQ(Bombs, 2);
    EXPECT_EQ(PlayerState.bombClock, 0);
    EXPECT_EQ(PlayerState.mainShotEnabled, 1);
    EXPECT_EQ(PlayerState.mainShot2Enabled, 1);
}

TEST_F(BombTest, FragmentsLeaveTheShipInAFullCircle) {
    PlayerState.x = 300.7f;
    PlayerState.y = 400.2f;
    for (i32 i = 0; i < 10; ++i) Bomb_SpawnPiece(i);
    EXPECT_EQ(BombPieces[0].x, 290);
    EXPECT_EQ(BombPieces[0].y, 390);
    EXPECT_EQ(BombPieces[0].speed, 40);
    EXPECT_FLOAT_EQ(BombPieces[0].angle, 5.0f * 3.14159265f / 8.0f);
    EXPECT_FLOAT_EQ(BombPieces[5].angle - BombPieces[0].angle, 3.14159265f);
    BombPieces[3].x = 10;
    Bomb_SpawnPiece(3);  // still alive: not launched again
    EXPECT_EQ(BombPieces[3].x, 10);
    Bomb_SpawnPiece(80);  // outside the pool: ignored
    Bomb_SpawnPiece(-1);
    Bomb_Collide(0);
    // Fragment 0 flies at 112.5 degrees: sin * 40 = 36.95 -> 36 down, cos * 40 = -15.3 -> -15 across.
    EXPECT_EQ(BombPieces[0].x, 275);
    EXPECT_EQ(BombPieces[0].y, 426);
}

TEST_F(BombTest, WithNoBombLeftTheBombStopsAfterItsFirstFrame) {
    Bombs = 0;
    PlayerState.bombActive = 1;
    PlayerState.mainShotEnabled = 0;
    PlayerState.mainShot2Enabled = 0;
    Bomb_Update(0);
    EXPECT_EQ(PlayerState.bombActive, 0);
    EXPECT_EQ(PlayerState.mainShotEnabled, 1);
    EXPECT_EQ(PlayerState.mainShot2Enabled, 1);
    EXPECT_EQ(Bombs, 0);
    EXPECT_EQ(Alive(), 10);
    for (i32 i = 0; i < 10; ++i) EXPECT_EQ(BombPieces[i].alive, 1);
}

TEST_F(BombTest, TheFieldEndsAtX800) {
    Still(0, 760, 300).speed = 40;  // heading 0: straight right
    Still(1, 761, 300).speed = 40;
    Bomb_Collide(0);
    EXPECT_EQ(BombPieces[0].alive, 1);
    EXPECT_EQ(BombPieces[0].x, 800);
    EXPECT_EQ(BombPieces[1].alive, 0);
    EXPECT_EQ(BombPieces[1].x, -500);
    EXPECT_EQ(BombPieces[1].y, 500);
    Still(2, 300, 600);  // y 600 and x -80 are inside too
    Still(3, -80, 300);
    Still(4, 300, -81);
    Bomb_Collide(0);
    EXPECT_EQ(BombPieces[2].alive, 1);
    EXPECT_EQ(BombPieces[3].alive, 1);
    EXPECT_EQ(BombPieces[4].alive, 0);
}

TEST_F(BombTest, AFragmentStrikesEveryFrameItOverlaps) {
    Szak52ASlots[0].active = 1;
    Szak52ASlots[0].x = 200.9f;
    Szak52ASlots[0].y = 300.0f;
    Still(0, 340, 250);  // x + 140, y - 50
    Bomb_Collide(0);
    EXPECT_EQ(Szak52ASlots[0].hit, 1);
    EXPECT_EQ(Score, 50);
    Bomb_Collide(0);
    EXPECT_EQ(Score, 100) << "the fragment flies on and strikes again";
    Szak52ASlots[0].hit = 0;
    BombPieces[0].x = 199;  // x - 1
    Bomb_Collide(0);
    EXPECT_EQ(Szak52ASlots[0].hit, 0);
    EXPECT_EQ(Score, 100);
    BombPieces[0].x = 250;
    Szak52ASlots[0].y = -31;  // above the family's threshold
    BombPieces[0].y = -40;
    Bomb_Collide(0);
    EXPECT_EQ(Szak52ASlots[0].hit, 0);
    Szak52ASlots[0].y = -30;
    Bomb_Collide(0);
    EXPECT_EQ(Szak52ASlots[0].hit, 1);
}

TEST_F(BombTest, TheBombPassesOverSzakMixAndGuardedRecords) {
    SzakMixSlots[3].active = 1;
    SzakMixSlots[3].x = 300;
    SzakMixSlots[3].y = 300;
    Szak6ASlots[1].active = 1;
    Szak6ASlots[1].x = 300;
    Szak6ASlots[1].y = 300;
    Szak6ASlots[1].hitGuard = 1;
    Still(0, 300, 300);
    Bomb_Collide(0);
    EXPECT_EQ(SzakMixSlots[3].hit, 0);
    EXPECT_EQ(Szak6ASlots[1].hit, 0);
    EXPECT_EQ(Score, 0);
    Szak6ASlots[1].hitGuard = 0;
    Bomb_Collide(0);
    EXPECT_EQ(Szak6ASlots[1].hit, 1);
}

TEST_F(BombTest, BossesLoseHitPointsAtTheirOwnRates) {
    FrameTime = 0.5f;
    Boss71State.x = 100;
    Boss71State.y = 100;
    Still(0, 150, 110);  // Boss71's box corner: +50, +10
    for (i32 f = 0; f < 3; ++f) Bomb_Collide(0);
    EXPECT_FLOAT_EQ(Boss71State.hp, 1000.0f - 3 * 35.0f * 0.5f);
    EXPECT_EQ(Boss71State.hitFlag, 1);
    EXPECT_EQ(Score, 180) << "60 points a frame";

    Score = 0;
    Boss71State.x = -500;
    Boss71State.y = 2550;
    Boss11State.x = 100;
    Boss11State.y = 0;
    BombPieces[0] = BombPiece{400, 200, 0, 1, 0.0f};  // Boss11's far corner: +300, +200
    Bomb_Collide(0);
    EXPECT_FLOAT_EQ(Boss11State.hp, 1020.0f - 40.0f * 0.5f);
    EXPECT_EQ(Score, 50);
    Boss11State.y = -0.5f;  // a boss above the top is not struck
    Bomb_Collide(0);
    EXPECT_EQ(Score, 50);
    Boss4BState.x = 100;
    Boss4BState.y = 100;
    BombPieces[0] = BombPiece{430, 300, 0, 1, 0.0f};
    Bomb_Collide(0);
    EXPECT_FLOAT_EQ(Boss4BState.hp, 1400.0f - 35.0f * 0.5f);
}

}  // namespace
