#include "MachineState.h"

namespace brivel::setup::testing {
namespace {

constexpr const char kTextType[] = "BrivelKitTestText";

void WriteDefault(const char* keyPath, const std::string& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, keyPath, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
}

void WriteValue(HKEY root, const char* keyPath, const char* name, const RegistryValue& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, keyPath, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) return;
    if (value.present)
        RegSetValueExA(key, name, 0, value.type, reinterpret_cast<const BYTE*>(value.bytes.data()),
                       static_cast<DWORD>(value.bytes.size()));
    else RegDeleteValueA(key, name);
    RegCloseKey(key);
}

}  // namespace

std::string RegistryValue::Text() const {
    std::string text = bytes;
    while (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

RegistryValue ReadValue(HKEY root, const char* keyPath, const char* name) {
    RegistryValue value;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return value;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
        value.bytes.resize(size);
        value.present = RegQueryValueExA(key, name, nullptr, &value.type, reinterpret_cast<BYTE*>(&value.bytes[0]),
                                         &size) == ERROR_SUCCESS;
        value.bytes.resize(size);
    }
    RegCloseKey(key);
    return value;
}

bool KeyExists(HKEY root, const char* keyPath) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

void DeleteKeyTree(HKEY root, const char* keyPath) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, keyPath, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    char name[256];
    for (;;) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        DeleteKeyTree(key, name);
    }
    RegCloseKey(key);
    RegDeleteKeyA(root, keyPath);
}

std::wstring ReadMachineClasspath() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kEnvironmentKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::wstring();
    std::wstring text(16384, L'\0');
    DWORD size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    LONG rc = RegQueryValueExW(key, L"CLASSPATH", nullptr, nullptr, reinterpret_cast<BYTE*>(&text[0]), &size);
    RegCloseKey(key);
    text.resize(rc == ERROR_SUCCESS ? size / sizeof(wchar_t) : 0);
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return text;
}

void WriteMachineClasspath(const std::wstring& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kEnvironmentKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExW(key, L"CLASSPATH", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

SavedMachineClasspath::SavedMachineClasspath()
    : saved_(ReadValue(HKEY_LOCAL_MACHINE, kEnvironmentKey, "CLASSPATH")), savedText_(ReadMachineClasspath()) {}

SavedMachineClasspath::~SavedMachineClasspath() {
    WriteValue(HKEY_LOCAL_MACHINE, kEnvironmentKey, "CLASSPATH", saved_);
    // Characters beyond the code page, which the bytes above lost.
    if (saved_.present) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kEnvironmentKey, 0, KEY_WRITE, &key) != ERROR_SUCCESS) return;
        RegSetValueExW(key, L"CLASSPATH", 0, saved_.type, reinterpret_cast<const BYTE*>(savedText_.c_str()),
                       static_cast<DWORD>((savedText_.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }
}

ScopedTextAssociation::ScopedTextAssociation(const std::string& standIn, const std::string& recordFile)
    : saved_(ReadValue(HKEY_CLASSES_ROOT, ".txt", nullptr)) {
    // A run that died before it put the association back left ours: the
    // extension had none before.
    if (saved_.present && saved_.Text() == kTextType) saved_ = RegistryValue{};
    WriteDefault((std::string(kTextType) + "\\shell\\open\\command").c_str(), "\"" + standIn + "\" \"%1\"");
    WriteDefault(".txt", kTextType);
    SetEnvironmentVariableA("BRIVEL_BROWSER_RECORD", recordFile.c_str());
}

ScopedTextAssociation::~ScopedTextAssociation() {
    if (saved_.present) WriteValue(HKEY_CLASSES_ROOT, ".txt", nullptr, saved_);
    else DeleteKeyTree(HKEY_CLASSES_ROOT, ".txt");
    DeleteKeyTree(HKEY_CLASSES_ROOT, kTextType);
    SetEnvironmentVariableA("BRIVEL_BROWSER_RECORD", nullptr);
}

std::string SystemFolderPath() {
    char folder[MAX_PATH] = "";
    UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    return std::string(folder, length);
}

bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ShortForm(const std::string& path) {
    char shortPath[MAX_PATH] = "";
    DWORD length = GetShortPathNameA(path.c_str(), shortPath, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(shortPath, length) : path;
}

}  // namespace brivel::setup::testing
