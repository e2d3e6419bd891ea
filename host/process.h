// The settings of the whole process that hold for its whole life, made once, in one place, as the program
// starts and before it can say anything.
#pragma once

namespace host {

// A write that cannot be carried out fails as a write, said like any other, instead of ending the program:
// one to a pipe nobody reads any more (the error stream into a pager that was quit; SIGPIPE is ignored),
// and one past the process's file-size limit, which fails with "file too large" (SIGXFSZ is ignored). A
// handler somebody else set for either is left alone. The requests to end (Ctrl+C, a polite kill, a
// hang-up) are caught later, once there is a window to close.
void SettleProcessSignals();

}  // namespace host
