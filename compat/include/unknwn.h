/* The root COM interface and class factories, declared as C++ abstract
 * classes: a single-inheritance class without a virtual destructor has its
 * virtual functions in declaration order in its vtable, as the platform's
 * interfaces do. */
#ifndef BRIVEL_COMPAT_UNKNWN_H
#define BRIVEL_COMPAT_UNKNWN_H

#include "wtypes.h"

#ifndef interface
#define interface struct
#endif

EXTERN_C const IID IID_IUnknown;
EXTERN_C const IID IID_IClassFactory;

#ifdef __cplusplus
struct IUnknown {
    virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) = 0;
    virtual ULONG STDMETHODCALLTYPE AddRef(void) = 0;
    virtual ULONG STDMETHODCALLTYPE Release(void) = 0;
};
typedef IUnknown* LPUNKNOWN;

struct IClassFactory : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) = 0;
    virtual HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) = 0;
};
typedef IClassFactory* LPCLASSFACTORY;
#endif

#endif
