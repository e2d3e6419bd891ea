// What the falling boss bullets and the beams leave on the back buffer, compared with the sprite copies
// they should make.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "bossfire_falling_fixture.h"
#include "el/draw/soft.h"
#include "el/elDraw.h"
#include "game/bossfire/arc.h"
#include "game/bossfire/arc_data.h"
#include "game/bossfire/arm.h"
#include "game/bossfire/arm_data.h"
#include "game/bossfire/beam.h"
#include "game/bossfire/beam_data.h"
#include "game/bossfire/drops.h"
#include "game/bossfire/drops_data.h"
#include "game/bossfire/volley.h"
#include "game/bossfire/volley_data.h"
#include "game/common/geometry.h"
#include "game/common/images.h"
#include "stage_fixture.h"

namespace {

class FallingDrawTest : public kt::StageTest {
protected:
    void SetUp() override {
        kt::StageTest::SetUp();
        ASSERT_GT(imgVAL405, 0);
        ASSERT_GT(imgVALARM51, 0);
        FrameTime = 1.0f / 60.0f;
        PlayerState.alive = 1;
        PlayerState.bombActive = 0;
        PlayerState.x = 100.0f;
        PlayerState.y = 0.0f;
        Boss51State.x = 200.0f;
        Boss51State.y = 40.0f;
    }
    static std::vector<u16> Screen() {  // the back buffer as drawn so far
        std::vector<u16> px;
        px.reserve(800 * 600);
        for (i32 y = 0; y < 600; ++y)
            for (i32 x = 0; x < 800; ++x) px.push_back(BackBuffer->PixelAt(x, y));
        return px;
    }
    static i32 Lit(const std::vector<u16>& px) {
        return static_cast<i32>(std::count_if(px.begin(), px.end(), [](u16 p) { return p != 0; }));
    }
    using kt::StageTest::Lit;
    template <class F>
    static std::vector<u16> After(F draw) {
        elDraw::ClearScreen();
        draw();
        return Screen();
    }
    static void Live(BulletSlot& b, f32 x, f32 y) {
        b.active = 1;
        b.x = x;
        b.y = y;
    }
};

TEST_F(FallingDrawTest, ParkedPoolsShowNothing) {
    kt::ParkAll(Boss11Volley2);
    kt::ParkAll(Boss71Volley1);
    kt::ParkAll(Boss71Drops9);
    kt::ParkAll(Boss51Arc1);
    kt::ParkAll(Boss31Arc1);
    EXPECT_EQ(Lit(After([] {
                  Boss11Volley2_Draw(0);
                  Boss71Volley1_Draw(0);
                  Boss71Drops9_Draw(0);
                  Boss51Arc1_Draw(0);
                  Boss31Arc1_Draw(0);
              })),
              0);
    EXPECT_EQ(Boss71Drops9[3].animFrame, 4);  // parked slots still step their cells
    EXPECT_EQ(Boss31Arc1[9].animFrame, 10);
}

// Bullets that reach over an edge of the play field show their part inside it.
TEST_F(FallingDrawTest, BulletsAcrossTheFieldsEdgesShowTheirInsidePart) {
    struct Spot {
        f32 x, y;
    };
    for (const Spot at : {Spot{210.0f, 100.0f}, Spot{570.9f, 300.0f}, Spot{300.0f, 590.5f}, Spot{300.0f, -10.0f}}) {
        kt::ParkAll(Boss41Arc1);
        Live(Boss41Arc1[0], at.x, at.y);
        const auto drawn = After([] { Boss41Arc1_Draw(0); });
        EXPECT_GT(Lit(drawn), 0) << at.x << ", " << at.y;
        EXPECT_EQ(drawn, After([&] { elDraw::PutAdd(TruncPos(at.x), TruncPos(at.y), imgVALL20, 0, 0, 20, 20); }));
    }
}

TEST_F(FallingDrawTest, ColumnMembersOverlapInTheirFamilysOrder) {
    kt::ParkAll(Boss71Volley1);
    kt::ParkAll(Boss71Volley2);
    for (i32 m = 0; m < 3; ++m) {
        Live(Boss71Volley1[m], 300.0f + 5.0f * m, 200.0f + 5.0f * m);
        Live(Boss71Volley2[m], 300.0f + 5.0f * m, 200.0f + 5.0f * m);
    }
    const auto firstOnTop = After([] {
        for (i32 m : {2, 1, 0}) elDraw::PutSprite(300 + 5 * m, 200 + 5 * m, imgVAL405, 80 - 40 * m, 0, 120 - 40 * m, 40);
    });
    const auto lastOnTop = After([] {
        for (i32 m : {0, 1, 2}) elDraw::PutSprite(300 + 5 * m, 200 + 5 * m, imgVAL405, 80 - 40 * m, 0, 120 - 40 * m, 40);
    });
    ASSERT_NE(firstOnTop, lastOnTop);
    EXPECT_EQ(After([] { Boss71Volley2_Draw(0); }), firstOnTop);
    EXPECT_EQ(After([] { Boss71Volley1_Draw(0); }), After([] {
                  for (i32 m : {0, 1, 2})
                      elDraw::PutSprite(300 + 5 * m, 200 + 5 * m, imgVAL405, 160 + 40 * m, 0, 200 + 40 * m, 40);
              }));
}

TEST_F(FallingDrawTest, ThePairMemberDrawAddsEveryBulletTwentyTimes) {
    kt::ParkAll(Boss11Volley2);
    Live(Boss11Volley2[6], 300.4f, 200.9f);
    Live(Boss11Volley2[7], 350.0f, 200.0f);
    const auto once = After([] {
        elDraw::PutAdd(300, 200, imgVAL405, 80, 0, 120, 40);
        elDraw::PutAdd(350, 200, imgVAL405, 160, 0, 200, 40);
    });
    const auto twenty = After([] {
        for (i32 pass = 0; pass < 20; ++pass) {
            elDraw::PutAdd(300, 200, imgVAL405, 80, 0, 120, 40);
            elDraw::PutAdd(350, 200, imgVAL405, 160, 0, 200, 40);
        }
    });
    ASSERT_NE(once, twenty);
    EXPECT_EQ(After([] { Boss11Volley2_Draw(0); }), twenty);
}

TEST_F(FallingDrawTest, MemberFramesFollowTheSlotNumber) {
    kt::ParkAll(Boss51Arc1);
    Live(Boss51Arc1[7], 300.0f, 100.0f);
    Boss51Arc1[49].x = 400.0f;  // drawn whatever its state
    Boss51Arc1[49].y = 300.0f;
    const auto drawn = After([] { Boss51Arc1_Draw(0); });
    EXPECT_GT(Lit(drawn), 0);
    EXPECT_EQ(drawn, After([] {
                  elDraw::PutAdd(300, 100, imgVAL402, 80, 0, 120, 40);
                  elDraw::PutAdd(400, 300, imgVAL402, 160, 0, 200, 40);
              }));

    kt::ParkAll(Boss5BArc2);
    Live(Boss5BArc2[7], 300.0f, 100.0f);
    EXPECT_EQ(After([] { Boss5BArc2_Draw(0); }),
              After([] { elDraw::PutSprite(300, 100, imgVAL402_2, 80, 0, 120, 40); }));
}

TEST_F(FallingDrawTest, AnimatedCellsStepAfterEachBlitAndWrap) {
    kt::ParkAll(Boss71Drops1);
    Live(Boss71Drops1[0], 300.0f, 100.0f);
    Boss71Drops1[0].animFrame = 15;
    EXPECT_EQ(After([] { Boss71Drops1_Draw(0); }), After([] { elDraw::PutSprite(300, 100, imgVAL1, 240, 0, 256, 16); }));
    EXPECT_EQ(Boss71Drops1[0].animFrame, 0);

    kt::ParkAll(Boss51Arc6);
    Live(Boss51Arc6[3], 300.0f, 100.0f);
    Boss51Arc6[3].animFrame = 23;
    EXPECT_EQ(After([] { Boss51Arc6_Draw(0); }), After([] { elDraw::PutAdd(300, 100, imgVAL20241, 460, 0, 480, 20); }));
    EXPECT_EQ(Boss51Arc6[3].animFrame, 0);
    EXPECT_EQ(After([] { Boss51Arc6_Draw(0); }), After([] { elDraw::PutAdd(300, 100, imgVAL20241, 0, 0, 20, 20); }));
}

// Over a lit backdrop a colour-keyed copy covers what lies below and an additive one brightens it, so each
// form's sheet, rectangle and blit show in the pixels. Every family draws all its slots; one is placed.
TEST_F(FallingDrawTest, EachFormBlitsItsOwnSheetRectangleAndBlit) {
    const auto onBackdrop = [](const std::function<void()>& draw) {
        elDraw::ClearScreen();
        elDraw::FillRectColor(0, 0, 800, 600, 0x2104);
        draw();
        return Screen();
    };
    struct Case {
        const char* name;
        BulletSlot* slot;
        void (*draw)(i32);
        bool additive;
        const i32* sheet;
        i32 left, right, bottom;
    };
    const Case cases[] = {
        {"Boss11Arm1", &Boss11Arm1[4], Boss11Arm1_Draw, true, &imgVALARM11, 0, 150, 180},
        {"Boss71Arm5", &Boss71Arm5[0], Boss71Arm5_Draw, true, &imgVALARM74, 0, 60, 60},
        {"Boss51Drops1", &Boss51Drops1[1], Boss51Drops1_Draw, false, &imgVAL13, 0, 16, 16},
        {"Boss31Drops2", &Boss31Drops2[0], Boss31Drops2_Draw, false, &imgVAL12, 0, 16, 16},
        {"Boss11Volley3", &Boss11Volley3[4], Boss11Volley3_Draw, false, &imgVALL20, 0, 20, 20},
        {"Boss11Volley5", &Boss11Volley5[3], Boss11Volley5_Draw, true, &imgVALL20, 0, 20, 20},
        {"Boss71Volley3", &Boss71Volley3[2], Boss71Volley3_Draw, true, &imgVAL405, 120, 160, 40},
        {"Boss11Arc1", &Boss11Arc1[13], Boss11Arc1_Draw, true, &imgVAL404, 240, 280, 40},
        {"Boss41Arc4", &Boss41Arc4[8], Boss41Arc4_Draw, true, &imgVALL20, 0, 20, 20},
        {"Boss5BArc1", &Boss5BArc1[8], Boss5BArc1_Draw, false, &imgVALL20, 0, 20, 20},
        {"Boss5BArc3", &Boss5BArc3[9], Boss5BArc3_Draw, false, &imgVAL402_2, 160, 200, 40},
        {"Boss4BArc2", &Boss4BArc2[6], Boss4BArc2_Draw, true, &imgVAL401, 40, 80, 40},
        {"Boss71Arc2", &Boss71Arc2[0], Boss71Arc2_Draw, true, &imgVAL402, 0, 40, 40},
    };
    for (const Case& c : cases) {
        kt::ParkAll(Boss11Arm1);
        kt::ParkAll(Boss71Arm5);
        kt::ParkAll(Boss51Drops1);
        kt::ParkAll(Boss31Drops2);
        kt::ParkAll(Boss11Volley3);
        kt::ParkAll(Boss11Volley5);
        kt::ParkAll(Boss71Volley3);
        kt::ParkAll(Boss11Arc1);
        kt::ParkAll(Boss41Arc4);
        kt::ParkAll(Boss5BArc1);
        kt::ParkAll(Boss5BArc3);
        kt::ParkAll(Boss4BArc2);
        kt::ParkAll(Boss71Arc2);
        Live(*c.slot, 300.7f, 200.2f);
        const auto drawn = onBackdrop([&] { c.draw(0); });
        const auto added = onBackdrop([&] { elDraw::PutAdd(300, 200, *c.sheet, c.left, 0, c.right, c.bottom); });
        const auto copied = onBackdrop([&] { elDraw::PutSprite(300, 200, *c.sheet, c.left, 0, c.right, c.bottom); });
        ASSERT_NE(added, copied) << c.name;
        EXPECT_EQ(drawn, c.additive ? added : copied) << c.name;
    }
}

// Inside a firing window the stage calls the beam's update and then its draw every frame.
TEST_F(FallingDrawTest, ABeamFiresEveryFourthFrameAndShowsThreeImages) {
    Boss51Beam1 = BeamState{0, -500.0f, 2550.0f, 0};
    std::vector<std::vector<u16>> frames;
    std::vector<f32> firedAt;
    for (i32 frame = 0; frame < 8; ++frame) {
        Boss51State.x = 200.0f + frame;
        elDraw::ClearScreen();
        const i32 wasActive = Boss51Beam1.active;
        Boss51Beam1_Update();
        if (wasActive == 0) firedAt.push_back(Boss51Beam1.x);
        Boss51Beam1_Draw();
        frames.push_back(Screen());
    }
    EXPECT_EQ(firedAt, (std::vector<f32>{236.0f, 240.0f}));  // frames 0 and 4, at the boss of that frame
    for (i32 image = 0; image < 3; ++image) {
        EXPECT_EQ(frames[image],
                  After([&] { elDraw::PutAdd(236, 245, imgVALARM51, 90 * image, 0, 90 * image + 90, 400); }))
            << image;
        EXPECT_EQ(frames[4 + image],
                  After([&] { elDraw::PutAdd(240, 245, imgVALARM51, 90 * image, 0, 90 * image + 90, 400); }))
            << image;
    }
    EXPECT_EQ(Lit(frames[3]), 0);
    EXPECT_EQ(Lit(frames[7]), 0);
}

// After the pool reset the flash step holds a random number; a beam still shows its first image on the
// draw that follows its firing.
TEST_F(FallingDrawTest, AFreshBeamStartsItsFlashAtTheFirstImage) {
    for (i32 leftOver : {3, 7, 9}) {
        Boss51Beam2 = BeamState{leftOver, -500.0f, 2550.0f, 0};
        EXPECT_EQ(Lit(After([] { Boss51Beam2_Draw(); })), 0) << "an idle beam draws nothing";
        EXPECT_EQ(Boss51Beam2.frame, leftOver);
        Boss51Beam2_Update();
        EXPECT_EQ(After([] { Boss51Beam2_Draw(); }),
                  After([] { elDraw::PutAdd(454, 245, imgVALARM51, 0, 0, 90, 400); }))
            << leftOver;
        EXPECT_EQ(Boss51Beam2.frame, 1);
    }
}

TEST_F(FallingDrawTest, ABeamStrikesOnlyAsItFiresInsideItsBox) {
    struct Case {
        f32 dx, dy;  // beam corner minus ship corner
        bool hits;
    };
    const Case cases[] = {{-60.0f, 0.0f, true},   {30.0f, 0.0f, true},   {0.0f, -220.0f, true}, {0.0f, 30.0f, true},
                          {-60.01f, 0.0f, false}, {30.5f, 0.0f, false}, {0.0f, -220.5f, false}, {0.0f, 30.5f, false}};
    for (const Case& c : cases) {
        Boss51Beam1 = BeamState{0, -500.0f, 2550.0f, 0};
        PlayerState.x = 236.0f - c.dx;
        PlayerState.y = 245.0f - c.dy;
        PlayerState.alive = 1;
        PlayerState.bombActive = 1;  // the clear flag means nothing to a beam
        Boss51Beam1_Update();
        EXPECT_EQ(PlayerState.alive, c.hits ? 0 : 1) << c.dx << ", " << c.dy;
        EXPECT_EQ(Boss51Beam1.active, 1);
    }
    // A ship that moves into a flashing beam is not struck until the next firing.
    PlayerState.alive = 1;
    PlayerState.x = 236.0f;
    PlayerState.y = 245.0f;
    Boss51Beam1_Update();
    EXPECT_EQ(PlayerState.alive, 1);
}

}  // namespace
