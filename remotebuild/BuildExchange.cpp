#include "BuildExchange.h"

#include "BrowserLauncher.h"
#include "ExchangeTexts.h"
#include "ReplyReader.h"
#include "TemporaryDllFile.h"
#include "WebAddress.h"

#include <vector>

namespace brivel::remotebuild {
namespace {

constexpr uint32_t kBlockSize = 4096;

}  // namespace

CBuildExchange::CBuildExchange(IBuildExchangeOwner& owner)
    : owner_(owner), tickerClock_(SystemTickerClock()), receiveBuffer_(kBlockSize) {}

CBuildExchange::~CBuildExchange() {
    if (worker_) {
        connection_.Interrupt();
        WaitForBuild();
    }
}

bool CBuildExchange::StartBuild(const BuildJob& job) {
    if (worker_) {
        if (WaitForSingleObject(worker_, 0) == WAIT_TIMEOUT) return false;
        WaitForBuild();
    }
    workerJob_ = job;
    // A stop from now on holds for this build, even before it connects.
    connection_.ClearInterruption();
    worker_ = CreateThread(nullptr, 0, &CBuildExchange::WorkerEntry, this, 0, nullptr);
    return worker_ != nullptr;
}

DWORD WINAPI CBuildExchange::WorkerEntry(LPVOID parameter) {
    auto* exchange = static_cast<CBuildExchange*>(parameter);
    exchange->RunBuild(exchange->workerJob_);
    return 0;
}

void CBuildExchange::WaitForBuild() {
    if (!worker_) return;
    WaitForSingleObject(worker_, INFINITE);
    CloseHandle(worker_);
    worker_ = nullptr;
}

void CBuildExchange::WaitForBuildAnsweringSentMessages() {
    if (!worker_) return;
    while (MsgWaitForMultipleObjects(1, &worker_, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);  // answers the sent messages
    }
    WaitForBuild();
}

bool CBuildExchange::IsWorkerRunning() const {
    return worker_ && WaitForSingleObject(worker_, 0) == WAIT_TIMEOUT;
}

bool CBuildExchange::InitWinsock() {
    if (connection_.InitWinsock()) return true;
    failed_ = true;
    Report(texts::kCannotInitialize);
    return false;
}

BuildResult CBuildExchange::RunBuild(const BuildJob& job) {
    failed_ = true;
    BuildResult result = Build(job);
    buildRunning_ = false;
    owner_.OnBuildEnded(result);
    return result;
}

void CBuildExchange::Report(const std::string& text, const std::string& caption) {
    owner_.SetStatus(text);
    owner_.ShowMessageBox(text, caption);
}

void CBuildExchange::Report(const std::string& text) { Report(text, texts::kMessageCaption); }

BuildResult CBuildExchange::Build(const BuildJob& job) {
    const KindPolicy& policy = PolicyOf(job.kind);

    CBuildInputFile input;
    uint32_t fileSize = 0;
    if (!input.Open(job.inputPath) || !input.Size(fileSize)) return Abandon(texts::kCannotRead + job.inputPath);
    BuildRequest request;
    request.kind = job.kind;
    request.tutorial = job.tutorial;
    request.buildHost = job.buildHost;
    request.proxy = job.proxy;
    request.libraryName = job.libraryName;
    request.fileSize = fileSize;
    std::string head;
    if (!BuildRequestHead(request, head)) return Abandon(texts::kCannotFrame);

    ConnectTarget target = ConnectTargetOf(request);
    owner_.SetStatus(texts::kConnectingTo + target.host);
    if (!Connect(job, target.host, target.port)) return Abandon(std::string());
    buildRunning_ = true;
    if (!Upload(input, head, fileSize)) return Abandon(policy.lostWhileSending);

    owner_.SetStatus(texts::kFileUploaded);
    failed_ = false;
    ReplyReader reader;
    ReadRecords(reader);

    switch (reader.Outcome()) {
    case ReplyOutcome::Pending:  // the DLL was announced
        return Download(policy, reader);
    case ReplyOutcome::EmptyDll:
        failed_ = true;
        Report(texts::kEmptyDll);
        return EndSteps(false);
    case ReplyOutcome::Redirect:
        return Redirect(reader.Url());
    case ReplyOutcome::Message:
        failed_ = true;
        Report(reader.Text(), reader.Caption());
        return EndSteps(false);
    case ReplyOutcome::HttpError:
        return Abandon(texts::kHttpError + reader.StatusLine());
    case ReplyOutcome::HeaderUnended:
        return Abandon(texts::kHeaderUnended);
    case ReplyOutcome::LostConnection:
    default:
        return Abandon(policy.lostWhileReading);
    }
}

bool CBuildExchange::Connect(const BuildJob& job, const std::string& host, int port) {
    using Error = CBuildConnection::ConnectError;
    switch (connection_.Connect(host, port)) {
    case Error::None:
        owner_.SetStatus(texts::kConnectedTo + host);
        return true;
    case Error::NoSockets:
        Report(texts::kCannotInitialize);
        break;
    case Error::NoSocket:
        Report(texts::kNoSocket);
        break;
    case Error::HostNotFound:
        Report(texts::kHostNotFound + host);
        break;
    case Error::ConnectFailed:
        owner_.SetStatus(texts::kCouldNotConnect + host);
        owner_.ShowMessageBox(ConnectFailureBoxText(job.kind, host), texts::kMessageCaption);
        break;
    case Error::Interrupted:  // the owner stopped the build: nothing to report
        break;
    }
    return false;
}

// The head (and the C++ kind's body header) and the file go out in blocks of
// 4,096 bytes; the progress counts every byte sent, HTTP lines included.
bool CBuildExchange::Upload(CBuildInputFile& input, const std::string& head, uint32_t fileSize) {
    UploadProgress progress{0, static_cast<uint32_t>(head.size()) + fileSize};
    uint32_t fileLeft = fileSize;
    owner_.SetProgress(0, progress.total);

    std::string buffer = head;
    if (buffer.size() < kBlockSize && fileLeft > 0) {
        uint32_t room = kBlockSize - static_cast<uint32_t>(buffer.size());
        size_t before = buffer.size();
        input.ReadInto(buffer, room < fileLeft ? room : fileLeft);
        fileLeft -= static_cast<uint32_t>(buffer.size() - before);
    }
    bool connected = true;
    while (!buffer.empty()) {
        connected = SendAll(buffer, progress);
        buffer.clear();
        if (!connected || fileLeft == 0 || !input.ReadInto(buffer, fileLeft < kBlockSize ? fileLeft : kBlockSize))
            break;
        fileLeft -= static_cast<uint32_t>(buffer.size());
    }
    input.Close();
    return progress.sent == progress.total;  // else the connection broke, or the file could not be read to its end
}

// Sends until every byte is gone; after each send the progress and the
// status count the bytes sent. False when the connection is lost.
bool CBuildExchange::SendAll(const std::string& bytes, UploadProgress& progress) {
    for (size_t offset = 0; offset < bytes.size();) {
        int done = connection_.Send(bytes.data() + offset, static_cast<int>(bytes.size() - offset));
        if (done < 1) return false;
        offset += static_cast<size_t>(done);
        progress.sent += static_cast<uint32_t>(done);
        owner_.SetProgress(progress.sent, progress.total);
        owner_.SetStatus(UploadedText(progress.sent, progress.total));
    }
    return true;
}

// Until a DLL, a redirect or a message ends the records, or the reply ends.
// The ticker runs from the first estimate of at least one second until then.
void CBuildExchange::ReadRecords(ReplyReader& reader) {
    BuildTimeTicker ticker(tickerClock_, [this](const std::string& text) { owner_.SetStatus(text); });
    for (;;) {
        ReplyReader::Event event = reader.Next();
        if (event == ReplyReader::Event::NeedMore) {
            ReceiveMore(reader);
            continue;
        }
        if (event == ReplyReader::Event::Estimate) {
            int seconds = reader.EstimatedSeconds();
            if (seconds >= 1 || ticker.IsRunning()) ticker.Start(seconds);
            continue;
        }
        break;  // DllAnnounced or Finished
    }
    ticker.Stop();
}

// One receive into the receive buffer, handed to the reader; false when the
// connection ended.
bool CBuildExchange::ReceiveMore(ReplyReader& reader) {
    int got = connection_.Receive(receiveBuffer_.data(), static_cast<int>(receiveBuffer_.size()));
    if (got < 1) {
        reader.EndOfReply();
        return false;
    }
    reader.Supply(reinterpret_cast<const unsigned char*>(receiveBuffer_.data()), static_cast<size_t>(got));
    return true;
}

BuildResult CBuildExchange::Download(const KindPolicy& policy, ReplyReader& reader) {
    const uint32_t length = reader.DllLength();
    owner_.SetStatus(texts::kStartingDownload);
    owner_.SetProgress(length, length);  // the position counts the bytes still to come

    CTemporaryDllFile file;
    if (!file.Create(policy.temporaryPrefix)) {
        failed_ = true;
        Report(texts::kCannotCreateTemporary + CTemporaryDllFile::Folder());
        return EndSteps(false);
    }
    // The bytes that came with the record are written first, without a status.
    bool received = false;
    for (;;) {
        ReplyReader::Event event = reader.Next();
        if (event == ReplyReader::Event::NeedMore) {
            received = ReceiveMore(reader);
            continue;
        }
        if (event != ReplyReader::Event::DllBytes) break;
        owner_.SetProgress(reader.DllBytesMissing(), length);
        if (received) owner_.SetStatus(DownloadedText(length - reader.DllBytesMissing(), length));
        if (!file.Write(reader.Bytes(), reader.ByteCount())) {
            file.Delete();
            failed_ = true;
            Report(texts::kCannotWrite + file.Path());
            return EndSteps(false);
        }
    }
    file.Close();
    if (reader.Outcome() != ReplyOutcome::DllComplete) {
        file.Delete();
        failed_ = true;
        Report(policy.lostWhileSending);
        return EndSteps(false);
    }
    bool saved = owner_.SaveDownloadedDll(file.Path());
    if (!saved) {
        file.Delete();
        failed_ = true;
    }
    return EndSteps(saved);
}

// The address came over the network: only a web address reaches the
// browser's command line.
BuildResult CBuildExchange::Redirect(const std::string& url) {
    owner_.SetStatus(texts::kRedirecting);
    std::string browser = owner_.GetBrowserPath();
    if (brivel::IsWebAddress(url) && LaunchBrowser(browser.c_str(), url.c_str())) {
        failed_ = false;
    } else {
        failed_ = true;
        Report(texts::kRedirectFailed);
    }
    return EndSteps(false);
}

BuildResult CBuildExchange::Abandon(const std::string& text) {
    failed_ = true;
    connection_.Close();
    connection_.CleanupWinsock();
    if (!text.empty()) Report(text);
    BuildResult result;
    result.failed = true;
    return result;
}

BuildResult CBuildExchange::EndSteps(bool dllSaved) {
    owner_.HideProgress();
    connection_.Close();
    connection_.CleanupWinsock();
    BuildResult result;
    result.failed = failed_;
    result.dllSaved = dllSaved;
    result.endStepsRun = true;
    return result;
}

}  // namespace brivel::remotebuild
