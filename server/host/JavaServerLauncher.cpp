#include "JavaServerLauncher.h"

#include <shellapi.h>

#include <vector>

#include "BrvServerConfig.h"
#include "HostTexts.h"
#include "JavaServerCommandLine.h"

namespace brivel::serverhost {
namespace {

// A new log file whose handle the child inherits.
HANDLE CreateInheritableLog(const char* path) {
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    return CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::string EnvironmentValue(const char* name) {
    DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
    if (size == 0) return std::string();
    std::vector<char> value(size);
    DWORD n = GetEnvironmentVariableA(name, value.data(), size);
    return n < size ? std::string(value.data(), n) : std::string();
}

}  // namespace

bool CJavaServerLauncher::Launch(CHostMessages& messages, const std::string& classAndArguments, const char* logPath,
                                 const std::string& title, HANDLE& process, const char* errorPath) const {
    process = nullptr;
    char java[MAX_PATH] = "";
    if (reinterpret_cast<INT_PTR>(FindExecutableA("java.exe", nullptr, java)) <= 32) {
        messages.Show(title + kJavaNotFound);
        return false;
    }
    std::string archive = ArchivePath();
    if (GetFileAttributesA(archive.c_str()) == INVALID_FILE_ATTRIBUTES) {
        messages.Show(title + ": " + archive + kJarNotFound);
        return false;
    }

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    HANDLE log = INVALID_HANDLE_VALUE, errors = INVALID_HANDLE_VALUE;
    if (logPath) {
        log = CreateInheritableLog(logPath);
        if (log == INVALID_HANDLE_VALUE) {
            messages.Show(title + kCannotWriteLog + logPath);
            return false;
        }
        if (errorPath) {
            errors = CreateInheritableLog(errorPath);
            if (errors == INVALID_HANDLE_VALUE) {
                CloseHandle(log);
                messages.Show(title + kCannotWriteLog + errorPath);
                return false;
            }
        }
        startup.dwFlags |= STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = log;
        startup.hStdError = errors != INVALID_HANDLE_VALUE ? errors : log;
    }

    std::string commandLine = JavaServerCommandLine(java, archive, EnvironmentValue("CLASSPATH"), classAndArguments);
    PROCESS_INFORMATION started{};
    BOOL ok = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, logPath ? TRUE : FALSE, 0, nullptr,
                             folder_.c_str(), &startup, &started);
    if (log != INVALID_HANDLE_VALUE) CloseHandle(log);
    if (errors != INVALID_HANDLE_VALUE) CloseHandle(errors);
    if (!ok) {
        messages.Show(title + kCannotRunJava);
        return false;
    }
    CloseHandle(started.hThread);
    process = started.hProcess;
    return true;
}

void CJavaServerLauncher::RotateLog() const {
    DeleteFileA(BackupLogPath().c_str());
    MoveFileA(LogPath().c_str(), BackupLogPath().c_str());
}

CJavaServerLauncher ServerLauncher() { return CJavaServerLauncher(BrvServerGetConfigDir()); }

}  // namespace brivel::serverhost
