// The runtime library on the real i386 VM, called as generated bridges call
// it: apartments, exceptions, remote creation, and the date, file-time, GUID
// and SAFEARRAY conversions (VARIANT elements included).
#include <gtest/gtest.h>

#include <jvmti.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <thread>

#include "TestJvm.h"
#include "brivellib18.h"

using brivel::testing::CountLocalReferences;
using brivel::testing::StartTestJvm;
using brivel::testing::TakePendingException;
using brivel::testing::PendingException;

namespace {
JNIEnv* Jvm() {
    JNIEnv* env = StartTestJvm({BRIVEL18_JAR}, BRIVEL_LIBRARY_DIR);
    if (env) brivelInitThread(env);
    return env;
}

std::string ModeVariable() {
    char mode[64];
    DWORD n = GetEnvironmentVariableA("__brivelThreadInitializationMode__", mode, sizeof mode);
    return std::string(mode, n);
}

HRESULT CALLBACK FillIn(EXCEPINFO* info) {
    info->bstrDescription = SysAllocString(L"filled in later");
    return S_OK;
}

// A COM object whose one property answers 7: the call a generated native
// makes between a conversion and its check, raising nothing.
class Answering final : public IDispatch {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        *out = riid == IID_IUnknown || riid == IID_IDispatch ? this : nullptr;
        if (!*out) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                     UINT*) override {
        if (result) {
            V_VT(result) = VT_I4;
            V_I4(result) = 7;
        }
        return S_OK;
    }

    std::atomic<long> refs{1};
};

// A late-bound call and the check after it, as a generated native makes
// them; true when the check says the native must return.
bool CallAndCheck(JNIEnv* env) {
    Answering object;
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    EXCEPINFO info;
    std::memset(&info, 0, sizeof info);
    unsigned int argErr = 0;
    VARIANT result;
    VariantInit(&result);
    HRESULT hr = brivelInvokeHelper(env, &object, 1, &none, DISPATCH_PROPERTYGET, &info, &argErr, &result);
    bool fatal = brivelCheckFatalError(env);
    EXPECT_EQ(hr, S_OK);
    EXPECT_EQ(V_I4(&result), 7);
    return fatal;
}

// Counts the VM's answers to "is an exception pending" (ExceptionCheck and
// ExceptionOccurred) while it lives, through the VM's JNI function table.
std::atomic<int> g_exceptionQueries{0};
const JNINativeInterface_* g_vmFunctions = nullptr;
jboolean JNICALL CountedExceptionCheck(JNIEnv* env) {
    ++g_exceptionQueries;
    return g_vmFunctions->ExceptionCheck(env);
}
jthrowable JNICALL CountedExceptionOccurred(JNIEnv* env) {
    ++g_exceptionQueries;
    return g_vmFunctions->ExceptionOccurred(env);
}
class ExceptionQueries {
public:
    explicit ExceptionQueries(JNIEnv* env) {
        JavaVM* vm = nullptr;
        if (env->GetJavaVM(&vm) != JNI_OK || vm->GetEnv(reinterpret_cast<void**>(&jvmti_), JVMTI_VERSION_1_2) != JNI_OK ||
            jvmti_->GetJNIFunctionTable(&original_) != JVMTI_ERROR_NONE) {
            ADD_FAILURE() << "the VM's JNI functions cannot be counted";
            return;
        }
        g_vmFunctions = original_;
        counted_ = *original_;
        counted_.ExceptionCheck = CountedExceptionCheck;
        counted_.ExceptionOccurred = CountedExceptionOccurred;
        installed_ = jvmti_->SetJNIFunctionTable(&counted_) == JVMTI_ERROR_NONE;
        if (!installed_) ADD_FAILURE() << "the VM's JNI functions cannot be counted";
        g_exceptionQueries = 0;
    }
    ~ExceptionQueries() {
        if (installed_) jvmti_->SetJNIFunctionTable(original_);
        if (original_) jvmti_->Deallocate(reinterpret_cast<unsigned char*>(const_cast<JNINativeInterface_*>(original_)));
    }
    int Count() const { return g_exceptionQueries; }

private:
    jvmtiEnv* jvmti_ = nullptr;
    jniNativeInterface* original_ = nullptr;
    JNINativeInterface_ counted_{};
    bool installed_ = false;
};
}  // namespace

TEST(RuntimeStartUp, FirstThreadFixesTheSingleThreadedApartment) {
    SetEnvironmentVariableA("__brivelThreadInitializationMode__", nullptr);
    JNIEnv* env = Jvm();
    ASSERT_NE(env, nullptr);
    EXPECT_EQ(ModeVariable(), "__STA__");
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
    EXPECT_NE(brivelGetComId(), nullptr);
    EXPECT_NE(brivelGetEventId(), nullptr);
    EXPECT_EQ(brivelGetJniEnv(), env);
}

TEST(RuntimeStartUp, ChosenMultithreadedApartmentIsUsedOnEveryThread) {
    SetEnvironmentVariableA("__brivelThreadInitializationMode__", "__MTA__");
    JNIEnv* env = Jvm();
    ASSERT_NE(env, nullptr);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
    CoUninitialize();
    jclass object = env->FindClass("brivel/TavoObject");
    jmethodID mode = env->GetStaticMethodID(object, "TavoModeMTA", "()Z");
    EXPECT_TRUE(env->CallStaticBooleanMethod(object, mode));
    EXPECT_FALSE(env->ExceptionCheck());
    // A COM thread that Java never saw gets an environment of its own.
    std::thread([env] {
        JNIEnv* own = brivelGetJniEnv();
        EXPECT_NE(own, nullptr);
        EXPECT_NE(own, env);
        brivelInitThread(own);
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
        CoUninitialize();
    }).join();
}

// The natives of the product classes that the runtime supplies.
extern "C" JNIEXPORT void JNICALL Java_brivel_TavoObject_TavoRelease(JNIEnv* env, jobject self);
extern "C" JNIEXPORT void JNICALL Java_brivel_TavoEventListener_TavoRelease(JNIEnv* env, jobject self);
extern "C" JNIEXPORT void JNICALL Java_brivel_TavoVariant_TavoRelease(JNIEnv* env, jobject self);

// A product jar of another release whose listener class lacks its sink's
// field (put first on the class path): each call that needs the product's
// members fails with the VM's error, which names the member, takes no
// reference it keeps, and leaves no local reference behind however often
// it looks again.
TEST(RuntimeStartUp, AMissingProductMemberFailsEachCallAndLeaksNothing) {
    JNIEnv* env = StartTestJvm({BROKEN_PRODUCT_JAR, BRIVEL18_JAR}, BRIVEL_LIBRARY_DIR);
    ASSERT_NE(env, nullptr);
    brivelInitThread(env);
    EXPECT_TRUE(brivelCheckFatalError(env));
    auto thrown = TakePendingException(env);
    EXPECT_EQ(thrown.className, "java.lang.NoSuchFieldError");
    EXPECT_EQ(thrown.message, "brivel.TavoEventListener.__TavoEventSink I");

    jclass objectClass = env->FindClass("brivel/TavoObject");
    jclass variantClass = env->FindClass("brivel/TavoVariant");
    jclass listenerClass = env->FindClass("brivel/TavoEventListener");
    ASSERT_TRUE(objectClass && variantClass && listenerClass) << TakePendingException(env).className;
    jobject object = env->AllocObject(objectClass);
    jobject holder = env->AllocObject(variantClass);
    jobject listener = env->AllocObject(listenerClass);
    ASSERT_TRUE(object && holder && listener);
    Answering com;
    VARIANT value;
    VariantInit(&value);
    int before = CountLocalReferences(env);
    ASSERT_GE(before, 0) << "the VM cannot count local references";
    struct Call {
        const char* what;
        std::function<bool()> failed;  // true when the call answered its failure
    };
    const Call calls[] = {
        {"brivelUnknownToJobject", [&] { return brivelUnknownToJobject(env, &com) == nullptr; }},
        {"brivelUnknownToInterfaceObject",
         [&] { return brivelUnknownToInterfaceObject(env, &com, "brivel/TavoObject") == nullptr; }},
        {"brivelVariantObject", [&] { return brivelVariantObject(env, &value) == nullptr; }},
        {"brivelGetTavoVariant", [&] { return brivelGetTavoVariant(env, holder) == nullptr; }},
        {"TavoObject.TavoRelease", [&] {
             Java_brivel_TavoObject_TavoRelease(env, object);
             return true;
         }},
        {"TavoVariant.TavoRelease", [&] {
             Java_brivel_TavoVariant_TavoRelease(env, holder);
             return true;
         }},
        {"TavoEventListener.TavoRelease", [&] {
             Java_brivel_TavoEventListener_TavoRelease(env, listener);
             return true;
         }},
        {"__TavoAdvise", [&] { return Java_brivel_TavoObject__1_1TavoAdvise(env, object, listener) == 0; }},
        {"brivelGetEventId", [] { return brivelGetEventId() == nullptr; }},
    };
    for (int round = 0; round < 50; ++round) {
        for (const Call& call : calls) {
            EXPECT_TRUE(call.failed()) << call.what;
            EXPECT_TRUE(brivelCheckFatalError(env)) << call.what;
            env->PushLocalFrame(16);  // for what taking the exception holds
            EXPECT_EQ(TakePendingException(env).className, "java.lang.NoSuchFieldError") << call.what;
            env->PopLocalFrame(nullptr);
        }
    }
    EXPECT_EQ(CountLocalReferences(env), before);
    EXPECT_EQ(com.refs, 1) << "a failed conversion keeps no reference";
}

TEST(RuntimeExceptions, DescriptionOrCodeBecomesTheMessageAndTextsAreFreed) {
    JNIEnv* env = Jvm();
    ASSERT_NE(env, nullptr);
    EXPECT_FALSE(brivelCheckFatalError(env));
    brivelThrowComExceptionObject(env, E_NOINTERFACE, nullptr);
    EXPECT_TRUE(brivelCheckFatalError(env));
    auto thrown = TakePendingException(env);
    EXPECT_EQ(thrown.className, "brivel.TavoException");
    EXPECT_EQ(thrown.message, "COM error 0x80004002");

    EXCEPINFO info;
    std::memset(&info, 0, sizeof info);
    info.bstrSource = SysAllocString(L"source");
    info.pfnDeferredFillIn = FillIn;
    brivelThrowComExceptionObject(env, DISP_E_EXCEPTION, &info);
    EXPECT_EQ(TakePendingException(env).message, "filled in later");
    EXPECT_EQ(info.bstrSource, nullptr);
    EXPECT_EQ(info.bstrDescription, nullptr);

    brivelThrowFatalError(env);
    EXPECT_EQ(TakePendingException(env).className, "java.lang.Error");
}

// Conversions that generated code calls once per array element, and the
// exceptions the runtime raises, leave nothing behind but what they answer:
// on a thread that stays attached to the VM no frame would ever free it.
TEST(RuntimeLocalReferences, PerElementConversionsAndExceptionsLeaveOnlyTheirAnswer) {
    JNIEnv* env = StartTestJvm({BRIVEL18_JAR, RECORD_CLASSES_JAR}, BRIVEL_LIBRARY_DIR);
    ASSERT_NE(env, nullptr);
    brivelInitThread(env);
    int before = CountLocalReferences(env);
    ASSERT_GE(before, 0) << "the VM cannot count local references";
    for (int i = 0; i < 1000; ++i) {
        jobject value = brivelIntToEnumeratedObject(env, i % 3, "rectest/Colour");  // 1 is no constant
        ASSERT_NE(value, nullptr) << i;
        EXPECT_EQ(brivelEnumeratedObjectToInt(env, value), i % 3) << i;
        env->DeleteLocalRef(value);
        brivelEnumeratedObjectToInt(env, nullptr);
        ASSERT_TRUE(env->ExceptionCheck()) << i;
        env->ExceptionClear();
        brivelThrowComExceptionObject(env, E_FAIL, nullptr);
        ASSERT_TRUE(env->ExceptionCheck()) << i;
        env->ExceptionClear();
    }
    EXPECT_EQ(CountLocalReferences(env), before);
    // The count sees what the thread holds.
    jobject held = brivelIntToEnumeratedObject(env, 2, "rectest/Colour");
    EXPECT_EQ(CountLocalReferences(env), before + 1);
    env->DeleteLocalRef(held);
}

TEST(RuntimeCreation, UnreachableRemoteMachineAndUnknownClassAreReported) {
    JNIEnv* env = Jvm();
    ASSERT_NE(env, nullptr);
    const CLSID unknown = {0x7E2E0000, 0x0000, 0x4000, {0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x99}};
    const IID* list[] = {&IID_IUnknown};
    EXPECT_EQ(brivelCreateInstanceRemote(env, &unknown, L"far.example", nullptr, nullptr, nullptr, 1, nullptr, list),
              HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE));
    IUnknown* object = reinterpret_cast<IUnknown*>(1);
    EXPECT_EQ(brivelCreateInstance(env, &unknown, &object), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(object, nullptr);
    EXPECT_FALSE(brivelCheckFatalError(env));
}

TEST(RuntimeConversions, DatesFileTimesGuidsAndArraysRoundTrip) {
    JNIEnv* env = Jvm();
    ASSERT_NE(env, nullptr);
    // 1970-01-02 00:00 UTC is day 25570 of the OLE calendar.
    jobject date = brivelDateToJobject(env, 25570.0);
    ASSERT_NE(date, nullptr);
    jmethodID getTime = env->GetMethodID(env->FindClass("java/util/Date"), "getTime", "()J");
    jlong millis = env->CallLongMethod(date, getTime);
    ASSERT_FALSE(env->ExceptionCheck());
    EXPECT_DOUBLE_EQ(brivelJdateToDate(env, date), 25570.0);
    FILETIME ft;
    brivelJdateToFiletime(env, &ft, date);
    jobject back = brivelFiletimeToJobject(env, &ft);
    EXPECT_EQ(env->CallLongMethod(back, getTime), millis);
    EXPECT_FALSE(env->ExceptionCheck());

    GUID guid = {0x7E2E0000, 0x0000, 0x4000, {0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x50}};
    jstring text = brivelGuidToJstr(env, guid);
    const char* chars = env->GetStringUTFChars(text, nullptr);
    EXPECT_STREQ(chars, "{7E2E0000-0000-4000-8000-000000000050}");
    env->ReleaseStringUTFChars(text, chars);
    GUID parsed;
    brivelJstringToGuid(env, text, parsed);
    EXPECT_TRUE(IsEqualGUID(parsed, guid));

    SAFEARRAY* sa = SafeArrayCreateVector(VT_I4, 0, 3);
    for (LONG i = 0; i < 3; ++i) {
        LONG value = 10 * (i + 1);
        SafeArrayPutElement(sa, &i, &value);
    }
    jarray ints = brivelSafeArrayToJArray(env, sa, VT_I4);
    ASSERT_NE(ints, nullptr);
    ASSERT_EQ(env->GetArrayLength(ints), 3);
    jint elements[3];
    env->GetIntArrayRegion(static_cast<jintArray>(ints), 0, 3, elements);
    EXPECT_EQ(elements[2], 30);
    SAFEARRAY* again = brivelJArrayToSafeArray(env, ints, VT_I4);
    ASSERT_NE(again, nullptr);
    LONG index = 1, value = 0;
    SafeArrayGetElement(again, &index, &value);
    EXPECT_EQ(value, 20);
    SafeArrayDestroy(again);
    SafeArrayDestroy(sa);
    EXPECT_FALSE(brivelCheckFatalError(env));
}

// VARIANT elements become brivel.TavoVariant holders with their own copies,
// and go back into a new SAFEARRAY as copies of what the holders hold.
TEST(RuntimeConversions, VariantArraysKeepTheirValuesBothWays) {
    JNIEnv* env = Jvm();
    ASSERT_NE(env, nullptr);
    SAFEARRAY* sa = SafeArrayCreateVector(VT_VARIANT, 0, 3);
    ASSERT_NE(sa, nullptr);
    VARIANT* items = nullptr;
    ASSERT_EQ(SafeArrayAccessData(sa, reinterpret_cast<void**>(&items)), S_OK);
    V_VT(&items[0]) = VT_I4;
    V_I4(&items[0]) = 42;
    V_VT(&items[1]) = VT_BSTR;
    V_BSTR(&items[1]) = SysAllocString(L"text");
    SafeArrayUnaccessData(sa);  // items[2] stays empty

    jarray holders = brivelSafeArrayToJArray(env, sa, VT_VARIANT);
    ASSERT_NE(holders, nullptr);
    ASSERT_EQ(env->GetArrayLength(holders), 3);
    jobject first = env->GetObjectArrayElement(static_cast<jobjectArray>(holders), 0);
    jobject second = env->GetObjectArrayElement(static_cast<jobjectArray>(holders), 1);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    VARIANT* copy = brivelGetTavoVariant(env, second);
    ASSERT_NE(copy, nullptr);
    ASSERT_EQ(V_VT(copy), VT_BSTR);
    EXPECT_NE(V_BSTR(copy), items[1].bstrVal) << "the holder has its own string";
    SafeArrayDestroy(sa);

    SAFEARRAY* back = brivelJArrayToSafeArray(env, holders, VT_VARIANT);
    ASSERT_NE(back, nullptr);
    ASSERT_EQ(SafeArrayAccessData(back, reinterpret_cast<void**>(&items)), S_OK);
    EXPECT_EQ(V_VT(&items[0]), VT_I4);
    EXPECT_EQ(V_I4(&items[0]), 42);
    ASSERT_EQ(V_VT(&items[1]), VT_BSTR);
    EXPECT_EQ(std::memcmp(V_BSTR(&items[1]), L"text", 5 * sizeof(OLECHAR)), 0);
    EXPECT_NE(V_BSTR(&items[1]), V_BSTR(copy)) << "the array has its own string";
    EXPECT_EQ(V_VT(&items[2]), VT_EMPTY);
    SafeArrayUnaccessData(back);
    SafeArrayDestroy(back);
    EXPECT_FALSE(brivelCheckFatalError(env));
}

// The shared converters' copy into an existing SAFEARRAY: exported beside
// the functions the bridges' header declares.
extern "C" int brivelCopyJarrayToSafeArray(JNIEnv* env, SAFEARRAY* sa, jarray ja, VARTYPE vt);

// Copying into an existing SAFEARRAY carries VARIANT holders' values too
// (the shared array converters call this library's object conversions).
TEST(RuntimeConversions, VariantHoldersAreCopiedIntoAnExistingArray) {
    JNIEnv* env = Jvm();
    ASSERT_NE(env, nullptr);
    SAFEARRAY* source = SafeArrayCreateVector(VT_VARIANT, 0, 2);
    VARIANT* items = nullptr;
    ASSERT_EQ(SafeArrayAccessData(source, reinterpret_cast<void**>(&items)), S_OK);
    V_VT(&items[0]) = VT_I4;
    V_I4(&items[0]) = 42;
    V_VT(&items[1]) = VT_BSTR;
    V_BSTR(&items[1]) = SysAllocString(L"text");
    SafeArrayUnaccessData(source);
    jarray holders = brivelSafeArrayToJArray(env, source, VT_VARIANT);
    ASSERT_NE(holders, nullptr);
    SafeArrayDestroy(source);

    SAFEARRAY* target = SafeArrayCreateVector(VT_VARIANT, 0, 2);
    EXPECT_EQ(brivelCopyJarrayToSafeArray(env, target, holders, VT_VARIANT), 2);
    ASSERT_EQ(SafeArrayAccessData(target, reinterpret_cast<void**>(&items)), S_OK);
    EXPECT_EQ(V_VT(&items[0]), VT_I4);
    EXPECT_EQ(V_I4(&items[0]), 42);
    ASSERT_EQ(V_VT(&items[1]), VT_BSTR);
    EXPECT_EQ(std::memcmp(V_BSTR(&items[1]), L"text", 5 * sizeof(OLECHAR)), 0);
    SafeArrayUnaccessData(target);
    SafeArrayDestroy(target);
    EXPECT_FALSE(brivelCheckFatalError(env));
}

// The check after each runtime call answers from the thread's note of what
// the runtime raised: a call that raised nothing asks the VM nothing, and an
// exception that the native raised itself is the native's own to see.
TEST(RuntimeExceptions, ACallThatRaisedNothingIsCheckedWithoutAskingTheVm) {
    JNIEnv* env = Jvm();
    ASSERT_NE(env, nullptr);
    brivelCheckFatalError(env);  // whatever the start-up left noted
    ExceptionQueries queries(env);
    for (int i = 0; i < 1000; ++i) ASSERT_FALSE(CallAndCheck(env)) << i;
    EXPECT_EQ(queries.Count(), 0);

    env->ThrowNew(env->FindClass("java/lang/IllegalStateException"), "the native's own");
    EXPECT_FALSE(CallAndCheck(env));
    EXPECT_EQ(TakePendingException(env).message, "the native's own");
}

// Every way in which a runtime function that generated natives call before
// a check can leave an exception pending is reported by that check (after
// a call that raised nothing, as in the natives), once.
TEST(RuntimeExceptions, EveryExceptionTheRuntimeLeavesPendingIsReportedByTheNextCheck) {
    JNIEnv* env = StartTestJvm({BRIVEL18_JAR, RECORD_CLASSES_JAR}, BRIVEL_LIBRARY_DIR);
    ASSERT_NE(env, nullptr);
    brivelInitThread(env);
    jclass unreadableClass = env->FindClass("rectest/UnreadableDate");
    ASSERT_NE(unreadableClass, nullptr) << TakePendingException(env).className;
    jobject unreadable = env->NewObject(unreadableClass, env->GetMethodID(unreadableClass, "<init>", "()V"));
    jclass holderClass = env->FindClass("brivel/out/TavoIntArray");
    jobject holder = env->AllocObject(holderClass);
    jobject uninitialised = env->AllocObject(brivelGetComBaseClass());
    ASSERT_TRUE(unreadable && holder && uninitialised) << TakePendingException(env).className;
    Answering object;

    struct Raise {
        const char* what;
        std::function<void()> call;
        const char* exception;
    };
    const Raise raises[] = {
        {"brivelThrowComExceptionObject", [&] { brivelThrowComExceptionObject(env, E_FAIL, nullptr); },
         "brivel.TavoException"},
        {"brivelThrowFatalError", [&] { brivelThrowFatalError(env); }, "java.lang.Error"},
        {"brivelEnumeratedObjectToInt of null", [&] { brivelEnumeratedObjectToInt(env, nullptr); },
         "java.lang.NullPointerException"},
        {"brivelJdateToDate of a date whose getTime throws", [&] { brivelJdateToDate(env, unreadable); },
         "java.lang.IllegalStateException"},
        {"brivelJdateToFiletime of the same", [&] {
             FILETIME ft;
             brivelJdateToFiletime(env, &ft, unreadable);
         }, "java.lang.IllegalStateException"},
        {"brivelArrayObjToSafeArray of a holder without that array field", [&] {
             SAFEARRAY* sa = brivelArrayObjToSafeArray(env, VT_R8, holder, "[D");
             if (sa) SafeArrayDestroy(sa);
         }, "java.lang.NoSuchFieldError"},
        {"brivelCopySafeArrayToArrayObj into the same", [&] {
             SAFEARRAY* sa = SafeArrayCreateVector(VT_R8, 0, 1);
             brivelCopySafeArrayToArrayObj(env, VT_R8, sa, holder, "[D");
             SafeArrayDestroy(sa);
         }, "java.lang.NoSuchFieldError"},
        {"brivelProcessEnumeration without a receiver",
         [&] { brivelProcessEnumeration(env, uninitialised, nullptr, DISPID_NEWENUM, 4); },
         "java.lang.NullPointerException"},
        {"brivelProcessEnumeration of an object without its pointer",
         [&] { brivelProcessEnumeration(env, uninitialised, holder, DISPID_NEWENUM, 4); },
         "java.lang.NullPointerException"},
        {"__TavoAdvise without a sink", [&] { Java_brivel_TavoObject__1_1TavoAdvise(env, uninitialised, nullptr); },
         "brivel.TavoException"},
        {"brivelUnknownToInterfaceObject of a class nobody has",
         [&] { brivelUnknownToInterfaceObject(env, &object, "nowhere/Missing"); }, "java.lang.NoClassDefFoundError"},
        {"brivelIntToEnumeratedObject of a class nobody has",
         [&] { brivelIntToEnumeratedObject(env, 1, "nowhere/Missing"); }, "java.lang.NoClassDefFoundError"},
    };
    for (const Raise& raise : raises) {
        ASSERT_FALSE(CallAndCheck(env)) << raise.what << ": nothing was pending before";
        raise.call();
        EXPECT_TRUE(CallAndCheck(env)) << raise.what;
        EXPECT_EQ(TakePendingException(env).className, raise.exception) << raise.what;
        EXPECT_FALSE(CallAndCheck(env)) << raise.what << ": reported once";
    }
}

// A check that the generated text skipped (a native that cleared the
// exception itself, or one that returned without asking) leaves a note
// behind: the next check asks the VM once, answers what is pending now, and
// the note goes. Notes are the thread's own.
TEST(RuntimeExceptions, ANoteLeftByASkippedCheckIsAnsweredByTheVmOnce) {
    JNIEnv* env = Jvm();
    ASSERT_NE(env, nullptr);
    brivelCheckFatalError(env);
    ExceptionQueries queries(env);
    brivelEnumeratedObjectToInt(env, nullptr);
    env->ExceptionClear();  // the native handled it without the check
    int before = queries.Count();
    EXPECT_FALSE(CallAndCheck(env));
    EXPECT_EQ(queries.Count(), before + 1) << "the note is confirmed with the VM";
    EXPECT_FALSE(CallAndCheck(env));
    EXPECT_EQ(queries.Count(), before + 1) << "and is gone after that";

    // Still pending at a later check: reported there.
    brivelEnumeratedObjectToInt(env, nullptr);
    EXPECT_TRUE(CallAndCheck(env));
    EXPECT_EQ(TakePendingException(env).className, "java.lang.NullPointerException");

    // Another thread's raise is no note of this one.
    std::thread([] {
        JNIEnv* own = brivelGetJniEnv();
        brivelEnumeratedObjectToInt(own, nullptr);
        EXPECT_TRUE(brivelCheckFatalError(own));
        own->ExceptionClear();
        brivelEnumeratedObjectToInt(own, nullptr);
        own->ExceptionClear();  // left noted on that thread
    }).join();
    before = queries.Count();
    EXPECT_FALSE(CallAndCheck(env));
    EXPECT_EQ(queries.Count(), before);
}

namespace {
// Runs `step(env, side)` on two attached threads at once, `rounds` times:
// both start each round together.
void OnTwoThreadsAtOnce(int rounds, const std::function<void(JNIEnv*, int side, int round)>& step,
                        const std::function<void(int round)>& between) {
    std::atomic<int> arrived{0}, round{-1}, finished{0};
    auto side = [&](int which) {
        JNIEnv* own = brivelGetJniEnv();
        for (int r = 0; r < rounds; ++r) {
            while (round.load() != r) std::this_thread::yield();
            ++arrived;
            while (arrived.load() < 2 * (r + 1)) {
            }
            step(own, which, r);
            ++finished;
        }
    };
    std::thread first(side, 0), second(side, 1);
    for (int r = 0; r < rounds; ++r) {
        between(r);
        round.store(r);
        while (finished.load() < 2 * (r + 1)) std::this_thread::yield();
    }
    first.join();
    second.join();
}

jobject NewGlobal(JNIEnv* env, jobject local) {
    jobject global = env->NewGlobalRef(local);
    env->DeleteLocalRef(local);
    return global;
}
}  // namespace

// Calls an object's TavoRelease; the release must not throw.
static void Released(JNIEnv* env, jobject object, jmethodID release) {
    env->CallVoidMethod(object, release);
    PendingException thrown = TakePendingException(env);
    EXPECT_EQ(thrown.className, "") << thrown.message;
}

// Two Java threads that release one object at the same moment release its
// COM pointer once, and free a holder's VARIANT once; two threads that use
// a holder's VARIANT for the first time share one.
TEST(RuntimeObjects, TwoThreadsReleasingOneObjectReleaseItOnce) {
    JNIEnv* env = Jvm();
    ASSERT_NE(env, nullptr);
    jclass objectClass = env->FindClass("brivel/TavoObject");
    jclass variantClass = env->FindClass("brivel/TavoVariant");
    jmethodID releaseObject = env->GetMethodID(objectClass, "TavoRelease", "()V");
    jmethodID releaseVariant = env->GetMethodID(variantClass, "TavoRelease", "()V");
    ASSERT_TRUE(releaseObject && releaseVariant);
    const int rounds = 3000;

    Answering com;
    jobject object = nullptr;
    OnTwoThreadsAtOnce(
        rounds, [&](JNIEnv* own, int, int) { Released(own, object, releaseObject); },
        [&](int) {
            if (object) env->DeleteGlobalRef(object);
            object = NewGlobal(env, brivelUnknownToJobject(env, &com));
        });
    EXPECT_EQ(com.refs, 1) << "each object's reference is released once";

    VARIANT text;
    V_VT(&text) = VT_BSTR;
    V_BSTR(&text) = SysAllocString(L"held by each holder");
    jobject holder = nullptr;
    OnTwoThreadsAtOnce(
        rounds, [&](JNIEnv* own, int, int) { Released(own, holder, releaseVariant); },
        [&](int) {
            if (holder) env->DeleteGlobalRef(holder);
            holder = NewGlobal(env, brivelVariantObject(env, &text));
        });
    VariantClear(&text);

    VARIANT* seen[2] = {nullptr, nullptr};
    int different = 0;
    OnTwoThreadsAtOnce(
        rounds, [&](JNIEnv* own, int side, int) { seen[side] = brivelGetTavoVariant(own, holder); },
        [&](int round) {
            if (round > 0 && seen[0] != seen[1]) ++different;
            if (holder) {
                Released(env, holder, releaseVariant);
                env->DeleteGlobalRef(holder);
            }
            holder = NewGlobal(env, env->AllocObject(variantClass));
        });
    EXPECT_EQ(different, 0) << "a holder's VARIANT is made once";
    Released(env, holder, releaseVariant);
    env->DeleteGlobalRef(holder);
    if (object) env->DeleteGlobalRef(object);
    EXPECT_FALSE(env->ExceptionCheck());
}
