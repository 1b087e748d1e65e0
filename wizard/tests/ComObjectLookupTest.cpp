// What the COM object page looks up in the prefix's registry under Wine:
// the registered type libraries (hexadecimal versions, version 0), the
// file behind a ProgID (a LocalServer32 command line with quotes and a
// switch), and the output folder on a drive that does not exist.
#include <gtest/gtest.h>
#include <objbase.h>
#include <windows.h>

#include <string>
#include <vector>

#include "ComObjectLookup.h"
#include "OutputFolderRules.h"
#include "TempFolder.h"

namespace {

std::string GuidText(const GUID& id) {
    OLECHAR wide[64];
    StringFromGUID2(id, wide, 64);
    char text[64];
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

GUID NewGuid() {
    GUID id;
    CoCreateGuid(&id);
    return id;
}

void SetDefault(const std::string& key, const std::string& value) {
    HKEY handle;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr),
              ERROR_SUCCESS)
        << key;
    RegSetValueExA(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
}

void DeleteTree(HKEY parent, const std::string& name) {
    HKEY key;
    if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    char child[256];
    DWORD length = sizeof child;
    while (RegEnumKeyExA(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
        DeleteTree(key, child);
        length = sizeof child;
    }
    RegCloseKey(key);
    RegDeleteKeyA(parent, name.c_str());
}

bool Copy(const std::string& from, const std::string& to) { return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0; }

std::string FixtureLibrary() {
    std::string path = std::string(BRIVEL_FIXTURES) + "/Bridge.tlb";
    for (char& c : path)
        if (c == '/') c = '\\';
    return "Z:" + path;
}

// Keys made under HKEY_CLASSES_ROOT, removed again at the end.
class ComObjectLookup : public brivel::testing::TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        CoInitialize(nullptr);
    }
    void TearDown() override {
        for (const std::string& key : keys_) DeleteTree(HKEY_CLASSES_ROOT, key);
        CoUninitialize();
        TempFolderTest::TearDown();
    }
    void RegisterLibrary(const GUID& id, const char* version, const std::string& path) {
        std::string key = "TypeLib\\" + GuidText(id);
        keys_.push_back(key);
        SetDefault(key + "\\" + version, "fixture");
        SetDefault(key + "\\" + version + "\\0\\win32", path);
    }
    std::vector<std::string> keys_;
};

const RegisteredTypeLibrary* WithPath(const std::vector<RegisteredTypeLibrary>& list, const std::string& path) {
    for (const RegisteredTypeLibrary& library : list)
        if (lstrcmpiA(library.path, path.c_str()) == 0) return &library;
    return nullptr;
}

}  // namespace

TEST_F(ComObjectLookup, RegisteredLibrariesAreFoundByTheirHighestHexadecimalVersionAndVersionZeroCounts) {
    std::string nine = Path("nine.tlb"), ten = Path("ten lib.tlb"), zero = Path("zero.tlb");
    ASSERT_TRUE(Copy(FixtureLibrary(), nine));
    ASSERT_TRUE(Copy(FixtureLibrary(), ten));
    ASSERT_TRUE(Copy(FixtureLibrary(), zero));
    GUID versioned = NewGuid(), unversioned = NewGuid();
    RegisterLibrary(versioned, "9.0", nine);
    RegisterLibrary(versioned, "a.0", ten);  // 10.0: above 9
    RegisterLibrary(unversioned, "0.1", zero);

    std::vector<RegisteredTypeLibrary> libraries;
    ASSERT_TRUE(FindRegisteredTypeLibraries(libraries));
    const RegisteredTypeLibrary* found = WithPath(libraries, ten);
    ASSERT_NE(found, nullptr) << "version a.0 not listed";
    EXPECT_EQ(found->description.str(), "Bridge test library (BridgeLib)");
    EXPECT_EQ(WithPath(libraries, nine), nullptr) << "an older version listed";
    EXPECT_NE(WithPath(libraries, zero), nullptr) << "version 0.1 not listed";
}

TEST_F(ComObjectLookup, AProgIdFindsItsServerFileAlsoFromALocalServerCommandLine) {
    std::string program = Path("app server.exe");
    brivel::testing::WriteFileBytes(program, "MZ");
    std::string progId = "Brivel.PagesTest." + std::to_string(GetCurrentProcessId());
    std::string clsid = GuidText(NewGuid());
    keys_.push_back(progId);
    keys_.push_back("CLSID\\" + clsid);
    SetDefault(progId + "\\CLSID", clsid);
    SetDefault("CLSID\\" + clsid + "\\LocalServer32", "\"" + program + "\" /automation");

    CString path;
    ASSERT_EQ(LocateProgId(progId.c_str(), path), ProgIdLookup::Found);
    EXPECT_EQ(lstrcmpiA(path, program.c_str()), 0) << path.str();

    // Unquoted with a switch, and an in-process server before it.
    SetDefault("CLSID\\" + clsid + "\\LocalServer32", program + " -Embedding");
    ASSERT_EQ(LocateProgId(progId.c_str(), path), ProgIdLookup::Found);
    EXPECT_EQ(lstrcmpiA(path, program.c_str()), 0) << path.str();
    std::string dll = Path("inproc.dll");
    brivel::testing::WriteFileBytes(dll, "MZ");
    SetDefault("CLSID\\" + clsid + "\\InprocServer32", dll);
    ASSERT_EQ(LocateProgId(progId.c_str(), path), ProgIdLookup::Found);
    EXPECT_EQ(lstrcmpiA(path, dll.c_str()), 0) << path.str();
}

TEST_F(ComObjectLookup, AnUnknownProgIdAClassWithoutKeyAndAClassWithoutServerAreTold) {
    CString path = "kept";
    EXPECT_EQ(LocateProgId("Brivel.NoSuchProgId.4711", path), ProgIdLookup::UnknownProgId);

    std::string progId = "Brivel.PagesTestNoKey." + std::to_string(GetCurrentProcessId());
    std::string clsid = GuidText(NewGuid());
    keys_.push_back(progId);
    SetDefault(progId + "\\CLSID", clsid);
    EXPECT_EQ(LocateProgId(progId.c_str(), path), ProgIdLookup::RegistryFailed);

    keys_.push_back("CLSID\\" + clsid);
    SetDefault("CLSID\\" + clsid, "no server");
    SetDefault("CLSID\\" + clsid + "\\ProgID", progId);
    EXPECT_EQ(LocateProgId(progId.c_str(), path), ProgIdLookup::NoFile);
    EXPECT_EQ(path.str(), "kept");
}

namespace {

class RecordingPrompts : public IFolderPrompts {
public:
    bool AskQuestion(const char* text) override {
        said.push_back(std::string("? ") + text);
        return true;
    }
    void ShowError(const char* text) override { said.push_back(std::string("! ") + text); }
    std::vector<std::string> said;
};

}  // namespace

TEST(OutputFolderDrive, AFolderOnAMissingDriveIsTriedOnceInsteadOfWithoutEnd) {
    char drive = 0;
    for (char letter = 'Q'; letter <= 'Y' && !drive; ++letter) {
        char root[] = {letter, ':', '\\', '\0'};
        if (GetDriveTypeA(root) == DRIVE_NO_ROOT_DIR) drive = letter;
    }
    ASSERT_NE(drive, 0) << "every drive letter from Q to Y is taken";
    std::string path = std::string(1, drive) + ":\\out";
    RecordingPrompts prompts;
    EXPECT_FALSE(CheckFolder(path.c_str(), true, prompts));
    EXPECT_EQ(prompts.said, (std::vector<std::string>{"? " + path + " does not exist, create?",
                                                      "! " + std::string(1, drive) + ":\\: Failed to create directory"}));
}
