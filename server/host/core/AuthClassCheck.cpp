#include "AuthClassCheck.h"

#include "BrvString.h"
#include "CommandLine.h"
#include "HostTexts.h"

namespace brivel::serverhost {

namespace {

// "Picked up JAVA_TOOL_OPTIONS: ..." and the like come before any error.
std::string FirstErrorLine(const std::string& errorOutput) {
    size_t start = 0;
    while (start < errorOutput.size()) {
        size_t end = errorOutput.find('\n', start);
        if (end == std::string::npos) end = errorOutput.size();
        std::string line = errorOutput.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line.rfind("Picked up ", 0) != 0) return line;
        start = end + 1;
    }
    return std::string();
}

}  // namespace

std::string AuthCheckArguments(const std::string& className) {
    return std::string(kAuthCheckClass) + " " + QuoteCommandArgument(className);
}

AuthCheckVerdict JudgeAuthCheck(const AuthCheckRun& run) {
    AuthCheckVerdict verdict;
    std::string failed = kAuthCheckFailed;
    if (!run.ended) {
        verdict.message = failed + kAuthCheckTimedOut;
    } else if (!run.outputReadable) {
        verdict.message = failed + kAuthCheckNoResource;
    } else if (!run.firstLine.empty() && run.firstLine[0] == '0') {
        verdict.message = run.firstLine.substr(1);
    } else if (run.exitCode != 0) {
        verdict.message = failed + FormatString(kAuthCheckExitCode, run.exitCode);
        std::string detail = run.firstLine.empty() ? FirstErrorLine(run.errorOutput) : run.firstLine;
        if (!detail.empty()) verdict.message += ": " + detail;
    } else if (run.firstLine.empty()) {
        verdict.message = failed + kAuthCheckNoAnswer;
    } else {
        verdict.accepted = true;
    }
    return verdict;
}

}  // namespace brivel::serverhost
