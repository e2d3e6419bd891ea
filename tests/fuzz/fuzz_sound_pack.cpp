// The sound pack: finding an entry, reading its format and samples into an object, and streaming it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "el/elSound.h"
#include "el/elSystem.h"
#include "fuzz_support.h"
#include "host/headless/headless.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::Quiet();
    host::headless::Reset();
    if (elSound::Init() != 1) std::abort();
    elSound::InitObjects();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::WriteInput("P.PAK", data, size);
    std::snprintf(elSound::PackPath, sizeof elSound::PackPath, "%s", path.c_str());
    // Ask for the first entry's own name, as a game would.
    std::string name = "A.WAV";
    if (size > 4) {
        const char* p = reinterpret_cast<const char*>(data) + 4;
        const size_t n = strnlen(p, size - 4);
        if (n < size - 4 && n > 0 && n <= 30) name.assign(p, n);
    }
    const i32 a = elSound::LoadPack(name.c_str(), 2);
    if (a >= 0) {
        elSound::Play(a, -2);
        host::headless::AdvanceMs(3);
        elSound::ReleaseObject(a);
    }
    const i32 s = elSound::LoadStream(name.c_str(), 0);
    if (s >= 0) {
        elSound::Play(s, 0);
        for (int i = 0; i < 4; ++i) {
            host::headless::AdvanceMs(30);
            elSound::Streaming();
        }
        elSound::ReleaseObject(s);
    }
    host::headless::ClearBoxes();
    host::ClearFileReports();
    ErrorFlag = 0;
    return 0;
}
