// The media-control command strings: a few commands per input, one a line, against a small song of the
// harness's own. Names with a slash are left out so that no input reaches beyond the harness's folder.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_support.h"
#include "host/headless/headless.h"
#include "host/mci.h"
#include "host/window.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::Quiet();
    host::headless::Reset();
    // A song of two notes, half a second long.
    const uint8_t song[] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k', 0, 0, 0, 13,
                            0, 0x90, 60, 100, 48, 0x80, 60, 0, 48, 0xFF, 0x2F, 0, 0};
    fuzz::WriteInput("s.mid", song, sizeof song - 1);
    if (chdir(fuzz::Folder().c_str()) != 0) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string all(reinterpret_cast<const char*>(data), size);
    if (all.find('/') != std::string::npos || all.find('\\') != std::string::npos) return -1;
    size_t at = 0;
    for (int i = 0; i < 8 && at <= all.size(); ++i) {
        size_t end = all.find('\n', at);
        if (end == std::string::npos) end = all.size();
        const std::string command = all.substr(at, end - at);
        char answer[64];
        host::MciSendString(command.c_str(), answer, static_cast<u32>(size ? data[0] % sizeof answer : 0), 1);
        host::headless::AdvanceMs(20);  // the song plays on the mixer's clock
        at = end + 1;
    }
    host::MciReset();
    host::ClearQueue();  // the notifications posted on the way
    return 0;
}
