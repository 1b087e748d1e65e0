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
#include <string>
#include <vector>

namespace fakejava {

struct Class;

// An object: fields by name, or a string's characters, or an array's elements.
struct Object {
    Class* cls = nullptr;
    std::map<std::string, jvalue> fields;
    bool isString = false;
    std::u16string text;
    char arrayType = 0;  // 'Z' 'B' 'C' 'S' 'I' 'J' 'F' 'D', 'L' for objects; 0: no array
    std::vector<unsigned char> data;  // a primitive array's elements
    std::vector<jobject> elements;    // an object array's elements
    jsize length = 0;
    int generation = 0;  // the cell in which it was made
};

struct Class : Object {
    std::string name;
    Class* super = nullptr;
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
    int localRefsDeleted = 0;
    int globalRefs = 0;         // made minus deleted
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

    // ---- classes
    Class* FindClass(const std::string& name);
    // Declares a class's superclass (classes are made on first use).
    void DefineClass(const std::string& name, const std::string& super);
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
    // Releases what the Java objects made since `generation` hold (COM
    // references, VARIANTs), as a Java program's TavoRelease calls would.
    void ReleaseHeldSince(int generation);
    int Generation() const { return generation_; }
    void NextGeneration() { ++generation_; }

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
    jfieldID FieldId(const std::string& name, const std::string& signature);
    jmethodID MethodId(Class* cls, const std::string& name, const std::string& signature, bool isStatic);
    jvalue Call(jobject self, jmethodID method, Args& args);
    jobject Construct(Class* cls, jmethodID ctor, Args& args);
    void Throw(Object* throwable) { pending_ = throwable; }
    void ThrowNew(Class* cls, const char* message);
    Object* Pending() { return pending_; }
    void ClearPending() { pending_ = nullptr; }
    const std::string& FieldName(jfieldID id);
    const std::string& Signature(jmethodID id);

private:
    struct Method {
        std::string className;
        std::string name;
        std::string signature;
        bool isStatic;
    };

    JNIEnv_ env_;
    JNINativeInterface_ table_;
    JavaVM_ vm_;
    JNIInvokeInterface_ vmTable_;
    std::vector<std::unique_ptr<Object>> objects_;
    std::map<std::string, Class*> classes_;
    std::map<std::string, std::string> supers_;
    std::vector<std::unique_ptr<std::string>> fieldNames_;
    std::map<std::string, jfieldID> fieldIds_;
    std::vector<std::unique_ptr<Method>> methods_;
    std::map<std::string, Handler> handlers_;
    std::string listenerReports_;
    Object* reportedException_ = nullptr;
    Object* pending_ = nullptr;
    Counts counts_;
    int generation_ = 0;
    std::vector<Definition> definitions_;

    friend void FillTable(FakeJava& fake, JNINativeInterface_& table, JNIInvokeInterface_& vmTable);
};

// The process's FakeJava (the JNI functions find it here).
FakeJava& Current();

}  // namespace fakejava
