// BMP pictures from memory: the header checks and the decoder behind them.
#include <cstddef>
#include <cstdint>

#include "host/bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    host::DecodedBitmap bmp;
    if (host::DecodeBitmap(data, size, &bmp) == host::kBitmapOk) {
        // A picture said to be decoded holds every pixel it claims.
        if (bmp.width <= 0 || bmp.height <= 0 ||
            bmp.rgb.size() != static_cast<size_t>(bmp.width) * static_cast<size_t>(bmp.height))
            __builtin_trap();
    }
    return 0;
}
