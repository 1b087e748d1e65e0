// The Java-home probe and the folder search with stand-in launchers and VM
// libraries (no real VM): both builds, so under Wine with the platform's own
// processes, temporary files and folder listing.
#include "BrivelC2J18.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "StubRuntime.h"

using brivel::c2j::testing::StubJavaHome;
using brivel::testing::ReadFileBytes;

namespace {
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string TakeMessage(char*& text) {
    std::string out = text ? text : "(null)";
    C2jFreeMem(text);
    text = nullptr;
    return out;
}
}  // namespace

using Search = StubJavaHome;

TEST_F(Search, TheProbeRunsTheLauncherOnTheTemporaryFolderAndCleansUp) {
    char* e = nullptr;
    EXPECT_FALSE(C2jInit(&e));
    std::string home = Path("home");
    EXPECT_EQ(TakeMessage(e), "Could not locate JVM.DLL under \"" + home + "\"");  // the CR LF is not part of it
    // The folder in quotes without its trailing separator; the probe class there.
    EXPECT_EQ(ReadFileBytes(Path("java.log")), "[-classpath][" + Path("tmp") + "][PrintJavaHome] class 497\n");
    EXPECT_EQ(TemporaryEntries(), 0u);
    EXPECT_FALSE(C2jGetJavaLoaded());
}

// A library whose VM creation fails does not end the search, the next
// candidates are tried with their own paths, and the creation failure is
// what is reported at the end.
TEST_F(Search, AFailedCreationLetsTheSearchGoOnAndIsReported) {
    PlaceStubLibrary("client");
    PlaceStubLibrary("other");
    std::string args;
    for (int i = 0; i < 50; ++i) args += " -Dn" + std::to_string(i) + "=" + std::to_string(i);
    std::vector<OLECHAR> wide(args.begin(), args.end());
    BSTR extra = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    char* e = nullptr;
    ASSERT_TRUE(C2jSetJvmArg(extra, &e));
    SysFreeString(extra);

    EXPECT_FALSE(C2jInit(&e));
    EXPECT_EQ(TakeMessage(e), "Java VM Creation failed");
    std::vector<std::string> log = Lines(ReadFileBytes(Path("jvm.log")));
    // client first; then every folder of the listing: client again and other.
    size_t attempts = 0;
    for (const std::string& line : log) attempts += line == "end";
    EXPECT_EQ(attempts, 3u);
    ASSERT_GE(log.size(), 41u);
    EXPECT_EQ(log[0], "version 10002 ignore 1");
    EXPECT_EQ(log[1], "-Djava.class.path=from-environment");
    EXPECT_EQ(log[2], "-Dn0=0");
    EXPECT_EQ(log[39], "-Dn37=37");  // 39 options in all
    EXPECT_EQ(log[40], "end");
    EXPECT_EQ(TemporaryEntries(), 0u);
}

TEST_F(Search, AConfiguredLibraryThatCannotCreateAVmIsNotSearchedPast) {
    PlaceStubLibrary("client");
    std::string folder = (LibraryFolder() / "client").string();
    std::vector<OLECHAR> wide(folder.begin(), folder.end());
    BSTR path = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    char* e = nullptr;
    ASSERT_TRUE(C2jSetJvmPath(path, &e));
    SysFreeString(path);
    EXPECT_FALSE(C2jInit(&e));
    EXPECT_EQ(TakeMessage(e), "Java VM Creation failed");
    EXPECT_EQ(ReadFileBytes(Path("java.log")), "");  // no probe
}

TEST_F(Search, WithoutALauncherJavaCannotRun) {
    SetEnvironmentVariableA("PATH", Path("nothing-here").c_str());
    char* e = nullptr;
    EXPECT_FALSE(C2jInit(&e));
    EXPECT_EQ(TakeMessage(e), "Unable to run Java");
    EXPECT_EQ(TemporaryEntries(), 0u);
}

// A class lookup that fails without a Java exception is a failure all the
// same: a message, and no handle.
TEST_F(Search, AClassTheVmDoesNotFindWithoutAnExceptionIsReported) {
    PlaceStubLibrary("client");
    SetEnvironmentVariableA("BRIVEL_STUB_JVM_FAKE", "1");
    char* e = nullptr;
    ASSERT_TRUE(C2jInit(&e)) << TakeMessage(e);
    int cls = 0;
    C2jLoadClass(&cls, "brivel/Nowhere", &e, nullptr);
    EXPECT_EQ(cls, 0);
    EXPECT_EQ(TakeMessage(e), "Class brivel/Nowhere not found (CLASSPATH problem?)");
    SetEnvironmentVariableA("BRIVEL_STUB_JVM_FAKE", nullptr);
}

// After the runtime unloaded, starting Java again is tried once: when that
// fails (a VM library that creates no second VM in the process), every
// later call answers with that failure at once, without running the probe
// or loading the library again. A failed first start is tried again.
TEST_F(Search, AFailedStartAfterUnloadingIsNotTriedAgain) {
    PlaceStubLibrary("client");
    char* e = nullptr;
    EXPECT_FALSE(C2jInit(&e));
    EXPECT_EQ(TakeMessage(e), "Java VM Creation failed");
    SetEnvironmentVariableA("BRIVEL_STUB_JVM_FAKE", "1");
    ASSERT_TRUE(C2jInit(&e)) << TakeMessage(e);
    SetEnvironmentVariableA("BRIVEL_STUB_JVM_FAKE", nullptr);  // no second VM from now on
    C2jUnload();
    size_t launches = Lines(ReadFileBytes(Path("java.log"))).size();
    std::string log = ReadFileBytes(Path("jvm.log"));
    EXPECT_EQ(launches, 2u);

    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(C2jGetJenv(&e), 0) << i;
        EXPECT_EQ(TakeMessage(e), "Java VM Creation failed") << i;
        EXPECT_FALSE(C2jInit(&e)) << i;
        EXPECT_EQ(TakeMessage(e), "Java VM Creation failed") << i;
    }
    EXPECT_EQ(Lines(ReadFileBytes(Path("java.log"))).size(), launches + 1);
    std::string tried = ReadFileBytes(Path("jvm.log")).substr(log.size());
    size_t attempts = 0;
    for (const std::string& line : Lines(tried)) attempts += line == "end";
    EXPECT_EQ(attempts, 2u);  // client, then client again in the listing
    EXPECT_FALSE(C2jGetJavaLoaded());
}
