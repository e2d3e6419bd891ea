#include <iterator>

#include "game/bossfire/rotfan_data.h"

RotFanBullet Boss11RotFan1[25], Boss11RotFan2[35], Boss41RotFan1[15], Boss41RotFan2[15], Boss41RotFan3[15],
    Boss41RotFan4[25], Boss41RotFan5[25], Boss41RotFan6[25], Boss41RotFan7[35], Boss41RotFan8[35], Boss41RotFan9[35],
    Boss41RotFan10[45], Boss41RotFan11[45], Boss41RotFan12[45], Boss41RotFan13[55], Boss41RotFan14[55],
    Boss41RotFan15[55], Boss41RotFan16[65], Boss41RotFan17[65], Boss41RotFan18[65], Boss41RotFan19[75],
    Boss41RotFan20[75], Boss41RotFan21[75], Boss71RotFan1[15], Boss71RotFan2[15], Boss71RotFan3[35],
    Boss71RotFan4[35], Boss71RotFan5[55], Boss71RotFan6[55], Boss71RotFan7[55];

const RotFanPool RotFanPools[30] = {
    {Boss11RotFan1, std::size(Boss11RotFan1), 1},
    {Boss11RotFan2, std::size(Boss11RotFan2), 0},
    {Boss41RotFan1, std::size(Boss41RotFan1), 1},
    {Boss41RotFan2, std::size(Boss41RotFan2), 1},
    {Boss41RotFan3, std::size(Boss41RotFan3), 1},
    {Boss41RotFan4, std::size(Boss41RotFan4), 1},
    {Boss41RotFan5, std::size(Boss41RotFan5), 1},
    {Boss41RotFan6, std::size(Boss41RotFan6), 1},
    {Boss41RotFan7, std::size(Boss41RotFan7), 1},
    {Boss41RotFan8, std::size(Boss41RotFan8), 1},
    {Boss41RotFan9, std::size(Boss41RotFan9), 1},
    {Boss41RotFan10, std::size(Boss41RotFan10), 1},
    {Boss41RotFan11, std::size(Boss41RotFan11), 1},
    {Boss41RotFan12, std::size(Boss41RotFan12), 1},
    {Boss41RotFan13, std::size(Boss41RotFan13), 1},
    {Boss41RotFan14, std::size(Boss41RotFan14), 1},
    {Boss41RotFan15, std::size(Boss41RotFan15), 1},
    {Boss41RotFan16, std::size(Boss41RotFan16), 1},
    {Boss41RotFan17, std::size(Boss41RotFan17), 1},
    {Boss41RotFan18, std::size(Boss41RotFan18), 1},
    {Boss41RotFan19, std::size(Boss41RotFan19), 1},
    {Boss41RotFan20, std::size(Boss41RotFan20), 1},
    {Boss41RotFan21, std::size(Boss41RotFan21), 1},
    {Boss71RotFan1, std::size(Boss71RotFan1), 1},
    {Boss71RotFan2, std::size(Boss71RotFan2), 1},
    {Boss71RotFan3, std::size(Boss71RotFan3), 1},
    {Boss71RotFan4, std::size(Boss71RotFan4), 1},
    {Boss71RotFan5, std::size(Boss71RotFan5), 1},
    {Boss71RotFan6, std::size(Boss71RotFan6), 1},
    {Boss71RotFan7, std::size(Boss71RotFan7), 1},
};
