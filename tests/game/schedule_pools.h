// The pools of the families that the stages' schedules fire, looked up by the names the schedules use.
#pragma once
#include <string>

namespace kt {

// The live records of the family `family` ("Boss11Arm1", "Szak30B", "Boss51Beam1"; a SzakMix slot and its
// shot sets as "SzakMix 3", "SzakMixShot1 3", "SzakMixShot2 3"), or -1 for a name it does not know.
int LiveRecords(const std::string& family);

// The counter of the live records of `family`, looked up once for a test that asks every frame; null for
// a name it does not know.
using Counter = int (*)();
Counter CounterOf(const std::string& family);

}  // namespace kt
