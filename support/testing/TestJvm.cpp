#include "TestJvm.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

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

PendingException TakePendingException(JNIEnv* env) {
    PendingException result;
    jthrowable thrown = env->ExceptionOccurred();
    if (!thrown) return result;
    env->ExceptionClear();
    jclass cls = env->GetObjectClass(thrown);
    jclass classClass = env->FindClass("java/lang/Class");
    jmethodID getName = env->GetMethodID(classClass, "getName", "()Ljava/lang/String;");
    result.className = JavaString(env, static_cast<jstring>(env->CallObjectMethod(cls, getName)));
    jclass throwableClass = env->FindClass("java/lang/Throwable");
    jmethodID getMessage = env->GetMethodID(throwableClass, "getMessage", "()Ljava/lang/String;");
    result.message = JavaString(env, static_cast<jstring>(env->CallObjectMethod(thrown, getMessage)));
    return result;
}

}  // namespace brivel::testing
