// Data names as the game writes them, found beside the program whatever their case.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "host/bitmap.h"
#include "host/crt.h"
#include "host/files.h"
#include "host/instance.h"
#include "host/midisynth.h"
#include "host/riff.h"
#include "host/text.h"
#include "support/answering_copy.h"
#include "support/headless_machine.h"
#include "support/process.h"

TEST(Files, NamesResolveWithoutRegardToCaseOrSlash) {
    const std::string root = kt::TempFolder();
    std::filesystem::create_directories(root + "/Image/Zaku");
    std::ofstream(root + "/Image/Zaku/szak1.bmp") << "x";
    EXPECT_EQ(host::ResolvePath((root + "/IMAGE/ZAKU/SZAK1.BMP").c_str()), root + "/Image/Zaku/szak1.bmp");
    EXPECT_EQ(host::ResolvePath((root + "\\IMAGE\\zaku\\SZAK1.bmp").c_str()), root + "/Image/Zaku/szak1.bmp");
    // A name that does not exist keeps its spelling below the deepest part that does.
    EXPECT_EQ(host::ResolvePath((root + "/IMAGE/NEW/A.BMP").c_str()), root + "/Image/NEW/A.BMP");
    std::FILE* f = host::OpenFile((root + "/image/ZAKU/Szak1.BMP").c_str(), "rb");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
}

TEST(Files, TextReadsDropCarriageReturnsBeforeLineFeeds) {
    const std::string root = kt::TempFolder();
    std::ofstream(root + "/t.txt", std::ios::binary) << "12\r\n34\r5\n\r";
    std::FILE* f = host::OpenFile((root + "/T.TXT").c_str(), "rt");
    ASSERT_NE(f, nullptr);
    char buf[32] = {};
    const size_t n = std::fread(buf, 1, sizeof buf, f);
    std::fclose(f);
    EXPECT_EQ(std::string(buf, n), "12\n34\r5\n\r");
    f = host::OpenFile((root + "/t.txt").c_str(), "rb");
    EXPECT_EQ(std::fread(buf, 1, sizeof buf, f), 10u);
    std::fclose(f);
}

// What stands in the way of reading a file or a folder is said in the system's words; nothing is opened
// that could wait (a named pipe), and a name that is there and readable has no problem.
TEST(Files, ReadProblemSaysTheSystemsReason) {
    namespace fs = std::filesystem;
    const std::string root = kt::TempFolder();
    fs::create_directories(root + "/Sound");
    std::ofstream(root + "/Sound/shot.wav") << "x";
    fs::create_symlink(root + "/LOOPB", root + "/LOOPA");
    fs::create_symlink(root + "/LOOPA", root + "/LOOPB");
    ASSERT_EQ(mkfifo((root + "/PIPE.WAV").c_str(), 0600), 0);
    const auto problem = [&](const char* name, bool folder = false) { return host::ReadProblem((root + name).c_str(), folder); };
    EXPECT_EQ(problem("/SOUND/SHOT.WAV"), "");
    EXPECT_EQ(problem("/SOUND"), "is a directory");
    EXPECT_EQ(problem("/SOUND", true), "");
    EXPECT_EQ(problem("/SOUND/SHOT.WAV", true), "not a directory");
    EXPECT_EQ(problem("/SOUND/BOM.WAV"), "not found");
    EXPECT_EQ(problem("/MIDI", true), "not found");
    EXPECT_EQ(problem("/LOOPA"), "too many levels of symbolic links");
    EXPECT_EQ(problem("/LOOPA", true), "too many levels of symbolic links");
    EXPECT_EQ(problem("/PIPE.WAV"), "not a regular file");

    // A file and a folder this user may not read; the system's administrator may read anything, so the
    // check runs in a child process that has given up that power.
    fs::permissions(root + "/Sound/shot.wav", fs::perms::none);
    fs::create_directories(root + "/Closed");
    fs::permissions(root + "/Closed", fs::perms::none);
    const pid_t pid = fork();
    if (pid == 0) {
        if (!kt::GiveUpPassingOverPermissions()) _exit(2);
        _exit(problem("/Sound/shot.wav") == "permission denied" && problem("/Closed", true) == "permission denied" ? 0 : 1);
    }
    int status = 0;
    const pid_t ended = waitpid(pid, &status, 0);
    // A folder its owner may not enter cannot be emptied by that owner (without root): the test's folder is
    // removed as the test program ends, so the folder is opened again first.
    fs::permissions(root + "/Closed", fs::perms::owner_all);
    ASSERT_EQ(ended, pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: not said as permission denied, 2: the permissions could not be made to hold";
}

namespace {

// Whether the process `pid` sleeps inside an open call, as a FIFO's writer waits there for a reader. The
// reader's open wakes such a writer before it returns, so a writer that was let go is never seen here
// again, however late it comes to run. Throws when the system does not show it.
bool SleepsInOpen(pid_t pid) {
    const std::string proc = "/proc/" + std::to_string(pid);
    std::ifstream stat(proc + "/stat");
    std::string id, name, state;
    if (!(stat >> id >> name >> state)) throw std::runtime_error("cannot read " + proc + "/stat");
    if (state != "S") return false;
    // The number of the call it sleeps in, or "running".
    std::ifstream call(proc + "/syscall");
    std::string number;
    if (!(call >> number)) throw std::runtime_error("cannot read " + proc + "/syscall");
    return number == std::to_string(SYS_openat);
}

}  // namespace

// Every reader of the program's files refuses a named pipe nobody writes to, at once and in the same
// words, without opening it: a writer that waits on the pipe is still waiting after them all. Writing to
// such a name is refused the same way, and an ordinary file still opens for each.
TEST(Files, EveryOpenRefusesANamedPipeAndLeavesAWaitingWriterWaiting) {
    const std::string root = kt::TempFolder();
    const std::string pipe = root + "/KTVB1.MID";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const pid_t writer = fork();
    if (writer == 0) _exit(open(pipe.c_str(), O_WRONLY) >= 0 ? 0 : 1);
    ASSERT_GT(writer, 0);
    // The writer waits inside its open (a hang guard of 10 s for it to get there).
    for (int i = 0; i < 1000 && !SleepsInOpen(writer); ++i) usleep(10'000);
    ASSERT_TRUE(SleepsInOpen(writer)) << "the writer never came to wait";

    std::string why;
    for (const char* mode : {"rb", "rt", "r", "r+b", "wb", "wt", "ab", "a+"}) {
        why.clear();
        EXPECT_EQ(host::OpenFile(pipe.c_str(), mode, &why), nullptr) << mode;
        EXPECT_EQ(why, "not a regular file") << mode;
    }
    why.clear();
    EXPECT_EQ(host::OpenRegularStream(pipe, &why), nullptr);
    EXPECT_EQ(why, "not a regular file");
    EXPECT_EQ(host::OpenRegularFile(pipe, &why), -1);
    EXPECT_EQ(host::ReadProblem(pipe.c_str()), "not a regular file");
    host::DecodedBitmap picture;
    EXPECT_EQ(host::LoadBitmapFile(pipe.c_str(), &picture), host::kBitmapNotFound);
    host::RiffReader riff;
    EXPECT_FALSE(riff.OpenFile(pipe.c_str()));
    host::midi::Song song;
    EXPECT_FALSE(host::midi::LoadSmf(pipe.c_str(), 44100, &song));

    EXPECT_TRUE(SleepsInOpen(writer)) << "the writer was let go: the pipe was opened";
    int status = 0;
    kill(writer, SIGKILL);
    waitpid(writer, &status, 0);

    // A folder is refused as one; an ordinary file opens for each mode, and writing makes a missing one.
    EXPECT_EQ(host::OpenFile(root.c_str(), "rb", &why), nullptr);
    EXPECT_EQ(why, "is a directory");
    for (const char* mode : {"wb", "ab", "rb", "r+b"}) {
        std::FILE* f = host::OpenFile((root + "/HISCORE.DAT").c_str(), mode, &why);
        ASSERT_NE(f, nullptr) << mode << ": " << why;
        EXPECT_EQ(std::fputs("12", f) >= 0, mode[0] != 'r' || mode[1] == '+') << mode;
        std::fclose(f);
    }
    std::ifstream written(root + "/HISCORE.DAT");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}), "1212") << "made, appended to, written over at its start";
}

// Opening for writing with "w" empties a file that is there: "5" written over "100" leaves "5".
TEST(Files, WritingEmptiesTheFileFirst) {
    const std::string name = kt::TempFolder() + "/SCORE.TXT";
    for (const char* mode : {"w", "wt", "wb", "w+", "w+b"}) {
        std::ofstream(name, std::ios::binary) << "100";
        std::string why;
        std::FILE* f = host::OpenFile(name.c_str(), mode, &why);
        ASSERT_NE(f, nullptr) << mode << ": " << why;
        EXPECT_EQ(std::fputs("5", f), 1) << mode;
        EXPECT_EQ(std::fclose(f), 0) << mode;
        std::ifstream written(name, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}), "5") << mode;
    }
}

TEST(Files, ModuleFolderEndsInASeparatorAndNeverCuts) {
    char small[4];
    EXPECT_FALSE(host::ModuleFolder(small, sizeof small));
    char big[4096];
    ASSERT_TRUE(host::ModuleFolder(big, sizeof big));
    EXPECT_EQ(big[std::strlen(big) - 1], '/');
}

TEST(Runtime, RandomGeneratorGivesTheClassicSequence) {
    host::SRand(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478};
    for (int e : expected) EXPECT_EQ(host::Rand(), e);
    host::SRand(12345);
    for (int i = 0; i < 1000; ++i) {
        const int r = host::Rand();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, host::kRandMax);
    }
}

TEST(Text, CodePage932KeepsBackslashAndTildeAscii) {
    EXPECT_EQ(host::Cp932ToUtf8("a\\b~c"), "a\\b~c");
    EXPECT_EQ(host::Cp932ToUtf8("\x83G\x83\x89\x81[\x94\xAD\x90\xB6"), "エラー発生");
    std::string back;
    ASSERT_TRUE(host::Utf8ToCp932("エラー発生", &back));
    EXPECT_EQ(back, "\x83G\x83\x89\x81[\x94\xAD\x90\xB6");
    EXPECT_EQ(host::Cp932ToUtf8("ok\x83"), "ok\xEF\xBF\xBD") << "a broken pair is replaced, not dropped silently";
}

// The lock file names its holder while it is held and nobody after: a later copy must never signal a
// process that merely inherited the old number.
TEST(Instance, TheLockNamesItsHolderOnlyWhileHeld) {
    const std::string name = "KestralisLockTest" + std::to_string(getpid());
    bool held = true;
    const host::InstanceLock lock = host::CreateInstanceLock(name.c_str(), &held);
    ASSERT_NE(lock, 0);
    EXPECT_FALSE(held);
    bool again = false;
    EXPECT_EQ(host::CreateInstanceLock(name.c_str(), &again), 0);
    EXPECT_TRUE(again);

    bool raised = false;
    const auto otherCopyAsks = [&] {
        const pid_t child = fork();
        if (child == 0) _exit(host::RequestRaise(name.c_str()) ? 1 : 0);
        int status = 0;
        if (!kt::EndedWhileAnswering(child, 10'000, &status, &raised)) status = kt::EndedChild(child, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 1;
    };
    EXPECT_TRUE(otherCopyAsks());
    EXPECT_TRUE(raised);

    host::ReleaseInstanceLock(lock);
    EXPECT_FALSE(otherCopyAsks()) << "a released lock still named this process";
    host::TakeRaiseRequest();
}
