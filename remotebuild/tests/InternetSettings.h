// Test helper: the prefix's Internet settings (HKEY_CURRENT_USER) with a
// proxy of the test's own for the life of the object; the values before it
// come back afterwards. Tests that use it take the CTest lock
// internet_settings.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace brivel::remotebuild::testing {

class ScopedInternetSettings {
public:
    static constexpr const char* kKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

    ScopedInternetSettings() {
        RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_, nullptr);
        enable_ = Save("ProxyEnable");
        server_ = Save("ProxyServer");
    }
    ~ScopedInternetSettings() {
        Restore("ProxyEnable", enable_);
        Restore("ProxyServer", server_);
        if (key_) RegCloseKey(key_);
    }
    ScopedInternetSettings(const ScopedInternetSettings&) = delete;
    ScopedInternetSettings& operator=(const ScopedInternetSettings&) = delete;

    // A proxy list in use ("http=host:port;..." or "host:port").
    void UseProxy(const std::string& list) {
        DWORD on = 1;
        RegSetValueExA(key_, "ProxyEnable", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on), sizeof on);
        RegSetValueExA(key_, "ProxyServer", 0, REG_SZ, reinterpret_cast<const BYTE*>(list.c_str()),
                       static_cast<DWORD>(list.size() + 1));
    }
    // No proxy: direct access.
    void NoProxy() {
        DWORD off = 0;
        RegSetValueExA(key_, "ProxyEnable", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&off), sizeof off);
        RegDeleteValueA(key_, "ProxyServer");
    }

private:
    struct Saved {
        bool present = false;
        DWORD type = 0;
        std::vector<BYTE> bytes;
    };
    Saved Save(const char* name) const {
        Saved saved;
        DWORD size = 0;
        if (!key_ || RegQueryValueExA(key_, name, nullptr, &saved.type, nullptr, &size) != ERROR_SUCCESS) return saved;
        saved.bytes.resize(size);
        saved.present = RegQueryValueExA(key_, name, nullptr, &saved.type, saved.bytes.data(), &size) == ERROR_SUCCESS;
        return saved;
    }
    void Restore(const char* name, const Saved& saved) const {
        if (!key_) return;
        if (!saved.present) RegDeleteValueA(key_, name);
        else RegSetValueExA(key_, name, 0, saved.type, saved.bytes.data(), static_cast<DWORD>(saved.bytes.size()));
    }

    HKEY key_ = nullptr;
    Saved enable_, server_;
};

}  // namespace brivel::remotebuild::testing
