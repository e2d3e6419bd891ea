// The generator itself: it writes exactly the files the game reads, and the same bytes on
// every run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include <unistd.h>

#include "data_files.h"
#include "support/process.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;
using datatest::dataPath;
using datatest::readBytes;

namespace {

// Every data file relative to `root`: the data folders plus the two ship pictures at the top.
std::set<std::string> dataFiles(const fs::path& root) {
    std::set<std::string> out;
    for (const char* dir : {"IMAGE", "SOUND", "MIDI"}) {
        if (!fs::exists(root / dir)) continue;
        for (const auto& e : fs::recursive_directory_iterator(root / dir))
            if (e.is_regular_file()) out.insert(fs::relative(e.path(), root).generic_string());
    }
    for (const char* top : {"MYME1.BMP", "MYME2.BMP"})
        if (fs::exists(root / top)) out.insert(top);
    return out;
}

fs::path runGenerator(const std::string& name) {
    const fs::path dir = fs::path(kt::TempFolder()) / ("kestralis_datagen_" + name);
    std::string said;
    EXPECT_EQ(kt::RunProgram({dataPath("kestralis_datagen"), dir.string()}, &said), 0) << said;
    return dir;
}

TEST(DataGenerator, WritesTheWholeSetAndNothingElse) {
    const std::set<std::string> files = dataFiles(KESTRALIS_BIN_DIR);
    // 151 start-up pictures, the ship, the ship select's two, 2 sounds, 8 tunes.
    EXPECT_EQ(files.size(), 164u);
    int bmp = 0, wav = 0, mid = 0;
    for (const auto& f : files) {
        bmp += f.ends_with(".BMP");
        wav += f.ends_with(".WAV");
        mid += f.ends_with(".MID");
        EXPECT_LE(f.size(), 30u) << f << ": names of 31 characters or more are refused";
    }
    EXPECT_EQ(bmp, 154);
    EXPECT_EQ(wav, 2);
    EXPECT_EQ(mid, 8);
    // Mixed-case names are kept character for character.
    for (const char* f : {"IMAGE/FLZ01_l.BMP", "IMAGE/VAL20w.BMP", "IMAGE/VAL21w.BMP", "IMAGE/VAL30w.BMP"})
        EXPECT_TRUE(files.count(f)) << f;
}

TEST(DataGenerator, SameBytesOnEveryRun) {
    const fs::path a = runGenerator("a");
    const fs::path b = runGenerator("b");
    const std::set<std::string> fa = dataFiles(a), fb = dataFiles(b);
    EXPECT_EQ(fa, fb);
    EXPECT_EQ(fa, dataFiles(KESTRALIS_BIN_DIR));
    for (const auto& f : fa) {
        const auto bytes = readBytes((a / f).string());
        EXPECT_EQ(bytes, readBytes((b / f).string())) << f;
        EXPECT_EQ(bytes, readBytes(dataPath(f))) << f << " differs from the build's copy";
    }
}

TEST(DataGenerator, RefusesAMissingOutputFolderArgument) {
    std::string said;
    EXPECT_NE(kt::RunProgram({dataPath("kestralis_datagen")}, &said), 0);
}

}  // namespace
