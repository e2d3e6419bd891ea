// A fresh headless machine for each test: virtual clock, empty queue, no faults, a private runtime folder.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "host/headless/headless.h"
#include "support/temp_folder.h"

namespace kt {

// Resets the headless backend and the layer's queue, and points the single-instance lock at a private
// folder so that tests never meet each other's locks. A window or lock an earlier test of the process left
// behind is closed and given back first: a fresh machine runs no copy of the program. The frame gate starts
// again from the reset clock.
void FreshMachine();
// Ends whatever a test started of the program, as the end of its process would: the library shut down
// (screen, sounds, the audio thread, the single-instance lock), the window closed and the queue emptied,
// with the library left ready to be started, and ended, once more by the next test of the same process.
void EndProgram();
// Runs the program's pump until `pred` holds or `maxSteps` messages/passes went by. False on timeout.
template <class Pred>
bool PumpUntil(Pred pred, int maxSteps = 100000);
bool PumpOnce(int* exitCode = nullptr);

class Headless : public ::testing::Test {
protected:
    void SetUp() override { FreshMachine(); }
};

// A fresh machine for tests that drive the program's window by keys.
class HeadlessWindow : public Headless {
protected:
    // Hands every waiting message to the window procedure (DispatchMessage) without running a pass.
    static void Drain();
    // A key pressed and held (LastKey keeps it until the release), or released; the messages handed on.
    static void Hold(i32 vk);
    static void Release(i32 vk);
};

template <class Pred>
bool PumpUntil(Pred pred, int maxSteps) {
    for (int i = 0; i < maxSteps; ++i) {
        if (pred()) return true;
        if (!PumpOnce()) return pred();
    }
    return pred();
}

}  // namespace kt
