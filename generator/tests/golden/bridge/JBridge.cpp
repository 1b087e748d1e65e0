// File: C:\bridge-golden\JBridge.cpp
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
const GUID IID_LibId = { 0x6b2c0000, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x1 }};
// IIDs used in type library

IID IID_ITavoWidget = { 0x6b2c0000, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x40 }};
IID IID_ITavoLedger = { 0x6b2c0000, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x41 }};
IID IID_ITavoILedger = { 0x6b2c0000, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x32 }};
IID IID_ITavoDWidgetEvents = { 0x6b2c0000, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x31 }};
IID IID_ITavoIWidget = { 0x6b2c0000, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x30 }};
const IID IID_BrivelQueryIID = { 0xb14f3c49, 0x0c7b, 0x4439, {0xa2, 0x48, 0x62, 0x29, 0xfe, 0x6d, 0x96, 0x05}};

struct {
	const GUID * libGuid;
	ULONG verMajor;
	ULONG verMinor;
} libDescriptionStruct = { &IID_LibId, 2, 0 };

struct {
	const IID * iid;
	const char * className;
} brivelIIDMap[] = {
	{ &IID_ITavoILedger, "test/bridge/ILedger" },
	{ &IID_ITavoIWidget, "test/bridge/IWidget" },
};
const IID IID_RecordSize = { 0x6b2c0000, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x20 }};

struct {
	VARTYPE vt;
	int offset;
	const wchar_t * comFieldName;
	const char * javaFieldName;
	const char * javaSig;
	const char * javaClassName;
	void * extraData;
} brivelRecordDetails[] = {
	{ VT_I4, 0, L"width", "width", "I", "int", 0 },
	{ VT_I4, 4, L"height", "height", "I", "int", 0 },
};

struct {
	const IID * structIID;
	int size;
	const char * className;
	void * fieldDetailStart;
	int fieldCount;
} recordIidMap[] = {
	{ &IID_RecordSize, 8, "test/bridge/Size", &brivelRecordDetails[0], 2 },
};

// DLL initialization/termination

extern "C" int APIENTRY DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)
{
	if ( dwReason == DLL_PROCESS_ATTACH ) {
		brivelInitDLL18( 1 );
		brivelIidMapTypes( brivelIIDMap, 2 );
		brivelRegisterRecordTypes( &libDescriptionStruct, recordIidMap, 1 );
	} else if ( dwReason == DLL_THREAD_ATTACH ) {
		brivelInitThread( NULL );
	}
	return 1;
}



// JNI implementations

// GUID for class Widget
extern "C" JNIEXPORT jstring JNICALL Java_test_bridge_Widget__1_1TavoGetGUID
	(JNIEnv * env, jclass thisCls )
{
	return env->NewStringUTF( "{6B2C0000-0000-4000-8000-000000000040}" );
}

// Object creation for Widget
extern "C" JNIEXPORT jobject JNICALL Java_test_bridge_Widget__1_1TavoNewObj
	(JNIEnv * env, jobject thisObj, jclass cls)
{
	jmethodID ctorMethod = env->GetMethodID(cls, "<init>", "()V" );
	if ( env->ExceptionOccurred()) {
		env->ExceptionClear();
		return env->AllocObject( cls );
	}
	return env->NewObject( cls, ctorMethod );
}

extern "C" JNIEXPORT jboolean JNICALL Java_test_bridge_Widget__1_1TavoCreateObject
	(JNIEnv * env, jobject thisObj, jboolean find, jboolean serverOnlyOptions )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( find )
		ret = brivelGetActiveInstance( env, &IID_ITavoWidget, &pUnk );
	else if ( serverOnlyOptions )
		ret = (HRESULT) brivelMiscFunc4( (void *) env, (void *) &IID_ITavoWidget, (void *) &pUnk, NULL );
	else
		ret = brivelCreateInstance( env, &IID_ITavoWidget, &pUnk );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetComId(), (jint) pUnk );
	return 1;
}

// GUID for class Ledger
extern "C" JNIEXPORT jstring JNICALL Java_test_bridge_Ledger__1_1TavoGetGUID
	(JNIEnv * env, jclass thisCls )
{
	return env->NewStringUTF( "{6B2C0000-0000-4000-8000-000000000041}" );
}

// Object creation for Ledger
extern "C" JNIEXPORT jobject JNICALL Java_test_bridge_Ledger__1_1TavoNewObj
	(JNIEnv * env, jobject thisObj, jclass cls)
{
	jmethodID ctorMethod = env->GetMethodID(cls, "<init>", "()V" );
	if ( env->ExceptionOccurred()) {
		env->ExceptionClear();
		return env->AllocObject( cls );
	}
	return env->NewObject( cls, ctorMethod );
}

extern "C" JNIEXPORT jboolean JNICALL Java_test_bridge_Ledger__1_1TavoCreateObject
	(JNIEnv * env, jobject thisObj, jboolean find, jboolean serverOnlyOptions )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( find )
		ret = brivelGetActiveInstance( env, &IID_ITavoLedger, &pUnk );
	else if ( serverOnlyOptions )
		ret = (HRESULT) brivelMiscFunc4( (void *) env, (void *) &IID_ITavoLedger, (void *) &pUnk, NULL );
	else
		ret = brivelCreateInstance( env, &IID_ITavoLedger, &pUnk );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetComId(), (jint) pUnk );
	return 1;
}

// JNI Implementation of ILedger.Stamp
extern "C" JNIEXPORT jobject JNICALL Java_test_bridge_ILedger_Stamp__Ljava_util_Date_2_3Ljava_util_Date_2_3Ljava_util_Date_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobject arg0,
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
	DATE temp__0 = brivelJdateToDate( env, (jobject) arg0 );
	vargs[2].vt = VT_DATE;
	V_DATE( &vargs[2] ) = temp__0;
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Array of length 1 must be passed to retrieve out parameters, found null." );
		return 0;
	}
	if ( env->GetArrayLength((jarray)arg1) != 1 ) {
		env->ThrowNew( brivelFindClass( env, "brivel/TavoException" ), "Array of length 1 must be passed for OUT parameters" );
		return 0;
	}
	if ( env->GetObjectArrayElement((jobjectArray)arg1,0) == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		return 0;
	}
	DATE temp__1 = brivelJdateToDate( env, (jobject) env->GetObjectArrayElement((jobjectArray)arg1,0) );
	vargs[1].vt = VT_BYREF | VT_DATE;
	V_DATEREF( &vargs[1 ] ) = &temp__1;
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Array of length 1 must be passed to retrieve out parameters, found null." );
		return 0;
	}
	if ( env->GetArrayLength((jarray)arg2) != 1 ) {
		env->ThrowNew( brivelFindClass( env, "brivel/TavoException" ), "Array of length 1 must be passed for OUT parameters" );
		return 0;
	}
	DATE temp__2 = 0;
	vargs[0].vt = VT_BYREF | VT_DATE;
	V_DATEREF( &vargs[0 ] ) = &temp__2;
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 1, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return 0;
	if ( SUCCEEDED( hr )) {
		env->SetObjectArrayElement((jobjectArray)arg1, 0, brivelDateToJobject( env, *V_DATEREF( &vargs[1] ) ));
	}
	if ( SUCCEEDED( hr )) {
		env->SetObjectArrayElement((jobjectArray)arg2, 0, brivelDateToJobject( env, *V_DATEREF( &vargs[0] ) ));
	}
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
		return 0;
	}
	if ( ret.vt != VT_DATE && FAILED( hr = VariantChangeType( &ret, &ret, 0, VT_DATE ))) {
		if ( ret.vt != VT_EMPTY && ret.vt != VT_NULL ) {
			VariantClear( &ret );
			brivelThrowComExceptionObject( env, hr, 0 );
			return 0;
		}
		memset( &ret, 0, sizeof ret );
	}
	return brivelDateToJobject(env, V_DATE( &ret ));
}

// JNI Implementation of ILedger.Price
extern "C" JNIEXPORT jlong JNICALL Java_test_bridge_ILedger_Price__J_3J_3J
	(JNIEnv * env,
	 jobject thisObj,
	 jlong arg0,
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
	CY temp__0;
	temp__0.int64 = (jlong) arg0;
	vargs[2].vt = VT_CY;
	V_CY( &vargs[2] ).int64 = temp__0.int64;
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Array of length 1 must be passed to retrieve out parameters, found null." );
		return 0;
	}
	if ( env->GetArrayLength((jarray)arg1) != 1 ) {
		env->ThrowNew( brivelFindClass( env, "brivel/TavoException" ), "Array of length 1 must be passed for OUT parameters" );
		return 0;
	}
	jlong * arg1__arrayBuf = env->GetLongArrayElements( (jlongArray) arg1, NULL );
	CY temp__1;
	temp__1.int64 = (jlong) arg1__arrayBuf[0];
	vargs[1].vt = VT_BYREF | VT_CY;
	V_CYREF( &vargs[1] ) = &temp__1;
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Array of length 1 must be passed to retrieve out parameters, found null." );
		env->ReleaseLongArrayElements( (jlongArray) arg1, arg1__arrayBuf, 0 );
		return 0;
	}
	if ( env->GetArrayLength((jarray)arg2) != 1 ) {
		env->ThrowNew( brivelFindClass( env, "brivel/TavoException" ), "Array of length 1 must be passed for OUT parameters" );
		env->ReleaseLongArrayElements( (jlongArray) arg1, arg1__arrayBuf, 0 );
		return 0;
	}
	jlong * arg2__arrayBuf = env->GetLongArrayElements( (jlongArray) arg2, NULL );
	if ( arg2__arrayBuf != 0 ) arg2__arrayBuf[0] = 0;
	CY temp__2;
	temp__2.int64 = 0;
	vargs[0].vt = VT_BYREF | VT_CY;
	V_CYREF( &vargs[0] ) = &temp__2;
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 3, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		env->ReleaseLongArrayElements( (jlongArray) arg1, arg1__arrayBuf, 0 );
		env->ReleaseLongArrayElements( (jlongArray) arg2, arg2__arrayBuf, 0 );
		return 0;
	}
	if ( SUCCEEDED( hr )) {
		arg1__arrayBuf[0] = (jlong) temp__1.int64;
	}
	env->ReleaseLongArrayElements( (jlongArray) arg1, arg1__arrayBuf, 0 );
	if ( SUCCEEDED( hr )) {
		arg2__arrayBuf[0] = (jlong) temp__2.int64;
	}
	env->ReleaseLongArrayElements( (jlongArray) arg2, arg2__arrayBuf, 0 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
		return 0;
	}
	if ( ret.vt != VT_CY && FAILED( hr = VariantChangeType( &ret, &ret, 0, VT_CY ))) {
		if ( ret.vt != VT_EMPTY ) {
			VariantClear( &ret );
			brivelThrowComExceptionObject( env, hr, 0 );
			return 0;
		}
		memset( &ret, 0, sizeof ret );
	}
	return (jlong) V_CY( &ret ).int64;
}

// JNI Implementation of ILedger.getOpened
extern "C" JNIEXPORT jobject JNICALL Java_test_bridge_ILedger_getOpened
	(JNIEnv * env, jobject thisObj)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	VariantInit(&ret);
	params.cArgs = 0;
	hr = brivelInvokeHelper( env, pDisp, 5, &params, 2, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
		return 0;
	}
	if ( ret.vt != VT_DATE && FAILED( hr = VariantChangeType( &ret, &ret, 0, VT_DATE ))) {
		if ( ret.vt != VT_EMPTY && ret.vt != VT_NULL ) {
			VariantClear( &ret );
			brivelThrowComExceptionObject( env, hr, 0 );
			return 0;
		}
		memset( &ret, 0, sizeof ret );
	}
	return brivelDateToJobject(env, V_DATE( &ret ));
}

extern "C" JNIEXPORT jboolean JNICALL Java_test_bridge_ILedger__1_1TavoLoad
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
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoILedger, (void **) &pDisp );
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

class DWidgetEventsHandlerImpl : public IDispatch {
	jobject brvJavaObject;
	bool serverSide;
	jstring interfaceName;
	long brvRef;
public:
	DWidgetEventsHandlerImpl( jobject obj ) : interfaceName(NULL), serverSide(false), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) {}

	DWidgetEventsHandlerImpl( jstring intf, jobject obj ) : interfaceName(intf), serverSide(true), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) {}

	virtual HRESULT STDMETHODCALLTYPE QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject);
	virtual ULONG STDMETHODCALLTYPE AddRef( void);
	virtual ULONG STDMETHODCALLTYPE Release( void);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfoCount( UINT __RPC_FAR *pctinfo);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo);
	virtual HRESULT STDMETHODCALLTYPE GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId);
	virtual HRESULT STDMETHODCALLTYPE Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS __RPC_FAR *pDispParams, VARIANT __RPC_FAR *pVarResult, EXCEPINFO __RPC_FAR *pExcepInfo, UINT __RPC_FAR *puArgErr);
};


HRESULT STDMETHODCALLTYPE DWidgetEventsHandlerImpl::QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject)
{
	if ( riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_ITavoDWidgetEvents ) {
		*ppvObject = this;
		AddRef();
		return S_OK;
	}
	if ( riid == IID_BrivelQueryIID ) {
		*ppvObject = (void *) &IID_ITavoDWidgetEvents;
		return S_OK;
	}
	*ppvObject = NULL;
	return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE DWidgetEventsHandlerImpl::AddRef( void )
{
	return InterlockedIncrement( &brvRef );
}

ULONG STDMETHODCALLTYPE DWidgetEventsHandlerImpl::Release( void )
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

HRESULT STDMETHODCALLTYPE DWidgetEventsHandlerImpl::GetTypeInfoCount( UINT __RPC_FAR *pctinfo)
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE DWidgetEventsHandlerImpl::GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo )
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE DWidgetEventsHandlerImpl::GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId)
{
	return E_NOTIMPL;
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

HRESULT STDMETHODCALLTYPE DWidgetEventsHandlerImpl::Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
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
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Changed", "(ILjava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Changed";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,2);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Changed", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,2);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Changed", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[2];
		VARIANTARG brivelOwnArgs[2];
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_I4, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_BSTR, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Changed", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 2, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		eventParamIndex1 = 1;
		jthrowable brivelUnmade = NULL;
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jstring jstrEventArg_1 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex1] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
			, jstrEventArg_1
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "Changed"
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
			, false, "java.lang.String", jstrEventArg_1
		);
		if ( jstrEventArg_1 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_1 );
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 2 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Closing", "([S)Z");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Closing";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Closing", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BYREF | VT_I2, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Closing", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 1, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		jthrowable brivelUnmade = NULL;
		jshortArray eventArrayArg_0 = brivelJniEnv->NewShortArray(1);
		jshort * eventArrayPtr_0 = eventArrayArg_0 == 0 ? 0 : brivelJniEnv->GetShortArrayElements( eventArrayArg_0, 0 );
		if ( eventArrayPtr_0 != 0 ) *eventArrayPtr_0 = (jshort) *V_I2REF( &pDispParams->rgvarg[eventParamIndex0] );
		if ( eventArrayPtr_0 != 0 ) brivelJniEnv->ReleaseShortArrayElements( eventArrayArg_0, eventArrayPtr_0, 0 );
		jobject eventArrayRef_0 = brivelJniEnv->NewGlobalRef(eventArrayArg_0);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) hResult = brivelJniEnv->CallBooleanMethod( brvJavaObject, brivelMethod
			, eventArrayArg_0
		) ? S_OK : S_FALSE;
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) hResult = OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "boolean", "Closing"
			, true, "short", eventArrayArg_0
		) ? S_OK : S_FALSE;
		if ( ! brivelJniEnv->ExceptionCheck()) {
			eventArrayPtr_0 = brivelJniEnv->GetShortArrayElements( eventArrayArg_0, 0 );
			*V_I2REF( &pDispParams->rgvarg[eventParamIndex0] ) = *eventArrayPtr_0;
			brivelJniEnv->ReleaseShortArrayElements( eventArrayArg_0, eventArrayPtr_0, 0 );
		}
		if ( eventArrayRef_0 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_0 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_0 );
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 3 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "moved", "(Lbrivel/TavoVariant;Ltest/bridge/IWidget;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "moved";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,2);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "moved", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,2);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "moved", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[2];
		VARIANTARG brivelOwnArgs[2];
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_EMPTY, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_UNKNOWN, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "moved", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 2, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		eventParamIndex1 = 1;
		jthrowable brivelUnmade = NULL;
		VARIANT * eventVariant0 = V_VARIANTREF( &pDispParams->rgvarg[eventParamIndex0] );
		jobject varobj0 = brivelVariantObject( brivelJniEnv, eventVariant0 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject jobjEventArg_1 = brivelUnknownToInterfaceObject(brivelJniEnv,V_DISPATCH( &pDispParams->rgvarg[eventParamIndex1] ), "test/bridge/IWidget" );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, varobj0
			, jobjEventArg_1
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "moved"
			, true, "brivel.TavoVariant", varobj0
			, false, "test.bridge.IWidget", jobjEventArg_1
		);
		if ( ! brivelJniEnv->ExceptionCheck()) {
			VariantCopy( eventVariant0, brivelGetTavoVariant( brivelJniEnv, varobj0 ));
		}
		brivelJniEnv->DeleteLocalRef( varobj0 );
		if ( jobjEventArg_1 != 0 ) brivelJniEnv->DeleteLocalRef( jobjEventArg_1 );
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 4 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Booked", "(Ljava/util/Date;JLjava/util/Date;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Booked";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,3);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Booked", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,3);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Booked", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex2 = brivelGetParamIndex(2,pDispParams,3);
		if ( eventParamIndex2 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Booked", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[3];
		VARIANTARG brivelOwnArgs[3];
		for ( int brivelArg = 0; brivelArg < 3; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_DATE, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_CY, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex2], VT_BYREF | VT_DATE, &brivelOwnArgs[2], &brivelArgs[2] ))) brivelBadArg = eventParamIndex2;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 3; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Booked", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 3, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		eventParamIndex1 = 1;
		eventParamIndex2 = 2;
		jthrowable brivelUnmade = NULL;
		jobject eventArgValue_0 = brivelDateToJobject(brivelJniEnv,V_DATE( &pDispParams->rgvarg[eventParamIndex0] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArgValue_2 = brivelDateToJobject(brivelJniEnv,*V_DATEREF( &pDispParams->rgvarg[eventParamIndex2] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, eventArgValue_0
			, (jlong) V_CY( &pDispParams->rgvarg[eventParamIndex1] ).int64
			, eventArgValue_2
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 3, 0, "void", "Booked"
			, false, "java.util.Date", eventArgValue_0
			, false, "long", (jlong) V_CY( &pDispParams->rgvarg[eventParamIndex1] ).int64
			, false, "java.util.Date", eventArgValue_2
		);
		if ( eventArgValue_0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_0 );
		if ( eventArgValue_2 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_2 );
		for ( int brivelArg = 0; brivelArg < 3; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
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

extern "C" JNIEXPORT jboolean JNICALL Java_test_bridge_DWidgetEvents__1_1TavoLoad
	(JNIEnv * env, jobject thisObj, jobject obj, jboolean initial )
{
	HRESULT ret;
	IUnknown * pUnk;
	IDispatch * pDisp;
	brivelInitThread( env );
	if ( obj == 0 ) return 0;
	pUnk = (IUnknown *) env->GetIntField( obj, brivelGetComId());
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoDWidgetEvents, (void **) &pDisp );
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

extern "C" JNIEXPORT jboolean JNICALL Java_test_bridge_DWidgetEvents__1_1TavoEventListenerInit
	(JNIEnv * env, jobject thisObj )
{
	brivelInitThread( env );
	DWidgetEventsHandlerImpl * sink = 0;
	try {
		sink = new DWidgetEventsHandlerImpl( thisObj );
	} catch ( ... ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/OutOfMemoryError" ), "event sink" );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetEventId(), (jint) sink );
	return 1;
}

// JNI Implementation of IWidget.getName
extern "C" JNIEXPORT jstring JNICALL Java_test_bridge_IWidget_getName
	(JNIEnv * env, jobject thisObj)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	VariantInit(&ret);
	params.cArgs = 0;
	hr = brivelInvokeHelper( env, pDisp, 1, &params, 2, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
		return 0;
	}
	if ( ret.vt != VT_BSTR && FAILED( hr = VariantChangeType( &ret, &ret, 0, VT_BSTR ))) {
		if ( ret.vt != VT_EMPTY && ret.vt != VT_NULL ) {
			VariantClear( &ret );
			brivelThrowComExceptionObject( env, hr, 0 );
			return 0;
		}
		memset( &ret, 0, sizeof ret );
	}
	jstring retstr = brivelBstrToJstr( env, V_BSTR( &ret ));
	VariantClear( &ret );
	return retstr;
}

// JNI Implementation of IWidget.setName
extern "C" JNIEXPORT void JNICALL Java_test_bridge_IWidget_setName__Ljava_lang_String_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[1];
	DISPID dispidNamed = DISPID_PROPERTYPUT;
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	params.cNamedArgs = 1;
	params.rgdispidNamedArgs = &dispidNamed;
	vargs[0].vt = VT_BSTR;
	V_BSTR( &vargs[0] ) = brivelJstringToBstr( env, (jstring) arg0 );
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 1, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWidget.Move
extern "C" JNIEXPORT void JNICALL Java_test_bridge_IWidget_Move__I_3I_3S
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0,
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
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[2].vt = VT_I4;
	V_I4( &vargs[2] ) = (long) arg0;
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Array of length 1 must be passed to retrieve out parameters, found null." );
		return;
	}
	if ( env->GetArrayLength((jarray)arg1) != 1 ) {
		env->ThrowNew( brivelFindClass( env, "brivel/TavoException" ), "Array of length 1 must be passed for OUT parameters" );
		return;
	}
	jint * arg1__arrayBuf = env->GetIntArrayElements( (jintArray) arg1, NULL );
	vargs[1].vt = VT_BYREF | VT_I4;
	V_I4REF( &vargs[1] ) = (long *) &arg1__arrayBuf[0];
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Array of length 1 must be passed to retrieve out parameters, found null." );
		env->ReleaseIntArrayElements( (jintArray) arg1, arg1__arrayBuf, 0 );
		return;
	}
	if ( env->GetArrayLength((jarray)arg2) != 1 ) {
		env->ThrowNew( brivelFindClass( env, "brivel/TavoException" ), "Array of length 1 must be passed for OUT parameters" );
		env->ReleaseIntArrayElements( (jintArray) arg1, arg1__arrayBuf, 0 );
		return;
	}
	jshort * arg2__arrayBuf = env->GetShortArrayElements( (jshortArray) arg2, NULL );
	if ( arg2__arrayBuf != 0 ) arg2__arrayBuf[0] = 0;
	vargs[0].vt = VT_BYREF | VT_I2;
	V_I2REF( &vargs[0] ) = (short *) &arg2__arrayBuf[0];
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 2, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		env->ReleaseIntArrayElements( (jintArray) arg1, arg1__arrayBuf, 0 );
		env->ReleaseShortArrayElements( (jshortArray) arg2, arg2__arrayBuf, 0 );
		return;
	}
	env->ReleaseIntArrayElements( (jintArray) arg1, arg1__arrayBuf, 0 );
	env->ReleaseShortArrayElements( (jshortArray) arg2, arg2__arrayBuf, 0 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWidget.Paint
extern "C" JNIEXPORT void JNICALL Java_test_bridge_IWidget_Paint__Ltest_bridge_Colour_2Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobject arg0,
	 jobject arg1)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[3];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[2].vt = VT_I4;
	V_I4( &vargs[2] ) = brivelEnumeratedObjectToInt( env, arg0 );
	if ( brivelCheckFatalError( env )) {
		return;
	}
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		return;
	}
	vargs[1].vt = VT_VARIANT;
	VariantCopy( &vargs[1], brivelGetTavoVariant( env, arg1 ));
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 3, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[1] );
		return;
	}
	VariantClear( &vargs[1] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWidget.Paint
extern "C" JNIEXPORT void JNICALL Java_test_bridge_IWidget_Paint__Ltest_bridge_Colour_2Lbrivel_TavoVariant_2I
	(JNIEnv * env,
	 jobject thisObj,
	 jobject arg0,
	 jobject arg1,
	 jint arg2)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[3];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[2].vt = VT_I4;
	V_I4( &vargs[2] ) = brivelEnumeratedObjectToInt( env, arg0 );
	if ( brivelCheckFatalError( env )) {
		return;
	}
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		return;
	}
	vargs[1].vt = VT_VARIANT;
	VariantCopy( &vargs[1], brivelGetTavoVariant( env, arg1 ));
	vargs[0].vt = VT_I4;
	V_I4( &vargs[0] ) = (long) arg2;
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 3, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[1] );
		return;
	}
	VariantClear( &vargs[1] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWidget.Find
extern "C" JNIEXPORT jobject JNICALL Java_test_bridge_IWidget_Find__Ljava_lang_String_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0)
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
	vargs[0].vt = VT_BSTR;
	V_BSTR( &vargs[0] ) = brivelJstringToBstr( env, (jstring) arg0 );
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 4, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return 0;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
		return 0;
	}
	if ( ret.vt != VT_UNKNOWN && ret.vt != VT_DISPATCH && FAILED( hr = VariantChangeType( &ret, &ret, 0, VT_UNKNOWN ))) {
		if ( ret.vt != VT_EMPTY && ret.vt != VT_NULL ) {
			VariantClear( &ret );
			brivelThrowComExceptionObject( env, hr, 0 );
			return 0;
		}
		memset( &ret, 0, sizeof ret );
	}
	jobject retDisp =  brivelUnknownToInterfaceObject( env, V_DISPATCH( &ret ), "test/bridge/IWidget" );
	VariantClear( &ret );
	return retDisp;
}

// JNI Implementation of IWidget.Swap
extern "C" JNIEXPORT void JNICALL Java_test_bridge_IWidget_Swap___3Lbrivel_TavoObject_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobject arg0)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[1];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	if ( arg0 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Array of length 1 must be passed to retrieve out parameters, found null." );
		return;
	}
	if ( env->GetArrayLength((jarray)arg0) != 1 ) {
		env->ThrowNew( brivelFindClass( env, "brivel/TavoException" ), "Array of length 1 must be passed for OUT parameters" );
		return;
	}
	if ( env->GetObjectArrayElement((jobjectArray)arg0,0) == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 1 is null" );
		return;
	}
	vargs[0].vt = VT_BYREF | VT_DISPATCH;
	IDispatch * temp__0 = 0;
	IUnknown * unk__0 = (IUnknown *) env->GetIntField( env->GetObjectArrayElement((jobjectArray)arg0,0), brivelGetComId());
	if ( unk__0 != 0 && FAILED( unk__0->QueryInterface( IID_IDispatch, (void **) &temp__0 ))) {
		vargs[0].vt = VT_BYREF | VT_UNKNOWN;
		temp__0 = (IDispatch *) unk__0;
		temp__0->AddRef();
	}
	V_DISPATCHREF( &vargs[0] ) = &temp__0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 5, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		if ( temp__0 != 0 ) temp__0->Release();
		return;
	}
	if ( SUCCEEDED( hr )) {
		env->SetObjectArrayElement((jobjectArray)arg0, 0, brivelBestUnknownToJobject( env, (IUnknown *) temp__0,  brivelIIDMap, 2 ));
	}
	if ( temp__0 != 0 ) temp__0->Release();
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWidget.brivelEnumerator
extern "C" JNIEXPORT void JNICALL Java_test_bridge_IWidget_brivelEnumerator__Lbrivel_TavoIterator_2
	(JNIEnv * env, jobject thisObj, jobject receiver )
{
	brivelProcessEnumeration( env, thisObj, receiver, -4, 4 );
	brivelCheckFatalError( env );
}
// JNI Implementation of IWidget.toString_
extern "C" JNIEXPORT jstring JNICALL Java_test_bridge_IWidget_toString_1
	(JNIEnv * env, jobject thisObj)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	VariantInit(&ret);
	params.cArgs = 0;
	hr = brivelInvokeHelper( env, pDisp, 7, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
		return 0;
	}
	if ( ret.vt != VT_BSTR && FAILED( hr = VariantChangeType( &ret, &ret, 0, VT_BSTR ))) {
		if ( ret.vt != VT_EMPTY && ret.vt != VT_NULL ) {
			VariantClear( &ret );
			brivelThrowComExceptionObject( env, hr, 0 );
			return 0;
		}
		memset( &ret, 0, sizeof ret );
	}
	jstring retstr = brivelBstrToJstr( env, V_BSTR( &ret ));
	VariantClear( &ret );
	return retstr;
}

// JNI Implementation of IWidget.Check
extern "C" JNIEXPORT jboolean JNICALL Java_test_bridge_IWidget_Check__Z
	(JNIEnv * env,
	 jobject thisObj,
	 jboolean arg0)
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
	vargs[0].vt = VT_BOOL;
	V_BOOL( &vargs[0] ) = arg0 ? 0xFFFF : 0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 8, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
		return 0;
	}
	if ( ret.vt != VT_BOOL && FAILED( hr = VariantChangeType( &ret, &ret, 0, VT_BOOL ))) {
		if ( ret.vt != VT_EMPTY ) {
			VariantClear( &ret );
			brivelThrowComExceptionObject( env, hr, 0 );
			return 0;
		}
		memset( &ret, 0, sizeof ret );
	}
	return V_BOOL( &ret ) ? JNI_TRUE : JNI_FALSE;
}

// JNI Implementation of IWidget.Any
extern "C" JNIEXPORT jobject JNICALL Java_test_bridge_IWidget_Any__Lbrivel_TavoVariant_2_3Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobject arg0,
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
	vargs[1].vt = VT_VARIANT;
	VariantCopy( &vargs[1], brivelGetTavoVariant( env, arg0 ));
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Array of length 1 must be passed to retrieve out parameters, found null." );
		VariantClear( &vargs[1] );
		return 0;
	}
	if ( env->GetArrayLength((jarray)arg1) != 1 ) {
		env->ThrowNew( brivelFindClass( env, "brivel/TavoException" ), "Array of length 1 must be passed for OUT parameters" );
		VariantClear( &vargs[1] );
		return 0;
	}
	vargs[0].vt = VT_BYREF | VT_VARIANT;
	V_VARIANTREF( &vargs[0 ] ) = brivelGetTavoVariant( env, env->GetObjectArrayElement((jobjectArray)arg1,0) );
	VARIANT tmpVariant1;
	VariantInit( &tmpVariant1 );
	if ( V_VARIANTREF( &vargs[0 ] ) == 0 ) {
		V_VARIANTREF( &vargs[0 ] ) = &tmpVariant1;
	}
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 9, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[1] );
		VariantClear( &vargs[0] );
		VariantClear( &tmpVariant1 );
		return 0;
	}
	if ( SUCCEEDED( hr )) {
		env->SetObjectArrayElement((jobjectArray)arg1, 0, brivelVariantObject( env, V_VARIANTREF( &vargs[0] )));
	}
	VariantClear( &vargs[1] );
	VariantClear( &vargs[0] );
	VariantClear( &tmpVariant1 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
		return 0;
	}
	jobject retobj = brivelVariantObject( env, &ret );
	VariantClear( &ret );
	return retobj;
}

// JNI Implementation of IWidget.Shade
extern "C" JNIEXPORT jobject JNICALL Java_test_bridge_IWidget_Shade
	(JNIEnv * env, jobject thisObj)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	VariantInit(&ret);
	params.cArgs = 0;
	hr = brivelInvokeHelper( env, pDisp, 10, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return 0;
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
	return brivelIntToEnumeratedObject( env, V_INT( &ret ), "test/bridge/Colour" );
}

// JNI Implementation of IWidget.Many
extern "C" JNIEXPORT void JNICALL Java_test_bridge_IWidget_Many__IIIIIIIIIIII
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0,
	 jint arg1,
	 jint arg2,
	 jint arg3,
	 jint arg4,
	 jint arg5,
	 jint arg6,
	 jint arg7,
	 jint arg8,
	 jint arg9,
	 jint arg10,
	 jint arg11)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[12];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[11].vt = VT_I4;
	V_I4( &vargs[11] ) = (long) arg0;
	vargs[10].vt = VT_I4;
	V_I4( &vargs[10] ) = (long) arg1;
	vargs[9].vt = VT_I4;
	V_I4( &vargs[9] ) = (long) arg2;
	vargs[8].vt = VT_I4;
	V_I4( &vargs[8] ) = (long) arg3;
	vargs[7].vt = VT_I4;
	V_I4( &vargs[7] ) = (long) arg4;
	vargs[6].vt = VT_I4;
	V_I4( &vargs[6] ) = (long) arg5;
	vargs[5].vt = VT_I4;
	V_I4( &vargs[5] ) = (long) arg6;
	vargs[4].vt = VT_I4;
	V_I4( &vargs[4] ) = (long) arg7;
	vargs[3].vt = VT_I4;
	V_I4( &vargs[3] ) = (long) arg8;
	vargs[2].vt = VT_I4;
	V_I4( &vargs[2] ) = (long) arg9;
	vargs[1].vt = VT_I4;
	V_I4( &vargs[1] ) = (long) arg10;
	vargs[0].vt = VT_I4;
	V_I4( &vargs[0] ) = (long) arg11;
	VariantInit(&ret);
	params.cArgs = 12;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 11, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWidget.Two
extern "C" JNIEXPORT void JNICALL Java_test_bridge_IWidget_Two__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[3];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[2].vt = VT_I4;
	V_I4( &vargs[2] ) = (long) arg0;
	vargs[1].vt = VT_ERROR;
	V_I4( &vargs[1] ) = DISP_E_PARAMNOTFOUND;
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 12, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWidget.Two
extern "C" JNIEXPORT void JNICALL Java_test_bridge_IWidget_Two__ILbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0,
	 jobject arg1)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[3];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[2].vt = VT_I4;
	V_I4( &vargs[2] ) = (long) arg0;
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		return;
	}
	vargs[1].vt = VT_VARIANT;
	VariantCopy( &vargs[1], brivelGetTavoVariant( env, arg1 ));
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 12, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[1] );
		return;
	}
	VariantClear( &vargs[1] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWidget.Two
extern "C" JNIEXPORT void JNICALL Java_test_bridge_IWidget_Two__ILbrivel_TavoVariant_2Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0,
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
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[2].vt = VT_I4;
	V_I4( &vargs[2] ) = (long) arg0;
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		return;
	}
	vargs[1].vt = VT_VARIANT;
	VariantCopy( &vargs[1], brivelGetTavoVariant( env, arg1 ));
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		VariantClear( &vargs[1] );
		return;
	}
	vargs[0].vt = VT_VARIANT;
	VariantCopy( &vargs[0], brivelGetTavoVariant( env, arg2 ));
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 12, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[1] );
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[1] );
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// Thunk for virtual call invocation.
static HRESULT vThunk_1( IUnknown * pUnk, va_list ap )
{
	LPSTR arg1 = va_arg( ap, LPSTR );
	long * * arg2 = va_arg( ap, long * * );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,LPSTR,long * *)) (*(_VtblFunc **)pUnk)[13])) (pUnk,arg1,arg2);
}

// JNI Implementation of IWidget.Ansi
extern "C" JNIEXPORT jint JNICALL Java_test_bridge_IWidget_Ansi__Ljava_lang_String_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0)
{
	HRESULT hr;
	IUnknown * pUnk = (IUnknown *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pUnk == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	LPSTR lpstr__0 = 0;
	if ( arg0 != 0 ) {
		jsize wideCount = env->GetStringLength( (jstring)arg0 );
		const jchar * wide = env->GetStringChars( (jstring)arg0, NULL );
		int ansiCount = wide == 0 || wideCount == 0 ? 0 : WideCharToMultiByte( CP_ACP, 0, (LPCWSTR) wide, wideCount, NULL, 0, NULL, NULL );
		lpstr__0 = (LPSTR) malloc( ansiCount + 1 );
		if ( lpstr__0 != 0 ) {
			if ( ansiCount > 0 ) WideCharToMultiByte( CP_ACP, 0, (LPCWSTR) wide, wideCount, lpstr__0, ansiCount, NULL, NULL );
			lpstr__0[ansiCount] = 0;
		}
		if ( wide != 0 ) env->ReleaseStringChars( (jstring)arg0, wide );
	}
	jint retVal = 0;
	hr = brivelVtableInvoker( env, vThunk_1, pUnk,lpstr__0,&retVal);
	if ( brivelCheckFatalError( env )) {
		free( lpstr__0 );
		return 0;
	}
	free( lpstr__0 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return 0;
	}
	return retVal;
}

extern "C" JNIEXPORT jboolean JNICALL Java_test_bridge_IWidget__1_1TavoLoad
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
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoIWidget, (void **) &pDisp );
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
extern "C" JNIEXPORT jobjectArray JNICALL Java_test_bridge_Widget__1_1RemoteEventAdd( JNIEnv * env, jobject thisObj, jstring interfaceStr )
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
		if ( strcmp( interfaceName, "test.bridge.DWidgetEvents" ) == 0 ) {
			// Initialize and add new listener object.
			iDisp = new DWidgetEventsHandlerImpl( (jstring) env->NewGlobalRef(interfaceStr), thisObj );
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

