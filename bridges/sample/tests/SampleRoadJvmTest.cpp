// The sample bridge's load hook, coclass natives and wrappers on the real
// i386 VM: Java programs (tests/java) use the test's sample control through
// the generated bridge and the runtime library; the control's call log shows
// what each wrapper sent.

#include "SampleHarness.h"

namespace {
using SampleRoad = SampleHost;
}  // namespace

TEST_F(SampleRoad, WrappersCallTheControlByDispidAndReturnItsResults) {
    RunProgram("wrappers");
    // Methods only (flags 1); the strings by reference (VT_BYREF | VT_BSTR)
    // as they were before the control marked them, the ticks as VT_I2.
    EXPECT_EQ(Calls(),
              "1/1 []\n1/1 []\n2/1 []\n3/1 []\n"
              "4/1 [REF|BSTR:Hello, sample]\n3/1 []\n"
              "4/1 [REF|BSTR:Gr??e ?]\n3/1 []\n"
              "4/1 [REF|BSTR:null]\n3/1 []\n"
              "5/1 [REF|BSTR:quiet, I2:0]\n"
              "-552/1 []\n");
}

TEST_F(SampleRoad, TheLibraryExportsNoRemoteCreation) {
    RunProgram("wrappers");
    Calls();
    EXPECT_NE(BridgeNative("Java_j2c_tutorial_BrivelSampleActiveX__1_1TavoCreateObject"), nullptr);
    EXPECT_EQ(BridgeNative("Java_j2c_tutorial_BrivelSampleActiveX__1_1TavoCreateObjectRemote"), nullptr);
}

TEST_F(SampleRoad, SendTimerTicksFiresATimerEventPerTickBeforeItReturns) {
    RunProgram("ticks");
    EXPECT_EQ(Calls(), "1/1 []\n5/1 [REF|BSTR:tick, I2:3]\n5/1 [REF|BSTR:none, I2:0]\n5/1 [REF|BSTR:unheard, I2:1]\n");
    EXPECT_EQ(sinks_(), 0) << "the removed listener's sink was unadvised";
}

TEST_F(SampleRoad, FailedCallsThrowTavoExceptionWithTheControlsDescriptionOrTheResult) {
    failCalls_(DISP_E_EXCEPTION);
    jstring described = env_->NewStringUTF("The control failed call <id>");
    CallRoad("failures", "(Ljava/lang/String;)V", described);
    failCalls_(E_ACCESSDENIED);
    jstring bare = env_->NewStringUTF("COM error 0x80070005");
    CallRoad("failures", "(Ljava/lang/String;)V", bare);
    failCalls_(S_OK);
    env_->DeleteLocalRef(described);
    env_->DeleteLocalRef(bare);
    RunProgram("negativeTicks");
    std::string calls = Calls();
    EXPECT_NE(calls.find("-552/1 []\n"), std::string::npos) << "every wrapper reached the control:\n" << calls;
    EXPECT_NE(calls.find("5/1 [REF|BSTR:back, I2:-1]\n"), std::string::npos) << calls;
}

TEST_F(SampleRoad, ObjectsWithoutAComPointerThrowAndCallNothing) {
    RunProgram("uninitialized");
    EXPECT_EQ(Calls(), "");
}
