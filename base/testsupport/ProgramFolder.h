// The folder of the running test program, where the build puts the
// libraries and servers it loads.
#pragma once

#include <windows.h>

#include <string>

namespace brivel::testing {

inline std::string ProgramFolder() {
    char program[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, program, sizeof program);
    std::string path(program, n);
    return path.substr(0, path.find_last_of("\\/"));
}

}  // namespace brivel::testing
