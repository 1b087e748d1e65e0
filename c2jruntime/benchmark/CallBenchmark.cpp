// Cost of the calling interface against the JNI calls it wraps, on the same
// object in the same VM: C2jCallInt on a trivial method against
// CallIntMethod, C2jCallObj with a string argument against CallObjectMethod,
// C2jGetInt against GetIntField. Prints one BENCH line per pair.
//   c2j_call_benchmark [calls per round] [key prefix: only those pairs, for a profile]
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchRounds.h"
#include "BrivelC2J18.h"

using brivel::bench::CompareCalls;
using brivel::bench::Report;

namespace {
BSTR Wide(const std::string& text) {
    std::vector<OLECHAR> wide(text.begin(), text.end());
    return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

void Fail(const char* what, char* error) {
    std::fprintf(stderr, "%s: %s\n", what, error ? error : "(no message)");
    std::exit(1);
}
}  // namespace

int main(int argc, char** argv) {
    const long calls = argc > 1 ? std::atol(argv[1]) : 1000000;
    const std::string only = argc > 2 ? argv[2] : "";
    auto runs = [&](const char* key) { return std::string(key).compare(0, only.size(), only) == 0; };
    char* error = nullptr;
    C2jSetJvmPath(Wide(std::string(BRIVEL_JVM32) + "/lib/server"), &error);
    C2jSetClasspath(Wide(C2J_TEST_JAR), &error);
    if (!C2jInit(&error)) Fail("start", error);

    // Members by index: methods 1 <init>, 2 trivial, 3 echo; field 1 number.
    char* cinfo[] = {const_cast<char*>("3"), const_cast<char*>("<init>"), const_cast<char*>("()V"),
                     const_cast<char*>("trivial"), const_cast<char*>("()I"),
                     const_cast<char*>("echo"), const_cast<char*>("(Ljava/lang/String;)Ljava/lang/String;"),
                     const_cast<char*>("1"), const_cast<char*>("number"), const_cast<char*>("I"),
                     const_cast<char*>("0"), const_cast<char*>("0")};
    int cls = 0;
    C2jLoadClass(&cls, "brivel/c2jtest/Sample", &error, cinfo);
    if (cls <= 0) Fail("class", error);
    long obj = C2jCreateObject(cls, 1, &error);
    if (!obj) Fail("object", error);
    JNIEnv* env = reinterpret_cast<JNIEnv*>(C2jGetJenv(&error));
    jobject object = reinterpret_cast<jobject>(obj);
    jclass jc = env->GetObjectClass(object);
    jmethodID trivial = env->GetMethodID(jc, "trivial", "()I");
    jmethodID echo = env->GetMethodID(jc, "echo", "(Ljava/lang/String;)Ljava/lang/String;");
    jfieldID number = env->GetFieldID(jc, "number", "I");
    jstring text = env->NewStringUTF("benchmark");

    volatile long long sink = 0;  // keeps the results alive
    if (runs("c2j.call_int")) {
        auto callInt = CompareCalls([&] { sink += C2jCallInt(false, obj, cls, 2, &error); },
                                    [&] { sink += env->CallIntMethod(object, trivial); }, calls);
        Report("c2j.call_int", callInt.ours, callInt.floor, "ns");
    }

    // The result is a local reference of this attached thread: both sides
    // delete it, or the thread's references would pile up.
    if (runs("c2j.call_obj_string")) {
        auto callObj = CompareCalls(
            [&] {
                long result = C2jCallObj(false, obj, cls, 3, &error, text);
                env->DeleteLocalRef(reinterpret_cast<jobject>(result));
            },
            [&] { env->DeleteLocalRef(env->CallObjectMethod(object, echo, text)); }, calls);
        Report("c2j.call_obj_string", callObj.ours, callObj.floor, "ns");
    }

    if (runs("c2j.get_int")) {
        auto getInt = CompareCalls([&] { sink += C2jGetInt(false, obj, cls, 1, &error); },
                                   [&] { sink += env->GetIntField(object, number); }, calls);
        Report("c2j.get_int", getInt.ours, getInt.floor, "ns");
    }

    // Steps every access takes whatever the runtime does: the thread's
    // environment from the VM, and the check for a pending exception after
    // the access (the floor plus each, so they read against the same floor).
    JavaVM* vm = nullptr;
    env->GetJavaVM(&vm);
    if (runs("c2j.fixed_get_env")) {
        auto getEnv = CompareCalls(
            [&] {
                void* e = nullptr;
                vm->GetEnv(&e, JNI_VERSION_1_6);
                sink += env->GetIntField(object, number) + (e != nullptr);
            },
            [&] { sink += env->GetIntField(object, number); }, calls);
        Report("c2j.fixed_get_env", getEnv.ours, getEnv.floor, "ns");
    }
    if (runs("c2j.fixed_exception_occurred")) {
        auto occurred = CompareCalls(
            [&] {
                sink += env->GetIntField(object, number);
                sink += env->ExceptionOccurred() != nullptr;
            },
            [&] { sink += env->GetIntField(object, number); }, calls);
        Report("c2j.fixed_exception_occurred", occurred.ours, occurred.floor, "ns");
    }
    if (runs("c2j.fixed_exception_check")) {
        auto check = CompareCalls(
            [&] {
                sink += env->GetIntField(object, number);
                sink += env->ExceptionCheck();
            },
            [&] { sink += env->GetIntField(object, number); }, calls);
        Report("c2j.fixed_exception_check", check.ours, check.floor, "ns");
    }

    if (error) Fail("calls", error);
    return 0;
}
