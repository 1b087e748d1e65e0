/* BrivelC2J18: the COM-to-Java runtime's exported C interface. COM objects
 * made from a COM-to-Java specification start Java, call it and convert
 * their values through these functions. All use the C calling convention.
 *
 * Messages: every `char** error` receives null or a heap copy of an English
 * text that the caller frees with C2jFreeMem. Object references are JNI
 * references carried in a `long`. */
#ifndef BRIVEL_C2J18_H
#define BRIVEL_C2J18_H

#include <jni.h>
#include <windows.h>
#include <oleauto.h>

#ifdef __cplusplus
extern "C" {
#else
#include <stdbool.h>
#endif

#ifdef _WIN32
#define C2J_API __declspec(dllexport)
typedef __int64 C2jInt64;
#else
#define C2J_API __attribute__((visibility("default")))
typedef long long C2jInt64;
#endif

/* Start-up, settings and shut-down. */
C2J_API bool C2jInit(char** error);
C2J_API void C2jUnload(void);
C2J_API bool C2jGetJavaLoaded(void);
C2J_API bool C2jSetJvmPath(BSTR arg, char** error);
C2J_API BSTR C2jGetJvmPath(void);
C2J_API bool C2jSetJvmArg(BSTR arg, char** error);
C2J_API BSTR C2jGetJvmArg(void);
C2J_API bool C2jSetClasspath(BSTR cp, char** error);
C2J_API BSTR C2jGetClasspath(void);

/* Classes, objects and members. */
C2J_API long C2jGetJenv(char** error);
C2J_API void C2jLoadClass(int* clsid, const char* classname, char** error, char** cinfo);
C2J_API long C2jCreateObject(int cls, int method, char** error, ...);
C2J_API void C2jDeleteObject(long obj, char** error);

#define C2J_TYPED_FAMILY(T, R)                                                                  \
    C2J_API R C2jCall##T(bool isStatic, long obj, int cls, int method, char** error, ...);      \
    C2J_API R C2jGet##T(bool isStatic, long obj, int cls, int field, char** error);             \
    C2J_API void C2jSet##T(bool isStatic, long obj, int cls, int field, R value, char** error);
C2J_TYPED_FAMILY(Int, int)
C2J_TYPED_FAMILY(Obj, long)
C2J_TYPED_FAMILY(Boolean, bool)
C2J_TYPED_FAMILY(Short, short)
C2J_TYPED_FAMILY(Char, jchar)
C2J_TYPED_FAMILY(Byte, jbyte)
C2J_TYPED_FAMILY(Float, float)
C2J_TYPED_FAMILY(Double, double)
C2J_TYPED_FAMILY(Long, C2jInt64)
#undef C2J_TYPED_FAMILY
C2J_API void C2jCallVoid(bool isStatic, long obj, int cls, int method, char** error, ...);

/* Listener classes of COM events: a Java listener object whose methods call
 * the caller's native handlers, which find their sink with
 * C2jGetEventObject. */
C2J_API bool C2jLoadInterface(long* clsid, long* objid, const char* classname, const char* intfname, char** error,
                              char** cinfo, void** eventHandlers, void* comObject);
C2J_API void* C2jGetEventObject(JNIEnv* jenv, jobject obj);

/* Java exceptions. */
C2J_API jobject C2jGetLastException(void);
C2J_API void C2jClearLastException(void);
C2J_API BSTR C2jGetLastExceptionClass(void);
C2J_API bool C2jClassAssignable(jobject obj, const char* clsname);
C2J_API void C2jFreeMem(void* ptr);
C2J_API char* C2jCtorError(char** err);

/* Java component hosting: a Java window, child of `parent`, showing
 * `component` (on linux32 an HWND carries an X window id). */
C2J_API HWND C2jInitControl(HWND parent, jobject component, char** error);

/* Value converters between OLE Automation values and Java values. */
C2J_API jarray brivelSafeArrayToJArray(JNIEnv* env, SAFEARRAY* sa, VARTYPE vt);
C2J_API SAFEARRAY* brivelJArrayToSafeArray(JNIEnv* env, jarray ja, VARTYPE vt);
C2J_API int brivelCopySafeArrayToJarray(JNIEnv* env, SAFEARRAY* sa, jarray ja, VARTYPE vt);
C2J_API int brivelCopyJarrayToSafeArray(JNIEnv* env, SAFEARRAY* sa, jarray ja, VARTYPE vt);
C2J_API SAFEARRAY* brivelArrayObjToSafeArray(JNIEnv* env, VARTYPE vt, jobject arrayObj, const char* arraySig);
C2J_API void brivelCopySafeArrayToArrayObj(JNIEnv* env, VARTYPE vt, SAFEARRAY* sa, jobject arrayObj,
                                           const char* arraySig);
C2J_API jstring brivelBstrToJstr(JNIEnv* env, BSTR bstring);
C2J_API BSTR brivelJstringToBstr(JNIEnv* env, jstring jstr);
C2J_API void brivelJdateToFiletime(JNIEnv* env, FILETIME* ft, jobject date);
C2J_API DATE brivelJdateToDate(JNIEnv* env, jobject date);
C2J_API jobject brivelFiletimeToJobject(JNIEnv* env, FILETIME* ft);
C2J_API jobject brivelDateToJobject(JNIEnv* env, DATE date);
C2J_API jclass brivelFindClass(JNIEnv* env, const char* clsname);
/* Element conversions of COM objects and VARIANTs belong to the bridge
 * runtime library; here they answer 0. */
C2J_API jfieldID brivelGetComId(void);
C2J_API VARIANT* brivelGetTavoVariant(JNIEnv* env, jobject obj);
C2J_API jobject brivelVariantObject(JNIEnv* env, VARIANT* var);
C2J_API jobject brivelBestUnknownToJobject(JNIEnv* env, IUnknown* unknown, void* iidMap, int n);

#ifdef __cplusplus
/* GUIDs are passed by reference (C++ callers only). */
C2J_API jstring brivelGuidToJstr(JNIEnv* env, GUID& guid);
C2J_API void brivelJstringToGuid(JNIEnv* env, jstring jstr, GUID& guid);
}
#endif

#endif
