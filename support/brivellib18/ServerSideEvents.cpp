// Server-side events: a COM object of a Java server's connection process
// fires an event into a sink that __RemoteEventAdd made for a remote
// client, and the sink hands it here. The runtime passes it to the Java
// server's event forwarder (brivel.server.TransactEnv), which sends it to
// the client and gives back the client's reply.
//
// Delivery is on while the process has a forwarder set; otherwise (no Java
// server, or no client listening) CheckServerSideEvents is false and the
// sinks drop their events.
#include <cstring>
#include <string>

#include "RuntimeDecls.h"

extern "C" jclass brivelFindClass(JNIEnv* env, const char* clsname);

namespace {
const char kServerClass[] = "brivel/server/TransactEnv";

// The Java server's class, or null (with no exception left pending) in a
// process that has none.
jclass ServerClass(JNIEnv* env) {
    if (!env || env->ExceptionCheck()) return nullptr;
    jclass cls = brivelFindClass(env, kServerClass);
    if (!cls) env->ExceptionClear();
    return cls;
}

jobject Box(JNIEnv* env, const char* boxClass, const char* sig, jvalue value) {
    jclass cls = env->FindClass(boxClass);
    if (!cls) return nullptr;
    std::string valueOf = std::string("(") + sig + ")L" + boxClass + ";";
    jmethodID of = env->GetStaticMethodID(cls, "valueOf", valueOf.c_str());
    jobject boxed = of ? env->CallStaticObjectMethodA(cls, of, &value) : nullptr;
    if (env->ExceptionCheck()) boxed = nullptr;
    env->DeleteLocalRef(cls);
    return boxed;
}

// One argument of the variable list as a Java object: OUT arguments are
// their one-element arrays; values of primitive type come boxed, each in
// the width the caller's argument promotion gave it.
jobject NextArgument(JNIEnv* env, va_list& ap) {
    int out = va_arg(ap, int);
    const char* type = va_arg(ap, const char*);
    std::string t = type ? type : "";
    jvalue v;
    std::memset(&v, 0, sizeof v);
    if (out) {
        jobject array = va_arg(ap, jobject);  // the sink's own reference: copied, never consumed
        return array ? env->NewLocalRef(array) : nullptr;
    }
    if (t == "boolean") {
        v.z = va_arg(ap, int) != 0 ? JNI_TRUE : JNI_FALSE;
        return Box(env, "java/lang/Boolean", "Z", v);
    }
    if (t == "byte") {
        v.b = static_cast<jbyte>(va_arg(ap, int));
        return Box(env, "java/lang/Byte", "B", v);
    }
    if (t == "short") {
        v.s = static_cast<jshort>(va_arg(ap, int));
        return Box(env, "java/lang/Short", "S", v);
    }
    if (t == "char") {
        v.c = static_cast<jchar>(va_arg(ap, int));
        return Box(env, "java/lang/Character", "C", v);
    }
    if (t == "int") {
        v.i = va_arg(ap, jint);
        return Box(env, "java/lang/Integer", "I", v);
    }
    if (t == "long") {
        v.j = va_arg(ap, jlong);
        return Box(env, "java/lang/Long", "J", v);
    }
    if (t == "float") {
        v.f = static_cast<jfloat>(va_arg(ap, double));
        return Box(env, "java/lang/Float", "F", v);
    }
    if (t == "double") {
        v.d = va_arg(ap, double);
        return Box(env, "java/lang/Double", "D", v);
    }
    // Strings, dates, variants, enumerations, records, interface objects
    // and arrays: the Java reference itself, as the caller still owns it.
    jobject ref = va_arg(ap, jobject);
    return ref ? env->NewLocalRef(ref) : nullptr;
}

// A failure of the forwarding is reported, never left pending in the sink.
void Report(JNIEnv* env) {
    if (env->ExceptionCheck()) {
        env->ExceptionDescribe();
        env->ExceptionClear();
    }
}
}  // namespace

BRIVEL_RT bool CheckServerSideEvents(JNIEnv* env) {
    jclass cls = ServerClass(env);
    if (!cls) return false;
    jmethodID forwards = env->GetStaticMethodID(cls, "forwardsEvents", "()Z");
    bool on = forwards && env->CallStaticBooleanMethod(cls, forwards);
    env->DeleteLocalRef(cls);
    Report(env);
    return on;
}

BRIVEL_RT int OnServerSideEvent(JNIEnv* env, jobject brvJavaObject, jstring interfaceName, int numArgs, int,
                                const char* repType, const char* eventFn, ...) {
    jclass cls = ServerClass(env);
    if (!cls) return 0;
    int reply = 0;
    jmethodID forward = env->GetStaticMethodID(
        cls, "forwardEvent", "(Ljava/lang/Object;Ljava/lang/String;Ljava/lang/String;[Ljava/lang/Object;)Ljava/lang/Object;");
    jclass objectClass = env->FindClass("java/lang/Object");
    jobjectArray args = forward && objectClass ? env->NewObjectArray(numArgs > 0 ? numArgs : 0, objectClass, nullptr)
                                               : nullptr;
    if (args) {
        va_list ap;
        va_start(ap, eventFn);
        for (int i = 0; i < numArgs && !env->ExceptionCheck(); ++i) {
            jobject arg = NextArgument(env, ap);
            env->SetObjectArrayElement(args, i, arg);
            if (arg) env->DeleteLocalRef(arg);
        }
        va_end(ap);
    }
    jstring name = args ? env->NewStringUTF(eventFn ? eventFn : "") : nullptr;
    if (name && !env->ExceptionCheck()) {
        jobject answer = env->CallStaticObjectMethod(cls, forward, brvJavaObject, interfaceName, name, args);
        // The client's reply counts for events that answer a boolean.
        if (answer && !env->ExceptionCheck() && repType && std::strcmp(repType, "boolean") == 0) {
            jclass booleanClass = env->FindClass("java/lang/Boolean");
            if (booleanClass && env->IsInstanceOf(answer, booleanClass)) {
                jmethodID value = env->GetMethodID(booleanClass, "booleanValue", "()Z");
                reply = value && env->CallBooleanMethod(answer, value) ? 1 : 0;
            }
            if (booleanClass) env->DeleteLocalRef(booleanClass);
        }
        if (answer) env->DeleteLocalRef(answer);
    }
    Report(env);
    if (name) env->DeleteLocalRef(name);
    if (args) env->DeleteLocalRef(args);
    if (objectClass) env->DeleteLocalRef(objectClass);
    env->DeleteLocalRef(cls);
    return reply;
}
