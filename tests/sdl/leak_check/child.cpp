// A program that ends under the leak check while a library it opened as it ran has thread-local blocks
// that lie 16 bytes past a page boundary, on the program's thread and on threads still at work:
//   leak_check_child LIBRARY clean|leak
// The C library takes each thread's block of LIBRARY (thread_block.cpp) from the allocator at the
// thread's first use of it. Before that use each thread here finds the allocator's chunk of that size
// that lies 16 bytes past a page and frees it, and the allocator hands it out again at once where it keeps
// no freed memory back (ASAN_OPTIONS=quarantine_size_mb=0:thread_local_quarantine_size_kb=0): so every
// block lies there by construction, whatever the machine. Each block then holds the only pointer to an
// allocation of kHeldBytes, which is not lost; "leak" also loses kLostBytes for good.
// Exit status: 0, or the leak check's; 2 for a wrong call; 3 when LIBRARY cannot be opened; 4 when a block
// could not be placed (an allocator that keeps freed memory back), and then nothing was tested.
#include <dlfcn.h>
#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t kHeldBytes = 3001;
constexpr std::size_t kLostBytes = 4099;
constexpr int kThreads = 4;
constexpr std::uintptr_t kPage = 4096;

void** (*g_block)() = nullptr;
std::size_t g_blockBytes = 0;
std::atomic<int> g_placed{0};
std::atomic<int> g_misplaced{0};
void* volatile g_sink;

// Puts this thread's block 16 bytes past a page boundary and an allocation in it that nothing else holds;
// false when the block came elsewhere. Between the free and the block's allocation nothing else allocates.
bool PlaceBlock() {
    constexpr int kTries = 4096;
    void* kept[kTries];
    int n = 0;
    void* spot = nullptr;
    while (n < kTries) {
        void* p = std::malloc(g_blockBytes);
        if (reinterpret_cast<std::uintptr_t>(p) % kPage == 16) {
            spot = p;
            break;
        }
        kept[n++] = p;
    }
    std::free(spot);
    void** block = g_block();
    for (int i = 0; i < n; ++i) std::free(kept[i]);
    if (!spot || static_cast<void*>(block) != spot) return false;
    block[0] = std::malloc(kHeldBytes);
    return true;
}

// Overwrites what the thread's stack below this point still holds of its calls so far, so that the
// allocation a block holds is found through the block or not at all.
__attribute__((noinline)) void Scrub() {
    volatile char stack[65536];
    for (std::size_t i = 0; i < sizeof stack; ++i) stack[i] = 0;
}

void* Thread(void*) {
    ++(PlaceBlock() ? g_placed : g_misplaced);
    Scrub();
    for (;;) pause();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[2], "clean") != 0 && std::strcmp(argv[2], "leak") != 0)) {
        std::fprintf(stderr, "usage: %s LIBRARY clean|leak\n", argv[0]);
        return 2;
    }
    void* library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (library) {
        g_block = reinterpret_cast<void** (*)()>(dlsym(library, "ThreadBlock"));
        auto bytes = reinterpret_cast<std::size_t (*)()>(dlsym(library, "ThreadBlockBytes"));
        if (bytes) g_blockBytes = bytes();
    }
    if (!g_block || !g_blockBytes) {
        std::fprintf(stderr, "%s: cannot open %s: %s\n", argv[0], argv[1], library ? "no block in it" : dlerror());
        return 3;
    }
    ++(PlaceBlock() ? g_placed : g_misplaced);
    Scrub();
    for (int i = 0; i < kThreads; ++i) {
        pthread_t thread;
        if (pthread_create(&thread, nullptr, Thread, nullptr) != 0) {
            std::fprintf(stderr, "%s: no thread to be had\n", argv[0]);
            return 3;
        }
    }
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (g_placed + g_misplaced < kThreads + 1 && std::chrono::steady_clock::now() < until) usleep(1000);
    if (g_placed != kThreads + 1) {
        std::fprintf(stderr, "%s: %d of %d blocks lie 16 bytes past a page; run with ASAN_OPTIONS=quarantine_size_mb=0:"
                     "thread_local_quarantine_size_kb=0\n", argv[0], g_placed.load(), kThreads + 1);
        return 4;
    }
    if (std::strcmp(argv[2], "leak") == 0) {
        g_sink = std::malloc(kLostBytes);
        g_sink = nullptr;
    }
    return 0;
}
