// A fresh headless machine for each test: virtual clock, empty queue, no faults, a private runtime folder.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "host/headless/headless.h"

namespace kt {

// Resets the headless backend and the layer's queue, and points the single-instance lock at a private
// folder so that tests never meet each other's locks.
void FreshMachine();
// A new empty folder under the system's temporary folder; removed at exit.
std::string TempFolder();
// Runs the program's pump until `pred` holds or `maxSteps` messages/passes went by. False on timeout.
template <class Pred>
bool PumpUntil(Pred pred, int maxSteps = 100000);
bool PumpOnce(int* exitCode = nullptr);

class Headless : public ::testing::Test {
protected:
    void SetUp() override { FreshMachine(); }
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
