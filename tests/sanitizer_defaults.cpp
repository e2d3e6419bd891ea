// The address sanitizer's settings that every program of a sanitizer build starts with, however it is
// started (by the test command, by a test, or by hand). ASAN_OPTIONS and LSAN_OPTIONS still override them,
// LSAN_OPTIONS where the two differ: intercept_tls_get_addr=1 in either brings the crash below back. Clang's
// runtime (the fuzz build's) also takes it from UBSAN_OPTIONS, read after both; GCC's does not read it there.
//
// intercept_tls_get_addr=0: the runtime (GCC 12's and clang 14's, the ones this system builds with)
// watches each thread's first use of a library's thread-local block to learn the block's bounds for the
// leak check. A block that starts 16 bytes past a page boundary it takes for one with the header an old C
// library (before 2.25) put in front of it, and it reads the two words before the block as its start and
// size. Today's C library puts no header there: those words are the allocator's own, the bounds are
// garbage, and the leak check's scan of them crashes as the program ends. Where a block lies is the
// allocator's chance (the libraries behind OpenGL make such blocks on many threads), so the crash comes and
// goes with the memory layout. Without the watch the leak check loses nothing: a block is memory of the
// allocator, found through the thread's table of its blocks like any other, and so is what it points to.
extern "C" const char* __asan_default_options() { return "intercept_tls_get_addr=0"; }
