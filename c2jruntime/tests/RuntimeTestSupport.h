// Helpers of the runtime's tests on the real i386 VM.
#pragma once

#include "BrivelC2J18.h"
#include "Watchdog.h"

#include <string>
#include <vector>

namespace brivel::c2j::testing {

// Owns a runtime message.
struct Message {
    char* text = nullptr;
    ~Message() { C2jFreeMem(text); }
    std::string str() const { return text ? text : "(null)"; }
    char** out() {
        C2jFreeMem(text);
        text = nullptr;
        return &text;
    }
};

BSTR NewBstr(const std::string& ascii);
std::string TakeBstr(BSTR text);  // frees it; "(null)" for null

// Configures the i386 VM's library folder, the test class path and the extra
// arguments, then starts Java; fails the test when it does not start.
bool StartRuntime(const std::string& extraArgs = std::string());

// A class descriptor: four groups (instance methods, instance fields, static
// methods, static fields) of name/signature pairs.
class Descriptor {
public:
    using Pairs = std::vector<std::pair<std::string, std::string>>;
    Descriptor(const Pairs& methods, const Pairs& fields, const Pairs& staticMethods, const Pairs& staticFields);
    char** get() { return pointers_.data(); }

private:
    std::vector<std::string> texts_;
    std::vector<char*> pointers_;
};

}  // namespace brivel::c2j::testing
