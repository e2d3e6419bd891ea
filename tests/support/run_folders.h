// The folders a test program keeps in the temporary folder while it runs, and how they go however it ends.
// Each is a root, "kestralis-test-" and six random characters, holding a file `lock` that the program
// holds locked (flock) from the moment it is made, with its guard: a process of its own, out of reach of
// the signals and kills that end the program, that removes the roots once the program has ended. A root
// whose lock nobody holds any longer is a dead run's: the next program to start removes it (the sweep).
#pragma once
#include <string>
#include <vector>

namespace kt::run_folders {

// The name every root starts with.
inline constexpr const char* kPrefix = "kestralis-test-";
// The file in a root that its living owners hold locked.
inline constexpr const char* kLock = "lock";
// How old a root whose lock nobody holds must be before the sweep takes it: its maker takes a few
// microseconds between making it and locking it, and is never taken for dead meanwhile.
inline constexpr int kDeadAfterSeconds = 60;

// A new root in the folder `parent`, its lock held by this process (the descriptor, closed on exec, goes
// to `lock`); its whole path. Throws, saying why, when it cannot be made, and then leaves nothing behind.
std::string MakeRoot(const std::string& parent, int* lock);

// Removes the folder or file `path` with all it holds. A link is removed itself, never followed, so that
// nothing outside the folder goes with it. True when it is gone.
bool RemoveTree(const std::string& path);

// Removes the roots in `parent` that a dead run left: folders of this user named as roots, holding a lock
// file of this user that nobody holds, older than `deadAfterSeconds`. A root whose lock is held is a live
// run's, and a folder without a lock file is not one of these roots: both are left alone. How many it
// removed.
int SweepDeadRuns(const std::string& parent, int deadAfterSeconds = kDeadAfterSeconds);

// Starts the guard of `roots`, whose locks this process holds through `locks`: a process out of this one's
// tree and session, deaf to the signals that end a program from a terminal, that waits until this process
// has ended, then removes the roots and ends. It holds the locks, and this process's output and error
// stream, until the roots are gone, so that whoever waits for the program's output waits for that too.
// Only for a process that has no other thread yet. False, saying why in `why`, when it could not start.
bool StartGuard(const std::vector<std::string>& roots, const std::vector<int>& locks, std::string* why);

}  // namespace kt::run_folders
