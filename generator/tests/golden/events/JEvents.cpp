// File: C:\events-golden\JEvents.cpp
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
const GUID IID_LibId = { 0x6b2c0200, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x1 }};
// IIDs used in type library

IID IID_ITavoProbe = { 0x6b2c0200, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x40 }};
IID IID_ITavoICallback = { 0x6b2c0200, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x32 }};
IID IID_ITavoIProbeEvents = { 0x6b2c0200, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x31 }};
IID IID_ITavoIProbe = { 0x6b2c0200, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x30 }};
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
	{ &IID_ITavoIProbe, "test/events/IProbe" },
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
	{ VT_I4, 0, L"first", "first", "I", "int", 0 },
	{ VT_I4, 4, L"second", "second", "I", "int", 0 },
};

struct {
	const IID * structIID;
	int size;
	const char * className;
	void * fieldDetailStart;
	int fieldCount;
} recordIidMap[] = {
	{ 0, 8, "test/events/Pair", &brivelRecordDetails[0], 2 },
};

// DLL initialization/termination

extern "C" int APIENTRY DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)
{
	if ( dwReason == DLL_PROCESS_ATTACH ) {
		brivelInitDLL18( 1 );
		brivelIidMapTypes( brivelIIDMap, 1 );
		brivelRegisterRecordTypes( &libDescriptionStruct, recordIidMap, 1 );
	} else if ( dwReason == DLL_THREAD_ATTACH ) {
		brivelInitThread( NULL );
	}
	return 1;
}



// JNI implementations

// GUID for class Probe
extern "C" JNIEXPORT jstring JNICALL Java_test_events_Probe__1_1TavoGetGUID
	(JNIEnv * env, jclass thisCls )
{
	return env->NewStringUTF( "{6B2C0200-0000-4000-8000-000000000040}" );
}

// Object creation for Probe
extern "C" JNIEXPORT jobject JNICALL Java_test_events_Probe__1_1TavoNewObj
	(JNIEnv * env, jobject thisObj, jclass cls)
{
	jmethodID ctorMethod = env->GetMethodID(cls, "<init>", "()V" );
	if ( env->ExceptionOccurred()) {
		env->ExceptionClear();
		return env->AllocObject( cls );
	}
	return env->NewObject( cls, ctorMethod );
}

extern "C" JNIEXPORT jboolean JNICALL Java_test_events_Probe__1_1TavoCreateObject
	(JNIEnv * env, jobject thisObj, jboolean find, jboolean serverOnlyOptions )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( find )
		ret = brivelGetActiveInstance( env, &IID_ITavoProbe, &pUnk );
	else if ( serverOnlyOptions )
		ret = (HRESULT) brivelMiscFunc4( (void *) env, (void *) &IID_ITavoProbe, (void *) &pUnk, NULL );
	else
		ret = brivelCreateInstance( env, &IID_ITavoProbe, &pUnk );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetComId(), (jint) pUnk );
	return 1;
}

class ICallbackHandlerImpl : public IDispatch {
	jobject brvJavaObject;
	bool serverSide;
	jstring interfaceName;
	long brvRef;
	void initDisp( jobject obj );
public:
	ICallbackHandlerImpl( jobject obj ) : interfaceName(NULL), serverSide(false), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) { initDisp( obj ); }

	ICallbackHandlerImpl( jstring intf, jobject obj ) : interfaceName(intf), serverSide(true), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) { initDisp( obj ); }

	virtual HRESULT STDMETHODCALLTYPE QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject);
	virtual ULONG STDMETHODCALLTYPE AddRef( void);
	virtual ULONG STDMETHODCALLTYPE Release( void);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfoCount( UINT __RPC_FAR *pctinfo);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo);
	virtual HRESULT STDMETHODCALLTYPE GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId);
	virtual HRESULT STDMETHODCALLTYPE Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS __RPC_FAR *pDispParams, VARIANT __RPC_FAR *pVarResult, EXCEPINFO __RPC_FAR *pExcepInfo, UINT __RPC_FAR *puArgErr);
	virtual HRESULT STDMETHODCALLTYPE Event_1(long,BSTR);
};


void ICallbackHandlerImpl::initDisp( jobject obj )
{
	if ( serverSide ) return;
	JNIEnv * env = brivelGetJniEnv();
	env->SetIntField( obj, brivelGetEventId(), (long)( (IDispatch *) this ));
}

HRESULT STDMETHODCALLTYPE ICallbackHandlerImpl::QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject)
{
	if ( riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_ITavoICallback ) {
		*ppvObject = this;
		AddRef();
		return S_OK;
	}
	if ( riid == IID_BrivelQueryIID ) {
		*ppvObject = (void *) &IID_ITavoICallback;
		return S_OK;
	}
	*ppvObject = NULL;
	return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE ICallbackHandlerImpl::AddRef( void )
{
	return InterlockedIncrement( &brvRef );
}

ULONG STDMETHODCALLTYPE ICallbackHandlerImpl::Release( void )
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

HRESULT STDMETHODCALLTYPE ICallbackHandlerImpl::GetTypeInfoCount( UINT __RPC_FAR *pctinfo)
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE ICallbackHandlerImpl::GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo )
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE ICallbackHandlerImpl::GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId)
{
	return E_NOTIMPL;
}


HRESULT STDMETHODCALLTYPE ICallbackHandlerImpl::Event_1(long arg0,BSTR arg1)
{
	JNIEnv * brivelJniEnv = brivelGetJniEnv();
	if ( brivelJniEnv == NULL ) return E_UNEXPECTED;
	brivelInitEventThread( brivelJniEnv );
	HRESULT hResult = S_OK;
	if ( serverSide && ! CheckServerSideEvents( brivelJniEnv )) return hResult;
	jmethodID brivelMethod = NULL;
	if ( ! serverSide ) {
		jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
		brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Called", "(ILjava/lang/String;)V");
		brivelJniEnv->DeleteLocalRef( brivelListenerClass );
		if ( brivelMethod == NULL ) {
			brivelJniEnv->ExceptionClear();
			brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelErrorMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventError", "(Ljava/lang/String;Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelErrorMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Called" );
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
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jstring eventArgValue_1 = brivelBstrToJstr( brivelJniEnv, arg1 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelUnmade != NULL ) {
			// An argument could not be made: nothing is called.
		} else if ( brivelMethod != NULL ) {
		brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
				, (jint) arg0
				, eventArgValue_1
			);
		} else {
			if ( serverSide ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "Called"
				, false, "int", (jint) arg0
				, false, "java.lang.String", eventArgValue_1
			);
		}
		jthrowable brvException = brivelJniEnv->ExceptionOccurred();
		if ( brvException != NULL ) {
			brivelJniEnv->ExceptionClear();
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Called" );
				brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
				brivelJniEnv->DeleteLocalRef( brivelFnString );
			}
			brivelJniEnv->DeleteLocalRef( brvException );
		}
		if ( eventArgValue_1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_1 );
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

HRESULT STDMETHODCALLTYPE ICallbackHandlerImpl::Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
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
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Called", "(ILjava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Called";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,2);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Called", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,2);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Called", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[2];
		VARIANTARG brivelOwnArgs[2];
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_I4, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_BSTR, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Called", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "Called"
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
			, false, "java.lang.String", jstrEventArg_1
		);
		if ( jstrEventArg_1 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_1 );
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
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

extern "C" JNIEXPORT jboolean JNICALL Java_test_events_ICallback__1_1TavoLoad
	(JNIEnv * env, jobject thisObj, jobject obj, jboolean initial )
{
	HRESULT ret;
	IUnknown * pUnk;
	IDispatch * pDisp;
	brivelInitThread( env );
	if ( obj == 0 ) return 0;
	pUnk = (IUnknown *) env->GetIntField( obj, brivelGetComId());
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoICallback, (void **) &pDisp );
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

extern "C" JNIEXPORT jboolean JNICALL Java_test_events_ICallback__1_1TavoEventListenerInit
	(JNIEnv * env, jobject thisObj )
{
	brivelInitThread( env );
	ICallbackHandlerImpl * sink = 0;
	try {
		sink = new ICallbackHandlerImpl( thisObj );
	} catch ( ... ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/OutOfMemoryError" ), "event sink" );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetEventId(), (jint) sink );
	return 1;
}

class IProbeEventsHandlerImpl : public IDispatch {
	jobject brvJavaObject;
	bool serverSide;
	jstring interfaceName;
	long brvRef;
public:
	IProbeEventsHandlerImpl( jobject obj ) : interfaceName(NULL), serverSide(false), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) {}

	IProbeEventsHandlerImpl( jstring intf, jobject obj ) : interfaceName(intf), serverSide(true), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) {}

	virtual HRESULT STDMETHODCALLTYPE QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject);
	virtual ULONG STDMETHODCALLTYPE AddRef( void);
	virtual ULONG STDMETHODCALLTYPE Release( void);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfoCount( UINT __RPC_FAR *pctinfo);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo);
	virtual HRESULT STDMETHODCALLTYPE GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId);
	virtual HRESULT STDMETHODCALLTYPE Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS __RPC_FAR *pDispParams, VARIANT __RPC_FAR *pVarResult, EXCEPINFO __RPC_FAR *pExcepInfo, UINT __RPC_FAR *puArgErr);
	virtual HRESULT STDMETHODCALLTYPE Event_1(long,short,unsigned char,double,float,VARIANT_BOOL,int);
	virtual HRESULT STDMETHODCALLTYPE Event_2(long *,short *,unsigned char *,double *,float *,VARIANT_BOOL *);
	virtual HRESULT STDMETHODCALLTYPE Event_3(BSTR,BSTR *);
	virtual HRESULT STDMETHODCALLTYPE Event_4(VARIANT,VARIANT *,VARIANT *);
	virtual HRESULT STDMETHODCALLTYPE Event_5(IDispatch *,IDispatch *,IDispatch *,IDispatch **,IDispatch **);
	virtual HRESULT STDMETHODCALLTYPE Event_6(DATE,DATE *,CY,CY *);
	virtual HRESULT STDMETHODCALLTYPE Event_7(int *);
	virtual HRESULT STDMETHODCALLTYPE Event_8(long,void *);
	virtual HRESULT STDMETHODCALLTYPE Event_9(double);
	virtual HRESULT STDMETHODCALLTYPE Event_10(double,VARIANT);
	virtual HRESULT STDMETHODCALLTYPE Event_11(IDispatch **,IDispatch **);
	virtual HRESULT STDMETHODCALLTYPE Event_12(SAFEARRAY *,SAFEARRAY **);
	virtual HRESULT STDMETHODCALLTYPE Event_13(DWORD,DWORD,void **);
	virtual HRESULT STDMETHODCALLTYPE Event_14(DECIMAL,void *);
	virtual HRESULT STDMETHODCALLTYPE Event_15(DWORD,DWORD,double,VARIANT);
};


HRESULT STDMETHODCALLTYPE IProbeEventsHandlerImpl::QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject)
{
	if ( riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_ITavoIProbeEvents ) {
		*ppvObject = this;
		AddRef();
		return S_OK;
	}
	if ( riid == IID_BrivelQueryIID ) {
		*ppvObject = (void *) &IID_ITavoIProbeEvents;
		return S_OK;
	}
	*ppvObject = NULL;
	return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE IProbeEventsHandlerImpl::AddRef( void )
{
	return InterlockedIncrement( &brvRef );
}

ULONG STDMETHODCALLTYPE IProbeEventsHandlerImpl::Release( void )
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

HRESULT STDMETHODCALLTYPE IProbeEventsHandlerImpl::GetTypeInfoCount( UINT __RPC_FAR *pctinfo)
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE IProbeEventsHandlerImpl::GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo )
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE IProbeEventsHandlerImpl::GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId)
{
	return E_NOTIMPL;
}


HRESULT STDMETHODCALLTYPE IProbeEventsHandlerImpl::Event_1(long arg0,short arg1,unsigned char arg2,double arg3,float arg4,VARIANT_BOOL arg5,int arg6)
{
	JNIEnv * brivelJniEnv = brivelGetJniEnv();
	if ( brivelJniEnv == NULL ) return E_UNEXPECTED;
	brivelInitEventThread( brivelJniEnv );
	HRESULT hResult = S_OK;
	if ( serverSide && ! CheckServerSideEvents( brivelJniEnv )) return hResult;
	jmethodID brivelMethod = NULL;
	if ( ! serverSide ) {
		jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
		brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Numbers", "(ISBDFZLtest/events/Level;)V");
		brivelJniEnv->DeleteLocalRef( brivelListenerClass );
		if ( brivelMethod == NULL ) {
			brivelJniEnv->ExceptionClear();
			brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelErrorMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventError", "(Ljava/lang/String;Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelErrorMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Numbers" );
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
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArgValue_6 = brivelIntToEnumeratedObject( brivelJniEnv, (int) arg6, "test/events/Level" );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelUnmade != NULL ) {
			// An argument could not be made: nothing is called.
		} else if ( brivelMethod != NULL ) {
		brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
				, (jint) arg0
				, (jshort) arg1
				, (jbyte) arg2
				, (jdouble) arg3
				, (jfloat) arg4
				, arg5 ? JNI_TRUE : JNI_FALSE
				, eventArgValue_6
			);
		} else {
			if ( serverSide ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 7, 0, "void", "Numbers"
				, false, "int", (jint) arg0
				, false, "short", (jshort) arg1
				, false, "byte", (jbyte) arg2
				, false, "double", (jdouble) arg3
				, false, "float", (jfloat) arg4
				, false, "boolean", arg5 ? JNI_TRUE : JNI_FALSE
				, false, "test.events.Level", eventArgValue_6
			);
		}
		jthrowable brvException = brivelJniEnv->ExceptionOccurred();
		if ( brvException != NULL ) {
			brivelJniEnv->ExceptionClear();
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Numbers" );
				brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
				brivelJniEnv->DeleteLocalRef( brivelFnString );
			}
			brivelJniEnv->DeleteLocalRef( brvException );
		}
		if ( eventArgValue_6 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_6 );
	if ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();
	return hResult;
}


HRESULT STDMETHODCALLTYPE IProbeEventsHandlerImpl::Event_2(long * arg0,short * arg1,unsigned char * arg2,double * arg3,float * arg4,VARIANT_BOOL * arg5)
{
	JNIEnv * brivelJniEnv = brivelGetJniEnv();
	if ( brivelJniEnv == NULL ) return E_UNEXPECTED;
	brivelInitEventThread( brivelJniEnv );
	HRESULT hResult = S_OK;
	if ( serverSide && ! CheckServerSideEvents( brivelJniEnv )) return hResult;
	jmethodID brivelMethod = NULL;
	if ( ! serverSide ) {
		jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
		brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "NumbersByRef", "([I[S[B[D[F[Z)V");
		brivelJniEnv->DeleteLocalRef( brivelListenerClass );
		if ( brivelMethod == NULL ) {
			brivelJniEnv->ExceptionClear();
			brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelErrorMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventError", "(Ljava/lang/String;Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelErrorMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "NumbersByRef" );
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
		jintArray eventArrayArg_0 = brivelJniEnv->NewIntArray(1);
		jint * eventArrayPtr_0 = eventArrayArg_0 == 0 ? 0 : brivelJniEnv->GetIntArrayElements( eventArrayArg_0, 0 );
		if ( eventArrayPtr_0 != 0 ) *eventArrayPtr_0 = *(jint *) arg0;
		if ( eventArrayPtr_0 != 0 ) brivelJniEnv->ReleaseIntArrayElements( eventArrayArg_0, eventArrayPtr_0, 0 );
		jobject eventArrayRef_0 = brivelJniEnv->NewGlobalRef(eventArrayArg_0);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jshortArray eventArrayArg_1 = brivelJniEnv->NewShortArray(1);
		jshort * eventArrayPtr_1 = eventArrayArg_1 == 0 ? 0 : brivelJniEnv->GetShortArrayElements( eventArrayArg_1, 0 );
		if ( eventArrayPtr_1 != 0 ) *eventArrayPtr_1 = *(jshort *) arg1;
		if ( eventArrayPtr_1 != 0 ) brivelJniEnv->ReleaseShortArrayElements( eventArrayArg_1, eventArrayPtr_1, 0 );
		jobject eventArrayRef_1 = brivelJniEnv->NewGlobalRef(eventArrayArg_1);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jbyte * eventBytePtr_2 = (jbyte *) arg2;
		jbyteArray eventArrayArg_2 = eventBytePtr_2 == 0 ? 0 : brivelJniEnv->NewByteArray( 1 );
		if ( eventArrayArg_2 != 0 ) brivelJniEnv->SetByteArrayRegion( eventArrayArg_2, 0, 1, eventBytePtr_2 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jdoubleArray eventArrayArg_3 = brivelJniEnv->NewDoubleArray(1);
		jdouble * eventArrayPtr_3 = eventArrayArg_3 == 0 ? 0 : brivelJniEnv->GetDoubleArrayElements( eventArrayArg_3, 0 );
		if ( eventArrayPtr_3 != 0 ) *eventArrayPtr_3 = *(jdouble *) arg3;
		if ( eventArrayPtr_3 != 0 ) brivelJniEnv->ReleaseDoubleArrayElements( eventArrayArg_3, eventArrayPtr_3, 0 );
		jobject eventArrayRef_3 = brivelJniEnv->NewGlobalRef(eventArrayArg_3);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jfloatArray eventArrayArg_4 = brivelJniEnv->NewFloatArray(1);
		jfloat * eventArrayPtr_4 = eventArrayArg_4 == 0 ? 0 : brivelJniEnv->GetFloatArrayElements( eventArrayArg_4, 0 );
		if ( eventArrayPtr_4 != 0 ) *eventArrayPtr_4 = *(jfloat *) arg4;
		if ( eventArrayPtr_4 != 0 ) brivelJniEnv->ReleaseFloatArrayElements( eventArrayArg_4, eventArrayPtr_4, 0 );
		jobject eventArrayRef_4 = brivelJniEnv->NewGlobalRef(eventArrayArg_4);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jbooleanArray eventArrayArg_5 = brivelJniEnv->NewBooleanArray(1);
		jboolean * eventArrayPtr_5 = eventArrayArg_5 == 0 ? 0 : brivelJniEnv->GetBooleanArrayElements( eventArrayArg_5, 0 );
		if ( eventArrayPtr_5 != 0 ) *eventArrayPtr_5 = (*( VARIANT_BOOL *) arg5) ? JNI_TRUE : JNI_FALSE;
		if ( eventArrayPtr_5 != 0 ) brivelJniEnv->ReleaseBooleanArrayElements( eventArrayArg_5, eventArrayPtr_5, 0 );
		jobject eventArrayRef_5 = brivelJniEnv->NewGlobalRef(eventArrayArg_5);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelUnmade != NULL ) {
			// An argument could not be made: nothing is called.
		} else if ( brivelMethod != NULL ) {
		brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
				, eventArrayArg_0
				, eventArrayArg_1
				, eventArrayArg_2
				, eventArrayArg_3
				, eventArrayArg_4
				, eventArrayArg_5
			);
		} else {
			if ( serverSide ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 6, 0, "void", "NumbersByRef"
				, true, "int", eventArrayArg_0
				, true, "short", eventArrayArg_1
				, true, "byte []", eventArrayArg_2
				, true, "double", eventArrayArg_3
				, true, "float", eventArrayArg_4
				, true, "boolean", eventArrayArg_5
			);
		}
		jthrowable brvException = brivelJniEnv->ExceptionOccurred();
		if ( brvException != NULL ) {
			brivelJniEnv->ExceptionClear();
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "NumbersByRef" );
				brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
				brivelJniEnv->DeleteLocalRef( brivelFnString );
			}
			brivelJniEnv->DeleteLocalRef( brvException );
		} else {
			eventArrayPtr_0 = brivelJniEnv->GetIntArrayElements( eventArrayArg_0, 0 );
			*(long *) arg0 = *eventArrayPtr_0;
			brivelJniEnv->ReleaseIntArrayElements( eventArrayArg_0, eventArrayPtr_0, 0 );
			eventArrayPtr_1 = brivelJniEnv->GetShortArrayElements( eventArrayArg_1, 0 );
			*(short *) arg1 = *eventArrayPtr_1;
			brivelJniEnv->ReleaseShortArrayElements( eventArrayArg_1, eventArrayPtr_1, 0 );
			if ( eventArrayArg_2 != 0 ) brivelJniEnv->GetByteArrayRegion( eventArrayArg_2, 0, 1, eventBytePtr_2 );
			eventArrayPtr_3 = brivelJniEnv->GetDoubleArrayElements( eventArrayArg_3, 0 );
			*(double *) arg3 = *eventArrayPtr_3;
			brivelJniEnv->ReleaseDoubleArrayElements( eventArrayArg_3, eventArrayPtr_3, 0 );
			eventArrayPtr_4 = brivelJniEnv->GetFloatArrayElements( eventArrayArg_4, 0 );
			*(float *) arg4 = *eventArrayPtr_4;
			brivelJniEnv->ReleaseFloatArrayElements( eventArrayArg_4, eventArrayPtr_4, 0 );
			eventArrayPtr_5 = brivelJniEnv->GetBooleanArrayElements( eventArrayArg_5, 0 );
			*(VARIANT_BOOL *) arg5 = *eventArrayPtr_5 ? VARIANT_TRUE : VARIANT_FALSE;
			brivelJniEnv->ReleaseBooleanArrayElements( eventArrayArg_5, eventArrayPtr_5, 0 );
			brvException = brivelJniEnv->ExceptionOccurred();
			if ( brvException != NULL ) {
				brivelJniEnv->ExceptionClear();
				jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
				jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
				brivelJniEnv->DeleteLocalRef( brivelListenerClass );
				if ( brivelMethod != NULL ) {
					jstring brivelFnString = brivelJniEnv->NewStringUTF( "NumbersByRef" );
					brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
					brivelJniEnv->DeleteLocalRef( brivelFnString );
				}
				brivelJniEnv->DeleteLocalRef( brvException );
			}
		}
		if ( eventArrayRef_0 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_0 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_0 );
		if ( eventArrayRef_1 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_1 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_1 );
		if ( eventArrayArg_2 != 0 ) brivelJniEnv->DeleteLocalRef( eventArrayArg_2 );
		if ( eventArrayRef_3 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_3 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_3 );
		if ( eventArrayRef_4 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_4 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_4 );
		if ( eventArrayRef_5 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_5 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_5 );
	if ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();
	return hResult;
}


HRESULT STDMETHODCALLTYPE IProbeEventsHandlerImpl::Event_3(BSTR arg0,BSTR * arg1)
{
	JNIEnv * brivelJniEnv = brivelGetJniEnv();
	if ( brivelJniEnv == NULL ) return E_UNEXPECTED;
	brivelInitEventThread( brivelJniEnv );
	HRESULT hResult = S_OK;
	if ( serverSide && ! CheckServerSideEvents( brivelJniEnv )) return hResult;
	jmethodID brivelMethod = NULL;
	if ( ! serverSide ) {
		jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
		brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Texts", "(Ljava/lang/String;Ljava/lang/String;)V");
		brivelJniEnv->DeleteLocalRef( brivelListenerClass );
		if ( brivelMethod == NULL ) {
			brivelJniEnv->ExceptionClear();
			brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelErrorMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventError", "(Ljava/lang/String;Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelErrorMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Texts" );
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
		jstring eventArgValue_0 = brivelBstrToJstr( brivelJniEnv, arg0 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jstring eventArgValue_1 = brivelBstrToJstr( brivelJniEnv, *arg1 );
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
			);
		} else {
			if ( serverSide ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "Texts"
				, false, "java.lang.String", eventArgValue_0
				, false, "java.lang.String", eventArgValue_1
			);
		}
		jthrowable brvException = brivelJniEnv->ExceptionOccurred();
		if ( brvException != NULL ) {
			brivelJniEnv->ExceptionClear();
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Texts" );
				brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
				brivelJniEnv->DeleteLocalRef( brivelFnString );
			}
			brivelJniEnv->DeleteLocalRef( brvException );
		}
		if ( eventArgValue_0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_0 );
		if ( eventArgValue_1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_1 );
	if ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();
	return hResult;
}


HRESULT STDMETHODCALLTYPE IProbeEventsHandlerImpl::Event_4(VARIANT arg0,VARIANT * arg1,VARIANT * arg2)
{
	JNIEnv * brivelJniEnv = brivelGetJniEnv();
	if ( brivelJniEnv == NULL ) return E_UNEXPECTED;
	brivelInitEventThread( brivelJniEnv );
	HRESULT hResult = S_OK;
	if ( serverSide && ! CheckServerSideEvents( brivelJniEnv )) return hResult;
	jmethodID brivelMethod = NULL;
	if ( ! serverSide ) {
		jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
		brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Variants", "(Lbrivel/TavoVariant;Lbrivel/TavoVariant;Lbrivel/TavoVariant;)V");
		brivelJniEnv->DeleteLocalRef( brivelListenerClass );
		if ( brivelMethod == NULL ) {
			brivelJniEnv->ExceptionClear();
			brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelErrorMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventError", "(Ljava/lang/String;Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelErrorMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Variants" );
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
		VARIANT * eventVariant0 = &arg0;
		jobject varobj0 = brivelVariantObject( brivelJniEnv, eventVariant0 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		VARIANT * eventVariant1 = arg1;
		jobject varobj1 = brivelVariantObject( brivelJniEnv, eventVariant1 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		VARIANT * eventVariant2 = arg2;
		jobject varobj2 = brivelVariantObject( brivelJniEnv, eventVariant2 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelUnmade != NULL ) {
			// An argument could not be made: nothing is called.
		} else if ( brivelMethod != NULL ) {
		brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
				, varobj0
				, varobj1
				, varobj2
			);
		} else {
			if ( serverSide ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 3, 0, "void", "Variants"
				, false, "brivel.TavoVariant", varobj0
				, true, "brivel.TavoVariant", varobj1
				, false, "brivel.TavoVariant", varobj2
			);
		}
		jthrowable brvException = brivelJniEnv->ExceptionOccurred();
		if ( brvException != NULL ) {
			brivelJniEnv->ExceptionClear();
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Variants" );
				brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
				brivelJniEnv->DeleteLocalRef( brivelFnString );
			}
			brivelJniEnv->DeleteLocalRef( brvException );
		} else {
			VariantCopy( eventVariant1, brivelGetTavoVariant( brivelJniEnv, varobj1 ));
			brvException = brivelJniEnv->ExceptionOccurred();
			if ( brvException != NULL ) {
				brivelJniEnv->ExceptionClear();
				jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
				jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
				brivelJniEnv->DeleteLocalRef( brivelListenerClass );
				if ( brivelMethod != NULL ) {
					jstring brivelFnString = brivelJniEnv->NewStringUTF( "Variants" );
					brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
					brivelJniEnv->DeleteLocalRef( brivelFnString );
				}
				brivelJniEnv->DeleteLocalRef( brvException );
			}
		}
		brivelJniEnv->DeleteLocalRef( varobj0 );
		brivelJniEnv->DeleteLocalRef( varobj1 );
		brivelJniEnv->DeleteLocalRef( varobj2 );
	if ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();
	return hResult;
}


HRESULT STDMETHODCALLTYPE IProbeEventsHandlerImpl::Event_5(IDispatch * arg0,IDispatch * arg1,IDispatch * arg2,IDispatch ** arg3,IDispatch ** arg4)
{
	JNIEnv * brivelJniEnv = brivelGetJniEnv();
	if ( brivelJniEnv == NULL ) return E_UNEXPECTED;
	brivelInitEventThread( brivelJniEnv );
	HRESULT hResult = S_OK;
	if ( serverSide && ! CheckServerSideEvents( brivelJniEnv )) return hResult;
	jmethodID brivelMethod = NULL;
	if ( ! serverSide ) {
		jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
		brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Objects", "(Ltest/events/IProbe;Lbrivel/TavoObject;Lbrivel/TavoObject;[Lbrivel/TavoObject;Ltest/events/IProbe;)V");
		brivelJniEnv->DeleteLocalRef( brivelListenerClass );
		if ( brivelMethod == NULL ) {
			brivelJniEnv->ExceptionClear();
			brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelErrorMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventError", "(Ljava/lang/String;Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelErrorMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Objects" );
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
		jobject eventArgValue_0 = brivelUnknownToInterfaceObject(brivelJniEnv,(IUnknown *)arg0, "test/events/IProbe" );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArgValue_1 = brivelBestUnknownToJobject( brivelJniEnv, (IUnknown *) arg1, brivelIIDMap, 1);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArgValue_2 = brivelBestUnknownToJobject( brivelJniEnv, (IUnknown *) arg2, brivelIIDMap, 1);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobjectArray eventArrayArg_3 = brivelJniEnv->NewObjectArray(1, brivelGetComBaseClass(), 0 );
		jobject eventArrayElem_3 = eventArrayArg_3 == 0 ? 0 : brivelUnknownToJobject( brivelJniEnv, *(IUnknown **) arg3 );
		if ( eventArrayArg_3 != 0 ) brivelJniEnv->SetObjectArrayElement( eventArrayArg_3, 0, eventArrayElem_3 );
		jobject eventArrayRef_3 = brivelJniEnv->NewGlobalRef(eventArrayArg_3);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArgValue_4 = brivelUnknownToInterfaceObject(brivelJniEnv,*(IUnknown **)arg4, "test/events/IProbe" );
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
				, eventArrayArg_3
				, eventArgValue_4
			);
		} else {
			if ( serverSide ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 5, 0, "void", "Objects"
				, false, "test.events.IProbe", eventArgValue_0
				, false, "brivel.TavoObject", eventArgValue_1
				, false, "brivel.TavoObject", eventArgValue_2
				, true, "brivel.TavoObject", eventArrayArg_3
				, false, "test.events.IProbe", eventArgValue_4
			);
		}
		jthrowable brvException = brivelJniEnv->ExceptionOccurred();
		if ( brvException != NULL ) {
			brivelJniEnv->ExceptionClear();
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Objects" );
				brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
				brivelJniEnv->DeleteLocalRef( brivelFnString );
			}
			brivelJniEnv->DeleteLocalRef( brvException );
		} else {
			if ( eventArrayElem_3 != 0 ) brivelJniEnv->DeleteLocalRef( eventArrayElem_3 );
			eventArrayElem_3 = brivelJniEnv->GetObjectArrayElement( eventArrayArg_3, 0 );
			IUnknown * eventHeldUnk_3 = (IUnknown *) ( eventArrayElem_3 == 0 ? 0 : brivelJniEnv->GetIntField( eventArrayElem_3, brivelGetComId()));
			IUnknown * eventNewUnk_3 = 0;
			if ( eventHeldUnk_3 != 0 && FAILED( eventHeldUnk_3->QueryInterface( IID_IDispatch, (void **) &eventNewUnk_3 ))) {
				eventNewUnk_3 = eventHeldUnk_3;
				eventNewUnk_3->AddRef();
			}
			if ( (*(IUnknown **) arg3) != 0 ) (*(IUnknown **) arg3)->Release();
			(*(IUnknown **) arg3) = eventNewUnk_3;
			brvException = brivelJniEnv->ExceptionOccurred();
			if ( brvException != NULL ) {
				brivelJniEnv->ExceptionClear();
				jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
				jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
				brivelJniEnv->DeleteLocalRef( brivelListenerClass );
				if ( brivelMethod != NULL ) {
					jstring brivelFnString = brivelJniEnv->NewStringUTF( "Objects" );
					brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
					brivelJniEnv->DeleteLocalRef( brivelFnString );
				}
				brivelJniEnv->DeleteLocalRef( brvException );
			}
		}
		if ( eventArgValue_0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_0 );
		if ( eventArgValue_1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_1 );
		if ( eventArgValue_2 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_2 );
		if ( eventArrayRef_3 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_3 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_3 );
		if ( eventArrayElem_3 != 0 ) brivelJniEnv->DeleteLocalRef( eventArrayElem_3 );
		if ( eventArgValue_4 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_4 );
	if ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();
	return hResult;
}


HRESULT STDMETHODCALLTYPE IProbeEventsHandlerImpl::Event_6(DATE arg0,DATE * arg1,CY arg2,CY * arg3)
{
	JNIEnv * brivelJniEnv = brivelGetJniEnv();
	if ( brivelJniEnv == NULL ) return E_UNEXPECTED;
	brivelInitEventThread( brivelJniEnv );
	HRESULT hResult = S_OK;
	if ( serverSide && ! CheckServerSideEvents( brivelJniEnv )) return hResult;
	jmethodID brivelMethod = NULL;
	if ( ! serverSide ) {
		jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
		brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Times", "(Ljava/util/Date;Ljava/util/Date;JJ)V");
		brivelJniEnv->DeleteLocalRef( brivelListenerClass );
		if ( brivelMethod == NULL ) {
			brivelJniEnv->ExceptionClear();
			brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelErrorMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventError", "(Ljava/lang/String;Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelErrorMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Times" );
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
		jobject eventArgValue_0 = brivelDateToJobject(brivelJniEnv,(DATE) arg0);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArgValue_1 = brivelDateToJobject(brivelJniEnv,*(DATE *) arg1);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
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
				, (jlong) ((CY *)&arg2)->int64
				, (jlong) ((CY *)arg3)->int64
			);
		} else {
			if ( serverSide ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 4, 0, "void", "Times"
				, false, "java.util.Date", eventArgValue_0
				, false, "java.util.Date", eventArgValue_1
				, false, "long", (jlong) ((CY *)&arg2)->int64
				, false, "long", (jlong) ((CY *)arg3)->int64
			);
		}
		jthrowable brvException = brivelJniEnv->ExceptionOccurred();
		if ( brvException != NULL ) {
			brivelJniEnv->ExceptionClear();
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Times" );
				brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
				brivelJniEnv->DeleteLocalRef( brivelFnString );
			}
			brivelJniEnv->DeleteLocalRef( brvException );
		}
		if ( eventArgValue_0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_0 );
		if ( eventArgValue_1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_1 );
	if ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();
	return hResult;
}


HRESULT STDMETHODCALLTYPE IProbeEventsHandlerImpl::Event_7(int * arg0)
{
	JNIEnv * brivelJniEnv = brivelGetJniEnv();
	if ( brivelJniEnv == NULL ) return E_UNEXPECTED;
	brivelInitEventThread( brivelJniEnv );
	HRESULT hResult = S_OK;
	if ( serverSide && ! CheckServerSideEvents( brivelJniEnv )) return hResult;
	jmethodID brivelMethod = NULL;
	if ( ! serverSide ) {
		jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
		brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Levels", "(Ltest/events/Level;)V");
		brivelJniEnv->DeleteLocalRef( brivelListenerClass );
		if ( brivelMethod == NULL ) {
			brivelJniEnv->ExceptionClear();
			brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelErrorMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventError", "(Ljava/lang/String;Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelErrorMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Levels" );
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
		jobject eventArgValue_0 = brivelIntToEnumeratedObject( brivelJniEnv, *(int *)arg0, "test/events/Level" );
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
			);
		} else {
			if ( serverSide ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "Levels"
				, false, "test.events.Level", eventArgValue_0
			);
		}
		jthrowable brvException = brivelJniEnv->ExceptionOccurred();
		if ( brvException != NULL ) {
			brivelJniEnv->ExceptionClear();
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Levels" );
				brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
				brivelJniEnv->DeleteLocalRef( brivelFnString );
			}
			brivelJniEnv->DeleteLocalRef( brvException );
		}
		if ( eventArgValue_0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_0 );
	if ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();
	return hResult;
}


HRESULT STDMETHODCALLTYPE IProbeEventsHandlerImpl::Event_8(long arg0,void * brivelRetVal)
{
	JNIEnv * brivelJniEnv = brivelGetJniEnv();
	if ( brivelJniEnv == NULL ) return E_UNEXPECTED;
	brivelInitEventThread( brivelJniEnv );
	HRESULT hResult = S_OK;
	if ( serverSide && ! CheckServerSideEvents( brivelJniEnv )) return hResult;
	jmethodID brivelMethod = NULL;
	if ( ! serverSide ) {
		jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
		brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Decide", "(I)Z");
		brivelJniEnv->DeleteLocalRef( brivelListenerClass );
		if ( brivelMethod == NULL ) {
			brivelJniEnv->ExceptionClear();
			brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelErrorMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventError", "(Ljava/lang/String;Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelErrorMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Decide" );
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
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelUnmade != NULL ) {
			// An argument could not be made: nothing is called.
		} else if ( brivelMethod != NULL ) {
		hResult = brivelJniEnv->CallBooleanMethod( brvJavaObject, brivelMethod
				, (jint) arg0
			) ? S_OK : S_FALSE;
		} else {
			if ( serverSide ) hResult = OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "boolean", "Decide"
				, false, "int", (jint) arg0
			) ? S_OK : S_FALSE;
		}
		jthrowable brvException = brivelJniEnv->ExceptionOccurred();
		if ( brvException != NULL ) {
			brivelJniEnv->ExceptionClear();
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Decide" );
				brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
				brivelJniEnv->DeleteLocalRef( brivelFnString );
			}
			brivelJniEnv->DeleteLocalRef( brvException );
		}
	if ( brivelRetVal != 0 ) *(VARIANT_BOOL *) brivelRetVal = hResult == S_OK ? VARIANT_TRUE : VARIANT_FALSE;
	if ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();
	return hResult;
}


HRESULT STDMETHODCALLTYPE IProbeEventsHandlerImpl::Event_9(double arg0)
{
		return S_OK;
}


HRESULT STDMETHODCALLTYPE IProbeEventsHandlerImpl::Event_10(double arg0,VARIANT arg1)
{
		return S_OK;
}


HRESULT STDMETHODCALLTYPE IProbeEventsHandlerImpl::Event_11(IDispatch ** arg0,IDispatch ** arg1)
{
	JNIEnv * brivelJniEnv = brivelGetJniEnv();
	if ( brivelJniEnv == NULL ) return E_UNEXPECTED;
	brivelInitEventThread( brivelJniEnv );
	HRESULT hResult = S_OK;
	if ( serverSide && ! CheckServerSideEvents( brivelJniEnv )) return hResult;
	jmethodID brivelMethod = NULL;
	if ( ! serverSide ) {
		jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
		brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Handed", "([Lbrivel/TavoObject;[Lbrivel/TavoObject;)V");
		brivelJniEnv->DeleteLocalRef( brivelListenerClass );
		if ( brivelMethod == NULL ) {
			brivelJniEnv->ExceptionClear();
			brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelErrorMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventError", "(Ljava/lang/String;Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelErrorMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Handed" );
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
		jobjectArray eventArrayArg_0 = brivelJniEnv->NewObjectArray(1, brivelGetComBaseClass(), 0 );
		*(IUnknown **) arg0 = 0;
		jobject eventArrayElem_0 = 0;
		jobject eventArrayRef_0 = brivelJniEnv->NewGlobalRef(eventArrayArg_0);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobjectArray eventArrayArg_1 = brivelJniEnv->NewObjectArray(1, brivelGetComBaseClass(), 0 );
		*(IUnknown **) arg1 = 0;
		jobject eventArrayElem_1 = 0;
		jobject eventArrayRef_1 = brivelJniEnv->NewGlobalRef(eventArrayArg_1);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelUnmade != NULL ) {
			// An argument could not be made: nothing is called.
		} else if ( brivelMethod != NULL ) {
		brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
				, eventArrayArg_0
				, eventArrayArg_1
			);
		} else {
			if ( serverSide ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "Handed"
				, true, "brivel.TavoObject", eventArrayArg_0
				, true, "brivel.TavoObject", eventArrayArg_1
			);
		}
		jthrowable brvException = brivelJniEnv->ExceptionOccurred();
		if ( brvException != NULL ) {
			brivelJniEnv->ExceptionClear();
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Handed" );
				brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
				brivelJniEnv->DeleteLocalRef( brivelFnString );
			}
			brivelJniEnv->DeleteLocalRef( brvException );
		} else {
			if ( eventArrayElem_0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArrayElem_0 );
			eventArrayElem_0 = brivelJniEnv->GetObjectArrayElement( eventArrayArg_0, 0 );
			IUnknown * eventHeldUnk_0 = (IUnknown *) ( eventArrayElem_0 == 0 ? 0 : brivelJniEnv->GetIntField( eventArrayElem_0, brivelGetComId()));
			IUnknown * eventNewUnk_0 = 0;
			if ( eventHeldUnk_0 != 0 && FAILED( eventHeldUnk_0->QueryInterface( IID_IDispatch, (void **) &eventNewUnk_0 ))) {
				eventNewUnk_0 = eventHeldUnk_0;
				eventNewUnk_0->AddRef();
			}
			(*(IUnknown **) arg0) = eventNewUnk_0;
			if ( eventArrayElem_1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArrayElem_1 );
			eventArrayElem_1 = brivelJniEnv->GetObjectArrayElement( eventArrayArg_1, 0 );
			IUnknown * eventHeldUnk_1 = (IUnknown *) ( eventArrayElem_1 == 0 ? 0 : brivelJniEnv->GetIntField( eventArrayElem_1, brivelGetComId()));
			IUnknown * eventNewUnk_1 = 0;
			if ( eventHeldUnk_1 != 0 && FAILED( eventHeldUnk_1->QueryInterface( IID_IDispatch, (void **) &eventNewUnk_1 ))) {
				eventNewUnk_1 = eventHeldUnk_1;
				eventNewUnk_1->AddRef();
			}
			(*(IUnknown **) arg1) = eventNewUnk_1;
			brvException = brivelJniEnv->ExceptionOccurred();
			if ( brvException != NULL ) {
				brivelJniEnv->ExceptionClear();
				jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
				jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
				brivelJniEnv->DeleteLocalRef( brivelListenerClass );
				if ( brivelMethod != NULL ) {
					jstring brivelFnString = brivelJniEnv->NewStringUTF( "Handed" );
					brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
					brivelJniEnv->DeleteLocalRef( brivelFnString );
				}
				brivelJniEnv->DeleteLocalRef( brvException );
			}
		}
		if ( eventArrayRef_0 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_0 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_0 );
		if ( eventArrayElem_0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArrayElem_0 );
		if ( eventArrayRef_1 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_1 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_1 );
		if ( eventArrayElem_1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArrayElem_1 );
	if ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();
	return hResult;
}


HRESULT STDMETHODCALLTYPE IProbeEventsHandlerImpl::Event_12(SAFEARRAY * arg0,SAFEARRAY ** arg1)
{
	JNIEnv * brivelJniEnv = brivelGetJniEnv();
	if ( brivelJniEnv == NULL ) return E_UNEXPECTED;
	brivelInitEventThread( brivelJniEnv );
	HRESULT hResult = S_OK;
	if ( serverSide && ! CheckServerSideEvents( brivelJniEnv )) return hResult;
	jmethodID brivelMethod = NULL;
	if ( ! serverSide ) {
		jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
		brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Listed", "([ILbrivel/out/TavoStringArray;)V");
		brivelJniEnv->DeleteLocalRef( brivelListenerClass );
		if ( brivelMethod == NULL ) {
			brivelJniEnv->ExceptionClear();
			brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelErrorMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventError", "(Ljava/lang/String;Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelErrorMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Listed" );
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
		SAFEARRAY * eventSafeArray1 = ( arg1 == 0 ? (SAFEARRAY *) 0 : *arg1 );
		jobjectArray eventElements1 = (jobjectArray) brivelSafeArrayToJArray( brivelJniEnv, eventSafeArray1, VT_BSTR );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArray1 = 0;
		jclass eventArray1Class = brivelFindClass( brivelJniEnv, "brivel/out/TavoStringArray" );
		jfieldID eventArray1Field = eventArray1Class == 0 ? 0 : brivelJniEnv->GetFieldID( eventArray1Class, "array", "[Ljava/lang/String;" );
		if ( eventArray1Field != 0 ) eventArray1 = brivelJniEnv->AllocObject( eventArray1Class );
		if ( eventArray1 != 0 ) brivelJniEnv->SetObjectField( eventArray1, eventArray1Field, eventElements1 );
		if ( eventElements1 != 0 ) brivelJniEnv->DeleteLocalRef( eventElements1 );
		if ( eventArray1Class != 0 ) brivelJniEnv->DeleteLocalRef( eventArray1Class );
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
			if ( serverSide ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "Listed"
				, false, "int[]", eventArray0
				, true, "brivel.out.TavoStringArray", eventArray1
			);
		}
		jthrowable brvException = brivelJniEnv->ExceptionOccurred();
		if ( brvException != NULL ) {
			brivelJniEnv->ExceptionClear();
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Listed" );
				brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
				brivelJniEnv->DeleteLocalRef( brivelFnString );
			}
			brivelJniEnv->DeleteLocalRef( brvException );
		} else {
			if ( eventArray1 != 0 && arg1 != 0 ) {
				JNIEnv * env = brivelJniEnv;
				jclass eventNewArray1Class = env->GetObjectClass( eventArray1 );
				jfieldID eventNewArray1Field = env->GetFieldID( eventNewArray1Class, "array", "[Ljava/lang/String;" );
				env->DeleteLocalRef( eventNewArray1Class );
				jobject eventNewArray1Value = eventNewArray1Field == 0 ? 0 : env->GetObjectField( eventArray1, eventNewArray1Field );
				SAFEARRAY * eventNewArray1 = brivelJArrayToSafeArray( env, (jarray) eventNewArray1Value, VT_BSTR );
				if ( eventNewArray1Value != 0 ) env->DeleteLocalRef( eventNewArray1Value );
				if ( eventNewArray1Field != 0 && ! env->ExceptionCheck() && ( *arg1 == 0 || SUCCEEDED( SafeArrayDestroy( *arg1 ))))
					*arg1 = eventNewArray1;
				else if ( eventNewArray1 != 0 )
					SafeArrayDestroy( eventNewArray1 );
			}
			brvException = brivelJniEnv->ExceptionOccurred();
			if ( brvException != NULL ) {
				brivelJniEnv->ExceptionClear();
				jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
				jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
				brivelJniEnv->DeleteLocalRef( brivelListenerClass );
				if ( brivelMethod != NULL ) {
					jstring brivelFnString = brivelJniEnv->NewStringUTF( "Listed" );
					brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
					brivelJniEnv->DeleteLocalRef( brivelFnString );
				}
				brivelJniEnv->DeleteLocalRef( brvException );
			}
		}
		if ( eventArray0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray0 );
		if ( eventArray1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray1 );
	if ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();
	return hResult;
}


HRESULT STDMETHODCALLTYPE IProbeEventsHandlerImpl::Event_13(DWORD arg0_0,DWORD arg0_1,void ** arg1)
{
	JNIEnv * brivelJniEnv = brivelGetJniEnv();
	if ( brivelJniEnv == NULL ) return E_UNEXPECTED;
	brivelInitEventThread( brivelJniEnv );
	HRESULT hResult = S_OK;
	if ( serverSide && ! CheckServerSideEvents( brivelJniEnv )) return hResult;
	jmethodID brivelMethod = NULL;
	if ( ! serverSide ) {
		jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
		brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Paired", "(Ltest/events/Pair;Ltest/events/Pair;)V");
		brivelJniEnv->DeleteLocalRef( brivelListenerClass );
		if ( brivelMethod == NULL ) {
			brivelJniEnv->ExceptionClear();
			brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelErrorMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventError", "(Ljava/lang/String;Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelErrorMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Paired" );
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
		jobject eventArgValue_0 = brivelDirectComRecordToJobject( brivelJniEnv, (unsigned char *) recWords0, "test/events/Pair", &brivelRecordDetails[0], 2, &err0, fieldIds0 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
	bool err1;
	jfieldID fieldIds1[2];
		jobject eventArgValue_1 = brivelDirectComRecordToJobject( brivelJniEnv, (unsigned char *)arg1, "test/events/Pair", &brivelRecordDetails[0], 2, &err1, fieldIds1 );
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
			);
		} else {
			if ( serverSide ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "Paired"
				, false, "test.events.Pair", eventArgValue_0
				, false, "test.events.Pair", eventArgValue_1
			);
		}
		jthrowable brvException = brivelJniEnv->ExceptionOccurred();
		if ( brvException != NULL ) {
			brivelJniEnv->ExceptionClear();
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			jmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod != NULL ) {
				jstring brivelFnString = brivelJniEnv->NewStringUTF( "Paired" );
				brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );
				brivelJniEnv->DeleteLocalRef( brivelFnString );
			}
			brivelJniEnv->DeleteLocalRef( brvException );
		}
		if ( eventArgValue_0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_0 );
		if ( eventArgValue_1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_1 );
	if ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();
	return hResult;
}


HRESULT STDMETHODCALLTYPE IProbeEventsHandlerImpl::Event_14(DECIMAL arg0,void * arg1)
{
		return S_OK;
}


HRESULT STDMETHODCALLTYPE IProbeEventsHandlerImpl::Event_15(DWORD arg0_0,DWORD arg0_1,double arg1,VARIANT arg2)
{
		return S_OK;
}

HRESULT STDMETHODCALLTYPE IProbeEventsHandlerImpl::Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
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
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Numbers", "(ISBDFZLtest/events/Level;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Numbers";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,7);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Numbers", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,7);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Numbers", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex2 = brivelGetParamIndex(2,pDispParams,7);
		if ( eventParamIndex2 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Numbers", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex3 = brivelGetParamIndex(3,pDispParams,7);
		if ( eventParamIndex3 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Numbers", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex4 = brivelGetParamIndex(4,pDispParams,7);
		if ( eventParamIndex4 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Numbers", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex5 = brivelGetParamIndex(5,pDispParams,7);
		if ( eventParamIndex5 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Numbers", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex6 = brivelGetParamIndex(6,pDispParams,7);
		if ( eventParamIndex6 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Numbers", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[7];
		VARIANTARG brivelOwnArgs[7];
		for ( int brivelArg = 0; brivelArg < 7; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_I4, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_I2, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex2], VT_UI1, &brivelOwnArgs[2], &brivelArgs[2] ))) brivelBadArg = eventParamIndex2;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex3], VT_R8, &brivelOwnArgs[3], &brivelArgs[3] ))) brivelBadArg = eventParamIndex3;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex4], VT_R4, &brivelOwnArgs[4], &brivelArgs[4] ))) brivelBadArg = eventParamIndex4;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex5], VT_BOOL, &brivelOwnArgs[5], &brivelArgs[5] ))) brivelBadArg = eventParamIndex5;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex6], VT_I4, &brivelOwnArgs[6], &brivelArgs[6] ))) brivelBadArg = eventParamIndex6;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 7; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Numbers", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 7, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		eventParamIndex1 = 1;
		eventParamIndex2 = 2;
		eventParamIndex3 = 3;
		eventParamIndex4 = 4;
		eventParamIndex5 = 5;
		eventParamIndex6 = 6;
		jthrowable brivelUnmade = NULL;
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject jenumEventArg_6 = brivelIntToEnumeratedObject( brivelJniEnv, V_INT( &pDispParams->rgvarg[eventParamIndex6] ), "test/events/Level" );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
			, (jshort) V_I2( &pDispParams->rgvarg[eventParamIndex1] )
			, (jbyte) V_UI1( &pDispParams->rgvarg[eventParamIndex2] )
			, (jdouble) V_R8( &pDispParams->rgvarg[eventParamIndex3] )
			, (jfloat) V_R4( &pDispParams->rgvarg[eventParamIndex4] )
			, V_BOOL( &pDispParams->rgvarg[eventParamIndex5] ) ? JNI_TRUE : JNI_FALSE
			, jenumEventArg_6
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 7, 0, "void", "Numbers"
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
			, false, "short", (jshort) V_I2( &pDispParams->rgvarg[eventParamIndex1] )
			, false, "byte", (jbyte) V_UI1( &pDispParams->rgvarg[eventParamIndex2] )
			, false, "double", (jdouble) V_R8( &pDispParams->rgvarg[eventParamIndex3] )
			, false, "float", (jfloat) V_R4( &pDispParams->rgvarg[eventParamIndex4] )
			, false, "boolean", V_BOOL( &pDispParams->rgvarg[eventParamIndex5] ) ? JNI_TRUE : JNI_FALSE
			, false, "test.events.Level", jenumEventArg_6
		);
		if ( jenumEventArg_6 != 0 ) brivelJniEnv->DeleteLocalRef( jenumEventArg_6 );
		for ( int brivelArg = 0; brivelArg < 7; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 2 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "NumbersByRef", "([I[S[B[D[F[Z)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "NumbersByRef";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,6);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NumbersByRef", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,6);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NumbersByRef", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex2 = brivelGetParamIndex(2,pDispParams,6);
		if ( eventParamIndex2 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NumbersByRef", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex3 = brivelGetParamIndex(3,pDispParams,6);
		if ( eventParamIndex3 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NumbersByRef", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex4 = brivelGetParamIndex(4,pDispParams,6);
		if ( eventParamIndex4 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NumbersByRef", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex5 = brivelGetParamIndex(5,pDispParams,6);
		if ( eventParamIndex5 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NumbersByRef", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[6];
		VARIANTARG brivelOwnArgs[6];
		for ( int brivelArg = 0; brivelArg < 6; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BYREF | VT_I4, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_BYREF | VT_I2, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex2], VT_EMPTY, &brivelOwnArgs[2], &brivelArgs[2] ))) brivelBadArg = eventParamIndex2;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex3], VT_BYREF | VT_R8, &brivelOwnArgs[3], &brivelArgs[3] ))) brivelBadArg = eventParamIndex3;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex4], VT_BYREF | VT_R4, &brivelOwnArgs[4], &brivelArgs[4] ))) brivelBadArg = eventParamIndex4;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex5], VT_BOOL | VT_BYREF, &brivelOwnArgs[5], &brivelArgs[5] ))) brivelBadArg = eventParamIndex5;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 6; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NumbersByRef", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 6, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		eventParamIndex1 = 1;
		eventParamIndex2 = 2;
		eventParamIndex3 = 3;
		eventParamIndex4 = 4;
		eventParamIndex5 = 5;
		jthrowable brivelUnmade = NULL;
		jintArray eventArrayArg_0 = brivelJniEnv->NewIntArray(1);
		jint * eventArrayPtr_0 = eventArrayArg_0 == 0 ? 0 : brivelJniEnv->GetIntArrayElements( eventArrayArg_0, 0 );
		if ( eventArrayPtr_0 != 0 ) *eventArrayPtr_0 = (jint) *V_I4REF( &pDispParams->rgvarg[eventParamIndex0] );
		if ( eventArrayPtr_0 != 0 ) brivelJniEnv->ReleaseIntArrayElements( eventArrayArg_0, eventArrayPtr_0, 0 );
		jobject eventArrayRef_0 = brivelJniEnv->NewGlobalRef(eventArrayArg_0);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jshortArray eventArrayArg_1 = brivelJniEnv->NewShortArray(1);
		jshort * eventArrayPtr_1 = eventArrayArg_1 == 0 ? 0 : brivelJniEnv->GetShortArrayElements( eventArrayArg_1, 0 );
		if ( eventArrayPtr_1 != 0 ) *eventArrayPtr_1 = (jshort) *V_I2REF( &pDispParams->rgvarg[eventParamIndex1] );
		if ( eventArrayPtr_1 != 0 ) brivelJniEnv->ReleaseShortArrayElements( eventArrayArg_1, eventArrayPtr_1, 0 );
		jobject eventArrayRef_1 = brivelJniEnv->NewGlobalRef(eventArrayArg_1);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jbyte * eventBytePtr_2 = ( pDispParams->rgvarg[eventParamIndex2].vt & VT_BYREF ) ? (jbyte *) V_BYREF( &pDispParams->rgvarg[eventParamIndex2] ) : (jbyte *) &V_UI1( &pDispParams->rgvarg[eventParamIndex2] );
		jbyteArray eventArrayArg_2 = eventBytePtr_2 == 0 ? 0 : brivelJniEnv->NewByteArray( 1 );
		if ( eventArrayArg_2 != 0 ) brivelJniEnv->SetByteArrayRegion( eventArrayArg_2, 0, 1, eventBytePtr_2 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jdoubleArray eventArrayArg_3 = brivelJniEnv->NewDoubleArray(1);
		jdouble * eventArrayPtr_3 = eventArrayArg_3 == 0 ? 0 : brivelJniEnv->GetDoubleArrayElements( eventArrayArg_3, 0 );
		if ( eventArrayPtr_3 != 0 ) *eventArrayPtr_3 = (jdouble) *V_R8REF( &pDispParams->rgvarg[eventParamIndex3] );
		if ( eventArrayPtr_3 != 0 ) brivelJniEnv->ReleaseDoubleArrayElements( eventArrayArg_3, eventArrayPtr_3, 0 );
		jobject eventArrayRef_3 = brivelJniEnv->NewGlobalRef(eventArrayArg_3);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jfloatArray eventArrayArg_4 = brivelJniEnv->NewFloatArray(1);
		jfloat * eventArrayPtr_4 = eventArrayArg_4 == 0 ? 0 : brivelJniEnv->GetFloatArrayElements( eventArrayArg_4, 0 );
		if ( eventArrayPtr_4 != 0 ) *eventArrayPtr_4 = (jfloat) *V_R4REF( &pDispParams->rgvarg[eventParamIndex4] );
		if ( eventArrayPtr_4 != 0 ) brivelJniEnv->ReleaseFloatArrayElements( eventArrayArg_4, eventArrayPtr_4, 0 );
		jobject eventArrayRef_4 = brivelJniEnv->NewGlobalRef(eventArrayArg_4);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jbooleanArray eventArrayArg_5 = brivelJniEnv->NewBooleanArray(1);
		jboolean * eventArrayPtr_5 = eventArrayArg_5 == 0 ? 0 : brivelJniEnv->GetBooleanArrayElements( eventArrayArg_5, 0 );
		if ( eventArrayPtr_5 != 0 ) *eventArrayPtr_5 = *V_BOOLREF( &pDispParams->rgvarg[eventParamIndex5] ) ? JNI_TRUE : JNI_FALSE;
		if ( eventArrayPtr_5 != 0 ) brivelJniEnv->ReleaseBooleanArrayElements( eventArrayArg_5, eventArrayPtr_5, 0 );
		jobject eventArrayRef_5 = brivelJniEnv->NewGlobalRef(eventArrayArg_5);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, eventArrayArg_0
			, eventArrayArg_1
			, eventArrayArg_2
			, eventArrayArg_3
			, eventArrayArg_4
			, eventArrayArg_5
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 6, 0, "void", "NumbersByRef"
			, true, "int", eventArrayArg_0
			, true, "short", eventArrayArg_1
			, true, "byte []", eventArrayArg_2
			, true, "double", eventArrayArg_3
			, true, "float", eventArrayArg_4
			, true, "boolean", eventArrayArg_5
		);
		if ( ! brivelJniEnv->ExceptionCheck()) {
			eventArrayPtr_0 = brivelJniEnv->GetIntArrayElements( eventArrayArg_0, 0 );
			*V_I4REF( &pDispParams->rgvarg[eventParamIndex0] ) = *eventArrayPtr_0;
			brivelJniEnv->ReleaseIntArrayElements( eventArrayArg_0, eventArrayPtr_0, 0 );
			eventArrayPtr_1 = brivelJniEnv->GetShortArrayElements( eventArrayArg_1, 0 );
			*V_I2REF( &pDispParams->rgvarg[eventParamIndex1] ) = *eventArrayPtr_1;
			brivelJniEnv->ReleaseShortArrayElements( eventArrayArg_1, eventArrayPtr_1, 0 );
			if ( eventArrayArg_2 != 0 ) brivelJniEnv->GetByteArrayRegion( eventArrayArg_2, 0, 1, eventBytePtr_2 );
			eventArrayPtr_3 = brivelJniEnv->GetDoubleArrayElements( eventArrayArg_3, 0 );
			*V_R8REF( &pDispParams->rgvarg[eventParamIndex3] ) = *eventArrayPtr_3;
			brivelJniEnv->ReleaseDoubleArrayElements( eventArrayArg_3, eventArrayPtr_3, 0 );
			eventArrayPtr_4 = brivelJniEnv->GetFloatArrayElements( eventArrayArg_4, 0 );
			*V_R4REF( &pDispParams->rgvarg[eventParamIndex4] ) = *eventArrayPtr_4;
			brivelJniEnv->ReleaseFloatArrayElements( eventArrayArg_4, eventArrayPtr_4, 0 );
			eventArrayPtr_5 = brivelJniEnv->GetBooleanArrayElements( eventArrayArg_5, 0 );
			*V_BOOLREF( &pDispParams->rgvarg[eventParamIndex5] ) = *eventArrayPtr_5 ? VARIANT_TRUE : VARIANT_FALSE;
			brivelJniEnv->ReleaseBooleanArrayElements( eventArrayArg_5, eventArrayPtr_5, 0 );
		}
		if ( eventArrayRef_0 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_0 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_0 );
		if ( eventArrayRef_1 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_1 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_1 );
		if ( eventArrayArg_2 != 0 ) brivelJniEnv->DeleteLocalRef( eventArrayArg_2 );
		if ( eventArrayRef_3 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_3 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_3 );
		if ( eventArrayRef_4 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_4 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_4 );
		if ( eventArrayRef_5 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_5 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_5 );
		for ( int brivelArg = 0; brivelArg < 6; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 3 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Texts", "(Ljava/lang/String;Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Texts";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,2);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Texts", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,2);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Texts", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[2];
		VARIANTARG brivelOwnArgs[2];
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BSTR, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_BYREF | VT_BSTR, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Texts", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 2, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		eventParamIndex1 = 1;
		jthrowable brivelUnmade = NULL;
		jstring jstrEventArg_0 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex0] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jstring jstrEventArg_1 = brivelBstrToJstr( brivelJniEnv, *V_BSTRREF( &pDispParams->rgvarg[eventParamIndex1] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, jstrEventArg_0
			, jstrEventArg_1
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "Texts"
			, false, "java.lang.String", jstrEventArg_0
			, false, "java.lang.String", jstrEventArg_1
		);
		if ( jstrEventArg_0 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_0 );
		if ( jstrEventArg_1 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_1 );
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 4 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Variants", "(Lbrivel/TavoVariant;Lbrivel/TavoVariant;Lbrivel/TavoVariant;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Variants";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,3);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Variants", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,3);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Variants", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex2 = brivelGetParamIndex(2,pDispParams,3);
		if ( eventParamIndex2 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Variants", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		jthrowable brivelUnmade = NULL;
		jobject eventArgValue_0 = brivelVariantObject( brivelJniEnv, &pDispParams->rgvarg[eventParamIndex0] );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		VARIANT * eventVariant1 = V_VARIANTREF( &pDispParams->rgvarg[eventParamIndex1] );
		jobject varobj1 = brivelVariantObject( brivelJniEnv, eventVariant1 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArgValue_2 = brivelVariantObject( brivelJniEnv, &pDispParams->rgvarg[eventParamIndex2] );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, eventArgValue_0
			, varobj1
			, eventArgValue_2
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 3, 0, "void", "Variants"
			, false, "brivel.TavoVariant", eventArgValue_0
			, true, "brivel.TavoVariant", varobj1
			, false, "brivel.TavoVariant", eventArgValue_2
		);
		if ( ! brivelJniEnv->ExceptionCheck()) {
			VariantCopy( eventVariant1, brivelGetTavoVariant( brivelJniEnv, varobj1 ));
		}
		if ( eventArgValue_0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_0 );
		brivelJniEnv->DeleteLocalRef( varobj1 );
		if ( eventArgValue_2 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_2 );
	}
	if ( dispIdMember == 5 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Objects", "(Ltest/events/IProbe;Lbrivel/TavoObject;Lbrivel/TavoObject;[Lbrivel/TavoObject;Ltest/events/IProbe;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Objects";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,5);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Objects", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,5);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Objects", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex2 = brivelGetParamIndex(2,pDispParams,5);
		if ( eventParamIndex2 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Objects", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex3 = brivelGetParamIndex(3,pDispParams,5);
		if ( eventParamIndex3 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Objects", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex4 = brivelGetParamIndex(4,pDispParams,5);
		if ( eventParamIndex4 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Objects", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[5];
		VARIANTARG brivelOwnArgs[5];
		for ( int brivelArg = 0; brivelArg < 5; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_UNKNOWN, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_UNKNOWN, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex2], VT_UNKNOWN, &brivelOwnArgs[2], &brivelArgs[2] ))) brivelBadArg = eventParamIndex2;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex3], VT_BYREF | VT_UNKNOWN, &brivelOwnArgs[3], &brivelArgs[3] ))) brivelBadArg = eventParamIndex3;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex4], VT_BYREF | VT_UNKNOWN, &brivelOwnArgs[4], &brivelArgs[4] ))) brivelBadArg = eventParamIndex4;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 5; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Objects", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 5, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		eventParamIndex1 = 1;
		eventParamIndex2 = 2;
		eventParamIndex3 = 3;
		eventParamIndex4 = 4;
		jthrowable brivelUnmade = NULL;
		jobject jobjEventArg_0 = brivelUnknownToInterfaceObject(brivelJniEnv,V_DISPATCH( &pDispParams->rgvarg[eventParamIndex0] ), "test/events/IProbe" );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject jobjEventArg_1 = brivelBestUnknownToJobject( brivelJniEnv, (IUnknown *) V_DISPATCH( &pDispParams->rgvarg[eventParamIndex1] ), brivelIIDMap, 1);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject jobjEventArg_2 = brivelBestUnknownToJobject( brivelJniEnv, (IUnknown *) V_DISPATCH( &pDispParams->rgvarg[eventParamIndex2] ), brivelIIDMap, 1);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobjectArray eventArrayArg_3 = brivelJniEnv->NewObjectArray(1, brivelGetComBaseClass(), 0 );
		jobject eventArrayElem_3 = eventArrayArg_3 == 0 ? 0 : brivelUnknownToJobject( brivelJniEnv, *V_UNKNOWNREF(&pDispParams->rgvarg[eventParamIndex3] ));
		if ( eventArrayArg_3 != 0 ) brivelJniEnv->SetObjectArrayElement( eventArrayArg_3, 0, eventArrayElem_3 );
		jobject eventArrayRef_3 = brivelJniEnv->NewGlobalRef(eventArrayArg_3);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject jobjEventArg_4 = brivelUnknownToInterfaceObject(brivelJniEnv,*V_DISPATCHREF( &pDispParams->rgvarg[eventParamIndex4] ), "test/events/IProbe" );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, jobjEventArg_0
			, jobjEventArg_1
			, jobjEventArg_2
			, eventArrayArg_3
			, jobjEventArg_4
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 5, 0, "void", "Objects"
			, false, "test.events.IProbe", jobjEventArg_0
			, false, "brivel.TavoObject", jobjEventArg_1
			, false, "brivel.TavoObject", jobjEventArg_2
			, true, "brivel.TavoObject", eventArrayArg_3
			, false, "test.events.IProbe", jobjEventArg_4
		);
		if ( ! brivelJniEnv->ExceptionCheck()) {
			if ( eventArrayElem_3 != 0 ) brivelJniEnv->DeleteLocalRef( eventArrayElem_3 );
			eventArrayElem_3 = brivelJniEnv->GetObjectArrayElement( eventArrayArg_3, 0 );
			IUnknown * eventHeldUnk_3 = (IUnknown *) ( eventArrayElem_3 == 0 ? 0 : brivelJniEnv->GetIntField( eventArrayElem_3, brivelGetComId()));
			IUnknown * eventNewUnk_3 = 0;
			if ( eventHeldUnk_3 != 0 && FAILED( eventHeldUnk_3->QueryInterface( IID_IDispatch, (void **) &eventNewUnk_3 ))) {
				eventNewUnk_3 = eventHeldUnk_3;
				eventNewUnk_3->AddRef();
			}
			if ( (*V_UNKNOWNREF(&pDispParams->rgvarg[eventParamIndex3] )) != 0 ) (*V_UNKNOWNREF(&pDispParams->rgvarg[eventParamIndex3] ))->Release();
			(*V_UNKNOWNREF(&pDispParams->rgvarg[eventParamIndex3] )) = eventNewUnk_3;
		}
		if ( jobjEventArg_0 != 0 ) brivelJniEnv->DeleteLocalRef( jobjEventArg_0 );
		if ( jobjEventArg_1 != 0 ) brivelJniEnv->DeleteLocalRef( jobjEventArg_1 );
		if ( jobjEventArg_2 != 0 ) brivelJniEnv->DeleteLocalRef( jobjEventArg_2 );
		if ( eventArrayRef_3 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_3 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_3 );
		if ( eventArrayElem_3 != 0 ) brivelJniEnv->DeleteLocalRef( eventArrayElem_3 );
		if ( jobjEventArg_4 != 0 ) brivelJniEnv->DeleteLocalRef( jobjEventArg_4 );
		for ( int brivelArg = 0; brivelArg < 5; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 6 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Times", "(Ljava/util/Date;Ljava/util/Date;JJ)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Times";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,4);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Times", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,4);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Times", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex2 = brivelGetParamIndex(2,pDispParams,4);
		if ( eventParamIndex2 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Times", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex3 = brivelGetParamIndex(3,pDispParams,4);
		if ( eventParamIndex3 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Times", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[4];
		VARIANTARG brivelOwnArgs[4];
		for ( int brivelArg = 0; brivelArg < 4; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_DATE, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_BYREF | VT_DATE, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex2], VT_CY, &brivelOwnArgs[2], &brivelArgs[2] ))) brivelBadArg = eventParamIndex2;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex3], VT_BYREF | VT_CY, &brivelOwnArgs[3], &brivelArgs[3] ))) brivelBadArg = eventParamIndex3;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 4; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Times", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 4, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		eventParamIndex1 = 1;
		eventParamIndex2 = 2;
		eventParamIndex3 = 3;
		jthrowable brivelUnmade = NULL;
		jobject eventArgValue_0 = brivelDateToJobject(brivelJniEnv,V_DATE( &pDispParams->rgvarg[eventParamIndex0] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArgValue_1 = brivelDateToJobject(brivelJniEnv,*V_DATEREF( &pDispParams->rgvarg[eventParamIndex1] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, eventArgValue_0
			, eventArgValue_1
			, (jlong) V_CY( &pDispParams->rgvarg[eventParamIndex2] ).int64
			, (jlong) V_CYREF( &pDispParams->rgvarg[eventParamIndex3] )->int64
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 4, 0, "void", "Times"
			, false, "java.util.Date", eventArgValue_0
			, false, "java.util.Date", eventArgValue_1
			, false, "long", (jlong) V_CY( &pDispParams->rgvarg[eventParamIndex2] ).int64
			, false, "long", (jlong) V_CYREF( &pDispParams->rgvarg[eventParamIndex3] )->int64
		);
		if ( eventArgValue_0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_0 );
		if ( eventArgValue_1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_1 );
		for ( int brivelArg = 0; brivelArg < 4; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 7 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Levels", "(Ltest/events/Level;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Levels";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Levels", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BYREF | VT_I4, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Levels", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 1, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		jthrowable brivelUnmade = NULL;
		jobject jenumEventArg_0 = brivelIntToEnumeratedObject( brivelJniEnv, *V_INTREF( &pDispParams->rgvarg[eventParamIndex0] ), "test/events/Level" );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, jenumEventArg_0
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "Levels"
			, false, "test.events.Level", jenumEventArg_0
		);
		if ( jenumEventArg_0 != 0 ) brivelJniEnv->DeleteLocalRef( jenumEventArg_0 );
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 8 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Decide", "(I)Z");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Decide";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Decide", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_I4, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Decide", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 1, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		jthrowable brivelUnmade = NULL;
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) hResult = brivelJniEnv->CallBooleanMethod( brvJavaObject, brivelMethod
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
		) ? S_OK : S_FALSE;
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) hResult = OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "boolean", "Decide"
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
		) ? S_OK : S_FALSE;
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 11 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Handed", "([Lbrivel/TavoObject;[Lbrivel/TavoObject;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Handed";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,2);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Handed", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,2);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Handed", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[2];
		VARIANTARG brivelOwnArgs[2];
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BYREF | VT_UNKNOWN, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_BYREF | VT_UNKNOWN, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Handed", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 2, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		eventParamIndex1 = 1;
		jthrowable brivelUnmade = NULL;
		jobjectArray eventArrayArg_0 = brivelJniEnv->NewObjectArray(1, brivelGetComBaseClass(), 0 );
		*V_UNKNOWNREF(&pDispParams->rgvarg[eventParamIndex0] ) = 0;
		jobject eventArrayElem_0 = 0;
		jobject eventArrayRef_0 = brivelJniEnv->NewGlobalRef(eventArrayArg_0);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobjectArray eventArrayArg_1 = brivelJniEnv->NewObjectArray(1, brivelGetComBaseClass(), 0 );
		*V_UNKNOWNREF(&pDispParams->rgvarg[eventParamIndex1] ) = 0;
		jobject eventArrayElem_1 = 0;
		jobject eventArrayRef_1 = brivelJniEnv->NewGlobalRef(eventArrayArg_1);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, eventArrayArg_0
			, eventArrayArg_1
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "Handed"
			, true, "brivel.TavoObject", eventArrayArg_0
			, true, "brivel.TavoObject", eventArrayArg_1
		);
		if ( ! brivelJniEnv->ExceptionCheck()) {
			if ( eventArrayElem_0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArrayElem_0 );
			eventArrayElem_0 = brivelJniEnv->GetObjectArrayElement( eventArrayArg_0, 0 );
			IUnknown * eventHeldUnk_0 = (IUnknown *) ( eventArrayElem_0 == 0 ? 0 : brivelJniEnv->GetIntField( eventArrayElem_0, brivelGetComId()));
			IUnknown * eventNewUnk_0 = 0;
			if ( eventHeldUnk_0 != 0 && FAILED( eventHeldUnk_0->QueryInterface( IID_IDispatch, (void **) &eventNewUnk_0 ))) {
				eventNewUnk_0 = eventHeldUnk_0;
				eventNewUnk_0->AddRef();
			}
			(*V_UNKNOWNREF(&pDispParams->rgvarg[eventParamIndex0] )) = eventNewUnk_0;
			if ( eventArrayElem_1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArrayElem_1 );
			eventArrayElem_1 = brivelJniEnv->GetObjectArrayElement( eventArrayArg_1, 0 );
			IUnknown * eventHeldUnk_1 = (IUnknown *) ( eventArrayElem_1 == 0 ? 0 : brivelJniEnv->GetIntField( eventArrayElem_1, brivelGetComId()));
			IUnknown * eventNewUnk_1 = 0;
			if ( eventHeldUnk_1 != 0 && FAILED( eventHeldUnk_1->QueryInterface( IID_IDispatch, (void **) &eventNewUnk_1 ))) {
				eventNewUnk_1 = eventHeldUnk_1;
				eventNewUnk_1->AddRef();
			}
			(*V_UNKNOWNREF(&pDispParams->rgvarg[eventParamIndex1] )) = eventNewUnk_1;
		}
		if ( eventArrayRef_0 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_0 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_0 );
		if ( eventArrayElem_0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArrayElem_0 );
		if ( eventArrayRef_1 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_1 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_1 );
		if ( eventArrayElem_1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArrayElem_1 );
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 12 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Listed", "([ILbrivel/out/TavoStringArray;)V");
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
		jintArray eventArray0 = (jintArray) brivelSafeArrayToJArray( brivelJniEnv, eventSafeArray0, VT_I4 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		SAFEARRAY * eventSafeArray1 = ((( pDispParams->rgvarg[eventParamIndex1] ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( pDispParams->rgvarg[eventParamIndex1] ).vt & VT_BYREF ) ? (( pDispParams->rgvarg[eventParamIndex1] ).pparray == 0 ? (SAFEARRAY *) 0 : *( pDispParams->rgvarg[eventParamIndex1] ).pparray ) : ( pDispParams->rgvarg[eventParamIndex1] ).parray );
		jobjectArray eventElements1 = (jobjectArray) brivelSafeArrayToJArray( brivelJniEnv, eventSafeArray1, VT_BSTR );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArray1 = 0;
		jclass eventArray1Class = brivelFindClass( brivelJniEnv, "brivel/out/TavoStringArray" );
		jfieldID eventArray1Field = eventArray1Class == 0 ? 0 : brivelJniEnv->GetFieldID( eventArray1Class, "array", "[Ljava/lang/String;" );
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
			, false, "int[]", eventArray0
			, true, "brivel.out.TavoStringArray", eventArray1
		);
		if ( ! brivelJniEnv->ExceptionCheck()) {
			if (( pDispParams->rgvarg[eventParamIndex1].vt & ( VT_BYREF | VT_ARRAY )) == ( VT_BYREF | VT_ARRAY )) {
				if ( eventArray1 != 0 && pDispParams->rgvarg[eventParamIndex1].pparray != 0 ) {
					JNIEnv * env = brivelJniEnv;
					jclass eventNewArray1Class = env->GetObjectClass( eventArray1 );
					jfieldID eventNewArray1Field = env->GetFieldID( eventNewArray1Class, "array", "[Ljava/lang/String;" );
					env->DeleteLocalRef( eventNewArray1Class );
					jobject eventNewArray1Value = eventNewArray1Field == 0 ? 0 : env->GetObjectField( eventArray1, eventNewArray1Field );
					SAFEARRAY * eventNewArray1 = brivelJArrayToSafeArray( env, (jarray) eventNewArray1Value, VT_BSTR );
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
	if ( dispIdMember == 13 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Paired", "(Ltest/events/Pair;Ltest/events/Pair;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Paired";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,2);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Paired", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,2);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Paired", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		jthrowable brivelUnmade = NULL;
	bool evRecordErr0;
	jfieldID evRecordFieldIds0[2];
		jobject eventArgValue_0 = brivelDirectComRecordToJobject( brivelJniEnv, (unsigned char *) V_RECORD( &pDispParams->rgvarg[eventParamIndex0] ), "test/events/Pair", &brivelRecordDetails[0], 2, &evRecordErr0, evRecordFieldIds0 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
	bool evRecordErr1;
	jfieldID evRecordFieldIds1[2];
		jobject eventArgValue_1 = brivelDirectComRecordToJobject( brivelJniEnv, (unsigned char *) V_RECORD( &pDispParams->rgvarg[eventParamIndex1] ), "test/events/Pair", &brivelRecordDetails[0], 2, &evRecordErr1, evRecordFieldIds1 );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, eventArgValue_0
			, eventArgValue_1
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "Paired"
			, false, "test.events.Pair", eventArgValue_0
			, false, "test.events.Pair", eventArgValue_1
		);
		if ( eventArgValue_0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_0 );
		if ( eventArgValue_1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_1 );
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

extern "C" JNIEXPORT jboolean JNICALL Java_test_events_IProbeEvents__1_1TavoLoad
	(JNIEnv * env, jobject thisObj, jobject obj, jboolean initial )
{
	HRESULT ret;
	IUnknown * pUnk;
	IDispatch * pDisp;
	brivelInitThread( env );
	if ( obj == 0 ) return 0;
	pUnk = (IUnknown *) env->GetIntField( obj, brivelGetComId());
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoIProbeEvents, (void **) &pDisp );
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

extern "C" JNIEXPORT jboolean JNICALL Java_test_events_IProbeEvents__1_1TavoEventListenerInit
	(JNIEnv * env, jobject thisObj )
{
	brivelInitThread( env );
	IProbeEventsHandlerImpl * sink = 0;
	try {
		sink = new IProbeEventsHandlerImpl( thisObj );
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
	long arg1 = va_arg( ap, long );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,long)) (*(_VtblFunc **)pUnk)[7])) (pUnk,arg1);
}

// JNI Implementation of IProbe.Ping
extern "C" JNIEXPORT void JNICALL Java_test_events_IProbe_Ping__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
{
	HRESULT hr;
	IUnknown * pUnk = (IUnknown *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pUnk == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	hr = brivelVtableInvoker( env, vThunk_1, pUnk,(long)arg0);
	if ( brivelCheckFatalError( env )) {
		return;
	}
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return;
	}
}

// Thunk for virtual call invocation.
static HRESULT vThunk_2( IUnknown * pUnk, va_list ap )
{
	IDispatch * arg1 = va_arg( ap, IDispatch * );
	return (*((HRESULT (STDMETHODCALLTYPE *)(void *,IDispatch *)) (*(_VtblFunc **)pUnk)[8])) (pUnk,arg1);
}

// JNI Implementation of IProbe.Register
extern "C" JNIEXPORT void JNICALL Java_test_events_IProbe_Register__Ltest_events_ICallback_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobject arg0)
{
	HRESULT hr;
	IUnknown * pUnk = (IUnknown *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pUnk == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	if ( arg0 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Null Argument" );
		return;
	}
	IDispatch * idisp__0 = (IDispatch *) env->GetIntField( arg0, brivelGetEventId());
	hr = brivelVtableInvoker( env, vThunk_2, pUnk,idisp__0);
	if ( brivelCheckFatalError( env )) {
		return;
	}
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, 0 );
		return;
	}
}

extern "C" JNIEXPORT jboolean JNICALL Java_test_events_IProbe__1_1TavoLoad
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
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoIProbe, (void **) &pDisp );
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
extern "C" JNIEXPORT jobjectArray JNICALL Java_test_events_Probe__1_1RemoteEventAdd( JNIEnv * env, jobject thisObj, jstring interfaceStr )
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
		if ( strcmp( interfaceName, "test.events.IProbeEvents" ) == 0 ) {
			// Initialize and add new listener object.
			iDisp = new IProbeEventsHandlerImpl( (jstring) env->NewGlobalRef(interfaceStr), thisObj );
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

