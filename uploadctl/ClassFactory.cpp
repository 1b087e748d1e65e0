#include "ClassFactory.h"

#include "EvalUploader.h"
#include "ServerModule.h"

namespace brivel::uploadctl {

STDMETHODIMP CEvalUploaderFactory::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
        *object = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP CEvalUploaderFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return CEvalUploader::Create(iid, object);
}

STDMETHODIMP CEvalUploaderFactory::LockServer(BOOL lock) {
    if (lock) LockModule();
    else UnlockModule();
    return S_OK;
}

CEvalUploaderFactory& EvalUploaderFactory() {
    static CEvalUploaderFactory factory;
    return factory;
}

}  // namespace brivel::uploadctl
