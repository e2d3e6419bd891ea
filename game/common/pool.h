// A pool as the loops that walk many pools see it: its first record and its slot count.
#pragma once
#include "host/types.h"

template <class Record>
struct PoolRef {
    Record* slots;
    i32 count;
};
