// Field-by-field conversion between Java record objects and record bytes,
// laid out by the offsets of the bridge's record table. Used for records
// with and without an IRecordInfo alike: the table's offsets come from the
// same type description as the IRecordInfo's layout.
#include "RecordTables.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "RuntimeDecls.h"

extern "C" {
jclass brivelGetComBaseClass();
jclass brivelFindClass(JNIEnv* env, const char* clsname);
jint brivelEnumeratedObjectToInt(JNIEnv* env, jobject obj);
jobject brivelIntToEnumeratedObject(JNIEnv* env, int ival, const char* classname);
jobject brivelUnknownToInterfaceObject(JNIEnv* env, IUnknown* pUnk, const char* classname);
VARIANT* brivelGetTavoVariant(JNIEnv* env, jobject obj);
DATE brivelJdateToDate(JNIEnv* env, jobject date);
jobject brivelDateToJobject(JNIEnv* env, DATE date);
void brivelJdateToFiletime(JNIEnv* env, FILETIME* ft, jobject date);
jobject brivelFiletimeToJobject(JNIEnv* env, FILETIME* ft);
void brivelJstringToGuid(JNIEnv* env, jstring jstr, GUID& guid);
jstring brivelGuidToJstr(JNIEnv* env, GUID& guid);
}

namespace brivel::rt {
namespace {

const VARTYPE kEnumeration = 231;  // the record table's mark of an enumeration field
const VARTYPE kByRefRecord = VT_BYREF | VT_RECORD;
const VARTYPE kByRefVariant = VT_BYREF | VT_VARIANT;

// How one value is held on both sides: the COM bytes and the Java type.
enum class Kind { None, Byte, Short, Bool, Int, Float, Double, Long, Date, FileTime, String, Guid, Variant, Object, Enum };

Kind KindOf(VARTYPE vt, const char* sig) {
    char s = sig ? sig[0] : 0;
    switch (vt) {
    case VT_I1: case VT_UI1: return s == 'B' ? Kind::Byte : Kind::None;
    case VT_I2: case VT_UI2: return s == 'S' ? Kind::Short : Kind::None;
    case VT_BOOL: return s == 'Z' ? Kind::Bool : Kind::None;
    case VT_I4: case VT_UI4: case VT_INT: case VT_UINT: case VT_ERROR: case VT_HRESULT: case kEnumeration:
        return s == 'I' ? Kind::Int : s == 'L' ? Kind::Enum : Kind::None;
    case VT_R4: return s == 'F' ? Kind::Float : Kind::None;
    case VT_R8: return s == 'D' ? Kind::Double : Kind::None;
    case VT_I8: case VT_UI8: case VT_CY: return s == 'J' ? Kind::Long : Kind::None;
    case VT_DATE: return s == 'L' ? Kind::Date : Kind::None;
    case VT_FILETIME: return s == 'L' ? Kind::FileTime : Kind::None;
    case VT_BSTR: return s == 'L' ? Kind::String : Kind::None;
    case VT_CLSID: return s == 'L' ? Kind::Guid : Kind::None;
    case VT_VARIANT: return s == 'L' ? Kind::Variant : Kind::None;
    case VT_UNKNOWN: case VT_DISPATCH: return s == 'L' ? Kind::Object : Kind::None;
    default: return Kind::None;
    }
}

size_t SizeOf(Kind k) {
    switch (k) {
    case Kind::Byte: return 1;
    case Kind::Short: case Kind::Bool: return 2;
    case Kind::Int: case Kind::Float: case Kind::Enum: case Kind::String: case Kind::Object: return 4;
    case Kind::Double: case Kind::Long: case Kind::Date: case Kind::FileTime: return 8;
    case Kind::Guid: case Kind::Variant: return 16;
    default: return 0;
    }
}

// "Lpkg/Name;" -> "pkg/Name".
std::string ClassOfSig(const char* sig) {
    std::string s = sig ? sig : "";
    if (s.size() > 2 && s[0] == 'L' && s.back() == ';') return s.substr(1, s.size() - 2);
    return s;
}

template <typename T>
T Load(const unsigned char* p) {
    T value;
    std::memcpy(&value, p, sizeof value);
    return value;
}
template <typename T>
void Store(unsigned char* p, T value) {
    std::memcpy(p, &value, sizeof value);
}

void Unsupported(JNIEnv* env, const RecordField& row) {
    char text[160];
    std::snprintf(text, sizeof text, "Unsupported type of record field %s", row.javaFieldName ? row.javaFieldName : "");
    ThrowRecordError(env, text);
}

// The COM pointer of a Java interface object (one of brivel.TavoObject's
// kind), or null for null and for any other object.
IUnknown* ComPointerOf(JNIEnv* env, jobject obj) {
    if (!obj || !HaveIds(env) || !env->IsInstanceOf(obj, brivelGetComBaseClass())) return nullptr;
    return reinterpret_cast<IUnknown*>(static_cast<intptr_t>(env->GetIntField(obj, brivelGetComId())));
}

// One Java value into fresh (zeroed) COM bytes.
bool ValueToCom(JNIEnv* env, Kind k, jvalue v, unsigned char* dst) {
    switch (k) {
    case Kind::Byte: Store<jbyte>(dst, v.b); break;
    case Kind::Short: Store<jshort>(dst, v.s); break;
    case Kind::Bool: Store<VARIANT_BOOL>(dst, v.z ? VARIANT_TRUE : VARIANT_FALSE); break;
    case Kind::Int: Store<jint>(dst, v.i); break;
    case Kind::Float: Store<jfloat>(dst, v.f); break;
    case Kind::Double: Store<jdouble>(dst, v.d); break;
    case Kind::Long: Store<jlong>(dst, v.j); break;
    case Kind::Enum: Store<jint>(dst, v.l ? brivelEnumeratedObjectToInt(env, v.l) : 0); break;
    case Kind::Date: Store<DATE>(dst, v.l ? brivelJdateToDate(env, v.l) : 0.0); break;
    case Kind::FileTime: {
        FILETIME ft = {0, 0};
        if (v.l) brivelJdateToFiletime(env, &ft, v.l);
        Store(dst, ft);
        break;
    }
    case Kind::String: {
        BSTR text = nullptr;
        if (v.l) {
            text = brivelJstringToBstr(env, static_cast<jstring>(v.l));
            if (!text && !env->ExceptionCheck()) ThrowJava(env, "java/lang/OutOfMemoryError", "BSTR");
        }
        Store(dst, text);
        break;
    }
    case Kind::Guid: {
        GUID guid;
        std::memset(&guid, 0, sizeof guid);
        if (v.l) brivelJstringToGuid(env, static_cast<jstring>(v.l), guid);
        Store(dst, guid);
        break;
    }
    case Kind::Variant: {
        VARIANT value;
        VariantInit(&value);
        VARIANT* from = v.l ? brivelGetTavoVariant(env, v.l) : nullptr;
        if (from) {
            HRESULT hr = VariantCopy(&value, from);
            if (FAILED(hr)) brivelThrowComExceptionObject(env, hr, nullptr);
        }
        Store(dst, value);
        break;
    }
    case Kind::Object: {
        IUnknown* pointer = ComPointerOf(env, v.l);
        if (pointer) pointer->AddRef();  // the record's own reference
        Store(dst, pointer);
        break;
    }
    default: return false;
    }
    return !env->ExceptionCheck();
}

// COM bytes into a Java value; objects are new local references.
bool ValueToJava(JNIEnv* env, Kind k, const char* sig, const unsigned char* src, jvalue* out) {
    std::memset(out, 0, sizeof *out);
    switch (k) {
    case Kind::Byte: out->b = Load<jbyte>(src); break;
    case Kind::Short: out->s = Load<jshort>(src); break;
    case Kind::Bool: out->z = Load<VARIANT_BOOL>(src) != VARIANT_FALSE ? JNI_TRUE : JNI_FALSE; break;
    case Kind::Int: out->i = Load<jint>(src); break;
    case Kind::Float: out->f = Load<jfloat>(src); break;
    case Kind::Double: out->d = Load<jdouble>(src); break;
    case Kind::Long: out->j = Load<jlong>(src); break;
    case Kind::Enum: out->l = brivelIntToEnumeratedObject(env, Load<jint>(src), ClassOfSig(sig).c_str()); break;
    case Kind::Date: out->l = brivelDateToJobject(env, Load<DATE>(src)); break;
    case Kind::FileTime: {
        FILETIME ft = Load<FILETIME>(src);
        out->l = brivelFiletimeToJobject(env, &ft);
        break;
    }
    case Kind::String: out->l = brivelBstrToJstr(env, Load<BSTR>(src)); break;
    case Kind::Guid: {
        GUID guid = Load<GUID>(src);
        out->l = brivelGuidToJstr(env, guid);
        break;
    }
    case Kind::Variant: {
        VARIANT value = Load<VARIANT>(src);  // a view: the copy is the holder's
        out->l = brivelVariantObject(env, &value);
        break;
    }
    case Kind::Object: {
        IUnknown* pointer = Load<IUnknown*>(src);
        if (pointer) out->l = brivelUnknownToInterfaceObject(env, pointer, ClassOfSig(sig).c_str());
        break;
    }
    default: return false;
    }
    return !env->ExceptionCheck();
}

void ClearValue(Kind k, unsigned char* p) {
    switch (k) {
    case Kind::String: SysFreeString(Load<BSTR>(p)); break;
    case Kind::Variant: {
        VARIANT value = Load<VARIANT>(p);
        VariantClear(&value);
        break;
    }
    case Kind::Object: {
        IUnknown* pointer = Load<IUnknown*>(p);
        if (pointer) pointer->Release();
        break;
    }
    default: break;
    }
    std::memset(p, 0, SizeOf(k));
}

// Java field and array element access by signature character.
jvalue ReadField(JNIEnv* env, jobject obj, jfieldID id, char c) {
    jvalue v;
    std::memset(&v, 0, sizeof v);
    switch (c) {
    case 'Z': v.z = env->GetBooleanField(obj, id); break;
    case 'B': v.b = env->GetByteField(obj, id); break;
    case 'C': v.c = env->GetCharField(obj, id); break;
    case 'S': v.s = env->GetShortField(obj, id); break;
    case 'I': v.i = env->GetIntField(obj, id); break;
    case 'J': v.j = env->GetLongField(obj, id); break;
    case 'F': v.f = env->GetFloatField(obj, id); break;
    case 'D': v.d = env->GetDoubleField(obj, id); break;
    default: v.l = env->GetObjectField(obj, id); break;
    }
    return v;
}

void WriteField(JNIEnv* env, jobject obj, jfieldID id, char c, jvalue v) {
    switch (c) {
    case 'Z': env->SetBooleanField(obj, id, v.z); break;
    case 'B': env->SetByteField(obj, id, v.b); break;
    case 'C': env->SetCharField(obj, id, v.c); break;
    case 'S': env->SetShortField(obj, id, v.s); break;
    case 'I': env->SetIntField(obj, id, v.i); break;
    case 'J': env->SetLongField(obj, id, v.j); break;
    case 'F': env->SetFloatField(obj, id, v.f); break;
    case 'D': env->SetDoubleField(obj, id, v.d); break;
    default: env->SetObjectField(obj, id, v.l); break;
    }
}

jvalue ReadElement(JNIEnv* env, jarray array, jsize i, char c) {
    jvalue v;
    std::memset(&v, 0, sizeof v);
    switch (c) {
    case 'Z': env->GetBooleanArrayRegion(static_cast<jbooleanArray>(array), i, 1, &v.z); break;
    case 'B': env->GetByteArrayRegion(static_cast<jbyteArray>(array), i, 1, &v.b); break;
    case 'C': env->GetCharArrayRegion(static_cast<jcharArray>(array), i, 1, &v.c); break;
    case 'S': env->GetShortArrayRegion(static_cast<jshortArray>(array), i, 1, &v.s); break;
    case 'I': env->GetIntArrayRegion(static_cast<jintArray>(array), i, 1, &v.i); break;
    case 'J': env->GetLongArrayRegion(static_cast<jlongArray>(array), i, 1, &v.j); break;
    case 'F': env->GetFloatArrayRegion(static_cast<jfloatArray>(array), i, 1, &v.f); break;
    case 'D': env->GetDoubleArrayRegion(static_cast<jdoubleArray>(array), i, 1, &v.d); break;
    default: v.l = env->GetObjectArrayElement(static_cast<jobjectArray>(array), i); break;
    }
    return v;
}

void WriteElement(JNIEnv* env, jarray array, jsize i, char c, jvalue v) {
    switch (c) {
    case 'Z': env->SetBooleanArrayRegion(static_cast<jbooleanArray>(array), i, 1, &v.z); break;
    case 'B': env->SetByteArrayRegion(static_cast<jbyteArray>(array), i, 1, &v.b); break;
    case 'C': env->SetCharArrayRegion(static_cast<jcharArray>(array), i, 1, &v.c); break;
    case 'S': env->SetShortArrayRegion(static_cast<jshortArray>(array), i, 1, &v.s); break;
    case 'I': env->SetIntArrayRegion(static_cast<jintArray>(array), i, 1, &v.i); break;
    case 'J': env->SetLongArrayRegion(static_cast<jlongArray>(array), i, 1, &v.j); break;
    case 'F': env->SetFloatArrayRegion(static_cast<jfloatArray>(array), i, 1, &v.f); break;
    case 'D': env->SetDoubleArrayRegion(static_cast<jdoubleArray>(array), i, 1, &v.d); break;
    default: env->SetObjectArrayElement(static_cast<jobjectArray>(array), i, v.l); break;
    }
}

bool IsObjectSig(char c) { return c == 'L' || c == '['; }

void DropLocal(JNIEnv* env, char c, jvalue v) {
    if (IsObjectSig(c) && v.l) env->DeleteLocalRef(v.l);
}

jarray NewArray(JNIEnv* env, const char* elementSig, jsize n) {
    switch (elementSig[0]) {
    case 'Z': return env->NewBooleanArray(n);
    case 'B': return env->NewByteArray(n);
    case 'C': return env->NewCharArray(n);
    case 'S': return env->NewShortArray(n);
    case 'I': return env->NewIntArray(n);
    case 'J': return env->NewLongArray(n);
    case 'F': return env->NewFloatArray(n);
    case 'D': return env->NewDoubleArray(n);
    default: {
        jclass element = brivelFindClass(env, ClassOfSig(elementSig).c_str());
        if (!element) return nullptr;
        jarray array = env->NewObjectArray(n, element, nullptr);
        env->DeleteLocalRef(element);
        return array;
    }
    }
}

FieldList NestedFields(const RecordField& row) {
    const RecordType* type = static_cast<const RecordType*>(row.extraData);
    if (!type) return {nullptr, 0};
    return {static_cast<const RecordField*>(type->fieldDetailStart), type->fieldCount};
}

// A C array inside the record: its element kind, size and count.
struct FixedArray {
    Kind kind = Kind::None;
    size_t elementSize = 0;
    int count = 0;
    const char* elementSig = nullptr;
};
FixedArray FixedArrayOf(const RecordField& row) {
    FixedArray a;
    const FixedArrayShape* shape = static_cast<const FixedArrayShape*>(row.extraData);
    if (!shape || !row.javaSig || row.javaSig[0] != '[' || shape->size < 0) return a;
    a.elementSig = row.javaSig + 1;
    a.kind = KindOf(shape->vt, a.elementSig);
    a.elementSize = SizeOf(a.kind);
    a.count = shape->size;
    return a;
}

bool FixedArrayToCom(JNIEnv* env, jobject obj, jfieldID id, const RecordField& row, unsigned char* dst) {
    FixedArray a = FixedArrayOf(row);
    if (a.kind == Kind::None) {
        Unsupported(env, row);
        return false;
    }
    jarray array = static_cast<jarray>(env->GetObjectField(obj, id));
    if (!array) return true;  // no array: the elements stay zero
    jsize n = env->GetArrayLength(array);
    if (n > a.count) n = a.count;  // the record holds no more
    bool ok = true;
    for (jsize i = 0; ok && i < n; ++i) {
        jvalue v = ReadElement(env, array, i, a.elementSig[0]);
        ok = !env->ExceptionCheck() && ValueToCom(env, a.kind, v, dst + i * a.elementSize);
        DropLocal(env, a.elementSig[0], v);
    }
    env->DeleteLocalRef(array);
    return ok;
}

bool FixedArrayToJava(JNIEnv* env, const unsigned char* src, jobject obj, jfieldID id, const RecordField& row) {
    FixedArray a = FixedArrayOf(row);
    if (a.kind == Kind::None) {
        Unsupported(env, row);
        return false;
    }
    // The record's array is filled in place when it has the record's size.
    jarray array = static_cast<jarray>(env->GetObjectField(obj, id));
    if (array && env->GetArrayLength(array) != a.count) {
        env->DeleteLocalRef(array);
        array = nullptr;
    }
    bool fresh = !array;
    if (fresh) array = NewArray(env, a.elementSig, a.count);
    if (!array) return false;
    bool ok = true;
    for (int i = 0; ok && i < a.count; ++i) {
        jvalue v;
        ok = ValueToJava(env, a.kind, a.elementSig, src + i * a.elementSize, &v);
        if (ok) WriteElement(env, array, i, a.elementSig[0], v);
        DropLocal(env, a.elementSig[0], v);
    }
    if (ok && fresh) env->SetObjectField(obj, id, array);
    env->DeleteLocalRef(array);
    return ok && !env->ExceptionCheck();
}

jfieldID FieldIdOf(JNIEnv* env, jclass cls, const RecordField& row) {
    if (!row.javaFieldName || !row.javaSig) {
        Unsupported(env, row);
        return nullptr;
    }
    return env->GetFieldID(cls, row.javaFieldName, row.javaSig);  // NoSuchFieldError stays pending
}

bool FieldToCom(JNIEnv* env, jobject obj, jfieldID id, const RecordField& row, unsigned char* rec) {
    unsigned char* dst = rec + row.offset;
    switch (row.vt) {
    case VT_CARRAY:
        return FixedArrayToCom(env, obj, id, row, dst);
    case VT_RECORD:
    case kByRefRecord: {
        const RecordType* type = static_cast<const RecordType*>(row.extraData);
        if (!type) {
            Unsupported(env, row);
            return false;
        }
        jobject nested = env->GetObjectField(obj, id);
        if (!nested) return true;  // by value: zero; by reference: a null pointer
        unsigned char* target = dst;
        if (row.vt == kByRefRecord) {
            target = static_cast<unsigned char*>(CoTaskMemAlloc(type->size > 0 ? type->size : 1));
            if (!target) {
                env->DeleteLocalRef(nested);
                ThrowJava(env, "java/lang/OutOfMemoryError", "record");
                return false;
            }
            std::memset(target, 0, type->size > 0 ? type->size : 1);
            Store(dst, target);  // owned by the record from here on
        }
        bool ok = FieldsToCom(env, nested, NestedFields(row), target, nullptr);
        env->DeleteLocalRef(nested);
        return ok;
    }
    case kByRefVariant: {
        jobject holder = env->GetObjectField(obj, id);
        if (!holder) return true;
        VARIANT* value = static_cast<VARIANT*>(CoTaskMemAlloc(sizeof(VARIANT)));
        if (!value) {
            env->DeleteLocalRef(holder);
            ThrowJava(env, "java/lang/OutOfMemoryError", "VARIANT");
            return false;
        }
        VariantInit(value);
        Store(dst, value);
        jvalue v;
        v.l = holder;
        bool ok = ValueToCom(env, Kind::Variant, v, reinterpret_cast<unsigned char*>(value));
        env->DeleteLocalRef(holder);
        return ok;
    }
    default: {
        Kind k = KindOf(row.vt, row.javaSig);
        if (k == Kind::None) {
            Unsupported(env, row);
            return false;
        }
        jvalue v = ReadField(env, obj, id, row.javaSig[0]);
        bool ok = !env->ExceptionCheck() && ValueToCom(env, k, v, dst);
        DropLocal(env, row.javaSig[0], v);
        return ok;
    }
    }
}

bool FieldToJava(JNIEnv* env, const unsigned char* rec, jobject obj, jfieldID id, const RecordField& row) {
    const unsigned char* src = rec + row.offset;
    switch (row.vt) {
    case VT_CARRAY:
        return FixedArrayToJava(env, src, obj, id, row);
    case VT_RECORD:
    case kByRefRecord: {
        if (!row.extraData) {
            Unsupported(env, row);
            return false;
        }
        if (row.vt == kByRefRecord) {
            src = Load<const unsigned char*>(src);
            if (!src) {
                env->SetObjectField(obj, id, nullptr);
                return !env->ExceptionCheck();
            }
        }
        // A nested object that is there is filled in place.
        jobject nested = env->GetObjectField(obj, id);
        bool ok;
        if (nested) {
            ok = FieldsToJava(env, src, nested, NestedFields(row), nullptr);
        } else {
            nested = NewRecordObject(env, src, ClassOfSig(row.javaSig).c_str(), NestedFields(row), nullptr);
            ok = nested != nullptr;
            if (ok) env->SetObjectField(obj, id, nested);
        }
        if (nested) env->DeleteLocalRef(nested);
        return ok && !env->ExceptionCheck();
    }
    case kByRefVariant: {
        VARIANT* value = Load<VARIANT*>(src);
        jobject holder = value ? brivelVariantObject(env, value) : nullptr;
        if (env->ExceptionCheck()) return false;
        env->SetObjectField(obj, id, holder);
        if (holder) env->DeleteLocalRef(holder);
        return !env->ExceptionCheck();
    }
    default: {
        Kind k = KindOf(row.vt, row.javaSig);
        if (k == Kind::None) {
            Unsupported(env, row);
            return false;
        }
        if (k == Kind::Object) {
            // The Java object already holding this pointer stays: a new one
            // would take another reference for the same object.
            jobject held = env->GetObjectField(obj, id);
            bool same = held && ComPointerOf(env, held) == Load<IUnknown*>(src);
            if (held) env->DeleteLocalRef(held);
            if (same) return true;
        }
        jvalue v;
        bool ok = ValueToJava(env, k, row.javaSig, src, &v);
        if (ok) WriteField(env, obj, id, row.javaSig[0], v);
        DropLocal(env, row.javaSig[0], v);
        return ok && !env->ExceptionCheck();
    }
    }
}

}  // namespace

size_t FieldsExtent(const FieldList& fields) {
    size_t extent = 0;
    for (int i = 0; i < fields.count; ++i) {
        const RecordField& row = fields.rows[i];
        size_t size = 0;
        if (row.vt == VT_CARRAY) {
            FixedArray a = FixedArrayOf(row);
            size = a.elementSize * static_cast<size_t>(a.count);
        } else if (row.vt == VT_RECORD) {
            const RecordType* type = static_cast<const RecordType*>(row.extraData);
            size = type && type->size > 0 ? static_cast<size_t>(type->size) : 0;
        } else if (row.vt == kByRefRecord || row.vt == kByRefVariant) {
            size = sizeof(void*);
        } else {
            size = SizeOf(KindOf(row.vt, row.javaSig));
        }
        if (row.offset >= 0 && row.offset + size > extent) extent = row.offset + size;
    }
    return extent;
}

void ThrowRecordError(JNIEnv* env, const char* message) {
    if (env && !env->ExceptionCheck()) ThrowJava(env, "brivel/TavoException", message);
}

bool FieldsToCom(JNIEnv* env, jobject obj, const FieldList& fields, unsigned char* rec, jfieldID* fieldIds) {
    jclass cls = env->GetObjectClass(obj);
    bool ok = cls != nullptr;
    for (int i = 0; ok && i < fields.count; ++i) {
        jfieldID id = FieldIdOf(env, cls, fields.rows[i]);
        if (fieldIds) fieldIds[i] = id;
        ok = id && FieldToCom(env, obj, id, fields.rows[i], rec);
    }
    if (cls) env->DeleteLocalRef(cls);
    return ok && !env->ExceptionCheck();
}

bool FieldsToJava(JNIEnv* env, const unsigned char* rec, jobject obj, const FieldList& fields, jfieldID* fieldIds) {
    jclass cls = env->GetObjectClass(obj);
    bool ok = cls != nullptr;
    for (int i = 0; ok && i < fields.count; ++i) {
        jfieldID id = FieldIdOf(env, cls, fields.rows[i]);
        if (fieldIds) fieldIds[i] = id;
        ok = id && FieldToJava(env, rec, obj, id, fields.rows[i]);
    }
    if (cls) env->DeleteLocalRef(cls);
    return ok && !env->ExceptionCheck();
}

jobject NewRecordObject(JNIEnv* env, const unsigned char* rec, const char* className, const FieldList& fields,
                        jfieldID* fieldIds) {
    if (env->ExceptionCheck()) return nullptr;
    jclass cls = brivelFindClass(env, className);
    if (!cls) {
        if (!env->ExceptionCheck()) ThrowJava(env, "java/lang/NoClassDefFoundError", className ? className : "");
        return nullptr;
    }
    jmethodID ctor = env->GetMethodID(cls, "<init>", "()V");
    jobject obj = ctor ? env->NewObject(cls, ctor) : nullptr;
    env->DeleteLocalRef(cls);
    if (!obj) return nullptr;  // the constructor's exception stays pending
    if (!FieldsToJava(env, rec, obj, fields, fieldIds)) {
        env->DeleteLocalRef(obj);
        return nullptr;
    }
    return obj;
}

void ClearFields(const FieldList& fields, unsigned char* rec, bool byRefOnly) {
    if (!rec) return;
    for (int i = 0; i < fields.count; ++i) {
        const RecordField& row = fields.rows[i];
        unsigned char* p = rec + row.offset;
        switch (row.vt) {
        case VT_CARRAY: {
            if (byRefOnly) break;
            FixedArray a = FixedArrayOf(row);
            for (int j = 0; a.kind != Kind::None && j < a.count; ++j) ClearValue(a.kind, p + j * a.elementSize);
            break;
        }
        case VT_RECORD:
            ClearFields(NestedFields(row), p, byRefOnly);
            break;
        case kByRefRecord: {
            unsigned char* target = Load<unsigned char*>(p);
            if (target) {
                ClearFields(NestedFields(row), target, false);
                CoTaskMemFree(target);
            }
            Store<unsigned char*>(p, nullptr);
            break;
        }
        case kByRefVariant: {
            VARIANT* value = Load<VARIANT*>(p);
            if (value) {
                VariantClear(value);
                CoTaskMemFree(value);
            }
            Store<VARIANT*>(p, nullptr);
            break;
        }
        default:
            if (!byRefOnly) ClearValue(KindOf(row.vt, row.javaSig), p);
            break;
        }
    }
}

}  // namespace brivel::rt
