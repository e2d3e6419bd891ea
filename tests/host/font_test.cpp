// Fonts and text: face mapping, cell sizes, unsmoothed glyphs, turned lines, layout and the face list.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <cstring>
#include <set>
#include <string>

#include <fontconfig/fontconfig.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "host/font.h"
#include "host/gdi.h"
#include "host/surface.h"
#include "host/text.h"
#include "host/report.h"
#include "host/textlayout.h"
#include "support/headless_machine.h"
#include "support/process.h"
#include "support/temp_folder.h"

namespace {

const char kStdGothic[] = "\x95\x57\x8F\x80\x83\x53\x83\x56\x83\x62\x83\x4E";  // 標準ゴシック
const char kStdMincho[] = "\x95\x57\x8F\x80\x96\xBE\x92\xA9";                  // 標準明朝
const char kAiu[] = "\x82\xA0\x82\xA2\x82\xA4";                                  // あいう

host::FontDesc Desc(const char* face, i32 height, u8 charSet = host::kCharSetShiftJis) {
    host::FontDesc d;
    std::strncpy(d.faceName, face, 31);
    d.height = height;
    d.weight = 400;
    d.charSet = charSet;
    return d;
}

struct FontHolder {
    host::Font* f;
    explicit FontHolder(const host::FontDesc& d) : f(host::CreateFont(d)) {}
    ~FontHolder() { host::DeleteFont(f); }
};

// The bounding box of every pixel that is not `bg`, and how many such pixels there are.
struct Ink {
    i32 left = 1 << 30, top = 1 << 30, right = -1, bottom = -1, count = 0;
};
Ink InkOf(const host::Surface* s, u16 bg) {
    Ink k;
    for (i32 y = 0; y < s->Height(); ++y)
        for (i32 x = 0; x < s->Width(); ++x)
            if (s->PixelAt(x, y) != bg) {
                k.left = std::min(k.left, x), k.right = std::max(k.right, x);
                k.top = std::min(k.top, y), k.bottom = std::max(k.bottom, y);
                ++k.count;
            }
    return k;
}

class Fonts : public kt::Headless {};

TEST_F(Fonts, BuiltInNamesMapToTheJapaneseFacesAndNoNameFails) {
    EXPECT_EQ(host::FontFamily(FontHolder(Desc(kStdGothic, 12)).f), "IPAGothic");
    EXPECT_EQ(host::FontFamily(FontHolder(Desc(kStdMincho, 12)).f), "IPAMincho");
    EXPECT_EQ(host::FontFamily(FontHolder(Desc("No Such Face", 12)).f), "IPAGothic");
    EXPECT_EQ(host::FontFamily(FontHolder(Desc("DejaVu Sans", 12, host::kCharSetAnsi)).f), "DejaVu Sans");
    const std::string ipaMincho = "\x49\x50\x41\x96\xBE\x92\xA9";  // IPA明朝
    EXPECT_EQ(host::FontFamily(FontHolder(Desc(ipaMincho.c_str(), 12)).f), "IPAMincho");
    FontHolder empty(Desc("", 0));
    EXPECT_NE(empty.f, nullptr);
    EXPECT_GT(host::GetFontMetrics(empty.f).height, 0);
    EXPECT_EQ(host::LiveFontCount(), 1);
}

// Whether a text reads in a font: a face without the Japanese characters cannot draw them, only what it has.
TEST_F(Fonts, AFontDrawsOnlyTheTextItsFaceHasGlyphsFor) {
    const std::string mixed = std::string("BMP ") + kAiu;
    EXPECT_TRUE(host::FontDrawsText(FontHolder(Desc(kStdGothic, 16)).f, mixed.c_str(), static_cast<i32>(mixed.size())));
    FontHolder latin(Desc("DejaVu Sans", 16, host::kCharSetAnsi));
    ASSERT_EQ(host::FontFamily(latin.f), "DejaVu Sans");
    EXPECT_TRUE(host::FontDrawsText(latin.f, "BMP : x", 7));
    EXPECT_FALSE(host::FontDrawsText(latin.f, mixed.c_str(), static_cast<i32>(mixed.size())));
    EXPECT_FALSE(host::FontDrawsText(nullptr, "x", 1));
}

TEST_F(Fonts, PositiveHeightIsTheCellAndDoubleByteCharactersAreFullWidth) {
    for (i32 h : {12, 16, 24, 31}) {
        FontHolder f(Desc(kStdGothic, h));
        const host::FontMetrics m = host::GetFontMetrics(f.f);
        EXPECT_EQ(m.height, h);
        EXPECT_EQ(m.ascent + m.descent, h);
        i32 cx = 0, cy = 0;
        host::TextExtent(f.f, kAiu, 6, &cx, &cy);
        EXPECT_EQ(cy, h);
        EXPECT_NEAR(cx, 3 * h, 3) << h;
        i32 ax = 0;
        host::TextExtent(f.f, "AB", 2, &ax, nullptr);
        EXPECT_NEAR(ax, h, 2) << "two half-width letters take one full width";
    }
    FontHolder neg(Desc(kStdGothic, -20));
    i32 cx = 0;
    host::TextExtent(neg.f, kAiu, 2, &cx, nullptr);
    EXPECT_EQ(cx, 20) << "a negative height is the em";
}

TEST_F(Fonts, CodePage932BackslashAndTildeStayAscii) {
    EXPECT_EQ(host::Cp932CharToUnicode("\x5C", 1), 0x5Cu);
    EXPECT_EQ(host::Cp932CharToUnicode("\x7E", 1), 0x7Eu);
    EXPECT_EQ(host::Cp932CharToUnicode("\x82\xA0", 2), 0x3042u);
    EXPECT_EQ(host::Cp932CharToUnicode("\xB1", 1), 0xFF71u);  // half-width katakana
    EXPECT_EQ(host::Cp932CharToUnicode("\x82", 1), 0u) << "a lone lead byte has no character";
}

class TextOnSurface : public kt::Headless {
protected:
    void SetUp() override {
        kt::Headless::SetUp();
        s = host::CreateSurface(200, 100);
        dc = host::GetDc(s);
    }
    void TearDown() override {
        host::SelectFont(dc, nullptr);
        host::ReleaseDc(dc);
        host::ReleaseSurface(s);
        host::DeleteFont(font);
    }
    void Use(const host::FontDesc& d) {
        host::SelectFont(dc, nullptr);
        host::DeleteFont(font);
        font = host::CreateFont(d);
        host::SelectFont(dc, font);
    }
    host::Surface* s = nullptr;
    host::Dc* dc = nullptr;
    host::Font* font = nullptr;
};

TEST_F(TextOnSurface, OpaqueTextFillsTheCellAndGlyphsAreUnsmoothed) {
    Use(Desc(kStdGothic, 12));
    host::SetTextColor(dc, 0xFFFFFF);
    host::SetBkColor(dc, 0x800000);
    host::TextOut(dc, 10, 20, kAiu, 6);
    i32 cx = 0, cy = 0;
    host::GetTextExtent(dc, kAiu, 6, &cx, &cy);
    const u16 white = host::RgbToPixel(s->Layout(), 0xFFFFFF), blue = host::RgbToPixel(s->Layout(), 0x800000);
    i32 inkPixels = 0;
    for (i32 y = 0; y < s->Height(); ++y) {
        for (i32 x = 0; x < s->Width(); ++x) {
            const u16 p = s->PixelAt(x, y);
            const bool inCell = x >= 10 && x < 10 + cx && y >= 20 && y < 20 + cy;
            if (!inCell) {
                ASSERT_EQ(p, 0) << x << "," << y;
            } else {
                ASSERT_TRUE(p == white || p == blue) << "only the two colours: " << x << "," << y;
                inkPixels += p == white;
            }
        }
    }
    EXPECT_GT(inkPixels, 20);
    EXPECT_LT(inkPixels, cx * cy / 2);
}

TEST_F(TextOnSurface, TransparentTextLeavesTheBackgroundAndClipsAtTheEdges) {
    Use(Desc(kStdGothic, 16));
    host::SetBkMode(dc, host::kBkTransparent);
    host::SetTextColor(dc, 0x00FF00);
    host::TextOut(dc, -7, -5, kAiu, 6);
    host::TextOut(dc, 190, 90, kAiu, 6);
    const Ink k = InkOf(s, 0);
    EXPECT_GT(k.count, 0);
    EXPECT_EQ(k.left, 0);
    EXPECT_EQ(k.right, 199);
    // At the far ends of the int range nothing reaches the surface, and nothing overflows on the way.
    host::SetBkMode(dc, host::kBkOpaque);
    host::SetBkColor(dc, 0x0000FF);
    for (const i32 far : {INT32_MAX - 5, INT32_MIN + 5}) {
        host::TextOut(dc, far, 10, kAiu, 6);
        host::TextOut(dc, 10, far, kAiu, 6);
    }
    EXPECT_EQ(InkOf(s, 0).count, k.count);
}

TEST_F(TextOnSurface, EscapementTurnsTheWholeLineAboutItsReferencePoint) {
    host::FontDesc d = Desc(kStdGothic, 16);
    d.escapement = 900;
    Use(d);
    host::SetBkMode(dc, host::kBkTransparent);
    host::SetTextColor(dc, 0xFFFFFF);
    host::TextOut(dc, 50, 90, "\x82\xA0\x82\xA0\x82\xA0\x82\xA0", 8);  // ああああ: 64 pixels long
    const Ink k = InkOf(s, 0);
    EXPECT_GT(k.bottom - k.top, 50) << "the line runs upward";
    EXPECT_LT(k.right - k.left, 18);
    EXPECT_LE(k.bottom, 90);
    EXPECT_GE(k.left, 50) << "a quarter turn counter-clockwise puts the cell's top edge on the left";
}

TEST_F(TextOnSurface, BoldItalicAndUnderlineAreSynthesised) {
    host::SetBkMode(dc, host::kBkTransparent);
    host::SetTextColor(dc, 0xFFFFFF);
    Use(Desc(kStdGothic, 24));
    host::TextOut(dc, 0, 0, "I", 1);
    const i32 plain = InkOf(s, 0).count;
    i32 plainWidth = 0;
    host::GetTextExtent(dc, "I", 1, &plainWidth, nullptr);
    host::SelectFont(dc, nullptr);
    host::ReleaseDc(dc);
    host::FillRect(s, host::Rect{0, 0, 200, 100}, 0);
    dc = host::GetDc(s);
    host::SetBkMode(dc, host::kBkTransparent);
    host::SetTextColor(dc, 0xFFFFFF);
    host::FontDesc bold = Desc(kStdGothic, 24);
    bold.weight = 700;
    Use(bold);
    host::TextOut(dc, 0, 0, "I", 1);
    EXPECT_GT(InkOf(s, 0).count, plain);
    i32 boldWidth = 0;
    host::GetTextExtent(dc, "I", 1, &boldWidth, nullptr);
    EXPECT_EQ(boldWidth, plainWidth + 1);

    host::FontDesc under = Desc(kStdGothic, 24);
    under.underline = 1;
    Use(under);
    host::TextOut(dc, 100, 50, "  ", 2);  // spaces: only the underline shows
    const Ink k = InkOf(s, 0);
    EXPECT_GE(k.bottom, 50 + host::GetFontMetrics(font).ascent);
    EXPECT_LT(k.bottom, 50 + 24);
}

TEST_F(TextOnSurface, LaidOutTextWrapsWithinItsBox) {
    Use(Desc(kStdGothic, 12));
    host::Rect r{0, 0, 40, 0};
    const char* text = "ab cd efgh ijklmnopqrstuvwxyz";
    const i32 h = host::DrawText(dc, text, -1, &r, host::kDtCalcRect | host::kDtWordBreak | host::kDtNoPrefix);
    EXPECT_EQ(h, r.bottom);
    EXPECT_EQ(h % 12, 0);
    EXPECT_GE(h, 4 * 12);
    EXPECT_EQ(InkOf(s, 0).count, 0) << "measuring draws nothing";

    host::Rect box{10, 10, 70, 60};
    host::SetBkMode(dc, host::kBkTransparent);
    host::SetTextColor(dc, 0xFFFFFF);
    host::DrawText(dc, text, -1, &box, host::kDtWordBreak | host::kDtNoPrefix);
    const Ink k = InkOf(s, 0);
    EXPECT_GE(k.left, 10);
    EXPECT_LT(k.right, 70);
    EXPECT_LT(k.bottom, 60) << "laid-out text clips to its rectangle";

    // A rectangle spanning the whole int range: right-aligned text lands far away, and nothing overflows.
    host::Rect wide{INT32_MIN, 0, INT32_MAX, 50};
    host::DrawText(dc, "abc", -1, &wide, host::kDtRight | host::kDtNoPrefix);
    host::Rect far{INT32_MAX - 5, INT32_MAX - 5, INT32_MAX, INT32_MAX};
    EXPECT_EQ(host::DrawText(dc, text, -1, &far, host::kDtCalcRect | host::kDtNoPrefix), 12);
    EXPECT_EQ(far.right, INT32_MAX);
    EXPECT_EQ(InkOf(s, 0).count, k.count);
    host::DrawText(dc, "abc", -1, &wide, host::kDtCenter | host::kDtNoPrefix);
    EXPECT_EQ(InkOf(s, 0).left, 0) << "centred about x 0, cut at the surface's left edge";
}

TEST(TextLayout, BreaksAtSpacesAndBetweenDoubleByteCharactersNeverInside) {
    host::FontDesc d = Desc(kStdGothic, 12);
    host::Font* f = host::CreateFont(d);
    auto lines = host::LayoutText(f, "aaa bbb", 7, 40, true);  // 6 px a letter: "aaa bbb" is 42
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].length, 3);
    EXPECT_EQ(lines[1].start, 4);
    const std::string jp = std::string(kAiu) + kAiu;  // six full-width characters, 72 px
    lines = host::LayoutText(f, jp.c_str(), static_cast<i32>(jp.size()), 30, true);
    ASSERT_EQ(lines.size(), 3u);
    for (const auto& l : lines) {
        EXPECT_EQ(l.start % 2, 0);
        EXPECT_EQ(l.length, 4);
    }
    lines = host::LayoutText(f, "one\r\ntwo\nthree", 14, 1000, false);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2].start, 9);
    lines = host::LayoutText(f, "abcdefghij", 10, 20, true);  // one word wider than the line
    ASSERT_GE(lines.size(), 3u);
    host::DeleteFont(f);
}

// Lead bytes run up to 0xFC: the user-defined area (0xF0..) and the extensions (0xFA..0xFC) are pairs too,
// in conversion, in the glyph table, in layout and when names are upper-cased.
TEST(TextLayout, LeadBytesUpTo0xFCOpenTwoByteCharacters) {
    const char text[] = "\xF0\x40\xFC\x4B";  // U+E000 (user-defined), U+9ED1
    EXPECT_EQ(host::Cp932ToUtf8(text), "\xEE\x80\x80\xE9\xBB\x91");
    EXPECT_EQ(host::Cp932CharToUnicode(text, 2), 0xE000u);
    EXPECT_EQ(host::Cp932CharToUnicode(text + 2, 2), 0x9ED1u);
    EXPECT_EQ(host::UpperCaseCp932("a\xF0\x61\xFC\x62z"), "A\xF0\x61\xFC\x62Z") << "second bytes stay as they are";
    FontHolder f(Desc(kStdGothic, 12));
    // One pixel wide: every line holds exactly one character.
    const auto lines = host::LayoutText(f.f, text, 4, 1, true);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].start, 0);
    EXPECT_EQ(lines[0].length, 2);
    EXPECT_EQ(lines[1].start, 2);
    EXPECT_EQ(lines[1].length, 2);
    i32 cx = 0;
    host::TextExtent(f.f, text + 2, 2, &cx, nullptr);
    EXPECT_EQ(cx, 12) << "one full-width character";
}

TEST(FaceList, NamesAreCodePage932EachOnceWithTheJapaneseFacesFirst) {
    const auto faces = host::EnumFaces();
    ASSERT_FALSE(faces.empty());
    std::set<std::string> names;
    bool seenOther = false;
    for (const auto& f : faces) {
        EXPECT_TRUE(names.insert(f.nameCp932).second) << f.nameCp932;
        EXPECT_LE(f.nameCp932.size(), 31u);
        if (f.charSet != host::kCharSetShiftJis) seenOther = true;
        else EXPECT_FALSE(seenOther) << "Japanese faces come first";
    }
    EXPECT_TRUE(names.count("IPAGothic"));
    EXPECT_TRUE(names.count("IPA\x83\x53\x83\x56\x83\x62\x83\x4E"));  // IPAゴシック
}

// ---- a font file that does not open --------------------------------------------------------------
constexpr char kFontChild[] = "KESTRALIS_FONT_CHILD";
constexpr char kPermissionsHold[] = "permissions-hold";  // kFontChild's value for a child the permissions hold for

// The file fontconfig gives for `family` on this machine; empty when it gives none.
std::string FileOfFamily(const char* family) {
    std::string out;
    FcConfig* config = FcInitLoadConfigAndFonts();
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    FcChar8* file = nullptr;
    if (match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) out = reinterpret_cast<char*>(file);
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    FcConfigDestroy(config);
    return out;
}

// This test again in a fresh process, whose fonts are not set up yet, with the font configuration `conf`,
// and one that file permissions hold for where `permissionsHold` (the system's administrator reads any file
// otherwise); what it printed: the lines it said, then the face its fonts got.
std::string FacesInAChild(const std::string& conf, const std::string& out, bool permissionsHold) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string filter = std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name();
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv(kFontChild, permissionsHold ? kPermissionsHold : "1", 1);
        setenv("FONTCONFIG_FILE", conf.c_str(), 1);
        if (!std::freopen(out.c_str(), "w", stdout) || dup2(fileno(stdout), 2) < 0) _exit(126);
        execl(self.c_str(), self.c_str(), filter.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    const int status = kt::EndedChild(pid, 60'000);
    std::stringstream said;
    said << std::ifstream(out).rdbuf();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << said.str();
    std::string lines;
    std::istringstream in(said.str());
    for (std::string line; std::getline(in, line);)
        if (line.rfind("said: ", 0) == 0 || line.rfind("face: ", 0) == 0) lines += line + "\n";
    return lines;
}

// The child: a few fonts, as the boxes and the game make them, then what was said and what face they got.
void MakeFontsAndSay() {
    host::SetFileReportsQuiet(true);
    host::Font* gothic = host::CreateFont(Desc(kStdGothic, 16));
    host::Font* mincho = host::CreateFont(Desc(kStdMincho, 12));
    host::Font* latin = host::CreateFont(Desc("sans-serif", 12, host::kCharSetAnsi));
    for (const std::string& line : host::FileReports()) std::printf("said: %s\n", line.c_str());
    std::printf("face: %s\n", host::FontFamily(gothic).c_str());
    std::fflush(stdout);
    for (host::Font* f : {gothic, mincho, latin}) host::DeleteFont(f);
}

// The font file fontconfig names (from its cache) cannot be opened or is no font: it is said once, by that
// name and why, and the fonts go without a face, as where there is none at all.
TEST(FontFiles, AFontFileThatDoesNotOpenIsSaidOnceByTheNameFontconfigGives) {
    if (const char* role = std::getenv(kFontChild)) {
        // The permissions are given up here, after the start: the test program may lie where only its user
        // can reach it.
        if (std::string(role) == kPermissionsHold && !kt::GiveUpPassingOverPermissions()) {
            std::printf("could not give up passing over permissions\n");
            return;
        }
        MakeFontsAndSay();
        return;
    }
    namespace fs = std::filesystem;
    const std::string ipa = FileOfFamily("IPAGothic");
    ASSERT_FALSE(ipa.empty()) << "no IPAGothic font here";
    // The folder fontconfig reads holds a link to the font, which stands in a folder of its own: what becomes
    // of the font there leaves fontconfig's folder and its cache as they were.
    const std::string dir = kt::TempFolder();
    for (const char* sub : {"/fonts", "/real", "/cache"}) fs::create_directory(dir + sub);
    const std::string real = dir + "/real/font.ttf", named = dir + "/fonts/font.ttf";
    fs::create_symlink("../real/font.ttf", named);
    const std::string conf = dir + "/fonts.conf";
    std::ofstream(conf) << "<?xml version=\"1.0\"?>\n<fontconfig><dir>" << dir << "/fonts</dir><cachedir>" << dir
                        << "/cache</cachedir></fontconfig>\n";
    const auto putBack = [&] {
        fs::remove_all(real);
        fs::copy_file(ipa, real);
    };
    putBack();
    ASSERT_EQ(FacesInAChild(conf, dir + "/out", false), "face: IPAGothic\n");

    const struct {
        const char* what;
        std::function<void()> spoil;
        std::string why;
        bool permissionsHold = false;
    } cases[] = {
        {"a named pipe", [&] { fs::remove(real), mkfifo(real.c_str(), 0644); }, "not a regular file"},
        {"a folder", [&] { fs::remove(real), fs::create_directory(real); }, "is a directory"},
        {"a dangling link", [&] { fs::remove(real); }, "not found"},
        {"no permission", [&] { fs::permissions(real, fs::perms::none); }, "permission denied", true},
        {"an empty file", [&] { std::ofstream(real, std::ios::trunc); }, "not a font file this program can read"},
        {"a damaged file", [&] { std::ofstream(real, std::ios::trunc) << std::string(4096, 'x'); },
         "not a font file this program can read"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.spoil();
        EXPECT_EQ(FacesInAChild(conf, dir + "/out", c.permissionsHold), "said: " + named + ": " + c.why + "\nface: \n");
        putBack();
    }
}

}  // namespace
