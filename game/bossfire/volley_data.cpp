#include <iterator>

#include "game/bossfire/volley_data.h"

BulletSlot Boss11Volley1[20], Boss11Volley2[20], Boss11Volley3[30], Boss11Volley4[30], Boss11Volley5[20],
    Boss11Volley6[20], Boss71Volley1[30], Boss71Volley2[30], Boss71Volley3[20], Boss71Volley4[20], Boss71Volley5[20],
    Boss71Volley6[20], Boss31Volley1[20], Boss31Volley2[20], Boss41Volley1[20], Boss41Volley2[20], Boss41Volley3[20],
    Boss4BVolley1[20], Boss4BVolley2[20];

const BulletPool VolleyPools[19] = {
    {Boss11Volley1, std::size(Boss11Volley1)},
    {Boss11Volley2, std::size(Boss11Volley2)},
    {Boss11Volley3, std::size(Boss11Volley3)},
    {Boss11Volley4, std::size(Boss11Volley4)},
    {Boss11Volley5, std::size(Boss11Volley5)},
    {Boss11Volley6, std::size(Boss11Volley6)},
    {Boss71Volley1, std::size(Boss71Volley1)},
    {Boss71Volley2, std::size(Boss71Volley2)},
    {Boss71Volley3, std::size(Boss71Volley3)},
    {Boss71Volley4, std::size(Boss71Volley4)},
    {Boss71Volley5, std::size(Boss71Volley5)},
    {Boss71Volley6, std::size(Boss71Volley6)},
    {Boss31Volley1, std::size(Boss31Volley1)},
    {Boss31Volley2, std::size(Boss31Volley2)},
    {Boss41Volley1, std::size(Boss41Volley1)},
    {Boss41Volley2, std::size(Boss41Volley2)},
    {Boss41Volley3, std::size(Boss41Volley3)},
    {Boss4BVolley1, std::size(Boss4BVolley1)},
    {Boss4BVolley2, std::size(Boss4BVolley2)},
};
