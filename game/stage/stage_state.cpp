#include "game/stage/stage_state.h"

StageStateRecord StageState{};
