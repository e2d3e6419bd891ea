// The real backend's one state, and what the backend says of itself: its name, and that it arms no faults
// (the fault points are the headless backend's).
#include "host/sdl/sdl_state.h"

namespace host::backend::sdl {

State& S() {
    static State s;
    return s;
}

}  // namespace host::backend::sdl

namespace host::backend {

const char* Name() { return "sdl"; }

bool Fault(const char*) { return false; }

}  // namespace host::backend
