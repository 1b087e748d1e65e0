// Record conversions of the runtime: Java record objects to and from COM
// records, with an IRecordInfo (records with a GUID, found through the
// bridge's type library) or laid out directly by the bridge's record table
// (records without one), alone or in SAFEARRAYs.
//
// Ownership:
// - brivelJObjectToComRecord answers a record made by its IRecordInfo's
//   RecordCreate and hands out one reference on that IRecordInfo;
//   brivelClearRecordData frees both (fields, by-reference fields, memory,
//   reference). On failure nothing is handed out.
// - brivelComRecordToJobject with `destroy` frees the record and releases
//   its IRecordInfo as a VARIANT's clearing would; without it both stay the
//   caller's. The Java object holds copies either way.
// - Direct records live in the caller's buffer; the fields own their
//   values (BSTRs, interface references, VARIANTs, by-reference memory from
//   CoTaskMemAlloc), which brivelClearDirectRecord frees.
// - brivelJArrayToSafeArrayRecord answers a new SAFEARRAY (the caller
//   destroys it); the IRecordInfo it hands out is the array's own, valid as
//   long as the array, and is not released by the caller.
// - The field-ID arrays of the calls are written, never trusted on entry.
#include <cstdio>
#include <cstring>
#include <mutex>
#include <vector>

#include "RecordRegistry.h"
#include "RecordTables.h"
#include "RuntimeDecls.h"

using namespace brivel::rt;

extern "C" jclass brivelFindClass(JNIEnv* env, const char* clsname);

namespace {
FieldList Fields(void* rsPtr, int count) {
    if (!rsPtr || count < 0) return {nullptr, 0};
    return {static_cast<const RecordField*>(rsPtr), count};
}

void Fail(JNIEnv* env, bool* err, const char* message) {
    if (err) *err = true;
    ThrowRecordError(env, message);
}

void FailWithCode(JNIEnv* env, bool* err, const char* what, HRESULT hr) {
    char text[160];
    std::snprintf(text, sizeof text, "%s (COM error 0x%08lX)", what, static_cast<unsigned long>(hr));
    Fail(env, err, text);
}

// The IRecordInfo of a record type of the bridge's type library; null
// after raising the failure when the platform cannot give it.
IRecordInfo* RecordInfoFor(JNIEnv* env, bool* err, void* lisPtr, const GUID* recordGuid) {
    IRecordInfo* info = nullptr;
    const LibraryDescription* library = static_cast<const LibraryDescription*>(lisPtr);
    HRESULT hr = !library || !library->libGuid || !recordGuid
                     ? E_INVALIDARG
                     : GetRecordInfoFromGuids(*library->libGuid, library->verMajor, library->verMinor, 0, *recordGuid, &info);
    if (FAILED(hr) || !info) {
        if (info) info->Release();
        FailWithCode(env, err, "Record definition not found in type library", FAILED(hr) ? hr : E_FAIL);
        return nullptr;
    }
    return info;
}

// Frees a record made through its IRecordInfo and drops the reference: the
// by-reference fields (which the IRecordInfo does not follow) first, by the
// fields of the record's own type.
void DestroyRecord(void* rec, IRecordInfo* info) {
    if (!info) return;
    if (rec) {
        GUID guid;
        if (SUCCEEDED(info->GetGuid(&guid))) {
            KeptFields kept = FieldsOfRecord(guid);
            ClearFields(kept.fields, static_cast<unsigned char*>(rec), true);
        }
        info->RecordDestroy(rec);
    }
    info->Release();
}

// Whether records that COM handed over, described by `info` and `size`
// bytes apart, are of the type the caller expects: the GUID it names, a
// type of its class name that a bridge handed over (GUID and size), and
// room for every field it reads. Reading another type with these fields
// would read past its records.
bool IsExpectedRecord(IRecordInfo* info, ULONG size, const GUID* expectedGuid, const char* className,
                      const FieldList& fields) {
    if (!info || size < FieldsExtent(fields)) return false;
    GUID guid;
    bool hasGuid = SUCCEEDED(info->GetGuid(&guid));
    if (expectedGuid && (!hasGuid || !IsEqualGUID(guid, *expectedGuid))) return false;
    std::vector<KeptIdentity> known = RecordTypesNamed(className);
    if (known.empty()) return true;  // the extent and the GUID named are all there is to check
    for (const KeptIdentity& type : known) {
        if (type.size != static_cast<int>(size)) continue;
        if (!type.hasGuid || (hasGuid && IsEqualGUID(type.guid, guid))) return true;
    }
    return false;
}

ULONG RecordSize(IRecordInfo* info) {
    ULONG size = 0;
    return info && SUCCEEDED(info->GetSize(&size)) ? size : 0;
}

bool HasByRefFields(const FieldList& fields) {
    for (int i = 0; i < fields.count; ++i) {
        const RecordField& row = fields.rows[i];
        if (row.vt & VT_BYREF) return true;
        if (row.vt == VT_RECORD && row.extraData) {
            const RecordType* nested = static_cast<const RecordType*>(row.extraData);
            if (HasByRefFields(Fields(nested->fieldDetailStart, nested->fieldCount))) return true;
        }
    }
    return false;
}

ULONG ElementCount(SAFEARRAY* sa) {
    ULONG n = sa->cDims ? 1 : 0;
    for (USHORT d = 0; d < sa->cDims; ++d) n *= sa->rgsabound[d].cElements;
    return n;
}
}  // namespace

// The runtime keeps copies of the tables (the bridge's own go with its
// library); the library description is passed again with each call.
BRIVEL_RT int brivelRegisterRecordTypes(void*, void* map, int count) {
    if (!map || count <= 0) return count == 0;
    KeepRecordTypes(static_cast<const RecordType*>(map), count);
    return 1;
}

BRIVEL_RT void* brivelJObjectToComRecord(JNIEnv* env, jobject obj, void* lisPtr, const GUID* recordGuid, void* rsPtr,
                                         int count, bool* err, IRecordInfo** iri, jfieldID fieldIds[], bool) {
    PendingNote note(env);
    if (err) *err = false;
    if (iri) *iri = nullptr;
    if (!iri) {
        Fail(env, err, "No place for the record information");
        return nullptr;
    }
    CompleteRecordType(recordGuid, nullptr, Fields(rsPtr, count));
    IRecordInfo* info = RecordInfoFor(env, err, lisPtr, recordGuid);
    if (!info) return nullptr;
    void* rec = info->RecordCreate();
    if (!rec) {
        info->Release();
        FailWithCode(env, err, "Record not created", E_OUTOFMEMORY);
        return nullptr;
    }
    // A null Java record passes an empty record.
    if (obj && !FieldsToCom(env, obj, Fields(rsPtr, count), static_cast<unsigned char*>(rec), fieldIds)) {
        ClearFields(Fields(rsPtr, count), static_cast<unsigned char*>(rec), true);
        info->RecordDestroy(rec);
        info->Release();
        if (err) *err = true;
        return nullptr;
    }
    *iri = info;
    return rec;
}

BRIVEL_RT void brivelCopyComRecordToJObject(JNIEnv* env, void* rec, jobject obj, void* rsPtr, int count, IRecordInfo*,
                                            jfieldID fieldIds[]) {
    PendingNote note(env);
    if (!rec || !obj || env->ExceptionCheck()) return;
    FieldsToJava(env, static_cast<const unsigned char*>(rec), obj, Fields(rsPtr, count), fieldIds);
}

BRIVEL_RT void brivelClearRecordData(JNIEnv*, void* rec, IRecordInfo* iri) {
    DestroyRecord(rec, iri);
}

// A record that COM handed over (a VARIANT's or an event argument's): read
// only when it is of the type the caller expects.
BRIVEL_RT jobject brivelComRecordToJobject(JNIEnv* env, void* rec, const char* classname, void*, const GUID* recordGuid,
                                           void* rsPtr, int count, bool* err, jfieldID fieldIds[], IRecordInfo* iri,
                                           bool destroy) {
    PendingNote note(env);
    if (err) *err = false;
    FieldList fields = Fields(rsPtr, count);
    CompleteRecordType(recordGuid, classname, fields);
    jobject obj = nullptr;
    if (rec && !IsExpectedRecord(iri, RecordSize(iri), recordGuid, classname, fields)) {
        FailWithCode(env, err, "Record not converted", DISP_E_TYPEMISMATCH);
    } else if (rec) {
        obj = NewRecordObject(env, static_cast<const unsigned char*>(rec), classname, fields, fieldIds);
        if (!obj && err) *err = true;
    }
    if (destroy) DestroyRecord(rec, iri);
    return obj;
}

BRIVEL_RT void* brivelDirectCopyJObjectToComRecord(JNIEnv* env, jobject obj, unsigned char* rec, int count,
                                                   void* rsPtr, jfieldID fieldIds[], bool* err) {
    PendingNote note(env);
    if (err) *err = false;
    if (!rec) {
        Fail(env, err, "No record buffer");
        return nullptr;
    }
    if (obj && !FieldsToCom(env, obj, Fields(rsPtr, count), rec, fieldIds)) {
        ClearFields(Fields(rsPtr, count), rec, false);
        if (err) *err = true;
        return nullptr;
    }
    return rec;
}

BRIVEL_RT void brivelDirectCopyComRecordToJObject(JNIEnv* env, unsigned char* rec, jobject obj, int count, void* rsPtr,
                                                  jfieldID fieldIds[]) {
    PendingNote note(env);
    if (!rec || !obj || env->ExceptionCheck()) return;
    FieldsToJava(env, rec, obj, Fields(rsPtr, count), fieldIds);
}

BRIVEL_RT jobject brivelDirectComRecordToJobject(JNIEnv* env, unsigned char* rec, const char* classname, void* rsPtr,
                                                 int count, bool* err, jfieldID fieldIds[]) {
    PendingNote note(env);
    if (err) *err = false;
    if (!rec) return nullptr;
    jobject obj = NewRecordObject(env, rec, classname, Fields(rsPtr, count), fieldIds);
    if (!obj && err) *err = true;
    return obj;
}

BRIVEL_RT void brivelClearDirectRecord(void* rsPtr, int count, unsigned char* rec) {
    ClearFields(Fields(rsPtr, count), rec, false);
}

BRIVEL_RT SAFEARRAY* brivelJArrayToSafeArrayRecord(JNIEnv* env, jobjectArray ja, void* lisPtr, const GUID* recordGuid,
                                                   void* rsPtr, int count, bool* err, IRecordInfo** iri,
                                                   jfieldID fieldIds[], bool) {
    PendingNote note(env);
    if (err) *err = false;
    if (iri) *iri = nullptr;
    FieldList fields = Fields(rsPtr, count);
    // The array's destruction clears its records through the IRecordInfo
    // only, which would leave by-reference fields behind.
    if (HasByRefFields(fields)) {
        Fail(env, err, "Records with by-reference fields cannot be passed in arrays");
        return nullptr;
    }
    CompleteRecordType(recordGuid, nullptr, fields);
    IRecordInfo* info = RecordInfoFor(env, err, lisPtr, recordGuid);
    if (!info) return nullptr;
    jsize n = ja ? env->GetArrayLength(ja) : 0;
    SAFEARRAY* sa = SafeArrayCreateVectorEx(VT_RECORD, 0, static_cast<ULONG>(n), info);
    info->Release();  // the array holds its own reference
    if (!sa) {
        FailWithCode(env, err, "Record array not created", E_OUTOFMEMORY);
        return nullptr;
    }
    unsigned char* data = nullptr;
    bool ok = SUCCEEDED(SafeArrayAccessData(sa, reinterpret_cast<void**>(&data)));
    for (jsize i = 0; ok && i < n; ++i) {
        jobject element = env->GetObjectArrayElement(ja, i);
        if (element) {
            ok = FieldsToCom(env, element, fields, data + static_cast<size_t>(i) * sa->cbElements, fieldIds);
            env->DeleteLocalRef(element);
        }
    }
    if (data) SafeArrayUnaccessData(sa);
    if (!ok) {
        SafeArrayDestroy(sa);
        Fail(env, err, "Record array not converted");
        return nullptr;
    }
    if (iri) *iri = info;
    return sa;
}

BRIVEL_RT jobjectArray brivelCopySafeArrayToJArrayRecord(JNIEnv* env, bool allocate, SAFEARRAY* sa,
                                                         jobjectArray jarray, jclass cls, const char* classname,
                                                         bool* err, void* rsPtr, int count, jfieldID fieldIds[]) {
    PendingNote note(env);
    if (err) *err = false;
    if (!sa) return allocate ? nullptr : jarray;
    if (!allocate && !jarray) return nullptr;
    VARTYPE vt = VT_EMPTY;
    if (FAILED(SafeArrayGetVartype(sa, &vt)) || vt != VT_RECORD) {
        Fail(env, err, "The array does not hold records");
        return allocate ? nullptr : jarray;
    }
    FieldList fields = Fields(rsPtr, count);
    CompleteRecordType(nullptr, classname, fields);
    // The records are read with the caller's fields: only records of its
    // type, as many bytes apart as its records are.
    IRecordInfo* info = nullptr;
    bool expected = SUCCEEDED(SafeArrayGetRecordInfo(sa, &info)) &&
                    IsExpectedRecord(info, sa->cbElements, nullptr, classname, fields);
    if (info) info->Release();
    if (!expected) {
        FailWithCode(env, err, "Record array not converted", DISP_E_TYPEMISMATCH);
        return allocate ? nullptr : jarray;
    }
    jsize n = static_cast<jsize>(ElementCount(sa));
    if (allocate) {
        jclass elementClass = cls ? static_cast<jclass>(env->NewLocalRef(cls)) : brivelFindClass(env, classname);
        if (!elementClass) {
            Fail(env, err, "Record class not found");
            return nullptr;
        }
        jarray = env->NewObjectArray(n, elementClass, nullptr);
        env->DeleteLocalRef(elementClass);
        if (!jarray) {
            if (err) *err = true;
            return nullptr;
        }
    }
    jsize length = env->GetArrayLength(jarray);
    jsize copied = length < n ? length : n;
    const unsigned char* data = nullptr;
    bool ok = SUCCEEDED(SafeArrayAccessData(sa, reinterpret_cast<void**>(const_cast<unsigned char**>(&data))));
    for (jsize i = 0; ok && i < copied; ++i) {
        const unsigned char* rec = data + static_cast<size_t>(i) * sa->cbElements;
        // Records of the Java array are filled in place; missing ones made.
        jobject element = allocate ? nullptr : env->GetObjectArrayElement(jarray, i);
        if (element) {
            ok = FieldsToJava(env, rec, element, fields, fieldIds);
        } else {
            element = NewRecordObject(env, rec, classname, fields, fieldIds);
            ok = element != nullptr;
            if (ok) env->SetObjectArrayElement(jarray, i, element);
        }
        if (element) env->DeleteLocalRef(element);
    }
    if (data) SafeArrayUnaccessData(sa);
    if (ok && length != n) {
        char text[160];
        std::snprintf(text, sizeof text, "The array came back with %ld records for %ld Java elements",
                      static_cast<long>(n), static_cast<long>(length));
        Fail(env, err, text);
    } else if (!ok) {
        Fail(env, err, "Record array not converted");
    }
    return jarray;
}

BRIVEL_RT jobjectArray brivelSafeArrayToJArrayRecord(JNIEnv* env, SAFEARRAY* sa, bool* err, const char* classname,
                                                     void* rsPtr, int count, jfieldID fieldIds[]) {
    return brivelCopySafeArrayToJArrayRecord(env, true, sa, nullptr, nullptr, classname, err, rsPtr, count, fieldIds);
}
