// kestralis_datagen: writes the stand-in pictures, sounds and music beside the program.
// Usage: kestralis_datagen OUTPUT_FOLDER
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "catalog.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argc > 0 ? argv[0] : "kestralis_datagen");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const std::filesystem::path root = argv[1];
    const std::vector<datagen::OutFile> files = datagen::buildAll();
    size_t total = 0;
    for (const auto& f : files) {
        const std::filesystem::path p = root / f.path;
        std::error_code ec;
        std::filesystem::create_directories(p.parent_path(), ec);
        std::ofstream out(p, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(f.bytes.data()), static_cast<std::streamsize>(f.bytes.size()));
        out.close();
        if (!out) {
            std::fprintf(stderr, "kestralis_datagen: cannot write %s\n", p.string().c_str());
            return 1;
        }
        total += f.bytes.size();
    }
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    std::printf("kestralis_datagen: %zu files, %zu bytes in %s (%lld ms)\n", files.size(), total, argv[1],
                static_cast<long long>(ms));
    return 0;
}
