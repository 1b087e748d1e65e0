#include "ServiceSwitch.h"

#include <cstring>

namespace brivel::serverhost {

bool HasServiceSwitch(const char* commandLine) {
    if (!commandLine) return false;
    const char* rest = commandLine;
    while (*rest == ' ' || *rest == '\t') ++rest;
    if (*rest == '"') {
        const char* close = std::strchr(rest + 1, '"');
        rest = close ? close + 1 : rest + std::strlen(rest);
    } else {
        while (*rest && *rest != ' ' && *rest != '\t') ++rest;
    }
    return std::strstr(rest, kServiceSwitch) != nullptr;
}

}  // namespace brivel::serverhost
