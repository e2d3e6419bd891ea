#include <iterator>

#include "game/bossfire/stream_data.h"

StreamBall Boss31Stream1[50], Boss31Stream2[50], Boss31Stream3[50], Boss31Stream4[50], Boss31Stream5[50],
    Boss31Stream6[50], Boss31Stream7[50], Boss31Stream8[50], Boss41Stream1[50], Boss41Stream2[50], Boss41Stream3[50],
    Boss41Stream4[50], Boss41Stream5[50], Boss41Stream6[50], Boss51Stream1[50], Boss51Stream2[50], Boss51Stream3[50],
    Boss51Stream4[50], Boss51Stream5[50], Boss51Stream6[50];

const StreamPool StreamPools[20] = {
    {Boss31Stream1, std::size(Boss31Stream1)},
    {Boss31Stream2, std::size(Boss31Stream2)},
    {Boss31Stream3, std::size(Boss31Stream3)},
    {Boss31Stream4, std::size(Boss31Stream4)},
    {Boss31Stream5, std::size(Boss31Stream5)},
    {Boss31Stream6, std::size(Boss31Stream6)},
    {Boss31Stream7, std::size(Boss31Stream7)},
    {Boss31Stream8, std::size(Boss31Stream8)},
    {Boss41Stream1, std::size(Boss41Stream1)},
    {Boss41Stream2, std::size(Boss41Stream2)},
    {Boss41Stream3, std::size(Boss41Stream3)},
    {Boss41Stream4, std::size(Boss41Stream4)},
    {Boss41Stream5, std::size(Boss41Stream5)},
    {Boss41Stream6, std::size(Boss41Stream6)},
    {Boss51Stream1, std::size(Boss51Stream1)},
    {Boss51Stream2, std::size(Boss51Stream2)},
    {Boss51Stream3, std::size(Boss51Stream3)},
    {Boss51Stream4, std::size(Boss51Stream4)},
    {Boss51Stream5, std::size(Boss51Stream5)},
    {Boss51Stream6, std::size(Boss51Stream6)},
};
