// One build of the upload control: the COM file goes to the build service
// as one HTTP POST through the platform's HTTP client (WinINet), and the
// answer's records (the exchange's reply reader, without an HTTP header:
// the client has taken it off) end in a DLL saved where the user chooses, a
// page opened, a message, or a lost connection.
//
// Start runs on the form's thread (the checks, the connection and the start
// of the request); Run is the upload thread's work and reports everything
// through the form (IUploaderUi). The job owns the file and the Internet
// handles, and closes them when it ends.
#pragma once

#include <windows.h>
#include <wininet.h>

#include <cstdint>
#include <string>

#include "BuildTimeTicker.h"
#include "ComFileRequest.h"
#include "ReplyReader.h"
#include "TemporaryDllFile.h"
#include "UploaderUi.h"

namespace brivel::uploadctl {

// The folders of the save choices 0 and 1.
struct SaveFolders {
    std::string system;
    std::string windows;
};
SaveFolders PlatformSaveFolders();

// A failure to report: the text and the message box's caption.
struct UploadFailure {
    std::string text;
    std::string caption;
};

// The platform's text for an error code, without its line end; empty when
// the platform has none.
std::string SystemErrorText(DWORD error);

// Owns one WinINet handle.
class CInternetHandle {
public:
    CInternetHandle() = default;
    ~CInternetHandle() { Close(); }
    CInternetHandle(const CInternetHandle&) = delete;
    CInternetHandle& operator=(const CInternetHandle&) = delete;
    void Reset(HINTERNET handle) {
        Close();
        handle_ = handle;
    }
    void Close() {
        if (handle_) InternetCloseHandle(handle_);
        handle_ = nullptr;
    }
    HINTERNET Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    HINTERNET handle_ = nullptr;
};

class CUploadJob {
public:
    explicit CUploadJob(SaveFolders folders = PlatformSaveFolders(),
                        brivel::remotebuild::TickerClock clock = brivel::remotebuild::SystemTickerClock());
    CUploadJob(const CUploadJob&) = delete;
    CUploadJob& operator=(const CUploadJob&) = delete;

    // Opens the COM file for shared reading, frames the request, opens the
    // Internet session, connects to the host on the HTTP port and starts a
    // POST to the target path with the body's length. False, with every
    // handle closed, and the failure to report.
    bool Start(const ComFileRequest& request, const std::string& comFilePath, const std::string& host,
               const std::string& targetPath, UploadFailure& failure);

    // Sends the header and the file, reads the answer, downloads and saves
    // the DLL; closes every handle when it ends. Once per started job.
    void Run(IUploaderUi& ui);

private:
    bool Upload(IUploaderUi& ui);
    bool AnswerIsSuccess(IUploaderUi& ui);
    void ReadAnswer(IUploaderUi& ui);
    void HandleOutcome(IUploaderUi& ui, const brivel::remotebuild::ReplyReader& reader);
    void Download(IUploaderUi& ui, brivel::remotebuild::ReplyReader& reader);
    void Save(IUploaderUi& ui, brivel::remotebuild::CTemporaryDllFile& file);
    void ReceiveMore(brivel::remotebuild::ReplyReader& reader);
    void Report(IUploaderUi& ui, const std::string& text, const std::string& caption);
    void CloseAll();

    SaveFolders folders_;
    brivel::remotebuild::TickerClock clock_;
    std::string host_;
    std::string libraryName_;
    std::string header_;
    uint32_t fileSize_ = 0;
    brivel::remotebuild::CBuildInputFile file_;
    CInternetHandle session_, connection_, request_;
    std::string block_;
};

}  // namespace brivel::uploadctl
