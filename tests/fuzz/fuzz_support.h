// What the harnesses share: a scratch file for readers that take a path, and a quiet error path.
#pragma once
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "host/report.h"

namespace fuzz {

// A private folder for the process, made once in the temporary folder (TMPDIR, else /tmp) and removed
// with what it holds when the process exits. A run that ends in a crash or an interrupt skips that; run.sh
// points TMPDIR at a folder of its own and removes it however the run ends.
inline const std::string& Folder() {
    static const std::string folder = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/kestralis-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data())) std::abort();
        return pattern;
    }();
    // Registered after the name is made, so it runs before the name is destroyed.
    static const bool removedAtExit = std::atexit([] {
        std::error_code ec;
        std::filesystem::remove_all(Folder(), ec);
    }) == 0;
    (void)removedAtExit;
    return folder;
}

// Writes the input to a file of the folder and returns its path.
inline std::string WriteInput(const char* name, const uint8_t* data, size_t size) {
    const std::string path = Folder() + "/" + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);
    return path;
}

// The readers meet nothing but damaged data here: keep the failure reports off the terminal.
inline void Quiet() { host::SetFileReportsQuiet(true); }

}  // namespace fuzz
