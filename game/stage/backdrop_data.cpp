#include "game/stage/backdrop_data.h"

StarSpeck StarSpecks[kStarSpecks];
