// Test helpers of the exchange under Wine: an owner that records everything
// the exchange asks of it (status texts, message boxes, progress, the save
// step, the end), a temporary folder that the process's temporary files go
// to, and the files a build sends.
#pragma once

#include "BuildExchangeOwner.h"

#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

namespace brivel::remotebuild::testing {

struct ShownBox {
    std::string text, caption;
    bool operator==(const ShownBox& o) const { return text == o.text && caption == o.caption; }
};

struct ProgressStep {
    uint32_t position, range;
    bool operator==(const ProgressStep& o) const { return position == o.position && range == o.range; }
};

class RecordingOwner : public IBuildExchangeOwner {
public:
    void SetStatus(const std::string& text) override;
    void ShowMessageBox(const std::string& text, const std::string& caption) override;
    void SetProgress(uint32_t position, uint32_t range) override;
    void HideProgress() override;
    std::string GetBrowserPath() override { return browserPath; }
    bool SaveDownloadedDll(const std::string& temporaryPath) override;
    void OnBuildEnded(const BuildResult& result) override;

    std::vector<std::string> Statuses() const;
    std::vector<ShownBox> Boxes() const;
    std::vector<ProgressStep> Progress() const;
    // The statuses from the first that starts with `start`.
    bool SawStatus(const std::string& text) const;
    bool WaitForEnd(int seconds);
    bool WaitForStatusStartingWith(const std::string& start, int seconds);
    // The worker stops in SetStatus at the first status that starts with
    // `start`, until Release.
    void HoldAtStatus(const std::string& start);
    bool WaitUntilHeld(int seconds);
    void Release();

    // Settings of the test.
    std::string browserPath;
    bool saveSucceeds = true;

    // What the save step was given: the file's path and its bytes.
    std::string savedFrom;
    std::string savedBytes;
    int hideProgressCalls = 0;
    int endCalls = 0;
    BuildResult ended;

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> statuses_;
    std::vector<ShownBox> boxes_;
    std::vector<ProgressStep> progress_;
    std::string holdAt_;
    bool held_ = false, released_ = false;
};

// The process's temporary files go to a fresh folder for the test's life.
class ScopedTemporaryFolder {
public:
    explicit ScopedTemporaryFolder(const std::string& folder);
    ~ScopedTemporaryFolder();
    // The names of the files it holds.
    std::vector<std::string> Files() const;

private:
    std::string folder_, previous_;
    bool hadPrevious_ = false;
};

// A string literal with its embedded NULs.
template <size_t N>
std::string Bytes(const char (&text)[N]) {
    return std::string(text, N - 1);
}

// Bytes that look like a file of the given size (every value appears).
std::string FileBytes(size_t size, unsigned seed);

// The browser stand-in of the tests, beside the test program.
std::string BrowserStandInPath();
// The file's bytes once it exists and is not empty (empty after 20 seconds).
std::string WaitForFile(const std::string& path);

// A proxy that takes connections and never reads from them: once the
// system's buffers are full, a client's send waits for good. It listens on
// 127.0.0.1 at a port the system picks, with the smallest receive buffer;
// closing it resets the connections it holds.
class SilentProxy {
public:
    SilentProxy();
    ~SilentProxy();
    SilentProxy(const SilentProxy&) = delete;
    SilentProxy& operator=(const SilentProxy&) = delete;
    int Port() const { return port_; }
    void Close();

private:
    uintptr_t listener_;
    int port_ = 0;
    bool started_ = false;
};

// The result of WSACleanup when nothing is started any more: no started
// socket library was left behind.
bool SocketsAllCleanedUp();

}  // namespace brivel::remotebuild::testing
