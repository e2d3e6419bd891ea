#include "host/crt.h"

namespace host {
namespace {
u32 g_state = 1;
}

void SRand(u32 seed) { g_state = seed; }

i32 Rand() {
    g_state = g_state * 214013u + 2531011u;
    return static_cast<i32>((g_state >> 16) & 0x7FFF);
}

u32 RandState() { return g_state; }

}  // namespace host
