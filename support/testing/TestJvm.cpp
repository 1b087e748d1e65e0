#include "TestJvm.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <jvmti.h>

namespace brivel::testing {

namespace {
JavaVM* g_vm = nullptr;
JNIEnv* g_env = nullptr;

std::string JavaString(JNIEnv* env, jstring text) {
    if (!text) return std::string();
    const char* utf = env->GetStringUTFChars(text, nullptr);
    std::string result = utf ? utf : "";
    if (utf) env->ReleaseStringUTFChars(text, utf);
    return result;
}
// The text a Java method answered; empty when it threw (the exception is
// cleared) or answered null.
std::string AnsweredText(JNIEnv* env, jobject answer) {
    if (env->ExceptionCheck()) {
        env->ExceptionClear();
        return std::string();
    }
    std::string text = JavaString(env, static_cast<jstring>(answer));
    if (answer) env->DeleteLocalRef(answer);
    return text;
}

// The tag that marks the counting thread's Thread object for the heap walk.
const jlong kCountingThreadTag = 0x6c6f63616cLL;
// The tag that marks the object whose global references are counted.
const jlong kCountedObjectTag = 0x676c6f62616cLL;

jint JNICALL CountLocalRoot(jvmtiHeapReferenceKind kind, const jvmtiHeapReferenceInfo* info, jlong, jlong, jlong,
                            jlong*, jlong*, jint, void* count) {
    if (kind == JVMTI_HEAP_REFERENCE_JNI_LOCAL && info && info->jni_local.thread_tag == kCountingThreadTag)
        ++*static_cast<int*>(count);
    return 0;  // roots only: nothing below them is visited
}

jint JNICALL CountGlobalRoot(jvmtiHeapReferenceKind kind, const jvmtiHeapReferenceInfo*, jlong, jlong, jlong,
                             jlong* tag, jlong*, jint, void* count) {
    if (kind == JVMTI_HEAP_REFERENCE_JNI_GLOBAL && tag && *tag == kCountedObjectTag) ++*static_cast<int*>(count);
    return 0;
}

// The VM's tool interface, able to tag objects; null when it cannot be had.
jvmtiEnv* TaggingTools(JNIEnv* env) {
    JavaVM* vm = nullptr;
    if (!env || env->GetJavaVM(&vm) != JNI_OK) return nullptr;
    jvmtiEnv* jvmti = nullptr;
    if (vm->GetEnv(reinterpret_cast<void**>(&jvmti), JVMTI_VERSION_1_2) != JNI_OK) return nullptr;
    jvmtiCapabilities wanted{};
    wanted.can_tag_objects = 1;
    return jvmti->AddCapabilities(&wanted) == JVMTI_ERROR_NONE ? jvmti : nullptr;
}
}  // namespace

JNIEnv* StartTestJvm(const std::vector<std::string>& classPath, const std::string& libraryPath) {
    if (g_env) return g_env;
    void* libjvm = dlopen(BRIVEL_LIBJVM, RTLD_NOW | RTLD_GLOBAL);
    if (!libjvm) {
        ADD_FAILURE() << "cannot load " << BRIVEL_LIBJVM << ": " << dlerror();
        return nullptr;
    }
    using CreateJavaVM = jint(JNICALL*)(JavaVM**, void**, void*);
    auto create = reinterpret_cast<CreateJavaVM>(dlsym(libjvm, "JNI_CreateJavaVM"));
    if (!create) {
        ADD_FAILURE() << "JNI_CreateJavaVM not found";
        return nullptr;
    }
    std::string cp = "-Djava.class.path=";
    for (size_t i = 0; i < classPath.size(); ++i) cp += (i ? ":" : "") + classPath[i];
    std::string lp = "-Djava.library.path=" + libraryPath;
    std::vector<JavaVMOption> options(3);
    options[0].optionString = const_cast<char*>(cp.c_str());
    options[1].optionString = const_cast<char*>(lp.c_str());
    options[2].optionString = const_cast<char*>("-Xss1m");
    JavaVMInitArgs args{};
    args.version = JNI_VERSION_1_8;
    args.nOptions = static_cast<jint>(options.size());
    args.options = options.data();
    args.ignoreUnrecognized = JNI_FALSE;
    if (create(&g_vm, reinterpret_cast<void**>(&g_env), &args) != JNI_OK) {
        ADD_FAILURE() << "JNI_CreateJavaVM failed";
        g_env = nullptr;
    }
    return g_env;
}

int CountLocalReferences(JNIEnv* env) {
    jvmtiEnv* jvmti = TaggingTools(env);
    if (!jvmti) return -1;
    // The thread is held by a global reference during the walk, so that the
    // count holds none of its own.
    jthread local = nullptr;
    if (jvmti->GetCurrentThread(&local) != JVMTI_ERROR_NONE) return -1;
    jobject self = env->NewGlobalRef(local);
    env->DeleteLocalRef(local);
    if (!self) return -1;
    int count = -1;
    if (jvmti->SetTag(self, kCountingThreadTag) == JVMTI_ERROR_NONE) {
        jvmtiHeapCallbacks callbacks{};
        callbacks.heap_reference_callback = CountLocalRoot;
        int found = 0;
        if (jvmti->FollowReferences(0, nullptr, nullptr, &callbacks, &found) == JVMTI_ERROR_NONE) count = found;
        jvmti->SetTag(self, 0);
    }
    env->DeleteGlobalRef(self);
    return count;
}

int CountGlobalReferencesTo(JNIEnv* env, jobject object) {
    jvmtiEnv* jvmti = TaggingTools(env);
    if (!jvmti || !object) return -1;
    int count = -1;
    if (jvmti->SetTag(object, kCountedObjectTag) == JVMTI_ERROR_NONE) {
        jvmtiHeapCallbacks callbacks{};
        callbacks.heap_reference_callback = CountGlobalRoot;
        int found = 0;
        if (jvmti->FollowReferences(0, nullptr, nullptr, &callbacks, &found) == JVMTI_ERROR_NONE) count = found;
        jvmti->SetTag(object, 0);
    }
    return count;
}

PendingException TakePendingException(JNIEnv* env) {
    PendingException result;
    jthrowable thrown = env->ExceptionOccurred();
    if (!thrown) return result;
    env->ExceptionClear();
    jclass cls = env->GetObjectClass(thrown);
    jclass classClass = env->FindClass("java/lang/Class");
    jmethodID getName = env->GetMethodID(classClass, "getName", "()Ljava/lang/String;");
    result.className = AnsweredText(env, env->CallObjectMethod(cls, getName));
    jclass throwableClass = env->FindClass("java/lang/Throwable");
    jmethodID getMessage = env->GetMethodID(throwableClass, "getMessage", "()Ljava/lang/String;");
    result.message = AnsweredText(env, env->CallObjectMethod(thrown, getMessage));
    env->DeleteLocalRef(throwableClass);
    env->DeleteLocalRef(classClass);
    env->DeleteLocalRef(cls);
    env->DeleteLocalRef(thrown);
    return result;
}

}  // namespace brivel::testing
