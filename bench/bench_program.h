// The program started headless with its data files, shared by the benchmarks of one run.
//
// There is one window and one single-instance lock per process, so benchmarks that need the running program
// share one start of it, and a benchmark that wants a bare machine (its own screen, the mixer alone, the
// pump without a window) ends it first; the next benchmark that needs the program starts it again.
#pragma once
#include "host/types.h"

namespace kb {

// Starts the program (a private runtime folder, the data linked beside the benchmark, the pictures and
// sounds loaded, the window active, no sleeping in the frame gate), unless it runs already. False when it
// could not start.
bool StartProgram();
// A new game at `level` with the key-controlled first ship, standing in the scene `mode` about to run its
// first frame.
void NewGameInStage(u32 mode, i32 level);
// Ends the program if it runs: the library shut down, the window closed, the lock given back, the queue
// emptied and the library ready to be started again. Does nothing on a bare machine.
void EndProgram();
// A bare machine: the program ended, the headless backend and the queue fresh, no surface fault checks, the
// library's globals at rest and ready to be started.
void BareMachine();
// Ends what a benchmark started of the library on a bare machine, and leaves it ready to be started again.
void EndBareMachine();

}  // namespace kb
