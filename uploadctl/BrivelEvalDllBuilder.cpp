// BrivelEvalDllBuilder.dll: the in-process COM server of the upload control
// and its four exports.
#include <windows.h>
#include <objbase.h>

#include "BrivelEvalDllBuilder_h.h"
#include "ClassFactory.h"
#include "Registration.h"
#include "ServerModule.h"

using namespace brivel::uploadctl;

// Thread notifications stay on: the statically linked runtime's thread
// clean-up needs them.
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) SetModuleInstance(instance);
    return TRUE;
}

STDAPI DllCanUnloadNow() { return ModuleLockCount() == 0 ? S_OK : S_FALSE; }

STDAPI DllGetClassObject(REFCLSID classId, REFIID iid, LPVOID* object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (classId != CLSID_EvalUploader) return CLASS_E_CLASSNOTAVAILABLE;
    return EvalUploaderFactory().QueryInterface(iid, object);
}

STDAPI DllRegisterServer() { return RegisterServer(); }

STDAPI DllUnregisterServer() { return UnregisterServer(); }
