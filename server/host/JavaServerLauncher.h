// Starts Java for the server host: the launcher java.exe found by the shell,
// the server's archive BrivelServer.jar of the server folder first on the
// class path, hidden, in the server folder, with its output in a log file.
// The server folder is the configuration folder, where BrvServerLib.dll and
// the archive lie; it also holds the log BrvServer.log and the previous
// run's log BrvServer_Log.bak.
#pragma once

#include <windows.h>

#include <string>

#include "HostMessages.h"

namespace brivel::serverhost {

class CJavaServerLauncher {
public:
    explicit CJavaServerLauncher(std::string serverFolder) : folder_(std::move(serverFolder)) {}

    // Runs `classAndArguments` with standard output and error in `logPath`
    // (created anew; null: not redirected), or standard error apart in
    // `errorPath` when one is given. On success the caller owns the process
    // handle. Each failure is shown, after `title`, and starts nothing:
    // java.exe not found, the archive missing (no log is created then), a
    // log not writable, the process not started.
    bool Launch(CHostMessages& messages, const std::string& classAndArguments, const char* logPath,
                const std::string& title, HANDLE& process, const char* errorPath = nullptr) const;

    const std::string& Folder() const { return folder_; }
    std::string ArchivePath() const { return folder_ + "\\BrivelServer.jar"; }
    std::string LogPath() const { return folder_ + "\\BrvServer.log"; }
    std::string BackupLogPath() const { return folder_ + "\\BrvServer_Log.bak"; }

    // The last run's log becomes the backup (replacing the one before);
    // failures are ignored.
    void RotateLog() const;

private:
    std::string folder_;
};

// The launcher of this program's server folder.
CJavaServerLauncher ServerLauncher();

}  // namespace brivel::serverhost
