#include "AuthClassCheck.h"

#include "BrvString.h"
#include "CommandLine.h"
#include "HostTexts.h"

namespace brivel::serverhost {

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
        if (!run.firstLine.empty()) verdict.message += ": " + run.firstLine;
    } else if (run.firstLine.empty()) {
        verdict.message = failed + kAuthCheckNoAnswer;
    } else {
        verdict.accepted = true;
    }
    return verdict;
}

}  // namespace brivel::serverhost
