// Files as the game names them: "IMAGE/ZAKU/SZAK1.BMP" or "IMAGE\ZAKU\SZAK1.BMP", matched beside the
// program whatever the case of the names on disk.
#pragma once
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "host/types.h"

namespace host {

// The program's folder, ending in '/'; empty when the system does not say.
std::string ModuleFolder();
// The same into `out`. False when it does not fit `size` bytes (nothing is cut).
bool ModuleFolder(char* out, size_t size);
// The current folder, ending in '/', where relative names are looked for; empty when the system does not say.
std::string CurrentFolder();
// Maps a name with either slash to an existing file or folder, matching each part without regard to
// case; parts that don't exist yet keep their spelling. Relative names stay relative.
std::string ResolvePath(const char* name);
// Every file the program opens goes through the guarded opens below, which never wait and never open
// anything but a regular file: a named pipe with nobody writing to it would hold an open or a read for
// ever, and merely opening one lets a writer that waits on it go on. The type is looked at before the open,
// the open does not wait, and the type is checked again on the open descriptor; anything else is refused
// with "not a regular file" ("is a directory" for a folder).
//
// The guarded stream on the resolved name, with fopen's modes ("r", "w", "a", "+", "b", "t"); null, with
// the reason in `problem` where given, when it cannot be had. Writing creates a missing file. Text reads
// ("r" without "b", or "rt") drop a CR that stands before a LF. Writing to a file past the process's
// file-size limit fails with "file too large" rather than ending the program once the program has settled
// its signals at its start (host::SettleProcessSignals).
std::FILE* OpenFile(const char* name, const char* mode, std::string* problem = nullptr);
// A file the program writes, through the guarded open. Anything that fails on the way is said in one line
// naming the file, with the system's reason: "SOUND/SE.PAK: cannot be written: is a directory", "...: no
// space left on device", "...: file too large". The open, each write and the close that puts out what the
// stream still holds are checked; after the first failure nothing more is written and nothing more said.
class FileWriter {
public:
    // Opens `path` (resolved as above) with fopen's `mode` ("wb", "wt", "ab", "a", ...); `name` is the file
    // as the line names it.
    FileWriter(const std::string& path, const char* mode, std::string name);
    ~FileWriter() { Close(); }
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;
    bool Opened() const { return file_ != nullptr; }
    // Writes `n` bytes; false when they did not all go (or an earlier failure stopped the writing).
    bool Put(const void* bytes, size_t n);
    // vfprintf into the file: its count, negative when it failed.
    int PrintList(const char* format, va_list args) __attribute__((format(printf, 2, 0)));
    // Puts out what the stream holds and closes the file: true when it opened and every write and the close
    // went. Later calls give the same answer.
    bool Close();

private:
    void Failed(int error);
    std::FILE* file_ = nullptr;
    std::string name_;
    bool ok_ = false;
};
// Removes the file `name` (resolved as above) so that it can be written anew. Only a regular file or a
// symbolic link is removed: a folder, a named pipe or a device is left where it stands, for the guarded open
// to refuse, and so is what cannot be looked at. A removal that fails is said in one line naming the file as
// `said`, with the system's reason.
void RemoveFile(const char* name, const char* said);
// The names of the regular files in `folder` (resolved as above; "" is the current folder) that end in
// `extension` (".BMP") in any case, in the order of a case-blind directory. A folder that cannot be listed,
// or not to its end, is said in one line naming it as `said`, and what was listed is kept.
std::vector<std::string> FilesEndingIn(const std::string& folder, const char* extension, const char* said);
// The system's words for the failed call's `error` (an errno value), in lower case as they stand inside a
// line: "permission denied", "is a directory", ...; a missing file (ENOENT) is "not found".
std::string SystemReason(int error);
// Why `name` (resolved as above) cannot be read, in the system's words: "not found", "permission denied",
// "too many levels of symbolic links", "is a directory", ...; empty when it can. A file must be a regular
// file that opens for reading; with `folder` set it must be a folder whose entries can be listed. Nothing is
// read and nothing waits (a named pipe is refused, not opened).
std::string ReadProblem(const char* name, bool folder = false);
// The guarded open of the file at `path` (not resolved) for reading: a descriptor, or -1 with the reason
// in the words above.
int OpenRegularFile(const std::string& path, std::string* problem);
// The same as a binary stream; null, with the reason in `problem` where given.
std::FILE* OpenRegularStream(const std::string& path, std::string* problem = nullptr);
// A name by which a library that opens files itself reaches the file open on `fd`, whatever became of its
// path since; `path` where the system has no such names.
std::string NameOfOpenFile(int fd, const std::string& path);
// The folder that holds the system-wide settings files (the user's configuration folder).
std::string SystemFolder();

}  // namespace host
