// The HTTP proxy that the system's Internet settings name, as the build
// clients take it: the proxy list ("http=host:port;https=host:port" or one
// "host:port" for every scheme) gives the host and port for HTTP, and the
// owners show it as the host alone when the port is the HTTP port.
#pragma once

#include <string>

namespace brivel::remotebuild {

struct ProxyAddress {
    std::string host;
    int port = 80;
};

// The HTTP proxy of a system proxy list. Entries are separated by blanks and
// semicolons; the first "http=" entry wins, else the first entry without a
// scheme (it serves every scheme). A list that names proxies only for other
// schemes names none for HTTP: false. The port follows the last ':'
// (80 when there is none); an entry whose port is not a decimal number from
// 0 to 65535 names no proxy either.
bool HttpProxyFromList(const std::string& list, ProxyAddress& proxy);

// The owners' proxy display: the host alone on port 80, else "host:port".
std::string ProxyDisplayText(const std::string& host, int port);

}  // namespace brivel::remotebuild
