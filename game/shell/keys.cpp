// The key handler: every key press lands here from the window procedure, between passes. The shell hands
// it to the library at start-up, with the scene records that the library's reset clears.
#include "el/elDraw.h"
#include "el/elMidi.h"
#include "el/elSystem.h"
#include "game/common/stage_state.h"
#include "game/shell/shell.h"

void Game_OnKeyDown(u32 key) {
    if (!LibraryPause.on) {
        LastKey = key;
        StickyKey = key;
    } else {
        PauseKey = key;
    }
    if (key == host::kVkEscape) {
        elMidi::Stop();
        elSystem::SetWait(1, 1000);
        elSystem::End();
    }
    if (key == 'S' && !StageState.continuePrompt) StageState.paused = StageState.paused ? 0 : 1;
    if (key == 'T') {
        elMidi::Stop();
        Title_StoreOptions();
        GameMode = ModeTitle;
        PrevMode = 0;
    }
}

void Game_RegisterHooks() {
    elSystem::SetGameHooks({Game_OnKeyDown, {&GameMode, &NextMode, &PrevMode, &ModeChanged}});
}
