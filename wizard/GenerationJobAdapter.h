// The generation job as the bridge-file creation drives it.
#pragma once

#include "BridgeFileCreation.h"
#include "BridgeGenerator.h"

class CGenerationJobAdapter : public IBridgeGenerationJob {
public:
    explicit CGenerationJobAdapter(CBridgeGenerator& job) : m_job(job) {}

    void SetOptions(const char* typeLibraryPath, const char* outputFolder, const char* javaPackage,
                    const char* libraryPath) override {
        m_job.SetOptions(typeLibraryPath, outputFolder, javaPackage, libraryPath);
    }
    void ClearCallbackInterfaces() override { m_job.ClearCallbackInterfaces(); }
    void AddCallbackInterface(const char* name) override { m_job.AddCallbackInterface(name); }
    bool Generate() override { return m_job.Generate(); }
    void FinishJob(bool succeeded) override { m_job.FinishJob(succeeded); }

private:
    CBridgeGenerator& m_job;
};
