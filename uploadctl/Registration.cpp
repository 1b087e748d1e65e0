#include "Registration.h"

#include <oleauto.h>

#include <string>

#include "BrivelEvalDllBuilder_h.h"
#include "Registrar.h"
#include "ServerModule.h"
#include "resource.h"

namespace brivel::uploadctl {
namespace {

// Callers initialise COM (regsvr32 does); this also serves those that do not.
class ComForTheCall {
public:
    ComForTheCall() : hr_(CoInitialize(nullptr)) {}
    ~ComForTheCall() {
        if (SUCCEEDED(hr_)) CoUninitialize();
    }

private:
    HRESULT hr_;
};

HRESULT ApplyScript(bool registering) {
    IRegistrar* registrar = nullptr;
    HRESULT hr = CoCreateInstance(kClsidRegistrar, nullptr, CLSCTX_INPROC_SERVER, kIidRegistrar,
                                  reinterpret_cast<void**>(&registrar));
    if (FAILED(hr)) return hr;
    std::wstring module = ModulePathW();
    hr = registrar->AddReplacement(L"MODULE", module.c_str());
    if (SUCCEEDED(hr))
        hr = registering ? registrar->ResourceRegister(module.c_str(), IDR_EVALUPLOADER, L"REGISTRY")
                         : registrar->ResourceUnregister(module.c_str(), IDR_EVALUPLOADER, L"REGISTRY");
    registrar->Release();
    return hr;
}

HRESULT RegisterTypeLibrary() {
    std::wstring module = ModulePathW();
    ITypeLib* library = nullptr;
    HRESULT hr = LoadTypeLibEx(module.c_str(), REGKIND_NONE, &library);
    if (FAILED(hr)) return hr;
    hr = RegisterTypeLib(library, const_cast<LPOLESTR>(module.c_str()), nullptr);
    library->Release();
    return hr;
}

}  // namespace

HRESULT RegisterServer() {
    ComForTheCall com;
    HRESULT hr = ApplyScript(true);
    if (FAILED(hr)) return hr;
    return RegisterTypeLibrary();
}

// A server that is not (or no longer) registered unregisters without error.
HRESULT UnregisterServer() {
    ComForTheCall com;
    HRESULT script = ApplyScript(false);
    HRESULT library = S_OK;
    BSTR registeredPath = nullptr;
    if (SUCCEEDED(QueryPathOfRegTypeLib(LIBID_BRIVELEVALDLLBUILDERLib, 1, 0, LOCALE_NEUTRAL, &registeredPath))) {
        SysFreeString(registeredPath);
        library = UnRegisterTypeLib(LIBID_BRIVELEVALDLLBUILDERLib, 1, 0, LOCALE_NEUTRAL, SYS_WIN32);
    }
    return FAILED(script) ? script : library;
}

}  // namespace brivel::uploadctl
