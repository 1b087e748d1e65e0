// The bridge-file creation that leaves the summary page, against a job that
// records what it is asked.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "BridgeFileCreation.h"

namespace {

using Calls = std::vector<std::string>;

class RecordingJob : public IBridgeGenerationJob, public IWaitIndicator {
public:
    void SetOptions(const char* typeLibraryPath, const char* outputFolder, const char* javaPackage,
                    const char* libraryPath) override {
        calls.push_back(std::string("SetOptions ") + typeLibraryPath + "|" + outputFolder + "|" + javaPackage + "|" +
                        libraryPath);
    }
    void ClearCallbackInterfaces() override {
        calls.push_back("ClearCallbackInterfaces");
        callbacks.clear();
    }
    void AddCallbackInterface(const char* name) override {
        calls.push_back(std::string("AddCallbackInterface ") + name);
        callbacks.insert(name);
    }
    bool Generate() override {
        calls.push_back("Generate");
        callbacksOfRuns.push_back(callbacks);
        return generates;
    }
    void FinishJob(bool succeeded) override { calls.push_back(succeeded ? "FinishJob true" : "FinishJob false"); }
    void BeginWait(const char* text) override { calls.push_back(std::string("BeginWait ") + text); }
    void EndWait() override { calls.push_back("EndWait"); }

    bool generates = true;
    Calls calls;
    std::set<std::string> callbacks;
    std::vector<std::set<std::string>> callbacksOfRuns;
};

BridgeSummary Summary() {
    BridgeSummary summary;
    summary.typeLibraryPath = "C:\\libs\\Gadgets.tlb";
    summary.outputFolder = "C:\\out";
    summary.javaPackage = "com.example.gadgets";
    summary.libraryPath = "JGadgets";
    return summary;
}

}  // namespace

TEST(BridgeFileCreation, SetsTheSummaryThenRegistersCallbacksAndRunsOnceUnderTheWaitIndicator) {
    RecordingJob job;
    EXPECT_TRUE(CreateBridgeFiles(job, Summary(), {"IGadgetEvents", "IOther"}, job));
    EXPECT_EQ(job.calls, (Calls{"SetOptions C:\\libs\\Gadgets.tlb|C:\\out|com.example.gadgets|JGadgets",
                                "BeginWait Creating Brivel files", "ClearCallbackInterfaces",
                                "AddCallbackInterface IGadgetEvents", "AddCallbackInterface IOther", "Generate",
                                "FinishJob true", "EndWait"}));
}

TEST(BridgeFileCreation, AFailedRunStillReleasesTheJobAndClosesTheWaitIndicator) {
    RecordingJob job;
    job.generates = false;
    EXPECT_FALSE(CreateBridgeFiles(job, Summary(), {}, job));
    EXPECT_EQ(job.calls, (Calls{"SetOptions C:\\libs\\Gadgets.tlb|C:\\out|com.example.gadgets|JGadgets",
                                "BeginWait Creating Brivel files", "ClearCallbackInterfaces", "Generate",
                                "FinishJob false", "EndWait"}));
}

TEST(BridgeFileCreation, ARepeatedRunHasOnlyTheCallbacksListedNow) {
    RecordingJob job;
    CreateBridgeFiles(job, Summary(), {"IGadgetEvents", "IOther"}, job);
    CreateBridgeFiles(job, Summary(), {"IOther"}, job);
    CreateBridgeFiles(job, Summary(), {}, job);
    ASSERT_EQ(job.callbacksOfRuns.size(), 3u);
    EXPECT_EQ(job.callbacksOfRuns[1], (std::set<std::string>{"IOther"}));
    EXPECT_TRUE(job.callbacksOfRuns[2].empty());
}
