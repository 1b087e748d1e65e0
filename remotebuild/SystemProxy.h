// The HTTP proxy that the system's Internet settings name (WinINet's
// process-wide proxy information, with the proxy user name and password
// when the system has them), as each build owner takes it when shown.
#pragma once

#include "BuildRequest.h"

namespace brivel::remotebuild {

// Use proxy, host and port from the proxy list (ProxyList.h); credentials
// when the system gives a user name or a password. Direct access, a failed
// query or a list without a proxy for HTTP leave the settings direct.
ProxySettings GetIEProxy();

}  // namespace brivel::remotebuild
