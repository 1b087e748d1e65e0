// The test of a custom authorization class: the configuration dialog runs
// brivel.server.CheckValidAuthClass with the class name, hidden, and reads
// the first line it prints. "0" followed by a reason refuses the class.
#pragma once

#include <string>

namespace brivel::serverhost {

constexpr unsigned kAuthCheckTimeoutMs = 30000;

// The checker's class and its argument: the name as typed, quoted, so that
// it reaches the checker as one argument whatever it holds.
std::string AuthCheckArguments(const std::string& className);

struct AuthCheckRun {
    bool ended = false;           // the checker ended within the time-out
    unsigned long exitCode = 0;
    bool outputReadable = false;  // its output file could be opened
    std::string firstLine;        // without its line end
};

struct AuthCheckVerdict {
    bool accepted = false;
    std::string message;  // why not
};

// Only a checker that ended well and said something other than "0..."
// accepts the class; a time-out, a failed run or no answer refuses it.
AuthCheckVerdict JudgeAuthCheck(const AuthCheckRun& run);

}  // namespace brivel::serverhost
