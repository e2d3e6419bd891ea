// The backdrop layers, the star field, the side panels and the falling overlays.
#pragma once
#include "host/types.h"

// The layers: each draws and advances its strip once.
void Backdrop1_Draw();
void Backdrop2_Draw();
void Backdrop3_Draw();
void Backdrop6_Draw();
void Backdrop8_Draw();
void Backdrop4B_Draw();
void Backdrop4_Draw();
void Backdrop7_Draw();
void Backdrop9_Draw();
void Backdrop10_Draw();

// Draws and advances the 100 specks; a speck that leaves the bottom comes back with a falling speed of
// rand() % a + b px/s.
void StarField_Update(i32 a, i32 b);

void SidePanels_Draw();

// A large picture that falls through the play field once.
struct BackdropOverlay {
    f32 x, y;
    f32 speed;  // px/s
    i32 active;
};
extern BackdropOverlay Overlay1, Overlay2, Overlay3;
void Overlay1_Spawn();
void Overlay1_Draw();
void Overlay1_Move();
void Overlay2_Spawn();
void Overlay2_Draw();
void Overlay2_Move();
void Overlay3_Spawn();
void Overlay3_Draw();
void Overlay3_Move();

// Sheets that start-up loading names no file for; nothing fills these handles.
extern i32 imgBACK4B, imgBACK4, imgBACK7, imgBACK9, imgBACK10, imgSIDEPANEL, imgOVERLAY1, imgOVERLAY2, imgOVERLAY3;
