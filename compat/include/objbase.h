/* COM core: apartments, activation, task memory and GUID text. */
#ifndef BRIVEL_COMPAT_OBJBASE_H
#define BRIVEL_COMPAT_OBJBASE_H

#include "windef.h"
#include "winerror.h"
#include "winbase.h"
#include "winnls.h"
#include "unknwn.h"

#define STDAPICALLTYPE
#define STDMETHODVCALLTYPE
#define STDAPI EXTERN_C HRESULT STDAPICALLTYPE
#define STDAPI_(type) EXTERN_C type STDAPICALLTYPE
#define STDMETHODIMP HRESULT STDMETHODCALLTYPE
#define STDMETHODIMP_(type) type STDMETHODCALLTYPE
#define STDMETHOD(method) virtual HRESULT STDMETHODCALLTYPE method
#define STDMETHOD_(type, method) virtual type STDMETHODCALLTYPE method
#define PURE = 0
#define THIS_
#define THIS void
#define WINOLEAPI STDAPI
#define WINOLEAPI_(type) STDAPI_(type)

typedef enum tagCOINIT {
    COINIT_APARTMENTTHREADED = 0x2,
    COINIT_MULTITHREADED = 0x0,
    COINIT_DISABLE_OLE1DDE = 0x4,
    COINIT_SPEED_OVER_MEMORY = 0x8
} COINIT;

typedef enum tagCLSCTX {
    CLSCTX_INPROC_SERVER = 0x1,
    CLSCTX_INPROC_HANDLER = 0x2,
    CLSCTX_LOCAL_SERVER = 0x4,
    CLSCTX_REMOTE_SERVER = 0x10
} CLSCTX;
#define CLSCTX_INPROC (CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER)
#define CLSCTX_SERVER (CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER)
#define CLSCTX_ALL (CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER)

#ifdef __cplusplus
extern "C" {
HRESULT WINAPI CoInitialize(LPVOID reserved);
HRESULT WINAPI CoInitializeEx(LPVOID reserved, DWORD coInit);
void WINAPI CoUninitialize(void);

HRESULT WINAPI CoGetClassObject(REFCLSID clsid, DWORD context, LPVOID serverInfo, REFIID riid, LPVOID* object);
HRESULT WINAPI CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID riid, LPVOID* object);
HRESULT WINAPI CLSIDFromProgID(LPCOLESTR progId, LPCLSID clsid);
HRESULT WINAPI ProgIDFromCLSID(REFCLSID clsid, LPOLESTR* progId);

LPVOID WINAPI CoTaskMemAlloc(SIZE_T size);
LPVOID WINAPI CoTaskMemRealloc(LPVOID block, SIZE_T size);
void WINAPI CoTaskMemFree(LPVOID block);

HRESULT WINAPI CLSIDFromString(LPCOLESTR text, LPCLSID clsid);
HRESULT WINAPI StringFromCLSID(REFCLSID clsid, LPOLESTR* text);
HRESULT WINAPI IIDFromString(LPCOLESTR text, LPIID iid);
HRESULT WINAPI StringFromIID(REFIID iid, LPOLESTR* text);
int WINAPI StringFromGUID2(REFGUID guid, LPOLESTR text, int size);
}
#endif

#endif
