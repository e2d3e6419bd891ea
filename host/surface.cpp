// 16-bit surfaces, their copies, fills, locks and the RGB view of their pixels.
#include "host/surface.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

#include "host/backend.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace host {
namespace {

constexpr i32 kMaxSide = 8192;

PixelFormatKind g_kind = PixelFormatKind::Rgb565;
i32 g_padding = 0;
bool g_faultChecks = true;
std::vector<Surface*>& Live() {
    static std::vector<Surface*> live;
    return live;
}

bool Faulty(const char* point) { return g_faultChecks && backend::Fault(point); }

// A channel described by its mask: position of the lowest bit and number of bits.
struct Channel {
    i32 shift = 0, bits = 0;
};
Channel ChannelOf(u32 mask) {
    if (mask == 0) return {};
    return {std::countr_zero(mask), std::popcount(mask)};
}

// Squeezes an 8-bit channel value to `bits` bits by truncation.
u32 Narrow(u32 v8, i32 bits) { return bits >= 8 ? v8 : v8 >> (8 - bits); }

// Widens a `bits`-bit channel value to 8 bits by repeating its top bits below it.
u32 Widen(u32 v, i32 bits) {
    if (bits <= 0) return 0;
    if (bits >= 8) return v & 0xFF;
    u32 out = 0;
    i32 filled = 0;
    while (filled < 8) {
        const i32 room = 8 - filled;
        out |= room >= bits ? v << (room - bits) : v >> (bits - room);
        filled += bits;
    }
    return out & 0xFF;
}

bool InsideSurface(const Surface* s, i32 l, i32 t, i32 r, i32 b) {
    return l >= 0 && t >= 0 && l < r && t < b && r <= s->Width() && b <= s->Height();
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

u16* Row(u8* bits, i32 pitch, i32 y) { return reinterpret_cast<u16*>(bits + static_cast<ptrdiff_t>(pitch) * y); }
const u16* Row(const u8* bits, i32 pitch, i32 y) {
    return reinterpret_cast<const u16*>(bits + static_cast<ptrdiff_t>(pitch) * y);
}

// One row of a keyed copy. Written as a select so the compiler turns it into vector compares and blends.
inline void KeyedRow(u16* __restrict d, const u16* __restrict s, i32 n, u16 key) {
    for (i32 i = 0; i < n; ++i) {
        const u16 p = s[i];
        d[i] = p != key ? p : d[i];
    }
}

// The rows of a keyed copy between two different surfaces, whole registers at a time. A row's last
// pixels are taken as the last whole register of the row, overlapping the one before: a keyed copy writes
// a pixel from its source pixel and the destination pixel as it was, so the overlap gets the same values
// twice. That register is read before the row is written and stored after it (a read of memory just
// written in part would wait for the write). Rows narrower than a register go through the plain loop.
#if defined(__SSE2__)
inline __m128i Keyed8(const u16* s, const u16* d, __m128i k) {
    const __m128i sv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s));
    const __m128i keep = _mm_cmpeq_epi16(sv, k);
    return _mm_or_si128(_mm_and_si128(keep, _mm_loadu_si128(reinterpret_cast<const __m128i*>(d))), _mm_andnot_si128(keep, sv));
}

void KeyedRowsSse2(u8* db, i32 dp, const u8* sb, i32 sp, i32 w, i32 h, u16 key) {
    const __m128i k = _mm_set1_epi16(static_cast<short>(key));
    for (i32 j = 0; j < h; ++j) {
        u16* d = reinterpret_cast<u16*>(db + static_cast<ptrdiff_t>(dp) * j);
        const u16* s = reinterpret_cast<const u16*>(sb + static_cast<ptrdiff_t>(sp) * j);
        if (w < 8) {
            KeyedRow(d, s, w, key);
            continue;
        }
        const bool tail = w % 8 != 0;
        const __m128i last = tail ? Keyed8(s + w - 8, d + w - 8, k) : k;
        for (i32 i = 0; i + 8 <= w; i += 8) _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), Keyed8(s + i, d + i, k));
        if (tail) _mm_storeu_si128(reinterpret_cast<__m128i*>(d + w - 8), last);
    }
}
#endif

#if defined(__x86_64__) && defined(__GNUC__)
#define Avx2 __attribute__((target("avx2")))
Avx2 inline __m256i Keyed16(const u16* s, const u16* d, __m256i k) {
    const __m256i sv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s));
    return _mm256_blendv_epi8(sv, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d)), _mm256_cmpeq_epi16(sv, k));
}

Avx2 void KeyedRowsAvx2(u8* db, i32 dp, const u8* sb, i32 sp, i32 w, i32 h, u16 key) {
    if (w < 16) return KeyedRowsSse2(db, dp, sb, sp, w, h, key);
    const __m256i k = _mm256_set1_epi16(static_cast<short>(key));
    for (i32 j = 0; j < h; ++j) {
        u16* d = reinterpret_cast<u16*>(db + static_cast<ptrdiff_t>(dp) * j);
        const u16* s = reinterpret_cast<const u16*>(sb + static_cast<ptrdiff_t>(sp) * j);
        const bool tail = w % 16 != 0;
        const __m256i last = tail ? Keyed16(s + w - 16, d + w - 16, k) : k;
        for (i32 i = 0; i + 16 <= w; i += 16)
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i), Keyed16(s + i, d + i, k));
        if (tail) _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + w - 16), last);
    }
}
#undef Avx2
// Wide registers when the processor has them, decided once when the program loads.
const bool WideKeyed = (__builtin_cpu_init(), __builtin_cpu_supports("avx2"));
#endif

void KeyedRows(u8* db, i32 dp, const u8* sb, i32 sp, i32 w, i32 h, u16 key) {
#if defined(__x86_64__) && defined(__GNUC__)
    if (WideKeyed) return KeyedRowsAvx2(db, dp, sb, sp, w, h, key);
#endif
#if defined(__SSE2__)
    KeyedRowsSse2(db, dp, sb, sp, w, h, key);
#else
    for (i32 j = 0; j < h; ++j)
        KeyedRow(reinterpret_cast<u16*>(db + static_cast<ptrdiff_t>(dp) * j),
                 reinterpret_cast<const u16*>(sb + static_cast<ptrdiff_t>(sp) * j), w, key);
#endif
}

// Checks shared by the copies: both surfaces usable, not locked, not lost.
i32 CheckPair(const Surface* dst, const Surface* src) {
    if (!dst || !src) return kSurfaceFailed;
    if (dst->IsLost() || src->IsLost()) return kSurfaceLost;
    if (dst->IsLocked() || src->IsLocked()) return kSurfaceBusy;
    return kSurfaceOk;
}

}  // namespace

void SetPixelFormatKind(PixelFormatKind kind) { g_kind = kind; }
PixelFormatKind CurrentPixelFormatKind() { return g_kind; }

PixelLayout LayoutOf(PixelFormatKind kind) {
    PixelLayout l;
    l.bitCount = 16;
    if (kind == PixelFormatKind::Rgb555) {
        l.rMask = 0x7C00;
        l.gMask = 0x03E0;
        l.bMask = 0x001F;
    } else {
        l.rMask = 0xF800;
        l.gMask = 0x07E0;
        l.bMask = 0x001F;
    }
    return l;
}

void SetSurfacePitchPadding(i32 bytes) { g_padding = (std::clamp(bytes, 0, 4096) + 3) & ~3; }
i32 SurfacePitchPadding() { return g_padding; }
void SetSurfaceFaultChecks(bool on) { g_faultChecks = on; }

u16 RgbToPixel(const PixelLayout& layout, u32 rgb) {
    const Channel r = ChannelOf(layout.rMask), g = ChannelOf(layout.gMask), b = ChannelOf(layout.bMask);
    const u32 pr = Narrow(rgb & 0xFF, r.bits) << r.shift;
    const u32 pg = Narrow((rgb >> 8) & 0xFF, g.bits) << g.shift;
    const u32 pb = Narrow((rgb >> 16) & 0xFF, b.bits) << b.shift;
    return static_cast<u16>((pr & layout.rMask) | (pg & layout.gMask) | (pb & layout.bMask));
}

u32 PixelToRgb(const PixelLayout& layout, u16 pixel) {
    const Channel r = ChannelOf(layout.rMask), g = ChannelOf(layout.gMask), b = ChannelOf(layout.bMask);
    const u32 vr = r.bits ? (pixel & layout.rMask) >> r.shift : 0;
    const u32 vg = g.bits ? (pixel & layout.gMask) >> g.shift : 0;
    const u32 vb = b.bits ? (pixel & layout.bMask) >> b.shift : 0;
    return Widen(vr, r.bits) | (Widen(vg, g.bits) << 8) | (Widen(vb, b.bits) << 16);
}

// ---- Surface ---------------------------------------------------------------------------------------

Surface::~Surface() { delete[] bits_; }

void Surface::Changed() {
    static u64 last = 0;
    version_ = ++last;
}

i32 Surface::Lock(LockInfo* out) { return LockFor(out, true); }
i32 Surface::LockToRead(LockInfo* out) { return LockFor(out, false); }

i32 Surface::LockFor(LockInfo* out, bool writing) {
    if (!out) return kSurfaceFailed;
    if (Faulty("SurfaceLost")) LoseAllSurfaces();
    if (lost_) return kSurfaceLost;
    if (Faulty("LockSurface")) return kSurfaceFailed;
    if (writing) Changed();
    ++lockCount_;
    out->bits = bits_;
    out->pitch = pitch_;
    out->width = width_;
    out->height = height_;
    out->layout = layout_;
    return kSurfaceOk;
}

i32 Surface::Unlock() {
    if (lockCount_ <= 0) return kSurfaceNotLocked;
    --lockCount_;
    return kSurfaceOk;
}

i32 Surface::SetColorKey(u16 key) {
    hasKey_ = true;
    key_ = key;
    return kSurfaceOk;
}

i32 Surface::ClearColorKey() {
    hasKey_ = false;
    key_ = 0;
    return kSurfaceOk;
}

i32 Surface::GetColorKey(u16* out) const {
    if (!hasKey_) return kSurfaceNoColorKey;
    if (out) *out = key_;
    return kSurfaceOk;
}

i32 Surface::Restore() {
    if (!lost_) return kSurfaceOk;
    std::memset(bits_, 0, static_cast<size_t>(pitch_) * static_cast<size_t>(height_));
    lost_ = false;
    Changed();
    return kSurfaceOk;
}

void Surface::MarkLost() {
    lost_ = true;
    lockCount_ = 0;  // the lock went with the memory
    Changed();
}

u16 Surface::PixelAt(i32 x, i32 y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return Row(bits_, pitch_, y)[x];
}

void Surface::PutPixelAt(i32 x, i32 y, u16 value) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    Row(bits_, pitch_, y)[x] = value;
    Changed();
}

Surface* CreateSurface(i32 width, i32 height, bool primary) {
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return nullptr;
    if (Faulty("CreateSurface")) return nullptr;
    // Rows stay 4-byte aligned, as display memory always was; the padding comes on top.
    const i32 pitch = ((width * 2 + 3) & ~3) + g_padding;
    const size_t bytes = static_cast<size_t>(pitch) * static_cast<size_t>(height);
    u8* mem = new (std::nothrow) u8[bytes + kSurfaceTailSlack]();
    if (!mem) return nullptr;
    Surface* s = new (std::nothrow) Surface();
    if (!s) {
        delete[] mem;
        return nullptr;
    }
    s->width_ = width;
    s->height_ = height;
    s->pitch_ = pitch;
    s->layout_ = LayoutOf(g_kind);
    s->primary_ = primary;
    s->bits_ = mem;
    s->Changed();
    Live().push_back(s);
    return s;
}

void ReleaseSurface(Surface* s) {
    if (!s) return;
    auto& live = Live();
    live.erase(std::remove(live.begin(), live.end(), s), live.end());
    delete s;
}

i32 LiveSurfaceCount() { return static_cast<i32>(Live().size()); }

void LoseAllSurfaces() {
    for (Surface* s : Live()) s->MarkLost();
}

// ---- copies and fills ------------------------------------------------------------------------------

namespace {

// The checks every blit starts with: both surfaces usable, the injected faults, the source rectangle
// inside its surface.
i32 StartBlit(const Surface* dst, const Surface* src, const Rect& sr) {
    if (i32 rc = CheckPair(dst, src); rc != kSurfaceOk) return rc;
    if (Faulty("SurfaceLost")) {
        LoseAllSurfaces();
        return kSurfaceLost;
    }
    if (Faulty("Blit")) return kSurfaceFailed;
    if (!InsideSurface(src, sr.left, sr.top, sr.right, sr.bottom)) return kSurfaceInvalidRect;
    return kSurfaceOk;
}

}  // namespace

i32 CheckCopy(const Surface* dst, const Surface* src, const Rect& sr) { return StartBlit(dst, src, sr); }

void CopyKeyedRows(u8* dst, i32 dstPitch, const u8* src, i32 srcPitch, i32 w, i32 h, u16 key) {
    KeyedRows(dst, dstPitch, src, srcPitch, w, h, key);
}

i32 CopyRect(Surface* dst, i32 x, i32 y, Surface* src, const Rect& sr, bool keyed) {
    if (i32 rc = StartBlit(dst, src, sr); rc != kSurfaceOk) return rc;
    const i32 w = sr.right - sr.left, h = sr.bottom - sr.top;
    // x + w and y + h cannot overflow: w and h are at most kMaxSide, and x, y are checked first.
    if (x < 0 || y < 0 || x > dst->Width() - w || y > dst->Height() - h) return kSurfaceInvalidRect;
    u16 key = 0;
    if (keyed && src->GetColorKey(&key) != kSurfaceOk) return kSurfaceNoColorKey;

    const i32 sp = src->Pitch(), dp = dst->Pitch();
    const Rect dr{x, y, x + w, y + h};
    if (dst == src && Overlap(sr, dr)) {
        // Copy through a scratch picture so overlapping moves read the old pixels.
        std::vector<u16> tmp(static_cast<size_t>(w) * static_cast<size_t>(h));
        for (i32 j = 0; j < h; ++j)
            std::memcpy(&tmp[static_cast<size_t>(j) * w], Row(std::as_const(*src).Bits(), sp, sr.top + j) + sr.left, size_t(w) * 2);
        for (i32 j = 0; j < h; ++j) {
            u16* d = Row(dst->Bits(), dp, y + j) + x;
            const u16* s = &tmp[static_cast<size_t>(j) * w];
            if (keyed)
                KeyedRow(d, s, w, key);
            else
                std::memcpy(d, s, size_t(w) * 2);
        }
        return kSurfaceOk;
    }
    const u8* sb = std::as_const(*src).Bits();
    u8* db = dst->Bits();
    if (keyed) {
        KeyedRows(reinterpret_cast<u8*>(Row(db, dp, y) + x), dp, reinterpret_cast<const u8*>(Row(sb, sp, sr.top) + sr.left),
                  sp, w, h, key);
    } else {
        for (i32 j = 0; j < h; ++j) std::memcpy(Row(db, dp, y + j) + x, Row(sb, sp, sr.top + j) + sr.left, size_t(w) * 2);
    }
    return kSurfaceOk;
}

i32 StretchRect(Surface* dst, const Rect& dr, Surface* src, const Rect& sr, bool keyed) {
    if (i32 rc = StartBlit(dst, src, sr); rc != kSurfaceOk) return rc;
    if (!InsideSurface(dst, dr.left, dr.top, dr.right, dr.bottom)) return kSurfaceInvalidRect;
    u16 key = 0;
    if (keyed && src->GetColorKey(&key) != kSurfaceOk) return kSurfaceNoColorKey;
    const i32 sw = sr.right - sr.left, sh = sr.bottom - sr.top;
    const i32 dw = dr.right - dr.left, dh = dr.bottom - dr.top;
    if (sw == dw && sh == dh) return CopyRect(dst, dr.left, dr.top, src, sr, keyed);

    // The source rectangle is copied out first, so a stretch within one surface reads old pixels.
    std::vector<u16> tmp(static_cast<size_t>(sw) * static_cast<size_t>(sh));
    for (i32 j = 0; j < sh; ++j)
        std::memcpy(&tmp[static_cast<size_t>(j) * sw], Row(std::as_const(*src).Bits(), src->Pitch(), sr.top + j) + sr.left, size_t(sw) * 2);
    std::vector<i32> col(static_cast<size_t>(dw));
    for (i32 i = 0; i < dw; ++i) col[i] = static_cast<i32>(static_cast<i64>(i) * sw / dw);
    for (i32 j = 0; j < dh; ++j) {
        const i32 sy = static_cast<i32>(static_cast<i64>(j) * sh / dh);
        const u16* s = &tmp[static_cast<size_t>(sy) * sw];
        u16* d = Row(dst->Bits(), dst->Pitch(), dr.top + j) + dr.left;
        for (i32 i = 0; i < dw; ++i) {
            const u16 p = s[col[i]];
            if (!keyed || p != key) d[i] = p;
        }
    }
    return kSurfaceOk;
}

i32 FillRect(Surface* dst, const Rect& r, u16 pixel) {
    if (!dst) return kSurfaceFailed;
    if (dst->IsLost()) return kSurfaceLost;
    if (dst->IsLocked()) return kSurfaceBusy;
    if (Faulty("FillSurface")) return kSurfaceFailed;
    if (!InsideSurface(dst, r.left, r.top, r.right, r.bottom)) return kSurfaceInvalidRect;
    const i32 w = r.right - r.left;
    for (i32 j = r.top; j < r.bottom; ++j) {
        u16* d = Row(dst->Bits(), dst->Pitch(), j) + r.left;
        if (pixel == 0)
            std::memset(d, 0, size_t(w) * 2);
        else
            std::fill_n(d, w, pixel);
    }
    return kSurfaceOk;
}

// ---- the device-context view -------------------------------------------------------------------------

u32 GetPixelRgb(const Surface* s, i32 x, i32 y) {
    if (!s || s->IsLost() || x < 0 || y < 0 || x >= s->Width() || y >= s->Height()) return kInvalidRgb;
    return PixelToRgb(s->Layout(), s->PixelAt(x, y));
}

u32 SetPixelRgb(Surface* s, i32 x, i32 y, u32 rgb) {
    if (!s || s->IsLost() || x < 0 || y < 0 || x >= s->Width() || y >= s->Height()) return kInvalidRgb;
    const u16 p = RgbToPixel(s->Layout(), rgb & 0x00FFFFFF);
    s->PutPixelAt(x, y, p);
    return PixelToRgb(s->Layout(), p);
}

namespace {

// Widening repeats a channel's top bits below it, as PixelToRgb does: five bits v become v·8 + v/4, six
// bits v·4 + v/16. Plain arithmetic, so the compiler widens many pixels at once.
inline u32 Widen565(u32 p) {
    const u32 r = p >> 11, g = (p >> 5) & 63, b = p & 31;
    return ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
}
inline u32 Widen555(u32 p) {
    const u32 r = (p >> 10) & 31, g = (p >> 5) & 31, b = p & 31;
    return ((r << 3 | r >> 2) << 16) | ((g << 3 | g >> 2) << 8) | (b << 3 | b >> 2);
}

__attribute__((target_clones("avx2", "default")))
void WidenRow565(const u16* __restrict s, u32* __restrict d, i32 n) {
    for (i32 x = 0; x < n; ++x) d[x] = Widen565(s[x]);
}
__attribute__((target_clones("avx2", "default")))
void WidenRow555(const u16* __restrict s, u32* __restrict d, i32 n) {
    for (i32 x = 0; x < n; ++x) d[x] = Widen555(s[x]);
}

}  // namespace

void ConvertToXrgb8888(const u16* src, i32 srcPitch, i32 width, i32 height, bool rgb565, u32* dst, i32 dstPitch) {
    for (i32 y = 0; y < height; ++y) {
        const u16* s = reinterpret_cast<const u16*>(reinterpret_cast<const u8*>(src) + static_cast<ptrdiff_t>(srcPitch) * y);
        u32* d = reinterpret_cast<u32*>(reinterpret_cast<u8*>(dst) + static_cast<ptrdiff_t>(dstPitch) * y);
        if (rgb565) WidenRow565(s, d, width);
        else WidenRow555(s, d, width);
    }
}

namespace {

// RgbToPixel with the channels' places worked out once, for a whole picture.
struct Packer {
    u32 drop[3], shift[3], mask[3];
    explicit Packer(const PixelLayout& l) {
        const u32 masks[3] = {l.rMask, l.gMask, l.bMask};
        for (i32 c = 0; c < 3; ++c) {
            const Channel ch = ChannelOf(masks[c]);
            drop[c] = ch.bits >= 8 ? 0 : static_cast<u32>(8 - ch.bits);
            shift[c] = static_cast<u32>(ch.shift);
            mask[c] = masks[c];
        }
    }
    u16 operator()(u32 rgb) const {
        return static_cast<u16>(((((rgb & 0xFF) >> drop[0]) << shift[0]) & mask[0]) |
                                (((((rgb >> 8) & 0xFF) >> drop[1]) << shift[1]) & mask[1]) |
                                (((((rgb >> 16) & 0xFF) >> drop[2]) << shift[2]) & mask[2]));
    }
};

}  // namespace

i32 CopyBitmapToSurface(Surface* dst, const Bitmap& bmp, i32 sx, i32 sy, i32 sw, i32 sh) {
    if (!dst || !bmp.rgb || bmp.width <= 0 || bmp.height <= 0) return kSurfaceFailed;
    if (dst->IsLost()) return kSurfaceLost;
    if (dst->IsLocked()) return kSurfaceBusy;
    if (sw == 0) sw = bmp.width;
    if (sh == 0) sh = bmp.height;
    if (sx < 0 || sy < 0 || sw <= 0 || sh <= 0 || sx > bmp.width - sw || sy > bmp.height - sh) return kSurfaceInvalidRect;
    const i32 dw = dst->Width(), dh = dst->Height();
    const Packer pack(dst->Layout());
    // The source column of every destination column, found once for the picture.
    std::vector<i32> column;
    if (sw != dw) {
        column.resize(static_cast<size_t>(dw));
        for (i32 i = 0; i < dw; ++i) column[static_cast<size_t>(i)] = sx + static_cast<i32>(static_cast<i64>(i) * sw / dw);
    }
    for (i32 j = 0; j < dh; ++j) {
        const i32 by = sy + static_cast<i32>(static_cast<i64>(j) * sh / dh);
        const u32* srow = bmp.rgb + static_cast<size_t>(by) * static_cast<size_t>(bmp.width);
        u16* d = Row(dst->Bits(), dst->Pitch(), j);
        if (column.empty()) {
            srow += sx;
            for (i32 i = 0; i < dw; ++i) d[i] = pack(srow[i]);
        } else {
            for (i32 i = 0; i < dw; ++i) d[i] = pack(srow[column[static_cast<size_t>(i)]]);
        }
    }
    return kSurfaceOk;
}

}  // namespace host
