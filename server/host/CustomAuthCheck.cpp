#include "CustomAuthCheck.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "HostTexts.h"

namespace brivel::serverhost {
namespace {

// A new empty file in the user's temporary folder; empty when none can be made.
std::string NewTemporaryFile() {
    DWORD size = GetTempPathA(0, nullptr);
    if (size == 0) return std::string();
    std::vector<char> folder(size + 1);
    if (GetTempPathA(size + 1, folder.data()) == 0) return std::string();
    char name[MAX_PATH] = "";
    if (!GetTempFileNameA(folder.data(), "brv", 0, name)) return std::string();
    return name;
}

// The file's first line without its line end.
bool ReadFirstLine(const std::string& path, std::string& line) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    line.clear();
    for (int c; (c = std::fgetc(file)) != EOF && c != '\n';) line += static_cast<char>(c);
    std::fclose(file);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

// The start of the file (enough for the lines a failed run begins with).
std::string ReadStart(const std::string& path) {
    std::string text;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return text;
    char buffer[4096];
    text.assign(buffer, std::fread(buffer, 1, sizeof buffer, file));
    std::fclose(file);
    return text;
}

}  // namespace

bool CheckCustomAuthClass(CHostMessages& messages, const CJavaServerLauncher& launcher, const std::string& className,
                          unsigned timeoutMs) {
    // The answer is read from standard output alone: the VM may write lines
    // of its own to standard error before it.
    std::string output = NewTemporaryFile(), errors = NewTemporaryFile();
    auto removeFiles = [&] {
        if (!output.empty()) DeleteFileA(output.c_str());
        if (!errors.empty()) DeleteFileA(errors.c_str());
    };
    if (output.empty() || errors.empty()) {
        removeFiles();
        messages.Show(std::string(kAuthCheckFailed) + kAuthCheckNoResource);
        return false;
    }
    HANDLE checker = nullptr;
    if (!launcher.Launch(messages, AuthCheckArguments(className), output.c_str(), kAuthCheckTitle, checker,
                         errors.c_str())) {
        removeFiles();
        return false;
    }
    AuthCheckRun run;
    run.ended = WaitForSingleObject(checker, timeoutMs) == WAIT_OBJECT_0;
    if (run.ended) {
        GetExitCodeProcess(checker, &run.exitCode);
    } else {
        // A checker that hangs is not left running (it holds the file too).
        TerminateProcess(checker, 1);
        WaitForSingleObject(checker, 10000);
    }
    CloseHandle(checker);
    run.outputReadable = ReadFirstLine(output, run.firstLine);
    run.errorOutput = ReadStart(errors);
    removeFiles();
    AuthCheckVerdict verdict = JudgeAuthCheck(run);
    if (!verdict.accepted) messages.Show(verdict.message);
    return verdict.accepted;
}

}  // namespace brivel::serverhost
