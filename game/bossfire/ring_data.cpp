#include <iterator>

#include "game/bossfire/ring_data.h"

RingBullet Boss11Ring1[36], Boss11Ring2[36], Boss11Ring3[36], Boss11Ring4[36], Boss11Ring5[36], Boss11Ring6[36],
    Boss11Ring7[108], Boss11Ring8[108], Boss11Ring9[108], Boss11Ring10[108], Boss11Ring11[108], Boss11Ring12[108],
    Boss31Ring1[36], Boss31Ring2[36], Boss31Ring3[36], Boss31Ring4[36], Boss31Ring5[36], Boss31Ring6[36],
    Boss31Ring7[36], Boss31Ring8[36], Boss31Ring9[108], Boss31Ring10[108];

const RingPool RingPools[22] = {
    {Boss11Ring1, std::size(Boss11Ring1), 0},
    {Boss11Ring2, std::size(Boss11Ring2), 0},
    {Boss11Ring3, std::size(Boss11Ring3), 0},
    {Boss11Ring4, std::size(Boss11Ring4), 0},
    {Boss11Ring5, std::size(Boss11Ring5), 0},
    {Boss11Ring6, std::size(Boss11Ring6), 0},
    {Boss11Ring7, std::size(Boss11Ring7), 0},
    {Boss11Ring8, std::size(Boss11Ring8), 0},
    {Boss11Ring9, std::size(Boss11Ring9), 0},
    {Boss11Ring10, std::size(Boss11Ring10), 0},
    {Boss11Ring11, std::size(Boss11Ring11), 0},
    {Boss11Ring12, std::size(Boss11Ring12), 0},
    {Boss31Ring1, std::size(Boss31Ring1), 1},
    {Boss31Ring2, std::size(Boss31Ring2), 1},
    {Boss31Ring3, std::size(Boss31Ring3), 1},
    {Boss31Ring4, std::size(Boss31Ring4), 1},
    {Boss31Ring5, std::size(Boss31Ring5), 1},
    {Boss31Ring6, std::size(Boss31Ring6), 1},
    {Boss31Ring7, std::size(Boss31Ring7), 1},
    {Boss31Ring8, std::size(Boss31Ring8), 1},
    {Boss31Ring9, std::size(Boss31Ring9), 1},
    {Boss31Ring10, std::size(Boss31Ring10), 1},
};
