// One running copy per user: a locked file in the user's private runtime folder (or, without one, a
// listening socket named after the lock and the user) stands in for a named mutex. Only the same user can
// hold the lock for us, only the same user can ask us to come forward, and nobody can hold up a start.
#pragma once
#include <string>

#include "host/types.h"

namespace host {

using InstanceLock = i32;  // 0: none

// Takes the lock named `name`. *alreadyHeld is set when another process of this user holds it. Returns 0
// when the lock is held elsewhere or could not be made (a name taken by another user is not held for us:
// *alreadyHeld stays false and the caller goes on without the lock).
InstanceLock CreateInstanceLock(const char* name, bool* alreadyHeld);
void ReleaseInstanceLock(InstanceLock lock);
// Asks the process of this user that holds lock `name` to raise its window. False when nobody of this user
// holds it.
bool RequestRaise(const char* name);
// True once after another copy of this user asked this one to come to the front.
bool TakeRaiseRequest();
// The socket address of lock `name`, for diagnostics and tests: the path of its socket file in the private
// runtime folder, or the abstract name (starting with its zero byte) without one.
std::string InstanceLockAddress(const char* name);

}  // namespace host
