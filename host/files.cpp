#include "host/files.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <utility>
#include <vector>

#include "host/report.h"
#include "host/text.h"

namespace host {
namespace {

bool Exists(const std::string& p) {
    struct stat st;
    return stat(p.c_str(), &st) == 0;
}

// Finds `part` inside folder `dir` without regard to case; empty when there is no such entry.
std::string MatchInFolder(const std::string& dir, const std::string& part) {
    DIR* d = opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return {};
    std::string found;
    while (dirent* e = readdir(d)) {
        if (strcasecmp(e->d_name, part.c_str()) == 0) {
            found = e->d_name;
            break;
        }
    }
    closedir(d);
    return found;
}

// A text-mode read: the stream hands out the file's bytes with every CR before a LF left out.
struct TextReader {
    std::FILE* f;
    int held;  // a CR read ahead, or -1
};

ssize_t TextRead(void* cookie, char* buf, size_t size) {
    auto* t = static_cast<TextReader*>(cookie);
    size_t n = 0;
    while (n < size) {
        int c;
        if (t->held >= 0) {
            c = t->held;
            t->held = -1;
        } else {
            c = std::fgetc(t->f);
        }
        if (c == EOF) break;
        if (c == '\r') {
            const int next = std::fgetc(t->f);
            if (next == '\n') c = '\n';
            else if (next != EOF) t->held = next;
        }
        buf[n++] = static_cast<char>(c);
    }
    return static_cast<ssize_t>(n);
}

int TextClose(void* cookie) {
    auto* t = static_cast<TextReader*>(cookie);
    const int r = std::fclose(t->f);
    delete t;
    return r;
}

// Why a file of type `mode` is not one the program opens.
std::string NotRegular(mode_t mode) { return S_ISDIR(mode) ? SystemReason(EISDIR) : "not a regular file"; }

// The guarded open with `flags` (O_RDONLY, or a write with O_CREAT, O_TRUNC, O_APPEND as asked); -1, with
// the reason in `problem`, when it cannot be had.
int GuardedOpen(const std::string& path, int flags, std::string* problem) {
    struct stat st{};
    if (stat(path.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) {
            *problem = NotRegular(st.st_mode);
            return -1;
        }
    } else if (errno != ENOENT || !(flags & O_CREAT)) {
        *problem = SystemReason(errno);
        return -1;
    }
    const int fd = open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) {
        *problem = SystemReason(errno);
        return -1;
    }
    // Whatever stands at the path may have changed since it was looked at.
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        *problem = st.st_mode ? NotRegular(st.st_mode) : SystemReason(errno);
        close(fd);
        return -1;
    }
    const int status = fcntl(fd, F_GETFL);
    if (status >= 0) fcntl(fd, F_SETFL, status & ~O_NONBLOCK);
    return fd;
}

// The guarded open of `path` with `flags` as a stream of fopen's `mode`; null, with the reason, when it
// cannot be had.
std::FILE* GuardedStream(const std::string& path, int flags, const char* mode, std::string* problem) {
    const int fd = GuardedOpen(path, flags, problem);
    if (fd < 0) return nullptr;
    std::FILE* f = fdopen(fd, mode);
    if (!f) {
        *problem = SystemReason(errno);
        close(fd);
    }
    return f;
}

}  // namespace

FileWriter::FileWriter(const std::string& path, const char* mode, std::string name) : name_(std::move(name)) {
    std::string why;
    file_ = OpenFile(path.c_str(), mode, &why);
    ok_ = file_ != nullptr;
    if (!ok_) ReportFileProblem(name_.c_str(), ("cannot be written: " + why).c_str());
}

void FileWriter::Failed(int error) {
    if (!ok_) return;
    ok_ = false;
    ReportFileProblem(name_.c_str(), ("cannot be written: " + SystemReason(error ? error : EIO)).c_str());
}

bool FileWriter::Put(const void* bytes, size_t n) {
    if (!file_ || !ok_) return false;
    if (n && std::fwrite(bytes, 1, n, file_) != n) Failed(errno);
    return ok_;
}

int FileWriter::PrintList(const char* format, va_list args) {
    if (!file_ || !ok_) return -1;
    const int n = std::vfprintf(file_, format, args);
    if (n < 0) Failed(errno);
    return n;
}

bool FileWriter::Close() {
    if (!file_) return ok_;
    // The flush first, so that its reason is the one said; the close may still fail on its own.
    if (ok_ && std::fflush(file_) != 0) Failed(errno);
    if (std::fclose(file_) != 0) Failed(errno);
    file_ = nullptr;
    return ok_;
}

void RemoveFile(const char* name, const char* said) {
    const std::string path = ResolvePath(name);
    struct stat st{};
    // What cannot even be looked at is left for the open, which says why.
    if (lstat(path.c_str(), &st) != 0 || (!S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode))) return;
    if (unlink(path.c_str()) != 0 && errno != ENOENT)
        ReportFileProblem(said, ("cannot be removed: " + SystemReason(errno)).c_str());
}

std::vector<std::string> FilesEndingIn(const std::string& folder, const char* extension, const char* said) {
    const std::string where = ResolvePath(folder.c_str());
    const std::string tail = UpperCaseCp932(extension);
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(where.empty() ? "." : where, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        const std::string n = it->path().filename().string();
        if (n.size() >= tail.size() && UpperCaseCp932(n.c_str()).compare(n.size() - tail.size(), tail.size(), tail) == 0)
            names.push_back(n);
    }
    if (ec) ReportFileProblem(said, SystemReason(ec.value()).c_str());
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return UpperCaseCp932(a.c_str()) < UpperCaseCp932(b.c_str()); });
    return names;
}

std::string SystemReason(int error) {
    if (error == ENOENT) return "not found";
    char buf[256];
    std::string text = strerror_r(error, buf, sizeof buf);
    if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z' && (text.size() < 2 || text[1] < 'A' || text[1] > 'Z'))
        text[0] = static_cast<char>(text[0] - 'A' + 'a');
    return text;
}

std::string ModuleFolder() {
    std::vector<char> buf(4096);
    const ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    if (n <= 0) return {};
    std::string path(buf.data(), static_cast<size_t>(n));
    const size_t slash = path.rfind('/');
    path.resize(slash == std::string::npos ? 0 : slash + 1);
    return path;
}

bool ModuleFolder(char* out, size_t size) {
    const std::string path = ModuleFolder();
    if (path.empty() || path.size() + 1 > size) return false;
    std::memcpy(out, path.c_str(), path.size() + 1);
    return true;
}

std::string CurrentFolder() {
    std::vector<char> buf(4096);
    if (!getcwd(buf.data(), buf.size())) return {};
    std::string path(buf.data());
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

std::string ResolvePath(const char* name) {
    if (!name) return {};
    std::string in(name);
    for (char& c : in) {
        if (c == '\\') c = '/';
    }
    if (Exists(in)) return in;
    std::string out;
    size_t pos = 0;
    if (!in.empty() && in[0] == '/') {
        out = "/";
        pos = 1;
    }
    bool missing = false;
    while (pos <= in.size()) {
        size_t next = in.find('/', pos);
        if (next == std::string::npos) next = in.size();
        std::string part = in.substr(pos, next - pos);
        if (!part.empty()) {
            if (!missing && !Exists(out + part)) {
                const std::string m = MatchInFolder(out, part);
                if (!m.empty()) part = m;
                else missing = true;
            }
            out += part;
            if (next < in.size()) out += '/';
        } else if (next < in.size() && !out.empty() && out.back() != '/') {
            out += '/';
        }
        pos = next + 1;
    }
    return out;
}

std::FILE* OpenFile(const char* name, const char* mode, std::string* problem) {
    std::string why;
    if (!problem) problem = &why;
    if (!name || !mode || !std::strchr("rwa", mode[0])) {
        *problem = SystemReason(EINVAL);
        return nullptr;
    }
    const bool update = std::strchr(mode, '+') != nullptr;
    int flags = update ? O_RDWR : mode[0] == 'r' ? O_RDONLY : O_WRONLY;
    if (mode[0] == 'w') flags |= O_CREAT | O_TRUNC;
    if (mode[0] == 'a') flags |= O_CREAT | O_APPEND;
    std::string m;
    bool text = true;
    for (const char* p = mode; *p; ++p) {
        if (*p == 'b') text = false;
        if (*p != 't') m += *p;
    }
    std::FILE* f = GuardedStream(ResolvePath(name), flags, m.c_str(), problem);
    if (!f) return nullptr;
    if (!text || mode[0] != 'r' || update) return f;
    auto* cookie = new TextReader{f, -1};
    cookie_io_functions_t io = {TextRead, nullptr, nullptr, TextClose};
    std::FILE* t = fopencookie(cookie, "r", io);
    if (!t) {
        *problem = SystemReason(errno);
        std::fclose(f);
        delete cookie;
    }
    return t;
}

std::string ReadProblem(const char* name, bool folder) {
    if (!name || !*name) return SystemReason(ENOENT);
    const std::string path = ResolvePath(name);
    struct stat st;
    if (stat(path.c_str(), &st) != 0) return SystemReason(errno);
    if (folder) {
        if (!S_ISDIR(st.st_mode)) return SystemReason(ENOTDIR);
        DIR* d = opendir(path.c_str());
        if (!d) return SystemReason(errno);
        closedir(d);
        return {};
    }
    std::string why;
    const int fd = GuardedOpen(path, O_RDONLY, &why);
    if (fd >= 0) close(fd);
    return why;
}

int OpenRegularFile(const std::string& path, std::string* problem) { return GuardedOpen(path, O_RDONLY, problem); }

std::FILE* OpenRegularStream(const std::string& path, std::string* problem) {
    std::string why;
    if (!problem) problem = &why;
    return GuardedStream(path, O_RDONLY, "rb", problem);
}

std::string NameOfOpenFile(int fd, const std::string& path) {
    const std::string name = "/proc/self/fd/" + std::to_string(fd);
    return access(name.c_str(), R_OK) == 0 ? name : path;
}

std::string SystemFolder() {
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x) return x;
    if (const char* h = std::getenv("HOME"); h && *h) return std::string(h) + "/.config";
    return "/etc";
}

}  // namespace host
