// The native methods of the Java server's classes brivel.server.BrvServerMain,
// brivel.server.BrvServer and brivel.server.TransactEnv: the server's
// configuration, its connection objects, counting and ids of connections,
// one hidden Java process per connection, and remote event listeners.
#define BRVSERVERLIB_BUILDING
#include "BrvServerConfig.h"

#include <windows.h>
#include <objbase.h>

#include <jni.h>

#include <string>
#include <vector>

#include "ConnectionCommandLine.h"
#include "ConnectionRegistry.h"
#include "JniText.h"
#include "ModuleFileName.h"

namespace {

brivel::server::CConnectionRegistry g_connections;

// The bridge runtime's thread-mode choice: a connection's process makes its
// own, so it must not inherit the server's.
const char kThreadModeVariable[] = "__brivelThreadInitializationMode__";

// A connection's command line is put together in UTF-8 and started as
// UTF-16, so that a class path holding characters outside the code page
// (Java text) reaches the process unchanged.
std::string Utf8Of(const WCHAR* wide, int length) {
    if (length <= 0) return std::string();
    int n = WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string utf8(n > 0 ? n : 0, '\0');
    if (n > 0) WideCharToMultiByte(CP_UTF8, 0, wide, length, &utf8[0], n, nullptr, nullptr);
    return utf8;
}

std::string AnsiToUtf8(const std::string& ansi) {
    if (ansi.empty()) return ansi;
    int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::vector<WCHAR> wide(n > 0 ? n : 1);
    n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), n);
    return Utf8Of(wide.data(), n);
}

// System.getProperty("java.class.path") in UTF-8; empty when it cannot be read.
std::string JavaClassPath(JNIEnv* env) {
    std::string classPath;
    jclass system = env->FindClass("java/lang/System");
    jmethodID getProperty =
        system ? env->GetStaticMethodID(system, "getProperty", "(Ljava/lang/String;)Ljava/lang/String;") : nullptr;
    jstring key = getProperty ? env->NewStringUTF("java.class.path") : nullptr;
    if (key) {
        auto value = static_cast<jstring>(env->CallStaticObjectMethod(system, getProperty, key));
        if (!env->ExceptionCheck() && value) {
            const jchar* chars = env->GetStringChars(value, nullptr);
            if (chars) {
                classPath = Utf8Of(reinterpret_cast<const WCHAR*>(chars), env->GetStringLength(value));
                env->ReleaseStringChars(value, chars);
            }
        }
        if (value) env->DeleteLocalRef(value);
        env->DeleteLocalRef(key);
    }
    env->ExceptionClear();
    if (system) env->DeleteLocalRef(system);
    return classPath;
}

// Starts the process hidden, inheriting no handles; nothing of it is kept.
bool StartHiddenProcess(const std::string& commandLineUtf8) {
    int n = MultiByteToWideChar(CP_UTF8, 0, commandLineUtf8.c_str(), -1, nullptr, 0);
    if (n <= 0) return false;
    std::vector<WCHAR> commandLine(n);
    MultiByteToWideChar(CP_UTF8, 0, commandLineUtf8.c_str(), -1, commandLine.data(), n);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

// Closing the console, logging off, Ctrl+C and Ctrl+Break must not end the
// server; only a system shutdown goes on to the next handler.
BOOL WINAPI ConsoleCtrlHandler(DWORD controlType) { return controlType == CTRL_SHUTDOWN_EVENT ? FALSE : TRUE; }

}  // namespace

extern "C" {

JNIEXPORT jboolean JNICALL Java_brivel_server_BrvServerMain_initConfig(JNIEnv*, jclass) {
    return BrivelServerInitConfig() ? JNI_TRUE : JNI_FALSE;
}

JNIEXPORT jstring JNICALL Java_brivel_server_BrvServerMain_getConfigItem(JNIEnv* env, jclass, jstring key) {
    if (!key) return nullptr;
    const char* value = BrvServerGetConfigItem(brivel::c2j::JstringToAnsi(env, key).c_str());
    return value ? env->NewStringUTF(brivel::c2j::AnsiToModifiedUtf8(value).c_str()) : nullptr;
}

JNIEXPORT jint JNICALL Java_brivel_server_BrvServerMain_getConfigItemInt(JNIEnv* env, jclass, jstring key,
                                                                         jint defaultValue) {
    if (!key) return defaultValue;
    return BrvServerGetConfigItemInt(brivel::c2j::JstringToAnsi(env, key).c_str(), defaultValue);
}

// Creates the connection object of an accepted socket and starts its
// thread. A missing class or member leaves its error pending for the Java
// caller; the running thread keeps its object alive, so no reference is kept.
JNIEXPORT void JNICALL Java_brivel_server_BrvServerMain_initProto(JNIEnv* env, jclass, jboolean a1, jobject a2,
                                                                  jint a3, jint a4, jboolean a5, jobject a6) {
    jclass serverClass = env->FindClass("brivel/server/BrvServer");
    if (!serverClass) return;
    jmethodID constructor = env->GetMethodID(serverClass, "<init>", "(ZILjava/net/Socket;IZLbrivel/TavoAuth;)V");
    jmethodID start = constructor ? env->GetMethodID(serverClass, "start", "()V") : nullptr;
    if (start) {
        jobject server = env->NewObject(serverClass, constructor, a1, a4, a2, a3, a5, a6);
        if (server) {
            env->CallVoidMethod(server, start);
            env->DeleteLocalRef(server);
        }
    }
    env->DeleteLocalRef(serverClass);
}

// Counts a connection of listener k and starts the process that serves it:
// its id, 0 when no id is free, -1 (nothing counted) when the process could
// not be started.
JNIEXPORT jint JNICALL Java_brivel_server_BrvServer_getConnid(JNIEnv* env, jobject, jint, jint, jint, jint n,
                                                              jint k) {
    int id = g_connections.Open(k);
    if (id == 0) return 0;
    // A copy: the item's text would go if the configuration were read again
    // meanwhile (the class path's lookup runs Java code).
    const char* configured = BrvServerGetConfigItem("ExtraClasspath");
    const std::string extra = AnsiToUtf8(configured ? configured : "");
    const std::string launcher = AnsiToUtf8(brivel::ModuleFileName(nullptr));
    std::string commandLine = brivel::server::ConnectionCommandLine(launcher, JavaClassPath(env), extra, id, n);
    SetEnvironmentVariableA(kThreadModeVariable, nullptr);
    if (StartHiddenProcess(commandLine)) return id;
    g_connections.Close(id);
    return -1;
}

JNIEXPORT jint JNICALL Java_brivel_server_BrvServer_getNCons(JNIEnv*, jclass) { return g_connections.OpenCount(); }

JNIEXPORT jboolean JNICALL Java_brivel_server_BrvServer_initService(JNIEnv*, jclass) {
    return SetConsoleCtrlHandler(ConsoleCtrlHandler, TRUE) ? JNI_TRUE : JNI_FALSE;
}

JNIEXPORT void JNICALL Java_brivel_server_BrvServer_onConnect(JNIEnv*, jobject, jint) {}

// Ends a connection that getConnid counted; any other id changes nothing.
JNIEXPORT void JNICALL Java_brivel_server_BrvServer_onDisconnect(JNIEnv*, jobject, jint id) {
    g_connections.Close(id);
}

// The listener that __RemoteEventAdd made holds the first reference of its
// sink (which holds the object's Java object and the interface's name): it
// goes with the registration, whether or not the unadvise succeeded (the
// connection point keeps a reference of its own while it still has one).
static void ReleaseListenerSink(JNIEnv* env, jobject listener) {
    if (!listener) return;
    jthrowable pending = env->ExceptionOccurred();
    if (pending) env->ExceptionClear();
    jclass listenerClass = env->GetObjectClass(listener);
    jfieldID sinkField = env->GetFieldID(listenerClass, "__TavoEventSink", "I");
    if (sinkField) {
        IUnknown* sink = reinterpret_cast<IUnknown*>(static_cast<intptr_t>(env->GetIntField(listener, sinkField)));
        env->SetIntField(listener, sinkField, 0);
        if (sink) sink->Release();
    } else {
        env->ExceptionClear();
    }
    env->DeleteLocalRef(listenerClass);
    if (pending) {
        env->Throw(pending);
        env->DeleteLocalRef(pending);
    }
}

// Adds (through the object's __RemoteEventAdd) or removes (through its
// __TavoUnadvise) a remote client's event listener. An object without the
// method is left alone and null comes back.
JNIEXPORT jobjectArray JNICALL Java_brivel_server_TransactEnv_doRegistration(JNIEnv* env, jclass, jobject obj,
                                                                             jstring name, jobject listener,
                                                                             jint cookie, jboolean add) {
    if (!obj) {
        jclass npe = env->FindClass("java/lang/NullPointerException");
        if (npe) env->ThrowNew(npe, "no object to register a remote listener with");
        return nullptr;
    }
    jclass objectClass = env->GetObjectClass(obj);
    jobjectArray result = nullptr;
    if (add) {
        jmethodID remoteAdd = env->GetMethodID(objectClass, "__RemoteEventAdd", "(Ljava/lang/String;)[Ljava/lang/Object;");
        if (remoteAdd) result = static_cast<jobjectArray>(env->CallObjectMethod(obj, remoteAdd, name));
        else env->ExceptionClear();
    } else {
        jmethodID unadvise = env->GetMethodID(objectClass, "__TavoUnadvise", "(Lbrivel/TavoEventListener;I)V");
        if (unadvise) {
            env->CallVoidMethod(obj, unadvise, listener, cookie);
            ReleaseListenerSink(env, listener);
        } else {
            env->ExceptionClear();
        }
    }
    env->DeleteLocalRef(objectClass);
    return result;
}

}  // extern "C"
