// The main of every test program. CTest runs one case per process, named by
// a filter that the build wrote from the test sources; two mistakes would
// then test nothing and still pass, so both are failures here:
// - a filter that selects no case (a suite name that the platform's headers
//   turn into another name, a case renamed since the build was configured);
// - a program with more or fewer cases than the build registered with CTest
//   (a case the build did not find in the sources would never run). The
//   build passes its count in BRIVEL_REGISTERED_CASES.
//
// A program that created a Java VM (linux32) ends without running the
// process's exit handlers: the VM is never destroyed, its threads run on
// while exit() destroys the VM library's static data, and under -Xcheck:jni
// its periodic check then reports its own signal handlers as modified.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#ifndef _WIN32
#include <dlfcn.h>
#include <unistd.h>

namespace {
// True when a Java VM of libjvm.so lives in this process.
bool HostsJavaVm() {
    void* libjvm = dlopen("libjvm.so", RTLD_NOW | RTLD_NOLOAD);
    if (!libjvm) return false;
    using GetCreatedJavaVMs = int (*)(void**, int, int*);  // JNI_GetCreatedJavaVMs(JavaVM**, jsize, jsize*)
    auto created = reinterpret_cast<GetCreatedJavaVMs>(dlsym(libjvm, "JNI_GetCreatedJavaVMs"));
    void* vm = nullptr;
    int count = 0;
    bool hosts = created && created(&vm, 1, &count) == 0 && count > 0;
    dlclose(libjvm);
    return hosts;
}
}  // namespace
#endif

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const testing::UnitTest& tests = *testing::UnitTest::GetInstance();
    if (const char* registered = std::getenv("BRIVEL_REGISTERED_CASES")) {
        int expected = std::atoi(registered);
        if (tests.total_test_count() != expected) {
            std::fprintf(stderr,
                         "This program has %d test cases but the build registered %d with CTest: write each "
                         "TEST or TEST_F head on one line, and reconfigure.\n",
                         tests.total_test_count(), expected);
            return 1;
        }
    }
    int result = RUN_ALL_TESTS();
    if (!GTEST_FLAG_GET(list_tests) && tests.test_to_run_count() == 0) {
        std::fprintf(stderr, "No test case matches the filter \"%s\".\n", GTEST_FLAG_GET(filter).c_str());
        return 1;
    }
#ifndef _WIN32
    if (HostsJavaVm()) {
        std::fflush(nullptr);
        _exit(result);
    }
#endif
    return result;
}
