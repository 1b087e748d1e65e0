#include "UploadJob.h"

#include "ExchangeTexts.h"
#include "UploaderTexts.h"
#include "WebAddress.h"

#include <vector>

namespace brivel::uploadctl {
namespace {

namespace exchange = brivel::remotebuild::texts;
using brivel::remotebuild::ReplyOutcome;
using brivel::remotebuild::ReplyReader;

constexpr uint32_t kBlockSize = 4096;
// The answer's estimates start the countdown from two seconds on.
constexpr int kShortestCountdown = 2;
constexpr char kTemporaryPrefix[] = "brv";

std::string FolderOf(UINT (WINAPI *get)(LPSTR, UINT)) {
    std::vector<char> folder(MAX_PATH + 1);
    UINT length = get(folder.data(), static_cast<UINT>(folder.size()));
    if (length >= folder.size()) {
        folder.resize(length + 1);
        length = get(folder.data(), static_cast<UINT>(folder.size()));
    }
    return length == 0 || length >= folder.size() ? std::string() : std::string(folder.data(), length);
}

// The first line of the answer's HTTP header ("HTTP/1.1 404 Not Found").
std::string StatusLineOf(HINTERNET request) {
    DWORD size = 0;
    HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, nullptr, &size, nullptr);
    if (size == 0) return std::string();
    std::vector<char> headers(size + 1, '\0');
    if (!HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, headers.data(), &size, nullptr)) return std::string();
    std::string text(headers.data(), size < headers.size() ? size : headers.size() - 1);
    return text.substr(0, text.find_first_of("\r\n"));
}

}  // namespace

SaveFolders PlatformSaveFolders() { return SaveFolders{FolderOf(&GetSystemDirectoryA), FolderOf(&GetWindowsDirectoryA)}; }

std::string SystemErrorText(DWORD error) {
    char* buffer = nullptr;
    DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, error, 0, reinterpret_cast<LPSTR>(&buffer), 0, nullptr);
    std::string text = length && buffer ? std::string(buffer, length) : std::string();
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
    return text;
}

CUploadJob::CUploadJob(SaveFolders folders, brivel::remotebuild::TickerClock clock)
    : folders_(std::move(folders)), clock_(std::move(clock)) {}

bool CUploadJob::Start(const ComFileRequest& request, const std::string& comFilePath, const std::string& host,
                       const std::string& targetPath, UploadFailure& failure) {
    host_ = host;
    libraryName_ = request.libraryName;
    if (!file_.Open(comFilePath) || !file_.Size(fileSize_)) {
        CloseAll();
        failure = {texts::CannotReadFileText(comFilePath), texts::kReadFailed};
        return false;
    }
    ComFileRequest framed = request;
    framed.fileSize = fileSize_;
    if (!BuildComFileRequestHeader(framed, header_)) {
        CloseAll();
        failure = {texts::kRequestTooLong, texts::kError};
        return false;
    }

    session_.Reset(InternetOpenA(texts::kAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session_) {
        CloseAll();
        failure = {texts::kNoInternet, ""};
        return false;
    }
    connection_.Reset(InternetConnectA(session_.Get(), host.c_str(), INTERNET_DEFAULT_HTTP_PORT, nullptr, nullptr,
                                       INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection_) {
        CloseAll();
        failure = {texts::kNoServer, ""};
        return false;
    }
    request_.Reset(HttpOpenRequestA(connection_.Get(), "POST", targetPath.c_str(), nullptr, nullptr, nullptr, 0, 0));
    if (!request_) {
        CloseAll();
        failure = {texts::kNoUrl, ""};
        return false;
    }
    INTERNET_BUFFERSA body = {};
    body.dwStructSize = sizeof body;
    body.dwBufferTotal = static_cast<DWORD>(header_.size()) + fileSize_;
    if (!HttpSendRequestExA(request_.Get(), &body, nullptr, 0, 0)) {
        std::string text = SystemErrorText(GetLastError());
        CloseAll();
        failure = {text.empty() ? texts::kNoBuildServer + host : text, ""};
        return false;
    }
    return true;
}

void CUploadJob::Run(IUploaderUi& ui) {
    if (Upload(ui)) {
        ui.SetStatus(exchange::kFileUploaded);
        if (!HttpEndRequestA(request_.Get(), nullptr, 0, 0)) Report(ui, exchange::kConnectionLost, "");
        else if (AnswerIsSuccess(ui)) ReadAnswer(ui);
    } else {
        Report(ui, exchange::kConnectionLost, "");
    }
    ui.HideProgress();
    CloseAll();
}

// The header, then the file in blocks of 4,096 bytes. The progress counts
// every byte of the body, the header's too, out of the whole body.
bool CUploadJob::Upload(IUploaderUi& ui) {
    const uint32_t total = static_cast<uint32_t>(header_.size()) + fileSize_;
    uint32_t sent = 0, fileLeft = fileSize_;
    ui.SetProgress(0, total);
    std::string buffer = header_;
    for (;;) {
        uint32_t room = buffer.size() < kBlockSize ? kBlockSize - static_cast<uint32_t>(buffer.size()) : 0;
        if (room > 0 && fileLeft > 0) {
            size_t before = buffer.size();
            if (!file_.ReadInto(buffer, room < fileLeft ? room : fileLeft)) break;
            fileLeft -= static_cast<uint32_t>(buffer.size() - before);
        }
        if (buffer.empty()) break;
        for (size_t offset = 0; offset < buffer.size();) {
            DWORD written = 0;
            if (!InternetWriteFile(request_.Get(), buffer.data() + offset, static_cast<DWORD>(buffer.size() - offset),
                                   &written) ||
                written == 0)
                return false;
            offset += written;
            sent += written;
            ui.SetProgress(sent, total);
            ui.SetStatus(brivel::remotebuild::UploadedText(sent, total));
        }
        buffer.clear();
    }
    file_.Close();
    return sent == total;
}

// The records follow a successful status only: an error page is no answer.
bool CUploadJob::AnswerIsSuccess(IUploaderUi& ui) {
    DWORD code = 0, size = sizeof code;
    if (!HttpQueryInfoA(request_.Get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &code, &size, nullptr)) {
        Report(ui, exchange::kConnectionLost, "");
        return false;
    }
    if (code >= 200 && code < 300) return true;
    Report(ui, exchange::kHttpError + StatusLineOf(request_.Get()), texts::kError);
    return false;
}

// Takes what has arrived (at most a block): a read of a whole block would
// wait for all of it, and an estimate would reach the countdown only with
// the DLL.
void CUploadJob::ReceiveMore(ReplyReader& reader) {
    DWORD available = 0, got = 0;
    if (!InternetQueryDataAvailable(request_.Get(), &available, 0, 0) || available == 0) {
        reader.EndOfReply();
        return;
    }
    block_.resize(kBlockSize);
    if (!InternetReadFile(request_.Get(), &block_[0], available < kBlockSize ? available : kBlockSize, &got) ||
        got == 0) {
        reader.EndOfReply();
        return;
    }
    reader.Supply(reinterpret_cast<const unsigned char*>(block_.data()), got);
}

// Until a DLL, an address or a message ends the records, or the answer
// ends. The countdown runs from the first estimate of two seconds or more
// until then.
void CUploadJob::ReadAnswer(IUploaderUi& ui) {
    ReplyReader reader(false);
    brivel::remotebuild::BuildTimeTicker countdown(clock_, [&ui](const std::string& text) { ui.SetStatus(text); });
    for (;;) {
        ReplyReader::Event event = reader.Next();
        if (event == ReplyReader::Event::NeedMore) {
            ReceiveMore(reader);
        } else if (event == ReplyReader::Event::Estimate) {
            if (reader.EstimatedSeconds() >= kShortestCountdown) countdown.Start(reader.EstimatedSeconds());
        } else {
            countdown.Stop();
            if (event == ReplyReader::Event::DllAnnounced) Download(ui, reader);
            else HandleOutcome(ui, reader);
            return;
        }
    }
}

void CUploadJob::HandleOutcome(IUploaderUi& ui, const ReplyReader& reader) {
    switch (reader.Outcome()) {
    case ReplyOutcome::EmptyDll:
        Report(ui, exchange::kEmptyDll, texts::kError);
        return;
    case ReplyOutcome::Redirect:
        ui.SetStatus(exchange::kRedirecting);
        if (!IsWebAddress(reader.Url())) Report(ui, texts::kNotAWebAddress + reader.Url(), texts::kError);
        else if (!ui.OpenAddress(reader.Url())) Report(ui, exchange::kRedirectFailed, texts::kError);
        return;
    case ReplyOutcome::Message:
        ui.ShowMessage(reader.Text(), texts::kError);
        ui.SetStatus(reader.Caption());
        return;
    case ReplyOutcome::LostConnection:
        // Between records the answer just ended; inside one, a record was cut off.
        Report(ui, exchange::kConnectionLost, reader.CutOffRecord() < 0 ? "" : texts::kError);
        return;
    default:
        Report(ui, exchange::kConnectionLost, texts::kError);
        return;
    }
}

void CUploadJob::Download(IUploaderUi& ui, ReplyReader& reader) {
    const uint32_t length = reader.DllLength();
    ui.SetStatus(exchange::kStartingDownload);
    ui.SetProgress(length, length);  // the count is the bytes still to come
    brivel::remotebuild::CTemporaryDllFile file;
    if (!file.Create(kTemporaryPrefix)) {
        Report(ui, exchange::kCannotCreateTemporary + brivel::remotebuild::CTemporaryDllFile::Folder(), texts::kError);
        return;
    }
    for (;;) {
        ReplyReader::Event event = reader.Next();
        if (event == ReplyReader::Event::NeedMore) {
            ReceiveMore(reader);
            continue;
        }
        if (event != ReplyReader::Event::DllBytes) break;
        if (!file.Write(reader.Bytes(), reader.ByteCount())) {
            file.Delete();
            Report(ui, exchange::kCannotWrite + file.Path(), texts::kError);
            return;
        }
        ui.SetProgress(reader.DllBytesMissing(), length);
        ui.SetStatus(brivel::remotebuild::DownloadedText(length - reader.DllBytesMissing(), length));
    }
    file.Close();
    if (reader.Outcome() != ReplyOutcome::DllComplete) {
        file.Delete();
        Report(ui, exchange::kConnectionLost, texts::kError);
        return;
    }
    Save(ui, file);
}

// The new DLL replaces an existing one in one move, and only where the user
// agreed to replace it: when the target cannot be replaced (a DLL in use,
// or a file that came after the question), the old one stays and the new
// one is kept in the temporary folder.
void CUploadJob::Save(IUploaderUi& ui, brivel::remotebuild::CTemporaryDllFile& file) {
    SaveLocation chosen;
    if (!ui.ChooseSaveLocation(SaveDialogInput{folders_.system, folders_.windows, libraryName_}, chosen)) {
        file.Delete();
        ui.SetStatus(texts::kNotSaved);
        return;
    }
    std::string target = chosen.path;
    if (chosen.choice != SaveChoice::OtherLocation) {
        const std::string& folder = chosen.choice == SaveChoice::SystemFolder ? folders_.system : folders_.windows;
        if (!DllPathInFolder(folder, libraryName_, target)) {
            file.Delete();
            Report(ui, texts::NotALibraryNameText(libraryName_), texts::kInvalidInput);
            return;
        }
    }
    DWORD flags = MOVEFILE_COPY_ALLOWED | (chosen.replaceExisting ? MOVEFILE_REPLACE_EXISTING : 0);
    if (MoveFileExA(file.Path().c_str(), target.c_str(), flags)) {
        Report(ui, texts::DllSavedAsText(target), texts::kBuildComplete);
        return;
    }
    DWORD error = GetLastError();
    std::string reason = SystemErrorText(error);
    if (reason.empty()) reason = "error " + std::to_string(error);
    Report(ui, texts::CouldNotSaveText(target, reason, file.Path()), texts::kError);
}

void CUploadJob::Report(IUploaderUi& ui, const std::string& text, const std::string& caption) {
    ui.SetStatus(text);
    ui.ShowMessage(text, caption);
}

void CUploadJob::CloseAll() {
    request_.Close();
    connection_.Close();
    session_.Close();
    file_.Close();
}

}  // namespace brivel::uploadctl
