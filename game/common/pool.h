// A pool as the loops that walk many pools see it: its first record and its slot count.
#pragma once
#include "host/types.h"

template <class Record>
struct PoolRef {
    Record* slots;
    i32 count;
};

// A kind's pools are named once, in a list macro whose rows read X(Record, Name, slots, extra columns...).
// These expand such a list into the pools' declarations, their storage, the rows of the kind's table
// ({Name, slots, extra columns...}) and the table's length:
//     VOLLEY_POOLS(POOL_EXTERN)                              in the header
//     VOLLEY_POOLS(POOL_STORAGE)                             in the source
//     const BulletPool VolleyPools[] = {VOLLEY_POOLS(POOL_ROW)};
//     extern const BulletPool VolleyPools[VOLLEY_POOLS(POOL_COUNT)];
#define POOL_EXTERN(Record, name, n, ...) extern Record name[n];
#define POOL_STORAGE(Record, name, n, ...) Record name[n];
#define POOL_ROW(Record, name, n, ...) {name, n __VA_OPT__(, ) __VA_ARGS__},
#define POOL_COUNT(...) +1
