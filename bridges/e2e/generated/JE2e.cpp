// File: C:\brivel-e2e\JE2e.cpp
// Generated: Wed Dec 09 14:45:35 2026

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
const GUID IID_LibId = { 0x7e2e0000, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x1 }};
// IIDs used in type library

IID IID_ITavoLedger = { 0x7e2e0000, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x50 }};
IID IID_ITavoIEntry = { 0x7e2e0000, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x20 }};
IID IID_ITavoILedger = { 0x7e2e0000, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x30 }};
IID IID_ITavoDLedgerEvents = { 0x7e2e0000, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x40 }};
IID IID_ITavoITally = { 0x7e2e0000, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x60 }};
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
	{ &IID_ITavoIEntry, "e2e/ledger/IEntry" },
	{ &IID_ITavoILedger, "e2e/ledger/ILedger" },
	{ &IID_ITavoITally, "e2e/ledger/ITally" },
};
const IID IID_RecordSpan = { 0x7e2e0000, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x11 }};

struct {
	VARTYPE vt;
	int offset;
	const wchar_t * comFieldName;
	const char * javaFieldName;
	const char * javaSig;
	const char * javaClassName;
	void * extraData;
} brivelRecordDetails[] = {
	{ VT_I4, 0, L"count", "count", "I", "int", 0 },
	{ VT_R8, 8, L"sum", "sum", "D", "double", 0 },
	{ VT_BSTR, 16, L"Label", "Label", "Ljava/lang/String;", "String", 0 },
	{ VT_CARRAY, 20, L"marks", "marks", "[S", "short[]", 0 },
	{ VT_RECORD, 28, L"Range", "Range", "Le2e/ledger/Range;", "e2e/ledger/Range", 0 },
	{ VT_UNKNOWN, 36, L"entry", "entry", "Le2e/ledger/IEntry;", "e2e/ledger/IEntry", 0 },
	{ VT_I4, 0, L"from", "from", "I", "int", 0 },
	{ VT_I4, 4, L"to", "to", "I", "int", 0 },
	{ VT_I4, 0, L"low", "low", "I", "int", 0 },
	{ VT_I4, 4, L"high", "high", "I", "int", 0 },
};

struct {
	const IID * structIID;
	int size;
	const char * className;
	void * fieldDetailStart;
	int fieldCount;
} recordIidMap[] = {
	{ 0, 40, "e2e/ledger/Tally", &brivelRecordDetails[0], 6 },
	{ &IID_RecordSpan, 8, "e2e/ledger/Span", &brivelRecordDetails[6], 2 },
	{ 0, 8, "e2e/ledger/Range", &brivelRecordDetails[8], 2 },
};

struct {
	VARTYPE vt;
	int size;
} cArrayIidMap[] = {
	{ VT_I2, 3 },
};

// DLL initialization/termination

extern "C" int APIENTRY DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)
{
	if ( dwReason == DLL_PROCESS_ATTACH ) {
		brivelInitDLL18( 1 );
		brivelIidMapTypes( brivelIIDMap, 3 );
		brivelRegisterRecordTypes( &libDescriptionStruct, recordIidMap, 3 );
		brivelRecordDetails[3].extraData = &cArrayIidMap[0];
		brivelRecordDetails[4].extraData = &recordIidMap[2];
	} else if ( dwReason == DLL_THREAD_ATTACH ) {
		brivelInitThread( NULL );
	}
	return 1;
}



// JNI implementations

// GUID for class Ledger
extern "C" JNIEXPORT jstring JNICALL Java_e2e_ledger_Ledger__1_1TavoGetGUID
	(JNIEnv * env, jclass thisCls )
{
	return env->NewStringUTF( "{7E2E0000-0000-4000-8000-000000000050}" );
}

// Object creation for Ledger
extern "C" JNIEXPORT jobject JNICALL Java_e2e_ledger_Ledger__1_1TavoNewObj
	(JNIEnv * env, jobject thisObj, jclass cls)
{
	jmethodID ctorMethod = env->GetMethodID(cls, "<init>", "()V" );
	if ( env->ExceptionOccurred()) {
		env->ExceptionClear();
		return env->AllocObject( cls );
	}
	return env->NewObject( cls, ctorMethod );
}

extern "C" JNIEXPORT jboolean JNICALL Java_e2e_ledger_Ledger__1_1TavoCreateObject
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

// JNI Implementation of IEntry.getLabel
extern "C" JNIEXPORT jstring JNICALL Java_e2e_ledger_IEntry_getLabel
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

// JNI Implementation of IEntry.getAmount
extern "C" JNIEXPORT jint JNICALL Java_e2e_ledger_IEntry_getAmount
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
	hr = brivelInvokeHelper( env, pDisp, 2, &params, 2, &excepInfo, &argErr, &ret );
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
	return (jint)V_I4( &ret );
}

extern "C" JNIEXPORT jboolean JNICALL Java_e2e_ledger_IEntry__1_1TavoLoad
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
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoIEntry, (void **) &pDisp );
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

// JNI Implementation of ILedger.getTitle
extern "C" JNIEXPORT jstring JNICALL Java_e2e_ledger_ILedger_getTitle
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

// JNI Implementation of ILedger.setTitle
extern "C" JNIEXPORT void JNICALL Java_e2e_ledger_ILedger_setTitle__Ljava_lang_String_2
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

// JNI Implementation of ILedger.getTotal
extern "C" JNIEXPORT jint JNICALL Java_e2e_ledger_ILedger_getTotal
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
	hr = brivelInvokeHelper( env, pDisp, 2, &params, 2, &excepInfo, &argErr, &ret );
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
	return (jint)V_I4( &ret );
}

// JNI Implementation of ILedger.getRatio
extern "C" JNIEXPORT jdouble JNICALL Java_e2e_ledger_ILedger_getRatio
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
	hr = brivelInvokeHelper( env, pDisp, 3, &params, 2, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
		return 0;
	}
	if ( ret.vt != VT_R8 && FAILED( hr = VariantChangeType( &ret, &ret, 0, VT_R8 ))) {
		if ( ret.vt != VT_EMPTY ) {
			VariantClear( &ret );
			brivelThrowComExceptionObject( env, hr, 0 );
			return 0;
		}
		memset( &ret, 0, sizeof ret );
	}
	return (jdouble)V_R8( &ret );
}

// JNI Implementation of ILedger.setRatio
extern "C" JNIEXPORT void JNICALL Java_e2e_ledger_ILedger_setRatio__D
	(JNIEnv * env,
	 jobject thisObj,
	 jdouble arg0)
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
	vargs[0].vt = VT_R8;
	V_R8( &vargs[0] ) = (double) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 3, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ILedger.getOpen
extern "C" JNIEXPORT jboolean JNICALL Java_e2e_ledger_ILedger_getOpen
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
	hr = brivelInvokeHelper( env, pDisp, 4, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ILedger.setOpen
extern "C" JNIEXPORT void JNICALL Java_e2e_ledger_ILedger_setOpen__Z
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
	vargs[0].vt = VT_BOOL;
	V_BOOL( &vargs[0] ) = arg0 ? 0xFFFF : 0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 4, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ILedger.Add
extern "C" JNIEXPORT jobject JNICALL Java_e2e_ledger_ILedger_Add__Ljava_lang_String_2I
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jint arg1)
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
	vargs[2].vt = VT_BSTR;
	V_BSTR( &vargs[2] ) = brivelJstringToBstr( env, (jstring) arg0 );
	vargs[1].vt = VT_I4;
	V_I4( &vargs[1] ) = (long) arg1;
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 5, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[2] );
		return 0;
	}
	VariantClear( &vargs[2] );
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
	jobject retDisp =  brivelUnknownToInterfaceObject( env, V_DISPATCH( &ret ), "e2e/ledger/IEntry" );
	VariantClear( &ret );
	return retDisp;
}

// JNI Implementation of ILedger.Add
extern "C" JNIEXPORT jobject JNICALL Java_e2e_ledger_ILedger_Add__Ljava_lang_String_2ILbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jint arg1,
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
	vargs[2].vt = VT_BSTR;
	V_BSTR( &vargs[2] ) = brivelJstringToBstr( env, (jstring) arg0 );
	vargs[1].vt = VT_I4;
	V_I4( &vargs[1] ) = (long) arg1;
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		VariantClear( &vargs[2] );
		return 0;
	}
	vargs[0].vt = VT_VARIANT;
	VariantCopy( &vargs[0], brivelGetTavoVariant( env, arg2 ));
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 5, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[2] );
		VariantClear( &vargs[0] );
		return 0;
	}
	VariantClear( &vargs[2] );
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
	jobject retDisp =  brivelUnknownToInterfaceObject( env, V_DISPATCH( &ret ), "e2e/ledger/IEntry" );
	VariantClear( &ret );
	return retDisp;
}

// JNI Implementation of ILedger.Scale
extern "C" JNIEXPORT jint JNICALL Java_e2e_ledger_ILedger_Scale__II
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0,
	 jint arg1)
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
	vargs[1].vt = VT_I4;
	V_I4( &vargs[1] ) = (long) arg0;
	vargs[0].vt = VT_I4;
	V_I4( &vargs[0] ) = (long) arg1;
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 6, &params, 1, &excepInfo, &argErr, &ret );
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
	return (jint)V_I4( &ret );
}

// JNI Implementation of ILedger.Split
extern "C" JNIEXPORT void JNICALL Java_e2e_ledger_ILedger_Split__I_3I_3I
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
	if ( arg1__arrayBuf != 0 ) arg1__arrayBuf[0] = 0;
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
	jint * arg2__arrayBuf = env->GetIntArrayElements( (jintArray) arg2, NULL );
	vargs[0].vt = VT_BYREF | VT_I4;
	V_I4REF( &vargs[0] ) = (long *) &arg2__arrayBuf[0];
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 7, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		env->ReleaseIntArrayElements( (jintArray) arg1, arg1__arrayBuf, 0 );
		env->ReleaseIntArrayElements( (jintArray) arg2, arg2__arrayBuf, 0 );
		return;
	}
	env->ReleaseIntArrayElements( (jintArray) arg1, arg1__arrayBuf, 0 );
	env->ReleaseIntArrayElements( (jintArray) arg2, arg2__arrayBuf, 0 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ILedger.Fail
extern "C" JNIEXPORT void JNICALL Java_e2e_ledger_ILedger_Fail__Ljava_lang_String_2
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
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[0].vt = VT_BSTR;
	V_BSTR( &vargs[0] ) = brivelJstringToBstr( env, (jstring) arg0 );
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 8, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ILedger.Echo
extern "C" JNIEXPORT jobject JNICALL Java_e2e_ledger_ILedger_Echo__Lbrivel_TavoVariant_2_3Lbrivel_TavoVariant_2
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

// JNI Implementation of ILedger.getState
extern "C" JNIEXPORT jobject JNICALL Java_e2e_ledger_ILedger_getState
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
	hr = brivelInvokeHelper( env, pDisp, 10, &params, 2, &excepInfo, &argErr, &ret );
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
	return brivelIntToEnumeratedObject( env, V_INT( &ret ), "e2e/ledger/Mood" );
}

// JNI Implementation of ILedger.setState
extern "C" JNIEXPORT void JNICALL Java_e2e_ledger_ILedger_setState__Le2e_ledger_Mood_2
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
	vargs[0].vt = VT_I4;
	V_I4( &vargs[0] ) = brivelEnumeratedObjectToInt( env, arg0 );
	if ( brivelCheckFatalError( env )) {
		return;
	}
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 10, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ILedger.Shift
extern "C" JNIEXPORT jshort JNICALL Java_e2e_ledger_ILedger_Shift__S
	(JNIEnv * env,
	 jobject thisObj,
	 jshort arg0)
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
	vargs[0].vt = VT_I2;
	V_I2( &vargs[0] ) = (short) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 11, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
		return 0;
	}
	if ( ret.vt != VT_I2 && FAILED( hr = VariantChangeType( &ret, &ret, 0, VT_I2 ))) {
		if ( ret.vt != VT_EMPTY ) {
			VariantClear( &ret );
			brivelThrowComExceptionObject( env, hr, 0 );
			return 0;
		}
		memset( &ret, 0, sizeof ret );
	}
	return (jshort)V_I2( &ret );
}

// JNI Implementation of ILedger.Notify
extern "C" JNIEXPORT void JNICALL Java_e2e_ledger_ILedger_Notify__ILjava_lang_String_2
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0,
	 jstring arg1)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[2];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[1].vt = VT_I4;
	V_I4( &vargs[1] ) = (long) arg0;
	vargs[0].vt = VT_BSTR;
	V_BSTR( &vargs[0] ) = brivelJstringToBstr( env, (jstring) arg1 );
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 12, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ILedger.NotifyFromThread
extern "C" JNIEXPORT void JNICALL Java_e2e_ledger_ILedger_NotifyFromThread__ILjava_lang_String_2
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0,
	 jstring arg1)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[2];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[1].vt = VT_I4;
	V_I4( &vargs[1] ) = (long) arg0;
	vargs[0].vt = VT_BSTR;
	V_BSTR( &vargs[0] ) = brivelJstringToBstr( env, (jstring) arg1 );
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 13, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ILedger.First
extern "C" JNIEXPORT jobject JNICALL Java_e2e_ledger_ILedger_First
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
	hr = brivelInvokeHelper( env, pDisp, 14, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return 0;
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
	jobject retobj = brivelBestUnknownToJobject( env, (IUnknown *) V_DISPATCH( &ret ), brivelIIDMap, 3);
	VariantClear( &ret );
	return retobj;
}

// JNI Implementation of ILedger.getOpened
extern "C" JNIEXPORT jobject JNICALL Java_e2e_ledger_ILedger_getOpened
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
	hr = brivelInvokeHelper( env, pDisp, 15, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ILedger.setOpened
extern "C" JNIEXPORT void JNICALL Java_e2e_ledger_ILedger_setOpened__Ljava_util_Date_2
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
	if ( arg0 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 1 is null" );
		return;
	}
	DATE temp__0 = brivelJdateToDate( env, (jobject) arg0 );
	vargs[0].vt = VT_DATE;
	V_DATE( &vargs[0] ) = temp__0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 15, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ILedger.AddDays
extern "C" JNIEXPORT void JNICALL Java_e2e_ledger_ILedger_AddDays__Ljava_util_Date_2I_3Ljava_util_Date_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobject arg0,
	 jint arg1,
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
	if ( arg0 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 1 is null" );
		return;
	}
	DATE temp__0 = brivelJdateToDate( env, (jobject) arg0 );
	vargs[2].vt = VT_DATE;
	V_DATE( &vargs[2] ) = temp__0;
	vargs[1].vt = VT_I4;
	V_I4( &vargs[1] ) = (long) arg1;
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Array of length 1 must be passed to retrieve out parameters, found null." );
		return;
	}
	if ( env->GetArrayLength((jarray)arg2) != 1 ) {
		env->ThrowNew( brivelFindClass( env, "brivel/TavoException" ), "Array of length 1 must be passed for OUT parameters" );
		return;
	}
	DATE temp__2 = 0;
	vargs[0].vt = VT_BYREF | VT_DATE;
	V_DATEREF( &vargs[0 ] ) = &temp__2;
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 16, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( SUCCEEDED( hr )) {
		env->SetObjectArrayElement((jobjectArray)arg2, 0, brivelDateToJobject( env, *V_DATEREF( &vargs[0] ) ));
	}
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ILedger.Stamp
extern "C" JNIEXPORT void JNICALL Java_e2e_ledger_ILedger_Stamp__Ljava_util_Date_2
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
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 1 is null" );
		return;
	}
	DATE temp__0 = brivelJdateToDate( env, (jobject) arg0 );
	vargs[0].vt = VT_DATE;
	V_DATE( &vargs[0] ) = temp__0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 17, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ILedger.Running
extern "C" JNIEXPORT jintArray JNICALL Java_e2e_ledger_ILedger_Running___3ILbrivel_out_TavoDoubleArray_2Lbrivel_out_TavoStringArray_2
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
	vargs[0].vt = VT_ARRAY | VT_BYREF | VT_BSTR;
	vargs[0].pparray = &tmpSafeArray2;
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 18, &params, 1, &excepInfo, &argErr, &ret );
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
		brivelCopySafeArrayToArrayObj( env, VT_BSTR, tmpSafeArray2, jarray2, "[Ljava/lang/String;" );
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

// JNI Implementation of ILedger.Reverse
extern "C" JNIEXPORT jobjectArray JNICALL Java_e2e_ledger_ILedger_Reverse___3Lbrivel_TavoVariant_2
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
	SAFEARRAY * tmpSafeArray0 = brivelJArrayToSafeArray( env, jarray0, VT_VARIANT );
	if ( env->ExceptionCheck() ) {
		if ( tmpSafeArray0 != 0 ) SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	vargs[0].vt = VT_ARRAY | VT_VARIANT;
	vargs[0].parray = tmpSafeArray0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 19, &params, 1, &excepInfo, &argErr, &ret );
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
	jobjectArray retArray = (jobjectArray) brivelSafeArrayToJArray( env, retSafeArray, VT_VARIANT );
	VariantClear( &ret );
	return retArray;
}

// JNI Implementation of ILedger.entries
extern "C" JNIEXPORT jobjectArray JNICALL Java_e2e_ledger_ILedger_entries___3Le2e_ledger_IEntry_2Lbrivel_out_TavoComobjArray_2
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
	hr = brivelInvokeHelper( env, pDisp, 20, &params, 1, &excepInfo, &argErr, &ret );
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
				jclass outArray1Class = brivelFindClass( env, "e2e/ledger/IEntry" );
				void * outArray1Data = 0;
				if ( outArray1Class != 0 ) outArray1 = env->NewObjectArray( outArray1Length, outArray1Class, 0 );
				if ( outArray1 != 0 && outArray1Length > 0 && SUCCEEDED( SafeArrayAccessData( tmpSafeArray1, &outArray1Data ))) {
					for ( jsize outArray1Index = 0; outArray1Index < outArray1Length; outArray1Index++ ) {
						IUnknown * outArray1Unk = ((IUnknown **) outArray1Data)[outArray1Index];
						if ( outArray1Unk == 0 ) continue;
						jobject outArray1Item = brivelUnknownToInterfaceObject( env, outArray1Unk, "e2e/ledger/IEntry" );
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
		jclass retArrayClass = brivelFindClass( env, "e2e/ledger/IEntry" );
		void * retArrayData = 0;
		if ( retArrayClass != 0 ) retArray = env->NewObjectArray( retArrayLength, retArrayClass, 0 );
		if ( retArray != 0 && retArrayLength > 0 && SUCCEEDED( SafeArrayAccessData( retSafeArray, &retArrayData ))) {
			for ( jsize retArrayIndex = 0; retArrayIndex < retArrayLength; retArrayIndex++ ) {
				IUnknown * retArrayUnk = ((IUnknown **) retArrayData)[retArrayIndex];
				if ( retArrayUnk == 0 ) continue;
				jobject retArrayItem = brivelUnknownToInterfaceObject( env, retArrayUnk, "e2e/ledger/IEntry" );
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

// JNI Implementation of ILedger.moods
extern "C" JNIEXPORT jobjectArray JNICALL Java_e2e_ledger_ILedger_moods___3Le2e_ledger_Mood_2
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
	hr = brivelInvokeHelper( env, pDisp, 21, &params, 1, &excepInfo, &argErr, &ret );
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
		jclass retArrayClass = brivelFindClass( env, "e2e/ledger/Mood" );
		void * retArrayData = 0;
		if ( retArrayClass != 0 ) retArray = env->NewObjectArray( retArrayLength, retArrayClass, 0 );
		if ( retArray != 0 && retArrayLength > 0 && SUCCEEDED( SafeArrayAccessData( retSafeArray, &retArrayData ))) {
			for ( jsize retArrayIndex = 0; retArrayIndex < retArrayLength; retArrayIndex++ ) {
				jobject retArrayItem = brivelIntToEnumeratedObject( env, (int) ((LONG *) retArrayData)[retArrayIndex], "e2e/ledger/Mood" );
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

// JNI Implementation of ILedger.Announce
extern "C" JNIEXPORT jint JNICALL Java_e2e_ledger_ILedger_Announce___3Ljava_lang_String_2
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
	SAFEARRAY * tmpSafeArray0 = brivelJArrayToSafeArray( env, jarray0, VT_BSTR );
	if ( env->ExceptionCheck() ) {
		if ( tmpSafeArray0 != 0 ) SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	vargs[0].vt = VT_ARRAY | VT_BSTR;
	vargs[0].parray = tmpSafeArray0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 22, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	SafeArrayDestroy( tmpSafeArray0 );
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

// JNI Implementation of ILedger.Describe
extern "C" JNIEXPORT jstring JNICALL Java_e2e_ledger_ILedger_Describe__Ljava_lang_String_2I
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jint arg1)
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
	vargs[1].vt = VT_BSTR;
	V_BSTR( &vargs[1] ) = brivelJstringToBstr( env, (jstring) arg0 );
	vargs[0].vt = VT_I4;
	V_I4( &vargs[0] ) = (long) arg1;
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 23, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[1] );
		return 0;
	}
	VariantClear( &vargs[1] );
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

// JNI Implementation of ILedger.TitleOf
extern "C" JNIEXPORT jstring JNICALL Java_e2e_ledger_ILedger_TitleOf__Lbrivel_TavoObject_2
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
		return 0;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	if ( arg0 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 1 is null" );
		return 0;
	}
	vargs[0].vt = VT_DISPATCH;
	IDispatch * temp__0 = 0;
	IUnknown * unk__0 = (IUnknown *) env->GetIntField( arg0, brivelGetComId());
	if ( unk__0 != 0 && FAILED( unk__0->QueryInterface( IID_IDispatch, (void **) &temp__0 ))) {
		vargs[0].vt = VT_UNKNOWN;
		temp__0 = (IDispatch *) unk__0;
		temp__0->AddRef();
	}
	V_DISPATCH( &vargs[0] ) = temp__0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 24, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		if ( temp__0 != 0 ) temp__0->Release();
		return 0;
	}
	if ( temp__0 != 0 ) temp__0->Release();
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

// JNI Implementation of ILedger.FireAny
extern "C" JNIEXPORT jstring JNICALL Java_e2e_ledger_ILedger_FireAny__IILbrivel_TavoVariant_2ILbrivel_TavoVariant_2I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0,
	 jint arg1,
	 jobject arg2,
	 jint arg3,
	 jobject arg4,
	 jint arg5)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[6];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[5].vt = VT_I4;
	V_I4( &vargs[5] ) = (long) arg0;
	vargs[4].vt = VT_I4;
	V_I4( &vargs[4] ) = (long) arg1;
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		return 0;
	}
	vargs[3].vt = VT_VARIANT;
	VariantCopy( &vargs[3], brivelGetTavoVariant( env, arg2 ));
	vargs[2].vt = VT_I4;
	V_I4( &vargs[2] ) = (long) arg3;
	if ( arg4 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 5 is null" );
		VariantClear( &vargs[3] );
		return 0;
	}
	vargs[1].vt = VT_VARIANT;
	VariantCopy( &vargs[1], brivelGetTavoVariant( env, arg4 ));
	vargs[0].vt = VT_I4;
	V_I4( &vargs[0] ) = (long) arg5;
	VariantInit(&ret);
	params.cArgs = 6;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 25, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[3] );
		VariantClear( &vargs[1] );
		return 0;
	}
	VariantClear( &vargs[3] );
	VariantClear( &vargs[1] );
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

// JNI Implementation of ILedger.setRefuseSinks
extern "C" JNIEXPORT void JNICALL Java_e2e_ledger_ILedger_setRefuseSinks__Z
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
	vargs[0].vt = VT_BOOL;
	V_BOOL( &vargs[0] ) = arg0 ? 0xFFFF : 0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 26, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ILedger.brivelEnumerator
extern "C" JNIEXPORT void JNICALL Java_e2e_ledger_ILedger_brivelEnumerator__Lbrivel_TavoIterator_2
	(JNIEnv * env, jobject thisObj, jobject receiver )
{
	brivelProcessEnumeration( env, thisObj, receiver, -4, 4 );
	brivelCheckFatalError( env );
}
extern "C" JNIEXPORT jboolean JNICALL Java_e2e_ledger_ILedger__1_1TavoLoad
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

class DLedgerEventsHandlerImpl : public IDispatch {
	jobject brvJavaObject;
	bool serverSide;
	jstring interfaceName;
	long brvRef;
public:
	DLedgerEventsHandlerImpl( jobject obj ) : interfaceName(NULL), serverSide(false), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) {}

	DLedgerEventsHandlerImpl( jstring intf, jobject obj ) : interfaceName(intf), serverSide(true), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) {}

	virtual HRESULT STDMETHODCALLTYPE QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject);
	virtual ULONG STDMETHODCALLTYPE AddRef( void);
	virtual ULONG STDMETHODCALLTYPE Release( void);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfoCount( UINT __RPC_FAR *pctinfo);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo);
	virtual HRESULT STDMETHODCALLTYPE GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId);
	virtual HRESULT STDMETHODCALLTYPE Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS __RPC_FAR *pDispParams, VARIANT __RPC_FAR *pVarResult, EXCEPINFO __RPC_FAR *pExcepInfo, UINT __RPC_FAR *puArgErr);
};


HRESULT STDMETHODCALLTYPE DLedgerEventsHandlerImpl::QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject)
{
	if ( riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_ITavoDLedgerEvents ) {
		*ppvObject = this;
		AddRef();
		return S_OK;
	}
	if ( riid == IID_BrivelQueryIID ) {
		*ppvObject = (void *) &IID_ITavoDLedgerEvents;
		return S_OK;
	}
	*ppvObject = NULL;
	return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE DLedgerEventsHandlerImpl::AddRef( void )
{
	return InterlockedIncrement( &brvRef );
}

ULONG STDMETHODCALLTYPE DLedgerEventsHandlerImpl::Release( void )
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

HRESULT STDMETHODCALLTYPE DLedgerEventsHandlerImpl::GetTypeInfoCount( UINT __RPC_FAR *pctinfo)
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE DLedgerEventsHandlerImpl::GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo )
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE DLedgerEventsHandlerImpl::GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId)
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

HRESULT STDMETHODCALLTYPE DLedgerEventsHandlerImpl::Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
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
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Closing", "([Z)V");
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
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BOOL | VT_BYREF, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
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
		jbooleanArray eventArrayArg_0 = brivelJniEnv->NewBooleanArray(1);
		jboolean * eventArrayPtr_0 = eventArrayArg_0 == 0 ? 0 : brivelJniEnv->GetBooleanArrayElements( eventArrayArg_0, 0 );
		if ( eventArrayPtr_0 != 0 ) *eventArrayPtr_0 = *V_BOOLREF( &pDispParams->rgvarg[eventParamIndex0] ) ? JNI_TRUE : JNI_FALSE;
		if ( eventArrayPtr_0 != 0 ) brivelJniEnv->ReleaseBooleanArrayElements( eventArrayArg_0, eventArrayPtr_0, 0 );
		jobject eventArrayRef_0 = brivelJniEnv->NewGlobalRef(eventArrayArg_0);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, eventArrayArg_0
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "Closing"
			, true, "boolean", eventArrayArg_0
		);
		if ( ! brivelJniEnv->ExceptionCheck()) {
			eventArrayPtr_0 = brivelJniEnv->GetBooleanArrayElements( eventArrayArg_0, 0 );
			*V_BOOLREF( &pDispParams->rgvarg[eventParamIndex0] ) = *eventArrayPtr_0 ? VARIANT_TRUE : VARIANT_FALSE;
			brivelJniEnv->ReleaseBooleanArrayElements( eventArrayArg_0, eventArrayPtr_0, 0 );
		}
		if ( eventArrayRef_0 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_0 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_0 );
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 3 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Stamped", "(Ljava/util/Date;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Stamped";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Stamped", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_DATE, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Stamped", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 1, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		jthrowable brivelUnmade = NULL;
		jobject eventArgValue_0 = brivelDateToJobject(brivelJniEnv,V_DATE( &pDispParams->rgvarg[eventParamIndex0] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, eventArgValue_0
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "Stamped"
			, false, "java.util.Date", eventArgValue_0
		);
		if ( eventArgValue_0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_0 );
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 4 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Tallied", "(Le2e/ledger/Tally;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Tallied";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Tallied", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		jthrowable brivelUnmade = NULL;
	bool evRecordErr0;
	jfieldID evRecordFieldIds0[6];
		jobject eventArgValue_0 = brivelDirectComRecordToJobject( brivelJniEnv, (unsigned char *) V_RECORD( &pDispParams->rgvarg[eventParamIndex0] ), "e2e/ledger/Tally", &brivelRecordDetails[0], 6, &evRecordErr0, evRecordFieldIds0 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, eventArgValue_0
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "Tallied"
			, false, "e2e.ledger.Tally", eventArgValue_0
		);
		if ( eventArgValue_0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_0 );
	}
	if ( dispIdMember == 5 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Listed", "([Ljava/lang/String;Lbrivel/out/TavoIntArray;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Listed";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,2);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Listed", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,2);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Listed", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		jthrowable brivelUnmade = NULL;
		SAFEARRAY * eventSafeArray0 = ((( pDispParams->rgvarg[eventParamIndex0] ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( pDispParams->rgvarg[eventParamIndex0] ).vt & VT_BYREF ) ? (( pDispParams->rgvarg[eventParamIndex0] ).pparray == 0 ? (SAFEARRAY *) 0 : *( pDispParams->rgvarg[eventParamIndex0] ).pparray ) : ( pDispParams->rgvarg[eventParamIndex0] ).parray );
		jobjectArray eventArray0 = (jobjectArray) brivelSafeArrayToJArray( brivelJniEnv, eventSafeArray0, VT_BSTR );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		SAFEARRAY * eventSafeArray1 = ((( pDispParams->rgvarg[eventParamIndex1] ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( pDispParams->rgvarg[eventParamIndex1] ).vt & VT_BYREF ) ? (( pDispParams->rgvarg[eventParamIndex1] ).pparray == 0 ? (SAFEARRAY *) 0 : *( pDispParams->rgvarg[eventParamIndex1] ).pparray ) : ( pDispParams->rgvarg[eventParamIndex1] ).parray );
		jintArray eventElements1 = (jintArray) brivelSafeArrayToJArray( brivelJniEnv, eventSafeArray1, VT_I4 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArray1 = 0;
		jclass eventArray1Class = brivelFindClass( brivelJniEnv, "brivel/out/TavoIntArray" );
		jfieldID eventArray1Field = eventArray1Class == 0 ? 0 : brivelJniEnv->GetFieldID( eventArray1Class, "array", "[I" );
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
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "Listed"
			, false, "String[]", eventArray0
			, true, "brivel.out.TavoIntArray", eventArray1
		);
		if ( ! brivelJniEnv->ExceptionCheck()) {
			if (( pDispParams->rgvarg[eventParamIndex1].vt & ( VT_BYREF | VT_ARRAY )) == ( VT_BYREF | VT_ARRAY )) {
				if ( eventArray1 != 0 && pDispParams->rgvarg[eventParamIndex1].pparray != 0 ) {
					JNIEnv * env = brivelJniEnv;
					jclass eventNewArray1Class = env->GetObjectClass( eventArray1 );
					jfieldID eventNewArray1Field = env->GetFieldID( eventNewArray1Class, "array", "[I" );
					env->DeleteLocalRef( eventNewArray1Class );
					jobject eventNewArray1Value = eventNewArray1Field == 0 ? 0 : env->GetObjectField( eventArray1, eventNewArray1Field );
					SAFEARRAY * eventNewArray1 = brivelJArrayToSafeArray( env, (jarray) eventNewArray1Value, VT_I4 );
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

extern "C" JNIEXPORT jboolean JNICALL Java_e2e_ledger_DLedgerEvents__1_1TavoLoad
	(JNIEnv * env, jobject thisObj, jobject obj, jboolean initial )
{
	HRESULT ret;
	IUnknown * pUnk;
	IDispatch * pDisp;
	brivelInitThread( env );
	if ( obj == 0 ) return 0;
	pUnk = (IUnknown *) env->GetIntField( obj, brivelGetComId());
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoDLedgerEvents, (void **) &pDisp );
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

extern "C" JNIEXPORT jboolean JNICALL Java_e2e_ledger_DLedgerEvents__1_1TavoEventListenerInit
	(JNIEnv * env, jobject thisObj )
{
	brivelInitThread( env );
	DLedgerEventsHandlerImpl * sink = 0;
	try {
		sink = new DLedgerEventsHandlerImpl( thisObj );
	} catch ( ... ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/OutOfMemoryError" ), "event sink" );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetEventId(), (jint) sink );
	return 1;
}

// Thunk for virtual call invocation.
static HRESULT vThunk_1( IUnknown * pUnk, va_list ap )
{
	void ** arg1 = va_arg( ap, void ** );
	void ** arg2 = va_arg( ap, void ** );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,void **,void **)) (*(_VtblFunc **)pUnk)[3])) (pUnk,arg1,arg2);
}

// JNI Implementation of ITally.count
extern "C" JNIEXPORT jobject JNICALL Java_e2e_ledger_ITally_count__Le2e_ledger_Tally_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobject arg0)
{
	HRESULT hr;
	IUnknown * pUnk = (IUnknown *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pUnk == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	jfieldID fieldIds0[6];
	bool err0;
	unsigned char rec0[40];
	memset( rec0, 0, sizeof rec0 );
	brivelDirectCopyJObjectToComRecord( env, arg0, rec0, 6, &brivelRecordDetails[0], fieldIds0, &err0 );
	if ( err0 ) {
		brivelClearDirectRecord( &brivelRecordDetails[0], 6, rec0 );
		return 0;
	}
	void ** recPtr0 = (void **) &rec0;
	unsigned char recRet[40];
	memset( recRet, 0, sizeof recRet );
	unsigned char * recRetPtr = recRet;
	hr = brivelVtableInvoker( env, vThunk_1, pUnk,recPtr0,(void *) recRetPtr);
	if ( brivelCheckFatalError( env )) {
		brivelClearDirectRecord( &brivelRecordDetails[0], 6, rec0 );
		return 0;
	}
	if ( SUCCEEDED( hr )) {
	brivelDirectCopyComRecordToJObject( env, rec0, arg0, 6, &brivelRecordDetails[0], fieldIds0 );
	}
	brivelClearDirectRecord( &brivelRecordDetails[0], 6, rec0 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return 0;
	}
	bool retErr;
	jfieldID fieldIdsRet[6];
	jobject retObj = brivelDirectComRecordToJobject( env, recRetPtr, "e2e/ledger/Tally", &brivelRecordDetails[0], 6, &retErr, fieldIdsRet );
	brivelClearDirectRecord( &brivelRecordDetails[0], 6, recRetPtr );
	return retObj;
}

// Thunk for virtual call invocation.
static HRESULT vThunk_2( IUnknown * pUnk, va_list ap )
{
	void * arg1 = va_arg( ap, void * );
	void * arg2 = va_arg( ap, void * );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,void *,void *)) (*(_VtblFunc **)pUnk)[4])) (pUnk,arg1,arg2);
}

// JNI Implementation of ITally.Widen
extern "C" JNIEXPORT jobject JNICALL Java_e2e_ledger_ITally_Widen__Le2e_ledger_Span_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobject arg0)
{
	HRESULT hr;
	IUnknown * pUnk = (IUnknown *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pUnk == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	IRecordInfo * iRecInfo0 = 0;
	jfieldID fieldIds0[2];
	bool err0;
	void * rec0 = brivelJObjectToComRecord( env, arg0, &libDescriptionStruct, &IID_RecordSpan, &brivelRecordDetails[6], 2, &err0, &iRecInfo0, fieldIds0, false );
	if ( err0 ) return 0;
	unsigned char recRet[8];
	memset( recRet, 0, sizeof recRet );
	unsigned char * recRetPtr = recRet;
	hr = brivelVtableInvoker( env, vThunk_2, pUnk,(void *) rec0,(void *) recRetPtr);
	if ( brivelCheckFatalError( env )) {
		brivelClearRecordData( env, rec0, iRecInfo0 );
		return 0;
	}
	brivelClearRecordData( env, rec0, iRecInfo0 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return 0;
	}
	bool retErr;
	jfieldID fieldIdsRet[2];
	jobject retObj = brivelDirectComRecordToJobject( env, recRetPtr, "e2e/ledger/Span", &brivelRecordDetails[6], 2, &retErr, fieldIdsRet );
	brivelClearDirectRecord( &brivelRecordDetails[6], 2, recRetPtr );
	return retObj;
}

// Thunk for virtual call invocation.
static HRESULT vThunk_3( IUnknown * pUnk, va_list ap )
{
	SAFEARRAY * arg1 = va_arg( ap, SAFEARRAY * );
	SAFEARRAY ** arg2 = va_arg( ap, SAFEARRAY ** );
	SAFEARRAY ** arg3 = va_arg( ap, SAFEARRAY ** );
	SAFEARRAY ** arg4 = va_arg( ap, SAFEARRAY ** );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,SAFEARRAY *,SAFEARRAY **,SAFEARRAY **,SAFEARRAY **)) (*(_VtblFunc **)pUnk)[5])) (pUnk,arg1,arg2,arg3,arg4);
}

// JNI Implementation of ITally.Spread
extern "C" JNIEXPORT jobject JNICALL Java_e2e_ledger_ITally_Spread___3DLbrivel_out_TavoStringArray_2Lbrivel_out_TavoIntArray_2
	(JNIEnv * env,
	 jobject thisObj,
	 jdoubleArray arg0,
	 jobject arg1,
	 jobject arg2)
{
	HRESULT hr;
	IUnknown * pUnk = (IUnknown *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pUnk == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	SAFEARRAY * tmpSa__0 = brivelJArrayToSafeArray( env, (jarray) arg0, VT_R8 );
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
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		SafeArrayDestroy( tmpSa__0 );
		SafeArrayDestroy( tmpSa__1 );
		return 0;
	}
	SAFEARRAY * tmpSa__2 = 0;
	SAFEARRAY * retVal = 0;
	hr = brivelVtableInvoker( env, vThunk_3, pUnk,tmpSa__0,&tmpSa__1,&tmpSa__2,&retVal);
	if ( brivelCheckFatalError( env )) {
		SafeArrayDestroy( tmpSa__0 );
		SafeArrayDestroy( tmpSa__1 );
		SafeArrayDestroy( tmpSa__2 );
		return 0;
	}
	if ( SUCCEEDED( hr )) {
		brivelCopySafeArrayToArrayObj( env, VT_BSTR, tmpSa__1, (jobject) arg1, "[Ljava/lang/String;" );
	}
	if ( SUCCEEDED( hr )) {
		brivelCopySafeArrayToArrayObj( env, VT_I4, tmpSa__2, (jobject) arg2, "[I" );
	}
	SafeArrayDestroy( tmpSa__0 );
	SafeArrayDestroy( tmpSa__1 );
	SafeArrayDestroy( tmpSa__2 );
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
	SAFEARRAY * arg2 = va_arg( ap, SAFEARRAY * );
	SAFEARRAY ** arg3 = va_arg( ap, SAFEARRAY ** );
	SAFEARRAY ** arg4 = va_arg( ap, SAFEARRAY ** );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,SAFEARRAY *,SAFEARRAY *,SAFEARRAY **,SAFEARRAY **)) (*(_VtblFunc **)pUnk)[6])) (pUnk,arg1,arg2,arg3,arg4);
}

// JNI Implementation of ITally.Gather
extern "C" JNIEXPORT jobject JNICALL Java_e2e_ledger_ITally_Gather___3Le2e_ledger_IEntry_2_3Le2e_ledger_Mood_2Lbrivel_out_TavoEnumArray_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobjectArray arg0,
	 jobjectArray arg1,
	 jobject arg2)
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
	SAFEARRAY * tmpSa__1 = 0;
	if ( arg1 != 0 ) {
		jobjectArray tmpSa__1Java = (jobjectArray) arg1;
		jsize tmpSa__1Length = env->GetArrayLength( tmpSa__1Java );
		void * tmpSa__1Data = 0;
		tmpSa__1 = SafeArrayCreateVector( VT_I4, 0, (ULONG) tmpSa__1Length );
		if ( tmpSa__1 != 0 && SUCCEEDED( SafeArrayAccessData( tmpSa__1, &tmpSa__1Data ))) {
			for ( jsize tmpSa__1Index = 0; tmpSa__1Index < tmpSa__1Length && ! env->ExceptionCheck(); tmpSa__1Index++ ) {
				jobject tmpSa__1Item = env->GetObjectArrayElement( tmpSa__1Java, tmpSa__1Index );
				((LONG *) tmpSa__1Data)[tmpSa__1Index] = tmpSa__1Item == 0 ? 0 : (LONG) brivelEnumeratedObjectToInt( env, tmpSa__1Item );
				if ( tmpSa__1Item != 0 ) env->DeleteLocalRef( tmpSa__1Item );
			}
			SafeArrayUnaccessData( tmpSa__1 );
		}
	}
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
	hr = brivelVtableInvoker( env, vThunk_4, pUnk,tmpSa__0,tmpSa__1,&tmpSa__2,&retVal);
	if ( brivelCheckFatalError( env )) {
		SafeArrayDestroy( tmpSa__0 );
		SafeArrayDestroy( tmpSa__1 );
		SafeArrayDestroy( tmpSa__2 );
		return 0;
	}
	if ( SUCCEEDED( hr )) {
		{
			jobjectArray outArray2 = 0;
			if ( tmpSa__2 != 0 && SafeArrayGetDim( tmpSa__2 ) == 1 && SafeArrayGetElemsize( tmpSa__2 ) == sizeof( LONG )) {
				jsize outArray2Length = (jsize) tmpSa__2->rgsabound[0].cElements;
				jclass outArray2Class = brivelFindClass( env, "e2e/ledger/Mood" );
				void * outArray2Data = 0;
				if ( outArray2Class != 0 ) outArray2 = env->NewObjectArray( outArray2Length, outArray2Class, 0 );
				if ( outArray2 != 0 && outArray2Length > 0 && SUCCEEDED( SafeArrayAccessData( tmpSa__2, &outArray2Data ))) {
					for ( jsize outArray2Index = 0; outArray2Index < outArray2Length; outArray2Index++ ) {
						jobject outArray2Item = brivelIntToEnumeratedObject( env, (int) ((LONG *) outArray2Data)[outArray2Index], "e2e/ledger/Mood" );
						if ( outArray2Item == 0 ) {
							if ( env->ExceptionCheck() ) break;
							continue;
						}
						env->SetObjectArrayElement( outArray2, outArray2Index, outArray2Item );
						env->DeleteLocalRef( outArray2Item );
					}
					SafeArrayUnaccessData( tmpSa__2 );
				}
				if ( outArray2Class != 0 ) env->DeleteLocalRef( outArray2Class );
			}
			jfieldID outArray2Field = env->GetFieldID( env->GetObjectClass( (jobject) arg2 ), "array", "[Lbrivel/TavoEnumeration;" );
			if ( outArray2Field != 0 ) env->SetObjectField( (jobject) arg2, outArray2Field, outArray2 );
			if ( outArray2 != 0 ) env->DeleteLocalRef( outArray2 );
		}
	}
	SafeArrayDestroy( tmpSa__0 );
	SafeArrayDestroy( tmpSa__1 );
	SafeArrayDestroy( tmpSa__2 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return 0;
	}
	jobjectArray retElements = 0;
	if ( retVal != 0 && SafeArrayGetDim( retVal ) == 1 && ( retVal->fFeatures & ( FADF_UNKNOWN | FADF_DISPATCH )) != 0 ) {
		jsize retElementsLength = (jsize) retVal->rgsabound[0].cElements;
		jclass retElementsClass = brivelFindClass( env, "e2e/ledger/IEntry" );
		void * retElementsData = 0;
		if ( retElementsClass != 0 ) retElements = env->NewObjectArray( retElementsLength, retElementsClass, 0 );
		if ( retElements != 0 && retElementsLength > 0 && SUCCEEDED( SafeArrayAccessData( retVal, &retElementsData ))) {
			for ( jsize retElementsIndex = 0; retElementsIndex < retElementsLength; retElementsIndex++ ) {
				IUnknown * retElementsUnk = ((IUnknown **) retElementsData)[retElementsIndex];
				if ( retElementsUnk == 0 ) continue;
				jobject retElementsItem = brivelUnknownToInterfaceObject( env, retElementsUnk, "e2e/ledger/IEntry" );
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
static HRESULT vThunk_5( IUnknown * pUnk, va_list ap )
{
	long arg1 = va_arg( ap, long );
	SAFEARRAY ** arg2 = va_arg( ap, SAFEARRAY ** );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,long,SAFEARRAY **)) (*(_VtblFunc **)pUnk)[7])) (pUnk,arg1,arg2);
}

// JNI Implementation of ITally.Ranges
extern "C" JNIEXPORT jobject JNICALL Java_e2e_ledger_ITally_Ranges__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
{
	HRESULT hr;
	IUnknown * pUnk = (IUnknown *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pUnk == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	SAFEARRAY * retVal = 0;
	hr = brivelVtableInvoker( env, vThunk_5, pUnk,(long)arg0,&retVal);
	if ( brivelCheckFatalError( env )) {
		return 0;
	}
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return 0;
	}
	bool retErr;
	jfieldID retFieldIds[2];
	jobjectArray retArray = brivelSafeArrayToJArrayRecord( env, retVal, &retErr, "e2e/ledger/Range", &brivelRecordDetails[8], 2, retFieldIds );
	SafeArrayDestroy( retVal );
	if ( retErr ) return 0;
	jobject retHolder = 0;
	jclass retHolderClass = brivelFindClass( env, "brivel/out/TavoRecordArray" );
	jfieldID retHolderField = retHolderClass == 0 ? 0 : env->GetFieldID( retHolderClass, "array", "[Lbrivel/TavoRecord;" );
	if ( retHolderField != 0 ) retHolder = env->AllocObject( retHolderClass );
	if ( retHolder != 0 ) env->SetObjectField( retHolder, retHolderField, retArray );
	if ( retArray != 0 ) env->DeleteLocalRef( retArray );
	if ( retHolderClass != 0 ) env->DeleteLocalRef( retHolderClass );
	return retHolder;
}

// Thunk for virtual call invocation.
static HRESULT vThunk_6( IUnknown * pUnk, va_list ap )
{
	SAFEARRAY * arg1 = va_arg( ap, SAFEARRAY * );
	long * * arg2 = va_arg( ap, long * * );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,SAFEARRAY *,long * *)) (*(_VtblFunc **)pUnk)[8])) (pUnk,arg1,arg2);
}

// JNI Implementation of ITally.Fit
extern "C" JNIEXPORT jint JNICALL Java_e2e_ledger_ITally_Fit___3Le2e_ledger_Range_2
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
	env->ThrowNew( brivelFindClass( env, "brivel/TavoException" ), "Unsupported record type" );
	return 0;
	SAFEARRAY * tmpSa__0 = 0;
	jint retVal = 0;
	hr = brivelVtableInvoker( env, vThunk_6, pUnk,tmpSa__0,&retVal);
	if ( brivelCheckFatalError( env )) {
		return 0;
	}
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return 0;
	}
	return retVal;
}

// Thunk for virtual call invocation.
static HRESULT vThunk_7( IUnknown * pUnk, va_list ap )
{
	long * * arg1 = va_arg( ap, long * * );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,long * *)) (*(_VtblFunc **)pUnk)[9])) (pUnk,arg1);
}

// JNI Implementation of ITally.Peek
extern "C" JNIEXPORT jint JNICALL Java_e2e_ledger_ITally_Peek
	(JNIEnv * env, jobject thisObj)
{
	HRESULT hr;
	IUnknown * pUnk = (IUnknown *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pUnk == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	jint retVal = 0;
	hr = brivelVtableInvoker( env, vThunk_7, pUnk,&retVal);
	if ( brivelCheckFatalError( env )) {
		return 0;
	}
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return 0;
	}
	return retVal;
}

// Thunk for virtual call invocation.
static HRESULT vThunk_8( IUnknown * pUnk, va_list ap )
{
	IDispatch * arg1 = va_arg( ap, IDispatch * );
	BSTR * arg2 = va_arg( ap, BSTR * );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,IDispatch *,BSTR *)) (*(_VtblFunc **)pUnk)[10])) (pUnk,arg1,arg2);
}

// JNI Implementation of ITally.LedgerTitle
extern "C" JNIEXPORT jstring JNICALL Java_e2e_ledger_ITally_LedgerTitle__Le2e_ledger_Ledger_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobject arg0)
{
	HRESULT hr;
	IUnknown * pUnk = (IUnknown *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pUnk == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return 0;
	}
	if ( arg0 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Null Argument" );
		return 0;
	}
	IDispatch * idisp__0 = 0;
	IUnknown * unk__0 = (IUnknown *) env->GetIntField( arg0, brivelGetComId());
	if ( unk__0 != 0 ) {
		hr = unk__0->QueryInterface( IID_ITavoILedger, (void **) &idisp__0 );
		if ( FAILED( hr )) {
			brivelThrowComExceptionObject( env, hr, 0 );
			return 0;
		}
	}
	BSTR retVal = 0;
	hr = brivelVtableInvoker( env, vThunk_8, pUnk,idisp__0,&retVal);
	if ( brivelCheckFatalError( env )) {
		if ( idisp__0 != 0 ) idisp__0->Release();
		return 0;
	}
	if ( idisp__0 != 0 ) idisp__0->Release();
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return 0;
	}
	jstring retStr = brivelBstrToJstr( env, retVal );
	SysFreeString( retVal );
	return retStr;
}

extern "C" JNIEXPORT jboolean JNICALL Java_e2e_ledger_ITally__1_1TavoLoad
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
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoITally, (void **) &pDisp );
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
extern "C" JNIEXPORT jobjectArray JNICALL Java_e2e_ledger_Ledger__1_1RemoteEventAdd( JNIEnv * env, jobject thisObj, jstring interfaceStr )
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
		if ( strcmp( interfaceName, "e2e.ledger.DLedgerEvents" ) == 0 ) {
			// Initialize and add new listener object.
			iDisp = new DLedgerEventsHandlerImpl( (jstring) env->NewGlobalRef(interfaceStr), thisObj );
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

