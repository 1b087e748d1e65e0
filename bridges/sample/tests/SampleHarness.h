// The host of the sample bridge's tests on the real i386 VM: the sample
// server registered under the control's class identifier (no ProgID), and
// its exports.
#pragma once

#include "BridgeJvmHost.h"
#include "SampleServer.h"

class SampleHost : public BridgeJvmHost {
protected:
    SampleHost();
    void RegisterServer(const std::string& library) override;
    void FindExports() override;

    // The calls the control received since the last time, one a line.
    std::string Calls();

    SampleFireFn fire_ = nullptr;
    SampleSinksFn sinks_ = nullptr;
    SampleCallsFn calls_ = nullptr;
    SampleFailCallsFn failCalls_ = nullptr;
};
