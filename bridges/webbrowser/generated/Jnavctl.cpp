// File: C:\brivel-webbrowser\Jnavctl.cpp
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
const GUID IID_LibId = { 0x5e7a0000, 0x6b10, 0x4a2e, { 0x9c, 0x31, 0xa, 0x7e, 0x5d, 0x1b, 0x0, 0x1 }};
// IIDs used in type library

IID IID_ITavoWebBrowser_V1 = { 0xeab22ac3, 0x30c1, 0x11cf, { 0xa7, 0xeb, 0x0, 0x0, 0xc0, 0x5b, 0xae, 0xb }};
IID IID_ITavoWebBrowser = { 0x8856f961, 0x340a, 0x11d0, { 0xa9, 0x6b, 0x0, 0xc0, 0x4f, 0xd7, 0x5, 0xa2 }};
IID IID_ITavoInternetExplorer = { 0x2df01, 0x0, 0x0, { 0xc0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x46 }};
IID IID_ITavoShellBrowserWindow = { 0xc08afd90, 0xf2a1, 0x11d1, { 0x84, 0x55, 0x0, 0xa0, 0xc9, 0x1f, 0x38, 0x80 }};
IID IID_ITavoShellWindows = { 0x9ba05972, 0xf6a8, 0x11cf, { 0xa4, 0x42, 0x0, 0xa0, 0xc9, 0xa, 0x8f, 0x39 }};
IID IID_ITavoShellUIHelper = { 0x64ab4bb7, 0x111e, 0x11d1, { 0x8f, 0x79, 0x0, 0xc0, 0x4f, 0xc2, 0xfb, 0xe1 }};
IID IID_ITavoShellNameSpace = { 0x55136805, 0xb2de, 0x11d1, { 0xb9, 0xf2, 0x0, 0xa0, 0xc9, 0x8b, 0xc5, 0x47 }};
IID IID_ITavoShellShellNameSpace = { 0x2f2f1f96, 0x2bc1, 0x4b1c, { 0xbe, 0x28, 0xea, 0x37, 0x74, 0xf4, 0x67, 0x6a }};
IID IID_ITavoCScriptErrorList = { 0xefd01300, 0x160f, 0x11d2, { 0xbb, 0x2e, 0x0, 0x80, 0x5f, 0xf7, 0xef, 0xca }};
IID IID_ITavoSearchAssistantOC = { 0xb45ff030, 0x4447, 0x11d2, { 0x85, 0xde, 0x0, 0xc0, 0x4f, 0xa3, 0x5c, 0x89 }};
IID IID_ITavoShellSearchAssistantOC = { 0x2e71fd0f, 0xaab1, 0x42c0, { 0x91, 0x46, 0x6d, 0x2c, 0x4e, 0xdc, 0xf0, 0x7d }};
IID IID_ITavoISearchAssistantOC3 = { 0x72423e8f, 0x8011, 0x11d2, { 0xbe, 0x79, 0x0, 0xa0, 0xc9, 0xa8, 0x3d, 0xa3 }};
IID IID_ITavoIShellFavoritesNameSpace = { 0x55136804, 0xb2de, 0x11d1, { 0xb9, 0xf2, 0x0, 0xa0, 0xc9, 0x8b, 0xc5, 0x47 }};
IID IID_ITavoDShellWindowsEvents = { 0xfe4106e0, 0x399a, 0x11d0, { 0xa4, 0x8c, 0x0, 0xa0, 0xc9, 0xa, 0x8f, 0x39 }};
IID IID_ITavoDWebBrowserEvents2 = { 0x34a715a0, 0x6587, 0x11d0, { 0x92, 0x4a, 0x0, 0x20, 0xaf, 0xc7, 0xac, 0x4d }};
IID IID_ITavoISearchAssistantOC2 = { 0x72423e8f, 0x8011, 0x11d2, { 0xbe, 0x79, 0x0, 0xa0, 0xc9, 0xa8, 0x3d, 0xa2 }};
IID IID_ITavoDWebBrowserEvents = { 0xeab22ac2, 0x30c1, 0x11cf, { 0xa7, 0xeb, 0x0, 0x0, 0xc0, 0x5b, 0xae, 0xb }};
IID IID_ITavo_SearchAssistantEvents = { 0x1611fdda, 0x445b, 0x11d2, { 0x85, 0xde, 0x0, 0xc0, 0x4f, 0xa3, 0x5c, 0x89 }};
IID IID_ITavoISearchAssistantOC = { 0x72423e8f, 0x8011, 0x11d2, { 0xbe, 0x79, 0x0, 0xa0, 0xc9, 0xa8, 0x3d, 0xa1 }};
IID IID_ITavoIWebBrowser = { 0xeab22ac1, 0x30c1, 0x11cf, { 0xa7, 0xeb, 0x0, 0x0, 0xc0, 0x5b, 0xae, 0xb }};
IID IID_ITavoIWebBrowser2 = { 0xd30c1661, 0xcdaf, 0x11d0, { 0x8a, 0x3e, 0x0, 0xc0, 0x4f, 0xc9, 0xe2, 0x6e }};
IID IID_ITavoIShellNameSpace = { 0xe572d3c9, 0x37be, 0x4ae2, { 0x82, 0x5d, 0xd5, 0x21, 0x76, 0x3e, 0x31, 0x8 }};
IID IID_ITavoIWebBrowserApp = { 0x2df05, 0x0, 0x0, { 0xc0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x46 }};
IID IID_ITavoDShellNameSpaceEvents = { 0x55136806, 0xb2de, 0x11d1, { 0xb9, 0xf2, 0x0, 0xa0, 0xc9, 0x8b, 0xc5, 0x47 }};
IID IID_ITavoIShellUIHelper = { 0x729fe2f8, 0x1ea8, 0x11d1, { 0x8f, 0x85, 0x0, 0xc0, 0x4f, 0xc2, 0xfb, 0xe1 }};
IID IID_ITavoIShellWindows = { 0x85cb6900, 0x4d95, 0x11cf, { 0x96, 0xc, 0x0, 0x80, 0xc7, 0xf4, 0xee, 0x85 }};
IID IID_ITavoIScriptErrorList = { 0xf3470f24, 0x15fd, 0x11d2, { 0xbb, 0x2e, 0x0, 0x80, 0x5f, 0xf7, 0xef, 0xca }};
IID IID_ITavoISearches = { 0x47c922a2, 0x3dd5, 0x11d2, { 0xbf, 0x8b, 0x0, 0xc0, 0x4f, 0xb9, 0x36, 0x61 }};
IID IID_ITavoISearch = { 0xba9239a4, 0x3dd5, 0x11d2, { 0xbf, 0x8b, 0x0, 0xc0, 0x4f, 0xb9, 0x36, 0x61 }};
const IID IID_BrivelQueryIID = { 0xb14f3c49, 0x0c7b, 0x4439, {0xa2, 0x48, 0x62, 0x29, 0xfe, 0x6d, 0x96, 0x05}};

struct {
	const GUID * libGuid;
	ULONG verMajor;
	ULONG verMinor;
} libDescriptionStruct = { &IID_LibId, 1, 1 };

struct {
	const IID * iid;
	const char * className;
} brivelIIDMap[] = {
	{ &IID_ITavoISearchAssistantOC3, "iexplorer/ISearchAssistantOC3" },
	{ &IID_ITavoIShellFavoritesNameSpace, "iexplorer/IShellFavoritesNameSpace" },
	{ &IID_ITavoISearchAssistantOC2, "iexplorer/ISearchAssistantOC2" },
	{ &IID_ITavoISearchAssistantOC, "iexplorer/ISearchAssistantOC" },
	{ &IID_ITavoIWebBrowser, "iexplorer/IWebBrowser" },
	{ &IID_ITavoIWebBrowser2, "iexplorer/IWebBrowser2" },
	{ &IID_ITavoIShellNameSpace, "iexplorer/IShellNameSpace" },
	{ &IID_ITavoIWebBrowserApp, "iexplorer/IWebBrowserApp" },
	{ &IID_ITavoIShellUIHelper, "iexplorer/IShellUIHelper" },
	{ &IID_ITavoIShellWindows, "iexplorer/IShellWindows" },
	{ &IID_ITavoIScriptErrorList, "iexplorer/IScriptErrorList" },
	{ &IID_ITavoISearches, "iexplorer/ISearches" },
	{ &IID_ITavoISearch, "iexplorer/ISearch" },
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
		brivelIidMapTypes( brivelIIDMap, 13 );
		CLSID clsid;
		if ( SUCCEEDED( CLSIDFromProgID( L"Shell.Explorer", &clsid )))
			memcpy( &IID_ITavoWebBrowser_V1, &clsid, sizeof( CLSID ));
		if ( SUCCEEDED( CLSIDFromProgID( L"Shell.Explorer", &clsid )))
			memcpy( &IID_ITavoWebBrowser, &clsid, sizeof( CLSID ));
		if ( SUCCEEDED( CLSIDFromProgID( L"InternetExplorer.Application", &clsid )))
			memcpy( &IID_ITavoInternetExplorer, &clsid, sizeof( CLSID ));
		if ( SUCCEEDED( CLSIDFromProgID( L"Shell.UIHelper", &clsid )))
			memcpy( &IID_ITavoShellUIHelper, &clsid, sizeof( CLSID ));
		if ( SUCCEEDED( CLSIDFromProgID( L"ShellNameSpace.ShellNameSpace", &clsid )))
			memcpy( &IID_ITavoShellNameSpace, &clsid, sizeof( CLSID ));
		if ( SUCCEEDED( CLSIDFromProgID( L"ShellNameSpace.ShellNameSpace", &clsid )))
			memcpy( &IID_ITavoShellShellNameSpace, &clsid, sizeof( CLSID ));
		if ( SUCCEEDED( CLSIDFromProgID( L"SearchAssistantOC.SearchAssistantOC", &clsid )))
			memcpy( &IID_ITavoSearchAssistantOC, &clsid, sizeof( CLSID ));
		if ( SUCCEEDED( CLSIDFromProgID( L"SearchAssistantOC.SearchAssistantOC", &clsid )))
			memcpy( &IID_ITavoShellSearchAssistantOC, &clsid, sizeof( CLSID ));
	} else if ( dwReason == DLL_THREAD_ATTACH ) {
		brivelInitThread( NULL );
	}
	return 1;
}



// JNI implementations

// GUID for class WebBrowser_V1
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_WebBrowser_1V1__1_1TavoGetGUID
	(JNIEnv * env, jclass thisCls )
{
	return env->NewStringUTF( "Shell.Explorer" );
}

// Object creation for WebBrowser_V1
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_WebBrowser_1V1__1_1TavoNewObj
	(JNIEnv * env, jobject thisObj, jclass cls)
{
	jmethodID ctorMethod = env->GetMethodID(cls, "<init>", "()V" );
	if ( env->ExceptionOccurred()) {
		env->ExceptionClear();
		return env->AllocObject( cls );
	}
	return env->NewObject( cls, ctorMethod );
}

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_WebBrowser_1V1__1_1TavoCreateObject
	(JNIEnv * env, jobject thisObj, jboolean find, jboolean serverOnlyOptions )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( find )
		ret = brivelGetActiveInstance( env, &IID_ITavoWebBrowser_V1, &pUnk );
	else if ( serverOnlyOptions )
		ret = (HRESULT) brivelMiscFunc4( (void *) env, (void *) &IID_ITavoWebBrowser_V1, (void *) &pUnk, NULL );
	else
		ret = brivelCreateInstance( env, &IID_ITavoWebBrowser_V1, &pUnk );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetComId(), (jint) pUnk );
	return 1;
}

// Remote interface IID list for WebBrowser_V1
const IID * remoteIidList1[] = { &IID_IUnknown, &IID_ITavoIWebBrowser, &IID_ITavoIWebBrowser2 };

// Remote object creation for WebBrowser_V1
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_WebBrowser_1V1__1_1TavoCreateObjectRemote
	(JNIEnv * env, jobject thisObj, jstring remote, jstring user, jstring pwd, jstring domain, jobjectArray interfaceList )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( remote == NULL ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "RemoteMachine name is null" );
		return 0;
	}
	WCHAR * machineName = 0;
	if ( remote != NULL ) {
		jsize length = env->GetStringLength( remote );
		machineName = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( machineName != 0 ) {
			env->GetStringRegion( remote, 0, length, (jchar *) machineName );
			machineName[length] = 0;
		}
	}
	WCHAR * userName = 0;
	if ( user != NULL ) {
		jsize length = env->GetStringLength( user );
		userName = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( userName != 0 ) {
			env->GetStringRegion( user, 0, length, (jchar *) userName );
			userName[length] = 0;
		}
	}
	WCHAR * pwdStr = 0;
	if ( pwd != NULL ) {
		jsize length = env->GetStringLength( pwd );
		pwdStr = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( pwdStr != 0 ) {
			env->GetStringRegion( pwd, 0, length, (jchar *) pwdStr );
			pwdStr[length] = 0;
		}
	}
	WCHAR * domainStr = 0;
	if ( domain != NULL ) {
		jsize length = env->GetStringLength( domain );
		domainStr = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( domainStr != 0 ) {
			env->GetStringRegion( domain, 0, length, (jchar *) domainStr );
			domainStr[length] = 0;
		}
	}
	if ( machineName == 0 || ( user != NULL && userName == 0 ) || ( pwd != NULL && pwdStr == 0 ) || ( domain != NULL && domainStr == 0 ))
		ret = E_OUTOFMEMORY;
	else
		ret = brivelCreateInstanceRemote( env, &IID_ITavoWebBrowser_V1, (LPCWSTR) machineName, (LPCWSTR) userName, (LPCWSTR) pwdStr, (LPCWSTR) domainStr, 3, interfaceList, remoteIidList1 );
	free( machineName );
	free( userName );
	free( pwdStr );
	free( domainStr );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	return 1;
}

// GUID for class WebBrowser
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_WebBrowser__1_1TavoGetGUID
	(JNIEnv * env, jclass thisCls )
{
	return env->NewStringUTF( "Shell.Explorer" );
}

// Object creation for WebBrowser
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_WebBrowser__1_1TavoNewObj
	(JNIEnv * env, jobject thisObj, jclass cls)
{
	jmethodID ctorMethod = env->GetMethodID(cls, "<init>", "()V" );
	if ( env->ExceptionOccurred()) {
		env->ExceptionClear();
		return env->AllocObject( cls );
	}
	return env->NewObject( cls, ctorMethod );
}

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_WebBrowser__1_1TavoCreateObject
	(JNIEnv * env, jobject thisObj, jboolean find, jboolean serverOnlyOptions )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( find )
		ret = brivelGetActiveInstance( env, &IID_ITavoWebBrowser, &pUnk );
	else if ( serverOnlyOptions )
		ret = (HRESULT) brivelMiscFunc4( (void *) env, (void *) &IID_ITavoWebBrowser, (void *) &pUnk, NULL );
	else
		ret = brivelCreateInstance( env, &IID_ITavoWebBrowser, &pUnk );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetComId(), (jint) pUnk );
	return 1;
}

// Remote interface IID list for WebBrowser
const IID * remoteIidList2[] = { &IID_IUnknown, &IID_ITavoIWebBrowser, &IID_ITavoIWebBrowser2 };

// Remote object creation for WebBrowser
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_WebBrowser__1_1TavoCreateObjectRemote
	(JNIEnv * env, jobject thisObj, jstring remote, jstring user, jstring pwd, jstring domain, jobjectArray interfaceList )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( remote == NULL ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "RemoteMachine name is null" );
		return 0;
	}
	WCHAR * machineName = 0;
	if ( remote != NULL ) {
		jsize length = env->GetStringLength( remote );
		machineName = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( machineName != 0 ) {
			env->GetStringRegion( remote, 0, length, (jchar *) machineName );
			machineName[length] = 0;
		}
	}
	WCHAR * userName = 0;
	if ( user != NULL ) {
		jsize length = env->GetStringLength( user );
		userName = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( userName != 0 ) {
			env->GetStringRegion( user, 0, length, (jchar *) userName );
			userName[length] = 0;
		}
	}
	WCHAR * pwdStr = 0;
	if ( pwd != NULL ) {
		jsize length = env->GetStringLength( pwd );
		pwdStr = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( pwdStr != 0 ) {
			env->GetStringRegion( pwd, 0, length, (jchar *) pwdStr );
			pwdStr[length] = 0;
		}
	}
	WCHAR * domainStr = 0;
	if ( domain != NULL ) {
		jsize length = env->GetStringLength( domain );
		domainStr = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( domainStr != 0 ) {
			env->GetStringRegion( domain, 0, length, (jchar *) domainStr );
			domainStr[length] = 0;
		}
	}
	if ( machineName == 0 || ( user != NULL && userName == 0 ) || ( pwd != NULL && pwdStr == 0 ) || ( domain != NULL && domainStr == 0 ))
		ret = E_OUTOFMEMORY;
	else
		ret = brivelCreateInstanceRemote( env, &IID_ITavoWebBrowser, (LPCWSTR) machineName, (LPCWSTR) userName, (LPCWSTR) pwdStr, (LPCWSTR) domainStr, 3, interfaceList, remoteIidList2 );
	free( machineName );
	free( userName );
	free( pwdStr );
	free( domainStr );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	return 1;
}

// GUID for class InternetExplorer
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_InternetExplorer__1_1TavoGetGUID
	(JNIEnv * env, jclass thisCls )
{
	return env->NewStringUTF( "InternetExplorer.Application" );
}

// Object creation for InternetExplorer
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_InternetExplorer__1_1TavoNewObj
	(JNIEnv * env, jobject thisObj, jclass cls)
{
	jmethodID ctorMethod = env->GetMethodID(cls, "<init>", "()V" );
	if ( env->ExceptionOccurred()) {
		env->ExceptionClear();
		return env->AllocObject( cls );
	}
	return env->NewObject( cls, ctorMethod );
}

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_InternetExplorer__1_1TavoCreateObject
	(JNIEnv * env, jobject thisObj, jboolean find, jboolean serverOnlyOptions )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( find )
		ret = brivelGetActiveInstance( env, &IID_ITavoInternetExplorer, &pUnk );
	else if ( serverOnlyOptions )
		ret = (HRESULT) brivelMiscFunc4( (void *) env, (void *) &IID_ITavoInternetExplorer, (void *) &pUnk, NULL );
	else
		ret = brivelCreateInstance( env, &IID_ITavoInternetExplorer, &pUnk );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetComId(), (jint) pUnk );
	return 1;
}

// Remote interface IID list for InternetExplorer
const IID * remoteIidList3[] = { &IID_IUnknown, &IID_ITavoIWebBrowserApp, &IID_ITavoIWebBrowser2 };

// Remote object creation for InternetExplorer
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_InternetExplorer__1_1TavoCreateObjectRemote
	(JNIEnv * env, jobject thisObj, jstring remote, jstring user, jstring pwd, jstring domain, jobjectArray interfaceList )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( remote == NULL ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "RemoteMachine name is null" );
		return 0;
	}
	WCHAR * machineName = 0;
	if ( remote != NULL ) {
		jsize length = env->GetStringLength( remote );
		machineName = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( machineName != 0 ) {
			env->GetStringRegion( remote, 0, length, (jchar *) machineName );
			machineName[length] = 0;
		}
	}
	WCHAR * userName = 0;
	if ( user != NULL ) {
		jsize length = env->GetStringLength( user );
		userName = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( userName != 0 ) {
			env->GetStringRegion( user, 0, length, (jchar *) userName );
			userName[length] = 0;
		}
	}
	WCHAR * pwdStr = 0;
	if ( pwd != NULL ) {
		jsize length = env->GetStringLength( pwd );
		pwdStr = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( pwdStr != 0 ) {
			env->GetStringRegion( pwd, 0, length, (jchar *) pwdStr );
			pwdStr[length] = 0;
		}
	}
	WCHAR * domainStr = 0;
	if ( domain != NULL ) {
		jsize length = env->GetStringLength( domain );
		domainStr = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( domainStr != 0 ) {
			env->GetStringRegion( domain, 0, length, (jchar *) domainStr );
			domainStr[length] = 0;
		}
	}
	if ( machineName == 0 || ( user != NULL && userName == 0 ) || ( pwd != NULL && pwdStr == 0 ) || ( domain != NULL && domainStr == 0 ))
		ret = E_OUTOFMEMORY;
	else
		ret = brivelCreateInstanceRemote( env, &IID_ITavoInternetExplorer, (LPCWSTR) machineName, (LPCWSTR) userName, (LPCWSTR) pwdStr, (LPCWSTR) domainStr, 3, interfaceList, remoteIidList3 );
	free( machineName );
	free( userName );
	free( pwdStr );
	free( domainStr );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	return 1;
}

// GUID for class ShellBrowserWindow
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_ShellBrowserWindow__1_1TavoGetGUID
	(JNIEnv * env, jclass thisCls )
{
	return env->NewStringUTF( "{C08AFD90-F2A1-11D1-8455-00A0C91F3880}" );
}

// Object creation for ShellBrowserWindow
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_ShellBrowserWindow__1_1TavoNewObj
	(JNIEnv * env, jobject thisObj, jclass cls)
{
	jmethodID ctorMethod = env->GetMethodID(cls, "<init>", "()V" );
	if ( env->ExceptionOccurred()) {
		env->ExceptionClear();
		return env->AllocObject( cls );
	}
	return env->NewObject( cls, ctorMethod );
}

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ShellBrowserWindow__1_1TavoCreateObject
	(JNIEnv * env, jobject thisObj, jboolean find, jboolean serverOnlyOptions )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( find )
		ret = brivelGetActiveInstance( env, &IID_ITavoShellBrowserWindow, &pUnk );
	else if ( serverOnlyOptions )
		ret = (HRESULT) brivelMiscFunc4( (void *) env, (void *) &IID_ITavoShellBrowserWindow, (void *) &pUnk, NULL );
	else
		ret = brivelCreateInstance( env, &IID_ITavoShellBrowserWindow, &pUnk );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetComId(), (jint) pUnk );
	return 1;
}

// Remote interface IID list for ShellBrowserWindow
const IID * remoteIidList4[] = { &IID_IUnknown, &IID_ITavoIWebBrowserApp, &IID_ITavoIWebBrowser2 };

// Remote object creation for ShellBrowserWindow
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ShellBrowserWindow__1_1TavoCreateObjectRemote
	(JNIEnv * env, jobject thisObj, jstring remote, jstring user, jstring pwd, jstring domain, jobjectArray interfaceList )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( remote == NULL ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "RemoteMachine name is null" );
		return 0;
	}
	WCHAR * machineName = 0;
	if ( remote != NULL ) {
		jsize length = env->GetStringLength( remote );
		machineName = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( machineName != 0 ) {
			env->GetStringRegion( remote, 0, length, (jchar *) machineName );
			machineName[length] = 0;
		}
	}
	WCHAR * userName = 0;
	if ( user != NULL ) {
		jsize length = env->GetStringLength( user );
		userName = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( userName != 0 ) {
			env->GetStringRegion( user, 0, length, (jchar *) userName );
			userName[length] = 0;
		}
	}
	WCHAR * pwdStr = 0;
	if ( pwd != NULL ) {
		jsize length = env->GetStringLength( pwd );
		pwdStr = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( pwdStr != 0 ) {
			env->GetStringRegion( pwd, 0, length, (jchar *) pwdStr );
			pwdStr[length] = 0;
		}
	}
	WCHAR * domainStr = 0;
	if ( domain != NULL ) {
		jsize length = env->GetStringLength( domain );
		domainStr = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( domainStr != 0 ) {
			env->GetStringRegion( domain, 0, length, (jchar *) domainStr );
			domainStr[length] = 0;
		}
	}
	if ( machineName == 0 || ( user != NULL && userName == 0 ) || ( pwd != NULL && pwdStr == 0 ) || ( domain != NULL && domainStr == 0 ))
		ret = E_OUTOFMEMORY;
	else
		ret = brivelCreateInstanceRemote( env, &IID_ITavoShellBrowserWindow, (LPCWSTR) machineName, (LPCWSTR) userName, (LPCWSTR) pwdStr, (LPCWSTR) domainStr, 3, interfaceList, remoteIidList4 );
	free( machineName );
	free( userName );
	free( pwdStr );
	free( domainStr );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	return 1;
}

// GUID for class ShellWindows
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_ShellWindows__1_1TavoGetGUID
	(JNIEnv * env, jclass thisCls )
{
	return env->NewStringUTF( "{9BA05972-F6A8-11CF-A442-00A0C90A8F39}" );
}

// Object creation for ShellWindows
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_ShellWindows__1_1TavoNewObj
	(JNIEnv * env, jobject thisObj, jclass cls)
{
	jmethodID ctorMethod = env->GetMethodID(cls, "<init>", "()V" );
	if ( env->ExceptionOccurred()) {
		env->ExceptionClear();
		return env->AllocObject( cls );
	}
	return env->NewObject( cls, ctorMethod );
}

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ShellWindows__1_1TavoCreateObject
	(JNIEnv * env, jobject thisObj, jboolean find, jboolean serverOnlyOptions )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( find )
		ret = brivelGetActiveInstance( env, &IID_ITavoShellWindows, &pUnk );
	else if ( serverOnlyOptions )
		ret = (HRESULT) brivelMiscFunc4( (void *) env, (void *) &IID_ITavoShellWindows, (void *) &pUnk, NULL );
	else
		ret = brivelCreateInstance( env, &IID_ITavoShellWindows, &pUnk );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetComId(), (jint) pUnk );
	return 1;
}

// Remote interface IID list for ShellWindows
const IID * remoteIidList5[] = { &IID_IUnknown, &IID_ITavoIShellWindows };

// Remote object creation for ShellWindows
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ShellWindows__1_1TavoCreateObjectRemote
	(JNIEnv * env, jobject thisObj, jstring remote, jstring user, jstring pwd, jstring domain, jobjectArray interfaceList )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( remote == NULL ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "RemoteMachine name is null" );
		return 0;
	}
	WCHAR * machineName = 0;
	if ( remote != NULL ) {
		jsize length = env->GetStringLength( remote );
		machineName = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( machineName != 0 ) {
			env->GetStringRegion( remote, 0, length, (jchar *) machineName );
			machineName[length] = 0;
		}
	}
	WCHAR * userName = 0;
	if ( user != NULL ) {
		jsize length = env->GetStringLength( user );
		userName = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( userName != 0 ) {
			env->GetStringRegion( user, 0, length, (jchar *) userName );
			userName[length] = 0;
		}
	}
	WCHAR * pwdStr = 0;
	if ( pwd != NULL ) {
		jsize length = env->GetStringLength( pwd );
		pwdStr = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( pwdStr != 0 ) {
			env->GetStringRegion( pwd, 0, length, (jchar *) pwdStr );
			pwdStr[length] = 0;
		}
	}
	WCHAR * domainStr = 0;
	if ( domain != NULL ) {
		jsize length = env->GetStringLength( domain );
		domainStr = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( domainStr != 0 ) {
			env->GetStringRegion( domain, 0, length, (jchar *) domainStr );
			domainStr[length] = 0;
		}
	}
	if ( machineName == 0 || ( user != NULL && userName == 0 ) || ( pwd != NULL && pwdStr == 0 ) || ( domain != NULL && domainStr == 0 ))
		ret = E_OUTOFMEMORY;
	else
		ret = brivelCreateInstanceRemote( env, &IID_ITavoShellWindows, (LPCWSTR) machineName, (LPCWSTR) userName, (LPCWSTR) pwdStr, (LPCWSTR) domainStr, 2, interfaceList, remoteIidList5 );
	free( machineName );
	free( userName );
	free( pwdStr );
	free( domainStr );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	return 1;
}

// GUID for class ShellUIHelper
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_ShellUIHelper__1_1TavoGetGUID
	(JNIEnv * env, jclass thisCls )
{
	return env->NewStringUTF( "Shell.UIHelper" );
}

// Object creation for ShellUIHelper
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_ShellUIHelper__1_1TavoNewObj
	(JNIEnv * env, jobject thisObj, jclass cls)
{
	jmethodID ctorMethod = env->GetMethodID(cls, "<init>", "()V" );
	if ( env->ExceptionOccurred()) {
		env->ExceptionClear();
		return env->AllocObject( cls );
	}
	return env->NewObject( cls, ctorMethod );
}

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ShellUIHelper__1_1TavoCreateObject
	(JNIEnv * env, jobject thisObj, jboolean find, jboolean serverOnlyOptions )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( find )
		ret = brivelGetActiveInstance( env, &IID_ITavoShellUIHelper, &pUnk );
	else if ( serverOnlyOptions )
		ret = (HRESULT) brivelMiscFunc4( (void *) env, (void *) &IID_ITavoShellUIHelper, (void *) &pUnk, NULL );
	else
		ret = brivelCreateInstance( env, &IID_ITavoShellUIHelper, &pUnk );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetComId(), (jint) pUnk );
	return 1;
}

// Remote interface IID list for ShellUIHelper
const IID * remoteIidList6[] = { &IID_IUnknown, &IID_ITavoIShellUIHelper };

// Remote object creation for ShellUIHelper
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ShellUIHelper__1_1TavoCreateObjectRemote
	(JNIEnv * env, jobject thisObj, jstring remote, jstring user, jstring pwd, jstring domain, jobjectArray interfaceList )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( remote == NULL ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "RemoteMachine name is null" );
		return 0;
	}
	WCHAR * machineName = 0;
	if ( remote != NULL ) {
		jsize length = env->GetStringLength( remote );
		machineName = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( machineName != 0 ) {
			env->GetStringRegion( remote, 0, length, (jchar *) machineName );
			machineName[length] = 0;
		}
	}
	WCHAR * userName = 0;
	if ( user != NULL ) {
		jsize length = env->GetStringLength( user );
		userName = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( userName != 0 ) {
			env->GetStringRegion( user, 0, length, (jchar *) userName );
			userName[length] = 0;
		}
	}
	WCHAR * pwdStr = 0;
	if ( pwd != NULL ) {
		jsize length = env->GetStringLength( pwd );
		pwdStr = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( pwdStr != 0 ) {
			env->GetStringRegion( pwd, 0, length, (jchar *) pwdStr );
			pwdStr[length] = 0;
		}
	}
	WCHAR * domainStr = 0;
	if ( domain != NULL ) {
		jsize length = env->GetStringLength( domain );
		domainStr = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( domainStr != 0 ) {
			env->GetStringRegion( domain, 0, length, (jchar *) domainStr );
			domainStr[length] = 0;
		}
	}
	if ( machineName == 0 || ( user != NULL && userName == 0 ) || ( pwd != NULL && pwdStr == 0 ) || ( domain != NULL && domainStr == 0 ))
		ret = E_OUTOFMEMORY;
	else
		ret = brivelCreateInstanceRemote( env, &IID_ITavoShellUIHelper, (LPCWSTR) machineName, (LPCWSTR) userName, (LPCWSTR) pwdStr, (LPCWSTR) domainStr, 2, interfaceList, remoteIidList6 );
	free( machineName );
	free( userName );
	free( pwdStr );
	free( domainStr );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	return 1;
}

// GUID for class ShellNameSpace
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_ShellNameSpace__1_1TavoGetGUID
	(JNIEnv * env, jclass thisCls )
{
	return env->NewStringUTF( "ShellNameSpace.ShellNameSpace" );
}

// Object creation for ShellNameSpace
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_ShellNameSpace__1_1TavoNewObj
	(JNIEnv * env, jobject thisObj, jclass cls)
{
	jmethodID ctorMethod = env->GetMethodID(cls, "<init>", "()V" );
	if ( env->ExceptionOccurred()) {
		env->ExceptionClear();
		return env->AllocObject( cls );
	}
	return env->NewObject( cls, ctorMethod );
}

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ShellNameSpace__1_1TavoCreateObject
	(JNIEnv * env, jobject thisObj, jboolean find, jboolean serverOnlyOptions )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( find )
		ret = brivelGetActiveInstance( env, &IID_ITavoShellNameSpace, &pUnk );
	else if ( serverOnlyOptions )
		ret = (HRESULT) brivelMiscFunc4( (void *) env, (void *) &IID_ITavoShellNameSpace, (void *) &pUnk, NULL );
	else
		ret = brivelCreateInstance( env, &IID_ITavoShellNameSpace, &pUnk );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetComId(), (jint) pUnk );
	return 1;
}

// Remote interface IID list for ShellNameSpace
const IID * remoteIidList7[] = { &IID_IUnknown, &IID_ITavoIShellNameSpace };

// Remote object creation for ShellNameSpace
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ShellNameSpace__1_1TavoCreateObjectRemote
	(JNIEnv * env, jobject thisObj, jstring remote, jstring user, jstring pwd, jstring domain, jobjectArray interfaceList )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( remote == NULL ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "RemoteMachine name is null" );
		return 0;
	}
	WCHAR * machineName = 0;
	if ( remote != NULL ) {
		jsize length = env->GetStringLength( remote );
		machineName = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( machineName != 0 ) {
			env->GetStringRegion( remote, 0, length, (jchar *) machineName );
			machineName[length] = 0;
		}
	}
	WCHAR * userName = 0;
	if ( user != NULL ) {
		jsize length = env->GetStringLength( user );
		userName = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( userName != 0 ) {
			env->GetStringRegion( user, 0, length, (jchar *) userName );
			userName[length] = 0;
		}
	}
	WCHAR * pwdStr = 0;
	if ( pwd != NULL ) {
		jsize length = env->GetStringLength( pwd );
		pwdStr = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( pwdStr != 0 ) {
			env->GetStringRegion( pwd, 0, length, (jchar *) pwdStr );
			pwdStr[length] = 0;
		}
	}
	WCHAR * domainStr = 0;
	if ( domain != NULL ) {
		jsize length = env->GetStringLength( domain );
		domainStr = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( domainStr != 0 ) {
			env->GetStringRegion( domain, 0, length, (jchar *) domainStr );
			domainStr[length] = 0;
		}
	}
	if ( machineName == 0 || ( user != NULL && userName == 0 ) || ( pwd != NULL && pwdStr == 0 ) || ( domain != NULL && domainStr == 0 ))
		ret = E_OUTOFMEMORY;
	else
		ret = brivelCreateInstanceRemote( env, &IID_ITavoShellNameSpace, (LPCWSTR) machineName, (LPCWSTR) userName, (LPCWSTR) pwdStr, (LPCWSTR) domainStr, 2, interfaceList, remoteIidList7 );
	free( machineName );
	free( userName );
	free( pwdStr );
	free( domainStr );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	return 1;
}

// GUID for class ShellShellNameSpace
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_ShellShellNameSpace__1_1TavoGetGUID
	(JNIEnv * env, jclass thisCls )
{
	return env->NewStringUTF( "ShellNameSpace.ShellNameSpace" );
}

// Object creation for ShellShellNameSpace
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_ShellShellNameSpace__1_1TavoNewObj
	(JNIEnv * env, jobject thisObj, jclass cls)
{
	jmethodID ctorMethod = env->GetMethodID(cls, "<init>", "()V" );
	if ( env->ExceptionOccurred()) {
		env->ExceptionClear();
		return env->AllocObject( cls );
	}
	return env->NewObject( cls, ctorMethod );
}

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ShellShellNameSpace__1_1TavoCreateObject
	(JNIEnv * env, jobject thisObj, jboolean find, jboolean serverOnlyOptions )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( find )
		ret = brivelGetActiveInstance( env, &IID_ITavoShellShellNameSpace, &pUnk );
	else if ( serverOnlyOptions )
		ret = (HRESULT) brivelMiscFunc4( (void *) env, (void *) &IID_ITavoShellShellNameSpace, (void *) &pUnk, NULL );
	else
		ret = brivelCreateInstance( env, &IID_ITavoShellShellNameSpace, &pUnk );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetComId(), (jint) pUnk );
	return 1;
}

// Remote interface IID list for ShellShellNameSpace
const IID * remoteIidList8[] = { &IID_IUnknown, &IID_ITavoIShellNameSpace };

// Remote object creation for ShellShellNameSpace
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ShellShellNameSpace__1_1TavoCreateObjectRemote
	(JNIEnv * env, jobject thisObj, jstring remote, jstring user, jstring pwd, jstring domain, jobjectArray interfaceList )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( remote == NULL ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "RemoteMachine name is null" );
		return 0;
	}
	WCHAR * machineName = 0;
	if ( remote != NULL ) {
		jsize length = env->GetStringLength( remote );
		machineName = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( machineName != 0 ) {
			env->GetStringRegion( remote, 0, length, (jchar *) machineName );
			machineName[length] = 0;
		}
	}
	WCHAR * userName = 0;
	if ( user != NULL ) {
		jsize length = env->GetStringLength( user );
		userName = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( userName != 0 ) {
			env->GetStringRegion( user, 0, length, (jchar *) userName );
			userName[length] = 0;
		}
	}
	WCHAR * pwdStr = 0;
	if ( pwd != NULL ) {
		jsize length = env->GetStringLength( pwd );
		pwdStr = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( pwdStr != 0 ) {
			env->GetStringRegion( pwd, 0, length, (jchar *) pwdStr );
			pwdStr[length] = 0;
		}
	}
	WCHAR * domainStr = 0;
	if ( domain != NULL ) {
		jsize length = env->GetStringLength( domain );
		domainStr = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( domainStr != 0 ) {
			env->GetStringRegion( domain, 0, length, (jchar *) domainStr );
			domainStr[length] = 0;
		}
	}
	if ( machineName == 0 || ( user != NULL && userName == 0 ) || ( pwd != NULL && pwdStr == 0 ) || ( domain != NULL && domainStr == 0 ))
		ret = E_OUTOFMEMORY;
	else
		ret = brivelCreateInstanceRemote( env, &IID_ITavoShellShellNameSpace, (LPCWSTR) machineName, (LPCWSTR) userName, (LPCWSTR) pwdStr, (LPCWSTR) domainStr, 2, interfaceList, remoteIidList8 );
	free( machineName );
	free( userName );
	free( pwdStr );
	free( domainStr );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	return 1;
}

// GUID for class CScriptErrorList
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_CScriptErrorList__1_1TavoGetGUID
	(JNIEnv * env, jclass thisCls )
{
	return env->NewStringUTF( "{EFD01300-160F-11D2-BB2E-00805FF7EFCA}" );
}

// Object creation for CScriptErrorList
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_CScriptErrorList__1_1TavoNewObj
	(JNIEnv * env, jobject thisObj, jclass cls)
{
	jmethodID ctorMethod = env->GetMethodID(cls, "<init>", "()V" );
	if ( env->ExceptionOccurred()) {
		env->ExceptionClear();
		return env->AllocObject( cls );
	}
	return env->NewObject( cls, ctorMethod );
}

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_CScriptErrorList__1_1TavoCreateObject
	(JNIEnv * env, jobject thisObj, jboolean find, jboolean serverOnlyOptions )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( find )
		ret = brivelGetActiveInstance( env, &IID_ITavoCScriptErrorList, &pUnk );
	else if ( serverOnlyOptions )
		ret = (HRESULT) brivelMiscFunc4( (void *) env, (void *) &IID_ITavoCScriptErrorList, (void *) &pUnk, NULL );
	else
		ret = brivelCreateInstance( env, &IID_ITavoCScriptErrorList, &pUnk );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetComId(), (jint) pUnk );
	return 1;
}

// Remote interface IID list for CScriptErrorList
const IID * remoteIidList9[] = { &IID_IUnknown, &IID_ITavoIScriptErrorList };

// Remote object creation for CScriptErrorList
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_CScriptErrorList__1_1TavoCreateObjectRemote
	(JNIEnv * env, jobject thisObj, jstring remote, jstring user, jstring pwd, jstring domain, jobjectArray interfaceList )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( remote == NULL ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "RemoteMachine name is null" );
		return 0;
	}
	WCHAR * machineName = 0;
	if ( remote != NULL ) {
		jsize length = env->GetStringLength( remote );
		machineName = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( machineName != 0 ) {
			env->GetStringRegion( remote, 0, length, (jchar *) machineName );
			machineName[length] = 0;
		}
	}
	WCHAR * userName = 0;
	if ( user != NULL ) {
		jsize length = env->GetStringLength( user );
		userName = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( userName != 0 ) {
			env->GetStringRegion( user, 0, length, (jchar *) userName );
			userName[length] = 0;
		}
	}
	WCHAR * pwdStr = 0;
	if ( pwd != NULL ) {
		jsize length = env->GetStringLength( pwd );
		pwdStr = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( pwdStr != 0 ) {
			env->GetStringRegion( pwd, 0, length, (jchar *) pwdStr );
			pwdStr[length] = 0;
		}
	}
	WCHAR * domainStr = 0;
	if ( domain != NULL ) {
		jsize length = env->GetStringLength( domain );
		domainStr = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( domainStr != 0 ) {
			env->GetStringRegion( domain, 0, length, (jchar *) domainStr );
			domainStr[length] = 0;
		}
	}
	if ( machineName == 0 || ( user != NULL && userName == 0 ) || ( pwd != NULL && pwdStr == 0 ) || ( domain != NULL && domainStr == 0 ))
		ret = E_OUTOFMEMORY;
	else
		ret = brivelCreateInstanceRemote( env, &IID_ITavoCScriptErrorList, (LPCWSTR) machineName, (LPCWSTR) userName, (LPCWSTR) pwdStr, (LPCWSTR) domainStr, 2, interfaceList, remoteIidList9 );
	free( machineName );
	free( userName );
	free( pwdStr );
	free( domainStr );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	return 1;
}

// GUID for class SearchAssistantOC
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_SearchAssistantOC__1_1TavoGetGUID
	(JNIEnv * env, jclass thisCls )
{
	return env->NewStringUTF( "SearchAssistantOC.SearchAssistantOC" );
}

// Object creation for SearchAssistantOC
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_SearchAssistantOC__1_1TavoNewObj
	(JNIEnv * env, jobject thisObj, jclass cls)
{
	jmethodID ctorMethod = env->GetMethodID(cls, "<init>", "()V" );
	if ( env->ExceptionOccurred()) {
		env->ExceptionClear();
		return env->AllocObject( cls );
	}
	return env->NewObject( cls, ctorMethod );
}

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_SearchAssistantOC__1_1TavoCreateObject
	(JNIEnv * env, jobject thisObj, jboolean find, jboolean serverOnlyOptions )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( find )
		ret = brivelGetActiveInstance( env, &IID_ITavoSearchAssistantOC, &pUnk );
	else if ( serverOnlyOptions )
		ret = (HRESULT) brivelMiscFunc4( (void *) env, (void *) &IID_ITavoSearchAssistantOC, (void *) &pUnk, NULL );
	else
		ret = brivelCreateInstance( env, &IID_ITavoSearchAssistantOC, &pUnk );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetComId(), (jint) pUnk );
	return 1;
}

// Remote interface IID list for SearchAssistantOC
const IID * remoteIidList10[] = { &IID_IUnknown, &IID_ITavoISearchAssistantOC3 };

// Remote object creation for SearchAssistantOC
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_SearchAssistantOC__1_1TavoCreateObjectRemote
	(JNIEnv * env, jobject thisObj, jstring remote, jstring user, jstring pwd, jstring domain, jobjectArray interfaceList )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( remote == NULL ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "RemoteMachine name is null" );
		return 0;
	}
	WCHAR * machineName = 0;
	if ( remote != NULL ) {
		jsize length = env->GetStringLength( remote );
		machineName = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( machineName != 0 ) {
			env->GetStringRegion( remote, 0, length, (jchar *) machineName );
			machineName[length] = 0;
		}
	}
	WCHAR * userName = 0;
	if ( user != NULL ) {
		jsize length = env->GetStringLength( user );
		userName = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( userName != 0 ) {
			env->GetStringRegion( user, 0, length, (jchar *) userName );
			userName[length] = 0;
		}
	}
	WCHAR * pwdStr = 0;
	if ( pwd != NULL ) {
		jsize length = env->GetStringLength( pwd );
		pwdStr = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( pwdStr != 0 ) {
			env->GetStringRegion( pwd, 0, length, (jchar *) pwdStr );
			pwdStr[length] = 0;
		}
	}
	WCHAR * domainStr = 0;
	if ( domain != NULL ) {
		jsize length = env->GetStringLength( domain );
		domainStr = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( domainStr != 0 ) {
			env->GetStringRegion( domain, 0, length, (jchar *) domainStr );
			domainStr[length] = 0;
		}
	}
	if ( machineName == 0 || ( user != NULL && userName == 0 ) || ( pwd != NULL && pwdStr == 0 ) || ( domain != NULL && domainStr == 0 ))
		ret = E_OUTOFMEMORY;
	else
		ret = brivelCreateInstanceRemote( env, &IID_ITavoSearchAssistantOC, (LPCWSTR) machineName, (LPCWSTR) userName, (LPCWSTR) pwdStr, (LPCWSTR) domainStr, 2, interfaceList, remoteIidList10 );
	free( machineName );
	free( userName );
	free( pwdStr );
	free( domainStr );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	return 1;
}

// GUID for class ShellSearchAssistantOC
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_ShellSearchAssistantOC__1_1TavoGetGUID
	(JNIEnv * env, jclass thisCls )
{
	return env->NewStringUTF( "SearchAssistantOC.SearchAssistantOC" );
}

// Object creation for ShellSearchAssistantOC
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_ShellSearchAssistantOC__1_1TavoNewObj
	(JNIEnv * env, jobject thisObj, jclass cls)
{
	jmethodID ctorMethod = env->GetMethodID(cls, "<init>", "()V" );
	if ( env->ExceptionOccurred()) {
		env->ExceptionClear();
		return env->AllocObject( cls );
	}
	return env->NewObject( cls, ctorMethod );
}

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ShellSearchAssistantOC__1_1TavoCreateObject
	(JNIEnv * env, jobject thisObj, jboolean find, jboolean serverOnlyOptions )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( find )
		ret = brivelGetActiveInstance( env, &IID_ITavoShellSearchAssistantOC, &pUnk );
	else if ( serverOnlyOptions )
		ret = (HRESULT) brivelMiscFunc4( (void *) env, (void *) &IID_ITavoShellSearchAssistantOC, (void *) &pUnk, NULL );
	else
		ret = brivelCreateInstance( env, &IID_ITavoShellSearchAssistantOC, &pUnk );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetComId(), (jint) pUnk );
	return 1;
}

// Remote interface IID list for ShellSearchAssistantOC
const IID * remoteIidList11[] = { &IID_IUnknown, &IID_ITavoISearchAssistantOC3 };

// Remote object creation for ShellSearchAssistantOC
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ShellSearchAssistantOC__1_1TavoCreateObjectRemote
	(JNIEnv * env, jobject thisObj, jstring remote, jstring user, jstring pwd, jstring domain, jobjectArray interfaceList )
{
	HRESULT ret;
	IUnknown * pUnk;
	brivelInitThread( env );
	if ( remote == NULL ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "RemoteMachine name is null" );
		return 0;
	}
	WCHAR * machineName = 0;
	if ( remote != NULL ) {
		jsize length = env->GetStringLength( remote );
		machineName = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( machineName != 0 ) {
			env->GetStringRegion( remote, 0, length, (jchar *) machineName );
			machineName[length] = 0;
		}
	}
	WCHAR * userName = 0;
	if ( user != NULL ) {
		jsize length = env->GetStringLength( user );
		userName = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( userName != 0 ) {
			env->GetStringRegion( user, 0, length, (jchar *) userName );
			userName[length] = 0;
		}
	}
	WCHAR * pwdStr = 0;
	if ( pwd != NULL ) {
		jsize length = env->GetStringLength( pwd );
		pwdStr = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( pwdStr != 0 ) {
			env->GetStringRegion( pwd, 0, length, (jchar *) pwdStr );
			pwdStr[length] = 0;
		}
	}
	WCHAR * domainStr = 0;
	if ( domain != NULL ) {
		jsize length = env->GetStringLength( domain );
		domainStr = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));
		if ( domainStr != 0 ) {
			env->GetStringRegion( domain, 0, length, (jchar *) domainStr );
			domainStr[length] = 0;
		}
	}
	if ( machineName == 0 || ( user != NULL && userName == 0 ) || ( pwd != NULL && pwdStr == 0 ) || ( domain != NULL && domainStr == 0 ))
		ret = E_OUTOFMEMORY;
	else
		ret = brivelCreateInstanceRemote( env, &IID_ITavoShellSearchAssistantOC, (LPCWSTR) machineName, (LPCWSTR) userName, (LPCWSTR) pwdStr, (LPCWSTR) domainStr, 2, interfaceList, remoteIidList11 );
	free( machineName );
	free( userName );
	free( pwdStr );
	free( domainStr );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( ret )) {
		brivelThrowComExceptionObject( env, ret, 0 );
		return 0;
	}
	return 1;
}

// JNI Implementation of ISearchAssistantOC3.AddNextMenuItem
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC3_AddNextMenuItem__Ljava_lang_String_2I
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
		return;
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
	hr = brivelInvokeHelper( env, pDisp, 1, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[1] );
		return;
	}
	VariantClear( &vargs[1] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC3.SetDefaultSearchUrl
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC3_SetDefaultSearchUrl__Ljava_lang_String_2
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
	hr = brivelInvokeHelper( env, pDisp, 2, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC3.NavigateToDefaultSearch
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC3_NavigateToDefaultSearch
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
	hr = brivelInvokeHelper( env, pDisp, 3, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC3.IsRestricted
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ISearchAssistantOC3_IsRestricted__Ljava_lang_String_2
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

// JNI Implementation of ISearchAssistantOC3.getShellFeaturesEnabled
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ISearchAssistantOC3_getShellFeaturesEnabled
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

// JNI Implementation of ISearchAssistantOC3.getSearchAssistantDefault
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ISearchAssistantOC3_getSearchAssistantDefault
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
	hr = brivelInvokeHelper( env, pDisp, 6, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearchAssistantOC3.getSearches
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_ISearchAssistantOC3_getSearches
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
	hr = brivelInvokeHelper( env, pDisp, 7, &params, 2, &excepInfo, &argErr, &ret );
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
	jobject retDisp =  brivelUnknownToInterfaceObject( env, V_DISPATCH( &ret ), "iexplorer/ISearches" );
	VariantClear( &ret );
	return retDisp;
}

// JNI Implementation of ISearchAssistantOC3.getInWebFolder
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ISearchAssistantOC3_getInWebFolder
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
	hr = brivelInvokeHelper( env, pDisp, 8, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearchAssistantOC3.PutProperty
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC3_PutProperty__ZLjava_lang_String_2Ljava_lang_String_2
	(JNIEnv * env,
	 jobject thisObj,
	 jboolean arg0,
	 jstring arg1,
	 jstring arg2)
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
	vargs[2].vt = VT_BOOL;
	V_BOOL( &vargs[2] ) = arg0 ? 0xFFFF : 0;
	vargs[1].vt = VT_BSTR;
	V_BSTR( &vargs[1] ) = brivelJstringToBstr( env, (jstring) arg1 );
	vargs[0].vt = VT_BSTR;
	V_BSTR( &vargs[0] ) = brivelJstringToBstr( env, (jstring) arg2 );
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 9, &params, 1, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearchAssistantOC3.GetProperty
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_ISearchAssistantOC3_GetProperty__ZLjava_lang_String_2
	(JNIEnv * env,
	 jobject thisObj,
	 jboolean arg0,
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
		return 0;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[1].vt = VT_BOOL;
	V_BOOL( &vargs[1] ) = arg0 ? 0xFFFF : 0;
	vargs[0].vt = VT_BSTR;
	V_BSTR( &vargs[0] ) = brivelJstringToBstr( env, (jstring) arg1 );
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 10, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return 0;
	}
	VariantClear( &vargs[0] );
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

// JNI Implementation of ISearchAssistantOC3.setEventHandled
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC3_setEventHandled__Z
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
	hr = brivelInvokeHelper( env, pDisp, 11, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC3.ResetNextMenu
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC3_ResetNextMenu
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
	hr = brivelInvokeHelper( env, pDisp, 12, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC3.FindOnWeb
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC3_FindOnWeb
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
	hr = brivelInvokeHelper( env, pDisp, 13, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC3.FindFilesOrFolders
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC3_FindFilesOrFolders
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
	hr = brivelInvokeHelper( env, pDisp, 14, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC3.FindComputer
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC3_FindComputer
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
	hr = brivelInvokeHelper( env, pDisp, 15, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC3.FindPrinter
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC3_FindPrinter
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
	hr = brivelInvokeHelper( env, pDisp, 16, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC3.FindPeople
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC3_FindPeople
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
	hr = brivelInvokeHelper( env, pDisp, 17, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC3.GetSearchAssistantURL
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_ISearchAssistantOC3_GetSearchAssistantURL__ZZ
	(JNIEnv * env,
	 jobject thisObj,
	 jboolean arg0,
	 jboolean arg1)
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
	vargs[1].vt = VT_BOOL;
	V_BOOL( &vargs[1] ) = arg0 ? 0xFFFF : 0;
	vargs[0].vt = VT_BOOL;
	V_BOOL( &vargs[0] ) = arg1 ? 0xFFFF : 0;
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 18, &params, 1, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearchAssistantOC3.NotifySearchSettingsChanged
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC3_NotifySearchSettingsChanged
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
	hr = brivelInvokeHelper( env, pDisp, 19, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC3.setASProvider
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC3_setASProvider__Ljava_lang_String_2
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
	hr = brivelInvokeHelper( env, pDisp, 20, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC3.getASProvider
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_ISearchAssistantOC3_getASProvider
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
	hr = brivelInvokeHelper( env, pDisp, 20, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearchAssistantOC3.setASSetting
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC3_setASSetting__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
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
	V_I4( &vargs[0] ) = (long) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 21, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC3.getASSetting
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_ISearchAssistantOC3_getASSetting
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
	hr = brivelInvokeHelper( env, pDisp, 21, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearchAssistantOC3.NETDetectNextNavigate
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC3_NETDetectNextNavigate
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
	hr = brivelInvokeHelper( env, pDisp, 22, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC3.PutFindText
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC3_PutFindText__Ljava_lang_String_2
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
	hr = brivelInvokeHelper( env, pDisp, 23, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC3.getVersion
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_ISearchAssistantOC3_getVersion
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
	hr = brivelInvokeHelper( env, pDisp, 24, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearchAssistantOC3.EncodeString
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_ISearchAssistantOC3_EncodeString__Ljava_lang_String_2Ljava_lang_String_2Z
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jstring arg1,
	 jboolean arg2)
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
	vargs[1].vt = VT_BSTR;
	V_BSTR( &vargs[1] ) = brivelJstringToBstr( env, (jstring) arg1 );
	vargs[0].vt = VT_BOOL;
	V_BOOL( &vargs[0] ) = arg2 ? 0xFFFF : 0;
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 25, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[2] );
		VariantClear( &vargs[1] );
		return 0;
	}
	VariantClear( &vargs[2] );
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

// JNI Implementation of ISearchAssistantOC3.getShowFindPrinter
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ISearchAssistantOC3_getShowFindPrinter
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
	hr = brivelInvokeHelper( env, pDisp, 26, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearchAssistantOC3.getSearchCompanionAvailable
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ISearchAssistantOC3_getSearchCompanionAvailable
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
	hr = brivelInvokeHelper( env, pDisp, 27, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearchAssistantOC3.setUseSearchCompanion
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC3_setUseSearchCompanion__Z
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
	hr = brivelInvokeHelper( env, pDisp, 28, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC3.getUseSearchCompanion
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ISearchAssistantOC3_getUseSearchCompanion
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
	hr = brivelInvokeHelper( env, pDisp, 28, &params, 2, &excepInfo, &argErr, &ret );
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

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ISearchAssistantOC3__1_1TavoLoad
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
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoISearchAssistantOC3, (void **) &pDisp );
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

// JNI Implementation of IShellFavoritesNameSpace.MoveSelectionUp
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellFavoritesNameSpace_MoveSelectionUp
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
	hr = brivelInvokeHelper( env, pDisp, 1, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellFavoritesNameSpace.MoveSelectionDown
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellFavoritesNameSpace_MoveSelectionDown
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
	hr = brivelInvokeHelper( env, pDisp, 2, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellFavoritesNameSpace.ResetSort
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellFavoritesNameSpace_ResetSort
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
	hr = brivelInvokeHelper( env, pDisp, 3, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellFavoritesNameSpace.NewFolder
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellFavoritesNameSpace_NewFolder
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
	hr = brivelInvokeHelper( env, pDisp, 4, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellFavoritesNameSpace.Synchronize
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellFavoritesNameSpace_Synchronize
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
	hr = brivelInvokeHelper( env, pDisp, 5, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellFavoritesNameSpace.Import
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellFavoritesNameSpace_Import
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
	hr = brivelInvokeHelper( env, pDisp, 6, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellFavoritesNameSpace.Export
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellFavoritesNameSpace_Export
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
	hr = brivelInvokeHelper( env, pDisp, 7, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellFavoritesNameSpace.InvokeContextMenuCommand
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellFavoritesNameSpace_InvokeContextMenuCommand__Ljava_lang_String_2
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

// JNI Implementation of IShellFavoritesNameSpace.MoveSelectionTo
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellFavoritesNameSpace_MoveSelectionTo
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
	hr = brivelInvokeHelper( env, pDisp, 9, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellFavoritesNameSpace.getSubscriptionsEnabled
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IShellFavoritesNameSpace_getSubscriptionsEnabled
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

// JNI Implementation of IShellFavoritesNameSpace.CreateSubscriptionForSelection
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IShellFavoritesNameSpace_CreateSubscriptionForSelection
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
	hr = brivelInvokeHelper( env, pDisp, 11, &params, 1, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IShellFavoritesNameSpace.DeleteSubscriptionForSelection
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IShellFavoritesNameSpace_DeleteSubscriptionForSelection
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
	hr = brivelInvokeHelper( env, pDisp, 12, &params, 1, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IShellFavoritesNameSpace.SetRoot
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellFavoritesNameSpace_SetRoot__Ljava_lang_String_2
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

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IShellFavoritesNameSpace__1_1TavoLoad
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
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoIShellFavoritesNameSpace, (void **) &pDisp );
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

class DShellWindowsEventsHandlerImpl : public IDispatch {
	jobject brvJavaObject;
	bool serverSide;
	jstring interfaceName;
	long brvRef;
public:
	DShellWindowsEventsHandlerImpl( jobject obj ) : interfaceName(NULL), serverSide(false), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) {}

	DShellWindowsEventsHandlerImpl( jstring intf, jobject obj ) : interfaceName(intf), serverSide(true), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) {}

	virtual HRESULT STDMETHODCALLTYPE QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject);
	virtual ULONG STDMETHODCALLTYPE AddRef( void);
	virtual ULONG STDMETHODCALLTYPE Release( void);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfoCount( UINT __RPC_FAR *pctinfo);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo);
	virtual HRESULT STDMETHODCALLTYPE GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId);
	virtual HRESULT STDMETHODCALLTYPE Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS __RPC_FAR *pDispParams, VARIANT __RPC_FAR *pVarResult, EXCEPINFO __RPC_FAR *pExcepInfo, UINT __RPC_FAR *puArgErr);
};


HRESULT STDMETHODCALLTYPE DShellWindowsEventsHandlerImpl::QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject)
{
	if ( riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_ITavoDShellWindowsEvents ) {
		*ppvObject = this;
		AddRef();
		return S_OK;
	}
	if ( riid == IID_BrivelQueryIID ) {
		*ppvObject = (void *) &IID_ITavoDShellWindowsEvents;
		return S_OK;
	}
	*ppvObject = NULL;
	return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE DShellWindowsEventsHandlerImpl::AddRef( void )
{
	return InterlockedIncrement( &brvRef );
}

ULONG STDMETHODCALLTYPE DShellWindowsEventsHandlerImpl::Release( void )
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

HRESULT STDMETHODCALLTYPE DShellWindowsEventsHandlerImpl::GetTypeInfoCount( UINT __RPC_FAR *pctinfo)
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE DShellWindowsEventsHandlerImpl::GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo )
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE DShellWindowsEventsHandlerImpl::GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId)
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

HRESULT STDMETHODCALLTYPE DShellWindowsEventsHandlerImpl::Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
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
	if ( dispIdMember == 200 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "WindowRegistered", "(I)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "WindowRegistered";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "WindowRegistered", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_I4, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "WindowRegistered", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "WindowRegistered"
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
		);
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 201 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "WindowRevoked", "(I)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "WindowRevoked";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "WindowRevoked", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_I4, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "WindowRevoked", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "WindowRevoked"
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
		);
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
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

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_DShellWindowsEvents__1_1TavoLoad
	(JNIEnv * env, jobject thisObj, jobject obj, jboolean initial )
{
	HRESULT ret;
	IUnknown * pUnk;
	IDispatch * pDisp;
	brivelInitThread( env );
	if ( obj == 0 ) return 0;
	pUnk = (IUnknown *) env->GetIntField( obj, brivelGetComId());
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoDShellWindowsEvents, (void **) &pDisp );
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

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_DShellWindowsEvents__1_1TavoEventListenerInit
	(JNIEnv * env, jobject thisObj )
{
	brivelInitThread( env );
	DShellWindowsEventsHandlerImpl * sink = 0;
	try {
		sink = new DShellWindowsEventsHandlerImpl( thisObj );
	} catch ( ... ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/OutOfMemoryError" ), "event sink" );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetEventId(), (jint) sink );
	return 1;
}

class DWebBrowserEvents2HandlerImpl : public IDispatch {
	jobject brvJavaObject;
	bool serverSide;
	jstring interfaceName;
	long brvRef;
public:
	DWebBrowserEvents2HandlerImpl( jobject obj ) : interfaceName(NULL), serverSide(false), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) {}

	DWebBrowserEvents2HandlerImpl( jstring intf, jobject obj ) : interfaceName(intf), serverSide(true), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) {}

	virtual HRESULT STDMETHODCALLTYPE QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject);
	virtual ULONG STDMETHODCALLTYPE AddRef( void);
	virtual ULONG STDMETHODCALLTYPE Release( void);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfoCount( UINT __RPC_FAR *pctinfo);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo);
	virtual HRESULT STDMETHODCALLTYPE GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId);
	virtual HRESULT STDMETHODCALLTYPE Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS __RPC_FAR *pDispParams, VARIANT __RPC_FAR *pVarResult, EXCEPINFO __RPC_FAR *pExcepInfo, UINT __RPC_FAR *puArgErr);
};


HRESULT STDMETHODCALLTYPE DWebBrowserEvents2HandlerImpl::QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject)
{
	if ( riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_ITavoDWebBrowserEvents2 ) {
		*ppvObject = this;
		AddRef();
		return S_OK;
	}
	if ( riid == IID_BrivelQueryIID ) {
		*ppvObject = (void *) &IID_ITavoDWebBrowserEvents2;
		return S_OK;
	}
	*ppvObject = NULL;
	return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE DWebBrowserEvents2HandlerImpl::AddRef( void )
{
	return InterlockedIncrement( &brvRef );
}

ULONG STDMETHODCALLTYPE DWebBrowserEvents2HandlerImpl::Release( void )
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

HRESULT STDMETHODCALLTYPE DWebBrowserEvents2HandlerImpl::GetTypeInfoCount( UINT __RPC_FAR *pctinfo)
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE DWebBrowserEvents2HandlerImpl::GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo )
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE DWebBrowserEvents2HandlerImpl::GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId)
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE DWebBrowserEvents2HandlerImpl::Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
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
	if ( dispIdMember == 102 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "StatusTextChange", "(Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "StatusTextChange";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "StatusTextChange", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BSTR, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "StatusTextChange", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 1, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		jthrowable brivelUnmade = NULL;
		jstring jstrEventArg_0 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex0] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, jstrEventArg_0
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "StatusTextChange"
			, false, "java.lang.String", jstrEventArg_0
		);
		if ( jstrEventArg_0 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_0 );
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 108 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "ProgressChange", "(II)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "ProgressChange";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,2);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "ProgressChange", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,2);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "ProgressChange", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[2];
		VARIANTARG brivelOwnArgs[2];
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_I4, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_I4, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "ProgressChange", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 2, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		eventParamIndex1 = 1;
		jthrowable brivelUnmade = NULL;
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex1] )
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "ProgressChange"
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex1] )
		);
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 105 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "CommandStateChange", "(IZ)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "CommandStateChange";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,2);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "CommandStateChange", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,2);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "CommandStateChange", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[2];
		VARIANTARG brivelOwnArgs[2];
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_I4, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_BOOL, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "CommandStateChange", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 2, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		eventParamIndex1 = 1;
		jthrowable brivelUnmade = NULL;
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
			, V_BOOL( &pDispParams->rgvarg[eventParamIndex1] ) ? JNI_TRUE : JNI_FALSE
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "CommandStateChange"
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
			, false, "boolean", V_BOOL( &pDispParams->rgvarg[eventParamIndex1] ) ? JNI_TRUE : JNI_FALSE
		);
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 106 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "DownloadBegin", "()V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "DownloadBegin";
		if ( brivelMethod != NULL && brivelError == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod );
		if ( serverSide && brivelError == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 0, 0, "void", "DownloadBegin" );
	}
	if ( dispIdMember == 104 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "DownloadComplete", "()V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "DownloadComplete";
		if ( brivelMethod != NULL && brivelError == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod );
		if ( serverSide && brivelError == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 0, 0, "void", "DownloadComplete" );
	}
	if ( dispIdMember == 113 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TitleChange", "(Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "TitleChange";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "TitleChange", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BSTR, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "TitleChange", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 1, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		jthrowable brivelUnmade = NULL;
		jstring jstrEventArg_0 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex0] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, jstrEventArg_0
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "TitleChange"
			, false, "java.lang.String", jstrEventArg_0
		);
		if ( jstrEventArg_0 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_0 );
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 112 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "PropertyChange", "(Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "PropertyChange";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "PropertyChange", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BSTR, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "PropertyChange", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 1, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		jthrowable brivelUnmade = NULL;
		jstring jstrEventArg_0 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex0] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, jstrEventArg_0
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "PropertyChange"
			, false, "java.lang.String", jstrEventArg_0
		);
		if ( jstrEventArg_0 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_0 );
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 250 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "BeforeNavigate2", "(Lbrivel/TavoObject;Lbrivel/TavoVariant;Lbrivel/TavoVariant;Lbrivel/TavoVariant;Lbrivel/TavoVariant;Lbrivel/TavoVariant;[Z)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "BeforeNavigate2";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,7);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "BeforeNavigate2", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,7);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "BeforeNavigate2", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex2 = brivelGetParamIndex(2,pDispParams,7);
		if ( eventParamIndex2 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "BeforeNavigate2", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex3 = brivelGetParamIndex(3,pDispParams,7);
		if ( eventParamIndex3 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "BeforeNavigate2", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex4 = brivelGetParamIndex(4,pDispParams,7);
		if ( eventParamIndex4 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "BeforeNavigate2", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex5 = brivelGetParamIndex(5,pDispParams,7);
		if ( eventParamIndex5 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "BeforeNavigate2", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex6 = brivelGetParamIndex(6,pDispParams,7);
		if ( eventParamIndex6 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "BeforeNavigate2", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[7];
		VARIANTARG brivelOwnArgs[7];
		for ( int brivelArg = 0; brivelArg < 7; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_UNKNOWN, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_EMPTY, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex2], VT_EMPTY, &brivelOwnArgs[2], &brivelArgs[2] ))) brivelBadArg = eventParamIndex2;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex3], VT_EMPTY, &brivelOwnArgs[3], &brivelArgs[3] ))) brivelBadArg = eventParamIndex3;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex4], VT_EMPTY, &brivelOwnArgs[4], &brivelArgs[4] ))) brivelBadArg = eventParamIndex4;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex5], VT_EMPTY, &brivelOwnArgs[5], &brivelArgs[5] ))) brivelBadArg = eventParamIndex5;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex6], VT_BOOL | VT_BYREF, &brivelOwnArgs[6], &brivelArgs[6] ))) brivelBadArg = eventParamIndex6;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 7; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "BeforeNavigate2", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
		jobject jobjEventArg_0 = brivelBestUnknownToJobject( brivelJniEnv, (IUnknown *) V_DISPATCH( &pDispParams->rgvarg[eventParamIndex0] ), brivelIIDMap, 13);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArgValue_1 = brivelVariantObject( brivelJniEnv, &pDispParams->rgvarg[eventParamIndex1] );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArgValue_2 = brivelVariantObject( brivelJniEnv, &pDispParams->rgvarg[eventParamIndex2] );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArgValue_3 = brivelVariantObject( brivelJniEnv, &pDispParams->rgvarg[eventParamIndex3] );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArgValue_4 = brivelVariantObject( brivelJniEnv, &pDispParams->rgvarg[eventParamIndex4] );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArgValue_5 = brivelVariantObject( brivelJniEnv, &pDispParams->rgvarg[eventParamIndex5] );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jbooleanArray eventArrayArg_6 = brivelJniEnv->NewBooleanArray(1);
		jboolean * eventArrayPtr_6 = eventArrayArg_6 == 0 ? 0 : brivelJniEnv->GetBooleanArrayElements( eventArrayArg_6, 0 );
		if ( eventArrayPtr_6 != 0 ) *eventArrayPtr_6 = *V_BOOLREF( &pDispParams->rgvarg[eventParamIndex6] ) ? JNI_TRUE : JNI_FALSE;
		if ( eventArrayPtr_6 != 0 ) brivelJniEnv->ReleaseBooleanArrayElements( eventArrayArg_6, eventArrayPtr_6, 0 );
		jobject eventArrayRef_6 = brivelJniEnv->NewGlobalRef(eventArrayArg_6);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, jobjEventArg_0
			, eventArgValue_1
			, eventArgValue_2
			, eventArgValue_3
			, eventArgValue_4
			, eventArgValue_5
			, eventArrayArg_6
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 7, 0, "void", "BeforeNavigate2"
			, false, "brivel.TavoObject", jobjEventArg_0
			, false, "brivel.TavoVariant", eventArgValue_1
			, false, "brivel.TavoVariant", eventArgValue_2
			, false, "brivel.TavoVariant", eventArgValue_3
			, false, "brivel.TavoVariant", eventArgValue_4
			, false, "brivel.TavoVariant", eventArgValue_5
			, true, "boolean", eventArrayArg_6
		);
		if ( ! brivelJniEnv->ExceptionCheck()) {
			eventArrayPtr_6 = brivelJniEnv->GetBooleanArrayElements( eventArrayArg_6, 0 );
			*V_BOOLREF( &pDispParams->rgvarg[eventParamIndex6] ) = *eventArrayPtr_6 ? VARIANT_TRUE : VARIANT_FALSE;
			brivelJniEnv->ReleaseBooleanArrayElements( eventArrayArg_6, eventArrayPtr_6, 0 );
		}
		if ( jobjEventArg_0 != 0 ) brivelJniEnv->DeleteLocalRef( jobjEventArg_0 );
		if ( eventArgValue_1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_1 );
		if ( eventArgValue_2 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_2 );
		if ( eventArgValue_3 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_3 );
		if ( eventArgValue_4 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_4 );
		if ( eventArgValue_5 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_5 );
		if ( eventArrayRef_6 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_6 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_6 );
		for ( int brivelArg = 0; brivelArg < 7; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 251 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "NewWindow2", "([Lbrivel/TavoObject;[Z)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "NewWindow2";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,2);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NewWindow2", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,2);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NewWindow2", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[2];
		VARIANTARG brivelOwnArgs[2];
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BYREF | VT_UNKNOWN, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_BOOL | VT_BYREF, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NewWindow2", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 2, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		eventParamIndex1 = 1;
		jthrowable brivelUnmade = NULL;
		jobjectArray eventArrayArg_0 = brivelJniEnv->NewObjectArray(1, brivelGetComBaseClass(), 0 );
		jobject eventArrayElem_0 = eventArrayArg_0 == 0 ? 0 : brivelUnknownToJobject( brivelJniEnv, *V_UNKNOWNREF(&pDispParams->rgvarg[eventParamIndex0] ));
		if ( eventArrayArg_0 != 0 ) brivelJniEnv->SetObjectArrayElement( eventArrayArg_0, 0, eventArrayElem_0 );
		jobject eventArrayRef_0 = brivelJniEnv->NewGlobalRef(eventArrayArg_0);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jbooleanArray eventArrayArg_1 = brivelJniEnv->NewBooleanArray(1);
		jboolean * eventArrayPtr_1 = eventArrayArg_1 == 0 ? 0 : brivelJniEnv->GetBooleanArrayElements( eventArrayArg_1, 0 );
		if ( eventArrayPtr_1 != 0 ) *eventArrayPtr_1 = *V_BOOLREF( &pDispParams->rgvarg[eventParamIndex1] ) ? JNI_TRUE : JNI_FALSE;
		if ( eventArrayPtr_1 != 0 ) brivelJniEnv->ReleaseBooleanArrayElements( eventArrayArg_1, eventArrayPtr_1, 0 );
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
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "NewWindow2"
			, true, "brivel.TavoObject", eventArrayArg_0
			, true, "boolean", eventArrayArg_1
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
			if ( (*V_UNKNOWNREF(&pDispParams->rgvarg[eventParamIndex0] )) != 0 ) (*V_UNKNOWNREF(&pDispParams->rgvarg[eventParamIndex0] ))->Release();
			(*V_UNKNOWNREF(&pDispParams->rgvarg[eventParamIndex0] )) = eventNewUnk_0;
			eventArrayPtr_1 = brivelJniEnv->GetBooleanArrayElements( eventArrayArg_1, 0 );
			*V_BOOLREF( &pDispParams->rgvarg[eventParamIndex1] ) = *eventArrayPtr_1 ? VARIANT_TRUE : VARIANT_FALSE;
			brivelJniEnv->ReleaseBooleanArrayElements( eventArrayArg_1, eventArrayPtr_1, 0 );
		}
		if ( eventArrayRef_0 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_0 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_0 );
		if ( eventArrayElem_0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArrayElem_0 );
		if ( eventArrayRef_1 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_1 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_1 );
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 252 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "NavigateComplete2", "(Lbrivel/TavoObject;Lbrivel/TavoVariant;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "NavigateComplete2";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,2);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NavigateComplete2", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,2);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NavigateComplete2", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[2];
		VARIANTARG brivelOwnArgs[2];
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_UNKNOWN, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_EMPTY, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NavigateComplete2", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 2, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		eventParamIndex1 = 1;
		jthrowable brivelUnmade = NULL;
		jobject jobjEventArg_0 = brivelBestUnknownToJobject( brivelJniEnv, (IUnknown *) V_DISPATCH( &pDispParams->rgvarg[eventParamIndex0] ), brivelIIDMap, 13);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArgValue_1 = brivelVariantObject( brivelJniEnv, &pDispParams->rgvarg[eventParamIndex1] );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, jobjEventArg_0
			, eventArgValue_1
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "NavigateComplete2"
			, false, "brivel.TavoObject", jobjEventArg_0
			, false, "brivel.TavoVariant", eventArgValue_1
		);
		if ( jobjEventArg_0 != 0 ) brivelJniEnv->DeleteLocalRef( jobjEventArg_0 );
		if ( eventArgValue_1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_1 );
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 259 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "DocumentComplete", "(Lbrivel/TavoObject;Lbrivel/TavoVariant;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "DocumentComplete";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,2);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "DocumentComplete", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,2);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "DocumentComplete", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[2];
		VARIANTARG brivelOwnArgs[2];
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_UNKNOWN, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_EMPTY, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "DocumentComplete", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 2, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		eventParamIndex1 = 1;
		jthrowable brivelUnmade = NULL;
		jobject jobjEventArg_0 = brivelBestUnknownToJobject( brivelJniEnv, (IUnknown *) V_DISPATCH( &pDispParams->rgvarg[eventParamIndex0] ), brivelIIDMap, 13);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArgValue_1 = brivelVariantObject( brivelJniEnv, &pDispParams->rgvarg[eventParamIndex1] );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, jobjEventArg_0
			, eventArgValue_1
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "DocumentComplete"
			, false, "brivel.TavoObject", jobjEventArg_0
			, false, "brivel.TavoVariant", eventArgValue_1
		);
		if ( jobjEventArg_0 != 0 ) brivelJniEnv->DeleteLocalRef( jobjEventArg_0 );
		if ( eventArgValue_1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_1 );
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 253 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "OnQuit", "()V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "OnQuit";
		if ( brivelMethod != NULL && brivelError == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod );
		if ( serverSide && brivelError == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 0, 0, "void", "OnQuit" );
	}
	if ( dispIdMember == 254 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "OnVisible", "(Z)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "OnVisible";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "OnVisible", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BOOL, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "OnVisible", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
			, V_BOOL( &pDispParams->rgvarg[eventParamIndex0] ) ? JNI_TRUE : JNI_FALSE
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "OnVisible"
			, false, "boolean", V_BOOL( &pDispParams->rgvarg[eventParamIndex0] ) ? JNI_TRUE : JNI_FALSE
		);
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 255 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "OnToolBar", "(Z)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "OnToolBar";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "OnToolBar", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BOOL, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "OnToolBar", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
			, V_BOOL( &pDispParams->rgvarg[eventParamIndex0] ) ? JNI_TRUE : JNI_FALSE
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "OnToolBar"
			, false, "boolean", V_BOOL( &pDispParams->rgvarg[eventParamIndex0] ) ? JNI_TRUE : JNI_FALSE
		);
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 256 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "OnMenuBar", "(Z)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "OnMenuBar";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "OnMenuBar", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BOOL, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "OnMenuBar", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
			, V_BOOL( &pDispParams->rgvarg[eventParamIndex0] ) ? JNI_TRUE : JNI_FALSE
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "OnMenuBar"
			, false, "boolean", V_BOOL( &pDispParams->rgvarg[eventParamIndex0] ) ? JNI_TRUE : JNI_FALSE
		);
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 257 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "OnStatusBar", "(Z)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "OnStatusBar";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "OnStatusBar", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BOOL, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "OnStatusBar", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
			, V_BOOL( &pDispParams->rgvarg[eventParamIndex0] ) ? JNI_TRUE : JNI_FALSE
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "OnStatusBar"
			, false, "boolean", V_BOOL( &pDispParams->rgvarg[eventParamIndex0] ) ? JNI_TRUE : JNI_FALSE
		);
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 258 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "OnFullScreen", "(Z)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "OnFullScreen";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "OnFullScreen", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BOOL, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "OnFullScreen", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
			, V_BOOL( &pDispParams->rgvarg[eventParamIndex0] ) ? JNI_TRUE : JNI_FALSE
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "OnFullScreen"
			, false, "boolean", V_BOOL( &pDispParams->rgvarg[eventParamIndex0] ) ? JNI_TRUE : JNI_FALSE
		);
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 260 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "OnTheaterMode", "(Z)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "OnTheaterMode";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "OnTheaterMode", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BOOL, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "OnTheaterMode", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
			, V_BOOL( &pDispParams->rgvarg[eventParamIndex0] ) ? JNI_TRUE : JNI_FALSE
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "OnTheaterMode"
			, false, "boolean", V_BOOL( &pDispParams->rgvarg[eventParamIndex0] ) ? JNI_TRUE : JNI_FALSE
		);
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 262 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "WindowSetResizable", "(Z)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "WindowSetResizable";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "WindowSetResizable", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BOOL, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "WindowSetResizable", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
			, V_BOOL( &pDispParams->rgvarg[eventParamIndex0] ) ? JNI_TRUE : JNI_FALSE
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "WindowSetResizable"
			, false, "boolean", V_BOOL( &pDispParams->rgvarg[eventParamIndex0] ) ? JNI_TRUE : JNI_FALSE
		);
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 264 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "WindowSetLeft", "(I)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "WindowSetLeft";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "WindowSetLeft", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_I4, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "WindowSetLeft", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "WindowSetLeft"
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
		);
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 265 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "WindowSetTop", "(I)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "WindowSetTop";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "WindowSetTop", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_I4, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "WindowSetTop", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "WindowSetTop"
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
		);
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 266 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "WindowSetWidth", "(I)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "WindowSetWidth";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "WindowSetWidth", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_I4, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "WindowSetWidth", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "WindowSetWidth"
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
		);
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 267 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "WindowSetHeight", "(I)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "WindowSetHeight";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "WindowSetHeight", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_I4, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "WindowSetHeight", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "WindowSetHeight"
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
		);
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 263 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "WindowClosing", "(Z[Z)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "WindowClosing";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,2);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "WindowClosing", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,2);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "WindowClosing", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[2];
		VARIANTARG brivelOwnArgs[2];
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BOOL, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_BOOL | VT_BYREF, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "WindowClosing", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 2, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		eventParamIndex1 = 1;
		jthrowable brivelUnmade = NULL;
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jbooleanArray eventArrayArg_1 = brivelJniEnv->NewBooleanArray(1);
		jboolean * eventArrayPtr_1 = eventArrayArg_1 == 0 ? 0 : brivelJniEnv->GetBooleanArrayElements( eventArrayArg_1, 0 );
		if ( eventArrayPtr_1 != 0 ) *eventArrayPtr_1 = *V_BOOLREF( &pDispParams->rgvarg[eventParamIndex1] ) ? JNI_TRUE : JNI_FALSE;
		if ( eventArrayPtr_1 != 0 ) brivelJniEnv->ReleaseBooleanArrayElements( eventArrayArg_1, eventArrayPtr_1, 0 );
		jobject eventArrayRef_1 = brivelJniEnv->NewGlobalRef(eventArrayArg_1);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, V_BOOL( &pDispParams->rgvarg[eventParamIndex0] ) ? JNI_TRUE : JNI_FALSE
			, eventArrayArg_1
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "WindowClosing"
			, false, "boolean", V_BOOL( &pDispParams->rgvarg[eventParamIndex0] ) ? JNI_TRUE : JNI_FALSE
			, true, "boolean", eventArrayArg_1
		);
		if ( ! brivelJniEnv->ExceptionCheck()) {
			eventArrayPtr_1 = brivelJniEnv->GetBooleanArrayElements( eventArrayArg_1, 0 );
			*V_BOOLREF( &pDispParams->rgvarg[eventParamIndex1] ) = *eventArrayPtr_1 ? VARIANT_TRUE : VARIANT_FALSE;
			brivelJniEnv->ReleaseBooleanArrayElements( eventArrayArg_1, eventArrayPtr_1, 0 );
		}
		if ( eventArrayRef_1 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_1 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_1 );
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 268 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "ClientToHostWindow", "([I[I)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "ClientToHostWindow";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,2);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "ClientToHostWindow", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,2);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "ClientToHostWindow", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[2];
		VARIANTARG brivelOwnArgs[2];
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BYREF | VT_I4, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_BYREF | VT_I4, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "ClientToHostWindow", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 2, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		eventParamIndex1 = 1;
		jthrowable brivelUnmade = NULL;
		jintArray eventArrayArg_0 = brivelJniEnv->NewIntArray(1);
		jint * eventArrayPtr_0 = eventArrayArg_0 == 0 ? 0 : brivelJniEnv->GetIntArrayElements( eventArrayArg_0, 0 );
		if ( eventArrayPtr_0 != 0 ) *eventArrayPtr_0 = (jint) *V_I4REF( &pDispParams->rgvarg[eventParamIndex0] );
		if ( eventArrayPtr_0 != 0 ) brivelJniEnv->ReleaseIntArrayElements( eventArrayArg_0, eventArrayPtr_0, 0 );
		jobject eventArrayRef_0 = brivelJniEnv->NewGlobalRef(eventArrayArg_0);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jintArray eventArrayArg_1 = brivelJniEnv->NewIntArray(1);
		jint * eventArrayPtr_1 = eventArrayArg_1 == 0 ? 0 : brivelJniEnv->GetIntArrayElements( eventArrayArg_1, 0 );
		if ( eventArrayPtr_1 != 0 ) *eventArrayPtr_1 = (jint) *V_I4REF( &pDispParams->rgvarg[eventParamIndex1] );
		if ( eventArrayPtr_1 != 0 ) brivelJniEnv->ReleaseIntArrayElements( eventArrayArg_1, eventArrayPtr_1, 0 );
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
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "ClientToHostWindow"
			, true, "int", eventArrayArg_0
			, true, "int", eventArrayArg_1
		);
		if ( ! brivelJniEnv->ExceptionCheck()) {
			eventArrayPtr_0 = brivelJniEnv->GetIntArrayElements( eventArrayArg_0, 0 );
			*V_I4REF( &pDispParams->rgvarg[eventParamIndex0] ) = *eventArrayPtr_0;
			brivelJniEnv->ReleaseIntArrayElements( eventArrayArg_0, eventArrayPtr_0, 0 );
			eventArrayPtr_1 = brivelJniEnv->GetIntArrayElements( eventArrayArg_1, 0 );
			*V_I4REF( &pDispParams->rgvarg[eventParamIndex1] ) = *eventArrayPtr_1;
			brivelJniEnv->ReleaseIntArrayElements( eventArrayArg_1, eventArrayPtr_1, 0 );
		}
		if ( eventArrayRef_0 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_0 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_0 );
		if ( eventArrayRef_1 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_1 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_1 );
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 269 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "SetSecureLockIcon", "(I)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "SetSecureLockIcon";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "SetSecureLockIcon", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_I4, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "SetSecureLockIcon", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "SetSecureLockIcon"
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
		);
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 270 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "FileDownload", "([Z)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "FileDownload";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "FileDownload", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BOOL | VT_BYREF, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "FileDownload", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "FileDownload"
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
	if ( dispIdMember == 271 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "NavigateError", "(Lbrivel/TavoObject;Lbrivel/TavoVariant;Lbrivel/TavoVariant;Lbrivel/TavoVariant;[Z)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "NavigateError";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,5);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NavigateError", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,5);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NavigateError", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex2 = brivelGetParamIndex(2,pDispParams,5);
		if ( eventParamIndex2 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NavigateError", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex3 = brivelGetParamIndex(3,pDispParams,5);
		if ( eventParamIndex3 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NavigateError", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex4 = brivelGetParamIndex(4,pDispParams,5);
		if ( eventParamIndex4 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NavigateError", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[5];
		VARIANTARG brivelOwnArgs[5];
		for ( int brivelArg = 0; brivelArg < 5; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_UNKNOWN, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_EMPTY, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex2], VT_EMPTY, &brivelOwnArgs[2], &brivelArgs[2] ))) brivelBadArg = eventParamIndex2;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex3], VT_EMPTY, &brivelOwnArgs[3], &brivelArgs[3] ))) brivelBadArg = eventParamIndex3;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex4], VT_BOOL | VT_BYREF, &brivelOwnArgs[4], &brivelArgs[4] ))) brivelBadArg = eventParamIndex4;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 5; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NavigateError", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
		jobject jobjEventArg_0 = brivelBestUnknownToJobject( brivelJniEnv, (IUnknown *) V_DISPATCH( &pDispParams->rgvarg[eventParamIndex0] ), brivelIIDMap, 13);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArgValue_1 = brivelVariantObject( brivelJniEnv, &pDispParams->rgvarg[eventParamIndex1] );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArgValue_2 = brivelVariantObject( brivelJniEnv, &pDispParams->rgvarg[eventParamIndex2] );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArgValue_3 = brivelVariantObject( brivelJniEnv, &pDispParams->rgvarg[eventParamIndex3] );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jbooleanArray eventArrayArg_4 = brivelJniEnv->NewBooleanArray(1);
		jboolean * eventArrayPtr_4 = eventArrayArg_4 == 0 ? 0 : brivelJniEnv->GetBooleanArrayElements( eventArrayArg_4, 0 );
		if ( eventArrayPtr_4 != 0 ) *eventArrayPtr_4 = *V_BOOLREF( &pDispParams->rgvarg[eventParamIndex4] ) ? JNI_TRUE : JNI_FALSE;
		if ( eventArrayPtr_4 != 0 ) brivelJniEnv->ReleaseBooleanArrayElements( eventArrayArg_4, eventArrayPtr_4, 0 );
		jobject eventArrayRef_4 = brivelJniEnv->NewGlobalRef(eventArrayArg_4);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, jobjEventArg_0
			, eventArgValue_1
			, eventArgValue_2
			, eventArgValue_3
			, eventArrayArg_4
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 5, 0, "void", "NavigateError"
			, false, "brivel.TavoObject", jobjEventArg_0
			, false, "brivel.TavoVariant", eventArgValue_1
			, false, "brivel.TavoVariant", eventArgValue_2
			, false, "brivel.TavoVariant", eventArgValue_3
			, true, "boolean", eventArrayArg_4
		);
		if ( ! brivelJniEnv->ExceptionCheck()) {
			eventArrayPtr_4 = brivelJniEnv->GetBooleanArrayElements( eventArrayArg_4, 0 );
			*V_BOOLREF( &pDispParams->rgvarg[eventParamIndex4] ) = *eventArrayPtr_4 ? VARIANT_TRUE : VARIANT_FALSE;
			brivelJniEnv->ReleaseBooleanArrayElements( eventArrayArg_4, eventArrayPtr_4, 0 );
		}
		if ( jobjEventArg_0 != 0 ) brivelJniEnv->DeleteLocalRef( jobjEventArg_0 );
		if ( eventArgValue_1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_1 );
		if ( eventArgValue_2 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_2 );
		if ( eventArgValue_3 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_3 );
		if ( eventArrayRef_4 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_4 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_4 );
		for ( int brivelArg = 0; brivelArg < 5; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 225 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "PrintTemplateInstantiation", "(Lbrivel/TavoObject;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "PrintTemplateInstantiation";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "PrintTemplateInstantiation", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_UNKNOWN, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "PrintTemplateInstantiation", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 1, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		jthrowable brivelUnmade = NULL;
		jobject jobjEventArg_0 = brivelBestUnknownToJobject( brivelJniEnv, (IUnknown *) V_DISPATCH( &pDispParams->rgvarg[eventParamIndex0] ), brivelIIDMap, 13);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, jobjEventArg_0
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "PrintTemplateInstantiation"
			, false, "brivel.TavoObject", jobjEventArg_0
		);
		if ( jobjEventArg_0 != 0 ) brivelJniEnv->DeleteLocalRef( jobjEventArg_0 );
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 226 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "PrintTemplateTeardown", "(Lbrivel/TavoObject;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "PrintTemplateTeardown";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "PrintTemplateTeardown", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_UNKNOWN, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "PrintTemplateTeardown", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 1, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		jthrowable brivelUnmade = NULL;
		jobject jobjEventArg_0 = brivelBestUnknownToJobject( brivelJniEnv, (IUnknown *) V_DISPATCH( &pDispParams->rgvarg[eventParamIndex0] ), brivelIIDMap, 13);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, jobjEventArg_0
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "PrintTemplateTeardown"
			, false, "brivel.TavoObject", jobjEventArg_0
		);
		if ( jobjEventArg_0 != 0 ) brivelJniEnv->DeleteLocalRef( jobjEventArg_0 );
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 227 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "UpdatePageStatus", "(Lbrivel/TavoObject;Lbrivel/TavoVariant;Lbrivel/TavoVariant;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "UpdatePageStatus";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,3);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "UpdatePageStatus", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,3);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "UpdatePageStatus", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex2 = brivelGetParamIndex(2,pDispParams,3);
		if ( eventParamIndex2 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "UpdatePageStatus", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[3];
		VARIANTARG brivelOwnArgs[3];
		for ( int brivelArg = 0; brivelArg < 3; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_UNKNOWN, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_EMPTY, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex2], VT_EMPTY, &brivelOwnArgs[2], &brivelArgs[2] ))) brivelBadArg = eventParamIndex2;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 3; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "UpdatePageStatus", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 3, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		eventParamIndex1 = 1;
		eventParamIndex2 = 2;
		jthrowable brivelUnmade = NULL;
		jobject jobjEventArg_0 = brivelBestUnknownToJobject( brivelJniEnv, (IUnknown *) V_DISPATCH( &pDispParams->rgvarg[eventParamIndex0] ), brivelIIDMap, 13);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArgValue_1 = brivelVariantObject( brivelJniEnv, &pDispParams->rgvarg[eventParamIndex1] );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArgValue_2 = brivelVariantObject( brivelJniEnv, &pDispParams->rgvarg[eventParamIndex2] );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, jobjEventArg_0
			, eventArgValue_1
			, eventArgValue_2
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 3, 0, "void", "UpdatePageStatus"
			, false, "brivel.TavoObject", jobjEventArg_0
			, false, "brivel.TavoVariant", eventArgValue_1
			, false, "brivel.TavoVariant", eventArgValue_2
		);
		if ( jobjEventArg_0 != 0 ) brivelJniEnv->DeleteLocalRef( jobjEventArg_0 );
		if ( eventArgValue_1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_1 );
		if ( eventArgValue_2 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_2 );
		for ( int brivelArg = 0; brivelArg < 3; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 272 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "PrivacyImpactedStateChange", "(Z)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "PrivacyImpactedStateChange";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "PrivacyImpactedStateChange", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BOOL, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "PrivacyImpactedStateChange", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
			, V_BOOL( &pDispParams->rgvarg[eventParamIndex0] ) ? JNI_TRUE : JNI_FALSE
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "PrivacyImpactedStateChange"
			, false, "boolean", V_BOOL( &pDispParams->rgvarg[eventParamIndex0] ) ? JNI_TRUE : JNI_FALSE
		);
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 273 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "NewWindow3", "([Lbrivel/TavoObject;[ZILjava/lang/String;Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "NewWindow3";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,5);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NewWindow3", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,5);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NewWindow3", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex2 = brivelGetParamIndex(2,pDispParams,5);
		if ( eventParamIndex2 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NewWindow3", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex3 = brivelGetParamIndex(3,pDispParams,5);
		if ( eventParamIndex3 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NewWindow3", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex4 = brivelGetParamIndex(4,pDispParams,5);
		if ( eventParamIndex4 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NewWindow3", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[5];
		VARIANTARG brivelOwnArgs[5];
		for ( int brivelArg = 0; brivelArg < 5; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BYREF | VT_UNKNOWN, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_BOOL | VT_BYREF, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex2], VT_I4, &brivelOwnArgs[2], &brivelArgs[2] ))) brivelBadArg = eventParamIndex2;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex3], VT_BSTR, &brivelOwnArgs[3], &brivelArgs[3] ))) brivelBadArg = eventParamIndex3;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex4], VT_BSTR, &brivelOwnArgs[4], &brivelArgs[4] ))) brivelBadArg = eventParamIndex4;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 5; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NewWindow3", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
		jobjectArray eventArrayArg_0 = brivelJniEnv->NewObjectArray(1, brivelGetComBaseClass(), 0 );
		jobject eventArrayElem_0 = eventArrayArg_0 == 0 ? 0 : brivelUnknownToJobject( brivelJniEnv, *V_UNKNOWNREF(&pDispParams->rgvarg[eventParamIndex0] ));
		if ( eventArrayArg_0 != 0 ) brivelJniEnv->SetObjectArrayElement( eventArrayArg_0, 0, eventArrayElem_0 );
		jobject eventArrayRef_0 = brivelJniEnv->NewGlobalRef(eventArrayArg_0);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jbooleanArray eventArrayArg_1 = brivelJniEnv->NewBooleanArray(1);
		jboolean * eventArrayPtr_1 = eventArrayArg_1 == 0 ? 0 : brivelJniEnv->GetBooleanArrayElements( eventArrayArg_1, 0 );
		if ( eventArrayPtr_1 != 0 ) *eventArrayPtr_1 = *V_BOOLREF( &pDispParams->rgvarg[eventParamIndex1] ) ? JNI_TRUE : JNI_FALSE;
		if ( eventArrayPtr_1 != 0 ) brivelJniEnv->ReleaseBooleanArrayElements( eventArrayArg_1, eventArrayPtr_1, 0 );
		jobject eventArrayRef_1 = brivelJniEnv->NewGlobalRef(eventArrayArg_1);
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jstring jstrEventArg_3 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex3] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jstring jstrEventArg_4 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex4] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, eventArrayArg_0
			, eventArrayArg_1
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex2] )
			, jstrEventArg_3
			, jstrEventArg_4
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 5, 0, "void", "NewWindow3"
			, true, "brivel.TavoObject", eventArrayArg_0
			, true, "boolean", eventArrayArg_1
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex2] )
			, false, "java.lang.String", jstrEventArg_3
			, false, "java.lang.String", jstrEventArg_4
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
			if ( (*V_UNKNOWNREF(&pDispParams->rgvarg[eventParamIndex0] )) != 0 ) (*V_UNKNOWNREF(&pDispParams->rgvarg[eventParamIndex0] ))->Release();
			(*V_UNKNOWNREF(&pDispParams->rgvarg[eventParamIndex0] )) = eventNewUnk_0;
			eventArrayPtr_1 = brivelJniEnv->GetBooleanArrayElements( eventArrayArg_1, 0 );
			*V_BOOLREF( &pDispParams->rgvarg[eventParamIndex1] ) = *eventArrayPtr_1 ? VARIANT_TRUE : VARIANT_FALSE;
			brivelJniEnv->ReleaseBooleanArrayElements( eventArrayArg_1, eventArrayPtr_1, 0 );
		}
		if ( eventArrayRef_0 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_0 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_0 );
		if ( eventArrayElem_0 != 0 ) brivelJniEnv->DeleteLocalRef( eventArrayElem_0 );
		if ( eventArrayRef_1 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_1 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_1 );
		if ( jstrEventArg_3 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_3 );
		if ( jstrEventArg_4 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_4 );
		for ( int brivelArg = 0; brivelArg < 5; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
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

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_DWebBrowserEvents2__1_1TavoLoad
	(JNIEnv * env, jobject thisObj, jobject obj, jboolean initial )
{
	HRESULT ret;
	IUnknown * pUnk;
	IDispatch * pDisp;
	brivelInitThread( env );
	if ( obj == 0 ) return 0;
	pUnk = (IUnknown *) env->GetIntField( obj, brivelGetComId());
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoDWebBrowserEvents2, (void **) &pDisp );
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

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_DWebBrowserEvents2__1_1TavoEventListenerInit
	(JNIEnv * env, jobject thisObj )
{
	brivelInitThread( env );
	DWebBrowserEvents2HandlerImpl * sink = 0;
	try {
		sink = new DWebBrowserEvents2HandlerImpl( thisObj );
	} catch ( ... ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/OutOfMemoryError" ), "event sink" );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetEventId(), (jint) sink );
	return 1;
}

// JNI Implementation of ISearchAssistantOC2.AddNextMenuItem
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC2_AddNextMenuItem__Ljava_lang_String_2I
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
		return;
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
	hr = brivelInvokeHelper( env, pDisp, 1, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[1] );
		return;
	}
	VariantClear( &vargs[1] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC2.SetDefaultSearchUrl
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC2_SetDefaultSearchUrl__Ljava_lang_String_2
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
	hr = brivelInvokeHelper( env, pDisp, 2, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC2.NavigateToDefaultSearch
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC2_NavigateToDefaultSearch
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
	hr = brivelInvokeHelper( env, pDisp, 3, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC2.IsRestricted
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ISearchAssistantOC2_IsRestricted__Ljava_lang_String_2
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

// JNI Implementation of ISearchAssistantOC2.getShellFeaturesEnabled
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ISearchAssistantOC2_getShellFeaturesEnabled
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

// JNI Implementation of ISearchAssistantOC2.getSearchAssistantDefault
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ISearchAssistantOC2_getSearchAssistantDefault
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
	hr = brivelInvokeHelper( env, pDisp, 6, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearchAssistantOC2.getSearches
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_ISearchAssistantOC2_getSearches
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
	hr = brivelInvokeHelper( env, pDisp, 7, &params, 2, &excepInfo, &argErr, &ret );
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
	jobject retDisp =  brivelUnknownToInterfaceObject( env, V_DISPATCH( &ret ), "iexplorer/ISearches" );
	VariantClear( &ret );
	return retDisp;
}

// JNI Implementation of ISearchAssistantOC2.getInWebFolder
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ISearchAssistantOC2_getInWebFolder
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
	hr = brivelInvokeHelper( env, pDisp, 8, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearchAssistantOC2.PutProperty
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC2_PutProperty__ZLjava_lang_String_2Ljava_lang_String_2
	(JNIEnv * env,
	 jobject thisObj,
	 jboolean arg0,
	 jstring arg1,
	 jstring arg2)
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
	vargs[2].vt = VT_BOOL;
	V_BOOL( &vargs[2] ) = arg0 ? 0xFFFF : 0;
	vargs[1].vt = VT_BSTR;
	V_BSTR( &vargs[1] ) = brivelJstringToBstr( env, (jstring) arg1 );
	vargs[0].vt = VT_BSTR;
	V_BSTR( &vargs[0] ) = brivelJstringToBstr( env, (jstring) arg2 );
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 9, &params, 1, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearchAssistantOC2.GetProperty
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_ISearchAssistantOC2_GetProperty__ZLjava_lang_String_2
	(JNIEnv * env,
	 jobject thisObj,
	 jboolean arg0,
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
		return 0;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[1].vt = VT_BOOL;
	V_BOOL( &vargs[1] ) = arg0 ? 0xFFFF : 0;
	vargs[0].vt = VT_BSTR;
	V_BSTR( &vargs[0] ) = brivelJstringToBstr( env, (jstring) arg1 );
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 10, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return 0;
	}
	VariantClear( &vargs[0] );
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

// JNI Implementation of ISearchAssistantOC2.setEventHandled
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC2_setEventHandled__Z
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
	hr = brivelInvokeHelper( env, pDisp, 11, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC2.ResetNextMenu
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC2_ResetNextMenu
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
	hr = brivelInvokeHelper( env, pDisp, 12, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC2.FindOnWeb
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC2_FindOnWeb
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
	hr = brivelInvokeHelper( env, pDisp, 13, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC2.FindFilesOrFolders
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC2_FindFilesOrFolders
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
	hr = brivelInvokeHelper( env, pDisp, 14, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC2.FindComputer
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC2_FindComputer
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
	hr = brivelInvokeHelper( env, pDisp, 15, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC2.FindPrinter
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC2_FindPrinter
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
	hr = brivelInvokeHelper( env, pDisp, 16, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC2.FindPeople
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC2_FindPeople
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
	hr = brivelInvokeHelper( env, pDisp, 17, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC2.GetSearchAssistantURL
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_ISearchAssistantOC2_GetSearchAssistantURL__ZZ
	(JNIEnv * env,
	 jobject thisObj,
	 jboolean arg0,
	 jboolean arg1)
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
	vargs[1].vt = VT_BOOL;
	V_BOOL( &vargs[1] ) = arg0 ? 0xFFFF : 0;
	vargs[0].vt = VT_BOOL;
	V_BOOL( &vargs[0] ) = arg1 ? 0xFFFF : 0;
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 18, &params, 1, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearchAssistantOC2.NotifySearchSettingsChanged
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC2_NotifySearchSettingsChanged
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
	hr = brivelInvokeHelper( env, pDisp, 19, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC2.setASProvider
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC2_setASProvider__Ljava_lang_String_2
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
	hr = brivelInvokeHelper( env, pDisp, 20, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC2.getASProvider
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_ISearchAssistantOC2_getASProvider
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
	hr = brivelInvokeHelper( env, pDisp, 20, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearchAssistantOC2.setASSetting
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC2_setASSetting__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
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
	V_I4( &vargs[0] ) = (long) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 21, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC2.getASSetting
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_ISearchAssistantOC2_getASSetting
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
	hr = brivelInvokeHelper( env, pDisp, 21, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearchAssistantOC2.NETDetectNextNavigate
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC2_NETDetectNextNavigate
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
	hr = brivelInvokeHelper( env, pDisp, 22, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC2.PutFindText
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC2_PutFindText__Ljava_lang_String_2
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
	hr = brivelInvokeHelper( env, pDisp, 23, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC2.getVersion
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_ISearchAssistantOC2_getVersion
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
	hr = brivelInvokeHelper( env, pDisp, 24, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearchAssistantOC2.EncodeString
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_ISearchAssistantOC2_EncodeString__Ljava_lang_String_2Ljava_lang_String_2Z
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jstring arg1,
	 jboolean arg2)
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
	vargs[1].vt = VT_BSTR;
	V_BSTR( &vargs[1] ) = brivelJstringToBstr( env, (jstring) arg1 );
	vargs[0].vt = VT_BOOL;
	V_BOOL( &vargs[0] ) = arg2 ? 0xFFFF : 0;
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 25, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[2] );
		VariantClear( &vargs[1] );
		return 0;
	}
	VariantClear( &vargs[2] );
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

// JNI Implementation of ISearchAssistantOC2.getShowFindPrinter
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ISearchAssistantOC2_getShowFindPrinter
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
	hr = brivelInvokeHelper( env, pDisp, 26, &params, 2, &excepInfo, &argErr, &ret );
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

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ISearchAssistantOC2__1_1TavoLoad
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
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoISearchAssistantOC2, (void **) &pDisp );
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

class DWebBrowserEventsHandlerImpl : public IDispatch {
	jobject brvJavaObject;
	bool serverSide;
	jstring interfaceName;
	long brvRef;
public:
	DWebBrowserEventsHandlerImpl( jobject obj ) : interfaceName(NULL), serverSide(false), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) {}

	DWebBrowserEventsHandlerImpl( jstring intf, jobject obj ) : interfaceName(intf), serverSide(true), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) {}

	virtual HRESULT STDMETHODCALLTYPE QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject);
	virtual ULONG STDMETHODCALLTYPE AddRef( void);
	virtual ULONG STDMETHODCALLTYPE Release( void);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfoCount( UINT __RPC_FAR *pctinfo);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo);
	virtual HRESULT STDMETHODCALLTYPE GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId);
	virtual HRESULT STDMETHODCALLTYPE Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS __RPC_FAR *pDispParams, VARIANT __RPC_FAR *pVarResult, EXCEPINFO __RPC_FAR *pExcepInfo, UINT __RPC_FAR *puArgErr);
};


HRESULT STDMETHODCALLTYPE DWebBrowserEventsHandlerImpl::QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject)
{
	if ( riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_ITavoDWebBrowserEvents ) {
		*ppvObject = this;
		AddRef();
		return S_OK;
	}
	if ( riid == IID_BrivelQueryIID ) {
		*ppvObject = (void *) &IID_ITavoDWebBrowserEvents;
		return S_OK;
	}
	*ppvObject = NULL;
	return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE DWebBrowserEventsHandlerImpl::AddRef( void )
{
	return InterlockedIncrement( &brvRef );
}

ULONG STDMETHODCALLTYPE DWebBrowserEventsHandlerImpl::Release( void )
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

HRESULT STDMETHODCALLTYPE DWebBrowserEventsHandlerImpl::GetTypeInfoCount( UINT __RPC_FAR *pctinfo)
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE DWebBrowserEventsHandlerImpl::GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo )
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE DWebBrowserEventsHandlerImpl::GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId)
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE DWebBrowserEventsHandlerImpl::Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
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
	if ( dispIdMember == 100 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "BeforeNavigate", "(Ljava/lang/String;ILjava/lang/String;Lbrivel/TavoVariant;Ljava/lang/String;[Z)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "BeforeNavigate";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,6);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "BeforeNavigate", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,6);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "BeforeNavigate", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex2 = brivelGetParamIndex(2,pDispParams,6);
		if ( eventParamIndex2 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "BeforeNavigate", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex3 = brivelGetParamIndex(3,pDispParams,6);
		if ( eventParamIndex3 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "BeforeNavigate", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex4 = brivelGetParamIndex(4,pDispParams,6);
		if ( eventParamIndex4 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "BeforeNavigate", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex5 = brivelGetParamIndex(5,pDispParams,6);
		if ( eventParamIndex5 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "BeforeNavigate", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[6];
		VARIANTARG brivelOwnArgs[6];
		for ( int brivelArg = 0; brivelArg < 6; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BSTR, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_I4, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex2], VT_BSTR, &brivelOwnArgs[2], &brivelArgs[2] ))) brivelBadArg = eventParamIndex2;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex3], VT_EMPTY, &brivelOwnArgs[3], &brivelArgs[3] ))) brivelBadArg = eventParamIndex3;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex4], VT_BSTR, &brivelOwnArgs[4], &brivelArgs[4] ))) brivelBadArg = eventParamIndex4;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex5], VT_BOOL | VT_BYREF, &brivelOwnArgs[5], &brivelArgs[5] ))) brivelBadArg = eventParamIndex5;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 6; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "BeforeNavigate", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
		jstring jstrEventArg_0 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex0] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jstring jstrEventArg_2 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex2] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArgValue_3 = brivelVariantObject( brivelJniEnv, &pDispParams->rgvarg[eventParamIndex3] );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jstring jstrEventArg_4 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex4] ));
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
			, jstrEventArg_0
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex1] )
			, jstrEventArg_2
			, eventArgValue_3
			, jstrEventArg_4
			, eventArrayArg_5
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 6, 0, "void", "BeforeNavigate"
			, false, "java.lang.String", jstrEventArg_0
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex1] )
			, false, "java.lang.String", jstrEventArg_2
			, false, "brivel.TavoVariant", eventArgValue_3
			, false, "java.lang.String", jstrEventArg_4
			, true, "boolean", eventArrayArg_5
		);
		if ( ! brivelJniEnv->ExceptionCheck()) {
			eventArrayPtr_5 = brivelJniEnv->GetBooleanArrayElements( eventArrayArg_5, 0 );
			*V_BOOLREF( &pDispParams->rgvarg[eventParamIndex5] ) = *eventArrayPtr_5 ? VARIANT_TRUE : VARIANT_FALSE;
			brivelJniEnv->ReleaseBooleanArrayElements( eventArrayArg_5, eventArrayPtr_5, 0 );
		}
		if ( jstrEventArg_0 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_0 );
		if ( jstrEventArg_2 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_2 );
		if ( eventArgValue_3 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_3 );
		if ( jstrEventArg_4 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_4 );
		if ( eventArrayRef_5 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_5 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_5 );
		for ( int brivelArg = 0; brivelArg < 6; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 101 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "NavigateComplete", "(Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "NavigateComplete";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NavigateComplete", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BSTR, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NavigateComplete", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 1, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		jthrowable brivelUnmade = NULL;
		jstring jstrEventArg_0 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex0] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, jstrEventArg_0
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "NavigateComplete"
			, false, "java.lang.String", jstrEventArg_0
		);
		if ( jstrEventArg_0 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_0 );
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 102 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "StatusTextChange", "(Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "StatusTextChange";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "StatusTextChange", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BSTR, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "StatusTextChange", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 1, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		jthrowable brivelUnmade = NULL;
		jstring jstrEventArg_0 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex0] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, jstrEventArg_0
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "StatusTextChange"
			, false, "java.lang.String", jstrEventArg_0
		);
		if ( jstrEventArg_0 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_0 );
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 108 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "ProgressChange", "(II)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "ProgressChange";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,2);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "ProgressChange", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,2);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "ProgressChange", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[2];
		VARIANTARG brivelOwnArgs[2];
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_I4, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_I4, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "ProgressChange", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 2, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		eventParamIndex1 = 1;
		jthrowable brivelUnmade = NULL;
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex1] )
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "ProgressChange"
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex1] )
		);
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 104 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "DownloadComplete", "()V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "DownloadComplete";
		if ( brivelMethod != NULL && brivelError == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod );
		if ( serverSide && brivelError == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 0, 0, "void", "DownloadComplete" );
	}
	if ( dispIdMember == 105 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "CommandStateChange", "(IZ)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "CommandStateChange";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,2);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "CommandStateChange", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,2);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "CommandStateChange", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[2];
		VARIANTARG brivelOwnArgs[2];
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_I4, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_BOOL, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "CommandStateChange", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 2, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		eventParamIndex1 = 1;
		jthrowable brivelUnmade = NULL;
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
			, V_BOOL( &pDispParams->rgvarg[eventParamIndex1] ) ? JNI_TRUE : JNI_FALSE
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 2, 0, "void", "CommandStateChange"
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
			, false, "boolean", V_BOOL( &pDispParams->rgvarg[eventParamIndex1] ) ? JNI_TRUE : JNI_FALSE
		);
		for ( int brivelArg = 0; brivelArg < 2; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 106 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "DownloadBegin", "()V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "DownloadBegin";
		if ( brivelMethod != NULL && brivelError == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod );
		if ( serverSide && brivelError == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 0, 0, "void", "DownloadBegin" );
	}
	if ( dispIdMember == 107 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "NewWindow", "(Ljava/lang/String;ILjava/lang/String;Lbrivel/TavoVariant;Ljava/lang/String;[Z)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "NewWindow";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,6);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NewWindow", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,6);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NewWindow", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex2 = brivelGetParamIndex(2,pDispParams,6);
		if ( eventParamIndex2 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NewWindow", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex3 = brivelGetParamIndex(3,pDispParams,6);
		if ( eventParamIndex3 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NewWindow", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex4 = brivelGetParamIndex(4,pDispParams,6);
		if ( eventParamIndex4 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NewWindow", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex5 = brivelGetParamIndex(5,pDispParams,6);
		if ( eventParamIndex5 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NewWindow", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[6];
		VARIANTARG brivelOwnArgs[6];
		for ( int brivelArg = 0; brivelArg < 6; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BSTR, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_I4, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex2], VT_BSTR, &brivelOwnArgs[2], &brivelArgs[2] ))) brivelBadArg = eventParamIndex2;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex3], VT_EMPTY, &brivelOwnArgs[3], &brivelArgs[3] ))) brivelBadArg = eventParamIndex3;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex4], VT_BSTR, &brivelOwnArgs[4], &brivelArgs[4] ))) brivelBadArg = eventParamIndex4;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex5], VT_BOOL | VT_BYREF, &brivelOwnArgs[5], &brivelArgs[5] ))) brivelBadArg = eventParamIndex5;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 6; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "NewWindow", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
		jstring jstrEventArg_0 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex0] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jstring jstrEventArg_2 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex2] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArgValue_3 = brivelVariantObject( brivelJniEnv, &pDispParams->rgvarg[eventParamIndex3] );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jstring jstrEventArg_4 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex4] ));
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
			, jstrEventArg_0
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex1] )
			, jstrEventArg_2
			, eventArgValue_3
			, jstrEventArg_4
			, eventArrayArg_5
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 6, 0, "void", "NewWindow"
			, false, "java.lang.String", jstrEventArg_0
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex1] )
			, false, "java.lang.String", jstrEventArg_2
			, false, "brivel.TavoVariant", eventArgValue_3
			, false, "java.lang.String", jstrEventArg_4
			, true, "boolean", eventArrayArg_5
		);
		if ( ! brivelJniEnv->ExceptionCheck()) {
			eventArrayPtr_5 = brivelJniEnv->GetBooleanArrayElements( eventArrayArg_5, 0 );
			*V_BOOLREF( &pDispParams->rgvarg[eventParamIndex5] ) = *eventArrayPtr_5 ? VARIANT_TRUE : VARIANT_FALSE;
			brivelJniEnv->ReleaseBooleanArrayElements( eventArrayArg_5, eventArrayPtr_5, 0 );
		}
		if ( jstrEventArg_0 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_0 );
		if ( jstrEventArg_2 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_2 );
		if ( eventArgValue_3 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_3 );
		if ( jstrEventArg_4 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_4 );
		if ( eventArrayRef_5 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_5 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_5 );
		for ( int brivelArg = 0; brivelArg < 6; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 113 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "TitleChange", "(Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "TitleChange";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "TitleChange", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BSTR, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "TitleChange", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 1, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		jthrowable brivelUnmade = NULL;
		jstring jstrEventArg_0 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex0] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, jstrEventArg_0
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "TitleChange"
			, false, "java.lang.String", jstrEventArg_0
		);
		if ( jstrEventArg_0 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_0 );
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 200 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "FrameBeforeNavigate", "(Ljava/lang/String;ILjava/lang/String;Lbrivel/TavoVariant;Ljava/lang/String;[Z)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "FrameBeforeNavigate";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,6);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "FrameBeforeNavigate", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,6);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "FrameBeforeNavigate", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex2 = brivelGetParamIndex(2,pDispParams,6);
		if ( eventParamIndex2 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "FrameBeforeNavigate", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex3 = brivelGetParamIndex(3,pDispParams,6);
		if ( eventParamIndex3 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "FrameBeforeNavigate", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex4 = brivelGetParamIndex(4,pDispParams,6);
		if ( eventParamIndex4 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "FrameBeforeNavigate", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex5 = brivelGetParamIndex(5,pDispParams,6);
		if ( eventParamIndex5 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "FrameBeforeNavigate", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[6];
		VARIANTARG brivelOwnArgs[6];
		for ( int brivelArg = 0; brivelArg < 6; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BSTR, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_I4, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex2], VT_BSTR, &brivelOwnArgs[2], &brivelArgs[2] ))) brivelBadArg = eventParamIndex2;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex3], VT_EMPTY, &brivelOwnArgs[3], &brivelArgs[3] ))) brivelBadArg = eventParamIndex3;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex4], VT_BSTR, &brivelOwnArgs[4], &brivelArgs[4] ))) brivelBadArg = eventParamIndex4;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex5], VT_BOOL | VT_BYREF, &brivelOwnArgs[5], &brivelArgs[5] ))) brivelBadArg = eventParamIndex5;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 6; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "FrameBeforeNavigate", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
		jstring jstrEventArg_0 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex0] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jstring jstrEventArg_2 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex2] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArgValue_3 = brivelVariantObject( brivelJniEnv, &pDispParams->rgvarg[eventParamIndex3] );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jstring jstrEventArg_4 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex4] ));
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
			, jstrEventArg_0
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex1] )
			, jstrEventArg_2
			, eventArgValue_3
			, jstrEventArg_4
			, eventArrayArg_5
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 6, 0, "void", "FrameBeforeNavigate"
			, false, "java.lang.String", jstrEventArg_0
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex1] )
			, false, "java.lang.String", jstrEventArg_2
			, false, "brivel.TavoVariant", eventArgValue_3
			, false, "java.lang.String", jstrEventArg_4
			, true, "boolean", eventArrayArg_5
		);
		if ( ! brivelJniEnv->ExceptionCheck()) {
			eventArrayPtr_5 = brivelJniEnv->GetBooleanArrayElements( eventArrayArg_5, 0 );
			*V_BOOLREF( &pDispParams->rgvarg[eventParamIndex5] ) = *eventArrayPtr_5 ? VARIANT_TRUE : VARIANT_FALSE;
			brivelJniEnv->ReleaseBooleanArrayElements( eventArrayArg_5, eventArrayPtr_5, 0 );
		}
		if ( jstrEventArg_0 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_0 );
		if ( jstrEventArg_2 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_2 );
		if ( eventArgValue_3 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_3 );
		if ( jstrEventArg_4 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_4 );
		if ( eventArrayRef_5 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_5 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_5 );
		for ( int brivelArg = 0; brivelArg < 6; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 201 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "FrameNavigateComplete", "(Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "FrameNavigateComplete";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "FrameNavigateComplete", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BSTR, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "FrameNavigateComplete", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 1, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		jthrowable brivelUnmade = NULL;
		jstring jstrEventArg_0 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex0] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, jstrEventArg_0
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "FrameNavigateComplete"
			, false, "java.lang.String", jstrEventArg_0
		);
		if ( jstrEventArg_0 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_0 );
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 204 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "FrameNewWindow", "(Ljava/lang/String;ILjava/lang/String;Lbrivel/TavoVariant;Ljava/lang/String;[Z)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "FrameNewWindow";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,6);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "FrameNewWindow", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,6);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "FrameNewWindow", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex2 = brivelGetParamIndex(2,pDispParams,6);
		if ( eventParamIndex2 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "FrameNewWindow", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex3 = brivelGetParamIndex(3,pDispParams,6);
		if ( eventParamIndex3 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "FrameNewWindow", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex4 = brivelGetParamIndex(4,pDispParams,6);
		if ( eventParamIndex4 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "FrameNewWindow", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex5 = brivelGetParamIndex(5,pDispParams,6);
		if ( eventParamIndex5 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "FrameNewWindow", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[6];
		VARIANTARG brivelOwnArgs[6];
		for ( int brivelArg = 0; brivelArg < 6; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BSTR, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_I4, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex2], VT_BSTR, &brivelOwnArgs[2], &brivelArgs[2] ))) brivelBadArg = eventParamIndex2;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex3], VT_EMPTY, &brivelOwnArgs[3], &brivelArgs[3] ))) brivelBadArg = eventParamIndex3;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex4], VT_BSTR, &brivelOwnArgs[4], &brivelArgs[4] ))) brivelBadArg = eventParamIndex4;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex5], VT_BOOL | VT_BYREF, &brivelOwnArgs[5], &brivelArgs[5] ))) brivelBadArg = eventParamIndex5;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 6; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "FrameNewWindow", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
		jstring jstrEventArg_0 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex0] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jstring jstrEventArg_2 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex2] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jobject eventArgValue_3 = brivelVariantObject( brivelJniEnv, &pDispParams->rgvarg[eventParamIndex3] );
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jstring jstrEventArg_4 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex4] ));
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
			, jstrEventArg_0
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex1] )
			, jstrEventArg_2
			, eventArgValue_3
			, jstrEventArg_4
			, eventArrayArg_5
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 6, 0, "void", "FrameNewWindow"
			, false, "java.lang.String", jstrEventArg_0
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex1] )
			, false, "java.lang.String", jstrEventArg_2
			, false, "brivel.TavoVariant", eventArgValue_3
			, false, "java.lang.String", jstrEventArg_4
			, true, "boolean", eventArrayArg_5
		);
		if ( ! brivelJniEnv->ExceptionCheck()) {
			eventArrayPtr_5 = brivelJniEnv->GetBooleanArrayElements( eventArrayArg_5, 0 );
			*V_BOOLREF( &pDispParams->rgvarg[eventParamIndex5] ) = *eventArrayPtr_5 ? VARIANT_TRUE : VARIANT_FALSE;
			brivelJniEnv->ReleaseBooleanArrayElements( eventArrayArg_5, eventArrayPtr_5, 0 );
		}
		if ( jstrEventArg_0 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_0 );
		if ( jstrEventArg_2 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_2 );
		if ( eventArgValue_3 != 0 ) brivelJniEnv->DeleteLocalRef( eventArgValue_3 );
		if ( jstrEventArg_4 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_4 );
		if ( eventArrayRef_5 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_5 );
		brivelJniEnv->DeleteLocalRef( eventArrayArg_5 );
		for ( int brivelArg = 0; brivelArg < 6; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 103 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Quit", "([Z)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Quit";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Quit", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BOOL | VT_BYREF, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "Quit", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "Quit"
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
	if ( dispIdMember == 109 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "WindowMove", "()V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "WindowMove";
		if ( brivelMethod != NULL && brivelError == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod );
		if ( serverSide && brivelError == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 0, 0, "void", "WindowMove" );
	}
	if ( dispIdMember == 110 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "WindowResize", "()V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "WindowResize";
		if ( brivelMethod != NULL && brivelError == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod );
		if ( serverSide && brivelError == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 0, 0, "void", "WindowResize" );
	}
	if ( dispIdMember == 111 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "WindowActivate", "()V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "WindowActivate";
		if ( brivelMethod != NULL && brivelError == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod );
		if ( serverSide && brivelError == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 0, 0, "void", "WindowActivate" );
	}
	if ( dispIdMember == 112 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "PropertyChange", "(Ljava/lang/String;)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "PropertyChange";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "PropertyChange", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_BSTR, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "PropertyChange", "Argument type mismatch", DISP_E_TYPEMISMATCH );
		}
		DISPPARAMS brivelParams = { brivelArgs, NULL, 1, 0 };
		// From here the arguments are read from the case's own array.
		DISPPARAMS * pDispParams = &brivelParams;
		eventParamIndex0 = 0;
		jthrowable brivelUnmade = NULL;
		jstring jstrEventArg_0 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex0] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, jstrEventArg_0
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "PropertyChange"
			, false, "java.lang.String", jstrEventArg_0
		);
		if ( jstrEventArg_0 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_0 );
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
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

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_DWebBrowserEvents__1_1TavoLoad
	(JNIEnv * env, jobject thisObj, jobject obj, jboolean initial )
{
	HRESULT ret;
	IUnknown * pUnk;
	IDispatch * pDisp;
	brivelInitThread( env );
	if ( obj == 0 ) return 0;
	pUnk = (IUnknown *) env->GetIntField( obj, brivelGetComId());
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoDWebBrowserEvents, (void **) &pDisp );
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

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_DWebBrowserEvents__1_1TavoEventListenerInit
	(JNIEnv * env, jobject thisObj )
{
	brivelInitThread( env );
	DWebBrowserEventsHandlerImpl * sink = 0;
	try {
		sink = new DWebBrowserEventsHandlerImpl( thisObj );
	} catch ( ... ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/OutOfMemoryError" ), "event sink" );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetEventId(), (jint) sink );
	return 1;
}

class _SearchAssistantEventsHandlerImpl : public IDispatch {
	jobject brvJavaObject;
	bool serverSide;
	jstring interfaceName;
	long brvRef;
public:
	_SearchAssistantEventsHandlerImpl( jobject obj ) : interfaceName(NULL), serverSide(false), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) {}

	_SearchAssistantEventsHandlerImpl( jstring intf, jobject obj ) : interfaceName(intf), serverSide(true), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) {}

	virtual HRESULT STDMETHODCALLTYPE QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject);
	virtual ULONG STDMETHODCALLTYPE AddRef( void);
	virtual ULONG STDMETHODCALLTYPE Release( void);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfoCount( UINT __RPC_FAR *pctinfo);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo);
	virtual HRESULT STDMETHODCALLTYPE GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId);
	virtual HRESULT STDMETHODCALLTYPE Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS __RPC_FAR *pDispParams, VARIANT __RPC_FAR *pVarResult, EXCEPINFO __RPC_FAR *pExcepInfo, UINT __RPC_FAR *puArgErr);
};


HRESULT STDMETHODCALLTYPE _SearchAssistantEventsHandlerImpl::QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject)
{
	if ( riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_ITavo_SearchAssistantEvents ) {
		*ppvObject = this;
		AddRef();
		return S_OK;
	}
	if ( riid == IID_BrivelQueryIID ) {
		*ppvObject = (void *) &IID_ITavo_SearchAssistantEvents;
		return S_OK;
	}
	*ppvObject = NULL;
	return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE _SearchAssistantEventsHandlerImpl::AddRef( void )
{
	return InterlockedIncrement( &brvRef );
}

ULONG STDMETHODCALLTYPE _SearchAssistantEventsHandlerImpl::Release( void )
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

HRESULT STDMETHODCALLTYPE _SearchAssistantEventsHandlerImpl::GetTypeInfoCount( UINT __RPC_FAR *pctinfo)
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE _SearchAssistantEventsHandlerImpl::GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo )
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE _SearchAssistantEventsHandlerImpl::GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId)
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE _SearchAssistantEventsHandlerImpl::Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
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
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "OnNextMenuSelect", "(I)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "OnNextMenuSelect";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,1);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "OnNextMenuSelect", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[1];
		VARIANTARG brivelOwnArgs[1];
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_I4, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "OnNextMenuSelect", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 1, 0, "void", "OnNextMenuSelect"
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
		);
		for ( int brivelArg = 0; brivelArg < 1; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 2 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "OnNewSearch", "()V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "OnNewSearch";
		if ( brivelMethod != NULL && brivelError == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod );
		if ( serverSide && brivelError == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 0, 0, "void", "OnNewSearch" );
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

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer__1SearchAssistantEvents__1_1TavoLoad
	(JNIEnv * env, jobject thisObj, jobject obj, jboolean initial )
{
	HRESULT ret;
	IUnknown * pUnk;
	IDispatch * pDisp;
	brivelInitThread( env );
	if ( obj == 0 ) return 0;
	pUnk = (IUnknown *) env->GetIntField( obj, brivelGetComId());
	ret = brivelQueryInterface( env, pUnk, &IID_ITavo_SearchAssistantEvents, (void **) &pDisp );
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

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer__1SearchAssistantEvents__1_1TavoEventListenerInit
	(JNIEnv * env, jobject thisObj )
{
	brivelInitThread( env );
	_SearchAssistantEventsHandlerImpl * sink = 0;
	try {
		sink = new _SearchAssistantEventsHandlerImpl( thisObj );
	} catch ( ... ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/OutOfMemoryError" ), "event sink" );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetEventId(), (jint) sink );
	return 1;
}

// JNI Implementation of ISearchAssistantOC.AddNextMenuItem
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC_AddNextMenuItem__Ljava_lang_String_2I
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
		return;
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
	hr = brivelInvokeHelper( env, pDisp, 1, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[1] );
		return;
	}
	VariantClear( &vargs[1] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC.SetDefaultSearchUrl
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC_SetDefaultSearchUrl__Ljava_lang_String_2
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
	hr = brivelInvokeHelper( env, pDisp, 2, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC.NavigateToDefaultSearch
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC_NavigateToDefaultSearch
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
	hr = brivelInvokeHelper( env, pDisp, 3, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC.IsRestricted
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ISearchAssistantOC_IsRestricted__Ljava_lang_String_2
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

// JNI Implementation of ISearchAssistantOC.getShellFeaturesEnabled
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ISearchAssistantOC_getShellFeaturesEnabled
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

// JNI Implementation of ISearchAssistantOC.getSearchAssistantDefault
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ISearchAssistantOC_getSearchAssistantDefault
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
	hr = brivelInvokeHelper( env, pDisp, 6, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearchAssistantOC.getSearches
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_ISearchAssistantOC_getSearches
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
	hr = brivelInvokeHelper( env, pDisp, 7, &params, 2, &excepInfo, &argErr, &ret );
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
	jobject retDisp =  brivelUnknownToInterfaceObject( env, V_DISPATCH( &ret ), "iexplorer/ISearches" );
	VariantClear( &ret );
	return retDisp;
}

// JNI Implementation of ISearchAssistantOC.getInWebFolder
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ISearchAssistantOC_getInWebFolder
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
	hr = brivelInvokeHelper( env, pDisp, 8, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearchAssistantOC.PutProperty
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC_PutProperty__ZLjava_lang_String_2Ljava_lang_String_2
	(JNIEnv * env,
	 jobject thisObj,
	 jboolean arg0,
	 jstring arg1,
	 jstring arg2)
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
	vargs[2].vt = VT_BOOL;
	V_BOOL( &vargs[2] ) = arg0 ? 0xFFFF : 0;
	vargs[1].vt = VT_BSTR;
	V_BSTR( &vargs[1] ) = brivelJstringToBstr( env, (jstring) arg1 );
	vargs[0].vt = VT_BSTR;
	V_BSTR( &vargs[0] ) = brivelJstringToBstr( env, (jstring) arg2 );
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 9, &params, 1, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearchAssistantOC.GetProperty
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_ISearchAssistantOC_GetProperty__ZLjava_lang_String_2
	(JNIEnv * env,
	 jobject thisObj,
	 jboolean arg0,
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
		return 0;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[1].vt = VT_BOOL;
	V_BOOL( &vargs[1] ) = arg0 ? 0xFFFF : 0;
	vargs[0].vt = VT_BSTR;
	V_BSTR( &vargs[0] ) = brivelJstringToBstr( env, (jstring) arg1 );
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 10, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return 0;
	}
	VariantClear( &vargs[0] );
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

// JNI Implementation of ISearchAssistantOC.setEventHandled
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC_setEventHandled__Z
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
	hr = brivelInvokeHelper( env, pDisp, 11, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC.ResetNextMenu
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC_ResetNextMenu
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
	hr = brivelInvokeHelper( env, pDisp, 12, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC.FindOnWeb
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC_FindOnWeb
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
	hr = brivelInvokeHelper( env, pDisp, 13, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC.FindFilesOrFolders
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC_FindFilesOrFolders
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
	hr = brivelInvokeHelper( env, pDisp, 14, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC.FindComputer
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC_FindComputer
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
	hr = brivelInvokeHelper( env, pDisp, 15, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC.FindPrinter
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC_FindPrinter
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
	hr = brivelInvokeHelper( env, pDisp, 16, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC.FindPeople
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC_FindPeople
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
	hr = brivelInvokeHelper( env, pDisp, 17, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC.GetSearchAssistantURL
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_ISearchAssistantOC_GetSearchAssistantURL__ZZ
	(JNIEnv * env,
	 jobject thisObj,
	 jboolean arg0,
	 jboolean arg1)
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
	vargs[1].vt = VT_BOOL;
	V_BOOL( &vargs[1] ) = arg0 ? 0xFFFF : 0;
	vargs[0].vt = VT_BOOL;
	V_BOOL( &vargs[0] ) = arg1 ? 0xFFFF : 0;
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 18, &params, 1, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearchAssistantOC.NotifySearchSettingsChanged
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC_NotifySearchSettingsChanged
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
	hr = brivelInvokeHelper( env, pDisp, 19, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC.setASProvider
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC_setASProvider__Ljava_lang_String_2
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
	hr = brivelInvokeHelper( env, pDisp, 20, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC.getASProvider
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_ISearchAssistantOC_getASProvider
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
	hr = brivelInvokeHelper( env, pDisp, 20, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearchAssistantOC.setASSetting
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC_setASSetting__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
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
	V_I4( &vargs[0] ) = (long) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 21, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC.getASSetting
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_ISearchAssistantOC_getASSetting
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
	hr = brivelInvokeHelper( env, pDisp, 21, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearchAssistantOC.NETDetectNextNavigate
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC_NETDetectNextNavigate
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
	hr = brivelInvokeHelper( env, pDisp, 22, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC.PutFindText
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearchAssistantOC_PutFindText__Ljava_lang_String_2
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
	hr = brivelInvokeHelper( env, pDisp, 23, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of ISearchAssistantOC.getVersion
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_ISearchAssistantOC_getVersion
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
	hr = brivelInvokeHelper( env, pDisp, 24, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearchAssistantOC.EncodeString
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_ISearchAssistantOC_EncodeString__Ljava_lang_String_2Ljava_lang_String_2Z
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jstring arg1,
	 jboolean arg2)
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
	vargs[1].vt = VT_BSTR;
	V_BSTR( &vargs[1] ) = brivelJstringToBstr( env, (jstring) arg1 );
	vargs[0].vt = VT_BOOL;
	V_BOOL( &vargs[0] ) = arg2 ? 0xFFFF : 0;
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 25, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[2] );
		VariantClear( &vargs[1] );
		return 0;
	}
	VariantClear( &vargs[2] );
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

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ISearchAssistantOC__1_1TavoLoad
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
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoISearchAssistantOC, (void **) &pDisp );
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

// JNI Implementation of IWebBrowser.GoBack
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser_GoBack
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
	hr = brivelInvokeHelper( env, pDisp, 100, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser.GoForward
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser_GoForward
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
	hr = brivelInvokeHelper( env, pDisp, 101, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser.GoHome
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser_GoHome
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
	hr = brivelInvokeHelper( env, pDisp, 102, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser.GoSearch
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser_GoSearch
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
	hr = brivelInvokeHelper( env, pDisp, 103, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser.Navigate
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser_Navigate__Ljava_lang_String_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[5];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[4].vt = VT_BSTR;
	V_BSTR( &vargs[4] ) = brivelJstringToBstr( env, (jstring) arg0 );
	vargs[3].vt = VT_ERROR;
	V_I4( &vargs[3] ) = DISP_E_PARAMNOTFOUND;
	vargs[2].vt = VT_ERROR;
	V_I4( &vargs[2] ) = DISP_E_PARAMNOTFOUND;
	vargs[1].vt = VT_ERROR;
	V_I4( &vargs[1] ) = DISP_E_PARAMNOTFOUND;
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 5;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 104, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[4] );
		return;
	}
	VariantClear( &vargs[4] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser.Navigate
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser_Navigate__Ljava_lang_String_2Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jobject arg1)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[5];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[4].vt = VT_BSTR;
	V_BSTR( &vargs[4] ) = brivelJstringToBstr( env, (jstring) arg0 );
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		VariantClear( &vargs[4] );
		return;
	}
	vargs[3].vt = VT_VARIANT;
	VariantCopy( &vargs[3], brivelGetTavoVariant( env, arg1 ));
	vargs[2].vt = VT_ERROR;
	V_I4( &vargs[2] ) = DISP_E_PARAMNOTFOUND;
	vargs[1].vt = VT_ERROR;
	V_I4( &vargs[1] ) = DISP_E_PARAMNOTFOUND;
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 5;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 104, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		return;
	}
	VariantClear( &vargs[4] );
	VariantClear( &vargs[3] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser.Navigate
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser_Navigate__Ljava_lang_String_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jobject arg1,
	 jobject arg2)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[5];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[4].vt = VT_BSTR;
	V_BSTR( &vargs[4] ) = brivelJstringToBstr( env, (jstring) arg0 );
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		VariantClear( &vargs[4] );
		return;
	}
	vargs[3].vt = VT_VARIANT;
	VariantCopy( &vargs[3], brivelGetTavoVariant( env, arg1 ));
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		return;
	}
	vargs[2].vt = VT_VARIANT;
	VariantCopy( &vargs[2], brivelGetTavoVariant( env, arg2 ));
	vargs[1].vt = VT_ERROR;
	V_I4( &vargs[1] ) = DISP_E_PARAMNOTFOUND;
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 5;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 104, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		return;
	}
	VariantClear( &vargs[4] );
	VariantClear( &vargs[3] );
	VariantClear( &vargs[2] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser.Navigate
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser_Navigate__Ljava_lang_String_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jobject arg1,
	 jobject arg2,
	 jobject arg3)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[5];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[4].vt = VT_BSTR;
	V_BSTR( &vargs[4] ) = brivelJstringToBstr( env, (jstring) arg0 );
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		VariantClear( &vargs[4] );
		return;
	}
	vargs[3].vt = VT_VARIANT;
	VariantCopy( &vargs[3], brivelGetTavoVariant( env, arg1 ));
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		return;
	}
	vargs[2].vt = VT_VARIANT;
	VariantCopy( &vargs[2], brivelGetTavoVariant( env, arg2 ));
	if ( arg3 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 4 is null" );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		return;
	}
	vargs[1].vt = VT_VARIANT;
	VariantCopy( &vargs[1], brivelGetTavoVariant( env, arg3 ));
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 5;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 104, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		VariantClear( &vargs[1] );
		return;
	}
	VariantClear( &vargs[4] );
	VariantClear( &vargs[3] );
	VariantClear( &vargs[2] );
	VariantClear( &vargs[1] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser.Navigate
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser_Navigate__Ljava_lang_String_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jobject arg1,
	 jobject arg2,
	 jobject arg3,
	 jobject arg4)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[5];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[4].vt = VT_BSTR;
	V_BSTR( &vargs[4] ) = brivelJstringToBstr( env, (jstring) arg0 );
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		VariantClear( &vargs[4] );
		return;
	}
	vargs[3].vt = VT_VARIANT;
	VariantCopy( &vargs[3], brivelGetTavoVariant( env, arg1 ));
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		return;
	}
	vargs[2].vt = VT_VARIANT;
	VariantCopy( &vargs[2], brivelGetTavoVariant( env, arg2 ));
	if ( arg3 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 4 is null" );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		return;
	}
	vargs[1].vt = VT_VARIANT;
	VariantCopy( &vargs[1], brivelGetTavoVariant( env, arg3 ));
	if ( arg4 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 5 is null" );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		VariantClear( &vargs[1] );
		return;
	}
	vargs[0].vt = VT_VARIANT;
	VariantCopy( &vargs[0], brivelGetTavoVariant( env, arg4 ));
	VariantInit(&ret);
	params.cArgs = 5;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 104, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		VariantClear( &vargs[1] );
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[4] );
	VariantClear( &vargs[3] );
	VariantClear( &vargs[2] );
	VariantClear( &vargs[1] );
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser.Refresh
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser_Refresh
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
	hr = brivelInvokeHelper( env, pDisp, -550, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser.Refresh2
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser_Refresh2
	(JNIEnv * env, jobject thisObj)
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
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 105, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser.Refresh2
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser_Refresh2__Lbrivel_TavoVariant_2
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
	vargs[0].vt = VT_VARIANT;
	VariantCopy( &vargs[0], brivelGetTavoVariant( env, arg0 ));
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 105, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser.Stop
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser_Stop
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
	hr = brivelInvokeHelper( env, pDisp, 106, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser.getApplication
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_IWebBrowser_getApplication
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
	hr = brivelInvokeHelper( env, pDisp, 200, &params, 2, &excepInfo, &argErr, &ret );
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
	jobject retobj = brivelBestUnknownToJobject( env, (IUnknown *) V_DISPATCH( &ret ), brivelIIDMap, 13);
	VariantClear( &ret );
	return retobj;
}

// JNI Implementation of IWebBrowser.getParent
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_IWebBrowser_getParent
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
	hr = brivelInvokeHelper( env, pDisp, 201, &params, 2, &excepInfo, &argErr, &ret );
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
	jobject retobj = brivelBestUnknownToJobject( env, (IUnknown *) V_DISPATCH( &ret ), brivelIIDMap, 13);
	VariantClear( &ret );
	return retobj;
}

// JNI Implementation of IWebBrowser.getContainer
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_IWebBrowser_getContainer
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
	hr = brivelInvokeHelper( env, pDisp, 202, &params, 2, &excepInfo, &argErr, &ret );
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
	jobject retobj = brivelBestUnknownToJobject( env, (IUnknown *) V_DISPATCH( &ret ), brivelIIDMap, 13);
	VariantClear( &ret );
	return retobj;
}

// JNI Implementation of IWebBrowser.getDocument
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_IWebBrowser_getDocument
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
	hr = brivelInvokeHelper( env, pDisp, 203, &params, 2, &excepInfo, &argErr, &ret );
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
	jobject retobj = brivelBestUnknownToJobject( env, (IUnknown *) V_DISPATCH( &ret ), brivelIIDMap, 13);
	VariantClear( &ret );
	return retobj;
}

// JNI Implementation of IWebBrowser.getTopLevelContainer
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IWebBrowser_getTopLevelContainer
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
	hr = brivelInvokeHelper( env, pDisp, 204, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser.getType
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_IWebBrowser_getType
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
	hr = brivelInvokeHelper( env, pDisp, 205, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser.getLeft
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IWebBrowser_getLeft
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
	hr = brivelInvokeHelper( env, pDisp, 206, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser.setLeft
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser_setLeft__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
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
	V_I4( &vargs[0] ) = (long) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 206, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser.getTop
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IWebBrowser_getTop
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
	hr = brivelInvokeHelper( env, pDisp, 207, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser.setTop
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser_setTop__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
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
	V_I4( &vargs[0] ) = (long) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 207, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser.getWidth
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IWebBrowser_getWidth
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
	hr = brivelInvokeHelper( env, pDisp, 208, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser.setWidth
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser_setWidth__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
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
	V_I4( &vargs[0] ) = (long) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 208, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser.getHeight
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IWebBrowser_getHeight
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
	hr = brivelInvokeHelper( env, pDisp, 209, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser.setHeight
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser_setHeight__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
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
	V_I4( &vargs[0] ) = (long) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 209, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser.getLocationName
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_IWebBrowser_getLocationName
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
	hr = brivelInvokeHelper( env, pDisp, 210, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser.getLocationURL
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_IWebBrowser_getLocationURL
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
	hr = brivelInvokeHelper( env, pDisp, 211, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser.getBusy
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IWebBrowser_getBusy
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
	hr = brivelInvokeHelper( env, pDisp, 212, &params, 2, &excepInfo, &argErr, &ret );
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

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IWebBrowser__1_1TavoLoad
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
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoIWebBrowser, (void **) &pDisp );
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

// JNI Implementation of IWebBrowser2.GoBack
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_GoBack
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
	hr = brivelInvokeHelper( env, pDisp, 100, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.GoForward
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_GoForward
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
	hr = brivelInvokeHelper( env, pDisp, 101, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.GoHome
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_GoHome
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
	hr = brivelInvokeHelper( env, pDisp, 102, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.GoSearch
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_GoSearch
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
	hr = brivelInvokeHelper( env, pDisp, 103, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.Navigate
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_Navigate__Ljava_lang_String_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[5];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[4].vt = VT_BSTR;
	V_BSTR( &vargs[4] ) = brivelJstringToBstr( env, (jstring) arg0 );
	vargs[3].vt = VT_ERROR;
	V_I4( &vargs[3] ) = DISP_E_PARAMNOTFOUND;
	vargs[2].vt = VT_ERROR;
	V_I4( &vargs[2] ) = DISP_E_PARAMNOTFOUND;
	vargs[1].vt = VT_ERROR;
	V_I4( &vargs[1] ) = DISP_E_PARAMNOTFOUND;
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 5;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 104, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[4] );
		return;
	}
	VariantClear( &vargs[4] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.Navigate
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_Navigate__Ljava_lang_String_2Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jobject arg1)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[5];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[4].vt = VT_BSTR;
	V_BSTR( &vargs[4] ) = brivelJstringToBstr( env, (jstring) arg0 );
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		VariantClear( &vargs[4] );
		return;
	}
	vargs[3].vt = VT_VARIANT;
	VariantCopy( &vargs[3], brivelGetTavoVariant( env, arg1 ));
	vargs[2].vt = VT_ERROR;
	V_I4( &vargs[2] ) = DISP_E_PARAMNOTFOUND;
	vargs[1].vt = VT_ERROR;
	V_I4( &vargs[1] ) = DISP_E_PARAMNOTFOUND;
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 5;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 104, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		return;
	}
	VariantClear( &vargs[4] );
	VariantClear( &vargs[3] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.Navigate
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_Navigate__Ljava_lang_String_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jobject arg1,
	 jobject arg2)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[5];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[4].vt = VT_BSTR;
	V_BSTR( &vargs[4] ) = brivelJstringToBstr( env, (jstring) arg0 );
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		VariantClear( &vargs[4] );
		return;
	}
	vargs[3].vt = VT_VARIANT;
	VariantCopy( &vargs[3], brivelGetTavoVariant( env, arg1 ));
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		return;
	}
	vargs[2].vt = VT_VARIANT;
	VariantCopy( &vargs[2], brivelGetTavoVariant( env, arg2 ));
	vargs[1].vt = VT_ERROR;
	V_I4( &vargs[1] ) = DISP_E_PARAMNOTFOUND;
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 5;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 104, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		return;
	}
	VariantClear( &vargs[4] );
	VariantClear( &vargs[3] );
	VariantClear( &vargs[2] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.Navigate
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_Navigate__Ljava_lang_String_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jobject arg1,
	 jobject arg2,
	 jobject arg3)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[5];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[4].vt = VT_BSTR;
	V_BSTR( &vargs[4] ) = brivelJstringToBstr( env, (jstring) arg0 );
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		VariantClear( &vargs[4] );
		return;
	}
	vargs[3].vt = VT_VARIANT;
	VariantCopy( &vargs[3], brivelGetTavoVariant( env, arg1 ));
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		return;
	}
	vargs[2].vt = VT_VARIANT;
	VariantCopy( &vargs[2], brivelGetTavoVariant( env, arg2 ));
	if ( arg3 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 4 is null" );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		return;
	}
	vargs[1].vt = VT_VARIANT;
	VariantCopy( &vargs[1], brivelGetTavoVariant( env, arg3 ));
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 5;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 104, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		VariantClear( &vargs[1] );
		return;
	}
	VariantClear( &vargs[4] );
	VariantClear( &vargs[3] );
	VariantClear( &vargs[2] );
	VariantClear( &vargs[1] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.Navigate
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_Navigate__Ljava_lang_String_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jobject arg1,
	 jobject arg2,
	 jobject arg3,
	 jobject arg4)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[5];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[4].vt = VT_BSTR;
	V_BSTR( &vargs[4] ) = brivelJstringToBstr( env, (jstring) arg0 );
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		VariantClear( &vargs[4] );
		return;
	}
	vargs[3].vt = VT_VARIANT;
	VariantCopy( &vargs[3], brivelGetTavoVariant( env, arg1 ));
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		return;
	}
	vargs[2].vt = VT_VARIANT;
	VariantCopy( &vargs[2], brivelGetTavoVariant( env, arg2 ));
	if ( arg3 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 4 is null" );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		return;
	}
	vargs[1].vt = VT_VARIANT;
	VariantCopy( &vargs[1], brivelGetTavoVariant( env, arg3 ));
	if ( arg4 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 5 is null" );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		VariantClear( &vargs[1] );
		return;
	}
	vargs[0].vt = VT_VARIANT;
	VariantCopy( &vargs[0], brivelGetTavoVariant( env, arg4 ));
	VariantInit(&ret);
	params.cArgs = 5;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 104, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		VariantClear( &vargs[1] );
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[4] );
	VariantClear( &vargs[3] );
	VariantClear( &vargs[2] );
	VariantClear( &vargs[1] );
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.Refresh
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_Refresh
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
	hr = brivelInvokeHelper( env, pDisp, -550, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.Refresh2
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_Refresh2
	(JNIEnv * env, jobject thisObj)
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
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 105, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.Refresh2
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_Refresh2__Lbrivel_TavoVariant_2
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
	vargs[0].vt = VT_VARIANT;
	VariantCopy( &vargs[0], brivelGetTavoVariant( env, arg0 ));
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 105, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.Stop
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_Stop
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
	hr = brivelInvokeHelper( env, pDisp, 106, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.getApplication
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_IWebBrowser2_getApplication
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
	hr = brivelInvokeHelper( env, pDisp, 200, &params, 2, &excepInfo, &argErr, &ret );
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
	jobject retobj = brivelBestUnknownToJobject( env, (IUnknown *) V_DISPATCH( &ret ), brivelIIDMap, 13);
	VariantClear( &ret );
	return retobj;
}

// JNI Implementation of IWebBrowser2.getParent
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_IWebBrowser2_getParent
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
	hr = brivelInvokeHelper( env, pDisp, 201, &params, 2, &excepInfo, &argErr, &ret );
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
	jobject retobj = brivelBestUnknownToJobject( env, (IUnknown *) V_DISPATCH( &ret ), brivelIIDMap, 13);
	VariantClear( &ret );
	return retobj;
}

// JNI Implementation of IWebBrowser2.getContainer
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_IWebBrowser2_getContainer
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
	hr = brivelInvokeHelper( env, pDisp, 202, &params, 2, &excepInfo, &argErr, &ret );
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
	jobject retobj = brivelBestUnknownToJobject( env, (IUnknown *) V_DISPATCH( &ret ), brivelIIDMap, 13);
	VariantClear( &ret );
	return retobj;
}

// JNI Implementation of IWebBrowser2.getDocument
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_IWebBrowser2_getDocument
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
	hr = brivelInvokeHelper( env, pDisp, 203, &params, 2, &excepInfo, &argErr, &ret );
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
	jobject retobj = brivelBestUnknownToJobject( env, (IUnknown *) V_DISPATCH( &ret ), brivelIIDMap, 13);
	VariantClear( &ret );
	return retobj;
}

// JNI Implementation of IWebBrowser2.getTopLevelContainer
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IWebBrowser2_getTopLevelContainer
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
	hr = brivelInvokeHelper( env, pDisp, 204, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.getType
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_IWebBrowser2_getType
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
	hr = brivelInvokeHelper( env, pDisp, 205, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.getLeft
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IWebBrowser2_getLeft
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
	hr = brivelInvokeHelper( env, pDisp, 206, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.setLeft
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_setLeft__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
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
	V_I4( &vargs[0] ) = (long) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 206, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.getTop
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IWebBrowser2_getTop
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
	hr = brivelInvokeHelper( env, pDisp, 207, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.setTop
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_setTop__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
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
	V_I4( &vargs[0] ) = (long) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 207, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.getWidth
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IWebBrowser2_getWidth
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
	hr = brivelInvokeHelper( env, pDisp, 208, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.setWidth
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_setWidth__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
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
	V_I4( &vargs[0] ) = (long) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 208, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.getHeight
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IWebBrowser2_getHeight
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
	hr = brivelInvokeHelper( env, pDisp, 209, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.setHeight
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_setHeight__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
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
	V_I4( &vargs[0] ) = (long) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 209, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.getLocationName
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_IWebBrowser2_getLocationName
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
	hr = brivelInvokeHelper( env, pDisp, 210, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.getLocationURL
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_IWebBrowser2_getLocationURL
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
	hr = brivelInvokeHelper( env, pDisp, 211, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.getBusy
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IWebBrowser2_getBusy
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
	hr = brivelInvokeHelper( env, pDisp, 212, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.Quit
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_Quit
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
	hr = brivelInvokeHelper( env, pDisp, 300, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.ClientToWindow
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_ClientToWindow___3I_3I
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
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Array of length 1 must be passed to retrieve out parameters, found null." );
		return;
	}
	if ( env->GetArrayLength((jarray)arg0) != 1 ) {
		env->ThrowNew( brivelFindClass( env, "brivel/TavoException" ), "Array of length 1 must be passed for OUT parameters" );
		return;
	}
	jint * arg0__arrayBuf = env->GetIntArrayElements( (jintArray) arg0, NULL );
	vargs[1].vt = VT_BYREF | VT_I4;
	V_I4REF( &vargs[1] ) = (long *) &arg0__arrayBuf[0];
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Array of length 1 must be passed to retrieve out parameters, found null." );
		env->ReleaseIntArrayElements( (jintArray) arg0, arg0__arrayBuf, 0 );
		return;
	}
	if ( env->GetArrayLength((jarray)arg1) != 1 ) {
		env->ThrowNew( brivelFindClass( env, "brivel/TavoException" ), "Array of length 1 must be passed for OUT parameters" );
		env->ReleaseIntArrayElements( (jintArray) arg0, arg0__arrayBuf, 0 );
		return;
	}
	jint * arg1__arrayBuf = env->GetIntArrayElements( (jintArray) arg1, NULL );
	vargs[0].vt = VT_BYREF | VT_I4;
	V_I4REF( &vargs[0] ) = (long *) &arg1__arrayBuf[0];
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 301, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		env->ReleaseIntArrayElements( (jintArray) arg0, arg0__arrayBuf, 0 );
		env->ReleaseIntArrayElements( (jintArray) arg1, arg1__arrayBuf, 0 );
		return;
	}
	env->ReleaseIntArrayElements( (jintArray) arg0, arg0__arrayBuf, 0 );
	env->ReleaseIntArrayElements( (jintArray) arg1, arg1__arrayBuf, 0 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.PutProperty
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_PutProperty__Ljava_lang_String_2Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
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
	vargs[1].vt = VT_BSTR;
	V_BSTR( &vargs[1] ) = brivelJstringToBstr( env, (jstring) arg0 );
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		VariantClear( &vargs[1] );
		return;
	}
	vargs[0].vt = VT_VARIANT;
	VariantCopy( &vargs[0], brivelGetTavoVariant( env, arg1 ));
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 302, &params, 1, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.GetProperty
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_IWebBrowser2_GetProperty__Ljava_lang_String_2
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
	hr = brivelInvokeHelper( env, pDisp, 303, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return 0;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
		return 0;
	}
	jobject retobj = brivelVariantObject( env, &ret );
	VariantClear( &ret );
	return retobj;
}

// JNI Implementation of IWebBrowser2.getName
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_IWebBrowser2_getName
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
	hr = brivelInvokeHelper( env, pDisp, 0, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.getHWND
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IWebBrowser2_getHWND
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
	hr = brivelInvokeHelper( env, pDisp, -515, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.getFullName
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_IWebBrowser2_getFullName
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
	hr = brivelInvokeHelper( env, pDisp, 400, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.getPath
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_IWebBrowser2_getPath
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
	hr = brivelInvokeHelper( env, pDisp, 401, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.getVisible
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IWebBrowser2_getVisible
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
	hr = brivelInvokeHelper( env, pDisp, 402, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.setVisible
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_setVisible__Z
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
	hr = brivelInvokeHelper( env, pDisp, 402, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.getStatusBar
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IWebBrowser2_getStatusBar
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
	hr = brivelInvokeHelper( env, pDisp, 403, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.setStatusBar
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_setStatusBar__Z
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
	hr = brivelInvokeHelper( env, pDisp, 403, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.getStatusText
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_IWebBrowser2_getStatusText
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
	hr = brivelInvokeHelper( env, pDisp, 404, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.setStatusText
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_setStatusText__Ljava_lang_String_2
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
	hr = brivelInvokeHelper( env, pDisp, 404, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.getToolBar
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IWebBrowser2_getToolBar
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
	hr = brivelInvokeHelper( env, pDisp, 405, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.setToolBar
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_setToolBar__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
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
	V_I4( &vargs[0] ) = (long) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 405, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.getMenuBar
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IWebBrowser2_getMenuBar
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
	hr = brivelInvokeHelper( env, pDisp, 406, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.setMenuBar
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_setMenuBar__Z
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
	hr = brivelInvokeHelper( env, pDisp, 406, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.getFullScreen
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IWebBrowser2_getFullScreen
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
	hr = brivelInvokeHelper( env, pDisp, 407, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.setFullScreen
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_setFullScreen__Z
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
	hr = brivelInvokeHelper( env, pDisp, 407, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.Navigate2
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_Navigate2__Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobject arg0)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[5];
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
	vargs[4].vt = VT_VARIANT;
	VariantCopy( &vargs[4], brivelGetTavoVariant( env, arg0 ));
	vargs[3].vt = VT_ERROR;
	V_I4( &vargs[3] ) = DISP_E_PARAMNOTFOUND;
	vargs[2].vt = VT_ERROR;
	V_I4( &vargs[2] ) = DISP_E_PARAMNOTFOUND;
	vargs[1].vt = VT_ERROR;
	V_I4( &vargs[1] ) = DISP_E_PARAMNOTFOUND;
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 5;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 500, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[4] );
		return;
	}
	VariantClear( &vargs[4] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.Navigate2
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_Navigate2__Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2
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
	VARIANTARG vargs[5];
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
	vargs[4].vt = VT_VARIANT;
	VariantCopy( &vargs[4], brivelGetTavoVariant( env, arg0 ));
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		VariantClear( &vargs[4] );
		return;
	}
	vargs[3].vt = VT_VARIANT;
	VariantCopy( &vargs[3], brivelGetTavoVariant( env, arg1 ));
	vargs[2].vt = VT_ERROR;
	V_I4( &vargs[2] ) = DISP_E_PARAMNOTFOUND;
	vargs[1].vt = VT_ERROR;
	V_I4( &vargs[1] ) = DISP_E_PARAMNOTFOUND;
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 5;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 500, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		return;
	}
	VariantClear( &vargs[4] );
	VariantClear( &vargs[3] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.Navigate2
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_Navigate2__Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2
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
	VARIANTARG vargs[5];
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
	vargs[4].vt = VT_VARIANT;
	VariantCopy( &vargs[4], brivelGetTavoVariant( env, arg0 ));
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		VariantClear( &vargs[4] );
		return;
	}
	vargs[3].vt = VT_VARIANT;
	VariantCopy( &vargs[3], brivelGetTavoVariant( env, arg1 ));
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		return;
	}
	vargs[2].vt = VT_VARIANT;
	VariantCopy( &vargs[2], brivelGetTavoVariant( env, arg2 ));
	vargs[1].vt = VT_ERROR;
	V_I4( &vargs[1] ) = DISP_E_PARAMNOTFOUND;
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 5;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 500, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		return;
	}
	VariantClear( &vargs[4] );
	VariantClear( &vargs[3] );
	VariantClear( &vargs[2] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.Navigate2
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_Navigate2__Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobject arg0,
	 jobject arg1,
	 jobject arg2,
	 jobject arg3)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[5];
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
	vargs[4].vt = VT_VARIANT;
	VariantCopy( &vargs[4], brivelGetTavoVariant( env, arg0 ));
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		VariantClear( &vargs[4] );
		return;
	}
	vargs[3].vt = VT_VARIANT;
	VariantCopy( &vargs[3], brivelGetTavoVariant( env, arg1 ));
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		return;
	}
	vargs[2].vt = VT_VARIANT;
	VariantCopy( &vargs[2], brivelGetTavoVariant( env, arg2 ));
	if ( arg3 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 4 is null" );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		return;
	}
	vargs[1].vt = VT_VARIANT;
	VariantCopy( &vargs[1], brivelGetTavoVariant( env, arg3 ));
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 5;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 500, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		VariantClear( &vargs[1] );
		return;
	}
	VariantClear( &vargs[4] );
	VariantClear( &vargs[3] );
	VariantClear( &vargs[2] );
	VariantClear( &vargs[1] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.Navigate2
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_Navigate2__Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobject arg0,
	 jobject arg1,
	 jobject arg2,
	 jobject arg3,
	 jobject arg4)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[5];
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
	vargs[4].vt = VT_VARIANT;
	VariantCopy( &vargs[4], brivelGetTavoVariant( env, arg0 ));
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		VariantClear( &vargs[4] );
		return;
	}
	vargs[3].vt = VT_VARIANT;
	VariantCopy( &vargs[3], brivelGetTavoVariant( env, arg1 ));
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		return;
	}
	vargs[2].vt = VT_VARIANT;
	VariantCopy( &vargs[2], brivelGetTavoVariant( env, arg2 ));
	if ( arg3 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 4 is null" );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		return;
	}
	vargs[1].vt = VT_VARIANT;
	VariantCopy( &vargs[1], brivelGetTavoVariant( env, arg3 ));
	if ( arg4 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 5 is null" );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		VariantClear( &vargs[1] );
		return;
	}
	vargs[0].vt = VT_VARIANT;
	VariantCopy( &vargs[0], brivelGetTavoVariant( env, arg4 ));
	VariantInit(&ret);
	params.cArgs = 5;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 500, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		VariantClear( &vargs[1] );
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[4] );
	VariantClear( &vargs[3] );
	VariantClear( &vargs[2] );
	VariantClear( &vargs[1] );
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.QueryStatusWB
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_IWebBrowser2_QueryStatusWB__Liexplorer_OLECMDID_2
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
	vargs[0].vt = VT_I4;
	V_I4( &vargs[0] ) = brivelEnumeratedObjectToInt( env, arg0 );
	if ( brivelCheckFatalError( env )) {
		return 0;
	}
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 501, &params, 1, &excepInfo, &argErr, &ret );
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
	return brivelIntToEnumeratedObject( env, V_INT( &ret ), "iexplorer/OLECMDF" );
}

// JNI Implementation of IWebBrowser2.ExecWB
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_ExecWB__Liexplorer_OLECMDID_2Liexplorer_OLECMDEXECOPT_2
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
	VARIANTARG vargs[4];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[3].vt = VT_I4;
	V_I4( &vargs[3] ) = brivelEnumeratedObjectToInt( env, arg0 );
	if ( brivelCheckFatalError( env )) {
		return;
	}
	vargs[2].vt = VT_I4;
	V_I4( &vargs[2] ) = brivelEnumeratedObjectToInt( env, arg1 );
	if ( brivelCheckFatalError( env )) {
		return;
	}
	vargs[1].vt = VT_ERROR;
	V_I4( &vargs[1] ) = DISP_E_PARAMNOTFOUND;
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 4;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 502, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.ExecWB
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_ExecWB__Liexplorer_OLECMDID_2Liexplorer_OLECMDEXECOPT_2Lbrivel_TavoVariant_2
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
	VARIANTARG vargs[4];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[3].vt = VT_I4;
	V_I4( &vargs[3] ) = brivelEnumeratedObjectToInt( env, arg0 );
	if ( brivelCheckFatalError( env )) {
		return;
	}
	vargs[2].vt = VT_I4;
	V_I4( &vargs[2] ) = brivelEnumeratedObjectToInt( env, arg1 );
	if ( brivelCheckFatalError( env )) {
		return;
	}
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		return;
	}
	vargs[1].vt = VT_VARIANT;
	VariantCopy( &vargs[1], brivelGetTavoVariant( env, arg2 ));
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 4;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 502, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[1] );
		return;
	}
	VariantClear( &vargs[1] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.ExecWB
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_ExecWB__Liexplorer_OLECMDID_2Liexplorer_OLECMDEXECOPT_2Lbrivel_TavoVariant_2_3Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobject arg0,
	 jobject arg1,
	 jobject arg2,
	 jobject arg3)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[4];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[3].vt = VT_I4;
	V_I4( &vargs[3] ) = brivelEnumeratedObjectToInt( env, arg0 );
	if ( brivelCheckFatalError( env )) {
		return;
	}
	vargs[2].vt = VT_I4;
	V_I4( &vargs[2] ) = brivelEnumeratedObjectToInt( env, arg1 );
	if ( brivelCheckFatalError( env )) {
		return;
	}
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		return;
	}
	vargs[1].vt = VT_VARIANT;
	VariantCopy( &vargs[1], brivelGetTavoVariant( env, arg2 ));
	if ( arg3 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Array of length 1 must be passed to retrieve out parameters, found null." );
		VariantClear( &vargs[1] );
		return;
	}
	if ( env->GetArrayLength((jarray)arg3) != 1 ) {
		env->ThrowNew( brivelFindClass( env, "brivel/TavoException" ), "Array of length 1 must be passed for OUT parameters" );
		VariantClear( &vargs[1] );
		return;
	}
	if ( env->GetObjectArrayElement((jobjectArray)arg3,0) == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 4 is null" );
		VariantClear( &vargs[1] );
		return;
	}
	vargs[0].vt = VT_BYREF | VT_VARIANT;
	V_VARIANTREF( &vargs[0 ] ) = brivelGetTavoVariant( env, env->GetObjectArrayElement((jobjectArray)arg3,0) );
	VARIANT tmpVariant3;
	VariantInit( &tmpVariant3 );
	if ( V_VARIANTREF( &vargs[0 ] ) == 0 ) {
		V_VARIANTREF( &vargs[0 ] ) = &tmpVariant3;
	}
	VariantInit(&ret);
	params.cArgs = 4;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 502, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[1] );
		VariantClear( &vargs[0] );
		VariantClear( &tmpVariant3 );
		return;
	}
	if ( SUCCEEDED( hr )) {
		env->SetObjectArrayElement((jobjectArray)arg3, 0, brivelVariantObject( env, V_VARIANTREF( &vargs[0] )));
	}
	VariantClear( &vargs[1] );
	VariantClear( &vargs[0] );
	VariantClear( &tmpVariant3 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.ShowBrowserBar
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_ShowBrowserBar__Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jobject arg0)
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
	vargs[2].vt = VT_VARIANT;
	VariantCopy( &vargs[2], brivelGetTavoVariant( env, arg0 ));
	vargs[1].vt = VT_ERROR;
	V_I4( &vargs[1] ) = DISP_E_PARAMNOTFOUND;
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 503, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[2] );
		return;
	}
	VariantClear( &vargs[2] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.ShowBrowserBar
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_ShowBrowserBar__Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2
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
	if ( arg0 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 1 is null" );
		return;
	}
	vargs[2].vt = VT_VARIANT;
	VariantCopy( &vargs[2], brivelGetTavoVariant( env, arg0 ));
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		VariantClear( &vargs[2] );
		return;
	}
	vargs[1].vt = VT_VARIANT;
	VariantCopy( &vargs[1], brivelGetTavoVariant( env, arg1 ));
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 503, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[2] );
		VariantClear( &vargs[1] );
		return;
	}
	VariantClear( &vargs[2] );
	VariantClear( &vargs[1] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.ShowBrowserBar
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_ShowBrowserBar__Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2
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
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 1 is null" );
		return;
	}
	vargs[2].vt = VT_VARIANT;
	VariantCopy( &vargs[2], brivelGetTavoVariant( env, arg0 ));
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		VariantClear( &vargs[2] );
		return;
	}
	vargs[1].vt = VT_VARIANT;
	VariantCopy( &vargs[1], brivelGetTavoVariant( env, arg1 ));
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		VariantClear( &vargs[2] );
		VariantClear( &vargs[1] );
		return;
	}
	vargs[0].vt = VT_VARIANT;
	VariantCopy( &vargs[0], brivelGetTavoVariant( env, arg2 ));
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 503, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[2] );
		VariantClear( &vargs[1] );
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[2] );
	VariantClear( &vargs[1] );
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.getReadyState
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_IWebBrowser2_getReadyState
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
	hr = brivelInvokeHelper( env, pDisp, -525, &params, 2, &excepInfo, &argErr, &ret );
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
	return brivelIntToEnumeratedObject( env, V_INT( &ret ), "iexplorer/tagREADYSTATE" );
}

// JNI Implementation of IWebBrowser2.getOffline
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IWebBrowser2_getOffline
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
	hr = brivelInvokeHelper( env, pDisp, 550, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.setOffline
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_setOffline__Z
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
	hr = brivelInvokeHelper( env, pDisp, 550, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.getSilent
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IWebBrowser2_getSilent
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
	hr = brivelInvokeHelper( env, pDisp, 551, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.setSilent
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_setSilent__Z
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
	hr = brivelInvokeHelper( env, pDisp, 551, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.getRegisterAsBrowser
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IWebBrowser2_getRegisterAsBrowser
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
	hr = brivelInvokeHelper( env, pDisp, 552, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.setRegisterAsBrowser
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_setRegisterAsBrowser__Z
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
	hr = brivelInvokeHelper( env, pDisp, 552, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.getRegisterAsDropTarget
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IWebBrowser2_getRegisterAsDropTarget
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
	hr = brivelInvokeHelper( env, pDisp, 553, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.setRegisterAsDropTarget
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_setRegisterAsDropTarget__Z
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
	hr = brivelInvokeHelper( env, pDisp, 553, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.getTheaterMode
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IWebBrowser2_getTheaterMode
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
	hr = brivelInvokeHelper( env, pDisp, 554, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.setTheaterMode
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_setTheaterMode__Z
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
	hr = brivelInvokeHelper( env, pDisp, 554, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.getAddressBar
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IWebBrowser2_getAddressBar
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
	hr = brivelInvokeHelper( env, pDisp, 555, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.setAddressBar
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_setAddressBar__Z
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
	hr = brivelInvokeHelper( env, pDisp, 555, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowser2.getResizable
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IWebBrowser2_getResizable
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
	hr = brivelInvokeHelper( env, pDisp, 556, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowser2.setResizable
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowser2_setResizable__Z
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
	hr = brivelInvokeHelper( env, pDisp, 556, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IWebBrowser2__1_1TavoLoad
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
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoIWebBrowser2, (void **) &pDisp );
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

// JNI Implementation of IShellNameSpace.MoveSelectionUp
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellNameSpace_MoveSelectionUp
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
	hr = brivelInvokeHelper( env, pDisp, 1, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellNameSpace.MoveSelectionDown
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellNameSpace_MoveSelectionDown
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
	hr = brivelInvokeHelper( env, pDisp, 2, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellNameSpace.ResetSort
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellNameSpace_ResetSort
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
	hr = brivelInvokeHelper( env, pDisp, 3, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellNameSpace.NewFolder
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellNameSpace_NewFolder
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
	hr = brivelInvokeHelper( env, pDisp, 4, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellNameSpace.Synchronize
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellNameSpace_Synchronize
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
	hr = brivelInvokeHelper( env, pDisp, 5, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellNameSpace.Import
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellNameSpace_Import
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
	hr = brivelInvokeHelper( env, pDisp, 6, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellNameSpace.Export
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellNameSpace_Export
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
	hr = brivelInvokeHelper( env, pDisp, 7, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellNameSpace.InvokeContextMenuCommand
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellNameSpace_InvokeContextMenuCommand__Ljava_lang_String_2
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

// JNI Implementation of IShellNameSpace.MoveSelectionTo
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellNameSpace_MoveSelectionTo
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
	hr = brivelInvokeHelper( env, pDisp, 9, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellNameSpace.getSubscriptionsEnabled
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IShellNameSpace_getSubscriptionsEnabled
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

// JNI Implementation of IShellNameSpace.CreateSubscriptionForSelection
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IShellNameSpace_CreateSubscriptionForSelection
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
	hr = brivelInvokeHelper( env, pDisp, 11, &params, 1, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IShellNameSpace.DeleteSubscriptionForSelection
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IShellNameSpace_DeleteSubscriptionForSelection
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
	hr = brivelInvokeHelper( env, pDisp, 12, &params, 1, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IShellNameSpace.SetRoot
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellNameSpace_SetRoot__Ljava_lang_String_2
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

// JNI Implementation of IShellNameSpace.getEnumOptions
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IShellNameSpace_getEnumOptions
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
	hr = brivelInvokeHelper( env, pDisp, 14, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IShellNameSpace.setEnumOptions
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellNameSpace_setEnumOptions__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
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
	V_I4( &vargs[0] ) = (long) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 14, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellNameSpace.getSelectedItem
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_IShellNameSpace_getSelectedItem
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
	if ( ret.vt != VT_UNKNOWN && ret.vt != VT_DISPATCH && FAILED( hr = VariantChangeType( &ret, &ret, 0, VT_UNKNOWN ))) {
		if ( ret.vt != VT_EMPTY && ret.vt != VT_NULL ) {
			VariantClear( &ret );
			brivelThrowComExceptionObject( env, hr, 0 );
			return 0;
		}
		memset( &ret, 0, sizeof ret );
	}
	jobject retobj = brivelBestUnknownToJobject( env, (IUnknown *) V_DISPATCH( &ret ), brivelIIDMap, 13);
	VariantClear( &ret );
	return retobj;
}

// JNI Implementation of IShellNameSpace.setSelectedItem
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellNameSpace_setSelectedItem__Lbrivel_TavoObject_2
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
	hr = brivelInvokeHelper( env, pDisp, 15, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		if ( temp__0 != 0 ) temp__0->Release();
		return;
	}
	if ( temp__0 != 0 ) temp__0->Release();
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellNameSpace.getRoot
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_IShellNameSpace_getRoot
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
	hr = brivelInvokeHelper( env, pDisp, 16, &params, 2, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return 0;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
		return 0;
	}
	jobject retobj = brivelVariantObject( env, &ret );
	VariantClear( &ret );
	return retobj;
}

// JNI Implementation of IShellNameSpace.setRoot
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellNameSpace_setRoot__Lbrivel_TavoVariant_2
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
	vargs[0].vt = VT_VARIANT;
	VariantCopy( &vargs[0], brivelGetTavoVariant( env, arg0 ));
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 16, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellNameSpace.getDepth
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IShellNameSpace_getDepth
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
	hr = brivelInvokeHelper( env, pDisp, 17, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IShellNameSpace.setDepth
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellNameSpace_setDepth__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
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
	V_I4( &vargs[0] ) = (long) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 17, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellNameSpace.getMode
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IShellNameSpace_getMode
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
	hr = brivelInvokeHelper( env, pDisp, 18, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IShellNameSpace.setMode
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellNameSpace_setMode__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
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
	V_I4( &vargs[0] ) = (long) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 18, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellNameSpace.getFlags
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IShellNameSpace_getFlags
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
	hr = brivelInvokeHelper( env, pDisp, 19, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IShellNameSpace.setFlags
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellNameSpace_setFlags__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
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
	V_I4( &vargs[0] ) = (long) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 19, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellNameSpace.setTVFlags
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellNameSpace_setTVFlags__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
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
	V_I4( &vargs[0] ) = (long) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 20, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellNameSpace.getTVFlags
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IShellNameSpace_getTVFlags
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
	hr = brivelInvokeHelper( env, pDisp, 20, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IShellNameSpace.getColumns
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_IShellNameSpace_getColumns
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
	hr = brivelInvokeHelper( env, pDisp, 21, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IShellNameSpace.setColumns
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellNameSpace_setColumns__Ljava_lang_String_2
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
	hr = brivelInvokeHelper( env, pDisp, 21, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellNameSpace.getCountViewTypes
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IShellNameSpace_getCountViewTypes
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
	hr = brivelInvokeHelper( env, pDisp, 22, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IShellNameSpace.SetViewType
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellNameSpace_SetViewType__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
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
	vargs[0].vt = VT_I4;
	V_I4( &vargs[0] ) = (long) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 23, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellNameSpace.SelectedItems
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_IShellNameSpace_SelectedItems
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
	hr = brivelInvokeHelper( env, pDisp, 24, &params, 1, &excepInfo, &argErr, &ret );
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
	jobject retobj = brivelBestUnknownToJobject( env, (IUnknown *) V_DISPATCH( &ret ), brivelIIDMap, 13);
	VariantClear( &ret );
	return retobj;
}

// JNI Implementation of IShellNameSpace.Expand
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellNameSpace_Expand__Lbrivel_TavoVariant_2I
	(JNIEnv * env,
	 jobject thisObj,
	 jobject arg0,
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
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	if ( arg0 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 1 is null" );
		return;
	}
	vargs[1].vt = VT_VARIANT;
	VariantCopy( &vargs[1], brivelGetTavoVariant( env, arg0 ));
	vargs[0].vt = VT_I4;
	V_I4( &vargs[0] ) = (long) arg1;
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 25, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[1] );
		return;
	}
	VariantClear( &vargs[1] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellNameSpace.UnselectAll
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellNameSpace_UnselectAll
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
	hr = brivelInvokeHelper( env, pDisp, 26, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IShellNameSpace__1_1TavoLoad
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
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoIShellNameSpace, (void **) &pDisp );
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

// JNI Implementation of IWebBrowserApp.GoBack
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowserApp_GoBack
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
	hr = brivelInvokeHelper( env, pDisp, 100, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowserApp.GoForward
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowserApp_GoForward
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
	hr = brivelInvokeHelper( env, pDisp, 101, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowserApp.GoHome
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowserApp_GoHome
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
	hr = brivelInvokeHelper( env, pDisp, 102, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowserApp.GoSearch
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowserApp_GoSearch
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
	hr = brivelInvokeHelper( env, pDisp, 103, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowserApp.Navigate
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowserApp_Navigate__Ljava_lang_String_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[5];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[4].vt = VT_BSTR;
	V_BSTR( &vargs[4] ) = brivelJstringToBstr( env, (jstring) arg0 );
	vargs[3].vt = VT_ERROR;
	V_I4( &vargs[3] ) = DISP_E_PARAMNOTFOUND;
	vargs[2].vt = VT_ERROR;
	V_I4( &vargs[2] ) = DISP_E_PARAMNOTFOUND;
	vargs[1].vt = VT_ERROR;
	V_I4( &vargs[1] ) = DISP_E_PARAMNOTFOUND;
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 5;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 104, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[4] );
		return;
	}
	VariantClear( &vargs[4] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowserApp.Navigate
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowserApp_Navigate__Ljava_lang_String_2Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jobject arg1)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[5];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[4].vt = VT_BSTR;
	V_BSTR( &vargs[4] ) = brivelJstringToBstr( env, (jstring) arg0 );
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		VariantClear( &vargs[4] );
		return;
	}
	vargs[3].vt = VT_VARIANT;
	VariantCopy( &vargs[3], brivelGetTavoVariant( env, arg1 ));
	vargs[2].vt = VT_ERROR;
	V_I4( &vargs[2] ) = DISP_E_PARAMNOTFOUND;
	vargs[1].vt = VT_ERROR;
	V_I4( &vargs[1] ) = DISP_E_PARAMNOTFOUND;
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 5;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 104, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		return;
	}
	VariantClear( &vargs[4] );
	VariantClear( &vargs[3] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowserApp.Navigate
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowserApp_Navigate__Ljava_lang_String_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jobject arg1,
	 jobject arg2)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[5];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[4].vt = VT_BSTR;
	V_BSTR( &vargs[4] ) = brivelJstringToBstr( env, (jstring) arg0 );
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		VariantClear( &vargs[4] );
		return;
	}
	vargs[3].vt = VT_VARIANT;
	VariantCopy( &vargs[3], brivelGetTavoVariant( env, arg1 ));
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		return;
	}
	vargs[2].vt = VT_VARIANT;
	VariantCopy( &vargs[2], brivelGetTavoVariant( env, arg2 ));
	vargs[1].vt = VT_ERROR;
	V_I4( &vargs[1] ) = DISP_E_PARAMNOTFOUND;
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 5;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 104, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		return;
	}
	VariantClear( &vargs[4] );
	VariantClear( &vargs[3] );
	VariantClear( &vargs[2] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowserApp.Navigate
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowserApp_Navigate__Ljava_lang_String_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jobject arg1,
	 jobject arg2,
	 jobject arg3)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[5];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[4].vt = VT_BSTR;
	V_BSTR( &vargs[4] ) = brivelJstringToBstr( env, (jstring) arg0 );
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		VariantClear( &vargs[4] );
		return;
	}
	vargs[3].vt = VT_VARIANT;
	VariantCopy( &vargs[3], brivelGetTavoVariant( env, arg1 ));
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		return;
	}
	vargs[2].vt = VT_VARIANT;
	VariantCopy( &vargs[2], brivelGetTavoVariant( env, arg2 ));
	if ( arg3 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 4 is null" );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		return;
	}
	vargs[1].vt = VT_VARIANT;
	VariantCopy( &vargs[1], brivelGetTavoVariant( env, arg3 ));
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 5;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 104, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		VariantClear( &vargs[1] );
		return;
	}
	VariantClear( &vargs[4] );
	VariantClear( &vargs[3] );
	VariantClear( &vargs[2] );
	VariantClear( &vargs[1] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowserApp.Navigate
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowserApp_Navigate__Ljava_lang_String_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jobject arg1,
	 jobject arg2,
	 jobject arg3,
	 jobject arg4)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[5];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[4].vt = VT_BSTR;
	V_BSTR( &vargs[4] ) = brivelJstringToBstr( env, (jstring) arg0 );
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		VariantClear( &vargs[4] );
		return;
	}
	vargs[3].vt = VT_VARIANT;
	VariantCopy( &vargs[3], brivelGetTavoVariant( env, arg1 ));
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		return;
	}
	vargs[2].vt = VT_VARIANT;
	VariantCopy( &vargs[2], brivelGetTavoVariant( env, arg2 ));
	if ( arg3 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 4 is null" );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		return;
	}
	vargs[1].vt = VT_VARIANT;
	VariantCopy( &vargs[1], brivelGetTavoVariant( env, arg3 ));
	if ( arg4 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 5 is null" );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		VariantClear( &vargs[1] );
		return;
	}
	vargs[0].vt = VT_VARIANT;
	VariantCopy( &vargs[0], brivelGetTavoVariant( env, arg4 ));
	VariantInit(&ret);
	params.cArgs = 5;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 104, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		VariantClear( &vargs[1] );
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[4] );
	VariantClear( &vargs[3] );
	VariantClear( &vargs[2] );
	VariantClear( &vargs[1] );
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowserApp.Refresh
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowserApp_Refresh
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
	hr = brivelInvokeHelper( env, pDisp, -550, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowserApp.Refresh2
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowserApp_Refresh2
	(JNIEnv * env, jobject thisObj)
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
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 105, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowserApp.Refresh2
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowserApp_Refresh2__Lbrivel_TavoVariant_2
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
	vargs[0].vt = VT_VARIANT;
	VariantCopy( &vargs[0], brivelGetTavoVariant( env, arg0 ));
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 105, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowserApp.Stop
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowserApp_Stop
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
	hr = brivelInvokeHelper( env, pDisp, 106, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowserApp.getApplication
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_IWebBrowserApp_getApplication
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
	hr = brivelInvokeHelper( env, pDisp, 200, &params, 2, &excepInfo, &argErr, &ret );
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
	jobject retobj = brivelBestUnknownToJobject( env, (IUnknown *) V_DISPATCH( &ret ), brivelIIDMap, 13);
	VariantClear( &ret );
	return retobj;
}

// JNI Implementation of IWebBrowserApp.getParent
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_IWebBrowserApp_getParent
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
	hr = brivelInvokeHelper( env, pDisp, 201, &params, 2, &excepInfo, &argErr, &ret );
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
	jobject retobj = brivelBestUnknownToJobject( env, (IUnknown *) V_DISPATCH( &ret ), brivelIIDMap, 13);
	VariantClear( &ret );
	return retobj;
}

// JNI Implementation of IWebBrowserApp.getContainer
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_IWebBrowserApp_getContainer
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
	hr = brivelInvokeHelper( env, pDisp, 202, &params, 2, &excepInfo, &argErr, &ret );
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
	jobject retobj = brivelBestUnknownToJobject( env, (IUnknown *) V_DISPATCH( &ret ), brivelIIDMap, 13);
	VariantClear( &ret );
	return retobj;
}

// JNI Implementation of IWebBrowserApp.getDocument
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_IWebBrowserApp_getDocument
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
	hr = brivelInvokeHelper( env, pDisp, 203, &params, 2, &excepInfo, &argErr, &ret );
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
	jobject retobj = brivelBestUnknownToJobject( env, (IUnknown *) V_DISPATCH( &ret ), brivelIIDMap, 13);
	VariantClear( &ret );
	return retobj;
}

// JNI Implementation of IWebBrowserApp.getTopLevelContainer
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IWebBrowserApp_getTopLevelContainer
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
	hr = brivelInvokeHelper( env, pDisp, 204, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowserApp.getType
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_IWebBrowserApp_getType
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
	hr = brivelInvokeHelper( env, pDisp, 205, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowserApp.getLeft
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IWebBrowserApp_getLeft
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
	hr = brivelInvokeHelper( env, pDisp, 206, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowserApp.setLeft
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowserApp_setLeft__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
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
	V_I4( &vargs[0] ) = (long) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 206, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowserApp.getTop
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IWebBrowserApp_getTop
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
	hr = brivelInvokeHelper( env, pDisp, 207, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowserApp.setTop
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowserApp_setTop__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
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
	V_I4( &vargs[0] ) = (long) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 207, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowserApp.getWidth
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IWebBrowserApp_getWidth
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
	hr = brivelInvokeHelper( env, pDisp, 208, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowserApp.setWidth
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowserApp_setWidth__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
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
	V_I4( &vargs[0] ) = (long) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 208, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowserApp.getHeight
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IWebBrowserApp_getHeight
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
	hr = brivelInvokeHelper( env, pDisp, 209, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowserApp.setHeight
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowserApp_setHeight__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
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
	V_I4( &vargs[0] ) = (long) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 209, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowserApp.getLocationName
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_IWebBrowserApp_getLocationName
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
	hr = brivelInvokeHelper( env, pDisp, 210, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowserApp.getLocationURL
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_IWebBrowserApp_getLocationURL
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
	hr = brivelInvokeHelper( env, pDisp, 211, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowserApp.getBusy
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IWebBrowserApp_getBusy
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
	hr = brivelInvokeHelper( env, pDisp, 212, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowserApp.Quit
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowserApp_Quit
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
	hr = brivelInvokeHelper( env, pDisp, 300, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowserApp.ClientToWindow
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowserApp_ClientToWindow___3I_3I
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
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Array of length 1 must be passed to retrieve out parameters, found null." );
		return;
	}
	if ( env->GetArrayLength((jarray)arg0) != 1 ) {
		env->ThrowNew( brivelFindClass( env, "brivel/TavoException" ), "Array of length 1 must be passed for OUT parameters" );
		return;
	}
	jint * arg0__arrayBuf = env->GetIntArrayElements( (jintArray) arg0, NULL );
	vargs[1].vt = VT_BYREF | VT_I4;
	V_I4REF( &vargs[1] ) = (long *) &arg0__arrayBuf[0];
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Array of length 1 must be passed to retrieve out parameters, found null." );
		env->ReleaseIntArrayElements( (jintArray) arg0, arg0__arrayBuf, 0 );
		return;
	}
	if ( env->GetArrayLength((jarray)arg1) != 1 ) {
		env->ThrowNew( brivelFindClass( env, "brivel/TavoException" ), "Array of length 1 must be passed for OUT parameters" );
		env->ReleaseIntArrayElements( (jintArray) arg0, arg0__arrayBuf, 0 );
		return;
	}
	jint * arg1__arrayBuf = env->GetIntArrayElements( (jintArray) arg1, NULL );
	vargs[0].vt = VT_BYREF | VT_I4;
	V_I4REF( &vargs[0] ) = (long *) &arg1__arrayBuf[0];
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 301, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		env->ReleaseIntArrayElements( (jintArray) arg0, arg0__arrayBuf, 0 );
		env->ReleaseIntArrayElements( (jintArray) arg1, arg1__arrayBuf, 0 );
		return;
	}
	env->ReleaseIntArrayElements( (jintArray) arg0, arg0__arrayBuf, 0 );
	env->ReleaseIntArrayElements( (jintArray) arg1, arg1__arrayBuf, 0 );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowserApp.PutProperty
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowserApp_PutProperty__Ljava_lang_String_2Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
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
	vargs[1].vt = VT_BSTR;
	V_BSTR( &vargs[1] ) = brivelJstringToBstr( env, (jstring) arg0 );
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		VariantClear( &vargs[1] );
		return;
	}
	vargs[0].vt = VT_VARIANT;
	VariantCopy( &vargs[0], brivelGetTavoVariant( env, arg1 ));
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 302, &params, 1, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowserApp.GetProperty
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_IWebBrowserApp_GetProperty__Ljava_lang_String_2
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
	hr = brivelInvokeHelper( env, pDisp, 303, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return 0;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
		return 0;
	}
	jobject retobj = brivelVariantObject( env, &ret );
	VariantClear( &ret );
	return retobj;
}

// JNI Implementation of IWebBrowserApp.getName
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_IWebBrowserApp_getName
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
	hr = brivelInvokeHelper( env, pDisp, 0, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowserApp.getHWND
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IWebBrowserApp_getHWND
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
	hr = brivelInvokeHelper( env, pDisp, -515, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowserApp.getFullName
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_IWebBrowserApp_getFullName
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
	hr = brivelInvokeHelper( env, pDisp, 400, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowserApp.getPath
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_IWebBrowserApp_getPath
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
	hr = brivelInvokeHelper( env, pDisp, 401, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowserApp.getVisible
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IWebBrowserApp_getVisible
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
	hr = brivelInvokeHelper( env, pDisp, 402, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowserApp.setVisible
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowserApp_setVisible__Z
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
	hr = brivelInvokeHelper( env, pDisp, 402, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowserApp.getStatusBar
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IWebBrowserApp_getStatusBar
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
	hr = brivelInvokeHelper( env, pDisp, 403, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowserApp.setStatusBar
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowserApp_setStatusBar__Z
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
	hr = brivelInvokeHelper( env, pDisp, 403, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowserApp.getStatusText
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_IWebBrowserApp_getStatusText
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
	hr = brivelInvokeHelper( env, pDisp, 404, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowserApp.setStatusText
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowserApp_setStatusText__Ljava_lang_String_2
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
	hr = brivelInvokeHelper( env, pDisp, 404, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowserApp.getToolBar
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IWebBrowserApp_getToolBar
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
	hr = brivelInvokeHelper( env, pDisp, 405, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowserApp.setToolBar
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowserApp_setToolBar__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
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
	V_I4( &vargs[0] ) = (long) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 405, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowserApp.getMenuBar
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IWebBrowserApp_getMenuBar
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
	hr = brivelInvokeHelper( env, pDisp, 406, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowserApp.setMenuBar
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowserApp_setMenuBar__Z
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
	hr = brivelInvokeHelper( env, pDisp, 406, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IWebBrowserApp.getFullScreen
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IWebBrowserApp_getFullScreen
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
	hr = brivelInvokeHelper( env, pDisp, 407, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IWebBrowserApp.setFullScreen
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IWebBrowserApp_setFullScreen__Z
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
	hr = brivelInvokeHelper( env, pDisp, 407, &params, 4, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IWebBrowserApp__1_1TavoLoad
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
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoIWebBrowserApp, (void **) &pDisp );
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

class DShellNameSpaceEventsHandlerImpl : public IDispatch {
	jobject brvJavaObject;
	bool serverSide;
	jstring interfaceName;
	long brvRef;
public:
	DShellNameSpaceEventsHandlerImpl( jobject obj ) : interfaceName(NULL), serverSide(false), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) {}

	DShellNameSpaceEventsHandlerImpl( jstring intf, jobject obj ) : interfaceName(intf), serverSide(true), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) {}

	virtual HRESULT STDMETHODCALLTYPE QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject);
	virtual ULONG STDMETHODCALLTYPE AddRef( void);
	virtual ULONG STDMETHODCALLTYPE Release( void);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfoCount( UINT __RPC_FAR *pctinfo);
	virtual HRESULT STDMETHODCALLTYPE GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo);
	virtual HRESULT STDMETHODCALLTYPE GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId);
	virtual HRESULT STDMETHODCALLTYPE Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS __RPC_FAR *pDispParams, VARIANT __RPC_FAR *pVarResult, EXCEPINFO __RPC_FAR *pExcepInfo, UINT __RPC_FAR *puArgErr);
};


HRESULT STDMETHODCALLTYPE DShellNameSpaceEventsHandlerImpl::QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject)
{
	if ( riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_ITavoDShellNameSpaceEvents ) {
		*ppvObject = this;
		AddRef();
		return S_OK;
	}
	if ( riid == IID_BrivelQueryIID ) {
		*ppvObject = (void *) &IID_ITavoDShellNameSpaceEvents;
		return S_OK;
	}
	*ppvObject = NULL;
	return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE DShellNameSpaceEventsHandlerImpl::AddRef( void )
{
	return InterlockedIncrement( &brvRef );
}

ULONG STDMETHODCALLTYPE DShellNameSpaceEventsHandlerImpl::Release( void )
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

HRESULT STDMETHODCALLTYPE DShellNameSpaceEventsHandlerImpl::GetTypeInfoCount( UINT __RPC_FAR *pctinfo)
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE DShellNameSpaceEventsHandlerImpl::GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo )
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE DShellNameSpaceEventsHandlerImpl::GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId)
{
	return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE DShellNameSpaceEventsHandlerImpl::Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
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
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "FavoritesSelectionChange", "(IILjava/lang/String;Ljava/lang/String;ILjava/lang/String;I)V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "FavoritesSelectionChange";
		int eventParamIndex0 = brivelGetParamIndex(0,pDispParams,7);
		if ( eventParamIndex0 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "FavoritesSelectionChange", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex1 = brivelGetParamIndex(1,pDispParams,7);
		if ( eventParamIndex1 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "FavoritesSelectionChange", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex2 = brivelGetParamIndex(2,pDispParams,7);
		if ( eventParamIndex2 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "FavoritesSelectionChange", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex3 = brivelGetParamIndex(3,pDispParams,7);
		if ( eventParamIndex3 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "FavoritesSelectionChange", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex4 = brivelGetParamIndex(4,pDispParams,7);
		if ( eventParamIndex4 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "FavoritesSelectionChange", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex5 = brivelGetParamIndex(5,pDispParams,7);
		if ( eventParamIndex5 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "FavoritesSelectionChange", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		int eventParamIndex6 = brivelGetParamIndex(6,pDispParams,7);
		if ( eventParamIndex6 < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "FavoritesSelectionChange", "Argument count mismatch", DISP_E_BADPARAMCOUNT );
		VARIANTARG brivelArgs[7];
		VARIANTARG brivelOwnArgs[7];
		for ( int brivelArg = 0; brivelArg < 7; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );
		int brivelBadArg = -1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex0], VT_I4, &brivelOwnArgs[0], &brivelArgs[0] ))) brivelBadArg = eventParamIndex0;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex1], VT_I4, &brivelOwnArgs[1], &brivelArgs[1] ))) brivelBadArg = eventParamIndex1;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex2], VT_BSTR, &brivelOwnArgs[2], &brivelArgs[2] ))) brivelBadArg = eventParamIndex2;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex3], VT_BSTR, &brivelOwnArgs[3], &brivelArgs[3] ))) brivelBadArg = eventParamIndex3;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex4], VT_I4, &brivelOwnArgs[4], &brivelArgs[4] ))) brivelBadArg = eventParamIndex4;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex5], VT_BSTR, &brivelOwnArgs[5], &brivelArgs[5] ))) brivelBadArg = eventParamIndex5;
		if ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex6], VT_I4, &brivelOwnArgs[6], &brivelArgs[6] ))) brivelBadArg = eventParamIndex6;
		if ( brivelBadArg >= 0 ) {
			for ( int brivelArg = 0; brivelArg < 7; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
			if ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;
			return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, "FavoritesSelectionChange", "Argument type mismatch", DISP_E_TYPEMISMATCH );
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
		jstring jstrEventArg_2 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex2] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jstring jstrEventArg_3 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex3] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		jstring jstrEventArg_5 = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex5] ));
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); brivelJniEnv->ExceptionClear(); }
		if ( brivelUnmade != NULL ) {
			brivelJniEnv->Throw( brivelUnmade );
			brivelJniEnv->DeleteLocalRef( brivelUnmade );
		}
		if ( brivelMethod != NULL && brivelError == NULL && brivelUnmade == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex1] )
			, jstrEventArg_2
			, jstrEventArg_3
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex4] )
			, jstrEventArg_5
			, (jint) V_I4( &pDispParams->rgvarg[eventParamIndex6] )
		);
		if ( serverSide && brivelError == NULL && brivelUnmade == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 7, 0, "void", "FavoritesSelectionChange"
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex0] )
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex1] )
			, false, "java.lang.String", jstrEventArg_2
			, false, "java.lang.String", jstrEventArg_3
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex4] )
			, false, "java.lang.String", jstrEventArg_5
			, false, "int", (jint) V_I4( &pDispParams->rgvarg[eventParamIndex6] )
		);
		if ( jstrEventArg_2 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_2 );
		if ( jstrEventArg_3 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_3 );
		if ( jstrEventArg_5 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_5 );
		for ( int brivelArg = 0; brivelArg < 7; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );
	}
	if ( dispIdMember == 2 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "SelectionChange", "()V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "SelectionChange";
		if ( brivelMethod != NULL && brivelError == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod );
		if ( serverSide && brivelError == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 0, 0, "void", "SelectionChange" );
	}
	if ( dispIdMember == 3 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "DoubleClick", "()V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "DoubleClick";
		if ( brivelMethod != NULL && brivelError == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod );
		if ( serverSide && brivelError == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 0, 0, "void", "DoubleClick" );
	}
	if ( dispIdMember == 4 ) {
		jmethodID brivelMethod = NULL;
		if ( ! serverSide ) {
			jclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);
			brivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, "Initialized", "()V");
			brivelJniEnv->DeleteLocalRef( brivelListenerClass );
			if ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();
			if ( brivelMethod == NULL && brivelError == NULL ) brivelError = "Unable to locate method";
		}
		brivelFnName = "Initialized";
		if ( brivelMethod != NULL && brivelError == NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod );
		if ( serverSide && brivelError == NULL ) OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, 0, 0, "void", "Initialized" );
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

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_DShellNameSpaceEvents__1_1TavoLoad
	(JNIEnv * env, jobject thisObj, jobject obj, jboolean initial )
{
	HRESULT ret;
	IUnknown * pUnk;
	IDispatch * pDisp;
	brivelInitThread( env );
	if ( obj == 0 ) return 0;
	pUnk = (IUnknown *) env->GetIntField( obj, brivelGetComId());
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoDShellNameSpaceEvents, (void **) &pDisp );
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

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_DShellNameSpaceEvents__1_1TavoEventListenerInit
	(JNIEnv * env, jobject thisObj )
{
	brivelInitThread( env );
	DShellNameSpaceEventsHandlerImpl * sink = 0;
	try {
		sink = new DShellNameSpaceEventsHandlerImpl( thisObj );
	} catch ( ... ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/OutOfMemoryError" ), "event sink" );
		return 0;
	}
	env->SetIntField( thisObj, brivelGetEventId(), (jint) sink );
	return 1;
}

// JNI Implementation of IShellUIHelper.ResetFirstBootMode
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellUIHelper_ResetFirstBootMode
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
	hr = brivelInvokeHelper( env, pDisp, 1, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellUIHelper.ResetSafeMode
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellUIHelper_ResetSafeMode
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
	hr = brivelInvokeHelper( env, pDisp, 2, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellUIHelper.RefreshOfflineDesktop
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellUIHelper_RefreshOfflineDesktop
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
	hr = brivelInvokeHelper( env, pDisp, 3, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellUIHelper.AddFavorite
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellUIHelper_AddFavorite__Ljava_lang_String_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0)
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
	vargs[1].vt = VT_BSTR;
	V_BSTR( &vargs[1] ) = brivelJstringToBstr( env, (jstring) arg0 );
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 4, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[1] );
		return;
	}
	VariantClear( &vargs[1] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellUIHelper.AddFavorite
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellUIHelper_AddFavorite__Ljava_lang_String_2Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
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
	vargs[1].vt = VT_BSTR;
	V_BSTR( &vargs[1] ) = brivelJstringToBstr( env, (jstring) arg0 );
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		VariantClear( &vargs[1] );
		return;
	}
	vargs[0].vt = VT_VARIANT;
	VariantCopy( &vargs[0], brivelGetTavoVariant( env, arg1 ));
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 4, &params, 1, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IShellUIHelper.AddChannel
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellUIHelper_AddChannel__Ljava_lang_String_2
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
	hr = brivelInvokeHelper( env, pDisp, 5, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellUIHelper.AddDesktopComponent
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellUIHelper_AddDesktopComponent__Ljava_lang_String_2Ljava_lang_String_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jstring arg1)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[6];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[5].vt = VT_BSTR;
	V_BSTR( &vargs[5] ) = brivelJstringToBstr( env, (jstring) arg0 );
	vargs[4].vt = VT_BSTR;
	V_BSTR( &vargs[4] ) = brivelJstringToBstr( env, (jstring) arg1 );
	vargs[3].vt = VT_ERROR;
	V_I4( &vargs[3] ) = DISP_E_PARAMNOTFOUND;
	vargs[2].vt = VT_ERROR;
	V_I4( &vargs[2] ) = DISP_E_PARAMNOTFOUND;
	vargs[1].vt = VT_ERROR;
	V_I4( &vargs[1] ) = DISP_E_PARAMNOTFOUND;
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 6;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 6, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[5] );
		VariantClear( &vargs[4] );
		return;
	}
	VariantClear( &vargs[5] );
	VariantClear( &vargs[4] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellUIHelper.AddDesktopComponent
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellUIHelper_AddDesktopComponent__Ljava_lang_String_2Ljava_lang_String_2Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jstring arg1,
	 jobject arg2)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[6];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[5].vt = VT_BSTR;
	V_BSTR( &vargs[5] ) = brivelJstringToBstr( env, (jstring) arg0 );
	vargs[4].vt = VT_BSTR;
	V_BSTR( &vargs[4] ) = brivelJstringToBstr( env, (jstring) arg1 );
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		VariantClear( &vargs[5] );
		VariantClear( &vargs[4] );
		return;
	}
	vargs[3].vt = VT_VARIANT;
	VariantCopy( &vargs[3], brivelGetTavoVariant( env, arg2 ));
	vargs[2].vt = VT_ERROR;
	V_I4( &vargs[2] ) = DISP_E_PARAMNOTFOUND;
	vargs[1].vt = VT_ERROR;
	V_I4( &vargs[1] ) = DISP_E_PARAMNOTFOUND;
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 6;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 6, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[5] );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		return;
	}
	VariantClear( &vargs[5] );
	VariantClear( &vargs[4] );
	VariantClear( &vargs[3] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellUIHelper.AddDesktopComponent
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellUIHelper_AddDesktopComponent__Ljava_lang_String_2Ljava_lang_String_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jstring arg1,
	 jobject arg2,
	 jobject arg3)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[6];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[5].vt = VT_BSTR;
	V_BSTR( &vargs[5] ) = brivelJstringToBstr( env, (jstring) arg0 );
	vargs[4].vt = VT_BSTR;
	V_BSTR( &vargs[4] ) = brivelJstringToBstr( env, (jstring) arg1 );
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		VariantClear( &vargs[5] );
		VariantClear( &vargs[4] );
		return;
	}
	vargs[3].vt = VT_VARIANT;
	VariantCopy( &vargs[3], brivelGetTavoVariant( env, arg2 ));
	if ( arg3 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 4 is null" );
		VariantClear( &vargs[5] );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		return;
	}
	vargs[2].vt = VT_VARIANT;
	VariantCopy( &vargs[2], brivelGetTavoVariant( env, arg3 ));
	vargs[1].vt = VT_ERROR;
	V_I4( &vargs[1] ) = DISP_E_PARAMNOTFOUND;
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 6;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 6, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[5] );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		return;
	}
	VariantClear( &vargs[5] );
	VariantClear( &vargs[4] );
	VariantClear( &vargs[3] );
	VariantClear( &vargs[2] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellUIHelper.AddDesktopComponent
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellUIHelper_AddDesktopComponent__Ljava_lang_String_2Ljava_lang_String_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jstring arg1,
	 jobject arg2,
	 jobject arg3,
	 jobject arg4)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[6];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[5].vt = VT_BSTR;
	V_BSTR( &vargs[5] ) = brivelJstringToBstr( env, (jstring) arg0 );
	vargs[4].vt = VT_BSTR;
	V_BSTR( &vargs[4] ) = brivelJstringToBstr( env, (jstring) arg1 );
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		VariantClear( &vargs[5] );
		VariantClear( &vargs[4] );
		return;
	}
	vargs[3].vt = VT_VARIANT;
	VariantCopy( &vargs[3], brivelGetTavoVariant( env, arg2 ));
	if ( arg3 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 4 is null" );
		VariantClear( &vargs[5] );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		return;
	}
	vargs[2].vt = VT_VARIANT;
	VariantCopy( &vargs[2], brivelGetTavoVariant( env, arg3 ));
	if ( arg4 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 5 is null" );
		VariantClear( &vargs[5] );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		return;
	}
	vargs[1].vt = VT_VARIANT;
	VariantCopy( &vargs[1], brivelGetTavoVariant( env, arg4 ));
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 6;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 6, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[5] );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		VariantClear( &vargs[1] );
		return;
	}
	VariantClear( &vargs[5] );
	VariantClear( &vargs[4] );
	VariantClear( &vargs[3] );
	VariantClear( &vargs[2] );
	VariantClear( &vargs[1] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellUIHelper.AddDesktopComponent
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellUIHelper_AddDesktopComponent__Ljava_lang_String_2Ljava_lang_String_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jstring arg1,
	 jobject arg2,
	 jobject arg3,
	 jobject arg4,
	 jobject arg5)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[6];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[5].vt = VT_BSTR;
	V_BSTR( &vargs[5] ) = brivelJstringToBstr( env, (jstring) arg0 );
	vargs[4].vt = VT_BSTR;
	V_BSTR( &vargs[4] ) = brivelJstringToBstr( env, (jstring) arg1 );
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		VariantClear( &vargs[5] );
		VariantClear( &vargs[4] );
		return;
	}
	vargs[3].vt = VT_VARIANT;
	VariantCopy( &vargs[3], brivelGetTavoVariant( env, arg2 ));
	if ( arg3 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 4 is null" );
		VariantClear( &vargs[5] );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		return;
	}
	vargs[2].vt = VT_VARIANT;
	VariantCopy( &vargs[2], brivelGetTavoVariant( env, arg3 ));
	if ( arg4 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 5 is null" );
		VariantClear( &vargs[5] );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		return;
	}
	vargs[1].vt = VT_VARIANT;
	VariantCopy( &vargs[1], brivelGetTavoVariant( env, arg4 ));
	if ( arg5 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 6 is null" );
		VariantClear( &vargs[5] );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		VariantClear( &vargs[1] );
		return;
	}
	vargs[0].vt = VT_VARIANT;
	VariantCopy( &vargs[0], brivelGetTavoVariant( env, arg5 ));
	VariantInit(&ret);
	params.cArgs = 6;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 6, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[5] );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		VariantClear( &vargs[1] );
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[5] );
	VariantClear( &vargs[4] );
	VariantClear( &vargs[3] );
	VariantClear( &vargs[2] );
	VariantClear( &vargs[1] );
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellUIHelper.IsSubscribed
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IShellUIHelper_IsSubscribed__Ljava_lang_String_2
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
	hr = brivelInvokeHelper( env, pDisp, 7, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return 0;
	}
	VariantClear( &vargs[0] );
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

// JNI Implementation of IShellUIHelper.NavigateAndFind
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellUIHelper_NavigateAndFind__Ljava_lang_String_2Ljava_lang_String_2Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jstring arg1,
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
	vargs[2].vt = VT_BSTR;
	V_BSTR( &vargs[2] ) = brivelJstringToBstr( env, (jstring) arg0 );
	vargs[1].vt = VT_BSTR;
	V_BSTR( &vargs[1] ) = brivelJstringToBstr( env, (jstring) arg1 );
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		VariantClear( &vargs[2] );
		VariantClear( &vargs[1] );
		return;
	}
	vargs[0].vt = VT_VARIANT;
	VariantCopy( &vargs[0], brivelGetTavoVariant( env, arg2 ));
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 8, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[2] );
		VariantClear( &vargs[1] );
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[2] );
	VariantClear( &vargs[1] );
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellUIHelper.ImportExportFavorites
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellUIHelper_ImportExportFavorites__ZLjava_lang_String_2
	(JNIEnv * env,
	 jobject thisObj,
	 jboolean arg0,
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
	vargs[1].vt = VT_BOOL;
	V_BOOL( &vargs[1] ) = arg0 ? 0xFFFF : 0;
	vargs[0].vt = VT_BSTR;
	V_BSTR( &vargs[0] ) = brivelJstringToBstr( env, (jstring) arg1 );
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 9, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellUIHelper.AutoCompleteSaveForm
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellUIHelper_AutoCompleteSaveForm
	(JNIEnv * env, jobject thisObj)
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
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 10, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellUIHelper.AutoCompleteSaveForm
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellUIHelper_AutoCompleteSaveForm__Lbrivel_TavoVariant_2
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
	vargs[0].vt = VT_VARIANT;
	VariantCopy( &vargs[0], brivelGetTavoVariant( env, arg0 ));
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 10, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellUIHelper.AutoScan
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellUIHelper_AutoScan__Ljava_lang_String_2Ljava_lang_String_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jstring arg1)
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
	vargs[2].vt = VT_BSTR;
	V_BSTR( &vargs[2] ) = brivelJstringToBstr( env, (jstring) arg0 );
	vargs[1].vt = VT_BSTR;
	V_BSTR( &vargs[1] ) = brivelJstringToBstr( env, (jstring) arg1 );
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 11, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[2] );
		VariantClear( &vargs[1] );
		return;
	}
	VariantClear( &vargs[2] );
	VariantClear( &vargs[1] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellUIHelper.AutoScan
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellUIHelper_AutoScan__Ljava_lang_String_2Ljava_lang_String_2Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
	 jstring arg1,
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
	vargs[2].vt = VT_BSTR;
	V_BSTR( &vargs[2] ) = brivelJstringToBstr( env, (jstring) arg0 );
	vargs[1].vt = VT_BSTR;
	V_BSTR( &vargs[1] ) = brivelJstringToBstr( env, (jstring) arg1 );
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		VariantClear( &vargs[2] );
		VariantClear( &vargs[1] );
		return;
	}
	vargs[0].vt = VT_VARIANT;
	VariantCopy( &vargs[0], brivelGetTavoVariant( env, arg2 ));
	VariantInit(&ret);
	params.cArgs = 3;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 11, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[2] );
		VariantClear( &vargs[1] );
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[2] );
	VariantClear( &vargs[1] );
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellUIHelper.AutoCompleteAttach
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellUIHelper_AutoCompleteAttach
	(JNIEnv * env, jobject thisObj)
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
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 12, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellUIHelper.AutoCompleteAttach
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellUIHelper_AutoCompleteAttach__Lbrivel_TavoVariant_2
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
	vargs[0].vt = VT_VARIANT;
	VariantCopy( &vargs[0], brivelGetTavoVariant( env, arg0 ));
	VariantInit(&ret);
	params.cArgs = 1;
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

// JNI Implementation of IShellUIHelper.ShowBrowserUI
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_IShellUIHelper_ShowBrowserUI__Ljava_lang_String_2Lbrivel_TavoVariant_2
	(JNIEnv * env,
	 jobject thisObj,
	 jstring arg0,
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
	vargs[1].vt = VT_BSTR;
	V_BSTR( &vargs[1] ) = brivelJstringToBstr( env, (jstring) arg0 );
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		VariantClear( &vargs[1] );
		return 0;
	}
	vargs[0].vt = VT_VARIANT;
	VariantCopy( &vargs[0], brivelGetTavoVariant( env, arg1 ));
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 13, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[1] );
		VariantClear( &vargs[0] );
		return 0;
	}
	VariantClear( &vargs[1] );
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
		return 0;
	}
	jobject retobj = brivelVariantObject( env, &ret );
	VariantClear( &ret );
	return retobj;
}

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IShellUIHelper__1_1TavoLoad
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
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoIShellUIHelper, (void **) &pDisp );
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

// JNI Implementation of IShellWindows.getCount
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IShellWindows_getCount
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
	hr = brivelInvokeHelper( env, pDisp, 1610743808, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IShellWindows.Item
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_IShellWindows_Item
	(JNIEnv * env, jobject thisObj)
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
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 0, &params, 1, &excepInfo, &argErr, &ret );
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
	jobject retobj = brivelBestUnknownToJobject( env, (IUnknown *) V_DISPATCH( &ret ), brivelIIDMap, 13);
	VariantClear( &ret );
	return retobj;
}

// JNI Implementation of IShellWindows.Item
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_IShellWindows_Item__Lbrivel_TavoVariant_2
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
	vargs[0].vt = VT_VARIANT;
	VariantCopy( &vargs[0], brivelGetTavoVariant( env, arg0 ));
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 0, &params, 1, &excepInfo, &argErr, &ret );
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
	jobject retobj = brivelBestUnknownToJobject( env, (IUnknown *) V_DISPATCH( &ret ), brivelIIDMap, 13);
	VariantClear( &ret );
	return retobj;
}

// JNI Implementation of IShellWindows.brivelEnumerator
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellWindows_brivelEnumerator__Lbrivel_TavoIterator_2
	(JNIEnv * env, jobject thisObj, jobject receiver )
{
	brivelProcessEnumeration( env, thisObj, receiver, -4, 4 );
	brivelCheckFatalError( env );
}
// JNI Implementation of IShellWindows.Register
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellWindows_Register__Lbrivel_TavoObject_2II_3I
	(JNIEnv * env,
	 jobject thisObj,
	 jobject arg0,
	 jint arg1,
	 jint arg2,
	 jobject arg3)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[4];
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
	vargs[3].vt = VT_DISPATCH;
	IDispatch * temp__0 = 0;
	IUnknown * unk__0 = (IUnknown *) env->GetIntField( arg0, brivelGetComId());
	if ( unk__0 != 0 && FAILED( unk__0->QueryInterface( IID_IDispatch, (void **) &temp__0 ))) {
		vargs[3].vt = VT_UNKNOWN;
		temp__0 = (IDispatch *) unk__0;
		temp__0->AddRef();
	}
	V_DISPATCH( &vargs[3] ) = temp__0;
	vargs[2].vt = VT_I4;
	V_I4( &vargs[2] ) = (long) arg1;
	vargs[1].vt = VT_I4;
	V_I4( &vargs[1] ) = (long) arg2;
	if ( arg3 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Array of length 1 must be passed to retrieve out parameters, found null." );
		if ( temp__0 != 0 ) temp__0->Release();
		return;
	}
	if ( env->GetArrayLength((jarray)arg3) != 1 ) {
		env->ThrowNew( brivelFindClass( env, "brivel/TavoException" ), "Array of length 1 must be passed for OUT parameters" );
		if ( temp__0 != 0 ) temp__0->Release();
		return;
	}
	jint * arg3__arrayBuf = env->GetIntArrayElements( (jintArray) arg3, NULL );
	if ( arg3__arrayBuf != 0 ) arg3__arrayBuf[0] = 0;
	vargs[0].vt = VT_BYREF | VT_I4;
	V_I4REF( &vargs[0] ) = (long *) &arg3__arrayBuf[0];
	VariantInit(&ret);
	params.cArgs = 4;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 1610743811, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		if ( temp__0 != 0 ) temp__0->Release();
		env->ReleaseIntArrayElements( (jintArray) arg3, arg3__arrayBuf, 0 );
		return;
	}
	env->ReleaseIntArrayElements( (jintArray) arg3, arg3__arrayBuf, 0 );
	if ( temp__0 != 0 ) temp__0->Release();
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellWindows.RegisterPending
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellWindows_RegisterPending__ILbrivel_TavoVariant_2Lbrivel_TavoVariant_2I_3I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0,
	 jobject arg1,
	 jobject arg2,
	 jint arg3,
	 jobject arg4)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[5];
	if ( pDisp == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Uninitialized TavoObject" );
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[4].vt = VT_I4;
	V_I4( &vargs[4] ) = (long) arg0;
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		return;
	}
	vargs[3].vt = VT_VARIANT;
	VariantCopy( &vargs[3], brivelGetTavoVariant( env, arg1 ));
	if ( arg2 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 3 is null" );
		VariantClear( &vargs[3] );
		return;
	}
	vargs[2].vt = VT_VARIANT;
	VariantCopy( &vargs[2], brivelGetTavoVariant( env, arg2 ));
	vargs[1].vt = VT_I4;
	V_I4( &vargs[1] ) = (long) arg3;
	if ( arg4 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Array of length 1 must be passed to retrieve out parameters, found null." );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		return;
	}
	if ( env->GetArrayLength((jarray)arg4) != 1 ) {
		env->ThrowNew( brivelFindClass( env, "brivel/TavoException" ), "Array of length 1 must be passed for OUT parameters" );
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		return;
	}
	jint * arg4__arrayBuf = env->GetIntArrayElements( (jintArray) arg4, NULL );
	if ( arg4__arrayBuf != 0 ) arg4__arrayBuf[0] = 0;
	vargs[0].vt = VT_BYREF | VT_I4;
	V_I4REF( &vargs[0] ) = (long *) &arg4__arrayBuf[0];
	VariantInit(&ret);
	params.cArgs = 5;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 1610743812, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[3] );
		VariantClear( &vargs[2] );
		env->ReleaseIntArrayElements( (jintArray) arg4, arg4__arrayBuf, 0 );
		return;
	}
	env->ReleaseIntArrayElements( (jintArray) arg4, arg4__arrayBuf, 0 );
	VariantClear( &vargs[3] );
	VariantClear( &vargs[2] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellWindows.Revoke
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellWindows_Revoke__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
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
	vargs[0].vt = VT_I4;
	V_I4( &vargs[0] ) = (long) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 1610743813, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellWindows.OnNavigate
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellWindows_OnNavigate__ILbrivel_TavoVariant_2
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
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		return;
	}
	vargs[0].vt = VT_VARIANT;
	VariantCopy( &vargs[0], brivelGetTavoVariant( env, arg1 ));
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 1610743814, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[0] );
		return;
	}
	VariantClear( &vargs[0] );
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellWindows.OnActivated
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellWindows_OnActivated__IZ
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0,
	 jboolean arg1)
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
	vargs[0].vt = VT_BOOL;
	V_BOOL( &vargs[0] ) = arg1 ? 0xFFFF : 0;
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 1610743815, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellWindows.FindWindowSW
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_IShellWindows_FindWindowSW__Lbrivel_TavoVariant_2Lbrivel_TavoVariant_2I_3II
	(JNIEnv * env,
	 jobject thisObj,
	 jobject arg0,
	 jobject arg1,
	 jint arg2,
	 jobject arg3,
	 jint arg4)
{
	DISPPARAMS params;
	unsigned int argErr;
	VARIANT ret;
	HRESULT hr;
	IDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );
	VARIANTARG vargs[5];
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
	vargs[4].vt = VT_VARIANT;
	VariantCopy( &vargs[4], brivelGetTavoVariant( env, arg0 ));
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		VariantClear( &vargs[4] );
		return 0;
	}
	vargs[3].vt = VT_VARIANT;
	VariantCopy( &vargs[3], brivelGetTavoVariant( env, arg1 ));
	vargs[2].vt = VT_I4;
	V_I4( &vargs[2] ) = (long) arg2;
	if ( arg3 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Array of length 1 must be passed to retrieve out parameters, found null." );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		return 0;
	}
	if ( env->GetArrayLength((jarray)arg3) != 1 ) {
		env->ThrowNew( brivelFindClass( env, "brivel/TavoException" ), "Array of length 1 must be passed for OUT parameters" );
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		return 0;
	}
	jint * arg3__arrayBuf = env->GetIntArrayElements( (jintArray) arg3, NULL );
	if ( arg3__arrayBuf != 0 ) arg3__arrayBuf[0] = 0;
	vargs[1].vt = VT_BYREF | VT_I4;
	V_I4REF( &vargs[1] ) = (long *) &arg3__arrayBuf[0];
	vargs[0].vt = VT_I4;
	V_I4( &vargs[0] ) = (long) arg4;
	VariantInit(&ret);
	params.cArgs = 5;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 1610743816, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		VariantClear( &vargs[4] );
		VariantClear( &vargs[3] );
		env->ReleaseIntArrayElements( (jintArray) arg3, arg3__arrayBuf, 0 );
		return 0;
	}
	env->ReleaseIntArrayElements( (jintArray) arg3, arg3__arrayBuf, 0 );
	VariantClear( &vargs[4] );
	VariantClear( &vargs[3] );
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
	jobject retobj = brivelBestUnknownToJobject( env, (IUnknown *) V_DISPATCH( &ret ), brivelIIDMap, 13);
	VariantClear( &ret );
	return retobj;
}

// JNI Implementation of IShellWindows.OnCreated
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellWindows_OnCreated__ILbrivel_TavoObject_2
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
	if ( arg1 == 0 ) {
		env->ThrowNew( brivelFindClass( env, "java/lang/NullPointerException" ), "Argument 2 is null" );
		return;
	}
	vargs[0].vt = VT_DISPATCH;
	IDispatch * temp__1 = 0;
	IUnknown * unk__1 = (IUnknown *) env->GetIntField( arg1, brivelGetComId());
	if ( unk__1 != 0 && FAILED( unk__1->QueryInterface( IID_IDispatch, (void **) &temp__1 ))) {
		vargs[0].vt = VT_UNKNOWN;
		temp__1 = (IDispatch *) unk__1;
		temp__1->AddRef();
	}
	V_DISPATCH( &vargs[0] ) = temp__1;
	VariantInit(&ret);
	params.cArgs = 2;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 1610743817, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) {
		if ( temp__1 != 0 ) temp__1->Release();
		return;
	}
	if ( temp__1 != 0 ) temp__1->Release();
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IShellWindows.ProcessAttachDetach
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IShellWindows_ProcessAttachDetach__Z
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
		return;
	}
	EXCEPINFO excepInfo;
	memset(&params, 0, sizeof params);
	memset(&excepInfo, 0, sizeof excepInfo);
	vargs[0].vt = VT_BOOL;
	V_BOOL( &vargs[0] ) = arg0 ? 0xFFFF : 0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 1610743818, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IShellWindows__1_1TavoLoad
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
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoIShellWindows, (void **) &pDisp );
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

// JNI Implementation of IScriptErrorList.advanceError
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IScriptErrorList_advanceError
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
	hr = brivelInvokeHelper( env, pDisp, 10, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IScriptErrorList.retreatError
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IScriptErrorList_retreatError
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
	hr = brivelInvokeHelper( env, pDisp, 11, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IScriptErrorList.canAdvanceError
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IScriptErrorList_canAdvanceError
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
	hr = brivelInvokeHelper( env, pDisp, 12, &params, 1, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IScriptErrorList.canRetreatError
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IScriptErrorList_canRetreatError
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
	hr = brivelInvokeHelper( env, pDisp, 13, &params, 1, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IScriptErrorList.getErrorLine
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IScriptErrorList_getErrorLine
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

// JNI Implementation of IScriptErrorList.getErrorChar
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IScriptErrorList_getErrorChar
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
	hr = brivelInvokeHelper( env, pDisp, 15, &params, 1, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IScriptErrorList.getErrorCode
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IScriptErrorList_getErrorCode
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
	hr = brivelInvokeHelper( env, pDisp, 16, &params, 1, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IScriptErrorList.getErrorMsg
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_IScriptErrorList_getErrorMsg
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
	hr = brivelInvokeHelper( env, pDisp, 17, &params, 1, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IScriptErrorList.getErrorUrl
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_IScriptErrorList_getErrorUrl
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
	hr = brivelInvokeHelper( env, pDisp, 18, &params, 1, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IScriptErrorList.getAlwaysShowLockState
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IScriptErrorList_getAlwaysShowLockState
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
	hr = brivelInvokeHelper( env, pDisp, 23, &params, 1, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IScriptErrorList.getDetailsPaneOpen
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IScriptErrorList_getDetailsPaneOpen
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
	hr = brivelInvokeHelper( env, pDisp, 19, &params, 1, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IScriptErrorList.setDetailsPaneOpen
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IScriptErrorList_setDetailsPaneOpen__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
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
	vargs[0].vt = VT_I4;
	V_I4( &vargs[0] ) = (long) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 20, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

// JNI Implementation of IScriptErrorList.getPerErrorDisplay
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_IScriptErrorList_getPerErrorDisplay
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
	hr = brivelInvokeHelper( env, pDisp, 21, &params, 1, &excepInfo, &argErr, &ret );
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

// JNI Implementation of IScriptErrorList.setPerErrorDisplay
extern "C" JNIEXPORT void JNICALL Java_iexplorer_IScriptErrorList_setPerErrorDisplay__I
	(JNIEnv * env,
	 jobject thisObj,
	 jint arg0)
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
	vargs[0].vt = VT_I4;
	V_I4( &vargs[0] ) = (long) arg0;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 22, &params, 1, &excepInfo, &argErr, &ret );
	if ( brivelCheckFatalError( env )) return;
	if ( FAILED( hr )) {
		brivelThrowComExceptionObject( env, hr, &excepInfo );
	}
}

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_IScriptErrorList__1_1TavoLoad
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
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoIScriptErrorList, (void **) &pDisp );
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

// JNI Implementation of ISearches.getCount
extern "C" JNIEXPORT jint JNICALL Java_iexplorer_ISearches_getCount
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
	hr = brivelInvokeHelper( env, pDisp, 1610743808, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearches.getDefault
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_ISearches_getDefault
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
	hr = brivelInvokeHelper( env, pDisp, 1610743809, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearches.Item
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_ISearches_Item
	(JNIEnv * env, jobject thisObj)
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
	vargs[0].vt = VT_ERROR;
	V_I4( &vargs[0] ) = DISP_E_PARAMNOTFOUND;
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 1610743810, &params, 1, &excepInfo, &argErr, &ret );
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
	jobject retDisp =  brivelUnknownToInterfaceObject( env, V_DISPATCH( &ret ), "iexplorer/ISearch" );
	VariantClear( &ret );
	return retDisp;
}

// JNI Implementation of ISearches.Item
extern "C" JNIEXPORT jobject JNICALL Java_iexplorer_ISearches_Item__Lbrivel_TavoVariant_2
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
	vargs[0].vt = VT_VARIANT;
	VariantCopy( &vargs[0], brivelGetTavoVariant( env, arg0 ));
	VariantInit(&ret);
	params.cArgs = 1;
	params.rgvarg = vargs;
	hr = brivelInvokeHelper( env, pDisp, 1610743810, &params, 1, &excepInfo, &argErr, &ret );
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
	jobject retDisp =  brivelUnknownToInterfaceObject( env, V_DISPATCH( &ret ), "iexplorer/ISearch" );
	VariantClear( &ret );
	return retDisp;
}

// JNI Implementation of ISearches.brivelEnumerator
extern "C" JNIEXPORT void JNICALL Java_iexplorer_ISearches_brivelEnumerator__Lbrivel_TavoIterator_2
	(JNIEnv * env, jobject thisObj, jobject receiver )
{
	brivelProcessEnumeration( env, thisObj, receiver, -4, 4 );
	brivelCheckFatalError( env );
}
extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ISearches__1_1TavoLoad
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
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoISearches, (void **) &pDisp );
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

// JNI Implementation of ISearch.getTitle
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_ISearch_getTitle
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
	hr = brivelInvokeHelper( env, pDisp, 1610743808, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearch.getId
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_ISearch_getId
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
	hr = brivelInvokeHelper( env, pDisp, 1610743809, &params, 2, &excepInfo, &argErr, &ret );
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

// JNI Implementation of ISearch.getURL
extern "C" JNIEXPORT jstring JNICALL Java_iexplorer_ISearch_getURL
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
	hr = brivelInvokeHelper( env, pDisp, 1610743810, &params, 2, &excepInfo, &argErr, &ret );
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

extern "C" JNIEXPORT jboolean JNICALL Java_iexplorer_ISearch__1_1TavoLoad
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
	ret = brivelQueryInterface( env, pUnk, &IID_ITavoISearch, (void **) &pDisp );
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
extern "C" JNIEXPORT jobjectArray JNICALL Java_iexplorer_WebBrowser_1V1__1_1RemoteEventAdd( JNIEnv * env, jobject thisObj, jstring interfaceStr )
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
		if ( strcmp( interfaceName, "iexplorer.DWebBrowserEvents" ) == 0 ) {
			// Initialize and add new listener object.
			iDisp = new DWebBrowserEventsHandlerImpl( (jstring) env->NewGlobalRef(interfaceStr), thisObj );
		} else if ( strcmp( interfaceName, "iexplorer.DWebBrowserEvents2" ) == 0 ) {
			// Initialize and add new listener object.
			iDisp = new DWebBrowserEvents2HandlerImpl( (jstring) env->NewGlobalRef(interfaceStr), thisObj );
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
extern "C" JNIEXPORT jobjectArray JNICALL Java_iexplorer_WebBrowser__1_1RemoteEventAdd( JNIEnv * env, jobject thisObj, jstring interfaceStr )
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
		if ( strcmp( interfaceName, "iexplorer.DWebBrowserEvents" ) == 0 ) {
			// Initialize and add new listener object.
			iDisp = new DWebBrowserEventsHandlerImpl( (jstring) env->NewGlobalRef(interfaceStr), thisObj );
		} else if ( strcmp( interfaceName, "iexplorer.DWebBrowserEvents2" ) == 0 ) {
			// Initialize and add new listener object.
			iDisp = new DWebBrowserEvents2HandlerImpl( (jstring) env->NewGlobalRef(interfaceStr), thisObj );
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
extern "C" JNIEXPORT jobjectArray JNICALL Java_iexplorer_InternetExplorer__1_1RemoteEventAdd( JNIEnv * env, jobject thisObj, jstring interfaceStr )
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
		if ( strcmp( interfaceName, "iexplorer.DWebBrowserEvents" ) == 0 ) {
			// Initialize and add new listener object.
			iDisp = new DWebBrowserEventsHandlerImpl( (jstring) env->NewGlobalRef(interfaceStr), thisObj );
		} else if ( strcmp( interfaceName, "iexplorer.DWebBrowserEvents2" ) == 0 ) {
			// Initialize and add new listener object.
			iDisp = new DWebBrowserEvents2HandlerImpl( (jstring) env->NewGlobalRef(interfaceStr), thisObj );
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
extern "C" JNIEXPORT jobjectArray JNICALL Java_iexplorer_ShellBrowserWindow__1_1RemoteEventAdd( JNIEnv * env, jobject thisObj, jstring interfaceStr )
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
		if ( strcmp( interfaceName, "iexplorer.DWebBrowserEvents" ) == 0 ) {
			// Initialize and add new listener object.
			iDisp = new DWebBrowserEventsHandlerImpl( (jstring) env->NewGlobalRef(interfaceStr), thisObj );
		} else if ( strcmp( interfaceName, "iexplorer.DWebBrowserEvents2" ) == 0 ) {
			// Initialize and add new listener object.
			iDisp = new DWebBrowserEvents2HandlerImpl( (jstring) env->NewGlobalRef(interfaceStr), thisObj );
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
extern "C" JNIEXPORT jobjectArray JNICALL Java_iexplorer_ShellWindows__1_1RemoteEventAdd( JNIEnv * env, jobject thisObj, jstring interfaceStr )
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
		if ( strcmp( interfaceName, "iexplorer.DShellWindowsEvents" ) == 0 ) {
			// Initialize and add new listener object.
			iDisp = new DShellWindowsEventsHandlerImpl( (jstring) env->NewGlobalRef(interfaceStr), thisObj );
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
extern "C" JNIEXPORT jobjectArray JNICALL Java_iexplorer_ShellNameSpace__1_1RemoteEventAdd( JNIEnv * env, jobject thisObj, jstring interfaceStr )
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
		if ( strcmp( interfaceName, "iexplorer.DShellNameSpaceEvents" ) == 0 ) {
			// Initialize and add new listener object.
			iDisp = new DShellNameSpaceEventsHandlerImpl( (jstring) env->NewGlobalRef(interfaceStr), thisObj );
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
extern "C" JNIEXPORT jobjectArray JNICALL Java_iexplorer_ShellShellNameSpace__1_1RemoteEventAdd( JNIEnv * env, jobject thisObj, jstring interfaceStr )
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
		if ( strcmp( interfaceName, "iexplorer.DShellNameSpaceEvents" ) == 0 ) {
			// Initialize and add new listener object.
			iDisp = new DShellNameSpaceEventsHandlerImpl( (jstring) env->NewGlobalRef(interfaceStr), thisObj );
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
extern "C" JNIEXPORT jobjectArray JNICALL Java_iexplorer_SearchAssistantOC__1_1RemoteEventAdd( JNIEnv * env, jobject thisObj, jstring interfaceStr )
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
		if ( strcmp( interfaceName, "iexplorer._SearchAssistantEvents" ) == 0 ) {
			// Initialize and add new listener object.
			iDisp = new _SearchAssistantEventsHandlerImpl( (jstring) env->NewGlobalRef(interfaceStr), thisObj );
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
extern "C" JNIEXPORT jobjectArray JNICALL Java_iexplorer_ShellSearchAssistantOC__1_1RemoteEventAdd( JNIEnv * env, jobject thisObj, jstring interfaceStr )
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
		if ( strcmp( interfaceName, "iexplorer._SearchAssistantEvents" ) == 0 ) {
			// Initialize and add new listener object.
			iDisp = new _SearchAssistantEventsHandlerImpl( (jstring) env->NewGlobalRef(interfaceStr), thisObj );
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

