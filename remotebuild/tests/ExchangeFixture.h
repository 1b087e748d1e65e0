// The fixture of the exchange's tests under Wine: a build-service stand-in
// on a port the system picks, reached as the proxy; an owner that records;
// the process's temporary files in the test's own folder; and the files a
// build sends.
#pragma once

#include "BrvString.h"
#include "BuildExchange.h"
#include "BuildServiceStandIn.h"
#include "RecordingOwner.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

namespace brivel::remotebuild::testing {


inline int CompareNoCase(const std::string& a, const std::string& b) { return brivel::CompareNoCase(a.c_str(), b.c_str()); }

// A loopback port on which nothing listens.
inline int UnusedPort() {
    brivel::buildservice::BuildServiceStandIn probe;
    if (!probe.Start()) return 0;
    int port = probe.Port();
    probe.Stop();
    return port;
}

class ExchangeTest : public brivel::testing::TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        std::filesystem::create_directories(folder_ / "tmp");
        temporaryFolder_ = Path("tmp") + "\\";
        temporaryFiles_ = std::make_unique<ScopedTemporaryFolder>(Path("tmp"));
        ASSERT_TRUE(service_.Start());
    }
    void TearDown() override {
        service_.Stop();
        temporaryFiles_.reset();
        TempFolderTest::TearDown();
    }

    // The C++ kind through the stand-in as the proxy.
    BuildJob CppJob(const std::string& library, const std::string& file) {
        BuildJob job;
        job.kind = BuildKind::CppFile;
        job.inputPath = Path(library + ".cpp");
        brivel::testing::WriteFileBytes(job.inputPath, file);
        job.libraryName = library;
        job.buildHost = "build.example.test";
        job.proxy.useProxy = true;
        job.proxy.host = "127.0.0.1";
        job.proxy.port = service_.Port();
        return job;
    }

    BuildJob SpecificationJob(const std::string& file, bool tutorial) {
        BuildJob job = CppJob("Calc", "");
        job.kind = BuildKind::Specification;
        job.tutorial = tutorial;
        job.libraryName.clear();
        job.inputPath = Path("Calc.c2j");
        brivel::testing::WriteFileBytes(job.inputPath, file);
        return job;
    }

    BuildResult Run(const BuildJob& job) {
        CBuildExchange exchange(owner_);
        return exchange.RunBuild(job);
    }

    std::vector<ShownBox> Box(const std::string& text) const { return {{text, "Brivel Message"}}; }

    std::string temporaryFolder_;
    std::unique_ptr<ScopedTemporaryFolder> temporaryFiles_;
    brivel::buildservice::BuildServiceStandIn service_;
    RecordingOwner owner_;
};

}  // namespace brivel::remotebuild::testing
