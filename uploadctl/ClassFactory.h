// The class object of EvalUploader that DllGetClassObject hands out. It is
// static: its references do not count, its server locks do.
#pragma once

#include <unknwn.h>

namespace brivel::uploadctl {

class CEvalUploaderFactory : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    STDMETHODIMP LockServer(BOOL lock) override;
};

CEvalUploaderFactory& EvalUploaderFactory();

}  // namespace brivel::uploadctl
