// The generated pictures against the game's inventory: every sheet the game loads exists, is a
// plain 24-bit BMP at least as large as every source rectangle read from it, keeps the colour
// key rule (black transparent, nothing else darker than 8), and fills its cells as drawn.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "data_files.h"
#include "host/bitmap.h"

using datatest::Bmp;
using datatest::loadBmp;

namespace {

struct Sheet {
    const char* path;
    int w, h;  // the extent the game reads; 0 for the sheets that are loaded but never drawn
};

// The start-up load list, in load order (VAL402 twice), with the extent each sheet is read at.
const Sheet kStartup[] = {
    {"IMAGE/ZBAK1B.BMP", 600, 60},        {"IMAGE/ZBAK2B.BMP", 800, 80},       {"IMAGE/ZBAK3B.BMP", 800, 80},
    {"IMAGE/ZBAK4B.BMP", 800, 80},        {"IMAGE/ZBAK5B.BMP", 0, 0},          {"IMAGE/ZBAK6B.BMP", 400, 40},
    {"IMAGE/BBAK1B.BMP", 640, 160},       {"IMAGE/GFBAK1.BMP", 480, 120},      {"IMAGE/OPMY1.BMP", 0, 0},
    {"IMAGE/FBOM1.BMP", 80, 80},          {"IMAGE/MYMY.BMP", 224, 80},         {"IMAGE/MYEND.BMP", 0, 0},
    {"IMAGE/MYENDF.BMP", 0, 0},           {"IMAGE/MYGOODN.BMP", 300, 100},     {"IMAGE/SUJI09.BMP", 200, 25},
    {"IMAGE/RANKING1.BMP", 400, 100},     {"IMAGE/HAHEN.BMP", 0, 0},           {"IMAGE/SFLH1.BMP", 60, 60},
    {"IMAGE/SFLH2.BMP", 60, 60},          {"IMAGE/SFLH3.BMP", 60, 60},         {"IMAGE/SFLH4.BMP", 0, 0},
    {"IMAGE/SFLH5.BMP", 0, 0},            {"IMAGE/SFLH11.BMP", 60, 60},        {"IMAGE/SFLH22.BMP", 60, 60},
    {"IMAGE/SFLH33.BMP", 60, 60},         {"IMAGE/FLHST.BMP", 70, 36},         {"IMAGE/FLHST11.BMP", 0, 0},
    {"IMAGE/FLHST2.BMP", 70, 36},         {"IMAGE/FLHST22.BMP", 124, 70},      {"IMAGE/FLHST3.BMP", 70, 36},
    {"IMAGE/FLHST33.BMP", 124, 70},       {"IMAGE/FLW1_3.BMP", 120, 60},       {"IMAGE/FLW2_1.BMP", 60, 60},
    {"IMAGE/FLW3_2.BMP", 60, 60},         {"IMAGE/FLW11.BMP", 120, 60},        {"IMAGE/FLW22.BMP", 60, 60},
    {"IMAGE/FLW33.BMP", 60, 60},          {"IMAGE/RAY1.BMP", 30, 30},          {"IMAGE/RAY2.BMP", 20, 20},
    {"IMAGE/RAY11.BMP", 30, 30},          {"IMAGE/RAY22.BMP", 20, 20},         {"IMAGE/RAY3.BMP", 20, 20},
    {"IMAGE/RAY4.BMP", 30, 30},           {"IMAGE/RAY5.BMP", 40, 40},          {"IMAGE/RAY6.BMP", 50, 50},
    {"IMAGE/RAY7.BMP", 20, 20},           {"IMAGE/RAY8.BMP", 0, 0},            {"IMAGE/RAY10.BMP", 20, 20},
    {"IMAGE/SPOWER1.BMP", 60, 60},        {"IMAGE/FBAK1.BMP", 0, 0},           {"IMAGE/ZAKU/SZAK1.BMP", 60, 60},
    {"IMAGE/ZAKU/SZAK6.BMP", 80, 80},     {"IMAGE/ZAKU/SZAK8.BMP", 80, 80},    {"IMAGE/ZAKU/SZAK9.BMP", 80, 80},
    {"IMAGE/ZAKU/SZAK10.BMP", 70, 80},    {"IMAGE/ZAKU/SZAK12.BMP", 80, 100},  {"IMAGE/ZAKU/SZAK13.BMP", 80, 60},
    {"IMAGE/ZAKU/SZAK21.BMP", 90, 90},    {"IMAGE/ZAKU/SZAK22.BMP", 90, 90},   {"IMAGE/ZAKU/SZAK23.BMP", 0, 0},
    {"IMAGE/ZAKU/SZAK24.BMP", 0, 0},      {"IMAGE/ZAKU/SZAK30.BMP", 500, 100}, {"IMAGE/ZAKU/SZAK31.BMP", 500, 100},
    {"IMAGE/ZAKU/SZAK32.BMP", 500, 100},  {"IMAGE/ZAKU/SZAK33.BMP", 500, 100}, {"IMAGE/ZAKU/SZAK40.BMP", 0, 0},
    {"IMAGE/ZAKU/SZAK41.BMP", 0, 0},      {"IMAGE/ZAKU/SZAK50.BMP", 0, 0},     {"IMAGE/ZAKU/SZAK51.BMP", 0, 0},
    {"IMAGE/ZAKU/SZAK52.BMP", 200, 160},  {"IMAGE/ZAKU/SZAK53.BMP", 0, 0},     {"IMAGE/ZAKU/SZAK54.BMP", 0, 0},
    {"IMAGE/VAL11.BMP", 16, 16},          {"IMAGE/VAL12.BMP", 16, 16},         {"IMAGE/VAL13.BMP", 16, 16},
    {"IMAGE/VAL1.BMP", 256, 16},          {"IMAGE/VAL2.BMP", 256, 16},         {"IMAGE/VAL3.BMP", 0, 0},
    {"IMAGE/RPANEL3R.BMP", 0, 0},         {"IMAGE/RPANEL2R.BMP", 0, 0},        {"IMAGE/FLZ01_l.BMP", 20, 60},
    {"IMAGE/ROCK1.BMP", 60, 60},          {"IMAGE/BOSS/BOSS11.BMP", 440, 360}, {"IMAGE/BOSS/BOSS31.BMP", 460, 380},
    {"IMAGE/BOSS/BOSS41.BMP", 440, 380},  {"IMAGE/BOSS/BOSS51.BMP", 380, 460}, {"IMAGE/BOSS/BOSS71.BMP", 500, 400},
    {"IMAGE/BOSS/BOS111.BMP", 480, 480},  {"IMAGE/BOSS/BOS511.BMP", 480, 480}, {"IMAGE/VAL16241.BMP", 384, 16},
    {"IMAGE/VAL20241.BMP", 480, 20},      {"IMAGE/VALL20.BMP", 20, 20},
    // Read up to 140 wide, but a reset may hand a parked record cells 7..9: ten cells cover it.
    {"IMAGE/VAL201.BMP", 200, 20},
    {"IMAGE/VAL401.BMP", 200, 40},        {"IMAGE/VAL402.BMP", 200, 40},       {"IMAGE/VAL402.BMP", 200, 40},
    {"IMAGE/VAL404.BMP", 280, 40},        {"IMAGE/VAL405.BMP", 280, 40},       {"IMAGE/VAL40L.BMP", 39, 39},
    {"IMAGE/VAL40L1.BMP", 39, 39},        {"IMAGE/VAL40L2.BMP", 39, 39},       {"IMAGE/ZAL20.BMP", 0, 0},
    {"IMAGE/VAL15L.BMP", 15, 30},         {"IMAGE/VAL151L.BMP", 60, 30},       {"IMAGE/VAL30L.BMP", 0, 0},
    {"IMAGE/VAL20.BMP", 0, 0},            {"IMAGE/VALARM11.BMP", 150, 180},    {"IMAGE/VALARM12.BMP", 150, 180},
    {"IMAGE/VALARM31.BMP", 80, 120},      {"IMAGE/VALARM32.BMP", 80, 120},     {"IMAGE/VALARM33.BMP", 120, 120},
    {"IMAGE/VALARM34.BMP", 120, 120},     {"IMAGE/VALARM51.BMP", 270, 400},    {"IMAGE/VALARM70.BMP", 120, 120},
    {"IMAGE/VALARM7.BMP", 0, 0},          {"IMAGE/VALARM71.BMP", 120, 120},    {"IMAGE/VALARM72.BMP", 120, 120},
    {"IMAGE/VALARM73.BMP", 60, 120},      {"IMAGE/VALARM74.BMP", 60, 60},      {"IMAGE/VALARM75.BMP", 60, 60},
    {"IMAGE/VAL20w.BMP", 19, 19},         {"IMAGE/VAL21w.BMP", 19, 19},        {"IMAGE/VAL30w.BMP", 0, 0},
    {"IMAGE/VALL301.BMP", 30, 30},        {"IMAGE/VALL3011.BMP", 30, 30},      {"IMAGE/VALL3013.BMP", 30, 30},
    {"IMAGE/VALL3014.BMP", 30, 30},       {"IMAGE/VALL3015.BMP", 30, 30},      {"IMAGE/VALL3016.BMP", 30, 30},
    {"IMAGE/VAL3015A.BMP", 0, 0},         {"IMAGE/VAL3016A.BMP", 0, 0},        {"IMAGE/VALL3017.BMP", 30, 30},
    {"IMAGE/VALL3018.BMP", 30, 30},       {"IMAGE/VAL3017A.BMP", 30, 30},      {"IMAGE/VAL3018A.BMP", 30, 30},
    {"IMAGE/VALL302.BMP", 30, 30},        {"IMAGE/VALL3019.BMP", 0, 0},        {"IMAGE/VALL3020.BMP", 0, 0},
    {"IMAGE/MESO1.BMP", 0, 0},            {"IMAGE/ZFIRE1.BMP", 400, 70},       {"IMAGE/ZFIRE2.BMP", 400, 70},
    {"IMAGE/BACK/BBACK1S.BMP", 440, 480}, {"IMAGE/BACK/BBACK2S.BMP", 440, 480}, {"IMAGE/BACK/BBACK3S.BMP", 440, 480},
    {"IMAGE/BACK/BBACK6S.BMP", 640, 480}, {"IMAGE/BACK/BBACK8S.BMP", 440, 480}, {"IMAGE/TITLEC.BMP", 440, 480},
    {"IMAGE/KTVCG1.BMP", 440, 480},       {"IMAGE/KTVCG2.BMP", 440, 480},      {"IMAGE/LEVEL0.BMP", 440, 480},
    {"IMAGE/LEVEL1.BMP", 440, 480},       {"IMAGE/CONTINU1.BMP", 200, 100},
};

// Loaded outside start-up: the ship by the level select, and the ship select's two pictures.
const Sheet kLater[] = {{"IMAGE/MYME1.BMP", 420, 70}, {"MYME1.BMP", 420, 70}, {"MYME2.BMP", 420, 70}};

TEST(DataPictures, InventoryMatchesTheLoadList) {
    // The table above is the game's list: 152 loads, 151 files, 31 of them never drawn, and
    // 118 / 22 / 7 / 5 loads under IMAGE, IMAGE/ZAKU, IMAGE/BOSS and IMAGE/BACK.
    ASSERT_EQ(std::size(kStartup), 152u);
    std::set<std::string> distinct;
    int undrawn = 0, zaku = 0, boss = 0, back = 0;
    for (const auto& s : kStartup) {
        distinct.insert(s.path);
        undrawn += s.w == 0;
        const std::string p = s.path;
        zaku += p.rfind("IMAGE/ZAKU/", 0) == 0;
        boss += p.rfind("IMAGE/BOSS/", 0) == 0;
        back += p.rfind("IMAGE/BACK/", 0) == 0;
    }
    EXPECT_EQ(distinct.size(), 151u);
    EXPECT_EQ(undrawn, 31);
    EXPECT_EQ(zaku, 22);
    EXPECT_EQ(boss, 7);
    EXPECT_EQ(back, 5);
    EXPECT_EQ(152 - zaku - boss - back, 118);
}

TEST(DataPictures, EverySheetIsAPlain24BitBmpCoveringItsExtent) {
    std::vector<Sheet> all(std::begin(kStartup), std::end(kStartup));
    all.insert(all.end(), std::begin(kLater), std::end(kLater));
    for (const auto& s : all) {
        SCOPED_TRACE(s.path);
        const Bmp b = loadBmp(s.path);
        ASSERT_EQ(b.error, "");
        EXPECT_GE(b.w, s.w);
        EXPECT_GE(b.h, s.h);
        // The game's own reader takes it at the same size.
        host::DecodedBitmap d;
        ASSERT_EQ(host::LoadBitmapFile(datatest::dataPath(s.path).c_str(), &d), host::kBitmapOk);
        EXPECT_EQ(d.width, b.w);
        EXPECT_EQ(d.height, b.h);
        // Black is the colour key; anything else must survive the 16-bit conversion, so every
        // visible pixel keeps each channel at 8 or above.
        int bad = 0, shown = 0;
        for (int y = 0; y < b.h; ++y) {
            for (int x = 0; x < b.w; ++x) {
                if (!b.visible(x, y)) continue;
                ++shown;
                const uint8_t* p = b.at(x, y);
                bad += p[0] < 8 || p[1] < 8 || p[2] < 8;
            }
        }
        EXPECT_EQ(bad, 0);
        EXPECT_GT(shown, 0) << "an empty picture";
    }
}

struct Grid {
    const char* path;
    int cw, ch, cols, rows;
    bool animated;  // neighbouring cells must differ
};

const Grid kGrids[] = {
    {"IMAGE/ZBAK1B.BMP", 60, 60, 10, 1, true},    {"IMAGE/ZBAK2B.BMP", 80, 80, 10, 1, true},
    {"IMAGE/ZBAK3B.BMP", 80, 80, 10, 1, true},    {"IMAGE/ZBAK4B.BMP", 80, 80, 10, 1, true},
    {"IMAGE/ZBAK6B.BMP", 40, 40, 10, 1, true},    {"IMAGE/BBAK1B.BMP", 160, 160, 4, 1, true},
    {"IMAGE/GFBAK1.BMP", 60, 60, 8, 2, true},     {"IMAGE/MYME1.BMP", 60, 70, 7, 1, true},
    {"IMAGE/SUJI09.BMP", 20, 25, 10, 1, true},    {"IMAGE/VAL1.BMP", 16, 16, 16, 1, true},
    {"IMAGE/VAL2.BMP", 16, 16, 16, 1, true},      {"IMAGE/VAL16241.BMP", 16, 16, 24, 1, true},
    {"IMAGE/VAL20241.BMP", 20, 20, 24, 1, true},  {"IMAGE/VAL201.BMP", 20, 20, 10, 1, true},
    {"IMAGE/VAL401.BMP", 40, 40, 5, 1, true},     {"IMAGE/VAL402.BMP", 40, 40, 5, 1, true},
    {"IMAGE/VAL404.BMP", 40, 40, 7, 1, true},     {"IMAGE/VAL405.BMP", 40, 40, 7, 1, true},
    {"IMAGE/VAL151L.BMP", 30, 30, 2, 1, true},    {"IMAGE/VALARM51.BMP", 90, 400, 3, 1, true},
    {"IMAGE/ZAKU/SZAK30.BMP", 100, 100, 5, 1, true}, {"IMAGE/ZAKU/SZAK31.BMP", 100, 100, 5, 1, true},
    {"IMAGE/ZAKU/SZAK32.BMP", 100, 100, 5, 1, true}, {"IMAGE/ZAKU/SZAK33.BMP", 100, 100, 5, 1, true},
    {"IMAGE/ZFIRE1.BMP", 20, 70, 20, 1, true},    {"IMAGE/ZFIRE2.BMP", 20, 70, 20, 1, true},
};

TEST(DataPictures, EveryCellOfTheGridsIsFilledAndAnimationsMove) {
    for (const auto& g : kGrids) {
        SCOPED_TRACE(g.path);
        const Bmp b = loadBmp(g.path);
        ASSERT_EQ(b.error, "");
        for (int r = 0; r < g.rows; ++r) {
            for (int c = 0; c < g.cols; ++c) {
                EXPECT_GE(b.count(c * g.cw, r * g.ch, g.cw, g.ch), 8) << "cell " << c << "," << r;
                if (g.animated && c > 0) {
                    EXPECT_FALSE(b.sameCell((c - 1) * g.cw, r * g.ch, c * g.cw, r * g.ch, g.cw, g.ch)) << "cell " << c;
                }
            }
        }
    }
}

TEST(DataPictures, HudStripHoldsDigitsSpecksAndIcons) {
    const Bmp b = loadBmp("IMAGE/MYMY.BMP");
    ASSERT_EQ(b.error, "");
    for (int d = 0; d < 10; ++d) {
        EXPECT_GE(b.count(8 + 7 * d, 70, 7, 10), 8) << "small digit " << d;
        for (int e = 0; e < d; ++e) EXPECT_FALSE(b.sameCell(8 + 7 * e, 70, 8 + 7 * d, 70, 7, 10)) << d << " vs " << e;
    }
    for (int k = 0; k < 7; ++k) EXPECT_GE(b.count(139 + 3 * k, 70, 3, 10), 2) << "speck " << k;
    EXPECT_GE(b.count(170, 70, 24, 10), 20) << "bombs icon";
    EXPECT_GE(b.count(200, 70, 24, 10), 20) << "lives icon";
    const Bmp big = loadBmp("IMAGE/SUJI09.BMP");
    for (int d = 0; d < 10; ++d)
        for (int e = 0; e < d; ++e) EXPECT_FALSE(big.sameCell(20 * e, 0, 20 * d, 0, 20, 25)) << d << " vs " << e;
}

// Silhouette overlap of two cells, the second one mirrored when asked.
double overlap(const Bmp& b, int ax, int bx, int cw, int ch, bool mirror) {
    int both = 0, either = 0;
    for (int y = 0; y < ch; ++y) {
        for (int x = 0; x < cw; ++x) {
            const bool p = b.visible(ax + x, y), q = b.visible(bx + (mirror ? cw - 1 - x : x), y);
            both += p && q;
            either += p || q;
        }
    }
    return either ? double(both) / either : 1.0;
}

TEST(DataPictures, ShipLeansSymmetricallyByTiltColumn) {
    for (const char* path : {"IMAGE/MYME1.BMP", "MYME1.BMP", "MYME2.BMP"}) {
        SCOPED_TRACE(path);
        const Bmp b = loadBmp(path);
        ASSERT_EQ(b.error, "");
        // Level flight (column 3) is symmetric; column k leans as far as column 6 − k, the other way.
        EXPECT_GT(overlap(b, 180, 180, 60, 70, true), 0.95);
        for (int k = 0; k < 3; ++k) {
            EXPECT_GT(overlap(b, 60 * k, 60 * (6 - k), 60, 70, true), 0.8) << "columns " << k << " and " << 6 - k;
            EXPECT_LT(overlap(b, 60 * k, 180, 60, 70, false), 0.97) << "column " << k << " does not lean";
        }
        // The further the lean, the narrower the ship looks from above.
        EXPECT_LT(b.count(0, 0, 60, 70), b.count(120, 0, 60, 70));
        EXPECT_LT(b.count(120, 0, 60, 70), b.count(180, 0, 60, 70));
    }
}

TEST(DataPictures, RotatedSpritesStayInsideTheirCircleAndPointUp) {
    struct Rot {
        const char* path;
        int box;
        bool pointsUp;
    };
    const Rot rots[] = {
        {"IMAGE/VAL40L.BMP", 39, true},    {"IMAGE/VAL40L1.BMP", 39, true},   {"IMAGE/VAL40L2.BMP", 39, true},
        {"IMAGE/VALL301.BMP", 30, true},   {"IMAGE/VALL302.BMP", 30, true},   {"IMAGE/VALL3011.BMP", 30, true},
        {"IMAGE/VALL3015.BMP", 30, true},  {"IMAGE/VALL3016.BMP", 30, true},  {"IMAGE/VAL20w.BMP", 19, false},
        {"IMAGE/VAL21w.BMP", 19, false},   {"IMAGE/VALL3013.BMP", 30, false}, {"IMAGE/VALL3014.BMP", 30, false},
        {"IMAGE/VALL3017.BMP", 30, false}, {"IMAGE/VALL3018.BMP", 30, false}, {"IMAGE/VAL3017A.BMP", 30, false},
        {"IMAGE/VAL3018A.BMP", 30, false}, {"IMAGE/ZAKU/SZAK6.BMP", 79, false},
    };
    for (const auto& r : rots) {
        SCOPED_TRACE(r.path);
        const Bmp b = loadBmp(r.path);
        ASSERT_EQ(b.error, "");
        const double c = r.box / 2.0;
        double wy = 0, w = 0;
        int outside = 0;
        for (int y = 0; y < r.box; ++y) {
            for (int x = 0; x < r.box; ++x) {
                if (!b.visible(x, y)) continue;
                const double dx = x + 0.5 - c, dy = y + 0.5 - c;
                outside += std::sqrt(dx * dx + dy * dy) > c;
                wy += b.brightness(x, y) * (y + 0.5);
                w += b.brightness(x, y);
            }
        }
        EXPECT_EQ(outside, 0) << "pixels a rotation would cut";
        if (r.pointsUp) {
            EXPECT_LT(wy / w, c) << "the bright head should be at the top";
        }
    }
}

// Every sheet the game draws with its colour key (a plain, turned, stretched or half blit) shows each
// pixel that is not black at its own colour, so a glow that fades towards black becomes a dark halo round
// the shape. Where such a sheet meets the key, it must be clearly lit: at most a small share of the
// pixels next to a key pixel may be near-black. Left out, dark at the edge on purpose: the outlined
// lettering (MYGOODN, RANKING1), the rocks' night side (BBACK1S) and the nebula that is always drawn
// first, over the cleared field (BBACK8S). The full-screen pictures have no key pixels.
TEST(DataPictures, KeyedSheetsEndWithoutADarkFringe) {
    const char* keyed[] = {
        // Bullets and the laser: turned, or drawn plain by some patterns and added by others.
        "IMAGE/VAL40L.BMP", "IMAGE/VAL40L1.BMP", "IMAGE/VAL40L2.BMP", "IMAGE/VALL301.BMP", "IMAGE/VALL302.BMP",
        "IMAGE/VALL3011.BMP", "IMAGE/VALL3013.BMP", "IMAGE/VALL3014.BMP", "IMAGE/VALL3015.BMP",
        "IMAGE/VALL3016.BMP", "IMAGE/VALL3017.BMP", "IMAGE/VALL3018.BMP", "IMAGE/VAL3017A.BMP",
        "IMAGE/VAL3018A.BMP", "IMAGE/VAL20w.BMP", "IMAGE/VAL21w.BMP", "IMAGE/VALL20.BMP", "IMAGE/VAL402.BMP",
        "IMAGE/VAL405.BMP", "IMAGE/VAL1.BMP", "IMAGE/VAL12.BMP", "IMAGE/VAL13.BMP", "IMAGE/FLZ01_l.BMP",
        // Explosions, the bomb and the exhaust flames.
        "IMAGE/ZBAK1B.BMP", "IMAGE/ZBAK2B.BMP", "IMAGE/ZBAK3B.BMP", "IMAGE/ZBAK4B.BMP", "IMAGE/ZBAK6B.BMP",
        "IMAGE/BBAK1B.BMP", "IMAGE/FBOM1.BMP", "IMAGE/ZFIRE1.BMP", "IMAGE/ZFIRE2.BMP",
        // Ships, bosses, the rock and the HUD.
        "IMAGE/ZAKU/SZAK1.BMP", "IMAGE/ZAKU/SZAK6.BMP", "IMAGE/ZAKU/SZAK8.BMP", "IMAGE/ZAKU/SZAK9.BMP",
        "IMAGE/ZAKU/SZAK10.BMP", "IMAGE/ZAKU/SZAK12.BMP", "IMAGE/ZAKU/SZAK13.BMP", "IMAGE/ZAKU/SZAK21.BMP",
        "IMAGE/ZAKU/SZAK22.BMP", "IMAGE/ZAKU/SZAK30.BMP", "IMAGE/ZAKU/SZAK31.BMP", "IMAGE/ZAKU/SZAK32.BMP",
        "IMAGE/ZAKU/SZAK33.BMP", "IMAGE/ZAKU/SZAK52.BMP", "IMAGE/BOSS/BOSS11.BMP", "IMAGE/BOSS/BOSS31.BMP",
        "IMAGE/BOSS/BOSS41.BMP", "IMAGE/BOSS/BOSS51.BMP", "IMAGE/BOSS/BOSS71.BMP", "IMAGE/BOSS/BOS111.BMP",
        "IMAGE/BOSS/BOS511.BMP", "IMAGE/ROCK1.BMP", "IMAGE/MYMY.BMP", "IMAGE/SUJI09.BMP", "IMAGE/CONTINU1.BMP",
        "IMAGE/MYME1.BMP", "MYME1.BMP", "MYME2.BMP",
        // Scenery drawn over other scenery.
        "IMAGE/BACK/BBACK2S.BMP", "IMAGE/BACK/BBACK3S.BMP", "IMAGE/BACK/BBACK6S.BMP",
    };
    constexpr int kNearBlack = 32;  // every channel below this
    for (const char* path : keyed) {
        SCOPED_TRACE(path);
        const Bmp b = loadBmp(path);
        ASSERT_EQ(b.error, "");
        auto key = [&](int x, int y) { return x >= 0 && y >= 0 && x < b.w && y < b.h && !b.visible(x, y); };
        int edge = 0, dark = 0;
        for (int y = 0; y < b.h; ++y) {
            for (int x = 0; x < b.w; ++x) {
                if (!b.visible(x, y) || !(key(x - 1, y) || key(x + 1, y) || key(x, y - 1) || key(x, y + 1))) continue;
                const uint8_t* p = b.at(x, y);
                ++edge;
                dark += std::max({p[0], p[1], p[2]}) < kNearBlack;
            }
        }
        ASSERT_GT(edge, 0);
        EXPECT_LE(dark * 10, edge) << dark << " of " << edge << " edge pixels are near-black";
    }
}

TEST(DataPictures, AdditiveShotsAreBright) {
    const char* shots[] = {"IMAGE/SFLH1.BMP",   "IMAGE/SFLH11.BMP", "IMAGE/FLW1_3.BMP", "IMAGE/FLW11.BMP",
                           "IMAGE/RAY1.BMP",    "IMAGE/RAY3.BMP",   "IMAGE/RAY7.BMP",   "IMAGE/VAL11.BMP",
                           "IMAGE/VAL13.BMP",   "IMAGE/VAL1.BMP",   "IMAGE/VAL20241.BMP", "IMAGE/VAL402.BMP",
                           "IMAGE/VALARM11.BMP", "IMAGE/VALARM51.BMP", "IMAGE/GFBAK1.BMP", "IMAGE/SPOWER1.BMP"};
    for (const char* path : shots) {
        SCOPED_TRACE(path);
        const Bmp b = loadBmp(path);
        int brightest = 0;
        for (int y = 0; y < b.h; ++y)
            for (int x = 0; x < b.w; ++x) brightest = std::max(brightest, b.brightness(x, y));
        EXPECT_GE(brightest, 600);
    }
}

TEST(DataPictures, ExplosionsGrowThenFade) {
    for (const char* path : {"IMAGE/ZBAK1B.BMP", "IMAGE/ZBAK2B.BMP", "IMAGE/ZBAK3B.BMP"}) {
        SCOPED_TRACE(path);
        const Bmp b = loadBmp(path);
        const int cell = b.h;
        long maxLight = 0;
        int maxArea = 0;
        for (int c = 0; c < 10; ++c) {
            maxLight = std::max(maxLight, b.sum(c * cell, 0, cell, cell));
            maxArea = std::max(maxArea, b.count(c * cell, 0, cell, cell));
        }
        EXPECT_LT(b.count(0, 0, cell, cell) * 2, maxArea) << "the first cell is a small flash";
        EXPECT_LT(b.sum(9 * cell, 0, cell, cell) * 2, maxLight) << "the last cell has faded";
    }
}

TEST(DataPictures, ExhaustFlamesAreBrightestWhereTheyMeetTheShip) {
    for (const char* path : {"IMAGE/ZFIRE1.BMP", "IMAGE/ZFIRE2.BMP"}) {
        SCOPED_TRACE(path);
        const Bmp b = loadBmp(path);
        for (int c = 0; c < 20; ++c) EXPECT_GT(b.sum(c * 20, 47, 20, 23), 2 * b.sum(c * 20, 0, 20, 23)) << "cell " << c;
    }
}

TEST(DataPictures, BackdropTilesAreMostlyDark) {
    for (const char* path : {"IMAGE/BACK/BBACK1S.BMP", "IMAGE/BACK/BBACK2S.BMP", "IMAGE/BACK/BBACK3S.BMP",
                             "IMAGE/BACK/BBACK6S.BMP", "IMAGE/BACK/BBACK8S.BMP"}) {
        SCOPED_TRACE(path);
        const Bmp b = loadBmp(path);
        const int shown = b.count(0, 0, b.w, b.h);
        EXPECT_GT(shown, 0);
        EXPECT_LT(shown, b.w * b.h / 4);
        EXPECT_LT(b.sum(0, 0, b.w, b.h) / (b.w * b.h), 60) << "mean brightness";
    }
}

TEST(DataPictures, ScreensKeepTheirContentInsideTheVisibleColumns) {
    // Drawn at x 180 (title, menus, ending art) the play field shows columns 40..399.
    for (const char* path : {"IMAGE/TITLEC.BMP", "IMAGE/LEVEL0.BMP", "IMAGE/LEVEL1.BMP", "IMAGE/KTVCG1.BMP", "IMAGE/KTVCG2.BMP"}) {
        SCOPED_TRACE(path);
        const Bmp b = loadBmp(path);
        // Text and ships are the brightest things on these pictures: they lie in the shown part.
        long inside = 0, outside = 0;
        for (int y = 0; y < b.h; ++y) {
            for (int x = 0; x < b.w; ++x) {
                const int v = b.brightness(x, y);
                if (v < 600) continue;
                (x >= 40 && x < 400 ? inside : outside) += 1;
            }
        }
        EXPECT_GT(inside, 200);
        EXPECT_LT(outside * 20, inside);
    }
}

}  // namespace
