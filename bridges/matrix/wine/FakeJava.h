// A Java VM of the tests' own, enough to drive a generated bridge DLL of the
// win32 build under Wine, where no Java VM exists: a JNI function table
// (and a JavaVM) that answers the class, field, method, string, array,
// exception and reference calls that the generated natives and the bridge
// runtime make, over an object model of plain C++ objects. It runs the
// methods the natives and the runtime call on Java's own classes (dates,
// colours, enumeration values, exceptions), hands the methods of a listener
// object to handlers of the test, and counts what the natives did with
// references and array elements.
//
// Strict (SetStrict), it answers only the classes, methods and fields that
// were declared (DefineClass, DeclareMethod, DeclareField; Java's own and
// the product's base classes are declared from the start): a lookup of any
// other fails as the VM's does (null, with NoClassDefFoundError,
// NoSuchMethodError or NoSuchFieldError pending). Fields are kept by the
// class that declares them and their name. It also accounts for every
// local and global reference it hands out: a local one made outside a
// native's frame (an event sink's, on a thread the VM does not call) must
// be deleted, and so must every global one (but one per class, a cache);
// CheckReferences tells what was not.
//
// Every object lives until the FakeJava does; handles are the objects'
// addresses. One instance per process; the JNI functions are __stdcall, as
// the win32 build's jni_md.h declares them.
#pragma once

#include <windows.h>
#include <jni.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace fakejava {

struct Class;

// An object: fields by their declaring class and name ("pkg/Class.name"),
// or a string's characters, or an array's elements.
struct Object {
    Class* cls = nullptr;
    std::map<std::string, jvalue> fields;
    bool isString = false;
    std::u16string text;
    char arrayType = 0;  // 'Z' 'B' 'C' 'S' 'I' 'J' 'F' 'D', 'L' for objects; 0: no array
    std::vector<unsigned char> data;  // a primitive array's elements
    std::vector<jobject> elements;    // an object array's elements
    jsize length = 0;
};

struct Class : Object {
    std::string name;
    Class* super = nullptr;
};

// A field or method as declared: the jfieldID or jmethodID is its address.
struct Member {
    std::string className;  // the declaring class
    std::string name;
    std::string signature;
    bool isStatic = false;
    std::string Key() const { return className + "." + name; }
};

// The arguments of a Java method call, read in the order of its signature.
class Args {
public:
    virtual ~Args() = default;
    virtual jint Int() = 0;  // also boolean, byte, char and short (promoted)
    virtual jlong Long() = 0;
    virtual jdouble Double() = 0;  // also float (promoted)
    virtual jobject Object() = 0;
};

// What the natives and the runtime did, counted since the last Reset.
struct Counts {
    int objectsMade = 0;
    int elementBuffers = 0;     // array elements or string characters taken and not given back
    int unknownCalls = 0;       // methods or classes the fake does not know
    std::string firstUnknown;
};

class FakeJava {
public:
    FakeJava();
    ~FakeJava();
    FakeJava(const FakeJava&) = delete;
    FakeJava& operator=(const FakeJava&) = delete;

    JNIEnv* env() { return &env_; }

    // Only declared classes, methods and fields are found (see above).
    void SetStrict(bool strict) { strict_ = strict; }
    // The VM can make no array (as when its heap is exhausted): every
    // New<Type>Array and NewObjectArray answers null with OutOfMemoryError
    // pending.
    void FailArrayCreation(bool fail) { failArrays_ = fail; }
    bool FailsArrayCreation() const { return failArrays_; }

    // ---- classes
    // The class (made on first use); strict, null when it was not declared.
    Class* FindClass(const std::string& name);
    // Declares a class and its superclass.
    void DefineClass(const std::string& name, const std::string& super);
    bool IsDeclared(const std::string& name) const;
    // Declares a field or method of a class (looked up there and in its
    // subclasses).
    void DeclareField(const std::string& className, const std::string& name, const std::string& signature);
    void DeclareMethod(const std::string& className, const std::string& name, const std::string& signature,
                       bool isStatic = false);
    bool IsInstanceOf(jobject obj, const std::string& className);
    bool IsAssignable(const std::string& from, const std::string& to);

    // ---- objects and fields
    jobject New(const std::string& className);
    void SetField(jobject obj, const std::string& name, jlong value);
    void SetObjectField(jobject obj, const std::string& name, jobject value);
    jlong LongField(jobject obj, const std::string& name);
    jint IntField(jobject obj, const std::string& name);
    jshort ShortField(jobject obj, const std::string& name);
    jobject ObjectField(jobject obj, const std::string& name);

    // ---- strings
    jstring String(const char16_t* text);
    std::u16string Text(jobject str);
    bool TextIs(jobject str, const char16_t* expected);
    bool TextIsNoCase(jobject str, const char16_t* expected);

    // ---- arrays
    jobject PrimitiveArray(char type, jsize length);
    template <typename T>
    jobject Array(char type, std::initializer_list<T> values) {
        jobject array = PrimitiveArray(type, static_cast<jsize>(values.size()));
        jsize i = 0;
        for (T value : values) Put<T>(array, i++, value);
        return array;
    }
    jobject ObjectArray(const std::string& elementClass, std::initializer_list<jobject> elements);
    jsize Length(jobject array);
    template <typename T>
    T At(jobject array, jsize i) {
        T value{};
        Object* a = Obj(array);
        if (a && i >= 0 && static_cast<size_t>(i + 1) * sizeof(T) <= a->data.size())
            std::memcpy(&value, &a->data[static_cast<size_t>(i) * sizeof(T)], sizeof(T));
        return value;
    }
    template <typename T>
    void Put(jobject array, jsize i, T value) {
        Object* a = Obj(array);
        if (a && i >= 0 && static_cast<size_t>(i + 1) * sizeof(T) <= a->data.size())
            std::memcpy(&a->data[static_cast<size_t>(i) * sizeof(T)], &value, sizeof(T));
    }
    jobject ObjectAt(jobject array, jsize i);
    void PutObject(jobject array, jsize i, jobject value);

    // ---- values of Java's classes and the product's
    // A java.util.Date of a local time (the COM side's DATE is local time).
    jobject Date(int year, int month, int day, int hour, int minute, int second);
    bool DateIs(jobject date, int year, int month, int day, int hour, int minute, int second);
    jobject Color(int red, int green, int blue);
    bool ColorIs(jobject color, int red, int green, int blue);
    jobject Enum(const std::string& className, jint value);
    bool EnumIs(jobject value, jint expected);
    // A brivel.TavoVariant holding its own VARIANT (as the runtime makes one).
    jobject Variant(LONG value);
    jobject Variant(const char16_t* text);
    const VARIANT* VariantOf(jobject holder);
    // A Java interface object of `className` holding one reference of `pointer`.
    jobject ComObject(const std::string& className, IUnknown* pointer);
    IUnknown* ComPointer(jobject obj);

    // ---- references
    // A native called as the VM calls it: the local references made while
    // it runs are freed when it returns (RAII: one frame per object).
    class NativeFrame {
    public:
        explicit NativeFrame(FakeJava& java) : java_(java) { java_.frames_.emplace_back(); }
        ~NativeFrame() { java_.frames_.pop_back(); }
        NativeFrame(const NativeFrame&) = delete;
        NativeFrame& operator=(const NativeFrame&) = delete;

    private:
        FakeJava& java_;
    };
    // Forgets the references outstanding so far (a cell starts here).
    void StartReferences();
    // What was not released since StartReferences: local references made
    // outside a native's frame, global references (but the first of each
    // class), and deletions of references it never handed out; empty when
    // none.
    std::string CheckReferences();
    // The global references held now (each counted as often as it was made).
    int GlobalReferencesHeld() const;
    // The lookups that failed (strict) since the last call: for messages.
    std::string TakeFailedLookups();

    // ---- exceptions
    bool ExceptionPending() const { return pending_ != nullptr; }
    // "<class>: <message>" of the pending exception, cleared; empty when none.
    std::string TakeException();

    // ---- listeners: a call of `method` on any object (or a static method of
    // that name the fake does not answer itself) is answered by the handler
    // (self is null for a static method)
    using Handler = std::function<jvalue(jobject self, Args& args)>;
    void OnCall(const std::string& method, Handler handler);
    void ClearHandlers() { handlers_.clear(); }
    // What a listener's TavoOnEventError and TavoOnEventException reported
    // (a brivel.TavoException apart: the first is kept as reported).
    std::string TakeListenerReports();
    Object* TakeReportedException();

    Counts& counts() { return counts_; }

    // ---- classes defined from bytes (DefineClass), in order
    struct Definition {
        std::string name;
        jobject loader;
        std::vector<unsigned char> bytes;
    };
    const std::vector<Definition>& Definitions() const { return definitions_; }
    jclass Define(const char* name, jobject loader, const jbyte* bytes, jsize size);

    // ---- for the JNI functions
    Object* Obj(jobject handle) { return reinterpret_cast<Object*>(handle); }
    jobject Handle(Object* obj) { return reinterpret_cast<jobject>(obj); }
    Object* Make(Class* cls);
    Class* ClassOf(jclass handle) { return static_cast<Class*>(Obj(handle)); }
    // The field of the class or its superclasses; strict, null when none was
    // declared (lenient, one is declared on java/lang/Object: fields by name).
    const Member* FindField(Class* cls, const std::string& name, const std::string& signature);
    jfieldID FieldId(Class* cls, const std::string& name, const std::string& signature);
    jmethodID MethodId(Class* cls, const std::string& name, const std::string& signature, bool isStatic);
    // A reference handed to a native (local) or made global; deleted.
    jobject Local(jobject handle);
    void DeleteLocal(jobject handle);
    jobject Global(jobject handle);
    void DeleteGlobal(jobject handle);
    jvalue Call(jobject self, jmethodID method, Args& args);
    jobject Construct(Class* cls, jmethodID ctor, Args& args);
    void Throw(Object* throwable) { pending_ = throwable; }
    void ThrowNew(Class* cls, const char* message);
    // A FindClass of a class that was not declared: NoClassDefFoundError.
    void NoClass(const std::string& name);
    void PushFrame() { frames_.emplace_back(); }
    void PopFrame() {
        if (!frames_.empty()) frames_.pop_back();
    }
    Object* Pending() { return pending_; }
    void ClearPending() { pending_ = nullptr; }
    const Member& Field(jfieldID id) { return *reinterpret_cast<const Member*>(id); }
    const std::string& Signature(jmethodID id);

private:
    // The storage key of a field named `name` of the object's class.
    std::string FieldKey(jobject obj, const std::string& name);
    const Member* FindMember(std::vector<std::unique_ptr<Member>>& members, Class* cls, const std::string& name,
                             const std::string& signature, bool anySignature);
    void Violation(const std::string& what);

    JNIEnv_ env_;
    JNINativeInterface_ table_;
    JavaVM_ vm_;
    JNIInvokeInterface_ vmTable_;
    std::vector<std::unique_ptr<Object>> objects_;
    std::map<std::string, Class*> classes_;
    std::map<std::string, std::string> supers_;
    std::vector<std::unique_ptr<Member>> fields_;
    std::vector<std::unique_ptr<Member>> methods_;
    bool strict_ = false;
    bool failArrays_ = false;
    // Local references: per native frame, and outside any (count per handle).
    std::vector<std::map<jobject, int>> frames_;
    std::map<jobject, int> outsideLocals_;
    std::map<jobject, int> globals_;
    std::map<jobject, int> globalsAtStart_;
    std::set<std::string> cachedClasses_;  // classes of which one global reference is a cache
    std::string violations_;
    std::string failedLookups_;
    std::map<std::string, Handler> handlers_;
    std::string listenerReports_;
    Object* reportedException_ = nullptr;
    Object* pending_ = nullptr;
    Counts counts_;
    std::vector<Definition> definitions_;

    friend void FillTable(FakeJava& fake, JNINativeInterface_& table, JNIInvokeInterface_& vmTable);
};

// The process's FakeJava (the JNI functions find it here).
FakeJava& Current();

}  // namespace fakejava
