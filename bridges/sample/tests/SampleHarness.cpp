#include "SampleHarness.h"
#include "ProcAddress.h"

#include <cstdarg>
#include <cstring>
#include <vector>

using brivel::testing::StartTestJvm;
using brivel::testing::TakePendingException;

std::string BinFolder() {
    char program[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, program, sizeof program);
    std::string path(program, n);
    return path.substr(0, path.rfind('/'));
}

namespace {
void SetText(const std::string& keyPath, const char* name, const std::string& value) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, keyPath.c_str(), &key), ERROR_SUCCESS) << keyPath;
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
}
}  // namespace

std::string JavaText(JNIEnv* env, jstring text) {
    if (!text) return "(null)";
    const char* chars = env->GetStringUTFChars(text, nullptr);
    std::string out(chars);
    env->ReleaseStringUTFChars(text, chars);
    return out;
}

void SampleHost::SetUp() {
    TempFolderTest::SetUp();
    // A registry of this process's own: the control's class, as the
    // platform registers an in-process server, and no ProgID.
    setenv("BRIVEL_COMPAT_REGISTRY", Path("registry.txt").c_str(), 1);
    std::string library = BinFolder() + "/libbrivel_sample_server.so";
    const std::string clsid = "{D639163A-1B7C-4DA4-91EE-17112BCFD1A4}";
    SetText("CLSID\\" + clsid + "\\InprocServer32", nullptr, library);
    SetText("CLSID\\" + clsid + "\\InprocServer32", "ThreadingModel", "Both");

    // The host's own COM calls run in the apartment the bridge's threads join.
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    server_ = LoadLibraryA(library.c_str());
    ASSERT_NE(server_, nullptr);
    fire_ = brivel::ProcAddress<SampleFireFn>(server_, "SampleFire");
    sinks_ = brivel::ProcAddress<SampleSinksFn>(server_, "SampleSinks");
    calls_ = brivel::ProcAddress<SampleCallsFn>(server_, "SampleCalls");
    failCalls_ = brivel::ProcAddress<SampleFailCallsFn>(server_, "SampleFailCalls");
    outstanding_ = brivel::ProcAddress<SampleOutstandingReferencesFn>(server_, "SampleOutstandingReferences");
    ASSERT_TRUE(fire_ && sinks_ && calls_ && failCalls_ && outstanding_);

    env_ = StartTestJvm({BRIVEL18_JAR, BRIVEL_SERVER_JAR, SAMPLE_JAR, SAMPLE_TEST_JAR}, BinFolder());
    ASSERT_NE(env_, nullptr);
}

void SampleHost::TearDown() {
    if (outstanding_) {
        EXPECT_EQ(outstanding_(), 0) << "references the Java program did not release";
    }
    TempFolderTest::TearDown();
}

jobject SampleHost::CallRoad(const char* name, const char* signature, ...) {
    jclass road = env_->FindClass("sample/test/SampleRoad");
    if (!road) {
        auto failure = TakePendingException(env_);
        ADD_FAILURE() << "SampleRoad: " << failure.className << " " << failure.message;
        return nullptr;
    }
    jmethodID method = env_->GetStaticMethodID(road, name, signature);
    if (!method) {
        TakePendingException(env_);
        ADD_FAILURE() << "no method SampleRoad." << name << signature;
        return nullptr;
    }
    va_list args;
    va_start(args, signature);
    jobject result = nullptr;
    std::string returns = strrchr(signature, ')') + 1;
    if (returns == "V") env_->CallStaticVoidMethodV(road, method, args);
    else if (returns == "Z" && env_->CallStaticBooleanMethodV(road, method, args)) result = road;  // true: non-null
    else result = env_->CallStaticObjectMethodV(road, method, args);
    va_end(args);
    auto failure = TakePendingException(env_);
    EXPECT_EQ(failure.className + failure.message, "") << "SampleRoad." << name;
    return result;
}

void SampleHost::RunProgram(const char* name) {
    CallRoad(name, "()V");
}

std::string SampleHost::Calls() {
    std::vector<char> text(1 << 16);
    UINT length = calls_(text.data(), static_cast<UINT>(text.size()));
    EXPECT_LT(length, text.size()) << "the call log was cut";
    return text.data();
}

std::string SampleHost::Heard() {
    jclass listener = env_->FindClass("sample/test/SampleListener");
    jmethodID take = env_->GetStaticMethodID(listener, "take", "()Ljava/lang/String;");
    auto text = static_cast<jstring>(env_->CallStaticObjectMethod(listener, take));
    std::string out = JavaText(env_, text);
    env_->DeleteLocalRef(text);
    env_->DeleteLocalRef(listener);
    return out;
}
