// brivel.TavoMTA.initMTA() called on the real Java VM through BrivelMTALib.
// The variable is read back through the platform's environment, not through
// Java's (System.getenv is a copy taken when the VM started).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "TestJvm.h"

using brivel::testing::PendingException;
using brivel::testing::StartTestJvm;
using brivel::testing::TakePendingException;

namespace {
const char kModeVariable[] = "__brivelThreadInitializationMode__";

std::string Mode() {
    char value[512];
    DWORD n = GetEnvironmentVariableA(kModeVariable, value, sizeof value);
    if (n == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND) return "<absent>";
    return n < sizeof value ? std::string(value, n) : "<too long>";
}

// Calls brivel.TavoMTA.initMTA() and returns what it threw, if anything.
PendingException CallInitMta() {
    JNIEnv* env = StartTestJvm({BRIVEL18_JAR}, BRIVEL_LIBRARY_DIR);
    if (!env) return {"<no VM>", ""};
    jclass mta = env->FindClass("brivel/TavoMTA");
    if (!mta) return TakePendingException(env);
    jmethodID initMta = env->GetStaticMethodID(mta, "initMTA", "()V");
    if (!initMta) return TakePendingException(env);
    env->CallStaticVoidMethod(mta, initMta);
    return TakePendingException(env);
}

void ExpectRefusedAndUnchanged(const char* before) {
    ASSERT_TRUE(SetEnvironmentVariableA(kModeVariable, before));
    PendingException thrown = CallInitMta();
    EXPECT_EQ(thrown.className, "brivel.TavoException");
    EXPECT_EQ(thrown.message, "Brivel has already been initialized in STA mode");
    EXPECT_EQ(Mode(), before);
}
}  // namespace

TEST(TavoMTA, FirstCallMarksTheProcessAndSecondCallKeepsIt) {
    SetEnvironmentVariableA(kModeVariable, nullptr);
    ASSERT_EQ(Mode(), "<absent>");
    PendingException first = CallInitMta();
    EXPECT_EQ(first.className, "");
    EXPECT_EQ(Mode(), "__MTA__");
    PendingException second = CallInitMta();
    EXPECT_EQ(second.className, "");
    EXPECT_EQ(Mode(), "__MTA__");
}

TEST(TavoMTA, EmptyValueCountsAsNoChoice) {
    ASSERT_TRUE(SetEnvironmentVariableA(kModeVariable, ""));
    EXPECT_EQ(CallInitMta().className, "");
    EXPECT_EQ(Mode(), "__MTA__");
}

TEST(TavoMTA, OtherValueIsRefusedAndKept) { ExpectRefusedAndUnchanged("__STA__"); }

TEST(TavoMTA, MarkerInLowerCaseIsAnotherValue) { ExpectRefusedAndUnchanged("__mta__"); }

TEST(TavoMTA, ValueTooLongForTheBufferIsAnotherValue) {
    // Begins with the marker; only the length tells it apart.
    ExpectRefusedAndUnchanged(("__MTA__" + std::string(150, 'x')).c_str());
}
