// Files as the game names them: "IMAGE/ZAKU/SZAK1.BMP" or "IMAGE\ZAKU\SZAK1.BMP", matched beside the
// program whatever the case of the names on disk.
#pragma once
#include <cstdio>
#include <string>

#include "host/types.h"

namespace host {

// The program's folder, ending in '/'. False when it does not fit `size` bytes (nothing is cut).
bool ModuleFolder(char* out, size_t size);
// Maps a name with either slash to an existing file or folder, matching each part without regard to
// case; parts that don't exist yet keep their spelling. Relative names stay relative.
std::string ResolvePath(const char* name);
// fopen on the resolved name. Text reads ("r" without "b", or "rt") drop a CR that stands before a LF.
std::FILE* OpenFile(const char* name, const char* mode);
// The system's words for the failed call's `error` (an errno value), in lower case as they stand inside a
// line: "permission denied", "is a directory", ...; a missing file (ENOENT) is "not found".
std::string SystemReason(int error);
// Why `name` (resolved as above) cannot be read, in the system's words: "not found", "permission denied",
// "too many levels of symbolic links", "is a directory", ...; empty when it can. A file must be a regular
// file that opens for reading; with `folder` set it must be a folder whose entries can be listed. Nothing is
// read and nothing waits (a named pipe is refused, not opened).
std::string ReadProblem(const char* name, bool folder = false);
// Opens the file at `path` (not resolved) for reading when it is a regular file, without waiting (a named
// pipe or a device could keep a read waiting for ever, and is refused); -1, with the reason in the words
// above, when it cannot be had.
int OpenRegularFile(const std::string& path, std::string* problem);
// The folder that holds the system-wide settings files (the user's configuration folder).
std::string SystemFolder();

}  // namespace host
