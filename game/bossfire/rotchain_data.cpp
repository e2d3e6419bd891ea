#include <iterator>

#include "game/bossfire/rotchain_data.h"

RotChainLink Boss41RotChain1[7], Boss41RotChain2[7], Boss41RotChain3[7], Boss41RotChain4[7], Boss51RotChain1[7],
    Boss51RotChain2[7];

const RotChainPool RotChainPools[6] = {
    {Boss41RotChain1, std::size(Boss41RotChain1)},
    {Boss41RotChain2, std::size(Boss41RotChain2)},
    {Boss41RotChain3, std::size(Boss41RotChain3)},
    {Boss41RotChain4, std::size(Boss41RotChain4)},
    {Boss51RotChain1, std::size(Boss51RotChain1)},
    {Boss51RotChain2, std::size(Boss51RotChain2)},
};
