// The test of a custom authorization class: the configuration dialog runs
// brivel.server.CheckValidAuthClass with the class name, hidden, and reads
// the first line it prints on standard output (the VM may print lines of its
// own on standard error first). "0" followed by a reason refuses the class.
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
    std::string firstLine;        // of standard output, without its line end
    std::string errorOutput;      // standard error (its start), for a failed run
};

struct AuthCheckVerdict {
    bool accepted = false;
    std::string message;  // why not
};

// Only a checker that ended well and said something other than "0..."
// accepts the class; a time-out, a failed run or no answer refuses it. A
// failed run shows its first line, else the first line of its standard
// error that is not the VM's notice of options it picked up.
AuthCheckVerdict JudgeAuthCheck(const AuthCheckRun& run);

}  // namespace brivel::serverhost
