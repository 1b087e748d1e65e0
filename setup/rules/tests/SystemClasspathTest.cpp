// The CLASSPATH value in the registry: read whole, its type kept, never
// clobbered, and the system value the installer and uninstaller change.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <initializer_list>
#include <random>
#include <vector>

#include "ShortPath.h"
#include "SystemClasspath.h"
#include "TempFolder.h"

using namespace brivel::setup;

namespace {

struct StoredValue {
    bool present = false;
    DWORD type = REG_NONE;
    std::vector<BYTE> bytes;
    std::string Text() const {
        std::string text(bytes.begin(), bytes.end());
        size_t end = text.find('\0');
        return end == std::string::npos ? text : text.substr(0, end);
    }
};

StoredValue ReadStored(HKEY root, const std::string& subKey) {
    StoredValue stored;
    HKEY key;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return stored;
    DWORD size = 0;
    if (RegQueryValueExA(key, kClasspathValueName, nullptr, &stored.type, nullptr, &size) == ERROR_SUCCESS) {
        stored.bytes.resize(size);
        stored.present = RegQueryValueExA(key, kClasspathValueName, nullptr, &stored.type, stored.bytes.data(), &size) ==
                         ERROR_SUCCESS;
        stored.bytes.resize(size);
    }
    RegCloseKey(key);
    return stored;
}

void WriteStored(HKEY root, const std::string& subKey, const StoredValue& stored) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    if (stored.present)
        RegSetValueExA(key, kClasspathValueName, 0, stored.type, stored.bytes.data(), static_cast<DWORD>(stored.bytes.size()));
    else
        RegDeleteValueA(key, kClasspathValueName);
    RegCloseKey(key);
}

StoredValue Text(DWORD type, const std::string& text) {
    StoredValue stored;
    stored.present = true;
    stored.type = type;
    stored.bytes.assign(text.begin(), text.end());
    stored.bytes.push_back(0);
    return stored;
}

std::string AppendX(const std::string& value) { return value.empty() ? "x.jar" : value + ";x.jar"; }

// A key of the test's own under HKEY_CURRENT_USER.
class ClasspathValue : public ::testing::Test {
protected:
    void SetUp() override {
        key_ = "Software\\Brivel Tests\\SetupClasspath" + std::to_string(std::random_device{}());
        WriteStored(HKEY_CURRENT_USER, key_, StoredValue());
    }
    void TearDown() override {
        RegDeleteKeyA(HKEY_CURRENT_USER, key_.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Brivel Tests");
    }
    bool Rewrite(const std::function<std::string(const std::string&)>& rewrite) {
        return RewriteClasspathValue(HKEY_CURRENT_USER, key_.c_str(), rewrite);
    }
    std::string key_;
};

}  // namespace

TEST_F(ClasspathValue, LongValueIsReadWholeAndKept) {
    std::string value;
    for (int i = 0; value.size() < 5000; ++i) value += "C:\\libraries\\library" + std::to_string(i) + ".jar;";
    value += "C:\\last.jar";
    WriteStored(HKEY_CURRENT_USER, key_, Text(REG_SZ, value));
    std::string seen;
    ASSERT_TRUE(Rewrite([&seen](const std::string& v) {
        seen = v;
        return AppendX(v);
    }));
    EXPECT_EQ(seen, value);
    EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, key_).Text(), value + ";x.jar");
}

TEST_F(ClasspathValue, TypeIsKeptAndAnAbsentValueIsCreatedAsText) {
    WriteStored(HKEY_CURRENT_USER, key_, Text(REG_EXPAND_SZ, "%JAVA_HOME%\\lib\\tools.jar"));
    ASSERT_TRUE(Rewrite(AppendX));
    StoredValue stored = ReadStored(HKEY_CURRENT_USER, key_);
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_EQ(stored.Text(), "%JAVA_HOME%\\lib\\tools.jar;x.jar");

    WriteStored(HKEY_CURRENT_USER, key_, StoredValue());
    ASSERT_TRUE(Rewrite(AppendX));
    stored = ReadStored(HKEY_CURRENT_USER, key_);
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
    // Written with its terminating zero.
    EXPECT_EQ(std::string(stored.bytes.begin(), stored.bytes.end()), std::string("x.jar", 6));
}

TEST_F(ClasspathValue, ValueThatIsNotTextIsNeverOverwritten) {
    StoredValue number;
    number.present = true;
    number.type = REG_DWORD;
    number.bytes = {1, 2, 3, 4};
    WriteStored(HKEY_CURRENT_USER, key_, number);
    EXPECT_FALSE(Rewrite(AppendX));
    StoredValue stored = ReadStored(HKEY_CURRENT_USER, key_);
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(stored.bytes, number.bytes);
}

TEST_F(ClasspathValue, MissingKeyFailsAndNothingIsCreated) {
    std::string missing = key_ + "\\Missing";
    EXPECT_FALSE(RewriteClasspathValue(HKEY_CURRENT_USER, missing.c_str(), AppendX));
    HKEY key;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, missing.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
}

TEST_F(ClasspathValue, ValueEmptiedIsDeletedAndAnUnchangedOneIsLeftAlone) {
    WriteStored(HKEY_CURRENT_USER, key_, Text(REG_SZ, "x.jar"));
    ASSERT_TRUE(Rewrite([](const std::string&) { return std::string(); }));
    EXPECT_FALSE(ReadStored(HKEY_CURRENT_USER, key_).present);
    // Nothing to take out of an absent value: it stays absent.
    ASSERT_TRUE(Rewrite([](const std::string& v) { return v; }));
    EXPECT_FALSE(ReadStored(HKEY_CURRENT_USER, key_).present);
    // A value without its terminating zero is read as it is.
    StoredValue bare = Text(REG_SZ, "a.jar");
    bare.bytes.pop_back();
    WriteStored(HKEY_CURRENT_USER, key_, bare);
    std::string seen;
    ASSERT_TRUE(Rewrite([&seen](const std::string& v) { return seen = v; }));
    EXPECT_EQ(seen, "a.jar");
}

// The system value itself, kept and put back around each test.
class SystemClasspath : public brivel::testing::TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        saved_ = ReadStored(HKEY_LOCAL_MACHINE, kSystemEnvironmentKey);
        folder_ = folder_ / "Brivel Kit Folder";
        std::filesystem::create_directories(folder_);
        brivel::testing::WriteFileBytes(Path("brivel18.jar"), "PK");
        brivel::testing::WriteFileBytes(Path("BrivelAdodbLib.jar"), "PK");
        installFolder_ = folder_.string();
    }
    void TearDown() override {
        WriteStored(HKEY_LOCAL_MACHINE, kSystemEnvironmentKey, saved_);
        TempFolderTest::TearDown();
    }
    std::string InKit(const std::string& name) const { return installFolder_ + "\\" + name; }
    StoredValue saved_;
    std::string installFolder_;
};

TEST_F(SystemClasspath, InstallerAddsTheKitAndTheUninstallerTakesItOutAgain) {
    const std::string before = "C:\\Old Kit\\brivel17.jar;C:\\lib\\user.jar;C:\\Old Kit\\brivelRemoteClient17.jar";
    WriteStored(HKEY_LOCAL_MACHINE, kSystemEnvironmentKey, Text(REG_EXPAND_SZ, before));
    InstallPackages packages;
    packages.jar = "BrivelAdodbLib.jar";

    ASSERT_TRUE(UpdateSystemClasspath(installFolder_, packages));
    std::string mainEntry = ShortPathOf(InKit("brivel18.jar"));
    std::string packageEntry = ShortPathOf(InKit("BrivelAdodbLib.jar"));
    std::string installed = mainEntry + ";C:\\lib\\user.jar;C:\\Old Kit\\brivelRemoteClient17.jar;" + packageEntry;
    StoredValue stored = ReadStored(HKEY_LOCAL_MACHINE, kSystemEnvironmentKey);
    EXPECT_EQ(stored.Text(), installed);
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_EXPAND_SZ));
    // No blank in a short path where the system has short names.
#ifdef _WIN32
    EXPECT_EQ(installed.find("Brivel Kit Folder"), std::string::npos) << installed;
#endif

    // A second installation changes nothing.
    ASSERT_TRUE(UpdateSystemClasspath(installFolder_, packages));
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kSystemEnvironmentKey).Text(), installed);

    ASSERT_TRUE(RemoveFromSystemClasspath(installFolder_));
    stored = ReadStored(HKEY_LOCAL_MACHINE, kSystemEnvironmentKey);
    EXPECT_EQ(stored.Text(), "C:\\lib\\user.jar;C:\\Old Kit\\brivelRemoteClient17.jar");
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_EXPAND_SZ));
}

TEST_F(SystemClasspath, AnOlderEditionsArchivesGiveWayToThePackage) {
    WriteStored(HKEY_LOCAL_MACHINE, kSystemEnvironmentKey, Text(REG_SZ, "C:\\Old\\JAdodb.jar;C:\\Old\\brivel.jar"));
    InstallPackages packages;
    packages.jar = "BrivelAdodbLib.jar";
    ASSERT_TRUE(UpdateSystemClasspath(installFolder_, packages));
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kSystemEnvironmentKey).Text(),
              ShortPathOf(InKit("brivel18.jar")) + ";" + ShortPathOf(InKit("BrivelAdodbLib.jar")));
}

namespace {

// The value as UTF-16 units: the platform keeps it so; the linux32 build's
// store keeps code-page text.
std::vector<wchar_t> ReadUnits(HKEY root, const char* subKey) {
    std::vector<wchar_t> units;
#ifdef _WIN32
    HKEY key;
    if (RegOpenKeyExA(root, subKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return units;
    units.resize(8192);
    DWORD size = static_cast<DWORD>(units.size() * sizeof(wchar_t));
    LONG rc = RegQueryValueExW(key, L"CLASSPATH", nullptr, nullptr, reinterpret_cast<BYTE*>(units.data()), &size);
    RegCloseKey(key);
    units.resize(rc == ERROR_SUCCESS ? size / sizeof(wchar_t) : 0);
#else
    std::string text = ReadStored(root, subKey).Text();
    units.resize(text.size());
    units.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                                         units.data(), static_cast<int>(units.size()))));
#endif
    while (!units.empty() && units.back() == 0) units.pop_back();
    return units;
}

void WriteUnits(HKEY root, const char* subKey, std::vector<wchar_t> units) {
    units.push_back(0);
#ifdef _WIN32
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(root, subKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    RegSetValueExW(key, L"CLASSPATH", 0, REG_SZ, reinterpret_cast<const BYTE*>(units.data()),
                   static_cast<DWORD>(units.size() * sizeof(wchar_t)));
    RegCloseKey(key);
#else
    std::string text(units.size(), '\0');
    text.resize(static_cast<size_t>(WideCharToMultiByte(CP_ACP, 0, units.data(), static_cast<int>(units.size()),
                                                        &text[0], static_cast<int>(text.size()), nullptr, nullptr)));
    WriteStored(root, subKey, Text(REG_SZ, text.c_str()));
#endif
}

#ifdef _WIN32
std::vector<wchar_t> Units(std::initializer_list<unsigned> units) { return std::vector<wchar_t>(units.begin(), units.end()); }
#endif

std::vector<wchar_t> UnitsOf(const std::string& ansi) {
    std::vector<wchar_t> units(ansi.size());
    units.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()),
                                                         units.data(), static_cast<int>(units.size()))));
    return units;
}

std::vector<wchar_t> Joined(std::vector<wchar_t> first, const std::vector<wchar_t>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

}  // namespace

// Other programs' entries may hold any character: the value is read, merged
// and written as the platform keeps it, so none comes back as "?". (The
// linux32 store holds code-page text: there only the code page's characters
// can be stored.) A value with a lone surrogate cannot be taken apart and
// put together again unchanged: it is never overwritten.
TEST_F(SystemClasspath, EntriesBeyondTheCodePageSurviveTheInstallerAndTheUninstallerAndBrokenTextStays) {
    std::vector<wchar_t> others = UnitsOf("C:\\caf\xE9\\y.jar;C:\\lib\\a.jar");
#ifdef _WIN32
    // Cyrillic, Japanese and a character beyond the basic plane.
    others = Joined(others, Units({';', 'C', ':', '\\', 0x411, 0x438, 0x431, 0x43B, '\\', 'l', '.', 'j', 'a', 'r', ';',
                                   'C', ':', '\\', 0x65E5, 0x672C, '\\', 'x', '.', 'j', 'a', 'r', ';', 'C', ':', '\\',
                                   0xD83D, 0xDE00, '\\', 'z', '.', 'j', 'a', 'r'}));
#endif
    WriteUnits(HKEY_LOCAL_MACHINE, kSystemEnvironmentKey, others);
    ASSERT_TRUE(UpdateSystemClasspath(installFolder_, InstallPackages()));
    EXPECT_TRUE(ReadUnits(HKEY_LOCAL_MACHINE, kSystemEnvironmentKey) ==
                Joined(others, UnitsOf(";" + ShortPathOf(InKit("brivel18.jar")))));
    ASSERT_TRUE(RemoveFromSystemClasspath(installFolder_));
    EXPECT_TRUE(ReadUnits(HKEY_LOCAL_MACHINE, kSystemEnvironmentKey) == others);

#ifdef _WIN32
    const std::vector<wchar_t> broken = Joined(UnitsOf("C:\\lib\\a.jar;C:\\"), Units({0xD800, '\\', 'b'}));
    WriteUnits(HKEY_LOCAL_MACHINE, kSystemEnvironmentKey, broken);
    EXPECT_FALSE(UpdateSystemClasspath(installFolder_, InstallPackages()));
    EXPECT_TRUE(ReadUnits(HKEY_LOCAL_MACHINE, kSystemEnvironmentKey) == broken);
    EXPECT_FALSE(RemoveFromSystemClasspath(installFolder_));
    EXPECT_TRUE(ReadUnits(HKEY_LOCAL_MACHINE, kSystemEnvironmentKey) == broken);
#endif
}
