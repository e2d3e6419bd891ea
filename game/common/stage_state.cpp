#include "game/common/stage_state.h"

StageStateRecord StageState{};
