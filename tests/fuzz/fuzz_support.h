// What the harnesses share: a scratch file for readers that take a path, and a quiet error path.
#pragma once
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <string>
#include <system_error>

#include "host/report.h"

namespace fuzz {

namespace detail {

// The folder's path where a signal handler can read it, and what each stopping signal did before.
inline char g_folderPath[4096];
constexpr int kStops[] = {SIGINT, SIGTERM, SIGHUP};
inline struct sigaction g_before[std::size(kStops)];

// Removes the folder's files and then the folder, with system calls alone, as a signal handler may.
inline void RemoveFolderNow() {
    const int dir = open(g_folderPath, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        alignas(dirent64) char buf[4096];
        // Entries removed while the folder is read may move those after them: read again until none is left.
        for (int pass = 0, removed = 1; removed && pass < 16; ++pass) {
            removed = 0;
            lseek(dir, 0, SEEK_SET);
            for (ssize_t n; (n = getdents64(dir, buf, sizeof buf)) > 0;)
                for (ssize_t at = 0; at < n;) {
                    const auto* e = reinterpret_cast<const dirent64*>(buf + at);
                    at += e->d_reclen;
                    const char* name = e->d_name;
                    if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))) continue;
                    removed += unlinkat(dir, name, 0) == 0 || unlinkat(dir, name, AT_REMOVEDIR) == 0;
                }
        }
        close(dir);
    }
    rmdir(g_folderPath);
}

// A stop from outside: libFuzzer's own handler ends the process at once, past the exit handlers, so the
// folder goes here first; then whatever handled the signal before has its say, and the process ends.
inline void OnStop(int sig, siginfo_t* info, void* context) {
    RemoveFolderNow();
    for (size_t i = 0; i < std::size(kStops); ++i) {
        if (kStops[i] != sig) continue;
        const struct sigaction& before = g_before[i];
        if (before.sa_flags & SA_SIGINFO) {
            if (before.sa_sigaction) before.sa_sigaction(sig, info, context);
        } else if (before.sa_handler != SIG_DFL && before.sa_handler != SIG_IGN) {
            before.sa_handler(sig);
        }
    }
    // The folder is gone, so the run cannot go on: end as the signal ends a process.
    signal(sig, SIG_DFL);
    raise(sig);
}

}  // namespace detail

// A private folder for the process, made once in the temporary folder (TMPDIR, else /tmp) and removed
// with what it holds when the process exits or is stopped by SIGINT, SIGTERM or SIGHUP (a signal the
// process ignores is left alone). A run that ends in a crash skips that; run.sh points TMPDIR at a folder
// of its own and removes it however the run ends.
inline const std::string& Folder() {
    static const std::string folder = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/kestralis-fuzz-XXXXXX";
        // A whole path: the harness may change its working folder before the folder is removed.
        char* made = mkdtemp(pattern.data()) ? realpath(pattern.c_str(), nullptr) : nullptr;
        if (!made || std::strlen(made) >= sizeof detail::g_folderPath) {
            std::fprintf(stderr, "no scratch folder in %s: %s\n", tmp && *tmp ? tmp : "/tmp",
                         made ? "its name is too long" : std::strerror(errno));
            std::abort();
        }
        pattern = made;
        std::free(made);
        std::memcpy(detail::g_folderPath, pattern.c_str(), pattern.size() + 1);
        for (size_t i = 0; i < std::size(detail::kStops); ++i) {
            struct sigaction stop{};
            stop.sa_sigaction = detail::OnStop;
            stop.sa_flags = SA_SIGINFO | SA_ONSTACK;
            sigemptyset(&stop.sa_mask);
            struct sigaction& before = detail::g_before[i];
            if (sigaction(detail::kStops[i], nullptr, &before) != 0) continue;
            const bool ignored = !(before.sa_flags & SA_SIGINFO) && before.sa_handler == SIG_IGN;
            if (!ignored) sigaction(detail::kStops[i], &stop, nullptr);
        }
        return pattern;
    }();
    // Registered after the name is made, so it runs before the name is destroyed.
    static const bool removedAtExit = std::atexit([] {
        std::error_code ec;
        std::filesystem::remove_all(Folder(), ec);
    }) == 0;
    (void)removedAtExit;
    return folder;
}

// Writes the input to a file of the folder and returns its path.
inline std::string WriteInput(const char* name, const uint8_t* data, size_t size) {
    const std::string path = Folder() + "/" + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);
    return path;
}

// The readers meet nothing but damaged data here: keep the failure reports off the terminal.
inline void Quiet() { host::SetFileReportsQuiet(true); }

}  // namespace fuzz
