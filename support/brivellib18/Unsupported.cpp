// Remote creation and record conversions of this runtime.
//
// No remote machine is reachable from this runtime: remote creation answers
// the platform's "RPC server unavailable" failure, which the bridge reports
// as a brivel.TavoException. Records are not converted by this runtime yet:
// each record conversion reports that through its error flag and a pending
// brivel.TavoException, never with a half-filled value.
#include "RuntimeDecls.h"

namespace {
const HRESULT kServerUnavailable = HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE);

void NoRecords(JNIEnv* env, bool* err) {
    if (err) *err = true;
    if (env && !env->ExceptionCheck()) {
        jclass cls = env->FindClass("brivel/TavoException");
        if (cls) env->ThrowNew(cls, "Record conversion is not supported by this runtime");
    }
}
}  // namespace

BRIVEL_RT HRESULT brivelCreateInstanceRemote(JNIEnv*, const CLSID* clsid, LPCWSTR remoteName, LPCWSTR, LPCWSTR,
                                             LPCWSTR, int, jobjectArray, const IID**) {
    if (!clsid || !remoteName) return E_POINTER;
    return kServerUnavailable;
}

BRIVEL_RT int brivelRegisterRecordTypes(void*, void*, int) {
    return 1;
}
BRIVEL_RT void* brivelJObjectToComRecord(JNIEnv* env, jobject, void*, const GUID*, void*, int, bool* err,
                                         IRecordInfo** iri, jfieldID*, bool) {
    if (iri) *iri = nullptr;
    NoRecords(env, err);
    return nullptr;
}
BRIVEL_RT void brivelCopyComRecordToJObject(JNIEnv* env, void*, jobject, void*, int, IRecordInfo*, jfieldID*) {
    NoRecords(env, nullptr);
}
BRIVEL_RT void brivelDirectCopyComRecordToJObject(JNIEnv* env, unsigned char*, jobject, int, void*, jfieldID*) {
    NoRecords(env, nullptr);
}
BRIVEL_RT void* brivelDirectCopyJObjectToComRecord(JNIEnv* env, jobject, unsigned char*, int, void*, jfieldID*,
                                                   bool* err) {
    NoRecords(env, err);
    return nullptr;
}
BRIVEL_RT void brivelClearRecordData(JNIEnv*, void* rec, IRecordInfo* iri) {
    if (rec && iri) iri->RecordClear(rec);
}
BRIVEL_RT jobject brivelComRecordToJobject(JNIEnv* env, void*, const char*, void*, const GUID*, void*, int, bool* err,
                                           jfieldID*, IRecordInfo*, bool) {
    NoRecords(env, err);
    return nullptr;
}
BRIVEL_RT jobject brivelDirectComRecordToJobject(JNIEnv* env, unsigned char*, const char*, void*, int, bool* err,
                                                 jfieldID*) {
    NoRecords(env, err);
    return nullptr;
}
BRIVEL_RT SAFEARRAY* brivelJArrayToSafeArrayRecord(JNIEnv* env, jobjectArray, void*, const GUID*, void*, int,
                                                   bool* err, IRecordInfo** iri, jfieldID*, bool) {
    if (iri) *iri = nullptr;
    NoRecords(env, err);
    return nullptr;
}
BRIVEL_RT jobjectArray brivelCopySafeArrayToJArrayRecord(JNIEnv* env, bool, SAFEARRAY*, jobjectArray, jclass,
                                                         const char*, bool* err, void*, int, jfieldID*) {
    NoRecords(env, err);
    return nullptr;
}
BRIVEL_RT jobjectArray brivelSafeArrayToJArrayRecord(JNIEnv* env, SAFEARRAY*, bool* err, const char*, void*, int,
                                                     jfieldID*) {
    NoRecords(env, err);
    return nullptr;
}
BRIVEL_RT void brivelClearDirectRecord(void*, int, unsigned char*) {
}
