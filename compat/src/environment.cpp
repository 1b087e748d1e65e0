// Process environment variables over the C library's environment, with the
// platform's result rules.
#include <windows.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "environment.h"

extern char** environ;

namespace {
// getenv and setenv are not safe against each other; every access goes
// through this lock (the platform's environment block has its own lock).
std::mutex g_environmentLock;

bool IsValidName(LPCSTR name) { return name && *name && !std::strchr(name, '='); }
}  // namespace

namespace brivel_compat {
bool EnvironmentValue(const char* name, std::string* value) {
    std::lock_guard<std::mutex> lock(g_environmentLock);
    const char* found = std::getenv(name);
    if (found) *value = found;
    return found != nullptr;
}

std::vector<std::string> EnvironmentBlock() {
    std::lock_guard<std::mutex> lock(g_environmentLock);
    std::vector<std::string> block;
    for (char** entry = environ; entry && *entry; ++entry) block.push_back(*entry);
    return block;
}
}  // namespace brivel_compat

extern "C" DWORD WINAPI GetEnvironmentVariableA(LPCSTR name, LPSTR buffer, DWORD size) {
    if (!IsValidName(name)) {
        SetLastError(ERROR_ENVVAR_NOT_FOUND);
        return 0;
    }
    std::lock_guard<std::mutex> lock(g_environmentLock);
    const char* value = std::getenv(name);
    if (!value) {
        SetLastError(ERROR_ENVVAR_NOT_FOUND);
        return 0;
    }
    DWORD length = static_cast<DWORD>(std::strlen(value));
    if (!buffer || length >= size) return length + 1;  // size needed, terminator included
    std::memcpy(buffer, value, length + 1);
    if (length == 0) SetLastError(ERROR_SUCCESS);
    return length;
}

extern "C" BOOL WINAPI SetEnvironmentVariableA(LPCSTR name, LPCSTR value) {
    if (!IsValidName(name)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::lock_guard<std::mutex> lock(g_environmentLock);
    int rc = value ? setenv(name, value, 1) : unsetenv(name);
    if (rc != 0) {
        SetLastError(errno == ENOMEM ? ERROR_NOT_ENOUGH_MEMORY : ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return TRUE;
}
