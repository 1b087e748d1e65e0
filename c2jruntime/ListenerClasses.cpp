// Listener classes: for a Java listener interface, a class written at run
// time whose methods are native and bound to the COM DLL's handler
// functions, and listener objects that carry the DLL's sink pointer.
//
// Which class a listener gets: the class name is "brivel/eventImpl/" and the
// caller's name, but the natives of a class are bound to one handler table.
// So a class is shared only by callers that give the same name, interface,
// descriptor and handler table (the class map's key holds all four); two
// COM DLLs that both name their listener "ActionListener" get a class each,
// each bound to its own handlers. The first class of a name is defined in
// the interface's own class loader; a later one of the same name, which
// that loader cannot hold twice, in a new loader below it that holds only
// that class. Java code sees the same class name either way.
#include "ListenerClasses.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BrivelC2J18.h"
#include "ErrorBox.h"
#include "EventClassFile.h"
#include "JniText.h"
#include "NameMap.h"
#include "RuntimeState.h"

using namespace brivel::c2j;

namespace {
const char kGeneratedPrefix[] = "brivel/eventImpl/";
const char kSinkField[] = "brivelTavoObject";
const char kInit[] = "<init>";

struct ListenerClass {
    jclass cls;                     // global reference
    jfieldID sink;                  // its brivelTavoObject field
    bool bound;                     // its natives are registered: it may be handed out
    const ListenerClass* sameName;  // the class defined before it under the same name
};

// Written under the class-loading lock. The class map (key: name,
// interface, descriptor and handlers) is read under it too; the field-ID
// map (generated name to the newest class of that name, the older ones
// through sameName) is read by any thread without it. Neither is freed at
// process exit: Java threads may still call listeners while the process
// ends, and its memory goes with it.
NameMap<const ListenerClass*>& ClassMap() {
    static auto* map = new NameMap<const ListenerClass*>;
    return *map;
}
NameMap<const ListenerClass*>& FieldIdMap() {
    static auto* map = new NameMap<const ListenerClass*>;
    return *map;
}

class ClassLoadingGuard {
public:
    ClassLoadingGuard() { EnterCriticalSection(&ClassLoadingLock()); }
    ~ClassLoadingGuard() { LeaveCriticalSection(&ClassLoadingLock()); }
    ClassLoadingGuard(const ClassLoadingGuard&) = delete;
    ClassLoadingGuard& operator=(const ClassLoadingGuard&) = delete;
};

// The caller's listener: its descriptor and handler table.
struct Listener {
    std::string name;                                        // generated class name, ANSI
    std::string interfaceName;                               // slash form, ANSI
    std::vector<std::pair<std::string, std::string>> pairs;  // every pair of the descriptor, ANSI
    std::vector<void*> handlers;                             // one per pair not named "<init>"
};

Listener ReadListener(const char* classname, const char* intfname, char** cinfo, void** eventHandlers) {
    Listener listener;
    listener.name = std::string(kGeneratedPrefix) + classname;
    listener.interfaceName = intfname;
    int count = cinfo && cinfo[0] ? std::atoi(cinfo[0]) : 0;
    for (int i = 0; i < count; ++i) {
        const char* name = cinfo[1 + 2 * i];
        const char* signature = cinfo[2 + 2 * i];
        listener.pairs.emplace_back(name ? name : "", signature ? signature : "");
        if (listener.pairs.back().first != kInit)
            listener.handlers.push_back(eventHandlers ? eventHandlers[listener.handlers.size()] : nullptr);
    }
    return listener;
}

// What makes two listeners share a class.
std::string ClassKey(const Listener& listener) {
    std::string key = listener.name + '\n' + listener.interfaceName + '\n';
    for (const auto& pair : listener.pairs) key += pair.first + ' ' + pair.second + ';';
    key += '\n';
    for (void* handler : listener.handlers) {
        char address[24];
        std::snprintf(address, sizeof address, "%p,", handler);
        key += address;
    }
    return key;
}

// Stores the pending exception as the message; true when there was one.
bool TookException(JNIEnv* env, char** error) {
    char* text = TakeJavaException(env);
    if (!text) return false;
    StoreMessage(error, text);
    return true;
}

// A loader of its own for one more class of a name that `parent` (null: the
// bootstrap loader) holds already.
jobject NewChildLoader(JNIEnv* env, jobject parent, char** error) {
    jclass loaderClass = env->FindClass("java/net/URLClassLoader");
    jclass urlClass = loaderClass ? env->FindClass("java/net/URL") : nullptr;
    jmethodID create = urlClass ? env->GetMethodID(loaderClass, kInit, "([Ljava/net/URL;Ljava/lang/ClassLoader;)V")
                                : nullptr;
    jobjectArray noUrls = create ? env->NewObjectArray(0, urlClass, nullptr) : nullptr;
    jobject loader = noUrls ? env->NewObject(loaderClass, create, noUrls, parent) : nullptr;
    for (jobject ref : {static_cast<jobject>(noUrls), static_cast<jobject>(urlClass),
                        static_cast<jobject>(loaderClass)})
        if (ref) env->DeleteLocalRef(ref);
    if (TookException(env, error)) return nullptr;
    return loader;
}

// The class loader of `cls` (null: the bootstrap loader); false with the
// message when asking failed.
bool LoaderOf(JNIEnv* env, jclass cls, jobject& loader, char** error) {
    jclass classClass = env->GetObjectClass(cls);
    jmethodID getLoader = env->GetMethodID(classClass, "getClassLoader", "()Ljava/lang/ClassLoader;");
    loader = getLoader ? env->CallObjectMethod(cls, getLoader) : nullptr;
    env->DeleteLocalRef(classClass);
    return !TookException(env, error);
}

// Binds the class's natives to the handlers; false with the message.
bool RegisterHandlers(JNIEnv* env, jclass cls, const Listener& listener, const std::vector<EventMethod>& methods,
                      char** error) {
    std::vector<JNINativeMethod> natives;
    size_t handler = 0;
    for (const EventMethod& method : methods) {
        if (method.name == kInit) continue;
        natives.push_back({const_cast<char*>(method.name.c_str()), const_cast<char*>(method.signature.c_str()),
                           listener.handlers[handler++]});
    }
    if (natives.empty()) return true;
    if (env->RegisterNatives(cls, natives.data(), static_cast<jint>(natives.size())) == 0) return true;
    if (!TookException(env, error))
        SetErrorFormat(error, "Native methods of %s could not be registered", listener.name.c_str());
    return false;
}

// Writes, defines and binds the listener's class; enters it in the maps.
// Null with the message on failure (a class that was defined but could not
// be bound is kept in the field-ID map only, so that its name counts as
// taken in that loader, and is never handed out).
const ListenerClass* DefineEventClass(JNIEnv* env, const Listener& listener, const std::string& key, char** error) {
    std::vector<EventMethod> methods;
    for (const auto& pair : listener.pairs)
        methods.push_back({AnsiToModifiedUtf8(pair.first.c_str()), AnsiToModifiedUtf8(pair.second.c_str())});
    const std::string name = AnsiToModifiedUtf8(listener.name.c_str());
    std::vector<uint8_t> bytes;
    if (!WriteEventClassFile(name, AnsiToModifiedUtf8(listener.interfaceName.c_str()), methods, bytes)) {
        SetErrorFormat(error, "Listener class %s cannot be written: a name does not fit a Java class file",
                       listener.name.c_str());
        return nullptr;
    }

    jclass found = env->FindClass(AnsiToModifiedUtf8(listener.interfaceName.c_str()).c_str());
    if (TookException(env, error)) return nullptr;
    if (!found) {
        SetErrorFormat(error, "Class %s not found (CLASSPATH problem?)", listener.interfaceName.c_str());
        return nullptr;
    }
    jobject loader = nullptr;
    bool asked = LoaderOf(env, found, loader, error);
    env->DeleteLocalRef(found);
    if (!asked) return nullptr;
    NameMap<const ListenerClass*>::Node& sameName = FieldIdMap().FindOrAdd(listener.name.c_str());
    if (sameName.Get()) {
        jobject child = NewChildLoader(env, loader, error);
        if (loader) env->DeleteLocalRef(loader);
        if (!child) return nullptr;
        loader = child;
    }
    jclass defined = env->DefineClass(name.c_str(), loader, reinterpret_cast<const jbyte*>(bytes.data()),
                                      static_cast<jsize>(bytes.size()));
    if (loader) env->DeleteLocalRef(loader);
    if (TookException(env, error)) return nullptr;
    if (!defined) {
        SetErrorFormat(error, "Class %s could not be defined", listener.name.c_str());
        return nullptr;
    }
    jclass cls = static_cast<jclass>(env->NewGlobalRef(defined));
    env->DeleteLocalRef(defined);
    jfieldID sink = env->GetFieldID(cls, kSinkField, "I");
    if (TookException(env, error) || !sink) {
        env->DeleteGlobalRef(cls);
        return nullptr;
    }
    auto* made = new ListenerClass{cls, sink, false, sameName.Get()};
    made->bound = RegisterHandlers(env, cls, listener, methods, error);
    sameName.Set(made);  // published complete: readers may see it from here on
    if (!made->bound) return nullptr;
    ClassMap().FindOrAdd(key.c_str()).Set(made);
    return made;
}

// The bound listener class of `name` that `cls` is, if any.
const ListenerClass* KnownClass(JNIEnv* env, jclass cls, const std::string& name) {
    const ListenerClass* newest = nullptr;
    if (!cls || !FieldIdMap().Find(name.c_str(), &newest)) return nullptr;
    for (const ListenerClass* known = newest; known; known = known->sameName)
        if (known->bound && env->IsSameObject(known->cls, cls)) return known;
    return nullptr;
}

// The listener class of an object, if it is a listener: its class's name
// (Class.getName, with "/" for ".") in the field-ID map, then the class of
// that name that it is.
const ListenerClass* ListenerClassOf(JNIEnv* env, jobject obj) {
    if (!FieldIdMap().First()) return nullptr;  // no listener class yet: no need to ask Java
    jclass cls = env->GetObjectClass(obj);
    jclass classClass = env->GetObjectClass(cls);
    jmethodID getName = env->GetMethodID(classClass, "getName", "()Ljava/lang/String;");
    auto dotted = static_cast<jstring>(getName ? env->CallObjectMethod(cls, getName) : nullptr);
    env->DeleteLocalRef(classClass);
    const ListenerClass* found = nullptr;
    if (env->ExceptionCheck()) {
        env->ExceptionClear();
    } else {
        std::string name = JstringToAnsi(env, dotted);
        for (char& c : name)
            if (c == '.') c = '/';
        found = KnownClass(env, cls, name);
    }
    if (dotted) env->DeleteLocalRef(dotted);
    env->DeleteLocalRef(cls);
    return found;
}

jint SinkValue(void* comObject) { return static_cast<jint>(reinterpret_cast<intptr_t>(comObject)); }
}  // namespace

namespace brivel::c2j {

void CutListenerSink(JNIEnv* env, jobject obj) {
    if (const ListenerClass* listener = ListenerClassOf(env, obj)) env->SetIntField(obj, listener->sink, 0);
}

void ForgetListenerClasses() {
    for (auto* node = FieldIdMap().First(); node; node = node->Next()) {
        const ListenerClass* known = node->Get();
        while (known) {
            const ListenerClass* older = known->sameName;
            delete known;  // its class reference went with the VM
            known = older;
        }
    }
    FieldIdMap().Destroy();
    ClassMap().Destroy();
}

}  // namespace brivel::c2j

extern "C" bool C2jLoadInterface(long* clsid, long* objid, const char* classname, const char* intfname,
                                 char** error, char** cinfo, void** eventHandlers, void* comObject) {
    if (error) *error = nullptr;
    if (!objid) return false;
    JNIEnv* env = nullptr;
    const ListenerClass* listener = nullptr;
    char* refused = nullptr;  // the class could not be made: shown once the lock is released
    {
        ClassLoadingGuard guard;
        if (*objid != 0) return true;
        if (!classname || !intfname) return false;
        if (Unloading()) {
            SetError(error, kUnloadingMessage);
            return false;
        }
        env = GetThreadEnv(error);
        if (!env) return false;
        Listener wanted = ReadListener(classname, intfname, cinfo, eventHandlers);
        listener = clsid ? KnownClass(env, reinterpret_cast<jclass>(*clsid), wanted.name) : nullptr;
        if (!listener) {
            std::string key = ClassKey(wanted);
            if (!ClassMap().Find(key.c_str(), &listener)) listener = DefineEventClass(env, wanted, key, &refused);
        }
        if (listener && clsid) *clsid = reinterpret_cast<long>(listener->cls);
    }
    if (!listener) {
        if (!refused) refused = HeapCopy("Listener class could not be made");
        ShowErrorBox(refused);
        StoreMessage(error, refused);
        return false;
    }

    jobject made = env->AllocObject(listener->cls);
    if (TookException(env, error)) return false;
    env->SetIntField(made, listener->sink, SinkValue(comObject));
    if (TookException(env, error)) {
        env->DeleteLocalRef(made);
        return false;
    }
    *objid = reinterpret_cast<long>(env->NewGlobalRef(made));
    env->DeleteLocalRef(made);
    return true;
}

extern "C" void* C2jGetEventObject(JNIEnv* jenv, jobject obj) {
    if (!jenv || !obj) return nullptr;
    const ListenerClass* listener = ListenerClassOf(jenv, obj);
    if (!listener) return nullptr;
    return reinterpret_cast<void*>(static_cast<intptr_t>(jenv->GetIntField(obj, listener->sink)));
}
