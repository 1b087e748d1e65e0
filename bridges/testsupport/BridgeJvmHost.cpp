#include "BridgeJvmHost.h"
#include "ProgramFolder.h"

#include <dlfcn.h>

#include <cstdarg>
#include <cstring>

using brivel::testing::StartTestJvm;
using brivel::testing::TakePendingException;

std::string BinFolder() {
    return brivel::testing::ProgramFolder();
}

std::string JavaText(JNIEnv* env, jstring text) {
    if (!text) return "(null)";
    const char* chars = env->GetStringUTFChars(text, nullptr);
    std::string out(chars);
    env->ReleaseStringUTFChars(text, chars);
    return out;
}

void BridgeJvmHost::SetText(const std::string& keyPath, const char* name, const std::string& value) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, keyPath.c_str(), &key), ERROR_SUCCESS) << keyPath;
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
}

void BridgeJvmHost::RegisterClass(const std::string& clsid, const std::string& library) {
    SetText("CLSID\\" + clsid + "\\InprocServer32", nullptr, library);
    SetText("CLSID\\" + clsid + "\\InprocServer32", "ThreadingModel", "Both");
}

void BridgeJvmHost::SetUp() {
    TempFolderTest::SetUp();
    // A registry of this process's own.
    setenv("BRIVEL_COMPAT_REGISTRY", Path("registry.txt").c_str(), 1);
    std::string library = BinFolder() + "/" + setup_.serverLibrary;
    RegisterServer(library);
    if (HasFatalFailure()) return;

    // The host's own COM calls run in the apartment the bridge's threads join.
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    server_ = LoadLibraryA(library.c_str());
    ASSERT_NE(server_, nullptr);
    outstanding_ = Export<LONG (*)()>(setup_.outstandingExport);
    ASSERT_NE(outstanding_, nullptr) << setup_.outstandingExport;
    FindExports();
    if (HasFatalFailure()) return;

    std::vector<std::string> classPath = setup_.classPath;
    classPath.push_back(BRIDGE_TEST_CHECKS_JAR);
    env_ = StartTestJvm(classPath, BinFolder());
    ASSERT_NE(env_, nullptr);
}

void BridgeJvmHost::TearDown() {
    if (outstanding_) {
        EXPECT_EQ(outstanding_(), 0) << "references the Java program did not release";
    }
    TempFolderTest::TearDown();
}

jobject BridgeJvmHost::CallRoad(const char* name, const char* signature, ...) {
    const char* roadName = strrchr(setup_.roadClass, '/') + 1;
    jclass road = env_->FindClass(setup_.roadClass);
    if (!road) {
        auto failure = TakePendingException(env_);
        ADD_FAILURE() << roadName << ": " << failure.className << " " << failure.message;
        return nullptr;
    }
    jmethodID method = env_->GetStaticMethodID(road, name, signature);
    if (!method) {
        TakePendingException(env_);
        ADD_FAILURE() << "no method " << roadName << "." << name << signature;
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
    EXPECT_EQ(failure.className + failure.message, "") << roadName << "." << name;
    return result;
}

void BridgeJvmHost::RunProgram(const char* name) {
    CallRoad(name, "()V");
}

std::string BridgeJvmHost::Heard() {
    jclass listener = env_->FindClass(setup_.listenerClass);
    jmethodID take = env_->GetStaticMethodID(listener, "take", "()Ljava/lang/String;");
    auto text = static_cast<jstring>(brivel::testing::Answered(env_, env_->CallStaticObjectMethod(listener, take)));
    std::string out = JavaText(env_, text);
    env_->DeleteLocalRef(text);
    env_->DeleteLocalRef(listener);
    return out;
}

void BridgeJvmHost::SetFailing(const char* event) {
    jclass listener = env_->FindClass(setup_.listenerClass);
    jfieldID field = env_->GetStaticFieldID(listener, "failing", "Ljava/lang/String;");
    jstring name = env_->NewStringUTF(event);
    env_->SetStaticObjectField(listener, field, name);
    env_->DeleteLocalRef(name);
    env_->DeleteLocalRef(listener);
}

IDispatch* BridgeJvmHost::SinkOfListener(jobject listener) {
    jclass base = env_->FindClass("brivel/TavoEventListener");
    jfieldID field = env_->GetFieldID(base, "__TavoEventSink", "I");
    env_->DeleteLocalRef(base);
    return reinterpret_cast<IDispatch*>(static_cast<intptr_t>(env_->GetIntField(listener, field)));
}

void* BridgeJvmHost::BridgeNative(const char* name) {
    void* bridge = dlopen((BinFolder() + "/" + setup_.bridgeLibrary).c_str(), RTLD_NOW | RTLD_NOLOAD);
    EXPECT_NE(bridge, nullptr) << "the VM loaded the bridge";
    if (!bridge) return nullptr;
    void* native = dlsym(bridge, name);
    dlclose(bridge);
    return native;
}
