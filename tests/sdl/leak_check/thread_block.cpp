// A library with a thread-local block of its own, which the leak check's test child opens while it runs
// (child.cpp): the C library gives each thread that uses the block one of its own, from the allocator, at
// the thread's first use.
#include <cstddef>

extern "C" {

__thread void* t_block[3];

void** ThreadBlock() { return t_block; }
std::size_t ThreadBlockBytes() { return sizeof t_block; }

}  // extern "C"
