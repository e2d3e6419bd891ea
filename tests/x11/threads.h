// This process's threads as the system lists them, for the tests of what the display's end leaves running.
#pragma once
#include <dirent.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace kx {

// The name of each of this process's threads, by its id.
inline std::map<std::string, std::string> ProcessThreads() {
    std::map<std::string, std::string> threads;
    DIR* tasks = opendir("/proc/self/task");
    if (!tasks) return {{"-", "(no /proc/self/task)"}};
    while (const dirent* e = readdir(tasks)) {
        if (e->d_name[0] == '.') continue;
        char name[64] = {};
        if (FILE* f = std::fopen(("/proc/self/task/" + std::string(e->d_name) + "/comm").c_str(), "r")) {
            if (!std::fgets(name, sizeof name, f)) name[0] = 0;
            std::fclose(f);
        }
        threads[e->d_name] = std::string(name, std::strcspn(name, "\n"));
    }
    closedir(tasks);
    return threads;
}

}  // namespace kx
