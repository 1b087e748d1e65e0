// The VM host's search for a Java runtime: JAVA_HOME, its "jre" folder and
// the launcher's probe, then the VM library below the home. Stand-in
// launchers and VM libraries only (no VM), so both builds; under Wine with
// the platform's own processes, files and folder listing.
#include "JavaVmHost.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "StubRuntime.h"

using brivel::c2j::kJvmLibraryName;
using brivel::c2j::kPathSeparator;
using brivel::testing::ReadFileBytes;

namespace {

class HostSearch : public brivel::c2j::testing::StubJavaHome {
protected:
    void SetUp() override {
        StubJavaHome::SetUp();
        SetEnvironmentVariableA("JAVA_HOME", nullptr);
    }

    // An empty file where a VM library is looked for: only its presence counts.
    void PlaceEmptyLibrary(const std::filesystem::path& home, const std::string& sub) {
        std::filesystem::path folder = home / std::string(brivel::c2j::kJvmLibraryFolder).substr(0, 3) / sub;
        std::filesystem::create_directories(folder);
        std::ofstream(folder / kJvmLibraryName).put('x');
    }

    // A PE image header for the machine type.
    void WritePeImage(const std::filesystem::path& file, unsigned machine) {
        std::string bytes(0x90, '\0');
        bytes[0] = 'M';
        bytes[1] = 'Z';
        bytes[60] = 0x80;
        bytes.replace(0x80, 4, std::string("PE\0\0", 4));
        bytes[0x84] = static_cast<char>(machine & 0xFF);
        bytes[0x85] = static_cast<char>(machine >> 8);
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
    }

    bool ProbeRan() const { return std::filesystem::exists(folder_ / "java.log"); }

    CJavaVmHost host;
    CString error;
};

TEST_F(HostSearch, JavaHomeWithALibraryBelowItIsTakenWithoutTheProbe) {
    PlaceEmptyLibrary(folder_ / "jdk", "server");
    SetEnvironmentVariableA("JAVA_HOME", Path("jdk").c_str());
    ASSERT_TRUE(host.FindJavaHome(error)) << error.c_str();
    EXPECT_EQ(host.GetJavaHome().str(), Path("jdk") + kPathSeparator);
    EXPECT_FALSE(ProbeRan());
}

TEST_F(HostSearch, AJdkGivesItsOwnRuntimeFolder) {
    PlaceEmptyLibrary(folder_ / "jdk" / "jre", "client");
    SetEnvironmentVariableA("JAVA_HOME", (Path("jdk") + kPathSeparator).c_str());
    ASSERT_TRUE(host.FindJavaHome(error)) << error.c_str();
    EXPECT_EQ(host.GetJavaHome().str(), (folder_ / "jdk" / "jre").string() + kPathSeparator);
    EXPECT_FALSE(ProbeRan());
}

// Neither the folder nor its "jre" holds a library (a folder of the library's
// name does not count): the probe decides.
TEST_F(HostSearch, AJavaHomeWithoutALibraryFallsBackToTheProbe) {
    std::filesystem::create_directories(folder_ / "jdk" / std::string(brivel::c2j::kJvmLibraryFolder).substr(0, 3) /
                                        "server" / kJvmLibraryName);
    SetEnvironmentVariableA("JAVA_HOME", Path("jdk").c_str());
    ASSERT_TRUE(host.FindJavaHome(error)) << error.c_str();
    EXPECT_EQ(host.GetJavaHome().str(), Path("home"));
    EXPECT_TRUE(ProbeRan());
    EXPECT_EQ(TemporaryEntries(), 0u);
}

// A JAVA_HOME far longer than a path buffer is no danger.
TEST_F(HostSearch, AnOverlongJavaHomeFallsBackToTheProbe) {
    SetEnvironmentVariableA("JAVA_HOME", std::string(3000, 'j').c_str());
    ASSERT_TRUE(host.FindJavaHome(error)) << error.c_str();
    EXPECT_EQ(host.GetJavaHome().str(), Path("home"));
}

TEST_F(HostSearch, NoJavaAnywhereIsReportedAndNothingStarts) {
    SetEnvironmentVariableA("PATH", Path("tmp").c_str());
    EXPECT_FALSE(host.Start("", error));
    EXPECT_STREQ(error.c_str(), "Unable to run Java");
    EXPECT_FALSE(host.IsStarted());
}

TEST_F(HostSearch, AHomeWithoutAVmLibraryIsReported) {
    EXPECT_FALSE(host.Start("a.jar", error));
    EXPECT_EQ(error.str(), "Could not locate JVM.DLL under \"" + Path("home") + "\"");
    EXPECT_FALSE(host.IsStarted());
}

// The VM is created with the class path as its one option and nothing else;
// an empty class path gives no option at all. A creation failure is the
// message even though the search goes on through the other folders.
TEST_F(HostSearch, TheVmIsCreatedWithTheClassPathOnlyAndItsFailureReported) {
    PlaceStubLibrary("client");
    EXPECT_FALSE(host.Start("one.jar", error));
    EXPECT_STREQ(error.c_str(), "Java VM Creation failed");
    std::string log = ReadFileBytes(Path("jvm.log"));
    EXPECT_EQ(log.substr(0, log.find("end\n") + 4), "version 10002 ignore 0\n-Djava.class.path=one.jar\nend\n");

    std::filesystem::remove(Path("jvm.log"));
    CJavaVmHost second;
    EXPECT_FALSE(second.Start("", error));
    log = ReadFileBytes(Path("jvm.log"));
    EXPECT_EQ(log.substr(0, log.find("end\n") + 4), "version 10002 ignore 0\nend\n");
}

// A VM library whose VM cannot be created is of no use: it is unloaded.
TEST_F(HostSearch, ALibraryWhoseVmCannotBeCreatedIsUnloaded) {
    PlaceStubLibrary("client");
    EXPECT_FALSE(host.Start("", error));
    EXPECT_STREQ(error.c_str(), "Java VM Creation failed");
    EXPECT_NE(ReadFileBytes(Path("jvm.log")), "");  // it was loaded and asked
    EXPECT_EQ(GetModuleHandleA(kJvmLibraryName), nullptr);
}

TEST_F(HostSearch, ALibraryForAnotherProcessorStopsWithItsMessage) {
    WritePeImage(LibraryFolder() / "client" / kJvmLibraryName, 0x8664);
    EXPECT_FALSE(host.Start("", error));
    EXPECT_STREQ(error.c_str(), "Java VM is 64-bit, cannot be loaded into a 32-bit process");
    EXPECT_FALSE(host.IsStarted());
}

TEST_F(HostSearch, OnlyImagesOfAnotherProcessorAreForeign) {
    WritePeImage(folder_ / "x64.dll", 0x8664);
    WritePeImage(folder_ / "x86.dll", 0x14C);
    std::ofstream(folder_ / "text.dll") << "MZ but nothing else";
    std::string elf(64, '\0');
    elf.replace(0, 4, "\x7f" "ELF");
    elf[4] = 2;
    elf[18] = 62;  // x86-64
    std::ofstream(folder_ / "elf64.so", std::ios::binary) << elf;
    elf[4] = 1;
    elf[18] = 3;  // i386
    std::ofstream(folder_ / "elf32.so", std::ios::binary) << elf;
    EXPECT_TRUE(brivel::IsOtherProcessorLibrary(Path("x64.dll").c_str()));
    EXPECT_TRUE(brivel::IsOtherProcessorLibrary(Path("elf64.so").c_str()));
    EXPECT_FALSE(brivel::IsOtherProcessorLibrary(Path("x86.dll").c_str()));
    EXPECT_FALSE(brivel::IsOtherProcessorLibrary(Path("elf32.so").c_str()));
    EXPECT_FALSE(brivel::IsOtherProcessorLibrary(Path("text.dll").c_str()));
    EXPECT_FALSE(brivel::IsOtherProcessorLibrary(Path("missing.dll").c_str()));
}

// Before a VM runs nothing can be looked at: no class, no visual component,
// and a cast that cannot be checked is allowed.
TEST_F(HostSearch, WithoutAVmNothingIsClaimed) {
    EXPECT_EQ(host.LoadClass("a.B", false, error), nullptr);
    EXPECT_STREQ(error.c_str(), "Class a.B not found (CLASSPATH problem?)");
    EXPECT_FALSE(host.IsVisualComponent("java.awt.Canvas"));
    CJavaClassSpec a, b;
    EXPECT_TRUE(host.IsAssignableFrom(&a, &b));
    std::string missing = Path("missing.jar");
    std::vector<CString> names;
    EXPECT_FALSE(host.ListJarClasses(missing.c_str(), names, error));
    EXPECT_EQ(error.str(), "Could not open file " + missing);
}

}  // namespace
