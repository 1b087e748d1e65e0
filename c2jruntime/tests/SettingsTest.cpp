// The settings given before Java starts, and a start that fails on a
// configured path that does not exist (no VM is created in these tests).
#include "BrivelC2J18.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "JvmPlatformNames.h"
#include "TempFolder.h"

namespace {
std::string Ansi(BSTR text) {
    std::string out;
    if (!text) return "(null)";
    for (UINT i = 0; i < SysStringLen(text); ++i) out += static_cast<char>(text[i]);
    SysFreeString(text);
    return out;
}

// Owns a runtime message; each call's slot is handed out empty, since the
// runtime never frees what a slot held (the caller owns every message).
struct Message {
    char* text = nullptr;
    ~Message() { C2jFreeMem(text); }
    std::string str() const { return text ? text : "(null)"; }
    char** out() {
        C2jFreeMem(text);
        text = nullptr;
        return &text;
    }
};

struct Bstr {
    explicit Bstr(const char* ascii) {
        std::vector<OLECHAR> wide(ascii, ascii + std::strlen(ascii));  // no wide-character string functions
        value = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    }
    ~Bstr() { SysFreeString(value); }
    BSTR value;
};
}  // namespace

TEST(Settings, JvmPathIsSetOnceAndAnEmptyPathLeavesItUnset) {
    Message e;
    Bstr empty("");
    EXPECT_TRUE(C2jSetJvmPath(empty.value, e.out()));
    EXPECT_EQ(e.str(), "(null)");
    EXPECT_EQ(Ansi(C2jGetJvmPath()), "(null)");
    Bstr path("C:\\Java\\bin\\client");
    EXPECT_TRUE(C2jSetJvmPath(path.value, e.out()));
    EXPECT_EQ(Ansi(C2jGetJvmPath()), "C:\\Java\\bin\\client");
    Bstr other("D:\\other");
    EXPECT_FALSE(C2jSetJvmPath(other.value, e.out()));
    EXPECT_EQ(e.str(), "JVM path has already been set");
    EXPECT_EQ(Ansi(C2jGetJvmPath()), "C:\\Java\\bin\\client");
}

TEST(Settings, ExtraArgumentsAreSetOnce) {
    Message e;
    EXPECT_EQ(Ansi(C2jGetJvmArg()), "(null)");
    EXPECT_TRUE(C2jSetJvmArg(nullptr, e.out()));
    Bstr args("-Xmx64m \"-Da=b c\"");
    EXPECT_TRUE(C2jSetJvmArg(args.value, e.out()));
    EXPECT_EQ(Ansi(C2jGetJvmArg()), "-Xmx64m \"-Da=b c\"");
    EXPECT_FALSE(C2jSetJvmArg(args.value, e.out()));
    EXPECT_EQ(e.str(), "Extra arguments have already been set");
}

TEST(Settings, ClassPathMayBeSetAgainButNotNullOrEmpty) {
    SetEnvironmentVariableA("CLASSPATH", "from-environment");
    Message e;
    EXPECT_FALSE(C2jSetClasspath(nullptr, e.out()));
    EXPECT_EQ(e.str(), "Classpath cannot be NULL");
    EXPECT_EQ(Ansi(C2jGetClasspath()), "from-environment");
    Bstr first("a.jar;b.jar");
    EXPECT_TRUE(C2jSetClasspath(first.value, e.out()));
    EXPECT_EQ(e.str(), "(null)");
    EXPECT_EQ(Ansi(C2jGetClasspath()), "a.jar;b.jar");
    Bstr empty("");
    EXPECT_FALSE(C2jSetClasspath(empty.value, e.out()));
    EXPECT_EQ(e.str(), "Classpath cannot be empty");
    EXPECT_EQ(Ansi(C2jGetClasspath()), "from-environment");  // the class path was cleared
    SetEnvironmentVariableA("CLASSPATH", nullptr);
    EXPECT_EQ(Ansi(C2jGetClasspath()), "");
}

// Longer than the runtime's class-path buffer once was: kept whole.
TEST(Settings, ALongClassPathIsKeptWhole) {
    std::string path;
    while (path.size() < 20000) path += "folder" + std::to_string(path.size()) + ".jar;";
    Bstr cp(path.c_str());
    Message e;
    EXPECT_TRUE(C2jSetClasspath(cp.value, e.out()));
    EXPECT_EQ(Ansi(C2jGetClasspath()), path);
}

using FailedStart = brivel::testing::TempFolderTest;

TEST_F(FailedStart, AMissingConfiguredLibraryIsReportedWithTheSystemText) {
    std::string folder = Path("missing");
    Bstr path(folder.c_str());
    Message e;
    ASSERT_TRUE(C2jSetJvmPath(path.value, e.out()));
    EXPECT_FALSE(C2jInit(e.out()));
    std::string expected =
        "Error loading JVM \"" + folder + std::string(1, brivel::c2j::kPathSeparator) + brivel::c2j::kJvmLibraryName + "\": ";
    ASSERT_EQ(e.str().substr(0, expected.size()), expected) << e.str();
    EXPECT_GT(e.str().size(), expected.size() + 2);
    EXPECT_FALSE(C2jGetJavaLoaded());
    EXPECT_EQ(Ansi(C2jGetJvmPath()), folder);

    // Nothing falls back to a search, and the next use tries again alike.
    std::string first = e.str();
    EXPECT_FALSE(C2jInit(e.out()));
    EXPECT_EQ(e.str(), first);
    long env = C2jGetJenv(e.out());
    EXPECT_EQ(env, 0);
    EXPECT_EQ(e.str(), first);
}

TEST(CallsWithoutJava, NonStaticCallWithoutObjectFailsBeforeStartingJava) {
    Message e;
    EXPECT_EQ(C2jCallInt(false, 0, 1, 1, e.out()), 0);
    EXPECT_EQ(e.str(),
              "Java Object has not been Constructed.  Call one of the \"Construct\" methods first, for non-static calls");
    EXPECT_FALSE(C2jGetJavaLoaded());
    C2jDeleteObject(0, e.out());
    EXPECT_TRUE(C2jClassAssignable(nullptr, "java.lang.String"));
    char* taken = C2jCtorError(&e.text);  // the slot is emptied, the caller owns the text
    EXPECT_EQ(e.text, nullptr);
    C2jFreeMem(taken);
    EXPECT_EQ(C2jCtorError(nullptr), nullptr);
}
