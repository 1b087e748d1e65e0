#include "HtmlAssociation.h"

#include <vector>

#include "TempFolder.h"
#include "WizardProcess.h"

namespace brivel::wizard::testing {
namespace {

constexpr const char* kType = "BrivelTestPage";

bool ReadDefault(const char* keyPath, std::string& value) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    char text[512] = "";
    DWORD size = sizeof text - 1, type = 0;
    bool found = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    if (found) value = text;
    return found;
}

void WriteDefault(const char* keyPath, const std::string& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, keyPath, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
}

// Deepest first: shell\open\command, shell\open, shell, the type.
void DeleteKeyPath(const std::string& path) {
    for (const char* part : {"\\shell\\open\\command", "\\shell\\open", "\\shell", ""})
        RegDeleteKeyA(HKEY_CLASSES_ROOT, (path + part).c_str());
}

}  // namespace

std::string BrowserStandIn() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1) + "browser_stand_in.exe";
}

ScopedHtmlAssociation::ScopedHtmlAssociation(const std::string& browserStandIn, const std::string& recordFile,
                                             const std::vector<std::string>& extensions)
    : record_(recordFile) {
    WriteDefault((std::string(kType) + "\\shell\\open\\command").c_str(), "\"" + browserStandIn + "\" \"%1\"");
    for (const std::string& extension : extensions) {
        Saved saved;
        saved.extension = extension;
        // A run that died before it put the association back left ours: the
        // type was absent before it.
        saved.present = ReadDefault(extension.c_str(), saved.type) && saved.type != kType;
        saved_.push_back(saved);
        WriteDefault(extension.c_str(), kType);
    }
    DeleteFileA(record_.c_str());
    SetEnvironmentVariableA("BRIVEL_BROWSER_RECORD", record_.c_str());
}

ScopedHtmlAssociation::~ScopedHtmlAssociation() {
    for (const Saved& saved : saved_) {
        if (saved.present) WriteDefault(saved.extension.c_str(), saved.type);
        else RegDeleteKeyA(HKEY_CLASSES_ROOT, saved.extension.c_str());
    }
    DeleteKeyPath(kType);
    SetEnvironmentVariableA("BRIVEL_BROWSER_RECORD", nullptr);
}

std::string ScopedHtmlAssociation::WaitForBrowser(DWORD timeoutMs) const {
    std::string line;
    WaitUntil([&] { return !(line = brivel::testing::ReadFileBytes(record_)).empty(); }, timeoutMs);
    return line;
}

}  // namespace brivel::wizard::testing
