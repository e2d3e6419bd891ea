// RIFF files and the WAVE reader over them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "host/riff.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    {
        host::RiffReader r;
        r.OpenMemory(data, size);
        host::WaveFormat* format = nullptr;
        u8* samples = nullptr;
        u32 formatSize = 0, dataSize = 0;
        if (host::ReadWave(r, &format, &formatSize, &samples, &dataSize)) {
            if (formatSize < 18) __builtin_trap();
            // Every byte handed out must be readable.
            volatile u8 sink = 0;
            for (u32 i = 0; i < formatSize; ++i) sink = sink ^ reinterpret_cast<const u8*>(format)[i];
            if (dataSize) sink = sink ^ samples[0] ^ samples[dataSize - 1];
        }
        std::free(format);
        std::free(samples);
    }
    // The chunk walk on its own: descend into everything, find what is asked for.
    host::RiffReader r;
    r.OpenMemory(data, size);
    host::RiffChunk top;
    if (r.Descend(&top)) {
        host::RiffChunk c;
        for (int i = 0; i < 64 && r.Descend(&c, &top); ++i) {
            u8 head[16];
            r.Read(head, c.size < sizeof head ? c.size : sizeof head);
            if (!r.Ascend(c)) break;
        }
        r.Seek(12);
        r.FindChunk(host::FourCC('d', 'a', 't', 'a'), &c, &top);
        r.Seek(12);
        r.FindForm(host::FourCC('I', 'N', 'F', 'O'), &c, &top);
    }
    return 0;
}
