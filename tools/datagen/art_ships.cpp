// The player's ship and the small enemy ships, built from a handful of parametric parts.
#include <cmath>

#include "model.h"
#include "paint.h"

namespace datagen {

namespace {

struct Palette {
    Col hull, hullDark;   // body, nose to tail
    Col wing, wingDark;   // wings
    Col accent;           // stripes and fins
    Col canopy;           // cockpit glass
    Col engine;           // nozzle glow
};

struct FighterSpec {
    float length = 40, bodyW = 10, noseLen = 12;
    float wingY = -2, span = 20, sweep = 10, chordRoot = 16, chordTip = 6, dihedral = 1.5f;
    float finSpan = 0, finChord = 8;           // tail fins, 0 for none
    std::vector<float> engineX;                // nacelles at the rear, by x
    float engineR = 3, engineLen = 14;
    float canopyLen = 8, canopyW = 3;          // 0 for none
    float podX = 0, podR = 0, podLen = 0;      // wing-tip pods, 0 for none
};

Contour ovalAt(float cx, float cy, float rx, float ry) { return ellipse(cx, cy, rx, ry, 0, 20); }

std::vector<P3> lift(const Contour& c, float z) {
    std::vector<P3> o;
    for (Pt p : c) o.push_back({p.x, p.y, z});
    return o;
}

Model fighter(const FighterSpec& s, const Palette& pal) {
    Model m;
    const float half = s.length / 2;
    // Wings first: the body lies on top of them.
    if (s.span > 0) {
        Part w;
        const float rx = s.bodyW * 0.45f;
        w.pts = {{rx, s.wingY, 2},
                 {s.span, s.wingY + s.sweep, 2 + s.dihedral},
                 {s.span, s.wingY + s.sweep + s.chordTip, 2 + s.dihedral},
                 {rx, s.wingY + s.chordRoot, 2}};
        w.top = pal.wing;
        w.bottom = pal.wingDark;
        w.bevel = 2.5f;
        w.bump = 1.2f;
        m.push_back(w);
        m.push_back(mirrored(w));
        // A stripe along the leading edge.
        Part st;
        const float t0 = 0.45f, t1 = 0.85f;
        auto lead = [&](float t) { return Pt{rx + (s.span - rx) * t, s.wingY + s.sweep * t}; };
        const Pt a0 = lead(t0), a1 = lead(t1);
        st.pts = {{a0.x, a0.y + 1.2f, 2.6f}, {a1.x, a1.y + 1.2f, 2.8f}, {a1.x, a1.y + 3.2f, 2.8f}, {a0.x, a0.y + 3.2f, 2.6f}};
        st.top = pal.accent;
        st.bottom = pal.accent * 0.8f;
        st.bevel = 0.8f;
        st.bump = 0.4f;
        m.push_back(st);
        m.push_back(mirrored(st));
    }
    if (s.podR > 0) {
        Part p;
        p.pts = lift(capsule({s.podX, s.wingY + s.sweep - s.podLen * 0.3f}, {s.podX, s.wingY + s.sweep + s.podLen * 0.7f}, s.podR), 4);
        p.top = pal.hull;
        p.bottom = pal.hullDark;
        p.bevel = s.podR;
        p.bump = s.podR * 0.8f;
        m.push_back(p);
        m.push_back(mirrored(p));
    }
    if (s.finSpan > 0) {
        Part f;
        const float rx = s.bodyW * 0.4f;
        f.pts = {{rx, half - s.finChord - 2, 3}, {s.finSpan, half - 3, 4}, {s.finSpan, half + 1, 4}, {rx, half - 1, 3}};
        f.top = pal.accent;
        f.bottom = pal.accent * 0.7f;
        f.bevel = 1.5f;
        f.bump = 0.8f;
        m.push_back(f);
        m.push_back(mirrored(f));
    }
    for (float ex : s.engineX) {
        Part n;
        n.pts = lift(capsule({ex, half - s.engineLen}, {ex, half}, s.engineR), 4);
        n.top = pal.hull * 0.95f;
        n.bottom = pal.hullDark * 0.8f;
        n.bevel = s.engineR;
        n.bump = s.engineR * 0.9f;
        m.push_back(n);
        Part nz;
        nz.pts = lift(ovalAt(ex, half + 0.5f, s.engineR * 0.7f, s.engineR * 0.45f), 5);
        nz.lit = false;
        nz.top = pal.engine;
        nz.bottom = pal.engine;
        nz.glowR = s.engineR * 1.3f;
        nz.glowCol = pal.engine * 0.6f;
        m.push_back(nz);
    }
    // Body.
    Part b;
    const float bw = s.bodyW / 2;
    b.pts = sym({{0, -half, 3},
                 {bw * 0.4f, -half + s.noseLen * 0.45f, 4},
                 {bw * 0.85f, -half + s.noseLen, 5},
                 {bw, 0, 5},
                 {bw * 0.9f, half - 4, 4},
                 {bw * 0.55f, half, 3},
                 {0, half, 3}});
    b.top = pal.hull;
    b.bottom = pal.hullDark;
    b.bevel = bw * 0.9f;
    b.bump = bw * 0.8f;
    m.push_back(b);
    if (s.canopyLen > 0) {
        Part c;
        const float cy = -half + s.noseLen * 0.9f;
        c.pts = lift(ovalAt(0, cy, s.canopyW, s.canopyLen / 2), 8);
        c.top = pal.canopy;
        c.bottom = pal.canopy * 0.35f;
        c.bevel = s.canopyW;
        c.bump = s.canopyW;
        m.push_back(c);
    }
    return m;
}

// The player's ship: a swept-wing fighter with twin tail fins.
Model playerModel(const Palette& pal) {
    Model m;
    Part wing;
    wing.pts = {{4, -6, 2}, {23, 13, 7.5f}, {24, 20, 8}, {21, 22, 7.5f}, {5, 16, 2}};
    wing.top = pal.wing;
    wing.bottom = pal.wingDark;
    wing.bevel = 2.5f;
    wing.bump = 1.4f;
    m.push_back(wing);
    m.push_back(mirrored(wing));
    Part stripe;
    stripe.pts = {{12, 5, 5}, {22, 15, 7.8f}, {22.5f, 18, 8}, {12, 9, 5}};
    stripe.top = pal.accent;
    stripe.bottom = pal.accent * 0.8f;
    stripe.bevel = 0.8f;
    stripe.bump = 0.3f;
    m.push_back(stripe);
    m.push_back(mirrored(stripe));
    Part canard;
    canard.pts = {{4, -16, 3}, {10, -8, 3.3f}, {10, -4, 3.3f}, {4, -6, 3}};
    canard.top = pal.wing * 1.1f;
    canard.bottom = pal.wingDark;
    canard.bevel = 1.5f;
    canard.bump = 0.8f;
    m.push_back(canard);
    m.push_back(mirrored(canard));
    Part fin;
    fin.pts = {{4, 14, 4}, {10, 23, 5}, {10, 29, 5}, {5, 27, 4}};
    fin.top = pal.accent;
    fin.bottom = pal.accent * 0.6f;
    fin.bevel = 1.5f;
    fin.bump = 1;
    m.push_back(fin);
    m.push_back(mirrored(fin));
    for (float ex : {-3.2f, 3.2f}) {
        Part nz;
        nz.pts = lift(ovalAt(ex, 29.5f, 2.2f, 1.6f), 5);
        nz.lit = false;
        nz.top = pal.engine;
        nz.bottom = pal.engine;
        nz.glowR = 3.5f;
        nz.glowCol = pal.engine * 0.7f;
        m.push_back(nz);
    }
    Part body;
    body.pts = sym({{0, -31, 4}, {2.5f, -25, 4.5f}, {5, -13, 5}, {6, 0, 5.5f}, {6.5f, 14, 5}, {6, 24, 4}, {4, 29, 3}, {0, 29, 3}});
    body.top = pal.hull;
    body.bottom = pal.hullDark;
    body.bevel = 5;
    body.bump = 4;
    m.push_back(body);
    Part canopy;
    canopy.pts = sym({{0, -21, 8}, {2.2f, -17, 8}, {3, -10, 8}, {2.4f, -4, 8}, {0, -2, 8}});
    canopy.top = pal.canopy;
    canopy.bottom = pal.canopy * 0.3f;
    canopy.bevel = 2.5f;
    canopy.bump = 2.5f;
    m.push_back(canopy);
    return m;
}

const Palette kPlayerPalettes[] = {
    // IMAGE/MYME1 and MYME1: white and blue.
    {rgb(235, 240, 250), rgb(120, 135, 165), rgb(60, 120, 235), rgb(25, 55, 140), rgb(240, 60, 50), rgb(120, 230, 255),
     rgb(255, 170, 60)},
    // MYME2: white and red.
    {rgb(240, 236, 228), rgb(150, 130, 120), rgb(220, 60, 50), rgb(120, 25, 25), rgb(255, 210, 60), rgb(150, 255, 190),
     rgb(255, 120, 60)},
    // MYEND: gold.
    {rgb(255, 235, 170), rgb(160, 120, 50), rgb(230, 180, 60), rgb(130, 90, 20), rgb(255, 255, 255), rgb(120, 230, 255),
     rgb(255, 200, 90)},
    // MYENDF: dark.
    {rgb(130, 135, 150), rgb(60, 62, 75), rgb(70, 75, 95), rgb(35, 38, 50), rgb(180, 60, 60), rgb(90, 160, 200),
     rgb(255, 140, 60)},
};

struct EnemyDesign {
    FighterSpec form;
    Palette pal;
    float cx, cy, scale, heading;
};

// Enemy palettes by name.
Palette enemyPalette(Col hull, Col wing, Col accent, Col engine) {
    return {hull, hull * 0.45f, wing, wing * 0.4f, accent, rgb(255, 80, 70), engine};
}

EnemyDesign enemyDesign(int v) {
    EnemyDesign d{};
    d.heading = 180;
    switch (v) {
    case 0:  // SZAK1: small green interceptor with forward-swept wings
        d.form = {30, 8, 9, 2, 20, -7, 11, 5, 1, 0, 8, {}, 3, 12, 5, 2.2f, 0, 0, 0};
        d.pal = enemyPalette(rgb(150, 200, 110), rgb(70, 150, 60), rgb(250, 220, 60), rgb(120, 255, 140));
        d.cx = 30;
        d.cy = 30;
        d.scale = 1.4f;
        break;
    case 1:  // SZAK8: purple delta with twin engines (flames at x 22 and 58)
        d.form = {44, 12, 14, -6, 26, 16, 26, 4, 1, 0, 8, {-9, 9}, 3.6f, 16, 8, 3, 0, 0, 0};
        d.pal = enemyPalette(rgb(190, 150, 230), rgb(120, 70, 190), rgb(255, 120, 200), rgb(200, 140, 255));
        d.cx = 40;
        d.cy = 38;
        d.scale = 1.4f;
        break;
    case 2:  // SZAK9: orange heavy fighter with wing-tip engine pods (flames at x 15 and 65)
        d.form = {40, 12, 12, -4, 22, 4, 16, 12, 0.5f, 0, 8, {}, 3, 12, 7, 3, 20, 5.5f, 26};
        d.pal = enemyPalette(rgb(240, 170, 80), rgb(200, 100, 40), rgb(255, 240, 120), rgb(255, 200, 80));
        d.cx = 40;
        d.cy = 40;
        d.scale = 1.25f;
        break;
    case 3:  // SZAK10: bomber with one central engine (flame at x 35)
        d.form = {52, 18, 10, -6, 30, 2, 18, 10, 1, 14, 9, {0}, 5, 16, 6, 3.5f, 0, 0, 0};
        d.pal = enemyPalette(rgb(170, 180, 150), rgb(100, 120, 80), rgb(220, 80, 50), rgb(255, 170, 60));
        d.cx = 35;
        d.cy = 42;
        d.scale = 1.1f;
        break;
    case 4:  // SZAK12: large cruiser with outboard engines (flames at x 11 and 69)
        d.form = {70, 18, 16, -12, 30, 18, 34, 14, 1, 12, 10, {-29, 29}, 5, 34, 10, 4, 0, 0, 0};
        d.pal = enemyPalette(rgb(200, 90, 90), rgb(140, 40, 50), rgb(255, 210, 120), rgb(255, 120, 80));
        d.cx = 40;
        d.cy = 52;
        d.scale = 1.0f;
        break;
    case 5:  // SZAK13: wide manta crossing sideways
        d.form = {34, 16, 10, -10, 36, 8, 22, 8, 0.5f, 0, 8, {-7, 7}, 3, 10, 8, 4, 0, 0, 0};
        d.pal = enemyPalette(rgb(90, 200, 200), rgb(40, 130, 150), rgb(255, 255, 140), rgb(120, 255, 255));
        d.cx = 40;
        d.cy = 30;
        d.scale = 1.05f;
        break;
    case 6:  // SZAK21: arrow diving right and down
        d.form = {48, 10, 16, 0, 22, 18, 20, 6, 1.5f, 10, 8, {}, 3, 12, 10, 3, 0, 0, 0};
        d.pal = enemyPalette(rgb(230, 200, 90), rgb(200, 120, 40), rgb(255, 70, 70), rgb(255, 220, 120));
        d.cx = 45;
        d.cy = 45;
        d.scale = 1.3f;
        d.heading = 135;
        break;
    case 7:  // SZAK52: large diagonal carrier
        d.form = {110, 26, 26, -20, 90, 40, 60, 16, 2, 30, 18, {-16, 16}, 7, 30, 20, 6, 62, 8, 40};
        d.pal = enemyPalette(rgb(160, 170, 200), rgb(70, 90, 150), rgb(240, 90, 60), rgb(140, 200, 255));
        d.cx = 100;
        d.cy = 78;
        d.scale = 1.0f;
        break;
    default: {  // the sheets that are never drawn: small ships in assorted colours
        const float hue = static_cast<float>(v * 47 % 360);
        d.form = {36, 10, 10, -2, 24, 10, 16, 6, 1, 8, 8, {}, 3, 12, 7, 3, 0, 0, 0};
        d.pal = enemyPalette(hsv(hue, 0.35f, 0.85f), hsv(hue + 20, 0.6f, 0.75f), hsv(hue + 180, 0.7f, 1.f),
                             hsv(hue, 0.5f, 1.f));
        d.cx = 40;
        d.cy = 40;
        d.scale = 1.4f;
        break;
    }
    }
    return d;
}

const Palette kFormationPalettes[] = {
    enemyPalette(rgb(120, 170, 240), rgb(60, 90, 200), rgb(255, 255, 255), rgb(140, 200, 255)),
    enemyPalette(rgb(240, 130, 130), rgb(190, 50, 60), rgb(255, 230, 120), rgb(255, 160, 120)),
    enemyPalette(rgb(150, 230, 150), rgb(50, 160, 90), rgb(255, 255, 160), rgb(160, 255, 180)),
    enemyPalette(rgb(230, 200, 120), rgb(180, 130, 50), rgb(120, 220, 255), rgb(255, 220, 140)),
};

}  // namespace

Canvas renderPlayerShip(int palette, int w, int h, float cx, float cy, float scale, float heading, float roll) {
    View v;
    v.cx = cx;
    v.cy = cy;
    v.scale = scale;
    v.heading = heading;
    v.roll = roll;
    return renderModel(playerModel(kPlayerPalettes[palette % 4]), w, h, v);
}

void paintPlayerShip(Canvas& cv, const Arg& a) {
    const Model m = playerModel(kPlayerPalettes[a.variant % 4]);
    for (int col = 0; col < 7; ++col) {
        View v;
        v.cx = 30;
        v.cy = 36;
        v.scale = 0.95f;
        v.roll = static_cast<float>(3 - col) * 17.f;  // 0-2 lean right, 4-6 lean left
        cv.paste(renderModel(m, 60, 70, v), col * 60, 0);
    }
}

// SZAK6: a saucer, round so that it can spin; three rim lights show the spin.
Model saucerModel() {
    Model m;
    const Col hull = rgb(200, 205, 220), dark = rgb(90, 95, 120);
    for (int k = 0; k < 2; ++k) {
        Part nz;
        const float ex = k == 0 ? -15.f : 15.f;
        nz.pts = lift(ovalAt(ex, -28, 4, 3), 3);
        nz.top = rgb(160, 160, 170);
        nz.bottom = rgb(90, 90, 100);
        nz.bevel = 2;
        m.push_back(nz);
    }
    Part disc;
    disc.pts = lift(circle(0, 0, 33, 48), 4);
    disc.top = hull;
    disc.bottom = dark;
    disc.bevel = 9;
    disc.bump = 5;
    m.push_back(disc);
    for (int k = 0; k < 6; ++k) {
        const float a0 = static_cast<float>(k) * 1.0472f + 0.12f, a1 = a0 + 0.8f;
        Part seg;
        for (int i = 0; i <= 4; ++i) {
            const float t = a0 + (a1 - a0) * static_cast<float>(i) / 4;
            seg.pts.push_back({std::cos(t) * 29, std::sin(t) * 29, 6});
        }
        for (int i = 4; i >= 0; --i) {
            const float t = a0 + (a1 - a0) * static_cast<float>(i) / 4;
            seg.pts.push_back({std::cos(t) * 20, std::sin(t) * 20, 6});
        }
        seg.top = rgb(110, 170, 230);
        seg.bottom = rgb(50, 80, 150);
        seg.bevel = 2;
        seg.bump = 1;
        m.push_back(seg);
    }
    Part dome;
    dome.pts = lift(circle(0, 0, 15, 32), 8);
    dome.top = rgb(255, 150, 120);
    dome.bottom = rgb(140, 30, 40);
    dome.bevel = 12;
    dome.bump = 9;
    m.push_back(dome);
    for (int k = 0; k < 3; ++k) {
        const float t = static_cast<float>(k) * 2.0944f + 0.5f;
        Part l;
        l.pts = lift(ovalAt(std::cos(t) * 30, std::sin(t) * 30, 2.6f, 2.6f), 9);
        l.lit = false;
        l.top = rgb(255, 255, 180);
        l.bottom = rgb(255, 220, 90);
        l.glowR = 4;
        l.glowCol = rgb(200, 170, 60);
        m.push_back(l);
    }
    return m;
}

void paintEnemy(Canvas& cv, const Arg& a) {
    if (a.variant == 8) {
        View v;
        v.cx = 39.5f;
        v.cy = 39.5f;
        v.scale = 1.08f;
        cv.paste(renderModel(saucerModel(), cv.w, cv.h, v), 0, 0);
        return;
    }
    const bool mirror = a.variant >= 100;
    const EnemyDesign d = enemyDesign(a.variant % 100);
    Model m = fighter(d.form, d.pal);
    View v;
    v.cx = d.cx;
    v.cy = d.cy;
    v.scale = d.scale;
    v.heading = d.heading;
    Canvas c = renderModel(m, cv.w, cv.h, v);
    cv.paste(mirror ? c.mirrored() : c, 0, 0);
}

void paintFormation(Canvas& cv, const Arg& a) {
    // Frame 0 flies vertically, frame 4 sideways; the sheets differ in their directions.
    static const float kStart[] = {180, 180, 0, 0};
    static const float kStep[] = {-22.5f, 22.5f, 22.5f, -22.5f};
    const int fam = a.variant % 4;
    FighterSpec s{46, 11, 14, -4, 28, 14, 22, 7, 1.5f, 12, 9, {-6, 6}, 3.2f, 12, 9, 3.4f, 0, 0, 0};
    const Model m = fighter(s, kFormationPalettes[fam]);
    for (int f = 0; f < 5; ++f) {
        View v;
        v.cx = 50;
        v.cy = 50;
        v.scale = 1.45f;
        v.heading = kStart[fam] + kStep[fam] * static_cast<float>(f);
        cv.paste(renderModel(m, 100, 100, v), f * 100, 0);
    }
}

}  // namespace datagen
