// Every status and message text of the build-service exchange, and what
// differs between its two owners: the server build dialog (C++ kind) and the
// COM-to-Java build page (specification kind).
#pragma once

#include <cstdint>
#include <string>

#include "BuildRequest.h"

namespace brivel::remotebuild {

namespace texts {
constexpr char kMessageCaption[] = "Brivel Message";
constexpr char kConnectingTo[] = "Connecting to ";
constexpr char kConnectedTo[] = "Connected to ";
constexpr char kFileUploaded[] = "File uploaded, waiting for build";
constexpr char kRedirecting[] = "File built, redirecting";
constexpr char kStartingDownload[] = "File built, starting download";
constexpr char kRedirectFailed[] = "Attempting to redirect: Failed to launch browser";
constexpr char kCannotInitialize[] = "Could not initialize internet connection";
constexpr char kNoSocket[] = "Could not create network socket";
constexpr char kHostNotFound[] = "Could not find host ";
constexpr char kCouldNotConnect[] = "Could not connect to ";
constexpr char kCannotRead[] = "Cannot read file ";
constexpr char kConnectionLost[] = "Connection lost";
constexpr char kInternetConnectionLost[] = "Internet connection lost (possible proxy problems?)";
constexpr char kConnectionHasBeenLost[] =
    "Connection has been lost.  Sometimes Proxy Servers or Firewalls cause problems with the automatic build "
    "process.  If connection problems persist, please cancel the build and look in your README.HTML file for a "
    "link for building manually via the browser.";
constexpr char kConnectAdvice[] =
    ".  If connection problems persist, cancel the build and look in the generated README.HTML file for a URL "
    "link for building via the browser.";

// Failures the exchange reports beyond its original texts.
constexpr char kEmptyDll[] = "The build service returned an empty DLL";
constexpr char kHttpError[] = "The build request failed: ";
constexpr char kHeaderUnended[] = "The build service's answer ended inside its HTTP header";
constexpr char kCannotCreateTemporary[] = "Could not create a temporary file in ";
constexpr char kCannotWrite[] = "Cannot write file ";
constexpr char kCannotFrame[] = "Cannot send the build request: the library name or the file is too long";
}  // namespace texts

// "Uploaded %d of %d bytes" (bytes sent, head and file in all).
std::string UploadedText(uint32_t sent, uint32_t total);
// "Downloaded %d of %d bytes" (bytes received, DLL length).
std::string DownloadedText(uint32_t received, uint32_t total);
// The build-time ticker: "Estimated Build Time: %d seconds       %03d".
std::string BuildTimeText(int estimatedSeconds, uint32_t elapsedSeconds);

// What the two owners of the exchange do differently.
struct KindPolicy {
    const char* lostWhileSending;  // send failed, upload incomplete, download short
    const char* lostWhileReading;  // the reply ended before a final record
    bool connectFailureAsAdvice;   // status "Could not connect to <host>", box with the advice
    const char* temporaryPrefix;   // GetTempFileName uses its first three letters
};

const KindPolicy& PolicyOf(BuildKind kind);

// The message box text of a failed connect, per kind.
std::string ConnectFailureBoxText(BuildKind kind, const std::string& host);

}  // namespace brivel::remotebuild
