// The platform's HTTP client under Wine also takes its proxy from the
// environment's http_proxy: a test that talks to the stand-in on 127.0.0.1
// clears it for its own process, so no request leaves the machine.
#pragma once

#include <windows.h>

namespace brivel::uploadctl::testing {

inline void KeepTheHttpClientOnLoopback() {
    SetEnvironmentVariableA("http_proxy", nullptr);
    SetEnvironmentVariableA("HTTP_PROXY", nullptr);
}

}  // namespace brivel::uploadctl::testing
