// The host of the web-browser bridge's tests on the real i386 VM: the
// browser server registered under the test classes, some of the bridge's
// compiled class identifiers and two of its ProgIDs; and its exports.
#pragma once

#include "BridgeJvmHost.h"
#include "BrowserServer.h"

class BrowserHost : public BridgeJvmHost {
protected:
    BrowserHost();
    void RegisterServer(const std::string& library) override;
    void FindExports() override;

    BrowserFireFn fire_ = nullptr;
    BrowserSinksFn sinks_ = nullptr;
};
