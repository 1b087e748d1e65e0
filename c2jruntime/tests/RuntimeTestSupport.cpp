#include "RuntimeTestSupport.h"

#include <gtest/gtest.h>

namespace brivel::c2j::testing {

BSTR NewBstr(const std::string& ascii) {
    std::vector<OLECHAR> wide(ascii.begin(), ascii.end());  // no wide-character string functions here
    return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

std::string TakeBstr(BSTR text) {
    if (!text) return "(null)";
    std::string out;
    for (UINT i = 0; i < SysStringLen(text); ++i) out += static_cast<char>(text[i]);
    SysFreeString(text);
    return out;
}

bool StartRuntime(const std::string& extraArgs) {
    Message e;
    BSTR path = NewBstr(std::string(BRIVEL_JVM32) + "/lib/server");
    BSTR cp = NewBstr(std::string(C2J_TEST_JAR) + ":" + BRIVEL18_JAR);
    BSTR args = NewBstr(extraArgs);
    EXPECT_TRUE(C2jSetJvmPath(path, e.out())) << e.str();
    EXPECT_TRUE(C2jSetClasspath(cp, e.out())) << e.str();
    EXPECT_TRUE(C2jSetJvmArg(args, e.out())) << e.str();
    SysFreeString(path);
    SysFreeString(cp);
    SysFreeString(args);
    bool started = C2jInit(e.out());
    EXPECT_TRUE(started) << e.str();
    EXPECT_EQ(e.text, nullptr);
    return started;
}

Descriptor::Descriptor(const Pairs& methods, const Pairs& fields, const Pairs& staticMethods,
                       const Pairs& staticFields) {
    for (const Pairs* group : {&methods, &fields, &staticMethods, &staticFields}) {
        texts_.push_back(std::to_string(group->size()));
        for (const auto& pair : *group) {
            texts_.push_back(pair.first);
            texts_.push_back(pair.second);
        }
    }
    for (std::string& text : texts_) pointers_.push_back(&text[0]);
    pointers_.push_back(nullptr);
}

}  // namespace brivel::c2j::testing
