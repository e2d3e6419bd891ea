// One running copy per user: a locked file in the user's private runtime folder (or, without one, a
// listening socket named after the lock and the user) stands in for a named mutex. Only the same user can
// hold the lock for us, only the same user can ask us to come forward, and nobody can hold up a start.
#pragma once
#include <cstddef>
#include <string>

#include "host/types.h"

namespace host {

using InstanceLock = i32;  // 0: none

// The longest whole path of a runtime folder that the lock's socket fits in: a socket's address holds 107
// bytes, and the socket's own name takes 32 of them.
inline constexpr size_t kLongestRuntimeFolder = 75;

// Takes the lock named `name`. *alreadyHeld is set when another process of this user holds it. Returns 0
// when the lock is held elsewhere or could not be made (a name taken by another user is not held for us:
// *alreadyHeld stays false and the caller goes on without the lock). A lock that cannot be made in the
// private runtime folder is said, and taken by the name it has without one.
InstanceLock CreateInstanceLock(const char* name, bool* alreadyHeld);
void ReleaseInstanceLock(InstanceLock lock);
// Asks the process of this user that holds lock `name` to raise its window, and waits a few seconds at most
// for its answer that it took the request. False when nobody of this user holds it, and when the holder
// does not answer (stopped, hung, or without its socket).
bool RequestRaise(const char* name);
// Answers the requests of other copies of this user that are in; true when there was one since the last
// call (the caller then comes to the front). Called from the program's own thread while it plays, loads or
// shows a box: a copy that does not call it does not answer.
bool TakeRaiseRequest();
// The descriptors the locks of this process hold (their files and sockets), `most` at most into `out`; their
// count. A child made by fork alone closes them: a copy of the file keeps the lock held, and a copy of the
// socket keeps the requests to come forward coming, for as long as the child lives. Safe in a child just
// forked from any thread: it takes no lock and makes nothing.
int InstanceLockDescriptors(int* out, int most);
// The socket address of lock `name`, for diagnostics and tests: the path of its socket file in the private
// runtime folder, or the abstract name (starting with its zero byte) without one.
std::string InstanceLockAddress(const char* name);

}  // namespace host
