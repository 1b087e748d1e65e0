#include "SystemProxy.h"

#include "ProxyList.h"

#include <windows.h>
#include <wininet.h>

#include <vector>

namespace brivel::remotebuild {
namespace {

// One process-wide option (no handle), of whatever size the system gives.
bool QueryOption(DWORD option, std::vector<char>& buffer) {
    DWORD size = 256;
    for (int attempt = 0; attempt < 4; ++attempt) {
        buffer.assign(size + 1, '\0');
        DWORD given = size;
        if (InternetQueryOptionA(nullptr, option, buffer.data(), &given)) return true;
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || given <= size) return false;
        size = given;
    }
    return false;
}

std::string QueryText(DWORD option) {
    std::vector<char> buffer;
    if (!QueryOption(option, buffer)) return std::string();
    return std::string(buffer.data());
}

}  // namespace

ProxySettings GetIEProxy() {
    ProxySettings settings;
    std::vector<char> buffer;
    if (!QueryOption(INTERNET_OPTION_PROXY, buffer)) return settings;
    const auto* info = reinterpret_cast<const INTERNET_PROXY_INFO*>(buffer.data());
    if (info->dwAccessType == INTERNET_OPEN_TYPE_DIRECT || !info->lpszProxy) return settings;
    ProxyAddress proxy;
    if (!HttpProxyFromList(reinterpret_cast<const char*>(info->lpszProxy), proxy)) return settings;
    settings.useProxy = true;
    settings.host = proxy.host;
    settings.port = proxy.port;

    settings.userName = QueryText(INTERNET_OPTION_PROXY_USERNAME);
    settings.password = QueryText(INTERNET_OPTION_PROXY_PASSWORD);
    settings.useCredentials = !settings.userName.empty() || !settings.password.empty();
    return settings;
}

}  // namespace brivel::remotebuild
