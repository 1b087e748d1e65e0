#include "ErrorBox.h"

#include <windows.h>

#include <cstdio>

namespace brivel::c2j {

void ShowErrorBox(const char* text) {
#ifdef _WIN32
    MessageBoxA(nullptr, text, "Error", MB_OK | MB_SYSTEMMODAL);
#else
    std::fprintf(stderr, "Error: %s\n", text);
#endif
}

}  // namespace brivel::c2j
