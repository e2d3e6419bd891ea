// Joysticks through scripted headless sticks: calibration, thresholds, button states, hold times,
// the analogue ramp, and refused stick and button numbers.
#include <gtest/gtest.h>

#include <cstring>

#include "el/elDraw.h"
#include "el/elInput.h"
#include "el/elSystem.h"
#include "host/headless/headless.h"
#include "support/headless_machine.h"

namespace hl = host::headless;

namespace {

void SetStick(i32 n, u32 x, u32 y, u32 buttons = 0) {
    host::backend::StickState s;
    s.x = x;
    s.y = y;
    s.buttons = buttons;
    hl::SetStick(n, s);
}

}  // namespace

class JoystickTest : public kt::Headless {
protected:
    void SetUp() override {
        kt::Headless::SetUp();
        WipeState = {};
        LibraryPause = {};
        TextInputMode = 0;
        FrameTime = 0.1f;
        hl::SetStickCount(2);
        SetStick(0, 32767, 32767);
        SetStick(1, 30000, 40000);
        elInput::InitJoystick();
    }
};

TEST_F(JoystickTest, WithoutSticksEverythingReadsZero) {
    hl::SetStickCount(0);
    elInput::InitJoystick();
    i32 cx = 9, cy = 9, x = 9, y = 9;
    elInput::GetJoystickCentre(0, &cx, &cy);
    EXPECT_EQ(cx + cy, 0);
    EXPECT_EQ(elInput::JoyDirection(0), 5);
    EXPECT_EQ(elInput::JoyButton(0, 1), 0u);
    elInput::JoyPosition(1, &x, &y);
    EXPECT_EQ(x + y, 0);
    elInput::JoyAccel(0, &x, &y);
    EXPECT_EQ(x + y, 0);
    EXPECT_EQ(elInput::JoyHoldTime(0, 2), 0);
}

TEST_F(JoystickTest, CalibratedCentresAndTheDeadZone) {
    i32 cx, cy;
    elInput::GetJoystickCentre(0, &cx, &cy);
    EXPECT_EQ(cx, 32767);
    EXPECT_EQ(cy, 32767);
    elInput::GetJoystickCentre(1, &cx, &cy);
    EXPECT_EQ(cx, 30000);
    EXPECT_EQ(cy, 40000);
    // A stick resting just off the middle reads as the middle where the dead zone is asked for.
    SetStick(0, 32767 + 500, 32767 - 700);
    i32 x, y;
    elInput::JoyPosition(0, &x, &y);
    EXPECT_EQ(x, 32767);
    EXPECT_EQ(y, 32767);
}

TEST_F(JoystickTest, ThresholdsAroundCentre32767) {
    i32 dx, dy;
    const struct {
        u32 x;
        i32 want;
    } cases[] = {{16383, -1}, {16384, 0}, {49149, 0}, {49150, 1}, {0, -1}, {65535, 1}};
    for (const auto& c : cases) {
        SetStick(0, c.x, 32767);
        elInput::JoyAxes(0, &dx, &dy);
        EXPECT_EQ(dx, c.want) << c.x;
        EXPECT_EQ(dy, 0);
    }
    const struct {
        u32 x, y;
        i32 digit;
    } pad[] = {{32767, 0, 8}, {32767, 65535, 2}, {65535, 0, 9}, {65535, 32767, 6}, {65535, 65535, 3},
               {0, 0, 7},     {0, 32767, 4},     {0, 65535, 1}, {32767, 32767, 5}};
    for (const auto& p : pad) {
        SetStick(0, p.x, p.y);
        EXPECT_EQ(elInput::JoyDirection(0), p.digit) << p.x << "," << p.y;
    }
}

TEST_F(JoystickTest, ButtonStatesFollowTheKeyboardsFourValues) {
    std::vector<u32> seen;
    for (u32 down : {1u, 1u, 1u, 0u, 0u, 1u, 0u, 1u}) {
        SetStick(0, 32767, 32767, down << 2);  // button 3
        seen.push_back(elInput::JoyButton(0, 3));
    }
    EXPECT_EQ(seen, (std::vector<u32>{1, 3, 3, 2, 0, 1, 2, 3})) << "pressed right after a release reads 3";
    SetStick(0, 32767, 32767, 0b1011);
    u32 e[4];
    elInput::JoyButtonEdges(0, &e[0], &e[1], &e[2], &e[3]);
    EXPECT_EQ(e[0], 1u);
    EXPECT_EQ(e[1], 1u);
    EXPECT_EQ(e[2], 2u);
    EXPECT_EQ(e[3], 1u);
    u32 r[4];
    elInput::JoyButtons(0, &r[0], &r[1], &r[2], &r[3]);
    EXPECT_EQ(r[0] + r[1] + r[2] + r[3], 3u);
    EXPECT_EQ(elInput::JoyButtonRaw(0, 4), 1u);
    EXPECT_EQ(elInput::JoyButtonRaw(0, 3), 0u);
    // While a wipe runs every button reads 0 and 0 is stored: a button held across it reads as a press.
    WipeState.wipeStep = 3;
    EXPECT_EQ(elInput::JoyButton(0, 1), 0u);
    WipeState.wipeStep = 0;
    EXPECT_EQ(elInput::JoyButton(0, 1), 1u);
    LibraryPause.on = 1;
    EXPECT_EQ(elInput::JoyButton(0, 1), 0u);
}

TEST_F(JoystickTest, HoldTimeIsCapped) {
    elInput::SetStickValues(0, 0.0f, 30.0f);
    SetStick(0, 32767, 32767, 0b0001);
    EXPECT_EQ(elInput::JoyHoldTime(0, 1), 3);
    for (int i = 0; i < 100; ++i) elInput::JoyHoldTime(0, 1);
    EXPECT_EQ(elInput::JoyHoldTime(0, 1), 100);
    i32 h[4];
    elInput::JoyHoldTimes(0, &h[0], &h[1], &h[2], &h[3]);
    EXPECT_EQ(h[0], 100);
    EXPECT_EQ(h[1], 0);
    SetStick(0, 32767, 32767, 0);
    EXPECT_EQ(elInput::JoyHoldTime(0, 1), 0);
    SetStick(0, 32767, 32767, 0b0001);
    elInput::JoyHoldTime(0, 1);
    hl::SetStickCount(0);
    EXPECT_EQ(elInput::JoyHoldTime(0, 1), 0);
    EXPECT_EQ(elInput::Sticks[0].holdTime[0], 0.0f) << "an unreadable stick clears the hold time";
}

TEST_F(JoystickTest, AccelerationRampsAndDecays) {
    elInput::SetStickValues(0, 50.0f, 0.0f);
    SetStick(0, 65535, 0);
    i32 ax = 0, ay = 0;
    for (int i = 0; i < 19; ++i) elInput::JoyAccel(0, &ax, &ay);
    EXPECT_EQ(ax, 95);
    EXPECT_EQ(ay, -95);
    for (int i = 0; i < 10; ++i) elInput::JoyAccel(0, &ax, &ay);
    EXPECT_EQ(ax, 100) << "two seconds at rate 50 reach 100 and stay";
    EXPECT_EQ(ay, -100);
    SetStick(0, 32767, 32767);
    elInput::JoyAccel(0, &ax, &ay);
    EXPECT_EQ(ax, 95);
    EXPECT_EQ(ay, -95);
    for (int i = 0; i < 25; ++i) elInput::JoyAccel(0, &ax, &ay);
    EXPECT_EQ(ax, 0) << "falls back to zero and not beyond";
    EXPECT_EQ(ay, 0);
    elInput::Sticks[0].accelX = 40.0f;
    elInput::ClearJoystick();
    EXPECT_EQ(elInput::Sticks[0].accelX, 0.0f);
}

TEST_F(JoystickTest, OtherSticksAndButtonsAreRefusedWithoutTouchingState) {
    SetStick(0, 32767, 32767, 0b1111);
    const elInput::StickRecord before0 = elInput::Sticks[0];
    EXPECT_EQ(elInput::JoyButton(2, 1), 0u);
    EXPECT_EQ(elInput::JoyButton(-1, 1), 0u);
    EXPECT_EQ(elInput::JoyButton(0, 0), 0u);
    EXPECT_EQ(elInput::JoyButton(0, 5), 0u);
    EXPECT_EQ(elInput::JoyButtonRaw(0, 5), 0u);
    EXPECT_EQ(elInput::JoyHoldTime(0, 9), 0);
    EXPECT_EQ(elInput::JoyDirection(7), 5);
    elInput::SetStickValues(3, 1.0f, 1.0f);
    i32 a = 7, b = 7;
    elInput::JoyAccel(2, &a, &b);
    EXPECT_EQ(a + b, 0);
    elInput::GetJoystickCentre(5, &a, &b);
    EXPECT_EQ(a + b, 0);
    EXPECT_EQ(std::memcmp(&before0, &elInput::Sticks[0], sizeof before0), 0);
    elInput::JoyButtons(0, nullptr, nullptr, nullptr, nullptr);  // null outputs are skipped
}
