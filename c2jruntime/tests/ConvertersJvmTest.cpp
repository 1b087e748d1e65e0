// The value converters against the real VM's Java types and the platform
// layer's OLE Automation values.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "RuntimeTestSupport.h"
#include "TestJvm.h"

using namespace brivel::c2j::testing;
using brivel::testing::Answered;

namespace {
class Converters : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TZ", "CET-1", 1);  // a fixed offset of one hour east of UTC
        tzset();
        ASSERT_TRUE(StartRuntime());
        env = reinterpret_cast<JNIEnv*>(C2jGetJenv(e.out()));
    }
    SAFEARRAY* Vector(VARTYPE vt, std::initializer_list<LONG> values) {
        SAFEARRAY* sa = SafeArrayCreateVector(vt, 0, static_cast<ULONG>(values.size()));
        LONG i = 0;
        for (LONG v : values) {
            if (vt == VT_BOOL) {
                VARIANT_BOOL b = static_cast<VARIANT_BOOL>(v);
                SafeArrayPutElement(sa, &i, &b);
            } else {
                SafeArrayPutElement(sa, &i, &v);
            }
            ++i;
        }
        return sa;
    }
    jobject NewDate(jlong millis) {
        jclass cls = env->FindClass("java/util/Date");
        return env->NewObject(cls, env->GetMethodID(cls, "<init>", "(J)V"), millis);
    }
    jlong TimeOf(jobject date) {
        jclass cls = env->FindClass("java/util/Date");
        return Answered(env, env->CallLongMethod(date, env->GetMethodID(cls, "getTime", "()J")));
    }
    static long long Ticks(const FILETIME& ft) {
        return static_cast<long long>((static_cast<unsigned long long>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
    }
    Message e;
    JNIEnv* env = nullptr;
};
}  // namespace

TEST_F(Converters, PrimitiveAndBooleanArraysToJava) {
    SAFEARRAY* ints = Vector(VT_I4, {7, -8, 9});
    jintArray ja = static_cast<jintArray>(brivelSafeArrayToJArray(env, ints, VT_I4));
    ASSERT_NE(ja, nullptr);
    ASSERT_EQ(env->GetArrayLength(ja), 3);
    jint values[3];
    env->GetIntArrayRegion(ja, 0, 3, values);
    EXPECT_EQ(values[0], 7);
    EXPECT_EQ(values[1], -8);
    EXPECT_EQ(values[2], 9);
    // A type that does not match the elements is refused, not over-read.
    EXPECT_EQ(brivelSafeArrayToJArray(env, ints, VT_R8), nullptr);
    SafeArrayDestroy(ints);

    SAFEARRAY* bools = Vector(VT_BOOL, {-1, 0, 1});
    jbooleanArray jb = static_cast<jbooleanArray>(brivelSafeArrayToJArray(env, bools, VT_BOOL));
    jboolean flags[3];
    env->GetBooleanArrayRegion(jb, 0, 3, flags);
    EXPECT_TRUE(flags[0]);
    EXPECT_FALSE(flags[1]);
    EXPECT_TRUE(flags[2]);
    SafeArrayDestroy(bools);

    SAFEARRAY* errors = SafeArrayCreateVector(VT_ERROR, 0, 2);
    EXPECT_EQ(brivelSafeArrayToJArray(env, errors, VT_ERROR), nullptr);
    EXPECT_EQ(brivelSafeArrayToJArray(env, nullptr, VT_I4), nullptr);
    SafeArrayDestroy(errors);
}

TEST_F(Converters, CopiesStopAtTheShorterArrayAndCountOnlyWhatWasCopied) {
    SAFEARRAY* five = Vector(VT_I4, {1, 2, 3, 4, 5});
    jintArray three = env->NewIntArray(3);
    EXPECT_EQ(brivelCopySafeArrayToJarray(env, five, three, VT_I4), 3);
    jint got[3];
    env->GetIntArrayRegion(three, 0, 3, got);
    EXPECT_EQ(got[2], 3);
    EXPECT_EQ(brivelCopySafeArrayToJarray(env, five, three, VT_ERROR), 0);
    jint back[3] = {10, 20, 30};
    env->SetIntArrayRegion(three, 0, 3, back);
    EXPECT_EQ(brivelCopyJarrayToSafeArray(env, five, three, VT_I4), 3);
    LONG i = 2, v = 0;
    SafeArrayGetElement(five, &i, &v);
    EXPECT_EQ(v, 30);
    i = 3;
    SafeArrayGetElement(five, &i, &v);
    EXPECT_EQ(v, 4);
    SafeArrayDestroy(five);
}

TEST_F(Converters, UnsignedIntArraysCarryTheirValuesBothWays) {
    jintArray ja = env->NewIntArray(2);
    jint values[2] = {5, -1};
    env->SetIntArrayRegion(ja, 0, 2, values);
    SAFEARRAY* sa = brivelJArrayToSafeArray(env, ja, VT_UINT);
    ASSERT_NE(sa, nullptr);
    UINT* data = nullptr;
    SafeArrayAccessData(sa, reinterpret_cast<void**>(&data));
    EXPECT_EQ(data[0], 5u);
    EXPECT_EQ(data[1], 0xFFFFFFFFu);
    data[0] = 6;
    SafeArrayUnaccessData(sa);
    EXPECT_EQ(brivelCopySafeArrayToJarray(env, sa, ja, VT_UINT), 2);
    env->GetIntArrayRegion(ja, 0, 2, values);
    EXPECT_EQ(values[0], 6);
    SafeArrayDestroy(sa);
}

TEST_F(Converters, SixtyFourBitIntegerArraysCarryTheirValuesBothWays) {
    jlongArray ja = env->NewLongArray(2);
    jlong values[2] = {-5000000000LL, 0x7FFFFFFFFFFFFFFFLL};
    env->SetLongArrayRegion(ja, 0, 2, values);
    SAFEARRAY* sa = brivelJArrayToSafeArray(env, ja, VT_I8);
    ASSERT_NE(sa, nullptr);
    LONGLONG* data = nullptr;
    SafeArrayAccessData(sa, reinterpret_cast<void**>(&data));
    EXPECT_EQ(data[0], -5000000000LL);
    EXPECT_EQ(data[1], 0x7FFFFFFFFFFFFFFFLL);
    data[0] = 42;
    SafeArrayUnaccessData(sa);
    EXPECT_EQ(brivelCopySafeArrayToJarray(env, sa, ja, VT_I8), 2);
    env->GetLongArrayRegion(ja, 0, 2, values);
    EXPECT_EQ(values[0], 42);
    jlongArray back = static_cast<jlongArray>(brivelSafeArrayToJArray(env, sa, VT_I8));
    ASSERT_NE(back, nullptr);
    ASSERT_EQ(env->GetArrayLength(back), 2);
    env->GetLongArrayRegion(back, 0, 2, values);
    EXPECT_EQ(values[1], 0x7FFFFFFFFFFFFFFFLL);
    SafeArrayDestroy(sa);
}

TEST_F(Converters, StringsAndStringArraysKeepEveryCharacter) {
    const OLECHAR text[] = {'a', 0xE9, 0x20AC, 0, 'z'};
    BSTR b = SysAllocStringLen(text, 5);
    jstring js = brivelBstrToJstr(env, b);
    ASSERT_EQ(env->GetStringLength(js), 5);
    BSTR back = brivelJstringToBstr(env, js);
    ASSERT_EQ(SysStringLen(back), 5u);
    EXPECT_EQ(std::memcmp(back, text, sizeof text), 0);
    EXPECT_EQ(brivelBstrToJstr(env, nullptr), nullptr);
    EXPECT_EQ(brivelJstringToBstr(env, nullptr), nullptr);

    jobjectArray texts = env->NewObjectArray(2, env->FindClass("java/lang/String"), js);
    SAFEARRAY* sa = brivelJArrayToSafeArray(env, texts, VT_BSTR);
    BSTR* elements = nullptr;
    SafeArrayAccessData(sa, reinterpret_cast<void**>(&elements));
    EXPECT_EQ(SysStringLen(elements[1]), 5u);
    SafeArrayUnaccessData(sa);
    EXPECT_EQ(brivelCopyJarrayToSafeArray(env, sa, texts, VT_BSTR), 2);  // old strings are replaced
    jobjectArray again = static_cast<jobjectArray>(brivelSafeArrayToJArray(env, sa, VT_BSTR));
    jstring first = static_cast<jstring>(env->GetObjectArrayElement(again, 0));
    EXPECT_TRUE(Answered(env, env->CallBooleanMethod(first, env->GetMethodID(env->FindClass("java/lang/Object"),
                                                                              "equals", "(Ljava/lang/Object;)Z"),
                                                     js)));
    SafeArrayDestroy(sa);
    SysFreeString(b);
    SysFreeString(back);
}

TEST_F(Converters, DatesKeepTheEpochAndRoundTripThroughLocalTime) {
    FILETIME ft;
    brivelJdateToFiletime(env, &ft, NewDate(1000));
    EXPECT_EQ(Ticks(ft), 116444736010000000LL);
    brivelJdateToFiletime(env, &ft, NewDate(0));
    EXPECT_EQ(Ticks(ft), 116444736000000000LL);  // the epoch is a date like any other
    brivelJdateToFiletime(env, &ft, nullptr);
    EXPECT_EQ(Ticks(ft), 0);
    EXPECT_EQ(TimeOf(brivelFiletimeToJobject(env, &ft)), -11644473600000LL);

    // 1970-01-01 00:00 UTC is 01:00 local time here.
    EXPECT_DOUBLE_EQ(brivelJdateToDate(env, NewDate(0)), 25569.0 + 1.0 / 24);
    EXPECT_DOUBLE_EQ(brivelJdateToDate(env, nullptr), 0.0);
    DATE noon = 36526.5;  // 2000-01-01 12:00 local
    jobject date = brivelDateToJobject(env, noon);
    EXPECT_EQ(TimeOf(date), 946724400000LL);  // 11:00 UTC
    EXPECT_DOUBLE_EQ(brivelJdateToDate(env, date), noon);

    SAFEARRAY* dates = SafeArrayCreateVector(VT_DATE, 0, 1);
    LONG i = 0;
    SafeArrayPutElement(dates, &i, &noon);
    jobjectArray ja = static_cast<jobjectArray>(brivelSafeArrayToJArray(env, dates, VT_DATE));
    EXPECT_EQ(TimeOf(env->GetObjectArrayElement(ja, 0)), 946724400000LL);
    SafeArrayDestroy(dates);
}

TEST_F(Converters, GuidsInRegistryForm) {
    GUID guid = {0x12345678, 0x9ABC, 0xDEF0, {1, 2, 3, 4, 5, 6, 7, 8}};
    jstring text = brivelGuidToJstr(env, guid);
    const char* chars = env->GetStringUTFChars(text, nullptr);
    EXPECT_STREQ(chars, "{12345678-9ABC-DEF0-0102-030405060708}");
    env->ReleaseStringUTFChars(text, chars);
    GUID back;
    brivelJstringToGuid(env, text, back);
    EXPECT_TRUE(IsEqualGUID(back, guid));
    brivelJstringToGuid(env, nullptr, back);
    EXPECT_TRUE(IsEqualGUID(back, GUID()));
}

TEST_F(Converters, WrapperObjectsAndClassLookup) {
    jclass wrapperClass = brivelFindClass(env, "brivel/c2jtest/Wrapper");
    ASSERT_NE(wrapperClass, nullptr);
    jobject wrapper = env->AllocObject(wrapperClass);
    SAFEARRAY* one = brivelArrayObjToSafeArray(env, VT_I4, wrapper, "[I");
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(one->rgsabound[0].cElements, 1u);
    SafeArrayDestroy(one);

    SAFEARRAY* ints = Vector(VT_I4, {4, 5});
    brivelCopySafeArrayToArrayObj(env, VT_I4, ints, wrapper, "[I");
    SAFEARRAY* back = brivelArrayObjToSafeArray(env, VT_I4, wrapper, "[I");
    ASSERT_EQ(back->rgsabound[0].cElements, 2u);
    LONG i = 1, v = 0;
    SafeArrayGetElement(back, &i, &v);
    EXPECT_EQ(v, 5);
    SafeArrayDestroy(back);
    SafeArrayDestroy(ints);

    EXPECT_EQ(brivelArrayObjToSafeArray(env, VT_I4, wrapper, "[J"), nullptr);  // no such field
    EXPECT_TRUE(env->ExceptionCheck());
    env->ExceptionClear();
    EXPECT_EQ(brivelFindClass(env, "no/such/Class"), nullptr);
    EXPECT_FALSE(env->ExceptionCheck());
}

TEST_F(Converters, InterfaceAndVariantElementsAreLeftAloneSafely) {
    SAFEARRAY* objects = SafeArrayCreateVector(VT_DISPATCH, 0, 2);
    // Without the element class (brivel/TavoObject) there is no array, and no crash.
    jobjectArray ja = static_cast<jobjectArray>(brivelSafeArrayToJArray(env, objects, VT_DISPATCH));
    EXPECT_FALSE(env->ExceptionCheck());
    if (ja) { EXPECT_EQ(env->GetObjectArrayElement(ja, 0), nullptr); }
    jobjectArray jo = env->NewObjectArray(2, env->FindClass("java/lang/Object"), env->NewStringUTF("x"));
    EXPECT_EQ(brivelCopyJarrayToSafeArray(env, objects, jo, VT_DISPATCH), 0);
    SafeArrayDestroy(objects);
    SAFEARRAY* variants = SafeArrayCreateVector(VT_VARIANT, 0, 1);
    jobjectArray jv = env->NewObjectArray(1, env->FindClass("java/lang/Object"), env->NewStringUTF("x"));
    EXPECT_EQ(brivelCopyJarrayToSafeArray(env, variants, jv, VT_VARIANT), 0);
    SafeArrayDestroy(variants);
}

// A Java array of another element type than the VARTYPE says is refused in
// every direction: nothing is read past its end or written into it.
TEST_F(Converters, JavaArraysOfAnotherTypeThanTheVartypeAreRefused) {
    jintArray ints = env->NewIntArray(2);
    const jint values[2] = {7, 8};
    env->SetIntArrayRegion(ints, 0, 2, values);
    SAFEARRAY* doubles = SafeArrayCreateVector(VT_R8, 0, 2);
    LONG i = 1;
    double d = 2.5;
    SafeArrayPutElement(doubles, &i, &d);

    EXPECT_EQ(brivelCopySafeArrayToJarray(env, doubles, ints, VT_R8), 0);
    jint after[2] = {0, 0};
    env->GetIntArrayRegion(ints, 0, 2, after);
    EXPECT_EQ(after[0], 7);
    EXPECT_EQ(after[1], 8);
    EXPECT_EQ(brivelCopyJarrayToSafeArray(env, doubles, ints, VT_R8), 0);
    SafeArrayGetElement(doubles, &i, &d);
    EXPECT_EQ(d, 2.5);
    EXPECT_EQ(brivelJArrayToSafeArray(env, ints, VT_R8), nullptr);
    SafeArrayDestroy(doubles);

    // Object arrays too: their elements must be what the VARTYPE converts.
    jobjectArray objects = env->NewObjectArray(1, env->FindClass("java/lang/Object"), NewDate(0));
    SAFEARRAY* texts = SafeArrayCreateVector(VT_BSTR, 0, 1);
    EXPECT_EQ(brivelCopyJarrayToSafeArray(env, texts, objects, VT_BSTR), 0);
    EXPECT_EQ(brivelJArrayToSafeArray(env, objects, VT_BSTR), nullptr);
    jobjectArray strings = env->NewObjectArray(1, env->FindClass("java/lang/String"), env->NewStringUTF("x"));
    SAFEARRAY* dates = SafeArrayCreateVector(VT_DATE, 0, 1);
    EXPECT_EQ(brivelCopySafeArrayToJarray(env, dates, strings, VT_DATE), 0);
    SafeArrayDestroy(dates);
    EXPECT_EQ(brivelJArrayToSafeArray(env, strings, VT_DATE), nullptr);
    SAFEARRAY* shorts = Vector(VT_I2, {1});
    EXPECT_EQ(brivelCopySafeArrayToJarray(env, shorts, env->NewBooleanArray(1), VT_I2), 0);
    EXPECT_EQ(brivelCopySafeArrayToJarray(env, shorts, env->NewShortArray(1), VT_I2), 1);  // the right type still copies
    SafeArrayDestroy(shorts);
    SafeArrayDestroy(texts);
    EXPECT_FALSE(env->ExceptionCheck());
}

// A wrapper's "array" field takes only an array of its own type: a VARTYPE
// whose Java array the field cannot hold leaves the field as it was.
TEST_F(Converters, AWrapperFieldTakesOnlyAnArrayOfItsType) {
    jclass wrapperClass = brivelFindClass(env, "brivel/c2jtest/Wrapper");
    ASSERT_NE(wrapperClass, nullptr);
    jobject wrapper = env->AllocObject(wrapperClass);
    jfieldID field = env->GetFieldID(wrapperClass, "array", "[I");
    SAFEARRAY* doubles = SafeArrayCreateVector(VT_R8, 0, 2);
    brivelCopySafeArrayToArrayObj(env, VT_R8, doubles, wrapper, "[I");
    EXPECT_EQ(env->GetObjectField(wrapper, field), nullptr);
    SafeArrayDestroy(doubles);
    SAFEARRAY* ints = Vector(VT_I4, {3});
    brivelCopySafeArrayToArrayObj(env, VT_I4, ints, wrapper, "[I");
    jobject stored = env->GetObjectField(wrapper, field);
    ASSERT_NE(stored, nullptr);
    EXPECT_TRUE(env->IsInstanceOf(stored, env->FindClass("[I")));
    SafeArrayDestroy(ints);
    EXPECT_FALSE(env->ExceptionCheck());
}

// A date whose time cannot be read gives no date (0.0), as a null date
// does, and its exception stays pending for the caller.
TEST_F(Converters, ADateWhoseTimeCannotBeReadGivesZero) {
    jclass broken = env->FindClass("brivel/c2jtest/BrokenDate");
    ASSERT_NE(broken, nullptr);
    jobject date = env->NewObject(broken, env->GetMethodID(broken, "<init>", "()V"));
    EXPECT_EQ(brivelJdateToDate(env, date), 0.0);
    EXPECT_TRUE(env->ExceptionCheck());
    env->ExceptionClear();
}

// Java's dates reach far beyond a FILETIME's range (1601 to about 30828):
// such a date gives no date, as one whose time cannot be read does; the
// first and last dates a FILETIME holds convert.
TEST_F(Converters, DatesBeyondAFiletimesRangeGiveZero) {
    const long long kLast = 0x7FFFFFFFFFFFFFFFLL / 10000 - 11644473600000LL;  // ms of the last whole ms
    const long long kFirst = -11644473600000LL + 1;                           // 1601-01-01 00:00:00.001
    FILETIME ft;
    for (long long millis : {0x7FFFFFFFFFFFFFFFLL, kLast + 1, -0x7FFFFFFFFFFFFFFFLL - 1, kFirst - 2,
                             -922337203685477580LL}) {
        brivelJdateToFiletime(env, &ft, NewDate(millis));
        EXPECT_EQ(Ticks(ft), 0) << millis;
        EXPECT_EQ(brivelJdateToDate(env, NewDate(millis)), 0.0) << millis;
    }
    brivelJdateToFiletime(env, &ft, NewDate(kLast));
    EXPECT_EQ(Ticks(ft), (kLast + 11644473600000LL) * 10000);
    EXPECT_EQ(TimeOf(brivelFiletimeToJobject(env, &ft)), kLast);
    brivelJdateToFiletime(env, &ft, NewDate(kFirst));
    EXPECT_EQ(Ticks(ft), 10000);
    EXPECT_EQ(TimeOf(brivelFiletimeToJobject(env, &ft)), kFirst);

    // A FILETIME holds at most 0x7FFFFFFFFFFFFFFF: a larger one is no time.
    for (DWORD high : {0x80000000u, 0xFFFFFFFFu}) {
        ft.dwHighDateTime = high;
        ft.dwLowDateTime = 0;
        EXPECT_EQ(brivelFiletimeToJobject(env, &ft), nullptr) << high;
    }
    EXPECT_FALSE(env->ExceptionCheck());
}
