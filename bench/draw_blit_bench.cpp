// The screen's hot paths: keyed sprite copies (against SDL2's own colour-keyed blitter on the very same
// RGB565 surfaces), the per-frame clear and present, and the start-up of the screen with its tables.
//
// The surface layer's fault checks are turned off here: the real backend never fails a point, so the
// program never pays for the headless backend's bookkeeping of them.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include "el/elDraw.h"
#include "el/elSystem.h"
#include "host/headless/headless.h"
#include "host/surface.h"
#include "host/window.h"
#include "bench_program.h"

namespace {

// A sheet of 60x60 and 16x16 cells, about half of every cell the colour key (black).
i32 SpriteSheet() {
    const i32 no = elDraw::CreateObject(240, 120, 1);
    host::Surface* s = ObjectTable[no].surface;
    for (i32 y = 0; y < 120; ++y)
        for (i32 x = 0; x < 240; ++x) {
            const i32 cx = x % 60 - 30, cy = y % 60 - 30;
            const bool inside = cx * cx + cy * cy < 26 * 26;
            s->PutPixelAt(x, y, inside ? static_cast<u16>(0x0841 * ((x + y) % 31 + 1)) : 0);
        }
    return no;
}

// Positions spread over the play field, all inside the ClipRect so both blitters draw whole sprites.
struct Spots {
    i32 x[64], y[64];
    explicit Spots(i32 size) {
        for (i32 i = 0; i < 64; ++i) {
            x[i] = 220 + (i * 37) % (360 - size);
            y[i] = (i * 53) % (600 - size);
        }
    }
};

void BM_PutSpriteKeyed(benchmark::State& state) {
    const i32 size = static_cast<i32>(state.range(0));
    kb::BareMachine();
    elDraw::Screen(800, 600, 2);
    elDraw::SetClip(220, 0, 580, 600);
    const i32 sheet = SpriteSheet();
    const Spots spots(size);
    i32 i = 0;
    for (auto _ : state) {
        elDraw::PutSprite(spots.x[i], spots.y[i], sheet, 0, 0, size, size);
        i = (i + 1) & 63;
    }
    benchmark::DoNotOptimize(BackBuffer->PixelAt(300, 300));
    state.SetItemsProcessed(state.iterations());
    kb::EndBareMachine();
}
BENCHMARK(BM_PutSpriteKeyed)->Arg(60)->Arg(16);

void BM_SdlBlitSurfaceKeyed(benchmark::State& state) {
    const i32 size = static_cast<i32>(state.range(0));
    kb::BareMachine();
    elDraw::Screen(800, 600, 2);
    const i32 sheet = SpriteSheet();
    host::Surface* src = ObjectTable[sheet].surface;
    // SDL surfaces over the same memory, in the same RGB565 format.
    SDL_Surface* back = SDL_CreateRGBSurfaceWithFormatFrom(BackBuffer->Bits(), 800, 600, 16, BackBuffer->Pitch(),
                                                           SDL_PIXELFORMAT_RGB565);
    SDL_Surface* spr = SDL_CreateRGBSurfaceWithFormatFrom(src->Bits(), src->Width(), src->Height(), 16, src->Pitch(),
                                                          SDL_PIXELFORMAT_RGB565);
    SDL_SetColorKey(spr, SDL_TRUE, 0);
    SDL_Rect clip{220, 0, 360, 600};
    SDL_SetClipRect(back, &clip);
    const Spots spots(size);
    i32 i = 0;
    for (auto _ : state) {
        SDL_Rect sr{0, 0, size, size};
        SDL_Rect dr{spots.x[i], spots.y[i], size, size};
        SDL_BlitSurface(spr, &sr, back, &dr);
        i = (i + 1) & 63;
    }
    benchmark::DoNotOptimize(BackBuffer->PixelAt(300, 300));
    state.SetItemsProcessed(state.iterations());
    SDL_FreeSurface(spr);
    SDL_FreeSurface(back);
    kb::EndBareMachine();
}
BENCHMARK(BM_SdlBlitSurfaceKeyed)->Arg(60)->Arg(16);

void BM_ClearScreen(benchmark::State& state) {
    kb::BareMachine();
    elDraw::Screen(800, 600, 2);
    for (auto _ : state) elDraw::ClearScreen();
    kb::EndBareMachine();
}
BENCHMARK(BM_ClearScreen);

// One present of the 800x600 back buffer (no wipe, no vertical-blank wait): the copy to the primary
// surface and the hand-over of the frame to the backend (the headless one keeps a copy).
void BM_Flip(benchmark::State& state) {
    kb::BareMachine();
    elDraw::Screen(800, 600, 2);
    for (auto _ : state) elDraw::Flip();
    kb::EndBareMachine();
}
BENCHMARK(BM_Flip);

// A frame of a reveal wipe of kind 3: up to one row copy per screen row, then the present.
void BM_FlipWithTornReveal(benchmark::State& state) {
    kb::BareMachine();
    elDraw::Screen(800, 600, 2);
    for (auto _ : state) {
        WipeState = WipeRecord{3, 20, -1, 26};
        elDraw::Flip();
    }
    WipeState = WipeRecord{};
    kb::EndBareMachine();
}
BENCHMARK(BM_FlipWithTornReveal);

// The whole set-up: display, surfaces, internal objects, pixel format, sine and blend tables, and the
// other modules' start-up; then the shutdown, so every round starts alike.
void BM_ScreenStartUp(benchmark::State& state) {
    kb::BareMachine();
    for (auto _ : state) {
        elDraw::Screen(800, 600, 2);
        state.PauseTiming();
        kb::EndBareMachine();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ScreenStartUp)->Unit(benchmark::kMillisecond);

// The blend tables alone (built once per set-up).
void BM_BuildBlendTables(benchmark::State& state) {
    kb::BareMachine();
    elDraw::Screen(800, 600, 2);
    for (auto _ : state) {
        elDraw::BuildSinTable();
        elDraw::BuildBlendTables();
    }
    kb::EndBareMachine();
}
BENCHMARK(BM_BuildBlendTables)->Unit(benchmark::kMillisecond);

}  // namespace
