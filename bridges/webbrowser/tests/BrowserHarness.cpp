#include "BrowserHarness.h"

#include <cstdarg>
#include <cstring>

using brivel::testing::StartTestJvm;
using brivel::testing::TakePendingException;

std::string BinFolder() {
    char program[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, program, sizeof program);
    std::string path(program, n);
    return path.substr(0, path.rfind('/'));
}

namespace {

std::string ClsidText(const CLSID& clsid) {
    char text[40];
    snprintf(text, sizeof text, "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
             static_cast<unsigned long>(clsid.Data1), clsid.Data2, clsid.Data3, clsid.Data4[0], clsid.Data4[1],
             clsid.Data4[2], clsid.Data4[3], clsid.Data4[4], clsid.Data4[5], clsid.Data4[6], clsid.Data4[7]);
    return text;
}

void SetText(const std::string& keyPath, const char* name, const std::string& value) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, keyPath.c_str(), &key), ERROR_SUCCESS) << keyPath;
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
}

// The server as the platform registers an in-process server of the class.
void RegisterClass(const std::string& clsid, const std::string& library) {
    SetText("CLSID\\" + clsid + "\\InprocServer32", nullptr, library);
    SetText("CLSID\\" + clsid + "\\InprocServer32", "ThreadingModel", "Both");
}
}  // namespace

std::string JavaText(JNIEnv* env, jstring text) {
    if (!text) return "(null)";
    const char* chars = env->GetStringUTFChars(text, nullptr);
    std::string out(chars);
    env->ReleaseStringUTFChars(text, chars);
    return out;
}

void BrowserHost::SetUp() {
    TempFolderTest::SetUp();
    // A registry of this process's own: the ProgIDs below are the browser's.
    setenv("BRIVEL_COMPAT_REGISTRY", Path("registry.txt").c_str(), 1);
    std::string library = BinFolder() + "/libbrivel_webbrowser_server.so";
    for (int kind = 0; kind < 4; ++kind) RegisterClass(ClsidText(BrowserTestClsid(kind)), library);
    // Compiled identifiers of InternetExplorer, ShellWindows and ShellNameSpace.
    RegisterClass("{0002DF01-0000-0000-C000-000000000046}", library);
    RegisterClass("{9BA05972-F6A8-11CF-A442-00A0C90A8F39}", library);
    RegisterClass("{55136805-B2DE-11D1-B9F2-00A0C98BC547}", library);
    // ProgIDs that name the test classes: the load hook refreshes the
    // identifiers of WebBrowser_V1, WebBrowser, SearchAssistantOC and
    // ShellSearchAssistantOC from them.
    SetText("Shell.Explorer\\CLSID", nullptr, ClsidText(BrowserTestClsid(kBrowserObject)));
    SetText("SearchAssistantOC.SearchAssistantOC\\CLSID", nullptr, ClsidText(BrowserTestClsid(kSearchObject)));

    // The host's own COM calls run in the apartment the bridge's threads join.
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    server_ = LoadLibraryA(library.c_str());
    ASSERT_NE(server_, nullptr);
    fire_ = reinterpret_cast<BrowserFireFn>(GetProcAddress(server_, "BrowserFire"));
    sinks_ = reinterpret_cast<BrowserSinksFn>(GetProcAddress(server_, "BrowserSinks"));
    outstanding_ = reinterpret_cast<BrowserOutstandingReferencesFn>(GetProcAddress(server_, "BrowserOutstandingReferences"));
    ASSERT_TRUE(fire_ && sinks_ && outstanding_);

    env_ = StartTestJvm({BRIVEL18_JAR, BRIVEL_SERVER_JAR, JNAVCTL_JAR, JNAVCTL_TEST_JAR}, BinFolder());
    ASSERT_NE(env_, nullptr);
}

void BrowserHost::TearDown() {
    if (outstanding_) EXPECT_EQ(outstanding_(), 0) << "references the Java program did not release";
    TempFolderTest::TearDown();
}

jobject BrowserHost::CallRoad(const char* name, const char* signature, ...) {
    jclass road = env_->FindClass("webbrowser/test/BrowserRoad");
    if (!road) {
        auto failure = TakePendingException(env_);
        ADD_FAILURE() << "BrowserRoad: " << failure.className << " " << failure.message;
        return nullptr;
    }
    jmethodID method = env_->GetStaticMethodID(road, name, signature);
    if (!method) {
        TakePendingException(env_);
        ADD_FAILURE() << "no method BrowserRoad." << name << signature;
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
    EXPECT_EQ(failure.className + failure.message, "") << "BrowserRoad." << name;
    return result;
}

void BrowserHost::RunProgram(const char* name) {
    CallRoad(name, "()V");
}

std::string BrowserHost::Heard() {
    jclass listeners = env_->FindClass("webbrowser/test/Listeners");
    jmethodID take = env_->GetStaticMethodID(listeners, "take", "()Ljava/lang/String;");
    auto text = static_cast<jstring>(env_->CallStaticObjectMethod(listeners, take));
    std::string out = JavaText(env_, text);
    env_->DeleteLocalRef(text);
    env_->DeleteLocalRef(listeners);
    return out;
}
