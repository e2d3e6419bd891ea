// A fresh headless machine with the sound library started and every object free, and a private folder
// beside the test program for the files a test writes.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "el/elSound.h"
#include "el/elSystem.h"
#include "el/sound_files.h"
#include "host/headless/headless.h"
#include "support/headless_machine.h"

namespace kt {

class SoundFixture : public Headless {
protected:
    void SetUp() override {
        Headless::SetUp();
        ErrorFlag = 0;
        ASSERT_EQ(elSound::Init(), 1u);
        elSound::InitObjects();
    }
    void TearDown() override {
        for (int i = 0; i < elSound::kObjectCount; ++i) elSound::ReleaseObject(i);
        elSound::ReleaseAll();
    }
    // Whether a message box shown so far holds `utf8`.
    static bool BoxSays(const char* utf8) {
        for (const auto& b : host::headless::Boxes())
            if (b.text.find(utf8) != std::string::npos) return true;
        return false;
    }

    ProgramSubfolder dir;
};

}  // namespace kt
