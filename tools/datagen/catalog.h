// The table of every data file the game reads, and the code that makes their bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "paint.h"

namespace datagen {

struct PictureEntry {
    const char* path;  // as the game writes it, relative to the program folder
    int w, h;
    Painter paint;
    Arg arg;
    Finish finish;
};
const std::vector<PictureEntry>& pictures();

struct OutFile {
    std::string path;
    std::vector<uint8_t> bytes;
};
// Every file of the data set, pictures first, then sounds and music.
std::vector<OutFile> buildAll();

// Sounds (audio.cpp) and music (music.cpp).
std::vector<uint8_t> makeShotWav();
std::vector<uint8_t> makeBombWav();
struct TuneFile {
    const char* path;
    std::vector<uint8_t> bytes;
};
std::vector<TuneFile> makeMusic();

}  // namespace datagen
