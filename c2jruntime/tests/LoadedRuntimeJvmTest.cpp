// The runtime as COM servers meet it: loaded at run time (LoadLibrary), not
// linked into the program. A thread's environment then lives in the static
// TLS space the C library keeps for libraries loaded late; calls from two
// threads each go through their own.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include <jni.h>

#include "ProcAddress.h"

namespace {
typedef bool (*SetTextFunction)(BSTR, char**);
typedef bool (*InitFunction)(char**);
typedef void (*LoadClassFunction)(int*, const char*, char**, char**);
typedef long (*CreateObjectFunction)(int, int, char**, ...);
typedef int (*CallIntFunction)(bool, long, int, int, char**, ...);
typedef int (*GetIntFunction)(bool, long, int, int, char**);
typedef long (*GetJenvFunction)(char**);

BSTR Wide(const std::string& text) {
    std::vector<OLECHAR> wide(text.begin(), text.end());
    return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

template <typename F>
F Export(HMODULE module, const char* name) {
    return brivel::ProcAddress<F>(module, name);
}
}  // namespace

TEST(LoadedRuntime, CallsFromTwoThreadsGoThroughTheirOwnEnvironments) {
    HMODULE runtime = LoadLibraryA(C2J_RUNTIME_LIBRARY);
    ASSERT_NE(runtime, nullptr) << "LoadLibrary failed: " << GetLastError();
    auto setJvmPath = Export<SetTextFunction>(runtime, "C2jSetJvmPath");
    auto setClasspath = Export<SetTextFunction>(runtime, "C2jSetClasspath");
    auto init = Export<InitFunction>(runtime, "C2jInit");
    auto loadClass = Export<LoadClassFunction>(runtime, "C2jLoadClass");
    auto createObject = Export<CreateObjectFunction>(runtime, "C2jCreateObject");
    auto callInt = Export<CallIntFunction>(runtime, "C2jCallInt");
    auto getInt = Export<GetIntFunction>(runtime, "C2jGetInt");
    auto getJenv = Export<GetJenvFunction>(runtime, "C2jGetJenv");
    ASSERT_TRUE(setJvmPath && setClasspath && init && loadClass && createObject && callInt && getInt && getJenv);

    char* error = nullptr;  // every message is a failure here: none is freed
    BSTR path = Wide(std::string(BRIVEL_JVM32) + "/lib/server");
    BSTR classPath = Wide(C2J_TEST_JAR);
    setJvmPath(path, &error);
    setClasspath(classPath, &error);
    SysFreeString(path);
    SysFreeString(classPath);
    ASSERT_TRUE(init(&error)) << error;
    char* cinfo[] = {const_cast<char*>("2"), const_cast<char*>("<init>"), const_cast<char*>("()V"),
                     const_cast<char*>("add"), const_cast<char*>("(II)I"),
                     const_cast<char*>("1"), const_cast<char*>("number"), const_cast<char*>("I"),
                     const_cast<char*>("0"), const_cast<char*>("0")};
    int cls = 0;
    loadClass(&cls, "brivel/c2jtest/Sample", &error, cinfo);
    ASSERT_GT(cls, 0) << (error ? error : "");
    long obj = createObject(cls, 1, &error);
    ASSERT_NE(obj, 0) << (error ? error : "");

    long mainEnv = getJenv(&error);
    long otherEnv = 0;
    int otherSum = 0, otherNumber = 0;
    char* otherError = nullptr;
    std::thread([&] {
        otherEnv = getJenv(&otherError);
        otherSum = callInt(false, obj, cls, 2, &otherError, 40, 2);
        otherNumber = getInt(false, obj, cls, 1, &otherError);
    }).join();
    EXPECT_EQ(otherError, nullptr);
    EXPECT_EQ(otherSum, 42);
    EXPECT_EQ(otherNumber, 1);
    EXPECT_NE(mainEnv, 0);
    EXPECT_NE(otherEnv, 0);
    EXPECT_NE(otherEnv, mainEnv);
    EXPECT_EQ(callInt(false, obj, cls, 2, &error, 1, 2), 3);
    EXPECT_EQ(getJenv(&error), mainEnv);
    EXPECT_EQ(error, nullptr);
}
