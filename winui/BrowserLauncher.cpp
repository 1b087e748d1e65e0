#include "BrowserLauncher.h"

#include <objbase.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {

constexpr char kFallbackBrowser[] = "IExplore.exe";

bool ReadDefaultValue(HKEY key, CString& value) {
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key, nullptr, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    if ((type != REG_SZ && type != REG_EXPAND_SZ) || size == 0) return false;
    std::vector<char> text(size + 1, '\0');
    if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) != ERROR_SUCCESS)
        return false;
    text[size < text.size() ? size : text.size() - 1] = '\0';
    CString read(text.data());
    if (type == REG_EXPAND_SZ) {
        DWORD needed = ExpandEnvironmentStringsA(read, nullptr, 0);
        if (needed > 0) {
            std::vector<char> expanded(needed + 1, '\0');
            if (ExpandEnvironmentStringsA(read, expanded.data(), needed) > 0) read = expanded.data();
        }
    }
    if (read.IsEmpty()) return false;
    value = read;
    return true;
}

// A parameter with blanks reaches the browser as one argument.
CString QuotedParameter(const char* page) {
    std::string text(page ? page : "");
    if (text.find_first_of(" \t") == std::string::npos || text.find('"') != std::string::npos) return CString(text);
    return CString("\"" + text + "\"");
}

}  // namespace

bool QueryClassesRootDefault(HKEY classesRoot, const char* keyPath, CString& value) {
    std::vector<HKEY> opened;
    HKEY key = classesRoot;
    std::string path(keyPath ? keyPath : "");
    bool ok = true;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('\\', start);
        std::string part = path.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!part.empty()) {
            HKEY next = nullptr;
            if (RegOpenKeyExA(key, part.c_str(), 0, KEY_READ, &next) != ERROR_SUCCESS) {
                ok = false;
                break;
            }
            opened.push_back(next);
            key = next;
        }
        if (end == std::string::npos) break;
        start = end + 1;
    }
    bool found = ok && ReadDefaultValue(key, value);
    for (auto it = opened.rbegin(); it != opened.rend(); ++it) RegCloseKey(*it);
    return found;
}

CString FirstCommandToken(const char* command) {
    std::string line(command ? command : "");
    size_t i = line.find_first_not_of(" \t\r\n");
    if (i == std::string::npos) return CString();
    if (line[i] == '"') {
        size_t close = line.find('"', i + 1);
        return CString(line.substr(i + 1, close == std::string::npos ? std::string::npos : close - i - 1));
    }
    size_t end = line.find_first_of(" \t\r\n", i);
    return CString(line.substr(i, end == std::string::npos ? std::string::npos : end - i));
}

bool LaunchBrowser(const char* browserPath, const char* pageOrUrl) {
    CString parameters = QuotedParameter(pageOrUrl);
    // The shell may hand the start to COM objects: a build's worker thread
    // has not initialised COM itself.
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    HINSTANCE result = ShellExecuteA(GetDesktopWindow(), nullptr, browserPath, parameters, nullptr, SW_SHOW);
    if (SUCCEEDED(com)) CoUninitialize();
    return reinterpret_cast<INT_PTR>(result) > 32;
}

CString BrowserLaunchFailedText(const char* page) {
    return CString(page) + ":  Failed to launch browser, please start the browser and visit manually.";
}

CString CBrowserLauncher::GetBrowserPath() {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_browserPath.IsEmpty()) m_browserPath = LookUpBrowserPath();
    return m_browserPath;
}

CString CBrowserLauncher::LookUpBrowserPath() const {
    CString type;
    if (!QueryClassesRootDefault(m_classesRoot, ".htm", type) && !QueryClassesRootDefault(m_classesRoot, ".html", type))
        type = "http";
    CString command;
    if (!QueryClassesRootDefault(m_classesRoot, type + "\\shell\\open\\command", command)) return kFallbackBrowser;
    CString browser = FirstCommandToken(command);
    return browser.IsEmpty() ? CString(kFallbackBrowser) : browser;
}
