// A stand-in for the remote build service, for tests: an HTTP/1.0 server on
// 127.0.0.1 that reads each request byte for byte (the head up to its blank
// line, then exactly Content-Length bytes), keeps it, decodes the wizard's
// two kinds and the upload control's COM-file kind, and answers with a
// scripted reply. Asked with an absolute target, it acts as the proxy too,
// and can require Basic proxy credentials (407 without them). Malformed
// requests get 400, unknown paths 404, as a real service would answer.
//
// One connection is served at a time, on a thread of the stand-in's own.
#pragma once

#include "ReceivedRequest.h"
#include "ReplyScript.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace brivel::buildservice {

class BuildServiceStandIn {
public:
    BuildServiceStandIn();
    ~BuildServiceStandIn();
    BuildServiceStandIn(const BuildServiceStandIn&) = delete;
    BuildServiceStandIn& operator=(const BuildServiceStandIn&) = delete;

    // Listens on 127.0.0.1 at the port (0: one the system picks). A port in
    // use is tried again until `waitForPort` has passed: tests elsewhere on
    // the machine may hold the HTTP port for a while.
    bool Start(uint16_t port = 0, std::chrono::milliseconds waitForPort = std::chrono::seconds(30));
    uint16_t Port() const { return port_; }
    // Ends a reply in progress (its pauses too) and stops listening.
    void Stop();

    // The reply to every request from now on (a message record until set).
    void SetReply(const ScriptedReply& reply);
    // The reply to the next request only, before the standing one.
    void QueueReply(const ScriptedReply& reply);
    void RequireProxyCredentials(const std::string& user, const std::string& password);

    std::vector<ReceivedRequest> Requests() const;
    // Waits until that many requests were read, and their replies ended.
    bool WaitForReplies(size_t count, std::chrono::milliseconds timeout) const;

private:
    void Serve();
    void HandleConnection(uintptr_t connection);
    bool ReadRequest(uintptr_t connection, ReceivedRequest& request);
    ScriptedReply ReplyTo(const ReceivedRequest& request);
    void SendReply(uintptr_t connection, const ScriptedReply& reply);
    void ResetOnClose(uintptr_t connection);
    bool TakeUploadCutOff();
    bool PauseFor(uintptr_t connection, int ms);

    uintptr_t listening_;
    uint16_t port_ = 0;
    std::thread thread_;

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    bool stopping_ = false;
    uintptr_t current_;  // the connection being served, for Stop
    ScriptedReply standing_;
    std::deque<ScriptedReply> queued_;
    std::string requiredCredentials_;  // "Basic ..." or empty
    std::vector<ReceivedRequest> requests_;
    size_t repliesDone_ = 0;
};

}  // namespace brivel::buildservice
