// Registers a test's in-process COM server as the platform registers one:
// the library under the class's InprocServer32 key, threading model Both.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace brivel::testing {

// `classKey` is "CLSID\\{...}\\InprocServer32" under HKEY_CLASSES_ROOT.
inline void RegisterInprocServer(const char* classKey, const std::string& library) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, classKey, &key), ERROR_SUCCESS) << classKey;
    EXPECT_EQ(RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(library.c_str()),
                             static_cast<DWORD>(library.size() + 1)),
              ERROR_SUCCESS)
        << classKey;
    RegSetValueExA(key, "ThreadingModel", 0, REG_SZ, reinterpret_cast<const BYTE*>("Both"), 5);
    RegCloseKey(key);
}

}  // namespace brivel::testing
