// The painters: one function per kind of picture, driven by the arguments of its catalogue row.
#pragma once

#include <cstdint>

#include "canvas.h"

namespace datagen {

struct Arg {
    int variant = 0;    // which look of the painter's family
    float hue = 0;      // colour, in degrees where the painter takes one
    uint32_t seed = 1;  // for the scattered details
    int n = 0;          // a count where the painter takes one (0: its default)
};

using Painter = void (*)(Canvas&, const Arg&);

// Ships (art_ships.cpp).
void paintPlayerShip(Canvas& cv, const Arg& a);  // 7 tilt columns of 60×70
void paintEnemy(Canvas& cv, const Arg& a);       // one enemy ship, variant = design
void paintFormation(Canvas& cv, const Arg& a);   // 5 turn frames of 100×100
// The player's ship on a canvas of its own, for the menu and ending pictures.
Canvas renderPlayerShip(int palette, int w, int h, float cx, float cy, float scale, float heading, float roll);

// Bosses (art_bosses.cpp).
void paintBoss(Canvas& cv, const Arg& a);

// Shots and bullets (art_shots.cpp).
void paintOrb(Canvas& cv, const Arg& a);          // one round bullet per cell, cells square
void paintOrbStrip(Canvas& cv, const Arg& a);     // animated bullet: cells square along the row
void paintArcStrip(Canvas& cv, const Arg& a);     // one colour per arc member
void paintPointed(Canvas& cv, const Arg& a);      // rotated bullet pointing up
void paintRingBullet(Canvas& cv, const Arg& a);   // symmetric ring / chain bullet
void paintPlayerShot(Canvas& cv, const Arg& a);   // main and second shots
void paintMuzzle(Canvas& cv, const Arg& a);       // muzzle flashes
void paintArm(Canvas& cv, const Arg& a);          // large falling arm shots
void paintBeam(Canvas& cv, const Arg& a);         // three beam flash cells
void paintDrop(Canvas& cv, const Arg& a);         // falling drop
void paintBurst(Canvas& cv, const Arg& a);        // two diagonal burst shots
void paintLaser(Canvas& cv, const Arg& a);
void paintMarker(Canvas& cv, const Arg& a);
void paintPowerUp(Canvas& cv, const Arg& a);

// Fire and explosions (art_fx.cpp).
void paintBlastStrip(Canvas& cv, const Arg& a);
void paintDeathFragments(Canvas& cv, const Arg& a);
void paintFlame(Canvas& cv, const Arg& a);
void paintBombFragment(Canvas& cv, const Arg& a);
void paintShard(Canvas& cv, const Arg& a);

// Screens, lettering, HUD and backdrops (art_screens.cpp).
void paintTitle(Canvas& cv, const Arg& a);
void paintLevelSelect(Canvas& cv, const Arg& a);
void paintShipSelect(Canvas& cv, const Arg& a);
void paintContinue(Canvas& cv, const Arg& a);
void paintRanking(Canvas& cv, const Arg& a);
void paintGoodNight(Canvas& cv, const Arg& a);
void paintEndingArt(Canvas& cv, const Arg& a);
void paintBigDigits(Canvas& cv, const Arg& a);
void paintHudSheet(Canvas& cv, const Arg& a);
void paintBackdrop(Canvas& cv, const Arg& a);
void paintPanel(Canvas& cv, const Arg& a);

}  // namespace datagen
