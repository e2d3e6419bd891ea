// What the harnesses share: a scratch file for readers that take a path, and a quiet error path.
#pragma once
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/report.h"

namespace fuzz {

// A private folder for the process, made once.
inline const std::string& Folder() {
    static const std::string folder = [] {
        char pattern[] = "/tmp/kestralis-fuzz-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made) std::abort();
        return std::string(made);
    }();
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
