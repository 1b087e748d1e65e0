// The natives of the Java server's classes on the real i386 Java VM, loaded
// from BrvServerLib as the server loads them. This program also stands in
// for each connection's process (ConnectionProcessStandIn.cpp), which
// records the command line it was given.
#include <windows.h>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "TempFolder.h"
#include "TestJvm.h"

using brivel::testing::Answered;
using brivel::testing::PendingException;
using brivel::testing::ReadFileBytes;
using brivel::testing::StartTestJvm;
using brivel::testing::TakePendingException;
using brivel::testing::WriteFileBytes;

namespace {

const std::string kConfigFile = std::string(BRIVEL_LIBRARY_DIR) + "/BrivelServer.config";
const char kThreadModeVariable[] = "__brivelThreadInitializationMode__";

std::string ClassPathOption(const std::vector<std::string>& jars) {
    std::string joined;
    for (const std::string& jar : jars) joined += (joined.empty() ? "" : ":") + jar;
    return joined;
}

std::string JavaText(JNIEnv* env, jstring text) {
    if (!text) return "<null>";
    const char* utf = env->GetStringUTFChars(text, nullptr);
    std::string result = utf;
    env->ReleaseStringUTFChars(text, utf);
    return result;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, separator)) parts.push_back(part);
    return parts;
}

std::string ThisProgram() {
    char path[4096];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path);
    return n > 0 ? std::string(path, static_cast<size_t>(n)) : std::string();
}

class ServerNatives : public brivel::testing::TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        std::remove(kConfigFile.c_str());
        record_ = Path("connections.txt");
        setenv("BRIVEL_CONNECTION_RECORD", record_.c_str(), 1);
    }
    void TearDown() override {
        std::remove(kConfigFile.c_str());
        TempFolderTest::TearDown();
    }

    // The VM with the server's classes (after `first`, which may replace
    // some), the test's driver, and BrvServerLib loaded by the driver.
    JNIEnv* StartServerVm(const std::vector<std::string>& first = {}) {
        classPath_ = first;
        for (const char* jar : {BRIVEL_SERVER_JAR, BRIVEL18_JAR, SERVER_TEST_JAR}) classPath_.push_back(jar);
        JNIEnv* env = StartTestJvm(classPath_, BRIVEL_LIBRARY_DIR);
        if (!env) return nullptr;
        CallStatic(env, "servertest/NativesDriver", "load", "()V");
        EXPECT_EQ(TakePendingException(env).className, "");
        return env;
    }

    static void CallStatic(JNIEnv* env, const char* cls, const char* name, const char* sig) {
        jclass c = env->FindClass(cls);
        jmethodID m = c ? env->GetStaticMethodID(c, name, sig) : nullptr;
        if (m) env->CallStaticVoidMethod(c, m);
    }

    // A connection object made as the server makes it; its natives are
    // instance methods.
    static jobject NewConnectionObject(JNIEnv* env) {
        jclass cls = env->FindClass("brivel/server/BrvServer");
        jmethodID ctor = env->GetMethodID(cls, "<init>", "(ZILjava/net/Socket;IZLbrivel/TavoAuth;)V");
        return env->NewObject(cls, ctor, JNI_FALSE, 0, nullptr, 0, JNI_FALSE, nullptr);
    }

    static jint GetConnid(JNIEnv* env, jobject server, jint n, jint k) {
        jmethodID m = env->GetMethodID(env->GetObjectClass(server), "getConnid", "(IIIII)I");
        return Answered(env, env->CallIntMethod(server, m, 7, 8, 9, n, k));
    }

    static void OnDisconnect(JNIEnv* env, jobject server, jint id) {
        jmethodID m = env->GetMethodID(env->GetObjectClass(server), "onDisconnect", "(I)V");
        env->CallVoidMethod(server, m, id);
        EXPECT_EQ(TakePendingException(env).className, "");
    }

    static jint OpenCount(JNIEnv* env) {
        jclass cls = env->FindClass("brivel/server/BrvServer");
        return Answered(env, env->CallStaticIntMethod(cls, env->GetStaticMethodID(cls, "getNCons", "()I")));
    }

    // The records of the connection processes, once `count` have run.
    std::vector<std::vector<std::string>> WaitForConnectionRecords(size_t count) {
        std::vector<std::string> lines;
        for (int i = 0; i < 1000; ++i) {
            lines = Split(ReadFileBytes(record_), '\n');
            if (lines.size() >= count) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        std::vector<std::vector<std::string>> records;
        for (const std::string& line : lines) records.push_back(Split(line, '|'));
        return records;
    }

    std::string record_;
    std::vector<std::string> classPath_;
};

}  // namespace

TEST_F(ServerNatives, ConfigurationReachesJavaAsJavaText) {
    WriteFileBytes(kConfigFile, "defaultPort: 25000\nAuthFile: C:\\Users\\J\xF6rg\\clients.txt # \xE9t\xE9\n");
    JNIEnv* env = StartServerVm();
    ASSERT_NE(env, nullptr);
    jclass main = env->FindClass("brivel/server/BrvServerMain");
    ASSERT_TRUE(Answered(env, env->CallStaticBooleanMethod(main, env->GetStaticMethodID(main, "initConfig", "()Z"))));
    jmethodID getItem = env->GetStaticMethodID(main, "getConfigItem", "(Ljava/lang/String;)Ljava/lang/String;");
    jmethodID getInt = env->GetStaticMethodID(main, "getConfigItemInt", "(Ljava/lang/String;I)I");
    auto item = [&](const char* key) {
        jstring k = key ? env->NewStringUTF(key) : nullptr;
        return JavaText(env, Answered(env, static_cast<jstring>(env->CallStaticObjectMethod(main, getItem, k))));
    };
    EXPECT_EQ(item("authfile"), "C:\\Users\\J\xC3\xB6rg\\clients.txt");  // the 1252 file text as Java's UTF-8
    EXPECT_EQ(item("SSLPort"), "<null>");
    EXPECT_EQ(item(nullptr), "<null>");
    EXPECT_EQ(Answered(env, env->CallStaticIntMethod(main, getInt, env->NewStringUTF("DEFAULTPORT"), 24044)), 25000);
    EXPECT_EQ(Answered(env, env->CallStaticIntMethod(main, getInt, env->NewStringUTF("SSLPort"), 24045)), 24045);
    EXPECT_EQ(Answered(env, env->CallStaticIntMethod(main, getInt, nullptr, 24045)), 24045);

    jclass server = env->FindClass("brivel/server/BrvServer");
    EXPECT_TRUE(Answered(env, env->CallStaticBooleanMethod(server, env->GetStaticMethodID(server, "initService", "()Z"))));
}

TEST_F(ServerNatives, EachConnectionGetsAnIdAndAHiddenProcessWithTheServersClassPathAndTheExtraEntries) {
    WriteFileBytes(kConfigFile, "ExtraClasspath: /extra/a.jar;/extra/classes\n");
    setenv(kThreadModeVariable, "__MTA__", 1);
    JNIEnv* env = StartServerVm();
    ASSERT_NE(env, nullptr);
    jclass main = env->FindClass("brivel/server/BrvServerMain");
    ASSERT_TRUE(Answered(env, env->CallStaticBooleanMethod(main, env->GetStaticMethodID(main, "initConfig", "()Z"))));
    jobject server = NewConnectionObject(env);
    ASSERT_NE(server, nullptr);

    EXPECT_EQ(GetConnid(env, server, 5, 3), 0x300);
    EXPECT_EQ(GetConnid(env, server, 6, 3), 0x301);
    EXPECT_EQ(OpenCount(env), 2);
    auto records = WaitForConnectionRecords(2);
    ASSERT_EQ(records.size(), 2u);
    std::set<std::string> idsAndNumbers;
    for (const auto& words : records) {
        ASSERT_EQ(words.size(), 7u) << ReadFileBytes(record_);
        EXPECT_EQ(words[0], ThisProgram());
        EXPECT_EQ(words[1], "-classpath");
        EXPECT_EQ(words[2], ClassPathOption(classPath_) + ";/extra/a.jar;/extra/classes");
        EXPECT_EQ(words[3], "brivel.server.TransactEnv");
        EXPECT_EQ(words[6], "mode=<absent>");  // the thread mode is not inherited
        idsAndNumbers.insert(words[4] + " " + words[5]);
    }
    EXPECT_EQ(idsAndNumbers, (std::set<std::string>{"768 5", "769 6"}));
    EXPECT_EQ(getenv(kThreadModeVariable), nullptr);  // and stays removed in the server

    OnDisconnect(env, server, 0x300);
    OnDisconnect(env, server, 0x300);  // a second disconnect of one connection counts nothing
    EXPECT_EQ(OpenCount(env), 1);
    OnDisconnect(env, server, 0x301);
    EXPECT_EQ(OpenCount(env), 0);
}

TEST_F(ServerNatives, WithoutExtraEntriesTheProcessGetsTheServersClassPathAlone) {
    JNIEnv* env = StartServerVm();  // no configuration file at all
    ASSERT_NE(env, nullptr);
    jobject server = NewConnectionObject(env);
    EXPECT_EQ(GetConnid(env, server, 1, 0), 1);  // listener 0 starts at 1: 0 is no id
    auto records = WaitForConnectionRecords(1);
    ASSERT_EQ(records.size(), 1u);
    ASSERT_EQ(records[0].size(), 7u);
    EXPECT_EQ(records[0][2], ClassPathOption(classPath_));
    EXPECT_EQ(records[0][4], "1");
}

// The class path is Java text: characters outside the code page reach the
// connection's process unchanged (its command line goes as UTF-16, here
// UTF-8 arguments), and the configuration's entries keep theirs.
TEST_F(ServerNatives, AClassPathOutsideTheCodePageReachesTheConnectionProcessWhole) {
    WriteFileBytes(kConfigFile, "ExtraClasspath: /extra/\xE9t\xE9.jar\n");  // 1252 text
    JNIEnv* env = StartServerVm();
    ASSERT_NE(env, nullptr);
    jclass main = env->FindClass("brivel/server/BrvServerMain");
    ASSERT_TRUE(Answered(env, env->CallStaticBooleanMethod(main, env->GetStaticMethodID(main, "initConfig", "()Z"))));
    jclass system = env->FindClass("java/lang/System");
    jmethodID setProperty =
        env->GetStaticMethodID(system, "setProperty", "(Ljava/lang/String;Ljava/lang/String;)Ljava/lang/String;");
    const jchar omega[] = {'/', 'c', 'p', '/', 0x03A9, '.', 'j', 'a', 'r'};  // not in code page 1252
    env->CallStaticObjectMethod(system, setProperty, env->NewStringUTF("java.class.path"), env->NewString(omega, 9));
    ASSERT_EQ(TakePendingException(env).className, "");

    jobject server = NewConnectionObject(env);
    EXPECT_EQ(GetConnid(env, server, 1, 4), 0x400);
    auto records = WaitForConnectionRecords(1);
    ASSERT_EQ(records.size(), 1u);
    ASSERT_EQ(records[0].size(), 7u) << ReadFileBytes(record_);
    EXPECT_EQ(records[0][2], "/cp/\xCE\xA9.jar;/extra/\xC3\xA9t\xC3\xA9.jar");
}

// The configuration read again while a connection's process is being
// started (by another thread of the server, here by the class path's
// lookup in the middle of it) does not pull the extra entries from under it.
TEST_F(ServerNatives, TheConfigurationReadAgainMeanwhileLeavesTheConnectionsClassPathWhole) {
    const std::string before = "/extra/" + std::string(40, 'a') + ".jar";
    const std::string after = "/extra/" + std::string(400, 'b') + ".jar";
    WriteFileBytes(kConfigFile, "ExtraClasspath: " + before + "\n");
    JNIEnv* env = StartServerVm();
    ASSERT_NE(env, nullptr);
    jclass main = env->FindClass("brivel/server/BrvServerMain");
    ASSERT_TRUE(Answered(env, env->CallStaticBooleanMethod(main, env->GetStaticMethodID(main, "initConfig", "()Z"))));
    CallStatic(env, "servertest/RereadingProperties", "install", "()V");
    ASSERT_EQ(TakePendingException(env).className, "");
    WriteFileBytes(kConfigFile, "ExtraClasspath: " + after + "\n");

    jobject server = NewConnectionObject(env);
    EXPECT_EQ(GetConnid(env, server, 1, 5), 0x500);
    jmethodID getItem = env->GetStaticMethodID(main, "getConfigItem", "(Ljava/lang/String;)Ljava/lang/String;");
    auto read = static_cast<jstring>(
        Answered(env, env->CallStaticObjectMethod(main, getItem, env->NewStringUTF("ExtraClasspath"))));
    EXPECT_EQ(JavaText(env, read), after) << "the configuration was read again meanwhile";
    auto records = WaitForConnectionRecords(1);
    ASSERT_EQ(records.size(), 1u);
    ASSERT_EQ(records[0].size(), 7u) << ReadFileBytes(record_);
    EXPECT_EQ(records[0][2], ClassPathOption(classPath_) + ";" + before);
}

TEST_F(ServerNatives, AProcessThatCannotStartGivesMinusOneAndCountsNothing) {
    JNIEnv* env = StartServerVm();
    ASSERT_NE(env, nullptr);
    jobject server = NewConnectionObject(env);
    ASSERT_EQ(GetConnid(env, server, 1, 2), 0x200);
    // The program (this one) cannot be run for a moment: no execute bit.
    // The program's other cases hold the same lock and wait meanwhile.
    std::string program = ThisProgram();
    struct stat status {};
    ASSERT_EQ(stat(program.c_str(), &status), 0);
    ASSERT_EQ(chmod(program.c_str(), status.st_mode & ~mode_t(0111)), 0);
    jint failed = GetConnid(env, server, 1, 2);
    chmod(program.c_str(), status.st_mode);
    EXPECT_EQ(failed, -1);
    EXPECT_EQ(OpenCount(env), 1);
    EXPECT_EQ(GetConnid(env, server, 1, 2), 0x202);
}

TEST_F(ServerNatives, ServerThreadsGetDistinctIdsAndTheCountComesBackToZero) {
    JNIEnv* env = StartServerVm();
    ASSERT_NE(env, nullptr);
    jclass driver = env->FindClass("servertest/NativesDriver");
    auto result = static_cast<jintArray>(
        env->CallStaticObjectMethod(driver, env->GetStaticMethodID(driver, "connectFromThreads", "(II)[I"), 4, 8));
    ASSERT_EQ(TakePendingException(env).className, "");
    ASSERT_NE(result, nullptr);
    std::vector<jint> ids(static_cast<size_t>(env->GetArrayLength(result)));
    env->GetIntArrayRegion(result, 0, static_cast<jsize>(ids.size()), ids.data());
    ASSERT_EQ(ids.size(), 33u);
    EXPECT_EQ(ids.back(), 32) << "open count while every connection was open";
    ids.pop_back();
    std::set<jint> distinct(ids.begin(), ids.end());
    EXPECT_EQ(distinct.size(), 32u);
    for (jint id : ids) EXPECT_EQ(id >> 8, 1) << "id " << id;
    EXPECT_EQ(OpenCount(env), 0);
    EXPECT_EQ(WaitForConnectionRecords(32).size(), 32u);
}

TEST_F(ServerNatives, InitProtoStartsTheConnectionObjectWithItsArgumentsInOrder) {
    JNIEnv* env = StartServerVm();
    ASSERT_NE(env, nullptr);
    jclass driver = env->FindClass("servertest/NativesDriver");
    jint id = env->CallStaticIntMethod(driver, env->GetStaticMethodID(driver, "openConnection", "(II)I"), 3, 9);
    ASSERT_EQ(TakePendingException(env).className, "");
    // The third argument of initProto is the listener (the id's high part),
    // the fourth the client's number, which the connection's process gets.
    EXPECT_EQ(id, 0x300);
    EXPECT_EQ(OpenCount(env), 1);
    auto records = WaitForConnectionRecords(1);
    ASSERT_EQ(records.size(), 1u);
    ASSERT_EQ(records[0].size(), 7u);
    EXPECT_EQ(records[0][4] + " " + records[0][5], "768 9");

    env->CallStaticVoidMethod(driver, env->GetStaticMethodID(driver, "closeConnection", "()V"));
    EXPECT_EQ(TakePendingException(env).className, "");
    for (int i = 0; i < 500 && OpenCount(env) != 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(OpenCount(env), 0);  // the connection object ended it
}

namespace {
// initProto with a connected socket, from Java's side; what it left pending.
PendingException InitProtoWithASocket(JNIEnv* env) {
    jclass driver = env->FindClass("servertest/NativesDriver");
    env->CallStaticIntMethod(driver, env->GetStaticMethodID(driver, "openConnection", "(II)I"), 1, 1);
    return TakePendingException(env);
}
}  // namespace

TEST_F(ServerNatives, InitProtoWithoutTheConnectionClassThrowsInJava) {
    JNIEnv* env = StartTestJvm({SERVER_MAIN_ONLY_JAR, BRIVEL18_JAR, SERVER_TEST_JAR}, BRIVEL_LIBRARY_DIR);
    ASSERT_NE(env, nullptr);
    CallStatic(env, "servertest/NativesDriver", "load", "()V");
    ASSERT_EQ(TakePendingException(env).className, "");
    EXPECT_EQ(InitProtoWithASocket(env).className, "java.lang.NoClassDefFoundError");
    EXPECT_NE(env->FindClass("java/lang/String"), nullptr);  // the VM goes on
}

TEST_F(ServerNatives, InitProtoWithAnotherConstructorThrowsInJava) {
    JNIEnv* env = StartServerVm({SERVER_OTHER_CONSTRUCTOR_JAR});
    ASSERT_NE(env, nullptr);
    EXPECT_EQ(InitProtoWithASocket(env).className, "java.lang.NoSuchMethodError");
    EXPECT_NE(env->FindClass("java/lang/String"), nullptr);
}

TEST_F(ServerNatives, AConstructorThatThrowsLeavesItsExceptionAndStartsNothing) {
    JNIEnv* env = StartServerVm({SERVER_THROWING_JAR});
    ASSERT_NE(env, nullptr);
    PendingException thrown = InitProtoWithASocket(env);
    EXPECT_EQ(thrown.className, "java.lang.IllegalStateException");
    EXPECT_EQ(thrown.message, "connection refused by the constructor");
    EXPECT_NE(env->FindClass("java/lang/String"), nullptr);
}

// A sink that counts the references it is given back.
struct CountedSink : IUnknown {
    int releases = 0;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** ppv) override {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override {
        ++releases;
        return 1;
    }
};

TEST_F(ServerNatives, RemoteListenersAreAddedThroughRemoteEventAddAndRemovedThroughUnadvise) {
    JNIEnv* env = StartServerVm();
    ASSERT_NE(env, nullptr);
    jclass transact = env->FindClass("brivel/server/TransactEnv");
    jmethodID doRegistration = env->GetStaticMethodID(
        transact, "doRegistration", "(Ljava/lang/Object;Ljava/lang/String;Lbrivel/TavoEventListener;IZ)[Ljava/lang/Object;");
    ASSERT_NE(doRegistration, nullptr);

    jclass sourceClass = env->FindClass("servertest/RemoteSource");
    jobject source = env->AllocObject(sourceClass);
    auto added = static_cast<jobjectArray>(
        env->CallStaticObjectMethod(transact, doRegistration, source, env->NewStringUTF("ClickEvents"), nullptr, 0, JNI_TRUE));
    ASSERT_EQ(TakePendingException(env).className, "");
    ASSERT_NE(added, nullptr);
    ASSERT_EQ(env->GetArrayLength(added), 2);
    EXPECT_EQ(JavaText(env, static_cast<jstring>(env->GetObjectArrayElement(added, 0))), "added");
    EXPECT_EQ(JavaText(env, static_cast<jstring>(env->GetObjectArrayElement(added, 1))), "ClickEvents");

    jclass advisedClass = env->FindClass("servertest/AdvisedObject");
    ASSERT_NE(advisedClass, nullptr) << TakePendingException(env).className;
    jobject advised = env->NewObject(advisedClass, env->GetMethodID(advisedClass, "<init>", "()V"));
    jclass listenerClass = env->FindClass("brivel/TavoEventListener");
    jobject listener = env->NewObject(listenerClass, env->GetMethodID(listenerClass, "<init>", "()V"));
    // The listener holds its sink's first reference: the removal lets go of it.
    CountedSink sink;
    jfieldID sinkField = env->GetFieldID(listenerClass, "__TavoEventSink", "I");
    ASSERT_NE(sinkField, nullptr);
    env->SetIntField(listener, sinkField, static_cast<jint>(reinterpret_cast<intptr_t>(static_cast<IUnknown*>(&sink))));
    jobject removed = env->CallStaticObjectMethod(transact, doRegistration, advised, nullptr, listener, 42, JNI_FALSE);
    ASSERT_EQ(TakePendingException(env).className, "");
    EXPECT_EQ(removed, nullptr);
    EXPECT_EQ(env->GetIntField(advised, env->GetFieldID(advisedClass, "unadvisedCookie", "I")), 42);
    jobject given = env->GetObjectField(advised, env->GetFieldID(advisedClass, "unadvisedListener", "Lbrivel/TavoEventListener;"));
    EXPECT_TRUE(env->IsSameObject(given, listener));
    EXPECT_EQ(sink.releases, 1) << "the listener's reference of its sink";
    EXPECT_EQ(env->GetIntField(listener, sinkField), 0);
}

TEST_F(ServerNatives, RegistrationOnAnObjectWithoutTheMethodsAnswersNullAndLeavesNoException) {
    JNIEnv* env = StartServerVm();
    ASSERT_NE(env, nullptr);
    jclass transact = env->FindClass("brivel/server/TransactEnv");
    jmethodID doRegistration = env->GetStaticMethodID(
        transact, "doRegistration", "(Ljava/lang/Object;Ljava/lang/String;Lbrivel/TavoEventListener;IZ)[Ljava/lang/Object;");
    jobject plain = env->NewStringUTF("a plain object");
    for (jboolean add : {JNI_TRUE, JNI_FALSE}) {
        jobject result = env->CallStaticObjectMethod(transact, doRegistration, plain, env->NewStringUTF("Events"), nullptr, 1, add);
        EXPECT_EQ(result, nullptr) << "add " << int(add);
        EXPECT_EQ(TakePendingException(env).className, "") << "add " << int(add);
    }
    env->CallStaticObjectMethod(transact, doRegistration, nullptr, env->NewStringUTF("Events"), nullptr, 1, JNI_TRUE);
    EXPECT_EQ(TakePendingException(env).className, "java.lang.NullPointerException");
}
