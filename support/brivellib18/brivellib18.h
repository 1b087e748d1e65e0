// The interface of brivellib18, the runtime library that every generated
// Java-to-COM bridge links: its functions declared exactly as a generated
// bridge declares them. The library's own functions are imported; the
// functions that each bridge exports (its natives define them) follow.
//
// Ownership rules of the runtime:
// - Interface pointers passed in are never adopted. brivelUnknownToJobject,
//   brivelBestUnknownToJobject and brivelUnknownToInterfaceObject give the
//   new Java object a reference of its own (AddRef, or the QueryInterface of
//   the class's interface); the caller still releases or clears what it
//   passed. The Java object's reference is released by TavoRelease(); of
//   several threads that release one object at once, one releases it.
// - brivelVariantObject copies the VARIANT (by-reference values copied
//   through); the caller still clears its own. A brivel.TavoVariant owns its
//   VARIANT, made empty by brivelGetTavoVariant on first use and freed by
//   TavoVariant.TavoRelease() (once, however many threads release it).
// - brivelJstringToBstr answers a new BSTR that the caller frees;
//   brivelBstrToJstr leaves the BSTR to the caller.
// - brivelThrowComExceptionObject frees the EXCEPINFO's strings (after its
//   deferred fill-in) and leaves them null.
// - A listener owns the first reference of its sink; __TavoAdvise adds the
//   event source's reference, which __TavoUnadvise drops;
//   TavoEventListener.TavoRelease() drops the listener's own.
// - Interface maps: each bridge hands its brivelIIDMap over from its load
//   hook (brivelIidMapTypes); the runtime keeps a copy of every bridge's map
//   beside the others' (a bridge's library may go with its class loader;
//   the others go on). A class name is looked up in the map that holds it;
//   a collection's items become objects of the classes of the collection's
//   own bridge first, then of the others' that the caller's class loader
//   can see. No lock is held while a conversion calls COM or Java.
// - The product's classes and members are looked up once; while one is
//   missing, each call that needs them fails with the VM's error.
// - Conversions that generated code calls per array element or per event
//   leave no local reference behind but the one they answer.
// - A pending Java exception is the fatal-error signal: the runtime leaves
//   one pending exactly when it could not do its part, and
//   brivelCheckFatalError is true when the runtime left one pending on the
//   calling thread since the thread's last check and it is still pending;
//   the native then returns at once. The check answers from the thread's
//   own note and asks the VM only when the runtime raised something (an
//   exception that the native's own JNI calls raised is the native's to see).
// - Remote creation answers the platform's failure (RPC server unavailable)
//   where no remote machine can be reached.
// - Server-side events: CheckServerSideEvents is true while the process's
//   Java server (brivel.server.TransactEnv) has an event forwarder set.
//   OnServerSideEvent hands each event to it (source object, interface
//   name, event name, arguments as an Object[]: primitives boxed, OUT
//   arguments as their one-element arrays, which the client's reply fills).
//   The references passed in stay the sink's; a failure of the forwarder is
//   printed and cleared, never left pending; the reply counts for events
//   that answer a boolean.
// - Record tables (brivelRegisterRecordTypes) are copied too, and completed
//   from the first call that passes a type's fields. A record that COM
//   hands over (an array's elements, a VARIANT's record) is read only when
//   it is of the caller's type (the GUID it names, a type of its class name
//   with that size, room for every field); otherwise the conversion fails
//   with DISP_E_TYPEMISMATCH.
// - Records with a GUID: brivelJObjectToComRecord answers a record made by
//   the IRecordInfo's RecordCreate and hands out one reference on that
//   IRecordInfo; brivelClearRecordData frees the record (its fields, its
//   by-reference fields, its memory) and releases that reference.
//   brivelComRecordToJobject with `destroy` does the same for a record it
//   was given (a VARIANT's record and reference, which the caller then no
//   longer clears); without `destroy` both stay the caller's.
// - Direct records (no GUID) live in the caller's buffer. Their fields own
//   their values: BSTRs, one reference per interface pointer, VARIANTs, and
//   the memory of by-reference fields (CoTaskMemAlloc).
//   brivelClearDirectRecord frees them all and zeroes the fields (a second
//   clear does nothing).
// - Record to Java always copies: strings, dates and VARIANTs are new Java
//   values, an interface field becomes a Java object with its own reference
//   (an OUT copy keeps the Java object that already holds the same
//   pointer). Nested records and fixed arrays of an existing Java object
//   are filled in place.
// - A failed conversion frees what it had stored, sets the error flag and
//   leaves a Java exception pending; nothing is handed out.
// - brivelJArrayToSafeArrayRecord answers a new SAFEARRAY that the caller
//   destroys; the IRecordInfo it hands out is the array's own (not released
//   by the caller). The SAFEARRAY-to-Java functions leave the array alone.
// - A null Java record passes an empty record; a null record passes to Java
//   as null. The field-ID arrays are written by each call, never trusted on
//   entry. The `outOnly` flag of the Java-to-record calls changes nothing:
//   a failure is always reported through the error flag.
#ifndef BRIVELLIB18_H
#define BRIVELLIB18_H

#include <stdio.h>
#include <windows.h>
#include <objbase.h>
#include <ole2.h>
#include <olectl.h>
#include <jni.h>
#include <malloc.h>
#include <stdarg.h>

typedef HRESULT  (STDMETHODCALLTYPE *  _VtblFunc)(void *);
typedef HRESULT (* _ThunkFunc)(IUnknown * pUnk, va_list ap);

// Functions of the runtime library.
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

// The native of brivel.TavoObject that the runtime library supplies.
extern "C" JNIEXPORT jint JNICALL Java_brivel_TavoObject__1_1TavoAdvise(JNIEnv * env, jobject tgt, jobject listener);

// Functions that each generated bridge exports.
extern "C" __declspec(dllexport) void brivelInitEventThread( JNIEnv * env );
extern "C" __declspec(dllexport) int OnServerSideEvent( JNIEnv * brivelJniEnv, jobject brvJavaObject, jstring interfaceName, int numArgs, int reply, const char * repType, const char * eventFn,  ... );
extern "C" __declspec(dllexport) bool CheckServerSideEvents(JNIEnv * brivelJniEnv);
extern "C" __declspec(dllexport) SAFEARRAY * brivelArrayObjToSafeArray( JNIEnv * env, VARTYPE vt, jobject arrayObj, const char * arraySig );
extern "C" __declspec(dllexport) void brivelCopySafeArrayToArrayObj( JNIEnv * env, VARTYPE vt, SAFEARRAY * sa, jobject arrayObj, const char * arraySig );
extern "C" int APIENTRY DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved);

#endif  // BRIVELLIB18_H
