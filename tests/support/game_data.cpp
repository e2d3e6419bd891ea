#include "support/game_data.h"

#include <filesystem>
#include <string>

#include "host/files.h"

namespace kt {

void LinkGameData() {
    namespace fs = std::filesystem;
    char folder[4096];
    if (!host::ModuleFolder(folder, sizeof folder)) return;
    const fs::path here(folder);
    const fs::path data(KESTRALIS_BIN_DIR);
    std::error_code same;
    if (fs::equivalent(here, data, same)) return;
    for (const char* name : {"IMAGE", "SOUND", "MIDI", "MYME1.BMP", "MYME2.BMP"}) {
        const fs::path link = here / name;
        std::error_code ec;
        if (fs::exists(fs::symlink_status(link, ec))) continue;
        if (fs::is_directory(data / name, ec)) {
            fs::create_directory_symlink(data / name, link, ec);
        } else {
            fs::create_symlink(data / name, link, ec);
        }
    }
}

}  // namespace kt
