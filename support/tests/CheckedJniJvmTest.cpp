// The VM of a test checks JNI use: the test's registration turns the check
// on, and the VM reports a fault in words the run looks for in a test's
// output (BRIVEL_JNI_CHECK_REPORTS, '|' between them).
#include "TempFolder.h"
#include "TestJvm.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>

using brivel::testing::StartTestJvm;

namespace {

// What the VM writes to standard output while `work` runs.
std::string VmOutputOf(const std::string& file, const std::function<void()>& work) {
    std::fflush(stdout);
    int saved = dup(1);
    int out = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (saved < 0 || out < 0) {
        ADD_FAILURE() << "cannot redirect the standard output";
        return std::string();
    }
    dup2(out, 1);
    close(out);
    work();
    dup2(saved, 1);
    close(saved);
    return brivel::testing::ReadFileBytes(file);
}

// The first of the run's report texts found in the output, empty for none.
std::string ReportIn(const std::string& output) {
    std::istringstream reports(BRIVEL_JNI_CHECK_REPORTS);
    std::string report;
    while (std::getline(reports, report, '|'))
        if (output.find(report) != std::string::npos) return report;
    return std::string();
}

class CheckedJni : public brivel::testing::TempFolderTest {};

}  // namespace

TEST_F(CheckedJni, AJavaCallFollowedByAnotherWithoutAnExceptionCheckIsReported) {
    JNIEnv* env = StartTestJvm({BRIVEL18_JAR}, ".");
    ASSERT_NE(env, nullptr);
    jclass system = env->FindClass("java/lang/System");
    ASSERT_NE(system, nullptr);
    jmethodID now = env->GetStaticMethodID(system, "nanoTime", "()J");
    ASSERT_NE(now, nullptr);

    std::string checked = VmOutputOf(Path("checked.txt"), [&] {
        env->CallStaticLongMethod(system, now);
        EXPECT_FALSE(env->ExceptionCheck());
        env->DeleteLocalRef(env->FindClass("java/lang/String"));
    });
    EXPECT_EQ(ReportIn(checked), "") << checked;

    std::string unchecked = VmOutputOf(Path("unchecked.txt"), [&] {
        env->CallStaticLongMethod(system, now);
        env->DeleteLocalRef(env->FindClass("java/lang/String"));  // reported: no check since the call
        env->ExceptionCheck();
    });
    EXPECT_EQ(ReportIn(unchecked), "WARNING in native method") << unchecked;
    EXPECT_NE(unchecked.find("CallStaticLongMethod"), std::string::npos) << unchecked;
    env->DeleteLocalRef(system);
}

// The check comes on top of the options the run gives every VM: where the
// VM runs emulated, scripts/test sets QEMU_CPU and asks for the interpreter
// (JAVA_TOOL_OPTIONS=-Xint; compiled code meets faults of the emulator), and
// the VM of a checked test runs interpreted as well.
TEST_F(CheckedJni, TheCheckComesOnTopOfTheOptionsTheRunGivesEveryVm) {
    const char* options = std::getenv("JAVA_TOOL_OPTIONS");
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(std::string(options).rfind("-Xcheck:jni", 0), 0u) << options;
    JNIEnv* env = StartTestJvm({BRIVEL18_JAR}, ".");
    ASSERT_NE(env, nullptr);
    jclass system = env->FindClass("java/lang/System");
    ASSERT_NE(system, nullptr);
    jmethodID property = env->GetStaticMethodID(system, "getProperty", "(Ljava/lang/String;)Ljava/lang/String;");
    ASSERT_NE(property, nullptr);
    jstring name = env->NewStringUTF("java.vm.info");
    auto info = static_cast<jstring>(env->CallStaticObjectMethod(system, property, name));
    ASSERT_FALSE(env->ExceptionCheck());
    ASSERT_NE(info, nullptr);
    const char* chars = env->GetStringUTFChars(info, nullptr);
    const std::string mode = chars;  // "interpreted mode, sharing", "mixed mode, sharing"
    env->ReleaseStringUTFChars(info, chars);
    const bool emulated = std::getenv("QEMU_CPU") != nullptr;
    EXPECT_EQ(mode.rfind(emulated ? "interpreted mode" : "mixed mode", 0), 0u) << mode << "; options: " << options;
    env->DeleteLocalRef(info);
    env->DeleteLocalRef(name);
    env->DeleteLocalRef(system);
}
