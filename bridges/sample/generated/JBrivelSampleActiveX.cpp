// File: C:\brivel-sample\JBrivelSampleActiveX.cpp
// Generated: Wed Dec 09 14:45:37 2026

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
const GUID IID_LibId = { 0xb8e4d2c, 0x5a61, 0x4f7e, { 0x9c, 0x3a, 0x7d, 0x1e, 0x2f, 0x6b, 0x5a, 0x1 }};
// IIDs used in type library

IID IID_ITavoBrivelSampleActiveX = { 0xd639163a, 0x1b7c, 0x4da4, { 0x91, 0xee, 0x17, 0x11, 0x2b, 0xcf, 0xd1, 0xa4 }};
IID IID_ITavo_DBrivelSampleActiveXEvents = { 0x35bf51eb, 0x7c71, 0x4e56, { 0x8b, 0xc, 0x1b, 0x1b, 0x34, 0x97, 0x1e, 0xe }};
IID IID_ITavo_DBrivelSampleActiveX = { 0x27b64635, 0xbabd, 0x4141, { 0x98, 0x6b, 0x3, 0x52, 0x44, 0x30, 0x69, 0xc0 }};
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
	{ &IID_ITavo_DBrivelSampleActiveX, "j2c/tutorial/_DBrivelSampleActiveX" },
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
		brivelIidMapTypes( brivelIIDMap, 1 );
	} else if ( dwReason == DLL_THREAD_ATTACH ) {
		brivelInitThread( NULL );
	}
	return 1;
}



// JNI implementations

// GUID for class BrivelSampleActiveX
extern "C" JNIEXPORT jstring JNICALL Java_j2c_tutorial_BrivelSampleActiveX__1_1TavoGetGUID
	(JNIEnv * env, jclass thisCls )
{
	return env->NewStringUTF( "{D639163A-1B7C-4DA4-91EE-17112BCFD1A4}" );
}

// Object creation for BrivelSampleActiveX
extern "C" JNIEXPORT jobject JNICALL Java_j2c_tutorial_BrivelSampleActiveX__1_1TavoNewObj
	(JNIEnv * env, jobject thisObj, jclass cls)
{
	jmethodID ctorMethod = env->GetMethodID(cls, "<init>", "()V" );
	if ( env->ExceptionOccurred()) {
		env->ExceptionClear();
		return env->AllocObject( cls );
	}
	return env->NewObject( cls, ctorMethod );
}

extern "C" JNIEXPORT jboolean JNICALL Java_j2c_tutorial_BrivelSampleActiveX__1_1TavoCreateObject
	(JNIEnv * env, jobject thisObj, jboolean find, jboolean serverOnlyOptions )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( find )
		ret = brivelGetActiveInstance( env, &IID_ITavoBrivelSampleActiveX, &pUnk );
	else if ( serverOnlyOptions )
		ret = (HRESULT) brivelMiscFunc4( (void *) env, (void *) &IID_ITavoBrivelSampleActiveX, (void *) &pUnk, NULL );
	else
		ret = brivelCreateInstance( env, &IID_ITavoBrivelSampleActiveX, &pUnk );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetComId(), (jint) pUnk );
	return 1;
}

class _DBrivelSampleActiveXEventsHandlerImpl : public IDispatch {
	jobject brvJavaObject;
	bool serverSide;
	jstring interfaceName;
	long brvRef;
public:
	_DBrivelSampleActiveXEventsHandlerImpl( jobject obj ) : interfaceName(NULL), serverSide(false), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) {}

	_DBrivelSampleActiveXEventsHandlerImpl( jstring intf, jobject obj ) : interfaceName(intf), serverSide(true), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) {}

	virtual HRESULT STDMETHODCALLTYPE QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject);
	virtual ULONG STDMETHODCALLTYPE AddRef( void);
	virtual ULONG STDMETHODCALLTYPE Release( void);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfoCount( UINT __RPC_FAR *pctinfo);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo);
	virtual HRESULT STDMETHODCALLTYPE GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId);
	virtual HRESULT STDMETHODCALLTYPE Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS __RPC_FAR *pDispParams, VARIANT __RPC_FAR *pVarResult, EXCEPINFO __RPC_FAR *pExcepInfo, UINT __RPC_FAR *puArgErr);
};


HRESULT STDMETHODCALLTYPE _DBrivelSampleActiveXEventsHandlerImpl::QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject)
{
	if ( riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_ITavo_DBrivelSampleActiveXEvents ) {
		*ppvObject = this;
		AddRef();
		return S_OK;
	}
	if ( riid == IID_BrivelQueryIID ) {
		*ppvObject = (void *) &IID_ITavo_DBrivelSampleActiveXEvents;
		return S_OK;
	}
	*ppvObject = NULL;
	return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE _DBrivelSampleActiveXEventsHandlerImpl::AddRef( void )
{
	return InterlockedIncrement( &brvRef );
}

ULONG STDMETHODCALLTYPE _DBrivelSampleActiveXEventsHandlerImpl::Release( void )
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

HRESULT STDMETHODCALLTYPE _DBrivelSampleActiveXEventsHandlerImpl::GetTypeInfoCount( UINT __RPC_FAR *pctinfo)
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE _DBrivelSampleActiveXEventsHandlerImpl::GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo )
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE _DBrivelSampleActiveXEventsHandlerImpl::GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId)
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

HRESULT STDMETHODCALLTYPE _DBrivelSampleActiveXEventsHandlerImpl::Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
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
	if ( dispIdMember == -600 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Click", "()V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Click";
		if ( brivelMethod != NULL && brivelError == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod );
		if ( serverSide && brivelError == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 0, 0, "void", "Click" );
	}
	if ( dispIdMember == -603 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "KeyPress", "(S)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "KeyPress";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "KeyPress", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_I2, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "KeyPress", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, (jshort) V_I2( &pDispParams->rgvarg[eventParamIndex0] )
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "KeyPress"
			, false, "short", (jshort) V_I2( &pDispParams->rgvarg[eventParamIndex0] )
		);
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 1 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Timer", "(Ljava/lang/String;Ljava/util/Date;I)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Timer";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,3);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Timer", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,3);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Timer", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex2 = brivelGetParamIndex(2,pDispParams,3);
		if ( eventParamIndex2 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Timer", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[3];
		VARIANTARG brivelOwnArgs[3];
		for ( int brivelArg = 0; brivelArg < 3; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BSTR, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_DATE, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex2], VT_I4, &brivelOwnArgs[2], &brivelArgs[2] ))) brivelBadArg = eventParamIndex2;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 3; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Timer", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 3, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		eventParamIndex1 = 1;
		eventParamIndex2 = 2;
		jthrowable brivelUnmade = NULL;
		jstring jstrEventArg_0 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex0] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArgValue_1 = brivelDateToJobject(brivelJniEnv,V_DATE( &pDispParams->rgvarg[eventParamIndex1] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, jstrEventArg_0
			, eventArgValue_1
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex2] )
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 3, 0, "void", "Timer"
			, false, "java.lang.String", jstrEventArg_0
			, false, "java.util.Date", eventArgValue_1
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex2] )
		);
		if ( jstrEventArg_0 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_0 );
		if ( eventArgValue_1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_1 );
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

extern "C" JNIEXPORT jboolean JNICALL Java_j2c_tutorial__1DBrivelSampleActiveXEvents__1_1TavoLoad
	(JNIEnv * env, jobject thisObj, jobject obj, jboolean initial )
{
	HRESULT ret;
	IUnknown * pUnk;
	IDispatch * pDisp;
	brivelInitThread( env );
	if ( obj == 0 ) return 0;
	pUnk = (IUnknown *) env->GetIntField( obj, brivelGetComId());
	ret = brivelQueryInterface( env, pUnk, &IID_ITavo_DBrivelSampleActiveXEvents, (void **) &pDisp );
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

extern "C" JNIEXPORT jboolean JNICALL Java_j2c_tutorial__1DBrivelSampleActiveXEvents__1_1TavoEventListenerInit
	(JNIEnv * env, jobject thisObj )
{
	brivelInitThread( env );
	_DBrivelSampleActiveXEventsHandlerImpl * sink = 0;
	try {
		sink = new _DBrivelSampleActiveXEventsHandlerImpl( thisObj );
	} catch ( ... ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/OutOfMemoryError" ), "event sink" );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetEventId(), (jint) sink );
	return 1;
}

// JNI Implementation of _DBrivelSampleActiveX.GetStartTime
extern "C" JNIEXPORT jobject JNICALL Java_j2c_tutorial__1DBrivelSampleActiveX_GetStartTime
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
	hr = brivelInvokeHelper( env, pDisp, 1, &params, 1, &excepInfo, &argErr, &ret );
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

// JNI Implementation of _DBrivelSampleActiveX.GetControlName
extern "C" JNIEXPORT jstring JNICALL Java_j2c_tutorial__1DBrivelSampleActiveX_GetControlName
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
	hr = brivelInvokeHelper( env, pDisp, 2, &params, 1, &excepInfo, &argErr, &ret );
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

// JNI Implementation of _DBrivelSampleActiveX.GetText
extern "C" JNIEXPORT jstring JNICALL Java_j2c_tutorial__1DBrivelSampleActiveX_GetText
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
	hr = brivelInvokeHelper( env, pDisp, 3, &params, 1, &excepInfo, &argErr, &ret );
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

// JNI Implementation of _DBrivelSampleActiveX.SetText
extern "C" JNIEXPORT void JNICALL Java_j2c_tutorial__1DBrivelSampleActiveX_SetText__Ljava_lang_String_2
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
	vargs[0].vt = VT_BYREF | VT_BSTR;
	BSTR temp__0 = brivelJstringToBstr( env, (jstring) arg0 );
	V_BSTRREF( &vargs[0 ] ) = &temp__0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 4, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		SysFreeString( temp__0 );
		return;
	}
	SysFreeString( temp__0 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of _DBrivelSampleActiveX.SendTimerTicks
extern "C" JNIEXPORT jboolean JNICALL Java_j2c_tutorial__1DBrivelSampleActiveX_SendTimerTicks__Ljava_lang_String_2S
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jshort arg1)
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
	vargs[1].vt = VT_BYREF | VT_BSTR;
	BSTR temp__0 = brivelJstringToBstr( env, (jstring) arg0 );
	V_BSTRREF( &vargs[1 ] ) = &temp__0;
	vargs[0].vt = VT_I2;
	V_I2( &vargs[0] ) = (short) arg1;
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 5, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		SysFreeString( temp__0 );
		return 0;
	}
	SysFreeString( temp__0 );
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

// JNI Implementation of _DBrivelSampleActiveX.AboutBox
extern "C" JNIEXPORT void JNICALL Java_j2c_tutorial__1DBrivelSampleActiveX_AboutBox
	(JNIEnv * env, jobject thisObj)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	VariantInit(&ret);
	params.cArgs = 0;
	hr = brivelInvokeHelper( env, pDisp, -552, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

extern "C" JNIEXPORT jboolean JNICALL Java_j2c_tutorial__1DBrivelSampleActiveX__1_1TavoLoad
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
	ret = brivelQueryInterface( env, pUnk, &IID_ITavo_DBrivelSampleActiveX, (void **) &pDisp );
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
extern "C" JNIEXPORT jobjectArray JNICALL Java_j2c_tutorial_BrivelSampleActiveX__1_1RemoteEventAdd( JNIEnv * env, jobject thisObj, jstring interfaceStr )
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
		if ( strcmp( interfaceName, "j2c.tutorial._DBrivelSampleActiveXEvents" ) == 0 ) {
			// Initialize and add new listener object.
			iDisp = new _DBrivelSampleActiveXEventsHandlerImpl( (jstring) env->NewGlobalRef(interfaceStr), thisObj );
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

