// The C runtime's small random generator, our own so that every machine draws the same numbers.
#pragma once
#include "host/types.h"

namespace host {

constexpr i32 kRandMax = 32767;
void SRand(u32 seed);
i32 Rand();          // 0..32767
u32 RandState();     // for tests and for saving a replay point

}  // namespace host
