// Float canvas with anti-aliased polygon filling, additive light, a height field for
// bevelled shading, and the conversion to the 24-bit picture the game loads.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace datagen {

struct Col {
    float r = 0, g = 0, b = 0;
};
inline Col operator+(Col a, Col b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Col operator-(Col a, Col b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
inline Col operator*(Col a, float s) { return {a.r * s, a.g * s, a.b * s}; }
inline Col operator*(Col a, Col b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
Col mix(Col a, Col b, float t);
// 0..255 channels.
Col rgb(int r, int g, int b);
// Hue in degrees, saturation and value 0..1.
Col hsv(float h, float s, float v);
// A colour ramp: stops at positions 0..1, sampled at t.
struct Stop {
    float t;
    Col c;
};
Col ramp(const std::vector<Stop>& stops, float t);

float clamp01(float v);
float smoothstep(float e0, float e1, float x);

struct Pt {
    float x = 0, y = 0;
};
using Contour = std::vector<Pt>;
using Shape = std::vector<Contour>;  // filled by the non-zero rule: reverse a contour to cut a hole

// Affine map: x' = a x + c y + tx, y' = b x + d y + ty.
struct Xf {
    float a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
    Pt operator()(Pt p) const { return {a * p.x + c * p.y + tx, b * p.x + d * p.y + ty}; }
    Xf then(const Xf& o) const;  // first this, then o
    static Xf translate(float x, float y);
    static Xf scale(float sx, float sy);
    static Xf rotate(float degrees);  // clockwise on screen (y grows downwards)
};
Contour map(const Xf& xf, const Contour& c);
Shape map(const Xf& xf, const Shape& s);

// Shape helpers.
Contour circle(float cx, float cy, float r, int n = 0);
Contour ellipse(float cx, float cy, float rx, float ry, float rotDeg = 0, int n = 0);
Contour rect(float x0, float y0, float x1, float y1);
Contour reversed(Contour c);
Contour capsule(Pt a, Pt b, float r);        // a thick segment with round ends
Contour mirrorX(const Contour& half, float axis);  // a half outline (axis side first) closed by its mirror image
Shape ring(float cx, float cy, float r0, float r1);

using Paint = std::function<Col(float x, float y)>;
Paint solid(Col c);
Paint vgrad(float y0, Col c0, float y1, Col c1);

enum class Blend { Over, Add };

// Bevel: the filled shape rises by `height` over `width` pixels from its edge, on top of `base`.
struct Bevel {
    float width = 0;
    float height = 0;
    float base = 0;
    std::function<float(float x, float y)> baseAt;  // when set, replaces `base` (a sloped surface)
};

class Canvas {
public:
    Canvas(int w, int h);
    int w, h;
    std::vector<Col> c;       // colour, premultiplied by coverage
    std::vector<float> a;     // coverage
    std::vector<float> hgt;   // height field for shading

    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    void over(int x, int y, Col col, float cov);
    void add(int x, int y, Col col);

    void fill(const Shape& s, const Paint& p, Blend mode = Blend::Over, float opacity = 1.f,
              const Bevel* bevel = nullptr);
    void fill(const Contour& s, const Paint& p, Blend mode = Blend::Over, float opacity = 1.f,
              const Bevel* bevel = nullptr);
    void fill(const Contour& s, Col col) { fill(s, solid(col)); }
    // Per-pixel colour over a box: fn returns the light to add or, with Over, an opaque colour
    // (black leaves the pixel as it was).
    void field(int x0, int y0, int x1, int y1, const std::function<Col(float x, float y)>& fn,
               Blend mode = Blend::Add);
    // Radial glow: col × (1 − d/r)^power, added.
    void glow(float cx, float cy, float r, Col col, float power = 2.f);
    // Glow around a segment.
    void glowLine(Pt p0, Pt p1, float r, Col col, float power = 2.f);
    // Light the covered pixels from the height field: light direction (x, y, z), z towards the viewer.
    void shade(float lx, float ly, float lz, float ambient = 0.45f, float diffuse = 0.75f,
               float specular = 0.35f, float rim = 0.f);
    // Copy another canvas in at (x, y) (its pixels replace these where it has coverage).
    void paste(const Canvas& src, int x, int y);
    // Flip horizontally.
    Canvas mirrored() const;
};

// How the final picture treats faint pixels.
enum class Finish {
    Keyed,     // drawn opaque over the scene: hard edge at half coverage, colours un-premultiplied
    Additive,  // added to the scene: colour as it stands against black, faint pixels dropped
    Soft,      // light drawn opaque (fire, smoke, streaks): as Additive, but only the clearly lit part is kept, so
               // that the edge never fades through near-black
};
// A sheet the game draws with its colour key anywhere (even if it adds it elsewhere) is Keyed or Soft:
// with the key every pixel that is not black is drawn at its own colour, so an Additive glow would show
// as a dark halo round the shape.

// 24-bit picture as the game reads it: black is transparent, every other pixel has each
// channel at 8 or above.
struct Image {
    int w = 0, h = 0;
    std::vector<uint8_t> rgb;  // top-down, 3 bytes a pixel
};
Image finish(const Canvas& cv, Finish mode);
std::vector<uint8_t> encodeBmp(const Image& img);

}  // namespace datagen
