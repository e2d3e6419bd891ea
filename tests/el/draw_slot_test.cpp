// Slots of the object table: a slot that holds a picture is never handed out again, whatever its name;
// a pack entry without a name never reaches the table.
#include <filesystem>
#include <string>

#include "draw_screen_fixture.h"
#include "support/temp_folder.h"

namespace {

class SlotTest : public kt::ScreenTest {
protected:
    std::string folder;  // a new one beside the program for each test, named relative to it
    void SetUp() override {
        kt::ScreenTest::SetUp();
        Up();
        folder = std::filesystem::path(kt::FolderBesideProgram("H13SLOT")).parent_path().filename().string();
    }
    void TearDown() override {
        if (!folder.empty()) std::filesystem::remove_all(std::string(elSystem::GetModuleDir(0)) + folder);
        kt::ScreenTest::TearDown();  // also checks that every surface was given back
    }
    static void Entry(std::vector<u8>& v, u32 w, u32 h, const std::string& name) {
        for (u32 x : {w, h}) {
            v.push_back(static_cast<u8>(x));
            v.push_back(static_cast<u8>(x >> 8));
        }
        v.insert(v.end(), name.begin(), name.end());
        v.push_back(0);
        v.insert(v.end(), static_cast<size_t>(w) * h * 2, 0x11);
    }
};

TEST_F(SlotTest, PackEntryWithoutANameIsRefusedAndLeaksNothing) {
    std::vector<u8> v;
    Entry(v, 2, 2, "");
    Entry(v, 2, 2, "B.BMP");
    WriteFile(folder + "/E.PAK", v);
    elDraw::SetPackFile((folder + "/E.PAK").c_str());
    const i32 surfaces = host::LiveSurfaceCount();
    EXPECT_EQ(elDraw::LoadPack("", 1), 0);
    EXPECT_EQ(LastBox(), BoxText("elDraw::LoadPack", elDraw::msg::kCannotReadBmp));
    EXPECT_EQ(host::LiveSurfaceCount(), surfaces);
    // A pack holding a nameless entry is damaged: what follows it is not read either.
    EXPECT_EQ(elDraw::LoadPack("B.BMP", 1), 0);
    EXPECT_EQ(elDraw::SwapPack("", elDraw::CreateObject(2, 2, 1), 1), 0);
    EXPECT_EQ(host::LiveSurfaceCount(), surfaces + 1);  // only the swap's own target
}

TEST_F(SlotTest, ASlotWithAPictureIsTakenWhateverItsName) {
    const i32 a = elDraw::CreateObject(4, 4, 1);
    ASSERT_EQ(a, 4);
    ObjectTable[a].name[0] = 0;  // a record whose name was lost still owns its surface
    const i32 b = elDraw::CreateObject(4, 4, 1);
    EXPECT_EQ(b, 5);
    // A released slot is free again; the nameless one keeps its picture until the end gives it back.
    elDraw::ReleaseObject(b);
    EXPECT_EQ(elDraw::CreateObject(1, 1, 1), 5);
    EXPECT_EQ(elDraw::CreateObject(1, 1, 1), 6);
}

}  // namespace
