// The pools of the RotFan bullet families (rotated aimed fans).
#pragma once
#include "game/common/pool.h"
#include "host/types.h"

struct RotFanBullet {
    i32 emitClock;   // the family's emitter clock, kept in every record
    i32 headingDeg;  // rotated look: heading in whole degrees, written by the draw
    f32 x, y;
    f32 dx, dy;      // aim point minus spawn point
    f32 x0, y0;      // spawn point
    f32 heading;     // radians
    f32 speed;       // px/s
    i32 active;
};

extern RotFanBullet Boss11RotFan1[25], Boss11RotFan2[35], Boss41RotFan1[15], Boss41RotFan2[15], Boss41RotFan3[15],
    Boss41RotFan4[25], Boss41RotFan5[25], Boss41RotFan6[25], Boss41RotFan7[35], Boss41RotFan8[35], Boss41RotFan9[35],
    Boss41RotFan10[45], Boss41RotFan11[45], Boss41RotFan12[45], Boss41RotFan13[55], Boss41RotFan14[55],
    Boss41RotFan15[55], Boss41RotFan16[65], Boss41RotFan17[65], Boss41RotFan18[65], Boss41RotFan19[75],
    Boss41RotFan20[75], Boss41RotFan21[75], Boss71RotFan1[15], Boss71RotFan2[15], Boss71RotFan3[35],
    Boss71RotFan4[35], Boss71RotFan5[55], Boss71RotFan6[55], Boss71RotFan7[55];

// Every RotFan pool; rotated is 0 for Boss11RotFan2, whose draw does not rotate.
struct RotFanPool {
    RotFanBullet* slots;
    i32 count;
    i32 rotated;
};
extern const RotFanPool RotFanPools[30];
