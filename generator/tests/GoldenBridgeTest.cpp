// A whole bridge generated from a small library, compared file by file with
// the expected output checked in beside this test. With the clock and the
// tool discovery fixed, every byte of every file must match. Set
// BRIVEL_UPDATE_GOLDEN=1 to rewrite the expected files after a deliberate
// change (and review the difference). A run leaves no thread behind: one
// still running when the process exits can crash it under Wine.
#include "TestJob.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const time_t kGoldenTime = 1262304000;

class GoldenJob : public CTestJob {
public:
    GoldenJob() { SetClock([] { return kGoldenTime; }); }
    void DiscoverBuildTools(CBuildDiscovery& found) override {
        found = CBuildDiscovery();
        found.jdkHome = "C:\\jdk1.3\\";
        found.javac = "javac";
        found.jar = "jar";
        found.javadoc = "javadoc";
        found.programFolder = "C:\\BRIVEL\\";
        found.systemFolder = "C:\\windows\\system32";
        found.windowsFolder = "C:\\windows";
    }
};

std::map<std::string, std::string> ReadTree(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& item : fs::recursive_directory_iterator(root)) {
        if (!item.is_regular_file()) continue;
        std::ifstream in(item.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        files[fs::relative(item.path(), root).generic_string()] = bytes.str();
    }
    return files;
}

// Every occurrence of `from` in the text replaced by `to`.
std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// Compares the written folder `out` with the expected files under `golden`
// (or rewrites them when asked). A run written to another folder than the
// golden one names `goldenOut`, the folder the expected files name.
void CompareWithGolden(const char* out, const fs::path& golden, const char* goldenOut = nullptr) {
    std::map<std::string, std::string> written = ReadTree(out);
    if (goldenOut)
        for (auto& file : written) file.second = Replaced(file.second, out, goldenOut);
    if (std::getenv("BRIVEL_UPDATE_GOLDEN") && !goldenOut) {
        fs::remove_all(golden);
        for (const auto& file : written) {
            fs::create_directories((golden / file.first).parent_path());
            std::ofstream((golden / file.first), std::ios::binary) << file.second;
        }
    }
    std::map<std::string, std::string> expected = ReadTree(golden);
    ASSERT_FALSE(expected.empty()) << "no expected files under " << golden.string();
    std::vector<std::string> writtenNames, expectedNames;
    for (const auto& file : written) writtenNames.push_back(file.first);
    for (const auto& file : expected) expectedNames.push_back(file.first);
    EXPECT_EQ(writtenNames, expectedNames);
    for (const auto& file : expected) {
        auto found = written.find(file.first);
        if (found == written.end()) continue;
        EXPECT_EQ(found->second, file.second) << file.first;
    }
}

// A fixture library's job and its expected bridge, written into another
// folder than the golden one (which its files name).
struct GoldenRun {
    const char* library;
    const char* package;
    const char* dll;
    const char* golden;
    const char* goldenOut;
    int dualInterfacePreference;
};

const GoldenRun kBridgeRun = {"Bridge.tlb", "test.bridge", "C:\\lib\\JBridge.dll", "bridge", "C:\\bridge-golden", 0};
const GoldenRun kRecordsRun = {"Records.tlb", "test.records", "C:\\lib\\JRecords.dll", "records", "C:\\records-golden", 0};
const GoldenRun kArraysRun = {"Arrays.tlb", "test.arrays", "C:\\lib\\JArrays.dll", "arrays", "C:\\arrays-golden", 1};

// Runs the job into `out` (with `clock` when given) and compares its bridge
// with the golden one.
void GenerateAndCompare(const GoldenRun& run, const std::string& out, std::function<time_t()> clock = {}) {
    fs::remove_all(out);
    GoldenJob job;
    if (clock) job.SetClock(std::move(clock));
    job.SetOptions(FixturePath(run.library).c_str(), out.c_str(), run.package, run.dll);
    job.SetDualInterfacePreference(run.dualInterfacePreference);
    ASSERT_TRUE(job.Generate()) << out;
    job.FinishJob(true);
    EXPECT_TRUE(job.messages.empty()) << out;
    CompareWithGolden(out.c_str(), fs::path(BRIVEL_GOLDEN) / run.golden, run.goldenOut);
}

}  // namespace

TEST_F(ComTest, GoldenBridgeOfTheFixtureLibrary) {
    const char* out = "C:\\bridge-golden";
    fs::remove_all(out);
    GoldenJob job;
    job.SetOptions(FixturePath("Bridge.tlb").c_str(), out, "test.bridge", "C:\\lib\\JBridge.dll");
    ASSERT_TRUE(job.Generate());
    job.FinishJob(true);
    EXPECT_TRUE(job.messages.empty());
    CompareWithGolden(out, fs::path(BRIVEL_GOLDEN) / "bridge");
    EXPECT_EQ(ThreadsOfThisProcess(), 1);
}

// The same with the job's options set: default constructors create with
// server-only options, remote constructors create through DCOM, the dual
// interface is called through its virtual table (the LPSTR method among the
// others), and every class gets its remote-client copy. The dual event
// interface's sink has a method per virtual-table slot.
TEST_F(ComTest, GoldenBridgeWithTheJobsOptions) {
    const char* out = "C:\\options-golden";
    fs::remove_all(out);
    GoldenJob job;
    job.SetOptions(FixturePath("Options.tlb").c_str(), out, "test.options", "C:\\lib\\JOptions.dll");
    job.SetServerOnlyCreation(true);
    job.SetDualInterfacePreference(1);
    job.SetRemoteConstructors(true);
    job.SetRemoteAccess(true);
    ASSERT_TRUE(job.Generate());
    job.FinishJob(true);
    EXPECT_TRUE(job.messages.empty());
    CompareWithGolden(out, fs::path(BRIVEL_GOLDEN) / "options");
    EXPECT_EQ(ThreadsOfThisProcess(), 1);
}

// SAFEARRAYs of every element type, by value and by reference, as results and
// in events: the dispatch interface through Invoke, the dual interface
// through its virtual table.
TEST_F(ComTest, GoldenBridgeOfArrays) {
    const char* out = "C:\\arrays-golden";
    fs::remove_all(out);
    GoldenJob job;
    job.SetOptions(FixturePath("Arrays.tlb").c_str(), out, "test.arrays", "C:\\lib\\JArrays.dll");
    job.SetDualInterfacePreference(1);
    ASSERT_TRUE(job.Generate());
    job.FinishJob(true);
    EXPECT_TRUE(job.messages.empty());
    CompareWithGolden(out, fs::path(BRIVEL_GOLDEN) / "arrays");
    EXPECT_EQ(ThreadsOfThisProcess(), 1);
}

// Records with and without an identifier, nested, with fixed-size arrays, by
// value, by reference, as results, in arrays and in events, through IDispatch
// and through the virtual table; a record whose field has no conversion.
TEST_F(ComTest, GoldenBridgeOfRecords) {
    const char* out = "C:\\records-golden";
    fs::remove_all(out);
    GoldenJob job;
    job.SetOptions(FixturePath("Records.tlb").c_str(), out, "test.records", "C:\\lib\\JRecords.dll");
    ASSERT_TRUE(job.Generate());
    job.FinishJob(true);
    EXPECT_TRUE(job.messages.empty());
    CompareWithGolden(out, fs::path(BRIVEL_GOLDEN) / "records");
    EXPECT_EQ(ThreadsOfThisProcess(), 1);
}

// Texts of the library that Java source cannot carry as they are: doc
// strings with Windows paths, class names javac refuses or that would hide
// java.lang's, parameters named like the remote-client copies' locals, a
// collection enumerator written in capitals.
TEST_F(ComTest, GoldenBridgeOfTexts) {
    const char* out = "C:\\texts-golden";
    fs::remove_all(out);
    GoldenJob job;
    job.SetOptions(FixturePath("Texts.tlb").c_str(), out, "test.texts", "C:\\lib\\JTexts.dll");
    job.SetRemoteAccess(true);
    ASSERT_TRUE(job.Generate());
    job.FinishJob(true);
    EXPECT_TRUE(job.messages.empty());
    CompareWithGolden(out, fs::path(BRIVEL_GOLDEN) / "texts");
    EXPECT_EQ(ThreadsOfThisProcess(), 1);
}

// Events of every shape through both sink forms (the dual event interface's
// virtual table and IDispatch), events without a Java method, and a
// callback interface, with the dual interfaces called through their
// virtual tables.
TEST_F(ComTest, GoldenBridgeOfEvents) {
    const char* out = "C:\\events-golden";
    fs::remove_all(out);
    GoldenJob job;
    job.SetOptions(FixturePath("VtableEvents.tlb").c_str(), out, "test.events", "C:\\lib\\JEvents.dll");
    job.SetDualInterfacePreference(1);
    job.AddCallbackInterface("ICallback");
    ASSERT_TRUE(job.Generate());
    job.FinishJob(true);
    EXPECT_TRUE(job.messages.empty());
    CompareWithGolden(out, fs::path(BRIVEL_GOLDEN) / "events");
    EXPECT_EQ(ThreadsOfThisProcess(), 1);
}

// Several jobs, one after the other in one process, as the wizard runs them:
// each bridge must equal its golden one, whatever the jobs before it did to
// the process (its files, handles and process-wide caches).
TEST_F(ComTest, GoldenBridgesOfSeveralJobsInOneProcess) {
    const GoldenRun runs[] = {kBridgeRun, kRecordsRun, kArraysRun, kBridgeRun};
    int number = 0;
    for (const GoldenRun& run : runs)
        GenerateAndCompare(run, "C:\\sequence-golden\\" + std::to_string(++number) + "-" + run.golden);
    EXPECT_EQ(ThreadsOfThisProcess(), 1);
}

// Two jobs interleaved in one process: the second runs whole while the first
// is writing its bridge (from the first's clock, which the head of its JNI
// file reads once its types are selected), in either order. Each bridge
// still equals its golden one: a job's output depends on its own inputs, not
// on what another job left in the process.
TEST_F(ComTest, GoldenBridgesOfInterleavedJobs) {
    const std::pair<GoldenRun, GoldenRun> orders[] = {{kRecordsRun, kBridgeRun}, {kBridgeRun, kRecordsRun}};
    int number = 0;
    for (const auto& [outer, inner] : orders) {
        std::string outerOut = "C:\\interleaved-golden\\" + std::to_string(++number) + "-" + outer.golden;
        std::string innerOut = "C:\\interleaved-golden\\" + std::to_string(++number) + "-" + inner.golden;
        bool innerRan = false;
        GenerateAndCompare(outer, outerOut, [&] {
            if (!innerRan) {
                innerRan = true;
                GenerateAndCompare(inner, innerOut);
            }
            return kGoldenTime;
        });
        EXPECT_TRUE(innerRan) << outerOut;
    }
    EXPECT_EQ(ThreadsOfThisProcess(), 1);
}
