// Joysticks 0 and 1, judged against a centre measured at start-up.
#include <cmath>

#include "el/elDraw.h"
#include "el/elInput.h"
#include "el/elSystem.h"
#include "host/backend.h"

namespace elInput {

i32 StickCentreX[2] = {0, 0}, StickCentreY[2] = {0, 0};
StickRecord Sticks[2] = {};

namespace {

// Positions this close to the middle of the range read as the middle itself when the dead zone is asked for.
constexpr i32 kDeadZone = 2048;
constexpr u32 kMiddle = 32767;

struct Reading {
    u32 x, y, buttons;
};

bool ValidStick(i32 n) { return n == 0 || n == 1; }
bool ValidButton(i32 b) { return b >= 1 && b <= 4; }

bool Read(i32 n, bool deadZone, Reading* r) {
    host::backend::StickState s;
    if (!host::backend::ReadStick(n, &s)) return false;
    r->x = s.x;
    r->y = s.y;
    r->buttons = s.buttons;
    if (deadZone) {
        if (std::abs(static_cast<i32>(r->x) - static_cast<i32>(kMiddle)) < kDeadZone) r->x = kMiddle;
        if (std::abs(static_cast<i32>(r->y) - static_cast<i32>(kMiddle)) < kDeadZone) r->y = kMiddle;
    }
    return true;
}

// -1 low, +1 high, 0 centred, against centre c.
i32 Judge(u32 p, i32 c) {
    const i64 v = p;
    if (v <= c / 2) return -1;
    if (v >= c + c / 2) return 1;
    return 0;
}

u32 NextState(u32 s, bool down) {
    if (down) s = s != 0 ? 3 : 1;
    else s = (s == 1 || s == 3) ? 2 : 0;
    if (WipeState.wipeStep != 0 || LibraryPause.on || TextInputMode) s = 0;
    return s;
}

f32 NextHold(f32 h, bool down, f32 rate) {
    if (!down) return 0.0f;
    h += FrameTime * rate;
    return h >= 100.0f ? 100.0f : h;
}

f32 NextAccel(f32 v, i32 d, f32 r) {
    if (d != 0) {
        v += static_cast<f32>(d) * r * FrameTime;
        if (v >= 100.0f) v = 100.0f;
        if (v <= -100.0f) v = -100.0f;
        return v;
    }
    if (v > 0.0f) {
        v -= FrameTime * r;
        if (v < 0.0f) v = 0.0f;
    }
    if (v < 0.0f) {
        v += FrameTime * r;
        if (v > 0.0f) v = 0.0f;
    }
    return v;
}

template <typename T>
void Put(T* p, T v) {
    if (p) *p = v;
}

}  // namespace

void InitJoystick() {
    host::backend::StickCount();  // takes in the sticks plugged in now
    CalibrateJoystick();
    Sticks[0] = StickRecord{};
    Sticks[1] = StickRecord{};
}

void CalibrateJoystick() {
    for (i32 n = 0; n < 2; ++n) {
        Reading r;
        if (Read(n, true, &r)) {
            StickCentreX[n] = static_cast<i32>(r.x);
            StickCentreY[n] = static_cast<i32>(r.y);
        } else {
            StickCentreX[n] = 0;
            StickCentreY[n] = 0;
        }
    }
}

void ClearJoystick() {
    for (StickRecord& s : Sticks) {
        s.accelX = s.accelY = 0.0f;
        for (f32& h : s.holdTime) h = 0.0f;
    }
}

void SetStickValues(i32 n, f32 accelRate, f32 holdRate) {
    if (!ValidStick(n)) return;
    Sticks[n].accelRate = accelRate;
    Sticks[n].holdRate = holdRate;
}

void GetJoystickCentre(i32 n, i32* centreX, i32* centreY) {
    const bool ok = ValidStick(n);
    Put(centreX, ok ? StickCentreX[n] : 0);
    Put(centreY, ok ? StickCentreY[n] : 0);
}

u32 JoyButtonRaw(i32 n, i32 button) {
    Reading r;
    if (!ValidStick(n) || !ValidButton(button) || !Read(n, false, &r)) return 0;
    return (r.buttons >> (button - 1)) & 1u;
}

u32 JoyButton(i32 n, i32 button) {
    Reading r;
    if (!ValidStick(n) || !ValidButton(button) || !Read(n, false, &r)) return 0;
    u32& s = Sticks[n].buttonState[button - 1];
    s = NextState(s, (r.buttons >> (button - 1)) & 1u);
    return s;
}

void JoyButtons(i32 n, u32* b1, u32* b2, u32* b3, u32* b4) {
    u32* out[4] = {b1, b2, b3, b4};
    Reading r;
    const bool ok = ValidStick(n) && Read(n, false, &r);
    for (i32 i = 0; i < 4; ++i) Put(out[i], ok ? (r.buttons >> i) & 1u : 0u);
}

void JoyButtonEdges(i32 n, u32* e1, u32* e2, u32* e3, u32* e4) {
    u32* out[4] = {e1, e2, e3, e4};
    Reading r;
    const bool ok = ValidStick(n) && Read(n, false, &r);
    for (i32 i = 0; i < 4; ++i) {
        if (!ok) {
            Put(out[i], 0u);
            continue;
        }
        u32& s = Sticks[n].buttonState[i];
        s = NextState(s, (r.buttons >> i) & 1u);
        Put(out[i], s);
    }
}

i32 JoyHoldTime(i32 n, i32 button) {
    if (!ValidStick(n) || !ValidButton(button)) return 0;
    StickRecord& st = Sticks[n];
    Reading r;
    if (!Read(n, false, &r)) {
        st.holdTime[button - 1] = 0.0f;
        return 0;
    }
    f32& h = st.holdTime[button - 1];
    h = NextHold(h, (r.buttons >> (button - 1)) & 1u, st.holdRate);
    return static_cast<i32>(h);
}

void JoyHoldTimes(i32 n, i32* h1, i32* h2, i32* h3, i32* h4) {
    i32* out[4] = {h1, h2, h3, h4};
    Reading r;
    const bool ok = ValidStick(n) && Read(n, false, &r);
    for (i32 i = 0; i < 4; ++i) {
        if (!ok) {
            Put(out[i], 0);
            continue;
        }
        f32& h = Sticks[n].holdTime[i];
        h = NextHold(h, (r.buttons >> i) & 1u, Sticks[n].holdRate);
        Put(out[i], static_cast<i32>(h));
    }
}

void JoyAxes(i32 n, i32* dx, i32* dy) {
    Reading r;
    if (!ValidStick(n) || !Read(n, false, &r)) {
        Put(dx, 0);
        Put(dy, 0);
        return;
    }
    Put(dx, Judge(r.x, StickCentreX[n]));
    Put(dy, Judge(r.y, StickCentreY[n]));
}

i32 JoyDirection(i32 n) {
    Reading r;
    if (!ValidStick(n) || !Read(n, true, &r)) return 5;
    static constexpr i32 kPad[3][3] = {
        {7, 4, 1},  // low X: low, centred, high Y
        {8, 5, 2},  // centred X
        {9, 6, 3},  // high X
    };
    return kPad[Judge(r.x, StickCentreX[n]) + 1][Judge(r.y, StickCentreY[n]) + 1];
}

void JoyPosition(i32 n, i32* x, i32* y) {
    Reading r;
    if (!ValidStick(n) || !Read(n, true, &r)) {
        Put(x, 0);
        Put(y, 0);
        return;
    }
    Put(x, static_cast<i32>(r.x));
    Put(y, static_cast<i32>(r.y));
}

void JoyAccel(i32 n, i32* ax, i32* ay) {
    Reading r;
    if (!ValidStick(n) || !Read(n, true, &r)) {
        Put(ax, 0);
        Put(ay, 0);
        return;
    }
    StickRecord& st = Sticks[n];
    st.accelX = NextAccel(st.accelX, Judge(r.x, StickCentreX[n]), st.accelRate);
    st.accelY = NextAccel(st.accelY, Judge(r.y, StickCentreY[n]), st.accelRate);
    Put(ax, static_cast<i32>(st.accelX));
    Put(ay, static_cast<i32>(st.accelY));
}

}  // namespace elInput
