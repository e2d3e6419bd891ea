// The whole process's signal policy, and the settings that hold for the process's whole life, in one place.
//
// The policy, shared by both backends:
// - SIGPIPE and SIGXFSZ are ignored from the program's start, before it can say anything
//   (SettleProcessSignals): a write that cannot be carried out fails as a write.
// - The requests to end, SIGINT (Ctrl+C), SIGTERM (a polite kill), SIGHUP (the terminal's hang-up), SIGQUIT
//   (Ctrl+\), SIGUSR1 and SIGUSR2, end the process as they end any until the backend catches them, once there
//   is a window to close (CatchCloseSignals). From then on they only raise a flag that the backend reads
//   (CloseSignalled) and takes (TakeCloseSignal) as a close of the window. All but SIGINT and SIGTERM stay
//   ignored where the program was started with them ignored (a hang-up under nohup, Ctrl+\ in a background
//   job).
// - A child forked from then on (SDL's system box is one) dies with the program, lets go of the one-copy lock
//   and of what the backend names, and ends at a request to end as any process does (Ctrl+\ without a core).
#pragma once

namespace host {

// A write that cannot be carried out fails as a write, said like any other, instead of ending the program:
// one to a pipe nobody reads any more (the error stream into a pager that was quit; SIGPIPE is ignored),
// and one past the process's file-size limit, which fails with "file too large" (SIGXFSZ is ignored). A
// handler somebody else set for either is left alone. The requests to end (Ctrl+C, a polite kill, a
// hang-up) are caught later, once there is a window to close.
void SettleProcessSignals();

// Catches the requests to end, and makes every child forked from now on as above. Before the display is up
// they end the process as they always do: nothing is shown yet, no child made, and the lock goes with the
// process. `letGoInChild` (or null) lets go, in a forked child, of what the backend holds; it runs there
// after the lock is let go and before the signals are reset, and makes only the calls that a signal handler
// may make.
void CatchCloseSignals(void (*letGoInChild)());

// Whether a request to end came since it was last taken; TakeCloseSignal also takes it. Either may be asked
// from any thread.
bool CloseSignalled();
bool TakeCloseSignal();

}  // namespace host
