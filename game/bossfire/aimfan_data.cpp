#include <iterator>

#include "game/bossfire/aimfan_data.h"

MuzzleAimBullet Boss11AimFan1[20];
AimFanBullet Boss11AimFan2[25], Boss11AimFan3[35], Boss2BAimFan1[72], Boss2BAimFan2[72], Boss31AimFan1[200],
    Boss31AimFan2[300], Boss31AimFan3[200], Boss31AimFan4[300], Boss31AimFan5[300], Boss41AimFan1[72],
    Boss41AimFan2[72], Boss41AimFan3[15], Boss41AimFan4[15], Boss51AimFan1[35], Boss51AimFan2[35], Boss51AimFan3[25],
    Boss51AimFan4[25], Boss71AimFan1[72], Boss71AimFan2[72], Boss4BAimFan1[300];

const AimFanPool AimFanPools[20] = {
    {Boss11AimFan2, std::size(Boss11AimFan2), 7},
    {Boss11AimFan3, std::size(Boss11AimFan3), 7},
    {Boss2BAimFan1, std::size(Boss2BAimFan1), 10},
    {Boss2BAimFan2, std::size(Boss2BAimFan2), 10},
    {Boss31AimFan1, std::size(Boss31AimFan1), 10},
    {Boss31AimFan2, std::size(Boss31AimFan2), 10},
    {Boss31AimFan3, std::size(Boss31AimFan3), 10},
    {Boss31AimFan4, std::size(Boss31AimFan4), 10},
    {Boss31AimFan5, std::size(Boss31AimFan5), 10},
    {Boss41AimFan1, std::size(Boss41AimFan1), 10},
    {Boss41AimFan2, std::size(Boss41AimFan2), 10},
    {Boss41AimFan3, std::size(Boss41AimFan3), 7},
    {Boss41AimFan4, std::size(Boss41AimFan4), 7},
    {Boss51AimFan1, std::size(Boss51AimFan1), 7},
    {Boss51AimFan2, std::size(Boss51AimFan2), 7},
    {Boss51AimFan3, std::size(Boss51AimFan3), 7},
    {Boss51AimFan4, std::size(Boss51AimFan4), 7},
    {Boss71AimFan1, std::size(Boss71AimFan1), 10},
    {Boss71AimFan2, std::size(Boss71AimFan2), 10},
    {Boss4BAimFan1, std::size(Boss4BAimFan1), 10},
};
