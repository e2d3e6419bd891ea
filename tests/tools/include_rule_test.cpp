// The include check over small made-up trees: a clean one passes, every kind of wrong include is named.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <utility>

#include <sys/wait.h>

#include "support/headless_machine.h"
#include "support/process.h"

namespace fs = std::filesystem;

namespace {

// A tree whose includes all point down.
const std::pair<const char*, const char*> kCleanTree[] = {
    {"host/types.h", ""},
    {"host/crt.cpp", "#include \"host/types.h\"\n"},
    {"el/elDraw.h", "#include \"host/types.h\"\n"},
    {"game/common/state.h", "#include \"el/elDraw.h\"\n"},
    {"game/enemy/szak1.h", "#include \"game/common/state.h\"\n"},
    {"game/bossfire/ring.h", "#include \"game/common/state.h\"\n"},
    {"game/player/laser.cpp", "#include \"game/enemy/szak1.h\"\n"},
    {"game/stage/frame.cpp", "#include \"game/bossfire/ring.h\"\n#include \"game/player/laser.h\"\n"},
    {"game/shell/main.cpp", "  #  include \"game/stage/frame.h\"  // spaced\n"},
};

class IncludeRuleTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = kt::TempFolder();
        for (const auto& [name, text] : kCleanTree) Write(name, text);
    }
    void Write(const std::string& name, const std::string& text) {
        fs::create_directories((fs::path(root_) / name).parent_path());
        std::ofstream(fs::path(root_) / name, std::ios::app) << text;
    }
    // Runs the check; returns its exit status and fills `out` with what it printed.
    int Check(std::string& out) {
        return kt::RunProgram({"bash", std::string(KESTRALIS_SOURCE_DIR) + "tools/check_includes.sh", root_}, &out);
    }
    std::string root_;
};

TEST_F(IncludeRuleTest, ACleanTreePasses) {
    std::string out;
    EXPECT_EQ(Check(out), 0) << out;
    EXPECT_EQ(out, "");
}

TEST_F(IncludeRuleTest, EachWrongDirectionIsNamed) {
    const std::pair<const char*, const char*> wrong[] = {
        {"host/crt.cpp", "el/elDraw.h"},                    // the platform layer reaching into the library
        {"host/crt.cpp", "game/common/state.h"},            // ... or the game
        {"el/elDraw.h", "game/common/state.h"},             // the library reaching into the game
        {"game/common/state.h", "game/player/player.h"},    // the ground floor reaching up
        {"game/player/laser.cpp", "game/shell/shell.h"},    // a weapon reaching up to the shell
        {"game/enemy/szak1.h", "game/stage/frame.h"},       // an enemy reaching up to the stage
        {"game/bossfire/ring.h", "game/stage/boss.h"},
        {"game/enemy/szak1.h", "game/bossfire/ring.h"},     // sideways, both ways
        {"game/bossfire/ring.h", "game/enemy/szak1.h"},
    };
    for (const auto& [file, inc] : wrong) {
        SetUp();
        Write(file, std::string("#include \"") + inc + "\"\n");
        std::string out;
        EXPECT_EQ(Check(out), 1) << file << " -> " << inc;
        EXPECT_NE(out.find(std::string(file) + ": "), std::string::npos) << out;
        EXPECT_NE(out.find(inc), std::string::npos) << out;
    }
}

TEST_F(IncludeRuleTest, UnitsThatIncludeEachOtherMakeACircle) {
    // The ship's unit includes its death unit, whose code includes the ship's header back.
    Write("game/player/player.cpp", "#include \"game/player/player.h\"\n#include \"game/player/death.h\"\n");
    Write("game/player/death.cpp", "#include \"game/player/death.h\"\n#include \"game/player/player.h\"\n");
    std::string out;
    EXPECT_EQ(Check(out), 1);
    EXPECT_NE(out.find("include circle"), std::string::npos) << out;
    EXPECT_NE(out.find("game/player/death"), std::string::npos) << out;

    // Through its own header alone a unit is no circle, and the ship's state in a header of its own
    // breaks this one.
    SetUp();
    Write("game/player/player.cpp", "#include \"game/player/player.h\"\n#include \"game/player/death.h\"\n");
    Write("game/player/death.cpp", "#include \"game/player/death.h\"\n#include \"game/common/player_state.h\"\n");
    EXPECT_EQ(Check(out), 0) << out;
}

}  // namespace
