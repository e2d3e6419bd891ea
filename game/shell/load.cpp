// Start-up loading: the library's screen, the play field's clip rectangle, every picture and sound.
#include <algorithm>
#include <string>
#include <vector>

#include "el/elDraw.h"
#include "el/elSound.h"
#include "el/elSystem.h"
#include "game/common/images.h"
#include "game/shell/shell.h"
#include "host/files.h"
#include "host/report.h"
#include "host/text.h"
#include "host/window.h"

namespace {

// Everything start-up loads, in load order; the two sounds are the entries under SOUND.
struct LoadEntry {
    const char* file;
    i32* handle;
};
const LoadEntry kLoadList[] = {
    {"IMAGE/ZBAK1B.BMP", &imgZBAK1B},
    {"IMAGE/ZBAK2B.BMP", &imgZBAK2B},
    {"IMAGE/ZBAK3B.BMP", &imgZBAK3B},
    {"IMAGE/ZBAK4B.BMP", &imgZBAK4B},
    {"IMAGE/ZBAK5B.BMP", &imgZBAK5B},
    {"IMAGE/ZBAK6B.BMP", &imgZBAK6B},
    {"IMAGE/BBAK1B.BMP", &imgBBAK1B},
    {"IMAGE/GFBAK1.BMP", &imgGFBAK1},
    {"IMAGE/OPMY1.BMP", &imgOPMY1},
    {"IMAGE/FBOM1.BMP", &imgFBOM1},
    {"IMAGE/MYMY.BMP", &imgMYMY},
    {"IMAGE/MYEND.BMP", &imgMYEND},
    {"IMAGE/MYENDF.BMP", &imgMYENDF},
    {"IMAGE/MYGOODN.BMP", &imgMYGOODN},
    {"IMAGE/SUJI09.BMP", &imgSUJI09},
    {"IMAGE/RANKING1.BMP", &imgRANKING1},
    {"IMAGE/HAHEN.BMP", &imgHAHEN},
    {"IMAGE/SFLH1.BMP", &imgSFLH1},
    {"IMAGE/SFLH2.BMP", &imgSFLH2},
    {"IMAGE/SFLH3.BMP", &imgSFLH3},
    {"IMAGE/SFLH4.BMP", &imgSFLH4},
    {"IMAGE/SFLH5.BMP", &imgSFLH5},
    {"IMAGE/SFLH11.BMP", &imgSFLH11},
    {"IMAGE/SFLH22.BMP", &imgSFLH22},
    {"IMAGE/SFLH33.BMP", &imgSFLH33},
    {"IMAGE/FLHST.BMP", &imgFLHST},
    {"IMAGE/FLHST11.BMP", &imgFLHST11},
    {"IMAGE/FLHST2.BMP", &imgFLHST2},
    {"IMAGE/FLHST22.BMP", &imgFLHST22},
    {"IMAGE/FLHST3.BMP", &imgFLHST3},
    {"IMAGE/FLHST33.BMP", &imgFLHST33},
    {"IMAGE/FLW1_3.BMP", &imgFLW1_3},
    {"IMAGE/FLW2_1.BMP", &imgFLW2_1},
    {"IMAGE/FLW3_2.BMP", &imgFLW3_2},
    {"IMAGE/FLW11.BMP", &imgFLW11},
    {"IMAGE/FLW22.BMP", &imgFLW22},
    {"IMAGE/FLW33.BMP", &imgFLW33},
    {"IMAGE/RAY1.BMP", &imgRAY1},
    {"IMAGE/RAY2.BMP", &imgRAY2},
    {"IMAGE/RAY11.BMP", &imgRAY11},
    {"IMAGE/RAY22.BMP", &imgRAY22},
    {"IMAGE/RAY3.BMP", &imgRAY3},
    {"IMAGE/RAY4.BMP", &imgRAY4},
    {"IMAGE/RAY5.BMP", &imgRAY5},
    {"IMAGE/RAY6.BMP", &imgRAY6},
    {"IMAGE/RAY7.BMP", &imgRAY7},
    {"IMAGE/RAY8.BMP", &imgRAY8},
    {"IMAGE/RAY10.BMP", &imgRAY10},
    {"IMAGE/SPOWER1.BMP", &imgSPOWER1},
    {"IMAGE/FBAK1.BMP", &imgFBAK1},
    {"IMAGE/ZAKU/SZAK1.BMP", &imgSZAK1},
    {"IMAGE/ZAKU/SZAK6.BMP", &imgSZAK6},
    {"IMAGE/ZAKU/SZAK8.BMP", &imgSZAK8},
    {"IMAGE/ZAKU/SZAK9.BMP", &imgSZAK9},
    {"IMAGE/ZAKU/SZAK10.BMP", &imgSZAK10},
    {"IMAGE/ZAKU/SZAK12.BMP", &imgSZAK12},
    {"IMAGE/ZAKU/SZAK13.BMP", &imgSZAK13},
    {"IMAGE/ZAKU/SZAK21.BMP", &imgSZAK21},
    {"IMAGE/ZAKU/SZAK22.BMP", &imgSZAK22},
    {"IMAGE/ZAKU/SZAK23.BMP", &imgSZAK23},
    {"IMAGE/ZAKU/SZAK24.BMP", &imgSZAK24},
    {"IMAGE/ZAKU/SZAK30.BMP", &imgSZAK30},
    {"IMAGE/ZAKU/SZAK31.BMP", &imgSZAK31},
    {"IMAGE/ZAKU/SZAK32.BMP", &imgSZAK32},
    {"IMAGE/ZAKU/SZAK33.BMP", &imgSZAK33},
    {"IMAGE/ZAKU/SZAK40.BMP", &imgSZAK40},
    {"IMAGE/ZAKU/SZAK41.BMP", &imgSZAK41},
    {"IMAGE/ZAKU/SZAK50.BMP", &imgSZAK50},
    {"IMAGE/ZAKU/SZAK51.BMP", &imgSZAK51},
    {"IMAGE/ZAKU/SZAK52.BMP", &imgSZAK52},
    {"IMAGE/ZAKU/SZAK53.BMP", &imgSZAK53},
    {"IMAGE/ZAKU/SZAK54.BMP", &imgSZAK54},
    {"IMAGE/VAL11.BMP", &imgVAL11},
    {"IMAGE/VAL12.BMP", &imgVAL12},
    {"IMAGE/VAL13.BMP", &imgVAL13},
    {"IMAGE/VAL1.BMP", &imgVAL1},
    {"IMAGE/VAL2.BMP", &imgVAL2},
    {"IMAGE/VAL3.BMP", &imgVAL3},
    {"IMAGE/RPANEL3R.BMP", &imgRPANEL3R},
    {"IMAGE/RPANEL2R.BMP", &imgRPANEL2R},
    {"IMAGE/FLZ01_l.BMP", &imgFLZ01_l},
    {"IMAGE/ROCK1.BMP", &imgROCK1},
    {"IMAGE/BOSS/BOSS11.BMP", &imgBOSS11},
    {"IMAGE/BOSS/BOSS31.BMP", &imgBOSS31},
    {"IMAGE/BOSS/BOSS41.BMP", &imgBOSS41},
    {"IMAGE/BOSS/BOSS51.BMP", &imgBOSS51},
    {"IMAGE/BOSS/BOSS71.BMP", &imgBOSS71},
    {"IMAGE/BOSS/BOS111.BMP", &imgBOS111},
    {"IMAGE/BOSS/BOS511.BMP", &imgBOS511},
    {"IMAGE/VAL16241.BMP", &imgVAL16241},
    {"IMAGE/VAL20241.BMP", &imgVAL20241},
    {"IMAGE/VALL20.BMP", &imgVALL20},
    {"IMAGE/VAL201.BMP", &imgVAL201},
    {"IMAGE/VAL401.BMP", &imgVAL401},
    {"IMAGE/VAL402.BMP", &imgVAL402},
    {"IMAGE/VAL402.BMP", &imgVAL402_2},
    {"IMAGE/VAL404.BMP", &imgVAL404},
    {"IMAGE/VAL405.BMP", &imgVAL405},
    {"IMAGE/VAL40L.BMP", &imgVAL40L},
    {"IMAGE/VAL40L1.BMP", &imgVAL40L1},
    {"IMAGE/VAL40L2.BMP", &imgVAL40L2},
    {"IMAGE/ZAL20.BMP", &imgZAL20},
    {"IMAGE/VAL15L.BMP", &imgVAL15L},
    {"IMAGE/VAL151L.BMP", &imgVAL151L},
    {"IMAGE/VAL30L.BMP", &imgVAL30L},
    {"IMAGE/VAL20.BMP", &imgVAL20},
    {"IMAGE/VALARM11.BMP", &imgVALARM11},
    {"IMAGE/VALARM12.BMP", &imgVALARM12},
    {"IMAGE/VALARM31.BMP", &imgVALARM31},
    {"IMAGE/VALARM32.BMP", &imgVALARM32},
    {"IMAGE/VALARM33.BMP", &imgVALARM33},
    {"IMAGE/VALARM34.BMP", &imgVALARM34},
    {"IMAGE/VALARM51.BMP", &imgVALARM51},
    {"IMAGE/VALARM70.BMP", &imgVALARM70},
    {"IMAGE/VALARM7.BMP", &imgVALARM7},
    {"IMAGE/VALARM71.BMP", &imgVALARM71},
    {"IMAGE/VALARM72.BMP", &imgVALARM72},
    {"IMAGE/VALARM73.BMP", &imgVALARM73},
    {"IMAGE/VALARM74.BMP", &imgVALARM74},
    {"IMAGE/VALARM75.BMP", &imgVALARM75},
    {"IMAGE/VAL20w.BMP", &imgVAL20w},
    {"IMAGE/VAL21w.BMP", &imgVAL21w},
    {"IMAGE/VAL30w.BMP", &imgVAL30w},
    {"IMAGE/VALL301.BMP", &imgVALL301},
    {"IMAGE/VALL3011.BMP", &imgVALL3011},
    {"IMAGE/VALL3013.BMP", &imgVALL3013},
    {"IMAGE/VALL3014.BMP", &imgVALL3014},
    {"IMAGE/VALL3015.BMP", &imgVALL3015},
    {"IMAGE/VALL3016.BMP", &imgVALL3016},
    {"IMAGE/VAL3015A.BMP", &imgVAL3015A},
    {"IMAGE/VAL3016A.BMP", &imgVAL3016A},
    {"IMAGE/VALL3017.BMP", &imgVALL3017},
    {"IMAGE/VALL3018.BMP", &imgVALL3018},
    {"IMAGE/VAL3017A.BMP", &imgVAL3017A},
    {"IMAGE/VAL3018A.BMP", &imgVAL3018A},
    {"IMAGE/VALL302.BMP", &imgVALL302},
    {"IMAGE/VALL3019.BMP", &imgVALL3019},
    {"IMAGE/VALL3020.BMP", &imgVALL3020},
    {"IMAGE/MESO1.BMP", &imgMESO1},
    {"IMAGE/ZFIRE1.BMP", &imgZFIRE1},
    {"IMAGE/ZFIRE2.BMP", &imgZFIRE2},
    {"SOUND/SHOT.WAV", &sndSHOT},
    {"SOUND/BOM.WAV", &sndBOM},
    {"IMAGE/BACK/BBACK1S.BMP", &imgBBACK1S},
    {"IMAGE/BACK/BBACK2S.BMP", &imgBBACK2S},
    {"IMAGE/BACK/BBACK3S.BMP", &imgBBACK3S},
    {"IMAGE/BACK/BBACK6S.BMP", &imgBBACK6S},
    {"IMAGE/BACK/BBACK8S.BMP", &imgBBACK8S},
    {"IMAGE/TITLEC.BMP", &imgTITLEC},
    {"IMAGE/KTVCG1.BMP", &imgKTVCG1},
    {"IMAGE/KTVCG2.BMP", &imgKTVCG2},
    {"IMAGE/LEVEL0.BMP", &imgLEVEL0},
    {"IMAGE/LEVEL1.BMP", &imgLEVEL1},
    {"IMAGE/CONTINU1.BMP", &imgCONTINU1},
};

bool IsSound(const char* file) { return file[0] == 'S'; }

// The folders the game reads from, each once, in the order of first use: those of the load list, then the
// music's, which the stages play from later.
std::vector<std::string> DataFolders() {
    std::vector<std::string> folders;
    const auto add = [&folders](const std::string& f) {
        if (std::find(folders.begin(), folders.end(), f) == folders.end()) folders.push_back(f);
    };
    for (const LoadEntry& e : kLoadList) {
        const std::string file = e.file;
        add(file.substr(0, file.rfind('/')));
    }
    add("MIDI");
    return folders;
}

}  // namespace

bool Game_FindDataFolders() {
    const std::string base = elSystem::GetModuleDir(0);
    // Without the program's folder (said where it was asked for) names are relative: the current folder's.
    const std::string here = base.empty() ? host::CurrentFolder() : base;
    const std::string looked = here.empty() ? "the current folder" : here;
    std::vector<std::string> missing;
    std::string said;
    for (const std::string& f : DataFolders()) {
        // A folder inside one already missing goes without saying.
        if (std::any_of(missing.begin(), missing.end(), [&f](const std::string& m) { return f.rfind(m + "/", 0) == 0; }))
            continue;
        const std::string why = host::ReadProblem((base + f).c_str(), true);
        if (why.empty()) continue;
        missing.push_back(f);
        const std::string line = "data folder " + f + "/: " + why + " (looked in " + looked + ")";
        host::ReportLine(line);
        said += line + "\n";
    }
    if (missing.empty()) return true;
    // One box for all of them, instead of one for every picture that would follow, over a black window
    // (nothing has been drawn in it yet).
    host::ShowBlackPicture(MainWindow);
    const std::string text = "The game's data is missing, so it cannot start.\n\n" + said;
    // A folder's name may hold characters code page 932 has not: they show as '?' in the box (the line on
    // the error stream keeps them).
    const std::string cp932 = host::Utf8ToCp932Lossy(text);
    host::MessageBox(MainWindow, cp932.c_str(), "\x83G\x83\x89\x81[\x94\xAD\x90\xB6",  // エラー発生
                     host::kBoxSystemModal | host::kBoxIconExclamation | host::kBoxOk);
    return false;
}

void Game_LoadResources() {
    elDraw::Screen(800, 600, 2);
    elDraw::SetClip(220, 0, 580, 600);
    for (const LoadEntry& e : kLoadList) {
        *e.handle = IsSound(e.file) ? elSound::LoadObject(e.file, 1) : elDraw::LoadObject(e.file, 1);
        host::AnswerRaiseRequests();  // a copy started meanwhile waits for an answer, not for the whole load
    }
    HiScore = 500;
    GameMode = ModeTitle;
    PrevMode = 0;
}
