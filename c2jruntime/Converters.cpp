// Converters between OLE Automation values (one-dimensional SAFEARRAYs,
// BSTRs, GUIDs, DATEs, FILETIMEs) and Java values. Stateless; each works in
// the caller's thread with the caller's environment. Both runtimes link them
// (library brivel_c2j_converters); the object conversions they call for
// VARIANT and interface elements come from the library that links them.
#include <windows.h>

#include <cstring>
#include <vector>

#include "BrivelC2J18.h"
#include "JniText.h"

// Supplied by the library that links these converters, as its object
// conversions are: called where a converter's JNI call failed or Java code
// it called threw, so that the library can report the pending exception to
// its own callers.
extern "C" void brivelConverterLeftPending(JNIEnv* env);

namespace {
const long long kMillisFrom1601To1970 = 11644473600000LL;
const long long kTicksFrom1601To1970 = 116444736000000000LL;

enum class Kind { Primitive, Boolean, Date, String, Variant, Object, None };

struct ElementMap {
    Kind kind = Kind::None;
    char javaType = 0;        // B S I F D J for primitive arrays
    unsigned comSize = 0;     // bytes per SAFEARRAY element
    const char* elementClass = nullptr;
    const char* arrayClass = nullptr;  // what the Java array must be an instance of
};

// How elements of `vt` map onto a Java array. `creating`: the creating
// converters also take by-reference interface vectors.
ElementMap MapOf(VARTYPE vt, bool creating) {
    ElementMap m;
    switch (vt) {
    case VT_I1: case VT_UI1: m.kind = Kind::Primitive; m.javaType = 'B'; m.comSize = 1; m.arrayClass = "[B"; break;
    case VT_I2: case VT_UI2: m.kind = Kind::Primitive; m.javaType = 'S'; m.comSize = 2; m.arrayClass = "[S"; break;
    case VT_I4: case VT_UI4: case VT_INT: case VT_UINT:
        m.kind = Kind::Primitive; m.javaType = 'I'; m.comSize = 4; m.arrayClass = "[I"; break;
    case VT_R4: m.kind = Kind::Primitive; m.javaType = 'F'; m.comSize = 4; m.arrayClass = "[F"; break;
    case VT_R8: m.kind = Kind::Primitive; m.javaType = 'D'; m.comSize = 8; m.arrayClass = "[D"; break;
    // Currency travels unscaled, a 64-bit integer as it is: both in a long[].
    case VT_CY: case VT_I8: m.kind = Kind::Primitive; m.javaType = 'J'; m.comSize = 8; m.arrayClass = "[J"; break;
    case VT_BOOL: m.kind = Kind::Boolean; m.comSize = sizeof(VARIANT_BOOL); m.arrayClass = "[Z"; break;
    case VT_DATE:
        m.kind = Kind::Date; m.comSize = sizeof(DATE);
        m.elementClass = "java/util/Date"; m.arrayClass = "[Ljava/util/Date;"; break;
    case VT_BSTR:
        m.kind = Kind::String; m.comSize = sizeof(BSTR);
        m.elementClass = "java/lang/String"; m.arrayClass = "[Ljava/lang/String;"; break;
    case VT_VARIANT:
        m.kind = Kind::Variant; m.comSize = sizeof(VARIANT);
        m.elementClass = "brivel/TavoVariant"; m.arrayClass = "[Lbrivel/TavoVariant;"; break;
    case VT_DISPATCH: case VT_UNKNOWN:
        m.kind = Kind::Object; m.comSize = sizeof(void*);
        m.elementClass = "brivel/TavoObject"; m.arrayClass = "[Lbrivel/TavoObject;"; break;
    default:
        if (creating && (vt == (VT_BYREF | VT_DISPATCH) || vt == (VT_BYREF | VT_UNKNOWN))) {
            m.kind = Kind::Object; m.comSize = sizeof(void*);
            m.elementClass = "brivel/TavoObject"; m.arrayClass = "[Lbrivel/TavoObject;";
        }
        break;
    }
    return m;
}

// Whether the object is an instance of the class `className` names (a class
// name or an array descriptor); false when that class cannot be found.
bool FitsType(JNIEnv* env, jobject object, const char* className) {
    jclass type = env->FindClass(className);
    if (!type) {
        env->ExceptionClear();
        return false;
    }
    bool fits = env->IsInstanceOf(object, type) != JNI_FALSE;
    env->DeleteLocalRef(type);
    return fits;
}

// Whether the Java array holds what the VARTYPE converts (an int[] for
// VT_I4, a String[] for VT_BSTR, ...): elements are copied as blocks of the
// VARTYPE's size, so another array would be read past its end or
// overwritten. An unhandled type has no elements to copy and fits.
bool JavaArrayFits(JNIEnv* env, jarray ja, const ElementMap& m) {
    return !m.arrayClass || FitsType(env, ja, m.arrayClass);
}

jarray NewPrimitiveArray(JNIEnv* env, char type, jsize n) {
    switch (type) {
    case 'B': return env->NewByteArray(n);
    case 'S': return env->NewShortArray(n);
    case 'I': return env->NewIntArray(n);
    case 'F': return env->NewFloatArray(n);
    case 'D': return env->NewDoubleArray(n);
    default: return env->NewLongArray(n);
    }
}

// The data of a one-dimensional SAFEARRAY whose elements have the size the
// type calls for (a wrong `vt` must not make us read past the data).
class SafeArrayData {
public:
    SafeArrayData(SAFEARRAY* sa, const ElementMap& m) : sa_(sa) {
        if (!sa || m.kind == Kind::None || sa->cDims < 1 || sa->cbElements != m.comSize) return;
        if (FAILED(SafeArrayAccessData(sa, &data_))) data_ = nullptr;
    }
    ~SafeArrayData() {
        if (data_) SafeArrayUnaccessData(sa_);
    }
    void* data() const { return data_; }
    ULONG count() const { return data_ ? sa_->rgsabound[0].cElements : 0; }

private:
    SAFEARRAY* sa_;
    void* data_ = nullptr;
};

// COM elements [0, n) to Java elements [0, n).
void CopyToJava(JNIEnv* env, const ElementMap& m, void* data, jarray ja, jsize n) {
    switch (m.kind) {
    case Kind::Primitive: {
        void* elements = env->GetPrimitiveArrayCritical(ja, nullptr);
        if (!elements) {
            brivelConverterLeftPending(env);
            return;
        }
        std::memcpy(elements, data, static_cast<size_t>(n) * m.comSize);
        env->ReleasePrimitiveArrayCritical(ja, elements, 0);
        break;
    }
    case Kind::Boolean: {
        std::vector<jboolean> values(n);
        for (jsize i = 0; i < n; ++i) values[i] = static_cast<VARIANT_BOOL*>(data)[i] != 0 ? JNI_TRUE : JNI_FALSE;
        env->SetBooleanArrayRegion(static_cast<jbooleanArray>(ja), 0, n, values.data());
        break;
    }
    case Kind::Date:
        for (jsize i = 0; i < n; ++i) {
            jobject date = brivelDateToJobject(env, static_cast<DATE*>(data)[i]);
            env->SetObjectArrayElement(static_cast<jobjectArray>(ja), i, date);
            env->DeleteLocalRef(date);
        }
        break;
    case Kind::String:
        for (jsize i = 0; i < n; ++i) {
            jstring text = brivelBstrToJstr(env, static_cast<BSTR*>(data)[i]);
            env->SetObjectArrayElement(static_cast<jobjectArray>(ja), i, text);
            env->DeleteLocalRef(text);
        }
        break;
    case Kind::Variant:
        for (jsize i = 0; i < n; ++i) {
            jobject element = brivelVariantObject(env, &static_cast<VARIANT*>(data)[i]);
            if (element) env->SetObjectArrayElement(static_cast<jobjectArray>(ja), i, element);
            env->DeleteLocalRef(element);
        }
        break;
    default:  // COM objects come to Java as null elements here
        break;
    }
}

// Java elements [0, n) to COM elements [0, n); answers how many it wrote.
// Strings replace (and free) what the elements held. VARIANT and COM-object
// elements need the object conversions of the library that builds these
// converters: without them (this library's placeholders) none is written.
jsize CopyToCom(JNIEnv* env, const ElementMap& m, jarray ja, void* data, jsize n) {
    switch (m.kind) {
    case Kind::Primitive: {
        void* elements = env->GetPrimitiveArrayCritical(ja, nullptr);
        if (!elements) {
            brivelConverterLeftPending(env);
            return 0;
        }
        std::memcpy(data, elements, static_cast<size_t>(n) * m.comSize);
        env->ReleasePrimitiveArrayCritical(ja, elements, JNI_ABORT);
        return n;
    }
    case Kind::Boolean: {
        std::vector<jboolean> values(n);
        env->GetBooleanArrayRegion(static_cast<jbooleanArray>(ja), 0, n, values.data());
        for (jsize i = 0; i < n; ++i) static_cast<VARIANT_BOOL*>(data)[i] = values[i] ? VARIANT_TRUE : VARIANT_FALSE;
        return n;
    }
    case Kind::Date:
        for (jsize i = 0; i < n; ++i) {
            jobject date = env->GetObjectArrayElement(static_cast<jobjectArray>(ja), i);
            static_cast<DATE*>(data)[i] = brivelJdateToDate(env, date);
            env->DeleteLocalRef(date);
        }
        return n;
    case Kind::String:
        for (jsize i = 0; i < n; ++i) {
            jstring text = static_cast<jstring>(env->GetObjectArrayElement(static_cast<jobjectArray>(ja), i));
            BSTR& element = static_cast<BSTR*>(data)[i];
            SysFreeString(element);
            element = brivelJstringToBstr(env, text);
            env->DeleteLocalRef(text);
        }
        return n;
    case Kind::Variant: {
        jsize copied = 0;
        for (jsize i = 0; i < n; ++i) {
            jobject element = env->GetObjectArrayElement(static_cast<jobjectArray>(ja), i);
            VARIANT* source = element ? brivelGetTavoVariant(env, element) : nullptr;
            if (source && SUCCEEDED(VariantCopy(&static_cast<VARIANT*>(data)[i], source))) ++copied;
            env->DeleteLocalRef(element);
        }
        return copied;
    }
    case Kind::Object: {
        jfieldID comId = brivelGetComId();
        if (!comId) return 0;
        for (jsize i = 0; i < n; ++i) {
            jobject element = env->GetObjectArrayElement(static_cast<jobjectArray>(ja), i);
            IUnknown* unknown = element ? reinterpret_cast<IUnknown*>(static_cast<intptr_t>(env->GetIntField(element, comId)))
                                        : nullptr;
            IUnknown*& slot = static_cast<IUnknown**>(data)[i];
            if (unknown) unknown->AddRef();  // the array owns what it holds
            if (slot) slot->Release();
            slot = unknown;
            env->DeleteLocalRef(element);
        }
        return n;
    }
    default: return 0;
    }
}

jfieldID ArrayField(JNIEnv* env, jobject arrayObj, const char* arraySig) {
    jclass cls = env->GetObjectClass(arrayObj);
    jfieldID id = cls ? env->GetFieldID(cls, "array", arraySig) : nullptr;
    env->DeleteLocalRef(cls);
    if (env->ExceptionCheck()) {  // stays pending for the caller
        brivelConverterLeftPending(env);
        return nullptr;
    }
    return id;
}
}  // namespace

extern "C" jarray brivelSafeArrayToJArray(JNIEnv* env, SAFEARRAY* sa, VARTYPE vt) {
    if (!sa) return nullptr;
    ElementMap m = MapOf(vt, true);
    SafeArrayData data(sa, m);
    if (!data.data()) return nullptr;
    jsize n = static_cast<jsize>(data.count());
    jarray ja;
    if (m.kind == Kind::Primitive) {
        ja = NewPrimitiveArray(env, m.javaType, n);
    } else if (m.kind == Kind::Boolean) {
        ja = env->NewBooleanArray(n);
    } else {
        jclass element = brivelFindClass(env, m.elementClass);
        if (!element) return nullptr;
        ja = env->NewObjectArray(n, element, nullptr);
        env->DeleteLocalRef(element);
    }
    if (!ja) {
        brivelConverterLeftPending(env);
        return nullptr;
    }
    CopyToJava(env, m, data.data(), ja, n);
    return ja;
}

extern "C" SAFEARRAY* brivelJArrayToSafeArray(JNIEnv* env, jarray ja, VARTYPE vt) {
    if (!ja) return nullptr;
    ElementMap m = MapOf(vt, false);
    if (!JavaArrayFits(env, ja, m)) return nullptr;
    jsize n = env->GetArrayLength(ja);
    SAFEARRAY* sa = SafeArrayCreateVector(vt, 0, static_cast<ULONG>(n));
    if (!sa) return nullptr;
    SafeArrayData data(sa, m);
    if (data.data()) CopyToCom(env, m, ja, data.data(), n);
    return sa;
}

extern "C" int brivelCopySafeArrayToJarray(JNIEnv* env, SAFEARRAY* sa, jarray ja, VARTYPE vt) {
    if (!sa || !ja) return 0;
    ElementMap m = MapOf(vt, false);
    SafeArrayData data(sa, m);
    if (!data.data() || !JavaArrayFits(env, ja, m)) return 0;  // nothing copied, nothing reported
    jsize n = env->GetArrayLength(ja);
    if (static_cast<ULONG>(n) > data.count()) n = static_cast<jsize>(data.count());
    if (n < 1) return 0;
    if (m.kind == Kind::Object) return 0;  // COM objects are not converted here
    CopyToJava(env, m, data.data(), ja, n);
    return n;
}

extern "C" int brivelCopyJarrayToSafeArray(JNIEnv* env, SAFEARRAY* sa, jarray ja, VARTYPE vt) {
    if (!sa || !ja) return 0;
    ElementMap m = MapOf(vt, false);
    SafeArrayData data(sa, m);
    if (!data.data() || !JavaArrayFits(env, ja, m)) return 0;
    jsize n = env->GetArrayLength(ja);
    if (static_cast<ULONG>(n) > data.count()) n = static_cast<jsize>(data.count());
    if (n < 1) return 0;
    return CopyToCom(env, m, ja, data.data(), n);
}

extern "C" SAFEARRAY* brivelArrayObjToSafeArray(JNIEnv* env, VARTYPE vt, jobject arrayObj, const char* arraySig) {
    if (!arrayObj || !arraySig) return nullptr;
    jfieldID id = ArrayField(env, arrayObj, arraySig);
    if (!id) return nullptr;
    jarray ja = static_cast<jarray>(env->GetObjectField(arrayObj, id));
    if (!ja) return SafeArrayCreateVector(vt, 0, 1);
    SAFEARRAY* sa = brivelJArrayToSafeArray(env, ja, vt);
    env->DeleteLocalRef(ja);
    return sa;
}

extern "C" void brivelCopySafeArrayToArrayObj(JNIEnv* env, VARTYPE vt, SAFEARRAY* sa, jobject arrayObj,
                                              const char* arraySig) {
    if (!arrayObj || !arraySig) return;
    jfieldID id = ArrayField(env, arrayObj, arraySig);
    if (!id) return;
    jarray ja = brivelSafeArrayToJArray(env, sa, vt);
    // The VM does not check what a native stores in a field: an array the
    // field's type cannot hold (a double[] for an int[] field) is not stored.
    if (ja && !FitsType(env, ja, arraySig)) {
        env->DeleteLocalRef(ja);
        return;
    }
    env->SetObjectField(arrayObj, id, ja);
    env->DeleteLocalRef(ja);
}

extern "C" jstring brivelBstrToJstr(JNIEnv* env, BSTR bstring) {
    if (!bstring) return nullptr;
    jstring text = env->NewString(reinterpret_cast<const jchar*>(bstring), static_cast<jsize>(SysStringLen(bstring)));
    if (!text) brivelConverterLeftPending(env);
    return text;
}

extern "C" BSTR brivelJstringToBstr(JNIEnv* env, jstring jstr) {
    if (!jstr) return nullptr;
    jsize n = env->GetStringLength(jstr);
    const jchar* chars = env->GetStringChars(jstr, nullptr);
    if (!chars) {
        brivelConverterLeftPending(env);
        return nullptr;
    }
    BSTR out = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(chars), static_cast<UINT>(n));
    env->ReleaseStringChars(jstr, chars);
    return out;
}

jstring brivelGuidToJstr(JNIEnv* env, GUID& guid) {
    LPOLESTR text = nullptr;
    if (FAILED(StringFromIID(guid, &text)) || !text) return nullptr;
    jsize n = 0;
    while (text[n]) ++n;
    jstring out = env->NewString(reinterpret_cast<const jchar*>(text), n);
    CoTaskMemFree(text);
    if (!out) brivelConverterLeftPending(env);
    return out;
}

void brivelJstringToGuid(JNIEnv* env, jstring jstr, GUID& guid) {
    std::memset(&guid, 0, sizeof guid);
    if (!jstr) return;
    jsize n = env->GetStringLength(jstr);
    std::vector<OLECHAR> text(n + 1, 0);
    env->GetStringRegion(jstr, 0, n, reinterpret_cast<jchar*>(text.data()));
    IIDFromString(text.data(), &guid);
}

extern "C" void brivelJdateToFiletime(JNIEnv* env, FILETIME* ft, jobject date) {
    if (!ft) return;
    ft->dwLowDateTime = ft->dwHighDateTime = 0;
    if (!date) return;
    jclass cls = env->GetObjectClass(date);
    jmethodID getTime = env->GetMethodID(cls, "getTime", "()J");
    env->DeleteLocalRef(cls);
    if (!getTime) {
        brivelConverterLeftPending(env);
        return;
    }
    jlong millis = env->CallLongMethod(date, getTime);
    if (env->ExceptionCheck()) {  // the date's own getTime threw
        brivelConverterLeftPending(env);
        return;
    }
    // Every date a FILETIME holds converts, the epoch (0 ms) included. Java's
    // dates reach much further (about 292 million years either way): those
    // before 1601 or past the last FILETIME (0x7FFFFFFFFFFFFFFF, in the year
    // 30828) give no date, as a date whose time cannot be read does.
    const long long kLastMillis = 0x7FFFFFFFFFFFFFFFLL / 10000 - kMillisFrom1601To1970;
    if (millis < -kMillisFrom1601To1970 || millis > kLastMillis) return;
    unsigned long long ticks = static_cast<unsigned long long>((millis + kMillisFrom1601To1970) * 10000LL);
    ft->dwLowDateTime = static_cast<DWORD>(ticks);
    ft->dwHighDateTime = static_cast<DWORD>(ticks >> 32);
}

// A Java date is an instant; a DATE is local time, both ways. A zero
// FILETIME (no date, or one whose time could not be read) is the DATE 0.0.
extern "C" DATE brivelJdateToDate(JNIEnv* env, jobject date) {
    FILETIME utc, local;
    brivelJdateToFiletime(env, &utc, date);
    if (utc.dwLowDateTime == 0 && utc.dwHighDateTime == 0) return 0.0;
    SYSTEMTIME st;
    DATE result = 0.0;
    if (FileTimeToLocalFileTime(&utc, &local) && FileTimeToSystemTime(&local, &st) &&
        SystemTimeToVariantTime(&st, &result))
        return result;
    return 0.0;
}

extern "C" jobject brivelFiletimeToJobject(JNIEnv* env, FILETIME* ft) {
    if (!ft) return nullptr;
    if (ft->dwHighDateTime & 0x80000000u) return nullptr;  // beyond the last FILETIME: no time
    long long ticks = static_cast<long long>((static_cast<unsigned long long>(ft->dwHighDateTime) << 32) | ft->dwLowDateTime);
    long long millis = (ticks - kTicksFrom1601To1970) / 10000LL;
    jclass cls = brivelFindClass(env, "java/util/Date");
    if (!cls) return nullptr;
    jmethodID constructor = env->GetMethodID(cls, "<init>", "(J)V");
    jobject out = constructor ? env->NewObject(cls, constructor, static_cast<jlong>(millis)) : nullptr;
    env->DeleteLocalRef(cls);
    if (!out) brivelConverterLeftPending(env);
    return out;
}

extern "C" jobject brivelDateToJobject(JNIEnv* env, DATE date) {
    SYSTEMTIME st;
    FILETIME local, utc;
    if (!VariantTimeToSystemTime(date, &st) || !SystemTimeToFileTime(&st, &local) ||
        !LocalFileTimeToFileTime(&local, &utc))
        return nullptr;
    return brivelFiletimeToJobject(env, &utc);
}

extern "C" jclass brivelFindClass(JNIEnv* env, const char* clsname) {
    if (!clsname) return nullptr;
    env->ExceptionClear();
    jclass cls = env->FindClass(brivel::c2j::AnsiToModifiedUtf8(clsname).c_str());
    if (!cls) env->ExceptionClear();
    return cls;
}
