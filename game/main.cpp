// The program: settles the signals of its process, before it can say anything, then hands its command line
// to the entry point.
#include <string>

#include "game/shell/shell.h"
#include "host/process.h"

int main(int argc, char** argv) {
    host::SettleProcessSignals();
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) commandLine += ' ';
        commandLine += argv[i];
    }
    return WinMain(nullptr, nullptr, commandLine.c_str(), 1);
}
