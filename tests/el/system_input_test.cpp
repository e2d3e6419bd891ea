// The window procedure's input state and the per-frame key state machine.
#include <gtest/gtest.h>

#include "el/elDraw.h"
#include "el/elSystem.h"
#include "host/headless/headless.h"
#include "host/window.h"
#include "support/headless_machine.h"

namespace hl = host::headless;

namespace {

// Takes every waiting message from the queue and hands it to the window procedure, as the pump does.
void Drain() {
    host::Message m;
    while (host::PeekMessage(&m)) {
        if (m.message == host::kMsgQuit) break;
        elSystem::WindowProc(m.window, m.message, m.wParam, m.lParam);
    }
}

std::vector<u32> g_keys;

}  // namespace

class InputTest : public kt::Headless {
protected:
    void SetUp() override {
        kt::Headless::SetUp();
        // The program's key handler in its simplest form: the key becomes the last key.
        elSystem::SetGameHooks({[](u32 key) { LastKey = key; }, {}});
        elSystem::ResetGlobals();
        WipeState = {};
        LibraryPause = {};
        TextInputMode = 0;  // an earlier test may have left text entry on
        g_keys.clear();
    }
};

TEST_F(InputTest, KeyStateFollowsTheQueueNotTheKeyboard) {
    u32 st = 0;
    hl::KeyDown('C');
    elSystem::UpdateKeyState('C', &st);
    EXPECT_EQ(st, 0u) << "the key-down message has not been taken yet";
    Drain();
    elSystem::UpdateKeyState('C', &st);
    EXPECT_EQ(st, 1u);
    elSystem::UpdateKeyState('C', &st);
    EXPECT_EQ(st, 3u);
    hl::KeyUp('C');
    Drain();
    elSystem::UpdateKeyState('C', &st);
    EXPECT_EQ(st, 2u);
    hl::KeyDown('C');  // pressed again in the frame right after the release
    Drain();
    elSystem::UpdateKeyState('C', &st);
    EXPECT_EQ(st, 3u);
    hl::KeyUp('C');
    Drain();
    elSystem::UpdateKeyState('C', &st);
    elSystem::UpdateKeyState('C', &st);
    EXPECT_EQ(st, 0u);
}

TEST_F(InputTest, KeyStateReadsZeroWhileAWipeOrThePauseOrTextEntryRuns) {
    u32 st = 0;
    hl::KeyDown('V');
    Drain();
    WipeState.wipeStep = 5;
    elSystem::UpdateKeyState('V', &st);
    EXPECT_EQ(st, 0u);
    WipeState.wipeStep = 0;
    elSystem::UpdateKeyState('V', &st);
    EXPECT_EQ(st, 1u) << "a key held across the wipe reads as a new press";
    LibraryPause.on = 1;
    elSystem::UpdateKeyState('V', &st);
    EXPECT_EQ(st, 0u);
    LibraryPause.on = 0;
    elSystem::BeginTextInput();
    elSystem::UpdateKeyState('V', &st);
    EXPECT_EQ(st, 0u);
}

TEST_F(InputTest, GenericShiftIsDownWhileEitherSideIs) {
    hl::KeyDown(16, 1);
    hl::KeyDown(16, 2);
    hl::KeyUp(16, 1);
    Drain();
    EXPECT_TRUE(host::GetKeyState(16) & 0x8000);
    EXPECT_FALSE(host::GetKeyState(host::kVkLShift) & 0x8000);
    EXPECT_TRUE(host::GetKeyState(host::kVkRShift) & 0x8000);
    hl::KeyUp(16, 2);
    Drain();
    EXPECT_FALSE(host::GetKeyState(16) & 0x8000);
    EXPECT_EQ(ShiftToggle, 0u) << "two Shift releases flip it twice";
}

TEST_F(InputTest, KeyUpClearsTheKeysItReleases) {
    LastKey = 'Y';
    PauseKey = 'Y';
    TextKey = 'Q';
    elSystem::SetWatchKey('Y');
    elSystem::WindowProc(1, host::kMsgKeyUp, 'Y', 0);
    EXPECT_EQ(LastKey, 0u);
    EXPECT_EQ(PauseKey, 0u);
    EXPECT_EQ(TextKey, 'Q');
    EXPECT_EQ(elSystem::GetWatchKeyCount(), 1u);
}

TEST_F(InputTest, SystemKeysAreSwallowedAfterInit) {
    elSystem::Init();
    EXPECT_EQ(elSystem::WindowProc(1, host::kMsgSysKeyDown, 115, 0), 0);  // Alt+F4
    EXPECT_EQ(LastKey, 0u);
    elSystem::SetSysKeyMode(2);
    elSystem::WindowProc(1, host::kMsgSysKeyDown, 18, 0);
    EXPECT_EQ(LastKey, 0u);
    elSystem::WindowProc(1, host::kMsgSysKeyDown, 'X', 0);
    EXPECT_EQ(LastKey, static_cast<u32>('X'));
}

TEST_F(InputTest, TextEntryTakesKeysAndClicks) {
    elSystem::BeginTextInput();
    elSystem::WindowProc(1, host::kMsgKeyDown, 'A', 0);
    EXPECT_EQ(TextKey, static_cast<u32>('A'));
    EXPECT_EQ(LastKey, 0u);
    elSystem::WindowProc(1, host::kMsgLButtonDown, 0, host::MakeLParam(3, 4));
    EXPECT_EQ(MouseButtons.leftDown, 0u);
    EXPECT_EQ(TextClick(), 1u);
    LastKey = 'Z';
    elSystem::EndTextInput();
    EXPECT_EQ(LastKey, 0u);
}

TEST_F(InputTest, MouseButtonsAndDoubleClicks) {
    host::WindowClass wc{"DEFAULT", elSystem::WindowProc, true};
    host::RegisterWindowClass(wc);
    ASSERT_NE(host::CreateMainWindow("DEFAULT", "KESTRALIS", true, 800, 600), 0u);
    hl::MouseMove(100, 200);
    hl::Button(1, true, 100, 200);
    hl::Button(1, false, 100, 200);
    hl::AdvanceMs(300);
    hl::Button(1, true, 103, 202);  // within 500 ms and 4 pixels: a double click
    Drain();
    EXPECT_EQ(MouseX, 100);
    EXPECT_EQ(MouseY, 200);
    EXPECT_EQ(MouseButtons.leftDouble, 1u);
    EXPECT_EQ(MouseButtons.leftPressed, 1u);  // from the first press
    EXPECT_EQ(MouseButtons.leftDown, 0u);     // the double click is not a button-down
    hl::Button(1, false, 103, 202);
    hl::AdvanceMs(600);
    hl::Button(2, true, 0, 0);
    Drain();
    EXPECT_EQ(MouseButtons.rightDown, 1u);
    EXPECT_EQ(MouseButtons.buttonHeld, 2u);
    EXPECT_EQ(MouseButtons.lastButton, 2u);
    hl::Button(2, false, 0, 0);
    Drain();
    EXPECT_EQ(MouseButtons.buttonHeld, 0u);
    EXPECT_EQ(MouseButtons.lastButton, 2u);
}

TEST_F(InputTest, MoveGivesSignedOriginAndTheClientRect) {
    ScreenWidth = 800;
    ScreenHeight = 600;
    elSystem::WindowProc(1, host::kMsgMove, 0, host::MakeLParam(0xFFF6, 32768));
    EXPECT_EQ(ClientOrigin.x, -10);
    EXPECT_EQ(ClientOrigin.y, 32768);
    EXPECT_EQ(ClientRect.right, 790);
    EXPECT_EQ(ClientRect.bottom, 33368);
}

TEST_F(InputTest, WaitAnyInputReportsAfterPressAndRelease) {
    const u32 codes[] = {'A', 1};
    EXPECT_EQ(elSystem::WaitAnyInput(codes, 2), 0u);  // arms
    LastKey = StickyKey = 'A';
    EXPECT_EQ(elSystem::WaitAnyInput(codes, 2), 0u);  // matched, still held
    LastKey = 0;
    EXPECT_EQ(elSystem::WaitAnyInput(codes, 2), static_cast<u32>('A'));
    EXPECT_EQ(StickyKey, 0u);
    // The left button, pressed and released between two polls.
    MouseButtons.lastButton = 1;
    EXPECT_EQ(elSystem::WaitAnyInput(codes, 2), 1u);
    // A key not in the list is never reported.
    StickyKey = 'B';
    EXPECT_EQ(elSystem::WaitAnyInput(codes, 2), 0u);
}
