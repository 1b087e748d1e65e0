// A Java home made of stand-ins, for the search steps: a launcher on the
// PATH that prints the home (and records how it was run), and VM libraries
// that record their creation options and fail.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

#include "JvmPlatformNames.h"
#include "TempFolder.h"

namespace brivel::c2j::testing {

class StubJavaHome : public brivel::testing::TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        std::filesystem::create_directories(folder_ / "tmp");
        std::filesystem::create_directories(folder_ / "home");
        SetEnvironmentVariableA("TMP", Path("tmp").c_str());
        SetEnvironmentVariableA("TEMP", Path("tmp").c_str());
        SetEnvironmentVariableA("TMPDIR", Path("tmp").c_str());
        SetEnvironmentVariableA("BRIVEL_STUB_JAVA_HOME", Path("home").c_str());
        SetEnvironmentVariableA("BRIVEL_STUB_JAVA_LOG", Path("java.log").c_str());
        SetEnvironmentVariableA("BRIVEL_STUB_JVM_LOG", Path("jvm.log").c_str());
        SetEnvironmentVariableA("CLASSPATH", "from-environment");
        char path[32768];
        DWORD n = GetEnvironmentVariableA("PATH", path, sizeof path);
#ifdef _WIN32
        const char* separator = ";";
#else
        const char* separator = ":";
#endif
        std::string launchers = ProgramFolder() + "stubjava";
        SetEnvironmentVariableA("PATH", (launchers + separator + std::string(path, n < sizeof path ? n : 0)).c_str());
    }

    static std::string ProgramFolder() {
        char path[MAX_PATH];
        DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
        std::string self(path, n);
        return self.substr(0, self.find_last_of("/\\") + 1);
    }

    // The folder below the home that holds the VM library's sub-folders.
    std::filesystem::path LibraryFolder() const { return folder_ / "home" / std::string(kJvmLibraryFolder).substr(0, 3); }

    // Places the failing VM library in <library folder>/<sub>.
    void PlaceStubLibrary(const std::string& sub) {
#ifdef _WIN32
        std::string stub = ProgramFolder() + "c2j_stub_jvm.dll";
#else
        std::string stub = ProgramFolder() + "libc2j_stub_jvm.so";
#endif
        std::filesystem::create_directories(LibraryFolder() / sub);
        std::filesystem::copy_file(stub, LibraryFolder() / sub / kJvmLibraryName);
    }

    size_t TemporaryEntries() const {
        size_t n = 0;
        for (auto& entry : std::filesystem::directory_iterator(folder_ / "tmp")) {
            (void)entry;
            ++n;
        }
        return n;
    }
};

}  // namespace brivel::c2j::testing
