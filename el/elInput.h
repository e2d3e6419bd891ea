// elInput: joysticks 0 and 1: buttons with press and release edges, hold times, directions and an
// analogue value per axis that grows while the stick is pushed.
#pragma once
#include "host/types.h"

namespace elInput {

struct StickRecord {
    f32 accelX, accelY;   // -100..100
    f32 accelRate;        // units per second of accelX and accelY
    f32 holdTime[4];      // seconds x holdRate that buttons 1..4 have been held, capped at 100
    f32 holdRate;
    u32 buttonState[4];   // KeyState value of buttons 1..4
};

extern i32 StickCentreX[2], StickCentreY[2];
extern StickRecord Sticks[2];

void InitJoystick();
void CalibrateJoystick();
void ClearJoystick();
void SetStickValues(i32 n, f32 accelRate, f32 holdRate);
void GetJoystickCentre(i32 n, i32* centreX, i32* centreY);
u32 JoyButtonRaw(i32 n, i32 button);
u32 JoyButton(i32 n, i32 button);
void JoyButtons(i32 n, u32* b1, u32* b2, u32* b3, u32* b4);
void JoyButtonEdges(i32 n, u32* e1, u32* e2, u32* e3, u32* e4);
i32 JoyHoldTime(i32 n, i32 button);
void JoyHoldTimes(i32 n, i32* h1, i32* h2, i32* h3, i32* h4);
void JoyAxes(i32 n, i32* dx, i32* dy);
i32 JoyDirection(i32 n);
void JoyPosition(i32 n, i32* x, i32* y);
void JoyAccel(i32 n, i32* ax, i32* ay);

}  // namespace elInput
