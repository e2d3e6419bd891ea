// The memory after a surface's last row: wide reads that start at the last pixel (the rotated draw
// gathers 4-byte words at 2-byte pixels) must stay inside the surface's own allocation. Under
// AddressSanitizer a read past the allocation fails the run.
#include <gtest/gtest.h>

#include <cstring>

#include "host/surface.h"
#include "support/headless_machine.h"

namespace {

class SurfaceSlack : public kt::Headless {};

TEST_F(SurfaceSlack, BytesAfterTheLastRowBelongToTheSurfaceAndStayZero) {
    const i32 padding = host::SurfacePitchPadding();
    for (i32 pad : {0, 4}) {
        host::SetSurfacePitchPadding(pad);
        // Even widths leave no room at the end of the last row; odd ones two bytes.
        for (i32 w : {1, 2, 16, 30, 31, 800}) {
            host::Surface* s = host::CreateSurface(w, 3);
            ASSERT_NE(s, nullptr);
            const host::Rect all{0, 0, w, 3};
            ASSERT_EQ(host::FillRect(s, all, 0xFFFF), host::kSurfaceOk);
            const volatile u8* end = s->Bits() + static_cast<size_t>(s->Pitch()) * 3;
            for (size_t k = 0; k < host::kSurfaceTailSlack; ++k)
                EXPECT_EQ(end[k], 0) << "width " << w << ", padding " << pad << ", byte " << k;
            // A 4-byte word read at the last pixel, as a gather does.
            const u8* last = s->Bits() + static_cast<size_t>(s->Pitch()) * 2 + static_cast<size_t>(w - 1) * 2;
            u32 word = 0;
            std::memcpy(&word, last, sizeof word);
            EXPECT_EQ(word & 0xFFFFu, 0xFFFFu);
            host::ReleaseSurface(s);
        }
    }
    host::SetSurfacePitchPadding(padding);
}

}  // namespace
