// The bridge-file creation with the real generation job on a fixture type
// library: a run repeated from the frame starts clean.
#include <gtest/gtest.h>
#include <objbase.h>
#include <windows.h>

#include <regex>
#include <string>
#include <vector>

#include "BridgeFileCreation.h"
#include "BridgeGenerator.h"
#include "GenerationJobAdapter.h"
#include "TempFolder.h"

namespace {

class RecordingJob : public CBridgeGenerator {
public:
    void ReportMessage(const char* a, const char* b) override { messages.push_back(std::string(a) + ": " + b); }
    std::vector<std::string> messages;
};

class NoWait : public IWaitIndicator {
public:
    void BeginWait(const char*) override {}
    void EndWait() override {}
};

// COM for the test's thread, started before the job and ended after it.
class GenerationRun : public brivel::testing::TempFolderTest {
protected:
    GenerationRun() : comStarted_(SUCCEEDED(CoInitialize(nullptr))) {}
    ~GenerationRun() override {
        if (comStarted_) CoUninitialize();
    }
    bool comStarted_;
};

// Thunk numbers go on counting from one run to the next (numbers stay
// unique for the job's life); everything else of a run is its own.
std::string WithoutThunkNumbers(const std::string& text) {
    return std::regex_replace(text, std::regex("vThunk_[0-9]+"), "vThunk_N");
}

std::string WindowsPath(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return path[0] == '\\' ? "Z:" + path : path;
}

}  // namespace

TEST_F(GenerationRun, ARunRepeatedFromTheFrameStartsClean) {
    ASSERT_TRUE(comStarted_);
    {
        RecordingJob job;
        job.SetClock([] { return time_t(1000000000); });
        CGenerationJobAdapter adapter(job);
        NoWait wait;
        BridgeSummary summary;
        summary.typeLibraryPath = WindowsPath(std::string(BRIVEL_FIXTURES) + "/Bridge.tlb").c_str();
        summary.outputFolder = folder_.string().c_str();
        summary.javaPackage = "test.bridge";
        summary.libraryPath = "JBridge";
        const std::string cpp = (folder_ / "JBridge.cpp").string();

        ASSERT_TRUE(CreateBridgeFiles(adapter, summary, {"INotInTheLibrary"}, wait));
        ASSERT_EQ(job.messages.size(), 1u);
        EXPECT_EQ(job.messages[0], summary.typeLibraryPath.str() +
                                       ": WARNING:  Did not find the Callback Interface \"INOTINTHELIBRARY\"");
        std::string first = brivel::testing::ReadFileBytes(cpp);
        ASSERT_FALSE(first.empty());
        const std::string widget = (folder_ / "test" / "bridge" / "IWidget.java").string();
        std::string firstWidget = brivel::testing::ReadFileBytes(widget);
        ASSERT_FALSE(firstWidget.empty());

        // The user took the name off the list: the second run knows nothing of it.
        job.messages.clear();
        ASSERT_TRUE(CreateBridgeFiles(adapter, summary, {}, wait));
        EXPECT_TRUE(job.messages.empty()) << job.messages[0];
        EXPECT_EQ(WithoutThunkNumbers(brivel::testing::ReadFileBytes(cpp)), WithoutThunkNumbers(first));
        EXPECT_EQ(brivel::testing::ReadFileBytes(widget), firstWidget);
        EXPECT_EQ(job.CurrentLibrary(), nullptr);  // released after each run
    }
}
