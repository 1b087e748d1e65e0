// The bridge-file creation that leaves the Java-to-COM summary page: the
// job's options from the summary, the callback interfaces, one generation
// run and the job's release, with a wait indicator shown meanwhile.
// Failures reach the user through the job's own message report.
#pragma once

#include <vector>

#include "BrvString.h"

// The generation job as the wizard drives it (the frame is the job).
class IBridgeGenerationJob {
public:
    virtual ~IBridgeGenerationJob() = default;
    virtual void SetOptions(const char* typeLibraryPath, const char* outputFolder, const char* javaPackage,
                            const char* libraryPath) = 0;
    // Forgets the callback interfaces of an earlier run.
    virtual void ClearCallbackInterfaces() = 0;
    virtual void AddCallbackInterface(const char* name) = 0;
    virtual bool Generate() = 0;
    virtual void FinishJob(bool succeeded) = 0;
};

// Shows that a long operation runs.
class IWaitIndicator {
public:
    virtual ~IWaitIndicator() = default;
    virtual void BeginWait(const char* text) = 0;
    virtual void EndWait() = 0;
};

// The four values the summary page shows.
struct BridgeSummary {
    CString typeLibraryPath;
    CString outputFolder;
    CString javaPackage;
    CString libraryPath;
};

// One generation run; answers what Generate answered. The callback
// interfaces of the run are exactly `callbackInterfaces`, however often the
// run is repeated.
bool CreateBridgeFiles(IBridgeGenerationJob& job, const BridgeSummary& summary,
                       const std::vector<CString>& callbackInterfaces, IWaitIndicator& wait);
