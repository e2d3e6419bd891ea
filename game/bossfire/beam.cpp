// The two beams of the stage-4 boss. A beam fires (and strikes the ship) the moment its Update finds it
// idle, then its Draw shows the flash's three images on the next three draws and ends it on the fourth;
// inside a firing window it therefore fires every fourth frame.
#include "game/bossfire/beam.h"

#include "el/draw/soft.h"
#include "game/bossfire/beam_data.h"
#include "game/common/boss_state.h"
#include "game/common/contact.h"
#include "game/common/geometry.h"
#include "game/common/images.h"

namespace {

struct BeamFamily {
    BeamState* beam;
    f32 dx;  // from the boss's x; every beam stands 205 below the boss
};
const BeamFamily kBeam1{&Boss51Beam1, 36.0f};
const BeamFamily kBeam2{&Boss51Beam2, 254.0f};

constexpr f32 kBelow = 205.0f;
constexpr i32 kWidth = 90, kHeight = 400, kImages = 3;

void Beam_Update(const BeamFamily& f) {
    BeamState& b = *f.beam;
    if (b.active != 0) return;
    b.active = 1;
    b.frame = 0;  // the flash starts at its first image, whatever a reset left in the word
    b.x = Boss51State.x + f.dx;
    b.y = Boss51State.y + kBelow;
    Shot_StrikePlayer(b.x, b.y, -60.0f, -220.0f, 30.0f, 30.0f);
}

void Beam_Draw(const BeamFamily& f) {
    BeamState& b = *f.beam;
    if (b.active == 0) return;
    b.frame += 1;
    if (b.frame > kImages) {
        b.frame = 0;
        b.active = 0;
        return;
    }
    const i32 left = (b.frame - 1) * kWidth;
    elDraw::PutAdd(TruncPos(b.x), TruncPos(b.y), imgVALARM51, left, 0, left + kWidth, kHeight);
}

}  // namespace

void Boss51Beam1_Update() { Beam_Update(kBeam1); }
void Boss51Beam1_Draw() { Beam_Draw(kBeam1); }
void Boss51Beam2_Update() { Beam_Update(kBeam2); }
void Boss51Beam2_Draw() { Beam_Draw(kBeam2); }
