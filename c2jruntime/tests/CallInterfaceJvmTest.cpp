// The calling interface on the real i386 VM: class table, objects, calls of
// every type with the C promotion of variable arguments, fields, statics,
// and Java exceptions.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "RuntimeTestSupport.h"

using namespace brivel::c2j::testing;

namespace {
const char kSample[] = "brivel/c2jtest/Sample";

Descriptor FullSample() {
    return Descriptor(
        {{"<init>", "()V"},
         {"<init>", "(ILjava/lang/String;)V"},
         {"<init>", "(Z)V"},
         {"add", "(II)I"},
         {"mulLong", "(JI)J"},
         {"not", "(Z)Z"},
         {"negShort", "(S)S"},
         {"nextChar", "(C)C"},
         {"negByte", "(B)B"},
         {"half", "(F)F"},
         {"sum", "(DFSBC)D"},
         {"concat", "(Ljava/lang/String;I)Ljava/lang/String;"},
         {"store", "(I)V"},
         {"fail", "(Ljava/lang/String;)I"},
         {"missing", "()V"}},
        {{"number", "I"}, {"big", "J"}, {"flag", "Z"}, {"small", "S"}, {"letter", "C"}, {"octet", "B"},
         {"real", "F"}, {"precise", "D"}, {"thing", "Ljava/lang/Object;"}, {"absent", "I"}},
        {{"twice", "(I)I"}},
        {{"counter", "I"}, {"label", "Ljava/lang/String;"}});
}

enum Method { kInitPlain = 1, kInitTwo, kInitFail, kAdd, kMulLong, kNot, kNegShort, kNextChar, kNegByte, kHalf,
              kSum, kConcat, kStore, kFail, kMissing };
enum Field { kNumber = 1, kBig, kFlag, kSmall, kLetter, kOctet, kReal, kPrecise, kThing, kAbsent };

class Calls : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(StartRuntime());
        Descriptor d = FullSample();
        C2jLoadClass(&cls, kSample, e.out(), d.get());
        ASSERT_GT(cls, 0) << e.str();
        env = reinterpret_cast<JNIEnv*>(C2jGetJenv(e.out()));
        obj = C2jCreateObject(cls, kInitPlain, e.out());
        ASSERT_NE(obj, 0) << e.str();
    }
    std::string Text(long ref) {
        if (!ref) return "(null)";
        const char* chars = env->GetStringUTFChars(reinterpret_cast<jstring>(ref), nullptr);
        std::string text = chars;
        env->ReleaseStringUTFChars(reinterpret_cast<jstring>(ref), chars);
        return text;
    }
    Message e;
    int cls = 0;
    long obj = 0;
    JNIEnv* env = nullptr;
};
}  // namespace

TEST_F(Calls, EveryResultTypeWithPromotedArguments) {
    EXPECT_EQ(C2jCallInt(false, obj, cls, kAdd, e.out(), 40, 2), 42);
    EXPECT_EQ(C2jCallLong(false, obj, cls, kMulLong, e.out(), 3000000000LL, 3), 9000000000LL);
    EXPECT_TRUE(C2jCallBoolean(false, obj, cls, kNot, e.out(), JNI_FALSE));
    EXPECT_FALSE(C2jCallBoolean(false, obj, cls, kNot, e.out(), JNI_TRUE));
    short s = 300;
    EXPECT_EQ(C2jCallShort(false, obj, cls, kNegShort, e.out(), s), -300);
    jchar c = 'A';
    EXPECT_EQ(C2jCallChar(false, obj, cls, kNextChar, e.out(), c), 'B');
    jbyte b = 5;
    EXPECT_EQ(C2jCallByte(false, obj, cls, kNegByte, e.out(), b), -5);
    float f = 3.0f;  // arrives as a double, as C passes it
    EXPECT_FLOAT_EQ(C2jCallFloat(false, obj, cls, kHalf, e.out(), f), 1.5f);
    EXPECT_DOUBLE_EQ(C2jCallDouble(false, obj, cls, kSum, e.out(), 0.5, f, s, b, c), 0.5 + 3 + 300 + 5 + 65);
    jstring hello = env->NewStringUTF("n=");
    EXPECT_EQ(Text(C2jCallObj(false, obj, cls, kConcat, e.out(), hello, 7)), "n=7");
    C2jCallVoid(false, obj, cls, kStore, e.out(), 99);
    EXPECT_EQ(C2jGetInt(false, obj, cls, kNumber, e.out()), 99);
    EXPECT_EQ(C2jCallInt(true, 0, cls, 1, e.out(), 21), 42);  // static, no object needed
    EXPECT_EQ(e.text, nullptr);
}

TEST_F(Calls, FieldsOfEveryTypeAndStaticFields) {
    C2jSetInt(false, obj, cls, kNumber, -7, e.out());
    EXPECT_EQ(C2jGetInt(false, obj, cls, kNumber, e.out()), -7);
    C2jSetLong(false, obj, cls, kBig, 1LL << 40, e.out());
    EXPECT_EQ(C2jGetLong(false, obj, cls, kBig, e.out()), 1LL << 40);
    C2jSetBoolean(false, obj, cls, kFlag, true, e.out());
    EXPECT_TRUE(C2jGetBoolean(false, obj, cls, kFlag, e.out()));
    C2jSetShort(false, obj, cls, kSmall, -12, e.out());
    EXPECT_EQ(C2jGetShort(false, obj, cls, kSmall, e.out()), -12);
    C2jSetChar(false, obj, cls, kLetter, 0x20AC, e.out());
    EXPECT_EQ(C2jGetChar(false, obj, cls, kLetter, e.out()), 0x20AC);
    C2jSetByte(false, obj, cls, kOctet, -128, e.out());
    EXPECT_EQ(C2jGetByte(false, obj, cls, kOctet, e.out()), -128);
    C2jSetFloat(false, obj, cls, kReal, 2.25f, e.out());
    EXPECT_FLOAT_EQ(C2jGetFloat(false, obj, cls, kReal, e.out()), 2.25f);
    C2jSetDouble(false, obj, cls, kPrecise, 1e300, e.out());
    EXPECT_DOUBLE_EQ(C2jGetDouble(false, obj, cls, kPrecise, e.out()), 1e300);
    C2jSetObj(false, obj, cls, kThing, reinterpret_cast<long>(env->NewStringUTF("held")), e.out());
    EXPECT_EQ(Text(C2jGetObj(false, obj, cls, kThing, e.out())), "held");
    EXPECT_EQ(C2jGetInt(true, 0, cls, 1, e.out()), 5);
    C2jSetInt(true, 0, cls, 1, 6, e.out());
    EXPECT_EQ(C2jGetInt(true, 0, cls, 1, e.out()), 6);
    EXPECT_EQ(Text(C2jGetObj(true, 0, cls, 2, e.out())), "start");
    EXPECT_EQ(e.text, nullptr);

    EXPECT_EQ(C2jGetInt(false, obj, cls, kAbsent, e.out()), 0);
    EXPECT_EQ(e.str(), "Java field not found, JAR file or class may be out of date");
    EXPECT_EQ(C2jGetInt(false, obj, cls, 11, e.out()), 0);
    EXPECT_EQ(e.str(), "Class fields not properly initialized");
    EXPECT_EQ(C2jGetInt(false, obj, 99, 1, e.out()), 0);
    EXPECT_EQ(e.str(), "Class not loaded");
    EXPECT_EQ(C2jGetInt(false, 0, cls, 1, e.out()), 0);
    EXPECT_EQ(e.str(), "Java Object has not been Constructed.  Call one of the \"Construct\" methods first, for "
                       "non-static field access");
}

TEST_F(Calls, MethodLookupFailuresAreReportedInOrder) {
    EXPECT_EQ(C2jCallInt(false, 0, cls, kAdd, e.out(), 1, 2), 0);
    EXPECT_EQ(e.str(), "Java Object has not been Constructed.  Call one of the \"Construct\" methods first, for "
                       "non-static calls");
    C2jCallVoid(false, obj, 0, 1, e.out());
    EXPECT_EQ(e.str(), "Class is not loaded");
    C2jCallVoid(false, obj, cls, 16, e.out());
    EXPECT_EQ(e.str(), "Class methods not properly initialized");
    C2jCallVoid(false, obj, cls, kMissing, e.out());
    EXPECT_EQ(e.str(), "Java method not found, JAR file or class may be out of date");
    EXPECT_EQ(C2jCallInt(false, obj, cls, kAdd, e.out(), 1, 2), 3);  // the class still works
}

TEST_F(Calls, ConstructorsByIndexFirstOrBare) {
    jstring text = env->NewStringUTF("given");
    long two = C2jCreateObject(cls, kInitTwo, e.out(), 17, text);
    ASSERT_NE(two, 0) << e.str();
    EXPECT_EQ(C2jGetInt(false, two, cls, kNumber, e.out()), 17);
    EXPECT_EQ(Text(C2jGetObj(false, two, cls, kThing, e.out())), "given");
    C2jDeleteObject(two, e.out());
    EXPECT_EQ(e.text, nullptr);

    long first = C2jCreateObject(cls, -100, e.out());
    EXPECT_EQ(C2jGetInt(false, first, cls, kNumber, e.out()), 1);
    EXPECT_EQ(C2jCreateObject(cls, 0, e.out()), -1);
    EXPECT_EQ(e.str(), "Class \"brivel/c2jtest/Sample\" not properly initialized");
    EXPECT_EQ(C2jCreateObject(cls, kAdd + 100, e.out()), -1);
    EXPECT_EQ(C2jCreateObject(0, 1, e.out()), 0);
    EXPECT_EQ(e.str(), "Class not loaded");

    EXPECT_EQ(C2jCreateObject(cls, kInitFail, e.out(), JNI_TRUE), 0);
    EXPECT_EQ(e.str().rfind("java.lang.IllegalArgumentException: constructor refused", 0), 0u) << e.str();
    EXPECT_NE(C2jCreateObject(cls, kInitFail, e.out(), JNI_FALSE), 0);
    EXPECT_EQ(e.text, nullptr);

    // No first constructor: -100 makes the object without running one.
    Descriptor bare({{"<init>", "(Ljava/lang/Double;)V"}}, {{"number", "I"}}, {}, {});
    int bareCls = 0;
    C2jLoadClass(&bareCls, kSample, e.out(), bare.get());
    long allocated = C2jCreateObject(bareCls, -100, e.out());
    ASSERT_NE(allocated, 0) << e.str();
    EXPECT_EQ(C2jGetInt(false, allocated, bareCls, 1, e.out()), 0);
    EXPECT_EQ(C2jCreateObject(bareCls, 1, e.out()), 0);
    EXPECT_EQ(e.str(), "Java constructor not found for \"brivel/c2jtest/Sample\", JAR file or class may be out of date.");
}

TEST_F(Calls, JavaExceptionsBecomeTheMessageAndTheLastException) {
    jstring text = env->NewStringUTF("bad thing");
    EXPECT_EQ(C2jCallInt(false, obj, cls, kFail, e.out(), text), 0);
    EXPECT_EQ(e.str().rfind("java.lang.IllegalStateException: bad thing\n", 0), 0u) << e.str();
    EXPECT_NE(e.str().find("at brivel.c2jtest.Sample.fail"), std::string::npos);
    EXPECT_FALSE(env->ExceptionCheck());
    EXPECT_NE(C2jGetLastException(), nullptr);
    EXPECT_EQ(TakeBstr(C2jGetLastExceptionClass()), "java.lang.IllegalStateException");
    EXPECT_EQ(C2jCallInt(false, obj, cls, kAdd, e.out(), 1, 1), 2);  // the thread goes on
    EXPECT_EQ(e.text, nullptr);
    // The message is ANSI text (code page 1252): the e acute is one byte.
    EXPECT_EQ(C2jCallInt(false, obj, cls, kFail, e.out(), env->NewStringUTF("caf\xC3\xA9 \xE2\x82\xAC")), 0);
    EXPECT_EQ(e.str().rfind("java.lang.IllegalStateException: caf\xE9 \x80\n", 0), 0u) << e.str();
    C2jClearLastException();
    EXPECT_EQ(C2jGetLastException(), nullptr);
    EXPECT_EQ(TakeBstr(C2jGetLastExceptionClass()), "(null)");
}

TEST_F(Calls, ClassesAreSharedPerDescriptorSoEachCallerCallsItsOwnMembers) {
    Descriptor a({{"<init>", "()V"}, {"add", "(II)I"}}, {}, {}, {});
    Descriptor a2({{"<init>", "()V"}, {"add", "(II)I"}}, {}, {}, {});
    Descriptor b({{"<init>", "()V"}, {"trivial", "()I"}}, {}, {}, {});
    int first = 0, again = 0, other = 0;
    C2jLoadClass(&first, kSample, e.out(), a.get());
    C2jLoadClass(&again, kSample, e.out(), a2.get());
    C2jLoadClass(&other, kSample, e.out(), b.get());
    EXPECT_EQ(first, again);
    EXPECT_NE(first, other);
    EXPECT_EQ(C2jCallInt(false, obj, first, 2, e.out(), 2, 3), 5);
    EXPECT_EQ(C2jCallInt(false, obj, other, 2, e.out()), 42);

    int kept = other;  // a variable that holds a handle is not loaded again
    C2jLoadClass(&kept, "no/such/Class", e.out(), a.get());
    EXPECT_EQ(kept, other);
    EXPECT_EQ(e.text, nullptr);
}

TEST_F(Calls, AMissingClassGivesTheJavaErrorAndNoHandle) {
    int missing = 0;
    C2jLoadClass(&missing, "no/such/Class", e.out(), nullptr);
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(e.str().rfind("java.lang.NoClassDefFoundError: no/such/Class", 0), 0u) << e.str();
}

TEST_F(Calls, TheClassTableGrowsWhileOtherThreadsCall) {
    std::atomic<bool> stop{false};
    std::atomic<int> wrong{0};
    std::thread caller([&] {
        Message m;
        while (!stop) {
            if (C2jCallInt(false, obj, cls, kAdd, m.out(), 20, 22) != 42) ++wrong;
        }
    });
    for (int i = 0; i < 100; ++i) {  // 100 distinct descriptors: the table grows several times
        Descriptor d({{"<init>", "()V"}, {"add", "(II)I"}}, {{"n" + std::to_string(i), "I"}}, {}, {});
        int handle = 0;
        C2jLoadClass(&handle, kSample, e.out(), d.get());
        ASSERT_EQ(handle, cls + 1 + i);
    }
    stop = true;
    caller.join();
    EXPECT_EQ(wrong.load(), 0);
}

TEST_F(Calls, ClassAssignable) {
    jclass listClass = env->FindClass("java/util/ArrayList");
    jobject list = env->NewObject(listClass, env->GetMethodID(listClass, "<init>", "()V"));
    EXPECT_TRUE(C2jClassAssignable(list, "java.util.List"));
    EXPECT_FALSE(C2jClassAssignable(list, "java.lang.String"));
    EXPECT_FALSE(C2jClassAssignable(list, "no.such.Type"));
    EXPECT_FALSE(env->ExceptionCheck());
    std::string longName(5000, 'x');
    EXPECT_FALSE(C2jClassAssignable(list, longName.c_str()));
}

TEST_F(Calls, TheLastExceptionIsReplacedSafelyFromManyThreads) {
    std::vector<std::thread> threads;
    std::atomic<int> wrongClass{0};
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            Message m;
            JNIEnv* own = reinterpret_cast<JNIEnv*>(C2jGetJenv(m.out()));
            for (int i = 0; i < 200; ++i) {
                jstring text = own->NewStringUTF("x");
                C2jCallInt(false, obj, cls, kFail, m.out(), text);
                own->DeleteLocalRef(text);
                if (t == 0) {
                    BSTR name = C2jGetLastExceptionClass();
                    if (TakeBstr(name) != "java.lang.IllegalStateException") ++wrongClass;
                }
            }
        });
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(wrongClass.load(), 0);
    EXPECT_EQ(TakeBstr(C2jGetLastExceptionClass()), "java.lang.IllegalStateException");
}

// Every thread calls through its own environment: each one's exceptions are
// its own message, and the calls between them succeed with no message.
TEST_F(Calls, ManyThreadsEachGetTheirOwnResultsAndExceptions) {
    std::vector<std::thread> threads;
    std::vector<int> wrong(6, 0);
    std::vector<long> envs(6, 0);
    for (int t = 0; t < 6; ++t)
        threads.emplace_back([&, t] {
            Message m;
            // The first call attaches the thread; it fails, as later ones do.
            for (int i = 0; i < 300; ++i) {
                if (i % 3 == 0) {
                    JNIEnv* own = reinterpret_cast<JNIEnv*>(C2jGetJenv(m.out()));
                    std::string said = "thread " + std::to_string(t) + " call " + std::to_string(i);
                    jstring text = own->NewStringUTF(said.c_str());
                    if (C2jCallInt(false, obj, cls, kFail, m.out(), text) != 0) ++wrong[t];
                    own->DeleteLocalRef(text);
                    if (m.str().rfind("java.lang.IllegalStateException: " + said + "\n", 0) != 0) ++wrong[t];
                } else {
                    if (C2jCallInt(false, obj, cls, kAdd, m.out(), t, i) != t + i || m.text) ++wrong[t];
                    if (C2jGetInt(false, obj, cls, kNumber, m.out()) != 1 || m.text) ++wrong[t];
                }
            }
            envs[t] = C2jGetJenv(m.out());
        });
    for (auto& thread : threads) thread.join();
    std::set<long> distinct(envs.begin(), envs.end());
    distinct.insert(reinterpret_cast<long>(env));
    EXPECT_EQ(distinct.size(), 7u);
    for (int t = 0; t < 6; ++t) EXPECT_EQ(wrong[t], 0) << "thread " << t;
    EXPECT_FALSE(env->ExceptionCheck());
}

// An exception whose stack trace cannot be printed still gives a message
// (its class name), and no JNI call is made while the printing's own
// exception is pending (the VM's JNI checks would say so on its output).
TEST(JavaExceptions, OneThatCannotBePrintedGivesItsClassName) {
    ASSERT_TRUE(StartRuntime("-Xcheck:jni"));
    Message e;
    Descriptor descriptor({}, {}, {{"raise", "()I"}}, {});
    int cls = 0;
    C2jLoadClass(&cls, "brivel/c2jtest/Unprintable", e.out(), descriptor.get());
    ASSERT_GT(cls, 0) << e.str();

    fflush(stdout);
    int saved = dup(1);
    FILE* capture = tmpfile();
    ASSERT_NE(capture, nullptr);
    dup2(fileno(capture), 1);
    int result = C2jCallInt(true, 0, cls, 1, e.out());
    fflush(stdout);
    dup2(saved, 1);
    close(saved);
    std::string vmOutput;
    rewind(capture);
    for (int c; (c = fgetc(capture)) != EOF;) vmOutput += static_cast<char>(c);
    fclose(capture);

    EXPECT_EQ(result, 0);
    EXPECT_EQ(e.str(), "brivel.c2jtest.Unprintable");
    EXPECT_EQ(TakeBstr(C2jGetLastExceptionClass()), "brivel.c2jtest.Unprintable");
    EXPECT_EQ(vmOutput.find("exception pending"), std::string::npos) << vmOutput;
    JNIEnv* env = reinterpret_cast<JNIEnv*>(C2jGetJenv(e.out()));
    EXPECT_FALSE(env->ExceptionCheck());
}
