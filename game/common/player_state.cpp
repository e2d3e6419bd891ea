#include "game/common/player_state.h"

PlayerStateRecord PlayerState{};
InputKeysRecord InputKeys{};
