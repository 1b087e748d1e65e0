// File: C:\arrays-golden\JArrays.cpp
// Generated: Fri Jan 01 00:00:00 2010

// This file has been automatically generated
// by Brivel.  It provides the JNI interface for
// the generated Java classes.

#include <stdio.h>
#include <windows.h>
#include <objbase.h>
#include <ole2.h>
#include <olectl.h>
#include <jni.h>
#include <malloc.h>

#include <stdarg.h>

#ifdef __GNUC__
#define V_INT V_I4
#define V_INTREF V_I4REF
#define V_RECORDINFO(X) ((X)->pRecInfo)
#define V_RECORD(X)     ((X)->pvRecord)
#undef V_BOOL
#define V_BOOL(X) V_UNION(X,boolVal)
#define V_UINT V_I4
#define V_UI4 V_I4
#define V_UINTREF V_I4REF
#define V_UI4REF V_I4REF
#define V_UI2 V_I2
#define V_UI2REF V_I2REF
#endif

#ifndef VT_I8
#define VT_I8 20
#endif

#ifndef V_I8
#define V_I8(X) (X)->cyVal.int64
#endif

#ifndef V_I8REF
#define V_I8REF(X) (&((X)->pcyVal->int64))
#endif

typedef HRESULT  (STDMETHODCALLTYPE *  _VtblFunc)(void *);
typedef HRESULT (* _ThunkFunc)(IUnknown * pUnk, va_list ap);

// External declarations
extern "C" __declspec(dllimport) int brivelInitDLL18( int initType );
extern "C" __declspec(dllimport) void brivelInitThread( JNIEnv * env );
extern "C" __declspec(dllimport) jfieldID brivelGetComId();
extern "C" __declspec(dllimport) jfieldID brivelGetEventId();
extern "C" __declspec(dllimport) JNIEnv * brivelGetJniEnv();
extern "C" __declspec(dllimport) jmethodID brivelGetComCtorId();
extern "C" __declspec(dllimport) jclass brivelGetComBaseClass();
extern "C" __declspec(dllimport) jfieldID brivelGetVariantData();
extern "C" __declspec(dllimport) jmethodID brivelGetVariantCtorId();
extern "C" __declspec(dllimport) jclass brivelGetComVariantClass();
extern "C" __declspec(dllimport) BSTR brivelJstringToBstr( JNIEnv * env, jstring jstr );
extern "C" __declspec(dllimport) jstring brivelBstrToJstr( JNIEnv * env, BSTR bstring );
extern "C" __declspec(dllimport) void brivelJstringToGuid( JNIEnv * env, jstring jstr, GUID & guid );
extern "C" __declspec(dllimport) jstring brivelGuidToJstr( JNIEnv * env, GUID & guid );
extern "C" __declspec(dllimport) HRESULT brivelCreateInstance( JNIEnv * env, const CLSID * clsid, IUnknown ** pUnk );
extern "C" __declspec(dllimport) HRESULT brivelCreateInstanceRemote( JNIEnv * env, const CLSID * clsid, LPCWSTR remoteName, LPCWSTR remoteUser, LPCWSTR remotePwd, LPCWSTR remoteDomain, int count, jobjectArray objList, const IID ** remoteIidList );
extern "C" __declspec(dllimport) HRESULT brivelInvokeHelper( JNIEnv * env, IDispatch * pDisp, DISPID dispid, DISPPARAMS * params, WORD wFlags, EXCEPINFO * excepInfo, unsigned int * argErr, VARIANT * ret );
extern "C" __declspec(dllimport) HRESULT brivelQueryInterface( JNIEnv * env, IUnknown * pUnk, const IID * pIid, void ** result );
extern "C" __declspec(dllimport) jarray brivelSafeArrayToJArray( JNIEnv * env, SAFEARRAY * sa, VARTYPE vt );
extern "C" __declspec(dllimport) SAFEARRAY * brivelJArrayToSafeArray( JNIEnv * env, jarray ja, VARTYPE vt );
extern "C" __declspec(dllimport) int brivelCopySafeArrayToJarray( JNIEnv * env, SAFEARRAY * sa, jarray ja, VARTYPE vt );
extern "C" __declspec(dllimport) jclass brivelFindClass( JNIEnv * env, const char * clsname );
extern "C" __declspec(dllimport) jobject brivelUnknownToJobject( JNIEnv * env, IUnknown * pUnk );
extern "C" __declspec(dllimport) jobject brivelBestUnknownToJobject( JNIEnv * env, IUnknown * pUnk, void * iidMap, int n );
extern "C" __declspec(dllimport) jobject brivelIntToEnumeratedObject( JNIEnv * env, int ival, const char * classname );
extern "C" __declspec(dllimport) jint brivelEnumeratedObjectToInt( JNIEnv * env, jobject obj );
extern "C" __declspec(dllimport) jobject brivelUnknownToInterfaceObject( JNIEnv * env, IUnknown * pUnk, const char * classname );
extern "C" __declspec(dllimport) jobject brivelVariantObject( JNIEnv * env, VARIANT * variant );
extern "C" __declspec(dllimport) VARIANT * brivelGetTavoVariant( JNIEnv * env, jobject obj );
extern "C" __declspec(dllimport) void brivelThrowComExceptionObject( JNIEnv * env, HRESULT hr, EXCEPINFO * excepInfo );
extern "C" __declspec(dllimport) void brivelJdateToFiletime( JNIEnv * env, FILETIME * ft, jobject date );
extern "C" __declspec(dllimport) DATE brivelJdateToDate( JNIEnv * env, jobject date );
extern "C" __declspec(dllimport) jobject brivelDateToJobject( JNIEnv * env, DATE date );
extern "C" __declspec(dllimport) jobject brivelFiletimeToJobject( JNIEnv * env, FILETIME * ft );
extern "C" __declspec(dllimport) void * brivelJObjectToComRecord( JNIEnv * env, jobject obj, void * lisPtr, const GUID * recordGuid, void * rsPtr, int count, bool * err, IRecordInfo ** iri, jfieldID fieldIds[], bool outOnly );
extern "C" __declspec(dllimport) void brivelCopyComRecordToJObject( JNIEnv * env, void * rec, jobject obj, void * rsPtr, int count, IRecordInfo * iri, jfieldID fieldIds[] );
extern "C" __declspec(dllimport) void brivelDirectCopyComRecordToJObject( JNIEnv * env, unsigned char * rec, jobject obj, int count, void * rsPtr, jfieldID fieldIds[] );
extern "C" __declspec(dllimport) void * brivelDirectCopyJObjectToComRecord( JNIEnv * env, jobject obj, unsigned char * rec, int count, void * rsPtr, jfieldID fieldIds[], bool * err );
extern "C" __declspec(dllimport) void brivelProcessEnumeration( JNIEnv * env, jobject thisObj, jobject receiver, int memid, int funckind );
extern "C" __declspec(dllimport) void brivelThrowFatalError( JNIEnv * env );
extern "C" __declspec(dllimport) bool brivelCheckFatalError( JNIEnv * env );
extern "C" __declspec(dllexport) void brivelInitEventThread( JNIEnv * env );
extern "C" __declspec(dllimport) HRESULT brivelGetActiveInstance( JNIEnv * env, const CLSID * clsid, IUnknown ** pUnk );
extern "C" __declspec(dllimport) void * brivelMiscFunc4( void * arg1, void * arg2, void * arg3, void * arg4 );
extern "C" __declspec(dllimport) HRESULT brivelVtableInvoker( JNIEnv * env, _ThunkFunc thunkFunc, IUnknown * pUnk, ... );
extern "C" __declspec(dllimport) int brivelRegisterRecordTypes( void * lib, void * map, int count );
extern "C" __declspec(dllimport) void brivelIidMapTypes( void * map, int count );
extern "C" __declspec(dllimport) void brivelClearRecordData( JNIEnv * env, void * rec, IRecordInfo * iri );
extern "C" __declspec(dllimport) jobject brivelComRecordToJobject( JNIEnv * env, void * rec, const char * classname, void * lisPtr, const GUID * recordGuid, void * rsPtr, int count, bool * err, jfieldID fieldIds[], IRecordInfo * iri, bool destroy );
extern "C" __declspec(dllimport) jobject brivelDirectComRecordToJobject( JNIEnv * env, unsigned char * rec, const char * classname, void * rsPtr, int count, bool * err, jfieldID fieldIds[] );
extern "C" __declspec(dllimport) SAFEARRAY * brivelJArrayToSafeArrayRecord( JNIEnv * env, jobjectArray ja, void * lisPtr, const GUID * recordGuid, void * rsPtr, int count, bool * err, IRecordInfo ** iri, jfieldID fieldIds[], bool outOnly );
extern "C" __declspec(dllimport) jobjectArray brivelCopySafeArrayToJArrayRecord( JNIEnv * env, bool allocate, SAFEARRAY * sa, jobjectArray jarray, jclass cls, const char * classname, bool * err, void * rsPtr, int count, jfieldID fieldIds[] );
extern "C" __declspec(dllimport) jobjectArray brivelSafeArrayToJArrayRecord( JNIEnv * env, SAFEARRAY * sa, bool * err, const char * classname, void * rsPtr, int count, jfieldID fieldIds[] );
extern "C" __declspec(dllimport) void brivelClearDirectRecord( void * rsPtr, int count, unsigned char * rec );
extern "C" JNIEXPORT jint JNICALL Java_brivel_TavoObject__1_1TavoAdvise(JNIEnv * env, jobject tgt, jobject listener);
extern "C" __declspec(dllexport) int OnServerSideEvent( JNIEnv * brivelJniEnv, jobject brvJavaObject, jstring interfaceName, int numArgs, int reply, const char * repType, const char * eventFn,  ... );
extern "C" __declspec(dllexport) bool CheckServerSideEvents(JNIEnv * brivelJniEnv);
extern "C" __declspec(dllexport) SAFEARRAY * brivelArrayObjToSafeArray( JNIEnv * env, VARTYPE vt, jobject arrayObj, const char * arraySig );
extern "C" __declspec(dllexport) void brivelCopySafeArrayToArrayObj( JNIEnv * env, VARTYPE vt, SAFEARRAY * sa, jobject arrayObj, const char * arraySig );
extern "C" int APIENTRY DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved);


// Type Library GUID
const GUID IID_LibId = { 0x6b2c0400, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x1 }};
// IIDs used in type library

IID IID_ITavoShelf = { 0x6b2c0400, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x60 }};
IID IID_ITavoRack = { 0x6b2c0400, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x61 }};
IID IID_ITavoItem = { 0x6b2c0400, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x62 }};
IID IID_ITavoIShelf = { 0x6b2c0400, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x30 }};
IID IID_ITavoIRackEvents = { 0x6b2c0400, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x51 }};
IID IID_ITavoDRack = { 0x6b2c0400, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x40 }};
IID IID_ITavoDShelfEvents = { 0x6b2c0400, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x50 }};
IID IID_ITavoIItem = { 0x6b2c0400, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x20 }};
const IID IID_BrivelQueryIID = { 0xb14f3c49, 0x0c7b, 0x4439, {0xa2, 0x48, 0x62, 0x29, 0xfe, 0x6d, 0x96, 0x05}};

struct {
	const GUID * libGuid;
	ULONG verMajor;
	ULONG verMinor;
} libDescriptionStruct = { &IID_LibId, 1, 0 };

struct {
	const IID * iid;
	const char * className;
} brivelIIDMap[] = {
	{ &IID_ITavoIShelf, "test/arrays/IShelf" },
	{ &IID_ITavoDRack, "test/arrays/DRack" },
	{ &IID_ITavoIItem, "test/arrays/IItem" },
};

struct {
	VARTYPE vt;
	int offset;
	const wchar_t * comFieldName;
	const char * javaFieldName;
	const char * javaSig;
	const char * javaClassName;
	void * extraData;
} brivelRecordDetails[] = {
	{ 0 }
};

struct {
	const IID * structIID;
	int size;
	const char * className;
	void * fieldDetailStart;
	int fieldCount;
} recordIidMap[] = {
	{ 0, 0, 0, 0 }
};

// DLL initialization/termination

extern "C" int APIENTRY DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)
{
	if ( dwReason == DLL_PROCESS_ATTACH ) {
		brivelInitDLL18( 1 );
		brivelIidMapTypes( brivelIIDMap, 3 );
	} else if ( dwReason == DLL_THREAD_ATTACH ) {
		brivelInitThread( NULL );
	}
	return 1;
}



// JNI implementations

// GUID for class Shelf
extern "C" JNIEXPORT jstring JNICALL Java_test_arrays_Shelf__1_1TavoGetGUID
	(JNIEnv * env, jclass thisCls )
{
	return env->NewStringUTF( "{6B2C0400-0000-4000-8000-000000000060}" );
}

// Object creation for Shelf
extern "C" JNIEXPORT jobject JNICALL Java_test_arrays_Shelf__1_1TavoNewObj
	(JNIEnv * env, jobject thisObj, jclass cls)
{
	jmethodID ctorMethod = env->GetMethodID(cls, "<init>", "()V" );
	if ( env->ExceptionOccurred()) {
		env->ExceptionClear();
		return env->AllocObject( cls );
	}
	return env->NewObject( cls, ctorMethod );
}

extern "C" JNIEXPORT jboolean JNICALL Java_test_arrays_Shelf__1_1TavoCreateObject
	(JNIEnv * env, jobject thisObj, jboolean find, jboolean serverOnlyOptions )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( find )
		ret = brivelGetActiveInstance( env, &IID_ITavoShelf, &pUnk );
	else if ( serverOnlyOptions )
		ret = (HRESULT) brivelMiscFunc4( (void *) env, (void *) &IID_ITavoShelf, (void *) &pUnk, NULL );
	else
		ret = brivelCreateInstance( env, &IID_ITavoShelf, &pUnk );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetComId(), (jint) pUnk );
	return 1;
}

// GUID for class Rack
extern "C" JNIEXPORT jstring JNICALL Java_test_arrays_Rack__1_1TavoGetGUID
	(JNIEnv * env, jclass thisCls )
{
	return env->NewStringUTF( "{6B2C0400-0000-4000-8000-000000000061}" );
}

// Object creation for Rack
extern "C" JNIEXPORT jobject JNICALL Java_test_arrays_Rack__1_1TavoNewObj
	(JNIEnv * env, jobject thisObj, jclass cls)
{
	jmethodID ctorMethod = env->GetMethodID(cls, "<init>", "()V" );
	if ( env->ExceptionOccurred()) {
		env->ExceptionClear();
		return env->AllocObject( cls );
	}
	return env->NewObject( cls, ctorMethod );
}

extern "C" JNIEXPORT jboolean JNICALL Java_test_arrays_Rack__1_1TavoCreateObject
	(JNIEnv * env, jobject thisObj, jboolean find, jboolean serverOnlyOptions )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( find )
		ret = brivelGetActiveInstance( env, &IID_ITavoRack, &pUnk );
	else if ( serverOnlyOptions )
		ret = (HRESULT) brivelMiscFunc4( (void *) env, (void *) &IID_ITavoRack, (void *) &pUnk, NULL );
	else
		ret = brivelCreateInstance( env, &IID_ITavoRack, &pUnk );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetComId(), (jint) pUnk );
	return 1;
}

// GUID for class Item
extern "C" JNIEXPORT jstring JNICALL Java_test_arrays_Item__1_1TavoGetGUID
	(JNIEnv * env, jclass thisCls )
{
	return env->NewStringUTF( "{6B2C0400-0000-4000-8000-000000000062}" );
}

// Object creation for Item
extern "C" JNIEXPORT jobject JNICALL Java_test_arrays_Item__1_1TavoNewObj
	(JNIEnv * env, jobject thisObj, jclass cls)
{
	jmethodID ctorMethod = env->GetMethodID(cls, "<init>", "()V" );
	if ( env->ExceptionOccurred()) {
		env->ExceptionClear();
		return env->AllocObject( cls );
	}
	return env->NewObject( cls, ctorMethod );
}

extern "C" JNIEXPORT jboolean JNICALL Java_test_arrays_Item__1_1TavoCreateObject
	(JNIEnv * env, jobject thisObj, jboolean find, jboolean serverOnlyOptions )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( find )
		ret = brivelGetActiveInstance( env, &IID_ITavoItem, &pUnk );
	else if ( serverOnlyOptions )
		ret = (HRESULT) brivelMiscFunc4( (void *) env, (void *) &IID_ITavoItem, (void *) &pUnk, NULL );
	else
		ret = brivelCreateInstance( env, &IID_ITavoItem, &pUnk );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetComId(), (jint) pUnk );
	return 1;
}

// Thunk for virtual call invocation.
static HRESULT vThunk_1( IUnknown * pUnk, va_list ap )
{
	SAFEARRAY * arg1 = va_arg( ap, SAFEARRAY * );
	SAFEARRAY ** arg2 = va_arg( ap, SAFEARRAY ** );
	SAFEARRAY ** arg3 = va_arg( ap, SAFEARRAY ** );
	SAFEARRAY ** arg4 = va_arg( ap, SAFEARRAY ** );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,SAFEARRAY *,SAFEARRAY **,SAFEARRAY **,SAFEARRAY **)) (*(_VtblFunc **)pUnk)[7])) (pUnk,arg1,arg2,arg3,arg4);
}

// JNI Implementation of IShelf.Numbers
extern "C" JNIEXPORT jobject JNICALL Java_test_arrays_IShelf_Numbers___3ILbrivel_out_TavoDoubleArray_2Lbrivel_out_TavoShortArray_2
	(JNIEnv * env,
	 jobject thisObj,
	 jintArray arg0,
	 jobject arg1,
	 jobject arg2)
{
	HRESULT hr;
	IUnknown * pUnk = (IUnknown *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pUnk == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	SAFEARRAY * tmpSa__0 = brivelJArrayToSafeArray( env, (jarray) arg0, VT_I4 );
	if ( env->ExceptionCheck() ) {
		if ( tmpSa__0 != 0 ) SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	SAFEARRAY * tmpSa__1 = brivelArrayObjToSafeArray( env, VT_R8, (jobject) arg1, "[D" );
	if ( env->ExceptionCheck() ) {
		if ( tmpSa__1 != 0 ) SafeArrayDestroy( tmpSa__1 );
		SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		SafeArrayDestroy( tmpSa__0 );
		SafeArrayDestroy( tmpSa__1 );
		return 0;
	}
	SAFEARRAY * tmpSa__2 = 0;
	SAFEARRAY * retVal = 0;
	hr = brivelVtableInvoker( env, vThunk_1, pUnk,tmpSa__0,&tmpSa__1,&tmpSa__2,&retVal);
	if ( brivelCheckFatalError( env )) {
		SafeArrayDestroy( tmpSa__0 );
		SafeArrayDestroy( tmpSa__1 );
		SafeArrayDestroy( tmpSa__2 );
		return 0;
	}
	if ( SUCCEEDED( hr )) {
		brivelCopySafeArrayToArrayObj( env, VT_R8, tmpSa__1, (jobject) arg1, "[D" );
	}
	if ( SUCCEEDED( hr )) {
		brivelCopySafeArrayToArrayObj( env, VT_I2, tmpSa__2, (jobject) arg2, "[S" );
	}
	SafeArrayDestroy( tmpSa__0 );
	SafeArrayDestroy( tmpSa__1 );
	SafeArrayDestroy( tmpSa__2 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return 0;
	}
	jintArray retElements = (jintArray) brivelSafeArrayToJArray( env, retVal, VT_I4 );
	jobject retArray = 0;
	jclass retArrayClass = brivelFindClass( env, "brivel/out/TavoIntArray" );
	jfieldID retArrayField = retArrayClass == 0 ? 0 : env->GetFieldID( retArrayClass, "array", "[I" );
	if ( retArrayField != 0 ) retArray = env->AllocObject( retArrayClass );
	if ( retArray != 0 ) env->SetObjectField( retArray, retArrayField, retElements );
	if ( retElements != 0 ) env->DeleteLocalRef( retElements );
	if ( retArrayClass != 0 ) env->DeleteLocalRef( retArrayClass );
	SafeArrayDestroy( retVal );
	return retArray;
}

// Thunk for virtual call invocation.
static HRESULT vThunk_2( IUnknown * pUnk, va_list ap )
{
	SAFEARRAY * arg1 = va_arg( ap, SAFEARRAY * );
	SAFEARRAY ** arg2 = va_arg( ap, SAFEARRAY ** );
	SAFEARRAY ** arg3 = va_arg( ap, SAFEARRAY ** );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,SAFEARRAY *,SAFEARRAY **,SAFEARRAY **)) (*(_VtblFunc **)pUnk)[8])) (pUnk,arg1,arg2,arg3);
}

// JNI Implementation of IShelf.Texts
extern "C" JNIEXPORT jobject JNICALL Java_test_arrays_IShelf_Texts___3Ljava_lang_String_2Lbrivel_out_TavoStringArray_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobjectArray arg0,
	 jobject arg1)
{
	HRESULT hr;
	IUnknown * pUnk = (IUnknown *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pUnk == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	SAFEARRAY * tmpSa__0 = brivelJArrayToSafeArray( env, (jarray) arg0, VT_BSTR );
	if ( env->ExceptionCheck() ) {
		if ( tmpSa__0 != 0 ) SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	SAFEARRAY * tmpSa__1 = brivelArrayObjToSafeArray( env, VT_BSTR, (jobject) arg1, "[Ljava/lang/String;" );
	if ( env->ExceptionCheck() ) {
		if ( tmpSa__1 != 0 ) SafeArrayDestroy( tmpSa__1 );
		SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	SAFEARRAY * retVal = 0;
	hr = brivelVtableInvoker( env, vThunk_2, pUnk,tmpSa__0,&tmpSa__1,&retVal);
	if ( brivelCheckFatalError( env )) {
		SafeArrayDestroy( tmpSa__0 );
		SafeArrayDestroy( tmpSa__1 );
		return 0;
	}
	if ( SUCCEEDED( hr )) {
		brivelCopySafeArrayToArrayObj( env, VT_BSTR, tmpSa__1, (jobject) arg1, "[Ljava/lang/String;" );
	}
	SafeArrayDestroy( tmpSa__0 );
	SafeArrayDestroy( tmpSa__1 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return 0;
	}
	jobjectArray retElements = (jobjectArray) brivelSafeArrayToJArray( env, retVal, VT_BSTR );
	jobject retArray = 0;
	jclass retArrayClass = brivelFindClass( env, "brivel/out/TavoStringArray" );
	jfieldID retArrayField = retArrayClass == 0 ? 0 : env->GetFieldID( retArrayClass, "array", "[Ljava/lang/String;" );
	if ( retArrayField != 0 ) retArray = env->AllocObject( retArrayClass );
	if ( retArray != 0 ) env->SetObjectField( retArray, retArrayField, retElements );
	if ( retElements != 0 ) env->DeleteLocalRef( retElements );
	if ( retArrayClass != 0 ) env->DeleteLocalRef( retArrayClass );
	SafeArrayDestroy( retVal );
	return retArray;
}

// Thunk for virtual call invocation.
static HRESULT vThunk_3( IUnknown * pUnk, va_list ap )
{
	SAFEARRAY * arg1 = va_arg( ap, SAFEARRAY * );
	SAFEARRAY ** arg2 = va_arg( ap, SAFEARRAY ** );
	SAFEARRAY ** arg3 = va_arg( ap, SAFEARRAY ** );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,SAFEARRAY *,SAFEARRAY **,SAFEARRAY **)) (*(_VtblFunc **)pUnk)[9])) (pUnk,arg1,arg2,arg3);
}

// JNI Implementation of IShelf.values
extern "C" JNIEXPORT jobject JNICALL Java_test_arrays_IShelf_values___3Lbrivel_TavoVariant_2Lbrivel_out_TavoVariantArray_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobjectArray arg0,
	 jobject arg1)
{
	HRESULT hr;
	IUnknown * pUnk = (IUnknown *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pUnk == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	SAFEARRAY * tmpSa__0 = brivelJArrayToSafeArray( env, (jarray) arg0, VT_VARIANT );
	if ( env->ExceptionCheck() ) {
		if ( tmpSa__0 != 0 ) SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	SAFEARRAY * tmpSa__1 = brivelArrayObjToSafeArray( env, VT_VARIANT, (jobject) arg1, "[Lbrivel/TavoVariant;" );
	if ( env->ExceptionCheck() ) {
		if ( tmpSa__1 != 0 ) SafeArrayDestroy( tmpSa__1 );
		SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	SAFEARRAY * retVal = 0;
	hr = brivelVtableInvoker( env, vThunk_3, pUnk,tmpSa__0,&tmpSa__1,&retVal);
	if ( brivelCheckFatalError( env )) {
		SafeArrayDestroy( tmpSa__0 );
		SafeArrayDestroy( tmpSa__1 );
		return 0;
	}
	if ( SUCCEEDED( hr )) {
		brivelCopySafeArrayToArrayObj( env, VT_VARIANT, tmpSa__1, (jobject) arg1, "[Lbrivel/TavoVariant;" );
	}
	SafeArrayDestroy( tmpSa__0 );
	SafeArrayDestroy( tmpSa__1 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return 0;
	}
	jobjectArray retElements = (jobjectArray) brivelSafeArrayToJArray( env, retVal, VT_VARIANT );
	jobject retArray = 0;
	jclass retArrayClass = brivelFindClass( env, "brivel/out/TavoVariantArray" );
	jfieldID retArrayField = retArrayClass == 0 ? 0 : env->GetFieldID( retArrayClass, "array", "[Lbrivel/TavoVariant;" );
	if ( retArrayField != 0 ) retArray = env->AllocObject( retArrayClass );
	if ( retArray != 0 ) env->SetObjectField( retArray, retArrayField, retElements );
	if ( retElements != 0 ) env->DeleteLocalRef( retElements );
	if ( retArrayClass != 0 ) env->DeleteLocalRef( retArrayClass );
	SafeArrayDestroy( retVal );
	return retArray;
}

// Thunk for virtual call invocation.
static HRESULT vThunk_4( IUnknown * pUnk, va_list ap )
{
	SAFEARRAY * arg1 = va_arg( ap, SAFEARRAY * );
	SAFEARRAY ** arg2 = va_arg( ap, SAFEARRAY ** );
	SAFEARRAY ** arg3 = va_arg( ap, SAFEARRAY ** );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,SAFEARRAY *,SAFEARRAY **,SAFEARRAY **)) (*(_VtblFunc **)pUnk)[10])) (pUnk,arg1,arg2,arg3);
}

// JNI Implementation of IShelf.Flags
extern "C" JNIEXPORT jobject JNICALL Java_test_arrays_IShelf_Flags___3ZLbrivel_out_TavoBooleanArray_2
	(JNIEnv * env,
	 jobject thisObj,
	 jbooleanArray arg0,
	 jobject arg1)
{
	HRESULT hr;
	IUnknown * pUnk = (IUnknown *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pUnk == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	SAFEARRAY * tmpSa__0 = brivelJArrayToSafeArray( env, (jarray) arg0, VT_BOOL );
	if ( env->ExceptionCheck() ) {
		if ( tmpSa__0 != 0 ) SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	SAFEARRAY * tmpSa__1 = brivelArrayObjToSafeArray( env, VT_BOOL, (jobject) arg1, "[Z" );
	if ( env->ExceptionCheck() ) {
		if ( tmpSa__1 != 0 ) SafeArrayDestroy( tmpSa__1 );
		SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	SAFEARRAY * retVal = 0;
	hr = brivelVtableInvoker( env, vThunk_4, pUnk,tmpSa__0,&tmpSa__1,&retVal);
	if ( brivelCheckFatalError( env )) {
		SafeArrayDestroy( tmpSa__0 );
		SafeArrayDestroy( tmpSa__1 );
		return 0;
	}
	if ( SUCCEEDED( hr )) {
		brivelCopySafeArrayToArrayObj( env, VT_BOOL, tmpSa__1, (jobject) arg1, "[Z" );
	}
	SafeArrayDestroy( tmpSa__0 );
	SafeArrayDestroy( tmpSa__1 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return 0;
	}
	jbooleanArray retElements = (jbooleanArray) brivelSafeArrayToJArray( env, retVal, VT_BOOL );
	jobject retArray = 0;
	jclass retArrayClass = brivelFindClass( env, "brivel/out/TavoBooleanArray" );
	jfieldID retArrayField = retArrayClass == 0 ? 0 : env->GetFieldID( retArrayClass, "array", "[Z" );
	if ( retArrayField != 0 ) retArray = env->AllocObject( retArrayClass );
	if ( retArray != 0 ) env->SetObjectField( retArray, retArrayField, retElements );
	if ( retElements != 0 ) env->DeleteLocalRef( retElements );
	if ( retArrayClass != 0 ) env->DeleteLocalRef( retArrayClass );
	SafeArrayDestroy( retVal );
	return retArray;
}

// Thunk for virtual call invocation.
static HRESULT vThunk_5( IUnknown * pUnk, va_list ap )
{
	SAFEARRAY * arg1 = va_arg( ap, SAFEARRAY * );
	SAFEARRAY ** arg2 = va_arg( ap, SAFEARRAY ** );
	SAFEARRAY ** arg3 = va_arg( ap, SAFEARRAY ** );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,SAFEARRAY *,SAFEARRAY **,SAFEARRAY **)) (*(_VtblFunc **)pUnk)[11])) (pUnk,arg1,arg2,arg3);
}

// JNI Implementation of IShelf.Dates
extern "C" JNIEXPORT jobject JNICALL Java_test_arrays_IShelf_Dates___3Ljava_util_Date_2Lbrivel_out_TavoDateArray_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobjectArray arg0,
	 jobject arg1)
{
	HRESULT hr;
	IUnknown * pUnk = (IUnknown *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pUnk == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	SAFEARRAY * tmpSa__0 = brivelJArrayToSafeArray( env, (jarray) arg0, VT_DATE );
	if ( env->ExceptionCheck() ) {
		if ( tmpSa__0 != 0 ) SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	SAFEARRAY * tmpSa__1 = brivelArrayObjToSafeArray( env, VT_DATE, (jobject) arg1, "[Ljava/util/Date;" );
	if ( env->ExceptionCheck() ) {
		if ( tmpSa__1 != 0 ) SafeArrayDestroy( tmpSa__1 );
		SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	SAFEARRAY * retVal = 0;
	hr = brivelVtableInvoker( env, vThunk_5, pUnk,tmpSa__0,&tmpSa__1,&retVal);
	if ( brivelCheckFatalError( env )) {
		SafeArrayDestroy( tmpSa__0 );
		SafeArrayDestroy( tmpSa__1 );
		return 0;
	}
	if ( SUCCEEDED( hr )) {
		brivelCopySafeArrayToArrayObj( env, VT_DATE, tmpSa__1, (jobject) arg1, "[Ljava/util/Date;" );
	}
	SafeArrayDestroy( tmpSa__0 );
	SafeArrayDestroy( tmpSa__1 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return 0;
	}
	jobjectArray retElements = (jobjectArray) brivelSafeArrayToJArray( env, retVal, VT_DATE );
	jobject retArray = 0;
	jclass retArrayClass = brivelFindClass( env, "brivel/out/TavoDateArray" );
	jfieldID retArrayField = retArrayClass == 0 ? 0 : env->GetFieldID( retArrayClass, "array", "[Ljava/util/Date;" );
	if ( retArrayField != 0 ) retArray = env->AllocObject( retArrayClass );
	if ( retArray != 0 ) env->SetObjectField( retArray, retArrayField, retElements );
	if ( retElements != 0 ) env->DeleteLocalRef( retElements );
	if ( retArrayClass != 0 ) env->DeleteLocalRef( retArrayClass );
	SafeArrayDestroy( retVal );
	return retArray;
}

// Thunk for virtual call invocation.
static HRESULT vThunk_6( IUnknown * pUnk, va_list ap )
{
	SAFEARRAY * arg1 = va_arg( ap, SAFEARRAY * );
	SAFEARRAY ** arg2 = va_arg( ap, SAFEARRAY ** );
	SAFEARRAY ** arg3 = va_arg( ap, SAFEARRAY ** );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,SAFEARRAY *,SAFEARRAY **,SAFEARRAY **)) (*(_VtblFunc **)pUnk)[12])) (pUnk,arg1,arg2,arg3);
}

// JNI Implementation of IShelf.Amounts
extern "C" JNIEXPORT jobject JNICALL Java_test_arrays_IShelf_Amounts___3JLbrivel_out_TavoLongArray_2
	(JNIEnv * env,
	 jobject thisObj,
	 jlongArray arg0,
	 jobject arg1)
{
	HRESULT hr;
	IUnknown * pUnk = (IUnknown *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pUnk == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	SAFEARRAY * tmpSa__0 = brivelJArrayToSafeArray( env, (jarray) arg0, VT_CY );
	if ( env->ExceptionCheck() ) {
		if ( tmpSa__0 != 0 ) SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	SAFEARRAY * tmpSa__1 = brivelArrayObjToSafeArray( env, VT_CY, (jobject) arg1, "[J" );
	if ( env->ExceptionCheck() ) {
		if ( tmpSa__1 != 0 ) SafeArrayDestroy( tmpSa__1 );
		SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	SAFEARRAY * retVal = 0;
	hr = brivelVtableInvoker( env, vThunk_6, pUnk,tmpSa__0,&tmpSa__1,&retVal);
	if ( brivelCheckFatalError( env )) {
		SafeArrayDestroy( tmpSa__0 );
		SafeArrayDestroy( tmpSa__1 );
		return 0;
	}
	if ( SUCCEEDED( hr )) {
		brivelCopySafeArrayToArrayObj( env, VT_CY, tmpSa__1, (jobject) arg1, "[J" );
	}
	SafeArrayDestroy( tmpSa__0 );
	SafeArrayDestroy( tmpSa__1 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return 0;
	}
	jlongArray retElements = (jlongArray) brivelSafeArrayToJArray( env, retVal, VT_CY );
	jobject retArray = 0;
	jclass retArrayClass = brivelFindClass( env, "brivel/out/TavoLongArray" );
	jfieldID retArrayField = retArrayClass == 0 ? 0 : env->GetFieldID( retArrayClass, "array", "[J" );
	if ( retArrayField != 0 ) retArray = env->AllocObject( retArrayClass );
	if ( retArray != 0 ) env->SetObjectField( retArray, retArrayField, retElements );
	if ( retElements != 0 ) env->DeleteLocalRef( retElements );
	if ( retArrayClass != 0 ) env->DeleteLocalRef( retArrayClass );
	SafeArrayDestroy( retVal );
	return retArray;
}

// Thunk for virtual call invocation.
static HRESULT vThunk_7( IUnknown * pUnk, va_list ap )
{
	SAFEARRAY * arg1 = va_arg( ap, SAFEARRAY * );
	SAFEARRAY ** arg2 = va_arg( ap, SAFEARRAY ** );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,SAFEARRAY *,SAFEARRAY **)) (*(_VtblFunc **)pUnk)[13])) (pUnk,arg1,arg2);
}

// JNI Implementation of IShelf.Shapes
extern "C" JNIEXPORT jobject JNICALL Java_test_arrays_IShelf_Shapes___3Ltest_arrays_Shape_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobjectArray arg0)
{
	HRESULT hr;
	IUnknown * pUnk = (IUnknown *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pUnk == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	SAFEARRAY * tmpSa__0 = 0;
	if ( arg0 != 0 ) {
		jobjectArray tmpSa__0Java = (jobjectArray) arg0;
		jsize tmpSa__0Length = env->GetArrayLength( tmpSa__0Java );
		void * tmpSa__0Data = 0;
		tmpSa__0 = SafeArrayCreateVector( VT_I4, 0, (ULONG) tmpSa__0Length );
		if ( tmpSa__0 != 0 && SUCCEEDED( SafeArrayAccessData( tmpSa__0, &tmpSa__0Data ))) {
			for ( jsize tmpSa__0Index = 0; tmpSa__0Index < tmpSa__0Length && ! env->ExceptionCheck(); tmpSa__0Index++ ) {
				jobject tmpSa__0Item = env->GetObjectArrayElement( tmpSa__0Java, tmpSa__0Index );
				((LONG *) tmpSa__0Data)[tmpSa__0Index] = tmpSa__0Item == 0 ? 0 : (LONG) brivelEnumeratedObjectToInt( env, tmpSa__0Item );
				if ( tmpSa__0Item != 0 ) env->DeleteLocalRef( tmpSa__0Item );
			}
			SafeArrayUnaccessData( tmpSa__0 );
		}
	}
	if ( env->ExceptionCheck() ) {
		if ( tmpSa__0 != 0 ) SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	SAFEARRAY * retVal = 0;
	hr = brivelVtableInvoker( env, vThunk_7, pUnk,tmpSa__0,&retVal);
	if ( brivelCheckFatalError( env )) {
		SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	SafeArrayDestroy( tmpSa__0 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return 0;
	}
	jobjectArray retElements = 0;
	if ( retVal != 0 && SafeArrayGetDim( retVal ) == 1 && SafeArrayGetElemsize( retVal ) == sizeof( LONG )) {
		jsize retElementsLength = (jsize) retVal->rgsabound[0].cElements;
		jclass retElementsClass = brivelFindClass( env, "test/arrays/Shape" );
		void * retElementsData = 0;
		if ( retElementsClass != 0 ) retElements = env->NewObjectArray( retElementsLength, retElementsClass, 0 );
		if ( retElements != 0 && retElementsLength > 0 && SUCCEEDED( SafeArrayAccessData( retVal, &retElementsData ))) {
			for ( jsize retElementsIndex = 0; retElementsIndex < retElementsLength; retElementsIndex++ ) {
				jobject retElementsItem = brivelIntToEnumeratedObject( env, (int) ((LONG *) retElementsData)[retElementsIndex], "test/arrays/Shape" );
				if ( retElementsItem == 0 ) {
					if ( env->ExceptionCheck() ) break;
					continue;
				}
				env->SetObjectArrayElement( retElements, retElementsIndex, retElementsItem );
				env->DeleteLocalRef( retElementsItem );
			}
			SafeArrayUnaccessData( retVal );
		}
		if ( retElementsClass != 0 ) env->DeleteLocalRef( retElementsClass );
	}
	jobject retArray = 0;
	jclass retArrayClass = brivelFindClass( env, "brivel/out/TavoEnumArray" );
	jfieldID retArrayField = retArrayClass == 0 ? 0 : env->GetFieldID( retArrayClass, "array", "[Lbrivel/TavoEnumeration;" );
	if ( retArrayField != 0 ) retArray = env->AllocObject( retArrayClass );
	if ( retArray != 0 ) env->SetObjectField( retArray, retArrayField, retElements );
	if ( retElements != 0 ) env->DeleteLocalRef( retElements );
	if ( retArrayClass != 0 ) env->DeleteLocalRef( retArrayClass );
	SafeArrayDestroy( retVal );
	return retArray;
}

// Thunk for virtual call invocation.
static HRESULT vThunk_8( IUnknown * pUnk, va_list ap )
{
	SAFEARRAY * arg1 = va_arg( ap, SAFEARRAY * );
	SAFEARRAY ** arg2 = va_arg( ap, SAFEARRAY ** );
	SAFEARRAY ** arg3 = va_arg( ap, SAFEARRAY ** );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,SAFEARRAY *,SAFEARRAY **,SAFEARRAY **)) (*(_VtblFunc **)pUnk)[14])) (pUnk,arg1,arg2,arg3);
}

// JNI Implementation of IShelf.Items
extern "C" JNIEXPORT jobject JNICALL Java_test_arrays_IShelf_Items___3Ltest_arrays_IItem_2Lbrivel_out_TavoComobjArray_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobjectArray arg0,
	 jobject arg1)
{
	HRESULT hr;
	IUnknown * pUnk = (IUnknown *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pUnk == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	SAFEARRAY * tmpSa__0 = brivelJArrayToSafeArray( env, (jarray) arg0, VT_UNKNOWN );
	if ( env->ExceptionCheck() ) {
		if ( tmpSa__0 != 0 ) SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	SAFEARRAY * tmpSa__1 = brivelArrayObjToSafeArray( env, VT_UNKNOWN, (jobject) arg1, "[Lbrivel/TavoObject;" );
	if ( env->ExceptionCheck() ) {
		if ( tmpSa__1 != 0 ) SafeArrayDestroy( tmpSa__1 );
		SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	SAFEARRAY * retVal = 0;
	hr = brivelVtableInvoker( env, vThunk_8, pUnk,tmpSa__0,&tmpSa__1,&retVal);
	if ( brivelCheckFatalError( env )) {
		SafeArrayDestroy( tmpSa__0 );
		SafeArrayDestroy( tmpSa__1 );
		return 0;
	}
	if ( SUCCEEDED( hr )) {
		{
			jobjectArray outArray1 = 0;
			if ( tmpSa__1 != 0 && SafeArrayGetDim( tmpSa__1 ) == 1 && ( tmpSa__1->fFeatures & ( FADF_UNKNOWN | FADF_DISPATCH )) != 0 ) {
				jsize outArray1Length = (jsize) tmpSa__1->rgsabound[0].cElements;
				jclass outArray1Class = brivelFindClass( env, "test/arrays/IItem" );
				void * outArray1Data = 0;
				if ( outArray1Class != 0 ) outArray1 = env->NewObjectArray( outArray1Length, outArray1Class, 0 );
				if ( outArray1 != 0 && outArray1Length > 0 && SUCCEEDED( SafeArrayAccessData( tmpSa__1, &outArray1Data ))) {
					for ( jsize outArray1Index = 0; outArray1Index < outArray1Length; outArray1Index++ ) {
						IUnknown * outArray1Unk = ((IUnknown **) outArray1Data)[outArray1Index];
						if ( outArray1Unk == 0 ) continue;
						jobject outArray1Item = brivelUnknownToInterfaceObject( env, outArray1Unk, "test/arrays/IItem" );
						if ( outArray1Item == 0 ) {
							if ( env->ExceptionCheck() ) break;
							continue;
						}
						env->SetObjectArrayElement( outArray1, outArray1Index, outArray1Item );
						env->DeleteLocalRef( outArray1Item );
					}
					SafeArrayUnaccessData( tmpSa__1 );
				}
				if ( outArray1Class != 0 ) env->DeleteLocalRef( outArray1Class );
			}
			jfieldID outArray1Field = env->GetFieldID( env->GetObjectClass( (jobject) arg1 ), "array", "[Lbrivel/TavoObject;" );
			if ( outArray1Field != 0 ) env->SetObjectField( (jobject) arg1, outArray1Field, outArray1 );
			if ( outArray1 != 0 ) env->DeleteLocalRef( outArray1 );
		}
	}
	SafeArrayDestroy( tmpSa__0 );
	SafeArrayDestroy( tmpSa__1 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return 0;
	}
	jobjectArray retElements = 0;
	if ( retVal != 0 && SafeArrayGetDim( retVal ) == 1 && ( retVal->fFeatures & ( FADF_UNKNOWN | FADF_DISPATCH )) != 0 ) {
		jsize retElementsLength = (jsize) retVal->rgsabound[0].cElements;
		jclass retElementsClass = brivelFindClass( env, "test/arrays/IItem" );
		void * retElementsData = 0;
		if ( retElementsClass != 0 ) retElements = env->NewObjectArray( retElementsLength, retElementsClass, 0 );
		if ( retElements != 0 && retElementsLength > 0 && SUCCEEDED( SafeArrayAccessData( retVal, &retElementsData ))) {
			for ( jsize retElementsIndex = 0; retElementsIndex < retElementsLength; retElementsIndex++ ) {
				IUnknown * retElementsUnk = ((IUnknown **) retElementsData)[retElementsIndex];
				if ( retElementsUnk == 0 ) continue;
				jobject retElementsItem = brivelUnknownToInterfaceObject( env, retElementsUnk, "test/arrays/IItem" );
				if ( retElementsItem == 0 ) {
					if ( env->ExceptionCheck() ) break;
					continue;
				}
				env->SetObjectArrayElement( retElements, retElementsIndex, retElementsItem );
				env->DeleteLocalRef( retElementsItem );
			}
			SafeArrayUnaccessData( retVal );
		}
		if ( retElementsClass != 0 ) env->DeleteLocalRef( retElementsClass );
	}
	jobject retArray = 0;
	jclass retArrayClass = brivelFindClass( env, "brivel/out/TavoComobjArray" );
	jfieldID retArrayField = retArrayClass == 0 ? 0 : env->GetFieldID( retArrayClass, "array", "[Lbrivel/TavoObject;" );
	if ( retArrayField != 0 ) retArray = env->AllocObject( retArrayClass );
	if ( retArray != 0 ) env->SetObjectField( retArray, retArrayField, retElements );
	if ( retElements != 0 ) env->DeleteLocalRef( retElements );
	if ( retArrayClass != 0 ) env->DeleteLocalRef( retArrayClass );
	SafeArrayDestroy( retVal );
	return retArray;
}

// Thunk for virtual call invocation.
static HRESULT vThunk_9( IUnknown * pUnk, va_list ap )
{
	SAFEARRAY * arg1 = va_arg( ap, SAFEARRAY * );
	SAFEARRAY ** arg2 = va_arg( ap, SAFEARRAY ** );
	SAFEARRAY ** arg3 = va_arg( ap, SAFEARRAY ** );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,SAFEARRAY *,SAFEARRAY **,SAFEARRAY **)) (*(_VtblFunc **)pUnk)[15])) (pUnk,arg1,arg2,arg3);
}

// JNI Implementation of IShelf.Bytes
extern "C" JNIEXPORT jobject JNICALL Java_test_arrays_IShelf_Bytes___3BLbrivel_out_TavoFloatArray_2
	(JNIEnv * env,
	 jobject thisObj,
	 jbyteArray arg0,
	 jobject arg1)
{
	HRESULT hr;
	IUnknown * pUnk = (IUnknown *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pUnk == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	SAFEARRAY * tmpSa__0 = brivelJArrayToSafeArray( env, (jarray) arg0, VT_UI1 );
	if ( env->ExceptionCheck() ) {
		if ( tmpSa__0 != 0 ) SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	SAFEARRAY * tmpSa__1 = brivelArrayObjToSafeArray( env, VT_R4, (jobject) arg1, "[F" );
	if ( env->ExceptionCheck() ) {
		if ( tmpSa__1 != 0 ) SafeArrayDestroy( tmpSa__1 );
		SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	SAFEARRAY * retVal = 0;
	hr = brivelVtableInvoker( env, vThunk_9, pUnk,tmpSa__0,&tmpSa__1,&retVal);
	if ( brivelCheckFatalError( env )) {
		SafeArrayDestroy( tmpSa__0 );
		SafeArrayDestroy( tmpSa__1 );
		return 0;
	}
	if ( SUCCEEDED( hr )) {
		brivelCopySafeArrayToArrayObj( env, VT_R4, tmpSa__1, (jobject) arg1, "[F" );
	}
	SafeArrayDestroy( tmpSa__0 );
	SafeArrayDestroy( tmpSa__1 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return 0;
	}
	jbyteArray retElements = (jbyteArray) brivelSafeArrayToJArray( env, retVal, VT_UI1 );
	jobject retArray = 0;
	jclass retArrayClass = brivelFindClass( env, "brivel/out/TavoByteArray" );
	jfieldID retArrayField = retArrayClass == 0 ? 0 : env->GetFieldID( retArrayClass, "array", "[B" );
	if ( retArrayField != 0 ) retArray = env->AllocObject( retArrayClass );
	if ( retArray != 0 ) env->SetObjectField( retArray, retArrayField, retElements );
	if ( retElements != 0 ) env->DeleteLocalRef( retElements );
	if ( retArrayClass != 0 ) env->DeleteLocalRef( retArrayClass );
	SafeArrayDestroy( retVal );
	return retArray;
}

// Thunk for virtual call invocation.
static HRESULT vThunk_10( IUnknown * pUnk, va_list ap )
{
	SAFEARRAY ** arg1 = va_arg( ap, SAFEARRAY ** );
	SAFEARRAY ** arg2 = va_arg( ap, SAFEARRAY ** );
	long * * arg3 = va_arg( ap, long * * );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,SAFEARRAY **,SAFEARRAY **,long * *)) (*(_VtblFunc **)pUnk)[17])) (pUnk,arg1,arg2,arg3);
}

// JNI Implementation of IShelf.Sum
extern "C" JNIEXPORT jint JNICALL Java_test_arrays_IShelf_Sum___3I_3Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jintArray arg0,
	 jobjectArray arg1)
{
	HRESULT hr;
	IUnknown * pUnk = (IUnknown *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pUnk == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	SAFEARRAY * tmpSa__0 = brivelJArrayToSafeArray( env, (jarray) arg0, VT_I4 );
	if ( env->ExceptionCheck() ) {
		if ( tmpSa__0 != 0 ) SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	SAFEARRAY * tmpSa__1 = brivelJArrayToSafeArray( env, (jarray) arg1, VT_VARIANT );
	if ( env->ExceptionCheck() ) {
		if ( tmpSa__1 != 0 ) SafeArrayDestroy( tmpSa__1 );
		SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	jint retVal = 0;
	hr = brivelVtableInvoker( env, vThunk_10, pUnk,&tmpSa__0,&tmpSa__1,&retVal);
	if ( brivelCheckFatalError( env )) {
		SafeArrayDestroy( tmpSa__0 );
		SafeArrayDestroy( tmpSa__1 );
		return 0;
	}
	SafeArrayDestroy( tmpSa__0 );
	SafeArrayDestroy( tmpSa__1 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return 0;
	}
	return retVal;
}

// Thunk for virtual call invocation.
static HRESULT vThunk_11( IUnknown * pUnk, va_list ap )
{
	SAFEARRAY ** arg1 = va_arg( ap, SAFEARRAY ** );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,SAFEARRAY **)) (*(_VtblFunc **)pUnk)[18])) (pUnk,arg1);
}

// JNI Implementation of IShelf.getSizes
extern "C" JNIEXPORT jobject JNICALL Java_test_arrays_IShelf_getSizes
	(JNIEnv * env, jobject thisObj)
{
	HRESULT hr;
	IUnknown * pUnk = (IUnknown *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pUnk == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	SAFEARRAY * retVal = 0;
	hr = brivelVtableInvoker( env, vThunk_11, pUnk,&retVal);
	if ( brivelCheckFatalError( env )) {
		return 0;
	}
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return 0;
	}
	jintArray retElements = (jintArray) brivelSafeArrayToJArray( env, retVal, VT_I4 );
	jobject retArray = 0;
	jclass retArrayClass = brivelFindClass( env, "brivel/out/TavoIntArray" );
	jfieldID retArrayField = retArrayClass == 0 ? 0 : env->GetFieldID( retArrayClass, "array", "[I" );
	if ( retArrayField != 0 ) retArray = env->AllocObject( retArrayClass );
	if ( retArray != 0 ) env->SetObjectField( retArray, retArrayField, retElements );
	if ( retElements != 0 ) env->DeleteLocalRef( retElements );
	if ( retArrayClass != 0 ) env->DeleteLocalRef( retArrayClass );
	SafeArrayDestroy( retVal );
	return retArray;
}

// Thunk for virtual call invocation.
static HRESULT vThunk_12( IUnknown * pUnk, va_list ap )
{
	SAFEARRAY * arg1 = va_arg( ap, SAFEARRAY * );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,SAFEARRAY *)) (*(_VtblFunc **)pUnk)[19])) (pUnk,arg1);
}

// JNI Implementation of IShelf.setSizes
extern "C" JNIEXPORT void JNICALL Java_test_arrays_IShelf_setSizes___3I
	(JNIEnv * env,
	 jobject thisObj,
	 jintArray arg0)
{
	HRESULT hr;
	IUnknown * pUnk = (IUnknown *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pUnk == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	SAFEARRAY * tmpSa__0 = brivelJArrayToSafeArray( env, (jarray) arg0, VT_I4 );
	if ( env->ExceptionCheck() ) {
		if ( tmpSa__0 != 0 ) SafeArrayDestroy( tmpSa__0 );
		return;
	}
	hr = brivelVtableInvoker( env, vThunk_12, pUnk,tmpSa__0);
	if ( brivelCheckFatalError( env )) {
		SafeArrayDestroy( tmpSa__0 );
		return;
	}
	SafeArrayDestroy( tmpSa__0 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return;
	}
}

// Thunk for virtual call invocation.
static HRESULT vThunk_13( IUnknown * pUnk, va_list ap )
{
	VARIANT_BOOL arg1 = (VARIANT_BOOL) va_arg( ap, int );
	short arg2 = (short) va_arg( ap, int );
	unsigned char arg3 = (unsigned char) va_arg( ap, int );
	long * * arg4 = va_arg( ap, long * * );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,VARIANT_BOOL,short,unsigned char,long * *)) (*(_VtblFunc **)pUnk)[20])) (pUnk,arg1,arg2,arg3,arg4);
}

// JNI Implementation of IShelf.Tune
extern "C" JNIEXPORT jint JNICALL Java_test_arrays_IShelf_Tune__ZSB
	(JNIEnv * env,
	 jobject thisObj,
	 jboolean arg0,
	 jshort arg1,
	 jbyte arg2)
{
	HRESULT hr;
	IUnknown * pUnk = (IUnknown *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pUnk == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	VARIANT_BOOL temp__0 = arg0 ? VARIANT_TRUE : VARIANT_FALSE;
	jint retVal = 0;
	hr = brivelVtableInvoker( env, vThunk_13, pUnk,temp__0,(short)arg1,(unsigned char)arg2,&retVal);
	if ( brivelCheckFatalError( env )) {
		return 0;
	}
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return 0;
	}
	return retVal;
}

extern "C" JNIEXPORT jboolean JNICALL Java_test_arrays_IShelf__1_1TavoLoad
	(JNIEnv * env, jobject thisObj, jobject obj, jboolean initial )
{
	HRESULT ret;
	IUnknown * pUnk;
	IDispatch * pDisp;
	brivelInitThread( env );
	if ( obj == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 1 is null" );
		return 0;
	}
	pUnk = (IUnknown *) env->GetIntField( obj, brivelGetComId() );
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoIShelf, (void **) &pDisp );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret ) && initial ) {
		ret = brivelQueryInterface( env, pUnk, &IID_IDispatch, (void **) &pDisp );
		if ( brivelCheckFatalError( env )) return 0;
	}
	if ( FAILED( ret )) {
		if ( ! initial ) brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetComId(), (jint) pDisp );
	return 1;
}

class IRackEventsHandlerImpl : public IDispatch {
	jobject brvJavaObject;
	bool serverSide;
	jstring interfaceName;
	long brvRef;
public:
	IRackEventsHandlerImpl( jobject obj ) : interfaceName(NULL), serverSide(false), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) {}

	IRackEventsHandlerImpl( jstring intf, jobject obj ) : interfaceName(intf), serverSide(true), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) {}

	virtual HRESULT STDMETHODCALLTYPE QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject);
	virtual ULONG STDMETHODCALLTYPE AddRef( void);
	virtual ULONG STDMETHODCALLTYPE Release( void);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfoCount( UINT __RPC_FAR *pctinfo);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo);
	virtual HRESULT STDMETHODCALLTYPE GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId);
	virtual HRESULT STDMETHODCALLTYPE Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS __RPC_FAR *pDispParams, VARIANT __RPC_FAR *pVarResult, EXCEPINFO __RPC_FAR *pExcepInfo, UINT __RPC_FAR *puArgErr);
	virtual HRESULT STDMETHODCALLTYPE Event_1(SAFEARRAY *,SAFEARRAY *,SAFEARRAY *);
	virtual HRESULT STDMETHODCALLTYPE Event_2(SAFEARRAY *,SAFEARRAY *);
	virtual HRESULT STDMETHODCALLTYPE Event_3(SAFEARRAY **,SAFEARRAY **,SAFEARRAY **);
	virtual HRESULT STDMETHODCALLTYPE Event_4(SAFEARRAY **);
};


HRESULT STDMETHODCALLTYPE IRackEventsHandlerImpl::QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject)
{
	if ( riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_ITavoIRackEvents ) {
		*ppvObject = this;
		AddRef();
		return S_OK;
	}
	if ( riid == IID_BrivelQueryIID ) {
		*ppvObject = (void *) &IID_ITavoIRackEvents;
		return S_OK;
	}
	*ppvObject = NULL;
	return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE IRackEventsHandlerImpl::AddRef( void )
{
	return InterlockedIncrement( &brvRef );
}

ULONG STDMETHODCALLTYPE IRackEventsHandlerImpl::Release( void )
{
	LONG brvCount = InterlockedDecrement( &brvRef );
	if ( brvCount <= 0 ) {
		JNIEnv * brivelJniEnv = brivelGetJniEnv();
		if ( brivelJniEnv != NULL ) {
			if ( brvJavaObject != NULL ) brivelJniEnv->DeleteGlobalRef( brvJavaObject );
			if ( interfaceName != NULL ) brivelJniEnv->DeleteGlobalRef( interfaceName );
		}
		delete this;
		return 0;
	}
	return brvCount;
}

HRESULT STDMETHODCALLTYPE IRackEventsHandlerImpl::GetTypeInfoCount( UINT __RPC_FAR *pctinfo)
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE IRackEventsHandlerImpl::GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo )
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE IRackEventsHandlerImpl::GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId)
{
	return E_NOTIMPL;
}


HRESULT STDMETHODCALLTYPE IRackEventsHandlerImpl::Event_1(SAFEARRAY * arg0,SAFEARRAY * arg1,SAFEARRAY * arg2)
{
	JNIEnv * brivelJniEnv = brivelGetJniEnv();
	if ( brivelJniEnv == NULL ) return E_UNEXPECTED;
	brivelInitEventThread( brivelJniEnv );
	HRESULT hResult = S_OK;
	if ( serverSide && ! CheckServerSideEvents( brivelJniEnv )) return hResult;
	jmethodID brivelMethod = NULL;
	if ( ! serverSide ) {
		jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
		brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Filled", "([I[Ljava/lang/String;[Ltest/arrays/Shape;)V");
		brivelJniEnv->DeleteLocalRef( brivelListenerClass );
		if ( brivelMethod == NULL ) {
			brivelJniEnv->ExceptionClear();
			brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelErrorMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventError", "(Ljava/lang/String;Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelErrorMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Filled" );
				jstring brivelErrorString = brivelJniEnv->NewStringUTF( "Unable to locate method" );
				brivelJniEnv->CallVoidMethod( brvJavaObject, brivelErrorMethod, brivelFnString, brivelErrorString );
				brivelJniEnv->DeleteLocalRef( brivelFnString );
				brivelJniEnv->DeleteLocalRef( brivelErrorString );
				if ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();
				return hResult;
			}
			brivelJniEnv->ExceptionClear();
		}
	}
		jthrowable brivelUnmade = NULL;
		SAFEARRAY * eventSafeArray0 = arg0;
		jintArray eventArray0 = (jintArray) brivelSafeArrayToJArray( brivelJniEnv, eventSafeArray0, VT_I4 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		SAFEARRAY * eventSafeArray1 = arg1;
		jobjectArray eventArray1 = (jobjectArray) brivelSafeArrayToJArray( brivelJniEnv, eventSafeArray1, VT_BSTR );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		SAFEARRAY * eventSafeArray2 = arg2;
		jobjectArray eventArray2 = 0;
		if ( eventSafeArray2 != 0 && SafeArrayGetDim( eventSafeArray2 ) == 1 && SafeArrayGetElemsize( eventSafeArray2 ) == sizeof( LONG )) {
			jsize eventArray2Length = (jsize) eventSafeArray2->rgsabound[0].cElements;
			jclass eventArray2Class = brivelFindClass( brivelJniEnv, "test/arrays/Shape" );
			void * eventArray2Data = 0;
			if ( eventArray2Class != 0 ) eventArray2 = brivelJniEnv->NewObjectArray( eventArray2Length, eventArray2Class, 0 );
			if ( eventArray2 != 0 && eventArray2Length > 0 && SUCCEEDED( SafeArrayAccessData( eventSafeArray2, &eventArray2Data ))) {
				for ( jsize eventArray2Index = 0; eventArray2Index < eventArray2Length; eventArray2Index++ ) {
					jobject eventArray2Item = brivelIntToEnumeratedObject( brivelJniEnv, (int) ((LONG *) eventArray2Data)[eventArray2Index], "test/arrays/Shape" );
					if ( eventArray2Item == 0 ) {
						if ( brivelJniEnv->ExceptionCheck() ) break;
						continue;
					}
					brivelJniEnv->SetObjectArrayElement( eventArray2, eventArray2Index, eventArray2Item );
					brivelJniEnv->DeleteLocalRef( eventArray2Item );
				}
				SafeArrayUnaccessData( eventSafeArray2 );
			}
			if ( eventArray2Class != 0 ) brivelJniEnv->DeleteLocalRef( eventArray2Class );
		}
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelUnmade != NULL ) {
			// An argument could not be made: nothing is called.
		} else if ( brivelMethod != NULL ) {
		brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
				, eventArray0
				, eventArray1
				, eventArray2
			);
		} else {
			if ( serverSide ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 3, 0, "void", "Filled"
				, false, "int[]", eventArray0
				, false, "String[]", eventArray1
				, false, "test.arrays.Shape[]", eventArray2
			);
		}
		jthrowable brvException = brivelJniEnv->ExceptionOccurred();
		if ( brvException != NULL ) {
			brivelJniEnv->ExceptionClear();
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Filled" );
				brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
				brivelJniEnv->DeleteLocalRef( brivelFnString );
			}
			brivelJniEnv->DeleteLocalRef( brvException );
		}
		if ( eventArray0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray0 );
		if ( eventArray1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray1 );
		if ( eventArray2 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray2 );
	if ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();
	return hResult;
}


HRESULT STDMETHODCALLTYPE IRackEventsHandlerImpl::Event_2(SAFEARRAY * arg0,SAFEARRAY * arg1)
{
	JNIEnv * brivelJniEnv = brivelGetJniEnv();
	if ( brivelJniEnv == NULL ) return E_UNEXPECTED;
	brivelInitEventThread( brivelJniEnv );
	HRESULT hResult = S_OK;
	if ( serverSide && ! CheckServerSideEvents( brivelJniEnv )) return hResult;
	jmethodID brivelMethod = NULL;
	if ( ! serverSide ) {
		jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
		brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Offered", "([Ltest/arrays/IItem;[Lbrivel/TavoVariant;)V");
		brivelJniEnv->DeleteLocalRef( brivelListenerClass );
		if ( brivelMethod == NULL ) {
			brivelJniEnv->ExceptionClear();
			brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelErrorMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventError", "(Ljava/lang/String;Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelErrorMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Offered" );
				jstring brivelErrorString = brivelJniEnv->NewStringUTF( "Unable to locate method" );
				brivelJniEnv->CallVoidMethod( brvJavaObject, brivelErrorMethod, brivelFnString, brivelErrorString );
				brivelJniEnv->DeleteLocalRef( brivelFnString );
				brivelJniEnv->DeleteLocalRef( brivelErrorString );
				if ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();
				return hResult;
			}
			brivelJniEnv->ExceptionClear();
		}
	}
		jthrowable brivelUnmade = NULL;
		SAFEARRAY * eventSafeArray0 = arg0;
		jobjectArray eventArray0 = 0;
		if ( eventSafeArray0 != 0 && SafeArrayGetDim( eventSafeArray0 ) == 1 && ( eventSafeArray0->fFeatures & ( FADF_UNKNOWN | FADF_DISPATCH )) != 0 ) {
			jsize eventArray0Length = (jsize) eventSafeArray0->rgsabound[0].cElements;
			jclass eventArray0Class = brivelFindClass( brivelJniEnv, "test/arrays/IItem" );
			void * eventArray0Data = 0;
			if ( eventArray0Class != 0 ) eventArray0 = brivelJniEnv->NewObjectArray( eventArray0Length, eventArray0Class, 0 );
			if ( eventArray0 != 0 && eventArray0Length > 0 && SUCCEEDED( SafeArrayAccessData( eventSafeArray0, &eventArray0Data ))) {
				for ( jsize eventArray0Index = 0; eventArray0Index < eventArray0Length; eventArray0Index++ ) {
					IUnknown * eventArray0Unk = ((IUnknown **) eventArray0Data)[eventArray0Index];
					if ( eventArray0Unk == 0 ) continue;
					jobject eventArray0Item = brivelUnknownToInterfaceObject( brivelJniEnv, eventArray0Unk, "test/arrays/IItem" );
					if ( eventArray0Item == 0 ) {
						if ( brivelJniEnv->ExceptionCheck() ) break;
						continue;
					}
					brivelJniEnv->SetObjectArrayElement( eventArray0, eventArray0Index, eventArray0Item );
					brivelJniEnv->DeleteLocalRef( eventArray0Item );
				}
				SafeArrayUnaccessData( eventSafeArray0 );
			}
			if ( eventArray0Class != 0 ) brivelJniEnv->DeleteLocalRef( eventArray0Class );
		}
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		SAFEARRAY * eventSafeArray1 = arg1;
		jobjectArray eventArray1 = (jobjectArray) brivelSafeArrayToJArray( brivelJniEnv, eventSafeArray1, VT_VARIANT );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelUnmade != NULL ) {
			// An argument could not be made: nothing is called.
		} else if ( brivelMethod != NULL ) {
		brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
				, eventArray0
				, eventArray1
			);
		} else {
			if ( serverSide ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "Offered"
				, false, "test.arrays.IItem[]", eventArray0
				, false, "brivel.TavoVariant[]", eventArray1
			);
		}
		jthrowable brvException = brivelJniEnv->ExceptionOccurred();
		if ( brvException != NULL ) {
			brivelJniEnv->ExceptionClear();
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Offered" );
				brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
				brivelJniEnv->DeleteLocalRef( brivelFnString );
			}
			brivelJniEnv->DeleteLocalRef( brvException );
		}
		if ( eventArray0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray0 );
		if ( eventArray1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray1 );
	if ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();
	return hResult;
}


HRESULT STDMETHODCALLTYPE IRackEventsHandlerImpl::Event_3(SAFEARRAY ** arg0,SAFEARRAY ** arg1,SAFEARRAY ** arg2)
{
	JNIEnv * brivelJniEnv = brivelGetJniEnv();
	if ( brivelJniEnv == NULL ) return E_UNEXPECTED;
	brivelInitEventThread( brivelJniEnv );
	HRESULT hResult = S_OK;
	if ( serverSide && ! CheckServerSideEvents( brivelJniEnv )) return hResult;
	jmethodID brivelMethod = NULL;
	if ( ! serverSide ) {
		jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
		brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Asked", "(Lbrivel/out/TavoIntArray;Lbrivel/out/TavoComobjArray;Lbrivel/out/TavoStringArray;)V");
		brivelJniEnv->DeleteLocalRef( brivelListenerClass );
		if ( brivelMethod == NULL ) {
			brivelJniEnv->ExceptionClear();
			brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelErrorMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventError", "(Ljava/lang/String;Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelErrorMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Asked" );
				jstring brivelErrorString = brivelJniEnv->NewStringUTF( "Unable to locate method" );
				brivelJniEnv->CallVoidMethod( brvJavaObject, brivelErrorMethod, brivelFnString, brivelErrorString );
				brivelJniEnv->DeleteLocalRef( brivelFnString );
				brivelJniEnv->DeleteLocalRef( brivelErrorString );
				if ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();
				return hResult;
			}
			brivelJniEnv->ExceptionClear();
		}
	}
		jthrowable brivelUnmade = NULL;
		SAFEARRAY * eventSafeArray0 = ( arg0 == 0 ? (SAFEARRAY *) 0 : *arg0 );
		jintArray eventElements0 = (jintArray) brivelSafeArrayToJArray( brivelJniEnv, eventSafeArray0, VT_I4 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArray0 = 0;
		jclass eventArray0Class = brivelFindClass( brivelJniEnv, "brivel/out/TavoIntArray" );
		jfieldID eventArray0Field = eventArray0Class == 0 ? 0 : brivelJniEnv->GetFieldID( eventArray0Class, "array", "[I" );
		if ( eventArray0Field != 0 ) eventArray0 = brivelJniEnv->AllocObject( eventArray0Class );
		if ( eventArray0 != 0 ) brivelJniEnv->SetObjectField( eventArray0, eventArray0Field, eventElements0 );
		if ( eventElements0 != 0 ) brivelJniEnv->DeleteLocalRef( eventElements0 );
		if ( eventArray0Class != 0 ) brivelJniEnv->DeleteLocalRef( eventArray0Class );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		SAFEARRAY * eventSafeArray1 = ( arg1 == 0 ? (SAFEARRAY *) 0 : *arg1 );
		jobjectArray eventElements1 = 0;
		if ( eventSafeArray1 != 0 && SafeArrayGetDim( eventSafeArray1 ) == 1 && ( eventSafeArray1->fFeatures & ( FADF_UNKNOWN | FADF_DISPATCH )) != 0 ) {
			jsize eventElements1Length = (jsize) eventSafeArray1->rgsabound[0].cElements;
			jclass eventElements1Class = brivelFindClass( brivelJniEnv, "test/arrays/IItem" );
			void * eventElements1Data = 0;
			if ( eventElements1Class != 0 ) eventElements1 = brivelJniEnv->NewObjectArray( eventElements1Length, eventElements1Class, 0 );
			if ( eventElements1 != 0 && eventElements1Length > 0 && SUCCEEDED( SafeArrayAccessData( eventSafeArray1, &eventElements1Data ))) {
				for ( jsize eventElements1Index = 0; eventElements1Index < eventElements1Length; eventElements1Index++ ) {
					IUnknown * eventElements1Unk = ((IUnknown **) eventElements1Data)[eventElements1Index];
					if ( eventElements1Unk == 0 ) continue;
					jobject eventElements1Item = brivelUnknownToInterfaceObject( brivelJniEnv, eventElements1Unk, "test/arrays/IItem" );
					if ( eventElements1Item == 0 ) {
						if ( brivelJniEnv->ExceptionCheck() ) break;
						continue;
					}
					brivelJniEnv->SetObjectArrayElement( eventElements1, eventElements1Index, eventElements1Item );
					brivelJniEnv->DeleteLocalRef( eventElements1Item );
				}
				SafeArrayUnaccessData( eventSafeArray1 );
			}
			if ( eventElements1Class != 0 ) brivelJniEnv->DeleteLocalRef( eventElements1Class );
		}
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArray1 = 0;
		jclass eventArray1Class = brivelFindClass( brivelJniEnv, "brivel/out/TavoComobjArray" );
		jfieldID eventArray1Field = eventArray1Class == 0 ? 0 : brivelJniEnv->GetFieldID( eventArray1Class, "array", "[Lbrivel/TavoObject;" );
		if ( eventArray1Field != 0 ) eventArray1 = brivelJniEnv->AllocObject( eventArray1Class );
		if ( eventArray1 != 0 ) brivelJniEnv->SetObjectField( eventArray1, eventArray1Field, eventElements1 );
		if ( eventElements1 != 0 ) brivelJniEnv->DeleteLocalRef( eventElements1 );
		if ( eventArray1Class != 0 ) brivelJniEnv->DeleteLocalRef( eventArray1Class );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( arg2 != 0 ) *arg2 = 0;
		SAFEARRAY * eventSafeArray2 = (SAFEARRAY *) 0;
		jobjectArray eventElements2 = (jobjectArray) brivelSafeArrayToJArray( brivelJniEnv, eventSafeArray2, VT_BSTR );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArray2 = 0;
		jclass eventArray2Class = brivelFindClass( brivelJniEnv, "brivel/out/TavoStringArray" );
		jfieldID eventArray2Field = eventArray2Class == 0 ? 0 : brivelJniEnv->GetFieldID( eventArray2Class, "array", "[Ljava/lang/String;" );
		if ( eventArray2Field != 0 ) eventArray2 = brivelJniEnv->AllocObject( eventArray2Class );
		if ( eventArray2 != 0 ) brivelJniEnv->SetObjectField( eventArray2, eventArray2Field, eventElements2 );
		if ( eventElements2 != 0 ) brivelJniEnv->DeleteLocalRef( eventElements2 );
		if ( eventArray2Class != 0 ) brivelJniEnv->DeleteLocalRef( eventArray2Class );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelUnmade != NULL ) {
			// An argument could not be made: nothing is called.
		} else if ( brivelMethod != NULL ) {
		brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
				, eventArray0
				, eventArray1
				, eventArray2
			);
		} else {
			if ( serverSide ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 3, 0, "void", "Asked"
				, true, "brivel.out.TavoIntArray", eventArray0
				, true, "brivel.out.TavoComobjArray", eventArray1
				, true, "brivel.out.TavoStringArray", eventArray2
			);
		}
		jthrowable brvException = brivelJniEnv->ExceptionOccurred();
		if ( brvException != NULL ) {
			brivelJniEnv->ExceptionClear();
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Asked" );
				brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
				brivelJniEnv->DeleteLocalRef( brivelFnString );
			}
			brivelJniEnv->DeleteLocalRef( brvException );
		} else {
			if ( eventArray0 != 0 && arg0 != 0 ) {
				JNIEnv * env = brivelJniEnv;
				jclass eventNewArray0Class = env->GetObjectClass( eventArray0 );
				jfieldID eventNewArray0Field = env->GetFieldID( eventNewArray0Class, "array", "[I" );
				env->DeleteLocalRef( eventNewArray0Class );
				jobject eventNewArray0Value = eventNewArray0Field == 0 ? 0 : env->GetObjectField( eventArray0, eventNewArray0Field );
				SAFEARRAY * eventNewArray0 = brivelJArrayToSafeArray( env, (jarray) eventNewArray0Value, VT_I4 );
				if ( eventNewArray0Value != 0 ) env->DeleteLocalRef( eventNewArray0Value );
				if ( eventNewArray0Field != 0 && ! env->ExceptionCheck() && ( *arg0 == 0 || SUCCEEDED( SafeArrayDestroy( *arg0 ))))
					*arg0 = eventNewArray0;
				else if ( eventNewArray0 != 0 )
					SafeArrayDestroy( eventNewArray0 );
			}
			if ( eventArray1 != 0 && arg1 != 0 ) {
				JNIEnv * env = brivelJniEnv;
				jclass eventNewArray1Class = env->GetObjectClass( eventArray1 );
				jfieldID eventNewArray1Field = env->GetFieldID( eventNewArray1Class, "array", "[Lbrivel/TavoObject;" );
				env->DeleteLocalRef( eventNewArray1Class );
				jobject eventNewArray1Value = eventNewArray1Field == 0 ? 0 : env->GetObjectField( eventArray1, eventNewArray1Field );
				SAFEARRAY * eventNewArray1 = brivelJArrayToSafeArray( env, (jarray) eventNewArray1Value, VT_UNKNOWN );
				if ( eventNewArray1Value != 0 ) env->DeleteLocalRef( eventNewArray1Value );
				if ( eventNewArray1Field != 0 && ! env->ExceptionCheck() && ( *arg1 == 0 || SUCCEEDED( SafeArrayDestroy( *arg1 ))))
					*arg1 = eventNewArray1;
				else if ( eventNewArray1 != 0 )
					SafeArrayDestroy( eventNewArray1 );
			}
			if ( eventArray2 != 0 && arg2 != 0 ) {
				JNIEnv * env = brivelJniEnv;
				jclass eventNewArray2Class = env->GetObjectClass( eventArray2 );
				jfieldID eventNewArray2Field = env->GetFieldID( eventNewArray2Class, "array", "[Ljava/lang/String;" );
				env->DeleteLocalRef( eventNewArray2Class );
				jobject eventNewArray2Value = eventNewArray2Field == 0 ? 0 : env->GetObjectField( eventArray2, eventNewArray2Field );
				SAFEARRAY * eventNewArray2 = brivelJArrayToSafeArray( env, (jarray) eventNewArray2Value, VT_BSTR );
				if ( eventNewArray2Value != 0 ) env->DeleteLocalRef( eventNewArray2Value );
				if ( eventNewArray2Field != 0 && ! env->ExceptionCheck() )
					*arg2 = eventNewArray2;
				else if ( eventNewArray2 != 0 )
					SafeArrayDestroy( eventNewArray2 );
			}
			brvException = brivelJniEnv->ExceptionOccurred();
			if ( brvException != NULL ) {
				brivelJniEnv->ExceptionClear();
				jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
				jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
				brivelJniEnv->DeleteLocalRef( brivelListenerClass );
				if ( brivelMethod != NULL ) {
					jstring brivelFnString = brivelJniEnv->NewStringUTF( "Asked" );
					brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
					brivelJniEnv->DeleteLocalRef( brivelFnString );
				}
				brivelJniEnv->DeleteLocalRef( brvException );
			}
		}
		if ( eventArray0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray0 );
		if ( eventArray1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray1 );
		if ( eventArray2 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray2 );
	if ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();
	return hResult;
}


HRESULT STDMETHODCALLTYPE IRackEventsHandlerImpl::Event_4(SAFEARRAY ** arg0)
{
	JNIEnv * brivelJniEnv = brivelGetJniEnv();
	if ( brivelJniEnv == NULL ) return E_UNEXPECTED;
	brivelInitEventThread( brivelJniEnv );
	HRESULT hResult = S_OK;
	if ( serverSide && ! CheckServerSideEvents( brivelJniEnv )) return hResult;
	jmethodID brivelMethod = NULL;
	if ( ! serverSide ) {
		jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
		brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Shown", "([I)V");
		brivelJniEnv->DeleteLocalRef( brivelListenerClass );
		if ( brivelMethod == NULL ) {
			brivelJniEnv->ExceptionClear();
			brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelErrorMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventError", "(Ljava/lang/String;Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelErrorMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Shown" );
				jstring brivelErrorString = brivelJniEnv->NewStringUTF( "Unable to locate method" );
				brivelJniEnv->CallVoidMethod( brvJavaObject, brivelErrorMethod, brivelFnString, brivelErrorString );
				brivelJniEnv->DeleteLocalRef( brivelFnString );
				brivelJniEnv->DeleteLocalRef( brivelErrorString );
				if ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();
				return hResult;
			}
			brivelJniEnv->ExceptionClear();
		}
	}
		jthrowable brivelUnmade = NULL;
		SAFEARRAY * eventSafeArray0 = ( arg0 == 0 ? (SAFEARRAY *) 0 : *arg0 );
		jintArray eventArray0 = (jintArray) brivelSafeArrayToJArray( brivelJniEnv, eventSafeArray0, VT_I4 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelUnmade != NULL ) {
			// An argument could not be made: nothing is called.
		} else if ( brivelMethod != NULL ) {
		brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
				, eventArray0
			);
		} else {
			if ( serverSide ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "Shown"
				, false, "int[]", eventArray0
			);
		}
		jthrowable brvException = brivelJniEnv->ExceptionOccurred();
		if ( brvException != NULL ) {
			brivelJniEnv->ExceptionClear();
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Shown" );
				brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
				brivelJniEnv->DeleteLocalRef( brivelFnString );
			}
			brivelJniEnv->DeleteLocalRef( brvException );
		}
		if ( eventArray0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray0 );
	if ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();
	return hResult;
}

int brivelGetParamIndex( int arg, DISPPARAMS * param, int cArgs )
{
	for ( int i = 0; i < (int) param->cNamedArgs; i++ ) {
		if ( param->rgdispidNamedArgs[i] == arg )
			return i;
	}
	int index = (int) param->cArgs - 1 - arg;
	if ( index < (int) param->cNamedArgs || index >= (int) param->cArgs ) return -1;
	return index;
}

HRESULT brivelEventArgument( VARIANTARG * arg, VARTYPE vt, VARIANTARG * own, VARIANTARG * use )
{
	*use = *arg;
	if ( vt == VT_EMPTY ) return S_OK;
	VARTYPE types[2] = { V_VT( arg ), vt };
	for ( int i = 0; i < 2; i++ ) {
		VARTYPE base = (VARTYPE) ( types[i] & ~VT_BYREF );
		if ( base == VT_INT ) base = VT_I4;
		else if ( base == VT_UINT ) base = VT_UI4;
		else if ( base == VT_DISPATCH ) base = VT_UNKNOWN;
		types[i] = (VARTYPE) (( types[i] & VT_BYREF ) | base );
	}
	if ( types[0] == types[1] ) return S_OK;
	if ( vt & VT_BYREF ) return DISP_E_TYPEMISMATCH;
	if ( vt == VT_UNKNOWN && ( V_VT( arg ) == VT_EMPTY || V_VT( arg ) == VT_NULL )) {
		V_VT( use ) = VT_UNKNOWN;
		V_UNKNOWN( use ) = NULL;
		return S_OK;
	}
	if ( V_VT( arg ) == VT_NULL && ( vt == VT_BSTR || vt == VT_DATE )) {
		V_VT( use ) = vt;
		if ( vt == VT_BSTR ) V_BSTR( use ) = NULL;
		else V_DATE( use ) = 0;
		return S_OK;
	}
	if ( FAILED( VariantChangeType( own, arg, 0, vt ))) return DISP_E_TYPEMISMATCH;
	*use = *own;
	return S_OK;
}

static HRESULT brivelRefuseEvent( JNIEnv * brivelJniEnv, jobject brvJavaObject, bool serverSide, const char * event, const char * error, HRESULT hr )
{
	if ( brivelJniEnv == NULL || serverSide ) return hr;
	jclass brivelListenerClass = brivelJniEnv->GetObjectClass( brvJavaObject );
	jmethodID brivelMethod = brivelListenerClass == NULL ? NULL : brivelJniEnv->GetMethodID( brivelListenerClass, "TavoOnEventError", "(Ljava/lang/String;Ljava/lang/String;)V" );
	if ( brivelListenerClass != NULL ) brivelJniEnv->DeleteLocalRef( brivelListenerClass );
	if ( brivelMethod != NULL ) {
		jstring brivelFnString = brivelJniEnv->NewStringUTF( event );
		jstring brivelErrorString = brivelFnString == NULL ? NULL : brivelJniEnv->NewStringUTF( error );
		if ( brivelErrorString != NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brivelErrorString );
		if ( brivelFnString != NULL ) brivelJniEnv->DeleteLocalRef( brivelFnString );
		if ( brivelErrorString != NULL ) brivelJniEnv->DeleteLocalRef( brivelErrorString );
	}
	if ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();
	return hr;
}

HRESULT STDMETHODCALLTYPE IRackEventsHandlerImpl::Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
    DISPPARAMS __RPC_FAR *pDispParams,
    VARIANT __RPC_FAR *pVarResult,
    EXCEPINFO __RPC_FAR *pExcepInfo,
    UINT __RPC_FAR *puArgErr)
{
	JNIEnv * brivelJniEnv = brivelGetJniEnv();
	if ( brivelJniEnv == NULL ) return E_UNEXPECTED;
	brivelInitEventThread( brivelJniEnv );
	const char * brivelError = NULL;
	const char * brivelFnName = NULL;
	HRESULT hResult = S_OK;
	if ( serverSide && ! CheckServerSideEvents( brivelJniEnv )) return hResult;
	if ( dispIdMember == 1 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Filled", "([I[Ljava/lang/String;[Ltest/arrays/Shape;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Filled";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,3);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Filled", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,3);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Filled", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex2 = brivelGetParamIndex(2,pDispParams,3);
		if ( eventParamIndex2 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Filled", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		jthrowable brivelUnmade = NULL;
		SAFEARRAY * eventSafeArray0 = ((( pDispParams->rgvarg[eventParamIndex0] ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( pDispParams->rgvarg[eventParamIndex0] ).vt & VT_BYREF ) ? (( pDispParams->rgvarg[eventParamIndex0] ).pparray == 0 ? (SAFEARRAY *) 0 : *( pDispParams->rgvarg[eventParamIndex0] ).pparray ) : ( pDispParams->rgvarg[eventParamIndex0] ).parray );
		jintArray eventArray0 = (jintArray) brivelSafeArrayToJArray( brivelJniEnv, eventSafeArray0, VT_I4 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		SAFEARRAY * eventSafeArray1 = ((( pDispParams->rgvarg[eventParamIndex1] ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( pDispParams->rgvarg[eventParamIndex1] ).vt & VT_BYREF ) ? (( pDispParams->rgvarg[eventParamIndex1] ).pparray == 0 ? (SAFEARRAY *) 0 : *( pDispParams->rgvarg[eventParamIndex1] ).pparray ) : ( pDispParams->rgvarg[eventParamIndex1] ).parray );
		jobjectArray eventArray1 = (jobjectArray) brivelSafeArrayToJArray( brivelJniEnv, eventSafeArray1, VT_BSTR );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		SAFEARRAY * eventSafeArray2 = ((( pDispParams->rgvarg[eventParamIndex2] ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( pDispParams->rgvarg[eventParamIndex2] ).vt & VT_BYREF ) ? (( pDispParams->rgvarg[eventParamIndex2] ).pparray == 0 ? (SAFEARRAY *) 0 : *( pDispParams->rgvarg[eventParamIndex2] ).pparray ) : ( pDispParams->rgvarg[eventParamIndex2] ).parray );
		jobjectArray eventArray2 = 0;
		if ( eventSafeArray2 != 0 && SafeArrayGetDim( eventSafeArray2 ) == 1 && SafeArrayGetElemsize( eventSafeArray2 ) == sizeof( LONG )) {
			jsize eventArray2Length = (jsize) eventSafeArray2->rgsabound[0].cElements;
			jclass eventArray2Class = brivelFindClass( brivelJniEnv, "test/arrays/Shape" );
			void * eventArray2Data = 0;
			if ( eventArray2Class != 0 ) eventArray2 = brivelJniEnv->NewObjectArray( eventArray2Length, eventArray2Class, 0 );
			if ( eventArray2 != 0 && eventArray2Length > 0 && SUCCEEDED( SafeArrayAccessData( eventSafeArray2, &eventArray2Data ))) {
				for ( jsize eventArray2Index = 0; eventArray2Index < eventArray2Length; eventArray2Index++ ) {
					jobject eventArray2Item = brivelIntToEnumeratedObject( brivelJniEnv, (int) ((LONG *) eventArray2Data)[eventArray2Index], "test/arrays/Shape" );
					if ( eventArray2Item == 0 ) {
						if ( brivelJniEnv->ExceptionCheck() ) break;
						continue;
					}
					brivelJniEnv->SetObjectArrayElement( eventArray2, eventArray2Index, eventArray2Item );
					brivelJniEnv->DeleteLocalRef( eventArray2Item );
				}
				SafeArrayUnaccessData( eventSafeArray2 );
			}
			if ( eventArray2Class != 0 ) brivelJniEnv->DeleteLocalRef( eventArray2Class );
		}
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, eventArray0
			, eventArray1
			, eventArray2
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 3, 0, "void", "Filled"
			, false, "int[]", eventArray0
			, false, "String[]", eventArray1
			, false, "test.arrays.Shape[]", eventArray2
		);
		if ( eventArray0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray0 );
		if ( eventArray1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray1 );
		if ( eventArray2 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray2 );
	}
	if ( dispIdMember == 2 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Offered", "([Ltest/arrays/IItem;[Lbrivel/TavoVariant;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Offered";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,2);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Offered", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,2);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Offered", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		jthrowable brivelUnmade = NULL;
		SAFEARRAY * eventSafeArray0 = ((( pDispParams->rgvarg[eventParamIndex0] ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( pDispParams->rgvarg[eventParamIndex0] ).vt & VT_BYREF ) ? (( pDispParams->rgvarg[eventParamIndex0] ).pparray == 0 ? (SAFEARRAY *) 0 : *( pDispParams->rgvarg[eventParamIndex0] ).pparray ) : ( pDispParams->rgvarg[eventParamIndex0] ).parray );
		jobjectArray eventArray0 = 0;
		if ( eventSafeArray0 != 0 && SafeArrayGetDim( eventSafeArray0 ) == 1 && ( eventSafeArray0->fFeatures & ( FADF_UNKNOWN | FADF_DISPATCH )) != 0 ) {
			jsize eventArray0Length = (jsize) eventSafeArray0->rgsabound[0].cElements;
			jclass eventArray0Class = brivelFindClass( brivelJniEnv, "test/arrays/IItem" );
			void * eventArray0Data = 0;
			if ( eventArray0Class != 0 ) eventArray0 = brivelJniEnv->NewObjectArray( eventArray0Length, eventArray0Class, 0 );
			if ( eventArray0 != 0 && eventArray0Length > 0 && SUCCEEDED( SafeArrayAccessData( eventSafeArray0, &eventArray0Data ))) {
				for ( jsize eventArray0Index = 0; eventArray0Index < eventArray0Length; eventArray0Index++ ) {
					IUnknown * eventArray0Unk = ((IUnknown **) eventArray0Data)[eventArray0Index];
					if ( eventArray0Unk == 0 ) continue;
					jobject eventArray0Item = brivelUnknownToInterfaceObject( brivelJniEnv, eventArray0Unk, "test/arrays/IItem" );
					if ( eventArray0Item == 0 ) {
						if ( brivelJniEnv->ExceptionCheck() ) break;
						continue;
					}
					brivelJniEnv->SetObjectArrayElement( eventArray0, eventArray0Index, eventArray0Item );
					brivelJniEnv->DeleteLocalRef( eventArray0Item );
				}
				SafeArrayUnaccessData( eventSafeArray0 );
			}
			if ( eventArray0Class != 0 ) brivelJniEnv->DeleteLocalRef( eventArray0Class );
		}
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		SAFEARRAY * eventSafeArray1 = ((( pDispParams->rgvarg[eventParamIndex1] ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( pDispParams->rgvarg[eventParamIndex1] ).vt & VT_BYREF ) ? (( pDispParams->rgvarg[eventParamIndex1] ).pparray == 0 ? (SAFEARRAY *) 0 : *( pDispParams->rgvarg[eventParamIndex1] ).pparray ) : ( pDispParams->rgvarg[eventParamIndex1] ).parray );
		jobjectArray eventArray1 = (jobjectArray) brivelSafeArrayToJArray( brivelJniEnv, eventSafeArray1, VT_VARIANT );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, eventArray0
			, eventArray1
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "Offered"
			, false, "test.arrays.IItem[]", eventArray0
			, false, "brivel.TavoVariant[]", eventArray1
		);
		if ( eventArray0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray0 );
		if ( eventArray1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray1 );
	}
	if ( dispIdMember == 3 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Asked", "(Lbrivel/out/TavoIntArray;Lbrivel/out/TavoComobjArray;Lbrivel/out/TavoStringArray;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Asked";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,3);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Asked", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,3);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Asked", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex2 = brivelGetParamIndex(2,pDispParams,3);
		if ( eventParamIndex2 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Asked", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		jthrowable brivelUnmade = NULL;
		SAFEARRAY * eventSafeArray0 = ((( pDispParams->rgvarg[eventParamIndex0] ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( pDispParams->rgvarg[eventParamIndex0] ).vt & VT_BYREF ) ? (( pDispParams->rgvarg[eventParamIndex0] ).pparray == 0 ? (SAFEARRAY *) 0 : *( pDispParams->rgvarg[eventParamIndex0] ).pparray ) : ( pDispParams->rgvarg[eventParamIndex0] ).parray );
		jintArray eventElements0 = (jintArray) brivelSafeArrayToJArray( brivelJniEnv, eventSafeArray0, VT_I4 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArray0 = 0;
		jclass eventArray0Class = brivelFindClass( brivelJniEnv, "brivel/out/TavoIntArray" );
		jfieldID eventArray0Field = eventArray0Class == 0 ? 0 : brivelJniEnv->GetFieldID( eventArray0Class, "array", "[I" );
		if ( eventArray0Field != 0 ) eventArray0 = brivelJniEnv->AllocObject( eventArray0Class );
		if ( eventArray0 != 0 ) brivelJniEnv->SetObjectField( eventArray0, eventArray0Field, eventElements0 );
		if ( eventElements0 != 0 ) brivelJniEnv->DeleteLocalRef( eventElements0 );
		if ( eventArray0Class != 0 ) brivelJniEnv->DeleteLocalRef( eventArray0Class );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		SAFEARRAY * eventSafeArray1 = ((( pDispParams->rgvarg[eventParamIndex1] ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( pDispParams->rgvarg[eventParamIndex1] ).vt & VT_BYREF ) ? (( pDispParams->rgvarg[eventParamIndex1] ).pparray == 0 ? (SAFEARRAY *) 0 : *( pDispParams->rgvarg[eventParamIndex1] ).pparray ) : ( pDispParams->rgvarg[eventParamIndex1] ).parray );
		jobjectArray eventElements1 = 0;
		if ( eventSafeArray1 != 0 && SafeArrayGetDim( eventSafeArray1 ) == 1 && ( eventSafeArray1->fFeatures & ( FADF_UNKNOWN | FADF_DISPATCH )) != 0 ) {
			jsize eventElements1Length = (jsize) eventSafeArray1->rgsabound[0].cElements;
			jclass eventElements1Class = brivelFindClass( brivelJniEnv, "test/arrays/IItem" );
			void * eventElements1Data = 0;
			if ( eventElements1Class != 0 ) eventElements1 = brivelJniEnv->NewObjectArray( eventElements1Length, eventElements1Class, 0 );
			if ( eventElements1 != 0 && eventElements1Length > 0 && SUCCEEDED( SafeArrayAccessData( eventSafeArray1, &eventElements1Data ))) {
				for ( jsize eventElements1Index = 0; eventElements1Index < eventElements1Length; eventElements1Index++ ) {
					IUnknown * eventElements1Unk = ((IUnknown **) eventElements1Data)[eventElements1Index];
					if ( eventElements1Unk == 0 ) continue;
					jobject eventElements1Item = brivelUnknownToInterfaceObject( brivelJniEnv, eventElements1Unk, "test/arrays/IItem" );
					if ( eventElements1Item == 0 ) {
						if ( brivelJniEnv->ExceptionCheck() ) break;
						continue;
					}
					brivelJniEnv->SetObjectArrayElement( eventElements1, eventElements1Index, eventElements1Item );
					brivelJniEnv->DeleteLocalRef( eventElements1Item );
				}
				SafeArrayUnaccessData( eventSafeArray1 );
			}
			if ( eventElements1Class != 0 ) brivelJniEnv->DeleteLocalRef( eventElements1Class );
		}
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArray1 = 0;
		jclass eventArray1Class = brivelFindClass( brivelJniEnv, "brivel/out/TavoComobjArray" );
		jfieldID eventArray1Field = eventArray1Class == 0 ? 0 : brivelJniEnv->GetFieldID( eventArray1Class, "array", "[Lbrivel/TavoObject;" );
		if ( eventArray1Field != 0 ) eventArray1 = brivelJniEnv->AllocObject( eventArray1Class );
		if ( eventArray1 != 0 ) brivelJniEnv->SetObjectField( eventArray1, eventArray1Field, eventElements1 );
		if ( eventElements1 != 0 ) brivelJniEnv->DeleteLocalRef( eventElements1 );
		if ( eventArray1Class != 0 ) brivelJniEnv->DeleteLocalRef( eventArray1Class );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if (( pDispParams->rgvarg[eventParamIndex2].vt & ( VT_BYREF | VT_ARRAY )) == ( VT_BYREF | VT_ARRAY ) && pDispParams->rgvarg[eventParamIndex2].pparray != 0 ) *pDispParams->rgvarg[eventParamIndex2].pparray = 0;
		SAFEARRAY * eventSafeArray2 = (SAFEARRAY *) 0;
		jobjectArray eventElements2 = (jobjectArray) brivelSafeArrayToJArray( brivelJniEnv, eventSafeArray2, VT_BSTR );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArray2 = 0;
		jclass eventArray2Class = brivelFindClass( brivelJniEnv, "brivel/out/TavoStringArray" );
		jfieldID eventArray2Field = eventArray2Class == 0 ? 0 : brivelJniEnv->GetFieldID( eventArray2Class, "array", "[Ljava/lang/String;" );
		if ( eventArray2Field != 0 ) eventArray2 = brivelJniEnv->AllocObject( eventArray2Class );
		if ( eventArray2 != 0 ) brivelJniEnv->SetObjectField( eventArray2, eventArray2Field, eventElements2 );
		if ( eventElements2 != 0 ) brivelJniEnv->DeleteLocalRef( eventElements2 );
		if ( eventArray2Class != 0 ) brivelJniEnv->DeleteLocalRef( eventArray2Class );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, eventArray0
			, eventArray1
			, eventArray2
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 3, 0, "void", "Asked"
			, true, "brivel.out.TavoIntArray", eventArray0
			, true, "brivel.out.TavoComobjArray", eventArray1
			, true, "brivel.out.TavoStringArray", eventArray2
		);
		if ( ! brivelJniEnv->ExceptionCheck()) {
			if (( pDispParams->rgvarg[eventParamIndex0].vt & ( VT_BYREF | VT_ARRAY )) == ( VT_BYREF | VT_ARRAY )) {
				if ( eventArray0 != 0 && pDispParams->rgvarg[eventParamIndex0].pparray != 0 ) {
					JNIEnv * env = brivelJniEnv;
					jclass eventNewArray0Class = env->GetObjectClass( eventArray0 );
					jfieldID eventNewArray0Field = env->GetFieldID( eventNewArray0Class, "array", "[I" );
					env->DeleteLocalRef( eventNewArray0Class );
					jobject eventNewArray0Value = eventNewArray0Field == 0 ? 0 : env->GetObjectField( eventArray0, eventNewArray0Field );
					SAFEARRAY * eventNewArray0 = brivelJArrayToSafeArray( env, (jarray) eventNewArray0Value, VT_I4 );
					if ( eventNewArray0Value != 0 ) env->DeleteLocalRef( eventNewArray0Value );
					if ( eventNewArray0Field != 0 && ! env->ExceptionCheck() && ( *pDispParams->rgvarg[eventParamIndex0].pparray == 0 || SUCCEEDED( SafeArrayDestroy( *pDispParams->rgvarg[eventParamIndex0].pparray ))))
						*pDispParams->rgvarg[eventParamIndex0].pparray = eventNewArray0;
					else if ( eventNewArray0 != 0 )
						SafeArrayDestroy( eventNewArray0 );
				}
			}
			if (( pDispParams->rgvarg[eventParamIndex1].vt & ( VT_BYREF | VT_ARRAY )) == ( VT_BYREF | VT_ARRAY )) {
				if ( eventArray1 != 0 && pDispParams->rgvarg[eventParamIndex1].pparray != 0 ) {
					JNIEnv * env = brivelJniEnv;
					jclass eventNewArray1Class = env->GetObjectClass( eventArray1 );
					jfieldID eventNewArray1Field = env->GetFieldID( eventNewArray1Class, "array", "[Lbrivel/TavoObject;" );
					env->DeleteLocalRef( eventNewArray1Class );
					jobject eventNewArray1Value = eventNewArray1Field == 0 ? 0 : env->GetObjectField( eventArray1, eventNewArray1Field );
					SAFEARRAY * eventNewArray1 = brivelJArrayToSafeArray( env, (jarray) eventNewArray1Value, VT_UNKNOWN );
					if ( eventNewArray1Value != 0 ) env->DeleteLocalRef( eventNewArray1Value );
					if ( eventNewArray1Field != 0 && ! env->ExceptionCheck() && ( *pDispParams->rgvarg[eventParamIndex1].pparray == 0 || SUCCEEDED( SafeArrayDestroy( *pDispParams->rgvarg[eventParamIndex1].pparray ))))
						*pDispParams->rgvarg[eventParamIndex1].pparray = eventNewArray1;
					else if ( eventNewArray1 != 0 )
						SafeArrayDestroy( eventNewArray1 );
				}
			}
			if (( pDispParams->rgvarg[eventParamIndex2].vt & ( VT_BYREF | VT_ARRAY )) == ( VT_BYREF | VT_ARRAY )) {
				if ( eventArray2 != 0 && pDispParams->rgvarg[eventParamIndex2].pparray != 0 ) {
					JNIEnv * env = brivelJniEnv;
					jclass eventNewArray2Class = env->GetObjectClass( eventArray2 );
					jfieldID eventNewArray2Field = env->GetFieldID( eventNewArray2Class, "array", "[Ljava/lang/String;" );
					env->DeleteLocalRef( eventNewArray2Class );
					jobject eventNewArray2Value = eventNewArray2Field == 0 ? 0 : env->GetObjectField( eventArray2, eventNewArray2Field );
					SAFEARRAY * eventNewArray2 = brivelJArrayToSafeArray( env, (jarray) eventNewArray2Value, VT_BSTR );
					if ( eventNewArray2Value != 0 ) env->DeleteLocalRef( eventNewArray2Value );
					if ( eventNewArray2Field != 0 && ! env->ExceptionCheck() )
						*pDispParams->rgvarg[eventParamIndex2].pparray = eventNewArray2;
					else if ( eventNewArray2 != 0 )
						SafeArrayDestroy( eventNewArray2 );
				}
			}
		}
		if ( eventArray0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray0 );
		if ( eventArray1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray1 );
		if ( eventArray2 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray2 );
	}
	if ( dispIdMember == 4 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Shown", "([I)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Shown";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Shown", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		jthrowable brivelUnmade = NULL;
		SAFEARRAY * eventSafeArray0 = ((( pDispParams->rgvarg[eventParamIndex0] ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( pDispParams->rgvarg[eventParamIndex0] ).vt & VT_BYREF ) ? (( pDispParams->rgvarg[eventParamIndex0] ).pparray == 0 ? (SAFEARRAY *) 0 : *( pDispParams->rgvarg[eventParamIndex0] ).pparray ) : ( pDispParams->rgvarg[eventParamIndex0] ).parray );
		jintArray eventArray0 = (jintArray) brivelSafeArrayToJArray( brivelJniEnv, eventSafeArray0, VT_I4 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, eventArray0
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "Shown"
			, false, "int[]", eventArray0
		);
		if ( eventArray0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray0 );
	}
	if ( brivelError != NULL && brivelFnName != NULL ) {
		jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
		jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventError", "(Ljava/lang/String;Ljava/lang/String;)V");
		brivelJniEnv->DeleteLocalRef( brivelListenerClass );
		if ( brivelMethod != NULL ) {
			jstring brivelFnString = brivelJniEnv->NewStringUTF( brivelFnName );
			jstring brivelErrorString = brivelJniEnv->NewStringUTF( brivelError );
			brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brivelErrorString );
			brivelJniEnv->DeleteLocalRef( brivelFnString );
			brivelJniEnv->DeleteLocalRef( brivelErrorString );
		}
	} else {
		jthrowable brvException = brivelJniEnv->ExceptionOccurred();
		if ( brvException != NULL ) {
			brivelJniEnv->ExceptionClear();
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( brivelFnName );
				brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
				brivelJniEnv->DeleteLocalRef( brivelFnString );
			}
			brivelJniEnv->DeleteLocalRef( brvException );
		}
	}
	if ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();
	return hResult;
}

extern "C" JNIEXPORT jboolean JNICALL Java_test_arrays_IRackEvents__1_1TavoLoad
	(JNIEnv * env, jobject thisObj, jobject obj, jboolean initial )
{
	HRESULT ret;
	IUnknown * pUnk;
	IDispatch * pDisp;
	brivelInitThread( env );
	if ( obj == 0 ) return 0;
	pUnk = (IUnknown *) env->GetIntField( obj, brivelGetComId());
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoIRackEvents, (void **) &pDisp );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret ) && initial ) {
		ret = brivelQueryInterface( env, pUnk, &IID_IDispatch, (void **) &pDisp );
		if ( brivelCheckFatalError( env )) return 0;
	}
	if ( FAILED( ret )) {
		return 0;
	}
	env->SetIntField( thisObj, brivelGetComId(), (jint) pDisp );
	return 1;
}

extern "C" JNIEXPORT jboolean JNICALL Java_test_arrays_IRackEvents__1_1TavoEventListenerInit
	(JNIEnv * env, jobject thisObj )
{
	brivelInitThread( env );
	IRackEventsHandlerImpl * sink = 0;
	try {
		sink = new IRackEventsHandlerImpl( thisObj );
	} catch ( ... ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/OutOfMemoryError" ), "event sink" );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetEventId(), (jint) sink );
	return 1;
}

// JNI Implementation of DRack.Numbers
extern "C" JNIEXPORT jintArray JNICALL Java_test_arrays_DRack_Numbers___3ILbrivel_out_TavoDoubleArray_2Lbrivel_out_TavoShortArray_2
	(JNIEnv * env,
	 jobject thisObj,
	 jintArray arg0,
	 jobject arg1,
	 jobject arg2)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[3];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	if ( arg0 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 1 is null" );
		return 0;
	}
	jarray jarray0 = (jarray) arg0;
	SAFEARRAY * tmpSafeArray0 = brivelJArrayToSafeArray( env, jarray0, VT_I4 );
	if ( env->ExceptionCheck() ) {
		if ( tmpSafeArray0 != 0 ) SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	vargs[2].vt = VT_ARRAY | VT_I4;
	vargs[2].parray = tmpSafeArray0;
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	jobject jarray1 = (jobject) arg1;
	SAFEARRAY * tmpSafeArray1 = brivelArrayObjToSafeArray( env, VT_R8, jarray1, "[D" );
	if ( env->ExceptionCheck() ) {
		if ( tmpSafeArray1 != 0 ) SafeArrayDestroy( tmpSafeArray1 );
		SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	vargs[1].vt = VT_ARRAY | VT_BYREF | VT_R8;
	vargs[1].pparray = &tmpSafeArray1;
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		SafeArrayDestroy( tmpSafeArray0 );
		SafeArrayDestroy( tmpSafeArray1 );
		return 0;
	}
	jobject jarray2 = (jobject) arg2;
	SAFEARRAY * tmpSafeArray2 = 0;
	vargs[0].vt = VT_ARRAY | VT_BYREF | VT_I2;
	vargs[0].pparray = &tmpSafeArray2;
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 1, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		SafeArrayDestroy( tmpSafeArray0 );
		SafeArrayDestroy( tmpSafeArray1 );
		SafeArrayDestroy( tmpSafeArray2 );
		return 0;
	}
	if ( SUCCEEDED( hr )) {
		tmpSafeArray1 = *vargs[1].pparray;
		brivelCopySafeArrayToArrayObj( env, VT_R8, tmpSafeArray1, jarray1, "[D" );
	}
	if ( SUCCEEDED( hr )) {
		tmpSafeArray2 = *vargs[0].pparray;
		brivelCopySafeArrayToArrayObj( env, VT_I2, tmpSafeArray2, jarray2, "[S" );
	}
	SafeArrayDestroy( tmpSafeArray0 );
	SafeArrayDestroy( tmpSafeArray1 );
	SafeArrayDestroy( tmpSafeArray2 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
		return 0;
	}
	if ( ( ret.vt & VT_ARRAY ) == 0 && ret.vt != VT_EMPTY && ret.vt != VT_NULL ) {
		VariantClear( &ret );
		brivelThrowComExceptionObject( env, DISP_E_TYPEMISMATCH, 0 );
		return 0;
	}
	SAFEARRAY * retSafeArray = ((( ret ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( ret ).vt & VT_BYREF ) ? (( ret ).pparray == 0 ? (SAFEARRAY *) 0 : *( ret ).pparray ) : ( ret ).parray );
	jintArray retArray = (jintArray) brivelSafeArrayToJArray( env, retSafeArray, VT_I4 );
	VariantClear( &ret );
	return retArray;
}

// JNI Implementation of DRack.Texts
extern "C" JNIEXPORT jobjectArray JNICALL Java_test_arrays_DRack_Texts___3Ljava_lang_String_2Lbrivel_out_TavoStringArray_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobjectArray arg0,
	 jobject arg1)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[2];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	if ( arg0 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 1 is null" );
		return 0;
	}
	jarray jarray0 = (jarray) arg0;
	SAFEARRAY * tmpSafeArray0 = brivelJArrayToSafeArray( env, jarray0, VT_BSTR );
	if ( env->ExceptionCheck() ) {
		if ( tmpSafeArray0 != 0 ) SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	vargs[1].vt = VT_ARRAY | VT_BSTR;
	vargs[1].parray = tmpSafeArray0;
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	jobject jarray1 = (jobject) arg1;
	SAFEARRAY * tmpSafeArray1 = brivelArrayObjToSafeArray( env, VT_BSTR, jarray1, "[Ljava/lang/String;" );
	if ( env->ExceptionCheck() ) {
		if ( tmpSafeArray1 != 0 ) SafeArrayDestroy( tmpSafeArray1 );
		SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	vargs[0].vt = VT_ARRAY | VT_BYREF | VT_BSTR;
	vargs[0].pparray = &tmpSafeArray1;
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 2, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		SafeArrayDestroy( tmpSafeArray0 );
		SafeArrayDestroy( tmpSafeArray1 );
		return 0;
	}
	if ( SUCCEEDED( hr )) {
		tmpSafeArray1 = *vargs[0].pparray;
		brivelCopySafeArrayToArrayObj( env, VT_BSTR, tmpSafeArray1, jarray1, "[Ljava/lang/String;" );
	}
	SafeArrayDestroy( tmpSafeArray0 );
	SafeArrayDestroy( tmpSafeArray1 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
		return 0;
	}
	if ( ( ret.vt & VT_ARRAY ) == 0 && ret.vt != VT_EMPTY && ret.vt != VT_NULL ) {
		VariantClear( &ret );
		brivelThrowComExceptionObject( env, DISP_E_TYPEMISMATCH, 0 );
		return 0;
	}
	SAFEARRAY * retSafeArray = ((( ret ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( ret ).vt & VT_BYREF ) ? (( ret ).pparray == 0 ? (SAFEARRAY *) 0 : *( ret ).pparray ) : ( ret ).parray );
	jobjectArray retArray = (jobjectArray) brivelSafeArrayToJArray( env, retSafeArray, VT_BSTR );
	VariantClear( &ret );
	return retArray;
}

// JNI Implementation of DRack.values
extern "C" JNIEXPORT jobjectArray JNICALL Java_test_arrays_DRack_values___3Lbrivel_TavoVariant_2Lbrivel_out_TavoVariantArray_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobjectArray arg0,
	 jobject arg1)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[2];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	if ( arg0 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 1 is null" );
		return 0;
	}
	jarray jarray0 = (jarray) arg0;
	SAFEARRAY * tmpSafeArray0 = brivelJArrayToSafeArray( env, jarray0, VT_VARIANT );
	if ( env->ExceptionCheck() ) {
		if ( tmpSafeArray0 != 0 ) SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	vargs[1].vt = VT_ARRAY | VT_VARIANT;
	vargs[1].parray = tmpSafeArray0;
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	jobject jarray1 = (jobject) arg1;
	SAFEARRAY * tmpSafeArray1 = brivelArrayObjToSafeArray( env, VT_VARIANT, jarray1, "[Lbrivel/TavoVariant;" );
	if ( env->ExceptionCheck() ) {
		if ( tmpSafeArray1 != 0 ) SafeArrayDestroy( tmpSafeArray1 );
		SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	vargs[0].vt = VT_ARRAY | VT_BYREF | VT_VARIANT;
	vargs[0].pparray = &tmpSafeArray1;
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 3, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		SafeArrayDestroy( tmpSafeArray0 );
		SafeArrayDestroy( tmpSafeArray1 );
		return 0;
	}
	if ( SUCCEEDED( hr )) {
		tmpSafeArray1 = *vargs[0].pparray;
		brivelCopySafeArrayToArrayObj( env, VT_VARIANT, tmpSafeArray1, jarray1, "[Lbrivel/TavoVariant;" );
	}
	SafeArrayDestroy( tmpSafeArray0 );
	SafeArrayDestroy( tmpSafeArray1 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
		return 0;
	}
	if ( ( ret.vt & VT_ARRAY ) == 0 && ret.vt != VT_EMPTY && ret.vt != VT_NULL ) {
		VariantClear( &ret );
		brivelThrowComExceptionObject( env, DISP_E_TYPEMISMATCH, 0 );
		return 0;
	}
	SAFEARRAY * retSafeArray = ((( ret ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( ret ).vt & VT_BYREF ) ? (( ret ).pparray == 0 ? (SAFEARRAY *) 0 : *( ret ).pparray ) : ( ret ).parray );
	jobjectArray retArray = (jobjectArray) brivelSafeArrayToJArray( env, retSafeArray, VT_VARIANT );
	VariantClear( &ret );
	return retArray;
}

// JNI Implementation of DRack.Flags
extern "C" JNIEXPORT jbooleanArray JNICALL Java_test_arrays_DRack_Flags___3ZLbrivel_out_TavoBooleanArray_2
	(JNIEnv * env,
	 jobject thisObj,
	 jbooleanArray arg0,
	 jobject arg1)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[2];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	if ( arg0 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 1 is null" );
		return 0;
	}
	jarray jarray0 = (jarray) arg0;
	SAFEARRAY * tmpSafeArray0 = brivelJArrayToSafeArray( env, jarray0, VT_BOOL );
	if ( env->ExceptionCheck() ) {
		if ( tmpSafeArray0 != 0 ) SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	vargs[1].vt = VT_ARRAY | VT_BOOL;
	vargs[1].parray = tmpSafeArray0;
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	jobject jarray1 = (jobject) arg1;
	SAFEARRAY * tmpSafeArray1 = brivelArrayObjToSafeArray( env, VT_BOOL, jarray1, "[Z" );
	if ( env->ExceptionCheck() ) {
		if ( tmpSafeArray1 != 0 ) SafeArrayDestroy( tmpSafeArray1 );
		SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	vargs[0].vt = VT_ARRAY | VT_BYREF | VT_BOOL;
	vargs[0].pparray = &tmpSafeArray1;
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 4, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		SafeArrayDestroy( tmpSafeArray0 );
		SafeArrayDestroy( tmpSafeArray1 );
		return 0;
	}
	if ( SUCCEEDED( hr )) {
		tmpSafeArray1 = *vargs[0].pparray;
		brivelCopySafeArrayToArrayObj( env, VT_BOOL, tmpSafeArray1, jarray1, "[Z" );
	}
	SafeArrayDestroy( tmpSafeArray0 );
	SafeArrayDestroy( tmpSafeArray1 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
		return 0;
	}
	if ( ( ret.vt & VT_ARRAY ) == 0 && ret.vt != VT_EMPTY && ret.vt != VT_NULL ) {
		VariantClear( &ret );
		brivelThrowComExceptionObject( env, DISP_E_TYPEMISMATCH, 0 );
		return 0;
	}
	SAFEARRAY * retSafeArray = ((( ret ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( ret ).vt & VT_BYREF ) ? (( ret ).pparray == 0 ? (SAFEARRAY *) 0 : *( ret ).pparray ) : ( ret ).parray );
	jbooleanArray retArray = (jbooleanArray) brivelSafeArrayToJArray( env, retSafeArray, VT_BOOL );
	VariantClear( &ret );
	return retArray;
}

// JNI Implementation of DRack.Dates
extern "C" JNIEXPORT jobjectArray JNICALL Java_test_arrays_DRack_Dates___3Ljava_util_Date_2Lbrivel_out_TavoDateArray_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobjectArray arg0,
	 jobject arg1)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[2];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	if ( arg0 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 1 is null" );
		return 0;
	}
	jarray jarray0 = (jarray) arg0;
	SAFEARRAY * tmpSafeArray0 = brivelJArrayToSafeArray( env, jarray0, VT_DATE );
	if ( env->ExceptionCheck() ) {
		if ( tmpSafeArray0 != 0 ) SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	vargs[1].vt = VT_ARRAY | VT_DATE;
	vargs[1].parray = tmpSafeArray0;
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	jobject jarray1 = (jobject) arg1;
	SAFEARRAY * tmpSafeArray1 = brivelArrayObjToSafeArray( env, VT_DATE, jarray1, "[Ljava/util/Date;" );
	if ( env->ExceptionCheck() ) {
		if ( tmpSafeArray1 != 0 ) SafeArrayDestroy( tmpSafeArray1 );
		SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	vargs[0].vt = VT_ARRAY | VT_BYREF | VT_DATE;
	vargs[0].pparray = &tmpSafeArray1;
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 5, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		SafeArrayDestroy( tmpSafeArray0 );
		SafeArrayDestroy( tmpSafeArray1 );
		return 0;
	}
	if ( SUCCEEDED( hr )) {
		tmpSafeArray1 = *vargs[0].pparray;
		brivelCopySafeArrayToArrayObj( env, VT_DATE, tmpSafeArray1, jarray1, "[Ljava/util/Date;" );
	}
	SafeArrayDestroy( tmpSafeArray0 );
	SafeArrayDestroy( tmpSafeArray1 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
		return 0;
	}
	if ( ( ret.vt & VT_ARRAY ) == 0 && ret.vt != VT_EMPTY && ret.vt != VT_NULL ) {
		VariantClear( &ret );
		brivelThrowComExceptionObject( env, DISP_E_TYPEMISMATCH, 0 );
		return 0;
	}
	SAFEARRAY * retSafeArray = ((( ret ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( ret ).vt & VT_BYREF ) ? (( ret ).pparray == 0 ? (SAFEARRAY *) 0 : *( ret ).pparray ) : ( ret ).parray );
	jobjectArray retArray = (jobjectArray) brivelSafeArrayToJArray( env, retSafeArray, VT_DATE );
	VariantClear( &ret );
	return retArray;
}

// JNI Implementation of DRack.Amounts
extern "C" JNIEXPORT jlongArray JNICALL Java_test_arrays_DRack_Amounts___3JLbrivel_out_TavoLongArray_2
	(JNIEnv * env,
	 jobject thisObj,
	 jlongArray arg0,
	 jobject arg1)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[2];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	if ( arg0 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 1 is null" );
		return 0;
	}
	jarray jarray0 = (jarray) arg0;
	SAFEARRAY * tmpSafeArray0 = brivelJArrayToSafeArray( env, jarray0, VT_CY );
	if ( env->ExceptionCheck() ) {
		if ( tmpSafeArray0 != 0 ) SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	vargs[1].vt = VT_ARRAY | VT_CY;
	vargs[1].parray = tmpSafeArray0;
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	jobject jarray1 = (jobject) arg1;
	SAFEARRAY * tmpSafeArray1 = brivelArrayObjToSafeArray( env, VT_CY, jarray1, "[J" );
	if ( env->ExceptionCheck() ) {
		if ( tmpSafeArray1 != 0 ) SafeArrayDestroy( tmpSafeArray1 );
		SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	vargs[0].vt = VT_ARRAY | VT_BYREF | VT_CY;
	vargs[0].pparray = &tmpSafeArray1;
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 6, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		SafeArrayDestroy( tmpSafeArray0 );
		SafeArrayDestroy( tmpSafeArray1 );
		return 0;
	}
	if ( SUCCEEDED( hr )) {
		tmpSafeArray1 = *vargs[0].pparray;
		brivelCopySafeArrayToArrayObj( env, VT_CY, tmpSafeArray1, jarray1, "[J" );
	}
	SafeArrayDestroy( tmpSafeArray0 );
	SafeArrayDestroy( tmpSafeArray1 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
		return 0;
	}
	if ( ( ret.vt & VT_ARRAY ) == 0 && ret.vt != VT_EMPTY && ret.vt != VT_NULL ) {
		VariantClear( &ret );
		brivelThrowComExceptionObject( env, DISP_E_TYPEMISMATCH, 0 );
		return 0;
	}
	SAFEARRAY * retSafeArray = ((( ret ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( ret ).vt & VT_BYREF ) ? (( ret ).pparray == 0 ? (SAFEARRAY *) 0 : *( ret ).pparray ) : ( ret ).parray );
	jlongArray retArray = (jlongArray) brivelSafeArrayToJArray( env, retSafeArray, VT_CY );
	VariantClear( &ret );
	return retArray;
}

// JNI Implementation of DRack.Shapes
extern "C" JNIEXPORT jobjectArray JNICALL Java_test_arrays_DRack_Shapes___3Ltest_arrays_Shape_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobjectArray arg0)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[1];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	if ( arg0 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 1 is null" );
		return 0;
	}
	jarray jarray0 = (jarray) arg0;
	SAFEARRAY * tmpSafeArray0 = 0;
	if ( jarray0 != 0 ) {
		jobjectArray tmpSafeArray0Java = (jobjectArray) jarray0;
		jsize tmpSafeArray0Length = env->GetArrayLength( tmpSafeArray0Java );
		void * tmpSafeArray0Data = 0;
		tmpSafeArray0 = SafeArrayCreateVector( VT_I4, 0, (ULONG) tmpSafeArray0Length );
		if ( tmpSafeArray0 != 0 && SUCCEEDED( SafeArrayAccessData( tmpSafeArray0, &tmpSafeArray0Data ))) {
			for ( jsize tmpSafeArray0Index = 0; tmpSafeArray0Index < tmpSafeArray0Length && ! env->ExceptionCheck(); tmpSafeArray0Index++ ) {
				jobject tmpSafeArray0Item = env->GetObjectArrayElement( tmpSafeArray0Java, tmpSafeArray0Index );
				((LONG *) tmpSafeArray0Data)[tmpSafeArray0Index] = tmpSafeArray0Item == 0 ? 0 : (LONG) brivelEnumeratedObjectToInt( env, tmpSafeArray0Item );
				if ( tmpSafeArray0Item != 0 ) env->DeleteLocalRef( tmpSafeArray0Item );
			}
			SafeArrayUnaccessData( tmpSafeArray0 );
		}
	}
	if ( env->ExceptionCheck() ) {
		if ( tmpSafeArray0 != 0 ) SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	vargs[0].vt = VT_ARRAY | VT_I4;
	vargs[0].parray = tmpSafeArray0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 7, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	SafeArrayDestroy( tmpSafeArray0 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
		return 0;
	}
	if ( ( ret.vt & VT_ARRAY ) == 0 && ret.vt != VT_EMPTY && ret.vt != VT_NULL ) {
		VariantClear( &ret );
		brivelThrowComExceptionObject( env, DISP_E_TYPEMISMATCH, 0 );
		return 0;
	}
	SAFEARRAY * retSafeArray = ((( ret ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( ret ).vt & VT_BYREF ) ? (( ret ).pparray == 0 ? (SAFEARRAY *) 0 : *( ret ).pparray ) : ( ret ).parray );
	jobjectArray retArray = 0;
	if ( retSafeArray != 0 && SafeArrayGetDim( retSafeArray ) == 1 && SafeArrayGetElemsize( retSafeArray ) == sizeof( LONG )) {
		jsize retArrayLength = (jsize) retSafeArray->rgsabound[0].cElements;
		jclass retArrayClass = brivelFindClass( env, "test/arrays/Shape" );
		void * retArrayData = 0;
		if ( retArrayClass != 0 ) retArray = env->NewObjectArray( retArrayLength, retArrayClass, 0 );
		if ( retArray != 0 && retArrayLength > 0 && SUCCEEDED( SafeArrayAccessData( retSafeArray, &retArrayData ))) {
			for ( jsize retArrayIndex = 0; retArrayIndex < retArrayLength; retArrayIndex++ ) {
				jobject retArrayItem = brivelIntToEnumeratedObject( env, (int) ((LONG *) retArrayData)[retArrayIndex], "test/arrays/Shape" );
				if ( retArrayItem == 0 ) {
					if ( env->ExceptionCheck() ) break;
					continue;
				}
				env->SetObjectArrayElement( retArray, retArrayIndex, retArrayItem );
				env->DeleteLocalRef( retArrayItem );
			}
			SafeArrayUnaccessData( retSafeArray );
		}
		if ( retArrayClass != 0 ) env->DeleteLocalRef( retArrayClass );
	}
	VariantClear( &ret );
	return retArray;
}

// JNI Implementation of DRack.Items
extern "C" JNIEXPORT jobjectArray JNICALL Java_test_arrays_DRack_Items___3Ltest_arrays_IItem_2Lbrivel_out_TavoComobjArray_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobjectArray arg0,
	 jobject arg1)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[2];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	if ( arg0 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 1 is null" );
		return 0;
	}
	jarray jarray0 = (jarray) arg0;
	SAFEARRAY * tmpSafeArray0 = brivelJArrayToSafeArray( env, jarray0, VT_UNKNOWN );
	if ( env->ExceptionCheck() ) {
		if ( tmpSafeArray0 != 0 ) SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	vargs[1].vt = VT_ARRAY | VT_UNKNOWN;
	vargs[1].parray = tmpSafeArray0;
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	jobject jarray1 = (jobject) arg1;
	SAFEARRAY * tmpSafeArray1 = brivelArrayObjToSafeArray( env, VT_UNKNOWN, jarray1, "[Lbrivel/TavoObject;" );
	if ( env->ExceptionCheck() ) {
		if ( tmpSafeArray1 != 0 ) SafeArrayDestroy( tmpSafeArray1 );
		SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	vargs[0].vt = VT_ARRAY | VT_BYREF | VT_UNKNOWN;
	vargs[0].pparray = &tmpSafeArray1;
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 8, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		SafeArrayDestroy( tmpSafeArray0 );
		SafeArrayDestroy( tmpSafeArray1 );
		return 0;
	}
	if ( SUCCEEDED( hr )) {
		tmpSafeArray1 = *vargs[0].pparray;
		{
			jobjectArray outArray1 = 0;
			if ( tmpSafeArray1 != 0 && SafeArrayGetDim( tmpSafeArray1 ) == 1 && ( tmpSafeArray1->fFeatures & ( FADF_UNKNOWN | FADF_DISPATCH )) != 0 ) {
				jsize outArray1Length = (jsize) tmpSafeArray1->rgsabound[0].cElements;
				jclass outArray1Class = brivelFindClass( env, "test/arrays/IItem" );
				void * outArray1Data = 0;
				if ( outArray1Class != 0 ) outArray1 = env->NewObjectArray( outArray1Length, outArray1Class, 0 );
				if ( outArray1 != 0 && outArray1Length > 0 && SUCCEEDED( SafeArrayAccessData( tmpSafeArray1, &outArray1Data ))) {
					for ( jsize outArray1Index = 0; outArray1Index < outArray1Length; outArray1Index++ ) {
						IUnknown * outArray1Unk = ((IUnknown **) outArray1Data)[outArray1Index];
						if ( outArray1Unk == 0 ) continue;
						jobject outArray1Item = brivelUnknownToInterfaceObject( env, outArray1Unk, "test/arrays/IItem" );
						if ( outArray1Item == 0 ) {
							if ( env->ExceptionCheck() ) break;
							continue;
						}
						env->SetObjectArrayElement( outArray1, outArray1Index, outArray1Item );
						env->DeleteLocalRef( outArray1Item );
					}
					SafeArrayUnaccessData( tmpSafeArray1 );
				}
				if ( outArray1Class != 0 ) env->DeleteLocalRef( outArray1Class );
			}
			jfieldID outArray1Field = env->GetFieldID( env->GetObjectClass( jarray1 ), "array", "[Lbrivel/TavoObject;" );
			if ( outArray1Field != 0 ) env->SetObjectField( jarray1, outArray1Field, outArray1 );
			if ( outArray1 != 0 ) env->DeleteLocalRef( outArray1 );
		}
	}
	SafeArrayDestroy( tmpSafeArray0 );
	SafeArrayDestroy( tmpSafeArray1 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
		return 0;
	}
	if ( ( ret.vt & VT_ARRAY ) == 0 && ret.vt != VT_EMPTY && ret.vt != VT_NULL ) {
		VariantClear( &ret );
		brivelThrowComExceptionObject( env, DISP_E_TYPEMISMATCH, 0 );
		return 0;
	}
	SAFEARRAY * retSafeArray = ((( ret ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( ret ).vt & VT_BYREF ) ? (( ret ).pparray == 0 ? (SAFEARRAY *) 0 : *( ret ).pparray ) : ( ret ).parray );
	jobjectArray retArray = 0;
	if ( retSafeArray != 0 && SafeArrayGetDim( retSafeArray ) == 1 && ( retSafeArray->fFeatures & ( FADF_UNKNOWN | FADF_DISPATCH )) != 0 ) {
		jsize retArrayLength = (jsize) retSafeArray->rgsabound[0].cElements;
		jclass retArrayClass = brivelFindClass( env, "test/arrays/IItem" );
		void * retArrayData = 0;
		if ( retArrayClass != 0 ) retArray = env->NewObjectArray( retArrayLength, retArrayClass, 0 );
		if ( retArray != 0 && retArrayLength > 0 && SUCCEEDED( SafeArrayAccessData( retSafeArray, &retArrayData ))) {
			for ( jsize retArrayIndex = 0; retArrayIndex < retArrayLength; retArrayIndex++ ) {
				IUnknown * retArrayUnk = ((IUnknown **) retArrayData)[retArrayIndex];
				if ( retArrayUnk == 0 ) continue;
				jobject retArrayItem = brivelUnknownToInterfaceObject( env, retArrayUnk, "test/arrays/IItem" );
				if ( retArrayItem == 0 ) {
					if ( env->ExceptionCheck() ) break;
					continue;
				}
				env->SetObjectArrayElement( retArray, retArrayIndex, retArrayItem );
				env->DeleteLocalRef( retArrayItem );
			}
			SafeArrayUnaccessData( retSafeArray );
		}
		if ( retArrayClass != 0 ) env->DeleteLocalRef( retArrayClass );
	}
	VariantClear( &ret );
	return retArray;
}

// JNI Implementation of DRack.Bytes
extern "C" JNIEXPORT jbyteArray JNICALL Java_test_arrays_DRack_Bytes___3BLbrivel_out_TavoFloatArray_2
	(JNIEnv * env,
	 jobject thisObj,
	 jbyteArray arg0,
	 jobject arg1)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[2];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	if ( arg0 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 1 is null" );
		return 0;
	}
	jarray jarray0 = (jarray) arg0;
	SAFEARRAY * tmpSafeArray0 = brivelJArrayToSafeArray( env, jarray0, VT_UI1 );
	if ( env->ExceptionCheck() ) {
		if ( tmpSafeArray0 != 0 ) SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	vargs[1].vt = VT_ARRAY | VT_UI1;
	vargs[1].parray = tmpSafeArray0;
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	jobject jarray1 = (jobject) arg1;
	SAFEARRAY * tmpSafeArray1 = brivelArrayObjToSafeArray( env, VT_R4, jarray1, "[F" );
	if ( env->ExceptionCheck() ) {
		if ( tmpSafeArray1 != 0 ) SafeArrayDestroy( tmpSafeArray1 );
		SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	vargs[0].vt = VT_ARRAY | VT_BYREF | VT_R4;
	vargs[0].pparray = &tmpSafeArray1;
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 9, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		SafeArrayDestroy( tmpSafeArray0 );
		SafeArrayDestroy( tmpSafeArray1 );
		return 0;
	}
	if ( SUCCEEDED( hr )) {
		tmpSafeArray1 = *vargs[0].pparray;
		brivelCopySafeArrayToArrayObj( env, VT_R4, tmpSafeArray1, jarray1, "[F" );
	}
	SafeArrayDestroy( tmpSafeArray0 );
	SafeArrayDestroy( tmpSafeArray1 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
		return 0;
	}
	if ( ( ret.vt & VT_ARRAY ) == 0 && ret.vt != VT_EMPTY && ret.vt != VT_NULL ) {
		VariantClear( &ret );
		brivelThrowComExceptionObject( env, DISP_E_TYPEMISMATCH, 0 );
		return 0;
	}
	SAFEARRAY * retSafeArray = ((( ret ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( ret ).vt & VT_BYREF ) ? (( ret ).pparray == 0 ? (SAFEARRAY *) 0 : *( ret ).pparray ) : ( ret ).parray );
	jbyteArray retArray = (jbyteArray) brivelSafeArrayToJArray( env, retSafeArray, VT_UI1 );
	VariantClear( &ret );
	return retArray;
}

// JNI Implementation of DRack.Sum
extern "C" JNIEXPORT jint JNICALL Java_test_arrays_DRack_Sum___3I_3Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jintArray arg0,
	 jobjectArray arg1)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[2];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	if ( arg0 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 1 is null" );
		return 0;
	}
	jarray jarray0 = (jarray) arg0;
	SAFEARRAY * tmpSafeArray0 = brivelJArrayToSafeArray( env, jarray0, VT_I4 );
	if ( env->ExceptionCheck() ) {
		if ( tmpSafeArray0 != 0 ) SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	vargs[1].vt = VT_ARRAY | VT_BYREF | VT_I4;
	vargs[1].pparray = &tmpSafeArray0;
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	jarray jarray1 = (jarray) arg1;
	SAFEARRAY * tmpSafeArray1 = brivelJArrayToSafeArray( env, jarray1, VT_VARIANT );
	if ( env->ExceptionCheck() ) {
		if ( tmpSafeArray1 != 0 ) SafeArrayDestroy( tmpSafeArray1 );
		SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	vargs[0].vt = VT_ARRAY | VT_BYREF | VT_VARIANT;
	vargs[0].pparray = &tmpSafeArray1;
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 12, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		SafeArrayDestroy( tmpSafeArray0 );
		SafeArrayDestroy( tmpSafeArray1 );
		return 0;
	}
	SafeArrayDestroy( tmpSafeArray0 );
	SafeArrayDestroy( tmpSafeArray1 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
		return 0;
	}
	if ( ret.vt != VT_I4 && FAILED( hr = VariantChangeType( &ret, &ret, 0, VT_I4 ))) {
		if ( ret.vt != VT_EMPTY ) {
			VariantClear( &ret );
			brivelThrowComExceptionObject( env, hr, 0 );
			return 0;
		}
		memset( &ret, 0, sizeof ret );
	}
	return (jint)V_I4( &ret );
}

extern "C" JNIEXPORT jboolean JNICALL Java_test_arrays_DRack__1_1TavoLoad
	(JNIEnv * env, jobject thisObj, jobject obj, jboolean initial )
{
	HRESULT ret;
	IUnknown * pUnk;
	IDispatch * pDisp;
	brivelInitThread( env );
	if ( obj == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 1 is null" );
		return 0;
	}
	pUnk = (IUnknown *) env->GetIntField( obj, brivelGetComId() );
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoDRack, (void **) &pDisp );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret ) && initial ) {
		ret = brivelQueryInterface( env, pUnk, &IID_IDispatch, (void **) &pDisp );
		if ( brivelCheckFatalError( env )) return 0;
	}
	if ( FAILED( ret )) {
		if ( ! initial ) brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetComId(), (jint) pDisp );
	return 1;
}

class DShelfEventsHandlerImpl : public IDispatch {
	jobject brvJavaObject;
	bool serverSide;
	jstring interfaceName;
	long brvRef;
public:
	DShelfEventsHandlerImpl( jobject obj ) : interfaceName(NULL), serverSide(false), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) {}

	DShelfEventsHandlerImpl( jstring intf, jobject obj ) : interfaceName(intf), serverSide(true), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) {}

	virtual HRESULT STDMETHODCALLTYPE QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject);
	virtual ULONG STDMETHODCALLTYPE AddRef( void);
	virtual ULONG STDMETHODCALLTYPE Release( void);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfoCount( UINT __RPC_FAR *pctinfo);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo);
	virtual HRESULT STDMETHODCALLTYPE GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId);
	virtual HRESULT STDMETHODCALLTYPE Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS __RPC_FAR *pDispParams, VARIANT __RPC_FAR *pVarResult, EXCEPINFO __RPC_FAR *pExcepInfo, UINT __RPC_FAR *puArgErr);
};


HRESULT STDMETHODCALLTYPE DShelfEventsHandlerImpl::QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject)
{
	if ( riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_ITavoDShelfEvents ) {
		*ppvObject = this;
		AddRef();
		return S_OK;
	}
	if ( riid == IID_BrivelQueryIID ) {
		*ppvObject = (void *) &IID_ITavoDShelfEvents;
		return S_OK;
	}
	*ppvObject = NULL;
	return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE DShelfEventsHandlerImpl::AddRef( void )
{
	return InterlockedIncrement( &brvRef );
}

ULONG STDMETHODCALLTYPE DShelfEventsHandlerImpl::Release( void )
{
	LONG brvCount = InterlockedDecrement( &brvRef );
	if ( brvCount <= 0 ) {
		JNIEnv * brivelJniEnv = brivelGetJniEnv();
		if ( brivelJniEnv != NULL ) {
			if ( brvJavaObject != NULL ) brivelJniEnv->DeleteGlobalRef( brvJavaObject );
			if ( interfaceName != NULL ) brivelJniEnv->DeleteGlobalRef( interfaceName );
		}
		delete this;
		return 0;
	}
	return brvCount;
}

HRESULT STDMETHODCALLTYPE DShelfEventsHandlerImpl::GetTypeInfoCount( UINT __RPC_FAR *pctinfo)
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE DShelfEventsHandlerImpl::GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo )
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE DShelfEventsHandlerImpl::GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId)
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE DShelfEventsHandlerImpl::Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
    DISPPARAMS __RPC_FAR *pDispParams,
    VARIANT __RPC_FAR *pVarResult,
    EXCEPINFO __RPC_FAR *pExcepInfo,
    UINT __RPC_FAR *puArgErr)
{
	JNIEnv * brivelJniEnv = brivelGetJniEnv();
	if ( brivelJniEnv == NULL ) return E_UNEXPECTED;
	brivelInitEventThread( brivelJniEnv );
	const char * brivelError = NULL;
	const char * brivelFnName = NULL;
	HRESULT hResult = S_OK;
	if ( serverSide && ! CheckServerSideEvents( brivelJniEnv )) return hResult;
	if ( dispIdMember == 1 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Filled", "([I[Ljava/lang/String;[Ljava/util/Date;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Filled";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,3);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Filled", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,3);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Filled", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex2 = brivelGetParamIndex(2,pDispParams,3);
		if ( eventParamIndex2 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Filled", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		jthrowable brivelUnmade = NULL;
		SAFEARRAY * eventSafeArray0 = ((( pDispParams->rgvarg[eventParamIndex0] ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( pDispParams->rgvarg[eventParamIndex0] ).vt & VT_BYREF ) ? (( pDispParams->rgvarg[eventParamIndex0] ).pparray == 0 ? (SAFEARRAY *) 0 : *( pDispParams->rgvarg[eventParamIndex0] ).pparray ) : ( pDispParams->rgvarg[eventParamIndex0] ).parray );
		jintArray eventArray0 = (jintArray) brivelSafeArrayToJArray( brivelJniEnv, eventSafeArray0, VT_I4 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		SAFEARRAY * eventSafeArray1 = ((( pDispParams->rgvarg[eventParamIndex1] ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( pDispParams->rgvarg[eventParamIndex1] ).vt & VT_BYREF ) ? (( pDispParams->rgvarg[eventParamIndex1] ).pparray == 0 ? (SAFEARRAY *) 0 : *( pDispParams->rgvarg[eventParamIndex1] ).pparray ) : ( pDispParams->rgvarg[eventParamIndex1] ).parray );
		jobjectArray eventArray1 = (jobjectArray) brivelSafeArrayToJArray( brivelJniEnv, eventSafeArray1, VT_BSTR );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		SAFEARRAY * eventSafeArray2 = ((( pDispParams->rgvarg[eventParamIndex2] ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( pDispParams->rgvarg[eventParamIndex2] ).vt & VT_BYREF ) ? (( pDispParams->rgvarg[eventParamIndex2] ).pparray == 0 ? (SAFEARRAY *) 0 : *( pDispParams->rgvarg[eventParamIndex2] ).pparray ) : ( pDispParams->rgvarg[eventParamIndex2] ).parray );
		jobjectArray eventArray2 = (jobjectArray) brivelSafeArrayToJArray( brivelJniEnv, eventSafeArray2, VT_DATE );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, eventArray0
			, eventArray1
			, eventArray2
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 3, 0, "void", "Filled"
			, false, "int[]", eventArray0
			, false, "String[]", eventArray1
			, false, "java.util.Date[]", eventArray2
		);
		if ( eventArray0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray0 );
		if ( eventArray1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray1 );
		if ( eventArray2 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray2 );
	}
	if ( dispIdMember == 2 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Offered", "([Ltest/arrays/IItem;[Lbrivel/TavoVariant;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Offered";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,2);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Offered", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,2);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Offered", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		jthrowable brivelUnmade = NULL;
		SAFEARRAY * eventSafeArray0 = ((( pDispParams->rgvarg[eventParamIndex0] ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( pDispParams->rgvarg[eventParamIndex0] ).vt & VT_BYREF ) ? (( pDispParams->rgvarg[eventParamIndex0] ).pparray == 0 ? (SAFEARRAY *) 0 : *( pDispParams->rgvarg[eventParamIndex0] ).pparray ) : ( pDispParams->rgvarg[eventParamIndex0] ).parray );
		jobjectArray eventArray0 = 0;
		if ( eventSafeArray0 != 0 && SafeArrayGetDim( eventSafeArray0 ) == 1 && ( eventSafeArray0->fFeatures & ( FADF_UNKNOWN | FADF_DISPATCH )) != 0 ) {
			jsize eventArray0Length = (jsize) eventSafeArray0->rgsabound[0].cElements;
			jclass eventArray0Class = brivelFindClass( brivelJniEnv, "test/arrays/IItem" );
			void * eventArray0Data = 0;
			if ( eventArray0Class != 0 ) eventArray0 = brivelJniEnv->NewObjectArray( eventArray0Length, eventArray0Class, 0 );
			if ( eventArray0 != 0 && eventArray0Length > 0 && SUCCEEDED( SafeArrayAccessData( eventSafeArray0, &eventArray0Data ))) {
				for ( jsize eventArray0Index = 0; eventArray0Index < eventArray0Length; eventArray0Index++ ) {
					IUnknown * eventArray0Unk = ((IUnknown **) eventArray0Data)[eventArray0Index];
					if ( eventArray0Unk == 0 ) continue;
					jobject eventArray0Item = brivelUnknownToInterfaceObject( brivelJniEnv, eventArray0Unk, "test/arrays/IItem" );
					if ( eventArray0Item == 0 ) {
						if ( brivelJniEnv->ExceptionCheck() ) break;
						continue;
					}
					brivelJniEnv->SetObjectArrayElement( eventArray0, eventArray0Index, eventArray0Item );
					brivelJniEnv->DeleteLocalRef( eventArray0Item );
				}
				SafeArrayUnaccessData( eventSafeArray0 );
			}
			if ( eventArray0Class != 0 ) brivelJniEnv->DeleteLocalRef( eventArray0Class );
		}
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		SAFEARRAY * eventSafeArray1 = ((( pDispParams->rgvarg[eventParamIndex1] ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( pDispParams->rgvarg[eventParamIndex1] ).vt & VT_BYREF ) ? (( pDispParams->rgvarg[eventParamIndex1] ).pparray == 0 ? (SAFEARRAY *) 0 : *( pDispParams->rgvarg[eventParamIndex1] ).pparray ) : ( pDispParams->rgvarg[eventParamIndex1] ).parray );
		jobjectArray eventArray1 = (jobjectArray) brivelSafeArrayToJArray( brivelJniEnv, eventSafeArray1, VT_VARIANT );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, eventArray0
			, eventArray1
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "Offered"
			, false, "test.arrays.IItem[]", eventArray0
			, false, "brivel.TavoVariant[]", eventArray1
		);
		if ( eventArray0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray0 );
		if ( eventArray1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray1 );
	}
	if ( dispIdMember == 3 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Asked", "(Lbrivel/out/TavoIntArray;Lbrivel/out/TavoComobjArray;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Asked";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,2);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Asked", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,2);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Asked", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		jthrowable brivelUnmade = NULL;
		SAFEARRAY * eventSafeArray0 = ((( pDispParams->rgvarg[eventParamIndex0] ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( pDispParams->rgvarg[eventParamIndex0] ).vt & VT_BYREF ) ? (( pDispParams->rgvarg[eventParamIndex0] ).pparray == 0 ? (SAFEARRAY *) 0 : *( pDispParams->rgvarg[eventParamIndex0] ).pparray ) : ( pDispParams->rgvarg[eventParamIndex0] ).parray );
		jintArray eventElements0 = (jintArray) brivelSafeArrayToJArray( brivelJniEnv, eventSafeArray0, VT_I4 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArray0 = 0;
		jclass eventArray0Class = brivelFindClass( brivelJniEnv, "brivel/out/TavoIntArray" );
		jfieldID eventArray0Field = eventArray0Class == 0 ? 0 : brivelJniEnv->GetFieldID( eventArray0Class, "array", "[I" );
		if ( eventArray0Field != 0 ) eventArray0 = brivelJniEnv->AllocObject( eventArray0Class );
		if ( eventArray0 != 0 ) brivelJniEnv->SetObjectField( eventArray0, eventArray0Field, eventElements0 );
		if ( eventElements0 != 0 ) brivelJniEnv->DeleteLocalRef( eventElements0 );
		if ( eventArray0Class != 0 ) brivelJniEnv->DeleteLocalRef( eventArray0Class );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		SAFEARRAY * eventSafeArray1 = ((( pDispParams->rgvarg[eventParamIndex1] ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( pDispParams->rgvarg[eventParamIndex1] ).vt & VT_BYREF ) ? (( pDispParams->rgvarg[eventParamIndex1] ).pparray == 0 ? (SAFEARRAY *) 0 : *( pDispParams->rgvarg[eventParamIndex1] ).pparray ) : ( pDispParams->rgvarg[eventParamIndex1] ).parray );
		jobjectArray eventElements1 = 0;
		if ( eventSafeArray1 != 0 && SafeArrayGetDim( eventSafeArray1 ) == 1 && ( eventSafeArray1->fFeatures & ( FADF_UNKNOWN | FADF_DISPATCH )) != 0 ) {
			jsize eventElements1Length = (jsize) eventSafeArray1->rgsabound[0].cElements;
			jclass eventElements1Class = brivelFindClass( brivelJniEnv, "test/arrays/IItem" );
			void * eventElements1Data = 0;
			if ( eventElements1Class != 0 ) eventElements1 = brivelJniEnv->NewObjectArray( eventElements1Length, eventElements1Class, 0 );
			if ( eventElements1 != 0 && eventElements1Length > 0 && SUCCEEDED( SafeArrayAccessData( eventSafeArray1, &eventElements1Data ))) {
				for ( jsize eventElements1Index = 0; eventElements1Index < eventElements1Length; eventElements1Index++ ) {
					IUnknown * eventElements1Unk = ((IUnknown **) eventElements1Data)[eventElements1Index];
					if ( eventElements1Unk == 0 ) continue;
					jobject eventElements1Item = brivelUnknownToInterfaceObject( brivelJniEnv, eventElements1Unk, "test/arrays/IItem" );
					if ( eventElements1Item == 0 ) {
						if ( brivelJniEnv->ExceptionCheck() ) break;
						continue;
					}
					brivelJniEnv->SetObjectArrayElement( eventElements1, eventElements1Index, eventElements1Item );
					brivelJniEnv->DeleteLocalRef( eventElements1Item );
				}
				SafeArrayUnaccessData( eventSafeArray1 );
			}
			if ( eventElements1Class != 0 ) brivelJniEnv->DeleteLocalRef( eventElements1Class );
		}
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArray1 = 0;
		jclass eventArray1Class = brivelFindClass( brivelJniEnv, "brivel/out/TavoComobjArray" );
		jfieldID eventArray1Field = eventArray1Class == 0 ? 0 : brivelJniEnv->GetFieldID( eventArray1Class, "array", "[Lbrivel/TavoObject;" );
		if ( eventArray1Field != 0 ) eventArray1 = brivelJniEnv->AllocObject( eventArray1Class );
		if ( eventArray1 != 0 ) brivelJniEnv->SetObjectField( eventArray1, eventArray1Field, eventElements1 );
		if ( eventElements1 != 0 ) brivelJniEnv->DeleteLocalRef( eventElements1 );
		if ( eventArray1Class != 0 ) brivelJniEnv->DeleteLocalRef( eventArray1Class );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, eventArray0
			, eventArray1
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "Asked"
			, true, "brivel.out.TavoIntArray", eventArray0
			, true, "brivel.out.TavoComobjArray", eventArray1
		);
		if ( ! brivelJniEnv->ExceptionCheck()) {
			if (( pDispParams->rgvarg[eventParamIndex0].vt & ( VT_BYREF | VT_ARRAY )) == ( VT_BYREF | VT_ARRAY )) {
				if ( eventArray0 != 0 && pDispParams->rgvarg[eventParamIndex0].pparray != 0 ) {
					JNIEnv * env = brivelJniEnv;
					jclass eventNewArray0Class = env->GetObjectClass( eventArray0 );
					jfieldID eventNewArray0Field = env->GetFieldID( eventNewArray0Class, "array", "[I" );
					env->DeleteLocalRef( eventNewArray0Class );
					jobject eventNewArray0Value = eventNewArray0Field == 0 ? 0 : env->GetObjectField( eventArray0, eventNewArray0Field );
					SAFEARRAY * eventNewArray0 = brivelJArrayToSafeArray( env, (jarray) eventNewArray0Value, VT_I4 );
					if ( eventNewArray0Value != 0 ) env->DeleteLocalRef( eventNewArray0Value );
					if ( eventNewArray0Field != 0 && ! env->ExceptionCheck() && ( *pDispParams->rgvarg[eventParamIndex0].pparray == 0 || SUCCEEDED( SafeArrayDestroy( *pDispParams->rgvarg[eventParamIndex0].pparray ))))
						*pDispParams->rgvarg[eventParamIndex0].pparray = eventNewArray0;
					else if ( eventNewArray0 != 0 )
						SafeArrayDestroy( eventNewArray0 );
				}
			}
			if (( pDispParams->rgvarg[eventParamIndex1].vt & ( VT_BYREF | VT_ARRAY )) == ( VT_BYREF | VT_ARRAY )) {
				if ( eventArray1 != 0 && pDispParams->rgvarg[eventParamIndex1].pparray != 0 ) {
					JNIEnv * env = brivelJniEnv;
					jclass eventNewArray1Class = env->GetObjectClass( eventArray1 );
					jfieldID eventNewArray1Field = env->GetFieldID( eventNewArray1Class, "array", "[Lbrivel/TavoObject;" );
					env->DeleteLocalRef( eventNewArray1Class );
					jobject eventNewArray1Value = eventNewArray1Field == 0 ? 0 : env->GetObjectField( eventArray1, eventNewArray1Field );
					SAFEARRAY * eventNewArray1 = brivelJArrayToSafeArray( env, (jarray) eventNewArray1Value, VT_UNKNOWN );
					if ( eventNewArray1Value != 0 ) env->DeleteLocalRef( eventNewArray1Value );
					if ( eventNewArray1Field != 0 && ! env->ExceptionCheck() && ( *pDispParams->rgvarg[eventParamIndex1].pparray == 0 || SUCCEEDED( SafeArrayDestroy( *pDispParams->rgvarg[eventParamIndex1].pparray ))))
						*pDispParams->rgvarg[eventParamIndex1].pparray = eventNewArray1;
					else if ( eventNewArray1 != 0 )
						SafeArrayDestroy( eventNewArray1 );
				}
			}
		}
		if ( eventArray0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray0 );
		if ( eventArray1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray1 );
	}
	if ( brivelError != NULL && brivelFnName != NULL ) {
		jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
		jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventError", "(Ljava/lang/String;Ljava/lang/String;)V");
		brivelJniEnv->DeleteLocalRef( brivelListenerClass );
		if ( brivelMethod != NULL ) {
			jstring brivelFnString = brivelJniEnv->NewStringUTF( brivelFnName );
			jstring brivelErrorString = brivelJniEnv->NewStringUTF( brivelError );
			brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brivelErrorString );
			brivelJniEnv->DeleteLocalRef( brivelFnString );
			brivelJniEnv->DeleteLocalRef( brivelErrorString );
		}
	} else {
		jthrowable brvException = brivelJniEnv->ExceptionOccurred();
		if ( brvException != NULL ) {
			brivelJniEnv->ExceptionClear();
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( brivelFnName );
				brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
				brivelJniEnv->DeleteLocalRef( brivelFnString );
			}
			brivelJniEnv->DeleteLocalRef( brvException );
		}
	}
	if ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();
	return hResult;
}

extern "C" JNIEXPORT jboolean JNICALL Java_test_arrays_DShelfEvents__1_1TavoLoad
	(JNIEnv * env, jobject thisObj, jobject obj, jboolean initial )
{
	HRESULT ret;
	IUnknown * pUnk;
	IDispatch * pDisp;
	brivelInitThread( env );
	if ( obj == 0 ) return 0;
	pUnk = (IUnknown *) env->GetIntField( obj, brivelGetComId());
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoDShelfEvents, (void **) &pDisp );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret ) && initial ) {
		ret = brivelQueryInterface( env, pUnk, &IID_IDispatch, (void **) &pDisp );
		if ( brivelCheckFatalError( env )) return 0;
	}
	if ( FAILED( ret )) {
		return 0;
	}
	env->SetIntField( thisObj, brivelGetComId(), (jint) pDisp );
	return 1;
}

extern "C" JNIEXPORT jboolean JNICALL Java_test_arrays_DShelfEvents__1_1TavoEventListenerInit
	(JNIEnv * env, jobject thisObj )
{
	brivelInitThread( env );
	DShelfEventsHandlerImpl * sink = 0;
	try {
		sink = new DShelfEventsHandlerImpl( thisObj );
	} catch ( ... ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/OutOfMemoryError" ), "event sink" );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetEventId(), (jint) sink );
	return 1;
}

// Thunk for virtual call invocation.
static HRESULT vThunk_14( IUnknown * pUnk, va_list ap )
{
	BSTR * arg1 = va_arg( ap, BSTR * );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,BSTR *)) (*(_VtblFunc **)pUnk)[7])) (pUnk,arg1);
}

// JNI Implementation of IItem.getName
extern "C" JNIEXPORT jstring JNICALL Java_test_arrays_IItem_getName
	(JNIEnv * env, jobject thisObj)
{
	HRESULT hr;
	IUnknown * pUnk = (IUnknown *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pUnk == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	BSTR retVal = 0;
	hr = brivelVtableInvoker( env, vThunk_14, pUnk,&retVal);
	if ( brivelCheckFatalError( env )) {
		return 0;
	}
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return 0;
	}
	jstring retStr = brivelBstrToJstr( env, retVal );
	SysFreeString( retVal );
	return retStr;
}

extern "C" JNIEXPORT jboolean JNICALL Java_test_arrays_IItem__1_1TavoLoad
	(JNIEnv * env, jobject thisObj, jobject obj, jboolean initial )
{
	HRESULT ret;
	IUnknown * pUnk;
	IDispatch * pDisp;
	brivelInitThread( env );
	if ( obj == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 1 is null" );
		return 0;
	}
	pUnk = (IUnknown *) env->GetIntField( obj, brivelGetComId() );
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoIItem, (void **) &pDisp );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret ) && initial ) {
		ret = brivelQueryInterface( env, pUnk, &IID_IDispatch, (void **) &pDisp );
		if ( brivelCheckFatalError( env )) return 0;
	}
	if ( FAILED( ret )) {
		if ( ! initial ) brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetComId(), (jint) pDisp );
	return 1;
}


/** Remote events initializer */
extern "C" JNIEXPORT jobjectArray JNICALL Java_test_arrays_Shelf__1_1RemoteEventAdd( JNIEnv * env, jobject thisObj, jstring interfaceStr )
{
	if ( interfaceStr == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 1 is null" );
		return NULL;
	}
	const char * interfaceName = env->GetStringUTFChars( interfaceStr, 0 );
	if ( interfaceName == 0 ) return NULL;
	IDispatch * iDisp = 0;
	bool madeNone = false;
	try {
		if ( strcmp( interfaceName, "test.arrays.DShelfEvents" ) == 0 ) {
			// Initialize and add new listener object.
			iDisp = new DShelfEventsHandlerImpl( (jstring) env->NewGlobalRef(interfaceStr), thisObj );
		}
	} catch ( ... ) {
		madeNone = true;
	}
	env->ReleaseStringUTFChars( interfaceStr, interfaceName );
	if ( madeNone ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/OutOfMemoryError" ), "event sink" );
		return NULL;
	}
	if ( iDisp != 0 ) {
		jclass listenerClass = env->FindClass( "brivel/TavoEventListener" );
		jobject listener = listenerClass == 0 ? 0 : env->AllocObject( listenerClass );
		jclass objectClass = listener == 0 ? 0 : env->FindClass( "java/lang/Object" );
		jobjectArray ret = objectClass == 0 ? 0 : env->NewObjectArray( 2, objectClass, 0 );
		jclass intClass = ret == 0 ? 0 : env->FindClass( "java/lang/Integer" );
		jmethodID intInit = intClass == 0 ? 0 : env->GetMethodID( intClass, "<init>", "(I)V" );
		if ( intInit == 0 ) {
			iDisp->Release();
			return NULL;
		}
		env->SetIntField( listener, brivelGetEventId(), (jint) iDisp );
		jint cookie = Java_brivel_TavoObject__1_1TavoAdvise(env, thisObj, listener );
		if ( brivelCheckFatalError( env )) {
			iDisp->Release();
			return NULL;
		}
		env->SetObjectArrayElement( ret, 0, listener );
		env->SetObjectArrayElement( ret, 1, env->NewObject( intClass, intInit, cookie ));
		return ret;
	}
	return NULL;
}


/** Remote events initializer */
extern "C" JNIEXPORT jobjectArray JNICALL Java_test_arrays_Rack__1_1RemoteEventAdd( JNIEnv * env, jobject thisObj, jstring interfaceStr )
{
	if ( interfaceStr == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 1 is null" );
		return NULL;
	}
	const char * interfaceName = env->GetStringUTFChars( interfaceStr, 0 );
	if ( interfaceName == 0 ) return NULL;
	IDispatch * iDisp = 0;
	bool madeNone = false;
	try {
		if ( strcmp( interfaceName, "test.arrays.IRackEvents" ) == 0 ) {
			// Initialize and add new listener object.
			iDisp = new IRackEventsHandlerImpl( (jstring) env->NewGlobalRef(interfaceStr), thisObj );
		}
	} catch ( ... ) {
		madeNone = true;
	}
	env->ReleaseStringUTFChars( interfaceStr, interfaceName );
	if ( madeNone ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/OutOfMemoryError" ), "event sink" );
		return NULL;
	}
	if ( iDisp != 0 ) {
		jclass listenerClass = env->FindClass( "brivel/TavoEventListener" );
		jobject listener = listenerClass == 0 ? 0 : env->AllocObject( listenerClass );
		jclass objectClass = listener == 0 ? 0 : env->FindClass( "java/lang/Object" );
		jobjectArray ret = objectClass == 0 ? 0 : env->NewObjectArray( 2, objectClass, 0 );
		jclass intClass = ret == 0 ? 0 : env->FindClass( "java/lang/Integer" );
		jmethodID intInit = intClass == 0 ? 0 : env->GetMethodID( intClass, "<init>", "(I)V" );
		if ( intInit == 0 ) {
			iDisp->Release();
			return NULL;
		}
		env->SetIntField( listener, brivelGetEventId(), (jint) iDisp );
		jint cookie = Java_brivel_TavoObject__1_1TavoAdvise(env, thisObj, listener );
		if ( brivelCheckFatalError( env )) {
			iDisp->Release();
			return NULL;
		}
		env->SetObjectArrayElement( ret, 0, listener );
		env->SetObjectArrayElement( ret, 1, env->NewObject( intClass, intInit, cookie ));
		return ret;
	}
	return NULL;
}

