#include "ProxyList.h"

#include "BrvString.h"

#include <vector>

namespace brivel::remotebuild {
namespace {

std::vector<std::string> Entries(const std::string& list) {
    std::vector<std::string> entries;
    std::string entry;
    for (char c : list) {
        if (c == ' ' || c == ';' || c == '\t') {
            if (!entry.empty()) entries.push_back(entry);
            entry.clear();
        } else {
            entry += c;
        }
    }
    if (!entry.empty()) entries.push_back(entry);
    return entries;
}

bool StartsWithNoCase(const std::string& text, const char* start) {
    std::string head = text.substr(0, std::char_traits<char>::length(start));
    return brivel::EqualsNoCase(head.c_str(), start);
}

// A decimal number from 0 to 65535, as the proxy dialog takes it.
bool ReadPort(const std::string& text, int& port) {
    if (text.empty() || text.size() > 5) return false;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    if (value > 65535) return false;
    port = value;
    return true;
}

// "host:port" or "host"; the port is the decimal number after the last ':'.
bool SplitHostAndPort(const std::string& text, ProxyAddress& proxy) {
    proxy = ProxyAddress();
    size_t colon = text.rfind(':');
    if (colon == std::string::npos) {
        proxy.host = text;
    } else {
        proxy.host = text.substr(0, colon);
        if (!ReadPort(text.substr(colon + 1), proxy.port)) proxy.host.clear();
    }
    return !proxy.host.empty();
}

}  // namespace

bool HttpProxyFromList(const std::string& list, ProxyAddress& proxy) {
    std::vector<std::string> entries = Entries(list);
    for (const std::string& entry : entries)
        if (StartsWithNoCase(entry, "http=")) return SplitHostAndPort(entry.substr(5), proxy);
    // An entry without a scheme is the proxy of every scheme.
    for (const std::string& entry : entries)
        if (entry.find('=') == std::string::npos) return SplitHostAndPort(entry, proxy);
    proxy = ProxyAddress();
    return false;
}

std::string ProxyDisplayText(const std::string& host, int port) {
    if (port == 80) return host;
    return brivel::FormatString("%s:%d", host.c_str(), port);
}

}  // namespace brivel::remotebuild
