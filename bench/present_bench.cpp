// The present on a real display: an 800x600 16-bit picture handed to an SDL2 window through a streaming
// texture, windowed (800x600) and full screen (scaled to the desktop). Needs a display (DISPLAY set, for
// instance a virtual X server); without one the benchmarks say so and skip.
//
//   Upload565   the picture copied to a second surface first, then SDL_UpdateTexture into an RGB565
//               texture (SDL's own copy, and the driver's conversion behind it)
//   Direct565   SDL_UpdateTexture straight from the picture, no copy beforehand
//   Lock565     the texture locked and the rows written straight into it, no copy beforehand
//   LockXrgb    the texture in the display's own 32-bit format, locked and each row converted in place
//   SoftXrgb    as LockXrgb, drawn by SDL's software renderer instead of OpenGL
//   Surface     no renderer: the picture converted and scaled into the window's own memory (X shared
//               memory) by host::WindowScale, as the program does where OpenGL is not drawn by a GPU
// and, needing no display, the conversion and the scaler alone.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "host/present.h"
#include "host/surface.h"

namespace {

enum class Way { Upload565, Direct565, Lock565, LockXrgb, SoftXrgb, Surface };

struct Window {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    bool Open(bool fullScreen, Way way) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
        Uint32 flags = SDL_WINDOW_SHOWN;
        if (fullScreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
        window = SDL_CreateWindow("present", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600, flags);
        if (!window) return false;
        if (way == Way::Surface) {
            SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
            return SDL_GetWindowSurface(window) != nullptr;
        }
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
        renderer = SDL_CreateRenderer(window, -1, way == Way::SoftXrgb ? SDL_RENDERER_SOFTWARE : SDL_RENDERER_ACCELERATED);
        if (!renderer) return false;
        SDL_RenderSetLogicalSize(renderer, 800, 600);
        texture = SDL_CreateTexture(renderer, way == Way::LockXrgb || way == Way::SoftXrgb ? SDL_PIXELFORMAT_XRGB8888 : SDL_PIXELFORMAT_RGB565,
                                    SDL_TEXTUREACCESS_STREAMING, 800, 600);
        return texture != nullptr;
    }
    ~Window() {
        if (texture) SDL_DestroyTexture(texture);
        if (renderer) SDL_DestroyRenderer(renderer);
        if (window) SDL_DestroyWindow(window);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
};

void Present(benchmark::State& state, Way way) {
    const bool fullScreen = state.range(0) != 0;
    Window w;
    if (!w.Open(fullScreen, way)) {
        state.SkipWithError("no display");
        return;
    }
    host::Surface* back = host::CreateSurface(800, 600);
    host::Surface* primary = host::CreateSurface(800, 600);
    for (i32 y = 0; y < 600; ++y)
        for (i32 x = 0; x < 800; ++x) back->PutPixelAt(x, y, static_cast<u16>(x * 7 + y * 13));
    const u8* bits = back->Bits();
    const i32 pitch = back->Pitch();
    host::WindowScale scale;
    for (auto _ : state) {
        if (way == Way::Surface) {
            SDL_Surface* ws = SDL_GetWindowSurface(w.window);
            if (host::WindowScale_Fit(&scale, 800, 600, ws->w, ws->h))
                host::WindowScale_Clear(scale, static_cast<u32*>(ws->pixels), ws->pitch);
            host::WindowScale_Draw(&scale, reinterpret_cast<const u16*>(bits), pitch, true, static_cast<u32*>(ws->pixels), ws->pitch);
            SDL_UpdateWindowSurface(w.window);
            continue;
        }
        if (way == Way::Upload565) {
            for (i32 y = 0; y < 600; ++y) std::memcpy(primary->Bits() + y * pitch, bits + y * pitch, 1600);
            SDL_UpdateTexture(w.texture, nullptr, primary->Bits(), pitch);
        } else if (way == Way::Direct565) {
            SDL_UpdateTexture(w.texture, nullptr, bits, pitch);
        } else {
            void* out = nullptr;
            int outPitch = 0;
            SDL_LockTexture(w.texture, nullptr, &out, &outPitch);
            if (way == Way::Lock565) {
                for (i32 y = 0; y < 600; ++y)
                    std::memcpy(static_cast<u8*>(out) + y * outPitch, bits + y * pitch, 1600);
            } else {
                host::ConvertToXrgb8888(reinterpret_cast<const u16*>(bits), pitch, 800, 600, true,
                                        static_cast<u32*>(out), outPitch);
            }
            SDL_UnlockTexture(w.texture);
        }
        SDL_RenderClear(w.renderer);
        SDL_RenderCopy(w.renderer, w.texture, nullptr, nullptr);
        SDL_RenderPresent(w.renderer);
    }
    host::ReleaseSurface(back);
    host::ReleaseSurface(primary);
}

void BM_PresentUpload565(benchmark::State& state) { Present(state, Way::Upload565); }
void BM_PresentDirect565(benchmark::State& state) { Present(state, Way::Direct565); }
void BM_PresentLock565(benchmark::State& state) { Present(state, Way::Lock565); }
void BM_PresentLockXrgb(benchmark::State& state) { Present(state, Way::LockXrgb); }
void BM_PresentSoftXrgb(benchmark::State& state) { Present(state, Way::SoftXrgb); }
void BM_PresentSurface(benchmark::State& state) { Present(state, Way::Surface); }
BENCHMARK(BM_PresentUpload565)->ArgName("fullscreen")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_PresentDirect565)->ArgName("fullscreen")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_PresentLock565)->ArgName("fullscreen")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_PresentLockXrgb)->ArgName("fullscreen")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_PresentSoftXrgb)->ArgName("fullscreen")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_PresentSurface)->ArgName("fullscreen")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The conversion alone: one 800x600 picture into 32-bit pixels.
void BM_ConvertToXrgb8888(benchmark::State& state) {
    host::Surface* back = host::CreateSurface(800, 600);
    std::vector<u32> out(800 * 600);
    for (auto _ : state) {
        host::ConvertToXrgb8888(reinterpret_cast<const u16*>(back->Bits()), back->Pitch(), 800, 600, true, out.data(),
                                800 * 4);
        benchmark::ClobberMemory();
    }
    host::ReleaseSurface(back);
}
BENCHMARK(BM_ConvertToXrgb8888)->Unit(benchmark::kMicrosecond);

// The scaler alone: the 800x600 picture into a window of the given size (unscaled, the 1280x1024 desktop,
// an odd scale), the bars drawn once beforehand as the program does.
void BM_WindowScale(benchmark::State& state) {
    const i32 ww = static_cast<i32>(state.range(0)), wh = static_cast<i32>(state.range(1));
    host::Surface* back = host::CreateSurface(800, 600);
    for (i32 y = 0; y < 600; ++y)
        for (i32 x = 0; x < 800; ++x) back->PutPixelAt(x, y, static_cast<u16>(x * 7 + y * 13));
    std::vector<u32> window(static_cast<size_t>(ww) * static_cast<size_t>(wh));
    host::WindowScale scale;
    host::WindowScale_Fit(&scale, 800, 600, ww, wh);
    host::WindowScale_Clear(scale, window.data(), ww * 4);
    for (auto _ : state) {
        host::WindowScale_Draw(&scale, reinterpret_cast<const u16*>(back->Bits()), back->Pitch(), true, window.data(), ww * 4);
        benchmark::ClobberMemory();
    }
    host::ReleaseSurface(back);
}
BENCHMARK(BM_WindowScale)->ArgNames({"w", "h"})->Args({800, 600})->Args({1280, 1024})->Args({997, 613})->Unit(benchmark::kMicrosecond);

}  // namespace
