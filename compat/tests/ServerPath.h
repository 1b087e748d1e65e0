// Where the conformance tests find their in-process test server: beside the
// test program, under each build's library name.
#ifndef BRIVEL_COMPAT_TESTS_SERVERPATH_H
#define BRIVEL_COMPAT_TESTS_SERVERPATH_H

#include <windows.h>

#include <string>

inline std::string TestServerPath() {
    char program[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, program, sizeof program);
    std::string path(program, n);
#ifdef _WIN32
    return path.substr(0, path.find_last_of("\\/") + 1) + "brivel_test_server.dll";
#else
    return path.substr(0, path.rfind('/') + 1) + "libbrivel_test_server.so";
#endif
}

#endif
