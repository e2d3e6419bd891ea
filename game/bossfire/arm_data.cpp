#include <iterator>

#include "game/bossfire/arm_data.h"

BulletSlot Boss11Arm1[20], Boss11Arm2[20], Boss31Arm1[20], Boss31Arm2[20], Boss31Arm3[20], Boss31Arm4[20],
    Boss71Arm1[20], Boss71Arm2[20], Boss71Arm3[20], Boss71Arm4[20], Boss71Arm5[20], Boss71Arm6[20], Boss71Arm7[20],
    Boss71Arm8[20], Boss71Arm9[20];

const BulletPool ArmPools[15] = {
    {Boss11Arm1, std::size(Boss11Arm1)},
    {Boss11Arm2, std::size(Boss11Arm2)},
    {Boss31Arm1, std::size(Boss31Arm1)},
    {Boss31Arm2, std::size(Boss31Arm2)},
    {Boss31Arm3, std::size(Boss31Arm3)},
    {Boss31Arm4, std::size(Boss31Arm4)},
    {Boss71Arm1, std::size(Boss71Arm1)},
    {Boss71Arm2, std::size(Boss71Arm2)},
    {Boss71Arm3, std::size(Boss71Arm3)},
    {Boss71Arm4, std::size(Boss71Arm4)},
    {Boss71Arm5, std::size(Boss71Arm5)},
    {Boss71Arm6, std::size(Boss71Arm6)},
    {Boss71Arm7, std::size(Boss71Arm7)},
    {Boss71Arm8, std::size(Boss71Arm8)},
    {Boss71Arm9, std::size(Boss71Arm9)},
};
