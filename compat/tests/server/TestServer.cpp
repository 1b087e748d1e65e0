// An in-process COM server built in both builds (a DLL under Wine, a shared
// object on linux32), activated by the conformance tests through the
// registry.
#include "TestServer.h"

namespace {
LONG g_objects = 0;  // live objects and server locks

class Counter : public IBrivelTestCounter {
public:
    Counter() { InterlockedIncrement(&g_objects); }
    virtual ~Counter() { InterlockedDecrement(&g_objects); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (!object) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IBrivelTestCounter)) {
            *object = static_cast<IBrivelTestCounter*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }
    HRESULT STDMETHODCALLTYPE Increment(LONG* count) override {
        if (!count) return E_POINTER;
        *count = InterlockedIncrement(&count_);
        return S_OK;
    }

private:
    LONG references_ = 1;
    LONG count_ = 0;
};

class Factory : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (!object) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
            *object = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // one static factory
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        Counter* counter = new Counter;
        HRESULT hr = counter->QueryInterface(riid, object);
        counter->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        if (lock) InterlockedIncrement(&g_objects);
        else InterlockedDecrement(&g_objects);
        return S_OK;
    }
};

Factory g_factory;
}  // namespace

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID riid, LPVOID* object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(clsid, CLSID_BrivelTestCounter)) return CLASS_E_CLASSNOTAVAILABLE;
    return g_factory.QueryInterface(riid, object);
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllCanUnloadNow(void) {
    return g_objects == 0 ? S_OK : S_FALSE;
}

// A plain export for the loader tests.
extern "C" __declspec(dllexport) int BrivelTestServerAnswer(void) { return 42; }

// Activates this server's own class on the calling thread, as a server that
// uses other COM classes does: the thread's COM initialisation is the
// process's, not the module's.
extern "C" __declspec(dllexport) HRESULT BrivelTestServerActivate(void) {
    IBrivelTestCounter* counter = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_BrivelTestCounter, nullptr, CLSCTX_INPROC_SERVER, IID_IBrivelTestCounter,
                                  reinterpret_cast<void**>(&counter));
    if (FAILED(hr)) return hr;
    LONG count = 0;
    hr = counter->Increment(&count);
    counter->Release();
    return SUCCEEDED(hr) && count == 1 ? S_OK : E_FAIL;
}
