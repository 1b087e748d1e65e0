// The JAR added to a CLASSPATH value in the registry (a scratch key of the
// test in the prefix, of the shape of the system environment's): the value
// is read whole, keeps its entries and its type, and is never overwritten
// when it cannot be read as text.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "MachineClasspath.h"
#include "TempFolder.h"

namespace {

class MachineClasspath : public brivel::testing::TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        key_ = "Software\\Orvanth Software\\BrivelTests\\Environment-" + std::to_string(GetCurrentProcessId());
        RegCreateKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle_, nullptr);
        std::filesystem::create_directories(folder_ / "Bridge Output");
        jar_ = Path("Bridge Output\\JCalc.jar");
        brivel::testing::WriteFileBytes(jar_, "PK");
        char shortPath[MAX_PATH] = "";
        GetShortPathNameA(jar_.c_str(), shortPath, sizeof shortPath);
        shortJar_ = shortPath;
    }
    void TearDown() override {
        if (handle_) {
            RegDeleteValueA(handle_, "CLASSPATH");
            RegCloseKey(handle_);
            RegDeleteKeyA(HKEY_CURRENT_USER, key_.c_str());
        }
        TempFolderTest::TearDown();
    }

    void Store(DWORD type, const std::string& value) {
        RegSetValueExA(handle_, "CLASSPATH", 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
    }
    // The value's type and text ("(none)" when absent).
    std::string Stored(DWORD& type) const {
        DWORD size = 0;
        if (RegQueryValueExA(handle_, "CLASSPATH", nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return "(none)";
        std::vector<char> bytes(size + 1, '\0');
        RegQueryValueExA(handle_, "CLASSPATH", nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size);
        return bytes.data();
    }
    ClasspathUpdate Add() { return AddJarToClasspath(HKEY_CURRENT_USER, key_.c_str(), jar_.c_str()); }

    std::string key_, jar_, shortJar_;
    HKEY handle_ = nullptr;
};

}  // namespace

TEST_F(MachineClasspath, AnAbsentValueIsCreatedWithTheJarsShortPath) {
    ASSERT_NE(shortJar_, "");
    EXPECT_EQ(shortJar_.find(' '), std::string::npos) << shortJar_;
    EXPECT_EQ(Add(), ClasspathUpdate::Added);
    DWORD type = 0;
    EXPECT_EQ(Stored(type), ";" + shortJar_);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
}

TEST_F(MachineClasspath, ALongExpandableValueIsKeptWholeWithItsType) {
    std::string value;
    for (int i = 0; value.size() < 6000; ++i) value += "C:\\libraries\\library" + std::to_string(i) + ".jar;";
    value += "%JAVA_HOME%\\lib\\tools.jar";
    Store(REG_EXPAND_SZ, value);
    EXPECT_EQ(Add(), ClasspathUpdate::Added);
    DWORD type = 0;
    EXPECT_EQ(Stored(type), value + ";" + shortJar_);
    EXPECT_EQ(type, static_cast<DWORD>(REG_EXPAND_SZ));
}

TEST_F(MachineClasspath, AValueThatNamesTheJarInAnyFormIsLeftAsItIs) {
    std::string upper = jar_;
    for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    for (const std::string& value : {".;" + upper + ";C:\\lib", shortJar_, "C:\\lib;" + jar_ + ";"}) {
        Store(REG_SZ, value);
        EXPECT_EQ(Add(), ClasspathUpdate::AlreadyThere) << value;
        DWORD type = 0;
        EXPECT_EQ(Stored(type), value);
    }
}

TEST_F(MachineClasspath, AValueThatIsNotTextOrAMissingKeyIsNeverWritten) {
    const std::string binary = "\x01\x02\x03";
    RegSetValueExA(handle_, "CLASSPATH", 0, REG_BINARY, reinterpret_cast<const BYTE*>(binary.data()), 3);
    EXPECT_EQ(Add(), ClasspathUpdate::Failed);
    DWORD type = 0;
    Stored(type);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(AddJarToClasspath(HKEY_CURRENT_USER, (key_ + "\\missing").c_str(), jar_.c_str()), ClasspathUpdate::Failed);
}
