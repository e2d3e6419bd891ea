#include "game/bossfire/beam_data.h"

BeamState Boss51Beam1{}, Boss51Beam2{};
