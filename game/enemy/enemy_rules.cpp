#include "game/enemy/enemy_rules.h"

#include "el/draw/rotate.h"
#include "el/draw/soft.h"
#include "el/elDraw.h"
#include "el/elSound.h"
#include "game/common/images.h"
#include "host/crt.h"

namespace {

constexpr f32 kDegreesPerRadian = static_cast<f32>(180.0 / 3.14159265358979323846);

void Put(Blit blit, i32 x, i32 y, i32 sheet, i32 left, i32 top, i32 right, i32 bottom) {
    switch (blit) {
        case Blit::Sprite: elDraw::PutSprite(x, y, sheet, left, top, right, bottom); break;
        case Blit::Add: elDraw::PutAdd(x, y, sheet, left, top, right, bottom); break;
        case Blit::Half: elDraw::PutHalf(x, y, sheet, left, top, right, bottom); break;
    }
}

}  // namespace

void Blast_DrawPieces(std::span<const BlastPiece> pieces, i32 X, i32 Y, i32 f) {
    for (const BlastPiece& p : pieces) {
        const i32 x = X + p.x0 + p.dx * f, y = Y + p.y0 + p.dy * f;
        Put(p.blit, x, y, *p.sheet, p.size * f, 0, p.size * f + p.size, p.size);
    }
}

void Blast_Sound() { elSound::Play(sndBOM, -1); }

void Shot_DrawAt(f32 x, f32 y, f32 heading, i32 cell, const ShotLook& look) {
    const i32 X = TruncPos(x), Y = TruncPos(y);
    if (look.draw == ShotDraw::Rotated) {
        const i32 angle = 270 - TruncPos(heading * kDegreesPerRadian);
        elDraw::PutRotate(X + look.atX, Y + look.atY, X + look.boxRight, Y + look.boxBottom, angle, *look.sheet,
                          look.left, look.top, look.right, look.bottom);
        return;
    }
    if (cell < 0 || cell >= look.cells) cell = 0;
    const i32 w = look.right - look.left;
    elDraw::PutAdd(X + look.atX, Y + look.atY, *look.sheet, look.left + w * cell, look.top, look.right + w * cell,
                   look.bottom);
}

// ---------------------------------------------------------------------------------------------------
// Straight sets

void Straight_Spawn(const StraightSet& set) {
    for (i32 k = 0; k < set.groups; ++k) {
        const FloatPoint at = set.origin(k);
        for (i32 j = 0; j < set.group; ++j) {
            BulletSlot& s = set.pool[k * set.group + j];
            if (s.active != 0) continue;
            s.active = 1;
            s.x = at.x + set.offX;
            s.y = at.y + set.offY;
            s.vy = set.vyRand > 0 ? set.vy[0] + static_cast<f32>(host::Rand() % set.vyRand) : set.vy[j];
            s.vx = set.vx[j];
        }
    }
}

void Straight_Update(const StraightSet& set) {
    const i32 n = set.groups * set.group;
    for (i32 i = 0; i < n; ++i) {
        BulletSlot& s = set.pool[i];
        if (s.active != 0) {
            s.y += s.vy * FrameTime;
            if (set.xDir != 0.0f) s.x += set.xDir * s.vx * FrameTime;
        }
        if (Shot_Outside(set.retire, s.x, s.y)) Enemy_Park(s);
        Shot_Contact(s, set.box);
    }
}

void Straight_Draw(const StraightSet& set) {
    const i32 n = set.groups * set.group;
    for (i32 i = 0; i < n; ++i)
        if (set.pool[i].active != 0) Shot_Draw(set.pool[i], set.look);
}

// ---------------------------------------------------------------------------------------------------
// Aimed sets

void Aimed_Spawn(const AimedSet& set, i32 first, i32 last) {
    for (i32 k = first; k < last; ++k) {
        const FloatPoint at = set.origin(set.fromSlot >= 0 ? set.fromSlot : k);
        const f32 x = at.x + set.offX, y = at.y + set.offY;
        for (i32 r = 0; r < set.group; ++r) {
            AimedShotSlot& s = set.pool[k * set.group + r];
            if (s.active != 0) continue;
            s.speed = set.speedRand > 0 ? set.speed[0] + static_cast<f32>(host::Rand() % set.speedRand) : set.speed[r];
            Aimed_Arm(s, x, y, set.aim);
        }
    }
}

void Aimed_Update(const AimedSet& set, i32 first, i32 last) {
    for (i32 k = first; k < last; ++k) {
        AimedShotSlot* g = set.pool + k * set.group;
        for (i32 r = 0; r < set.group; ++r) {
            AimedShotSlot& s = g[r];
            if (s.active != 0) Aimed_Move(s);
            if (set.groupRetire) {
                if (Shot_Outside(set.retire, g[0].x, g[0].y)) s.active = 0;
            } else if (Shot_Outside(set.retire, s.x, s.y)) {
                Enemy_Park(s);
            }
            Shot_Contact(s, set.box);
        }
    }
}

void Aimed_Draw(const AimedSet& set, i32 first, i32 last, const ShotLook& look) {
    for (i32 i = first * set.group; i < last * set.group; ++i)
        if (set.pool[i].active != 0) Shot_Draw(set.pool[i], look);
}

// ---------------------------------------------------------------------------------------------------
// Sets that draw every record

void Aimed_DrawEvery(const AimedSet& set) {
    const i32 n = set.groups * set.group;
    for (i32 i = 0; i < n; ++i) Shot_Draw(set.pool[i], set.look);
}
