// One exchange with the build service, shared by both of its owners: the
// file is uploaded with the request of its kind (directly or through an HTTP
// proxy), the reply's records are read while the build-time ticker runs,
// and the DLL is downloaded into a temporary file for the owner's save step
// (or the redirect is opened in the browser, or the message shown). Every
// status and message goes to the owner (BuildExchangeOwner.h).
//
// The owner keeps one CBuildExchange for its life. StartBuild runs a build
// on a worker thread; the flags that the owner's user-interface thread reads
// (build running, failed, connected) are safe to read from any thread.
#pragma once

#include "BuildConnection.h"
#include "BuildExchangeOwner.h"
#include "BuildRequest.h"
#include "BuildTimeTicker.h"

#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

namespace brivel::remotebuild {

class ReplyReader;
class CBuildInputFile;
struct KindPolicy;

struct BuildJob {
    BuildKind kind = BuildKind::CppFile;
    bool tutorial = false;        // specification kind: the tutorial project
    std::string inputPath;        // the C++ file or the .c2j file
    std::string libraryName;      // C++ kind: the JNI library name
    std::string buildHost;        // the build service's host
    ProxySettings proxy;
};

class CBuildExchange {
public:
    explicit CBuildExchange(IBuildExchangeOwner& owner);
    // Interrupts and waits for a running build; cleans up Windows Sockets.
    ~CBuildExchange();
    CBuildExchange(const CBuildExchange&) = delete;
    CBuildExchange& operator=(const CBuildExchange&) = delete;

    // Starts the build on a worker thread (an earlier stop is forgotten);
    // false when one still runs or the thread cannot be started.
    bool StartBuild(const BuildJob& job);
    // Waits for the worker of the last StartBuild.
    void WaitForBuild();
    // The same wait on the owner's user-interface thread: messages that the
    // worker sends to the thread's windows meanwhile (a status, a message
    // box) are still answered, so neither thread waits for the other.
    void WaitForBuildAnsweringSentMessages();
    // True while the worker of the last StartBuild has not ended.
    bool IsWorkerRunning() const;
    // Runs one build on the calling thread (the worker's routine); a stop
    // made before it still holds.
    BuildResult RunBuild(const BuildJob& job);

    // Starts Windows Sockets for the owner (the proxy dialog resolves host
    // names); shows the message on failure. Cleaned up when a build ends.
    bool InitWinsock();

    bool IsBuildRunning() const { return buildRunning_; }
    bool HasFailed() const { return failed_; }
    bool IsConnected() const { return connection_.IsOpen(); }
    // The exit confirmation: cuts the connection under a running worker,
    // which then ends as on a lost connection (or, before it connected,
    // without connecting).
    void Abort() { connection_.Interrupt(); }

    // Tests run the ticker on a clock of their own.
    void SetTickerClock(TickerClock clock) { tickerClock_ = std::move(clock); }

private:
    BuildResult Build(const BuildJob& job);
    bool Connect(const BuildJob& job, const std::string& host, int port);
    struct UploadProgress {
        uint32_t sent, total;  // head and file bytes
    };
    // The head and the file; false when not every byte went out.
    bool Upload(CBuildInputFile& input, const std::string& head, uint32_t fileSize);
    bool SendAll(const std::string& bytes, UploadProgress& progress);
    void ReadRecords(ReplyReader& reader);
    bool ReceiveMore(ReplyReader& reader);
    BuildResult Download(const KindPolicy& policy, ReplyReader& reader);
    BuildResult Redirect(const std::string& url);
    // Shows the text in the status line and the message dialog.
    void Report(const std::string& text, const std::string& caption);
    void Report(const std::string& text);
    // A build that ends before or in the middle of the connection: closes it
    // and shows the text (none when already reported); no end steps.
    BuildResult Abandon(const std::string& text);
    // The end steps: progress hidden, connection closed, sockets cleaned up.
    BuildResult EndSteps(bool dllSaved);

    static DWORD WINAPI WorkerEntry(LPVOID parameter);

    IBuildExchangeOwner& owner_;
    CBuildConnection connection_;
    TickerClock tickerClock_;
    std::atomic<bool> buildRunning_{false};
    std::atomic<bool> failed_{false};
    std::vector<char> receiveBuffer_;  // the last block received; the reader points into it
    HANDLE worker_ = nullptr;
    BuildJob workerJob_;
};

}  // namespace brivel::remotebuild
