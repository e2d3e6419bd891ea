// The software blitters and the text printer: the additive blit against SDL's own additive blit on the
// same RGB565 surfaces, the rotated bullet draw, and one printed line.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "el/elDraw.h"
#include "el/draw/rotate.h"
#include "el/draw/soft.h"
#include "host/headless/headless.h"
#include "bench_program.h"

namespace {

namespace hl = host::headless;

// A round bullet: a bright core fading out, transparent (0) outside the circle.
std::vector<u16> BulletPixels(i32 n) {
    std::vector<u16> px(static_cast<size_t>(n * n), 0);
    const float c = (n - 1) / 2.0f;
    for (i32 y = 0; y < n; ++y)
        for (i32 x = 0; x < n; ++x) {
            const float d = ((x - c) * (x - c) + (y - c) * (y - c)) / (c * c);
            if (d > 1.0f) continue;
            const u16 v = static_cast<u16>(31 * (1.0f - d));
            px[static_cast<size_t>(y * n + x)] = static_cast<u16>((v << 11) | ((v * 2) << 5) | (v | 1));
        }
    return px;
}

// The screen's pieces without a display: an 800x600 RGB565 back buffer, the tables, the play-field clip.
struct Stage {
    Stage() {
        kb::EndProgram();  // this screen has no display and no program behind it
        hl::Reset();
        hl::SetPitchPadding(0);
        host::SetSurfaceFaultChecks(false);
        BackBuffer = host::CreateSurface(800, 600);
        ScreenWidth = 800;
        ScreenHeight = 600;
        elDraw::ReadPixelFormat(BackBuffer->Layout());
        elDraw::BuildSinTable();
        elDraw::BuildBlendTables();
        elDraw::SetClip(220, 0, 580, 600);
        for (i32 y = 0; y < 600; ++y)
            for (i32 x = 0; x < 800; ++x) BackBuffer->PutPixelAt(x, y, static_cast<u16>((x * 7 + y * 13) & 0x39E7));
    }
    ~Stage() {
        for (i32 i = 0; i < elDraw::kObjectCount; ++i) {
            host::ReleaseSurface(ObjectTable[i].surface);
            elDraw::EmptyObject(i);
        }
        host::ReleaseSurface(BackBuffer);
        BackBuffer = nullptr;
        host::SetSurfaceFaultChecks(true);
    }
    i32 Sheet(i32 n, const std::vector<u16>& px, i32 slot) {
        host::Surface* s = host::CreateSurface(n, n);
        for (i32 y = 0; y < n; ++y)
            for (i32 x = 0; x < n; ++x) s->PutPixelAt(x, y, px[static_cast<size_t>(y * n + x)]);
        ObjectTable[slot].surface = s;
        ObjectTable[slot].name[0] = '*';
        ObjectTable[slot].width = ObjectTable[slot].height = static_cast<u16>(n);
        return slot;
    }
};

// Positions spread over the play field, the same for both blitters.
constexpr i32 kSpots = 64;
i32 SpotX(i32 i) { return 230 + (i * 37) % 300; }
i32 SpotY(i32 i) { return 10 + (i * 53) % 520; }

void BM_PutAdd(benchmark::State& state) {
    const i32 n = static_cast<i32>(state.range(0));
    Stage stage;
    const i32 sheet = stage.Sheet(n, BulletPixels(n), 4);
    i32 i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(elDraw::PutAdd(SpotX(i), SpotY(i), sheet, 0, 0, n, n));
        i = (i + 1) % kSpots;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PutAdd)->Arg(16)->Arg(20)->Arg(24)->Arg(60);

void BM_SdlAdditiveBlit(benchmark::State& state) {
    const i32 n = static_cast<i32>(state.range(0));
    const auto px = BulletPixels(n);
    SDL_Surface* dst = SDL_CreateRGBSurfaceWithFormat(0, 800, 600, 16, SDL_PIXELFORMAT_RGB565);
    SDL_Surface* src = SDL_CreateRGBSurfaceWithFormat(0, n, n, 16, SDL_PIXELFORMAT_RGB565);
    for (i32 y = 0; y < 600; ++y)
        for (i32 x = 0; x < 800; ++x)
            static_cast<u16*>(dst->pixels)[y * dst->pitch / 2 + x] = static_cast<u16>((x * 7 + y * 13) & 0x39E7);
    for (i32 y = 0; y < n; ++y)
        for (i32 x = 0; x < n; ++x) static_cast<u16*>(src->pixels)[y * src->pitch / 2 + x] = px[static_cast<size_t>(y * n + x)];
    SDL_SetSurfaceBlendMode(src, SDL_BLENDMODE_ADD);
    SDL_Rect clip{220, 0, 360, 600};
    SDL_SetClipRect(dst, &clip);
    i32 i = 0;
    for (auto _ : state) {
        SDL_Rect from{0, 0, n, n}, to{SpotX(i), SpotY(i), n, n};
        benchmark::DoNotOptimize(SDL_BlitSurface(src, &from, dst, &to));
        i = (i + 1) % kSpots;
    }
    state.SetItemsProcessed(state.iterations());
    SDL_FreeSurface(src);
    SDL_FreeSurface(dst);
}
BENCHMARK(BM_SdlAdditiveBlit)->Arg(16)->Arg(60);

// The floor under any blend: the same rows copied as plain bytes, with no reading of the destination.
void BM_CopySameBytes(benchmark::State& state) {
    const i32 n = static_cast<i32>(state.range(0));
    Stage stage;
    const i32 sheet = stage.Sheet(n, BulletPixels(n), 4);
    host::Surface* src = ObjectTable[sheet].surface;
    i32 i = 0;
    for (auto _ : state) {
        for (i32 r = 0; r < n; ++r)
            std::memcpy(reinterpret_cast<u8*>(BackBuffer->Bits()) + (SpotY(i) + r) * BackBuffer->Pitch() + SpotX(i) * 2,
                        src->Bits() + r * src->Pitch(), static_cast<size_t>(n) * 2);
        benchmark::ClobberMemory();
        i = (i + 1) % kSpots;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CopySameBytes)->Arg(16)->Arg(60);

// One rotated bullet in a box of its own size, the angle stepping through the circle.
void BM_PutRotate(benchmark::State& state) {
    const i32 n = static_cast<i32>(state.range(0));
    Stage stage;
    const i32 sheet = stage.Sheet(n, BulletPixels(n), 4);
    i32 k = 0;
    for (auto _ : state) {
        const i32 x = SpotX(k % kSpots), y = SpotY(k % kSpots);
        benchmark::DoNotOptimize(elDraw::PutRotate(x, y, x + n, y + n, (k * 7) % 360, sheet, 0, 0, n, n));
        ++k;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PutRotate)->Arg(30)->Arg(16);

// SDL's own software rotated copy (the software renderer drawing into an RGB565 surface), same sizes.
void BM_SdlSoftwareRotate(benchmark::State& state) {
    const i32 n = static_cast<i32>(state.range(0));
    const auto px = BulletPixels(n);
    SDL_Surface* dst = SDL_CreateRGBSurfaceWithFormat(0, 800, 600, 16, SDL_PIXELFORMAT_RGB565);
    SDL_Renderer* r = SDL_CreateSoftwareRenderer(dst);
    SDL_Surface* src = SDL_CreateRGBSurfaceWithFormat(0, n, n, 16, SDL_PIXELFORMAT_RGB565);
    for (i32 y = 0; y < n; ++y)
        for (i32 x = 0; x < n; ++x) static_cast<u16*>(src->pixels)[y * src->pitch / 2 + x] = px[static_cast<size_t>(y * n + x)];
    SDL_SetColorKey(src, SDL_TRUE, 0);
    SDL_Texture* t = SDL_CreateTextureFromSurface(r, src);
    SDL_Rect clip{220, 0, 360, 600};
    SDL_RenderSetClipRect(r, &clip);
    i32 k = 0;
    for (auto _ : state) {
        SDL_Rect to{SpotX(k % kSpots), SpotY(k % kSpots), n, n};
        benchmark::DoNotOptimize(SDL_RenderCopyEx(r, t, nullptr, &to, (k * 7) % 360, nullptr, SDL_FLIP_NONE));
        ++k;
    }
    state.SetItemsProcessed(state.iterations());
    SDL_DestroyTexture(t);
    SDL_DestroyRenderer(r);
    SDL_FreeSurface(src);
    SDL_FreeSurface(dst);
}
BENCHMARK(BM_SdlSoftwareRotate)->Arg(30)->Arg(16);

// 2000 rotated 30x30 bullets in 30x30 boxes at varying angles: one frame's worth of bullet draws.
// Arg 1: a pixel of the sheet is written before every draw, so no turned picture is ever reused: every
// draw turns its box anew, the worst case of the kept pictures.
void BM_PutRotate2000Bullets(benchmark::State& state) {
    Stage stage;
    const i32 sheet = stage.Sheet(30, BulletPixels(30), 4);
    host::Surface* s = ObjectTable[sheet].surface;
    for (auto _ : state) {
        for (i32 k = 0; k < 2000; ++k) {
            if (state.range(0)) s->PutPixelAt(0, 0, s->PixelAt(0, 0));
            const i32 x = SpotX(k), y = SpotY(k);
            benchmark::DoNotOptimize(elDraw::PutRotate(x, y, x + 30, y + 30, (k * 7) % 360, sheet, 0, 0, 30, 30));
        }
    }
    state.SetItemsProcessed(state.iterations() * 2000);
}
BENCHMARK(BM_PutRotate2000Bullets)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One 20-character credit line: a font made, the line printed, the font deleted.
void BM_PrintText20Chars(benchmark::State& state) {
    Stage stage;
    elDraw::EnumFonts();
    const char* line = "STAFF \x83X\x83^\x83\x62\x83t ROLL 2024";  // STAFF スタッフ ROLL 2024
    for (auto _ : state) elDraw::PrintText(280, 180, line);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PrintText20Chars)->Unit(benchmark::kMicrosecond);

}  // namespace
