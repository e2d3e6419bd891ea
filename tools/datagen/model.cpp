#include "model.h"

#include <algorithm>
#include <cmath>

namespace datagen {

namespace {
constexpr float kPi = 3.14159265358979f;

struct Plane {
    float a = 0, b = 0, c = 0;  // z = a x + b y + c
};

// Least-squares plane through the outline's corners.
Plane fitPlane(const std::vector<P3>& pts) {
    double sxx = 0, sxy = 0, syy = 0, sx = 0, sy = 0, sz = 0, sxz = 0, syz = 0;
    const double n = static_cast<double>(pts.size());
    for (const auto& p : pts) {
        sxx += p.x * p.x;
        sxy += p.x * p.y;
        syy += p.y * p.y;
        sx += p.x;
        sy += p.y;
        sz += p.z;
        sxz += p.x * p.z;
        syz += p.y * p.z;
    }
    // Solve [sxx sxy sx; sxy syy sy; sx sy n] [a b c] = [sxz syz sz] by Cramer's rule.
    const double m[3][3] = {{sxx, sxy, sx}, {sxy, syy, sy}, {sx, sy, n}};
    const double r[3] = {sxz, syz, sz};
    auto det3 = [](const double q[3][3]) {
        return q[0][0] * (q[1][1] * q[2][2] - q[1][2] * q[2][1]) - q[0][1] * (q[1][0] * q[2][2] - q[1][2] * q[2][0]) +
               q[0][2] * (q[1][0] * q[2][1] - q[1][1] * q[2][0]);
    };
    const double d = det3(m);
    Plane pl;
    if (std::fabs(d) < 1e-9) {
        pl.c = n > 0 ? static_cast<float>(sz / n) : 0.f;
        return pl;
    }
    double out[3];
    for (int k = 0; k < 3; ++k) {
        double q[3][3];
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) q[i][j] = (j == k) ? r[i] : m[i][j];
        out[k] = det3(q) / d;
    }
    pl.a = static_cast<float>(out[0]);
    pl.b = static_cast<float>(out[1]);
    pl.c = static_cast<float>(out[2]);
    return pl;
}
}  // namespace

std::vector<P3> sym(const std::vector<P3>& half) {
    std::vector<P3> out = half;
    for (size_t i = half.size(); i-- > 0;) {
        if (i == 0 || i + 1 == half.size()) {
            if (std::fabs(half[i].x) < 1e-6f) continue;  // points on the axis are not repeated
        }
        out.push_back({-half[i].x, half[i].y, half[i].z});
    }
    return out;
}

Part mirrored(const Part& p) {
    Part m = p;
    m.pts.clear();
    for (auto it = p.pts.rbegin(); it != p.pts.rend(); ++it) m.pts.push_back({-it->x, it->y, it->z});
    return m;
}

std::vector<P3> flat(const std::vector<Pt>& pts, float z) {
    std::vector<P3> o;
    for (Pt p : pts) o.push_back({p.x, p.y, z});
    return o;
}

Xf inverse(const Xf& x) {
    const float det = x.a * x.d - x.b * x.c;
    Xf r;
    r.a = x.d / det;
    r.b = -x.b / det;
    r.c = -x.c / det;
    r.d = x.a / det;
    r.tx = -(r.a * x.tx + r.c * x.ty);
    r.ty = -(r.b * x.tx + r.d * x.ty);
    return r;
}

Canvas renderModel(const Model& m, int w, int h, const View& v) {
    Canvas cv(w, h);
    const Xf place = Xf::scale(v.scale, v.scale).then(Xf::rotate(v.heading)).then(Xf::translate(v.cx, v.cy));
    const Xf back = inverse(place);
    const float rr = v.roll * kPi / 180.f;
    const float cr = std::cos(rr), sr = std::sin(rr);
    auto project = [&](const P3& p) { return place({p.x * cr + p.z * sr, p.y}); };

    auto drawPart = [&](const Part& part) {
        Contour c;
        float ymin = 1e9f, ymax = -1e9f;
        for (const auto& p : part.pts) {
            c.push_back(project(p));
            ymin = std::min(ymin, p.y);
            ymax = std::max(ymax, p.y);
        }
        const float span = std::max(1e-3f, ymax - ymin);
        const Col top = part.top, bottom = part.bottom;
        Paint paint = [=](float x, float y) {
            const Pt q = back({x, y});
            return mix(top, bottom, clamp01((q.y - ymin) / span));
        };
        if (!part.lit) {
            cv.fill(c, paint);
            return;
        }
        const Plane pl = fitPlane(part.pts);
        const float s = v.scale;
        Bevel bv;
        bv.width = part.bevel * s;
        bv.height = part.bump * s;
        bv.baseAt = [=](float x, float y) {
            const Pt q = back({x, y});
            const float mx = std::fabs(cr) > 1e-3f ? q.x / cr : q.x;
            const float z = pl.a * mx + pl.b * q.y + pl.c;
            return (-mx * sr + z * cr) * s;
        };
        cv.fill(c, paint, Blend::Over, 1.f, &bv);
    };

    for (const auto& part : m)
        if (part.lit) drawPart(part);
    cv.shade(-0.45f, -0.6f, 0.66f);
    for (const auto& part : m)
        if (!part.lit) drawPart(part);
    for (const auto& part : m) {
        if (part.glowR <= 0) continue;
        float cx = 0, cy = 0, cz = 0;
        for (const auto& p : part.pts) {
            cx += p.x;
            cy += p.y;
            cz += p.z;
        }
        const float n = static_cast<float>(part.pts.size());
        const Pt c = project({cx / n, cy / n, cz / n});
        cv.glow(c.x, c.y, part.glowR * v.scale, part.glowCol, 1.6f);
    }
    return cv;
}

}  // namespace datagen
