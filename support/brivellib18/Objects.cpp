// Java objects for COM values: interface objects, VARIANT holders,
// enumerations, collection enumeration, advise and release.
//
// Ownership: a Java object built from an interface pointer holds a
// reference of its own (the conversions AddRef or QueryInterface, never
// adopt the caller's), released by TavoRelease(). A brivel.TavoVariant owns
// a copy of the VARIANT it was made from. A listener owns the first
// reference of its sink (TavoEventListener.TavoRelease() drops it); an
// advise holds one more until its unadvise.
#include "RuntimeApi.h"

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "InterfaceMaps.h"
#include "RuntimeDecls.h"

namespace {
using brivel::rt::BridgeIidRow;
using brivel::rt::IidMap;
using brivel::rt::IidRow;

const IID IID_BrivelQueryIID = {0xb14f3c49, 0x0c7b, 0x4439, {0xa2, 0x48, 0x62, 0x29, 0xfe, 0x6d, 0x96, 0x05}};

jobject NewOf(JNIEnv* env, jclass cls) {
    jmethodID ctor = env->GetMethodID(cls, "<init>", "()V");
    if (ctor) return env->NewObject(cls, ctor);
    env->ExceptionClear();
    return env->AllocObject(cls);
}

// A new object of the class `cls` (whose local reference it deletes) holding
// `pointer` (whose reference it takes).
jobject WrapIn(JNIEnv* env, jclass cls, IUnknown* pointer) {
    if (!brivel::rt::HaveIds(env)) {
        env->DeleteLocalRef(cls);
        pointer->Release();
        return nullptr;
    }
    jobject obj = NewOf(env, cls);
    env->DeleteLocalRef(cls);
    if (!obj) {
        brivel::rt::NoteIfPending(env);
        pointer->Release();
        return nullptr;
    }
    env->SetIntField(obj, brivelGetComId(), static_cast<jint>(reinterpret_cast<intptr_t>(pointer)));
    return obj;
}

// A new object of `className` holding `pointer` (whose reference it takes).
jobject Wrap(JNIEnv* env, const char* className, IUnknown* pointer) {
    if (!brivel::rt::HaveIds(env)) {
        pointer->Release();
        return nullptr;
    }
    jclass cls = env->FindClass(className);
    if (!cls) {
        brivel::rt::NoteIfPending(env);
        pointer->Release();
        return nullptr;
    }
    return WrapIn(env, cls, pointer);
}

// The COM pointer that an object of the product holds (the IDs are known).
IUnknown* ComOf(JNIEnv* env, jobject obj) {
    return obj ? reinterpret_cast<IUnknown*>(static_cast<intptr_t>(env->GetIntField(obj, brivelGetComId()))) : nullptr;
}

// The classes that a collection's items may become, in the order they are
// tried: the rows of the collection's own bridge, then those of the other
// bridges in the order they were loaded. Each interface is asked for once
// (at its first row); the classes of all its rows are candidates.
class ItemClasses {
public:
    explicit ItemClasses(const brivel::rt::MapsByOwner& maps) {
        for (const auto* group : {&maps.own, &maps.others})
            for (const auto& map : *group)
                for (const IidRow& row : *map) Add(row);
    }

    // An object of the first class whose interface `pointer` answers and
    // that the caller's class loader can see (a class of a bridge in
    // another loader is passed over); a plain brivel.TavoObject when none.
    jobject Best(JNIEnv* env, IUnknown* pointer) {
        if (!pointer) return nullptr;
        for (const Interface& face : interfaces_) {
            IUnknown* typed = nullptr;
            if (FAILED(pointer->QueryInterface(face.iid, reinterpret_cast<void**>(&typed))) || !typed) continue;
            for (const std::string& name : face.classNames) {
                if (unseen_.count(name)) continue;
                jclass cls = env->FindClass(name.c_str());
                if (cls) return WrapIn(env, cls, typed);
                env->ExceptionClear();  // not in the caller's loader
                unseen_.insert(name);
            }
            typed->Release();
        }
        return brivelUnknownToJobject(env, pointer);
    }

private:
    struct Interface {
        IID iid;
        std::vector<std::string> classNames;
    };

    void Add(const IidRow& row) {
        for (Interface& face : interfaces_) {
            if (IsEqualGUID(face.iid, row.iid)) {
                face.classNames.push_back(row.className);
                return;
            }
        }
        interfaces_.push_back({row.iid, {row.className}});
    }

    std::vector<Interface> interfaces_;
    std::set<std::string> unseen_;
};

// The slash form of the name of `obj`'s class ("pkg/Name"); empty when it
// cannot be read (nothing is left pending then).
std::string ClassNameOf(JNIEnv* env, jobject obj) {
    std::string name;
    jclass cls = obj ? env->GetObjectClass(obj) : nullptr;
    jclass classClass = cls ? env->FindClass("java/lang/Class") : nullptr;
    jmethodID getName = classClass ? env->GetMethodID(classClass, "getName", "()Ljava/lang/String;") : nullptr;
    jstring text = getName ? static_cast<jstring>(env->CallObjectMethod(cls, getName)) : nullptr;
    const char* chars = text && !env->ExceptionCheck() ? env->GetStringUTFChars(text, nullptr) : nullptr;
    if (chars) {
        name = chars;
        env->ReleaseStringUTFChars(text, chars);
    }
    for (char& c : name)
        if (c == '.') c = '/';
    if (text) env->DeleteLocalRef(text);
    if (classClass) env->DeleteLocalRef(classClass);
    if (cls) env->DeleteLocalRef(cls);
    if (env->ExceptionCheck()) {
        env->ExceptionClear();
        name.clear();
    }
    return name;
}

jobject ItemToJava(JNIEnv* env, VARIANT* item, ItemClasses& classes) {
    switch (V_VT(item)) {
    case VT_DISPATCH:
    case VT_UNKNOWN:
        return classes.Best(env, V_UNKNOWN(item));
    case VT_BSTR:
        return brivelBstrToJstr(env, V_BSTR(item));
    default:
        return brivelVariantObject(env, item);
    }
}

// The connection point of `target` for the sink's event interface.
HRESULT FindPoint(JNIEnv* env, jobject target, IUnknown* sink, IConnectionPoint** point) {
    *point = nullptr;
    IUnknown* source = ComOf(env, target);
    if (!source || !sink) return E_POINTER;
    IID* eventIid = nullptr;
    HRESULT hr = sink->QueryInterface(IID_BrivelQueryIID, reinterpret_cast<void**>(&eventIid));
    if (FAILED(hr) || !eventIid) return FAILED(hr) ? hr : E_NOINTERFACE;
    IConnectionPointContainer* container = nullptr;
    hr = source->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container));
    if (FAILED(hr)) return hr;
    hr = container->FindConnectionPoint(*eventIid, point);
    container->Release();
    return hr;
}

// Holds an object's Java monitor (as `synchronized` does) while it lives:
// the natives that take, replace or free what a product object holds do so
// as one step against other Java threads. Nothing is called out under it.
class ObjectLock {
public:
    ObjectLock(JNIEnv* env, jobject obj) : env_(env), obj_(obj), held_(env->MonitorEnter(obj) == JNI_OK) {
        if (!held_) brivel::rt::NoteIfPending(env);
    }
    ~ObjectLock() {
        if (held_) env_->MonitorExit(obj_);
    }
    ObjectLock(const ObjectLock&) = delete;
    ObjectLock& operator=(const ObjectLock&) = delete;
    bool held() const { return held_; }

private:
    JNIEnv* env_;
    jobject obj_;
    bool held_;
};

// The pointer that the int field of `self` holds, with the field zeroed in
// the same step: one caller takes it, any other one takes 0.
intptr_t TakeHeld(JNIEnv* env, jobject self, jfieldID field) {
    ObjectLock lock(env, self);
    if (!lock.held()) return 0;
    intptr_t held = env->GetIntField(self, field);
    env->SetIntField(self, field, 0);
    return held;
}

// The VARIANT that a holder holds (the IDs are known); null when it has none.
VARIANT* HeldVariant(JNIEnv* env, jobject holder) {
    return reinterpret_cast<VARIANT*>(static_cast<intptr_t>(env->GetIntField(holder, brivelGetVariantData())));
}

// The sink that a listener holds (the IDs are known).
IUnknown* SinkOf(JNIEnv* env, jobject listener) {
    return listener ? reinterpret_cast<IUnknown*>(static_cast<intptr_t>(env->GetIntField(listener, brivelGetEventId())))
                    : nullptr;
}
}  // namespace

// Each bridge hands its own map over from its load hook; a second bridge in
// the process adds its map beside the first.
BRIVEL_RT void brivelIidMapTypes(void* map, int count) {
    brivel::rt::AddIidMap(static_cast<const BridgeIidRow*>(map), count);
}

BRIVEL_RT jobject brivelUnknownToJobject(JNIEnv* env, IUnknown* pUnk) {
    if (!pUnk) return nullptr;
    pUnk->AddRef();
    return Wrap(env, "brivel/TavoObject", pUnk);
}

// The first interface of the map that the object answers picks the class.
BRIVEL_RT jobject brivelBestUnknownToJobject(JNIEnv* env, IUnknown* pUnk, void* iidMap, int n) {
    if (!pUnk) return nullptr;
    const BridgeIidRow* rows = static_cast<const BridgeIidRow*>(iidMap);
    for (int i = 0; rows && i < n; ++i) {
        IUnknown* typed = nullptr;
        if (rows[i].iid && rows[i].className &&
            SUCCEEDED(pUnk->QueryInterface(*rows[i].iid, reinterpret_cast<void**>(&typed))) && typed)
            return Wrap(env, rows[i].className, typed);
    }
    return brivelUnknownToJobject(env, pUnk);
}

BRIVEL_RT jobject brivelUnknownToInterfaceObject(JNIEnv* env, IUnknown* pUnk, const char* classname) {
    if (!pUnk || !classname) return nullptr;
    IID iid = IID_IDispatch;
    brivel::rt::InterfaceOfClass(classname, &iid);
    IUnknown* typed = nullptr;
    if (FAILED(pUnk->QueryInterface(iid, reinterpret_cast<void**>(&typed))) || !typed) {
        typed = pUnk;
        typed->AddRef();
    }
    return Wrap(env, classname, typed);
}

// Called once per element of enumeration arrays and once per enumeration
// event: the class's local reference goes before it returns. Null, with the
// exception pending, when the class's own conversion throws.
BRIVEL_RT jobject brivelIntToEnumeratedObject(JNIEnv* env, int ival, const char* classname) {
    jclass cls = env->FindClass(classname);
    if (!cls) {
        brivel::rt::NoteIfPending(env);
        return nullptr;
    }
    std::string sig = std::string("(I)L") + classname + ";";
    jobject value = nullptr;
    jmethodID of = env->GetStaticMethodID(cls, "intToEnumeratedValue", sig.c_str());
    if (of) {
        value = env->CallStaticObjectMethod(cls, of, ival);
        if (env->ExceptionCheck()) value = nullptr;
    } else {
        env->ExceptionClear();
        jmethodID ctor = env->GetMethodID(cls, "<init>", "(I)V");
        if (ctor) value = env->NewObject(cls, ctor, ival);
    }
    env->DeleteLocalRef(cls);
    if (!value) brivel::rt::NoteIfPending(env);
    return value;
}

BRIVEL_RT jint brivelEnumeratedObjectToInt(JNIEnv* env, jobject obj) {
    if (!obj) {
        brivel::rt::ThrowJava(env, "java/lang/NullPointerException", "Enumerated value is null");
        return 0;
    }
    jclass cls = env->FindClass("brivel/TavoEnumeration");
    jfieldID value = cls ? env->GetFieldID(cls, "__Brv_value", "I") : nullptr;
    if (cls) env->DeleteLocalRef(cls);
    if (!value) {
        brivel::rt::NoteIfPending(env);
        return 0;
    }
    return env->GetIntField(obj, value);
}

// The holder's VARIANT, made empty on first use (once, however many threads
// use it first): a holder owns its VARIANT.
BRIVEL_RT VARIANT* brivelGetTavoVariant(JNIEnv* env, jobject obj) {
    if (!obj || !brivel::rt::HaveIds(env)) return nullptr;
    VARIANT* v = HeldVariant(env, obj);
    if (v) return v;
    ObjectLock lock(env, obj);
    if (!lock.held()) return nullptr;
    v = HeldVariant(env, obj);
    if (!v) {
        v = static_cast<VARIANT*>(CoTaskMemAlloc(sizeof(VARIANT)));
        if (!v) return nullptr;
        VariantInit(v);
        env->SetIntField(obj, brivelGetVariantData(), static_cast<jint>(reinterpret_cast<intptr_t>(v)));
    }
    return v;
}

// A new holder with its own copy (by-reference values copied through).
BRIVEL_RT jobject brivelVariantObject(JNIEnv* env, VARIANT* variant) {
    if (!brivel::rt::HaveIds(env)) return nullptr;
    jobject obj = env->NewObject(brivelGetComVariantClass(), brivelGetVariantCtorId());
    if (!obj) {
        brivel::rt::NoteIfPending(env);
        return nullptr;
    }
    VARIANT* own = brivelGetTavoVariant(env, obj);
    if (own && variant) VariantCopyInd(own, variant);
    return obj;
}

BRIVEL_RT void brivelProcessEnumeration(JNIEnv* env, jobject thisObj, jobject receiver, int memid, int funckind) {
    brivel::rt::PendingNote note(env);  // the receiver's exceptions too
    if (!brivel::rt::HaveIds(env)) return;
    if (!receiver) {
        brivel::rt::ThrowJava(env, "java/lang/NullPointerException", "Argument 1 is null");
        return;
    }
    IDispatch* pDisp = reinterpret_cast<IDispatch*>(ComOf(env, thisObj));
    if (!pDisp) {
        brivel::rt::ThrowJava(env, "java/lang/NullPointerException", "Uninitialized TavoObject");
        return;
    }
    jclass iteratorClass = env->FindClass("brivel/TavoIterator");
    if (!iteratorClass) return;
    jmethodID next = env->GetMethodID(iteratorClass, "TavoNextItem", "(Ljava/lang/Object;)Z");
    env->DeleteLocalRef(iteratorClass);
    if (!next) return;
    // Items become objects of the collection's own bridge first.
    ItemClasses classes(brivel::rt::MapsPreferringClass(ClassNameOf(env, thisObj).c_str()));
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    EXCEPINFO excepInfo;
    std::memset(&excepInfo, 0, sizeof excepInfo);
    VARIANT result;
    VariantInit(&result);
    WORD flags = static_cast<WORD>(funckind == 4 ? DISPATCH_METHOD | DISPATCH_PROPERTYGET : funckind);
    HRESULT hr = pDisp->Invoke(memid, IID_NULL, LOCALE_USER_DEFAULT, flags, &none, &result, &excepInfo, nullptr);
    if (FAILED(hr)) {
        brivelThrowComExceptionObject(env, hr, &excepInfo);
        return;
    }
    IEnumVARIANT* items = nullptr;
    if (V_VT(&result) == VT_UNKNOWN || V_VT(&result) == VT_DISPATCH)
        hr = V_UNKNOWN(&result) ? V_UNKNOWN(&result)->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&items))
                                : E_POINTER;
    else
        hr = DISP_E_TYPEMISMATCH;
    VariantClear(&result);
    if (FAILED(hr)) {
        brivelThrowComExceptionObject(env, hr, nullptr);
        return;
    }
    for (;;) {
        VARIANT item;
        VariantInit(&item);
        ULONG fetched = 0;
        hr = items->Next(1, &item, &fetched);
        if (hr != S_OK || fetched != 1) {
            VariantClear(&item);
            break;
        }
        jobject value = ItemToJava(env, &item, classes);
        VariantClear(&item);
        if (env->ExceptionCheck()) break;
        jboolean more = env->CallBooleanMethod(receiver, next, value);
        if (value) env->DeleteLocalRef(value);
        if (env->ExceptionCheck() || !more) break;
    }
    items->Release();
    if (FAILED(hr) && !env->ExceptionCheck()) brivelThrowComExceptionObject(env, hr, nullptr);
}

extern "C" JNIEXPORT jint JNICALL Java_brivel_TavoObject__1_1TavoAdvise(JNIEnv* env, jobject tgt, jobject listener) {
    brivel::rt::PendingNote note(env);
    brivelInitThread(env);
    if (!brivel::rt::HaveIds(env)) return 0;
    IUnknown* sink = SinkOf(env, listener);
    IConnectionPoint* point = nullptr;
    HRESULT hr = FindPoint(env, tgt, sink, &point);
    DWORD cookie = 0;
    if (SUCCEEDED(hr)) {
        hr = point->Advise(sink, &cookie);
        point->Release();
    }
    if (FAILED(hr)) {
        brivelThrowComExceptionObject(env, hr, nullptr);
        return 0;
    }
    return static_cast<jint>(cookie);
}

extern "C" JNIEXPORT void JNICALL Java_brivel_TavoObject__1_1TavoUnadvise(JNIEnv* env, jobject tgt, jobject listener,
                                                                           jint cookie) {
    brivelInitThread(env);
    if (!brivel::rt::HaveIds(env)) return;
    IConnectionPoint* point = nullptr;
    HRESULT hr = FindPoint(env, tgt, SinkOf(env, listener), &point);
    if (SUCCEEDED(hr)) {
        hr = point->Unadvise(static_cast<DWORD>(cookie));
        point->Release();
    }
    if (FAILED(hr)) brivelThrowComExceptionObject(env, hr, nullptr);
}

// The releases: the first of several threads takes what the object holds
// and frees it; the others find nothing left.
extern "C" JNIEXPORT void JNICALL Java_brivel_TavoObject_TavoRelease(JNIEnv* env, jobject self) {
    if (!brivel::rt::HaveIds(env)) return;
    IUnknown* p = reinterpret_cast<IUnknown*>(TakeHeld(env, self, brivelGetComId()));
    if (p) p->Release();
}

extern "C" JNIEXPORT void JNICALL Java_brivel_TavoEventListener_TavoRelease(JNIEnv* env, jobject self) {
    if (!brivel::rt::HaveIds(env)) return;
    IUnknown* sink = reinterpret_cast<IUnknown*>(TakeHeld(env, self, brivelGetEventId()));
    if (sink) sink->Release();
}

extern "C" JNIEXPORT void JNICALL Java_brivel_TavoVariant_TavoRelease(JNIEnv* env, jobject self) {
    if (!brivel::rt::HaveIds(env)) return;
    VARIANT* v = reinterpret_cast<VARIANT*>(TakeHeld(env, self, brivelGetVariantData()));
    if (v) {
        VariantClear(v);
        CoTaskMemFree(v);
    }
}

// The holder's own natives change and read its VARIANT under its monitor,
// so that two threads never clear one value twice or read a freed one.
extern "C" JNIEXPORT void JNICALL Java_brivel_TavoVariant__1_1TavoSetInt(JNIEnv* env, jobject self, jint value) {
    ObjectLock lock(env, self);
    VARIANT* v = lock.held() ? brivelGetTavoVariant(env, self) : nullptr;
    if (!v) return;
    VariantClear(v);
    V_VT(v) = VT_I4;
    V_I4(v) = value;
}

extern "C" JNIEXPORT void JNICALL Java_brivel_TavoVariant__1_1TavoSetString(JNIEnv* env, jobject self, jstring value) {
    BSTR text = brivelJstringToBstr(env, value);
    ObjectLock lock(env, self);
    VARIANT* v = lock.held() ? brivelGetTavoVariant(env, self) : nullptr;
    if (!v) {
        SysFreeString(text);
        return;
    }
    VariantClear(v);
    V_VT(v) = VT_BSTR;
    V_BSTR(v) = text;
}

extern "C" JNIEXPORT jint JNICALL Java_brivel_TavoVariant_getVarType(JNIEnv* env, jobject self) {
    ObjectLock lock(env, self);
    VARIANT* v = lock.held() ? brivelGetTavoVariant(env, self) : nullptr;
    return v ? V_VT(v) : static_cast<VARTYPE>(VT_EMPTY);
}

namespace {
// The holder's value changed to `vt` into `to`, under its monitor.
HRESULT ConvertedValue(JNIEnv* env, jobject self, VARIANT* to, VARTYPE vt) {
    ObjectLock lock(env, self);
    VARIANT* v = lock.held() ? brivelGetTavoVariant(env, self) : nullptr;
    return v ? VariantChangeType(to, v, 0, vt) : E_POINTER;
}
}  // namespace

// The value as an int or a string, converted as COM converts (a value that
// does not convert throws brivel.TavoException).
extern "C" JNIEXPORT jint JNICALL Java_brivel_TavoVariant_getInt(JNIEnv* env, jobject self) {
    VARIANT to;
    VariantInit(&to);
    HRESULT hr = ConvertedValue(env, self, &to, VT_I4);
    if (FAILED(hr)) {
        brivelThrowComExceptionObject(env, hr, nullptr);
        return 0;
    }
    return V_I4(&to);
}

extern "C" JNIEXPORT jstring JNICALL Java_brivel_TavoVariant_getString(JNIEnv* env, jobject self) {
    VARIANT to;
    VariantInit(&to);
    HRESULT hr = ConvertedValue(env, self, &to, VT_BSTR);
    if (FAILED(hr)) {
        brivelThrowComExceptionObject(env, hr, nullptr);
        return nullptr;
    }
    jstring s = brivelBstrToJstr(env, V_BSTR(&to));
    VariantClear(&to);
    return s;
}
