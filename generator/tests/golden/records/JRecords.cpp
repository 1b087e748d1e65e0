// File: C:\records-golden\JRecords.cpp
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
const GUID IID_LibId = { 0x6b2c0300, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x1 }};
// IIDs used in type library

IID IID_ITavoPlotter = { 0x6b2c0300, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x40 }};
IID IID_ITavoIPlotterVtEvents = { 0x6b2c0300, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x33 }};
IID IID_ITavoDPlotterEvents = { 0x6b2c0300, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x32 }};
IID IID_ITavoIPlotterVt = { 0x6b2c0300, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x31 }};
IID IID_ITavoIPlotter = { 0x6b2c0300, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x30 }};
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
	{ &IID_ITavoIPlotterVt, "test/records/IPlotterVt" },
	{ &IID_ITavoIPlotter, "test/records/IPlotter" },
};
const IID IID_RecordGrid = { 0x6b2c0300, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x12 }};
const IID IID_RecordMarker = { 0x6b2c0300, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x15 }};
const IID IID_RecordFrame = { 0x6b2c0300, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x11 }};
const IID IID_RecordPoint = { 0x6b2c0300, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x10 }};

struct {
	VARTYPE vt;
	int offset;
	const wchar_t * comFieldName;
	const char * javaFieldName;
	const char * javaSig;
	const char * javaClassName;
	void * extraData;
} brivelRecordDetails[] = {
	{ VT_CARRAY, 0, L"rows", "rows", "[S", "short[]", 0 },
	{ VT_CARRAY, 8, L"columns", "columns", "[S", "short[]", 0 },
	{ VT_CARRAY, 16, L"cells", "cells", "[I", "int[]", 0 },
	{ VT_I4, 0, L"label", "label", "I", "int", 0 },
	{ VT_BYREF | VT_RECORD, 4, L"at", "at", "Ltest/records/Point;", "test/records/Point", 0 },
	{ VT_R8, 0, L"value", "value", "D", "double", 0 },
	{ VT_I2, 8, L"flags", "flags", "S", "short", 0 },
	{ VT_BSTR, 12, L"note", "note", "Ljava/lang/String;", "String", 0 },
	{ VT_RECORD, 0, L"topLeft", "topLeft", "Ltest/records/Point;", "test/records/Point", 0 },
	{ VT_RECORD, 8, L"bottomRight", "bottomRight", "Ltest/records/Point;", "test/records/Point", 0 },
	{ VT_BSTR, 16, L"caption", "caption", "Ljava/lang/String;", "String", 0 },
	{ VT_I4, 0, L"x", "x", "I", "int", 0 },
	{ VT_I4, 4, L"y", "y", "I", "int", 0 },
};

struct {
	const IID * structIID;
	int size;
	const char * className;
	void * fieldDetailStart;
	int fieldCount;
} recordIidMap[] = {
	{ &IID_RecordGrid, 40, "test/records/Grid", &brivelRecordDetails[0], 3 },
	{ &IID_RecordMarker, 8, "test/records/Marker", &brivelRecordDetails[3], 2 },
	{ 0, 16, "test/records/Sample", &brivelRecordDetails[5], 3 },
	{ &IID_RecordFrame, 20, "test/records/Frame", &brivelRecordDetails[8], 3 },
	{ &IID_RecordPoint, 8, "test/records/Point", &brivelRecordDetails[11], 2 },
};

struct {
	VARTYPE vt;
	int size;
} cArrayIidMap[] = {
	{ VT_I2, 4 },
	{ VT_I4, 6 },
};

// DLL initialization/termination

extern "C" int APIENTRY DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)
{
	if ( dwReason == DLL_PROCESS_ATTACH ) {
		brivelInitDLL18( 1 );
		brivelIidMapTypes( brivelIIDMap, 2 );
		brivelRegisterRecordTypes( &libDescriptionStruct, recordIidMap, 5 );
		brivelRecordDetails[0].extraData = &cArrayIidMap[0];
		brivelRecordDetails[1].extraData = &cArrayIidMap[0];
		brivelRecordDetails[2].extraData = &cArrayIidMap[1];
		brivelRecordDetails[4].extraData = &recordIidMap[4];
		brivelRecordDetails[8].extraData = &recordIidMap[4];
		brivelRecordDetails[9].extraData = &recordIidMap[4];
	} else if ( dwReason == DLL_THREAD_ATTACH ) {
		brivelInitThread( NULL );
	}
	return 1;
}



// JNI implementations

// GUID for class Plotter
extern "C" JNIEXPORT jstring JNICALL Java_test_records_Plotter__1_1TavoGetGUID
	(JNIEnv * env, jclass thisCls )
{
	return env->NewStringUTF( "{6B2C0300-0000-4000-8000-000000000040}" );
}

// Object creation for Plotter
extern "C" JNIEXPORT jobject JNICALL Java_test_records_Plotter__1_1TavoNewObj
	(JNIEnv * env, jobject thisObj, jclass cls)
{
	jmethodID ctorMethod = env->GetMethodID(cls, "<init>", "()V" );
	if ( env->ExceptionOccurred()) {
		env->ExceptionClear();
		return env->AllocObject( cls );
	}
	return env->NewObject( cls, ctorMethod );
}

extern "C" JNIEXPORT jboolean JNICALL Java_test_records_Plotter__1_1TavoCreateObject
	(JNIEnv * env, jobject thisObj, jboolean find, jboolean serverOnlyOptions )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( find )
		ret = brivelGetActiveInstance( env, &IID_ITavoPlotter, &pUnk );
	else if ( serverOnlyOptions )
		ret = (HRESULT) brivelMiscFunc4( (void *) env, (void *) &IID_ITavoPlotter, (void *) &pUnk, NULL );
	else
		ret = brivelCreateInstance( env, &IID_ITavoPlotter, &pUnk );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetComId(), (jint) pUnk );
	return 1;
}

class IPlotterVtEventsHandlerImpl : public IDispatch {
	jobject brvJavaObject;
	bool serverSide;
	jstring interfaceName;
	long brvRef;
public:
	IPlotterVtEventsHandlerImpl( jobject obj ) : interfaceName(NULL), serverSide(false), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) {}

	IPlotterVtEventsHandlerImpl( jstring intf, jobject obj ) : interfaceName(intf), serverSide(true), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) {}

	virtual HRESULT STDMETHODCALLTYPE QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject);
	virtual ULONG STDMETHODCALLTYPE AddRef( void);
	virtual ULONG STDMETHODCALLTYPE Release( void);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfoCount( UINT __RPC_FAR *pctinfo);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo);
	virtual HRESULT STDMETHODCALLTYPE GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId);
	virtual HRESULT STDMETHODCALLTYPE Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS __RPC_FAR *pDispParams, VARIANT __RPC_FAR *pVarResult, EXCEPINFO __RPC_FAR *pExcepInfo, UINT __RPC_FAR *puArgErr);
	virtual HRESULT STDMETHODCALLTYPE Event_1(DWORD,DWORD,void *,void **,DWORD,DWORD,DWORD,DWORD);
	virtual HRESULT STDMETHODCALLTYPE Event_2(SAFEARRAY *,SAFEARRAY **);
};


HRESULT STDMETHODCALLTYPE IPlotterVtEventsHandlerImpl::QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject)
{
	if ( riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_ITavoIPlotterVtEvents ) {
		*ppvObject = this;
		AddRef();
		return S_OK;
	}
	if ( riid == IID_BrivelQueryIID ) {
		*ppvObject = (void *) &IID_ITavoIPlotterVtEvents;
		return S_OK;
	}
	*ppvObject = NULL;
	return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE IPlotterVtEventsHandlerImpl::AddRef( void )
{
	return InterlockedIncrement( &brvRef );
}

ULONG STDMETHODCALLTYPE IPlotterVtEventsHandlerImpl::Release( void )
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

HRESULT STDMETHODCALLTYPE IPlotterVtEventsHandlerImpl::GetTypeInfoCount( UINT __RPC_FAR *pctinfo)
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE IPlotterVtEventsHandlerImpl::GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo )
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE IPlotterVtEventsHandlerImpl::GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId)
{
	return E_NOTIMPL;
}


HRESULT STDMETHODCALLTYPE IPlotterVtEventsHandlerImpl::Event_1(DWORD arg0_0,DWORD arg0_1,void * arg1,void ** arg2,DWORD arg3_0,DWORD arg3_1,DWORD arg3_2,DWORD arg3_3)
{
	JNIEnv * brivelJniEnv = brivelGetJniEnv();
	if ( brivelJniEnv == NULL ) return E_UNEXPECTED;
	brivelInitEventThread( brivelJniEnv );
	HRESULT hResult = S_OK;
	if ( serverSide && ! CheckServerSideEvents( brivelJniEnv )) return hResult;
	jmethodID brivelMethod = NULL;
	if ( ! serverSide ) {
		jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
		brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Placed", "(Ltest/records/Point;Ltest/records/Point;Ltest/records/Sample;Ltest/records/Sample;)V");
		brivelJniEnv->DeleteLocalRef( brivelListenerClass );
		if ( brivelMethod == NULL ) {
			brivelJniEnv->ExceptionClear();
			brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelErrorMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventError", "(Ljava/lang/String;Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelErrorMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Placed" );
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
	bool err0;
	jfieldID fieldIds0[2];
	DWORD recWords0[2] = { arg0_0, arg0_1 };
		jobject eventArgValue_0 = brivelDirectComRecordToJobject( brivelJniEnv, (unsigned char *) recWords0, "test/records/Point", &brivelRecordDetails[11], 2, &err0, fieldIds0 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
	bool err1;
	jfieldID fieldIds1[2];
		jobject eventArgValue_1 = brivelDirectComRecordToJobject( brivelJniEnv, (unsigned char *)arg1, "test/records/Point", &brivelRecordDetails[11], 2, &err1, fieldIds1 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
	bool err2;
	jfieldID fieldIds2[3];
		jobject eventArgValue_2 = brivelDirectComRecordToJobject( brivelJniEnv, (unsigned char *)arg2, "test/records/Sample", &brivelRecordDetails[5], 3, &err2, fieldIds2 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
	bool err3;
	jfieldID fieldIds3[3];
	DWORD recWords3[4] = { arg3_0, arg3_1, arg3_2, arg3_3 };
		jobject eventArgValue_3 = brivelDirectComRecordToJobject( brivelJniEnv, (unsigned char *) recWords3, "test/records/Sample", &brivelRecordDetails[5], 3, &err3, fieldIds3 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelUnmade != NULL ) {
			// An argument could not be made: nothing is called.
		} else if ( brivelMethod != NULL ) {
		brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
				, eventArgValue_0
				, eventArgValue_1
				, eventArgValue_2
				, eventArgValue_3
			);
		} else {
			if ( serverSide ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 4, 0, "void", "Placed"
				, false, "test.records.Point", eventArgValue_0
				, false, "test.records.Point", eventArgValue_1
				, false, "test.records.Sample", eventArgValue_2
				, false, "test.records.Sample", eventArgValue_3
			);
		}
		jthrowable brvException = brivelJniEnv->ExceptionOccurred();
		if ( brvException != NULL ) {
			brivelJniEnv->ExceptionClear();
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Placed" );
				brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
				brivelJniEnv->DeleteLocalRef( brivelFnString );
			}
			brivelJniEnv->DeleteLocalRef( brvException );
		}
		if ( eventArgValue_0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_0 );
		if ( eventArgValue_1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_1 );
		if ( eventArgValue_2 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_2 );
		if ( eventArgValue_3 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_3 );
	if ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();
	return hResult;
}


HRESULT STDMETHODCALLTYPE IPlotterVtEventsHandlerImpl::Event_2(SAFEARRAY * arg0,SAFEARRAY ** arg1)
{
	JNIEnv * brivelJniEnv = brivelGetJniEnv();
	if ( brivelJniEnv == NULL ) return E_UNEXPECTED;
	brivelInitEventThread( brivelJniEnv );
	HRESULT hResult = S_OK;
	if ( serverSide && ! CheckServerSideEvents( brivelJniEnv )) return hResult;
	jmethodID brivelMethod = NULL;
	if ( ! serverSide ) {
		jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
		brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Traced", "([Ltest/records/Point;Lbrivel/out/TavoRecordArray;)V");
		brivelJniEnv->DeleteLocalRef( brivelListenerClass );
		if ( brivelMethod == NULL ) {
			brivelJniEnv->ExceptionClear();
			brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelErrorMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventError", "(Ljava/lang/String;Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelErrorMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Traced" );
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
	bool eventErr0;
	jfieldID eventFieldIds0[2];
		jobjectArray eventArgValue_0 = (jobjectArray) brivelSafeArrayToJArrayRecord( brivelJniEnv, (SAFEARRAY *)arg0, &eventErr0, "test/records/Point", &brivelRecordDetails[11], 2, eventFieldIds0 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
	bool eventErr1;
	jfieldID eventFieldIds1[2];
		jobjectArray eventRecords1 = (jobjectArray) brivelSafeArrayToJArrayRecord( brivelJniEnv, ( arg1 == 0 ? (SAFEARRAY *) 0 : *(SAFEARRAY **)arg1 ), &eventErr1, "test/records/Point", &brivelRecordDetails[11], 2, eventFieldIds1 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jclass eventRecordHolderClass1 = brivelFindClass( brivelJniEnv, "brivel/out/TavoRecordArray" );
		jobject eventRecordHolder1 = eventRecordHolderClass1 == 0 ? 0 : brivelJniEnv->NewObject( eventRecordHolderClass1, brivelJniEnv->GetMethodID( eventRecordHolderClass1, "<init>", "([Lbrivel/TavoRecord;)V" ), eventRecords1 );
		if ( eventRecordHolderClass1 != 0 ) brivelJniEnv->DeleteLocalRef( eventRecordHolderClass1 );
		if ( eventRecords1 != 0 ) brivelJniEnv->DeleteLocalRef( eventRecords1 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelUnmade != NULL ) {
			// An argument could not be made: nothing is called.
		} else if ( brivelMethod != NULL ) {
		brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
				, eventArgValue_0
				, eventRecordHolder1
			);
		} else {
			if ( serverSide ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "Traced"
				, false, "test.records.Point[]", eventArgValue_0
				, true, "brivel.out.TavoRecordArray", eventRecordHolder1
			);
		}
		jthrowable brvException = brivelJniEnv->ExceptionOccurred();
		if ( brvException != NULL ) {
			brivelJniEnv->ExceptionClear();
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Traced" );
				brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
				brivelJniEnv->DeleteLocalRef( brivelFnString );
			}
			brivelJniEnv->DeleteLocalRef( brvException );
		} else {
			if ( eventRecordHolder1 != 0 && ((SAFEARRAY **) arg1) != 0 ) {
				JNIEnv * env = brivelJniEnv;
				jclass eventNewRecordsClass1 = env->GetObjectClass( eventRecordHolder1 );
				jfieldID eventNewRecordsField1 = env->GetFieldID( eventNewRecordsClass1, "array", "[Lbrivel/TavoRecord;" );
				env->DeleteLocalRef( eventNewRecordsClass1 );
				jobjectArray eventNewRecords1 = eventNewRecordsField1 == 0 ? 0 : (jobjectArray) env->GetObjectField( eventRecordHolder1, eventNewRecordsField1 );
				if ( eventNewRecords1 != 0 ) {
					bool eventSendErr1 = false;
					IRecordInfo * eventSendInfo1 = 0;
					jfieldID eventSendFieldIds1[2];
					SAFEARRAY * eventNewArray1 = brivelJArrayToSafeArrayRecord( env, eventNewRecords1, &libDescriptionStruct, &IID_RecordPoint, &brivelRecordDetails[11], 2, &eventSendErr1, &eventSendInfo1, eventSendFieldIds1, false );
					if ( ! eventSendErr1 && eventNewArray1 != 0 && ( *((SAFEARRAY **) arg1) == 0 || SUCCEEDED( SafeArrayDestroy( *((SAFEARRAY **) arg1) ))))
						*((SAFEARRAY **) arg1) = eventNewArray1;
					else if ( eventNewArray1 != 0 )
						SafeArrayDestroy( eventNewArray1 );
					env->DeleteLocalRef( eventNewRecords1 );
				}
			}
			brvException = brivelJniEnv->ExceptionOccurred();
			if ( brvException != NULL ) {
				brivelJniEnv->ExceptionClear();
				jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
				jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
				brivelJniEnv->DeleteLocalRef( brivelListenerClass );
				if ( brivelMethod != NULL ) {
					jstring brivelFnString = brivelJniEnv->NewStringUTF( "Traced" );
					brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
					brivelJniEnv->DeleteLocalRef( brivelFnString );
				}
				brivelJniEnv->DeleteLocalRef( brvException );
			}
		}
		if ( eventArgValue_0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_0 );
		if ( eventRecordHolder1 != 0 ) brivelJniEnv->DeleteLocalRef( eventRecordHolder1 );
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

HRESULT STDMETHODCALLTYPE IPlotterVtEventsHandlerImpl::Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
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
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Placed", "(Ltest/records/Point;Ltest/records/Point;Ltest/records/Sample;Ltest/records/Sample;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Placed";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,4);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Placed", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,4);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Placed", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex2 = brivelGetParamIndex(2,pDispParams,4);
		if ( eventParamIndex2 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Placed", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex3 = brivelGetParamIndex(3,pDispParams,4);
		if ( eventParamIndex3 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Placed", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		jthrowable brivelUnmade = NULL;
	bool evRecordErr0;
	jfieldID evRecordFieldIds0[2];
		jobject eventArgValue_0 = brivelComRecordToJobject( brivelJniEnv, V_RECORD( &pDispParams->rgvarg[eventParamIndex0] ), "test/records/Point", &libDescriptionStruct, &IID_RecordPoint, &brivelRecordDetails[11], 2,  &evRecordErr0, evRecordFieldIds0, V_RECORDINFO( &pDispParams->rgvarg[eventParamIndex0] ), false );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
	bool evRecordErr1;
	jfieldID evRecordFieldIds1[2];
		jobject eventArgValue_1 = brivelComRecordToJobject( brivelJniEnv, V_RECORD( &pDispParams->rgvarg[eventParamIndex1] ), "test/records/Point", &libDescriptionStruct, &IID_RecordPoint, &brivelRecordDetails[11], 2,  &evRecordErr1, evRecordFieldIds1, V_RECORDINFO( &pDispParams->rgvarg[eventParamIndex1] ), false );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
	bool evRecordErr2;
	jfieldID evRecordFieldIds2[3];
		jobject eventArgValue_2 = brivelDirectComRecordToJobject( brivelJniEnv, (unsigned char *) V_RECORD( &pDispParams->rgvarg[eventParamIndex2] ), "test/records/Sample", &brivelRecordDetails[5], 3, &evRecordErr2, evRecordFieldIds2 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
	bool evRecordErr3;
	jfieldID evRecordFieldIds3[3];
		jobject eventArgValue_3 = brivelDirectComRecordToJobject( brivelJniEnv, (unsigned char *) V_RECORD( &pDispParams->rgvarg[eventParamIndex3] ), "test/records/Sample", &brivelRecordDetails[5], 3, &evRecordErr3, evRecordFieldIds3 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, eventArgValue_0
			, eventArgValue_1
			, eventArgValue_2
			, eventArgValue_3
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 4, 0, "void", "Placed"
			, false, "test.records.Point", eventArgValue_0
			, false, "test.records.Point", eventArgValue_1
			, false, "test.records.Sample", eventArgValue_2
			, false, "test.records.Sample", eventArgValue_3
		);
		if ( eventArgValue_0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_0 );
		if ( eventArgValue_1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_1 );
		if ( eventArgValue_2 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_2 );
		if ( eventArgValue_3 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_3 );
	}
	if ( dispIdMember == 2 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Traced", "([Ltest/records/Point;Lbrivel/out/TavoRecordArray;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Traced";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,2);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Traced", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,2);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Traced", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		jthrowable brivelUnmade = NULL;
	bool eventErr0;
	jfieldID eventFieldIds0[2];
		jobjectArray eventArgValue_0 = (jobjectArray) brivelSafeArrayToJArrayRecord( brivelJniEnv, pDispParams->rgvarg[eventParamIndex0].parray, &eventErr0, "test/records/Point", &brivelRecordDetails[11], 2, eventFieldIds0 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
	bool eventErr1;
	jfieldID eventFieldIds1[2];
		jobjectArray eventRecords1 = (jobjectArray) brivelSafeArrayToJArrayRecord( brivelJniEnv, *pDispParams->rgvarg[eventParamIndex1].pparray, &eventErr1, "test/records/Point", &brivelRecordDetails[11], 2, eventFieldIds1 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jclass eventRecordHolderClass1 = brivelFindClass( brivelJniEnv, "brivel/out/TavoRecordArray" );
		jobject eventRecordHolder1 = eventRecordHolderClass1 == 0 ? 0 : brivelJniEnv->NewObject( eventRecordHolderClass1, brivelJniEnv->GetMethodID( eventRecordHolderClass1, "<init>", "([Lbrivel/TavoRecord;)V" ), eventRecords1 );
		if ( eventRecordHolderClass1 != 0 ) brivelJniEnv->DeleteLocalRef( eventRecordHolderClass1 );
		if ( eventRecords1 != 0 ) brivelJniEnv->DeleteLocalRef( eventRecords1 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, eventArgValue_0
			, eventRecordHolder1
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "Traced"
			, false, "test.records.Point[]", eventArgValue_0
			, true, "brivel.out.TavoRecordArray", eventRecordHolder1
		);
		if ( ! brivelJniEnv->ExceptionCheck()) {
			if (( pDispParams->rgvarg[eventParamIndex1].vt & ( VT_BYREF | VT_ARRAY )) == ( VT_BYREF | VT_ARRAY )) {
				if ( eventRecordHolder1 != 0 && pDispParams->rgvarg[eventParamIndex1].pparray != 0 ) {
					JNIEnv * env = brivelJniEnv;
					jclass eventNewRecordsClass1 = env->GetObjectClass( eventRecordHolder1 );
					jfieldID eventNewRecordsField1 = env->GetFieldID( eventNewRecordsClass1, "array", "[Lbrivel/TavoRecord;" );
					env->DeleteLocalRef( eventNewRecordsClass1 );
					jobjectArray eventNewRecords1 = eventNewRecordsField1 == 0 ? 0 : (jobjectArray) env->GetObjectField( eventRecordHolder1, eventNewRecordsField1 );
					if ( eventNewRecords1 != 0 ) {
						bool eventSendErr1 = false;
						IRecordInfo * eventSendInfo1 = 0;
						jfieldID eventSendFieldIds1[2];
						SAFEARRAY * eventNewArray1 = brivelJArrayToSafeArrayRecord( env, eventNewRecords1, &libDescriptionStruct, &IID_RecordPoint, &brivelRecordDetails[11], 2, &eventSendErr1, &eventSendInfo1, eventSendFieldIds1, false );
						if ( ! eventSendErr1 && eventNewArray1 != 0 && ( *pDispParams->rgvarg[eventParamIndex1].pparray == 0 || SUCCEEDED( SafeArrayDestroy( *pDispParams->rgvarg[eventParamIndex1].pparray ))))
							*pDispParams->rgvarg[eventParamIndex1].pparray = eventNewArray1;
						else if ( eventNewArray1 != 0 )
							SafeArrayDestroy( eventNewArray1 );
						env->DeleteLocalRef( eventNewRecords1 );
					}
				}
			}
		}
		if ( eventArgValue_0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_0 );
		if ( eventRecordHolder1 != 0 ) brivelJniEnv->DeleteLocalRef( eventRecordHolder1 );
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

extern "C" JNIEXPORT jboolean JNICALL Java_test_records_IPlotterVtEvents__1_1TavoLoad
	(JNIEnv * env, jobject thisObj, jobject obj, jboolean initial )
{
	HRESULT ret;
	IUnknown * pUnk;
	IDispatch * pDisp;
	brivelInitThread( env );
	if ( obj == 0 ) return 0;
	pUnk = (IUnknown *) env->GetIntField( obj, brivelGetComId());
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoIPlotterVtEvents, (void **) &pDisp );
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

extern "C" JNIEXPORT jboolean JNICALL Java_test_records_IPlotterVtEvents__1_1TavoEventListenerInit
	(JNIEnv * env, jobject thisObj )
{
	brivelInitThread( env );
	IPlotterVtEventsHandlerImpl * sink = 0;
	try {
		sink = new IPlotterVtEventsHandlerImpl( thisObj );
	} catch ( ... ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/OutOfMemoryError" ), "event sink" );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetEventId(), (jint) sink );
	return 1;
}

class DPlotterEventsHandlerImpl : public IDispatch {
	jobject brvJavaObject;
	bool serverSide;
	jstring interfaceName;
	long brvRef;
public:
	DPlotterEventsHandlerImpl( jobject obj ) : interfaceName(NULL), serverSide(false), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) {}

	DPlotterEventsHandlerImpl( jstring intf, jobject obj ) : interfaceName(intf), serverSide(true), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) {}

	virtual HRESULT STDMETHODCALLTYPE QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject);
	virtual ULONG STDMETHODCALLTYPE AddRef( void);
	virtual ULONG STDMETHODCALLTYPE Release( void);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfoCount( UINT __RPC_FAR *pctinfo);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo);
	virtual HRESULT STDMETHODCALLTYPE GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId);
	virtual HRESULT STDMETHODCALLTYPE Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS __RPC_FAR *pDispParams, VARIANT __RPC_FAR *pVarResult, EXCEPINFO __RPC_FAR *pExcepInfo, UINT __RPC_FAR *puArgErr);
};


HRESULT STDMETHODCALLTYPE DPlotterEventsHandlerImpl::QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject)
{
	if ( riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_ITavoDPlotterEvents ) {
		*ppvObject = this;
		AddRef();
		return S_OK;
	}
	if ( riid == IID_BrivelQueryIID ) {
		*ppvObject = (void *) &IID_ITavoDPlotterEvents;
		return S_OK;
	}
	*ppvObject = NULL;
	return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE DPlotterEventsHandlerImpl::AddRef( void )
{
	return InterlockedIncrement( &brvRef );
}

ULONG STDMETHODCALLTYPE DPlotterEventsHandlerImpl::Release( void )
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

HRESULT STDMETHODCALLTYPE DPlotterEventsHandlerImpl::GetTypeInfoCount( UINT __RPC_FAR *pctinfo)
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE DPlotterEventsHandlerImpl::GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo )
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE DPlotterEventsHandlerImpl::GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId)
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE DPlotterEventsHandlerImpl::Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
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
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Plotted", "(Ltest/records/Point;Ltest/records/Frame;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Plotted";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,2);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Plotted", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,2);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Plotted", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		jthrowable brivelUnmade = NULL;
	bool evRecordErr0;
	jfieldID evRecordFieldIds0[2];
		jobject eventArgValue_0 = brivelComRecordToJobject( brivelJniEnv, V_RECORD( &pDispParams->rgvarg[eventParamIndex0] ), "test/records/Point", &libDescriptionStruct, &IID_RecordPoint, &brivelRecordDetails[11], 2,  &evRecordErr0, evRecordFieldIds0, V_RECORDINFO( &pDispParams->rgvarg[eventParamIndex0] ), false );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
	bool evRecordErr1;
	jfieldID evRecordFieldIds1[3];
		jobject eventArgValue_1 = brivelComRecordToJobject( brivelJniEnv, V_RECORD( &pDispParams->rgvarg[eventParamIndex1] ), "test/records/Frame", &libDescriptionStruct, &IID_RecordFrame, &brivelRecordDetails[8], 3,  &evRecordErr1, evRecordFieldIds1, V_RECORDINFO( &pDispParams->rgvarg[eventParamIndex1] ), false );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, eventArgValue_0
			, eventArgValue_1
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "Plotted"
			, false, "test.records.Point", eventArgValue_0
			, false, "test.records.Frame", eventArgValue_1
		);
		if ( eventArgValue_0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_0 );
		if ( eventArgValue_1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_1 );
	}
	if ( dispIdMember == 2 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Traced", "([Ltest/records/Point;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Traced";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Traced", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		jthrowable brivelUnmade = NULL;
	bool eventErr0;
	jfieldID eventFieldIds0[2];
		jobjectArray eventArgValue_0 = (jobjectArray) brivelSafeArrayToJArrayRecord( brivelJniEnv, pDispParams->rgvarg[eventParamIndex0].parray, &eventErr0, "test/records/Point", &brivelRecordDetails[11], 2, eventFieldIds0 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, eventArgValue_0
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "Traced"
			, false, "test.records.Point[]", eventArgValue_0
		);
		if ( eventArgValue_0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_0 );
	}
	if ( dispIdMember == 3 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Sampled", "(Ltest/records/Sample;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Sampled";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Sampled", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		jthrowable brivelUnmade = NULL;
	bool evRecordErr0;
	jfieldID evRecordFieldIds0[3];
		jobject eventArgValue_0 = brivelDirectComRecordToJobject( brivelJniEnv, (unsigned char *) V_RECORD( &pDispParams->rgvarg[eventParamIndex0] ), "test/records/Sample", &brivelRecordDetails[5], 3, &evRecordErr0, evRecordFieldIds0 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, eventArgValue_0
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "Sampled"
			, false, "test.records.Sample", eventArgValue_0
		);
		if ( eventArgValue_0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_0 );
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

extern "C" JNIEXPORT jboolean JNICALL Java_test_records_DPlotterEvents__1_1TavoLoad
	(JNIEnv * env, jobject thisObj, jobject obj, jboolean initial )
{
	HRESULT ret;
	IUnknown * pUnk;
	IDispatch * pDisp;
	brivelInitThread( env );
	if ( obj == 0 ) return 0;
	pUnk = (IUnknown *) env->GetIntField( obj, brivelGetComId());
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoDPlotterEvents, (void **) &pDisp );
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

extern "C" JNIEXPORT jboolean JNICALL Java_test_records_DPlotterEvents__1_1TavoEventListenerInit
	(JNIEnv * env, jobject thisObj )
{
	brivelInitThread( env );
	DPlotterEventsHandlerImpl * sink = 0;
	try {
		sink = new DPlotterEventsHandlerImpl( thisObj );
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
	void * arg1 = va_arg( ap, void * );
	void * arg2 = va_arg( ap, void * );
	void * arg3 = va_arg( ap, void * );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,void *,void *,void *)) (*(_VtblFunc **)pUnk)[3])) (pUnk,arg1,arg2,arg3);
}

// JNI Implementation of IPlotterVt.Plot
extern "C" JNIEXPORT jobject JNICALL Java_test_records_IPlotterVt_Plot__Ltest_records_Point_2Ltest_records_Point_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobject arg0,
	 jobject arg1)
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
	void * rec0 = brivelJObjectToComRecord( env, arg0, &libDescriptionStruct, &IID_RecordPoint, &brivelRecordDetails[11], 2, &err0, &iRecInfo0, fieldIds0, false );
	if ( err0 ) return 0;
	IRecordInfo * iRecInfo1 = 0;
	jfieldID fieldIds1[2];
	bool err1;
	void * rec1 = brivelJObjectToComRecord( env, arg1, &libDescriptionStruct, &IID_RecordPoint, &brivelRecordDetails[11], 2, &err1, &iRecInfo1, fieldIds1, false );
	if ( err1 ) {
		brivelClearRecordData( env, rec0, iRecInfo0 );
		return 0;
	}
	unsigned char recRet[8];
	memset( recRet, 0, sizeof recRet );
	unsigned char * recRetPtr = recRet;
	hr = brivelVtableInvoker( env, vThunk_1, pUnk,(void *) rec0,(void *) rec1,(void *) recRetPtr);
	if ( brivelCheckFatalError( env )) {
		brivelClearRecordData( env, rec0, iRecInfo0 );
		brivelClearRecordData( env, rec1, iRecInfo1 );
		return 0;
	}
	if ( SUCCEEDED( hr )) {
	brivelCopyComRecordToJObject( env, rec1, arg1, &brivelRecordDetails[11], 2, iRecInfo1, fieldIds1 );
	}
	brivelClearRecordData( env, rec0, iRecInfo0 );
	brivelClearRecordData( env, rec1, iRecInfo1 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return 0;
	}
	bool retErr;
	jfieldID fieldIdsRet[2];
	jobject retObj = brivelDirectComRecordToJobject( env, recRetPtr, "test/records/Point", &brivelRecordDetails[11], 2, &retErr, fieldIdsRet );
	brivelClearDirectRecord( &brivelRecordDetails[11], 2, recRetPtr );
	return retObj;
}

// Thunk for virtual call invocation.
static HRESULT vThunk_2( IUnknown * pUnk, va_list ap )
{
	void ** arg1 = va_arg( ap, void ** );
	void ** arg2 = va_arg( ap, void ** );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,void **,void **)) (*(_VtblFunc **)pUnk)[4])) (pUnk,arg1,arg2);
}

// JNI Implementation of IPlotterVt.Sampled
extern "C" JNIEXPORT jobject JNICALL Java_test_records_IPlotterVt_Sampled__Ltest_records_Sample_2
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
	jfieldID fieldIds0[3];
	bool err0;
	unsigned char rec0[16];
	memset( rec0, 0, sizeof rec0 );
	brivelDirectCopyJObjectToComRecord( env, arg0, rec0, 3, &brivelRecordDetails[5], fieldIds0, &err0 );
	if ( err0 ) {
		brivelClearDirectRecord( &brivelRecordDetails[5], 3, rec0 );
		return 0;
	}
	void ** recPtr0 = (void **) &rec0;
	unsigned char recRet[16];
	memset( recRet, 0, sizeof recRet );
	unsigned char * recRetPtr = recRet;
	hr = brivelVtableInvoker( env, vThunk_2, pUnk,recPtr0,(void *) recRetPtr);
	if ( brivelCheckFatalError( env )) {
		brivelClearDirectRecord( &brivelRecordDetails[5], 3, rec0 );
		return 0;
	}
	if ( SUCCEEDED( hr )) {
	brivelDirectCopyComRecordToJObject( env, rec0, arg0, 3, &brivelRecordDetails[5], fieldIds0 );
	}
	brivelClearDirectRecord( &brivelRecordDetails[5], 3, rec0 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return 0;
	}
	bool retErr;
	jfieldID fieldIdsRet[3];
	jobject retObj = brivelDirectComRecordToJobject( env, recRetPtr, "test/records/Sample", &brivelRecordDetails[5], 3, &retErr, fieldIdsRet );
	brivelClearDirectRecord( &brivelRecordDetails[5], 3, recRetPtr );
	return retObj;
}

// Thunk for virtual call invocation.
static HRESULT vThunk_3( IUnknown * pUnk, va_list ap )
{
	SAFEARRAY * arg1 = va_arg( ap, SAFEARRAY * );
	SAFEARRAY ** arg2 = va_arg( ap, SAFEARRAY ** );
	SAFEARRAY ** arg3 = va_arg( ap, SAFEARRAY ** );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,SAFEARRAY *,SAFEARRAY **,SAFEARRAY **)) (*(_VtblFunc **)pUnk)[5])) (pUnk,arg1,arg2,arg3);
}

// JNI Implementation of IPlotterVt.Trace
extern "C" JNIEXPORT jobject JNICALL Java_test_records_IPlotterVt_Trace___3Ltest_records_Point_2Lbrivel_out_TavoRecordArray_2
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
	jobjectArray jarray0 = (jobjectArray) arg0;
	bool vErr0;
	IRecordInfo * vRecInfo0;
	jfieldID vFieldIds0[2];
	SAFEARRAY * tmpSa__0 = brivelJArrayToSafeArrayRecord( env, jarray0, &libDescriptionStruct, &IID_RecordPoint, &brivelRecordDetails[11], 2, &vErr0, &vRecInfo0, vFieldIds0, false );
	if ( vErr0 ) return 0;
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		SafeArrayDestroy( tmpSa__0 );
		return 0;
	}
	jfieldID holderField1 = env->GetFieldID( brivelFindClass( env, "brivel/out/TavoRecordArray" ), "array", "[Lbrivel/TavoRecord;" );
	jobjectArray jarray1 = (jobjectArray) env->GetObjectField( arg1, holderField1 );
	bool vErr1;
	IRecordInfo * vRecInfo1;
	jfieldID vFieldIds1[2];
	SAFEARRAY * tmpSa__1 = brivelJArrayToSafeArrayRecord( env, jarray1, &libDescriptionStruct, &IID_RecordPoint, &brivelRecordDetails[11], 2, &vErr1, &vRecInfo1, vFieldIds1, false );
	if ( vErr1 ) {
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
	jobjectArray outArray1 = brivelCopySafeArrayToJArrayRecord( env, true, tmpSa__1, jarray1, NULL, "test/records/Point", &vErr1, &brivelRecordDetails[11], 2,  vFieldIds1 );
	if ( !vErr1 ) env->SetObjectField( arg1, holderField1, outArray1 );
	if ( vErr1 ) {
		SafeArrayDestroy( tmpSa__0 );
		SafeArrayDestroy( tmpSa__1 );
		return 0;
	}
	}
	SafeArrayDestroy( tmpSa__0 );
	SafeArrayDestroy( tmpSa__1 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return 0;
	}
	bool retErr;
	jfieldID retFieldIds[2];
	jobjectArray retArray = brivelSafeArrayToJArrayRecord( env, retVal, &retErr, "test/records/Point", &brivelRecordDetails[11], 2, retFieldIds );
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
static HRESULT vThunk_4( IUnknown * pUnk, va_list ap )
{
	void * arg1 = va_arg( ap, void * );
	void * arg2 = va_arg( ap, void * );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,void *,void *)) (*(_VtblFunc **)pUnk)[6])) (pUnk,arg1,arg2);
}

// JNI Implementation of IPlotterVt.Outline
extern "C" JNIEXPORT jobject JNICALL Java_test_records_IPlotterVt_Outline__Ltest_records_Polygon_2
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
	env->ThrowNew( brivelFindClass( env, "brivel/TavoException" ), "Unsupported record type" );
	return 0;
	void * rec0 = 0;
	env->ThrowNew( brivelFindClass( env, "brivel/TavoException" ), "Unsupported record type" );
	return 0;
	hr = brivelVtableInvoker( env, vThunk_4, pUnk,(void *) rec0,(void *) 0);
	if ( brivelCheckFatalError( env )) {
		return 0;
	}
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return 0;
	}
	return 0;
}

// Thunk for virtual call invocation.
static HRESULT vThunk_5( IUnknown * pUnk, va_list ap )
{
	void * arg1 = va_arg( ap, void * );
	void * arg2 = va_arg( ap, void * );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,DWORD,DWORD,DWORD,DWORD,DWORD,DWORD)) (*(_VtblFunc **)pUnk)[7])) (pUnk,((DWORD *) arg1)[0],((DWORD *) arg1)[1],((DWORD *) arg2)[0],((DWORD *) arg2)[1],((DWORD *) arg2)[2],((DWORD *) arg2)[3]);
}

// JNI Implementation of IPlotterVt.Place
extern "C" JNIEXPORT void JNICALL Java_test_records_IPlotterVt_Place__Ltest_records_Point_2Ltest_records_Sample_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobject arg0,
	 jobject arg1)
{
	HRESULT hr;
	IUnknown * pUnk = (IUnknown *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pUnk == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	IRecordInfo * iRecInfo0 = 0;
	jfieldID fieldIds0[2];
	bool err0;
	void * rec0 = brivelJObjectToComRecord( env, arg0, &libDescriptionStruct, &IID_RecordPoint, &brivelRecordDetails[11], 2, &err0, &iRecInfo0, fieldIds0, false );
	if ( err0 ) return;
	unsigned char recBytes0[8];
	memset( recBytes0, 0, sizeof recBytes0 );
	if ( rec0 != 0 ) memcpy( recBytes0, rec0, 8 );
	jfieldID fieldIds1[3];
	bool err1;
	unsigned char rec1[16];
	memset( rec1, 0, sizeof rec1 );
	brivelDirectCopyJObjectToComRecord( env, arg1, rec1, 3, &brivelRecordDetails[5], fieldIds1, &err1 );
	if ( err1 ) {
		brivelClearDirectRecord( &brivelRecordDetails[5], 3, rec1 );
		brivelClearRecordData( env, rec0, iRecInfo0 );
		return;
	}
	hr = brivelVtableInvoker( env, vThunk_5, pUnk,(void *) recBytes0,(void *) rec1);
	if ( brivelCheckFatalError( env )) {
		brivelClearRecordData( env, rec0, iRecInfo0 );
		brivelClearDirectRecord( &brivelRecordDetails[5], 3, rec1 );
		return;
	}
	brivelClearRecordData( env, rec0, iRecInfo0 );
	brivelClearDirectRecord( &brivelRecordDetails[5], 3, rec1 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return;
	}
}

extern "C" JNIEXPORT jboolean JNICALL Java_test_records_IPlotterVt__1_1TavoLoad
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
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoIPlotterVt, (void **) &pDisp );
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

// JNI Implementation of IPlotter.Plot
extern "C" JNIEXPORT jobject JNICALL Java_test_records_IPlotter_Plot__Ltest_records_Point_2Ltest_records_Point_2Ltest_records_Point_2
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
	vargs[2].vt = VT_RECORD;
	IRecordInfo * iRecInfo0 = 0;
	jfieldID fieldIds0[2];
	bool err0;
	jobject recobj0 = arg0;
	V_RECORD( &vargs[2 ] ) = brivelJObjectToComRecord( env, recobj0, &libDescriptionStruct, &IID_RecordPoint, &brivelRecordDetails[11], 2, &err0, &iRecInfo0, fieldIds0, false );
	if ( err0 ) return 0;
	V_RECORDINFO( &vargs[2] ) = iRecInfo0;
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		brivelClearRecordData( env, V_RECORD( &vargs[2] ), V_RECORDINFO( &vargs[2] ));
		return 0;
	}
	vargs[1].vt = VT_RECORD;
	IRecordInfo * iRecInfo1 = 0;
	jfieldID fieldIds1[2];
	bool err1;
	jobject recobj1 = arg1;
	V_RECORD( &vargs[1 ] ) = brivelJObjectToComRecord( env, recobj1, &libDescriptionStruct, &IID_RecordPoint, &brivelRecordDetails[11], 2, &err1, &iRecInfo1, fieldIds1, false );
	if ( err1 ) {
		brivelClearRecordData( env, V_RECORD( &vargs[2] ), V_RECORDINFO( &vargs[2] ));
		return 0;
	}
	V_RECORDINFO( &vargs[1] ) = iRecInfo1;
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		brivelClearRecordData( env, V_RECORD( &vargs[2] ), V_RECORDINFO( &vargs[2] ));
		brivelClearRecordData( env, V_RECORD( &vargs[1] ), V_RECORDINFO( &vargs[1] ));
		return 0;
	}
	vargs[0].vt = VT_RECORD;
	IRecordInfo * iRecInfo2 = 0;
	jfieldID fieldIds2[2];
	bool err2;
	jobject recobj2 = arg2;
	V_RECORD( &vargs[0 ] ) = brivelJObjectToComRecord( env, (jobject) 0, &libDescriptionStruct, &IID_RecordPoint, &brivelRecordDetails[11], 2, &err2, &iRecInfo2, fieldIds2, true );
	if ( err2 ) {
		brivelClearRecordData( env, V_RECORD( &vargs[2] ), V_RECORDINFO( &vargs[2] ));
		brivelClearRecordData( env, V_RECORD( &vargs[1] ), V_RECORDINFO( &vargs[1] ));
		return 0;
	}
	V_RECORDINFO( &vargs[0] ) = iRecInfo2;
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 1, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		brivelClearRecordData( env, V_RECORD( &vargs[2] ), V_RECORDINFO( &vargs[2] ));
		brivelClearRecordData( env, V_RECORD( &vargs[1] ), V_RECORDINFO( &vargs[1] ));
		brivelClearRecordData( env, V_RECORD( &vargs[0] ), V_RECORDINFO( &vargs[0] ));
		return 0;
	}
	if ( SUCCEEDED( hr )) {
		brivelCopyComRecordToJObject( env, V_RECORD( &vargs[1] ), recobj1, &brivelRecordDetails[11], 2, V_RECORDINFO( &vargs[1] ), fieldIds1 );
	}
	if ( SUCCEEDED( hr )) {
		brivelCopyComRecordToJObject( env, V_RECORD( &vargs[0] ), recobj2, &brivelRecordDetails[11], 2, V_RECORDINFO( &vargs[0] ), fieldIds2 );
	}
	brivelClearRecordData( env, V_RECORD( &vargs[2] ), V_RECORDINFO( &vargs[2] ));
	brivelClearRecordData( env, V_RECORD( &vargs[1] ), V_RECORDINFO( &vargs[1] ));
	brivelClearRecordData( env, V_RECORD( &vargs[0] ), V_RECORDINFO( &vargs[0] ));
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
		return 0;
	}
	if ( ret.vt != VT_RECORD && ret.vt != VT_EMPTY && ret.vt != VT_NULL ) {
		VariantClear( &ret );
		brivelThrowComExceptionObject( env, DISP_E_TYPEMISMATCH, 0 );
		return 0;
	}
	if ( ret.vt != VT_RECORD ) {
		VariantClear( &ret );
		return 0;
	}
	bool reterr;
	jfieldID retFieldIds[3];
	return brivelComRecordToJobject( env, V_RECORD( &ret ), "test/records/Frame", &libDescriptionStruct, &IID_RecordFrame, &brivelRecordDetails[8], 3,  &reterr, retFieldIds, V_RECORDINFO( &ret ), true );
}

// JNI Implementation of IPlotter.Lay
extern "C" JNIEXPORT jint JNICALL Java_test_records_IPlotter_Lay__Ltest_records_Grid_2
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
	vargs[0].vt = VT_RECORD;
	IRecordInfo * iRecInfo0 = 0;
	jfieldID fieldIds0[3];
	bool err0;
	jobject recobj0 = arg0;
	V_RECORD( &vargs[0 ] ) = brivelJObjectToComRecord( env, recobj0, &libDescriptionStruct, &IID_RecordGrid, &brivelRecordDetails[0], 3, &err0, &iRecInfo0, fieldIds0, false );
	if ( err0 ) return 0;
	V_RECORDINFO( &vargs[0] ) = iRecInfo0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 2, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		brivelClearRecordData( env, V_RECORD( &vargs[0] ), V_RECORDINFO( &vargs[0] ));
		return 0;
	}
	brivelClearRecordData( env, V_RECORD( &vargs[0] ), V_RECORDINFO( &vargs[0] ));
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

// JNI Implementation of IPlotter.Trace
extern "C" JNIEXPORT jobjectArray JNICALL Java_test_records_IPlotter_Trace___3Ltest_records_Point_2Lbrivel_out_TavoRecordArray_2
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
	jobjectArray jarray0 = (jobjectArray) arg0;
	bool err0;
	IRecordInfo * iRecInfo0;
	jfieldID fieldIds0[2];
	SAFEARRAY * tmpSafeArray0 = brivelJArrayToSafeArrayRecord( env, jarray0, &libDescriptionStruct, &IID_RecordPoint, &brivelRecordDetails[11], 2, &err0, &iRecInfo0, fieldIds0, false );
	if ( err0 ) return 0;
	vargs[1].vt = VT_ARRAY | VT_RECORD;
	vargs[1].parray = tmpSafeArray0;
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	jfieldID holderField1 = env->GetFieldID( brivelFindClass( env, "brivel/out/TavoRecordArray" ), "array", "[Lbrivel/TavoRecord;" );
	jobjectArray jarray1 = (jobjectArray) env->GetObjectField( arg1, holderField1 );
	bool err1;
	IRecordInfo * iRecInfo1;
	jfieldID fieldIds1[2];
	SAFEARRAY * tmpSafeArray1 = brivelJArrayToSafeArrayRecord( env, jarray1, &libDescriptionStruct, &IID_RecordPoint, &brivelRecordDetails[11], 2, &err1, &iRecInfo1, fieldIds1, false );
	if ( err1 ) {
		SafeArrayDestroy( tmpSafeArray0 );
		return 0;
	}
	vargs[0].vt = VT_ARRAY | VT_BYREF | VT_RECORD;
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
		jobjectArray outArray1 = brivelCopySafeArrayToJArrayRecord( env, true, *vargs[0].pparray, jarray1, NULL, "test/records/Point", &err1, &brivelRecordDetails[11], 2,  fieldIds1 );
		if ( !err1 ) env->SetObjectField( arg1, holderField1, outArray1 );
		if ( err1 ) {
			SafeArrayDestroy( tmpSafeArray0 );
			SafeArrayDestroy( tmpSafeArray1 );
			VariantClear( &ret );
			return 0;
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
	bool reterr;
	jfieldID retFieldIds[2];
	jobjectArray retArray = brivelSafeArrayToJArrayRecord( env, ( ret.vt & VT_ARRAY ) == 0 ? 0 : ( ret.vt & VT_BYREF ) ? *ret.pparray : ret.parray, &reterr, "test/records/Point", &brivelRecordDetails[11], 2, retFieldIds );
	VariantClear( &ret );
	return retArray;
}

// JNI Implementation of IPlotter.Outline
extern "C" JNIEXPORT void JNICALL Java_test_records_IPlotter_Outline__Ltest_records_Polygon_2
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
	env->ThrowNew( brivelFindClass( env, "brivel/TavoException" ), "Record definition not found in type library" );
	return;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 4, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IPlotter.Measure
extern "C" JNIEXPORT void JNICALL Java_test_records_IPlotter_Measure__Ltest_records_Sample_2
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
	env->ThrowNew( brivelFindClass( env, "brivel/TavoException" ), "Record definition not found in type library" );
	return;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 5, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IPlotter.Stage
extern "C" JNIEXPORT void JNICALL Java_test_records_IPlotter_Stage__Ltest_records_Scene_2Ltest_records_Marker_2
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
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	if ( arg0 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 1 is null" );
		return;
	}
	env->ThrowNew( brivelFindClass( env, "brivel/TavoException" ), "Record definition not found in type library" );
	return;
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		return;
	}
	vargs[0].vt = VT_RECORD;
	IRecordInfo * iRecInfo1 = 0;
	jfieldID fieldIds1[2];
	bool err1;
	jobject recobj1 = arg1;
	V_RECORD( &vargs[0 ] ) = brivelJObjectToComRecord( env, recobj1, &libDescriptionStruct, &IID_RecordMarker, &brivelRecordDetails[3], 2, &err1, &iRecInfo1, fieldIds1, false );
	if ( err1 ) return;
	V_RECORDINFO( &vargs[0] ) = iRecInfo1;
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 6, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		brivelClearRecordData( env, V_RECORD( &vargs[0] ), V_RECORDINFO( &vargs[0] ));
		return;
	}
	if ( SUCCEEDED( hr )) {
		brivelCopyComRecordToJObject( env, V_RECORD( &vargs[0] ), recobj1, &brivelRecordDetails[3], 2, V_RECORDINFO( &vargs[0] ), fieldIds1 );
	}
	brivelClearRecordData( env, V_RECORD( &vargs[0] ), V_RECORDINFO( &vargs[0] ));
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IPlotter.Mix
extern "C" JNIEXPORT void JNICALL Java_test_records_IPlotter_Mix___3ILbrivel_out_TavoRecordArray_2_3Ljava_lang_String_2
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
	jint * arg0__arrayBuf = env->GetIntArrayElements( (jintArray) arg0, NULL );
	vargs[2].vt = VT_BYREF | VT_I4;
	V_I4REF( &vargs[2] ) = (long *) &arg0__arrayBuf[0];
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		env->ReleaseIntArrayElements( (jintArray) arg0, arg0__arrayBuf, 0 );
		return;
	}
	jfieldID holderField1 = env->GetFieldID( brivelFindClass( env, "brivel/out/TavoRecordArray" ), "array", "[Lbrivel/TavoRecord;" );
	jobjectArray jarray1 = (jobjectArray) env->GetObjectField( arg1, holderField1 );
	bool err1;
	IRecordInfo * iRecInfo1;
	jfieldID fieldIds1[2];
	SAFEARRAY * tmpSafeArray1 = brivelJArrayToSafeArrayRecord( env, jarray1, &libDescriptionStruct, &IID_RecordPoint, &brivelRecordDetails[11], 2, &err1, &iRecInfo1, fieldIds1, false );
	if ( err1 ) {
		env->ReleaseIntArrayElements( (jintArray) arg0, arg0__arrayBuf, 0 );
		return;
	}
	vargs[1].vt = VT_ARRAY | VT_BYREF | VT_RECORD;
	vargs[1].pparray = &tmpSafeArray1;
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Array of length 1 must be passed to retrieve out parameters, found null." );
		env->ReleaseIntArrayElements( (jintArray) arg0, arg0__arrayBuf, 0 );
		SafeArrayDestroy( tmpSafeArray1 );
		return;
	}
	if ( env->GetArrayLength((jarray)arg2) != 1 ) {
		env->ThrowNew( brivelFindClass( env, "brivel/TavoException" ), "Array of length 1 must be passed for OUT parameters" );
		env->ReleaseIntArrayElements( (jintArray) arg0, arg0__arrayBuf, 0 );
		SafeArrayDestroy( tmpSafeArray1 );
		return;
	}
	vargs[0].vt = VT_BYREF | VT_BSTR;
	BSTR temp__2 = brivelJstringToBstr( env, (jstring) env->GetObjectArrayElement((jobjectArray)arg2,0) );
	V_BSTRREF( &vargs[0 ] ) = &temp__2;
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 7, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		env->ReleaseIntArrayElements( (jintArray) arg0, arg0__arrayBuf, 0 );
		SafeArrayDestroy( tmpSafeArray1 );
		SysFreeString( temp__2 );
		return;
	}
	env->ReleaseIntArrayElements( (jintArray) arg0, arg0__arrayBuf, 0 );
	if ( SUCCEEDED( hr )) {
		jobjectArray outArray1 = brivelCopySafeArrayToJArrayRecord( env, true, *vargs[1].pparray, jarray1, NULL, "test/records/Point", &err1, &brivelRecordDetails[11], 2,  fieldIds1 );
		if ( !err1 ) env->SetObjectField( arg1, holderField1, outArray1 );
		if ( err1 ) {
			SafeArrayDestroy( tmpSafeArray1 );
			SysFreeString( temp__2 );
			return;
		}
	}
	if ( SUCCEEDED( hr )) {
		env->SetObjectArrayElement((jobjectArray)arg2, 0, brivelBstrToJstr( env, *V_BSTRREF( &vargs[0] )));
		VariantClear( &vargs[0] );
	}
	SafeArrayDestroy( tmpSafeArray1 );
	SysFreeString( temp__2 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

extern "C" JNIEXPORT jboolean JNICALL Java_test_records_IPlotter__1_1TavoLoad
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
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoIPlotter, (void **) &pDisp );
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
extern "C" JNIEXPORT jobjectArray JNICALL Java_test_records_Plotter__1_1RemoteEventAdd( JNIEnv * env, jobject thisObj, jstring interfaceStr )
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
		if ( strcmp( interfaceName, "test.records.DPlotterEvents" ) == 0 ) {
			// Initialize and add new listener object.
			iDisp = new DPlotterEventsHandlerImpl( (jstring) env->NewGlobalRef(interfaceStr), thisObj );
		} else if ( strcmp( interfaceName, "test.records.IPlotterVtEvents" ) == 0 ) {
			// Initialize and add new listener object.
			iDisp = new IPlotterVtEventsHandlerImpl( (jstring) env->NewGlobalRef(interfaceStr), thisObj );
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

