// Folders a test makes for itself. Each is new (mkdtemp), so no folder that was there before, anybody's,
// is ever taken for one; a folder that cannot be made fails the test (the functions throw, and GoogleTest
// reports the message as the test's failure) instead of falling back on another.
#pragma once
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

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

// A new empty folder in the system's temporary folder (TMPDIR, or /tmp where it is unset or empty), removed
// with what it holds when the process exits. Where none can be made the test fails with a message naming
// TMPDIR.
inline std::string TempFolder() {
    const char* tmp = std::getenv("TMPDIR");
    const std::string parent = tmp && *tmp ? tmp : "/tmp";
    std::string folder;
    try {
        folder = NewFolder(parent, "kestralis-test-");
    } catch (const std::exception& e) {
        throw std::runtime_error(std::string("no temporary folder for the test (TMPDIR=") + (tmp ? tmp : "") +
                                 "): " + e.what() + "; point TMPDIR at a folder where one can be made");
    }
    detail::Made().paths.push_back(folder);
    return folder;
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
