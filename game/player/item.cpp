// The power-up item: it falls down the field; picked up, it arms the three-abreast main shots and adds
// bombs in the next frame's draw.
#include "game/player/item.h"

#include "el/draw/soft.h"
#include "el/elSound.h"
#include "el/elSystem.h"
#include "game/common/geometry.h"
#include "game/common/images.h"
#include "game/common/player_state.h"
#include "game/common/state.h"
#include "host/crt.h"

PowerItemRecord PowerItem{};

namespace {

void Park() {
    PowerItem.x = ParkPosition.x;
    PowerItem.y = ParkPosition.y;
}

}  // namespace

void Item_Spawn() {
    if (PowerItem.falling != 0) return;
    PowerItem.x = static_cast<f32>(host::Rand() % 320 + 210);
    PowerItem.y = -60.0f;
    PowerItem.speed = static_cast<f32>(host::Rand() % 130 + 100);
    PowerItem.falling = 1;
    PowerItem.taken = 0;
    PlayerState.itemCount += 1;
}

void Item_Move() {
    if (PowerItem.falling) PowerItem.y += PowerItem.speed * FrameTime;
    if (PowerItem.y > 600.0f) {
        PowerItem.falling = 0;
        Park();
    }
}

void Item_Take() {
    PowerItem.taken = 1;
    elSound::Play(sndBOM, -1);
}

void Item_Draw() {
    if (PowerItem.taken <= 0) {
        elDraw::PutAdd(TruncPos(PowerItem.x), TruncPos(PowerItem.y), imgSPOWER1, 0, 0, 60, 60);
        return;
    }
    // Each rule sees what the earlier ones left: 2 bombs when the count was 0 or 3 and more, else 1.
    if (PlayerState.itemCount == 0) {
        PlayerState.powerFlag = 1;
        PlayerState.itemCount = 1;
        Bombs += 1;
    }
    if (PlayerState.itemCount == 1) {
        PlayerState.powerFlag = 1;
        Bombs += 1;
    }
    if (PlayerState.itemCount >= 2) {
        PlayerState.powerFlag = 1;
        Bombs += 1;
    }
    if (PlayerState.itemCount >= 3) {
        PlayerState.powerFlag = 1;
        Bombs += 1;
    }
    PowerItem.falling = 0;
    PowerItem.taken = 0;
    Park();
}

void Item_Park() {
    PowerItem.x = ParkPosition.x;
    PowerItem.y = ParkPosition.y;
    PowerItem.speed = 0;
    PowerItem.falling = 0;
    PowerItem.taken = 0;
}
