#include <iterator>

#include "game/bossfire/lightning_data.h"

LightningNode Boss4BLightning1[6], Boss4BLightning2[6], Boss4BLightning3[6], Boss4BLightning4[6], Boss4BLightning5[6],
    Boss4BLightning6[6];

const LightningPool LightningPools[6] = {
    {Boss4BLightning1, std::size(Boss4BLightning1)},
    {Boss4BLightning2, std::size(Boss4BLightning2)},
    {Boss4BLightning3, std::size(Boss4BLightning3)},
    {Boss4BLightning4, std::size(Boss4BLightning4)},
    {Boss4BLightning5, std::size(Boss4BLightning5)},
    {Boss4BLightning6, std::size(Boss4BLightning6)},
};
