#include "host/font.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include <iconv.h>
#include <unistd.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <numbers>
#include <set>
#include <tuple>
#include <memory>
#include <unordered_map>

#include "host/files.h"
#include "host/report.h"
#include "host/text.h"

namespace host {

namespace {

constexpr char kGothicUtf8[] = "IPAGothic";
constexpr char kMinchoUtf8[] = "IPAMincho";
constexpr char kStdMinchoCp932[] = "\x95\x57\x8F\x80\x96\xBE\x92\xA9";                  // 標準明朝
constexpr char kStdGothicCp932[] = "\x95\x57\x8F\x80\x83\x53\x83\x56\x83\x62\x83\x4E";  // 標準ゴシック
constexpr double kObliqueSlant = 0.2;  // x += slant * y for the synthesised oblique

// ---- code page 932 to Unicode, one table built once ---------------------------------------------
// Index: the byte for a one-byte character, lead << 8 | trail for a double-byte one. 0: no mapping.
const u16* Cp932Table() {
    static std::unique_ptr<u16[]> table;
    if (table) return table.get();
    table.reset(new u16[65536]());
    iconv_t cd = iconv_open("UCS-2LE", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return table.get();
    auto convert = [&](const char* in, size_t inLen) -> u16 {
        char src[2] = {in[0], inLen > 1 ? in[1] : '\0'};
        char* s = src;
        char out[8];
        char* d = out;
        size_t sl = inLen, dl = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &s, &sl, &d, &dl) == static_cast<size_t>(-1) || dl != sizeof out - 2) return 0;
        return static_cast<u16>(static_cast<u8>(out[0]) | (static_cast<u8>(out[1]) << 8));
    };
    for (int b = 0; b < 256; ++b) {
        if (IsLeadByte(static_cast<unsigned char>(b))) continue;
        const char c = static_cast<char>(b);
        table[b] = b < 0x80 ? static_cast<u16>(b) : convert(&c, 1);
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F) continue;
            const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            table[lead << 8 | trail] = convert(pair, 2);
        }
    }
    iconv_close(cd);
    return table.get();
}

// Steps through code page 932 text one character at a time; a lead byte with nothing after it (or at
// the end of the given length) is a one-byte character.
struct CharStep {
    u32 code;  // table index
    i32 bytes;
};
CharStep NextChar(const char* text, i32 len, i32 at) {
    const u8 c = static_cast<u8>(text[at]);
    if (IsLeadByte(c) && at + 1 < len && text[at + 1] != '\0')
        return {static_cast<u32>(c) << 8 | static_cast<u8>(text[at + 1]), 2};
    return {c, 1};
}

// ---- FreeType library and faces -----------------------------------------------------------------
FT_Library Library() {
    static FT_Library lib = nullptr;
    static bool tried = false;
    if (!tried) {
        tried = true;
        if (FT_Init_FreeType(&lib) != 0) lib = nullptr;
    }
    return lib;
}

struct FaceRecord {
    FT_Face face = nullptr;
    std::string family;  // UTF-8
    i32 id = 0;
};

// Faces stay open for the whole run, one per file and index. A file that does not open as a font is said
// once, by the name fontconfig gave for it, and not tried again.
FaceRecord* OpenFace(const std::string& file, int index, const std::string& family) {
    static std::map<std::pair<std::string, int>, std::unique_ptr<FaceRecord>> faces;
    static std::set<std::string> said;
    auto key = std::make_pair(file, index);
    auto it = faces.find(key);
    if (it != faces.end()) return it->second.get();
    FT_Library lib = Library();
    if (!lib) return nullptr;
    FT_Face face = nullptr;
    // The font library opens the file itself: by the name of the one the guarded open checked.
    std::string problem;
    const int fd = OpenRegularFile(file, &problem);
    bool opened = false;
    if (fd >= 0) {
        opened = FT_New_Face(lib, NameOfOpenFile(fd, file).c_str(), index, &face) == 0;
        close(fd);
        if (!opened) problem = "not a font file this program can read";
    }
    if (!opened) {
        if (said.insert(file).second) ReportFileProblem(file.c_str(), problem.c_str());
        faces.emplace(key, nullptr);
        return nullptr;
    }
    FT_Select_Charmap(face, FT_ENCODING_UNICODE);
    auto rec = std::make_unique<FaceRecord>();
    rec->face = face;
    rec->family = family;
    rec->id = static_cast<i32>(faces.size()) + 1;
    FaceRecord* out = rec.get();
    faces.emplace(key, std::move(rec));
    return out;
}

bool FcReady() {
    static bool ok = [] {
        if (FcInit() != FcTrue) return false;
        std::atexit([] { FcFini(); });  // gives back the configuration it read
        return true;
    }();
    return ok;
}

// The face fontconfig gives for a family name (or a generic name); nullptr when nothing loads.
// The wanted style: a bold or italic face of the family is taken when it has one.
struct Style {
    bool bold = false, italic = false;
};

FaceRecord* MatchFace(const char* familyUtf8, bool japanese, Style style = {}) {
    if (!FcReady()) return nullptr;
    FcPattern* pat = FcPatternCreate();
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(familyUtf8));
    if (japanese) FcPatternAddString(pat, FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
    FcPatternAddInteger(pat, FC_WEIGHT, style.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pat, FC_SLANT, style.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult res;
    FcPattern* match = FcFontMatch(nullptr, pat, &res);
    FcPatternDestroy(pat);
    if (!match) return nullptr;
    FcChar8* file = nullptr;
    FcChar8* fam = nullptr;
    int index = 0;
    FaceRecord* out = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        FcPatternGetString(match, FC_FAMILY, 0, &fam);
        out = OpenFace(reinterpret_cast<const char*>(file), index, fam ? reinterpret_cast<const char*>(fam) : "");
    }
    FcPatternDestroy(match);
    return out;
}

// True when fontconfig knows a family of exactly this name (in any of its languages).
bool FamilyInstalled(const std::string& utf8) {
    if (!FcReady() || utf8.empty()) return false;
    FcPattern* pat = FcPatternCreate();
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(utf8.c_str()));
    FcObjectSet* os = FcObjectSetBuild(FC_FAMILY, static_cast<char*>(nullptr));
    FcFontSet* fs = FcFontList(nullptr, pat, os);
    const bool found = fs && fs->nfont > 0;
    if (fs) FcFontSetDestroy(fs);
    FcObjectSetDestroy(os);
    FcPatternDestroy(pat);
    return found;
}

bool ContainsNoCase(const std::string& hay, const char* needle) {
    std::string h = hay, n = needle;
    for (auto& c : h) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (auto& c : n) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return h.find(n) != std::string::npos;
}

// Which face a descriptor gets. The two built-in names go to the Japanese Mincho and Gothic faces, an
// installed family to itself, a name that says Mincho or Gothic to that style, anything else to the
// best face for its character set.
FaceRecord* ResolveFace(const FontDesc& d) {
    static std::map<std::tuple<std::string, u8, bool, bool>, FaceRecord*> cache;
    char name[33];
    std::memcpy(name, d.faceName, 32);
    name[32] = '\0';
    const Style style{d.weight >= 600, d.italic != 0};
    auto key = std::make_tuple(std::string(name), d.charSet, style.bold, style.italic);
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;

    const std::string cp(name);
    const std::string utf8 = cp.empty() ? std::string() : Cp932ToUtf8(name);
    const bool japanese = d.charSet == kCharSetShiftJis;
    FaceRecord* face = nullptr;
    if (cp == kStdMinchoCp932) {
        face = MatchFace(kMinchoUtf8, true, style);
    } else if (cp == kStdGothicCp932) {
        face = MatchFace(kGothicUtf8, true, style);
    } else if (FamilyInstalled(utf8)) {
        face = MatchFace(utf8.c_str(), japanese, style);
    } else if (ContainsNoCase(utf8, "\xE6\x98\x8E\xE6\x9C\x9D") || ContainsNoCase(utf8, "mincho")) {  // 明朝
        face = MatchFace(kMinchoUtf8, true, style);
    } else if (japanese || ContainsNoCase(utf8, "\xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF") ||  // ゴシック
               ContainsNoCase(utf8, "gothic")) {
        face = MatchFace(kGothicUtf8, true, style);
    } else if (!utf8.empty()) {
        face = MatchFace(utf8.c_str(), false, style);  // generic names such as "serif" or "monospace"
    }
    if (!face) face = MatchFace(japanese ? kGothicUtf8 : "sans-serif", japanese, style);
    if (!face) face = MatchFace("sans-serif", false);
    cache.emplace(key, face);
    return face;
}

// ---- glyph bitmaps --------------------------------------------------------------------------------
struct GlyphImage {
    i32 left = 0, top = 0;  // offset of the bitmap's top-left from the pen origin (top: up is positive)
    i32 width = 0, rows = 0, pitch = 0;
    std::vector<u8> bits;   // one bit per pixel, high bit first
};

// Unturned glyphs are kept: the same text is drawn frame after frame, and the line printer makes a new
// font for every line.
struct GlyphKey {
    i32 faceId;
    i32 emX, emY;  // 26.6
    u32 glyph;
    u8 bold, italic;
    bool operator==(const GlyphKey& o) const {
        return faceId == o.faceId && emX == o.emX && emY == o.emY && glyph == o.glyph && bold == o.bold &&
               italic == o.italic;
    }
};
struct GlyphKeyHash {
    size_t operator()(const GlyphKey& k) const {
        size_t h = static_cast<size_t>(k.faceId) * 1000003u;
        h ^= static_cast<size_t>(k.emX) * 2654435761u;
        h ^= static_cast<size_t>(k.emY) * 40503u;
        h ^= static_cast<size_t>(k.glyph) << 7;
        h ^= static_cast<size_t>(k.bold) << 1 | k.italic;
        return h;
    }
};
std::unordered_map<GlyphKey, GlyphImage, GlyphKeyHash>& GlyphCache() {
    static std::unordered_map<GlyphKey, GlyphImage, GlyphKeyHash> cache;
    return cache;
}
constexpr size_t kGlyphCacheLimit = 8192;

i32 g_liveFonts = 0;

}  // namespace

class Font {
public:
    FontDesc desc;
    FaceRecord* face = nullptr;
    FT_Size size = nullptr;
    i32 emX = 0, emY = 0;  // 26.6 pixel sizes
    double scaleX = 0, scaleY = 0;  // pixels per font unit
    bool bold = false, italic = false;
    double angle = 0, cosA = 1, sinA = 0;
    FontMetrics metrics;
    i32 underlineOffset = 0, underlineThickness = 1;
    mutable std::unordered_map<u32, i32> advances;  // per character, filled as text is measured

    bool Activate() const { return face && size && FT_Activate_Size(size) == 0; }
};

namespace {

u32 GlyphIndexOf(const Font* f, u32 code) {
    const u16 ucs = Cp932Table()[code & 0xFFFF];
    if (!f->face || ucs == 0) return 0;
    return FT_Get_Char_Index(f->face->face, ucs);
}

// Loads and renders one glyph (monochrome) with the given transform; true on success.
bool RenderGlyph(const Font* f, u32 glyph, const FT_Matrix* m, FT_Vector* delta, GlyphImage* out) {
    FT_Face face = f->face->face;
    FT_Set_Transform(face, const_cast<FT_Matrix*>(m), delta);
    const FT_Int32 flags = FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_MONO;
    if (FT_Load_Glyph(face, glyph, flags) != 0) return false;
    FT_GlyphSlot slot = face->glyph;
    if (f->bold && slot->format == FT_GLYPH_FORMAT_OUTLINE) FT_Outline_EmboldenXY(&slot->outline, 64, 0);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return false;
    const FT_Bitmap& bm = slot->bitmap;
    out->left = slot->bitmap_left;
    out->top = slot->bitmap_top;
    out->width = static_cast<i32>(bm.width);
    out->rows = static_cast<i32>(bm.rows);
    out->pitch = (out->width + 7) / 8;
    out->bits.assign(static_cast<size_t>(out->pitch) * out->rows, 0);
    for (i32 r = 0; r < out->rows; ++r) {
        const u8* src = bm.buffer + static_cast<std::ptrdiff_t>(r) * bm.pitch;
        if (bm.pixel_mode == FT_PIXEL_MODE_MONO) {
            std::memcpy(&out->bits[static_cast<size_t>(r) * out->pitch], src, static_cast<size_t>(out->pitch));
        } else {  // grey fall-back: threshold at half
            for (i32 c = 0; c < out->width; ++c)
                if (src[c] >= 128) out->bits[static_cast<size_t>(r) * out->pitch + c / 8] |= static_cast<u8>(0x80 >> (c & 7));
        }
    }
    return true;
}

void EmitGlyph(const GlyphImage& g, i32 ox, i32 oy, const ClipBox& clip, SpanFn fn, void* user) {
    const i32 x0 = ox + g.left, y0 = oy - g.top;
    for (i32 r = 0; r < g.rows; ++r) {
        const i32 y = y0 + r;
        if (y < clip.top || y >= clip.bottom) continue;
        const u8* row = &g.bits[static_cast<size_t>(r) * g.pitch];
        i32 c = 0;
        while (c < g.width) {
            if (!(row[c >> 3] & (0x80 >> (c & 7)))) { ++c; continue; }
            i32 e = c;
            while (e < g.width && (row[e >> 3] & (0x80 >> (e & 7)))) ++e;
            i32 a = std::max(x0 + c, clip.left), b = std::min(x0 + e, clip.right);
            if (a < b) fn(user, a, y, b - a);
            c = e;
        }
    }
}

}  // namespace

Font* CreateFont(const FontDesc& desc) {
    auto* f = new Font;
    ++g_liveFonts;
    f->desc = desc;
    f->face = ResolveFace(desc);
    f->angle = desc.escapement / 10.0 * std::numbers::pi / 180.0;
    f->cosA = std::cos(f->angle);
    f->sinA = std::sin(f->angle);
    if (desc.escapement % 3600 == 0) f->cosA = 1, f->sinA = 0;
    f->italic = desc.italic != 0 && !(f->face && (f->face->face->style_flags & FT_STYLE_FLAG_ITALIC));
    if (!f->face) {
        // No face at all on this machine: a font that measures like a 16-pixel cell and draws nothing.
        const i32 h = desc.height > 0 ? desc.height : desc.height < 0 ? static_cast<i32>(std::min<i64>(-static_cast<i64>(desc.height), INT32_MAX)) : 16;
        f->metrics = FontMetrics{h, h - h / 5, h / 5, h / 2, h};
        return f;
    }
    FT_Face face = f->face->face;
    const bool faceBold = (face->style_flags & FT_STYLE_FLAG_BOLD) != 0;
    f->bold = desc.weight >= 600 && !faceBold;
    const double upem = face->units_per_EM > 0 ? face->units_per_EM : 2048;
    double cellUnits = static_cast<double>(face->ascender) - face->descender;
    if (cellUnits <= 0) cellUnits = upem;
    double emPx;
    i32 cell;
    if (desc.height > 0) {
        cell = desc.height;
        emPx = desc.height * upem / cellUnits;
    } else {
        emPx = desc.height < 0 ? -static_cast<double>(desc.height) : 16.0 * upem / cellUnits;
        cell = static_cast<i32>(std::lround(emPx * cellUnits / upem));
    }
    double emPxX = emPx;
    if (desc.width > 0) {
        const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        const double avgUnits = os2 && os2->xAvgCharWidth > 0 ? os2->xAvgCharWidth : upem / 2;
        emPxX = desc.width * upem / avgUnits;
    }
    f->emX = std::max<i32>(1, static_cast<i32>(std::lround(emPxX * 64)));
    f->emY = std::max<i32>(1, static_cast<i32>(std::lround(emPx * 64)));
    f->scaleX = f->emX / 64.0 / upem;
    f->scaleY = f->emY / 64.0 / upem;
    if (FT_New_Size(face, &f->size) == 0) {
        FT_Activate_Size(f->size);
        FT_Set_Char_Size(face, f->emX, f->emY, 72, 72);
    } else {
        f->size = nullptr;
    }
    FontMetrics& m = f->metrics;
    m.height = std::max(1, cell);
    m.ascent = std::min(m.height, static_cast<i32>(std::lround(face->ascender * f->scaleY)));
    m.descent = m.height - m.ascent;
    const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    m.avgCharWidth = static_cast<i32>(std::lround((os2 && os2->xAvgCharWidth > 0 ? os2->xAvgCharWidth : upem / 2) * f->scaleX));
    m.maxCharWidth = static_cast<i32>(std::lround(face->max_advance_width * f->scaleX)) + (f->bold ? 1 : 0);
    f->underlineThickness = std::max(1, static_cast<i32>(std::lround(face->underline_thickness * f->scaleY)));
    f->underlineOffset = std::max(1, static_cast<i32>(std::lround(-face->underline_position * f->scaleY)));
    if (f->underlineOffset + f->underlineThickness > m.descent)
        f->underlineOffset = std::max(0, m.descent - f->underlineThickness);
    return f;
}

void DeleteFont(Font* font) {
    if (!font) return;
    if (font->size) FT_Done_Size(font->size);
    delete font;
    --g_liveFonts;
}

i32 LiveFontCount() { return g_liveFonts; }

Font* StockFont() {
    static Font* stock = [] {
        FontDesc d;
        d.height = 16;
        d.weight = 400;
        d.charSet = kCharSetShiftJis;
        Font* f = CreateFont(d);
        --g_liveFonts;  // kept for the whole run, not counted
        return f;
    }();
    return stock;
}

std::string FontFamily(const Font* font) { return font && font->face ? font->face->family : std::string(); }

const FontDesc& FontDescOf(const Font* font) { return font->desc; }

FontMetrics GetFontMetrics(const Font* font) { return font ? font->metrics : FontMetrics{}; }

bool FontDrawsText(const Font* font, const char* text, i32 len) {
    if (!font || !font->face) return false;
    for (i32 at = 0; at < len && text[at];) {
        const CharStep st = NextChar(text, len, at);
        at += st.bytes;
        if (st.code <= 0x20 || st.code == 0x8140) continue;  // blanks and controls draw nothing anyway
        if (GlyphIndexOf(font, st.code) == 0) return false;
    }
    return true;
}

i32 CharAdvance(const Font* font, const char* bytes, i32 len) {
    if (!font || len <= 0) return 0;
    const CharStep st = NextChar(bytes, len, 0);
    auto it = font->advances.find(st.code);
    if (it != font->advances.end()) return it->second;
    i32 adv = font->metrics.avgCharWidth;
    if (font->Activate()) {
        FT_Face face = font->face->face;
        FT_Set_Transform(face, nullptr, nullptr);
        if (FT_Load_Glyph(face, GlyphIndexOf(font, st.code), FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_MONO) == 0)
            adv = static_cast<i32>((face->glyph->advance.x + 32) >> 6);
        if (font->bold) adv += 1;
    }
    font->advances.emplace(st.code, adv);
    return adv;
}

void TextExtent(const Font* font, const char* text, i32 len, i32* cx, i32* cy) {
    i32 w = 0;
    if (font && text) {
        for (i32 at = 0; at < len;) {
            const CharStep st = NextChar(text, len, at);
            w += CharAdvance(font, text + at, st.bytes);
            at += st.bytes;
        }
    }
    if (cx) *cx = w;
    if (cy) *cy = font ? font->metrics.height : 0;
}

void CellCorners(const Font* font, i32 x, i32 y, i32 cx, i32 outX[4], i32 outY[4]) {
    const double h = font ? font->metrics.height : 0;
    const double c = font ? font->cosA : 1, s = font ? font->sinA : 0;
    // A screen vector (dx, dy) turned counter-clockwise: (dx c + dy s, -dx s + dy c).
    const double px[4] = {0, static_cast<double>(cx), static_cast<double>(cx), 0};
    const double py[4] = {0, 0, h, h};
    for (int i = 0; i < 4; ++i) {
        // Worked out in floating point: a cell near the end of the int range must not wrap round.
        outX[i] = static_cast<i32>(std::clamp(x + std::round(px[i] * c + py[i] * s), -2147483648.0, 2147483647.0));
        outY[i] = static_cast<i32>(std::clamp(y + std::round(-px[i] * s + py[i] * c), -2147483648.0, 2147483647.0));
    }
}

void TextSpans(const Font* font, i32 x, i32 y, const char* text, i32 len, const ClipBox& clip, SpanFn fn,
               void* user) {
    if (!font || !text || len <= 0 || !fn || clip.left >= clip.right || clip.top >= clip.bottom) return;
    const bool turned = font->sinA != 0 || font->cosA != 1;
    const double c = font->cosA, s = font->sinA;
    const i32 ascent = font->metrics.ascent;
    // Baseline origin of the first character.
    const double bx = x + ascent * s, by = y + ascent * c;
    i32 pen = 0;
    if (font->Activate()) {
        FT_Face face = font->face->face;
        const double k = font->italic ? kObliqueSlant : 0.0;
        // In font space (y up): turn counter-clockwise after the oblique shear.
        FT_Matrix m;
        m.xx = static_cast<FT_Fixed>(std::lround(c * 65536));
        m.xy = static_cast<FT_Fixed>(std::lround((c * k - s) * 65536));
        m.yx = static_cast<FT_Fixed>(std::lround(s * 65536));
        m.yy = static_cast<FT_Fixed>(std::lround((s * k + c) * 65536));
        auto& cache = GlyphCache();
        for (i32 at = 0; at < len;) {
            const CharStep st = NextChar(text, len, at);
            const i32 adv = CharAdvance(font, text + at, st.bytes);
            font->Activate();
            const u32 glyph = GlyphIndexOf(font, st.code);
            const double ox = bx + pen * c, oy = by - pen * s;
            if (!turned) {
                GlyphKey key{font->face->id, font->emX, font->emY, glyph, font->bold, font->italic};
                auto it = cache.find(key);
                if (it == cache.end()) {
                    GlyphImage img;
                    if (!RenderGlyph(font, glyph, font->italic ? &m : nullptr, nullptr, &img)) img = GlyphImage{};
                    if (cache.size() >= kGlyphCacheLimit) cache.clear();
                    it = cache.emplace(key, std::move(img)).first;
                }
                EmitGlyph(it->second, static_cast<i32>(ox), static_cast<i32>(oy), clip, fn, user);
            } else {
                const double fx = std::floor(ox), fy = std::floor(oy);
                FT_Vector delta{static_cast<FT_Pos>(std::lround((ox - fx) * 64)),
                                static_cast<FT_Pos>(std::lround(-(oy - fy) * 64))};
                GlyphImage img;
                if (RenderGlyph(font, glyph, &m, &delta, &img))
                    EmitGlyph(img, static_cast<i32>(fx), static_cast<i32>(fy), clip, fn, user);
            }
            pen += adv;
            at += st.bytes;
        }
        FT_Set_Transform(face, nullptr, nullptr);
    } else {
        i32 cy = 0;
        TextExtent(font, text, len, &pen, &cy);
    }
    if (font->desc.underline && pen > 0) {
        const double u0 = font->underlineOffset, u1 = u0 + font->underlineThickness;
        const double lx[4] = {0, static_cast<double>(pen), static_cast<double>(pen), 0};
        const double ly[4] = {u0, u0, u1, u1};
        double xs[4], ys[4];
        for (int i = 0; i < 4; ++i) {
            xs[i] = bx + lx[i] * c + ly[i] * s;
            ys[i] = by - lx[i] * s + ly[i] * c;
        }
        FillPolygonSpans(xs, ys, 4, clip, fn, user);
    }
}

u32 Cp932CharToUnicode(const char* bytes, i32 len) {
    if (!bytes || len <= 0) return 0;
    return Cp932Table()[NextChar(bytes, len, 0).code & 0xFFFF];
}

std::vector<FaceInfo> EnumFaces() {
    std::vector<FaceInfo> out;
    if (!FcReady()) return out;
    FcPattern* pat = FcPatternCreate();
    FcObjectSet* os = FcObjectSetBuild(FC_FAMILY, FC_LANG, FC_SPACING, FC_CHARSET, static_cast<char*>(nullptr));
    FcFontSet* fs = FcFontList(nullptr, pat, os);
    std::map<std::string, FaceInfo> byName;
    for (int i = 0; fs && i < fs->nfont; ++i) {
        FcPattern* p = fs->fonts[i];
        u8 charSet = kCharSetAnsi;
        FcLangSet* langs = nullptr;
        if (FcPatternGetLangSet(p, FC_LANG, 0, &langs) == FcResultMatch &&
            FcLangSetHasLang(langs, reinterpret_cast<const FcChar8*>("ja")) == FcLangEqual)
            charSet = kCharSetShiftJis;
        FcCharSet* cs = nullptr;
        if (charSet == kCharSetAnsi && FcPatternGetCharSet(p, FC_CHARSET, 0, &cs) == FcResultMatch &&
            !FcCharSetHasChar(cs, 'A'))
            charSet = kCharSetSymbol;
        int spacing = FC_PROPORTIONAL;
        FcPatternGetInteger(p, FC_SPACING, 0, &spacing);
        FcChar8* fam = nullptr;
        for (int k = 0; FcPatternGetString(p, FC_FAMILY, k, &fam) == FcResultMatch; ++k) {
            std::string cp;
            if (!Utf8ToCp932(reinterpret_cast<const char*>(fam), &cp) || cp.empty() || cp.size() > 31) continue;
            auto [it, fresh] = byName.emplace(cp, FaceInfo{cp, charSet, spacing == FC_MONO});
            if (!fresh && charSet == kCharSetShiftJis) it->second.charSet = charSet;
        }
    }
    if (fs) FcFontSetDestroy(fs);
    FcObjectSetDestroy(os);
    FcPatternDestroy(pat);
    for (auto& [name, info] : byName) out.push_back(info);
    std::stable_sort(out.begin(), out.end(), [](const FaceInfo& a, const FaceInfo& b) {
        return (a.charSet == kCharSetShiftJis) > (b.charSet == kCharSetShiftJis);
    });
    return out;
}

}  // namespace host
