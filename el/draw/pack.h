// The image pack: many 15-bit pictures in one file, found by name and loaded into sprite objects.
#pragma once
#include "host/types.h"

extern char PackFilePath[512];

namespace elDraw {
void SetPackFile(const char* name);
i32 LoadPack(const char* name, i32 mem);
i32 SwapPack(const char* name, i32 objectNo, i32 mem);
i32 Convert(const char* pack, const char* folder, i32 fresh);
void ConvertOne(const char* pack, const char* name);
}  // namespace elDraw
