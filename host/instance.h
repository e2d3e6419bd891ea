// One running copy per user: a lock file in the user's runtime folder stands in for a named mutex.
#pragma once
#include "host/types.h"

namespace host {

using InstanceLock = i32;  // 0: none

// Takes the lock named `name`. *alreadyHeld is set when another process holds it (the returned handle is
// then still valid but owns nothing). Returns 0 only when no lock file could be made at all.
InstanceLock CreateInstanceLock(const char* name, bool* alreadyHeld);
void ReleaseInstanceLock(InstanceLock lock);
// Asks the process that holds lock `name` to raise its window. False when nobody holds it.
bool RequestRaise(const char* name);
// True once after another copy asked this one to come to the front.
bool TakeRaiseRequest();

}  // namespace host
