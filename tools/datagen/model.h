// Flat ship models: outlines with a height per corner, drawn from above with bevelled,
// lit surfaces. A model can be turned (heading) and rolled (the ship leans into a turn).
#pragma once

#include <vector>

#include "canvas.h"

namespace datagen {

struct P3 {
    float x = 0, y = 0, z = 0;
};

struct Part {
    std::vector<P3> pts;  // outline in model units; the nose points towards −y
    Col top{0.7f, 0.7f, 0.7f};     // colour at the part's smallest y
    Col bottom{0.4f, 0.4f, 0.4f};  // colour at its largest y
    float bevel = 2;               // width of the rounded edge, model units
    float bump = 1.5f;             // how far the edge rounds up
    bool lit = true;               // false: a light of its own, drawn after the shading
    float glowR = 0;               // additive halo around the part's centre (model units)
    Col glowCol{};
};
using Model = std::vector<Part>;

// A full outline from its right half, given from the nose on the axis to the tail on the axis.
std::vector<P3> sym(const std::vector<P3>& half);
// The mirror image of a part on the other side of the axis.
Part mirrored(const Part& p);
// Shorthand for a flat outline at height z.
std::vector<P3> flat(const std::vector<Pt>& pts, float z);

struct View {
    float cx = 0, cy = 0;  // where the model origin lands
    float scale = 1;       // pixels per model unit
    float heading = 0;     // degrees, clockwise; 0 keeps the nose up, 180 points it down
    float roll = 0;        // degrees; positive lowers the right wing
};

// Draws the model onto a canvas of its own (the caller pastes it where it belongs).
Canvas renderModel(const Model& m, int w, int h, const View& v);

Xf inverse(const Xf& x);

}  // namespace datagen
