// The class factory of a test server's class, and DllGetClassObject's answer
// for it. A factory is a static object: its references cost nothing, and it
// makes one object per CreateInstance (no aggregation) with `make`, which
// returns a new object holding one reference of the factory's own.
#pragma once

#include <windows.h>

namespace brivel::testing {

class ClassFactory final : public IClassFactory {
public:
    using MakeFn = IUnknown* (*)();
    explicit ClassFactory(MakeFn make) : make_(make) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
            *object = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        IUnknown* made = make_();
        HRESULT hr = made->QueryInterface(iid, object);
        made->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    MakeFn make_;
};

// DllGetClassObject's answer: the factory of the class asked for, or
// CLASS_E_CLASSNOTAVAILABLE when the server has none (`factory` null).
inline HRESULT GetClassObject(ClassFactory* factory, REFIID iid, void** object) {
    if (!factory) {
        if (object) *object = nullptr;
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return factory->QueryInterface(iid, object);
}

}  // namespace brivel::testing
