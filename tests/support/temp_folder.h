// Folders a test makes for itself. Each is new (mkdtemp), so no folder that was there before, anybody's,
// is ever taken for one; a folder that cannot be made fails the test (the functions throw, and GoogleTest
// reports the message as the test's failure) instead of falling back on another.
#pragma once
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "host/instance.h"
#include "support/environment.h"

namespace kt {

namespace detail {

// The folders TempFolder made, removed when the process that made them exits (never by a child forked
// from it that exits through the same handlers).
struct MadeFolders {
    std::vector<std::string> paths;
    pid_t maker = getpid();
    ~MadeFolders() {
        if (getpid() != maker) return;
        for (const std::string& path : paths) {
            std::error_code ec;
            std::filesystem::remove_all(path, ec);
        }
    }
};
inline MadeFolders& Made() {
    static MadeFolders made;
    return made;
}

}  // namespace detail

// A new empty folder named `prefix` and six random characters in the folder `parent` (a whole path,
// ending in '/' or not); its whole path, without a trailing '/'. Throws, saying why, when it cannot be made.
inline std::string NewFolder(const std::string& parent, const std::string& prefix) {
    if (parent.empty()) throw std::runtime_error("no folder to make a new folder " + prefix + "XXXXXX in");
    const std::string pattern = parent + (parent.back() == '/' ? "" : "/") + prefix + "XXXXXX";
    std::string made = pattern;
    if (!mkdtemp(made.data()))
        throw std::runtime_error("cannot make a new folder " + pattern + ": " + std::strerror(errno));
    return std::filesystem::absolute(made).string();
}

// A path below the folder `base` (a whole path without a trailing '/') whose whole name, with its trailing
// '/', is `size` bytes: `base`, then a folder named `name`, then as many folders as it takes, none of them
// empty nor longer than 200 bytes. Empty where `base` and `name` alone are too long for it.
inline std::string PathOfSize(const std::string& base, const std::string& name, size_t size) {
    std::string path = base + "/" + name;
    if (path.size() + 1 > size) return {};
    size_t left = size - 1 - path.size();  // the bytes still to add before the trailing '/'
    if (left == 1) {  // too few for a "/x" of its own: the first folder's name takes it
        path += 'x';
        left = 0;
    }
    while (left > 0) {
        // "/" and at least one byte, never leaving a single byte that no folder could take.
        size_t take = std::min<size_t>(200, left - 1);
        if (left - 1 - take == 1) --take;
        path += "/" + std::string(take, 'd');
        left -= 1 + take;
    }
    return path + "/";
}

namespace detail {

// A new folder named "kestralis-test-" and six random characters in `parent`, removed with what it holds
// when the process exits. Where none can be made, throws `failure`, the reason and `advice`.
inline std::string MadeTempFolder(const std::string& parent, const std::string& failure, const std::string& advice) {
    std::string folder;
    try {
        folder = NewFolder(parent, "kestralis-test-");
    } catch (const std::exception& e) {
        throw std::runtime_error(failure + ": " + e.what() + advice);
    }
    Made().paths.push_back(folder);
    return folder;
}

}  // namespace detail

// A new empty folder in the temporary folder (TMPDIR, or /tmp where it is unset or empty), removed with what
// it holds when the process exits. A test program's TMPDIR is a folder of its own below its root, which the
// program's guard removes however the program ends (run_folders.h). Where none can be made the test fails
// with a message naming TMPDIR.
inline std::string TempFolder() {
    const char* tmp = std::getenv("TMPDIR");
    return detail::MadeTempFolder(tmp && *tmp ? tmp : "/tmp",
                                  std::string("no temporary folder for the test (TMPDIR=") + (tmp ? tmp : "") + ")",
                                  "; point TMPDIR at a folder where one can be made");
}

// A new empty folder for a program's runtime folder, removed as TempFolder's are: its path is short enough
// for the lock's socket. It lies in TMPDIR where that leaves room for it, else below the short folder the
// tests' environment names (a TMPDIR that is short enough and where no folder can be made fails the test as
// TempFolder does).
inline std::string TempRuntimeFolder() {
    const char* tmp = std::getenv("TMPDIR");
    const std::string parent = tmp && *tmp ? std::filesystem::absolute(tmp).string() : "/tmp";
    constexpr size_t kName = sizeof "/kestralis-test-XXXXXX" - 1;
    if (parent.size() + kName <= host::kLongestRuntimeFolder) return TempFolder();
    const char* shortFolder = std::getenv(kShortFolder);
    if (!shortFolder || std::strlen(shortFolder) + kName > host::kLongestRuntimeFolder)
        throw std::runtime_error("no runtime folder for the test: TMPDIR is too long for a socket in it, and the "
                                 "tests' environment names no short folder (" + std::string(kShortFolder) + ")");
    return detail::MadeTempFolder(shortFolder, "no runtime folder for the test in the tests' short folder", "");
}

// A new empty folder beside the test program, named `prefix` and six random characters, with a trailing
// '/'. The caller removes it. Throws, saying why, when it cannot be made.
inline std::string FolderBesideProgram(const std::string& prefix) {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || !self.has_parent_path())
        throw std::runtime_error("the test program's own folder is not known: " + ec.message());
    return NewFolder(self.parent_path().string(), prefix) + "/";
}

}  // namespace kt
