// The stand-in product classes carry the members that natives and the
// runtime look up by name and signature, on the real Java VM.
#include "TestJvm.h"

#include <gtest/gtest.h>

using brivel::testing::StartTestJvm;
using brivel::testing::TakePendingException;

namespace {

JNIEnv* Jvm() { return StartTestJvm({BRIVEL18_JAR, BRIVEL_SERVER_JAR}, "."); }

jclass Find(JNIEnv* env, const char* name) {
    jclass cls = env->FindClass(name);
    EXPECT_NE(cls, nullptr) << name << ": " << TakePendingException(env).className;
    return cls;
}

void ExpectMethod(JNIEnv* env, const char* cls, const char* name, const char* sig, bool isStatic = false) {
    jclass c = Find(env, cls);
    if (!c) return;
    jmethodID id = isStatic ? env->GetStaticMethodID(c, name, sig) : env->GetMethodID(c, name, sig);
    EXPECT_NE(id, nullptr) << cls << "." << name << sig;
    TakePendingException(env);
}

void ExpectField(JNIEnv* env, const char* cls, const char* name, const char* sig, bool isStatic = false) {
    jclass c = Find(env, cls);
    if (!c) return;
    jfieldID id = isStatic ? env->GetStaticFieldID(c, name, sig) : env->GetFieldID(c, name, sig);
    EXPECT_NE(id, nullptr) << cls << "." << name;
    TakePendingException(env);
}

}  // namespace

TEST(ProductClasses, MembersThatNativesAndGeneratedCodeUse) {
    JNIEnv* env = Jvm();
    ASSERT_NE(env, nullptr);
    ExpectField(env, "brivel/TavoObject", "__TavoWarnMTA", "Z", true);
    ExpectMethod(env, "brivel/TavoObject", "TavoModeMTA", "()Z", true);
    ExpectMethod(env, "brivel/TavoObject", "<init>", "(Lbrivel/TavoClientObjMap;)V");
    ExpectMethod(env, "brivel/TavoObject", "__TavoAdvise", "(Lbrivel/TavoEventListener;)I");
    ExpectMethod(env, "brivel/TavoObject", "__TavoUnadvise", "(Lbrivel/TavoEventListener;I)V");
    ExpectMethod(env, "brivel/TavoObject", "_TavoAddEventListener", "(Lbrivel/TavoEventListener;)V");
    ExpectMethod(env, "brivel/TavoObject", "_TavoRemoveEventListener", "(Lbrivel/TavoEventListener;)V");
    ExpectMethod(env, "brivel/TavoObject", "__TavoStaticCoerce", "(Lbrivel/TavoObject;Ljava/lang/Class;)Ljava/lang/Object;", true);
    ExpectField(env, "brivel/TavoObject", "__TavoComPtr", "I");
    ExpectField(env, "brivel/TavoEventListener", "__TavoEventSink", "I");
    ExpectMethod(env, "brivel/TavoEventListener", "TavoOnEventError", "(Ljava/lang/String;Ljava/lang/String;)V");
    ExpectMethod(env, "brivel/TavoEventListener", "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
    ExpectMethod(env, "brivel/TavoActiveXContainer", "setActiveX", "(Lbrivel/TavoActiveXObject;)V");
    ExpectField(env, "brivel/TavoEnumeration", "__Brv_value", "I");
    ExpectMethod(env, "brivel/TavoEnumeration", "getEnumeratedIntValue", "()I");
    ExpectMethod(env, "brivel/TavoRecord", "<init>", "()V");
    ExpectMethod(env, "brivel/TavoVariant", "<init>", "()V");
    ExpectField(env, "brivel/TavoVariant", "__TavoVariantData", "I");
    ExpectMethod(env, "brivel/out/TavoIntArray", "<init>", "([I)V");
    ExpectField(env, "brivel/out/TavoVariantArray", "array", "[Lbrivel/TavoVariant;");
    ExpectField(env, "brivel/out/TavoComobjArray", "array", "[Lbrivel/TavoObject;");
    ExpectMethod(env, "brivel/server/BrvServer", "<init>", "(ZILjava/net/Socket;IZLbrivel/TavoAuth;)V");
    ExpectMethod(env, "brivel/server/BrvServer", "start", "()V");
    ExpectMethod(env, "brivel/server/BrvServerMain", "initProto", "(ZLjava/net/Socket;IIZLbrivel/TavoAuth;)V", true);
    ExpectMethod(env, "brivel/server/BrvServerMain", "getConfigItemInt", "(Ljava/lang/String;I)I", true);
    ExpectMethod(env, "brivel/server/TransactEnv", "doRegistration",
                 "(Ljava/lang/Object;Ljava/lang/String;Lbrivel/TavoEventListener;IZ)[Ljava/lang/Object;", true);
}

TEST(ProductClasses, EventListenerBaseCanBeAllocatedWithoutItsConstructor) {
    JNIEnv* env = Jvm();
    ASSERT_NE(env, nullptr);
    jclass listener = Find(env, "brivel/TavoEventListener");
    ASSERT_NE(listener, nullptr);
    jobject object = env->AllocObject(listener);
    EXPECT_NE(object, nullptr);
    EXPECT_TRUE(TakePendingException(env).className.empty());
}

TEST(ProductClasses, CheckValidAuthClassRefusesUnknownAndUnsuitableClasses) {
    JNIEnv* env = Jvm();
    ASSERT_NE(env, nullptr);
    jclass check = Find(env, "brivel/server/CheckValidAuthClass");
    ASSERT_NE(check, nullptr);
    jmethodID method = env->GetStaticMethodID(check, "check", "(Ljava/lang/String;)Ljava/lang/String;");
    ASSERT_NE(method, nullptr);
    auto run = [&](const char* name) {
        jstring result = static_cast<jstring>(env->CallStaticObjectMethod(check, method, env->NewStringUTF(name)));
        if (env->ExceptionCheck() || !result) return name + (": " + TakePendingException(env).className);
        const char* chars = env->GetStringUTFChars(result, nullptr);
        std::string text(chars);
        env->ReleaseStringUTFChars(result, chars);
        return text;
    };
    EXPECT_EQ(run("no.such.Auth").substr(0, 1), "0");
    EXPECT_EQ(run("java.lang.String").substr(0, 1), "0");
}
