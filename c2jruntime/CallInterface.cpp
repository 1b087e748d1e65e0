// The calling interface of the COM objects: a table of loaded classes with
// their member IDs, object creation and deletion, and one call, get and set
// function per Java result type.
#include <windows.h>

#include <atomic>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "BrivelC2J18.h"
#include "JniText.h"
#include "ListenerClasses.h"
#include "RuntimeState.h"

using namespace brivel::c2j;

namespace {
struct ClassEntry {
    int index = 0;
    jclass cls = nullptr;  // global reference
    std::string name;
    std::vector<std::string> descriptor;  // every text of the descriptor, to tell descriptors apart
    std::vector<jmethodID> methods, staticMethods;
    std::vector<jfieldID> fields, staticFields;
};

// The table grows under the class-loading lock while other threads read it
// without a lock: a reader first reads the count, then the array. A grown
// array is published before the count that needs it, and replaced arrays are
// kept until the runtime unloads, so a reader never sees a freed array.
std::atomic<ClassEntry**> g_entries{nullptr};
std::atomic<int> g_count{0};
int g_capacity = 0;
std::vector<ClassEntry**> g_replaced;

[[gnu::always_inline]] inline ClassEntry* EntryOf(int handle) {
    int count = g_count.load(std::memory_order_acquire);
    if (handle < 1 || handle > count) return nullptr;
    return g_entries.load(std::memory_order_acquire)[handle - 1];
}

std::vector<std::string> DescriptorTexts(char** cinfo) {
    std::vector<std::string> texts;
    if (!cinfo) return texts;
    size_t at = 0;
    for (int group = 0; group < 4; ++group) {
        const char* countText = cinfo[at++];
        texts.push_back(countText ? countText : "");
        int count = countText ? std::atoi(countText) : 0;
        for (int i = 0; i < count; ++i) {
            texts.push_back(cinfo[at] ? cinfo[at] : "");
            texts.push_back(cinfo[at + 1] ? cinfo[at + 1] : "");
            at += 2;
        }
    }
    return texts;
}

int LoadClassEntry(const char* classname, char** error, char** cinfo) {
    JNIEnv* env = GetThreadEnv(error);
    if (!env) return 0;
    std::vector<std::string> descriptor = DescriptorTexts(cinfo);
    int count = g_count.load(std::memory_order_acquire);
    for (int handle = 1; handle <= count; ++handle) {
        ClassEntry* entry = EntryOf(handle);
        // The same class with another member list is another entry: each
        // caller's indexes name its own members.
        if (entry->name == classname && entry->descriptor == descriptor) return handle;
    }
    jclass found = env->FindClass(AnsiToModifiedUtf8(classname).c_str());
    if (char* thrown = TakeJavaException(env)) {
        if (found) env->DeleteLocalRef(found);
        StoreMessage(error, thrown);
        return -1;
    }
    if (!found) {  // a failure is always said, never only a handle of -1
        SetErrorFormat(error, "Class %s not found (CLASSPATH problem?)", classname);
        return -1;
    }
    auto* entry = new ClassEntry;
    entry->cls = static_cast<jclass>(env->NewGlobalRef(found));
    env->DeleteLocalRef(found);
    entry->name = classname;
    entry->descriptor = descriptor;
    if (cinfo) {
        size_t at = 0;
        for (int group = 0; group < 4; ++group) {
            int members = cinfo[at] ? std::atoi(cinfo[at]) : 0;
            ++at;
            for (int i = 0; i < members; ++i, at += 2) {
                std::string name = AnsiToModifiedUtf8(cinfo[at]);
                std::string signature = AnsiToModifiedUtf8(cinfo[at + 1]);
                const char* n = name.c_str();
                const char* s = signature.c_str();
                switch (group) {
                case 0: entry->methods.push_back(env->GetMethodID(entry->cls, n, s)); break;
                case 1: entry->fields.push_back(env->GetFieldID(entry->cls, n, s)); break;
                case 2: entry->staticMethods.push_back(env->GetStaticMethodID(entry->cls, n, s)); break;
                default: entry->staticFields.push_back(env->GetStaticFieldID(entry->cls, n, s)); break;
                }
                if (env->ExceptionCheck()) env->ExceptionClear();  // a missing member keeps a null ID
            }
        }
    }
    if (count == g_capacity) {
        int capacity = g_capacity ? g_capacity * 2 : 12;
        auto** grown = static_cast<ClassEntry**>(std::calloc(capacity, sizeof(ClassEntry*)));
        if (!grown) {
            env->DeleteGlobalRef(entry->cls);
            delete entry;
            SetError(error, "Insufficient memory");
            return -1;
        }
        ClassEntry** old = g_entries.load(std::memory_order_relaxed);
        if (old) std::memcpy(grown, old, count * sizeof(ClassEntry*));
        g_entries.store(grown, std::memory_order_release);
        if (old) g_replaced.push_back(old);
        g_capacity = capacity;
    }
    entry->index = count;
    g_entries.load(std::memory_order_relaxed)[count] = entry;
    g_count.store(count + 1, std::memory_order_release);
    return count + 1;
}

struct Member {
    JNIEnv* env = nullptr;
    ClassEntry* entry = nullptr;
    jmethodID method = nullptr;
    jfieldID field = nullptr;
};

// The failures of a lookup, out of line: the lookups themselves are inlined
// into every call, get and set function, where only the checks remain.
[[gnu::cold, gnu::noinline]] bool Refuse(char** error, const char* text) {
    SetError(error, text);
    return false;
}

[[gnu::always_inline]] inline bool LookupMethod(int cls, long obj, int method, bool isStatic, char** error,
                                                Member& m) {
    if (obj == 0 && !isStatic)
        return Refuse(error, "Java Object has not been Constructed.  Call one of the \"Construct\" methods first, for "
                             "non-static calls");
    m.env = GetThreadEnv(error);
    if (!m.env) return false;
    m.entry = EntryOf(cls);
    if (!m.entry) return Refuse(error, "Class is not loaded");
    const std::vector<jmethodID>& ids = isStatic ? m.entry->staticMethods : m.entry->methods;
    if (method < 1 || method > static_cast<int>(ids.size()))
        return Refuse(error, "Class methods not properly initialized");
    m.method = ids[method - 1];
    if (!m.method) return Refuse(error, "Java method not found, JAR file or class may be out of date");
    return true;
}

[[gnu::always_inline]] inline bool LookupField(int cls, long obj, int field, bool isStatic, char** error,
                                               Member& m) {
    if (obj == 0 && !isStatic)
        return Refuse(error, "Java Object has not been Constructed.  Call one of the \"Construct\" methods first, for "
                             "non-static field access");
    m.env = GetThreadEnv(error);
    if (!m.env) return false;
    m.entry = EntryOf(cls);
    if (!m.entry) return Refuse(error, "Class not loaded");
    const std::vector<jfieldID>& ids = isStatic ? m.entry->staticFields : m.entry->fields;
    if (field < 1 || field > static_cast<int>(ids.size()))
        return Refuse(error, "Class fields not properly initialized");
    m.field = ids[field - 1];
    if (!m.field) return Refuse(error, "Java field not found, JAR file or class may be out of date");
    return true;
}

// After every Java call: the pending exception, if any, becomes the message
// (the only one of the call: *error is not looked at, see SetError).
inline void StoreException(JNIEnv* env, char** error) {
    if (char* text = TakeJavaException(env)) StoreMessage(error, text);
}

inline jobject Ref(long obj) { return reinterpret_cast<jobject>(obj); }
inline long FromRef(jobject ref) { return reinterpret_cast<long>(ref); }
inline bool FromBoolean(jboolean value) { return value != 0; }
inline jboolean ToBoolean(bool value) { return value ? JNI_TRUE : JNI_FALSE; }
template <typename T>
inline T Same(T value) { return value; }
}  // namespace

namespace brivel::c2j {
void ForgetClassTable() {
    int count = g_count.load();
    ClassEntry** entries = g_entries.load();
    for (int i = 0; i < count; ++i) delete entries[i];  // the VM and its references are gone
    std::free(entries);
    for (ClassEntry** old : g_replaced) std::free(old);
    g_replaced.clear();
    g_entries = nullptr;
    g_count = 0;
    g_capacity = 0;
}
}  // namespace brivel::c2j

extern "C" long C2jGetJenv(char** error) {
    if (error) *error = nullptr;
    return reinterpret_cast<long>(GetThreadEnv(error));
}

extern "C" void C2jLoadClass(int* clsid, const char* classname, char** error, char** cinfo) {
    if (error) *error = nullptr;
    EnterCriticalSection(&ClassLoadingLock());
    if (clsid && *clsid == 0 && classname && Unloading()) {
        SetError(error, kUnloadingMessage);
    } else if (clsid && *clsid == 0 && classname) {
        char* message = nullptr;
        int handle = LoadClassEntry(classname, &message, cinfo);
        if (!message) *clsid = handle;
        else StoreMessage(error, message);
    }
    LeaveCriticalSection(&ClassLoadingLock());
}

extern "C" long C2jCreateObject(int cls, int method, char** error, ...) {
    if (error) *error = nullptr;
    JNIEnv* env = GetThreadEnv(error);
    if (!env) return 0;
    ClassEntry* entry = EntryOf(cls);
    if (!entry) {
        SetError(error, "Class not loaded");
        return 0;
    }
    bool firstOrBare = method == -100;
    int index = firstOrBare ? 1 : method;
    if (index < 1 || index > static_cast<int>(entry->methods.size())) {
        SetErrorFormat(error, "Class \"%s\" not properly initialized", entry->name.c_str());
        return -1;
    }
    jmethodID constructor = entry->methods[index - 1];
    jobject created;
    if (!constructor) {
        if (!firstOrBare) {
            SetErrorFormat(error, "Java constructor not found for \"%s\", JAR file or class may be out of date.",
                           entry->name.c_str());
            return 0;
        }
        created = env->AllocObject(entry->cls);
    } else {
        va_list args;
        va_start(args, error);
        created = env->NewObjectV(entry->cls, constructor, args);
        va_end(args);
    }
    StoreException(env, error);  // before any further JNI call
    if (!created) return 0;
    jobject global = env->NewGlobalRef(created);
    env->DeleteLocalRef(created);
    return FromRef(global);
}

extern "C" void C2jDeleteObject(long obj, char** error) {
    if (error) *error = nullptr;
    if (obj == 0) return;  // nothing to release: no reason to start Java
    JNIEnv* env = GetThreadEnv(error);
    if (!env) return;
    CutListenerSink(env, Ref(obj));  // a listener Java still holds no longer reaches its sink
    env->DeleteGlobalRef(Ref(obj));
    if (env->ExceptionCheck()) env->ExceptionClear();
}

#define C2J_TYPED(T, R, J, FromJ, ToJ)                                                                        \
    extern "C" R C2jCall##T(bool isStatic, long obj, int cls, int method, char** error, ...) {                \
        if (error) *error = nullptr;                                                                          \
        Member m;                                                                                             \
        if (!LookupMethod(cls, obj, method, isStatic, error, m)) return R();                                  \
        va_list args;                                                                                         \
        va_start(args, error);                                                                                \
        auto value = isStatic ? m.env->CallStatic##J##MethodV(m.entry->cls, m.method, args)                   \
                              : m.env->Call##J##MethodV(Ref(obj), m.method, args);                            \
        va_end(args);                                                                                         \
        StoreException(m.env, error);                                                                         \
        return FromJ(value);                                                                                  \
    }                                                                                                         \
    extern "C" R C2jGet##T(bool isStatic, long obj, int cls, int field, char** error) {                       \
        if (error) *error = nullptr;                                                                          \
        Member m;                                                                                             \
        if (!LookupField(cls, obj, field, isStatic, error, m)) return R();                                    \
        auto value = isStatic ? m.env->GetStatic##J##Field(m.entry->cls, m.field)                             \
                              : m.env->Get##J##Field(Ref(obj), m.field);                                      \
        StoreException(m.env, error);                                                                         \
        return FromJ(value);                                                                                  \
    }                                                                                                         \
    extern "C" void C2jSet##T(bool isStatic, long obj, int cls, int field, R value, char** error) {           \
        if (error) *error = nullptr;                                                                          \
        Member m;                                                                                             \
        if (!LookupField(cls, obj, field, isStatic, error, m)) return;                                        \
        if (isStatic) m.env->SetStatic##J##Field(m.entry->cls, m.field, ToJ(value));                          \
        else m.env->Set##J##Field(Ref(obj), m.field, ToJ(value));                                             \
        StoreException(m.env, error);                                                                         \
    }

C2J_TYPED(Int, int, Int, Same, Same)
C2J_TYPED(Obj, long, Object, FromRef, Ref)
C2J_TYPED(Boolean, bool, Boolean, FromBoolean, ToBoolean)
C2J_TYPED(Short, short, Short, Same, Same)
C2J_TYPED(Char, jchar, Char, Same, Same)
C2J_TYPED(Byte, jbyte, Byte, Same, Same)
C2J_TYPED(Float, float, Float, Same, Same)
C2J_TYPED(Double, double, Double, Same, Same)
C2J_TYPED(Long, C2jInt64, Long, Same, Same)

extern "C" void C2jCallVoid(bool isStatic, long obj, int cls, int method, char** error, ...) {
    if (error) *error = nullptr;
    Member m;
    if (!LookupMethod(cls, obj, method, isStatic, error, m)) return;
    va_list args;
    va_start(args, error);
    if (isStatic) m.env->CallStaticVoidMethodV(m.entry->cls, m.method, args);
    else m.env->CallVoidMethodV(Ref(obj), m.method, args);
    va_end(args);
    StoreException(m.env, error);
}

extern "C" bool C2jClassAssignable(jobject obj, const char* clsname) {
    if (!obj || !clsname || !JavaLoaded()) return true;
    JNIEnv* env = GetThreadEnv(nullptr);
    if (!env) return true;
    std::string name = clsname;
    for (char& c : name)
        if (c == '.') c = '/';
    jclass target = env->FindClass(AnsiToModifiedUtf8(name.c_str()).c_str());
    if (!target) {  // no such class: nothing can be assigned to it
        env->ExceptionClear();
        return false;
    }
    jclass own = env->GetObjectClass(obj);
    bool assignable = env->IsAssignableFrom(own, target) != JNI_FALSE;
    env->DeleteLocalRef(own);
    env->DeleteLocalRef(target);
    return assignable;
}
