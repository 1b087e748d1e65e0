#include "SampleHarness.h"

#include <vector>

SampleHost::SampleHost()
    : BridgeJvmHost({"libbrivel_sample_server.so", "SampleOutstandingReferences", "libJBrivelSampleActiveX.so",
                     "sample/test/SampleRoad", "sample/test/SampleListener",
                     {BRIVEL18_JAR, BRIVEL_SERVER_JAR, SAMPLE_JAR, SAMPLE_TEST_JAR}}) {}

void SampleHost::RegisterServer(const std::string& library) {
    RegisterClass("{D639163A-1B7C-4DA4-91EE-17112BCFD1A4}", library);
}

void SampleHost::FindExports() {
    fire_ = Export<SampleFireFn>("SampleFire");
    sinks_ = Export<SampleSinksFn>("SampleSinks");
    calls_ = Export<SampleCallsFn>("SampleCalls");
    failCalls_ = Export<SampleFailCallsFn>("SampleFailCalls");
    ASSERT_TRUE(fire_ && sinks_ && calls_ && failCalls_);
}

std::string SampleHost::Calls() {
    std::vector<char> text(1 << 16);
    UINT length = calls_(text.data(), static_cast<UINT>(text.size()));
    EXPECT_LT(length, text.size()) << "the call log was cut";
    return text.data();
}
