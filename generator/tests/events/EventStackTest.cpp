// win32, under Wine: the events bridge's DLL as the generator wrote it. A
// COM caller calls its sink's virtual-table methods with the real
// __stdcall discipline, in which the callee takes its arguments off the
// stack: each method must take exactly what its caller pushed, also for an
// event that has no Java method. No Java VM runs here; the sink gets a small
// JNI environment of the test's own that answers "no such method" (so no
// Java method is ever called) and stops the test at any other call.
#include <gtest/gtest.h>
#include <windows.h>
#include <oaidl.h>

#include <jni.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

// Calls the __stdcall method `function` of `self` with `count` argument
// words and answers by how many bytes the stack pointer after the call
// differs from the one before the arguments were pushed: 0 when the callee
// took exactly its arguments and `self`, negative when it left some behind.
// The stack is restored in any case.
extern "C" int CallMeasuringStack(void* function, void* self, const DWORD* words, int count, HRESULT* result);
asm(R"(
    .text
    .globl _CallMeasuringStack
_CallMeasuringStack:
    pushl %ebp
    movl %esp, %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    movl %esp, %edi
    movl 20(%ebp), %ecx
    leal 4(,%ecx,4), %eax
    negl %eax
    andl $15, %eax
    andl $-16, %esp
    subl %eax, %esp
    movl %esp, %ebx
    movl 16(%ebp), %esi
1:  testl %ecx, %ecx
    jz 2f
    decl %ecx
    pushl (%esi,%ecx,4)
    jmp 1b
2:  pushl 12(%ebp)
    call *8(%ebp)
    movl 24(%ebp), %ecx
    movl %eax, (%ecx)
    movl %esp, %eax
    subl %ebx, %eax
    movl %edi, %esp
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    ret
)");

namespace {

const IID kProbeEventsIid = {0x6b2c0200, 0x0, 0x4000, {0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x31}};

// ---- the test's JNI environment

JNINativeInterface_ g_functions;
JNIInvokeInterface_ g_invoke;
JNIEnv g_env;
JavaVM g_vm;
jint g_sinkField = 0;

// Every function the sink should not call stops the test, naming its slot.
template <size_t N>
void JNICALL Unexpected() {
    std::fprintf(stderr, "unexpected JNI call: function slot %u\n", static_cast<unsigned>(N));
    std::fflush(stderr);
    ExitProcess(3);
}
template <size_t... I>
void FillWithUnexpected(void** slots, std::index_sequence<I...>) {
    ((slots[I] = reinterpret_cast<void*>(&Unexpected<I>)), ...);
}

jint JNICALL GetJavaVM(JNIEnv*, JavaVM** vm) {
    *vm = &g_vm;
    return JNI_OK;
}
jint JNICALL GetEnv(JavaVM*, void** env, jint) {
    *env = &g_env;
    return JNI_OK;
}
jclass JNICALL FindClass(JNIEnv*, const char*) { return nullptr; }
jclass JNICALL GetObjectClass(JNIEnv*, jobject) { return reinterpret_cast<jclass>(0x1000); }
jmethodID JNICALL GetMethodID(JNIEnv*, jclass, const char*, const char*) { return nullptr; }
jobject JNICALL NewGlobalRef(JNIEnv*, jobject obj) { return obj; }
void JNICALL DeleteRef(JNIEnv*, jobject) {}
void JNICALL SetIntField(JNIEnv*, jobject, jfieldID, jint value) { g_sinkField = value; }
jthrowable JNICALL ExceptionOccurred(JNIEnv*) { return nullptr; }
jboolean JNICALL ExceptionCheck(JNIEnv*) { return JNI_FALSE; }
void JNICALL ExceptionClear(JNIEnv*) {}

void SetUpJni() {
    const size_t slots = sizeof g_functions / sizeof(void*);
    FillWithUnexpected(reinterpret_cast<void**>(&g_functions), std::make_index_sequence<slots>());
    g_functions.GetJavaVM = GetJavaVM;
    g_functions.FindClass = FindClass;
    g_functions.GetObjectClass = GetObjectClass;
    g_functions.GetMethodID = GetMethodID;
    g_functions.NewGlobalRef = NewGlobalRef;
    g_functions.DeleteGlobalRef = DeleteRef;
    g_functions.DeleteLocalRef = DeleteRef;
    g_functions.SetIntField = SetIntField;
    g_functions.ExceptionOccurred = ExceptionOccurred;
    g_functions.ExceptionCheck = ExceptionCheck;
    g_functions.ExceptionClear = ExceptionClear;
    g_env.functions = &g_functions;
    const size_t invokeSlots = sizeof g_invoke / sizeof(void*);
    FillWithUnexpected(reinterpret_cast<void**>(&g_invoke), std::make_index_sequence<invokeSlots>());
    g_invoke.GetEnv = GetEnv;
    g_vm.functions = &g_invoke;
}

std::string BridgePath() {
    char program[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, program, sizeof program);
    std::string path(program, n);
    return path.substr(0, path.find_last_of("\\/") + 1) + "JEvents.dll";
}

// A virtual-table method of the sink's event interface: its slot (Event_<N>
// is slot 6 + N) and the argument words its caller pushes.
struct Call {
    const char* event;
    int slot;
    std::vector<DWORD> words;
};

}  // namespace

TEST(EventSinkStack, EveryVirtualTableMethodTakesWhatItsCallerPushed) {
    SetUpJni();
    HMODULE bridge = LoadLibraryA(BridgePath().c_str());
    ASSERT_NE(bridge, nullptr) << BridgePath() << " error " << GetLastError();
    using ListenerInit = jboolean(JNICALL*)(JNIEnv*, jobject);
    // Through the generic function pointer type: the export's own type differs.
    auto init = reinterpret_cast<ListenerInit>(reinterpret_cast<void (*)()>(
        GetProcAddress(bridge, "Java_test_events_IProbeEvents__1_1TavoEventListenerInit@8")));
    ASSERT_NE(init, nullptr);
    jobject listener = reinterpret_cast<jobject>(0x2000);
    ASSERT_TRUE(init(&g_env, listener));
    auto* sink = reinterpret_cast<IUnknown*>(static_cast<intptr_t>(g_sinkField));
    ASSERT_NE(sink, nullptr);
    IDispatch* events = nullptr;
    ASSERT_EQ(sink->QueryInterface(kProbeEventsIid, reinterpret_cast<void**>(&events)), S_OK);

    // Pointer arguments point at zeros, as large as any value they name.
    static DWORD zeros[16] = {};
    DWORD p = static_cast<DWORD>(reinterpret_cast<uintptr_t>(zeros));
    const std::vector<Call> calls = {
        // Events with a Java method (which the listener here lacks).
        {"Numbers(long, short, unsigned char, double, float, VARIANT_BOOL, Level)", 7, {1, 2, 3, 0, 0, 0, 0, 1}},
        {"Times(DATE, DATE *, CURRENCY, CURRENCY *)", 12, {0, 0, p, 0, 0, p}},
        {"Decide(long, [out, retval] VARIANT_BOOL *)", 14, {1, p}},
        // Events without a Java method.
        {"Weight (a property): double", 15, {0, 0}},
        {"Later (an optional argument): double, VARIANT", 16, {0, 0, 0, 0, 0, 0}},
        {"Settled (no conversion of DECIMAL): DECIMAL, long", 20, {0, 0, 0, 0, 1}},
        {"Weighed (an optional argument): Pair, Grams (an alias of double), VARIANT", 21, {1, 2, 0, 0, 0, 0, 0, 0}},
    };
    void** table = *reinterpret_cast<void***>(events);
    for (const Call& call : calls) {
        HRESULT result = E_FAIL;
        int left = CallMeasuringStack(table[call.slot], events, call.words.data(), static_cast<int>(call.words.size()),
                                      &result);
        EXPECT_EQ(left, 0) << call.event << ": bytes left on the caller's stack (negative) or taken from it";
        EXPECT_EQ(result, S_OK) << call.event;
    }
    events->Release();
    EXPECT_EQ(sink->Release(), 0u);
}
