// The single-instance lock against another local user: a lock file planted where the lock used to live
// (naming a process of ours, or linking to a file of ours) is never read, followed or written, a listener
// that never answers cannot hold up a start, and nobody but this user can hold the lock for us or ask us to
// come forward. The ordinary cases: a second
// copy finds the first and asks it forward; a copy that was killed leaves nothing behind.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/instance.h"
#include "host/report.h"
#include "support/answering_copy.h"
#include "support/temp_folder.h"

namespace {

constexpr uid_t kOther = 65534;  // nobody

int Wait(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// A child that becomes the other user and runs `fn` (which reports readiness through `ready` and then
// waits to be killed); -1 when this process cannot switch users.
template <class Fn>
pid_t AsOtherUser(int ready, Fn fn) {
    if (geteuid() != 0) return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        if (setresgid(kOther, kOther, kOther) != 0 || setresuid(kOther, kOther, kOther) != 0) _exit(90);
        fn();
        const char ok = 1;
        if (write(ready, &ok, 1) != 1) _exit(91);
        for (;;) pause();
    }
    return pid;
}

bool AwaitReady(int ready) {
    char c = 0;
    return read(ready, &c, 1) == 1 && c == 1;
}

// The socket address `address` (as InstanceLockAddress gives it), for bind or connect.
sockaddr_un AddressOf(const std::string& address, socklen_t* len) {
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    std::memcpy(a.sun_path, address.data(), address.size());
    *len = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + address.size());
    return a;
}

// A listener on `address` with room for `backlog` waiting calls; -1 when the address cannot be taken.
int Squat(const std::string& address, int backlog) {
    socklen_t len;
    const sockaddr_un a = AddressOf(address, &len);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) return -1;
    if (bind(fd, reinterpret_cast<const sockaddr*>(&a), len) != 0 || listen(fd, backlog) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// The whole check as the program makes it: take the lock, or ask its holder forward.
bool StartsAsFirstCopy(const std::string& name, host::InstanceLock* lock) {
    bool held = false;
    *lock = host::CreateInstanceLock(name.c_str(), &held);
    if (held) host::RequestRaise(name.c_str());
    return !held;
}

class InstanceAttack : public ::testing::Test {
protected:
    std::string name = "KestralisAttack" + std::to_string(getpid());
    std::string oldPath;  // where a lock file used to live without a runtime folder
    bool planted = false;  // the attacker put something there, which the test then removes
    std::string savedRuntime;
    int pipeFd[2] = {-1, -1};
    pid_t attacker = -1, victim = -1;

    void SetUp() override {
        if (const char* d = std::getenv("XDG_RUNTIME_DIR")) savedRuntime = d;
        unsetenv("XDG_RUNTIME_DIR");
        oldPath = "/tmp/" + name + "." + std::to_string(getuid()) + ".lock";
        ASSERT_EQ(pipe(pipeFd), 0);
    }
    void TearDown() override {
        for (pid_t p : {attacker, victim})
            if (p > 0) {
                kill(p, SIGKILL);
                Wait(p);
            }
        if (planted) std::remove(oldPath.c_str());
        close(pipeFd[0]);
        close(pipeFd[1]);
        if (!savedRuntime.empty()) setenv("XDG_RUNTIME_DIR", savedRuntime.c_str(), 1);
    }
    // A process of ours that an attacker would like to see killed: any program, with the signals' own
    // default actions.
    void StartVictim() {
        victim = fork();
        if (victim == 0) {
            execl("/bin/sleep", "sleep", "600", static_cast<char*>(nullptr));
            _exit(95);
        }
    }
    bool VictimAlive() { return waitpid(victim, nullptr, WNOHANG) == 0; }
};

TEST_F(InstanceAttack, APlantedLockFileNamingOurProcessIsIgnored) {
    StartVictim();
    const std::string path = oldPath, pid = std::to_string(victim) + "\n";
    attacker = AsOtherUser(pipeFd[1], [&] {
        // The attacker's file, locked by the attacker and naming our victim.
        const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 || write(fd, pid.data(), pid.size()) != static_cast<ssize_t>(pid.size()) ||
            flock(fd, LOCK_EX) != 0)
            _exit(92);
    });
    if (attacker < 0) GTEST_SKIP() << "cannot switch to another user here";
    planted = true;
    ASSERT_TRUE(AwaitReady(pipeFd[0]));
    host::InstanceLock lock = 0;
    EXPECT_TRUE(StartsAsFirstCopy(name, &lock));
    EXPECT_NE(lock, 0);
    usleep(100'000);  // a signal, had one been sent, has landed
    EXPECT_TRUE(VictimAlive()) << "the planted file made us signal our own process";
    host::ReleaseInstanceLock(lock);
}

TEST_F(InstanceAttack, APlantedLinkToOurFileIsNeitherFollowedNorEmptied) {
    const std::string ours = kt::TempFolder() + "/precious";
    {
        std::ofstream(ours) << "keep me\n";
    }
    const std::string path = oldPath;
    attacker = AsOtherUser(pipeFd[1], [&] {
        if (symlink(ours.c_str(), path.c_str()) != 0) _exit(93);
    });
    if (attacker < 0) GTEST_SKIP() << "cannot switch to another user here";
    planted = true;
    ASSERT_TRUE(AwaitReady(pipeFd[0]));
    host::InstanceLock lock = 0;
    EXPECT_TRUE(StartsAsFirstCopy(name, &lock));
    std::stringstream kept;
    kept << std::ifstream(ours).rdbuf();
    EXPECT_EQ(kept.str(), "keep me\n") << "our file was written through the planted link";
    host::ReleaseInstanceLock(lock);
}

TEST_F(InstanceAttack, AnotherUserCanNeitherHoldOurLockNorAskUsForward) {
    const std::string address = host::InstanceLockAddress(name.c_str());
    attacker = AsOtherUser(pipeFd[1], [&] {
        if (Squat(address, 4) < 0) _exit(94);  // on our lock's own name
    });
    if (attacker < 0) GTEST_SKIP() << "cannot switch to another user here";
    ASSERT_TRUE(AwaitReady(pipeFd[0]));
    // The squatter is no copy of ours: we go on (without the lock) and never ask it anything.
    bool held = true;
    EXPECT_EQ(host::CreateInstanceLock(name.c_str(), &held), 0);
    EXPECT_FALSE(held);
    EXPECT_FALSE(host::RequestRaise(name.c_str()));
    kill(attacker, SIGKILL);
    Wait(attacker);
    attacker = -1;

    // Now we hold it, and the other user knocks.
    host::InstanceLock lock = 0;
    ASSERT_TRUE(StartsAsFirstCopy(name, &lock));
    host::TakeRaiseRequest();
    const pid_t knocker = fork();
    if (knocker == 0) {
        if (setresgid(kOther, kOther, kOther) != 0 || setresuid(kOther, kOther, kOther) != 0) _exit(90);
        socklen_t len;
        const sockaddr_un a = AddressOf(address, &len);
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        _exit(fd >= 0 && connect(fd, reinterpret_cast<const sockaddr*>(&a), len) == 0 ? 0 : 1);
    }
    EXPECT_EQ(Wait(knocker), 0) << "the other user could not even reach the socket";
    EXPECT_FALSE(host::TakeRaiseRequest()) << "another user asked us forward";
    host::ReleaseInstanceLock(lock);
}

// Sets XDG_RUNTIME_DIR to a fresh private folder (or unsets it) for a scope, and puts it back after. A
// folder that cannot be made fails the test.
class RuntimeFolder {
public:
    explicit RuntimeFolder(bool make) {
        if (const char* d = std::getenv("XDG_RUNTIME_DIR")) saved_ = d;
        if (make) {
            folder_ = kt::TempRuntimeFolder();  // made by mkdtemp: only its user enters it
            setenv("XDG_RUNTIME_DIR", folder_.c_str(), 1);
        } else {
            unsetenv("XDG_RUNTIME_DIR");
        }
    }
    ~RuntimeFolder() {
        if (!folder_.empty()) std::filesystem::remove_all(folder_);
        if (saved_.empty()) unsetenv("XDG_RUNTIME_DIR");
        else setenv("XDG_RUNTIME_DIR", saved_.c_str(), 1);
    }
    const std::string& Path() const { return folder_; }

private:
    std::string saved_, folder_;
};

// A name squatted by a listener that never accepts, its queue full: our start neither waits on it nor
// takes it for a copy of ours. The start runs in a child that a stuck connect would leave to the alarm.
TEST_F(InstanceAttack, AListenerThatNeverAnswersCannotHoldUpTheStart) {
    const std::string address = host::InstanceLockAddress(name.c_str());
    ASSERT_EQ(address[0], '\0') << "without a runtime folder the lock is an abstract name";
    const int squatter = Squat(address, 0);
    ASSERT_GE(squatter, 0);
    socklen_t len;
    const sockaddr_un a = AddressOf(address, &len);
    std::vector<int> queued;
    for (;;) {
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
        ASSERT_GE(fd, 0);
        queued.push_back(fd);
        if (connect(fd, reinterpret_cast<const sockaddr*>(&a), len) != 0) {
            ASSERT_EQ(errno, EAGAIN);
            break;
        }
    }
    const pid_t start = fork();
    if (start == 0) {
        alarm(5);  // a safety: the bound itself lies in the code's time-out
        bool held = true;
        const host::InstanceLock lock = host::CreateInstanceLock(name.c_str(), &held);
        _exit(lock == 0 && !held && !host::RequestRaise(name.c_str()) ? 0 : 1);
    }
    EXPECT_EQ(Wait(start), 0) << "128 + " << SIGALRM << ": the start hung on the squatter";
    for (int fd : queued) close(fd);
    close(squatter);
}

// With a private runtime folder the lock lives there, out of another user's reach: squatting on its
// address fails, and we take the lock as the first copy.
TEST_F(InstanceAttack, WithARuntimeFolderAnotherUserCannotTakeTheLock) {
    const RuntimeFolder runtime(true);
    ASSERT_FALSE(runtime.Path().empty());
    const std::string address = host::InstanceLockAddress(name.c_str());
    EXPECT_EQ(address.rfind(runtime.Path() + "/", 0), 0u) << "the lock lives in the runtime folder";
    int squatted[2];
    ASSERT_EQ(pipe(squatted), 0);
    attacker = AsOtherUser(pipeFd[1], [&] {
        const char took = Squat(address, 4) >= 0 ? 1 : 0;
        if (write(squatted[1], &took, 1) != 1) _exit(92);
    });
    if (attacker < 0) GTEST_SKIP() << "cannot switch to another user here";
    ASSERT_TRUE(AwaitReady(pipeFd[0]));
    char took = 1;
    ASSERT_EQ(read(squatted[0], &took, 1), 1);
    EXPECT_EQ(took, 0) << "the other user bound our lock's address";
    host::InstanceLock lock = 0;
    EXPECT_TRUE(StartsAsFirstCopy(name, &lock));
    EXPECT_NE(lock, 0);
    host::ReleaseInstanceLock(lock);
    close(squatted[0]);
    close(squatted[1]);
}

void SecondCopyAndKilledCopy(const std::string& name) {
    host::InstanceLock lock = 0;
    ASSERT_TRUE(StartsAsFirstCopy(name, &lock));
    host::TakeRaiseRequest();
    const pid_t second = fork();
    if (second == 0) {
        host::InstanceLock l = 0;
        _exit(StartsAsFirstCopy(name, &l) ? 1 : 0);  // the second copy ends with 0
    }
    int status = 0;
    bool raised = false;
    ASSERT_TRUE(kt::EndedWhileAnswering(second, 10'000, &status, &raised)) << "the second copy kept waiting";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(raised);
    host::ReleaseInstanceLock(lock);
    EXPECT_FALSE(host::RequestRaise(name.c_str())) << "a released lock still answers";

    // A first copy killed outright: the next start is a first copy again.
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t first = fork();
    if (first == 0) {
        host::InstanceLock l = 0;
        const char ok = StartsAsFirstCopy(name, &l) ? 1 : 0;
        if (write(ready[1], &ok, 1) != 1) _exit(1);
        for (;;) {
            host::TakeRaiseRequest();
            usleep(5'000);
        }
    }
    ASSERT_TRUE(AwaitReady(ready[0]));
    EXPECT_FALSE(StartsAsFirstCopy(name, &lock));
    kill(first, SIGKILL);
    Wait(first);
    EXPECT_TRUE(StartsAsFirstCopy(name, &lock));
    EXPECT_NE(lock, 0);
    host::ReleaseInstanceLock(lock);
    close(ready[0]);
    close(ready[1]);
}

// The runtime folder's periodic clean-up removes files left untouched for hours unless their sticky bit is
// set: a lock that went would let a second copy start beside the first.
TEST(Instance, TheLockAndItsSocketInTheRuntimeFolderAreKeptFromItsCleanUp) {
    const RuntimeFolder runtime(true);
    ASSERT_FALSE(runtime.Path().empty());
    const std::string name = "KestralisSticky" + std::to_string(getpid());
    bool held = true;
    const host::InstanceLock lock = host::CreateInstanceLock(name.c_str(), &held);
    ASSERT_NE(lock, 0);
    const std::string socket = host::InstanceLockAddress(name.c_str()).c_str();  // the path, without its zero
    ASSERT_EQ(socket.rfind(runtime.Path() + "/", 0), 0u);
    ASSERT_EQ(socket.substr(socket.size() - 5), ".sock");
    const std::string lockFile = socket.substr(0, socket.size() - 5) + ".lock";
    for (const std::string& path : {lockFile, socket}) {
        struct stat st{};
        ASSERT_EQ(lstat(path.c_str(), &st), 0) << path;
        EXPECT_NE(st.st_mode & S_ISVTX, 0u) << path << " can be cleaned up";
    }
    host::ReleaseInstanceLock(lock);
}

// A holder whose socket has gone (removed by hand or by a clean-up) still holds the lock, but nobody takes
// the call to come forward: a second start learns both.
TEST(Instance, AHolderWithoutItsSocketHoldsTheLockButDoesNotAnswer) {
    const RuntimeFolder runtime(true);
    const std::string name = "KestralisSilent" + std::to_string(getpid());
    bool held = true;
    const host::InstanceLock lock = host::CreateInstanceLock(name.c_str(), &held);
    ASSERT_NE(lock, 0);
    ASSERT_EQ(unlink(host::InstanceLockAddress(name.c_str()).c_str()), 0);
    const pid_t second = fork();
    if (second == 0) {
        bool heldThere = false;
        const bool refused = host::CreateInstanceLock(name.c_str(), &heldThere) == 0;
        _exit(refused && heldThere && !host::RequestRaise(name.c_str()) ? 0 : 1);
    }
    EXPECT_EQ(Wait(second), 0);
    host::ReleaseInstanceLock(lock);
}

// The ordinary cases, with the lock in a private runtime folder and without one.
TEST(Instance, SecondCopyAsksTheFirstForwardAndAKilledCopyLeavesNothing) {
    for (const bool folder : {true, false}) {
        SCOPED_TRACE(folder ? "in a runtime folder" : "by an abstract name");
        const RuntimeFolder runtime(folder);
        SecondCopyAndKilledCopy("KestralisCopies" + std::to_string(getpid()));
    }
}

// With XDG_RUNTIME_DIR naming a private folder where the lock cannot be made, `why` (the system's words):
// the first start says so in one line naming the lock's file, and takes the lock by the name it has without
// the folder; a second start, a process of its own that has not tried the folder before, finds it held and
// asks the first forward. 0 when all of that holds, else the number of the step that failed.
int LockOutsideTheFolder(const std::string& name, const std::string& folder, const char* why) {
    const std::string inFolder = host::InstanceLockAddress(name.c_str()).c_str();  // the path, without its zero
    if (inFolder.rfind(folder + "/", 0) != 0 || inFolder.size() < 5) return 1;
    const std::string lockFile = inFolder.substr(0, inFolder.size() - 5) + ".lock";
    int go[2];
    if (pipe(go) != 0) return 2;
    const pid_t second = fork();  // before the first start, so it knows nothing of that start's outcome
    if (second == 0) {
        char c;
        if (read(go[0], &c, 1) != 1) _exit(2);
        host::InstanceLock l = 0;
        _exit(StartsAsFirstCopy(name, &l) ? 1 : 0);  // the second copy ends with 0
    }
    host::ClearFileReports();
    bool held = true;
    const host::InstanceLock lock = host::CreateInstanceLock(name.c_str(), &held);
    int step = 0;
    if (lock == 0 || held) step = 3;
    else if (host::FileReports() != std::vector<std::string>{lockFile + ": " + why +
                                                            "; keeping the one-copy lock outside XDG_RUNTIME_DIR"})
        step = 4;
    else if (host::InstanceLockAddress(name.c_str())[0] != '\0') step = 5;
    if (write(go[1], "g", 1) != 1 && step == 0) step = 6;
    int status = 0;
    bool raised = false;
    if (!kt::EndedWhileAnswering(second, 10'000, &status, &raised)) {
        kill(second, SIGKILL);
        Wait(second);
        if (step == 0) step = 7;  // the second copy went on as a first one
    } else if (step == 0 && !(WIFEXITED(status) && WEXITSTATUS(status) == 0 && raised)) {
        step = 8;
    }
    host::ReleaseInstanceLock(lock);
    close(go[0]);
    close(go[1]);
    return step;
}

// A private runtime folder the user may not write in: the lock that cannot be made there is said and taken
// outside it, so that a second copy still finds the first. Run in a child that has given up the power to
// pass over a folder's permissions, which the system's administrator has.
TEST(Instance, ALockThatCannotBeMadeInAReadOnlyRuntimeFolderIsSaidAndTakenOutsideIt) {
    const RuntimeFolder runtime(true);
    const std::string name = "KestralisReadOnly" + std::to_string(getpid());
    const std::string folder = runtime.Path();
    ASSERT_EQ(chmod(folder.c_str(), 0500), 0);
    const pid_t child = fork();
    if (child == 0) {
        if (!kt::GiveUpPassingOverPermissions()) _exit(90);
        _exit(LockOutsideTheFolder(name, folder, "permission denied"));
    }
    EXPECT_EQ(Wait(child), 0) << "the step that failed (90: the folder's permissions could not be made to hold)";
    chmod(folder.c_str(), 0700);
}

// Something else where the lock's file goes: the same.
TEST(Instance, ALockWhoseFileCannotBeMadeIsSaidAndTakenOutsideTheRuntimeFolder) {
    const RuntimeFolder runtime(true);
    const std::string name = "KestralisNoLockFile" + std::to_string(getpid());
    const std::string socket = host::InstanceLockAddress(name.c_str()).c_str();
    ASSERT_EQ(socket.rfind(runtime.Path() + "/", 0), 0u);
    ASSERT_EQ(mkdir((socket.substr(0, socket.size() - 5) + ".lock").c_str(), 0700), 0);
    EXPECT_EQ(LockOutsideTheFolder(name, runtime.Path(), "is a directory"), 0) << "the step that failed";
}

// XDG_RUNTIME_DIR naming anything but the whole path of a folder only this user can enter, short enough for
// the socket beside the lock, is said once as the lock is made; the lock is then an abstract name and holds
// all the same. A private folder, an empty value or none is said nothing of.
TEST(Instance, ARuntimeFolderThatWillNotDoIsSaidAndTheLockHoldsWithoutIt) {
    namespace fs = std::filesystem;
    const RuntimeFolder runtime(true);
    const std::string open = kt::TempFolder();
    fs::permissions(open, fs::perms::others_read | fs::perms::others_exec, std::filesystem::perm_options::add);
    std::string deep = runtime.Path();
    while (deep.size() <= host::kLongestRuntimeFolder) deep += "/deeper";
    fs::create_directories(deep);
    fs::permissions(deep, fs::perms::owner_all);
    const std::string name = "KestralisRuntime" + std::to_string(getpid());
    const auto makeLock = [&](const std::string& dir) {
        setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
        host::ClearFileReports();
        bool held = true;
        const host::InstanceLock lock = host::CreateInstanceLock(name.c_str(), &held);
        EXPECT_NE(lock, 0);
        EXPECT_FALSE(held);
        const bool abstract = host::InstanceLockAddress(name.c_str())[0] == '\0';
        host::ReleaseInstanceLock(lock);
        return abstract;
    };
    for (const std::string& dir : {open, std::string("relative/folder"), runtime.Path() + "/none", deep}) {
        SCOPED_TRACE(dir);
        EXPECT_TRUE(makeLock(dir));
        EXPECT_EQ(host::FileReports(),
                  std::vector<std::string>{"XDG_RUNTIME_DIR=\"" + dir +
                                           "\" is not understood: it takes the whole path of a folder that only this "
                                           "user can enter, 75 characters at most; keeping the one-copy lock outside it"});
    }
    for (const std::string& dir : {runtime.Path(), std::string()}) {
        SCOPED_TRACE(dir);
        EXPECT_EQ(makeLock(dir), dir.empty());
        EXPECT_TRUE(host::FileReports().empty()) << host::FileReports()[0];
    }
}

}  // namespace
