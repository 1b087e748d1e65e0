#include "BuildServiceHost.h"

#include <windows.h>

#include <vector>

namespace brivel::remotebuild {

std::string DefaultBuildServiceHost() { return BRIVEL_BUILD_SERVICE_HOST; }

std::string GetBuildServiceHost() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kBuildServiceKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return DefaultBuildServiceHost();
    std::string host;
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key, kBuildServiceHostValue, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        type == REG_SZ && size > 0) {
        std::vector<char> text(size + 1, '\0');
        if (RegQueryValueExA(key, kBuildServiceHostValue, nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                             &size) == ERROR_SUCCESS)
            host = text.data();
    }
    RegCloseKey(key);
    return host.empty() ? DefaultBuildServiceHost() : host;
}

}  // namespace brivel::remotebuild
