// The main of every test program. CTest runs one case per process, named by
// a filter that the build wrote from the test sources; two mistakes would
// then test nothing and still pass, so both are failures here:
// - a filter that selects no case (a suite name that the platform's headers
//   turn into another name, a case renamed since the build was configured);
// - a program with more or fewer cases than the build registered with CTest
//   (a case the build did not find in the sources would never run). The
//   build passes its count in BRIVEL_REGISTERED_CASES.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

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
    return result;
}
