// Registry keys and values, against the platform's registry and our own
// store. Each test works under its own key and removes it again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OleText.h"

namespace {
// Deletes a key and everything below it.
void DeleteTree(HKEY root, const std::string& path) {
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    std::vector<std::string> children;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD size = sizeof name;
        if (RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        children.push_back(name);
    }
    RegCloseKey(key);
    for (const std::string& child : children) DeleteTree(root, path + "\\" + child);
    RegDeleteKeyA(root, path.c_str());
}

class Registry : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = std::string("Software\\BrivelConformance\\") +
                ::testing::UnitTest::GetInstance()->current_test_info()->name();
        DeleteTree(HKEY_CURRENT_USER, path_);
        DWORD disposition = 0;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                                  &disposition),
                  ERROR_SUCCESS);
        EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    }
    void TearDown() override {
        RegCloseKey(key_);
        DeleteTree(HKEY_CURRENT_USER, path_);
    }
    std::string path_;
    HKEY key_ = nullptr;
};
}  // namespace

TEST_F(Registry, ValuesKeepTheirTypeSizeAndBytes) {
    ASSERT_EQ(RegSetValueExA(key_, "Text", 0, REG_SZ, reinterpret_cast<const BYTE*>("caf\xE9"), 5), ERROR_SUCCESS);
    DWORD number = 0x12345678;
    ASSERT_EQ(RegSetValueExA(key_, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4), ERROR_SUCCESS);
    const BYTE bytes[3] = {0, 0xFF, 7};
    ASSERT_EQ(RegSetValueExA(key_, "Bytes", 0, REG_BINARY, bytes, 3), ERROR_SUCCESS);

    DWORD type = 0, size = 0;
    ASSERT_EQ(RegQueryValueExA(key_, "text", nullptr, &type, nullptr, &size), ERROR_SUCCESS);  // size only
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 5u);
    char text[8] = "";
    size = sizeof text;
    ASSERT_EQ(RegQueryValueExA(key_, "Text", nullptr, &type, reinterpret_cast<BYTE*>(text), &size), ERROR_SUCCESS);
    EXPECT_STREQ(text, "caf\xE9");

    DWORD readNumber = 0;
    size = sizeof readNumber;
    ASSERT_EQ(RegQueryValueExA(key_, "NUMBER", nullptr, &type, reinterpret_cast<BYTE*>(&readNumber), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(readNumber, number);

    BYTE readBytes[3] = {};
    size = sizeof readBytes;
    ASSERT_EQ(RegQueryValueExA(key_, "Bytes", nullptr, &type, readBytes, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(readBytes[1], 0xFF);
}

TEST_F(Registry, ShortBuffersAndMissingValuesAreReported) {
    ASSERT_EQ(RegSetValueExA(key_, "Text", 0, REG_SZ, reinterpret_cast<const BYTE*>("0123456789"), 11),
              ERROR_SUCCESS);
    char small[4];
    DWORD size = sizeof small;
    EXPECT_EQ(RegQueryValueExA(key_, "Text", nullptr, nullptr, reinterpret_cast<BYTE*>(small), &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(size, 11u);
    size = sizeof small;
    EXPECT_EQ(RegQueryValueExA(key_, "Absent", nullptr, nullptr, reinterpret_cast<BYTE*>(small), &size),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteValueA(key_, "Text"), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueExA(key_, "Text", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
}

TEST_F(Registry, DefaultValuesThroughEveryForm) {
    ASSERT_EQ(RegSetValueExA(key_, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>("first"), 6), ERROR_SUCCESS);
    char text[16];
    DWORD size = sizeof text;
    ASSERT_EQ(RegQueryValueExA(key_, "", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size), ERROR_SUCCESS);
    EXPECT_STREQ(text, "first");

    ASSERT_EQ(RegSetValueA(key_, "Child", REG_SZ, "second", 6), ERROR_SUCCESS);
    LONG length = sizeof text;
    ASSERT_EQ(RegQueryValueA(key_, "Child", text, &length), ERROR_SUCCESS);
    EXPECT_STREQ(text, "second");
    EXPECT_EQ(length, 7);

    HKEY empty;
    ASSERT_EQ(RegCreateKeyA(key_, "Empty", &empty), ERROR_SUCCESS);
    RegCloseKey(empty);
    length = sizeof text;
    ASSERT_EQ(RegQueryValueA(key_, "Empty", text, &length), ERROR_SUCCESS);  // no default value: empty text
    EXPECT_STREQ(text, "");
}

TEST_F(Registry, KeysOpenWithoutRegardToCaseAndMissingOnesAreNotFound) {
    HKEY child;
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyExA(key_, "Deep\\Er", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &child, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    RegCloseKey(child);
    ASSERT_EQ(RegCreateKeyExA(key_, "deep\\er", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &child, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
    RegCloseKey(child);
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, (path_ + "\\DEEP\\ER").c_str(), 0, KEY_READ, &child), ERROR_SUCCESS);
    RegCloseKey(child);
    EXPECT_EQ(RegOpenKeyExA(key_, "Deep\\Missing", 0, KEY_READ, &child), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegOpenKeyA(key_, "Missing", &child), ERROR_FILE_NOT_FOUND);
}

TEST_F(Registry, SubKeysAreEnumeratedInNameOrder) {
    for (const char* name : {"beta", "Alpha", "gamma"}) {
        HKEY child;
        ASSERT_EQ(RegCreateKeyA(key_, name, &child), ERROR_SUCCESS);
        RegCloseKey(child);
    }
    std::vector<std::string> names;
    char name[32];
    DWORD index = 0;
    for (;; ++index) {
        DWORD size = sizeof name;
        LONG rc = RegEnumKeyExA(key_, index, name, &size, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_NO_MORE_ITEMS) break;
        ASSERT_EQ(rc, ERROR_SUCCESS);
        EXPECT_EQ(size, std::string(name).size());
        names.push_back(name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "beta", "gamma"}));
    DWORD size = 3;
    EXPECT_EQ(RegEnumKeyExA(key_, 0, name, &size, nullptr, nullptr, nullptr, nullptr), ERROR_MORE_DATA);
}

TEST_F(Registry, AKeyWithSubKeysIsNotDeleted) {
    HKEY child;
    ASSERT_EQ(RegCreateKeyA(key_, "Parent\\Child", &child), ERROR_SUCCESS);
    RegCloseKey(child);
    EXPECT_NE(RegDeleteKeyA(key_, "Parent"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKeyA(key_, "Parent\\Child"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKeyA(key_, "Parent"), ERROR_SUCCESS);
    EXPECT_EQ(RegOpenKeyA(key_, "Parent", &child), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteKeyA(key_, "Parent"), ERROR_FILE_NOT_FOUND);
}

TEST(RegistryClasses, ClassesRootShowsTheMachineClasses) {
    const char* name = "BrivelConformance.ClassesView";
    DeleteTree(HKEY_CLASSES_ROOT, name);
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, name, &key), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>("shown"), 6), ERROR_SUCCESS);
    RegCloseKey(key);
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, (std::string("Software\\Classes\\") + name).c_str(), 0, KEY_READ, &key),
              ERROR_SUCCESS);
    char text[8];
    DWORD size = sizeof text;
    EXPECT_EQ(RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size), ERROR_SUCCESS);
    EXPECT_STREQ(text, "shown");
    RegCloseKey(key);
    DeleteTree(HKEY_CLASSES_ROOT, name);
}

TEST_F(Registry, ClosedAndMadeUpKeysAreRefused) {
    HKEY child = nullptr;
    ASSERT_EQ(RegCreateKeyA(key_, "Closed", &child), ERROR_SUCCESS);
    ASSERT_EQ(RegCloseKey(child), ERROR_SUCCESS);
    HKEY madeUp = reinterpret_cast<HKEY>(static_cast<uintptr_t>(0x7A5A5A8));
    const DWORD number = 1;
    for (HKEY bad : {child, madeUp}) {
        EXPECT_EQ(RegCloseKey(bad), ERROR_INVALID_HANDLE) << bad;
        EXPECT_EQ(RegSetValueExA(bad, "x", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4),
                  ERROR_INVALID_HANDLE)
            << bad;
        DWORD size = 0;
        EXPECT_EQ(RegQueryValueExA(bad, "x", nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE) << bad;
        HKEY below = nullptr;
        EXPECT_EQ(RegOpenKeyExA(bad, "y", 0, KEY_ALL_ACCESS, &below), ERROR_INVALID_HANDLE) << bad;
    }
    EXPECT_EQ(RegCloseKey(nullptr), ERROR_INVALID_HANDLE);
}
