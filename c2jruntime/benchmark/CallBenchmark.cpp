// Cost of the calling interface: C2jCallInt on a trivial Java method against
// a direct CallIntMethod on the same method and object. Prints both times
// and their ratio.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "BrivelC2J18.h"

int main(int argc, char** argv) {
    const int calls = argc > 1 ? std::stoi(argv[1]) : 2000000;
    char* error = nullptr;
    std::vector<OLECHAR> path, cp;
    for (char c : std::string(BRIVEL_JVM32) + "/lib/server") path.push_back(static_cast<OLECHAR>(c));
    for (char c : std::string(C2J_TEST_JAR)) cp.push_back(static_cast<OLECHAR>(c));
    BSTR p = SysAllocStringLen(path.data(), static_cast<UINT>(path.size()));
    BSTR c = SysAllocStringLen(cp.data(), static_cast<UINT>(cp.size()));
    C2jSetJvmPath(p, &error);
    C2jSetClasspath(c, &error);
    if (!C2jInit(&error)) {
        std::fprintf(stderr, "start failed: %s\n", error ? error : "");
        return 1;
    }
    char count[] = "1", none[] = "0", init[] = "<init>", initSig[] = "()V", name[] = "trivial", sig[] = "()I";
    char* cinfo[] = {const_cast<char*>("2"), init, initSig, name, sig, none, none, none};
    (void)count;
    int cls = 0;
    C2jLoadClass(&cls, "brivel/c2jtest/Sample", &error, cinfo);
    long obj = C2jCreateObject(cls, 1, &error);
    JNIEnv* env = reinterpret_cast<JNIEnv*>(C2jGetJenv(&error));
    jclass jc = env->GetObjectClass(reinterpret_cast<jobject>(obj));
    jmethodID trivial = env->GetMethodID(jc, "trivial", "()I");

    using Clock = std::chrono::steady_clock;
    long long sum = 0;
    for (int i = 0; i < calls / 10; ++i) {  // warm up both paths
        sum += C2jCallInt(false, obj, cls, 2, &error);
        sum += env->CallIntMethod(reinterpret_cast<jobject>(obj), trivial);
    }
    // Alternating rounds; the best of each side counts.
    double direct = 1e300, runtime = 1e300;
    for (int round = 0; round < 3; ++round) {
        auto start = Clock::now();
        for (int i = 0; i < calls; ++i) sum += env->CallIntMethod(reinterpret_cast<jobject>(obj), trivial);
        double d = std::chrono::duration<double, std::nano>(Clock::now() - start).count() / calls;
        start = Clock::now();
        for (int i = 0; i < calls; ++i) sum += C2jCallInt(false, obj, cls, 2, &error);
        double r = std::chrono::duration<double, std::nano>(Clock::now() - start).count() / calls;
        if (d < direct) direct = d;
        if (r < runtime) runtime = r;
    }
    std::printf("calls: %d (checksum %lld)\n", calls, sum);
    std::printf("direct CallIntMethod: %.1f ns per call\n", direct);
    std::printf("C2jCallInt:           %.1f ns per call\n", runtime);
    std::printf("ratio C2jCallInt / CallIntMethod: %.2f\n", runtime / direct);
    return 0;
}
