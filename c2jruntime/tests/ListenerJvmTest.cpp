// Listener classes on the real i386 VM: Java code (brivel.c2jtest.EventSource)
// calls listener objects, and their native methods are this test's handler
// functions, which find their sink with C2jGetEventObject.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "RuntimeTestSupport.h"
#include "TestJvm.h"
#include "WaitUntil.h"

using namespace brivel::c2j::testing;
using brivel::testing::Answered;
using brivel::testing::WaitUntil;

namespace {
const char kActionListener[] = "java/awt/event/ActionListener";
const char kActionSignature[] = "(Ljava/awt/event/ActionEvent;)V";
const char kEvents[] = "brivel/c2jtest/Events";

// A COM object's sink, as the handlers see it.
struct Sink {
    int id;
};

// What a handler saw.
struct Seen {
    std::string handler;
    const Sink* sink;
    std::string text;
};
std::mutex g_seenLock;
std::vector<Seen> g_seen;

std::string Utf(JNIEnv* env, jstring text) {
    if (!text) return "(null)";
    const char* chars = env->GetStringUTFChars(text, nullptr);
    std::string out = chars;
    env->ReleaseStringUTFChars(text, chars);
    return out;
}

const Sink* SinkOf(JNIEnv* env, jobject self) { return static_cast<const Sink*>(C2jGetEventObject(env, self)); }

void Record(const char* handler, JNIEnv* env, jobject self, const std::string& text = std::string()) {
    const Sink* sink = SinkOf(env, self);
    std::lock_guard<std::mutex> lock(g_seenLock);
    g_seen.push_back({handler, sink, text});
}

std::string CommandOf(JNIEnv* env, jobject event) {
    jclass cls = env->GetObjectClass(event);
    jmethodID get = env->GetMethodID(cls, "getActionCommand", "()Ljava/lang/String;");
    auto command = static_cast<jstring>(Answered(env, env->CallObjectMethod(event, get)));
    std::string text = Utf(env, command);
    env->DeleteLocalRef(command);
    env->DeleteLocalRef(cls);
    return text;
}

// Two COM DLLs' handlers of actionPerformed.
void JNICALL ActionA(JNIEnv* env, jobject self, jobject event) { Record("A", env, self, CommandOf(env, event)); }
void JNICALL ActionB(JNIEnv* env, jobject self, jobject event) { Record("B", env, self, CommandOf(env, event)); }

// The handlers of brivel.c2jtest.Events.
void JNICALL Started(JNIEnv* env, jobject self) { Record("started", env, self); }
// n plus the sink's id: the firing threads check that every call finds the
// listener's own sink (id 1).
jint JNICALL Counted(JNIEnv* env, jobject self, jint n, jlong big) {
    const Sink* sink = SinkOf(env, self);
    if (big != 0) Record("counted", env, self, std::to_string(n) + " " + std::to_string(big));
    return sink ? n + sink->id : -1;
}
jstring JNICALL Named(JNIEnv* env, jobject self, jstring text, jdouble d) {
    std::string said = Utf(env, text) + " " + std::to_string(d);
    Record("named", env, self, said);
    return env->NewStringUTF(("named " + said).c_str());
}
jboolean JNICALL Flagged(JNIEnv* env, jobject self, jboolean b, jchar c, jbyte octet, jshort s, jfloat f) {
    Record("flagged", env, self,
           std::to_string(b) + " " + std::to_string(c) + " " + std::to_string(octet) + " " + std::to_string(s) +
               " " + std::to_string(f));
    return b && c == 0x20AC ? JNI_TRUE : JNI_FALSE;
}

Descriptor EventsDescriptor() {
    return Descriptor({{"<init>", "()V"},
                       {"started", "()V"},
                       {"counted", "(IJ)I"},
                       {"named", "(Ljava/lang/String;D)Ljava/lang/String;"},
                       {"flagged", "(ZCBSF)Z"}},
                      {}, {}, {});
}
void* g_eventsHandlers[] = {reinterpret_cast<void*>(Started), reinterpret_cast<void*>(Counted),
                            reinterpret_cast<void*>(Named), reinterpret_cast<void*>(Flagged)};

enum SourceMethod { kFireAction = 1, kKeep, kFireKeptAction, kFireAll, kStartFiring, kStopFiring, kCallsMade };

class Listeners : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(StartRuntime("-Djava.awt.headless=true"));
        env = reinterpret_cast<JNIEnv*>(C2jGetJenv(e.out()));
        Descriptor source({}, {},
                          {{"fireAction", "(Ljava/awt/event/ActionListener;Ljava/lang/String;)V"},
                           {"keep", "(Ljava/lang/Object;)V"},
                           {"fireKeptAction", "(Ljava/lang/String;)V"},
                           {"fireAll", "(Lbrivel/c2jtest/Events;)Ljava/lang/String;"},
                           {"startFiring", "(Lbrivel/c2jtest/Events;I)V"},
                           {"stopFiring", "()I"},
                           {"callsMade", "()I"}},
                          {});
        C2jLoadClass(&source_, "brivel/c2jtest/EventSource", e.out(), source.get());
        ASSERT_GT(source_, 0) << e.str();
        std::lock_guard<std::mutex> lock(g_seenLock);
        g_seen.clear();
    }

    bool LoadAction(long& cls, long& obj, const std::string& name, void* handler, Sink* sink) {
        Descriptor d({{"actionPerformed", kActionSignature}}, {}, {}, {});
        void* handlers[] = {handler};
        return C2jLoadInterface(&cls, &obj, name.c_str(), kActionListener, e.out(), d.get(), handlers, sink);
    }
    bool LoadEvents(long& cls, long& obj, const std::string& name, Sink* sink) {
        Descriptor d = EventsDescriptor();
        return C2jLoadInterface(&cls, &obj, name.c_str(), kEvents, e.out(), d.get(), g_eventsHandlers, sink);
    }

    // Java calls the listener's actionPerformed.
    void Fire(long listener, const char* command) {
        jstring text = env->NewStringUTF(command);
        C2jCallVoid(true, 0, source_, kFireAction, e.out(), reinterpret_cast<jobject>(listener), text);
        env->DeleteLocalRef(text);
        EXPECT_EQ(e.text, nullptr) << e.str();
    }

    std::vector<Seen> TakeSeen() {
        std::lock_guard<std::mutex> lock(g_seenLock);
        std::vector<Seen> seen;
        seen.swap(g_seen);
        return seen;
    }

    std::string ClassNameOf(long obj) {
        jclass cls = env->GetObjectClass(reinterpret_cast<jobject>(obj));
        jclass classClass = env->GetObjectClass(cls);
        auto name = static_cast<jstring>(
            Answered(env, env->CallObjectMethod(cls, env->GetMethodID(classClass, "getName", "()Ljava/lang/String;"))));
        return Utf(env, name);
    }

    bool SameObject(long a, long b) {
        return env->IsSameObject(reinterpret_cast<jobject>(a), reinterpret_cast<jobject>(b)) != JNI_FALSE;
    }

    Message e;
    int source_ = 0;
    JNIEnv* env = nullptr;
};
}  // namespace

TEST_F(Listeners, AnActionListenerCallsItsHandlerWithItsSink) {
    Sink sink{7};
    long cls = 0, obj = 0;
    ASSERT_TRUE(LoadAction(cls, obj, "ActionListener", reinterpret_cast<void*>(ActionA), &sink)) << e.str();
    EXPECT_EQ(e.text, nullptr);
    ASSERT_NE(obj, 0);
    ASSERT_NE(cls, 0);
    EXPECT_EQ(ClassNameOf(obj), "brivel.eventImpl.ActionListener");
    Fire(obj, "go");
    std::vector<Seen> seen = TakeSeen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].handler, "A");
    EXPECT_EQ(seen[0].sink, &sink);
    EXPECT_EQ(seen[0].text, "go");

    // An object already made: true at once, nothing changes.
    long keptCls = cls, keptObj = obj;
    Sink other{8};
    EXPECT_TRUE(LoadAction(cls, obj, "Whatever", nullptr, &other));
    EXPECT_EQ(e.text, nullptr);
    EXPECT_EQ(obj, keptObj);
    EXPECT_EQ(cls, keptCls);
}

TEST_F(Listeners, ASecondListenerOfTheInterfaceReusesTheClassWithItsOwnSink) {
    Sink first{1}, second{2}, third{3};
    long cls = 0, obj1 = 0, obj2 = 0, otherCls = 0, obj3 = 0;
    ASSERT_TRUE(LoadAction(cls, obj1, "ActionListener", reinterpret_cast<void*>(ActionA), &first)) << e.str();
    long kept = cls;
    ASSERT_TRUE(LoadAction(cls, obj2, "ActionListener", reinterpret_cast<void*>(ActionA), &second)) << e.str();
    EXPECT_EQ(cls, kept);  // the class given is used
    // A caller that does not know the class yet finds it by its name.
    ASSERT_TRUE(LoadAction(otherCls, obj3, "ActionListener", reinterpret_cast<void*>(ActionA), &third)) << e.str();
    EXPECT_TRUE(SameObject(otherCls, cls));
    EXPECT_FALSE(SameObject(obj1, obj2));
    Fire(obj2, "two");
    Fire(obj1, "one");
    Fire(obj3, "three");
    std::vector<Seen> seen = TakeSeen();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].sink, &second);
    EXPECT_EQ(seen[1].sink, &first);
    EXPECT_EQ(seen[2].sink, &third);
}

TEST_F(Listeners, EveryMethodOfAnInterfaceReachesItsHandlerWithItsArguments) {
    Sink sink{1};
    long cls = 0, obj = 0;
    ASSERT_TRUE(LoadEvents(cls, obj, "Events", &sink)) << e.str();
    jstring said = reinterpret_cast<jstring>(
        C2jCallObj(true, 0, source_, kFireAll, e.out(), reinterpret_cast<jobject>(obj)));
    ASSERT_EQ(e.text, nullptr) << e.str();
    EXPECT_EQ(Utf(env, said), "41|named text 0.500000|true");
    std::vector<Seen> seen = TakeSeen();
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].handler, "started");
    EXPECT_EQ(seen[1].text, "40 " + std::to_string(3LL << 33));
    EXPECT_EQ(seen[2].text, "text 0.500000");
    EXPECT_EQ(seen[3].text, "1 8364 -3 300 1.500000");
    for (const Seen& one : seen) EXPECT_EQ(one.sink, &sink) << one.handler;
}

// Two COM DLLs name their listener alike, each with its own handlers: each
// gets a class bound to its own handlers, under the same class name.
TEST_F(Listeners, CallersWithTheirOwnHandlersGetAClassEach) {
    Sink a{1}, b{2}, a2{3};
    long clsA = 0, objA = 0, clsB = 0, objB = 0, clsA2 = 0, objA2 = 0;
    ASSERT_TRUE(LoadAction(clsA, objA, "Shared", reinterpret_cast<void*>(ActionA), &a)) << e.str();
    ASSERT_TRUE(LoadAction(clsB, objB, "Shared", reinterpret_cast<void*>(ActionB), &b)) << e.str();
    ASSERT_TRUE(LoadAction(clsA2, objA2, "Shared", reinterpret_cast<void*>(ActionA), &a2)) << e.str();
    EXPECT_FALSE(SameObject(clsA, clsB));
    EXPECT_TRUE(SameObject(clsA, clsA2));
    EXPECT_EQ(ClassNameOf(objB), "brivel.eventImpl.Shared");
    Fire(objA, "a");
    Fire(objB, "b");
    Fire(objA2, "a2");
    std::vector<Seen> seen = TakeSeen();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].handler + seen[1].handler + seen[2].handler, "ABA");
    EXPECT_EQ(seen[0].sink, &a);
    EXPECT_EQ(seen[1].sink, &b);
    EXPECT_EQ(seen[2].sink, &a2);

    // The same name for another interface is another class as well.
    Sink events{1};
    long clsE = 0, objE = 0;
    ASSERT_TRUE(LoadEvents(clsE, objE, "Shared", &events)) << e.str();
    C2jCallObj(true, 0, source_, kFireAll, e.out(), reinterpret_cast<jobject>(objE));
    EXPECT_EQ(e.text, nullptr) << e.str();

    C2jDeleteObject(objB, e.out());  // cuts B's sink only
    EXPECT_EQ(C2jGetEventObject(env, reinterpret_cast<jobject>(objA)), &a);
}

TEST_F(Listeners, AnUnknownInterfaceGivesTheJavaErrorShownAndNoObject) {
    fflush(stderr);
    int saved = dup(2);
    FILE* capture = tmpfile();
    ASSERT_NE(capture, nullptr);
    dup2(fileno(capture), 2);
    Descriptor d({{"happened", "()V"}}, {}, {}, {});
    void* handlers[] = {reinterpret_cast<void*>(Started)};
    long cls = 0, obj = 0;
    Sink sink{1};
    bool loaded = C2jLoadInterface(&cls, &obj, "Nowhere", "no/such/Listener", e.out(), d.get(), handlers, &sink);
    fflush(stderr);
    dup2(saved, 2);
    close(saved);
    std::string shown;
    rewind(capture);
    for (int c; (c = fgetc(capture)) != EOF;) shown += static_cast<char>(c);
    fclose(capture);

    EXPECT_FALSE(loaded);
    EXPECT_EQ(obj, 0);
    EXPECT_EQ(cls, 0);
    EXPECT_EQ(e.str().rfind("java.lang.NoClassDefFoundError: no/such/Listener", 0), 0u) << e.str();
    EXPECT_NE(e.str().find("\n"), std::string::npos);  // the printed stack trace
    EXPECT_EQ(shown, "Error: " + e.str() + "\n");      // the message box's stand-in here
    EXPECT_FALSE(env->ExceptionCheck());
    // Nothing was kept: the interface is looked for again.
    EXPECT_FALSE(C2jLoadInterface(&cls, &obj, "Nowhere", "no/such/Listener", e.out(), d.get(), handlers, &sink));
}

TEST_F(Listeners, GetEventObjectAnswersNullForObjectsOfOtherClasses) {
    Sink sink{1};
    long cls = 0, obj = 0;
    ASSERT_TRUE(LoadAction(cls, obj, "ActionListener", reinterpret_cast<void*>(ActionA), &sink)) << e.str();
    EXPECT_EQ(C2jGetEventObject(env, reinterpret_cast<jobject>(obj)), &sink);
    jstring text = env->NewStringUTF("brivel.eventImpl.ActionListener");
    EXPECT_EQ(C2jGetEventObject(env, text), nullptr);
    EXPECT_EQ(C2jGetEventObject(env, reinterpret_cast<jobject>(cls)), nullptr);  // the class itself
    EXPECT_EQ(C2jGetEventObject(env, nullptr), nullptr);
    EXPECT_EQ(C2jGetEventObject(nullptr, text), nullptr);
    EXPECT_FALSE(env->ExceptionCheck());
}

TEST_F(Listeners, DeletingAListenerCutsItsSink) {
    Sink sink{1};
    long cls = 0, obj = 0;
    ASSERT_TRUE(LoadAction(cls, obj, "ActionListener", reinterpret_cast<void*>(ActionA), &sink)) << e.str();
    C2jCallVoid(true, 0, source_, kKeep, e.out(), reinterpret_cast<jobject>(obj));  // Java holds it
    jstring before = env->NewStringUTF("before");
    C2jCallVoid(true, 0, source_, kFireKeptAction, e.out(), before);
    C2jDeleteObject(obj, e.out());
    EXPECT_EQ(e.text, nullptr);
    jstring after = env->NewStringUTF("after");
    C2jCallVoid(true, 0, source_, kFireKeptAction, e.out(), after);
    EXPECT_EQ(e.text, nullptr) << e.str();
    std::vector<Seen> seen = TakeSeen();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].sink, &sink);
    EXPECT_EQ(seen[1].sink, nullptr);
    EXPECT_EQ(seen[1].text, "after");

    // Other objects are deleted as before.
    jclass listClass = env->FindClass("java/util/ArrayList");
    jobject list = env->NewGlobalRef(env->NewObject(listClass, env->GetMethodID(listClass, "<init>", "()V")));
    C2jDeleteObject(reinterpret_cast<long>(list), e.out());
    EXPECT_EQ(e.text, nullptr);
    EXPECT_FALSE(env->ExceptionCheck());
}

// Names of any length, and beyond ASCII (code page 1252: the class name is
// "brivel/eventImpl/Ereignisse" with an umlaut, as Java spells it).
TEST_F(Listeners, ClassNamesOfAnyLengthAndBeyondAscii) {
    Sink sink{1}, umlaut{2};
    std::string longName = "L" + std::string(3000, 'o') + "ng";
    long cls = 0, obj = 0, umlautCls = 0, umlautObj = 0;
    ASSERT_TRUE(LoadAction(cls, obj, longName, reinterpret_cast<void*>(ActionA), &sink)) << e.str();
    ASSERT_TRUE(LoadAction(umlautCls, umlautObj, "\xC4nderung", reinterpret_cast<void*>(ActionA), &umlaut))
        << e.str();
    EXPECT_EQ(ClassNameOf(obj), "brivel.eventImpl." + longName);
    EXPECT_EQ(ClassNameOf(umlautObj), "brivel.eventImpl.\xC3\x84nderung");
    Fire(obj, "long");
    Fire(umlautObj, "umlaut");
    std::vector<Seen> seen = TakeSeen();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].sink, &sink);
    EXPECT_EQ(seen[1].sink, &umlaut);
    jobject held = env->NewLocalRef(reinterpret_cast<jobject>(umlautObj));
    C2jDeleteObject(umlautObj, e.out());
    EXPECT_EQ(C2jGetEventObject(env, held), nullptr);
}

// A "<clinit>" pair is no listener method: refused before the VM sees it
// (the bootstrap loader of the interface checks no class format, and would
// run a <clinit> without code when the class is first used).
TEST_F(Listeners, AMethodNameNoClassFileMayDeclareIsRefused) {
    Descriptor d({{"actionPerformed", kActionSignature}, {"<clinit>", "()V"}}, {}, {}, {});
    void* handlers[] = {reinterpret_cast<void*>(ActionA), reinterpret_cast<void*>(ActionA)};
    long cls = 0, obj = 0;
    Sink sink{1};
    EXPECT_FALSE(C2jLoadInterface(&cls, &obj, "Unbound", kActionListener, e.out(), d.get(), handlers, &sink));
    EXPECT_EQ(e.str(), "Listener class brivel/eventImpl/Unbound cannot be written: a name does not fit a Java class file");
    EXPECT_EQ(obj, 0);
    EXPECT_EQ(cls, 0);
}

// Java threads call a listener, each call finding its sink through the
// field-ID map, while new listener classes are entered in it.
TEST_F(Listeners, EventsFromManyJavaThreadsWhileNewListenersAreLoaded) {
    Sink firing{1};
    long cls = 0, obj = 0;
    ASSERT_TRUE(LoadEvents(cls, obj, "Fired", &firing)) << e.str();
    C2jCallVoid(true, 0, source_, kStartFiring, e.out(), reinterpret_cast<jobject>(obj), 4);
    ASSERT_EQ(e.text, nullptr) << e.str();
    Message m;
    ASSERT_TRUE(WaitUntil([&] { return C2jCallInt(true, 0, source_, kCallsMade, m.out()) > 1000; }));
    std::vector<Sink> sinks(200);
    for (size_t i = 0; i < sinks.size(); ++i) {
        sinks[i].id = 1;
        long newCls = 0, newObj = 0;
        ASSERT_TRUE(LoadEvents(newCls, newObj, "Extra" + std::to_string(i), &sinks[i])) << e.str();
        if (i % 10 == 0) C2jCallObj(true, 0, source_, kFireAll, e.out(), reinterpret_cast<jobject>(newObj));
    }
    int wrong = C2jCallInt(true, 0, source_, kStopFiring, e.out());
    EXPECT_EQ(e.text, nullptr) << e.str();
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(C2jCallInt(true, 0, source_, kCallsMade, e.out()), 0);
    std::vector<Seen> seen = TakeSeen();
    ASSERT_FALSE(seen.empty()) << "no handler ran";
    for (const Seen& one : seen)
        EXPECT_TRUE(one.sink && one.sink->id == 1) << one.handler;
}
