// The full path of a loaded module's file.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace brivel {

// The path of the module's file (null: the program's), however long it is;
// empty when it cannot be told.
inline std::string ModuleFileName(HMODULE module) {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameA(module, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return std::string();
        if (n < buffer.size()) return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 2);  // cut short: ask again with more room
    }
}

}  // namespace brivel
